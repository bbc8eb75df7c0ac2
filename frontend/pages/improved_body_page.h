#pragma once
// Category 2, the improved body ("改良体"): the body's reference point, width and bottoms
// (the body boxes), the wall dimensions of the wall and lattice forms ("改良体の形状", two
// frames), the registration of improved-soil blocks and the picture operation on them. Leaving
// a changed body box reshapes the improved-soil blocks at once (improved_layers.h).
#include "frontend/model/project.h"
#include "frontend/pages/design_conditions_page.h"
#include "frontend/pages/improved_layers.h"
#include "frontend/pages/input_page.h"
#include "frontend/pages/page_effects.h"
#include "frontend/section/page_port.h"

#include <array>
#include <string>

namespace qvt::pages {

// What the page needs of the main window beyond the common effects: the improved-soil layer
// dialog and the picture's extents.
class ImprovedBodyPort {
 public:
  virtual ~ImprovedBodyPort() = default;
  // Shows the layer dialog modally for `slot`, editing while `edit_mode`, with the body boxes'
  // texts as they stand; returns when it has closed.
  virtual void open_layer_dialog(int slot, bool edit_mode,
                                 const std::array<std::string, 5>& body_texts) = 0;
  // Recomputes the picture's extents, fits and repaints it (scroll positions reset).
  virtual void view_whole_section() = 0;
  // Recomputes the picture's extents and repaints it, keeping the view.
  virtual void refresh_section_extents() = 0;
};

// The frames of the tab "改良体の形状": "壁式" (wall form) and "格子式" (lattice form).
enum FormFrame { kWallForm = 0, kLatticeForm = 1 };
// The boxes of each frame, in the frame's order.
enum FormDimension { kLs = 0, kDs = 1, kLl = 2, kBl1 = 3, kBl2 = 4, kFormDimensionCount = 5 };
// The index of a frame's box among the form boxes of the page.
constexpr int form_box(FormFrame frame, FormDimension dim) {
  return static_cast<int>(frame) * kFormDimensionCount + static_cast<int>(dim);
}

struct ImprovedBodyState {
  std::array<std::string, 5> body{};               // by BodyBox: X, Y (never shown), B, Dh1, Dh2
  std::array<std::string, 10> form_dims{};         // by form_box()
  int operation = section::kNoSoilBlockOperation;  // section::SoilBlockOperation
  int inner_tab = 0;                               // 0 "改良体", 1 "改良体の形状"
  bool shape_tab_enabled = false;
  bool wall_frame_visible = true;
  bool lattice_frame_visible = false;
  // By BodyBox: each body box's text as the improved-soil blocks stand for it, loaded or last
  // taken on leaving the box. Leaving a box reshapes the blocks only when its text reads
  // another value, and a refused text goes back to it.
  std::array<std::string, 5> body_taken{};
};

class ImprovedBodyPage : public InputPage {
 public:
  ImprovedBodyPage(model::ProjectModel& model, PageEffects& effects,
                   const DesignConditionsPage& conditions, ImprovedBodyPort& port);

  const ImprovedBodyState& state() const { return s_; }

  void load() override;
  void store() override;

  // --- Events of the user ---
  void set_body_box(BodyBox box, const std::string& text) { s_.body.at(box) = text; }
  // `index`: form_box().
  void set_form_box(int index, const std::string& text) { s_.form_dims.at(index) = text; }
  // Leaving a body box: the improved-soil blocks follow it, or the box goes back and says why,
  // in a message box or, for the verdict returned, in the status bar's notice (the view shows
  // it as every box that goes back does).
  model::TypedNumber leave_body_box(BodyBox box);
  void leave_form_box(int index);
  // Choosing an operation only shows its prompt; the picture editor reads the choice.
  void choose_operation(int operation);
  // An operation's option got the focus: its prompt goes to the status bar.
  void focus_operation(int operation);
  // The button "登録": a new improved-soil block in the first free slot.
  void register_soil_block();
  void select_inner_tab(int tab);

  // The prompt of each picture operation.
  static const char* prompt(int operation);

 private:
  model::ProjectModel& model_;
  PageEffects& effects_;
  const DesignConditionsPage& conditions_;
  ImprovedBodyPort& port_;
  ImprovedBodyState s_;
};

}  // namespace qvt::pages
