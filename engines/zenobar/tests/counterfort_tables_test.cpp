// Counterfort blocks with a vertical front face (type 5, sub-types other than 3): member rows,
// the counterfort cut at the residual water level, fill layers with their deductions, weight,
// buoyancy and centroid of the whole block, and the two generated tables.
#include "engines/zenobar/sections.h"
#include "engines/zenobar/tests/counterfort_fixture.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace qvt::zenobar {
namespace {

using testing::CounterfortParams;
using testing::sjis;

class CounterfortTablesTest : public testing::CounterfortTest {};

// The block of the hand-worked tests, at (10, 2): H 6, D 1, Hr 2.5 (Hs = 2.5), B 4, Tw 0.5,
// Bc 1 (Bs = 2.5, so the counterfort is (6 − y) + 1 wide in the sloped zone), Lf 1, Tf 0.5,
// Cf 0.6 (sub-type 1), L 5, Tc 0.4, one counterfort, no haunches; γ 24, γ' 12. One fill layer
// 裏込石 5 m thick (from the top down to the slab top): 20 below the R.W.L., 18 above, 8
// submerged. R.W.L. at 6 (r = 4 in the block frame, inside the sloped zone).
CounterfortParams hand_block() {
  CounterfortParams p;
  p.ref_x = 10;
  p.ref_y = 2;
  p.fill = {{"裏込石", 5.0, 20.0, 18.0, 8.0}};
  return p;
}

TEST_F(CounterfortTablesTest, HandWorkedWeight) {
  // Concrete, γ 24 (block frame x, y; absolute = +10, +2):
  //   slab      4·5·1 = 20        W 480   x 1 + 2 = 3        y 0.5
  //   wall      0.5·5·5 = 12.5    W 300   x 1.25             y 1 + 2.5 = 3.5
  //   strip     1·0.4·5 = 2       W 48    x 1.5 + 0.5 = 2    y 3.5
  //   triangle  2.5·0.4·2.5/2 = 1.25  W 30  x 2.5 + 2.5/3 = 3.333  y 3.5 + 2.5/3 = 4.333
  //   heel      2.5·0.4·2.5 = 2.5 W 60    x 2.5 + 1.25 = 3.75  y 1 + 1.25 = 2.25
  //   haunches  0 (Hc = 0)
  //   footing   1·5·0.5 = 2.5     W 60    x 0.5              y 0.25
  //   f. haunch 0.6·5·0.6/2 = 0.9 W 21.6  x 1 − 0.2 = 0.8    y 0.5 + 0.2 = 0.7
  //   subtotal  V 41.65, W 999.6
  //   Wx = 480·13 + 300·11.25 + 48·12 + 30·13.333 + 60·13.75 + 60·10.5 + 21.6·10.8
  //      = 6240 + 3375 + 576 + 399.99 + 825 + 630 + 233.28 = 12279.27
  //   Wy = 480·2.5 + 300·5.5 + 48·5.5 + 30·6.333 + 60·4.25 + 60·2.25 + 21.6·2.7
  //      = 1200 + 1650 + 264 + 189.99 + 255 + 135 + 58.32 = 3752.31
  // Fill part above the level, 6..4, γ 18 (pair (1,1): widths 1 at the top, 3 at the bottom):
  //   box 3.5·5·2 = 35 W 630 (x 3.25, y 5); strip −1·0.4·2 = −0.8 W −14.4 (x 2, y 5);
  //   triangle −2·0.4·2/2 = −0.8 W −14.4 (x 2.5 + 2/3 = 3.167, y 4 + 2/3 = 4.667)
  //   subtotal V 33.4, W 601.2; Wx 8347.5 − 172.8 − 189.605 = 7985.095,
  //   Wy 4410 − 100.8 − 96.005 = 4213.195
  // Fill part below the level, 4..1, γ 20 (pair (1,3): width 3 at the top, 3.5 from Z2 = 3.5
  // down; du 0.5, dl 2.5):
  //   box 3.5·5·3 = 52.5 W 1050 (x 3.25, y 2.5); strip −3·0.4·3 = −3.6 W −72 (x 3, y 2.5);
  //   triangle −0.5·0.4·0.5/2 = −0.05 W −1 (x 4.5 + 0.5/3 = 4.667, y 1 + 2.5 + 0.5/3 = 3.667);
  //   lower part −0.5·0.4·2.5 = −0.5 W −10 (x 4.75, y 2.25)
  //   subtotal V 48.35, W 967; Wx 13912.5 − 936 − 14.667 − 147.5 = 12814.333,
  //   Wy 4725 − 324 − 5.667 − 42.5 = 4352.833
  // Whole block: V 123.4 (= slab 20 + wall 12.5 + footing 2.5 + haunch 0.9 + fill box 87.5),
  //   W 2567.8, Wx 33078.698, Wy 12318.338,
  //   x = 33078.698 / 2567.8 = 12.8821 -> 12.882, y = 12318.338 / 2567.8 = 4.7972 -> 4.797.
  set_counterfort(0, hand_block(), "扶壁A");
  cd().water_levels[2] = 6.0;
  int result = -9;
  const auto report = report_of(
      [](engine::PrintFile& f) { return write_counterfort_block_tables(0, f, KIND_WEIGHT); },
      &result);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(report, (std::vector<std::string>{"$0  BKVV_00.PFM", "$0  BKVM_00.PFM"}));
  const BlockResult& r = run_data.block_results[0][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(r.volume, 123.4);
  EXPECT_DOUBLE_EQ(r.weight, 2567.8);
  EXPECT_DOUBLE_EQ(r.moment_x, 33078.698);
  EXPECT_DOUBLE_EQ(r.moment_y, 12318.338);
  EXPECT_DOUBLE_EQ(r.centroid_x, 12.882);
  EXPECT_DOUBLE_EQ(r.centroid_y, 4.797);

  // 11 members and their subtotal, 4 + 1 rows above the level, 8 + 1 below (the haunch rows
  // have zero volume but a count, so they are printed), with 4 rows of heading and total.
  const testing::ParsedTable vv = testing::parse_table(utf8_lines("BKVV_00.PFM"));
  EXPECT_EQ(vv.name, "BKVV_00.PFM");
  EXPECT_EQ(vv.declared_rows, 30);
  ASSERT_EQ(vv.rows.size(), 30u);
  EXPECT_EQ(vv.widths, "18,30,4,10,10,12");
  EXPECT_EQ(vv.rows[0].text, "《扶壁A》重量の算定,@,@,@,@,@");
  EXPECT_EQ(vv.rows[1].text, "名 称, 形状寸法,数,V,   γ   ,W");
  EXPECT_EQ(vv.rows[2].text, ",(m$U3$Z/個) ,,(m$U3$Z),(kN/m$U3$Z),(kN)");
  EXPECT_EQ(vv.rows[3].text, " 底  版          ,  4.000× 5.000× 1.000, 1 ,  20.000 ,24.000 ,   480.000 ");
  EXPECT_EQ(vv.rows[6].text,
            " 扶  壁  （三角）,  2.500× 0.400× 2.500×1/2, 1 ,   1.250 ,24.000 ,    30.000 ");
  EXPECT_EQ(vv.rows[13].text,
            " フーチングハンチ,  0.600× 5.000× 0.600×1/2, 1 ,   0.900 ,24.000 ,    21.600 ");
  EXPECT_EQ(vv.rows[14].text, "小 計,,,  41.650 ,,   999.600 ");
  EXPECT_EQ(vv.rows[14].borders, std::vector<std::string>{"1111,1101,0111,1111,1111,1111"});
  EXPECT_EQ(vv.rows[15].text, " 裏込石          ,  3.500× 5.000× 2.000, 1 ,  35.000 ,18.000 ,   630.000 ");
  // A deduction shows its divisor without the sign, and its V and W negative.
  EXPECT_EQ(vv.rows[17].text,
            "       扶壁  三角,  2.000× 0.400× 2.000×1/2, 1 ,  -0.800 ,18.000 ,   -14.400 ");
  EXPECT_EQ(vv.rows[20].text, " 裏込石          ,  3.500× 5.000× 3.000, 1 ,  52.500 ,20.000 ,  1050.000 ");
  EXPECT_EQ(vv.rows[23].text,
            "       扶壁   横 ,  0.500× 0.400× 2.500, 1 ,  -0.500 ,20.000 ,   -10.000 ");
  EXPECT_EQ(vv.rows[28].text, "小 計,,,  48.350 ,,   967.000 ");
  EXPECT_EQ(vv.rows[29].text, "合 計,,, 123.400 ,,  2567.800 ");

  const testing::ParsedTable vm = testing::parse_table(utf8_lines("BKVM_00.PFM"));
  EXPECT_EQ(vm.declared_rows, 30);
  ASSERT_EQ(vm.rows.size(), 30u);
  EXPECT_EQ(vm.widths, "18,12,10,10,14,14");
  EXPECT_EQ(vm.rows[0].text, "《扶壁A》重心の算定,@,@,@,@,@");
  EXPECT_EQ(vm.rows[6].text,
            " 扶  壁  （三角）,    30.000 ,  13.333 ,   6.333 ,     399.990 ,     189.990 ");
  // Subtotals carry no asterisk: 12279.27 / 999.6 = 12.2842, 3752.31 / 999.6 = 3.7538.
  EXPECT_EQ(vm.rows[14].text,
            "小 計,   999.600 ,  12.284 ,   3.754 ,   12279.270 ,    3752.310 ");
  EXPECT_EQ(vm.rows[19].text,
            "小 計,   601.200 ,  13.282 ,   7.008 ,    7985.095 ,    4213.195 ");
  EXPECT_EQ(vm.rows[29].text,
            "合 計,  2567.800 ,* 12.882 ,*  4.797 ,   33078.698 ,   12318.338 ");
}

TEST_F(CounterfortTablesTest, HandWorkedBuoyancy) {
  // Buoyancy, γ − γ' = 24 − 12 = 12; r = 4 lies in the sloped zone (3.5 < 4 < 6):
  //   w = (6 − 4)·2.5/2.5 + 1 = 3, t = 3.5 − 3 = 0.5, hv = 4 − 1 − 2.5 = 0.5, Hr' = 2.5.
  //   slab 20 U 240 (13, 2.5); wall 0.5·5·3 = 7.5 U 90 (11.25, 1 + 1.5 + 2 = 4.5);
  //   strip 3·0.4·3 = 3.6 U 43.2 (1.5 + 1.5 = 3 -> 13, 4.5);
  //   triangle 0.5·0.4·0.5/2 = 0.05 U 0.6 (4.5 + 0.5/3 -> 14.667, 3.5 + 0.5/3 -> 5.667);
  //   heel 0.5·0.4·2.5 = 0.5 U 6 (14.75, 4.25); footing 2.5 U 30 (10.5, 2.25);
  //   f. haunch 0.9 U 10.8 (10.8, 2.7)           -> V 35.05, U 420.6
  //   Ux 3120 + 1012.5 + 561.6 + 8.8 + 88.5 + 315 + 116.64 = 5223.04
  //   Uy 600 + 405 + 194.4 + 3.4 + 25.5 + 67.5 + 29.16 = 1324.96
  // Fill: only the part below the level, 20 − 8 = 12: box 52.5 U 630, strip −3.6 U −43.2,
  //   triangle −0.05 U −0.6, lower part −0.5 U −6     -> V 48.35, U 580.2
  //   Ux 8347.5 − 561.6 − 8.8 − 88.5 = 7688.6; Uy 2835 − 194.4 − 3.4 − 25.5 = 2611.7
  // Whole: V 83.4 (everything below r = 4: slab, footing, haunch, wall 7.5, fill box 52.5),
  //   U 1000.8, Ux 12911.64, Uy 3936.66, x 12.9013 -> 12.901, y 3.9335 -> 3.934.
  set_counterfort(0, hand_block(), "扶壁A");
  cd().water_levels[2] = 6.0;
  const auto report = report_of(
      [](engine::PrintFile& f) { return write_counterfort_block_tables(0, f, KIND_BUOYANCY); });
  EXPECT_EQ(report, (std::vector<std::string>{"$0  FKVV_00.PFM", "$0  FKVM_00.PFM"}));
  const BlockResult& r = run_data.block_results[0][KIND_BUOYANCY];
  EXPECT_DOUBLE_EQ(r.volume, 83.4);
  EXPECT_DOUBLE_EQ(r.weight, 1000.8);
  EXPECT_DOUBLE_EQ(r.moment_x, 12911.64);
  EXPECT_DOUBLE_EQ(r.moment_y, 3936.66);
  EXPECT_DOUBLE_EQ(r.centroid_x, 12.901);
  EXPECT_DOUBLE_EQ(r.centroid_y, 3.934);
  const testing::ParsedTable vv = testing::parse_table(utf8_lines("FKVV_00.PFM"));
  EXPECT_EQ(vv.declared_rows, 25);
  ASSERT_EQ(vv.rows.size(), 25u);
  EXPECT_EQ(vv.rows[1].text, "名 称, 形状寸法,数,V, γ－γ',W");
  EXPECT_EQ(vv.rows[5].text, " 扶  壁    （縦）,  3.000× 0.400× 3.000, 1 ,   3.600 ,12.000 ,    43.200 ");
  EXPECT_EQ(vv.rows[14].text, "小 計,,,  35.050 ,,   420.600 ");
  EXPECT_EQ(vv.rows[15].text, " 裏込石          ,  3.500× 5.000× 3.000, 1 ,  52.500 ,12.000 ,   630.000 ");
  EXPECT_EQ(vv.rows[24].text, "合 計,,,  83.400 ,,  1000.800 ");
}

// The weight section hands a counterfort block to its tables: the block worked by hand above
// weighs 2567.8 kN for its length of 5 m, listed in the weight section under its own template.
TEST_F(CounterfortTablesTest, WeightSectionDispatchesCounterfortBlocks) {
  set_counterfort(0, hand_block(), "扶壁A");
  cd().water_levels[2] = 6.0;
  engine::PrintFile report;
  open_output(report, "R.PDT");
  write_block_weights(report);
  close_output(report);
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_WEIGHT].weight, 2567.8);
  const auto lines = lines_of("R.PDT");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "$0  BKVV_00.PFM"), lines.end());
  EXPECT_TRUE(channel.lines.empty());
}

