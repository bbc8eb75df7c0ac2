// The surcharge load figures JKJUZ%d%02d.PZK of an arbitrary ground surface: per evaluated
// layer the ground, the layer levels, the R.W.L., the surcharge blocks with their arrows and
// values, the broken failure plane with its angles, the slice numbers and the loaded widths.
#include "engines/common/message_table.h"
#include "engines/common/pressure_helpers.h"
#include "engines/common/rounding_geometry.h"
#include "engines/tolmire/figure_page.h"
#include "engines/tolmire/report_fields.h"
#include "engines/tolmire/surcharge.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace qvt::tolmire {
namespace {

using engine::LandWorkLayer;

struct GatheredPoint {
  double x = 0, y = 0;
  double load[2] = {};
};

struct DPoint {
  double x = 0, y = 0;  // drawing units, truncated
};

struct LevelLine {
  bool drawn = false;
  double level = 0;
  DPoint start, end;
};

std::string fmt(const char* form, double v) { return engine::format_text(form, v); }

}  // namespace

void layout_portrait(FigureLayout& l) {
  l.frame_x1 = 0;
  l.frame_y1 = 0;
  l.frame_x2 = 3900;
  l.frame_y2 = 5900;
  l.strip_y = 300;
  l.box_left = 100;
  l.box_top = 900;
  l.box_right = 3800;
  l.box_bottom = 5700;
  l.box_centre_x = 1950;
  l.box_centre_y = 3300;
  l.page_angle = 0;
  l.page_offset_x = 0;
  l.page_offset_y = 0;
  l.page_cos = std::cos(l.page_angle * M_PI / 180.0);
  l.page_sin = std::sin(l.page_angle * M_PI / 180.0);
  l.char_width = 70;
  l.char_height = 75;
  l.view_cos = 1;
  l.view_sin = 0;
  l.load_scale = 0.005;
  l.arrow_pitch = 100;
}

void layout_landscape(FigureLayout& l) {
  l.frame_x1 = 0;
  l.frame_y1 = 5900;
  l.frame_x2 = 3900;
  l.frame_y2 = 0;
  l.strip_x = 300;
  l.box_left = 100;
  l.box_top = 900;
  l.box_right = 5800;
  l.box_bottom = 3800;
  l.box_centre_x = 2950;
  l.box_centre_y = 2350;
  l.page_angle = 90;
  l.page_offset_x = 0;
  l.page_offset_y = 5900;
  l.page_cos = std::cos(l.page_angle * M_PI / 180.0);
  l.page_sin = std::sin(l.page_angle * M_PI / 180.0);
  l.char_width = 70;
  l.char_height = 75;
  l.view_cos = 1;
  l.view_sin = 0;
  l.load_scale = 0.005;
  l.arrow_pitch = 100;
}

namespace {

struct SurchargeFigure {
  const engine::ConditionData& cd;
  TolmireData& data;
  const SurchargeLayers& layers;
  int load_case;
  std::vector<GatheredPoint> points;

  const engine::PressureWorkFile& work() const { return data.work; }
  const std::array<LandWorkLayer, engine::LAYER_RECORDS>& set() const {
    return layers.arayoko ? work().arayoko_land : work().land;
  }
  int set_count() const {
    return layers.arayoko ? work().header.arayoko_land_count : work().header.land_boundary_count;
  }
  const LandWorkLayer& rec(int i) const { return record_at(set(), i, "DAT_PRN.DAT"); }
  const LandWorkLayer& main_rec(int i) const {
    return record_at(work().land, i, "DAT_PRN.DAT");
  }

  void gather() {
    const engine::PressureWorkHeader& h = work().header;
    const int kind = cd.custom_options.surcharge_method + 1;
    std::vector<int> ends;
    if (kind == 2) {
      for (int j = h.ground_top_index; j <= set_count() - 1; ++j) ends.push_back(j);
    } else if (layers.arayoko) {
      if (!layers.layers.empty()) ends.push_back(layers.layers.front().record);
    } else {
      ends.push_back(h.surcharge_level_index);
    }
    for (int i = 0; i + 1 < h.ground_vertex_count && i + 1 < engine::GROUND_VERTICES; ++i) {
      const engine::GroundVertex& v = work().vertices[static_cast<std::size_t>(i)];
      const engine::GroundVertex& n = work().vertices[static_cast<std::size_t>(i + 1)];
      points.push_back({v.x, v.y, {v.surcharge_normal, v.surcharge_seismic}});
      for (int j : ends) {
        const LandWorkLayer& r = rec(j);
        if (v.x < r.wedge_surface_x_bottom && r.wedge_surface_x_bottom < n.x)
          points.push_back({r.wedge_surface_x_bottom, r.wedge_surface_y_bottom,
                            {v.surcharge_normal, v.surcharge_seismic}});
      }
    }
  }

