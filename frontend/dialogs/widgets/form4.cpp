#include "frontend/dialogs/widgets/form4.h"

#include "frontend/dialogs/widgets/dialog_layout.h"
#include "frontend/widgets/edit_grid.h"
#include "frontend/section/widgets/section_widget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qvt::dialogs {

using widgets::EditGrid;
using widgets::twips_to_pixels;

PolygonPreviewPicture::PolygonPreviewPicture(QWidget* parent, const PolygonBlockDialog& presenter)
    : QWidget(parent), presenter_(presenter) {
  setObjectName(QStringLiteral("pic_NB"));
  setFixedSize(twips_to_pixels(kPreviewPictureWidth), twips_to_pixels(kPreviewPictureHeight));
}

void PolygonPreviewPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  section::DisplayList list;
  presenter_.pic_NB_Paint(list);
  section::paint_display_list(painter, list);
}

Form4::Form4(QWidget* owner, PolygonBlockDialog& presenter)
    : QDialog(owner), presenter_(presenter) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("任意形状ブロックの詳細設定"));
  setModal(true);

  pic_NB_ = new PolygonPreviewPicture(this, presenter_);

  auto* frame = new QGroupBox(QStringLiteral("ﾌﾞﾛｯｸ設定"), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  auto* g = new QGridLayout(frame);
  for (int i = 0; i < 6; ++i) {
    txt_NB_[i] = new QLineEdit(frame);
    txt_NB_[i]->setObjectName(QStringLiteral("txt_NB(%1)").arg(i));
    if (i > 0) txt_NB_[i]->setAlignment(Qt::AlignRight);
    bind_box(txt_NB_[i], presenter_.txt_NB[i],
             i > 0 ? widgets::BoxKind::number : widgets::BoxKind::text,  // 0 is the name
             [this, i] { presenter_.txt_NB_LostFocus(i); });
  }
  g->addWidget(new QLabel(QStringLiteral("名  称"), frame), 0, 0);
  g->addWidget(txt_NB_[0], 0, 1, 1, 2);
  g->addWidget(new QLabel(QStringLiteral("単位体積重量"), frame), 1, 0, 1, 2);
  g->addWidget(new QLabel(QStringLiteral("(kN/m³)"), frame), 1, 2, Qt::AlignRight);
  const char* weight_rows[] = {"飽和", "湿潤", "水中"};
  for (int k = 0; k < 3; ++k) {
    g->addWidget(new QLabel(QString::fromUtf8(weight_rows[k]), frame), 2 + k, 1, Qt::AlignRight);
    g->addWidget(txt_NB_[1 + k], 2 + k, 2);
  }
  g->addWidget(new QLabel(QStringLiteral("ﾌﾞﾛｯｸ配置基準 (m)"), frame), 5, 0, 1, 3);
  g->addWidget(new QLabel(QStringLiteral("X"), frame), 6, 1, Qt::AlignRight);
  g->addWidget(txt_NB_[4], 6, 2);
  g->addWidget(new QLabel(QStringLiteral("Y"), frame), 7, 1, Qt::AlignRight);
  g->addWidget(txt_NB_[5], 7, 2);

  // The vertex table, set up as the load prescribes.
  grid_ = new EditGrid(this);
  grid_->set_painting(false);
  grid_->set_title_rows(1);
  grid_->set_row_count(PolygonBlockDialog::kDataRows + 1);
  grid_->set_col_count(PolygonBlockDialog::kColumns);
  grid_->set_fixed_cols(1);
  const int widths[] = {500, 1200, 1200};
  const char* titles[] = {"No.", "X", "Y"};
  for (int c = 0; c < 3; ++c) {
    grid_->set_col_width_twips(c, widths[c]);
    grid_->set_cell(0, c, QString::fromUtf8(titles[c]));
  }
  grid_->set_control_width_twips(3250);
  grid_->set_grid_name(QStringLiteral("ZAHYO"));
  for (int r = 0; r < PolygonBlockDialog::kDataRows; ++r) {
    const auto& row = presenter_.cells[r];
    if (row[0].empty() && row[1].empty() && row[2].empty()) continue;
    grid_->set_row_text(r + 1, QString::fromStdString(row[0] + "\t" + row[1] + "\t" + row[2]));
  }
  grid_->set_painting(true);
  grid_->on_edited = [this] { Aflg_NB_Edited(); };

  cmd_NB_[0] = command_button(this, QStringLiteral("終了"), QStringLiteral("cmd_NB(0)"));
  cmd_NB_[1] = command_button(this, QStringLiteral("取消"), QStringLiteral("cmd_NB(1)"));
  connect(cmd_NB_[0], &QPushButton::clicked, this, [this] { cmd_NB_Click(0); });
  connect(cmd_NB_[1], &QPushButton::clicked, this, [this] { cmd_NB_Click(1); });

  auto* right = new QVBoxLayout;
  right->addWidget(frame);
  right->addWidget(grid_, 1);
  right->addLayout(button_row(cmd_NB_[0], cmd_NB_[1]));
  auto* top = new QHBoxLayout(this);
  top->addWidget(pic_NB_, 0, Qt::AlignTop);
  top->addLayout(right);
  grid_->setMinimumHeight(pic_NB_->height() - frame->sizeHint().height());
  centre_on_screen(this);
}

void Form4::Aflg_NB_Edited() {
  for (int r = 0; r < PolygonBlockDialog::kDataRows; ++r)
    for (int c = 1; c < PolygonBlockDialog::kColumns; ++c)
      presenter_.cells[r][c] = grid_->cell(r + 1, c).toStdString();
  presenter_.Aflg_NB_Edited();
  for (int r = 0; r < PolygonBlockDialog::kDataRows; ++r)
    if (grid_->cell(r + 1, 0).toStdString() != presenter_.cells[r][0])
      grid_->set_cell(r + 1, 0, QString::fromStdString(presenter_.cells[r][0]));
  pic_NB_->update();
}

void Form4::cmd_NB_Click(int index) {
  if (!presenter_.cmd_NB_Click(index)) return;
  if (index == 0)
    accept();
  else
    reject();
}

}  // namespace qvt::dialogs
