#pragma once
// The line format of the check summary CAL_ANZ.DAT, shared by the stability engines, which write
// it and read it back, and the front end's results table, which only reads it. Per load case
// eight lines (case 0, then case 1): a check line "%lf,%lf,%d" (value, limit, failed flag), and
// as the seventh line of a case the pull-out line "%lf,%lf,%lf,%lf,%d" (safety factor, from
// level, to level, required factor, failed flag). Lines end in CR LF.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvt {

inline constexpr int CHECK_SUMMARY_LINES_PER_CASE = 8;
inline constexpr int CHECK_SUMMARY_LINES = 2 * CHECK_SUMMARY_LINES_PER_CASE;
// Index of the pull-out line within a case, the one with five items.
inline constexpr int CHECK_SUMMARY_PULLOUT_LINE = 6;

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

// The check summary as the stability engines hold it, per case (index 0 normal, 1 seismic).
//   values: 0 sliding_fs, 1 overturning_fs, 2 max_reaction, 3 toe_stress, 4 shear_stress,
//           5 short_wall_shear_stress, 6 pullout_fs, 7 pullout_from_level,
//           8 pullout_to_level, 9 internal_stress
//   limits: 0 required_sliding_fs, 1 required_overturning_fs, 2 allowable_bearing,
//           3 allowable_compressive_stress, 4 allowable_shear_stress (lines 5 and 6),
//           5 required_pullout_fs, 6 internal_stress_limit
//   failed: one flag per line of the case, 1 when that check failed
enum CheckValueIndex : int {
  CV_SLIDING_FS = 0,
  CV_OVERTURNING_FS = 1,
  CV_MAX_REACTION = 2,
  CV_TOE_STRESS = 3,
  CV_SHEAR_STRESS = 4,
  CV_SHORT_WALL_SHEAR_STRESS = 5,
  CV_PULLOUT_FS = 6,
  CV_PULLOUT_FROM_LEVEL = 7,
  CV_PULLOUT_TO_LEVEL = 8,
  CV_INTERNAL_STRESS = 9,
};
enum CheckLimitIndex : int {
  CL_REQUIRED_SLIDING_FS = 0,
  CL_REQUIRED_OVERTURNING_FS = 1,
  CL_ALLOWABLE_BEARING = 2,
  CL_ALLOWABLE_COMPRESSIVE_STRESS = 3,
  CL_ALLOWABLE_SHEAR_STRESS = 4,
  CL_REQUIRED_PULLOUT_FS = 5,
  CL_INTERNAL_STRESS_LIMIT = 6,
};
struct CheckSummary {
  std::array<std::array<double, 10>, 2> values{};
  std::array<std::array<double, 7>, 2> limits{};
  std::array<std::array<std::int32_t, 8>, 2> failed{};
};

// Line k (0..7) of a case as the summary gives it, and the summary entries a read line sets.
CheckLine check_summary_line(const CheckSummary& summary, int load_case, int k);
void set_check_summary_line(CheckSummary& summary, int load_case, int k, const CheckLine& line);

// The sixteen lines without line ends; nullopt when a number is not finite.
std::optional<std::vector<std::string>> format_check_summary(const CheckSummary& summary);

// The summary from the first sixteen lines (later lines are ignored); nullopt when there are
// fewer, a line does not hold its items, or a line cannot be taken (check_line_readable,
// common/check_verdict.h: a failed flag other than 0 or 1, a limit no check can have, a pass on
// numbers that do not satisfy its check). Lines 5 and 6 of a case both carry the allowable
// shear stress; the one of line 6 is kept, as the writer wrote the same value on both.
std::optional<CheckSummary> parse_check_summary(const std::vector<std::string>& lines);

}  // namespace qvt
