// Overturning: the moments that hold the body upright against those that turn it over its
// front toe, the same for every improvement pattern.
#include "common/cp932.h"
#include "engines/meritan/meritan.h"

#include <cmath>

namespace qvt::meritan {

OverturningResult compute_overturning(const ConditionData& cd,
                                      const ResultChainWithLayers& chain, int c) {
  const engine::ChainForceSummary& f = chain.base.force_summary[c];
  OverturningResult r;
  r.required = cd.safety_factors[1][c];
  r.mr = resisting_moment(f);
  r.mo = overturning_moment(f);
  // Without a moment that turns the body over there is no factor to give; it is reported,
  // never passed on a division by zero or a negative quotient.
  if (r.mo == 0) {
    r.reason = utf8_to_cp932_lossy("転倒モーメントが作用していない (Mo = 0) ため安全率が求められません。");
    return r;
  }
  if (!(r.mo > 0) || !std::isfinite(r.mr)) {
    r.reason = utf8_to_cp932_lossy("転倒モーメントの合計が 0 以下のため安全率が求められません。");
    return r;
  }
  r.fs = rdown(r.mr / r.mo);
  if (!std::isfinite(r.fs)) {
    r.reason = utf8_to_cp932_lossy("安全率が数値になりません。");
    return r;
  }
  r.computed = true;
  r.passes = !(r.fs < r.required);
  return r;
}

void write_overturning_report(engine::PrintFile& file, const ConditionData& cd,
                              const ResultChainWithLayers& chain, const OverturningResult& r,
                              int c) {
  const engine::ChainForceSummary& f = chain.base.force_summary[c];
  const bool seismic = c != 0;
  write_report_head(file, cd, "改良地盤系の転倒", c);
  const bool backfill = cd.custom_options.backfill_vertical_ignored != 0;
  file.page_record(std::string(seismic ? "JS_" : "JY_") + (backfill ? "TEN1e" : "TEN01") + ".PFM");
  // The seismic report has two more fields, so its later fields are numbered one higher.
  const int k = seismic ? 1 : 0;
  number_field(file, 0, "%4.1lf", r.required);
  number_field(file, 1, "%10.3lf", f.slot[FS_EFFECTIVE_WEIGHT_MOMENT]);
  number_field(file, 2, "%10.3lf", f.slot[FS_ACTIVE_VERTICAL_MOMENT]);
  number_field(file, 20, "%10.3lf", f.slot[FS_SIDE_ADHESION_MOMENT]);
  number_field(file, 21, "%10.3lf", f.slot[FS_OTHER_VERTICAL_MOMENT]);
  number_field(file, 3, "%10.3lf", f.slot[FS_PASSIVE_HORIZONTAL_MOMENT]);
  number_field(file, 4, "%10.3lf", r.mr);
  if (seismic) number_field(file, 5, "%10.3lf", f.slot[FS_SEISMIC_INERTIA_MOMENT]);
  number_field(file, 5 + k, "%10.3lf", f.slot[FS_RESIDUAL_WATER_MOMENT]);
  number_field(file, 6 + k, "%10.3lf", f.slot[FS_ACTIVE_HORIZONTAL_MOMENT]);
  number_field(file, 22, "%10.3lf", f.slot[FS_OTHER_HORIZONTAL_MOMENT]);
  if (seismic) number_field(file, 23, "%10.3lf", f.slot[FS_DYNAMIC_WATER_MOMENT]);
  number_field(file, 7 + k, "%10.3lf", r.mo);
  number_field(file, 8 + k, "%10.3lf", r.mr);
  number_field(file, 9 + k, "%10.3lf", r.mo);
  number_field(file, 10 + k, "%6.3lf", r.fs);
  text_field(file, 11 + k, mark_text(r.passes));
  number_field(file, 12 + k, "%6.3lf", r.required);
  text_field(file, 13 + k, verdict_text(r.passes));
}

namespace {

const FactorCheck kOverturning{"転倒の検討", "04TEN", CV_OVERTURNING_FS,
                               CL_REQUIRED_OVERTURNING_FS, 1,
                               &engine::ExternalResults::overturning_fs};

}  // namespace

void check_overturning(const ConditionData& cd, ExternalState& state) {
  for (int c = 0; c < case_count(cd); ++c) {
    const OverturningResult r = compute_overturning(cd, state.chain, c);
    store_factor_case(state, kOverturning, c, r, [&](engine::PrintFile& file) {
      write_overturning_report(file, cd, state.chain, r, c);
    });
  }
}

}  // namespace qvt::meritan
