// The earth pressure figure DOATU_Z%1d.PZK of a case: the active diagram right of the wall
// line, the passive diagram left of it, the residual water diagram beside them, numbered
// parts, value labels and a column of level labels, on the landscape page.
#include "engines/common/message_table.h"
#include "engines/common/pressure_helpers.h"
#include "engines/tolmire/dat_report.h"
#include "engines/tolmire/figure_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace qvt::tolmire {
namespace {

using engine::FigureFile;

struct Pt {
  double x = 0, y = 0;  // drawing units, whole numbers
};

// The corners of one diagram record: wall and value at the top and the bottom.
struct Corners {
  Pt wt, pt, wb, pb;
};

// The box of the last placed label: x from, x to, y bottom (smaller), y top (larger).
struct LabelBox {
  bool set = false;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

struct Figure {
  FigureFile& file;
  const FigureLayout& l;
  std::string name;
  LabelBox box;

  PagePoint page(Pt p) const { return to_page(l, p.x, p.y, name); }
  void line(Pt a, Pt b, int kind) {
    const PagePoint pa = page(a), pb = page(b);
    file.line(pa.x, pa.y, pb.x, pb.y, kind, 2);
  }
  // A part number at the mean of its corners in page units, moved by (30, 15).
  void part_number(std::initializer_list<Pt> corners, int& number) {
    double sx = 0, sy = 0;
    for (Pt c : corners) {
      const PagePoint p = page(c);
      sx += p.x;
      sy += p.y;
    }
    const double n = static_cast<double>(corners.size());
    file.text(checked_int(sx / n + 30, name), checked_int(sy / n + 15, name), 60, 60, 90, 2,
              std::to_string(number++));
  }
  void text(Pt at, int size, std::string_view cp932) {
    const PagePoint p = page(at);
    file.text(p.x, p.y, size, size, static_cast<int>(std::trunc(l.page_angle)), 2, cp932);
  }

