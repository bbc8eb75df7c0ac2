// Damaged sibling design files against the import's readers: each case is refused, or read into
// values that are finite and blocks that the project's own block file takes back. A hand-over,
// block or single-file design that reads keeps the undamaged values on every line the damage
// did not touch: written again from what was read, each such line comes out as the undamaged
// file's does, so no value has moved into another field.
#include "common/numtext.h"
#include "common/tests/file_mutations.h"
#include "frontend/import/sibling_files.h"
#include "frontend/import/sibling_tj3.h"
#include "frontend/import/tests/sibling_fixture.h"
#include "frontend/import/tests/sibling_tj3_fixture.h"
#include "frontend/model/block_file.h"
#include "frontend/model/conditions_file.h"
#include "frontend/model/tests/block_fixtures.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace qvt::import {
namespace {

using model::ProjectModel;
using qvt::testing::expect_kept_lines;
using model::testing::new_project;
using model::testing::Recorder;

constexpr int kCases = 100;

bool finite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// Blocks taken from a sibling file must be ones the project can save and open again.
void expect_blocks_reopen(ProjectModel& m) {
  const std::vector<std::string> written = model::block_file_lines(m).lines;
  auto again = new_project();
  EXPECT_TRUE(model::read_block_lines(written, model::kConditionsFileVersion, *again));
}

TEST(SiblingMutations, ConditionsCheckPointsAndHandOverFiles) {
  const std::vector<std::string> tj2 = testing::write_tj2(testing::Tj2Fixture{}).lines;
  const std::vector<std::string> tk2 = testing::write_tk2().lines;
  const std::vector<std::string> sin = testing::write_sin(4).lines;
  std::array<SiblingHandOver, 4> sin_values{};
  ASSERT_TRUE(read_sin(sin, 4, sin_values));
  qvt::testing::FileMutator mutator(40);
  for (int i = 0; i < kCases; ++i) {
    std::string what;
    {
      SiblingConditions c;
      const auto lines = mutator.mutate(tj2, what);
      SCOPED_TRACE(".TJ2 " + std::to_string(i) + ": " + what);
      if (read_tj2(lines, c)) {
        for (double v : c.sibling_levels) EXPECT_TRUE(std::isfinite(v));
        // The force counts are any integers here: the import keeps them within 0..3.
        for (const auto& row : c.sibling_forces)
          for (const SiblingForce& f : row)
            EXPECT_TRUE(finite({f.vertical, f.horizontal, f.x, f.y}));
      }
    }
    {
      std::array<SiblingCheckPoint, kSiblingCheckPoints> points{};
      const auto lines = mutator.mutate(tk2, what);
      SCOPED_TRACE(".TK2 " + std::to_string(i) + ": " + what);
      if (read_tk2(lines, points)) {
        for (const SiblingCheckPoint& p : points) EXPECT_TRUE(finite({p.x, p.y, p.z}));
      }
    }
    {
      std::array<SiblingHandOver, 4> hand_over{};
      std::vector<bool> kept;
      const auto lines = mutator.mutate(sin, what, &kept);
      SCOPED_TRACE(".SIN " + std::to_string(i) + ": " + what);
      if (read_sin(lines, 4, hand_over)) {
        for (const SiblingHandOver& h : hand_over)
          EXPECT_TRUE(finite({h.reaction.check_x, h.reaction.check_y, h.reaction.reaction,
                              h.dynamic_water_force, h.dynamic_water_level}));
        // A line the damage did not touch gives its case the undamaged file's values.
        for (std::size_t k = 0; k < 4; ++k) {
          if (!kept[k]) continue;
          const auto& r = hand_over[k].reaction;
          const auto& u = sin_values[k].reaction;
          EXPECT_EQ((std::vector<double>{r.check_x, r.check_y, r.spread_width, r.spread_angle,
                                         r.reaction, r.extra, hand_over[k].dynamic_water_force,
                                         hand_over[k].dynamic_water_level}),
                    (std::vector<double>{u.check_x, u.check_y, u.spread_width, u.spread_angle,
                                         u.reaction, u.extra, sin_values[k].dynamic_water_force,
                                         sin_values[k].dynamic_water_level}))
              << "line " << k + 1 << " was not damaged";
        }
      }
    }
  }
}

// A .TB2 written again in its own layout from what its reader took. The reader places the
// file's used slots from slot 0 up and its empty ones from slot 19 down, so each slot goes back
// to its place in the file (`lines`, walked record by record as far as their types read: where
// a line was lost or gained, no later line is compared). What the reader does not take
// from the file is written as zero: the outlines a caisson or counterfort gets from its
// parameters (with their counts), a library block's width (its entry's) and the label numbers of
// empty file slots.
std::vector<std::string> tb2_written_again(const ProjectModel& m,
                                           const std::vector<std::string>& lines) {
  auto file = new_project();
  *file = m;
  std::size_t at = 2;
  int next_used = 0, next_empty = model::MAX_WALL_BLOCKS - 1;
  bool walking = true;
  for (int f = 0; f < model::MAX_WALL_BLOCKS; ++f) {
    std::optional<i16> file_type;
    if (walking && at < lines.size()) file_type = parse_i16(trim_blanks(lines[at]));
    walking = file_type.has_value();
    // Past the walk the used slots come first, in order.
    const i16 empty = model::BLOCK_EMPTY;
    const i16 type = walking ? *file_type
                     : m.wall_blocks[next_used].block_type != empty ? i16{0}
                                                                    : empty;
    const int s = type == model::BLOCK_EMPTY ? next_empty-- : next_used++;
    model::WallBlock& b = file->wall_blocks[f];
    b = m.wall_blocks[s];
    file->block_label_numbers[f] = type == model::BLOCK_EMPTY ? 0 : m.block_label_numbers[s];
    auto clear_outline = [](auto& c) {
      c.outline_count = c.tail = 0;
      c.outline_x.fill(0);
      c.outline_y.fill(0);
    };
    clear_outline(b.caisson);
    clear_outline(b.counterfort);
    b.library.values[1] = 0;
    switch (type) {
      case model::BLOCK_CAISSON:
      case model::BLOCK_FOOTING_CAISSON: at += model::kCaissonRecordLines; break;
      case model::BLOCK_COUNTERFORT: at += model::kCounterfortRecordLines; break;
      case model::BLOCK_QUAD: at += model::kQuadRecordLines; break;
      case model::BLOCK_LIBRARY: at += model::kLibraryRecordLines; break;
      default: at += model::kPolygonRecordLines; break;
    }
  }
  return model::block_file_lines(*file).lines;
}

// A .TJ3 written again from what its reader took: the items the import drops, and the counts
// of dropped rows, as in `layout` (the fixture the undamaged file was written from).
std::vector<std::string> tj3_written_again(const Tj3Design& d, const ProjectModel& blocks,
                                           testing::Tj3Fixture layout) {
  const SiblingConditions& c = d.conditions;
  layout.hwl = c.sibling_levels[0];
  layout.lwl = c.sibling_levels[1];
  layout.rwl = c.sibling_levels[2];
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 2; ++col)
      layout.grid[row][col] = std::to_string(c.case_grid[2 * row + col]);
  layout.hwl_loads_given = d.hwl_loads_given;
  for (int r = 0; r < 5; ++r) {
    layout.top_x_min[r] = c.top_surcharge_x_min[r];
    layout.top_x_max[r] = c.top_surcharge_x_max[r];
    for (int row = 0; row < 4; ++row) layout.top_loads[row][r] = c.top_surcharge_loads[row][r];
  }
  layout.dynamic_water_rule = c.dynamic_water_rule;
  layout.blocks = &blocks;
  layout.centroid_by_layer = d.centroid_by_layer;
  layout.check_point_number = c.check_point_number;
  for (std::size_t e = 0; e < layout.check_points.size(); ++e) {
    testing::Tj3CheckPoint& p = layout.check_points[e];
    const SiblingCheckPoint& q = d.check_points[e];
    p.number = q.number;
    p.x = q.x;
    p.y = q.y;
    p.z = q.z;
    p.flag = q.flag;
    for (std::size_t k = 0; k < p.block_flags.size(); ++k) p.block_flags[k] = q.block_flags[k];
  }
  for (std::size_t g = 0; g < layout.force_groups.size(); ++g) {
    layout.force_groups[g].clear();
    for (const SiblingForce& f : d.force_groups[g])
      layout.force_groups[g].push_back({f.name, f.vertical, f.horizontal, f.x, f.y});
  }
  return testing::write_tj3(layout).lines;
}

