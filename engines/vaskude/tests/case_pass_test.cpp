// The steps of a case pass on small sections, against values worked by hand: the surcharge
// over the failure wedge (normal and iterated seismic), the load items of the pressure
// diagrams with their forces and moments about the toe, residual water and external forces.
#include "engines/common/message_table.h"
#include "engines/vaskude/load_items.h"
#include "engines/vaskude/pressure_formulas.h"
#include "engines/vaskude/pressure_steps.h"
#include "engines/vaskude/tests/section_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qvt::vaskude {
namespace {

using namespace qvt::vaskude::testing;

constexpr double kDeg = std::numbers::pi / 180.0;

// The level section with an arbitrary surface: from the wall (input x 15) the ground rises 1:1
// from the ground top +2.0 to +4.0 at x 2, then stays at +4.0; one embankment layer to +4.0
// (18 / 10); a surcharge of 12 (normal) / 6 (seismic) from the wall to x 40; every record its
// own surcharge (method 1); clay collapse angle 45.
// Land records: 0 fill (999.99), 1 sand +2.0 .. +1.0 (R.W.L.), 2 sand +1.0 .. -8.0,
// 3 clay -8.0 .. -18.0, 4 clay -18.0 .. -20.0.
std::unique_ptr<ConditionData> wedge_section(int collapse_rule) {
  auto cd = base_section();
  cd->surface_shape = 1;
  const double px[] = {15, 17, 60}, py[] = {2.0, 4.0, 4.0};
  for (int p = 0; p < 3; ++p) {
    cd->surface_points[p].x = px[p];
    cd->surface_points[p].y = py[p];
  }
  cd->surface_point_count = 3;
  cd->embankment_layers[0] = {4.0, 18, 10};
  cd->surcharge_ranges[0] = {15, 55, {12, 6}};
  cd->custom_options.surcharge_method = 1;
  cd->custom_options.clay_collapse_angle[0] = cd->custom_options.clay_collapse_angle[1] = 45;
  cd->collapse_angle_rule = collapse_rule;
  cd->seismic_coef_earth = 0.15;
  cd->apparent_coef_method = 1;
  return cd;
}

TEST(SurchargeConversion, NormalCaseWedgeWorkedByHand) {
  // Record 1, sand φ 30, δ 0: ζ = 60 degrees; the wedge width at the ground top from its
  // bottom (+1.0) is B = 1.0 / tan 60 = 0.577350. At the top the surcharge at the wall, 12.
  {
    // Vertical failure line above the ground top: it meets the 1:1 slope at
    // (0.577350, 2.577350). Embankment inside: the triangle (0, 2), (B, 2 + B), (B, 2),
    // area B² / 2 = 0.166667, W = 18 x 0.166667 = 3.0; Q = 12 x B = 6.928203;
    // w = (3.0 + 6.928203) / 0.577350 = 17.196152.
    auto cd = wedge_section(1);
    prepare_layers(*cd);
    cd->current_case = 0;
    normal_case_angles(*cd);
    const LandWorkLayer& r = run_data().work.land[1];
    EXPECT_NEAR(r.failure_angle, 60 * kDeg, 1e-12);
    EXPECT_DOUBLE_EQ(r.surcharge_top, 12.0);
    EXPECT_NEAR(r.wedge_width_bottom, 0.577350, 1e-6);
    EXPECT_NEAR(r.wedge_surface_x_bottom, 0.577350, 1e-6);
    EXPECT_NEAR(r.wedge_surface_y_bottom, 2.577350, 1e-6);
    EXPECT_NEAR(r.wedge_weight_bottom, 3.0, 1e-9);
    EXPECT_NEAR(r.wedge_surcharge_load_bottom, 6.928203, 1e-6);
    EXPECT_NEAR(r.surcharge_bottom, 17.196152, 1e-6);
    // The label point of the embankment part by the outline sums over (0, 2), (B, 2 + B),
    // (B, 2): t = (0, -B (2 + B), 2B), S = -B², Sx = -B² (2 + B) / 2 + B² = -B³ / 2,
    // so cx = B / 2 = 0.288675.
    EXPECT_NEAR(r.wedge_centroid_x[0], 0.288675, 1e-6);
    // The next record starts with these bottom values.
    EXPECT_NEAR(run_data().work.land[2].surcharge_top, 17.196152, 1e-6);
  }
  {
    // Failure line at 60 degrees above the ground top too: x = B + (y - 2) / tan 60 meets
    // y - 2 = x at x = B / (1 - 1 / tan 60) = 1.366025, y = 3.366025; triangle (0, 2),
    // (1.366025, 3.366025), (B, 2): area B x 1.366025 / 2 = 0.394338, W = 7.098076;
    // Q = 12 x 1.366025 = 16.392305; w = 23.490381 / 0.577350 = 40.686533.
    auto cd = wedge_section(0);
    prepare_layers(*cd);
    cd->current_case = 0;
    normal_case_angles(*cd);
    const LandWorkLayer& r = run_data().work.land[1];
    EXPECT_NEAR(r.wedge_surface_x_bottom, 1.366025, 1e-6);
    EXPECT_NEAR(r.wedge_weight_bottom, 7.098076, 1e-6);
    EXPECT_NEAR(r.surcharge_bottom, 40.686533, 1e-6);
  }
}

TEST(SurchargeConversion, NoFillGivesTheSurchargeItself) {
  // Level ground, no embankment, 12 from the wall to x 40: w = Q / B = 12 x B / B = 12 for
  // every wedge that ends before x 40 (record 2: B = 9 / tan 60 + 1 / tan 60 = 5.773503).
  auto cd = base_section();
  cd->surface_shape = 1;
  cd->surface_points[0] = {0, 15, 2.0};
  cd->surface_points[1] = {0, 60, 2.0};
  cd->surface_point_count = 2;
  cd->surcharge_ranges[0] = {15, 55, {12, 6}};
  cd->custom_options.surcharge_method = 1;
  cd->custom_options.clay_collapse_angle[0] = 45;
  prepare_layers(*cd);
  cd->current_case = 0;
  normal_case_angles(*cd);
  const auto& land = run_data().work.land;
  EXPECT_DOUBLE_EQ(land[1].wedge_weight_bottom, 0.0);
  EXPECT_NEAR(land[1].surcharge_bottom, 12.0, 1e-9);
  EXPECT_NEAR(land[2].wedge_width_bottom, 10.0 / std::tan(60 * kDeg), 1e-9);
  EXPECT_NEAR(land[2].surcharge_bottom, 12.0, 1e-9);
}

TEST(SurchargeConversion, SeismicIterationConverges) {
  // Record 1 lies above the R.W.L.: k = 0.15, θ = atan 0.15 = 8.530766 degrees (not rounded
  // in the iteration). A = sin 30 cos θ / sin(30 - θ) = 1.351000, ζ = atan(1 / (1.162326 /
  // 0.866025 - 0.577350)) = 52.591697 -> 52 35' 30" = 52.591667 degrees; B = 1 / tan ζ =
  // 0.764788; vertical line: W = 18 B² / 2 = 5.264109, Q = 6 B = 4.588729,
  // w = 6 + 9 B = 12.883094. The coefficients do not depend on w: the second step agrees.
  auto cd = wedge_section(1);
  prepare_layers(*cd);
  cd->current_case = 0;
  normal_case_angles(*cd);
  cd->current_case = 1;
  seismic_case_coefficients(*cd);
  const LandWorkLayer& r = run_data().work.land[1];
  EXPECT_NEAR(r.wedge_angles[1], 52.591667 * kDeg, 1e-7);
  EXPECT_NEAR(r.wedge_width_bottom, 0.764788, 1e-6);
  EXPECT_NEAR(r.surcharge_bottom, 12.883094, 1e-6);
  EXPECT_DOUBLE_EQ(r.surcharge_top, 6.0);
  EXPECT_DOUBLE_EQ(r.seismic_coef_top, 0.15);
  // The record's own failure angle from the rounded θ 8.5: to 0.1 degree.
  EXPECT_NEAR(r.failure_angle_bottom / kDeg, 52.6, 1e-9);
}

TEST(SurchargeConversion, FlatFailureLineAndMissedGroundStopTheRun) {
  auto cd = wedge_section(0);
  prepare_layers(*cd);
  LandSet set = main_land_set();
  for (int j = 1; j <= 2; ++j) set.work[j].wedge_angles[2] = 60 * kDeg;
  set.work[1].wedge_angles[1] = 0.0;  // a sand angle of 0 after the answer Yes
  EXPECT_NE(stop_text([&] { wedge_surcharge(*cd, set, 1, 1, 0); }), "");
  // Ground that falls away below the ground top beyond the wall: the failure line never
  // meets it (message 5).
  set.work[1].wedge_angles[1] = 60 * kDeg;
  auto& v = run_data().work.vertices;
  for (int k = 1; k < run_data().work.header.ground_vertex_count; ++k) v[k].y = 1.0;
  EXPECT_EQ(stop_text([&] { wedge_surcharge(*cd, set, 1, 1, 0); }), engine::error_text(5));
}

// Sums of a table against the integral of its diagram: every item force is rounded to 0.001
// and every centroid level to 0.001, so the moments agree to 0.0005 x |force| per item.
void expect_table_matches_diagram(double force, double moment, int items) {
  const EarthPressureData& d = run_data();
  double f = 0, m = 0, tolerance = 0;
  for (int k = 0; k < d.item_count[0]; ++k) {
    f += d.items[k].force;
    m += d.items[k].moment;
    tolerance += 0.0005 * std::fabs(d.items[k].force) + 0.0005;
  }
  EXPECT_EQ(d.item_count[0], items);
  EXPECT_NEAR(f, force, 0.0005 * items + 1e-9);
  EXPECT_NEAR(m, moment, tolerance);
}

TEST(LoadItems, TrapezoidsAsTheyAreCut) {
  reset_run_data();
  const EarthPressureData& d = run_data();
  // Uniform 12 over 3 m (+3 .. 0), arms from level 0: one rectangle, force 36, at 1.5,
  // moment 54.
  start_load_table(0);
  add_trapezoid(12, 12, 3, 0, false, 0);
  ASSERT_EQ(d.item_count[0], 1);
  EXPECT_EQ(d.items[0].shape, 1);
  EXPECT_DOUBLE_EQ(d.items[0].force, 36.0);
  EXPECT_DOUBLE_EQ(d.items[0].centroid_level, 1.5);
  EXPECT_DOUBLE_EQ(d.items[0].moment, 54.0);
  // 0 to 18 over 3 m: the top triangle is empty; the bottom one 27 at (3 + 0 + 0) / 3 = 1.0.
  start_load_table(0);
  add_trapezoid(0, 18, 3, 0, false, 0);
  ASSERT_EQ(d.item_count[0], 1);
  EXPECT_EQ(d.items[0].shape, 0);
  EXPECT_DOUBLE_EQ(d.items[0].force, 27.0);
  EXPECT_DOUBLE_EQ(d.items[0].centroid_level, 1.0);
  EXPECT_DOUBLE_EQ(d.items[0].centroid_x, 6.0);
  // 10 to 20 over 2 m: triangles of 10 at (2 + 2 + 0) / 3 = 1.333 and 20 at 0.667; forces
  // 10 and 20; moments 13.33 and 13.34. Diagram: force 30, first moment ∫(20 - 5z) z dz
  // over 0..2 = 40 - 40/3 = 26.667.
  start_load_table(0);
  add_trapezoid(10, 20, 2, 0, false, 0);
  ASSERT_EQ(d.item_count[0], 2);
  EXPECT_DOUBLE_EQ(d.items[0].intensity, 10.0);
  EXPECT_DOUBLE_EQ(d.items[0].centroid_level, 1.333);
  EXPECT_DOUBLE_EQ(d.items[1].force, 20.0);
  EXPECT_DOUBLE_EQ(d.items[1].centroid_level, 0.667);
  EXPECT_DOUBLE_EQ(d.items[0].moment, 13.33);
  EXPECT_DOUBLE_EQ(d.items[1].moment, 13.34);
  expect_table_matches_diagram(30.0, 80.0 / 3.0, 2);
  // Vertical items take the fixed position as arm: 36 x 15 = 540.
  start_load_table(0);
  add_trapezoid(12, 12, 3, 0, true, 15);
  EXPECT_DOUBLE_EQ(d.items[0].lever_arm, 15.0);
  EXPECT_DOUBLE_EQ(d.items[0].moment, 540.0);
}

TEST(LoadItems, ForcesAndMomentsEqualTheDiagramsIntegral) {
  // A table of trapezoids from +5 down to -20 about the toe level -20; for each the force
  // (pt + pb) h / 2 and the first moment h/2 (pt (t - h/3 - toe) + pb (b + h/3 - toe)).
  struct Row {
    double pt, pb, t, b;
  };
  const Row rows[] = {{0, 7.3, 5, 2.5}, {7.3, 15.55, 2.5, 0.6}, {20.1, 44.85, 0.6, -10},
                      {61.2, 58.4, -10, -18.35}, {33.333, 33.333, -18.35, -20}};
  reset_run_data();
  start_load_table(0);
  double force = 0, moment = 0;
  int items = 0;
  for (const Row& r : rows) {
    add_trapezoid(r.pt, r.pb, r.t, r.b, false, -20.0);
    const double h = r.t - r.b;
    force += (r.pt + r.pb) * h / 2;
    moment += h / 2 * (r.pt * (r.t - h / 3 + 20) + r.pb * (r.b + h / 3 + 20));
    items += r.pt == r.pb ? 1 : (r.pt != 0) + (r.pb != 0);
  }
  expect_table_matches_diagram(force, moment, items);
}

// Land records of three boundaries: +5 .. +3 and +3 .. 0; toe at (0, 0).
void two_land_records(ConditionData& cd) {
  reset_run_data();
  EarthPressureData& d = run_data();
  d.land.count = 3;
  d.land.rec[0].top_level = 5;
  d.land.rec[1].top_level = 3;
  d.land.rec[2].top_level = 0;
  d.work.header.ground_top_index = 0;
  cd.toe_x = cd.toe_y = 0;
  cd.current_case = 0;
}

TEST(LoadItems, ActiveDiagramIsCutAtZero) {
  auto cd_holder = std::make_unique<ConditionData>();
  ConditionData& cd = *cd_holder;
  two_land_records(cd);
  EarthPressureData& d = run_data();
  // +5 .. +3 at 12: rectangle 24 at level 4 (moment 96). +3 .. 0 from -6 to 12: zero at
  // 0 + 3 x 12 / 18 = 2.0, one triangle of 12 over 2 m: force 12, level 0.667, moment 8.004.
  d.work.active[0].horizontal_top = d.work.active[0].horizontal_bottom = 12;
  d.work.active[1].horizontal_top = -6;
  d.work.active[1].horizontal_bottom = 12;
  build_active_load_items(cd);
  ASSERT_EQ(d.item_count[0], 2);
  EXPECT_DOUBLE_EQ(d.items[0].moment, 96.0);
  EXPECT_DOUBLE_EQ(d.items[1].height, 2.0);
  EXPECT_DOUBLE_EQ(d.items[1].force, 12.0);
  EXPECT_DOUBLE_EQ(d.items[1].moment, 8.004);
  EXPECT_DOUBLE_EQ(d.work.summary.item_force_sum[0], 36.0);
  // Tension all the way (and a bottom at zero under a negative top): no items. 6 to -6 is
  // cut at 1.5: one triangle of 6 over 1.5 m, force 4.5.
  d.work.active[0].horizontal_top = -4;
  d.work.active[0].horizontal_bottom = 0;
  d.work.active[1].horizontal_top = 6;
  d.work.active[1].horizontal_bottom = -6;
  build_active_load_items(cd);
  ASSERT_EQ(d.item_count[0], 1);
  EXPECT_DOUBLE_EQ(d.items[0].height, 1.5);
  EXPECT_DOUBLE_EQ(d.items[0].force, 4.5);
}

TEST(ResidualWater, IntensitiesAndItems) {
  // R.W.L. +2.0 = ground top, L.W.L. 0.0, γw 10.1: pw = 20.2. Land layers +2.0, +1.0, -1.0
  // sand and -8.0 clay; body bottom -20, toe (0, -20). The record +1.0 .. -1.0:
  // top 20.2 x (2 - 1) / (2 - 0) = 10.1, bottom 20.2.
  auto cd = base_section();
  cd->water_levels[2] = 2.0;
  set_layer(*cd, SIDE_LAND, 1, 1.0, 0, 18, 10, 30);
  set_layer(*cd, SIDE_LAND, 2, -1.0, 0, 18, 10, 30);
  set_layer(*cd, SIDE_LAND, 3, -8.0, 1, 16, 6, 0, 20, 1);
  cd->soil_layer_counts[SIDE_LAND] = 4;
  prepare_layers(*cd);
  cd->toe_x = 0;
  cd->toe_y = -20;
  cd->current_case = 0;
  residual_water_pressure(*cd);
  const EarthPressureData& d = run_data();
  EXPECT_DOUBLE_EQ(d.work.summary.residual_water_intensity, 20.2);
  ASSERT_DOUBLE_EQ(d.land.rec[2].top_level, 1.0);
  EXPECT_DOUBLE_EQ(d.work.active[2].water_top, 10.1);
  EXPECT_DOUBLE_EQ(d.work.active[2].water_bottom, 20.2);
  EXPECT_DOUBLE_EQ(d.work.active[1].water_top, 0.0);
  // Items: the triangle from +2.0 (0) to 0.0 (20.2): force 20.2, level 0.667, arm 20.667,
  // moment 417.473; the rectangle 0.0 .. -20.0 at 20.2: force 404, arm 10, moment 4040.
  build_residual_water_items(*cd);
  ASSERT_EQ(d.item_count[0], 2);
  EXPECT_DOUBLE_EQ(d.items[0].force, 20.2);
  EXPECT_DOUBLE_EQ(d.items[0].moment, 417.473);
  EXPECT_DOUBLE_EQ(d.items[1].force, 404.0);
  EXPECT_DOUBLE_EQ(d.items[1].moment, 4040.0);
  // R.W.L. above the ground top: no items and pw reported 0.
  cd->water_levels[2] = 3.0;
  prepare_layers(*cd);  // a new run: the data are new
  const EarthPressureData& e = run_data();
  ASSERT_EQ(e.work.header.ground_top_index, 2);
  residual_water_pressure(*cd);
  build_residual_water_items(*cd);
  EXPECT_EQ(e.item_count[0], 0);
  EXPECT_DOUBLE_EQ(e.work.summary.residual_water_intensity, 0.0);
}

TEST(Liquefaction, DynamicPartsOfBothSides) {
  LiquefactionWork a;
  // One liquefied land record -2.0 .. -6.0, k 0.2, slurry 18, no overburden: H = 4; at its
  // bottom y = 4: 0.875 x 0.2 x 18 x √16 = 12.6.
  a.side = 0;
  a.start_index = 0;
  a.end_index = 2;
  a.levels[1][0] = -2.0;
  a.levels[1][1] = -6.0;
  a.liquefied[1] = 1;
  a.seismic_coef[1] = 0.2;
  a.slurry_unit_weight[1] = 18;
  a.pressure_coef[1] = 0.5;
  liquefaction_depths(a, 0.0);
  EXPECT_DOUBLE_EQ(a.zone_thickness, 4.0);
  EXPECT_DOUBLE_EQ(a.zone_depth, 6.0);
  liquefied_pressure(a);
  EXPECT_DOUBLE_EQ(a.liquefied_pressure[1][0], 0.0);
  EXPECT_DOUBLE_EQ(a.liquefied_pressure[1][1], 12.6);
  // Sea side, the same record under an L.W.L. of 0: soil 0.875 x 0.2 x 9 x 4 = 6.3 and water
  // 0.875 x 0.2 x 10 x √(6 x 6) = 10.5 at the bottom: 16.8. Above the L.W.L. (+1.0 .. -3.0
  // under an L.W.L. of -1.0) the water term is 0 where the depth is negative.
  a.side = 1;
  a.unit_weight[1] = 9;
  a.water_unit_weight[1] = 10;
  liquefied_pressure(a);
  EXPECT_DOUBLE_EQ(a.dynamic_pressure[1][1], 16.8);
  LiquefactionWork b = a;
  b.levels[1][0] = 1.0;
  b.levels[1][1] = -3.0;
  liquefaction_depths(b, -1.0);
  liquefied_pressure(b);
  EXPECT_TRUE(std::isfinite(b.dynamic_pressure[1][0]));
  // Top: y = 0 for soil, depth -2 for water: 0. Bottom: soil 0.875 x 0.2 x 9 x 4 = 6.3,
  // water 0.875 x 0.2 x 10 x √(2 x 2) = 3.5: 9.8.
  EXPECT_DOUBLE_EQ(b.dynamic_pressure[1][0], 0.0);
  EXPECT_DOUBLE_EQ(b.dynamic_pressure[1][1], 9.8);
}

TEST(ExternalForces, MomentsAboutTheToe) {
  auto cd_holder = std::make_unique<ConditionData>();
  ConditionData& cd = *cd_holder;
  reset_run_data();
  cd.current_case = 1;
  cd.toe_x = 2;
  cd.toe_y = -20;
  cd.external_force_counts[1] = 2;
  // (V 100, H 10) at (7, -15): arms 5 and 5 -> 50 and 500; (V 50, H -20) at (10, -10):
  // arms 10 and 8 -> -200 and 400.
  cd.external_forces[1][0].vertical = 100;
  cd.external_forces[1][0].horizontal = 10;
  cd.external_forces[1][0].x = 7;
  cd.external_forces[1][0].y = -15;
  cd.external_forces[1][1].vertical = 50;
  cd.external_forces[1][1].horizontal = -20;
  cd.external_forces[1][1].x = 10;
  cd.external_forces[1][1].y = -10;
  external_force_moments(cd);
  const engine::PressureSummaryBlock& s = run_data().work.summary;
  EXPECT_DOUBLE_EQ(s.ext_horizontal_sum[1], -10.0);
  EXPECT_DOUBLE_EQ(s.ext_horizontal_moment_sum[1], -150.0);
  EXPECT_DOUBLE_EQ(s.ext_vertical_sum[1], 150.0);
  EXPECT_DOUBLE_EQ(s.ext_vertical_moment_sum[1], 900.0);
  EXPECT_DOUBLE_EQ(s.ext_horizontal_arm[1], 10.0);  // the last force's
  EXPECT_DOUBLE_EQ(s.ext_vertical_arm[1], 8.0);
  EXPECT_DOUBLE_EQ(run_data().work.arms[0].vertical_moment, 500.0);
}

}  // namespace
}  // namespace qvt::vaskude

