#pragma once
// SAVELIN, the first engine of every calculation run. It computes nothing: it prints the input
// conditions of the project, so the printed calculation report opens with the conditions it was
// computed from. Values are printed as read, through fixed print formats; nothing is rounded.
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"
#include "engines/common/condition_readers.h"
#include "engines/common/print_data.h"

#include <cstddef>
#include <filesystem>

namespace qvt::savelin {

inline constexpr const char* kDesignConditionsReport = "DM0000JK.PDT";
inline constexpr const char* kBlockConditionsReport = "DM0000JS.PDT";
inline constexpr const char* kConditionListing = "QVT_CHEK.TMP";
inline constexpr const char* kInputChecklist = "DM0000CK.PDT";
// The checklist shows the listing on at most this many text pages of this many lines.
inline constexpr std::size_t kChecklistPages = 10;
inline constexpr std::size_t kChecklistPageLines = 60;

// The main routine: reads the condition files from the current (work) folder, stamps the run
// and writes the reports. A stop carries the messages to show before exit code 1.
engine::Status run_design_conditions_report();

// The design conditions report DM0000JK.PDT from the condition data, into an open print file.
void write_design_conditions(const engine::ConditionData& data, engine::PrintFile& file);

// The parts of the report set that follow the design conditions, each a step of its own called
// in the run's order, in the current (work) folder; a file that cannot be created, written or
// read back stops the engine with a message.
//
// The block conditions report DM0000JS.PDT: title, stamp line, the block pages, "$E".
void write_block_conditions(const engine::ConditionData& data);
// The record groups of every used block in the order of their label numbers (0..19; others are
// left out), the first group on a new page ("$1"), each later one after its keep record.
void write_block_pages(const engine::ConditionData& data, engine::PrintFile& file);
// The condition listing QVT_CHEK.TMP: every input condition as plain CP932 text lines.
void write_condition_listing(const engine::ConditionData& data);
void write_condition_listing(const engine::ConditionData& data, engine::PrintFile& file);
// The input checklist DM0000CK.PDT from the listing read back: the listing in whole lines on the
// text pages QVT_CHE1.PFM ... (60 lines each, ten pages at most), then the block pages and "$E".
void write_input_checklist(const engine::ConditionData& data);

}  // namespace qvt::savelin
