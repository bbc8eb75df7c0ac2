#include "frontend/model/conditions_file.h"

#include "common/cp932.h"
#include "common/items.h"
#include "common/numtext.h"
#include "common/textfile.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <variant>

namespace qvt::model {
namespace {

using Item = std::variant<i16*, double*>;

// One description of the layout serves the writer and the reader: each visitor is told the
// lines in file order.
//   items(list)           a line of numbers
//   since(v, list, older) a line that exists from version v on; older files give `older`
//   derived(value)        a number the writer computes and the reader drops
//   dropped(v)            an item only files of version v and later carry (read and dropped)
class Writer {
 public:
  void items(std::initializer_list<Item> list) {
    std::string line;
    for (const Item& it : list) {
      if (!line.empty()) line += ',';
      if (auto p = std::get_if<i16*>(&it)) line += format_int(**p);
      else line += format_real(*std::get<double*>(it));
    }
    lines.push_back(std::move(line));
  }
  void since(int, std::initializer_list<Item> list, std::initializer_list<double>) { items(list); }
  void derived(int value) { lines.push_back(format_int(value)); }
  void dropped(int) {}
  void soil_type_fix(i16&) {}
  bool ok() const { return true; }
  std::vector<std::string> lines;
};

// The reader holds the file to its line layout: each line of the table is one line of the
// file with exactly its items. Without that a repeated or a missing line would shift every
// later value into the wrong field and still leave enough items to fill the model.
class Reader {
 public:
  Reader(ItemReader& r, int version) : r_(r), version_(version) {}
  void items(std::initializer_list<Item> list) {
    if (ok_ && !r_.at_line_start()) ok_ = false;  // the line before held more than its items
    bool first = true;
    for (const Item& it : list) {
      if (!ok_) return;
      if (!first && r_.line_used_up()) {  // the line ended before its last item
        ok_ = false;
        return;
      }
      first = false;
      if (auto p = std::get_if<i16*>(&it)) ok_ = r_.next_i16(**p);
      else ok_ = r_.next_real(*std::get<double*>(it));
    }
  }
  void since(int v, std::initializer_list<Item> list, std::initializer_list<double> older) {
    if (version_ >= v) {
      items(list);
      return;
    }
    auto o = older.begin();
    for (const Item& it : list) {
      double value = (o != older.end()) ? *o++ : 0.0;
      if (auto p = std::get_if<i16*>(&it)) **p = static_cast<i16>(value);
      else *std::get<double*>(it) = value;
    }
  }
  void derived(int) {
    double dummy;
    items({&dummy});
  }
  // The items of versions 14 and 15 are taken where they stand, at the end of the line before
  // or on a line of their own.
  void dropped(int v) {
    double dummy;
    if (ok_ && version_ >= v) ok_ = r_.next_real(dummy);
  }
  // A text line: a whole line of its own.
  bool text_line(std::string& out) {
    if (ok_) ok_ = r_.at_line_start() && r_.next_line(out);
    return ok_;
  }
  // After the last item: nothing but trailing empty lines may follow.
  bool at_end() {
    if (ok_) ok_ = r_.at_end();
    return ok_;
  }
  // From version 15 a soil type 2 is read as clay.
  void soil_type_fix(i16& t) {
    if (version_ >= 15 && t == 2) t = 1;
  }
  bool ok() const { return ok_; }

