// Rectangle and improved-soil block tables. Every expected number is worked by hand in the
// comments; the report lines are written out from the record formats.
#include "engines/zenobar/tests/table_writer_fixture.h"

#include <gtest/gtest.h>

#include <limits>

namespace qvt::zenobar::testing {
namespace {

class RectTables : public TableWriterTest {
 protected:
  RectTables() { cd().water_levels[2] = 0.0; }
};

TEST_F(RectTables, RectangleAboveTheLevelWeighsWidthTimesHeightTimesUnitWeight) {
  // 2 m wide, 3 m high, lower left corner (4, 1), wholly above the level 0 (level <= bottom):
  // W = 2 x 3 x 20 = 120.000; x = 4 + 2/2 = 5.000; y = 1 + 3/2 = 2.500;
  // W.x = 600.000; W.y = 300.000.
  set_rect(2, 1, 0, "R1", 4, 1, 2, 3, 20, 10, 21);
  int r = 99;
  auto lines = report_of([](engine::PrintFile& f) { return write_rect_block_tables(2, f, 0); }, &r);
  EXPECT_EQ(r, 0);
  const std::vector<std::string> expected = {
      "$R  7",            "$T  ",          "$0  QVT_BK00.PFM",   "00  《R1》 ",
      "01   γ   ",        "$H  QVT_BK03.PFM", "01   γ   ",        "$0  QVT_BK01.PFM",
      "00   1 ",          "02         2.000", "03   3.000",        "04  20.000",
      "05    120.000 ",   "06     5.000 ", "07     2.500 ",       "08     600.000 ",
      "09       300.000 ", "$0  QVT_BK02.PFM", "00    120.000 ",  "01    5.000 ",
      "02    2.500 ",     "03     600.000 ", "04       300.000 ", "$H  ",
      "$L  "};
  EXPECT_EQ(lines, expected);
  const BlockResult& w = run_data.block_results[2][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(w.weight, 120.0);
  EXPECT_DOUBLE_EQ(w.centroid_x, 5.0);
  EXPECT_DOUBLE_EQ(w.centroid_y, 2.5);
  EXPECT_DOUBLE_EQ(w.moment_x, 600.0);
  EXPECT_DOUBLE_EQ(w.moment_y, 300.0);
}

TEST_F(RectTables, RectangleCutAtTheLevelSplitsWeightAndBuoyancy) {
  // B = 2, H = 4, lower left (0, -3): bottom -3, top 1, level 0 cuts it.
  // Weight: above (2 x 1 x 18) = 36.000 at y = 0 + 1/2 = 0.500;
  //         below (2 x 3 x 20) = 120.000 at y = -3 + 3/2 = -1.500; x = 1.000 for both.
  //   W = 156.000, W.x = 36 + 120 = 156.000, W.y = 18 - 180 = -162.000,
  //   centroid y = -162 / 156 = -1.0385 -> -1.038.
  // Buoyancy: below only, 2 x 3 x (20 - 10) = 60.000 at (1, -1.5): W.y = -90.000.
  // About a toe at x = -1: 36 x 2 + 120 x 2 = 312.000 = W.x - W x toe_x = 156 + 156.
  set_rect(0, 1, 0, "R", 0, -3, 2, 4, 18, 10, 20);
  auto weight = report_of([](engine::PrintFile& f) { return write_rect_block_tables(0, f, 0); });
  const BlockResult& w = run_data.block_results[0][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(w.weight, 156.0);
  EXPECT_DOUBLE_EQ(w.moment_x, 156.0);
  EXPECT_DOUBLE_EQ(w.moment_y, -162.0);
  EXPECT_DOUBLE_EQ(w.centroid_x, 1.0);
  EXPECT_DOUBLE_EQ(w.centroid_y, -1.038);
  EXPECT_DOUBLE_EQ(w.moment_x - w.weight * -1.0, 312.0);
  ASSERT_EQ(weight.size(), 35u);
  EXPECT_EQ(weight[0], "$R  9");
  // Piece 1, the part above the level, with the unit weight above it.
  EXPECT_EQ(weight[9], "02         2.000");
  EXPECT_EQ(weight[10], "03   1.000");
  EXPECT_EQ(weight[11], "04  18.000");
  EXPECT_EQ(weight[12], "05     36.000 ");
  EXPECT_EQ(weight[14], "07     0.500 ");
  // Piece 2, below it.
  EXPECT_EQ(weight[18], "00   2 ");
  EXPECT_EQ(weight[20], "03   3.000");
  EXPECT_EQ(weight[21], "04  20.000");
  EXPECT_EQ(weight[24], "07    -1.500 ");
  EXPECT_EQ(weight[30], "02   -1.038 ");

  auto buoyancy =
      report_of([](engine::PrintFile& f) { return write_rect_block_tables(0, f, 1); });
  const BlockResult& u = run_data.block_results[0][KIND_BUOYANCY];
  EXPECT_DOUBLE_EQ(u.weight, 60.0);
  EXPECT_DOUBLE_EQ(u.moment_y, -90.0);
  EXPECT_DOUBLE_EQ(u.centroid_y, -1.5);
  EXPECT_EQ(buoyancy[0], "$R  7");
  EXPECT_EQ(buoyancy[4], "01  γ-γ'");
  EXPECT_EQ(buoyancy[10], "03   3.000");
  EXPECT_EQ(buoyancy[11], "04  10.000");
}

TEST_F(RectTables, TopExactlyAtTheLevelGivesAnEmptyUpperPiece) {
  // Bottom -2.2, height 2.2: the top (-2.2 + 2.2) lies at the level 0 once rounded. Two pieces:
  // (2 x 0 x 18) = 0 at y = 0, then (2 x 2.2 x 20) = 88.000 at y = -1.100.
  set_rect(1, 1, 0, "R", 0, -2.2, 2, 2.2, 18, 10, 20);
  auto lines = report_of([](engine::PrintFile& f) { return write_rect_block_tables(1, f, 0); });
  EXPECT_EQ(lines[0], "$R  9");
  EXPECT_EQ(lines[10], "03   0.000");
  EXPECT_EQ(lines[12], "05      0.000 ");
  EXPECT_EQ(lines[22], "05     88.000 ");
  EXPECT_DOUBLE_EQ(run_data.block_results[1][KIND_WEIGHT].weight, 88.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[1][KIND_WEIGHT].centroid_y, -1.1);
}

TEST_F(RectTables, WhollyBelowTheLevelWeighsAndFloatsOverTheFullHeight) {
  // Bottom -5, top -2 < level 0: weight 2 x 3 x 20 = 120.000, buoyancy 2 x 3 x (20 - 11) = 54.
  set_rect(0, 7, 0, "S", 0, -5, 2, 3, 18, 11, 20);
  report_of([](engine::PrintFile& f) { return write_rect_block_tables(0, f, 0); });
  report_of([](engine::PrintFile& f) { return write_rect_block_tables(0, f, 1); });
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_WEIGHT].weight, 120.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_BUOYANCY].weight, 54.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_BUOYANCY].centroid_y, -3.5);
}

