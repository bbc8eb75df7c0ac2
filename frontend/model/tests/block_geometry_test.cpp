#include "frontend/model/block_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qvt::model {
namespace {

struct RoundCase {
  double value, unit;
  int mode;
  double expected;
};

TEST(RoundInUnits, Table) {
  const RoundCase cases[] = {
      // Mode 0: floor(|q| + 0.501), so 0.499 of a unit already rounds away from zero.
      {2.4989, 1, 0, 2},      // 2.9999 -> 2
      {2.499, 1, 0, 3},       // 3.000 -> 3
      {-2.5, 1, 0, -3},       // magnitude 3.001 -> 3, sign back
      {2.0015, 0.001, 0, 2.002},
      {1.2344, 0.001, 0, 1.234},  // 1234.4 + 0.501 = 1234.901
      {-1.2345, 0.001, 0, -1.235},
      {0, 0.001, 0, 0},
      {12.34, 0.5, 0, 12.5},  // 24.68 + 0.501 -> 25 halves
      // Mode 1: trunc(|q| + 0.001).
      {2.9995, 1, 1, 3},
      {2.998, 1, 1, 2},
      {-2.9995, 1, 1, -3},
      {0.0019, 0.001, 1, 0.001},
      // Mode 9 returns the value itself, any other mode 0.
      {7.3, 1, 9, 7.3},
      {7.3, 0, 9, 7.3},
      {7.3, 1, 2, 0},
      {7.3, 1, -1, 0},
  };
  for (const RoundCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " unit " << c.unit << " mode " << c.mode);
    EXPECT_DOUBLE_EQ(round_in_units(c.value, c.unit, c.mode), c.expected);
  }
}

TEST(RoundInUnits, NegativeValueRoundingToNothingIsPlusZero) {
  EXPECT_FALSE(std::signbit(round_in_units(-0.0001, 0.001, 0)));
  EXPECT_FALSE(std::signbit(round_in_units(-0.5, 1, 1)));
}

TEST(RoundInUnits, UnitThatCannotRoundLeavesValue) {
  EXPECT_EQ(round_in_units(1.23456, 0, 0), 1.23456);
  EXPECT_EQ(round_in_units(1.23456, -0.001, 1), 1.23456);
}

// A model with one block of every kind; the library holds two entries.
ProjectModel blocks_of_every_type() {
  ProjectModel m;
  m.wall_blocks[0].block_type = BLOCK_POLYGON;
  m.wall_blocks[0].polygon.vertex_count = 5;
  m.wall_blocks[1].block_type = BLOCK_SOIL_RECTANGLE;
  m.wall_blocks[2].block_type = BLOCK_CAISSON;
  m.wall_blocks[2].caisson.outline_count = 12;
  m.wall_blocks[2].caisson.tail = 36;
  m.wall_blocks[3].block_type = BLOCK_QUAD;
  m.wall_blocks[4].block_type = BLOCK_COUNTERFORT;
  m.wall_blocks[4].counterfort.outline_count = 8;
  m.wall_blocks[4].counterfort.tail = 12;
  m.wall_blocks[5].block_type = BLOCK_LIBRARY;
  m.wall_blocks[5].library.library_index = 1;
  m.wall_blocks[6].block_type = BLOCK_SOIL_POLYGON;
  m.wall_blocks[6].polygon.vertex_count = 3;
  m.wall_blocks[7].block_type = BLOCK_FOOTING_CAISSON;
  m.wall_blocks[7].caisson.outline_count = 9;
  m.wall_blocks[7].caisson.tail = 25;
  m.wall_blocks[8].block_type = BLOCK_RECTANGLE;
  m.wall_blocks[9].block_type = static_cast<i16>(9);  // not a block type
  m.shape_library_count = 2;
  m.shape_library[1].point_count = 5;
  return m;
}

TEST(BlockVertexRange, ByBlockType) {
  const ProjectModel m = blocks_of_every_type();
  struct Case {
    int slot, first, end;
  };
  const Case cases[] = {
      {0, 0, 5},   // polygon: its vertices
      {1, 10, 14}, {8, 10, 14},  // rectangles: the corners after the size in vertex 0
      {2, 0, 36},  // caisson: every point, cells and divisions included
      {7, 0, 25},
      {3, 0, 4},   // four corners
      {4, 0, 8},   // counterfort: the outer outline only
      {5, 1, 6},   // library points 1..5, the last one included
      {6, 0, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slot);
    int first = -7, end = -7;
    EXPECT_TRUE(get_block_vertex_range(m, c.slot, first, end));
    EXPECT_EQ(first, c.first);
    EXPECT_EQ(end, c.end);
  }
}

