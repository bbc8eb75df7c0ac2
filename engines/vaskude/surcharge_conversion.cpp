// The equivalent uniform surcharge of a land record under an arbitrary ground surface: the
// embankment weight inside the failure wedge plus the surface surcharge over the wedge's
// surface width, divided by the wedge's width at the ground top. In the seismic case the
// failure angles depend on the surcharge, so it is iterated.
#include "common/cp932.h"
#include "engines/common/engine_message.h"
#include "engines/common/message_table.h"
#include "engines/common/pressure_helpers.h"
#include "engines/common/print_data.h"
#include "engines/common/rounding_geometry.h"
#include "engines/vaskude/pressure_formulas.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace qvt::vaskude {

using engine::show_error;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegToRad = kPi / 180.0;

// A wedge whose failure line lies flat has no width at the ground top.
[[noreturn]] void flat_failure_line() {
  show_error(-1, utf8_to_cp932_lossy(
                     "(ERROR)-崩壊角が 0.0 のため上載荷重の換算ができません.\n"
                     "崩壊面の幅が求められません."));
}

double vertex_surcharge(const GroundVertex& v, int load_case) {
  return load_case == 0 ? v.surcharge_normal : v.surcharge_seismic;
}

struct Point {
  double x, y;
};

// Where the failure line through the bottom of record i meets the ground surface, the
// embankment weight inside the wedge and the centroids of its parts.
void wedge_ground_intersection(const LandSet& set, int i, int rule, double B, double y0,
                               WedgeValues& out) {
  const EarthPressureData& d = run_data();
  LandWorkLayer& rec = set.work[i];
  rec.wedge_centroid_x = {};
  rec.wedge_centroid_y = {};
  out.W = 0.0;
  const double top0 = set.table.rec[0].top_level;
  if (top0 == y0) {
    out.x = B;
    out.y = y0;
    return;
  }
  const double a = rule == 0 ? set.work[set.ground_top_index].wedge_angles[i] : kPi / 2.0;
  const double t = std::tan(a);
  const double x_end = B + (rule == 0 ? (top0 - y0) / t : 0.0);
  if (!std::isfinite(x_end)) flat_failure_line();
  const int n = d.work.header.ground_vertex_count;
  int k_hit = -1;
  for (int k = 0; k + 1 < n; ++k) {
    const GroundVertex& p = d.work.vertices[k];
    const GroundVertex& q = d.work.vertices[k + 1];
    double x = 0, y = 0;
    if (engine::intersect_lines(p.x, p.y, q.x, q.y, B, y0, x_end, top0, x, y) == 0) {
      out.x = x;
      out.y = y;
      k_hit = k;
      break;
    }
  }
  if (k_hit < 0) show_error(5);
  // The outline above the ground top; it grows by the points where the embankment levels cut it.
  std::vector<Point> outline;
  for (int k = 0; k <= k_hit; ++k) outline.push_back({d.work.vertices[k].x, d.work.vertices[k].y});
  outline.push_back({out.x, out.y});
  outline.push_back({B, y0});
  int slice = 0;
  for (int m = set.ground_top_index - 1; m >= 0; --m, ++slice) {
    const double level = set.table.rec[m].top_level;
    for (std::size_t e = 0; e + 1 < outline.size(); ++e) {
      const Point p = outline[e], q = outline[e + 1];
      double x = 0, y = 0;
      if (engine::intersect_lines(p.x, p.y, q.x, q.y, 0.0, level, 100.0, level, x, y) != 0)
        continue;
      auto differs = [&](const Point& r) {
        return std::fabs(x - r.x) >= 0.001 || std::fabs(y - r.y) >= 0.001;
      };
      if (differs(p) && differs(q)) outline.insert(outline.begin() + static_cast<long>(e) + 1, {x, y});
    }
    const double below = set.table.rec[m + 1].top_level;
    std::vector<double> xs, ys;
    for (const Point& p : outline)
      if (p.y < level + 0.001 && p.y > below - 0.001) {
        xs.push_back(p.x);
        ys.push_back(p.y);
      }
    double cx = 0, cy = 0;
    const double area = engine::compute_polygon_area_centroid(
        xs.data(), ys.data(), static_cast<int>(xs.size()), cx, cy);
    if (slice < engine::WEDGE_FILL_PARTS) {
      rec.wedge_centroid_x[slice] = cx;
      rec.wedge_centroid_y[slice] = cy;
    }
    out.W += area * set.work[m].unit_weight;
  }
}

void store_top(LandWorkLayer& r, const WedgeValues& v) {
  r.surcharge_top = v.w;
  r.wedge_surcharge_load_top = v.Q;
  r.wedge_weight_top = v.W;
  r.wedge_width_top = v.B;
  r.wedge_surface_x_top = v.x;
  r.wedge_surface_y_top = v.y;
}

void store_bottom(LandWorkLayer& r, const WedgeValues& v) {
  r.surcharge_bottom = v.w;
  r.wedge_surcharge_load_bottom = v.Q;
  r.wedge_weight_bottom = v.W;
  r.wedge_width_bottom = v.B;
  r.wedge_surface_x_bottom = v.x;
  r.wedge_surface_y_bottom = v.y;
}

