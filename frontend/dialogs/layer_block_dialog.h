#pragma once
// The improved-soil layer dialog "改良土層" without its widgets: the texts of its boxes and
// one method per event. Accepting stores the layer's tops and unit weights into the requested
// slot and restacks every improved-soil layer so that the body has no gaps or overlaps.
#include "frontend/dialogs/block_dialogs.h"
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/model/soil_layers.h"
#include "frontend/section/editor_state.h"

#include <array>
#include <string>

namespace qvt::dialogs {

inline constexpr const char* kLayerCaption = "改良土層";

class LayerBlockDialog {
 public:
  // The boxes: the layer's top and bottom on the sea side ("港外側") and the land side
  // ("港内側"), its three unit weights and its name.
  enum Box {
    kSeaTop,
    kLandTop,
    kSeaBottom,
    kLandBottom,
    kSaturated,
    kWet,
    kSubmerged,
    kName,
    kBoxCount,
  };

  LayerBlockDialog(model::ProjectModel& model, section::EditorState& editor,
                   model::MessageSink& messages, const LayerDialogRequest& request);

  // Fills the boxes from the slot (edit) or with the register defaults, the bottoms showing the
  // main window's Dh1 and Dh2 texts. False when there is no slot to work on.
  bool load();
  // The user left a box: a number box shows its number in the display pattern.
  void leave_box(Box box);
  // "終了": true when the layers were stored and the dialog closes.
  bool finish();
  // "取消": the dialog closes (true), nothing stored.
  bool cancel();

  std::array<std::string, kBoxCount> boxes;  // the texts of the boxes, by Box
  bool edit_mode() const { return editing_; }

 private:
  model::ProjectModel& model_;
  section::EditorState& editor_;
  model::MessageSink& messages_;
  LayerDialogRequest request_;
  model::LayerFrame frame_;
  bool editing_ = false;  // editing the block in the slot, else registering one
};

}  // namespace qvt::dialogs