namespace qvt::vaskude {
namespace {

using namespace qvt::vaskude::testing;

TEST(SeismicCoefficients, LayerWiseFormulaCarriedOverToTheSplitRecords) {
  // The level section with the ARAYOKO formula (k 0.15, no surcharge). The second set keeps
  // whole layers: +1.0 .. -8.0 sand and -8.0 .. -20.0 clay; the main set splits the clay at
  // -18.0 (seabed - 10).
  // Sand: a = 1.0 x 18 = 18 above the R.W.L., b = c = 0, h 9, f 20, g 10:
  // (36 + 180) / (36 + 90) x 0.15 = 0.257143 -> 0.26.
  // Clay: a 18, b = 9 x 20 = 180, c = 9 x 10 = 90, h 12, f 16, g 6:
  // (2 x 198 + 192) / (2 x 108 + 72) x 0.15 = 588 / 288 x 0.15 = 0.30625 -> 0.31; with the
  // shallow clay method 0 the coefficient holds at the seabed and is 0 at the bottom of the
  // band; the main record below seabed - 10 gets 0.
  auto cd = base_section();
  cd->seismic_coef_earth = 0.15;
  cd->apparent_coef_method = 3;
  cd->custom_options.clay_collapse_angle[0] = cd->custom_options.clay_collapse_angle[1] = 45;
  prepare_layers(*cd);
  cd->current_case = 0;
  normal_case_angles(*cd);
  cd->current_case = 1;
  seismic_case_coefficients(*cd);
  const EarthPressureData& d = run_data();
  ASSERT_EQ(d.arayoko_land.count, 5);
  EXPECT_DOUBLE_EQ(d.work.arayoko_land[2].seismic_coef_bottom, 0.26);
  EXPECT_DOUBLE_EQ(d.work.arayoko_land[3].seismic_coef_top, 0.31);
  EXPECT_DOUBLE_EQ(d.work.land[1].seismic_coef_top, 0.15);
  EXPECT_DOUBLE_EQ(d.work.land[2].seismic_coef_top, 0.26);
  EXPECT_DOUBLE_EQ(d.work.land[2].seismic_coef_bottom, 0.26);
  EXPECT_DOUBLE_EQ(d.work.land[3].seismic_coef_top, 0.31);
  EXPECT_DOUBLE_EQ(d.work.land[3].seismic_coef_bottom, 0.0);
  EXPECT_DOUBLE_EQ(d.work.land[4].seismic_coef_top, 0.0);
  EXPECT_DOUBLE_EQ(d.work.land[4].seismic_coef_bottom, 0.0);
  // θ of the carried coefficient: atan 0.26 = 14.57 -> 14.6 degrees.
  EXPECT_NEAR(d.work.land[2].seismic_angle_top, 14.6 * std::numbers::pi / 180, 1e-12);
}

}  // namespace
}  // namespace qvt::vaskude

