#include "frontend/model/block_outline.h"

#include <gtest/gtest.h>

#include <vector>

namespace qvt::model {
namespace {

class Recorder : public MessageSink {
 public:
  void show_message(MessageIcon icon, const std::string& title, const std::string& text) override {
    icons.push_back(icon);
    titles.push_back(title);
    texts.push_back(text);
  }
  std::vector<MessageIcon> icons;
  std::vector<std::string> titles, texts;
};

// Every derived field a build or a label could write, so "unchanged" can be checked whole.
void expect_same_geometry(const WallBlock& a, const WallBlock& b) {
  for (int i = 0; i <= POLYGON_VERTICES; ++i) {
    EXPECT_EQ(a.polygon.vertex_x[i], b.polygon.vertex_x[i]) << "vertex " << i;
    EXPECT_EQ(a.polygon.vertex_y[i], b.polygon.vertex_y[i]) << "vertex " << i;
  }
  EXPECT_EQ(a.polygon.vertex_count, b.polygon.vertex_count);
  for (int i = 0; i <= CAISSON_OUTLINE_POINTS; ++i) {
    EXPECT_EQ(a.caisson.outline_x[i], b.caisson.outline_x[i]) << "caisson point " << i;
    EXPECT_EQ(a.caisson.outline_y[i], b.caisson.outline_y[i]) << "caisson point " << i;
  }
  EXPECT_EQ(a.caisson.outline_count, b.caisson.outline_count);
  EXPECT_EQ(a.caisson.tail, b.caisson.tail);
  for (int i = 0; i <= COUNTERFORT_OUTLINE_POINTS; ++i) {
    EXPECT_EQ(a.counterfort.outline_x[i], b.counterfort.outline_x[i]) << "counterfort " << i;
    EXPECT_EQ(a.counterfort.outline_y[i], b.counterfort.outline_y[i]) << "counterfort " << i;
  }
  EXPECT_EQ(a.counterfort.outline_count, b.counterfort.outline_count);
  EXPECT_EQ(a.counterfort.tail, b.counterfort.tail);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(a.quad.corner_x[i], b.quad.corner_x[i]);
    EXPECT_EQ(a.quad.corner_y[i], b.quad.corner_y[i]);
    EXPECT_EQ(a.library.corner_x[i], b.library.corner_x[i]);
    EXPECT_EQ(a.library.corner_y[i], b.library.corner_y[i]);
  }
  for (int r = 0; r < 4; ++r)
    for (int k = 0; k < 5; ++k) EXPECT_EQ(a.caisson.dims_a[r][k], b.caisson.dims_a[r][k]);
  const BlockHead* ha[] = {&a.polygon.head, &a.caisson.head, &a.quad.head, &a.counterfort.head,
                           &a.library.head};
  const BlockHead* hb[] = {&b.polygon.head, &b.caisson.head, &b.quad.head, &b.counterfort.head,
                           &b.library.head};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(ha[i]->label_x, hb[i]->label_x);
    EXPECT_EQ(ha[i]->label_y, hb[i]->label_y);
  }
}

// A slot whose every section holds recognisable values.
WallBlock filled_block(i16 type) {
  WallBlock b;
  b.block_type = type;
  for (int i = 0; i <= POLYGON_VERTICES; ++i) {
    b.polygon.vertex_x[i] = 100 + i;
    b.polygon.vertex_y[i] = 200 + i;
  }
  b.polygon.vertex_count = 4;
  for (int i = 0; i <= CAISSON_OUTLINE_POINTS; ++i) b.caisson.outline_x[i] = -i;
  for (int i = 0; i <= COUNTERFORT_OUTLINE_POINTS; ++i) b.counterfort.outline_y[i] = -i;
  for (int i = 0; i < 5; ++i) {
    b.quad.corner_x[i] = 30 + i;
    b.library.corner_y[i] = 40 + i;
  }
  b.polygon.head.ref_x = 3;
  b.quad.values[1] = 2;
  b.caisson.dims_a[0][2] = 0.7;
  b.polygon.head.label_x = 0.25;
  b.library.head.label_y = 0.75;
  return b;
}

TEST(BuildBlockOutline, TypesWithoutDerivedGeometryChangeNothing) {
  for (i16 type : {i16{BLOCK_EMPTY}, i16{BLOCK_POLYGON}, i16{BLOCK_SOIL_POLYGON}, i16{9}, i16{-5}}) {
    SCOPED_TRACE(type);
    ProjectModel m;
    m.wall_blocks[4] = filled_block(type);
    Recorder r;
    EXPECT_TRUE(build_block_outline(m, 4, r));
    EXPECT_TRUE(r.texts.empty());
    expect_same_geometry(m.wall_blocks[4], filled_block(type));
  }
}

