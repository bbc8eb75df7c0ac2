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

// The number boxes of the page, by their captions.
enum BearingBox : int {
  kSandyUnitWeightBox = 0,  // 砂質土地盤 "単位体積重量 （kN/m3）  水中"
  kShapeFactorBox = 1,      // "形状係数 β"
  kMeanNBox = 2,            // "平均Ｎ値", kept as a 16-bit integer
  kPhiBox = 3,              // "φ"
  kNrBox = 4,               // "Ｎｒ"
  kNqBox = 5,               // "Ｎｑ"
  kPoBox = 6,               // "支持砂層の有効土かぶり圧 Ｐｏ", hidden: carried from load to commit
  kCohesionBox = 7,         // "基準面での粘着力　Ｃｏ"
  kCohesionGradientBox = 8, // "粘着勾配　Ｋ"
  kClayUnitWeightBox = 9,   // 粘性土地盤 "単位体積重量 （kN/m3）  水中"
  kFrictionBox = 10,        // "摩擦係数　μ": the typed μ, or with μ=tanΦ chosen, locked, the μ
                            // the sliding check takes: tan φ of the φ box
  kBearingBoxCount = 11,
};

// The option buttons of the page, in pairs of which one is chosen.
enum BearingOption : int {
  kSandyGround = 0,     // "砂質土地盤（着底型）"
  kClayeyGround = 1,    // "粘性土地盤"
  kFrictionInput = 2,   // "入力値"
  kFrictionTanPhi = 3,  // "μ=tanΦ"
  kFloating = 4,        // "浮き型（標準）"
  kLanded = 5,          // "着底型（特殊な事例）"
  kBearingOptionCount = 6,
};

// The frames of the page.
enum BearingFrame : int {
  kSoilTypeFrame = 0,        // "支持層タイプ"
  kSandyFrame = 1,           // "砂質土地盤"
  kClayeyFrame = 2,          // "粘性土地盤"
  kImprovementFormFrame = 3, // "改良形式"
  kFrictionFrame = 4,        // "滑動検討において"
  kBearingFrameCount = 5,
};

// The proposals beside the boxes φ, Nr and Nq, in that order.
enum BearingProposal : int { kPhiProposal = 0, kNrProposal = 1, kNqProposal = 2 };

struct BearingLayerState {
  std::array<TextBox, kBearingBoxCount> boxes{};
  std::array<bool, kBearingOptionCount> options{true, false, false, true, true, false};
  int formula = -1;  // the list index selected, -1 none
  // Captions of the proposals of φ, Nr and Nq.
  std::array<std::string, 3> proposal{"0.00", "0.00", "0.00"};
  std::array<bool, kBearingFrameCount> frame_visible{true, true, false, false, true};
  bool wall_notes_visible = false;   // the bottom cohesion of the wall pattern's sliding check
  bool other_notes_visible = true;   // the shear resistance of the other patterns' sliding check
  // "滑働の検討において、支持面が傾斜する場合の改良幅Bを傾斜長とする"
  int slope_length_width = kUnchecked;
};

class BearingLayerPage : public InputPage {
 public:
  // `wall_pattern` tells whether the wall pattern is chosen on the design-conditions page.
  BearingLayerPage(model::ProjectModel& model, PageEffects& effects,
                   std::function<bool()> wall_pattern);

  const BearingLayerState& state() const { return s_; }

  // `load_bearing_layer_page` and `store_bearing_layer_page`.
  void load() override;
  void store() override;

  // --- Events of the user ---
  void text_edited(int box, const std::string& text);
  void lost_focus(int box);
  void select_formula(int index);  // the user picks a list entry
  void choose_option(int option);
  void set_slope_length_width(int state) { s_.slope_length_width = state; }
  // An arrow button: the proposal (`BearingProposal`) goes into its box.
  void take_proposal(int which);

  // --- What follows a change, whether the user's or the code's ---
  void box_changed(int box);
  void formula_chosen() { box_changed(kMeanNBox); }
  void option_chosen(int option);

  // The φ proposal of a formula for a mean N (0 for "入力値を使用" or no entry).
  static double phi_proposal(int formula, double mean_n);

 private:
  void set_text(int box, const std::string& text);  // by code: runs box_changed
  double value_of(int box) const;
  double proposal_value(int which) const;
  void mean_n_changed();
  void phi_changed();
  // Steps 3 to 6 of the φ procedure: look the factors up, show them, fill negative boxes.
  void show_factors(double phi);
  // The μ box: the typed μ, editable, or with μ=tanΦ chosen tan φ, locked.
  void show_friction();
  void fill_from_caption(int box, int which);

  model::ProjectModel& model_;
  PageEffects& effects_;
  std::function<bool()> wall_pattern_;
  BearingLayerState s_;
  // The typed μ, kept while the box shows tan φ: the project keeps it as it was.
  std::string typed_mu_ = "0.000";
  bool table_message_said_ = false;
};

}  // namespace qvt::pages
