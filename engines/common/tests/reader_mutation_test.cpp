// Damaged condition files against the engines' readers. Each reader, given a few hundred damaged
// copies of well-formed files, must either stop with an error message or read data whose counts
// and types stay within their stores and whose numbers are finite; the check the engines make
// right after reading then runs on that data without harm. What a reader accepts holds, in
// every line the damage left in place, the undamaged file's values: the data read is written
// back line by line in the file's layout, and each such line must come out as the undamaged
// file's does, so no value has moved into another field.
#include "common/block_type_rule.h"
#include "common/tests/file_mutations.h"
#include "common/textfile.h"
#include "engines/common/block_geometry_check.h"
#include "engines/common/condition_readers.h"
#include "engines/common/tests/reader_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace qvt::engine {
namespace {

constexpr int kCases = 300;

using qvt::testing::expect_kept_lines;
using qvt::testing::sample_file_lines;

// A stop is one or more error boxes with a text.
void expect_clean_stop(const Status& s) {
  ASSERT_FALSE(s.ok());
  ASSERT_FALSE(s.stop().messages.empty());
  for (const EngineMessage& m : s.stop().messages) {
    EXPECT_EQ(m.kind, MessageKind::Error);
    EXPECT_FALSE(m.text.empty());
  }
}

bool finite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// The read data put back into the lines of its file, in the order the readers take them: a
// line's numbers at full precision joined by commas, a text line as held, and a mark for each
// line the readers pass over. Equal lines mean the same values in the same fields.
class HeldLines {
 public:
  std::vector<std::string> lines;

  template <class T>
  void items(const T* v, int n) {
    std::string l;
    for (int i = 0; i < n; ++i) {
      char buf[40];
      std::snprintf(buf, sizeof buf, "%.17g", static_cast<double>(v[i]));
      l += (i ? "," : "") + std::string(buf);
    }
    lines.push_back(l);
  }
  template <class T>
  void item(const T& v) {
    items(&v, 1);
  }
  template <class T>
  void block(const T* v, int n, int per_line) {
    for (int first = 0; first < n; first += per_line) items(v + first, std::min(per_line, n - first));
  }
  // Values of records spread over one line.
  template <class Get>
  void row(int n, Get get) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(get(i));
    items(v.data(), n);
  }
  void text(std::string_view t) { lines.emplace_back(t); }
  void skipped(int n) { lines.insert(lines.end(), n, std::string(kSkipped)); }

  static constexpr std::string_view kSkipped = "(not read)";
};

