#include "frontend/model/custom_options.h"

#include "common/items.h"
#include "common/numtext.h"
#include "common/textfile.h"

#include <string>
#include <vector>

namespace qvt::model {

bool read_custom_options(const std::filesystem::path& file, CustomOptions& o) {
  auto lines = read_lines(file);
  if (!lines) return false;
  ItemReader r(std::move(*lines));
  double* reals_head[] = {&o.wall_friction_angle, &o.clay_collapse_angle[0],
                          &o.clay_collapse_angle[1], &o.consolidation_coef_kc,
                          &o.at_rest_coef_k0, &o.surface_dummy_length};
  for (double* v : reals_head)
    if (!r.next_real(*v)) return false;
  std::int16_t* rules[] = {&o.negative_root_rule, &o.toe_confinement_rule, &o.surcharge_method,
                           &o.seismic_rounding,   &o.residual_water_rule,  &o.front_water_rule};
  for (std::int16_t* v : rules)
    if (!r.next_i16(*v)) return false;
  if (!r.next_real(o.pullout_pitch)) return false;
  if (!r.next_i16(o.backfill_vertical_ignored)) return false;
  if (r.at_end()) {
    o.passive_vertical_ignored = 1;
    return true;
  }
  return r.next_i16(o.passive_vertical_ignored);
}

bool write_custom_options(const std::filesystem::path& file, const CustomOptions& o) {
  std::vector<std::string> lines = {
      format_real(o.wall_friction_angle),
      format_real(o.clay_collapse_angle[0]) + "," + format_real(o.clay_collapse_angle[1]),
      format_real(o.consolidation_coef_kc),
      format_real(o.at_rest_coef_k0),
      format_real(o.surface_dummy_length),
      format_int(o.negative_root_rule),
      format_int(o.toe_confinement_rule),
      format_int(o.surcharge_method),
      format_int(o.seismic_rounding),
      format_int(o.residual_water_rule),
      format_int(o.front_water_rule),
      format_real(o.pullout_pitch),
      format_int(o.backfill_vertical_ignored),
      format_int(o.passive_vertical_ignored),
  };
  return replace_file_bytes(file, join_crlf(lines));
}

}  // namespace qvt::model
