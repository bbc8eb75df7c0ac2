#pragma once
// ZENOBAR's main routine.
namespace qvt::zenobar {

// Runs the whole engine in the current (work) folder: reads the condition files, computes both
// cases, writes the block reports, CAL_ANS.DAT and CAL_ANS.TXT. Returns 0; a fatal finding
// ends the process with exit code 1 after its message.
int run_block_weights();

}  // namespace qvt::zenobar
