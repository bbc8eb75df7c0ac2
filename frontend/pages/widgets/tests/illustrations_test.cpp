#include "frontend/pages/widgets/illustrations.h"

#include "frontend/widgets/tests/offscreen_app.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

namespace qvt::pages {
namespace {

using namespace qvt::widgets::testing;

// The fills the pictures share.
const QColor kWhite(255, 255, 255);
const QColor kImproved(226, 210, 170);
const QColor kConcrete(212, 212, 212);
const QColor kWater(222, 236, 252);
const QColor kEmbankment(240, 226, 190);

struct Probe {
  QPoint at;
  QColor colour;
};

struct Case {
  const char* name;
  std::function<QPixmap()> draw;
  QSize size;
  std::vector<Probe> probes;
};

// Each picture has the size its page leaves it, holds a drawing, and fills its parts where the
// layout puts them: which part of the wall and lattice forms is improved is what tells them
// apart.
TEST(IllustrationsTest, EachPictureHasItsSizeAndItsParts) {
  AppFirst app_first;
  const std::vector<Case> cases = {
      {"superstructure", superstructure_picture, {260, 170},
       {{{150, 30}, kConcrete}, {{190, 120}, kImproved}, {{20, 90}, kWater}}},
      {"improved body", improved_body_picture, {260, 188},
       {{{80, 140}, kImproved}, {{10, 60}, kWater}, {{92, 45}, QColor(236, 236, 236)}}},
      // Plan: long wall, gap at Ｂｌ１, gap at Ｂｓ; section: top at Ｂｓ, below the short
      // walls at Ｂｌ１ and at Ｂｓ.
      {"wall form", wall_form_picture, {250, 162},
       {{{30, 22}, kImproved}, {{40, 38}, kWhite}, {{80, 40}, kImproved},
        {{80, 105}, kImproved}, {{40, 130}, kWhite}, {{100, 130}, kWhite}}},
      {"lattice form", lattice_form_picture, {250, 162},
       {{{30, 22}, kImproved}, {{40, 38}, kImproved}, {{80, 40}, kWhite},
        {{80, 105}, kImproved}, {{40, 130}, kImproved}, {{100, 130}, kWhite}}},
      {"ground surface shapes", ground_surface_shapes_picture, {260, 194},
       {{{10, 80}, kWater}, {{90, 155}, kEmbankment}, {{222, 155}, kEmbankment}}},
      {"surface slopes", surface_slopes_picture, {260, 124},
       {{{112, 70}, kConcrete}, {{60, 65}, kWater}}},
      {"surcharge straight", [] { return surcharge_picture(false); }, {260, 124},
       {{{114, 60}, kConcrete}, {{20, 50}, kWater}}},
      {"surcharge ranges", [] { return surcharge_picture(true); }, {260, 124},
       {{{114, 60}, kConcrete}, {{20, 50}, kWater}}},
  };
  for (const Case& c : cases) {
    const QImage image = c.draw().toImage();
    EXPECT_EQ(image.size(), c.size) << c.name;
    long drawn = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) != kWhite) ++drawn;
    EXPECT_GT(drawn, image.width() * image.height() / 10) << c.name;
    for (const Probe& p : c.probes)
      EXPECT_EQ(image.pixelColor(p.at).name().toStdString(), p.colour.name().toStdString())
          << c.name << " at " << p.at.x() << ", " << p.at.y();
  }
  EXPECT_NE(surcharge_picture(false).toImage(), surcharge_picture(true).toImage());
}

// Whether a pixel is drawn in a colour (anti-aliased edges blend toward white or the fill below).
bool near_colour(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 90;
}

// The box an area of exactly this fill spans: the columns and rows that hold at least 20 of its
// pixels (the edges of anti-aliased text may blend to the same colour here and there).
QRect extent_of(const QImage& image, const QColor& fill) {
  std::vector<int> columns(image.width()), rows(image.height());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == fill) ++columns[x], ++rows[y];
  QRect box;
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if (columns[x] >= 20 && rows[y] >= 20 && image.pixelColor(x, y) == fill) box |= QRect(x, y, 1, 1);
  return box;
}

// The superstructure's check point is the sea-side toe of the wall's base, where the samples
// and the manual put it: its mark (blue) stands at the base's left corner (the sea lies left),
// none at the land-side corner, and the spread line (red) drawn from it seaward meets the top of
// the body between the body's front and the toe.
TEST(IllustrationsTest, SuperstructureCheckPointAtTheSeaSideToe) {
  AppFirst app_first;
  const QImage image = superstructure_picture().toImage();
  const QColor mark(0, 80, 170), spread(200, 30, 30);
  const QRect wall = extent_of(image, kConcrete);
  const QRect body = extent_of(image, kImproved);
  ASSERT_FALSE(wall.isEmpty());
  ASSERT_FALSE(body.isEmpty());
  auto marked_near = [&](QPoint corner) {
    int n = 0;
    for (int y = corner.y() - 5; y <= corner.y() + 5; ++y)
      for (int x = corner.x() - 5; x <= corner.x() + 5; ++x)
        if (image.rect().contains(x, y) && near_colour(image.pixelColor(x, y), mark)) ++n;
    return n;
  };
  EXPECT_GT(marked_near(wall.bottomLeft()), 8);
  EXPECT_EQ(marked_near(wall.bottomRight()), 0);
  // The row just above the body's top: the spread line crosses it once, seaward of the toe.
  std::vector<int> crossing;
  for (int x = 0; x < image.width(); ++x)
    if (near_colour(image.pixelColor(x, body.top() - 2), spread)) crossing.push_back(x);
  ASSERT_FALSE(crossing.empty());
  EXPECT_GT(crossing.front(), body.left());
  EXPECT_LT(crossing.back(), wall.left());
}

}  // namespace
}  // namespace qvt::pages
