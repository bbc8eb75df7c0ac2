#pragma once
// The main window's status bar and the pages' effects that go through the window: the prompt
// line (a permanent label: it stays until the next write or a change of page, nothing clears it
// on a timer) and the section picture's readout of the pointer's position.
#include "frontend/pages/page_effects.h"

#include <QString>

#include <functional>

class QLabel;
class QMainWindow;
class QStatusBar;

namespace qvt::pages {

class PageStatusBar : public PageEffects {
 public:
  // Builds the status bar of `window`. `repaint` redraws the section picture.
  PageStatusBar(QMainWindow* window, model::MessageSink& messages, std::function<void()> repaint);

  void set_status_text(const std::string& text) override;
  // Clears the prompt line, unless it says why a number box went back to its value: that notice stays
  // until the next valid entry, also when the box was left for another page.
  void clear_page_prompt() override;
  void repaint_section() override;
  model::MessageSink& messages() override { return messages_; }

  QStatusBar* status_bar() const { return bar_; }
  QLabel* prompt_label() const { return prompt_label_; }
  QLabel* readout_label() const { return readout_label_; }
  void set_repaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }

 private:
  model::MessageSink& messages_;
  std::function<void()> repaint_;
  QStatusBar* bar_ = nullptr;
  QLabel* prompt_label_ = nullptr;
  QLabel* readout_label_ = nullptr;
};

}  // namespace qvt::pages
