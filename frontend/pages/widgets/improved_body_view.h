#pragma once
// The improved-body category: the tab "改良体" with the body boxes, the register button and the
// picture operations, and the tab "改良体の形状" with the wall and lattice frames, bound to
// their presenter.
#include "frontend/pages/improved_body_page.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace qvt::widgets {
class TextBoxFocus;
}

namespace qvt::pages {

class ImprovedBodyView : public QWidget {
 public:
  ImprovedBodyView(ImprovedBodyPage& page, QWidget* parent = nullptr);
  ~ImprovedBodyView() override;
  // Shows the presenter's state.
  void refresh();
  // Runs after every refresh, so the owner can pass on the chosen operation and the boxes.
  void set_on_refresh(std::function<void()> f) { on_refresh_ = std::move(f); }

  QTabWidget* inner_tabs() const { return tabs_; }
  QLineEdit* body_box(BodyBox box) const { return body_boxes_.at(box); }
  // `index`: form_box().
  QLineEdit* form_box_edit(int index) const { return form_boxes_.at(index); }
  QRadioButton* operation_option(int operation) const { return operation_options_.at(operation); }
  QPushButton* register_button() const { return register_button_; }
  QGroupBox* wall_frame() const { return wall_frame_; }
  QGroupBox* lattice_frame() const { return lattice_frame_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ImprovedBodyPage& page_;
  QTabWidget* tabs_ = nullptr;
  std::array<QLineEdit*, 5> body_boxes_{};
  std::array<QLineEdit*, 10> form_boxes_{};
  std::array<QRadioButton*, 4> operation_options_{};
  QButtonGroup* group_ = nullptr;
  QPushButton* register_button_ = nullptr;
  QGroupBox* wall_frame_ = nullptr;
  QGroupBox* lattice_frame_ = nullptr;
  std::function<void()> on_refresh_;
  std::vector<widgets::TextBoxFocus*> focus_watchers_;
};

}  // namespace qvt::pages
