// Damaged condition files against the engines' readers. Each reader, given a few hundred damaged
// copies of well-formed files, must either stop with an error message or read data whose counts
// and types stay within their stores and whose numbers are finite; the check the engines make
// right after reading then runs on that data without harm.
#include "common/block_type_rule.h"
#include "common/tests/file_mutations.h"
#include "common/textfile.h"
#include "engines/common/block_geometry_check.h"
#include "engines/common/condition_readers.h"
#include "engines/common/tests/reader_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace qvt::engine {
namespace {

constexpr int kCases = 300;

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

TEST(ReaderMutations, ConditionsFileStopsOrReadsSoundly) {
  const std::vector<std::vector<std::string>> sources = {
      sample_file_lines("sample_block_quay.MSJ"), sample_file_lines("sample_caisson_quay.MSJ"),
      testing::conditions_lines()};
  for (const auto& l : sources) ASSERT_FALSE(l.empty());
  int stopped = 0;
  qvt::testing::FileMutator(37).run(sources, kCases, [&](const auto& lines,
                                                         const std::string& what) {
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
  int stopped = 0;
  qvt::testing::FileMutator(38).run(sources, kCases, [&](const auto& lines,
                                                         const std::string& what) {
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
