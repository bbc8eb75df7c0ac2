#include "engines/zenobar/shape_tables.h"

#include "common/cp932.h"
#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace qvt::zenobar {

using engine::condition_data;

namespace {

// Two levels or depths are the same when they differ by less than this.
constexpr double kTiny = 0.0001;

constexpr int RWL = 2;

[[noreturn]] void refuse(int slot, const std::string& cp932_reason) {
  const auto& head = condition_data().wall_blocks[slot].head;
  engine::stop_engine(engine::fatal_error(
      cp932_printf("ブロック%d《%s》: ", slot + 1, head.name.c_str()) + cp932_reason));
}

// The library entry of a type-8 block, after the checks that keep the arithmetic sound.
const engine::ShapeEntry& checked_entry(int slot) {
  const auto& cd = condition_data();
  const engine::LibraryShape& shape = cd.wall_blocks[slot].library;
  const int index = shape.library_index;
  if (index < 0 || index >= cd.shape_library_count || index >= engine::MAX_ENGINE_SHAPES) {
    refuse(slot, cp932_printf(
                     "形状ライブラリの %d 番を参照していますが、登録されている形状は %d 個です。\n"
                     "ブロックの形状ライブラリ番号を確認してください。",
                     index + 1, cd.shape_library_count));
  }
  const engine::ShapeEntry& entry = cd.shape_library[index];
  bool finite = true;
  for (double v : entry.values) finite = finite && std::isfinite(v);
  const int layers = std::clamp<int>(entry.layer_count, 0, engine::LIBRARY_LAYERS);
  for (int k = 0; k < layers; ++k)
    finite = finite && std::isfinite(entry.layer_a[k]) && std::isfinite(entry.layer_c[k]);
  if (!finite) {
    refuse(slot, cp932_printf("形状ライブラリ《%s》に数値でない値があります。\n"
                              "入力データを確認してください。",
                              entry.name.c_str()));
  }
  // L as the table prints and divides by it.
  if (!(round3(entry.values[1]) > 0)) {
    refuse(slot, cp932_printf("形状ライブラリ《%s》の長さ L が 0 以下のため、"
                              "1 m あたりの重量を計算できません。",
                              entry.name.c_str()));
  }
  return entry;
}

engine::TableTemplate shape_table(const std::string& name, std::string_view block_name, int kind,
                                  double v, double gamma, double length, const BlockResult& r) {
  const std::string bn(block_name);
  engine::TableTemplate table(name, {4, 28, 10, 10, 12, 12});
  table.add_row("2,@,@,@,@,@", cp932_printf("《%s》,@,@,@,@,@", bn.c_str()), "0100,@,@,@,@,@");
  table.add_row("3,2,3,3,3,3",
                cp932_printf("No, V × %s / L,重心座標,重心座標,W･x,W･y",
                             utf8_to_cp932_lossy(kind == KIND_WEIGHT ? " γ   " : " γw  ").c_str()),
                "1011,1011,1011,1011,1011,1011");
  table.add_row("3,1,3,3,3,3", cp932_printf(",W(kN/m) ,x (m),y (m),(kN･m/m),(kN･m/m)"),
                "1110,1110,1110,1110,1110,1110");
  table.add_row("1,2,1,1,1,1", cp932_printf("1 , %6.3f×%6.3f/%6.3f,,,,", v, gamma, length),
                "1011,1011,1011,1011,1011,1011");
  table.add_row("3,1,1,1,1,1",
                cp932_printf(",= %9.3f ,%8.3f ,%8.3f ,%10.3f ,%10.3f ", r.weight, r.centroid_x,
                             r.centroid_y, r.moment_x, r.moment_y),
                "1110,1110,1110,1110,1110,1110");
  return table;
}

}  // namespace

ShapeSubmersion shape_submersion(double bottom, double top, double level) {
  if (std::abs(level - top) < kTiny) return ShapeSubmersion::wholly;
  if (std::abs(level - bottom) < kTiny) return ShapeSubmersion::none;
  if (level > top) return ShapeSubmersion::wholly;
  if (bottom < level && level < top) return ShapeSubmersion::partly;
  return ShapeSubmersion::none;
}

double shape_submerged_volume(const engine::ShapeEntry& entry, double depth) {
  const int layers = std::clamp<int>(entry.layer_count, 0, engine::LIBRARY_LAYERS);
  double a_prev = 0, c_prev = 0;
  for (int k = 0; k < layers; ++k) {
    const double a = entry.layer_a[k], c = entry.layer_c[k];
    if (std::abs(depth - a) < kTiny) return round3(c);
    // Past the previous layer by more than kTiny and short of this one: a > a_prev.
    if (depth < a) return round3(c_prev + (depth - a_prev) * (c - c_prev) / (a - a_prev));
    a_prev = a;
    c_prev = c;
  }
  return round3(entry.values[5]);
}

int write_shape_block_tables(int slot, engine::PrintFile& report, int kind) {
  const auto& cd = condition_data();
  const engine::WallBlock& block = cd.wall_blocks[slot];
  const engine::BlockHead& head = block.head;
  const engine::ShapeEntry& entry = checked_entry(slot);

  const double bottom = head.ref_y;
  const double top = head.ref_y + entry.values[2];
  const double level = cd.water_levels[RWL];
  const ShapeSubmersion state = shape_submersion(bottom, top, level);
  BlockResult& result = run_data.block_results[slot][kind];

  if (kind == KIND_BUOYANCY && state == ShapeSubmersion::none) {
    write_no_buoyancy_template(report, cp932_printf("FKST_%02d.PFM", slot), head.name.view(),
                               slot);
    result = BlockResult{};
    return -1;
  }

  // The centroid of the whole unit, also for a partly submerged one; not rounded.
  const double x = block.library.mirrored != 0 ? head.ref_x + entry.values[0] - entry.values[3]
                                               : head.ref_x + entry.values[3];
  const double y = head.ref_y + entry.values[4];

  double v = 0, gamma = 0;
  if (kind == KIND_WEIGHT) {
    v = round3(entry.values[5]);
    gamma = round3(head.unit_weights[0]);
  } else {
    v = state == ShapeSubmersion::wholly ? round3(entry.values[5])
                                         : shape_submerged_volume(entry, level - bottom);
    gamma = round3(cd.water_unit_weight);
  }
  const double length = round3(entry.values[1]);

  result = BlockResult{};
  result.weight = round3(v * gamma / length);
  result.centroid_x = x;
  result.centroid_y = y;
  result.moment_x = round3(result.weight * x);
  result.moment_y = round3(result.weight * y);

  const std::string name = cp932_printf(kind == KIND_WEIGHT ? "BKST_%02d.PFM" : "FKST_%02d.PFM",
                                        slot);
  report.block_record(name);
  engine::PrintFile file;
  open_output(file, name);
  shape_table(name, head.name.view(), kind, v, gamma, length, result).write_to(file);
  close_output(file);
  return 0;
}

}  // namespace qvt::zenobar
