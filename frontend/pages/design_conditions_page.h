#pragma once
// Category 0, the design conditions ("設計条件"), with its three inner tabs: basic conditions,
// seismic coefficients and clay options, external forces and surcharges. The page state is
// plain data (texts, selections, check states, enabled and visible flags); each event of the
// controls is one method. Setting a control by code runs its handler here, in the order in
// which the load sets the controls, since the product rule and the frame choice depend on it.
#include "common/improvement_pattern.h"
#include "frontend/model/project.h"
#include "frontend/pages/input_page.h"
#include "frontend/pages/page_effects.h"

#include <array>
#include <string>

namespace qvt::pages {

struct TextBox {
  std::string text;
  bool enabled = true;
};

// Check-box states as the commit reads them.
enum CheckState : int { kUnchecked = 0, kChecked = 1, kGrayed = 2 };

// The text boxes of the page, in five groups: the basic conditions, the seismic coefficients,
// the external forces, the top surcharges and the body reactions with the dynamic water force.
enum class BoxGroup { basic, seismic, forces, surcharges, reactions };
struct BoxId {
  BoxGroup group;
  int index;
};

// The basic-conditions boxes, by their captions. The slots between them are not built.
inline constexpr BoxId kJobNameBox{BoxGroup::basic, 0};               // "業務名称"
inline constexpr BoxId kCompressiveNormalBox{BoxGroup::basic, 1};     // "許容圧縮応力度" 常時
inline constexpr BoxId kCompressiveSeismicBox{BoxGroup::basic, 2};    // "許容圧縮応力度" 地震時
inline constexpr BoxId kShearNormalBox{BoxGroup::basic, 3};           // "許容せん断応力度" 常時
inline constexpr BoxId kShearSeismicBox{BoxGroup::basic, 4};          // "許容せん断応力度" 地震時
inline constexpr BoxId kWaterUnitWeightBox{BoxGroup::basic, 20};      // "水の単位体積重量 (kN/m3)"
inline constexpr BoxId kCohesionLevelBox{BoxGroup::basic, 21};        // "粘着基準線の標高 (m)"
inline constexpr BoxId kHwlBox{BoxGroup::basic, 22};                  // "Ｈ．Ｗ．Ｌ"
inline constexpr BoxId kLwlBox{BoxGroup::basic, 23};                  // "Ｌ．Ｗ．Ｌ"
inline constexpr BoxId kRwlBox{BoxGroup::basic, 24};                  // "Ｒ．Ｗ．Ｌ"
inline constexpr BoxId kImprovementRatioBox{BoxGroup::basic, 25};     // "改良率 ap"
inline constexpr BoxId kLiquefiedCoefBox{BoxGroup::basic, 26};        // "液状化層の土圧係数"
inline constexpr BoxId kDesignStrengthSeismicBox{BoxGroup::basic, 29};  // "設計基準強度 quck" 地震時
inline constexpr BoxId kDesignStrengthNormalBox{BoxGroup::basic, 30};   // "設計基準強度 quck" 常時
inline constexpr int kBasicBoxSlots = 31;

// The safety factors, a row per check and a column per case (model::CASE_NORMAL, CASE_SEISMIC).
enum SafetyCheck : int {
  kSlidingCheck = 0,      // "滑り出し"
  kOverturningCheck = 1,  // "転倒"
  kBearingCheck = 2,      // "支持力"
  kPullOutCheck = 3,      // "抜け出し"
};
constexpr BoxId safety_factor_box(int check, int load_case) {
  return {BoxGroup::basic, 12 + 2 * check + load_case};
}

// The seismic-coefficient boxes: the earth-pressure column, the inertia column and the
// apparent coefficient.
inline constexpr BoxId kRegionalEarthBox{BoxGroup::seismic, 0};       // "地域別震度"
inline constexpr BoxId kGroundTypeEarthBox{BoxGroup::seismic, 1};     // "地盤種別係数"
inline constexpr BoxId kImportanceEarthBox{BoxGroup::seismic, 2};     // "重要度係数"
inline constexpr BoxId kSeismicCoefEarthBox{BoxGroup::seismic, 3};    // "設計震度" 地震時土圧
inline constexpr BoxId kSeismicCoefInertiaBox{BoxGroup::seismic, 4};  // "設計震度" 慣性力
inline constexpr BoxId kApparentCoefBox{BoxGroup::seismic, 5};        // "見かけの震度" 直接入力
inline constexpr BoxId kRegionalInertiaBox{BoxGroup::seismic, 6};
inline constexpr BoxId kGroundTypeInertiaBox{BoxGroup::seismic, 7};
inline constexpr BoxId kImportanceInertiaBox{BoxGroup::seismic, 8};
inline constexpr int kSeismicBoxSlots = 9;

// The external forces: three rows of each case, a column per caption.
enum ForceColumn : int { kForceName = 0, kForceVertical, kForceHorizontal, kForceX, kForceY };
constexpr BoxId force_box(int load_case, int row, int column) {
  return {BoxGroup::forces, 15 * load_case + 5 * row + column};
}
inline constexpr int kForceBoxSlots = 30;

// The top surcharges: three ranges, a column per caption.
enum SurchargeColumn : int {
  kSurchargeXmin = 0,
  kSurchargeXmax,
  kSurchargeNormal,   // 作用力 "常 時"
  kSurchargeSeismic,  // 作用力 "地震時"
};
constexpr BoxId surcharge_box(int row, int column) { return {BoxGroup::surcharges, 4 * row + column}; }
inline constexpr int kSurchargeBoxSlots = 12;

// The body reactions, a column per case, and the dynamic water force.
inline constexpr BoxId kReactionNormalBox{BoxGroup::reactions, 0};     // "地盤反力(kN/m2)"
inline constexpr BoxId kReactionSeismicBox{BoxGroup::reactions, 1};
inline constexpr BoxId kSpreadWidthNormalBox{BoxGroup::reactions, 2};  // "分布幅(m)"
inline constexpr BoxId kSpreadWidthSeismicBox{BoxGroup::reactions, 3};
inline constexpr BoxId kSpreadAngleNormalBox{BoxGroup::reactions, 4};  // "分散角(°)"
inline constexpr BoxId kSpreadAngleSeismicBox{BoxGroup::reactions, 5};
// The spread angle boxes show the stored angle plus this.
inline constexpr double kSpreadAngleShownPlus = 30;
inline constexpr BoxId kDynamicWaterForceBox{BoxGroup::reactions, 6};  // "動水圧合力(kN/m)"
inline constexpr BoxId kDynamicWaterLevelBox{BoxGroup::reactions, 7};  // "作用位置  標高(m)"
inline constexpr int kReactionBoxSlots = 8;

// The improvement pattern as the page's buttons choose it; the values are the codes the
// conditions file stores.
enum class PatternChoice : int {
  none = -1,            // no button chosen (a code outside the four in the file)
  block = PATTERN_BLOCK,                      // "ブロック式"
  wall = PATTERN_WALL,                        // "壁式"
  tangent_circles = PATTERN_TANGENT_CIRCLES,  // "接円式(ラップなし)"
  lattice = PATTERN_LATTICE,                  // "格子式"
};

// A clay earth-pressure formula pair (normal and seismic case); the values are the stored codes.
enum ClayFormulaChoice : int {
  kNoClayFormula = -1,
  kCompareFormulas = 0,   // "（式－1）と（式－2）を比較し、構造物に危険となる土圧分布をとる"
  kFormulaOneOnly = 1,    // "（式－1）のみで土圧を計算する"
};

// The option buttons of the seismic tab, each in one group.
enum SeismicOption : int {
  kCoefDirect = 0,              // 設計震度 "直接入力"
  kCoefFromFactors = 1,         // "係数より計算"
  kApparentDirect = 2,          // 見かけの震度 "直接入力", code 0
  kApparentGeneral = 3,         // "一般式（γ/（γ-10）・ｋ）", code 1
  kApparentNiken = 4,           // "二建の提案式", code 2
  kApparentAraiYokoi = 5,       // "荒井・横井の提案式", code 3
  kShallowPressureBounds = 6,   // "土圧強度を直線補間して上・下限値を求める", code 2
  kShallowApparentBounds = 7,   // "見かけの震度を直線補間して上・下限値を求める", code 3
  kRwlAirBelowApparent = 8,     // "上側は空中震度、下側は見かけの震度を用いる"
  kRwlAirBoth = 9,              // "上・下共に空中震度を用いる"
  kSeismicClayCompare = 10,     // 土圧強度式 "（式－1）と（式－2）を比較し..."
  kSeismicClayFormulaOne = 11,  // "（式－1）のみで土圧を計算する"
  kShallowPressureLower = 12,   // "土圧強度を直線補間して下限値を求める", code 0
  kShallowApparentBoth = 13,    // "上・下共に見かけの震度を用いて土圧を計算する", code 1
  kSeismicOptionCount = 14,
};

// The frames that show a picture or a hint when the mouse moves over them.
enum HintFrame : int {
  kSeismicCoefFrame = 0,       // "設計震度"
  kApparentCoefFrame = 1,      // "見かけの震度"
  kRwlFrame = 2,               // "Ｒ．Ｗ．Ｌ．位置の震度の取り扱い"
  kClayHandlingFrame = 3,      // "粘性土の取り扱い"
  kSeismicClayFormulaFrame = 4,  // "土圧強度式"
  kShallowClayFrame = 5,       // "海底面～海底面-10mにある粘土層の土圧計算方法と採用値"
  kTopSurchargeFrame = 6,      // "上載荷重（本体工上部）"
  kClayComparisonFrame = 7,    // "海底面以下にある粘土層の土圧採用値"
  kHintFrameCount = 8,
};

// The two comparison check boxes of the clay layers below the seabed.
enum ClayComparison : int { kCompareShallow = 0, kCompareDeep = 1 };

// The pictures the seismic tab shows beside its options (0: none yet).
inline constexpr int kPictureRwl = 1;   // wall pressure lines at the R.W.L., options (1), (2)
inline constexpr int kPictureClay = 3;  // the two clay earth-pressure formulas

struct DesignConditionsState {
  // Inner tab "基本条件".
  std::array<TextBox, kBasicBoxSlots> basic_boxes{};
  PatternChoice improvement_pattern = PatternChoice::none;
  int normal_clay_formula = kNoClayFormula;  // "粘性土土圧強度式"
  bool allowable_stresses_visible = true;  // "許容応力度（kN/m2）"
  bool allowable_shear_visible = true;     // its row "許容せん断応力度"
  bool design_strength_visible = true;     // its rows "設計基準強度 quck" and 1/2・quck・ap
  int seismic_check = kUnchecked;               // "地震時の検討"
  int liquefied_vertical_ignored = kUnchecked;  // "主働土圧を流動土圧に置き換えた場合、..."
  int unconditionally_ignored = kUnchecked;     // "無条件に無視"
  bool td_controls_visible = false;  // "無条件に無視" with its brackets

