#pragma once
// The values each calculation option of QVT_DAT.CST can take. The front end's reader, the
// engines' reader and the options dialog all hold the file to this one table, so a value that
// no soil or design has (K0 = 1e6, a rule code 7) is refused with the file's message wherever
// it is met, instead of being computed with.
//
//   line  field                         range      why
//   1     wall_friction_angle δ         0 .. 90    an angle of friction, degrees; the engines
//                                                  put the sign on for the passive side
//   2     clay_collapse_angle (2)       0 .. 90    angles of a failure plane, degrees
//   3     consolidation_coef_kc         0 .. 2     a ratio of horizontal to vertical stress
//   4     at_rest_coef_k0               0 .. 2     likewise; about 0.4..0.6 for normally
//                                                  consolidated soil, towards 2 only for heavily
//                                                  overconsolidated clay
//   5     surface_dummy_length (m)      0 .. SECTION_EXTENT_LIMIT   a length of the section
//   6     negative_root_rule            0 .. 3     the dialog's four choices
//   7     toe_confinement_rule          0 .. 2     three choices
//   8     surcharge_method              0 .. 2     three choices
//   9     seismic_rounding              0 .. 1     two choices
//   10    residual_water_rule           0 .. 1     two choices
//   11    front_water_rule              0 .. 1     two choices
//   12    pullout_pitch (m)             0.001 .. SECTION_EXTENT_LIMIT   a depth step above 0,
//                                                  at least the millimetre the dialog shows:
//                                                  a pitch of 0 would take no steps, and the
//                                                  pull-out check would lose them in silence
//                                                  (a 14-line file that lost its line 12 reads
//                                                  as the 13-line layout with the pitch 0)
//   13    backfill_vertical_ignored     0 .. 1     a check box
//   14    passive_vertical_ignored      0 .. 1     a check box
#include "common/section_limits.h"

namespace qvt {

// The fifteen values of the file, in file order.
enum OptionValue {
  OPTION_WALL_FRICTION_ANGLE,
  OPTION_CLAY_COLLAPSE_NORMAL,
  OPTION_CLAY_COLLAPSE_NEGATIVE_ROOT,
  OPTION_CONSOLIDATION_KC,
  OPTION_AT_REST_K0,
  OPTION_SURFACE_DUMMY_LENGTH,
  OPTION_NEGATIVE_ROOT_RULE,
  OPTION_TOE_CONFINEMENT_RULE,
  OPTION_SURCHARGE_METHOD,
  OPTION_SEISMIC_ROUNDING,
  OPTION_RESIDUAL_WATER_RULE,
  OPTION_FRONT_WATER_RULE,
  OPTION_PULLOUT_PITCH,
  OPTION_BACKFILL_VERTICAL_IGNORED,
  OPTION_PASSIVE_VERTICAL_IGNORED,
  OPTION_VALUES,
};

struct OptionRange {
  int line;  // the line of QVT_DAT.CST that holds the value, from 1
  double lo, hi;
};

inline constexpr OptionRange OPTION_RANGES[OPTION_VALUES] = {
    {1, 0, 90},
    {2, 0, 90},
    {2, 0, 90},
    {3, 0, 2},
    {4, 0, 2},
    {5, 0, SECTION_EXTENT_LIMIT},
    {6, 0, 3},
    {7, 0, 2},
    {8, 0, 2},
    {9, 0, 1},
    {10, 0, 1},
    {11, 0, 1},
    {12, 0.001, SECTION_EXTENT_LIMIT},
    {13, 0, 1},
    {14, 0, 1},
};

// Lines of the file: 14; files written before the passive pressure's vertical component could
// be chosen end after line 13.
inline constexpr int OPTIONS_FILE_LINES = 14;
inline constexpr int OPTIONS_FILE_LINES_OLD = 13;

// Whether `v` is a value the option can take (false for NaN).
inline constexpr bool option_in_range(OptionValue which, double v) {
  return v >= OPTION_RANGES[which].lo && v <= OPTION_RANGES[which].hi;
}

}  // namespace qvt
