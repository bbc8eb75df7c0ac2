// Overturning against hand computations; the factor is rounded down, and a case without an
// overturning moment is reported, never passed.
#include "engines/meritan/tests/stability_fixture.h"

#include <gtest/gtest.h>

namespace qvt::meritan {
namespace {

using testing::Stability;
using testing::set_forces;

TEST(Overturning, FactorOfMomentsRoundedDown) {
  struct Case {
    double mr_weight, mo_active, fs;
    bool passes;
  } cases[] = {
      // Mr = 5000 + 300 + 200 + 100 + 50 = 5650; Mo = 2000 + 300 + 100 = 2400:
      // 2.354166 -> 2.354
      {5000, 2000, 2.354, true},
      // 3004.9 / 1400 = 2.1463571 -> 2.146
      {2354.9, 1000, 2.146, true},
      // 1679.99 / 1400 = 1.1999929 -> 1.199 fails, where rounding to nearest would pass.
      {1029.99, 1000, 1.199, false},
      // Equal to the required factor: 1680 / 1400 = 1.2 passes.
      {1030, 1000, 1.2, true},
  };
  for (const Case& c : cases) {
    Stability s;
    auto& f = s.f();
    set_forces(f, {{FS_EFFECTIVE_WEIGHT_MOMENT, c.mr_weight}, {FS_PASSIVE_HORIZONTAL_MOMENT, 300},
                   {FS_ACTIVE_VERTICAL_MOMENT, 200}, {FS_OTHER_VERTICAL_MOMENT, 100},
                   {FS_SIDE_ADHESION_MOMENT, 50}, {FS_ACTIVE_HORIZONTAL_MOMENT, c.mo_active},
                   {FS_RESIDUAL_WATER_MOMENT, 300}, {FS_OTHER_HORIZONTAL_MOMENT, 100}});
    const OverturningResult r = compute_overturning(s.cd, s.chain, 0);
    ASSERT_TRUE(r.computed);
    EXPECT_DOUBLE_EQ(r.mr, c.mr_weight + 650);
    EXPECT_DOUBLE_EQ(r.mo, c.mo_active + 400);
    EXPECT_DOUBLE_EQ(r.fs, c.fs) << c.mr_weight;
    EXPECT_EQ(r.passes, c.passes);
  }
}

// The seismic case adds the inertia and dynamic water moments; the whole-body moment [16] is
// used for every pattern.
TEST(Overturning, SeismicMomentsAndEveryPattern) {
  for (int pattern : {PATTERN_BLOCK, PATTERN_WALL, PATTERN_TANGENT_CIRCLES, PATTERN_LATTICE}) {
    Stability s;
    s.cd.improvement_pattern = pattern;
    auto& f = s.f(1);
    // Mo = 1500: 2.000.
    set_forces(f, {{FS_EFFECTIVE_WEIGHT_MOMENT, 3000},
                   {FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED_MOMENT, 1},
                   {FS_EFFECTIVE_WEIGHT_UNIMPROVED_MOMENT, 1}, {FS_SEISMIC_INERTIA_MOMENT, 500},
                   {FS_ACTIVE_HORIZONTAL_MOMENT, 700}, {FS_DYNAMIC_WATER_MOMENT, 300}});
    const OverturningResult r = compute_overturning(s.cd, s.chain, 1);
    ASSERT_TRUE(r.computed);
    EXPECT_DOUBLE_EQ(r.fs, 2.0);
  }
}

TEST(Overturning, NoOverturningMomentIsReported) {
  for (double mo : {0.0, -100.0}) {
    Stability s;
    s.f()[FS_EFFECTIVE_WEIGHT_MOMENT] = 5000;
    s.f()[FS_ACTIVE_HORIZONTAL_MOMENT] = mo;
    const OverturningResult r = compute_overturning(s.cd, s.chain, 0);
    EXPECT_FALSE(r.computed) << mo;
    EXPECT_FALSE(r.reason.empty());
  }
}

}  // namespace
}  // namespace qvt::meritan