  // A value label with its leader line; a second text makes it a two-line label.
  void label(Pt anchor, const std::string& text1, const std::string& text2, bool to_left) {
    const double h = l.char_height, w = l.char_width;
    const double n = static_cast<double>(text1.size()) - 2;
    const double len = std::trunc(n * h / 2);
    const bool two = text1 != text2;
    double x = to_left ? anchor.x - 1.5 * h - len : anchor.x + 1.5 * h;
    double y = anchor.y;
    auto span = [&](double yy, LabelBox& b) {
      b = {true, x, x + len, yy - 1.5 * w, two ? yy + 1.5 * w : yy};
    };
    LabelBox cand;
    span(y, cand);
    auto within = [](double v, double lo, double hi) { return lo <= v && v <= hi; };
    if (box.set && (within(cand.x1, box.x1, box.x2) || within(cand.x2, box.x1, box.x2)) &&
        (within(cand.y1, box.y1, box.y2) || within(cand.y2, box.y1, box.y2))) {
      y = box.y2 + 1.5 * w;
      span(y, cand);
    }
    box = cand;
    text({x, y - 0.25 * w}, l.char_width, text1);
    if (two) text({x, y + 1.25 * w}, l.char_width, text2);
    if (!to_left) {
      line({x, y}, {x + len, y}, 0);
      line({anchor.x + h / 2, anchor.y}, {x - h / 2, anchor.y}, 0);
      line({x - h / 2, anchor.y}, {x, y}, 0);
    } else {
      line({x + len, y}, {x, y}, 0);
      line({anchor.x - h / 2, anchor.y}, {x + len + h / 2, anchor.y}, 0);
      line({x + len + h / 2, anchor.y}, {x + len, y}, 0);
    }
  }
};

std::string value_text(const char* form, double v) { return engine::format_text(form, v); }

}  // namespace

void layout_pressure_figure(FigureLayout& l) {
  l.frame_x1 = 0;
  l.strip_x = 300;
  l.frame_x2 = 3900;
  l.frame_y1 = 5900;
  l.frame_y2 = 0;
  l.box_left = l.frame_x1 + 100;
  l.box_top = l.frame_y2 + 600;
  l.box_right = l.frame_y1 - 2200;
  l.box_bottom = l.frame_x2 - 400;
  l.page_angle = 90;
  l.page_cos = std::cos(l.page_angle * M_PI / 180.0);
  l.page_sin = std::sin(l.page_angle * M_PI / 180.0);
  l.page_offset_x = 0;
  l.page_offset_y = 5900;
  l.view_cos = 1;
  l.view_sin = 0;
  l.char_width = 60;
  l.char_height = 60;
  l.landscape = 1;
}

void write_pressure_figure(engine::PrintFile& report, const ReportInput& in, TolmireData& data,
                           const std::filesystem::path& folder) {
  FigureLayout& l = data.layout;
  engine::PressureWorkFile& work = data.work;
  const engine::PressureWorkHeader& h = work.header;
  const std::string& wf = in.work_file;
  const std::string name = in.load_case == 0 ? "DOATU_Z0.PZK" : "DOATU_Z1.PZK";
  layout_pressure_figure(l);

  // Scales and centres.
  const int land_first = h.ground_top_index, land_last = h.land_boundary_count - 2;
  const int sea_first = h.seabed_index, sea_last = h.sea_boundary_count - 2;
  const double y_top = record_at(work.land, land_first, wf).top_level;
  const double y_bottom = record_at(work.sea, h.sea_boundary_count - 1, wf).top_level;
  double p_max = -999999.9, p_min = 999999.9, a_max = -999999.9, a_min = 999999.9;
  auto take = [](double v, double& hi, double& lo) {
    hi = std::max(hi, v);
    lo = std::min(lo, v);
  };
  for (int i = 0; i <= sea_last; ++i) {
    const engine::PassiveLayerResult& P = record_at(work.passive, i, wf);
    for (double v : {-P.passive_top, -P.passive_bottom}) {
      take(v, p_max, p_min);
      take(v, a_max, a_min);
    }
  }
  for (int i = 0; i <= land_last; ++i) {
    const engine::ActiveLayerResult& A = record_at(work.active, i, wf);
    take(A.horizontal_top + A.water_top, p_max, p_min);
    take(A.horizontal_bottom + A.water_bottom, p_max, p_min);
    take(A.horizontal_top, a_max, a_min);
    take(A.horizontal_bottom, a_max, a_min);
  }
  if (std::fabs(p_max - p_min) < 0.0001) engine::stop_engine(engine::error_stop(57));
  if (std::fabs(y_top - y_bottom) < 0.0001) engine::stop_engine(engine::error_stop(63));
  l.pressure_scale = (l.box_right - l.box_left) / std::fabs(p_max - p_min);
  l.drawing_scale = (l.box_bottom - l.box_top) / std::fabs(y_top - y_bottom);
  const double r = work.summary.residual_water_intensity;
  const double E = (std::fabs(p_max - p_min) - r) * l.pressure_scale;
  const double W = r * l.pressure_scale;
  l.earth_centre_x = l.box_left + 570 + E / 2;
  l.earth_centre_y = l.box_top + (l.box_bottom - l.box_top) / 2;
  l.pressure_centre = (a_max + a_min) / 2;
  l.level_centre = (y_top + y_bottom) / 2;
  l.box_centre_x = l.box_left + 570 + E + 600 + W / 2;
  l.box_centre_y = l.earth_centre_y;
  l.water_centre = r / 2;

  auto earth = [&](double p, double level) {
    double X = 0, Y = 0;
    engine::transform_to_page_xy(p, level, l.pressure_centre, l.level_centre, l.view_cos,
                                 l.view_sin, l.pressure_scale, -l.drawing_scale,
                                 l.earth_centre_x, l.earth_centre_y, X, Y);
    return Pt{static_cast<double>(checked_int(X, name)), static_cast<double>(checked_int(Y, name))};
  };
  auto water = [&](double p, double level) {
    double X = 0, Y = 0;
    engine::transform_to_page_xy(p, level, l.water_centre, l.level_centre, l.view_cos,
                                 l.view_sin, l.pressure_scale, -l.drawing_scale, l.box_centre_x,
                                 l.box_centre_y, X, Y);
    return Pt{static_cast<double>(checked_int(X, name)), static_cast<double>(checked_int(Y, name))};
  };

  // The levels of the level labels, taken before the cut below so that the column shows the
  // layer boundaries as they are, the ground top among them.
  std::vector<double> levels;
  for (int j = land_first; j <= h.land_boundary_count - 1; ++j)
    levels.push_back(record_at(work.land, j, wf).top_level);
  for (int i = sea_first; i <= h.sea_boundary_count - 1; ++i) {
    const double v = record_at(work.sea, i, wf).top_level;
    for (std::size_t k = 0; k < levels.size(); ++k) {
      if (std::fabs(v - levels[k]) < 0.0001) break;
      if (v > levels[k]) {
        levels.insert(levels.begin() + static_cast<std::ptrdiff_t>(k), v);
        break;
      }
    }
  }
  if (levels.empty() || y_bottom < levels.back()) levels.push_back(y_bottom);
  for (double v : {in.ctx.rwl, in.ctx.lwl}) {
    if (v > levels.front()) continue;
    for (std::size_t k = 0; k < levels.size(); ++k) {
      if (v == levels[k]) break;
      if (v > levels[k]) {
        levels.insert(levels.begin() + static_cast<std::ptrdiff_t>(k), v);
        break;
      }
    }
  }
  // Positions; the land records whose intensity changes sign inside are cut at the zero point,
  // and the force tables written after the figure read the cut records.
  const Pt wall_top = earth(0, y_top), wall_bottom = earth(0, y_bottom);
  std::vector<Corners> land_corners, sea_corners;
  std::vector<bool> land_drawn;
  for (int j = land_first; j <= land_last; ++j) {
    engine::LandWorkLayer& L = record_at(work.land, j, wf);
    engine::ActiveLayerResult& A = record_at(work.active, j, wf);
    const double t = L.thickness, pt = A.horizontal_top, pb = A.horizontal_bottom;
    if (pt < 0 && pb > 0) {
      L.top_level = r3(L.top_level - std::fabs(pt) * t / (pb - pt));
      L.thickness = r3(t * pb / (pb - pt));
      A.horizontal_top = 0;
    } else if (pb < 0 && pt >= 0) {
      L.thickness = r3(t * pt / (pt - pb));
      L.top_level = r3(L.top_level);
      A.horizontal_bottom = 0;
    }
    const double top = L.top_level, bottom = L.top_level - L.thickness;
    land_corners.push_back({earth(0, top), earth(A.horizontal_top, top), earth(0, bottom),
                            earth(A.horizontal_bottom, bottom)});
    land_drawn.push_back(A.horizontal_top > 0 || A.horizontal_bottom > 0);
  }
  for (int i = sea_first; i <= sea_last; ++i) {
    const engine::SeaWorkLayer& S = record_at(work.sea, i, wf);
    const engine::PassiveLayerResult& P = record_at(work.passive, i, wf);
    const double top = S.top_level, bottom = S.top_level - S.thickness;
    sea_corners.push_back({earth(0, top), earth(-P.passive_top, top), earth(0, bottom),
                           earth(-P.passive_bottom, bottom)});
  }

  FigureFile file;
  engine::open_or_stop(file, folder / name);
  file.raw_line(figure_title_line(name, "土圧・残留水圧図", in.load_case));
  file.raw_line(engine::kPressureFigureSize);
  draw_page_frame(file, l,
                  cp(in.load_case == 0 ? "（土圧・残留水圧図）［常　時］"
                                       : "（土圧・残留水圧図）［地震時］"));
  Figure fig{file, l, name, {}};
  fig.line(wall_top, wall_bottom, 0);

  // Active diagram.
  int number = 1;
  for (std::size_t k = 0; k < land_corners.size(); ++k) {
    if (!land_drawn[k]) continue;
    const engine::ActiveLayerResult& A = record_at(work.active, land_first + static_cast<int>(k), wf);
    const Corners& c = land_corners[k];
    const double a = A.horizontal_top, b = A.horizontal_bottom;
    if (a > 0) fig.line(c.wt, c.pt, 0);
    if (b > 0) fig.line(c.wb, c.pb, 0);
    fig.line(c.pt, c.pb, 0);
    if (a != 0 && b != 0 && a != b) {
      fig.line(c.pt, c.wb, 1);
      fig.part_number({c.wt, c.pt, c.wb}, number);
      fig.part_number({c.pt, c.wb, c.pb}, number);
    } else if (a != 0 && a == b) {
      fig.part_number({c.wt, c.pt, c.wb, c.pb}, number);
    } else if (a != 0) {
      fig.part_number({c.wt, c.pt, c.wb}, number);
    } else {
      fig.part_number({c.wt, c.wb, c.pb}, number);
    }
  }
  double caption_y = 0;
  if (!land_corners.empty()) caption_y = land_corners.back().wb.y;
  if (!sea_corners.empty()) caption_y = std::max(caption_y, sea_corners.back().wb.y);
  caption_y += 150;
  if (!land_corners.empty())
    fig.text({(wall_top.x + land_corners.back().pb.x) / 2 - 350, caption_y}, 100,
             cp("（主働土圧図）"));

  // Passive diagram.
  number = 1;
  for (std::size_t k = 0; k < sea_corners.size(); ++k) {
    const engine::PassiveLayerResult& P = record_at(work.passive, sea_first + static_cast<int>(k), wf);
    const Corners& c = sea_corners[k];
    if (P.passive_top > 0) fig.line(c.wt, c.pt, 0);
    if (P.passive_bottom > 0) fig.line(c.wb, c.pb, 0);
    fig.line(c.pt, c.pb, 0);
    if (P.passive_top == 0) {
      fig.part_number({c.wt, c.wb, c.pb}, number);
    } else if (P.passive_top != P.passive_bottom) {
      fig.line(c.pt, c.wb, 1);
      fig.part_number({c.wt, c.pt, c.wb}, number);
      fig.part_number({c.pt, c.wb, c.pb}, number);
    } else {
      fig.part_number({c.wt, c.pt, c.wb, c.pb}, number);
    }
  }
  if (!sea_corners.empty())
    fig.text({(wall_top.x + sea_corners.back().pb.x) / 2 - 350, caption_y}, 100,
             cp("（受働土圧図）"));

  // Active labels: a two-line label where the intensity jumps at a boundary.
  const char* pa = " pa=%6.3lfkN/m\\U2 ";
  fig.box = {};
  if (!land_corners.empty()) {
    double prev = record_at(work.active, land_first, wf).horizontal_top;
    Pt prev_point = land_corners.front().pt;
    for (std::size_t k = 0; k < land_corners.size(); ++k) {
      const engine::ActiveLayerResult& A = record_at(work.active, land_first + static_cast<int>(k), wf);
      if (prev >= 0 || A.horizontal_top >= 0)
        fig.label(prev < A.horizontal_top ? land_corners[k].pt : prev_point,
                  value_text(pa, prev), value_text(pa, A.horizontal_top), false);
      prev = A.horizontal_bottom;
      prev_point = land_corners[k].pb;
    }
    fig.label(prev_point, value_text(pa, prev), value_text(pa, prev), false);
  }

  // Passive labels, to the left.
  const char* pp = " pp=%6.3lfkN/m\\U2 ";
  fig.box = {};
  if (!sea_corners.empty()) {
    double prev = record_at(work.passive, sea_first, wf).passive_top;
    Pt prev_point = sea_corners.front().pt;
    for (std::size_t k = 0; k < sea_corners.size(); ++k) {
      const engine::PassiveLayerResult& P = record_at(work.passive, sea_first + static_cast<int>(k), wf);
      fig.label(prev < P.passive_top ? sea_corners[k].pt : prev_point, value_text(pp, prev),
                value_text(pp, P.passive_top), true);
      prev = P.passive_bottom;
      prev_point = sea_corners[k].pb;
    }
    fig.label(prev_point, value_text(pp, prev), value_text(pp, prev), true);
  }

  // Residual water diagram.
  fig.box = {};
  if (r > 0) {
    const double lwl = in.ctx.lwl;
    const engine::LandWorkLayer& last = record_at(work.land, h.land_boundary_count - 1, wf);
    const double F = lwl < last.top_level ? last.top_level : lwl;
    const int R = h.ground_top_index < h.rwl_index ? h.rwl_index : h.ground_top_index;
    const double top_r = record_at(work.land, R, wf).top_level;
    const double water_top = record_at(work.active, R, wf).water_top;
    const double water_bottom = record_at(work.active, land_last, wf).water_bottom;
    const double B = last.top_level - last.thickness;
    const Pt p0 = water(0, top_r), p1 = water(water_top, top_r);
    const Pt p4 = water(0, B), p5 = water(water_bottom, B);
    const char* pw = " pw=%6.3lfkN/m\\U2 ";
    number = 1;
    if (water_top > 0) fig.line(p0, p1, 0);
    if (y_top > F) {
      const Pt p2 = water(0, F), p3 = water(r, F);
      fig.line(p2, p3, 0);
      fig.line(p1, p3, 0);
      if (water_top > 0) {
        fig.line(p1, p2, 1);
        fig.part_number({p0, p1, p2}, number);
        fig.part_number({p1, p2, p3}, number);
      } else {
        fig.part_number({p0, p2, p3}, number);
      }
      const Pt bl{p2.x, p4.y}, br{p3.x, p5.y};
      fig.line(bl, br, 0);
      fig.line(p3, br, 0);
      fig.line(p0, bl, 0);
      fig.part_number({p2, p3, bl, br}, number);
      fig.text({(p4.x + p5.x) / 2 - 350, p5.y + 150}, 100, cp("（残留水圧図）"));
      fig.label(p1, value_text(pw, water_top), value_text(pw, water_top), false);
      fig.label(p3, value_text(pw, r), value_text(pw, r), false);
      fig.label(br, value_text(pw, r), value_text(pw, r), false);
    } else {
      // The ground top is not above the front level: the diagram runs from the top of the
      // water straight down to the bottom, one part.
      fig.line(p4, p5, 0);
      fig.line(p1, p5, 0);
      fig.line(p0, p4, 0);
      fig.part_number({p0, p1, p5, p4}, number);
      fig.text({(p4.x + p5.x) / 2 - 350, p5.y + 150}, 100, cp("（残留水圧図）"));
      fig.label(p1, value_text(pw, water_top), value_text(pw, water_top), false);
      fig.label(p5, value_text(pw, water_bottom), value_text(pw, water_bottom), false);
    }
  }

  // Level labels.
  fig.box = {};
  const double label_x = l.frame_y1 - 460;
  for (double v : levels) {
    const Pt at{label_x, earth(0, v).y};
    const std::string t = value_text(" %+7.3lf ", v);
    fig.label(at, t, t, false);
  }

  engine::close_or_stop(file);
  report.figure_page_record(name);
}

}  // namespace qvt::tolmire
