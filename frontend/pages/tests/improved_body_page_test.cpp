#include "frontend/pages/improved_body_page.h"

#include "frontend/model/block_outline.h"
#include "frontend/model/block_slots.h"
#include "frontend/model/display_text.h"
#include "frontend/model/project_files.h"
#include "frontend/model/soil_layers.h"
#include "frontend/model/tests/model_test_support.h"
#include "frontend/pages/improved_layers.h"
#include "frontend/pages/tests/page_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qvt::pages {
namespace {

using model::testing::Recorder;

struct FakePort : ImprovedBodyPort {
  struct Call {
    int slot;
    bool edit;
    std::array<std::string, 5> texts;
  };
  std::vector<Call> dialogs;
  int whole_views = 0;
  int refreshes = 0;
  void open_layer_dialog(int slot, bool edit, const std::array<std::string, 5>& t) override {
    dialogs.push_back({slot, edit, t});
  }
  void view_whole_section() override { ++whole_views; }
  void refresh_section_extents() override { ++refreshes; }
};

class ImprovedBodyPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fx.status.clear();
    fx.messages_shown.clear();
    port = FakePort{};
    m = model::testing::new_project();
    conditions = std::make_unique<DesignConditionsPage>(*m, fx);
    page = std::make_unique<ImprovedBodyPage>(*m, fx, *conditions, port);
  }
  void choose_pattern(PatternChoice p) { conditions->choose_improvement_pattern(p); }
  void level_layer(int slot, double bottom, double height, double width = 10) {
    model::WallBlock& b = m->wall_blocks[slot];
    b.block_type = model::BLOCK_SOIL_RECTANGLE;
    b.polygon.head.ref_y = bottom;
    b.polygon.vertex_count = 2;
    b.polygon.vertex_x[0] = width;
    b.polygon.vertex_y[0] = height;
    Recorder rec;
    model::build_block_outline(*m, slot, rec);
  }
  const ImprovedBodyState& s() const { return page->state(); }
  std::unique_ptr<model::ProjectModel> m;
  testing::RecordingEffects fx;
  FakePort port;
  std::unique_ptr<DesignConditionsPage> conditions;
  std::unique_ptr<ImprovedBodyPage> page;
};

TEST_F(ImprovedBodyPageTest, LoadFillsBothFramesAndFollowsThePattern) {
  m->conditions.body_dims = {1.5, -25, 20, -24.5, -25, 3, 4, 0, 0, 6, 2, 1.23456};
  struct Case {
    PatternChoice pattern;
    bool shape_tab, wall_frame, lattice_frame;
  };
  const Case cases[] = {{PatternChoice::block, false, true, false},  // tab off, frames as they were
                        {PatternChoice::wall, true, true, false},
                        {PatternChoice::lattice, true, false, true},
                        // tangent circles keep the lattice frame shown
                        {PatternChoice::tangent_circles, false, false, true}};
  for (const Case& c : cases) {
    choose_pattern(c.pattern);
    page->load();
    SCOPED_TRACE(static_cast<int>(c.pattern));
    EXPECT_EQ(s().shape_tab_enabled, c.shape_tab);
    EXPECT_EQ(s().wall_frame_visible, c.wall_frame);
    EXPECT_EQ(s().lattice_frame_visible, c.lattice_frame);
  }
  const std::array<std::string, 5> body{"1.500", "-25.000", "20.000", "-24.500", "-25.000"};
  EXPECT_EQ(s().body, body);
  const char* walls[] = {"4.000", "3.000", "6.000", "2.000", "1.235"};  // Ls Ds Ll Bl1 Bl2
  for (int k = 0; k < kFormDimensionCount; ++k) {
    const auto dim = static_cast<FormDimension>(k);
    EXPECT_EQ(s().form_dims[form_box(kWallForm, dim)], walls[k]);
    EXPECT_EQ(s().form_dims[form_box(kLatticeForm, dim)], walls[k]);
  }
}

TEST_F(ImprovedBodyPageTest, ShapeTabCannotBeChosenWhileOff) {
  choose_pattern(PatternChoice::wall);
  page->load();
  page->select_inner_tab(1);
  EXPECT_EQ(s().inner_tab, 1);
  choose_pattern(PatternChoice::block);
  page->load();
  EXPECT_EQ(s().inner_tab, 0);
  page->select_inner_tab(1);
  EXPECT_EQ(s().inner_tab, 0);
}

