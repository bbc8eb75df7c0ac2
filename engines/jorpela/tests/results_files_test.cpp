// Pull-out on a synthetic two-layer DAT_ANS.DAT, the internal stress of a tangent-circle body,
// the summary page, the eccentric load hand-over, the result chain tail and the CSV listing;
// numbers worked by hand in the comments.
#include "common/check_summary_format.h"
#include "common/check_verdict.h"
#include "engines/common/check_summary_file.h"
#include "engines/jorpela/tests/internal_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace qvt::jorpela {
namespace {

using testing::Internal;

std::vector<std::string> utf8_lines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& l : lines) out.push_back(cp932_to_utf8_lossy(l));
  return out;
}

// Wall body of the fixture (top -5), ds 4: short-wall bottom zb = -9. B 12, Ls 2, pitch 1.5.
// Land: layer 0 c 20, γ' 8 down to -12; layer 1 c 30, γ' 9 down to -15 (no gradient).
// Pressures linear within a layer: active 10 -> 16 (layer 0 from -9), 20 -> 26 (layer 1);
// passive 30 -> 45, 50 -> 65; water 5 throughout. Records after the steps: [-9, -10.5],
// [-10.5, -12], [-12, -13.5], [-13.5, -15]; at -10.5 active 13, passive 37.5; at -13.5 active
// 23, passive 57.5.
// Record 0: T 2 x 20 = 40, S = 40 x 1.5 = 60, Rc = (40 + 60 + 40) x 12 = 1680;
//   A = 23 x 0.75 x 2 = 34.5, P = 67.5 x 1.5 = 101.25, U = 10 x 1.5 = 15;
//   Fs = 1781.25 / 49.5 = 35.9848 -> 35.984.
// Record 1: ΣS 120, Rc 2400, ΣA 78, ΣP 225, ΣU 30: Fs = 2625 / 108 = 24.3055 -> 24.305.
// Record 2 (c 30): ΣS 210, Rc (40 + 210 + 60) x 12 = 3720, ΣA 142.5, ΣP 386.25, ΣU 45:
//   Fs = 4106.25 / 187.5 = 21.9.
// Record 3: ΣS 300, Rc 4800, ΣA 216, ΣP 570, ΣU 60: Fs = 5370 / 276 = 19.4565 -> 19.456.
// Seismic, kh 0.1: W of record 0 = 12 x 2 x 1.5 x (8 + 10) = 648, H = 64.8:
//   Fs = 1781.25 / 114.3 = 15.58399 -> down to 15.583.
struct Pullout : Internal {
  engine::LayerPressureBlock block;
  Pullout() {
    cd.improvement_pattern = PATTERN_WALL;
    cd.body_dims.ds = 4;
    cd.body_dims.ls = 2;
    cd.custom_options.pullout_pitch = 1.5;
    cd.seismic_coef_inertia = 0.1;
    auto& land = state.chain.layers.land;
    state.chain.layers.land_boundary_count = 3;
    land[0] = {-5, 18, 8, 1, 0, 20, 0, 0, 0, 0, 0};
    land[1] = {-12, 19, 9, 1, 0, 30, 0, 0, 0, 0, 0};
    land[2] = {-15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    block.land = {{0, -5, -9, 2, 10, 5, 5}, {0, -9, -12, 10, 16, 5, 5}, {1, -12, -15, 20, 26, 5, 5}};
    block.sea = {{0, -5, -9, 0, 30}, {0, -9, -12, 30, 45}, {1, -12, -15, 50, 65}};
  }
};

TEST(Pullout, SafetyFactorPerStep) {
  Pullout t;
  const PulloutCase p = compute_pullout(t.cd, t.state.chain, t.block, 0);
  ASSERT_TRUE(p.computed) << cp932_to_utf8_lossy(p.reason);
  EXPECT_DOUBLE_EQ(p.zb, -9);
  ASSERT_EQ(p.segments.size(), 4u);
  EXPECT_DOUBLE_EQ(p.segments[1].top_level, -10.5);
  EXPECT_DOUBLE_EQ(p.segments[1].active_top, 13);
  EXPECT_DOUBLE_EQ(p.segments[3].passive_top, 57.5);
  EXPECT_EQ(p.k0, 0);
  ASSERT_EQ(p.steps.size(), 4u);
  const double fs[] = {35.984, 24.305, 21.9, 19.456};
  for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(p.steps[static_cast<std::size_t>(i)].fs, fs[i]) << i;
  EXPECT_DOUBLE_EQ(p.steps[0].rc, 1680);
  const PulloutCase s = compute_pullout(t.cd, t.state.chain, t.block, 1);
  ASSERT_TRUE(s.computed);
  EXPECT_DOUBLE_EQ(s.steps[0].h_inertia, 64.8);
  EXPECT_DOUBLE_EQ(s.steps[0].fs, 15.583);
}

TEST(Pullout, CheckWritesTheGoverningStepAndTheSlots) {
  Pullout t;
  ASSERT_TRUE(replace_file_bytes("DAT_ANS.DAT", engine::encode_layer_pressure_block(t.block)));
  check_pullout(t.cd, t.state);
  EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_PULLOUT_FS], 19.456);
  EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_PULLOUT_FROM_LEVEL], -9);
  EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_PULLOUT_TO_LEVEL], -15);
  EXPECT_EQ(t.state.summary.failed[0][6], 0);
  EXPECT_DOUBLE_EQ(t.state.results.pullout_fs[0][0], 35.984);
  EXPECT_DOUBLE_EQ(t.state.results.pullout_fs[0][3], 19.456);
  EXPECT_EQ(t.state.results.pullout_fs[0][4], INTERNAL_PRESET);
  EXPECT_EQ(t.state.results.pullout_fs[1][0], INTERNAL_PRESET);  // seismic check off
  EXPECT_EQ(t.field("DM009NUK.PDT", 4, "$0  JJ_NUK06"), "  35.984");
}

