#include "frontend/widgets/text_box_focus.h"

#include "frontend/model/display_text.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStyle>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <string>

namespace qvt::widgets {

namespace {
std::function<void(const std::string&)>& status_line() {
  static std::function<void(const std::string&)> show;
  return show;
}
// Whether a notice is showing, so a valid entry does not wipe what another part wrote.
bool& notice_showing() {
  static bool showing = false;
  return showing;
}
}  // namespace

TextBoxFocus::TextBoxFocus(QLineEdit* box, BoxKind kind, std::function<void()> focus_in,
                           std::function<void()> focus_out)
    : QObject(box),
      box_(box),
      kind_(kind),
      text_on_arrival_(box->text()),
      focus_in_(std::move(focus_in)),
      focus_out_(std::move(focus_out)) {
  box->installEventFilter(this);
}

TextBoxFocus* TextBoxFocus::attach(QLineEdit* box, BoxKind kind, std::function<void()> focus_in,
                                   std::function<void()> focus_out) {
  return new TextBoxFocus(box, kind, std::move(focus_in), std::move(focus_out));
}

TextBoxFocus* TextBoxFocus::of(const QLineEdit* box) {
  // The class has no meta-object of its own, so qobject_cast cannot pick it out.
  for (QObject* child : box->children())
    if (auto* watcher = dynamic_cast<TextBoxFocus*>(child)) return watcher;
  return nullptr;
}

void fit_number_box(QLineEdit* box, int decimals) {
  TextBoxFocus* watcher = TextBoxFocus::of(box);
  if (watcher && watcher->kind() == BoxKind::number) watcher->fit_width(decimals);
}

void TextBoxFocus::fit_width(int decimals) {
  fit_decimals_ = std::max(decimals, 0);
  refit();
}

void TextBoxFocus::refit() {
  if (fit_decimals_ < 0) return;
  const std::string pattern =
      fit_decimals_ > 0 ? "0." + std::string(static_cast<std::size_t>(fit_decimals_), '0') : "0";
  const QFontMetrics fm = box_->fontMetrics();
  int text = 0;
  for (double end : {lowest_, highest_})
    text = std::max(text, fm.horizontalAdvance(QString::fromStdString(model::format_pattern(end, pattern))));
  // QLineEdit's size hint is the room of 17 times the advance of "x" with the margins and the
  // frame its style puts around a text; the text, one pixel and the cursor take that room's place.
  const int cursor = box_->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, box_);
  const int needed =
      box_->sizeHint().width() - 17 * fm.horizontalAdvance(QLatin1Char('x')) + text + 1 + cursor;
  if (box_->minimumWidth() >= needed) return;
  if (box_->minimumWidth() == box_->maximumWidth())
    box_->setFixedWidth(needed);
  else
    box_->setMinimumWidth(needed);
}

void TextBoxFocus::detach_all(QWidget* root) {
  // The class has no meta-object of its own, so qobject_cast cannot pick it out.
  for (QObject* child : root->findChildren<QObject*>())
    if (auto* watcher = dynamic_cast<TextBoxFocus*>(child)) delete watcher;
}

void TextBoxFocus::set_status_line(std::function<void(const std::string&)> show) {
  status_line() = std::move(show);
  notice_showing() = false;
}

void TextBoxFocus::show_notice(model::TypedNumber verdict) {
  if (verdict == model::TypedNumber::stands || !status_line()) return;
  status_line()(verdict == model::TypedNumber::no_number ? kMsgNotANumber : kMsgOutOfRange);
  notice_showing() = true;
}

void TextBoxFocus::clear_notice() {
  if (!notice_showing()) return;
  notice_showing() = false;
  if (status_line()) status_line()("");
}

bool TextBoxFocus::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
      refit();
    } else if (event->type() == QEvent::FocusIn) {
      text_on_arrival_ = box_->text();
      if (focus_in_) focus_in_();
      // A mouse press that gives the focus places the cursor after this event; selecting once
      // the press has been handled keeps the whole text selected.
      QPointer<QLineEdit> box = box_;
      QTimer::singleShot(0, box_, [box] {
        if (box && box->hasFocus()) box->setSelection(0, static_cast<int>(box->text().size()));
      });
    } else if (event->type() == QEvent::FocusOut) {
      if (kind_ == BoxKind::number && box_->text() != text_on_arrival_) {
        const QString typed = box_->text();
        auto verdict = model::typed_number(typed.toStdString(), lowest_, highest_);
        if (verdict == model::TypedNumber::stands && accepts_ &&
            !accepts_(model::leading_number(typed.toStdString())))
          verdict = model::TypedNumber::out_of_range;
        if (verdict != model::TypedNumber::stands) {
          box_->setText(text_on_arrival_);
          emit box_->textEdited(text_on_arrival_);
          // After the focus has arrived where it goes, so a hint of the next control does not
          // hide the notice.
          QTimer::singleShot(0, box_, [verdict] { show_notice(verdict); });
        } else {
          clear_notice();
        }
      }
      if (focus_out_) focus_out_();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qvt::widgets
