#include "engines/common/polygon_division.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace qvt::engine {
namespace {

struct Pt {
  double x, y;
};

struct Result {
  DivisionStatus status;
  PolygonDivision d;
  std::vector<std::string> messages;  // "title|text" of every box shown
};

Result divide(const std::vector<Pt>& outline) {
  std::vector<double> x, y;
  for (const Pt& p : outline) {
    x.push_back(p.x);
    y.push_back(p.y);
  }
  Result r;
  r.status = divide_polygon(x, y, static_cast<int>(outline.size()), r.d,
                            [&](std::string_view title, std::string_view text) {
                              r.messages.push_back(std::string(title) + "|" + std::string(text));
                            });
  return r;
}

double area(const PolygonPiece& p) {
  return p.code == kPieceTriangle ? p.base * p.height / 2.0 : p.base * p.height;
}

void expect_piece(const PolygonPiece& p, int code, double base, double height, double cx,
                  double cy) {
  EXPECT_EQ(p.code, code);
  EXPECT_NEAR(p.base, base, 1e-9);
  EXPECT_NEAR(p.height, height, 1e-9);
  EXPECT_NEAR(p.center_x, cx, 1e-9);
  EXPECT_NEAR(p.center_y, cy, 1e-9);
}

void expect_line(const DivisionLine& l, double x1, double y1, double x2, double y2) {
  EXPECT_NEAR(l.x1, x1, 1e-9);
  EXPECT_NEAR(l.y1, y1, 1e-9);
  EXPECT_NEAR(l.x2, x2, 1e-9);
  EXPECT_NEAR(l.y2, y2, 1e-9);
}

TEST(ClassifyInInterval, PositionsWithTolerance) {
  EXPECT_EQ(classify_in_interval(0, 10, -1), 0);
  EXPECT_EQ(classify_in_interval(0, 10, 0.00005), 1);
  EXPECT_EQ(classify_in_interval(0, 10, 5), 2);
  EXPECT_EQ(classify_in_interval(0, 10, 9.99995), 3);
  EXPECT_EQ(classify_in_interval(0, 10, 11), 4);
  EXPECT_EQ(classify_in_interval(0, 0, 0), 1);  // both ends: the left one wins
}

TEST(DividePolygon, RectangleIsOnePiece) {
  const Result r = divide({{0, 0}, {0, 2}, {3, 2}, {3, 0}});
  EXPECT_EQ(r.status, DivisionStatus::divided);
  EXPECT_TRUE(r.messages.empty());
  ASSERT_EQ(r.d.piece_count, 1);
  expect_piece(r.d.pieces[0], kPieceRectangle, 3, 2, 1.5, 1);
  // Its top, right side and bottom.
  ASSERT_EQ(r.d.line_count, 3);
  expect_line(r.d.lines[0], 0, 2, 3, 2);
  expect_line(r.d.lines[1], 3, 2, 3, 0);
  expect_line(r.d.lines[2], 3, 0, 0, 0);
}

TEST(DividePolygon, RightTriangleGetsHorizontalBase) {
  // Apex (3, 0) level with the base end (0, 0): base and height exchanged, so the base is the
  // horizontal 3 and the height the vertical 2; centroid ((0+0+3)/3, (2+0+0)/3).
  const Result r = divide({{0, 0}, {0, 2}, {3, 0}});
  EXPECT_EQ(r.status, DivisionStatus::divided);
  ASSERT_EQ(r.d.piece_count, 1);
  expect_piece(r.d.pieces[0], kPieceTriangle, 3, 2, 1, 2.0 / 3.0);
  EXPECT_EQ(r.d.line_count, 0);
}

TEST(DividePolygon, TriangleWithVerticalBaseKeepsItsBase) {
  // (0, 1) against the vertical side from (3, 2) to (3, 0): base 2, height 3, apex not level
  // with either end, centroid ((0+3+3)/3, (1+2+0)/3) = (2, 1).
  const Result r = divide({{0, 1}, {3, 2}, {3, 0}});
  ASSERT_EQ(r.d.piece_count, 1);
  expect_piece(r.d.pieces[0], kPieceTriangle, 2, 3, 2, 1);
  ASSERT_EQ(r.d.line_count, 1);
  expect_line(r.d.lines[0], 3, 2, 3, 0);
}

TEST(DividePolygon, TrapezoidGivesTriangleAboveRectangle) {
  // Upper triangle (0,2), (3,3), (3,2): base 3, height 1, centroid (2, 7/3);
  // rectangle 3 x 2 centred at (1.5, 1). Same strip, so the higher piece comes first.
  const Result r = divide({{0, 0}, {0, 2}, {3, 3}, {3, 0}});
  EXPECT_EQ(r.status, DivisionStatus::divided);
  ASSERT_EQ(r.d.piece_count, 2);
  expect_piece(r.d.pieces[0], kPieceTriangle, 3, 1, 2, 7.0 / 3.0);
  expect_piece(r.d.pieces[1], kPieceRectangle, 3, 2, 1.5, 1);
  // The triangle's right side, then the rectangle's top, right side and bottom.
  ASSERT_EQ(r.d.line_count, 4);
  expect_line(r.d.lines[0], 3, 3, 3, 2);
  expect_line(r.d.lines[1], 0, 2, 3, 2);
}

TEST(DividePolygon, FallingTopAndRisingBottomGiveTwoTrianglesAndARectangle) {
  // Strip 0..3: top from (0,4) down to (3,3), bottom from (0,0) up to (3,1).
  // Upper triangle (0,4), (3,3), (0,3): base 3, height 1, centroid (1, 10/3).
  // Rectangle 0..3 x 1..3: centroid (1.5, 2). Lower triangle (0,0), (3,1), (0,1): base 3,
  // height 1, centroid (1, 2/3).
  const Result r = divide({{0, 0}, {0, 4}, {3, 3}, {3, 1}});
  ASSERT_EQ(r.d.piece_count, 3);
  expect_piece(r.d.pieces[0], kPieceTriangle, 3, 1, 1, 10.0 / 3.0);
  expect_piece(r.d.pieces[1], kPieceRectangle, 3, 2, 1.5, 2);
  expect_piece(r.d.pieces[2], kPieceTriangle, 3, 1, 1, 2.0 / 3.0);
}

TEST(DividePolygon, SteepStripsGiveTwoTriangles) {
  // Lower left corner (0,3) above the upper right (2,1): triangles (0,5),(0,3),(2,1) with
  // base 2, height 2, centroid (2/3, 3) and (0,3),(2,1),(2,0) with base 1, height 2,
  // centroid (4/3, 4/3); lines (0,3)-(2,1) and (2,1)-(2,0).
  Result r = divide({{0, 3}, {0, 5}, {2, 1}, {2, 0}});
  ASSERT_EQ(r.d.piece_count, 2);
  expect_piece(r.d.pieces[0], kPieceTriangle, 2, 2, 2.0 / 3.0, 3);
  expect_piece(r.d.pieces[1], kPieceTriangle, 1, 2, 4.0 / 3.0, 4.0 / 3.0);
  ASSERT_EQ(r.d.line_count, 2);
  expect_line(r.d.lines[0], 0, 3, 2, 1);
  expect_line(r.d.lines[1], 2, 1, 2, 0);

  // Mirrored in height: lower right corner (2,4) above the upper left (0,2): triangles
  // (0,2),(2,5),(2,4) with base 1, height 2, centroid (4/3, 11/3) and (0,0),(0,2),(2,4) with
  // base 2, height 2, centroid (2/3, 2); lines (0,2)-(2,4) and (2,5)-(2,4).
  r = divide({{0, 0}, {0, 2}, {2, 5}, {2, 4}});
  ASSERT_EQ(r.d.piece_count, 2);
  expect_piece(r.d.pieces[0], kPieceTriangle, 1, 2, 4.0 / 3.0, 11.0 / 3.0);
  expect_piece(r.d.pieces[1], kPieceTriangle, 2, 2, 2.0 / 3.0, 2);
  ASSERT_EQ(r.d.line_count, 2);
  expect_line(r.d.lines[0], 0, 2, 2, 4);
  expect_line(r.d.lines[1], 2, 5, 2, 4);
}

TEST(DividePolygon, LShapeRunsLeftStripFirst) {
  // Left strip 0..1 x 0..2 (centre (0.5, 1)), right strip 1..3 x 0..1 (centre (2, 0.5)).
  const Result r = divide({{0, 0}, {0, 2}, {1, 2}, {1, 1}, {3, 1}, {3, 0}});
  EXPECT_EQ(r.status, DivisionStatus::divided);
  ASSERT_EQ(r.d.piece_count, 2);
  expect_piece(r.d.pieces[0], kPieceRectangle, 1, 2, 0.5, 1);
  expect_piece(r.d.pieces[1], kPieceRectangle, 2, 1, 2, 0.5);
}

TEST(DividePolygon, ArmsOfTheSameStripStartRunFromTheTopDown) {
  // A C opening to the right: spine 0..1 x 0..4, arms 1..3 x 3..4 and 1..3 x 0..1. Both arms
  // start at x = 1: the upper arm (centre y 3.5) before the lower one (0.5).
  const Result r =
      divide({{0, 0}, {0, 4}, {3, 4}, {3, 3}, {1, 3}, {1, 1}, {3, 1}, {3, 0}});
  EXPECT_EQ(r.status, DivisionStatus::divided);
  ASSERT_EQ(r.d.piece_count, 3);
  expect_piece(r.d.pieces[0], kPieceRectangle, 1, 4, 0.5, 2);
  expect_piece(r.d.pieces[1], kPieceRectangle, 2, 1, 2, 3.5);
  expect_piece(r.d.pieces[2], kPieceRectangle, 2, 1, 2, 0.5);
}

TEST(DividePolygon, VertexOnStraightEdgeIsDropped) {
  // (0, 1) lies on the edge from (0, 0) to (0, 2), (1.5, 2) on the top: as the plain rectangle.
  const Result r = divide({{0, 0}, {0, 1}, {0, 2}, {1.5, 2}, {3, 2}, {3, 0}});
  ASSERT_EQ(r.d.piece_count, 1);
  expect_piece(r.d.pieces[0], kPieceRectangle, 3, 2, 1.5, 1);
  // A closing point repeated at the end changes nothing either.
  const Result closed = divide({{0, 0}, {0, 2}, {3, 2}, {3, 0}, {0, 0}});
  ASSERT_EQ(closed.d.piece_count, 1);
  expect_piece(closed.d.pieces[0], kPieceRectangle, 3, 2, 1.5, 1);
}

TEST(DividePolygon, PiecesAddUpToTheOutline) {
  // Outline (0,0), (0,3), (2,4), (4,4), (4,1), (6,1), (6,0), clockwise: area 17 by the
  // shoelace sum (-34 / 2), first moments 41 1/3 about x = 0 and 29 1/3 about y = 0 (from the
  // parts 0..6 x 0..1, 0..4 x 1..3, triangle (0,3) (2,4) (2,3) and 2..4 x 3..4).
  // The strips are cut at the vertices' x: 0..2 gives the triangle (0,3), (2,4), (2,3) with
  // base 2, height 1, centroid (4/3, 10/3) above the rectangle 0..2 x 0..3; 2..4 the
  // rectangle 2..4 x 0..4; 4..6 the rectangle 4..6 x 0..1.
  const Result r = divide({{0, 0}, {0, 3}, {2, 4}, {4, 4}, {4, 1}, {6, 1}, {6, 0}});
  EXPECT_EQ(r.status, DivisionStatus::divided);
  ASSERT_EQ(r.d.piece_count, 4);
  expect_piece(r.d.pieces[0], kPieceTriangle, 2, 1, 4.0 / 3.0, 10.0 / 3.0);
  expect_piece(r.d.pieces[1], kPieceRectangle, 2, 3, 1, 1.5);
  expect_piece(r.d.pieces[2], kPieceRectangle, 2, 4, 3, 2);
  expect_piece(r.d.pieces[3], kPieceRectangle, 2, 1, 5, 0.5);
  double a = 0, mx = 0, my = 0;
  for (int i = 0; i < r.d.piece_count; ++i) {
    const PolygonPiece& p = r.d.pieces[i];
    a += area(p);
    mx += area(p) * p.center_x;
    my += area(p) * p.center_y;
  }
  EXPECT_NEAR(a, 17.0, 1e-9);
  EXPECT_NEAR(mx, 41.0 + 1.0 / 3.0, 1e-9);
  EXPECT_NEAR(my, 29.0 + 1.0 / 3.0, 1e-9);
}

TEST(DividePolygon, FewerThanThreePointsGiveNothing) {
  for (const std::vector<Pt>& outline :
       {std::vector<Pt>{}, std::vector<Pt>{{1, 1}}, std::vector<Pt>{{0, 0}, {2, 1}}}) {
    const Result r = divide(outline);
    EXPECT_EQ(r.status, DivisionStatus::divided);
    EXPECT_EQ(r.d.piece_count, 0);
    EXPECT_EQ(r.d.line_count, 0);
    EXPECT_TRUE(r.messages.empty());
  }
}

TEST(DividePolygon, AnticlockwiseOutlineFailsOnceAndEnds) {
  // Run anticlockwise no vertex is a convex extreme: the division must end with one message
  // instead of searching again for ever.
  const Result r = divide({{0, 0}, {3, 0}, {3, 2}, {0, 2}});
  EXPECT_EQ(r.status, DivisionStatus::not_divisible);
  EXPECT_EQ(r.d.piece_count, 0);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0], "error| ERROR:ブロック分割 ");
}