 private:
  ItemReader& r_;
  int version_;
  bool ok_ = true;
};

int derived_layer_count(const PressurePointList& p) { return p.count - 1; }

// Lines 6 to 56: design conditions and the action points.
template <class V>
void visit_head(V& v, ProjectConditions& c) {
  v.items({&c.seismic_check});
  v.items({&c.improvement_pattern});
  v.since(2, {&c.improvement_ratio}, {100});
  v.items({&c.water_levels[0], &c.water_levels[1], &c.water_levels[2]});
  v.items({&c.water_unit_weight});
  v.items({&c.cohesion_reference_level});
  v.items({&c.clay_pressure_formula[CASE_NORMAL]});
  for (int check = 0; check < 4; ++check)
    v.items({&c.safety_factors[CASE_NORMAL][check], &c.safety_factors[CASE_SEISMIC][check]});
  for (int kind = 0; kind < 2; ++kind)
    v.items({&c.allowable_stresses[kind][CASE_NORMAL], &c.allowable_stresses[kind][CASE_SEISMIC]});
  v.since(5, {&c.allowable_stresses[2][CASE_NORMAL], &c.allowable_stresses[2][CASE_SEISMIC]},
          {0, 0});
  v.dropped(14);
  v.items({&c.seismic_coef_mode});
  v.items({&c.apparent_coef_method});
  v.items({&c.reserved_seismic_option});
  v.items({&c.rwl_coef_rule});
  v.items({&c.clay_pressure_formula[CASE_SEISMIC]});
}

template <class V>
void visit_after_line25(V& v, ProjectConditions& c) {
  v.since(9, {&c.clay_compare_shallow}, {1});
  v.since(9, {&c.clay_compare_deep}, {1});
  v.items({&c.seismic_coef_earth});
  v.items({&c.apparent_seismic_coef});
  v.items({&c.seismic_coef_inertia});
  v.dropped(14);
  v.items({&c.regional_coef[0], &c.regional_coef[1]});
  v.items({&c.ground_type_factor[0], &c.ground_type_factor[1]});
  v.items({&c.importance_factor[0], &c.importance_factor[1]});
  v.since(4, {&c.liquefied_pressure_coef}, {1.0});
  v.since(4, {&c.liquefied_vertical_rule}, {1});
  v.since(11, {&c.active_seabed_level}, {0});
  v.since(11, {&c.active_seabed_rule}, {0});
  ImportedCheckPoint& cp = c.imported_check_point;
  v.items({&cp.number});
  v.items({&cp.x});
  v.items({&cp.y});
  v.items({&cp.z});
  v.items({&cp.flag});
  for (int side = 0; side < 2; ++side) {
    PressurePointList& p = c.pressure_points[side];
    v.items({&p.count});
    for (auto* arr : {&p.x, &p.y})
      for (int k = 0; k < MAX_PRESSURE_POINTS; k += 5)
        v.items({&(*arr)[k], &(*arr)[k + 1], &(*arr)[k + 2], &(*arr)[k + 3], &(*arr)[k + 4]});
  }
}

// Lines 57 to 156 (the force names follow and are text lines).
template <class V>
void visit_body(V& v, ProjectConditions& c, int used_blocks) {
  ImprovedBodyDims& d = c.body_dims;
  for (double* p : {&d.ref_x, &d.ref_y, &d.width, &d.dh1, &d.dh2, &d.ds, &d.ls, &d.bs, &d.dl,
                    &d.ll, &d.bl1, &d.bl2})
    v.items({p});
  v.items({&c.surface_point_count});
  v.items({&c.embankment_layer_count});
  v.items({&c.surcharge_range_count});
  v.derived(derived_layer_count(c.pressure_points[SIDE_PASSIVE]));
  v.derived(derived_layer_count(c.pressure_points[SIDE_ACTIVE]));
  v.items({&c.external_force_counts[CASE_NORMAL]});
  v.items({&c.external_force_counts[CASE_SEISMIC]});
  v.derived(used_blocks);
  v.items({&c.surface_shape});
  v.since(8, {&c.collapse_angle_rule}, {0});
  v.items({&c.surface_slope_angle});
  v.items({&c.seabed_slope_angle});
  auto& e = c.embankment_layers;
  v.items({&e[0].top_level, &e[1].top_level, &e[2].top_level});
  v.items({&e[0].unit_weight_air, &e[1].unit_weight_air, &e[2].unit_weight_air});
  v.items({&e[0].unit_weight_submerged, &e[1].unit_weight_submerged, &e[2].unit_weight_submerged});
  auto& sp = c.surface_points;
  for (int k = 0; k < MAX_SURFACE_POINTS; k += 5)
    v.items({&sp[k].kind, &sp[k + 1].kind, &sp[k + 2].kind, &sp[k + 3].kind, &sp[k + 4].kind});
  for (int k = 0; k < MAX_SURFACE_POINTS; k += 5)
    v.items({&sp[k].x, &sp[k + 1].x, &sp[k + 2].x, &sp[k + 3].x, &sp[k + 4].x});
  for (int k = 0; k < MAX_SURFACE_POINTS; k += 5)
    v.items({&sp[k].y, &sp[k + 1].y, &sp[k + 2].y, &sp[k + 3].y, &sp[k + 4].y});
  v.items({&c.surface_surcharge[CASE_NORMAL], &c.surface_surcharge[CASE_SEISMIC]});
  v.since(13, {&c.seabed_surcharge[CASE_NORMAL], &c.seabed_surcharge[CASE_SEISMIC]}, {0, 0});
  auto& r = c.surcharge_ranges;
  v.items({&r[0].x_min, &r[1].x_min, &r[2].x_min, &r[3].x_min, &r[4].x_min});
  v.items({&r[0].x_max, &r[1].x_max, &r[2].x_max, &r[3].x_max, &r[4].x_max});
  for (int cs = 0; cs < 2; ++cs)
    v.items({&r[0].load[cs], &r[1].load[cs], &r[2].load[cs], &r[3].load[cs], &r[4].load[cs]});
  auto& t = c.top_surcharges;
  v.items({&t[0].x_min, &t[1].x_min, &t[2].x_min, &t[3].x_min});
  v.items({&t[0].x_max, &t[1].x_max, &t[2].x_max, &t[3].x_max});
  for (int cs = 0; cs < 2; ++cs)
    v.items({&t[0].load[cs], &t[1].load[cs], &t[2].load[cs], &t[3].load[cs]});
  v.items({&c.top_surcharge_ignored});
  BearingLayer& b = c.bearing_layer;
  v.items({&b.soil_type});
  v.items({&b.unit_weight});
  v.items({&b.shape_factor});
  v.items({&b.mean_n});
  v.items({&b.phi_formula});
  v.items({&b.phi});
  v.items({&b.bearing_nr});
  v.items({&b.bearing_nq});
  v.items({&b.cohesion});
  v.items({&b.cohesion_gradient});
  v.since(7, {&b.friction_rule}, {1});
  v.since(7, {&b.friction_mu}, {0});
  v.dropped(14);
  v.since(10, {&b.founding_type}, {1});
  v.since(12, {&b.slope_length_width}, {0});
}

template <class V>
void visit_force_values(V& v, ExternalForce& f) {
  v.items({&f.vertical});
  v.items({&f.horizontal});
  v.items({&f.x});
  v.items({&f.y});
}

// Lines 187 to 521.
template <class V>
void visit_tail(V& v, ProjectConditions& c) {
  for (int side = 0; side < 2; ++side) {
    for (SoilLayer& l : c.soil_layers[side]) {
      v.items({&l.top_level});
      v.items({&l.bottom_level});
      v.items({&l.unit_weight_air});
      v.items({&l.unit_weight_submerged});
      v.items({&l.soil_type});
      v.soil_type_fix(l.soil_type);
      v.items({&l.phi});
      v.items({&l.cohesion});
      v.items({&l.cohesion_gradient});
      v.since(4, {&l.liquefied}, {0});
      v.since(4, {&l.slurry_unit_weight}, {0});
      v.dropped(15);
    }
  }
  DimensionPointList* dp = c.dimension_points;
  v.items({&dp[0].count, &dp[1].count});
  auto tens = [&](auto& arr) {
    for (int k = 0; k < MAX_DIMENSION_POINTS; k += 10)
      v.items({&arr[k], &arr[k + 1], &arr[k + 2], &arr[k + 3], &arr[k + 4], &arr[k + 5],
               &arr[k + 6], &arr[k + 7], &arr[k + 8], &arr[k + 9]});
  };
  tens(dp[0].x);
  tens(dp[1].x);
  tens(dp[0].y);
  tens(dp[1].y);
  for (BodyReaction& r : c.body_reactions)
    for (double* p : {&r.check_x, &r.check_y, &r.spread_width, &r.spread_angle, &r.reaction,
                      &r.extra})
      v.items({p});
  v.items({&c.dynamic_water_force});
  v.items({&c.dynamic_water_level});
}

std::string to_file_text(const std::string& utf8) { return utf8_to_cp932_lossy(utf8); }
std::string from_file_text(const std::string& cp932) {
  return std::string(trim_blanks(cp932_to_utf8_lossy(cp932)));
}
std::string trimmed(const std::string& s) { return std::string(trim_blanks(s)); }

// Counts index the stores; one beyond its store would let the pages and the section picture
// read past it, so such a file is refused like a malformed one.
bool counts_in_range(const ProjectConditions& c) {
  auto in = [](int v, int max) { return v >= 0 && v <= max; };
  return in(c.pressure_points[0].count, MAX_PRESSURE_POINTS) &&
         in(c.pressure_points[1].count, MAX_PRESSURE_POINTS) &&
         in(c.surface_point_count, MAX_SURFACE_POINTS) &&
         in(c.embankment_layer_count, MAX_EMBANKMENT_LAYERS) &&
         in(c.surcharge_range_count, MAX_SURCHARGE_RANGES) &&
         in(c.external_force_counts[0], EXTERNAL_FORCES_PER_CASE) &&
         in(c.external_force_counts[1], EXTERNAL_FORCES_PER_CASE) &&
         in(c.dimension_points[0].count, MAX_DIMENSION_POINTS) &&
         in(c.dimension_points[1].count, MAX_DIMENSION_POINTS);
}

// Levels, coordinates and lengths must lie within the section's extent: a level of -1e308
// opened without a word would reach the picture's labels and the engines' sums.
bool extents_in_range(const ProjectConditions& c) {
  bool ok = true;
  auto in = [&](std::initializer_list<double> values) {
    for (double v : values) ok = ok && section_extent_ok(v);
  };
  in({c.water_levels[0], c.water_levels[1], c.water_levels[2], c.cohesion_reference_level,
      c.active_seabed_level, c.imported_check_point.x, c.imported_check_point.y,
      c.imported_check_point.z, c.dynamic_water_level});
  for (const PressurePointList& p : c.pressure_points)
    for (int k = 0; k < MAX_PRESSURE_POINTS; ++k) in({p.x[k], p.y[k]});
  const ImprovedBodyDims& d = c.body_dims;
  in({d.ref_x, d.ref_y, d.width, d.dh1, d.dh2, d.ds, d.ls, d.bs, d.dl, d.ll, d.bl1, d.bl2});
  for (const EmbankmentLayer& e : c.embankment_layers) in({e.top_level});
  for (const SurfacePoint& p : c.surface_points) in({p.x, p.y});
  for (const SurchargeRange& r : c.surcharge_ranges) in({r.x_min, r.x_max});
  for (const auto& t : c.top_surcharges) in({t.x_min, t.x_max});
  for (const auto& side : c.soil_layers)
    for (const SoilLayer& l : side) in({l.top_level, l.bottom_level});
  for (const DimensionPointList& p : c.dimension_points)
    for (int k = 0; k < MAX_DIMENSION_POINTS; ++k) in({p.x[k], p.y[k]});
  for (const BodyReaction& r : c.body_reactions) in({r.check_x, r.check_y, r.spread_width});
  return ok;
}

}  // namespace

std::vector<std::string> conditions_file_lines(ProjectModel& m, int line25_value) {
  ProjectConditions& c = m.conditions;
  Writer w;
  char mark[16];
  std::snprintf(mark, sizeof mark, "*%06d", kConditionsFileVersion);
  w.lines.push_back(mark);
  w.lines.push_back(c.project_title.empty() ? "untitled" : to_file_text(c.project_title));
  w.items({&c.stamp_date[0], &c.stamp_date[1], &c.stamp_date[2]});
  w.items({&c.stamp_time[0], &c.stamp_time[1], &c.stamp_time[2]});
  c.job_name = trimmed(c.job_name);
  w.lines.push_back(c.job_name.empty() ? std::string(64, ' ') : to_file_text(c.job_name));
  visit_head(w, c);
  i16 line25 = line25_value >= 0 ? static_cast<i16>(line25_value) : c.shallow_clay_method;
  w.items({&line25});
  visit_after_line25(w, c);
  int used = 0;
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s)
    if (m.wall_blocks[s].block_type != BLOCK_EMPTY) ++used;
  visit_body(w, c, used);
  for (auto& per_case : c.external_forces) {
    for (ExternalForce& f : per_case) {
      f.name = trimmed(f.name);
      w.lines.push_back(f.name.empty() ? std::string(5, ' ') : to_file_text(f.name));
      visit_force_values(w, f);
    }
  }
  visit_tail(w, c);
  return std::move(w.lines);
}

