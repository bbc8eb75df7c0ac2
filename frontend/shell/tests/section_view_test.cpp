// The section picture in the main window: a sample opened, zoomed from the toolbar, panned with
// the arrow buttons, the mouse readout in the status bar, an action point clicked on page 6, and
// the layout on resize.
#include "frontend/pages/widgets/earth_pressure_view.h"
#include "frontend/shell/tests/sample_window.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>

#include <memory>

namespace qvt::shell::testing {
namespace {

class SectionViewTest : public SampleWindowTest {
 protected:
  void send(QEvent::Type type, Qt::MouseButton button, QPointF at) {
    QMouseEvent e(type, at, pic()->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(pic(), &e);
  }
};

TEST_F(SectionViewTest, ToolbarZoomAndRightClickRelease) {
  window->choose_category(1);
  ASSERT_FALSE(pic()->isHidden());
  const double scale = picture().view().scale;
  ASSERT_GT(scale, 1);
  window->toolbar_button(ToolbarButton::zoom_in)->trigger();
  EXPECT_TRUE(window->toolbar_button(ToolbarButton::zoom_in)->isChecked());
  EXPECT_EQ(window->view().bs_mode, 1);
  EXPECT_EQ(pic()->cursor().shape(), Qt::BitmapCursor);  // the magnifying glass
  EXPECT_EQ(pic()->cursor().hotSpot(), QPoint(0, 0));
  const QPointF at(120.5, 200.0);
  const section::WorldPoint clicked = section::world_point(picture().view(), at.x() * 15, at.y() * 15);
  send(QEvent::MouseButtonPress, Qt::LeftButton, at);
  EXPECT_NEAR(picture().view().scale, scale * 1.35, 1e-9);
  const section::ViewState& v = picture().view();
  EXPECT_NEAR(v.left_x + v.pic_width / 2.0 / v.scale, clicked.x, 1e-9);
  EXPECT_NEAR(v.top_y - v.pic_height / 2.0 / v.scale, clicked.y, 1e-9);
  // Zoom out takes over the group; a right click releases every view button.
  window->toolbar_button(ToolbarButton::zoom_out)->trigger();
  EXPECT_FALSE(window->toolbar_button(ToolbarButton::zoom_in)->isChecked());
  EXPECT_TRUE(window->toolbar_button(ToolbarButton::zoom_out)->isChecked());
  send(QEvent::MouseButtonPress, Qt::RightButton, at);
  EXPECT_EQ(window->view().bs_mode, 0);
  EXPECT_EQ(pic()->cursor().shape(), Qt::ArrowCursor);
  for (ToolbarButton b : {ToolbarButton::whole_section, ToolbarButton::zoom_in, ToolbarButton::zoom_out})
    EXPECT_FALSE(window->toolbar_button(b)->isChecked()) << static_cast<int>(b);
  // The whole view fits again and leaves its button released.
  window->toolbar_button(ToolbarButton::whole_section)->trigger();
  EXPECT_NEAR(picture().view().scale, scale, 1e-9);
  EXPECT_FALSE(window->toolbar_button(ToolbarButton::whole_section)->isChecked());
}

TEST_F(SectionViewTest, ArrowButtonsPanOneStepEach) {
  window->choose_category(5);
  const section::ViewState& v = picture().view();
  const double left = v.left_x, top = v.top_y;
  for (int i = 0; i < 3; ++i) window->view().arrow_button(1)->click();
  window->view().arrow_button(0)->click();
  EXPECT_NEAR(v.left_x, left + 400 / v.scale, 1e-9);
  window->view().arrow_button(3)->click();
  EXPECT_NEAR(v.top_y, top - 200 / v.scale, 1e-9);
  EXPECT_EQ(window->view().horizontal_bar()->value(), 2);
  EXPECT_EQ(window->view().vertical_bar()->minimum(), -32768);
  EXPECT_EQ(window->view().horizontal_bar()->maximum(), 32767);
  window->view().view_whole_section();
  EXPECT_EQ(window->view().horizontal_bar()->value(), 0);
  EXPECT_EQ(window->view().hscroll_last, 0);
  EXPECT_NEAR(v.left_x, left, 1e-9);
}

TEST_F(SectionViewTest, ReadoutInPanelTwoAndAPointOnPageSix) {
  window->choose_input_menu_item(5);  // "土圧作用点"
  ASSERT_EQ(window->current_page(), 6);
  send(QEvent::MouseMove, Qt::NoButton, pixel_of(12.3, -3.4));
  EXPECT_EQ(window->view().readout_label()->text().toStdString(), "X:  12.30 Y:  -3.40");
  send(QEvent::MouseButtonPress, Qt::LeftButton, pixel_of(6, 3));
  const auto& passive = window->model().conditions.pressure_points[0];
  ASSERT_EQ(passive.count, 3);
  EXPECT_DOUBLE_EQ(passive.x[2], 6);
  EXPECT_DOUBLE_EQ(passive.y[2], 3);
  EXPECT_EQ(window->view().editor().current_point_index, 2);
  // The page shows the new point.
  EXPECT_EQ(window->pages().earth_pressure_view().point_number()->text().toStdString(), "3");
  EXPECT_EQ(
      window->pages().earth_pressure_view().point_box(pages::PointBox::x)->text().toStdString(),
      "6.000");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SectionViewTest, ResizeLaysOutThePictureAndKeepsTheScale) {
  window->choose_category(2);
  const double scale = picture().view().scale;
  window->resize(1000, 700);
  // 15000 x 10500 twips: picture (15000 - 5280) x (10500 - 2805) = 9720 x 7695 twips,
  // 648 x 513 pixels; the drawing area 9660 x 7635; the pages from 10500 twips = 700 pixels.
  EXPECT_EQ(pic()->width(), 648);
  EXPECT_EQ(pic()->height(), 513);
  EXPECT_EQ(picture().view().pic_width, 9660);
  EXPECT_EQ(picture().view().pic_height, 7635);
  EXPECT_EQ(window->pages().page_container(2)->x(), 700);
  EXPECT_EQ(picture().view().scale, scale);
  // Not wider than 5400 twips: nothing moves.
  window->resize(360, 700);
  EXPECT_EQ(pic()->width(), 648);
}

}  // namespace
}  // namespace qvt::shell::testing
