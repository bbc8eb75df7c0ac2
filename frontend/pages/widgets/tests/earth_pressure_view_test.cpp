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
  view.tab_gm6()->setCurrentIndex(1);
  ASSERT_EQ(fx.messages_shown.size(), 1u);
  EXPECT_EQ(fx.messages_shown[0], kMsgNoPressurePoints);
  EXPECT_EQ(view.tab_gm6()->currentIndex(), 0);
  EXPECT_EQ(page.state().inner_tab, 0);
  EXPECT_EQ(editor.pressure_tab, section::PressureTab::action_points);
}

TEST_F(EarthPressureViewTest, PointButtonsStepAndTheDeleteModeLocksTheBoxes) {
  EXPECT_TRUE(view.opt_gm4(0)->isChecked());
  EXPECT_TRUE(view.opt_gm4(3)->isChecked());
  EXPECT_EQ(view.lbl_gm4()->text().toStdString(), "2");
  view.cmd_gm4(1)->click();
  EXPECT_EQ(view.lbl_gm4()->text().toStdString(), "1");
  EXPECT_EQ(view.txt_gm4(1)->text().toStdString(), "-10.000");
  view.opt_gm4(2)->click();
  EXPECT_TRUE(view.txt_gm4(0)->isReadOnly());
  EXPECT_TRUE(view.txt_gm4(1)->isReadOnly());
  view.opt_gm4(1)->click();
  EXPECT_FALSE(view.txt_gm4(0)->isReadOnly());
  EXPECT_EQ(view.lbl_gm4()->text().toStdString(), "3");
  EXPECT_EQ(view.txt_gm4(1)->text().toStdString(), "-25.000");
}

TEST_F(EarthPressureViewTest, TypedLayerValueReachesTheLayerAndIsRoundedOnLeaving) {
  view.tab_gm6()->setCurrentIndex(1);
  EXPECT_TRUE(fx.messages_shown.empty());
  EXPECT_TRUE(view.opt_gm5(0)->isChecked());
  EXPECT_EQ(view.lbl_gm5()->text().toStdString(), "1");
  EXPECT_EQ(view.txt_gm5(0)->text().toStdString(), "30.00");
  QLineEdit* phi = view.txt_gm5(0);
  phi->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(phi->hasFocus());
  phi->selectAll();
  type_text(phi, QStringLiteral("32.456"));
  EXPECT_DOUBLE_EQ(m.conditions.soil_layers[0][0].phi, 32.456);
  view.txt_gm5(3)->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(phi->text().toStdString(), "32.46");
  EXPECT_DOUBLE_EQ(m.conditions.soil_layers[0][0].phi, 32.46);
}

TEST_F(EarthPressureViewTest, ActiveSideShowsTheSlurryBoxAndClayDisablesPhi) {
  view.tab_gm6()->setCurrentIndex(1);
  EXPECT_TRUE(view.txt_gm5(5)->isHidden());
  EXPECT_TRUE(view.lbl_gm5_slurry()->isHidden());
  view.opt_gm5(1)->click();
  EXPECT_FALSE(view.txt_gm5(5)->isHidden());
  EXPECT_FALSE(view.lbl_gm5_slurry()->isHidden());
  view.cmd_gm5(1)->click();  // layer 2 of the active side is clay
  EXPECT_EQ(view.lbl_gm5()->text().toStdString(), "2");
  EXPECT_TRUE(view.opt_gmd5(1)->isChecked());
  EXPECT_FALSE(view.txt_gm5(0)->isEnabled());
  EXPECT_TRUE(view.txt_gm5(1)->isEnabled());
  view.opt_gmd5(0)->click();
  EXPECT_EQ(m.conditions.soil_layers[1][1].soil_type, 0);
  EXPECT_TRUE(view.txt_gm5(0)->isEnabled());
  EXPECT_FALSE(view.txt_gm5(2)->isEnabled());
  view.chk_gm5()->click();
  EXPECT_EQ(m.conditions.soil_layers[1][1].liquefied, 1);
}

}  // namespace
}  // namespace qvt::pages
