// The block editors, click by click, on the block quay sample (the wall block 0..6 x -10..+3,
// label (3, -3.5), in slot 0; the improved body 0..20 x -25..-10, type 7, label (10, -17.5), in
// slot 1) fitted into 6795 x 6375 picture units: scale 188.164..., so the 45-unit snap radius
// is 0.239 m. Clicks are given as world points and turned into picture units by the view.
#include "frontend/section/block_editors.h"

#include "frontend/model/block_geometry.h"
#include "frontend/model/block_outline.h"
#include "frontend/model/block_slots.h"
#include "frontend/section/picking.h"
#include "frontend/section/tests/section_test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qvt::section {
namespace {

using testing::empty_project;
using testing::FakePages;
using testing::load_sample;
using testing::QuietSink;
using testing::RecordingEffects;

class RecordingPrompt : public PromptLine {
 public:
  void show_prompt(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

class FakeDialogs : public EditorDialogs {
 public:
  void polygon(int slot) override { opened.push_back("polygon " + std::to_string(slot)); }
  void rectangle(int slot) override { opened.push_back("rectangle " + std::to_string(slot)); }
  void layer(int slot, const std::array<std::string, 5>& texts) override {
    std::string s = "layer " + std::to_string(slot);
    for (const std::string& t : texts) s += " " + t;
    opened.push_back(s);
  }
  std::vector<std::string> opened;
};

// Everything a click can change in the slots, as text, to compare before and after.
std::string slots_text(const model::ProjectModel& m) {
  std::ostringstream o;
  for (int s = 0; s < model::MAX_WALL_BLOCKS; ++s) {
    const model::WallBlock& b = m.wall_blocks[s];
    o << s << ':' << b.block_type << ' ' << m.block_label_numbers[s];
    if (const model::BlockHead* h = block_head(b))
      o << ' ' << h->ref_x << ',' << h->ref_y << ' ' << h->label_x << ',' << h->label_y << ' '
        << h->mark_x << ',' << h->mark_y;
    for (int k = 0; k < 14; ++k) o << ' ' << b.polygon.vertex_x[k] << ',' << b.polygon.vertex_y[k];
    o << '\n';
  }
  return o.str();
}

struct Editors {
  explicit Editors(std::unique_ptr<model::ProjectModel> model) : m(std::move(model)) {
    view.pic_width = 6795;
    view.pic_height = 6375;
    compute_section_extents(view, *m);
    pages.state.wall_block_operation = kMoveWallBlock;
    pages.state.soil_block_operation = kDeleteSoilBlock;
  }
  BlockEditContext context() { return {*m, view, editor, pages, effects, prompt, dialogs}; }
  PicturePoint unused;
  // A click at world point (x, y).
  void wall(int button, double x, double y) {
    pages.state.shown_page = 1;
    WallBlockEditor(context()).click(button, (x - view.left_x) * view.scale,
                                     (view.top_y - y) * view.scale);
  }
  void soil(int button, double x, double y) {
    pages.state.shown_page = 2;
    SoilBlockEditor(context()).click(button, (x - view.left_x) * view.scale,
                                     (view.top_y - y) * view.scale);
  }
  const model::BlockHead& head(int slot) { return m->wall_blocks[slot].polygon.head; }
  const model::PolygonShape& poly(int slot) { return m->wall_blocks[slot].polygon; }

  std::unique_ptr<model::ProjectModel> m;
  ViewState view;
  EditorState editor;
  FakePages pages{editor};
  RecordingEffects effects;
  RecordingPrompt prompt;
  FakeDialogs dialogs;
};

TEST(WallBlockEditor, TheFitOfTheSample) {
  Editors e(load_sample("sample_block_quay"));
  EXPECT_NEAR(e.view.scale, 188.164, 0.001);
  EXPECT_NEAR(45 / e.view.scale, 0.239, 0.001);
}

TEST(WallBlockEditor, MoveBySnappedBasePointMiddleClickAndRightClick) {
  Editors e(load_sample("sample_block_quay"));
  e.wall(1, 3, -3);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::select);
  EXPECT_EQ(e.editor.current_block_slot, 0);
  EXPECT_EQ(e.prompt.shown.back(), "移動する壁体ブロックの基準点を選択してください。(右ボタンで終了)");

  e.wall(1, 0.1, -9.9);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::base_point);
  EXPECT_EQ(e.prompt.shown.back(), "移動先を指定してください。(右ボタンで終了)");
  EXPECT_DOUBLE_EQ(e.view.move_base_x, 0);
  EXPECT_DOUBLE_EQ(e.view.move_base_y, -10);

