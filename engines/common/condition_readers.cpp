#include "engines/common/condition_readers.h"

#include "common/block_type_rule.h"
#include "common/condition_ranges.h"
#include "common/cp932.h"
#include "common/option_ranges.h"
#include "common/textfile.h"
#include "engines/common/block_geometry_check.h"
#include "engines/common/line_scan.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

namespace qvt::engine {
namespace {

// How the messages name each file.
constexpr const char* kConditionsLabel = "条件設定ファイル (QVTAJKN.CAL)";
constexpr const char* kOptionsLabel = "カスタムデータ (QVT_DAT.CST)";
constexpr const char* kBlockLabel = "初期条件設定ファイル (QVTABLK.CAL)";

// Lines of the conditions file after the title, without line 8 (read from version 2 on).
constexpr std::size_t kConditionsLinesAfterTitle = 518;
constexpr std::size_t kOptionsRequiredLines = 13;

EngineMessage error_message(const std::string& utf8_text) {
  return EngineMessage{MessageKind::Error, std::string(kErrorTitle),
                       utf8_to_cp932_lossy(utf8_text)};
}

EngineMessage missing_file_message(const char* label) {
  return error_message(std::string(label) +
                       " が見つかりません。\nインストールが正常に行われていない可能性があります。");
}

// Thrown inside a parse and turned into its Status at the top.
struct ReadStop {
  EngineMessage message;
};

// Reads a file line by line, stopping with a message that names the file and the line when a
// line is missing or an item the layout depends on is not sound.
class LineReader {
 public:
  LineReader(const std::vector<std::string>& lines, const char* label)
      : lines_(lines), label_(label) {}

  bool at_end() const { return next_ >= lines_.size(); }
  // The number of the line last read, from 1.
  int line_no() const { return static_cast<int>(next_); }

  std::string_view line() {
    if (at_end()) short_file(lines_.size() + 1);
    return lines_[next_++];
  }
  void skip(int n) {
    for (int i = 0; i < n; ++i) line();
  }

  // A line of exactly n items; one that is missing, empty or does not read as its type makes
  // the file malformed.
  template <class T>
  void items(T* out, int n) {
    if (!read_items(line(), out, n)) bad_value(line_no());
  }
  template <class T>
  void item(T& out) {
    items(&out, 1);
  }
  // A line of n items that go to get(0) .. get(n-1) (records spread over several lines).
  template <class T, int N, class Get>
  void row(Get get) {
    std::array<T, N> values;
    items(values.data(), N);
    for (int i = 0; i < N; ++i) get(i) = values[i];
  }
  // `per_line` values a line until n values are read (the last line may hold fewer).
  template <class T>
  void block(T* out, int n, int per_line) {
    for (int first = 0; first < n; first += per_line)
      items(out + first, std::min(per_line, n - first));
  }
  // The same for levels, coordinates and lengths, each within the section's extent.
  template <class T>
  void extent_block(T* out, int n, int per_line) {
    for (int first = 0; first < n; first += per_line) {
      const int count = std::min(per_line, n - first);
      items(out + first, count);
      for (int i = 0; i < count; ++i)
        if (!section_extent_ok(out[first + i])) bad_value(line_no());
    }
  }
  // A number that decides the layout or indexes a store: it must be within range too.
  template <class Int>
  void count(Int& out, long lo, long hi) {
    Int v{};
    item(v);
    if (v < lo || v > hi) bad_value(line_no());
    out = v;
  }
  template <class Int, int N>
  void counts(Int (&out)[N], long lo, long hi) {
    Int v[N] = {};
    items(v, N);
    for (int i = 0; i < N; ++i)
      if (v[i] < lo || v[i] > hi) bad_value(line_no());
    for (int i = 0; i < N; ++i) out[i] = v[i];
  }

  // Levels, coordinates and lengths of the line last read must lie within the section's
  // extent: a level of -1e308 is damage, not a value to print or sum.
  void extents(std::initializer_list<double> values) const {
    for (double v : values)
      if (!section_extent_ok(v)) bad_value(line_no());
  }
  template <class T, class Get>
  void extents_of(const T& records, Get get) const {
    for (const auto& rec : records)
      if (!section_extent_ok(get(rec))) bad_value(line_no());
  }