// A sea-side boundary at -11 where the land side has -12: the check cannot be made. It fails
// with the message instead of keeping 9999.999 with flag 0.
TEST(Pullout, LayerMismatchFailsWithTheMessage) {
  Pullout t;
  t.block.sea = {{0, -5, -9, 0, 30}, {0, -9, -11, 30, 45}, {1, -11, -15, 50, 65}};
  ASSERT_TRUE(replace_file_bytes("DAT_ANS.DAT", engine::encode_layer_pressure_block(t.block)));
  check_pullout(t.cd, t.state);
  EXPECT_EQ(t.state.summary.failed[0][6], 1);
  EXPECT_EQ(t.state.summary.values[0][CV_PULLOUT_FS], 0);
  EXPECT_FALSE(std::filesystem::exists("DM009NUK.PDT"));
  ASSERT_EQ(t.channel.lines.size(), 1u);
  EXPECT_NE(t.channel.lines[0].find("受働と主働の土層が合いません"), std::string::npos);
}

// A driving force so small that every step's factor lies above 9999.999 (no active pressure,
// water 0.001: U of record 0 = 0.002 x 0.5 x 1.5 x 2 = 0.003, Fs = 1781.25 / 0.003 = 593750).
// The governing factor starts at 9999.999 and no step goes below it: the line is failed with a
// message, never "0,0,0,1.2,0" (a factor 0 passed, as the external engine's zeros left it).
TEST(Pullout, NoStepBelowTheStartIsNeverAPass) {
  Pullout t;
  for (auto& a : t.block.land) a.active_top = a.active_bottom = 0, a.water_top = a.water_bottom = 0.001;
  ASSERT_TRUE(replace_file_bytes("DAT_ANS.DAT", engine::encode_layer_pressure_block(t.block)));
  check_pullout(t.cd, t.state);
  EXPECT_EQ(t.state.summary.failed[0][6], 1);
  EXPECT_EQ(t.state.summary.values[0][CV_PULLOUT_FS], 0);
  EXPECT_DOUBLE_EQ(t.state.summary.limits[0][CL_REQUIRED_PULLOUT_FS], t.cd.safety_factors[3][0]);
  EXPECT_DOUBLE_EQ(t.state.results.pullout_fs[0][0], 593750);
  EXPECT_TRUE(std::filesystem::exists("DM009NUK.PDT"));  // the steps' page stays
  ASSERT_EQ(t.channel.lines.size(), 1u);
  EXPECT_NE(t.channel.lines[0].find("9999.999"), std::string::npos);
  const auto line = format_check_line(check_summary_line(t.state.summary, 0, 6), true);
  EXPECT_TRUE(check_line_consistent(6, *parse_check_line(*line, true)));
}

