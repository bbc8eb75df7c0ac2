#pragma once
// The polygon block dialog "任意形状ブロックの詳細設定": a thin binding of PolygonBlockDialog to
// its boxes, its vertex table "ZAHYO" and its preview picture.
#include "frontend/dialogs/polygon_block_dialog.h"

#include <QDialog>
#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;

namespace qvt::widgets {
class EditGrid;
}

namespace qvt::dialogs {


// The preview picture: 5760 x 5160 twips on black, painted by the section picture's painter.
class PolygonPreviewPicture : public QWidget {
 public:
  PolygonPreviewPicture(QWidget* parent, const PolygonBlockDialog& presenter);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const PolygonBlockDialog& presenter_;
};

class PolygonBlockDialogWidget : public QDialog {
 public:
  // The presenter has been loaded; the dialog shows its state.
  PolygonBlockDialogWidget(QWidget* owner, PolygonBlockDialog& presenter);

  QLineEdit* box(PolygonBlockDialog::Box b) const { return boxes_.at(b); }
  widgets::EditGrid* vertex_table() const { return grid_; }
  QWidget* preview() const { return preview_; }
  QPushButton* finish_button() const { return finish_; }
  QPushButton* cancel_button() const { return cancel_; }

 private:
  void vertex_table_edited();

  PolygonBlockDialog& presenter_;
  std::array<QLineEdit*, PolygonBlockDialog::kBoxCount> boxes_{};
  widgets::EditGrid* grid_ = nullptr;
  QWidget* preview_ = nullptr;
  QPushButton* finish_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace qvt::dialogs
