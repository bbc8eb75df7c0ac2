#include "frontend/pages/widgets/earth_pressure_view.h"

#include "frontend/pages/tests/page_test_support.h"
#include "frontend/widgets/tests/offscreen_app.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace qvt::pages {
namespace {

using namespace qvt::widgets::testing;
using qvt::pages::testing::RecordingEffects;

class EarthPressureViewTest : public ::testing::Test {
 protected:
  EarthPressureViewTest() {
    auto& p = m.conditions.pressure_points;
    p[0].count = 2;
    p[0].x = {-5, -5};
    p[0].y = {-10, -25};
    p[1].count = 3;
    p[1].x = {20, 20, 20};
    p[1].y = {3, -10, -25};
    m.conditions.soil_layers[0][0].phi = 30;
    m.conditions.soil_layers[1][1].soil_type = 1;
    page.load();
    page.arrive();
    view.resize(300, 458);
    view.refresh();
    show_active(view);
  }
  AppFirst app_first;  // the application exists before the view is built
  model::ProjectModel m;
  RecordingEffects fx;
  section::EditorState editor;
  EarthPressurePage page{m, fx, editor};
  EarthPressureView view{page};
};

TEST_F(EarthPressureViewTest, RefusedLayerTabSaysSoOnceAndReturnsToThePoints) {
  m.conditions.pressure_points[0].count = 1;
  view.inner_tabs()->setCurrentIndex(1);
  ASSERT_EQ(fx.messages_shown.size(), 1u);
  EXPECT_EQ(fx.messages_shown[0], kMsgNoPressurePoints);
  EXPECT_EQ(view.inner_tabs()->currentIndex(), 0);
  EXPECT_EQ(page.state().inner_tab, 0);
  EXPECT_EQ(editor.pressure_tab, section::PressureTab::action_points);
}

TEST_F(EarthPressureViewTest, PointButtonsStepAndTheDeleteModeLocksTheBoxes) {
  EXPECT_TRUE(view.point_option(PointOption::passive)->isChecked());
  EXPECT_TRUE(view.point_option(PointOption::seabed_at_passive_top)->isChecked());
  EXPECT_EQ(view.point_number()->text().toStdString(), "2");
  view.point_step(Step::next)->click();
  EXPECT_EQ(view.point_number()->text().toStdString(), "1");
  EXPECT_EQ(view.point_box(PointBox::y)->text().toStdString(), "-10.000");
  view.point_option(PointOption::remove)->click();
  EXPECT_TRUE(view.point_box(PointBox::x)->isReadOnly());
  EXPECT_TRUE(view.point_box(PointBox::y)->isReadOnly());
  view.point_option(PointOption::active)->click();
  EXPECT_FALSE(view.point_box(PointBox::x)->isReadOnly());
  EXPECT_EQ(view.point_number()->text().toStdString(), "3");
  EXPECT_EQ(view.point_box(PointBox::y)->text().toStdString(), "-25.000");
}

TEST_F(EarthPressureViewTest, TypedLayerValueReachesTheLayerAndIsRoundedOnLeaving) {
  view.inner_tabs()->setCurrentIndex(1);
  EXPECT_TRUE(fx.messages_shown.empty());
  EXPECT_TRUE(view.side_option(SIDE_PASSIVE)->isChecked());
  EXPECT_EQ(view.layer_number()->text().toStdString(), "1");
  EXPECT_EQ(view.layer_box(LayerBox::phi)->text().toStdString(), "30.00");
  QLineEdit* phi = view.layer_box(LayerBox::phi);
  phi->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(phi->hasFocus());
  phi->selectAll();
  type_text(phi, QStringLiteral("32.456"));
  EXPECT_DOUBLE_EQ(m.conditions.soil_layers[0][0].phi, 32.456);
  view.layer_box(LayerBox::unit_weight_air)->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(phi->text().toStdString(), "32.46");
  EXPECT_DOUBLE_EQ(m.conditions.soil_layers[0][0].phi, 32.46);
}

TEST_F(EarthPressureViewTest, ActiveSideShowsTheSlurryBoxAndClayDisablesPhi) {
  view.inner_tabs()->setCurrentIndex(1);
  EXPECT_TRUE(view.layer_box(LayerBox::slurry_unit_weight)->isHidden());
  EXPECT_TRUE(view.slurry_caption()->isHidden());
  view.side_option(SIDE_ACTIVE)->click();
  EXPECT_FALSE(view.layer_box(LayerBox::slurry_unit_weight)->isHidden());
  EXPECT_FALSE(view.slurry_caption()->isHidden());
  view.layer_step(Step::next)->click();  // layer 2 of the active side is clay
  EXPECT_EQ(view.layer_number()->text().toStdString(), "2");
  EXPECT_TRUE(view.soil_type_option(SoilType::clay)->isChecked());
  EXPECT_FALSE(view.layer_box(LayerBox::phi)->isEnabled());
  EXPECT_TRUE(view.layer_box(LayerBox::cohesion)->isEnabled());
  view.soil_type_option(SoilType::sand)->click();
  EXPECT_EQ(m.conditions.soil_layers[1][1].soil_type, 0);
  EXPECT_TRUE(view.layer_box(LayerBox::phi)->isEnabled());
  EXPECT_FALSE(view.layer_box(LayerBox::cohesion_gradient)->isEnabled());
  view.liquefied()->click();
  EXPECT_EQ(m.conditions.soil_layers[1][1].liquefied, 1);
}

}  // namespace
}  // namespace qvt::pages
