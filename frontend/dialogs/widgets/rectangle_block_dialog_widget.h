#pragma once
// The rectangular block dialog "矩形形状ブロックの詳細設定": a thin binding of
// RectangleBlockDialog to its boxes and buttons.
#include "frontend/dialogs/rectangle_block_dialog.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace qvt::dialogs {

class RectangleBlockDialogWidget : public QDialog {
 public:
  // The presenter has been loaded; the dialog shows its state.
  RectangleBlockDialogWidget(QWidget* owner, RectangleBlockDialog& presenter);

  QLineEdit* box(RectangleBlockDialog::Box b) const { return boxes_.at(b); }
  QPushButton* finish_button() const { return finish_; }
  QPushButton* cancel_button() const { return cancel_; }

 private:

  RectangleBlockDialog& presenter_;
  std::array<QLineEdit*, RectangleBlockDialog::kBoxCount> boxes_{};
  QPushButton* finish_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace qvt::dialogs
