// The working soil layers: the input layers of both sides closed by the improved body's bottom,
// the fill layers on top of the land side, the boundaries where the pressure rules change, the
// ground-surface polyline with its surcharges, and the work records every later step reads.
#include "common/cp932.h"
#include "engines/common/message_table.h"
#include "engines/vaskude/vaskude.h"
#include "engines/vaskude/vaskude_data.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qvt::vaskude {

using engine::ConditionData;
using engine::show_error;

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;

// The tables hold 25 records and the ground 80 vertices; input that needs more is refused
// rather than written past the tables.
[[noreturn]] void table_full() {
  show_error(-1, utf8_to_cp932_lossy(
                     "(ERROR)-土層の境界が多すぎます (陸側・海側とも 25 境界まで)."));
}

[[noreturn]] void vertices_full() {
  show_error(-1, utf8_to_cp932_lossy(
                     "(ERROR)-地表面形状の点が多すぎます (上載荷重の端点を含めて 80 点まで)."));
}

void copy_input_layers(const ConditionData& cd, int side, LayerTable& t) {
  for (int k = 0; k < engine::SOIL_LAYER_RECORDS; ++k) {
    const engine::SoilLayer& in = cd.soil_layers[side][k];
    SplitLayer s;
    s.top_level = in.top_level;
    s.unit_weight_air = in.unit_weight_air;
    s.unit_weight_submerged = in.unit_weight_submerged;
    s.soil_type = in.soil_type;
    if (in.soil_type == 0) {
      s.phi = in.phi;
    } else {
      s.cohesion = in.cohesion;
      s.cohesion_gradient = in.cohesion_gradient;
    }
    s.liquefied = in.liquefied;
    s.slurry_unit_weight = in.slurry_unit_weight;
    t.rec[k] = s;
  }
  t.count = std::clamp(cd.soil_layer_counts[side], 0, engine::SOIL_LAYER_RECORDS);
}

double cohesion_at(const ConditionData& cd, const SplitLayer& s, double z) {
  return (cd.cohesion_reference_level - z) * s.cohesion_gradient + s.cohesion;
}

void append_vertex(double x, double y) {
  engine::PressureWorkFile& w = run_data().work;
  int& n = w.header.ground_vertex_count;
  if (n >= engine::GROUND_VERTICES) vertices_full();
  w.vertices[n] = GroundVertex{x, y, 0, 0};
  ++n;
}

// Splits record i of the table at level L (between top[i] and top[i+1]).
void split_record(const ConditionData& cd, LayerTable& t, int i, double L) {
  if (t.count >= LAYER_RECORDS) table_full();
  for (int k = t.count - 1; k >= i + 1; --k) t.rec[k + 1] = t.rec[k];
  t.rec[i + 1] = t.rec[i];
  t.rec[i + 1].top_level = L;
  if (t.rec[i].soil_type != 0) {
    // The same check as at every other layer boundary: a negative cohesion is no input.
    const double raw = cohesion_at(cd, t.rec[i], L);
    if (raw < 0.0) show_error(61);
    const double c = round3(raw);
    t.rec[i].bottom_cohesion = c;
    t.rec[i + 1].top_cohesion = c;
  }
  ++t.count;
}

int search_layer(const LayerTable& t, double L) {
  int i = 0;
  while (i < t.count - 1 && !(t.rec[i].top_level >= L && L > t.rec[i + 1].top_level)) ++i;
  return i;
}

int find_in(const LayerTable& t, double L) {
  for (int i = 0; i < t.count; ++i)
    if (std::fabs(L - t.rec[i].top_level) < 0.0001) return i;
  return -1;
}

int find_sea_in(const LayerTable& t, double L) {
  const int i = find_in(t, L);
  if (i >= 0) return i;
  if (t.count > 0 && L < t.rec[0].top_level) return t.count - 1;
  return -1;
}

bool in_seabed_band(double top, double bottom, double A) {
  auto in = [A](double z) { return A - 10.0 < z && z <= A; };
  return in(top) || in(bottom);
}

