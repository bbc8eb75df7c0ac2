#pragma once
// The text export of the results dialog: the engines' force listing CAL_ANS.TXT followed by the
// sixteen check results, for engineers who take the numbers into their own sheets.
#include "frontend/results/check_summary.h"

#include <filesystem>
#include <optional>
#include <string>

namespace qvt::results {

inline constexpr const char* kForceListingFile = "CAL_ANS.TXT";

// The file name the save dialog proposes: the project's base path and ".txt", "無題.txt" while
// the project has no name.
std::string proposed_export_name(const std::string& project_base_path);

// The appended block (CP932, CR LF): "常時", eight result lines, "地震時", eight result lines,
// as the table shows them. A check the table does not show (a case not checked, a check the
// pattern has not) reads "－" in its value, limit and flag places (and its levels): a flag of 0
// there would state a pass that was never made. A value or a limit that was not computed reads
// "－" in its own place, the flag kept.
std::string results_export_block(const CheckResults& results, int seismic_check,
                                 int improvement_pattern);

enum class ExportError { none, listing_unreadable, target_is_listing, target_unwritable };

// Reads CAL_ANS.TXT of the work folder first, then writes the listing and the block to the target
// through a temporary file renamed over it, so a failure leaves the target as it was. The
// listing itself is refused as a target.
ExportError export_results(const std::filesystem::path& work_folder,
                           const std::filesystem::path& target, const CheckResults& results,
                           int seismic_check, int improvement_pattern);

// The warning for a failed export, naming the file concerned (UTF-8); empty for none.
std::string export_failure_text(ExportError error, const std::filesystem::path& target);

}  // namespace qvt::results
