#pragma once
// Category 1, the superstructure ("上部工"): the check point of both load cases ("上部工の検討点"),
// the picture operation on wall blocks and the registration of new wall blocks by their shape
// ("登録ブロック形状").
#include "frontend/model/project.h"
#include "frontend/pages/input_page.h"
#include "frontend/pages/page_effects.h"
#include "frontend/section/page_port.h"

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

// The check point boxes "Ｘ" and "Ｙ".
enum CheckPointBox { kCheckPointX = 0, kCheckPointY = 1 };

// The registration buttons of "登録ブロック形状".
enum BlockShapeButton { kArbitraryShape = 0, kRectangularShape = 1 };  // "任意形状", "矩形形状"

struct SuperstructureState {
  std::array<std::string, 2> check_point{};     // by CheckPointBox
  int operation = section::kRegisterWallBlock;  // section::WallBlockOperation
  bool registration_enabled = true;             // the shape buttons and their frame
};

class SuperstructurePage : public InputPage {
 public:
  SuperstructurePage(model::ProjectModel& model, PageEffects& effects, SuperstructurePort& port);

  const SuperstructureState& state() const { return s_; }

  void load() override;
  void store() override;

  void set_check_point(CheckPointBox box, const std::string& text) {
    s_.check_point.at(box) = text;
  }
  void leave_check_point(CheckPointBox box);
  void choose_operation(int operation);
  // An operation's option got the focus: its prompt goes to the status bar.
  void focus_operation(int operation);
  // A polygon block ("任意形状") or a rectangular block ("矩形形状") in the first free slot.
  void register_block(BlockShapeButton shape);

  static const char* prompt(int operation);

 private:
  model::ProjectModel& model_;
  PageEffects& effects_;
  SuperstructurePort& port_;
  SuperstructureState s_;
};

}  // namespace qvt::pages