bool read_conditions_file(const std::filesystem::path& file, ProjectConditions& conditions,
                          i16& file_version) {
  auto lines = read_lines(file);
  if (!lines) return false;
  return read_conditions_lines(std::move(*lines), conditions, file_version);
}

bool read_conditions_lines(std::vector<std::string> lines, ProjectConditions& conditions,
                           i16& file_version) {
  ItemReader r(std::move(lines));
  ProjectConditions c = conditions;

  // Line 1 is the version mark "*nnnnnn", or, in files of version 0, the title itself. The
  // title and the other text lines are taken whole, so a comma in them shifts nothing.
  std::string first;
  if (!r.next_line(first)) return false;
  std::string title_line;
  int version = 0;
  std::string mark = trimmed(first);
  if (!mark.empty() && mark[0] == '*') {
    auto v = parse_real(std::string_view(mark).substr(1));
    if (!v) return false;
    double rounded = std::nearbyint(*v);
    if (rounded < 0 || rounded > kNewestReadableVersion) return false;
    version = static_cast<int>(rounded);
    if (!r.next_line(title_line)) return false;
  } else {
    title_line = first;
  }
  c.project_title = from_file_text(title_line);
  if (c.project_title == "untitled") c.project_title.clear();

  Reader rd(r, version);
  rd.items({&c.stamp_date[0], &c.stamp_date[1], &c.stamp_date[2]});
  rd.items({&c.stamp_time[0], &c.stamp_time[1], &c.stamp_time[2]});
  if (!rd.ok()) return false;
  std::string job;
  if (!rd.text_line(job)) return false;
  c.job_name = cp932_to_utf8_lossy(job);  // whole line, blanks included
  visit_head(rd, c);
  rd.items({&c.shallow_clay_method});
  visit_after_line25(rd, c);
  visit_body(rd, c, 0);
  if (!rd.ok()) return false;
  for (auto& per_case : c.external_forces) {
    for (ExternalForce& f : per_case) {
      std::string name;
      if (!rd.text_line(name)) return false;
      f.name = from_file_text(name);
      visit_force_values(rd, f);
      if (!rd.ok()) return false;
    }
  }
  visit_tail(rd, c);
  // A file longer than its version's layout is as damaged as a shorter one.
  if (!rd.ok() || !rd.at_end() || !counts_in_range(c) || !extents_in_range(c)) return false;
  conditions = std::move(c);
  file_version = static_cast<i16>(version);
  return true;
}

}  // namespace qvt::model
