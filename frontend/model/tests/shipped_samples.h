#pragma once
// The sections of the shipped samples (data/samples/), one per improvement pattern, built with
// the model's own fields. The shipped files are these sections as the front end writes them:
// loaded into the main window, every page visited and saved (see the shell test of the samples).
//
// All four stand in the same harbour: quay level +3.0, H.W.L. +1.8, L.W.L. 0.0, R.W.L. +0.6,
// sea water 10.1 kN/m3, a 10 kN/m2 surcharge behind the wall (5 kN/m2 in the seismic case),
// kh = 0.10 with the apparent coefficient 0.20 below the water (about 20 / 10 x 0.10 for
// saturated sand). The wall, about 0.7 times as wide as it is high, stands on a body of
// deep-mixed soil that reaches from the seabed at -10.0 through 5 m of soft clay or loose sand
// to the bearing layer at -15.0. The rubble backfill between the wall's back and the body's land
// end, resting on the body from its top up to the ground surface, is a block of each section,
// and the wall-top surcharge covers it as well as the wall. Every section carries the loads a
// quay wall has besides its weight and the earth and water pressures the program computes: the
// dynamic water pressure of the seismic case and the reaction of the wall on the body, each case
// its own (data/README.md shows the working).
//
// Each sample passes every check of its pattern in both cases, under the larger of the toe and
// heel reactions, the eccentric inclined load check of the hand-over included (with the chart
// and the classes its dialogs open on). That check governs the depth of the body: its horizontal
// force leaves out the passive resistance in front of the body (the passive pressure enters only
// its resisting moment), so every metre of body below the seabed adds active pressure and
// inertia and steepens the resultant (block sample, seismic tan(theta): 0.42 at 3 m, 0.465 at
// 5 m, 0.57 at 10 m). Bodies 5 m deep on a bearing layer that carries them, dense sand or a stiff
// clay, pass; a body reaching 10 m or more down to a weaker layer does not. On clay it also
// places the wall: the normal case's heel and the seismic case's toe are held to about the same
// share of qa.
#include "frontend/model/block_outline.h"
#include "frontend/model/input_check.h"
#include "frontend/model/outline_order.h"
#include "frontend/model/project.h"
#include "frontend/model/tests/model_test_support.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

