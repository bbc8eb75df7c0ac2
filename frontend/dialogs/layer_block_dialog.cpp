#include "frontend/dialogs/layer_block_dialog.h"

#include "frontend/dialogs/dialog_texts.h"
#include "frontend/model/block_outline.h"
#include "frontend/model/display_text.h"
#include "frontend/model/input_check.h"

#include <memory>
#include <string>
#include <vector>

namespace qvt::dialogs {

namespace {

bool valid_slot(int slot) { return slot >= 0 && slot < model::MAX_WALL_BLOCKS; }

void warn(model::MessageSink& messages, const char* text) {
  messages.show_message(model::MessageIcon::Exclamation, model::kAppTitle, text);
}

// Keeps the messages of a trial accept until the trial is known to stand.
class HeldMessages : public model::MessageSink {
 public:
  void show_message(model::MessageIcon icon, const std::string& title,
                    const std::string& text) override {
    held_.push_back({icon, title, text});
  }
  void pass_on(model::MessageSink& to) const {
    for (const Held& h : held_) to.show_message(h.icon, h.title, h.text);
  }

 private:
  struct Held {
    model::MessageIcon icon;
    std::string title, text;
  };
  std::vector<Held> held_;
};

}  // namespace

LayerBlockDialog::LayerBlockDialog(model::ProjectModel& model, section::EditorState& editor,
                                   model::MessageSink& messages,
                                   const LayerDialogRequest& request)
    : model_(model),
      editor_(editor),
      messages_(messages),
      request_(request),
      frame_(model::layer_frame_from_texts(request.body_texts)) {}

bool LayerBlockDialog::load() {
  if (!valid_slot(request_.slot)) return false;
  editing_ = request_.edit_mode;
  if (editing_) {
    const model::WallBlock& b = model_.wall_blocks[request_.slot];
    const model::PolygonShape& p = b.polygon;
    const model::LayerLevels lv = model::layer_levels(b);
    boxes[kName] = p.head.name;
    boxes[kWet] = model::format_pattern(p.head.unit_weights[0], kNumberPattern);
    boxes[kSubmerged] = model::format_pattern(p.head.unit_weights[1], kNumberPattern);
    boxes[kSaturated] = model::format_pattern(p.head.unit_weights[2], kNumberPattern);
    boxes[kSeaTop] = model::format_pattern(lv.sea_top, kNumberPattern);
    boxes[kLandTop] = model::format_pattern(lv.land_top, kNumberPattern);
    boxes[kLandBottom] = model::format_pattern(lv.land_bottom, kNumberPattern);
    boxes[kSeaBottom] = model::format_pattern(lv.sea_bottom, kNumberPattern);
  } else {
    boxes[kName].clear();
    for (int i : {kSeaTop, kLandTop, kSaturated, kWet, kSubmerged}) boxes[i] = "0.000";
    boxes[kSeaBottom] = request_.body_texts[3];
    boxes[kLandBottom] = request_.body_texts[4];
  }
  return true;
}

void LayerBlockDialog::leave_box(Box box) {
  if (box < kSeaTop || box > kSubmerged) return;  // the name is text
  boxes[box] = model::format_pattern(model::leading_number(boxes[box]), kNumberPattern);
}

bool LayerBlockDialog::cancel() { return true; }

bool LayerBlockDialog::finish() {
  const int slot = request_.slot;
  if (!valid_slot(slot)) return true;
  const double saturated = model::leading_number(boxes[kSaturated]);
  const double wet = model::leading_number(boxes[kWet]);
  const double submerged = model::leading_number(boxes[kSubmerged]);
  if (!(saturated > 0) || !(wet > 0) || !(submerged > 0)) {
    warn(messages_, kMsgInputError);
    return false;
  }
  // The tops must lie between the tops of the layers above and below, so that no layer of the
  // stack turns upside down; the last layer's floor is the improvement bottom.
  const double new_sea = model::leading_number(boxes[kSeaTop]);
  const double new_land = model::leading_number(boxes[kLandTop]);
  double upper_sea = 9999.999, upper_land = 9999.999;
  for (int i = 0; i < slot; ++i) {
    if (!model::is_soil_layer(model_.wall_blocks[i])) continue;
    const model::LayerLevels lv = model::layer_levels(model_.wall_blocks[i]);
    upper_sea = lv.sea_top;
    upper_land = lv.land_top;
  }
  double lower_sea = frame_.dh1, lower_land = frame_.dh2;
  for (int i = slot + 1; i < model::MAX_WALL_BLOCKS; ++i) {
    if (!model::is_soil_layer(model_.wall_blocks[i])) continue;
    const model::LayerLevels lv = model::layer_levels(model_.wall_blocks[i]);
    lower_sea = lv.sea_top;
    lower_land = lv.land_top;
    break;
  }
  if (new_sea > upper_sea || new_land > upper_land || new_sea < lower_sea ||
      new_land < lower_land) {
    warn(messages_, kMsgTopError);
    return false;
  }

  // The accept is tried on a copy: only a stack whose every layer can be weighed is kept.
  auto trial = std::make_unique<model::ProjectModel>(model_);
  HeldMessages held;
  model::PolygonShape& p = trial->wall_blocks[slot].polygon;
  p.vertex_count = 4;
  p.head.name = boxes[kName];
  p.head.unit_weights[2] = saturated;
  p.head.unit_weights[0] = wet;
  p.head.unit_weights[1] = submerged;
  p.head.ref_x = frame_.x;
  p.head.ref_y = frame_.y;
  const model::LayerCorners corners{
      model::OutlinePoint{0, new_sea}, model::OutlinePoint{frame_.b, new_land},
      model::OutlinePoint{frame_.b, frame_.dh2}, model::OutlinePoint{0, frame_.dh1}};
  model::store_layer_outline(*trial, slot, corners, frame_, held);
  trial->block_label_numbers[slot] = static_cast<model::i16>(slot);
  if (!editing_) model::center_block_label(*trial, slot);
  const std::optional<model::LayerCorners> last =
      model::restack_improved_blocks(*trial, frame_, held);
  for (int i = 0; i < model::MAX_WALL_BLOCKS; ++i) {
    const model::WallBlock& b = trial->wall_blocks[i];
    if (model::is_soil_layer(b) && !model::block_problem(*trial, b).empty()) {
      warn(messages_, kMsgInputError);
      return false;
    }
  }
  held.pass_on(messages_);
  model_.wall_blocks = trial->wall_blocks;
  model_.block_label_numbers = trial->block_label_numbers;
  const model::LayerCorners& scratch = last ? *last : corners;
  for (int k = 0; k < 4; ++k) editor_.work_vertices[k] = {scratch[k].x, scratch[k].y};
  editor_.work_vertex_count = 4;
  return true;
}

}  // namespace qvt::dialogs