  // (20.1, -10.1) is 0.141 m from the body's corner (20, -10): snapped.
  e.wall(1, 20.1, -10.1);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::move);
  EXPECT_DOUBLE_EQ(e.head(0).ref_x, 20);
  EXPECT_DOUBLE_EQ(e.head(0).ref_y, -10);
  const double corners[4][2] = {{20, -10}, {20, 3}, {26, 3}, {26, -10}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_DOUBLE_EQ(e.poly(0).vertex_x[10 + k], corners[k][0]) << k;
    EXPECT_DOUBLE_EQ(e.poly(0).vertex_y[10 + k], corners[k][1]) << k;
  }
  EXPECT_DOUBLE_EQ(e.head(0).label_x, 23);
  EXPECT_DOUBLE_EQ(e.head(0).label_y, -3.5);
  EXPECT_DOUBLE_EQ(e.view.move_base_x, 20);
  EXPECT_DOUBLE_EQ(e.view.move_base_y, -10);

  // A middle click moves again without a transition; 2.1 m from any corner, so not snapped.
  const std::size_t prompts = e.prompt.shown.size();
  e.wall(4, 22.1, -9.9);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::move);
  EXPECT_NEAR(e.head(0).ref_x, 22.1, 1e-9);
  EXPECT_NEAR(e.head(0).ref_y, -9.9, 1e-9);
  EXPECT_NEAR(e.head(0).label_x, 25.1, 1e-9);
  EXPECT_NEAR(e.poly(0).vertex_x[12], 28.1, 1e-9);
  EXPECT_EQ(e.prompt.shown.size(), prompts);

  e.wall(2, 0, 0);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
  EXPECT_EQ(e.pages.prompts_restored, 1);
  EXPECT_EQ(e.editor.current_block_slot, 0);
  EXPECT_EQ(e.m->wall_blocks[1].block_type, model::BLOCK_SOIL_RECTANGLE);
  EXPECT_DOUBLE_EQ(e.m->wall_blocks[1].polygon.vertex_x[12], 20);
}

TEST(WallBlockEditor, CopyGoesToTheLowestFreeSlotWithItsOwnNumberAndACentredLabel) {
  Editors e(load_sample("sample_block_quay"));
  e.pages.state.wall_block_operation = kCopyWallBlock;
  // A label placed by hand must not travel with the copy.
  e.m->wall_blocks[0].polygon.head.label_x = 1;
  e.m->wall_blocks[0].polygon.head.label_y = 2;
  e.m->block_label_numbers[0] = 7;
  e.wall(1, 1, 2);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::select);
  EXPECT_EQ(e.prompt.shown.back(), "複写する壁体ブロックの基準点を選択してください。(右ボタンで終了)");
  e.wall(1, 0.1, -9.9);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::base_point);
  EXPECT_EQ(e.prompt.shown.back(), "複写先を指定してください。(右ボタンで終了)");
  e.wall(1, 20.1, -10.1);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::move);
  EXPECT_EQ(e.editor.current_block_slot, 2);
  EXPECT_EQ(e.m->wall_blocks[2].block_type, model::BLOCK_RECTANGLE);
  EXPECT_EQ(e.m->block_label_numbers[2], 2);
  EXPECT_DOUBLE_EQ(e.head(2).ref_x, 20);
  EXPECT_DOUBLE_EQ(e.head(2).ref_y, -10);
  EXPECT_DOUBLE_EQ(e.head(2).label_x, 23);
  EXPECT_DOUBLE_EQ(e.head(2).label_y, -3.5);
  EXPECT_DOUBLE_EQ(e.poly(2).vertex_x[12], 26);
  // The original stays where it was.
  EXPECT_DOUBLE_EQ(e.head(0).ref_x, 0);
  EXPECT_DOUBLE_EQ(e.head(0).label_x, 1);
  EXPECT_EQ(e.m->block_label_numbers[0], 7);
  // Further clicks move the copy, not the original.
  e.wall(1, 30, -10);
  EXPECT_DOUBLE_EQ(e.head(2).ref_x, 30);
  EXPECT_DOUBLE_EQ(e.head(0).ref_x, 0);
}

