#include "frontend/pages/design_conditions_page.h"

#include "frontend/model/display_text.h"
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

// Improvement-pattern buttons in the order of their codes 0..3.
constexpr std::array<int, 4> kPatternButtons = {0, 1, 4, 5};
// Apparent-coefficient buttons and shallow-clay buttons in the order of their codes 0..3.
constexpr std::array<int, 4> kApparentButtons = {2, 3, 4, 5};
constexpr std::array<int, 4> kShallowClayButtons = {12, 13, 6, 7};

// The option groups of opt_gm2; a button belongs to exactly one.
constexpr int kGm2GroupOf[14] = {0, 0, 1, 1, 1, 1, 4, 4, 2, 2, 3, 3, 4, 4};

constexpr const char* kXmaxHint = "荷重が無限に作用する場合，Xmaxに999を入力して下さい";
constexpr const char* kChkGm2Hints[2] = {
    "上限・下限値ともに直線補間で土圧を求めた場合は海底面の土圧と比較し大きい値を採用する",
    "上限・下限値のうち下限が上限より小さくなる場合は下限に上限値を採用する",
};

bool is_xmax_box(BoxId b) {
  return b.group == BoxGroup::gm20 && (b.index == 1 || b.index == 5 || b.index == 9);
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
  switch (b.group) {
    case BoxGroup::gm1:
      if (b.index >= 1 && b.index <= 4) return k2;
      if ((b.index >= 12 && b.index <= 19) || b.index == 25 || b.index == 26) return k1;
      if (b.index >= 20 && b.index <= 24) return k3;
      if (b.index == 29 || b.index == 30) return k2;
      return "";
    case BoxGroup::gm2:
      if (b.index == 1 || b.index == 2 || b.index == 7 || b.index == 8) return k1;
      return k2;
    case BoxGroup::gm19:
      return b.index % 5 == 0 ? "" : k3;
    case BoxGroup::gm20:
    case BoxGroup::gm21:
      return k3;
  }
  return "";
}

namespace {

template <class State>
auto& box_in(State& s, BoxId id) {
  switch (id.group) {
    case BoxGroup::gm1: return s.txt_gm1.at(id.index);
    case BoxGroup::gm2: return s.txt_gm2.at(id.index);
    case BoxGroup::gm19: return s.txt_gm19.at(id.index);
    case BoxGroup::gm20: return s.txt_gm20.at(id.index);
    case BoxGroup::gm21: break;
  }
  return s.txt_gm21.at(id.index);
}

}  // namespace

TextBox& DesignConditionsPage::box(BoxId id) { return box_in(s_, id); }
const TextBox& DesignConditionsPage::box(BoxId id) const { return box_in(s_, id); }

double DesignConditionsPage::value_of(BoxId id) const {
  return leading_number(box(id).text);
}

void DesignConditionsPage::set_text(BoxId id, const std::string& text) {
  TextBox& b = box(id);
  if (b.text == text) return;  // a text box raises Change only when its text changes
  b.text = text;
  if (id.group == BoxGroup::gm2) txt_gm2_Change(id.index);
}

void DesignConditionsPage::set_value(BoxId id, double value) {
  set_text(id, format_pattern(value, pattern_of(id)));
}

bool DesignConditionsPage::opt_gm1_selected(int index) const {
  return index >= 0 && index < 6 && s_.opt_gm1[index];
}

// ---------------------------------------------------------------------------------------------
// Selections

void DesignConditionsPage::select_gm1(int index) {
  const bool pattern = index != 2 && index != 3;
  for (int i = 0; i < 6; ++i) {
    const bool same_group = (i != 2 && i != 3) == pattern;
    if (same_group) s_.opt_gm1[i] = i == index;
  }
  opt_gm1_Click(index);
}

void DesignConditionsPage::select_gm2(int index) {
  for (int i = 0; i < 14; ++i)
    if (kGm2GroupOf[i] == kGm2GroupOf[index]) s_.opt_gm2[i] = i == index;
  opt_gm2_Click(index);
}

