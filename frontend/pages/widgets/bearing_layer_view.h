#pragma once
// The bearing-layer category: soil type, the sandy values with the proposals of φ, Nr and Nq,
// the clayey values, the improvement form and the sliding-check options, bound to their
// presenter. Every event goes to the presenter, and the controls then show its state again.
#include "frontend/pages/bearing_layer_page.h"

#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qvt::widgets {
class TextBoxFocus;
}

namespace qvt::pages {

class BearingLayerView : public QWidget {
 public:
  BearingLayerView(BearingLayerPage& page, QWidget* parent = nullptr);
  ~BearingLayerView() override;
  // Shows the presenter's state.
  void refresh();

  QLineEdit* txt_gm11(int i) const { return txt_.at(i); }
  QLabel* proposal(int i) const { return proposal_.at(i); }
  QPushButton* cmd_gm11(int i) const { return cmd_.at(i); }
  QRadioButton* opt_gm11(int i) const { return opt_.at(i); }
  QComboBox* cbo_gm11() const { return cbo_; }
  QCheckBox* chk_katu() const { return chk_katu_; }

 private:
  QLineEdit* make_box(int index);

  BearingLayerPage& page_;
  std::array<QLineEdit*, 11> txt_{};
  std::array<QLabel*, 3> proposal_{};
  std::array<QPushButton*, 3> cmd_{};
  std::array<QRadioButton*, 6> opt_{};
  std::array<QGroupBox*, 5> fra_{};
  std::vector<QLabel*> wall_notes_, other_notes_;
  QComboBox* cbo_ = nullptr;
  QCheckBox* chk_katu_ = nullptr;
  QLabel* po_caption_ = nullptr;
  std::vector<widgets::TextBoxFocus*> focus_watchers_;
};

}  // namespace qvt::pages