  // Physical quantities of the line last read must be values real ground, water or loads
  // can have (common/condition_ranges.h); `in_use` false for a record the engines do not
  // compute with, which may hold 0 where the quantity allows it.
  void quantities(ConditionQuantity which, std::initializer_list<double> values,
                  bool in_use = true) const {
    for (double v : values)
      if (!condition_in_range(which, v, in_use)) bad_value(line_no());
  }
  template <class T, class Get>
  void quantities_of(ConditionQuantity which, const T& records, Get get) const {
    for (const auto& rec : records)
      if (!condition_in_range(which, get(rec))) bad_value(line_no());
  }

  // An item of a line already taken.
  template <class T>
  void item_of(std::string_view l, T& out) {
    if (!read_item(l, out)) bad_value(line_no());
  }

  // After the last line of the layout nothing but empty lines may follow: more lines mean one
  // was repeated or a count is wrong, and the values read are shifted.
  void expect_end() const {
    for (std::size_t i = next_; i < lines_.size(); ++i)
      if (lines_[i].find_first_not_of(" \t") != std::string::npos)
        throw ReadStop{error_message(std::string(label_) + " の " + std::to_string(next_) +
                                     " 行目の後に余分な行があります。")};
  }

  [[noreturn]] void short_file(std::size_t missing_line) const {
    throw ReadStop{error_message(std::string(label_) + " が途中で終わっています。\n" +
                                 std::to_string(missing_line) + " 行目がありません。")};
  }
  [[noreturn]] void bad_value(int line_no) const {
    throw ReadStop{error_message(std::string(label_) + " の " + std::to_string(line_no) +
                                 " 行目の値が正しくありません。")};
  }

