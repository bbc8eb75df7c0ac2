#include "frontend/pages/widgets/ground_surface_view.h"

#include "frontend/pages/tests/page_test_support.h"
#include "frontend/widgets/edit_grid.h"
#include "frontend/widgets/tests/edit_grid_input.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace qvt::pages {
namespace {

using namespace qvt::widgets::testing;
using qvt::pages::testing::RecordingEffects;

class GroundSurfaceViewTest : public ::testing::Test {
 protected:
  GroundSurfaceViewTest() {
    m.conditions.surface_shape = 1;
    m.conditions.surface_point_count = 2;
    m.conditions.surface_points[0] = {0, 1.23456, 2};
    m.conditions.surface_points[1] = {0, 10, 3};
    m.conditions.embankment_layers[0] = {4, 18, 10};
    view.set_on_refresh([this] { ++refreshes; });
    page.load();
    view.refresh();
    view.resize(300, 458);
    show_active(view);
    view.inner_tabs()->setCurrentIndex(1);
    QApplication::processEvents();
  }
  widgets::EditGrid* grid(GroundGrid which) { return view.grid(which); }

  AppFirst app_first;  // the application exists before the view is built
  model::ProjectModel m;
  RecordingEffects fx;
  int refits = 0;
  int refreshes = 0;
  GroundSurfacePage page{m, fx, [this] { ++refits; }};
  GroundSurfaceView view{page};
};

TEST_F(GroundSurfaceViewTest, TheLoadFillsTheGridsAndRaisesNoEdit) {
  widgets::EditGrid* points = grid(GroundGrid::points);
  EXPECT_EQ(points->objectName().toStdString(), "surface_points_grid");
  EXPECT_EQ(points->row_count(), kPointGridRows);
  EXPECT_EQ(grid(GroundGrid::layers)->row_count(), kLayerGridRows);
  EXPECT_EQ(grid(GroundGrid::ranges)->row_count(), kRangeGridRows);
  EXPECT_EQ(points->cell(0, 1).toStdString(), "X座標");
  EXPECT_EQ(points->cell(1, 1).toStdString(), "1.235");
  EXPECT_EQ(points->cell(2, 2).toStdString(), "3.000");
  EXPECT_EQ(points->cell(5, 0).toStdString(), "5");  // an empty row shows its position too
  EXPECT_EQ(grid(GroundGrid::layers)->cell(1, 1).toStdString(), "4.00");
  EXPECT_EQ(grid(GroundGrid::ranges)->cell(0, 4).toStdString(), "地震時");
  // No copy-back ran: the row keeps the model's precision and nothing repainted.
  EXPECT_DOUBLE_EQ(page.state().point_rows[0].x, 1.23456);
  EXPECT_EQ(fx.repaints, 0);
  // A second load over filled grids raises nothing either.
  page.load();
  EXPECT_DOUBLE_EQ(page.state().point_rows[0].x, 1.23456);
  EXPECT_EQ(fx.repaints, 0);
}

TEST_F(GroundSurfaceViewTest, ATypedPointReachesTheRowsAndRepaints) {
  ASSERT_TRUE(grid(GroundGrid::points)->isVisible());
  const int before = refreshes;
  type_cell(*grid(GroundGrid::points), 3, 1, QStringLiteral("20.5"));
  type_cell(*grid(GroundGrid::points), 3, 2, QStringLiteral("-1"));
  const GroundSurfaceState& s = page.state();
  ASSERT_EQ(s.point_row_count, 3);
  EXPECT_DOUBLE_EQ(s.point_rows[2].x, 20.5);
  EXPECT_DOUBLE_EQ(s.point_rows[2].y, -1);
  EXPECT_DOUBLE_EQ(s.point_rows[0].x, 1.235);  // the whole grid read back as shown
  EXPECT_EQ(fx.repaints, 2);
  EXPECT_GT(refreshes, before);  // the shell passes the rows on at each refresh
  page.store();
  EXPECT_EQ(m.conditions.surface_point_count, 3);
  EXPECT_DOUBLE_EQ(m.conditions.surface_points[2].x, 20.5);
}

TEST_F(GroundSurfaceViewTest, ALayerEditReachesItsRowsWithoutARepaint) {
  type_cell(*grid(GroundGrid::layers), 2, 2, QStringLiteral("17"));
  ASSERT_EQ(page.state().layer_row_count, 2);
  EXPECT_DOUBLE_EQ(page.state().layer_rows[1].unit_weight_air, 17);
  EXPECT_DOUBLE_EQ(page.state().layer_rows[0].top_level, 4);
  EXPECT_EQ(fx.repaints, 0);
}

// A committed cell shows the number the page reads from it, in its column's pattern: the
// layer's top with two decimals, its weights and the points with three, as a load shows them.
TEST_F(GroundSurfaceViewTest, ACommittedCellShowsTheValueItHolds) {
  type_cell(*grid(GroundGrid::layers), 2, 1, QStringLiteral("5.5"));
  type_cell(*grid(GroundGrid::layers), 2, 2, QStringLiteral("17"));
  EXPECT_EQ(grid(GroundGrid::layers)->cell(2, 1).toStdString(), "5.50");
  EXPECT_EQ(grid(GroundGrid::layers)->cell(2, 2).toStdString(), "17.000");
  EXPECT_DOUBLE_EQ(page.state().layer_rows[1].top_level, 5.5);
  type_cell(*grid(GroundGrid::points), 3, 1, QStringLiteral("12"));
  EXPECT_EQ(grid(GroundGrid::points)->cell(3, 1).toStdString(), "12.000");
  EXPECT_DOUBLE_EQ(page.state().point_rows[2].x, 12);
  // "12abc" is not a number: the cell keeps what it held.
  type_cell(*grid(GroundGrid::points), 3, 1, QStringLiteral("13abc"));
  EXPECT_EQ(grid(GroundGrid::points)->cell(3, 1).toStdString(), "12.000");
  EXPECT_DOUBLE_EQ(page.state().point_rows[2].x, 12);
}

TEST_F(GroundSurfaceViewTest, TheShapeOptionsSwitchTheFrames) {
  EXPECT_TRUE(view.surface_option(SurfaceOption::arbitrary)->isChecked());
  EXPECT_FALSE(view.slopes_frame()->isVisible());
  EXPECT_TRUE(view.embankment_frame()->isVisible());
  EXPECT_TRUE(view.box(GroundBox::arbitrary_seabed_slope)->isVisible());
  EXPECT_TRUE(view.surface_option(SurfaceOption::vertical_collapse)->isEnabled());
  view.surface_option(SurfaceOption::straight)->click();
  EXPECT_EQ(m.conditions.surface_shape, 0);
  EXPECT_TRUE(view.slopes_frame()->isVisible());
  EXPECT_FALSE(view.points_frame()->isVisible());
  EXPECT_FALSE(view.box(GroundBox::arbitrary_seabed_slope)->isVisible());
  EXPECT_FALSE(view.surface_option(SurfaceOption::vertical_collapse)->isEnabled());
  EXPECT_FALSE(view.collapse_frame()->isEnabled());
  view.inner_tabs()->setCurrentIndex(2);
  EXPECT_TRUE(view.seabed_surcharge_frame()->isVisible());
  EXPECT_FALSE(view.ranges_frame()->isVisible());
  // Leaving a seabed box of the straight shape shows its value in the arbitrary shape's twin.
  QLineEdit* box = view.box(GroundBox::seabed_surcharge_normal);
  box->setFocus();
  QApplication::processEvents();
  type_text(box, QStringLiteral("12.3456"));
  view.box(GroundBox::seabed_surcharge_seismic)->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(box->text().toStdString(), "12.346");
  EXPECT_EQ(view.box(GroundBox::arbitrary_seabed_surcharge_normal)->text().toStdString(), "12.346");
}

}  // namespace
}  // namespace qvt::pages