TEST_F(CounterfortTablesTest, NoBuoyancyWhenTheBottomIsNotBelowTheLevel) {
  for (int sub_type : {1, 3}) {
    SCOPED_TRACE(sub_type);
    reset_run_data();
    CounterfortParams p = hand_block();
    p.sub_type = sub_type;
    set_counterfort(4, p, "扶壁B");
    cd().water_levels[2] = 2.0;  // at the bottom
    run_data.block_results[4][KIND_BUOYANCY].weight = 7;
    int result = 0;
    const auto report = report_of(
        [](engine::PrintFile& f) { return write_counterfort_block_tables(4, f, KIND_BUOYANCY); },
        &result);
    EXPECT_EQ(result, -1);
    EXPECT_EQ(report, std::vector<std::string>{"$0  FKLB_04.PFM"});
    EXPECT_EQ(utf8_lines("FKLB_04.PFM"),
              (std::vector<std::string>{"FKLB_04.PFM", "2", "", "《扶壁B》 浮力は作用しない"}));
    EXPECT_EQ(run_data.block_results[4][KIND_BUOYANCY].weight, 0.0);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "FKVV_04.PFM"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "FKVM_04.PFM"));
  }
}

// Hr = 5 = H - D: the heel part reaches the top, the counterfort has no slope (Hs = 0) and is
// Bc + Bs = 3.5 wide over its whole height 5. Level 6 (r = 4 in the block frame), γ 24 / 12.
// Weight: slab 20, wall 0.5·5·5 = 12.5, strip Bc·Tc·5 = 1·0.4·5 = 2, triangle 2.5·0.4·0/2 = 0,
//   heel 2.5·0.4·5 = 5, footing 2.5, footing haunch 0.9: V 42.9, W 480 + 300 + 48 + 120 + 60 +
//   21.6 = 1029.6 (the counterfort 2 + 5 = 3.5·0.4·5 as it should). Fill 6..4 (γ 18): box
//   3.5·5·2 = 35, strip −3.5·0.4·2 = −2.8: V 32.2, W 579.6; 4..1 (γ 20): 52.5 − 4.2 = 48.3,
//   W 966. Total V 123.4, W 2575.2.
// Buoyancy, level below the top: the profile below the slope, w 3.5, wall height r − D = 3:
//   slab 20 (W 240), wall 7.5 (90), strip 3.5·0.4·3 = 4.2 (50.4), footing 2.5 (30), haunch
//   0.9 (10.8): V 35.1, W 421.2; fill 4..1 (γ 20 − 8 = 12): 52.5 − 4.2 = 48.3, W 579.6.
//   Total V 83.4, W 1000.8.
// Buoyancy, level at or above the top (r 6 and 8): the concrete as weighed, γ 12: V 42.9,
//   W 514.8; fill 6..1: 87.5 − 7 = 80.5, W 966. Total V 123.4, W 1480.8.
TEST_F(CounterfortTablesTest, SlopedPartWithoutHeightIsWeighed) {
  CounterfortParams p = hand_block();
  p.Hr = 5;
  const auto& blk = set_counterfort(0, p, "扶壁C");
  struct Case {
    int kind;
    double level, volume, weight;
  };
  for (const Case& k : {Case{KIND_WEIGHT, 6, 123.4, 2575.2}, Case{KIND_BUOYANCY, 6, 83.4, 1000.8},
                        Case{KIND_BUOYANCY, 8, 123.4, 1480.8},
                        Case{KIND_BUOYANCY, 10, 123.4, 1480.8}}) {
    SCOPED_TRACE(k.level);
    cd().water_levels[2] = k.level;
    report_of([&](engine::PrintFile& f) { return write_counterfort_block_tables(0, f, k.kind); });
    const BlockResult& r = run_data.block_results[0][k.kind];
    EXPECT_NEAR(r.volume, k.volume, 1e-9);
    EXPECT_NEAR(r.weight, k.weight, 1e-9);
    EXPECT_TRUE(std::isfinite(r.centroid_x) && std::isfinite(r.centroid_y));
  }
  (void)blk;
  EXPECT_EQ(non_finite_count(), 0);
}

