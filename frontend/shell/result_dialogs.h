#pragma once
// The dialogs that show the results of a run. Their tables (read from CAL_ANZ.DAT, CAL_HEN.DAT
// and the chart files) come with the results work; today each is a plain modal dialog with its
// caption and a close button, so the result commands already open them in their final place.
#include <QDialog>

namespace qvt::shell {

// The results dialog "安定計算結果".
class Form6 : public QDialog {
 public:
  explicit Form6(QWidget* owner);
};

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