TEST(BuildBlockOutline, RectangleCornersFromSize) {
  for (i16 type : {BLOCK_RECTANGLE, BLOCK_SOIL_RECTANGLE}) {
    ProjectModel m;
    WallBlock& b = m.wall_blocks[2];
    b = filled_block(type);
    PolygonShape& p = b.polygon;
    p.head.ref_x = 1;
    p.head.ref_y = -4;
    p.vertex_x[0] = 3;  // width
    p.vertex_y[0] = 2;  // height
    Recorder r;
    ASSERT_TRUE(build_block_outline(m, 2, r));
    const double want[4][2] = {{1, -4}, {1, -2}, {4, -2}, {4, -4}};
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(p.vertex_x[10 + k], want[k][0]) << k;
      EXPECT_EQ(p.vertex_y[10 + k], want[k][1]) << k;
    }
    // Everything else of the polygon section stays.
    EXPECT_EQ(p.vertex_count, 4);
    EXPECT_EQ(p.vertex_x[0], 3);
    EXPECT_EQ(p.vertex_x[9], 109);
    EXPECT_EQ(p.vertex_y[14], 214);
    ASSERT_TRUE(center_block_label(m, 2));
    EXPECT_EQ(p.head.label_x, 2.5);  // 3 * 0.5 + 1
    EXPECT_EQ(p.head.label_y, -3);   // 2 * 0.5 - 4
  }
}

