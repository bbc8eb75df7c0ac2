// The toe pressure, shear and short-wall checks on hand-made bodies, each number worked by hand
// in the comments.
#include "engines/common/pressure_files.h"
#include "engines/jorpela/tests/internal_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace qvt::jorpela {
namespace {

using testing::Internal;

// Sea side of the fixture: seabed -5; layers -5..-10 and -10..-15 both below the L.W.L. 0 (their
// middles -7.5 and -12.5), so submerged: Σγh = 10 x 5 + 9 x 5 = 95; p0 = 95 x 0.5 = 47.5.
TEST(ToePressure, OverburdenAndItsFormula) {
  Internal t;
  const ToeOverburden o = toe_overburden(t.cd, t.state.chain);
  EXPECT_DOUBLE_EQ(o.sum, 95.0);
  EXPECT_DOUBLE_EQ(o.p0, 47.5);
  EXPECT_EQ(cp932_to_utf8_lossy(o.text[0]), "10.000x 5.000+ 9.000x 5.000 ＝   95.000kN/㎡");
  EXPECT_EQ(o.text[1], "");
  // A layer whose middle lies above the L.W.L. takes its unit weight in air: L.W.L. -8 puts
  // the middle -7.5 above it: 18 x 5 + 9 x 5 = 135.
  t.cd.water_levels[1] = -8;
  EXPECT_DOUBLE_EQ(toe_overburden(t.cd, t.state.chain).sum, 135.0);
}

// q1 = 200 in both cases. Rule 0: 200 - 47.5 = 152.5; rule 1: 200; rule 2: 200 - p with p the
// passive pressure at the bottom of the lowest sea layer in DAT_PRN1.DAT (record 3 - 2 = 1):
// 200 - 120.25 = 79.75. Allowable 180: rule 1 fails (200 > 180), the others pass.
TEST(ToePressure, TheThreeRules) {
  struct Row {
    int rule;
    double toe;
    int failed;
    const char* page;
  };
  for (const Row& row : {Row{0, 152.5, 0, "$1  JJ_TAN02.PFM"}, Row{1, 200.0, 1, "$1  JJ_TAN01.PFM"},
                         Row{2, 79.75, 0, "$1  JJ_TAN03.PFM"}}) {
    SCOPED_TRACE(row.rule);
    Internal t;
    t.cd.custom_options.toe_confinement_rule = row.rule;
    t.cd.allowable_stresses[0][0] = 180;
    engine::PressureWorkFile prn{};
    prn.header.sea_boundary_count = 3;
    prn.passive[1].passive_bottom = 120.25;
    const std::string bytes = engine::encode_pressure_work_file(prn);
    // The value sits where the layout puts it: record 1 of the passive results, byte 40.
    double at_offset = 0;
    std::memcpy(&at_offset, bytes.data() + 49836 + 112 + 40, 8);
    EXPECT_EQ(at_offset, 120.25);
    ASSERT_TRUE(replace_file_bytes("DAT_PRN1.DAT", bytes));
    check_toe_pressure(t.cd, t.state);
    EXPECT_DOUBLE_EQ(t.state.results.toe_stress[0], row.toe);
    EXPECT_DOUBLE_EQ(t.state.results.toe_stress[1], row.toe);  // computed for both cases
    EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_TOE_STRESS], row.toe);
    EXPECT_EQ(t.state.summary.failed[0][3], row.failed);
    EXPECT_EQ(t.state.summary.limits[0][CL_ALLOWABLE_COMPRESSIVE_STRESS], 180);
    EXPECT_EQ(t.lines("DM007TAN.PDT").at(2), row.page);
    EXPECT_EQ(t.field("DM007TAN.PDT", 3), row.failed ? "ＯＵＴ" : "Ｏ.Ｋ.");
    EXPECT_FALSE(std::filesystem::exists("DM107TAN.PDT"));  // seismic check off
  }
}

