#include "common/textfile.h"
#include "frontend/model/folders.h"
#include "frontend/pages/widgets/design_conditions_view.h"
#include "frontend/pages/widgets/dimension_line_view.h"
#include "frontend/pages/widgets/ground_surface_view.h"
#include "frontend/section/draw_sink.h"
#include "frontend/section/widgets/section_widget.h"
#include "frontend/widgets/tests/edit_grid_input.h"
#include "frontend/shell/main_window.h"
#include "frontend/shell/section_view.h"

#include "frontend/shell/tests/shell_test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <memory>

namespace qvt::shell::testing {
namespace {

class InputPagesTest : public ShellTest {
 protected:
  InputPagesTest() {
    model::prepare_work_folder(install(), work());
    window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
    window->load();
    window->show();
    ui.shown.clear();
  }
  pages::DesignConditionsView& view() { return window->pages().design_conditions_view(); }
  // A user's edit of a box: its text and the edit signal.
  void type(pages::BoxId id, const QString& text) {
    QLineEdit* e = view().txt(id);
    e->setText(text);
    emit e->textEdited(text);
  }
  std::vector<std::string> msj_lines(const std::string& name) {
    const auto lines = read_lines(path(name));
    EXPECT_TRUE(lines.has_value()) << name;
    return lines ? *lines : std::vector<std::string>{};
  }

  // Opens the sample, goes to the ground-surface page, chooses the arbitrary shape and types
  // three surface points into the point grid; returns them.
  std::vector<std::pair<double, double>> type_three_surface_points() {
    ui.files.push_back(QString::fromStdString(
        (std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / "sample_block_quay.MSJ").string()));
    window->open_project();
    window->findChild<QRadioButton*>(QStringLiteral("category_3"))->click();
    pages::GroundSurfaceView& g = window->pages().ground_surface_view();
    g.surface_option(pages::SurfaceOption::arbitrary)->click();
    g.inner_tabs()->setCurrentIndex(1);
    QApplication::processEvents();
    const std::vector<std::pair<double, double>> points = {{5, 3}, {15, 3}, {25, 5}};
    widgets::EditGrid* grid = g.grid(pages::GroundGrid::points);
    window->activateWindow();
    for (std::size_t r = 0; r < points.size(); ++r) {
      widgets::testing::type_cell(*grid, static_cast<int>(r) + 1, 1, QString::number(points[r].first));
      widgets::testing::type_cell(*grid, static_cast<int>(r) + 1, 2, QString::number(points[r].second));
    }
    return points;
  }

