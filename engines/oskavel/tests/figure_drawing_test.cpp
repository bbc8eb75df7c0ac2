// The drawing inside the block figures, as page commands worked by hand: the water and block
// levels, the dimension chains, the block and buoyancy divisions and the shear check's spread
// line, clipped division, width and levels.
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/tests/block_fixtures.h"
#include "engines/oskavel/oskavel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace qvt::oskavel {
namespace {

using engine::FigureFile;
using engine::SectionFigureState;
using engine::testing::empty_blocks;
using engine::testing::put_polygon;
using engine::testing::put_rectangle;

std::vector<std::string> drawn(const std::function<void(FigureFile&)>& draw) {
  qvt::testing::TempDir dir;
  FigureFile f;
  EXPECT_TRUE(f.open(dir / "F.PZK", {}));
  draw(f);
  EXPECT_TRUE(f.close({}));
  return split_lines(read_file_bytes(dir / "F.PZK").value_or(""));
}

bool has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

int count_starting(const std::vector<std::string>& lines, const std::string& lead) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
    return l.rfind(lead, 0) == 0;
  }));
}

// The first sample's figure: extents 0 .. 20 by -25 .. 3, scale 2600 / 28, origin_y 3824.
SectionFigureState first_sample_state() {
  SectionFigureState st;
  st.min_x = 0;
  st.max_x = 20;
  st.min_y = -25;
  st.max_y = 3;
  st.scale = 2600.0 / 28;
  st.origin_x = 3600;
  st.origin_y = 3824;
  st.block_top_level = 3;
  st.block_bottom_level = -25;
  return st;
}

// A plain state: 100 page units per metre, elevation -10 at page x 3600, x 0 at page y 5000.
SectionFigureState plain_state() {
  SectionFigureState st;
  st.min_x = 0;
  st.max_x = 20;
  st.min_y = -10;
  st.max_y = 10;
  st.scale = 100;
  st.origin_x = 3600;
  st.origin_y = 5000;
  st.block_top_level = 10;
  st.block_bottom_level = -10;
  return st;
}

TEST(WaterLevelsTest, FirstSampleLevelsFromTheHighestDown) {
  // page x = 3600 - trunc((level + 25) * 92.857...): 3.0 -> 1000, 1.8 -> 1112, 0.6 -> 1223,
  // 0.0 -> 1279, -25 -> 3600. Leaders closer than trunc(1.6 * 70) = 112 are bent: 0.6 to
  // 1112 + 112 = 1224, 0.0 to 1224 + 112 = 1336. Y0 = 3824 + 100 = 3924; the texts at
  // 3924 + 70 + 35 * 15 = 4519; water leaders end at 3924 + 70 + 35 * 17 + 150 = 4739, block
  // leaders at 3924 + 70 + 35 * 11 = 4379; the marks' tips at 4739 - 35 - 75 = 4629.
  auto d = empty_blocks();
  d->water_levels[0] = 1.8;
  d->water_levels[1] = 0.0;
  d->water_levels[2] = 0.6;
  const SectionFigureState st = first_sample_state();
  const std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_water_levels(f, *d, st, BLOCK_DIVISION); });
  std::vector<std::string> texts, leaders;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind("K ", 0) == 0) texts.push_back(lines[i] + "|" + lines[i + 1]);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"K  986 4519   70   70   90 2|       +3.000",
                                             "K 1098 4519   70   70   90 2|H.W.L  +1.800",
                                             "K 1210 4519   70   70   90 2|R.W.L  +0.600",
                                             "K 1322 4519   70   70   90 2|L.W.L  +0.000",
                                             "K 3586 4519   70   70   90 2|      -25.000"}));
  for (const char* l :
       {"L 1000 3924 1000 4379 0 2", "L 1112 3924 1112 4739 0 2", "L 1223 3924 1223 3959 0 2",
        "L 1223 3959 1224 3994 0 2", "L 1224 3994 1224 4739 0 2", "L 1279 3924 1279 3959 0 2",
        "L 1279 3959 1336 3994 0 2", "L 1336 3994 1336 4739 0 2", "L 3600 3924 3600 4379 0 2",
        // the first line of each water mark starts at its tip
        "L 1112 4629", "L 1224 4629", "L 1336 4629"})
    EXPECT_EQ(count_starting(lines, l), 1) << l;
  EXPECT_EQ(lines.size(), 5 * 2 + 9 + 3 * 6u);  // texts, leaders, three marks of six lines
}

