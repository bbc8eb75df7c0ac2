#include "frontend/shell/input_pages.h"

#include "frontend/pages/widgets/bearing_layer_view.h"
#include "frontend/pages/widgets/design_conditions_view.h"
#include "frontend/pages/widgets/dimension_line_view.h"
#include "frontend/pages/widgets/earth_pressure_view.h"
#include "frontend/pages/widgets/ground_surface_view.h"
#include "frontend/pages/widgets/improved_body_view.h"
#include "frontend/pages/widgets/superstructure_view.h"
#include "frontend/dialogs/block_dialogs.h"
#include "frontend/shell/section_view.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qvt::shell {

namespace {

// Places of the containers inside the main window's client area, in pixels: the
// design-conditions page fills the width; the other pages stand right of the section picture.
constexpr int kPageTop = 40;
constexpr int kPageHeight = 458;  // down to the status bar
constexpr int kFirstPageLeft = 8;
constexpr int kFirstPageWidth = 784;
constexpr int kOtherPageLeft = 492;
constexpr int kOtherPageWidth = 300;

}  // namespace

// What the switch calls for a category: the load and store procedures of this class, so a
// page that fills them in is switched without further wiring.
class InputPages::CategoryPage : public pages::InputPage {
 public:
  CategoryPage(InputPages& owner, int index) : owner_(owner), index_(index) {}
  void load() override { owner_.load_page(index_); }
  void store() override { owner_.store_page(index_); }
  void arrive() override {
    if (index_ == section::kEarthPressurePage) owner_.arrive_earth_pressure_page();
  }

 private:
  InputPages& owner_;
  int index_;
};

InputPages::InputPages(QWidget* parent, model::ProjectModel& model, pages::PageEffects& effects,
                       SectionView& view)
    : model_(model),
      view_(view),
      editor_(view.editor()),
      design_(model, effects),
      dimension_(effects),
      improved_(model, effects, design_, *this),
      superstructure_(model, effects, *this),
      bearing_(model, effects, [this] { return design_.improvement_pattern() == pages::PatternChoice::wall; }),
      ground_(model, effects,
              [this] {
                view_.compute_section_extents();
                view_.view_whole_section();
              }),
      switch_(*this, effects, editor_),
      earth_(model, effects, editor_) {
  for (int i = 0; i < kInputPageCount; ++i) {
    auto* page = new QFrame(parent);
    page->setObjectName(QStringLiteral("input_page_%1").arg(i));
    page->setFrameShape(QFrame::StyledPanel);
    if (i == section::kDesignConditionsPage)
      page->setGeometry(kFirstPageLeft, kPageTop, kFirstPageWidth, kPageHeight);
    else
      page->setGeometry(kOtherPageLeft, kPageTop, kOtherPageWidth, kPageHeight);
    page->hide();
    page->setEnabled(false);
    page_containers_[i] = page;
  }
  auto fill = [](QWidget* container, QWidget* content) {
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
  };
  design_view_ = new pages::DesignConditionsView(design_);
  fill(page_containers_[section::kDesignConditionsPage], design_view_);
  dimension_view_ = new pages::DimensionLineView(dimension_);
  fill(page_containers_[section::kDimensionLinePage], dimension_view_);
  improved_view_ = new pages::ImprovedBodyView(improved_);
  fill(page_containers_[section::kImprovedBodyPage], improved_view_);
  superstructure_view_ = new pages::SuperstructureView(superstructure_);
  fill(page_containers_[section::kSuperstructurePage], superstructure_view_);
  bearing_view_ = new pages::BearingLayerView(bearing_);
  fill(page_containers_[section::kBearingLayerPage], bearing_view_);
  earth_view_ = new pages::EarthPressureView(earth_);
  fill(page_containers_[section::kEarthPressurePage], earth_view_);
  ground_view_ = new pages::GroundSurfaceView(ground_);
  fill(page_containers_[section::kGroundSurfacePage], ground_view_);
  // Whatever a page of the picture shows after an edit, the picture reads it through one step.
  const auto pass_on = [this] { pass_on_page_state(); };
  superstructure_view_->set_on_refresh(pass_on);
  improved_view_->set_on_refresh(pass_on);
  ground_view_->set_on_refresh(pass_on);
  dimension_view_->set_on_refresh(pass_on);
  earth_view_->set_on_refresh(pass_on);
  pass_on_page_state();

  for (int i = 0; i < kInputPageCount; ++i) {
    if (i == section::kDimensionLinePage) continue;
    category_pages_[i] = std::make_unique<CategoryPage>(*this, i);
    switch_.set_page(i, category_pages_[i].get());
  }
  switch_.set_page(section::kDimensionLinePage, &dimension_);
  show_td_controls(false);
}

// The page widgets go before their presenters: a box that loses the focus while the window
// closes still reaches its presenter.
InputPages::~InputPages() {
  delete design_view_;
  delete dimension_view_;
  delete improved_view_;
  delete superstructure_view_;
  delete bearing_view_;
  delete earth_view_;
  delete ground_view_;
}

bool InputPages::is_shown(int index) const { return !page_containers_.at(index)->isHidden(); }

QLabel* InputPages::unconditional_open_bracket() const {
  return design_view_->unconditional_open_bracket();
}
QCheckBox* InputPages::unconditionally_ignored() const {
  return design_view_->unconditionally_ignored();
}

void InputPages::show_td_controls(bool shown) {
  design_.show_td_controls(shown);
  design_view_->refresh();
}