TEST(ToePressure, EqualToTheAllowablePassesAndAMissingReactionFails) {
  Internal t;
  t.cd.custom_options.toe_confinement_rule = 1;
  t.cd.allowable_stresses[0][0] = 200;
  t.cd.seismic_check = 2;
  t.state.external.reaction[1] = {engine::EXTERNAL_RESULT_PRESET, engine::EXTERNAL_RESULT_PRESET};
  t.state.external.effective_width[1] = 0;
  check_toe_pressure(t.cd, t.state);
  EXPECT_EQ(t.state.summary.failed[0][3], 0);
  EXPECT_EQ(t.field("DM007TAN.PDT", 1), "＜ ");
  // The external engine could not give the seismic reaction: no check on -9999.99.
  EXPECT_EQ(t.state.summary.failed[1][3], 1);
  EXPECT_EQ(t.state.summary.values[1][CV_TOE_STRESS], 0);
  EXPECT_FALSE(std::filesystem::exists("DM107TAN.PDT"));
  EXPECT_EQ(t.channel.lines.size(), 1u);
}

// Whether the reaction is known is the external engine's word (a contact width and both edges
// written), not the sign of the heel: on the kern's edge the heel can come a rounding below 0
// (-0.008 here, q1 200 over Be 12). The toe pressure (rule 1: q1 200 against 260) and the shear
// are computed: B_L 1.268, qB = (12 - 1.268) x (200 + 0.008) / 12 - 0.008 = 178.8658 -> 178.866,
// R = (200 + 178.866) x 0.5 x 1.268 = 240.2010 -> 240.201, τ = (240.201 - 126.8) / 10 =
// 11.3401 -> 11.340 (with the heel 0: qB 178.867, R 240.202, τ 11.340 alike). The seismic case
// the external engine did not compute (width 0, its preset in both edges) still fails.
TEST(ToePressure, AReactionOnTheKernsEdgeIsKnown) {
  Internal t;
  t.check_point(3, -2);
  t.cd.seismic_check = 2;
  t.cd.custom_options.toe_confinement_rule = 1;
  t.state.external.reaction[0] = {200, -0.008};
  t.state.external.reaction[1] = {engine::EXTERNAL_RESULT_PRESET, engine::EXTERNAL_RESULT_PRESET};
  t.state.external.effective_width[1] = 0;
  EXPECT_TRUE(reaction_known(t.state, 0));
  EXPECT_FALSE(reaction_known(t.state, 1));
  check_toe_pressure(t.cd, t.state);
  check_shear_block(t.cd, t.state);
  EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_TOE_STRESS], 200);
  EXPECT_EQ(t.state.summary.failed[0][3], 0);
  EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_SHEAR_STRESS], 11.34);
  EXPECT_EQ(t.state.summary.failed[0][4], 0);
  EXPECT_EQ(t.state.summary.failed[1][3], 1);
  EXPECT_EQ(t.state.summary.failed[1][4], 1);
  // The two messages are the seismic case's alone.
  ASSERT_EQ(t.channel.lines.size(), 2u);
  for (const std::string& l : t.channel.lines) EXPECT_NE(l.find("地震時"), std::string::npos) << l;
}

TEST(ToePressure, RuleTwoWithoutTheFileStopsTheEngine) {
  Internal t;
  t.cd.custom_options.toe_confinement_rule = 2;
  EXPECT_THROW(check_toe_pressure(t.cd, t.state), engine::EngineStop);
}

