#pragma once
// The line format of the check summary CAL_ANZ.DAT, shared by the stability engines, which write
// it and read it back, and the front end's results table, which only reads it. Per load case
// eight lines (case 0, then case 1): a check line "%lf,%lf,%d" (value, limit, failed flag), and
// as the seventh line of a case the pull-out line "%lf,%lf,%lf,%lf,%d" (safety factor, from
// level, to level, required factor, failed flag). Lines end in CR LF.
#include "common/check_lines.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvt {

// The lines of a case are the check lines (common/check_lines.h).
inline constexpr int CHECK_SUMMARY_LINES = 2 * CHECK_LINE_COUNT;

// One line's items; the levels are 0 on a line of three items.
struct CheckLine {
  double value = 0;
  double from_level = 0;
  double to_level = 0;
  double limit = 0;
  std::int32_t failed = 0;
};

// The text of a line, without its line end: numbers as "%lf", the flag as "%d". Nullopt when a
// number is not finite, so "inf" or "nan" never reaches the file.
std::optional<std::string> format_check_line(const CheckLine& line, bool pullout);

// The items of a line: exactly three (five for the pull-out line), the numbers finite, the flag
// a whole number within 32 bits. Blanks around an item are allowed.
std::optional<CheckLine> parse_check_line(std::string_view text, bool pullout);

// The check summary as the stability engines hold it, per case (index 0 normal, 1 seismic):
// the values and limits in the slots the check lines name (CheckValueIndex, CheckLimitIndex of
// common/check_lines.h), and one failed flag per line of the case, 1 when that check failed.
struct CheckSummary {
  std::array<std::array<double, CHECK_VALUE_SLOTS>, 2> values{};
  std::array<std::array<double, CHECK_LIMIT_SLOTS>, 2> limits{};
  std::array<std::array<std::int32_t, CHECK_LINE_COUNT>, 2> failed{};
};

// Line k (0..7) of a case as the summary gives it, and the summary entries a read line sets.
CheckLine check_summary_line(const CheckSummary& summary, int load_case, int k);
void set_check_summary_line(CheckSummary& summary, int load_case, int k, const CheckLine& line);

// The sixteen lines without line ends; nullopt when a number is not finite.
std::optional<std::vector<std::string>> format_check_summary(const CheckSummary& summary);

// The summary read back from its lines: parse_check_summary, common/check_verdict.h, which
// refuses a line that passes on numbers its check does not pass.

}  // namespace qvt
