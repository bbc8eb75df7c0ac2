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
constexpr int kLayerBoxCount = 6;
constexpr int kPointOptionCount = 5;

// The number a label's caption shows, as its change handler reads it.
int caption_number(const std::string& caption) { return model::to_i16(leading_number(caption)); }

bool is_side(int side) { return side == 0 || side == 1; }

bool is_point_box(PointBox b) {
  return b == PointBox::x || b == PointBox::y || b == PointBox::seabed_level;
}
bool is_layer_box(LayerBox b) {
  const int i = static_cast<int>(b);
  return i >= 0 && i < kLayerBoxCount;
}
bool is_point_option(PointOption o) {
  const int i = static_cast<int>(o);
  return i >= 0 && i < kPointOptionCount;
}
bool is_registration_mode(PointOption o) {
  return o == PointOption::passive || o == PointOption::active || o == PointOption::remove;
}
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
  choose_point_option(c.active_seabed_rule != 0 ? PointOption::seabed_typed
                                                : PointOption::seabed_at_passive_top);
  set_point_box(PointBox::seabed_level, format_pattern(c.active_seabed_level, kCoordinatePattern));
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
  if (s_.on(PointOption::seabed_at_passive_top))
    c.active_seabed_rule = 0;
  else if (s_.on(PointOption::seabed_typed))
    c.active_seabed_rule = 1;
  c.active_seabed_level = leading_number(s_.box(PointBox::seabed_level).text);
}

void EarthPressurePage::arrive() {
  if (!s_.on(PointOption::passive) && !s_.on(PointOption::active) && !s_.on(PointOption::remove))
    choose_point_option(PointOption::passive);
}

// ---------------------------------------------------------------------------------------------
// Controls set by the user or by code

void EarthPressurePage::set_point_box(PointBox box, const std::string& text) {
  TextBox& b = s_.box(box);
  if (b.text == text) return;
  b.text = text;
  point_box_changed(box);
}

void EarthPressurePage::set_layer_box(LayerBox box, const std::string& text) {
  TextBox& b = s_.box(box);
  if (b.text == text) return;
  b.text = text;
  layer_box_changed(box);
}

void EarthPressurePage::set_liquefied(int state) {
  if (s_.liquefied == state) return;
  s_.liquefied = state;
  liquefied_changed();
}

bool EarthPressurePage::point_box_edited(PointBox box, const std::string& text) {
  if (!is_point_box(box)) return false;
  if (box != PointBox::seabed_level && s_.point_boxes_locked) return false;
  if (!accepts_length_edit(s_.box(box).text, text, kBoxMaxChars)) return false;
  set_point_box(box, text);
  return true;
}

bool EarthPressurePage::layer_box_edited(LayerBox box, const std::string& text) {
  if (!is_layer_box(box)) return false;
  if (!accepts_length_edit(s_.box(box).text, text, kBoxMaxChars)) return false;
  set_layer_box(box, text);
  return true;
}

void EarthPressurePage::point_box_left(PointBox box) {
  // X and Y keep their text as typed; only the seabed level is rewritten.
  if (box != PointBox::seabed_level) return;
  set_point_box(box, format_pattern(leading_number(s_.box(box).text), kCoordinatePattern));
}

void EarthPressurePage::layer_box_left(LayerBox box) {
  if (!is_layer_box(box)) return;
  set_layer_box(box, format_pattern(leading_number(s_.box(box).text),
                                    box == LayerBox::phi ? kPhiPattern : kLayerPattern));
}

void EarthPressurePage::choose_point_option(PointOption option) {
  if (!is_point_option(option) || s_.on(option)) return;
  reselect_point_option(option);
}

void EarthPressurePage::reselect_point_option(PointOption option) {
  if (!is_point_option(option)) return;
  // The registration modes and the seabed rule are groups of their own.
  const bool mode = is_registration_mode(option);
  for (int i = 0; i < kPointOptionCount; ++i)
    if (is_registration_mode(static_cast<PointOption>(i)) == mode)
      s_.point_options[i] = static_cast<PointOption>(i) == option;
  point_option_chosen(option);
}

void EarthPressurePage::choose_layer_side(int side) {
  if (!is_side(side) || s_.side_options[side]) return;
  reselect_layer_side(side);
}

void EarthPressurePage::reselect_layer_side(int side) {
  if (!is_side(side)) return;
  s_.side_options = {side == 0, side == 1};
  layer_side_chosen(side);
}

void EarthPressurePage::choose_soil_type(SoilType type) {
  if ((type != SoilType::sand && type != SoilType::clay) || s_.on(type)) return;
  s_.soil_type_options = {type == SoilType::sand, type == SoilType::clay};
  soil_type_chosen(type);
}

