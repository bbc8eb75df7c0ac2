// Ground reaction against hand computations: the three distributions of block and wall bodies
// at their limits, the lattice cell inside and outside the kern, and the equilibrium of every
// reaction diagram: its resultant is V, acting at x from the toe.
#include "engines/meritan/tests/stability_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

namespace qvt::meritan {
namespace {

using testing::Stability;
using testing::set_forces;

// V on the base (weight column [0] for blocks, [1] for walls and lattices), Ws between the
// walls, and a resisting moment that puts the resultant of V + Ws at x from the toe.
void load(Stability& s, double v, double ws, double x) {
  auto& f = s.f();
  set_forces(f, {{FS_EFFECTIVE_WEIGHT, v}, {FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED, v},
                 {FS_EFFECTIVE_WEIGHT_UNIMPROVED, ws}, {FS_EFFECTIVE_WEIGHT_MOMENT, (v + ws) * x}});
}

ReactionResult reaction(Stability& s, ReactionPattern p) {
  return compute_ground_reaction(s.cd, s.chain, p, 0);
}

// Resultant and its distance from the toe of the reaction diagram, integrated over the base
// in steps of 0.0001 m. `share` is the fraction of the quay line in contact at distance u from
// the toe (1 for a block; the wall ratio for walls; ll / (ll + ls) inside the lattice gap).
void integrate(const ReactionResult& r, const std::function<double(double)>& share,
               double& force, double& arm) {
  const double width = r.effective_width, du = 0.0001;
  force = 0;
  double moment = 0;
  for (double u = du / 2; u < width; u += du) {
    double q;
    if (r.distribution == Distribution::triangle || r.distribution == Distribution::partial_contact)
      q = r.q1 * (width - u) / width;
    else
      q = r.q1 + (r.q2 - r.q1) * u / r.b;
    force += q * share(u) * du;
    moment += q * share(u) * du * u;
  }
  arm = moment / force;
}

// Block: V 1000, B 12, rnd(B / 6) = 2.
TEST(GroundReaction, BlockDistributionsAtTheirLimits) {
  struct Case {
    double x;
    Distribution d;
    double e, q1, q2, width;
  } cases[] = {
      // e = 6 - 7 = -1: behind the middle, uniform 1000 / 12 = 83.333
      {7, Distribution::uniform, -1, 83.333, 83.333, 12},
      // e = 0: uniform
      {6, Distribution::uniform, 0, 83.333, 83.333, 12},
      // e = 1: 83.333.. x (1 ± 0.5) = 125.000 / 41.667
      {5, Distribution::trapezoid, 1, 125, 41.667, 12},
      // e = 2 = rnd(B / 6): still a trapezoid, 6e / B = 1: 166.667 / 0
      {4, Distribution::trapezoid, 2, 166.667, 0, 12},
      // e = 2.001, one unit beyond: triangle, 2000 / (3 x 3.999) = 166.7083 -> 166.708,
      // B' = 11.997
      {3.999, Distribution::triangle, 2.001, 166.708, 0, 11.997},
      // e = 4: 2000 / 6 = 333.333, B' = 6.0
      {2, Distribution::triangle, 4, 333.333, 0, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    Stability s;
    load(s, 1000, 0, c.x);
    const ReactionResult r = reaction(s, ReactionPattern::block);
    ASSERT_TRUE(r.computed);
    EXPECT_EQ(r.distribution, c.d);
    EXPECT_DOUBLE_EQ(r.x, c.x);
    EXPECT_DOUBLE_EQ(r.e, c.e);
    EXPECT_DOUBLE_EQ(r.q1, c.q1);
    EXPECT_DOUBLE_EQ(r.q2, c.q2);
    EXPECT_DOUBLE_EQ(r.effective_width, c.width);
    if (c.e >= 0) {  // a uniform reaction behind the middle is not in equilibrium by design
      double force, arm;
      integrate(r, [](double) { return 1.0; }, force, arm);
      EXPECT_NEAR(force, 1000, 0.02);
      EXPECT_NEAR(arm, c.x, 0.001);
    }
  }
}

// Wall: ll 3, ls 1, r = 0.75; V 900 on the walls, Ws 300 between them: the position comes from
// V + Ws = 1200, the reaction from V alone over the walls' share of the base.
TEST(GroundReaction, WallReactionsOverTheWallShare) {
  struct Case {
    double x;
    Distribution d;
    double q1, q2, width;
  } cases[] = {
      // e = 0: 900 / (12 x 0.75) = 100
      {6, Distribution::uniform, 100, 100, 12},
      // e = 1: 100 x 1.5 = 150, 100 x 0.5 = 50
      {5, Distribution::trapezoid, 150, 50, 12},
      // e = 4: 2 x 900 / (3 x 2 x 0.75) = 400, B' = 6
      {2, Distribution::triangle, 400, 0, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    Stability s;
    s.cd.improvement_pattern = PATTERN_WALL;
    s.cd.body_dims.ll = 3, s.cd.body_dims.ls = 1;
    load(s, 900, 300, c.x);
    const ReactionResult r = reaction(s, ReactionPattern::wall);
    ASSERT_TRUE(r.computed);
    EXPECT_DOUBLE_EQ(r.r, 0.75);
    EXPECT_DOUBLE_EQ(r.v, 900);
    EXPECT_DOUBLE_EQ(r.x, c.x);
    EXPECT_EQ(r.distribution, c.d);
    EXPECT_DOUBLE_EQ(r.q1, c.q1);
    EXPECT_DOUBLE_EQ(r.q2, c.q2);
    EXPECT_DOUBLE_EQ(r.effective_width, c.width);
    double force, arm;
    integrate(r, [](double) { return 0.75; }, force, arm);
    EXPECT_NEAR(force, 900, 0.02);
    EXPECT_NEAR(arm, c.x, 0.001);
  }
}

// The kern's edge and one step (0.001 m) either side, B 16: rnd(B / 6) = rnd(2.6667) = 2.667.
//   Block (and the tangent-circle body, which takes the block's reaction), V 1000, V / B 62.5:
//     x 5.334, e 2.666: trapezoid, 62.5 x (1 ± 6 x 2.666 / 16 = 0.99975): q1 124.984375 ->
//       124.984, q2 0.015625 -> 0.016.
//     x 5.333, e 2.667 = rnd(B / 6), 6e / B = 1.000125: the trapezoid's heel 62.5 x -0.000125 =
//       -0.0078 -> -0.008, a rounding of e: 0. q1 = 62.5 x 2.000125 = 125.0078 -> 125.008, by
//       statics the triangle's 2V / (3x) = 2000 / 15.999 = 125.008 over the whole 16 m.
//     x 5.332, e 2.668 > 2.667: triangle, q1 = 2000 / 15.996 = 125.0313 -> 125.031, B' 15.996.
//   Wall, ll 3, ls 1, r 0.75, V 900 (the position from V + Ws 1200), V / (B r) = 75:
//     x 5.334: 75 x 1.99975 = 149.98125 -> 149.981, 75 x 0.00025 = 0.01875 -> 0.019.
//     x 5.333: 75 x 2.000125 = 150.009375 -> 150.009; heel 75 x -0.000125 = -0.009 -> 0;
//       statics 2 x 900 / (3 x 5.333 x 0.75) = 1800 / 11.99925 = 150.009.
//     x 5.332: triangle 1800 / (3 x 5.332 x 0.75) = 1800 / 11.997 = 150.0375 -> 150.038.
TEST(GroundReaction, OnTheKernsEdgeTheHeelIsZeroNotARoundingBelowIt) {
  struct Case {
    ReactionPattern p;
    int improvement_pattern;
    double x;
    Distribution d;
    double q1, q2, width, cut;
  } cases[] = {
      {ReactionPattern::block, PATTERN_BLOCK, 5.334, Distribution::trapezoid, 124.984, 0.016, 16, 0},
      {ReactionPattern::block, PATTERN_BLOCK, 5.333, Distribution::trapezoid, 125.008, 0, 16, -0.008},
      {ReactionPattern::block, PATTERN_BLOCK, 5.332, Distribution::triangle, 125.031, 0, 15.996, 0},
      {ReactionPattern::block, PATTERN_TANGENT_CIRCLES, 5.333, Distribution::trapezoid, 125.008, 0,
       16, -0.008},
      {ReactionPattern::wall, PATTERN_WALL, 5.334, Distribution::trapezoid, 149.981, 0.019, 16, 0},
      {ReactionPattern::wall, PATTERN_WALL, 5.333, Distribution::trapezoid, 150.009, 0, 16, -0.009},
      {ReactionPattern::wall, PATTERN_WALL, 5.332, Distribution::triangle, 150.038, 0, 15.996, 0},
  };
  qvt::testing::TempDir dir;
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.improvement_pattern) + " x " + std::to_string(c.x));
    Stability s;
    testing::Messages m;
    s.cd.improvement_pattern = c.improvement_pattern;
    s.cd.body_dims.width = 16;
    s.chain.base.body_totals[0] = 16;
    s.cd.body_dims.ll = 3, s.cd.body_dims.ls = 1;
    const bool wall = c.p == ReactionPattern::wall;
    if (wall)
      load(s, 900, 300, c.x);
    else
      load(s, 1000, 0, c.x);
    const ReactionResult r = reaction(s, c.p);
    ASSERT_TRUE(r.computed) << cp932_to_utf8_lossy(r.reason);
    EXPECT_DOUBLE_EQ(r.b6, 2.667);
    EXPECT_EQ(r.distribution, c.d);
    EXPECT_DOUBLE_EQ(r.q1, c.q1);
    EXPECT_DOUBLE_EQ(r.q2, c.q2);
    EXPECT_FALSE(std::signbit(r.q2));
    EXPECT_DOUBLE_EQ(r.q2_rounding_cut, c.cut);
    EXPECT_DOUBLE_EQ(r.effective_width, c.width);
    EXPECT_DOUBLE_EQ(r.max_reaction, c.q1);
    double force, arm;
    const double share = wall ? 0.75 : 1.0;
    integrate(r, [share](double) { return share; }, force, arm);
    EXPECT_NEAR(force, wall ? 900 : 1000, 0.1);
    EXPECT_NEAR(arm, c.x, 0.002);

    // What the loop hands on: both edges in CAL_ANS.DAT, the heel 0; the page says why.
    ExternalState state;
    state.chain = s.chain;
    if (wall)
      ground_reaction_wall(s.cd, state);
    else
      ground_reaction_block(s.cd, state);
    EXPECT_TRUE(m.channel.lines.empty());
    EXPECT_DOUBLE_EQ(state.results.reaction[0][0], c.q1);
    EXPECT_DOUBLE_EQ(state.results.reaction[0][1], c.q2);
    const auto edges = testing::utf8_lines(split_lines(read_file_bytes("M_HAN05Q.PFM").value_or("")));
    const std::string text = [&] {
      std::string t;
      for (const std::string& l : edges) t += l + "\n";
      return t;
    }();
    char cut_line[160];
    std::snprintf(cut_line, sizeof cut_line,
                  "後端 (かかと) の式の値 %.3f kN/㎡ は丸めによる負の値です。", c.cut);
    EXPECT_EQ(text.find(cut_line) != std::string::npos, c.cut != 0) << text;
    EXPECT_EQ(text.find("後端の地盤反力は 0 とします") != std::string::npos, c.cut != 0) << text;
  }
  std::filesystem::current_path(old);
}

// The maximum reaction over every position of the resultant, for the three patterns. The
// method's q1 and q2 (what CAL_ANS.DAT carries and the toe checks use) stay as they were; the
// heel's value and the larger edge are worked by hand:
//   Block, V 1000, B 12, rnd(B / 6) = 2:
//     x 5, e  1: q1 = 1000 / 12 x 1.5 = 125.000, q2 = x 0.5 = 41.667: the toe governs.
//     x 6, e  0: 83.333 at both edges.
//     x 7, e -1: uniform 83.333 by the method; the heel 83.333.. x (1 + 6 x 1 / 12) = 125.000.
//     x 8, e -2 = -B/6: still the trapezoid, heel 83.333.. x 2 = 166.667.
//     x 9, e -3 beyond the kern: heel 2 x 1000 / (3 x (12 - 9)) = 222.222 over 3 x 3 = 9 m.
//   Wall, ll 3, ls 1, r 0.75, V 900 (the position from V + Ws 1200), V / (B r) = 100:
//     x 5: 150 / 50; x 6: 100; x 7: heel 100 x 1.5 = 150; x 8: heel 200;
//     x 9: heel 2 x 900 / (3 x 3 x 0.75) = 266.667 over 9 m.
//   Lattice, W = B 12, ll 3, ls 1, bl1 2, bs 8 (A 10, D 6, I 133.333, k 2.222), V 1000, Ws 200:
//     its own linear distribution, eL = e: q = 100 ± 1000 x eL / 133.333 x 6 = 100 ± 45 eL:
//     x 5: 145 / 55; x 6: 100; x 7: 55 / 145, the heel governs; x 8: 10 / 190;
//     x 9 (e -3): the toe would pull, -35: no reaction (the existing refusal).
//   Every pattern: x 12 (= B) and x 13 lie at or landward of the heel: no reaction, with x and B
//   named.
TEST(GroundReaction, MaximumReactionIsTheLargerEdgeForEveryEccentricity) {
  const double n = -1;  // not computed
  struct Case {
    ReactionPattern p;
    double x;
    double q1, q2, heel, max, bearing_width;
    GoverningEdge governing;
  } cases[] = {
      {ReactionPattern::block, 5, 125, 41.667, 41.667, 125, 12, GoverningEdge::toe},
      {ReactionPattern::block, 6, 83.333, 83.333, 83.333, 83.333, 12, GoverningEdge::both},
      {ReactionPattern::block, 7, 83.333, 83.333, 125, 125, 12, GoverningEdge::heel},
      {ReactionPattern::block, 8, 83.333, 83.333, 166.667, 166.667, 12, GoverningEdge::heel},
      {ReactionPattern::block, 9, 83.333, 83.333, 222.222, 222.222, 9, GoverningEdge::heel},
      {ReactionPattern::block, 12, n, n, n, n, n, GoverningEdge::toe},
      {ReactionPattern::block, 13, n, n, n, n, n, GoverningEdge::toe},
      {ReactionPattern::wall, 5, 150, 50, 50, 150, 12, GoverningEdge::toe},
      {ReactionPattern::wall, 6, 100, 100, 100, 100, 12, GoverningEdge::both},
      {ReactionPattern::wall, 7, 100, 100, 150, 150, 12, GoverningEdge::heel},
      {ReactionPattern::wall, 8, 100, 100, 200, 200, 12, GoverningEdge::heel},
      {ReactionPattern::wall, 9, 100, 100, 266.667, 266.667, 9, GoverningEdge::heel},
      {ReactionPattern::wall, 12, n, n, n, n, n, GoverningEdge::toe},
      {ReactionPattern::lattice, 5, 145, 55, 55, 145, 12, GoverningEdge::toe},
      {ReactionPattern::lattice, 6, 100, 100, 100, 100, 12, GoverningEdge::both},
      {ReactionPattern::lattice, 7, 55, 145, 145, 145, 12, GoverningEdge::heel},
      {ReactionPattern::lattice, 8, 10, 190, 190, 190, 12, GoverningEdge::heel},
      {ReactionPattern::lattice, 9, n, n, n, n, n, GoverningEdge::toe},
      {ReactionPattern::lattice, 12, n, n, n, n, n, GoverningEdge::toe},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.p)) + " x " + std::to_string(c.x));
    Stability s;
    auto& d = s.cd.body_dims;
    d.ll = 3, d.ls = 1;
    if (c.p == ReactionPattern::block) {
      load(s, 1000, 0, c.x);
    } else if (c.p == ReactionPattern::wall) {
      s.cd.improvement_pattern = PATTERN_WALL;
      load(s, 900, 300, c.x);
    } else {
      s.cd.improvement_pattern = PATTERN_LATTICE;
      d.bl1 = 2, d.bs = 8, d.bl2 = 2;
      load(s, 1000, 200, c.x);
    }
    const ReactionResult r = reaction(s, c.p);
    if (c.q1 == n) {
      ASSERT_FALSE(r.computed);
      const std::string why = cp932_to_utf8_lossy(r.reason);
      if (c.x >= 12) {
        char named[64];
        std::snprintf(named, sizeof named, "x = %.3f m ≧ B = 12.000 m", c.x);
        EXPECT_NE(why.find(named), std::string::npos) << why;
        EXPECT_NE(why.find("後端 (かかと)"), std::string::npos) << why;
      }
      continue;
    }
    ASSERT_TRUE(r.computed) << cp932_to_utf8_lossy(r.reason);
    EXPECT_DOUBLE_EQ(r.q1, c.q1);
    EXPECT_DOUBLE_EQ(r.q2, c.q2);
    EXPECT_DOUBLE_EQ(r.effective_width, 12);
    EXPECT_DOUBLE_EQ(r.heel, c.heel);
    EXPECT_DOUBLE_EQ(r.max_reaction, c.max);
    EXPECT_DOUBLE_EQ(r.bearing_width, c.bearing_width);
    EXPECT_EQ(r.governing, c.governing);
    // The mirrored distribution of a block or wall behind the middle is in equilibrium: the
    // reaction from the toe value (or the start of contact) to the heel, over the walls' share,
    // is V acting at x.
    if (c.p != ReactionPattern::lattice && c.x > 6) {
      const double share = c.p == ReactionPattern::wall ? 0.75 : 1.0;
      const double v = c.p == ReactionPattern::wall ? 900 : 1000;
      const double b = 12, e = 6 - c.x;
      const double start = b - r.bearing_width;
      const double toe = r.heel_distribution == Distribution::trapezoid
                             ? v / (b * share) * (1 - 6 * -e / b)
                             : 0.0;
      double force = 0, moment = 0;
      const double du = 0.0001;
      for (double u = start + du / 2; u < b; u += du) {
        const double q = toe + (r.heel - toe) * (u - start) / (b - start);
        force += q * share * du;
        moment += q * share * du * u;
      }
      EXPECT_NEAR(force, v, 0.05);
      EXPECT_NEAR(moment / force, c.x, 0.001);
    }
  }
}

