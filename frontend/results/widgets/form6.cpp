#include "frontend/results/widgets/form6.h"

#include "frontend/results/widgets/table_cell.h"

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

const char* const kCellNames[kResultRows] = {"lbl_katu", "lbl_ten",  "lbl_siji", "lbl_tan",
                                             "lbl_sen1", "lbl_sen2", "lbl_nuke"};
const char* const kTitleNames[kResultRows] = {"Label3", "Label4", "Label5", "Label6",
                                              "Label7", "Label8", "Label12"};

}  // namespace

Form6::Form6(QWidget* owner, const model::ProjectModel& model, model::MessageSink& sink,
             SaveDialog save_dialog)
    : QDialog(owner),
      sink_(sink),
      save_dialog_(std::move(save_dialog)),
      work_folder_(model.work_folder),
      project_base_path_(model.project_base_path),
      seismic_check_(model.conditions.seismic_check),
      improvement_pattern_(model.conditions.improvement_pattern) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("安定計算結果"));
  setModal(true);

  auto* grid = new QGridLayout;
  grid->setSpacing(0);
  grid->addWidget(table_cell(this, QStringLiteral("検討項目"), "Label9"), 0, 0, 1, 2);
  grid->addWidget(table_cell(this, QStringLiteral("常    時"), "Label10"), 0, 2, 1, 2);
  grid->addWidget(table_cell(this, QStringLiteral("地  震  時"), "Label11"), 0, 4, 1, 2);
  grid->addWidget(table_cell(this, QStringLiteral("外部安定"), "Label1"), 1, 0, 3, 1);
  grid->addWidget(table_cell(this, QStringLiteral("内部安定"), "Label2"), 4, 0, 4, 1);
  for (int row = 0; row < kResultRows; ++row) {
    titles_[row] = table_cell(this, QString(), kTitleNames[row]);
    grid->addWidget(titles_[row], row + 1, 1);
    for (int c = 0; c < 2; ++c) {
      cells_[row][c] =
          table_cell(this, QString(), QStringLiteral("%1_%2").arg(kCellNames[row]).arg(c), 190,
                     Qt::AlignRight | Qt::AlignVCenter);
      marks_[row][c] = table_cell(
          this, QString(), QStringLiteral("%1_%2").arg(c == 0 ? "lbl_sw1" : "lbl_sw2").arg(row), 32);
      grid->addWidget(cells_[row][c], row + 1, 2 + 2 * c);
      grid->addWidget(marks_[row][c], row + 1, 3 + 2 * c);
    }
  }

  command1_ = new QPushButton(QStringLiteral("OK"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command2_ = new QPushButton(QStringLiteral("Text出力"), this);
  command2_->setObjectName(QStringLiteral("Command2"));
  command2_->setToolTip(QStringLiteral("検討結果をﾃｷｽﾄ形式で保存します"));
  connect(command1_, &QPushButton::clicked, this, &QDialog::accept);
  connect(command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(command2_);
  buttons->addStretch();
  buttons->addWidget(command1_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  // Form_Load: the table is filled once, from the file as it is now.
  table_.Form_Load(model.work_folder, model.command_line, model.conditions.seismic_check,
                   model.conditions.improvement_pattern, sink_);
  const ResultsTableState& s = table_.state();
  for (int row = 0; row < kResultRows; ++row) {
    titles_[row]->setText(QString::fromStdString(s.row_titles[row]));
    for (int c = 0; c < 2; ++c) {
      cells_[row][c]->setText(QString::fromStdString(s.cells[row][c]));
      marks_[row][c]->setText(QString::fromStdString(s.marks[row][c]));
    }
  }
  command2_->setVisible(s.export_visible);
  command2_->setEnabled(s.export_enabled);

  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
}

void Form6::Command2_Click() {
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
