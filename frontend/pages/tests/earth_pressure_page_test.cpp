#include "frontend/pages/earth_pressure_page.h"

#include "frontend/model/display_text.h"
#include "frontend/pages/tests/page_test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

namespace qvt::pages {
namespace {

using testing::RecordingEffects;

class EarthPressurePageTest : public ::testing::Test {
 protected:
  void set_points(int side, const std::vector<std::pair<double, double>>& points) {
    model::PressurePointList& l = model.conditions.pressure_points[side];
    l = {};
    for (const auto& [x, y] : points) {
      l.x[l.count] = x;
      l.y[l.count] = y;
      ++l.count;
    }
  }
  model::SoilLayer& layer(int side, int i) { return model.conditions.soil_layers[side][i]; }
  const EarthPressureState& s() const { return page.state(); }
  std::string text(PointBox b) const { return s().box(b).text; }
  std::string text(LayerBox b) const { return s().box(b).text; }
  // The registration mode of a side.
  static PointOption mode_of(int side) {
    return side == 0 ? PointOption::passive : PointOption::active;
  }
  // Both sides with enough points for the layer tab: passive 3 points, active 4.
  void two_sides() {
    set_points(0, {{-5, -2}, {-5, -6}, {-5, -11}});
    set_points(1, {{20, 3}, {20, -4}, {20, -10}, {20, -25}});
    for (int side = 0; side < 2; ++side)
      for (int i = 0; i < 4; ++i) {
        layer(side, i).phi = 10 * side + i + 1;  // tells the layers apart
        layer(side, i).soil_type = 0;
      }
  }

