#include "frontend/pages/dimension_line_page.h"

namespace qvt::pages {

void DimensionLinePage::opt_gm12_Click(int index) {
  if (index >= 0 && index <= 3) mode_ = index;
}

void DimensionLinePage::opt_gm12_GotFocus(int index) {
  static const char* const kHints[4] = {
      "ブロック分割図の上部に表示する寸法線の変化点を登録してください。",
      "ブロック分割図の上部に表示する寸法線の変化点を解除してください。",
      "ブロック分割図の下部に表示する寸法線の変化点を登録してください。",
      "ブロック分割図の下部に表示する寸法線の変化点を解除してください。",
  };
  if (index >= 0 && index <= 3) effects_.set_status_text(kHints[index]);
}

void DimensionLinePage::arrive() {
  if (mode_ != 0 && mode_ != 1) mode_ = 0;
}

}  // namespace qvt::pages
