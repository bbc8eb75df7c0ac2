// The section picture's widget on the offscreen platform: pixels of the test sections rendered
// at the start-up drawing area (453 x 425 pixels = 6795 x 6375 twips), and mouse events
// through the widget. (The pictures of the shipped samples in docs/ come from the shell test
// of the samples.)
#include "frontend/section/section_paint.h"
#include "frontend/section/tests/section_test_support.h"
#include "frontend/section/widgets/section_widget.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>


namespace qvt::section {
namespace {

using testing::FakePages;
using testing::load_sample;
using testing::RecordingEffects;

QApplication& app() {
  static int argc = 1;
  static char name[] = "section_widget_tests";
  static char* argv[] = {name, nullptr};
  // Kept for the whole run: a static one tears down after the platform's input devices.
  static QApplication* a = new QApplication(argc, argv);
  return *a;
}

QRgb rgb(int r, int g, int b) { return qRgb(r, g, b) & 0xffffff; }

bool colour_near(const QImage& image, int x, int y, QRgb colour, int reach = 3) {
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx) {
      const QPoint p(x + dx, y + dy);
      if (image.valid(p) && (image.pixel(p) & 0xffffff) == (colour & 0xffffff)) return true;
    }
  return false;
}

QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xffffff; }

struct Rendered {
  std::unique_ptr<model::ProjectModel> m;
  ViewState view;
  EditorState editor;
  PageState pages;
  QImage image;
};

Rendered render_sample(const char* name) {
  app();
  Rendered r;
  r.m = load_sample(name);
  r.view.pic_width = 6795;
  r.view.pic_height = 6375;
  compute_section_extents(r.view, *r.m);
  r.image = render_section(*r.m, r.view, r.editor, r.pages, 453, 425);
  return r;
}

TEST(SectionPixels, TwipsToPixelsFloors) {
  EXPECT_EQ(twips_to_pixels(0), 0);
  EXPECT_EQ(twips_to_pixels(14), 0);
  EXPECT_EQ(twips_to_pixels(15), 1);
  EXPECT_EQ(twips_to_pixels(-1), -1);
  EXPECT_EQ(twips_to_pixels(-15), -1);
  EXPECT_EQ(twips_to_pixels(-16), -2);
}

TEST(SectionPixels, BlockQuaySample) {
  const Rendered r = render_sample("sample_block_quay");
  EXPECT_EQ(at(r.image, 5, 5), rgb(0, 0, 0));
  // The wall's sea face x = 0 runs down picture x 2034 twips = pixel 135.
  EXPECT_EQ(at(r.image, 135, 120), rgb(255, 255, 255));
  // The cross at the wall's reference point (0, -10): (2034, 2972) twips = (135, 198) pixels,
  // its arms 15 twips (one pixel) either side; the R.W.L. line at y 978 twips = pixel 65 from
  // 794 to 1989 twips.
  EXPECT_EQ(at(r.image, 134, 198), rgb(255, 0, 0));
  EXPECT_EQ(at(r.image, 100, 65), rgb(255, 0, 0));
  // The wall's label "A" from (2529, 1674) twips, the body's green "B" from (3846, 4309).
  EXPECT_TRUE(colour_near(r.image, 168 + 3, 111 + 6, rgb(255, 0, 255)));
  EXPECT_TRUE(colour_near(r.image, 256 + 3, 287 + 6, rgb(0, 255, 0)));
}

