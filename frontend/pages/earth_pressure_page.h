#pragma once
// Category 6, the earth pressure ("土圧作用"): the action points of the passive side (0) and
// the active side (1), placed in the section picture and stepped through here, and the soil
// layers between consecutive points of a side, edited one at a time. The inner tab 0 edits the
// points and the seabed rule of the active earth pressure, the inner tab 1 the layers.
//
// The selection lives in the picture editor's state (`current_side`, `current_point_index`,
// `pressure_tab`), which the picture reads to mark the selected layer. Values typed into the layer
// boxes reach the model at once; the commit adds the layer bounds and the seabed rule.
#include "frontend/model/project.h"
#include "frontend/pages/design_conditions_page.h"
#include "frontend/pages/input_page.h"
#include "frontend/pages/page_effects.h"
#include "frontend/section/editor_state.h"

#include <array>
#include <string>

namespace qvt::pages {

inline constexpr const char* kMsgNoPressurePoints = "土圧作用点が設定されていません。";

// The options of the point tab: the registration modes "受働", "主働" and "削除" form one
// group, the seabed of the active earth pressure, "受働側土圧作用点の上限" or "入力値（m）",
// another.
enum class PointOption { passive, active, remove, seabed_at_passive_top, seabed_typed };
// The boxes of the point tab: X and Y of the selected point, the seabed level of the active
// earth pressure as typed.
enum class PointBox { x, y, seabed_level };
// The values of one soil layer. φ is enabled for sand, the cohesion boxes for clay; the slurry
// unit weight belongs to the active side only.
enum class LayerBox {
  phi,
  cohesion,
  cohesion_gradient,
  unit_weight_air,
  unit_weight_submerged,
  slurry_unit_weight
};
// The soil type options "砂質土" and "粘性土".
enum class SoilType { sand, clay };
// The step buttons "<" and ">" beside the point and the layer number.
enum class Step { previous, next };

struct EarthPressureState {
  int inner_tab = 0;  // 0 action points, 1 soil layers

  // Inner tab 0. None of the options may be on.
  std::array<bool, 5> point_options{};
  std::string point_number = "0";  // the number of the selected point, 1-based
  std::array<TextBox, 3> point_boxes{};
  bool point_boxes_locked = false;  // X and Y read-only in the delete mode

  // Inner tab 1. The side options by side (SIDE_PASSIVE, SIDE_ACTIVE); none on until one is
  // chosen.
  std::array<bool, 2> side_options{};
  std::string layer_number = "0";  // the number of the selected layer, 1-based
  std::array<TextBox, 6> layer_boxes{};
  std::array<bool, 2> soil_type_options{};
  int liquefied = kUnchecked;   // "液状化土層の場合はチェック"
  bool slurry_visible = false;  // the slurry unit weight and its caption: the active side only

  bool on(PointOption o) const { return point_options[static_cast<std::size_t>(o)]; }
  bool on(SoilType t) const { return soil_type_options[static_cast<std::size_t>(t)]; }
  const TextBox& box(PointBox b) const { return point_boxes[static_cast<std::size_t>(b)]; }
  const TextBox& box(LayerBox b) const { return layer_boxes[static_cast<std::size_t>(b)]; }
  TextBox& box(PointBox b) { return point_boxes[static_cast<std::size_t>(b)]; }
  TextBox& box(LayerBox b) { return layer_boxes[static_cast<std::size_t>(b)]; }
};

class EarthPressurePage : public InputPage {
 public:
  EarthPressurePage(model::ProjectModel& model, PageEffects& effects,
                    section::EditorState& editor);

  const EarthPressureState& state() const { return s_; }

  // `load_earth_pressure_page` and `store_earth_pressure_page`.
  void load() override;
  void store() override;
  // On arrival after the load: the passive registration mode when no mode is chosen.
  void arrive() override;

  // --- Events of the user ---
  // Typed text; false when the box refuses it (more than 10 characters).
  bool point_box_edited(PointBox box, const std::string& text);
  bool layer_box_edited(LayerBox box, const std::string& text);
  void point_box_left(PointBox box);
  void layer_box_left(LayerBox box);
  // Switches an option on; its handler runs when it was off.
  void choose_point_option(PointOption option);
  void choose_layer_side(int side);
  void choose_soil_type(SoilType type);
  void tick_liquefied(bool checked);
  // The inner tab picked; the layer tab is refused while a side has fewer than two points.
  void select_inner_tab(int tab);
  // The commands that replace the project: the option is switched on and its handler runs,
  // whether or not it was on.
  void reselect_point_option(PointOption option);
  void reselect_layer_side(int side);
  // The picture editor registered or removed a point: the point number label shows n.
  void select_action_point(int n);

  // --- Handlers ---
  void point_option_chosen(PointOption option);
  void step_point(Step step);
  void point_box_changed(PointBox box);
  void layer_side_chosen(int side);
  void step_layer(Step step);
  void soil_type_chosen(SoilType type);
  void liquefied_changed();
  void layer_box_changed(LayerBox box);
  // The inner-tab change of the category.
  void inner_tab_changed();
  // Show the point or layer the number label names and select it.
  void point_number_changed();
  void layer_number_changed();

 private:
  // By code: a box raises its Change only when its text changes.
  void set_point_box(PointBox box, const std::string& text);
  void set_layer_box(LayerBox box, const std::string& text);
  void set_liquefied(int state);
  int point_count(int side) const;
  // The layer the layer boxes write into, or null when no layer of the side is selected.
  model::SoilLayer* selected_layer();

  model::ProjectModel& model_;
  PageEffects& effects_;
  section::EditorState& editor_;
  EarthPressureState s_;
};

}  // namespace qvt::pages
