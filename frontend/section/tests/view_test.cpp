// The view of the section picture: extents, margins, fit, zoom, panning, layout and readout.
// Expected values are worked by hand from the fitting rules (working in the comments).
#include "frontend/section/tests/section_test_support.h"
#include "frontend/section/view.h"

#include <gtest/gtest.h>

namespace qvt::section {
namespace {

using testing::empty_project;
using testing::load_sample;

ViewState view_of(int w, int h) {
  ViewState v;
  v.pic_width = w;
  v.pic_height = h;
  return v;
}

TEST(SectionExtents, EmptySectionFallsBackToTenMetresWithOneMetreMargins) {
  auto m = empty_project();
  m->conditions.surface_shape = 1;  // arbitrary surface, but no points
  ViewState v = view_of(6000, 6000);
  compute_section_extents(v, *m);
  EXPECT_DOUBLE_EQ(v.extent_left, 9999.9);
  EXPECT_DOUBLE_EQ(v.crown_level, -9999.9);
  EXPECT_DOUBLE_EQ(v.lower_level, 9999.9);
  // Defaults 0..10 both ways, 10 m wide so 10 % margins: right 11, left -0.1 * 11 = -1.1;
  // the same in y. Fit into 6000 x 6000: s = 6000 / 12.1, t = 1000 / s = 2.01667,
  // w = 14.11667, scale = 6000 / w = 425.03; cx = -1.1 + w / 2 - t = 3.94167, cy = 4.95.
  const double t = 12.1 / 6;
  const double w = 12.1 + t;
  EXPECT_NEAR(v.scale, 6000 / w, 1e-9);
  EXPECT_NEAR(v.left_x, -1.1 + w / 2 - t - 3000 / v.scale, 1e-9);
  EXPECT_NEAR(v.top_y, 4.95 + 3000 / v.scale, 1e-9);
}

TEST(SectionExtents, TwentyMetresWideGetsElevenAndTenPercent) {
  auto m = empty_project();
  m->conditions.surface_shape = 1;
  m->conditions.surface_point_count = 2;
  m->conditions.surface_points[0] = {0, 0, 0};
  m->conditions.surface_points[1] = {0, 20, 5};
  // A third stored point beyond the count takes no part.
  m->conditions.surface_points[2] = {0, 500, 500};
  ViewState v = view_of(6795, 6375);
  compute_section_extents(v, *m);
  EXPECT_DOUBLE_EQ(v.extent_left, 0);
  EXPECT_DOUBLE_EQ(v.crown_level, 5);
  EXPECT_DOUBLE_EQ(v.lower_level, 0);
  // x: 0..20 -> right 22, left 0 - 0.1 * 22 = -2.2; y: height 5 < 10 -> -1 .. 6.
  // The fit keeps the centres: cx = -2.2 + (24.2 + t) / 2 - t, cy = 2.5.
  const double s = std::min(6795 / 24.2, 6375 / 7.0);
  const double t = 1000 / s;
  const double cx = -2.2 + (24.2 + t) / 2 - t;
  EXPECT_NEAR(v.left_x, cx - 6795 / 2.0 / v.scale, 1e-9);
  EXPECT_NEAR(v.top_y, 2.5 + 6375 / 2.0 / v.scale, 1e-9);
}

TEST(SectionFit, WorkedExampleOfTheDrawingArea) {
  // Area 6000 x 4000, window 0..60 x 0..20: s = 100, t = 10, w = 70,
  // scale = min(6000/70, 200) = 85.714..., cx = 0 + 35 - 10 = 25.
  ViewState v = view_of(6000, 4000);
  v.left_x = 0, v.right_x = 60, v.bottom_y = 0, v.top_y = 20;
  fit_view_window(v);
  EXPECT_NEAR(v.scale, 6000.0 / 70, 1e-12);
  EXPECT_NEAR(v.left_x, -10, 1e-9);
  EXPECT_NEAR(v.right_x, 60, 1e-9);
  // cy = 10; half height 2000 / 85.714 = 23.333.
  EXPECT_NEAR(v.bottom_y, 10 - 70.0 / 3, 1e-9);
  EXPECT_NEAR(v.top_y, 10 + 70.0 / 3, 1e-9);
}

TEST(SectionFit, HugeSectionKeepsScaleOne) {
  ViewState v = view_of(6000, 4000);
  v.left_x = 0, v.right_x = 1e6, v.bottom_y = 0, v.top_y = 1e6;
  fit_view_window(v);
  EXPECT_EQ(v.scale, 1);
}

TEST(SectionFit, BlockQuaySampleAtStartupSize) {
  // Blocks x 0..20, y -25..3. x: right 22, left -2.2 (w 24.2). y: top 3 + 2.8 = 5.8, bottom
  // -25 - 0.1 * 30.8 = -28.08 (h 33.88). s = min(6795/24.2, 6375/33.88) = 188.164...;
  // t = 1000 / s = 5.3145; w = 29.5145 -> scale = min(230.2, 188.164) = 6375 / 33.88.
  // cx = -2.2 + w/2 - t = 7.2427, left = cx - 3397.5 / scale = -10.8133; top = cy + 3187.5 /
  // scale = -11.14 + 16.94 = 5.8.
  auto m = load_sample("sample_block_quay");
  ViewState v = view_of(6795, 6375);
  compute_section_extents(v, *m);
  EXPECT_NEAR(v.scale, 6375 / 33.88, 1e-9);
  EXPECT_NEAR(v.left_x, -10.8133, 1e-4);
  EXPECT_NEAR(v.top_y, 5.8, 1e-9);
  EXPECT_DOUBLE_EQ(v.extent_left, 0);
  EXPECT_DOUBLE_EQ(v.crown_level, 3);
  EXPECT_DOUBLE_EQ(v.lower_level, -25);
  // (0, -10): x (10.8133 * 188.164 = 2034.7), y (15.8 * 188.164 = 2972.99), cut toward zero.
  const PicturePoint p = picture_point(v, 0, -10);
  EXPECT_EQ(p.x, 2034);
  EXPECT_EQ(p.y, 2972);
}

TEST(SectionTransform, CutTowardZeroAndFloor) {
  ViewState v = view_of(100, 100);
  v.scale = 10, v.left_x = 0, v.top_y = 0;
  EXPECT_EQ(picture_point(v, -0.25, 0.25).x, -2);  // -2.5 toward zero
  EXPECT_EQ(picture_point(v, -0.25, 0.25).y, -2);
  EXPECT_EQ(picture_point_floor(v, -0.25, 0.25).x, -3);
  EXPECT_EQ(picture_point_floor(v, -0.25, 0.25).y, -3);
  const WorldPoint w = world_point(v, 15, 25);
  EXPECT_DOUBLE_EQ(w.x, 1.5);
  EXPECT_DOUBLE_EQ(w.y, -2.5);
}

TEST(SectionZoom, ClampsAndCentresOnTheClick) {
  struct Case {
    int mode;
    double scale, expected;
  };
  const Case cases[] = {{1, 9000, 10000}, {2, 0.000012, 0.00001}, {1, 100, 135}, {2, 100, 65}};
  for (const Case& c : cases) {
    ViewState v = view_of(6000, 4000);
    v.scale = c.scale, v.left_x = 1, v.top_y = 2;
    const WorldPoint clicked = world_point(v, 300, 400);
    zoom_at(v, c.mode, 300, 400);
    EXPECT_NEAR(v.scale, c.expected, c.expected * 1e-12);
    // The clicked point is now the centre of the drawing area.
    const WorldPoint centre = world_point(v, 3000, 2000);
    EXPECT_NEAR(centre.x, clicked.x, 1e-6 * (1 + std::abs(clicked.x)));
    EXPECT_NEAR(centre.y, clicked.y, 1e-6 * (1 + std::abs(clicked.y)));
  }
  ViewState v = view_of(6000, 4000);
  v.scale = 5;
  zoom_at(v, 0, 1, 1);
  EXPECT_EQ(v.scale, 5);
}

TEST(SectionPan, EveryEventIsOneStepOfTwoHundredUnits) {
  ViewState v = view_of(6000, 4000);
  v.scale = 50, v.left_x = 0, v.top_y = 0;
  EXPECT_TRUE(pan_horizontal(v, 1));
  EXPECT_TRUE(pan_horizontal(v, 2));
  EXPECT_TRUE(pan_horizontal(v, 30));  // a jump is still one step
  EXPECT_NEAR(v.left_x, 600.0 / 50, 1e-12);
  EXPECT_TRUE(pan_horizontal(v, 29));
  EXPECT_NEAR(v.left_x, 400.0 / 50, 1e-12);
  EXPECT_TRUE(pan_horizontal(v, 29));  // equal: moves left
  EXPECT_NEAR(v.left_x, 200.0 / 50, 1e-12);
  EXPECT_EQ(v.hscroll_last, 29);
  EXPECT_TRUE(pan_vertical(v, 1));  // down: the top goes down
  EXPECT_NEAR(v.top_y, -4, 1e-12);
  EXPECT_TRUE(pan_vertical(v, 1));
  EXPECT_NEAR(v.top_y, 0, 1e-12);
  ViewState unfitted = view_of(6000, 4000);
  EXPECT_FALSE(pan_horizontal(unfitted, 5));
  EXPECT_FALSE(pan_vertical(unfitted, 5));
  EXPECT_EQ(unfitted.hscroll_last, 0);
}

TEST(SectionLayout, ResizeRules) {
  EXPECT_FALSE(layout_for(5400, 9000));
  EXPECT_FALSE(layout_for(12000, 2800));
  const auto l = layout_for(12000, 9090);
  ASSERT_TRUE(l);
  EXPECT_EQ(l->pic_width, 6720);
  EXPECT_EQ(l->pic_height, 6285);
  EXPECT_EQ(l->drawing_width, 6660);
  EXPECT_EQ(l->drawing_height, 6225);
  EXPECT_EQ(l->vsb_height, 6765);
  EXPECT_EQ(l->vsb_width, 6720);
  EXPECT_EQ(l->hsb_height, 6285);
  EXPECT_EQ(l->hsb_width, 7200);
  EXPECT_EQ(l->tabs_left, 7500);
  EXPECT_EQ(l->tab0_width, 11675);
  EXPECT_EQ(l->tabs_height, 6825);
  // A window wider than a 16-bit count of twips.
  const auto wide = layout_for(3000 * 15, 9090);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->drawing_width, 3000 * 15 - 5280 - 60);
}

TEST(SectionReadout, PaddedAndHeld) {
  ViewState v = view_of(6000, 4000);
  v.scale = 100, v.left_x = 0, v.top_y = 0;
  EXPECT_EQ(mouse_readout(v, 1230, 340), "X:  12.30 Y:  -3.40");
  EXPECT_EQ(mouse_readout(v, 123450, -5), "X: 999.99 Y:   0.05");
  EXPECT_EQ(mouse_readout(v, -200000, 200000), "X:-999.99 Y:-999.99");
  // A view never fitted (scale 0) still gives a text, not a crash.
  ViewState unfitted;
  EXPECT_EQ(mouse_readout(unfitted, 0, 0), "X:   0.00 Y:   0.00");
}

}  // namespace
}  // namespace qvt::section