  // Inner tab "地震時".
  std::array<TextBox, kSeismicBoxSlots> seismic_boxes{};
  std::array<bool, kSeismicOptionCount> seismic_options{};
  std::array<int, 2> clay_comparison{};  // by `ClayComparison`
  int seismic_picture = 0;
  int last_illustration_index = 0;

  // Inner tab "外力".
  std::array<TextBox, kForceBoxSlots> force_boxes{};
  std::array<TextBox, kSurchargeBoxSlots> surcharge_boxes{};
  int top_surcharge_considered = kUnchecked;  // "本体工上部の上載荷重を計算に考慮する"
  std::array<TextBox, kReactionBoxSlots> reaction_boxes{};

  // The inner tab selected and which of the three tabs' frames are enabled.
  int inner_tab = 0;
  std::array<bool, 3> inner_frame_enabled{true, false, false};
};

class DesignConditionsPage : public InputPage {
 public:
  DesignConditionsPage(model::ProjectModel& model, PageEffects& effects);

  const DesignConditionsState& state() const { return s_; }
  const TextBox& text_box(BoxId id) const { return box(id); }

  // `load_design_conditions_page` and `store_design_conditions_page`.
  void load() override;
  void store() override;

  // The improvement pattern chosen. The improved-body and bearing-layer pages ask here rather
  // than the model, so a pattern chosen on this page reaches them before the page is committed.
  PatternChoice improvement_pattern() const { return s_.improvement_pattern; }

