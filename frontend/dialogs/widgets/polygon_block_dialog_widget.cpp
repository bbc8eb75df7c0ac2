#include "frontend/dialogs/widgets/polygon_block_dialog_widget.h"

#include "frontend/dialogs/dialog_texts.h"
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
  setObjectName(QStringLiteral("preview"));
  setFixedSize(twips_to_pixels(kPreviewPictureWidth), twips_to_pixels(kPreviewPictureHeight));
}

void PolygonPreviewPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  section::DisplayList list;
  presenter_.paint_preview(list);
  section::paint_display_list(painter, list);
}

PolygonBlockDialogWidget::PolygonBlockDialogWidget(QWidget* owner, PolygonBlockDialog& presenter)
    : QDialog(owner), presenter_(presenter) {
  setObjectName(QStringLiteral("polygon_block_dialog"));
  setWindowTitle(QStringLiteral("任意形状ブロックの詳細設定"));
  setModal(true);

  preview_ = new PolygonPreviewPicture(this, presenter_);

  auto* frame = new QGroupBox(QStringLiteral("ﾌﾞﾛｯｸ設定"), this);
  frame->setObjectName(QStringLiteral("block_settings"));
  auto* g = new QGridLayout(frame);
  static const char* const kBoxNames[PolygonBlockDialog::kBoxCount] = {
      "name", "saturated", "wet", "submerged", "ref_x", "ref_y"};
  for (int i = 0; i < PolygonBlockDialog::kBoxCount; ++i) {
    boxes_[i] = new QLineEdit(frame);
    boxes_[i]->setObjectName(QString::fromLatin1(kBoxNames[i]));
    const bool number = i != PolygonBlockDialog::kName;
    if (number) boxes_[i]->setAlignment(Qt::AlignRight);
    widgets::TextBoxFocus* watcher = bind_box(
        boxes_[i], presenter_.boxes[i], number ? widgets::BoxKind::number : widgets::BoxKind::text,
        [this, i] { presenter_.leave_box(static_cast<PolygonBlockDialog::Box>(i)); });
    if (i == PolygonBlockDialog::kSaturated || i == PolygonBlockDialog::kWet ||
        i == PolygonBlockDialog::kSubmerged)
      watcher->set_range(kUnitWeightBox.lowest, kUnitWeightBox.highest);
  }
  g->addWidget(new QLabel(QStringLiteral("名  称"), frame), 0, 0);
  g->addWidget(boxes_[PolygonBlockDialog::kName], 0, 1, 1, 2);
  g->addWidget(new QLabel(QStringLiteral("単位体積重量"), frame), 1, 0, 1, 2);
  g->addWidget(new QLabel(QStringLiteral("(kN/m³)"), frame), 1, 2, Qt::AlignRight);
  const char* weight_rows[] = {"飽和", "湿潤", "水中"};
  for (int k = 0; k < 3; ++k) {
    g->addWidget(new QLabel(QString::fromUtf8(weight_rows[k]), frame), 2 + k, 1, Qt::AlignRight);
    g->addWidget(boxes_[PolygonBlockDialog::kSaturated + k], 2 + k, 2);
  }
  g->addWidget(new QLabel(QStringLiteral("ﾌﾞﾛｯｸ配置基準 (m)"), frame), 5, 0, 1, 3);
  g->addWidget(new QLabel(QStringLiteral("X"), frame), 6, 1, Qt::AlignRight);
  g->addWidget(boxes_[PolygonBlockDialog::kRefX], 6, 2);
  g->addWidget(new QLabel(QStringLiteral("Y"), frame), 7, 1, Qt::AlignRight);
  g->addWidget(boxes_[PolygonBlockDialog::kRefY], 7, 2);

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
  grid_->on_edited = [this] { vertex_table_edited(); };

  finish_ = command_button(this, QStringLiteral("終了"), QStringLiteral("finish"));
  cancel_ = command_button(this, QStringLiteral("取消"), QStringLiteral("cancel"));
  connect(finish_, &QPushButton::clicked, this, [this] { close_if(this, presenter_.finish(), true); });
  connect(cancel_, &QPushButton::clicked, this, [this] { close_if(this, presenter_.cancel(), false); });

  auto* right = new QVBoxLayout;
  right->addWidget(frame);
  right->addWidget(grid_, 1);
  right->addLayout(button_row(finish_, cancel_));
  auto* top = new QHBoxLayout(this);
  top->addWidget(preview_, 0, Qt::AlignTop);
  top->addLayout(right);
  grid_->setMinimumHeight(preview_->height() - frame->sizeHint().height());
  centre_on_screen(this);
}

void PolygonBlockDialogWidget::vertex_table_edited() {
  for (int r = 0; r < PolygonBlockDialog::kDataRows; ++r)
    for (int c = 1; c < PolygonBlockDialog::kColumns; ++c)
      presenter_.cells[r][c] = grid_->cell(r + 1, c).toStdString();
  presenter_.vertex_table_edited();
  for (int r = 0; r < PolygonBlockDialog::kDataRows; ++r)
    if (grid_->cell(r + 1, 0).toStdString() != presenter_.cells[r][0])
      grid_->set_cell(r + 1, 0, QString::fromStdString(presenter_.cells[r][0]));
  preview_->update();
}

}  // namespace qvt::dialogs
