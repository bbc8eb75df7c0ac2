// Extents, scale and origin of the condition figures, worked by hand.
#include "common/cp932.h"
#include "engines/common/tests/block_fixtures.h"
#include "engines/peludra/peludra.h"

#include <gtest/gtest.h>

#include <memory>

namespace qvt::peludra {
namespace {

using engine::testing::empty_blocks;
using engine::testing::put_rectangle;

// Blocks from x 0 to 20 and from -20 to +3, water levels inside.
std::unique_ptr<engine::ConditionData> section() {
  auto d = empty_blocks();
  put_rectangle(*d, 0, 0, -20, 20, 23, engine::BLOCK_SOIL_RECTANGLE);
  d->water_levels[0] = 1.5;
  d->water_levels[1] = 0;
  d->water_levels[2] = 0.5;
  return d;
}

TEST(ConditionFigureTest, StraightSurfaceIsCentredOnThePage) {
  // dx = 20, dy = 23: scale = min(2500 / 20, 3000 / 23) = min(125, 130.43) = 125;
  // origin_y = trunc(20 * 0.5 * 125 + 3250) = 4500, origin_x = trunc(23 * 0.5 * 125 + 2300)
  // = trunc(3737.5) = 3737.
  auto d = section();
  ConditionFigureState st;
  condition_extents(*d, st);
  ASSERT_TRUE(condition_scale(st));
  EXPECT_EQ(st.section.scale, 125);
  EXPECT_EQ(st.section.origin_y, 4500);
  EXPECT_EQ(st.section.origin_x, 3737);
  EXPECT_EQ(st.surface_max_x, SURFACE_UNSET);
}

TEST(ConditionFigureTest, GroundSurfaceBeyondTheLandSideWidensAndShiftsTheFigure) {
  // dx = 40: scale = min(4100 / 40, 130.43) = 102.5; origin_y = 2050 + 3250 - 800 = 4500;
  // origin_x = trunc(23 * 0.5 * 102.5 + 2300) = trunc(3478.75) = 3478.
  auto d = section();
  d->surface_shape = 1;
  d->surface_point_count = 3;
  d->surface_points[0] = {0, 20, 3};
  d->surface_points[1] = {0, 30, 2};
  d->surface_points[2] = {0, 40, 2};
  ConditionFigureState st;
  condition_extents(*d, st);
  EXPECT_EQ(st.surface_max_x, 40);
  EXPECT_EQ(st.surface_min_x, SURFACE_UNSET);
  EXPECT_EQ(st.surface_max_y, SURFACE_UNSET);  // the block extents themselves stay
  EXPECT_EQ(st.section.max_x, 20);
  ASSERT_TRUE(condition_scale(st));
  EXPECT_EQ(st.section.scale, 102.5);
  EXPECT_EQ(st.section.origin_y, 4500);
  EXPECT_EQ(st.section.origin_x, 3478);
}

TEST(ConditionFigureTest, SurfacePointsWithinTheBlocksOrOnAStraightSurfaceChangeNothing) {
  for (int shape : {1, 0}) {
    auto d = section();
    d->surface_shape = shape;
    d->surface_point_count = 2;
    d->surface_points[0] = {0, 5, 3};
    d->surface_points[1] = {0, shape == 1 ? 15.0 : 60.0, 2};  // beyond, but straight: ignored
    ConditionFigureState st;
    condition_extents(*d, st);
    ASSERT_TRUE(condition_scale(st));
    EXPECT_EQ(st.section.scale, 125) << shape;
    EXPECT_EQ(st.section.origin_y, 4500) << shape;
  }
}

TEST(ConditionFigureTest, WaterLevelAboveTheBlocksRaisesTheTop) {
  auto d = section();
  d->water_levels[0] = 7;  // dy = 27: scale = min(125, 111.1) = 111.1
  ConditionFigureState st;
  condition_extents(*d, st);
  EXPECT_EQ(st.section.max_y, 7);
  ASSERT_TRUE(condition_scale(st));
  EXPECT_DOUBLE_EQ(st.section.scale, 3000.0 / 27.0);
}

TEST(ConditionFigureTest, NothingToDrawHasNoScale) {
  auto d = empty_blocks();
  d->surface_shape = 1;
  d->surface_point_count = 2;
  d->surface_points[0] = {0, 5, 3};
  d->surface_points[1] = {0, 15, 2};
  ConditionFigureState st;
  condition_extents(*d, st);
  EXPECT_FALSE(condition_scale(st));
}

TEST(ConditionFigureTest, FileNamesAndTitles) {
  EXPECT_STREQ(report_file_name(0), "DM0000JZ.PDT");
  EXPECT_STREQ(report_file_name(1), "DM1000JZ.PDT");
  EXPECT_STREQ(figure_file_name(0), "JY_KJKZ.PZK");
  EXPECT_STREQ(figure_file_name(1), "JS_KJKZ.PZK");
  EXPECT_EQ(figure_title(1), utf8_to_cp932_lossy("《 検 討 条 件 図  ［地震時］》"));
}

}  // namespace
}  // namespace qvt::peludra