  void extents(FigureLayout& l) const {
    l.load_scale = 1.0;
    if (std::fabs(data.max_surcharge_load) >= 0.001) l.load_scale = 200 / data.max_surcharge_load;
    double x_max = -999999.9, y_max = -999999.9, x_min = 999999.9, y_min = 999999.9;
    auto take = [&](double x, double y) {
      x_max = std::max(x_max, x);
      x_min = std::min(x_min, x);
      y_max = std::max(y_max, y);
      y_min = std::min(y_min, y);
    };
    const engine::PressureWorkHeader& h = work().header;
    take(0, main_rec(h.ground_top_index).top_level);
    for (const GatheredPoint& p : points) take(p.x, p.y);
    for (int j = h.ground_top_index; j <= h.land_boundary_count - 1; ++j) {
      const double y = main_rec(j).top_level;
      y_max = std::max(y_max, y);
      y_min = std::min(y_min, y);
    }
    l.world_centre_x = (x_max + x_min) / 2;
    l.world_centre_y = (y_max + y_min) / 2;
    if (std::fabs(x_max - x_min) < 0.0001) engine::stop_engine(engine::error_stop(57));
    if (std::fabs(y_max - y_min) < 0.0001) engine::stop_engine(engine::error_stop(63));
    const double kx = (l.box_right - l.box_left) / std::fabs(x_max - x_min);
    const double ky = (l.box_bottom - l.box_top - 200) / std::fabs(y_max - y_min);
    l.drawing_scale = kx < ky ? kx : ky;
  }
};

// One figure file: drawing-space positions and the writers of its elements.
struct FigureBody {
  const SurchargeFigure& s;
  const FigureLayout& l;
  engine::FigureFile& file;
  std::string name;
  std::vector<double> label_ends[3];  // dimension labels per row: where each ends