TEST_F(CounterfortTablesTest, HeelPartAboveTheTopIsRefused) {
  CounterfortParams p = hand_block();
  p.Hr = 5.5;  // H − D − Hr = −0.5
  const auto& blk = set_counterfort(0, p, "扶壁C");
  for (int kind : {KIND_WEIGHT, KIND_BUOYANCY}) {
    const std::string text = stop_text([&] { (void)counterfort_rows(blk, kind, 6.0); });
    EXPECT_NE(text.find("扶壁式ブロック《扶壁C》: 扶壁の傾斜部の高さ H - D - Hr (-0.500) が負です。"),
              std::string::npos)
        << text;
  }
  // Through the engine: the message is an error line and the exit code 1.
  cd().water_levels[2] = 6.0;
  const int code = engine::start_engine([] {
    engine::PrintFile report;
    open_output(report, "R.PDT");
    write_counterfort_block_tables(0, report, KIND_WEIGHT);
    return engine::Status::success();
  });
  EXPECT_EQ(code, 1);
  ASSERT_EQ(channel.lines.size(), 1u);
  EXPECT_EQ(channel.lines[0].rfind("QVTMSG\terror\terror\t扶壁式ブロック《扶壁C》: ", 0), 0u)
      << channel.lines[0];
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "BKVV_00.PFM"));
  EXPECT_EQ(non_finite_count(), 0);
}

