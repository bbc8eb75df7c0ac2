#pragma once
// The eccentric load check dialogs. Their tables (read from CAL_HEN.DAT and the chart files) come
// with the eccentric check work; today each is a plain modal dialog with its caption and a close
// button, so the command already opens them in their final place.
#include <QDialog>

namespace qvt::shell {

// The eccentric inclined load check for a sandy bearing layer.
class Form7 : public QDialog {
 public:
  explicit Form7(QWidget* owner);
};

// The eccentric inclined load check for a clay bearing layer.
class Form8 : public QDialog {
 public:
  explicit Form8(QWidget* owner);
};

}  // namespace qvt::shell
