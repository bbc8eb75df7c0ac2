// The reports of the checks: the template each variant names, and the field records of
// whole reports written out by hand from their formats.
#include "engines/meritan/tests/stability_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qvt::meritan {
namespace {

using testing::report_lines;
using testing::Stability;
using testing::set_forces;
using testing::utf8_lines;

void options(Stability& s, char variant) {
  s.cd.custom_options.backfill_vertical_ignored = variant == 'e';
  // The reader forces the passive option on with the backfill option; the template must not
  // depend on it then.
  s.cd.custom_options.passive_vertical_ignored = variant == 'e' || variant == 'B';
}

TEST(SlidingReport, TemplateMatrix) {
  struct Row {
    const char* name;
    SlidingProcedure p;
    bool inclined, floating;
    const char* names[2][3];  // [tan φ, μ][backfill, passive, neither]
  } rows[] = {
      {"block flat", SlidingProcedure::block, false, false,
       {{"KAT1e", "KA0BK", "KAT01"}, {"KA1eM", "KA0BM", "KA01M"}}},
      {"block inclined", SlidingProcedure::block, true, false,
       {{"KAT3e", "KA3BK", "KAT03"}, {"KA3eM", "KA3BM", "KA03M"}}},
      {"block flat floating", SlidingProcedure::block, false, true,
       {{"KAT02", "KAT02", "KAT02"}, {"KAT02", "KAT02", "KAT02"}}},
      {"block inclined floating", SlidingProcedure::block, true, true,
       {{"KAT5N", "KAT5M", "KAT5A"}, {"KAT5N", "KAT5M", "KAT5A"}}},
      {"wall", SlidingProcedure::wall, false, false,
       {{"KAT4e", "KA1BK", "KAT11"}, {"KA4eM", "KA1BM", "KA11M"}}},
      {"lattice", SlidingProcedure::lattice, false, false,
       {{"KAT4e", "KA1BK", "KAT11"}, {"KA4eM", "KA1BM", "KA11M"}}},
      {"wall floating", SlidingProcedure::wall, false, true,
       {{"KAT02", "KAT02", "KAT02"}, {"KAT02", "KAT02", "KAT02"}}},
  };
  const char variants[] = {'e', 'B', 'N'};
  for (const Row& row : rows)
    for (int friction = 0; friction < 2; ++friction)
      for (int v = 0; v < 3; ++v)
        for (int c = 0; c < 2; ++c) {
          Stability s;
          options(s, variants[v]);
          s.cd.bearing_layer.friction_rule = friction == 0 ? 1 : 0;
          SlidingResult r;
          r.procedure = row.p;
          r.inclined = row.inclined;
          r.floating = row.floating;
          EXPECT_EQ(sliding_template(s.cd, r, c),
                    std::string(c == 0 ? "JY_" : "JS_") + row.names[friction][v] + ".PFM")
              << row.name << " " << friction << " " << variants[v] << " case " << c;
        }
}

// Block, flat friction ground, normal case (the forces of the sliding test):
// ΣV 1090, R1 654, R2 1200, Fs 2.154.
TEST(SlidingReport, BlockFlatNormalCase) {
  Stability s;
  set_block_forces(s);
  s.cd.stamp_date[0] = 26, s.cd.stamp_date[1] = 12, s.cd.stamp_date[2] = 10;
  s.cd.stamp_time[0] = 9, s.cd.stamp_time[1] = 5, s.cd.stamp_time[2] = 1;
  const SlidingResult r = compute_sliding(s.cd, s.chain, SlidingProcedure::block, 0);
  const auto lines = utf8_lines(
      report_lines([&](engine::PrintFile& file) { write_sliding_report(file, s.cd, s.chain, r, 0); }));
  const std::vector<std::string> expected = {
      "改良地盤系の滑動      〈常  時〉",
      "  26  12  10   9   5   1           TEST",
      "$1  JY_KA01M.PFM",
      "00   1.2",
      "01   1000.000",
      "02    50.000",
      "30    10.000",
      "31     5.000",
      "35   -15.000",
      "32    20.000",
      "40   1090.000",
      "03   0.60",
      "04    654.000",
      "05   100.000",
      "99  改良体の許容せん断応力度（τ$Sa$Z＝1/2σ$Sca$Z）",
      "06   12.000",
      "07   1200.000",
      "08  ＜ ",
      "09  1$Z",
      "10   100.000",
      "11    654.000",
      "12   300.000",
      "33    10.000",
      "13    40.000",
      "14   2.154",
      "15  ＞ ",
      "16   1.200",
      "17  Ｏ.Ｋ.",
  };
  EXPECT_EQ(lines, expected);
}

// Wall, seismic case: the safety factor part numbers from 20, with the inertia force at 25 and
// the dynamic water force at 34; the slope-length record belongs to inclined blocks only.
TEST(SlidingReport, WallSeismicSafetyFactorPart) {
  Stability s;
  s.cd.improvement_pattern = PATTERN_WALL;
  s.cd.seismic_check = 2;
  s.cd.body_dims.ll = 3, s.cd.body_dims.ls = 1;
  auto& f = s.f(1);
  set_forces(f, {{FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED, 800},
                 {FS_EFFECTIVE_WEIGHT_UNIMPROVED, 200}, {FS_SEISMIC_INERTIA, 100},
                 {FS_ACTIVE_HORIZONTAL_FORCE, 200}, {FS_DYNAMIC_WATER_RESULTANT, 50},
                 {FS_PASSIVE_HORIZONTAL_FORCE, 100}});
  const SlidingResult r = compute_sliding(s.cd, s.chain, SlidingProcedure::wall, 1);
  ASSERT_TRUE(r.computed);
  const auto lines = utf8_lines(
      report_lines([&](engine::PrintFile& file) { write_sliding_report(file, s.cd, s.chain, r, 1); }));
  ASSERT_GE(lines.size(), 12u);
  EXPECT_EQ(lines[0], "改良地盤系の滑動      〈地震時〉");
  EXPECT_EQ(lines[2], "$1  JS_KA11M.PFM");
  // R1 = 800 x 0.6 = 480 < R2 900; R1s 120 > R2s 90. Fs = (100 + 480 + 90) / 350 = 1.914.
  const std::vector<std::string> tail(lines.end() - 12, lines.end());
  const std::vector<std::string> expected = {
      "20   100.000", "21    480.000", "22    90.000", "23   200.000",
      "33     0.000", "24     0.000",  "25   100.000", "34    50.000",
      "26   1.914",   "27  ＞ ",       "28   1.200",   "29  Ｏ.Ｋ."};
  EXPECT_EQ(tail, expected);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "18  ＞ "), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "19  2$Z"), lines.end());
}

