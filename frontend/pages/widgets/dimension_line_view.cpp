#include "frontend/pages/widgets/dimension_line_view.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qvt::pages {

DimensionLineView::DimensionLineView(DimensionLinePage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
  setObjectName(QStringLiteral("dimension_lines"));
  auto* layout = new QVBoxLayout(this);
  auto* frame = new QGroupBox(QStringLiteral("寸法線"), this);
  auto* v = new QVBoxLayout(frame);
  group_ = new QButtonGroup(this);
  static const char* const kCaptions[4] = {"上部登録", "上部解除", "下部登録", "下部解除"};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QRadioButton(QString::fromUtf8(kCaptions[i]), frame);
    b->setObjectName(QStringLiteral("dimension_mode_%1").arg(i));
    b->installEventFilter(this);
    group_->addButton(b, i);
    v->addWidget(b);
    mode_buttons_[i] = b;
  }
  layout->addWidget(frame);
  layout->addStretch(1);
  connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
    page_.choose_mode(id);
    refresh();
  });
  refresh();
}

bool DimensionLineView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn)
    for (int i = 0; i < 4; ++i)
      if (watched == mode_buttons_[i]) page_.mode_button_focused(i);
  return QWidget::eventFilter(watched, event);
}

void DimensionLineView::refresh() {
  group_->setExclusive(false);
  for (int i = 0; i < 4; ++i) {
    QSignalBlocker block(mode_buttons_[i]);
    mode_buttons_[i]->setChecked(page_.mode() == i);
  }
  group_->setExclusive(true);
  if (on_refresh_) on_refresh_();
}

}  // namespace qvt::pages
