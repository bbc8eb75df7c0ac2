#include "frontend/results/results_table.h"

#include "common/improvement_pattern.h"

#include <cctype>

namespace qvt::results {

namespace {

const char* const kDash = "－";
const char* const kPassMark = "○";
const char* const kFailMark = "×";


bool is_td(const std::string& command_line) {
  std::string lower;
  for (char c : command_line) lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  return lower == "/td";
}

}  // namespace

void ResultsTable::load(const std::filesystem::path& work_folder,
                             const std::string& command_line, int seismic_check,
                             int improvement_pattern, model::MessageSink& sink) {
  state_ = ResultsTableState{};
  state_.row_titles = {"滑 動", "転 倒", "支持力", "端趾圧", "せん断 長壁", "せん断 短壁", "抜け出し"};
  state_.export_visible = is_td(command_line);

  state_.check_results = read_check_summary(work_folder / kCheckSummaryFile);
  if (!state_.check_results) {
    sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                      "計算結果ﾌｧｲﾙ(CAL_ANZ.DAT)が読み込み出来ません。");
    return;
  }
  state_.export_enabled = true;
  const CheckResults& r = *state_.check_results;
  const bool tangent = improvement_pattern == PATTERN_TANGENT_CIRCLES;

  // Row 3 holds the toe pressure, or the tangent-circle body's internal stress in its place.
  auto row_check = [tangent](int row) { return row == 3 && tangent ? kInternalStressItem : row; };
  for (int c = 0; c < 2; ++c) {
    for (int row = 0; row < kResultRows; ++row) {
      const int item = row_check(row);
      if (!check_shown(item, c, seismic_check, improvement_pattern)) {
        state_.cells[row][c] = kDash;
        state_.marks[row][c] = kDash;
        continue;
      }
      const CheckItem& it = r[c][item];
      state_.cells[row][c] = check_row(it, item).cell();
      state_.marks[row][c] = it.failed != 0 ? kFailMark : kPassMark;
    }
  }

  // A row whose check the body does not have is no row of this table.
  for (int row = 0; row < kResultRows; ++row)
    if (!check_shown(row_check(row), 0, seismic_check, improvement_pattern))
      state_.row_titles[row] = kDash;
  if (improvement_pattern == PATTERN_BLOCK)
    state_.row_titles[4] = "せん断";
  else if (tangent)
    state_.row_titles[3] = "内部応力";
}

}  // namespace qvt::results
