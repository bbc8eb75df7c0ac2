#pragma once
// The results tests' stand-in for the message boxes: it keeps the text of every message shown.
#include "frontend/model/messages.h"

#include <string>
#include <vector>

namespace qvt::results::testing {

struct Recorder : model::MessageSink {
  std::vector<std::string> texts;
  void show_message(model::MessageIcon, const std::string&, const std::string& text) override {
    texts.push_back(text);
  }
};

}  // namespace qvt::results::testing