namespace qvt::model::testing {

inline void set_sample_layer(SoilLayer& l, double top, double bottom, double air, double sub,
                             i16 type, double phi, double c, double dc) {
  l.top_level = top;
  l.bottom_level = bottom;
  l.unit_weight_air = air;
  l.unit_weight_submerged = sub;
  l.soil_type = type;
  l.phi = phi;
  l.cohesion = c;
  l.cohesion_gradient = dc;
}

inline void set_sample_weights(BlockHead& h, double above, double submerged) {
  h.unit_weights[0] = above;
  h.unit_weights[1] = submerged;
  h.unit_weights[2] = above;
}

// A rectangle block (type 1, or 7 for improved soil) with its lower left corner at (x, y).
inline void set_sample_rectangle(WallBlock& b, i16 type, const char* name, double x, double y,
                                 double width, double height, double above, double submerged) {
  b.block_type = type;
  b.polygon.head.name = name;
  b.polygon.head.ref_x = x;
  b.polygon.head.ref_y = y;
  b.polygon.vertex_x[0] = width;
  b.polygon.vertex_y[0] = height;
  set_sample_weights(b.polygon.head, above, submerged);
}

// The rubble backfill that rests on the body behind the wall: the land-side earth pressure acts
// on the vertical plane through the body's land end, so the soil between the wall's back and
// that plane, from the body top to the ground surface, is part of the structure and is weighed
// as a block of its own (air 18, submerged 10, saturated 10 + 10.1 = 20.1 kN/m3, the weights
// of every sand and rubble fill of the samples: the backfill layer, the caisson's fill and the
// sand on the counterfort wall's slab). A polygon
// (type 0) with its vertices relative to (x, y), given clockwise as the polygon dialog stores
// them.
inline void set_sample_backfill(WallBlock& b, double x, double y,
                                std::initializer_list<OutlinePoint> vertices) {
  b.block_type = BLOCK_POLYGON;
  PolygonShape& p = b.polygon;
  p.head.name = "裏込め";
  p.head.ref_x = x;
  p.head.ref_y = y;
  p.head.unit_weights[0] = 18.0;
  p.head.unit_weights[1] = 10.0;
  p.head.unit_weights[2] = 20.1;
  const std::vector<OutlinePoint> v(vertices);
  p.vertex_count = static_cast<i16>(v.size());
  store_oriented(v, decide_orientation(v), p);
}

// What the four sections share, with the body of improved soil in slot 1: from x = 0 (its sea
// face) to `width`, from `bottom` up to the seabed `top`. The sea side below the seabed and the
// land side below `top` are soft marine clay (c = 30 kN/m2 at the seabed, +2 kN/m2 a metre)
// or loose sand (phi 28 degrees); behind the wall, from the quay level down to `top`, a rubble
// backfill (phi 40 degrees, 18 and 10 kN/m3). Improved soil 16.0 kN/m3 (submerged 5.9).
struct SampleGround {
  double width = 0, top = 0, bottom = 0;
  bool sandy = false;  // loose sand instead of the soft clay
};

inline void build_sample_ground(ProjectModel& m, const SampleGround& g) {
  ProjectConditions& c = m.conditions;
  c.seismic_check = 2;
  c.improvement_ratio = 100;
  c.water_levels[0] = 1.8;
  c.water_levels[1] = 0.0;
  c.water_levels[2] = 0.6;
  c.cohesion_reference_level = g.top;
  c.seismic_coef_mode = 0;
  c.seismic_coef_earth = 0.10;
  c.seismic_coef_inertia = 0.10;
  c.apparent_coef_method = 0;
  c.apparent_seismic_coef = 0.20;
  // Deep-mixed soil of a design standard strength of 1500 kN/m2: allowable compressive stress
  // 1500 / 3 = 500 (normal) and 1.5 times that, 750 (seismic); allowable shear stress half of
  // those. Rows of allowable_stresses: 0 compressive, 1 shear, 2 design standard strength.
  c.allowable_stresses[0][CASE_NORMAL] = 500;
  c.allowable_stresses[0][CASE_SEISMIC] = 750;
  c.allowable_stresses[1][CASE_NORMAL] = 250;
  c.allowable_stresses[1][CASE_SEISMIC] = 375;
  c.allowable_stresses[2][CASE_NORMAL] = 1500;
  c.allowable_stresses[2][CASE_SEISMIC] = 1500;

  PressurePointList& sea = c.pressure_points[SIDE_PASSIVE];
  sea.count = 2;
  sea.x[0] = 0, sea.y[0] = g.top;
  sea.x[1] = 0, sea.y[1] = g.bottom;
  PressurePointList& land = c.pressure_points[SIDE_ACTIVE];
  land.count = 3;
  land.x[0] = g.width, land.y[0] = 3.0;
  land.x[1] = g.width, land.y[1] = g.top;
  land.x[2] = g.width, land.y[2] = g.bottom;
  if (g.sandy) {
    set_sample_layer(c.soil_layers[SIDE_PASSIVE][0], g.top, g.bottom, 18.0, 9.0, 0, 28.0, 0, 0);
    set_sample_layer(c.soil_layers[SIDE_ACTIVE][1], g.top, g.bottom, 18.0, 9.0, 0, 28.0, 0, 0);
  } else {
    set_sample_layer(c.soil_layers[SIDE_PASSIVE][0], g.top, g.bottom, 16.0, 5.9, 1, 0, 30.0, 2.0);
    set_sample_layer(c.soil_layers[SIDE_ACTIVE][1], g.top, g.bottom, 16.0, 5.9, 1, 0, 30.0, 2.0);
  }
  set_sample_layer(c.soil_layers[SIDE_ACTIVE][0], 3.0, g.top, 18.0, 10.0, 0, 40.0, 0, 0);

  ImprovedBodyDims& d = c.body_dims;
  d.ref_x = 0;
  d.ref_y = g.bottom;
  d.width = g.width;
  d.dh1 = g.bottom;
  d.dh2 = g.bottom;
  d.bs = g.width;
  d.dl = g.top - g.bottom;

  c.surface_surcharge[CASE_NORMAL] = 10.0;
  c.surface_surcharge[CASE_SEISMIC] = 5.0;
  // The dynamic water pressure on the wall's sea face in the seismic case, by Westergaard over
  // the water depth in front of the wall at the L.W.L. (the front water level the residual water
  // pressure is measured from): H = 0.0 - -10.0 = 10 m, P = 7/12 kh gamma_w H^2 = 7/12 x 0.10 x
  // 10.1 x 100 = 58.917 kN/m, acting 0.4 H = 4.0 m above the seabed, at -6.0.
  c.dynamic_water_force = 58.917;
  c.dynamic_water_level = -6.0;

  set_sample_rectangle(m.wall_blocks[1], BLOCK_SOIL_RECTANGLE, "改良体", 0, g.bottom, g.width,
                       g.top - g.bottom, 16.0, 5.9);
  m.block_label_numbers[1] = 1;
}

// Dense sand (N = 52, submerged 10 kN/m3) with phi as the page proposes it by the formula the
// sample selects, phi = sqrt(12 N) + 15 = 24.980 + 15 = 39.98, shown and taken as 40.0 (N 50
// would give 39.5 and open the chart of 35 degrees); the bearing factors the page proposes for
// 40 degrees (its "→" values, Nr 114.00 and Nq 80.00 from sj_keisu) and the shape factor of a
// strip base, 0.5 (1.0 would overstate the in-situ bearing capacity of a long body by half
// again). The eccentric check opens on the chart of 40 degrees.
inline void set_sandy_bearing_layer(BearingLayer& b) {
  b.soil_type = 0;
  b.unit_weight = 10.0;
  b.shape_factor = 0.5;
  b.mean_n = 52;
  b.phi_formula = 0;  // φ=（√12N）+15°
  b.phi = 40.0;
  b.bearing_nr = 114.0;
  b.bearing_nq = 80.0;
  b.friction_rule = 1;
}

// Stiff (overconsolidated) clay: c = 300 kN/m2 at the seabed level -10.0, +4 kN/m2 a metre, so
// 320 kN/m2 at the body's base at -15.0; submerged 7 kN/m3. The body floating on it: the base
// resists sliding by the clay's cohesion. Below a steep resultant the eccentric check takes
// Nc = (1 - 2e/B) / tan(theta) and qa = Nc c0 / Fs + q0 with Fs 2.5 / 1.5 and q0 = 5 m of soft
// clay x 5.9 = 29.5, against the larger of the toe and heel reactions, so the base needs a
// cohesion of this order; the soft clay's 40 kN/m2 there would carry a fifth of the reaction.
inline void set_stiff_clay_bearing_layer(BearingLayer& b) {
  b.soil_type = 1;
  b.unit_weight = 7.0;
  b.shape_factor = 1.0;
  b.cohesion = 300.0;
  b.cohesion_gradient = 4.0;
  b.friction_rule = 1;
  b.founding_type = 1;
}

// The superstructure check point at the sea end of the wall's base on the body top, the load
// spread at 30 degrees (angle 0 + 30), and the reaction of the wall on the body there per case
// (kN/m2) over the width it acts on: the wall's own forces (weight, earth pressure and residual
// water on its back, the surcharge on its top; in the seismic case its inertia and the dynamic
// water pressure too) give V, e and the toe value V / B' (1 + 6e / B') over the base width B', or
// 2V / (3x) over 3x beyond the kern; the working is in data/README.md.
struct CaseReaction {
  double width = 0, reaction = 0;
};

inline void set_check_point(ProjectConditions& c, double x, double y, CaseReaction normal,
                            CaseReaction seismic) {
  for (int k = 0; k < 2; ++k) {
    BodyReaction& r = c.body_reactions[k];
    const CaseReaction& v = k == CASE_NORMAL ? normal : seismic;
    r.check_x = x;
    r.check_y = y;
    r.spread_width = v.width;
    r.spread_angle = 0;
    r.reaction = v.reaction;
  }
}

inline bool finish_sample_blocks(ProjectModel& m) {
  Recorder rec;
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    if (m.wall_blocks[slot].block_type < 0) continue;
    if (!build_block_outline(m, slot, rec) || !center_block_label(m, slot)) return false;
  }
  return rec.messages.empty() && engine_input_problem(m).empty();
}

