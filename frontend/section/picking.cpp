#include "frontend/section/picking.h"

#include "frontend/model/block_geometry.h"

#include <algorithm>
#include <cmath>

namespace qvt::section {

namespace {

template <typename List>
int pick_in_list(const List& list, int capacity, double x, double y, double radius) {
  NearestSearch search(x, y, radius);
  int best = -1;
  const int n = std::clamp<int>(list.count, 0, capacity);
  for (int i = 0; i < n; ++i)
    if (search.offer(list.x[i], list.y[i])) best = i;
  return best;
}

}  // namespace

NearestSearch::NearestSearch(double x, double y, double radius)
    : x_(x), y_(y), r_(radius), r2_(radius * radius) {}

bool NearestSearch::offer(double cx, double cy) {
  const double dx = std::fabs(cx - x_);
  if (dx > r_) return false;
  const double dy = std::fabs(cy - y_);
  if (dy > r_) return false;
  const double d2 = dx * dx + dy * dy;
  if (d2 > r2_) return false;
  r2_ = d2;
  r_ = std::sqrt(d2);
  return true;
}

int pick_pressure_point(const model::ProjectModel& m, double x, double y, double radius,
                        int side) {
  if (side < 0 || side > 1) return -1;
  return pick_in_list(m.conditions.pressure_points[side], model::MAX_PRESSURE_POINTS + 1, x, y,
                      radius);
}

int pick_dimension_point(const model::ProjectModel& m, double x, double y, double radius,
                         int list) {
  if (list < 0 || list > 1) return -1;
  return pick_in_list(m.conditions.dimension_points[list], model::MAX_DIMENSION_POINTS + 1, x, y,
                      radius);
}

const model::BlockHead* block_head(const model::WallBlock& b) {
  using namespace model;
  switch (b.block_type) {
    case BLOCK_POLYGON:
    case BLOCK_RECTANGLE:
    case BLOCK_SOIL_POLYGON:
    case BLOCK_SOIL_RECTANGLE:
      return &b.polygon.head;
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON:
      return &b.caisson.head;
    case BLOCK_QUAD:
      return &b.quad.head;
    case BLOCK_COUNTERFORT:
      return &b.counterfort.head;
    case BLOCK_LIBRARY:
      return &b.library.head;
    default:
      return nullptr;
  }
}

model::BlockHead* block_head(model::WallBlock& b) {
  return const_cast<model::BlockHead*>(block_head(static_cast<const model::WallBlock&>(b)));
}

int pick_block_at(const model::ProjectModel& m, double x, double y, double radius) {
  NearestSearch search(x, y, radius);
  int best = -1;
  for (int slot = 0; slot < model::MAX_WALL_BLOCKS; ++slot) {
    const model::WallBlock& b = m.wall_blocks[slot];
    if (b.block_type < 0) continue;
    const model::BlockHead* h = block_head(b);
    if (h == nullptr) continue;
    if (search.offer(h->label_x, h->label_y)) best = slot;
  }
  return best;
}

int snap_to_block_vertex(const model::ProjectModel& m, double x, double y, double radius,
                         double& snapped_x, double& snapped_y, int slot) {
  NearestSearch search(x, y, radius);
  int found = -1;
  const int from = slot >= 0 ? slot : 0;
  const int to = slot >= 0 ? std::min(slot + 1, int{model::MAX_WALL_BLOCKS}) : model::MAX_WALL_BLOCKS;
  for (int s = from; s < to; ++s) {
    if (m.wall_blocks[s].block_type < 0) continue;
    int first = 0, end = 0;
    if (!model::get_block_vertex_range(m, s, first, end)) continue;
    for (int j = first; j < end; ++j) {
      double vx = 0, vy = 0;
      if (!model::get_block_vertex(m, s, j, vx, vy)) break;
      if (vx == model::UNSET_COORD || vy == model::UNSET_COORD) continue;
      if (search.offer(vx, vy)) {
        snapped_x = vx;
        snapped_y = vy;
        found = 1;
      }
    }
  }
  return found;
}

}  // namespace qvt::section
