// The effective weight of the toe part: every polygon and rectangle block cut to the strip
// from the body front to the shear plane, divided into triangles and rectangles and weighed
// with its submerged unit weight, one row of the weight table per piece. Wall and lattice
// bodies weigh the improved soil by the long-wall and short-wall ratios and gather the unit
// weight x height terms that load the short walls.
#include "common/cp932.h"
#include "engines/common/engine_message.h"
#include "engines/common/polygon_division.h"
#include "engines/common/rounding_geometry.h"
#include "engines/jorpela/jorpela.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace qvt::jorpela {

using engine::number_field;
using engine::rnd;
using engine::text_field;

namespace {

enum RowMode { kPlain = 0, kLongWall = 1, kShortWall = 2 };

struct Strip {
  double left = 0, right = 0, bottom = 0, top = 0;  // rounded borders for the clipping
  double x0 = 0, x1 = 0;                            // unrounded toe_x and toe_x + B_L
};

struct Point {
  double x = 0, y = 0;
};

void append_term(std::string& text, double gamma, double h) {
  text += engine::format_text(text.empty() ? "%6.3lfx%6.3lf" : "+%6.3lfx%6.3lf", gamma, h);
}

void append_total(std::string& text, double sum) {
  text += utf8_to_cp932_lossy(engine::format_text(" ＝ %8.3lfkN/㎡", sum));
}

// Divides an outline and weighs its pieces; writes one row per piece when a file is given.
double weigh_outline(const ConditionData& cd, const engine::WallBlock& b,
                     std::vector<Point> outline, RowMode mode, engine::PrintFile* file) {
  if (outline.size() >= 2 && std::fabs(outline.front().x - outline.back().x) < 1e-9 &&
      std::fabs(outline.front().y - outline.back().y) < 1e-9)
    outline.pop_back();
  if (outline.size() < 3) return 0;
  std::vector<double> xs, ys;
  for (const Point& p : outline) xs.push_back(p.x), ys.push_back(p.y);
  engine::PolygonDivision division;
  const auto status = engine::divide_polygon(
      xs, ys, static_cast<int>(xs.size()), division, [](std::string_view t, std::string_view x) {
        engine::engine_message(engine::MessageKind::Error, utf8_to_cp932_lossy(t),
                               utf8_to_cp932_lossy(x));
      });
  // Pieces that do not cover the outline would give a weight that is too small.
  if (status != engine::DivisionStatus::divided) engine::stop_engine(engine::EngineStop{});
  const bool walls = has_short_walls(cd.improvement_pattern);
  const double rl = long_wall_ratio(cd), rs = short_wall_ratio(cd);
  const double gamma = b.head.unit_weights[1];
  double slot_weight = 0;
  bool first = true;
  for (const engine::PolygonPiece& piece : division.pieces) {
    const bool triangle = piece.code == engine::kPieceTriangle;
    const double width = rnd(piece.base), height = rnd(piece.height);
    double m = rnd(width * height * (triangle ? 0.5 : 1.0) * gamma);
    if (walls && mode == kLongWall) m = rnd(m * rl);
    else if (walls && mode == kShortWall) m = rnd(m * rs);
    else m = rnd(m);
    if (file) {
      file->block_record("QVT_BW01.PFM");
      if (first && mode != kShortWall) text_field(*file, 0, std::string(b.head.name.view()));
      text_field(*file, 1, triangle ? "1/2x" : "    ");
      number_field(*file, 2, "%6.3lf", width);
      number_field(*file, 3, "%6.3lf", height);
      number_field(*file, 4, "%6.3lf", gamma);
      if (walls && mode != kPlain) number_field(*file, 5, "x%5.3lf", mode == kLongWall ? rl : rs);
      number_field(*file, 6, "%9.3lf", rnd(m));
    }
    first = false;
    slot_weight += m;
  }
  return rnd(slot_weight);
}

// The polygon cut; counts the clipped starts and ends on the shear plane.
std::vector<Point> polygon_cut(const engine::WallBlock& b, const Strip& s, int& starts,
                               int& ends, double& ya, double& yb) {
  std::vector<Point> outline;
  const int n = std::clamp<int>(b.polygon.vertex_count, 0, qvt::POLYGON_VERTICES);
  starts = ends = 0;
  auto point = [&](int j) {
    const int k = j == n ? 0 : j;
    return Point{rnd(b.head.ref_x + b.polygon.vertex_x[k]), rnd(b.head.ref_y + b.polygon.vertex_y[k])};
  };
  for (int j = 1; j <= n && n > 0; ++j) {
    Point p = point(j - 1), q = point(j);
    if (clip_block_piece(s.left, s.right, s.bottom, s.top, p.x, p.y, q.x, q.y) < 0) continue;
    if (!outline.empty() &&
        (rnd(outline.back().x) != rnd(p.x) || rnd(outline.back().y) != rnd(p.y)))
      outline.push_back(p);
    else if (!outline.empty())
      outline.back() = p;
    else
      outline.push_back(p);
    outline.push_back(q);
    if (std::fabs(p.x - s.x1) < 0.001) ++starts, ya = p.y;
    if (std::fabs(q.x - s.x1) < 0.001) ++ends, yb = q.y;
  }
  return outline;
}

std::vector<Point> rectangle(double x1, double y1, double x2, double y2) {
  return {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}};
}

