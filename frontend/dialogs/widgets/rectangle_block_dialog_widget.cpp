#include "frontend/dialogs/widgets/rectangle_block_dialog_widget.h"

#include "frontend/dialogs/dialog_texts.h"
#include "frontend/dialogs/widgets/dialog_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qvt::dialogs {

RectangleBlockDialogWidget::RectangleBlockDialogWidget(QWidget* owner,
                                                       RectangleBlockDialog& presenter)
    : QDialog(owner), presenter_(presenter) {
  setObjectName(QStringLiteral("rectangle_block_dialog"));
  setWindowTitle(QString::fromUtf8(kRectangleCaption));
  setModal(true);

  auto* frame = new QGroupBox(this);
  frame->setObjectName(QStringLiteral("block"));
  auto* g = new QGridLayout(frame);
  static const char* const kBoxNames[RectangleBlockDialog::kBoxCount] = {
      "name", "saturated", "wet", "submerged", "width", "height", "ref_x", "ref_y"};
  for (int i = 0; i < RectangleBlockDialog::kBoxCount; ++i) {
    boxes_[i] = new QLineEdit(frame);
    boxes_[i]->setObjectName(QString::fromLatin1(kBoxNames[i]));
    const bool number = i != RectangleBlockDialog::kName;
    if (number) {
      boxes_[i]->setAlignment(Qt::AlignRight);
      boxes_[i]->setFixedWidth(90);
    }
    widgets::TextBoxFocus* watcher = bind_box(
        boxes_[i], presenter_.boxes[i], number ? widgets::BoxKind::number : widgets::BoxKind::text,
        [this, i] { presenter_.leave_box(static_cast<RectangleBlockDialog::Box>(i)); });
    if (i == RectangleBlockDialog::kSaturated || i == RectangleBlockDialog::kWet ||
        i == RectangleBlockDialog::kSubmerged)
      watcher->set_range(kUnitWeightBox.lowest, kUnitWeightBox.highest);
  }
  int row = 0;
  g->addWidget(new QLabel(QStringLiteral("名    称"), frame), row, 0);
  g->addWidget(boxes_[RectangleBlockDialog::kName], row++, 1, 1, 2);
  struct Group {
    const char* heading;
    const char* rows[3];
    int first_box, boxes;
  };
  const Group groups[] = {
      {"単位体積重量(kN/m3 )", {"飽和", "湿潤", "水中"}, RectangleBlockDialog::kSaturated, 3},
      {"ﾌﾞﾛｯｸ寸法 (m)", {"横断方向", "高さ方向", nullptr}, RectangleBlockDialog::kWidth, 2},
      {"ﾌﾞﾛｯｸ配置基準 (m)", {"Ｘ", "Ｙ", nullptr}, RectangleBlockDialog::kRefX, 2}};
  for (const Group& group : groups) {
    g->addWidget(new QLabel(QString::fromUtf8(group.heading), frame), row++, 0, 1, 3);
    for (int k = 0; k < group.boxes; ++k) {
      g->addWidget(new QLabel(QString::fromUtf8(group.rows[k]), frame), row, 1, Qt::AlignRight);
      g->addWidget(boxes_[group.first_box + k], row++, 2);
    }
  }

  finish_ = command_button(this, QStringLiteral("終了"), QStringLiteral("finish"));
  cancel_ = command_button(this, QStringLiteral("取消"), QStringLiteral("cancel"));
  connect(finish_, &QPushButton::clicked, this, [this] { close_if(this, presenter_.finish(), true); });
  connect(cancel_, &QPushButton::clicked, this, [this] { close_if(this, presenter_.cancel(), false); });

  auto* top = new QVBoxLayout(this);
  top->addWidget(frame);
  top->addLayout(button_row(finish_, cancel_));
  centre_on_screen(this);
}

}  // namespace qvt::dialogs
