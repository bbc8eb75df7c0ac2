#pragma once
// The eccentric inclined load check on a clay bearing layer "偏心傾斜荷重の検討": a thin binding of
// the clay check to its labels, boxes and the one set of class lists that stands on the row of the
// case being edited.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/results/clay_check.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qvt::results {

class ClayCheckDialog : public QDialog {
 public:
  // Loads at once from the model's work folder (CAL_HEN.DAT) and install folder (KS_AB.CSV).
  ClayCheckDialog(QWidget* owner, const model::ProjectModel& model, model::MessageSink& sink);
  ~ClayCheckDialog() override;

  const ClayCheck& check() const { return check_; }
  QLabel* ratio_label(int c, int which) const { return ratios_[c][which]; }
  // The class boxes: three per case, covered by the lists on the current row.
  QLineEdit* class_box(int load_case, int list) const { return class_boxes_[load_case][list]; }
  QComboBox* class_list(int list) const { return lists_[list]; }
  QLabel* a_label(int c) const { return a_[c]; }
  QLabel* b_label(int c) const { return b_[c]; }
  QLineEdit* nc_box(int c) const { return nc_[c]; }
  QLabel* qa_label(int c) const { return qa_[c]; }
  // The sign between qa and the maximum reaction, and the reaction itself.
  QLabel* sign_label(int c) const { return sign_[c]; }
  QLabel* reaction_label(int c) const { return reaction_[c]; }
  QLabel* verdict_label(int c) const { return verdict_[c]; }
  QPushButton* ok_button() const { return ok_; }
  // The notice of a B k / c0 below the smallest class; hidden for another value.
  QLabel* notice_label() const { return notice_; }

  // The user entered the class box of `list` in the row of `load_case`: the lists move to that
  // row.
  void enter_class_box(int load_case, int list);
  // OK: closes when both cases are judged; a box that goes back says why.
  void ok();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void show_rows();
  void place_lists();

  model::MessageSink& sink_;
  ClayCheck check_;
  bool showing_ = false;
  QGridLayout* grid_ = nullptr;
  std::array<std::array<QLabel*, 3>, 2> ratios_{};
  std::array<std::array<QLineEdit*, kClayListCount>, 2> class_boxes_{};  // [case][list]
  std::array<QComboBox*, 3> lists_{};
  std::array<QLabel*, 2> a_{};
  std::array<QLabel*, 2> b_{};
  std::array<QLineEdit*, 2> nc_{};
  std::array<QLabel*, 2> qa_{};
  std::array<QLabel*, 2> sign_{};
  std::array<QLabel*, 2> reaction_{};
  std::array<QLabel*, 2> verdict_{};
  QLabel* notice_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace qvt::results
