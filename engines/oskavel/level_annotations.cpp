// The levels around the section (water levels with their marks, block top and bottom, soil
// layer tops, the bottom of the short walls) and the two dimension chains.
#include "engines/oskavel/oskavel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

namespace qvt::oskavel {

using engine::ConditionData;
using engine::FigureFile;
using engine::SectionFigureState;
namespace {

int page_x(const SectionFigureState& st, double y) {
  return engine::far_clamped(engine::section_page_x(st, y));
}
int page_y(const SectionFigureState& st, double x) {
  return engine::far_clamped(engine::section_page_y(st, x));
}

std::string level_text(const char* label, double level) {
  return engine::format_text("%s%+8.3f", label, level);
}

std::string length_text(double v) {
  return engine::format_text("%1.3f", v);
}

// Leaders of the sea-side levels start 100 page units beyond world x min_x, those of the
// land side 100 beyond max_x.
int sea_leader_start(const SectionFigureState& st) { return st.origin_y + 100; }
int land_leader_start(const SectionFigureState& st) {
  return st.origin_y - engine::far_clamped(engine::page_int((st.max_x - st.min_x) * st.scale)) -
         100;
}

}  // namespace

void draw_sea_level_mark(FigureFile& file, const SectionFigureState& st, double level) {
  const int t = st.char_large;
  const int p = page_x(st, level), y0 = sea_leader_start(st);
  const int end = y0 + t + (t / 2) * 11;
  file.line(p, y0, p, end, 0, 2);
  file.text(p - engine::page_int(0.2 * t), end - t / 2, t, t, 90, 2, level_text("", level));
}

void draw_land_level_mark(FigureFile& file, const SectionFigureState& st, double level) {
  const int t = st.char_large;
  const int p = page_x(st, level), y1 = land_leader_start(st);
  const int end = y1 - t - (t / 2) * 11;
  file.line(p, y1, p, end, 0, 2);
  file.text(p - engine::page_int(0.2 * t), end + (t / 2) * 9, t, t, 90, 2, level_text("", level));
}

void draw_water_levels(FigureFile& file, const ConditionData& data, const SectionFigureState& st,
                       int) {
  struct Entry {
    double level;
    int kind;  // 1 water level with its mark, 2 block level
    const char* label;
  };
  Entry e[5] = {{data.water_levels[0], 1, "H.W.L"},
                {data.water_levels[1], 1, "L.W.L"},
                {st.block_top_level, 2, "     "},
                {st.block_bottom_level, 2, "     "},
                {data.water_levels[2], 1, "R.W.L"}};
  // From the highest level down; equal levels end in the reverse of the order above.
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 5; ++j)
      if (e[i].level <= e[j].level) std::swap(e[i], e[j]);

  const int t = st.char_large;
  const int y0 = sea_leader_start(st);
  const int gap = engine::page_int(1.6 * t);
  int prev = 0;
  for (const Entry& entry : e) {
    const int p = page_x(st, entry.level);
    // A leader too close to the previous one is bent aside to keep the texts apart.
    const int q = p - prev >= gap ? p : prev + gap;
    prev = q;
    const int end = entry.kind == 1 ? y0 + t + (t / 2) * 17 + 150 : y0 + t + (t / 2) * 11;
    if (q == p) {
      file.line(p, y0, q, end, 0, 2);
    } else {
      file.line(p, y0, p, y0 + t / 2, 0, 2);
      file.line(p, y0 + t / 2, q, y0 + t, 0, 2);
      file.line(q, y0 + t, q, end, 0, 2);
    }
    file.text(q - engine::page_int(0.2 * t), y0 + t + (t / 2) * 15, t, t, 90, 2,
              level_text(entry.label, entry.level));
    if (entry.kind == 1) engine::draw_water_mark(file, q, end - t / 2 - 75);
  }
}

double improved_top_level(const ConditionData& data) {
  double top = -9999.999;
  for (const engine::WallBlock& b : data.wall_blocks) {
    if (b.block_type == engine::BLOCK_SOIL_POLYGON) {
      const int n = std::clamp<int>(b.polygon.vertex_count, 0, engine::POLYGON_VERTICES);
      for (int j = 0; j < n; ++j) top = std::max(top, b.polygon.vertex_y[j] + b.head.ref_y);
    } else if (b.block_type == engine::BLOCK_SOIL_RECTANGLE) {
      top = std::max(top, b.polygon.vertex_y[0] + b.head.ref_y);
    }
  }
  return top;
}