// Land work records of one set. `arayoko` selects the thickness rule of the seabed sums.
void build_land_records(const ConditionData& cd, const LayerTable& t,
                        std::array<LandWorkLayer, LAYER_RECORDS>& out, int rwl_index,
                        int ground_top_index, bool arayoko) {
  const EarthPressureData& d = run_data();
  const double A = d.active_seabed;
  const double rwl = cd.water_levels[2];
  const int NL = t.count;
  double running = 0.0;
  double VA = -1.0;
  for (int i = 0; i + 1 < NL; ++i) {
    const SplitLayer& S = t.rec[i];
    const SplitLayer& S2 = t.rec[i + 1];
    LandWorkLayer& w = out[i];
    w.top_level = S.top_level;
    w.thickness = S.top_level - S2.top_level;
    w.unit_weight = i < rwl_index ? S.unit_weight_air : S.unit_weight_submerged;
    w.saturated_unit_weight = S.unit_weight_submerged + 10.0;
    w.surface_slope = cd.surface_slope_angle * kDegToRad;
    w.phi = S.soil_type == 1 ? 0.0 : S.phi * kDegToRad;
    w.wall_friction = cd.custom_options.wall_friction_angle * kDegToRad;
    w.wall_back_angle = 0;
    w.failure_angle = 0;
    w.mean_angle_kind = -1;
    w.overburden_top = w.overburden_bottom = 0;
    const double bottom = w.top_level - w.thickness;
    if (i >= ground_top_index) {
      w.overburden_top = running;
      w.overburden_bottom = w.overburden_top + round3(w.thickness * w.unit_weight);
      running = w.overburden_bottom;
      // The overburden at the seabed, from the record that reaches it. A record ending exactly
      // at the seabed reaches it too: its overburden there is its bottom value.
      if (VA < 0.0 &&
          (std::fabs(w.top_level - A) < 0.001 || bottom < A || std::fabs(bottom - A) < 0.001))
        VA = round3((w.top_level - A) * w.unit_weight) + w.overburden_top;
      if (w.phi <= 0.0 && in_seabed_band(w.top_level, bottom, A)) {
        if (cd.shallow_clay_method == 0) {
          w.overburden_seabed = w.overburden_top;
          w.overburden_seabed_minus10 =
              w.overburden_top + round3((w.top_level - (A - 10.0)) * w.unit_weight);
        } else {
          w.overburden_seabed = VA;
          w.overburden_seabed_minus10 = VA + round3(w.unit_weight * 10.0);
        }
      }
    }
    w.rwl_depth_top = w.rwl_depth_bottom = 0;
    w.weight_above_rwl = w.saturated_weight_above = w.saturated_weight_to_seabed = 0;
    w.submerged_weight_above = w.submerged_weight_to_seabed = 0;
    if (i >= rwl_index && i < ground_top_index) continue;
    if (i >= rwl_index && i >= ground_top_index) {
      double level = rwl;
      if (ground_top_index >= 0 && rwl_index <= ground_top_index &&
          cd.custom_options.residual_water_rule == 1)
        level = t.rec[ground_top_index].top_level;
      w.rwl_depth_top = level - S.top_level;
      w.rwl_depth_bottom = level - S2.top_level;
      double sum = 0;
      for (int j = std::max(ground_top_index, 0); j < rwl_index; ++j)
        sum += round3(out[j].thickness * out[j].unit_weight);
      w.weight_above_rwl = sum;
      const int m = std::max(rwl_index, ground_top_index);
      double sat = 0, sub = 0;
      for (int j = std::max(m, 0); j < i; ++j) {
        sat += round3(out[j].thickness * out[j].saturated_unit_weight);
        sub += round3(out[j].thickness * out[j].unit_weight);
      }
      w.saturated_weight_above = sat;
      w.submerged_weight_above = sub;
      sat = sub = 0;
      for (int j = std::max(m, 0); j < i; ++j) {
        const double bj = out[j].top_level - out[j].thickness;
        double h = out[j].thickness;
        if (arayoko && bj < A && cd.shallow_clay_method == 2) h = out[j].top_level - A;
        sat += round3(h * out[j].saturated_unit_weight);
        sub += round3(h * out[j].unit_weight);
        if (bj < A || std::fabs(A - bj) < 0.0001) break;
      }
      w.saturated_weight_to_seabed = sat;
      w.submerged_weight_to_seabed = sub;
    }
    w.seismic_angle_top = w.seismic_angle_bottom = 0;
    w.seismic_coef_top = w.seismic_coef_bottom = 0;
    w.wedge_surcharge_load_top = w.wedge_surcharge_load_bottom = 0;
    w.wedge_weight_top = w.wedge_weight_bottom = 0;
    w.wedge_width_top = w.wedge_width_bottom = 0;
    w.surcharge_top = w.surcharge_bottom = 0;
    w.wedge_surface_x_top = w.wedge_surface_x_bottom = 0;
    w.wedge_surface_y_top = w.wedge_surface_y_bottom = 0;
    w.cohesion_top = S.top_cohesion;
    w.cohesion_bottom = S.bottom_cohesion;
    if (w.phi <= 0.0 && in_seabed_band(w.top_level, bottom, A)) {
      const int method = cd.shallow_clay_method;
      const bool at_seabed = method == 2 || (method == 3 && cd.clay_compare_shallow == 1);
      auto checked = [&](double z, const char* text) {
        const double c = cohesion_at(cd, S, z);
        if (c < 0.0) show_error(-1, utf8_to_cp932_lossy(text));
        return round3(c);
      };
      if (method == 0) {
        w.cohesion_seabed_minus10 =
            checked(A - 10.0, "(ERROR)-海底面-10ｍ位置での粘着力Ｃが－値になりました.");
      } else if (at_seabed) {
        w.cohesion_seabed = checked(A, "(ERROR)-海底面位置での粘着力Ｃが－値になりました.");
        w.cohesion_seabed_minus10 =
            checked(A - 10.0, "(ERROR)-海底面-10ｍ位置での粘着力Ｃが－値になりました.");
      } else {
        w.cohesion_seabed = w.cohesion_seabed_minus10 = 0;
      }
    }
  }
  if (NL >= 1) out[NL - 1].top_level = t.rec[NL - 1].top_level;
}