  DPoint at(double x, double y) const {
    double X = 0, Y = 0;
    engine::transform_to_page(x, -y, l.world_centre_x, -l.world_centre_y, l.view_cos, l.view_sin,
                              l.drawing_scale, l.box_centre_x, l.box_centre_y, X, Y);
    return {static_cast<double>(checked_int(X, name)), static_cast<double>(checked_int(Y, name))};
  }
  void line(DPoint a, DPoint b, int kind, int pen) {
    const PagePoint pa = to_page(l, a.x, a.y, name), pb = to_page(l, b.x, b.y, name);
    file.line(pa.x, pa.y, pb.x, pb.y, kind, pen);
  }
  void arrow(DPoint a, DPoint b, int pen) {
    const PagePoint pa = to_page(l, a.x, a.y, name), pb = to_page(l, b.x, b.y, name);
    file.standard_arrow(pa.x, pa.y, pb.x, pb.y, pen);
  }
  void text(DPoint p, const std::string& cp932) {
    const PagePoint pp = to_page(l, p.x, p.y, name);
    file.text(pp.x, pp.y, l.char_width, l.char_height, static_cast<int>(std::trunc(l.page_angle)),
              2, cp932);
  }
  // A level label ends two characters short of the line end.
  void level_label(const LevelLine& line_, const std::string& t) {
    const int h = l.char_height;
    const int len = static_cast<int>(t.size());
    text({line_.end.x - 2 * h - (len * h) / 2, line_.end.y}, t);
  }
};

void draw_water_symbol(FigureBody& b, double x, double y) {
  b.line({x, y}, {x - 25, y - 50}, 0, 2);
  b.line({x - 25, y - 50}, {x + 25, y - 50}, 0, 2);
  b.line({x + 25, y - 50}, {x, y}, 0, 2);
  b.line({x - 75, y + 10}, {x + 75, y + 10}, 0, 2);
  b.line({x - 50, y + 20}, {x + 50, y + 20}, 0, 2);
  b.line({x - 25, y + 30}, {x + 25, y + 30}, 0, 2);
}

std::string dms_text(double angle) {
  const Dms d = rad_to_dms(angle);
  char a[16], m[16], s[16];
  std::snprintf(a, sizeof a, "%3d", d.degrees);
  std::snprintf(m, sizeof m, "%2d", d.minutes);
  std::snprintf(s, sizeof s, "%2d", d.seconds);
  return cp("ζ=") + a + cp("°") + m + cp("′") + s + cp("″");
}

void draw_figure(SurchargeFigure& s, FigureLayout& l, engine::FigureFile& file,
                 const std::string& name, int a) {
  FigureBody b{s, l, file, name, {}};
  const engine::PressureWorkHeader& h = s.work().header;
  const engine::ConditionData& cd = s.cd;
  const double hc = l.char_height, wc = l.char_width;
  const double right = std::trunc(l.box_right);

  // Drawing positions.
  const DPoint wall_top = b.at(0, s.rec(h.ground_top_index).top_level);
  const DPoint wall_bottom = b.at(0, s.rec(s.set_count() - 1).top_level);
  std::vector<DPoint> pts;
  for (const GatheredPoint& p : s.points) pts.push_back(b.at(p.x, p.y));
  std::vector<LevelLine> levels;
  for (int j = 0; j <= s.set_count() - 1; ++j) {
    LevelLine ln;
    ln.level = s.rec(j).top_level;
    ln.drawn = std::fabs(ln.level - 999.99) >= 0.0001;
    ln.start = b.at(0, ln.level);
    ln.end = {right, ln.start.y};
    levels.push_back(ln);
  }
  const double rwl = cd.water_levels[2];
  LevelLine rwl_line{true, rwl, b.at(0, rwl), {right, b.at(0, rwl).y}};
  const bool datum = s.layers.arayoko && cd.custom_options.surcharge_method == 0;
  const DPoint datum_start = b.at(0, s.data.design_seabed_level);
  // Lines start where they leave the ground (the last crossing wins).
  for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
    auto clip = [&](LevelLine& ln) {
      double x = 0, y = 0;
      if (engine::intersect_lines(ln.start.x, ln.start.y, ln.end.x, ln.end.y, pts[i].x, pts[i].y,
                                  pts[i + 1].x, pts[i + 1].y, x, y) == 0)
        ln.start = {static_cast<double>(checked_int(x, name)),
                    static_cast<double>(checked_int(y, name))};
    };
    for (LevelLine& ln : levels) clip(ln);
    clip(rwl_line);
  }

  // 1, 2: wall and ground.
  b.line(wall_top, wall_bottom, 0, 2);
  for (std::size_t i = 0; i + 1 < pts.size(); ++i) b.line(pts[i], pts[i + 1], 0, 2);
  // 3: levels.
  for (const LevelLine& ln : levels) {
    if (!ln.drawn || std::fabs(ln.level - rwl) < 0.0001) continue;
    b.line(ln.start, ln.end, 0, 2);
    b.level_label(ln, fmt("%+1.2lf", ln.level));
  }
  if (datum) {
    const LevelLine dl{true, s.data.design_seabed_level, datum_start, {right, datum_start.y}};
    b.line(dl.start, dl.end, 1, 2);
    b.level_label(dl, fmt("%+1.2lf", dl.level));
  }
  // 4: R.W.L.
  b.line(rwl_line.start, rwl_line.end, 0, 2);
  {
    const std::string t = fmt("R.W.L. %+1.2lf", rwl);
    const int len = static_cast<int>(t.size());
    const double lx = rwl_line.end.x - 2 * l.char_height - (len * l.char_height) / 2;
    b.text({lx, rwl_line.end.y}, t);
    draw_water_symbol(b, std::trunc(lx - 1.5 * hc), rwl_line.end.y);
  }

