#pragma once
// Cuts of a polygon block's outline: at the residual water level, where a block's unit weight
// changes (the weights and the block division figure cut alike, so the figure shows the pieces
// that were weighed), and at a vertical (the shear check's division). A cutting line always
// spans the whole outline, so a block far from the origin is cut like any other.
#include "engines/common/condition_data.h"

#include <vector>

namespace qvt::engine {

struct OutlinePoint {
  double x = 0;
  double y = 0;
};

// The absolute outline of a polygon block (types 0 and 6), vertices in stored order (at most
// the 118 a block record holds; a negative count gives none).
std::vector<OutlinePoint> polygon_outline(const WallBlock& block);

// The part of a closed outline on one side of the level y = `level`: the upper part keeps the
// vertices at or above it, the lower part those at or below it (a vertex on the level belongs
// to both), with the crossing points of the edges that cross the level inserted in walk order.
std::vector<OutlinePoint> cut_outline_at_level(const std::vector<OutlinePoint>& outline,
                                               double level, bool upper);

// The part of a closed outline at or left of the vertical x = `x` (vertices with x at most
// `x`), with the crossing points of the edges that meet the vertical inserted in walk order.
// The crossings alone, in the same order, go to `crossings` when given.
std::vector<OutlinePoint> cut_outline_left_of(const std::vector<OutlinePoint>& outline, double x,
                                              std::vector<OutlinePoint>* crossings = nullptr);

}  // namespace qvt::engine
