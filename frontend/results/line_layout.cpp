#include "frontend/results/line_layout.h"

#include "common/items.h"
#include "common/numtext.h"

namespace qvt::results {

std::vector<std::string> without_trailing_blank_lines(std::vector<std::string> lines) {
  while (!lines.empty() && trim_blanks(lines.back()).empty()) lines.pop_back();
  return lines;
}

bool line_numbers(std::string_view line, std::size_t count, double* out) {
  const std::vector<std::string_view> items = line_items(line);
  if (items.size() != count) return false;
  for (std::size_t k = 0; k < count; ++k) {
    const std::optional<double> v = parse_real(items[k]);
    if (!v) return false;
    out[k] = *v;
  }
  return true;
}

}  // namespace qvt::results
