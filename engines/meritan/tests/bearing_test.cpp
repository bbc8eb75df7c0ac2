// Bearing capacity against hand computations: the overburden at the base, the sandy and clay
// formulas of the block procedure, the wall procedure for walls apart and close together, and
// the cases that are not checked.
#include "engines/meritan/tests/stability_fixture.h"

#include <gtest/gtest.h>

namespace qvt::meritan {
namespace {

using testing::Stability;

// β 0.5, γ 10, Nγ 20, Nq 15; F = 2.5.
void sandy(Stability& s) {
  auto& b = s.cd.bearing_layer;
  b.soil_type = 0;
  b.shape_factor = 0.5;
  b.unit_weight = 10;
  b.bearing_nr = 20;
  b.bearing_nq = 15;
}

// Sea layers of the fixture below the seabed -5, both below the L.W.L. 0 (submerged):
// q' = 5 x 10 + 5 x 9 = 95.
TEST(Bearing, OverburdenAndItsFormulaLines) {
  Stability s;
  double q = 0;
  std::array<std::string, 3> text;
  base_overburden(s.cd, s.chain, q, text);
  EXPECT_DOUBLE_EQ(q, 95);
  EXPECT_EQ(cp932_to_utf8_lossy(text[0]), "10.000x 5.000+ 9.000x 5.000 ＝   95.000kN/㎡");
  EXPECT_EQ(text[1], "");
  EXPECT_EQ(text[2], "");

  // A layer above the seabed adds nothing; a layer whose middle lies exactly at the L.W.L.
  // takes its submerged weight. Seabed -10: only -10..-15 counts; L.W.L. -12.5: 5 x 9 = 45.
  s.cd.soil_layers[engine::SIDE_PASSIVE][0].top_level = -10;
  s.cd.water_levels[1] = -12.5;
  base_overburden(s.cd, s.chain, q, text);
  EXPECT_DOUBLE_EQ(q, 45);
  // Above the L.W.L. the layer weighs in air: 5 x 17 = 85.
  s.cd.water_levels[1] = -12.6;
  base_overburden(s.cd, s.chain, q, text);
  EXPECT_DOUBLE_EQ(q, 85);
}

TEST(Bearing, FiveLayersPutTheFifthTermAndTheTotalOnLineTwo) {
  Stability s;
  s.chain.layers.sea_boundary_count = 6;
  for (int j = 0; j < 6; ++j) s.chain.layers.sea[j] = {-5.0 - j, 18, 10, 0, 0, 0, 0, 0, 0, 0, 0};
  double q = 0;
  std::array<std::string, 3> text;
  base_overburden(s.cd, s.chain, q, text);
  EXPECT_DOUBLE_EQ(q, 50);
  EXPECT_EQ(text[0], "10.000x 1.000+10.000x 1.000+10.000x 1.000+10.000x 1.000");
  EXPECT_EQ(cp932_to_utf8_lossy(text[1]), "+10.000x 1.000 ＝   50.000kN/㎡");
  // No counted layer: line 1 holds the total alone.
  s.chain.layers.sea_boundary_count = 1;
  base_overburden(s.cd, s.chain, q, text);
  EXPECT_EQ(cp932_to_utf8_lossy(text[0]), " ＝    0.000kN/㎡");
}

// Sandy block: qa = rnd(1/2.5 x (0.5 x 10 x 6 x 20 + 95 x 15) + 95) = 0.4 x 2025 + 95 = 905.
// Equal to q1 passes; one thousandth above fails.
TEST(Bearing, SandyBlock) {
  for (double q1 : {333.333, 905.0, 905.001}) {
    Stability s;
    sandy(s);
    const BearingResult r = compute_bearing(s.cd, s.chain, false, q1, 6, 0);
    ASSERT_TRUE(r.computed);
    EXPECT_EQ(r.variant, BearingVariant::block_sandy);
    EXPECT_DOUBLE_EQ(r.qa, 905);
    EXPECT_EQ(r.passes, q1 <= 905) << q1;
  }
}

// Clay: c_b = rnd((-10 - (-15)) x 2 + 20) = 30. t = rnd(2 x B' / 30): B' 60 gives t = 4.000
// and the formula, qa = rnd(0.4 x (1.018 x 2 x 60 + 5.14 x 30) + 95) = 0.4 x 276.36 + 95
// = 205.544; B' 60.015 gives t = 4.001, beyond the practical formula: qa = 0.
TEST(Bearing, ClayWithinAndBeyondThePracticalFormula) {
  for (bool wall : {false, true}) {
    SCOPED_TRACE(wall);
    Stability s;
    s.cd.bearing_layer.soil_type = 1;
    s.cd.bearing_layer.cohesion = 20;
    s.cd.bearing_layer.cohesion_gradient = 2;
    s.cd.body_dims.ll = 1, s.cd.body_dims.ls = 1;
    const BearingResult in = compute_bearing(s.cd, s.chain, wall, 200, 60, 0);
    ASSERT_TRUE(in.computed);
    EXPECT_EQ(in.variant, BearingVariant::clay);
    EXPECT_DOUBLE_EQ(in.cb, 30);
    EXPECT_DOUBLE_EQ(in.t, 4);
    EXPECT_FALSE(in.out_of_range);
    EXPECT_DOUBLE_EQ(in.qa, 205.544);
    EXPECT_TRUE(in.passes);
    const BearingResult out = compute_bearing(s.cd, s.chain, wall, 200, 60.015, 0);
    ASSERT_TRUE(out.computed);
    EXPECT_DOUBLE_EQ(out.t, 4.001);
    EXPECT_TRUE(out.out_of_range);
    EXPECT_DOUBLE_EQ(out.qa, 0);
    EXPECT_FALSE(out.passes);
  }
}

// Wall procedure, sandy: qN = rnd(95 x 15 / 2.5 + 95) = 665, qL = rnd(0.5 x 10 x ll x 20 / 2.5).
//   ll 1, ls 2: r = 0.333, n = rnd(3.003) = 3.003 >= 3: qL = 40, qa = 705.
//   ll 1, ls 1: r = 0.5, n = 2: qB = rnd(0.5 x 10 x 12 x 20 / 2.5) = 480,
//               qi = rnd((480 - 40) x 0.5 x (3 - 2) + 40) = 260 (halfway), qa = 925.
TEST(Bearing, WallsApartAndCloseTogether) {
  struct Case {
    double ll, ls, r, n;
    BearingVariant v;
    double ql, qb, qi, qa;
  } cases[] = {{1, 2, 0.333, 3.003, BearingVariant::wall_separate, 40, 0, 0, 705},
               {1, 1, 0.5, 2, BearingVariant::wall_close, 40, 480, 260, 925},
               // ll 3, ls 0: r = 1, n = 1: qL = 120, qi = qB = 480.
               {3, 0, 1, 1, BearingVariant::wall_close, 120, 480, 480, 1145}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ll + c.ls);
    Stability s;
    sandy(s);
    s.cd.body_dims.ll = c.ll, s.cd.body_dims.ls = c.ls;
    const BearingResult r = compute_bearing(s.cd, s.chain, true, 300, 12, 0);
    ASSERT_TRUE(r.computed);
    EXPECT_EQ(r.variant, c.v);
    EXPECT_DOUBLE_EQ(r.r, c.r);
    EXPECT_DOUBLE_EQ(r.n, c.n);
    EXPECT_DOUBLE_EQ(r.qn, 665);
    EXPECT_DOUBLE_EQ(r.ql, c.ql);
    EXPECT_DOUBLE_EQ(r.qb, c.qb);
    EXPECT_DOUBLE_EQ(r.qi, c.qi);
    EXPECT_DOUBLE_EQ(r.qa, c.qa);
  }
}

// A safety factor of 0 or a wall ratio above 1 leaves a case unchecked: it is failed with a
// message, and the later case is still checked.
TEST(Bearing, UncheckedCasesFailAndLaterCasesAreChecked) {
  struct Case {
    const char* name;
    bool wall;
    std::function<void(Stability&)> change;
  } cases[] = {
      {"factor 0", false, [](Stability& s) { s.cd.safety_factors[2][0] = 0; }},
      {"wall factor 0", true, [](Stability& s) { s.cd.safety_factors[2][0] = 0; }},
  };
  qvt::testing::TempDir dir;
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Stability s;
    testing::Messages m;
    sandy(s);
    s.cd.seismic_check = 2;
    s.cd.body_dims.ll = 1, s.cd.body_dims.ls = 2;
    c.change(s);
    ExternalState state;
    state.chain = s.chain;
    state.reaction_computed = {true, true};
    state.results.reaction[0][0] = state.results.reaction[1][0] = 300;
    state.results.effective_width = {6, 6};
    state.bearing_width = {6, 6};
    state.summary.values[0][CV_MAX_REACTION] = state.summary.values[1][CV_MAX_REACTION] = 300;
    if (c.wall)
      check_bearing_wall(s.cd, state);
    else
      check_bearing_block(s.cd, state);
    ASSERT_EQ(m.channel.lines.size(), 1u);
    EXPECT_NE(m.channel.lines[0].find("支持力の検討〈常  時〉：支持力の安全率が 0 以下"),
              std::string::npos);
    EXPECT_EQ(state.summary.failed[0][2], 1);
    EXPECT_EQ(state.results.allowable_bearing[0], engine::EXTERNAL_RESULT_PRESET);
    EXPECT_FALSE(std::filesystem::exists("DM006SIJ.PDT"));
    EXPECT_TRUE(std::filesystem::exists("DM106SIJ.PDT"));
    EXPECT_EQ(state.summary.failed[1][2], 0);
    EXPECT_DOUBLE_EQ(state.results.allowable_bearing[1], c.wall ? 705 : 905);
    EXPECT_DOUBLE_EQ(state.summary.limits[1][CL_ALLOWABLE_BEARING], c.wall ? 705 : 905);
    std::filesystem::remove("DM106SIJ.PDT");
  }
  std::filesystem::current_path(old);
  // A wall ratio above 1 (a negative short wall): n = rnd(1 / 2) = 0.5 < 1.
  Stability s;
  sandy(s);
  s.cd.body_dims.ll = 2, s.cd.body_dims.ls = -1;
  const BearingResult r = compute_bearing(s.cd, s.chain, true, 300, 12, 0);
  EXPECT_FALSE(r.computed);
  EXPECT_FALSE(r.reason.empty());
}

}  // namespace
}  // namespace qvt::meritan