// Overturning, both cases: Mr = 5650, Mo = 2400 (normal), Fs = 2.354; the seismic case adds
// the inertia moment 600 and dynamic water moment 100: Mo = 3100, Fs = 1.822.
TEST(OverturningReport, BothCases) {
  Stability s;
  s.cd.custom_options.backfill_vertical_ignored = 1;
  for (int c = 0; c < 2; ++c) {
    auto& f = s.f(c);
    set_forces(f, {{FS_EFFECTIVE_WEIGHT_MOMENT, 5000}, {FS_PASSIVE_HORIZONTAL_MOMENT, 300},
                   {FS_ACTIVE_VERTICAL_MOMENT, 200}, {FS_OTHER_VERTICAL_MOMENT, 100},
                   {FS_SIDE_ADHESION_MOMENT, 50}, {FS_ACTIVE_HORIZONTAL_MOMENT, 2000},
                   {FS_RESIDUAL_WATER_MOMENT, 300}, {FS_OTHER_HORIZONTAL_MOMENT, 100}});
  }
  s.f(1)[FS_SEISMIC_INERTIA_MOMENT] = 600, s.f(1)[FS_DYNAMIC_WATER_MOMENT] = 100;
  const std::vector<std::string> expected[2] = {
      {"改良地盤系の転倒      〈常  時〉", "$1  JY_TEN1e.PFM", "00   1.2", "01    5000.000",
       "02     200.000", "20      50.000", "21     100.000", "03     300.000", "04    5650.000",
       "05     300.000", "06    2000.000", "22     100.000", "07    2400.000", "08    5650.000",
       "09    2400.000", "10   2.354", "11  ＞ ", "12   1.200", "13  Ｏ.Ｋ."},
      {"改良地盤系の転倒      〈地震時〉", "$1  JS_TEN1e.PFM", "00   1.2", "01    5000.000",
       "02     200.000", "20      50.000", "21     100.000", "03     300.000", "04    5650.000",
       "05     600.000", "06     300.000", "07    2000.000", "22     100.000", "23     100.000",
       "08    3100.000", "09    5650.000", "10    3100.000", "11   1.822", "12  ＞ ",
       "13   1.200", "14  Ｏ.Ｋ."}};
  for (int c = 0; c < 2; ++c) {
    const OverturningResult r = compute_overturning(s.cd, s.chain, c);
    ASSERT_TRUE(r.computed);
    auto lines = utf8_lines(report_lines(
        [&](engine::PrintFile& file) { write_overturning_report(file, s.cd, s.chain, r, c); }));
    lines.erase(lines.begin() + 1);  // the stamp line
    EXPECT_EQ(lines, expected[c]) << c;
  }
}