TEST(WallBlockEditor, CopyWithEveryslotUsedWarnsAndGoesIdle) {
  Editors e(load_sample("sample_block_quay"));
  for (int s = 2; s < model::MAX_WALL_BLOCKS; ++s) e.m->wall_blocks[s] = e.m->wall_blocks[0];
  const std::string before = slots_text(*e.m);
  e.pages.state.wall_block_operation = kCopyWallBlock;
  e.wall(1, 500, 500);
  EXPECT_EQ(e.effects.warnings,
            std::vector<std::string>{
                "ﾌﾞﾛｯｸ数が最大値( 20)に達しています。これ以上の追加はできません。"});
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
  EXPECT_EQ(slots_text(*e.m), before);
}

TEST(WallBlockEditor, CopyStepWithoutAFreeSlotWarnsInsteadOfOverwriting) {
  // The slot table filled up between the copy start and the copy (another path registered a
  // block): the copy must not write anywhere.
  Editors e(load_sample("sample_block_quay"));
  e.pages.state.wall_block_operation = kCopyWallBlock;
  e.wall(1, 3, -3);
  e.wall(1, 0, -10);
  for (int s = 2; s < model::MAX_WALL_BLOCKS; ++s) e.m->wall_blocks[s] = e.m->wall_blocks[0];
  const std::string before = slots_text(*e.m);
  e.wall(1, 20, -10);
  EXPECT_EQ(e.effects.warnings.size(), 1u);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
  EXPECT_EQ(slots_text(*e.m), before);
}

TEST(WallBlockEditor, DeleteEmptiesTheSlotAndLeavesTheOthers) {
  Editors e(load_sample("sample_block_quay"));
  e.pages.state.wall_block_operation = kDeleteWallBlock;
  e.m->block_label_numbers[1] = 1;
  e.wall(1, 3, -3);
  EXPECT_EQ(e.prompt.shown.back(), "左ボタンで削除／右ボタンで終了");
  e.wall(1, 50, 50);  // anywhere: the selected block goes
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
  EXPECT_EQ(e.m->wall_blocks[0].block_type, model::BLOCK_EMPTY);
  EXPECT_EQ(e.head(0).name, "");
  EXPECT_EQ(e.poly(0).vertex_count, 0);
  for (int k = 0; k < model::POLYGON_VERTICES; ++k) {
    EXPECT_EQ(e.poly(0).vertex_x[k], 9999) << k;
    EXPECT_EQ(e.poly(0).vertex_y[k], 9999) << k;
  }
  EXPECT_EQ(e.m->wall_blocks[1].block_type, model::BLOCK_SOIL_RECTANGLE);
  EXPECT_EQ(e.m->block_label_numbers[1], 1);
  EXPECT_EQ(model::first_free_block_slot(*e.m), 0);
}

