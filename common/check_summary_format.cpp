#include "common/check_summary_format.h"

#include "common/numtext.h"

#include <climits>
#include <cmath>
#include <cstdio>

namespace qvt {

namespace {

std::string lf(double v) {
  char buf[512];
  std::snprintf(buf, sizeof buf, "%lf", v);
  return buf;
}

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

}  // namespace

std::optional<std::string> format_check_line(const CheckLine& line, bool pullout) {
  const double numbers[] = {line.value, line.from_level, line.to_level, line.limit};
  for (double v : numbers)
    if (!std::isfinite(v)) return std::nullopt;
  std::string s = lf(line.value) + ",";
  if (pullout) s += lf(line.from_level) + "," + lf(line.to_level) + ",";
  s += lf(line.limit) + "," + std::to_string(line.failed);
  return s;
}

std::optional<CheckLine> parse_check_line(std::string_view text, bool pullout) {
  const auto items = split_commas(text);
  if (items.size() != (pullout ? 5u : 3u)) return std::nullopt;
  double numbers[4] = {};
  for (std::size_t i = 0; i + 1 < items.size(); ++i) {
    const auto v = parse_real(items[i]);
    if (!v) return std::nullopt;
    numbers[i] = *v;
  }
  const auto flag = parse_integer(items.back(), INT32_MIN, INT32_MAX);
  if (!flag) return std::nullopt;
  CheckLine line;
  line.value = numbers[0];
  if (pullout) {
    line.from_level = numbers[1];
    line.to_level = numbers[2];
    line.limit = numbers[3];
  } else {
    line.limit = numbers[1];
  }
  line.failed = static_cast<std::int32_t>(*flag);
  return line;
}

CheckLine check_summary_line(const CheckSummary& s, int c, int k) {
  const CheckLineRow& row = check_line_row(k);
  CheckLine line;
  line.value = s.values[c][row.value_slot];
  line.limit = s.limits[c][row.limit_slot];
  line.failed = s.failed[c][k];
  if (row.levels) {
    line.from_level = s.values[c][CV_PULLOUT_FROM_LEVEL];
    line.to_level = s.values[c][CV_PULLOUT_TO_LEVEL];
  }
  return line;
}

void set_check_summary_line(CheckSummary& s, int c, int k, const CheckLine& line) {
  const CheckLineRow& row = check_line_row(k);
  s.values[c][row.value_slot] = line.value;
  s.limits[c][row.limit_slot] = line.limit;
  s.failed[c][k] = line.failed;
  if (row.levels) {
    s.values[c][CV_PULLOUT_FROM_LEVEL] = line.from_level;
    s.values[c][CV_PULLOUT_TO_LEVEL] = line.to_level;
  }
}

std::optional<std::vector<std::string>> format_check_summary(const CheckSummary& summary) {
  std::vector<std::string> lines;
  for (int c = 0; c < 2; ++c)
    for (int k = 0; k < CHECK_LINE_COUNT; ++k) {
      auto text = format_check_line(check_summary_line(summary, c, k), check_line_row(k).levels);
      if (!text) return std::nullopt;
      lines.push_back(std::move(*text));
    }
  return lines;
}

}  // namespace qvt
