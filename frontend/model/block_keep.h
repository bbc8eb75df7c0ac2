#pragma once
// Keeping the improved-soil blocks of a project while another superstructure is taken over,
// and putting them back into the slots the new blocks leave empty.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/model/sibling_import.h"

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

// How the sibling's blocks and the kept ones are numbered.
enum class KeptBlockLabels {
  KeepSlotLabels,  // replace superstructure: label numbers are not cleared; a put-back block
                   // keeps the number its new slot held
  NumberBySlot,    // open answered "keep": label numbers cleared before the import; a put-back
                   // block is numbered by its slot
};

struct SuperstructureTakeover {
  enum class Outcome { Done, ImportFailed, NoSlot } outcome = Outcome::Done;
  int kept = 0;        // improved-soil blocks kept
  int empty_slots = 0; // empty slots the import left (for NoSlot)
};

// Takes the sibling's superstructure over into `m`, keeping its improved-soil blocks: keeps
// them and empties every slot, empties the shape library, (clears the label numbers,) imports
// <base>.TJ2 and its companions, and puts the kept blocks back after the sibling's. `m` is the
// caller's working copy: unless the outcome is Done it is left part way and must be dropped.
SuperstructureTakeover take_over_superstructure(ProjectModel& m, const std::string& base,
                                                SiblingImport& import, MessageSink& messages,
                                                KeptBlockLabels labels);

}  // namespace qvt::model
