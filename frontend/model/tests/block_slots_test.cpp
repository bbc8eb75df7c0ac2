// Emptying a block slot and finding the lowest free one.
#include "frontend/model/block_slots.h"

#include <gtest/gtest.h>

namespace qvt::model {
namespace {

TEST(BlockSlots, ClearEmptiesThePolygonSectionAndKeepsTheRest) {
  WallBlock b;
  b.block_type = BLOCK_RECTANGLE;
  PolygonShape& p = b.polygon;
  p.head.name = "cap";
  p.head.ref_x = 1;
  p.head.ref_y = 2;
  p.head.length = 3;
  for (double& w : p.head.unit_weights) w = 24;
  p.head.label_x = p.head.label_y = p.head.mark_x = p.head.mark_y = 5;
  p.vertex_count = 2;
  p.reserved = 1;
  p.vertex_x.fill(7);
  p.vertex_y.fill(8);
  b.caisson.head.ref_x = 9;
  clear_block_slot(b);
  EXPECT_EQ(b.block_type, BLOCK_EMPTY);
  EXPECT_EQ(p.head.name, "");
  EXPECT_EQ(p.head.ref_x, 0);
  EXPECT_EQ(p.head.ref_y, 0);
  EXPECT_EQ(p.head.length, 0);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(p.head.unit_weights[k], 0) << k;
  EXPECT_EQ(p.head.unit_weights[6], 24);  // beyond the six the slot's delete clears
  EXPECT_EQ(p.head.label_x, 0);
  EXPECT_EQ(p.head.mark_y, 0);
  EXPECT_EQ(p.vertex_count, 0);
  EXPECT_EQ(p.reserved, 0);
  for (int k = 0; k < POLYGON_VERTICES; ++k) {
    EXPECT_EQ(p.vertex_x[k], UNSET_COORD) << k;
    EXPECT_EQ(p.vertex_y[k], UNSET_COORD) << k;
  }
  EXPECT_EQ(p.vertex_x[POLYGON_VERTICES], 7);  // the spare element is not a vertex
  EXPECT_EQ(b.caisson.head.ref_x, 9);
}

TEST(BlockSlots, FirstFreeSlotIsTheLowestEmptyOne) {
  ProjectModel m;
  EXPECT_EQ(first_free_block_slot(m), 0);
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s) m.wall_blocks[s].block_type = BLOCK_POLYGON;
  EXPECT_EQ(first_free_block_slot(m), -1);
  m.wall_blocks[MAX_WALL_BLOCKS].block_type = BLOCK_EMPTY;  // the spare slot is no slot
  EXPECT_EQ(first_free_block_slot(m), -1);
  m.wall_blocks[13].block_type = BLOCK_EMPTY;
  m.wall_blocks[4].block_type = BLOCK_EMPTY;
  EXPECT_EQ(first_free_block_slot(m), 4);
}

}  // namespace
}  // namespace qvt::model
