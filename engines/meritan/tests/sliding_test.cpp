// Sliding against hand computations: flat and inclined block bases on friction ground and on
// floating clay, wall and lattice bodies, the rounding of every step, and the cases that
// cannot be computed.
#include "engines/meritan/tests/stability_fixture.h"

#include <gtest/gtest.h>

namespace qvt::meritan {
namespace {

using testing::Messages;
using testing::Stability;
using testing::set_block_forces;

TEST(Sliding, BlockOnFlatFrictionGround) {
  struct Case {
    const char* name;
    std::function<void(Stability&)> change;
    double sum_v, r1, r2, r, fs;
    bool r1_governs;
  } cases[] = {
      // R1 = 1090 x 0.6 = 654; R2 = 100 x 12 = 1200; Fs = (100 + 654) / 350 = 2.15428 -> 2.154
      {"mu", {}, 1090, 654, 1200, 654, 2.154, true},
      // Passive vertical force ignored: ΣV = 1075, R1 = 645, Fs = 745 / 350 = 2.12857 -> 2.128
      {"passive vertical ignored",
       [](Stability& s) { s.cd.custom_options.passive_vertical_ignored = 1; }, 1075, 645, 1200,
       645, 2.128, true},
      // tan 30° = 0.5773503; R1 = rnd(629.31180) = 629.312; Fs = 729.312 / 350 = 2.08375 -> 2.083
      {"tan phi",
       [](Stability& s) {
         s.cd.bearing_layer.friction_rule = 1;
         s.cd.bearing_layer.phi = 30;
       },
       1090, 629.312, 1200, 629.312, 2.083, true},
      // τ 50: R2 = 600 < R1 654; Fs = 700 / 350 = 2.000
      {"shear governs",
       [](Stability& s) { s.cd.allowable_stresses[1][0] = 50; }, 1090, 654, 600, 600, 2.0,
       false},
      // Tangent circles: τ = quck 120 x 0.5 x ap 50 % = 30; R2 = 360; Fs = 460 / 350 = 1.314
      {"tangent circles",
       [](Stability& s) {
         s.cd.improvement_pattern = PATTERN_TANGENT_CIRCLES;
         s.cd.allowable_stresses[2][0] = 120;
         s.cd.improvement_ratio = 50;
       },
       1090, 654, 360, 360, 1.314, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Stability s;
    set_block_forces(s);
    if (c.change) c.change(s);
    const SlidingResult r = compute_sliding(s.cd, s.chain, SlidingProcedure::block, 0);
    ASSERT_TRUE(r.computed);
    EXPECT_FALSE(r.inclined);
    EXPECT_FALSE(r.floating);
    EXPECT_DOUBLE_EQ(r.sum_v, c.sum_v);
    EXPECT_DOUBLE_EQ(r.r1, c.r1);
    EXPECT_DOUBLE_EQ(r.r2, c.r2);
    EXPECT_DOUBLE_EQ(r.r, c.r);
    EXPECT_DOUBLE_EQ(r.fs, c.fs);
    EXPECT_TRUE(r.passes);
  }
}

// dh1 -13, dh2 -15: θ = atan(2 / 12) = 9.4623° -> 9.46; cos 9.46° = 0.9864006,
// sin 9.46° = 0.1643590. Slope length B' = 12 / 0.9864006 = 12.16544 -> 12.165.
// R1 = 1090 x 0.6 x cos² = 636.33292 -> 636.333; R2 = 100 x 12.165 = 1216.5; R = R1.
// Fs = (100 + 636.333) / (350 + 1090 x sin x cos = 176.71497) = 1.39797 -> 1.397.
TEST(Sliding, BlockOnInclinedFrictionGround) {
  for (int slope_length : {1, 0}) {
    SCOPED_TRACE(slope_length);
    Stability s;
    set_block_forces(s);
    s.cd.body_dims.dh1 = -13;
    s.cd.bearing_layer.slope_length_width = slope_length;
    const SlidingResult r = compute_sliding(s.cd, s.chain, SlidingProcedure::block, 0);
    ASSERT_TRUE(r.computed);
    EXPECT_TRUE(r.inclined);
    EXPECT_DOUBLE_EQ(r.theta, 9.46);
    EXPECT_DOUBLE_EQ(r.r1, 636.333);
    // Without the slope length B' = B, but the friction is still reduced by cos²θ.
    EXPECT_DOUBLE_EQ(r.b_slope, slope_length ? 12.165 : 12.0);
    EXPECT_DOUBLE_EQ(r.r2, slope_length ? 1216.5 : 1200.0);
    EXPECT_DOUBLE_EQ(r.fs, 1.397);
  }
  // A difference of 0.0001 is still a flat base.
  Stability s;
  set_block_forces(s);
  s.cd.body_dims.dh1 = -15.0001;
  EXPECT_FALSE(compute_sliding(s.cd, s.chain, SlidingProcedure::block, 0).inclined);
}

// Floating clay: c = 20 + 2 x (-10 - (-15)) = 30 at the base -15; flat R = 30 x 12 = 360,
// Fs = 460 / 350 = 1.31428 -> 1.314. Inclined (slope length): R = 30 x 12.165 = 364.95,
// Fs = 464.95 / 526.71497 = 0.88273 -> 0.882 (fails 1.2). μ and τ play no part.
TEST(Sliding, BlockOnFloatingClay) {
  for (bool inclined : {false, true}) {
    SCOPED_TRACE(inclined);
    Stability s;
    set_block_forces(s);
    s.cd.bearing_layer.soil_type = 1;
    s.cd.bearing_layer.founding_type = 1;
    s.cd.bearing_layer.cohesion = 20;
    s.cd.bearing_layer.cohesion_gradient = 2;
    s.cd.bearing_layer.friction_mu = 99;
    s.cd.allowable_stresses[1][0] = 0;
    s.cd.bearing_layer.slope_length_width = 1;
    if (inclined) s.cd.body_dims.dh1 = -13;
    const SlidingResult r = compute_sliding(s.cd, s.chain, SlidingProcedure::block, 0);
    ASSERT_TRUE(r.computed);
    EXPECT_TRUE(r.floating);
    EXPECT_DOUBLE_EQ(r.c, 30);
    EXPECT_DOUBLE_EQ(r.r, inclined ? 364.95 : 360.0);
    EXPECT_DOUBLE_EQ(r.fs, inclined ? 0.882 : 1.314);
    EXPECT_EQ(r.passes, !inclined);
  }
  // Landed clay is friction ground.
  Stability s;
  set_block_forces(s);
  s.cd.bearing_layer.soil_type = 1;
  EXPECT_FALSE(compute_sliding(s.cd, s.chain, SlidingProcedure::block, 0).floating);
}

// Wall: ll 3, ls 1: a = 0.75, as = 0.25. ΣV with W = [1] 800: 890; R1 = 534;
// R2 = 100 x 12 x 0.75 = 900; R = 534. Soil between the walls Ws 200: R1s = 120;
// cs = 30 (bottom cohesion of the last sea layer): R2s = 30 x 12 x 0.25 = 90; Rs = 90.
// Fs = (100 + 534 + 90) / 350 = 2.06857 -> 2.068.
// Lattice (width 12, bl1 2, bl2 2, bs 8): a = 0.75 + rnd(0.25 x 4 / 12 = 0.08333) = 0.833;
// as = rnd(0.25 x 8 / 12 = 0.16667) = 0.167; R2 = rnd(999.6) = 999.6; R2s = 30 x 12 x 0.167
// = 60.12; Fs = (100 + 534 + 60.12) / 350 = 1.98320 -> 1.983.
TEST(Sliding, WallAndLatticeWithTheSoilBetweenTheWalls) {
  for (SlidingProcedure p : {SlidingProcedure::wall, SlidingProcedure::lattice}) {
    const bool lattice = p == SlidingProcedure::lattice;
    SCOPED_TRACE(lattice);
    Stability s;
    set_block_forces(s);
    s.cd.improvement_pattern = lattice ? PATTERN_LATTICE : PATTERN_WALL;
    s.cd.body_dims.ll = 3, s.cd.body_dims.ls = 1;
    s.cd.body_dims.bl1 = 2, s.cd.body_dims.bl2 = 2, s.cd.body_dims.bs = 8;
    const SlidingResult r = compute_sliding(s.cd, s.chain, p, 0);
    ASSERT_TRUE(r.computed);
    EXPECT_DOUBLE_EQ(r.sum_v, 890);
    EXPECT_DOUBLE_EQ(r.a, lattice ? 0.833 : 0.75);
    EXPECT_DOUBLE_EQ(r.as, lattice ? 0.167 : 0.25);
    EXPECT_DOUBLE_EQ(r.r1, 534);
    EXPECT_DOUBLE_EQ(r.r2, lattice ? 999.6 : 900.0);
    EXPECT_DOUBLE_EQ(r.r1s, 120);
    EXPECT_DOUBLE_EQ(r.r2s, lattice ? 60.12 : 90.0);
    EXPECT_DOUBLE_EQ(r.rs, lattice ? 60.12 : 90.0);
    EXPECT_DOUBLE_EQ(r.fs, lattice ? 1.983 : 2.068);

    // Floating clay: R = c x B = 30 x 12 = 360, Rs = 0: Fs = 460 / 350 -> 1.314.
    s.cd.bearing_layer.soil_type = 1;
    s.cd.bearing_layer.founding_type = 1;
    s.cd.bearing_layer.cohesion = 20;
    s.cd.bearing_layer.cohesion_gradient = 2;
    const SlidingResult fl = compute_sliding(s.cd, s.chain, p, 0);
    ASSERT_TRUE(fl.computed);
    EXPECT_DOUBLE_EQ(fl.r, 360);
    EXPECT_DOUBLE_EQ(fl.rs, 0);
    EXPECT_DOUBLE_EQ(fl.fs, 1.314);
  }
}

// Fs is rounded down with a tolerance of a thousandth of the unit: a quotient of 1.1999995
// gives 1.200 and passes 1.2; 1.19999 gives 1.199 and fails. A factor equal to the required
// one passes. R1 = R2 takes R2, the same number.
TEST(Sliding, SafetyFactorRoundedDownAndCompared) {
  struct Case {
    double pp, fs;
    bool passes;
  } cases[] = {{0.0005, 1.2, true}, {-0.009, 1.199, false}, {0.001, 1.2, true}};
  for (const Case& c : cases) {
    Stability s;
    auto& f = s.f();
    f[FS_EFFECTIVE_WEIGHT] = 1199.999;     // ΣV
    f[FS_ACTIVE_HORIZONTAL_FORCE] = 1000;  // H
    f[FS_PASSIVE_HORIZONTAL_FORCE] = c.pp;
    s.cd.bearing_layer.friction_mu = 1;
    s.cd.allowable_stresses[1][0] = 1000;  // R2 = 12000
    const SlidingResult r = compute_sliding(s.cd, s.chain, SlidingProcedure::block, 0);
    ASSERT_TRUE(r.computed);
    EXPECT_DOUBLE_EQ(r.fs, c.fs) << c.pp;
    EXPECT_EQ(r.passes, c.passes) << c.pp;
  }
  Stability s;
  s.f()[FS_EFFECTIVE_WEIGHT] = 1200, s.f()[FS_ACTIVE_HORIZONTAL_FORCE] = 1000;
  s.cd.bearing_layer.friction_mu = 1;
  const SlidingResult r = compute_sliding(s.cd, s.chain, SlidingProcedure::block, 0);
  EXPECT_DOUBLE_EQ(r.r1, 1200);
  EXPECT_DOUBLE_EQ(r.r2, 1200);
  EXPECT_DOUBLE_EQ(r.r, 1200);
  EXPECT_DOUBLE_EQ(r.fs, 1.2);
  EXPECT_TRUE(r.passes);
}

// A factor that would need a division by zero is never given: H = 0 (nothing pushes the body
// toward the sea), a landward H, a zero width or ll + ls.
TEST(Sliding, CasesThatCannotBeComputed) {
  struct Case {
    const char* name;
    SlidingProcedure p;
    std::function<void(Stability&)> change;
  } cases[] = {
      {"no horizontal force", SlidingProcedure::block,
       [](Stability& s) { s.f()[FS_ACTIVE_HORIZONTAL_FORCE] = 0; }},
      {"landward horizontal force", SlidingProcedure::block,
       [](Stability& s) { s.f()[FS_ACTIVE_HORIZONTAL_FORCE] = -500; }},
      {"zero width", SlidingProcedure::block, [](Stability& s) { s.chain.base.body_totals[0] = 0; }},
      {"no walls", SlidingProcedure::wall,
       [](Stability& s) { s.cd.body_dims.ll = s.cd.body_dims.ls = 0; }},
      {"zero lattice width", SlidingProcedure::lattice,
       [](Stability& s) { s.cd.body_dims.ll = 1, s.cd.body_dims.width = 0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Stability s;
    s.f()[FS_EFFECTIVE_WEIGHT] = 1000, s.f()[FS_ACTIVE_HORIZONTAL_FORCE] = 300;
    s.cd.body_dims.ll = 3, s.cd.body_dims.ls = 1;
    c.change(s);
    const SlidingResult r = compute_sliding(s.cd, s.chain, c.p, 0);
    EXPECT_FALSE(r.computed);
    EXPECT_FALSE(r.reason.empty());
  }
}

// The loop over the cases: a case that cannot be computed is shown, failed with flag 1 and
// value 0, keeps its preset in the result chain and leaves no report; the other case goes on.
TEST(Sliding, UncomputedCaseIsFailedWithAMessage) {
  qvt::testing::TempDir dir;
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  {
    Stability s;
    Messages m;
    s.cd.seismic_check = 2;
    set_block_forces(s);
    s.f(1) = s.f(0);
    // H = 0 in the normal case.
    s.f(0)[FS_ACTIVE_HORIZONTAL_FORCE] = 0;
    s.f(0)[FS_RESIDUAL_WATER_FORCE] = 0;
    s.f(0)[FS_OTHER_HORIZONTAL_FORCE] = 0;
    ASSERT_TRUE(write_file_bytes("DM003KAT.PDT", "old"));
    ExternalState state;
    state.chain = s.chain;
    check_sliding_block(s.cd, state);
    ASSERT_EQ(m.channel.lines.size(), 1u);
    EXPECT_NE(m.channel.lines[0].find("QVTMSG\terror\terror\t滑動の検討〈常  時〉：水平力が作用していない"),
              std::string::npos)
        << m.channel.lines[0];
    EXPECT_FALSE(std::filesystem::exists("DM003KAT.PDT"));
    EXPECT_TRUE(std::filesystem::exists("DM103KAT.PDT"));
    EXPECT_EQ(state.summary.failed[0][0], 1);
    EXPECT_EQ(state.summary.values[0][CV_SLIDING_FS], 0);
    EXPECT_EQ(state.summary.limits[0][CL_REQUIRED_SLIDING_FS], 1.2);
    EXPECT_EQ(state.results.sliding_fs[0], engine::EXTERNAL_RESULT_PRESET);
    EXPECT_EQ(state.results.sliding_fs[1], 2.154);
    EXPECT_EQ(state.summary.values[1][CV_SLIDING_FS], 2.154);
    EXPECT_EQ(state.summary.failed[1][0], 0);
  }
  std::filesystem::current_path(old);
}

}  // namespace
}  // namespace qvt::meritan
