#include "frontend/pages/widgets/superstructure_view.h"

#include "frontend/pages/widgets/illustrations.h"
#include "frontend/widgets/text_box_focus.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qvt::pages {

namespace {
QString u8(const char* s) { return QString::fromUtf8(s); }
}  // namespace

SuperstructureView::SuperstructureView(SuperstructurePage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
  setObjectName(QStringLiteral("superstructure"));
  auto* layout = new QVBoxLayout(this);
  auto* frame1 = new QGroupBox(u8("上部工の検討点"), this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  auto* g = new QGridLayout(frame1);
  static const char* const kLabels[2] = {"Ｘ", "Ｙ"};
  for (int i = 0; i < 2; ++i) {
    auto* box = new QLineEdit(frame1);
    box->setObjectName(QStringLiteral("txt_gm3_%1").arg(i));
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(90);
    g->addWidget(new QLabel(u8(kLabels[i]), frame1), i, 0);
    g->addWidget(box, i, 1);
    g->addWidget(new QLabel(QStringLiteral("m"), frame1), i, 2);
    txt_gm3_[i] = box;
    focus_watchers_.push_back(widgets::TextBoxFocus::attach(box, widgets::kNumberBox, {}, [this, i, box] {
      page_.set_txt_gm3(i, box->text().toStdString());
      page_.txt_gm3_LostFocus(i);
      refresh();
    }));
    widgets::fit_number_box(box, 3);  // the page shows "###0.000"
  }
  layout->addWidget(frame1);
  auto* hint = new QLabel(u8("異なる土質をブロックに分けて登録します"), this);
  hint->setObjectName(QStringLiteral("lbl_gm3_0"));
  hint->setWordWrap(true);
  layout->addWidget(hint);
  auto* ops = new QGridLayout;
  group_ = new QButtonGroup(this);
  static const char* const kOps[6] = {"登録", "編集", "移動", "複写", "削除", " Ｎｏ 位置"};
  for (int i = 0; i < 6; ++i) {
    auto* b = new QRadioButton(u8(kOps[i]), this);
    b->setObjectName(QStringLiteral("opt_gm3_%1").arg(i));
    b->installEventFilter(this);
    group_->addButton(b, i);
    ops->addWidget(b, i / 3, i % 3);
    opt_gm3_[i] = b;
  }
  layout->addLayout(ops);
  fra_gm3_ = new QGroupBox(u8("登録ブロック形状"), this);
  fra_gm3_->setObjectName(QStringLiteral("fra_gm3"));
  auto* h = new QHBoxLayout(fra_gm3_);
  static const char* const kShapes[2] = {"任意形状", "矩形形状"};
  for (int i = 0; i < 2; ++i) {
    cmd_gm3_[i] = new QPushButton(u8(kShapes[i]), fra_gm3_);
    cmd_gm3_[i]->setObjectName(QStringLiteral("cmd_gm3_%1").arg(i));
    h->addWidget(cmd_gm3_[i]);
    connect(cmd_gm3_[i], &QPushButton::clicked, this, [this, i] {
      page_.cmd_gm3_Click(i);
      refresh();
    });
  }
  layout->addWidget(fra_gm3_);
  auto* img = new QLabel(this);
  img->setObjectName(QStringLiteral("img_gm3"));
  img->setPixmap(superstructure_picture());
  layout->addWidget(img, 0, Qt::AlignHCenter);
  layout->addStretch(1);
  connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
    page_.opt_gm3_Click(id);
    refresh();
  });
  refresh();
}

// The focus watchers go first: a box that loses the focus while the children are destroyed
// then reaches neither the presenter nor this half-destroyed view.
SuperstructureView::~SuperstructureView() {
  for (widgets::TextBoxFocus* f : focus_watchers_) delete f;
  for (QRadioButton* b : opt_gm3_) b->removeEventFilter(this);
}

bool SuperstructureView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn)
    for (int i = 0; i < 6; ++i)
      if (watched == opt_gm3_[i]) page_.opt_gm3_GotFocus(i);
  return QWidget::eventFilter(watched, event);
}

void SuperstructureView::refresh() {
  const SuperstructureState& s = page_.state();
  for (int i = 0; i < 2; ++i) {
    const QString t = QString::fromStdString(s.txt_gm3[i]);
    if (txt_gm3_[i]->text() != t) txt_gm3_[i]->setText(t);
  }
  for (int i = 0; i < 6; ++i) {
    QSignalBlocker block(opt_gm3_[i]);
    opt_gm3_[i]->setChecked(s.opt_gm3 == i);
  }
  fra_gm3_->setEnabled(s.registration_enabled);
  for (QPushButton* b : cmd_gm3_) b->setEnabled(s.registration_enabled);
  if (on_refresh_) on_refresh_();
}

}  // namespace qvt::pages
