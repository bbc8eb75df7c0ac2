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

  QTabWidget* tab_gm6() const { return tabs_; }
  QRadioButton* opt_gm4(int i) const { return opt_gm4_.at(i); }
  QLabel* lbl_gm4() const { return lbl_gm4_; }
  QPushButton* cmd_gm4(int i) const { return cmd_gm4_.at(i); }
  QLineEdit* txt_gm4(int i) const { return txt_gm4_.at(i); }
  QRadioButton* opt_gm5(int i) const { return opt_gm5_.at(i); }
  QLabel* lbl_gm5() const { return lbl_gm5_; }
  QPushButton* cmd_gm5(int i) const { return cmd_gm5_.at(i); }
  QRadioButton* opt_gmd5(int i) const { return opt_gmd5_.at(i); }
  QLineEdit* txt_gm5(int i) const { return txt_gm5_.at(i); }
  QCheckBox* chk_gm5() const { return chk_gm5_; }
  QLabel* lbl_gm5_slurry() const { return slurry_caption_; }

 private:
  QLineEdit* make_box(bool layer_box, int index);

  EarthPressurePage& page_;
  QTabWidget* tabs_ = nullptr;
  bool tab_changing_ = false;  // a refused tab is turned back inside its own change
  std::array<QRadioButton*, 5> opt_gm4_{};
  std::array<QButtonGroup*, 2> opt_gm4_groups_{};
  QLabel* lbl_gm4_ = nullptr;
  std::array<QPushButton*, 2> cmd_gm4_{};
  std::array<QLineEdit*, 3> txt_gm4_{};
  std::array<QRadioButton*, 2> opt_gm5_{};
  QButtonGroup* opt_gm5_group_ = nullptr;
  QLabel* lbl_gm5_ = nullptr;
  std::array<QPushButton*, 2> cmd_gm5_{};
  std::array<QRadioButton*, 2> opt_gmd5_{};
  QButtonGroup* opt_gmd5_group_ = nullptr;
  std::array<QLineEdit*, 6> txt_gm5_{};
  QCheckBox* chk_gm5_ = nullptr;
  QLabel* slurry_caption_ = nullptr;
  std::function<void()> on_refresh_;
  std::vector<widgets::TextBoxFocus*> focus_watchers_;
};

}  // namespace qvt::pages
