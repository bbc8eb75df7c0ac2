// The pieces of the block figures: the block and buoyancy divisions of the polygon blocks, and
// the shear check's spread line with the division of the blocks on the sea side of it.
#include "common/cp932.h"
#include "engines/common/engine_message.h"
#include "engines/common/outline_cut.h"
#include "engines/common/polygon_division.h"
#include "engines/common/rounding_geometry.h"
#include "engines/oskavel/oskavel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace qvt::oskavel {

using engine::ConditionData;
using engine::FigureFile;
using engine::OutlinePoint;
using engine::SectionFigureState;

namespace {

constexpr double kPi = 3.141592653589793;

bool is_polygon(const engine::WallBlock& b) {
  return b.block_type == engine::BLOCK_POLYGON || b.block_type == engine::BLOCK_SOIL_POLYGON;
}

double rounded(double v) { return engine::round_to_unit(v, 0.001, 0); }

// The division of a point list; a list that cannot be divided has shown the division's message
// and is drawn with the pieces found before the failure.
engine::PolygonDivision divide(const std::vector<OutlinePoint>& points) {
  engine::PolygonDivision division;
  if (points.empty()) return division;
  std::vector<double> x, y;
  for (const OutlinePoint& p : points) {
    x.push_back(p.x);
    y.push_back(p.y);
  }
  (void)engine::divide_polygon(x, y, static_cast<int>(points.size()), division,
                               [](std::string_view title, std::string_view text) {
                                 engine::engine_message(engine::MessageKind::Error,
                                                        utf8_to_cp932_lossy(title),
                                                        utf8_to_cp932_lossy(text));
                               });
  return division;
}

// The numbers 1, 2, 3 ... of a block's pieces (no circle), then its division lines; a line
// lying on `skip_level` (when given) is the cut itself and is left out.
void draw_pieces(FigureFile& file, const SectionFigureState& st,
                 const std::vector<engine::PolygonDivision>& parts, const double* skip_level) {
  int number = 0;
  for (const auto& part : parts)
    for (const auto& piece : part.pieces)
      engine::draw_numbered_circle(file, st, piece.center_x, piece.center_y, ++number, true);
  for (const auto& part : parts)
    for (const auto& l : part.lines) {
      if (skip_level && std::fabs(l.y1 - *skip_level) <= 0.0001 &&
          std::fabs(l.y2 - *skip_level) <= 0.0001)
        continue;
      engine::draw_section_line(file, st, l.x1, l.y1, l.x2, l.y2, 1);
    }
}

std::int64_t hundredths(double v) { return static_cast<std::int64_t>(std::trunc(v * 100)); }

}  // namespace

void draw_block_division(FigureFile& file, const ConditionData& data,
                         const SectionFigureState& st, int kind) {
  const double r = data.water_levels[2];
  for (const engine::WallBlock& b : data.wall_blocks) {
    if (!is_polygon(b)) continue;
    const std::vector<OutlinePoint> outline = engine::polygon_outline(b);
    std::vector<engine::PolygonDivision> parts;
    if (kind == BUOYANCY_DIVISION) {
      parts.push_back(divide(engine::cut_outline_at_level(outline, r, false)));
    } else if (b.head.unit_weights[0] != b.head.unit_weights[2]) {
      // The weight changes at the R.W.L.: the part above first, as it is weighed.
      parts.push_back(divide(engine::cut_outline_at_level(outline, r, true)));
      parts.push_back(divide(engine::cut_outline_at_level(outline, r, false)));
    } else {
      parts.push_back(divide(outline));
    }
    draw_pieces(file, st, parts, kind == BUOYANCY_DIVISION ? &r : nullptr);
  }
  if (kind == BUOYANCY_DIVISION) engine::draw_section_line(file, st, st.min_x, r, st.max_x, r, 3);
}

std::optional<ShearGeometry> shear_geometry(const ConditionData& data, int kind) {
  const engine::BodyReaction& reaction = data.body_reactions[kind == SHEAR_SEISMIC ? 1 : 0];
  ShearGeometry g;
  g.check_x = reaction.check_x;
  g.check_y = reaction.check_y;
  g.angle = (reaction.spread_angle + 30) * kPi / 180;

  // A: the highest of the rightmost improved-soil points; B: the highest of the leftmost.
  // Compared in whole hundredths, the later point winning on equal values.
  OutlinePoint a{-9999.999, -9999.999}, b{9999.999, -9999.999};
  bool found = false;
  auto take = [&](double x, double y, bool reset) {
    const OutlinePoint p{rounded(x), rounded(y)};
    const std::int64_t px = hundredths(p.x), py = hundredths(p.y);
    if (reset && px > hundredths(a.x)) a.y = -9999.999;
    if (px >= hundredths(a.x) && py >= hundredths(a.y)) a = p;
    if (reset && px < hundredths(b.x)) b.y = -9999.999;
    if (px <= hundredths(b.x) && py >= hundredths(b.y)) b = p;
    found = true;
  };
  for (const engine::WallBlock& blk : data.wall_blocks) {
    if (blk.block_type == engine::BLOCK_SOIL_POLYGON) {
      for (const OutlinePoint& p : engine::polygon_outline(blk)) take(p.x, p.y, true);
    } else if (blk.block_type == engine::BLOCK_SOIL_RECTANGLE) {
      const double top = blk.head.ref_y + blk.polygon.vertex_y[0];
      take(blk.head.ref_x + blk.polygon.vertex_x[0], top, false);
      take(blk.head.ref_x, top, false);
    }
  }
  // Without an improved body there is nothing for the spread line to reach.
  if (!found) return std::nullopt;
  const double fx = g.check_x - 999 * std::sin(g.angle), fy = g.check_y - 999 * std::cos(g.angle);
  // A spread line parallel to the body top never reaches it.
  if (engine::intersect_lines(g.check_x, g.check_y, fx, fy, a.x, a.y, b.x, b.y, g.q_x, g.q_y) ==
      -1)
    return std::nullopt;
  return g;
}