std::vector<std::string> held_conditions_lines(const ConditionData& d) {
  HeldLines w;
  if (d.file_version != 0) {
    char mark[16];
    std::snprintf(mark, sizeof mark, "*%06d", static_cast<int>(d.file_version));
    w.text(mark);
  }
  w.text(d.project_title.view());
  w.items(d.stamp_date, 3);
  w.items(d.stamp_time, 3);
  w.text(d.job_name.view());
  w.item(d.seismic_check);
  w.item(d.improvement_pattern);
  if (d.file_version >= 2) w.item(d.improvement_ratio);
  w.items(d.water_levels, 3);
  w.item(d.water_unit_weight);
  w.item(d.cohesion_reference_level);
  w.item(d.clay_pressure_formula[CASE_NORMAL]);
  for (const auto& check : d.safety_factors) w.items(check, 2);
  for (const auto& kind : d.allowable_stresses) w.items(kind, 2);
  for (i32 v : {d.seismic_coef_mode, d.apparent_coef_method, d.reserved_seismic_option,
                d.rwl_coef_rule, d.clay_pressure_formula[CASE_SEISMIC], d.shallow_clay_method,
                d.clay_compare_shallow, d.clay_compare_deep})
    w.item(v);
  for (double v : {d.seismic_coef_earth, d.apparent_seismic_coef, d.seismic_coef_inertia})
    w.item(v);
  for (const double* v : {d.regional_coef, d.ground_type_factor, d.importance_factor})
    w.items(v, 2);
  w.item(d.liquefied_pressure_coef);
  w.item(d.liquefied_vertical_rule);
  w.item(d.active_seabed_level);
  w.item(d.active_seabed_rule);
  const ImportedCheckPoint& cp = d.imported_check_point;
  w.item(cp.number);
  for (double v : {cp.x, cp.y, cp.z}) w.item(v);
  w.item(cp.flag);
  w.skipped(14);
  const ImprovedBodyDims& b = d.body_dims;
  for (double v : {b.ref_x, b.ref_y, b.width, b.dh1, b.dh2, b.ds, b.ls, b.bs, b.dl, b.ll, b.bl1,
                   b.bl2})
    w.item(v);
  for (i32 v : {d.surface_point_count, d.embankment_layer_count, d.surcharge_range_count,
                d.soil_layer_counts[0], d.soil_layer_counts[1], d.external_force_counts[0],
                d.external_force_counts[1], d.used_block_count, d.surface_shape,
                d.collapse_angle_rule})
    w.item(v);
  w.item(d.surface_slope_angle);
  w.item(d.seabed_slope_angle);
  const auto& e = d.embankment_layers;
  w.row(MAX_EMBANKMENT_LAYERS, [&](int i) { return e[i].top_level; });
  w.row(MAX_EMBANKMENT_LAYERS, [&](int i) { return e[i].unit_weight_air; });
  w.row(MAX_EMBANKMENT_LAYERS, [&](int i) { return e[i].unit_weight_submerged; });
  const auto& sp = d.surface_points;
  for (int k = 0; k < MAX_SURFACE_POINTS; k += 5) w.row(5, [&](int i) { return sp[k + i].kind; });
  for (int k = 0; k < MAX_SURFACE_POINTS; k += 5) w.row(5, [&](int i) { return sp[k + i].x; });
  for (int k = 0; k < MAX_SURFACE_POINTS; k += 5) w.row(5, [&](int i) { return sp[k + i].y; });
  w.items(d.surface_surcharge, 2);
  w.items(d.seabed_surcharge, 2);
  const auto& sr = d.surcharge_ranges;
  w.row(MAX_SURCHARGE_RANGES, [&](int i) { return sr[i].x_min; });
  w.row(MAX_SURCHARGE_RANGES, [&](int i) { return sr[i].x_max; });
  for (int cs = 0; cs < 2; ++cs) w.row(MAX_SURCHARGE_RANGES, [&](int i) { return sr[i].load[cs]; });
  const TopSurcharges& ts = d.top_surcharges;
  w.items(ts.x_min, TOP_SURCHARGES_SAVED);
  w.items(ts.x_max, TOP_SURCHARGES_SAVED);
  for (int cs = 0; cs < 2; ++cs) w.row(TOP_SURCHARGES_SAVED, [&](int i) { return ts.load[i][cs]; });
  w.item(d.top_surcharge_ignored);
  const BearingLayer& bl = d.bearing_layer;
  for (double v : {double(bl.soil_type), bl.unit_weight, bl.shape_factor, double(bl.mean_n),
                   double(bl.phi_formula), bl.phi, bl.bearing_nr, bl.bearing_nq, bl.cohesion,
                   bl.cohesion_gradient, double(bl.friction_rule), bl.friction_mu,
                   double(bl.founding_type), double(bl.slope_length_width)})
    w.item(v);
  for (const auto& per_case : d.external_forces) {
    for (const ExternalForce& f : per_case) {
      w.text(f.name.view());
      for (double v : {f.vertical, f.horizontal, f.x, f.y}) w.item(v);
    }
  }
  for (const auto& side : d.soil_layers)
    for (const SoilLayer& l : side)
      for (double v : {l.top_level, l.bottom_level, l.unit_weight_air, l.unit_weight_submerged,
                       double(l.soil_type), l.phi, l.cohesion, l.cohesion_gradient,
                       double(l.liquefied), l.slurry_unit_weight})
        w.item(v);
  w.row(2, [&](int i) { return d.dimension_points[i].count; });
  for (const double* dim : {d.dimension_points[0].x, d.dimension_points[1].x,
                            d.dimension_points[0].y, d.dimension_points[1].y})
    w.block(dim, MAX_DIMENSION_POINTS, 10);
  for (const BodyReaction& br : d.body_reactions)
    for (double v : {br.check_x, br.check_y, br.spread_width, br.spread_angle, br.reaction,
                     br.extra})
      w.item(v);
  w.item(d.dynamic_water_force);
  w.item(d.dynamic_water_level);
  return w.lines;
}