// A lattice cell without short walls is a block: the same reactions and contact width.
TEST(GroundReaction, LatticeWithoutShortWallsIsTheBlock) {
  struct Case {
    double x, q1, q2, width;
    Distribution d;
  } cases[] = {{2, 333.333, 0, 6, Distribution::partial_contact},
               {5, 125, 41.667, 12, Distribution::kern}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    Stability s;
    s.cd.improvement_pattern = PATTERN_LATTICE;
    s.cd.body_dims.ll = 3, s.cd.body_dims.ls = 0, s.cd.body_dims.bs = 8, s.cd.body_dims.bl1 = 2;
    load(s, 1000, 0, c.x);
    const ReactionResult r = reaction(s, ReactionPattern::lattice);
    ASSERT_TRUE(r.computed);
    EXPECT_EQ(r.distribution, c.d);
    // A = 12, xg = 6, D = 6, I = 12³ / 12 = 144, k = 144 / (12 x 6) = 2 = B / 6.
    EXPECT_DOUBLE_EQ(r.a, 12);
    EXPECT_DOUBLE_EQ(r.k, 2);
    EXPECT_DOUBLE_EQ(r.q1, c.q1);
    EXPECT_DOUBLE_EQ(r.q2, c.q2);
    EXPECT_DOUBLE_EQ(r.effective_width, c.width);
  }
}