TEST(WaterLevelsTest, EqualHighAndResidualLevelsComeResidualFirst) {
  auto d = empty_blocks();
  d->water_levels[0] = 1.8;
  d->water_levels[1] = 0.0;
  d->water_levels[2] = 1.8;
  const SectionFigureState st = first_sample_state();
  const std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_water_levels(f, *d, st, BLOCK_DIVISION); });
  // Both at page x 1112: R.W.L. first, H.W.L. bent to 1224.
  EXPECT_TRUE(has(lines, "K 1098 4519   70   70   90 2"));
  const auto r = std::find(lines.begin(), lines.end(), "R.W.L  +1.800");
  const auto h = std::find(lines.begin(), lines.end(), "H.W.L  +1.800");
  ASSERT_TRUE(r != lines.end() && h != lines.end());
  EXPECT_LT(r, h);
  EXPECT_EQ(*(h - 1), "K 1210 4519   70   70   90 2");
  EXPECT_TRUE(has(lines, "L 1112 3959 1224 3994 0 2"));
}

TEST(DimensionChainTest, ChainsAboveAndBelowTheBlocks) {
  struct Case {
    std::vector<double> x;
    bool upper;
    std::vector<std::string> want;
  };
  // Upper list: px = 3600 - (10 + 10) * 100 - 150 = 1450; text columns 1426 and 1534.
  // Lower list: px = 3600 - 0 + 150 = 3750; text columns 3726 and 3834.
  const Case cases[] = {
      // 0, 5, 5, 12: segments 5 and 7 (the repeated point skipped), overall 12 at px - 150.
      // Texts "5.000": w = 75, anchor (5000 + 4500) / 2 + 75 = 4825 < 5150 - 30, f = 4675;
      // "7.000": anchor 4150 + 75 = 4225 < 4645; "12.000": w = 90, 4400 + 90 = 4490.
      {{0, 5, 5, 12},
       true,
       {"L 1438 5000 1462 5000 0 2", "L 1438 4500 1462 4500 0 2",
        "Y 1450 5000 1450 4500   40   20 2", "K 1426 4825   60   60   90 2", "5.000",
        "L 1438 3800 1462 3800 0 2", "Y 1450 4500 1450 3800   40   20 2",
        "K 1426 4225   60   60   90 2", "7.000", "L 1288 5000 1312 5000 0 2",
        "L 1288 3800 1312 3800 0 2", "Y 1300 5000 1300 3800   40   20 2",
        "K 1276 4490   60   60   90 2", "12.000"}},
      // 0, 1, 1.5, 1.6 below: short spans are lines; "1.000" at 4950 + 75 = 5025 (f = 4875);
      // "0.500" at 4875 + 75 = 4950, past f - 30 = 4845 but before g - 30 = 5120: column t2,
      // g = 4800; "0.100" at 4845 + 75 = 4920 fits neither: column t1 at f - 30 = 4845.
      // Overall 1.600 at 3750 + 150 = 3900, an arrow over 160 units, text at 4920 + 75.
      {{0, 1, 1.5, 1.6},
       false,
       {"L 3738 5000 3762 5000 0 2", "L 3738 4900 3762 4900 0 2", "L 3750 5000 3750 4900 0 2",
        "K 3726 5025   60   60   90 2", "1.000", "L 3738 4850 3762 4850 0 2",
        "L 3750 4900 3750 4850 0 2", "K 3834 4950   60   60   90 2", "0.500",
        "L 3738 4840 3762 4840 0 2", "L 3750 4850 3750 4840 0 2",
        "K 3726 4845   60   60   90 2", "0.100", "L 3888 5000 3912 5000 0 2",
        "L 3888 4840 3912 4840 0 2", "Y 3900 5000 3900 4840   40   20 2",
        "K 3876 4995   60   60   90 2", "1.600"}},
      // One point, or none to the right of another: nothing.
      {{4}, true, {}},
      {{5, 3, 1}, false, {}},
      // One segment: no overall dimension.
      {{2, 4}, true,
       {"L 1438 4800 1462 4800 0 2", "L 1438 4600 1462 4600 0 2",
        "Y 1450 4800 1450 4600   40   20 2", "K 1426 4775   60   60   90 2", "2.000"}},
  };
  const SectionFigureState st = plain_state();
  for (const Case& c : cases) {
    engine::DimensionPointList list;
    list.count = static_cast<int>(c.x.size());
    std::copy(c.x.begin(), c.x.end(), list.x);
    EXPECT_EQ(drawn([&](FigureFile& f) { draw_dimension_chain(f, st, list, c.upper); }), c.want);
  }
}

TEST(DimensionChainTest, PointFarBeyondAnyPageIsHeldOffIt) {
  engine::DimensionPointList list;
  list.count = 2;
  list.x[1] = 1e300;
  const std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_dimension_chain(f, plain_state(), list, true); });
  ASSERT_EQ(lines.size(), 5u);
  // 5000 - kPageCoordinateLimit: the distance is held, then taken from the origin.
  EXPECT_EQ(lines[1], "L 1438 -99995000 1462 -99995000 0 2");
  EXPECT_EQ(lines[2], "Y 1450 5000 1450 -99995000   40   20 2");
}