TEST(BlockVertexRange, NoRangeLeavesOutputs) {
  ProjectModel m = blocks_of_every_type();
  m.wall_blocks[5].library.library_index = 2;  // beyond the two entries in use
  m.wall_blocks[6].block_type = BLOCK_EMPTY;
  for (int slot : {5, 6, 9, -1, MAX_WALL_BLOCKS}) {
    SCOPED_TRACE(slot);
    int first = -7, end = -8;
    EXPECT_FALSE(get_block_vertex_range(m, slot, first, end));
    EXPECT_EQ(first, -7);
    EXPECT_EQ(end, -8);
  }
  m.wall_blocks[5].library.library_index = -1;
  int first = -7, end = -8;
  EXPECT_FALSE(get_block_vertex_range(m, 5, first, end));
}

TEST(BlockVertexRange, CountsAreCutToTheirArrays) {
  ProjectModel m = blocks_of_every_type();
  m.wall_blocks[0].polygon.vertex_count = 500;
  m.wall_blocks[2].caisson.tail = -3;
  m.wall_blocks[4].counterfort.outline_count = 90;
  m.shape_library[1].point_count = 120;
  int first = 0, end = 0;
  get_block_vertex_range(m, 0, first, end);
  EXPECT_EQ(end, POLYGON_VERTICES);
  get_block_vertex_range(m, 2, first, end);
  EXPECT_EQ(end, 0);
  get_block_vertex_range(m, 4, first, end);
  EXPECT_EQ(end, COUNTERFORT_OUTLINE_POINTS);
  get_block_vertex_range(m, 5, first, end);
  EXPECT_EQ(end, LIBRARY_POINTS + 1);
}

TEST(BlockVertex, PositionsByBlockType) {
  ProjectModel m = blocks_of_every_type();
  PolygonShape& poly = m.wall_blocks[6].polygon;
  poly.head.ref_x = 2;
  poly.head.ref_y = -3;
  poly.vertex_x[0] = 1;
  poly.vertex_y[0] = 1;
  poly.vertex_x[1] = UNSET_COORD;
  poly.vertex_y[1] = 4;
  PolygonShape& rect = m.wall_blocks[1].polygon;
  rect.head.ref_x = 50;  // corners are absolute: the reference point is not added again
  rect.vertex_x[12] = 5;
  rect.vertex_y[12] = -7;
  rect.vertex_y[13] = UNSET_COORD;
  m.wall_blocks[3].quad.corner_x[2] = 8;
  m.wall_blocks[3].quad.corner_y[2] = 9;
  m.wall_blocks[4].counterfort.outline_x[7] = 1.25;
  m.wall_blocks[4].counterfort.outline_y[7] = -0.5;
  m.wall_blocks[2].caisson.outline_x[30] = 12.3456;  // full precision, not rounded
  m.wall_blocks[2].caisson.outline_y[30] = -4.0004;
  LibraryShape& lib = m.wall_blocks[5].library;
  lib.head.ref_x = 10;
  lib.head.ref_y = -2;
  lib.values[1] = 4;
  m.shape_library[1].values[0] = 3;  // the entry's own value is not the width used
  m.shape_library[1].point_x[5] = 1;
  m.shape_library[1].point_y[5] = 2.5;

  struct Case {
    int slot, j;
    double x, y;
  };
  const Case cases[] = {
      {6, 0, 3, -2},                        // (2 + 1, -3 + 1)
      {6, 1, UNSET_COORD, UNSET_COORD},     // one coordinate unset
      {1, 12, 5, -7},
      {1, 13, UNSET_COORD, UNSET_COORD},
      {3, 2, 8, 9},
      {4, 7, 1.25, -0.5},
      {2, 30, 12.3456, -4.0004},
      {5, 5, 11, 0.5},                      // 10 + 1, -2 + 2.5
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "slot " << c.slot << " vertex " << c.j);
    double x = -1, y = -1;
    EXPECT_TRUE(get_block_vertex(m, c.slot, c.j, x, y));
    EXPECT_DOUBLE_EQ(x, c.x);
    EXPECT_DOUBLE_EQ(y, c.y);
  }

  // Reflected: about half the block's width values[1] = 4, so x = 10 + 4 - 1.
  lib.mirrored = 1;
  double x = -1, y = -1;
  EXPECT_TRUE(get_block_vertex(m, 5, 5, x, y));
  EXPECT_DOUBLE_EQ(x, 13);
  EXPECT_DOUBLE_EQ(y, 0.5);
}

