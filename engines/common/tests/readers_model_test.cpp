// The engines' readers against the front end's writers: what the front end writes reads back
// field for field, and no mutation of those files (truncation, flipped bytes, overlong lines,
// huge numbers) makes a reader crash; each either reads or stops with a message.
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/condition_readers.h"
#include "engines/common/tests/reader_fixtures.h"
#include "frontend/model/conditions_file.h"
#include "frontend/model/custom_options.h"
#include "frontend/model/project.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace qvt::engine {
namespace {

namespace m = qvt::model;

// A model in which every saved value differs from the others and from its default. The
// physical quantities of the range table take small fractions of their own (0.001, 0.002, ...),
// inside every range and apart from the multiples of 1.125 the other reals take.
std::unique_ptr<m::ProjectModel> distinct_model() {
  auto pm = std::make_unique<m::ProjectModel>();
  m::ProjectModel& pr = *pm;
  m::ProjectConditions& c = pr.conditions;
  double next_real = 0.0;
  auto r = [&] { return next_real += 1.125; };
  double next_fraction = 0.0;
  auto q = [&] { return next_fraction += 0.001; };
  int next_int = 0;
  auto n = [&] { return static_cast<m::i16>(++next_int % 200); };

  c.project_title = "岸壁 A-1, 改良";  // a comma in the title: the engines keep the line whole
  for (auto& v : c.stamp_date) v = n();
  for (auto& v : c.stamp_time) v = n();
  c.job_name = "  第3工区  ";  // trimmed by the writer
  c.seismic_check = 2;
  c.improvement_pattern = PATTERN_LATTICE;
  c.improvement_ratio = r();
  for (auto& v : c.water_levels) v = r();
  c.water_unit_weight = r();
  c.cohesion_reference_level = -r();
  for (auto& v : c.clay_pressure_formula) v = n();
  for (auto& per_case : c.safety_factors)
    for (auto& v : per_case) v = q();
  for (auto& kind : c.allowable_stresses)
    for (auto& v : kind) v = r();
  for (m::i16* v : {&c.seismic_coef_mode, &c.apparent_coef_method, &c.reserved_seismic_option,
                    &c.rwl_coef_rule, &c.shallow_clay_method, &c.clay_compare_shallow,
                    &c.clay_compare_deep})
    *v = n();
  c.seismic_coef_earth = q();
  c.apparent_seismic_coef = q();
  c.seismic_coef_inertia = q();
  for (double* a : {c.regional_coef, c.ground_type_factor, c.importance_factor}) {
    a[0] = q();
    a[1] = q();
  }
  c.liquefied_pressure_coef = q();
  c.liquefied_vertical_rule = n();
  c.active_seabed_level = -r();
  c.active_seabed_rule = n();
  c.imported_check_point = {n(), r(), -r(), r(), n()};
  c.pressure_points[m::SIDE_PASSIVE].count = 4;
  c.pressure_points[m::SIDE_ACTIVE].count = 0;
  for (auto& p : c.pressure_points)
    for (int k = 0; k < m::MAX_PRESSURE_POINTS; ++k) p.x[k] = r(), p.y[k] = r();
  m::ImprovedBodyDims& b = c.body_dims;
  for (double* v : {&b.ref_x, &b.ref_y, &b.width, &b.dh1, &b.dh2, &b.ds, &b.ls, &b.bs, &b.dl,
                    &b.ll, &b.bl1, &b.bl2})
    *v = r();
  c.surface_point_count = 80;
  c.embankment_layer_count = 3;
  c.surcharge_range_count = 5;
  c.external_force_counts[0] = 3;
  c.external_force_counts[1] = 1;
  c.surface_shape = n();
  c.collapse_angle_rule = n();
  c.surface_slope_angle = q();
  c.seabed_slope_angle = -q();
  for (auto& e : c.embankment_layers)
    e = {r(), q(), q()};
  for (int k = 0; k < m::MAX_SURFACE_POINTS; ++k) c.surface_points[k] = {n(), r(), -r()};
  for (double* a : {c.surface_surcharge, c.seabed_surcharge}) a[0] = q(), a[1] = q();
  for (auto& s : c.surcharge_ranges) s = {r(), r(), {q(), q()}};
  for (auto& s : c.top_surcharges) s = {r(), r(), {q(), q()}};
  c.top_surcharge_ignored = n();
  m::BearingLayer& bl = c.bearing_layer;
  bl.soil_type = n();
  bl.unit_weight = q();
  bl.shape_factor = q();
  bl.mean_n = n();
  bl.phi_formula = n();
  bl.phi = q();
  bl.bearing_nr = q();
  bl.bearing_nq = q();
  bl.cohesion = q();
  bl.cohesion_gradient = q();
  bl.friction_rule = n();
  bl.friction_mu = q();
  bl.founding_type = n();
  bl.slope_length_width = n();
  const char* names[2][3] = {{"係船柱けん引力", "", " 風荷重 "}, {"地震時慣性力", "x", "牽引力２"}};
  for (int cs = 0; cs < 2; ++cs)
    for (int row = 0; row < 3; ++row)
      c.external_forces[cs][row] = {names[cs][row], r(), r(), r(), -r()};
  for (auto& side : c.soil_layers)
    for (m::SoilLayer& l : side) l = {r(), -r(), q(), q(), n(), q(), q(), r(), n(), q()};
  c.dimension_points[0].count = 50;
  c.dimension_points[1].count = 7;
  for (auto& d : c.dimension_points)
    for (int k = 0; k < m::MAX_DIMENSION_POINTS; ++k) d.x[k] = r(), d.y[k] = r();
  for (auto& br : c.body_reactions) br = {r(), r(), r(), q(), q(), r()};
  c.dynamic_water_force = r();
  c.dynamic_water_level = -r();

  pr.wall_blocks[0].block_type = m::BLOCK_POLYGON;
  pr.wall_blocks[7].block_type = m::BLOCK_SOIL_RECTANGLE;
  for (int s = 8; s < m::MAX_WALL_BLOCKS + 1; ++s) pr.wall_blocks[s].block_type = m::BLOCK_EMPTY;
  for (int s = 1; s < 7; ++s) pr.wall_blocks[s].block_type = m::BLOCK_EMPTY;

  m::CustomOptions& o = pr.custom_options;
  // Options within the values each can take, every real a different one.
  o = {17.5, {42.25, 31.5}, 0.625, 0.875, 123.5, 3, 2, 1, 1, 0, 1, 1.75, 0, 0};
  return pm;
}

std::string cp932(const std::string& utf8) { return utf8_to_cp932_lossy(utf8); }

TEST(ReadersAgainstFrontEnd, ConditionsFileReadsBackFieldForField) {
  auto pm = distinct_model();
  const std::vector<std::string> lines = m::conditions_file_lines(*pm);
  ASSERT_EQ(lines.size(), 521u);
  const m::ProjectConditions& c = pm->conditions;
  auto dp = std::make_unique<ConditionData>();
  ConditionData& d = *dp;
  ASSERT_TRUE(parse_conditions_lines(lines, d).ok());

  EXPECT_EQ(d.file_version, 13);
  EXPECT_EQ(d.project_title.view(), cp932("岸壁 A-1, 改良"));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(d.stamp_date[i], c.stamp_date[i]);
    EXPECT_EQ(d.stamp_time[i], c.stamp_time[i]);
  }
  EXPECT_EQ(d.job_name.view(), cp932("第3工区"));
  EXPECT_EQ(d.seismic_check, c.seismic_check);
  EXPECT_EQ(d.improvement_pattern, c.improvement_pattern);
  EXPECT_EQ(d.improvement_ratio, c.improvement_ratio);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(d.water_levels[i], c.water_levels[i]);
  EXPECT_EQ(d.water_unit_weight, c.water_unit_weight);
  EXPECT_EQ(d.cohesion_reference_level, c.cohesion_reference_level);
  for (int cs = 0; cs < 2; ++cs) {
    EXPECT_EQ(d.clay_pressure_formula[cs], c.clay_pressure_formula[cs]);
    for (int check = 0; check < 4; ++check)  // the model holds [case][check]
      EXPECT_EQ(d.safety_factors[check][cs], c.safety_factors[cs][check]);
    for (int kind = 0; kind < 3; ++kind)
      EXPECT_EQ(d.allowable_stresses[kind][cs], c.allowable_stresses[kind][cs]);
  }
  EXPECT_EQ(d.seismic_coef_mode, c.seismic_coef_mode);
  EXPECT_EQ(d.apparent_coef_method, c.apparent_coef_method);
  EXPECT_EQ(d.reserved_seismic_option, c.reserved_seismic_option);
  EXPECT_EQ(d.rwl_coef_rule, c.rwl_coef_rule);
  EXPECT_EQ(d.shallow_clay_method, c.shallow_clay_method);
  EXPECT_EQ(d.clay_compare_shallow, c.clay_compare_shallow);
  EXPECT_EQ(d.clay_compare_deep, c.clay_compare_deep);
  EXPECT_EQ(d.seismic_coef_earth, c.seismic_coef_earth);
  EXPECT_EQ(d.apparent_seismic_coef, c.apparent_seismic_coef);
  EXPECT_EQ(d.seismic_coef_inertia, c.seismic_coef_inertia);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(d.regional_coef[i], c.regional_coef[i]);
    EXPECT_EQ(d.ground_type_factor[i], c.ground_type_factor[i]);
    EXPECT_EQ(d.importance_factor[i], c.importance_factor[i]);
  }
  EXPECT_EQ(d.liquefied_pressure_coef, c.liquefied_pressure_coef);
  EXPECT_EQ(d.liquefied_vertical_rule, c.liquefied_vertical_rule);
  EXPECT_EQ(d.active_seabed_level, c.active_seabed_level);
  EXPECT_EQ(d.active_seabed_rule, c.active_seabed_rule);
  EXPECT_EQ(d.imported_check_point.number, c.imported_check_point.number);
  EXPECT_EQ(d.imported_check_point.x, c.imported_check_point.x);
  EXPECT_EQ(d.imported_check_point.y, c.imported_check_point.y);
  EXPECT_EQ(d.imported_check_point.z, c.imported_check_point.z);
  EXPECT_EQ(d.imported_check_point.flag, c.imported_check_point.flag);
  EXPECT_EQ(d.toe_x, c.imported_check_point.x);
  EXPECT_EQ(d.toe_y, c.imported_check_point.y);
  const m::ImprovedBodyDims& mb = c.body_dims;
  const ImprovedBodyDims& eb = d.body_dims;
  EXPECT_EQ((std::vector<double>{eb.ref_x, eb.ref_y, eb.width, eb.dh1, eb.dh2, eb.ds, eb.ls,
                                 eb.bs, eb.dl, eb.ll, eb.bl1, eb.bl2}),
            (std::vector<double>{mb.ref_x, mb.ref_y, mb.width, mb.dh1, mb.dh2, mb.ds, mb.ls,
                                 mb.bs, mb.dl, mb.ll, mb.bl1, mb.bl2}));
  EXPECT_EQ(d.surface_point_count, c.surface_point_count);
  EXPECT_EQ(d.embankment_layer_count, c.embankment_layer_count);
  EXPECT_EQ(d.surcharge_range_count, c.surcharge_range_count);
  EXPECT_EQ(d.soil_layer_counts[SIDE_PASSIVE], 3);  // 4 action points
  EXPECT_EQ(d.soil_layer_counts[SIDE_ACTIVE], -1);  // none
  EXPECT_EQ(d.external_force_counts[0], 3);
  EXPECT_EQ(d.external_force_counts[1], 1);
  EXPECT_EQ(d.used_block_count, 2);
  EXPECT_EQ(d.surface_shape, c.surface_shape);
  EXPECT_EQ(d.collapse_angle_rule, c.collapse_angle_rule);
  EXPECT_EQ(d.surface_slope_angle, c.surface_slope_angle);
  EXPECT_EQ(d.seabed_slope_angle, c.seabed_slope_angle);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(d.embankment_layers[i].top_level, c.embankment_layers[i].top_level);
    EXPECT_EQ(d.embankment_layers[i].unit_weight_air, c.embankment_layers[i].unit_weight_air);
    EXPECT_EQ(d.embankment_layers[i].unit_weight_submerged,
              c.embankment_layers[i].unit_weight_submerged);
  }
  for (int k = 0; k < MAX_SURFACE_POINTS; ++k) {
    EXPECT_EQ(d.surface_points[k].kind, c.surface_points[k].kind) << k;
    EXPECT_EQ(d.surface_points[k].x, c.surface_points[k].x) << k;
    EXPECT_EQ(d.surface_points[k].y, c.surface_points[k].y) << k;
  }
  for (int cs = 0; cs < 2; ++cs) {
    EXPECT_EQ(d.surface_surcharge[cs], c.surface_surcharge[cs]);
    EXPECT_EQ(d.seabed_surcharge[cs], c.seabed_surcharge[cs]);
    for (int k = 0; k < MAX_SURCHARGE_RANGES; ++k)
      EXPECT_EQ(d.surcharge_ranges[k].load[cs], c.surcharge_ranges[k].load[cs]);
    for (int k = 0; k < TOP_SURCHARGES_SAVED; ++k)
      EXPECT_EQ(d.top_surcharges.load[k][cs], c.top_surcharges[k].load[cs]);
  }
  for (int k = 0; k < MAX_SURCHARGE_RANGES; ++k) {
    EXPECT_EQ(d.surcharge_ranges[k].x_min, c.surcharge_ranges[k].x_min);
    EXPECT_EQ(d.surcharge_ranges[k].x_max, c.surcharge_ranges[k].x_max);
  }
  for (int k = 0; k < TOP_SURCHARGES_SAVED; ++k) {
    EXPECT_EQ(d.top_surcharges.x_min[k], c.top_surcharges[k].x_min);
    EXPECT_EQ(d.top_surcharges.x_max[k], c.top_surcharges[k].x_max);
  }
  EXPECT_EQ(d.top_surcharge_ignored, c.top_surcharge_ignored);
  const m::BearingLayer& mbl = c.bearing_layer;
  const BearingLayer& ebl = d.bearing_layer;
  EXPECT_EQ((std::vector<double>{double(ebl.soil_type), ebl.unit_weight, ebl.shape_factor,
                                 double(ebl.mean_n), double(ebl.phi_formula), ebl.phi,
                                 ebl.bearing_nr, ebl.bearing_nq, ebl.cohesion,
                                 ebl.cohesion_gradient, double(ebl.friction_rule),
                                 ebl.friction_mu, double(ebl.founding_type),
                                 double(ebl.slope_length_width)}),
            (std::vector<double>{double(mbl.soil_type), mbl.unit_weight, mbl.shape_factor,
                                 double(mbl.mean_n), double(mbl.phi_formula), mbl.phi,
                                 mbl.bearing_nr, mbl.bearing_nq, mbl.cohesion,
                                 mbl.cohesion_gradient, double(mbl.friction_rule),
                                 mbl.friction_mu, double(mbl.founding_type),
                                 double(mbl.slope_length_width)}));
  // Names as the writer leaves them: trimmed, an empty one as five blanks, held whole.
  const char* expected_names[2][3] = {{"係船柱けん引力", "     ", "風荷重"},
                                      {"地震時慣性力", "x", "牽引力２"}};
  for (int cs = 0; cs < 2; ++cs) {
    for (int row = 0; row < 3; ++row) {
      const ExternalForce& ef = d.external_forces[cs][row];
      const m::ExternalForce& mf = c.external_forces[cs][row];
      EXPECT_EQ(ef.name.view(), cp932(expected_names[cs][row])) << cs << row;
      EXPECT_EQ((std::vector<double>{ef.vertical, ef.horizontal, ef.x, ef.y}),
                (std::vector<double>{mf.vertical, mf.horizontal, mf.x, mf.y}));
    }
  }
  for (int side = 0; side < 2; ++side) {
    for (int k = 0; k < SOIL_LAYER_RECORDS; ++k) {
      const SoilLayer& e = d.soil_layers[side][k];
      const m::SoilLayer& l = c.soil_layers[side][k];
      EXPECT_EQ((std::vector<double>{e.top_level, e.bottom_level, e.unit_weight_air,
                                     e.unit_weight_submerged, double(e.soil_type), e.phi,
                                     e.cohesion, e.cohesion_gradient, double(e.liquefied),
                                     e.slurry_unit_weight}),
                (std::vector<double>{l.top_level, l.bottom_level, l.unit_weight_air,
                                     l.unit_weight_submerged, double(l.soil_type), l.phi,
                                     l.cohesion, l.cohesion_gradient, double(l.liquefied),
                                     l.slurry_unit_weight}))
          << side << " " << k;
    }
  }
  for (int list = 0; list < 2; ++list) {
    EXPECT_EQ(d.dimension_points[list].count, c.dimension_points[list].count);
    for (int k = 0; k < MAX_DIMENSION_POINTS; ++k) {
      EXPECT_EQ(d.dimension_points[list].x[k], c.dimension_points[list].x[k]) << list << k;
      EXPECT_EQ(d.dimension_points[list].y[k], c.dimension_points[list].y[k]) << list << k;
    }
  }
  for (int cs = 0; cs < 2; ++cs) {
    const BodyReaction& e = d.body_reactions[cs];
    const m::BodyReaction& mr = c.body_reactions[cs];
    EXPECT_EQ((std::vector<double>{e.check_x, e.check_y, e.spread_width, e.spread_angle,
                                   e.reaction, e.extra}),
              (std::vector<double>{mr.check_x, mr.check_y, mr.spread_width, mr.spread_angle,
                                   mr.reaction, mr.extra}));
  }
  EXPECT_EQ(d.dynamic_water_force, c.dynamic_water_force);
  EXPECT_EQ(d.dynamic_water_level, c.dynamic_water_level);
}