  model::ProjectModel model;
  RecordingEffects effects;
  section::EditorState editor;
  EarthPressurePage page{model, effects, editor};
};

// --- Stepping ------------------------------------------------------------------------------

struct StepCase {
  const char* name;
  bool layers;                    // the layer steps, else the point steps
  int side;                       // 0 passive (3 points), 1 active (4 points)
  std::vector<Step> presses;      // "<" previous, ">" next
  const char* caption;            // the number shown after the presses
};
void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }


class Stepping : public EarthPressurePageTest, public ::testing::WithParamInterface<StepCase> {};

// Points start on the last point of the side (the mode shows it), layers on layer 1 (the side
// option shows it). The steps wrap around in both directions.
TEST_P(Stepping, WrapsAroundOverThePointsOrLayersOfTheSide) {
  const StepCase c = GetParam();
  two_sides();
  if (c.layers) {
    page.select_inner_tab(1);
    page.choose_layer_side(c.side);
    for (Step k : c.presses) page.step_layer(k);
    EXPECT_EQ(s().layer_number, c.caption);
    const int i = std::stoi(c.caption) - 1;
    EXPECT_EQ(editor.current_point_index, i);
    EXPECT_EQ(text(LayerBox::phi), model::format_pattern(10 * c.side + i + 1, "###0.00"));
  } else {
    page.choose_point_option(mode_of(c.side));
    for (Step k : c.presses) page.step_point(k);
    EXPECT_EQ(s().point_number, c.caption);
    const int i = std::stoi(c.caption) - 1;
    EXPECT_EQ(editor.current_point_index, i);
    EXPECT_EQ(text(PointBox::y),
              model::format_pattern(model.conditions.pressure_points[c.side].y[i], "###0.000"));
  }
  EXPECT_EQ(editor.current_side, c.side);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Stepping,
    ::testing::Values(
        StepCase{"PointNextFromLastIsFirst", false, 0, {Step::next}, "1"},
        StepCase{"PointPreviousFromFirstIsLast", false, 0, {Step::next, Step::previous}, "3"},
        StepCase{"PointPreviousOnce", false, 1, {Step::previous}, "3"},
        StepCase{"LayerNextFromLastIsFirst", true, 1, {Step::next, Step::next, Step::next}, "1"},
        StepCase{"LayerPreviousFromFirstIsLast", true, 1, {Step::previous}, "3"},
        StepCase{"PassiveLayersAreTwo", true, 0, {Step::next, Step::next}, "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EarthPressurePageTest, StepsOnASideWithoutPointsChangeNothing) {
  set_points(1, {{20, 3}, {20, -4}});
  page.choose_point_option(PointOption::passive);  // side 0 has no point
  EXPECT_EQ(s().point_number, "0");
  EXPECT_EQ(text(PointBox::x), "0.000");
  EXPECT_EQ(editor.current_point_index, -1);
  page.step_point(Step::next);
  page.step_layer(Step::next);
  EXPECT_EQ(s().point_number, "0");
  EXPECT_EQ(editor.current_point_index, -1);
}

TEST_F(EarthPressurePageTest, DeleteModeLocksTheBoxesAndAStepReturnsToRegistration) {
  two_sides();
  page.choose_point_option(PointOption::active);
  page.step_point(Step::previous);
  page.choose_point_option(PointOption::remove);
  EXPECT_TRUE(s().point_boxes_locked);
  EXPECT_EQ(editor.current_side, 0);  // the delete mode works with the passive side
  EXPECT_EQ(s().point_number, "3");
  EXPECT_FALSE(page.point_box_edited(PointBox::x, "1"));
  // ">" from the last point would give point 1, but the mode change shows the last point.
  page.step_point(Step::next);
  EXPECT_TRUE(s().on(PointOption::passive));
  EXPECT_FALSE(s().on(PointOption::remove));
  EXPECT_FALSE(s().point_boxes_locked);
  EXPECT_EQ(s().point_number, "3");
  EXPECT_EQ(text(PointBox::x), "-5.000");
  EXPECT_EQ(text(PointBox::y), "-11.000");
  EXPECT_EQ(editor.current_point_index, 2);
}

TEST_F(EarthPressurePageTest, ReplacingTheProjectShowsTheLastPointAgainAlthoughTheModeIsOn) {
  two_sides();
  page.choose_point_option(PointOption::passive);
  page.step_point(Step::next);
  ASSERT_EQ(s().point_number, "1");
  page.reselect_point_option(PointOption::passive);
  EXPECT_EQ(s().point_number, "3");
  page.choose_point_option(PointOption::passive);  // a click on the option that is on runs nothing
  EXPECT_EQ(s().point_number, "3");
}

// --- Editing a point -------------------------------------------------------------------------

// 1.23456 typed into Y of point 2 of the active side: stored as 1.235, the box keeps the text.
TEST_F(EarthPressurePageTest, TypedCoordinateIsStoredRoundedAndMovesThePoint) {
  two_sides();
  page.choose_point_option(PointOption::active);
  page.step_point(Step::previous);
  page.step_point(Step::previous);
  ASSERT_EQ(s().point_number, "2");
  const int repaints = effects.repaints;
  EXPECT_TRUE(page.point_box_edited(PointBox::y, "1.23456"));
  EXPECT_DOUBLE_EQ(model.conditions.pressure_points[1].y[1], 1.235);
  EXPECT_EQ(text(PointBox::y), "1.23456");
  EXPECT_GT(effects.repaints, repaints);
  page.point_box_left(PointBox::y);
  EXPECT_EQ(text(PointBox::y), "1.23456");
  EXPECT_DOUBLE_EQ(model.conditions.pressure_points[0].y[1], -6);  // the other side as it was
  EXPECT_FALSE(page.point_box_edited(PointBox::x, "12345678901"));  // at most 10 characters
  EXPECT_EQ(text(PointBox::x), "20.000");
}

// Showing a point writes it back as shown, rounded to three decimals.
TEST_F(EarthPressurePageTest, ShowingAPointStoresItRounded) {
  set_points(0, {{0, 0}, {2.00049, -3.9996}});
  page.choose_point_option(PointOption::passive);
  EXPECT_EQ(text(PointBox::x), "2.000");
  EXPECT_EQ(text(PointBox::y), "-4.000");
  EXPECT_DOUBLE_EQ(model.conditions.pressure_points[0].x[1], 2.0);
  EXPECT_DOUBLE_EQ(model.conditions.pressure_points[0].y[1], -4.0);
}

TEST_F(EarthPressurePageTest, SeabedLevelIsRewrittenOnLeavingAndStoresNothingBeforeTheCommit) {
  page.load();
  EXPECT_TRUE(page.point_box_edited(PointBox::seabed_level, "-7.25"));
  EXPECT_EQ(model.conditions.active_seabed_level, 0);
  page.point_box_left(PointBox::seabed_level);
  EXPECT_EQ(text(PointBox::seabed_level), "-7.250");
  page.choose_point_option(PointOption::seabed_typed);
  EXPECT_EQ(model.conditions.active_seabed_rule, 0);
  page.store();
  EXPECT_EQ(model.conditions.active_seabed_rule, 1);
  EXPECT_DOUBLE_EQ(model.conditions.active_seabed_level, -7.25);
}

// A point handler writes only into a point the side has, and not at all without a side.
struct PointGuardCase {
  const char* name;
  void (*arrange)(EarthPressurePage&, section::EditorState&);
  bool steps_too;  // the steps do nothing either
};
void PrintTo(const PointGuardCase& c, std::ostream* os) { *os << c.name; }


class PointGuard : public EarthPressurePageTest,
                   public ::testing::WithParamInterface<PointGuardCase> {};

TEST_P(PointGuard, TypedCoordinateChangesNoPoint) {
  set_points(1, {{20, 3}, {20, -4}});
  page.choose_point_option(PointOption::active);
  GetParam().arrange(page, editor);
  const std::string caption = s().point_number;
  page.point_box_edited(PointBox::x, "7");
  if (GetParam().steps_too) page.step_point(Step::next);
  const model::PressurePointList& p = model.conditions.pressure_points[1];
  EXPECT_EQ(p.count, 2);
  for (int i = 0; i < 16; ++i) EXPECT_NE(p.x[i], 7) << i;
  EXPECT_EQ(s().point_number, caption);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PointGuard,
    ::testing::Values(
        // The picture's right click leaves no current side.
        PointGuardCase{"NoCurrentSide", [](EarthPressurePage&, section::EditorState& e) {
                         e.current_side = -1;
                       }, true},
        // The label names a point after the last one.
        PointGuardCase{"PointAfterTheLast", [](EarthPressurePage& p, section::EditorState&) {
                         p.select_action_point(3);
                       }, false},
        PointGuardCase{"NoPointSelected", [](EarthPressurePage&, section::EditorState& e) {
                         e.current_point_index = -1;
                       }, true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Editing a layer -------------------------------------------------------------------------

TEST_F(EarthPressurePageTest, SideOptionShowsLayerOneAndTheSlurryBoxOnTheActiveSideOnly) {
  two_sides();
  layer(1, 0).slurry_unit_weight = 11.5;
  page.choose_layer_side(1);
  EXPECT_TRUE(s().slurry_visible);
  EXPECT_EQ(s().layer_number, "1");
  EXPECT_EQ(text(LayerBox::phi), "11.00");
  EXPECT_EQ(text(LayerBox::slurry_unit_weight), "11.500");
  EXPECT_EQ(editor.current_side, 1);
  EXPECT_EQ(editor.current_point_index, 0);
  page.step_layer(Step::next);
  page.choose_layer_side(0);
  EXPECT_FALSE(s().slurry_visible);
  EXPECT_EQ(s().layer_number, "1");
  EXPECT_EQ(text(LayerBox::phi), "1.00");
  EXPECT_EQ(editor.current_side, 0);
  EXPECT_EQ(editor.current_point_index, 0);
}

TEST_F(EarthPressurePageTest, TypedValuesReachTheLayerAndLeavingRoundsThem) {
  two_sides();
  page.choose_layer_side(1);
  page.step_layer(Step::next);  // layer 2 of the active side
  EXPECT_TRUE(page.layer_box_edited(LayerBox::phi, "30.456"));
  EXPECT_DOUBLE_EQ(layer(1, 1).phi, 30.456);
  page.layer_box_left(LayerBox::phi);
  EXPECT_EQ(text(LayerBox::phi), "30.46");
  EXPECT_DOUBLE_EQ(layer(1, 1).phi, 30.46);
  const std::pair<LayerBox, const char*> typed[] = {{LayerBox::cohesion, "12.5"},
                                                     {LayerBox::cohesion_gradient, "0.75"},
                                                     {LayerBox::unit_weight_air, "18"},
                                                     {LayerBox::unit_weight_submerged, "9.5"},
                                                     {LayerBox::slurry_unit_weight, "12.25"}};
  for (const auto& [box, text] : typed) EXPECT_TRUE(page.layer_box_edited(box, text));
  EXPECT_DOUBLE_EQ(layer(1, 1).cohesion, 12.5);
  EXPECT_DOUBLE_EQ(layer(1, 1).cohesion_gradient, 0.75);
  EXPECT_DOUBLE_EQ(layer(1, 1).unit_weight_air, 18);
  EXPECT_DOUBLE_EQ(layer(1, 1).unit_weight_submerged, 9.5);
  EXPECT_DOUBLE_EQ(layer(1, 1).slurry_unit_weight, 12.25);
  page.layer_box_left(LayerBox::unit_weight_submerged);
  EXPECT_EQ(text(LayerBox::unit_weight_submerged), "9.500");
  EXPECT_DOUBLE_EQ(layer(1, 0).phi, 11);  // the neighbours as they were
  EXPECT_DOUBLE_EQ(layer(1, 2).phi, 13);
  EXPECT_FALSE(page.layer_box_edited(LayerBox::cohesion, "1.234567890"));
  EXPECT_EQ(text(LayerBox::cohesion), "12.5");
}

TEST_F(EarthPressurePageTest, ClayEnablesTheCohesionBoxesAndStoresTheSoilType) {
  two_sides();
  page.choose_layer_side(0);
  EXPECT_TRUE(s().on(SoilType::sand));
  EXPECT_TRUE(s().box(LayerBox::phi).enabled);
  EXPECT_FALSE(s().box(LayerBox::cohesion).enabled);
  EXPECT_FALSE(s().box(LayerBox::cohesion_gradient).enabled);
  page.choose_soil_type(SoilType::clay);
  EXPECT_EQ(layer(0, 0).soil_type, 1);
  EXPECT_FALSE(s().box(LayerBox::phi).enabled);
  EXPECT_TRUE(s().box(LayerBox::cohesion).enabled);
  EXPECT_TRUE(s().box(LayerBox::cohesion_gradient).enabled);
  page.tick_liquefied(true);
  EXPECT_EQ(layer(0, 0).liquefied, 1);
  page.tick_liquefied(false);
  EXPECT_EQ(layer(0, 0).liquefied, 0);
}

// Showing a layer writes its values back as shown; `liquefied` 2 shows cleared, and when the
// box was ticked for the layer before, clearing it stores 0.
TEST_F(EarthPressurePageTest, ShowingALayerStoresItAsShown) {
  two_sides();
  layer(0, 0).liquefied = 1;
  layer(0, 1).liquefied = 2;
  layer(0, 1).phi = 30.456;
  layer(0, 1).cohesion = 1.23449;
  layer(0, 1).soil_type = 3;
  page.choose_layer_side(0);
  EXPECT_EQ(s().liquefied, kChecked);
  page.step_layer(Step::next);
  EXPECT_EQ(s().liquefied, kUnchecked);
  EXPECT_EQ(layer(0, 1).liquefied, 0);
  EXPECT_EQ(text(LayerBox::phi), "30.46");
  EXPECT_DOUBLE_EQ(layer(0, 1).phi, 30.46);
  EXPECT_EQ(text(LayerBox::cohesion), "1.234");
  EXPECT_DOUBLE_EQ(layer(0, 1).cohesion, 1.234);
  EXPECT_TRUE(s().on(SoilType::clay));
  EXPECT_EQ(layer(0, 1).soil_type, 1);  // the option changed, so its handler stored it
}

TEST_F(EarthPressurePageTest, LiquefiedTwoShownFirstStaysTwo) {
  two_sides();
  layer(0, 0).liquefied = 2;
  page.choose_layer_side(0);
  EXPECT_EQ(s().liquefied, kUnchecked);
  EXPECT_EQ(layer(0, 0).liquefied, 2);
}

// A layer handler writes into a layer of the side only.
struct LayerGuardCase {
  const char* name;
  void (*arrange)(EarthPressurePage&, section::EditorState&, model::ProjectModel&);
};
void PrintTo(const LayerGuardCase& c, std::ostream* os) { *os << c.name; }


class LayerGuard : public EarthPressurePageTest,
                   public ::testing::WithParamInterface<LayerGuardCase> {};

TEST_P(LayerGuard, TypedValuesChangeNoLayer) {
  two_sides();
  page.choose_layer_side(0);
  GetParam().arrange(page, editor, model);
  const std::array<std::array<model::SoilLayer, model::SOIL_LAYER_RECORDS>, 2> before{
      model.conditions.soil_layers[0], model.conditions.soil_layers[1]};
  page.layer_box_edited(LayerBox::phi, "44");
  page.layer_box_edited(LayerBox::slurry_unit_weight, "44");
  page.choose_soil_type(SoilType::clay);
  page.tick_liquefied(true);
  const std::string caption = s().layer_number;
  page.step_layer(Step::next);
  EXPECT_EQ(s().layer_number, caption);
  for (int side = 0; side < 2; ++side)
    for (std::size_t i = 0; i < before[side].size(); ++i) {
      const model::SoilLayer& a = before[side][i];
      const model::SoilLayer& b = model.conditions.soil_layers[side][i];
      EXPECT_EQ(a.phi, b.phi) << side << "," << i;
      EXPECT_EQ(a.slurry_unit_weight, b.slurry_unit_weight) << side << "," << i;
      EXPECT_EQ(a.soil_type, b.soil_type) << side << "," << i;
      EXPECT_EQ(a.liquefied, b.liquefied) << side << "," << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayerGuard,
    ::testing::Values(
        LayerGuardCase{"NoLayerSelected",
                       [](EarthPressurePage&, section::EditorState& e, model::ProjectModel&) {
                         e.current_point_index = -1;
                       }},
        LayerGuardCase{"NoCurrentSide",
                       [](EarthPressurePage&, section::EditorState& e, model::ProjectModel&) {
                         e.current_side = -1;
                       }},
        // A new project with one point on the side: its record 0 is no layer yet.
        LayerGuardCase{"SideWithOnePoint",
                       [](EarthPressurePage& p, section::EditorState&, model::ProjectModel& m) {
                         m.conditions.pressure_points[1].count = 1;
                         p.reselect_layer_side(1);
                       }}),
    [](const auto& info) { return std::string(info.param.name); });

// A number label's change selects what it names, whatever was selected before.
TEST_F(EarthPressurePageTest, NumberChangesSelectWhatTheLabelNames) {
  two_sides();
  page.choose_layer_side(1);
  page.step_layer(Step::next);
  ASSERT_EQ(s().layer_number, "2");
  editor.current_point_index = 7;
  page.layer_number_changed();
  EXPECT_EQ(editor.current_point_index, 1);
  page.choose_point_option(PointOption::active);
  ASSERT_EQ(s().point_number, "4");
  editor.current_point_index = 7;
  page.point_number_changed();
  EXPECT_EQ(editor.current_point_index, 3);
}

// --- The inner tabs --------------------------------------------------------------------------

TEST_F(EarthPressurePageTest, LayerTabIsRefusedWhileASideHasFewerThanTwoPoints) {
  set_points(0, {{-5, -2}});
  set_points(1, {{20, 3}, {20, -4}, {20, -10}, {20, -12}, {20, -25}});
  page.arrive();
  page.choose_point_option(PointOption::active);
  page.select_inner_tab(1);
  ASSERT_EQ(effects.messages_shown.size(), 1u);
  EXPECT_EQ(effects.messages_shown[0], "土圧作用点が設定されていません。");
  EXPECT_EQ(s().inner_tab, 0);
  EXPECT_EQ(editor.pressure_tab, section::PressureTab::action_points);
  EXPECT_EQ(editor.current_side, 1);  // from the mode
  EXPECT_FALSE(s().side_options[0] || s().side_options[1]);
}

TEST_F(EarthPressurePageTest, FirstEntryOfTheLayerTabShowsLayerOneOfThePassiveSide) {
  two_sides();
  page.arrive();
  EXPECT_TRUE(s().on(PointOption::passive));
  EXPECT_EQ(s().point_number, "3");
  page.select_inner_tab(1);
  EXPECT_TRUE(effects.messages_shown.empty());
  EXPECT_EQ(editor.pressure_tab, section::PressureTab::soil_layers);
  EXPECT_TRUE(s().side_options[0]);
  EXPECT_EQ(s().layer_number, "1");
  EXPECT_EQ(editor.current_side, 0);
  EXPECT_EQ(editor.current_point_index, 0);
  page.select_inner_tab(0);
  EXPECT_EQ(editor.pressure_tab, section::PressureTab::action_points);
}

// Layer 2 shown, point 1 chosen on the point tab, back on the layer tab: the layer shown is
// the one the typed values go into.
TEST_F(EarthPressurePageTest, BackOnTheLayerTabTypedValuesGoIntoTheLayerShown) {
  two_sides();
  page.arrive();
  page.select_inner_tab(1);
  page.step_layer(Step::next);
  ASSERT_EQ(s().layer_number, "2");
  page.select_inner_tab(0);
  page.step_point(Step::previous);  // from the layer's index 1 to point 1
  ASSERT_EQ(s().point_number, "1");
  ASSERT_EQ(editor.current_point_index, 0);
  page.select_inner_tab(1);
  EXPECT_EQ(s().layer_number, "2");
  EXPECT_EQ(editor.current_point_index, 1);
  EXPECT_EQ(text(LayerBox::phi), "2.00");
  page.layer_box_edited(LayerBox::phi, "33");
  EXPECT_DOUBLE_EQ(layer(0, 1).phi, 33);
  EXPECT_DOUBLE_EQ(layer(0, 0).phi, 1);
}

// The label names layer 3 of the active side, which lost a point meanwhile: layer 2 is shown.
TEST_F(EarthPressurePageTest, BackOnTheLayerTabTheLayerIsWithinTheSide) {
  two_sides();
  page.arrive();
  page.select_inner_tab(1);
  page.choose_layer_side(1);
  page.step_layer(Step::previous);
  ASSERT_EQ(s().layer_number, "3");
  page.select_inner_tab(0);
  model.conditions.pressure_points[1].count = 3;  // as the picture's delete mode leaves it
  page.select_inner_tab(1);
  EXPECT_EQ(s().layer_number, "2");
  EXPECT_EQ(editor.current_side, 1);
  EXPECT_EQ(editor.current_point_index, 1);
  page.layer_box_edited(LayerBox::phi, "33");
  EXPECT_DOUBLE_EQ(layer(1, 1).phi, 33);
  EXPECT_DOUBLE_EQ(layer(1, 2).phi, 13);
}

// --- Load and commit -------------------------------------------------------------------------

// Three passive points at y = -2, -6, -11: layers (-2, -6), (-6, -11) and the record after the
// last layer (-11, 0); the records beyond and the side without points are not touched. Fifteen
// points fill the last record with the last point and the spare slot after it.
TEST_F(EarthPressurePageTest, CommitSetsTheLayerBoundsFromThePoints) {
  set_points(0, {{-5, -2}, {-5, -6}, {-5, -11}});
  layer(0, 3).top_level = 99;
  layer(1, 0).top_level = 77;
  page.store();
  EXPECT_EQ(layer(0, 0).top_level, -2);
  EXPECT_EQ(layer(0, 0).bottom_level, -6);
  EXPECT_EQ(layer(0, 1).top_level, -6);
  EXPECT_EQ(layer(0, 1).bottom_level, -11);
  EXPECT_EQ(layer(0, 2).top_level, -11);
  EXPECT_EQ(layer(0, 2).bottom_level, 0);
  EXPECT_EQ(layer(0, 3).top_level, 99);
  EXPECT_EQ(layer(1, 0).top_level, 77);

  std::vector<std::pair<double, double>> fifteen;
  for (int i = 0; i < 15; ++i) fifteen.push_back({20, -i});
  set_points(1, fifteen);
  page.store();
  EXPECT_EQ(layer(1, 13).top_level, -13);
  EXPECT_EQ(layer(1, 13).bottom_level, -14);
  EXPECT_EQ(layer(1, 14).top_level, -14);
  EXPECT_EQ(layer(1, 14).bottom_level, 0);
}

struct SeabedCase {
  const char* name;
  model::i16 rule;
  double level;
  PointOption option;   // the option the load switches on
  PointOption other;    // the other seabed option, off
  const char* box;
  double stored_level;  // after the commit
};
void PrintTo(const SeabedCase& c, std::ostream* os) { *os << c.name; }


class SeabedRoundTrip : public EarthPressurePageTest,
                        public ::testing::WithParamInterface<SeabedCase> {};

TEST_P(SeabedRoundTrip, LoadAndCommitKeepTheRuleAndTheShownLevel) {
  const SeabedCase c = GetParam();
  model.conditions.active_seabed_rule = c.rule;
  model.conditions.active_seabed_level = c.level;
  page.load();
  EXPECT_TRUE(s().on(c.option));
  EXPECT_FALSE(s().on(c.other));
  EXPECT_EQ(text(PointBox::seabed_level), c.box);
  model.conditions.active_seabed_rule = 9;
  model.conditions.active_seabed_level = 99;
  page.store();
  EXPECT_EQ(model.conditions.active_seabed_rule, c.rule != 0 ? 1 : 0);
  EXPECT_DOUBLE_EQ(model.conditions.active_seabed_level, c.stored_level);
}

constexpr PointOption kAtPassiveTop = PointOption::seabed_at_passive_top;
constexpr PointOption kTyped = PointOption::seabed_typed;
INSTANTIATE_TEST_SUITE_P(
    Cases, SeabedRoundTrip,
    ::testing::Values(SeabedCase{"TopOfPassivePoints", 0, -3, kAtPassiveTop, kTyped, "-3.000", -3},
                      SeabedCase{"LevelTyped", 1, -12.3456, kTyped, kAtPassiveTop, "-12.346", -12.346},
                      SeabedCase{"AnyOtherRule", 5, 0.0004, kTyped, kAtPassiveTop, "0.000", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Neither seabed option on (the page never loaded): the rule stays, the level is still taken,
// and a text that begins with no number gives 0.
TEST_F(EarthPressurePageTest, CommitWithoutASeabedOptionKeepsTheRule) {
  model.conditions.active_seabed_rule = 1;
  page.point_box_edited(PointBox::seabed_level, "-8.5");
  page.store();
  EXPECT_EQ(model.conditions.active_seabed_rule, 1);
  EXPECT_DOUBLE_EQ(model.conditions.active_seabed_level, -8.5);
  page.point_box_edited(PointBox::seabed_level, "m");
  page.store();
  EXPECT_DOUBLE_EQ(model.conditions.active_seabed_level, 0);
}

}  // namespace
}  // namespace qvt::pages
