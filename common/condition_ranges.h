#pragma once
// The values each physical quantity of the conditions file (QVTAJKN.CAL, the project's .MSJ)
// can take. The pages' number boxes and every engine's reader hold the quantity to this one
// table, so a value that no ground, water or load has (a negative seismic coefficient, a water
// unit weight of 0, a friction angle of -5 degrees) is refused where it is typed and where it is
// read, instead of being computed with. The limits are those no real ground or load can pass;
// they do not judge whether a design is sensible.
//
//   quantity                      file lines             unit    range     why
//   improvement ratio ap          8                      %       (0, 100]  a share of the area
//   water unit weight γw          10                     kN/m3   (0, 20]   water, sea water or
//                                                                          brine; 0 drops every
//                                                                          water pressure
//   required safety factors       13-16                  -       (0, 100]  0 would pass any check
//   allowable stresses            17-19                  kN/m2   [0, 1e5]  up to 100 N/mm2, above
//                                                                          any concrete; 0 = none
//   seismic coefficients          28-30                  -       [0, 1]    k = 1 is a horizontal
//     (earth, apparent, inertia)                                           acceleration of g
//   regional seismic coefficient  31                     -       [0, 1]    likewise
//   ground type factor            32                     -       [0, 3]    a multiplier near 1
//   importance factor             33                     -       [0, 3]    likewise
//   liquefied pressure coef.      34                     -       [0, 1]    1 = fluid pressure
//   slope angles (surface, seabed) 79, 80                 degrees (-90, 90) a slope, not a wall
//   embankment unit weights       82, 83                 kN/m3   [0, 100]  0 = no fill layer
//   surcharges                    132-133, 136-137,      kN/m2   [0, 1e4]  a load on the ground
//                                 140-141                                  presses on it
//   bearing layer unit weight     144                    kN/m3   (0, 100]  soil has weight
//   shape factor β                145                    -       [0, 10]
//   mean N value                  146                    -       [0, 1000] a blow count
//   friction angles φ             148, soil layers       degrees [0, 60]   no soil is steeper
//   bearing factors Nr, Nq        149, 150               -       [0, 1e4]  above the charts at 60°
//   cohesion c                    151, soil layers       kN/m2   [0, 1e4]  soil has no tension
//   friction coefficient μ        154                    -       [0, 2]    tan 63°, above any φ
//   soil unit weights (air,       soil layers            kN/m3   (0, 100]  soil has weight; 0 in
//     submerged)                                                           a record not in use
//   slurry unit weight            soil layers            kN/m3   (0, 100]  0 where not liquefied
//   body reaction                 512, 518               kN/m2   [0, 1e4]  the body presses on
//                                                                          the ground
//   bearing cohesion gradient K   152                    kN/m3   [0, 1e4]  c = Co + K z would
//                                                                          turn to tension
//                                                                          with depth
//   spread angle, less 30         511, 517               degrees [-30, 60) the angle shown,
//                                                                          0 up to 90, less
//                                                                          the 30 the file
//                                                                          leaves out; at 90
//                                                                          the spread is
//                                                                          endless
//   block unit weights            block file (saturated, kN/m3   (0, 100]  a block has weight
//                                 wet, submerged)                          (the engines hold
//                                                                          the lower end only:
//                                                                          common/block_check.h)
//
// Quantities marked "0 in a record not in use" are held to their range only in records the
// engines compute with (the soil layers within a side's count, the liquefied ones for the
// slurry); the file carries zeros in the others.
#include "common/section_limits.h"

