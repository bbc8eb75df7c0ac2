// Caisson with footings (type 3): member rows cut at the residual water level, fill split at
// it, weight and buoyancy of the whole body.
#include "engines/zenobar/sections.h"
#include "engines/zenobar/tests/caisson_fixture.h"

#include <algorithm>

namespace qvt::zenobar {
namespace {

using testing::CaissonParams;
using testing::sjis;

class FootingCaissonTablesTest : public testing::CaissonTest {
 protected:
  static std::vector<std::string> names(const std::vector<MemberRow>& rows) {
    std::vector<std::string> out;
    for (const MemberRow& r : rows) out.push_back(r.name);
    return out;
  }
};

// One cell 4.0 × 5.0 in a body 5 × 6 × 6 m (walls 0.5 all round), no footing, no haunch;
// one fill layer filling the cell, 18 above the R.W.L., 20 below it, 10 submerged.
CaissonParams one_cell() {
  CaissonParams p;
  p.type = engine::BLOCK_FOOTING_CAISSON;
  p.s = 5;
  p.h = 6;
  p.f = 0;
  p.w = 5;
  p.wf = 0.5;
  p.wp = 0;
  p.lb = 6;
  p.we = 0.5;
  p.wq = 0;
  p.b = {4.0};
  p.e = {5.0};
  p.gamma = 24;
  p.gamma_sub = 14;
  p.fill = {{"中詰砂", 6.0, 20.0, 18.0, 10.0}};
  return p;
}

TEST_F(FootingCaissonTablesTest, HandWorkedWeightWithAStraddlingLayer) {
  // R.W.L. 2 m above the base.
  // Concrete: box 5·6·6 = 180 less the cell 4·5·6 = 120: 60 m3 (walls 0.5·6·6·2 = 36 and
  //   4·0.5·6·2 = 24), ·24 = 1440 kN at x 2.5, y 3.
  // Fill above the level: 4·5·4 = 80 m3 ·18 = 1440 at y 4; below: 4·5·2 = 40 ·20 = 800 at y 1.
  // Whole body: V = 180 (the box), W = 3680, Wx = 3680·2.5 = 9200,
  //   Wy = 1440·3 + 1440·4 + 800·1 = 10880, y = 10880/3680 = 2.95652 -> 2.957.
  set_caisson(0, one_cell(), "函体");
  cd().water_levels[2] = 2.0;
  Report report;
  EXPECT_EQ(write_footing_caisson_tables(0, report.file, KIND_WEIGHT), 0);
  const BlockResult& r = run_data.block_results[0][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(r.volume, 180.0);
  EXPECT_DOUBLE_EQ(r.weight, 3680.0);
  EXPECT_DOUBLE_EQ(r.moment_x, 9200.0);
  EXPECT_DOUBLE_EQ(r.moment_y, 10880.0);
  EXPECT_DOUBLE_EQ(r.centroid_x, 2.5);
  EXPECT_DOUBLE_EQ(r.centroid_y, 2.957);
  EXPECT_EQ(report_lines(report),
            (std::vector<std::string>{"$0  BLKVV_00.PFM", "$0  BLKVM_00.PFM"}));
  // Printed: two wall rows, subtotal, the part above with its subtotal, the part below with its.
  EXPECT_EQ(lines_of("BLKVV_00.PFM"),
            (std::vector<std::string>{
                "BLKVV_00.PFM", "11,6,0,1", "18,28,4,10,10,12",
                "2,@,@,@,@,@", sjis("《函体》,@,@,@,@,@"), "0100,@,@,@,@,@",
                "3,2,3,3,3,3", sjis("名 称, 形状寸法,数,V,   γ   ,W"),
                "1011,1011,1011,1011,1011,1011",
                "3,1,3,3,3,3", sjis(",(m$U3$Z/個) ,,(m$U3$Z),(kN/m$U3$Z),(kN)"),
                "1110,1110,1110,1110,1110,1110",
                "2,2,1,1,1,1",
                sjis(" 側 壁   縦断側  ,  0.50× 6.00× 6.000, 2 ,  36.000 ,24.000 ,   864.000 "),
                "1010,1010,1010,1010,1010,1010",
                "2,2,1,1,1,1",
                sjis(" 側 壁   横断側  ,  4.00× 0.50× 6.000, 2 ,  24.000 ,24.000 ,   576.000 "),
                "1010,1010,1010,1010,1010,1010",
                "3,3,1,1,1,1", sjis("小 計,,,  60.000 ,,  1440.000 "),
                "1111,1101,0111,1111,1111,1111",
                "2,2,1,1,1,1",
                sjis(" 中詰砂          ,  4.000× 5.000× 4.000, 1 ,  80.000 ,18.000 ,  1440.000 "),
                "1010,1010,1010,1010,1010,1010",
                "3,3,1,1,1,1", sjis("小 計,,,  80.000 ,,  1440.000 "),
                "1111,1101,0111,1111,1111,1111",
                "2,2,1,1,1,1",
                sjis(" 中詰砂          ,  4.000× 5.000× 2.000, 1 ,  40.000 ,20.000 ,   800.000 "),
                "1010,1010,1010,1010,1010,1010",
                "3,3,1,1,1,1", sjis("小 計,,,  40.000 ,,   800.000 "),
                "1111,1101,0111,1111,1111,1111",
                "3,3,1,1,1,1", sjis("合 計,,, 180.000 ,,  3680.000 "),
                "1111,1101,0111,1111,1111,1111"}));
  const auto vm = lines_of("BLKVM_00.PFM");
  ASSERT_EQ(vm.size(), 3u + 3 * 11);
  EXPECT_EQ(vm[1], "11,6,0,1");
  EXPECT_EQ(vm[4], sjis("《函体》,@,@,@,@,@"));
  EXPECT_EQ(vm[13], sjis(" 側 壁   縦断側  ,   864.000 ,   2.500 ,   3.000 ,    2160.000 ,    2592.000 "));
  // Subtotals without the asterisk; the total with it.
  EXPECT_EQ(vm[19], sjis("小 計,  1440.000 ,   2.500 ,   3.000 ,    3600.000 ,    4320.000 "));
  EXPECT_EQ(vm[25], sjis("小 計,  1440.000 ,   2.500 ,   4.000 ,    3600.000 ,    5760.000 "));
  EXPECT_EQ(vm[34], sjis("合 計,  3680.000 ,*  2.500 ,*  2.957 ,    9200.000 ,   10880.000 "));
}

TEST_F(FootingCaissonTablesTest, HandWorkedBuoyancy) {
  // R.W.L. 2: case 1, hb = 2. Concrete γ - γ' = 24 - 14 = 10:
  //   walls 0.5·6·2·2 = 12 -> 120, 4·0.5·2·2 = 8 -> 80, all at y 1;
  //   fill below the level 4·5·2 = 40 m3 with 20 - 10 = 10 -> 400 at y 1; the part above is absent.
  //   U = 600, V = 60, Ux = 1500, Uy = 600; centroid (2.5, 1.0).
  set_caisson(0, one_cell(), "函体");
  cd().water_levels[2] = 2.0;
  Report report;
  EXPECT_EQ(write_footing_caisson_tables(0, report.file, KIND_BUOYANCY), 0);
  const BlockResult& r = run_data.block_results[0][KIND_BUOYANCY];
  EXPECT_DOUBLE_EQ(r.weight, 600.0);
  EXPECT_DOUBLE_EQ(r.volume, 60.0);
  EXPECT_DOUBLE_EQ(r.moment_x, 1500.0);
  EXPECT_DOUBLE_EQ(r.moment_y, 600.0);
  EXPECT_DOUBLE_EQ(r.centroid_x, 2.5);
  EXPECT_DOUBLE_EQ(r.centroid_y, 1.0);
  EXPECT_EQ(report_lines(report),
            (std::vector<std::string>{"$0  FRKVV_00.PFM", "$0  FRKVM_00.PFM"}));
  const auto vv = lines_of("FRKVV_00.PFM");
  ASSERT_EQ(vv.size(), 3u + 3 * 9);
  EXPECT_EQ(vv[1], "9,6,0,1");
  EXPECT_EQ(vv[7], sjis("名 称, 形状寸法,数,V, γ－γ',W"));
  EXPECT_EQ(vv[13], sjis(" 側 壁   縦断側  ,  0.50× 6.00× 2.000, 2 ,  12.000 ,10.000 ,   120.000 "));
  EXPECT_EQ(vv[22], sjis(" 中詰砂          ,  4.000× 5.000× 2.000, 1 ,  40.000 ,10.000 ,   400.000 "));
  EXPECT_EQ(vv[28], sjis("合 計,,,  60.000 ,,   600.000 "));
  const auto vm = lines_of("FRKVM_00.PFM");
  EXPECT_EQ(vm[vm.size() - 2],
            sjis("合 計,   600.000 ,*  2.500 ,*  1.000 ,    1500.000 ,     600.000 "));
}

TEST_F(FootingCaissonTablesTest, BuoyancyWithTheLevelAtTheBottom) {
  set_caisson(3, one_cell(), "函体");
  cd().water_levels[2] = 0.0;
  run_data.block_results[3][KIND_BUOYANCY].weight = 5;
  Report report;
  EXPECT_EQ(write_footing_caisson_tables(3, report.file, KIND_BUOYANCY), -1);
  EXPECT_EQ(run_data.block_results[3][KIND_BUOYANCY].weight, 0.0);
  EXPECT_EQ(report_lines(report), std::vector<std::string>{"$0  FRKVV_03.PFM"});
  EXPECT_EQ(lines_of("FRKVV_03.PFM"),
            (std::vector<std::string>{"FRKVV_03.PFM", "2", "", sjis("《函体》 浮力は作用しない")}));
  EXPECT_FALSE(std::filesystem::exists(dir / "FRKVM_03.PFM"));
  // The weight is not cut by the level.
  EXPECT_EQ(write_footing_caisson_tables(3, report.file, KIND_WEIGHT), 0);
}

TEST_F(FootingCaissonTablesTest, LevelAboveTheTopListsTheWeightRowsAndEveryLayer) {
  CaissonParams p = one_cell();
  p.fill = {{"上層", 4.0, 20.0, 18.0, 10.0}, {"下層", 2.0, 21.0, 19.0, 11.0}};
  const auto& blk = set_caisson(0, p);
  const auto weight = footing_caisson_rows(blk, KIND_WEIGHT, 7.0);
  const auto buoyancy = footing_caisson_rows(blk, KIND_BUOYANCY, 7.0);
  ASSERT_EQ(weight.size(), buoyancy.size());
  for (std::size_t i = 0; i < weight.size(); ++i) {
    EXPECT_EQ(buoyancy[i].name, weight[i].name) << i;
    EXPECT_EQ(buoyancy[i].d1, weight[i].d1) << i;
    EXPECT_EQ(buoyancy[i].d3, weight[i].d3) << i;
    EXPECT_EQ(buoyancy[i].count, weight[i].count) << i;
  }
  // Members 0..6 and a subtotal; then each layer with g1 - g3 (weight: g1, wholly below).
  ASSERT_EQ(buoyancy.size(), 8u + 2 + 2);
  EXPECT_EQ(buoyancy[0].unit_weight, 10.0);
  EXPECT_EQ(buoyancy[8].unit_weight, 10.0);
  EXPECT_EQ(buoyancy[10].unit_weight, 10.0);
  EXPECT_EQ(weight[8].unit_weight, 20.0);
  EXPECT_EQ(weight[10].unit_weight, 21.0);
}

TEST_F(FootingCaissonTablesTest, LayersAboveAndAcrossTheLevel) {
  // Layers 6..3 (wholly above a level at 2) and 3..0 (straddling it).
  CaissonParams p = one_cell();
  p.fill = {{"上層", 3.0, 20.0, 18.0, 10.0}, {"下層", 3.0, 21.0, 19.0, 11.0}};
  const auto& blk = set_caisson(0, p);
  const std::string sub = sjis("    小  計");
  const auto weight = footing_caisson_rows(blk, KIND_WEIGHT, 2.0);
  const auto all = names(weight);
  const std::vector<std::string> fill_names(all.begin() + 8, all.end());
  EXPECT_EQ(fill_names, (std::vector<std::string>{sjis("上層"), sub, sjis("下層"), sub,
                                                  sjis("下層"), sub}));
  EXPECT_EQ(weight[8].unit_weight, 18.0);  // above: g2
  EXPECT_EQ(weight[10].unit_weight, 19.0);  // straddling, upper part: g2
  EXPECT_DOUBLE_EQ(weight[10].d3, 1.0);
  EXPECT_DOUBLE_EQ(weight[10].y, 2.5);
  EXPECT_EQ(weight[12].unit_weight, 21.0);  // lower part: g1
  EXPECT_DOUBLE_EQ(weight[12].d3, 2.0);
  EXPECT_DOUBLE_EQ(weight[12].y, 1.0);
  const auto buoyancy = footing_caisson_rows(blk, KIND_BUOYANCY, 2.0);
  const auto all_b = names(buoyancy);
  const std::vector<std::string> b_names(all_b.begin() + 8, all_b.end());
  EXPECT_EQ(b_names, (std::vector<std::string>{sjis("下層"), sub}));
  EXPECT_EQ(buoyancy[8].unit_weight, 10.0);  // 21 - 11
  EXPECT_DOUBLE_EQ(buoyancy[8].d3, 2.0);
}

TEST_F(FootingCaissonTablesTest, LevelInsideTheFootingHaunch) {
  // Footings both sides (S = 1): L = 1.5, T = 1.0, C = 0.5; R.W.L. 1.2: case 2, e = 0.3.
  //   footing 1.5·6·1.0·2 = 18; haunch triangle (C - e)·6·(C - e)/2·2 = 0.2·6·0.2 = 0.24;
  //   rectangle e·6·(C - e)·2 = 0.3·6·0.2·2 = 0.72; walls cut at hb = 1.2.
  // Weight: seven member rows with the whole haunch C·6·C/2·2 = 1.5.
  CaissonParams p = one_cell();
  p.s = 1;
  p.l = 1.5;
  p.t = 1.0;
  p.c = 0.5;
  const auto& blk = set_caisson(0, p);
  auto buoyancy = footing_caisson_rows(blk, KIND_BUOYANCY, 1.2);
  work_member_rows(buoyancy, 0, 0);
  ASSERT_GE(buoyancy.size(), 9u);
  const auto all = names(buoyancy);
  EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 9),
            (std::vector<std::string>{sjis("側 壁   縦断側  "), sjis("隔 壁   縦断側  "),
                                      sjis("側 壁   横断側  "), sjis("隔 壁   横断側  "),
                                      sjis("垂直ﾊﾝﾁ         "), sjis("ﾌｰﾁﾝｸﾞ          "),
                                      sjis("ﾌｰﾁﾝｸﾞﾊﾝﾁ 1     "), sjis("ﾌｰﾁﾝｸﾞﾊﾝﾁ 2     "),
                                      sjis("    小  計")}));
  EXPECT_DOUBLE_EQ(buoyancy[0].d3, 1.2);
  EXPECT_DOUBLE_EQ(buoyancy[5].volume, 18.0);
  EXPECT_DOUBLE_EQ(buoyancy[6].volume, 0.24);
  EXPECT_DOUBLE_EQ(buoyancy[6].y, 1.067);  // 1 + 0.2/3
  EXPECT_DOUBLE_EQ(buoyancy[7].volume, 0.72);
  EXPECT_DOUBLE_EQ(buoyancy[7].y, 1.1);
  auto weight = footing_caisson_rows(blk, KIND_WEIGHT, 1.2);
  work_member_rows(weight, 0, 0);
  EXPECT_EQ(weight[6].name, sjis("ﾌｰﾁﾝｸﾞﾊﾝﾁ       "));
  EXPECT_DOUBLE_EQ(weight[6].volume, 1.5);
  EXPECT_TRUE(weight[7].subtotal);
  // Inside the footing (case 3): six member rows, body and footing cut at the level.
  const auto low = footing_caisson_rows(blk, KIND_BUOYANCY, 0.6);
  EXPECT_TRUE(low[6].subtotal);
  EXPECT_DOUBLE_EQ(low[5].d3, 0.6);
}

TEST_F(FootingCaissonTablesTest, VerticalHaunches) {
  // Hh = 0: the member row has count 0 and the fill parts have no haunch row.
  CaissonParams p = one_cell();
  auto rows = footing_caisson_rows(set_caisson(0, p), KIND_WEIGHT, 2.0);
  EXPECT_EQ(rows[4].count, 0);
  const auto all = names(rows);
  EXPECT_EQ(std::count(all.begin(), all.end(), sjis("      垂直ハンチ")), 0);
  // Hh = 0.3: 4·N·M = 4 member haunches 0.3·0.3·6/2·4 = 1.08; each fill part deducts
  // 0.3·0.3·d3/2·4: 0.72 above (d3 4), 0.36 below (d3 2).
  p.hh = 0.3;
  rows = footing_caisson_rows(set_caisson(1, p), KIND_WEIGHT, 2.0);
  work_member_rows(rows, 0, 0);
  EXPECT_DOUBLE_EQ(rows[4].volume, 1.08);
  EXPECT_EQ(rows[9].name, sjis("      垂直ハンチ"));
  EXPECT_DOUBLE_EQ(rows[9].volume, -0.72);
  EXPECT_EQ(rows[12].name, sjis("      垂直ハンチ"));
  EXPECT_DOUBLE_EQ(rows[12].volume, -0.36);
}

TEST_F(FootingCaissonTablesTest, RecipesWithoutFootingPrintNoFootingRows) {
  for (int s : {5, 0, 9}) {
    CaissonParams p = one_cell();
    p.s = s;
    set_caisson(0, p, "函体");
    cd().water_levels[2] = 2.0;
    Report report;
    write_footing_caisson_tables(0, report.file, KIND_WEIGHT);
    for (const auto& line : lines_of("BLKVV_00.PFM"))
      EXPECT_EQ(line.find(sjis("ﾌｰﾁﾝｸﾞ")), std::string::npos) << s << ": " << line;
    EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_WEIGHT].weight, 3680.0) << s;
  }
}