TEST(GroundReactionReport, HeaderTemplatesByPatternOptionAndCase) {
  struct Row {
    ReactionPattern p;
    const char* first[3];  // e, B, N
    const char* second[3];
  } rows[] = {
      {ReactionPattern::block, {"HA01e", "HA01B", "HAN01"}, {"HA02e", "HA02B", "HAN02"}},
      {ReactionPattern::wall, {"HA11e", "HA11B", "HAN11"}, {"HA12e", "HA12B", "HAN12"}},
      {ReactionPattern::lattice, {"HA21e", "HA21B", "HAN21"}, {"HA22e", "HA22B", "HAN22"}}};
  const char variants[] = {'e', 'B', 'N'};
  for (const Row& row : rows)
    for (int v = 0; v < 3; ++v)
      for (int c = 0; c < 2; ++c) {
        Stability s;
        options(s, variants[v]);
        ReactionResult r;
        r.pattern = row.p;
        r.distribution =
            row.p == ReactionPattern::lattice ? Distribution::kern : Distribution::uniform;
        const auto lines = report_lines([&](engine::PrintFile& file) {
          write_ground_reaction_report(file, s.cd, s.chain, r, c);
        });
        // The lattice keeps its "JY_" names in the seismic case.
        const std::string prefix = (c == 0 || row.p == ReactionPattern::lattice) ? "JY_" : "JS_";
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(lines[2], "$1  " + prefix + row.first[v] + ".PFM");
        EXPECT_EQ(lines[3], "$0  " + prefix + row.second[v] + ".PFM");
      }
}

// Block, seismic case, triangle (V 1000, x 2): the header's moment fields one higher, then the
// triangle with B' = 6. Negative passive forces are shown as their size.
TEST(GroundReactionReport, BlockSeismicTriangle) {
  Stability s;
  s.cd.seismic_check = 2;
  auto& f = s.f(1);
  set_forces(f, {{FS_EFFECTIVE_WEIGHT, 1010}, {FS_PASSIVE_SIDE_ADHESION, -4},
                 {FS_PASSIVE_VERTICAL_FORCE, -6}, {FS_EFFECTIVE_WEIGHT_MOMENT, 2000}});
  const ReactionResult r = compute_ground_reaction(s.cd, s.chain, ReactionPattern::block, 1);
  ASSERT_TRUE(r.computed);
  auto lines = utf8_lines(report_lines(
      [&](engine::PrintFile& file) { write_ground_reaction_report(file, s.cd, s.chain, r, 1); }));
  lines.erase(lines.begin() + 1);
  const std::vector<std::string> expected = {
      "改良地盤系の地盤反力  〈地震時〉", "$1  JS_HAN01.PFM", "$0  JS_HAN02.PFM",
      "00   1010.000", "01     0.000", "02     0.000", "03     0.000", "04     4.000",
      "17     6.000", "05   1000.000", "08    2000.000", "09       0.000", "10    1000.000",
      "12     2.000", "13  12.000", "14     2.000", "15     4.000", "$0  JS_HAN04.PFM",
      "16  12.000", "17     2.000", "00   1000.000", "02    2.000", "03   333.333",
      "04     6.000", "$0  M_HAN15Q.PFM"};
  EXPECT_EQ(lines, expected);
}

// Lattice partial contact: the kern mark and the contact width fields.
TEST(GroundReactionReport, LatticePartialContact) {
  Stability s;
  s.cd.improvement_pattern = PATTERN_LATTICE;
  s.cd.body_dims.ll = 3, s.cd.body_dims.ls = 0;
  s.f()[FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED] = 1000, s.f()[FS_EFFECTIVE_WEIGHT_MOMENT] = 2000;
  const ReactionResult r = compute_ground_reaction(s.cd, s.chain, ReactionPattern::lattice, 0);
  ASSERT_TRUE(r.computed);
  const auto lines = utf8_lines(report_lines(
      [&](engine::PrintFile& file) { write_ground_reaction_report(file, s.cd, s.chain, r, 0); }));
  const std::vector<std::string> tail(lines.end() - 13, lines.end());
  const std::vector<std::string> expected = {
      "15  ≧",          "16     2.000",    "18     6.000", "19     4.000",
      "20    12.000",   "21     144.000",  "$0  JY_HAN24.PFM", "00     6.000",
      "03    6.000",    "01    18.000",    "02   1000.000", "04   333.333",
      "$0  M_HAN05Q.PFM"};
  EXPECT_EQ(tail, expected);
}

