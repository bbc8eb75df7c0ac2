#include "frontend/pages/widgets/bearing_layer_view.h"

#include "frontend/pages/tests/page_test_support.h"
#include "frontend/widgets/tests/offscreen_app.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace qvt::pages {
namespace {

using namespace qvt::widgets::testing;
using qvt::pages::testing::RecordingEffects;

class BearingLayerViewTest : public ::testing::Test {
 protected:
  BearingLayerViewTest() {
    m.install_folder = std::filesystem::path(QVT_SOURCE_DIR) / "data";
    m.conditions.bearing_layer.mean_n = 25;
    m.conditions.bearing_layer.phi = 25;
    m.conditions.bearing_layer.phi_formula = 0;
    page.load();
    view.resize(300, 458);
    view.refresh();
    show_active(view);
  }
  AppFirst app_first;  // the application exists before the view is built
  model::ProjectModel m;
  RecordingEffects fx;
  BearingLayerPage page{m, fx, [] { return false; }};
  BearingLayerView view{page};
};

TEST_F(BearingLayerViewTest, TypingMinusOneIntoNrFillsTheProposal) {
  EXPECT_EQ(view.proposal(1)->text().toStdString(), "8.21");  // key 25 of sj_keisu
  QLineEdit* box = view.txt_gm11(4);
  box->setFocus();
  QApplication::processEvents();
  box->selectAll();
  type_text(box, QStringLiteral("-1"));
  EXPECT_EQ(box->text().toStdString(), "8.210");
  page.store();
  EXPECT_DOUBLE_EQ(m.conditions.bearing_layer.bearing_nr, 8.21);
}

TEST_F(BearingLayerViewTest, FormulaAndArrowButtonReachTheBox) {
  view.cbo_gm11()->activated(3);  // √(20·25) + 15 = 37.36
  view.refresh();
  EXPECT_EQ(view.proposal(0)->text().toStdString(), "37.40");
  EXPECT_EQ(view.txt_gm11(3)->text().toStdString(), "25.000");
  view.cmd_gm11(0)->click();
  EXPECT_EQ(view.txt_gm11(3)->text().toStdString(), "37.400");
}

TEST_F(BearingLayerViewTest, ClayHidesTheSandyFrames) {
  view.opt_gm11(1)->click();
  EXPECT_FALSE(view.txt_gm11(0)->isVisible());
  EXPECT_TRUE(view.txt_gm11(9)->isVisible());
  EXPECT_FALSE(view.txt_gm11(10)->isVisible());
  EXPECT_FALSE(view.txt_gm11(6)->isVisible());
  view.opt_gm11(0)->click();
  EXPECT_TRUE(view.txt_gm11(0)->isVisible());
  EXPECT_TRUE(view.txt_gm11(10)->isVisible());
}

}  // namespace
}  // namespace qvt::pages
