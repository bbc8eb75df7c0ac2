// The force sums every check of the engine starts from, and the bookkeeping of a check whose
// result is a safety factor. The report helpers it shares with the internal stability engine
// are in engines/common/stability_checks.cpp.
#include "common/cp932.h"
#include "engines/meritan/meritan.h"

namespace qvt::meritan {

using engine::ChainForceSummary;

double passive_vertical_term(const ConditionData& cd, const ChainForceSummary& f) {
  return cd.custom_options.passive_vertical_ignored != 0
             ? 0.0
             : f.slot[FS_PASSIVE_VERTICAL_FORCE];
}

double vertical_sum(const ConditionData& cd, const ChainForceSummary& f) {
  const bool whole = cd.improvement_pattern == PATTERN_BLOCK ||
                     cd.improvement_pattern == PATTERN_TANGENT_CIRCLES;
  const double w =
      f.slot[whole ? FS_EFFECTIVE_WEIGHT : FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED];
  return w + f.slot[FS_ACTIVE_VERTICAL_FORCE] + f.slot[FS_OTHER_VERTICAL_FORCE] +
         f.slot[FS_ACTIVE_SIDE_ADHESION] + f.slot[FS_PASSIVE_SIDE_ADHESION] +
         passive_vertical_term(cd, f);
}

double horizontal_sum(const ChainForceSummary& f) {
  return f.slot[FS_SEISMIC_INERTIA] + f.slot[FS_ACTIVE_HORIZONTAL_FORCE] +
         f.slot[FS_RESIDUAL_WATER_FORCE] + f.slot[FS_DYNAMIC_WATER_RESULTANT] +
         f.slot[FS_OTHER_HORIZONTAL_FORCE];
}

double resisting_moment(const ChainForceSummary& f) {
  return f.slot[FS_EFFECTIVE_WEIGHT_MOMENT] +
         f.slot[FS_PASSIVE_HORIZONTAL_MOMENT] +
         f.slot[FS_ACTIVE_VERTICAL_MOMENT] + f.slot[FS_OTHER_VERTICAL_MOMENT] +
         f.slot[FS_SIDE_ADHESION_MOMENT];
}

double overturning_moment(const ChainForceSummary& f) {
  return f.slot[FS_SEISMIC_INERTIA_MOMENT] +
         f.slot[FS_ACTIVE_HORIZONTAL_MOMENT] + f.slot[FS_RESIDUAL_WATER_MOMENT] +
         f.slot[FS_DYNAMIC_WATER_MOMENT] + f.slot[FS_OTHER_HORIZONTAL_MOMENT];
}

void store_factor_case(ExternalState& state, const FactorCheck& check, int c,
                       const FactorResult& r,
                       const std::function<void(engine::PrintFile&)>& write_report) {
  const std::string name = report_name(c, check.report_stem);
  state.summary.limits[c][check.limit] = r.required;
  if (!r.computed) {
    report_not_computed(utf8_to_cp932_lossy(check.name_utf8), c, r.reason);
    remove_stale_report(name);
    state.summary.values[c][check.value] = 0;
    state.summary.failed[c][check.summary_line] = 1;
    return;
  }
  engine::PrintFile file;
  open_report(file, name);
  write_report(file);
  close_report(file);
  (state.results.*check.tail)[c] = r.fs;
  state.summary.values[c][check.value] = r.fs;
  state.summary.failed[c][check.summary_line] = r.passes ? 0 : 1;
}

}  // namespace qvt::meritan