void DesignConditionsPage::opt_gm1_select(int index) {
  if (index >= 0 && index < 6) select_gm1(index);
}

void DesignConditionsPage::opt_gm2_select(int index) {
  if (index >= 0 && index < 14) select_gm2(index);
}

void DesignConditionsPage::opt_gm1_Click(int index) {
  switch (index) {
    case 0:
    case 1:
    case 5:
      s_.fra_gm1_2_visible = true;
      s_.fra_gm1_6_visible = false;
      break;
    case 4:
      s_.fra_gm1_2_visible = false;
      s_.fra_gm1_6_visible = true;
      break;
    default:
      break;
  }
}

void DesignConditionsPage::opt_gm2_Click(int index) {
  static constexpr int kFactorBoxes[] = {0, 1, 2, 6, 7, 8};
  switch (index) {
    case 0:
      s_.txt_gm2[3].enabled = s_.txt_gm2[4].enabled = true;
      for (int b : kFactorBoxes) s_.txt_gm2[b].enabled = false;
      break;
    case 1:
      s_.txt_gm2[3].enabled = s_.txt_gm2[4].enabled = false;
      for (int b : kFactorBoxes) s_.txt_gm2[b].enabled = true;
      break;
    case 2: s_.txt_gm2[5].enabled = true; break;
    case 3:
    case 4:
    case 5: s_.txt_gm2[5].enabled = false; break;
    default: break;
  }
}

void DesignConditionsPage::set_chk_gm1(int state) { s_.chk_gm1 = state; }
void DesignConditionsPage::set_chk_gm1_1(int state) { s_.chk_gm1_1 = state; }
void DesignConditionsPage::set_chk_gm1_2(int state) { s_.chk_gm1_2 = state; }
void DesignConditionsPage::set_chk_gm2(int index, int state) { s_.chk_gm2.at(index) = state; }
void DesignConditionsPage::set_chk_gm20(int state) { s_.chk_gm20 = state; }

void DesignConditionsPage::select_inner_tab(int tab) {
  if (tab < 0 || tab > 2) return;
  s_.inner_tab = tab;
  enable_selected_inner_frame();
}

void DesignConditionsPage::enable_selected_inner_frame() {
  for (int j = 0; j < 3; ++j) s_.fra_tb1_enabled[j] = j == s_.inner_tab;
}

void DesignConditionsPage::disable_inner_frames() { s_.fra_tb1_enabled = {false, false, false}; }

// ---------------------------------------------------------------------------------------------
// Text boxes

