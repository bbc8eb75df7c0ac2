#pragma once
// The rectangular block dialog Form5 "矩形形状ブロックの詳細設定" without its widgets: the
// texts of its boxes and one method per event. It registers a new type-1 block into the
// requested slot or edits the one there; a moved placement point carries the label and the mark
// along.
#include "frontend/dialogs/block_dialogs.h"
#include "frontend/model/messages.h"
#include "frontend/model/project.h"

#include <array>
#include <string>

namespace qvt::dialogs {

inline constexpr const char* kRectangleCaption = "矩形形状ブロックの詳細設定";

class RectangleBlockDialog {
 public:
  RectangleBlockDialog(model::ProjectModel& model, model::MessageSink& messages,
                       const BlockDialogRequest& request);

  // Fills the boxes from the slot (edit) or with the register defaults. False when there is no
  // slot to work on.
  bool Form_Load();
  void txt_RA_LostFocus(int index);
  // 0 accepts: true when the block was stored and the dialog closes; 1 cancels (true).
  bool cmd_gm_Click(int index);

  // name, saturated, wet, submerged, width, height, X, Y
  std::array<std::string, 8> txt_RA;
  bool register_mode() const { return blk_sw_ == 0; }

 private:
  model::ProjectModel& model_;
  model::MessageSink& messages_;
  BlockDialogRequest request_;
  int blk_sw_ = 0;
};

}  // namespace qvt::dialogs
