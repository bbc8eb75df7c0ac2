#pragma once
// CAL_ANZ.DAT, the check summary that carries the verdicts of both stability engines to the
// results table. The external stability engine writes it whole with its three lines per case;
// the internal stability engine reads it back, fills in its own lines and writes it again with
// the same writer. Line format: common/check_summary_format.h.
#include "common/check_summary_format.h"
#include "engines/common/engine_entry.h"

#include <filesystem>
#include <span>
#include <vector>

namespace qvt::engine {

inline constexpr const char* kCheckSummaryFileName = "CAL_ANZ.DAT";

// Writes the sixteen lines (CR LF) to CAL_ANZ.DAT in `folder` (the current folder when empty),
// replacing the file. A value that is not a finite number, or a file that cannot be written
// whole, stops the engine with a message; the previous file then stays as it was.
[[nodiscard]] Status write_check_summary(const CheckSummary& summary,
                                         const std::filesystem::path& folder = {});

// Reads the file back. A missing file, one that does not hold the sixteen lines, or a line that
// passes on numbers that do not satisfy its check, stops the engine with a message naming it.
[[nodiscard]] Status read_check_summary(CheckSummary& summary,
                                        const std::filesystem::path& folder = {});

// The lines (0..7 within a case) of the checks an improvement pattern has, in the file's order
// (check_line_in_pattern, common/check_lines.h). An unknown pattern has the lines every pattern
// has: sliding, overturning and bearing.
std::vector<int> check_lines_of_pattern(int improvement_pattern);

// The last word before a summary is written: on the given lines of the first `case_count`
// cases, a value that is not a finite number becomes 0 and fails, a check that would pass
// against a limit not above 0 (or not finite) fails, a limit outside the range its check can
// have (check_limit_sound, common/check_verdict.h) becomes 0 and fails, and so does a pass on a
// reaction or stress below 0, or whose numbers, as written, do not satisfy the check
// (check_line_consistent). Each such line shows a message naming the check and the case; the
// run goes on. A limit below 0 on a line failed already becomes 0 without a message. So the
// file never holds a line its readers refuse. Returns the number of lines it failed.
int guard_check_summary(CheckSummary& summary, int case_count, std::span<const int> lines);

}  // namespace qvt::engine
