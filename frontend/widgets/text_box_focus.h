#pragma once
// The focus behaviour that every text box of the pages and dialogs shares: getting the focus
// selects the whole text, so typing replaces it; each change of focus is reported to the
// box's presenter. A number box whose text is not a number, or a number its field cannot hold,
// when it loses the focus goes back to the text it had when it got the focus, and the status bar
// says why until the next valid entry or until another project is opened; a box left as it was
// found has nothing to go back to and says nothing. The cells of the grids follow the same rule
// with the same notices.
#include <QObject>
#include <QString>

#include "frontend/model/display_text.h"

#include <functional>
#include <string>

class QLineEdit;
class QWidget;

namespace qvt::widgets {

// What a box holds: a number (read by its leading number) or free text such as a name.
enum class BoxKind { number, text };
inline constexpr BoxKind kNumberBox = BoxKind::number;

// Shown in the status bar when a number box or a grid cell goes back to its previous value.
inline constexpr const char* kMsgNotANumber =
    "数値として読めない入力のため、元の値に戻しました。";
inline constexpr const char* kMsgOutOfRange =
    "入力できる範囲を超える数値のため、元の値に戻しました。";

class TextBoxFocus : public QObject {
 public:
  // Watches `box` (and is deleted with it). `focus_in` runs when the box gets the focus,
  // `focus_out` when it loses it; either may be empty. A number box that goes back to its
  // previous text raises textEdited with it before `focus_out` runs, so its presenter takes
  // the old value back the way it takes a typed one.
  static TextBoxFocus* attach(QLineEdit* box, BoxKind kind, std::function<void()> focus_in = {},
                              std::function<void()> focus_out = {});

  // The range of the field behind a number box (a 16-bit integer field takes
  // model::kI16Lowest..kI16Highest); +-model::kBoxLimit until set.
  void set_range(double lowest, double highest) {
    lowest_ = lowest;
    highest_ = highest;
    refit();
  }
  // A further rule for a number within the range, where what the box takes depends on other
  // boxes (three factors whose product must stay a seismic coefficient): false sends the box
  // back with the out-of-range notice. None until set.
  void set_rule(std::function<bool(double value)> accepts) { accepts_ = std::move(accepts); }
  double lowest() const { return lowest_; }
  double highest() const { return highest_; }
  BoxKind kind() const { return kind_; }
  // The watcher attached to `box`; null for a box without one.
  static TextBoxFocus* of(const QLineEdit* box);

  // Keeps a number box wide enough to show the whole text of the widest value its range accepts,
  // written with `decimals` decimals as the box shows its values (the sign, every digit, the
  // decimals): a box that cut "-12345.678" to "12345.678" would show a value other than the one
  // it holds. The width follows the box's font (a page sets its own once the box is placed) and
  // the range; it never becomes narrower, and a box of a fixed width stays fixed.
  void fit_width(int decimals);

  // Stops watching every box under `root`. A window whose handlers reach into its own members
  // calls it from its destructor: a window destroyed while shown hides itself in QWidget's
  // destructor, and the focus-out that follows must not run a handler of a half-destroyed
  // window.
  static void detach_all(QWidget* root);

  // Where the notice of a number box that went back is written (the main window's status bar);
  // none until set. An empty text clears the notice. Whoever sets it clears it before it goes.
  static void set_status_line(std::function<void(const std::string&)> show);
  // Says why an entry went back (no_number or out_of_range); nothing for one that stands.
  static void show_notice(model::TypedNumber verdict);
  // Clears a notice that is showing: after a valid entry, and when another project is opened.
  static void clear_notice();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TextBoxFocus(QLineEdit* box, BoxKind kind, std::function<void()> focus_in,
               std::function<void()> focus_out);
  QLineEdit* box_;
  BoxKind kind_;
  QString text_on_arrival_;
  void refit();
  double lowest_ = -model::kBoxLimit, highest_ = model::kBoxLimit;
  int fit_decimals_ = -1;  // none until fit_width
  std::function<void()> focus_in_, focus_out_;
  std::function<bool(double)> accepts_;
};

// fit_width of the box's number watcher; a box without one is left alone.
void fit_number_box(QLineEdit* box, int decimals);

}  // namespace qvt::widgets
