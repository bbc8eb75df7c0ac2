#pragma once
// The focus behaviour that every text box of the pages and dialogs shares: getting the focus
// selects the whole text, so typing replaces it; each change of focus is reported to the
// box's presenter.
#include <QObject>

#include <functional>

class QLineEdit;

namespace qvt::widgets {

class TextBoxFocus : public QObject {
 public:
  // Watches `box` (and is deleted with it). `focus_in` runs when the box gets the focus,
  // `focus_out` when it loses it; either may be empty.
  static TextBoxFocus* attach(QLineEdit* box, std::function<void()> focus_in = {},
                              std::function<void()> focus_out = {});

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TextBoxFocus(QLineEdit* box, std::function<void()> focus_in, std::function<void()> focus_out);
  QLineEdit* box_;
  std::function<void()> focus_in_, focus_out_;
};

}  // namespace qvt::widgets
