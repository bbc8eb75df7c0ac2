// Adding and removing action points and dimension points on the block quay sample, with a fake
// page port. Passive side: (0, -10), (0, -25); active side: (20, 3), (20, -10), (20, -25);
// active layers: 0 sand (3 to -10), 1 clay (-10 to -25).
#include "frontend/section/point_editing.h"
#include "frontend/section/section_picture.h"
#include "frontend/section/tests/section_test_support.h"

#include <gtest/gtest.h>

namespace qvt::section {
namespace {

using testing::FakePages;
using testing::load_sample;
using testing::RecordingEffects;

struct Fixture {
  std::unique_ptr<model::ProjectModel> m = load_sample("sample_block_quay");
  EditorState editor;
  FakePages pages{editor};
  RecordingEffects effects;
  SectionPicture picture{*m, editor, pages, effects};
  Fixture() {
    picture.view().pic_width = 6795;
    picture.view().pic_height = 6375;
    picture.compute_section_extents();
  }
  // A click at world (x, y).
  void click(int button, double x, double y) {
    const ViewState& v = picture.view();
    picture.mouse_pressed(button, (x - v.left_x) * v.scale, (v.top_y - y) * v.scale);
  }
  model::PressurePointList& side(int s) { return m->conditions.pressure_points[s]; }
};

TEST(PressurePoints, RegistrationSnapsAtAnyDistanceOnce) {
  Fixture f;
  f.pages.state.shown_page = 6;
  f.pages.state.action_point_mode = 0;
  f.click(1, 50, 50);
  ASSERT_EQ(f.side(0).count, 3);
  EXPECT_DOUBLE_EQ(f.side(0).x[2], 6);
  EXPECT_DOUBLE_EQ(f.side(0).y[2], 3);
  EXPECT_EQ(f.pages.captions, std::vector<int>{3});
  EXPECT_EQ(f.editor.current_point_index, 2);
  EXPECT_EQ(f.editor.current_side, 0);
  // The same corner again adds nothing and says nothing.
  f.click(1, 6.1, 3.1);
  EXPECT_EQ(f.side(0).count, 3);
  EXPECT_EQ(f.pages.captions.size(), 1u);
  EXPECT_TRUE(f.effects.warnings.empty());
  // Active side with 主働.
  f.pages.state.action_point_mode = 1;
  f.click(1, 5.9, 2.9);
  EXPECT_EQ(f.side(1).count, 4);
  EXPECT_EQ(f.editor.current_side, 1);
  // Right and middle clicks change nothing.
  f.click(2, 0, 3);
  f.click(4, 0, 3);
  EXPECT_EQ(f.side(1).count, 4);
  EXPECT_EQ(f.editor.current_side, 1);
}

TEST(PressurePoints, FullSideRefusesEveryClickFirst) {
  Fixture f;
  f.pages.state.shown_page = 6;
  f.pages.state.action_point_mode = 0;
  f.side(0).count = 15;
  f.click(1, 500, 500);
  f.click(1, 0, 3);
  ASSERT_EQ(f.effects.warnings.size(), 2u);
  EXPECT_EQ(f.effects.warnings[0],
            "土圧作用点数が最大値(15)に達しています。これ以上の登録はできません。");
  EXPECT_EQ(f.side(0).count, 15);
  // The active side can still grow.
  f.pages.state.action_point_mode = 1;
  f.click(1, 0, 3);
  EXPECT_EQ(f.side(1).count, 4);
  EXPECT_EQ(f.effects.warnings.size(), 2u);
}

TEST(PressurePoints, RemovalKeepsTheSelectionOnAnExistingPoint) {
  struct Case {
    const char* name;
    int side_count;  // active points before
    int selected;    // current_point_index before
    double x, y;     // click
    int expected_count, expected_index, expected_caption;
  };
  // Active points are set to (20, 3), (20, 0), (20, -3), (20, -6), (20, -9) for five.
  const Case cases[] = {
      {"last point while selected", 5, 4, 20, -9, 4, 3, 4},
      {"point 2 of 5 while point 4 selected", 5, 3, 20, 0, 4, 3, 4},
      {"the only point", 1, 0, 20, 3, 0, -1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    f.pages.state.shown_page = 6;
    f.pages.state.action_point_mode = 2;
    f.side(1).count = static_cast<model::i16>(c.side_count);
    for (int j = 0; j < c.side_count; ++j) f.side(1).x[j] = 20, f.side(1).y[j] = 3 - 3 * j;
    f.editor.current_point_index = static_cast<model::i16>(c.selected);
    f.click(1, c.x, c.y);
    EXPECT_EQ(f.side(1).count, c.expected_count);
    EXPECT_EQ(f.editor.current_point_index, c.expected_index);
    ASSERT_EQ(f.pages.captions.size(), 1u);
    EXPECT_EQ(f.pages.captions[0], c.expected_caption);
    EXPECT_EQ(f.editor.current_side, 1);
    // The freed entry is (0, 0).
    EXPECT_EQ(f.side(1).x[c.expected_count], 0);
    EXPECT_EQ(f.side(1).y[c.expected_count], 0);
  }
}

TEST(PressurePoints, RemovalNearBothSidesAndAMiss) {
  Fixture f;
  f.pages.state.shown_page = 6;
  f.pages.state.action_point_mode = 2;
  // A passive point next to the active (20, -25).
  f.side(0).x[1] = 19.5;
  f.editor.current_side = 0;
  f.click(1, 19.8, -25);
  EXPECT_EQ(f.side(0).count, 1);
  EXPECT_EQ(f.side(1).count, 2);
  EXPECT_EQ(f.pages.captions.size(), 2u);
  EXPECT_EQ(f.editor.current_side, 1);
  // A miss leaves the side as it was (there is no side 2 for the steps to read).
  f.click(1, 10, -17);
  EXPECT_EQ(f.editor.current_side, 1);
  EXPECT_EQ(f.pages.captions.size(), 2u);
}

TEST(PressurePoints, SelectionOnTheOtherSideIsClampedToItsNewCount) {
  Fixture f;
  f.pages.state.shown_page = 6;
  f.pages.state.action_point_mode = 2;
  f.editor.current_point_index = 2;  // the third active point, while removing a passive one
  f.click(1, 0, -25);
  EXPECT_EQ(f.side(0).count, 1);
  EXPECT_EQ(f.editor.current_point_index, 0);
  EXPECT_EQ(f.pages.captions, std::vector<int>{1});
}

TEST(PressurePoints, RemovalTakesTheBoundedLayerRecordWithIt) {
  // Removing the land point at +3.0 (point 0) removes the sand layer: the clay becomes layer 0
  // and the freed last record is cleared.
  Fixture f;
  f.pages.state.shown_page = 6;
  f.pages.state.action_point_mode = 2;
  auto& layers = f.m->conditions.soil_layers[1];
  layers[14].phi = 99;
  f.click(1, 20, 3);
  EXPECT_EQ(f.side(1).count, 2);
  EXPECT_EQ(layers[0].soil_type, 1);
  EXPECT_DOUBLE_EQ(layers[0].cohesion, 30);
  EXPECT_DOUBLE_EQ(layers[13].phi, 99);
  EXPECT_DOUBLE_EQ(layers[14].phi, 0);
  // A middle point merges two spans into the upper one's values.
  auto m = load_sample("sample_block_quay");
  remove_pressure_point(m->conditions, 1, 1);
  EXPECT_EQ(m->conditions.soil_layers[1][0].soil_type, 0);
  EXPECT_DOUBLE_EQ(m->conditions.soil_layers[1][0].phi, 30);
  // The last point takes the record above it: the sand stays, the clay goes.
  auto last = load_sample("sample_block_quay");
  remove_pressure_point(last->conditions, 1, 2);
  EXPECT_EQ(last->conditions.soil_layers[1][0].soil_type, 0);
  EXPECT_EQ(last->conditions.soil_layers[1][1].soil_type, 0);
  EXPECT_DOUBLE_EQ(last->conditions.soil_layers[1][1].cohesion, 0);
}

TEST(DimensionPoints, RegisterWithinOneMetreAndRelease) {
  Fixture f;
  f.pages.state.shown_page = 5;
  f.pages.state.dimension_point_mode = 0;
  auto& upper = f.m->conditions.dimension_points[0];
  f.click(1, 10, 0);  // no corner within 1 m
  EXPECT_EQ(upper.count, 0);
  f.click(1, 6.3, 3.2);
  ASSERT_EQ(upper.count, 1);
  EXPECT_DOUBLE_EQ(upper.x[0], 6);
  EXPECT_DOUBLE_EQ(upper.y[0], 3);
  f.click(1, 6.2, 3.2);  // the same corner again
  EXPECT_EQ(upper.count, 1);
  EXPECT_EQ(f.editor.sn_mode, 0);
  // Lower list.
  f.pages.state.dimension_point_mode = 2;
  f.click(1, 0.5, 3.5);
  auto& lower = f.m->conditions.dimension_points[1];
  ASSERT_EQ(lower.count, 1);
  EXPECT_DOUBLE_EQ(lower.x[0], 0);
  // Release: the upper point.
  f.pages.state.dimension_point_mode = 1;
  f.click(1, 6.5, 3.5);
  EXPECT_EQ(upper.count, 0);
  EXPECT_EQ(upper.x[0], 0);
  EXPECT_EQ(lower.count, 1);
  EXPECT_TRUE(f.effects.warnings.empty());
}

TEST(DimensionPoints, FullListWarnsOnlyForANewCornerNearby) {
  Fixture f;
  f.pages.state.shown_page = 5;
  f.pages.state.dimension_point_mode = 0;
  auto& upper = f.m->conditions.dimension_points[0];
  upper.count = 50;
  for (int j = 0; j < 50; ++j) upper.x[j] = 100 + j, upper.y[j] = 0;
  upper.x[49] = 0, upper.y[49] = 3;
  f.click(1, 10, 0);     // away from the blocks
  f.click(1, 0.1, 3.1);  // a corner already in the list
  EXPECT_TRUE(f.effects.warnings.empty());
  f.click(1, 6.1, 3.1);
  ASSERT_EQ(f.effects.warnings.size(), 1u);
  EXPECT_EQ(f.effects.warnings[0],
            "寸法線用変化点数が最大値(50)に達しています。これ以上の登録はできません。");
  EXPECT_EQ(upper.count, 50);
  // Two points equally near a release click: the later one goes.
  f.pages.state.dimension_point_mode = 1;
  upper.x[10] = 0, upper.y[10] = 3;  // the same place as point 49
  f.click(1, 0, 3);
  EXPECT_EQ(upper.count, 49);
  EXPECT_DOUBLE_EQ(upper.x[10], 0);  // point 10 stayed
}

TEST(DimensionPoints, RightClickDoesNothing) {
  Fixture f;
  f.pages.state.shown_page = 5;
  f.pages.state.dimension_point_mode = 0;
  f.click(2, 6, 3);
  f.click(4, 6, 3);
  EXPECT_EQ(f.m->conditions.dimension_points[0].count, 0);
}

}  // namespace
}  // namespace qvt::section