  // 5: surcharge blocks.
  const LandWorkLayer& end_rec = s.rec(s.set_count() - 1);
  const int c = s.load_case;
  if (std::fabs(s.data.max_surcharge_load) >= 0.001) {
    const double ls = l.load_scale, ds = l.drawing_scale;
    const double x0 = cd.surface_points[0].x;
    const int last_surface = std::max(0, cd.surface_point_count - 1);
    const double x_last = cd.surface_points[last_surface].x;
    double prev_q = 999.99, top_min = 99999.99, carry = 0;
    int block = 0;
    double block_first_x = 0;
    bool in_block = false;
    for (std::size_t n = 0; n + 1 < pts.size(); ++n) {
      const double q = s.points[n].load[c], qn = s.points[n + 1].load[c];
      if (q == 0) {
        prev_q = 0;
        continue;
      }
      if (std::fabs(pts[n + 1].x - pts[n].x) < 0.0001) {
        prev_q = 0;
        continue;
      }
      if (!in_block) {
        in_block = true;
        block_first_x = s.points[n].x;
      }
      const DPoint p0 = pts[n], p1 = pts[n + 1];
      const DPoint t0{p0.x, p0.y - q * ls}, t1{p1.x, p1.y - q * ls};
      top_min = std::min({top_min, t0.y, t1.y});
      if (prev_q != q) b.line(p0, t0, 0, 1);
      b.line(t0, t1, 0, 1);
      if (qn != q) b.line(p1, t1, 0, 1);
      const double hh = (s.points[n + 1].x - s.points[n].x) * ds;
      const double vv = (s.points[n + 1].y - s.points[n].y) * ds;
      const double lq = std::trunc(hh / 100);
      const double m = hh - (lq * 100 - carry);
      int count = static_cast<int>(lq + std::trunc(m / 100));
      if (std::fabs(m) < 0.0001) --count;
      if (std::fabs(m - 100) < 0.0001) --count;
      double last_arrow_x = 0;
      for (int k = 0; k < count; ++k) {
        const double d = 100 - carry + 100.0 * k;
        const double x = p0.x - carry + 100 + 100.0 * k;
        const double gy = p0.y - d * vv / hh;
        b.arrow({x, gy - q * ls}, {x, gy}, 1);
        last_arrow_x = x;
      }
      const bool wedge_end = s.points[n + 1].x == end_rec.wedge_surface_x_bottom;
      if (qn != q || wedge_end) {
        // The value stands over the range that holds the block's first segment.
        double lx = (block_first_x + s.points[n + 1].x) / 2;
        for (const engine::SurchargeRange& r : cd.surcharge_ranges) {
          if (r.x_min - x0 <= block_first_x && block_first_x < r.x_max - x0) {
            lx = (r.x_min + std::min(r.x_max, x_last)) / 2 - x0;
            break;
          }
        }
        const std::string t =
            cp("ｗ\\D") + engine::format_text(c == 0 ? "%d =%6.2lf kN/m\\U2" : "%d'=%6.2lf kN/m\\U2",
                                              block + 1, q);
        const double X = b.at(lx, 0).x;
        b.text({X - (static_cast<double>(t.size()) - 2) * 0.5 * hc * 0.5, top_min - 0.25 * wc}, t);
        ++block;
        top_min = 99999.99;
        in_block = false;
        if (wedge_end) break;
        carry = 0;
      } else {
        carry = count > 0 ? p0.x + hh - last_arrow_x : p1.x - p0.x;
      }
      prev_q = q;
    }
  }

  // 6: failure planes.
  const LandWorkLayer& A = s.rec(a);
  {
    DPoint start = datum ? datum_start : levels[static_cast<std::size_t>(a + 1)].start;
    const double ds = l.drawing_scale;
    for (int r = a; r >= h.ground_top_index; --r) {
      const LandWorkLayer& R = s.rec(r);
      const double zeta = R.wedge_angles[static_cast<std::size_t>(a)];
      const double t = datum && r == a ? A.top_level - s.data.design_seabed_level : R.thickness;
      const double run = std::trunc(t / std::tan(zeta) * ds);
      const double rise = std::trunc(ds * t);
      const DPoint end{start.x + run, start.y - rise};
      b.line(start, end, 0, 1);
      const PagePoint c0 = to_page(l, start.x + 1.5 * hc, start.y, name);
      const PagePoint c1 = to_page(l, start.x, start.y, name);
      const PagePoint c2 = to_page(l, start.x + std::cos(zeta) * 1.5 * hc,
                                   start.y - std::sin(zeta) * 1.5 * hc, name);
      file.triangle(c0.x, c0.y, c1.x, c1.y, c2.x, c2.y);
      b.text({start.x + 1.5 * hc, start.y}, dms_text(zeta));
      start = end;
    }
    b.line(start, b.at(A.wedge_surface_x_bottom, A.wedge_surface_y_bottom), 0, 1);
  }

