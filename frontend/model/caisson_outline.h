#pragma once
// The outline of a parametric caisson (block types 2 and 3): the outer closed outline, then one
// point group per cell (the inside of the cell) and one per cell of dividing segments, all in
// absolute section coordinates in outline_x/outline_y.
#include "frontend/model/project.h"

#include <string>

namespace qvt::model {


// Builds the outline of `c` from its parameters. `cell_floor` is true for type 2 (U-shaped cells
// with bottom haunches above a cell floor), false for type 3 (cells open down to the base).
// Recipe 5 (no footings) sets the footing length, thickness and haunch to 0 in the block.
// A cell count outside 1..MAX_CAISSON_CELLS is refused: the block is left unchanged and `refusal`
// says why (without naming the block); otherwise true.
bool build_caisson_outline(CaissonShape& c, bool cell_floor, std::string& refusal);

}  // namespace qvt::model
