#pragma once
// CAL_ANZ.DAT, the check summary that carries the verdicts of both stability engines to the
// results table. The external stability engine writes it whole with its three lines per case;
// the internal stability engine reads it back, fills in its own lines and writes it again with
// the same writer. Line format: common/check_summary_format.h.
#include "common/check_summary_format.h"
#include "engines/common/engine_entry.h"

#include <filesystem>

namespace qvt::engine {

inline constexpr const char* kCheckSummaryFileName = "CAL_ANZ.DAT";

// Writes the sixteen lines (CR LF) to CAL_ANZ.DAT in `folder` (the current folder when empty),
// replacing the file. A value that is not a finite number, or a file that cannot be written
// whole, stops the engine with a message; the previous file then stays as it was.
[[nodiscard]] Status write_check_summary(const CheckSummary& summary,
                                         const std::filesystem::path& folder = {});

// Reads the file back. A missing file, or one that does not hold the sixteen lines, stops the
// engine with a message naming it.
[[nodiscard]] Status read_check_summary(CheckSummary& summary,
                                        const std::filesystem::path& folder = {});

}  // namespace qvt::engine
