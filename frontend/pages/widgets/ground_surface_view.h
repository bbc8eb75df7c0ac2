#pragma once
// The ground-surface category: the shape and collapse-angle choices, the slope boxes, the three
// grids of an arbitrary surface (points, embankment layers, surcharge ranges) and the surcharge
// boxes, on three inner tabs, bound to their presenter. Every user event goes to the presenter,
// and the controls then show its state again.
#include "frontend/pages/ground_surface_page.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace qvt::widgets {
class EditGrid;
class TextBoxFocus;
}  // namespace qvt::widgets

namespace qvt::pages {

class GroundSurfaceView : public QWidget {
 public:
  GroundSurfaceView(GroundSurfacePage& page, QWidget* parent = nullptr);
  ~GroundSurfaceView() override;
  // Shows the presenter's state, then runs the refresh callback.
  void refresh();
  // Run after every refresh: the shell passes the rows on to the section picture there.
  void set_on_refresh(std::function<void()> f) { on_refresh_ = std::move(f); }

  QTabWidget* inner_tabs() const { return tabs_; }
  QRadioButton* surface_option(SurfaceOption o) const {
    return surface_options_.at(static_cast<std::size_t>(o));
  }
  QLineEdit* box(GroundBox b) const { return boxes_.at(static_cast<std::size_t>(b)); }
  QGroupBox* shape_frame() const { return shape_frame_; }
  QGroupBox* collapse_frame() const { return collapse_frame_; }
  QGroupBox* slopes_frame() const { return slopes_frame_; }
  QGroupBox* points_frame() const { return points_frame_; }
  QGroupBox* embankment_frame() const { return embankment_frame_; }
  QGroupBox* surface_surcharge_frame() const { return surface_surcharge_frame_; }
  QGroupBox* ranges_frame() const { return ranges_frame_; }
  QGroupBox* seabed_surcharge_frame() const { return seabed_surcharge_frame_; }
  // The grids of the points, the embankment layers and the surcharge ranges.
  widgets::EditGrid* grid(GroundGrid which) const { return grids_.at(static_cast<int>(which)); }

 private:
  class GridAdapter;
  QLineEdit* make_box(GroundBox box);
  void add_grid(GroundGrid which, const char* name, std::vector<int> widths, int control_width);

  GroundSurfacePage& page_;
  QTabWidget* tabs_ = nullptr;
  std::array<QRadioButton*, 4> surface_options_{};
  std::array<QLineEdit*, kGroundBoxCount> boxes_{};
  QGroupBox* shape_frame_ = nullptr;
  QGroupBox* collapse_frame_ = nullptr;
  QGroupBox* slopes_frame_ = nullptr;
  QGroupBox* points_frame_ = nullptr;
  QGroupBox* embankment_frame_ = nullptr;
  QGroupBox* surface_surcharge_frame_ = nullptr;
  QGroupBox* ranges_frame_ = nullptr;
  QGroupBox* seabed_surcharge_frame_ = nullptr;
  QLabel* seabed_slope_caption_ = nullptr;
  QLabel* slopes_picture_ = nullptr;
  QLabel* surcharge_picture_ = nullptr;
  bool surcharge_shows_ranges_ = false;
  std::array<widgets::EditGrid*, 3> grids_{};
  std::array<std::unique_ptr<GridAdapter>, 3> adapters_;
  std::vector<widgets::TextBoxFocus*> focus_watchers_;
  std::function<void()> on_refresh_;
};

}  // namespace qvt::pages