// Block pattern: a wall of three rectangular concrete blocks and a superstructure, 13 m from
// the body top at -10.0 to the quay at +3.0, 9 m wide at its base, its sea face 3 m behind the
// body's; the body 16 m wide through 5 m of loose sand down to dense sand at -15.0; level ground.
// The resultant on the body's base lies 0.70 m landward of the middle in the normal case and
// 1.51 m seaward in the seismic case.
inline bool build_block_rectangle_sand(ProjectModel& m) {
  build_sample_ground(m, {16.0, -10.0, -15.0, true});
  ProjectConditions& c = m.conditions;
  c.project_title = "block_sand";
  c.job_name = "ブロック式岸壁・ブロック式改良・砂質支持層（サンプル）";
  c.improvement_pattern = 0;
  set_sandy_bearing_layer(c.bearing_layer);
  // Plain concrete blocks 23.0 kN/m3 (submerged 23.0 - 10.1 = 12.9), the superstructure 24.0
  // (13.9).
  set_sample_rectangle(m.wall_blocks[0], BLOCK_RECTANGLE, "ブロック1", 3.0, -10.0, 9.0, 5.0, 23.0, 12.9);
  set_sample_rectangle(m.wall_blocks[2], BLOCK_RECTANGLE, "ブロック2", 3.0, -5.0, 8.0, 4.0, 23.0, 12.9);
  set_sample_rectangle(m.wall_blocks[3], BLOCK_RECTANGLE, "ブロック3", 3.0, -1.0, 7.0, 2.0, 23.0, 12.9);
  set_sample_rectangle(m.wall_blocks[4], BLOCK_RECTANGLE, "上部工", 3.0, 1.0, 7.0, 2.0, 24.0, 13.9);
  // The backfill from the blocks' stepped back to the body's land end at x = 16.
  set_sample_backfill(m.wall_blocks[5], 12.0, -10.0,
                      {{0, 0}, {0, 5}, {-1, 5}, {-1, 9}, {-2, 9}, {-2, 13}, {4, 13}, {4, 0}});
  for (int s : {0, 2, 3, 4, 5}) m.block_label_numbers[s] = static_cast<i16>(s);
  // The wall-top surcharge from the wall's sea face over the backfill block to x = 16.
  c.top_surcharges[0] = {3.0, 16.0, {10.0, 5.0}};
  // The wall's reaction at its sea face: normal a trapezoid over its 9 m base, seismic a
  // triangle over 3x = 7.426 m.
  set_check_point(c, 3.0, -10.0, {9.0, 305.669}, {7.426, 493.889});
  return finish_sample_blocks(m);
}