TEST(DividePolygon, FailureKeepsTheStripsAlreadyCut) {
  // The square 0..1 x 0..2 runs clockwise, then the outline crosses itself at (1, 2) into the
  // flag 1..3 x 2..3, which it runs anticlockwise. The square is cut off as one strip; the
  // flag cannot be cut. The square's piece stays, the message comes once, the call returns.
  const Result r = divide({{0, 0}, {0, 2}, {1, 2}, {3, 2}, {3, 3}, {1, 3}, {1, 0}});
  EXPECT_EQ(r.status, DivisionStatus::not_divisible);
  ASSERT_EQ(r.d.piece_count, 1);
  expect_piece(r.d.pieces[0], kPieceRectangle, 1, 2, 0.5, 1);
  EXPECT_EQ(r.d.line_count, 3);
  EXPECT_EQ(r.messages.size(), 1u);
}

TEST(DividePolygon, ResultIsClearedOnEntry) {
  std::vector<double> x{0, 0, 3, 3}, y{0, 2, 2, 0};
  PolygonDivision d;
  ASSERT_EQ(divide_polygon(x, y, 4, d, nullptr), DivisionStatus::divided);
  ASSERT_EQ(d.piece_count, 1);
  std::vector<double> ax{0, 3, 3, 0}, ay{0, 0, 2, 2};  // anticlockwise: nothing divides
  EXPECT_EQ(divide_polygon(ax, ay, 4, d, nullptr), DivisionStatus::not_divisible);
  EXPECT_EQ(d.piece_count, 0);
  EXPECT_EQ(d.line_count, 0);
  EXPECT_TRUE(d.pieces.empty());
  EXPECT_TRUE(d.lines.empty());
  // The caller's arrays are left as they were.
  EXPECT_EQ(x, (std::vector<double>{0, 0, 3, 3}));
}