TEST(BlockVertex, OutsideItsArrayLeavesOutputs) {
  ProjectModel m = blocks_of_every_type();
  const struct {
    int slot, j;
  } cases[] = {
      {0, POLYGON_VERTICES}, {0, -1}, {3, 4}, {4, COUNTERFORT_OUTLINE_POINTS},
      {2, CAISSON_OUTLINE_POINTS}, {5, LIBRARY_POINTS + 1}, {10, 0}, {-1, 0},
      {MAX_WALL_BLOCKS, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "slot " << c.slot << " vertex " << c.j);
    double x = -1, y = -2;
    EXPECT_FALSE(get_block_vertex(m, c.slot, c.j, x, y));
    EXPECT_EQ(x, -1);
    EXPECT_EQ(y, -2);
  }
  double x = 0, y = 0;
  EXPECT_TRUE(get_block_vertex(m, 5, LIBRARY_POINTS, x, y));  // the last library point exists
  m.wall_blocks[5].library.library_index = 5;
  EXPECT_FALSE(get_block_vertex(m, 5, 1, x, y));  // entry not in the library
}

TEST(CrossProduct, OfDirections) {
  EXPECT_DOUBLE_EQ(compute_cross_product(0, 0, 1, 0, 5, 5, 5, 6), 1);   // x-axis cross y-axis
  EXPECT_DOUBLE_EQ(compute_cross_product(0, 0, 2, 1, 0, 0, 4, 2), 0);   // parallel
  EXPECT_DOUBLE_EQ(compute_cross_product(1, 1, 3, 1, 0, 0, 0, -3), -6);  // (2,0) x (0,-3)
}

TEST(IntersectLines, CodesAndPoints) {
  struct Case {
    double x1, y1, x2, y2, x3, y3, x4, y4;
    int code;
    double x, y;
  };
  const Case cases[] = {
      {0, 0, 2, 0, 1, -1, 1, 1, 0, 1, 0},      // crossing inside both segments
      {0, 0, 2, 0, 3, -1, 3, 1, 1, 3, 0},      // beyond the end of the first
      {0, 0, 4, 0, 1, 1, 1, 2, 2, 1, 0},       // beyond the second
      {0, 0, 1, 0, 3, 1, 3, 2, 3, 3, 0},       // beyond both
      {0, 0, 2, 0, 2, -1, 2, 1, 0, 2, 0},      // at an end: on the segment
      {0, 0, 2, 2, 0, 2, 2, 0, 0, 1, 1},       // diagonals of a square
  };
  for (const Case& c : cases) {
    double x = 99, y = 99;
    EXPECT_EQ(intersect_lines(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4, x, y), c.code);
    EXPECT_NEAR(x, c.x, 1e-12);
    EXPECT_NEAR(y, c.y, 1e-12);
  }
}

TEST(IntersectLines, ParallelLeavesOutputs) {
  double x = 7, y = 8;
  EXPECT_EQ(intersect_lines(0, 0, 2, 0, 0, 1, 2, 1, x, y), -1);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 8);
  EXPECT_EQ(intersect_lines(0, 0, 2, 0, 5, 5, 5, 5, x, y), -1);  // second line is one point
  EXPECT_EQ(x, 7);
}

TEST(ExtendSegment, AlongTheLine) {
  double x = 0, y = 0;
  EXPECT_EQ(extend_segment(0, 0, 3, 4, 5, x, y), 0);  // |(3,4)| = 5: twice as far
  EXPECT_DOUBLE_EQ(x, 6);
  EXPECT_DOUBLE_EQ(y, 8);
  EXPECT_EQ(extend_segment(0, 0, 3, 4, -5, x, y), 0);  // back to the start
  EXPECT_NEAR(x, 0, 1e-15);
  EXPECT_NEAR(y, 0, 1e-15);
  x = 7;
  y = 8;
  EXPECT_EQ(extend_segment(1, 1, 1, 1, 2, x, y), -1);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 8);
}

TEST(OffsetPointFromLine, ToTheLeft) {
  double x = 0, y = 0;
  EXPECT_EQ(offset_point_from_line(0, 0, 2, 0, 1, x, y), 0);
  EXPECT_DOUBLE_EQ(x, 2);
  EXPECT_DOUBLE_EQ(y, 1);
  EXPECT_EQ(offset_point_from_line(0, 0, 2, 0, -1, x, y), 0);
  EXPECT_DOUBLE_EQ(x, 2);
  EXPECT_DOUBLE_EQ(y, -1);
  // Down a vertical face: left of the downward direction is +x.
  EXPECT_EQ(offset_point_from_line(0, 6, 0, 1, 0.5, x, y), 0);
  EXPECT_DOUBLE_EQ(x, 0.5);
  EXPECT_DOUBLE_EQ(y, 1);
  x = 7;
  y = 8;
  EXPECT_EQ(offset_point_from_line(3, 3, 3, 3, 1, x, y), -1);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 8);
}

}  // namespace
}  // namespace qvt::model