// Wall pattern: a reinforced-concrete caisson 10 m wide and 11 m high (-10.0 to +1.0) with 1 m
// footings, 3 x 4 cells of sand, a superstructure to +3.0; improved long walls 3.0 m wide with
// 1.0 m of soft clay between them (75 % of the body improved), joined by short walls 3.0 m deep
// at the top, the body 18 m wide down to stiff clay at -15.0. The caisson's front footing begins
// 3 m behind the body's sea face (its wall face 4 m, its rear footing ends 3 m short of the
// body's rear, under the backfill). The backfill's weight pulls the resultant landward, the
// earth pressure, inertia and dynamic water push it seaward: it comes down 1.44 m landward of
// the middle in the normal case and 0.85 m seaward in the seismic case, so the heel of the one
// and the toe of the other carry about the same reaction, each with a fifth to spare against
// the clay's qa. Behind the wall the ground rises 1 m onto a storage yard.
inline bool build_wall_caisson_clay(ProjectModel& m) {
  build_sample_ground(m, {18.0, -10.0, -15.0});
  ProjectConditions& c = m.conditions;
  c.project_title = "wall_clay";
  c.job_name = "ケーソン式岸壁・壁式改良・粘性土支持層（サンプル）";
  c.improvement_pattern = 1;
  c.improvement_ratio = 100;
  ImprovedBodyDims& d = c.body_dims;
  d.ll = 3.0;
  d.ls = 1.0;
  d.ds = 3.0;
  d.dl = 2.0;
  set_stiff_clay_bearing_layer(c.bearing_layer);

  WallBlock& wall = m.wall_blocks[0];
  wall.block_type = BLOCK_CAISSON;
  CaissonShape& k = wall.caisson;
  k.sub_type = 1;
  k.head.name = "ケーソン";
  k.head.ref_x = 3.0;
  k.head.ref_y = -10.0;
  k.head.unit_weights[0] = 24.5;
  k.head.unit_weights[1] = 14.4;
  k.head.unit_weights[2] = 24.5;
  k.flag_a = 3;
  k.flag_b = 4;
  k.dims_a[0][0] = 11.0;  // H
  k.dims_a[0][1] = 1.5;   // F, bottom slab
  k.dims_a[0][2] = 1.0;   // T, footing
  k.dims_a[1][0] = 10.0;  // W
  k.dims_a[1][1] = 1.0;   // L, footing length
  k.dims_a[1][2] = 0.5;   // Wf
  k.dims_a[1][3] = 0.4;   // Wp
  k.dims_a[2][0] = 20.0;  // Lb
  k.dims_a[2][1] = 0.5;   // We
  k.dims_a[2][2] = 0.4;   // Wq
  k.dims_a[3][0] = 0.3;
  k.dims_a[3][1] = 0.3;
  k.dims_a[3][2] = 0.5;
  // Cells (10 - 2 x 0.5 - 2 x 0.4) / 3 = 2.733 across, (20 - 2 x 0.5 - 3 x 0.4) / 4 = 4.45 along.
  for (int j = 0; j < 3; ++j) k.dims_b[0][j] = 8.2 / 3;
  for (int i = 0; i < 4; ++i) k.dims_b[1][i] = 4.45;
  k.part_count = 1;
  k.part_names[0] = "中詰砂";
  k.part_values[0][0] = 9.5;
  k.part_values[1][0] = 20.1;
  k.part_values[2][0] = 18.0;
  k.part_values[3][0] = 10.0;
  m.block_label_numbers[0] = 0;
  set_sample_rectangle(m.wall_blocks[2], BLOCK_RECTANGLE, "上部工", 4.0, 1.0, 10.0, 2.0, 24.0, 13.9);
  m.block_label_numbers[2] = 2;
  c.top_surcharges[0] = {4.0, 18.0, {10.0, 5.0}};

  // From the rear of the superstructure the yard rises 1:2 by 1 m, then runs level.
  c.surface_shape = 1;
  c.surface_point_count = 3;
  c.surface_points[0] = {0, 14.0, 3.0};
  c.surface_points[1] = {0, 16.0, 4.0};
  c.surface_points[2] = {0, 44.0, 4.0};
  c.embankment_layer_count = 1;
  c.embankment_layers[0] = {4.0, 18.0, 10.0};
  // The backfill from the caisson's rear wall at x = 14 over its rear footing (its haunch from
  // -8.5 down to -9.0, its top at -9.0 out to x = 15) to the body's land end at x = 18, up to the
  // surface: +3.0 at the superstructure's rear, +4.0 from x = 16. The wall-top surcharge covers
  // the superstructure and the backfill, x 4 to 18.
  set_sample_backfill(m.wall_blocks[3], 14.0, -10.0,
                      {{1, 0}, {1, 1}, {0.5, 1}, {0, 1.5}, {0, 13}, {2, 14}, {4, 14}, {4, 0}});
  m.block_label_numbers[3] = 3;
  // The caisson's reaction at the tip of its front footing, a trapezoid over its 12 m base in
  // both cases.
  set_check_point(c, 3.0, -10.0, {12.0, 192.909}, {12.0, 308.662});
  return finish_sample_blocks(m);
}

