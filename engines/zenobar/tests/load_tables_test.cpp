#include "engines/zenobar/load_tables.h"

#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"
#include "engines/zenobar/tests/zen_fixture.h"

namespace qvt::zenobar {
namespace {

using testing::parse_table;
using testing::ParsedTable;
using testing::sjis;

// Three blocks about the toe (0, -10), kh = 0.15:
//   slot 1, label 0, improved body (type 7, block pattern): W 800, centroid (5, -5)
//       x = 5 - 0 = 5, M = 800 x 5 = 4000; y = -5 - (-10) = 5, Wh = 0.15 x 800 = 120, Mwh = 600
//   slot 0, label 1, superstructure (type 1): W 120, centroid (1, 1.5)
//       x = 1, M = 120; y = 11.5, Wh = 18, Mwh = 18 x 11.5 = 207
//   slot 2, label 2, caisson (type 2) of length 4: whole weight 1000, centroid (3, 2)
//       W = 1000 / 4 = 250, x = 3, M = 750; y = 12, Wh = 37.5, Mwh = 450
// Two wall-top loads: (w 30, x 4, m 120, h 4.5, y 13, mh 58.5), (w 10, x 6, m 60, h 1.5, y 13,
// mh 19.5).
//   vertical load 800 + 120 + 250 + 30 + 10 = 1210, moment 4000 + 120 + 750 + 120 + 60 = 5050
//   inertia 120 + 18 + 37.5 + 4.5 + 1.5 = 181.5, moment 600 + 207 + 450 + 58.5 + 19.5 = 1335
class LoadTablesTest : public testing::ZenTest {
 protected:
  LoadTablesTest() {
    cd().toe_x = 0;
    cd().toe_y = -10;
    cd().seismic_coef_inertia = 0.15;
    set_rect(1, 7, 0, "改良体", -2, -20, 14, 15, 18, 8, 18);
    set_rect(0, 1, 1, "上部工", 0, 0, 2, 3, 20, 10, 20);
    auto& caisson = cd().wall_blocks[2];
    caisson.block_type = engine::BLOCK_CAISSON;
    caisson.head.name.assign("CAISSON");
    caisson.caisson.dims_a[2][0] = 4.0;
    cd().block_label_numbers[2] = 2;
    cd().used_slot_count = 3;
    result(1) = {800, 5, -5, 4000, -4000, 0};
    result(0) = {120, 1, 1.5, 120, 180, 0};
    result(2) = {1000, 3, 2, 3000, 2000, 0};
    set_top_surcharge_rows({{30, 4, 120, 4.5, 13, 58.5}, {10, 6, 60, 1.5, 13, 19.5}});
    open_output(report, "R.PDT");
  }

  BlockResult& result(int slot, int kind = KIND_WEIGHT) {
    return run_data.block_results[slot][kind];
  }

  // Every data row carries two border lines, the header and total rows one; the shape line
  // declares exactly the rows written.
  static void expect_shape(const ParsedTable& t, int header_rows, int columns) {
    EXPECT_EQ(t.declared_rows, static_cast<int>(t.rows.size()));
    EXPECT_EQ(t.columns, columns);
    for (std::size_t i = 0; i < t.rows.size(); ++i) {
      const bool data = i >= static_cast<std::size_t>(header_rows) && i + 1 < t.rows.size();
      EXPECT_EQ(t.rows[i].borders.size(), data ? 2u : 1u) << "row " << i;
    }
  }

