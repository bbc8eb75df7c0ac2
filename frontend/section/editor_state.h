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

// How far a block editor of the superstructure or improved-body page has got with the chosen
// operation. Entering either page puts it back to idle.
enum class BlockEditStep : std::int16_t {
  idle = 0,
  select = 1,           // a click picks a block by its label
  edit = 2,             // the picked block's dialog opens
  base_point = 3,       // a click takes the move or copy base point
  move = 4,             // a click moves the block by the base point
  copy = 5,             // a click copies the block into a free slot and moves the copy
  copy_start = 6,       // a copy checks for a free slot before it picks
  erase = 7,            // a click deletes the picked block
  number_position = 8,  // a click places the picked block's number label
};

// The inner tab in use on the earth-pressure page.
enum class PressureTab : std::int16_t {
  none = 0,
  action_points = 1,
  soil_layers = 2,
};

struct EditorState {
  // The block editors' step on the superstructure and improved-body pages.
  BlockEditStep block_step = BlockEditStep::idle;
  // The earth-pressure page's inner tab, set when it changes.
  PressureTab pressure_tab = PressureTab::none;
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
