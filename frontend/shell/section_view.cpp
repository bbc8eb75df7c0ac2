#include "frontend/shell/section_view.h"

#include <QFrame>
#include <QScrollBar>

namespace qvt::shell {

SectionView::SectionView(QWidget* parent, model::ProjectModel& model) : model_(model) {
  auto* picture = new QFrame(parent);
  picture->setObjectName(QStringLiteral("pic_gm"));
  picture->setFrameShape(QFrame::StyledPanel);
  picture->setAutoFillBackground(true);
  QPalette pal = picture->palette();
  pal.setColor(QPalette::Window, Qt::white);
  picture->setPalette(pal);
  picture->setGeometry(8, 40, 462, 454);
  pic_gm_ = picture;
  hsb_gm_ = new QScrollBar(Qt::Horizontal, parent);
  hsb_gm_->setObjectName(QStringLiteral("hsb_gm"));
  hsb_gm_->setGeometry(8, 494, 462, 16);
  vsb_gm_ = new QScrollBar(Qt::Vertical, parent);
  vsb_gm_->setObjectName(QStringLiteral("vsb_gm"));
  vsb_gm_->setGeometry(470, 40, 16, 454);
  for (QScrollBar* bar : {hsb_gm_, vsb_gm_}) bar->setRange(-100, 100);
  set_shown(false);
}

void SectionView::set_picture_size(double width, double height) {
  picture_width_ = width;
  picture_height_ = height;
}

void SectionView::set_shown(bool shown) {
  pic_gm_->setVisible(shown);
  hsb_gm_->setVisible(shown);
  vsb_gm_->setVisible(shown);
}

void SectionView::repaint_section() { pic_gm_->update(); }

}  // namespace qvt::shell
