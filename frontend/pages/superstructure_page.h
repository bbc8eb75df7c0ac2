#pragma once
// Category 1, the superstructure ("上部工"): the check point of both load cases (txt_gm3), the
// picture operation on wall blocks (opt_gm3) and the registration of new wall blocks (cmd_gm3).
#include "frontend/model/project.h"
#include "frontend/pages/input_page.h"
#include "frontend/pages/page_effects.h"

#include <array>
#include <string>

namespace qvt::pages {

// What the page needs of the main window beyond the common effects.
class SuperstructurePort {
 public:
  virtual ~SuperstructurePort() = default;
  // Shows the rectangle (`rectangle`) or polygon block dialog modally for a new block in `slot`.
  virtual void open_block_dialog(int slot, bool rectangle) = 0;
  // Recomputes the picture's extents and repaints it.
  virtual void refresh_section_extents() = 0;
  // Drops a half-done picture operation; true when there was one (the picture is repainted).
  virtual bool drop_pending_edit() = 0;
};

struct SuperstructureState {
  std::array<std::string, 2> txt_gm3{};  // check point X, Y
  int opt_gm3 = 0;                       // 0 登録 .. 5 No 位置
  bool registration_enabled = true;      // cmd_gm3(0), (1) and their frame
};

class SuperstructurePage : public InputPage {
 public:
  SuperstructurePage(model::ProjectModel& model, PageEffects& effects, SuperstructurePort& port);

  const SuperstructureState& state() const { return s_; }

  void load() override;
  void store() override;

  void set_txt_gm3(int index, const std::string& text) { s_.txt_gm3.at(index) = text; }
  void txt_gm3_LostFocus(int index);
  void opt_gm3_Click(int index);
  void opt_gm3_GotFocus(int index);
  // Index 0 polygon block, 1 rectangular block.
  void cmd_gm3_Click(int index);

  static const char* prompt(int index);

 private:
  model::ProjectModel& model_;
  PageEffects& effects_;
  SuperstructurePort& port_;
  SuperstructureState s_;
};

}  // namespace qvt::pages