// Tangent-circle pattern: a counterfort wall (L-wall with three counterforts per 10 m block)
// 13 m high from -10.0 to +3.0, its slab 10 m wide with the front footing, sand on the slab;
// columns touching in a square grid improve 78.5 % of the body, 16 m wide through 5 m of loose
// sand down to dense sand at -15.0. Level ground. The resultant lies 0.76 m landward of the
// middle in the normal case and 1.51 m seaward in the seismic case.
inline bool build_circle_counterfort_sand(ProjectModel& m) {
  build_sample_ground(m, {16.0, -10.0, -15.0, true});
  ProjectConditions& c = m.conditions;
  c.project_title = "circle_sand";
  c.job_name = "扶壁式岸壁・接円式改良・砂質支持層（サンプル）";
  c.improvement_pattern = 2;
  c.improvement_ratio = 78.5;
  // Columns of a design standard strength of 1000 kN/m2: allowable compressive stress about a
  // third of it, 330 (normal) and 500 (seismic), the limit of their internal stress; half the
  // strength, times the improvement ratio, is the shear strength of the base.
  c.allowable_stresses[0][CASE_NORMAL] = 330;
  c.allowable_stresses[0][CASE_SEISMIC] = 500;
  c.allowable_stresses[1][CASE_NORMAL] = 165;
  c.allowable_stresses[1][CASE_SEISMIC] = 250;
  c.allowable_stresses[2][CASE_NORMAL] = 1000;
  c.allowable_stresses[2][CASE_SEISMIC] = 1000;
  set_sandy_bearing_layer(c.bearing_layer);

  WallBlock& wall = m.wall_blocks[0];
  wall.block_type = BLOCK_COUNTERFORT;
  CounterfortShape& k = wall.counterfort;
  k.sub_type = 1;
  k.head.name = "扶壁";
  k.head.ref_x = 2.0;
  k.head.ref_y = -10.0;
  k.head.unit_weights[0] = 24.5;
  k.head.unit_weights[1] = 14.4;
  k.head.unit_weights[2] = 24.5;
  k.flag_a = 3;
  k.dims_a[0][0] = 13.0;  // H
  k.dims_a[0][1] = 1.2;   // D, base slab
  k.dims_a[0][2] = 1.5;   // Hr
  k.dims_a[0][3] = 1.0;   // Tf
  k.dims_a[1][0] = 9.0;   // B, from the front wall face to the heel
  k.dims_a[1][1] = 0.6;   // Tw
  k.dims_a[1][2] = 1.0;   // Bc
  k.dims_a[1][3] = 1.0;   // Lf
  k.dims_a[2][0] = 10.0;  // L
  k.dims_a[2][1] = 0.5;   // Tc
  k.dims_a[3][0] = 0.3;   // Hc
  k.dims_a[3][1] = 0.3;   // Cf
  k.part_count = 1;
  k.part_names[0] = "裏込砂";
  k.part_values[0][0] = 11.8;
  k.part_values[1][0] = 20.1;
  k.part_values[2][0] = 18.0;
  k.part_values[3][0] = 10.0;
  m.block_label_numbers[0] = 0;
  // The backfill from the heel at x = 12 (the sand on the slab is the wall's own part) to the
  // body's land end at x = 16.
  set_sample_backfill(m.wall_blocks[2], 12.0, -10.0, {{0, 0}, {0, 13}, {4, 13}, {4, 0}});
  m.block_label_numbers[2] = 2;
  c.top_surcharges[0] = {3.0, 16.0, {10.0, 5.0}};
  // The wall's reaction at the tip of its front footing: normal a trapezoid over its 10 m base
  // (x 2 to 12), seismic a triangle over 3x = 9.826 m.
  set_check_point(c, 2.0, -10.0, {10.0, 200.714}, {9.826, 329.930});
  return finish_sample_blocks(m);
}