TEST(WallBlockEditor, EditOpensTheDialogOfTheBlockType) {
  Editors e(load_sample("sample_block_quay"));
  e.pages.state.wall_block_operation = kEditWallBlock;
  e.wall(1, 3, -3);
  EXPECT_EQ(e.prompt.shown.back(), "左ボタンで編集／右ボタンで終了");
  EXPECT_TRUE(e.dialogs.opened.empty());
  e.wall(1, 3, -3);
  EXPECT_EQ(e.dialogs.opened, std::vector<std::string>{"rectangle 0"});
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);

  // A polygon block in slot 2 opens the polygon dialog.
  model::WallBlock& p = e.m->wall_blocks[2];
  p.block_type = model::BLOCK_POLYGON;
  p.polygon.head.ref_x = 30;
  p.polygon.head.ref_y = 0;
  p.polygon.vertex_count = 3;
  const double v[3][2] = {{0, 0}, {2, 0}, {0, 2}};
  for (int k = 0; k < 3; ++k) {
    p.polygon.vertex_x[k] = v[k][0];
    p.polygon.vertex_y[k] = v[k][1];
  }
  model::center_block_label(*e.m, 2);
  e.wall(1, 31, 1);
  EXPECT_EQ(e.editor.current_block_slot, 2);
  e.wall(1, 31, 1);
  EXPECT_EQ(e.dialogs.opened.back(), "polygon 2");
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
}

TEST(WallBlockEditor, NumberPositionPlacesTheLabelUnsnappedAgainAndAgain) {
  Editors e(load_sample("sample_block_quay"));
  e.pages.state.wall_block_operation = kPlaceWallBlockNumber;
  e.wall(1, 3, -3);
  EXPECT_EQ(e.prompt.shown.back(), "壁体ブロックNoの移動位置を設定してください。(右ボタンで終了)");
  e.wall(1, 6.01, 3.01);  // beside a corner: not snapped
  EXPECT_EQ(e.editor.block_step, BlockEditStep::select);
  EXPECT_NEAR(e.head(0).label_x, 6.01, 1e-9);
  EXPECT_NEAR(e.head(0).label_y, 3.01, 1e-9);
  // Back in state 1 the next click selects by label, then places it again.
  e.wall(1, 6, 3);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::select);
  e.wall(1, -2, 1);
  EXPECT_NEAR(e.head(0).label_x, -2, 1e-9);
  EXPECT_NEAR(e.head(0).label_y, 1, 1e-9);
}

TEST(WallBlockEditor, ImprovedSoilBlockEndsTheOperationSilently) {
  Editors e(load_sample("sample_block_quay"));
  const std::string before = slots_text(*e.m);
  e.wall(1, 10, -17.5);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
  EXPECT_EQ(e.editor.current_block_slot, 1);
  EXPECT_EQ(e.prompt.shown.back(), "移動する壁体ブロックの基準点を選択してください。(右ボタンで終了)");
  EXPECT_EQ(e.effects.repaints, 0);
  e.wall(1, 10, -17);  // starts over and ends again
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
  e.wall(1, 0, -10);  // nearer the wall block's label: selected
  EXPECT_EQ(e.editor.block_step, BlockEditStep::select);
  EXPECT_EQ(e.editor.current_block_slot, 0);
  EXPECT_EQ(slots_text(*e.m), before);
}

TEST(WallBlockEditor, SmallRemaindersOfAMoveBecomeZero) {
  Editors e(empty_project());
  model::WallBlock& p = e.m->wall_blocks[0];
  p.block_type = model::BLOCK_POLYGON;
  p.polygon.head.ref_x = 1.00004;
  p.polygon.head.ref_y = 5;
  p.polygon.vertex_count = 3;
  const double v[3][2] = {{0, 0}, {4, 0}, {0, 4}};
  for (int k = 0; k < 3; ++k) {
    p.polygon.vertex_x[k] = v[k][0];
    p.polygon.vertex_y[k] = v[k][1];
  }
  p.polygon.head.label_x = 2.00003;
  p.polygon.head.label_y = 6;
  e.view.pic_width = 6795;
  e.view.pic_height = 6375;
  compute_section_extents(e.view, *e.m);
  e.wall(1, 2.00003, 6);
  e.wall(1, 1.00004, 5);  // base point: vertex 0
  EXPECT_DOUBLE_EQ(e.view.move_base_x, 1.00004);
  e.wall(1, 0.00004, 5);  // by (-1, 0); 0.00004 snaps to nothing but the block's own corner
  EXPECT_EQ(e.head(0).ref_x, 0.0);
  EXPECT_DOUBLE_EQ(e.head(0).ref_y, 5);
  EXPECT_NEAR(e.head(0).label_x, 1.00003, 1e-12);
}

