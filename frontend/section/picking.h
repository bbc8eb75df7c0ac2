#pragma once
// Nearest-point searches of the section picture. One rule for all of them: a candidate whose
// |dx| or |dy| exceeds the current radius is skipped, then one whose squared distance exceeds
// the squared radius; any other is taken and the radius shrinks to its distance. So of equally
// near candidates the later one wins, and a candidate exactly at the radius counts.
#include "frontend/model/project.h"

namespace qvt::section {

class NearestSearch {
 public:
  NearestSearch(double x, double y, double radius);
  // True when (cx, cy) is taken as the nearest so far.
  bool offer(double cx, double cy);

 private:
  double x_, y_, r_, r2_;
};

// The nearest action point of side 0 or 1 within the radius, or -1 (also for any other side).
int pick_pressure_point(const model::ProjectModel& m, double x, double y, double radius,
                        int side);
// The nearest point of dimension list 0 (upper) or 1 (lower) within the radius, or -1.
int pick_dimension_point(const model::ProjectModel& m, double x, double y, double radius,
                         int list);
// The used slot whose label position is nearest within the radius, or -1.
int pick_block_at(const model::ProjectModel& m, double x, double y, double radius);
// The nearest set vertex of the used blocks (slot < 0) or of that one slot within the radius:
// 1 with the vertex in snapped_x, snapped_y, or -1 with both left untouched.
int snap_to_block_vertex(const model::ProjectModel& m, double x, double y, double radius,
                         double& snapped_x, double& snapped_y, int slot);

// The head that holds a block's reference point and label position, by its type; nullptr for an
// empty slot or an unknown type.
const model::BlockHead* block_head(const model::WallBlock& b);
model::BlockHead* block_head(model::WallBlock& b);

}  // namespace qvt::section
