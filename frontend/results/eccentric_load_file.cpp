#include "frontend/results/eccentric_load_file.h"

#include "common/items.h"
#include "common/textfile.h"
#include "frontend/model/block_geometry.h"

#include <cmath>

namespace qvt::results {

std::optional<EccentricLoad> read_eccentric_load_file(const std::filesystem::path& path,
                                                      int seismic_check,
                                                      bool with_max_reaction) {
  std::optional<std::vector<std::string>> lines = read_lines(path);
  if (!lines || lines->empty()) return std::nullopt;
  EccentricLoad f;
  // Line 1 on its own, so a missing title never takes the next line for it.
  ItemReader stamp({lines->front()});
  for (std::int16_t& v : f.stamp_date)
    if (!stamp.next_i16(v)) return std::nullopt;
  for (std::int16_t& v : f.stamp_time)
    if (!stamp.next_i16(v)) return std::nullopt;
  if (!stamp.next_line(f.project_title)) f.project_title.clear();
  lines->erase(lines->begin());
  ItemReader items(std::move(*lines));
  auto pair = [&](std::array<double, 2>& p) {
    return items.next_real(p[0]) && items.next_real(p[1]);
  };
  if (!pair(f.vertical_force) || !pair(f.horizontal_force) || !pair(f.resisting_moment) ||
      !items.next_real(f.body_width) || !pair(f.eccentricity) || !pair(f.eccentricity_ratio) ||
      !items.next_real(f.strength_gradient) || !items.next_real(f.base_cohesion) ||
      !items.next_real(f.bearing_unit_weight) || !items.next_real(f.overburden))
    return std::nullopt;
  if (with_max_reaction && !pair(f.max_reaction)) return std::nullopt;
  for (double v : {f.vertical_force[0], f.vertical_force[1], f.horizontal_force[0],
                   f.horizontal_force[1], f.resisting_moment[0], f.resisting_moment[1],
                   f.body_width, f.eccentricity[0], f.eccentricity[1], f.eccentricity_ratio[0],
                   f.eccentricity_ratio[1], f.strength_gradient, f.base_cohesion,
                   f.bearing_unit_weight, f.overburden, f.max_reaction[0], f.max_reaction[1]})
    if (!(std::fabs(v) <= kLargestMagnitude)) return std::nullopt;
  if (!(f.body_width >= kMinimumBodyWidth)) return std::nullopt;
  const int cases = seismic_check != 0 ? 2 : 1;
  for (int c = 0; c < cases; ++c) {
    if (!(f.vertical_force[c] >= kMinimumVerticalForce) || f.eccentricity[c] < 0.0 ||
        f.eccentricity_ratio[c] < 0.0)
      return std::nullopt;
  }
  return f;
}

double shown_eccentricity_ratio(const EccentricLoad& f, int c) {
  return model::round_in_units(f.eccentricity[c] * 2 / f.body_width, 0.001, 0);
}

bool resultant_outside_base(const EccentricLoad& f, int c) {
  return f.eccentricity_ratio[c] > 1.0 || shown_eccentricity_ratio(f, c) > 1.0;
}

std::string resultant_outside_message(int c) {
  return std::string(c == 0 ? "常時" : "地震時") +
         "の合力は改良体の底面の外にあります（2e/B ＞ 1）。底面で支えられないのでＯＵＴです。";
}

}  // namespace qvt::results
