#include "frontend/shell/input_pages.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>

namespace qvt::shell {

namespace {

// Places of the containers inside the main window's client area, in pixels: the
// design-conditions page fills the width; the other pages stand right of the section picture.
constexpr int kPageTop = 40;
constexpr int kPageHeight = 470;
constexpr int kFirstPageLeft = 8;
constexpr int kFirstPageWidth = 784;
constexpr int kOtherPageLeft = 492;
constexpr int kOtherPageWidth = 300;

}  // namespace

InputPages::InputPages(QWidget* parent, model::ProjectModel& model) : model_(model) {
  for (int i = 0; i < kInputPageCount; ++i) {
    auto* page = new QFrame(parent);
    page->setObjectName(QStringLiteral("tab_gm_%1").arg(i));
    page->setFrameShape(QFrame::StyledPanel);
    if (i == 0)
      page->setGeometry(kFirstPageLeft, kPageTop, kFirstPageWidth, kPageHeight);
    else
      page->setGeometry(kOtherPageLeft, kPageTop, kOtherPageWidth, kPageHeight);
    page->hide();
    page->setEnabled(false);
    tab_gm_[i] = page;
  }
  lbl_gm1_27_ = new QLabel(QStringLiteral("（                         ）"), tab_gm_[0]);
  lbl_gm1_27_->setObjectName(QStringLiteral("lbl_gm1_27"));
  lbl_gm1_27_->move(16, 16);
  lbl_gm1_27_->adjustSize();
  chk_gm1_2_ = new QCheckBox(QStringLiteral("無条件に無視"), tab_gm_[0]);
  chk_gm1_2_->setObjectName(QStringLiteral("chk_gm1_2"));
  chk_gm1_2_->move(lbl_gm1_27_->x() + 12, 14);
  chk_gm1_2_->adjustSize();
  show_td_controls(false);
}

bool InputPages::is_shown(int index) const { return !tab_gm_.at(index)->isHidden(); }

void InputPages::show_td_controls(bool shown) {
  lbl_gm1_27_->setVisible(shown);
  chk_gm1_2_->setVisible(shown);
}

void InputPages::store_page(int index) {
  switch (index) {
    case 0: store_design_conditions_page(); break;
    case 1: store_superstructure_page(); break;
    case 2: store_improved_body_page(); break;
    case 3: store_ground_surface_page(); break;
    case 4: store_bearing_layer_page(); break;
    case 6: store_earth_pressure_page(); break;
    default: break;
  }
}

void InputPages::load_page(int index) {
  switch (index) {
    case 0: load_design_conditions_page(); break;
    case 1: load_superstructure_page(); break;
    case 2: load_improved_body_page(); break;
    case 3: load_ground_surface_page(); break;
    case 4: load_bearing_layer_page(); break;
    case 6: load_earth_pressure_page(); break;
    default: break;
  }
}

void InputPages::opt_gm4_Click(int index) {
  if (index <= 2) action_point_side_ = index == 1 ? 1 : 0;
}

void InputPages::opt_gm5_Click(int index) { soil_layer_side_ = index == 1 ? 1 : 0; }

}  // namespace qvt::shell
