#pragma once
// The question which water-level study of a sibling design to take over, when it holds both.
#include <QDialog>

class QRadioButton;

namespace qvt::import {

class DataDialog : public QDialog {
 public:
  explicit DataDialog(QWidget* parent = nullptr);
  // 2 when "H.W.L" is selected, else 1.
  int chosen_case() const;
  QRadioButton* option(int index) const { return index == 0 ? hwl_ : lwl_; }

 private:
  QRadioButton* hwl_;
  QRadioButton* lwl_;
};

// Shows the dialog modal: 1 L.W.L., 2 H.W.L., 0 when it was closed without OK.
int ask_water_level_study(QWidget* parent);

}  // namespace qvt::import
