// The external stability engine's main routine and its part of CAL_ANS.DAT.
#include "common/cp932.h"
#include "common/textfile.h"
#include "engines/common/check_summary_file.h"
#include "engines/common/condition_readers.h"
#include "engines/common/force_listing.h"
#include "engines/meritan/meritan.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace qvt::meritan {

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

}  // namespace

engine::Status read_earth_pressure_results(ExternalState& state) {
  const std::optional<std::string> bytes = read_file_bytes(engine::kResultChainFileName);
  if (!bytes) return engine::fatal_error(cp("計算結果ファイル (CAL_ANS.DAT) が見つかりません。"));
  // A file cut short (the earth pressure engine did not run or failed) would let every check
  // run on zeros and pass.
  const auto chain = engine::decode_result_chain_layers(*bytes);
  if (!chain)
    return engine::fatal_error(cp("計算結果ファイル (CAL_ANS.DAT) が壊れています。\n"
                                  "土圧の計算からやり直してください。"));
  if (!engine::body_width_sound(chain->base))
    return engine::fatal_error(cp(engine::kBodyWidthTooSmallMessage));
  state.chain_bytes = bytes->substr(0, engine::RESULT_CHAIN_LAYERS_SIZE);
  state.chain = *chain;
  return engine::Status::success();
}

engine::Status write_external_results(const ExternalState& state) {
  const engine::ExternalResults& r = state.results;
  for (const auto* values :
       {&r.sliding_fs, &r.overturning_fs, &r.reaction[0], &r.reaction[1], &r.allowable_bearing,
        &r.effective_width})
    for (double v : *values)
      if (!std::isfinite(v))
        return engine::fatal_error(cp("外的安定の計算結果に数値でない値 (非数または無限大) が生じました。"));
  if (!replace_file_bytes(engine::kResultChainFileName,
                          engine::encode_result_chain_external(state.chain_bytes, r)))
    return engine::fatal_error(cp("計算結果ファイル (CAL_ANS.DAT) に書き込めません。"));
  const auto lines = engine::fixed_force_listing_lines(state.chain.base.force_summary[0].slot,
                                                       state.chain.base.force_summary[1].slot);
  if (!replace_file_bytes(engine::kForceListingFileName, join_crlf(lines)))
    return engine::fatal_error(cp("計算結果ファイル (CAL_ANS.TXT) に書き込めません。"));
  return engine::Status::success();
}

engine::Status run_external_stability_checks() {
  ConditionData& cd = engine::condition_data();
  ExternalState state;  // results preset to -9999.99, widths 0, the summary all zero
  if (engine::Status s = engine::read_conditions_file(cd); !s.ok()) return s;
  if (engine::Status s = engine::read_block_file(cd); !s.ok()) return s;
  if (engine::Status s = read_earth_pressure_results(state); !s.ok()) return s;
  engine::apply_start_stamp(cd, engine::engine_start_time());

  switch (cd.improvement_pattern) {
    case PATTERN_BLOCK:
    case PATTERN_TANGENT_CIRCLES:
      check_sliding_block(cd, state);
      check_overturning(cd, state);
      ground_reaction_block(cd, state);
      check_bearing_block(cd, state);
      break;
    case PATTERN_WALL:
      check_sliding_wall(cd, state);
      check_overturning(cd, state);
      ground_reaction_wall(cd, state);
      check_bearing_wall(cd, state);
      break;
    case PATTERN_LATTICE:
      check_sliding_lattice(cd, state);
      check_overturning(cd, state);
      ground_reaction_lattice(cd, state);
      check_bearing_wall(cd, state);
      break;
    default: {
      // Without a check every line of the summary would read as passed.
      char text[160];
      std::snprintf(text, sizeof text, "%d", cd.improvement_pattern);
      return engine::fatal_error(cp("改良形式 (") + text +
                                 cp(") が正しくないため外的安定の検討ができません。"));
    }
  }
  if (engine::Status s = write_external_results(state); !s.ok()) return s;
  engine::guard_check_summary(state.summary, case_count(cd), std::array<int, 3>{0, 1, 2});
  return engine::write_check_summary(state.summary);
}

}  // namespace qvt::meritan
