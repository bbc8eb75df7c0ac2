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

  QLineEdit* box(int box) const { return boxes_.at(box); }
  QLabel* proposal(int which) const { return proposal_.at(which); }
  QPushButton* arrow_button(int which) const { return take_buttons_.at(which); }
  QRadioButton* option(int option) const { return options_.at(option); }
  QComboBox* formula_list() const { return formula_list_; }
  QCheckBox* slope_length_width() const { return slope_check_; }

 private:
  QLineEdit* make_box(int box);

  BearingLayerPage& page_;
  std::array<QLineEdit*, kBearingBoxCount> boxes_{};
  std::array<QLabel*, 3> proposal_{};
  std::array<QPushButton*, 3> take_buttons_{};
  std::array<QRadioButton*, kBearingOptionCount> options_{};
  std::array<QGroupBox*, kBearingFrameCount> frames_{};
  std::vector<QLabel*> wall_notes_, other_notes_;
  QComboBox* formula_list_ = nullptr;
  QCheckBox* slope_check_ = nullptr;
  QLabel* po_caption_ = nullptr;
  std::vector<widgets::TextBoxFocus*> focus_watchers_;
};

}  // namespace qvt::pages
