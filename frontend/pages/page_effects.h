#pragma once
// What a page presenter does outside its own controls: the prompt line of the status bar, a
// repaint of the section picture and message boxes. The main window implements it; tests record.
#include "frontend/model/messages.h"

#include <string>

namespace qvt::pages {

class PageEffects {
 public:
  virtual ~PageEffects() = default;
  // Panel 1 of the status bar: the one-line prompt. It stays until the next write.
  virtual void set_status_text(const std::string& text) = 0;
  // Takes away the prompt or hint of the page being left: it speaks of controls no longer shown.
  virtual void clear_page_prompt() { set_status_text(""); }
  // Clears the section picture and draws it again.
  virtual void repaint_section() = 0;
  // Message boxes of the pages.
  virtual model::MessageSink& messages() = 0;
};

}  // namespace qvt::pages