// The concrete rows (0 to 10) of a row list.
std::vector<MemberRow> members(const std::vector<MemberRow>& rows) {
  return std::vector<MemberRow>(rows.begin(), rows.begin() + 11);
}

TEST_F(CounterfortTablesTest, ConcreteCutByTheLevel) {
  CounterfortParams p = hand_block();
  p.Hc = 0.3;
  p.fill.clear();
  const auto& blk = set_counterfort(0, p);
  const double D = 1, ref_y = 2;
  struct Case {
    const char* what;
    double level;                // absolute
    double w, wall_h, tri_h, heel_h;
    int sloped_count;            // rows 3 and 4
  };
  const Case cases[] = {
      // Above the top: the rows of the weight (w = Bc, full heights).
      {"above the top", ref_y + 7, 1, 5, 2.5, 2.5, 1},
      // In the sloped zone, r = 5: w = (6 − 5) + 1 = 2, hv = 5 − 3.5 = 1.5.
      {"sloped zone", ref_y + 5, 2, 4, 1.5, 2.5, 1},
      // Between the slab top and the sloped part, r = 2: Hr' = r − D = 1, rows 3 and 4 gone.
      {"below the slope", ref_y + 2, 3.5, 1, 0, 1, 0},
      // Inside the slab, r = 0.5: nothing of the wall or the counterforts is under water (the
      // raw Hr' would be −0.5 and deduct them); slab, footing and horizontal haunches count.
      {"inside the slab", ref_y + 0.5, 3.5, 0, 0, 0, 0},
  };
  const auto weight = members(counterfort_rows(blk, KIND_WEIGHT, ref_y + 7));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto rows = members(counterfort_rows(blk, KIND_BUOYANCY, c.level));
    EXPECT_DOUBLE_EQ(rows[2].d1, c.w);
    EXPECT_DOUBLE_EQ(rows[1].d3, c.wall_h);
    EXPECT_DOUBLE_EQ(rows[2].d3, c.wall_h);
    EXPECT_DOUBLE_EQ(rows[5].d3, c.wall_h);
    EXPECT_DOUBLE_EQ(rows[1].y, D + c.wall_h / 2);
    EXPECT_DOUBLE_EQ(rows[3].d3, c.tri_h);
    EXPECT_DOUBLE_EQ(rows[4].d3, c.heel_h);
    EXPECT_EQ(rows[3].count, c.sloped_count);
    EXPECT_EQ(rows[4].count, c.sloped_count);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_GE(rows[i].d3, 0.0) << i;
      EXPECT_EQ(rows[i].unit_weight, 12.0) << i;
    }
    // Slab, horizontal haunches, corner haunches, footing and its haunch always count whole.
    for (int i : {0, 6, 7, 8, 9, 10}) {
      EXPECT_EQ(rows[i].d1, weight[i].d1) << i;
      EXPECT_EQ(rows[i].d3, weight[i].d3) << i;
      EXPECT_EQ(rows[i].count, weight[i].count) << i;
    }
  }
  // Above the top the concrete rows are those of the weight, only the unit weight differs.
  const auto above = members(counterfort_rows(blk, KIND_BUOYANCY, ref_y + 7));
  for (std::size_t i = 0; i < above.size(); ++i) {
    EXPECT_EQ(above[i].name, weight[i].name);
    EXPECT_EQ(above[i].d1, weight[i].d1);
    EXPECT_EQ(above[i].d2, weight[i].d2);
    EXPECT_EQ(above[i].d3, weight[i].d3);
    EXPECT_EQ(above[i].x, weight[i].x);
    EXPECT_EQ(above[i].y, weight[i].y);
    EXPECT_EQ(weight[i].unit_weight, 24.0);
  }
  // Inside the slab: no negative volume anywhere.
  std::vector<MemberRow> inside = counterfort_rows(blk, KIND_BUOYANCY, ref_y + 0.5);
  (void)work_member_rows(inside, 10, ref_y);
  for (const MemberRow& r : inside) EXPECT_GE(r.volume, 0.0) << r.name;
}