TEST(WallBlockEditor, NoLabelInReachLeavesEveryslotAlone) {
  for (int option : {kEditWallBlock, kMoveWallBlock, kCopyWallBlock, kDeleteWallBlock,
                     kPlaceWallBlockNumber}) {
    Editors e(load_sample("sample_block_quay"));
    e.pages.state.wall_block_operation = option;
    const std::string before = slots_text(*e.m);
    e.wall(1, 20000, 0);
    EXPECT_EQ(e.editor.current_block_slot, -1) << option;
    EXPECT_EQ(e.editor.block_step, BlockEditStep::select) << option;
    // Each operation runs through its states (the base point still snaps anywhere) and ends.
    for (int i = 0; i < 4; ++i) e.wall(1, 20000 + i, 0);
    EXPECT_EQ(slots_text(*e.m), before) << option;
    EXPECT_TRUE(e.dialogs.opened.empty()) << option;
    EXPECT_EQ(e.editor.current_block_slot, -1) << option;
  }
}

TEST(WallBlockEditor, OnlyTheSuperstructurePageAdvancesAndRegisterHasNoRule) {
  Editors e(load_sample("sample_block_quay"));
  e.pages.state.shown_page = 2;
  WallBlockEditor(e.context()).click(1, 100, 100);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
  e.pages.state.wall_block_operation = kRegisterWallBlock;
  e.wall(1, 3, -3);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
  EXPECT_TRUE(e.prompt.shown.empty());
  e.wall(2, 3, -3);
  EXPECT_EQ(e.pages.prompts_restored, 1);  // the registration prompt comes back
  e.pages.state.wall_block_operation = -1;
  e.wall(2, 3, -3);
  EXPECT_EQ(e.pages.prompts_restored, 1);
}

TEST(EditorRules, FirstMatchingRuleWins) {
  using S = BlockEditStep;
  EXPECT_EQ(find_rule(kWallBlockRules, kCopyWallBlock, S::idle)->after, S::copy_start);
  EXPECT_EQ(find_rule(kWallBlockRules, kCopyWallBlock, S::base_point)->after, S::copy);
  EXPECT_EQ(find_rule(kWallBlockRules, kMoveWallBlock, S::move), nullptr);  // a move stays a move
  EXPECT_EQ(find_rule(kWallBlockRules, kRegisterWallBlock, S::idle), nullptr);
  EXPECT_EQ(find_rule(kSoilBlockRules, kDeleteSoilBlock, S::select)->after, S::erase);
  EXPECT_EQ(find_rule(kSoilBlockRules, kEditSoilBlock, S::base_point), nullptr);
}

// ---- improved-soil layers ---------------------------------------------------------------

