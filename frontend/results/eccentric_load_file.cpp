#include "frontend/results/eccentric_load_file.h"

#include "common/items.h"
#include "common/textfile.h"
#include "frontend/model/block_geometry.h"
#include "frontend/results/line_layout.h"

#include <cmath>

namespace qvt::results {

namespace {

// The tolerance of 2e/B against e and B as the file writes them: the engine rounds 2e/B to
// 0.001 (up from 0.499 of a unit, so at most 0.000501 off), and e and B, written with six
// decimals, move 2e/B by at most 1e-6 (1 + |e|/B) / B.
bool ratio_as_written(double e, double b, double ratio) {
  const double tolerance = 0.000501 + 1e-6 * (1.0 + std::fabs(e) / b) / b + 1e-12;
  return std::fabs(ratio - 2.0 * e / b) <= tolerance;
}

}  // namespace

std::optional<EccentricLoad> read_eccentric_load_file(const std::filesystem::path& path,
                                                      int seismic_check,
                                                      bool with_max_reaction) {
  std::optional<std::vector<std::string>> read = read_lines(path);
  if (!read) return std::nullopt;
  const std::vector<std::string> lines = without_trailing_blank_lines(std::move(*read));
  if (lines.size() != kEccentricLoadLines) return std::nullopt;
  EccentricLoad f;
  // Line 1 on its own: six whole numbers, then the title as the rest of the line.
  ItemReader stamp({lines.front()});
  for (std::int16_t& v : f.stamp_date)
    if (!stamp.next_i16(v)) return std::nullopt;
  for (std::int16_t& v : f.stamp_time)
    if (!stamp.next_i16(v)) return std::nullopt;
  if (!stamp.next_line(f.project_title)) f.project_title.clear();
  // Lines 2 to 12, each with the count of numbers its layout gives: a pair (normal, seismic)
  // or one value.
  double* const targets[] = {f.vertical_force.data(),   f.horizontal_force.data(),
                             f.resisting_moment.data(), &f.body_width,
                             f.eccentricity.data(),     f.eccentricity_ratio.data(),
                             &f.strength_gradient,      &f.base_cohesion,
                             &f.bearing_unit_weight,    &f.overburden,
                             f.max_reaction.data()};
  const std::size_t counts[] = {2, 2, 2, 1, 2, 2, 1, 1, 1, 1, 2};
  for (std::size_t l = 1; l < kEccentricLoadLines; ++l)
    if (!line_numbers(lines[l], counts[l - 1], targets[l - 1])) return std::nullopt;
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
    if (!ratio_as_written(f.eccentricity[c], f.body_width, f.eccentricity_ratio[c]))
      return std::nullopt;
    if (with_max_reaction && f.max_reaction[c] < 0.0) return std::nullopt;
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
