// The loads, water levels and layer labels of the condition figure, as page commands worked by
// hand.
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/tests/block_fixtures.h"
#include "engines/peludra/peludra.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace qvt::peludra {
namespace {

using engine::FigureFile;
using engine::testing::empty_blocks;

std::string sj(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

std::vector<std::string> drawn(const std::function<void(FigureFile&)>& draw) {
  qvt::testing::TempDir dir;
  FigureFile f;
  EXPECT_TRUE(f.open(dir / "F.PZK", {}));
  draw(f);
  EXPECT_TRUE(f.close({}));
  return split_lines(read_file_bytes(dir / "F.PZK").value_or(""));
}

int count_starting(const std::vector<std::string>& lines, const std::string& lead) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
    return l.rfind(lead, 0) == 0;
  }));
}

// 100 page units per metre; level -10 at page x 3000, x 0 at page y 4000, x 10 at 3000.
ConditionFigureState plain_state(double scale = 100) {
  ConditionFigureState st;
  engine::SectionFigureState& s = st.section;
  s.min_x = 0;
  s.max_x = 10;
  s.min_y = -10;
  s.max_y = 5;
  s.scale = scale;
  s.origin_x = 3000;
  s.origin_y = 4000;
  s.block_bottom_level = -10;
  return st;
}

TEST(ConditionWaterLevelsTest, CloseLevelsKeepTheirTextsApart) {
  // Scale 50: H.W.L 1.6 at page x 3000 - 580 = 2420, L.W.L 0.0 at 2500, 80 apart; the L.W.L
  // leader bends to 2420 + 112 = 2532. Leaders end at 4000 + 70 + 595 + 150 = 4815; texts at
  // 4000 + 70 + 525 = 4595; marks' tips at 4815 - 35 - 75 = 4705.
  auto d = empty_blocks();
  d->water_levels[0] = 1.6;
  d->water_levels[1] = 0.0;
  ConditionFigureState st = plain_state(50);
  const std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_sea_side_conditions(f, *d, st); });
  const std::vector<std::string> head(lines.begin(), lines.begin() + 3);
  EXPECT_EQ(head, (std::vector<std::string>{"L 2420 4000 2420 4815 0 2",
                                            "K 2406 4595   70   70   90 2", "H.W.L  +1.600"}));
  const std::vector<std::string> low(lines.begin() + 9, lines.begin() + 14);
  EXPECT_EQ(low, (std::vector<std::string>{"L 2500 4000 2500 4035 0 2",
                                           "L 2500 4035 2532 4070 0 2",
                                           "L 2532 4070 2532 4815 0 2",
                                           "K 2518 4595   70   70   90 2", "L.W.L  +0.000"}));
  EXPECT_EQ(count_starting(lines, "L 2532 4705"), 1);
  // No sea-side layer: no layer line, no bottom line, no properties.
  EXPECT_EQ(lines.size(), 2 * (3 + 6) + 2u);
}

TEST(ConditionLayersTest, SeaLayersWithSlopeAndProperties) {
  auto d = empty_blocks();
  d->soil_layer_counts[engine::SIDE_PASSIVE] = 1;
  engine::SoilLayer& l = d->soil_layers[engine::SIDE_PASSIVE][0];
  l.top_level = -5;
  l.unit_weight_air = 18;
  l.unit_weight_submerged = 10;
  l.phi = 30;
  d->seabed_slope_angle = 10;  // degrees: 1600 * tan 10 = 282.1
  d->water_levels[0] = d->water_levels[1] = -20;  // off the layers' lines
  ConditionFigureState st = plain_state();
  const std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_sea_side_conditions(f, *d, st); });
  // Seabed at page x 2500: the reference line, the sloped boundary, the level text at
  // (2486, 5600 - 35); the bottom -10 at 3000; the properties between them at Xm = 2750:
  // (2729, 5600 - 175 - 600 = 4825) and (2750 - 7 + 70 = 2813, 4825).
  const std::vector<std::string> want = {
      "L 2500 4100 2500 5600 0 2", "L 2500 4000 2782 5600 0 2", "K 2486 5565   70   70   90 2",
      "  -5.000", "L 3000 4000 3000 5600 0 2", "K 2986 5565   70   70   90 2", " -10.000",
      "K 2729 4825   70   70   90 2", sj("γ=18.000、γ'=10.000"), "K 2813 4825   70   70   90 2",
      sj("φ=30.0ﾟ")};
  const std::vector<std::string> layers(lines.end() - static_cast<long>(want.size()),
                                        lines.end());
  EXPECT_EQ(layers, want);
}

