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

  QTabWidget* tab_gm2() const { return tabs_; }
  QLineEdit* txt_gm6(int i) const { return txt_gm6_.at(i); }
  QLineEdit* txt_gm7(int i) const { return txt_gm7_.at(i); }
  QRadioButton* opt_gm6(int i) const { return opt_gm6_.at(i); }
  QPushButton* cmd_gm6() const { return cmd_gm6_; }
  QGroupBox* frame6() const { return frame6_; }
  QGroupBox* frame5() const { return frame5_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ImprovedBodyPage& page_;
  QTabWidget* tabs_ = nullptr;
  std::array<QLineEdit*, 5> txt_gm6_{};
  std::array<QLineEdit*, 10> txt_gm7_{};
  std::array<QRadioButton*, 4> opt_gm6_{};
  QButtonGroup* group_ = nullptr;
  QPushButton* cmd_gm6_ = nullptr;
  QGroupBox* frame6_ = nullptr;
  QGroupBox* frame5_ = nullptr;
  std::function<void()> on_refresh_;
  std::vector<widgets::TextBoxFocus*> focus_watchers_;
};

}  // namespace qvt::pages