TEST_F(CounterfortTablesTest, ShapeVariants) {
  // Bc = B − Tw: no sloped part; rows 3 and 4 have count 0 in both kinds. A level above the top
  // then keeps the wall at its own height (the width test alone would not stop at the top).
  {
    CounterfortParams p = hand_block();
    p.Bc = 3.5;
    p.fill.clear();
    const auto& blk = set_counterfort(0, p);
    for (int kind : {KIND_WEIGHT, KIND_BUOYANCY}) {
      const auto rows = counterfort_rows(blk, kind, 2 + 9);
      EXPECT_EQ(rows[3].count, 0);
      EXPECT_EQ(rows[4].count, 0);
      EXPECT_DOUBLE_EQ(rows[1].d3, 5.0) << kind;
      EXPECT_DOUBLE_EQ(rows[2].d1, 3.5);
    }
  }
  // n = 0: counterforts and their haunches disappear, the longitudinal haunch spans L.
  {
    CounterfortParams p = hand_block();
    p.n = 0;
    p.Hc = 0.3;
    const auto& blk = set_counterfort(1, p);
    const auto rows = counterfort_rows(blk, KIND_WEIGHT, 6.0);
    for (int i : {2, 3, 4, 5, 6, 8}) EXPECT_EQ(rows[i].count, 0) << i;
    EXPECT_EQ(rows[7].count, 1);
    EXPECT_DOUBLE_EQ(rows[7].d2, 5.0);
    for (const MemberRow& r : rows) {
      if (r.divisor < 0 && r.name != sjis("    水平ハンチ縦")) {
        EXPECT_EQ(r.count, 0) << r.name;
      }
    }
  }
  // Sub-type 2: the tapered footing top; any other sub-type: an empty footing haunch row.
  {
    CounterfortParams p = hand_block();
    p.sub_type = 2;
    const auto& blk = set_counterfort(2, p);
    const auto rows = counterfort_rows(blk, KIND_WEIGHT, 6.0);
    EXPECT_DOUBLE_EQ(rows[10].d1, 1.0);  // Lf
    EXPECT_DOUBLE_EQ(rows[10].x, 0.667);  // 2·Lf/3
    EXPECT_DOUBLE_EQ(rows[10].y, 0.7);
  }
  {
    CounterfortParams p = hand_block();
    p.sub_type = 0;
    p.fill.clear();
    set_counterfort(3, p, "扶壁D");
    cd().water_levels[2] = 6.0;
    report_of([](engine::PrintFile& f) { return write_counterfort_block_tables(3, f, KIND_WEIGHT); });
    const auto vv = testing::parse_table(utf8_lines("BKVV_03.PFM"));
    ASSERT_EQ(vv.rows.size(), 16u);
    EXPECT_EQ(vv.rows[13].text,
              " フーチングハンチ,  0.000× 5.000× 0.600×1/2, 1 ,   0.000 ,24.000 ,     0.000 ");
  }
}

