#include "common/block_check.h"

#include "common/improvement_pattern.h"

#include <gtest/gtest.h>

#include <vector>

namespace qvt {
namespace {

std::string problem_of(const std::vector<std::pair<double, double>>& pts) {
  std::vector<double> x, y;
  for (auto [px, py] : pts) {
    x.push_back(px);
    y.push_back(py);
  }
  return outline_problem(x, y, static_cast<int>(pts.size()));
}

TEST(OutlineCheck, RefusesWhatCannotBeDivided) {
  struct Case {
    const char* name;
    std::vector<std::pair<double, double>> pts;
    std::string problem;
  };
  const Case cases[] = {
      {"clockwise rectangle", {{0, 0}, {0, 2}, {3, 2}, {3, 0}}, ""},
      {"clockwise L", {{0, 0}, {0, 4}, {1, 4}, {1, 1}, {3, 1}, {3, 0}}, ""},
      {"repeated vertices are one", {{0, 0}, {0, 0}, {0, 2}, {3, 2}, {3, 0}, {0, 0}}, ""},
      {"a vertex on a straight edge", {{0, 0}, {0, 1}, {0, 2}, {3, 2}, {3, 0}}, ""},
      {"counter-clockwise", {{0, 0}, {3, 0}, {3, 2}, {0, 2}}, "頂点の並びが時計回りではありません。"},
      {"bow tie", {{0, 0}, {0, 2}, {3, 0}, {3, 2}}, "辺 2 と辺 4 が交差しています。"},
      {"figure of eight touching at a vertex",
       {{0, 0}, {0, 2}, {2, 2}, {2, 0}, {4, 0}, {4, -2}, {2, -2}, {2, 0}},
       "辺 3 と辺 7 が交差しています。"},
      {"unset vertex", {{0, 0}, {0, 2}, {9999, 2}, {3, 0}}, "頂点 3 の座標が設定されていません。"},
      {"two distinct vertices", {{0, 0}, {3, 0}, {3, 0}, {0, 0}}, "異なる頂点が 3 点未満です。"},
      {"on one line", {{0, 0}, {1, 1}, {2, 2}}, "面積が 0 です。"},
  };
  for (const Case& c : cases) EXPECT_EQ(problem_of(c.pts), c.problem) << c.name;
  EXPECT_EQ(outline_problem({}, {}, 0), "異なる頂点が 3 点未満です。");
}

BlockCheckInput caisson() {
  BlockCheckInput b;
  b.block_type = 2;
  b.sub_type = 1;
  b.flag_a = 2;
  b.flag_b = 2;
  // H F T / W L Wf Wp / Lb We Wq / Hh Hv C
  const double a[4][4] = {{10, 1, 1, 0}, {10, 2, 0.5, 0.5}, {8, 0.5, 0.5, 0}, {0.3, 0.3, 0.5, 0}};
  for (int r = 0; r < 4; ++r)
    for (int k = 0; k < 4; ++k) b.dims_a[r][k] = a[r][k];
  b.dims_b[0][0] = b.dims_b[0][1] = 4.25;
  b.dims_b[1][0] = b.dims_b[1][1] = 3.25;
  b.part_count = 1;
  b.part_values[0][0] = 9;
  return b;
}

BlockCheckInput counterfort(int sub_type) {
  BlockCheckInput b;
  b.block_type = 5;
  b.sub_type = sub_type;
  b.flag_a = 2;
  // H D Hr Tf / B Tw Bc Lf / L Tc / Hc Cf
  const double a[4][4] = {{6, 0.8, 1, 0.6}, {5, 0.5, 0.5, 1}, {4, 0.4, 0, 0}, {0.3, 0.3, 0, 0}};
  for (int r = 0; r < 4; ++r)
    for (int k = 0; k < 4; ++k) b.dims_a[r][k] = a[r][k];
  return b;
}

TEST(BlockSizeCheck, SizesTheTablesWeighWithMustBePositive) {
  struct Case {
    const char* name;
    BlockCheckInput block;
    std::string problem;
  };
  std::vector<Case> cases;
  BlockCheckInput rect;
  rect.block_type = 1;
  rect.vertex_x[0] = 6;
  rect.vertex_y[0] = 2;
  cases.push_back({"rectangle", rect, ""});
  rect.vertex_x[0] = -6;
  cases.push_back({"rectangle of width -6", rect, "幅 (-6.000) が正ではありません。"});
  cases.push_back({"caisson", caisson(), ""});
  BlockCheckInput b = caisson();
  b.dims_a[2][0] = 0;
  cases.push_back({"caisson of length 0", b, "長さ Lb (0.000) が正ではありません。"});
  b = caisson();
  b.flag_a = 9;
  cases.push_back({"caisson of 9 cells", b, "隔室数 (横断 9、縦断 2) が 1～8 の範囲にありません。"});
  b = caisson();
  b.dims_a[3][0] = 2;
  cases.push_back({"haunch wider than half a cell", b, "ハンチ (2.000) が隔室 (3.250) に収まりません。"});
  b = caisson();
  b.part_values[0][0] = -1;
  cases.push_back({"negative fill", b, "中詰め第1層の厚さ (-1.000) が負です。"});
  b = caisson();
  b.part_values[0][1] = -1;  // beyond the part count: not a layer
  cases.push_back({"value past the layers", b, ""});
  cases.push_back({"counterfort", counterfort(1), ""});
  b = counterfort(1);
  b.dims_a[2][0] = 1;  // L shorter than the counterforts and haunches: 1 - (0.6 + 0.4) * 2
  cases.push_back({"counterforts longer than the block", b,
                   "扶壁の間のハンチ長 L - (2Hc + Tc)n (-1.000) が負です。"});
  // The counterfort's slope H - D - Hr: 0 is a counterfort without a slope and is weighed; a
  // difference that is 0 only in decimals (6.3 - 1.1 - 5.2 is -8.9e-16 in binary) too.
  b = counterfort(1);
  b.dims_a[0][2] = 5.2;
  cases.push_back({"counterfort without a slope", b, ""});
  b.dims_a[0][0] = 6.3, b.dims_a[0][1] = 1.1;
  cases.push_back({"counterfort without a slope, in decimals", b, ""});
  b.dims_a[0][2] = 5.21;
  cases.push_back({"heel part above the top", b, "扶壁の傾斜部の高さ H - D - Hr (-0.010) が負です。"});
  b = counterfort(3);
  b.dims_a[0][2] = 6;  // Ht = H: no lean angle
  cases.push_back({"inclined wall without an inclined part", b,
                   "前壁の傾斜部の高さ H - Ht (0.000) が正ではありません。"});
  BlockCheckInput lib;
  lib.block_type = 8;
  lib.library_length = 0;
  cases.push_back({"library unit without a length", lib,
                   "形状ライブラリの長さ L (0.000) が正ではありません。"});
  for (const Case& c : cases) EXPECT_EQ(block_geometry_problem(c.block), c.problem) << c.name;
}

TEST(BodyCheck, PatternsAndWallLengths) {
  EXPECT_EQ(improvement_problem({PATTERN_BLOCK, 0, 0, 0, 0, 0, true}), "");
  EXPECT_EQ(improvement_problem({4, 1, 1, 0, 0, 0, false}), "改良形式 (4) が不明です。");
  EXPECT_EQ(improvement_problem({PATTERN_WALL, -1, 1, 0, 0, 0, true}),
            "改良体の長壁長 Ll (-1.000) が正ではありません。");
  // Nothing weighs with the walls without a block of improved soil.
  EXPECT_EQ(improvement_problem({PATTERN_WALL, -1, 1, 0, 0, 0, false}), "");
  EXPECT_EQ(improvement_problem({PATTERN_LATTICE, 2, -0.5, 0, 0, 0, true}),
            "改良体の短壁長 Ls (-0.500) が負です。");
  EXPECT_EQ(improvement_problem({PATTERN_WALL, 2, 0, 0, 0, 0, true}), "");
}

TEST(TopRangeCheck, StartBeyondEndIsRefused) {
  EXPECT_EQ(top_range_problem({1, 3, {10, 10}}, 0), "");
  EXPECT_EQ(top_range_problem({0, 0, {0, 0}}, 1), "");  // not present
  EXPECT_EQ(top_range_problem({5, 3, {10, 0}}, 1),
            "上載荷重 2 の範囲の始点 x = 5.000 m が終点 x = 3.000 m より後ろにあります。");
}

}  // namespace
}  // namespace qvt