// Two type-6 layers on X 0, B 20, Dh1 = Dh2 = -25, stored relative to the reference y `y`.
std::unique_ptr<model::ProjectModel> two_layers(double y) {
  auto m = empty_project();
  const double layers[2][4][2] = {{{0, -10}, {20, -10}, {20, -17}, {0, -15}},
                                  {{0, -15}, {20, -17}, {20, -25}, {0, -25}}};
  for (int s = 0; s < 2; ++s) {
    model::WallBlock& b = m->wall_blocks[s];
    b.block_type = model::BLOCK_SOIL_POLYGON;
    b.polygon.head.name = s == 0 ? "upper" : "lower";
    b.polygon.head.ref_x = 0;
    b.polygon.head.ref_y = y;
    b.polygon.head.unit_weights[0] = 18 + s;
    b.polygon.head.unit_weights[1] = 10 + s;
    b.polygon.vertex_count = 4;
    for (int k = 0; k < model::POLYGON_VERTICES; ++k)
      b.polygon.vertex_x[k] = b.polygon.vertex_y[k] = model::UNSET_COORD;
    for (int k = 0; k < 4; ++k) {
      b.polygon.vertex_x[k] = layers[s][k][0];
      b.polygon.vertex_y[k] = layers[s][k][1] - y;
    }
    model::center_block_label(*m, s);
    m->block_label_numbers[s] = static_cast<model::i16>(s);
  }
  return m;
}

struct SoilEditors : Editors {
  explicit SoilEditors(double y = 0, const char* dh2 = "-25") : Editors(two_layers(y)) {
    pages.state.body_boxes = {"0", y == 0 ? "0" : "-25", "20", "-25", dh2};
  }
  WorldPoint label(int slot) { return {head(slot).label_x, head(slot).label_y}; }
  void click_label(int slot) { soil(1, label(slot).x, label(slot).y); }
};

TEST(SoilBlockEditor, DeletingTheLowerLayerExtendsTheUpperOneToALevelRectangle) {
  SoilEditors e;
  e.m->wall_blocks[0].polygon.head.mark_x = 4;
  e.m->wall_blocks[0].polygon.head.label_x = 3;  // placed by hand
  e.click_label(1);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::select);
  EXPECT_EQ(e.editor.current_block_slot, 1);
  EXPECT_EQ(e.prompt.shown.back(), "左ボタンで削除／右ボタンで終了");
  e.soil(1, 0, 0);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
  EXPECT_EQ(e.m->wall_blocks[1].block_type, model::BLOCK_EMPTY);
  const model::WallBlock& b = e.m->wall_blocks[0];
  EXPECT_EQ(b.block_type, model::BLOCK_SOIL_RECTANGLE);
  EXPECT_DOUBLE_EQ(b.polygon.head.ref_y, -25);
  EXPECT_DOUBLE_EQ(b.polygon.vertex_x[0], 20);
  EXPECT_DOUBLE_EQ(b.polygon.vertex_y[0], 15);
  EXPECT_EQ(b.polygon.vertex_count, 2);
  EXPECT_EQ(b.polygon.vertex_x[1], 9999);
  EXPECT_DOUBLE_EQ(b.polygon.vertex_y[11], -10);
  EXPECT_DOUBLE_EQ(b.polygon.vertex_x[13], 20);
  EXPECT_DOUBLE_EQ(b.polygon.vertex_y[13], -25);
  EXPECT_DOUBLE_EQ(b.polygon.head.label_x, 10);
  EXPECT_DOUBLE_EQ(b.polygon.head.label_y, -17.5);
  EXPECT_EQ(b.polygon.head.mark_x, 0);
  EXPECT_EQ(b.polygon.head.name, "upper");
  EXPECT_EQ(b.polygon.head.unit_weights[0], 18);
  EXPECT_EQ(b.polygon.head.unit_weights[1], 10);
  // The corners of the extension are left in the work list.
  EXPECT_DOUBLE_EQ(e.editor.work_vertices[2].x, 20);
  EXPECT_DOUBLE_EQ(e.editor.work_vertices[2].y, -25);
}