TEST_F(CounterfortTablesTest, TablesWithoutFillAndWithHaunches) {
  // Sub-type 1 with haunches and two counterforts, no fill: the 12 concrete rows and 4 more.
  CounterfortParams p = hand_block();
  p.n = 2;
  p.Hc = 0.3;
  p.fill.clear();
  set_counterfort(7, p, "扶壁E");
  cd().water_levels[2] = 0.0;
  report_of([](engine::PrintFile& f) { return write_counterfort_block_tables(7, f, KIND_WEIGHT); });
  const auto vv = testing::parse_table(utf8_lines("BKVV_07.PFM"));
  EXPECT_EQ(vv.declared_rows, 16);
  ASSERT_EQ(vv.rows.size(), 16u);
  // Vertical haunch 0.3·0.3·5/2·4 = 0.9; corner haunch 0.3³/3·4 = 0.036; longitudinal haunch
  // 0.3·(5 − (0.6 + 0.4)·2)·0.3/2 = 0.135.
  EXPECT_EQ(vv.rows[8].text,
            " 垂直ハンチ      ,  0.300× 0.300× 5.000×1/2, 4 ,   0.900 ,24.000 ,    21.600 ");
  EXPECT_EQ(vv.rows[10].text,
            " 水平ハンチ縦断側,  0.300× 3.000× 0.300×1/2, 1 ,   0.135 ,24.000 ,     3.240 ");
  EXPECT_EQ(vv.rows[11].text,
            " 隅角部ハンチ    ,  0.300× 0.300× 0.300×1/3, 4 ,   0.036 ,24.000 ,     0.864 ");
  EXPECT_EQ(vv.rows[12].borders, std::vector<std::string>{"1010,1010,1010,1010,1010,1010"});
  const auto vm = testing::parse_table(utf8_lines("BKVM_07.PFM"));
  ASSERT_EQ(vm.rows.size(), 16u);
  EXPECT_EQ(vm.rows[14].text.rfind("小 計,", 0), 0u);
  EXPECT_EQ(vm.rows[14].text.find('*'), std::string::npos);
  EXPECT_EQ(vm.rows[15].text.rfind("合 計,", 0), 0u);
  EXPECT_NE(vm.rows[15].text.find(",*"), std::string::npos);
  EXPECT_EQ(vm.rows[14].borders, std::vector<std::string>{"1111,1111,1111,1111,1111,1111"});
  // Without fill the subtotal is the total.
  const BlockResult& r = run_data.block_results[7][KIND_WEIGHT];
  EXPECT_EQ(vm.rows[15].text,
            cp932_to_utf8_lossy(cp932_printf("合 計,%10.3f ,*%7.3f ,*%7.3f ,%12.3f ,%12.3f ",
                                             r.weight, r.centroid_x, r.centroid_y, r.moment_x,
                                             r.moment_y)));
}