// Lattice W = B = 12, ll 3, ls 1, front wall bl1 2, gap bs 8 (back wall 2); V 1000, Ws 200.
// Cell per metre: A = (4 x 12 - 8) / 4 = 10; S0 = (4 x 72 - 8 x (4 + 2)) / 4 = 60; xg = 6;
// D = 6; I = (4 x 144 - (512 / 12 + 8 x 0²)) / 4 = 133.3333; k = rnd(133.333 / 60) = 2.222.
// x = 5: eL = 12 - 5 - 6 = 1 < k: q1 = 100 + 1000 x 1 / 133.333 x 6 = 145, q2 = 55.
// x = 2: eL = 4 >= k: partial contact by bisection.
TEST(GroundReaction, LatticeInsideAndOutsideTheKern) {
  for (double x : {5.0, 2.0, 1.0}) {
    SCOPED_TRACE(x);
    Stability s;
    s.cd.improvement_pattern = PATTERN_LATTICE;
    auto& d = s.cd.body_dims;
    d.ll = 3, d.ls = 1, d.bl1 = 2, d.bs = 8, d.bl2 = 2;
    load(s, 1000, 200, x);
    const ReactionResult r = reaction(s, ReactionPattern::lattice);
    ASSERT_TRUE(r.computed);
    EXPECT_DOUBLE_EQ(r.a, 10);
    EXPECT_DOUBLE_EQ(r.xg, 6);
    EXPECT_DOUBLE_EQ(r.d, 6);
    EXPECT_NEAR(r.i, 133.3333333, 1e-6);
    EXPECT_DOUBLE_EQ(r.k, 2.222);
    if (x == 5) {
      EXPECT_EQ(r.distribution, Distribution::kern);
      EXPECT_DOUBLE_EQ(r.q1, 145);
      EXPECT_DOUBLE_EQ(r.q2, 55);
    } else {
      EXPECT_EQ(r.distribution, Distribution::partial_contact);
      EXPECT_DOUBLE_EQ(r.q2, 0);
    }
    const auto share = [&](double u) { return u > 2 && u < 10 ? 0.75 : 1.0; };
    double force, arm;
    integrate(r, share, force, arm);
    EXPECT_NEAR(force, 1000, 1.0);
    EXPECT_NEAR(arm, x, 0.005);
  }
}