bool DesignConditionsPage::text_edited(BoxId id, const std::string& text) {
  const std::string& before = box(id).text;
  bool ok = true;
  if (id.group == BoxGroup::gm1 && id.index == 0)
    ok = accepts_cp932_edit(before, text, kJobNameMaxBytes);
  else if (id.group == BoxGroup::gm19 && id.index % 5 == 0)
    ok = accepts_cp932_edit(before, text, kForceNameMaxBytes);
  else if (id.group == BoxGroup::gm19)
    ok = accepts_length_edit(before, text, kForceValueMaxChars);
  else if (id.group == BoxGroup::gm2)
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

void DesignConditionsPage::txt_gm2_Change(int index) {
  if (index >= 0 && index <= 2) {
    const double product =
        (value_of({BoxGroup::gm2, 0}) * value_of({BoxGroup::gm2, 1})) * value_of({BoxGroup::gm2, 2});
    set_value({BoxGroup::gm2, 3}, product);
  } else if (index >= 6 && index <= 8) {
    const double product =
        (value_of({BoxGroup::gm2, 6}) * value_of({BoxGroup::gm2, 7})) * value_of({BoxGroup::gm2, 8});
    set_value({BoxGroup::gm2, 4}, product);
  }
}

// ---------------------------------------------------------------------------------------------
// Illustrations and hints of the seismic tab

void DesignConditionsPage::fra_gm2_MouseMove(int index) {
  if (index == s_.last_illustration_index) return;
  switch (index) {
    case 2:
      s_.img_gm2 = kPictureRwl;
      s_.last_illustration_index = 2;
      break;
    case 4:
      s_.img_gm2 = kPictureClay;
      s_.last_illustration_index = 4;
      break;
    case 7: break;
    default: effects_.set_status_text(" "); break;
  }
}

void DesignConditionsPage::opt_gm2_MouseMove(int index) {
  if (index == s_.last_illustration_index) return;
  if (index == 8 || index == 9) {
    s_.img_gm2 = kPictureRwl;
    s_.last_illustration_index = index;
  } else if (index == 10 || index == 11) {
    s_.img_gm2 = kPictureClay;
    s_.last_illustration_index = index;
  }
}

void DesignConditionsPage::chk_gm2_MouseMove(int index) {
  effects_.set_status_text(index == 0 || index == 1 ? kChkGm2Hints[index] : " ");
}

// ---------------------------------------------------------------------------------------------
// Load

void DesignConditionsPage::load() {
  const model::ProjectConditions& c = model_.conditions;
  auto gm1 = [this](int i, double v) { set_value({BoxGroup::gm1, i}, v); };
  auto gm2 = [this](int i, double v) { set_value({BoxGroup::gm2, i}, v); };

  // Basic conditions.
  set_text({BoxGroup::gm1, 0}, c.job_name);
  if (c.improvement_pattern >= 0 && c.improvement_pattern <= 3)
    select_gm1(kPatternButtons[c.improvement_pattern]);
  gm1(25, c.improvement_ratio);
  gm1(30, c.allowable_stresses[STRESS_DESIGN_STRENGTH][CASE_NORMAL]);
  gm1(29, c.allowable_stresses[STRESS_DESIGN_STRENGTH][CASE_SEISMIC]);
  gm1(1, c.allowable_stresses[STRESS_COMPRESSIVE][CASE_NORMAL]);
  gm1(2, c.allowable_stresses[STRESS_COMPRESSIVE][CASE_SEISMIC]);
  gm1(3, c.allowable_stresses[STRESS_SHEAR][CASE_NORMAL]);
  gm1(4, c.allowable_stresses[STRESS_SHEAR][CASE_SEISMIC]);
  for (int i = 12; i <= 19; ++i) gm1(i, c.safety_factors[(i - 12) % 2][(i - 12) / 2]);
  gm1(20, c.water_unit_weight);
  gm1(21, c.cohesion_reference_level);
  select_gm1(c.clay_pressure_formula[CASE_NORMAL] != 0 ? 3 : 2);

  // Seismic coefficients; the design coefficients come after their factors, so the stored
  // values stand even where they differ from the product.
  select_gm2(c.seismic_coef_mode != 0 ? 1 : 0);
  gm2(0, c.regional_coef[0]);
  gm2(1, c.ground_type_factor[0]);
  gm2(2, c.importance_factor[0]);
  gm2(3, c.seismic_coef_earth);
  gm2(6, c.regional_coef[1]);
  gm2(7, c.ground_type_factor[1]);
  gm2(8, c.importance_factor[1]);
  gm2(4, c.seismic_coef_inertia);
  if (c.apparent_coef_method >= 0 && c.apparent_coef_method <= 3)
    select_gm2(kApparentButtons[c.apparent_coef_method]);
  gm2(5, c.apparent_seismic_coef);
  select_gm2(c.rwl_coef_rule != 0 ? 9 : 8);
  select_gm2(c.clay_pressure_formula[CASE_SEISMIC] != 0 ? 11 : 10);
  if (c.shallow_clay_method >= 0 && c.shallow_clay_method <= 3)
    select_gm2(kShallowClayButtons[c.shallow_clay_method]);
  s_.chk_gm2[0] = c.clay_compare_shallow != 0 ? kChecked : kUnchecked;
  s_.chk_gm2[1] = c.clay_compare_deep != 0 ? kChecked : kUnchecked;

  gm1(22, c.water_levels[0]);
  gm1(23, c.water_levels[1]);
  gm1(24, c.water_levels[2]);
  s_.chk_gm1 = c.seismic_check != 0 ? kChecked : kUnchecked;
  s_.chk_gm1_1 = c.liquefied_vertical_rule != 0 ? kChecked : kUnchecked;
  s_.chk_gm1_2 = c.liquefied_vertical_rule == 2 ? kChecked : kUnchecked;
  gm1(26, c.liquefied_pressure_coef);

  // External forces, top surcharges, body reactions.
  for (int cs = 0; cs < 2; ++cs) {
    for (int r = 0; r < 3; ++r) {
      const model::ExternalForce& f = c.external_forces[cs][r];
      const int k = 15 * cs + 5 * r;
      set_text({BoxGroup::gm19, k}, trim_blanks(f.name));
      set_value({BoxGroup::gm19, k + 1}, f.vertical);
      set_value({BoxGroup::gm19, k + 2}, f.horizontal);
      set_value({BoxGroup::gm19, k + 3}, f.x);
      set_value({BoxGroup::gm19, k + 4}, f.y);
    }
  }
  for (int r = 0; r < 3; ++r) {
    const model::SurchargeRange& t = c.top_surcharges[r];
    set_value({BoxGroup::gm20, 4 * r}, t.x_min);
    set_value({BoxGroup::gm20, 4 * r + 1}, t.x_max);
    set_value({BoxGroup::gm20, 4 * r + 2}, t.load[0]);
    set_value({BoxGroup::gm20, 4 * r + 3}, t.load[1]);
  }
  s_.chk_gm20 = c.top_surcharge_ignored == 0 ? kChecked : kUnchecked;
  for (int cs = 0; cs < 2; ++cs) {
    const model::BodyReaction& b = c.body_reactions[cs];
    set_value({BoxGroup::gm21, cs}, b.reaction);
    set_value({BoxGroup::gm21, 2 + cs}, b.spread_width);
    set_value({BoxGroup::gm21, 4 + cs}, b.spread_angle + 30);
  }
  set_value({BoxGroup::gm21, 6}, c.dynamic_water_force);
  set_value({BoxGroup::gm21, 7}, c.dynamic_water_level);
}

// ---------------------------------------------------------------------------------------------
// Commit

void DesignConditionsPage::store() {
  model::ProjectConditions& c = model_.conditions;
  auto gm1 = [this](int i) { return value_of({BoxGroup::gm1, i}); };
  auto gm2 = [this](int i) { return value_of({BoxGroup::gm2, i}); };

  c.job_name = s_.txt_gm1[0].text;
  if (const int code = selected_code(s_.opt_gm1.data(), kPatternButtons); code >= 0)
    c.improvement_pattern = static_cast<model::i16>(code);
  c.improvement_ratio = gm1(25);
  c.allowable_stresses[STRESS_DESIGN_STRENGTH][CASE_NORMAL] = gm1(30);
  c.allowable_stresses[STRESS_DESIGN_STRENGTH][CASE_SEISMIC] = gm1(29);
  c.allowable_stresses[STRESS_COMPRESSIVE][CASE_NORMAL] = gm1(1);
  c.allowable_stresses[STRESS_COMPRESSIVE][CASE_SEISMIC] = gm1(2);
  c.allowable_stresses[STRESS_SHEAR][CASE_NORMAL] = gm1(3);
  c.allowable_stresses[STRESS_SHEAR][CASE_SEISMIC] = gm1(4);
  for (int i = 12; i <= 19; ++i) c.safety_factors[(i - 12) % 2][(i - 12) / 2] = gm1(i);
  c.water_unit_weight = gm1(20);
  c.cohesion_reference_level = gm1(21);
  c.clay_pressure_formula[CASE_NORMAL] = s_.opt_gm1[2] ? 0 : 1;
  for (int i = 0; i < 3; ++i) c.water_levels[i] = gm1(22 + i);
  c.seismic_check = s_.chk_gm1 != kUnchecked ? 2 : 0;
  c.liquefied_vertical_rule = s_.chk_gm1_1 != kUnchecked ? 1 : 0;
  if (s_.chk_gm1_1 == kChecked && s_.chk_gm1_2 == kChecked) c.liquefied_vertical_rule = 2;
  c.liquefied_pressure_coef = gm1(26);

  c.seismic_coef_mode = s_.opt_gm2[0] ? 0 : 1;
  c.regional_coef[0] = gm2(0);
  c.ground_type_factor[0] = gm2(1);
  c.importance_factor[0] = gm2(2);
  c.seismic_coef_earth = gm2(3);
  c.regional_coef[1] = gm2(6);
  c.ground_type_factor[1] = gm2(7);
  c.importance_factor[1] = gm2(8);
  c.seismic_coef_inertia = gm2(4);
  if (const int code = selected_code(s_.opt_gm2.data(), kApparentButtons); code >= 0)
    c.apparent_coef_method = static_cast<model::i16>(code);
  c.apparent_seismic_coef = gm2(5);
  c.rwl_coef_rule = s_.opt_gm2[8] ? 0 : 1;
  c.clay_pressure_formula[CASE_SEISMIC] = s_.opt_gm2[10] ? 0 : 1;
  if (const int code = selected_code(s_.opt_gm2.data(), kShallowClayButtons); code >= 0)
    c.shallow_clay_method = static_cast<model::i16>(code);
  c.clay_compare_shallow = s_.chk_gm2[0] != kUnchecked ? 1 : 0;
  c.clay_compare_deep = s_.chk_gm2[1] != kUnchecked ? 1 : 0;

  store_forces();
  for (int r = 0; r < 3; ++r) {
    model::SurchargeRange& t = c.top_surcharges[r];
    t.x_min = value_of({BoxGroup::gm20, 4 * r});
    t.x_max = value_of({BoxGroup::gm20, 4 * r + 1});
    t.load[0] = value_of({BoxGroup::gm20, 4 * r + 2});
    t.load[1] = value_of({BoxGroup::gm20, 4 * r + 3});
  }
  c.top_surcharge_ignored = s_.chk_gm20 == kChecked ? 0 : 1;
  for (int cs = 0; cs < 2; ++cs) {
    model::BodyReaction& b = c.body_reactions[cs];
    b.reaction = value_of({BoxGroup::gm21, cs});
    b.spread_width = value_of({BoxGroup::gm21, 2 + cs});
    b.spread_angle = value_of({BoxGroup::gm21, 4 + cs}) - 30;
  }
  c.dynamic_water_force = value_of({BoxGroup::gm21, 6});
  c.dynamic_water_level = value_of({BoxGroup::gm21, 7});
}

// The engines read the first `external_force_counts`(case) rows of a case, so the rows that
// carry a force are stored first, in their order, and the rows without one after them; a force
// typed below an empty row is then calculated instead of the empty row.
void DesignConditionsPage::store_forces() {
  model::ProjectConditions& c = model_.conditions;
  for (int cs = 0; cs < 2; ++cs) {
    std::array<model::ExternalForce, 3> rows;
    for (int r = 0; r < 3; ++r) {
      const int k = 15 * cs + 5 * r;
      rows[r].name = trim_blanks(s_.txt_gm19[k].text);
      rows[r].vertical = value_of({BoxGroup::gm19, k + 1});
      rows[r].horizontal = value_of({BoxGroup::gm19, k + 2});
      rows[r].x = value_of({BoxGroup::gm19, k + 3});
      rows[r].y = value_of({BoxGroup::gm19, k + 4});
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
