#include "frontend/dialogs/form3.h"

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

// The real field behind each numeric box (index 5 has none).
double* box_field(model::CustomOptions& o, int index) {
  switch (index) {
    case 0: return &o.surface_dummy_length;
    case 1: return &o.pullout_pitch;
    case 2: return &o.wall_friction_angle;
    case 3: return &o.clay_collapse_angle[0];
    case 4: return &o.clay_collapse_angle[1];
    case 6: return &o.consolidation_coef_kc;
    case 7: return &o.at_rest_coef_k0;
    default: break;
  }
  return nullptr;
}

// The option behind each numeric box and how the message names it.
struct BoxOption {
  int index;
  OptionValue value;
  const char* label;
};
constexpr BoxOption kBoxOptions[] = {
    {2, OPTION_WALL_FRICTION_ANGLE, "壁面摩擦角 δ(度)"},
    {3, OPTION_CLAY_COLLAPSE_NORMAL, "粘性土崩壊角 ζ(度) 常時"},
    {4, OPTION_CLAY_COLLAPSE_NEGATIVE_ROOT, "粘性土崩壊角 ζ(度) 地震時"},
    {6, OPTION_CONSOLIDATION_KC, "圧密平衡係数 Kc"},
    {7, OPTION_AT_REST_K0, "静止土圧係数 K0"},
    {0, OPTION_SURFACE_DUMMY_LENGTH, "地表面形状ダミー長さ（ｍ）"},
    {1, OPTION_PULLOUT_PITCH, "抜け出しの検討ピッチ（ｍ）"},
};

}  // namespace

std::string form3_range_message(int index) {
  for (const BoxOption& b : kBoxOptions)
    if (b.index == index) {
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

Form3::Form3(const std::filesystem::path& work_folder, model::CustomOptions& options,
             model::MessageSink& messages, std::function<void()> open_manual)
    : file_(work_folder / model::kOptionsFileName),
      options_(options),
      messages_(messages),
      open_manual_(std::move(open_manual)) {}

void Form3::Form_Load() {
  loaded_ = model::CustomOptions{};
  load_failed_ = !model::read_custom_options(file_, loaded_);
  if (load_failed_)
    messages_.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                           kMsgOptionsUnreadable);
  // Also after a failure: what the boxes show is what OK would write.
  show(loaded_);
}

void Form3::show(const model::CustomOptions& o) {
  model::CustomOptions copy = o;
  for (int i = 0; i < kForm3Boxes; ++i)
    if (const double* v = box_field(copy, i)) state_.txt_gm1[i] = model::format_pattern(*v, kPattern);
  state_.Frame1 = selected_code(o.negative_root_rule, 4);
  state_.Frame2 = selected_code(o.toe_confinement_rule, 3);
  state_.Frame8 = selected_code(o.surcharge_method, 3);
  state_.fra_ogm3_1 = o.seismic_rounding == 0 ? 0 : 1;
  state_.fra_ogm1_2 = o.residual_water_rule == 0 ? 0 : 1;
  state_.fra_ogm1_3 = o.front_water_rule == 0 ? 0 : 1;
  state_.Check4 = o.passive_vertical_ignored == 0;
  state_.Check3 = o.backfill_vertical_ignored == 0;
  state_.Check4_enabled = state_.Check3;
}

void Form3::txt_gm1_GotFocus(int Index) {
  if (Index == 3)
    state_.status_text = kHintCollapseNormal;
  else if (Index == 4)
    state_.status_text = kHintCollapseNegativeRoot;
}

void Form3::txt_gm1_LostFocus(int Index) {
  if (!form3_box_exists(Index)) return;
  std::string& text = state_.txt_gm1[Index];
  text = model::format_pattern(model::leading_number(text), kPattern);
  state_.status_text.clear();
}

void Form3::Check3_Click() { state_.Check4_enabled = state_.Check3; }

model::CustomOptions Form3::from_controls() const {
  model::CustomOptions o = loaded_;
  for (int i = 0; i < kForm3Boxes; ++i)
    if (double* v = box_field(o, i)) *v = model::leading_number(state_.txt_gm1[i]);
  if (state_.Frame1 >= 0) o.negative_root_rule = static_cast<std::int16_t>(state_.Frame1);
  o.toe_confinement_rule = static_cast<std::int16_t>(state_.Frame2 >= 0 ? state_.Frame2 : 1);
  if (state_.Frame8 >= 0) o.surcharge_method = static_cast<std::int16_t>(state_.Frame8);
  o.seismic_rounding = state_.fra_ogm3_1 == 0 ? 0 : 1;
  o.residual_water_rule = state_.fra_ogm1_2 == 0 ? 0 : 1;
  o.front_water_rule = state_.fra_ogm1_3 == 0 ? 0 : 1;
  o.backfill_vertical_ignored = state_.Check3 ? 0 : 1;
  // Stored as shown, also while the box is disabled: the engines apply their own rule.
  o.passive_vertical_ignored = state_.Check4 ? 0 : 1;
  return o;
}

Form3Close Form3::cmd_ogm_Click(int Index) {
  switch (Index) {
    case 0: {
      const model::CustomOptions o = from_controls();
      // A value no soil or design has is refused here, before the file takes it: every engine
      // would refuse the file.
      for (const BoxOption& b : kBoxOptions) {
        model::CustomOptions copy = o;
        if (!option_in_range(b.value, *box_field(copy, b.index))) {
          messages_.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                                 form3_range_message(b.index));
          return Form3Close::Stay;
        }
      }
      if (!model::write_custom_options(file_, o)) {
        messages_.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                               kMsgOptionsUnwritable);
        return Form3Close::Stay;
      }
      options_ = o;
      return Form3Close::Close;
    }
    case 1: return Form3Close::Close;
    case 2:
      if (open_manual_) open_manual_();
      return Form3Close::Stay;
    default: break;
  }
  return Form3Close::Stay;
}

}  // namespace qvt::dialogs
