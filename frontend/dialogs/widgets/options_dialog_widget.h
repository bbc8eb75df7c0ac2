#pragma once
// The options dialog "カスタマイズ" as a window: a thin binding of the OptionsDialog presenter.
#include "frontend/dialogs/options_dialog.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace qvt::dialogs {

class OptionsDialogWidget : public QDialog {
 public:
  // Reads the work folder's QVT_DAT.CST at once, as the dialog loads (a failure is shown
  // through `messages` before the dialog appears).
  OptionsDialogWidget(QWidget* owner, const std::filesystem::path& work_folder,
                      model::CustomOptions& options, model::MessageSink& messages,
                      std::function<void()> open_manual);
  ~OptionsDialogWidget() override;

  OptionsDialog& presenter() { return form_; }
  QLineEdit* box(OptionBox b) const { return boxes_.at(static_cast<std::size_t>(b)); }
  QRadioButton* negative_root_option(int code) const { return negative_root_.at(code); }
  QRadioButton* toe_confinement_option(int code) const { return toe_confinement_.at(code); }
  QRadioButton* surcharge_method_option(int code) const { return surcharge_.at(code); }
  QCheckBox* backfill_vertical_check() const { return backfill_vertical_; }
  QCheckBox* passive_vertical_check() const { return passive_vertical_; }
  QPushButton* ok_button() const { return buttons_[0]; }
  QPushButton* cancel_button() const { return buttons_[1]; }
  QPushButton* help_button() const { return buttons_[2]; }
  QStatusBar* status_bar() const { return status_bar_; }

 private:
  void refresh();
  void close_on(OptionsDialogClose close, bool accepted);

  OptionsDialog form_;
  std::array<QLineEdit*, kOptionBoxCount> boxes_{};
  std::array<QRadioButton*, 4> negative_root_{};
  std::array<QRadioButton*, 3> toe_confinement_{};
  std::array<QRadioButton*, 3> surcharge_{};
  std::array<QRadioButton*, 2> rounding_{};
  std::array<QRadioButton*, 2> residual_{};
  std::array<QRadioButton*, 2> front_{};
  QCheckBox* backfill_vertical_ = nullptr;
  QCheckBox* passive_vertical_ = nullptr;
  std::array<QPushButton*, 3> buttons_{};  // OK, Cancel, Help
  QStatusBar* status_bar_ = nullptr;
};

}  // namespace qvt::dialogs
