#pragma once
// The dimension-line category: the four mode buttons bound to their presenter.
#include "frontend/pages/dimension_line_page.h"

#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QRadioButton;

namespace qvt::pages {

class DimensionLineView : public QWidget {
 public:
  DimensionLineView(DimensionLinePage& page, QWidget* parent = nullptr);
  // Shows the chosen mode.
  void refresh();
  // Called at the end of every refresh (the main window passes the mode on to the picture).
  void set_on_refresh(std::function<void()> f) { on_refresh_ = std::move(f); }
  QRadioButton* mode_button(int mode) const { return mode_buttons_.at(mode); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  DimensionLinePage& page_;
  QButtonGroup* group_ = nullptr;
  std::array<QRadioButton*, 4> mode_buttons_{};
  std::function<void()> on_refresh_;
};

}  // namespace qvt::pages
