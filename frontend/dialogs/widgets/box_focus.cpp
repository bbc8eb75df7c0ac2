#include "frontend/dialogs/widgets/box_focus.h"

#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <QTimer>

namespace qvt::dialogs {

namespace {

class BoxFocus : public QObject {
 public:
  BoxFocus(QLineEdit* box, std::function<void()> lost) : QObject(box), box_(box), lost_(std::move(lost)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == box_) {
      if (event->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, box_, [b = box_] {
          if (b->hasFocus()) b->selectAll();
        });
        box_->selectAll();
      } else if (event->type() == QEvent::FocusOut && lost_) {
        lost_();
      }
    }
    return false;
  }

 private:
  QLineEdit* box_;
  std::function<void()> lost_;
};

}  // namespace

void install_box_focus(QLineEdit* box, std::function<void()> lost_focus) {
  box->installEventFilter(new BoxFocus(box, std::move(lost_focus)));
}

}  // namespace qvt::dialogs
