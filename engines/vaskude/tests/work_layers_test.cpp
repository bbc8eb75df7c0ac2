// Input checks and working soil layers, run in process on small condition records built here.
#include "common/cp932.h"
#include "engines/common/message_table.h"
#include "engines/vaskude/vaskude.h"
#include "engines/vaskude/vaskude_data.h"
#include "engines/vaskude/tests/section_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

namespace qvt::vaskude {
namespace {

using engine::ConditionData;
using namespace qvt::vaskude::testing;

std::string code_text(int code) { return engine::error_text(code); }

TEST(InputChecks, EveryErrorWithAMinimalFixture) {
  struct Row {
    const char* what;
    std::function<void(ConditionData&)> change;
    int code;  // 0: passes
  };
  const Row rows[] = {
      {"land tops equal", [](ConditionData& c) { c.soil_layers[1][1].top_level = 2.0; }, 17},
      {"sea tops rising",
       [](ConditionData& c) {
         set_layer(c, SIDE_SEA, 1, -7.0, 0, 19, 9, 35);
         c.soil_layer_counts[SIDE_SEA] = 2;
       },
       18},
      {"uneven surface without fill",
       [](ConditionData& c) { c.embankment_layers[0] = {}; }, 64},
      {"fill one unit weight 0 is no fill",
       [](ConditionData& c) { c.embankment_layers[0].unit_weight_submerged = 0; }, 64},
      {"fill ending at the ground top",
       [](ConditionData& c) { c.embankment_layers[0].top_level = 2.0; }, 26},
      {"fill tops not falling",
       [](ConditionData& c) { c.embankment_layers[1] = {5.0, 18, 10}; }, 27},
      {"fill below a surface point",
       [](ConditionData& c) { c.embankment_layers[0].top_level = 3.5; }, 66},
      {"level surface with fill",
       [](ConditionData& c) {
         for (auto& p : c.surface_points) p.y = 2.0;
       },
       65},
      {"level surface without fill",
       [](ConditionData& c) {
         for (auto& p : c.surface_points) p.y = 2.0;
         c.embankment_layers[0] = {};
       },
       0},
      {"range 1 from where range 0 ends", [](ConditionData&) {}, 0},
      {"range 1 starting a hair earlier",
       [](ConditionData& c) { c.surcharge_ranges[1].x_min = 24.999; }, 28},
      {"range 0 not in use is still compared",
       [](ConditionData& c) {
         c.surcharge_ranges[0] = {0.001, 0.009, {1, 1}};  // x times 100 truncates to 0
         c.surcharge_ranges[1].x_min = 0.005;
       },
       28},
      {"straight surface skips the surface checks",
       [](ConditionData& c) {
         c.surface_shape = 0;
         c.embankment_layers[0].top_level = -50;
         c.surcharge_ranges[1].x_min = 0;
       },
       0},
  };
  for (const Row& r : rows) {
    auto cd = surface_section();
    r.change(*cd);
    reset_run_data();
    const std::string text = stop_text([&] {
      check_surcharge_overlap(*cd);
      check_layers_and_fill(*cd);
    });
    EXPECT_EQ(text, r.code ? code_text(r.code) : "") << r.what;
  }
}

// Land stack of the surface section, by hand (see surface_section):
//   copied: 2.0 sand, -8.0 clay, body bottom -20.0; clay cohesion C(-8) = 20, C(-20) = 32;
//   one fill record on top: 5.0 fill, 2.0, -8.0, -20.0, then record 0's top becomes 999.99;
//   R.W.L. +1.0 splits the sand; the ground top +2.0 is a top already; the active seabed -8.0
//   (the sea-side seabed) is a top; seabed - 10 m = -18.0 splits the clay, C(-18) = 30:
//   0: 999.99 fill   1: 2.0 sand   2: 1.0 sand   3: -8.0 clay   4: -18.0 clay   5: -20.0
//   ground top index 1, R.W.L. index 2, surcharge level index 3 (the active seabed).
// Work records (unit weight in air above the R.W.L. record):
//   1: 1.0 x 18 = 18 -> overburden 0 .. 18
//   2: 9.0 x 10 = 90 -> 18 .. 108; R.W.L. depths 0 and 9; weight above the R.W.L. 18
//   3: 10 x 6 = 60 -> 108 .. 168; clay in the seabed band, shallow method 0: at the seabed the
//      top overburden 108, at seabed - 10 m 108 + 10 x 6 = 168; cohesion there C(-18) = 30;
//      saturated weight above 9 x (10 + 10) = 180, submerged 90; to the seabed the same
//   4: 2 x 6 = 12 -> 168 .. 180; saturated above 180 + 10 x 16 = 340, submerged 90 + 60 = 150;
//      to the seabed still 180 and 90 (the sum stops after record 2, whose bottom is -8.0)
// Sea: -8.0, seabed - 10 m = -18.0, -20.0; the L.W.L. 0.0 lies above the sea table (index -1):
//   0: 10 x 9 = 90, water depths 8 and 18;  1: 2 x 9 = 18 -> 90 .. 108, saturated above 190.
TEST(WorkingLayers, SurfaceSectionWithFillAndTwoRanges) {
  auto cd = surface_section();
  ASSERT_EQ(stop_text([&] { prepare_layers(*cd); }), "");
  const EarthPressureData& d = run_data();
  ASSERT_EQ(d.land.count, 6);
  const double tops[] = {999.99, 2.0, 1.0, -8.0, -18.0, -20.0};
  for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(d.land.rec[i].top_level, tops[i]) << i;
  EXPECT_DOUBLE_EQ(d.land.rec[0].unit_weight_air, 18);  // the fill record
  EXPECT_EQ(d.land.rec[0].phi, 0);
  EXPECT_DOUBLE_EQ(d.land.rec[1].phi, 30);
  EXPECT_DOUBLE_EQ(d.land.rec[3].top_cohesion, 20);
  EXPECT_DOUBLE_EQ(d.land.rec[3].bottom_cohesion, 30);
  EXPECT_DOUBLE_EQ(d.land.rec[4].top_cohesion, 30);
  EXPECT_DOUBLE_EQ(d.land.rec[4].bottom_cohesion, 32);
  EXPECT_DOUBLE_EQ(d.body_width, 15);
  const engine::PressureWorkHeader& h = d.work.header;
  EXPECT_EQ(h.ground_top_index, 1);
  EXPECT_EQ(h.rwl_index, 2);
  EXPECT_EQ(h.surcharge_level_index, 3);
  EXPECT_EQ(h.seabed_index, 0);
  EXPECT_EQ(d.sea_water_index, -1);
  EXPECT_EQ(h.land_boundary_count, 6);
  EXPECT_EQ(h.sea_boundary_count, 3);
  // ARAYOKO land set: R.W.L. and ground top only: 999.99, 2.0, 1.0, -8.0, -20.0.
  EXPECT_EQ(h.arayoko_land_count, 5);
  EXPECT_EQ(h.arayoko_sea_count, 2);

  const auto& w = d.work.land;
  EXPECT_DOUBLE_EQ(w[0].thickness, 997.99);
  EXPECT_EQ(w[0].overburden_bottom, 0);  // above the ground top
  EXPECT_EQ(w[0].mean_angle_kind, -1);
  const double ob[][2] = {{0, 0}, {0, 18}, {18, 108}, {108, 168}, {168, 180}};
  for (int i = 1; i < 5; ++i) {
    EXPECT_DOUBLE_EQ(w[i].overburden_top, ob[i][0]) << i;
    EXPECT_DOUBLE_EQ(w[i].overburden_bottom, ob[i][1]) << i;
  }
  EXPECT_DOUBLE_EQ(w[1].unit_weight, 18);
  EXPECT_DOUBLE_EQ(w[2].unit_weight, 10);
  EXPECT_DOUBLE_EQ(w[2].saturated_unit_weight, 20);
  EXPECT_NEAR(w[1].phi, 30 * M_PI / 180, 1e-15);
  EXPECT_EQ(w[3].phi, 0);
  EXPECT_DOUBLE_EQ(w[2].rwl_depth_top, 0);
  EXPECT_DOUBLE_EQ(w[2].rwl_depth_bottom, 9);
  EXPECT_DOUBLE_EQ(w[3].weight_above_rwl, 18);
  EXPECT_DOUBLE_EQ(w[3].overburden_seabed, 108);
  EXPECT_DOUBLE_EQ(w[3].overburden_seabed_minus10, 168);
  EXPECT_DOUBLE_EQ(w[3].cohesion_seabed_minus10, 30);
  EXPECT_EQ(w[3].cohesion_seabed, 0);
  EXPECT_DOUBLE_EQ(w[3].saturated_weight_above, 180);
  EXPECT_DOUBLE_EQ(w[3].submerged_weight_above, 90);
  EXPECT_DOUBLE_EQ(w[4].saturated_weight_above, 340);
  EXPECT_DOUBLE_EQ(w[4].submerged_weight_above, 150);
  EXPECT_DOUBLE_EQ(w[4].saturated_weight_to_seabed, 180);
  EXPECT_DOUBLE_EQ(w[4].submerged_weight_to_seabed, 90);
  EXPECT_DOUBLE_EQ(w[4].rwl_depth_bottom, 21);
  EXPECT_EQ(w[4].overburden_seabed, 0);  // -18 .. -20 lies below the band
  EXPECT_DOUBLE_EQ(w[5].top_level, -20);
  EXPECT_EQ(w[5].thickness, 0);

  const auto& s = d.work.sea;
  EXPECT_DOUBLE_EQ(s[0].overburden_bottom, 90);
  EXPECT_DOUBLE_EQ(s[0].water_depth_top, 8);
  EXPECT_DOUBLE_EQ(s[0].water_depth_bottom, 18);
  EXPECT_DOUBLE_EQ(s[1].overburden_bottom, 108);
  EXPECT_DOUBLE_EQ(s[1].saturated_weight_above, 190);
  EXPECT_EQ(s[0].spare_flag, 1);
  EXPECT_EQ(d.work.arayoko_sea[0].spare_flag, 0);
}

// Ground surface of the same section: x from the first point (15), P starts at (15, 2.0):
//   (15, 2.0) equals P and is skipped; to (20, 4.0) range 0 starts at 17: y = 2 + 2 x 2/5 = 2.8;
//   to (30, 3.0) range 0 ends at 25: y = 4 - 5/10 = 3.5; beyond the last point range 1 ends at
//   40 on the line through (20, 4) and (30, 3): y = 4 - 20/10 = 2.0; closed at x 999.
// Surcharges: range 0 on 2 <= x < 10, range 1 on 10 <= x < 25.
TEST(WorkingLayers, GroundSurfaceVerticesAndSurcharges) {
  auto cd = surface_section();
  ASSERT_EQ(stop_text([&] { prepare_layers(*cd); }), "");
  const engine::PressureWorkFile& w = run_data().work;
  const double expected[][4] = {{0, 2.0, 0, 0},   {2, 2.8, 10, 5},   {5, 4.0, 10, 5},
                                {10, 3.5, 20, 10}, {15, 3.0, 20, 10}, {25, 2.0, 0, 0},
                                {999, 2.0, 0, 0}};
  ASSERT_EQ(w.header.ground_vertex_count, 7);
  for (int v = 0; v < 7; ++v) {
    EXPECT_DOUBLE_EQ(w.vertices[v].x, expected[v][0]) << v;
    EXPECT_DOUBLE_EQ(w.vertices[v].y, expected[v][1]) << v;
    EXPECT_DOUBLE_EQ(w.vertices[v].surcharge_normal, expected[v][2]) << v;
    EXPECT_DOUBLE_EQ(w.vertices[v].surcharge_seismic, expected[v][3]) << v;
  }
}

TEST(WorkingLayers, SinglePointOrVerticalEndIsLevelBeyondIt) {
  // One point at (15, 4.0), no fill, range 0 from 17 to 25 beyond it: level at 4.0.
  auto cd = surface_section();
  cd->surface_point_count = 1;
  cd->surface_points[0].y = 4.0;
  cd->embankment_layers[0] = {};
  cd->surcharge_ranges[1] = {};
  ASSERT_EQ(stop_text([&] { prepare_layers(*cd); }), "");
  const engine::PressureWorkFile& w = run_data().work;
  ASSERT_EQ(w.header.ground_vertex_count, 5);  // (0, 2), (0, 4), (2, 4), (10, 4), (999, 4)
  for (int v = 1; v < 5; ++v) EXPECT_DOUBLE_EQ(w.vertices[v].y, 4.0) << v;
  // A vertical last segment (30, 3.0) over (30, 4.5) has no slope to go on with either.
  cd = surface_section();
  cd->surface_points[2] = {0, 30, 4.5};
  cd->surface_points[3] = {0, 30, 3.0};
  cd->surface_point_count = 4;
  ASSERT_EQ(stop_text([&] { prepare_layers(*cd); }), "");
  const engine::PressureWorkFile& w2 = run_data().work;
  const int n = w2.header.ground_vertex_count;
  EXPECT_DOUBLE_EQ(w2.vertices[n - 2].x, 25);  // range 1 ends at 40
  EXPECT_DOUBLE_EQ(w2.vertices[n - 2].y, 3.0);
  for (int v = 0; v < n; ++v) EXPECT_TRUE(std::isfinite(w2.vertices[v].y)) << v;
}

TEST(WorkingLayers, TooManyGroundVerticesAreRefused) {
  // 80 points rising by 0.01 from x 15 and ranges whose ends fall between them: more than 80
  // vertices. The fill lies above them all.
  auto cd = surface_section();
  for (int p = 0; p < 80; ++p) cd->surface_points[p] = {0, 15.0 + p, 2.0 + 0.01 * p};
  cd->surface_point_count = 80;
  cd->surcharge_ranges[0] = {20.5, 30.5, {1, 1}};
  cd->surcharge_ranges[1] = {40.5, 50.5, {1, 1}};
  const std::string text = stop_text([&] { prepare_layers(*cd); });
  EXPECT_NE(text.find(utf8_to_cp932_lossy("80 点まで")), std::string::npos) << text;
}

TEST(WorkingLayers, BoundaryErrors) {
  struct Row {
    const char* what;
    std::function<void(ConditionData&)> change;
    std::string text;
  };
  const Row rows[] = {
      {"R.W.L. below the body", [](ConditionData& c) { c.water_levels[2] = -30; },
       code_text(20)},
      {"active seabed below the body",
       [](ConditionData& c) {
         c.active_seabed_rule = 1;
         c.active_seabed_level = -30;
       },
       code_text(19)},
      {"ground top below the body",
       [](ConditionData& c) {
         set_layer(c, SIDE_LAND, 0, -30, 0, 18, 10, 30);
         c.soil_layer_counts[SIDE_LAND] = 1;
         c.water_levels[2] = -10;
       },
       code_text(21)},
      {"sea seabed below the body",
       [](ConditionData& c) {
         c.soil_layers[SIDE_SEA][0].top_level = -30;
         c.active_seabed_rule = 1;
         c.active_seabed_level = -8;
       },
       code_text(22)},
      {"negative cohesion at a layer top",
       [](ConditionData& c) { c.soil_layers[SIDE_LAND][1].cohesion = -1; }, code_text(61)},
      // A clay first layer extended above its top up to a R.W.L. above the ground: its
      // cohesion there, (2 - 4) x 1 + 1 = -1, is checked like every other boundary's.
      {"negative cohesion at a split",
       [](ConditionData& c) {
         set_layer(c, SIDE_LAND, 0, 2.0, 1, 18, 8, 0, 1, 1);
         c.cohesion_reference_level = 2.0;
         c.water_levels[2] = 4.0;
       },
       code_text(61)},
      // Seabed -5.0 above the clay (-8.0, c 1 at -8.0, +1 per metre): the clay's top lies in
      // the band, and C(-5) = (-8 + 5) x 1 + 1 = -2 with shallow method 2.
      {"negative cohesion at the seabed",
       [](ConditionData& c) {
         c.shallow_clay_method = 2;
         c.soil_layers[SIDE_LAND][1].cohesion = 1;
         c.active_seabed_rule = 1;
         c.active_seabed_level = -5.0;
       },
       utf8_to_cp932_lossy("(ERROR)-海底面位置での粘着力Ｃが－値になりました.")},
      {"the same with shallow method 0 looks at seabed - 10 m only",
       [](ConditionData& c) {
         c.soil_layers[SIDE_LAND][1].cohesion = 1;
         c.active_seabed_rule = 1;
         c.active_seabed_level = -5.0;
       },
       ""},
  };
  for (const Row& r : rows) {
    auto cd = base_section();
    r.change(*cd);
    EXPECT_EQ(stop_text([&] { prepare_layers(*cd); }), r.text) << r.what;
  }
}

// A clay record ending exactly at the active seabed: its overburden at the seabed is its bottom
// value (not the -1 of "not reached yet"). Land sand +2.0, clay -3.0, seabed -8.0 inserted into
// the clay; shallow method 2. Record -3 .. -8: overburden top 1 x 18 + 4 x 10 = 58 (R.W.L. +1.0),
// bottom 58 + 5 x 6 = 88; at seabed - 10 m 88 + 10 x 6 = 148.
TEST(WorkingLayers, ClayEndingAtTheSeabedHasItsOverburdenThere) {
  auto cd = base_section();
  cd->soil_layers[SIDE_LAND][1].top_level = -3.0;
  cd->shallow_clay_method = 2;
  cd->cohesion_reference_level = -3.0;
  ASSERT_EQ(stop_text([&] { prepare_layers(*cd); }), "");
  const EarthPressureData& d = run_data();
  const int k = 3;  // 999.99, 2.0, 1.0, -3.0, -8.0, ...
  ASSERT_DOUBLE_EQ(d.land.rec[k].top_level, -3.0);
  ASSERT_DOUBLE_EQ(d.land.rec[k + 1].top_level, -8.0);
  const LandWorkLayer& w = d.work.land[k];
  EXPECT_DOUBLE_EQ(w.overburden_top, 58);
  EXPECT_DOUBLE_EQ(w.overburden_bottom, 88);
  EXPECT_DOUBLE_EQ(w.overburden_seabed, 88);
  EXPECT_DOUBLE_EQ(w.overburden_seabed_minus10, 148);
  // Method 2 also gives the cohesion at the seabed and 10 m below: C(-8) = 20 + 5 = 25,
  // C(-18) = 20 + 15 = 35.
  EXPECT_DOUBLE_EQ(w.cohesion_seabed, 25);
  EXPECT_DOUBLE_EQ(w.cohesion_seabed_minus10, 35);
}

}  // namespace
}  // namespace qvt::vaskude