TEST(ReadersAgainstFrontEnd, OptionsFileReadsBack) {
  qvt::testing::TempDir dir;
  auto pm = distinct_model();
  const m::CustomOptions& o = pm->custom_options;
  ASSERT_TRUE(m::write_custom_options(dir / "QVT_DAT.CST", o));
  auto lines = read_lines(dir / "QVT_DAT.CST");
  ASSERT_TRUE(lines);
  auto d = std::make_unique<ConditionData>();
  ASSERT_TRUE(parse_options_lines(*lines, *d).ok());
  const CustomOptions& e = d->custom_options;
  EXPECT_EQ((std::vector<double>{e.wall_friction_angle, e.clay_collapse_angle[0],
                                 e.clay_collapse_angle[1], e.consolidation_coef_kc,
                                 e.at_rest_coef_k0, e.surface_dummy_length, e.pullout_pitch}),
            (std::vector<double>{o.wall_friction_angle, o.clay_collapse_angle[0],
                                 o.clay_collapse_angle[1], o.consolidation_coef_kc,
                                 o.at_rest_coef_k0, o.surface_dummy_length, o.pullout_pitch}));
  EXPECT_EQ((std::vector<int>{e.negative_root_rule, e.toe_confinement_rule, e.surcharge_method,
                              e.seismic_rounding, e.residual_water_rule, e.front_water_rule,
                              e.backfill_vertical_ignored, e.passive_vertical_ignored}),
            (std::vector<int>{o.negative_root_rule, o.toe_confinement_rule, o.surcharge_method,
                              o.seismic_rounding, o.residual_water_rule, o.front_water_rule,
                              o.backfill_vertical_ignored, o.passive_vertical_ignored}));
}

