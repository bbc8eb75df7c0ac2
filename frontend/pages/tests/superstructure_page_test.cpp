#include "frontend/pages/superstructure_page.h"

#include "frontend/model/block_slots.h"
#include "frontend/model/tests/model_test_support.h"
#include "frontend/pages/tests/page_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace qvt::pages {
namespace {

struct FakePort : SuperstructurePort {
  struct Call {
    int slot;
    bool rectangle;
  };
  std::vector<Call> dialogs;
  int refreshes = 0;
  int pending = 0;  // 1 while a block is selected in the picture
  int drops = 0;
  void open_block_dialog(int slot, bool rectangle) override { dialogs.push_back({slot, rectangle}); }
  void refresh_section_extents() override { ++refreshes; }
  bool drop_pending_edit() override {
    const bool had = pending != 0;
    pending = 0;
    if (had) ++drops;
    return had;
  }
};

class SuperstructurePageTest : public ::testing::Test {
 protected:
  std::unique_ptr<model::ProjectModel> m = model::testing::new_project();
  testing::RecordingEffects fx;
  FakePort port;
  SuperstructurePage page{*m, fx, port};
};

TEST_F(SuperstructurePageTest, CheckPointGoesToBothCases) {
  m->conditions.body_reactions[0].check_x = 3.25;
  m->conditions.body_reactions[0].check_y = -1.5;
  m->conditions.body_reactions[1].check_x = 99;
  page.load();
  EXPECT_EQ(page.state().check_point[kCheckPointX], "3.250");
  EXPECT_EQ(page.state().check_point[kCheckPointY], "-1.500");
  page.set_check_point(kCheckPointX, "abc");
  page.leave_check_point(kCheckPointX);
  EXPECT_EQ(page.state().check_point[kCheckPointX], "0.000");
  EXPECT_EQ(m->conditions.body_reactions[0].check_x, 3.25);  // only the store commits
  page.set_check_point(kCheckPointY, "2.3456");
  page.store();
  for (const model::BodyReaction& r : m->conditions.body_reactions) {
    EXPECT_EQ(r.check_x, 0);
    EXPECT_EQ(r.check_y, 2.3456);
  }
}

TEST_F(SuperstructurePageTest, OperationsGreyOutRegistrationAndShowPrompts) {
  EXPECT_TRUE(page.state().registration_enabled);
  const char* prompts[] = {"登録するブロックタイプを指定して詳細設定ボタンを押してください。",
                           "編集する壁体ブロックを選択してください。",
                           "移動する壁体ブロックを選択してください。",
                           "複写する壁体ブロックを選択してください。",
                           "削除する壁体ブロックを選択してください。",
                           "No位置を移動する壁体ブロックを選択してください。"};
  for (int i : {3, 5, 0, 1, 2, 4}) {
    page.choose_operation(i);
    page.focus_operation(i);
    EXPECT_EQ(page.state().operation, i);
    EXPECT_EQ(page.state().registration_enabled, i == 0) << i;
    EXPECT_EQ(fx.status.back(), prompts[i]);
  }
  // A selection in the picture is dropped by a change of operation; an idle editor is not.
  EXPECT_EQ(port.drops, 0);
  port.pending = 1;
  page.choose_operation(section::kEditWallBlock);
  EXPECT_EQ(port.drops, 1);
}

TEST_F(SuperstructurePageTest, RegistrationTakesTheFirstFreeSlot) {
  struct Case {
    std::vector<int> used;
    BlockShapeButton shape;
    int slot;  // -1: the block-count message
  };
  std::vector<int> all, but_last;
  for (int i = 0; i < model::MAX_WALL_BLOCKS; ++i) all.push_back(i);
  but_last.assign(all.begin(), all.end() - 1);
  const Case cases[] = {{{}, kArbitraryShape, 0},
                        {{0, 2}, kRectangularShape, 1},
                        {but_last, kArbitraryShape, 19},
                        {all, kRectangularShape, -1}};
  for (const Case& c : cases) {
    m = model::testing::new_project();
    SuperstructurePage p{*m, fx, port};
    fx.messages_shown.clear();
    port.dialogs.clear();
    port.refreshes = 0;
    for (int i : c.used) m->wall_blocks[i].block_type = model::BLOCK_RECTANGLE;
    p.register_block(c.shape);
    if (c.slot < 0) {
      ASSERT_EQ(fx.messages_shown.size(), 1u);
      EXPECT_EQ(fx.messages_shown[0],
                "ﾌﾞﾛｯｸ数が最大値( 20)に達しています。これ以上の追加はできません。");
      EXPECT_TRUE(port.dialogs.empty());
      EXPECT_EQ(port.refreshes, 0);
    } else {
      ASSERT_EQ(port.dialogs.size(), 1u);
      EXPECT_EQ(port.dialogs[0].slot, c.slot);
      EXPECT_EQ(port.dialogs[0].rectangle, c.shape == kRectangularShape);
      EXPECT_EQ(port.refreshes, 1);  // also when the dialog was cancelled
    }
  }
}

}  // namespace
}  // namespace qvt::pages
