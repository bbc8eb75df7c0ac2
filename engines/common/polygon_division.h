#pragma once
// Division of a block outline into vertical strips and of each strip into at most three
// pieces (triangles with a vertical base, right triangles and rectangles), so that weights,
// buoyancy and centroids can be summed piece by piece and checked by hand, and so that the
// block division drawing can show the lines between the pieces.
#include <array>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace qvt::engine {

inline constexpr int kMaxOutlineVertices = 200;

// Piece codes: the area is base x height / 2 for a triangle, base x height for a rectangle.
inline constexpr int kPieceTriangle = 3;
inline constexpr int kPieceRectangle = 4;

// The message box shown when an outline cannot be divided (UTF-8; kind error).
inline constexpr std::string_view kDivisionErrorTitle = "error";
inline constexpr std::string_view kDivisionErrorText = " ERROR:ブロック分割 ";

// Shows one message box; the engine wires it to its message layer.
using DivisionErrorBox = std::function<void(std::string_view title, std::string_view text)>;

struct PolygonPiece {
  double center_x = 0.0;  // m
  double center_y = 0.0;
  double base = 0.0;
  double height = 0.0;
  int code = 0;  // kPieceTriangle or kPieceRectangle
};

struct DivisionLine {
  double x1 = 0.0, y1 = 0.0, x2 = 0.0, y2 = 0.0;  // m
};

// The pieces and lines grow as the strips need: an outline of the 118 vertices a block record
// holds may give well over a hundred of each.
struct PolygonDivision {
  std::vector<PolygonPiece> pieces;
  std::vector<DivisionLine> lines;
  int piece_count = 0;  // pieces.size()
  int line_count = 0;   // lines.size()
};

enum class DivisionStatus {
  divided,            // the whole outline was divided
  not_divisible,      // no strip could be cut from what was left of the outline
  too_many_vertices,  // count above kMaxOutlineVertices (or above the arrays given)
};

// Position of c against the interval a..b with the tolerance 0.0001: 1 at a, 3 at b (a wins
// when both apply), 0 below a, 2 inside, 4 above b.
int classify_in_interval(double a, double b, double c);

// Divides the outline x[0..count-1], y[0..count-1] (m, clockwise with y up) into pieces. The
// result is cleared first; the pieces run by the x of their strip's left side and, within a
// strip, from the highest down. Fewer than 3 vertices give no pieces and count as divided.
// On a failure the pieces of the strips already cut are kept (sorted the same way), the
// message box " ERROR:ブロック分割 " is shown once through error_box (when given) and the
// status says why. The pieces then do not cover the outline: a caller that weighs them must
// stop instead.
DivisionStatus divide_polygon(std::span<const double> x, std::span<const double> y, int count,
                              PolygonDivision& out, const DivisionErrorBox& error_box);

}  // namespace qvt::engine