namespace qvt::vaskude {
namespace {

using namespace qvt::vaskude::testing;

TEST(ClayIntensities, ShallowBandOnTheStraightLineBetweenSeabedAndMinus10) {
  // One clay record -10 .. -14 under an active seabed of -8 (the band reaches -18), shallow
  // clay method 2, formula 1 only, k 0.2 (θ = atan 0.2 = 11.31 -> 11.3 degrees).
  // Seabed value: S 60, c 30, w 0: ζ = atan √(1 - tan 11.3 x 60 / 60) = atan √0.800180 =
  // 41.81 -> 41.8; 60 sin 53.1 / (cos 11.3 sin 41.8) - 30 / (cos 41.8 sin 41.8) =
  // 47.98108 / 0.653609 - 30 / 0.496880 = 73.40948 - 60.37677 = 13.033.
  // Static value at -18: S 120, c 40: 120 - 80 = 40.
  // On the line: top (2 m below the seabed) 13.033 + 26.967 x 0.2 = 18.426; bottom (6 m)
  // 13.033 + 26.967 x 0.6 = 29.213.
  auto cd = std::make_unique<ConditionData>();
  cd->current_case = 1;
  cd->shallow_clay_method = 2;
  cd->apparent_coef_method = 1;
  cd->clay_pressure_formula[1] = 1;
  cd->custom_options.clay_collapse_angle[1] = 45;
  reset_run_data();
  EarthPressureData& d = run_data();
  d.active_seabed = -8;
  d.land.count = 2;
  d.land.rec[0].top_level = -10;
  d.land.rec[0].soil_type = 1;
  d.land.rec[1].top_level = -14;
  d.work.header.ground_top_index = 0;
  LandWorkLayer& r = d.work.land[0];
  r.top_level = -10;
  r.thickness = 4;
  r.seismic_coef_top = r.seismic_coef_bottom = r.clay_coef_top = 0.2;
  r.seismic_coef_kind_top = r.seismic_coef_kind_bottom = 2;
  r.overburden_top = 72;
  r.overburden_bottom = 96;
  r.cohesion_top = 32;
  r.cohesion_bottom = 34;
  r.overburden_seabed = 60;
  r.cohesion_seabed = 30;
  r.overburden_seabed_minus10 = 120;
  r.cohesion_seabed_minus10 = 40;
  compute_active_pressures(*cd);
  const engine::ActiveLayerResult& a = d.work.active[0];
  EXPECT_DOUBLE_EQ(a.clay_formula1_top, 13.033);
  EXPECT_DOUBLE_EQ(a.clay_formula1_bottom, 40.0);
  EXPECT_DOUBLE_EQ(a.horizontal_top, 18.426);
  EXPECT_DOUBLE_EQ(a.horizontal_bottom, 29.213);
  EXPECT_EQ(r.clay_band_flag, 2);
  EXPECT_NEAR(r.failure_angle_top, 41.8 * std::numbers::pi / 180, 1e-12);
  // With the shallow comparison each end is raised to the seabed value where below it; here
  // both lie above 13.033 already.
  cd->clay_compare_shallow = 1;
  compute_active_pressures(*cd);
  EXPECT_DOUBLE_EQ(a.seabed_intensity, 13.033);
  EXPECT_DOUBLE_EQ(a.horizontal_top, 18.426);
}

}  // namespace
}  // namespace qvt::vaskude

