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
  frame1->setObjectName(QStringLiteral("check_point_frame"));
  auto* g = new QGridLayout(frame1);
  static const char* const kLabels[2] = {"Ｘ", "Ｙ"};
  for (int i = 0; i < 2; ++i) {
    auto* box = new QLineEdit(frame1);
    box->setObjectName(QStringLiteral("check_point_%1").arg(i));
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(90);
    g->addWidget(new QLabel(u8(kLabels[i]), frame1), i, 0);
    g->addWidget(box, i, 1);
    g->addWidget(new QLabel(QStringLiteral("m"), frame1), i, 2);
    check_point_boxes_[i] = box;
    const auto id = static_cast<CheckPointBox>(i);
    focus_watchers_.push_back(widgets::TextBoxFocus::attach(box, widgets::kNumberBox, {}, [this, id, box] {
      page_.set_check_point(id, box->text().toStdString());
      page_.leave_check_point(id);
      refresh();
    }));
    widgets::fit_number_box(box, 3);  // the page shows "###0.000"
  }
  layout->addWidget(frame1);
  auto* hint = new QLabel(u8("異なる土質をブロックに分けて登録します"), this);
  hint->setObjectName(QStringLiteral("block_hint"));
  hint->setWordWrap(true);
  layout->addWidget(hint);
  auto* ops = new QGridLayout;
  group_ = new QButtonGroup(this);
  static const char* const kOps[6] = {"登録", "編集", "移動", "複写", "削除", " Ｎｏ 位置"};
  for (int i = 0; i < 6; ++i) {
    auto* b = new QRadioButton(u8(kOps[i]), this);
    b->setObjectName(QStringLiteral("wall_block_operation_%1").arg(i));
    b->installEventFilter(this);
    group_->addButton(b, i);
    ops->addWidget(b, i / 3, i % 3);
    operation_options_[i] = b;
  }
  layout->addLayout(ops);
  shape_frame_ = new QGroupBox(u8("登録ブロック形状"), this);
  shape_frame_->setObjectName(QStringLiteral("block_shape_frame"));
  auto* h = new QHBoxLayout(shape_frame_);
  static const char* const kShapes[2] = {"任意形状", "矩形形状"};
  for (int i = 0; i < 2; ++i) {
    shape_buttons_[i] = new QPushButton(u8(kShapes[i]), shape_frame_);
    shape_buttons_[i]->setObjectName(QStringLiteral("block_shape_%1").arg(i));
    h->addWidget(shape_buttons_[i]);
    connect(shape_buttons_[i], &QPushButton::clicked, this, [this, i] {
      page_.register_block(static_cast<BlockShapeButton>(i));
      refresh();
    });
  }
  layout->addWidget(shape_frame_);
  auto* img = new QLabel(this);
  img->setObjectName(QStringLiteral("superstructure_picture"));
  img->setPixmap(superstructure_picture());
  layout->addWidget(img, 0, Qt::AlignHCenter);
  layout->addStretch(1);
  connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
    page_.choose_operation(id);
    refresh();
  });
  refresh();
}

// The focus watchers go first: a box that loses the focus while the children are destroyed
// then reaches neither the presenter nor this half-destroyed view.
SuperstructureView::~SuperstructureView() {
  for (widgets::TextBoxFocus* f : focus_watchers_) delete f;
  for (QRadioButton* b : operation_options_) b->removeEventFilter(this);
}

bool SuperstructureView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn)
    for (int i = 0; i < 6; ++i)
      if (watched == operation_options_[i]) page_.focus_operation(i);
  return QWidget::eventFilter(watched, event);
}

void SuperstructureView::refresh() {
  const SuperstructureState& s = page_.state();
  for (int i = 0; i < 2; ++i) {
    const QString t = QString::fromStdString(s.check_point[i]);
    if (check_point_boxes_[i]->text() != t) check_point_boxes_[i]->setText(t);
  }
  for (int i = 0; i < 6; ++i) {
    QSignalBlocker block(operation_options_[i]);
    operation_options_[i]->setChecked(s.operation == i);
  }
  shape_frame_->setEnabled(s.registration_enabled);
  for (QPushButton* b : shape_buttons_) b->setEnabled(s.registration_enabled);
  if (on_refresh_) on_refresh_();
}

}  // namespace qvt::pages