TEST(DividePolygon, TooManyVerticesAreRefused) {
  std::vector<double> x(201, 0.0), y(201, 0.0);
  PolygonDivision d;
  int boxes = 0;
  auto box = [&](std::string_view, std::string_view) { ++boxes; };
  EXPECT_EQ(divide_polygon(x, y, 201, d, box), DivisionStatus::too_many_vertices);
  EXPECT_EQ(boxes, 1);
  // A count beyond the arrays given is refused the same way, without reading past them.
  std::vector<double> sx{0, 0, 3}, sy{0, 2, 0};
  EXPECT_EQ(divide_polygon(sx, sy, 4, d, box), DivisionStatus::too_many_vertices);
  EXPECT_EQ(boxes, 2);
  EXPECT_EQ(d.piece_count, 0);
}

TEST(DividePolygon, ManyStripsAllDivide) {
  // A saw-tooth top over 40 unit strips: every strip gives a triangle and a rectangle and
  // three or four lines, well over a hundred lines in all. Every strip is divided.
  std::vector<Pt> outline{{0, 0}};
  for (int i = 0; i <= 40; ++i) outline.push_back({double(i), i % 2 == 0 ? 2.0 : 3.0});
  outline.push_back({40, 0});
  const Result r = divide(outline);
  EXPECT_EQ(r.status, DivisionStatus::divided);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(r.d.piece_count, 80);
  EXPECT_EQ(r.d.piece_count, static_cast<int>(r.d.pieces.size()));
  EXPECT_GT(r.d.line_count, 100);
  // Each strip of width 1 holds 2.5 m2 (rectangle 2, triangle 0.5).
  double a = 0;
  for (const PolygonPiece& p : r.d.pieces) a += area(p);
  EXPECT_NEAR(a, 100.0, 1e-9);
}

