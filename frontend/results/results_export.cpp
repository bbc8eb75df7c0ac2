#include "frontend/results/results_export.h"

#include "common/check_lines.h"
#include "common/cp932.h"
#include "common/textfile.h"
#include "frontend/model/display_text.h"

#include <system_error>

namespace qvt::results {

namespace {

// The flag as a number with the place of its sign: " 0 ", " 1 ", "-1 ".
std::string flag_text(int flag) {
  const std::string digits = std::to_string(flag);
  return (flag < 0 ? digits : " " + digits) + " ";
}

}  // namespace

std::string proposed_export_name(const std::string& project_base_path) {
  return (project_base_path.empty() ? std::string("無題") : project_base_path) + ".txt";
}

std::string results_export_block(const CheckResults& results, int seismic_check,
                                 int improvement_pattern) {
  std::string utf8;
  for (int c = 0; c < 2; ++c) {
    utf8 += c == 0 ? "\"常時\"\r\n" : "\"地震時\"\r\n";
    for (int i = 0; i < CHECK_LINE_COUNT; ++i) {
      const CheckItem& item = results[c][i];
      if (!check_shown(i, c, seismic_check, improvement_pattern)) {
        utf8 += std::string("\"") + check_line_row(i).export_label + "\",－,－,－" +
                (check_line_row(i).levels ? ",－～－" : "") + "\r\n";
        continue;
      }
      // What could not be computed reads "－", as in the table. A number is written with its
      // sign (a shear of -11.412 as -11.412): the export shows no relation to be read wrongly.
      const CheckRowText row = check_row(item, i);
      const std::string value = row.value == "－" ? row.value : model::format_pattern(item.value, "0.000");
      utf8 += std::string("\"") + check_line_row(i).export_label + "\"," + value + "," + row.limit + "," +
              flag_text(item.failed);
      // A factor that was not computed has no levels either.
      if (check_line_row(i).levels)
        utf8 += row.value == "－" ? std::string(",－～－")
                                 : "," + model::format_pattern(item.from_level, "0.000") + "m～" +
                                       model::format_pattern(item.to_level, "0.000") + "m";
      utf8 += "\r\n";
    }
  }
  return utf8_to_cp932_lossy(utf8);
}

ExportError export_results(const std::filesystem::path& work_folder,
                           const std::filesystem::path& target, const CheckResults& results,
                           int seismic_check, int improvement_pattern) {
  const std::filesystem::path listing = work_folder / kForceListingFile;
  std::error_code ec;
  if (std::filesystem::equivalent(listing, target, ec)) return ExportError::target_is_listing;
  const std::optional<std::vector<std::string>> lines = read_lines(listing);
  if (!lines) return ExportError::listing_unreadable;
  std::string bytes =
      join_crlf(*lines) + results_export_block(results, seismic_check, improvement_pattern);
  if (!replace_file_bytes(target, bytes)) return ExportError::target_unwritable;
  return ExportError::none;
}

std::string export_failure_text(ExportError error, const std::filesystem::path& target) {
  switch (error) {
    case ExportError::none:
      return {};
    case ExportError::listing_unreadable:
      return std::string("ファイル(") + kForceListingFile + ")が読み込めません。";
    case ExportError::target_is_listing:
      return std::string("計算結果ﾌｧｲﾙ(") + kForceListingFile + ")には保存できません。";
    case ExportError::target_unwritable:
      return "ファイル(" + target.string() + ")に保存できません。";
  }
  return {};
}

}  // namespace qvt::results
