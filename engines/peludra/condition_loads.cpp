// What the condition figure draws around the block outline: the sea-side water levels, the soil
// layers of both sides with their levels and properties, the R.W.L., the ground surface and
// every surcharge as a load block standing on the ground with its arrows and value.
#include "common/cp932.h"
#include "engines/peludra/peludra.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace qvt::peludra {

using engine::ConditionData;
using engine::FigureFile;
using engine::SectionFigureState;
using engine::SoilLayer;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kArrowSpacing = 80;
constexpr int kBand = 1600;  // page units of ground a side's lines and blocks cover

// Page coordinates and lengths are held far off the page at most, so that the sums below stay
// in range whatever the input.
int px(const ConditionFigureState& st, double level) {
  return engine::far_clamped(engine::section_page_x(st.section, level));
}
int py(const ConditionFigureState& st, double x) {
  return engine::far_clamped(engine::section_page_y(st.section, x));
}
int page_length(double v) { return engine::far_clamped(engine::page_int(v)); }

// The page offset across a band of 1600 units along a slope given in degrees (a slope near 90
// degrees is held far off the page).
int slope_rise(double degrees) { return page_length(std::tan(degrees * kPi / 180) * kBand); }

void line(FigureFile& f, int x1, int y1, int x2, int y2) { f.line(x1, y1, x2, y2, 0, 2); }

void text(FigureFile& f, const ConditionFigureState& st, int x, int y, const std::string& cp932) {
  const int c = st.section.char_large;
  f.text(x, y, c, c, 90, 2, cp932);
}

std::string level_text(double level) { return engine::format_cp932("%+8.3f", level); }

// A load block's top edge: the block from the ground edge (xa, ya)-(xb, yb) up by `height`.
void load_block(FigureFile& f, int xa, int ya, int xb, int yb,
                int height) {
  line(f, xa, ya, xa - height, ya);
  line(f, xa - height, ya, xb - height, yb);
  line(f, xb, yb, xb - height, yb);
}

// A text above a load block: 0.2 characters above its highest top, centred between ya and yb.
void load_text_at(FigureFile& f, const ConditionFigureState& st, int top, int ya, int yb,
                  int load_case, double q) {
  const int c = st.section.char_large;
  text(f, st, top - engine::page_int(0.2 * c), (ya + yb) / 2 + ((c / 2) * 16) / 2,
       load_text(load_case, q));
}

// The properties of a layer between the page x of its top and of the next line.
void layer_properties(FigureFile& f, const ConditionFigureState& st, const SoilLayer& layer,
                      int xa, int xz, int yp) {
  const int c = st.section.char_large;
  const int xm = (xa + xz) / 2;
  text(f, st, xm - engine::page_int(0.3 * c), yp,
       engine::format_cp932("γ=%5.3f、γ'=%5.3f", layer.unit_weight_air,
                            layer.unit_weight_submerged));
  text(f, st, xm - engine::page_int(0.1 * c) + c, yp,
       layer.soil_type == 0
           ? engine::format_cp932("φ=%4.1fﾟ", layer.phi)
           : engine::format_cp932("Ｃ=%1.3f･Ｚ%+1.3f", layer.cohesion_gradient, layer.cohesion));
}

int layer_count(const ConditionData& data, int side) {
  return std::clamp(data.soil_layer_counts[side], 0, engine::SOIL_LAYER_RECORDS);
}

// The largest load of the ground surface in the case: the straight surface's, or the ranges'.
double largest_ground_load(const ConditionData& data, int load_case) {
  if (data.surface_shape == 0) return data.surface_surcharge[load_case];
  double q = -9999.0;
  for (const auto& r : data.surcharge_ranges) q = std::max(q, r.load[load_case]);
  return q;
}

bool range_drawn(double q) { return std::trunc(q * 100) != 0; }

// The level of the ground surface at x on the segment from point i - 1 to point i.
double level_on_segment(const engine::SurfacePoint& a, const engine::SurfacePoint& b, double x) {
  if (b.x == a.x) return std::max(a.y, b.y);
  return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
}

}  // namespace

std::string load_text(int load_case, double q) {
  return engine::format_cp932(load_case == engine::CASE_NORMAL ? "ω =%6.3fkN/m\\U2"
                                                               : "ω'=%6.3fkN/m\\U2",
                              q);
}

