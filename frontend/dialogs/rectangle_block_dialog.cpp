#include "frontend/dialogs/rectangle_block_dialog.h"

#include "frontend/dialogs/dialog_texts.h"
#include "frontend/model/block_outline.h"
#include "frontend/model/display_text.h"
#include "frontend/model/input_check.h"

#include <string>

namespace qvt::dialogs {

namespace {

// The boxes checked at accept, in order, and the field each names in its message.
constexpr const char* kCheckedFields[] = {"飽和重量", "湿潤重量", "有効重量", "横断方向",
                                          "高さ方向"};

bool valid_slot(int slot) { return slot >= 0 && slot < model::MAX_WALL_BLOCKS; }

}  // namespace

RectangleBlockDialog::RectangleBlockDialog(model::ProjectModel& model,
                                           model::MessageSink& messages,
                                           const BlockDialogRequest& request)
    : model_(model), messages_(messages), request_(request) {}

bool RectangleBlockDialog::load() {
  if (!valid_slot(request_.slot)) return false;
  editing_ = !request_.register_mode;
  if (editing_) {
    const model::PolygonShape& p = model_.wall_blocks[request_.slot].polygon;
    const double values[] = {p.head.unit_weights[2], p.head.unit_weights[0],
                             p.head.unit_weights[1], p.vertex_x[0],
                             p.vertex_y[0],          p.head.ref_x,
                             p.head.ref_y};
    boxes[kName] = p.head.name;
    for (int i = kSaturated; i <= kRefY; ++i)
      boxes[i] = model::format_pattern(values[i - kSaturated], kNumberPattern);
  } else {
    boxes[kName].clear();
    for (int i = kSaturated; i <= kRefY; ++i) boxes[i] = "0.000";
  }
  return true;
}

void RectangleBlockDialog::leave_box(Box box) {
  if (box < kSaturated || box > kRefY) return;  // the name is text
  boxes[box] = model::format_pattern(model::leading_number(boxes[box]), kNumberPattern);
}

bool RectangleBlockDialog::cancel() { return true; }

bool RectangleBlockDialog::finish() {
  const int slot = request_.slot;
  if (!valid_slot(slot)) return true;
  for (int i = kSaturated; i <= kHeight; ++i) {
    if (!(model::leading_number(boxes[i]) > 0)) {
      messages_.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                             std::string(kCheckedFields[i - kSaturated]) + kMsgInputError);
      return false;
    }
  }
  model::WallBlock& block = model_.wall_blocks[slot];
  {
    // What is accepted must be computable: sizes too small for the engines to weigh are
    // refused here, not at the next calculation.
    model::WallBlock candidate = block;
    candidate.block_type = model::BLOCK_RECTANGLE;
    candidate.polygon.vertex_x[0] = model::leading_number(boxes[kWidth]);
    candidate.polygon.vertex_y[0] = model::leading_number(boxes[kHeight]);
    if (!model::block_problem(model_, candidate).empty()) {
      messages_.show_message(model::MessageIcon::Exclamation, model::kAppTitle, kMsgInputError);
      return false;
    }
  }
  model::PolygonShape& p = block.polygon;
  block.block_type = model::BLOCK_RECTANGLE;
  p.head.name = boxes[kName];
  p.head.unit_weights[0] = model::leading_number(boxes[kWet]);
  p.head.unit_weights[1] = model::leading_number(boxes[kSubmerged]);
  p.head.unit_weights[2] = model::leading_number(boxes[kSaturated]);
  p.vertex_x[0] = model::leading_number(boxes[kWidth]);
  p.vertex_y[0] = model::leading_number(boxes[kHeight]);
  const double x = model::leading_number(boxes[kRefX]);
  p.head.mark_x += x - p.head.ref_x;
  p.head.label_x += x - p.head.ref_x;
  p.head.ref_x = x;
  const double y = model::leading_number(boxes[kRefY]);
  p.head.mark_y += y - p.head.ref_y;
  p.head.label_y += y - p.head.ref_y;
  p.head.ref_y = y;
  model::build_block_outline(model_, slot, messages_);
  if (!editing_) {
    model_.block_label_numbers[slot] = static_cast<model::i16>(slot);
    model::center_block_label(model_, slot);
  }
  return true;
}

}  // namespace qvt::dialogs
