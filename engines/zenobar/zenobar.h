#pragma once
// ZENOBAR's main routine.
#include "engines/common/engine_entry.h"

namespace qvt::zenobar {

// Runs the whole engine in the current (work) folder: reads the condition files, computes the
// normal and (when the seismic check is on) the seismic case, writes the block reports
// DM000BLK.PDT / DM100BLK.PDT with their generated tables, CAL_ANS.DAT and CAL_ANS.TXT.
// A stop carries the messages to show before the engine ends with exit code 1.
engine::Status run_block_weights();

// Sets run_data.short_wall_bottom_level from the highest-standing type-7 block: its top minus
// the depth ds of the short walls. Left as it is without a type-7 block.
void compute_short_wall_bottom();

// The checks made before anything is computed: every number the engine computes from is
// finite, and every caisson or counterfort block has a positive length.
engine::Status check_block_weight_inputs();

}  // namespace qvt::zenobar
