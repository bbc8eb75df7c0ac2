#pragma once
// A recording stand-in for the main window's side of the pages.
#include "frontend/pages/page_effects.h"

#include <string>
#include <vector>

namespace qvt::pages::testing {

class RecordingEffects : public PageEffects, public model::MessageSink {
 public:
  std::vector<std::string> status;  // every write of panel 1
  int repaints = 0;
  std::vector<std::string> messages_shown;

  void set_status_text(const std::string& text) override { status.push_back(text); }
  void repaint_section() override { ++repaints; }
  model::MessageSink& messages() override { return *this; }
  void show_message(model::MessageIcon, const std::string&, const std::string& text) override {
    messages_shown.push_back(text);
  }
};

}  // namespace qvt::pages::testing
