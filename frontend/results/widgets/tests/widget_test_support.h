#pragma once
// What every results dialog test needs: one application for the process and a recorder of the
// messages the dialogs show.
#include "frontend/results/tests/message_recorder.h"

#include <QApplication>

namespace qvt::results::testing {

inline QApplication& app() {
  static int argc = 1;
  static char name[] = "results_widget_tests";
  static char* argv[] = {name, nullptr};
  static QApplication a(argc, argv);
  return a;
}

}  // namespace qvt::results::testing
