#include "engines/common/block_vertices.h"

#include "common/cp932.h"
#include "engines/common/tests/block_fixtures.h"

#include <gtest/gtest.h>

namespace qvt::engine {
namespace {

using testing::empty_blocks;
using testing::put_polygon;
using testing::put_rectangle;

TEST(BlockVertexRange, ByBlockType) {
  auto d = empty_blocks();
  d->wall_blocks[0].block_type = BLOCK_POLYGON;
  d->wall_blocks[0].polygon.vertex_count = 5;
  d->wall_blocks[1].block_type = BLOCK_RECTANGLE;
  d->wall_blocks[1].polygon.vertex_count = 4;  // not used by a rectangle
  d->wall_blocks[2].block_type = BLOCK_CAISSON;
  d->wall_blocks[2].caisson.outline_count = 30;
  d->wall_blocks[3].block_type = BLOCK_FOOTING_CAISSON;
  d->wall_blocks[3].caisson.outline_count = 12;
  d->wall_blocks[4].block_type = BLOCK_QUAD;
  d->wall_blocks[5].block_type = BLOCK_COUNTERFORT;
  d->wall_blocks[5].counterfort.outline_count = 20;
  d->wall_blocks[6].block_type = BLOCK_SOIL_POLYGON;
  d->wall_blocks[6].polygon.vertex_count = 7;
  d->wall_blocks[7].block_type = BLOCK_SOIL_RECTANGLE;
  d->wall_blocks[8].block_type = BLOCK_LIBRARY;
  d->wall_blocks[9].block_type = 9;  // outside the known types
  // Counts beyond their stores, and a negative one.
  d->wall_blocks[10].block_type = BLOCK_POLYGON;
  d->wall_blocks[10].polygon.vertex_count = 500;
  d->wall_blocks[11].block_type = BLOCK_CAISSON;
  d->wall_blocks[11].caisson.outline_count = 200;
  d->wall_blocks[12].block_type = BLOCK_COUNTERFORT;
  d->wall_blocks[12].counterfort.outline_count = 75;
  d->wall_blocks[13].block_type = BLOCK_SOIL_POLYGON;
  d->wall_blocks[13].polygon.vertex_count = -3;

  struct Case {
    int slot;
    bool has_range;
    int first, end;
  } cases[] = {
      {0, true, 0, 5},   {1, true, 10, 14}, {2, true, 0, 30},  {3, true, 0, 12},
      {4, true, 0, 4},   {5, true, 0, 20},  {6, true, 0, 7},   {7, true, 10, 14},
      {8, true, 0, 4},   {9, false, 0, 0},  {10, true, 0, 118}, {11, true, 0, 148},
      {12, true, 0, 74}, {13, true, 0, 0},  {14, false, 0, 0},  {-1, false, 0, 0},
      {20, false, 0, 0},
  };
  for (const Case& c : cases) {
    int first = -7, end = -7;  // left unchanged without a range
    EXPECT_EQ(get_block_vertex_range(*d, c.slot, first, end), c.has_range) << c.slot;
    EXPECT_EQ(first, c.has_range ? c.first : -7) << c.slot;
    EXPECT_EQ(end, c.has_range ? c.end : -7) << c.slot;
  }
}

TEST(BlockVertex, AbsolutePositionByType) {
  auto d = empty_blocks();
  put_polygon(*d, 0, 2, -3, {{1, 1}, {4, 1}}, BLOCK_SOIL_POLYGON);
  put_rectangle(*d, 1, 1, -20, 6, 4, BLOCK_SOIL_RECTANGLE);
  d->wall_blocks[2].block_type = BLOCK_CAISSON;
  d->wall_blocks[2].caisson.outline_count = 2;
  d->wall_blocks[2].caisson.outline_x[1] = 12.3456f;
  d->wall_blocks[2].caisson.outline_y[1] = -1.2345678f;
  d->wall_blocks[3].block_type = BLOCK_QUAD;
  d->wall_blocks[3].quad.corner_x[3] = 7.5;
  d->wall_blocks[3].quad.corner_y[3] = -2.5;
  d->wall_blocks[4].block_type = BLOCK_LIBRARY;
  d->wall_blocks[4].library.corner_x[2] = 3.25;
  d->wall_blocks[4].library.corner_y[2] = 1.75;
  d->wall_blocks[5].block_type = BLOCK_COUNTERFORT;
  d->wall_blocks[5].counterfort.outline_count = 4;
  d->wall_blocks[5].counterfort.outline_x[3] = 0.12345;
  d->wall_blocks[5].counterfort.outline_y[3] = 9.87654;

  double x = 0, y = 0;
  // Polygon: ref (2, -3) + vertex 0 (1, 1) = (3, -2).
  ASSERT_TRUE(get_block_vertex(*d, 0, 0, x, y));
  EXPECT_DOUBLE_EQ(x, 3);
  EXPECT_DOUBLE_EQ(y, -2);
  // Rectangle corners come out as stored: 10 lower left, 11 upper left, 12 upper right,
  // 13 lower right of the block at (1, -20), 6 wide and 4 high.
  const double rx[4] = {1, 1, 7, 7}, ry[4] = {-20, -16, -16, -20};
  for (int j = 10; j < 14; ++j) {
    ASSERT_TRUE(get_block_vertex(*d, 1, j, x, y));
    EXPECT_DOUBLE_EQ(x, rx[j - 10]);
    EXPECT_DOUBLE_EQ(y, ry[j - 10]);
  }
  // Caisson: 12.3456 and -1.2345678 in single precision, rounded to the millimetre.
  ASSERT_TRUE(get_block_vertex(*d, 2, 1, x, y));
  EXPECT_DOUBLE_EQ(x, 12.346);
  EXPECT_DOUBLE_EQ(y, -1.235);
  ASSERT_TRUE(get_block_vertex(*d, 3, 3, x, y));
  EXPECT_DOUBLE_EQ(x, 7.5);
  EXPECT_DOUBLE_EQ(y, -2.5);
  ASSERT_TRUE(get_block_vertex(*d, 4, 2, x, y));
  EXPECT_DOUBLE_EQ(x, 3.25);
  EXPECT_DOUBLE_EQ(y, 1.75);
  // Counterfort outline as stored, no rounding.
  ASSERT_TRUE(get_block_vertex(*d, 5, 3, x, y));
  EXPECT_DOUBLE_EQ(x, 0.12345);
  EXPECT_DOUBLE_EQ(y, 9.87654);
}

TEST(BlockVertex, IndexOutsideTheStoreIsRefused) {
  auto d = empty_blocks();
  put_polygon(*d, 0, 0, 0, {{1, 1}});
  d->wall_blocks[1].block_type = BLOCK_QUAD;
  d->wall_blocks[2].block_type = BLOCK_CAISSON;
  struct Case {
    int slot, j;
  } cases[] = {{0, -1}, {0, 118}, {1, 4}, {2, 148}, {3, 0}, {25, 0}};
  for (const Case& c : cases) {
    double x = 5, y = 6;
    EXPECT_FALSE(get_block_vertex(*d, c.slot, c.j, x, y)) << c.slot << " " << c.j;
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 6);
  }
}

struct ToeCase {
  const char* name;
  void (*place)(ConditionData&);
  bool found;
  double toe_x, toe_y;
};

const ToeCase kToeCases[] = {
    {"one improved-soil rectangle: its reference point",
     [](ConditionData& d) { put_rectangle(d, 0, 0, -20, 8, 10, BLOCK_SOIL_RECTANGLE); }, true, 0,
     -20},
    {"two rectangles: x and y are minimised separately, (min(0, -1), min(-20, -15))",
     [](ConditionData& d) {
       put_rectangle(d, 0, 0, -20, 8, 10, BLOCK_SOIL_RECTANGLE);
       put_rectangle(d, 3, -1, -15, 2, 5, BLOCK_SOIL_RECTANGLE);
     },
     true, -1, -20},
    {"polygon: (5, -12) lies right of the toe (0, -10) found first and is skipped",
     [](ConditionData& d) {
       put_polygon(d, 2, 0, 0, {{0, -10}, {5, -12}, {5, -5}, {0, -5}}, BLOCK_SOIL_POLYGON);
     },
     true, 0, -10},
    {"polygon relative to its reference point: (1, 0) + (-1, -12) = (0, -12)",
     [](ConditionData& d) {
       put_polygon(d, 0, 1, 0, {{0, -5}, {-1, -12}, {4, -12}, {4, -5}}, BLOCK_SOIL_POLYGON);
     },
     true, 0, -12},
    {"a vertex at the toe's x and lower takes both values; the later lower one is right of it",
     [](ConditionData& d) {
       put_polygon(d, 0, 0, 0, {{2, -8}, {2, -9}, {3, -11}}, BLOCK_SOIL_POLYGON);
     },
     true, 2, -9},
    {"ordinary blocks take no part, even below the improved body",
     [](ConditionData& d) {
       put_rectangle(d, 0, -5, -30, 3, 3);
       put_polygon(d, 1, 0, 0, {{-9, -40}, {-9, -39}, {0, -39}});
       put_rectangle(d, 5, 2, -18, 6, 8, BLOCK_SOIL_RECTANGLE);
     },
     true, 2, -18},
    {"no improved-soil block: the toe stays unset and is reported missing",
     [](ConditionData& d) { put_rectangle(d, 0, 0, 0, 10, 3); }, false, TOE_UNSET, TOE_UNSET},
};

TEST(FindToePoint, Cases) {
  for (const ToeCase& c : kToeCases) {
    auto d = empty_blocks();
    d->toe_x = 123;  // the check point the reader left there
    d->toe_y = 456;
    c.place(*d);
    EXPECT_EQ(find_toe_point(*d), c.found) << c.name;
    EXPECT_DOUBLE_EQ(d->toe_x, c.toe_x) << c.name;
    EXPECT_DOUBLE_EQ(d->toe_y, c.toe_y) << c.name;
  }
}

TEST(FindToePoint, MainRoutineStopsWithoutImprovedSoil) {
  auto d = empty_blocks();
  put_rectangle(*d, 0, 0, 0, 10, 3);
  const Status none = require_toe_point(*d);
  ASSERT_FALSE(none.ok());
  ASSERT_EQ(none.stop().messages.size(), 1u);
  const EngineMessage& m = none.stop().messages[0];
  EXPECT_EQ(m.kind, MessageKind::Error);
  EXPECT_EQ(m.title, "error");
  EXPECT_EQ(m.text, missing_toe_text());
  EXPECT_NE(cp932_to_utf8_lossy(m.text).find("改良地盤ブロックがありません"), std::string::npos);

  put_rectangle(*d, 1, 0, -20, 10, 20, BLOCK_SOIL_RECTANGLE);
  EXPECT_TRUE(require_toe_point(*d).ok());
  EXPECT_DOUBLE_EQ(d->toe_x, 0);
  EXPECT_DOUBLE_EQ(d->toe_y, -20);
}

}  // namespace
}  // namespace qvt::engine
