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

  QLineEdit* txt_gm3(int i) const { return txt_gm3_.at(i); }
  QRadioButton* opt_gm3(int i) const { return opt_gm3_.at(i); }
  QPushButton* cmd_gm3(int i) const { return cmd_gm3_.at(i); }
  QGroupBox* fra_gm3() const { return fra_gm3_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SuperstructurePage& page_;
  std::array<QLineEdit*, 2> txt_gm3_{};
  std::array<QRadioButton*, 6> opt_gm3_{};
  std::array<QPushButton*, 2> cmd_gm3_{};
  QButtonGroup* group_ = nullptr;
  QGroupBox* fra_gm3_ = nullptr;
  std::function<void()> on_refresh_;
  std::vector<widgets::TextBoxFocus*> focus_watchers_;
};

}  // namespace qvt::pages
