#pragma once
// The editor state that the section picture, its block editors, the block dialogs and the
// earth-pressure page share. One instance lives in the main window for the program's life.
#include <array>
#include <cstdint>

namespace qvt::section {

struct WorkPoint {
  double x = 0.0;
  double y = 0.0;
};

struct EditorState {
  // Block editors on the superstructure and improved-body pages: 0 idle, 1 select, 2 edit,
  // 3 base point, 4 move, 5 copy, 6 copy start, 7 delete, 8 number position. On the
  // earth-pressure page: 1 while the action-point tab is in use, 2 for the soil-layer tab.
  std::int16_t ed_mode = 0;
  // Zoom click mode: 0 none, 1 zoom in, 2 zoom out.
  std::int16_t bs_mode = 0;
  // Dimension-line click in progress: 0 nothing, 1/2 register/release upper, 3/4 lower.
  // Set and put back within one click.
  std::int16_t sn_mode = 0;
  // Block slot 0..19 selected or handed to a block dialog; -1 none.
  std::int16_t current_block_slot = 0;
  // Selected action point or soil layer of current_side on the earth-pressure page; -1 none.
  std::int16_t current_point_index = 0;
  // Side worked on the earth-pressure page: 0 passive, 1 active.
  std::int16_t current_side = 0;
  // The vertex list being edited by the polygon and improved-soil dialogs and editors.
  std::array<WorkPoint, 101> work_vertices{};
  std::int16_t work_vertex_count = 0;
};

}  // namespace qvt::section
