#pragma once
// What the block dialogs' widgets share: a text box bound to a text of the presenter, the
// accept and cancel buttons, centring on the screen and closing on the presenter's word.
#include "frontend/widgets/text_box_focus.h"

#include <QString>

#include <functional>
#include <string>

class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace qvt::dialogs {

// Shows `text` in the box; the user's edits write it back; losing the focus runs `lost_focus`
// and shows `text` again (the presenter may have rewritten it). The box selects its text on
// focus, and a number box goes back to its previous text when it is left without a number.
// Returns the box's focus watcher, where a number box's range is set.
widgets::TextBoxFocus* bind_box(QLineEdit* box, std::string& text, widgets::BoxKind kind,
                                std::function<void()> lost_focus);

// A command button that Enter in a box does not press.
QPushButton* command_button(QWidget* parent, const QString& caption, const QString& name);
// The accept and cancel buttons at the bottom right, accept on the left.
QHBoxLayout* button_row(QPushButton* accept, QPushButton* cancel);

// Moves the dialog, at its size, to the middle of the screen.
void centre_on_screen(QDialog* dialog);

// Ends the dialog when its presenter says the command closes it: accepted or rejected.
void close_if(QDialog* dialog, bool closes, bool accepted);

}  // namespace qvt::dialogs
