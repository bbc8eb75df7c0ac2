#include "frontend/pages/design_conditions_page.h"

#include "frontend/pages/tests/page_test_support.h"

#include <gtest/gtest.h>

namespace qvt::pages {
namespace {

using testing::RecordingEffects;

class DesignConditionsPageTest : public ::testing::Test {
 protected:
  model::ProjectModel m;
  RecordingEffects fx;
  DesignConditionsPage page{m, fx};
  const DesignConditionsState& s() const { return page.state(); }
  model::ProjectConditions& c() { return m.conditions; }
  // Types a text and leaves the box, as a user does.
  void type(BoxId b, const std::string& text) {
    page.got_focus(b);
    ASSERT_TRUE(page.text_edited(b, text));
    page.lost_focus(b);
  }
};

TEST_F(DesignConditionsPageTest, NewProjectShowsItsDefaults) {
  page.load();
  EXPECT_EQ(page.text_box(kImprovementRatioBox).text, "100.0");
  const char* factors[4][2] = {{"1.2", "1.0"}, {"1.2", "1.1"}, {"2.5", "1.5"}, {"1.2", "1.0"}};
  for (int check = kSlidingCheck; check <= kPullOutCheck; ++check)
    for (int cs = model::CASE_NORMAL; cs <= model::CASE_SEISMIC; ++cs)
      EXPECT_EQ(page.text_box(safety_factor_box(check, cs)).text, factors[check][cs]) << check << cs;
  EXPECT_EQ(page.text_box(kCompressiveNormalBox).text, "600.00");
  EXPECT_EQ(page.text_box(kCompressiveSeismicBox).text, "900.00");
  EXPECT_EQ(page.text_box(kShearNormalBox).text, "300.00");
  EXPECT_EQ(page.text_box(kShearSeismicBox).text, "450.00");
  EXPECT_EQ(page.text_box(kWaterUnitWeightBox).text, "10.100");
  EXPECT_EQ(page.text_box(kLiquefiedCoefBox).text, "1.0");
  EXPECT_EQ(s().seismic_check, kUnchecked);
  EXPECT_EQ(s().liquefied_vertical_ignored, kChecked);
  EXPECT_EQ(page.text_box(kSpreadAngleNormalBox).text, "30.000");
  EXPECT_EQ(page.text_box(kSpreadAngleSeismicBox).text, "30.000");
  // Shallow-clay method 0 is the second button from the top.
  EXPECT_TRUE(s().seismic_options[kShallowPressureLower]);
  EXPECT_FALSE(s().seismic_options[kShallowApparentBoth] ||
               s().seismic_options[kShallowPressureBounds] ||
               s().seismic_options[kShallowApparentBounds]);
  EXPECT_TRUE(s().allowable_stresses_visible);
  EXPECT_FALSE(s().design_strength_visible);
  // Direct input: the factor boxes are disabled, the design coefficients enabled.
  EXPECT_FALSE(page.text_box(kRegionalEarthBox).enabled);
  EXPECT_TRUE(page.text_box(kSeismicCoefEarthBox).enabled);

  // Committing without change keeps the stored angle 0 and every default.
  const model::ProjectConditions before = c();
  page.store();
  EXPECT_EQ(c().body_reactions[0].spread_angle, 0);
  EXPECT_EQ(c().body_reactions[1].spread_angle, 0);
  EXPECT_EQ(c().safety_factors[1][2], 1.5);
  EXPECT_EQ(c().liquefied_vertical_rule, before.liquefied_vertical_rule);
  EXPECT_EQ(c().clay_compare_shallow, 1);
  EXPECT_EQ(c().top_surcharge_ignored, 0);
}

TEST_F(DesignConditionsPageTest, ProductOfTheFactorsWhileTypingAndAfterLeaving) {
  page.load();
  page.choose_seismic_option(kCoefFromFactors);
  EXPECT_TRUE(page.text_box(kRegionalEarthBox).enabled);
  EXPECT_FALSE(page.text_box(kSeismicCoefEarthBox).enabled);
  type(kRegionalEarthBox, "0.15");
  type(kGroundTypeEarthBox, "1.2");
  type(kImportanceEarthBox, "1.0");
  EXPECT_EQ(page.text_box(kSeismicCoefEarthBox).text, "0.18");  // 0.15 x 1.2 x 1.0
  // While typing: 0.124 x 1.2 = 0.1488 -> 0.15.
  page.got_focus(kRegionalEarthBox);
  page.text_edited(kRegionalEarthBox, "0.124");
  EXPECT_EQ(page.text_box(kSeismicCoefEarthBox).text, "0.15");
  // Leaving rewrites the factor to 0.12, and 0.12 x 1.2 = 0.144 -> 0.14.
  page.lost_focus(kRegionalEarthBox);
  EXPECT_EQ(page.text_box(kRegionalEarthBox).text, "0.12");
  EXPECT_EQ(page.text_box(kSeismicCoefEarthBox).text, "0.14");
  page.store();
  EXPECT_EQ(c().seismic_coef_earth, 0.14);
  EXPECT_EQ(c().regional_coef[0], 0.12);
  EXPECT_EQ(c().seismic_coef_mode, 1);
  // The inertia column has its own product: 0.2 x 1.5 x 1.1 = 0.33.
  type(kRegionalInertiaBox, "0.2");
  type(kGroundTypeInertiaBox, "1.5");
  type(kImportanceInertiaBox, "1.1");
  EXPECT_EQ(page.text_box(kSeismicCoefInertiaBox).text, "0.33");
  EXPECT_EQ(page.text_box(kSeismicCoefEarthBox).text, "0.14");
}

TEST_F(DesignConditionsPageTest, LoadedCoefficientUnlikeTheProductStays) {
  c().seismic_coef_mode = 1;
  c().regional_coef[0] = 0.15;
  c().ground_type_factor[0] = 1.2;
  c().importance_factor[0] = 1.0;
  c().seismic_coef_earth = 0.2;
  c().regional_coef[1] = 0.15;
  c().ground_type_factor[1] = 1.0;
  c().importance_factor[1] = 1.0;
  c().seismic_coef_inertia = 0.25;
  page.load();
  EXPECT_EQ(page.text_box(kSeismicCoefEarthBox).text, "0.20");
  EXPECT_EQ(page.text_box(kSeismicCoefInertiaBox).text, "0.25");
  // A factor box changed: the product shows.
  type(kImportanceEarthBox, "1.0");  // same value, same text: no change, stored value stays
  EXPECT_EQ(page.text_box(kSeismicCoefEarthBox).text, "0.20");
  type(kImportanceEarthBox, "2");
  EXPECT_EQ(page.text_box(kSeismicCoefEarthBox).text, "0.36");
}

TEST_F(DesignConditionsPageTest, CheckBoxesCommitTheirCodes) {
  struct Row {
    int seismic, liquefied, unconditional, surcharge;
    int seismic_check, rule, ignored;
  } rows[] = {
      {kUnchecked, kUnchecked, kChecked, kChecked, 0, 0, 0},
      {kChecked, kChecked, kChecked, kChecked, 2, 2, 0},
      {kGrayed, kChecked, kUnchecked, kGrayed, 2, 1, 1},
      {kUnchecked, kGrayed, kChecked, kUnchecked, 0, 1, 1},
      {kChecked, kChecked, kGrayed, kChecked, 2, 1, 0},
  };
  page.load();
  for (const Row& r : rows) {
    page.set_seismic_check(r.seismic);
    page.set_liquefied_vertical_ignored(r.liquefied);
    page.set_unconditionally_ignored(r.unconditional);
    page.set_top_surcharge_considered(r.surcharge);
    page.store();
    EXPECT_EQ(c().seismic_check, r.seismic_check);
    EXPECT_EQ(c().liquefied_vertical_rule, r.rule);
    EXPECT_EQ(c().top_surcharge_ignored, r.ignored);
  }
  page.set_clay_comparison(kCompareShallow, kUnchecked);
  page.set_clay_comparison(kCompareDeep, kGrayed);
  page.store();
  EXPECT_EQ(c().clay_compare_shallow, 0);
  EXPECT_EQ(c().clay_compare_deep, 1);
}

TEST_F(DesignConditionsPageTest, HiddenUnconditionalBoxKeepsRuleTwo) {
  c().liquefied_vertical_rule = 2;
  page.load();
  EXPECT_FALSE(s().td_controls_visible);
  EXPECT_EQ(s().unconditionally_ignored, kChecked);
  c().liquefied_vertical_rule = 0;
  page.store();
  EXPECT_EQ(c().liquefied_vertical_rule, 2);
}

TEST_F(DesignConditionsPageTest, ForceRowsWithAForceMoveAheadAndAreCounted) {
  page.load();
  // Normal case: forces in rows 0 and 2, a name without forces in row 1.
  type(force_box(model::CASE_NORMAL, 0, kForceName), "  crane ");
  type(force_box(model::CASE_NORMAL, 0, kForceVertical), "10");
  type(force_box(model::CASE_NORMAL, 1, kForceName), "bollard");
  type(force_box(model::CASE_NORMAL, 2, kForceName), "");
  type(force_box(model::CASE_NORMAL, 2, kForceHorizontal), "5");  // horizontal only, no name
  type(force_box(model::CASE_NORMAL, 2, kForceX), "2.5");
  // Seismic case: nothing.
  page.store();
  EXPECT_EQ(c().external_force_counts[0], 2);
  EXPECT_EQ(c().external_force_counts[1], 0);
  EXPECT_EQ(c().external_forces[0][0].name, "crane");
  EXPECT_EQ(c().external_forces[0][0].vertical, 10);
  EXPECT_EQ(c().external_forces[0][1].name, "");
  EXPECT_EQ(c().external_forces[0][1].horizontal, 5);
  EXPECT_EQ(c().external_forces[0][1].x, 2.5);
  EXPECT_EQ(c().external_forces[0][2].name, "bollard");
  EXPECT_EQ(c().external_forces[0][2].vertical, 0);
  // The page still shows the rows where they were typed until it is loaded again.
  EXPECT_EQ(page.text_box(force_box(model::CASE_NORMAL, 1, kForceName)).text, "bollard");
  page.load();
  EXPECT_EQ(page.text_box(force_box(model::CASE_NORMAL, 1, kForceName)).text, "");
  EXPECT_EQ(page.text_box(force_box(model::CASE_NORMAL, 1, kForceHorizontal)).text, "5.000");
  EXPECT_EQ(page.text_box(force_box(model::CASE_NORMAL, 2, kForceName)).text, "bollard");
  // Rows 0 and 1 of the normal case filled: 2 and 0.
  type(force_box(model::CASE_SEISMIC, 0, kForceHorizontal), "-3");
  page.store();
  EXPECT_EQ(c().external_force_counts[0], 2);
  EXPECT_EQ(c().external_force_counts[1], 1);
}

TEST_F(DesignConditionsPageTest, DispersionAngleShowsThirtyMore) {
  c().body_reactions[1].spread_angle = 5;
  page.load();
  EXPECT_EQ(page.text_box(kSpreadAngleSeismicBox).text, "35.000");
  type(kSpreadAngleNormalBox, "45");
  EXPECT_EQ(page.text_box(kSpreadAngleNormalBox).text, "45.000");
  page.text_edited(kSpreadAngleSeismicBox, "");
  page.store();
  EXPECT_EQ(c().body_reactions[0].spread_angle, 15);
  EXPECT_EQ(c().body_reactions[1].spread_angle, -30);
}

// Tangent circles hold their internal stress to the allowable compressive stress (bounded by the
// design strength), so both show; their shear strength is 1/2・quck・ap, so the allowable shear
// stress row does not.
TEST_F(DesignConditionsPageTest, TangentCirclesShowTheCompressiveStressAndTheDesignStrength) {
  c().improvement_pattern = 2;
  c().allowable_stresses[2][0] = 1200;
  page.load();
  EXPECT_EQ(s().improvement_pattern, PatternChoice::tangent_circles);
  EXPECT_TRUE(s().allowable_stresses_visible);
  EXPECT_FALSE(s().allowable_shear_visible);
  EXPECT_TRUE(s().design_strength_visible);
  EXPECT_EQ(page.text_box(kDesignStrengthNormalBox).text, "1200.00");
  EXPECT_EQ(page.improvement_pattern(), PatternChoice::tangent_circles);
  type(kDesignStrengthSeismicBox, "1800");
  type(kCompressiveNormalBox, "650");
  type(kShearNormalBox, "320");  // in the hidden row
  page.store();
  EXPECT_EQ(c().improvement_pattern, 2);
  EXPECT_EQ(c().allowable_stresses[2][1], 1800);
  EXPECT_EQ(c().allowable_stresses[0][0], 650);
  EXPECT_EQ(c().allowable_stresses[1][0], 320);
  // Any other pattern shows the allowable stresses whole and hides the design strength.
  const std::pair<PatternChoice, int> buttons[] = {{PatternChoice::block, 0},
                                                   {PatternChoice::wall, 1},
                                                   {PatternChoice::lattice, 3},
                                                   {PatternChoice::tangent_circles, 2}};
  for (const auto& [button, code] : buttons) {
    page.choose_improvement_pattern(button);
    const bool tangent = button == PatternChoice::tangent_circles;
    EXPECT_TRUE(s().allowable_stresses_visible) << code;
    EXPECT_EQ(s().allowable_shear_visible, !tangent) << code;
    EXPECT_EQ(s().design_strength_visible, tangent) << code;
    page.store();
    EXPECT_EQ(c().improvement_pattern, code);
  }
  // The clay-formula pair leaves the frames alone.
  page.choose_normal_clay_formula(kFormulaOneOnly);
  EXPECT_TRUE(s().design_strength_visible);
  EXPECT_EQ(s().improvement_pattern, PatternChoice::tangent_circles);
}

TEST_F(DesignConditionsPageTest, CodesOutsideTheirGroupSelectNothingAndAreKept) {
  c().improvement_pattern = 7;
  c().apparent_coef_method = -1;
  c().shallow_clay_method = 4;
  page.load();
  EXPECT_EQ(s().improvement_pattern, PatternChoice::none);
  EXPECT_TRUE(s().allowable_stresses_visible && s().design_strength_visible);
  page.store();
  EXPECT_EQ(c().improvement_pattern, 7);
  EXPECT_EQ(c().apparent_coef_method, -1);
  EXPECT_EQ(c().shallow_clay_method, 4);
  // A later load of a valid code selects it; the earlier selection of a group then stays when
  // an invalid code follows.
  c().apparent_coef_method = 3;
  page.load();
  EXPECT_FALSE(page.text_box(kApparentCoefBox).enabled);
  c().apparent_coef_method = 9;
  page.load();
  EXPECT_TRUE(s().seismic_options[kApparentAraiYokoi]);
  page.store();
  EXPECT_EQ(c().apparent_coef_method, 3);
}

TEST_F(DesignConditionsPageTest, OptionPairsAndGroupsCommitTheirCodes) {
  c().rwl_coef_rule = 5;  // any value but 0 selects the second button
  c().clay_pressure_formula[0] = 1;
  c().clay_pressure_formula[1] = 1;
  c().shallow_clay_method = 3;
  page.load();
  EXPECT_TRUE(s().seismic_options[kRwlAirBoth]);
  EXPECT_EQ(s().normal_clay_formula, kFormulaOneOnly);
  EXPECT_TRUE(s().seismic_options[kSeismicClayFormulaOne]);
  EXPECT_TRUE(s().seismic_options[kShallowApparentBounds]);
  page.store();
  EXPECT_EQ(c().rwl_coef_rule, 1);
  EXPECT_EQ(c().clay_pressure_formula[0], 1);
  page.choose_seismic_option(kRwlAirBelowApparent);
  page.choose_normal_clay_formula(kCompareFormulas);
  page.choose_seismic_option(kSeismicClayCompare);
  page.choose_seismic_option(kShallowApparentBoth);
  page.choose_seismic_option(kApparentNiken);
  page.store();
  EXPECT_EQ(c().rwl_coef_rule, 0);
  EXPECT_EQ(c().clay_pressure_formula[0], 0);
  EXPECT_EQ(c().clay_pressure_formula[1], 0);
  EXPECT_EQ(c().shallow_clay_method, 1);
  EXPECT_EQ(c().apparent_coef_method, 2);
}

TEST_F(DesignConditionsPageTest, LoadThenCommitReturnsDisplayPrecision) {
  c().safety_factors[0][0] = 1.234;
  c().water_levels[0] = 1.23456;
  c().allowable_stresses[0][0] = 600.125;  // halves away from zero: 600.13
  c().top_surcharges[0].x_max = 999;
  c().top_surcharges[3].x_max = 42;  // no box: untouched
  page.load();
  page.store();
  EXPECT_EQ(c().safety_factors[0][0], 1.2);
  EXPECT_EQ(c().water_levels[0], 1.235);
  EXPECT_EQ(c().allowable_stresses[0][0], 600.13);
  EXPECT_EQ(c().top_surcharges[0].x_max, 999);
  EXPECT_EQ(c().top_surcharges[3].x_max, 42);
}

TEST_F(DesignConditionsPageTest, BoxesAreRewrittenWithTheirPatternOnLeaving) {
  page.load();
  struct Row {
    BoxId box;
    const char* typed;
    const char* shown;
  } rows[] = {
      {safety_factor_box(kSlidingCheck, model::CASE_NORMAL), "12abc", "12.0"}, {safety_factor_box(kSlidingCheck, model::CASE_SEISMIC), "", "0.0"},          {kCompressiveNormalBox, "1.005", "1.01"},
      {kHwlBox, "-.5e1x", "-5.000"}, {kJobNameBox, "  job 1 ", "  job 1 "}, {kGroundTypeEarthBox, "1.25", "1.3"},
      {force_box(model::CASE_NORMAL, 0, kForceName), " name ", " name "}, {force_box(model::CASE_NORMAL, 0, kForceVertical), "2.0005", "2.001"}, {surcharge_box(0, kSurchargeNormal), "abc", "0.000"},
      {kSpreadAngleNormalBox, "45", "45.000"},
  };
  for (const Row& r : rows) {
    type(r.box, r.typed);
    EXPECT_EQ(page.text_box(r.box).text, r.shown) << r.typed;
  }
  page.store();
  EXPECT_EQ(c().job_name, "  job 1 ");
  EXPECT_EQ(c().safety_factors[0][0], 12);
}

TEST_F(DesignConditionsPageTest, TypingLimitsOfNamesAndCoefficientBoxes) {
  c().job_name = std::string(70, 'j');  // a longer name from a file is shown whole
  page.load();
  EXPECT_EQ(page.text_box(kJobNameBox).text.size(), 70u);
  EXPECT_FALSE(page.text_edited(kJobNameBox, std::string(71, 'j')));
  EXPECT_TRUE(page.text_edited(kJobNameBox, std::string(69, 'j')));
  EXPECT_TRUE(page.text_edited(kJobNameBox, std::string(64, 'j')));
  EXPECT_FALSE(page.text_edited(kJobNameBox, std::string(65, 'j')));
  // 32 full-width characters are 64 CP932 bytes.
  std::string wide;
  for (int i = 0; i < 32; ++i) wide += "岸";
  EXPECT_TRUE(page.text_edited(kJobNameBox, wide));
  EXPECT_FALSE(page.text_edited(kJobNameBox, wide + "a"));
  // A character CP932 cannot hold is refused; the box keeps its text.
  EXPECT_FALSE(page.text_edited(kJobNameBox, "quay ð"));
  EXPECT_EQ(page.text_box(kJobNameBox).text, wide);
  // Force names: 20 bytes.
  EXPECT_TRUE(page.text_edited(force_box(model::CASE_SEISMIC, 0, kForceName), std::string(20, 'f')));
  EXPECT_FALSE(page.text_edited(force_box(model::CASE_SEISMIC, 0, kForceName), std::string(21, 'f')));
  EXPECT_FALSE(page.text_edited(force_box(model::CASE_SEISMIC, 0, kForceName), "岸壁岸壁岸壁岸壁岸壁a"));
  // Force values: 8 characters; coefficient boxes: 10.
  EXPECT_TRUE(page.text_edited(force_box(model::CASE_SEISMIC, 0, kForceVertical), "12345.67"));
  EXPECT_FALSE(page.text_edited(force_box(model::CASE_SEISMIC, 0, kForceVertical), "12345.678"));
  EXPECT_TRUE(page.text_edited(kApparentCoefBox, "0.12345678"));
  EXPECT_FALSE(page.text_edited(kApparentCoefBox, "0.123456789"));
  // Loaded texts are never cut.
  c().external_forces[0][0].vertical = 12345.678;
  page.load();
  EXPECT_EQ(page.text_box(force_box(model::CASE_NORMAL, 0, kForceVertical)).text, "12345.678");
}

TEST_F(DesignConditionsPageTest, HoverShowsPicturesAndHints) {
  page.load();
  // The first move over the coefficient frame does nothing: its number equals the start value.
  page.hover_frame(kSeismicCoefFrame);
  EXPECT_TRUE(fx.status.empty());
  EXPECT_EQ(s().seismic_picture, 0);
  page.hover_seismic_option(kRwlAirBelowApparent);
  EXPECT_EQ(s().seismic_picture, kPictureRwl);
  EXPECT_EQ(s().last_illustration_index, kRwlAirBelowApparent);
  page.hover_seismic_option(kSeismicClayCompare);
  EXPECT_EQ(s().seismic_picture, kPictureClay);
  // From one R.W.L. option to the other and onto their frame: the R.W.L. picture each time.
  page.hover_seismic_option(kRwlAirBelowApparent);
  page.hover_seismic_option(kRwlAirBoth);
  EXPECT_EQ(s().last_illustration_index, kRwlAirBoth);
  EXPECT_EQ(s().seismic_picture, kPictureRwl);
  page.hover_frame(kRwlFrame);
  EXPECT_EQ(s().last_illustration_index, kRwlFrame);
  page.hover_frame(kSeismicClayFormulaFrame);
  EXPECT_EQ(s().seismic_picture, kPictureClay);
  page.hover_seismic_option(kShallowPressureLower);  // other options: nothing
  EXPECT_EQ(s().last_illustration_index, kSeismicClayFormulaFrame);
  // A check box hint, left by the R.W.L., clay-formula and comparison frames and the options,
  // replaced by the coefficient frame.
  page.hover_clay_comparison(kCompareDeep);
  ASSERT_EQ(fx.status.size(), 1u);
  EXPECT_EQ(fx.status.back(), "上限・下限値のうち下限が上限より小さくなる場合は下限に上限値を採用する");
  page.hover_frame(kClayComparisonFrame);
  page.hover_frame(kRwlFrame);
  page.hover_seismic_option(kShallowApparentBoth);
  EXPECT_EQ(fx.status.size(), 1u);
  page.hover_frame(kSeismicCoefFrame);
  EXPECT_EQ(fx.status.back(), " ");
  EXPECT_EQ(s().seismic_picture, kPictureRwl);  // the picture stays
  page.hover_frame(kTopSurchargeFrame);
  EXPECT_EQ(fx.status.size(), 3u);
}

TEST_F(DesignConditionsPageTest, XmaxBoxesShowTheHintWhileFocused) {
  page.load();
  for (int row = 0; row < 3; ++row) {
    page.got_focus(surcharge_box(row, kSurchargeXmax));
    EXPECT_EQ(fx.status.back(), "荷重が無限に作用する場合，Xmaxに999を入力して下さい");
    page.lost_focus(surcharge_box(row, kSurchargeXmax));
    EXPECT_EQ(fx.status.back(), "");
  }
  const auto n = fx.status.size();
  page.got_focus(surcharge_box(0, kSurchargeXmin));
  page.lost_focus(surcharge_box(0, kSurchargeXmin));
  page.got_focus(kReactionNormalBox);
  EXPECT_EQ(fx.status.size(), n);
}

TEST_F(DesignConditionsPageTest, OnlyTheSelectedInnerTabFrameIsEnabled) {
  page.select_inner_tab(2);
  EXPECT_EQ(s().inner_frame_enabled, (std::array<bool, 3>{false, false, true}));
  page.disable_inner_frames();
  EXPECT_EQ(s().inner_frame_enabled, (std::array<bool, 3>{false, false, false}));
  page.enable_selected_inner_frame();
  EXPECT_EQ(s().inner_frame_enabled, (std::array<bool, 3>{false, false, true}));
}

}  // namespace
}  // namespace qvt::pages