namespace qvt {

enum ConditionQuantity {
  COND_IMPROVEMENT_RATIO,
  COND_WATER_UNIT_WEIGHT,
  COND_SAFETY_FACTOR,
  COND_ALLOWABLE_STRESS,
  COND_SEISMIC_COEF,
  COND_REGIONAL_COEF,
  COND_GROUND_TYPE_FACTOR,
  COND_IMPORTANCE_FACTOR,
  COND_LIQUEFIED_PRESSURE_COEF,
  COND_SLOPE_ANGLE,
  COND_FILL_UNIT_WEIGHT,
  COND_SURCHARGE,
  COND_BEARING_UNIT_WEIGHT,
  COND_SHAPE_FACTOR,
  COND_MEAN_N,
  COND_FRICTION_ANGLE,
  COND_BEARING_FACTOR,
  COND_COHESION,
  COND_FRICTION_COEF,
  COND_SOIL_UNIT_WEIGHT,
  COND_SLURRY_UNIT_WEIGHT,
  COND_BODY_REACTION,
  COND_BEARING_COHESION_GRADIENT,
  COND_SPREAD_ANGLE,
  COND_BLOCK_UNIT_WEIGHT,
  COND_QUANTITIES,
};

struct ConditionRange {
  double lo, hi;
  bool lo_open, hi_open;  // the end itself is outside the range
  // 0 marks a record that is not in use (a soil layer beyond the count); such a record is
  // held only to not being below 0.
  bool zero_when_unused;
  const char* caption;  // as the pages name the quantity
  const char* unit;
};

inline constexpr double SURCHARGE_LIMIT = 10000.0;   // kN/m2
inline constexpr double STRESS_LIMIT = 100000.0;     // kN/m2
inline constexpr double UNIT_WEIGHT_LIMIT = 100.0;   // kN/m3

inline constexpr ConditionRange CONDITION_RANGES[COND_QUANTITIES] = {
    {0, 100, true, false, false, "改良率 ap", "%"},
    {0, 20, true, false, false, "水の単位体積重量", "kN/m3"},
    {0, 100, true, false, false, "安全率", "-"},
    {0, STRESS_LIMIT, false, false, false, "許容応力度・設計基準強度", "kN/m2"},
    {0, 1, false, false, false, "設計震度・見かけの震度", "-"},
    {0, 1, false, false, false, "地域別震度", "-"},
    {0, 3, false, false, false, "地盤種別係数", "-"},
    {0, 3, false, false, false, "重要度係数", "-"},
    {0, 1, false, false, false, "液状化層の土圧係数", "-"},
    {-90, 90, true, true, false, "傾斜角", "度"},
    {0, UNIT_WEIGHT_LIMIT, false, false, false, "盛土層の単位体積重量", "kN/m3"},
    {0, SURCHARGE_LIMIT, false, false, false, "上載荷重", "kN/m2"},
    {0, UNIT_WEIGHT_LIMIT, true, false, false, "支持層の単位体積重量", "kN/m3"},
    {0, 10, false, false, false, "形状係数 β", "-"},
    {0, 1000, false, false, false, "平均Ｎ値", "-"},
    {0, 60, false, false, false, "内部摩擦角 φ", "度"},
    {0, 10000, false, false, false, "支持力係数 Ｎｒ・Ｎｑ", "-"},
    {0, 10000, false, false, false, "粘着力 Ｃ", "kN/m2"},
    {0, 2, false, false, false, "摩擦係数 μ", "-"},
    {0, UNIT_WEIGHT_LIMIT, true, false, true, "土層の単位体積重量", "kN/m3"},
    {0, UNIT_WEIGHT_LIMIT, true, false, true, "泥水の単位体積重量", "kN/m3"},
    {0, SURCHARGE_LIMIT, false, false, false, "本体工の地盤反力", "kN/m2"},
    {0, 10000, false, false, false, "粘着勾配 Ｋ", "kN/m3"},
    {-30, 60, false, true, false, "分散角", "度"},
    {0, UNIT_WEIGHT_LIMIT, true, false, false, "ブロックの単位体積重量", "kN/m3"},
};

// Whether `v` is a value the quantity can take (false for NaN).
inline constexpr bool condition_in_range(ConditionQuantity which, double v) {
  const ConditionRange& r = CONDITION_RANGES[which];
  const bool above = r.lo_open ? v > r.lo : v >= r.lo;
  const bool below = r.hi_open ? v < r.hi : v <= r.hi;
  return above && below;
}

// The same for a record that may be out of use: there 0 stands for "not given" where the
// quantity allows it.
inline constexpr bool condition_in_range(ConditionQuantity which, double v, bool in_use) {
  if (!in_use && CONDITION_RANGES[which].zero_when_unused && v == 0) return true;
  return condition_in_range(which, v);
}

// The closed interval a number box of the quantity takes: an open end becomes the nearest
// value inside it at the millimetre (0.001) a box shows, so a box never takes a value the
// readers refuse. A quantity whose 0 means "not given" takes 0 in its box too.
struct BoxInterval {
  double lowest, highest;
};
inline constexpr BoxInterval condition_box_interval(ConditionQuantity which) {
  const ConditionRange& r = CONDITION_RANGES[which];
  constexpr double kStep = 0.001;
  double lowest = r.lo_open ? r.lo + kStep : r.lo;
  if (r.zero_when_unused && r.lo == 0) lowest = 0;
  const double highest = r.hi_open ? r.hi - kStep : r.hi;
  return {lowest, highest};
}

}  // namespace qvt
