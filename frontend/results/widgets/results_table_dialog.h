#pragma once
// The results dialog "安定計算結果": a thin binding of the results table to labels.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/results/results_table.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QPushButton;

namespace qvt::results {

// Asks for the export's target, proposing a file name; nullopt when the user cancels.
using SaveDialog = std::function<std::optional<std::string>(const std::string& proposed)>;

class ResultsTableDialog : public QDialog {
 public:
  // Reads CAL_ANZ.DAT of the model's work folder at once, as the dialog loads.
  ResultsTableDialog(QWidget* owner, const model::ProjectModel& model, model::MessageSink& sink,
                     SaveDialog save_dialog = {});

  const ResultsTable& table() const { return table_; }
  QLabel* cell(int row, int load_case) const { return cells_[row][load_case]; }
  QLabel* mark(int row, int load_case) const { return marks_[row][load_case]; }
  QLabel* row_title(int row) const { return titles_[row]; }
  QPushButton* ok_button() const { return ok_; }
  QPushButton* export_button() const { return export_; }
  // "Text出力": the listing and the results into a text file the user names.
  void export_text();

 private:
  ResultsTable table_;
  model::MessageSink& sink_;
  SaveDialog save_dialog_;
  std::filesystem::path work_folder_;
  std::string project_base_path_;
  // As the table was filled: the export shows what the table shows.
  int seismic_check_ = 0;
  int improvement_pattern_ = 0;
  std::array<QLabel*, kResultRows> titles_{};
  std::array<std::array<QLabel*, 2>, kResultRows> cells_{};
  std::array<std::array<QLabel*, 2>, kResultRows> marks_{};
  QPushButton* ok_ = nullptr;
  QPushButton* export_ = nullptr;
};

}  // namespace qvt::results
