#include "frontend/results/widgets/clay_check_dialog.h"

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
  return table_cell(parent, text, name, 64);
}

QString q(const std::string& s) { return QString::fromStdString(s); }

// Grid columns: case, ratio title, ratio, class, coefficient title, value, unit, then on the qa
// row the sign, the maximum reaction qa is compared with, its unit and the verdict.
constexpr int kClassColumn = 3;
constexpr int kSignColumn = 7, kReactionColumn = 8, kVerdictColumn = 10;

}  // namespace

ClayCheckDialog::~ClayCheckDialog() { widgets::TextBoxFocus::detach_all(this); }

ClayCheckDialog::ClayCheckDialog(QWidget* owner, const model::ProjectModel& model, model::MessageSink& sink)
    : QDialog(owner), sink_(sink) {
  setObjectName(QStringLiteral("clay_check_dialog"));
  setWindowTitle(QStringLiteral("偏心傾斜荷重の検討"));
  setModal(true);
  grid_ = new QGridLayout;
  grid_->setSpacing(2);

  const char* ratio_titles[3] = {"tanθ", "|ε|", "Bk/Co"};
  const char* value_titles[3] = {"ａ", "ｂ", "Ｎｃ"};
  for (int c = 0; c < 2; ++c) {
    const int top = c * 4;
    grid_->addWidget(cell(this, c == 0 ? QStringLiteral("常時") : QStringLiteral("地震時"),
                          c == 0 ? QStringLiteral("normal") : QStringLiteral("seismic")),
                     top, 0, 4, 1);
    for (int w = 0; w < 3; ++w) {
      grid_->addWidget(cell(this, QString::fromUtf8(ratio_titles[w]), QString()), top + w, 1);
      ratios_[c][w] = cell(this, QStringLiteral("***"),
                           QStringLiteral("ratio_%1_%2").arg(c).arg(w));
      grid_->addWidget(ratios_[c][w], top + w, 2);
      auto* box = new QLineEdit(this);
      box->setObjectName(QStringLiteral("class_%1_%2").arg(c).arg(w));
      box->setReadOnly(true);
      box->setAlignment(Qt::AlignRight);
      box->installEventFilter(this);
      class_boxes_[c][w] = box;
      grid_->addWidget(box, top + w, kClassColumn);
      grid_->addWidget(cell(this, QString::fromUtf8(value_titles[w]), QString()), top + w, 4);
    }
    a_[c] = cell(this, QStringLiteral("***"), QStringLiteral("a_%1").arg(c));
    b_[c] = cell(this, QStringLiteral("***"), QStringLiteral("b_%1").arg(c));
    nc_[c] = new QLineEdit(QStringLiteral("0.00"), this);
    nc_[c]->setObjectName(QStringLiteral("nc_%1").arg(c));
    nc_[c]->setAlignment(Qt::AlignRight);
    // The box takes the range of Nc, so the shared focus rule sends back what the check would
    // refuse.
    widgets::TextBoxFocus::attach(nc_[c], widgets::BoxKind::number, {}, [this, c] {
      widgets::TextBoxFocus::show_notice(check_.leave_nc_box(c));
      show_rows();
    })->set_range(kNcRange.lowest, kNcRange.highest);
    widgets::fit_number_box(nc_[c], 2);  // wide enough for the widest Nc it takes, as "##0.00"
    qa_[c] = cell(this, QStringLiteral("***"), QStringLiteral("qa_%1").arg(c));
    grid_->addWidget(a_[c], top, 5);
    grid_->addWidget(b_[c], top + 1, 5);
    grid_->addWidget(nc_[c], top + 2, 5);
    grid_->addWidget(cell(this, QStringLiteral("ｑａ"), QString()), top + 3, 4);
    grid_->addWidget(qa_[c], top + 3, 5);
    grid_->addWidget(new QLabel(QStringLiteral("kN/m2"), this), top + 3, 6);
    grid_->addWidget(cell(this, QStringLiteral("最大反力"), QString()), top + 2, kReactionColumn);
    sign_[c] = new QLabel(this);
    sign_[c]->setObjectName(QStringLiteral("sign_%1").arg(c));
    sign_[c]->setAlignment(Qt::AlignCenter);
    sign_[c]->setMinimumWidth(24);
    grid_->addWidget(sign_[c], top + 3, kSignColumn);
    reaction_[c] = cell(this, QStringLiteral("***"), QStringLiteral("reaction_%1").arg(c));
    grid_->addWidget(reaction_[c], top + 3, kReactionColumn);
    grid_->addWidget(new QLabel(QStringLiteral("kN/m2"), this), top + 3, kReactionColumn + 1);
    verdict_[c] = cell(this, QString(), QStringLiteral("verdict_%1").arg(c));
    grid_->addWidget(verdict_[c], top + 3, kVerdictColumn);
    connect(nc_[c], &QLineEdit::textEdited, this, [this, c](const QString& text) {
      check_.set_nc_text(c, text.toStdString());
      show_rows();
    });
  }
  for (int list = 0; list < kClayListCount; ++list) {
    lists_[list] = new QComboBox(this);
    lists_[list]->setObjectName(QStringLiteral("class_list_%1").arg(list));
    for (int p = 0; p < kClayListSizes[list]; ++p)
      lists_[list]->addItem(QString::fromUtf8(clay_list_item(list, p)));
    connect(lists_[list], &QComboBox::activated, this, [this, list](int position) {
      if (showing_) return;
      check_.choose_class(list, position);
      show_rows();
    });
  }

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("ok"));
  auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  connect(ok_, &QPushButton::clicked, this, [this] { ok(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  // The notice of a B k / c0 below the smallest class stays in view while the dialog is open.
  notice_ = new QLabel(this);
  notice_->setObjectName(QStringLiteral("notice"));
  notice_->setWordWrap(true);
  notice_->setVisible(false);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid_);
  layout->addWidget(notice_);
  layout->addLayout(buttons);

  // The check loads once, as the dialog opens.
  const auto& fs = model.conditions.safety_factors;
  check_.load(model.work_folder, model.install_folder, model.conditions.seismic_check,
                   {fs[0][2], fs[1][2]}, sink_);
  ok_->setEnabled(check_.ok_enabled());
  notice_->setText(q(check_.strength_notice()));
  notice_->setVisible(check_.ok_enabled() && !check_.strength_notice().empty());
  show_rows();
  place_lists();

  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
}

void ClayCheckDialog::show_rows() {
  showing_ = true;
  for (int c = 0; c < 2; ++c) {
    const ClayCheckRow& r = check_.row(c);
    ratios_[c][0]->setText(q(r.tan_theta_text));
    ratios_[c][1]->setText(q(r.ratio_text));
    ratios_[c][2]->setText(q(r.strength_text));
    for (int list = 0; list < kClayListCount; ++list)
      class_boxes_[c][list]->setText(QString::fromUtf8(clay_list_item(list, r.positions[list])));
    a_[c]->setText(q(r.a_text));
    b_[c]->setText(q(r.b_text));
    if (nc_[c]->text() != q(r.nc_text)) nc_[c]->setText(q(r.nc_text));
    nc_[c]->setEnabled(r.nc_editable);
    qa_[c]->setText(q(r.qa_text));
    sign_[c]->setText(q(r.sign_text));
    reaction_[c]->setText(q(r.reaction_text));
    show_verdict(verdict_[c], r.verdict_text);
    verdict_[c]->setToolTip(q(r.verdict_note));
  }
  const ClayCheckRow& current = check_.row(check_.current_row());
  for (int list = 0; list < kClayListCount; ++list)
    lists_[list]->setCurrentIndex(current.positions[list]);
  showing_ = false;
}

// The lists cover the class boxes of the current row; the other row shows its choices as text.
void ClayCheckDialog::place_lists() {
  const int row = check_.current_row();
  for (int list = 0; list < kClayListCount; ++list) {
    grid_->removeWidget(lists_[list]);
    grid_->addWidget(lists_[list], row * 4 + list, kClassColumn);
    lists_[list]->raise();
    class_boxes_[row][list]->setVisible(false);
    class_boxes_[1 - row][list]->setVisible(true);
  }
}

void ClayCheckDialog::enter_class_box(int load_case, int list) {
  if (load_case == check_.current_row()) return;
  check_.enter_row(load_case);
  show_rows();
  place_lists();
  lists_[list]->setFocus();
}

bool ClayCheckDialog::eventFilter(QObject* watched, QEvent* event) {
  for (int c = 0; c < 2; ++c)
    for (int list = 0; list < kClayListCount; ++list)
      if (watched == class_boxes_[c][list] && event->type() == QEvent::FocusIn)
        enter_class_box(c, list);
  return QDialog::eventFilter(watched, event);
}

void ClayCheckDialog::ok() {
  // The check takes a box still being edited as left; one that goes back says why.
  const bool closes = check_.ok(sink_);
  show_rows();
  widgets::TextBoxFocus::show_notice(check_.box_verdict());
  if (closes) accept();
}

}  // namespace qvt::results