  engine::PrintFile report;
};

TEST_F(LoadTablesTest, VerticalLoadTableOfTheNormalCase) {
  write_vertical_load_table(report);
  close_output(report);
  EXPECT_DOUBLE_EQ(run_data.weight_totals.vertical_load(), 1210.0);
  EXPECT_DOUBLE_EQ(run_data.weight_totals.vertical_moment(), 5050.0);

  const ParsedTable t = parse_table(lines_of("M_BLKV_A.PFM"));
  EXPECT_EQ(t.name, "M_BLKV_A.PFM");
  EXPECT_EQ(t.widths, "4,18,12,18,10,14");
  ASSERT_EQ(t.rows.size(), 8u);  // 2 headers, 3 blocks, 2 wall-top loads, total
  expect_shape(t, 2, 6);
  EXPECT_EQ(t.rows[0].text, sjis("No,名 称,重 量  W$SV$Z,@,作用長さ,M$SWV$Z"));
  EXPECT_EQ(t.rows[2].align, "3,2,1,@,1,1");
  EXPECT_EQ(t.rows[2].text, sjis(" 1, 改良体          , 800.000 ,@,   5.000 ,    4000.000 "));
  EXPECT_EQ(t.rows[2].borders[0], "1010,1010,1010,@,1010,1010");
  EXPECT_EQ(t.rows[2].borders[1], "1110,1110,1110,@,1110,1110");
  EXPECT_EQ(t.rows[3].text, sjis(" 2, 上部工          , 120.000 ,@,   1.000 ,     120.000 "));
  EXPECT_EQ(t.rows[4].align, "3,2,2,@,1,1");
  EXPECT_EQ(t.rows[4].text,
            " 3, CAISSON         ,   1000.000 /  4.000  250.000,@,   3.000 ,     750.000 ");
  // The wall-top loads take one number together.
  EXPECT_EQ(t.rows[5].text, sjis(" 4, 上載荷重1 ,  30.000 ,@,   4.000 ,     120.000 "));
  EXPECT_EQ(t.rows[6].text, sjis(", 上載荷重2 ,  10.000 ,@,   6.000 ,      60.000 "));
  EXPECT_EQ(t.rows[7].align, "3,@,1,@,3,1");
  EXPECT_EQ(t.rows[7].text, sjis("計,@,  1210.000 ,@,,    5050.000 ,"));
  EXPECT_EQ(t.rows[7].borders[0], "1111,@,1111,@,1111,1111");

  // The report names the table in a block record.
  const auto report_lines = lines_of("R.PDT");
  ASSERT_EQ(report_lines.size(), 1u);
  EXPECT_EQ(report_lines[0], "$0  M_BLKV_A.PFM");
}

TEST_F(LoadTablesTest, IgnoredWallTopLoadsAreNeitherListedNorCounted) {
  cd().top_surcharge_ignored = 1;
  write_vertical_load_table(report);
  close_output(report);
  const ParsedTable t = parse_table(lines_of("M_BLKV_A.PFM"));
  EXPECT_EQ(t.declared_rows, 6);
  ASSERT_EQ(t.rows.size(), 6u);
  EXPECT_DOUBLE_EQ(run_data.weight_totals.vertical_load(), 1170.0);
}

TEST_F(LoadTablesTest, WallBlockTakesAnImprovedAndAnUnimprovedRow) {
  // Wall pattern: slot 1 is split into 500 at (4, -6) and 300 at (6, -6).
  //   improved x = 4, M = 2000; unimproved x = 6, M = 1800.
  cd().improvement_pattern = PATTERN_WALL;
  run_data.wall_split_results[1][KIND_WEIGHT] = {500, 300, 4, 6, -6, -6, 2000, 1800, -3000, -1800};
  cd().top_surcharge_ignored = 1;
  write_vertical_load_table(report);
  close_output(report);
  const ParsedTable t = parse_table(lines_of("M_BLKV_A.PFM"));
  ASSERT_EQ(t.rows.size(), 7u);  // 2 headers, 2 + 1 + 1 block rows, total
  expect_shape(t, 2, 6);
  EXPECT_EQ(t.rows[2].align, "3,2,2,1,1,1");
  EXPECT_EQ(t.rows[2].text,
            sjis(" 1, 改良体          , 改 良 体, 500.000 ,   4.000 ,    2000.000 "));
  EXPECT_EQ(t.rows[2].borders[0], "1010,1010,1000,0010,1010,1010");
  EXPECT_EQ(t.rows[2].borders[1], "1110,1110,1110,1110,1110,1110");
  EXPECT_EQ(t.rows[3].text, sjis(",, 未改良体, 300.000 ,   6.000 ,    1800.000 "));
  EXPECT_EQ(t.rows[4].text.substr(0, 3), " 2,");
  // 500 + 300 + 120 + 250 = 1170; 2000 + 1800 + 120 + 750 = 4670.
  EXPECT_DOUBLE_EQ(run_data.weight_totals.vertical_load(), 1170.0);
  EXPECT_DOUBLE_EQ(run_data.weight_totals.vertical_moment(), 4670.0);
  EXPECT_DOUBLE_EQ(run_data.unimproved_totals.weight, 300.0);
  EXPECT_DOUBLE_EQ(run_data.unimproved_totals.weight_moment, 1800.0);
}

TEST_F(LoadTablesTest, HorizontalLoadTableOfTheSeismicCase) {
  cd().current_case = CASE_SEISMIC;
  write_horizontal_load_table(report);
  close_output(report);
  EXPECT_DOUBLE_EQ(run_data.weight_totals.inertia_load(), 181.5);
  EXPECT_DOUBLE_EQ(run_data.weight_totals.inertia_moment(), 1335.0);
  // The vertical sums are formed again from the same rows.
  EXPECT_DOUBLE_EQ(run_data.weight_totals.vertical_load(), 1210.0);
  EXPECT_DOUBLE_EQ(run_data.weight_totals.vertical_moment(), 5050.0);

  const ParsedTable t = parse_table(lines_of("M_BLKH_A.PFM"));
  ASSERT_EQ(t.rows.size(), 7u);  // header, 3 blocks, 2 loads, total
  expect_shape(t, 1, 7);
  EXPECT_EQ(t.widths, "4,18,12,8,12,10,14");
  EXPECT_EQ(t.rows[1].text,
            sjis(" 1 , 改良体          ,   800.000 ,0.150 , 120.000 ,   5.000 ,     600.000 "));
  EXPECT_EQ(t.rows[3].text,
            " 3 , CAISSON         ,   250.000 ,0.150 ,  37.500 ,  12.000 ,     450.000 ");
  EXPECT_EQ(t.rows[4].text,
            sjis(" 4 , 上載荷重1 ,    30.000 ,0.150 ,   4.500 ,  13.000 ,      58.500 "));
  EXPECT_EQ(t.rows[5].text,
            sjis(", 上載荷重2 ,    10.000 ,0.150 ,   1.500 ,   13.000 ,      19.500 "));
  EXPECT_EQ(t.rows[6].text, sjis("計,@,,@, 181.500 ,,    1335.000 "));
}

TEST_F(LoadTablesTest, HorizontalTableSplitsAWallBlockIntoThreeRows) {
  // Wall pattern, kh 0.15: improved 500 at y -6 - (-10) = 4: Wh 75, Mwh 300;
  // unimproved 300 at y 4: Wh 45, Mwh 180.
  cd().improvement_pattern = PATTERN_LATTICE;
  cd().current_case = CASE_SEISMIC;
  cd().top_surcharge_ignored = 1;
  run_data.wall_split_results[1][KIND_WEIGHT] = {500, 300, 4, 6, -6, -6, 2000, 1800, -3000, -1800};
  write_horizontal_load_table(report);
  close_output(report);
  const ParsedTable t = parse_table(lines_of("M_BLKH_A.PFM"));
  ASSERT_EQ(t.rows.size(), 7u);  // header, 3 + 1 + 1 block rows, total
  expect_shape(t, 1, 7);
  EXPECT_EQ(t.rows[1].text, sjis(" 1 , 改良体          ,,,,,"));
  EXPECT_EQ(t.rows[2].text, sjis(",改良体 ,   500.000 ,0.150 ,  75.000 ,   4.000 ,     300.000 ,"));
  EXPECT_EQ(t.rows[3].text,
            sjis(",未改良体 ,   300.000 ,0.150 ,  45.000 ,   4.000 ,     180.000 ,"));
  EXPECT_DOUBLE_EQ(run_data.unimproved_totals.inertia, 45.0);
  EXPECT_DOUBLE_EQ(run_data.unimproved_totals.inertia_moment, 180.0);
  // 75 + 45 + 18 + 37.5 = 175.5; 300 + 180 + 207 + 450 = 1137.
  EXPECT_DOUBLE_EQ(run_data.weight_totals.inertia_load(), 175.5);
  EXPECT_DOUBLE_EQ(run_data.weight_totals.inertia_moment(), 1137.0);
}

TEST_F(LoadTablesTest, BuoyancyTableListsOnlyBuoyantBlocks) {
  // Level above the toe. Buoyancies: slot 1 U 300 at (5, -5): x 5, M 1500; slot 0 none;
  // slot 2 (type 2) U 40 at (3, 2), used undivided: x 3, M 120; slot 3 (type 3) of length 5,
  // whole 100: U 20 at (1, 0): x 1, M 20.
  cd().water_levels[2] = 1.0;
  result(1, KIND_BUOYANCY) = {300, 5, -5, 1500, -1500, 0};
  result(0, KIND_BUOYANCY) = {0.00009, 1, 1, 0, 0, 0};
  result(2, KIND_BUOYANCY) = {40, 3, 2, 120, 80, 0};
  auto& footing = cd().wall_blocks[3];
  footing.block_type = engine::BLOCK_FOOTING_CAISSON;
  footing.head.name.assign("FOOTING");
  footing.caisson.dims_a[2][0] = 5.0;
  cd().block_label_numbers[3] = 3;
  cd().used_slot_count = 4;
  result(3, KIND_BUOYANCY) = {100, 1, 0, 100, 0, 0};
  write_buoyancy_load_table(report);
  close_output(report);
  EXPECT_DOUBLE_EQ(run_data.weight_totals.buoyancy_load(), 360.0);
  EXPECT_DOUBLE_EQ(run_data.weight_totals.buoyancy_moment(), 1640.0);
  const ParsedTable t = parse_table(lines_of("M_FRKV_A.PFM"));
  ASSERT_EQ(t.rows.size(), 6u);  // 2 headers, 3 buoyant blocks, total
  expect_shape(t, 2, 6);
  EXPECT_EQ(t.rows[2].text, sjis(" 1, 改良体          , 300.000 ,@,   5.000 ,    1500.000 "));
  EXPECT_EQ(t.rows[3].text, " 2, CAISSON         ,  40.000 ,@,   3.000 ,     120.000 ");
  EXPECT_EQ(t.rows[4].text,
            " 3, FOOTING         ,    100.000 /  5.000   20.000,@,   1.000 ,      20.000 ");
  EXPECT_EQ(t.rows[5].text, sjis("計,@,   360.000 ,@,,    1640.000 ,"));
}

TEST_F(LoadTablesTest, NoBuoyancyNoticeWhenTheLevelIsAtTheToe) {
  cd().water_levels[2] = -10.0;  // equal to toe_y
  result(1, KIND_BUOYANCY) = {300, 5, -5, 1500, -1500, 0};
  run_data.weight_totals.buoyancy_load() = 99;
  write_buoyancy_load_table(report);
  close_output(report);
  EXPECT_EQ(run_data.weight_totals.buoyancy_load(), 0.0);
  const auto lines = lines_of("M_FRKV_A.PFM");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "M_FRKV_A.PFM");
  EXPECT_EQ(lines[1], "4");  // and four text lines follow
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], sjis("   この検討面で浮力は作用しない"));
  EXPECT_EQ(lines[5], "");
}

TEST_F(LoadTablesTest, ACaissonWithoutLengthIsRefused) {
  cd().wall_blocks[2].caisson.dims_a[2][0] = 0.0;
  EXPECT_THROW(write_vertical_load_table(report), engine::EngineStop);
}

TEST_F(LoadTablesTest, PageRecords) {
  write_vertical_load_page(report);
  write_buoyancy_load_page(report);
  cd().current_case = CASE_SEISMIC;
  write_horizontal_load_page(report);
  close_output(report);
  EXPECT_EQ(lines_of("R.PDT"),
            (std::vector<std::string>{"$1  QVT_BLV.PFM", "$0  M_BLKV_A.PFM", "$1  QVT_FRV.PFM",
                                      "$0  M_FRKV_A.PFM", "$0  QVT_BLH.PFM",
                                      "$0  M_BLKH_A.PFM"}));
}

}  // namespace
}  // namespace qvt::zenobar
