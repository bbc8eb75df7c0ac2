#pragma once
// The results dialog "安定計算結果": a thin binding of the results table to labels.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/results/results_table.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace qvt::results {

class Form6 : public QDialog {
 public:
  // Reads CAL_ANZ.DAT of the model's work folder at once, as the dialog loads.
  Form6(QWidget* owner, const model::ProjectModel& model, model::MessageSink& sink);

  const ResultsTable& table() const { return table_; }
  QLabel* cell(int row, int load_case) const { return cells_[row][load_case]; }
  QLabel* mark(int row, int load_case) const { return marks_[row][load_case]; }
  QLabel* row_title(int row) const { return titles_[row]; }
  QPushButton* Command1() const { return command1_; }
  QPushButton* Command2() const { return command2_; }

 private:
  void Command2_Click();

  ResultsTable table_;
  model::MessageSink& sink_;
  std::array<QLabel*, kResultRows> titles_{};
  std::array<std::array<QLabel*, 2>, kResultRows> cells_{};
  std::array<std::array<QLabel*, 2>, kResultRows> marks_{};
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
};

}  // namespace qvt::results