void draw_layer_levels(FigureFile& file, const ConditionData& data, const SectionFigureState& st,
                       int kind) {
  const bool short_walls = has_short_walls(data.improvement_pattern);
  const int sea = std::min(data.soil_layer_counts[engine::SIDE_PASSIVE],
                           engine::SOIL_LAYER_RECORDS);
  for (int i = 0; i < sea; ++i)
    draw_sea_level_mark(file, st, data.soil_layers[engine::SIDE_PASSIVE][i].top_level);
  if (short_walls) draw_sea_level_mark(file, st, improved_top_level(data) - data.body_dims.ds);
  // The land side also marks the record after its last layer: it carries the level of the
  // side's last action point. A side that fills all records has no such record.
  const int land = data.soil_layer_counts[engine::SIDE_ACTIVE];
  for (int i = 0; i <= land && i < engine::SOIL_LAYER_RECORDS; ++i)
    draw_land_level_mark(file, st, data.soil_layers[engine::SIDE_ACTIVE][i].top_level);
  if (short_walls) draw_land_level_mark(file, st, improved_top_level(data) - data.body_dims.ds);
  if (kind == SHEAR_NORMAL || kind == SHEAR_SEISMIC) draw_shear_levels(file, data, st, kind);
}

void draw_dimension_chain(FigureFile& file, const SectionFigureState& st,
                          const engine::DimensionPointList& list, bool upper) {
  constexpr int kText = 60;
  const int n = std::clamp(list.count, 0, engine::MAX_DIMENSION_POINTS);
  const double* x = list.x;
  int s0 = -1;
  for (int s = 0; s + 1 < n && s0 < 0; ++s)
    if (std::fabs(x[s] - x[s + 1]) >= 0.0001 && x[s] <= x[s + 1]) s0 = s;
  if (s0 < 0) return;  // fewer than two points, or none to the right of another

  int px = upper ? page_x(st, st.block_top_level) - 150
                 : page_x(st, st.block_bottom_level) + 150;
  const int t1 = px - engine::page_int(0.4 * kText), t2 = px + engine::page_int(1.4 * kText);
  const int e = engine::page_int(0.2 * kText);
  auto tick = [&](int at) { file.line(px - e, at, px + e, at, 0, 2); };
  auto span = [&](int from, int to) {
    if (from - to > 3 * 40)
      file.arrow(px, from, px, to, 40, 20, 2);
    else
      file.line(px, from, px, to, 0, 2);
  };

  const int y_start = page_y(st, x[s0]);
  tick(y_start);
  int y_prev = y_start, f = y_start + 150, g = y_start + 150;
  int segments = 0, last = s0;
  for (int s = s0 + 1; s < n; ++s) {
    if (!(std::fabs(x[s] - x[s - 1]) >= 0.0001 && x[s] >= x[s - 1])) continue;
    const int yh = page_y(st, x[s]);
    tick(yh);
    span(y_prev, yh);
    // The difference to the entry just before, also where that entry was skipped.
    const std::string text = length_text(x[s] - x[s - 1]);
    const int w = (static_cast<int>(text.size()) * kText) / 4;
    int anchor = (y_prev + yh) / 2 + w;
    int column = t1;
    if (anchor < f - kText / 2) {
      f = anchor - 2 * w;
    } else if (anchor < g - kText / 2) {
      column = t2;
      g = anchor - 2 * w;
    } else {
      anchor = f - kText / 2;
      f = anchor - 2 * w;
    }
    file.text(column, anchor, kText, kText, 90, 2, text);
    y_prev = yh;
    ++segments;
    last = s;
  }
  if (segments < 2) return;

  px += upper ? -150 : 150;
  const int y_last = page_y(st, x[last]);
  tick(y_start);
  tick(y_last);
  span(y_start, y_last);
  const std::string text = length_text(x[last] - x[s0]);
  const int w = (static_cast<int>(text.size()) * kText) / 4;
  file.text(px - engine::page_int(0.4 * kText), (y_start + y_last) / 2 + w, kText, kText, 90, 2,
            text);
}

void draw_dimension_lines(FigureFile& file, const ConditionData& data,
                          const SectionFigureState& st) {
  draw_dimension_chain(file, st, data.dimension_points[0], true);
  draw_dimension_chain(file, st, data.dimension_points[1], false);
}

}  // namespace qvt::oskavel