void draw_load_arrows(FigureFile& file, const ConditionFigureState& st, int xa, int xb, int ya,
                      int yb, int length, int spacing) {
  for (int h = ya - spacing; h >= yb + spacing / 2; h -= spacing) {
    // The slope of the top edge, only where the edge is long enough to hold an arrow.
    const double g = static_cast<double>(xb - xa) / static_cast<double>(yb - ya);
    const int m = xa + page_length((h - ya) * g);
    if (length > st.section.char_small / 2)
      file.arrow(m, h, m + length, h, 35, 17, 1);
    else
      line(file, m, h, m + length, h);
  }
}

void draw_sea_side_conditions(FigureFile& file, const ConditionData& data,
                              ConditionFigureState& st) {
  const int c = st.section.char_large;
  const int y0 = st.section.origin_y;

  // H.W.L and L.W.L, the higher first (equal levels L.W.L first).
  struct Level {
    const char* name;
    double level;
  };
  const Level h{"H.W.L", data.water_levels[0]}, l{"L.W.L", data.water_levels[1]};
  const Level order[2] = {h.level > l.level ? h : l, h.level > l.level ? l : h};
  const int gap = engine::page_int(1.6 * c);
  int prev = 0;
  for (const Level& w : order) {
    const int xw = px(st, w.level);
    const int xl = xw - prev < gap ? prev + gap : xw;
    const int yend = y0 + c + (c / 2) * 17 + 150;
    if (xl == xw) {
      line(file, xw, y0, xw, yend);
    } else {
      line(file, xw, y0, xw, y0 + c / 2);
      line(file, xw, y0 + c / 2, xl, y0 + c);
      line(file, xl, y0 + c, xl, yend);
    }
    prev = xl;
    text(file, st, xl - engine::page_int(0.2 * c), y0 + c + (c / 2) * 15,
         engine::format_cp932("%s%+8.3f", w.name, w.level));
    engine::draw_water_mark(file, xl, yend - c / 2 - 75);
  }

  // The sea-side layers: boundaries, levels and properties.
  const int y1 = y0 + kBand;
  const int n = layer_count(data, engine::SIDE_PASSIVE);
  const SoilLayer* layers = data.soil_layers[engine::SIDE_PASSIVE];
  const int yp = y1 - (c / 2) * 5 - 600;
  int x_prev = 0;
  for (int i = 0; i < n; ++i) {
    const int xi = px(st, layers[i].top_level);
    if (i == 0 && data.seabed_slope_angle != 0) {
      line(file, xi, y0 + 100, xi, y1);
      line(file, xi, y0, xi + slope_rise(data.seabed_slope_angle), y1);
    } else {
      line(file, xi, y0, xi, y1);
    }
    text(file, st, xi - engine::page_int(0.2 * c), y1 - c / 2, level_text(layers[i].top_level));
    if (i >= 1) layer_properties(file, st, layers[i - 1], x_prev, xi, yp);
    x_prev = xi;
  }
  // A side without layers has no last layer: no bottom line and no properties.
  if (n == 0) return;
  const double bottom = st.section.block_bottom_level;
  const int xb = px(st, bottom);
  line(file, xb, y0, xb, y1);
  text(file, st, xb - engine::page_int(0.2 * c), y1 - c / 2, level_text(bottom));
  layer_properties(file, st, layers[n - 1], x_prev, xb, yp);
}