void EarthPressurePage::tick_liquefied(bool checked) {
  set_liquefied(checked ? kChecked : kUnchecked);
}

void EarthPressurePage::select_inner_tab(int tab) {
  if (tab != 0 && tab != 1) return;
  s_.inner_tab = tab;
  inner_tab_changed();
}

void EarthPressurePage::select_action_point(int n) {
  s_.point_number = format_pattern(n, kNumberPattern);
  point_number_changed();
}

// ---------------------------------------------------------------------------------------------
// Inner tab 0: the action points

void EarthPressurePage::point_option_chosen(PointOption option) {
  // The seabed-rule options act only through the commit.
  if (!is_registration_mode(option)) return;
  // The delete mode works with side 0 as the current side.
  editor_.current_side = static_cast<model::i16>(option == PointOption::active ? 1 : 0);
  s_.point_boxes_locked = option == PointOption::remove;
  s_.point_number = std::to_string(point_count(editor_.current_side));
  point_number_changed();  // shows the last point of the side
}

void EarthPressurePage::step_point(Step step) {
  if (step != Step::previous && step != Step::next) return;
  const int side = editor_.current_side;
  if (!is_side(side) || editor_.current_point_index < 0) return;
  const int count = point_count(side);
  if (count == 0) return;
  int i = editor_.current_point_index + (step == Step::next ? 1 : -1);
  if (i < 0) i = count - 1;
  if (i > count - 1) i = 0;
  editor_.current_point_index = static_cast<model::i16>(i);
  // Coming from the delete mode this selects the last point of the side.
  choose_point_option(side != 0 ? PointOption::active : PointOption::passive);
  select_action_point(editor_.current_point_index + 1);
}

void EarthPressurePage::point_box_changed(PointBox box) {
  const int side = s_.on(PointOption::passive) ? 0 : s_.on(PointOption::active) ? 1 : -1;
  if (side < 0) return;  // the delete mode or no mode: nothing is stored
  if (!is_side(editor_.current_side) || editor_.current_point_index < 0) return;
  const int n = caption_number(s_.point_number);
  if (n <= 0) return;
  if (box == PointBox::x || box == PointBox::y) {
    if (n > point_count(side)) return;  // no such point on the side of the mode
    const double typed = leading_number(s_.box(box).text);
    const double v = leading_number(format_pattern(typed, kCoordinatePattern));
    model::PressurePointList& p = model_.conditions.pressure_points[side];
    (box == PointBox::x ? p.x : p.y)[n - 1] = v;
  } else if (box != PointBox::seabed_level) {
    return;
  }
  effects_.repaint_section();
}

void EarthPressurePage::point_number_changed() {
  const int n = caption_number(s_.point_number);
  // The selection comes before the boxes: their change handlers store into the point selected.
  editor_.current_point_index = static_cast<model::i16>(n - 1);
  const int side = editor_.current_side;
  const model::PressurePointList* p =
      is_side(side) ? &model_.conditions.pressure_points[side] : nullptr;
  if (n != 0 && p != nullptr && n - 1 >= 0 && n - 1 < static_cast<int>(p->x.size())) {
    const double x = p->x[n - 1], y = p->y[n - 1];
    set_point_box(PointBox::x, format_pattern(x, kCoordinatePattern));
    set_point_box(PointBox::y, format_pattern(y, kCoordinatePattern));
  } else {
    set_point_box(PointBox::x, "0.000");
    set_point_box(PointBox::y, "0.000");
  }
}

// ---------------------------------------------------------------------------------------------
// Inner tab 1: the soil layers

void EarthPressurePage::layer_side_chosen(int side) {
  if (!is_side(side)) return;
  editor_.current_side = static_cast<model::i16>(side);
  // The slurry unit weight is edited on the active side only.
  s_.slurry_visible = side == 1;
  s_.layer_number = format_pattern(1, kNumberPattern);
  layer_number_changed();
  effects_.repaint_section();
}

void EarthPressurePage::step_layer(Step step) {
  if (step != Step::previous && step != Step::next) return;
  const int side = editor_.current_side;
  if (!is_side(side) || editor_.current_point_index < 0) return;
  const int layers = point_count(side) - 1;
  if (layers < 1) return;  // a side with fewer than two points has no layer to step to
  int i = editor_.current_point_index + (step == Step::next ? 1 : -1);
  if (i < 0) i = layers - 1;
  if (i > layers - 1) i = 0;
  editor_.current_point_index = static_cast<model::i16>(i);
  s_.layer_number = format_pattern(i + 1, kNumberPattern);
  layer_number_changed();
}

