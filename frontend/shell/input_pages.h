#pragma once
// The seven input pages of the main window, one container per input category, and the switch
// between them: each category's page with its load and store, which the commands call in a
// fixed order.
#include "frontend/model/project.h"
#include "frontend/pages/bearing_layer_page.h"
#include "frontend/pages/design_conditions_page.h"
#include "frontend/pages/dimension_line_page.h"
#include "frontend/pages/earth_pressure_page.h"
#include "frontend/pages/improved_body_page.h"
#include "frontend/pages/superstructure_page.h"
#include "frontend/pages/ground_surface_page.h"
#include "frontend/pages/page_switch.h"
#include "frontend/section/editor_state.h"
#include "frontend/shell/section_view.h"

#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class QWidget;

namespace qvt::pages {
class BearingLayerView;
class DesignConditionsView;
class DimensionLineView;
class EarthPressureView;
class GroundSurfaceView;
class ImprovedBodyView;
class SuperstructureView;
}  // namespace qvt::pages

namespace qvt::dialogs {
class BlockDialogs;
}

namespace qvt::shell {

// The number of input categories; a page's index is its category (pages::InputCategory).
inline constexpr int kInputPageCount = pages::kCategoryCount;

class InputPages : public pages::PageSwitchHost,
                   public PagesBesidePicture,
                   private pages::ImprovedBodyPort,
                   private pages::SuperstructurePort {
 public:
  // Creates the containers as children of `parent`, placed, hidden and disabled.
  InputPages(QWidget* parent, model::ProjectModel& model, pages::PageEffects& effects,
             SectionView& view);
  ~InputPages() override;

  QWidget* page_container(int index) const override { return page_containers_.at(index); }
  // A page counts as shown when its container is not hidden.
  bool is_shown(int index) const override;

  // The opening bracket and the check box "無条件に無視" of the liquefaction option on the
  // design-conditions page, shown only for the command line "/td".
  QLabel* unconditional_open_bracket() const;
  QCheckBox* unconditionally_ignored() const;
  void show_td_controls(bool shown);

  // The switch between the input categories and the pages it knows.
  pages::PageSwitch& page_switch() { return switch_; }
  pages::DesignConditionsPage& design_conditions() { return design_; }
  pages::DesignConditionsView& design_conditions_view() { return *design_view_; }
  pages::DimensionLinePage& dimension_lines() { return dimension_; }
  pages::DimensionLineView& dimension_lines_view() { return *dimension_view_; }
  pages::SuperstructurePage& superstructure() { return superstructure_; }
  pages::SuperstructureView& superstructure_view() { return *superstructure_view_; }
  pages::ImprovedBodyPage& improved_body() { return improved_; }
  pages::ImprovedBodyView& improved_body_view() { return *improved_view_; }
  // The dialogs the register buttons open (the main window's).
  void set_block_dialogs(dialogs::BlockDialogs* dialogs) { block_dialogs_ = dialogs; }
  pages::BearingLayerPage& bearing_layer() { return bearing_; }
  pages::BearingLayerView& bearing_layer_view() { return *bearing_view_; }
  pages::GroundSurfacePage& ground_surface() { return ground_; }
  pages::GroundSurfaceView& ground_surface_view() { return *ground_view_; }
  // The picture editor's state, shared by the pages, the picture and the block dialogs.
  section::EditorState& editor_state() { return editor_; }

  // Commit a page's controls into the model.
  void store_design_conditions_page();
  void store_superstructure_page();
  void store_improved_body_page();
  void store_ground_surface_page();
  void store_bearing_layer_page();
  void store_earth_pressure_page();
  // Fill a page's controls from the model.
  void load_design_conditions_page();
  void load_superstructure_page();
  void load_improved_body_page();
  void load_ground_surface_page();
  void load_bearing_layer_page();
  void load_earth_pressure_page();

  // The page's own store procedure by index (the dimension-line page stores nothing).
  void store_page(int index);
  // The page's own load procedure by index (the dimension-line page loads nothing).
  void load_page(int index);

  // The option of the action-point tab and the side of the soil-layer tab: the commands that
  // replace the project switch the option on and run its handler.
  void reselect_point_option(pages::PointOption option);
  void reselect_layer_side(int side);
  // On arrival at the earth-pressure category, after its load: the passive registration mode
  // when no mode is chosen.
  void arrive_earth_pressure_page();
  // The earth-pressure category: its presenter, its widget, and the picture editor's choice of
  // an action point (the point number label shows n).
  pages::EarthPressurePage& earth_pressure() { return earth_; }
  pages::EarthPressureView& earth_pressure_view() { return *earth_view_; }
  void select_action_point(int n) override;
  // The superstructure and improved-body pages: the prompt of the chosen operation.
  void focus_wall_block_operation(int operation) override {
    superstructure_.focus_operation(operation);
  }
  void focus_soil_block_operation(int operation) override { improved_.focus_operation(operation); }

  // PageSwitchHost
  bool tab_shown(int category) const override { return is_shown(category); }
  void set_tab_shown(int category, bool shown) override;
  void set_tab_enabled(int category, bool enabled) override;
  void disable_inner_frames() override;
  void enable_selected_inner_frame() override;
  void set_picture_shown(bool shown) override;

 private:
  class CategoryPage;

  // ImprovedBodyPort
  void open_layer_dialog(int slot, bool edit_mode,
                         const std::array<std::string, 5>& body_texts) override;
  void view_whole_section() override;
  void refresh_section_extents() override;
  // SuperstructurePort
  void open_block_dialog(int slot, bool rectangle) override;
  bool drop_pending_edit() override;
  // Hands the picture what it reads of the pages: the chosen operation or mode of each page,
  // the inner tabs, the improved-body boxes and the ground-surface rows being edited (not the
  // committed points). Runs after every refresh of a page the picture works with.
  void pass_on_page_state();

  model::ProjectModel& model_;
  SectionView& view_;
  std::array<QWidget*, kInputPageCount> page_containers_{};
  section::EditorState& editor_;  // the main window's, shared with the picture and the dialogs
  pages::DesignConditionsPage design_;
  pages::DimensionLinePage dimension_;
  pages::ImprovedBodyPage improved_;
  pages::SuperstructurePage superstructure_;
  pages::SuperstructureView* superstructure_view_ = nullptr;
  dialogs::BlockDialogs* block_dialogs_ = nullptr;
  pages::ImprovedBodyView* improved_view_ = nullptr;
  pages::DesignConditionsView* design_view_ = nullptr;
  pages::DimensionLineView* dimension_view_ = nullptr;
  pages::BearingLayerPage bearing_;
  pages::BearingLayerView* bearing_view_ = nullptr;
  pages::GroundSurfacePage ground_;
  pages::GroundSurfaceView* ground_view_ = nullptr;
  std::array<std::unique_ptr<CategoryPage>, kInputPageCount> category_pages_;
  pages::PageSwitch switch_;
  pages::EarthPressurePage earth_;
  pages::EarthPressureView* earth_view_ = nullptr;
};

}  // namespace qvt::shell