TEST(SectionPixels, CaissonSampleDottedDivisions) {
  const Rendered r = render_sample("sample_caisson_quay");
  DisplayList list;
  paint_section({*r.m, r.view, r.editor, r.pages}, list);
  const DrawItem* dotted = nullptr;
  for (const DrawItem& i : list.items)
    if (i.kind == DrawItem::Line && i.style == LineStyle::Dot &&
        std::abs(i.y2 - i.y1) > 30 * kTwipsPerPixel && i.x1 == i.x2) {
      dotted = &i;
      break;
    }
  ASSERT_NE(dotted, nullptr);
  const int x = twips_to_pixels(dotted->x1);
  const int y1 = std::min(twips_to_pixels(dotted->y1), twips_to_pixels(dotted->y2));
  const int y2 = std::max(twips_to_pixels(dotted->y1), twips_to_pixels(dotted->y2));
  int white = 0, black = 0;
  for (int y = y1 + 2; y < y2 - 2; ++y) {
    const QRgb c = at(r.image, x, y);
    white += c == rgb(255, 255, 255);
    black += c == rgb(0, 0, 0);
  }
  EXPECT_GT(white, 5);
  EXPECT_GT(black, 5);
}

struct WidgetFixture {
  WidgetFixture() {
    picture.view().pic_width = 6795;
    picture.view().pic_height = 6375;
    picture.compute_section_extents();
    widget.resize(453, 425);
  }
  QApplication& application = app();  // before any widget
  std::unique_ptr<model::ProjectModel> m = load_sample("sample_block_quay");
  EditorState editor;
  FakePages pages{editor};
  RecordingEffects effects;
  SectionPicture picture{*m, editor, pages, effects};
  SectionPictureWidget widget{picture, nullptr};

  void press(Qt::MouseButton button, QPointF at) {
    QMouseEvent e(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), button, button,
                  Qt::NoModifier);
    QApplication::sendEvent(&widget, &e);
  }
  void move(QPointF at) {
    QMouseEvent e(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(&widget, &e);
  }
  // The pixel position of world (x, y), in unrounded twips divided by 15.
  QPointF pixel_of(double x, double y) const {
    const ViewState& v = picture.view();
    return {(x - v.left_x) * v.scale / kTwipsPerPixel, (v.top_y - y) * v.scale / kTwipsPerPixel};
  }
};

TEST(SectionWidget, ZoomClickThroughTheWidget) {
  WidgetFixture f;
  const double scale = f.picture.view().scale;
  f.picture.enter_zoom_in_mode();
  const QPointF p(100.5, 200.25);
  const WorldPoint clicked = world_point(f.picture.view(), p.x() * 15, p.y() * 15);
  f.press(Qt::LeftButton, p);
  EXPECT_NEAR(f.picture.view().scale, scale * 1.35, 1e-9);
  const WorldPoint centre = world_point(f.picture.view(), 6795 / 2.0, 6375 / 2.0);
  EXPECT_NEAR(centre.x, clicked.x, 1e-9);
  EXPECT_NEAR(centre.y, clicked.y, 1e-9);
  f.press(Qt::RightButton, p);
  EXPECT_EQ(f.editor.bs_mode, 0);
  EXPECT_EQ(f.effects.buttons.back(), (std::pair<int, bool>{10, false}));
}

TEST(SectionWidget, MouseMoveShowsTheReadout) {
  WidgetFixture f;
  f.move(f.pixel_of(12.3, -3.4));
  EXPECT_EQ(f.effects.readout, "X:  12.30 Y:  -3.40");
}

TEST(SectionWidget, ClickOnACornerRegistersAPassivePoint) {
  WidgetFixture f;
  f.pages.state.shown_page = 6;
  f.pages.state.action_point_mode = 0;
  f.press(Qt::LeftButton, f.pixel_of(6, 3));
  const auto& passive = f.m->conditions.pressure_points[0];
  ASSERT_EQ(passive.count, 3);
  EXPECT_DOUBLE_EQ(passive.x[2], 6);
  EXPECT_DOUBLE_EQ(passive.y[2], 3);
  // The widget paints what the picture draws: a cyan box around the new point.
  const QImage shot = f.widget.grab().toImage();
  const QPointF p = f.pixel_of(6, 3);
  EXPECT_TRUE(colour_near(shot, static_cast<int>(p.x()) + 3, static_cast<int>(p.y()), rgb(0, 255, 255), 1));
}

}  // namespace
}  // namespace qvt::section