TEST(SoilBlockEditor, ASlopedBottomKeepsTheLayerAPolygon) {
  SoilEditors e(0, "-27");
  e.click_label(1);
  e.soil(1, 0, 0);
  const model::WallBlock& b = e.m->wall_blocks[0];
  EXPECT_EQ(b.block_type, model::BLOCK_SOIL_POLYGON);
  EXPECT_EQ(b.polygon.vertex_count, 4);
  const double want[4][2] = {{0, -10}, {20, -10}, {20, -27}, {0, -25}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_DOUBLE_EQ(b.polygon.vertex_x[k], want[k][0]) << k;
    EXPECT_DOUBLE_EQ(b.polygon.vertex_y[k], want[k][1]) << k;
  }
  EXPECT_EQ(b.polygon.vertex_x[4], 9999);
  EXPECT_EQ(b.polygon.vertex_x[10], 9999);
}

TEST(SoilBlockEditor, ReferenceLevelBelowZeroGivesTheSameElevations) {
  // Vertices relative to Y = -25: the tops are read and the corners written as elevations.
  SoilEditors e(-25, "-27");
  EXPECT_DOUBLE_EQ(e.poly(0).vertex_y[0], 15);
  e.click_label(1);
  e.soil(1, 0, 0);
  EXPECT_EQ(e.m->wall_blocks[0].block_type, model::BLOCK_SOIL_POLYGON);
  EXPECT_DOUBLE_EQ(e.head(0).ref_y, -25);
  const double want[4][2] = {{0, -10}, {20, -10}, {20, -27}, {0, -25}};
  for (int k = 0; k < 4; ++k) {
    double x = 0, y = 0;
    ASSERT_TRUE(model::get_block_vertex(*e.m, 0, k, x, y));
    EXPECT_DOUBLE_EQ(x, want[k][0]) << k;
    EXPECT_DOUBLE_EQ(y, want[k][1]) << k;
  }
  // And the level case lands on the same rectangle as at Y = 0.
  SoilEditors level(-25);
  level.click_label(1);
  level.soil(1, 0, 0);
  EXPECT_EQ(level.m->wall_blocks[0].block_type, model::BLOCK_SOIL_RECTANGLE);
  EXPECT_DOUBLE_EQ(level.head(0).ref_y, -25);
  EXPECT_DOUBLE_EQ(level.poly(0).vertex_y[0], 15);
}

TEST(SoilBlockEditor, DeletingTheTopLayerRemovesEveryLayerButNoWallBlock) {
  SoilEditors e;
  // A wall block in a later slot stays.
  e.m->wall_blocks[3].block_type = model::BLOCK_RECTANGLE;
  e.m->wall_blocks[3].polygon.vertex_x[0] = 2;
  e.m->wall_blocks[3].polygon.vertex_y[0] = 2;
  e.m->wall_blocks[3].polygon.head.ref_x = 40;
  QuietSink sink;
  model::build_block_outline(*e.m, 3, sink);
  model::center_block_label(*e.m, 3);
  e.click_label(0);
  e.soil(1, 0, 0);
  EXPECT_EQ(e.m->wall_blocks[0].block_type, model::BLOCK_EMPTY);
  EXPECT_EQ(e.m->wall_blocks[1].block_type, model::BLOCK_EMPTY);
  EXPECT_EQ(e.m->wall_blocks[3].block_type, model::BLOCK_RECTANGLE);
  EXPECT_DOUBLE_EQ(e.head(3).ref_x, 40);
  EXPECT_TRUE(e.effects.warnings.empty());
}

TEST(SoilBlockEditor, ASelectionMadeUnderEditIsDeletedUnderDelete) {
  SoilEditors e;
  e.pages.state.soil_block_operation = kEditSoilBlock;
  e.click_label(1);
  EXPECT_EQ(e.prompt.shown.back(), "左ボタンで編集／右ボタンで終了");
  e.pages.state.soil_block_operation = kDeleteSoilBlock;
  e.soil(1, 0, 0);
  EXPECT_EQ(e.m->wall_blocks[1].block_type, model::BLOCK_EMPTY);
  EXPECT_EQ(e.m->wall_blocks[0].block_type, model::BLOCK_SOIL_RECTANGLE);
}

