#include "frontend/dialogs/polygon_block_dialog.h"

#include "frontend/dialogs/dialog_texts.h"
#include "frontend/model/block_outline.h"
#include "frontend/model/display_text.h"
#include "frontend/model/input_check.h"
#include "frontend/model/outline_order.h"

#include <algorithm>
#include <string_view>

namespace qvt::dialogs {

namespace {

bool blank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

void warn(model::MessageSink& messages, const char* text) {
  messages.show_message(model::MessageIcon::Exclamation, model::kAppTitle, text);
}

}  // namespace

PolygonBlockDialog::PolygonBlockDialog(model::ProjectModel& model, section::EditorState& editor,
                                       model::MessageSink& messages,
                                       const BlockDialogRequest& request)
    : model_(model), editor_(editor), messages_(messages), request_(request) {}

bool PolygonBlockDialog::load() {
  const int slot = request_.slot;
  if (slot < 0 || slot >= model::MAX_WALL_BLOCKS) return false;
  editing_ = !request_.register_mode;
  const model::PolygonShape& p = model_.wall_blocks[slot].polygon;
  if (editing_ && p.vertex_count > kDataRows) {
    // The table and the working list hold 100 vertices: a longer outline would be cut.
    warn(messages_, kMsgTooManyVertices);
    return false;
  }
  for (int j = 0; j < kDataRows; ++j) editor_.work_vertices[j] = {};
  editor_.work_vertex_count = 0;
  if (editing_) {
    editor_.work_vertex_count = std::max<model::i16>(p.vertex_count, 0);
    boxes[kName] = p.head.name;
    boxes[kSaturated] = model::format_pattern(p.head.unit_weights[2], kNumberPattern);
    boxes[kWet] = model::format_pattern(p.head.unit_weights[0], kNumberPattern);
    boxes[kSubmerged] = model::format_pattern(p.head.unit_weights[1], kNumberPattern);
    boxes[kRefX] = model::format_pattern(p.head.ref_x, kNumberPattern);
    boxes[kRefY] = model::format_pattern(p.head.ref_y, kNumberPattern);
    for (int j = 0; j < editor_.work_vertex_count; ++j)
      editor_.work_vertices[j] = {p.vertex_x[j], p.vertex_y[j]};
  } else {
    boxes[kName].clear();
    for (int i = kSaturated; i <= kRefY; ++i) boxes[i] = "0.000";
    editor_.work_vertex_count = 1;
  }
  for (auto& row : cells) row = {};
  for (int j = 0; j < editor_.work_vertex_count; ++j) {
    cells[j][0] = model::format_pattern(j + 1, "#0");
    cells[j][1] = model::format_pattern(editor_.work_vertices[j].x, "##0.000");
    cells[j][2] = model::format_pattern(editor_.work_vertices[j].y, "##0.000");
  }
  return true;
}

int PolygonBlockDialog::last_row_in_use() const {
  for (int r = kDataRows; r >= 1; --r)
    if (!blank(cells[r - 1][1]) || !blank(cells[r - 1][2])) return r;
  return 0;
}

void PolygonBlockDialog::vertex_table_edited() {
  const int last = last_row_in_use();
  editor_.work_vertex_count = static_cast<model::i16>(last);
  for (int r = 1; r <= last; ++r)
    editor_.work_vertices[r - 1] = {model::leading_number(cells[r - 1][1]),
                                    model::leading_number(cells[r - 1][2])};
  // The number column follows the rows in use.
  for (int r = 1; r <= kDataRows; ++r)
    cells[r - 1][0] = r <= last ? model::format_pattern(r, "#0") : std::string();
}

void PolygonBlockDialog::leave_box(Box box) {
  if (box < kSaturated || box > kRefY) return;  // the name is text
  boxes[box] = model::format_pattern(model::leading_number(boxes[box]), kNumberPattern);
}

std::vector<model::OutlinePoint> PolygonBlockDialog::vertices() const {
  std::vector<model::OutlinePoint> v;
  const int n = std::clamp<int>(editor_.work_vertex_count, 0, kDataRows);
  for (int j = 0; j < n; ++j) v.push_back({editor_.work_vertices[j].x, editor_.work_vertices[j].y});
  return v;
}

void PolygonBlockDialog::paint_preview(section::DrawSink& sink) const {
  draw_polygon_preview(vertices(), sink);
}

bool PolygonBlockDialog::cancel() { return true; }

bool PolygonBlockDialog::finish() {
  const int slot = request_.slot;
  if (slot < 0 || slot >= model::MAX_WALL_BLOCKS) return true;
  const double saturated = model::leading_number(boxes[kSaturated]);
  const double wet = model::leading_number(boxes[kWet]);
  const double submerged = model::leading_number(boxes[kSubmerged]);
  const std::vector<model::OutlinePoint> v = vertices();
  if (!(saturated > 0) || !(wet > 0) || !(submerged > 0) || v.size() <= 2) {
    warn(messages_, kMsgInputError);
    return false;
  }
  model::WallBlock block = model_.wall_blocks[slot];
  model::PolygonShape& p = block.polygon;
  p.vertex_count = static_cast<model::i16>(v.size());
  p.head.name = boxes[kName];
  p.head.unit_weights[2] = saturated;
  p.head.unit_weights[0] = wet;
  p.head.unit_weights[1] = submerged;
  p.head.ref_x = model::leading_number(boxes[kRefX]);
  p.head.ref_y = model::leading_number(boxes[kRefY]);
  const model::OrientationDecision order = model::decide_orientation(v);
  model::store_oriented(v, order, p);
  block.block_type = model::BLOCK_POLYGON;
  // What is accepted must be computable: a crossing or flat outline is refused here, not at
  // the next calculation.
  if (!model::block_problem(model_, block).empty()) {
    warn(messages_, kMsgInputError);
    return false;
  }
  model::show_orientation_messages(order, messages_);
  model_.wall_blocks[slot] = block;
  if (!editing_) {
    model_.block_label_numbers[slot] = static_cast<model::i16>(slot);
    model::center_block_label(model_, slot);
  }
  return true;
}

}  // namespace qvt::dialogs
