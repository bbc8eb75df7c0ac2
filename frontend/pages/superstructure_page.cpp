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

const char* SuperstructurePage::prompt(int index) {
  static const char* const kPrompts[6] = {
      "登録するブロックタイプを指定して詳細設定ボタンを押してください。",
      "編集する壁体ブロックを選択してください。",
      "移動する壁体ブロックを選択してください。",
      "複写する壁体ブロックを選択してください。",
      "削除する壁体ブロックを選択してください。",
      "No位置を移動する壁体ブロックを選択してください。"};
  return index >= 0 && index < 6 ? kPrompts[index] : nullptr;
}

void SuperstructurePage::load() {
  const model::BodyReaction& r = model_.conditions.body_reactions[0];
  s_.txt_gm3[0] = box_text(r.check_x);
  s_.txt_gm3[1] = box_text(r.check_y);
}

void SuperstructurePage::store() {
  const double x = model::leading_number(s_.txt_gm3[0]);
  const double y = model::leading_number(s_.txt_gm3[1]);
  for (model::BodyReaction& r : model_.conditions.body_reactions) {
    r.check_x = x;
    r.check_y = y;
  }
}

void SuperstructurePage::txt_gm3_LostFocus(int index) {
  std::string& t = s_.txt_gm3.at(index);
  t = box_text(model::leading_number(t));
}

void SuperstructurePage::opt_gm3_Click(int index) {
  if (index < 0 || index > 5) return;
  s_.opt_gm3 = index;
  s_.registration_enabled = index == 0;
  port_.drop_pending_edit();
}

void SuperstructurePage::opt_gm3_GotFocus(int index) {
  if (const char* p = prompt(index)) effects_.set_status_text(p);
}

void SuperstructurePage::cmd_gm3_Click(int index) {
  const int slot = model::first_free_block_slot(model_);
  if (slot < 0) {
    effects_.messages().show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                                     model::kMsgBlockLimit);
    return;
  }
  port_.open_block_dialog(slot, index == 1);
  port_.refresh_section_extents();
}

}  // namespace qvt::pages
