// Caisson (type 2): member rows, fill rows, values, tables and the per-metre buoyancy.
#include "engines/zenobar/sections.h"
#include "engines/zenobar/tests/caisson_fixture.h"

#include <cmath>

namespace qvt::zenobar {
namespace {

using testing::CaissonParams;
using testing::sjis;

class CaissonTablesTest : public testing::CaissonTest {};

// The caisson worked by hand below: two cells of 3.5 m across, two cell rows of 4.0 and 4.5 m
// along the wall line, no haunches, no footing, one fill layer that fills the cells exactly.
//   W = 2·0.5 + 2·3.5 + 0.5 = 8.5, Lb = 2·0.5 + 4.0 + 4.5 + 0.5 = 10, H = 10, F = 1.
CaissonParams hand_caisson() {
  CaissonParams p;
  p.ref_x = 2;
  p.ref_y = -10;
  p.fill = {{"中詰砂", 9.0, 18.0}};
  return p;
}

TEST_F(CaissonTablesTest, HandWorkedCaissonWeightAndCentroid) {
  // Concrete, as the outer box less the cell voids:
  //   box 8.5·10·10 = 850; cells 2 columns · 3.5 · (4.0 + 4.5) · 9 = 535.5; concrete 314.5.
  // Rows: slab 8.5·10·1 = 85; front/rear walls 0.5·10·9·2 = 90; partition 0.5·10·9·1 = 45;
  //   end walls Wi = 8.5 - 1 - 0.5 = 7.0, 7·0.5·9·2 = 63; cross partition 7·0.5·9·1 = 31.5;
  //   85 + 90 + 45 + 63 + 31.5 = 314.5 as the box gives. W = 314.5·24 = 7548.
  // Fill: 3.5·4.0·9·2 = 252 and 3.5·4.5·9·2 = 283.5 (535.5, the voids), ·18 = 4536 + 5103 = 9639.
  // Whole caisson: V = 850 (the box), W = 7548 + 9639 = 17187 kN.
  // Centroid: the section is symmetric about x = 0.5 + 3.5 + 0.25 = 4.25, i.e. x = 6.25 absolute;
  //   Wx = 17187·6.25 = 107418.75.
  //   y: slab at 0.5 (-9.5 absolute), everything else at 1 + 4.5 = 5.5 (-4.5):
  //   Wy = 2040·(-9.5) + (5508 + 9639)·(-4.5) = -19380 - 68161.5 = -87541.5;
  //   y = -87541.5 / 17187 = -5.09347 -> -5.093 (4.9065 m above the bottom).
  set_caisson(0, hand_caisson());
  Report report;
  EXPECT_EQ(write_caisson_weight_tables(0, report.file), 0);
  const BlockResult& r = run_data.block_results[0][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(r.volume, 850.0);
  EXPECT_DOUBLE_EQ(r.weight, 17187.0);
  EXPECT_DOUBLE_EQ(r.moment_x, 107418.75);
  EXPECT_DOUBLE_EQ(r.moment_y, -87541.5);
  EXPECT_DOUBLE_EQ(r.centroid_x, 6.25);
  EXPECT_DOUBLE_EQ(r.centroid_y, -5.093);
  EXPECT_EQ(report_lines(report),
            (std::vector<std::string>{"$0  BLKVV_00.PFM", "$0  BLKVM_00.PFM"}));

  // Weight table: 3 heading rows, 5 member rows, a subtotal, the fill (2 cell types, 1 row of
  // across haunches, 2 rows of along haunches, a subtotal) and the total: 16 rows.
  const auto vv = lines_of("BLKVV_00.PFM");
  ASSERT_GE(vv.size(), 16u);
  EXPECT_EQ(vv[0], "BLKVV_00.PFM");
  EXPECT_EQ(vv[1], "16,6,0,1");
  EXPECT_EQ(vv[2], "18,28,4,10,10,12");
  EXPECT_EQ(vv[4], sjis("《ケーソン》 重量の算定,@,@,@,@,@"));
  EXPECT_EQ(vv[7], sjis("名 称, 形状寸法,数,V,γ,W"));
  EXPECT_EQ(vv[10], sjis(",(m$U3$Z/個) ,,(m$U3$Z),(kN/m$U3$Z),(kN)"));
  EXPECT_EQ(vv[12], "2,2,1,1,1,1");
  EXPECT_EQ(vv[13], sjis(" 底  版          ,  8.500×10.000× 1.000, 1 ,  85.000 ,24.000 ,  2040.000 "));
  EXPECT_EQ(vv[14], "1010,1010,1010,1010,1010,1010");
  const std::vector<std::string> tail(vv.end() - 24, vv.end());
  EXPECT_EQ(tail, (std::vector<std::string>{
                      "3,3,1,1,1,1", sjis("小 計,,, 314.500 ,,  7548.000 "),
                      "1111,1101,0111,1111,1111,1111",
                      "2,2,1,1,1,1",
                      sjis(" 中詰砂          ,  3.500× 4.000× 9.000, 2 , 252.000 ,18.000 ,  4536.000 "),
                      "1010,1010,1010,1010,1010,1010",
                      "2,2,1,1,1,1",
                      sjis("                 ,  3.500× 4.500× 9.000, 2 , 283.500 ,18.000 ,  5103.000 "),
                      "1010,1010,1010,1010,1010,1010",
                      "2,2,1,1,1,1",
                      sjis("     水平横ハンチ,  3.500× 0.000× 0.000×1/2, 8 ,   0.000 ,18.000 ,     0.000 "),
                      "1010,1010,1010,1010,1010,1010",
                      "2,2,1,1,1,1",
                      sjis("     水平縦ハンチ,  0.000× 4.000× 0.000×1/2, 4 ,   0.000 ,18.000 ,     0.000 "),
                      "1010,1010,1010,1010,1010,1010",
                      "2,2,1,1,1,1",
                      sjis("                 ,  0.000× 4.500× 0.000×1/2, 4 ,   0.000 ,18.000 ,     0.000 "),
                      "1010,1010,1010,1010,1010,1010",
                      "3,3,1,1,1,1", sjis("小 計,,, 535.500 ,,  9639.000 "),
                      "1111,1101,0111,1111,1111,1111",
                      "3,3,1,1,1,1", sjis("合 計,,, 850.000 ,, 17187.000 "),
                      "1111,1101,0111,1111,1111,1111"}));

  // Centroid table: slab row, the members' subtotal (Wy = -19380 - 24786 = -44166,
  // y = -44166 / 7548 = -5.8514), the total.
  const auto vm = lines_of("BLKVM_00.PFM");
  ASSERT_GE(vm.size(), 16u);
  EXPECT_EQ(vm[1], "16,6,0,1");
  EXPECT_EQ(vm[2], "18,12,10,10,14,14");
  EXPECT_EQ(vm[4], sjis("《ケーソン》 重心の算定,@,@,@,@,@"));
  EXPECT_EQ(vm[7], sjis("名 称,重 量,重心座標,重心座標,W･x,W･y"));
  EXPECT_EQ(vm[10], sjis(",W (kN),x (m),y (m),(kN･m),(kN･m)"));
  EXPECT_EQ(vm[13], sjis(" 底  版          ,  2040.000 ,   6.250 ,  -9.500 ,   12750.000 ,  -19380.000 "));
  EXPECT_EQ(vm[28], sjis("小 計,  7548.000 ,*  6.250 ,* -5.851 ,   47175.000 ,  -44166.000 "));
  EXPECT_EQ(vm[vm.size() - 2],
            sjis("合 計, 17187.000 ,*  6.250 ,* -5.093 ,  107418.750 ,  -87541.500 "));
  EXPECT_EQ(vm.back(), "1111,1111,1111,1111,1111,1111");
}

TEST_F(CaissonTablesTest, HandWorkedCaissonBuoyancyPerMetre) {
  // R.W.L. -3 on a caisson from -10 to 0 without footing: case 1, hb = 7.
  //   U = 8.5·7·10 = 595 kN/m at x = 2 + 4.25 = 6.25, y = -10 + 3.5 = -6.5;
  //   Ux = 3718.75, Uy = -3867.5. The footing rows have count 0 and are not printed.
  set_caisson(0, hand_caisson());
  cd().water_levels[2] = -3;
  cd().water_unit_weight = 10.0;
  run_data.block_results[0][KIND_BUOYANCY].volume = 7.0;  // not the buoyancy writer's field
  Report report;
  EXPECT_EQ(write_caisson_buoyancy_tables(0, report.file), 0);
  const BlockResult& r = run_data.block_results[0][KIND_BUOYANCY];
  EXPECT_DOUBLE_EQ(r.weight, 595.0);
  EXPECT_DOUBLE_EQ(r.centroid_x, 6.25);
  EXPECT_DOUBLE_EQ(r.centroid_y, -6.5);
  EXPECT_DOUBLE_EQ(r.moment_x, 3718.75);
  EXPECT_DOUBLE_EQ(r.moment_y, -3867.5);
  EXPECT_DOUBLE_EQ(r.volume, 7.0);
  EXPECT_EQ(report_lines(report),
            (std::vector<std::string>{"$0  FRKVV_00.PFM", "$0  FRKVVV00.PFM"}));
  EXPECT_EQ(lines_of("FRKVV_00.PFM"),
            (std::vector<std::string>{
                "FRKVV_00.PFM", "5,4,0,1", "12,30,4,12",
                "2,@,@,@", sjis("《ケーソン》,@,@,@"), "0100,@,@,@",
                "3,2,3,3", sjis("名 称,  形状寸法,数,重 量"), "1011,1011,1011,1011",
                "3,1,3,3", ",(m$U3$Z/m) ,,W (kN/m)", "1110,1110,1110,1110",
                "2,2,1,1", sjis(" ケーソン  ,  8.500× 7.000×10.000     , 1 ,   595.000 "),
                "1010,1010,1010,1010",
                "3,3,3,1", sjis("計,,,   595.000 "), "1111,1101,0111,1111"}));
  EXPECT_EQ(lines_of("FRKVVV00.PFM"),
            (std::vector<std::string>{
                "FRKVVV00.PFM", "4,6,0,1", "12,12,10,10,14,14",
                "3,3,3,3,3,3", sjis("名 称,重 量,重心座標,重心座標,W･x,W･y"),
                "1011,1011,1011,1011,1011,1011",
                "3,3,3,3,3,3", sjis(",W (kN/m),x (m),y (m),(kN･m/m),(kN･m/m)"),
                "1110,1110,1110,1110,1110,1110",
                "2,1,1,1,1,1",
                sjis(" ケーソン  ,   595.000 ,   6.250 ,  -6.500 ,    3718.750 ,   -3867.500 "),
                "1010,1010,1010,1010,1010,1010",
                "3,1,1,1,1,1",
                sjis("計,   595.000 ,*  6.250 ,* -6.500 ,    3718.750 ,   -3867.500 "),
                "1111,1111,1111,1111,1111,1111"}));
}

TEST_F(CaissonTablesTest, BuoyancyWithTheLevelInsideTheFootingHaunch) {
  // Footings both sides (S = 1): L = 1.5, T = 1.0, haunch C = 0.5; R.W.L. 1.2 above a bottom at
  // 0: case 2, hb = 1.2, hf = 1.0, dry haunch height e = 1.5 - 1.2 = 0.3. γw = 10.
  //   body 8.5·1.2·10 = 102 at y 0.6; footings 1.5·1.0·10·2 = 30 at y 0.5;
  //   haunch triangle (C - e)² / 2 · 10 · 2 = 0.2·0.2·10/2·2 = 0.4 at y 1 + 0.2/3 = 1.067;
  //   rectangle e·(C - e)·10·2 = 0.3·0.2·10·2 = 1.2 at y 1.1.
  //   Check by the outline: the haunch at the wall face is 0.5 - z wide at a height z above the
  //   footing, so 0.08 m2 per footing lies between z = 0 and 0.2: 0.02 + 0.06, as the rows.
  //   U = 133.6; all x at xb = 1.5 + 4.25 = 5.75: Ux = 768.2;
  //   Uy = 61.2 + 15 + r(0.4·1.067 = 0.4268) 0.427 + 1.32 = 77.947; y = 77.947/133.6 = 0.583.
  CaissonParams p;
  p.s = 1;
  p.l = 1.5;
  p.t = 1.0;
  p.c = 0.5;
  set_caisson(0, p);
  cd().water_levels[2] = 1.2;
  cd().water_unit_weight = 10.0;
  Report report;
  EXPECT_EQ(write_caisson_buoyancy_tables(0, report.file), 0);
  const BlockResult& r = run_data.block_results[0][KIND_BUOYANCY];
  EXPECT_DOUBLE_EQ(r.weight, 133.6);
  EXPECT_DOUBLE_EQ(r.moment_x, 768.2);
  EXPECT_DOUBLE_EQ(r.moment_y, 77.947);
  EXPECT_DOUBLE_EQ(r.centroid_x, 5.75);
  EXPECT_DOUBLE_EQ(r.centroid_y, 0.583);
  const auto vv = lines_of("FRKVV_00.PFM");
  ASSERT_EQ(vv.size(), 3u + 3 * 8);
  EXPECT_EQ(vv[1], "8,4,0,1");
  EXPECT_EQ(vv[16], sjis(" ﾌｰﾁﾝｸﾞ    ,  1.500× 1.000×10.000     , 2 ,    30.000 "));
  EXPECT_EQ(vv[19], sjis(" ﾌｰﾁﾝｸﾞﾊﾝﾁ1,  0.200× 0.200×10.000×1/2, 2 ,     0.400 "));
  EXPECT_EQ(vv[22], sjis(" ﾌｰﾁﾝｸﾞﾊﾝﾁ2,  0.300× 0.200×10.000     , 2 ,     1.200 "));
  EXPECT_EQ(vv[25], sjis("計,,,   133.600 "));
  const auto vvv = lines_of("FRKVVV00.PFM");
  EXPECT_EQ(vvv[1], "7,6,0,1");
  EXPECT_EQ(vvv[16], sjis(" ﾌｰﾁﾝｸﾞﾊﾝﾁ1,     0.400 ,   5.750 ,   1.067 ,       2.300 ,       0.427 "));
}

TEST_F(CaissonTablesTest, SubmersionCases) {
  // Bottom 0, footing top 1, haunch top 1.5, body top 10.
  struct Case {
    double level;
    int expected;
  };
  for (const Case& c : {Case{10.5, 0}, Case{10.0, 1}, Case{1.6, 1}, Case{1.5, 2}, Case{1.2, 2},
                        Case{1.0, 3}, Case{0.5, 3}, Case{0.0, 4}, Case{-1.0, 4}})
    EXPECT_EQ(submersion_case(0, 1.0, 0.5, 10, c.level), c.expected) << c.level;
}

TEST_F(CaissonTablesTest, BuoyancyRowsOfEachCase) {
  CaissonParams p;
  p.s = 1;
  p.l = 1.5;
  p.t = 1.0;
  p.c = 0.5;
  const auto& blk = set_caisson(0, p);
  struct Case {
    double level;
    int water_case;
    std::vector<std::string> names;
    double hb;
  };
  const std::string body = sjis("ケーソン  "), footing = sjis("ﾌｰﾁﾝｸﾞ    ");
  const Case cases[] = {
      // Above the top: the whole body, the footings and the whole haunch.
      {11.0, 0, {body, footing, sjis("ﾌｰﾁﾝｸﾞﾊﾝﾁ ")}, 10.0},
      // Exactly at the top: case 1 with hb = H.
      {10.0, 1, {body, footing, sjis("ﾌｰﾁﾝｸﾞﾊﾝﾁ ")}, 10.0},
      {1.2, 2, {body, footing, sjis("ﾌｰﾁﾝｸﾞﾊﾝﾁ1"), sjis("ﾌｰﾁﾝｸﾞﾊﾝﾁ2")}, 1.2},
      // Inside the footing: body and footing cut at the level.
      {0.6, 3, {body, footing}, 0.6},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(submersion_case(0, 1.0, 0.5, 10, c.level), c.water_case);
    const auto rows = caisson_buoyancy_rows(blk, c.water_case, c.level, 10.0);
    std::vector<std::string> names;
    for (const auto& r : rows) names.push_back(r.name);
    EXPECT_EQ(names, c.names) << c.level;
    EXPECT_DOUBLE_EQ(rows[0].d2, c.hb) << c.level;
    EXPECT_DOUBLE_EQ(rows[1].d2, c.water_case == 3 ? c.level : 1.0) << c.level;
  }
}

TEST_F(CaissonTablesTest, BuoyancyWithTheLevelAtTheBottomIsTheNoBuoyancyPage) {
  CaissonParams p = hand_caisson();
  set_caisson(4, p, "ケーソンB");
  cd().water_levels[2] = -10;  // exactly the bottom
  run_data.block_results[4][KIND_BUOYANCY].weight = 9;
  Report report;
  EXPECT_EQ(write_caisson_buoyancy_tables(4, report.file), -1);
  EXPECT_EQ(run_data.block_results[4][KIND_BUOYANCY].weight, 0.0);
  EXPECT_EQ(report_lines(report), std::vector<std::string>{"$0  FRKVV_04.PFM"});
  EXPECT_EQ(lines_of("FRKVV_04.PFM"),
            (std::vector<std::string>{"FRKVV_04.PFM", "2", "",
                                      sjis("《ケーソンB》 浮力は作用しない")}));
  EXPECT_FALSE(std::filesystem::exists(dir / "FRKVVV04.PFM"));
}

TEST_F(CaissonTablesTest, FootingRowsByRecipe) {
  // W = 8.5, L = 1.5, T = 1.0, C = 0.5, Lb = 10. Footing 1.5·10·1 per footing; haunch
  // C·Lb·C/2 = 1.25 (corner haunch) or L·Lb·C/2 = 3.75 (tapered) per footing.
  // x: S 1, 2 at xb = 1.5 + 4.25 = 5.75; S 3 at L/2 = 0.75 and L - C/3 = 1.3333;
  // S 4 at 0.75 and 2L/3 = 1.0; S 6 at W + L/2 = 9.25 and W + C/3 = 8.6667; S 7 at 9.25 and
  // W + L/3 = 9.0.
  struct Case {
    int s;
    int count;
    double haunch_v, footing_x, haunch_x;
  };
  for (const Case& c : {Case{1, 2, 1.25, 5.75, 5.75}, Case{2, 2, 3.75, 5.75, 5.75},
                        Case{3, 1, 1.25, 0.75, 1.5 - 0.5 / 3}, Case{4, 1, 3.75, 0.75, 1.0},
                        Case{6, 1, 1.25, 9.25, 8.5 + 0.5 / 3}, Case{7, 1, 3.75, 9.25, 9.0}}) {
    CaissonParams p;
    p.s = c.s;
    p.l = 1.5;
    p.t = 1.0;
    p.c = 0.5;
    const CaissonLayout g = caisson_layout(set_caisson(0, p));
    const auto rows = build_caisson_members(g, 24.0);
    ASSERT_EQ(rows.size(), 7u) << c.s;  // 5 walls and partitions, footing, haunch (Hh = 0)
    EXPECT_EQ(rows[5].name, sjis("フーチング      "));
    EXPECT_EQ(rows[5].count, c.count) << c.s;
    EXPECT_DOUBLE_EQ(rows[5].x, c.footing_x) << c.s;
    EXPECT_EQ(rows[6].name, sjis("フーチングハンチ"));
    EXPECT_NEAR(rows[6].d1 * rows[6].d2 * rows[6].d3 / rows[6].divisor, c.haunch_v, 1e-12)
        << c.s;
    EXPECT_NEAR(rows[6].x, c.haunch_x, 1e-12) << c.s;
    EXPECT_DOUBLE_EQ(g.x0, c.s <= 4 ? 1.5 : 0.0) << c.s;
  }
}

TEST_F(CaissonTablesTest, NoFootingStartsTheBodyAtTheReferencePoint) {
  // S = 5: the list ends with the haunch rows (9 rows) and the body starts at x = 0, so xb is W/2.
  CaissonParams p;
  p.hh = 0.3;
  p.hv = 0.3;
  p.l = 1.5;  // ignored without a footing
  const CaissonLayout g = caisson_layout(set_caisson(0, p));
  EXPECT_DOUBLE_EQ(g.x0, 0.0);
  EXPECT_DOUBLE_EQ(g.xb, 4.25);
  const auto rows = build_caisson_members(g, 24.0);
  ASSERT_EQ(rows.size(), 9u);
  EXPECT_EQ(rows.back().name, sjis("隅角部ハンチ    "));
  // The buoyancy of the same block has no printed footing rows.
  const auto b = caisson_buoyancy_rows(cd().wall_blocks[0], 1, 5.0, 10.0);
  EXPECT_EQ(printed(b).size(), 1u);
}

TEST_F(CaissonTablesTest, HaunchMemberRows) {
  // Hh = Hv = 0.3 on the hand caisson (N = 2, M = 2, Wi = 7.0, Hc = 9):
  //   vertical haunches 0.3·0.3·9/2·16 = 6.48; across 5.8·0.3·0.3/2·4 = 1.044 with
  //   Wi - 2·N·Hv = 7 - 1.2 = 5.8; along 0.3·(10 - 1 - 0.5 - 1.2 = 7.3)·0.3/2·4 = 1.314;
  //   corners 0.3³/3·16 = 0.144. Heights F + Hc/2 = 5.5, F + Hv/3 = 1.1, F + 3·Hv/8 = 1.1125
  //   (a half: to the even 1.112).
  CaissonParams p = hand_caisson();
  p.hh = 0.3;
  p.hv = 0.3;
  const CaissonLayout g = caisson_layout(set_caisson(0, p));
  auto rows = build_caisson_members(g, 24.0);
  ASSERT_EQ(rows.size(), 9u);
  work_member_rows(rows, 0, 0);
  const double v[] = {85, 90, 45, 63, 31.5, 6.48, 1.044, 1.314, 0.144};
  const double y[] = {0.5, 5.5, 5.5, 5.5, 5.5, 5.5, 1.1, 1.1, 1.112};
  for (int i = 0; i < 9; ++i) {
    EXPECT_DOUBLE_EQ(rows[i].volume, v[i]) << i;
    EXPECT_DOUBLE_EQ(rows[i].y, y[i]) << i;
  }
}

TEST_F(CaissonTablesTest, NoFillLayersGiveOneSubtotalEqualToTheTotal) {
  CaissonParams p = hand_caisson();
  p.fill.clear();
  set_caisson(0, p);
  Report report;
  write_caisson_weight_tables(0, report.file);
  const BlockResult& r = run_data.block_results[0][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(r.volume, 314.5);
  EXPECT_DOUBLE_EQ(r.weight, 7548.0);
  const auto vv = lines_of("BLKVV_00.PFM");
  EXPECT_EQ(vv[1], "10,6,0,1");  // 3 headings, 5 members, subtotal, total
  EXPECT_EQ(vv[vv.size() - 5], sjis("小 計,,, 314.500 ,,  7548.000 "));
  EXPECT_EQ(vv[vv.size() - 2], sjis("合 計,,, 314.500 ,,  7548.000 "));
  const auto vm = lines_of("BLKVM_00.PFM");
  EXPECT_EQ(vm[vm.size() - 5], sjis("小 計,  7548.000 ,*  6.250 ,* -5.851 ,   47175.000 ,  -44166.000 "));
  EXPECT_EQ(vm[vm.size() - 2], sjis("合 計,  7548.000 ,*  6.250 ,* -5.851 ,   47175.000 ,  -44166.000 "));
}

TEST_F(CaissonTablesTest, WithoutHaunchesTheLowestLayerStillGetsTheHorizontalRows) {
  CaissonParams p = hand_caisson();
  p.fill = {{"上層", 4.0, 18.0}, {"下層", 5.0, 20.0}};
  const auto rows = caisson_weight_rows(set_caisson(0, p));
  // Members (5) and subtotal; upper layer: 2 cell rows, subtotal; lower layer: 2 cell rows, one
  // across row (d1 = bw), two along rows (d1 = Hh = 0), subtotal. No vertical or corner rows.
  std::vector<std::string> names;
  for (const auto& r : rows) names.push_back(r.name);
  const std::string sub = sjis("    小  計");
  EXPECT_EQ(std::vector<std::string>(names.begin() + 5, names.end()),
            (std::vector<std::string>{sub, sjis("上層"), "", sub, sjis("下層"), "",
                                      sjis("    水平横ハンチ"), sjis("    水平縦ハンチ"), "",
                                      sub}));
  EXPECT_DOUBLE_EQ(rows[11].d1, 3.5);
  EXPECT_EQ(rows[11].count, 8);  // 2 cells of that width · M · 2
  EXPECT_DOUBLE_EQ(rows[12].d1, 0.0);
  EXPECT_EQ(rows[12].count, 4);  // 1 cell row of that length · N · 2
  EXPECT_EQ(rows[12].divisor, -2);
}

TEST_F(CaissonTablesTest, LowestLayerThinnerThanTheHaunch) {
  // Hh = Hv = 0.5; layers 8.7 (k = 0, from 10 down to 1.3) and 0.3 (k = 1, 1.3 to the slab at 1).
  // X holds (0.5 > 0.3), e = 0.2. By hand, with N = M = 2 (4·N·M = 16):
  // Lowest layer:
  //   cells (3.5 - 1.0 + 0.6 = 3.1) × (4.0 - 0.4 = 3.6) × 0.3 · 2 = 6.696 and 3.1·4.1·0.3·2 = 7.626
  //   across: (3.5 - 1.0)·0.3·0.3/(-2)·8 = -0.9 at y = 1 + 0.1
  //   along: 0.3·(4.0 - 1.0)·0.3/(-2)·4 = -0.54 and 0.3·3.5·0.3/(-2)·4 = -0.63
  //   vertical: 0.3·0.3·0.3/(-2)·16 = -0.216 (the leg is t, thinner than Hh)
  //   corner: 0.3³/(-3)·16 = -0.144 at y = 1 + 3·0.3/8 = 1.1125 -> 1.112 (a half goes to even)
  // Layer above:
  //   cells 3.5·4.0·8.7·2 = 243.6 and 3.5·4.5·8.7·2 = 274.05
  //   across: 2.5·0.2·0.2/(-2)·8 = -0.4 at y = 1.3 + 0.2/3 = 1.367
  //   along: 0.2·3.0·0.2/(-2)·4 = -0.24 and 0.2·3.5·0.2/(-2)·4 = -0.28
  //   vertical: 0.5·0.5·8.7/(-2)·16 = -17.4 at y = 1.3 + 4.35 = 5.65
  //   corner A: 0.2·(0.2/√2)²/(-3)·32 = 0.2·0.02/(-3)·32 = -0.042667 -> -0.043
  //   corner B: 0.2·(0.2/√2)·(√2·0.5 - 0.4/√2)/(-2)·16 = 0.2·(0.1 - 0.04)/(-2)·16 = -0.096
  CaissonParams p = hand_caisson();
  p.ref_x = 0;
  p.ref_y = 0;
  p.hh = 0.5;
  p.hv = 0.5;
  p.fill = {{"上層", 8.7, 18.0}, {"下層", 0.3, 20.0}};
  auto rows = caisson_weight_rows(set_caisson(0, p));
  work_member_rows(rows, 0, 0);
  // Members: 9 rows (haunches, no footing) and the subtotal.
  struct Expect {
    const char* name;
    double volume;
    double y;
  };
  const Expect upper[] = {{"上層", 243.6, 5.65},          {"", 274.05, 5.65},
                          {"    水平横ハンチ", -0.4, 1.367}, {"    水平縦ハンチ", -0.24, 1.367},
                          {"", -0.28, 1.367},              {"      垂直ハンチ", -17.4, 5.65},
                          {"   隅角部ハンチA", -0.043, 1.375}, {"   隅角部ハンチB", -0.096, 1.367},
                          {"    小  計", 243.6 + 274.05 - 0.4 - 0.24 - 0.28 - 17.4 - 0.043 - 0.096, 0}};
  const Expect lower[] = {{"下層", 6.696, 1.15},          {"", 7.626, 1.15},
                          {"    水平横ハンチ", -0.9, 1.1},  {"    水平縦ハンチ", -0.54, 1.1},
                          {"", -0.63, 1.1},               {"      垂直ハンチ", -0.216, 1.15},
                          {"    隅角部ハンチ", -0.144, 1.112}, {"    小  計", 11.892, 0}};
  ASSERT_EQ(rows.size(), 10u + 9 + 8);
  for (int i = 0; i < 9; ++i) {
    const MemberRow& r = rows[10 + i];
    EXPECT_EQ(r.name, sjis(upper[i].name)) << i;
    EXPECT_NEAR(r.volume, upper[i].volume, 1e-9) << i;
    if (!r.subtotal) {
      EXPECT_DOUBLE_EQ(r.y, upper[i].y) << i;
    }
  }
  for (int i = 0; i < 8; ++i) {
    const MemberRow& r = rows[19 + i];
    EXPECT_EQ(r.name, sjis(lower[i].name)) << i;
    EXPECT_NEAR(r.volume, lower[i].volume, 1e-9) << i;
    if (!r.subtotal) {
      EXPECT_DOUBLE_EQ(r.y, lower[i].y) << i;
    }
  }
  EXPECT_DOUBLE_EQ(rows[19].d1, 3.1);
  EXPECT_DOUBLE_EQ(rows[19].d2, 3.6);
  EXPECT_EQ(rows[16].count, 32);  // corner A: 8·N·M
  EXPECT_EQ(rows[16].divisor, -3);
}

TEST_F(CaissonTablesTest, CellTypesOfTwoWidths) {
  // Widths 3, 4, 3, 4 (Wf 0.5, Wp 0.4, no footing): centres 2.0, 5.9, 9.8, 13.7.
  //   x of width 3 = (2.0 + 9.8)/2 = 5.9, of width 4 = (5.9 + 13.7)/2 = 9.8;
  //   xm = 31.4/4 = 7.85; xw = (3·2 + 4·5.9 + 3·9.8 + 4·13.7)/14 = 113.8/14 = 8.128571;
  //   partitions at 3.7, 8.1, 11.5: xp = 7.766667;
  //   with Hh = 0.5: xh = (2·2 + 3·5.9 + 2·9.8 + 3·13.7)/10 = 82.4/10 = 8.24.
  CaissonParams p;
  p.b = {3.0, 4.0, 3.0, 4.0};
  p.e = {4.0, 4.5};
  p.wp = 0.4;
  p.w = 1.0 + 14.0 + 1.2;
  p.hh = 0.5;
  p.fill = {{"中詰", 9.0, 18.0}};
  const auto& blk = set_caisson(0, p);
  const CaissonLayout g = caisson_layout(blk);
  EXPECT_DOUBLE_EQ(g.width_x(3.0), 5.9);
  EXPECT_DOUBLE_EQ(g.width_x(4.0), 9.8);
  EXPECT_DOUBLE_EQ(g.xm, 7.85);
  EXPECT_NEAR(g.xw, 113.8 / 14, 1e-12);
  EXPECT_NEAR(g.xp, 23.3 / 3, 1e-12);
  EXPECT_NEAR(g.xh, 8.24, 1e-12);
  const auto rows = caisson_weight_rows(blk);
  // The fill begins after 9 members and the subtotal: per length (4.0, 4.5), per width (3, 4),
  // each with count 2 (two columns of the width, one row of the length).
  for (int i = 0; i < 4; ++i) {
    const MemberRow& r = rows[10 + i];
    EXPECT_DOUBLE_EQ(r.d1, i % 2 == 0 ? 3.0 : 4.0) << i;
    EXPECT_DOUBLE_EQ(r.d2, i < 2 ? 4.0 : 4.5) << i;
    EXPECT_EQ(r.count, 2) << i;
    EXPECT_DOUBLE_EQ(r.x, i % 2 == 0 ? 5.9 : 9.8) << i;
  }
}

TEST_F(CaissonTablesTest, ValueGroupHelpers) {
  const double values[] = {3.0, 4.0, 3.0, 3.0, 5.0};
  const ValueGroups g = group_equal_values(values);
  EXPECT_EQ(g.values, (std::vector<double>{3.0, 4.0, 5.0}));
  EXPECT_EQ(g.counts, (std::vector<int>{3, 1, 1}));
  const double lengths[] = {7.0, 8.0, 8.0};
  const auto types = combine_value_groups(g, group_equal_values(lengths));
  ASSERT_EQ(types.size(), 6u);
  EXPECT_EQ(types[0].width, 3.0);
  EXPECT_EQ(types[0].length, 7.0);
  EXPECT_EQ(types[0].count, 3);
  EXPECT_EQ(types[4].width, 4.0);
  EXPECT_EQ(types[4].length, 8.0);
  EXPECT_EQ(types[4].count, 2);
}

TEST_F(CaissonTablesTest, OneCellAcrossHasNoLongitudinalPartition) {
  CaissonParams p = hand_caisson();
  p.b = {7.5};
  set_caisson(0, p);
  const CaissonLayout g = caisson_layout(cd().wall_blocks[0]);
  EXPECT_EQ(g.xp, 0.0);
  Report report;
  write_caisson_weight_tables(0, report.file);
  const auto vv = lines_of("BLKVV_00.PFM");
  const std::string partition = sjis("隔  壁    縦断側");
  for (const auto& line : vv) EXPECT_EQ(line.find(partition), std::string::npos) << line;
  // Physical check: box 8.5·10·10 = 850 less the voids 7.5·8.5·9 = 573.75 is 276.25 of concrete,
  // and the fill fills the voids: the volume is the box again.
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_WEIGHT].volume, 850.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_WEIGHT].weight, 276.25 * 24 + 573.75 * 18);
}

TEST_F(CaissonTablesTest, LayerNamesAreCutToTheNameColumn) {
  // 20 bytes of CP932: cut at a whole character within 16 bytes.
  CaissonParams p = hand_caisson();
  p.fill = {{"中詰砂利石材混合材料", 9.0, 18.0}};
  const auto rows = caisson_weight_rows(set_caisson(0, p));
  EXPECT_EQ(rows[6].name, sjis("中詰砂利石材混合"));
}

TEST_F(CaissonTablesTest, AWeightlessSubtotalPrintsAZeroCentroid) {
  CaissonParams p = hand_caisson();
  p.fill = {{"空", 9.0, 0.0}};
  set_caisson(0, p);
  Report report;
  write_caisson_weight_tables(0, report.file);
  const auto vm = lines_of("BLKVM_00.PFM");
  EXPECT_EQ(vm[vm.size() - 5],
            sjis("小 計,     0.000 ,*  0.000 ,*  0.000 ,       0.000 ,       0.000 "));
}

TEST_F(CaissonTablesTest, FillThickerThanTheCellsIsCutAtTheSlab) {
  // Cells 9 m deep above the slab; layers of 5, 5 and 2 m: the second is cut to 4 m and the
  // third lies in the slab and is left out, so the whole volume is the box again (850) and the
  // fill weighs 535.5·18.
  CaissonParams p = hand_caisson();
  p.fill = {{"上層", 5.0, 18.0}, {"下層", 5.0, 18.0}, {"底", 2.0, 18.0}};
  const auto& blk = set_caisson(0, p);
  const auto layers = stack_fill_layers(blk.caisson, 10.0, 1.0);
  ASSERT_EQ(layers.size(), 2u);
  EXPECT_DOUBLE_EQ(layers[1].top, 5.0);
  EXPECT_DOUBLE_EQ(layers[1].bottom, 1.0);
  Report report;
  write_caisson_weight_tables(0, report.file);
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_WEIGHT].volume, 850.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_WEIGHT].weight, 7548.0 + 9639.0);
  // Layers that fit are stacked as given, even when they leave the cells partly empty.
  p.fill = {{"上層", 3.0, 18.0}};
  const auto fit = stack_fill_layers(set_caisson(1, p).caisson, 10.0, 1.0);
  ASSERT_EQ(fit.size(), 1u);
  EXPECT_DOUBLE_EQ(fit[0].bottom, 7.0);
}