// Level top -5, front x 0; check point (3, -2), spread angle 0: a = 3, b = 3,
// B_L = 3 - tan 30° x 3 = 1.2679 -> 1.268; L = -5 - (-15) = 10.
// W = 1.268 x 10 x 10 = 126.8 (the body's rectangle cut at the plane).
// qB = (12 - 1.268) x (200 - 100) / 12 + 100 = 189.4333 -> 189.433;
// R = (200 + 189.433) x 0.5 x 1.268 = 246.9005 -> 246.901; τ = (246.901 - 126.8) / 10 = 12.010.
TEST(ShearBlock, LevelTop) {
  Internal t;
  t.check_point(3, -2);
  check_shear_block(t.cd, t.state);
  EXPECT_DOUBLE_EQ(t.state.results.shear_stress[0], 12.01);
  EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_SHEAR_STRESS], 12.01);
  EXPECT_EQ(t.state.summary.failed[0][4], 0);
  const std::string r = "DM008SEN.PDT";
  const std::string res = "$0  JJ_SEN02";
  EXPECT_EQ(t.field(r, 0, res), " 3.000");
  EXPECT_EQ(t.field(r, 1, res), " 3.000");
  EXPECT_EQ(t.field(r, 2, res), "30.000");
  EXPECT_EQ(t.field(r, 3, res), "   1.268");
  EXPECT_EQ(t.field(r, 10, res), " 189.433");
  EXPECT_EQ(t.field(r, 14, res), " 246.901");
  EXPECT_EQ(t.field(r, 15, res), " 126.800");
  EXPECT_EQ(t.field(r, 16, res), "10.000");
  EXPECT_EQ(t.field(r, 21, res), "  12.010");
  EXPECT_EQ(t.field(r, 24, res), "Ｏ.Ｋ.");
  const auto lines = t.lines(r);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "$0  JJ_SEN02.PFM"), lines.end());
  // The weight row of the cut body: 1.268 x 10 x γ' 10.
  EXPECT_NE(std::find(lines.begin(), lines.end(), "06    126.800"), lines.end());
}

// Sloped top from (0, -5) to (12, -3) (an improved-soil polygon); check point (3, 0), angle 0.
// The spread line x = 3 - 0.5 s, y = -0.866 s meets y = -5 + x / 6 at (0.12531, -4.97912):
// B_L = 0.125, L = -4.97912 + 15 = 10.021; the page prints this case's intersection.
TEST(ShearBlock, SlopedTop) {
  Internal t;
  engine::WallBlock& b = t.soil_rectangle(0, 0, 0, 0, 0, 10, engine::BLOCK_SOIL_POLYGON);
  b.polygon.vertex_count = 4;
  const double xs[] = {0, 0, 12, 12}, ys[] = {-15, -5, -3, -15};
  for (int j = 0; j < 4; ++j) b.polygon.vertex_x[j] = xs[j], b.polygon.vertex_y[j] = ys[j];
  t.check_point(3, 0);
  ShearGeometry g;
  shear_angles(t.cd, g);
  ASSERT_TRUE(shear_plane_intersection(t.cd, g));
  EXPECT_DOUBLE_EQ(g.toe_part_width[0], 0.125);
  EXPECT_DOUBLE_EQ(g.plane_length[0], 10.021);
  check_shear_block(t.cd, t.state);
  EXPECT_EQ(t.field("DM008SEN.PDT", 0, "$0  JJ_SEN03"), " 0.125");
  EXPECT_EQ(t.field("DM008SEN.PDT", 1, "$0  JJ_SEN03"), "-4.979");
  const auto lines = t.lines("DM008SEN.PDT");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "$0  JJ_SEN03.PFM"), lines.end());
  // The toe part 0 .. 0.125: a rectangle 0.125 x 10 and a triangle 0.125 x 0.021 (height of the
  // slope over the strip, 0.0208), γ' 10: 12.5 + 0.013 = 12.513.
  EXPECT_EQ(t.field("DM008SEN.PDT", 15, "$0  JJ_SEN03"), "  12.513");
}

