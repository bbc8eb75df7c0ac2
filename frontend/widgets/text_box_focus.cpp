#include "frontend/widgets/text_box_focus.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace qvt::widgets {

TextBoxFocus::TextBoxFocus(QLineEdit* box, std::function<void()> focus_in,
                           std::function<void()> focus_out)
    : QObject(box), box_(box), focus_in_(std::move(focus_in)), focus_out_(std::move(focus_out)) {
  box->installEventFilter(this);
}

TextBoxFocus* TextBoxFocus::attach(QLineEdit* box, std::function<void()> focus_in,
                                   std::function<void()> focus_out) {
  return new TextBoxFocus(box, std::move(focus_in), std::move(focus_out));
}

bool TextBoxFocus::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_) {
    if (event->type() == QEvent::FocusIn) {
      if (focus_in_) focus_in_();
      // A mouse press that gives the focus places the cursor after this event; selecting once
      // the press has been handled keeps the whole text selected.
      QPointer<QLineEdit> box = box_;
      QTimer::singleShot(0, box_, [box] {
        if (box && box->hasFocus()) box->setSelection(0, static_cast<int>(box->text().size()));
      });
    } else if (event->type() == QEvent::FocusOut) {
      if (focus_out_) focus_out_();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qvt::widgets