TEST_F(ImprovedBodyPageTest, CommitDerivesWidthAndHeightOfTheWalls) {
  struct Case {
    PatternChoice pattern;
    const char* width;
    const char* ds;
    const char* bl1;
    const char* bl2;
    bool layers;  // a type-7 layer -20 up 15
    double bs, dl;
  };
  const Case cases[] = {
      {PatternChoice::wall, "10", "5", "2", "3", true, 5, 10},
      {PatternChoice::wall, "10", "5", "7", "5", true, -2, 10},
      {PatternChoice::lattice, "10", "3", "2", "3", true, 5, 12},
      {PatternChoice::block, "10", "3", "2", "3", false, 5, -3},  // no block: height 0
  };
  for (const Case& c : cases) {
    SetUp();
    if (c.layers) level_layer(4, -20, 15);
    choose_pattern(c.pattern);
    page->load();
    page->set_body_box(kBoxB, c.width);
    const FormFrame shown = c.pattern == PatternChoice::lattice ? kLatticeForm : kWallForm;
    const FormFrame hidden = shown == kWallForm ? kLatticeForm : kWallForm;
    page->set_form_box(form_box(shown, kDs), c.ds);
    page->set_form_box(form_box(shown, kBl1), c.bl1);
    page->set_form_box(form_box(shown, kBl2), c.bl2);
    page->set_form_box(form_box(hidden, kBl1), "99");  // edits in the hidden frame are not read
    page->store();
    SCOPED_TRACE(static_cast<int>(c.pattern));
    EXPECT_EQ(m->conditions.body_dims.width, 10);
    EXPECT_EQ(m->conditions.body_dims.bs, c.bs);
    EXPECT_EQ(m->conditions.body_dims.dl, c.dl);
  }
}

TEST_F(ImprovedBodyPageTest, HeightSpansSlopedAndLevelLayers) {
  level_layer(6, -25, 7);  // -25..-18
  model::WallBlock& p = m->wall_blocks[2];  // -18..-3 absolute, relative to -10
  p.block_type = model::BLOCK_SOIL_POLYGON;
  p.polygon.head.ref_y = -10;
  p.polygon.vertex_count = 4;
  const double ys[] = {7, 7, -8, -8};
  for (int k = 0; k < 4; ++k) p.polygon.vertex_y[k] = ys[k];
  page->load();
  page->set_form_box(form_box(kWallForm, kDs), "4");
  page->store();
  EXPECT_EQ(m->conditions.body_dims.dl, 18);  // 22 - 4
}

TEST_F(ImprovedBodyPageTest, SampleBlockQuayCommitsItsBody) {
  Recorder rec;
  const std::string base =
      (std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / "sample_block_quay").string();
  ASSERT_TRUE(model::load_project_files(base, *m, rec));
  conditions->load();
  page->load();
  page->store();
  EXPECT_EQ(m->conditions.body_dims.bs, 20);
  EXPECT_EQ(m->conditions.body_dims.dl, 15);
}

TEST_F(ImprovedBodyPageTest, WallBoxIsOnlyReformattedOnLeaving) {
  page->load();
  page->set_form_box(form_box(kWallForm, kLl), "1.23456");
  page->leave_form_box(form_box(kWallForm, kLl));
  EXPECT_EQ(s().form_dims[form_box(kWallForm, kLl)], "1.235");
  EXPECT_EQ(m->conditions.body_dims.ll, 0);
}

TEST_F(ImprovedBodyPageTest, RegistrationChecksInOrder) {
  struct Case {
    bool full;
    const char* b;
    const char* dh1;
    const char* dh2;
    const char* message;  // nullptr: the dialog opens
  };
  const Case cases[] = {
      {true, "0", "0", "0", model::kMsgBlockLimit},
      {false, "0", "-20", "-20", kMsgWidthNotSet},
      {false, "-1", "-20", "-20", kMsgWidthNotSet},
      {false, "5", "-20", "0", kMsgBottomNotSet},
      {false, "5", "0", "-20", kMsgBottomNotSet},
      {false, "5", "-20", "-20", nullptr},
  };
  for (const Case& c : cases) {
    SetUp();
    if (c.full)
      for (int i = 0; i < model::MAX_WALL_BLOCKS; ++i) m->wall_blocks[i].block_type = 1;
    m->wall_blocks[0].block_type = model::BLOCK_RECTANGLE;
    page->load();
    page->choose_operation(section::kDeleteSoilBlock);
    page->set_body_box(kBoxB, c.b);
    page->set_body_box(kBoxDh1, c.dh1);
    page->set_body_box(kBoxDh2, c.dh2);
    page->register_soil_block();
    SCOPED_TRACE(c.b);
    EXPECT_EQ(s().operation, section::kNoSoilBlockOperation);
    if (c.message) {
      ASSERT_EQ(fx.messages_shown.size(), 1u);
      EXPECT_EQ(fx.messages_shown[0], c.message);
      EXPECT_TRUE(port.dialogs.empty());
      EXPECT_EQ(port.refreshes, 0);
    } else {
      EXPECT_TRUE(fx.messages_shown.empty());
      ASSERT_EQ(port.dialogs.size(), 1u);
      EXPECT_EQ(port.dialogs[0].slot, 1);  // the first free slot
      EXPECT_FALSE(port.dialogs[0].edit);
      const std::array<std::string, 5> texts{"0.000", "0.000", "5", "-20", "-20"};
      EXPECT_EQ(port.dialogs[0].texts, texts);
      EXPECT_EQ(port.refreshes, 1);
    }
  }
  EXPECT_EQ(std::string(model::kMsgBlockLimit),
            "ﾌﾞﾛｯｸ数が最大値( 20)に達しています。これ以上の追加はできません。");
}