// The same lattice cell with the resultant landward of the centroid: x = 10, eL = e = 6 - 10
// = -4: the linear distribution gives q1 = 100 + 1000 x (-4) / 133.333 x 6 = -80 at the toe,
// a pull the ground cannot give; the case fails with a message. x = 8 (eL -2): q1 = 100 - 90
// = 10, q2 = 100 + 90 = 190: still compression everywhere, computed.
TEST(GroundReaction, LatticeResultantLandwardOfTheCentroid) {
  for (double x : {10.0, 8.0}) {
    SCOPED_TRACE(x);
    Stability s;
    s.cd.improvement_pattern = PATTERN_LATTICE;
    auto& d = s.cd.body_dims;
    d.ll = 3, d.ls = 1, d.bl1 = 2, d.bs = 8, d.bl2 = 2;
    load(s, 1000, 200, x);
    const ReactionResult r = reaction(s, ReactionPattern::lattice);
    if (x == 10) {
      EXPECT_FALSE(r.computed);
      EXPECT_NE(cp932_to_utf8_lossy(r.reason).find("引張り"), std::string::npos);
    } else {
      ASSERT_TRUE(r.computed);
      EXPECT_DOUBLE_EQ(r.q1, 10);
      EXPECT_DOUBLE_EQ(r.q2, 190);
    }
  }
}

