#include "frontend/results/widgets/sand_check_dialog.h"

#include "frontend/results/widgets/table_cell.h"
#include "frontend/widgets/text_box_focus.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace qvt::results {

namespace {

QLabel* cell(QWidget* parent, const QString& text, const QString& name) {
  return table_cell(parent, text, name, 72);
}

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

SandCheckDialog::~SandCheckDialog() { widgets::TextBoxFocus::detach_all(this); }

SandCheckDialog::SandCheckDialog(QWidget* owner, const model::ProjectModel& model, model::MessageSink& sink)
    : QDialog(owner), sink_(sink) {
  setObjectName(QStringLiteral("sand_check_dialog"));
  setWindowTitle(QStringLiteral("偏心傾斜荷重の検討"));
  setModal(true);

  auto* grid = new QGridLayout;
  grid->setSpacing(0);
  const char* headings[] = {"検討", "tanθ", "|ε|", "φ", "Ｎ", "Ｆ", "設計安全率", "判定"};
  const char* heading_names[] = {"heading_case", "heading_tan_theta", "heading_ratio",
                                 "heading_phi",  "heading_n",         "heading_f",
                                 "heading_design_factor", "heading_verdict"};
  for (int i = 0; i < 8; ++i)
    grid->addWidget(cell(this, QString::fromUtf8(headings[i]), QString::fromUtf8(heading_names[i])),
                    0, i);
  for (int c = 0; c < 2; ++c) {
    const int row = c + 1;
    grid->addWidget(cell(this, c == 0 ? QStringLiteral("常時") : QStringLiteral("地震時"),
                         c == 0 ? QStringLiteral("normal") : QStringLiteral("seismic")),
                    row, 0);
    tan_theta_[c] = cell(this, QStringLiteral("***"), QStringLiteral("tan_theta_%1").arg(c));
    ratio_[c] = cell(this, QStringLiteral("***"), QStringLiteral("ratio_%1").arg(c));
    chart_[c] = new QComboBox(this);
    chart_[c]->setObjectName(QStringLiteral("chart_%1").arg(c));
    chart_[c]->addItems({QStringLiteral("30"), QStringLiteral("35"), QStringLiteral("40"),
                         QStringLiteral("45")});
    chart_[c]->setCurrentIndex(-1);
    n_[c] = new QLineEdit(this);
    n_[c]->setObjectName(QStringLiteral("n_%1").arg(c));
    n_[c]->setAlignment(Qt::AlignRight);
    f_[c] = cell(this, QStringLiteral("***"), QStringLiteral("f_%1").arg(c));
    design_[c] = new QLineEdit(QStringLiteral("1.000"), this);
    design_[c]->setObjectName(QStringLiteral("design_factor_%1").arg(c));
    design_[c]->setAlignment(Qt::AlignRight);
    grid->addWidget(tan_theta_[c], row, 1);
    grid->addWidget(ratio_[c], row, 2);
    grid->addWidget(chart_[c], row, 3);
    grid->addWidget(n_[c], row, 4);
    grid->addWidget(f_[c], row, 5);
    grid->addWidget(design_[c], row, 6);
    verdict_[c] = cell(this, QString(), QStringLiteral("verdict_%1").arg(c));
    grid->addWidget(verdict_[c], row, 7);
    // The boxes take the range of their quantity, so the shared focus rule sends back what the
    // check would refuse.
    widgets::TextBoxFocus::attach(n_[c], widgets::BoxKind::number, {}, [this, c] {
      widgets::TextBoxFocus::show_notice(check_.leave_n_box(c));
      show_row(c);
    })->set_range(kNRange.lowest, kNRange.highest);
    widgets::TextBoxFocus::attach(design_[c], widgets::BoxKind::number, {}, [this, c] {
      widgets::TextBoxFocus::show_notice(check_.leave_design_box(c));
      show_row(c);
    })->set_range(kDesignFactorRange.lowest, kDesignFactorRange.highest);
    // Wide enough for the widest value each box takes, as it shows it (N "###0.00", the factor
    // "###0.000").
    widgets::fit_number_box(n_[c], 2);
    widgets::fit_number_box(design_[c], 3);

    connect(chart_[c], &QComboBox::activated, this, [this, c](int index) {
      if (showing_) return;
      check_.choose_chart(c, index, sink_);
      show_row(c);
    });
    connect(n_[c], &QLineEdit::textEdited, this, [this, c](const QString& text) {
      check_.set_n_text(c, text.toStdString());
      show_row(c);
    });
    connect(design_[c], &QLineEdit::textEdited, this, [this, c](const QString& text) {
      check_.set_design_text(c, text.toStdString());
      show_row(c);
    });
  }

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("ok"));
  cancel_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  cancel_->setObjectName(QStringLiteral("cancel"));
  connect(ok_, &QPushButton::clicked, this, [this] { ok(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  // The notice of a bearing layer weaker than every chart stays in view while the dialog is open.
  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("notice"));
  notice_->setWordWrap(true);
  notice_->setVisible(false);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(notice_);
  layout->addLayout(buttons);

  // The check loads once, as the dialog opens.
  const auto& fs = model.conditions.safety_factors;
  load_ = check_.load(model.work_folder, model.install_folder,
                           model.conditions.seismic_check, model.conditions.bearing_layer.phi,
                           {fs[0][2], fs[1][2]}, sink_);
  for (int c = 0; c < 2; ++c) show_row(c);
  ok_->setEnabled(check_.ok_enabled());
  notice_->setText(q(check_.below_charts_notice()));
  notice_->setVisible(check_.ok_enabled() && !check_.below_charts_notice().empty());

  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
}

void SandCheckDialog::show_row(int c) {
  showing_ = true;
  const SandCheckRow& r = check_.row(c);
  tan_theta_[c]->setText(q(r.tan_theta_text));
  ratio_[c]->setText(q(r.ratio_text));
  chart_[c]->setCurrentIndex(r.chart_index);
  if (n_[c]->text() != q(r.n_text)) n_[c]->setText(q(r.n_text));
  f_[c]->setText(q(r.f_text));
  if (design_[c]->text() != q(r.design_text)) design_[c]->setText(q(r.design_text));
  show_verdict(verdict_[c], r.verdict_text);
  verdict_[c]->setToolTip(q(r.verdict_note));
  showing_ = false;
}

void SandCheckDialog::ok() {
  // The check takes a box still being edited as left; one that goes back says why.
  const bool closes = check_.ok(sink_);
  for (int c = 0; c < 2; ++c) show_row(c);
  widgets::TextBoxFocus::show_notice(check_.box_verdict());
  if (closes) accept();
}

}  // namespace qvt::results