WedgeValues bottom_values(const LandWorkLayer& r) {
  return {r.surcharge_bottom, r.wedge_surcharge_load_bottom, r.wedge_weight_bottom,
          r.wedge_width_bottom, r.wedge_surface_x_bottom, r.wedge_surface_y_bottom};
}

// The record's failure angle on the wedge through the bottom of the record evaluated, with
// the trial surcharges and the unrounded coefficients of this step.
double iteration_angle(const ConditionData& cd, const LandSet& set, int j,
                       const LayerCoefficients& k, double u_top, double u_bottom) {
  const LandWorkLayer& r = set.work[j];
  if (set.table.rec[j].soil_type == 0)
    return round_angle(sand_failure_angle(r.surface_slope, r.phi, r.wall_friction,
                                          r.wall_back_angle, k.theta[1]),
                       0);
  double S_b = r.overburden_bottom, c_b = r.cohesion_bottom;
  if (set.arayoko && cd.custom_options.surcharge_method == 0 &&
      r.top_level - r.thickness < run_data().active_seabed) {
    S_b = r.overburden_seabed;
    c_b = r.cohesion_seabed;
  }
  auto angle = [&](double S, double u, double c, double theta) {
    double z = clay_failure_angle(S, u, c, theta, 0);
    if (z < 0.0) {
      switch (cd.custom_options.negative_root_rule) {
        case 1:
        case 3: z = kPi / 4.0; break;
        case 2: z = clay_failure_angle(S, u, c, theta, 1); break;
        default: break;
      }
    }
    return round_angle(z, 0);
  };
  const double top = angle(r.overburden_top, u_top, r.cohesion_top, k.theta[0]);
  const double bottom = angle(S_b, u_bottom, c_b, k.theta[1]);
  double z = 0;
  int kind = 0;
  mean_clay_angle(top, bottom, cd.custom_options.clay_collapse_angle[1] * kDegToRad, z, kind);
  return z;
}

std::string format_value(const char* format, double v) { return engine::format_text(format, v); }

// Iterates the surcharge of record i of the set and stores it with the wedge fields.
void iterate_record(const ConditionData& cd, const LandSet& set, int i) {
  const WedgeValues top = wedge_surcharge(cd, set, i, 0, 1);
  double u_top = 1.0, u_bottom = 1.0;
  WedgeValues w, saved;
  std::vector<double> saved_angles(LAYER_RECORDS, 0.0);
  bool converged = false;
  for (int pass = 0; pass < 2 && !converged; ++pass) {
    double largest = -9999.999, smallest = 9999.999;
    for (int n = 1; n <= 50; ++n) {
      for (int j = set.ground_top_index; j <= i; ++j) {
        const LayerCoefficients k =
            set.arayoko ? arayoko_layer_coefficients(cd, set, j, -1, u_top, u_bottom, true)
                        : layer_seismic_coefficients(cd, set, j, -1, u_top, u_bottom);
        set.work[j].wedge_angles[i] = iteration_angle(cd, set, j, k, u_top, u_bottom);
      }
      w = wedge_surcharge(cd, set, i, 1, 1);
      if (pass == 1) {
        if (w.w > largest) {
          largest = w.w;
          saved = w;
          for (int j = set.ground_top_index; j <= i; ++j)
            saved_angles[j] = set.work[j].wedge_angles[i];
        }
        if (w.w < smallest) smallest = w.w;
      }
      if (std::fabs(u_bottom - w.w) < 0.001) {
        converged = true;
        break;
      }
      u_top = u_bottom = w.w;
    }
    if (converged) break;
    if (pass == 0) {
      const std::string text =
          std::string("(ERROR)-上載荷重の換算で崩壊角の変動が大きいため収束できません") +
          (set.arayoko ? "(2)" : "(1)") + "\n荷重の初期値を（収束計算終了時:" +
          format_value("%1.3lf", u_bottom) + "kN/m2）として再度収束計算を行います。";
      engine::engine_message(engine::MessageKind::Error, "error", utf8_to_cp932_lossy(text));
    } else {
      const std::string text =
          "再度の収束計算の結果、最大値を使用して計算を継続します。\n荷重の最大値=" +
          format_value("%1.3lfkN/m2", largest) + "　最小値=" +
          format_value("%1.3lfkN/m2", smallest);
      engine::engine_message(engine::MessageKind::Error, "error", utf8_to_cp932_lossy(text));
      w = saved;
      for (int j = set.ground_top_index; j <= i; ++j)
        set.work[j].wedge_angles[i] = saved_angles[j];
    }
  }
  LandWorkLayer& r = set.work[i];
  store_top(r, top);
  store_bottom(r, w);
}

}  // namespace

void take_over_bottom_values(LandWorkLayer& r, const LandWorkLayer& from) {
  const WedgeValues v = bottom_values(from);
  store_top(r, v);
  store_bottom(r, v);
}

