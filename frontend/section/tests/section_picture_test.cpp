// The picture's routing of clicks and moves, the zoom modes, the whole view and the persistent
// pen, with a fake page port and recorded effects.
#include "frontend/section/section_picture.h"
#include "frontend/section/tests/section_test_support.h"

#include <gtest/gtest.h>

namespace qvt::section {
namespace {

using testing::empty_project;
using testing::FakePages;
using testing::load_sample;
using testing::RecordingEffects;

struct Fixture {
  explicit Fixture(std::unique_ptr<model::ProjectModel> model) : m(std::move(model)) {
    picture.view().pic_width = 6795;
    picture.view().pic_height = 6375;
  }
  std::unique_ptr<model::ProjectModel> m;
  EditorState editor;
  FakePages pages{editor};
  RecordingEffects effects;
  SectionPicture picture{*m, editor, pages, effects};
};

TEST(SectionPicture, ZoomClickCentresAndRightClickLeavesTheMode) {
  Fixture f(load_sample("sample_block_quay"));
  f.picture.compute_section_extents();
  const double scale = f.picture.view().scale;
  f.picture.enter_zoom_in_mode();
  EXPECT_EQ(f.editor.bs_mode, 1);
  EXPECT_TRUE(f.effects.zoom_pointer);
  EXPECT_EQ(f.effects.buttons.back(), (std::pair<int, bool>{9, true}));
  const WorldPoint clicked = world_point(f.picture.view(), 1000, 2000);
  f.picture.mouse_pressed(1, 1000, 2000);
  EXPECT_NEAR(f.picture.view().scale, scale * 1.35, 1e-9);
  const WorldPoint centre = world_point(f.picture.view(), 6795 / 2.0, 6375 / 2.0);
  EXPECT_NEAR(centre.x, clicked.x, 1e-9);
  EXPECT_NEAR(centre.y, clicked.y, 1e-9);
  EXPECT_EQ(f.editor.bs_mode, 1);  // stays for the next click
  f.picture.enter_zoom_out_mode();
  f.picture.mouse_pressed(4, 1000, 2000);
  EXPECT_NEAR(f.picture.view().scale, scale * 1.35 * 0.65, 1e-9);
  f.effects.buttons.clear();
  const ViewState before = f.picture.view();
  f.picture.mouse_pressed(2, 10, 10);
  EXPECT_EQ(f.editor.bs_mode, 0);
  EXPECT_FALSE(f.effects.zoom_pointer);
  EXPECT_EQ(f.effects.buttons, (std::vector<std::pair<int, bool>>{{8, false}, {9, false}, {10, false}}));
  EXPECT_EQ(f.picture.view().scale, before.scale);
}

TEST(SectionPicture, EmptySectionIgnoresClicksAndMovesButLeavesZoomByRightClick) {
  Fixture f(empty_project());
  f.picture.compute_section_extents();
  const double scale = f.picture.view().scale;
  f.picture.enter_zoom_in_mode();
  f.picture.mouse_pressed(1, 100, 100);
  EXPECT_EQ(f.picture.view().scale, scale);
  f.picture.mouse_moved(0, 100, 100);
  EXPECT_EQ(f.effects.readout, "");
  f.picture.mouse_pressed(2, 100, 100);
  EXPECT_EQ(f.editor.bs_mode, 0);
}

TEST(SectionPicture, ReadoutOfTheMousePosition) {
  Fixture f(load_sample("sample_block_quay"));
  f.picture.compute_section_extents();
  const ViewState& v = f.picture.view();
  f.picture.mouse_moved(0, (12.3 - v.left_x) * v.scale, (v.top_y + 3.4) * v.scale);
  EXPECT_EQ(f.effects.readout, "X:  12.30 Y:  -3.40");
}

TEST(SectionPicture, WholeViewMovesTheBarsBeforeTheRefit) {
  Fixture f(load_sample("sample_block_quay"));
  f.picture.compute_section_extents();
  const ViewState fitted = f.picture.view();
  f.picture.horizontal_bar_moved(1);
  f.picture.vertical_bar_moved(-1);
  f.picture.enter_zoom_in_mode();
  f.picture.mouse_pressed(1, 10, 10);
  f.effects.buttons.clear();
  f.picture.view_whole_section();
  EXPECT_EQ(f.effects.scrolls, (std::vector<std::pair<int, int>>{{1, 0}, {0, 0}}));
  EXPECT_EQ(f.picture.view().hscroll_last, 0);
  EXPECT_EQ(f.picture.view().vscroll_last, 0);
  EXPECT_EQ(f.editor.bs_mode, 0);
  EXPECT_DOUBLE_EQ(f.picture.view().scale, fitted.scale);
  EXPECT_DOUBLE_EQ(f.picture.view().left_x, fitted.left_x);
  EXPECT_DOUBLE_EQ(f.picture.view().top_y, fitted.top_y);
  EXPECT_EQ(f.effects.buttons, (std::vector<std::pair<int, bool>>{{8, false}}));
  EXPECT_FALSE(f.effects.zoom_pointer);
}

TEST(SectionPicture, ClicksGoToTheEditorOfThePageShown) {
  Fixture f(load_sample("sample_block_quay"));
  f.picture.compute_section_extents();
  std::vector<int> wall, soil;
  f.picture.wall_block_editor = [&](int b, double, double) { wall.push_back(b); };
  f.picture.improved_soil_editor = [&](int b, double, double) { soil.push_back(b); };
  f.pages.state.shown_page = 1;
  f.picture.mouse_pressed(1, 10, 10);
  f.pages.state.shown_page = 2;
  f.picture.mouse_pressed(2, 10, 10);
  f.pages.state.inner_tab[2] = 1;
  f.picture.mouse_pressed(1, 10, 10);  // not on its first inner tab
  EXPECT_EQ(wall, std::vector<int>{1});
  EXPECT_EQ(soil, std::vector<int>{2});
  // Page 6 on its soil-layer tab takes no clicks.
  f.pages.state.shown_page = 6;
  f.pages.state.inner_tab[6] = 1;
  f.picture.mouse_pressed(1, 10, 10);
  EXPECT_EQ(f.m->conditions.pressure_points[0].count, 2);
}

TEST(SectionPicture, CheckPointAfterACaissonInTheLastSlotIsDotted) {
  // The pen keeps the caisson's dotted style into the check point drawn right after it.
  Fixture f(load_sample("sample_caisson_quay"));
  f.picture.compute_section_extents();
  f.pages.state.shown_page = 6;
  model::WallBlock caisson = f.m->wall_blocks[0];
  f.m->wall_blocks[0] = f.m->wall_blocks[19];
  f.m->wall_blocks[19] = caisson;
  DisplayList first = f.picture.display_list();
  int dotted_boxes = 0;
  for (const DrawItem& i : first.items)
    if (i.kind == DrawItem::Rectangle && i.style == LineStyle::Dot) ++dotted_boxes;
  // The check point after the caisson is dotted; the level lines set solid; the action-point
  // boxes drawn after them are solid.
  EXPECT_EQ(dotted_boxes, 1);
  EXPECT_EQ(f.picture.pen().style, LineStyle::Solid);
}

}  // namespace
}  // namespace qvt::section
