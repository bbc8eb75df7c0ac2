#pragma once
// Category 2, the improved body ("改良体"): the body's reference point, width and bottoms
// (txt_gm6), the wall dimensions of the wall and lattice forms (txt_gm7, two frames), the
// registration of improved-soil blocks and the picture operation on them (opt_gm6). Leaving a
// changed body box reshapes the improved-soil blocks at once (improved_layers.h).
#include "frontend/model/project.h"
#include "frontend/pages/design_conditions_page.h"
#include "frontend/pages/input_page.h"
#include "frontend/pages/page_effects.h"

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

struct ImprovedBodyState {
  std::array<std::string, 5> txt_gm6{};   // X, Y (never shown), B, Dh1, Dh2
  std::array<std::string, 10> txt_gm7{};  // 0..4 wall frame, 5..9 lattice frame: Ls Ds Ll Bl1 Bl2
  int opt_gm6 = -1;                       // 1 編集, 2 削除, 3 No 位置; -1 none (0 is never shown)
  int inner_tab = 0;                      // 0 "改良体", 1 "改良体の形状"
  bool shape_tab_enabled = false;
  bool frame6_visible = true;   // wall form
  bool frame5_visible = false;  // lattice form
  std::string inp_dt;           // the text of the txt_gm6 box when it got the focus
};

class ImprovedBodyPage : public InputPage {
 public:
  ImprovedBodyPage(model::ProjectModel& model, PageEffects& effects,
                   const DesignConditionsPage& conditions, ImprovedBodyPort& port);

  const ImprovedBodyState& state() const { return s_; }

  void load() override;
  void store() override;

  // --- Events of the user ---
  void set_txt_gm6(int index, const std::string& text) { s_.txt_gm6.at(index) = text; }
  void set_txt_gm7(int index, const std::string& text) { s_.txt_gm7.at(index) = text; }
  void txt_gm6_GotFocus(int index);
  void txt_gm6_LostFocus(int index);
  void txt_gm7_LostFocus(int index);
  // Choosing an operation only shows its prompt; the picture editor reads the choice.
  void opt_gm6_select(int index);
  void opt_gm6_GotFocus(int index);
  void cmd_gm6_Click();
  void select_inner_tab(int tab);

  // The prompt of each picture operation.
  static const char* prompt(int index);

 private:
  model::ProjectModel& model_;
  PageEffects& effects_;
  const DesignConditionsPage& conditions_;
  ImprovedBodyPort& port_;
  ImprovedBodyState s_;
};

}  // namespace qvt::pages