// Area and first moments of an outline by the shoelace formula (exact for any simple polygon):
// A = 1/2 sum(x_i y_i+1 - x_i+1 y_i), Sx = 1/6 sum((x_i + x_i+1) c_i), Sy = 1/6 sum((y_i + y_i+1) c_i)
// with c_i = x_i y_i+1 - x_i+1 y_i; clockwise outlines give a negative A, so signs are turned.
struct Moments {
  double area = 0, sx = 0, sy = 0;
};
Moments shoelace(const std::vector<Pt>& o) {
  Moments m;
  for (std::size_t i = 0; i < o.size(); ++i) {
    const Pt& a = o[i];
    const Pt& b = o[(i + 1) % o.size()];
    const double c = a.x * b.y - b.x * a.y;
    m.area += c / 2;
    m.sx += (a.x + b.x) * c / 6;
    m.sy += (a.y + b.y) * c / 6;
  }
  return {-m.area, -m.sx, -m.sy};
}

// Random simple clockwise outlines: convex, star-shaped, L and U shapes, 4 to 118 vertices, and
// the 118-point circle. The pieces must cover each outline exactly: their areas and first
// moments (area x centre) add up to the shoelace values.
TEST(DividePolygon, PiecesCoverEverySimpleClockwiseOutline) {
  std::mt19937 rng(20240611);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<std::pair<std::string, std::vector<Pt>>> outlines;
  auto polar = [&](int n, bool star) {
    // Angles decreasing (clockwise), spread around the full turn.
    std::vector<double> angles;
    for (int i = 0; i < n; ++i) angles.push_back(2 * std::numbers::pi * (i + 0.8 * unit(rng)) / n);
    std::vector<Pt> o;
    for (int i = n - 1; i >= 0; --i) {
      const double r = star ? 1.0 + 4.0 * unit(rng) : 3.0;
      o.push_back({10 + r * std::cos(angles[i]), -5 + r * std::sin(angles[i])});
    }
    return o;
  };
  for (int n : {4, 5, 7, 12, 30, 64, 118}) {
    outlines.push_back({"convex " + std::to_string(n), polar(n, false)});
    outlines.push_back({"star " + std::to_string(n), polar(n, true)});
  }
  std::vector<Pt> circle;
  for (int i = 0; i < 118; ++i) {
    const double a = -2 * std::numbers::pi * i / 118;
    circle.push_back({3 * std::cos(a), 3 * std::sin(a)});
  }
  outlines.push_back({"circle 118", circle});
  for (int k = 0; k < 5; ++k) {
    const double w = 1 + 5 * unit(rng), h = 1 + 8 * unit(rng);
    const double t = 0.2 + 0.6 * unit(rng) * std::min(w, h) / 2;
    outlines.push_back({"L " + std::to_string(k),
                        {{0, 0}, {0, h}, {t, h}, {t, t}, {w, t}, {w, 0}}});
    outlines.push_back({"U " + std::to_string(k),
                        {{0, 0}, {0, h}, {t, h}, {t, t}, {w - t, t}, {w - t, h}, {w, h}, {w, 0}}});
  }
  for (const auto& [name, o] : outlines) {
    SCOPED_TRACE(name);
    const Result r = divide(o);
    ASSERT_EQ(r.status, DivisionStatus::divided);
    EXPECT_TRUE(r.messages.empty());
    Moments got;
    for (const PolygonPiece& p : r.d.pieces) {
      got.area += area(p);
      got.sx += area(p) * p.center_x;
      got.sy += area(p) * p.center_y;
    }
    const Moments want = shoelace(o);
    ASSERT_GT(want.area, 0);
    EXPECT_NEAR(got.area, want.area, 1e-6 * want.area);
    EXPECT_NEAR(got.sx / got.area, want.sx / want.area, 1e-6 * (1 + std::fabs(want.sx / want.area)));
    EXPECT_NEAR(got.sy / got.area, want.sy / want.area, 1e-6 * (1 + std::fabs(want.sy / want.area)));
  }
}

}  // namespace
}  // namespace qvt::engine