template <class Section>
void held_parametric(HeldLines& w, const Section& s, int outline_points) {
  w.item(s.flag_a);
  w.item(s.flag_b);
  for (const auto& row : s.dims_a) w.items(row, 4);
  for (const auto& row : s.dims_b) w.items(row, 8);
  w.item(s.part_count);
  for (const auto& name : s.part_names) w.text(name.view());
  for (const auto& row : s.part_values) w.items(row, 8);
  w.item(s.outline_count);
  w.block(s.outline_x, outline_points, 10);
  w.block(s.outline_y, outline_points, 10);
  w.item(s.tail);
}

template <class Quad>
void held_quad(HeldLines& w, const Quad& q) {
  for (double v : q.values) w.item(v);
  w.items(q.corner_x, 4);
  w.items(q.corner_y, 4);
  w.item(q.value);
}

std::vector<std::string> held_block_lines(const ConditionData& d) {
  HeldLines w;
  w.skipped(1);
  w.item(d.used_slot_count);
  for (const WallBlock& b : d.wall_blocks) {
    w.item(b.block_type);
    w.item(b.sub_type);
    w.item(b.reserved);
    const BlockHead& h = b.head;
    w.text(h.name.view());
    for (double v : {h.ref_x, h.ref_y, h.length}) w.item(v);
    w.items(h.unit_weights, 6);
    w.row(2, [&](int i) { return i ? h.label_y : h.label_x; });
    w.row(2, [&](int i) { return i ? h.mark_y : h.mark_x; });
    switch (b.block_type) {
      case BLOCK_CAISSON:
      case BLOCK_FOOTING_CAISSON:
        held_parametric(w, b.caisson, CAISSON_OUTLINE_POINTS);
        break;
      case BLOCK_COUNTERFORT:
        held_parametric(w, b.counterfort, COUNTERFORT_OUTLINE_POINTS);
        break;
      case BLOCK_QUAD:
        held_quad(w, b.quad);
        w.skipped(23);
        w.items(b.quad.zero_words, 5);
        break;
      case BLOCK_LIBRARY:
        held_quad(w, b.library);
        w.item(b.library.library_index);
        w.item(b.library.mirrored);
        w.skipped(23);
        w.items(b.library.zero_words, 3);
        break;
      default: {
        const PolygonShape& p = b.polygon;
        w.item(p.vertex_count);
        w.item(p.reserved);
        w.block(p.vertex_x, POLYGON_VERTICES, 10);
        w.block(p.vertex_y, POLYGON_VERTICES, 10);
        w.items(p.zero_words, 3);
        break;
      }
    }
  }
  w.items(d.block_label_numbers, MAX_WALL_BLOCKS);
  w.item(d.shape_library_count);
  for (int k = 0; k < d.shape_library_count; ++k) {
    const ShapeEntry& e = d.shape_library[k];
    w.text(e.name.view());
    w.text(e.name2.view());
    constexpr int kFileOrder[6] = {0, 2, 1, 5, 3, 4};
    w.row(6, [&](int i) { return e.values[kFileOrder[i]]; });
    w.item(e.layer_count);
    for (int j = 0; j < e.layer_count; ++j)
      w.row(3, [&](int i) { return i == 0 ? e.layer_a[j] : i == 1 ? e.layer_b[j] : e.layer_c[j]; });
    w.item(e.point_count);
    for (int j = 1; j <= e.point_count; ++j)
      w.row(2, [&](int i) { return i ? e.point_y[j] : e.point_x[j]; });
    w.item(e.pair_count);
    for (int j = 1; j <= e.pair_count; ++j)
      w.row(2, [&](int i) { return i ? e.pair_second[j] : e.pair_first[j]; });
  }
  return w.lines;
}

