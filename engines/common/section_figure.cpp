#include "engines/common/section_figure.h"

#include "common/cp932.h"
#include "engines/common/block_vertices.h"
#include "engines/common/pressure_helpers.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace qvt::engine {
namespace {

struct Point {
  double x, y;
};

// Lines from each point to the next and from the last back to the first.
template <typename PointAt>
void closed_outline(FigureFile& file, const SectionFigureState& st, int count, PointAt at) {
  for (int j = 0; j < count; ++j) {
    const Point a = at(j), b = at((j + 1) % count);
    draw_world_line(file, st, a.x, a.y, b.x, b.y, 0, 3);
  }
}

// The caisson outline of types 2 and 3: as stored, in single precision, not rounded.
void caisson_outline(FigureFile& file, const SectionFigureState& st, const CaissonShape& c,
                     int group_size) {
  const int n = std::clamp<int>(c.outline_count, 0, CAISSON_OUTLINE_POINTS);
  auto at = [&](int j) {
    return Point{static_cast<double>(c.outline_x[j]), static_cast<double>(c.outline_y[j])};
  };
  auto segment = [&](int i, int j, int kind) {
    if (i < 0 || j < 0 || i >= CAISSON_OUTLINE_POINTS || j >= CAISSON_OUTLINE_POINTS) return;
    const Point a = at(i), b = at(j);
    draw_world_line(file, st, a.x, a.y, b.x, b.y, kind, 3);
  };
  closed_outline(file, st, n, at);
  // The inner wall groups after the outline: six points as an open line for a caisson, two
  // separate lines of four points for a caisson with footing.
  const int groups = std::max<int>(c.flag_a, 0);
  for (int g = 0; g < groups; ++g) {
    const int p = n + group_size * g;
    if (p + group_size > CAISSON_OUTLINE_POINTS) break;
    if (group_size == 6) {
      for (int k = 0; k < 5; ++k) segment(p + k, p + k + 1, 0);
    } else {
      segment(p, p + 1, 0);
      segment(p + 2, p + 3, 0);
    }
  }
  // The auxiliary lines, in pairs up to the stored end of the list.
  const int tail = std::min<int>(c.tail, CAISSON_OUTLINE_POINTS);
  for (int v = n + group_size * groups; v < tail; v += 2) segment(v, v + 1, 1);
}

void counterfort_outline(FigureFile& file, const SectionFigureState& st, const WallBlock& b) {
  const CounterfortShape& c = b.counterfort;
  const int n = std::clamp<int>(c.outline_count, 0, COUNTERFORT_OUTLINE_POINTS);
  auto at = [&](int j) { return Point{c.outline_x[j], c.outline_y[j]}; };
  closed_outline(file, st, n, at);
  auto segment = [&](int i, int j) {
    if (i >= COUNTERFORT_OUTLINE_POINTS || j >= COUNTERFORT_OUTLINE_POINTS) return;
    draw_world_line(file, st, c.outline_x[i], c.outline_y[i], c.outline_x[j], c.outline_y[j], 0,
                    3);
  };
  if (b.sub_type == 3) {
    segment(3, 9);
    segment(9, 10);
    segment(10, 7);
    segment(4, 10);
    segment(6, 9);
  } else {
    segment(n, n + 1);
    segment(n + 1, n + 2);
    segment(n + 2, n + 3);
    segment(n + 4, n + 5);
  }
}

void library_lines(FigureFile& file, const ConditionData& data, const SectionFigureState& st,
                   const WallBlock& b) {
  const int index = b.library.library_index;
  if (index < 0 || index >= MAX_ENGINE_SHAPES) return;
  const ShapeEntry& e = data.shape_library[index];
  const int points = std::clamp(e.point_count, 0, LIBRARY_POINTS);
  const int pairs = std::clamp(e.pair_count, 0, LIBRARY_PAIRS);
  auto at = [&](int i) {
    const double px = b.library.mirrored != 0 ? e.values[0] - e.point_x[i] : e.point_x[i];
    return Point{b.head.ref_x + px, b.head.ref_y + e.point_y[i]};
  };
  for (int k = 1; k <= pairs; ++k) {
    const int i = e.pair_first[k], j = e.pair_second[k];
    if (i < 1 || i > points || j < 1 || j > points) continue;
    const Point p = at(i), q = at(j);
    draw_world_line(file, st, p.x, p.y, q.x, q.y, 0, 3);
  }
}

// The inner boundary of the short walls, dashed, below the top of the improved body.
void short_wall_boundary(FigureFile& file, const ConditionData& data,
                         const SectionFigureState& st, const WallBlock& b) {
  const double x11 = b.polygon.vertex_x[11], y11 = b.polygon.vertex_y[11];
  const double x12 = b.polygon.vertex_x[12], y12 = b.polygon.vertex_y[12];
  const ImprovedBodyDims& d = data.body_dims;
  const double a = x11 + d.bl1, c = x12 - d.bl2;
  if (data.improvement_pattern == PATTERN_WALL) {
    draw_world_line(file, st, a, y11, c, y12, 1, 3);
    draw_world_line(file, st, c, y12, c, y12 - d.ds, 1, 3);
    draw_world_line(file, st, a, y11 - d.ds, c, y12 - d.ds, 1, 3);
    draw_world_line(file, st, a, y11, a, y11 - d.ds, 1, 3);
  } else if (data.improvement_pattern == PATTERN_LATTICE) {
    draw_world_line(file, st, a, y11, c, y12, 1, 3);
    draw_world_line(file, st, c, y12 - d.ds, c, y12 - d.ds - d.dl, 1, 3);
    draw_world_line(file, st, a, y11 - d.ds, c, y12 - d.ds, 1, 3);
    draw_world_line(file, st, a, y11 - d.ds, a, y11 - d.ds - d.dl, 1, 3);
  }
}

}  // namespace

