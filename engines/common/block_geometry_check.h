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

}  // namespace qvt::engine
