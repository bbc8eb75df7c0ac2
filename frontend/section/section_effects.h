#pragma once
// What the section picture's procedures do outside the model and the view: repaint, a warning
// box, the status bar, the mouse pointer, the toolbar's view buttons and the arrow bars. The
// shell implements it on the main window; tests record it.
#include <string>

namespace qvt::section {

class SectionEffects {
 public:
  virtual ~SectionEffects() = default;
  virtual void repaint() = 0;
  // A message box with the exclamation icon, an OK button and the application's title.
  virtual void warn(const std::string& text) = 0;
  // Panel 2 of the status bar (the mouse position).
  virtual void show_readout(const std::string& text) = 0;
  // The magnifying-glass pointer (true) or the default pointer.
  virtual void set_zoom_pointer(bool zoom) = 0;
  // Toolbar button 8, 9 or 10 shown pressed or released.
  virtual void set_view_button(int button, bool pressed) = 0;
  // Sets a bar's position; a change raises that bar's change event at once.
  virtual void set_scroll_position(bool horizontal, int position) = 0;
};

}  // namespace qvt::section