namespace qvt::vaskude {
namespace {

using namespace qvt::vaskude::testing;

TEST(SurchargeConversion, EveryRecordTakesTheSeabedRecordsSurcharge) {
  // Method 0: the wedge from the active seabed (-8.0, the bottom of record 2) for all records.
  // B = 9 / tan 60 + 1 / tan 60 = 5.773503; the vertical line meets the +4.0 level: embankment
  // (0, 2), (2, 4), (B, 4), (B, 2): area 2 + 2 (B - 2) = 9.547005, W = 171.846097;
  // Q = 12 x 2 + 12 (B - 2) = 69.282032; w = 241.128129 / 5.773503 = 41.764617.
  auto cd = wedge_section(1);
  cd->custom_options.surcharge_method = 0;
  prepare_layers(*cd);
  ASSERT_EQ(run_data().work.header.surcharge_level_index, 3);
  cd->current_case = 0;
  normal_case_angles(*cd);
  const EarthPressureData& d = run_data();
  for (int i = 1; i <= 4; ++i) {
    EXPECT_NEAR(d.work.land[i].surcharge_top, 41.764617, 1e-6) << i;
    EXPECT_NEAR(d.work.land[i].surcharge_bottom, 41.764617, 1e-6) << i;
    EXPECT_NEAR(d.work.land[i].wedge_weight_top, 171.846097, 1e-6) << i;
  }
}

TEST(SurchargeConversion, NikenIterationEndsAtItsFixedPoint) {
  // With the NIKEN formula the coefficients below the R.W.L. depend on the surcharge; the
  // iteration stops where one more step changes it by less than 0.001 kN/m2.
  auto cd = wedge_section(1);
  cd->apparent_coef_method = 2;
  prepare_layers(*cd);
  cd->current_case = 0;
  normal_case_angles(*cd);
  cd->current_case = 1;
  seismic_case_coefficients(*cd);
  const LandSet set = main_land_set();
  const double w = set.work[2].surcharge_bottom;
  ASSERT_TRUE(std::isfinite(w));
  for (int j = 1; j <= 2; ++j) {
    const LayerCoefficients k = layer_seismic_coefficients(*cd, set, j, -1, w, w);
    EXPECT_NEAR(set.work[j].wedge_angles[2],
                round_angle(sand_failure_angle(0, 30 * kDeg, 0, 0, k.theta[1]), 0), 1e-4)
        << j;
  }
  EXPECT_NEAR(wedge_surcharge(*cd, set, 2, 1, 1).w, w, 0.01);
}

}  // namespace
}  // namespace qvt::vaskude
