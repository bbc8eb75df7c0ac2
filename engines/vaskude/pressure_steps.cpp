// Placeholders of the earth pressure computations: each keeps its records as the run left
// them, which are zeros, and builds no load items.
#include "engines/vaskude/pressure_steps.h"

namespace qvt::vaskude {

namespace {
// A builder that has nothing to cut yet: no items in the current case.
void no_items(const engine::ConditionData& cd) { run_data().item_count[cd.current_case] = 0; }
}  // namespace

void normal_case_angles(const engine::ConditionData&) {}
void seismic_case_coefficients(const engine::ConditionData&) {}
void liquefaction_depths(LiquefactionWork&, double) {}
void compute_active_pressures(const engine::ConditionData&) {}
void compute_passive_pressures(const engine::ConditionData&) {}
void residual_water_pressure(const engine::ConditionData&) {}
void liquefied_pressure(LiquefactionWork&) {}
void build_active_load_items(const engine::ConditionData& cd) { no_items(cd); }
void build_liquefaction_load_items(const engine::ConditionData& cd) { no_items(cd); }
void build_passive_load_items(const engine::ConditionData& cd) { no_items(cd); }
void build_active_vertical_items(const engine::ConditionData& cd) { no_items(cd); }
void build_passive_vertical_items(const engine::ConditionData& cd) { no_items(cd); }
void build_residual_water_items(const engine::ConditionData& cd) { no_items(cd); }
void external_force_moments(const engine::ConditionData&) {}
void write_force_summary(const engine::ConditionData&) {}
void write_force_summary_split(const engine::ConditionData&) {}

}  // namespace qvt::vaskude
