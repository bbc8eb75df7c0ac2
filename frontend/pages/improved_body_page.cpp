#include "frontend/pages/improved_body_page.h"

#include "frontend/model/block_slots.h"
#include "frontend/model/display_text.h"
#include "frontend/pages/improved_layers.h"

namespace qvt::pages {

namespace {

constexpr const char* kBoxPattern = "###0.000";

std::string box_text(double v) { return model::format_pattern(v, kBoxPattern); }

}  // namespace

ImprovedBodyPage::ImprovedBodyPage(model::ProjectModel& model, PageEffects& effects,
                                   const DesignConditionsPage& conditions, ImprovedBodyPort& port)
    : model_(model), effects_(effects), conditions_(conditions), port_(port) {}

const char* ImprovedBodyPage::prompt(int index) {
  switch (index) {
    case 1: return "編集する壁体ブロックを選択してください。";
    case 2: return "削除する壁体ブロックを選択してください。";
    case 3: return "No位置を移動する壁体ブロックを選択してください。";
    default: return nullptr;
  }
}

void ImprovedBodyPage::load() {
  const model::ImprovedBodyDims& d = model_.conditions.body_dims;
  const double body[5] = {d.ref_x, d.ref_y, d.width, d.dh1, d.dh2};
  for (int i = 0; i < 5; ++i) s_.txt_gm6[i] = box_text(body[i]);
  const double walls[5] = {d.ls, d.ds, d.ll, d.bl1, d.bl2};
  for (int i = 0; i < 5; ++i) s_.txt_gm7[i] = s_.txt_gm7[i + 5] = box_text(walls[i]);
  if (conditions_.improvement_pattern() == PatternChoice::wall) {
    s_.shape_tab_enabled = true;
    s_.frame6_visible = true;
    s_.frame5_visible = false;
  } else if (conditions_.improvement_pattern() == PatternChoice::lattice) {
    s_.shape_tab_enabled = true;
    s_.frame6_visible = false;
    s_.frame5_visible = true;
  } else {
    s_.shape_tab_enabled = false;
    if (s_.inner_tab == 1) s_.inner_tab = 0;
  }
}

void ImprovedBodyPage::store() {
  model::ImprovedBodyDims& d = model_.conditions.body_dims;
  auto num = [](const std::string& t) { return model::leading_number(t); };
  d.ref_x = num(s_.txt_gm6[0]);
  d.ref_y = num(s_.txt_gm6[1]);
  d.width = num(s_.txt_gm6[2]);
  d.dh1 = num(s_.txt_gm6[3]);
  d.dh2 = num(s_.txt_gm6[4]);
  // Only the frame of the lattice form is read for it; every other pattern commits the wall
  // frame, which the last load filled.
  const int first = conditions_.improvement_pattern() == PatternChoice::lattice ? 5 : 0;
  d.ls = num(s_.txt_gm7[first + 0]);
  d.ds = num(s_.txt_gm7[first + 1]);
  d.ll = num(s_.txt_gm7[first + 2]);
  d.bl1 = num(s_.txt_gm7[first + 3]);
  d.bl2 = num(s_.txt_gm7[first + 4]);
  d.bs = d.width - (d.bl1 + d.bl2);
  // Without an improved-soil block the body has no height (not the search's start values).
  d.dl = improvement_height(model_) - d.ds;
}

void ImprovedBodyPage::txt_gm6_GotFocus(int index) { s_.inp_dt = s_.txt_gm6.at(index); }

void ImprovedBodyPage::txt_gm6_LostFocus(int index) {
  const BodyBoxOutcome out =
      leave_body_box(model_, index, s_.txt_gm6, s_.inp_dt, effects_.messages());
  if (out.change == BodyChange::refused) {
    effects_.messages().show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                                     out.message);
    return;
  }
  if (out.refit) port_.view_whole_section();
}

void ImprovedBodyPage::txt_gm7_LostFocus(int index) {
  std::string& t = s_.txt_gm7.at(index);
  t = box_text(model::leading_number(t));
}

void ImprovedBodyPage::opt_gm6_select(int index) {
  if (index < -1 || index > 3) return;
  s_.opt_gm6 = index;
  if (index >= 0) opt_gm6_GotFocus(index);
}

void ImprovedBodyPage::opt_gm6_GotFocus(int index) {
  if (const char* p = prompt(index)) effects_.set_status_text(p);
}

void ImprovedBodyPage::cmd_gm6_Click() {
  s_.opt_gm6 = -1;  // also when a check refuses: no picture operation stays chosen
  auto warn = [this](const char* text) {
    effects_.messages().show_message(model::MessageIcon::Exclamation, model::kAppTitle, text);
  };
  const int slot = model::first_free_block_slot(model_);
  if (slot < 0) return warn(model::kMsgBlockLimit);
  if (model::leading_number(s_.txt_gm6[2]) <= 0) return warn(kMsgWidthNotSet);
  if (model::leading_number(s_.txt_gm6[3]) == 0 || model::leading_number(s_.txt_gm6[4]) == 0)
    return warn(kMsgBottomNotSet);
  port_.open_layer_dialog(slot, false, s_.txt_gm6);
  port_.refresh_section_extents();
}

void ImprovedBodyPage::select_inner_tab(int tab) {
  if (tab == 1 && !s_.shape_tab_enabled) return;
  if (tab == 0 || tab == 1) s_.inner_tab = tab;
}

}  // namespace qvt::pages