TEST_F(FootingCaissonTablesTest, FillDeeperThanTheBodyIsCutAtTheBase) {
  // 4 + 4 m of fill in a 6 m body: the second layer keeps 2 m; the volume is the box.
  CaissonParams p = one_cell();
  p.fill = {{"上層", 4.0, 20.0, 18.0, 10.0}, {"下層", 4.0, 20.0, 18.0, 10.0}};
  set_caisson(0, p);
  cd().water_levels[2] = 10.0;
  Report report;
  write_footing_caisson_tables(0, report.file, KIND_WEIGHT);
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_WEIGHT].volume, 180.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_WEIGHT].weight, 1440.0 + 120 * 20.0);
}

TEST_F(FootingCaissonTablesTest, LargeSectionsAndRefusedCellCounts) {
  // Eight by eight cells of distinct sizes, eight layers each straddling nothing but the last:
  // far more than 24 rows. Without haunches the volume is the box.
  CaissonParams p = one_cell();
  p.b = {2.0, 2.1, 2.2, 2.3, 2.4, 2.5, 2.6, 2.7};
  p.e = {3.0, 3.1, 3.2, 3.3, 3.4, 3.5, 3.6, 3.7};
  p.wp = 0.4;
  p.wq = 0.4;
  p.w = 1.0 + 18.8 + 2.8;
  p.lb = 1.0 + 26.8 + 2.8;
  p.h = 16;
  p.fill.clear();
  for (int k = 0; k < 8; ++k) p.fill.push_back({"層", 2.0, 20.0, 18.0, 10.0});
  set_caisson(0, p);
  cd().water_levels[2] = 1.0;
  Report report;
  write_footing_caisson_tables(0, report.file, KIND_WEIGHT);
  write_footing_caisson_tables(0, report.file, KIND_BUOYANCY);
  EXPECT_NEAR(run_data.block_results[0][KIND_WEIGHT].volume, 22.6 * 30.6 * 16, 0.01);
  for (const char* name : {"BLKVV_00.PFM", "BLKVM_00.PFM", "FRKVV_00.PFM", "FRKVM_00.PFM"}) {
    const auto lines = lines_of(name);
    int declared = 0;
    std::sscanf(lines[1].c_str(), "%d", &declared);
    EXPECT_GT(declared, 24) << name;
    EXPECT_EQ(static_cast<int>(lines.size()), 3 + 3 * declared) << name;
  }
  EXPECT_EQ(non_finite_count(), 0);

  // Nine cells across cannot be read from the block file: refused before anything is written.
  auto& blk = set_caisson(1, one_cell());
  blk.caisson.flag_a = 9;
  const int code = engine::start_engine([] {
    Report r;
    write_footing_caisson_tables(1, r.file, KIND_BUOYANCY);
    return engine::Status::success();
  });
  EXPECT_EQ(code, 1);
  ASSERT_EQ(channel.lines.size(), 1u);
  EXPECT_EQ(channel.lines[0].rfind("QVTMSG\terror\t", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(dir / "FRKVV_01.PFM"));
}

TEST_F(FootingCaissonTablesTest, TheSectionsCallTheWriterForBothKinds) {
  set_caisson(1, one_cell(), "函体");
  cd().water_levels[2] = 2.0;
  Report report;
  write_block_weights(report.file);
  write_block_buoyancy(report.file);
  EXPECT_EQ(report_lines(report),
            (std::vector<std::string>{"$0  QVT_BLK.PFM", "$0  BLKVV_01.PFM", "$0  BLKVM_01.PFM",
                                      "$0  QVT_BXY.PFM", "$1  QVT_FRK.PFM", "$0  FRKVV_01.PFM",
                                      "$0  FRKVM_01.PFM", "$0  QVT_BXY.PFM"}));
  EXPECT_DOUBLE_EQ(run_data.block_results[1][KIND_WEIGHT].weight, 3680.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[1][KIND_BUOYANCY].weight, 600.0);
}

}  // namespace
}  // namespace qvt::zenobar
