#include "engines/common/polygon_division.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace qvt::engine {
namespace {

// All work is done in thousandths of a metre, so the tolerances below are in thousandths.
constexpr double kScale = 1000.0;
constexpr double kTight = 0.0001;
constexpr double kLoose = 0.001;

// Each pass of the main loop drops a vertex or cuts a strip; a valid outline of at most 200
// vertices needs far fewer passes than this. The bound only keeps a pathological outline from
// running on.
constexpr int kMaxPasses = 1000;

struct Vertex {
  double x = 0.0, y = 0.0;
  bool removed = false;
};

struct Outline {
  std::array<Vertex, kMaxOutlineVertices> v{};
  int n = 0;

  int prev(int i) const { return i == 0 ? n - 1 : i - 1; }
  int next(int i) const { return i == n - 1 ? 0 : i + 1; }

  void compact() {
    int k = 0;
    for (int i = 0; i < n; ++i)
      if (!v[i].removed) v[k++] = v[i];
    n = k;
  }
};

// The pieces and lines of one strip, staged until the strip is known to fit the result.
struct StripPieces {
  std::array<PolygonPiece, 3> pieces{};
  std::array<DivisionLine, 5> lines{};  // at most: triangle side, rectangle (3), triangle side
  int piece_count = 0;
  int line_count = 0;

