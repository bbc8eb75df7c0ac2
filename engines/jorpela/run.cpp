// The engine's main routine, the result chain file, the CSV force listing and the check
// summary written back.
#include "common/cp932.h"
#include "common/textfile.h"
#include "engines/common/binary_fields.h"
#include "engines/common/block_vertices.h"
#include "engines/common/check_summary_file.h"
#include "engines/common/condition_readers.h"
#include "engines/common/engine_message.h"
#include "engines/common/force_listing.h"
#include "engines/jorpela/jorpela.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace qvt::jorpela {

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

// The quantities of the comma-separated form in its order; the seismic-only ones are left out
// of the normal block.
namespace listing = engine::listing;
const engine::ForceListingItem* const kCsvItems[] = {
    &listing::kEffectiveWeight, &listing::kSeismicInertia, &listing::kActiveHorizontal,
    &listing::kActiveVertical, &listing::kResidualWater, &listing::kDynamicWater,
    &listing::kPassiveHorizontal, &listing::kOtherHorizontal, &listing::kOtherVertical,
    &listing::kActiveSideAdhesion, &listing::kPassiveSideAdhesion,
    &listing::kEffectiveWeightMoment, &listing::kSeismicInertiaMoment,
    &listing::kActiveHorizontalMoment, &listing::kActiveVerticalMoment,
    &listing::kResidualWaterMoment, &listing::kDynamicWaterMoment,
    &listing::kPassiveHorizontalMoment, &listing::kOtherHorizontalMoment,
    &listing::kOtherVerticalMoment, &listing::kSideAdhesionMoment,
};

void append_csv_block(std::vector<std::string>& lines, const engine::ForceSummarySlots& f,
                      bool seismic) {
  lines.push_back("\"" + cp(seismic ? "地震時" : "常時") + "\"");
  for (const engine::ForceListingItem* item : kCsvItems) {
    if (item->seismic_only && !seismic) continue;
    std::string line = "\"" + cp(item->label_utf8) + "\"";
    for (engine::ForceSlot s : item->used_slots()) {
      const double v = f[static_cast<std::size_t>(s)];
      line += engine::format_text(",%1.3lf", v == 0 ? 0.0 : v);
    }
    lines.push_back(line);
  }
}

// A run that stops must not leave the external engine's summary behind: its internal lines
// are zeros with flag 0 and would read as passed. An older hand-over file would offer the
// eccentric load check on results of another run.
void remove_unfinished_outputs() {
  std::error_code ec;
  std::filesystem::remove(engine::kCheckSummaryFileName, ec);
  std::filesystem::remove(kEccentricLoadFileName, ec);
}

engine::Status stopped(engine::Status s) {
  if (!s.ok()) remove_unfinished_outputs();
  return s;
}

engine::Status run_checks() {
  ConditionData& cd = engine::condition_data();
  InternalState state;
  if (engine::Status s = engine::read_conditions_file(cd); !s.ok()) return s;
  if (engine::Status s = engine::read_block_file(cd); !s.ok()) return s;
  if (engine::Status s = read_external_results(state); !s.ok()) return s;
  if (engine::Status s = engine::read_check_summary(state.summary); !s.ok()) return s;
  engine::apply_start_stamp(cd, engine::engine_start_time());
  if (engine::Status s = engine::require_toe_point(cd); !s.ok()) return s;

  const int pattern = cd.improvement_pattern;
  if (!known_improvement_pattern(pattern)) {
    char text[32];
    std::snprintf(text, sizeof text, "%d", pattern);
    return engine::fatal_error(cp("改良形式 (") + text +
                               cp(") が正しくないため内的安定の検討ができません。"));
  }
  if (pattern == PATTERN_BLOCK || has_short_walls(pattern)) check_toe_pressure(cd, state);
  if (pattern == PATTERN_BLOCK) check_shear_block(cd, state);
  if (has_short_walls(pattern)) check_shear_wall(cd, state);
  if (pattern == PATTERN_WALL) check_pullout(cd, state);
  if (pattern == PATTERN_TANGENT_CIRCLES) check_internal_stress(cd, state);
  engine::guard_check_summary(state.summary, engine::case_count(cd),
                              engine::check_lines_of_pattern(pattern));
  {
    engine::PrintFile file;
    engine::open_report(file, kSummaryReportName);
    write_summary(cd, state.summary, file);
    engine::close_report(file);
  }
  if (engine::Status s = write_internal_results(state); !s.ok()) return s;
  if (engine::Status s = engine::write_check_summary(state.summary); !s.ok()) return s;
  return write_eccentric_load_file(cd, state);
}

}  // namespace

