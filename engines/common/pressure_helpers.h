#pragma once
// Small routines the earth pressure engine and the engines after it share: decimal rounding
// with a guard against binary representation error, the area and centroid of a closed outline,
// one rounded shoelace term, world-to-page transforms of the figures, the load-case range of a
// run, the surcharge reset after reading the conditions, and a bounded zero-fill. Results must
// agree to the last digit in every engine that uses them: printed values and figure
// coordinates are derived from them.
#include "engines/common/condition_data.h"

#include <cstddef>

namespace qvt::engine {

// v rounded to n decimals (n a whole number, may be 0), halves away from zero. A guard of one
// unit in the sixteenth significant digit is added before the floor, so that a decimal half
// stored slightly below its value (2.675) still rounds up. Not the same as round_to_unit, which
// takes halves to the even neighbour: 2.0025 gives 2.003 here and 2.002 there.
double round_to_decimals(double v, double n);

// Area of the closed outline of `count` points (indices cyclic) and its label point (cx, cy)
// by the sums the figures have always used: exact for outlines with horizontal and vertical
// edges only; for inclined edges it is merely a point inside to put a label on, never a true
// centroid (the triangle (0,0), (3,0), (0,3) gives (1.5, 1.5), not (1, 1)). Fewer than three
// points, or a zero area, give 0 and (0, 0).
double compute_polygon_area_centroid(const double* x, const double* y, int count, double& cx,
                                     double& cy);

// (x[i-1] - x[i+1]) * y[i] with cyclic indices, rounded to 8 decimals. 0 for fewer than three
// points or an index outside 0..count-1.
double round_shoelace_term(const double* x, const double* y, int count, int i);

// World point (x, y) in m to page units: relative to the figure's reference point (x0, y0),
// rotated by the cosine c and sine s, scaled by k (or kx, ky) and moved to the page position
// (ox, oy) of the reference point.
int transform_to_page(double x, double y, double x0, double y0, double c, double s, double k,
                      double ox, double oy, double& X, double& Y);
int transform_to_page_xy(double x, double y, double x0, double y0, double c, double s,
                         double kx, double ky, double ox, double oy, double& X, double& Y);

// The load cases a run computes, first .. end - 1: seismic_check 0 the normal case only, 1 the
// seismic case only, anything else both.
int get_case_range(const ConditionData& data, int& first, int& end);

// Right after the conditions are read: an arbitrary ground surface has no slope angle; a
// straight surface in a normal-only run has no seismic surface surcharge.
int reset_surcharge_values(ConditionData& data);

// The largest block clear_array zero-fills.
inline constexpr std::size_t kClearArrayLimit = 65000;

// Sets size bytes to zero. A size above kClearArrayLimit (or negative) is refused with message
// 60 and the engine stops.
void clear_array(void* buffer, long size);

}  // namespace qvt::engine
