#include "engines/common/outline_cut.h"

#include "engines/common/rounding_geometry.h"

#include <algorithm>

namespace qvt::engine {
namespace {

// The first cut line spans -100 .. 100 m; an outline reaching beyond that span is cut again by
// a line that spans the whole outline, so every crossing is found.
constexpr double kCutHalfSpan = 100.0;

struct Span {
  double lo = 0, hi = 0;
};

// The crossing of the edge a-b with the cutting line from c to d; the cutting line is tried
// over -100 .. 100 first and then over the whole outline (`span`, one metre beyond it).
bool crossing(const OutlinePoint& a, const OutlinePoint& b, bool horizontal, double at,
              Span span, OutlinePoint& out) {
  auto cut = [&](double lo, double hi) {
    double x = 0, y = 0;
    const int r = horizontal ? intersect_lines(a.x, a.y, b.x, b.y, lo, at, hi, at, x, y)
                             : intersect_lines(a.x, a.y, b.x, b.y, at, lo, at, hi, x, y);
    if (r != 0) return false;
    out = {x, y};
    return true;
  };
  if (cut(-kCutHalfSpan, kCutHalfSpan)) return true;
  if (span.lo >= -kCutHalfSpan && span.hi <= kCutHalfSpan) return false;
  return cut(span.lo - 1.0, span.hi + 1.0);
}

template <class Keeps>
std::vector<OutlinePoint> cut(const std::vector<OutlinePoint>& outline, bool horizontal,
                              double at, Keeps keeps, std::vector<OutlinePoint>* crossings) {
  std::vector<OutlinePoint> part;
  if (outline.empty()) return part;
  Span span{horizontal ? outline[0].x : outline[0].y, horizontal ? outline[0].x : outline[0].y};
  for (const auto& p : outline) {
    const double v = horizontal ? p.x : p.y;
    span.lo = std::min(span.lo, v);
    span.hi = std::max(span.hi, v);
  }
  const std::size_t n = outline.size();
  OutlinePoint c;
  for (std::size_t i = 0; i < n; ++i) {
    if (keeps(outline[i])) part.push_back(outline[i]);
    if (crossing(outline[i], outline[(i + 1) % n], horizontal, at, span, c)) {
      part.push_back(c);
      if (crossings) crossings->push_back(c);
    }
  }
  return part;
}

}  // namespace

std::vector<OutlinePoint> polygon_outline(const WallBlock& block) {
  const int count = std::clamp<int>(block.polygon.vertex_count, 0, POLYGON_VERTICES);
  std::vector<OutlinePoint> outline;
  outline.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    outline.push_back({block.head.ref_x + block.polygon.vertex_x[i],
                       block.head.ref_y + block.polygon.vertex_y[i]});
  return outline;
}

std::vector<OutlinePoint> cut_outline_at_level(const std::vector<OutlinePoint>& outline,
                                               double level, bool upper) {
  return cut(
      outline, true, level,
      [&](const OutlinePoint& p) { return upper ? p.y >= level : p.y <= level; }, nullptr);
}

std::vector<OutlinePoint> cut_outline_left_of(const std::vector<OutlinePoint>& outline, double x,
                                              std::vector<OutlinePoint>* crossings) {
  return cut(
      outline, false, x, [&](const OutlinePoint& p) { return p.x <= x; }, crossings);
}

}  // namespace qvt::engine