WedgeValues wedge_surcharge(const ConditionData& cd, const LandSet& set, int i, int position,
                            int load_case) {
  const EarthPressureData& d = run_data();
  WedgeValues v;
  if (position == 0) {
    if (i == set.ground_top_index) {
      const double ground_top = cd.soil_layers[SIDE_LAND][0].top_level;
      for (int k = 0; k < d.work.header.ground_vertex_count; ++k) {
        const GroundVertex& g = d.work.vertices[k];
        if (g.x == 0.0 && g.y == ground_top) {
          v.Q = vertex_surcharge(g, load_case);
          break;
        }
      }
      v.w = v.Q;
      return v;
    }
    return bottom_values(set.work[i - 1]);
  }
  const double s = d.active_seabed;
  const double top_i = set.work[i].top_level;
  double lower = set.table.rec[i + 1].top_level;
  if (set.arayoko && cd.custom_options.surcharge_method == 0 && lower < s && s < top_i)
    lower = s;
  double B = 0.0;
  for (int j = i; j >= set.ground_top_index; --j) {
    const double t = std::tan(set.work[j].wedge_angles[i]);
    if (!(std::fabs(t) > 1e-12) || !std::isfinite(t)) flat_failure_line();
    B += (set.table.rec[j].top_level - lower) / t;
    lower = set.table.rec[j].top_level;
  }
  if (!(std::fabs(B) > 1e-12) || !std::isfinite(B)) flat_failure_line();
  v.B = B;
  const double y0 = set.table.rec[set.ground_top_index].top_level;
  wedge_ground_intersection(set, i, cd.collapse_angle_rule, B, y0, v);
  const int n = d.work.header.ground_vertex_count;
  for (int k = 0; k + 1 < n; ++k) {
    const GroundVertex& p = d.work.vertices[k];
    const double xn = d.work.vertices[k + 1].x;
    const double q = vertex_surcharge(p, load_case);
    if (p.x <= v.x && v.x < xn) {
      v.Q += (v.x - p.x) * q;
      break;
    }
    v.Q += (xn - p.x) * q;
  }
  v.w = (v.W + v.Q) / B;
  return v;
}

int main_reference_record() {
  const EarthPressureData& d = run_data();
  const int gti = d.work.header.ground_top_index;
  const int last = d.land.count - 2;
  return std::clamp(d.work.header.surcharge_level_index - 1, gti, std::max(gti, last));
}

int arayoko_reference_record(const ConditionData& cd) {
  const EarthPressureData& d = run_data();
  const LayerTable& t = d.arayoko_land;
  const int last = t.count - 2;
  if (cd.custom_options.surcharge_method == 2) return last;
  const double s = d.active_seabed;
  int r = d.arayoko_gti;
  while (r < t.count - 1 && t.rec[r + 1].top_level >= s &&
         std::fabs(t.rec[r + 1].top_level - s) >= 0.001)
    ++r;
  return std::clamp(r, d.arayoko_gti, std::max(d.arayoko_gti, last));
}

void converge_surcharge(const ConditionData& cd) {
  const LandSet set = main_land_set();
  const int gti = set.ground_top_index;
  const int last = set.count() - 2;
  if (gti < 0) return;
  if (cd.surface_shape == 0) {
    for (int i = gti; i <= last; ++i)
      set.work[i].surcharge_top = set.work[i].surcharge_bottom = cd.surface_surcharge[1];
    return;
  }
  const int method = cd.custom_options.surcharge_method;
  const int end = method == 0 ? main_reference_record() : last;
  for (int i = gti; i <= end; ++i) iterate_record(cd, set, i);
  if (method != 1) {
    const LandWorkLayer from = set.work[main_reference_record()];
    for (int i = gti; i <= last; ++i) take_over_bottom_values(set.work[i], from);
  }
}

void converge_surcharge_arayoko(const ConditionData& cd) {
  const LandSet set = arayoko_land_set();
  const int gti = set.ground_top_index;
  const int last = set.count() - 2;
  if (gti < 0) return;
  if (cd.surface_shape == 0) {
    for (int i = gti; i <= last; ++i)
      set.work[i].surcharge_top = set.work[i].surcharge_bottom = cd.surface_surcharge[1];
    return;
  }
  const int method = cd.custom_options.surcharge_method;
  if (method == 1) {
    const LandSet main = main_land_set();
    for (int i = gti; i <= last; ++i) {
      const double bottom = set.work[i].top_level - set.work[i].thickness;
      for (int m = std::max(main.ground_top_index, 0); m + 1 < main.count(); ++m)
        if (std::fabs(main.work[m].top_level - main.work[m].thickness - bottom) < 0.0001) {
          set.work[i].surcharge_top = set.work[i].surcharge_bottom =
              main.work[m].surcharge_bottom;
          break;
        }
    }
    return;
  }
  const int r = arayoko_reference_record(cd);
  for (int i = gti; i <= r; ++i) iterate_record(cd, set, i);
  const LandWorkLayer from = set.work[r];
  for (int i = gti; i <= last; ++i) take_over_bottom_values(set.work[i], from);
  const LandSet main = main_land_set();
  for (int i = std::max(main.ground_top_index, 0); i + 1 < main.count(); ++i)
    take_over_bottom_values(main.work[i], from);
}

}  // namespace qvt::vaskude
