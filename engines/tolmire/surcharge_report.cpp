// The surcharge load report DM%1d01KJU.PDT of an arbitrary ground surface: how the soil above
// the ground top and the surcharges inside the failure wedge of each evaluated layer become one
// uniform surcharge, with the wedge angles, the loads, the slice areas and the result.
#include "engines/common/pressure_helpers.h"
#include "engines/common/rounding_geometry.h"
#include "engines/tolmire/report_fields.h"
#include "engines/tolmire/surcharge.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace qvt::tolmire {

using engine::LandWorkLayer;
using engine::PrintFile;

SurchargeLayers surcharge_layers(const engine::ConditionData& cd,
                                 const engine::PressureWorkFile& w, double D) {
  SurchargeLayers s;
  const engine::PressureWorkHeader& h = w.header;
  const int method = cd.custom_options.surcharge_method;
  const bool ay = cd.apparent_coef_method == 3;
  const std::string file = "DAT_PRN.DAT";
  auto bottom = [](const LandWorkLayer& L) { return L.top_level - L.thickness; };
  if (method == 1) {
    for (int a = h.ground_top_index; a <= h.land_boundary_count - 2; ++a)
      s.layers.push_back({a, bottom(record_at(w.land, a, file))});
  } else if (!ay) {
    const int a = h.surcharge_level_index - 1;
    s.layers.push_back({a, bottom(record_at(w.land, a, file))});
  } else if (method == 0) {
    s.arayoko = true;
    for (int a = h.ground_top_index; a < h.arayoko_land_count - 1; ++a) {
      const double next = record_at(w.arayoko_land, a + 1, file).top_level;
      if (next < D || std::fabs(next - D) < 0.001) {
        s.layers.push_back({a, D});
        break;
      }
    }
  } else {
    s.arayoko = true;
    const int a = h.arayoko_land_count - 2;
    s.layers.push_back({a, bottom(record_at(w.arayoko_land, a, file))});
  }
  return s;
}

Dms rad_to_dms(double angle) {
  const double s = angle * 180.0 / M_PI * 3600.0;
  const double m = std::floor(s / 60.0) * 60.0;
  const double d = std::floor(m / 3600.0) * 3600.0;
  return {static_cast<int>(std::trunc(d / 3600.0)), static_cast<int>(std::trunc((m - d) / 60.0)),
          static_cast<int>(std::trunc(s - m))};
}

bool range_has_load(const engine::SurchargeRange& r) {
  return std::trunc(r.load[0] * 100) != 0 || std::trunc(r.load[1] * 100) != 0;
}

std::vector<OutlinePoint> wedge_outline(const engine::PressureWorkFile& w,
                                        const std::array<LandWorkLayer, engine::LAYER_RECORDS>& set,
                                        int a) {
  const std::string file = "DAT_PRN.DAT";
  const engine::PressureWorkHeader& h = w.header;
  const LandWorkLayer& L = record_at(set, a, file);
  const double E = L.wedge_surface_x_bottom;
  std::vector<OutlinePoint> o;
  for (int i = 0; i < h.ground_vertex_count && i < engine::GROUND_VERTICES; ++i) {
    const engine::GroundVertex& v = w.vertices[static_cast<std::size_t>(i)];
    if (v.x > E) break;
    o.push_back({v.x, v.y});
  }
  o.push_back({E, L.wedge_surface_y_bottom});
  o.push_back({L.wedge_width_bottom, record_at(set, h.ground_top_index, file).top_level});
  for (int r = h.ground_top_index - 1; r >= 0; --r) {
    const double level = record_at(set, r, file).top_level;
    for (std::size_t l = 0; l + 1 < o.size(); ++l) {
      double x = 0, y = 0;
      if (engine::intersect_lines(0, level, 100, level, o[l].x, o[l].y, o[l + 1].x, o[l + 1].y, x,
                                  y) != 0)
        continue;
      x = engine::round_to_decimals(x, 4);
      y = engine::round_to_decimals(y, 4);
      auto same = [&](const OutlinePoint& p) {
        return std::fabs(p.x - x) < 0.0001 && std::fabs(p.y - y) < 0.0001;
      };
      if (same(o[l]) || same(o[l + 1])) continue;
      o.insert(o.begin() + static_cast<std::ptrdiff_t>(l) + 1, {x, y});
      ++l;  // go on after the inserted point
    }
  }
  return o;
}

std::vector<OutlinePoint> slice_of(const std::vector<OutlinePoint>& outline, double upper,
                                   double lower) {
  std::vector<OutlinePoint> s;
  for (const OutlinePoint& p : outline)
    if (p.y > lower - 0.001 && p.y < upper + 0.001) s.push_back(p);
  return s;
}

namespace {

void field_text(PrintFile& f, int number, const char* format, ...) __attribute__((format(printf, 3, 4)));
void field_text(PrintFile& f, int number, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = engine::format_text_v(format, args);
  va_end(args);
  f.field_record(number, text);
}

struct LayerWriter {
  PrintFile& f;
  const engine::ConditionData& cd;
  const engine::PressureWorkFile& w;
  const std::array<LandWorkLayer, engine::LAYER_RECORDS>& set;
  bool arayoko;
  double D;
  int load_case;