  // 7: slice numbers.
  for (int i = 0; i < engine::WEDGE_FILL_PARTS; ++i) {
    const double x = A.wedge_centroid_x[static_cast<std::size_t>(i)];
    const double y = A.wedge_centroid_y[static_cast<std::size_t>(i)];
    if (!(std::fabs(x) > 0 || std::fabs(y) > 0)) continue;
    const DPoint p = b.at(x, y);
    b.text({p.x - 0.25 * hc, p.y + 0.5 * wc}, std::to_string(i + 1));
  }

  // 8: loaded widths.
  {
    const double x0 = cd.surface_points[0].x, E = A.wedge_surface_x_bottom;
    std::vector<std::pair<int, double>> placed;  // row, end x
    for (const engine::SurchargeRange& r : cd.surcharge_ranges) {
      if (!range_has_load(r)) continue;
      const double x1 = r.x_min - x0;
      if (x1 > E) break;
      const double x2 = E <= r.x_max - x0 ? E : r.x_max - x0;
      const double X1 = b.at(x1, 0).x, X2 = b.at(x2, 0).x;
      b.arrow({X1, 600}, {X2, 600}, 2);
      b.line({X1, 580}, {X1, 620}, 0, 1);
      b.line({X2, 580}, {X2, 620}, 0, 1);
      const std::string t = fmt("%1.4lfm", x2 - x1);
      const double w = static_cast<double>(t.size()) * hc * 0.5;
      const double X = (x2 - x1) * l.drawing_scale / 2 + X1 - w / 2;
      int row = 4;
      for (int cand = 1; cand <= 3; ++cand) {
        bool taken = false;
        for (const auto& [pr, pend] : placed)
          if (pr == cand && pend >= X) taken = true;
        if (!taken) {
          row = cand;
          break;
        }
      }
      placed.push_back({row, X + w});
      b.text({X, 600 - 0.25 * wc - 1.25 * wc * (row - 1)}, t);
    }
  }

  // 9: the wedge width at the ground top.
  if (!pts.empty()) {
    const DPoint p0 = pts.front();
    const double yd = p0.y - 0.5 * wc;
    const double kB = l.drawing_scale * A.wedge_width_bottom;
    b.arrow({p0.x, yd}, {p0.x + kB, yd}, 2);
    b.line({p0.x, yd - 20}, {p0.x, yd + 20}, 0, 1);
    b.line({p0.x + kB, yd - 20}, {p0.x + kB, yd + 20}, 0, 1);
    const std::string t = fmt("%1.4lfm", A.wedge_width_bottom);
    b.text({p0.x + kB / 2 - static_cast<double>(t.size()) * hc / 4, yd + 1.5 * wc}, t);
  }
}

}  // namespace

void write_surcharge_figures(const engine::ConditionData& cd, TolmireData& data, int load_case,
                             const std::filesystem::path& folder) {
  if (cd.surface_shape == 0) return;
  const int c = load_case == engine::CASE_NORMAL ? 0 : 1;
  const SurchargeLayers layers = surcharge_layers(cd, data.work, data.design_seabed_level);
  SurchargeFigure s{cd, data, layers, c, {}};
  s.gather();
  FigureLayout& l = data.layout;
  layout_portrait(l);
  s.extents(l);
  const double portrait = l.drawing_scale;
  layout_landscape(l);
  s.extents(l);
  const double landscape = l.drawing_scale;
  l.landscape = portrait < landscape ? 1 : 0;
  if (l.landscape)
    layout_landscape(l);
  else
    layout_portrait(l);
  s.extents(l);

  int n = 0;
  for (const SurchargeLayer& layer : layers.layers) {
    char name[32];
    std::snprintf(name, sizeof name, "JKJUZ%d%02d.PZK", c, n++);
    engine::FigureFile file;
    engine::open_or_stop(file, folder / name);
    file.raw_line(figure_title_line(name, "上載荷重図", c));
    file.raw_line(engine::kPressureFigureSize);
    draw_page_frame(file, l, cp(c == 0 ? "（上載荷重図）［常　時］" : "（上載荷重図）［地震時］"));
    draw_figure(s, l, file, name, layer.record);
    engine::close_or_stop(file);
  }
}

}  // namespace qvt::tolmire
