#include "frontend/pages/widgets/illustrations.h"

#include "frontend/widgets/tests/offscreen_app.h"

#include <QImage>

#include <gtest/gtest.h>

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
       {{{80, 30}, kConcrete}, {{190, 120}, kImproved}, {{30, 60}, kWater}}},
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

}  // namespace
}  // namespace qvt::pages
