#include "frontend/model/caisson_outline.h"

#include "frontend/model/block_outline.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace qvt::model {
namespace {

using Points = std::vector<std::pair<double, double>>;

class Recorder : public MessageSink {
 public:
  void show_message(MessageIcon, const std::string&, const std::string& text) override {
    texts.push_back(text);
  }
  std::vector<std::string> texts;
};

// A caisson body H = 10 high and W = 8 wide with footings L = 1 long, T = 0.5 thick at the tip
// and a haunch C = 0.3; one cell so the outline is built.
CaissonShape body(int sub_type, double rx = 0, double ry = 0) {
  CaissonShape c;
  c.sub_type = static_cast<i16>(sub_type);
  c.head.ref_x = rx;
  c.head.ref_y = ry;
  c.flag_a = 1;
  c.dims_a[0][0] = 10;   // H
  c.dims_a[1][0] = 8;    // W
  c.dims_a[1][1] = 1;    // L
  c.dims_a[0][2] = 0.5;  // T
  c.dims_a[3][2] = 0.3;  // C
  c.dims_b[0][0] = 2;
  for (int i = 0; i <= CAISSON_OUTLINE_POINTS; ++i) {
    c.outline_x[i] = -77;
    c.outline_y[i] = -88;
  }
  return c;
}

Points outer(const CaissonShape& c) {
  Points p;
  for (int i = 0; i < c.outline_count; ++i) p.push_back({c.outline_x[i], c.outline_y[i]});
  return p;
}

void expect_points(const Points& got, const Points& want, double dx = 0, double dy = 0) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(got[i].first, want[i].first + dx, 1e-12) << "point " << i;
    EXPECT_NEAR(got[i].second, want[i].second + dy, 1e-12) << "point " << i;
  }
}

