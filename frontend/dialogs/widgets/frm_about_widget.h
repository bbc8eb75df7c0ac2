#pragma once
// The version dialog frmAbout as a window.
#include "frontend/dialogs/frm_about.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qvt::dialogs {

class FrmAboutWidget : public QDialog {
 public:
  // `open_address` opens the web address of the Text6 field (through the front end's
  // document opener); the current year comes from the system's clock.
  FrmAboutWidget(QWidget* owner, const std::string& version_text, int current_year,
                 std::function<void(const QString&)> open_address);

  QLabel* lblTitle(int index) const { return index == 0 ? title0_ : title1_; }
  QLabel* lblVersion() const { return version_; }
  QLineEdit* Text2() const { return text2_; }
  QLineEdit* Text6() const { return text6_; }
  QPushButton* cmdOK() const { return ok_; }
  void Text6_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const QString&)> open_address_;
  QLabel* title0_ = nullptr;
  QLabel* title1_ = nullptr;
  QLabel* version_ = nullptr;
  QLineEdit* text2_ = nullptr;
  QLineEdit* text6_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace qvt::dialogs