TEST(Pullout, TooManyStepsAreReportedNotCutOff) {
  Pullout t;
  t.cd.custom_options.pullout_pitch = 0.1;  // 60 records
  const PulloutCase p = compute_pullout(t.cd, t.state.chain, t.block, 0);
  EXPECT_FALSE(p.computed);
  EXPECT_NE(cp932_to_utf8_lossy(p.reason).find("25"), std::string::npos);
}

// Tangent circles: P1 (the external engine's reaction at the toe) 200 against the spread load:
// spread width 5.464, q = 36.603 (as the wall test), no block on top: P1' = 36.603 < 200, so
// σ0 = 200; ap 50 %: σ = 200 / 0.5 = 400 <= min(σca 450, quck 500) = 450.
TEST(InternalStress, LargerOfReactionAndSpreadLoadOverTheRatio) {
  Internal t;
  t.cd.improvement_pattern = PATTERN_TANGENT_CIRCLES;
  t.cd.improvement_ratio = 50;
  t.cd.allowable_stresses[0][0] = 450;
  t.check_point(3, -2, 0, 2, 100);
  t.state.summary.values[0][CV_MAX_REACTION] = 200;
  check_internal_stress(t.cd, t.state);
  EXPECT_DOUBLE_EQ(t.state.results.internal_stress[0], 400);
  EXPECT_EQ(t.state.summary.failed[0][7], 0);
  EXPECT_EQ(t.field("DM008ORK.PDT", 14, "$1"), "  36.603");
  EXPECT_EQ(t.field("DM008ORK.PDT", 25), "Ｐ$S1$Z");
  EXPECT_EQ(t.field("DM008ORK.PDT", 4), "≦ ");
  // An improvement ratio of 0 cannot divide: failed with a message, no report.
  Internal z;
  z.cd.improvement_pattern = PATTERN_TANGENT_CIRCLES;
  z.cd.improvement_ratio = 0;
  check_internal_stress(z.cd, z.state);
  EXPECT_EQ(z.state.summary.failed[0][7], 1);
  EXPECT_FALSE(std::filesystem::exists("DM008ORK.PDT"));
}

// The columns' stress is held to the allowable compressive stress σca of the case and never to
// more than the design standard strength quck: limit = min(σca, quck). The fixture's body as
// above: spread load P1' = 36.603, ap 50 %, the external engine's toe q1 200 and far edge q2
// 100 (a uniform reaction: q2 = q1 = 200).
//   P1 200 (the toe's, above P1'): σ = 200 / 0.5 = 400.
//     σca 330, quck 1000: limit 330, 400 > 330 fails (against quck alone it passed);
//     σca 500, quck 1000: limit 500, passes; σca 400: limit 400 = σ, equality passes;
//     σca 600 (the default of a project that never showed the box), quck 350: limit 350 as
//     before, 400 > 350 fails.
//   P1 250 above the toe's 200 is the heel's: σ = 250 / 0.5 = 500 = min(500, 1000), passes.
//   P1 200 with q1 = q2 = 200: both edges carry it.
TEST(InternalStress, HeldToTheAllowableCompressiveStressNeverAboveTheStrength) {
  struct Row {
    double sca, quck, p1, q2;
    const char* limit;  // field 03, "%8.3lf"
    int failed;
    const char* edge;
  };
  const Row rows[] = {
      {330, 1000, 200, 100, " 330.000", 1, "前端 (つま先) の値"},
      {500, 1000, 200, 100, " 500.000", 0, "前端 (つま先) の値"},
      {400, 1000, 200, 100, " 400.000", 0, "前端 (つま先) の値"},
      {600, 350, 200, 100, " 350.000", 1, "前端 (つま先) の値"},
      {500, 1000, 250, 100, " 500.000", 0, "後端 (かかと) の値。前端 (つま先) は 200.000 kN/㎡"},
      {500, 1000, 200, 200, " 500.000", 0, "前端と後端が等しい"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.limit + std::string(" ") + r.edge);
    Internal t;
    t.cd.improvement_pattern = PATTERN_TANGENT_CIRCLES;
    t.cd.improvement_ratio = 50;
    t.cd.allowable_stresses[0][0] = r.sca;
    t.cd.allowable_stresses[2][0] = r.quck;
    t.check_point(3, -2, 0, 2, 100);
    t.state.external.reaction[0] = {200, r.q2};
    t.state.summary.values[0][CV_MAX_REACTION] = r.p1;
    check_internal_stress(t.cd, t.state);
    EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_INTERNAL_STRESS], r.p1 / 0.5);
    EXPECT_EQ(engine::format_text("%8.3lf", t.state.summary.limits[0][CL_INTERNAL_STRESS_LIMIT]),
              r.limit);
    EXPECT_EQ(t.state.summary.failed[0][7], r.failed);
    EXPECT_EQ(t.field("DM008ORK.PDT", 3), r.limit);
    EXPECT_EQ(t.field("DM008ORK.PDT", 4), r.failed ? "＞ " : "≦ ");
    EXPECT_EQ(t.field("DM008ORK.PDT", 5), r.failed ? "ＯＵＴ" : "Ｏ.Ｋ.");
    // The page ends on its notes: what P1 is and what the limit is made of.
    EXPECT_EQ(t.lines("DM008ORK.PDT").back(), "$0  JJ_ORK0Q.PFM");
    const auto notes = utf8_lines(t.lines("JJ_ORK0Q.PFM"));
    ASSERT_EQ(notes.size(), 5u);
    EXPECT_EQ(notes[0], "JJ_ORK0Q.PFM");
    EXPECT_EQ(notes[1], "3");
    EXPECT_EQ(notes[3], engine::format_text("  Ｐ1 ＝ 改良体底面の最大地盤反力 (前端と後端の地盤反力の大きいほう)"
                                            " ＝ %.3lf kN/㎡ (%s)", r.p1, r.edge));
    EXPECT_EQ(notes[4], engine::format_text("  許容値 ＝ 許容圧縮応力度 σca と設計基準強度 quck の小さいほう"
                                            " ＝ min(%.3lf, %.3lf) ＝ %s kN/㎡", r.sca, r.quck,
                                            r.limit + 1));
  }
}

