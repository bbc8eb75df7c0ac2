#include "frontend/results/eccentric_load_file.h"

#include "common/items.h"
#include "common/textfile.h"

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
  if (!(f.body_width >= kMinimumBodyWidth)) return std::nullopt;
  const int cases = seismic_check != 0 ? 2 : 1;
  for (int c = 0; c < cases; ++c) {
    if (!(f.vertical_force[c] > 0.0) || f.eccentricity[c] < 0.0) return std::nullopt;
    // 2e/B beyond 1 puts the resultant outside the base: no base is left in contact to bear
    // the load, and a damaged number there would be drawn far off the chart.
    if (!(f.eccentricity_ratio[c] >= 0.0 && f.eccentricity_ratio[c] <= 1.0)) return std::nullopt;
  }
  return f;
}

}  // namespace qvt::results
