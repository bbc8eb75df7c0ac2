#pragma once
// The earth pressure computations of a case pass, called by the run in their fixed order. Each
// fills the work records, result records, load items or summary block named beside it.
#include "engines/common/condition_data.h"
#include "engines/vaskude/vaskude_data.h"

namespace qvt::vaskude {

// Per-case angles, coefficients and surcharges of the work records of both sets.
void normal_case_angles(const engine::ConditionData& cd);
void seismic_case_coefficients(const engine::ConditionData& cd);

// Depths of a liquefaction work area below the given water level.
void liquefaction_depths(LiquefactionWork& area, double water_level);

// Intensities of the active and passive results and the residual water pressures.
void compute_active_pressures(const engine::ConditionData& cd);
void compute_passive_pressures(const engine::ConditionData& cd);
void residual_water_pressure(const engine::ConditionData& cd);
// The level the residual water diagram reaches its full value at: the L.W.L., or the lowest
// land boundary when the L.W.L. lies below it.
double residual_water_front_level(const engine::ConditionData& cd);
// Static and dynamic liquefied-layer pressures of a work area.
void liquefied_pressure(LiquefactionWork& area);

// Load item builders: each fills run_data().items and item_count[current case].
void build_active_load_items(const engine::ConditionData& cd);
void build_liquefaction_load_items(const engine::ConditionData& cd);
void build_passive_load_items(const engine::ConditionData& cd);
void build_active_vertical_items(const engine::ConditionData& cd);
void build_passive_vertical_items(const engine::ConditionData& cd);
void build_residual_water_items(const engine::ConditionData& cd);

// Moments of the other external forces about the toe, into the arms and the summary block.
void external_force_moments(const engine::ConditionData& cd);

// The force summary report DMMATOME.PDT (block and tangent-circle patterns / the others).
void write_force_summary(const engine::ConditionData& cd);
void write_force_summary_split(const engine::ConditionData& cd);

}  // namespace qvt::vaskude
