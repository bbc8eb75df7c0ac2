// Damaged sibling design files against the import's readers: each case is refused, or read into
// values that are finite and blocks that the project's own block file takes back; a hand-over
// file that reads keeps the undamaged values on every line the damage did not touch.
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

namespace qvt::import {
namespace {

using model::ProjectModel;
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

TEST(SiblingMutations, BlockFiles) {
  auto source = new_project();
  model::testing::fill_every_block_type(*source);
  const std::vector<std::string> tb2 = model::block_file_lines(*source).lines;
  testing::Tj3Fixture design;
  design.blocks = source.get();
  const std::vector<std::string> tj3 = testing::write_tj3(design).lines;
  qvt::testing::FileMutator mutator(41);
  for (int i = 0; i < kCases; ++i) {
    std::string what;
    {
      const auto lines = mutator.mutate(tb2, what);
      SCOPED_TRACE(".TB2 " + std::to_string(i) + ": " + what);
      auto m = new_project();
      Recorder rec;
      if (read_tb2(lines, kSiblingVersionFull, *m, rec))
        expect_blocks_reopen(*m);
    }
    {
      const auto lines = mutator.mutate(tj3, what);
      SCOPED_TRACE(".TJ3 " + std::to_string(i) + ": " + what);
      auto m = new_project();
      Tj3Design d;
      if (read_tj3(lines, d, *m)) {
        expect_blocks_reopen(*m);
        for (const auto& group : d.force_groups)
          for (const SiblingForce& f : group)
            EXPECT_TRUE(finite({f.vertical, f.horizontal, f.x, f.y}));
      }
    }
  }
}

}  // namespace
}  // namespace qvt::import
