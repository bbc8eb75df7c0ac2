#include "frontend/model/custom_options.h"

#include "common/items.h"
#include "common/numtext.h"
#include "common/option_ranges.h"
#include "common/textfile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::model {

namespace {

bool blank(std::string_view line) { return trim_blanks(line).empty(); }

}  // namespace

bool read_custom_options(const std::filesystem::path& file, CustomOptions& o) {
  auto read = read_lines(file);
  if (!read) return false;
  std::vector<std::string> lines = std::move(*read);
  // Empty lines at the end hold nothing; what is left is the layout's 14 lines or, in files
  // written before line 14 existed, 13.
  while (!lines.empty() && blank(lines.back())) lines.pop_back();
  double* reals_head[] = {&o.wall_friction_angle, &o.clay_collapse_angle[0],
                          &o.clay_collapse_angle[1], &o.consolidation_coef_kc,
                          &o.at_rest_coef_k0, &o.surface_dummy_length};
  std::int16_t* rules[] = {&o.negative_root_rule, &o.toe_confinement_rule, &o.surcharge_method,
                           &o.seismic_rounding,   &o.residual_water_rule,  &o.front_water_rule,
                           nullptr,               &o.backfill_vertical_ignored,
                           &o.passive_vertical_ignored};
  // Each line holds exactly the items of its layout, and each value one its option can take;
  // the values are stored in file order as they pass, so a file that fails part way keeps what
  // was read before (the reset relies on that). Without the line layout a missing or repeated
  // line would move every later value into the wrong field.
  int value = 0;  // OptionValue of the next item
  for (std::size_t l = 0; l < lines.size() && l < OPTIONS_FILE_LINES; ++l) {
    const std::vector<std::string_view> items = line_items(lines[l]);
    const std::size_t expected = (l == 1) ? 2 : 1;
    if (items.size() != expected) return false;
    for (std::string_view item : items) {
      const auto which = static_cast<OptionValue>(value);
      if (value < OPTION_NEGATIVE_ROOT_RULE || which == OPTION_PULLOUT_PITCH) {
        const std::optional<double> v = parse_real(item);
        if (!v || !option_in_range(which, *v)) return false;
        *(which == OPTION_PULLOUT_PITCH ? &o.pullout_pitch : reals_head[value]) = *v;
      } else {
        const std::optional<std::int16_t> v = parse_i16(item);
        if (!v || !option_in_range(which, *v)) return false;
        *rules[value - OPTION_NEGATIVE_ROOT_RULE] = *v;
      }
      ++value;
    }
  }
  if (lines.size() == OPTIONS_FILE_LINES_OLD) {
    o.passive_vertical_ignored = 1;
    return true;
  }
  return lines.size() == OPTIONS_FILE_LINES;
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
