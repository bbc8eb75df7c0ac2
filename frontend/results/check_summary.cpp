#include "frontend/results/check_summary.h"

#include "common/check_summary_format.h"
#include "common/textfile.h"
#include "frontend/model/display_text.h"

#include <string>

namespace qvt::results {

static_assert(kCheckCount == CHECK_SUMMARY_LINES_PER_CASE);
static_assert(kPulloutItem == CHECK_SUMMARY_PULLOUT_LINE);

std::optional<CheckResults> read_check_summary(const std::filesystem::path& path) {
  const auto lines = read_lines(path);
  if (!lines || lines->size() < static_cast<std::size_t>(CHECK_SUMMARY_LINES)) return std::nullopt;
  CheckResults results{};
  for (int c = 0; c < 2; ++c)
    for (int k = 0; k < kCheckCount; ++k) {
      const auto line = parse_check_line((*lines)[static_cast<std::size_t>(c * kCheckCount + k)],
                                         k == kPulloutItem);
      // The table keeps a flag in 16 bits, as the results dialog always has.
      if (!line || line->failed < -32768 || line->failed > 32767 ||
          !check_line_consistent(k, *line))
        return std::nullopt;
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
