#pragma once
// The rectangular block dialog "矩形形状ブロックの詳細設定": a thin binding of
// RectangleBlockDialog to its boxes and buttons.
#include "frontend/dialogs/rectangle_block_dialog.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace qvt::dialogs {

class Form5 : public QDialog {
 public:
  // The presenter has been loaded; the dialog shows its state.
  Form5(QWidget* owner, RectangleBlockDialog& presenter);

  QLineEdit* txt_RA(int index) const { return txt_RA_.at(index); }
  QPushButton* cmd_gm(int index) const { return cmd_gm_.at(index); }

 private:
  void cmd_gm_Click(int index);

  RectangleBlockDialog& presenter_;
  std::array<QLineEdit*, 8> txt_RA_{};
  std::array<QPushButton*, 2> cmd_gm_{};
};

}  // namespace qvt::dialogs