// A trial width that ends before the gap holds none of it: with a front wall 5 m wide and the
// resultant 1 m from the toe the contact strip stays within the front wall, so the reaction is
// the block's, X = 3x = 3, S = 3² / 2 = 4.5, q1 = 1000 x 3 / 4.5 = 666.667.
TEST(GroundReaction, LatticeContactWithinTheFrontWall) {
  Stability s;
  s.cd.improvement_pattern = PATTERN_LATTICE;
  auto& d = s.cd.body_dims;
  d.ll = 3, d.ls = 1, d.bl1 = 5, d.bs = 2, d.bl2 = 5;
  load(s, 1000, 0, 1);
  const ReactionResult r = reaction(s, ReactionPattern::lattice);
  ASSERT_TRUE(r.computed);
  EXPECT_EQ(r.distribution, Distribution::partial_contact);
  EXPECT_DOUBLE_EQ(r.contact, 3);
  EXPECT_DOUBLE_EQ(r.s, 4.5);
  EXPECT_DOUBLE_EQ(r.q1, 666.667);
}

// No reaction is given for a resultant at or seaward of the toe, nor on a division by zero.
TEST(GroundReaction, CasesThatCannotBeComputed) {
  struct Case {
    const char* name;
    ReactionPattern p;
    std::function<void(Stability&)> change;
  } cases[] = {
      {"resultant at the toe", ReactionPattern::block, [](Stability& s) { load(s, 1000, 0, 0); }},
      {"resultant seaward", ReactionPattern::block, [](Stability& s) { load(s, 1000, 0, -1); }},
      {"no vertical force", ReactionPattern::block, [](Stability& s) { load(s, 0, 0, 2); }},
      {"uplift", ReactionPattern::block, [](Stability& s) { s.f()[FS_EFFECTIVE_WEIGHT] = -10; }},
      {"zero width", ReactionPattern::block,
       [](Stability& s) { s.chain.base.body_totals[0] = 0; }},
      {"no walls", ReactionPattern::wall,
       [](Stability& s) { s.cd.body_dims.ll = s.cd.body_dims.ls = 0; }},
      {"no long walls", ReactionPattern::wall, [](Stability& s) { s.cd.body_dims.ll = 0; }},
      {"lattice of gap only", ReactionPattern::lattice,
       [](Stability& s) {
         s.cd.body_dims.ll = 0;
         s.cd.body_dims.bs = 12;
       }},
      {"zero lattice width", ReactionPattern::lattice,
       [](Stability& s) { s.cd.body_dims.width = 0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Stability s;
    s.cd.body_dims.ll = 3, s.cd.body_dims.ls = 1, s.cd.body_dims.bl1 = 2, s.cd.body_dims.bs = 0;
    load(s, 1000, 0, 3);
    c.change(s);
    const ReactionResult r = reaction(s, c.p);
    EXPECT_FALSE(r.computed);
    EXPECT_FALSE(r.reason.empty());
  }
}

// The loop: a reaction that cannot be computed fails line 3 with a message, and the bearing
// check of that case fails too instead of passing on a reaction of 0.
TEST(GroundReaction, UncomputedReactionFailsTheBearingCheck) {
  qvt::testing::TempDir dir;
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  {
    Stability s;
    testing::Messages m;
    load(s, 1000, 0, -0.5);
    ExternalState state;
    state.chain = s.chain;
    ground_reaction_block(s.cd, state);
    check_bearing_block(s.cd, state);
    ASSERT_EQ(m.channel.lines.size(), 2u);
    EXPECT_NE(m.channel.lines[0].find("地盤反力の検討〈常  時〉：合力の作用位置"), std::string::npos);
    EXPECT_NE(m.channel.lines[1].find("支持力の検討〈常  時〉："), std::string::npos);
    EXPECT_EQ(state.summary.failed[0][2], 1);
    EXPECT_EQ(state.summary.values[0][CV_MAX_REACTION], 0);
    EXPECT_EQ(state.summary.limits[0][CL_ALLOWABLE_BEARING], 0);
    EXPECT_EQ(state.results.reaction[0][0], engine::EXTERNAL_RESULT_PRESET);
    EXPECT_EQ(state.results.effective_width[0], 0);
    EXPECT_FALSE(std::filesystem::exists("DM005HAN.PDT"));
    EXPECT_FALSE(std::filesystem::exists("DM006SIJ.PDT"));
  }
  std::filesystem::current_path(old);
}

// The loop stores the maximum reaction on the bearing line and the width under it for the
// bearing check, keeps the method's q1, q2 and B' for CAL_ANS.DAT, and writes the page's edge
// part. Sandy bearing layer (q' = 95 from the fixture's layers, F 2.5):
//   x 7, e -1, Nγ = Nq = 0: qa = q' = 95. The uniform 83.333 would pass; the heel's 125.000
//     fails.
//   x 9, e -3, β 0.5, γ 10, Nγ 20, Nq 15: the heel triangle over B' = 3 x 3 = 9 m: qa =
//     rnd(0.4 x (0.5 x 10 x 9 x 20 + 95 x 15) + 95) = 0.4 x 2325 + 95 = 1025 (not the 1145 of
//     the whole 12 m), holding the heel's 222.222.
TEST(GroundReaction, TheMaximumReactionIsWhatTheBearingCheckHoldsAgainst) {
  qvt::testing::TempDir dir;
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  struct Case {
    double x, nr, nq, max, width, qa;
    int failed;
  } cases[] = {{7, 0, 0, 125, 12, 95, 1}, {9, 20, 15, 222.222, 9, 1025, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    Stability s;
    testing::Messages m;
    auto& b = s.cd.bearing_layer;
    b.soil_type = 0, b.shape_factor = 0.5, b.unit_weight = 10;
    b.bearing_nr = c.nr, b.bearing_nq = c.nq;
    load(s, 1000, 0, c.x);
    ExternalState state;
    state.chain = s.chain;
    ground_reaction_block(s.cd, state);
    check_bearing_block(s.cd, state);
    EXPECT_TRUE(m.channel.lines.empty());
    EXPECT_DOUBLE_EQ(state.results.reaction[0][0], 83.333);
    EXPECT_DOUBLE_EQ(state.results.reaction[0][1], 83.333);
    EXPECT_DOUBLE_EQ(state.results.effective_width[0], 12);
    EXPECT_DOUBLE_EQ(state.summary.values[0][CV_MAX_REACTION], c.max);
    EXPECT_DOUBLE_EQ(state.bearing_width[0], c.width);
    EXPECT_DOUBLE_EQ(state.summary.limits[0][CL_ALLOWABLE_BEARING], c.qa);
    EXPECT_EQ(state.summary.failed[0][2], c.failed);
    const auto page = split_lines(read_file_bytes("DM005HAN.PDT").value_or(""));
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(page.back(), "$0  M_HAN05Q.PFM");
    const auto bearing = testing::utf8_lines(split_lines(read_file_bytes("DM006SIJ.PDT").value_or("")));
    ASSERT_FALSE(bearing.empty());
    EXPECT_EQ(bearing.back(), c.failed ? "14  ＯＵＴ" : "14  Ｏ.Ｋ.");
    const auto edges = testing::utf8_lines(split_lines(read_file_bytes("M_HAN05Q.PFM").value_or("")));
    ASSERT_GE(edges.size(), 2u);
    EXPECT_EQ(edges[0], "M_HAN05Q.PFM");
    EXPECT_EQ(edges[1], std::to_string(edges.size() - 2));
  }
  // A case without a reaction leaves no edge template of an earlier run behind.
  {
    Stability s;
    testing::Messages m;
    load(s, 1000, 0, 12);
    ExternalState state;
    state.chain = s.chain;
    ground_reaction_block(s.cd, state);
    EXPECT_FALSE(std::filesystem::exists("M_HAN05Q.PFM"));
    EXPECT_FALSE(std::filesystem::exists("DM005HAN.PDT"));
    EXPECT_EQ(state.summary.failed[0][2], 1);
    ASSERT_EQ(m.channel.lines.size(), 1u);
    EXPECT_NE(m.channel.lines[0].find("x = 12.000 m ≧ B = 12.000 m"), std::string::npos);
  }
  std::filesystem::current_path(old);
}

}  // namespace
}  // namespace qvt::meritan