Strip strip_of(const ConditionData& cd, double bl) {
  Strip s;
  s.x0 = cd.toe_x;
  s.x1 = cd.toe_x + bl;
  s.left = rnd(cd.toe_x);
  s.right = rnd(cd.toe_x + bl);
  s.bottom = rnd(cd.toe_y - 100000);
  s.top = rnd(cd.toe_y + 100000);
  return s;
}

}  // namespace

int clip_block_piece(double left, double right, double bottom, double top, double& x1,
                     double& y1, double& x2, double& y2) {
  auto outside = [&](double x, double y) {
    return x >= right || x <= left || y >= top || y <= bottom;
  };
  const bool out1 = outside(x1, y1), out2 = outside(x2, y2);
  if (!out1 && !out2) return 0;
  Point kept[2];
  int count = 0;
  const double borders[2][4] = {{left, bottom, left, top}, {right, top, right, bottom}};
  for (const auto& br : borders) {
    double x = 0, y = 0;
    if (engine::intersect_lines(x1, y1, x2, y2, br[0], br[1], br[2], br[3], x, y) == 0)
      kept[count++] = {x, y};
  }
  if (count == 0) return -1;
  if (count == 2 && out1 && out2) {
    const Point a = x1 <= x2 ? kept[0] : kept[1];
    const Point b = x1 <= x2 ? kept[1] : kept[0];
    x1 = rnd(a.x), y1 = rnd(a.y), x2 = rnd(b.x), y2 = rnd(b.y);
    return 3;
  }
  if (out1 && out2) return -1;
  if (out1) {
    x1 = rnd(kept[0].x), y1 = rnd(kept[0].y);
    return 1;
  }
  x2 = rnd(kept[0].x), y2 = rnd(kept[0].y);
  return 2;
}

double short_wall_bottom_level(const ConditionData& cd) {
  double kept = -99999.999;
  const engine::WallBlock* slot = nullptr;
  for (const engine::WallBlock& b : cd.wall_blocks)
    if (b.block_type == engine::BLOCK_SOIL_RECTANGLE && b.head.ref_y > kept) {
      kept = rnd(b.head.ref_y);
      slot = &b;
    }
  if (slot == nullptr) return kept;
  return rnd(kept + slot->polygon.vertex_y[0] - cd.body_dims.ds);
}

ToeWeight toe_part_weight(const ConditionData& cd, double bl, engine::PrintFile* file) {
  ToeWeight t;
  const Strip s = strip_of(cd, bl);
  const bool walls = has_short_walls(cd.improvement_pattern);
  const double level = walls ? short_wall_bottom_level(cd) : 0;
  const auto& d = cd.body_dims;
  for (const engine::WallBlock& b : cd.wall_blocks) {
    const double gamma = b.head.unit_weights[1];
    const int type = b.block_type;
    const bool polygon = type == engine::BLOCK_POLYGON || (!walls && type == engine::BLOCK_SOIL_POLYGON);
    const bool rect = type == engine::BLOCK_RECTANGLE || type == engine::BLOCK_SOIL_RECTANGLE;
    if (polygon) {
      int starts = 0, ends = 0;
      double ya = 0, yb = 0;
      const auto outline = polygon_cut(b, s, starts, ends, ya, yb);
      if (outline.size() < 3) continue;
      if (walls && starts == 1 && ends == 1) {
        const double h = std::fabs(ya - yb);
        t.p += rnd(h * gamma);
        append_term(t.p_text, gamma, h);
      }
      t.w += weigh_outline(cd, b, outline, kPlain, file);
    } else if (rect) {
      double x1 = b.head.ref_x, y1 = b.head.ref_y;
      double x2 = b.head.ref_x + b.polygon.vertex_x[0], y2 = b.head.ref_y + b.polygon.vertex_y[0];
      if (!(s.x1 > x1 && x2 > s.x0)) continue;
      const bool cut_back = x2 > s.x1;
      x1 = std::max(x1, s.x0);
      x2 = std::min(x2, s.x1);
      const bool soil = type == engine::BLOCK_SOIL_RECTANGLE;
      if (walls && !soil && cut_back) {
        const double h = b.polygon.vertex_y[0];
        t.p += rnd(h * gamma);
        append_term(t.p_text, gamma, h);
      }
      t.w += weigh_outline(cd, b, rectangle(x1, y1, x2, y2), walls && soil ? kLongWall : kPlain,
                           file);
      if (!(walls && soil)) continue;
      // The short walls above their bottom, weighed by the short-wall ratio.
      const double top = b.head.ref_y + b.polygon.vertex_y[0];
      const double rl_x = rnd(s.x0), rr_x = rnd(s.x1);
      auto short_part = [&](double sx1, double sy1, double sx2, double sy2) {
        if (!(rr_x > sx1 && rl_x < sx2)) return false;
        sx1 = std::max(sx1, rl_x);
        sx2 = std::min(sx2, rr_x);
        t.w += weigh_outline(cd, b, rectangle(sx1, sy1, sx2, sy2), kShortWall, file);
        return true;
      };
      const double low = b.head.ref_y > level ? rnd(b.head.ref_y) : level;
      if (cd.improvement_pattern == PATTERN_WALL) {
        if (top > level)
          short_part(rnd(b.head.ref_x + d.bl1), low, rnd(b.head.ref_x + b.polygon.vertex_x[0] - d.bl2),
                     rnd(top));
      } else {
        if (top > level &&
            !short_part(rnd(b.head.ref_x), low, rnd(b.head.ref_x + b.polygon.vertex_x[0]), rnd(top)))
          continue;
        if (b.head.ref_y < level)
          short_part(rnd(b.head.ref_x), rnd(b.head.ref_y), rnd(b.head.ref_x + d.bl1),
                     std::min(rnd(top), level));
      }
    }
  }
  append_total(t.p_text, t.p);
  return t;
}

