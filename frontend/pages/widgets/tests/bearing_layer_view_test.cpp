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
  EXPECT_EQ(view.proposal(kNrProposal)->text().toStdString(), "8.21");  // key 25 of sj_keisu
  QLineEdit* box = view.box(kNrBox);
  box->setFocus();
  QApplication::processEvents();
  box->selectAll();
  type_text(box, QStringLiteral("-1"));
  EXPECT_EQ(box->text().toStdString(), "8.210");
  page.store();
  EXPECT_DOUBLE_EQ(m.conditions.bearing_layer.bearing_nr, 8.21);
}

TEST_F(BearingLayerViewTest, FormulaAndArrowButtonReachTheBox) {
  view.formula_list()->activated(3);  // √(20·25) + 15 = 37.36
  view.refresh();
  EXPECT_EQ(view.proposal(kPhiProposal)->text().toStdString(), "37.40");
  EXPECT_EQ(view.box(kPhiBox)->text().toStdString(), "25.000");
  view.arrow_button(kPhiProposal)->click();
  EXPECT_EQ(view.box(kPhiBox)->text().toStdString(), "37.400");
}

TEST_F(BearingLayerViewTest, ClayHidesTheSandyFrames) {
  view.option(kClayeyGround)->click();
  EXPECT_FALSE(view.box(kSandyUnitWeightBox)->isVisible());
  EXPECT_TRUE(view.box(kClayUnitWeightBox)->isVisible());
  EXPECT_FALSE(view.box(kFrictionBox)->isVisible());
  EXPECT_FALSE(view.box(kPoBox)->isVisible());
  view.option(kSandyGround)->click();
  EXPECT_TRUE(view.box(kSandyUnitWeightBox)->isVisible());
  EXPECT_TRUE(view.box(kFrictionBox)->isVisible());
}

// μ=tanΦ (the project's default) locks the μ box on the μ the sliding check takes:
// tan 25° = 0.46631 → 0.466; "入力値" gives the typed μ back to edit.
TEST_F(BearingLayerViewTest, TheFrictionBoxIsLockedOnTanPhi) {
  QLineEdit* mu = view.box(kFrictionBox);
  EXPECT_EQ(mu->text().toStdString(), "0.466");
  EXPECT_FALSE(mu->isEnabled());
  view.option(kFrictionInput)->click();
  EXPECT_EQ(mu->text().toStdString(), "0.000");
  EXPECT_TRUE(mu->isEnabled());
  view.option(kFrictionTanPhi)->click();
  EXPECT_FALSE(mu->isEnabled());
}

}  // namespace
}  // namespace qvt::pages
