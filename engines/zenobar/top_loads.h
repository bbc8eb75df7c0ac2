#pragma once
// The wall-top surcharge loads of the case being computed, as the load tables list them.
#include <vector>

namespace qvt::zenobar {

struct TopLoad {
  double w = 0;   // vertical load, kN/m
  double x = 0;   // arm about toe_x
  double m = 0;   // w·x
  double h = 0;   // seismic horizontal load (0 in the normal case)
  double y = 0;   // arm about toe_y
  double mh = 0;  // h·y
};

// The loads last computed, in their order.
const std::vector<TopLoad>& top_surcharge_rows();
// Replaces the kept loads (by the main routine for each case, and by tests).
void set_top_surcharge_rows(std::vector<TopLoad> rows);

}  // namespace qvt::zenobar
