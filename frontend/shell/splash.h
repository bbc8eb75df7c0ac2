#pragma once
// The small window that shows the version while the main window loads. Any key closes it.
#include <QWidget>

class QLabel;

namespace qvt::shell {

class frmSplash : public QWidget {
 public:
  explicit frmSplash(const QString& version_text);

  QLabel* lblVersion() const { return lblVersion_; }
  QLabel* lblProductName() const { return lblProductName_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* lblVersion_;
  QLabel* lblProductName_;
};

}  // namespace qvt::shell
