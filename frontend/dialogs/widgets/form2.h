#pragma once
// The improved-soil layer dialog "改良土層": a thin binding of LayerBlockDialog to its boxes and
// buttons. Closing it from its title bar cancels.
#include "frontend/dialogs/layer_block_dialog.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace qvt::dialogs {

class Form2 : public QDialog {
 public:
  // The presenter has been loaded; the dialog shows its state.
  Form2(QWidget* owner, LayerBlockDialog& presenter);

  // Boxes 0..6 and 9; 7 and 8 do not exist (null).
  QLineEdit* txt_gm(int index) const { return txt_gm_.at(index); }
  QPushButton* cmd_gm(int index) const { return cmd_gm_.at(index); }

 private:
  void cmd_gm_Click(int index);

  LayerBlockDialog& presenter_;
  std::array<QLineEdit*, 10> txt_gm_{};
  std::array<QPushButton*, 2> cmd_gm_{};
};

}  // namespace qvt::dialogs