  const LandWorkLayer& rec(int i) const { return record_at(set, i, "DAT_PRN.DAT"); }

  void failure_angles(int a) {
    const int gt = w.header.ground_top_index;
    f.keep_record(a - gt + 1 + 2);
    f.block_record("JKJU_ZT1.PFM");
    for (int p = gt; p <= a; ++p) {
      const LandWorkLayer& L = rec(p);
      const Dms dms = rad_to_dms(L.wedge_angles[static_cast<std::size_t>(a)]);
      f.block_record("JKJU_ZT2.PFM");
      const bool datum = arayoko && cd.custom_options.surcharge_method == 0 && p == a;
      field(f, 0, "%10.3lf", datum ? D : L.top_level - L.thickness);
      f.field_record(1, cp_dms(dms));
    }
  }

  static std::string cp_dms(const Dms& d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%4d", d.degrees);
    std::string s = buf + cp("°");
    std::snprintf(buf, sizeof buf, "%2d", d.minutes);
    s += buf + cp("′");
    std::snprintf(buf, sizeof buf, "%2d", d.seconds);
    s += buf + cp("″");
    return s;
  }

  void wedge_loads(int a) {
    const LandWorkLayer& L = rec(a);
    if (L.wedge_surcharge_load_bottom < 0.0001) {
      f.block_record("JKJU_JS1.PFM");
      return;
    }
    const double x0 = cd.surface_points[0].x, E = L.wedge_surface_x_bottom;
    int count = 0;
    for (const engine::SurchargeRange& r : cd.surcharge_ranges) {
      if (!range_has_load(r)) continue;
      ++count;
      if (r.x_min - x0 <= E && E < r.x_max - x0) break;
    }
    f.keep_record(count + 5);
    f.block_record("JKJU_JS2.PFM");
    for (const engine::SurchargeRange& r : cd.surcharge_ranges) {
      if (!range_has_load(r)) continue;
      const double q = r.load[load_case];
      f.block_record("JKJU_JS3.PFM");
      field(f, 0, "%12.2lf", q);
      if (r.x_min - x0 <= E && E < r.x_max - x0) {
        const double width = E - (r.x_min - x0);
        field(f, 1, "%12.4lf", width);
        field(f, 2, "%12.4lf", engine::round_to_decimals(q * width, 4));
        break;
      }
      field(f, 1, "%12.4lf", r.x_max - r.x_min);
      field(f, 2, "%12.4lf", engine::round_to_decimals(q * (r.x_max - r.x_min), 4));
    }
    f.block_record("JKJU_JS4.PFM");
    field(f, 0, "%12.4lf", L.wedge_surcharge_load_bottom);
  }

  void wedge_table(int a) {
    const LandWorkLayer& L = rec(a);
    if (L.wedge_weight_bottom < 0.0001) {
      f.block_record("JKJU_TT1.PFM");
      return;
    }
    const std::vector<OutlinePoint> outline = wedge_outline(w, set, a);
    f.block_record("JKJU_TTL.PFM");
    const int gt = w.header.ground_top_index;
    std::vector<double> area(static_cast<std::size_t>(std::max(gt, 0)), 0.0);
    int n = 1;
    for (int r = gt - 1; r >= 0; --r) {
      const std::vector<OutlinePoint> s = slice_of(outline, rec(r).top_level, rec(r + 1).top_level);
      if (s.empty()) continue;
      const int k = static_cast<int>(s.size());
      std::vector<double> xs, ys;
      for (const OutlinePoint& p : s) {
        xs.push_back(p.x);
        ys.push_back(p.y);
      }
      f.keep_record(k + 3);
      f.block_record("JKJU_TT2.PFM");
      double sum = 0;
      for (int i = 0; i < k; ++i) {
        if (i == 0) {
          f.block_record("JKJU_TT3.PFM");
          field_text(f, 0, "%3d", n);
        } else {
          f.block_record("JKJU_TT4.PFM");
        }
        const double term = engine::round_shoelace_term(xs.data(), ys.data(), k, i);
        sum += term;
        field(f, 1, "%10.4lf", xs[static_cast<std::size_t>(i)]);
        field(f, 2, "%10.4lf", ys[static_cast<std::size_t>(i)]);
        field(f, 3, "%16.8lf", term);
      }
      area[static_cast<std::size_t>(r)] = std::fabs(sum) / 2;
      f.block_record("JKJU_TT5.PFM");
      field(f, 0, "%16.8lf", std::fabs(sum));
      field(f, 1, "%16.9lf", area[static_cast<std::size_t>(r)]);
      ++n;
    }
    f.keep_record(n + 3);
    f.block_record("JKJU_TT6.PFM");
    int m = 1;
    for (int r = gt - 1; r >= 0; --r) {
      const double A = area[static_cast<std::size_t>(r)];
      if (!(A > 0)) continue;
      f.block_record("JKJU_TT7.PFM");
      field_text(f, 0, "%4d", m);
      field(f, 1, "%16.9lf", A);
      field(f, 2, "%12.3lf", rec(r).unit_weight);
      field(f, 3, "%10.4lf", engine::round_to_decimals(A * rec(r).unit_weight, 4));
      ++m;
    }
    f.block_record("JKJU_TT8.PFM");
    field(f, 0, "%10.4lf", L.wedge_weight_bottom);
  }