TEST(BlockDivisionTest, PolygonCrossingTheResidualLevel) {
  // A 2 x 4 polygon from level -2 to 2 with the R.W.L. at 0.
  auto d = empty_blocks();
  d->water_levels[2] = 0;
  put_polygon(*d, 0, 4, -2, {{0, 0}, {0, 4}, {2, 4}, {2, 0}});
  put_rectangle(*d, 1, 10, -5, 2, 2);  // outline only
  const SectionFigureState st = plain_state();
  auto numbers = [&](int kind) {
    std::vector<std::string> out;
    const std::vector<std::string> lines =
        drawn([&](FigureFile& f) { draw_block_division(f, *d, st, kind); });
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
      if (lines[i].rfind("K ", 0) == 0) out.push_back(lines[i] + "|" + lines[i + 1]);
    return out;
  };
  // Equal weights: one piece, the whole square, its number at its middle (5, 0): page x 2600
  // + 25, page y 4500 + 25 / 2 * ... (one digit: 50 / 4 = 12).
  d->wall_blocks[0].head.unit_weights[0] = 24;
  d->wall_blocks[0].head.unit_weights[2] = 24;
  EXPECT_EQ(numbers(BLOCK_DIVISION), (std::vector<std::string>{"K 2625 4512   50   50   90 2|1"}));
  // 24 above, 22 below: the upper piece (middle at level 1, page x 2500) first.
  d->wall_blocks[0].head.unit_weights[2] = 22;
  EXPECT_EQ(numbers(BLOCK_DIVISION), (std::vector<std::string>{"K 2525 4512   50   50   90 2|1",
                                                               "K 2725 4512   50   50   90 2|2"}));
  // Buoyancy: the lower piece alone, no line along the cut, the R.W.L. once across.
  const std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_block_division(f, *d, st, BUOYANCY_DIVISION); });
  EXPECT_EQ(numbers(BUOYANCY_DIVISION),
            (std::vector<std::string>{"K 2725 4512   50   50   90 2|1"}));
  EXPECT_EQ(lines.back(), "L 2600 5000 2600 3000 3 1");
  // The piece's own lines stay (its side at x 6 from level 0 down, its bottom), its edge on
  // the R.W.L. (page x 2600 at both ends) does not.
  EXPECT_EQ(lines, (std::vector<std::string>{"K 2725 4512   50   50   90 2", "1",
                                             "L 2600 4400 2800 4400 1 1",
                                             "L 2800 4400 2800 4600 1 1",
                                             "L 2600 5000 2600 3000 3 1"}));
}

TEST(BlockDivisionTest, BlockFarFromTheOriginIsCutToo) {
  auto d = empty_blocks();
  d->water_levels[2] = 0;
  put_polygon(*d, 0, 150, -2, {{0, 0}, {0, 4}, {2, 4}, {2, 0}});
  d->wall_blocks[0].head.unit_weights[0] = 24;
  d->wall_blocks[0].head.unit_weights[2] = 22;
  const std::vector<std::string> lines = drawn(
      [&](FigureFile& f) { draw_block_division(f, *d, plain_state(), BLOCK_DIVISION); });
  EXPECT_EQ(count_starting(lines, "K "), 2);
}

// The improved body x 0 .. 20, levels -10 .. 0; the check point (15, 5); theta 0, so the spread
// line leaves at 30 degrees: Q = (15 - 5 tan 30, 0) = (12.113249, 0). A polygon block from
// (10, 0) to (14, 4) is cut at Q.
std::unique_ptr<engine::ConditionData> shear_fixture() {
  auto d = empty_blocks();
  put_rectangle(*d, 0, 0, -10, 20, 10, engine::BLOCK_SOIL_RECTANGLE);
  put_polygon(*d, 1, 10, 0, {{0, 0}, {0, 4}, {4, 4}, {4, 0}});
  d->body_reactions[0].check_x = 15;
  d->body_reactions[0].check_y = 5;
  return d;
}