TEST_F(CaissonTablesTest, CellCountsTheBlockFileCannotHoldAreRefused) {
  struct Case {
    int n, m;
  };
  for (const Case& c : {Case{0, 2}, Case{2, 0}, Case{9, 2}, Case{2, 9}, Case{-1, 1}}) {
    channel.lines.clear();
    auto& blk = set_caisson(0, hand_caisson());
    blk.caisson.flag_a = static_cast<engine::i16>(c.n);
    blk.caisson.flag_b = static_cast<engine::i16>(c.m);
    const int code = engine::start_engine([] {
      Report report;
      write_caisson_weight_tables(0, report.file);
      return engine::Status::success();
    });
    EXPECT_EQ(code, 1) << c.n << "," << c.m;
    ASSERT_EQ(channel.lines.size(), 1u);
    EXPECT_EQ(channel.lines[0].rfind("QVTMSG\terror\terror\tケーソン《ケーソン》: セル数", 0), 0u)
        << channel.lines[0];
    EXPECT_FALSE(std::filesystem::exists(dir / "BLKVV_00.PFM"));
  }
}

TEST_F(CaissonTablesTest, CellWidthsAddingUpToZeroAreRefused) {
  CaissonParams p = hand_caisson();
  p.b = {0.0, 0.0};
  set_caisson(0, p);
  const int code = engine::start_engine([] {
    Report report;
    write_caisson_weight_tables(0, report.file);
    return engine::Status::success();
  });
  EXPECT_EQ(code, 1);
  ASSERT_EQ(channel.lines.size(), 1u);
  EXPECT_NE(channel.lines[0].find("セル幅の合計が 0 です"), std::string::npos);
  EXPECT_EQ(non_finite_count(), 0);
}