void EarthPressurePage::layer_number_changed() {
  const int n = caption_number(s_.layer_number);
  // The selection comes before the boxes: their change handlers store into the layer selected.
  editor_.current_point_index = static_cast<model::i16>(n - 1);
  const int side = editor_.current_side;
  const int records = static_cast<int>(model::SOIL_LAYER_RECORDS);
  if (n != 0 && is_side(side) && n - 1 >= 0 && n - 1 < records) {
    const model::SoilLayer l = model_.conditions.soil_layers[side][n - 1];
    set_layer_box(LayerBox::phi, format_pattern(l.phi, kPhiPattern));
    set_layer_box(LayerBox::cohesion, format_pattern(l.cohesion, kLayerPattern));
    set_layer_box(LayerBox::cohesion_gradient, format_pattern(l.cohesion_gradient, kLayerPattern));
    set_layer_box(LayerBox::unit_weight_air, format_pattern(l.unit_weight_air, kLayerPattern));
    set_layer_box(LayerBox::unit_weight_submerged,
                  format_pattern(l.unit_weight_submerged, kLayerPattern));
    choose_soil_type(l.soil_type != 0 ? SoilType::clay : SoilType::sand);
    // Only 1 means liquefied; any other value shows cleared.
    set_liquefied(l.liquefied == 1 ? kChecked : kUnchecked);
    set_layer_box(LayerBox::slurry_unit_weight,
                  format_pattern(l.slurry_unit_weight, kLayerPattern));
  } else {
    // Every value but the slurry unit weight, which keeps what it showed.
    for (LayerBox b : {LayerBox::phi, LayerBox::cohesion, LayerBox::cohesion_gradient,
                       LayerBox::unit_weight_air, LayerBox::unit_weight_submerged})
      set_layer_box(b, "0.000");
    choose_soil_type(SoilType::sand);
    set_liquefied(kUnchecked);
  }
  effects_.repaint_section();
}

void EarthPressurePage::soil_type_chosen(SoilType type) {
  if (type != SoilType::sand && type != SoilType::clay) return;
  if (model::SoilLayer* l = selected_layer()) l->soil_type = s_.on(SoilType::sand) ? 0 : 1;
  // Sand is described by φ, clay by its cohesion.
  s_.box(LayerBox::phi).enabled = type == SoilType::sand;
  s_.box(LayerBox::cohesion).enabled = type == SoilType::clay;
  s_.box(LayerBox::cohesion_gradient).enabled = type == SoilType::clay;
}

void EarthPressurePage::liquefied_changed() {
  if (model::SoilLayer* l = selected_layer()) l->liquefied = s_.liquefied == kChecked ? 1 : 0;
}

void EarthPressurePage::layer_box_changed(LayerBox box) {
  if (!is_layer_box(box)) return;
  model::SoilLayer* l = selected_layer();
  if (l == nullptr) return;
  const double v = leading_number(s_.box(box).text);
  switch (box) {
    case LayerBox::phi: l->phi = v; break;
    case LayerBox::cohesion: l->cohesion = v; break;
    case LayerBox::cohesion_gradient: l->cohesion_gradient = v; break;
    case LayerBox::unit_weight_air: l->unit_weight_air = v; break;
    case LayerBox::unit_weight_submerged: l->unit_weight_submerged = v; break;
    case LayerBox::slurry_unit_weight: l->slurry_unit_weight = v; break;
  }
}

// ---------------------------------------------------------------------------------------------
// The inner-tab change

void EarthPressurePage::inner_tab_changed() {
  editor_.pressure_tab =
      s_.inner_tab == 0 ? section::PressureTab::action_points : section::PressureTab::soil_layers;
  if (editor_.pressure_tab == section::PressureTab::soil_layers) {
    if (point_count(0) < 2 || point_count(1) < 2) {
      effects_.messages().show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                                       kMsgNoPressurePoints);
      s_.inner_tab = 0;
      inner_tab_changed();  // as the tab control raises it again for the point tab
      return;
    }
    if (!s_.side_options[0] && !s_.side_options[1]) {
      choose_layer_side(0);  // shows layer 1 of side 0
      return;
    }
    editor_.current_side = static_cast<model::i16>(s_.side_options[0] ? 0 : 1);
    // The point tab moved the selection to a point; the layer boxes write into the selected
    // layer, so the layer the label names is selected and shown again, within the side's layers.
    const int layers = point_count(editor_.current_side) - 1;
    const int n = std::clamp(caption_number(s_.layer_number), 1, layers);
    s_.layer_number = format_pattern(n, kNumberPattern);
    layer_number_changed();
    return;
  }
  editor_.current_side =
      static_cast<model::i16>(s_.on(PointOption::active) && !s_.on(PointOption::passive) ? 1 : 0);
}

}  // namespace qvt::pages