double top_block_pressure(const ConditionData& cd, std::string& text) {
  text.clear();
  double p0 = 0;
  const double level = short_wall_bottom_level(cd);
  for (const engine::WallBlock& b : cd.wall_blocks) {
    if (b.block_type != engine::BLOCK_SOIL_RECTANGLE) continue;
    const double top = rnd(b.head.ref_y + b.polygon.vertex_y[0]);
    if (!(top > level)) continue;
    const double low = b.head.ref_y > level ? rnd(b.head.ref_y) : level;
    p0 += rnd((top - low) * b.head.unit_weights[1]);
    append_term(text, b.head.unit_weights[1], top - low);
  }
  append_total(text, p0);
  return p0;
}

double overlying_pressure_circle(const ConditionData& cd, double x_line, std::string& text) {
  text.clear();
  double sum = 0;
  const double left = rnd(cd.toe_x), right = rnd(x_line);
  const double bottom = rnd(cd.toe_y - 100000), top = rnd(cd.toe_y + 100000);
  for (const engine::WallBlock& b : cd.wall_blocks) {
    const double gamma = b.head.unit_weights[1];
    double h = -1;
    if (b.block_type == engine::BLOCK_POLYGON) {
      const int n = std::clamp<int>(b.polygon.vertex_count, 0, qvt::POLYGON_VERTICES);
      int points = 0, starts = 0, ends = 0;
      double ya = 0, yb = 0;
      bool have_last = false;
      double lx = 0, ly = 0;
      for (int j = 1; j <= n && n > 0; ++j) {
        const int k0 = j - 1, k1 = j == n ? 0 : j;
        double x1 = rnd(b.polygon.vertex_x[k0] + b.head.ref_x), y1 = rnd(b.polygon.vertex_y[k0] + b.head.ref_y);
        double x2 = rnd(b.polygon.vertex_x[k1] + b.head.ref_x), y2 = rnd(b.polygon.vertex_y[k1] + b.head.ref_y);
        if (clip_block_piece(left, right, bottom, top, x1, y1, x2, y2) < 0) continue;
        if (!(have_last && rnd(lx) == rnd(x1) && rnd(ly) == rnd(y1))) ++points;
        ++points;
        have_last = true, lx = x2, ly = y2;
        if (std::fabs(x1 - x_line) < 0.001) ++starts, ya = y1;
        if (std::fabs(x2 - x_line) < 0.001) ++ends, yb = y2;
      }
      if (points >= 3 && starts == 1 && ends == 1) h = std::fabs(ya - yb);
    } else if (b.block_type == engine::BLOCK_RECTANGLE) {
      const double l = b.head.ref_x, r = b.head.ref_x + b.polygon.vertex_x[0];
      if (x_line > l && r > cd.toe_x && r > x_line) h = b.polygon.vertex_y[0];
    }
    if (h < 0) continue;
    sum += rnd(h * gamma);
    append_term(text, gamma, h);
  }
  append_total(text, sum);
  return sum;
}

}  // namespace qvt::jorpela