TEST_F(RectTables, NoBuoyancyAboveTheLevelNamesTheTemplateByCaseAndSlot) {
  struct Case {
    int load_case;
    const char* file;
  };
  for (const Case c : {Case{0, "FKNI_003.PFM"}, Case{1, "FKNI_103.PFM"}}) {
    set_rect(3, 1, 0, "上部工", 0, 0, 2, 3, 20, 10, 21);
    cd().current_case = c.load_case;
    run_data.block_results[3][KIND_BUOYANCY].weight = 5;
    int r = 0;
    auto lines =
        report_of([](engine::PrintFile& f) { return write_rect_block_tables(3, f, 1); }, &r);
    EXPECT_EQ(r, -1);
    EXPECT_EQ(lines, std::vector<std::string>{std::string("$0  ") + c.file});
    EXPECT_EQ(utf8_lines(c.file),
              (std::vector<std::string>{c.file, "2", "", "《上部工》 浮力は作用しない"}));
    EXPECT_EQ(run_data.block_results[3][KIND_BUOYANCY].weight, 0.0);
  }
}

TEST_F(RectTables, ANumberThatIsNotFiniteNeverReachesTheReport) {
  // A unit weight read as "nan": every value formed from it is counted as a defect (the run then
  // refuses to hand its results on) and the report shows finite numbers only.
  set_rect(0, 1, 0, "R", 0, 1, 2, 3, std::numeric_limits<double>::quiet_NaN(), 10, 21);
  auto lines = report_of([](engine::PrintFile& f) { return write_rect_block_tables(0, f, 0); });
  EXPECT_GT(non_finite_count(), 0);
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
    EXPECT_EQ(line.find("inf"), std::string::npos) << line;
  }
  EXPECT_EQ(run_data.block_results[0][KIND_WEIGHT].weight, 0.0);
}

