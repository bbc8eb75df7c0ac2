#pragma once
// Small condition records of level-ground and arbitrary-surface sections, and the steps of the
// run that prepare their layers, for the in-process tests of the earth pressure engine.
#include "engines/common/engine_entry.h"
#include "engines/vaskude/vaskude.h"
#include "engines/vaskude/vaskude_data.h"

#include <functional>
#include <memory>
#include <string>

namespace qvt::vaskude::testing {

using engine::ConditionData;

// The text of the stop a step ends with, or "" when it goes through.
inline std::string stop_text(const std::function<void()>& step) {
  try {
    step();
  } catch (const engine::EngineStop& stop) {
    return stop.messages.empty() ? std::string("(silent)") : stop.messages.front().text;
  }
  return "";
}

inline void set_layer(ConditionData& cd, int side, int k, double top, int soil_type, double air,
               double sub, double phi, double c = 0, double grad = 0) {
  engine::SoilLayer& l = cd.soil_layers[side][k];
  l.top_level = top;
  l.soil_type = soil_type;
  l.unit_weight_air = air;
  l.unit_weight_submerged = sub;
  l.phi = phi;
  l.cohesion = c;
  l.cohesion_gradient = grad;
}

// A level-ground section: land sand +2.0 (18 / 10, φ 30) and clay -8.0 (16 / 6, c 20 at the
// reference level -8.0, +1 per metre); sea sand -8.0 (19 / 9, φ 35); an improved body (type 7)
// from (0, -20) 15 m wide and 12 m high; L.W.L. 0.0, R.W.L. +1.0.
inline std::unique_ptr<ConditionData> base_section() {
  auto cd = std::make_unique<ConditionData>();
  set_layer(*cd, SIDE_LAND, 0, 2.0, 0, 18, 10, 30);
  set_layer(*cd, SIDE_LAND, 1, -8.0, 1, 16, 6, 0, 20, 1);
  set_layer(*cd, SIDE_SEA, 0, -8.0, 0, 19, 9, 35);
  cd->soil_layer_counts[SIDE_LAND] = 2;
  cd->soil_layer_counts[SIDE_SEA] = 1;
  cd->cohesion_reference_level = -8.0;
  cd->water_levels[1] = 0.0;
  cd->water_levels[2] = 1.0;
  cd->water_unit_weight = 10.1;
  cd->seismic_check = 2;
  for (auto& b : cd->wall_blocks) b.block_type = engine::BLOCK_EMPTY;
  engine::WallBlock& body = cd->wall_blocks[0];
  body.block_type = engine::BLOCK_SOIL_RECTANGLE;
  body.head.ref_x = 0;
  body.head.ref_y = -20;
  body.polygon.vertex_x[0] = 15;
  body.polygon.vertex_y[0] = 12;
  return cd;
}

// The same section with an arbitrary ground surface (15, 2.0), (20, 4.0), (30, 3.0), one fill
// layer up to +5.0 (18 / 10) and two surcharge ranges: x 17..25 (10 / 5) and 25..40 (20 / 10).
inline std::unique_ptr<ConditionData> surface_section() {
  auto cd = base_section();
  cd->surface_shape = 1;
  const double px[] = {15, 20, 30}, py[] = {2.0, 4.0, 3.0};
  for (int p = 0; p < 3; ++p) {
    cd->surface_points[p].x = px[p];
    cd->surface_points[p].y = py[p];
  }
  cd->surface_point_count = 3;
  cd->embankment_layers[0] = {5.0, 18, 10};
  cd->surcharge_ranges[0] = {17, 25, {10, 5}};
  cd->surcharge_ranges[1] = {25, 40, {20, 10}};
  return cd;
}

// Steps 4 to 10 of the run, without the files.
inline void prepare_layers(ConditionData& cd) {
  reset_run_data();
  init_engine_state();
  clear_work_arrays();
  check_surcharge_overlap(cd);
  check_layers_and_fill(cd);
  copy_land_input_layers(cd);
  copy_sea_input_layers(cd);
  add_improved_body_bottom(cd);
  build_ground_surface(cd);
  close_ground_surface();
  clay_cohesion_from_reference(cd);
  insert_fill_layers(cd);
  prepare_layer_boundaries(cd);
}

}  // namespace qvt::vaskude::testing