// --- Mutations -----------------------------------------------------------------------------

using Parse = Status (*)(const std::vector<std::string>&, ConditionData&);

// Every outcome is a read or a stop with one error box naming the file.
void expect_sound(Parse parse, const std::vector<std::string>& lines, const std::string& what) {
  auto data = std::make_unique<ConditionData>();
  ConditionData& d = *data;
  Status s = parse(lines, d);
  if (s.ok()) {
    // What indexes a store is within it.
    auto in = [&](int v, int lo, int hi) {
      EXPECT_TRUE(v >= lo && v <= hi) << what << ": " << v << " outside " << lo << ".." << hi;
    };
    in(d.surface_point_count, 0, MAX_SURFACE_POINTS);
    for (int side = 0; side < 2; ++side) in(d.soil_layer_counts[side], -1, SOIL_LAYER_RECORDS);
    for (int cs = 0; cs < 2; ++cs) in(d.external_force_counts[cs], 0, EXTERNAL_FORCES_PER_CASE);
    for (const DimensionPointList& p : d.dimension_points) in(p.count, 0, MAX_DIMENSION_POINTS);
    in(d.used_slot_count, 0, MAX_WALL_BLOCKS);
    in(d.shape_library_count, 0, MAX_ENGINE_SHAPES);
    for (const WallBlock& b : d.wall_blocks) {
      in(b.block_type, BLOCK_EMPTY, BLOCK_LIBRARY);
      if (b.block_type == BLOCK_POLYGON || b.block_type == BLOCK_SOIL_POLYGON)
        in(b.polygon.vertex_count, 0, POLYGON_VERTICES);
      if (b.block_type == BLOCK_CAISSON || b.block_type == BLOCK_FOOTING_CAISSON) {
        in(b.caisson.part_count, 0, PART_NAMES);
        in(b.caisson.outline_count, 0, CAISSON_OUTLINE_POINTS);
      }
      if (b.block_type == BLOCK_COUNTERFORT) {
        in(b.counterfort.part_count, 0, PART_NAMES);
        in(b.counterfort.outline_count, 0, COUNTERFORT_OUTLINE_POINTS);
      }
      if (b.block_type == BLOCK_LIBRARY) in(b.library.library_index, 0, MAX_ENGINE_SHAPES - 1);
    }
    for (int k = 0; k < d.shape_library_count; ++k) {
      in(d.shape_library[k].layer_count, 0, LIBRARY_LAYERS);
      in(d.shape_library[k].point_count, 0, LIBRARY_POINTS);
      in(d.shape_library[k].pair_count, 0, LIBRARY_PAIRS);
    }
    return;
  }
  ASSERT_EQ(s.stop().messages.size(), 1u) << what;
  const EngineMessage& msg = s.stop().messages[0];
  EXPECT_EQ(msg.title, "error") << what;
  const std::string text = cp932_to_utf8_lossy(msg.text);
  EXPECT_TRUE(text.find("(QVTAJKN.CAL)") != std::string::npos ||
              text.find("(QVT_DAT.CST)") != std::string::npos ||
              text.find("(QVTABLK.CAL)") != std::string::npos)
      << what << ": " << text;
}

