#include "engines/common/check_summary_file.h"

#include "common/check_verdict.h"
#include "common/cp932.h"
#include "common/textfile.h"
#include "engines/common/print_data.h"

#include <cmath>

namespace qvt::engine {

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

std::filesystem::path in_folder(const std::filesystem::path& folder) {
  return folder.empty() ? std::filesystem::path(kCheckSummaryFileName)
                        : folder / kCheckSummaryFileName;
}

void guard_message(int load_case, int k, const char* reason_utf8) {
  const std::string text = cp(check_line_row(k).message_name) + std::string(case_label(load_case)) +
                           cp("：") + cp(reason_utf8) +
                           cp("\nこの検討は満足しない (OUT) ものとして扱います。");
  engine_message(MessageKind::Error, std::string(kErrorTitle), text);
}

}  // namespace

std::vector<int> check_lines_of_pattern(int pattern) {
  std::vector<int> lines;
  for (int k = 0; k < CHECK_LINE_COUNT; ++k)
    if (check_line_in_pattern(k, pattern)) lines.push_back(k);
  return lines;
}

int guard_check_summary(CheckSummary& summary, int case_count, std::span<const int> lines) {
  int failed = 0;
  for (int c = 0; c < case_count && c < 2; ++c)
    for (int k : lines) {
      if (k < 0 || k >= CHECK_LINE_COUNT) continue;
      CheckLine line = check_summary_line(summary, c, k);
      const char* reason = nullptr;
      if (!std::isfinite(line.value) || !std::isfinite(line.from_level) ||
          !std::isfinite(line.to_level) || !std::isfinite(line.limit)) {
        reason = "値が数値になりません (非数または無限大)。";
        if (!std::isfinite(line.value)) line.value = 0;
        if (!std::isfinite(line.from_level)) line.from_level = 0;
        if (!std::isfinite(line.to_level)) line.to_level = 0;
      } else if (line.failed == 0 && !(line.limit > 0)) {
        reason = "比較する許容値または所要安全率が 0 以下です。";
      } else if (line.limit > 0 && !check_limit_sound(k, line.limit)) {
        reason = "比較する許容値または所要安全率が取り得る範囲にありません。";
      } else if (line.failed == 0 && check_value_never_negative(k) &&
                 written_check_line(line, false).value < 0) {
        reason = "地盤反力または応力度が 0 未満です。";
      } else if (!check_line_consistent(k, line)) {
        reason = "値と許容値 (所要安全率) が満足 (O.K.) の条件を満たしていません。";
      }
      // A limit no reader takes (check_limit_sound) is written as 0, "not computed": a bearing
      // capacity the formula gave below 0 on a line failed already, or one of the reasons above.
      if (!check_limit_sound(k, line.limit)) {
        line.limit = 0;
        if (reason == nullptr) set_check_summary_line(summary, c, k, line);
      }
      if (reason == nullptr) continue;
      line.failed = 1;
      set_check_summary_line(summary, c, k, line);
      guard_message(c, k, reason);
      ++failed;
    }
  return failed;
}

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