// ---- Wall and lattice patterns -----------------------------------------------------------

class RatioTables : public TableWriterTest {
 protected:
  RatioTables() {
    // Long walls 3 m, spaces 1 m: long-wall ratio 3/4 = 0.750, short-wall ratio 0.250.
    // Short wall 1 m thick, 2 m of soil in front of it and 1.5 m behind: B = 4.5.
    cd().improvement_pattern = PATTERN_WALL;
    cd().water_levels[2] = 0.0;
    auto& d = cd().body_dims;
    d.ll = 3;
    d.ls = 1;
    d.bs = 1;
    d.bl1 = 2;
    d.bl2 = 1.5;
    run_data.short_wall_bottom_level = -2.0;
  }
};

TEST_F(RatioTables, WallPatternBlockCrossingTheShortWallBottomSplitsImprovedAndUnimproved) {
  // Block 4.5 wide from -6 to 0, the short walls reach down to -2; gamma below R.W.L. 18.
  //  no code (b,   h)  r     W = h b 18 r   x                    y            W.x      W.y
  //  1  -1  (1,   2)  0.25    9.000   2 + 0.5       = 2.500  (0-2)/2 = -1    22.500   -9.000
  //  2  -2  (4.5, 6)  0.75  364.500   2.250                  -6+3   = -3   820.125 -1093.500
  //  3   1  (4.5, 4)  0.25   81.000   2.250                  (-6-2)/2 = -4 182.250  -324.000
  //  4   2  (2,   2)  0.25   18.000   1.000                  -1             18.000   -18.000
  //  5   3  (1.5, 2)  0.25   13.500   2 + 1 + 0.75  = 3.750  -1             50.625   -13.500
  // Improved (-1, -2): W 373.500, W.x 842.625, W.y -1102.500,
  //   x = 842.625 / 373.5 = 2.25602 -> 2.256, y = -1102.5 / 373.5 = -2.95181 -> -2.952.
  // Unimproved (1, 2, 3): W 112.500, W.x 250.875, W.y -355.500, x = 2.230, y = -3.160.
  // Whole block: W 486.000 = 4.5 x 6 x 18, W.x 1093.500, W.y -1458.000, x 2.250, y -3.000.
  set_rect(4, 7, 0, "改良体", 0, -6, 4.5, 6, 17, 8, 18);
  int r = 99;
  auto lines =
      report_of([](engine::PrintFile& f) { return write_wall_body_ratio_tables(4, f, 0); }, &r);
  EXPECT_EQ(r, 0);
  const WallSplitResult& s = run_data.wall_split_results[4][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(s.improved_weight, 373.5);
  EXPECT_DOUBLE_EQ(s.improved_moment_x, 842.625);
  EXPECT_DOUBLE_EQ(s.improved_moment_y, -1102.5);
  EXPECT_DOUBLE_EQ(s.improved_centroid_x, 2.256);
  EXPECT_DOUBLE_EQ(s.improved_centroid_y, -2.952);
  EXPECT_DOUBLE_EQ(s.unimproved_weight, 112.5);
  EXPECT_DOUBLE_EQ(s.unimproved_moment_x, 250.875);
  EXPECT_DOUBLE_EQ(s.unimproved_moment_y, -355.5);
  EXPECT_DOUBLE_EQ(s.unimproved_centroid_x, 2.23);
  EXPECT_DOUBLE_EQ(s.unimproved_centroid_y, -3.16);
  const BlockResult& w = run_data.block_results[4][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(w.weight, 486.0);
  EXPECT_DOUBLE_EQ(w.moment_x, 1093.5);
  EXPECT_DOUBLE_EQ(w.moment_y, -1458.0);
  EXPECT_DOUBLE_EQ(w.centroid_x, 2.25);
  EXPECT_DOUBLE_EQ(w.centroid_y, -3.0);

  const std::vector<std::string> heading = {"$R  16", "$T  ", "$0  QVT_BK00.PFM",
                                            "00  《改良体》 ", "01   γ   ×割合",
                                            "$H  QVT_BK03.PFM", "01   γ   ×割合"};
  ASSERT_GE(lines.size(), 69u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7), heading);
  const std::vector<std::string> first_piece = {
      "$0  QVT_BK01.PFM", "00   1 ",      "01    1.000×", "02  2.000",
      "03  18.000",       "04  0.250",    "05      9.000 ", "06     2.500 ",
      "07    -1.000 ",    "08      22.500 ", "09        -9.000 "};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 7, lines.begin() + 18), first_piece);
  EXPECT_EQ(lines[7 + 11 * 4 + 2], "01    1.500×");  // piece 5: behind the short wall
  const std::vector<std::string> totals = {
      "$0  QVT_BK04.PFM", "00    373.500 ", "01    2.256 ",      "02   -2.952 ",
      "03     842.625 ",  "04     -1102.500 ", "05    112.500 ",   "06    2.230 ",
      "07   -3.160 ",     "08     250.875 ", "09      -355.500 ", "$H  ",
      "$L  "};
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 62, lines.end()), totals);
}

