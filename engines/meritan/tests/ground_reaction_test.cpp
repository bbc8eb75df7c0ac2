// Ground reaction against hand computations: the three distributions of block and wall bodies
// at their limits, the lattice cell inside and outside the kern, and the equilibrium of every
// reaction diagram: its resultant is V, acting at x from the toe.
#include "engines/meritan/tests/stability_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qvt::meritan {
namespace {

using testing::Stability;

// V on the base (weight column [0] for blocks, [1] for walls and lattices), Ws between the
// walls, and a resisting moment that puts the resultant of V + Ws at x from the toe.
void load(Stability& s, double v, double ws, double x) {
  auto& f = s.f();
  f[0] = v, f[1] = v, f[2] = ws;
  f[16] = (v + ws) * x;
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
    s.cd.improvement_pattern = 1;
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
    s.cd.improvement_pattern = 3;
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
    s.cd.improvement_pattern = 3;
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
    s.cd.improvement_pattern = 3;
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
  s.cd.improvement_pattern = 3;
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
      {"uplift", ReactionPattern::block, [](Stability& s) { s.f()[0] = -10; }},
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

}  // namespace
}  // namespace qvt::meritan
