#include "engines/common/check_summary_file.h"

#include "common/cp932.h"
#include "common/textfile.h"

namespace qvt::engine {

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

std::filesystem::path in_folder(const std::filesystem::path& folder) {
  return folder.empty() ? std::filesystem::path(kCheckSummaryFileName)
                        : folder / kCheckSummaryFileName;
}

}  // namespace

Status write_check_summary(const CheckSummary& summary, const std::filesystem::path& folder) {
  const auto lines = format_check_summary(summary);
  if (!lines)
    return fatal_error(cp("計算結果ファイル (CAL_ANZ.DAT) に数値でない値 (非数または無限大) "
                          "を書き込もうとしました。"));
  if (!replace_file_bytes(in_folder(folder), join_crlf(*lines)))
    return fatal_error(cp("計算結果ファイル (CAL_ANZ.DAT) に書き込めません。"));
  return Status::success();
}

Status read_check_summary(CheckSummary& summary, const std::filesystem::path& folder) {
  const auto lines = read_lines(in_folder(folder));
  if (!lines) return fatal_error(cp("計算結果ファイル (CAL_ANZ.DAT) が見つかりません。"));
  const auto parsed = parse_check_summary(*lines);
  if (!parsed) return fatal_error(cp("計算結果ファイル (CAL_ANZ.DAT) が壊れています。"));
  summary = *parsed;
  return Status::success();
}

}  // namespace qvt::engine
