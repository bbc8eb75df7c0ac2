// Counterfort blocks with an inclined front wall (type 5, sub-type 3): the section's members, the
// buoyancy cut at the residual water level, the fill along the back face and under the chamfer.
#include "engines/zenobar/tests/counterfort_fixture.h"

#include <filesystem>

namespace qvt::zenobar {
namespace {

using testing::CounterfortParams;
using testing::sjis;

class InclinedCounterfortTest : public testing::CounterfortTest {};

// A leaning wall with tan θ = 0.75 (sin 0.6, cos 0.8): H 5, Ht 1, Ln 3, Tw 1, D 0.6, B 6, L 2,
// Tc 0.4, one counterfort, no haunch, no chamfer, at the origin; γ 24, γ' 14.
// Points: P2 (3, 5), P3 = P4 = P14 = (3.8, 4.4), P5 (6, 4.4), P11 (3.8 − 0.75·3.8, 0.6) =
// (0.95, 0.6), P13 (3 − 0.75·0.6, 5 − 0.75·0.8) = (2.55, 4.4).
CounterfortParams leaning() {
  CounterfortParams p;
  p.sub_type = 3;
  p.H = 5;
  p.D = 0.6;
  p.Hr = 1;    // Ht
  p.Tf = 0;    // Cy
  p.B = 6;
  p.Tw = 1;
  p.Bc = 3;    // Ln
  p.Lf = 0;    // Cx
  p.L = 2;
  p.Tc = 0.4;
  p.Hc = 0;
  p.gamma = 24;
  p.gamma_sub = 14;
  return p;
}

// A vertical wall (Ln 0) with a chamfer of 1 × 1 at the heel top and one fill layer: H 5, Ht 1,
// D 0.5, B 4, Tw 0.5, L 2, Tc 0.5, no haunch; γ 24, γ' 12; fill 裏込 4.5 thick, 20 below the
// R.W.L., 16 above, 8 submerged. Points: P3 = P14 = (0.5, 5), P5 (4, 5), P11 (0.5, 0.5),
// P15 (3, 5), P16 (4, 4).
CounterfortParams chamfered() {
  CounterfortParams p;
  p.sub_type = 3;
  p.H = 5;
  p.D = 0.5;
  p.Hr = 1;    // Ht
  p.Tf = 1;    // Cy
  p.B = 4;
  p.Tw = 0.5;
  p.Bc = 0;    // Ln
  p.Lf = 1;    // Cx
  p.L = 2;
  p.Tc = 0.5;
  p.Hc = 0;
  p.gamma = 24;
  p.gamma_sub = 12;
  p.fill = {{"裏込", 4.5, 20, 16, 8}};
  return p;
}

TEST_F(InclinedCounterfortTest, HandWorkedLeaningWallWeight) {
  // s1 = |P1P13| = hypot(2.55, 3.4) = 4.25, s2 = 0.75·1 = 0.75, hk = 4.4 − 0.6 = 3.8,
  // hf = 0.4, bt = 3.8 − 0.95 = 2.85, bk = 6 − 0.95 − 2.85 = 2.2, bw = 0.95, Tw/cos θ = 1.25.
  //   wall 1       1·2·4.25 = 8.5     W 204     x (0 + 3.8)/2 = 1.9          y (1 + 4.4)/2 = 2.7
  //   wall 2       1·2·0.75/2 = 0.75  W 18      x (3 + 2.55 + 3.8)/3 = 3.117 y (5 + 4.4 + 4.4)/3 = 4.6
  //   wall 3       0.95·2·0.4/2 = 0.38 W 9.12   x 0.95/3 = 0.317             y 0.6 + 0.4/3 = 0.733
  //   wall 4       1.25·2·0.4/2 = 0.5 W 12      x (1.25 + 0.95)/3 = 0.733    y 0.6 + 0.8/3 = 0.867
  //   slab         6·2·0.6 = 7.2      W 172.8   x 3                          y 0.3
  //   counterfort  2.2·0.4·3.8 = 3.344 W 80.256 x 3.8 + 1.1 = 4.9            y 0.6 + 1.9 = 2.5
  //   triangle 1   2.85·0.4·3.8/2 = 2.166 W 51.984  x 0.95 + 1.9 = 2.85     y 0.6 + 3.8/3 = 1.867
  //   haunches and triangle 2: 0 (Hc = 0); chamfer rows: count 0
  //   V 22.84, W 548.16
  //   Wx 387.6 + 56.106 + 2.891 + 8.796 + 518.4 + 393.254 + 148.154 = 1515.201
  //   Wy 550.8 + 82.8 + 6.685 + 10.404 + 51.84 + 200.64 + 97.054 = 1000.223
  //   x 1515.201/548.16 = 2.7642 -> 2.764; y 1000.223/548.16 = 1.8247 -> 1.825
  set_counterfort(1, leaning(), "傾斜壁");
  cd().water_levels[2] = -1;
  int result = -9;
  const auto report = report_of(
      [](engine::PrintFile& f) { return write_counterfort_block_tables(1, f, KIND_WEIGHT); },
      &result);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(report, (std::vector<std::string>{"$0  BKVV_01.PFM", "$0  BKVM_01.PFM"}));
  const BlockResult& r = run_data.block_results[1][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(r.volume, 22.84);
  EXPECT_DOUBLE_EQ(r.weight, 548.16);
  EXPECT_DOUBLE_EQ(r.moment_x, 1515.201);
  EXPECT_DOUBLE_EQ(r.moment_y, 1000.223);
  EXPECT_DOUBLE_EQ(r.centroid_x, 2.764);
  EXPECT_DOUBLE_EQ(r.centroid_y, 1.825);
  // 14 printed members (the two chamfer rows have count 0), the subtotal, heading and total.
  const auto vv = testing::parse_table(utf8_lines("BKVV_01.PFM"));
  EXPECT_EQ(vv.declared_rows, 19);
  ASSERT_EQ(vv.rows.size(), 19u);
  EXPECT_EQ(vv.rows[0].text, "《傾斜壁》重量の算定,@,@,@,@,@");
  EXPECT_EQ(vv.rows[2].text, ",,,(m$U3$Z),(kN/m$U3$Z),(kN)");
  EXPECT_EQ(vv.rows[3].text, " 前  壁  １      ,  1.000× 2.000× 4.250, 1 ,   8.500 ,24.000 ,   204.000 ");
  EXPECT_EQ(vv.rows[4].text,
            " 前  壁  ２      ,  1.000× 2.000× 0.750×1/2, 1 ,   0.750 ,24.000 ,    18.000 ");
  EXPECT_EQ(vv.rows[9].text,
            " 扶  壁  三角１  ,  2.850× 0.400× 3.800×1/2, 1 ,   2.166 ,24.000 ,    51.984 ");
  EXPECT_EQ(vv.rows[11].text.rfind(" ﾊﾝﾁ 前壁/扶壁１ ,", 0), 0u);
  EXPECT_EQ(vv.rows[18].text, "合 計,,,  22.840 ,,   548.160 ");
  const auto vm = testing::parse_table(utf8_lines("BKVM_01.PFM"));
  ASSERT_EQ(vm.rows.size(), 19u);
  EXPECT_EQ(vm.rows[4].text,
            " 前  壁  ２      ,    18.000 ,   3.117 ,   4.600 ,      56.106 ,      82.800 ");
  // The subtotal of the inclined wall's table carries the asterisks as the total does.
  EXPECT_EQ(vm.rows[17].text,
            "小 計,   548.160 ,*  2.764 ,*  1.825 ,    1515.201 ,    1000.223 ");
  EXPECT_EQ(vm.rows[18].text,
            "合 計,   548.160 ,*  2.764 ,*  1.825 ,    1515.201 ,    1000.223 ");
}

TEST_F(InclinedCounterfortTest, HandWorkedLeaningWallBuoyancyAcrossTheFace) {
  // r = 3, between Ht = 1 and the counterfort top 4.4. γ − γ' = 10.
  //   The wall's parallelogram up to the level: P17 = (0.75·2, 3) = (1.5, 3), s1 = 2.5; its far
  //   corners on the back face are (1.25, 1) and (0.95 + 0.75·2.4, 3) = (2.75, 3), so its
  //   centroid is ((0 + 2.75)/2, (1 + 3)/2) = (1.375, 2), not the uncut (1.9, 2.7).
  //   wall 1       1·2·2.5 = 5    U 50    (1.375, 2)
  //   wall 3, 4    0.38 U 3.8, 0.5 U 5 (whole, below Ht)
  //   slab         7.2 U 72      (3, 0.3)
  //   counterfort  the back face at r is 2.75: bk = 6 − 2.75 = 3.25, hk = 2.4:
  //                3.25·0.4·2.4 = 3.12 U 31.2 at (2.75 + 1.625, 0.6 + 1.2) = (4.375, 1.8)
  //   triangle 1   bt = 2.75 − 0.95 = 1.8: 1.8·0.4·2.4/2 = 0.864 U 8.64 at (0.95 + 1.2, 0.6 + 0.8)
  //   wall 2 and the counterforts' top triangle are above the level.
  //   V 17.064, U 170.64
  //   Ux 68.75 + 1.205 + 3.665 + 216 + 136.5 + 18.576 = 444.696 -> x 2.60605 -> 2.606
  //   Uy 100 + 2.785 + 4.335 + 21.6 + 56.16 + 12.096 = 196.976 -> y 1.15434 -> 1.154
  set_counterfort(1, leaning(), "傾斜壁");
  cd().water_levels[2] = 3;
  report_of([](engine::PrintFile& f) { return write_counterfort_block_tables(1, f, KIND_BUOYANCY); });
  const BlockResult& r = run_data.block_results[1][KIND_BUOYANCY];
  EXPECT_DOUBLE_EQ(r.volume, 17.064);
  EXPECT_DOUBLE_EQ(r.weight, 170.64);
  EXPECT_DOUBLE_EQ(r.moment_x, 444.696);
  EXPECT_DOUBLE_EQ(r.moment_y, 196.976);
  EXPECT_DOUBLE_EQ(r.centroid_x, 2.606);
  EXPECT_DOUBLE_EQ(r.centroid_y, 1.154);
  const auto vm = testing::parse_table(utf8_lines("FKVM_01.PFM"));
  ASSERT_GE(vm.rows.size(), 4u);
  EXPECT_EQ(vm.rows[3].text,
            " 前  壁  １      ,    50.000 ,   1.375 ,   2.000 ,      68.750 ,     100.000 ");
  const auto vv = testing::parse_table(utf8_lines("FKVV_01.PFM"));
  EXPECT_EQ(vv.rows[1].text, "名 称, 形状寸法,数,V, γ－γ',W");
}

TEST_F(InclinedCounterfortTest, HandWorkedChamferAndFillWeight) {
  // θ = 0, R.W.L. below the block: the fill weighs 16 throughout.
  // Concrete (γ 24): s1 = 4, hf = 0.5, hk = 4.5, hh = 3.5, bt = 0, bk = 3.5, cx = cy = 1.
  //   wall 1    0.5·2·4 = 4       W 96   (0.25, 3)
  //   wall 3    0.5·2·0.5/2 = 0.25 W 6   (0.167, 0.667);  wall 4 the same, W 6 at (0.333, 0.833)
  //   slab      4·2·0.5 = 4       W 96   (2, 0.25)
  //   block     (3.5 − 1)·0.5·4.5 = 5.625 W 135  (0.5 + 1.25, 0.5 + 2.25) = (1.75, 2.75)
  //   chamfer   1·0.5·1/2 = 0.25  W 6    (4 − 2/3, 0.5 + 3.5 + 1/3) = (3.333, 4.333)
  //   heel      1·0.5·3.5 = 1.75  W 42   (3.5, 2.25)
  //   V 16.125, W 387; Wx 24 + 1.002 + 1.998 + 192 + 236.25 + 19.998 + 147 = 622.248;
  //   Wy 288 + 4.002 + 4.998 + 24 + 371.25 + 25.998 + 94.5 = 812.748
  // Fill 5..0.5, the last layer (Ft = P14, Et = P15, Fb = P11, Eb = P7), h 4.5, γ 16:
  //   behind the face 3.5·2·4.5 = 31.5 W 504 (2.25, 2.75); beside it 0 (vertical face)
  //   counterfort block −2.5·0.5·4.5 = −5.625 W −90 (1.75, 2.75)
  //   chamfer triangle (straddles Y16 = 4) −1·0.5·1/2 = −0.25 W −4 (3.333, 4.333)
  //   below the chamfer −1·0.5·3.5 = −1.75 W −28 (3.5, 2.25)
  //   V 23.875, W 382; Wx 1134 − 157.5 − 13.332 − 98 = 865.168;
  //   Wy 1386 − 247.5 − 17.332 − 63 = 1058.168
  // Whole: V 40 (the box 4·5·2), W 769, Wx 1487.416, Wy 1870.916,
  //   x 1487.416/769 = 1.93422 -> 1.934, y 1870.916/769 = 2.43292 -> 2.433.
  set_counterfort(0, chamfered(), "直立壁");
  cd().water_levels[2] = -1;
  report_of([](engine::PrintFile& f) { return write_counterfort_block_tables(0, f, KIND_WEIGHT); });
  const BlockResult& r = run_data.block_results[0][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(r.volume, 40.0);
  EXPECT_DOUBLE_EQ(r.weight, 769.0);
  EXPECT_DOUBLE_EQ(r.moment_x, 1487.416);
  EXPECT_DOUBLE_EQ(r.moment_y, 1870.916);
  EXPECT_DOUBLE_EQ(r.centroid_x, 1.934);
  EXPECT_DOUBLE_EQ(r.centroid_y, 2.433);
  const auto vv = testing::parse_table(utf8_lines("BKVV_00.PFM"));
  // Members: walls 1 to 4, slab, block, triangles 1 to 3, heel, six haunches (16) + subtotal;
  // fill: beside, behind, triangle, block, chamfer triangle, below, wall haunch, four slab
  // haunches (11) + subtotal; 4 more.
  EXPECT_EQ(vv.declared_rows, 16 + 1 + 11 + 1 + 4);
  ASSERT_EQ(vv.rows.size(), 33u);
  EXPECT_EQ(vv.rows[21].text,
            " 裏込            ,  3.500× 2.000× 4.500, 1 ,  31.500 ,16.000 ,   504.000 ");
  EXPECT_EQ(vv.rows[24].text,
            "      扶壁  三角1,  1.000× 0.500× 1.000×1/2, 1 ,  -0.250 ,16.000 ,    -4.000 ");
  EXPECT_EQ(vv.rows[25].text,
            "      扶壁  四角1,  1.000× 0.500× 3.500, 1 ,  -1.750 ,16.000 ,   -28.000 ");
  EXPECT_EQ(vv.rows[27].text.rfind("    ﾊﾝﾁ扶壁/底版1,", 0), 0u);
  EXPECT_EQ(vv.rows[31].text, "小 計,,,  23.875 ,,   382.000 ");
}

TEST_F(InclinedCounterfortTest, HandWorkedBuoyancyAcrossTheChamfer) {
  // r = 4.6 crosses the chamfer (4 < 4.6 < 5), γ − γ' = 12 and the fill's 20 − 8 = 12:
  // every row weighs 12, so the result is the box below the level, 4 × 4.6 × 2 = 36.8 m3,
  // U = 441.6 with its centroid at (2, 2.3). By rows:
  //   wall 1 cut at the level: s1 = 3.6, 3.6 m3 at (0.25, 2.8); walls 3, 4 0.25 each; slab 4;
  //   counterfort block up to x = 3.4 (the chamfer at the level): (3.5 − 0.6)·0.5·4.1 = 5.945
  //   at (1.95, 2.55); chamfer part below the level 0.6·0.5·0.6/2 = 0.09 at (3.6, 4.2);
  //   heel strip 0.6·0.5·3.5 = 1.05 at (3.7, 2.25). Concrete 15.185 m3, U 182.22.
  //   Fill below the level 4.6..0.5: 3.5·2·4.1 = 28.7 less 5.945, 0.09 and 1.05 = 21.615.
  set_counterfort(0, chamfered(), "直立壁");
  cd().water_levels[2] = 4.6;
  report_of([](engine::PrintFile& f) { return write_counterfort_block_tables(0, f, KIND_BUOYANCY); });
  const BlockResult& r = run_data.block_results[0][KIND_BUOYANCY];
  EXPECT_DOUBLE_EQ(r.volume, 36.8);
  EXPECT_DOUBLE_EQ(r.weight, 441.6);
  EXPECT_DOUBLE_EQ(r.moment_x, 883.2);
  EXPECT_DOUBLE_EQ(r.moment_y, 1015.68);
  EXPECT_DOUBLE_EQ(r.centroid_x, 2.0);
  EXPECT_DOUBLE_EQ(r.centroid_y, 2.3);
  const auto vv = testing::parse_table(utf8_lines("FKVV_00.PFM"));
  bool chamfer_row = false;
  int fill_rows = 0;  // only the part of the fill below the level gets rows
  for (const auto& row : vv.rows) {
    if (row.text.rfind(" 扶  壁  三角３  ,", 0) == 0) {
      chamfer_row = true;
      EXPECT_EQ(row.text, " 扶  壁  三角３  ,  0.600× 0.500× 0.600×1/2, 1 ,   0.090 ,12.000 ,     1.080 ");
    }
    if (row.text.rfind(" 裏込 ", 0) == 0) ++fill_rows;
  }
  EXPECT_TRUE(chamfer_row);
  EXPECT_EQ(fill_rows, 2);
}

TEST_F(InclinedCounterfortTest, LevelBelowTheFootOfTheIncline) {
  // Leaning wall, r = 0.8 between the slab top 0.6 and Ht = 1: the wall's parallelogram is dry,
  // its lower zone is cut at the level: triangles 0.95·2·0.2/2 = 0.19 and (back face at r,
  // 0.95 + 0.75·0.2 = 1.1)·2·0.2/2 = 0.22; together the trapezoid (0.95 + 1.1)/2·0.2·2 = 0.41.
  // The counterfort is cut at the level too: hk 0.2, bt 0.15, bk 6 − 1.1 = 4.9.
  const auto& blk = set_counterfort(0, leaning());
  auto rows = inclined_counterfort_rows(blk, KIND_BUOYANCY, 0.8);
  EXPECT_EQ(rows[0].count, 0);
  EXPECT_EQ(rows[1].count, 0);
  EXPECT_EQ(rows[7].count, 0);
  EXPECT_EQ(rows[11].count, 0);
  EXPECT_DOUBLE_EQ(rows[3].d1, 1.1);
  EXPECT_DOUBLE_EQ(rows[2].d3, 0.2);
  EXPECT_DOUBLE_EQ(rows[5].d1, 4.9);
  EXPECT_DOUBLE_EQ(rows[5].d3, 0.2);
  EXPECT_NEAR(rows[5].x, 1.1 + 2.45, 1e-9);
  EXPECT_DOUBLE_EQ(rows[6].d1, 0.15);
  (void)work_member_rows(rows, 0, 0);
  EXPECT_DOUBLE_EQ(rows[2].volume + rows[3].volume, 0.41);
  EXPECT_DOUBLE_EQ(rows[3].x, 0.683);  // (0 + 1.1 + 0.95)/3
  EXPECT_DOUBLE_EQ(rows[3].y, 0.733);  // (0.8 + 0.8 + 0.6)/3
}

TEST_F(InclinedCounterfortTest, LevelInsideTheSlab) {
  // Only the slab, with the height r; no fill sublayer lies below the level.
  CounterfortParams p = chamfered();
  set_counterfort(3, p, "直立壁");
  cd().water_levels[2] = 0.3;
  report_of([](engine::PrintFile& f) { return write_counterfort_block_tables(3, f, KIND_BUOYANCY); });
  const auto vv = testing::parse_table(utf8_lines("FKVV_03.PFM"));
  ASSERT_EQ(vv.rows.size(), 6u);
  EXPECT_EQ(vv.declared_rows, 6);
  EXPECT_EQ(vv.rows[3].text, " 底  版          ,  4.000× 2.000× 0.300, 1 ,   2.400 ,12.000 ,    28.800 ");
  EXPECT_EQ(vv.rows[4].text, "小 計,,,   2.400 ,,    28.800 ");
  EXPECT_DOUBLE_EQ(run_data.block_results[3][KIND_BUOYANCY].centroid_y, 0.15);
}

TEST_F(InclinedCounterfortTest, RefusedInputs) {
  struct Case {
    const char* what;
    double H, Ht, Ln, Hc;
    int kind;
    double level;
    const char* message;
  };
  const Case cases[] = {
      {"no inclined part", 5, 5, 0.5, 0.3, KIND_WEIGHT, -1, "前壁の傾斜部の高さ H - Ht が正ではありません"},
      {"leaning forward", 5, 1, -0.5, 0.3, KIND_WEIGHT, -1, "前壁の傾斜量 Ln が負です"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CounterfortParams p = leaning();
    p.H = c.H;
    p.Hr = c.Ht;
    p.Bc = c.Ln;
    p.Hc = c.Hc;
    const auto& blk = set_counterfort(0, p, "傾斜壁");
    const std::string text =
        stop_text([&] { (void)inclined_counterfort_rows(blk, c.kind, c.level); });
    EXPECT_EQ(text.rfind("扶壁式ブロック《傾斜壁》: ", 0), 0u) << text;
    EXPECT_NE(text.find(c.message), std::string::npos) << text;
  }
}

// The leaning example with haunches Hc 0.3: y2 = 5, y3 = 4.4, y4 = 4.4 − 0.3·0.6 = 4.22;
// P4 = P2 + 1.3·(0.8, −0.6) = (4.04, 4.22), P14 = P3 − 0.225·(0.6, 0.8) = (3.665, 4.22).
// At the edges of the sloped tops the caps are whole or gone; inside them the caps are cut.
TEST_F(InclinedCounterfortTest, LevelInsideTheSlopedTopsCutsTheCaps) {
  const auto& blk = set_counterfort(0, [] {
    CounterfortParams p = leaning();
    p.Hc = 0.3;
    return p;
  }());
  for (double level : {5.0, 4.7, 4.4, 4.3, 4.22, 6.0}) {
    EXPECT_EQ(stop_text([&] { (void)inclined_counterfort_rows(blk, KIND_BUOYANCY, level); }), "")
        << level;
  }
  const auto at_cap = inclined_counterfort_rows(blk, KIND_BUOYANCY, 4.4);
  EXPECT_EQ(at_cap[1].count, 0);   // the wall's cap lies above
  EXPECT_EQ(at_cap[7].count, 1);   // the counterforts' cap lies below
  const auto at_top = inclined_counterfort_rows(blk, KIND_BUOYANCY, 4.22);
  EXPECT_EQ(at_top[7].count, 0);
  EXPECT_EQ(at_top[5].count, 1);

  // Level 4.7 in the wall's cap, the triangle P2 (3, 5), P13 (2.55, 4.4), P3 (3.8, 4.4) (area
  // 1.25·0.6/2 = 0.375, centroid (3.116667, 4.6)). Above the level the similar triangle of
  // half the height: (3, 5), (2.775, 4.7), (3.4, 4.7), area 0.09375, centroid (3.058333, 4.8).
  // Below it: area 0.28125, mean width 0.28125/0.3 = 0.9375 (0.938 to 0.001, the tie to even),
  // centroid x (0.375·3.116667 − 0.09375·3.058333)/0.28125 = 3.136111,
  //          y (0.375·4.6 − 0.09375·4.8)/0.28125 = 4.533333.
  // Everything else of the wall and the counterforts lies below the level, whole.
  {
    auto rows = inclined_counterfort_rows(blk, KIND_BUOYANCY, 4.7);
    const auto whole = inclined_counterfort_rows(blk, KIND_BUOYANCY, 6.0);
    EXPECT_EQ(rows[1].divisor, 1);
    EXPECT_EQ(rows[1].count, 1);
    EXPECT_DOUBLE_EQ(rows[1].d1, 0.938);
    EXPECT_DOUBLE_EQ(rows[1].d2, 2.0);
    EXPECT_DOUBLE_EQ(rows[1].d3, 0.3);
    EXPECT_NEAR(rows[1].x, 3.136111, 1e-6);
    EXPECT_NEAR(rows[1].y, 4.533333, 1e-6);
    for (std::size_t i = 0; i < 16; ++i) {
      if (i == 1) continue;
      EXPECT_EQ(rows[i].d1, whole[i].d1) << i;
      EXPECT_EQ(rows[i].d3, whole[i].d3) << i;
      EXPECT_EQ(rows[i].count, whole[i].count) << i;
    }
    (void)work_member_rows(rows, 0, 0);
    EXPECT_DOUBLE_EQ(rows[1].volume, 0.563);  // 0.938 · 2 · 0.3 = 0.5628
  }

  // Level 4.3 in the counterforts' cap, the triangle P3 (3.8, 4.4), P4 (4.04, 4.22),
  // P14 (3.665, 4.22): base 0.375, height 0.18, area 0.03375, centroid (3.835, 4.28). The part
  // above the level (5/9 of the height): (3.8, 4.4), (3.725, 4.3), (3.933333, 4.3), area
  // 0.0104167, centroid (3.819444, 4.333333). Below: area 0.0233333, mean width
  // 0.0233333/0.08 = 0.291667, centroid x (0.03375·3.835 − 0.0104167·3.819444)/0.0233333 =
  // 3.841944, y (0.03375·4.28 − 0.0104167·4.333333)/0.0233333 = 4.256190.
  // The haunch's length along the wall is Hc − u (u from the back face): whole it is
  // Hc²·s3/3 = 0.00675; the part above the level, k = 5/9 of it from P3, is
  // Hc³·tan θ·k²(3 − k)/6 = 0.0025463, so 0.0042037 lies below: mean length
  // 0.0042037/0.0233333 = 0.180159. The wall's cap lies above; the wall is cut at 4.3.
  {
    const auto rows = inclined_counterfort_rows(blk, KIND_BUOYANCY, 4.3);
    EXPECT_EQ(rows[1].count, 0);
    EXPECT_DOUBLE_EQ(rows[0].d3, 4.125);  // s1 = |P1 (0, 1) to (2.475, 4.3)| = 3.3/0.8
    EXPECT_EQ(rows[7].divisor, 1);
    EXPECT_EQ(rows[7].count, 1);
    EXPECT_DOUBLE_EQ(rows[7].d1, 0.292);
    EXPECT_DOUBLE_EQ(rows[7].d2, 0.4);
    EXPECT_DOUBLE_EQ(rows[7].d3, 0.08);
    EXPECT_NEAR(rows[7].x, 3.841944, 1e-6);
    EXPECT_NEAR(rows[7].y, 4.256190, 1e-6);
    EXPECT_EQ(rows[11].divisor, 1);
    EXPECT_EQ(rows[11].count, 2);
    EXPECT_DOUBLE_EQ(rows[11].d1, 0.292);
    EXPECT_DOUBLE_EQ(rows[11].d2, 0.18);
    EXPECT_DOUBLE_EQ(rows[11].d3, 0.08);
    EXPECT_EQ(rows[5].d3, 3.62);  // the counterforts below y4 = 4.22 stay whole: hk = 4.22 − 0.6
  }
}

// The concrete under water grows with the level without a jump: as the level rises by 0.01 the
// members gain their plan area at that level times 0.01, to the rounding of the printed sizes.
// Between 3.9 and 5.1 that area is under 4 m2: the wall 1.25 x 2 = 2.5, the counterfort at most
// (6 − 3.425) x 0.4 = 1.03, the haunches a little. Dropping a cap whole, or taking it whole,
// where the level runs through it gave a step of its volume (the wall's cap 0.375 x 2 = 0.75).
TEST_F(InclinedCounterfortTest, SubmergedConcreteGrowsSmoothlyThroughTheSlopedTops) {
  CounterfortParams p = leaning();
  p.Hc = 0.3;
  const auto& blk = set_counterfort(0, p);
  auto concrete_below = [&](double level) {
    auto rows = inclined_counterfort_rows(blk, KIND_BUOYANCY, level);
    rows.resize(16);  // the members, without the fill
    double v = 0;
    for (const MemberRow& r : rows) v += r.d1 * r.d2 * r.d3 / r.divisor * r.count;
    return v;
  };
  double before = concrete_below(3.9);
  for (int step = 1; step <= 120; ++step) {  // 3.9 to 5.1, across y4 4.22, y3 4.4 and y2 5
    const double level = 3.9 + step * 0.01;
    const double now = concrete_below(level);
    EXPECT_GE(now - before, -0.002) << level;
    EXPECT_LE(now - before, 0.04) << level;
    before = now;
  }
  EXPECT_NEAR(concrete_below(5.1), concrete_below(6.0), 1e-12);
}

// The haunch cap's mean length and centroid against its closed form: at a level just below
// the top of the back face the whole cap is below (volume Hc²·s3/3, centroid
// P4 − (3Hc·cos θ/4 + 3s3·sin θ/8, −3Hc·sin θ/4 + 3s3·cos θ/8)).
TEST_F(InclinedCounterfortTest, HaunchCapClippedJustBelowItsTopIsTheWholeHaunchCap) {
  CounterfortParams p = leaning();
  p.Hc = 0.3;
  const auto& blk = set_counterfort(0, p);
  const auto rows = inclined_counterfort_rows(blk, KIND_BUOYANCY, 4.399);
  const auto whole = inclined_counterfort_rows(blk, KIND_BUOYANCY, 4.4);
  // Below 4.399 lies all of the cap but a triangle of 1/180 of its height.
  EXPECT_NEAR(rows[11].x, whole[11].x, 1e-3);
  EXPECT_NEAR(rows[11].y, whole[11].y, 1e-3);
  EXPECT_NEAR(rows[11].d1 * rows[11].d2 * rows[11].d3,
              whole[11].d1 * whole[11].d2 * whole[11].d3 / 3, 2e-4);
  EXPECT_NEAR(rows[7].d1 * rows[7].d3, whole[7].d1 * whole[7].d3 / 2, 2e-4);
}

TEST_F(InclinedCounterfortTest, ShapeVariants) {
  // Ln = 0: the face is vertical; rows 1, 7 and 11 have V = 0, the wall is rows 0, 2 and 3
  // with bw = Tw.
  {
    CounterfortParams p = leaning();
    p.Bc = 0;
    p.Hc = 0.3;
    const auto& blk = set_counterfort(0, p);
    auto rows = inclined_counterfort_rows(blk, KIND_WEIGHT, -1);
    (void)work_member_rows(rows, 0, 0);
    EXPECT_EQ(rows[1].volume, 0.0);
    EXPECT_EQ(rows[7].volume, 0.0);
    EXPECT_EQ(rows[11].volume, 0.0);
    EXPECT_DOUBLE_EQ(rows[2].d1, 1.0);
    EXPECT_DOUBLE_EQ(rows[3].d1, 1.0);
    EXPECT_DOUBLE_EQ(rows[0].d3, 4.0);  // s1 = H − Ht
    // The wall's area is Tw·(H − D): 1·(4 + 0.2 + 0.2)·2.
    EXPECT_DOUBLE_EQ(rows[0].volume + rows[2].volume + rows[3].volume, 8.8);
  }
  // Ht = D: no lower zone; rows 2 and 3 have count 0.
  {
    CounterfortParams p = leaning();
    p.Hr = 0.6;
    const auto& blk = set_counterfort(0, p);
    const auto rows = inclined_counterfort_rows(blk, KIND_WEIGHT, -1);
    EXPECT_EQ(rows[2].count, 0);
    EXPECT_EQ(rows[3].count, 0);
  }
  // Cy = 0 with Cx > 0 is no chamfer: the counterfort reaches the heel end (the strip of width
  // Cx would otherwise be counted nowhere), the same rows as Cx = 0.
  {
    CounterfortParams p = chamfered();
    p.Tf = 0;  // Cy
    const auto& blk = set_counterfort(0, p);
    CounterfortParams q = chamfered();
    q.Tf = 0;
    q.Lf = 0;  // Cx
    const auto& plain = set_counterfort(1, q);
    for (int kind : {KIND_WEIGHT, KIND_BUOYANCY}) {
      auto a = inclined_counterfort_rows(blk, kind, 4.6);
      auto b = inclined_counterfort_rows(plain, kind, 4.6);
      const BlockResult ra = work_member_rows(a, 0, 0);
      const BlockResult rb = work_member_rows(b, 0, 0);
      EXPECT_EQ(ra.volume, rb.volume) << kind;
      EXPECT_EQ(ra.weight, rb.weight) << kind;
      EXPECT_EQ(ra.moment_x, rb.moment_x) << kind;
      EXPECT_DOUBLE_EQ(a[5].d1, 3.5);
    }
  }
}

TEST_F(InclinedCounterfortTest, FillLayersAgainstTheSlab) {
  // The last layer reaches the slab top whatever its thickness, and its rows have the height
  // it then has; layers that together reach below the slab top are cut there.
  struct Case {
    const char* what;
    std::vector<CounterfortParams::Fill> fill;
    std::vector<double> heights;  // of the "behind the face" rows, in order
  };
  const Case cases[] = {
      {"thinner than the space", {{"裏込", 2.0, 20, 16, 8}}, {4.5}},
      {"two layers", {{"上", 1.5, 20, 16, 8}, {"下", 1.0, 20, 16, 8}}, {1.5, 3.0}},
      {"thicker than the space", {{"上", 4.0, 20, 16, 8}, {"下", 3.0, 20, 16, 8}}, {4.0, 0.5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CounterfortParams p = chamfered();
    p.fill = c.fill;
    const auto& blk = set_counterfort(0, p);
    const auto rows = inclined_counterfort_rows(blk, KIND_WEIGHT, -1);
    std::vector<double> heights;
    for (const MemberRow& r : rows)
      if (r.divisor == 1 && r.d2 == 2.0 && r.d1 == 3.5 && !r.subtotal && &r - rows.data() > 16)
        heights.push_back(r.d3);
    EXPECT_EQ(heights, c.heights);
  }
}

TEST_F(InclinedCounterfortTest, EightLayersAndASplitGrowPastSeventyRows) {
  // Nine sublayers of 11 or 12 rows each with the 17 member rows: past the seventy rows the
  // printed tables once held, and every row is written.
  CounterfortParams p = chamfered();
  p.fill.clear();
  for (int k = 0; k < 8; ++k) p.fill.push_back({"層", 0.5, 20, 16, 8});
  set_counterfort(6, p);
  cd().water_levels[2] = 2.25;  // inside the fifth layer
  report_of([](engine::PrintFile& f) { return write_counterfort_block_tables(6, f, KIND_WEIGHT); });
  const auto vv = testing::parse_table(utf8_lines("BKVV_06.PFM"));
  EXPECT_GT(vv.declared_rows, 70 + 4);
  EXPECT_EQ(static_cast<int>(vv.rows.size()), vv.declared_rows);
  int subtotals = 0;
  for (const auto& row : vv.rows) subtotals += row.text.rfind("小 計,", 0) == 0;
  EXPECT_EQ(subtotals, 1 + 9);
  // However the fill is split, the block is still the box 4·5·2 = 40 m3.
  const BlockResult& r = run_data.block_results[6][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(r.volume, 40.0);
}

TEST_F(InclinedCounterfortTest, StraddlingLayerForTheWeight) {
  // The level at 3 splits the layer: 5..3 with 16 and 3..0.5 with 20, both named 裏込; the slab
  // haunch copies follow only the lower (last) part.
  const auto& blk = set_counterfort(0, chamfered());
  const auto rows = inclined_counterfort_rows(blk, KIND_WEIGHT, 3);
  std::vector<double> unit_weights;
  for (const MemberRow& r : rows)
    if (r.name == sjis("裏込") && r.divisor == 1) unit_weights.push_back(r.unit_weight);
  EXPECT_EQ(unit_weights, (std::vector<double>{16, 20}));
  int copies = 0;
  for (const MemberRow& r : rows) copies += r.name == sjis("       ﾊﾝﾁ隅角部");
  EXPECT_EQ(copies, 1);
}

}  // namespace
}  // namespace qvt::zenobar
