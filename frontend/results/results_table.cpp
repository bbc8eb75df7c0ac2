#include "frontend/results/results_table.h"

#include "common/check_lines.h"
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

constexpr bool every_line_has_a_row() {
  for (const CheckLineRow& line : CHECK_LINES)
    if (line.table_row < 0 || line.table_row >= kResultRows) return false;
  return true;
}
static_assert(every_line_has_a_row());

// The pattern whose rows are shown: a pattern no body has shows the wall body's.
int shown_pattern(int pattern) { return known_improvement_pattern(pattern) ? pattern : PATTERN_WALL; }

}  // namespace

int results_row_line(int row, int improvement_pattern) {
  const int pattern = shown_pattern(improvement_pattern);
  int own = -1;
  for (const CheckLineRow& line : CHECK_LINES) {
    if (line.table_row != row) continue;
    if (check_line_in_pattern(line.line, pattern)) return line.line;
    if (own < 0 && line.row_name != nullptr) own = line.line;
  }
  return own;
}

void ResultsTable::load(const std::filesystem::path& work_folder,
                             const std::string& command_line, int seismic_check,
                             int improvement_pattern, model::MessageSink& sink) {
  state_ = ResultsTableState{};
  for (int row = 0; row < kResultRows; ++row)
    state_.row_titles[row] = check_line_row(results_row_line(row, PATTERN_WALL)).table_title;
  state_.export_visible = is_td(command_line);

  state_.check_results = read_check_summary(work_folder / kCheckSummaryFile);
  if (!state_.check_results) {
    sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                      "計算結果ﾌｧｲﾙ(CAL_ANZ.DAT)が読み込み出来ません。");
    return;
  }
  state_.export_enabled = true;
  const CheckResults& r = *state_.check_results;
  for (int c = 0; c < 2; ++c) {
    for (int row = 0; row < kResultRows; ++row) {
      const int item = results_row_line(row, improvement_pattern);
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
  const int pattern = shown_pattern(improvement_pattern);
  for (int row = 0; row < kResultRows; ++row) {
    const int item = results_row_line(row, improvement_pattern);
    const CheckLineRow& line = check_line_row(item);
    if (!check_shown(item, 0, seismic_check, improvement_pattern))
      state_.row_titles[row] = kDash;
    else if (line.table_title_alone != nullptr &&
             !check_line_in_pattern(CHECK_SHORT_WALL_SHEAR, pattern))
      state_.row_titles[row] = line.table_title_alone;
    else
      state_.row_titles[row] = line.table_title;
  }
}

}  // namespace qvt::results
