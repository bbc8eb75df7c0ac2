#include "frontend/pages/design_conditions_page.h"

#include "frontend/model/display_text.h"
#include "frontend/pages/box_ranges.h"
#include "frontend/pages/text_limits.h"

#include <algorithm>

namespace qvt::pages {

namespace {

using model::CASE_NORMAL;
using model::CASE_SEISMIC;
using model::format_pattern;
using model::leading_number;

// Kinds of allowable_stresses.
constexpr int STRESS_COMPRESSIVE = 0;
constexpr int STRESS_SHEAR = 1;
constexpr int STRESS_DESIGN_STRENGTH = 2;

constexpr const char* k3 = "###0.000";
constexpr const char* k2 = "###0.00";
constexpr const char* k1 = "###0.0";

// Apparent-coefficient buttons and shallow-clay buttons in the order of their codes 0..3.
constexpr std::array<int, 4> kApparentButtons = {kApparentDirect, kApparentGeneral, kApparentNiken,
                                                 kApparentAraiYokoi};
constexpr std::array<int, 4> kShallowClayButtons = {kShallowPressureLower, kShallowApparentBoth,
                                                    kShallowPressureBounds, kShallowApparentBounds};

// The option groups of the seismic tab; a button belongs to exactly one.
constexpr int kSeismicGroupOf[kSeismicOptionCount] = {0, 0, 1, 1, 1, 1, 4, 4, 2, 2, 3, 3, 4, 4};

constexpr const char* kXmaxHint = "荷重が無限に作用する場合，Xmaxに999を入力して下さい";
constexpr const char* kComparisonHints[2] = {
    "上限・下限値ともに直線補間で土圧を求めた場合は海底面の土圧と比較し大きい値を採用する",
    "上限・下限値のうち下限が上限より小さくなる場合は下限に上限値を採用する",
};

bool is_xmax_box(BoxId b) {
  return b.group == BoxGroup::surcharges && b.index % 4 == kSurchargeXmax;
}

// A leading and trailing run of U+0020 removed.
std::string trim_blanks(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

// The code of the selected button of a group, or -1 when none is.
int selected_code(const bool* opts, const std::array<int, 4>& buttons) {
  for (int code = 0; code < 4; ++code)
    if (opts[buttons[code]]) return code;
  return -1;
}

}  // namespace

DesignConditionsPage::DesignConditionsPage(model::ProjectModel& model, PageEffects& effects)
    : model_(model), effects_(effects) {}

const char* DesignConditionsPage::pattern_of(BoxId b) {
  const int i = b.index;
  switch (b.group) {
    case BoxGroup::basic:
      if (i >= kCompressiveNormalBox.index && i <= kShearSeismicBox.index) return k2;
      if ((i >= safety_factor_box(kSlidingCheck, model::CASE_NORMAL).index &&
           i <= safety_factor_box(kPullOutCheck, model::CASE_SEISMIC).index) ||
          i == kImprovementRatioBox.index || i == kLiquefiedCoefBox.index)
        return k1;
      if (i >= kWaterUnitWeightBox.index && i <= kRwlBox.index) return k3;
      if (i == kDesignStrengthSeismicBox.index || i == kDesignStrengthNormalBox.index) return k2;
      return "";
    case BoxGroup::seismic:
      if (i == kGroundTypeEarthBox.index || i == kImportanceEarthBox.index ||
          i == kGroundTypeInertiaBox.index || i == kImportanceInertiaBox.index)
        return k1;
      return k2;
    case BoxGroup::forces:
      return i % 5 == kForceName ? "" : k3;
    case BoxGroup::surcharges:
    case BoxGroup::reactions:
      return k3;
  }
  return "";
}

namespace {

template <class State>
auto& box_in(State& s, BoxId id) {
  switch (id.group) {
    case BoxGroup::basic: return s.basic_boxes.at(id.index);
    case BoxGroup::seismic: return s.seismic_boxes.at(id.index);
    case BoxGroup::forces: return s.force_boxes.at(id.index);
    case BoxGroup::surcharges: return s.surcharge_boxes.at(id.index);
    case BoxGroup::reactions: break;
  }
  return s.reaction_boxes.at(id.index);
}

}  // namespace

TextBox& DesignConditionsPage::box(BoxId id) { return box_in(s_, id); }
const TextBox& DesignConditionsPage::box(BoxId id) const { return box_in(s_, id); }

double DesignConditionsPage::value_of(BoxId id) const {
  return leading_number(box(id).text);
}

void DesignConditionsPage::set_text(BoxId id, const std::string& text) {
  TextBox& b = box(id);
  if (b.text == text) return;  // a box follows a change only when its text changes
  b.text = text;
  if (id.group == BoxGroup::seismic) seismic_box_changed(id.index);
}

void DesignConditionsPage::set_value(BoxId id, double value) {
  set_text(id, format_pattern(value, pattern_of(id)));
}

// ---------------------------------------------------------------------------------------------
// Selections

void DesignConditionsPage::select_pattern(PatternChoice pattern) {
  s_.improvement_pattern = pattern;
  improvement_pattern_chosen(pattern);
}

void DesignConditionsPage::select_seismic_option(int option) {
  for (int i = 0; i < kSeismicOptionCount; ++i)
    if (kSeismicGroupOf[i] == kSeismicGroupOf[option]) s_.seismic_options[i] = i == option;
  seismic_option_chosen(option);
}

void DesignConditionsPage::choose_improvement_pattern(PatternChoice pattern) {
  if (pattern >= PatternChoice::block && pattern <= PatternChoice::lattice) select_pattern(pattern);
}

void DesignConditionsPage::choose_normal_clay_formula(int formula) {
  if (formula == kCompareFormulas || formula == kFormulaOneOnly) s_.normal_clay_formula = formula;
}

void DesignConditionsPage::choose_seismic_option(int option) {
  if (option >= 0 && option < kSeismicOptionCount) select_seismic_option(option);
}

// Every pattern holds its body's compressive stress to the allowable compressive stress.
// Columns touching each other take their shear strength from the design strength
// (1/2・quck・ap), which also bounds their compressive limit, so they show the design strength
// in place of the allowable shear stress they do not use.
void DesignConditionsPage::improvement_pattern_chosen(PatternChoice pattern) {
  switch (pattern) {
    case PatternChoice::block:
    case PatternChoice::wall:
    case PatternChoice::lattice:
      s_.allowable_stresses_visible = true;
      s_.allowable_shear_visible = true;
      s_.design_strength_visible = false;
      break;
    case PatternChoice::tangent_circles:
      s_.allowable_stresses_visible = true;
      s_.allowable_shear_visible = false;
      s_.design_strength_visible = true;
      break;
    case PatternChoice::none:
      break;
  }
}

void DesignConditionsPage::seismic_option_chosen(int option) {
  static constexpr BoxId kFactorBoxes[] = {kRegionalEarthBox,   kGroundTypeEarthBox,
                                           kImportanceEarthBox, kRegionalInertiaBox,
                                           kGroundTypeInertiaBox, kImportanceInertiaBox};
  switch (option) {
    case kCoefDirect:
      box(kSeismicCoefEarthBox).enabled = box(kSeismicCoefInertiaBox).enabled = true;
      for (BoxId b : kFactorBoxes) box(b).enabled = false;
      break;
    case kCoefFromFactors:
      box(kSeismicCoefEarthBox).enabled = box(kSeismicCoefInertiaBox).enabled = false;
      for (BoxId b : kFactorBoxes) box(b).enabled = true;
      break;
    case kApparentDirect: box(kApparentCoefBox).enabled = true; break;
    case kApparentGeneral:
    case kApparentNiken:
    case kApparentAraiYokoi: box(kApparentCoefBox).enabled = false; break;
    default: break;
  }
}

void DesignConditionsPage::set_seismic_check(int state) { s_.seismic_check = state; }
void DesignConditionsPage::set_liquefied_vertical_ignored(int state) {
  s_.liquefied_vertical_ignored = state;
}
void DesignConditionsPage::set_unconditionally_ignored(int state) {
  s_.unconditionally_ignored = state;
}
void DesignConditionsPage::set_clay_comparison(int which, int state) {
  s_.clay_comparison.at(which) = state;
}
void DesignConditionsPage::set_top_surcharge_considered(int state) {
  s_.top_surcharge_considered = state;
}

void DesignConditionsPage::select_inner_tab(int tab) {
  if (tab < 0 || tab > 2) return;
  s_.inner_tab = tab;
  enable_selected_inner_frame();
}

void DesignConditionsPage::enable_selected_inner_frame() {
  for (int j = 0; j < 3; ++j) s_.inner_frame_enabled[j] = j == s_.inner_tab;
}

void DesignConditionsPage::disable_inner_frames() {
  s_.inner_frame_enabled = {false, false, false};
}

// ---------------------------------------------------------------------------------------------
// Text boxes

bool DesignConditionsPage::text_edited(BoxId id, const std::string& text) {
  const std::string& before = box(id).text;
  bool ok = true;
  if (id.group == kJobNameBox.group && id.index == kJobNameBox.index)
    ok = accepts_cp932_edit(before, text, kJobNameMaxBytes);
  else if (id.group == BoxGroup::forces && id.index % 5 == kForceName)
    ok = accepts_cp932_edit(before, text, kForceNameMaxBytes);
  else if (id.group == BoxGroup::forces)
    ok = accepts_length_edit(before, text, kForceValueMaxChars);
  else if (id.group == BoxGroup::seismic)
    ok = accepts_length_edit(before, text, kCoefficientBoxMaxChars);
  if (!ok) return false;
  set_text(id, text);
  return true;
}

void DesignConditionsPage::got_focus(BoxId id) {
  if (is_xmax_box(id)) effects_.set_status_text(kXmaxHint);
}

void DesignConditionsPage::lost_focus(BoxId id) {
  const std::string pattern = pattern_of(id);
  if (!pattern.empty()) set_value(id, value_of(id));
  if (is_xmax_box(id)) effects_.set_status_text("");
}

// A factor changed: its column's design coefficient becomes the product of the three factors.
void DesignConditionsPage::seismic_box_changed(int index) {
  if (index >= kRegionalEarthBox.index && index <= kImportanceEarthBox.index) {
    const double product = (value_of(kRegionalEarthBox) * value_of(kGroundTypeEarthBox)) *
                           value_of(kImportanceEarthBox);
    set_value(kSeismicCoefEarthBox, product);
  } else if (index >= kRegionalInertiaBox.index && index <= kImportanceInertiaBox.index) {
    const double product = (value_of(kRegionalInertiaBox) * value_of(kGroundTypeInertiaBox)) *
                           value_of(kImportanceInertiaBox);
    set_value(kSeismicCoefInertiaBox, product);
  }
}

bool DesignConditionsPage::factor_keeps_coefficient(BoxId id, double value) const {
  if (id.group != BoxGroup::seismic) return true;
  static constexpr BoxId kColumns[2][3] = {
      {kRegionalEarthBox, kGroundTypeEarthBox, kImportanceEarthBox},
      {kRegionalInertiaBox, kGroundTypeInertiaBox, kImportanceInertiaBox}};
  static constexpr BoxId kCoefficients[2] = {kSeismicCoefEarthBox, kSeismicCoefInertiaBox};
  for (int col = 0; col < 2; ++col) {
    double f[3];
    bool in_column = false;
    for (int k = 0; k < 3; ++k) {
      const BoxId b = kColumns[col][k];
      if (b.index == id.index) {
        // The box keeps the value as its pattern shows it once it is left.
        f[k] = leading_number(format_pattern(value, pattern_of(b)));
        in_column = true;
      } else {
        f[k] = value_of(b);
      }
    }
    if (!in_column) continue;
    const BoxId coef = kCoefficients[col];
    const double shown = leading_number(format_pattern((f[0] * f[1]) * f[2], pattern_of(coef)));
    const BoxInterval range = design_conditions_box_interval(coef);
    return shown >= range.lowest && shown <= range.highest;
  }
  return true;
}

// ---------------------------------------------------------------------------------------------
// Illustrations and hints of the seismic tab

// Frames and options share one record of the last control that showed a picture, so moving
// within it does not set the picture again; the frames' and options' numbers never meet there.
void DesignConditionsPage::hover_frame(int frame) {
  if (frame == s_.last_illustration_index) return;
  switch (frame) {
    case kRwlFrame:
      s_.seismic_picture = kPictureRwl;
      s_.last_illustration_index = kRwlFrame;
      break;
    case kSeismicClayFormulaFrame:
      s_.seismic_picture = kPictureClay;
      s_.last_illustration_index = kSeismicClayFormulaFrame;
      break;
    case kClayComparisonFrame: break;
    default: effects_.set_status_text(" "); break;
  }
}

void DesignConditionsPage::hover_seismic_option(int option) {
  if (option == s_.last_illustration_index) return;
  if (option == kRwlAirBelowApparent || option == kRwlAirBoth) {
    s_.seismic_picture = kPictureRwl;
    s_.last_illustration_index = option;
  } else if (option == kSeismicClayCompare || option == kSeismicClayFormulaOne) {
    s_.seismic_picture = kPictureClay;
    s_.last_illustration_index = option;
  }
}

void DesignConditionsPage::hover_clay_comparison(int which) {
  const bool known = which == kCompareShallow || which == kCompareDeep;
  effects_.set_status_text(known ? kComparisonHints[which] : " ");
}

// ---------------------------------------------------------------------------------------------
// Load

void DesignConditionsPage::load() {
  const model::ProjectConditions& c = model_.conditions;

  // Basic conditions.
  set_text(kJobNameBox, c.job_name);
  if (c.improvement_pattern >= 0 && c.improvement_pattern <= 3)
    select_pattern(static_cast<PatternChoice>(c.improvement_pattern));
  set_value(kImprovementRatioBox, c.improvement_ratio);
  set_value(kDesignStrengthNormalBox, c.allowable_stresses[STRESS_DESIGN_STRENGTH][CASE_NORMAL]);
  set_value(kDesignStrengthSeismicBox, c.allowable_stresses[STRESS_DESIGN_STRENGTH][CASE_SEISMIC]);
  set_value(kCompressiveNormalBox, c.allowable_stresses[STRESS_COMPRESSIVE][CASE_NORMAL]);
  set_value(kCompressiveSeismicBox, c.allowable_stresses[STRESS_COMPRESSIVE][CASE_SEISMIC]);
  set_value(kShearNormalBox, c.allowable_stresses[STRESS_SHEAR][CASE_NORMAL]);
  set_value(kShearSeismicBox, c.allowable_stresses[STRESS_SHEAR][CASE_SEISMIC]);
  for (int check = kSlidingCheck; check <= kPullOutCheck; ++check)
    for (int cs = CASE_NORMAL; cs <= CASE_SEISMIC; ++cs)
      set_value(safety_factor_box(check, cs), c.safety_factors[cs][check]);
  set_value(kWaterUnitWeightBox, c.water_unit_weight);
  set_value(kCohesionLevelBox, c.cohesion_reference_level);
  s_.normal_clay_formula =
      c.clay_pressure_formula[CASE_NORMAL] != 0 ? kFormulaOneOnly : kCompareFormulas;

  // Seismic coefficients; the design coefficients come after their factors, so the stored
  // values stand even where they differ from the product.
  select_seismic_option(c.seismic_coef_mode != 0 ? kCoefFromFactors : kCoefDirect);
  set_value(kRegionalEarthBox, c.regional_coef[0]);
  set_value(kGroundTypeEarthBox, c.ground_type_factor[0]);
  set_value(kImportanceEarthBox, c.importance_factor[0]);
  set_value(kSeismicCoefEarthBox, c.seismic_coef_earth);
  set_value(kRegionalInertiaBox, c.regional_coef[1]);
  set_value(kGroundTypeInertiaBox, c.ground_type_factor[1]);
  set_value(kImportanceInertiaBox, c.importance_factor[1]);
  set_value(kSeismicCoefInertiaBox, c.seismic_coef_inertia);
  if (c.apparent_coef_method >= 0 && c.apparent_coef_method <= 3)
    select_seismic_option(kApparentButtons[c.apparent_coef_method]);
  set_value(kApparentCoefBox, c.apparent_seismic_coef);
  select_seismic_option(c.rwl_coef_rule != 0 ? kRwlAirBoth : kRwlAirBelowApparent);
  select_seismic_option(c.clay_pressure_formula[CASE_SEISMIC] != 0 ? kSeismicClayFormulaOne
                                                                   : kSeismicClayCompare);
  if (c.shallow_clay_method >= 0 && c.shallow_clay_method <= 3)
    select_seismic_option(kShallowClayButtons[c.shallow_clay_method]);
  s_.clay_comparison[kCompareShallow] = c.clay_compare_shallow != 0 ? kChecked : kUnchecked;
  s_.clay_comparison[kCompareDeep] = c.clay_compare_deep != 0 ? kChecked : kUnchecked;

  set_value(kHwlBox, c.water_levels[0]);
  set_value(kLwlBox, c.water_levels[1]);
  set_value(kRwlBox, c.water_levels[2]);
  s_.seismic_check = c.seismic_check != 0 ? kChecked : kUnchecked;
  s_.liquefied_vertical_ignored = c.liquefied_vertical_rule != 0 ? kChecked : kUnchecked;
  s_.unconditionally_ignored = c.liquefied_vertical_rule == 2 ? kChecked : kUnchecked;
  set_value(kLiquefiedCoefBox, c.liquefied_pressure_coef);

  // External forces, top surcharges, body reactions.
  for (int cs = 0; cs < 2; ++cs) {
    for (int r = 0; r < 3; ++r) {
      const model::ExternalForce& f = c.external_forces[cs][r];
      set_text(force_box(cs, r, kForceName), trim_blanks(f.name));
      set_value(force_box(cs, r, kForceVertical), f.vertical);
      set_value(force_box(cs, r, kForceHorizontal), f.horizontal);
      set_value(force_box(cs, r, kForceX), f.x);
      set_value(force_box(cs, r, kForceY), f.y);
    }
  }
  for (int r = 0; r < 3; ++r) {
    const model::SurchargeRange& t = c.top_surcharges[r];
    set_value(surcharge_box(r, kSurchargeXmin), t.x_min);
    set_value(surcharge_box(r, kSurchargeXmax), t.x_max);
    set_value(surcharge_box(r, kSurchargeNormal), t.load[0]);
    set_value(surcharge_box(r, kSurchargeSeismic), t.load[1]);
  }
  s_.top_surcharge_considered = c.top_surcharge_ignored == 0 ? kChecked : kUnchecked;
  const BoxId reaction[2] = {kReactionNormalBox, kReactionSeismicBox};
  const BoxId width[2] = {kSpreadWidthNormalBox, kSpreadWidthSeismicBox};
  const BoxId angle[2] = {kSpreadAngleNormalBox, kSpreadAngleSeismicBox};
  for (int cs = 0; cs < 2; ++cs) {
    const model::BodyReaction& b = c.body_reactions[cs];
    set_value(reaction[cs], b.reaction);
    set_value(width[cs], b.spread_width);
    set_value(angle[cs], b.spread_angle + kSpreadAngleShownPlus);
  }
  set_value(kDynamicWaterForceBox, c.dynamic_water_force);
  set_value(kDynamicWaterLevelBox, c.dynamic_water_level);
}

// ---------------------------------------------------------------------------------------------
// Commit

void DesignConditionsPage::store() {
  model::ProjectConditions& c = model_.conditions;

  c.job_name = box(kJobNameBox).text;
  if (s_.improvement_pattern != PatternChoice::none)
    c.improvement_pattern = static_cast<model::i16>(s_.improvement_pattern);
  c.improvement_ratio = value_of(kImprovementRatioBox);
  c.allowable_stresses[STRESS_DESIGN_STRENGTH][CASE_NORMAL] = value_of(kDesignStrengthNormalBox);
  c.allowable_stresses[STRESS_DESIGN_STRENGTH][CASE_SEISMIC] = value_of(kDesignStrengthSeismicBox);
  c.allowable_stresses[STRESS_COMPRESSIVE][CASE_NORMAL] = value_of(kCompressiveNormalBox);
  c.allowable_stresses[STRESS_COMPRESSIVE][CASE_SEISMIC] = value_of(kCompressiveSeismicBox);
  c.allowable_stresses[STRESS_SHEAR][CASE_NORMAL] = value_of(kShearNormalBox);
  c.allowable_stresses[STRESS_SHEAR][CASE_SEISMIC] = value_of(kShearSeismicBox);
  for (int check = kSlidingCheck; check <= kPullOutCheck; ++check)
    for (int cs = CASE_NORMAL; cs <= CASE_SEISMIC; ++cs)
      c.safety_factors[cs][check] = value_of(safety_factor_box(check, cs));
  c.water_unit_weight = value_of(kWaterUnitWeightBox);
  c.cohesion_reference_level = value_of(kCohesionLevelBox);
  c.clay_pressure_formula[CASE_NORMAL] = s_.normal_clay_formula == kCompareFormulas ? 0 : 1;
  c.water_levels[0] = value_of(kHwlBox);
  c.water_levels[1] = value_of(kLwlBox);
  c.water_levels[2] = value_of(kRwlBox);
  c.seismic_check = s_.seismic_check != kUnchecked ? 2 : 0;
  c.liquefied_vertical_rule = s_.liquefied_vertical_ignored != kUnchecked ? 1 : 0;
  if (s_.liquefied_vertical_ignored == kChecked && s_.unconditionally_ignored == kChecked)
    c.liquefied_vertical_rule = 2;
  c.liquefied_pressure_coef = value_of(kLiquefiedCoefBox);

  const auto& opt = s_.seismic_options;
  c.seismic_coef_mode = opt[kCoefDirect] ? 0 : 1;
  c.regional_coef[0] = value_of(kRegionalEarthBox);
  c.ground_type_factor[0] = value_of(kGroundTypeEarthBox);
  c.importance_factor[0] = value_of(kImportanceEarthBox);
  c.seismic_coef_earth = value_of(kSeismicCoefEarthBox);
  c.regional_coef[1] = value_of(kRegionalInertiaBox);
  c.ground_type_factor[1] = value_of(kGroundTypeInertiaBox);
  c.importance_factor[1] = value_of(kImportanceInertiaBox);
  c.seismic_coef_inertia = value_of(kSeismicCoefInertiaBox);
  if (const int code = selected_code(opt.data(), kApparentButtons); code >= 0)
    c.apparent_coef_method = static_cast<model::i16>(code);
  c.apparent_seismic_coef = value_of(kApparentCoefBox);
  c.rwl_coef_rule = opt[kRwlAirBelowApparent] ? 0 : 1;
  c.clay_pressure_formula[CASE_SEISMIC] = opt[kSeismicClayCompare] ? 0 : 1;
  if (const int code = selected_code(opt.data(), kShallowClayButtons); code >= 0)
    c.shallow_clay_method = static_cast<model::i16>(code);
  c.clay_compare_shallow = s_.clay_comparison[kCompareShallow] != kUnchecked ? 1 : 0;
  c.clay_compare_deep = s_.clay_comparison[kCompareDeep] != kUnchecked ? 1 : 0;

  store_forces();
  for (int r = 0; r < 3; ++r) {
    model::SurchargeRange& t = c.top_surcharges[r];
    t.x_min = value_of(surcharge_box(r, kSurchargeXmin));
    t.x_max = value_of(surcharge_box(r, kSurchargeXmax));
    t.load[0] = value_of(surcharge_box(r, kSurchargeNormal));
    t.load[1] = value_of(surcharge_box(r, kSurchargeSeismic));
  }
  c.top_surcharge_ignored = s_.top_surcharge_considered == kChecked ? 0 : 1;
  const BoxId reaction[2] = {kReactionNormalBox, kReactionSeismicBox};
  const BoxId width[2] = {kSpreadWidthNormalBox, kSpreadWidthSeismicBox};
  const BoxId angle[2] = {kSpreadAngleNormalBox, kSpreadAngleSeismicBox};
  for (int cs = 0; cs < 2; ++cs) {
    model::BodyReaction& b = c.body_reactions[cs];
    b.reaction = value_of(reaction[cs]);
    b.spread_width = value_of(width[cs]);
    b.spread_angle = value_of(angle[cs]) - kSpreadAngleShownPlus;
  }
  c.dynamic_water_force = value_of(kDynamicWaterForceBox);
  c.dynamic_water_level = value_of(kDynamicWaterLevelBox);
}

// The engines read the first `external_force_counts`(case) rows of a case, so the rows that
// carry a force are stored first, in their order, and the rows without one after them; a force
// typed below an empty row is then calculated instead of the empty row.
void DesignConditionsPage::store_forces() {
  model::ProjectConditions& c = model_.conditions;
  for (int cs = 0; cs < 2; ++cs) {
    std::array<model::ExternalForce, 3> rows;
    for (int r = 0; r < 3; ++r) {
      rows[r].name = trim_blanks(box(force_box(cs, r, kForceName)).text);
      rows[r].vertical = value_of(force_box(cs, r, kForceVertical));
      rows[r].horizontal = value_of(force_box(cs, r, kForceHorizontal));
      rows[r].x = value_of(force_box(cs, r, kForceX));
      rows[r].y = value_of(force_box(cs, r, kForceY));
    }
    auto has_force = [](const model::ExternalForce& f) {
      return f.vertical != 0 || f.horizontal != 0;
    };
    std::stable_partition(rows.begin(), rows.end(), has_force);
    model::i16 count = 0;
    for (int r = 0; r < 3; ++r) {
      c.external_forces[cs][r] = rows[r];
      if (has_force(rows[r])) ++count;
    }
    c.external_force_counts[cs] = count;
  }
}

}  // namespace qvt::pages