TEST_F(RatioTables, WallPatternIsNotCutAtTheLevelAndFloatsOverTheFullHeight) {
  // The same block below the short walls (bottom -10, top -6 <= -2), with the level at -8 in
  // between: pieces -2 (4.5, 4) r 0.75 and 1 (4.5, 4) r 0.25, all with gamma below R.W.L.
  // Weight: 4 x 4.5 x 18 x 0.75 = 243.000 improved, x 0.25 = 81.000 unimproved.
  // Buoyancy: gamma 18 - 8 = 10 over the full 4 m: 135.000 improved, 45.000 unimproved.
  cd().water_levels[2] = -8.0;
  set_rect(4, 7, 0, "B", 0, -10, 4.5, 4, 17, 8, 18);
  auto lines =
      report_of([](engine::PrintFile& f) { return write_wall_body_ratio_tables(4, f, 0); });
  EXPECT_EQ(lines[0], "$R  10");
  EXPECT_DOUBLE_EQ(run_data.wall_split_results[4][0].improved_weight, 243.0);
  EXPECT_DOUBLE_EQ(run_data.wall_split_results[4][0].unimproved_weight, 81.0);
  report_of([](engine::PrintFile& f) { return write_wall_body_ratio_tables(4, f, 1); });
  EXPECT_DOUBLE_EQ(run_data.wall_split_results[4][1].improved_weight, 135.0);
  EXPECT_DOUBLE_EQ(run_data.wall_split_results[4][1].unimproved_weight, 45.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[4][1].weight, 180.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[4][1].centroid_y, -8.0);
}

