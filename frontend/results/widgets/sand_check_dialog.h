#pragma once
// The eccentric inclined load check on a sandy bearing layer "偏心傾斜荷重の検討": a thin binding
// of the sand check to its labels, chart boxes and text boxes.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/results/sand_check.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qvt::results {

class SandCheckDialog : public QDialog {
 public:
  // Loads at once from the model's work folder (CAL_HEN.DAT and the charts).
  SandCheckDialog(QWidget* owner, const model::ProjectModel& model, model::MessageSink& sink);
  ~SandCheckDialog() override;

  // no_dialog: a chart could not be loaded; the caller does not show the dialog.
  SandCheck::Load load_result() const { return load_; }
  const SandCheck& check() const { return check_; }

  QLabel* tan_theta_label(int c) const { return tan_theta_[c]; }
  QLabel* ratio_label(int c) const { return ratio_[c]; }
  QComboBox* chart_box(int c) const { return chart_[c]; }
  QLineEdit* n_box(int c) const { return n_[c]; }
  QLabel* f_label(int c) const { return f_[c]; }
  QLineEdit* design_box(int c) const { return design_[c]; }
  QLabel* verdict_label(int c) const { return verdict_[c]; }
  QPushButton* ok_button() const { return ok_; }
  // The notice of a bearing layer weaker than every chart; hidden for another layer.
  QLabel* notice_label() const { return notice_; }

  // OK: closes when both cases are judged; a box that goes back says why.
  void ok();

 private:
  void show_row(int c);

  model::MessageSink& sink_;
  SandCheck check_;
  SandCheck::Load load_ = SandCheck::Load::unreadable;
  bool showing_ = false;  // the boxes are being filled from the check, not typed
  std::array<QLabel*, 2> tan_theta_{};
  std::array<QLabel*, 2> ratio_{};
  std::array<QComboBox*, 2> chart_{};
  std::array<QLineEdit*, 2> n_{};
  std::array<QLabel*, 2> f_{};
  std::array<QLineEdit*, 2> design_{};
  std::array<QLabel*, 2> verdict_{};
  QLabel* notice_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace qvt::results
