#pragma once
// The improved-soil layer dialog "改良土層": a thin binding of LayerBlockDialog to its boxes and
// buttons. Closing it from its title bar cancels.
#include "frontend/dialogs/layer_block_dialog.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace qvt::dialogs {

class LayerBlockDialogWidget : public QDialog {
 public:
  // The presenter has been loaded; the dialog shows its state.
  LayerBlockDialogWidget(QWidget* owner, LayerBlockDialog& presenter);

  QLineEdit* box(LayerBlockDialog::Box b) const { return boxes_.at(b); }
  QPushButton* finish_button() const { return finish_; }
  QPushButton* cancel_button() const { return cancel_; }

 private:

  LayerBlockDialog& presenter_;
  std::array<QLineEdit*, LayerBlockDialog::kBoxCount> boxes_{};
  QPushButton* finish_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace qvt::dialogs