// The written-back lines of an undamaged file say what its lines say: a line the readers take
// holds the same text, or the same numbers item for item. This holds the writing back above to
// the readers' layout.
void expect_held_as_read(const std::vector<std::string>& held,
                         const std::vector<std::string>& source) {
  ASSERT_EQ(held.size(), source.size());
  auto numbers = [](const std::string& l) {
    std::vector<float> v;
    std::size_t from = 0;
    while (true) {
      const std::size_t to = std::min(l.find(',', from), l.size());
      const std::string item = l.substr(from, to - from);
      char* end = nullptr;
      // Single precision, as the caisson outline is held; a value on the wrong line differs
      // all the same.
      v.push_back(static_cast<float>(std::strtod(item.c_str(), &end)));
      if (end == item.c_str()) v.back() = std::nanf("");  // not a number: never equal
      if (to == l.size()) return v;
      from = to + 1;
    }
  };
  for (std::size_t i = 0; i < held.size(); ++i) {
    if (held[i] == HeldLines::kSkipped || held[i] == source[i]) continue;
    EXPECT_EQ(numbers(held[i]), numbers(source[i])) << "line " << i + 1;
  }
}

TEST(ReaderMutations, ConditionsFileStopsOrReadsSoundly) {
  const std::vector<std::vector<std::string>> sources = {
      sample_file_lines("sample_block_quay.MSJ"), sample_file_lines("sample_caisson_quay.MSJ"),
      testing::conditions_lines()};
  for (const auto& l : sources) ASSERT_FALSE(l.empty());
  std::vector<std::vector<std::string>> undamaged;
  for (const auto& source : sources) {
    auto d = std::make_unique<ConditionData>();
    ASSERT_TRUE(parse_conditions_lines(source, *d).ok());
    undamaged.push_back(held_conditions_lines(*d));
    expect_held_as_read(undamaged.back(), source);
  }
  int stopped = 0;
  qvt::testing::FileMutator(37).run_kept(sources, kCases, [&](const auto& lines,
                                                              const std::string& what,
                                                              std::size_t source,
                                                              const std::vector<bool>& kept) {
    SCOPED_TRACE(what);
    auto d = std::make_unique<ConditionData>();
    const Status s = parse_conditions_lines(lines, *d);
    if (!s.ok()) {
      ++stopped;
      expect_clean_stop(s);
      return;
    }
    EXPECT_GE(d->surface_point_count, 0);
    EXPECT_LE(d->surface_point_count, MAX_SURFACE_POINTS);
    for (i32 c : d->soil_layer_counts) {
      EXPECT_GE(c, -1);
      EXPECT_LE(c, SOIL_LAYER_RECORDS);
    }
    for (i32 c : d->external_force_counts) {
      EXPECT_GE(c, 0);
      EXPECT_LE(c, EXTERNAL_FORCES_PER_CASE);
    }
    const ImprovedBodyDims& b = d->body_dims;
    EXPECT_TRUE(finite({d->water_levels[0], d->water_levels[1], d->water_levels[2], b.ref_x,
                        b.ref_y, b.width, b.dh1, b.dh2, d->toe_x, d->toe_y,
                        d->dynamic_water_force, d->dynamic_water_level}));
    for (const auto& side : d->soil_layers)
      for (const SoilLayer& l : side)
        EXPECT_TRUE(finite({l.top_level, l.bottom_level, l.phi, l.cohesion}));
    expect_kept_lines(held_conditions_lines(*d), undamaged[source], kept);
  });
  EXPECT_GT(stopped, kCases / 3);
}

