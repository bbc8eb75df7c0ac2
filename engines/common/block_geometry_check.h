#pragma once
// The check every engine makes right after reading the condition files: the blocks' outlines
// and sizes, the improvement pattern and the top surcharge ranges must be ones the engines can
// compute. The front end refuses the same data before it writes the engines' input; the
// engines check again, because the files are theirs to trust or not.
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"

namespace qvt::engine {

// Success, or a stop with one error box naming the first block (or range) that cannot be
// computed and why. Only used slots (block type not negative) are looked at; the top surcharge
// ranges only when they are not ignored.
[[nodiscard]] Status check_block_geometry(const ConditionData& data);

// Success, or a stop with one error box naming the first used block (slot and name) with a unit
// weight its type is weighed with that is not above 0, and the value (common/block_check.h,
// unit_weight_problem). Every engine reads the block file through read_block_file, which makes
// this check, so none of them prints, draws or weighs a block of no material.
[[nodiscard]] Status check_block_unit_weights(const ConditionData& data);

// Success, or a stop with one error box when the improved body of the conditions file and the
// improved-soil blocks (types 6 and 7) of the block file describe different bodies: the blocks'
// seaward edge against X, their extent across against the width B, and their lowest points at
// the seaward and the landward edge against Dh1 and Dh2, and the reference level of every
// sloped layer (type 6), measured from the body's reference point, against Y, each to half a
// millimetre. The message names both values. The engines compute with both (B for the ground reaction, the blocks for
// the weights), so a body of width 19 weighed as a block of width 2 would give numbers that
// belong to no section. Without improved-soil blocks there is nothing to compare.
[[nodiscard]] Status check_body_blocks(const ConditionData& data);

}  // namespace qvt::engine
