#pragma once
// What every results dialog test needs: one application for the process and a recorder of the
// messages the dialogs show.
#include "frontend/model/messages.h"

#include <QApplication>

#include <string>
#include <vector>

namespace qvt::results::testing {

inline QApplication& app() {
  static int argc = 1;
  static char name[] = "results_widget_tests";
  static char* argv[] = {name, nullptr};
  static QApplication a(argc, argv);
  return a;
}

struct Recorder : model::MessageSink {
  std::vector<std::string> texts;
  void show_message(model::MessageIcon, const std::string&, const std::string& text) override {
    texts.push_back(text);
  }
};

}  // namespace qvt::results::testing
