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


// The preview pic_NB: 5760 x 5160 twips on black, painted by the section picture's painter.
class PolygonPreviewPicture : public QWidget {
 public:
  PolygonPreviewPicture(QWidget* parent, const PolygonBlockDialog& presenter);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const PolygonBlockDialog& presenter_;
};

class Form4 : public QDialog {
 public:
  // The presenter has been loaded; the dialog shows its state.
  Form4(QWidget* owner, PolygonBlockDialog& presenter);

  QLineEdit* txt_NB(int index) const { return txt_NB_.at(index); }
  widgets::EditGrid* Aflg_NB() const { return grid_; }
  QWidget* pic_NB() const { return pic_NB_; }
  QPushButton* cmd_NB(int index) const { return cmd_NB_.at(index); }

 private:
  void Aflg_NB_Edited();
  void cmd_NB_Click(int index);

  PolygonBlockDialog& presenter_;
  std::array<QLineEdit*, 6> txt_NB_{};
  widgets::EditGrid* grid_ = nullptr;
  QWidget* pic_NB_ = nullptr;
  std::array<QPushButton*, 2> cmd_NB_{};
};

}  // namespace qvt::dialogs