// Lattice pattern: a wall of two rectangular concrete blocks and a superstructure (-10.0 to
// +3.0, 9 m wide at its base) on a lattice of improved walls (front and rear walls 3 m wide,
// long walls 3 m, 2 m of soft clay between them under short walls 3 m deep), founded on stiff
// clay at -15.0. The wall's sea face stands 4 m behind the body's, over the lattice 1 m behind
// its 3 m front wall, so the resultant, which the backfill's weight behind the wall pulls
// landward and the seismic forces push seaward, comes down 1.42 m landward of the middle in the
// normal case and 0.74 m seaward in the seismic case. Level ground.
inline bool build_lattice_block_clay(ProjectModel& m) {
  build_sample_ground(m, {18.0, -10.0, -15.0});
  ProjectConditions& c = m.conditions;
  c.project_title = "lattice_clay";
  c.job_name = "ブロック式岸壁・格子式改良・粘性土支持層（サンプル）";
  c.improvement_pattern = 3;
  ImprovedBodyDims& d = c.body_dims;
  d.bl1 = 3.0;
  d.bl2 = 3.0;
  d.bs = 12.0;
  d.ll = 3.0;
  d.ls = 2.0;
  d.ds = 3.0;
  d.dl = 2.0;
  set_stiff_clay_bearing_layer(c.bearing_layer);
  set_sample_rectangle(m.wall_blocks[0], BLOCK_RECTANGLE, "ブロック1", 4.0, -10.0, 9.0, 6.0, 23.0, 12.9);
  set_sample_rectangle(m.wall_blocks[2], BLOCK_RECTANGLE, "ブロック2", 4.0, -4.0, 8.0, 5.0, 23.0, 12.9);
  set_sample_rectangle(m.wall_blocks[3], BLOCK_RECTANGLE, "上部工", 4.0, 1.0, 8.0, 2.0, 24.0, 13.9);
  // The backfill from the blocks' stepped back to the body's land end at x = 18, the wall-top
  // surcharge over both.
  set_sample_backfill(m.wall_blocks[4], 13.0, -10.0,
                      {{0, 0}, {0, 6}, {-1, 6}, {-1, 13}, {5, 13}, {5, 0}});
  for (int s : {0, 2, 3, 4}) m.block_label_numbers[s] = static_cast<i16>(s);
  c.top_surcharges[0] = {4.0, 18.0, {10.0, 5.0}};
  // The wall's reaction at its sea face: normal a trapezoid over its 9 m base, seismic a
  // triangle over 3x = 7.569 m.
  set_check_point(c, 4.0, -10.0, {9.0, 303.060}, {7.569, 490.250});
  return finish_sample_blocks(m);
}

}  // namespace qvt::model::testing