void build_sea_records(const ConditionData& cd, const LayerTable& t,
                       std::array<SeaWorkLayer, LAYER_RECORDS>& out, int W, int B) {
  const double lwl = cd.water_levels[1];
  const int NS = t.count;
  double running = 0.0;
  for (int i = 0; i + 1 < NS; ++i) {
    const SplitLayer& S = t.rec[i];
    const SplitLayer& S2 = t.rec[i + 1];
    SeaWorkLayer& w = out[i];
    w.top_level = S.top_level;
    w.thickness = S.top_level - S2.top_level;
    w.unit_weight = i < W ? S.unit_weight_air : S.unit_weight_submerged;
    w.saturated_unit_weight = S.unit_weight_submerged + 10.0;
    w.seabed_slope = cd.seabed_slope_angle * kDegToRad;
    w.phi = S.soil_type == 1 ? 0.0 : S.phi * kDegToRad;
    w.wall_friction = cd.custom_options.wall_friction_angle * kDegToRad;
    w.wall_back_angle = 0;
    if (i >= B) {
      w.overburden_top = running;
      w.overburden_bottom = w.overburden_top + round3(w.thickness * w.unit_weight);
      running = w.overburden_bottom;
    }
    w.water_depth_top = w.water_depth_bottom = 0;
    w.weight_above_water = w.saturated_weight_above = w.submerged_weight_above = 0;
    if (i >= W && i >= B) {
      double level = lwl;
      if (B >= 0 && W <= B && cd.custom_options.front_water_rule == 1)
        level = t.rec[B].top_level;
      w.water_depth_top = level - S.top_level;
      w.water_depth_bottom = level - S2.top_level;
      double sum = 0;
      for (int j = std::max(B, 0); j < W; ++j) sum += round3(out[j].thickness * out[j].unit_weight);
      w.weight_above_water = sum;
      double sat = 0, sub = 0;
      for (int j = std::max({W, B, 0}); j < i; ++j) {
        sat += round3(out[j].thickness * out[j].saturated_unit_weight);
        sub += round3(out[j].thickness * out[j].unit_weight);
      }
      w.saturated_weight_above = sat;
      w.submerged_weight_above = sub;
    }
    if (i >= W && i < B) continue;
    w.seismic_angle_top = w.seismic_angle_bottom = 0;
    w.seismic_coef_top = w.seismic_coef_bottom = 0;
    w.surcharge_top = w.surcharge_bottom = 0;
    w.cohesion_top = S.top_cohesion;
    w.cohesion_bottom = S.bottom_cohesion;
  }
  if (NS >= 1) out[NS - 1].top_level = t.rec[NS - 1].top_level;
}

}  // namespace