// Each case its own limit (σca 330 / 500 as the tangent-circle sample, quck 1000): σ 400 fails
// in the normal case (400 > 330) and passes in the seismic one (400 <= 500), each page its own
// notes. A case that cannot be computed leaves no notes of an earlier run behind.
TEST(InternalStress, EachCaseItsOwnLimitAndNotes) {
  Internal t;
  t.cd.improvement_pattern = PATTERN_TANGENT_CIRCLES;
  t.cd.improvement_ratio = 50;
  t.cd.seismic_check = 2;
  t.cd.allowable_stresses[0][0] = 330;
  t.cd.allowable_stresses[0][1] = 500;
  t.cd.allowable_stresses[2][0] = t.cd.allowable_stresses[2][1] = 1000;
  t.check_point(3, -2, 0, 2, 100);
  for (int c = 0; c < 2; ++c) t.state.summary.values[c][CV_MAX_REACTION] = 200;
  check_internal_stress(t.cd, t.state);
  EXPECT_EQ(t.state.summary.failed[0][7], 1);
  EXPECT_EQ(t.state.summary.failed[1][7], 0);
  EXPECT_DOUBLE_EQ(t.state.summary.limits[1][CL_INTERNAL_STRESS_LIMIT], 500);
  EXPECT_EQ(t.field("DM108ORK.PDT", 3), " 500.000");
  EXPECT_EQ(t.lines("DM108ORK.PDT").back(), "$0  JJ_ORK1Q.PFM");
  const auto notes = utf8_lines(t.lines("JJ_ORK1Q.PFM"));
  ASSERT_EQ(notes.size(), 5u);
  EXPECT_EQ(notes[0], "JJ_ORK1Q.PFM");
  EXPECT_NE(notes[4].find("min(500.000, 1000.000) ＝ 500.000"), std::string::npos);
  // An improvement ratio of 0 cannot divide: both cases fail, no page and no notes are left.
  t.cd.improvement_ratio = 0;
  check_internal_stress(t.cd, t.state);
  for (const char* name : {"DM008ORK.PDT", "DM108ORK.PDT", "JJ_ORK0Q.PFM", "JJ_ORK1Q.PFM"})
    EXPECT_FALSE(std::filesystem::exists(name)) << name;
}