struct Subject {
  const char* name;
  Parse parse;
  std::vector<std::string> lines;
};

std::vector<Subject> subjects() {
  auto pm = distinct_model();
  using namespace testing;
  std::vector<std::vector<std::string>> slots = {
      polygon_slot(BLOCK_POLYGON, 0, 4, sjis("上部工")), parametric_slot(BLOCK_CAISSON, 1000),
      quad_slot(BLOCK_QUAD, 2000), parametric_slot(BLOCK_COUNTERFORT, 3000),
      quad_slot(BLOCK_LIBRARY, 4000, 1)};
  return {
      {"conditions", parse_conditions_lines, m::conditions_file_lines(*pm)},
      {"options", parse_options_lines, options_lines()},
      {"blocks", parse_block_lines,
       block_lines(slots, {shape_entry("A", 2, 4, 2), shape_entry(sjis("型"), 0, 100, 100)})},
  };
}

TEST(ReadersUnderMutation, EveryTruncation) {
  for (const Subject& s : subjects()) {
    const std::string bytes = join_crlf(s.lines);
    if (s.parse != parse_block_lines) {
      for (std::size_t cut = 0; cut <= bytes.size(); ++cut)
        expect_sound(s.parse, split_lines(std::string_view(bytes).substr(0, cut)),
                     std::string(s.name) + " cut at " + std::to_string(cut));
      continue;
    }
    // The block file is long: every line count, and inside every line a cut after its first
    // byte and one before its last (a cut line is only ever the last line of a file).
    std::size_t line_start = 0;
    for (const std::string& line : s.lines) {
      for (std::size_t cut : {line_start, line_start + 1, line_start + line.size() - 1}) {
        if (cut > bytes.size()) continue;
        expect_sound(s.parse, split_lines(std::string_view(bytes).substr(0, cut)),
                     std::string(s.name) + " cut at " + std::to_string(cut));
      }
      line_start += line.size() + 2;
    }
  }
}

