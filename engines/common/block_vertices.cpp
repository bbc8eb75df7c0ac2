#include "engines/common/block_vertices.h"

#include "common/block_vertex_range.h"
#include "common/cp932.h"
#include "engines/common/rounding_geometry.h"

#include <algorithm>

namespace qvt::engine {
namespace {

// Index range of a stored count within a store of `capacity` entries.
int stored_end(int count, int capacity) { return std::clamp(count, 0, capacity); }

}  // namespace

bool get_block_vertex_range(const ConditionData& data, int slot, int& first, int& end) {
  if (slot < 0 || slot >= MAX_WALL_BLOCKS) return false;
  const WallBlock& b = data.wall_blocks[slot];
  if (shared_block_vertex_range(b, first, end)) return true;
  switch (b.block_type) {
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON:
      first = 0;
      end = stored_end(b.caisson.outline_count, CAISSON_OUTLINE_POINTS);
      return true;
    case BLOCK_LIBRARY:
      // The engines place a library block by its four corners, not by its library points.
      first = 0;
      end = 4;
      return true;
    default:
      return false;
  }
}

bool get_block_vertex(const ConditionData& data, int slot, int j, double& x, double& y) {
  if (slot < 0 || slot >= MAX_WALL_BLOCKS || j < 0) return false;
  const WallBlock& b = data.wall_blocks[slot];
  switch (b.block_type) {
    case BLOCK_POLYGON:
    case BLOCK_SOIL_POLYGON:
      if (j >= POLYGON_VERTICES) return false;
      x = b.head.ref_x + b.polygon.vertex_x[j];
      y = b.head.ref_y + b.polygon.vertex_y[j];
      return true;
    case BLOCK_RECTANGLE:
    case BLOCK_SOIL_RECTANGLE:
      if (j >= POLYGON_VERTICES) return false;
      x = b.polygon.vertex_x[j];
      y = b.polygon.vertex_y[j];
      return true;
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON:
      // The outline is held in single precision; rounding to the millimetre takes away the
      // digits the narrowing made up.
      if (j >= CAISSON_OUTLINE_POINTS) return false;
      x = round_to_unit(static_cast<double>(b.caisson.outline_x[j]), 0.001, 0);
      y = round_to_unit(static_cast<double>(b.caisson.outline_y[j]), 0.001, 0);
      return true;
    case BLOCK_QUAD:
      if (j >= 4) return false;
      x = b.quad.corner_x[j];
      y = b.quad.corner_y[j];
      return true;
    case BLOCK_LIBRARY:
      // The engines place a library block by its four corners, not by its library points.
      if (j >= 4) return false;
      x = b.library.corner_x[j];
      y = b.library.corner_y[j];
      return true;
    case BLOCK_COUNTERFORT:
      if (j >= COUNTERFORT_OUTLINE_POINTS) return false;
      x = b.counterfort.outline_x[j];
      y = b.counterfort.outline_y[j];
      return true;
    default:
      return false;
  }
}

bool find_toe_point(ConditionData& data) {
  data.toe_x = TOE_UNSET;
  data.toe_y = TOE_UNSET;
  bool found = false;
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    const WallBlock& b = data.wall_blocks[slot];
    if (b.block_type == BLOCK_SOIL_POLYGON) {
      found = true;
      int first = 0, end = 0;
      get_block_vertex_range(data, slot, first, end);
      for (int j = first; j < end; ++j) {
        double vx = 0, vy = 0;
        get_block_vertex(data, slot, j, vx, vy);
        // Both together, and only for a vertex at or left of the toe found so far.
        if (vx <= data.toe_x && vy < data.toe_y) {
          data.toe_x = vx;
          data.toe_y = vy;
        }
      }
    } else if (b.block_type == BLOCK_SOIL_RECTANGLE) {
      // The reference point of an improved-soil rectangle is its lower-left corner.
      found = true;
      if (data.toe_x > b.head.ref_x) data.toe_x = b.head.ref_x;
      if (data.toe_y > b.head.ref_y) data.toe_y = b.head.ref_y;
    }
  }
  return found;
}

std::string missing_toe_text() {
  return utf8_to_cp932_lossy(
      "改良地盤ブロックがありません。\n"
      "モーメントの基準点 (改良体の前趾) が決まらないため、計算を中止します。");
}

Status require_toe_point(ConditionData& data) {
  if (find_toe_point(data)) return Status::success();
  return fatal_error(missing_toe_text());
}

}  // namespace qvt::engine