// Centred: V 1000, Mr 6000, B 12: x = 6 = B / 2, e 0. Eccentric: Mr 5000: e = |5 - 6| = 1,
// ratio 2 / 12 = 0.167. Base cohesion at the last sea record -15: (−10 + 15) x 2 + 30 = 40;
// overburden from the seabed -5: 10 x 5 + 9 x 5 = 95.
TEST(EccentricLoad, CentredAndEccentricResultant) {
  for (double mr : {6000.0, 5000.0}) {
    Internal t;
    t.cd.bearing_layer.cohesion = 30;
    t.cd.bearing_layer.cohesion_gradient = 2;
    t.cd.bearing_layer.unit_weight = 19;
    t.cd.project_title.assign("QUAY, NORTH");
    t.cd.stamp_date[0] = 26, t.cd.stamp_date[1] = 12, t.cd.stamp_date[2] = 10;
    auto& f = t.state.chain.base.force_summary[0].slot;
    f[FS_EFFECTIVE_WEIGHT] = 1000;
    f[FS_EFFECTIVE_WEIGHT_MOMENT] = mr;
    f[FS_ACTIVE_HORIZONTAL_FORCE] = 300.0005;
    f[FS_ACTIVE_HORIZONTAL_MOMENT] = 500;
    t.state.summary.values[0][CV_MAX_REACTION] = 123.5;
    ASSERT_TRUE(write_eccentric_load_file(t.cd, t.state).ok());
    const auto lines = t.lines(kEccentricLoadFileName);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "26,12,10,0,0,0,QUAY, NORTH");
    EXPECT_EQ(lines[1], "1000.000000,0.000000");
    EXPECT_EQ(lines[2], "300.000000,0.000000");  // rounded down
    // e = |(Mr - Mo) / V - 6| with Mo 500: centred 0.5, eccentric 1.5.
    EXPECT_EQ(lines[5], mr == 6000 ? "0.500000,0.000000" : "1.500000,0.000000");
    EXPECT_EQ(lines[6], mr == 6000 ? "0.083000,0.000000" : "0.250000,0.000000");
    EXPECT_EQ(lines[8], "40.000000");
    EXPECT_EQ(lines[10], "95.000000");
    EXPECT_EQ(lines[11], "123.500000,0.000000");
  }
}

TEST(EccentricLoad, NoVerticalForceRemovesTheFile) {
  Internal t;
  ASSERT_TRUE(replace_file_bytes(kEccentricLoadFileName, "old"));
  ASSERT_TRUE(write_eccentric_load_file(t.cd, t.state).ok());
  EXPECT_FALSE(std::filesystem::exists(kEccentricLoadFileName));
  EXPECT_EQ(t.channel.lines.size(), 1u);
}

TEST(ResultChain, TailAndListing) {
  InternalResults r;
  r.toe_stress = {1.5, -2};
  r.pullout_fs[1][24] = 7;
  const std::string tail = encode_internal_results(r);
  ASSERT_EQ(tail.size(), 464u);
  double v = 0;
  std::memcpy(&v, tail.data() + 8, 8);
  EXPECT_EQ(v, -2);
  std::memcpy(&v, tail.data() + 48 + 8 * 49, 8);
  EXPECT_EQ(v, 7);
  std::memcpy(&v, tail.data() + 16, 8);
  EXPECT_EQ(v, INTERNAL_PRESET);
  engine::ForceSummarySlots n{}, s{};
  n[FS_EFFECTIVE_WEIGHT] = 1234.5;
  s[FS_DYNAMIC_WATER_RESULTANT] = -3;
  const auto lines = csv_force_listing_lines(n, s);
  ASSERT_EQ(lines.size(), 40u);
  EXPECT_EQ(cp932_to_utf8_lossy(lines[0]), "\"常時\"");
  EXPECT_EQ(cp932_to_utf8_lossy(lines[1]), "\"有効重量の合力\",1234.500,0.000,0.000");
  EXPECT_EQ(cp932_to_utf8_lossy(lines[3]), "\"主働土圧の鉛直成分合力\",0.000");
  EXPECT_EQ(cp932_to_utf8_lossy(lines[18]), "\"地震時\"");
  EXPECT_EQ(cp932_to_utf8_lossy(lines[24]), "\"動水圧の合力\",-3.000");
}