TEST(ReadersUnderMutation, EveryLineReplacedByAnExtremeValue) {
  const char* extremes[] = {"2147483647", "-2147483648", "99999999999999999999", "-1",
                            "1e308",      "-1e999",      "",                     "\x81"};
  for (Subject& s : subjects()) {
    for (std::size_t i = 0; i < s.lines.size(); ++i) {
      const std::string original = s.lines[i];
      for (const char* x : extremes) {
        s.lines[i] = x;
        expect_sound(s.parse, s.lines, std::string(s.name) + " line " + std::to_string(i + 1));
      }
      s.lines[i] = original;
    }
  }
}

TEST(ReadersUnderMutation, RandomBytesAndOverlongLines) {
  std::mt19937 rng(20240611);
  const char interesting[] = {'\n', '\r', ',', '-', '.', '9', '0', 'e', '\0', '\x81', '\xFC', ' '};
  for (const Subject& s : subjects()) {
    const std::string bytes = join_crlf(s.lines);
    for (int iteration = 0; iteration < 400; ++iteration) {
      std::string b = bytes;
      const int flips = 1 + static_cast<int>(rng() % 8);
      for (int f = 0; f < flips; ++f) {
        const std::size_t at = rng() % b.size();
        b[at] = (rng() % 2) ? interesting[rng() % sizeof interesting]
                            : static_cast<char>(rng() % 256);
      }
      expect_sound(s.parse, split_lines(b),
                   std::string(s.name) + " flips, iteration " + std::to_string(iteration));
    }
    for (int iteration = 0; iteration < 40; ++iteration) {
      std::vector<std::string> l = s.lines;
      std::string& target = l[rng() % l.size()];
      const std::string unit = (iteration % 2) ? std::string("\x81\x40") : std::string("1,");
      target.clear();
      while (target.size() < 100000) target += unit;
      expect_sound(s.parse, l,
                   std::string(s.name) + " long line, iteration " + std::to_string(iteration));
    }
  }
}

}  // namespace
}  // namespace qvt::engine
