// A typo in a number box or a grid cell of the main window keeps the value that was there, and
// the status bar says why until the next valid entry or until another project is opened.
#include "frontend/pages/widgets/design_conditions_view.h"
#include "frontend/pages/widgets/ground_surface_view.h"
#include "frontend/shell/tests/sample_window.h"
#include "frontend/widgets/edit_grid.h"
#include "frontend/widgets/tests/edit_grid_input.h"
#include "frontend/widgets/text_box_focus.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <string>

namespace qvt::shell::testing {
namespace {

class EntryNoticeTest : public SampleWindowTest {
 protected:
  void choose_page(int category) {
    window->findChild<QRadioButton*>(QStringLiteral("category_%1").arg(category))->click();
    QApplication::processEvents();
  }
  std::string prompt_line() { return window->view().prompt_label()->text().toStdString(); }
  // Types over the R.W.L. box and leaves it for the box beside it.
  void enter_rwl(const char* typed) {
    pages::DesignConditionsView& page = window->pages().design_conditions_view();
    QLineEdit* rwl = page.txt(pages::kRwlBox);
    rwl->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(rwl->hasFocus());
    rwl->setText(QString::fromUtf8(typed));
    emit rwl->textEdited(rwl->text());
    page.txt(pages::kLwlBox)->setFocus();
    QApplication::processEvents();
  }
  double stored_rwl() {
    window->pages().store_design_conditions_page();
    return window->model().conditions.water_levels[2];
  }
};

// "1e999" and "abc" keep the level, each with its notice; a valid entry takes the notice away.
TEST_F(EntryNoticeTest, ABoxKeepsItsValueUntilAValidEntry) {
  choose_page(0);
  const double level = window->model().conditions.water_levels[2];
  const QString shown = window->pages().design_conditions_view().txt(pages::kRwlBox)->text();
  struct Case {
    const char* typed;
    double stored;
    const char* notice;
  } cases[] = {{"1e999", level, widgets::kMsgOutOfRange},
               {"abc", level, widgets::kMsgNotANumber},
               {"", 0, ""},  // an empty box reads 0
               {"2.5", 2.5, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    enter_rwl(c.typed);
    if (*c.notice) {
      EXPECT_EQ(window->pages().design_conditions_view().txt(pages::kRwlBox)->text(), shown);
    }
    EXPECT_EQ(prompt_line(), c.notice);
    EXPECT_DOUBLE_EQ(stored_rwl(), c.stored);
  }
}

// A typo over a ground-surface point leaves the cell and the point where they were; opening
// another project takes the notice away.
TEST_F(EntryNoticeTest, AGridCellTypoKeepsThePointAndOpeningAProjectClearsTheNotice) {
  choose_page(3);
  pages::GroundSurfaceView& ground = window->pages().ground_surface_view();
  // The arbitrary shape: the point table.
  ground.surface_option(pages::SurfaceOption::arbitrary)->click();
  ground.inner_tabs()->setCurrentIndex(1);
  QApplication::processEvents();
  widgets::EditGrid* points = ground.grid(pages::GroundGrid::points);
  ASSERT_TRUE(points->isVisible());
  widgets::testing::type_cell(*points, 1, 1, QStringLiteral("-20"));
  widgets::testing::type_cell(*points, 1, 2, QStringLiteral("3"));
  const QString x = points->cell(1, 1);
  window->pages().store_ground_surface_page();
  const auto before = window->model().conditions.surface_points;
  ASSERT_EQ(window->model().conditions.surface_point_count, 1);  // the row typed above
  ASSERT_EQ(before[0].x, -20.0);
  for (const char* typed : {"abc", "1e999"}) {
    SCOPED_TRACE(typed);
    widgets::testing::type_cell(*points, 1, 1, QString::fromUtf8(typed));
    EXPECT_EQ(points->cell(1, 1), x);
    EXPECT_EQ(prompt_line(), std::string(typed) == "abc" ? widgets::kMsgNotANumber : widgets::kMsgOutOfRange);
    window->pages().store_ground_surface_page();
    const auto& after = window->model().conditions.surface_points;
    for (std::size_t i = 0; i < after.size(); ++i) {
      EXPECT_EQ(after[i].x, before[i].x) << i;
      EXPECT_EQ(after[i].y, before[i].y) << i;
    }
  }
  ui.files.push_back(QString::fromStdString(block_quay_sample().string()));
  window->open_project();
  EXPECT_EQ(prompt_line(), "");
}

}  // namespace
}  // namespace qvt::shell::testing