TEST(SiblingMutations, BlockFiles) {
  auto source = new_project();
  model::testing::fill_every_block_type(*source);
  const std::vector<std::string> tb2 = model::block_file_lines(*source).lines;
  testing::Tj3Fixture design;
  design.blocks = source.get();
  const std::vector<std::string> tj3 = testing::write_tj3(design).lines;
  // The undamaged files as read: the block file written again by the project's writer (its
  // line 2, the count of used slots, follows from the slots' types), and the design written
  // again from what was read, which gives back the file itself (names trimmed, as the reader
  // takes them).
  std::vector<std::string> tb2_undamaged;
  {
    auto m = new_project();
    Recorder rec;
    ASSERT_TRUE(read_tb2(tb2, kSiblingVersionFull, *m, rec));
    tb2_undamaged = tb2_written_again(*m, tb2);
  }
  const std::vector<bool> tb2_derived = {false, true};
  std::vector<std::string> tj3_undamaged;
  {
    auto m = new_project();
    Tj3Design d;
    ASSERT_TRUE(read_tj3(tj3, d, *m));
    tj3_undamaged = tj3_written_again(d, *m, design);
    ASSERT_EQ(tj3_undamaged.size(), tj3.size());
    for (std::size_t i = 0; i < tj3.size(); ++i)
      ASSERT_EQ(trim_blanks(tj3_undamaged[i]), trim_blanks(tj3[i])) << "line " << i + 1;
  }
  qvt::testing::FileMutator mutator(41);
  for (int i = 0; i < kCases; ++i) {
    std::string what;
    std::vector<bool> kept;
    {
      const auto lines = mutator.mutate(tb2, what, &kept);
      SCOPED_TRACE(".TB2 " + std::to_string(i) + ": " + what);
      auto m = new_project();
      Recorder rec;
      if (read_tb2(lines, kSiblingVersionFull, *m, rec)) {
        expect_blocks_reopen(*m);
        expect_kept_lines(tb2_written_again(*m, lines), tb2_undamaged, kept, tb2_derived);
      }
    }
    {
      const auto lines = mutator.mutate(tj3, what, &kept);
      SCOPED_TRACE(".TJ3 " + std::to_string(i) + ": " + what);
      auto m = new_project();
      Tj3Design d;
      if (read_tj3(lines, d, *m)) {
        expect_blocks_reopen(*m);
        for (const auto& group : d.force_groups)
          for (const SiblingForce& f : group)
            EXPECT_TRUE(finite({f.vertical, f.horizontal, f.x, f.y}));
        expect_kept_lines(tj3_written_again(d, *m, design), tj3_undamaged, kept);
      }
    }
  }
}

}  // namespace
}  // namespace qvt::import