TEST_F(CounterfortTablesTest, FillPairsOfClasses) {
  // Haunch 0.4: Z1 = 6, Z2 = 3.5, Z3 = 1.4. Layers 6..5 (1,1), 5..3 (1,2), 3..2 (2,2),
  // 2..1.2 (2,3): 5, 6, 4 and 7 rows. Weight, level below the block.
  CounterfortParams p = hand_block();
  p.Hc = 0.4;
  p.fill = {{"上層", 1.0, 20, 18, 8}, {"中層", 2.0, 20, 18, 8}, {"下層", 1.0, 20, 18, 8},
            {"底層", 0.8, 20, 18, 8}};
  const auto& blk = set_counterfort(0, p);
  const auto rows = counterfort_rows(blk, KIND_WEIGHT, 0.0);
  std::vector<int> group_sizes;
  int size = 0;
  for (std::size_t i = 12; i < rows.size(); ++i) {
    ++size;
    if (rows[i].subtotal) {
      group_sizes.push_back(size);
      size = 0;
    }
  }
  EXPECT_EQ(group_sizes, (std::vector<int>{5, 6, 4, 7}));
  // (1,2): the triangle above Z2 and the lower part below it; widths 2 at 5, 3.5 from 3.5 down.
  const MemberRow* tri = find_row(rows, "      扶壁  三角", 17);
  ASSERT_NE(tri, nullptr);
  EXPECT_DOUBLE_EQ(tri->d1, 1.5);
  EXPECT_DOUBLE_EQ(tri->d3, 1.5);             // du = 5 − 3.5
  EXPECT_DOUBLE_EQ(tri->y, 3 + 0.5 + 0.5);    // Zb + dl + du/3
  const MemberRow* low = find_row(rows, "      扶壁   横 ", 17);
  ASSERT_NE(low, nullptr);
  EXPECT_DOUBLE_EQ(low->d3, 0.5);             // dl = 3.5 − 3
  // (2,2): the strip is the full width, centred on the heel.
  const MemberRow* strip = find_row(rows, "      扶壁   縦 ", 23);
  ASSERT_NE(strip, nullptr);
  EXPECT_DOUBLE_EQ(strip->d1, 3.5);
  EXPECT_DOUBLE_EQ(strip->x, 1.5 + 1.75);
  // (2,3): the fill's corner haunch sits at 5Hc/8, 3Hc/8.
  const MemberRow* corner = find_row(rows, "    隅角部ハンチ", 12);
  ASSERT_NE(corner, nullptr);
  EXPECT_DOUBLE_EQ(corner->x, 1.75);
  EXPECT_DOUBLE_EQ(corner->y, 1.15);
  EXPECT_EQ(corner->divisor, -3);
}

