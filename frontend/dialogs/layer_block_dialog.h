#pragma once
// The improved-soil layer dialog Form2 "改良土層" without its widgets: the texts of its boxes and
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
  // Box indexes of txt_gm.
  enum Box {
    kSeaTop = 0,
    kLandTop = 1,
    kSeaBottom = 2,
    kLandBottom = 3,
    kSaturated = 4,
    kWet = 5,
    kSubmerged = 6,
    kName = 9,
  };

  LayerBlockDialog(model::ProjectModel& model, section::EditorState& editor,
                   model::MessageSink& messages, const LayerDialogRequest& request);

  // Fills the boxes from the slot (edit) or with the register defaults, the bottoms showing the
  // main window's Dh1 and Dh2 texts. False when there is no slot to work on.
  bool Form_Load();
  void txt_gm_LostFocus(int index);
  // 0 accepts: true when the layers were stored and the dialog closes; 1 cancels (true); any
  // other index does nothing (false).
  bool cmd_gm_Click(int index);

  std::array<std::string, 10> txt_gm;  // 7 and 8 are not used
  bool edit_mode() const { return blk_sw_ == 1; }

 private:
  model::ProjectModel& model_;
  section::EditorState& editor_;
  model::MessageSink& messages_;
  LayerDialogRequest request_;
  model::LayerFrame frame_;
  int blk_sw_ = 0;
};

}  // namespace qvt::dialogs
