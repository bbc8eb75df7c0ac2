#pragma once
// The earth-pressure category: the tab "土圧作用点" with the registration modes, the point
// stepping and the seabed rule, and the tab "背面土層" with the side, the layer stepping and the
// values of one layer, bound to their presenter.
#include "frontend/pages/earth_pressure_page.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace qvt::widgets {
class TextBoxFocus;
}

namespace qvt::pages {

class EarthPressureView : public QWidget {
 public:
  EarthPressureView(EarthPressurePage& page, QWidget* parent = nullptr);
  ~EarthPressureView() override;
  // Shows the presenter's state.
  void refresh();
  // Runs after every refresh, so the owner can pass on the mode and the inner tab.
  void set_on_refresh(std::function<void()> f) { on_refresh_ = std::move(f); }

  QTabWidget* inner_tabs() const { return tabs_; }
  QRadioButton* point_option(PointOption o) const {
    return point_options_.at(static_cast<std::size_t>(o));
  }
  QLabel* point_number() const { return point_number_; }
  QPushButton* point_step(Step s) const { return point_steps_.at(static_cast<std::size_t>(s)); }
  QLineEdit* point_box(PointBox b) const { return point_boxes_.at(static_cast<std::size_t>(b)); }
  QRadioButton* side_option(int side) const { return side_options_.at(side); }
  QLabel* layer_number() const { return layer_number_; }
  QPushButton* layer_step(Step s) const { return layer_steps_.at(static_cast<std::size_t>(s)); }
  QRadioButton* soil_type_option(SoilType t) const {
    return soil_type_options_.at(static_cast<std::size_t>(t));
  }
  QLineEdit* layer_box(LayerBox b) const { return layer_boxes_.at(static_cast<std::size_t>(b)); }
  QCheckBox* liquefied() const { return liquefied_; }
  QLabel* slurry_caption() const { return slurry_caption_; }

 private:
  QLineEdit* make_point_box(PointBox box);
  QLineEdit* make_layer_box(LayerBox box);
  QLineEdit* make_box(const QString& name);

  EarthPressurePage& page_;
  QTabWidget* tabs_ = nullptr;
  bool tab_changing_ = false;  // a refused tab is turned back inside its own change
  std::array<QRadioButton*, 5> point_options_{};
  QButtonGroup* mode_group_ = nullptr;
  QButtonGroup* seabed_group_ = nullptr;
  QLabel* point_number_ = nullptr;
  std::array<QPushButton*, 2> point_steps_{};
  std::array<QLineEdit*, 3> point_boxes_{};
  std::array<QRadioButton*, 2> side_options_{};
  QButtonGroup* side_group_ = nullptr;
  QLabel* layer_number_ = nullptr;
  std::array<QPushButton*, 2> layer_steps_{};
  std::array<QRadioButton*, 2> soil_type_options_{};
  QButtonGroup* soil_type_group_ = nullptr;
  std::array<QLineEdit*, 6> layer_boxes_{};
  QCheckBox* liquefied_ = nullptr;
  QLabel* slurry_caption_ = nullptr;
  std::function<void()> on_refresh_;
  std::vector<widgets::TextBoxFocus*> focus_watchers_;
};

}  // namespace qvt::pages
