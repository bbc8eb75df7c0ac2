#pragma once
// The rectangular block dialog "矩形形状ブロックの詳細設定" without its widgets: the
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
  // The boxes: the block's name, its three unit weights, its size across ("横断方向") and
  // up ("高さ方向"), and its placement point.
  enum Box { kName, kSaturated, kWet, kSubmerged, kWidth, kHeight, kRefX, kRefY, kBoxCount };

  RectangleBlockDialog(model::ProjectModel& model, model::MessageSink& messages,
                       const BlockDialogRequest& request);

  // Fills the boxes from the slot (edit) or with the register defaults. False when there is no
  // slot to work on.
  bool load();
  // The user left a box: a number box shows its number in the display pattern.
  void leave_box(Box box);
  // "終了": true when the block was stored and the dialog closes.
  bool finish();
  // "取消": the dialog closes (true), nothing stored.
  bool cancel();

  std::array<std::string, kBoxCount> boxes;  // the texts of the boxes, by Box
  bool register_mode() const { return !editing_; }

 private:
  model::ProjectModel& model_;
  model::MessageSink& messages_;
  BlockDialogRequest request_;
  bool editing_ = false;  // editing the block in the slot, else registering one
};

}  // namespace qvt::dialogs
