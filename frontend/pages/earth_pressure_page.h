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

struct EarthPressureState {
  int inner_tab = 0;  // 0 action points, 1 soil layers

  // Inner tab 0. Options 0 "受働", 1 "主働", 2 "削除" form one group, 3 "受働側土圧作用点の
  // 上限" and 4 "入力値（m）" another; none may be on.
  std::array<bool, 5> opt_gm4{};
  std::string lbl_gm4 = "0";  // the number of the selected point, 1-based
  // 0 X, 1 Y of the selected point, 2 the seabed level of the active earth pressure.
  std::array<TextBox, 3> txt_gm4{};
  bool txt_gm4_locked = false;  // X and Y read-only in the delete mode

  // Inner tab 1. The side options 0 "受働", 1 "主働"; none on until one is chosen.
  std::array<bool, 2> opt_gm5{};
  std::string lbl_gm5 = "0";  // the number of the selected layer, 1-based
  // 0 φ, 1 cohesion, 2 cohesion gradient, 3 and 4 unit weights in air and under water,
  // 5 slurry unit weight. φ is enabled for sand, the cohesion boxes for clay.
  std::array<TextBox, 6> txt_gm5{};
  std::array<bool, 2> opt_gmd5{};  // soil type: 0 "砂質土", 1 "粘性土"
  int chk_gm5 = kUnchecked;        // liquefied
  bool slurry_visible = false;     // `lbl_gm5`(2) and `txt_gm5`(5): the active side only
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
  bool txt_gm4_edited(int index, const std::string& text);
  bool txt_gm5_edited(int index, const std::string& text);
  void txt_gm4_lost_focus(int index);
  void txt_gm5_lost_focus(int index);
  // Switches an option on; its Click runs when it was off.
  void opt_gm4_select(int index);
  void opt_gm5_select(int index);
  void opt_gmd5_select(int index);
  void chk_gm5_set(bool checked);
  // The inner tab picked; the layer tab is refused while a side has fewer than two points.
  void select_inner_tab(int tab);
  // The commands that replace the project: the option is switched on and its Click runs,
  // whether or not it was on.
  void choose_opt_gm4(int index);
  void choose_opt_gm5(int index);
  // The picture editor registered or removed a point: the point number label shows n.
  void select_action_point(int n);

  // --- Handlers as the system names them ---
  void opt_gm4_Click(int index);
  void cmd_gm4_Click(int index);
  void txt_gm4_Change(int index);
  void opt_gm5_Click(int index);
  void cmd_gm5_Click(int index);
  void opt_gmd5_Click(int index);
  void chk_gm5_Click();
  void txt_gm5_Change(int index);
  // The inner-tab change of the category.
  void tab_gm_Click();
  // Show the point or layer named by `lbl_gm4`(0) or `lbl_gm5`(0) and select it.
  void lbl_gm4_Change(int index);
  void lbl_gm5_Change(int index);

 private:
  // By code: a box raises its Change only when its text changes.
  void set_txt_gm4(int index, const std::string& text);
  void set_txt_gm5(int index, const std::string& text);
  void set_chk_gm5(int state);
  int point_count(int side) const;
  // The layer the layer boxes write into, or null when no layer of the side is selected.
  model::SoilLayer* selected_layer();

  model::ProjectModel& model_;
  PageEffects& effects_;
  section::EditorState& editor_;
  EarthPressureState s_;
};

}  // namespace qvt::pages
