#pragma once
// Block outlines read by vertex index, whatever the block type stores, and the toe of the
// improved body: the origin about which the engines take every moment.
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"

namespace qvt::engine {

// Start value of toe_x and toe_y; they keep it when no improved-soil block exists.
inline constexpr double TOE_UNSET = 99999.99;

// The vertex index range first <= j < end of a slot's block:
//   types 0, 6: 0 .. vertex_count        types 1, 7: 10 .. 14 (the stored corners)
//   types 2, 3: 0 .. outline_count       type 5:     0 .. outline_count
//   types 4, 8: 0 .. 4 (the four corners)
// A count larger than its store is cut to the store and a negative count gives an empty
// range, so the range never leads outside the arrays. False, both outputs unchanged, for an
// empty slot (type -1), a type outside 0..8 and a slot outside 0..19: callers skip those.
bool get_block_vertex_range(const ConditionData& data, int slot, int& first, int& end);

// Absolute position of vertex j of a slot's block: types 0 and 6 relative to the reference
// point, types 1 and 7 as stored, types 2 and 3 the single-precision caisson outline rounded to
// 0.001, type 5 the counterfort outline, types 4 and 8 the corners. False, outputs unchanged,
// when the slot has no range or j lies outside the store of its type.
bool get_block_vertex(const ConditionData& data, int slot, int j, double& x, double& y);

// Sets toe_x and toe_y to the toe of the improved body. Both start at TOE_UNSET; the slots are
// visited in order: a type-6 vertex takes both values when its x is not greater than toe_x and
// its y is below toe_y; a type-7 block lowers toe_x to its ref_x and toe_y to its ref_y, each
// where it is smaller. False when no block of type 6 or 7 exists: the toe then stays at
// TOE_UNSET and no moment about it means anything, so the engine must stop.
bool find_toe_point(ConditionData& data);

// find_toe_point for a main routine: the stop to return when there is no improved-soil block.
[[nodiscard]] Status require_toe_point(ConditionData& data);

// The error text of that stop (CP932).
std::string missing_toe_text();

}  // namespace qvt::engine
