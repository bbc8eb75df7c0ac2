#pragma once
// Category 5, the dimension lines: a row of four mode buttons that decide what a click on the
// section picture does with the dimension-line change points, and their hints.
#include "frontend/pages/input_page.h"
#include "frontend/pages/page_effects.h"

namespace qvt::pages {

// The modes of the page, by the buttons' captions; the section picture reads them as integers.
enum DimensionMode : int {
  kNoDimensionMode = -1,
  kUpperRegister = 0,  // "上部登録"
  kUpperRelease = 1,   // "上部解除"
  kLowerRegister = 2,  // "下部登録"
  kLowerRelease = 3,   // "下部解除"
};

class DimensionLinePage : public InputPage {
 public:
  explicit DimensionLinePage(PageEffects& effects) : effects_(effects) {}

  // 0 "上部登録", 1 "上部解除", 2 "下部登録", 3 "下部解除"; -1 none chosen yet.
  int mode() const { return mode_; }
  // The user chooses a mode.
  void choose_mode(int mode);
  // A mode button gets the focus: its hint goes to the status bar.
  void mode_button_focused(int mode);

  // On arrival the upper pair decides: unless "上部登録" or "上部解除" is chosen, "上部登録"
  // is, so a lower-list mode chosen before is replaced. The status bar is left as it is.
  void arrive() override;

 private:
  PageEffects& effects_;
  int mode_ = kNoDimensionMode;
};

}  // namespace qvt::pages
