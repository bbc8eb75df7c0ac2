#include "frontend/dialogs/rectangle_block_dialog.h"

#include "frontend/dialogs/dialog_texts.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace qvt::dialogs {
namespace {

using model::testing::Recorder;
using R = RectangleBlockDialog;

class RectangleDialogTest : public ::testing::Test {
 protected:
  std::unique_ptr<model::ProjectModel> m = model::testing::new_project();
  Recorder rec;

  RectangleBlockDialog open(int slot, bool register_mode) {
    RectangleBlockDialog d(*m, rec, {slot, register_mode});
    EXPECT_TRUE(d.load());
    return d;
  }
  // name, saturated, wet, submerged, width, height, X, Y
  static void type(RectangleBlockDialog& d, const std::array<const char*, 8>& texts) {
    for (int i = 0; i < R::kBoxCount; ++i) d.boxes[i] = texts[i];
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& r : rec.messages) out.push_back(r.text);
    return out;
  }
};

TEST_F(RectangleDialogTest, ChecksBoxesOneToFiveInOrder) {
  struct Case {
    std::array<const char*, 8> boxes;
    const char* message;
  };
  const Case cases[] = {
      {{"", "0.000", "0.000", "0.000", "0.000", "0.000", "0.000", "0.000"}, "飽和重量入力に誤りがあります。"},
      {{"", "20", "0", "10", "3", "2", "0", "0"}, "湿潤重量入力に誤りがあります。"},
      {{"", "20", "18", "-1", "3", "2", "0", "0"}, "有効重量入力に誤りがあります。"},
      {{"", "20", "18", "10", "0", "-2", "0", "0"}, "横断方向入力に誤りがあります。"},
      {{"", "20", "18", "10", "3", "x", "0", "0"}, "高さ方向入力に誤りがあります。"},
      // Above 0 but below what the engines weigh (half a millimetre).
      {{"", "20", "18", "10", "0.0004", "2", "0", "0"}, kMsgInputError},
      {{"", "20", "18", "10", "3", "1e-300", "0", "0"}, kMsgInputError},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    rec.messages.clear();
    RectangleBlockDialog d = open(2, true);
    type(d, c.boxes);
    EXPECT_FALSE(d.finish());
    EXPECT_EQ(texts(), std::vector<std::string>{c.message});
    EXPECT_EQ(m->wall_blocks[2].block_type, model::BLOCK_EMPTY);
  }
}

TEST_F(RectangleDialogTest, RegisterThenMoveByEditing) {
  RectangleBlockDialog d = open(3, true);
  EXPECT_EQ(d.boxes[R::kName], "");
  for (int i = R::kSaturated; i <= R::kRefY; ++i) EXPECT_EQ(d.boxes[i], "0.000");
  type(d, {"壁", "20", "18", "10", "3", "2", "10", "-5"});
  EXPECT_TRUE(d.finish());
  const model::PolygonShape& p = m->wall_blocks[3].polygon;
  EXPECT_EQ(m->wall_blocks[3].block_type, model::BLOCK_RECTANGLE);
  EXPECT_EQ(p.head.name, "壁");
  EXPECT_EQ(p.head.unit_weights[2], 20);
  EXPECT_EQ(p.head.unit_weights[0], 18);
  EXPECT_EQ(p.head.unit_weights[1], 10);
  const double corners[4][2] = {{10, -5}, {10, -3}, {13, -3}, {13, -5}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(p.vertex_x[10 + k], corners[k][0]) << k;
    EXPECT_EQ(p.vertex_y[10 + k], corners[k][1]) << k;
  }
  EXPECT_EQ(p.head.label_x, 11.5);
  EXPECT_EQ(p.head.label_y, -4);
  EXPECT_EQ(m->block_label_numbers[3], 3);

  m->wall_blocks[3].polygon.head.mark_x = 1;
  m->wall_blocks[3].polygon.head.mark_y = 1;
  m->block_label_numbers[3] = 9;
  RectangleBlockDialog e = open(3, false);
  const std::array<std::string, 8> shown{"壁",    "20.000", "18.000", "10.000",
                                         "3.000", "2.000",  "10.000", "-5.000"};
  for (int i = 0; i < R::kBoxCount; ++i) EXPECT_EQ(e.boxes[i], shown[i]) << i;
  e.boxes[R::kRefX] = "12";
  EXPECT_TRUE(e.finish());
  EXPECT_EQ(p.head.ref_x, 12);
  EXPECT_EQ(p.head.label_x, 13.5);  // shifted by +2, not recomputed
  EXPECT_EQ(p.head.label_y, -4);
  EXPECT_EQ(p.head.mark_x, 3);
  EXPECT_EQ(p.head.mark_y, 1);
  EXPECT_EQ(p.vertex_x[10], 12);
  EXPECT_EQ(p.vertex_x[12], 15);
  EXPECT_EQ(m->block_label_numbers[3], 9);
  EXPECT_TRUE(rec.messages.empty());
}

TEST_F(RectangleDialogTest, NumberBoxesRewrittenNameKept) {
  RectangleBlockDialog d = open(0, true);
  type(d, {"2.5e1", "2.5e1", "12.34567", "abc", "-0.0004", "1e400", " 7 ", "-.5"});
  for (int i = 0; i < R::kBoxCount; ++i) d.leave_box(static_cast<R::Box>(i));
  const std::array<std::string, 8> after{"2.5e1", "25.000", "12.346", "0.000",
                                         "0.000", "0.000",  "7.000",  "-0.500"};
  for (int i = 0; i < R::kBoxCount; ++i) EXPECT_EQ(d.boxes[i], after[i]) << i;
}

TEST_F(RectangleDialogTest, CancelChangesNothing) {
  m->wall_blocks[1].block_type = model::BLOCK_RECTANGLE;
  m->wall_blocks[1].polygon.vertex_x[0] = 4;
  RectangleBlockDialog d = open(1, false);
  type(d, {"x", "20", "18", "10", "3", "2", "10", "-5"});
  EXPECT_TRUE(d.cancel());
  EXPECT_EQ(m->wall_blocks[1].polygon.vertex_x[0], 4);
  EXPECT_EQ(m->wall_blocks[1].polygon.head.name, "");
}

}  // namespace
}  // namespace qvt::dialogs