TEST(ConditionLayersTest, LandLayersAndTheResidualLevel) {
  auto d = empty_blocks();
  d->water_levels[2] = 0.6;
  d->soil_layer_counts[engine::SIDE_ACTIVE] = 2;
  d->soil_layers[engine::SIDE_ACTIVE][0] = {3, -5, 18, 10, 0, 30, 0, 0, 0, 0};
  d->soil_layers[engine::SIDE_ACTIVE][1] = {-5, -9, 16, 6, 1, 0, 30, 2, 0, 0};
  ConditionFigureState st = plain_state();
  const std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_land_side_conditions(f, *d, st); });
  // Yb = page y of x 10 = 3000, Y1 = 1400; texts at 1400 + 315 = 1715; the ground level text
  // below its line at 1700 + 84; properties at page y 3000 - 175 = 2825.
  const std::vector<std::string> want = {
      "L 1700 3000 1700 1400 0 2", "K 1784 1715   70   70   90 2", "  +3.000",
      "L 2500 3000 2500 1400 0 2", "K 2486 1715   70   70   90 2", "  -5.000",
      "K 2079 2825   70   70   90 2", sj("γ=18.000、γ'=10.000"), "K 2163 2825   70   70   90 2",
      sj("φ=30.0ﾟ"), "L 2900 3000 2900 1400 0 2", "K 2886 1715   70   70   90 2", "  -9.000",
      "K 2679 2825   70   70   90 2", sj("γ=16.000、γ'=6.000"), "K 2763 2825   70   70   90 2",
      sj("Ｃ=2.000･Ｚ+30.000"),
      // R.W.L at 3000 - 1060 = 1940, text at 1400 + 490 = 1890, mark's tip at 1990.
      "L 1940 3000 1940 1400 0 2", "K 1926 1890   70   70   90 2", "R.W.L  +0.600"};
  const std::vector<std::string> head(lines.begin(), lines.begin() + static_cast<long>(want.size()));
  EXPECT_EQ(head, want);
  EXPECT_EQ(count_starting(lines, "L 1940 1990"), 1);
}

TEST(LoadArrowsTest, ArrowsAboveHalfTheSmallTextLinesBelow) {
  ConditionFigureState st = plain_state();
  // A flat top from page y 3000 to 2800: arrows at 2920 and 2840 (2760 < 2800 + 40).
  EXPECT_EQ(drawn([&](FigureFile& f) { draw_load_arrows(f, st, 1000, 1000, 3000, 2800, 26, 80); }),
            (std::vector<std::string>{"Y 1000 2920 1026 2920   35   17 1",
                                      "Y 1000 2840 1026 2840   35   17 1"}));
  // A sloped top: m = 1000 + trunc((h - 3000) * (-100 / -200)).
  EXPECT_EQ(drawn([&](FigureFile& f) { draw_load_arrows(f, st, 1000, 900, 3000, 2800, 25, 80); }),
            (std::vector<std::string>{"L  960 2920  985 2920 0 2", "L  920 2840  945 2840 0 2"}));
  // A top with no length along page y holds no arrow (and divides nothing).
  EXPECT_TRUE(drawn([&](FigureFile& f) { draw_load_arrows(f, st, 1000, 900, 3000, 3000, 30, 80); })
                  .empty());
}

engine::WallTopState two_segments(double q1, double q2, double q3 = 0, int count = 2) {
  engine::WallTopState w;
  w.top_surcharge_present[0] = w.top_surcharge_present[1] = 1;
  auto& s = w.top_surcharge_segments;
  s.count = count;
  const double q[] = {q1, q2, q3};
  for (int i = 0; i < count; ++i) {
    s.x1.push_back(2 * i);
    s.x2.push_back(2 * i + 2);
    s.y1.push_back(0);
    s.y2.push_back(0);
    s.q.push_back(q[i]);
  }
  return w;
}

TEST(TopSurchargeTest, LargestLoadFixesTheScaleForEveryBlock) {
  auto d = empty_blocks();
  engine::testing::put_top_range(*d, 0, 0, 2, 10);
  engine::testing::put_top_range(*d, 1, 2, 4, 20);
  d->surface_surcharge[0] = 5;
  d->soil_layer_counts[engine::SIDE_ACTIVE] = 1;
  d->soil_layers[engine::SIDE_ACTIVE][0].top_level = 0;
  ConditionFigureState st = plain_state();
  const engine::WallTopState w = two_segments(10, 20);
  std::vector<std::string> lines = drawn([&](FigureFile& f) { draw_top_surcharges(f, *d, st, w); });
  EXPECT_EQ(st.load_scale, 10);
  // Level 0 at page x 2000: the 10 kN/m2 block is 100 high (to 1900), the 20 one 200 (1800).
  EXPECT_EQ(lines[0], "L 2000 4000 1900 4000 0 2");
  EXPECT_EQ(count_starting(lines, "L 2000 3600 1800 3600 0 2"), 1);
  // One text per load: 10 over 4000 .. 3800 at (1900 - 14, 3900 + 280), 20 at (1786, 3980).
  EXPECT_EQ(count_starting(lines, "K 1886 4180"), 1);
  EXPECT_EQ(count_starting(lines, "K 1786 3980"), 1);
  EXPECT_EQ(lines.back(), sj("ω =20.000kN/m\\U2"));
  // The ground block: 5 kN/m2, 50 high, from the land face (page y 3000) 1600 landward.
  lines = drawn([&](FigureFile& f) { draw_surface_surcharge(f, *d, st); });
  EXPECT_EQ(lines[0], "L 2000 3000 1950 3000 0 2");
  EXPECT_EQ(lines.back(), sj("ω = 5.000kN/m\\U2"));
}

