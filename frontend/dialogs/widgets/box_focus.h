#pragma once
// The text-box focus behaviour of the forms: a box selects its whole text when it gets the
// focus, and tells its form when it loses it (where number boxes are rewritten).
#include <functional>

class QLineEdit;

namespace qvt::dialogs {

// Installs the behaviour on `box`; `lost_focus` runs each time the box loses the focus.
void install_box_focus(QLineEdit* box, std::function<void()> lost_focus);

}  // namespace qvt::dialogs
