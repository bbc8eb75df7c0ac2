#pragma once
// Category 0, the design conditions ("設計条件"), with its three inner tabs: basic conditions,
// seismic coefficients and clay options, external forces and surcharges. The page state is
// plain data (texts, selections, check states, enabled and visible flags); each event of the
// controls is one method. Setting a control by code runs its handler here, in the order in
// which the load sets the controls, since the product rule and the frame choice depend on it.
#include "frontend/model/project.h"
#include "frontend/pages/input_page.h"
#include "frontend/pages/page_effects.h"

#include <array>
#include <string>

namespace qvt::pages {

struct TextBox {
  std::string text;
  bool enabled = true;
};

// Check-box states as the commit reads them.
enum CheckState : int { kUnchecked = 0, kChecked = 1, kGrayed = 2 };

// The text boxes of the page, by their control arrays.
enum class BoxGroup { gm1, gm2, gm19, gm20, gm21 };
struct BoxId {
  BoxGroup group;
  int index;
};

// The pictures the seismic tab shows beside its options (0: none yet).
inline constexpr int kPictureRwl = 1;   // wall pressure lines at the R.W.L., options (1), (2)
inline constexpr int kPictureClay = 3;  // the two clay earth-pressure formulas

struct DesignConditionsState {
  // Inner tab "基本条件". Indexes 5 to 11 belong to a calculation aid that is not built.
  std::array<TextBox, 31> txt_gm1{};
  // Pattern group: 0, 1, 4, 5; clay formula pair: 2, 3.
  std::array<bool, 6> opt_gm1{};
  bool fra_gm1_2_visible = true;  // allowable stresses
  bool fra_gm1_6_visible = true;  // design strength
  int chk_gm1 = kUnchecked;
  int chk_gm1_1 = kUnchecked;
  int chk_gm1_2 = kUnchecked;
  bool td_controls_visible = false;  // lbl_gm1(27) and chk_gm1_2

  // Inner tab "地震時".
  std::array<TextBox, 9> txt_gm2{};
  std::array<bool, 14> opt_gm2{};
  std::array<int, 2> chk_gm2{};
  int img_gm2 = 0;
  int last_illustration_index = 0;

  // Inner tab "外力".
  std::array<TextBox, 30> txt_gm19{};
  std::array<TextBox, 12> txt_gm20{};
  int chk_gm20 = kUnchecked;
  std::array<TextBox, 8> txt_gm21{};

  // The inner tab selected and which frames `fra_tb1`(0..2) are enabled.
  int inner_tab = 0;
  std::array<bool, 3> fra_tb1_enabled{true, false, false};
};

class DesignConditionsPage : public InputPage {
 public:
  DesignConditionsPage(model::ProjectModel& model, PageEffects& effects);

  const DesignConditionsState& state() const { return s_; }
  const TextBox& text_box(BoxId id) const { return box(id); }

  // `load_design_conditions_page` and `store_design_conditions_page`.
  void load() override;
  void store() override;

  // Which improvement-pattern button is selected (`opt_gm1`(0), (1), (4), (5)). The improved-body
  // and bearing-layer pages ask here rather than the model, so a pattern chosen on this page
  // reaches them before the page is committed.
  bool opt_gm1_selected(int index) const;

  // --- Events of the user ---
  // A text typed into a box. False when the box refuses it (name limits); the box then keeps
  // its text.
  bool text_edited(BoxId box, const std::string& text);
  void got_focus(BoxId box);
  void lost_focus(BoxId box);
  // The user selects an option button or sets a check box.
  void opt_gm1_select(int index);
  void opt_gm2_select(int index);
  void set_chk_gm1(int state);
  void set_chk_gm1_1(int state);
  void set_chk_gm1_2(int state);
  void set_chk_gm2(int index, int state);
  void set_chk_gm20(int state);
  // The inner tab changes (`Form1.tab_gm_Click` for category 0): only its frame is enabled.
  void select_inner_tab(int tab);
  // `Form1.tab_gm_Click` steps 1-2 for category 0 when the category becomes enabled: the frame
  // of the selected inner tab is enabled, the others are disabled.
  void enable_selected_inner_frame();
  void disable_inner_frames();
  // The "/td" switch shows `lbl_gm1`(27) and `chk_gm1_2`.
  void show_td_controls(bool shown) { s_.td_controls_visible = shown; }

  // --- Handlers as the system names them ---
  void opt_gm1_Click(int index);
  void opt_gm2_Click(int index);
  void txt_gm2_Change(int index);
  void fra_gm2_MouseMove(int index);
  void opt_gm2_MouseMove(int index);
  void chk_gm2_MouseMove(int index);

  // The display pattern of a box; empty for boxes that keep their text as typed.
  static const char* pattern_of(BoxId box);

 private:
  TextBox& box(BoxId id);
  const TextBox& box(BoxId id) const;
  void set_text(BoxId id, const std::string& text);  // by code: raises the box's Change
  void set_value(BoxId id, double value);            // formatted with the box's pattern
  double value_of(BoxId id) const;
  void select_gm1(int index);  // by code: selects and raises the Click
  void select_gm2(int index);
  void store_forces();

  model::ProjectModel& model_;
  PageEffects& effects_;
  DesignConditionsState s_;
};

}  // namespace qvt::pages
