#include "frontend/dialogs/polygon_block_dialog.h"

#include "frontend/dialogs/dialog_texts.h"
#include "frontend/model/outline_order.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace qvt::dialogs {
namespace {

using model::testing::Recorder;
using P = PolygonBlockDialog;

struct Vertex {
  const char* x;
  const char* y;
};

class PolygonDialogTest : public ::testing::Test {
 protected:
  std::unique_ptr<model::ProjectModel> m = model::testing::new_project();
  section::EditorState editor;
  Recorder rec;

  std::unique_ptr<PolygonBlockDialog> open(int slot, bool register_mode) {
    auto d = std::make_unique<PolygonBlockDialog>(*m, editor, rec,
                                                  BlockDialogRequest{slot, register_mode});
    EXPECT_TRUE(d->load());
    return d;
  }
  static void type_rows(PolygonBlockDialog& d, const std::vector<Vertex>& rows) {
    for (auto& row : d.cells) row = {};
    for (std::size_t r = 0; r < rows.size(); ++r) {
      d.cells[r][1] = rows[r].x;
      d.cells[r][2] = rows[r].y;
    }
    d.vertex_table_edited();
  }
  static void weights(PolygonBlockDialog& d, const char* sat, const char* wet, const char* sub) {
    d.boxes[P::kSaturated] = sat;
    d.boxes[P::kWet] = wet;
    d.boxes[P::kSubmerged] = sub;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& r : rec.messages) out.push_back(r.text);
    return out;
  }
};

TEST_F(PolygonDialogTest, RegisterStartsWithOneVertexRow) {
  editor.work_vertices[50] = {7, 7};
  auto d = open(3, true);
  EXPECT_EQ(d->boxes[P::kName], "");
  for (int i = P::kSaturated; i <= P::kRefY; ++i) EXPECT_EQ(d->boxes[i], "0.000");
  EXPECT_EQ(editor.work_vertex_count, 1);
  EXPECT_EQ(editor.work_vertices[50].x, 0);  // places 0..99 cleared
  EXPECT_EQ(d->cells[0][0], "1");
  EXPECT_EQ(d->cells[0][1], "0.000");
  EXPECT_EQ(d->cells[0][2], "0.000");
  EXPECT_EQ(d->cells[1][1], "");
  // Accepting at once: the weights are 0.
  EXPECT_FALSE(d->finish());
  EXPECT_EQ(texts(), std::vector<std::string>{kMsgInputError});
  EXPECT_EQ(m->wall_blocks[3].block_type, model::BLOCK_EMPTY);
}