int copy_land_input_layers(const ConditionData& cd) {
  copy_input_layers(cd, SIDE_LAND, run_data().land);
  return 0;
}

int copy_sea_input_layers(const ConditionData& cd) {
  copy_input_layers(cd, SIDE_SEA, run_data().sea);
  return 0;
}

int add_improved_body_bottom(const ConditionData& cd) {
  double rear_x = -99999.999, rear_y = 99999.999;
  double front_x = 99999.999, front_y = 99999.999;
  for (int slot = 0; slot < engine::MAX_WALL_BLOCKS; ++slot) {
    const engine::WallBlock& b = cd.wall_blocks[slot];
    if (b.block_type == engine::BLOCK_SOIL_RECTANGLE) {
      const double x = round3(b.head.ref_x + b.polygon.vertex_x[0]);
      const double y = round3(b.head.ref_y);
      if (x >= rear_x && y < rear_y) {
        rear_x = x;
        rear_y = y;
      }
      const double fx = round3(b.head.ref_x);
      if (fx <= front_x && y < front_y) {
        front_x = fx;
        front_y = y;
      }
    } else if (b.block_type == engine::BLOCK_SOIL_POLYGON) {
      const int n = std::clamp<int>(b.polygon.vertex_count, 0, engine::POLYGON_VERTICES);
      for (int k = 0; k < n; ++k) {
        const double x = round3(b.head.ref_x + b.polygon.vertex_x[k]);
        const double y = round3(b.head.ref_y + b.polygon.vertex_y[k]);
        if (x >= rear_x) {
          if (x > rear_x) rear_y = 99999.999;
          if (y < rear_y) {
            rear_x = x;
            rear_y = y;
          }
        }
        if (x <= front_x && y < front_y) {
          front_x = x;
          front_y = y;
        }
      }
    }
  }
  EarthPressureData& d = run_data();
  if (d.land.count >= LAYER_RECORDS || d.sea.count >= LAYER_RECORDS) table_full();
  d.land.rec[d.land.count].top_level = rear_y;
  ++d.land.count;
  d.sea.rec[d.sea.count].top_level = front_y;
  ++d.sea.count;
  d.body_width = rear_x - front_x;
  d.rear_x = rear_x;
  d.front_x = front_x;
  return 0;
}