void draw_land_side_conditions(FigureFile& file, const ConditionData& data,
                               ConditionFigureState& st) {
  const int c = st.section.char_large;
  const int yb = py(st, st.section.max_x);
  const int y1 = yb - kBand;
  const int n = layer_count(data, engine::SIDE_ACTIVE);
  const SoilLayer* layers = data.soil_layers[engine::SIDE_ACTIVE];
  const int yp = yb - (c / 2) * 5;
  int x_prev = 0;
  for (int i = 0; i < n; ++i) {
    const int xi = px(st, layers[i].top_level);
    if (i == 0 && data.surface_shape == 0 && data.surface_slope_angle != 0) {
      line(file, xi, yb - 100, xi, y1);
      line(file, xi, yb, xi - slope_rise(data.surface_slope_angle), y1);
    } else {
      line(file, xi, yb, xi, y1);
    }
    // The ground level is written below its line, the others above.
    const int tx = i == 0 ? xi + engine::page_int(1.2 * c) : xi - engine::page_int(0.2 * c);
    text(file, st, tx, y1 + (c / 2) * 9, level_text(layers[i].top_level));
    if (i >= 1) layer_properties(file, st, layers[i - 1], x_prev, xi, yp);
    x_prev = xi;
  }
  if (n > 0) {
    const double bottom = layers[n - 1].bottom_level;
    const int xb = px(st, bottom);
    line(file, xb, yb, xb, y1);
    text(file, st, xb - engine::page_int(0.2 * c), y1 + (c / 2) * 9, level_text(bottom));
    layer_properties(file, st, layers[n - 1], x_prev, xb, yp);
  }

  const double rwl = data.water_levels[2];
  const int xr = px(st, rwl);
  line(file, xr, yb, xr, y1);
  const int yr = y1 + (c / 2) * 14;
  text(file, st, xr - engine::page_int(0.2 * c), yr, engine::format_cp932("R.W.L%+8.3f", rwl));
  engine::draw_water_mark(file, xr, yr + 100);
}

void draw_top_surcharges(FigureFile& file, const ConditionData& data, ConditionFigureState& st,
                         const engine::WallTopState& wall_top) {
  const int load_case = data.current_case;
  if (data.top_surcharge_ignored != 0) return;
  double q_max = -9999.0;
  for (int k = 0; k < engine::TOP_SURCHARGE_RANGES_USED; ++k)
    if (wall_top.top_surcharge_present[k] != 0)
      q_max = std::max(q_max, data.top_surcharges.load[k][load_case]);
  q_max = std::max(q_max, largest_ground_load(data, load_case));
  if (!(q_max > 0)) return;
  st.load_scale = 200 / q_max;

  const int c = st.section.char_large;
  const engine::TopSurchargeSegments& s = wall_top.top_surcharge_segments;
  const int count = std::min<int>(s.count, static_cast<int>(s.q.size()));
  bool run_open = false;
  int run_y = 0, run_top = 0;
  for (int i = 0; i < count; ++i) {
    const int y1 = py(st, s.x1[i]), x1 = px(st, s.y1[i]);
    // A range open to the land side ends at the rear of the blocks.
    const int y2 = s.x2[i] >= 999 ? py(st, st.section.max_x) : py(st, s.x2[i]);
    const int x2 = px(st, s.y2[i]);
    const int r = page_length(s.q[i] * st.load_scale);
    load_block(file, x1, y1, x2, y2, r);
    draw_load_arrows(file, st, x1 - r, x2 - r, y1, y2, r, kArrowSpacing);

    // One text for a run of equal loads.
    if (!run_open) {
      run_open = true;
      run_y = y1;
      run_top = std::min(x1 - r, x2 - r);
    } else {
      run_top = std::min({run_top, x1 - r, x2 - r});
    }
    const double next = i + 1 < count ? s.q[i + 1] : 0.0;
    if (s.q[i] != next && s.q[i] != 0) {
      text(file, st, run_top - engine::page_int(0.2 * c), (run_y + y2) / 2 + ((c / 2) * 16) / 2,
           load_text(load_case, s.q[i]));
      run_open = false;
    }
  }
}

void draw_surface_surcharge(FigureFile& file, const ConditionData& data,
                            ConditionFigureState& st) {
  const int load_case = data.current_case;
  const double q = data.surface_surcharge[load_case];
  // No load, no block: also when an earlier load has fixed the scale.
  if (!(q > 0)) return;
  if (st.load_scale <= 0) st.load_scale = 200 / q;
  const int y0 = py(st, st.section.max_x);
  const int x0 = px(st, data.soil_layers[engine::SIDE_ACTIVE][0].top_level);
  const int y1 = y0 - kBand, x1 = x0 - slope_rise(data.surface_slope_angle);
  const int h = page_length(st.load_scale * q);
  load_block(file, x0, y0, x1, y1, h);
  draw_load_arrows(file, st, x0 - h, x1 - h, y0, y1, h, kArrowSpacing);
  load_text_at(file, st, std::min(x0 - h, x1 - h), y0, y1, load_case, q);
}

