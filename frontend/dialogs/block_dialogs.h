#pragma once
// How the input pages' register buttons and the block editors open the three block dialogs: the
// polygon block dialog Form4, the rectangular block dialog Form5 and the improved-soil layer
// dialog Form2. Each call shows its dialog modally with the main window as owner and returns
// when it has closed, accepted or cancelled; the dialogs answer only through the project model
// and the editor state they write. The shell implements it; callers' tests use a fake.
#include <array>
#include <string>

namespace qvt::dialogs {

// Form4 and Form5: the slot to register into or to edit (current_block_slot), and the mode that
// the dialog's load reads from the superstructure page: register while "登録" (opt_gm3(0)) is
// chosen, edit otherwise.
struct BlockDialogRequest {
  int slot = -1;
  bool register_mode = true;
};

// Form2: the slot, the mode (edit while "編集" (opt_gm6(1)) is chosen on the improved-body page,
// register otherwise) and the texts of that page's boxes txt_gm6(0..4) as they stand: X, Y, B,
// Dh1, Dh2.
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
