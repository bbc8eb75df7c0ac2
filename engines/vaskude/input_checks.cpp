#include "engines/common/message_table.h"
#include "engines/vaskude/vaskude.h"
#include "engines/vaskude/vaskude_data.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "common/cp932.h"

namespace qvt::vaskude {

using engine::ConditionData;
using engine::show_error;

bool surcharge_range_in_use(const engine::SurchargeRange& r) {
  // Truncation as an integer; values too large for one count as in use.
  auto nonzero = [](double v) { return !(std::fabs(v * 100.0) < 1.0); };
  return nonzero(r.x_min) || nonzero(r.x_max);
}

int check_surcharge_overlap(const ConditionData& cd) {
  if (cd.surface_shape != 1) return 0;
  for (int k = 1; k < engine::MAX_SURCHARGE_RANGES; ++k) {
    if (!surcharge_range_in_use(cd.surcharge_ranges[k])) continue;
    for (int j = 0; j < k; ++j)
      if (cd.surcharge_ranges[k].x_min < cd.surcharge_ranges[j].x_max) show_error(28);
  }
  return 0;
}

namespace {
int input_count(const ConditionData& cd, int side) {
  return std::clamp(cd.soil_layer_counts[side], 0, engine::SOIL_LAYER_RECORDS);
}
}  // namespace

int check_layers_and_fill(const ConditionData& cd) {
  EarthPressureData& d = run_data();
  d.fill_layer_count = 0;
  for (const engine::EmbankmentLayer& e : cd.embankment_layers)
    if (e.unit_weight_air != 0.0 && e.unit_weight_submerged != 0.0) ++d.fill_layer_count;
  const int codes[2] = {18, 17};  // [side]: sea, land
  for (int side : {SIDE_LAND, SIDE_SEA}) {
    const int n = input_count(cd, side);
    for (int i = 0; i + 1 < n; ++i)
      if (cd.soil_layers[side][i].top_level <= cd.soil_layers[side][i + 1].top_level)
        show_error(codes[side]);
  }
  if (cd.surface_shape != 1) return 0;
  const int points = std::clamp(cd.surface_point_count, 0, engine::MAX_SURFACE_POINTS);
  bool uneven = false;
  for (int p = 0; p < points; ++p)
    if (std::fabs(cd.surface_points[p].y - cd.surface_points[0].y) >= 0.0001) uneven = true;
  const int F = d.fill_layer_count;
  if (uneven) {
    if (F == 0) show_error(64);
    const double ground_top = cd.soil_layers[SIDE_LAND][0].top_level;
    for (int k = 0; k < F; ++k)
      if (cd.embankment_layers[k].top_level <= ground_top) show_error(26);
    for (int k = 0; k + 1 < F; ++k)
      if (cd.embankment_layers[k].top_level <= cd.embankment_layers[k + 1].top_level)
        show_error(27);
    for (int p = 0; p < points; ++p)
      if (cd.embankment_layers[0].top_level < cd.surface_points[p].y) show_error(66);
  } else if (F > 0) {
    show_error(65);
  }
  return 0;
}

std::string residual_water_level_text(double rwl, double ground_top) {
  char text[256];
  std::snprintf(text, sizeof text,
                "(ERROR)-残留水位 R.W.L.(%.3f)が背面の地表面天端(%.3f)より高くなっています.\n"
                "残留水圧が計算できません.残留水位は地表面天端以下にして下さい.",
                rwl, ground_top);
  return utf8_to_cp932_lossy(text);
}

int check_residual_water_level(const ConditionData& cd) {
  if (input_count(cd, SIDE_LAND) < 1) return 0;
  const double rwl = cd.water_levels[2];
  const double ground_top = cd.soil_layers[SIDE_LAND][0].top_level;
  if (rwl > ground_top) show_error(-1, residual_water_level_text(rwl, ground_top));
  return 0;
}

}  // namespace qvt::vaskude