TEST_F(RatioTables, LatticePatternBelowAndWithinTheShortWalls) {
  cd().improvement_pattern = PATTERN_LATTICE;
  // Below the short walls (bottom -10, top -6); every piece 4 m high, y = -8, gamma 18:
  //   -2 (4.5) r .75: 243.000 at x 2.250;  1 (bs 1) r .25: 18.000 at x 2 + 0.5 = 2.500;
  //   -3 (bl1 2) r .25: 36.000 at x 1.000; -4 (bl2 1.5) r .25: 27.000 at x 2 + 1 + 0.75 = 3.750.
  // Improved: W 306.000, W.x 546.75 + 36 + 101.25 = 684.000, x = 684 / 306 = 2.2353 -> 2.235.
  // Unimproved: W 18.000, W.x 45.000, x 2.500, y -8.000.
  set_rect(0, 7, 0, "L", 0, -10, 4.5, 4, 17, 8, 18);
  report_of([](engine::PrintFile& f) { return write_lattice_body_ratio_tables(0, f, 0); });
  const WallSplitResult& s = run_data.wall_split_results[0][0];
  EXPECT_DOUBLE_EQ(s.improved_weight, 306.0);
  EXPECT_DOUBLE_EQ(s.improved_moment_x, 684.0);
  EXPECT_DOUBLE_EQ(s.improved_centroid_x, 2.235);
  EXPECT_DOUBLE_EQ(s.improved_centroid_y, -8.0);
  EXPECT_DOUBLE_EQ(s.unimproved_weight, 18.0);
  EXPECT_DOUBLE_EQ(s.unimproved_centroid_x, 2.5);

  // Within the short walls (bottom -2 >= -2, top 0): improved soil only, two pieces over the
  // full width with both ratios: 2 x 4.5 x 18 x 0.25 = 40.500 and x 0.75 = 121.500.
  set_rect(1, 7, 0, "L2", 0, -2, 4.5, 2, 17, 8, 18);
  auto lines =
      report_of([](engine::PrintFile& f) { return write_lattice_body_ratio_tables(1, f, 0); });
  EXPECT_EQ(lines[0], "$R  10");
  EXPECT_EQ(lines[13], "05     40.500 ");
  EXPECT_EQ(lines[24], "05    121.500 ");
  const WallSplitResult& t = run_data.wall_split_results[1][0];
  EXPECT_DOUBLE_EQ(t.improved_weight, 162.0);
  EXPECT_DOUBLE_EQ(t.unimproved_weight, 0.0);
  EXPECT_DOUBLE_EQ(t.unimproved_centroid_x, 0.0);
  EXPECT_DOUBLE_EQ(t.unimproved_centroid_y, 0.0);
}

TEST_F(RatioTables, LatticePatternCrossingTheShortWallBottom) {
  cd().improvement_pattern = PATTERN_LATTICE;
  // Bottom -6, top 0, short walls from -2: gamma 18.
  //   -1 (4.5, 2) r .25: 40.500 at (2.250, -1)    -2 (4.5, 6) r .75: 364.500 at (2.250, -3)
  //    1 (1, 4) r .25: 18.000 at (2.500, -4)      -3 (2, 4) r .25: 36.000 at (1.000, -4)
  //   -4 (1.5, 4) r .25: 27.000 at (3.750, -4)
  // Improved: W 468.000; W.y -40.5 - 1093.5 - 144 - 108 = -1386.000, y = -2.9615 -> -2.962.
  // Unimproved: W 18.000 at (2.500, -4.000). Whole: 486.000 = 4.5 x 6 x 18.
  set_rect(0, 7, 0, "L", 0, -6, 4.5, 6, 17, 8, 18);
  report_of([](engine::PrintFile& f) { return write_lattice_body_ratio_tables(0, f, 0); });
  const WallSplitResult& s = run_data.wall_split_results[0][0];
  EXPECT_DOUBLE_EQ(s.improved_weight, 468.0);
  EXPECT_DOUBLE_EQ(s.improved_moment_y, -1386.0);
  EXPECT_DOUBLE_EQ(s.improved_centroid_y, -2.962);
  EXPECT_DOUBLE_EQ(s.unimproved_weight, 18.0);
  EXPECT_DOUBLE_EQ(s.unimproved_centroid_y, -4.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[0][0].weight, 486.0);
}

