#pragma once
// The superstructure category: the check point boxes, the wall-block operations and the two
// registration buttons, bound to their presenter.
#include "frontend/pages/superstructure_page.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qvt::widgets {
class TextBoxFocus;
}

namespace qvt::pages {

class SuperstructureView : public QWidget {
 public:
  SuperstructureView(SuperstructurePage& page, QWidget* parent = nullptr);
  ~SuperstructureView() override;
  void refresh();
  // Runs after every refresh, so the owner can pass on the chosen operation.
  void set_on_refresh(std::function<void()> f) { on_refresh_ = std::move(f); }

  QLineEdit* check_point_box(CheckPointBox box) const { return check_point_boxes_.at(box); }
  QRadioButton* operation_option(int operation) const { return operation_options_.at(operation); }
  QPushButton* shape_button(BlockShapeButton shape) const { return shape_buttons_.at(shape); }
  QGroupBox* shape_frame() const { return shape_frame_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SuperstructurePage& page_;
  std::array<QLineEdit*, 2> check_point_boxes_{};
  std::array<QRadioButton*, 6> operation_options_{};
  std::array<QPushButton*, 2> shape_buttons_{};
  QButtonGroup* group_ = nullptr;
  QGroupBox* shape_frame_ = nullptr;
  std::function<void()> on_refresh_;
  std::vector<widgets::TextBoxFocus*> focus_watchers_;
};

}  // namespace qvt::pages