// Summary page of a wall body, seismic check off: normal values, marks and signs; the seismic
// value fields empty in the template's order, no seismic mark or sign.
TEST(Summary, WallTemplate) {
  Internal t;
  t.cd.improvement_pattern = PATTERN_LATTICE;  // no pull-out check
  CheckSummary s;
  s.values[0][CV_SLIDING_FS] = 1.5;
  s.limits[0][CL_REQUIRED_SLIDING_FS] = 1.2;
  s.values[0][CV_SHEAR_STRESS] = -12;
  s.limits[0][CL_ALLOWABLE_SHEAR_STRESS] = 100;
  s.failed[0][1] = 1;
  engine::PrintFile f;
  ASSERT_TRUE(f.open("DMMCALAS.PDT", {}));
  write_summary(t.cd, s, f);
  ASSERT_TRUE(f.close({}));
  std::vector<std::string> l;
  for (const std::string& x : t.lines("DMMCALAS.PDT")) l.push_back(cp932_to_utf8_lossy(x));
  ASSERT_GE(l.size(), 3u);
  EXPECT_EQ(l[0], "安定計算結果            ");
  EXPECT_EQ(l[2], "$1  CAL_ANS2.PFM");
  const std::vector<std::string> body(l.begin() + 3, l.end());
  // The overturning factor failed at 0 against 0: neither was computed, "－" in both places
  // and no sign. The passed zeros of bearing and toe pressure are equal: "≦". The shear of
  // -12 was judged by its magnitude.
  const std::vector<std::string> expected = {
      "00     1.500", "01   1.2", "03        －", "04    －", "06     0.000", "07     0.000",
      "09     0.000", "10      0", "12  |-12.000|", "13    100", "15     0.000", "16    100",
      // pull-out: not a check of the lattice body, left empty
      "19  ", "20  ", "18  ", "21  ",
      "02  ", "05  OUT", "08  ", "11  ", "14  ", "17  ",
      "50   ≧", "51  ", "52   ≦", "53   ≦", "54   ＜", "55   ＜",
      "23  ", "24  ", "26  ", "27  ", "29  ", "30  ", "32  ", "33  ", "35  ", "36  ", "38  ",
      "39  ", "42  ", "43  ", "41  ", "44  "};
  EXPECT_EQ(body, expected);
}

