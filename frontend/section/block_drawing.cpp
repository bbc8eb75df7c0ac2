#include "frontend/section/block_drawing.h"

#include "frontend/model/block_geometry.h"
#include "frontend/section/picking.h"

#include <optional>

namespace qvt::section {

namespace {

using namespace model;

constexpr int kCross = 15;
constexpr int kLabelDx = 70;
constexpr int kLabelDy = 75;

// A walk that joins the points it is given: the first starts it, every further one gets a line
// from the one before. Closing joins the last point back to the first.
class Walk {
 public:
  explicit Walk(DrawSink& sink) : sink_(sink) {}
  void to(PicturePoint p) {
    if (!started_) {
      first_ = p;
      started_ = true;
    } else if (!drawn_) {
      sink_.line(last_.x, last_.y, p.x, p.y);
      drawn_ = true;
    } else {
      sink_.line_to(p.x, p.y);
    }
    last_ = p;
  }
  void close() {
    if (started_) sink_.line(last_.x, last_.y, first_.x, first_.y);
  }

 private:
  DrawSink& sink_;
  bool started_ = false, drawn_ = false;
  PicturePoint first_, last_;
};

// The polygon and rectangle walk: an unset vertex is skipped; an unset first vertex draws
// nothing.
void draw_vertex_walk(const ViewState& v, const PolygonShape& p, int first, int end, bool relative,
                      DrawSink& sink) {
  auto unset = [&](int j) { return p.vertex_x[j] == UNSET_COORD || p.vertex_y[j] == UNSET_COORD; };
  auto at = [&](int j) {
    return relative ? picture_point(v, p.head.ref_x + p.vertex_x[j], p.head.ref_y + p.vertex_y[j])
                    : picture_point(v, p.vertex_x[j], p.vertex_y[j]);
  };
  if (first < 0 || first > POLYGON_VERTICES || unset(first)) return;
  PicturePoint current = at(first);
  const PicturePoint start = current;
  for (int j = first + 1; j < end; ++j) {
    if (j > POLYGON_VERTICES) return;  // a count past the array: the outline ends here
    if (unset(j)) continue;
    const PicturePoint next = at(j);
    sink.line(current.x, current.y, next.x, next.y);
    current = next;
  }
  sink.line(current.x, current.y, start.x, start.y);
}

template <typename Shape, int Last>
std::optional<PicturePoint> outline_point(const ViewState& v, const Shape& s, int j) {
  if (j < 0 || j > Last) return std::nullopt;
  return picture_point(v, s.outline_x[j], s.outline_y[j]);
}

// Lines through the outline points in `indexes`; false when one lies outside the array.
template <typename Shape, int Last>
bool polyline(const ViewState& v, const Shape& s, std::initializer_list<int> indexes,
              DrawSink& sink) {
  Walk walk(sink);
  for (int j : indexes) {
    const auto p = outline_point<Shape, Last>(v, s, j);
    if (!p) return false;
    walk.to(*p);
  }
  return true;
}

// The closed outer outline, points 0 to n - 1; false when n runs past the array.
template <typename Shape, int Last>
bool outer_outline(const ViewState& v, const Shape& s, DrawSink& sink) {
  const int n = s.outline_count;
  Walk walk(sink);
  for (int j = 0; j < n; ++j) {
    const auto p = outline_point<Shape, Last>(v, s, j);
    if (!p) return false;
    walk.to(*p);
  }
  walk.close();
  return true;
}

void draw_caisson(const ViewState& v, const CaissonShape& c, bool footing, DrawSink& sink) {
  constexpr int kLast = CAISSON_OUTLINE_POINTS;
  if (!outer_outline<CaissonShape, kLast>(v, c, sink)) return;
  const int n = c.outline_count;
  for (int k = 0; k < c.flag_a; ++k) {
    bool ok = true;
    if (!footing) {
      const int b = n + 6 * k;
      ok = polyline<CaissonShape, kLast>(v, c, {b, b + 1, b + 2, b + 3, b + 4, b + 5}, sink);
    } else {
      const int b = n + 4 * k;
      ok = polyline<CaissonShape, kLast>(v, c, {b, b + 1}, sink) &&
           polyline<CaissonShape, kLast>(v, c, {b + 2, b + 3}, sink);
    }
    if (!ok) return;
  }
  sink.set_style(LineStyle::Dot);
  for (int i = n + (footing ? 4 : 6) * std::max<int>(c.flag_a, 0); i < c.tail; i += 2)
    if (!polyline<CaissonShape, kLast>(v, c, {i, i + 1}, sink)) return;
}

void draw_counterfort(const ViewState& v, const CounterfortShape& c, DrawSink& sink) {
  constexpr int kLast = COUNTERFORT_OUTLINE_POINTS;
  if (!outer_outline<CounterfortShape, kLast>(v, c, sink)) return;
  if (c.sub_type == 3) {
    polyline<CounterfortShape, kLast>(v, c, {3, 9, 10, 7}, sink) &&
        polyline<CounterfortShape, kLast>(v, c, {4, 10}, sink) &&
        polyline<CounterfortShape, kLast>(v, c, {6, 9}, sink);
  } else {
    const int n = c.outline_count;
    polyline<CounterfortShape, kLast>(v, c, {n, n + 1, n + 2, n + 3}, sink) &&
        polyline<CounterfortShape, kLast>(v, c, {n + 4, n + 5}, sink);
  }
}

// Library segments at the model's own placement of the entry's points, so that what is drawn
// is what the editors snap to. Points are taken to the next whole picture unit below.
void draw_library(const ProjectModel& m, const ViewState& v, int slot, DrawSink& sink) {
  const ShapeEntry* e = library_entry(m, m.wall_blocks[slot].library.library_index);
  if (e == nullptr) return;
  for (int i = 1; i <= e->pair_count; ++i) {
    if (i > LIBRARY_PAIRS) return;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!get_block_vertex(m, slot, e->pair_first[i], x1, y1) ||
        !get_block_vertex(m, slot, e->pair_second[i], x2, y2))
      return;
    const PicturePoint a = picture_point_floor(v, x1, y1);
    const PicturePoint b = picture_point_floor(v, x2, y2);
    sink.line(a.x, a.y, b.x, b.y);
  }
}

}  // namespace

