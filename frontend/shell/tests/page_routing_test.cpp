// What the pages hand the section picture, driven in the main window as a user drives it: the
// dimension-line mode and the improved-body inner tab decide what a click on the picture does;
// the page buttons stand in the menu's order; the clay check boxes show their hints on a real
// mouse move; a number box left without a number goes back and says why; a page's prompt goes
// with its page.
#include "frontend/pages/widgets/design_conditions_view.h"
#include "frontend/pages/widgets/dimension_line_view.h"
#include "frontend/pages/widgets/improved_body_view.h"
#include "frontend/pages/widgets/superstructure_view.h"
#include "frontend/shell/tests/sample_window.h"
#include "frontend/widgets/text_box_focus.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabWidget>

#include <cmath>
#include <string>

namespace qvt::shell::testing {
namespace {

class PageRoutingTest : public SampleWindowTest {
 protected:
  void choose_page(int category) {
    window->findChild<QRadioButton*>(QStringLiteral("category_%1").arg(category))->click();
    ASSERT_EQ(window->current_page(), category);
  }
  void click(double x, double y) {
    const QPointF at = pixel_of(x, y);
    QMouseEvent e(QEvent::MouseButtonPress, at, pic()->mapToGlobal(at), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pic(), &e);
  }
  void move_over(QWidget* w) {
    const QPointF at(4, w->height() / 2.0);
    QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  std::string prompt_line() { return window->view().prompt_label()->text().toStdString(); }
  const model::DimensionPointList& dims(int list) {
    return window->model().conditions.dimension_points[list];
  }
  static bool holds(const model::DimensionPointList& l, double x, double y) {
    for (int i = 0; i < l.count; ++i)
      if (std::abs(l.x[i] - x) < 1e-3 && std::abs(l.y[i] - y) < 1e-3) return true;
    return false;
  }
};

// Each of the four modes reaches the picture: a click registers in or releases from the list
// the mode names, and only there.
TEST_F(PageRoutingTest, DimensionLineModesReachThePicture) {
  choose_page(5);
  pages::DimensionLineView& page = window->pages().dimension_lines_view();
  EXPECT_TRUE(page.mode_button(0)->isChecked());  // chosen on arrival
  // A corner of the wall block (a rectangle: its corners are vertices 10..13) in neither list.
  const model::PolygonShape& p = window->model().wall_blocks[0].polygon;
  ASSERT_EQ(window->model().wall_blocks[0].block_type, model::BLOCK_RECTANGLE);
  double x = 0, y = 0;
  bool found = false;
  for (int k = 10; k <= 13 && !found; ++k) {
    x = p.vertex_x[k];
    y = p.vertex_y[k];
    found = !holds(dims(0), x, y) && !holds(dims(1), x, y);
  }
  ASSERT_TRUE(found);
  const int upper = dims(0).count, lower = dims(1).count;

  struct Step {
    int mode;
    int upper, lower;  // counts after the click, relative to the start
  } steps[] = {{2, 0, 1}, {0, 1, 1}, {3, 1, 0}, {1, 0, 0}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.mode);
    page.mode_button(s.mode)->click();
    click(x + 0.05, y + 0.05);  // near the corner: a registration snaps onto it
    EXPECT_EQ(dims(0).count, upper + s.upper);
    EXPECT_EQ(dims(1).count, lower + s.lower);
  }
  page.mode_button(2)->click();
  click(x, y);
  EXPECT_TRUE(holds(dims(1), x, y));
  EXPECT_FALSE(holds(dims(0), x, y));
  // Coming back to the page replaces a lower-list mode by "上部登録", for the picture too.
  choose_page(1);
  choose_page(5);
  EXPECT_TRUE(page.mode_button(0)->isChecked());
  EXPECT_EQ(window->view().page_state().dimension_point_mode, 0);
}

// A click while the inner tab "改良体の形状" is shown does not reach the improved-soil editor;
// back on "改良体" the same clicks select and delete the layer.
TEST_F(PageRoutingTest, ImprovedBodyClicksFollowTheInnerTab) {
  choose_page(0);
  window->pages().design_conditions_view().pattern_button(pages::PatternChoice::wall)->click();  // the shape tab is offered
  choose_page(2);
  pages::ImprovedBodyView& page = window->pages().improved_body_view();
  page.operation_option(section::kDeleteSoilBlock)->click();  // 削除
  const model::ProjectModel& m = window->model();
  ASSERT_EQ(m.wall_blocks[1].block_type, model::BLOCK_SOIL_RECTANGLE);
  ASSERT_TRUE(page.inner_tabs()->isTabEnabled(1));
  page.inner_tabs()->setCurrentIndex(1);
  EXPECT_EQ(window->view().page_state().inner_tab[2], 1);
  const std::string before = prompt_line();
  click(10, -17.5);
  click(10, -17.5);
  EXPECT_EQ(m.wall_blocks[1].block_type, model::BLOCK_SOIL_RECTANGLE);
  EXPECT_EQ(prompt_line(), before);

  page.inner_tabs()->setCurrentIndex(0);
  click(10, -17.5);
  EXPECT_EQ(prompt_line(), "左ボタンで削除／右ボタンで終了");
  click(10, -17.5);
  EXPECT_EQ(m.wall_blocks[1].block_type, model::BLOCK_EMPTY);
}

TEST_F(PageRoutingTest, PageButtonsStandInTheMenusOrder) {
  int last_x = -1;
  for (int category : {0, 1, 2, 3, 4, 6, 5}) {
    SCOPED_TRACE(category);
    auto* b = window->findChild<QRadioButton*>(QStringLiteral("category_%1").arg(category));
    EXPECT_GT(b->x(), last_x);
    last_x = b->x();
  }
  EXPECT_EQ(window->findChild<QRadioButton*>(QStringLiteral("category_6"))->text().toStdString(),
            "土圧作用");
}

// The move goes to the check box itself, as the window system delivers it; the frames around it
// must not overwrite its hint. A move over the outer clay frame does write its blank.
TEST_F(PageRoutingTest, ClayCheckBoxHintsOnAMouseMove) {
  choose_page(0);
  pages::DesignConditionsView& page = window->pages().design_conditions_view();
  page.inner_tabs()->setCurrentIndex(1);
  QApplication::processEvents();
  move_over(page.hint_frame(pages::kRwlFrame));  // a picture is shown: the outer frames now write a blank
  move_over(page.hint_frame(pages::kClayHandlingFrame));
  EXPECT_EQ(prompt_line(), " ");
  move_over(page.clay_comparison(pages::kCompareShallow));
  EXPECT_EQ(prompt_line(),
            "上限・下限値ともに直線補間で土圧を求めた場合は海底面の土圧と比較し大きい値を採用する");
  move_over(page.hint_frame(pages::kClayComparisonFrame));  // the comparison frame leaves the hint
  EXPECT_EQ(prompt_line(),
            "上限・下限値ともに直線補間で土圧を求めた場合は海底面の土圧と比較し大きい値を採用する");
  move_over(page.clay_comparison(pages::kCompareDeep));
  EXPECT_EQ(prompt_line(), "上限・下限値のうち下限が上限より小さくなる場合は下限に上限値を採用する");
}

// "abc" typed over the R.W.L. goes back to the value the box had, the status bar says why and
// the commit keeps the level; so does "3m", which is no more a number; "3" stands.
TEST_F(PageRoutingTest, ANumberBoxWithoutANumberGoesBack) {
  choose_page(0);
  pages::DesignConditionsView& page = window->pages().design_conditions_view();
  QLineEdit* rwl = page.txt(pages::kRwlBox);
  QLineEdit* other = page.txt(pages::kLwlBox);
  const double level = window->model().conditions.water_levels[2];
  const QString shown = rwl->text();
  struct Case {
    const char* typed;
    const char* after;
    double stored;
    bool notice;
  } cases[] = {
      {"abc", nullptr, level, true}, {"3m", nullptr, level, true}, {"3", "3.000", 3, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    window->view().prompt_label()->clear();
    rwl->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(rwl->hasFocus());
    rwl->setText(QString::fromUtf8(c.typed));
    emit rwl->textEdited(rwl->text());
    other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(rwl->text(), c.after ? QString::fromUtf8(c.after) : shown);
    EXPECT_EQ(prompt_line(), c.notice ? widgets::kMsgNotANumber : "");
    window->pages().store_design_conditions_page();
    EXPECT_DOUBLE_EQ(window->model().conditions.water_levels[2], c.stored);
  }
}

// The superstructure page's prompt belongs to that page: choosing another page clears it,
// choosing the page shown again keeps it. A number box's notice stays when its page is left,
// since it says why a value the user typed did not stand.
TEST_F(PageRoutingTest, ThePagePromptClearsWhenThePageChanges) {
  const std::string prompt = "登録するブロックタイプを指定して詳細設定ボタンを押してください。";
  pages::SuperstructureView& superstructure = window->pages().superstructure_view();
  choose_page(1);
  superstructure.operation_option(section::kRegisterWallBlock)->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(prompt_line(), prompt);
  choose_page(1);
  EXPECT_EQ(prompt_line(), prompt);
  for (int page : {2, 3, 4, 5, 6, 0}) {
    choose_page(1);
    superstructure.operation_option(section::kRegisterWallBlock)->clearFocus();
    superstructure.operation_option(section::kRegisterWallBlock)->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(prompt_line(), prompt);
    choose_page(page);
    EXPECT_EQ(prompt_line(), "") << page;
  }
  // On page 0 now: a box left with "abc" says why it went back, and the notice outlives the page.
  QLineEdit* rwl = window->pages().design_conditions_view().txt(pages::kRwlBox);
  rwl->setFocus();
  QApplication::processEvents();
  rwl->setText(QStringLiteral("abc"));
  emit rwl->textEdited(rwl->text());
  window->pages().design_conditions_view().txt(pages::kLwlBox)->setFocus();
  QApplication::processEvents();
  ASSERT_EQ(prompt_line(), widgets::kMsgNotANumber);
  choose_page(3);
  EXPECT_EQ(prompt_line(), widgets::kMsgNotANumber);
}

}  // namespace
}  // namespace qvt::shell::testing
