// The files this engine writes and CAL_ANS.DAT, which it reads and extends. Every file is
// created, written and closed with a check: a file that cannot be written whole ends the run
// with a message, so a full disk is never reported as success.
#include "common/cp932.h"
#include "common/textfile.h"
#include "engines/common/force_listing.h"
#include "engines/common/message_table.h"
#include "engines/vaskude/result_files.h"
#include "engines/vaskude/vaskude.h"
#include "engines/vaskude/vaskude_data.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <cstdio>

namespace qvt::vaskude {

using engine::show_error;

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

[[noreturn]] void write_failed(const std::string& name) {
  show_error(-1, cp("(ERROR)-ファイル(") + name + cp(")の書き込みに失敗しました."));
}

}  // namespace

void write_result_file(const std::string& name, std::string_view bytes,
                       const std::string& open_error_cp932) {
  std::FILE* f = std::fopen(name.c_str(), "wb");
  if (f == nullptr) show_error(-1, open_error_cp932);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed) write_failed(name);
}

LayerPressureWriter::~LayerPressureWriter() {
  if (file_ != nullptr) std::fclose(file_);
}

void LayerPressureWriter::open() {
  file_ = std::fopen(kLayerPressureFileName, "wb");
  if (file_ == nullptr)
    show_error(-1, cp("(ERROR)-土圧計算結果ファイル(DAT_ANS.DAT)がオープンできません."));
}