// The origin lies on the page and page_int holds the distance within kPageCoordinateLimit, so
// the difference, and the offsets the figures add to it, stay well inside int.
int section_page_x(const SectionFigureState& st, double y) {
  return st.origin_x - page_int((y - st.min_y) * st.scale);
}

int section_page_y(const SectionFigureState& st, double x) {
  return st.origin_y - page_int((x - st.min_x) * st.scale);
}

void write_section_figure_head(FigureFile& file, std::string_view name,
                               std::string_view title_cp932) {
  file.raw_line(name);
  file.raw_line(kSectionFigureSize);
  file.line(100, 300, 4000, 300, 0, 3);
  file.line(4000, 300, 4000, 6200, 0, 3);
  file.line(4000, 6200, 100, 6200, 0, 3);
  file.line(100, 6200, 100, 300, 0, 3);
  file.line(400, 300, 400, 6200, 0, 3);
  file.text(325, 6000, 150, 150, 90, 2, title_cp932);
}

void draw_world_line(FigureFile& file, const SectionFigureState& st, double x1, double y1,
                     double x2, double y2, int kind, int pen) {
  file.line(section_page_x(st, y1), section_page_y(st, x1), section_page_x(st, y2),
            section_page_y(st, x2), kind, pen);
}

void draw_section_line(FigureFile& file, const SectionFigureState& st, double x1, double y1,
                       double x2, double y2, int kind) {
  draw_world_line(file, st, x1, y1, x2, y2, kind, 1);
}

void draw_numbered_circle(FigureFile& file, const SectionFigureState& st, double x, double y,
                          int number, bool no_circle) {
  const std::string text = std::to_string(number);
  const int p = section_page_x(st, y), q = section_page_y(st, x);
  if (!no_circle) file.circle(p, q, (3 * st.char_small) / 4, 1);
  file.text(p + st.char_small / 2, q + (static_cast<int>(text.size()) * st.char_small) / 4,
            st.char_small, st.char_small, 90, 2, text);
}

void draw_water_mark(FigureFile& file, int a, int b) {
  // The mark in its own frame (u across the water line, v along it), turned onto the page.
  static constexpr int kLines[6][4] = {{0, 0, -25, -50},  {-25, -50, 25, -50},
                                       {25, -50, 0, 0},   {-75, 10, 75, 10},
                                       {-50, 20, 50, 20}, {-25, 30, 25, 30}};
  auto page = [&](int u, int v, int& px, int& py) {
    double X = 0, Y = 0;
    transform_to_page(a + u, b + v, a, b, 0.0, 1.0, 1.0, a, b, X, Y);
    px = page_int(X);
    py = page_int(Y);
  };
  for (const auto& l : kLines) {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    page(l[0], l[1], x1, y1);
    page(l[2], l[3], x2, y2);
    file.line(x1, y1, x2, y2, 0, 2);
  }
}

