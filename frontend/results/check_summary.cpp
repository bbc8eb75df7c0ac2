#include "frontend/results/check_summary.h"

#include "common/check_summary_format.h"
#include "common/improvement_pattern.h"
#include "common/textfile.h"
#include "frontend/model/display_text.h"

#include <string>

namespace qvt::results {

static_assert(kCheckCount == CHECK_SUMMARY_LINES_PER_CASE);
static_assert(kPulloutItem == CHECK_SUMMARY_PULLOUT_LINE);

bool check_shown(int check, int load_case, int seismic_check, int improvement_pattern) {
  if (check < 0 || check >= kCheckCount || (load_case != 0 && load_case != 1)) return false;
  if (load_case == 1 && seismic_check == 0) return false;
  switch (improvement_pattern) {
    case PATTERN_BLOCK:
      return check <= 4;
    case PATTERN_TANGENT_CIRCLES:
      return check <= 2 || check == kInternalStressItem;
    case PATTERN_LATTICE:
      // A lattice body encloses its unimproved soil in cells, so the engines never run the
      // pull-out check for it: the zeros they leave on that line would read as a passed check.
      return check <= 5;
    default:  // the wall body, and any other, shows every row the table has
      return check <= kPulloutItem;
  }
}

std::optional<CheckResults> read_check_summary(const std::filesystem::path& path) {
  const auto lines = read_lines(path);
  if (!lines || lines->size() < static_cast<std::size_t>(CHECK_SUMMARY_LINES)) return std::nullopt;
  CheckResults results{};
  for (int c = 0; c < 2; ++c)
    for (int k = 0; k < kCheckCount; ++k) {
      const auto line = parse_check_line((*lines)[static_cast<std::size_t>(c * kCheckCount + k)],
                                         k == kPulloutItem);
      if (!line || !check_line_readable(k, *line)) return std::nullopt;
      CheckItem& item = results[c][k];
      item.value = line->value;
      item.limit = line->limit;
      item.from_level = line->from_level;
      item.to_level = line->to_level;
      item.failed = static_cast<std::int16_t>(line->failed);
    }
  return results;
}

CheckRowText check_row(const CheckItem& item, int check) {
  const CheckLine line{item.value, item.from_level, item.to_level, item.limit, item.failed};
  return check_row_text(check, line, [](double v, int decimals) {
    return model::format_pattern(v, decimals > 0 ? "###0." + std::string(static_cast<std::size_t>(decimals), '0')
                                                 : std::string("###0"));
  });
}

}  // namespace qvt::results