TEST_F(CaissonTablesTest, HaunchesAsWideAsTheCellsKeepTheCentresFinite) {
  CaissonParams p = hand_caisson();
  p.b = {1.0, 1.0};
  p.w = 1.0 + 2.0 + 0.5;
  p.hh = 0.5;
  p.hv = 0.5;
  const CaissonLayout g = caisson_layout(set_caisson(0, p));
  EXPECT_DOUBLE_EQ(g.xh, g.xw);
  Report report;
  write_caisson_weight_tables(0, report.file);
  EXPECT_EQ(non_finite_count(), 0);
}

TEST_F(CaissonTablesTest, LargestSectionComputesWithoutLimits) {
  // Eight cells of eight different widths across and along, eight layers, haunches with the
  // lowest layer thinner than them: 64 cell types per layer, hundreds of rows. Without haunches
  // the volume is the box exactly; with them the cell rows and the deductions still balance the
  // concrete added, which this test leaves to the hand-checked cases above.
  CaissonParams p;
  p.b = {2.0, 2.1, 2.2, 2.3, 2.4, 2.5, 2.6, 2.7};
  p.e = {3.0, 3.1, 3.2, 3.3, 3.4, 3.5, 3.6, 3.7};
  p.wf = 0.5;
  p.wp = 0.4;
  p.we = 0.5;
  p.wq = 0.4;
  p.w = 1.0 + 18.8 + 7 * 0.4;    // 22.6
  p.lb = 1.0 + 26.8 + 7 * 0.4;   // 30.6
  p.h = 20;
  p.f = 1.5;
  p.fill = {{"1", 3, 18}, {"2", 3, 18}, {"3", 3, 18}, {"4", 3, 18},
            {"5", 3, 18}, {"6", 3, 18}, {"7", 0.5, 18}, {"8", 0.0, 18}};
  // 18.5 m of fill in 18.5 m deep cells; the last layer is empty.
  set_caisson(0, p);
  Report report;
  write_caisson_weight_tables(0, report.file);
  const BlockResult& r = run_data.block_results[0][KIND_WEIGHT];
  EXPECT_NEAR(r.volume, 22.6 * 30.6 * 20, 0.01);
  auto vv = lines_of("BLKVV_00.PFM");
  int declared = 0;
  std::sscanf(vv[1].c_str(), "%d", &declared);
  EXPECT_GT(declared, 500);
  EXPECT_EQ(static_cast<int>(vv.size()), 3 + 3 * declared);

  // The same with haunches (X on the empty last layer): computes, finite, and row counts agree.
  p.hh = 0.3;
  p.hv = 0.3;
  set_caisson(1, p);
  write_caisson_weight_tables(1, report.file);
  EXPECT_EQ(non_finite_count(), 0);
  vv = lines_of("BLKVM_01.PFM");
  std::sscanf(vv[1].c_str(), "%d", &declared);
  EXPECT_EQ(static_cast<int>(vv.size()), 3 + 3 * declared);
}

TEST_F(CaissonTablesTest, TheSectionsCallTheCaissonWriters) {
  set_caisson(2, hand_caisson());
  cd().water_levels[2] = -3;
  cd().water_unit_weight = 10.0;
  Report report;
  write_block_weights(report.file);
  write_block_buoyancy(report.file);
  EXPECT_EQ(report_lines(report),
            (std::vector<std::string>{"$0  QVT_BLK.PFM", "$0  BLKVV_02.PFM", "$0  BLKVM_02.PFM",
                                      "$0  QVT_BXY.PFM", "$1  QVT_FRK.PFM", "$0  FRKVV_02.PFM",
                                      "$0  FRKVVV02.PFM", "$0  QVT_BXY.PFM"}));
  EXPECT_DOUBLE_EQ(run_data.block_results[2][KIND_WEIGHT].weight, 17187.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[2][KIND_BUOYANCY].weight, 595.0);
  EXPECT_TRUE(channel.lines.empty());
}

}  // namespace
}  // namespace qvt::zenobar