TEST(TopSurchargeTest, EqualLoadsShareOneText) {
  auto d = empty_blocks();
  engine::testing::put_top_range(*d, 0, 0, 6, 20);
  d->current_case = engine::CASE_SEISMIC;
  d->top_surcharges.load[0][engine::CASE_SEISMIC] = 20;
  ConditionFigureState st = plain_state();
  const engine::WallTopState w = two_segments(10, 10, 20, 3);
  const std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_top_surcharges(f, *d, st, w); });
  std::vector<std::string> texts;
  for (const std::string& l : lines)
    if (l.rfind(sj("ω'"), 0) == 0) texts.push_back(l);
  EXPECT_EQ(texts, (std::vector<std::string>{sj("ω'=10.000kN/m\\U2"), sj("ω'=20.000kN/m\\U2")}));
  // The first text is centred over the run of the first two segments: (4000 + 3600) / 2 + 280.
  EXPECT_EQ(count_starting(lines, "K 1886 4080"), 1);
}

TEST(SurchargeTest, NoLoadDrawsNoBlockEvenWithAScale) {
  auto d = empty_blocks();
  ConditionFigureState st = plain_state();
  st.load_scale = 10;
  for (double q : {0.0, -5.0}) {
    d->surface_surcharge[0] = q;
    d->seabed_surcharge[0] = q;
    EXPECT_TRUE(drawn([&](FigureFile& f) { draw_surface_surcharge(f, *d, st); }).empty());
    EXPECT_TRUE(drawn([&](FigureFile& f) { draw_seabed_surcharge(f, *d, st); }).empty());
  }
  // A sloped seabed at 10 degrees, seabed level 0 at page x 2000, block 100 high: the far end
  // 282 lower on the page (larger page x).
  d->seabed_surcharge[0] = 10;
  d->seabed_slope_angle = 10;
  const std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_seabed_surcharge(f, *d, st); });
  EXPECT_EQ(lines[1], "L 1900 4000 2182 5600 0 2");
}

TEST(SurchargeTest, SteepSlopesAndHugeLoadsStayInRange) {
  // A slope of 90 degrees (tan about 1.6e16) and loads far beyond any scale: the figure is
  // still written, its far ends held at 100 000 000 page units.
  auto d = empty_blocks();
  d->seabed_slope_angle = 90;
  d->seabed_surcharge[0] = 1e300;
  d->soil_layer_counts[engine::SIDE_PASSIVE] = 1;
  ConditionFigureState st = plain_state();
  std::vector<std::string> lines = drawn([&](FigureFile& f) {
    draw_sea_side_conditions(f, *d, st);
    draw_seabed_surcharge(f, *d, st);
  });
  EXPECT_EQ(count_starting(lines, "L 2000 4000 100002000 5600 0 2"), 1);
  d->surface_shape = 1;
  d->surface_point_count = 2;
  d->surface_points[0] = {0, 0, 0};
  d->surface_points[1] = {0, 1e300, -1e300};
  d->surcharge_ranges[0] = {-1e300, 1e300, {-1e300, 0}};
  d->surcharge_ranges[1] = {0, 5, {1, 0}};
  ConditionFigureState wide = plain_state();
  lines = drawn([&](FigureFile& f) { draw_ground_surface(f, *d, wide); });
  EXPECT_FALSE(lines.empty());
}

TEST(GroundSurfaceTest, RangesOnTheSurfaceAndTheirTexts) {
  auto d = empty_blocks();
  d->surface_shape = 1;
  d->surface_point_count = 3;
  d->surface_points[0] = {0, 10, 0};
  d->surface_points[1] = {0, 20, 0};
  d->surface_points[2] = {0, 40, 2};
  d->surcharge_ranges[0] = {5, 999, {10, 0}};
  d->surcharge_ranges[1] = {12, 14, {0.005, 0}};  // under 0.01: neither drawn nor labelled
  d->surcharge_ranges[2] = {50, 60, {8, 0}};      // beyond the surface: drawn nowhere, no text
  ConditionFigureState st = plain_state(50);
  const std::vector<std::string> lines =
      drawn([&](FigureFile& f) { draw_ground_surface(f, *d, st); });
  EXPECT_EQ(st.load_scale, 20);
  // Range 0 over both segments: blocks 200 high; its text over the highest ground (2 at the
  // end, page x 3000 - 600 = 2400) at 2400 - 200 - 14, between x 5 and the surface end 40:
  // (3750 + 2000) / 2 + 280.
  EXPECT_EQ(count_starting(lines, "K 2186 3155"), 1);
  EXPECT_EQ(count_starting(lines, "K "), 1);
  EXPECT_EQ(lines.back(), sj("ω =10.000kN/m\\U2"));
}

}  // namespace
}  // namespace qvt::peludra
