#include "engines/zenobar/result_chain.h"

#include "common/cp932.h"
#include "common/textfile.h"
#include "engines/common/binary_fields.h"
#include "engines/common/engine_entry.h"
#include "engines/common/force_listing.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace qvt::zenobar {

using engine::put_f64;

std::string encode_result_chain_base(const BlockWeightData& data) {
  std::string out;
  out.reserve(RESULT_CHAIN_BASE_BYTES);
  for (double v : data.weight_totals.slot) put_f64(out, v);
  for (const ForceSummary& f : data.force_summaries)
    for (double v : f.slot) put_f64(out, v);
  put_f64(out, data.body_totals.body_width);
  put_f64(out, data.body_totals.wall_top_load_normal);
  put_f64(out, data.body_totals.wall_top_load_seismic);
  return out;
}

std::vector<std::string> fixed_force_listing_lines(const ForceSummary& normal,
                                                   const ForceSummary& seismic) {
  return engine::fixed_force_listing_lines(normal.slot, seismic.slot);
}

bool result_chain_values_finite(const BlockWeightData& data) {
  for (double v : data.weight_totals.slot)
    if (!std::isfinite(v)) return false;
  for (const ForceSummary& f : data.force_summaries)
    for (double v : f.slot)
      if (!std::isfinite(v)) return false;
  return std::isfinite(data.body_totals.body_width) &&
         std::isfinite(data.body_totals.wall_top_load_normal) &&
         std::isfinite(data.body_totals.wall_top_load_seismic);
}

void write_block_results() {
  if (non_finite_count() > 0 || !result_chain_values_finite(run_data))
    engine::stop_engine(engine::fatal_error(utf8_to_cp932_lossy(
        "重量計算の結果に数値でない値 (非数または無限大) が生じました。\n"
        "入力データを確認してください。")));
  if (!replace_file_bytes(RESULT_CHAIN_FILE, encode_result_chain_base(run_data)))
    engine::stop_engine(engine::fatal_error(
        utf8_to_cp932_lossy("結果ファイル (CAL_ANS.DAT) が作成できません。")));
  const auto lines = fixed_force_listing_lines(run_data.force_summaries[CASE_NORMAL],
                                               run_data.force_summaries[CASE_SEISMIC]);
  if (!replace_file_bytes(FORCE_LISTING_FILE, join_crlf(lines)))
    engine::stop_engine(engine::fatal_error(
        utf8_to_cp932_lossy("結果ファイル (CAL_ANS.TXT) が作成できません。")));
}

}  // namespace qvt::zenobar
