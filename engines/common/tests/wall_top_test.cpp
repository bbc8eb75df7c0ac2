#include "engines/common/wall_top.h"

#include "engines/common/tests/block_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace qvt::engine {
namespace {

using testing::empty_blocks;
using testing::put_polygon;
using testing::put_rectangle;
using testing::put_top_range;

struct Seg {
  double x1, y1, x2, y2, q;
};
struct Load {
  double w, x_arm, m, h, y_arm, mh;
};
struct Pt {
  double x, y, q;
};

// One run with a fresh state: flags, then the loads of the case. Notices are collected.
class WallTop : public ::testing::Test {
 protected:
  void SetUp() override {
    d = empty_blocks();
    // The toe of these examples: front bottom of an improved body at (-1, -5).
    d->toe_x = -1;
    d->toe_y = -5;
  }

  int run(int current_case = CASE_NORMAL) {
    flag_top_surcharges(*d, state);
    d->current_case = current_case;
    return compute_top_surcharge_loads(*d, state, sink());
  }

  NoticeSink sink() {
    return [this](const EngineMessage& m) { notices.push_back(m); };
  }

  void expect_segments(const std::vector<Seg>& want) {
    const TopSurchargeSegments& s = state.top_surcharge_segments;
    ASSERT_EQ(s.count, static_cast<int>(want.size()));
    for (std::size_t i = 0; i < want.size(); ++i) {
      EXPECT_NEAR(s.x1[i], want[i].x1, 1e-9) << i;
      EXPECT_NEAR(s.y1[i], want[i].y1, 1e-9) << i;
      EXPECT_NEAR(s.x2[i], want[i].x2, 1e-9) << i;
      EXPECT_NEAR(s.y2[i], want[i].y2, 1e-9) << i;
      EXPECT_DOUBLE_EQ(s.q[i], want[i].q) << i;
    }
  }

  void expect_loads(const std::vector<Load>& want) {
    const TopSurchargeLoads& l = state.top_surcharge_loads;
    ASSERT_EQ(l.count, static_cast<int>(want.size()));
    ASSERT_EQ(l.w.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
      EXPECT_NEAR(l.w[i], want[i].w, 1e-9) << i;
      EXPECT_NEAR(l.x_arm[i], want[i].x_arm, 1e-9) << i;
      EXPECT_NEAR(l.m[i], want[i].m, 1e-9) << i;
      EXPECT_NEAR(l.h[i], want[i].h, 1e-9) << i;
      EXPECT_NEAR(l.y_arm[i], want[i].y_arm, 1e-9) << i;
      EXPECT_NEAR(l.mh[i], want[i].mh, 1e-9) << i;
    }
  }

  void expect_outline(const std::vector<Pt>& want) {
    const WallTopOutline& o = state.wall_top_outline;
    ASSERT_EQ(o.count, static_cast<int>(want.size()));
    for (std::size_t i = 0; i < want.size(); ++i) {
      EXPECT_NEAR(o.x[i], want[i].x, 1e-9) << i;
      EXPECT_NEAR(o.y[i], want[i].y, 1e-9) << i;
      EXPECT_DOUBLE_EQ(o.q[i], want[i].q) << i;
    }
  }

