#pragma once
// The widget of the design-conditions category: three inner tabs with the controls of the page,
// bound to its presenter. User edits and clicks go to the presenter; after each event the
// controls are refreshed from the presenter's state with their signals blocked.
#include "frontend/pages/design_conditions_page.h"

#include <QHash>
#include <QWidget>

#include <map>
#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace qvt::widgets {
class TextBoxFocus;
}

namespace qvt::pages {

class DesignConditionsView : public QWidget {
 public:
  DesignConditionsView(DesignConditionsPage& page, QWidget* parent = nullptr);
  ~DesignConditionsView() override;

  // Shows the presenter's state.
  void refresh();

  QTabWidget* tab_gm_0() const { return tabs_; }
  QWidget* fra_tb1(int j) const { return fra_tb1_.at(j); }
  QLineEdit* txt(BoxId id) const;
  QRadioButton* opt_gm1(int i) const { return opt_gm1_.at(i); }
  QRadioButton* opt_gm2(int i) const { return opt_gm2_.at(i); }
  QCheckBox* chk_gm1() const { return chk_gm1_; }
  QCheckBox* chk_gm1_1() const { return chk_gm1_1_; }
  QCheckBox* chk_gm1_2() const { return chk_gm1_2_; }
  QCheckBox* chk_gm2(int i) const { return chk_gm2_.at(i); }
  QCheckBox* chk_gm20() const { return chk_gm20_; }
  QLabel* lbl_gm1_27() const { return lbl_gm1_27_; }  // the opening bracket
  QLabel* lbl_gm1_27_close() const { return lbl_gm1_27_close_; }
  QGroupBox* fra_gm1(int i) const { return fra_gm1_.at(i); }
  QGroupBox* fra_gm2(int i) const { return fra_gm2_.at(i); }
  QLabel* img_gm2() const { return img_gm2_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* build_basic_tab();
  QWidget* build_seismic_tab();
  QWidget* build_forces_tab();
  QLineEdit* make_box(BoxId id, QWidget* parent, int width);
  QRadioButton* make_option(std::array<QRadioButton*, 14>& store, const char* array_name, int i,
                            const QString& caption, QButtonGroup* group, QWidget* parent);
  void box_edited(BoxId id, const QString& text);
  void show_box(BoxId id, const TextBox& b);

  DesignConditionsPage& page_;
  QTabWidget* tabs_ = nullptr;
  std::array<QWidget*, 3> fra_tb1_{};
  std::map<std::pair<int, int>, QLineEdit*> boxes_;
  std::array<QRadioButton*, 14> opt_gm1_{};
  std::array<QRadioButton*, 14> opt_gm2_{};
  std::array<QButtonGroup*, 2> gm1_groups_{};
  std::array<QButtonGroup*, 5> gm2_groups_{};
  QCheckBox* chk_gm1_ = nullptr;
  QCheckBox* chk_gm1_1_ = nullptr;
  QCheckBox* chk_gm1_2_ = nullptr;
  std::array<QCheckBox*, 2> chk_gm2_{};
  QCheckBox* chk_gm20_ = nullptr;
  QLabel* lbl_gm1_27_ = nullptr;
  QLabel* lbl_gm1_27_close_ = nullptr;
  std::array<QGroupBox*, 7> fra_gm1_{};
  std::array<QGroupBox*, 8> fra_gm2_{};
  QLabel* img_gm2_ = nullptr;
  int shown_picture_ = -1;
  // Mouse moves: what each watched control is (0 frame, 1 option, 2 check box) and its index.
  QHash<QObject*, std::pair<int, int>> hover_;
  void watch_hover(QWidget* w, int kind, int index);
  std::vector<widgets::TextBoxFocus*> focus_watchers_;
};

}  // namespace qvt::pages
