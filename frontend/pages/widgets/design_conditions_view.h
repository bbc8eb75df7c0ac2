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

  QTabWidget* inner_tabs() const { return tabs_; }
  QWidget* inner_frame(int j) const { return inner_frames_.at(j); }
  QLineEdit* txt(BoxId id) const;
  QRadioButton* pattern_button(PatternChoice p) const {
    return pattern_buttons_.at(static_cast<int>(p));
  }
  QRadioButton* normal_clay_formula_button(int formula) const {
    return normal_clay_buttons_.at(formula);
  }
  QRadioButton* seismic_option(int option) const { return seismic_options_.at(option); }
  QCheckBox* seismic_check() const { return seismic_check_; }
  QCheckBox* liquefied_vertical_ignored() const { return liquefied_ignored_; }
  QCheckBox* unconditionally_ignored() const { return unconditionally_ignored_; }
  QCheckBox* clay_comparison(int which) const { return clay_comparison_.at(which); }
  QCheckBox* top_surcharge_considered() const { return top_surcharge_; }
  QLabel* unconditional_open_bracket() const { return open_bracket_; }
  QLabel* unconditional_close_bracket() const { return close_bracket_; }
  QGroupBox* allowable_stresses_frame() const { return allowable_stresses_frame_; }
  QGroupBox* hint_frame(int frame) const { return hint_frames_.at(frame); }
  QLabel* seismic_picture() const { return seismic_picture_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* build_basic_tab();
  QWidget* build_seismic_tab();
  QWidget* build_forces_tab();
  QLineEdit* make_box(BoxId id, QWidget* parent, int width);
  QRadioButton* make_option(const char* name, int id, const QString& caption, QButtonGroup* group,
                            QWidget* parent);
  void box_edited(BoxId id, const QString& text);
  void show_box(BoxId id, const TextBox& b);

  DesignConditionsPage& page_;
  QTabWidget* tabs_ = nullptr;
  std::array<QWidget*, 3> inner_frames_{};
  std::map<std::pair<int, int>, QLineEdit*> boxes_;
  std::array<QRadioButton*, 4> pattern_buttons_{};
  std::array<QRadioButton*, 2> normal_clay_buttons_{};
  std::array<QRadioButton*, kSeismicOptionCount> seismic_options_{};
  QButtonGroup* pattern_group_ = nullptr;
  QButtonGroup* normal_clay_group_ = nullptr;
  std::array<QButtonGroup*, 5> seismic_groups_{};
  QCheckBox* seismic_check_ = nullptr;
  QCheckBox* liquefied_ignored_ = nullptr;
  QCheckBox* unconditionally_ignored_ = nullptr;
  std::array<QCheckBox*, 2> clay_comparison_{};
  QCheckBox* top_surcharge_ = nullptr;
  QLabel* open_bracket_ = nullptr;
  QLabel* close_bracket_ = nullptr;
  QGroupBox* allowable_stresses_frame_ = nullptr;
  QLabel* allowable_shear_caption_ = nullptr;
  QLabel* design_strength_caption_ = nullptr;
  QLabel* design_strength_note_ = nullptr;
  std::array<QGroupBox*, kHintFrameCount> hint_frames_{};
  QLabel* seismic_picture_ = nullptr;
  int shown_picture_ = -1;
  // Mouse moves: what each watched control is (0 frame, 1 option, 2 check box) and its index.
  QHash<QObject*, std::pair<int, int>> hover_;
  void watch_hover(QWidget* w, int kind, int index);
  std::vector<widgets::TextBoxFocus*> focus_watchers_;
};

}  // namespace qvt::pages
