#pragma once
// Messages the block dialogs show (exclamation boxes with the application title), the pattern
// of their number boxes and what their unit weight boxes take.
#include "common/condition_ranges.h"

namespace qvt::dialogs {

inline constexpr const char* kMsgInputError = "入力に誤りがあります。";
inline constexpr const char* kMsgTopError = "上限値に誤りがあります。";
inline constexpr const char* kMsgTooManyVertices =
    "頂点数が100を超えるブロックは編集できません。";
inline constexpr const char* kNumberPattern = "###0.000";
// A unit weight box takes what a block can weigh: above 0 at the millimetre the box shows, so
// -18, 0 and 1e-320 go back where they are typed, not at "終了".
inline constexpr BoxInterval kUnitWeightBox = condition_box_interval(COND_BLOCK_UNIT_WEIGHT);

}  // namespace qvt::dialogs
