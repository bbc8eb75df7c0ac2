#include "frontend/model/block_slots.h"

namespace qvt::model {

int first_free_block_slot(const ProjectModel& m) {
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s)
    if (m.wall_blocks[s].block_type == BLOCK_EMPTY) return s;
  return -1;
}

void clear_block_slot(WallBlock& b) {
  b.block_type = BLOCK_EMPTY;
  PolygonShape& p = b.polygon;
  p.head.name.clear();
  p.head.ref_x = p.head.ref_y = 0;
  p.head.length = 0;
  for (int k = 0; k < 6; ++k) p.head.unit_weights[k] = 0;
  p.head.label_x = p.head.label_y = 0;
  p.head.mark_x = p.head.mark_y = 0;
  p.vertex_count = 0;
  p.reserved = 0;
  for (int k = 0; k < POLYGON_VERTICES; ++k) {
    p.vertex_x[k] = UNSET_COORD;
    p.vertex_y[k] = UNSET_COORD;
  }
}

}  // namespace qvt::model
