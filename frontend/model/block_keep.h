#pragma once
// Keeping the improved-soil blocks of a project while another superstructure is taken over,
// and putting them back into the slots the new blocks leave empty.
#include "frontend/model/project.h"

#include <array>

namespace qvt::model {

struct KeptSoilBlocks {
  std::array<i16, MAX_WALL_BLOCKS + 1> held_types{};  // type of each kept block, in slot order
  int count = 0;
};

// Records every improved-soil block (type 6 or 7) in slot order: its type, and its polygon
// section in `held_section` of slots 0, 1, ... Then every slot is emptied.
KeptSoilBlocks keep_soil_blocks(ProjectModel& m);

// Empties the shape library.
void empty_shape_library(ProjectModel& m);

// The number of empty slots (type -1) among the 20.
int empty_slot_count(const ProjectModel& m);

// Puts the kept blocks into the empty slots in slot order, keeping their order: the slot takes
// the kept type and the polygon section from `held_section`. With `label_by_slot` the label
// number of such a slot becomes its slot number; otherwise it keeps the number it had. False,
// changing nothing, when there are fewer empty slots than kept blocks.
bool put_back_soil_blocks(ProjectModel& m, const KeptSoilBlocks& kept, bool label_by_slot);

}  // namespace qvt::model