TEST(ShearBlock, NoPlaneInsideTheBodyFailsWithTheMessage) {
  struct Row {
    double x, y;
  };
  // Behind the back face (B_L >= 12), at the front (B_L = 0), in front of the body.
  for (const Row& row : {Row{20, -4}, Row{std::tan(3.141592653589793 / 6), -4}, Row{-3, -4}}) {
    SCOPED_TRACE(row.x);
    Internal t;
    t.check_point(row.x, row.y);
    check_shear_block(t.cd, t.state);
    EXPECT_EQ(t.state.summary.failed[0][4], 1);
    EXPECT_EQ(t.state.results.shear_stress[0], INTERNAL_PRESET);
    EXPECT_FALSE(std::filesystem::exists("DM008SEN.PDT"));
    ASSERT_EQ(t.channel.lines.size(), 1u);
    EXPECT_NE(t.channel.lines[0].find("改良体内にせん断面がありません。"), std::string::npos);
    EXPECT_NE(t.channel.lines[0].find("せん断応力度"), std::string::npos);
  }
}

// A spread line parallel to a sloped top has no intersection: no shear plane.
TEST(ShearBlock, ParallelSpreadLineOnASlopedTopHasNoPlane) {
  Internal t;
  engine::WallBlock& b = t.soil_rectangle(0, 0, 0, 0, 0, 10, engine::BLOCK_SOIL_POLYGON);
  b.polygon.vertex_count = 4;
  // Top rising at 60° from the horizontal, the direction of a spread line at 30° from vertical.
  const double rise = 2 * std::tan(3.141592653589793 / 3);
  const double xs[] = {0, 0, 2, 2}, ys[] = {-15, -5, -5 + rise, -15};
  for (int j = 0; j < 4; ++j) b.polygon.vertex_x[j] = xs[j], b.polygon.vertex_y[j] = ys[j];
  t.check_point(5, 0);
  ShearGeometry g;
  shear_angles(t.cd, g);
  ASSERT_TRUE(shear_plane_intersection(t.cd, g));
  EXPECT_FALSE(g.plane_found[0]);
}

// |τ| is held against the allowable value, the sign kept for the report.
TEST(ShearVerdict, MagnitudeAgainstTheAllowable) {
  struct Row {
    double tau, allowable;
    bool passes;
  };
  for (const Row& r : {Row{12, 100, true}, Row{100, 100, true}, Row{100.001, 100, false},
                       Row{-21.7, 20, false}, Row{-21.7, 30, true}, Row{-20, 20, true}})
    EXPECT_EQ(shear_passes(r.tau, r.allowable), r.passes) << r.tau << " " << r.allowable;
}

// Beyond the contact width there is no reaction. q1 150, q2 0 over Be 3, B_L 4:
// qB = 0 (not the extrapolated (3 - 4) x 150 / 3 = -50), R = (150 + 0) x 0.5 x 3 = 225.
// Within it: B_L 2 -> qB = (3 - 2) x 50 = 50, R = (150 + 50) x 0.5 x 2 = 200; with a wall
// ratio 0.6: 120.
TEST(ToeReaction, ReactionOverTheContactWidthOnly) {
  ToeReaction r = toe_reaction(150, 0, 3, 4, 1.0);
  EXPECT_DOUBLE_EQ(r.qb, 0);
  EXPECT_DOUBLE_EQ(r.r, 225);
  r = toe_reaction(150, 0, 3, 2, 1.0);
  EXPECT_DOUBLE_EQ(r.qb, 50);
  EXPECT_DOUBLE_EQ(r.r, 200);
  EXPECT_DOUBLE_EQ(toe_reaction(150, 0, 3, 2, 0.6).r, 120);
}