  void resultant(int a) {
    const LandWorkLayer& L = rec(a);
    if (L.wedge_surcharge_load_bottom < 0.0001 && L.wedge_weight_bottom < 0.0001) return;
    f.keep_record(6);
    f.block_record("JKJU_TU1.PFM");
    f.block_record("JKJU_TU2.PFM");
    field(f, 0, "%10.4lf", L.wedge_weight_bottom);
    field(f, 1, "%12.4lf", L.wedge_surcharge_load_bottom);
    field(f, 2, "%8.4lf", L.wedge_width_bottom);
    field(f, 3, "%10.4lf", L.surcharge_bottom);
    f.block_record("JKJU_TU3.PFM");
    field(f, 0, "%10.2lf", engine::round_to_decimals(L.surcharge_bottom, 2));
  }
};

const char* position_text(int surcharge_method) {
  return surcharge_method == 0 ? "海底面" : surcharge_method == 1 ? "各土層" : "支持面";
}

}  // namespace

void write_surcharge_report(const engine::ConditionData& cd, TolmireData& data, int load_case,
                            const std::filesystem::path& folder) {
  if (cd.surface_shape == 0) return;
  const int c = load_case == engine::CASE_NORMAL ? 0 : 1;
  const engine::CustomOptions& o = cd.custom_options;
  const std::string name = c == 0 ? "DM001KJU.PDT" : "DM101KJU.PDT";
  PrintFile f;
  engine::open_or_stop(f, folder / name);
  const std::string P = cp(position_text(o.surcharge_method));
  const std::string C = cp(c == 0 ? "常  時" : "地震時");
  char head[128];
  std::snprintf(head, sizeof head, "%s(%6s)      %s%6s%s", cp("上載荷重").c_str(), P.c_str(),
                cp("〈").c_str(), C.c_str(), cp("〉").c_str());
  f.line(head);
  f.stamp_line(engine::stamp_of(cd), cd.project_title.view(),
               engine::StampForm::title_right_aligned);
  f.page_record("GAI_TITL.PFM");
  f.field_record(99, cp(c == 0 ? "常時の検討" : "地震時の検討"));
  f.field_record(98, "");
  f.block_record("JKJU_MDS.PFM");
  field_text(f, 99, "%6s", P.c_str());
  f.field_record(98, cp(c == 0 ? "各土層の崩壊角" : "各土層の崩壊角及び、震度"));
  if (c == 0) {
    f.block_record("JKJU_TZ1.PFM", "JKJU_TZ1.PZK");
    field(f, 99, "%5.1lf", o.clay_collapse_angle[0]);
  } else {
    f.block_record("JKJU_TZ2.PFM", "JKJU_TZ2.PZK");
    if (o.negative_root_rule == 0) {
      f.block_record("JKJU_TZ3.PFM");
      field(f, 99, "%5.1lf", o.clay_collapse_angle[1]);
    } else if (o.negative_root_rule == 2) {
      f.block_record("JKJU_TZ4.PFM", "JKJU_TZ4.PZK");
    } else {
      f.block_record("JKJU_TZ5.PFM");
    }
    switch (cd.apparent_coef_method) {
      case 1: f.block_record("SHINDO2.PFM"); break;
      case 2: f.block_record("SHINDO1.PFM"); break;
      case 3: f.block_record("SHINDO3.PFM"); break;
      default: break;
    }
  }
  f.page_record("JKJU_KSN.PFM");
  const SurchargeLayers layers = surcharge_layers(cd, data.work, data.design_seabed_level);
  LayerWriter lw{f,
                 cd,
                 data.work,
                 layers.arayoko ? data.work.arayoko_land : data.work.land,
                 layers.arayoko,
                 data.design_seabed_level,
                 c};
  int figure = 0;
  for (const SurchargeLayer& s : layers.layers) {
    f.block_record("JKJU_DSU.PFM");
    field_text(f, 0, "  %c", static_cast<char>('a' + figure));
    field(f, 1, "%7.3lf", s.heading_level);
    lw.failure_angles(s.record);
    lw.wedge_loads(s.record);
    lw.wedge_table(s.record);
    lw.resultant(s.record);
    char fig[32];
    std::snprintf(fig, sizeof fig, "JKJUZ%d%02d.PZK", c, o.surcharge_method == 1 ? figure : 0);
    f.figure_page_record(fig);
    ++figure;
  }
  engine::close_or_stop(f);
}

}  // namespace qvt::tolmire
