#pragma once
// The front end's side of the block geometry check: what the engines would refuse after reading
// their input, the engines' input writer refuses before a run.
#include "frontend/model/project.h"

#include <string>

namespace qvt::model {

// The message for the first thing in the model the engines cannot compute (the improvement
// pattern, a used block named by its number and name, a top surcharge range), or "" when the
// model can be computed.
std::string engine_input_problem(const ProjectModel& m);

// Why the engines could not weigh this block record (its outline or sizes, by its type), or ""
// when they can; the same check the engines' input writer makes, for dialogs that refuse such a
// block before it is stored.
std::string block_problem(const ProjectModel& m, const WallBlock& block);

// The block of a slot named with what is wrong with it ("ブロックN《name》: reason"), as the
// engines' input check names it, or "" when the engines can weigh it or the slot is empty.
std::string named_block_problem(const ProjectModel& m, int slot);

}  // namespace qvt::model