void section_block_extents(const ConditionData& data, SectionFigureState& st) {
  st.min_x = st.min_y = 9999.9;
  st.max_x = st.max_y = -9999.9;
  auto take = [&](double stored_x, double stored_y, double x, double y) {
    if (stored_x < st.min_x) st.min_x = x;
    if (stored_x > st.max_x) st.max_x = x;
    if (stored_y < st.min_y) st.min_y = y;
    if (stored_y > st.max_y) st.max_y = y;
  };
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    const WallBlock& b = data.wall_blocks[slot];
    int first = 0, end = 0;
    if (b.block_type < 0 || !get_block_vertex_range(data, slot, first, end)) continue;
    for (int j = first; j < end; ++j) {
      double x = 0, y = 0;
      if (!get_block_vertex(data, slot, j, x, y)) continue;
      if (b.block_type == BLOCK_CAISSON || b.block_type == BLOCK_FOOTING_CAISSON) {
        take(static_cast<double>(b.caisson.outline_x[j]),
             static_cast<double>(b.caisson.outline_y[j]), x, y);
      } else {
        take(x, y, x, y);
      }
    }
  }
  for (double level : data.water_levels) {
    if (level < st.min_y) st.min_y = level;
    if (level > st.max_y) st.max_y = level;
  }
}

EngineStop empty_section_stop() {
  return fatal_error(utf8_to_cp932_lossy(
      "作図するブロックがありません。断面の範囲が求められないため、図を作成できません。"));
}

void find_block_level_range(const ConditionData& data, SectionFigureState& st) {
  st.block_top_level = -999.999;
  st.block_bottom_level = 999.999;
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    int first = 0, end = 0;
    if (data.wall_blocks[slot].block_type < 0) continue;
    if (!get_block_vertex_range(data, slot, first, end)) continue;
    for (int j = first; j < end; ++j) {
      double x = 0, y = 0;
      if (!get_block_vertex(data, slot, j, x, y)) continue;
      if (y > st.block_top_level) st.block_top_level = y;
      if (y < st.block_bottom_level) st.block_bottom_level = y;
    }
  }
}

char block_label_letter(int label_number) {
  return static_cast<char>('A' + ((label_number % 26) + 26) % 26);
}

void draw_block_outlines(FigureFile& file, const ConditionData& data,
                         const SectionFigureState& st) {
  bool short_walls_seen = false;
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    const WallBlock& b = data.wall_blocks[slot];
    if (b.block_type < 0) continue;
    switch (b.block_type) {
      case BLOCK_POLYGON:
      case BLOCK_SOIL_POLYGON: {
        const int n = std::clamp<int>(b.polygon.vertex_count, 0, POLYGON_VERTICES);
        closed_outline(file, st, n, [&](int j) {
          return Point{b.polygon.vertex_x[j] + b.head.ref_x, b.polygon.vertex_y[j] + b.head.ref_y};
        });
        break;
      }
      case BLOCK_RECTANGLE:
      case BLOCK_SOIL_RECTANGLE:
        closed_outline(file, st, 4, [&](int j) {
          return Point{b.polygon.vertex_x[10 + j], b.polygon.vertex_y[10 + j]};
        });
        if (b.block_type == BLOCK_SOIL_RECTANGLE && !short_walls_seen) {
          short_walls_seen = true;
          short_wall_boundary(file, data, st, b);
        }
        break;
      case BLOCK_CAISSON:
        caisson_outline(file, st, b.caisson, 6);
        break;
      case BLOCK_FOOTING_CAISSON:
        caisson_outline(file, st, b.caisson, 4);
        break;
      case BLOCK_QUAD:
        closed_outline(file, st, 4,
                       [&](int j) { return Point{b.quad.corner_x[j], b.quad.corner_y[j]}; });
        break;
      case BLOCK_COUNTERFORT:
        counterfort_outline(file, st, b);
        break;
      case BLOCK_LIBRARY:
        library_lines(file, data, st, b);
        break;
      default:
        break;  // no outline, only the label
    }
    const int p = section_page_x(st, b.head.label_y), q = section_page_y(st, b.head.label_x);
    const char letter[2] = {block_label_letter(data.block_label_numbers[slot]), '\0'};
    file.text(p + st.char_large / 2, q + (1 * st.char_large) / 4, st.char_large, st.char_large,
              90, 2, letter);
  }
}

}  // namespace qvt::engine
