#include "engines/common/block_geometry_check.h"

#include "common/block_check.h"
#include "common/cp932.h"

#include <algorithm>
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

}  // namespace

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