// A toe part heavier than the reaction beneath it: τ negative. W of the fixture's body cut at
// B_L 1.268 is 126.8; with q1 = q2 = 10 over Be 12, R = 10 x 1.268 = 12.68, and
// τ = (12.68 - 126.8) / 10 = -11.412: beyond an allowable 10 in magnitude it fails.
TEST(ShearBlock, NegativeStressBeyondTheAllowableFails) {
  Internal t;
  t.check_point(3, -2);
  t.state.external.reaction[0] = {10, 10};
  t.cd.allowable_stresses[1][0] = 10;
  check_shear_block(t.cd, t.state);
  EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_SHEAR_STRESS], -11.412);
  EXPECT_EQ(t.state.summary.failed[0][4], 1);
  EXPECT_EQ(t.field("DM008SEN.PDT", 21, "$0  JJ_SEN02"), " -11.412");
  EXPECT_EQ(t.field("DM008SEN.PDT", 24, "$0  JJ_SEN02"), "ＯＵＴ");
}

// Wall body: the fixture's rectangle with ll 3, ls 2 (rl 0.6, rs 0.4), bl1 = bl2 = 2, ds 4,
// dl 6. Check point (3, -2), angle 0, spread width 2, reaction 100.
// B_L = 1.268; L = 10 x 0.6 + (10 - 6) x 0.4 = 7.6. W = 126.8 x 0.6 = 76.08 (the short walls,
// x 2 .. 10, lie behind the plane). qB = 189.433; R = 389.433 x 0.5 x 1.268 x 0.6 = 148.1403
// -> 148.140; τ = (148.14 - 76.08) / 7.6 = 9.4816 -> 9.482.
// Short walls: spread width (tan 30° + tan 30°) x (-2 + 5) + 2 = 5.464, q = 2 / 5.464 x 100 =
// 36.603; P = 0 (no block on top); P0: short-wall bottom -5 - 4 = -9, (−5 − (−9)) x 10 = 40;
// τs = (36.603 + 0 + 40) x 2 / (2 x 4) = 19.15075 -> 19.151.
TEST(ShearWall, LongAndShortWalls) {
  Internal t;
  t.cd.improvement_pattern = PATTERN_WALL;
  auto& d = t.cd.body_dims;
  d.ll = 3, d.ls = 2, d.bl1 = 2, d.bl2 = 2, d.ds = 4, d.dl = 6;
  t.check_point(3, -2, 0, 2, 100);
  check_shear_wall(t.cd, t.state);
  EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_SHEAR_STRESS], 9.482);
  EXPECT_DOUBLE_EQ(t.state.results.short_wall_shear_stress[0], 19.151);
  EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_SHORT_WALL_SHEAR_STRESS], 19.151);
  EXPECT_EQ(t.state.summary.failed[0][4], 0);
  EXPECT_EQ(t.state.summary.failed[0][5], 0);
  const std::string r = "DM008SEN.PDT";
  EXPECT_EQ(t.field(r, 20, "$0  JJ_SEN12"), "   7.600");
  EXPECT_EQ(t.field(r, 22, "$0  JJ_SEN12"), " 148.140");
  EXPECT_EQ(t.field(r, 23, "$0  JJ_SEN12"), "  76.080");
  EXPECT_EQ(t.field(r, 29, "$0  JJ_SEN12"), " 0.600");
  EXPECT_EQ(t.field(r, 31, "$1  JJ_SEN13"), "10.000x 4.000 ＝   40.000kN/㎡");
  const auto lines = t.lines(r);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "05  x0.600"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "$1  JJ_SEN13.PFM    JJ_SEN13.PZK"), lines.end());
  // Lattice with B_L 1.268 <= bl1 2: the plane cuts the full-height front wall: L = 10 x 0.6 +
  // 10 x 0.4 = 10, reaction ratio 1.0.
  Internal l;
  l.cd.improvement_pattern = PATTERN_LATTICE;
  l.cd.body_dims = d;
  l.check_point(3, -2, 0, 2, 100);
  ShearGeometry g;
  spread_widths(l.cd, g);
  shear_plane_wall(l.cd, g);
  EXPECT_DOUBLE_EQ(g.plane_length[0], 10);
  EXPECT_DOUBLE_EQ(lattice_reaction_ratio(l.cd, 1.268), 1.0);
  // Beyond the front wall: 3 / 5 + (2 / 4) x (2 / 5) = 0.8.
  EXPECT_DOUBLE_EQ(lattice_reaction_ratio(l.cd, 4), 0.8);
}

