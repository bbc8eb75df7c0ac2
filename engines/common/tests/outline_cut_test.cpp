// Cuts of a polygon outline at a level and at a vertical, also far from the origin.
#include "engines/common/outline_cut.h"
#include "engines/common/tests/block_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace qvt::engine {
namespace {

using Pts = std::vector<OutlinePoint>;

void expect_points(const Pts& got, const Pts& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(got[i].x, want[i].x, 1e-9) << i;
    EXPECT_NEAR(got[i].y, want[i].y, 1e-9) << i;
  }
}

TEST(OutlineCutTest, LevelCutWhereverTheOutlineLies) {
  // The same square near the origin and 300 m away: both are cut at level 1.
  for (double shift : {0.0, 300.0, -300.0}) {
    SCOPED_TRACE(shift);
    const Pts square = {{shift, 0}, {shift, 3}, {shift + 2, 3}, {shift + 2, 0}};
    expect_points(cut_outline_at_level(square, 1.0, true),
                  {{shift, 1}, {shift, 3}, {shift + 2, 3}, {shift + 2, 1}});
    expect_points(cut_outline_at_level(square, 1.0, false),
                  {{shift, 0}, {shift, 1}, {shift + 2, 1}, {shift + 2, 0}});
  }
}

TEST(OutlineCutTest, VerticalCutKeepsTheLeftPartAndReportsTheCrossings) {
  for (double lift : {0.0, 250.0}) {
    SCOPED_TRACE(lift);
    const Pts square = {{10, lift}, {10, lift + 4}, {14, lift + 4}, {14, lift}};
    Pts crossings;
    expect_points(cut_outline_left_of(square, 12.5, &crossings),
                  {{10, lift}, {10, lift + 4}, {12.5, lift + 4}, {12.5, lift}});
    expect_points(crossings, {{12.5, lift + 4}, {12.5, lift}});
  }
  const Pts square = {{10, 0}, {10, 4}, {14, 4}, {14, 0}};
  EXPECT_TRUE(cut_outline_left_of(square, 9).empty());
  expect_points(cut_outline_left_of(square, 20), square);
}

TEST(OutlineCutTest, PolygonOutlineIsAbsoluteAndBounded) {
  auto d = testing::empty_blocks();
  testing::put_polygon(*d, 0, 3, -2, {{0, 0}, {0, 1}, {3, 1}});
  expect_points(polygon_outline(d->wall_blocks[0]), {{3, -2}, {3, -1}, {6, -1}});
  d->wall_blocks[0].polygon.vertex_count = -3;
  EXPECT_TRUE(polygon_outline(d->wall_blocks[0]).empty());
  d->wall_blocks[0].polygon.vertex_count = 500;
  EXPECT_EQ(polygon_outline(d->wall_blocks[0]).size(), 118u);
}

}  // namespace
}  // namespace qvt::engine
