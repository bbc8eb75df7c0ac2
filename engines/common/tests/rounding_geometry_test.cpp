#include "engines/common/rounding_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qvt::engine {
namespace {

struct RoundCase {
  double value, unit;
  int mode;
  double expected;
};

// Worked by hand on q = value / unit:
//  mode 0: a fraction within 0.4999..0.5001 is a half and goes to the even neighbour,
//          anything else rounds half up; 2000.5 -> 2000, 2001.5 -> 2002, 1234.56 -> 1235,
//          2.50005 (fraction 0.50005, inside the band) -> 2, 2.5002 (outside) -> 3;
//          with unit 0.01, 1.005 is 100.5 -> 100 and 1.015 is 101.5 -> 102;
//          q below 1 (0.4, 0.6) has a negative logarithm and still rounds to 0 and 1.
//  mode 1: floor(q + 0.001): 2.9995 -> 3, 2.998 -> 2.
//  mode 2: floor(q - 0.001) + 1: 3.0005 -> 3, 3.002 -> 4.
//  mode 3: one decimal only: first decimal 5 goes to even (2.5 -> 2, 3.5 -> 4), others as
//          usual (2.6 -> 3, 2.4 -> 2); more decimals round half up (2.57 -> 3, 2.45 -> 2).
//  other:  first decimal alone: 2.6 -> 3, 2.57 (5) -> 2 even, 3.5 -> 4, 2.5 -> 2.
const RoundCase kRoundCases[] = {
    {2.0005, 0.001, 0, 2.000},     {2.0015, 0.001, 0, 2.002},    {2.0025, 0.001, 0, 2.002},
    {-2.0025, 0.001, 0, -2.002},   {1.23456, 0.001, 0, 1.235},   {-1.23456, 0.001, 0, -1.235},
    {2.5, 1, 0, 2},                {3.5, 1, 0, 4},               {2.50005, 1, 0, 2},
    {2.5002, 1, 0, 3},             {1.005, 0.01, 0, 1.00},       {1.015, 0.01, 0, 1.02},
    {0.0004, 0.001, 0, 0.0},       {0.0006, 0.001, 0, 0.001},    {12345.6785, 0.001, 0, 12345.678},
    {0.0, 0.001, 0, 0.0},          {2.9995, 1, 1, 3},            {2.998, 1, 1, 2},
    {-2.998, 1, 1, -2},            {3.0005, 1, 2, 3},            {3.002, 1, 2, 4},
    {-3.002, 1, 2, -4},            {2.5, 1, 3, 2},               {3.5, 1, 3, 4},
    {2.6, 1, 3, 3},                {2.4, 1, 3, 2},               {2.57, 1, 3, 3},
    {2.45, 1, 3, 2},               {2.6, 1, 4, 3},               {2.57, 1, 4, 2},
    {3.5, 1, 4, 4},                {2.5, 1, 4, 2},               {-2.6, 1, 4, -3},
    {2.57, 1, -1, 2},              {3.5, 1, 10, 4},              {7.3, 1, 9, 7.3},
    {7.3, 0, 9, 7.3},              {-7.3, 0.001, 9, -7.3},
};

TEST(RoundToUnit, ModesAsWorkedByHand) {
  for (const RoundCase& c : kRoundCases)
    EXPECT_DOUBLE_EQ(round_to_unit(c.value, c.unit, c.mode), c.expected)
        << "round_to_unit(" << c.value << ", " << c.unit << ", " << c.mode << ")";
}

TEST(RoundToUnit, ZeroAndOddInputsNeverFault) {
  // Zero has no logarithm; it must come back as zero in every mode.
  for (int mode : {0, 1, 2, 3, 4})
    EXPECT_EQ(round_to_unit(0.0, 0.001, mode), 0.0) << mode;
  EXPECT_EQ(round_to_unit(-0.0, 0.001, 0), 0.0);
  // A unit of 0 is never passed; the value comes back rather than an infinity.
  EXPECT_EQ(round_to_unit(1.5, 0.0, 0), 1.5);
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(round_to_unit(inf, 0.001, 0), inf);
  EXPECT_TRUE(std::isnan(round_to_unit(std::nan(""), 0.001, 0)));
}

struct IntersectCase {
  double x1, y1, x2, y2, x3, y3, x4, y4;
  int code;
  double x, y;
};

// Worked by hand with t along P1->P2 and s along P3->P4.
const IntersectCase kIntersectCases[] = {
    // t = 0.5, s = 0.5: on both.
    {0, 0, 2, 0, 1, -1, 1, 1, 0, 1, 0},
    // t = 1.5, s = 0.5: beyond the first segment only.
    {0, 0, 2, 0, 3, -1, 3, 1, 1, 3, 0},
    // t = 0.5, s = -0.5: before the second segment only.
    {0, 0, 2, 0, 1, 1, 1, 3, 2, 1, 0},
    // t = 1.5, s = -0.5: outside both.
    {0, 0, 2, 0, 3, 1, 3, 3, 3, 3, 0},
    // t = 1, s = 0.5: an end of a segment counts as on it.
    {0, 0, 2, 0, 2, -1, 2, 1, 0, 2, 0},
    // t = 0.5, s = 1: likewise for the second segment.
    {0, 0, 4, 4, 0, 4, 2, 2, 0, 2, 2},
    // Parallel, and coincident: -1 with the point (0, 0).
    {0, 0, 2, 0, 0, 1, 2, 1, -1, 0, 0},
    {0, 0, 2, 0, 1, 0, 3, 0, -1, 0, 0},
    // Cross product 1e-11, below the limit: parallel.
    {0, 0, 1, 0, 0, 0, 1, 1e-11, -1, 0, 0},
};

TEST(IntersectLines, CodesAndPointsAsWorkedByHand) {
  for (const IntersectCase& c : kIntersectCases) {
    double x = 7.0, y = 7.0;  // must be overwritten in every case
    EXPECT_EQ(intersect_lines(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, x, y), c.code)
        << c.x3 << "," << c.y3 << " " << c.x4 << "," << c.y4;
    EXPECT_DOUBLE_EQ(x, c.x);
    EXPECT_DOUBLE_EQ(y, c.y);
  }
}

TEST(IntersectLines, PointIsTakenOnTheLineWithTheSmallerParameter) {
  // A short horizontal segment from (0, 0) to (10/3, 0) and a long vertical one at x = 1/3
  // from y = -1e6 to 2e6 meet at (1/3, 0): 0.1 along the short one, 1/3 along the long one.
  // Formed on the long line the point's y is off by about 1e-10 ((2/3)(-1e6) + (1/3)(2e6) in
  // binary); formed on the short line, whose ends both have y = 0, it is exactly 0.
  const double third = 1.0 / 3.0;
  double x = 0, y = 1;
  ASSERT_EQ(intersect_lines(0, 0, 10 * third, 0, third, -1e6, third, 2e6, x, y), 0);
  EXPECT_NEAR(x, third, 1e-15);
  EXPECT_EQ(y, 0.0);
  // The same lines given the other way round: now the second line is the short one.
  y = 1;
  ASSERT_EQ(intersect_lines(third, -1e6, third, 2e6, 0, 0, 10 * third, 0, x, y), 0);
  EXPECT_NEAR(x, third, 1e-15);
  EXPECT_EQ(y, 0.0);
}

TEST(ComputeCrossProduct, SignFollowsTheTurn) {
  EXPECT_EQ(compute_cross_product(0, 0, 1, 0, 0, 0, 0, 1), 1.0);   // x then y: +1
  EXPECT_EQ(compute_cross_product(0, 0, 0, 1, 0, 0, 1, 0), -1.0);  // y then x: -1
  EXPECT_EQ(compute_cross_product(1, 1, 3, 2, 5, 5, 6, 8), 2.0 * 3.0 - 1.0 * 1.0);
}

}  // namespace
}  // namespace qvt::engine
