#pragma once
// The eccentric load check for a clay bearing layer. Its table (read from CAL_HEN.DAT and the
// coefficient file) comes with the clay check; today it is a plain modal dialog with its caption
// and a close button, so the command already opens it in its final place.
#include <QDialog>

namespace qvt::shell {

// The eccentric inclined load check for a clay bearing layer.
class Form8 : public QDialog {
 public:
  explicit Form8(QWidget* owner);
};

}  // namespace qvt::shell