// Block and tangent-circle pages with the seismic check on: both cases' values, marks and
// signs; the circle page has the internal stress (flag 7, "＞" when failed) in place of the
// toe pressure.
TEST(Summary, BlockAndCircleTemplates) {
  struct Row {
    int pattern;
    const char* page;
    std::vector<std::string> expected_tail;
  };
  const Row rows[] = {
      // The seismic shear failed at 0: not computed, "－" and no sign. Passed zeros against
      // zeros are equal: "≧" for the overturning factor, "≦" for the stresses.
      {PATTERN_BLOCK, "$1  CAL_ANS1.PFM",
       {"23     1.100", "24   1.0", "26     0.000", "27   0.0", "29     0.000", "30     0.000",
        "32     0.000", "33      0", "35        －", "36    450", "25  ", "28  ", "31  ", "34  ",
        "37  OUT", "45   ≧", "46   ≧", "47   ≦", "48   ≦", "49  "}},
      {PATTERN_TANGENT_CIRCLES, "$1  CAL_ANS3.PFM",
       {"23     1.100", "24   1.0", "26     0.000", "27   0.0", "29     0.000", "30     0.000",
        "32   600.500", "33    500", "25  ", "28  ", "31  ", "34  OUT", "45   ≧", "46   ≧",
        "47   ≦", "48   ＞"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.pattern);
    Internal t;
    t.cd.improvement_pattern = row.pattern;
    t.cd.seismic_check = 2;
    CheckSummary s;
    s.values[1][CV_SLIDING_FS] = 1.1;
    s.limits[1][CL_REQUIRED_SLIDING_FS] = 1.0;
    s.limits[1][CL_ALLOWABLE_SHEAR_STRESS] = 450;
    s.failed[1][4] = 1;
    s.values[1][CV_INTERNAL_STRESS] = 600.5;
    s.limits[1][CL_INTERNAL_STRESS_LIMIT] = 500;
    s.failed[1][7] = 1;
    engine::PrintFile f;
    ASSERT_TRUE(f.open("DMMCALAS.PDT", {}));
    write_summary(t.cd, s, f);
    ASSERT_TRUE(f.close({}));
    std::vector<std::string> l;
    for (const std::string& x : t.lines("DMMCALAS.PDT")) l.push_back(cp932_to_utf8_lossy(x));
    ASSERT_GE(l.size(), 3 + row.expected_tail.size());
    EXPECT_EQ(l[2], row.page);
    const std::vector<std::string> tail(l.end() - static_cast<std::ptrdiff_t>(row.expected_tail.size()),
                                        l.end());
    EXPECT_EQ(tail, row.expected_tail);
  }
}

// The three rows of the page that used to read false: a negative shear failed by its size, a
// bearing reaction equal to its allowable value, an overturning factor that could not be
// computed; and a required factor of 1.05 that "%4.1lf" would print as 1.1 (block body, seismic
// check off).
TEST(Summary, RowsReadTrue) {
  Internal t;
  t.cd.improvement_pattern = PATTERN_BLOCK;
  CheckSummary s;
  s.values[0][CV_SLIDING_FS] = 1.08;
  s.limits[0][CL_REQUIRED_SLIDING_FS] = 1.05;
  s.limits[0][CL_REQUIRED_OVERTURNING_FS] = 1.2;
  s.failed[0][1] = 1;
  s.values[0][CV_MAX_REACTION] = 76.976;
  s.limits[0][CL_ALLOWABLE_BEARING] = 76.976;
  s.values[0][CV_TOE_STRESS] = 300;
  s.limits[0][CL_ALLOWABLE_COMPRESSIVE_STRESS] = 500;
  s.values[0][CV_SHEAR_STRESS] = -11.412;
  s.limits[0][CL_ALLOWABLE_SHEAR_STRESS] = 10;
  s.failed[0][4] = 1;
  engine::PrintFile f;
  ASSERT_TRUE(f.open("DMMCALAS.PDT", {}));
  write_summary(t.cd, s, f);
  ASSERT_TRUE(f.close({}));
  std::vector<std::string> l;
  for (const std::string& x : t.lines("DMMCALAS.PDT")) l.push_back(cp932_to_utf8_lossy(x));
  ASSERT_GE(l.size(), 3u);
  const std::vector<std::string> body(l.begin() + 3, l.end());
  const std::vector<std::string> expected = {
      "00     1.080", "01  1.05", "03        －", "04   1.2", "06    76.976", "07    76.976",
      "09   300.000", "10    500", "12  |-11.412|", "13     10",
      "02  ", "05  OUT", "08  ", "11  ", "14  OUT",
      "40   ≧", "41  ", "42   ≦", "43   ＜", "44   ≧",
      "23  ", "24  ", "26  ", "27  ", "29  ", "30  ", "32  ", "33  ", "35  ", "36  "};
  EXPECT_EQ(body, expected);
}

// A pull-out factor that could not be computed (wall body): "－" for the factor and for its
// levels, the required factor kept, no sign; a computed one keeps its levels (seismic case).
TEST(Summary, APulloutFactorNotComputedHasNoLevels) {
  Internal t;
  t.cd.improvement_pattern = PATTERN_WALL;
  t.cd.seismic_check = 2;
  CheckSummary s;
  set_check_summary_line(s, 0, 6, {0, 0, 0, 1.2, 1});
  set_check_summary_line(s, 1, 6, {1.08, -8, -11, 1.0, 0});
  engine::PrintFile f;
  ASSERT_TRUE(f.open("DMMCALAS.PDT", {}));
  write_summary(t.cd, s, f);
  ASSERT_TRUE(f.close({}));
  std::vector<std::string> fields;
  for (const std::string& x : t.lines("DMMCALAS.PDT")) {
    const std::string l = cp932_to_utf8_lossy(x);
    for (const char* n : {"18", "19", "20", "21", "22", "56", "41", "42", "43", "44", "45", "63"})
      if (l.rfind(std::string(n) + "  ", 0) == 0) fields.push_back(l);
  }
  const std::vector<std::string> expected = {
      "19        －", "20        －", "18        －", "21   1.2", "22  OUT", "56  ",
      "42    -8.000", "43   -11.000", "41     1.080", "44   1.0", "45  ", "63   ≧"};
  EXPECT_EQ(fields, expected);
}

// The shared guard: a value that is no number, or a limit of 0 under a passing flag, fails.
TEST(SummaryGuard, NonFiniteAndZeroLimitsFail) {
  engine::testing::CaptureChannel channel;
  engine::ScopedMessageChannel scope{channel};
  CheckSummary s;
  s.values[0][CV_SLIDING_FS] = std::nan("");
  s.limits[0][CL_REQUIRED_SLIDING_FS] = 1.2;
  s.values[0][CV_OVERTURNING_FS] = 2;  // limit 0: passes nothing
  s.limits[0][CL_ALLOWABLE_BEARING] = 300;
  s.values[1][CV_SLIDING_FS] = std::nan("");  // seismic case not checked: left alone
  const int lines[] = {0, 1, 2};
  EXPECT_EQ(engine::guard_check_summary(s, 1, lines), 2);
  EXPECT_EQ(s.values[0][CV_SLIDING_FS], 0);
  EXPECT_EQ(s.failed[0][0], 1);
  EXPECT_EQ(s.failed[0][1], 1);
  EXPECT_EQ(s.failed[0][2], 0);
  EXPECT_EQ(channel.lines.size(), 2u);
}

// The guard on every line kind: a pass whose numbers, as written, do not satisfy the check is
// written failed with a message; a pass at equality, and a shear passed by its magnitude, stay.
TEST(SummaryGuard, APassContradictingItsNumbersIsWrittenFailed) {
  struct Case {
    int k;
    double value, limit;
    bool stays_passed;
  } cases[] = {
      {0, -1, 1.2, false},       {0, 1.2, 1.2, true},        {1, 0, 1.2, false},
      {2, 76.9761, 76.976, false}, {2, 76.976, 76.976, true}, {3, 500.5, 500, false},
      {4, -11.412, 10, false},   {4, -9.5, 10, true},        {5, 10.0000004, 10, true},
      {6, 1.1, 1.2, false},      {7, 120.5, 120, false},     {7, 120, 120, true},
      // A reaction or internal stress below 0 is failed; a toe pressure below 0 (reaction less
      // confinement) stays.
      {2, -1, 300, false},       {7, -0.5, 120, false},      {3, -0.25, 500, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.k);
    engine::testing::CaptureChannel channel;
    engine::ScopedMessageChannel scope{channel};
    CheckSummary s;
    set_check_summary_line(s, 0, c.k, {c.value, 0, 0, c.limit, 0});
    const int lines[] = {c.k};
    EXPECT_EQ(engine::guard_check_summary(s, 1, lines), c.stays_passed ? 0 : 1);
    EXPECT_EQ(s.failed[0][static_cast<std::size_t>(c.k)], c.stays_passed ? 0 : 1);
    EXPECT_EQ(channel.lines.size(), c.stays_passed ? 0u : 1u);
  }
}

// A limit no check can have is never written (the readers would refuse the file): a bearing
// capacity the formula gave below 0 on a line failed already becomes 0 without a message; one
// above 100,000 kN/m2, or a required factor below the 0.000001 six decimals carry, fails its
// line with a message and becomes 0.
TEST(SummaryGuard, ALimitNoCheckCanHaveIsWrittenAsZero) {
  struct Case {
    int k;
    double value, limit;
    int failed;
    int failed_by_guard;
  } cases[] = {
      {2, 286.441, -12.5, 1, 0},
      {2, 286.441, 200000, 0, 1},
      {2, 286.441, 200000, 1, 1},
      {0, 4.782, 0.0000001, 0, 1},
      {2, 286.441, 8525, 0, 0},  // a sound line is left as it is
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.k) + " " + std::to_string(c.limit));
    engine::testing::CaptureChannel channel;
    engine::ScopedMessageChannel scope{channel};
    CheckSummary s;
    set_check_summary_line(s, 0, c.k, {c.value, 0, 0, c.limit, c.failed});
    const int lines[] = {c.k};
    EXPECT_EQ(engine::guard_check_summary(s, 1, lines), c.failed_by_guard);
    const CheckLine after = check_summary_line(s, 0, c.k);
    const bool sound = c.limit == 8525;
    EXPECT_EQ(after.limit, sound ? c.limit : 0);
    EXPECT_EQ(after.failed, sound ? 0 : 1);
    EXPECT_EQ(channel.lines.size(), static_cast<std::size_t>(c.failed_by_guard));
    EXPECT_TRUE(parse_check_summary(format_check_summary(s).value()));
  }
}

}  // namespace
}  // namespace qvt::jorpela