TEST(BuildBlockOutline, FourCornerBlock) {
  struct Case {
    double shift;
    double want[4][2];
  };
  // Width 3, height 2 at (1, 1); the top moves `shift` per unit of height.
  const Case cases[] = {
      {0, {{1, 1}, {1, 3}, {4, 3}, {4, 1}}},
      {0.5, {{1, 1}, {2, 3}, {5, 3}, {4, 1}}},  // top starts 0.5 * 2 = 1 to the right
      {-0.25, {{1, 1}, {0.5, 3}, {3.5, 3}, {4, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shift);
    ProjectModel m;
    WallBlock& b = m.wall_blocks[0];
    b.block_type = BLOCK_QUAD;
    QuadShape& q = b.quad;
    q.head.ref_x = 1;
    q.head.ref_y = 1;
    q.values[1] = 3;
    q.values[2] = 2;
    q.value = c.shift;
    q.corner_x[4] = 77;
    Recorder r;
    ASSERT_TRUE(build_block_outline(m, 0, r));
    for (int k = 0; k < 4; ++k) {
      EXPECT_DOUBLE_EQ(q.corner_x[k], c.want[k][0]) << k;
      EXPECT_DOUBLE_EQ(q.corner_y[k], c.want[k][1]) << k;
    }
    EXPECT_EQ(q.corner_x[4], 77);
    ASSERT_TRUE(center_block_label(m, 0));
    EXPECT_DOUBLE_EQ(q.head.label_x, (2 * c.shift + 3) * 0.5 + 1);  // middle of the mid-height
    EXPECT_DOUBLE_EQ(q.head.label_y, 2);
  }
}

// A library of two entries; entry 1 is a 2 x 3 box traced clockwise from its bottom left.
ProjectModel library_project(double block_width, i16 mirrored) {
  ProjectModel m;
  m.shape_library_count = 2;
  ShapeEntry& e = m.shape_library[1];
  e.name = "箱";
  e.point_count = 5;
  const double pts[5][2] = {{0, 0}, {0, 3}, {2, 3}, {2, 0}, {1, 1.5}};
  for (int i = 0; i < 5; ++i) {
    e.point_x[i + 1] = pts[i][0];
    e.point_y[i + 1] = pts[i][1];
  }
  e.values[0] = 9;  // the entry's own value is not the width used
  WallBlock& b = m.wall_blocks[3];
  b.block_type = BLOCK_LIBRARY;
  LibraryShape& l = b.library;
  l.head.ref_x = 10;
  l.head.ref_y = -5;
  l.values[1] = block_width;
  l.library_index = 1;
  l.mirrored = mirrored;
  l.corner_x[4] = 55;
  l.head.mark_x = 10.5;
  l.head.mark_y = -4;
  return m;
}

TEST(BuildBlockOutline, LibraryCorners) {
  struct Case {
    double width;
    i16 mirrored;
    double want[4][2];
  };
  const Case cases[] = {
      // Points 1..4 placed at (10, -5).
      {2, 0, {{10, -5}, {10, -2}, {12, -2}, {12, -5}}},
      // Reflected about the middle of width 2: the box maps onto itself, same corners in the same
      // order (corner 0 from point 4: 2 - 2 + 10).
      {2, 1, {{10, -5}, {10, -2}, {12, -2}, {12, -5}}},
      // Width 4: every corner 2 further right.
      {4, 1, {{12, -5}, {12, -2}, {14, -2}, {14, -5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " mirrored " << c.mirrored);
    ProjectModel m = library_project(c.width, c.mirrored);
    Recorder r;
    ASSERT_TRUE(build_block_outline(m, 3, r));
    const LibraryShape& l = m.wall_blocks[3].library;
    for (int k = 0; k < 4; ++k) {
      EXPECT_DOUBLE_EQ(l.corner_x[k], c.want[k][0]) << k;
      EXPECT_DOUBLE_EQ(l.corner_y[k], c.want[k][1]) << k;
    }
    EXPECT_EQ(l.corner_x[4], 55);
  }
}

TEST(BuildBlockOutline, LibraryEntryThatCannotGiveCornersIsRefused) {
  struct Case {
    int library_index;
    i16 point_count;
    const char* text;
  };
  const Case cases[] = {
      {2, 5, "ブロック4: 形状ライブラリの番号(2)に該当する形状がありません。\n外形を作成できません。"},
      {-1, 5, "ブロック4: 形状ライブラリの番号(-1)に該当する形状がありません。\n外形を作成できません。"},
      {SHAPE_LIBRARY_SIZE, 5,
       "ブロック4: 形状ライブラリの番号(20)に該当する形状がありません。\n外形を作成できません。"},
      {1, 3, "ブロック4: 形状ライブラリの形状「箱」の外形点が4点未満です。\n外形を作成できません。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.library_index);
    ProjectModel m = library_project(2, 0);
    m.wall_blocks[3].library.library_index = static_cast<i16>(c.library_index);
    m.shape_library[1].point_count = c.point_count;
    const WallBlock before = m.wall_blocks[3];
    Recorder r;
    EXPECT_FALSE(build_block_outline(m, 3, r));
    ASSERT_EQ(r.texts.size(), 1u);
    EXPECT_EQ(r.texts[0], c.text);
    EXPECT_EQ(r.titles[0], kAppTitle);
    EXPECT_EQ(r.icons[0], MessageIcon::Exclamation);
    expect_same_geometry(m.wall_blocks[3], before);
  }
}

TEST(BuildBlockOutline, MessageNamesTheBlock) {
  ProjectModel m = library_project(2, 0);
  m.wall_blocks[3].library.head.name = " 消波ブロック  ";
  m.wall_blocks[3].library.library_index = 7;
  Recorder r;
  EXPECT_FALSE(build_block_outline(m, 3, r));
  ASSERT_EQ(r.texts.size(), 1u);
  EXPECT_EQ(r.texts[0].rfind("ブロック4「消波ブロック」: ", 0), 0u) << r.texts[0];
}

TEST(BuildBlockOutline, SlotOutsideTheStoreIsRefused) {
  for (int slot : {-1, MAX_WALL_BLOCKS, 300}) {
    ProjectModel m;
    m.wall_blocks[MAX_WALL_BLOCKS].block_type = BLOCK_QUAD;  // the spare is never built
    Recorder r;
    EXPECT_FALSE(build_block_outline(m, slot, r));
    ASSERT_EQ(r.texts.size(), 1u);
    EXPECT_NE(r.texts[0].find("1～20の範囲にありません"), std::string::npos);
    EXPECT_FALSE(center_block_label(m, slot));
    EXPECT_EQ(m.wall_blocks[MAX_WALL_BLOCKS].quad.corner_x[1], 0);
  }
}

TEST(CenterBlockLabel, LibraryLabelFollowsTheReflection) {
  ProjectModel m = library_project(4, 0);
  ASSERT_TRUE(center_block_label(m, 3));
  EXPECT_EQ(m.wall_blocks[3].library.head.label_x, 10.5);
  EXPECT_EQ(m.wall_blocks[3].library.head.label_y, -4);
  m.wall_blocks[3].library.mirrored = 1;
  ASSERT_TRUE(center_block_label(m, 3));
  EXPECT_EQ(m.wall_blocks[3].library.head.label_x, 13.5);  // 10 + 4 - (10.5 - 10)
  EXPECT_EQ(m.wall_blocks[3].library.head.label_y, -4);
}

TEST(CenterBlockLabel, PolygonMeanOverTheVertexCount) {
  struct Case {
    i16 count;
    double xs[4], ys[4];
    double label_x, label_y;
  };
  // Reference point (10, -20); label starts at (-1, -1).
  const Case cases[] = {
      // Square 0..4 x 0..2: mean (2, 1) + reference.
      {4, {0, 0, 4, 4}, {0, 2, 2, 0}, 12, -19},
      // Vertex 2 unset: the other three summed, divided by the count of 4:
      // x (10 + 10 + 14) / 4 = 8.5, y (-20 - 18 - 20) / 4 = -14.5.
      {4, {0, 0, UNSET_COORD, 4}, {0, 2, 2, 0}, 8.5, -14.5},
      // Vertex 1 unset: x (10 + 14 + 14) / 4 = 9.5, y (-20 - 18 - 20) / 4 = -14.5.
      {4, {0, 0, 4, 4}, {0, UNSET_COORD, 2, 0}, 9.5, -14.5},
      // Nothing to average: the label stays.
      {0, {0, 0, 4, 4}, {0, 2, 2, 0}, -1, -1},
      {-3, {0, 0, 4, 4}, {0, 2, 2, 0}, -1, -1},
      // Both vertices unset: nothing summed, 0 / 2.
      {2, {UNSET_COORD, 1, 4, 4}, {0, UNSET_COORD, 2, 0}, 0, 0},
  };
  for (i16 type : {BLOCK_POLYGON, BLOCK_SOIL_POLYGON}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "type " << type << " count " << c.count);
      ProjectModel m;
      WallBlock& b = m.wall_blocks[19];
      b.block_type = type;
      PolygonShape& p = b.polygon;
      p.head.ref_x = 10;
      p.head.ref_y = -20;
      p.head.label_x = -1;
      p.head.label_y = -1;
      p.vertex_count = c.count;
      for (int i = 0; i < 4; ++i) {
        p.vertex_x[i] = c.xs[i];
        p.vertex_y[i] = c.ys[i];
      }
      p.vertex_x[4] = 1000;  // beyond vertex_count: not counted
      ASSERT_TRUE(center_block_label(m, 19));
      EXPECT_DOUBLE_EQ(p.head.label_x, c.label_x);
      EXPECT_DOUBLE_EQ(p.head.label_y, c.label_y);
    }
  }
}

TEST(CenterBlockLabel, ParametricBlocks) {
  struct Case {
    i16 type, sub_type;
    double label_x, label_y;
  };
  // Reference (1, 2); H = dims_a[0][0] = 10, W = dims_a[1][0] = 8, footing L = dims_a[1][1] = 1,
  // counterfort footing Lf = dims_a[1][3] = 0.5.
  const Case cases[] = {
      {BLOCK_CAISSON, 5, 5, 7},            // middle of the body: 8/2 + 1, 10/2 + 2
      {BLOCK_CAISSON, 1, 6, 7},            // behind the front footing: 8/2 + 1 + 1
      {BLOCK_FOOTING_CAISSON, 6, 6, 7},    // rear footing only, shifted by L all the same
      {BLOCK_FOOTING_CAISSON, 7, 6, 7},
      {BLOCK_COUNTERFORT, 3, 5.5, 7},      // 8/2 + 0.5 + 1
      {BLOCK_COUNTERFORT, 1, 5.5, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " sub_type " << c.sub_type);
    ProjectModel m;
    WallBlock& b = m.wall_blocks[7];
    b.block_type = c.type;
    auto fill = [&](auto& shape) {
      shape.sub_type = c.sub_type;
      shape.head.ref_x = 1;
      shape.head.ref_y = 2;
      shape.dims_a[0][0] = 10;
      shape.dims_a[1][0] = 8;
      shape.dims_a[1][1] = 1;
      shape.dims_a[1][3] = 0.5;
    };
    fill(b.caisson);
    fill(b.counterfort);
    ASSERT_TRUE(center_block_label(m, 7));
    const BlockHead& h = c.type == BLOCK_COUNTERFORT ? b.counterfort.head : b.caisson.head;
    EXPECT_DOUBLE_EQ(h.label_x, c.label_x);
    EXPECT_DOUBLE_EQ(h.label_y, c.label_y);
  }
}

TEST(CenterBlockLabel, EmptyAndUnknownSlotsKeepTheirLabel) {
  for (i16 type : {i16{BLOCK_EMPTY}, i16{12}}) {
    ProjectModel m;
    m.wall_blocks[1] = filled_block(type);
    EXPECT_TRUE(center_block_label(m, 1));
    expect_same_geometry(m.wall_blocks[1], filled_block(type));
  }
}

// One used slot of every kind that has derived geometry, with parameters that build.
ProjectModel mixed_project() {
  ProjectModel m = library_project(2, 1);  // library block in slot 3
  WallBlock& rect = m.wall_blocks[0];
  rect.block_type = BLOCK_SOIL_RECTANGLE;
  rect.polygon.head.ref_y = -20;
  rect.polygon.vertex_x[0] = 12;
  rect.polygon.vertex_y[0] = 8;
  WallBlock& cais = m.wall_blocks[1];
  cais.block_type = BLOCK_CAISSON;
  cais.caisson.sub_type = 5;
  cais.caisson.flag_a = 2;
  cais.caisson.dims_a[0][0] = 10;
  cais.caisson.dims_a[1][0] = 8;
  cais.caisson.dims_a[1][1] = 1;  // cleared by recipe 5
  cais.caisson.dims_b[0][0] = 3;
  cais.caisson.dims_b[0][1] = 4;
  WallBlock& quad = m.wall_blocks[5];
  quad.block_type = BLOCK_QUAD;
  quad.quad.values[1] = 2;
  quad.quad.values[2] = 1;
  quad.quad.value = 0.3;
  WallBlock& fort = m.wall_blocks[6];
  fort.block_type = BLOCK_COUNTERFORT;
  fort.counterfort.sub_type = 3;
  fort.counterfort.dims_a[0][0] = 6;
  fort.counterfort.dims_a[1][0] = 4;
  fort.counterfort.dims_a[0][1] = 0.6;
  fort.counterfort.dims_a[1][1] = 0.5;
  fort.counterfort.dims_a[3][0] = 0.3;
  fort.counterfort.dims_a[0][2] = 1;
  fort.counterfort.dims_a[1][2] = 0.5;
  WallBlock& poly = m.wall_blocks[9];
  poly.block_type = BLOCK_POLYGON;
  poly.polygon.vertex_count = 3;
  return m;
}

TEST(RebuildAllBlockOutlines, BuildsEveryUsedSlotAndIsIdempotent) {
  ProjectModel m = mixed_project();
  Recorder r;
  ASSERT_TRUE(rebuild_all_block_outlines(m, r));
  EXPECT_TRUE(r.texts.empty());
  // Each slot got what a build of that slot alone gives.
  ProjectModel one = mixed_project();
  for (int slot : {0, 1, 3, 5, 6}) ASSERT_TRUE(build_block_outline(one, slot, r));
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    SCOPED_TRACE(slot);
    expect_same_geometry(m.wall_blocks[slot], one.wall_blocks[slot]);
  }
  EXPECT_EQ(m.wall_blocks[0].polygon.vertex_y[11], -12);
  EXPECT_EQ(m.wall_blocks[1].caisson.tail, 4 + 24);
  EXPECT_EQ(m.wall_blocks[1].caisson.dims_a[1][1], 0);
  // A second run changes nothing.
  const ProjectModel once = m;
  ASSERT_TRUE(rebuild_all_block_outlines(m, r));
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    SCOPED_TRACE(slot);
    expect_same_geometry(m.wall_blocks[slot], once.wall_blocks[slot]);
  }
  EXPECT_TRUE(r.texts.empty());
}

TEST(RebuildAllBlockOutlines, RefusedSlotDoesNotStopTheOthers) {
  ProjectModel m = mixed_project();
  m.wall_blocks[1].caisson.flag_a = 9;  // refused
  m.wall_blocks[3].library.library_index = 4;  // refused
  const WallBlock caisson_before = m.wall_blocks[1];
  Recorder r;
  EXPECT_FALSE(rebuild_all_block_outlines(m, r));
  ASSERT_EQ(r.texts.size(), 2u);
  EXPECT_EQ(r.texts[0].rfind("ブロック2: ", 0), 0u);
  EXPECT_EQ(r.texts[1].rfind("ブロック4: ", 0), 0u);
  expect_same_geometry(m.wall_blocks[1], caisson_before);
  EXPECT_DOUBLE_EQ(m.wall_blocks[5].quad.corner_x[2], 2.3);  // built after the refusals
  EXPECT_EQ(m.wall_blocks[6].counterfort.outline_count, 9);
}

}  // namespace
}  // namespace qvt::model
