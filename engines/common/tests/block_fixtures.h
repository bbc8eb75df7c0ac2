#pragma once
// Condition data with hand-placed blocks, for the tests of vertex lookup, toe and wall top.
#include "engines/common/condition_data.h"

#include <initializer_list>
#include <memory>
#include <utility>

namespace qvt::engine::testing {

// A record with every slot empty (on the heap: the record is large).
inline std::unique_ptr<ConditionData> empty_blocks() {
  auto d = std::make_unique<ConditionData>();
  for (WallBlock& b : d->wall_blocks) b.block_type = BLOCK_EMPTY;
  return d;
}

// A rectangle of type 1 or 7 from (x, y) with width w and height h, stored as the front end
// stores it: size in vertex 0, corners 10..13 clockwise from the lower left, reference point at
// the lower left.
inline void put_rectangle(ConditionData& d, int slot, double x, double y, double w, double h,
                          i16 type = BLOCK_RECTANGLE) {
  WallBlock& b = d.wall_blocks[slot];
  b.block_type = type;
  b.head.ref_x = x;
  b.head.ref_y = y;
  b.polygon.vertex_x[0] = w;
  b.polygon.vertex_y[0] = h;
  const double cx[4] = {x, x, x + w, x + w};
  const double cy[4] = {y, y + h, y + h, y};
  for (int i = 0; i < 4; ++i) {
    b.polygon.vertex_x[10 + i] = cx[i];
    b.polygon.vertex_y[10 + i] = cy[i];
  }
}

// A polygon of type 0 or 6 with the reference point (rx, ry) and vertices relative to it.
inline void put_polygon(ConditionData& d, int slot, double rx, double ry,
                        std::initializer_list<std::pair<double, double>> vertices,
                        i16 type = BLOCK_POLYGON) {
  WallBlock& b = d.wall_blocks[slot];
  b.block_type = type;
  b.head.ref_x = rx;
  b.head.ref_y = ry;
  int j = 0;
  for (const auto& [vx, vy] : vertices) {
    b.polygon.vertex_x[j] = vx;
    b.polygon.vertex_y[j] = vy;
    ++j;
  }
  b.polygon.vertex_count = static_cast<i16>(j);
}

// Top surcharge range k: x_min..x_max with the normal and the seismic load.
inline void put_top_range(ConditionData& d, int k, double x_min, double x_max, double normal,
                          double seismic = 0) {
  d.top_surcharges.x_min[k] = x_min;
  d.top_surcharges.x_max[k] = x_max;
  d.top_surcharges.load[k][CASE_NORMAL] = normal;
  d.top_surcharges.load[k][CASE_SEISMIC] = seismic;
}

}  // namespace qvt::engine::testing
