#pragma once
// The seam between the section picture and the input pages: what the picture reads of the pages
// (the page shown, inner tabs, the chosen operation options, the improved-body boxes and the
// ground-surface rows being edited) and the two things it asks of them.
#include "frontend/model/project.h"

#include <array>
#include <string>

namespace qvt::section {

struct SurfaceRow {
  double x = 0;
  double y = 0;
};

// The superstructure page's operations on wall blocks, in the order of its options.
enum WallBlockOperation : int {
  kRegisterWallBlock = 0,  // 登録
  kEditWallBlock = 1,      // 編集
  kMoveWallBlock = 2,      // 移動
  kCopyWallBlock = 3,      // 複写
  kDeleteWallBlock = 4,    // 削除
  kPlaceWallBlockNumber = 5,  // No 位置
};

// The improved-body page's operations on improved-soil blocks, in the order of its options.
// Blocks are registered by the page's button, so the first option is never shown.
enum SoilBlockOperation : int {
  kNoSoilBlockOperation = -1,
  kRegisterSoilBlock = 0,
  kEditSoilBlock = 1,         // 編集
  kDeleteSoilBlock = 2,       // 削除
  kPlaceSoilBlockNumber = 3,  // No 位置
};

// The main window's input categories, one page each; the value is the page's index.
enum InputCategory : int {
  kDesignConditionsPage = 0,
  kSuperstructurePage = 1,
  kImprovedBodyPage = 2,
  kGroundSurfacePage = 3,
  kBearingLayerPage = 4,
  kDimensionLinePage = 5,
  kEarthPressurePage = 6,  // the action points and the soil layers
};
inline constexpr int kInputCategoryCount = 7;

struct PageState {
  // The input page shown.
  int shown_page = kDesignConditionsPage;
  // The current inner tab of each page (only the design-conditions, ground-surface and
  // earth-pressure pages have more than one).
  std::array<int, kInputCategoryCount> inner_tab{};
  // The chosen option of each group, -1 when none is chosen.
  int wall_block_operation = kRegisterWallBlock;
  int action_point_mode = 0;  // action points: 0 受働, 1 主働, 2 削除
  int soil_block_operation = kNoSoilBlockOperation;
  bool arbitrary_surface = false;  // 任意形状: the arbitrary ground surface is drawn
  int dimension_point_mode = 0;  // dimension points: 0 上部登録, 1 上部解除, 2 下部登録, 3 下部解除
  // The improved-body boxes X, Y, B, Dh1, Dh2 as typed.
  std::array<std::string, 5> body_boxes{};
  // The ground-surface rows being edited (not yet committed to the model).
  std::array<SurfaceRow, model::MAX_SURFACE_POINTS + 1> surface_point_rows{};
  int surface_point_row_count = 0;

  bool shows(int page) const { return shown_page == page; }
};

class PagePort {
 public:
  virtual ~PagePort() = default;
  virtual const PageState& page_state() const = 0;
  // Sets the caption of the action-point number label to n ("###0") and runs its change
  // handler, which shows that point of the current side and selects it (current_point_index
  // n - 1).
  virtual void select_action_point(int n) = 0;
  // Puts the prompt of the chosen block operation back into the status bar's first panel.
  virtual void restore_operation_prompt() = 0;
};

}  // namespace qvt::section
