#pragma once
// VASKUDE, the earth pressure engine: its main routine and the steps it runs, in the order of
// the run. Every step works on the engine's data (vaskude_data.h) and the condition data; a
// finding that ends the run stops the engine through show_error (message, exit code 1).
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"

#include <string>

namespace qvt::vaskude {

// The whole engine in the current (work) folder.
engine::Status run_earth_pressures();

// Layer indices to -1, counts to 0.
void init_engine_state();
// Zero the ground vertices, the main work records, the results, the summary and the load
// items; every main sea work record gets spare_flag 1.
void clear_work_arrays();

// --- Input checks (before any layer is prepared). ---
int check_surcharge_overlap(const engine::ConditionData& cd);
int check_layers_and_fill(const engine::ConditionData& cd);
// The R.W.L. above the ground top behind the wall (the top of land input layer 0): the residual
// water diagram would start above the ground it acts in, and its load items drop it to 0. Such
// a section is refused with a message naming both levels rather than computed without its
// residual water pressure. A level at the ground top passes.
int check_residual_water_level(const engine::ConditionData& cd);
// The text of that refusal (CP932).
std::string residual_water_level_text(double rwl, double ground_top);
// A surcharge range takes part when x_min or x_max, times 100 and truncated, is not 0.
bool surcharge_range_in_use(const engine::SurchargeRange& r);

// --- Working soil layers. ---
int copy_land_input_layers(const engine::ConditionData& cd);
int copy_sea_input_layers(const engine::ConditionData& cd);
int add_improved_body_bottom(const engine::ConditionData& cd);
int build_ground_surface(const engine::ConditionData& cd);
int close_ground_surface();
int clay_cohesion_from_reference(const engine::ConditionData& cd);
int insert_fill_layers(const engine::ConditionData& cd);
int insert_land_boundary(const engine::ConditionData& cd, double level, int kind);
int insert_sea_boundary(const engine::ConditionData& cd, double level, int kind);
int find_land_layer(double level);
int find_sea_layer(double level);
int build_work_layers(const engine::ConditionData& cd);
int build_arayoko_work_layers(const engine::ConditionData& cd);
// Steps 8 to 10 of the run: the active seabed, the boundaries in their order, the indices and
// the work records of both sets.
void prepare_layer_boundaries(const engine::ConditionData& cd);

// --- Result chain. ---
// Reads the 632-byte base of CAL_ANS.DAT that the block weight engine wrote.
void read_block_results();
// CAL_ANS.DAT (5,040 bytes) and CAL_ANS.TXT.
void write_earth_pressure_results();

// --- Result files of a case. ---
void write_pressure_work_file(int case_index);
void write_active_load_table(int case_index);
void write_liquefaction_load_table(int case_index);
void write_passive_load_table(int case_index);
void write_active_vertical_load_table(int case_index);
void write_passive_vertical_load_table(int case_index);
void write_residual_water_load_table(int case_index);

}  // namespace qvt::vaskude