std::string block_label_text(int number) {
  return std::string(1, static_cast<char>('A' + number % 26));
}

void draw_block_label(const ProjectModel& m, const ViewState& v, int slot, int mode,
                      DrawSink& sink) {
  if (slot < 0 || slot >= MAX_WALL_BLOCKS) return;
  const WallBlock& b = m.wall_blocks[slot];
  const BlockHead* h = block_head(b);
  if (b.block_type < 0 || h == nullptr) return;
  const PicturePoint p = picture_point(v, h->label_x, h->label_y);
  sink.set_text_position(p.x - kLabelDx, p.y - kLabelDy);
  if (mode == 1)
    sink.set_colour(kYellow);
  else if (b.block_type == BLOCK_SOIL_POLYGON || b.block_type == BLOCK_SOIL_RECTANGLE)
    sink.set_colour(kGreen);
  else
    sink.set_colour(kMagenta);
  sink.print(block_label_text(m.block_label_numbers[slot]));
}

void draw_wall_block(const ProjectModel& m, const ViewState& v, int slot, int mode,
                     DrawSink& sink) {
  if (slot < 0 || slot >= MAX_WALL_BLOCKS) return;
  const WallBlock& b = m.wall_blocks[slot];
  const BlockHead* h = block_head(b);
  if (b.block_type < 0 || h == nullptr) return;
  sink.set_style(LineStyle::Solid);
  sink.set_colour(mode == 1 ? kYellow : kRed);
  const PicturePoint r = picture_point(v, h->ref_x, h->ref_y);
  sink.line(r.x - kCross, r.y, r.x + kCross, r.y);
  sink.line(r.x, r.y - kCross, r.x, r.y + kCross);
  draw_block_label(m, v, slot, mode, sink);
  sink.set_style(LineStyle::Solid);
  sink.set_colour(mode == 1 ? kYellow : kWhite);
  switch (b.block_type) {
    case BLOCK_POLYGON:
    case BLOCK_SOIL_POLYGON:
      draw_vertex_walk(v, b.polygon, 0, b.polygon.vertex_count, true, sink);
      break;
    case BLOCK_RECTANGLE:
    case BLOCK_SOIL_RECTANGLE:
      draw_vertex_walk(v, b.polygon, 10, 14, false, sink);
      break;
    case BLOCK_QUAD: {
      Walk walk(sink);
      for (int j = 0; j < 4; ++j) walk.to(picture_point(v, b.quad.corner_x[j], b.quad.corner_y[j]));
      walk.close();
      break;
    }
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON:
      draw_caisson(v, b.caisson, b.block_type == BLOCK_FOOTING_CAISSON, sink);
      break;
    case BLOCK_COUNTERFORT:
      draw_counterfort(v, b.counterfort, sink);
      break;
    case BLOCK_LIBRARY:
      draw_library(m, v, slot, sink);
      break;
    default:
      break;
  }
}

}  // namespace qvt::section
