#pragma once
// The classes of the clay check's three lists that fit a case, as a checking engineer chooses
// them from the table: the class at or above tan(theta) ("0.25以上" beyond 0.25) and at or above
// 2e/B, since a steeper or more eccentric load lowers a; the class at or below B k / c0 (the
// lowest class below it), since a weaker gradient lowers b. So Nc is never read from a class
// kinder than the case. An eccentricity beyond the last class has no fitting class: -1.
#include "frontend/model/display_text.h"
#include "frontend/results/clay_check.h"

#include <array>

namespace qvt::results::testing {

inline double clay_class_value(int list, int position) {
  return model::leading_number(clay_list_item(list, position));
}

inline std::array<int, kClayListCount> fitting_clay_classes(double tan_theta, double ratio,
                                                            double strength) {
  std::array<int, kClayListCount> p{-1, -1, 1};
  for (int i = 1; i < kSteepInclination && p[0] < 0; ++i)
    if (clay_class_value(0, i) >= tan_theta) p[0] = i;
  if (p[0] < 0) p[0] = kSteepInclination;
  for (int j = 1; j < kClayListSizes[1] && p[1] < 0; ++j)
    if (clay_class_value(1, j) >= ratio) p[1] = j;
  for (int k = 1; k < kClayListSizes[2]; ++k)
    if (clay_class_value(2, k) <= strength) p[2] = k;
  return p;
}

}  // namespace qvt::results::testing
