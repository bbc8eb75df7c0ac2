// The pictures of the input pages in the main window: each stands on its page, tab or frame,
// whole inside the page, with the block-quay test section open. (The documentation's pictures
// of the pages are taken in doc_pictures_test.cpp, from the shipped samples.)
#include "frontend/pages/widgets/ground_surface_view.h"
#include "frontend/pages/widgets/improved_body_view.h"
#include "frontend/shell/tests/sample_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

#include <string>

namespace qvt::shell::testing {
namespace {

class PagePicturesTest : public SampleWindowTest {
 protected:
  void choose_page(int index) {
    window->findChild<QRadioButton*>(QStringLiteral("category_%1").arg(index))->click();
    QApplication::processEvents();
  }
  // The improvement pattern as the user picks it on the design-conditions page.
  void choose_pattern(pages::PatternChoice pattern) {
    choose_page(0);
    window->findChild<QRadioButton*>(
            QStringLiteral("improvement_pattern_%1").arg(static_cast<int>(pattern)))
        ->click();
  }
  // The shape tab of the improved-body page with the form of that pattern.
  void show_shape_tab(pages::PatternChoice pattern) {
    choose_pattern(pattern);
    choose_page(2);
    body().inner_tabs()->setCurrentIndex(1);
    QApplication::processEvents();
  }
  QLabel* picture(const char* name) { return window->findChild<QLabel*>(QString::fromLatin1(name)); }
  // Shown, drawn and not cut off by the page around it.
  void expect_shown_whole(const char* name) {
    QLabel* label = picture(name);
    ASSERT_NE(label, nullptr) << name;
    EXPECT_TRUE(label->isVisible()) << name;
    EXPECT_FALSE(label->pixmap().isNull()) << name;
    EXPECT_EQ(label->size(), label->pixmap().size()) << name;
    QWidget* page = label->window();
    for (QWidget* w = label->parentWidget(); w != nullptr; w = w->parentWidget())
      if (qobject_cast<QTabWidget*>(w) != nullptr || w->objectName() == QStringLiteral("superstructure")) {
        page = w;
        break;
      }
    const QRect on_page(label->mapTo(page, QPoint(0, 0)), label->size());
    EXPECT_TRUE(page->rect().contains(on_page)) << name << " lies outside its page";
    // Nor does it squeeze the controls of its tab over each other.
    if (auto* tabs = qobject_cast<QTabWidget*>(page)) {
      QWidget* tab = tabs->currentWidget();
      EXPECT_LE(tab->minimumSizeHint().height(), tab->height()) << name;
    }
  }
  void save(const QByteArray& docs, const char* file) {
    QApplication::processEvents();
    ASSERT_TRUE(window->grab().save(QString::fromLocal8Bit(docs) + QLatin1Char('/') + QLatin1String(file)));
  }
  pages::ImprovedBodyView& body() { return window->pages().improved_body_view(); }
  pages::GroundSurfaceView& ground() { return window->pages().ground_surface_view(); }
};

TEST_F(PagePicturesTest, SuperstructureAndBodyPicturesStandOnTheirPages) {
  choose_page(1);
  expect_shown_whole("superstructure_picture");
  choose_page(2);
  expect_shown_whole("improved_body_picture");
  EXPECT_FALSE(picture("wall_form_picture")->isVisible());  // on the other inner tab
}

// Each form's frame carries its own picture, and only the frame of the chosen form is shown.
TEST_F(PagePicturesTest, ShapeTabShowsThePictureOfTheChosenForm) {
  struct Case {
    pages::PatternChoice pattern;
    const char* shown;
    const char* hidden;
  };
  for (const Case& c : {Case{pages::PatternChoice::wall, "wall_form_picture", "lattice_form_picture"},
                        Case{pages::PatternChoice::lattice, "lattice_form_picture", "wall_form_picture"}}) {
    show_shape_tab(c.pattern);
    expect_shown_whole(c.shown);
    EXPECT_FALSE(picture(c.hidden)->isVisible()) << c.hidden;
    EXPECT_EQ(picture(c.shown)->parentWidget(),
              c.pattern == pages::PatternChoice::wall ? body().wall_frame() : body().lattice_frame());
  }
  EXPECT_NE(picture("wall_form_picture")->pixmap().toImage(), picture("lattice_form_picture")->pixmap().toImage());
}

// "地表面" shows the shapes, "上載荷重" the surcharges of the shape chosen: uniform loads for the
// straight surface, ranges from Xmin to Xmax for the arbitrary one.
TEST_F(PagePicturesTest, GroundSurfacePicturesFollowTabAndShape) {
  choose_page(3);
  ground().inner_tabs()->setCurrentIndex(0);
  QApplication::processEvents();
  expect_shown_whole("surface_shapes_picture");
  ground().surface_option(pages::SurfaceOption::straight)->click();
  ground().inner_tabs()->setCurrentIndex(2);
  QApplication::processEvents();
  expect_shown_whole("surcharge_picture");
  const QImage straight = picture("surcharge_picture")->pixmap().toImage();
  ground().surface_option(pages::SurfaceOption::arbitrary)->click();
  QApplication::processEvents();
  expect_shown_whole("surcharge_picture");
  EXPECT_NE(picture("surcharge_picture")->pixmap().toImage(), straight);
  ground().surface_option(pages::SurfaceOption::straight)->click();
  EXPECT_EQ(picture("surcharge_picture")->pixmap().toImage(), straight);
}


}  // namespace
}  // namespace qvt::shell::testing