TEST_F(CounterfortTablesTest, HaunchesAreDeductedOnceWhenTwoSublayersEndInTheirZone) {
  // The level at 1.2 above the bottom splits the only layer inside the haunch zone (Z3 = 1.3):
  // both parts end in it. The horizontal and corner haunches are deducted once, from the lower
  // part, so the fill's volume is the box less the concrete it holds.
  CounterfortParams p = hand_block();
  p.Hc = 0.3;
  p.fill = {{"裏込石", 5.0, 20.0, 18.0, 8.0}};
  const auto& blk = set_counterfort(0, p);
  auto rows = counterfort_rows(blk, KIND_WEIGHT, 2 + 1.2);
  int transverse = 0;
  for (const MemberRow& r : rows) transverse += r.name == sjis("    水平ハンチ横");
  EXPECT_EQ(transverse, 1);
  // Gross 3.5·5·5 = 87.5; counterfort in the fill 2.5·0.4 (strip 1 wide, 5 high = 2.0 plus the
  // sloped and heel parts 1.25 + 2.5) = 5.75; vertical haunches 0.3·0.3/2·5·2 = 0.45;
  // horizontal haunches 3.2·0.3·0.3/2·2 = 0.288 and 0.3·(5 − 1.0)·0.3/2 = 0.18; corners
  // 0.3³/3·2 = 0.018. Fill volume 87.5 − 5.75 − 0.45 − 0.288 − 0.18 − 0.018 = 80.814.
  const BlockResult total = work_member_rows(rows, 10, 2);
  double fill = 0;
  bool in_fill = false;
  for (const MemberRow& r : rows) {
    if (in_fill && !r.subtotal) fill += r.volume;
    if (r.subtotal) in_fill = true;
  }
  EXPECT_NEAR(fill, 80.814, 1e-9);
  EXPECT_GT(total.weight, 0.0);
}

TEST_F(CounterfortTablesTest, ManyThinLayersGrowPastFiftyRows) {
  // Eight layers, each across nothing but the sloped zone, all above the level: 8 × 5 rows of
  // fill with the 12 concrete rows make 52, past the fifty rows the printed tables once held.
  CounterfortParams p = hand_block();
  p.fill.clear();
  for (int k = 0; k < 8; ++k) p.fill.push_back({"層", 0.25, 20, 18, 8});
  set_counterfort(5, p);
  cd().water_levels[2] = 0.0;
  report_of([](engine::PrintFile& f) { return write_counterfort_block_tables(5, f, KIND_WEIGHT); });
  const auto vv = testing::parse_table(utf8_lines("BKVV_05.PFM"));
  EXPECT_EQ(vv.declared_rows, 12 + 8 * 5 + 4);
  EXPECT_EQ(static_cast<int>(vv.rows.size()), vv.declared_rows);
  const auto vm = testing::parse_table(utf8_lines("BKVM_05.PFM"));
  EXPECT_EQ(static_cast<int>(vm.rows.size()), vv.declared_rows);
}

TEST_F(CounterfortTablesTest, LayersReachingBelowTheSlabTopAreCutThere) {
  // 3 + 3 m of fill in the 5 m above the slab: the second layer is cut at the slab top (2 m),
  // so the block holds no fill inside its slab.
  CounterfortParams p = hand_block();
  p.fill = {{"上層", 3.0, 20, 18, 8}, {"下層", 3.0, 20, 18, 8}};
  const auto& blk = set_counterfort(0, p);
  auto rows = counterfort_rows(blk, KIND_WEIGHT, 0.0);
  const MemberRow* lower = find_row(rows, "下層");
  ASSERT_NE(lower, nullptr);
  EXPECT_DOUBLE_EQ(lower->d3, 2.0);
  EXPECT_DOUBLE_EQ(lower->y, 2.0);
  const BlockResult total = work_member_rows(rows, 10, 2);
  EXPECT_DOUBLE_EQ(total.volume, 123.4);  // as with one layer of 5 m
}

TEST_F(CounterfortTablesTest, LayerNamesAreCutToTheNameColumn) {
  CounterfortParams p = hand_block();
  p.fill = {{"ながいながいなまえの", 5.0, 20.0, 18.0, 8.0}};
  const auto& blk = set_counterfort(0, p);
  const auto rows = counterfort_rows(blk, KIND_WEIGHT, 0.0);
  EXPECT_EQ(rows[12].name, sjis("ながいながいなま"));
}

TEST_F(CounterfortTablesTest, SectionsDispatchTheCounterfort) {
  set_counterfort(2, hand_block(), "扶壁F");
  cd().water_levels[2] = 6.0;
  report_of([](engine::PrintFile& f) {
    write_block_weights(f);
    write_block_buoyancy(f);
    return 0;
  });
  EXPECT_DOUBLE_EQ(run_data.block_results[2][KIND_WEIGHT].weight, 2567.8);
  EXPECT_DOUBLE_EQ(run_data.block_results[2][KIND_BUOYANCY].weight, 1000.8);
  EXPECT_TRUE(channel.lines.empty());
}

}  // namespace
}  // namespace qvt::zenobar
