#pragma once
// The results dialog "安定計算結果" without its widgets: which text stands in every cell, mark and
// row title, from the check summary the engines wrote. The engine's failed flag decides the mark;
// the cell's sign states what is true of the two numbers shown, a shear stress is shown by the
// magnitude it was judged on, and a value or limit that was not computed reads "－"
// (check_row, common/check_verdict.h).
#include "frontend/model/messages.h"
#include "frontend/results/check_summary.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace qvt::results {

// The rows of the table: one per check line's table_row (common/check_lines.h).
inline constexpr int kResultRows = 7;

// The check line that row `row` shows for `improvement_pattern`: the line of that row the
// pattern's body has (the tangent-circle body's internal stress in the toe pressure's row), or
// the row's own line where the body has none. An unknown pattern shows the wall body's rows.
int results_row_line(int row, int improvement_pattern);

struct ResultsTableState {
  // Row titles, top to bottom: sliding, overturning, bearing capacity, toe pressure (or the
  // internal stress), long-wall shear, short-wall shear, pull-out (UTF-8); "－" for a row
  // whose check the body does not have.
  std::array<std::string, kResultRows> row_titles;
  // Cells: [row][0 normal, 1 seismic].
  std::array<std::array<std::string, 2>, kResultRows> cells;
  // Marks "○", "×" or "－" beside each cell: [row][case].
  std::array<std::array<std::string, 2>, kResultRows> marks;
  // The text-export button "Text出力": shown for the command line "/td"; usable only when the
  // results were read, so an export never writes values that were not read.
  bool export_visible = false;
  bool export_enabled = false;
  // What was read, kept for the export; empty after a failed read.
  std::optional<CheckResults> check_results;
};

class ResultsTable {
 public:
  // Reads <work_folder>/CAL_ANZ.DAT and fills the table. On a failed read the user is told and
  // the table stays empty but for the row titles.
  void load(const std::filesystem::path& work_folder, const std::string& command_line,
                 int seismic_check, int improvement_pattern, model::MessageSink& sink);
  const ResultsTableState& state() const { return state_; }

 private:
  ResultsTableState state_;
};

}  // namespace qvt::results