int build_ground_surface(const ConditionData& cd) {
  if (cd.surface_shape == 0) return 0;
  EarthPressureData& d = run_data();
  const int n = std::clamp(cd.surface_point_count, 0, engine::MAX_SURFACE_POINTS);
  const double x0 = cd.surface_points[0].x;
  const double g = d.land.rec[0].top_level;
  append_vertex(0, g);
  double px = x0, py = g;
  bool ranges_used[engine::MAX_SURCHARGE_RANGES];
  for (int r = 0; r < engine::MAX_SURCHARGE_RANGES; ++r)
    ranges_used[r] = surcharge_range_in_use(cd.surcharge_ranges[r]);
  for (int p = 0; p < n; ++p) {
    const double sx = cd.surface_points[p].x, sy = cd.surface_points[p].y;
    if (std::fabs(sx - px) < 0.0001 && std::fabs(sy - py) < 0.0001) continue;
    for (int r = 0; r < engine::MAX_SURCHARGE_RANGES; ++r) {
      if (!ranges_used[r]) continue;
      for (double xe : {cd.surcharge_ranges[r].x_min, cd.surcharge_ranges[r].x_max}) {
        if (px < xe && xe < sx) {
          const double y = py + (xe - px) * (sy - py) / (sx - px);
          append_vertex(xe - x0, y);
          px = xe;
          py = y;
        }
      }
    }
    append_vertex(sx - x0, sy);
    px = sx;
    py = sy;
  }
  // Beyond the last point the surface goes on along its last segment; a single point, or a
  // vertical last segment, has no direction to go on in and is taken as level.
  const double lx = n > 0 ? cd.surface_points[n - 1].x : x0;
  const double ly = n > 0 ? cd.surface_points[n - 1].y : g;
  const bool has_k = n >= 2 && cd.surface_points[n - 1].x != cd.surface_points[n - 2].x;
  auto beyond = [&](double x) {
    if (!has_k) return ly;
    const double kx = cd.surface_points[n - 2].x, ky = cd.surface_points[n - 2].y;
    return ky + (ly - ky) * (x - kx) / (lx - kx);
  };
  for (int r = 0; r < engine::MAX_SURCHARGE_RANGES; ++r) {
    if (!ranges_used[r]) continue;
    const engine::SurchargeRange& s = cd.surcharge_ranges[r];
    if (!(s.x_min < x0 || s.x_max > lx)) continue;
    if (s.x_min > lx) append_vertex(s.x_min - x0, beyond(s.x_min));
    if (s.x_max > lx) append_vertex(s.x_max - x0, beyond(s.x_max));
  }
  engine::PressureWorkFile& w = d.work;
  for (int r = 0; r < engine::MAX_SURCHARGE_RANGES; ++r) {
    if (!ranges_used[r]) continue;
    const engine::SurchargeRange& s = cd.surcharge_ranges[r];
    for (int v = 0; v < w.header.ground_vertex_count; ++v) {
      GroundVertex& gv = w.vertices[v];
      if (s.x_min - x0 <= gv.x && gv.x < s.x_max - x0) {
        gv.surcharge_normal = s.load[0];
        gv.surcharge_seismic = s.load[1];
      }
    }
  }
  return 0;
}

int close_ground_surface() {
  engine::PressureWorkFile& w = run_data().work;
  const int n = w.header.ground_vertex_count;
  if (n == 0) return 0;  // a straight ground surface has no vertices
  append_vertex(999.0, w.vertices[n - 1].y);
  return 0;
}

int clay_cohesion_from_reference(const ConditionData& cd) {
  EarthPressureData& d = run_data();
  for (LayerTable* t : {&d.land, &d.sea}) {
    for (int i = 0; i + 1 < t->count; ++i) {
      SplitLayer& s = t->rec[i];
      if (s.soil_type == 0) continue;
      const double top = cohesion_at(cd, s, s.top_level);
      const double bottom = cohesion_at(cd, s, t->rec[i + 1].top_level);
      if (top < 0.0 || bottom < 0.0) show_error(61);
      s.top_cohesion = round3(top);
      s.bottom_cohesion = round3(bottom);
    }
  }
  return 0;
}

int insert_fill_layers(const ConditionData& cd) {
  EarthPressureData& d = run_data();
  LayerTable& t = d.land;
  if (cd.surface_shape != 0) {
    const int F = std::clamp(d.fill_layer_count, 0, engine::MAX_EMBANKMENT_LAYERS);
    if (t.count + F > LAYER_RECORDS) table_full();
    for (int f = 0; f < F; ++f) {
      for (int k = t.count - 1; k >= 0; --k) t.rec[k + 1] = t.rec[k];
      ++t.count;
    }
    for (int f = 0; f < F; ++f) {
      SplitLayer s;
      s.top_level = cd.embankment_layers[f].top_level;
      s.unit_weight_air = cd.embankment_layers[f].unit_weight_air;
      s.unit_weight_submerged = cd.embankment_layers[f].unit_weight_submerged;
      t.rec[f] = s;
    }
  }
  t.rec[0].top_level = 999.99;
  return 0;
}

int insert_land_boundary(const ConditionData& cd, double level, int kind) {
  LayerTable& t = run_data().land;
  if (t.count <= 0) table_full();
  const int i = search_layer(t, level);
  if (t.rec[i].top_level == level) return 0;
  if (i == t.count - 1) {
    switch (kind) {
      case 0: show_error(19);
      case 1: show_error(20);
      case 2: show_error(21);
      default: return -1;
    }
  }
  split_record(cd, t, i, level);
  return 0;
}

