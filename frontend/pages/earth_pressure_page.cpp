#include "frontend/pages/earth_pressure_page.h"

#include "frontend/model/display_text.h"
#include "frontend/pages/text_limits.h"

#include <algorithm>

namespace qvt::pages {

using model::format_pattern;
using model::leading_number;

namespace {
constexpr const char* kCoordinatePattern = "###0.000";
constexpr const char* kPhiPattern = "###0.00";
constexpr const char* kLayerPattern = "###0.000";
constexpr const char* kNumberPattern = "###0";
constexpr std::size_t kBoxMaxChars = 10;
constexpr int kPhi = 0, kSlurry = 5;
constexpr int kSeabedLevel = 2;

// The number a label's caption shows, as its change handler reads it.
int caption_number(const std::string& caption) { return model::to_i16(leading_number(caption)); }

bool is_side(int side) { return side == 0 || side == 1; }
}  // namespace

EarthPressurePage::EarthPressurePage(model::ProjectModel& model, PageEffects& effects,
                                     section::EditorState& editor)
    : model_(model), effects_(effects), editor_(editor) {}

int EarthPressurePage::point_count(int side) const {
  if (!is_side(side)) return 0;
  return std::clamp<int>(model_.conditions.pressure_points[side].count, 0,
                         model::MAX_PRESSURE_POINTS);
}

// Layer i lies between points i and i + 1, so only 0 .. count - 2 are layers of the side. A
// selection outside them (none chosen, or left over from the point tab) writes nowhere.
model::SoilLayer* EarthPressurePage::selected_layer() {
  const int side = editor_.current_side;
  const int i = editor_.current_point_index;
  if (!is_side(side) || i < 0 || i > point_count(side) - 2) return nullptr;
  auto& layers = model_.conditions.soil_layers[side];
  if (i >= static_cast<int>(layers.size())) return nullptr;
  return &layers[i];
}

// ---------------------------------------------------------------------------------------------
// Load, commit, arrival

void EarthPressurePage::load() {
  const model::ProjectConditions& c = model_.conditions;
  opt_gm4_select(c.active_seabed_rule != 0 ? 4 : 3);
  set_txt_gm4(kSeabedLevel, format_pattern(c.active_seabed_level, kCoordinatePattern));
}

void EarthPressurePage::store() {
  model::ProjectConditions& c = model_.conditions;
  // Every point of a side tops one record, the last point included: that record takes the Y
  // of the slot after the last point as its bottom, as the condition files always carried it.
  for (int side = 0; side < 2; ++side) {
    const model::PressurePointList& p = c.pressure_points[side];
    auto& layers = c.soil_layers[side];
    const int n = std::min<int>(point_count(side), static_cast<int>(layers.size()));
    for (int i = 0; i < n; ++i) {
      layers[i].top_level = p.y[i];
      layers[i].bottom_level = p.y[i + 1];
    }
  }
  if (s_.opt_gm4[3])
    c.active_seabed_rule = 0;
  else if (s_.opt_gm4[4])
    c.active_seabed_rule = 1;
  c.active_seabed_level = leading_number(s_.txt_gm4[kSeabedLevel].text);
}

void EarthPressurePage::arrive() {
  if (!s_.opt_gm4[0] && !s_.opt_gm4[1] && !s_.opt_gm4[2]) opt_gm4_select(0);
}

// ---------------------------------------------------------------------------------------------
// Controls set by the user or by code

void EarthPressurePage::set_txt_gm4(int index, const std::string& text) {
  TextBox& b = s_.txt_gm4[index];
  if (b.text == text) return;
  b.text = text;
  txt_gm4_Change(index);
}

void EarthPressurePage::set_txt_gm5(int index, const std::string& text) {
  TextBox& b = s_.txt_gm5[index];
  if (b.text == text) return;
  b.text = text;
  txt_gm5_Change(index);
}

void EarthPressurePage::set_chk_gm5(int state) {
  if (s_.chk_gm5 == state) return;
  s_.chk_gm5 = state;
  chk_gm5_Click();
}

bool EarthPressurePage::txt_gm4_edited(int index, const std::string& text) {
  if (index < 0 || index > 2) return false;
  if (index < 2 && s_.txt_gm4_locked) return false;
  if (!accepts_length_edit(s_.txt_gm4[index].text, text, kBoxMaxChars)) return false;
  set_txt_gm4(index, text);
  return true;
}

bool EarthPressurePage::txt_gm5_edited(int index, const std::string& text) {
  if (index < 0 || index > 5) return false;
  if (!accepts_length_edit(s_.txt_gm5[index].text, text, kBoxMaxChars)) return false;
  set_txt_gm5(index, text);
  return true;
}

void EarthPressurePage::txt_gm4_lost_focus(int index) {
  // X and Y keep their text as typed; only the seabed level is rewritten.
  if (index != kSeabedLevel) return;
  set_txt_gm4(index, format_pattern(leading_number(s_.txt_gm4[index].text), kCoordinatePattern));
}

void EarthPressurePage::txt_gm5_lost_focus(int index) {
  if (index < 0 || index > 5) return;
  set_txt_gm5(index, format_pattern(leading_number(s_.txt_gm5[index].text),
                                    index == kPhi ? kPhiPattern : kLayerPattern));
}

void EarthPressurePage::opt_gm4_select(int index) {
  if (index < 0 || index > 4 || s_.opt_gm4[index]) return;
  choose_opt_gm4(index);
}

void EarthPressurePage::choose_opt_gm4(int index) {
  if (index < 0 || index > 4) return;
  const int first = index <= 2 ? 0 : 3, last = index <= 2 ? 2 : 4;
  for (int i = first; i <= last; ++i) s_.opt_gm4[i] = i == index;
  opt_gm4_Click(index);
}

void EarthPressurePage::opt_gm5_select(int index) {
  if (!is_side(index) || s_.opt_gm5[index]) return;
  choose_opt_gm5(index);
}

void EarthPressurePage::choose_opt_gm5(int index) {
  if (!is_side(index)) return;
  s_.opt_gm5 = {index == 0, index == 1};
  opt_gm5_Click(index);
}

void EarthPressurePage::opt_gmd5_select(int index) {
  if (!is_side(index) || s_.opt_gmd5[index]) return;
  s_.opt_gmd5 = {index == 0, index == 1};
  opt_gmd5_Click(index);
}

void EarthPressurePage::chk_gm5_set(bool checked) { set_chk_gm5(checked ? kChecked : kUnchecked); }

void EarthPressurePage::select_inner_tab(int tab) {
  if (tab != 0 && tab != 1) return;
  s_.inner_tab = tab;
  tab_gm_Click();
}

void EarthPressurePage::select_action_point(int n) {
  s_.lbl_gm4 = format_pattern(n, kNumberPattern);
  lbl_gm4_Change(0);
}

// ---------------------------------------------------------------------------------------------
// Inner tab 0: the action points

void EarthPressurePage::opt_gm4_Click(int index) {
  // The seabed-rule options act only through the commit.
  if (index < 0 || index > 2) return;
  // The delete mode works with side 0 as the current side.
  editor_.current_side = static_cast<model::i16>(index == 1 ? 1 : 0);
  s_.txt_gm4_locked = index == 2;
  s_.lbl_gm4 = std::to_string(point_count(editor_.current_side));
  lbl_gm4_Change(0);  // shows the last point of the side
}

void EarthPressurePage::cmd_gm4_Click(int index) {
  if (index != 0 && index != 1) return;
  const int side = editor_.current_side;
  if (!is_side(side) || editor_.current_point_index < 0) return;
  const int count = point_count(side);
  if (count == 0) return;
  int i = editor_.current_point_index + (index == 1 ? 1 : -1);
  if (i < 0) i = count - 1;
  if (i > count - 1) i = 0;
  editor_.current_point_index = static_cast<model::i16>(i);
  // Coming from the delete mode this selects the last point of the side.
  opt_gm4_select(side != 0 ? 1 : 0);
  select_action_point(editor_.current_point_index + 1);
}

void EarthPressurePage::txt_gm4_Change(int index) {
  const int side = s_.opt_gm4[0] ? 0 : s_.opt_gm4[1] ? 1 : -1;
  if (side < 0) return;  // the delete mode or no mode: nothing is stored
  if (!is_side(editor_.current_side) || editor_.current_point_index < 0) return;
  const int n = caption_number(s_.lbl_gm4);
  if (n <= 0) return;
  if (index == 0 || index == 1) {
    if (n > point_count(side)) return;  // no such point on the side of the mode
    const double typed = leading_number(s_.txt_gm4[index].text);
    const double v = leading_number(format_pattern(typed, kCoordinatePattern));
    model::PressurePointList& p = model_.conditions.pressure_points[side];
    (index == 0 ? p.x : p.y)[n - 1] = v;
  } else if (index != kSeabedLevel) {
    return;
  }
  effects_.repaint_section();
}

void EarthPressurePage::lbl_gm4_Change(int index) {
  if (index != 0) return;
  const int n = caption_number(s_.lbl_gm4);
  // The selection comes before the boxes: their change handlers store into the point selected.
  editor_.current_point_index = static_cast<model::i16>(n - 1);
  const int side = editor_.current_side;
  const model::PressurePointList* p =
      is_side(side) ? &model_.conditions.pressure_points[side] : nullptr;
  if (n != 0 && p != nullptr && n - 1 >= 0 && n - 1 < static_cast<int>(p->x.size())) {
    const double x = p->x[n - 1], y = p->y[n - 1];
    set_txt_gm4(0, format_pattern(x, kCoordinatePattern));
    set_txt_gm4(1, format_pattern(y, kCoordinatePattern));
  } else {
    set_txt_gm4(0, "0.000");
    set_txt_gm4(1, "0.000");
  }
}

// ---------------------------------------------------------------------------------------------
// Inner tab 1: the soil layers

void EarthPressurePage::opt_gm5_Click(int index) {
  if (!is_side(index)) return;
  editor_.current_side = static_cast<model::i16>(index);
  // The slurry unit weight is edited on the active side only.
  s_.slurry_visible = index == 1;
  s_.lbl_gm5 = format_pattern(1, kNumberPattern);
  lbl_gm5_Change(0);
  effects_.repaint_section();
}

void EarthPressurePage::cmd_gm5_Click(int index) {
  if (index != 0 && index != 1) return;
  const int side = editor_.current_side;
  if (!is_side(side) || editor_.current_point_index < 0) return;
  const int layers = point_count(side) - 1;
  if (layers < 1) return;  // a side with fewer than two points has no layer to step to
  int i = editor_.current_point_index + (index == 1 ? 1 : -1);
  if (i < 0) i = layers - 1;
  if (i > layers - 1) i = 0;
  editor_.current_point_index = static_cast<model::i16>(i);
  s_.lbl_gm5 = format_pattern(i + 1, kNumberPattern);
  lbl_gm5_Change(0);
}

void EarthPressurePage::lbl_gm5_Change(int index) {
  if (index != 0) return;
  const int n = caption_number(s_.lbl_gm5);
  // The selection comes before the boxes: their change handlers store into the layer selected.
  editor_.current_point_index = static_cast<model::i16>(n - 1);
  const int side = editor_.current_side;
  const int records = static_cast<int>(model::SOIL_LAYER_RECORDS);
  if (n != 0 && is_side(side) && n - 1 >= 0 && n - 1 < records) {
    const model::SoilLayer l = model_.conditions.soil_layers[side][n - 1];
    set_txt_gm5(0, format_pattern(l.phi, kPhiPattern));
    set_txt_gm5(1, format_pattern(l.cohesion, kLayerPattern));
    set_txt_gm5(2, format_pattern(l.cohesion_gradient, kLayerPattern));
    set_txt_gm5(3, format_pattern(l.unit_weight_air, kLayerPattern));
    set_txt_gm5(4, format_pattern(l.unit_weight_submerged, kLayerPattern));
    opt_gmd5_select(l.soil_type != 0 ? 1 : 0);
    // Only 1 means liquefied; any other value shows cleared.
    set_chk_gm5(l.liquefied == 1 ? kChecked : kUnchecked);
    set_txt_gm5(kSlurry, format_pattern(l.slurry_unit_weight, kLayerPattern));
  } else {
    for (int i = 0; i <= 4; ++i) set_txt_gm5(i, "0.000");
    opt_gmd5_select(0);
    set_chk_gm5(kUnchecked);
  }
  effects_.repaint_section();
}

void EarthPressurePage::opt_gmd5_Click(int index) {
  if (!is_side(index)) return;
  if (model::SoilLayer* l = selected_layer()) l->soil_type = s_.opt_gmd5[0] ? 0 : 1;
  // Sand is described by φ, clay by its cohesion.
  s_.txt_gm5[0].enabled = index == 0;
  s_.txt_gm5[1].enabled = index == 1;
  s_.txt_gm5[2].enabled = index == 1;
}

void EarthPressurePage::chk_gm5_Click() {
  if (model::SoilLayer* l = selected_layer()) l->liquefied = s_.chk_gm5 == kChecked ? 1 : 0;
}

void EarthPressurePage::txt_gm5_Change(int index) {
  if (index < 0 || index > 5) return;
  model::SoilLayer* l = selected_layer();
  if (l == nullptr) return;
  const double v = leading_number(s_.txt_gm5[index].text);
  switch (index) {
    case 0: l->phi = v; break;
    case 1: l->cohesion = v; break;
    case 2: l->cohesion_gradient = v; break;
    case 3: l->unit_weight_air = v; break;
    case 4: l->unit_weight_submerged = v; break;
    default: l->slurry_unit_weight = v; break;
  }
}

// ---------------------------------------------------------------------------------------------
// The inner-tab change

void EarthPressurePage::tab_gm_Click() {
  editor_.pressure_tab =
      s_.inner_tab == 0 ? section::PressureTab::action_points : section::PressureTab::soil_layers;
  if (editor_.pressure_tab == section::PressureTab::soil_layers) {
    if (point_count(0) < 2 || point_count(1) < 2) {
      effects_.messages().show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                                       kMsgNoPressurePoints);
      s_.inner_tab = 0;
      tab_gm_Click();  // as the tab control raises it again for the point tab
      return;
    }
    if (!s_.opt_gm5[0] && !s_.opt_gm5[1]) {
      opt_gm5_select(0);  // shows layer 1 of side 0
      return;
    }
    editor_.current_side = static_cast<model::i16>(s_.opt_gm5[0] ? 0 : 1);
    // The point tab moved the selection to a point; the layer boxes write into the selected
    // layer, so the layer the label names is selected and shown again, within the side's layers.
    const int layers = point_count(editor_.current_side) - 1;
    const int n = std::clamp(caption_number(s_.lbl_gm5), 1, layers);
    s_.lbl_gm5 = format_pattern(n, kNumberPattern);
    lbl_gm5_Change(0);
    return;
  }
  editor_.current_side = static_cast<model::i16>(s_.opt_gm4[1] && !s_.opt_gm4[0] ? 1 : 0);
}

}  // namespace qvt::pages