std::string encode_internal_results(const InternalResults& r) {
  std::string out;
  for (const auto* pair : {&r.toe_stress, &r.shear_stress, &r.short_wall_shear_stress})
    for (double v : *pair) engine::put_f64(out, v);
  for (const auto& c : r.pullout_fs)
    for (double v : c) engine::put_f64(out, v);
  for (double v : r.internal_stress) engine::put_f64(out, v);
  return out;
}

engine::Status read_external_results(InternalState& state) {
  const std::optional<std::string> bytes = read_file_bytes(engine::kResultChainFileName);
  if (!bytes) return engine::fatal_error(cp("計算結果ファイル (CAL_ANS.DAT) が見つかりません。"));
  const auto chain = engine::decode_result_chain_layers(*bytes);
  const auto ext = engine::decode_external_results(*bytes);
  // The sea-side table gives the level of the bearing ground (its last record) to the
  // hand-over file: without one record it holds nothing to check against.
  if (!chain || !ext || chain->layers.sea_boundary_count < 1)
    return engine::fatal_error(cp("計算結果ファイル (CAL_ANS.DAT) が壊れています。\n"
                                  "外的安定の計算からやり直してください。"));
  if (!engine::body_width_sound(chain->base))
    return engine::fatal_error(cp(engine::kBodyWidthTooSmallMessage));
  state.chain_bytes = bytes->substr(0, engine::RESULT_CHAIN_EXTERNAL_SIZE);
  state.chain = *chain;
  state.external = *ext;
  return engine::Status::success();
}

std::vector<std::string> csv_force_listing_lines(const engine::ForceSummarySlots& normal,
                                                 const engine::ForceSummarySlots& seismic) {
  std::vector<std::string> lines;
  append_csv_block(lines, normal, false);
  append_csv_block(lines, seismic, true);
  return lines;
}

engine::Status write_internal_results(const InternalState& state) {
  const InternalResults& r = state.results;
  bool finite = true;
  for (const auto* pair : {&r.toe_stress, &r.shear_stress, &r.short_wall_shear_stress,
                           &r.internal_stress})
    for (double v : *pair) finite = finite && std::isfinite(v);
  for (const auto& c : r.pullout_fs)
    for (double v : c) finite = finite && std::isfinite(v);
  if (!finite)
    return engine::fatal_error(cp("内的安定の計算結果に数値でない値 (非数または無限大) が生じました。"));
  if (!replace_file_bytes(engine::kResultChainFileName,
                          state.chain_bytes + encode_internal_results(r)))
    return engine::fatal_error(cp("計算結果ファイル (CAL_ANS.DAT) に書き込めません。"));
  const auto lines = csv_force_listing_lines(state.chain.base.force_summary[0].slot,
                                             state.chain.base.force_summary[1].slot);
  if (!replace_file_bytes(engine::kForceListingFileName, join_crlf(lines)))
    return engine::fatal_error(cp("計算結果ファイル (CAL_ANS.TXT) に書き込めません。"));
  return engine::Status::success();
}

bool reaction_known(const InternalState& state, int c) {
  const auto cu = static_cast<std::size_t>(c);
  const auto& q = state.external.reaction[cu];
  return state.external.effective_width[cu] > 0 && q[0] >= 0 &&
         q[1] != engine::EXTERNAL_RESULT_PRESET;
}

engine::Status run_internal_stability_checks() {
  try {
    return stopped(run_checks());
  } catch (const engine::EngineStop&) {
    remove_unfinished_outputs();
    throw;
  }
}

}  // namespace qvt::jorpela