int insert_sea_boundary(const ConditionData& cd, double level, int kind) {
  LayerTable& t = run_data().sea;
  if (t.count <= 0) {
    if (kind == 0) show_error(22);
    return -1;
  }
  const int i = search_layer(t, level);
  if (i == t.count - 1) {
    if (kind == 0) show_error(22);
    return -1;
  }
  if (t.rec[i].top_level == level) return 0;
  split_record(cd, t, i, level);
  return 0;
}

int find_land_layer(double level) { return find_in(run_data().land, level); }

int find_sea_layer(double level) { return find_sea_in(run_data().sea, level); }

int build_work_layers(const ConditionData& cd) {
  EarthPressureData& d = run_data();
  engine::PressureWorkHeader& h = d.work.header;
  build_land_records(cd, d.land, d.work.land, h.rwl_index, h.ground_top_index, false);
  build_sea_records(cd, d.sea, d.work.sea, d.sea_water_index, h.seabed_index);
  h.land_boundary_count = d.land.count;
  h.sea_boundary_count = d.sea.count;
  return 0;
}

int build_arayoko_work_layers(const ConditionData& cd) {
  EarthPressureData& d = run_data();
  // The second set carries only some of the boundaries; its indices are looked up in its own
  // tables, so that a boundary inserted into the main set above them cannot shift them.
  const double ground_top = cd.soil_layers[SIDE_LAND][0].top_level;
  d.arayoko_rwl = find_in(d.arayoko_land, cd.water_levels[2]);
  d.arayoko_gti = find_in(d.arayoko_land, ground_top);
  d.arayoko_seabed = find_sea_in(d.arayoko_sea, cd.soil_layers[SIDE_SEA][0].top_level);
  d.arayoko_water = find_sea_in(d.arayoko_sea, cd.water_levels[1]);
  build_land_records(cd, d.arayoko_land, d.work.arayoko_land, d.arayoko_rwl, d.arayoko_gti,
                     true);
  build_sea_records(cd, d.arayoko_sea, d.work.arayoko_sea, d.arayoko_water, d.arayoko_seabed);
  d.work.header.arayoko_land_count = d.arayoko_land.count;
  d.work.header.arayoko_sea_count = d.arayoko_sea.count;
  return 0;
}

void prepare_layer_boundaries(const ConditionData& cd) {
  EarthPressureData& d = run_data();
  engine::PressureWorkHeader& h = d.work.header;
  const double lwl = cd.water_levels[1], rwl = cd.water_levels[2];
  const double ground_top = cd.soil_layers[SIDE_LAND][0].top_level;
  const double sea_seabed = cd.soil_layers[SIDE_SEA][0].top_level;
  d.active_seabed = cd.active_seabed_rule == 0 ? sea_seabed : cd.active_seabed_level;
  const double A = d.active_seabed;

  insert_land_boundary(cd, rwl, 1);
  insert_land_boundary(cd, ground_top, 2);
  d.arayoko_land = d.land;
  const int method = cd.custom_options.surcharge_method;
  if (!(cd.shallow_clay_method == 1 && !(cd.surface_shape == 1 && method != 1)))
    insert_land_boundary(cd, A, 0);
  if (A > lwl && cd.improvement_pattern == PATTERN_WALL && cd.apparent_coef_method != 3)
    insert_land_boundary(cd, lwl, 1);
  insert_land_boundary(cd, A - 10.0, 3);
  if (cd.surface_shape == 1 && method == 2)
    h.surcharge_level_index = find_land_layer(d.land.rec[d.land.count - 1].top_level);
  else
    h.surcharge_level_index = find_land_layer(A);
  h.rwl_index = find_land_layer(rwl);
  h.ground_top_index = find_land_layer(ground_top);

  insert_sea_boundary(cd, sea_seabed, 0);
  insert_sea_boundary(cd, lwl, 1);
  d.arayoko_sea = d.sea;
  insert_sea_boundary(cd, sea_seabed - 10.0, 2);
  h.seabed_index = find_sea_layer(sea_seabed);
  d.sea_water_index = find_sea_layer(lwl);

  build_work_layers(cd);
  build_arayoko_work_layers(cd);
}

}  // namespace qvt::vaskude