  std::unique_ptr<MainWindow> window;
};

TEST_F(InputPagesTest, TypedSafetyFactorReachesTheSavedConditions) {
  type(pages::safety_factor_box(pages::kSlidingCheck, model::CASE_NORMAL), QStringLiteral("1.3"));
  ui.files.push_back(qpath("quay.msj"));
  ASSERT_TRUE(window->save_project());
  const auto lines = msj_lines("quay.MSJ");
  ASSERT_GT(lines.size(), 13u);
  EXPECT_EQ(lines[12], "1.3,1");  // line 13: sliding, normal and seismic
}

TEST_F(InputPagesTest, LeavingTheCategoryCommitsItAndThePictureShowsElsewhere) {
  type(pages::kHwlBox, QStringLiteral("2.5"));
  EXPECT_FALSE(window->view().picture_widget()->isVisibleTo(window.get()));
  window->choose_category(3);
  EXPECT_EQ(window->model().conditions.water_levels[0], 2.5);
  EXPECT_EQ(window->current_page(), 3);
  EXPECT_TRUE(window->pages().page_container(0)->isHidden());
  EXPECT_FALSE(window->pages().page_container(3)->isHidden());
  EXPECT_TRUE(window->view().picture_widget()->isVisibleTo(window.get()));
  // Back on the design conditions, the inner tab's frame alone is enabled.
  view().inner_tabs()->setCurrentIndex(2);
  window->choose_category(0);
  EXPECT_FALSE(view().inner_frame(0)->isEnabled());
  EXPECT_TRUE(view().inner_frame(2)->isEnabled());
  EXPECT_FALSE(window->view().picture_widget()->isVisibleTo(window.get()));
}

TEST_F(InputPagesTest, DimensionLineModesAndTheirHintsInTheStatusBar) {
  window->choose_input_menu_item(6);
  EXPECT_EQ(window->current_page(), 5);
  auto& dims = window->pages().dimension_lines_view();
  EXPECT_TRUE(dims.mode_button(0)->isChecked());
  EXPECT_TRUE(window->status_bar().prompt_label()->text().isEmpty());
  window->activateWindow();
  dims.mode_button(3)->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(dims.mode_button(3)->hasFocus());
  EXPECT_EQ(window->status_bar().prompt_label()->text().toStdString(),
              "ブロック分割図の下部に表示する寸法線の変化点を解除してください。");
  dims.mode_button(3)->click();
  window->choose_category(1);
  window->choose_category(5);
  EXPECT_TRUE(dims.mode_button(0)->isChecked());
}

TEST_F(InputPagesTest, OpeningTheSampleFillsTheDesignConditions) {
  ui.files.push_back(QString::fromStdString(
      (std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / "sample_block_quay.MSJ").string()));
  window->open_project();
  EXPECT_EQ(view().txt(pages::kJobNameBox)->text().toStdString(), window->model().conditions.job_name);
  EXPECT_FALSE(window->model().conditions.job_name.empty());
  EXPECT_EQ(view().txt(pages::safety_factor_box(pages::kSlidingCheck, model::CASE_NORMAL))->text().toStdString(), "1.2");
  EXPECT_TRUE(view().seismic_check()->isChecked());  // the sample checks the seismic case
}

TEST_F(InputPagesTest, ClosingWithTheFocusInABoxIsSafe) {
  window->activateWindow();
  QLineEdit* box = view().txt(pages::safety_factor_box(pages::kSlidingCheck, model::CASE_NORMAL));
  box->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(box->hasFocus());
  box->setText(QStringLiteral("2"));
  window.reset();  // the box loses the focus while the window and its pages go
  SUCCEED();
}



TEST_F(InputPagesTest, TypedSurfacePointsAreDrawnInThePicture) {
  const auto points = type_three_surface_points();
  ASSERT_EQ(window->model().conditions.surface_shape, 1);  // written at once
  const section::PageState& s = window->view().page_state();
  ASSERT_TRUE(s.arbitrary_surface);
  ASSERT_EQ(s.surface_point_row_count, 3);
  EXPECT_DOUBLE_EQ(s.surface_point_rows[2].x, 25);
  EXPECT_DOUBLE_EQ(s.surface_point_rows[2].y, 5);
  // The picture draws the rows being edited, not yet committed: a light-green polyline through
  // the typed points, numbered while the page is shown.
  EXPECT_EQ(window->model().conditions.surface_point_count, 0);
  section::SectionPicture& picture = window->view().picture();
  const section::DisplayList list = picture.display_list();
  std::vector<section::DrawItem> green;
  for (const section::DrawItem& item : list.items)
    if (item.kind == section::DrawItem::Line && item.colour == section::kGreen) green.push_back(item);
  ASSERT_EQ(green.size(), 2u);
  const section::PicturePoint last = section::picture_point(picture.view(), 25, 5);
  EXPECT_EQ(green[1].x2, last.x);
  EXPECT_EQ(green[1].y2, last.y);
  // Each point's number stands 100 picture units right of it and 75 above.
  for (std::size_t k = 0; k < points.size(); ++k) {
    const section::PicturePoint p = section::picture_point(picture.view(), points[k].first, points[k].second);
    const bool numbered = std::any_of(list.items.begin(), list.items.end(), [&](const section::DrawItem& i) {
      return i.kind == section::DrawItem::Text && i.text == std::to_string(k + 1) &&
             i.x1 == p.x + 100 && i.y1 == p.y - 75;
    });
    EXPECT_TRUE(numbered) << k;
  }
  // And on screen: the pixel of the typed point (25, 5) is light green.
  QApplication::processEvents();
  const QImage image = window->view().picture_widget()->grab().toImage();
  const QPoint at(section::twips_to_pixels(last.x), section::twips_to_pixels(last.y));
  bool found = false;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (image.valid(at + QPoint(dx, dy)) && image.pixelColor(at + QPoint(dx, dy)) == QColor(0, 255, 0))
        found = true;
  EXPECT_TRUE(found) << "no green pixel near " << at.x() << ", " << at.y();
  // Leaving the page commits the points.
  window->choose_category(4);
  EXPECT_EQ(window->model().conditions.surface_point_count, 3);
  EXPECT_DOUBLE_EQ(window->model().conditions.surface_points[1].x, 15);
}


}  // namespace
}  // namespace qvt::shell::testing