// A lattice body (ll 3, ls 2, bl1 = bl2 = 2, ds 4, dl 6) whose ground reaction the external
// engine refused as negative (q1, q2 left at -9999.99, Be 0), with a concrete block 0 .. 6 m,
// -5 .. -3 (γ' 14) on the body. The long walls hold the reaction against the toe part: not
// computed, failed. The short walls need no reaction:
//   q  = 2 / 5.464 x 100 = 36.603 (spread width 2 x tan 30° x 3 + 2 = 5.464, as above);
//   P  = the block cut by the plane at B_L 1.268: its height 2 x 14 = 28;
//   P0 = the improved soil above the short-wall bottom -9: 4 x 10 = 40;
//   τs = (36.603 + 28 + 40) x 2 / (2 x 4) = 26.15075 -> 26.151 <= 100: passed.
TEST(ShearWall, ShortWallsAreCheckedWithoutTheGroundReaction) {
  Internal t;
  t.cd.improvement_pattern = PATTERN_LATTICE;
  auto& d = t.cd.body_dims;
  d.ll = 3, d.ls = 2, d.bl1 = 2, d.bl2 = 2, d.ds = 4, d.dl = 6;
  t.soil_rectangle(1, 0, -5, 6, 2, 14, engine::BLOCK_RECTANGLE).head.name.assign("CAP");
  t.check_point(3, -2, 0, 2, 100);
  t.state.external.reaction[0] = {engine::EXTERNAL_RESULT_PRESET, engine::EXTERNAL_RESULT_PRESET};
  t.state.external.effective_width[0] = 0;
  check_shear_wall(t.cd, t.state);
  EXPECT_EQ(t.state.summary.failed[0][4], 1);
  EXPECT_EQ(t.state.summary.values[0][CV_SHEAR_STRESS], 0);
  EXPECT_EQ(t.state.results.shear_stress[0], INTERNAL_PRESET);
  EXPECT_EQ(t.state.summary.failed[0][5], 0);
  EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_SHORT_WALL_SHEAR_STRESS], 26.151);
  EXPECT_DOUBLE_EQ(t.state.results.short_wall_shear_stress[0], 26.151);
  EXPECT_EQ(t.state.summary.limits[0][CL_ALLOWABLE_SHEAR_STRESS], 100);
  // The report holds the short-wall page alone.
  const std::string r = "DM008SEN.PDT";
  EXPECT_EQ(t.field(r, 10, "$1  JJ_SEN13"), "  28.000");
  EXPECT_EQ(t.field(r, 5, "$1  JJ_SEN13"), "  26.151");
  EXPECT_EQ(t.field(r, 6, "$1  JJ_SEN13"), "＜ ");
  EXPECT_EQ(t.field(r, 8, "$1  JJ_SEN13"), "Ｏ.Ｋ.");
  for (const std::string& l : t.lines(r)) {
    EXPECT_NE(l.rfind("$0  JJ_SEN12", 0), 0u);
    EXPECT_NE(l.rfind("$1  QVT_BW00", 0), 0u);
  }
  // One box, for the long walls, naming the missing reaction.
  ASSERT_EQ(t.channel.lines.size(), 1u);
  EXPECT_NE(t.channel.lines[0].find("長壁のせん断応力度の検討"), std::string::npos);
  EXPECT_NE(t.channel.lines[0].find("地盤反力が求められていない"), std::string::npos);
}

