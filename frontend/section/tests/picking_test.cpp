// The nearest rule behind every pick and snap of the picture, on the block quay sample: the wall
// block 0..6 x -10..+3 (label at (3, -3.5)) on the improved body 0..20 x -25..-10 (label at
// (10, -17.5)).
#include "frontend/section/picking.h"
#include "frontend/section/tests/section_test_support.h"

#include <gtest/gtest.h>

namespace qvt::section {
namespace {

using testing::load_sample;

TEST(NearestRule, LaterOfEquallyNearWinsAndTheRadiusItselfCounts) {
  NearestSearch s(0, 0, 5);
  EXPECT_TRUE(s.offer(3, 4));    // exactly at the radius
  EXPECT_TRUE(s.offer(-4, 3));   // equally near: replaces
  EXPECT_FALSE(s.offer(4, 3.1)); // farther
  EXPECT_FALSE(s.offer(5.1, 0)); // |dx| beyond the shrunk radius
  EXPECT_TRUE(s.offer(1, 1));
  NearestSearch none(0, 0, 1);
  EXPECT_FALSE(none.offer(0.8, 0.8));  // within both |dx| and |dy| but not the circle
}

TEST(SnapToBlockVertex, SampleCornersAndRadius) {
  auto m = load_sample("sample_block_quay");
  double x = -1, y = -1;
  // (0, 3) and (6, 3) are both 3 m away: the later vertex of the wall block wins.
  EXPECT_EQ(snap_to_block_vertex(*m, 3, 3, 9999.9, x, y, -1), 1);
  EXPECT_DOUBLE_EQ(x, 6);
  EXPECT_DOUBLE_EQ(y, 3);
  // (0, -10) is a corner of both blocks; the later slot (the body) gives it, at the same place.
  EXPECT_EQ(snap_to_block_vertex(*m, 0.2, -10.1, 1.0, x, y, -1), 1);
  EXPECT_DOUBLE_EQ(x, 0);
  EXPECT_DOUBLE_EQ(y, -10);
  // Exactly at the radius counts; just beyond it nothing is written.
  x = y = 42;
  EXPECT_EQ(snap_to_block_vertex(*m, 6, 4, 1.0, x, y, -1), 1);
  EXPECT_DOUBLE_EQ(y, 3);
  x = y = 42;
  EXPECT_EQ(snap_to_block_vertex(*m, 6, 4.0001, 1.0, x, y, -1), -1);
  EXPECT_EQ(x, 42);
  EXPECT_EQ(y, 42);
  // One slot only: the body's nearest corner to (3, 3) is (0, -10)... or (20, -10): (0, -10)
  // is 13.3 m away, (20, -10) 21.4 m.
  EXPECT_EQ(snap_to_block_vertex(*m, 3, 3, 9999.9, x, y, 1), 1);
  EXPECT_DOUBLE_EQ(x, 0);
  EXPECT_DOUBLE_EQ(y, -10);
  // An empty slot, and a slot past the last, find nothing.
  EXPECT_EQ(snap_to_block_vertex(*m, 3, 3, 9999.9, x, y, 5), -1);
  EXPECT_EQ(snap_to_block_vertex(*m, 3, 3, 9999.9, x, y, 25), -1);
}

TEST(PickBlockAt, NearestLabelLaterSlotOnTies) {
  auto m = load_sample("sample_block_quay");
  // (6.5, -10.5) is sqrt(3.5^2 + 7^2) from both labels: the later slot.
  EXPECT_EQ(pick_block_at(*m, 6.5, -10.5, 9999.9), 1);
  EXPECT_EQ(pick_block_at(*m, 3, -3, 9999.9), 0);
  EXPECT_EQ(pick_block_at(*m, 3, -3, 0.4), -1);
  EXPECT_EQ(pick_block_at(*m, 3, -3, 0.5), 0);  // at the radius
}

TEST(PickPoints, PressureAndDimensionLists) {
  auto m = load_sample("sample_block_quay");
  // Active side: (20, 3), (20, -10), (20, -25).
  EXPECT_EQ(pick_pressure_point(*m, 20.5, -10, 1.0, 1), 1);
  EXPECT_EQ(pick_pressure_point(*m, 20.5, -10, 1.0, 0), -1);
  EXPECT_EQ(pick_pressure_point(*m, 20, 3, 1.0, 2), -1);  // no third side
  auto& d = m->conditions.dimension_points[1];
  d.count = 2;
  d.x[0] = 1, d.y[0] = 0;
  d.x[1] = -1, d.y[1] = 0;
  d.x[2] = 0, d.y[2] = 0;  // beyond the count
  EXPECT_EQ(pick_dimension_point(*m, 0, 0, 1.0, 1), 1);
  EXPECT_EQ(pick_dimension_point(*m, 0, 0, 1.0, 0), -1);
}

}  // namespace
}  // namespace qvt::section