void InputPages::store_design_conditions_page() { design_.store(); }

void InputPages::load_design_conditions_page() {
  design_.load();
  design_view_->refresh();
}

void InputPages::store_superstructure_page() { superstructure_.store(); }

void InputPages::load_superstructure_page() {
  superstructure_.load();
  superstructure_view_->refresh();
}

void InputPages::open_block_dialog(int slot, bool rectangle) {
  if (block_dialogs_ == nullptr) return;
  editor_.current_block_slot = static_cast<std::int16_t>(slot);
  const dialogs::BlockDialogRequest request{slot, true};
  if (rectangle)
    block_dialogs_->rectangle(request);
  else
    block_dialogs_->polygon(request);
}

bool InputPages::drop_pending_edit() {
  if (editor_.block_step == section::BlockEditStep::idle) return false;
  editor_.block_step = section::BlockEditStep::idle;
  view_.repaint_section();
  return true;
}

void InputPages::store_improved_body_page() { improved_.store(); }

void InputPages::load_improved_body_page() {
  improved_.load();
  improved_view_->refresh();
}

void InputPages::open_layer_dialog(int slot, bool edit_mode,
                                   const std::array<std::string, 5>& body_texts) {
  if (block_dialogs_ == nullptr) return;
  editor_.current_block_slot = static_cast<std::int16_t>(slot);
  block_dialogs_->layer({slot, edit_mode, body_texts});
}

void InputPages::view_whole_section() { view_.view_whole_section(); }

void InputPages::refresh_section_extents() {
  view_.compute_section_extents();
  view_.repaint_section();
}
void InputPages::store_bearing_layer_page() { bearing_.store(); }

void InputPages::load_bearing_layer_page() {
  bearing_.load();
  bearing_view_->refresh();
}

void InputPages::store_ground_surface_page() { ground_.store(); }
void InputPages::load_ground_surface_page() {
  ground_.load();
  ground_view_->refresh();
}

void InputPages::store_page(int index) {
  switch (index) {
    case section::kDesignConditionsPage: store_design_conditions_page(); break;
    case section::kSuperstructurePage: store_superstructure_page(); break;
    case section::kImprovedBodyPage: store_improved_body_page(); break;
    case section::kGroundSurfacePage: store_ground_surface_page(); break;
    case section::kBearingLayerPage: store_bearing_layer_page(); break;
    case section::kEarthPressurePage: store_earth_pressure_page(); break;
    default: break;
  }
}

void InputPages::load_page(int index) {
  switch (index) {
    case section::kDesignConditionsPage: load_design_conditions_page(); break;
    case section::kSuperstructurePage: load_superstructure_page(); break;
    case section::kImprovedBodyPage: load_improved_body_page(); break;
    case section::kGroundSurfacePage: load_ground_surface_page(); break;
    case section::kBearingLayerPage: load_bearing_layer_page(); break;
    case section::kEarthPressurePage: load_earth_pressure_page(); break;
    default: break;
  }
}

void InputPages::store_earth_pressure_page() { earth_.store(); }

void InputPages::load_earth_pressure_page() {
  earth_.load();
  earth_view_->refresh();
}

void InputPages::arrive_earth_pressure_page() {
  earth_.arrive();
  earth_view_->refresh();
}

void InputPages::reselect_point_option(pages::PointOption option) {
  earth_.reselect_point_option(option);
  earth_view_->refresh();
}

void InputPages::reselect_layer_side(int side) {
  earth_.reselect_layer_side(side);
  earth_view_->refresh();
}

void InputPages::select_action_point(int n) {
  earth_.select_action_point(n);
  earth_view_->refresh();
}

void InputPages::pass_on_page_state() {
  section::PageState& s = view_.page_state();
  s.wall_block_operation = superstructure_.state().operation;
  s.soil_block_operation = improved_.state().operation;
  s.body_boxes = improved_.state().body;
  s.inner_tab[section::kImprovedBodyPage] = improved_.state().inner_tab;
  const pages::GroundSurfaceState& g = ground_.state();
  s.arbitrary_surface = g.on(pages::SurfaceOption::arbitrary);
  s.inner_tab[section::kGroundSurfacePage] = ground_view_->inner_tabs()->currentIndex();
  s.surface_point_row_count = g.point_row_count;
  for (std::size_t i = 0; i < s.surface_point_rows.size() && i < g.point_rows.size(); ++i)
    s.surface_point_rows[i] = {g.point_rows[i].x, g.point_rows[i].y};
  s.dimension_point_mode = dimension_.mode();
  const auto& opt = earth_.state().point_options;
  s.action_point_mode = opt[0] ? 0 : opt[1] ? 1 : opt[2] ? 2 : -1;
  s.inner_tab[section::kEarthPressurePage] = earth_.state().inner_tab;
}

void InputPages::set_tab_shown(int category, bool shown) {
  // The dimension-line mode may have been chosen on arrival.
  if (shown && category == section::kDimensionLinePage) dimension_view_->refresh();
  page_containers_.at(category)->setVisible(shown);
}

void InputPages::set_tab_enabled(int category, bool enabled) {
  page_containers_.at(category)->setEnabled(enabled);
}

void InputPages::disable_inner_frames() {
  design_.disable_inner_frames();
  design_view_->refresh();
}

void InputPages::enable_selected_inner_frame() {
  design_.enable_selected_inner_frame();
  design_view_->refresh();
}

void InputPages::set_picture_shown(bool shown) { view_.set_shown(shown); }

}  // namespace qvt::shell