void draw_seabed_surcharge(FigureFile& file, const ConditionData& data,
                           ConditionFigureState& st) {
  const int load_case = data.current_case;
  const double q = data.seabed_surcharge[load_case];
  if (!(q > 0)) return;
  if (st.load_scale <= 0) st.load_scale = 200 / q;
  const int y0 = st.section.origin_y;
  const int x0 = px(st, data.soil_layers[engine::SIDE_PASSIVE][0].top_level);
  const int y1 = y0 + kBand, x1 = x0 + slope_rise(data.seabed_slope_angle);
  const int h = page_length(st.load_scale * q);
  load_block(file, x0, y0, x1, y1, h);
  if (q > 0.0001) draw_load_arrows(file, st, x1 - h, x0 - h, y1, y0, h, kArrowSpacing);
  load_text_at(file, st, std::min(x0 - h, x1 - h), y0, y1, load_case, q);
}

void draw_surcharge_outline(FigureFile& file, const ConditionData& data,
                            ConditionFigureState& st, const engine::SurfacePoint& a,
                            const engine::SurfacePoint& b) {
  const int load_case = data.current_case;
  if (st.load_scale <= 0) {
    double q_max = -1.0;
    for (const auto& r : data.surcharge_ranges)
      if (r.load[load_case] != 0) q_max = std::max(q_max, r.load[load_case]);
    if (!(q_max > 0)) return;
    st.load_scale = 200 / q_max;
  }
  for (const auto& r : data.surcharge_ranges) {
    const double q = r.load[load_case];
    if (!range_drawn(q) || !(a.x < r.x_max && b.x > r.x_min)) continue;
    const double m = std::max(a.x, r.x_min), l = std::min(b.x, r.x_max);
    const int k = page_length(q * st.load_scale);
    const int xm = px(st, level_on_segment(a, b, m)), ym = py(st, m);
    const int xl = px(st, level_on_segment(a, b, l)), yl = py(st, l);
    load_block(file, xm, ym, xl, yl, k);
    draw_load_arrows(file, st, xm - k, xl - k, ym, yl, k, kArrowSpacing);
  }
}

void label_surcharges(FigureFile& file, const ConditionData& data, ConditionFigureState& st) {
  if (st.load_scale <= 0) return;  // no range was drawn
  const int load_case = data.current_case;
  const int c = st.section.char_large;
  const int n = std::clamp(data.surface_point_count, 0, engine::MAX_SURFACE_POINTS);
  const engine::SurfacePoint* p = data.surface_points;
  double surface_end = -9999.0;
  for (int i = 0; i < n; ++i) surface_end = std::max(surface_end, p[i].x);
  for (const auto& r : data.surcharge_ranges) {
    const double q = r.load[load_case];
    if (!range_drawn(q)) continue;
    // The highest ground over the range: at its ends on the segments that hold them, and at
    // the surface points between.
    double h = -9999.0;
    for (int i = 1; i < n; ++i) {
      const double lo = std::min(p[i - 1].x, p[i].x), hi = std::max(p[i - 1].x, p[i].x);
      for (double x : {r.x_min, r.x_max})
        if (lo <= x && x <= hi) h = std::max(h, level_on_segment(p[i - 1], p[i], x));
    }
    for (int i = 0; i < n; ++i)
      if (r.x_min < p[i].x && p[i].x < r.x_max) h = std::max(h, p[i].y);
    // A range beyond the ground surface has no ground to stand on: no text.
    if (h == -9999.0) continue;
    // A range open to the land side is labelled over the ground it covers.
    const double e = std::min(r.x_max, surface_end);
    text(file, st,
         px(st, h) - page_length(q * st.load_scale) - engine::page_int(0.2 * c),
         (py(st, r.x_min) + py(st, e)) / 2 + ((c / 2) * 16) / 2, load_text(load_case, q));
  }
}

void draw_ground_surface(FigureFile& file, const ConditionData& data, ConditionFigureState& st) {
  const int n = std::clamp(data.surface_point_count, 0, engine::MAX_SURFACE_POINTS);
  const engine::SurfacePoint* p = data.surface_points;
  for (int i = 1; i < n; ++i) {
    engine::draw_world_line(file, st.section, p[i - 1].x, p[i - 1].y, p[i].x, p[i].y, 0, 2);
    draw_surcharge_outline(file, data, st, p[i - 1], p[i]);
  }
  label_surcharges(file, data, st);
}

}  // namespace qvt::peludra
