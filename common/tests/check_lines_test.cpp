// The table of check lines: each line's relation, sign rule, limit bounds and summary slots as
// the checks define them, and the patterns that have each check.
#include "common/check_lines.h"
#include "common/check_verdict.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace qvt {
namespace {

// Each line judged on three pairs of numbers that tell the relations apart:
//   1.5 against 1.2   a factor reaches it, a stress exceeds it;
//   1.0 against 1.2   a factor falls short, a stress stays below;
//   -2  against 1     a stress stays below, a factor falls short, a magnitude of 2 exceeds it.
// A shear is judged in magnitude (either sign), the sliding, overturning and pull-out factors
// must reach their required factors, and the reaction, the toe pressure and the internal stress
// must stay at or below their allowable values.
TEST(CheckLines, EachLineIsJudgedByItsOwnRelation) {
  using R = CheckRelation;
  struct Case {
    int k;
    R relation;
    bool above, below, negative;  // holds for 1.5 / 1.2, 1.0 / 1.2, -2 / 1
  } cases[] = {
      {CHECK_SLIDING, R::factor_at_least, true, false, false},
      {CHECK_OVERTURNING, R::factor_at_least, true, false, false},
      {CHECK_BEARING, R::stress_at_most, false, true, true},
      {CHECK_TOE_PRESSURE, R::stress_at_most, false, true, true},
      {CHECK_SHEAR, R::magnitude_at_most, false, true, false},
      {CHECK_SHORT_WALL_SHEAR, R::magnitude_at_most, false, true, false},
      {CHECK_PULLOUT, R::factor_at_least, true, false, false},
      {CHECK_INTERNAL_STRESS, R::stress_at_most, false, true, true},
  };
  ASSERT_EQ(std::size(cases), static_cast<std::size_t>(CHECK_LINE_COUNT));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.k);
    EXPECT_EQ(check_relation(c.k), c.relation);
    EXPECT_EQ(check_relation_holds(c.k, 1.5, 1.2), c.above);
    EXPECT_EQ(check_relation_holds(c.k, 1.0, 1.2), c.below);
    EXPECT_EQ(check_relation_holds(c.k, -2, 1), c.negative);
    // Equality passes on every line.
    EXPECT_TRUE(check_relation_holds(c.k, 1.2, 1.2));
  }
}

// What else a line's row decides: the slots its numbers take in the engines' summary, whether it
// carries levels (five items), whether its value can be below 0, and its largest limit (100 for
// a required factor, 100,000 kN/m2 for an allowable stress or bearing capacity).
TEST(CheckLines, EachLineTakesItsSlotsSignAndLimits) {
  struct Case {
    int k;
    int value_slot, limit_slot;
    bool levels, never_negative;
    double limit_most;
  } cases[] = {
      {CHECK_SLIDING, CV_SLIDING_FS, CL_REQUIRED_SLIDING_FS, false, false, 100},
      {CHECK_OVERTURNING, CV_OVERTURNING_FS, CL_REQUIRED_OVERTURNING_FS, false, false, 100},
      {CHECK_BEARING, CV_MAX_REACTION, CL_ALLOWABLE_BEARING, false, true, 100000},
      {CHECK_TOE_PRESSURE, CV_TOE_STRESS, CL_ALLOWABLE_COMPRESSIVE_STRESS, false, false, 100000},
      {CHECK_SHEAR, CV_SHEAR_STRESS, CL_ALLOWABLE_SHEAR_STRESS, false, false, 100000},
      {CHECK_SHORT_WALL_SHEAR, CV_SHORT_WALL_SHEAR_STRESS, CL_ALLOWABLE_SHEAR_STRESS, false, false,
       100000},
      {CHECK_PULLOUT, CV_PULLOUT_FS, CL_REQUIRED_PULLOUT_FS, true, false, 100},
      {CHECK_INTERNAL_STRESS, CV_INTERNAL_STRESS, CL_INTERNAL_STRESS_LIMIT, false, true, 100000},
  };
  ASSERT_EQ(std::size(cases), static_cast<std::size_t>(CHECK_LINE_COUNT));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.k);
    // A value that can be set and found again through the summary: the line's own slots.
    CheckSummary summary;
    set_check_summary_line(summary, 1, c.k, {12.5, -4, -2, 7.25, 1});
    EXPECT_EQ(summary.values[1][static_cast<std::size_t>(c.value_slot)], 12.5);
    EXPECT_EQ(summary.limits[1][static_cast<std::size_t>(c.limit_slot)], 7.25);
    EXPECT_EQ(summary.failed[1][static_cast<std::size_t>(c.k)], 1);
    EXPECT_EQ(summary.values[1][CV_PULLOUT_FROM_LEVEL], c.levels ? -4 : 0);
    EXPECT_EQ(check_line_row(c.k).levels, c.levels);
    EXPECT_EQ(check_value_never_negative(c.k), c.never_negative);
    EXPECT_TRUE(check_limit_sound(c.k, c.limit_most));
    EXPECT_FALSE(check_limit_sound(c.k, c.limit_most + 0.000001));
    EXPECT_TRUE(check_limit_sound(c.k, 0.000001));
    EXPECT_FALSE(check_limit_sound(c.k, 0.0000009));
  }
}

// Which bodies have which check: every body the sliding, overturning and bearing checks; the
// bodies of one mass (block, wall, lattice) the toe pressure and the shear; the bodies of
// walls (wall, lattice) the short walls' shear; only the wall body the pull-out (the lattice
// closes its soil in cells); only the tangent circles the internal stress. A pattern no body
// has, the three checks every body has.
TEST(CheckLines, EachPatternHasItsChecks) {
  struct Case {
    int pattern;
    const char* lines;  // the line numbers the pattern has
  } cases[] = {
      {PATTERN_BLOCK, "01234"},
      {PATTERN_WALL, "0123456"},
      {PATTERN_TANGENT_CIRCLES, "0127"},
      {PATTERN_LATTICE, "012345"},
      {4, "012"},
      {-1, "012"},
  };
  for (const Case& c : cases) {
    for (int k = 0; k < CHECK_LINE_COUNT; ++k)
      EXPECT_EQ(check_line_in_pattern(k, c.pattern),
                std::string(c.lines).find(static_cast<char>('0' + k)) != std::string::npos)
          << c.pattern << " " << k;
    EXPECT_FALSE(check_line_in_pattern(CHECK_LINE_COUNT, c.pattern));
    EXPECT_FALSE(check_line_in_pattern(-1, c.pattern));
  }
}

}  // namespace
}  // namespace qvt
