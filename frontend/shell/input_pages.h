#pragma once
// The seven input pages of the main window, one container per input category. The pages
// themselves (their controls, and how they fill from and commit into the project model) come
// later; today each container is empty and its load and store procedures hold nothing, so the
// commands that call them already run in their final order.
#include "frontend/model/project.h"

#include <array>

class QCheckBox;
class QLabel;
class QWidget;

namespace qvt::shell {

// `tabs`: the number of input categories. Page index = category: 0 design conditions,
// 1 superstructure, 2 improved body, 3 ground surface, 4 bearing layer, 5 dimension lines,
// 6 earth-pressure action points and soil layers.
inline constexpr int kInputPageCount = 7;

class InputPages {
 public:
  // Creates the containers as children of `parent`, placed, hidden and disabled.
  InputPages(QWidget* parent, model::ProjectModel& model);

  QWidget* tab_gm(int index) const { return tab_gm_.at(index); }
  // A page counts as shown when its container is not hidden.
  bool is_shown(int index) const;

  // The bracket label and the check box "無条件に無視" of the liquefaction option on the
  // design-conditions page, shown only for the command line "/td".
  QLabel* lbl_gm1_27() const { return lbl_gm1_27_; }
  QCheckBox* chk_gm1_2() const { return chk_gm1_2_; }
  void show_td_controls(bool shown);

  // Commit a page's controls into the model.
  void store_design_conditions_page() {}
  void store_superstructure_page() {}
  void store_improved_body_page() {}
  void store_ground_surface_page() {}
  void store_bearing_layer_page() {}
  void store_earth_pressure_page() {}
  // Fill a page's controls from the model.
  void load_design_conditions_page() {}
  void load_superstructure_page() {}
  void load_improved_body_page() {}
  void load_ground_surface_page() {}
  void load_bearing_layer_page() {}
  void load_earth_pressure_page() {}

  // The page's own store procedure by index (page 5 stores nothing).
  void store_page(int index);
  // The page's own load procedure by index (page 5 loads nothing).
  void load_page(int index);

  // The side shown on the action-point page (Index 0 to 4) and on the soil-layer page
  // (Index 0 passive, 1 active).
  void opt_gm4_Click(int index);
  void opt_gm5_Click(int index);

 private:
  model::ProjectModel& model_;
  std::array<QWidget*, kInputPageCount> tab_gm_{};
  QLabel* lbl_gm1_27_ = nullptr;
  QCheckBox* chk_gm1_2_ = nullptr;
  int action_point_side_ = 0;
  int soil_layer_side_ = 0;
};

}  // namespace qvt::shell
