#include "common/condition_ranges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qvt {
namespace {

// The limits every reader and box holds the quantities to, at and just beyond each end.
TEST(ConditionRanges, LimitsNoRealGroundOrLoadCanPass) {
  struct Row {
    ConditionQuantity q;
    double value;
    bool in;
  } rows[] = {
      {COND_SEISMIC_COEF, 0, true},          {COND_SEISMIC_COEF, 1, true},
      {COND_SEISMIC_COEF, -1e-9, false},     {COND_SEISMIC_COEF, 1.000001, false},
      {COND_WATER_UNIT_WEIGHT, 10.1, true},  {COND_WATER_UNIT_WEIGHT, 0, false},
      {COND_WATER_UNIT_WEIGHT, -10.1, false}, {COND_SOIL_UNIT_WEIGHT, 1e-9, true},
      {COND_SOIL_UNIT_WEIGHT, 0, false},     {COND_BEARING_UNIT_WEIGHT, 0, false},
      {COND_FRICTION_ANGLE, 0, true},        {COND_FRICTION_ANGLE, 60, true},
      {COND_FRICTION_ANGLE, -0.001, false},  {COND_FRICTION_ANGLE, 60.001, false},
      {COND_COHESION, 0, true},              {COND_COHESION, -0.001, false},
      {COND_SURCHARGE, 0, true},             {COND_SURCHARGE, -0.001, false},
      {COND_SLOPE_ANGLE, -89.999, true},     {COND_SLOPE_ANGLE, 90, false},
      {COND_SLOPE_ANGLE, -90, false},        {COND_IMPROVEMENT_RATIO, 100, true},
      {COND_IMPROVEMENT_RATIO, 0, false},    {COND_SAFETY_FACTOR, 0, false},
  };
  for (const Row& r : rows)
    EXPECT_EQ(condition_in_range(r.q, r.value), r.in) << r.q << " " << r.value;
  for (int q = 0; q < COND_QUANTITIES; ++q)
    EXPECT_FALSE(condition_in_range(static_cast<ConditionQuantity>(q),
                                     std::numeric_limits<double>::quiet_NaN()))
        << q;
}

// 0 stands for "not given" only in a record out of use, and only for the quantities that
// allow it; a negative value is refused there too.
TEST(ConditionRanges, ZeroInARecordOutOfUse) {
  EXPECT_TRUE(condition_in_range(COND_SOIL_UNIT_WEIGHT, 0, false));
  EXPECT_FALSE(condition_in_range(COND_SOIL_UNIT_WEIGHT, 0, true));
  EXPECT_FALSE(condition_in_range(COND_SOIL_UNIT_WEIGHT, -1, false));
  EXPECT_TRUE(condition_in_range(COND_SLURRY_UNIT_WEIGHT, 0, false));
  EXPECT_FALSE(condition_in_range(COND_WATER_UNIT_WEIGHT, 0, false));
}

// A box's interval is closed: its ends are values the readers take, and an open end of the
// range moves in by the millimetre a box shows. A quantity whose 0 means "not given" takes 0.
TEST(ConditionRanges, BoxIntervalsLieWithinTheirRanges) {
  for (int k = 0; k < COND_QUANTITIES; ++k) {
    const auto q = static_cast<ConditionQuantity>(k);
    const BoxInterval b = condition_box_interval(q);
    EXPECT_LT(b.lowest, b.highest) << k;
    EXPECT_TRUE(condition_in_range(q, b.lowest, false)) << k;
    EXPECT_TRUE(condition_in_range(q, b.highest)) << k;
  }
  EXPECT_EQ(condition_box_interval(COND_WATER_UNIT_WEIGHT).lowest, 0.001);
  EXPECT_EQ(condition_box_interval(COND_SLOPE_ANGLE).highest, 89.999);
  EXPECT_EQ(condition_box_interval(COND_SOIL_UNIT_WEIGHT).lowest, 0);
  EXPECT_EQ(condition_box_interval(COND_SEISMIC_COEF).lowest, 0);
  EXPECT_EQ(condition_box_interval(COND_SEISMIC_COEF).highest, 1);
}

}  // namespace
}  // namespace qvt
