#pragma once
// The outline of a counterfort L-block (block type 5) in absolute section coordinates: the outer
// closed outline in points 0 .. outline_count - 1, then the points that separate its members.
#include "frontend/model/project.h"

#include <string>

namespace qvt::model {

inline constexpr int COUNTERFORT_LEANING_FACE = 3;  // sub_type of the wall whose front face leans

// Builds the outline of `c` from its parameters; no parameter is changed.
//  - A vertical front face on a front footing (any sub_type but 3): points 0 .. n + 9 by sums,
//    outline_count = n + 4 and tail = n + 8 (n = 4 with a haunched footing, sub_type 1, else 3).
//  - A leaning front face (sub_type 3): points 0 .. 14, rounded to 0.001, outline_count = 9;
//    tail is left as it was.
// A leaning face whose foot is not below the top of the body, or whose dimensions leave two of
// its construction lines parallel, is refused: the block is left unchanged and `refusal` says
// why (without naming the block); otherwise true.
bool build_counterfort_outline(CounterfortShape& c, std::string& refusal);

}  // namespace qvt::model