TEST(SoilBlockEditor, ABottomAboveTheLayerLeftIsRefusedBeforeAnythingIsDeleted) {
  SoilEditors e;
  e.pages.state.body_boxes[3] = "-5";
  const std::string before = slots_text(*e.m);
  e.click_label(1);
  e.soil(1, 0, 0);
  EXPECT_EQ(e.effects.warnings, std::vector<std::string>{"改良体上限を超えます。"});
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
  EXPECT_EQ(slots_text(*e.m), before);

  // Exactly on the top is allowed: a layer of no thickness at that side.
  SoilEditors on(0, "-10");
  on.click_label(1);
  on.soil(1, 0, 0);
  EXPECT_TRUE(on.effects.warnings.empty());
  EXPECT_EQ(on.m->wall_blocks[0].block_type, model::BLOCK_SOIL_POLYGON);
  EXPECT_DOUBLE_EQ(on.poly(0).vertex_y[2], -10);
}

TEST(SoilBlockEditor, EditOpensTheLayerDialogWithTheBodyTexts) {
  SoilEditors e;
  e.pages.state.soil_block_operation = kEditSoilBlock;
  e.pages.state.body_boxes = {"0.000", "0", "20.000", "-25.000", "-25.000"};
  e.click_label(0);
  e.soil(1, 0, 0);
  EXPECT_EQ(e.dialogs.opened,
            std::vector<std::string>{"layer 0 0.000 0 20.000 -25.000 -25.000"});
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
}

TEST(SoilBlockEditor, NumberPositionAndAWallBlockEndingTheOperation) {
  auto sample = load_sample("sample_block_quay");
  Editors e(std::move(sample));
  e.pages.state.soil_block_operation = kPlaceSoilBlockNumber;
  e.soil(1, 10, -17.5);
  EXPECT_EQ(e.editor.current_block_slot, 1);
  EXPECT_EQ(e.prompt.shown.back(), "壁体ブロックNoの移動位置を設定してください。(右ボタンで終了)");
  e.soil(1, 12.3, -20.1);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::select);
  EXPECT_NEAR(e.head(1).label_x, 12.3, 1e-9);
  EXPECT_NEAR(e.head(1).label_y, -20.1, 1e-9);
  // The wall block's label is nearest: the operation ends, nothing moves.
  e.soil(4, 3, -3.5);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
  EXPECT_EQ(e.editor.current_block_slot, 0);
  EXPECT_DOUBLE_EQ(e.head(0).label_x, 3);
}

TEST(SoilBlockEditor, RightClickRestoresThePromptOnlyForAnOperation) {
  SoilEditors e;
  e.click_label(1);
  e.soil(2, 0, 0);
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
  EXPECT_EQ(e.pages.prompts_restored, 1);
  e.pages.state.soil_block_operation = kRegisterSoilBlock;
  e.soil(2, 0, 0);
  e.pages.state.soil_block_operation = kNoSoilBlockOperation;
  e.soil(2, 0, 0);
  EXPECT_EQ(e.pages.prompts_restored, 1);
  e.pages.state.soil_block_operation = kRegisterSoilBlock;
  e.click_label(1);  // registration has no rule
  EXPECT_EQ(e.editor.block_step, BlockEditStep::idle);
}

TEST(SoilBlockEditor, NoLayerSelectedTouchesNothing) {
  for (int option : {kEditSoilBlock, kDeleteSoilBlock, kPlaceSoilBlockNumber}) {
    SoilEditors e;
    e.pages.state.soil_block_operation = option;
    const std::string before = slots_text(*e.m);
    e.soil(1, 20000, 0);
    EXPECT_EQ(e.editor.current_block_slot, -1);
    e.soil(1, 20001, 0);
    EXPECT_EQ(e.editor.block_step, BlockEditStep::idle) << option;
    EXPECT_EQ(slots_text(*e.m), before) << option;
    EXPECT_TRUE(e.dialogs.opened.empty());
  }
}

}  // namespace
}  // namespace qvt::section
