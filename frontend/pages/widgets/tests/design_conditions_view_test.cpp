#include "frontend/pages/widgets/design_conditions_view.h"

#include "frontend/pages/tests/page_test_support.h"
#include "frontend/widgets/tests/offscreen_app.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qvt::pages {
namespace {

using namespace qvt::widgets::testing;
using qvt::pages::testing::RecordingEffects;

class DesignConditionsViewTest : public ::testing::Test {
 protected:
  DesignConditionsViewTest() {
    page.load();
    view.resize(784, 470);
    view.refresh();
    show_active(view);
  }
  AppFirst app_first;  // the application exists before the view is built
  model::ProjectModel m;
  RecordingEffects fx;
  DesignConditionsPage page{m, fx};
  DesignConditionsView view{page};
};

TEST_F(DesignConditionsViewTest, TypedSafetyFactorIsRewrittenAfterTab) {
  QLineEdit* box = view.txt(safety_factor_box(kSlidingCheck, model::CASE_NORMAL));
  box->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(box->hasFocus());
  type_text(box, QStringLiteral("12.04"));
  EXPECT_EQ(box->text().toStdString(), "12.04");
  key(box, Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_FALSE(box->hasFocus());
  EXPECT_EQ(box->text().toStdString(), "12.0");
  page.store();
  EXPECT_EQ(m.conditions.safety_factors[0][0], 12);
  // "13abc" is not read as 13: the box goes back to what it showed.
  box->setFocus();
  QApplication::processEvents();
  type_text(box, QStringLiteral("13abc"));
  key(box, Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_EQ(box->text().toStdString(), "12.0");
  page.store();
  EXPECT_EQ(m.conditions.safety_factors[0][0], 12);
}

// A multi-line text pasted into a number box (a copied spreadsheet column) reads as its first
// line's number and the box shows it: the box is never left empty to stand as 0, nor does it run
// the lines' digits together.
TEST_F(DesignConditionsViewTest, APastedMultiLineTextReadsItsFirstLine) {
  for (const char* pasted : {"12.5\r\n34", "12.5\n34\n", "\r\n12.5\r\n"}) {
    SCOPED_TRACE(pasted);
    QLineEdit* rwl = view.txt(kRwlBox);
    rwl->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(rwl->hasFocus());
    QApplication::clipboard()->setText(QString::fromUtf8(pasted));
    rwl->selectAll();
    rwl->paste();
    view.txt(kLwlBox)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(rwl->text().toStdString(), "12.500");
    page.store();
    EXPECT_DOUBLE_EQ(m.conditions.water_levels[2], 12.5);
  }
}

TEST_F(DesignConditionsViewTest, LoadedValuesAreShownWholeAndTypingIsLimited) {
  m.conditions.external_forces[0][0].vertical = 12345.678;
  page.load();
  view.refresh();
  QLineEdit* box = view.txt(force_box(model::CASE_NORMAL, 0, kForceVertical));
  EXPECT_EQ(box->text().toStdString(), "12345.678");
  // Typing at the end of the 9-character text is refused; deleting is taken.
  view.inner_tabs()->setCurrentIndex(2);
  QApplication::processEvents();
  box->setFocus();
  QApplication::processEvents();
  box->deselect();
  box->end(false);
  type_text(box, QStringLiteral("9"));
  EXPECT_EQ(box->text().toStdString(), "12345.678");
  EXPECT_EQ(box->cursorPosition(), 9);
  EXPECT_TRUE(box->hasFocus());
  key(box, Qt::Key_Backspace);
  EXPECT_EQ(box->text().toStdString(), "12345.67");
  EXPECT_EQ(page.text_box(force_box(model::CASE_NORMAL, 0, kForceVertical)).text, "12345.67");
}

TEST_F(DesignConditionsViewTest, ProductFollowsTheFactorsOnScreen) {
  view.inner_tabs()->setCurrentIndex(1);
  EXPECT_TRUE(view.inner_frame(1)->isEnabled());
  EXPECT_FALSE(view.inner_frame(0)->isEnabled());
  view.seismic_option(kCoefFromFactors)->click();
  EXPECT_TRUE(view.txt(kRegionalEarthBox)->isEnabled());
  EXPECT_FALSE(view.txt(kSeismicCoefEarthBox)->isEnabled());
  const std::pair<BoxId, const char*> typed[] = {
      {kRegionalEarthBox, "0.15"}, {kGroundTypeEarthBox, "1.2"}, {kImportanceEarthBox, "1.0"}};
  for (const auto& [id, text] : typed) {
    QLineEdit* b = view.txt(id);
    b->setFocus();
    QApplication::processEvents();
    type_text(b, QString::fromUtf8(text));
  }
  EXPECT_EQ(view.txt(kSeismicCoefEarthBox)->text().toStdString(), "0.18");
}

TEST_F(DesignConditionsViewTest, PatternButtonsSwitchTheStressRows) {
  QGroupBox* stresses = view.allowable_stresses_frame();
  const BoxId shear[] = {kShearNormalBox, kShearSeismicBox};
  const BoxId strength[] = {kDesignStrengthNormalBox, kDesignStrengthSeismicBox};
  EXPECT_TRUE(view.pattern_button(PatternChoice::block)->isChecked());
  EXPECT_TRUE(stresses->isVisible());
  EXPECT_EQ(stresses->title().toStdString(), "許容応力度（kN/m2）");
  for (BoxId b : shear) EXPECT_TRUE(view.txt(b)->isVisible()) << b.index;
  for (BoxId b : strength) EXPECT_FALSE(view.txt(b)->isVisible()) << b.index;
  // Tangent circles: the allowable compressive stress (their internal stress's limit) with the
  // design strength, not the allowable shear stress they do not use; every row at its full
  // height, in the window's own size.
  view.pattern_button(PatternChoice::tangent_circles)->click();
  view.resize(776, 453);  // the page's size in the 800 x 606 window
  QApplication::processEvents();
  EXPECT_TRUE(stresses->isVisible());
  EXPECT_EQ(stresses->title().toStdString(), "許容応力度・設計基準強度（kN/m2）");
  for (BoxId b : {kCompressiveNormalBox, kCompressiveSeismicBox, strength[0], strength[1]})
    EXPECT_TRUE(view.txt(b)->isVisible()) << b.index;
  for (BoxId b : shear) EXPECT_FALSE(view.txt(b)->isVisible()) << b.index;
  EXPECT_GE(stresses->height(), stresses->sizeHint().height());
  for (BoxId b : {kCompressiveNormalBox, strength[0]})
    EXPECT_GE(view.txt(b)->height(), view.txt(b)->sizeHint().height()) << b.index;
  EXPECT_LT(view.txt(kCompressiveNormalBox)->geometry().bottom(), view.txt(strength[0])->geometry().top());
  EXPECT_EQ(page.improvement_pattern(), PatternChoice::tangent_circles);
  view.pattern_button(PatternChoice::wall)->click();
  EXPECT_EQ(stresses->title().toStdString(), "許容応力度（kN/m2）");
  for (BoxId b : shear) EXPECT_TRUE(view.txt(b)->isVisible()) << b.index;
  for (BoxId b : strength) EXPECT_FALSE(view.txt(b)->isVisible()) << b.index;
  view.pattern_button(PatternChoice::tangent_circles)->click();
  // The shallow-clay button of code 0 is the second from the top of its frame.
  view.inner_tabs()->setCurrentIndex(1);
  QApplication::processEvents();
  EXPECT_TRUE(view.seismic_option(kShallowPressureLower)->isChecked());
  EXPECT_LT(view.seismic_option(kShallowApparentBoth)->y(), view.seismic_option(kShallowPressureLower)->y());
  EXPECT_LT(view.seismic_option(kShallowPressureLower)->y(), view.seismic_option(kShallowPressureBounds)->y());
}

// The body reaction is an intensity (spread over its width and added to an overburden
// pressure), so its row says kN/m2; a caption of kN/m would invite a force per metre.
TEST_F(DesignConditionsViewTest, TheBodyReactionIsCaptionedAsAnIntensity) {
  const auto* frame = view.findChild<QGroupBox*>(QStringLiteral("body_reaction_frame"));
  ASSERT_NE(frame, nullptr);
  std::vector<std::string> captions;
  for (const QLabel* l : frame->findChildren<QLabel*>()) captions.push_back(l->text().toStdString());
  EXPECT_NE(std::find(captions.begin(), captions.end(), "地盤反力(kN/m2)"), captions.end());
  EXPECT_EQ(std::find(captions.begin(), captions.end(), "地盤反力(kN/m)"), captions.end());
}

TEST_F(DesignConditionsViewTest, TdSwitchShowsTheUnconditionalBox) {
  EXPECT_TRUE(view.unconditionally_ignored()->isHidden());
  page.show_td_controls(true);
  view.refresh();
  EXPECT_FALSE(view.unconditionally_ignored()->isHidden());
  EXPECT_FALSE(view.unconditional_open_bracket()->isHidden());
  EXPECT_FALSE(view.unconditional_close_bracket()->isHidden());
  // The brackets stand beside the box, in the order "（", box, "）", none over another.
  QApplication::processEvents();
  const QLabel* open = view.unconditional_open_bracket();
  const QLabel* close = view.unconditional_close_bracket();
  EXPECT_EQ(open->text().toStdString(), "（");
  EXPECT_EQ(close->text().toStdString(), "）");
  EXPECT_LE(open->geometry().right(), view.unconditionally_ignored()->x());
  EXPECT_LE(view.unconditionally_ignored()->geometry().right(), close->x());
  EXPECT_GE(view.unconditionally_ignored()->width(), view.unconditionally_ignored()->sizeHint().width());
  view.unconditionally_ignored()->click();
  page.store();
  EXPECT_EQ(m.conditions.liquefied_vertical_rule, 2);
}

TEST_F(DesignConditionsViewTest, HoveringTheRwlFrameShowsItsPicture) {
  view.inner_tabs()->setCurrentIndex(1);
  QApplication::processEvents();
  QGroupBox* f = view.hint_frame(kRwlFrame);
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), f->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(f, &move);
  EXPECT_EQ(page.state().seismic_picture, kPictureRwl);
  EXPECT_FALSE(view.seismic_picture()->pixmap().isNull());
}

}  // namespace
}  // namespace qvt::pages