// The page's edge part, below the distribution: both edge values, the mirrored heel's working
// where the page above shows the method's uniform value, and the governing edge.
//   Wall, V 900, B 12, r 0.75, x 7 (e -1): 900 / (12 x 0.75) x (1 + 6 x 1 / 12) = 150.000.
//   Block, V 1000, B 12, x 9 (e -3): 2 x 1000 / (3 x (12 - 9)) = 222.222 over 9.000 m.
//   Block, x 5 (e 1): the trapezoid's 125.000 and 41.667, the toe governs.
//   Block, x 6 (e 0): 83.333 at both edges.
TEST(GroundReactionReport, EdgeValuesAndTheGoverningEdge) {
  struct Case {
    ReactionPattern p;
    double v, ws, x;
    std::vector<std::string> lines;
  } cases[] = {
      {ReactionPattern::wall, 900, 300, 7,
       {"", "  端部の地盤反力    前端 (つま先) ＝  100.000 kN/㎡    後端 (かかと) ＝  150.000 kN/㎡",
        "  合力が底面中央より陸側にあり (e＜0)、|e|≦B/6 のため後端の地盤反力は",
        "      V/(B・r)・(1＋6・|e|/B) ＝ 900.000/(12.000×0.750)×(1＋6×1.000/12.000) ＝ 150.000 kN/㎡",
        "  上の等分布の値は前端 (つま先) の地盤反力として前端の照査に用います。",
        "  最大地盤反力 ＝  150.000 kN/㎡ (後端の値)    支持力の照査に用います"}},
      {ReactionPattern::block, 1000, 0, 9,
       {"", "  端部の地盤反力    前端 (つま先) ＝   83.333 kN/㎡    後端 (かかと) ＝  222.222 kN/㎡",
        "  合力が底面中央より陸側にあり (e＜0)、|e|＞B/6 のため後端の地盤反力は",
        "      2・V/(3・(B－x)) ＝ 2×1000.000/(3×(12.000－9.000)) ＝ 222.222 kN/㎡",
        "      接地幅 3・(B－x) ＝ 9.000 m (支持力の照査に用います)",
        "  上の等分布の値は前端 (つま先) の地盤反力として前端の照査に用います。",
        "  最大地盤反力 ＝  222.222 kN/㎡ (後端の値)    支持力の照査に用います"}},
      {ReactionPattern::block, 1000, 0, 5,
       {"", "  端部の地盤反力    前端 (つま先) ＝  125.000 kN/㎡    後端 (かかと) ＝   41.667 kN/㎡",
        "  最大地盤反力 ＝  125.000 kN/㎡ (前端の値)    支持力の照査に用います"}},
      {ReactionPattern::block, 1000, 0, 6,
       {"", "  端部の地盤反力    前端 (つま先) ＝   83.333 kN/㎡    後端 (かかと) ＝   83.333 kN/㎡",
        "  最大地盤反力 ＝   83.333 kN/㎡ (前端と後端が等しい)    支持力の照査に用います"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    Stability s;
    s.cd.improvement_pattern = c.p == ReactionPattern::wall ? 1 : 0;
    s.cd.body_dims.ll = 3, s.cd.body_dims.ls = 1;
    auto& f = s.f();
    f[FS_EFFECTIVE_WEIGHT] = f[FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED] = c.v;
    f[FS_EFFECTIVE_WEIGHT_UNIMPROVED] = c.ws;
    f[FS_EFFECTIVE_WEIGHT_MOMENT] = (c.v + c.ws) * c.x;
    const ReactionResult r = compute_ground_reaction(s.cd, s.chain, c.p, 0);
    ASSERT_TRUE(r.computed);
    EXPECT_EQ(utf8_lines(reaction_edges_lines(r)), c.lines);
  }
  EXPECT_EQ(reaction_edges_template_name(0), "M_HAN05Q.PFM");
  EXPECT_EQ(reaction_edges_template_name(1), "M_HAN15Q.PFM");
}

// Bearing, clay beyond the practical formula (q1 300): qa 0 with "＜ " and "ＯＵＴ".
TEST(BearingReport, ClayAndWallTemplates) {
  Stability s;
  s.cd.bearing_layer.soil_type = 1;
  s.cd.bearing_layer.cohesion = 20;
  s.cd.bearing_layer.cohesion_gradient = 2;
  const BearingResult clay = compute_bearing(s.cd, s.chain, false, 300, 60.015, 0);
  auto lines = utf8_lines(
      report_lines([&](engine::PrintFile& file) { write_bearing_report(file, s.cd, clay, 0); }));
  lines.erase(lines.begin() + 1);
  const std::vector<std::string> expected = {
      "原地盤の許容支持力　  〈常  時〉", "$1  JJ_SIJ02.PFM",
      "30  10.000x 5.000+ 9.000x 5.000 ＝   95.000kN/㎡", "31  ", "32  ", "08   2.000",
      "09  60.015", "11  30.000", "14   2.50", "15    95.000", "16     0.000", "17  ＜ ",
      "18  1", "19   300.000", "20  ＯＵＴ"};
  EXPECT_EQ(lines, expected);

  s.cd.bearing_layer.soil_type = 0;
  s.cd.body_dims.ll = 1, s.cd.body_dims.ls = 1;
  // Without bearing coefficients qa = q' = 95, which holds 50.
  const BearingResult wall = compute_bearing(s.cd, s.chain, true, 50, 12, 1);
  lines = utf8_lines(
      report_lines([&](engine::PrintFile& file) { write_bearing_report(file, s.cd, wall, 1); }));
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "原地盤の許容支持力　  〈地震時〉");
  EXPECT_EQ(lines[2], "$1  JJ_SIJ12.PFM");
  EXPECT_EQ(lines[3], "$0  JJ_SIJ14.PFM");
  EXPECT_EQ(lines.back(), "28  Ｏ.Ｋ.");
}

// Records that only some variants write: the slope length and the governing-resistance marks
// of an inclined base, the four fields of a flat floating base, the quck text of tangent
// circles, the soil-between-walls weight of the wall reaction.
TEST(Reports, VariantRecords) {
  const auto has = [](const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  const auto forces = [](Stability& s) {
    auto& f = s.f();
    set_forces(f, {{FS_EFFECTIVE_WEIGHT, 1000}, {FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED, 1000},
                   {FS_ACTIVE_HORIZONTAL_FORCE, 300}, {FS_PASSIVE_HORIZONTAL_FORCE, 100}});
  };
  {  // Inclined block base with its slope length: B' 12.165 at field 06 and in field 80.
    Stability s;
    forces(s);
    s.cd.body_dims.dh1 = -13;
    s.cd.bearing_layer.slope_length_width = 1;
    const SlidingResult r = compute_sliding(s.cd, s.chain, SlidingProcedure::block, 0);
    const auto lines = utf8_lines(report_lines(
        [&](engine::PrintFile& f) { write_sliding_report(f, s.cd, s.chain, r, 0); }));
    EXPECT_TRUE(has(lines, "41   9.46"));
    EXPECT_TRUE(has(lines, "06   12.165"));
    EXPECT_TRUE(has(lines, "80  （傾斜長12.165mを用いる）"));
    EXPECT_TRUE(has(lines, "09  1  "));
    // Without the slope length: no field 80, B at field 06.
    s.cd.bearing_layer.slope_length_width = 0;
    const SlidingResult r0 = compute_sliding(s.cd, s.chain, SlidingProcedure::block, 0);
    const auto lines0 = utf8_lines(report_lines(
        [&](engine::PrintFile& f) { write_sliding_report(f, s.cd, s.chain, r0, 0); }));
    EXPECT_TRUE(has(lines0, "06   12.000"));
    for (const std::string& l : lines0) EXPECT_NE(l.substr(0, 2), "80");
  }
  {  // Flat floating base: fields 00 to 03, the safety factor part from 04.
    Stability s;
    forces(s);
    s.cd.bearing_layer.soil_type = 1;
    s.cd.bearing_layer.founding_type = 1;
    s.cd.bearing_layer.cohesion = 30;
    const SlidingResult r = compute_sliding(s.cd, s.chain, SlidingProcedure::block, 0);
    auto lines = utf8_lines(report_lines(
        [&](engine::PrintFile& f) { write_sliding_report(f, s.cd, s.chain, r, 0); }));
    lines.erase(lines.begin(), lines.begin() + 2);
    // c 30, R = 360, Fs = 460 / 300 = 1.533.
    const std::vector<std::string> expected = {
        "$1  JY_KAT02.PFM", "00   1.2",     "01   30.000",   "02   12.000", "03    360.000",
        "04   100.000",     "05    360.000", "06   300.000", "33     0.000", "07     0.000",
        "08   1.533",       "09  ＞ ",       "10   1.200",   "11  Ｏ.Ｋ."};
    EXPECT_EQ(lines, expected);
  }
  {  // Tangent circles: the quck text.
    Stability s;
    forces(s);
    s.cd.improvement_pattern = PATTERN_TANGENT_CIRCLES;
    const SlidingResult r = compute_sliding(s.cd, s.chain, SlidingProcedure::block, 0);
    const auto lines = utf8_lines(report_lines(
        [&](engine::PrintFile& f) { write_sliding_report(f, s.cd, s.chain, r, 0); }));
    EXPECT_TRUE(has(lines, "99  改良体のせん断強度（τ$Sa$Z＝1/2・quck・ap）"));
  }
  {  // Wall reaction, seismic: Ws at field 11, then x, B, x, e from 12.
    Stability s;
    s.cd.improvement_pattern = PATTERN_WALL;
    s.cd.body_dims.ll = 3, s.cd.body_dims.ls = 1;
    auto& f = s.f(1);
    // x = 6000 / 1200 = 5: trapezoid.
    set_forces(f, {{FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED, 900},
                   {FS_EFFECTIVE_WEIGHT_UNIMPROVED, 300}, {FS_EFFECTIVE_WEIGHT_MOMENT, 6000}});
    const ReactionResult r = compute_ground_reaction(s.cd, s.chain, ReactionPattern::wall, 1);
    ASSERT_TRUE(r.computed);
    const auto lines = utf8_lines(report_lines(
        [&](engine::PrintFile& file) { write_ground_reaction_report(file, s.cd, s.chain, r, 1); }));
    EXPECT_TRUE(has(lines, "10     900.000"));
    EXPECT_TRUE(has(lines, "11     300.000"));
    EXPECT_TRUE(has(lines, "15     1.000"));
    EXPECT_TRUE(has(lines, "$0  JS_HAN13.PFM"));
    EXPECT_TRUE(has(lines, "06   150.000"));
    EXPECT_TRUE(has(lines, "13    50.000"));
  }
}

// Sandy block bearing report (the 905 of the bearing test, q1 333.333).
TEST(BearingReport, SandyBlock) {
  Stability s;
  auto& b = s.cd.bearing_layer;
  b.shape_factor = 0.5, b.unit_weight = 10, b.bearing_nr = 20, b.bearing_nq = 15;
  const BearingResult r = compute_bearing(s.cd, s.chain, false, 333.333, 6, 0);
  auto lines = utf8_lines(
      report_lines([&](engine::PrintFile& file) { write_bearing_report(file, s.cd, r, 0); }));
  lines.erase(lines.begin() + 1);
  const std::vector<std::string> expected = {
      "原地盤の許容支持力　  〈常  時〉", "$1  JJ_SIJ01.PFM",
      "30  10.000x 5.000+ 9.000x 5.000 ＝   95.000kN/㎡", "31  ", "32  ", "00   0.50",
      "01  10.000", "02   6.000", "03  20.000", "04    95.000", "05  15.000", "08   2.50",
      "09    95.000", "10   905.000", "11  ＞ ", "12  1", "13   333.333", "14  Ｏ.Ｋ."};
  EXPECT_EQ(lines, expected);
}

// The overturning page by the backfill option alone and the case.
TEST(OverturningReport, TemplateByOptionAndCase) {
  for (int backfill : {0, 1})
    for (int passive : {0, 1})
      for (int c : {0, 1}) {
        Stability s;
        s.cd.custom_options.backfill_vertical_ignored = backfill;
        s.cd.custom_options.passive_vertical_ignored = passive;
        const auto lines = report_lines([&](engine::PrintFile& file) {
          write_overturning_report(file, s.cd, s.chain, OverturningResult{}, c);
        });
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[2], std::string("$1  ") + (c ? "JS_" : "JY_") +
                                (backfill ? "TEN1e" : "TEN01") + ".PFM");
      }
}

}  // namespace
}  // namespace qvt::meritan
