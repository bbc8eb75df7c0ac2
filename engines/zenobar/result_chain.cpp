#include "engines/zenobar/result_chain.h"

#include "common/cp932.h"
#include "common/textfile.h"
#include "engines/common/engine_entry.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace qvt::zenobar {

namespace {

void put_f64(std::string& out, double v) {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

constexpr int kLabelColumn = 36;

std::string padded_label(const char* utf8) {
  std::string s = utf8_to_cp932_lossy(utf8);
  if (s.size() < kLabelColumn) s.append(kLabelColumn - s.size(), ' ');
  return s;
}

std::string values_text(const ForceSummary& f, std::initializer_list<int> slots) {
  std::string out;
  char buf[64];
  bool first = true;
  for (int s : slots) {
    std::snprintf(buf, sizeof buf, "%10.3f", f.slot[s]);
    if (!first) out += ' ';
    out += buf;
    first = false;
  }
  return out;
}

void append_block(std::vector<std::string>& lines, const ForceSummary& f, bool seismic) {
  const std::string dashes = "---------- ---------- ----------";
  lines.push_back(utf8_to_cp932_lossy(seismic ? "【地震時】" : "【常時】"));
  lines.push_back(padded_label("有効重量の合力") + values_text(f, {0, 1, 2}));
  lines.push_back(padded_label("地震時慣性力の合力") +
                  (seismic ? values_text(f, {3, 4, 5}) : dashes));
  lines.push_back(padded_label("主働土圧の水平成分合力") + values_text(f, {6}));
  lines.push_back(padded_label("残留水圧の合力") + values_text(f, {7}));
  lines.push_back(padded_label("受働土圧の水平合力") + values_text(f, {9}));
  lines.push_back(padded_label("主働土圧の鉛直成分合力") + values_text(f, {11}));
  lines.push_back(padded_label("その他の外力の水平成分合力") + values_text(f, {12}));
  lines.push_back(padded_label("その他の外力の鉛直成分合力") + values_text(f, {13}));
  lines.push_back(padded_label("有効重量によるモーメント") + values_text(f, {16, 17, 18}));
  lines.push_back(padded_label("地震時慣性力によるモーメント") +
                  (seismic ? values_text(f, {19, 20, 21}) : dashes));
  lines.push_back(padded_label("主働土圧水平成分によるモーメント") + values_text(f, {22}));
  lines.push_back(padded_label("残留水圧によるモーメント") + values_text(f, {23}));
  lines.push_back(padded_label("受働土圧水平成分によるモーメント") + values_text(f, {25}));
  lines.push_back(padded_label("主働土圧の鉛直成分によるモーメント") + values_text(f, {26}));
  lines.push_back(padded_label("その他の外力の水平成分モーメント") + values_text(f, {27}));
  lines.push_back(padded_label("その他の外力の鉛直成分モーメント") + values_text(f, {28}));
}

}  // namespace

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
  std::vector<std::string> lines;
  append_block(lines, normal, false);
  lines.emplace_back();  // the normal block ends with an empty line
  append_block(lines, seismic, true);
  return lines;
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
