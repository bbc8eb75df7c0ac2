// Piece tables of the polygon blocks and the four-corner block. Expected numbers are worked by
// hand in the comments.
#include "engines/zenobar/tests/table_writer_fixture.h"

#include <gtest/gtest.h>

namespace qvt::zenobar::testing {
namespace {

class PolygonPieces : public TableWriterTest {
 protected:
  PolygonPieces() {
    set_polygon(1, 0, 0, "P", 0, 0, {{0, 0}, {0, 3}, {4, 3}, {4, 0}}, 20, 9, 22);
  }
  static BlockPiece piece(double cx, double cy, double a, double b, int code, int flag) {
    return BlockPiece{cx, cy, a, b, code, flag};
  }
};

TEST_F(PolygonPieces, TriangleWeighsHalfTheRectangleAndShowsItsMark) {
  // Triangle 2 x 3 at 20 kN/m3: 2 x 3 x 0.5 x 20 = 60.000, centroid (1, 1): W.x = W.y = 60.
  // Rectangle 2 x 3 at 20 kN/m3: 2 x 3 x 20 = 120.000, centroid (3, 1.5): W.x 360, W.y 180.
  // Block: W 180.000, W.x 420.000, W.y 240.000; centroid 420/180 = 2.333, 240/180 = 1.333.
  std::vector<BlockPiece> pieces = {piece(1, 1, 2, 3, 3, 0), piece(3, 1.5, 2, 3, 4, 0)};
  int r = 99;
  auto lines = report_of(
      [&](engine::PrintFile& f) { return write_polygon_piece_tables(1, pieces, 0, f); }, &r);
  EXPECT_EQ(r, 0);
  const std::vector<std::string> expected = {
      "$R  9",             "$T  ",           "$0  QVT_BK00.PFM",  "00  《P》 ",
      "01   γ   ",         "$H  QVT_BK03.PFM", "01   γ   ",         "$0  QVT_BK01.PFM",
      "00   1 ",           "01   1/2×",      "02   2.000",        "03   3.000",
      "04  20.000",        "05     60.000 ", "06     1.000 ",     "07     1.000 ",
      "08      60.000 ",   "09        60.000 ", "$0  QVT_BK01.PFM", "00   2 ",
      "01        ",        "02   2.000",     "03   3.000",        "04  20.000",
      "05    120.000 ",    "06     3.000 ",  "07     1.500 ",     "08     360.000 ",
      "09       180.000 ", "$0  QVT_BK02.PFM", "00    180.000 ",   "01    2.333 ",
      "02    1.333 ",      "03     420.000 ", "04       240.000 ", "$H  ",
      "$L  "};
  EXPECT_EQ(lines, expected);
  const BlockResult& w = run_data.block_results[1][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(w.weight, 180.0);
  EXPECT_DOUBLE_EQ(w.moment_x, 420.0);
  EXPECT_DOUBLE_EQ(w.moment_y, 240.0);
  EXPECT_DOUBLE_EQ(w.centroid_x, 2.333);
  EXPECT_DOUBLE_EQ(w.centroid_y, 1.333);
}

TEST_F(PolygonPieces, UnitWeightFollowsThePositionFlagAndDimensionsAreRoundedInPlace) {
  // Above the level (flag 0) 1 x 2 x 20 = 40.000 at y 1; below (flag 1) 1 x 2 x 22 = 44.000 at
  // y -1. The first dimension 1.0004 is shown and used as 1.000.
  // W 84.000, W.y 40 - 44 = -4.000, centroid y = -4 / 84 = -0.0476 -> -0.048.
  std::vector<BlockPiece> pieces = {piece(0.5, 1, 1.0004, 2, 4, 0), piece(0.5, -1, 1, 2, 4, 1)};
  auto lines =
      report_of([&](engine::PrintFile& f) { return write_polygon_piece_tables(1, pieces, 0, f); });
  EXPECT_EQ(pieces[0].dim1, 1.0);
  EXPECT_EQ(lines[12], "04  20.000");
  EXPECT_EQ(lines[23], "04  22.000");
  const BlockResult& w = run_data.block_results[1][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(w.weight, 84.0);
  EXPECT_DOUBLE_EQ(w.moment_y, -4.0);
  EXPECT_DOUBLE_EQ(w.centroid_y, -0.048);

  // Buoyancy: every piece with 22 - 9 = 13: 1 x 2 x 13 = 26.000.
  std::vector<BlockPiece> lower = {piece(0.5, -1, 1, 2, 4, 0)};
  auto b =
      report_of([&](engine::PrintFile& f) { return write_polygon_piece_tables(1, lower, 1, f); });
  EXPECT_EQ(b[4], "01  γ-γ'");
  EXPECT_EQ(b[12], "04  13.000");
  EXPECT_DOUBLE_EQ(run_data.block_results[1][KIND_BUOYANCY].weight, 26.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[1][KIND_BUOYANCY].centroid_y, -1.0);
}

TEST_F(PolygonPieces, NoPiece) {
  set_polygon(5, 6, 0, "改良体", 0, 0, {{0, 0}, {0, 3}, {4, 3}, {4, 0}}, 20, 9, 22);
  std::vector<BlockPiece> none;
  run_data.block_results[5][KIND_BUOYANCY].weight = 7;
  int r = 0;
  auto b = report_of(
      [&](engine::PrintFile& f) { return write_polygon_piece_tables(5, none, 1, f); }, &r);
  EXPECT_EQ(r, -1);
  EXPECT_EQ(b, std::vector<std::string>{"$0  FRKNI_05.PFM"});
  EXPECT_EQ(utf8_lines("FRKNI_05.PFM"),
            (std::vector<std::string>{"FRKNI_05.PFM", "2", "", "《改良体》 浮力は作用しない"}));
  EXPECT_EQ(run_data.block_results[5][KIND_BUOYANCY].weight, 0.0);

  // The weight of a block without pieces is a table with no row and zero totals.
  auto w = report_of([&](engine::PrintFile& f) { return write_polygon_piece_tables(5, none, 0, f); },
                     &r);
  EXPECT_EQ(r, 0);
  const std::vector<std::string> tail = {"$0  QVT_BK02.PFM", "00      0.000 ", "01    0.000 ",
                                         "02    0.000 ",     "03       0.000 ",
                                         "04         0.000 ", "$H  ", "$L  "};
  EXPECT_EQ(w[0], "$R  5");
  EXPECT_EQ(std::vector<std::string>(w.begin() + 7, w.end()), tail);
}

TEST_F(PolygonPieces, PiecesWeighingNothingGiveACentroidOfZero) {
  cd().wall_blocks[1].head.unit_weights[0] = 0;
  std::vector<BlockPiece> pieces = {piece(3, 4, 2, 2, 4, 0)};
  report_of([&](engine::PrintFile& f) { return write_polygon_piece_tables(1, pieces, 0, f); });
  const BlockResult& w = run_data.block_results[1][KIND_WEIGHT];
  EXPECT_EQ(w.weight, 0.0);
  EXPECT_EQ(w.centroid_x, 0.0);
  EXPECT_EQ(w.centroid_y, 0.0);
}

// ---- Four-corner block --------------------------------------------------------------------

class QuadBlock : public TableWriterTest {
 protected:
  QuadBlock() {
    // A unit of 240 kN, 2 m wide, 3 m high and 2 m long from (0, -1): V = 2 x 3 x 2 = 12 m3,
    // gamma = 240 / 12 = 20.000, submerged (240 - 10.1 x 2) / 12 = 18.3167 -> 18.317.
    cd().water_unit_weight = 10.1;
    cd().water_levels[2] = 0.5;
    auto& b = cd().wall_blocks[2];
    b.block_type = engine::BLOCK_QUAD;
    b.head.name.assign(sjis("Q"));
    b.head.ref_x = 0;
    b.head.ref_y = -1;
    b.head.length = 2;
    b.head.mark_x = 1;
    b.head.mark_y = 1;
    b.head.unit_weights[0] = 99;  // replaced by the derived values
    b.head.unit_weights[1] = 99;
    const double v[4] = {240, 2, 3, 2};
    for (int i = 0; i < 4; ++i) b.quad.values[i] = v[i];
  }
};

TEST_F(QuadBlock, WeightUsesTheDerivedUnitWeightOverTheFullHeight) {
  // Level 0.5 cuts the block (bottom -1, top 2); the weight still takes the full 3 m:
  // W = 2 x 3 x 20 = 120.000 at the mark (1, 1): W.x = W.y = 120.000.
  int r = 99;
  auto lines = report_of([](engine::PrintFile& f) { return write_quad_block_tables(2, f, 0); }, &r);
  EXPECT_EQ(r, 0);
  const std::vector<std::string> expected = {
      "$R  7",           "$T  ",            "$0  QVT_BK00.PFM", "00  《Q》 ",
      "01   γ   ",       "$H  QVT_BK03.PFM", "01   γ   ",       "$0  QVT_BK01.PFM",
      "00   1 ",         "02         2.000", "03   3.000",       "04  20.000",
      "05    120.000 ",  "06     1.000 ",   "07     1.000 ",    "08     120.000 ",
      "09     120.000 ", "$0  QVT_BK02.PFM", "00    120.000 ",  "01    1.000 ",
      "02    1.000 ",    "03     120.000 ", "04     120.000 ",  "$H  ",
      "$L  "};
  EXPECT_EQ(lines, expected);
  const auto& uw = cd().wall_blocks[2].head.unit_weights;
  EXPECT_DOUBLE_EQ(uw[0], 20.0);
  EXPECT_DOUBLE_EQ(uw[1], 18.317);
}

TEST_F(QuadBlock, BuoyancyOfTheCutAndTheSubmergedBlock) {
  // Cut at 0.5: height 0.5 - (-1) = 1.500, gamma 20 - 18.317 = 1.683,
  //   U = 2 x 1.5 x 1.683 = 5.049 at the whole block's mark (1, 1).
  auto lines = report_of([](engine::PrintFile& f) { return write_quad_block_tables(2, f, 1); });
  EXPECT_EQ(lines[4], "01  γ-γ'");
  EXPECT_EQ(lines[10], "03   1.500");
  EXPECT_EQ(lines[11], "04   1.683");
  EXPECT_EQ(lines[12], "05      5.049 ");
  const BlockResult& u = run_data.block_results[2][KIND_BUOYANCY];
  EXPECT_DOUBLE_EQ(u.weight, 5.049);
  EXPECT_DOUBLE_EQ(u.centroid_x, 1.0);
  EXPECT_DOUBLE_EQ(u.centroid_y, 1.0);
  EXPECT_DOUBLE_EQ(u.moment_x, 5.049);

  // Wholly below (level 5 above the top 2): full height, 2 x 3 x 1.683 = 10.098.
  cd().water_levels[2] = 5;
  report_of([](engine::PrintFile& f) { return write_quad_block_tables(2, f, 1); });
  EXPECT_DOUBLE_EQ(run_data.block_results[2][KIND_BUOYANCY].weight, 10.098);
}

TEST_F(QuadBlock, BottomAtTheLevelCountsAsAbove) {
  cd().water_levels[2] = -1;
  int r = 0;
  auto lines = report_of([](engine::PrintFile& f) { return write_quad_block_tables(2, f, 1); }, &r);
  EXPECT_EQ(r, -1);
  EXPECT_EQ(lines, std::vector<std::string>{"$0  FRKNI_02.PFM"});
  EXPECT_EQ(utf8_lines("FRKNI_02.PFM")[3], "《Q》 浮力は作用しない");
  EXPECT_EQ(run_data.block_results[2][KIND_BUOYANCY].weight, 0.0);
}

TEST_F(QuadBlock, ZeroVolumeIsRefused) {
  cd().wall_blocks[2].quad.values[3] = 0;
  engine::PrintFile report;
  open_output(report, "REPORT.PDT");
  const std::string text = stop_text([&] { write_quad_block_tables(2, report, 0); });
  EXPECT_NE(text.find("4点ブロック《Q》の体積"), std::string::npos) << text;
  EXPECT_EQ(cd().wall_blocks[2].head.unit_weights[0], 99.0);  // nothing derived
  close_output(report);
}

}  // namespace
}  // namespace qvt::zenobar::testing
