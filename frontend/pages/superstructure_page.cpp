#include "frontend/pages/superstructure_page.h"

#include "frontend/model/block_slots.h"
#include "frontend/model/display_text.h"

namespace qvt::pages {

namespace {

std::string box_text(double v) { return model::format_pattern(v, "###0.000"); }

}  // namespace

SuperstructurePage::SuperstructurePage(model::ProjectModel& model, PageEffects& effects,
                                       SuperstructurePort& port)
    : model_(model), effects_(effects), port_(port) {}

const char* SuperstructurePage::prompt(int operation) {
  static const char* const kPrompts[6] = {
      "登録するブロックタイプを指定して詳細設定ボタンを押してください。",
      "編集する壁体ブロックを選択してください。",
      "移動する壁体ブロックを選択してください。",
      "複写する壁体ブロックを選択してください。",
      "削除する壁体ブロックを選択してください。",
      "No位置を移動する壁体ブロックを選択してください。"};
  return operation >= 0 && operation < 6 ? kPrompts[operation] : nullptr;
}

void SuperstructurePage::load() {
  const model::BodyReaction& r = model_.conditions.body_reactions[0];
  s_.check_point[kCheckPointX] = box_text(r.check_x);
  s_.check_point[kCheckPointY] = box_text(r.check_y);
}

void SuperstructurePage::store() {
  const double x = model::leading_number(s_.check_point[kCheckPointX]);
  const double y = model::leading_number(s_.check_point[kCheckPointY]);
  for (model::BodyReaction& r : model_.conditions.body_reactions) {
    r.check_x = x;
    r.check_y = y;
  }
}

void SuperstructurePage::leave_check_point(CheckPointBox box) {
  std::string& t = s_.check_point.at(box);
  t = box_text(model::leading_number(t));
}

void SuperstructurePage::choose_operation(int operation) {
  if (operation < section::kRegisterWallBlock || operation > section::kPlaceWallBlockNumber) return;
  s_.operation = operation;
  s_.registration_enabled = operation == section::kRegisterWallBlock;
  port_.drop_pending_edit();
}

void SuperstructurePage::focus_operation(int operation) {
  if (const char* p = prompt(operation)) effects_.set_status_text(p);
}

void SuperstructurePage::register_block(BlockShapeButton shape) {
  const int slot = model::first_free_block_slot(model_);
  if (slot < 0) {
    effects_.messages().show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                                     model::kMsgBlockLimit);
    return;
  }
  port_.open_block_dialog(slot, shape == kRectangularShape);
  port_.refresh_section_extents();
}

}  // namespace qvt::pages