TEST(ShearDivisionTest, SpreadLineCutAndWidth) {
  auto d = shear_fixture();
  const SectionFigureState st = plain_state();
  // page x of 5 = 3600 - 1500 = 2100; of 0 = 2600; of -10 = 3600; page y of 15 = 3500,
  // of 12.113249 = 5000 - 1211 = 3789.
  EXPECT_EQ(drawn([&](FigureFile& f) { draw_spread_line(f, *d, st, SHEAR_NORMAL); }),
            (std::vector<std::string>{"L 2100 3500 2600 3789 2 1", "L 2600 3789 3600 3789 1 1"}));
  const std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_shear_division(f, *d, st, SHEAR_NORMAL); });
  // The cut between the crossings (12.113, 4) and (12.113, 0); the kept part is one piece.
  EXPECT_EQ(lines.front(), "L 2200 3789 2600 3789 2 1");
  EXPECT_EQ(count_starting(lines, "K "), 2);  // piece 1 and the width
  // Width one metre above the check point: px = 3600 - 1600 = 2000, from 5000 to 3789;
  // "12.113" at trunc((5000 + 3789) / 2 + 6 * 60 / 4) = 4484.
  const std::vector<std::string> tail(lines.end() - 5, lines.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"L 1988 5000 2012 5000 0 2", "L 1988 3789 2012 3789 0 2",
                                            "Y 2000 5000 2000 3789   40   20 2",
                                            "K 1976 4484   60   60   90 2", "12.113"}));
}

TEST(ShearDivisionTest, LevelsWhereTheSpreadLineReachesTheBodyTop) {
  auto d = shear_fixture();
  // A rectangle over xq = 12.113 from level 1 to 3 and one touching it at its side.
  put_rectangle(*d, 2, 12, 1, 1, 2);
  put_rectangle(*d, 3, 12.113, 1, 1, 2);
  const SectionFigureState st = plain_state();
  const std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_shear_levels(f, *d, st, SHEAR_NORMAL); });
  // Polygon edges at levels 4 and 0; the rectangle's 1 and 3 with the line between them.
  // Sea-side marks: Y0 = 5100, leader to 5555, text at 5520, 14 above the leader.
  const std::vector<std::string> want = {
      "L 2200 5100 2200 5555 0 2", "K 2186 5520   70   70   90 2", "  +4.000",
      "L 2600 5100 2600 5555 0 2", "K 2586 5520   70   70   90 2", "  +0.000",
      "L 2500 5100 2500 5555 0 2", "K 2486 5520   70   70   90 2", "  +1.000",
      "L 2300 5100 2300 5555 0 2", "K 2286 5520   70   70   90 2", "  +3.000",
      "L 2500 3789 2300 3789 1 1"};
  EXPECT_EQ(lines, want);
}

TEST(ShearDivisionTest, NoImprovedBodyOrAParallelSpreadLineDrawsNoShearPart) {
  const SectionFigureState st = plain_state();
  auto none = shear_fixture();
  none->wall_blocks[0].block_type = engine::BLOCK_EMPTY;
  auto parallel = shear_fixture();
  parallel->body_reactions[0].spread_angle = 60;  // horizontal, like the body top
  for (const auto* d : {none.get(), parallel.get()}) {
    EXPECT_TRUE(drawn([&](FigureFile& f) { draw_spread_line(f, *d, st, SHEAR_NORMAL); }).empty());
    EXPECT_TRUE(
        drawn([&](FigureFile& f) { draw_shear_division(f, *d, st, SHEAR_NORMAL); }).empty());
  }
}

TEST(LayerLevelsTest, LandSideMarksTheRecordAfterItsLastLayerWhenItExists) {
  auto d = empty_blocks();
  const SectionFigureState st = plain_state();
  d->soil_layer_counts[engine::SIDE_PASSIVE] = 1;
  d->soil_layers[engine::SIDE_PASSIVE][0].top_level = -2;
  d->soil_layer_counts[engine::SIDE_ACTIVE] = 1;
  d->soil_layers[engine::SIDE_ACTIVE][0].top_level = 3;
  d->soil_layers[engine::SIDE_ACTIVE][1].top_level = -5;
  // Land leaders start at 5000 - 2000 - 100 = 2900 and end at 2900 - 455 = 2445; texts at
  // 2445 + 315 = 2760.
  std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_layer_levels(f, *d, st, BLOCK_DIVISION); });
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "L 2800 5100 2800 5555 0 2", "K 2786 5520   70   70   90 2", "  -2.000",
                       "L 2300 2900 2300 2445 0 2", "K 2286 2760   70   70   90 2", "  +3.000",
                       "L 3100 2900 3100 2445 0 2", "K 3086 2760   70   70   90 2", "  -5.000"}));
  d->soil_layer_counts[engine::SIDE_ACTIVE] = engine::SOIL_LAYER_RECORDS;
  d->soil_layer_counts[engine::SIDE_PASSIVE] = -1;  // no action point on the sea side
  lines = drawn([&](FigureFile& f) { draw_layer_levels(f, *d, st, BLOCK_DIVISION); });
  EXPECT_EQ(count_starting(lines, "L "), engine::SOIL_LAYER_RECORDS);
}

}  // namespace
}  // namespace qvt::oskavel
