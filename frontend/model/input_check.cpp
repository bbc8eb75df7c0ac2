#include "frontend/model/input_check.h"

#include "common/block_check.h"

#include <algorithm>

namespace qvt::model {
namespace {

const BlockHead& head_of(const WallBlock& b) {
  switch (b.block_type) {
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON:
      return b.caisson.head;
    case BLOCK_COUNTERFORT:
      return b.counterfort.head;
    case BLOCK_QUAD:
      return b.quad.head;
    case BLOCK_LIBRARY:
      return b.library.head;
    default:
      return b.polygon.head;
  }
}

template <int N>
void copy_parametric(const ParametricShape<N>& s, BlockCheckInput& in) {
  in.sub_type = s.sub_type;
  in.flag_a = s.flag_a;
  in.flag_b = s.flag_b;
  for (int r = 0; r < 4; ++r) std::copy_n(s.dims_a[r], 4, in.dims_a[r]);
  for (int r = 0; r < 2; ++r) std::copy_n(s.dims_b[r], 8, in.dims_b[r]);
  in.part_count = s.part_count;
  for (int r = 0; r < 4; ++r) std::copy_n(s.part_values[r], 8, in.part_values[r]);
}

BlockCheckInput check_input(const ProjectModel& m, const WallBlock& b) {
  BlockCheckInput in;
  in.block_type = b.block_type;
  in.vertex_count = b.polygon.vertex_count;
  std::copy_n(b.polygon.vertex_x.begin(), POLYGON_VERTICES, in.vertex_x.begin());
  std::copy_n(b.polygon.vertex_y.begin(), POLYGON_VERTICES, in.vertex_y.begin());
  if (b.block_type == BLOCK_CAISSON || b.block_type == BLOCK_FOOTING_CAISSON)
    copy_parametric(b.caisson, in);
  else if (b.block_type == BLOCK_COUNTERFORT)
    copy_parametric(b.counterfort, in);
  const int index = b.library.library_index;
  if (b.block_type == BLOCK_LIBRARY && index >= 0 && index < m.shape_library_count &&
      index < SHAPE_LIBRARY_SIZE)
    in.library_length = m.shape_library[index].values[1];
  return in;
}

std::string first_problem(const ProjectModel& m) {
  const ProjectConditions& c = m.conditions;
  BodyCheckInput body{c.improvement_pattern, c.body_dims.ll, c.body_dims.ls,
                      c.body_dims.bs,        c.body_dims.bl1, c.body_dims.bl2};
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    const i16 type = m.wall_blocks[slot].block_type;
    if (type == BLOCK_SOIL_POLYGON || type == BLOCK_SOIL_RECTANGLE) body.has_soil_blocks = true;
  }
  if (std::string why = improvement_problem(body); !why.empty()) return "改良地盤: " + why;
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot)
    if (std::string named = named_block_problem(m, slot); !named.empty()) return named;
  if (c.top_surcharge_ignored == 0) {
    for (int k = 0; k < TOP_RANGES_LOADED; ++k) {
      const SurchargeRange& r = c.top_surcharges[k];
      if (std::string why = top_range_problem({r.x_min, r.x_max, {r.load[0], r.load[1]}}, k);
          !why.empty())
        return why;
    }
  }
  return {};
}

}  // namespace

std::string block_problem(const ProjectModel& m, const WallBlock& block) {
  if (block.block_type < 0) return {};
  return block_geometry_problem(check_input(m, block));
}

std::string named_block_problem(const ProjectModel& m, int slot) {
  if (slot < 0 || slot >= MAX_WALL_BLOCKS) return {};
  const WallBlock& b = m.wall_blocks[slot];
  const std::string why = block_problem(m, b);
  if (why.empty()) return why;
  return "ブロック" + std::to_string(slot + 1) + "《" + head_of(b).name + "》: " + why;
}

std::string engine_input_problem(const ProjectModel& m) {
  std::string why = first_problem(m);
  return why.empty() ? why : why + "\n入力データを確認してください。";
}

}  // namespace qvt::model