  void piece(double cx, double cy, double base, double height, int code) {
    pieces[piece_count++] = {cx, cy, base, height, code};
  }
  void line(double x1, double y1, double x2, double y2) {
    lines[line_count++] = {x1 / kScale, y1 / kScale, x2 / kScale, y2 / kScale};
  }
};

// Strip corners: A1 upper left, A2 lower left, B1 upper right, B2 lower right.
struct Strip {
  double xl = 0.0, xr = 0.0;
  double ya1 = 0.0, ya2 = 0.0, yb1 = 0.0, yb2 = 0.0;
};

// A vertex is degenerate when it lies on the line through its neighbours (or on their
// vertical or horizontal); it adds nothing to the outline and would only give empty strips.
bool is_degenerate(const Outline& o, int m) {
  const Vertex& p = o.v[o.prev(m)];
  const Vertex& q = o.v[o.next(m)];
  const Vertex& c = o.v[m];
  const double e = q.x - p.x, f = q.y - p.y, t = c.x - p.x, u = c.y - p.y;
  if (std::fabs(e) < kTight && std::fabs(t) < kTight) return true;
  if (std::fabs(f) < kTight && std::fabs(u) < kTight) return true;
  // Offset from the line p-q, measured along x, or across from the vertex's own height when
  // that is better conditioned.
  bool defined = false;
  double d = 0.0;
  if (std::fabs(f) > kLoose) {
    d = e * u / f - t;
    defined = true;
  }
  if (std::fabs(u) > kLoose) {
    d = t * f / u - e;
    defined = true;
  }
  // All three within a thousandth of a millimetre in height: they lie on one horizontal for
  // every purpose of the division.
  if (!defined) return true;
  return std::fabs(d) < kTight;
}

double normalized_angle(double a) {
  if (a > std::numbers::pi) return a - 2.0 * std::numbers::pi;
  if (a < -std::numbers::pi) return a + 2.0 * std::numbers::pi;
  return a;
}

// Winding test: the direction angles from h to A2, A1, B1, B2 turn once around h when h lies
// inside the strip.
bool inside_strip(const Strip& s, double xh, double yh) {
  const double a2 = std::atan2(s.ya2 - yh, s.xl - xh);
  const double a1 = std::atan2(s.ya1 - yh, s.xl - xh);
  const double b1 = std::atan2(s.yb1 - yh, s.xr - xh);
  const double b2 = std::atan2(s.yb2 - yh, s.xr - xh);
  const double sum = normalized_angle(a1 - a2) + normalized_angle(b1 - a1) +
                     normalized_angle(b2 - b1) + normalized_angle(a2 - b2);
  return std::fabs(sum) > std::numbers::pi;
}

// Triangles and rectangle of one strip, in thousandths in, metres out.
StripPieces strip_pieces(const Strip& s) {
  StripPieces r;
  const double xl = s.xl, xr = s.xr, ya1 = s.ya1, ya2 = s.ya2, yb1 = s.yb1, yb2 = s.yb2;
  const double width = (xr - xl) / kScale;
  const bool left_height = std::fabs(ya1 - ya2) >= kTight;
  const bool right_height = std::fabs(yb1 - yb2) >= kTight;

  if (left_height && right_height) {
    if (ya2 > yb1) {
      // The strip falls steeply: the lower left corner is above the upper right one.
      r.piece((xl + xl + xr) / 3000.0, (ya1 + ya2 + yb1) / 3000.0, (ya1 - ya2) / kScale, width,
              kPieceTriangle);
      r.piece((xl + xr + xr) / 3000.0, (ya2 + yb1 + yb2) / 3000.0, (yb1 - yb2) / kScale, width,
              kPieceTriangle);
      r.line(xl, ya2, xr, yb1);
      r.line(xr, yb1, xr, yb2);
    } else if (yb2 <= ya1) {
      const double top = std::min(ya1, yb1);
      const double bottom = std::max(ya2, yb2);
      if (std::fabs(yb1 - ya1) > kLoose) {
        const bool rising = yb1 >= ya1;
        r.piece(rising ? (xl + 2.0 * xr) / 3000.0 : (2.0 * xl + xr) / 3000.0,
                (ya1 + yb1 + top) / 3000.0, width, std::fabs(yb1 - ya1) / kScale, kPieceTriangle);
        if (rising) r.line(xr, yb1, xr, ya1);
      }
      if (std::fabs(top - bottom) > kLoose) {
        r.piece((xl + xr) / 2000.0, (top + bottom) / 2000.0, width, (top - bottom) / kScale,
                kPieceRectangle);
        r.line(xl, top, xr, top);
        r.line(xr, top, xr, bottom);
        r.line(xr, bottom, xl, bottom);
      }
      if (std::fabs(yb2 - ya2) > kLoose) {
        const bool falling_left = yb2 > ya2;
        r.piece(falling_left ? (2.0 * xl + xr) / 3000.0 : (xl + 2.0 * xr) / 3000.0,
                (ya2 + yb2 + bottom) / 3000.0, width, std::fabs(yb2 - ya2) / kScale,
                kPieceTriangle);
        if (!falling_left) r.line(xr, ya2, xr, yb2);
      }
    } else {
      // The strip rises steeply: the lower right corner is above the upper left one.
      r.piece((xl + xr + xr) / 3000.0, (ya1 + yb1 + yb2) / 3000.0, (yb1 - yb2) / kScale, width,
              kPieceTriangle);
      r.piece((xl + xl + xr) / 3000.0, (ya2 + ya1 + yb2) / 3000.0, (ya1 - ya2) / kScale, width,
              kPieceTriangle);
      r.line(xl, ya1, xr, yb2);
      r.line(xr, yb1, xr, yb2);
    }
    return r;
  }

  // One side only has height: a single triangle. With its apex level with an end of the base
  // it is a right triangle, given with a horizontal base and a vertical height.
  if (!left_height) {
    if (std::fabs(yb1 - yb2) > kLoose) {
      double base = (yb1 - yb2) / kScale, height = width;
      if (std::fabs(ya1 - yb1) < kTight || std::fabs(ya1 - yb2) < kTight) std::swap(base, height);
      r.piece((xl + xr + xr) / 3000.0, (ya1 + yb1 + yb2) / 3000.0, base, height, kPieceTriangle);
      r.line(xr, yb1, xr, yb2);
    }
  } else if (std::fabs(ya1 - ya2) > kLoose) {
    double base = (ya1 - ya2) / kScale, height = width;
    if (std::fabs(yb1 - ya1) < kTight || std::fabs(yb1 - ya2) < kTight) std::swap(base, height);
    r.piece((xl + xl + xr) / 3000.0, (ya1 + ya2 + yb1) / 3000.0, base, height, kPieceTriangle);
  }
  return r;
}

// Tries to cut a strip at vertex m. On success the outline is left cut (column marked removed,
// one end moved to the cut) and the strip is returned in s; otherwise the outline is unchanged.
bool try_strip(Outline& o, int m, Strip& s) {
  const double xm = o.v[m].x, ym = o.v[m].y;

  // The nearest vertices before and after m that leave m's column.
  int p = -1, q = -1;
  for (int i = o.prev(m), k = 1; k < o.n; i = o.prev(i), ++k)
    if (std::fabs(o.v[i].x - xm) > kLoose) {
      p = i;
      break;
    }
  for (int i = o.next(m), k = 1; k < o.n; i = o.next(i), ++k)
    if (std::fabs(o.v[i].x - xm) > kLoose) {
      q = i;
      break;
    }
  if (p < 0 || q < 0) return false;
  const Vertex vp = o.v[p], vq = o.v[q];

  // Only a convex extreme of a clockwise outline starts a strip.
  const double s1 = (vp.y - ym) / (vp.x - xm);
  const double s2 = (vq.y - ym) / (vq.x - xm);
  const double z = s1 - s2;
  const bool left = vp.x > xm && vq.x > xm && z < kTight;
  const bool right = vp.x < xm && vq.x < xm && z < kTight;
  if (!left && !right) return false;

  const int first = o.next(p);  // column end next to p
  const int last = o.prev(q);   // column end next to q
  const Vertex vfirst = o.v[first], vlast = o.v[last];
  const double xc = left ? std::min(vp.x, vq.x) : std::max(vp.x, vq.x);

  for (int i = first;; i = o.next(i)) {
    o.v[i].removed = true;
    if (i == last) break;
  }
  // The column end on the side of the farther neighbour stays, moved along its edge to the cut.
  int moved = -1;
  double ymoved = 0.0;
  const bool same_x = vp.x == vq.x;
  const bool p_nearer = !same_x && xc == vp.x;
  if (!same_x) {
    const Vertex& end = p_nearer ? vlast : vfirst;
    const Vertex& far = p_nearer ? vq : vp;
    moved = p_nearer ? last : first;
    ymoved = end.y + (far.y - end.y) * (xc - end.x) / (far.x - end.x);
    o.v[moved] = {xc, ymoved, false};
  }

  if (left) {
    // Clockwise, the left side runs upward: p lies below, q above.
    s.xl = xm;
    s.xr = xc;
    s.ya2 = vfirst.y;
    s.ya1 = vlast.y;
    s.yb1 = (!same_x && p_nearer) ? ymoved : vq.y;
    s.yb2 = (!same_x && !p_nearer) ? ymoved : vp.y;
  } else {
    // Clockwise, the right side runs downward: p lies above, q below.
    s.xl = xc;
    s.xr = xm;
    s.yb1 = vfirst.y;
    s.yb2 = vlast.y;
    s.ya1 = (!same_x && !p_nearer) ? ymoved : vp.y;
    s.ya2 = (!same_x && p_nearer) ? ymoved : vq.y;
  }

  // No other vertex of the outline may lie inside the strip, except one that only touches its
  // left side from the left, or its right side where the outline runs on along that side.
  for (int h = 0; h < o.n; ++h) {
    if (h == p || h == q || h == first || h == last || o.v[h].removed) continue;
    const double xh = o.v[h].x, yh = o.v[h].y;
    if (xh < s.xl || xh > s.xr) continue;
    if (!inside_strip(s, xh, yh)) continue;
    const int before = classify_in_interval(s.xl, s.xr, o.v[o.prev(h)].x);
    const int after = classify_in_interval(s.xl, s.xr, o.v[o.next(h)].x);
    if (std::fabs(xh - s.xl) < kTight && before <= 1 && after <= 1) continue;
    if (std::fabs(xh - s.xr) < kTight && after == 3 && before <= 3) continue;

    // Undo the cut.
    for (int i = first;; i = o.next(i)) {
      o.v[i].removed = false;
      if (i == last) break;
    }
    if (moved >= 0) o.v[moved] = moved == first ? vfirst : vlast;
    return false;
  }
  return true;
}

// By the x of the strip's left side, and within a strip from the highest piece down. This
// exchange sort, equal keys included, fixes the order the reports list the pieces in.
void sort_pieces(PolygonDivision& out, std::vector<double>& key) {
  for (int i = 0; i < out.piece_count; ++i)
    for (int j = i + 1; j < out.piece_count; ++j)
      if (key[i] > key[j] ||
          (key[i] == key[j] && !(out.pieces[i].center_y > out.pieces[j].center_y))) {
        std::swap(key[i], key[j]);
        std::swap(out.pieces[i], out.pieces[j]);
      }
}

}  // namespace