// Outer outlines for every recipe, worked out from the footing shapes: a haunched footing adds
// (x, T), (x +- (L - C) or C, T), (x +- L, T + C) around the wall face; a tapered one omits the
// haunch corner; type 2 adds the bottom point below the front face (1, 0) for recipes 1..4,
// type 3 for every recipe but 5. Recipe 5 clears L, T and C, so its body starts at x = 0.
TEST(CaissonOutline, OuterOutlineOfEveryRecipe) {
  struct Case {
    int sub_type;
    bool cell_floor;
    Points want;
  };
  const Case cases[] = {
      {1, true, {{0, 0}, {0, 0.5}, {0.7, 0.5}, {1, 0.8}, {1, 10}, {9, 10}, {9, 0.8}, {9.3, 0.5},
                 {10, 0.5}, {10, 0}, {9, 0}, {1, 0}}},
      {1, false, {{0, 0}, {0, 0.5}, {0.7, 0.5}, {1, 0.8}, {1, 10}, {9, 10}, {9, 0.8}, {9.3, 0.5},
                  {10, 0.5}, {10, 0}, {9, 0}, {1, 0}}},
      {2, true, {{0, 0}, {0, 0.5}, {1, 0.8}, {1, 10}, {9, 10}, {9, 0.8}, {10, 0.5}, {10, 0},
                 {9, 0}, {1, 0}}},
      {3, true, {{0, 0}, {0, 0.5}, {0.7, 0.5}, {1, 0.8}, {1, 10}, {9, 10}, {9, 0}, {1, 0}}},
      {4, false, {{0, 0}, {0, 0.5}, {1, 0.8}, {1, 10}, {9, 10}, {9, 0}, {1, 0}}},
      {5, true, {{0, 0}, {0, 10}, {8, 10}, {8, 0}}},
      {5, false, {{0, 0}, {0, 10}, {8, 10}, {8, 0}}},
      // Rear footing only: type 2 ends at the rear face, type 3 adds (1, 0) on the bottom edge.
      {6, true, {{0, 0}, {0, 10}, {8, 10}, {8, 0.8}, {8.3, 0.5}, {9, 0.5}, {9, 0}, {8, 0}}},
      {6, false, {{0, 0}, {0, 10}, {8, 10}, {8, 0.8}, {8.3, 0.5}, {9, 0.5}, {9, 0}, {8, 0},
                  {1, 0}}},
      {7, true, {{0, 0}, {0, 10}, {8, 10}, {8, 0.8}, {9, 0.5}, {9, 0}, {8, 0}}},
      {7, false, {{0, 0}, {0, 10}, {8, 10}, {8, 0.8}, {9, 0.5}, {9, 0}, {8, 0}, {1, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "recipe " << c.sub_type << " type "
                                    << (c.cell_floor ? 2 : 3));
    std::string refusal;
    CaissonShape at_origin = body(c.sub_type);
    ASSERT_TRUE(build_caisson_outline(at_origin, c.cell_floor, refusal));
    expect_points(outer(at_origin), c.want);
    // The same body elsewhere is the same outline moved.
    CaissonShape moved = body(c.sub_type, -3, 7);
    ASSERT_TRUE(build_caisson_outline(moved, c.cell_floor, refusal));
    expect_points(outer(moved), c.want, -3, 7);
  }
}

TEST(CaissonOutline, OutlineCountByRecipe) {
  const int type2[] = {12, 10, 8, 7, 4, 8, 7};
  const int type3[] = {12, 10, 8, 7, 4, 9, 8};
  for (int s = 1; s <= 7; ++s) {
    std::string refusal;
    CaissonShape a = body(s), b = body(s);
    ASSERT_TRUE(build_caisson_outline(a, true, refusal));
    ASSERT_TRUE(build_caisson_outline(b, false, refusal));
    EXPECT_EQ(a.outline_count, type2[s - 1]) << s;
    EXPECT_EQ(b.outline_count, type3[s - 1]) << s;
  }
}

TEST(CaissonOutline, RecipeWithoutFootingsClearsTheirDimensions) {
  CaissonShape c = body(5);
  std::string refusal;
  ASSERT_TRUE(build_caisson_outline(c, true, refusal));
  EXPECT_EQ(c.dims_a[0][2], 0);
  EXPECT_EQ(c.dims_a[1][1], 0);
  EXPECT_EQ(c.dims_a[3][2], 0);
  EXPECT_EQ(c.dims_a[0][0], 10);
}

// Two cells 3 and 4 wide behind a front wall Wf = 0.5 with a partition Wp = 0.4, no footings:
// cell 0 spans 0.5 .. 3.5, cell 1 starts at 0.5 + 3 + 0.4 = 3.9 and spans 3.9 .. 7.9.
// Cell floor F = 1, haunches Hh = 0.3 across and Hv = 0.2 up.
CaissonShape two_cells() {
  CaissonShape c = body(5);
  c.flag_a = 2;
  c.dims_b[0][0] = 3;
  c.dims_b[0][1] = 4;
  c.dims_a[1][2] = 0.5;  // Wf
  c.dims_a[1][3] = 0.4;  // Wp
  c.dims_a[0][1] = 1;    // F
  c.dims_a[3][0] = 0.3;  // Hh
  c.dims_a[3][1] = 0.2;  // Hv
  return c;
}

Points points(const CaissonShape& c, int from, int to) {
  Points p;
  for (int i = from; i < to; ++i) p.push_back({c.outline_x[i], c.outline_y[i]});
  return p;
}

TEST(CaissonOutline, CellsWithFloor) {
  CaissonShape c = two_cells();
  std::string refusal;
  ASSERT_TRUE(build_caisson_outline(c, true, refusal));
  ASSERT_EQ(c.outline_count, 4);
  ASSERT_EQ(c.tail, 4 + 24);
  // U round the inside of each cell: down the left face to the haunch, across the floor, up.
  expect_points(points(c, 4, 16),
                {{0.5, 10}, {0.5, 1.2}, {0.8, 1}, {3.2, 1}, {3.5, 1.2}, {3.5, 10},
                 {3.9, 10}, {3.9, 1.2}, {4.2, 1}, {7.6, 1}, {7.9, 1.2}, {7.9, 10}});
  // Dividing segments: verticals at the haunch ends, the level line at the haunch top.
  expect_points(points(c, 16, 28),
                {{0.8, 10}, {0.8, 1}, {3.2, 10}, {3.2, 1}, {0.5, 1.2}, {3.5, 1.2},
                 {4.2, 10}, {4.2, 1}, {7.6, 10}, {7.6, 1}, {3.9, 1.2}, {7.9, 1.2}});
  EXPECT_EQ(c.outline_x[28], -77);  // beyond tail: untouched
  EXPECT_EQ(c.outline_y[CAISSON_OUTLINE_POINTS], -88);
}

TEST(CaissonOutline, CellsOpenToTheBase) {
  CaissonShape c = two_cells();
  std::string refusal;
  ASSERT_TRUE(build_caisson_outline(c, false, refusal));
  ASSERT_EQ(c.outline_count, 4);
  ASSERT_EQ(c.tail, 4 + 16);
  expect_points(points(c, 4, 12),
                {{0.5, 10}, {0.5, 0}, {3.5, 10}, {3.5, 0}, {3.9, 10}, {3.9, 0}, {7.9, 10}, {7.9, 0}});
  expect_points(points(c, 12, 20),
                {{0.8, 10}, {0.8, 0}, {3.2, 10}, {3.2, 0}, {4.2, 10}, {4.2, 0}, {7.6, 10}, {7.6, 0}});
  EXPECT_EQ(c.outline_x[20], -77);
}

TEST(CaissonOutline, CellsStartBehindTheFrontFooting) {
  // Recipe 3: the front wall face is at rx + L = 2 + 1; one cell 2 wide behind Wf = 0.5 at 3.5.
  CaissonShape c = body(3, 2, -1);
  c.dims_a[1][2] = 0.5;
  c.dims_a[3][0] = 0.2;
  std::string refusal;
  ASSERT_TRUE(build_caisson_outline(c, false, refusal));
  ASSERT_EQ(c.outline_count, 8);
  ASSERT_EQ(c.tail, 16);
  expect_points(points(c, 8, 16), {{3.5, 9}, {3.5, -1}, {5.5, 9}, {5.5, -1},
                                   {3.7, 9}, {3.7, -1}, {5.3, 9}, {5.3, -1}});
}

TEST(CaissonOutline, EightCellsFit) {
  CaissonShape c = body(1);
  c.flag_a = MAX_CAISSON_CELLS;
  for (int j = 0; j < 8; ++j) c.dims_b[0][j] = 1;
  c.dims_a[1][3] = 0;  // no partitions: cell j starts at 1 + j
  std::string refusal;
  ASSERT_TRUE(build_caisson_outline(c, true, refusal));
  EXPECT_EQ(c.tail, 12 + 96);
  // Last point: the right end of the haunch-top line of cell 7, at x = 1 + 7 + 1.
  EXPECT_DOUBLE_EQ(c.outline_x[107], 9);
  EXPECT_EQ(c.outline_x[108], -77);
}

TEST(CaissonOutline, CellCountOutsideOneToEightIsRefused) {
  for (int cells : {0, -1, 9, 100}) {
    for (i16 type : {BLOCK_CAISSON, BLOCK_FOOTING_CAISSON}) {
      SCOPED_TRACE(testing::Message() << cells << " cells, type " << type);
      ProjectModel m;
      WallBlock& b = m.wall_blocks[0];
      b.block_type = type;
      b.caisson = body(5);  // recipe 5 would clear the footing values if it were built
      b.caisson.flag_a = static_cast<i16>(cells);
      b.caisson.outline_count = 33;
      b.caisson.tail = 44;
      const CaissonShape before = b.caisson;
      Recorder r;
      EXPECT_FALSE(build_block_outline(m, 0, r));
      ASSERT_EQ(r.texts.size(), 1u);
      EXPECT_EQ(r.texts[0], "ブロック1: ケーソンの隔室数(" + std::to_string(cells) +
                                ")は1～8で指定してください。\n外形を作成できません。");
      EXPECT_EQ(b.caisson.outline_count, 33);
      EXPECT_EQ(b.caisson.tail, 44);
      for (int r2 = 0; r2 < 4; ++r2)
        for (int k = 0; k < 5; ++k) EXPECT_EQ(b.caisson.dims_a[r2][k], before.dims_a[r2][k]);
      for (int i = 0; i <= CAISSON_OUTLINE_POINTS; ++i) {
        EXPECT_EQ(b.caisson.outline_x[i], before.outline_x[i]);
        EXPECT_EQ(b.caisson.outline_y[i], before.outline_y[i]);
      }
    }
  }
}

TEST(CaissonOutline, BuildingTwiceEqualsOnce) {
  for (bool floor : {true, false}) {
    CaissonShape c = two_cells();
    c.sub_type = 1;
    c.dims_a[1][1] = 1;
    std::string refusal;
    ASSERT_TRUE(build_caisson_outline(c, floor, refusal));
    const CaissonShape once = c;
    ASSERT_TRUE(build_caisson_outline(c, floor, refusal));
    EXPECT_EQ(c.tail, once.tail);
    EXPECT_EQ(c.outline_count, once.outline_count);
    EXPECT_EQ(c.outline_x, once.outline_x);
    EXPECT_EQ(c.outline_y, once.outline_y);
  }
}

}  // namespace
}  // namespace qvt::model
