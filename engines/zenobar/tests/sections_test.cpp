#include "engines/zenobar/sections.h"

#include "engines/zenobar/tests/zen_fixture.h"

namespace qvt::zenobar {
namespace {

using testing::ZenTest;
using Pts = std::vector<OutlinePoint>;

void expect_points(const Pts& got, const Pts& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(got[i].x, want[i].x, 1e-12) << i;
    EXPECT_NEAR(got[i].y, want[i].y, 1e-12) << i;
  }
}

class SectionsTest : public ZenTest {};

TEST_F(SectionsTest, BlocksAreListedByLabelThenSlotAndStrayLabelsLast) {
  set_rect(0, 1, 2, "a", 0, 0, 1, 1, 20, 10, 20);
  set_rect(2, 1, 0, "b", 0, 0, 1, 1, 20, 10, 20);
  set_rect(3, 1, 2, "c", 0, 0, 1, 1, 20, 10, 20);
  set_rect(4, 1, 25, "d", 0, 0, 1, 1, 20, 10, 20);  // label outside 0..19: still weighed
  set_rect(5, 1, 1, "e", 0, 0, 1, 1, 20, 10, 20);
  cd().block_label_numbers[1] = 0;  // slot 1 stays empty and is never listed
  EXPECT_EQ(blocks_in_label_order(), (std::vector<int>{2, 5, 0, 3, 4}));
}

TEST(CutOutline, RectangleCutAtTheLevel) {
  // Clockwise rectangle 2 m wide, 3 m high, level at y = 1.
  const Pts rect{{0, 0}, {0, 3}, {2, 3}, {2, 0}};
  expect_points(cut_outline_at_level(rect, 1.0, true), {{0, 1}, {0, 3}, {2, 3}, {2, 1}});
  expect_points(cut_outline_at_level(rect, 1.0, false), {{0, 0}, {0, 1}, {2, 1}, {2, 0}});
}

TEST(CutOutline, WhollyBelowOrAboveTheLevel) {
  const Pts rect{{0, 0}, {0, 3}, {2, 3}, {2, 0}};
  EXPECT_TRUE(cut_outline_at_level(rect, 5.0, true).empty());
  expect_points(cut_outline_at_level(rect, 5.0, false), rect);
  EXPECT_TRUE(cut_outline_at_level(rect, -1.0, false).empty());
}

TEST(CutOutline, EdgesCrossingFarFromTheOriginAreCutToo) {
  // The same rectangle moved to x = 150 .. 152 (and to x = -152 .. -150): the crossings lie
  // beyond 100 m from x = 0 and must still be found.
  for (double x0 : {150.0, -152.0}) {
    const Pts rect{{x0, 0}, {x0, 3}, {x0 + 2, 3}, {x0 + 2, 0}};
    expect_points(cut_outline_at_level(rect, 1.0, true),
                  {{x0, 1}, {x0, 3}, {x0 + 2, 3}, {x0 + 2, 1}});
    expect_points(cut_outline_at_level(rect, 1.0, false),
                  {{x0, 0}, {x0, 1}, {x0 + 2, 1}, {x0 + 2, 0}});
  }
  // An edge from x = 90 to x = 130 crossing the level at x = 110.
  const Pts tri{{90, 0}, {130, 4}, {130, 0}};
  const Pts lower = cut_outline_at_level(tri, 2.0, false);
  ASSERT_EQ(lower.size(), 4u);
  EXPECT_NEAR(lower[1].x, 110.0, 1e-9);
  EXPECT_NEAR(lower[1].y, 2.0, 1e-9);
}

TEST(CutOutline, AVertexOnTheLevelBelongsToBothParts) {
  // Diamond with its left and right corners on the level y = 0.
  const Pts diamond{{-1, 0}, {0, 1}, {1, 0}, {0, -1}};
  const Pts upper = cut_outline_at_level(diamond, 0.0, true);
  const Pts lower = cut_outline_at_level(diamond, 0.0, false);
  auto has = [](const Pts& pts, double x, double y) {
    for (const auto& p : pts)
      if (std::abs(p.x - x) < 1e-12 && std::abs(p.y - y) < 1e-12) return true;
    return false;
  };
  for (const Pts* part : {&upper, &lower}) {
    EXPECT_TRUE(has(*part, -1, 0));
    EXPECT_TRUE(has(*part, 1, 0));
  }
  EXPECT_TRUE(has(upper, 0, 1));
  EXPECT_FALSE(has(upper, 0, -1));
  EXPECT_TRUE(has(lower, 0, -1));
  EXPECT_FALSE(has(lower, 0, 1));
}

TEST_F(SectionsTest, PolygonOutlineIsAbsolute) {
  set_polygon(3, 0, 0, "p", 2, -3, {{1, 1}, {1, 2}, {4, 2}}, 20, 10, 20);
  expect_points(polygon_outline(3), {{3, -2}, {3, -1}, {6, -1}});
}

}  // namespace
}  // namespace qvt::zenobar
