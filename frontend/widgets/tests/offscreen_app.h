#pragma once
// One QApplication on the offscreen platform for the widget tests, and the user's input as
// events: clicks, typed characters and keys go through the application like real input.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace qvt::widgets::testing {

inline QApplication& app() {
  static int argc = 1;
  static char name[] = "widget_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* instance = new QApplication(argc, argv);
  return *instance;
}

// A test fixture's first member, so the application exists before the widgets it builds.
struct AppFirst {
  AppFirst() { app(); }
};

// Shows a top-level widget and makes it the active window, so focus changes arrive.
inline void show_active(QWidget& w) {
  w.show();
  w.activateWindow();
  w.raise();
  QApplication::processEvents();
}

// A left click. An event sent by a test is not spontaneous, so the focus that a real press
// gives first, before the widget sees the press, is given here.
inline void click(QWidget* w, QPoint at) {
  if (w->focusPolicy() & Qt::ClickFocus) w->setFocus(Qt::MouseFocusReason);
  const QPointF local(at);
  const QPointF global(w->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(w, &release);
  QApplication::processEvents();
}

inline void key(QWidget* w, int k, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
  QApplication::sendEvent(w, &release);
}

// Types a text into the widget with the focus, character by character.
inline void type_text(QWidget* w, const QString& text) {
  for (QChar c : text) key(w, Qt::Key_unknown, QString(c));
  QApplication::processEvents();
}

}  // namespace qvt::widgets::testing