  std::unique_ptr<ConditionData> d;
  WallTopState state;
  std::vector<EngineMessage> notices;
};

TEST_F(WallTop, FlagsRangesThatCarryAnything) {
  put_top_range(*d, 0, 0, 0, 0, 0);
  put_top_range(*d, 1, 0, 0.0001, 0, 0);       // a bound of 0.0001 counts
  put_top_range(*d, 2, 0, 0, 0, -0.00009);     // below 0.0001 does not
  put_top_range(*d, 3, 1, 2, 10, 10);          // the fourth range is never used
  flag_top_surcharges(*d, state);
  EXPECT_EQ(state.top_surcharge_present[0], 0);
  EXPECT_EQ(state.top_surcharge_present[1], 1);
  EXPECT_EQ(state.top_surcharge_present[2], 0);
  put_top_range(*d, 0, 0, 0, 0, -0.0001);      // the seismic load alone
  flag_top_surcharges(*d, state);
  EXPECT_EQ(state.top_surcharge_present[0], 1);
}

TEST_F(WallTop, RearPointIsRightmostThenHighest) {
  find_wall_rear_point(*d, state);
  EXPECT_DOUBLE_EQ(state.wall_rear_x, -9999.9);
  EXPECT_DOUBLE_EQ(state.wall_rear_y, -9999.9);
  // (10, 3) first; the later block's (10, 6) has the same x and is higher; the improved body's
  // (10, -5) is lower; (9, 7) is further left.
  put_rectangle(*d, 0, 0, 0, 10, 3);
  put_polygon(*d, 1, 5, 3, {{0, 0}, {4, 4}, {5, 3}, {5, 0}});
  put_rectangle(*d, 2, 0, -10, 10, 5, BLOCK_SOIL_RECTANGLE);
  find_wall_rear_point(*d, state);
  EXPECT_DOUBLE_EQ(state.wall_rear_x, 10);
  EXPECT_DOUBLE_EQ(state.wall_rear_y, 6);
}

// A rectangle (0, 0)-(10, 3), range 2 <= x < 8 at 10 kN/m2.
// Start: the probe x = 2 crosses the top edge at (2, 3) and the bottom at (2, 0); the top one
// wins. The tracing runs to (10, 3), the rear point. The ground line adds (9999, 3); the range
// end splits the top at 8.
// w = (8 - 2) x 10 = 60; x arm = (2 + 8) / 2 - toe_x = 5 + 1 = 6; m = 60 x 6 = 360.
TEST_F(WallTop, SingleRectangle) {
  put_rectangle(*d, 0, 0, 0, 10, 3);
  put_top_range(*d, 0, 2, 8, 10, 7);
  EXPECT_EQ(run(), 0);
  EXPECT_DOUBLE_EQ(state.wall_rear_x, 10);
  EXPECT_DOUBLE_EQ(state.wall_rear_y, 3);
  expect_outline({{2, 3, 10}, {8, 3, NO_LOAD}, {10, 3, NO_LOAD}, {9999, 3, NO_LOAD}});
  expect_segments({{2, 3, 8, 3, 10}});
  expect_loads({{60, 6, 360, 0, 0, 0}});
  EXPECT_TRUE(notices.empty());
}

// The same range reaching x = 12: the run (2, 3)-(12, 3) goes on past the rear (10, 3) because
// the next point (12, 3) is level with the start and the load continues; it is cut at x = 10.
// w = (10 - 2) x 10 = 80; x arm = (2 + 10) / 2 + 1 = 7; m = 560.
// A ground line rising behind the wall (45 degrees) carries no load either.
TEST_F(WallTop, RangeBeyondTheRearIsCutThere) {
  put_rectangle(*d, 0, 0, 0, 10, 3);
  put_top_range(*d, 0, 2, 12, 10);
  EXPECT_EQ(run(), 0);
  expect_segments({{2, 3, 12, 3, 10}});
  expect_loads({{80, 7, 560, 0, 0, 0}});

  d->surface_slope_angle = 45;
  EXPECT_EQ(run(), 0);
  // Behind the wall the ground rises 1 in 1: the range end 12 lies at y = 3 + 2 = 5.
  expect_outline({{2, 3, 10}, {10, 3, 10}, {12, 5, NO_LOAD}, {9999, 3 + 9989, NO_LOAD}});
  expect_segments({{2, 3, 10, 3, 10}});
  expect_loads({{80, 7, 560, 0, 0, 0}});
}

TEST_F(WallTop, IgnoredTopSurchargeGivesNoLoads) {
  put_rectangle(*d, 0, 0, 0, 10, 3);
  put_top_range(*d, 0, 2, 8, 10);
  d->top_surcharge_ignored = 1;
  EXPECT_EQ(run(), -1);
  EXPECT_EQ(state.top_surcharge_loads.count, 0);
  EXPECT_TRUE(state.top_surcharge_loads.w.empty());
  // Off the wall as well: ignored on purpose, nothing to tell.
  put_top_range(*d, 0, 20, 30, 10);
  EXPECT_EQ(run(), -1);
  EXPECT_TRUE(notices.empty());
}

TEST_F(WallTop, NoRangeNoStartNoLoads) {
  put_rectangle(*d, 0, 0, 0, 10, 3);
  EXPECT_EQ(run(), 0);
  int slot = 9, vertex = 9;
  double x = 9, y = 9;
  EXPECT_EQ(find_outline_start(*d, state, slot, vertex, x, y), -1);
  EXPECT_EQ(slot, 0);
  EXPECT_EQ(vertex, 0);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  // The outline is the rear point and the ground line alone.
  expect_outline({{10, 3, NO_LOAD}, {9999, 3, NO_LOAD}});
  EXPECT_EQ(state.top_surcharge_loads.count, 0);
  EXPECT_TRUE(notices.empty());
}

// Ranges that do not meet the wall: loads stay 0, and the user is told once a run.
TEST_F(WallTop, PresentRangeOffTheWallIsNoticed) {
  struct Case {
    const char* name;
    int k;
    double x_min, x_max;
  } cases[] = {
      {"behind the wall: no block reaches beyond x_min", 0, 20, 30},
      {"in front of the wall: the probe crosses no block", 1, -8, -2},
  };
  for (const Case& c : cases) {
    SetUp();
    notices.clear();
    put_rectangle(*d, 0, 0, 0, 10, 3);
    put_top_range(*d, c.k, c.x_min, c.x_max, 10, 10);
    d->seismic_coef_inertia = 0.2;
    EXPECT_EQ(run(CASE_NORMAL), 0) << c.name;
    EXPECT_EQ(state.top_surcharge_loads.count, 0) << c.name;
    EXPECT_EQ(compute_top_surcharge_loads(*d, state, sink()), 0) << c.name;  // same run
    d->current_case = CASE_SEISMIC;
    EXPECT_EQ(compute_top_surcharge_loads(*d, state, sink()), 0) << c.name;
    EXPECT_EQ(state.top_surcharge_loads.count, 0) << c.name;
    ASSERT_EQ(notices.size(), 1u) << c.name;
    EXPECT_EQ(notices[0].kind, MessageKind::Warning);
    EXPECT_EQ(notices[0].title, std::string(kNoticeTitle));
    EXPECT_EQ(notices[0].text, top_surcharge_off_wall_text());
  }
}

// Ranges 1..4 and 4..7 on the flat top of the rectangle (0, 0)-(10, 3).
// Outline after the splits: (1,3) q1, (4,3) q2, (7,3) -, (10,3) -, (9999,3) -.
// Same load: the run from (1, 3) goes on over (4, 3)-(7, 3) (level, same load): one segment
// 1..7, w = 6 x 10 = 60, x arm = 4 + 1 = 5, m = 300.
// Loads 10 and 20: two segments, w = 3 x 10 = 30 with arm 2.5 + 1 = 3.5, m = 105, and
// w = 3 x 20 = 60 with arm 5.5 + 1 = 6.5, m = 390.
TEST_F(WallTop, MergesLevelNeighboursOfEqualLoad) {
  put_rectangle(*d, 0, 0, 0, 10, 3);
  put_top_range(*d, 0, 1, 4, 10);
  put_top_range(*d, 1, 4, 7, 10);
  EXPECT_EQ(run(), 0);
  expect_segments({{1, 3, 7, 3, 10}});
  expect_loads({{60, 5, 300, 0, 0, 0}});

  put_top_range(*d, 1, 4, 7, 20);
  EXPECT_EQ(run(), 0);
  expect_outline({{1, 3, 10}, {4, 3, 20}, {7, 3, NO_LOAD}, {10, 3, NO_LOAD}, {9999, 3, NO_LOAD}});
  expect_segments({{1, 3, 4, 3, 10}, {4, 3, 7, 3, 20}});
  expect_loads({{30, 3.5, 105, 0, 0, 0}, {60, 6.5, 390, 0, 0, 0}});
}

// A low block (0, 0)-(5, 3) and a high one (5, 0)-(10, 5) beside it; range 1..9 at 10.
// Tracing: (1, 3) along the low top to the junction (5, 3) on the high block's left side, up to
// (5, 5), along to the rear (10, 5). The step (5, 3)-(5, 5) carries nothing: the loads are
// (5 - 1) x 10 = 40 with arm 3 + 1 = 4, m = 160, and (9 - 5) x 10 = 40 with arm 7 + 1 = 8,
// m = 320: 80 in all for the 8 m of plan width.
TEST_F(WallTop, VerticalStepCarriesNoLoad) {
  put_rectangle(*d, 0, 0, 0, 5, 3);
  put_rectangle(*d, 1, 5, 0, 5, 5);
  put_top_range(*d, 0, 1, 9, 10);
  EXPECT_EQ(run(), 0);
  expect_outline({{1, 3, 10},
                  {5, 3, NO_LOAD},
                  {5, 5, 10},
                  {9, 5, NO_LOAD},
                  {10, 5, NO_LOAD},
                  {9999, 5, NO_LOAD}});
  expect_segments({{1, 3, 5, 3, 10}, {5, 5, 9, 5, 10}});
  expect_loads({{40, 4, 160, 0, 0, 0}, {40, 8, 320, 0, 0, 0}});
}

// A cap (2, 3)-(6, 5) on a base (0, 0)-(10, 3); range 0..10 at 10. The tracing leaves the base
// at the cap's corner (2, 3), goes over the cap and comes back down onto the base at (6, 3):
// runs (0..2 at y 3), (2..6 at y 5), (6..10 at y 3) with w = 20, 40, 40 (100 = 10 m x 10),
// arms 1 + 1 = 2, 4 + 1 = 5, 8 + 1 = 9, moments 40, 200, 360.
TEST_F(WallTop, TracesOverABlockOnTop) {
  put_rectangle(*d, 0, 0, 0, 10, 3);
  put_rectangle(*d, 1, 2, 3, 4, 2);
  put_top_range(*d, 0, 0, 10, 10);
  EXPECT_EQ(run(), 0);
  expect_outline({{0, 3, 10},
                  {2, 3, NO_LOAD},
                  {2, 5, 10},
                  {6, 5, NO_LOAD},
                  {6, 3, 10},
                  {10, 3, NO_LOAD},
                  {9999, 3, NO_LOAD}});
  expect_loads({{20, 2, 40, 0, 0, 0}, {40, 5, 200, 0, 0, 0}, {40, 9, 360, 0, 0, 0}});
}

// Stop rules. A base (0, 0)-(10, 3) and a lower block (12, 0)-(14, 1) further back: the rear
// point is (14, 1). The tracing goes along the top to (10, 3), down to (10, 0), and ends when the
// outline turns back to (0, 0); the ground line goes on from (10, 0). Range 2..8 at 10:
// w = 60, arm 5 + 1 = 6, m = 360.
TEST_F(WallTop, TracingEndsWhereTheOutlineTurnsBack) {
  put_rectangle(*d, 0, 0, 0, 10, 3);
  put_rectangle(*d, 1, 12, 0, 2, 1);
  put_top_range(*d, 0, 2, 8, 10);
  EXPECT_EQ(run(), 0);
  expect_outline({{2, 3, 10}, {8, 3, NO_LOAD}, {10, 3, NO_LOAD}, {10, 0, NO_LOAD},
                  {9999, 0, NO_LOAD}});
  expect_loads({{60, 6, 360, 0, 0, 0}});
}

// A point reached at the rear x below the rear point (10, 6) of a block standing clear above
// the base: the outline ends at the rear point instead. The range end 8 then lies on the line
// (2, 3)-(10, 6) at y = 3 + 3 / 8 x 6 = 5.25. w = 60, arm 6, m = 360.
TEST_F(WallTop, PointBelowTheRearPointBecomesTheRearPoint) {
  put_rectangle(*d, 0, 0, 0, 10, 3);
  put_rectangle(*d, 1, 9, 5, 1, 1);
  put_top_range(*d, 0, 2, 8, 10);
  EXPECT_EQ(run(), 0);
  expect_outline({{2, 3, 10}, {8, 5.25, NO_LOAD}, {10, 6, NO_LOAD}, {9999, 6, NO_LOAD}});
  expect_segments({{2, 3, 8, 5.25, 10}});
  expect_loads({{60, 6, 360, 0, 0, 0}});
}

// Two rectangles (0, 0)-(4, 3) and (4, 0)-(10, 3) meet on the probe x = 4. Both top edges are
// crossed at (4, 3): the first block's ends there, the second's runs on to (10, 3); the start
// takes the second.
TEST_F(WallTop, StartTakesTheEdgeRunningOnToTheRight) {
  put_rectangle(*d, 0, 0, 0, 4, 3);
  put_rectangle(*d, 1, 4, 0, 6, 3);
  put_top_range(*d, 0, 4, 10, 10);
  flag_top_surcharges(*d, state);
  int slot = -1, vertex = -1;
  double x = 0, y = 0;
  ASSERT_EQ(find_outline_start(*d, state, slot, vertex, x, y), 0);
  EXPECT_EQ(slot, 1);
  EXPECT_EQ(vertex, 12);
  EXPECT_DOUBLE_EQ(x, 4);
  EXPECT_DOUBLE_EQ(y, 3);
  // w = 6 x 10 = 60, arm 7 + 1 = 8, m = 480.
  EXPECT_EQ(run(), 0);
  expect_loads({{60, 8, 480, 0, 0, 0}});
}

// A roof (0,0),(0,3),(4,5),(10,3),(10,0): the probe x = 4 meets the ridge. Of the two crossings
// at (4, 5) the edge ending at the ridge comes first, and the edge running down to (10, 3)
// ends lower, so the start stays on the ridge vertex itself. The tracing then looks back along
// the edge that arrives there and gives the ridge a second point; the zero-width segment
// between them takes no load. Slope (4,5)-(10,3): w = 6 x 10 = 60, arm 7 + 1 = 8, m = 480.
TEST_F(WallTop, StartOnARidgeVertex) {
  put_polygon(*d, 0, 0, 0, {{0, 0}, {0, 3}, {4, 5}, {10, 3}, {10, 0}});
  put_top_range(*d, 0, 4, 10, 10);
  EXPECT_EQ(run(), 0);
  expect_outline({{4, 5, NO_LOAD}, {4, 5, 10}, {10, 3, NO_LOAD}, {9999, 3, NO_LOAD}});
  expect_segments({{4, 5, 10, 3, 10}});
  expect_loads({{60, 8, 480, 0, 0, 0}});
}

// Where two blocks begin at the same point, the tracing takes the one that turns furthest up.
// Base A (0, 0)-(10, 3), B (10, 0)-(15, 3) beside it and C (10, 3)-(12, 5) on the joint. At
// (10, 3) both B's top (heading right) and C's left side (heading up) start; C's turns further.
// Outline (1,3) (10,3) (10,5) (12,5) (12,3) (15,3); range 1..15 at 10:
// (10 - 1) x 10 = 90, arm 5.5 + 1 = 6.5, m = 585; (12 - 10) x 10 = 20, arm 11 + 1 = 12, m = 240;
// (15 - 12) x 10 = 30, arm 13.5 + 1 = 14.5, m = 435. 140 in all for 14 m.
TEST_F(WallTop, JunctionTurnsFurthestUp) {
  put_rectangle(*d, 0, 0, 0, 10, 3);
  put_rectangle(*d, 1, 10, 0, 5, 3);
  put_rectangle(*d, 2, 10, 3, 2, 2);
  put_top_range(*d, 0, 1, 15, 10);
  EXPECT_EQ(run(), 0);
  expect_outline({{1, 3, 10},
                  {10, 3, NO_LOAD},
                  {10, 5, 10},
                  {12, 5, NO_LOAD},
                  {12, 3, 10},
                  {15, 3, NO_LOAD},
                  {9999, 3, NO_LOAD}});
  expect_loads({{90, 6.5, 585, 0, 0, 0}, {20, 12, 240, 0, 0, 0}, {30, 14.5, 435, 0, 0, 0}});
}

// The roof of the ridge case with a block C (4,5) (4,7) (7,7) (7,4) standing on its ridge and
// slope. The probe x = 4 meets C's top at (4, 7), above the ridge, so the tracing starts there,
// goes along C's top and down its right side onto the roof at (7, 4): (4,7)-(7,7) at 10 gives 30
// with arm 5.5 + 1 = 6.5, m = 195; the slope (7,4)-(10,3) gives 30 with arm 8.5 + 1 = 9.5,
// m = 285.
TEST_F(WallTop, StartOnTheHighestBlockAtTheProbe) {
  put_polygon(*d, 0, 0, 0, {{0, 0}, {0, 3}, {4, 5}, {10, 3}, {10, 0}});
  put_polygon(*d, 1, 0, 0, {{4, 5}, {4, 7}, {7, 7}, {7, 4}});
  put_top_range(*d, 0, 4, 10, 10);
  EXPECT_EQ(run(), 0);
  expect_outline({{4, 7, 10}, {7, 7, NO_LOAD}, {7, 4, 10}, {10, 3, NO_LOAD}, {9999, 3, NO_LOAD}});
  expect_segments({{4, 7, 7, 7, 10}, {7, 4, 10, 3, 10}});
  expect_loads({{30, 6.5, 195, 0, 0, 0}, {30, 9.5, 285, 0, 0, 0}});
}

// A second range wholly behind the wall (12..20) splits the ground line but loads nothing:
// only 2..8 remains, w = 60, arm 6, m = 360.
TEST_F(WallTop, RangeBehindTheWallCarriesNothing) {
  put_rectangle(*d, 0, 0, 0, 10, 3);
  put_top_range(*d, 0, 2, 8, 10);
  put_top_range(*d, 1, 12, 20, 5);
  EXPECT_EQ(run(), 0);
  expect_segments({{2, 3, 8, 3, 10}, {12, 3, 20, 3, 5}});
  expect_loads({{60, 6, 360, 0, 0, 0}});
  EXPECT_TRUE(notices.empty());
}

// Seismic case, rectangle (0, 0)-(10, 3), range 2..8.1234, normal 10, seismic 5, kh = 0.15:
// w = 6.1234 x 5 = 30.617; x arm = (2 + 8.1234) / 2 + 1 = 6.0617 -> 6.062;
// m = 30.617 x 6.062 = 185.600254 -> 185.600; h = 0.15 x 30.617 = 4.59255 -> 4.593;
// y arm = 3 + 5 = 8; mh = 4.593 x 8 = 36.744.
TEST_F(WallTop, SeismicInertiaLoads) {
  put_rectangle(*d, 0, 0, 0, 10, 3);
  put_top_range(*d, 0, 2, 8.1234, 10, 5);
  d->seismic_coef_inertia = 0.15;
  EXPECT_EQ(run(CASE_SEISMIC), 0);
  expect_segments({{2, 3, 8.1234, 3, 5}});
  expect_loads({{30.617, 6.062, 185.6, 4.593, 8, 36.744}});
  // The normal case of the same run: the normal load, no inertia.
  // w = 61.234, m = 61.234 x 6.062 = 371.200508 -> 371.201.
  EXPECT_EQ(run(CASE_NORMAL), 0);
  expect_loads({{61.234, 6.062, 371.201, 0, 0, 0}});
}

// Two blocks side by side with saw-tooth tops of 100 teeth each (0.1 m pitch) give more points
// than the outline holds: the tracing stops with a notice and stays inside its arrays.
TEST_F(WallTop, LongOutlineStopsWithANotice) {
  for (int slot = 0; slot < 2; ++slot) {
    WallBlock& b = d->wall_blocks[slot];
    b.block_type = BLOCK_POLYGON;
    const double x0 = 10.0 * slot;
    int j = 0;
    auto add = [&](double x, double y) {
      b.polygon.vertex_x[j] = x;
      b.polygon.vertex_y[j] = y;
      ++j;
    };
    add(x0, 0);
    for (int i = 0; i <= 100; ++i) add(x0 + 0.1 * i, i % 2 == 0 ? 3.0 : 3.05);
    add(x0 + 10, 0);
    b.polygon.vertex_count = static_cast<i16>(j);
  }
  put_top_range(*d, 0, 0, 30, 10);
  EXPECT_EQ(run(), 0);
  EXPECT_LE(state.wall_top_outline.count, WALL_TOP_POINTS);
  EXPECT_GT(state.wall_top_outline.count, 110);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].text, outline_capacity_text());
  // The outline got across the joint at x = 10 before it stopped.
  const WallTopOutline& o = state.wall_top_outline;
  EXPECT_GT(o.x[o.count - 2], 10.0);
  EXPECT_GT(state.top_surcharge_loads.count, 0);
}

}  // namespace
}  // namespace qvt::engine
