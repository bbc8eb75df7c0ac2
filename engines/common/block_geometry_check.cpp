#include "engines/common/block_geometry_check.h"

#include "common/block_check.h"
#include "common/cp932.h"
#include "engines/common/block_vertices.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace qvt::engine {
namespace {

BlockCheckInput check_input(const ConditionData& d, const WallBlock& b) {
  BlockCheckInput in;
  in.block_type = b.block_type;
  in.sub_type = b.sub_type;
  in.vertex_count = b.polygon.vertex_count;
  std::copy(std::begin(b.polygon.vertex_x), std::end(b.polygon.vertex_x), in.vertex_x.begin());
  std::copy(std::begin(b.polygon.vertex_y), std::end(b.polygon.vertex_y), in.vertex_y.begin());
  auto copy_parametric = [&](const auto& s) {
    in.flag_a = s.flag_a;
    in.flag_b = s.flag_b;
    for (int r = 0; r < 4; ++r) std::copy_n(s.dims_a[r], 4, in.dims_a[r]);
    for (int r = 0; r < 2; ++r) std::copy_n(s.dims_b[r], 8, in.dims_b[r]);
    in.part_count = s.part_count;
    for (int r = 0; r < 4; ++r) std::copy_n(s.part_values[r], 8, in.part_values[r]);
  };
  if (b.block_type == BLOCK_CAISSON || b.block_type == BLOCK_FOOTING_CAISSON)
    copy_parametric(b.caisson);
  else if (b.block_type == BLOCK_COUNTERFORT)
    copy_parametric(b.counterfort);
  const int index = b.library.library_index;
  if (b.block_type == BLOCK_LIBRARY && index >= 0 && index < d.shape_library_count &&
      index < MAX_ENGINE_SHAPES)
    in.library_length = d.shape_library[index].values[1];
  return in;
}

EngineStop refusal(const std::string& cp932_subject, const std::string& utf8_reason) {
  return fatal_error(cp932_subject + utf8_to_cp932_lossy(utf8_reason + "\n入力データを確認してください。"));
}

std::string value_text(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", v);
  return text;
}

// Every vertex of the improved-soil blocks, the body as the block file builds it.
template <class Visit>
void for_each_soil_vertex(const ConditionData& d, Visit visit) {
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    const i16 type = d.wall_blocks[slot].block_type;
    if (type != BLOCK_SOIL_POLYGON && type != BLOCK_SOIL_RECTANGLE) continue;
    int first = 0, end = 0;
    if (!get_block_vertex_range(d, slot, first, end)) continue;
    for (int j = first; j < end; ++j) {
      double x = 0, y = 0;
      if (get_block_vertex(d, slot, j, x, y)) visit(x, y);
    }
  }
}

}  // namespace

Status check_body_blocks(const ConditionData& d) {
  // Half the millimetre the pages and the files work to.
  constexpr double kTolerance = 0.0005;
  bool any = false;
  double left = 0, right = 0;
  for_each_soil_vertex(d, [&](double x, double) {
    left = any ? std::min(left, x) : x;
    right = any ? std::max(right, x) : x;
    any = true;
  });
  if (!any) return Status::success();
  // The lowest point of the blocks at the seaward and at the landward edge.
  bool sea_found = false, land_found = false;
  double sea_bottom = 0, land_bottom = 0;
  for_each_soil_vertex(d, [&](double x, double y) {
    if (std::fabs(x - left) <= kTolerance) {
      sea_bottom = sea_found ? std::min(sea_bottom, y) : y;
      sea_found = true;
    }
    if (std::fabs(x - right) <= kTolerance) {
      land_bottom = land_found ? std::min(land_bottom, y) : y;
      land_found = true;
    }
  });
  const ImprovedBodyDims& b = d.body_dims;
  struct Pair {
    const char* condition;  // how the improved-body page names the value
    double stated;
    const char* blocks;
    double built;
  };
  const Pair pairs[] = {
      {"改良体の位置 Ｘ", b.ref_x, "前面（海側）の位置", left},
      {"改良幅 Ｂ", b.width, "幅", right - left},
      {"海側の改良下限標高 Ｄｈ1", b.dh1, "海側の下端標高", sea_bottom},
      {"陸側の改良下限標高 Ｄｈ2", b.dh2, "陸側の下端標高", land_bottom},
  };
  auto disagree = [](const Pair& p) {
    return fatal_error(utf8_to_cp932_lossy(
        std::string("条件設定ファイル (QVTAJKN.CAL) の") + p.condition + " (" +
        value_text(p.stated) + ") と、初期条件設定ファイル (QVTABLK.CAL) の改良地盤ブロックの" +
        p.blocks + " (" + value_text(p.built) + ") が一致しません。\n入力データを確認してください。"));
  };
  for (const Pair& p : pairs)
    if (std::fabs(p.stated - p.built) > kTolerance) return disagree(p);
  // The reference level Y is the level the sloped layers' vertices are measured from: the front
  // end places every one at (X, Y). It is no level of the body's outline (a new project keeps
  // Y 0 under a body at -15, and a changed Dh leaves it where it was), so it is held to these
  // layers alone; a level layer carries its own bottom as its reference.
  for (const WallBlock& blk : d.wall_blocks)
    if (blk.block_type == BLOCK_SOIL_POLYGON && std::fabs(b.ref_y - blk.head.ref_y) > kTolerance)
      return disagree({"改良体の配置基準点 Ｙ", b.ref_y, "配置基準点 Ｙ", blk.head.ref_y});
  return Status::success();
}

Status check_block_unit_weights(const ConditionData& d) {
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    const WallBlock& b = d.wall_blocks[slot];
    if (b.block_type < 0) continue;
    if (std::string why = unit_weight_problem(b.block_type, b.head.unit_weights); !why.empty())
      return refusal(utf8_to_cp932_lossy("初期条件設定ファイル (QVTABLK.CAL) のブロック" +
                                         std::to_string(slot + 1) + "《") +
                         std::string(b.head.name.view()) + utf8_to_cp932_lossy("》: "),
                     why);
  }
  return Status::success();
}

Status check_block_geometry(const ConditionData& d) {
  BodyCheckInput body{d.improvement_pattern, d.body_dims.ll, d.body_dims.ls,
                      d.body_dims.bs,        d.body_dims.bl1, d.body_dims.bl2};
  for (const WallBlock& b : d.wall_blocks)
    if (b.block_type == BLOCK_SOIL_POLYGON || b.block_type == BLOCK_SOIL_RECTANGLE)
      body.has_soil_blocks = true;
  if (std::string why = improvement_problem(body); !why.empty())
    return refusal(utf8_to_cp932_lossy("改良地盤: "), why);
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    const WallBlock& b = d.wall_blocks[slot];
    if (b.block_type < 0) continue;
    if (std::string why = block_geometry_problem(check_input(d, b)); !why.empty())
      return refusal(utf8_to_cp932_lossy("ブロック" + std::to_string(slot + 1) + "《") +
                         std::string(b.head.name.view()) + utf8_to_cp932_lossy("》: "),
                     why);
  }
  if (d.top_surcharge_ignored == 0) {
    for (int k = 0; k < TOP_RANGES_LOADED; ++k) {
      const TopRangeInput range{d.top_surcharges.x_min[k], d.top_surcharges.x_max[k],
                                {d.top_surcharges.load[k][0], d.top_surcharges.load[k][1]}};
      if (std::string why = top_range_problem(range, k); !why.empty()) return refusal({}, why);
    }
  }
  return Status::success();
}

}  // namespace qvt::engine