TEST_F(PolygonDialogTest, RefusesBadWeightsFewVerticesAndUncomputableOutlines) {
  struct Case {
    const char* name;
    const char* sat;
    const char* wet;
    const char* sub;
    std::vector<Vertex> rows;
  };
  const std::vector<Vertex> triangle{{"0", "0"}, {"0", "1"}, {"1", "0"}};
  const Case cases[] = {
      {"saturated 0", "0", "18", "10", triangle},
      {"wet negative", "20", "-1", "10", triangle},
      {"submerged not a number", "20", "18", "abc", triangle},
      {"two vertices", "20", "18", "10", {{"0", "0"}, {"1", "1"}}},
      // Edges 1 and 3 cross: the engines could not divide it.
      {"self-crossing", "20", "18", "10", {{"0", "0"}, {"10", "10"}, {"10", "0"}, {"0", "10"}}},
      {"no area", "20", "18", "10", {{"0", "0"}, {"5", "5"}, {"10", "10"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rec.messages.clear();
    auto d = open(2, true);
    weights(*d, c.sat, c.wet, c.sub);
    type_rows(*d, c.rows);
    EXPECT_FALSE(d->finish());
    EXPECT_EQ(texts(), std::vector<std::string>{kMsgInputError});
    EXPECT_EQ(m->wall_blocks[2].block_type, model::BLOCK_EMPTY);
    EXPECT_EQ(m->wall_blocks[2].polygon.vertex_count, 0);
  }
}

TEST_F(PolygonDialogTest, RegisterStoresClockwiseTypeZeroWithLabel) {
  auto d = open(4, true);
  d->boxes[P::kName] = "前壁";
  weights(*d, "20.5", "18", "10.4");
  d->boxes[P::kRefX] = "10";
  d->boxes[P::kRefY] = "-5";
  // Counter-clockwise, with an empty Y cell reading as 0.
  type_rows(*d, {{"0", "0"}, {"4", ""}, {"4", "3"}, {"0", "3"}});
  EXPECT_EQ(editor.work_vertex_count, 4);
  EXPECT_TRUE(d->finish());
  EXPECT_EQ(texts(), std::vector<std::string>{model::kMsgCounterClockwise});
  const model::WallBlock& b = m->wall_blocks[4];
  EXPECT_EQ(b.block_type, model::BLOCK_POLYGON);
  const model::PolygonShape& p = b.polygon;
  EXPECT_EQ(p.head.name, "前壁");
  EXPECT_EQ(p.head.unit_weights[2], 20.5);
  EXPECT_EQ(p.head.unit_weights[0], 18);
  EXPECT_EQ(p.head.unit_weights[1], 10.4);
  EXPECT_EQ(p.head.ref_x, 10);
  EXPECT_EQ(p.head.ref_y, -5);
  EXPECT_EQ(p.vertex_count, 4);
  const double xs[] = {0, 0, 4, 4}, ys[] = {0, 3, 3, 0};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(p.vertex_x[k], xs[k]) << k;
    EXPECT_EQ(p.vertex_y[k], ys[k]) << k;
  }
  EXPECT_EQ(p.vertex_x[4], model::UNSET_COORD);
  EXPECT_EQ(p.vertex_y[117], model::UNSET_COORD);
  EXPECT_EQ(m->block_label_numbers[4], 4);
  // The mean of the absolute vertices: (10 + 2, -5 + 1.5).
  EXPECT_DOUBLE_EQ(p.head.label_x, 12);
  EXPECT_DOUBLE_EQ(p.head.label_y, -3.5);
  // Only the stored block is reordered.
  EXPECT_EQ(editor.work_vertices[1].x, 4);
}

TEST_F(PolygonDialogTest, EditLoadsTheBlockAndKeepsLabelWhenMoved) {
  model::PolygonShape& p = m->wall_blocks[1].polygon;
  m->wall_blocks[1].block_type = model::BLOCK_POLYGON;
  p.head.name = "A";
  p.head.unit_weights[0] = 18;
  p.head.unit_weights[1] = 10;
  p.head.unit_weights[2] = 20.12345;
  p.head.ref_x = 1;
  p.head.ref_y = 2;
  p.head.label_x = 7;
  p.head.label_y = 8;
  p.head.mark_x = 9;
  p.vertex_count = 3;
  const double xs[] = {0, 0, 2}, ys[] = {0, 2, 0};
  for (int k = 0; k < 3; ++k) {
    p.vertex_x[k] = xs[k];
    p.vertex_y[k] = ys[k];
  }
  m->block_label_numbers[1] = 6;
  auto d = open(1, false);
  EXPECT_FALSE(d->register_mode());
  EXPECT_EQ(d->boxes[P::kName], "A");
  EXPECT_EQ(d->boxes[P::kSaturated], "20.123");
  EXPECT_EQ(d->boxes[P::kWet], "18.000");
  EXPECT_EQ(d->boxes[P::kSubmerged], "10.000");
  EXPECT_EQ(d->boxes[P::kRefX], "1.000");
  EXPECT_EQ(d->boxes[P::kRefY], "2.000");
  EXPECT_EQ(d->cells[2][0], "3");
  EXPECT_EQ(d->cells[2][1], "2.000");
  EXPECT_EQ(d->cells[3][0], "");
  EXPECT_EQ(editor.work_vertex_count, 3);
  d->boxes[P::kRefX] = "11";
  d->boxes[P::kRefY] = "12";
  EXPECT_TRUE(d->finish());
  EXPECT_EQ(p.head.ref_x, 11);
  EXPECT_EQ(p.head.ref_y, 12);
  EXPECT_EQ(p.head.unit_weights[2], 20.123);  // read from the box as shown
  EXPECT_EQ(p.head.label_x, 7);
  EXPECT_EQ(p.head.label_y, 8);
  EXPECT_EQ(p.head.mark_x, 9);
  EXPECT_EQ(m->block_label_numbers[1], 6);
  EXPECT_TRUE(rec.messages.empty());
}

TEST_F(PolygonDialogTest, EditRefusesMoreVerticesThanTheTableHolds) {
  model::WallBlock& b = m->wall_blocks[0];
  b.block_type = model::BLOCK_POLYGON;
  b.polygon.vertex_count = 101;
  const model::WallBlock before = b;
  PolygonBlockDialog d(*m, editor, rec, {0, false});
  EXPECT_FALSE(d.load());
  EXPECT_EQ(texts(), std::vector<std::string>{kMsgTooManyVertices});
  EXPECT_EQ(b.polygon.vertex_count, 101);
  // A block of exactly 100 vertices opens.
  b.polygon.vertex_count = 100;
  rec.messages.clear();
  PolygonBlockDialog d100(*m, editor, rec, {0, false});
  EXPECT_TRUE(d100.load());
  EXPECT_EQ(editor.work_vertex_count, 100);
  EXPECT_EQ(d100.cells[99][0], "100");
  (void)before;
}

TEST_F(PolygonDialogTest, GridRowsUpToTheLastInUse) {
  auto d = open(0, true);
  d->cells[0][1] = "1";
  d->cells[0][2] = "2";
  d->cells[4][2] = "5.5";  // rows 2..4 empty, row 5 holds only Y
  d->vertex_table_edited();
  EXPECT_EQ(d->last_row_in_use(), 5);
  EXPECT_EQ(editor.work_vertex_count, 5);
  EXPECT_EQ(editor.work_vertices[0].y, 2);
  EXPECT_EQ(editor.work_vertices[2].x, 0);
  EXPECT_EQ(editor.work_vertices[4].x, 0);
  EXPECT_EQ(editor.work_vertices[4].y, 5.5);
  EXPECT_EQ(d->cells[2][0], "3");
  EXPECT_EQ(d->cells[4][0], "5");
  EXPECT_EQ(d->cells[5][0], "");
  d->cells[4][2] = "  ";
  d->vertex_table_edited();
  EXPECT_EQ(editor.work_vertex_count, 1);
}

TEST_F(PolygonDialogTest, NumberBoxesAreRewrittenOnLeavingTheNameIsNot) {
  auto d = open(0, true);
  d->boxes[P::kName] = " name 1.23456 ";
  d->boxes[P::kSaturated] = "12.34567";
  d->boxes[P::kWet] = "abc";
  d->boxes[P::kSubmerged] = "2.5e1";
  for (P::Box b : {P::kName, P::kSaturated, P::kWet, P::kSubmerged}) d->leave_box(b);
  EXPECT_EQ(d->boxes[P::kName], " name 1.23456 ");
  EXPECT_EQ(d->boxes[P::kSaturated], "12.346");
  EXPECT_EQ(d->boxes[P::kWet], "0.000");
  EXPECT_EQ(d->boxes[P::kSubmerged], "25.000");
}

TEST_F(PolygonDialogTest, CancelStoresNothing) {
  auto d = open(5, true);
  weights(*d, "20", "18", "10");
  type_rows(*d, {{"0", "0"}, {"0", "1"}, {"1", "0"}});
  EXPECT_TRUE(d->cancel());
  EXPECT_EQ(m->wall_blocks[5].block_type, model::BLOCK_EMPTY);
  EXPECT_TRUE(rec.messages.empty());
}

}  // namespace
}  // namespace qvt::dialogs
