#pragma once
// The one QApplication of the dialog widget tests, on the offscreen platform. Made once for
// the whole test program and never destroyed, so no test outlives it.
#include <QApplication>

namespace qvt::dialogs::testing {

inline QApplication& app() {
  static int argc = 1;
  static char name[] = "dialogs_widget_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* instance = new QApplication(argc, argv);
  return *instance;
}

}  // namespace qvt::dialogs::testing
