#include "frontend/results/widgets/results_table_dialog.h"

#include "frontend/results/widgets/table_cell.h"

#include "common/check_lines.h"
#include "frontend/results/results_export.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace qvt::results {

namespace {

// The object name of a row's title, cells and marks: the name of the line that owns the row.
const char* row_name(int row) { return check_line_row(results_row_line(row, PATTERN_WALL)).row_name; }

}  // namespace

ResultsTableDialog::ResultsTableDialog(QWidget* owner, const model::ProjectModel& model,
                                       model::MessageSink& sink, SaveDialog save_dialog)
    : QDialog(owner),
      sink_(sink),
      save_dialog_(std::move(save_dialog)),
      work_folder_(model.work_folder),
      project_base_path_(model.project_base_path),
      seismic_check_(model.conditions.seismic_check),
      improvement_pattern_(model.conditions.improvement_pattern) {
  setObjectName(QStringLiteral("results_table_dialog"));
  setWindowTitle(QStringLiteral("安定計算結果"));
  setModal(true);

  auto* grid = new QGridLayout;
  grid->setSpacing(0);
  grid->addWidget(table_cell(this, QStringLiteral("検討項目"), "heading_item"), 0, 0, 1, 2);
  grid->addWidget(table_cell(this, QStringLiteral("常    時"), "heading_normal"), 0, 2, 1, 2);
  grid->addWidget(table_cell(this, QStringLiteral("地  震  時"), "heading_seismic"), 0, 4, 1, 2);
  grid->addWidget(table_cell(this, QStringLiteral("外部安定"), "heading_external"), 1, 0, 3, 1);
  grid->addWidget(table_cell(this, QStringLiteral("内部安定"), "heading_internal"), 4, 0, 4, 1);
  for (int row = 0; row < kResultRows; ++row) {
    titles_[row] =
        table_cell(this, QString(), QStringLiteral("%1_title").arg(row_name(row)));
    grid->addWidget(titles_[row], row + 1, 1);
    for (int c = 0; c < 2; ++c) {
      cells_[row][c] =
          table_cell(this, QString(), QStringLiteral("%1_%2").arg(row_name(row)).arg(c), 190,
                     Qt::AlignRight | Qt::AlignVCenter);
      marks_[row][c] = table_cell(
          this, QString(), QStringLiteral("%1_mark_%2").arg(row_name(row)).arg(c), 32);
      grid->addWidget(cells_[row][c], row + 1, 2 + 2 * c);
      grid->addWidget(marks_[row][c], row + 1, 3 + 2 * c);
    }
  }

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("ok"));
  export_ = new QPushButton(QStringLiteral("Text出力"), this);
  export_->setObjectName(QStringLiteral("export"));
  export_->setToolTip(QStringLiteral("検討結果をﾃｷｽﾄ形式で保存します"));
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(export_, &QPushButton::clicked, this, [this] { export_text(); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(export_);
  buttons->addStretch();
  buttons->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  // The table is filled once, from the file as it is now.
  table_.load(model.work_folder, model.command_line, model.conditions.seismic_check,
                   model.conditions.improvement_pattern, sink_);
  const ResultsTableState& s = table_.state();
  for (int row = 0; row < kResultRows; ++row) {
    titles_[row]->setText(QString::fromStdString(s.row_titles[row]));
    for (int c = 0; c < 2; ++c) {
      cells_[row][c]->setText(QString::fromStdString(s.cells[row][c]));
      marks_[row][c]->setText(QString::fromStdString(s.marks[row][c]));
    }
  }
  export_->setVisible(s.export_visible);
  export_->setEnabled(s.export_enabled);

  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
}

void ResultsTableDialog::export_text() {
  const ResultsTableState& s = table_.state();
  if (!s.check_results || !save_dialog_) return;
  const std::optional<std::string> target = save_dialog_(proposed_export_name(project_base_path_));
  if (!target) return;
  const ExportError error = export_results(work_folder_, *target, *s.check_results,
                                           seismic_check_, improvement_pattern_);
  if (error != ExportError::none)
    sink_.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                       export_failure_text(error, *target));
}

}  // namespace qvt::results
