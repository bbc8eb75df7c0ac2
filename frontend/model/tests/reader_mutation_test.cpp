// Damaged project files against the front end's readers. Each reader, given a few hundred
// damaged copies of well-formed files, must either refuse the file and leave the model as it
// was, or open it with values that the writer writes again and the reader reads back to the
// same text (so nothing non-finite, no count beyond its store, nothing it cannot save again).
// And what it opens holds the undamaged file's values in every field the damage did not touch:
// written again, each line the damage left in its place reads as the undamaged file's does, so
// no value has moved into another field. The options file, which keeps what it read before a
// failure, must give values its options can take.
#include "common/block_type_rule.h"
#include "common/option_ranges.h"
#include "common/tests/file_mutations.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/model/block_file.h"
#include "frontend/model/conditions_file.h"
#include "frontend/model/custom_options.h"
#include "frontend/model/tests/block_fixtures.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qvt::model {
namespace {

using qvt::model::testing::fill_every_block_type;
using qvt::model::testing::new_project;

constexpr int kCases = 300;
// Block files are larger; fewer of them keep the sanitizer run short.
constexpr int kBlockCases = 200;

using qvt::testing::expect_kept_lines;
using qvt::testing::sample_file_lines;

TEST(ReaderMutations, ConditionsFileIsRefusedOrReadSoundly) {
  auto fixture = new_project();
  fixture->conditions.project_title = "fixture";
  fixture->conditions.pressure_points[SIDE_ACTIVE].count = 3;
  fixture->conditions.surface_point_count = 4;
  const std::vector<std::vector<std::string>> sources = {
      sample_file_lines("sample_block_quay.MSJ"), sample_file_lines("sample_caisson_quay.MSJ"),
      conditions_file_lines(*fixture)};
  for (const auto& s : sources) ASSERT_EQ(s.size(), 521u);
  // The models are made once and copied over for each case: the records are large.
  auto start = new_project();
  start->conditions.project_title = "kept";
  start->file_version = 9;
  const std::vector<std::string> before = conditions_file_lines(*start);
  auto m = new_project();
  auto again = new_project();
  // Each source as the writer writes it again after an undamaged read.
  std::vector<std::vector<std::string>> undamaged;
  for (const auto& source : sources) {
    *m = *start;
    ASSERT_TRUE(read_conditions_lines(source, m->conditions, m->file_version));
    undamaged.push_back(conditions_file_lines(*m));
  }
  // The layer-count lines are derived from the action-point counts.
  std::vector<bool> derived(521, false);
  {
    *m = *start;
    const std::vector<std::string> a = conditions_file_lines(*m);
    m->conditions.pressure_points[0].count = 4;
    m->conditions.pressure_points[1].count = 5;
    const std::vector<std::string> b = conditions_file_lines(*m);
    for (std::size_t i = 0; i < a.size(); ++i) derived[i] = a[i] != b[i];
  }
  int refused = 0;
  qvt::testing::FileMutator(37).run_kept(sources, kCases, [&](const auto& file,
                                                              const std::string& what,
                                                              std::size_t source,
                                                              const std::vector<bool>& kept) {
    SCOPED_TRACE(what);
    *m = *start;
    if (!read_conditions_lines(file, m->conditions, m->file_version)) {
      ++refused;
      EXPECT_EQ(conditions_file_lines(*m), before);
      EXPECT_EQ(m->file_version, 9);
      return;
    }
    const std::vector<std::string> written = conditions_file_lines(*m);
    expect_kept_lines(written, undamaged[source], kept, derived);
    *again = *start;
    ASSERT_TRUE(read_conditions_lines(written, again->conditions, again->file_version));
    EXPECT_EQ(conditions_file_lines(*again), written);
  });
  // Most damage is seen; what reads is a changed value in its place.
  EXPECT_GT(refused, kCases / 3);
}

TEST(ReaderMutations, BlockFileIsRefusedOrReadSoundly) {
  auto fixture = new_project();
  fill_every_block_type(*fixture);
  const std::vector<std::vector<std::string>> sources = {
      sample_file_lines("sample_block_quay.MBJ"), sample_file_lines("sample_caisson_quay.MBJ"),
      block_file_lines(*fixture).lines};
  for (const auto& s : sources) ASSERT_FALSE(s.empty());
  // The models are made once and copied over for each case: the records are large.
  auto start = new_project();
  start->wall_blocks[3].block_type = BLOCK_QUAD;
  start->wall_blocks[3].quad.head.name = "kept";
  const std::vector<std::string> before = block_file_lines(*start).lines;
  auto m = new_project();
  auto again = new_project();
  std::vector<std::vector<std::string>> undamaged;
  for (const auto& source : sources) {
    *m = *start;
    ASSERT_TRUE(read_block_lines(source, kConditionsFileVersion, *m));
    undamaged.push_back(block_file_lines(*m).lines);
  }
  // Line 2, the count of used slots, is derived from the slots' types.
  const std::vector<bool> derived = {false, true};
  int refused = 0;
  qvt::testing::FileMutator(38).run_kept(sources, kBlockCases, [&](const auto& file,
                                                                   const std::string& what,
                                                                   std::size_t source,
                                                                   const std::vector<bool>& kept) {
    SCOPED_TRACE(what);
    *m = *start;
    if (!read_block_lines(file, kConditionsFileVersion, *m)) {
      ++refused;
      EXPECT_EQ(block_file_lines(*m).lines, before);
      return;
    }
    for (int s = 0; s < MAX_WALL_BLOCKS; ++s)
      EXPECT_TRUE(known_block_type(m->wall_blocks[s].block_type)) << s;
    const std::vector<std::string> written = block_file_lines(*m).lines;
    expect_kept_lines(written, undamaged[source], kept, derived);
    *again = *start;
    ASSERT_TRUE(read_block_lines(written, kConditionsFileVersion, *again));
    EXPECT_EQ(block_file_lines(*again).lines, written);
  });
  EXPECT_GT(refused, kBlockCases / 3);
}

TEST(ReaderMutations, OptionsFileIsRefusedOrReadSoundly) {
  qvt::testing::TempDir dir;
  const auto file = dir / "QVT_DAT.CST";
  CustomOptions shipped;
  shipped.wall_friction_angle = 15;
  shipped.clay_collapse_angle[0] = shipped.clay_collapse_angle[1] = 45;
  shipped.consolidation_coef_kc = 0.5;
  shipped.pullout_pitch = 0.5;
  shipped.backfill_vertical_ignored = 1;
  ASSERT_TRUE(write_custom_options(file, shipped));
  const std::vector<std::string> source = read_lines(file).value();
  int refused = 0;
  qvt::testing::FileMutator(39).run_kept({source}, kCases, [&](const auto& lines,
                                                                const std::string& what,
                                                                std::size_t,
                                                                const std::vector<bool>& kept) {
    SCOPED_TRACE(what);
    ASSERT_TRUE(write_file_bytes(file, join_crlf(lines)));
    CustomOptions o;
    if (!read_custom_options(file, o)) {
      ++refused;
      return;
    }
    const double values[] = {
        o.wall_friction_angle,       o.clay_collapse_angle[0], o.clay_collapse_angle[1],
        o.consolidation_coef_kc,     o.at_rest_coef_k0,        o.surface_dummy_length,
        double(o.negative_root_rule), double(o.toe_confinement_rule), double(o.surcharge_method),
        double(o.seismic_rounding),  double(o.residual_water_rule), double(o.front_water_rule),
        o.pullout_pitch,             double(o.backfill_vertical_ignored),
        double(o.passive_vertical_ignored)};
    for (int k = 0; k < OPTION_VALUES; ++k)
      EXPECT_TRUE(option_in_range(static_cast<OptionValue>(k), values[k])) << k;
    ASSERT_TRUE(write_custom_options(file, o));
    expect_kept_lines(read_lines(file).value(), source, kept);
  });
  EXPECT_GT(refused, kCases / 3);
}

}  // namespace
}  // namespace qvt::model
