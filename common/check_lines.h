#pragma once
// The check lines of the check summary CAL_ANZ.DAT, one row each: where a line's numbers live in
// the stability engines' summary, how its verdict is judged, which improvement patterns have the
// check, and the names the engines' messages, the results table and its text export give it.
// Every part of the program that names a check line reads it here, so a line added or changed
// is added or changed once.
#include "common/condition_ranges.h"
#include "common/improvement_pattern.h"

namespace qvt {

// The lines of a case, in the file's order.
enum CheckLineIndex : int {
  CHECK_SLIDING = 0,
  CHECK_OVERTURNING = 1,
  CHECK_BEARING = 2,           // the maximum ground reaction against the allowable bearing
  CHECK_TOE_PRESSURE = 3,
  CHECK_SHEAR = 4,             // the long wall's (the block's) shear stress
  CHECK_SHORT_WALL_SHEAR = 5,
  CHECK_PULLOUT = 6,           // the one line of five items: factor, from level, to level, ...
  CHECK_INTERNAL_STRESS = 7,
};
inline constexpr int CHECK_LINE_COUNT = 8;

// The check summary's numbers as the stability engines hold them per case (CheckSummary,
// common/check_summary_format.h). Two lines share the allowable shear stress.
enum CheckValueIndex : int {
  CV_SLIDING_FS = 0,
  CV_OVERTURNING_FS = 1,
  CV_MAX_REACTION = 2,
  CV_TOE_STRESS = 3,
  CV_SHEAR_STRESS = 4,
  CV_SHORT_WALL_SHEAR_STRESS = 5,
  CV_PULLOUT_FS = 6,
  CV_PULLOUT_FROM_LEVEL = 7,
  CV_PULLOUT_TO_LEVEL = 8,
  CV_INTERNAL_STRESS = 9,
};
inline constexpr int CHECK_VALUE_SLOTS = 10;
enum CheckLimitIndex : int {
  CL_REQUIRED_SLIDING_FS = 0,
  CL_REQUIRED_OVERTURNING_FS = 1,
  CL_ALLOWABLE_BEARING = 2,
  CL_ALLOWABLE_COMPRESSIVE_STRESS = 3,
  CL_ALLOWABLE_SHEAR_STRESS = 4,
  CL_REQUIRED_PULLOUT_FS = 5,
  CL_INTERNAL_STRESS_LIMIT = 6,
};
inline constexpr int CHECK_LIMIT_SLOTS = 7;

// How a line's value is judged against its limit. Equality always passes, as in the checks.
enum class CheckRelation {
  // A safety factor must reach its required factor.
  factor_at_least,
  // A pressure or stress must not exceed its allowable value.
  stress_at_most,
  // A shear stress of either sign must not exceed the allowable value in magnitude.
  magnitude_at_most,
};

// The least limit above 0 that the file's six decimals carry; a limit of 1e-300 is written by no
// engine, and would pass a factor of 0.
inline constexpr double CHECK_LIMIT_LEAST = 0.000001;

inline constexpr unsigned check_pattern_bit(int pattern) { return 1u << pattern; }

struct CheckLineRow {
  CheckLineIndex line;
  CheckValueIndex value_slot;
  CheckLimitIndex limit_slot;
  // The line carries the levels between which the factor holds (CV_PULLOUT_FROM_LEVEL and
  // CV_PULLOUT_TO_LEVEL): five items instead of three.
  bool levels;
  CheckRelation relation;
  // The value is a quantity no ground or body can have below 0: the maximum ground reaction,
  // and the internal stress of a tangent-circle body, which stands on it. The toe pressure is
  // the reaction less a confining pressure and may be below 0; the shear stresses carry a sign.
  bool never_negative;
  // The largest limit the line can carry: a required safety factor up to the conditions file's
  // range of safety factors, an allowable stress or bearing capacity up to STRESS_LIMIT, above
  // any concrete and any ground a quay stands on. The least is CHECK_LIMIT_LEAST.
  double limit_most;
  // The improvement patterns whose bodies have the check (check_pattern_bit of each).
  unsigned patterns;
  // UTF-8 names: in the engines' messages, in the text export, and the row title of the results
  // table. `table_title_alone` is the title where the pattern has no short-wall shear beside
  // it (the block body); null where the title is always the same.
  const char* message_name;
  const char* export_label;
  const char* table_title;
  const char* table_title_alone;
  // The row of the results table that shows the line. The tangent-circle body's internal stress
  // stands in the toe pressure's row, which no such body has; `row_name` names the row's widgets
  // and is null on the line that borrows the row.
  int table_row;
  const char* row_name;
};

inline constexpr unsigned CHECK_ALL_PATTERNS =
    check_pattern_bit(PATTERN_BLOCK) | check_pattern_bit(PATTERN_WALL) |
    check_pattern_bit(PATTERN_TANGENT_CIRCLES) | check_pattern_bit(PATTERN_LATTICE);
inline constexpr unsigned CHECK_BODIES_OF_ONE_MASS =
    check_pattern_bit(PATTERN_BLOCK) | check_pattern_bit(PATTERN_WALL) |
    check_pattern_bit(PATTERN_LATTICE);

inline constexpr double CHECK_FACTOR_MOST = CONDITION_RANGES[COND_SAFETY_FACTOR].hi;

inline constexpr CheckLineRow CHECK_LINES[CHECK_LINE_COUNT] = {
    {CHECK_SLIDING, CV_SLIDING_FS, CL_REQUIRED_SLIDING_FS, false,
     CheckRelation::factor_at_least, false, CHECK_FACTOR_MOST, CHECK_ALL_PATTERNS,
     "滑動の検討", "滑動", "滑 動", nullptr, 0, "sliding"},
    {CHECK_OVERTURNING, CV_OVERTURNING_FS, CL_REQUIRED_OVERTURNING_FS, false,
     CheckRelation::factor_at_least, false, CHECK_FACTOR_MOST, CHECK_ALL_PATTERNS,
     "転倒の検討", "転倒", "転 倒", nullptr, 1, "overturning"},
    {CHECK_BEARING, CV_MAX_REACTION, CL_ALLOWABLE_BEARING, false,
     CheckRelation::stress_at_most, true, STRESS_LIMIT, CHECK_ALL_PATTERNS,
     "支持力の検討", "支持力", "支持力", nullptr, 2, "bearing"},
    {CHECK_TOE_PRESSURE, CV_TOE_STRESS, CL_ALLOWABLE_COMPRESSIVE_STRESS, false,
     CheckRelation::stress_at_most, false, STRESS_LIMIT, CHECK_BODIES_OF_ONE_MASS,
     "端趾圧の検討", "端趾圧", "端趾圧", nullptr, 3, "toe_pressure"},
    {CHECK_SHEAR, CV_SHEAR_STRESS, CL_ALLOWABLE_SHEAR_STRESS, false,
     CheckRelation::magnitude_at_most, false, STRESS_LIMIT, CHECK_BODIES_OF_ONE_MASS,
     "せん断応力度の検討", "せん断(壁式の長壁)", "せん断 長壁", "せん断", 4, "shear_long_wall"},
    {CHECK_SHORT_WALL_SHEAR, CV_SHORT_WALL_SHEAR_STRESS, CL_ALLOWABLE_SHEAR_STRESS, false,
     CheckRelation::magnitude_at_most, false, STRESS_LIMIT,
     check_pattern_bit(PATTERN_WALL) | check_pattern_bit(PATTERN_LATTICE),
     "短壁のせん断応力度の検討", "せん断(壁式の短壁)", "せん断 短壁", nullptr, 5, "shear_short_wall"},
    // A lattice body encloses its unimproved soil in cells: no pull-out check.
    {CHECK_PULLOUT, CV_PULLOUT_FS, CL_REQUIRED_PULLOUT_FS, true,
     CheckRelation::factor_at_least, false, CHECK_FACTOR_MOST, check_pattern_bit(PATTERN_WALL),
     "抜け出しの検討", "抜け出し", "抜け出し", nullptr, 6, "pullout"},
    {CHECK_INTERNAL_STRESS, CV_INTERNAL_STRESS, CL_INTERNAL_STRESS_LIMIT, false,
     CheckRelation::stress_at_most, true, STRESS_LIMIT, check_pattern_bit(PATTERN_TANGENT_CIRCLES),
     "内部応力の検討", "内部応力(接円式)", "内部応力", nullptr, 3, nullptr},
};

// Each row stands at its line's index, so a line can be looked up by its number.
inline constexpr bool check_lines_in_order() {
  for (int k = 0; k < CHECK_LINE_COUNT; ++k)
    if (CHECK_LINES[k].line != k) return false;
  return true;
}
static_assert(check_lines_in_order());

// The row of line k, 0 <= k < CHECK_LINE_COUNT.
inline constexpr const CheckLineRow& check_line_row(int k) { return CHECK_LINES[k]; }

// Whether the body of `pattern` has check k. An unknown pattern has the checks every pattern has.
inline constexpr bool check_line_in_pattern(int k, int pattern) {
  if (k < 0 || k >= CHECK_LINE_COUNT) return false;
  const unsigned patterns = CHECK_LINES[k].patterns;
  return known_improvement_pattern(pattern) ? (patterns & check_pattern_bit(pattern)) != 0
                                            : patterns == CHECK_ALL_PATTERNS;
}

}  // namespace qvt
