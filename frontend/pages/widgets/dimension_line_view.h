#pragma once
// The dimension-line category: the four mode buttons `opt_gm12` bound to their presenter.
#include "frontend/pages/dimension_line_page.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QRadioButton;

namespace qvt::pages {

class DimensionLineView : public QWidget {
 public:
  DimensionLineView(DimensionLinePage& page, QWidget* parent = nullptr);
  // Shows the chosen mode.
  void refresh();
  QRadioButton* opt_gm12(int i) const { return opt_gm12_.at(i); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  DimensionLinePage& page_;
  QButtonGroup* group_ = nullptr;
  std::array<QRadioButton*, 4> opt_gm12_{};
};

}  // namespace qvt::pages