void draw_spread_line(FigureFile& file, const ConditionData& data, const SectionFigureState& st,
                      int kind) {
  const std::optional<ShearGeometry> g = shear_geometry(data, kind);
  if (!g) return;
  engine::draw_world_line(file, st, g->check_x, g->check_y, g->q_x, g->q_y, 2, 1);
  engine::draw_world_line(file, st, g->q_x, g->q_y, g->q_x, st.min_y, 1, 1);
}

void draw_shear_division(FigureFile& file, const ConditionData& data,
                         const SectionFigureState& st, int kind) {
  const std::optional<ShearGeometry> g = shear_geometry(data, kind);
  if (!g) return;
  for (const engine::WallBlock& b : data.wall_blocks) {
    if (!is_polygon(b)) continue;
    std::vector<OutlinePoint> crossings;
    const std::vector<OutlinePoint> kept =
        engine::cut_outline_left_of(engine::polygon_outline(b), g->q_x, &crossings);
    for (std::size_t i = 1; i < crossings.size(); ++i)
      engine::draw_section_line(file, st, crossings[i - 1].x, crossings[i - 1].y, crossings[i].x,
                                crossings[i].y, 2);
    draw_pieces(file, st, {divide(kept)}, nullptr);
  }

  // The width the check takes: from min_x to Q, one metre above the check point.
  constexpr int kText = 60;
  const int px = engine::far_clamped(engine::section_page_x(st, g->check_y + 1.0));
  const int ya = st.origin_y, yb = engine::far_clamped(engine::section_page_y(st, g->q_x));
  file.line(px - 12, ya, px + 12, ya, 0, 2);
  file.line(px - 12, yb, px + 12, yb, 0, 2);
  file.arrow(px, ya, px, yb, 40, 20, 2);
  const std::string text = engine::format_text("%1.3f", rounded(g->q_x - st.min_x));
  const int length = static_cast<int>(text.size());
  file.text(px - 24, engine::page_int((ya + yb) / 2.0 + (length * kText) / 4), kText, kText, 90,
            2, text);
}

void draw_shear_levels(FigureFile& file, const ConditionData& data, const SectionFigureState& st,
                       int kind) {
  const engine::BodyReaction& reaction = data.body_reactions[kind == SHEAR_SEISMIC ? 1 : 0];
  const double angle = (reaction.spread_angle + 30) * kPi / 180;
  const double xq =
      rounded(reaction.check_x - std::tan(angle) * (reaction.check_y - improved_top_level(data)));
  for (const engine::WallBlock& b : data.wall_blocks) {
    if (b.block_type == engine::BLOCK_POLYGON) {
      std::vector<OutlinePoint> pts = engine::polygon_outline(b);
      if (pts.empty()) continue;
      double lo = -100, hi = 100;  // the vertical spans the block wherever it lies
      for (OutlinePoint& p : pts) {
        p = {rounded(p.x), rounded(p.y)};
        lo = std::min(lo, p.y - 1);
        hi = std::max(hi, p.y + 1);
      }
      const std::size_t n = pts.size();
      for (std::size_t v = 1; v <= n; ++v) {
        const OutlinePoint& p0 = pts[v - 1];
        const OutlinePoint& p1 = pts[v % n];
        double x = 0, y = 0;
        if (engine::intersect_lines(p0.x, p0.y, p1.x, p1.y, xq, lo, xq, hi, x, y) == 0)
          draw_sea_level_mark(file, st, rounded(y));
      }
    } else if (b.block_type == engine::BLOCK_RECTANGLE) {
      const double x0 = b.head.ref_x, x1 = b.head.ref_x + b.polygon.vertex_x[0];
      const double bottom = b.head.ref_y, top = b.head.ref_y + b.polygon.vertex_y[0];
      if (x0 < xq && xq < x1) {
        draw_sea_level_mark(file, st, rounded(bottom));
        draw_sea_level_mark(file, st, rounded(top));
        engine::draw_world_line(file, st, xq, bottom, xq, top, 1, 1);
      }
    }
  }
}

}  // namespace qvt::oskavel
