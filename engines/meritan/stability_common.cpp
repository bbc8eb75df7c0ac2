// The force sums every check of the engine starts from. The report helpers it shares with the
// internal stability engine are in engines/common/stability_checks.cpp.
#include "engines/meritan/meritan.h"

namespace qvt::meritan {

using engine::ChainForceSummary;

double passive_vertical_term(const ConditionData& cd, const ChainForceSummary& f) {
  return cd.custom_options.passive_vertical_ignored != 0
             ? 0.0
             : f.slot[engine::FS_PASSIVE_VERTICAL_FORCE];
}

double vertical_sum(const ConditionData& cd, const ChainForceSummary& f) {
  const bool whole = cd.improvement_pattern == 0 || cd.improvement_pattern == 2;
  const double w = f.slot[whole ? 0 : 1];
  return w + f.slot[engine::FS_ACTIVE_VERTICAL_FORCE] + f.slot[engine::FS_OTHER_VERTICAL_FORCE] +
         f.slot[engine::FS_ACTIVE_SIDE_ADHESION] + f.slot[engine::FS_PASSIVE_SIDE_ADHESION] +
         passive_vertical_term(cd, f);
}

double horizontal_sum(const ChainForceSummary& f) {
  return f.slot[engine::FS_SEISMIC_INERTIA] + f.slot[engine::FS_ACTIVE_HORIZONTAL_FORCE] +
         f.slot[engine::FS_RESIDUAL_WATER_FORCE] + f.slot[engine::FS_DYNAMIC_WATER_RESULTANT] +
         f.slot[engine::FS_OTHER_HORIZONTAL_FORCE];
}

double resisting_moment(const ChainForceSummary& f) {
  return f.slot[engine::FS_EFFECTIVE_WEIGHT_MOMENT] +
         f.slot[engine::FS_PASSIVE_HORIZONTAL_MOMENT] +
         f.slot[engine::FS_ACTIVE_VERTICAL_MOMENT] + f.slot[engine::FS_OTHER_VERTICAL_MOMENT] +
         f.slot[engine::FS_SIDE_ADHESION_MOMENT];
}

double overturning_moment(const ChainForceSummary& f) {
  return f.slot[engine::FS_SEISMIC_INERTIA_MOMENT] +
         f.slot[engine::FS_ACTIVE_HORIZONTAL_MOMENT] + f.slot[engine::FS_RESIDUAL_WATER_MOMENT] +
         f.slot[engine::FS_DYNAMIC_WATER_MOMENT] + f.slot[engine::FS_OTHER_HORIZONTAL_MOMENT];
}

}  // namespace qvt::meritan