 private:
  const std::vector<std::string>& lines_;
  const char* label_;
  std::size_t next_ = 0;
};

template <class Parse>
Status run_parse(Parse parse) {
  try {
    parse();
  } catch (const ReadStop& stop) {
    return EngineStop{{stop.message}};
  }
  return Status::success();
}

// --- QVTAJKN.CAL ---------------------------------------------------------------------------

// `in_use`: the layer lies within its side's count; `active`: a land-side layer, the only side
// whose slurry unit weight is computed with.
void read_soil_layer(LineReader& r, SoilLayer& l, bool in_use, bool active) {
  r.item(l.top_level);
  r.extents({l.top_level});
  r.item(l.bottom_level);
  r.extents({l.bottom_level});
  r.item(l.unit_weight_air);
  r.quantities(COND_SOIL_UNIT_WEIGHT, {l.unit_weight_air}, in_use);
  r.item(l.unit_weight_submerged);
  r.quantities(COND_SOIL_UNIT_WEIGHT, {l.unit_weight_submerged}, in_use);
  r.item(l.soil_type);
  r.item(l.phi);
  r.quantities(COND_FRICTION_ANGLE, {l.phi});
  r.item(l.cohesion);
  r.quantities(COND_COHESION, {l.cohesion});
  r.item(l.cohesion_gradient);
  r.item(l.liquefied);
  r.item(l.slurry_unit_weight);
  r.quantities(COND_SLURRY_UNIT_WEIGHT, {l.slurry_unit_weight},
               in_use && active && l.liquefied == 1);
}

void parse_conditions(LineReader& r, const std::vector<std::string>& lines, ConditionData& d) {
  // Line 1 is the version mark "*nnnnnn" when it begins with "*"; otherwise it is the title.
  // Only the improvement ratio (line 8) depends on the version.
  std::string_view first = r.line();
  const bool marked = !first.empty() && first[0] == '*';
  d.file_version = 0;
  if (marked && !read_item(first.substr(1), d.file_version)) r.bad_value(1);
  const bool has_ratio = marked && d.file_version >= 2;
  const std::size_t needed =
      (marked ? 2 : 1) + kConditionsLinesAfterTitle + (has_ratio ? 1 : 0);
  if (lines.size() < needed) r.short_file(lines.size() + 1);

  d.project_title.assign(marked ? r.line() : first);
  r.items(d.stamp_date, 3);
  r.items(d.stamp_time, 3);
  d.job_name.assign(r.line());
  r.item(d.seismic_check);
  r.item(d.improvement_pattern);
  if (has_ratio) {
    r.item(d.improvement_ratio);
    r.quantities(COND_IMPROVEMENT_RATIO, {d.improvement_ratio});
  } else {
    d.improvement_ratio = 100;
  }
  r.items(d.water_levels, 3);
  r.extents({d.water_levels[0], d.water_levels[1], d.water_levels[2]});
  r.item(d.water_unit_weight);
  r.quantities(COND_WATER_UNIT_WEIGHT, {d.water_unit_weight});
  r.item(d.cohesion_reference_level);
  r.extents({d.cohesion_reference_level});
  r.item(d.clay_pressure_formula[CASE_NORMAL]);
  for (auto& check : d.safety_factors) {
    r.items(check, 2);
    r.quantities(COND_SAFETY_FACTOR, {check[0], check[1]});
  }
  for (auto& kind : d.allowable_stresses) {
    r.items(kind, 2);
    r.quantities(COND_ALLOWABLE_STRESS, {kind[0], kind[1]});
  }
  r.item(d.seismic_coef_mode);
  r.item(d.apparent_coef_method);
  r.item(d.reserved_seismic_option);
  r.item(d.rwl_coef_rule);
  r.item(d.clay_pressure_formula[CASE_SEISMIC]);
  r.item(d.shallow_clay_method);
  r.item(d.clay_compare_shallow);
  r.item(d.clay_compare_deep);
  for (double* v : {&d.seismic_coef_earth, &d.apparent_seismic_coef, &d.seismic_coef_inertia}) {
    r.item(*v);
    r.quantities(COND_SEISMIC_COEF, {*v});
  }
  r.items(d.regional_coef, 2);
  r.quantities(COND_REGIONAL_COEF, {d.regional_coef[0], d.regional_coef[1]});
  r.items(d.ground_type_factor, 2);
  r.quantities(COND_GROUND_TYPE_FACTOR, {d.ground_type_factor[0], d.ground_type_factor[1]});
  r.items(d.importance_factor, 2);
  r.quantities(COND_IMPORTANCE_FACTOR, {d.importance_factor[0], d.importance_factor[1]});
  r.item(d.liquefied_pressure_coef);
  r.quantities(COND_LIQUEFIED_PRESSURE_COEF, {d.liquefied_pressure_coef});
  r.item(d.liquefied_vertical_rule);
  r.item(d.active_seabed_level);
  r.extents({d.active_seabed_level});
  r.item(d.active_seabed_rule);
  ImportedCheckPoint& cp = d.imported_check_point;
  r.item(cp.number);
  for (double* v : {&cp.x, &cp.y, &cp.z}) {
    r.item(*v);
    r.extents({*v});
  }
  r.item(cp.flag);
  d.toe_x = cp.x;
  d.toe_y = cp.y;
  r.skip(14);  // the action points: the engines work from the soil layers

  ImprovedBodyDims& b = d.body_dims;
  for (double* v : {&b.ref_x, &b.ref_y, &b.width, &b.dh1, &b.dh2, &b.ds, &b.ls, &b.bs, &b.dl,
                    &b.ll, &b.bl1, &b.bl2}) {
    r.item(*v);
    r.extents({*v});
  }
  r.count(d.surface_point_count, 0, MAX_SURFACE_POINTS);
  r.count(d.embankment_layer_count, 0, MAX_EMBANKMENT_LAYERS);
  r.count(d.surcharge_range_count, 0, MAX_SURCHARGE_RANGES);
  for (i32& c : d.soil_layer_counts) r.count(c, -1, SOIL_LAYER_RECORDS);
  for (i32& c : d.external_force_counts) r.count(c, 0, EXTERNAL_FORCES_PER_CASE);
  r.count(d.used_block_count, 0, MAX_WALL_BLOCKS);
  r.item(d.surface_shape);
  r.item(d.collapse_angle_rule);
  r.item(d.surface_slope_angle);
  r.quantities(COND_SLOPE_ANGLE, {d.surface_slope_angle});
  r.item(d.seabed_slope_angle);
  r.quantities(COND_SLOPE_ANGLE, {d.seabed_slope_angle});
  auto& e = d.embankment_layers;
  r.row<double, 3>([&](int i) -> double& { return e[i].top_level; });
  r.extents_of(e, [](const auto& l) { return l.top_level; });
  r.row<double, 3>([&](int i) -> double& { return e[i].unit_weight_air; });
  r.quantities_of(COND_FILL_UNIT_WEIGHT, e, [](const auto& l) { return l.unit_weight_air; });
  r.row<double, 3>([&](int i) -> double& { return e[i].unit_weight_submerged; });
  r.quantities_of(COND_FILL_UNIT_WEIGHT, e, [](const auto& l) { return l.unit_weight_submerged; });
  auto& sp = d.surface_points;
  for (int k = 0; k < MAX_SURFACE_POINTS; k += 5)
    r.row<i32, 5>([&](int i) -> i32& { return sp[k + i].kind; });
  for (int k = 0; k < MAX_SURFACE_POINTS; k += 5) {
    r.row<double, 5>([&](int i) -> double& { return sp[k + i].x; });
    r.extents({sp[k].x, sp[k + 1].x, sp[k + 2].x, sp[k + 3].x, sp[k + 4].x});
  }
  for (int k = 0; k < MAX_SURFACE_POINTS; k += 5) {
    r.row<double, 5>([&](int i) -> double& { return sp[k + i].y; });
    r.extents({sp[k].y, sp[k + 1].y, sp[k + 2].y, sp[k + 3].y, sp[k + 4].y});
  }
  r.items(d.surface_surcharge, 2);
  r.quantities(COND_SURCHARGE, {d.surface_surcharge[0], d.surface_surcharge[1]});
  r.items(d.seabed_surcharge, 2);
  r.quantities(COND_SURCHARGE, {d.seabed_surcharge[0], d.seabed_surcharge[1]});
  auto& sr = d.surcharge_ranges;
  r.row<double, MAX_SURCHARGE_RANGES>([&](int i) -> double& { return sr[i].x_min; });
  r.extents_of(sr, [](const auto& s) { return s.x_min; });
  r.row<double, MAX_SURCHARGE_RANGES>([&](int i) -> double& { return sr[i].x_max; });
  r.extents_of(sr, [](const auto& s) { return s.x_max; });
  for (int cs = 0; cs < 2; ++cs) {
    r.row<double, MAX_SURCHARGE_RANGES>([&](int i) -> double& { return sr[i].load[cs]; });
    r.quantities_of(COND_SURCHARGE, sr, [cs](const auto& s) { return s.load[cs]; });
  }
  TopSurcharges& ts = d.top_surcharges;
  r.items(ts.x_min, TOP_SURCHARGES_SAVED);
  r.extents_of(ts.x_min, [](double v) { return v; });
  r.items(ts.x_max, TOP_SURCHARGES_SAVED);
  r.extents_of(ts.x_max, [](double v) { return v; });
  for (int cs = 0; cs < 2; ++cs) {
    r.row<double, TOP_SURCHARGES_SAVED>([&](int i) -> double& { return ts.load[i][cs]; });
    r.quantities_of(COND_SURCHARGE, ts.load, [cs](const auto& load) { return load[cs]; });
  }
  r.item(d.top_surcharge_ignored);
  BearingLayer& bl = d.bearing_layer;
  r.item(bl.soil_type);
  r.item(bl.unit_weight);
  r.quantities(COND_BEARING_UNIT_WEIGHT, {bl.unit_weight});
  r.item(bl.shape_factor);
  r.quantities(COND_SHAPE_FACTOR, {bl.shape_factor});
  r.item(bl.mean_n);
  r.quantities(COND_MEAN_N, {double(bl.mean_n)});
  r.item(bl.phi_formula);
  r.item(bl.phi);
  r.quantities(COND_FRICTION_ANGLE, {bl.phi});
  r.item(bl.bearing_nr);
  r.quantities(COND_BEARING_FACTOR, {bl.bearing_nr});
  r.item(bl.bearing_nq);
  r.quantities(COND_BEARING_FACTOR, {bl.bearing_nq});
  r.item(bl.cohesion);
  r.quantities(COND_COHESION, {bl.cohesion});
  r.item(bl.cohesion_gradient);
  r.quantities(COND_BEARING_COHESION_GRADIENT, {bl.cohesion_gradient});
  r.item(bl.friction_rule);
  r.item(bl.friction_mu);
  r.quantities(COND_FRICTION_COEF, {bl.friction_mu});
  r.item(bl.founding_type);
  r.item(bl.slope_length_width);
  for (auto& per_case : d.external_forces) {
    for (ExternalForce& f : per_case) {
      f.name.assign(r.line());
      r.item(f.vertical);
      r.item(f.horizontal);
      r.item(f.x);
      r.item(f.y);
    }
  }
  for (int side = 0; side < 2; ++side)
    for (int k = 0; k < SOIL_LAYER_RECORDS; ++k)
      read_soil_layer(r, d.soil_layers[side][k], k < d.soil_layer_counts[side],
                      side == SIDE_ACTIVE);
  i32 dimension_counts[2] = {};
  r.counts(dimension_counts, 0, MAX_DIMENSION_POINTS);
  d.dimension_points[0].count = dimension_counts[0];
  d.dimension_points[1].count = dimension_counts[1];
  for (double* dim : {d.dimension_points[0].x, d.dimension_points[1].x, d.dimension_points[0].y,
                      d.dimension_points[1].y})
    r.extent_block(dim, MAX_DIMENSION_POINTS, 10);
  for (BodyReaction& br : d.body_reactions) {
    for (double* v : {&br.check_x, &br.check_y, &br.spread_width}) {
      r.item(*v);
      r.extents({*v});
    }
    r.item(br.spread_angle);
    r.quantities(COND_SPREAD_ANGLE, {br.spread_angle});
    r.item(br.reaction);
    r.quantities(COND_BODY_REACTION, {br.reaction});
    r.item(br.extra);
  }
  r.item(d.dynamic_water_force);
  r.item(d.dynamic_water_level);
  r.extents({d.dynamic_water_level});
  r.expect_end();
}

// --- QVT_DAT.CST ---------------------------------------------------------------------------

void parse_options(LineReader& r, const std::vector<std::string>& lines, ConditionData& d) {
  if (lines.size() < kOptionsRequiredLines) r.short_file(lines.size() + 1);
  CustomOptions& o = d.custom_options;
  // Each value is held to what its option can take before it is used: a coefficient or a
  // rule outside that is damage, never a reason to compute.
  int next = 0;
  auto check = [&](double v) {
    if (!option_in_range(static_cast<OptionValue>(next), v)) r.bad_value(r.line_no());
    ++next;
  };
  r.item(o.wall_friction_angle);
  check(o.wall_friction_angle);
  r.items(o.clay_collapse_angle, 2);
  check(o.clay_collapse_angle[0]);
  check(o.clay_collapse_angle[1]);
  for (double* v : {&o.consolidation_coef_kc, &o.at_rest_coef_k0, &o.surface_dummy_length}) {
    r.item(*v);
    check(*v);
  }
  for (i32* v : {&o.negative_root_rule, &o.toe_confinement_rule, &o.surcharge_method,
                 &o.seismic_rounding, &o.residual_water_rule, &o.front_water_rule}) {
    r.item(*v);
    check(*v);
  }
  r.item(o.pullout_pitch);
  check(o.pullout_pitch);
  r.item(o.backfill_vertical_ignored);
  check(o.backfill_vertical_ignored);
  // Line 14 is optional: without a value there (no line, an empty line) the passive vertical
  // component is ignored, as the front end's reader has it; ignoring the backfill's vertical
  // forces always ignores the passive one too. A value that is there must read.
  o.passive_vertical_ignored = 1;
  if (!r.at_end()) {
    const std::string_view l = r.line();
    if (l.find_first_not_of(" \t") != std::string_view::npos) {
      r.item_of(l, o.passive_vertical_ignored);
      check(o.passive_vertical_ignored);
    }
  }
  r.expect_end();
  if (o.backfill_vertical_ignored != 0) o.passive_vertical_ignored = 1;
}

// --- QVTABLK.CAL ---------------------------------------------------------------------------

template <class Section>
void read_parametric_head(LineReader& r, Section& s, int outline_limit) {
  r.item(s.flag_a);
  r.item(s.flag_b);
  for (auto& row : s.dims_a) r.items(row, 4);
  for (auto& row : s.dims_b) r.items(row, 8);
  r.count(s.part_count, 0, PART_NAMES);
  for (auto& name : s.part_names) name.assign(r.line());
  for (auto& row : s.part_values) r.items(row, 8);
  r.count(s.outline_count, 0, outline_limit);
}

void read_quad_fields(LineReader& r, double* values, double* corner_x, double* corner_y,
                      double& value) {
  for (int i = 0; i < 4; ++i) r.item(values[i]);
  r.extent_block(corner_x, 4, 4);
  r.extent_block(corner_y, 4, 4);
  r.item(value);
}

void read_slot(LineReader& r, WallBlock& b) {
  i16 type = 0;
  r.item(type);
  // A type without a record layout would take every later slot from the wrong lines.
  if (!known_block_type(type)) r.bad_value(r.line_no());
  b.block_type = type;
  r.item(b.sub_type);
  r.item(b.reserved);
  BlockHead& h = b.head;
  h.name.assign(r.line());
  for (double* v : {&h.ref_x, &h.ref_y, &h.length}) {
    r.item(*v);
    r.extents({*v});
  }
  r.items(h.unit_weights, 6);
  double label[2] = {h.label_x, h.label_y};
  r.items(label, 2);
  r.extents({label[0], label[1]});
  h.label_x = label[0];
  h.label_y = label[1];
  double mark[2] = {h.mark_x, h.mark_y};
  r.items(mark, 2);
  r.extents({mark[0], mark[1]});
  h.mark_x = mark[0];
  h.mark_y = mark[1];

  switch (type) {
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON: {
      CaissonShape& c = b.caisson;
      read_parametric_head(r, c, CAISSON_OUTLINE_POINTS);
      r.extent_block(c.outline_x, CAISSON_OUTLINE_POINTS, 10);
      r.extent_block(c.outline_y, CAISSON_OUTLINE_POINTS, 10);
      r.item(c.tail);
      break;
    }
    case BLOCK_COUNTERFORT: {
      CounterfortShape& c = b.counterfort;
      read_parametric_head(r, c, COUNTERFORT_OUTLINE_POINTS);
      r.extent_block(c.outline_x, COUNTERFORT_OUTLINE_POINTS, 10);
      r.extent_block(c.outline_y, COUNTERFORT_OUTLINE_POINTS, 10);
      r.item(c.tail);
      break;
    }
    case BLOCK_QUAD: {
      QuadShape& q = b.quad;
      read_quad_fields(r, q.values, q.corner_x, q.corner_y, q.value);
      r.skip(23);  // 223 zeros
      r.items(q.zero_words, 5);
      break;
    }
    case BLOCK_LIBRARY: {
      LibraryShape& l = b.library;
      read_quad_fields(r, l.values, l.corner_x, l.corner_y, l.value);
      r.count(l.library_index, 0, MAX_ENGINE_SHAPES - 1);
      r.item(l.mirrored);
      r.skip(23);  // 223 zeros
      r.items(l.zero_words, 3);
      break;
    }
    default: {  // -1, 0, 1, 6, 7
      PolygonShape& p = b.polygon;
      // Only the free polygons walk their vertices by the count; the rectangles keep theirs
      // at fixed places and an empty slot is not drawn.
      if (type == BLOCK_POLYGON || type == BLOCK_SOIL_POLYGON)
        r.count(p.vertex_count, 0, POLYGON_VERTICES);
      else
        r.item(p.vertex_count);
      r.item(p.reserved);
      r.extent_block(p.vertex_x, POLYGON_VERTICES, 10);
      r.extent_block(p.vertex_y, POLYGON_VERTICES, 10);
      r.items(p.zero_words, 3);
      break;
    }
  }
}

void read_shape_entry(LineReader& r, ShapeEntry& e) {
  e.name.assign(r.line());
  e.name2.assign(r.line());
  // The file holds the six values in the order 0, 2, 1, 5, 3, 4.
  constexpr int kFileOrder[6] = {0, 2, 1, 5, 3, 4};
  r.row<double, 6>([&](int i) -> double& { return e.values[kFileOrder[i]]; });
  r.count(e.layer_count, 0, LIBRARY_LAYERS);
  for (int k = 0; k < e.layer_count; ++k) {
    double abc[3] = {e.layer_a[k], e.layer_b[k], e.layer_c[k]};
    r.items(abc, 3);
    e.layer_a[k] = abc[0];
    e.layer_b[k] = abc[1];
    e.layer_c[k] = abc[2];
  }
  r.count(e.point_count, 0, LIBRARY_POINTS);
  for (int k = 1; k <= e.point_count; ++k) {
    double xy[2] = {e.point_x[k], e.point_y[k]};
    r.items(xy, 2);
    e.point_x[k] = xy[0];
    e.point_y[k] = xy[1];
  }
  r.count(e.pair_count, 0, LIBRARY_PAIRS);
  for (int k = 1; k <= e.pair_count; ++k) {
    i32 ij[2] = {e.pair_first[k], e.pair_second[k]};
    r.items(ij, 2);
    e.pair_first[k] = ij[0];
    e.pair_second[k] = ij[1];
  }
}

void parse_block(LineReader& r, ConditionData& d) {
  r.skip(1);  // a zero that no engine uses
  r.count(d.used_slot_count, 0, MAX_WALL_BLOCKS);
  for (WallBlock& b : d.wall_blocks) read_slot(r, b);
  r.items(d.block_label_numbers, MAX_WALL_BLOCKS);
  r.count(d.shape_library_count, 0, MAX_ENGINE_SHAPES);
  for (int k = 0; k < d.shape_library_count; ++k) read_shape_entry(r, d.shape_library[k]);
  r.expect_end();
}

}  // namespace

Status parse_conditions_lines(const std::vector<std::string>& lines, ConditionData& data) {
  LineReader r(lines, kConditionsLabel);
  return run_parse([&] { parse_conditions(r, lines, data); });
}

Status parse_options_lines(const std::vector<std::string>& lines, ConditionData& data) {
  LineReader r(lines, kOptionsLabel);
  return run_parse([&] { parse_options(r, lines, data); });
}

Status parse_block_lines(const std::vector<std::string>& lines, ConditionData& data) {
  LineReader r(lines, kBlockLabel);
  return run_parse([&] { parse_block(r, data); });
}

Status read_conditions_file(ConditionData& data, const std::filesystem::path& folder) {
  // The conditions file is read whole before the options file is opened, so when both fail the
  // conditions file's message comes first; the engine stops after both.
  std::vector<EngineMessage> messages;
  auto read_one = [&](const char* name, const char* label, auto parse) {
    const std::optional<std::vector<std::string>> lines = read_lines(folder / name);
    if (!lines) {
      messages.push_back(missing_file_message(label));
      return;
    }
    Status s = parse(*lines, data);
    if (!s.ok())
      messages.insert(messages.end(), s.stop().messages.begin(), s.stop().messages.end());
  };
  read_one(kConditionsFileName, kConditionsLabel, parse_conditions_lines);
  read_one(kOptionsFileName, kOptionsLabel, parse_options_lines);
  if (messages.empty()) return Status::success();
  return EngineStop{std::move(messages)};
}

Status read_block_file(ConditionData& data, const std::filesystem::path& folder) {
  const std::optional<std::vector<std::string>> lines = read_lines(folder / kBlockFileName);
  if (!lines) return EngineStop{{missing_file_message(kBlockLabel)}};
  if (Status s = parse_block_lines(*lines, data); !s.ok()) return s;
  if (Status s = check_block_unit_weights(data); !s.ok()) return s;
  // Both files are read now: the improved body they describe must be one body.
  return check_body_blocks(data);
}

}  // namespace qvt::engine
