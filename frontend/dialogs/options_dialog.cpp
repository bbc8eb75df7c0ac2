#include "frontend/dialogs/options_dialog.h"

#include "common/option_ranges.h"
#include "frontend/model/display_text.h"

#include <cstdio>
#include <utility>

namespace qvt::dialogs {

namespace {

constexpr const char* kPattern = "###0.000";

// The option code a group shows for a stored value: codes outside the group select nothing.
int selected_code(std::int16_t value, int options) {
  return value >= 0 && value < options ? value : -1;
}

// Each numeric box with the option behind it, how the message names it and its field.
struct BoxOption {
  OptionBox box;
  OptionValue value;
  const char* label;
  double model::CustomOptions::*field;
};
constexpr BoxOption kBoxOptions[] = {
    {OptionBox::WallFrictionAngle, OPTION_WALL_FRICTION_ANGLE, "壁面摩擦角 δ(度)",
     &model::CustomOptions::wall_friction_angle},
    {OptionBox::CollapseAngleNormal, OPTION_CLAY_COLLAPSE_NORMAL, "粘性土崩壊角 ζ(度) 常時",
     nullptr},
    {OptionBox::CollapseAngleNegativeRoot, OPTION_CLAY_COLLAPSE_NEGATIVE_ROOT,
     "粘性土崩壊角 ζ(度) 地震時", nullptr},
    {OptionBox::ConsolidationKc, OPTION_CONSOLIDATION_KC, "圧密平衡係数 Kc",
     &model::CustomOptions::consolidation_coef_kc},
    {OptionBox::AtRestK0, OPTION_AT_REST_K0, "静止土圧係数 K0",
     &model::CustomOptions::at_rest_coef_k0},
    {OptionBox::SurfaceDummyLength, OPTION_SURFACE_DUMMY_LENGTH, "地表面形状ダミー長さ（ｍ）",
     &model::CustomOptions::surface_dummy_length},
    {OptionBox::PulloutPitch, OPTION_PULLOUT_PITCH, "抜け出しの検討ピッチ（ｍ）",
     &model::CustomOptions::pullout_pitch},
};
static_assert(std::size(kBoxOptions) == kOptionBoxCount);

// The real field behind a numeric box; the two collapse angles share one array.
double& box_field(model::CustomOptions& o, const BoxOption& b) {
  if (b.box == OptionBox::CollapseAngleNormal) return o.clay_collapse_angle[0];
  if (b.box == OptionBox::CollapseAngleNegativeRoot) return o.clay_collapse_angle[1];
  return o.*b.field;
}

}  // namespace

std::string option_range_message(OptionBox box) {
  for (const BoxOption& b : kBoxOptions)
    if (b.box == box) {
      const OptionRange& r = OPTION_RANGES[b.value];
      auto plain = [](double v) {  // "0", "2", "100000": no exponent in a message
        char text[32];
        std::snprintf(text, sizeof text, "%.10g", v);
        return std::string(text);
      };
      return std::string(b.label) + " は " + plain(r.lo) + "～" + plain(r.hi) +
             " の範囲で入力してください。";
    }
  return {};
}

OptionsDialog::OptionsDialog(const std::filesystem::path& work_folder,
                             model::CustomOptions& options, model::MessageSink& messages,
                             std::function<void()> open_manual)
    : file_(work_folder / model::kOptionsFileName),
      options_(options),
      messages_(messages),
      open_manual_(std::move(open_manual)) {}

void OptionsDialog::load() {
  loaded_ = model::CustomOptions{};
  load_failed_ = !model::read_custom_options(file_, loaded_);
  if (load_failed_)
    messages_.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                           kMsgOptionsUnreadable);
  // Also after a failure: what the boxes show is what OK would write.
  show(loaded_);
}

void OptionsDialog::show(const model::CustomOptions& o) {
  model::CustomOptions copy = o;
  for (const BoxOption& b : kBoxOptions)
    state_.box(b.box) = model::format_pattern(box_field(copy, b), kPattern);
  state_.negative_root_rule = selected_code(o.negative_root_rule, 4);
  state_.toe_confinement_rule = selected_code(o.toe_confinement_rule, 3);
  state_.surcharge_method = selected_code(o.surcharge_method, 3);
  state_.seismic_rounding = o.seismic_rounding == 0 ? 0 : 1;
  state_.residual_water_rule = o.residual_water_rule == 0 ? 0 : 1;
  state_.front_water_rule = o.front_water_rule == 0 ? 0 : 1;
  state_.passive_vertical = o.passive_vertical_ignored == 0;
  state_.backfill_vertical = o.backfill_vertical_ignored == 0;
  state_.passive_vertical_enabled = state_.backfill_vertical;
}

void OptionsDialog::enter_box(OptionBox box) {
  if (box == OptionBox::CollapseAngleNormal)
    state_.status_text = kHintCollapseNormal;
  else if (box == OptionBox::CollapseAngleNegativeRoot)
    state_.status_text = kHintCollapseNegativeRoot;
}

void OptionsDialog::leave_box(OptionBox box) {
  std::string& text = state_.box(box);
  text = model::format_pattern(model::leading_number(text), kPattern);
  state_.status_text.clear();
}

void OptionsDialog::toggle_backfill_vertical() {
  state_.passive_vertical_enabled = state_.backfill_vertical;
}

model::CustomOptions OptionsDialog::from_controls() const {
  model::CustomOptions o = loaded_;
  for (const BoxOption& b : kBoxOptions)
    box_field(o, b) = model::leading_number(state_.box(b.box));
  if (state_.negative_root_rule >= 0)
    o.negative_root_rule = static_cast<std::int16_t>(state_.negative_root_rule);
  o.toe_confinement_rule = static_cast<std::int16_t>(
      state_.toe_confinement_rule >= 0 ? state_.toe_confinement_rule : 1);
  if (state_.surcharge_method >= 0)
    o.surcharge_method = static_cast<std::int16_t>(state_.surcharge_method);
  o.seismic_rounding = state_.seismic_rounding == 0 ? 0 : 1;
  o.residual_water_rule = state_.residual_water_rule == 0 ? 0 : 1;
  o.front_water_rule = state_.front_water_rule == 0 ? 0 : 1;
  o.backfill_vertical_ignored = state_.backfill_vertical ? 0 : 1;
  // Stored as shown, also while the box is disabled: the engines apply their own rule.
  o.passive_vertical_ignored = state_.passive_vertical ? 0 : 1;
  return o;
}

OptionsDialogClose OptionsDialog::ok() {
  const model::CustomOptions o = from_controls();
  // A value no soil or design has is refused here, before the file takes it: every engine
  // would refuse the file.
  for (const BoxOption& b : kBoxOptions) {
    model::CustomOptions copy = o;
    if (!option_in_range(b.value, box_field(copy, b))) {
      messages_.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                             option_range_message(b.box));
      return OptionsDialogClose::Stay;
    }
  }
  if (!model::write_custom_options(file_, o)) {
    messages_.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                           kMsgOptionsUnwritable);
    return OptionsDialogClose::Stay;
  }
  options_ = o;
  return OptionsDialogClose::Close;
}

OptionsDialogClose OptionsDialog::cancel() { return OptionsDialogClose::Close; }

OptionsDialogClose OptionsDialog::help() {
  if (open_manual_) open_manual_();
  return OptionsDialogClose::Stay;
}

}  // namespace qvt::dialogs