TEST(ReaderMutations, BlockFileStopsOrReadsSoundly) {
  using testing::parametric_slot;
  using testing::polygon_slot;
  using testing::quad_slot;
  using testing::shape_entry;
  const std::vector<std::vector<std::string>> sources = {
      sample_file_lines("sample_block_quay.MBJ"), sample_file_lines("sample_caisson_quay.MBJ"),
      testing::block_lines({polygon_slot(BLOCK_POLYGON, 0, 5), parametric_slot(BLOCK_CAISSON, 10),
                            quad_slot(BLOCK_QUAD, 20), parametric_slot(BLOCK_COUNTERFORT, 30, 74),
                            quad_slot(BLOCK_LIBRARY, 40, 1),
                            polygon_slot(BLOCK_SOIL_RECTANGLE, 50)},
                           {shape_entry("A", 2, 4, 2), shape_entry("B", 0, 3, 1)})};
  // The block check that follows the reading weighs the blocks against the sample's body.
  const std::vector<std::string> conditions = sample_file_lines("sample_block_quay.MSJ");
  for (const auto& l : sources) ASSERT_FALSE(l.empty());
  std::vector<std::vector<std::string>> undamaged;
  for (const auto& source : sources) {
    auto d = std::make_unique<ConditionData>();
    ASSERT_TRUE(parse_block_lines(source, *d).ok());
    undamaged.push_back(held_block_lines(*d));
    expect_held_as_read(undamaged.back(), source);
  }
  int stopped = 0;
  qvt::testing::FileMutator(38).run_kept(sources, kCases, [&](const auto& lines,
                                                              const std::string& what,
                                                              std::size_t source,
                                                              const std::vector<bool>& kept) {
    SCOPED_TRACE(what);
    auto d = std::make_unique<ConditionData>();
    ASSERT_TRUE(parse_conditions_lines(conditions, *d).ok());
    const Status s = parse_block_lines(lines, *d);
    if (!s.ok()) {
      ++stopped;
      expect_clean_stop(s);
      return;
    }
    for (const WallBlock& b : d->wall_blocks) {
      EXPECT_TRUE(known_block_type(b.block_type));
      EXPECT_TRUE(finite({b.head.ref_x, b.head.ref_y, b.head.length}));
      if (b.block_type == BLOCK_POLYGON || b.block_type == BLOCK_SOIL_POLYGON) {
        EXPECT_GE(b.polygon.vertex_count, 0);
        EXPECT_LE(b.polygon.vertex_count, POLYGON_VERTICES);
      }
    }
    EXPECT_GE(d->shape_library_count, 0);
    EXPECT_LE(d->shape_library_count, MAX_ENGINE_SHAPES);
    expect_kept_lines(held_block_lines(*d), undamaged[source], kept);
    // The check every engine makes next: a verdict, whatever the values.
    const Status checked = check_block_geometry(*d);
    if (!checked.ok()) expect_clean_stop(checked);
  });
  EXPECT_GT(stopped, kCases / 3);
}

// The values of QVT_DAT.CST by line, from 1 (line 2 holds two).
std::vector<std::vector<double>> option_values_by_line(const CustomOptions& o) {
  return {{o.wall_friction_angle},
          {o.clay_collapse_angle[0], o.clay_collapse_angle[1]},
          {o.consolidation_coef_kc},
          {o.at_rest_coef_k0},
          {o.surface_dummy_length},
          {double(o.negative_root_rule)},
          {double(o.toe_confinement_rule)},
          {double(o.surcharge_method)},
          {double(o.seismic_rounding)},
          {double(o.residual_water_rule)},
          {double(o.front_water_rule)},
          {o.pullout_pitch},
          {double(o.backfill_vertical_ignored)},
          {double(o.passive_vertical_ignored)}};
}

TEST(ReaderMutations, OptionsFileStopsOrReadsSoundly) {
  const std::vector<std::string> source = testing::options_lines();
  auto undamaged = std::make_unique<ConditionData>();
  ASSERT_TRUE(parse_options_lines(source, *undamaged).ok());
  const auto expected = option_values_by_line(undamaged->custom_options);
  qvt::testing::FileMutator(39).run_kept({source}, kCases, [&](const auto& lines,
                                                                const std::string& what,
                                                                std::size_t,
                                                                const std::vector<bool>& kept) {
    SCOPED_TRACE(what);
    auto d = std::make_unique<ConditionData>();
    const Status s = parse_options_lines(lines, *d);
    if (!s.ok()) {
      expect_clean_stop(s);
      return;
    }
    const CustomOptions& o = d->custom_options;
    EXPECT_TRUE(finite({o.wall_friction_angle, o.clay_collapse_angle[0], o.clay_collapse_angle[1],
                        o.consolidation_coef_kc, o.at_rest_coef_k0, o.surface_dummy_length,
                        o.pullout_pitch}));
    if (o.backfill_vertical_ignored != 0) {
      EXPECT_EQ(o.passive_vertical_ignored, 1);
    }
    // Every line the damage left in place gives its option the undamaged value (line 14 also
    // follows line 13).
    const auto got = option_values_by_line(o);
    for (std::size_t i = 0; i < kept.size(); ++i) {
      if (!kept[i] || (i == 13 && !kept[12])) continue;
      EXPECT_EQ(got[i], expected[i]) << "line " << i + 1 << " was not damaged";
    }
  });
}

}  // namespace
}  // namespace qvt::engine
