#pragma once
// The version dialog as a window.
#include "frontend/dialogs/about_dialog.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace qvt::dialogs {

class AboutDialogWidget : public QDialog {
 public:
  // `open_address` opens the address of the URL field (through the front end's document
  // opener); the current year comes from the system's clock.
  AboutDialogWidget(QWidget* owner, const std::string& version_text, int current_year,
                    std::function<void(const QString&)> open_address);

  QLabel* product_name() const { return product_name_; }
  QLabel* platform() const { return platform_; }
  QLabel* version() const { return version_; }
  QLineEdit* copyright() const { return copyright_; }
  QLineEdit* web_address() const { return web_address_; }
  QPushButton* ok_button() const { return ok_; }
  // The user clicked the URL field: an address opens and shows as visited.
  void open_web_address();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const QString&)> open_address_;
  QLabel* product_name_ = nullptr;
  QLabel* platform_ = nullptr;
  QLabel* version_ = nullptr;
  QLineEdit* copyright_ = nullptr;
  QLineEdit* web_address_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace qvt::dialogs
