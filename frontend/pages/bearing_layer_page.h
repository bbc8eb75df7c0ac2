#pragma once
// Category 4, the bearing layer ("支持層"): sandy or clayey ground below the improved body. For
// sandy ground the page proposes φ from the mean N value by one of five formulas and the bearing
// capacity factors Nr and Nq for φ from the table sj_keisu. A φ, Nr or Nq box holding a negative
// value asks for the proposal: it takes it as soon as the proposal is positive.
#include "frontend/model/bearing_factors.h"
#include "frontend/model/project.h"
#include "frontend/pages/design_conditions_page.h"
#include "frontend/pages/input_page.h"
#include "frontend/pages/page_effects.h"

#include <array>
#include <functional>
#include <string>

namespace qvt::pages {

// The entries of the formula list, in list order; the last uses the φ typed in.
inline constexpr std::array<const char*, 6> kPhiFormulas = {
    "φ=（√12N）+15°", "φ=（√12N）+20°", "φ=（√12N）+25°",
    "φ=（√20N）+15°", "φ=（√15N）+15°", "入力値を使用"};

struct BearingLayerState {
  // 0 unit weight (sandy), 1 β, 2 mean N, 3 φ, 4 Nr, 5 Nq, 6 Po (hidden), 7 Co, 8 K,
  // 9 unit weight (clayey), 10 μ.
  std::array<TextBox, 11> txt_gm11{};
  // Pairs: soil type (0) sandy / (1) clayey, friction rule (2) input / (3) tan φ, founding
  // (4) floating / (5) landed.
  std::array<bool, 6> opt_gm11{true, false, false, true, true, false};
  int cbo_gm11 = -1;  // the list index selected, -1 none
  // Captions of the proposals of φ, Nr and Nq (`lbl_gm11`(14), (15), (16)).
  std::array<std::string, 3> proposal{"0.00", "0.00", "0.00"};
  // Frames `fra_gm11`(0..4): types, sandy values, clayey values, improvement form, friction.
  std::array<bool, 5> fra_gm11_visible{true, true, false, false, true};
  bool wall_notes_visible = false;   // Label12 to Label14
  bool other_notes_visible = true;   // Label15 to Label18
  int chk_katu = kUnchecked;
};

class BearingLayerPage : public InputPage {
 public:
  // `wall_pattern` tells whether the wall pattern is chosen on the design-conditions page.
  BearingLayerPage(model::ProjectModel& model, PageEffects& effects,
                   std::function<bool()> wall_pattern);

  // The box of the mean N value, kept as a 16-bit integer.
  static constexpr int kMeanNBox = 2;

  const BearingLayerState& state() const { return s_; }

  // `load_bearing_layer_page` and `store_bearing_layer_page`.
  void load() override;
  void store() override;

  // --- Events of the user ---
  void text_edited(int index, const std::string& text);
  void lost_focus(int index);
  void select_formula(int index);  // the user picks a list entry
  void opt_gm11_select(int index);
  void set_chk_katu(int state) { s_.chk_katu = state; }

  // --- Handlers as the system names them ---
  void txt_gm11_Change(int index);
  void cbo_gm11_Click() { txt_gm11_Change(2); }
  void cmd_gm11_Click(int index);
  void opt_gm11_Click(int index);

  // The φ proposal of a formula for a mean N (0 for "入力値を使用" or no entry).
  static double phi_proposal(int formula, double mean_n);

 private:
  void set_text(int index, const std::string& text);  // by code: raises the box's Change
  double value_of(int index) const;
  double proposal_value(int which) const;
  void mean_n_changed();
  void phi_changed();
  // Steps 3 to 6 of the φ procedure: look the factors up, show them, fill negative boxes.
  void show_factors(double phi);
  void fill_from_caption(int box, int which);

  model::ProjectModel& model_;
  PageEffects& effects_;
  std::function<bool()> wall_pattern_;
  BearingLayerState s_;
  bool table_message_said_ = false;
};

}  // namespace qvt::pages