int classify_in_interval(double a, double b, double c) {
  if (std::fabs(c - a) < kTight) return 1;
  if (std::fabs(c - b) < kTight) return 3;
  if (c < a) return 0;
  if (c <= b) return 2;
  return 4;
}

DivisionStatus divide_polygon(std::span<const double> x, std::span<const double> y, int count,
                              PolygonDivision& out, const DivisionErrorBox& error_box) {
  out = PolygonDivision{};
  std::vector<double> key;

  auto fail = [&](DivisionStatus status) {
    sort_pieces(out, key);
    if (error_box) error_box(kDivisionErrorTitle, kDivisionErrorText);
    return status;
  };

  if (count < 0) count = 0;
  if (count > kMaxOutlineVertices || static_cast<std::size_t>(count) > x.size() ||
      static_cast<std::size_t>(count) > y.size())
    return fail(DivisionStatus::too_many_vertices);

  Outline o;
  o.n = count;
  for (int i = 0; i < count; ++i) o.v[i] = {x[i] * kScale, y[i] * kScale, false};

  for (int pass = 0;; ++pass) {
    o.compact();
    if (o.n < 3) break;
    if (pass >= kMaxPasses) return fail(DivisionStatus::not_divisible);

    bool dropped = false;
    for (int m = 0; m < o.n && !dropped; ++m)
      if (is_degenerate(o, m)) {
        o.v[m].removed = true;
        dropped = true;
      }
    if (dropped) continue;

    Strip s;
    bool cut = false;
    for (int m = 0; m < o.n && !cut; ++m) cut = try_strip(o, m, s);
    // Nothing can be cut from what is left: searching again would find the same.
    if (!cut) return fail(DivisionStatus::not_divisible);

    const StripPieces r = strip_pieces(s);
    for (int i = 0; i < r.piece_count; ++i) {
      key.push_back(s.xl);
      out.pieces.push_back(r.pieces[i]);
    }
    for (int i = 0; i < r.line_count; ++i) out.lines.push_back(r.lines[i]);
    out.piece_count = static_cast<int>(out.pieces.size());
    out.line_count = static_cast<int>(out.lines.size());
  }

  sort_pieces(out, key);
  return DivisionStatus::divided;
}

}  // namespace qvt::engine
