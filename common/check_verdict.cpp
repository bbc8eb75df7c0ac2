#include "common/check_verdict.h"

#include "common/numtext.h"

#include <cmath>

namespace qvt {

namespace {

// The number a text shows; the texts here are always numbers.
double shown(const std::string& text) { return parse_real(text).value_or(0.0); }

}  // namespace

CheckRelation check_relation(int k) { return check_line_row(k).relation; }

bool check_relation_holds(int k, double value, double limit) {
  switch (check_relation(k)) {
    case CheckRelation::factor_at_least:
      return !(value < limit);
    case CheckRelation::stress_at_most:
      return !(value > limit);
    case CheckRelation::magnitude_at_most:
      return !(std::fabs(value) > limit);
  }
  return false;
}

CheckLine written_check_line(const CheckLine& line, bool pullout) {
  const auto text = format_check_line(line, pullout);
  if (!text) return line;
  return parse_check_line(*text, pullout).value_or(line);
}

bool check_value_never_negative(int k) { return check_line_row(k).never_negative; }

bool check_line_consistent(int k, const CheckLine& line) {
  if (line.failed != 0) return true;
  const CheckLine w = written_check_line(line, check_line_row(k).levels);
  return std::isfinite(w.value) && std::isfinite(w.limit) &&
         !(check_value_never_negative(k) && w.value < 0) &&
         check_relation_holds(k, w.value, w.limit);
}

CheckLimitRange check_limit_range(int k) {
  return {CHECK_LIMIT_LEAST, check_line_row(k).limit_most};
}

bool check_limit_sound(int k, double limit) {
  const CheckLimitRange r = check_limit_range(k);
  return limit == 0 || (limit >= r.least && limit <= r.most);
}

bool check_line_readable(int k, const CheckLine& line) {
  return (line.failed == 0 || line.failed == 1) && check_limit_sound(k, line.limit) &&
         check_line_consistent(k, line);
}

std::optional<CheckSummary> parse_check_summary(const std::vector<std::string>& lines) {
  if (lines.size() < static_cast<std::size_t>(CHECK_SUMMARY_LINES)) return std::nullopt;
  CheckSummary summary;
  for (int c = 0; c < 2; ++c)
    for (int k = 0; k < CHECK_LINE_COUNT; ++k) {
      const auto line = parse_check_line(lines[static_cast<std::size_t>(c * CHECK_LINE_COUNT + k)],
                                         check_line_row(k).levels);
      if (!line || !check_line_readable(k, *line)) return std::nullopt;
      set_check_summary_line(summary, c, k, *line);
    }
  return summary;
}

std::string CheckRowText::cell() const {
  return sign.empty() ? value + " " + limit : value + " " + sign + " " + limit;
}

CheckRowText check_row_text(int k, const CheckLine& line, const CheckNumberText& number,
                            int limit_decimals) {
  CheckRowText row;
  row.failed = line.failed != 0;
  const CheckLine w = written_check_line(line, check_line_row(k).levels);
  const bool value_known = !row.failed || (w.value != 0 && std::isfinite(w.value));
  const bool limit_known = !row.failed || (w.limit > 0 && std::isfinite(w.limit));

  const bool magnitude = check_relation(k) == CheckRelation::magnitude_at_most;
  const std::string judged = number(magnitude ? std::fabs(line.value) : line.value, 3);
  if (value_known)
    row.value = magnitude && line.value < 0 ? "|" + number(line.value, 3) + "|" : judged;
  else
    row.value = "－";

  const std::string limit3 = number(line.limit, 3);
  if (limit_known) {
    int d = limit_decimals < 0 ? 0 : limit_decimals > 3 ? 3 : limit_decimals;
    row.limit = number(line.limit, d);
    while (d < 3 && shown(row.limit) != shown(limit3)) row.limit = number(line.limit, ++d);
  } else {
    row.limit = "－";
  }
  if (!value_known || !limit_known) return row;

  const double v = shown(judged), l = shown(limit3);
  const bool internal = k == CHECK_INTERNAL_STRESS;
  if (v == l) {
    if (check_relation(k) == CheckRelation::factor_at_least)
      row.sign = row.failed ? "≦" : "≧";
    else
      row.sign = row.failed ? "≧" : "≦";
  } else if (v < l) {
    row.sign = internal ? "≦" : "＜";
  } else {
    row.sign = internal ? "＞" : "≧";
  }
  return row;
}

}  // namespace qvt
