#pragma once
// How the input pages' register buttons and the block editors open the three block dialogs: the
// polygon block dialog, the rectangular block dialog and the improved-soil layer dialog. Each
// call shows its dialog modally with the main window as owner and returns
// when it has closed, accepted or cancelled; the dialogs answer only through the project model
// and the editor state they write. The shell implements it; callers' tests use a fake.
#include <array>
#include <string>

namespace qvt::dialogs {

// The polygon and rectangular block dialogs: the slot to register into or to edit
// (current_block_slot), and the mode that the dialog's load reads from the superstructure page:
// register while "登録" is chosen, edit otherwise.
struct BlockDialogRequest {
  int slot = -1;
  bool register_mode = true;
};

// The improved-soil layer dialog: the slot, the mode (edit while "編集" is chosen on the
// improved-body page, register otherwise) and the texts of that page's five body boxes as they
// stand: X, Y, B, Dh1, Dh2.
struct LayerDialogRequest {
  int slot = -1;
  bool edit_mode = false;
  std::array<std::string, 5> body_texts;
};

class BlockDialogs {
 public:
  virtual ~BlockDialogs() = default;
  virtual void polygon(const BlockDialogRequest& request) = 0;
  virtual void rectangle(const BlockDialogRequest& request) = 0;
  virtual void layer(const LayerDialogRequest& request) = 0;
};

}  // namespace qvt::dialogs