TEST_F(ImprovedBodyPageTest, OperationsShowTheirPrompts) {
  const char* prompts[] = {"編集する壁体ブロックを選択してください。",
                           "削除する壁体ブロックを選択してください。",
                           "No位置を移動する壁体ブロックを選択してください。"};
  for (int i = section::kEditSoilBlock; i <= section::kPlaceSoilBlockNumber; ++i) {
    page->choose_operation(i);
    EXPECT_EQ(s().operation, i);
    EXPECT_EQ(fx.status.back(), prompts[i - 1]);
  }
  const size_t before = fx.status.size();
  // The hidden option leaves the panel as it is.
  page->focus_operation(section::kRegisterSoilBlock);
  EXPECT_EQ(fx.status.size(), before);
}

TEST_F(ImprovedBodyPageTest, LeavingABodyBoxReshapesAndRefitsOrRefuses) {
  level_layer(3, -15, 15);
  m->conditions.body_dims = {0, 0, 10, -15, -15};
  page->load();
  page->set_body_box(kBoxDh1, "-12");
  EXPECT_EQ(page->leave_body_box(kBoxDh1), model::TypedNumber::stands);
  EXPECT_EQ(m->wall_blocks[3].block_type, model::BLOCK_SOIL_POLYGON);
  EXPECT_EQ(port.whole_views, 1);
  page->set_body_box(kBoxDh1, "0");
  EXPECT_EQ(page->leave_body_box(kBoxDh1), model::TypedNumber::stands);  // the box says it
  EXPECT_EQ(s().body[kBoxDh1], "-12.000");
  ASSERT_EQ(fx.messages_shown.size(), 1u);
  EXPECT_EQ(fx.messages_shown[0], kMsgAboveBodyTop);
  EXPECT_EQ(port.whole_views, 1);
  // Unchanged: nothing redrawn.
  page->leave_body_box(kBoxX);
  EXPECT_EQ(port.whole_views, 1);
}

// A box is told it lost the focus also when it never heard it got it: a message box shown while
// the focus passes on from a refused box takes the focus from the next box first. That box holds
// what the blocks stand for, so leaving it changes nothing, whatever the box left before it held.
// The body: one level layer from 0 down to -15 (slot 3), B 10, both bottoms -15; in the last
// case the sea-side bottom was first cut to -12 (accepted), so the bottoms differ.
TEST_F(ImprovedBodyPageTest, TheBoxAfterARefusedOneChangesNothing) {
  struct Case {
    const char* first_cut;  // an accepted Dh1 before the refusal, or none
    BodyBox refused;
    const char* typed;
    BodyBox next;
    const char* message;         // the warning box of the refusal, or none
    model::TypedNumber notice;   // the status bar's notice of the refusal
  };
  const Case cases[] = {
      {nullptr, kBoxB, "-5", kBoxDh1, nullptr, model::TypedNumber::out_of_range},
      {nullptr, kBoxB, "0", kBoxDh1, nullptr, model::TypedNumber::out_of_range},
      {"-12", kBoxDh1, "0", kBoxDh2, kMsgAboveBodyTop, model::TypedNumber::stands},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " into box " + std::to_string(c.refused));
    SetUp();
    level_layer(3, -15, 15);
    m->conditions.body_dims = {0, 0, 10, -15, -15};
    page->load();
    if (c.first_cut) {
      page->set_body_box(kBoxDh1, c.first_cut);
      page->leave_body_box(kBoxDh1);
    }
    const model::WallBlock layer = m->wall_blocks[3];
    const int views = port.whole_views;
    page->set_body_box(c.refused, c.typed);
    EXPECT_EQ(page->leave_body_box(c.refused), c.notice);
    page->set_body_box(c.next, s().body[c.next]);  // the text it shows, as its view passes it
    EXPECT_EQ(page->leave_body_box(c.next), model::TypedNumber::stands);

    const model::WallBlock& now = m->wall_blocks[3];
    EXPECT_EQ(now.block_type, layer.block_type);
    EXPECT_EQ(now.polygon.vertex_count, layer.polygon.vertex_count);
    EXPECT_EQ(now.polygon.head.ref_y, layer.polygon.head.ref_y);
    for (int k = 0; k < model::POLYGON_VERTICES; ++k) {
      EXPECT_EQ(now.polygon.vertex_x[k], layer.polygon.vertex_x[k]) << k;
      EXPECT_EQ(now.polygon.vertex_y[k], layer.polygon.vertex_y[k]) << k;
    }
    EXPECT_EQ(port.whole_views, views);
    EXPECT_EQ(s().body[c.refused], c.refused == kBoxB ? "10.000" : "-12.000");
    EXPECT_EQ(fx.messages_shown,
              c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    page->store();
    EXPECT_EQ(m->conditions.body_dims.width, 10);
    EXPECT_EQ(m->conditions.body_dims.dh2, -15);
    EXPECT_DOUBLE_EQ(m->conditions.body_dims.dl, 15);  // the height 0 - -15, Ds 0
  }
}

}  // namespace
}  // namespace qvt::pages
