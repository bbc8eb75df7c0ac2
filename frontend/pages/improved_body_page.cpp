#include "frontend/pages/improved_body_page.h"

#include "frontend/model/block_slots.h"
#include "frontend/model/display_text.h"

namespace qvt::pages {

namespace {

constexpr const char* kBoxPattern = "###0.000";

std::string box_text(double v) { return model::format_pattern(v, kBoxPattern); }

}  // namespace

ImprovedBodyPage::ImprovedBodyPage(model::ProjectModel& model, PageEffects& effects,
                                   const DesignConditionsPage& conditions, ImprovedBodyPort& port)
    : model_(model), effects_(effects), conditions_(conditions), port_(port) {}

const char* ImprovedBodyPage::prompt(int operation) {
  switch (operation) {
    case section::kEditSoilBlock: return "編集する壁体ブロックを選択してください。";
    case section::kDeleteSoilBlock: return "削除する壁体ブロックを選択してください。";
    case section::kPlaceSoilBlockNumber: return "No位置を移動する壁体ブロックを選択してください。";
    default: return nullptr;
  }
}

void ImprovedBodyPage::load() {
  const model::ImprovedBodyDims& d = model_.conditions.body_dims;
  const double body[5] = {d.ref_x, d.ref_y, d.width, d.dh1, d.dh2};
  for (int i = 0; i < 5; ++i) s_.body[i] = s_.body_taken[i] = box_text(body[i]);
  const double walls[kFormDimensionCount] = {d.ls, d.ds, d.ll, d.bl1, d.bl2};
  for (int k = 0; k < kFormDimensionCount; ++k) {
    const auto dim = static_cast<FormDimension>(k);
    s_.form_dims[form_box(kWallForm, dim)] = s_.form_dims[form_box(kLatticeForm, dim)] =
        box_text(walls[k]);
  }
  if (conditions_.improvement_pattern() == PatternChoice::wall) {
    s_.shape_tab_enabled = true;
    s_.wall_frame_visible = true;
    s_.lattice_frame_visible = false;
  } else if (conditions_.improvement_pattern() == PatternChoice::lattice) {
    s_.shape_tab_enabled = true;
    s_.wall_frame_visible = false;
    s_.lattice_frame_visible = true;
  } else {
    s_.shape_tab_enabled = false;
    if (s_.inner_tab == 1) s_.inner_tab = 0;
  }
}

void ImprovedBodyPage::store() {
  model::ImprovedBodyDims& d = model_.conditions.body_dims;
  auto num = [](const std::string& t) { return model::leading_number(t); };
  d.ref_x = num(s_.body[kBoxX]);
  d.ref_y = num(s_.body[kBoxY]);
  d.width = num(s_.body[kBoxB]);
  d.dh1 = num(s_.body[kBoxDh1]);
  d.dh2 = num(s_.body[kBoxDh2]);
  // Only the frame of the lattice form is read for it; every other pattern commits the wall
  // frame, which the last load filled.
  const FormFrame frame = conditions_.improvement_pattern() == PatternChoice::lattice ? kLatticeForm : kWallForm;
  d.ls = num(s_.form_dims[form_box(frame, kLs)]);
  d.ds = num(s_.form_dims[form_box(frame, kDs)]);
  d.ll = num(s_.form_dims[form_box(frame, kLl)]);
  d.bl1 = num(s_.form_dims[form_box(frame, kBl1)]);
  d.bl2 = num(s_.form_dims[form_box(frame, kBl2)]);
  d.bs = d.width - (d.bl1 + d.bl2);
  // Without an improved-soil block the body has no height (not the search's start values).
  d.dl = improvement_height(model_) - d.ds;
}

model::TypedNumber ImprovedBodyPage::leave_body_box(BodyBox box) {
  // A box is compared with what the blocks stand for, not with what it held on getting the
  // focus: a box can lose the focus without having been told it got it (a message box shown
  // while the focus passes to it takes it away first), and its own value taken for a change
  // would move a bottom onto itself, which removes the layer there.
  const BodyBoxOutcome out =
      pages::leave_body_box(model_, box, s_.body, s_.body_taken.at(box), effects_.messages());
  s_.body_taken[box] = s_.body[box];
  if (out.change == BodyChange::refused) {
    if (!out.message.empty())
      effects_.messages().show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                                       out.message);
    return out.notice;
  }
  if (out.refit) port_.view_whole_section();
  return model::TypedNumber::stands;
}

void ImprovedBodyPage::leave_form_box(int index) {
  std::string& t = s_.form_dims.at(index);
  t = box_text(model::leading_number(t));
}

void ImprovedBodyPage::choose_operation(int operation) {
  if (operation < section::kNoSoilBlockOperation || operation > section::kPlaceSoilBlockNumber)
    return;
  s_.operation = operation;
  if (operation != section::kNoSoilBlockOperation) focus_operation(operation);
}

void ImprovedBodyPage::focus_operation(int operation) {
  if (const char* p = prompt(operation)) effects_.set_status_text(p);
}

void ImprovedBodyPage::register_soil_block() {
  // Also when a check refuses: no picture operation stays chosen.
  s_.operation = section::kNoSoilBlockOperation;
  auto warn = [this](const char* text) {
    effects_.messages().show_message(model::MessageIcon::Exclamation, model::kAppTitle, text);
  };
  const int slot = model::first_free_block_slot(model_);
  if (slot < 0) return warn(model::kMsgBlockLimit);
  if (model::leading_number(s_.body[kBoxB]) <= 0) return warn(kMsgWidthNotSet);
  if (model::leading_number(s_.body[kBoxDh1]) == 0 || model::leading_number(s_.body[kBoxDh2]) == 0)
    return warn(kMsgBottomNotSet);
  port_.open_layer_dialog(slot, false, s_.body);
  port_.refresh_section_extents();
}

void ImprovedBodyPage::select_inner_tab(int tab) {
  if (tab == 1 && !s_.shape_tab_enabled) return;
  if (tab == 0 || tab == 1) s_.inner_tab = tab;
}

}  // namespace qvt::pages
