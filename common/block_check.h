#pragma once
// The checks of block geometry that the front end makes before it writes the engines' input
// and the engines make again after reading it: a block whose outline or sizes cannot be weighed
// is refused with the reason, never weighed into a wrong result. Qt-free and shared, so both
// sides refuse exactly the same blocks.
#include "common/section_limits.h"

#include <array>
#include <span>
#include <string>

namespace qvt {

// An outline vertex or a value the user has not set.
inline constexpr double UNSET_VALUE = 9999.0;

// What the checks need of one block slot, copied out of the front end's model or the engines'
// condition data (the two hold the same file in different records).
struct BlockCheckInput {
  int block_type = -1;
  int sub_type = 0;
  // Types 0 and 6: the vertices relative to the reference point; types 1 and 7: width and
  // height in vertex 0.
  int vertex_count = 0;
  std::array<double, POLYGON_VERTICES> vertex_x{}, vertex_y{};
  // Types 2, 3 and 5.
  int flag_a = 0, flag_b = 0;
  double dims_a[4][4] = {};
  double dims_b[2][8] = {};
  int part_count = 0;
  double part_values[4][8] = {};
  // Type 8: the length L of the library entry the block takes.
  double library_length = 0;
};

// The improved body's plan sizes that the wall and lattice patterns weigh with.
struct BodyCheckInput {
  int improvement_pattern = 0;  // ImprovementPattern, or the unknown value a file holds
  double ll = 0, ls = 0, bs = 0, bl1 = 0, bl2 = 0;
  bool has_soil_blocks = false;  // any used block of type 6 or 7
};

// One top surcharge range as the conditions file holds it.
struct TopRangeInput {
  double x_min = 0, x_max = 0;
  double load[2] = {};
};

// Why an outline of `count` vertices cannot be divided and weighed, or "" when it can: a vertex
// left unset, fewer than 3 distinct vertices, no area, two edges that cross or touch, or a
// counter-clockwise order (the outlines run clockwise with y up). Texts are UTF-8.
std::string outline_problem(std::span<const double> x, std::span<const double> y, int count);

// Why a used block cannot be weighed, or "": its outline (types 0 and 6), or a size that the
// tables multiply or divide with and that is not positive (not negative where 0 means "none"),
// or haunches that do not fit their cells.
std::string block_geometry_problem(const BlockCheckInput& block);

// The unit weights of BlockHead.unit_weights (0 wet, above the R.W.L.; 1 submerged; 2 saturated,
// below the R.W.L.) that a block of `block_type` is weighed with, flagged in that order. The
// polygons and rectangles, plain and improved soil, take all three: the wet weight above the
// level, the saturated below it, the buoyancy as saturated less submerged (and the toe part's
// weight as submerged). A caisson weighs its concrete with the wet weight and its buoyancy with
// the water's; a footing caisson and a counterfort take the wet weight and the submerged one
// for their buoyancy (wet less submerged); a library shape the wet weight alone. A four-corner
// block derives both from its weight and sizes and takes none of the file's; an empty slot none.
std::array<bool, 3> unit_weights_used(int block_type);

// Why a block cannot be weighed with its unit weights, or "": one its type takes
// (unit_weights_used) that is not above 0 at the 0.001 kN/m3 the files carry. No material
// weighs nothing or less; a weight of 0 would drop the block from every sum. The text names the
// weight and its value (UTF-8).
std::string unit_weight_problem(int block_type, std::span<const double> unit_weights);

// Why the sloped part of a counterfort (sub-types other than 3) cannot be weighed, or "": its
// height H - D - Hr below 0 at the millimetre the system works to, which would put the part
// that spans the heel above the top of the block. A height of 0 is a counterfort without a
// slope, the heel part reaching the top, and is weighed so. The front end's check and the block
// weight engine both take this rule.
std::string counterfort_slope_problem(double h, double d, double hr);

// Why the improvement pattern cannot be computed, or "": an unknown pattern, or in the wall and
// lattice patterns with improved-soil blocks to weigh a long-wall length that is not positive or
// a negative size.
std::string improvement_problem(const BodyCheckInput& body);

// Why a top surcharge range cannot be loaded, or "": a present range (any value not 0) whose
// start lies beyond its end. `range` counts from 0; the text names it from 1.
std::string top_range_problem(const TopRangeInput& range, int range_index);

// The top surcharge ranges the engines load.
inline constexpr int TOP_RANGES_LOADED = 3;

}  // namespace qvt
