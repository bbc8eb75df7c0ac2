#include "frontend/results/check_summary.h"

#include "common/numtext.h"
#include "common/textfile.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::results {

namespace {

std::vector<std::string_view> split_commas(std::string_view line) {
  std::vector<std::string_view> items;
  std::size_t start = 0;
  for (;;) {
    const auto comma = line.find(',', start);
    items.push_back(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return items;
}

std::optional<std::int16_t> parse_flag(std::string_view text) {
  const auto v = parse_real(text);
  if (!v || *v != std::floor(*v) || *v < -32768.0 || *v > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(*v);
}

bool parse_line(std::string_view line, bool pullout, CheckItem& item) {
  const auto items = split_commas(line);
  if (items.size() != (pullout ? 5u : 3u)) return false;
  std::vector<double> numbers;
  for (std::size_t i = 0; i + 1 < items.size(); ++i) {
    const auto v = parse_real(items[i]);
    if (!v) return false;
    numbers.push_back(*v);
  }
  const auto flag = parse_flag(items.back());
  if (!flag) return false;
  item.value = numbers[0];
  if (pullout) {
    item.from_level = numbers[1];
    item.to_level = numbers[2];
    item.limit = numbers[3];
  } else {
    item.limit = numbers[1];
  }
  item.failed = *flag;
  return true;
}

}  // namespace

std::optional<CheckResults> read_check_summary(const std::filesystem::path& path) {
  const auto lines = read_lines(path);
  if (!lines || lines->size() < 2u * kCheckCount) return std::nullopt;
  CheckResults results{};
  for (int c = 0; c < 2; ++c)
    for (int k = 0; k < kCheckCount; ++k)
      if (!parse_line((*lines)[c * kCheckCount + k], k == kPulloutItem, results[c][k]))
        return std::nullopt;
  return results;
}

}  // namespace qvt::results
