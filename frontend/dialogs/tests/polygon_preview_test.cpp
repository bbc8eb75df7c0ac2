#include "frontend/dialogs/polygon_preview.h"

#include <gtest/gtest.h>

#include <vector>

namespace qvt::dialogs {
namespace {

using model::OutlinePoint;

struct FitCase {
  const char* name;
  std::vector<OutlinePoint> vertices;
  double scale;
};

TEST(PolygonPreview, ScaleFitsEightTenthsOfTheArea) {
  const FitCase cases[] = {
      // 0.8 x min(5700, 5100) for an outline without extent
      {"no vertex", {}, 4080},
      {"one vertex", {{3, 4}}, 4080},
      {"several on one point", {{3, 4}, {3, 4}, {3, 4}}, 4080},
      // 0.8 x min(5700 / 10, 5100 / 10) = 408
      {"square 0..10", {{0, 0}, {0, 10}, {10, 10}, {10, 0}}, 408},
      // 0.8 x 5700 / 10000 = 0.456, raised to 1
      {"10000 x 1", {{0, 0}, {0, 1}, {10000, 1}, {10000, 0}}, 1},
      // 0.8 x 5700 / 20 = 228 < 0.8 x 5100 / 1 = 4080
      {"wide", {{0, 0}, {20, 1}, {20, 0}}, 228},
  };
  for (const FitCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DOUBLE_EQ(fit_polygon_preview(c.vertices).scale, c.scale);
  }
}

TEST(PolygonPreview, SquareIsCentredInTheDrawingArea) {
  const std::vector<OutlinePoint> square{{0, 0}, {0, 10}, {10, 10}, {10, 0}};
  const PreviewFit fit = fit_polygon_preview(square);
  // left = 5 - 2850 / 408, bottom = 5 - 2550 / 408 = -1.25
  EXPECT_NEAR(fit.left, 5 - 2850.0 / 408, 1e-12);
  EXPECT_NEAR(fit.bottom, -1.25, 1e-12);
  const PreviewPoint p0 = preview_point(fit, {0, 0});
  const PreviewPoint p1 = preview_point(fit, {10, 10});
  EXPECT_NEAR(p0.x, 810, 1e-9);
  EXPECT_NEAR(p0.y, 4590, 1e-9);
  EXPECT_NEAR(p1.x, 4890, 1e-9);
  EXPECT_NEAR(p1.y, 510, 1e-9);
}

TEST(PolygonPreview, EdgesAndNumbersInDrawingOrder) {
  section::DisplayList one;
  draw_polygon_preview(std::vector<OutlinePoint>{{1, 1}}, one);
  EXPECT_TRUE(one.items.empty());

  section::DisplayList list;
  draw_polygon_preview(std::vector<OutlinePoint>{{0, 0}, {0, 10}, {10, 10}, {10, 0}}, list);
  // Per edge i = 1..3 the edge, then the number i at vertex i - 1; after the last, the closing
  // edge and the number 4.
  ASSERT_EQ(list.items.size(), 8u);
  for (int i = 0; i < 8; ++i) {
    const section::DrawItem& item = list.items[i];
    EXPECT_EQ(item.kind, i % 2 ? section::DrawItem::Text : section::DrawItem::Line) << i;
    EXPECT_EQ(item.colour, i % 2 ? section::kGreen : section::kWhite) << i;
  }
  const section::DrawItem& first = list.items[0];
  EXPECT_EQ(first.x1, 810);  // (0, 0)
  EXPECT_EQ(first.y1, 4590);
  EXPECT_EQ(first.x2, 810);  // (0, 10)
  EXPECT_EQ(first.y2, 510);
  // Number 1 at vertex 0, moved up-left by (70, 75).
  EXPECT_EQ(list.items[1].text, "1");
  EXPECT_EQ(list.items[1].x1, 740);
  EXPECT_EQ(list.items[1].y1, 4515);
  EXPECT_EQ(list.items[5].text, "3");
  // The closing edge runs from vertex 3 (4890, 4590) back to vertex 0.
  const section::DrawItem& closing = list.items[6];
  EXPECT_EQ(closing.x1, 4890);
  EXPECT_EQ(closing.y1, 4590);
  EXPECT_EQ(closing.x2, 810);
  EXPECT_EQ(closing.y2, 4590);
  EXPECT_EQ(list.items[7].text, "4");
  EXPECT_EQ(list.items[7].x1, 4890 - 70);

  // Two vertices: one edge each way, two numbers.
  section::DisplayList two;
  draw_polygon_preview(std::vector<OutlinePoint>{{0, 0}, {1, 1}}, two);
  EXPECT_EQ(two.items.size(), 4u);
}

}  // namespace
}  // namespace qvt::dialogs
