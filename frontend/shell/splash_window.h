#pragma once
// The small window that shows the version while the main window loads. Any key closes it.
#include <QWidget>

class QLabel;

namespace qvt::shell {

class SplashWindow : public QWidget {
 public:
  explicit SplashWindow(const QString& version_text);

  QLabel* version_label() const { return version_label_; }
  QLabel* product_name_label() const { return product_name_label_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* version_label_;
  QLabel* product_name_label_;
};

}  // namespace qvt::shell
