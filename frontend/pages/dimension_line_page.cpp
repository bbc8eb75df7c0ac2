#include "frontend/pages/dimension_line_page.h"

namespace qvt::pages {

void DimensionLinePage::choose_mode(int mode) {
  if (mode >= kUpperRegister && mode <= kLowerRelease) mode_ = mode;
}

void DimensionLinePage::mode_button_focused(int mode) {
  static const char* const kHints[4] = {
      "ブロック分割図の上部に表示する寸法線の変化点を登録してください。",
      "ブロック分割図の上部に表示する寸法線の変化点を解除してください。",
      "ブロック分割図の下部に表示する寸法線の変化点を登録してください。",
      "ブロック分割図の下部に表示する寸法線の変化点を解除してください。",
  };
  if (mode >= kUpperRegister && mode <= kLowerRelease) effects_.set_status_text(kHints[mode]);
}

void DimensionLinePage::arrive() {
  if (mode_ != kUpperRegister && mode_ != kUpperRelease) mode_ = kUpperRegister;
}

}  // namespace qvt::pages
