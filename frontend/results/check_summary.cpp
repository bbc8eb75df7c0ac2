#include "frontend/results/check_summary.h"

#include "common/check_summary_format.h"
#include "common/improvement_pattern.h"
#include "common/textfile.h"
#include "frontend/model/display_text.h"

#include <string>

namespace qvt::results {

bool check_shown(int check, int load_case, int seismic_check, int improvement_pattern) {
  if (check < 0 || check >= CHECK_LINE_COUNT || (load_case != 0 && load_case != 1)) return false;
  if (load_case == 1 && seismic_check == 0) return false;
  return check_line_in_pattern(
      check, known_improvement_pattern(improvement_pattern) ? improvement_pattern : PATTERN_WALL);
}

std::optional<CheckResults> read_check_summary(const std::filesystem::path& path) {
  const auto lines = read_lines(path);
  if (!lines || lines->size() < static_cast<std::size_t>(CHECK_SUMMARY_LINES)) return std::nullopt;
  CheckResults results{};
  for (int c = 0; c < 2; ++c)
    for (int k = 0; k < CHECK_LINE_COUNT; ++k) {
      const auto line = parse_check_line((*lines)[static_cast<std::size_t>(c * CHECK_LINE_COUNT + k)],
                                         check_line_row(k).levels);
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