TEST_F(RatioTables, ZeroFrontWidthDropsItsPieceAndTheNumbersCloseUp) {
  // Wall pattern within the short walls with bl1 = 0: pieces -1, -2 and 3 only, numbered 1-3.
  // Piece 3 is the soil behind the short wall: x = 0 + 0 + 1 + 1.5/2 = 1.750.
  cd().body_dims.bl1 = 0;
  set_rect(0, 7, 0, "W", 0, -2, 2.5, 2, 17, 8, 18);
  auto lines =
      report_of([](engine::PrintFile& f) { return write_wall_body_ratio_tables(0, f, 0); });
  EXPECT_EQ(lines[0], "$R  12");
  EXPECT_EQ(lines[30], "00   3 ");
  EXPECT_EQ(lines[31], "01    1.500×");
  EXPECT_EQ(lines[36], "06     1.750 ");
  EXPECT_EQ(lines[40], "$0  QVT_BK04.PFM");
}

TEST_F(RatioTables, WithoutSpacesTheUnimprovedPartKeepsAZeroCentroid) {
  // ls = 0: long-wall ratio 1, short-wall ratio 0; the soil piece weighs 0.
  cd().body_dims.ls = 0;
  set_rect(0, 7, 0, "W", 0, -10, 4.5, 4, 17, 8, 18);
  report_of([](engine::PrintFile& f) { return write_wall_body_ratio_tables(0, f, 0); });
  const WallSplitResult& s = run_data.wall_split_results[0][0];
  EXPECT_DOUBLE_EQ(s.improved_weight, 324.0);  // 4 x 4.5 x 18
  EXPECT_DOUBLE_EQ(s.unimproved_weight, 0.0);
  EXPECT_DOUBLE_EQ(s.unimproved_centroid_x, 0.0);
  EXPECT_DOUBLE_EQ(s.unimproved_centroid_y, 0.0);
}

TEST_F(RatioTables, NoBuoyancyAboveTheLevel) {
  set_rect(6, 7, 0, "W", 0, 1, 4.5, 2, 17, 8, 18);
  run_data.wall_split_results[6][1].unimproved_weight = 3;
  int r = 0;
  auto lines =
      report_of([](engine::PrintFile& f) { return write_wall_body_ratio_tables(6, f, 1); }, &r);
  EXPECT_EQ(r, -1);
  EXPECT_EQ(lines, std::vector<std::string>{"$0  FRKNI_06.PFM"});
  EXPECT_EQ(utf8_lines("FRKNI_06.PFM"),
            (std::vector<std::string>{"FRKNI_06.PFM", "2", "", "《W》 浮力は作用しない"}));
  EXPECT_EQ(run_data.block_results[6][1].weight, 0.0);
  EXPECT_EQ(run_data.wall_split_results[6][1].unimproved_weight, 0.0);
}

TEST_F(RatioTables, NoWallLengthIsRefused) {
  cd().body_dims.ll = 0;
  cd().body_dims.ls = 0;
  set_rect(0, 7, 0, "W", 0, -10, 4.5, 4, 17, 8, 18);
  engine::PrintFile report;
  open_output(report, "REPORT.PDT");
  for (auto writer : {write_wall_body_ratio_tables, write_lattice_body_ratio_tables}) {
    const std::string text = stop_text([&] { writer(0, report, 0); });
    EXPECT_NE(text.find("長壁長 Ll と短壁長 Ls の和が 0 以下"), std::string::npos) << text;
  }
  close_output(report);
  // Through the engine entry: an error line and exit code 1.
  const int code = engine::start_engine([&]() -> engine::Status {
    engine::PrintFile f;
    open_output(f, "REPORT2.PDT");
    write_wall_body_ratio_tables(0, f, 0);
    return engine::Status::success();
  });
  EXPECT_EQ(code, 1);
  ASSERT_EQ(channel.lines.size(), 1u);
  EXPECT_EQ(channel.lines[0].rfind("QVTMSG\terror\terror\t", 0), 0u) << channel.lines[0];
}

}  // namespace
}  // namespace qvt::zenobar::testing