// Without a shear plane the system's text comes once per run, with the cases and the cause. The
// cause names the angle as the page shows it: the page's 分散角 is the stored angle plus 30°, and
// the spread line leans by exactly that from the vertical (the wall case below).
TEST(ShearPlane, OneBoxNamesTheCasesAndTheCause) {
  const std::string both =
      "改良体内にせん断面がありません。（常時、地震時）\n"
      "原因：上部工の検討点から、鉛直に対し分散角だけ海側へ傾けて下ろした荷重の分布線が、改良体の上面と"
      "改良体の範囲内で交わりません。上部工の検討点の位置 (または分散角) を見直してください。\n"
      "この検討は満足しない (OUT) ものとして扱います。";
  EXPECT_EQ(cp932_to_utf8_lossy(no_shear_plane_text({0, 1})).find("分布角"), std::string::npos);
  EXPECT_EQ(cp932_to_utf8_lossy(no_shear_plane_text({0, 1})), both);
  EXPECT_NE(cp932_to_utf8_lossy(no_shear_plane_text({1})).find("ありません。（地震時）\n原因："),
            std::string::npos);
  // Block pattern, check point behind the back face in both cases: one box for the two.
  {
    Internal t;
    t.cd.seismic_check = 2;
    t.check_point(20, -4);
    check_shear_block(t.cd, t.state);
    EXPECT_EQ(t.state.summary.failed[0][4], 1);
    EXPECT_EQ(t.state.summary.failed[1][4], 1);
    ASSERT_EQ(t.channel.lines.size(), 1u);
    // The message line writes each line break as the two characters \ and n.
    std::string line_text = both;
    for (std::size_t at; (at = line_text.find('\n')) != std::string::npos;)
      line_text.replace(at, 1, "\\n");
    EXPECT_EQ(t.channel.lines[0], "QVTMSG\terror\tせん断応力度\t" + line_text);
  }
  // Wall pattern, the seismic spread angle stored as 20°, which the page shows as 分散角 50°: the
  // line from the check point 3 m behind the front and 3 m above the top meets the top at
  // B_L = 3 - tan 50° x 3 = 3 - 1.19175 x 3 = -0.575, seaward of the front: no plane in that case
  // alone; the normal case (stored 0°, page 30°: B_L = 3 - 0.57735 x 3 = 1.268) is checked
  // (τ 9.482 as above).
  {
    Internal t;
    t.cd.seismic_check = 2;
    t.cd.improvement_pattern = PATTERN_WALL;
    auto& d = t.cd.body_dims;
    d.ll = 3, d.ls = 2, d.bl1 = 2, d.bl2 = 2, d.ds = 4, d.dl = 6;
    t.check_point(3, -2, 0, 2, 100);
    t.cd.body_reactions[1].spread_angle = 20;
    check_shear_wall(t.cd, t.state);
    EXPECT_DOUBLE_EQ(t.state.summary.values[0][CV_SHEAR_STRESS], 9.482);
    EXPECT_EQ(t.state.summary.failed[1][4], 1);
    EXPECT_EQ(t.state.summary.failed[1][5], 1);
    EXPECT_FALSE(std::filesystem::exists("DM108SEN.PDT"));
    ASSERT_EQ(t.channel.lines.size(), 1u);
    EXPECT_NE(t.channel.lines[0].find("せん断面がありません。（地震時）"), std::string::npos);
  }
}

TEST(ShearWall, ZeroSpreadWidthUnderALoadIsNotComputed) {
  Internal t;
  t.cd.improvement_pattern = PATTERN_WALL;
  auto& d = t.cd.body_dims;
  d.ll = 3, d.ls = 2, d.bl1 = 2, d.bl2 = 2, d.ds = 4, d.dl = 6;
  // Check point on the body top with no spread: the width at the top is 0, the load 100 lost.
  t.check_point(3, -5, 0, 0, 100);
  check_shear_wall(t.cd, t.state);
  EXPECT_EQ(t.state.summary.failed[0][4], 1);
  EXPECT_EQ(t.state.summary.failed[0][5], 1);
  EXPECT_FALSE(std::filesystem::exists("DM008SEN.PDT"));
}

}  // namespace
}  // namespace qvt::jorpela
