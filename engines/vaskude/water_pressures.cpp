// Residual water pressure behind the wall and the liquefied-layer pressures of the seismic case:
// a static part (overburden and surcharge times the liquefied pressure coefficient) and the
// dynamic part 7/8 k γ √(H y), on the sea side with the same form for the water.
#include "engines/common/pressure_helpers.h"
#include "engines/vaskude/pressure_formulas.h"
#include "engines/vaskude/pressure_steps.h"

#include <algorithm>
#include <cmath>

namespace qvt::vaskude {

using engine::round_to_decimals;

double residual_water_front_level(const ConditionData& cd) {
  const EarthPressureData& d = run_data();
  const double lowest = d.land.count > 0 ? d.land.rec[d.land.count - 1].top_level : 0.0;
  return cd.water_levels[1] < lowest ? lowest : cd.water_levels[1];
}

void residual_water_pressure(const ConditionData& cd) {
  EarthPressureData& d = run_data();
  const double rwl = cd.water_levels[2];
  const double L = residual_water_front_level(cd);
  const double pw = round_to_decimals((rwl - L) * cd.water_unit_weight, 3);
  d.work.summary.residual_water_intensity = pw;
  const int ri = d.work.header.rwl_index;
  if (ri < 0 || ri >= d.land.count) return;
  const double R = d.land.rec[ri].top_level;
  for (int i = ri; i + 1 < d.land.count; ++i) {
    engine::ActiveLayerResult& a = d.work.active[i];
    const double top = d.land.rec[i].top_level;
    const double bottom = d.land.rec[i + 1].top_level;
    double v = top < rwl ? pw : 0.0;
    if (L < top) v = v * (R - top) / (R - L);
    a.water_top = round_to_decimals(v, 3);
    v = pw;
    if (L < bottom) v = pw * (R - bottom) / (R - L);
    a.water_bottom = round_to_decimals(v, 3);
  }
}

void liquefaction_depths(LiquefactionWork& a, double h) {
  const int first = std::max(a.start_index, 0);
  const int end = std::min(a.end_index, LAYER_RECORDS);
  int f = -1, l = -1;
  for (int i = first; i < end; ++i)
    if (a.liquefied[i] == 1) {
      f = i;
      break;
    }
  for (int i = end - 1; i >= first; --i)
    if (a.liquefied[i] == 1) {
      l = i;
      break;
    }
  if (f < 0 || l < 0) f = l = 0;
  a.zone_depth = h - a.levels[l][1];
  a.zone_thickness = a.levels[f][0] - a.levels[l][1];
  for (int i = f; i <= l; ++i) {
    if (a.liquefied[i] != 1) continue;
    a.depth_below_water[i][0] = h - a.levels[i][0];
    a.depth_below_water[i][1] = h - a.levels[i][1];
    a.depth_in_zone[i][0] = a.levels[f][0] - a.levels[i][0];
    a.depth_in_zone[i][1] = a.levels[f][0] - a.levels[i][1];
  }
}

void liquefied_pressure(LiquefactionWork& a) {
  const int first = std::max(a.start_index, 0);
  const int end = std::min(a.end_index, LAYER_RECORDS);
  // A product below zero belongs to a point above the zone or above the water level: there is
  // no dynamic term there, never the root of a negative number.
  auto root = [](double v) { return v > 0.0 ? std::sqrt(v) : 0.0; };
  for (int i = first; i < end; ++i) {
    for (int e = 0; e < 2; ++e) {
      const double k = a.seismic_coef[i];
      a.static_pressure[i][e] = (a.overburden[i][e] + a.surcharge[i][e]) * a.pressure_coef[i];
      const double soil = root(a.zone_thickness * a.depth_in_zone[i][e]);
      if (a.side == 0) {
        a.dynamic_pressure[i][e] = 0.875 * k * a.slurry_unit_weight[i] * soil;
        a.liquefied_pressure[i][e] =
            round_to_decimals(a.static_pressure[i][e] + a.dynamic_pressure[i][e], 3);
      } else {
        // Water acts only below the water level.
        const double water = a.zone_depth > 0.0 && a.depth_below_water[i][e] > 0.0
                                 ? std::sqrt(a.zone_depth * a.depth_below_water[i][e])
                                 : 0.0;
        a.dynamic_pressure[i][e] =
            round_to_decimals(0.875 * k * a.unit_weight[i] * soil +
                                  0.875 * k * a.water_unit_weight[i] * water,
                              3);
        a.liquefied_pressure[i][e] = round_to_decimals(a.static_pressure[i][e], 3);
      }
    }
  }
}

}  // namespace qvt::vaskude
