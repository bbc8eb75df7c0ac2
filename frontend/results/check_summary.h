#pragma once
// The check summary CAL_ANZ.DAT as the results table reads it: per load case eight lines, the
// verdicts of the stability engines. The front end computes no verdict; it only shows it, and
// refuses a file whose verdict contradicts its own numbers.
#include "common/check_verdict.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace qvt::results {

inline constexpr const char* kCheckSummaryFile = "CAL_ANZ.DAT";

struct CheckItem {
  double value = 0.0;
  double limit = 0.0;
  // The pull-out line's levels; 0 on the other lines.
  double from_level = 0.0;
  double to_level = 0.0;
  // The engine's verdict: 1 failed, 0 passed (the reader takes no other).
  std::int16_t failed = 0;
};

// [case][check]: case 0 normal, 1 seismic; checks in the file's order (CheckLineIndex,
// common/check_lines.h).
using CheckResults = std::array<std::array<CheckItem, CHECK_LINE_COUNT>, 2>;

// What a row shows of a check (value, sign, limit; "－" for what was not computed), by the rule
// the engines' summary page follows too (common/check_verdict.h), the numbers in the display
// pattern "###0.000". `check` is the line's index within its case (0 to 7).
CheckRowText check_row(const CheckItem& item, int check);

// Whether the results show check `check` (0 to 7) of `load_case` for a project of
// `improvement_pattern` with `seismic_check`: the seismic case only when the seismic check is
// on, and the checks the pattern's body has (check_line_in_pattern, common/check_lines.h), the
// ones the engines write; a pattern no body has, read from a damaged file, shows the rows of
// the wall body. The results table and its text export both ask here, so they cannot show
// different checks.
bool check_shown(int check, int load_case, int seismic_check, int improvement_pattern);

// Reads the sixteen lines. nullopt when the file is missing, has fewer lines, a line does not
// hold exactly its items as finite numbers, or a line cannot be taken by the rule the engines
// read the file with (check_line_readable: a failed flag other than 0 or 1, a limit no check
// can have, a pass on numbers that do not satisfy its check).
std::optional<CheckResults> read_check_summary(const std::filesystem::path& path);

}  // namespace qvt::results
