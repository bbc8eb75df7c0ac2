#pragma once
// SAVELIN, the first engine of every calculation run. It computes nothing: it prints the input
// conditions of the project, so the printed calculation report opens with the conditions it was
// computed from. Values are printed as read, through fixed print formats; nothing is rounded.
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"
#include "engines/common/condition_readers.h"
#include "engines/common/print_data.h"

#include <filesystem>

namespace qvt::savelin {

inline constexpr const char* kDesignConditionsReport = "DM0000JK.PDT";

// The main routine: reads the condition files from the current (work) folder, stamps the run
// and writes the reports. A stop carries the messages to show before exit code 1.
engine::Status run_design_conditions_report();

// The design conditions report DM0000JK.PDT from the condition data, into an open print file.
void write_design_conditions(const engine::ConditionData& data, engine::PrintFile& file);

// The parts of the report set that follow the design conditions: the block conditions report
// DM0000JS.PDT, the condition listing QVT_CHEK.TMP and the input checklist DM0000CK.PDT read
// back from that listing. Not written yet: each is a step of its own, called in the run's order.
void write_block_conditions(const engine::ConditionData& data);
void write_condition_listing(const engine::ConditionData& data);
void write_input_checklist(const engine::ConditionData& data);

}  // namespace qvt::savelin