  // --- Events of the user ---
  // A text typed into a box. False when the box refuses it (name limits); the box then keeps
  // its text.
  bool text_edited(BoxId box, const std::string& text);
  void got_focus(BoxId box);
  void lost_focus(BoxId box);
  // The user selects an option button or sets a check box.
  void choose_improvement_pattern(PatternChoice pattern);
  void choose_normal_clay_formula(int formula);  // a `ClayFormulaChoice`
  void choose_seismic_option(int option);        // a `SeismicOption`
  void set_seismic_check(int state);
  void set_liquefied_vertical_ignored(int state);
  void set_unconditionally_ignored(int state);
  void set_clay_comparison(int which, int state);
  void set_top_surcharge_considered(int state);
  // The inner tab changes: only its frame is enabled.
  void select_inner_tab(int tab);
  // When the category becomes enabled, the frame of the selected inner tab is enabled and the
  // others are disabled.
  void enable_selected_inner_frame();
  void disable_inner_frames();
  // The "/td" switch shows "無条件に無視" with its brackets.
  void show_td_controls(bool shown) { s_.td_controls_visible = shown; }

  // --- What follows a choice or a move, whether the user's or the code's ---
  void improvement_pattern_chosen(PatternChoice pattern);
  void seismic_option_chosen(int option);
  void seismic_box_changed(int index);
  void hover_frame(int frame);                // a `HintFrame`
  void hover_seismic_option(int option);      // a `SeismicOption`
  void hover_clay_comparison(int which);      // a `ClayComparison`

  // Whether `value` typed into a seismic factor box keeps the product of its column, as its
  // design coefficient box would show it, a seismic coefficient that can be typed: the product
  // is what the calculation takes, and a coefficient above 1 is none. True for other boxes.
  bool factor_keeps_coefficient(BoxId box, double value) const;

  // The display pattern of a box; empty for boxes that keep their text as typed.
  static const char* pattern_of(BoxId box);

 private:
  TextBox& box(BoxId id);
  const TextBox& box(BoxId id) const;
  void set_text(BoxId id, const std::string& text);  // by code: follows the change
  void set_value(BoxId id, double value);            // formatted with the box's pattern
  double value_of(BoxId id) const;
  void select_pattern(PatternChoice pattern);  // by code: selects and follows the choice
  void select_seismic_option(int option);
  void store_forces();

  model::ProjectModel& model_;
  PageEffects& effects_;
  DesignConditionsState s_;
};

}  // namespace qvt::pages
