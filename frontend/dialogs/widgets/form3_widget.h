#pragma once
// The options dialog "カスタマイズ" as a window: a thin binding of the Form3 presenter.
#include "frontend/dialogs/form3.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace qvt::dialogs {

class Form3Widget : public QDialog {
 public:
  // Reads the work folder's QVT_DAT.CST at once, as the dialog loads (a failure is shown
  // through `messages` before the dialog appears).
  Form3Widget(QWidget* owner, const std::filesystem::path& work_folder,
              model::CustomOptions& options, model::MessageSink& messages,
              std::function<void()> open_manual);
  ~Form3Widget() override;

  Form3& presenter() { return form_; }
  QLineEdit* txt_gm1(int index) const { return txt_gm1_.at(index); }
  QRadioButton* Frame1(int code) const { return frame1_.at(code); }
  QRadioButton* Frame2(int code) const { return frame2_.at(code); }
  QRadioButton* Frame8(int code) const { return frame8_.at(code); }
  QCheckBox* Check3() const { return check3_; }
  QCheckBox* Check4() const { return check4_; }
  QPushButton* cmd_ogm(int index) const { return cmd_ogm_.at(index); }
  QStatusBar* stv_opt() const { return stv_opt_; }

 private:
  void refresh();
  void click(int index);

  Form3 form_;
  std::array<QLineEdit*, kForm3Boxes> txt_gm1_{};
  std::array<QRadioButton*, 4> frame1_{};
  std::array<QRadioButton*, 3> frame2_{};
  std::array<QRadioButton*, 3> frame8_{};
  std::array<QRadioButton*, 2> rounding_{};
  std::array<QRadioButton*, 2> residual_{};
  std::array<QRadioButton*, 2> front_{};
  QCheckBox* check3_ = nullptr;
  QCheckBox* check4_ = nullptr;
  std::array<QPushButton*, 3> cmd_ogm_{};
  QStatusBar* stv_opt_ = nullptr;
};

}  // namespace qvt::dialogs