void LayerPressureWriter::append(const engine::LayerPressureBlock& block) {
  const std::string bytes = engine::encode_layer_pressure_block(block);
  if (file_ == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
    write_failed(kLayerPressureFileName);
}

void LayerPressureWriter::close() {
  std::FILE* f = file_;
  file_ = nullptr;
  if (f == nullptr || std::fclose(f) != 0) write_failed(kLayerPressureFileName);
}

engine::LayerPressureBlock layer_pressure_block() {
  const EarthPressureData& d = run_data();
  engine::LayerPressureBlock b;
  const int gti = d.work.header.ground_top_index;
  for (int i = std::max(gti, 0); i + 1 < d.land.count; ++i) {
    const engine::ActiveLayerResult& a = d.work.active[i];
    b.land.push_back({i, d.land.rec[i].top_level, d.land.rec[i + 1].top_level, a.horizontal_top,
                      a.horizontal_bottom, a.water_top, a.water_bottom});
  }
  const int sb = d.work.header.seabed_index;
  for (int i = std::max(sb, 0); i + 1 < d.sea.count; ++i) {
    const engine::PassiveLayerResult& p = d.work.passive[i];
    b.sea.push_back({i, d.sea.rec[i].top_level, d.sea.rec[i + 1].top_level, p.passive_top,
                     p.passive_bottom});
  }
  return b;
}

void write_pressure_work_file(int case_index) {
  EarthPressureData& d = run_data();
  d.work.header.land_boundary_count = d.land.count;
  d.work.header.sea_boundary_count = d.sea.count;
  d.work.header.arayoko_land_count = d.arayoko_land.count;
  d.work.header.arayoko_sea_count = d.arayoko_sea.count;
  write_result_file(engine::pressure_work_file_name(case_index),
                    engine::encode_pressure_work_file(d.work),
                    cp("(ERROR)-土圧計算結果ファイル(DAT_PRN.DAT)がオープンできません."));
}

namespace {

// One load table from the run's item table: the totals from the case's force summary slots.
void write_load_table(const std::string& name, int case_index, engine::ForceSlot force_slot,
                      engine::ForceSlot moment_slot,
                      int count, const char* open_error_utf8) {
  const EarthPressureData& d = run_data();
  engine::LoadTableFile t;
  t.items = d.items;
  const auto& slot = d.chain.force_summary[case_index].slot;
  t.total_force = slot[force_slot];
  t.total_moment = moment_slot != FS_NONE ? slot[moment_slot] : 0.0;
  t.item_count = count;
  write_result_file(name, engine::encode_load_table(t), cp(open_error_utf8));
}

std::string numbered(const char* stem, int number) {
  return std::string(stem) + std::to_string(number) + ".DAT";
}

}  // namespace

void write_active_load_table(int c) {
  write_load_table(numbered("DAT_SYU", c + 1), c, FS_ACTIVE_HORIZONTAL_FORCE,
                   FS_ACTIVE_HORIZONTAL_MOMENT, run_data().item_count[c],
                   "(ERROR)-土圧計算結果ファイル(DAT_SYU?.DAT)がオープンできません.");
}

void write_liquefaction_load_table(int c) {
  // The count is always the seismic case's: 0 after a normal pass.
  write_load_table("DAT_EKI2.DAT", c, FS_ACTIVE_HORIZONTAL_FORCE,
                   FS_ACTIVE_HORIZONTAL_MOMENT, run_data().item_count[1],
                   "(ERROR)-液状化土圧計算結果ファイル(DAT_EKI2.DAT)がオープンできません.");
}

void write_passive_load_table(int c) {
  write_load_table(numbered("DAT_JYU", c + 1), c, FS_PASSIVE_HORIZONTAL_FORCE,
                   FS_PASSIVE_HORIZONTAL_MOMENT, run_data().item_count[c],
                   "(ERROR)-土圧計算結果ファイル(DAT_JYU?.DAT)がオープンできません.");
}

void write_active_vertical_load_table(int c) {
  write_load_table(numbered("DAT_ENT", c + 1), c, FS_ACTIVE_VERTICAL_FORCE,
                   FS_ACTIVE_VERTICAL_MOMENT, run_data().item_count[c],
                   "(ERROR)-土圧計算結果ファイル(DAT_ENT?.DAT)がオープンできません.");
}

void write_passive_vertical_load_table(int c) {
  write_load_table(numbered("DAT_ENT", c + 3), c, FS_PASSIVE_VERTICAL_FORCE, FS_NONE,
                   run_data().item_count[c],
                   "(ERROR)-土圧計算結果ファイル(DAT_ENT?.DAT)がオープンできません.");
}

void write_residual_water_load_table(int c) {
  write_load_table(numbered("DAT_SUI", c + 1), c, FS_RESIDUAL_WATER_FORCE,
                   FS_RESIDUAL_WATER_MOMENT, run_data().item_count[c],
                   "(ERROR)-土圧計算結果ファイル(DAT_SUI?.DAT)がオープンできません.");
}

void read_block_results() {
  const std::optional<std::string> bytes = read_file_bytes(engine::kResultChainFileName);
  if (!bytes)
    engine::stop_engine(engine::fatal_error(cp("計算結果ファイル (CAL_ANS.DAT) が見つかりません。")));
  // A file cut short or holding values that are no numbers would let every check run on zeros
  // or garbage: the block weights must be computed again.
  const std::optional<engine::ResultChainBase> base = engine::decode_result_chain_base(*bytes);
  if (!base)
    engine::stop_engine(engine::fatal_error(
        cp("計算結果ファイル (CAL_ANS.DAT) が壊れています。\nブロック重量の計算からやり直してください。")));
  run_data().chain = *base;
}

void write_earth_pressure_results() {
  EarthPressureData& d = run_data();
  engine::ResultChainLayers layers;
  layers.land_boundary_count = d.land.count;
  layers.sea_boundary_count = d.sea.count;
  layers.land = d.land.rec;
  layers.sea = d.sea.rec;
  const std::string bytes = engine::encode_result_chain_layers(d.chain, layers);
  // A file the later engines would refuse as damaged is not written.
  if (!engine::decode_result_chain_layers(bytes))
    show_error(-1, cp("(ERROR)-土圧計算の結果に数値でない値 (非数または無限大) が生じました."));
  if (!replace_file_bytes(engine::kResultChainFileName, bytes))
    show_error(-1, cp("(ERROR)-計算結果ファイル(CAL_ANS.DAT)に書き込めません."));
  const auto lines = engine::fixed_force_listing_lines(d.chain.force_summary[0].slot,
                                                       d.chain.force_summary[1].slot);
  if (!replace_file_bytes(engine::kForceListingFileName, join_crlf(lines)))
    show_error(-1, cp("(ERROR)-計算結果ファイル(CAL_ANS.TXT)に書き込めません."));
}

}  // namespace qvt::vaskude
