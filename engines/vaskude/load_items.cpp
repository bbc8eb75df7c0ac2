// Every pressure diagram cut into load items: per record a trapezoid, split along its diagonal
// into a triangle on the top value and one on the bottom value (or one rectangle when both are
// equal), each with its force and its moment about the toe of the improved body. The moments
// of the other external forces about the toe.
#include "common/cp932.h"
#include "engines/common/message_table.h"
#include "engines/common/pressure_helpers.h"
#include "engines/vaskude/load_items.h"
#include "engines/vaskude/pressure_formulas.h"
#include "engines/vaskude/pressure_steps.h"

#include <cmath>

namespace qvt::vaskude {

using engine::round_to_decimals;

namespace {

// The case whose table the builders fill.
int g_table_case = 0;

void add_item(int shape, double cx, double level, double arm, double intensity, double height) {
  EarthPressureData& d = run_data();
  const int c = g_table_case;
  int& n = d.item_count[c];
  if (n >= engine::LOAD_ITEMS)
    engine::show_error(-1, utf8_to_cp932_lossy("(ERROR)-荷重の項目が多すぎます (50 項目まで)."));
  LoadItem& it = d.items[n];
  it.shape = shape;
  it.centroid_x = cx;
  it.centroid_level = level;
  it.lever_arm = arm;
  it.intensity = intensity;
  it.height = height;
  it.force = item_force(shape, intensity, height);
  it.moment = item_moment(it.force, arm);
  d.work.summary.item_force_sum[c] += it.force;
  d.work.summary.item_moment_sum[c] += it.moment;
  ++n;
}

}  // namespace

void start_load_table(int load_case) {
  EarthPressureData& d = run_data();
  const int c = load_case == 0 ? 0 : 1;
  g_table_case = c;
  d.item_count[c] = 0;
  d.work.summary.item_force_sum[c] = 0;
  d.work.summary.item_moment_sum[c] = 0;
}

namespace {

// Levels of the main-set records: a record ends at the next record's top.
double land_top(int i) { return run_data().land.rec[i].top_level; }
double sea_top(int i) { return run_data().sea.rec[i].top_level; }



}  // namespace

double item_force(int shape, double intensity, double height) {
  return round_to_decimals((shape == 1 ? 1.0 : 0.5) * intensity * height, 3);
}

double item_moment(double force, double arm) { return round_to_decimals(force * arm, 3); }

void triangle_centroid(const double p[3], const double z[3], double& cx, double& cz) {
  cx = round_to_decimals((p[0] + p[1] + p[2]) / 3.0, 3);
  cz = round_to_decimals((z[0] + z[1] + z[2]) / 3.0, 3);
}

void add_trapezoid(double pt, double pb, double t, double b, bool vertical, double reference) {
  const double dt = round_to_decimals(pt, 3), db = round_to_decimals(pb, 3);
  if (dt == 0.0 && db == 0.0) return;
  const double h = t - b;
  auto arm = [&](double level) { return vertical ? reference : level - reference; };
  if (dt == db) {
    const double level = (t + b) / 2.0;
    add_item(1, (0.0 + pt + 0.0 + pb) / 4.0, level, arm(level), pb, h);
    return;
  }
  double cx = 0, cz = 0;
  if (dt != 0.0) {
    const double p[3] = {0.0, pt, 0.0}, z[3] = {t, t, b};
    triangle_centroid(p, z, cx, cz);
    add_item(0, cx, cz, arm(cz), pt, h);
  }
  if (db != 0.0) {
    const double p[3] = {pt, pb, 0.0}, z[3] = {t, b, b};
    triangle_centroid(p, z, cx, cz);
    add_item(0, cx, cz, arm(cz), pb, h);
  }
}

void build_active_load_items(const ConditionData& cd) {
  start_load_table(cd.current_case);
  EarthPressureData& d = run_data();
  for (int i = std::max(d.work.header.ground_top_index, 0); i + 1 < d.land.count; ++i) {
    double pt = d.work.active[i].horizontal_top, pb = d.work.active[i].horizontal_bottom;
    if (!(pt >= 0.0 || pb > 0.0)) continue;
    double t = land_top(i), b = land_top(i + 1);
    // Tension is not carried: the diagram is cut where it crosses zero.
    if (pt < 0.0) {
      t = round_to_decimals(b + (t - b) * pb / (pb - pt), 3);
      pt = 0.0;
    }
    if (pb < 0.0) {
      b = round_to_decimals(b + (t - b) * pb / (pb - pt), 3);
      pb = 0.0;
    }
    add_trapezoid(pt, pb, t, b, false, cd.toe_y);
  }
}

void build_liquefaction_load_items(const ConditionData& cd) {
  start_load_table(cd.current_case);
  EarthPressureData& d = run_data();
  for (int i = std::max(d.work.header.seabed_index, 0); i + 1 < d.sea.count; ++i)
    add_trapezoid(d.work.passive[i].liquefied_dynamic_top,
                  d.work.passive[i].liquefied_dynamic_bottom, sea_top(i), sea_top(i + 1), false,
                  cd.toe_y);
}

void build_passive_load_items(const ConditionData& cd) {
  start_load_table(cd.current_case);
  EarthPressureData& d = run_data();
  for (int i = std::max(d.work.header.seabed_index, 0); i + 1 < d.sea.count; ++i)
    add_trapezoid(d.work.passive[i].passive_top, d.work.passive[i].passive_bottom, sea_top(i),
                  sea_top(i + 1), false, cd.toe_y);
}

void build_active_vertical_items(const ConditionData& cd) {
  start_load_table(cd.current_case);
  EarthPressureData& d = run_data();
  // The back face of the improved body, measured from the toe.
  const double position = d.rear_x - cd.toe_x;
  for (int i = std::max(d.work.header.ground_top_index, 0); i + 1 < d.land.count; ++i) {
    const LandWorkLayer& r = d.work.land[i];
    const engine::ActiveLayerResult& a = d.work.active[i];
    if (!(r.phi > 0.0) || cd.liquefied_vertical_rule == 2) continue;
    if (cd.liquefied_vertical_rule == 1 && r.liquefied == 1 &&
        !(a.liquefied_top <= a.unliquefied_top && a.liquefied_bottom <= a.unliquefied_bottom))
      continue;
    add_trapezoid(a.vertical_top, a.vertical_bottom, land_top(i), land_top(i + 1), true,
                  position);
  }
}

void build_passive_vertical_items(const ConditionData& cd) {
  start_load_table(cd.current_case);
  EarthPressureData& d = run_data();
  // The front face of the improved body, measured from the toe.
  const double position = d.front_x - cd.toe_x;
  for (int i = std::max(d.work.header.seabed_index, 0); i + 1 < d.sea.count; ++i) {
    if (!(d.work.sea[i].phi > 0.0)) continue;
    add_trapezoid(d.work.passive[i].vertical_top, d.work.passive[i].vertical_bottom, sea_top(i),
                  sea_top(i + 1), true, position);
  }
}

void build_residual_water_items(const ConditionData& cd) {
  start_load_table(cd.current_case);
  EarthPressureData& d = run_data();
  const double rwl = cd.water_levels[2];
  const double L = residual_water_front_level(cd);
  const double pw = d.work.summary.residual_water_intensity;
  const int gti = d.work.header.ground_top_index;
  if (gti < 0 || rwl > land_top(gti)) {
    d.work.summary.residual_water_intensity = 0.0;
    return;
  }
  add_trapezoid(0.0, pw, rwl, L, false, cd.toe_y);
  add_trapezoid(pw, pw, L, land_top(d.land.count - 1), false, cd.toe_y);
}

void external_force_moments(const ConditionData& cd) {
  EarthPressureData& d = run_data();
  const int c = cd.current_case;
  engine::PressureSummaryBlock& s = d.work.summary;
  s.ext_horizontal_sum[c] = s.ext_horizontal_moment_sum[c] = 0;
  s.ext_vertical_sum[c] = s.ext_vertical_moment_sum[c] = 0;
  const int n = std::clamp(cd.external_force_counts[c], 0,
                           std::min(engine::FORCE_ARMS, engine::EXTERNAL_FORCES_PER_CASE));
  for (int k = 0; k < n; ++k) {
    const engine::ExternalForce& f = cd.external_forces[c][k];
    engine::ExternalForceArm& arm = d.work.arms[k];
    s.ext_horizontal_arm[c] = f.y - cd.toe_y;
    arm.horizontal_arm = s.ext_horizontal_arm[c];
    arm.horizontal_moment = f.horizontal * arm.horizontal_arm;
    s.ext_horizontal_sum[c] += f.horizontal;
    s.ext_horizontal_moment_sum[c] += round_to_decimals(f.horizontal * arm.horizontal_arm, 3);
    s.ext_vertical_arm[c] = f.x - cd.toe_x;
    arm.vertical_arm = s.ext_vertical_arm[c];
    arm.vertical_moment = f.vertical * arm.vertical_arm;
    s.ext_vertical_sum[c] += f.vertical;
    s.ext_vertical_moment_sum[c] += round_to_decimals(f.vertical * arm.vertical_arm, 3);
  }
}

}  // namespace qvt::vaskude
