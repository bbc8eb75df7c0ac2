#include "frontend/pages/design_conditions_page.h"

#include "frontend/pages/tests/page_test_support.h"

#include <gtest/gtest.h>

namespace qvt::pages {
namespace {

using testing::RecordingEffects;

BoxId gm1(int i) { return {BoxGroup::gm1, i}; }
BoxId gm2(int i) { return {BoxGroup::gm2, i}; }
BoxId gm19(int i) { return {BoxGroup::gm19, i}; }
BoxId gm20(int i) { return {BoxGroup::gm20, i}; }
BoxId gm21(int i) { return {BoxGroup::gm21, i}; }

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
  EXPECT_EQ(s().txt_gm1[25].text, "100.0");
  const char* factors[8] = {"1.2", "1.0", "1.2", "1.1", "2.5", "1.5", "1.2", "1.0"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(s().txt_gm1[12 + i].text, factors[i]) << 12 + i;
  EXPECT_EQ(s().txt_gm1[1].text, "600.00");
  EXPECT_EQ(s().txt_gm1[2].text, "900.00");
  EXPECT_EQ(s().txt_gm1[3].text, "300.00");
  EXPECT_EQ(s().txt_gm1[4].text, "450.00");
  EXPECT_EQ(s().txt_gm1[20].text, "10.100");
  EXPECT_EQ(s().txt_gm1[26].text, "1.0");
  EXPECT_EQ(s().chk_gm1, kUnchecked);
  EXPECT_EQ(s().chk_gm1_1, kChecked);
  EXPECT_EQ(s().txt_gm21[4].text, "30.000");
  EXPECT_EQ(s().txt_gm21[5].text, "30.000");
  // Shallow-clay method 0 is the second button from the top, (12).
  EXPECT_TRUE(s().opt_gm2[12]);
  EXPECT_FALSE(s().opt_gm2[13] || s().opt_gm2[6] || s().opt_gm2[7]);
  EXPECT_TRUE(s().fra_gm1_2_visible);
  EXPECT_FALSE(s().fra_gm1_6_visible);
  // Direct input: the factor boxes are disabled, the design coefficients enabled.
  EXPECT_FALSE(s().txt_gm2[0].enabled);
  EXPECT_TRUE(s().txt_gm2[3].enabled);

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
  page.opt_gm2_select(1);
  EXPECT_TRUE(s().txt_gm2[0].enabled);
  EXPECT_FALSE(s().txt_gm2[3].enabled);
  type(gm2(0), "0.15");
  type(gm2(1), "1.2");
  type(gm2(2), "1.0");
  EXPECT_EQ(s().txt_gm2[3].text, "0.18");  // 0.15 x 1.2 x 1.0
  // While typing: 0.124 x 1.2 = 0.1488 -> 0.15.
  page.got_focus(gm2(0));
  page.text_edited(gm2(0), "0.124");
  EXPECT_EQ(s().txt_gm2[3].text, "0.15");
  // Leaving rewrites the factor to 0.12, and 0.12 x 1.2 = 0.144 -> 0.14.
  page.lost_focus(gm2(0));
  EXPECT_EQ(s().txt_gm2[0].text, "0.12");
  EXPECT_EQ(s().txt_gm2[3].text, "0.14");
  page.store();
  EXPECT_EQ(c().seismic_coef_earth, 0.14);
  EXPECT_EQ(c().regional_coef[0], 0.12);
  EXPECT_EQ(c().seismic_coef_mode, 1);
  // The inertia column has its own product: 0.2 x 1.5 x 1.1 = 0.33.
  type(gm2(6), "0.2");
  type(gm2(7), "1.5");
  type(gm2(8), "1.1");
  EXPECT_EQ(s().txt_gm2[4].text, "0.33");
  EXPECT_EQ(s().txt_gm2[3].text, "0.14");
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
  EXPECT_EQ(s().txt_gm2[3].text, "0.20");
  EXPECT_EQ(s().txt_gm2[4].text, "0.25");
  // A factor box changed: the product shows.
  type(gm2(2), "1.0");  // same value, same text: no change, stored value stays
  EXPECT_EQ(s().txt_gm2[3].text, "0.20");
  type(gm2(2), "2");
  EXPECT_EQ(s().txt_gm2[3].text, "0.36");
}

TEST_F(DesignConditionsPageTest, CheckBoxesCommitTheirCodes) {
  struct Row {
    int chk1, chk1_1, chk1_2, chk20;
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
    page.set_chk_gm1(r.chk1);
    page.set_chk_gm1_1(r.chk1_1);
    page.set_chk_gm1_2(r.chk1_2);
    page.set_chk_gm20(r.chk20);
    page.store();
    EXPECT_EQ(c().seismic_check, r.seismic_check);
    EXPECT_EQ(c().liquefied_vertical_rule, r.rule);
    EXPECT_EQ(c().top_surcharge_ignored, r.ignored);
  }
  page.set_chk_gm2(0, kUnchecked);
  page.set_chk_gm2(1, kGrayed);
  page.store();
  EXPECT_EQ(c().clay_compare_shallow, 0);
  EXPECT_EQ(c().clay_compare_deep, 1);
}

TEST_F(DesignConditionsPageTest, HiddenUnconditionalBoxKeepsRuleTwo) {
  c().liquefied_vertical_rule = 2;
  page.load();
  EXPECT_FALSE(s().td_controls_visible);
  EXPECT_EQ(s().chk_gm1_2, kChecked);
  c().liquefied_vertical_rule = 0;
  page.store();
  EXPECT_EQ(c().liquefied_vertical_rule, 2);
}

TEST_F(DesignConditionsPageTest, ForceRowsWithAForceMoveAheadAndAreCounted) {
  page.load();
  // Normal case: forces in rows 0 and 2, a name without forces in row 1.
  type(gm19(0), "  crane ");
  type(gm19(1), "10");
  type(gm19(5), "bollard");
  type(gm19(10), "");
  type(gm19(12), "5");  // horizontal only, no name
  type(gm19(13), "2.5");
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
  EXPECT_EQ(s().txt_gm19[5].text, "bollard");
  page.load();
  EXPECT_EQ(s().txt_gm19[5].text, "");
  EXPECT_EQ(s().txt_gm19[7].text, "5.000");
  EXPECT_EQ(s().txt_gm19[10].text, "bollard");
  // Rows 0 and 1 of the normal case filled: 2 and 0.
  type(gm19(17), "-3");
  page.store();
  EXPECT_EQ(c().external_force_counts[0], 2);
  EXPECT_EQ(c().external_force_counts[1], 1);
}

TEST_F(DesignConditionsPageTest, DispersionAngleShowsThirtyMore) {
  c().body_reactions[1].spread_angle = 5;
  page.load();
  EXPECT_EQ(s().txt_gm21[5].text, "35.000");
  type(gm21(4), "45");
  EXPECT_EQ(s().txt_gm21[4].text, "45.000");
  page.text_edited(gm21(5), "");
  page.store();
  EXPECT_EQ(c().body_reactions[0].spread_angle, 15);
  EXPECT_EQ(c().body_reactions[1].spread_angle, -30);
}

TEST_F(DesignConditionsPageTest, TangentCirclesShowTheDesignStrengthAndBothFramesCommit) {
  c().improvement_pattern = 2;
  c().allowable_stresses[2][0] = 1200;
  page.load();
  EXPECT_TRUE(s().opt_gm1[4]);
  EXPECT_FALSE(s().fra_gm1_2_visible);
  EXPECT_TRUE(s().fra_gm1_6_visible);
  EXPECT_EQ(s().txt_gm1[30].text, "1200.00");
  EXPECT_TRUE(page.opt_gm1_selected(4));
  EXPECT_FALSE(page.opt_gm1_selected(1));
  type(gm1(29), "1800");
  type(gm1(1), "650");  // in the hidden frame
  page.store();
  EXPECT_EQ(c().improvement_pattern, 2);
  EXPECT_EQ(c().allowable_stresses[2][1], 1800);
  EXPECT_EQ(c().allowable_stresses[0][0], 650);
  // Any other pattern brings the allowable stresses back.
  const std::pair<int, int> buttons[] = {{0, 0}, {1, 1}, {5, 3}, {4, 2}};
  for (const auto& [button, code] : buttons) {
    page.opt_gm1_select(button);
    EXPECT_EQ(s().fra_gm1_2_visible, button != 4) << button;
    EXPECT_EQ(s().fra_gm1_6_visible, button == 4) << button;
    page.store();
    EXPECT_EQ(c().improvement_pattern, code);
  }
  // The clay-formula pair leaves the frames alone.
  page.opt_gm1_select(3);
  EXPECT_TRUE(s().fra_gm1_6_visible);
  EXPECT_TRUE(s().opt_gm1[4]);
}

TEST_F(DesignConditionsPageTest, CodesOutsideTheirGroupSelectNothingAndAreKept) {
  c().improvement_pattern = 7;
  c().apparent_coef_method = -1;
  c().shallow_clay_method = 4;
  page.load();
  EXPECT_FALSE(s().opt_gm1[0] || s().opt_gm1[1] || s().opt_gm1[4] || s().opt_gm1[5]);
  EXPECT_TRUE(s().fra_gm1_2_visible && s().fra_gm1_6_visible);
  page.store();
  EXPECT_EQ(c().improvement_pattern, 7);
  EXPECT_EQ(c().apparent_coef_method, -1);
  EXPECT_EQ(c().shallow_clay_method, 4);
  // A later load of a valid code selects it; the earlier selection of a group then stays when
  // an invalid code follows.
  c().apparent_coef_method = 3;
  page.load();
  EXPECT_FALSE(s().txt_gm2[5].enabled);
  c().apparent_coef_method = 9;
  page.load();
  EXPECT_TRUE(s().opt_gm2[5]);
  page.store();
  EXPECT_EQ(c().apparent_coef_method, 3);
}

TEST_F(DesignConditionsPageTest, OptionPairsAndGroupsCommitTheirCodes) {
  c().rwl_coef_rule = 5;  // any value but 0 selects the second button
  c().clay_pressure_formula[0] = 1;
  c().clay_pressure_formula[1] = 1;
  c().shallow_clay_method = 3;
  page.load();
  EXPECT_TRUE(s().opt_gm2[9]);
  EXPECT_TRUE(s().opt_gm1[3]);
  EXPECT_TRUE(s().opt_gm2[11]);
  EXPECT_TRUE(s().opt_gm2[7]);
  page.store();
  EXPECT_EQ(c().rwl_coef_rule, 1);
  EXPECT_EQ(c().clay_pressure_formula[0], 1);
  page.opt_gm2_select(8);
  page.opt_gm1_select(2);
  page.opt_gm2_select(10);
  page.opt_gm2_select(13);
  page.opt_gm2_select(4);
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
      {gm1(12), "12abc", "12.0"}, {gm1(13), "", "0.0"},          {gm1(1), "1.005", "1.01"},
      {gm1(22), "-.5e1x", "-5.000"}, {gm1(0), "  job 1 ", "  job 1 "}, {gm2(1), "1.25", "1.3"},
      {gm19(0), " name ", " name "}, {gm19(1), "2.0005", "2.001"}, {gm20(2), "abc", "0.000"},
      {gm21(4), "45", "45.000"},
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
  EXPECT_EQ(s().txt_gm1[0].text.size(), 70u);
  EXPECT_FALSE(page.text_edited(gm1(0), std::string(71, 'j')));
  EXPECT_TRUE(page.text_edited(gm1(0), std::string(69, 'j')));
  EXPECT_TRUE(page.text_edited(gm1(0), std::string(64, 'j')));
  EXPECT_FALSE(page.text_edited(gm1(0), std::string(65, 'j')));
  // 32 full-width characters are 64 CP932 bytes.
  std::string wide;
  for (int i = 0; i < 32; ++i) wide += "岸";
  EXPECT_TRUE(page.text_edited(gm1(0), wide));
  EXPECT_FALSE(page.text_edited(gm1(0), wide + "a"));
  // A character CP932 cannot hold is refused; the box keeps its text.
  EXPECT_FALSE(page.text_edited(gm1(0), "quay ð"));
  EXPECT_EQ(s().txt_gm1[0].text, wide);
  // Force names: 20 bytes.
  EXPECT_TRUE(page.text_edited(gm19(15), std::string(20, 'f')));
  EXPECT_FALSE(page.text_edited(gm19(15), std::string(21, 'f')));
  EXPECT_FALSE(page.text_edited(gm19(15), "岸壁岸壁岸壁岸壁岸壁a"));
  // Force values: 8 characters; coefficient boxes: 10.
  EXPECT_TRUE(page.text_edited(gm19(16), "12345.67"));
  EXPECT_FALSE(page.text_edited(gm19(16), "12345.678"));
  EXPECT_TRUE(page.text_edited(gm2(5), "0.12345678"));
  EXPECT_FALSE(page.text_edited(gm2(5), "0.123456789"));
  // Loaded texts are never cut.
  c().external_forces[0][0].vertical = 12345.678;
  page.load();
  EXPECT_EQ(s().txt_gm19[1].text, "12345.678");
}

TEST_F(DesignConditionsPageTest, HoverShowsPicturesAndHints) {
  page.load();
  // The first move over frame 0 does nothing: its index equals the start value.
  page.fra_gm2_MouseMove(0);
  EXPECT_TRUE(fx.status.empty());
  EXPECT_EQ(s().img_gm2, 0);
  page.opt_gm2_MouseMove(8);
  EXPECT_EQ(s().img_gm2, kPictureRwl);
  EXPECT_EQ(s().last_illustration_index, 8);
  page.opt_gm2_MouseMove(10);
  EXPECT_EQ(s().img_gm2, kPictureClay);
  // From option 8 to 9 and from 9 onto its frame: picture 1 each time.
  page.opt_gm2_MouseMove(8);
  page.opt_gm2_MouseMove(9);
  EXPECT_EQ(s().last_illustration_index, 9);
  EXPECT_EQ(s().img_gm2, kPictureRwl);
  page.fra_gm2_MouseMove(2);
  EXPECT_EQ(s().last_illustration_index, 2);
  page.fra_gm2_MouseMove(4);
  EXPECT_EQ(s().img_gm2, kPictureClay);
  page.opt_gm2_MouseMove(12);  // other options: nothing
  EXPECT_EQ(s().last_illustration_index, 4);
  // A check box hint, left by frames 2, 4, 7 and the options, replaced by frame 0.
  page.chk_gm2_MouseMove(1);
  ASSERT_EQ(fx.status.size(), 1u);
  EXPECT_EQ(fx.status.back(), "上限・下限値のうち下限が上限より小さくなる場合は下限に上限値を採用する");
  page.fra_gm2_MouseMove(7);
  page.fra_gm2_MouseMove(2);
  page.opt_gm2_MouseMove(13);
  EXPECT_EQ(fx.status.size(), 1u);
  page.fra_gm2_MouseMove(0);
  EXPECT_EQ(fx.status.back(), " ");
  EXPECT_EQ(s().img_gm2, kPictureRwl);  // the picture stays
  page.fra_gm2_MouseMove(6);
  EXPECT_EQ(fx.status.size(), 3u);
}

TEST_F(DesignConditionsPageTest, XmaxBoxesShowTheHintWhileFocused) {
  page.load();
  for (int i : {1, 5, 9}) {
    page.got_focus(gm20(i));
    EXPECT_EQ(fx.status.back(), "荷重が無限に作用する場合，Xmaxに999を入力して下さい");
    page.lost_focus(gm20(i));
    EXPECT_EQ(fx.status.back(), "");
  }
  const auto n = fx.status.size();
  page.got_focus(gm20(0));
  page.lost_focus(gm20(0));
  page.got_focus(gm21(0));
  EXPECT_EQ(fx.status.size(), n);
}

TEST_F(DesignConditionsPageTest, OnlyTheSelectedInnerTabFrameIsEnabled) {
  page.select_inner_tab(2);
  EXPECT_EQ(s().fra_tb1_enabled, (std::array<bool, 3>{false, false, true}));
  page.disable_inner_frames();
  EXPECT_EQ(s().fra_tb1_enabled, (std::array<bool, 3>{false, false, false}));
  page.enable_selected_inner_frame();
  EXPECT_EQ(s().fra_tb1_enabled, (std::array<bool, 3>{false, false, true}));
}

}  // namespace
}  // namespace qvt::pages
