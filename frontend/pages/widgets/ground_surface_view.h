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

  QTabWidget* tab_gm_3() const { return tabs_; }
  QRadioButton* opt_gm8(int i) const { return opt_.at(i); }
  QLineEdit* txt_gm9(int i) const { return txt_gm9_.at(i); }
  QLineEdit* txt_gm10(int i) const { return txt_gm10_.at(i); }
  QGroupBox* fra_gm8(int i) const { return fra_gm8_.at(i); }
  QGroupBox* fra_gm9(int i) const { return fra_gm9_.at(i); }
  QGroupBox* fra_gm10(int i) const { return fra_gm10_.at(i); }
  // Aflg_KJ (points), Aflg_TJ (embankment layers), Aflg_JK (surcharge ranges).
  widgets::EditGrid* grid(GroundGrid which) const { return grids_.at(static_cast<int>(which)); }

 private:
  class GridAdapter;
  QLineEdit* make_box(bool gm9, int index);
  void add_grid(GroundGrid which, const char* name, std::vector<int> widths, int control_width);

  GroundSurfacePage& page_;
  QTabWidget* tabs_ = nullptr;
  std::array<QRadioButton*, 4> opt_{};
  std::array<QLineEdit*, 8> txt_gm9_{};
  std::array<QLineEdit*, 8> txt_gm10_{};
  std::array<QGroupBox*, 2> fra_gm8_{};
  std::array<QGroupBox*, 3> fra_gm9_{};
  std::array<QGroupBox*, 3> fra_gm10_{};
  QLabel* lbl_gm9_9_ = nullptr;
  QLabel* image4_ = nullptr;
  QLabel* image2_ = nullptr;
  bool image2_shows_ranges_ = false;
  std::array<widgets::EditGrid*, 3> grids_{};
  std::array<std::unique_ptr<GridAdapter>, 3> adapters_;
  std::vector<widgets::TextBoxFocus*> focus_watchers_;
  std::function<void()> on_refresh_;
};

}  // namespace qvt::pages
