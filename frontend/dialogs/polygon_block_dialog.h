#pragma once
// The polygon block dialog "任意形状ブロックの詳細設定" without its widgets: the texts of
// its boxes and of its vertex table, the working vertex list, and one method per event. It
// registers a new type-0 block into the requested slot or edits the one there, always storing
// the outline clockwise.
#include "frontend/dialogs/block_dialogs.h"
#include "frontend/dialogs/polygon_preview.h"
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/section/draw_sink.h"
#include "frontend/section/editor_state.h"

#include <array>
#include <string>
#include <vector>

namespace qvt::dialogs {

class PolygonBlockDialog {
 public:
  static constexpr int kDataRows = 100;  // vertex table rows below its title row
  static constexpr int kColumns = 3;     // "No.", "X", "Y"
  // The boxes: the block's name, its three unit weights and its reference point.
  enum Box { kName, kSaturated, kWet, kSubmerged, kRefX, kRefY, kBoxCount };

  PolygonBlockDialog(model::ProjectModel& model, section::EditorState& editor,
                     model::MessageSink& messages, const BlockDialogRequest& request);

  // Fills the boxes, the working vertices and the table from the slot (edit) or with the
  // register defaults: one vertex (0, 0). False, after a message, when the dialog must not open:
  // no slot, or a block of more vertices than the table holds.
  bool load();

  // The vertex table was edited (its cells are in `cells`): the working vertices become the
  // table's rows up to the last one in use, an empty X or Y reading as 0; those rows are
  // numbered.
  void vertex_table_edited();
  // The last data row (1-based) with text in its X or Y cell; 0 for none.
  int last_row_in_use() const;

  // The user left a box: a number box shows its number in the display pattern.
  void leave_box(Box box);
  // "終了": true when the block was stored and the dialog closes.
  bool finish();
  // "取消": the dialog closes (true), nothing stored.
  bool cancel();

  // The preview of the working vertices.
  void paint_preview(section::DrawSink& sink) const;
  std::vector<model::OutlinePoint> vertices() const;

  // Control state.
  std::array<std::string, kBoxCount> boxes;  // the texts of the boxes, by Box
  // Data rows 1..100 of the vertex table (index 0 is row 1), each "No.", "X", "Y".
  std::array<std::array<std::string, kColumns>, kDataRows> cells;
  bool register_mode() const { return !editing_; }

 private:
  model::ProjectModel& model_;
  section::EditorState& editor_;
  model::MessageSink& messages_;
  BlockDialogRequest request_;
  bool editing_ = false;  // editing the block in the slot, else registering one
};

}  // namespace qvt::dialogs
