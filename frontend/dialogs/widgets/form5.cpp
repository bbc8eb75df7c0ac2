#include "frontend/dialogs/widgets/form5.h"

#include "frontend/dialogs/widgets/dialog_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qvt::dialogs {

Form5::Form5(QWidget* owner, RectangleBlockDialog& presenter)
    : QDialog(owner), presenter_(presenter) {
  setObjectName(QStringLiteral("Form5"));
  setWindowTitle(QString::fromUtf8(kRectangleCaption));
  setModal(true);

  auto* frame = new QGroupBox(this);
  frame->setObjectName(QStringLiteral("fra_gm(0)"));
  auto* g = new QGridLayout(frame);
  for (int i = 0; i < 8; ++i) {
    txt_RA_[i] = new QLineEdit(frame);
    txt_RA_[i]->setObjectName(QStringLiteral("txt_RA(%1)").arg(i));
    if (i > 0) {
      txt_RA_[i]->setAlignment(Qt::AlignRight);
      txt_RA_[i]->setFixedWidth(90);
    }
    bind_box(txt_RA_[i], presenter_.txt_RA[i],
             i > 0 ? widgets::BoxKind::number : widgets::BoxKind::text,  // 0 is the name
             [this, i] { presenter_.txt_RA_LostFocus(i); });
  }
  int row = 0;
  g->addWidget(new QLabel(QStringLiteral("名    称"), frame), row, 0);
  g->addWidget(txt_RA_[0], row++, 1, 1, 2);
  struct Group {
    const char* heading;
    const char* rows[3];
    int first_box, boxes;
  };
  const Group groups[] = {{"単位体積重量(kN/m3 )", {"飽和", "湿潤", "水中"}, 1, 3},
                          {"ﾌﾞﾛｯｸ寸法 (m)", {"横断方向", "高さ方向", nullptr}, 4, 2},
                          {"ﾌﾞﾛｯｸ配置基準 (m)", {"Ｘ", "Ｙ", nullptr}, 6, 2}};
  for (const Group& group : groups) {
    g->addWidget(new QLabel(QString::fromUtf8(group.heading), frame), row++, 0, 1, 3);
    for (int k = 0; k < group.boxes; ++k) {
      g->addWidget(new QLabel(QString::fromUtf8(group.rows[k]), frame), row, 1, Qt::AlignRight);
      g->addWidget(txt_RA_[group.first_box + k], row++, 2);
    }
  }

  cmd_gm_[0] = command_button(this, QStringLiteral("終了"), QStringLiteral("cmd_gm(0)"));
  cmd_gm_[1] = command_button(this, QStringLiteral("取消"), QStringLiteral("cmd_gm(1)"));
  connect(cmd_gm_[0], &QPushButton::clicked, this, [this] { cmd_gm_Click(0); });
  connect(cmd_gm_[1], &QPushButton::clicked, this, [this] { cmd_gm_Click(1); });

  auto* top = new QVBoxLayout(this);
  top->addWidget(frame);
  top->addLayout(button_row(cmd_gm_[0], cmd_gm_[1]));
  centre_on_screen(this);
}

void Form5::cmd_gm_Click(int index) {
  if (!presenter_.cmd_gm_Click(index)) return;
  if (index == 0)
    accept();
  else
    reject();
}

}  // namespace qvt::dialogs
