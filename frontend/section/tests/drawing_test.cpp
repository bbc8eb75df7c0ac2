// Display lists of the section picture: block outlines by type, labels, highlight, level labels
// and the overlays of each page. The view of most cases is 100 units a metre from (0, 0), so
// world (x, y) draws at (100 x, -100 y).
#include "frontend/section/block_drawing.h"
#include "frontend/section/section_paint.h"
#include "frontend/section/tests/section_test_support.h"

#include <gtest/gtest.h>

namespace qvt::section {
namespace {

using model::UNSET_COORD;
using testing::empty_project;
using testing::load_sample;

ViewState unit_view() {
  ViewState v;
  v.scale = 100;
  v.pic_width = 6000;
  v.pic_height = 4000;
  return v;
}

struct Seg {
  int x1, y1, x2, y2;
  friend bool operator==(const Seg&, const Seg&) = default;
};

std::vector<Seg> lines_of(const DisplayList& d, size_t from = 0) {
  std::vector<Seg> out;
  for (size_t i = from; i < d.items.size(); ++i)
    if (d.items[i].kind == DrawItem::Line)
      out.push_back({d.items[i].x1, d.items[i].y1, d.items[i].x2, d.items[i].y2});
  return out;
}

std::vector<std::string> texts_of(const DisplayList& d) {
  std::vector<std::string> out;
  for (const DrawItem& i : d.items)
    if (i.kind == DrawItem::Text) out.push_back(i.text);
  return out;
}

// The items after the cross (2 lines) and the label (1 text).
std::vector<Seg> outline_of(const DisplayList& d) { return lines_of(d, 3); }

model::WallBlock& polygon_block(model::ProjectModel& m, int slot) {
  model::WallBlock& b = m.wall_blocks[slot];
  b.block_type = model::BLOCK_POLYGON;
  b.polygon.head.ref_x = 1;
  b.polygon.head.ref_y = 0;
  b.polygon.vertex_count = 4;
  const double xs[] = {0, 2, 2, 0}, ys[] = {0, 0, -1, -1};
  for (int j = 0; j < 4; ++j) b.polygon.vertex_x[j] = xs[j], b.polygon.vertex_y[j] = ys[j];
  return b;
}

TEST(WallBlockDrawing, PolygonSkipsUnsetVertices) {
  auto m = empty_project();
  model::WallBlock& b = polygon_block(*m, 0);
  b.polygon.vertex_y[2] = UNSET_COORD;
  DisplayList d;
  draw_wall_block(*m, unit_view(), 0, 0, d);
  // Cross at (100, 0), then the label, then 0 -> 1 -> 3 -> back to 0.
  ASSERT_EQ(d.items.size(), 6u);
  EXPECT_EQ(lines_of(d)[0], (Seg{85, 0, 115, 0}));
  EXPECT_EQ(lines_of(d)[1], (Seg{100, -15, 100, 15}));
  EXPECT_EQ(d.items[2].kind, DrawItem::Text);
  EXPECT_EQ(outline_of(d), (std::vector<Seg>{{100, 0, 300, 0}, {300, 0, 100, 100}, {100, 100, 100, 0}}));
  for (size_t i = 3; i < d.items.size(); ++i) {
    EXPECT_EQ(d.items[i].colour, kWhite);
    EXPECT_EQ(d.items[i].style, LineStyle::Solid);
  }
  // Unset vertices at the end: the closing line runs from the last set one.
  b.polygon.vertex_y[2] = -1;
  b.polygon.vertex_x[3] = UNSET_COORD;
  DisplayList tail;
  draw_wall_block(*m, unit_view(), 0, 0, tail);
  EXPECT_EQ(outline_of(tail), (std::vector<Seg>{{100, 0, 300, 0}, {300, 0, 300, 100}, {300, 100, 100, 0}}));
}

TEST(WallBlockDrawing, UnsetFirstVertexShowsCrossAndLabelOnly) {
  auto m = empty_project();
  polygon_block(*m, 0).polygon.vertex_x[0] = UNSET_COORD;
  DisplayList d;
  draw_wall_block(*m, unit_view(), 0, 0, d);
  EXPECT_EQ(d.items.size(), 3u);
  // A rectangle whose first corner is unset alike.
  model::WallBlock& r = m->wall_blocks[1];
  r.block_type = model::BLOCK_RECTANGLE;
  for (int j = 10; j <= 13; ++j) r.polygon.vertex_x[j] = j, r.polygon.vertex_y[j] = 0;
  r.polygon.vertex_y[10] = UNSET_COORD;
  DisplayList rect;
  draw_wall_block(*m, unit_view(), 1, 0, rect);
  EXPECT_EQ(rect.items.size(), 3u);
  // An empty slot draws nothing at all.
  DisplayList none;
  draw_wall_block(*m, unit_view(), 2, 0, none);
  EXPECT_TRUE(none.items.empty());
}

TEST(WallBlockDrawing, PolygonCountPastTheArrayEndsTheOutline) {
  auto m = empty_project();
  model::WallBlock& b = polygon_block(*m, 0);
  b.polygon.vertex_count = 500;
  for (int j = 4; j <= model::POLYGON_VERTICES; ++j) b.polygon.vertex_x[j] = UNSET_COORD;
  DisplayList d;
  draw_wall_block(*m, unit_view(), 0, 0, d);
  EXPECT_EQ(outline_of(d).size(), 3u);  // 0-1, 1-2, 2-3 and no closing line
}

// A caisson of two cells in the last slot: outer box of 4 points, 2 x 6 cell points, then six
// dotted pairs; the check point drawn next keeps the dotted style.
TEST(WallBlockDrawing, CaissonCellsThenDottedPairsAndTheDottedCheckPoint) {
  auto m = empty_project();
  model::WallBlock& b = m->wall_blocks[19];
  b.block_type = model::BLOCK_CAISSON;
  model::CaissonShape& c = b.caisson;
  c.flag_a = 2;
  c.outline_count = 4;
  c.tail = 4 + 12 * 2;
  for (int j = 0; j < c.tail; ++j) c.outline_x[j] = j, c.outline_y[j] = -1;
  m->conditions.body_reactions[0].check_x = 1;
  m->conditions.body_reactions[0].check_y = -2;
  PageState pages;
  EditorState editor;
  const ViewState v = unit_view();
  DisplayList d;
  paint_section({*m, v, editor, pages}, d);
  const auto all = lines_of(d);
  // 2 cross + 4 outline + 2 x 5 cells + 6 dotted + 6 level-label lines.
  std::vector<DrawItem> dotted;
  for (const DrawItem& i : d.items)
    if (i.style == LineStyle::Dot) dotted.push_back(i);
  ASSERT_GE(dotted.size(), 7u);
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(dotted[k].kind, DrawItem::Line);
    EXPECT_EQ(dotted[k].x1, 100 * (16 + 2 * k));
    EXPECT_EQ(dotted[k].x2, 100 * (17 + 2 * k));
    EXPECT_EQ(dotted[k].colour, kWhite);
  }
  EXPECT_EQ(dotted[6].kind, DrawItem::Rectangle);
  EXPECT_EQ(dotted[6].colour, kMagenta);
  EXPECT_EQ(dotted[6].x1, 75);
  EXPECT_EQ(dotted[6].y1, 175);
  EXPECT_EQ(dotted[6].x2, 125);
  EXPECT_EQ(dotted[6].y2, 225);
  // The cells are solid polylines of five segments: points 4..9 and 10..15.
  const auto cells = std::vector<Seg>(all.begin() + 6, all.begin() + 16);
  EXPECT_EQ(cells[0], (Seg{400, 100, 500, 100}));
  EXPECT_EQ(cells[4], (Seg{800, 100, 900, 100}));
  EXPECT_EQ(cells[5], (Seg{1000, 100, 1100, 100}));
  // The level-label lines set solid again.
  EXPECT_EQ(d.items.back().style, LineStyle::Solid);
  // A caisson with no cells and tail = outline_count shows its outer outline only.
  c.flag_a = 0;
  c.tail = 4;
  DisplayList bare;
  draw_wall_block(*m, v, 19, 0, bare);
  EXPECT_EQ(outline_of(bare).size(), 4u);
}

TEST(WallBlockDrawing, FootingCaissonTwoSegmentsPerCell) {
  auto m = empty_project();
  model::WallBlock& b = m->wall_blocks[0];
  b.block_type = model::BLOCK_FOOTING_CAISSON;
  model::CaissonShape& c = b.caisson;
  c.flag_a = 1;
  c.outline_count = 3;
  c.tail = 3 + 8;
  for (int j = 0; j < c.tail; ++j) c.outline_x[j] = j, c.outline_y[j] = 0;
  DisplayList d;
  draw_wall_block(*m, unit_view(), 0, 0, d);
  const auto o = outline_of(d);
  ASSERT_EQ(o.size(), 3u + 2 + 2);
  EXPECT_EQ(o[3], (Seg{300, 0, 400, 0}));
  EXPECT_EQ(o[4], (Seg{500, 0, 600, 0}));
  EXPECT_EQ(o[5], (Seg{700, 0, 800, 0}));
  EXPECT_EQ(d.items.back().style, LineStyle::Dot);
}

TEST(WallBlockDrawing, CounterfortInnerLines) {
  auto m = empty_project();
  model::WallBlock& b = m->wall_blocks[0];
  b.block_type = model::BLOCK_COUNTERFORT;
  model::CounterfortShape& c = b.counterfort;
  c.sub_type = 3;
  c.outline_count = 9;
  for (int j = 0; j < 15; ++j) c.outline_x[j] = j, c.outline_y[j] = 0;
  c.head.ref_x = 0;
  DisplayList d;
  draw_wall_block(*m, unit_view(), 0, 0, d);
  const auto o = outline_of(d);
  ASSERT_EQ(o.size(), 9u + 3 + 1 + 1);
  EXPECT_EQ(o[9], (Seg{300, 0, 900, 0}));
  EXPECT_EQ(o[10], (Seg{900, 0, 1000, 0}));
  EXPECT_EQ(o[11], (Seg{1000, 0, 700, 0}));
  EXPECT_EQ(o[12], (Seg{400, 0, 1000, 0}));
  EXPECT_EQ(o[13], (Seg{600, 0, 900, 0}));
  // Any other sub type: n, n+1, n+2, n+3 and n+4 to n+5.
  c.sub_type = 1;
  c.outline_count = 4;
  DisplayList other;
  draw_wall_block(*m, unit_view(), 0, 0, other);
  const auto p = outline_of(other);
  ASSERT_EQ(p.size(), 4u + 3 + 1);
  EXPECT_EQ(p[4], (Seg{400, 0, 500, 0}));
  EXPECT_EQ(p[6], (Seg{600, 0, 700, 0}));
  EXPECT_EQ(p[7], (Seg{800, 0, 900, 0}));
}

TEST(WallBlockDrawing, CountsPastTheArraysEndTheOutline) {
  auto m = empty_project();
  model::WallBlock& b = m->wall_blocks[0];
  b.block_type = model::BLOCK_COUNTERFORT;
  b.counterfort.sub_type = 3;
  b.counterfort.outline_count = 80;  // the outline holds points 0..74
  DisplayList d;
  draw_wall_block(*m, unit_view(), 0, 0, d);
  EXPECT_EQ(outline_of(d).size(), 74u);  // up to point 74, no closing line, no inner lines
  b.block_type = model::BLOCK_CAISSON;
  b.caisson.outline_count = 4;
  b.caisson.flag_a = 0;
  b.caisson.tail = 400;
  DisplayList c;
  draw_wall_block(*m, unit_view(), 0, 0, c);
  // 4 outline lines, then dotted pairs from point 4 up to (147, 148).
  EXPECT_EQ(outline_of(c).size(), 4u + 72);
}

TEST(WallBlockDrawing, MirroredLibraryBlockAtTheModelsPlacement) {
  auto m = empty_project();
  m->shape_library_count = 1;
  model::ShapeEntry& e = m->shape_library[0];
  e.values[0] = 50;  // not what the block is mirrored about
  e.point_count = 2;
  e.point_x[1] = 0, e.point_y[1] = 0;
  e.point_x[2] = 1, e.point_y[2] = -0.005;
  e.pair_count = 1;
  e.pair_first[1] = 1;
  e.pair_second[1] = 2;
  model::WallBlock& b = m->wall_blocks[0];
  b.block_type = model::BLOCK_LIBRARY;
  b.library.library_index = 0;
  b.library.mirrored = 1;
  b.library.head.ref_x = 2;
  b.library.values[1] = 4;  // the block's width: points reflect about ref_x + 4 / 2
  DisplayList d;
  draw_wall_block(*m, unit_view(), 0, 0, d);
  // Point 1 at 2 + 4 - 0 = 6, point 2 at 2 + 4 - 1 = 5, y -(-0.005) * 100 = 0.5 floored to 0.
  EXPECT_EQ(outline_of(d), (std::vector<Seg>{{600, 0, 500, 0}}));
  e.point_y[2] = 0.005;  // -0.5 floors to -1 (cut toward zero would give 0)
  DisplayList d2;
  draw_wall_block(*m, unit_view(), 0, 0, d2);
  EXPECT_EQ(outline_of(d2), (std::vector<Seg>{{600, 0, 500, -1}}));
  // An entry not in use draws no segments.
  b.library.library_index = 3;
  DisplayList d3;
  draw_wall_block(*m, unit_view(), 0, 0, d3);
  EXPECT_TRUE(outline_of(d3).empty());
}

TEST(WallBlockDrawing, LabelLettersColoursAndPosition) {
  EXPECT_EQ(block_label_text(0), "A");
  EXPECT_EQ(block_label_text(19), "T");
  EXPECT_EQ(block_label_text(26), "A");
  EXPECT_EQ(block_label_text(-1), "@");  // the remainder keeps the sign
  auto m = empty_project();
  model::WallBlock& b = polygon_block(*m, 0);
  b.polygon.head.label_x = 2, b.polygon.head.label_y = -0.5;
  m->block_label_numbers[0] = 19;
  DisplayList d;
  draw_wall_block(*m, unit_view(), 0, 0, d);
  EXPECT_EQ(d.items[2].text, "T");
  EXPECT_EQ(d.items[2].x1, 200 - 70);
  EXPECT_EQ(d.items[2].y1, 50 - 75);
  EXPECT_EQ(d.items[2].colour, kMagenta);
  b.block_type = model::BLOCK_SOIL_POLYGON;
  DisplayList soil;
  draw_wall_block(*m, unit_view(), 0, 0, soil);
  EXPECT_EQ(soil.items[2].colour, kGreen);
  DisplayList lit;
  draw_wall_block(*m, unit_view(), 0, 1, lit);
  for (const DrawItem& i : lit.items) EXPECT_EQ(i.colour, kYellow);
  EXPECT_EQ(lit.items.size(), soil.items.size());
}

TEST(LevelLabels, RwlTextsAndOffsets) {
  struct Case {
    double R;
    const char* text;
    int b;
  };
  const Case cases[] = {
      {0, "R.W.L.   0.000", 1180},    {0.6, "R.W.L.  +0.600", 1180},
      {-3.25, "R.W.L.  -3.250", 1180}, {10, "R.W.L. +10.000", 1210},
      {-50, "R.W.L. -50.000", 1210},   {100, "R.W.L.+100.000", 1240},
      {-150, "R.W.L.-150.000", 1240},
  };
  for (const Case& c : cases) {
    const LevelLabel l = rwl_label(c.R);
    EXPECT_EQ(l.text, c.text) << c.R;
    EXPECT_EQ(l.offset, c.b) << c.R;
    EXPECT_EQ(l.text.size(), 14u);
  }
}

TEST(LevelLabels, SampleRwlLineAndLabels) {
  // R.W.L. +0.6 on the block quay sample at its start-up fit: py = (5.8 - 0.6) * 188.164 =
  // 978.45 -> 978; c = 2034 (x of the leftmost content 0), b = 1180: the line runs from
  // c - b - 60 = 794 to c - 45 = 1989, the text at (c - b - 45, py - 170) = (809, 808).
  auto m = load_sample("sample_block_quay");
  ViewState v;
  v.pic_width = 6795, v.pic_height = 6375;
  compute_section_extents(v, *m);
  EditorState editor;
  PageState pages;
  DisplayList d;
  draw_level_labels({*m, v, editor, pages}, d);
  ASSERT_EQ(d.items.size(), 6u);
  EXPECT_EQ(d.items[0].text, "R.W.L.  +0.600");
  EXPECT_EQ(d.items[0].colour, kGreen);
  EXPECT_EQ(d.items[0].x1, 809);
  EXPECT_EQ(d.items[0].y1, 808);
  EXPECT_EQ(lines_of(d)[0], (Seg{794, 978, 1989, 978}));
  EXPECT_EQ(d.items[1].colour, kRed);
  EXPECT_EQ(d.items[2].text, "天端高 3.000");
  EXPECT_EQ(d.items[2].colour, kCyan);
  EXPECT_EQ(d.items[4].text, "下限高 -25.000");
  // Level labels keep the last fit's extent after the block has moved.
  m->wall_blocks[0].polygon.vertex_y[11] = 5;
  DisplayList again;
  draw_level_labels({*m, v, editor, pages}, again);
  EXPECT_EQ(again.items[2].text, "天端高 3.000");
  // Nothing without blocks, the check point neither.
  auto empty = empty_project();
  DisplayList none;
  paint_section({*empty, v, editor, pages}, none);
  EXPECT_TRUE(none.items.empty());
}

// Which overlays each page shows on the block quay sample (2 passive and 3 active points).
TEST(Overlays, ByPageAndInnerTab) {
  auto m = load_sample("sample_block_quay");
  m->conditions.dimension_points[0].count = 1;
  m->conditions.dimension_points[0].x[0] = 6;
  m->conditions.dimension_points[0].y[0] = 3;
  ViewState v;
  v.pic_width = 6795, v.pic_height = 6375;
  compute_section_extents(v, *m);
  EditorState editor;
  editor.current_block_slot = 0;
  editor.current_side = 1;
  editor.current_point_index = 1;
  PageState pages;
  pages.surface_point_row_count = 2;
  pages.surface_point_rows[0] = {-5, 3};
  pages.surface_point_rows[1] = {0, 3};

  auto count = [&](auto pred) {
    DisplayList d;
    paint_section({*m, v, editor, pages}, d);
    int n = 0;
    for (const DrawItem& i : d.items) n += pred(i) ? 1 : 0;
    return n;
  };
  auto yellow = [](const DrawItem& i) { return i.colour == kYellow; };
  auto blue = [](const DrawItem& i) { return i.colour == kBlue; };
  auto cyan_boxes = [](const DrawItem& i) { return i.kind == DrawItem::Rectangle && i.colour == kCyan; };
  auto cyan_lines = [](const DrawItem& i) { return i.kind == DrawItem::Line && i.colour == kCyan; };
  auto green_lines = [](const DrawItem& i) { return i.kind == DrawItem::Line && i.colour == kGreen; };
  auto green_texts = [](const DrawItem& i) { return i.kind == DrawItem::Text && i.colour == kGreen; };

  struct Case {
    int page, inner_tab;
    BlockEditStep step;
    bool arbitrary;
    int yellow, blue, cyan_boxes, cyan_lines, green_lines, green_texts;
  };
  using S = BlockEditStep;
  // Green texts: the R.W.L. label, the body's label, and the ground-surface numbers on page 3.
  const Case cases[] = {
      {0, 0, S::select, false, 0, 0, 0, 0, 0, 2},
      {1, 0, S::select, false, 7, 0, 0, 0, 0, 2},      // highlight: cross 2, label, 4 lines
      {2, 0, S::base_point, false, 7, 3, 0, 0, 0, 2},  // highlight and the base point's three strokes
      {2, 0, S::edit, false, 0, 0, 0, 0, 0, 2},
      {6, 0, S::select, false, 0, 0, 5, 0, 0, 2},      // both sides' boxes
      {6, 1, S::edit, false, 0, 0, 5, 1, 0, 2},        // and the span of active layer 1
      {3, 0, S::idle, true, 0, 0, 0, 0, 1, 4},         // the ground surface with its numbers
      {4, 0, S::idle, true, 0, 0, 0, 0, 1, 2},         // without numbers on other pages
      {5, 0, S::idle, false, 0, 0, 0, 3, 0, 2},        // the upper dimension point's bar marker
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page * 10 + c.inner_tab);
    pages.shown_page = c.page;
    pages.inner_tab[c.page] = c.inner_tab;
    pages.arbitrary_surface = c.arbitrary;
    editor.block_step = c.step;
    EXPECT_EQ(count(yellow), c.yellow);
    EXPECT_EQ(count(blue), c.blue);
    EXPECT_EQ(count(cyan_boxes), c.cyan_boxes);
    EXPECT_EQ(count(cyan_lines), c.cyan_lines);
    EXPECT_EQ(count(green_lines), c.green_lines);
    EXPECT_EQ(count(green_texts), c.green_texts);
  }
}

TEST(Overlays, SoilLayerSpanNeedsItsLowerPoint) {
  auto m = load_sample("sample_block_quay");
  ViewState v = unit_view();
  EditorState editor;
  editor.current_side = 0;  // two passive points: one layer span, index 0
  PageState pages;
  auto spans = [&](int i) {
    DisplayList d;
    draw_soil_layer_span({*m, v, editor, pages}, i, d);
    return d.items.size();
  };
  EXPECT_EQ(spans(0), 1u);
  EXPECT_EQ(spans(1), 0u);
  EXPECT_EQ(spans(-1), 0u);
}

TEST(Overlays, PressureAndDimensionNumbers) {
  auto m = empty_project();
  auto& p = m->conditions.pressure_points[0];
  p.count = 2;
  p.x[0] = UNSET_COORD;
  p.x[1] = 1, p.y[1] = -1;
  auto& d = m->conditions.dimension_points[1];
  d.count = 10;
  for (int j = 0; j < 10; ++j) d.x[j] = j, d.y[j] = 0;
  ViewState v = unit_view();
  EditorState editor;
  PageState pages;
  DisplayList a;
  draw_pressure_points({*m, v, editor, pages}, a);
  // The unset point is skipped but counts: the other is number 2.
  ASSERT_EQ(a.items.size(), 2u);
  EXPECT_EQ(a.items[1].text, "2");
  EXPECT_EQ(a.items[1].x1, 200);
  EXPECT_EQ(a.items[1].y1, 25);
  DisplayList b;
  draw_dimension_points({*m, v, editor, pages}, b);
  const auto t = texts_of(b);
  ASSERT_EQ(t.size(), 10u);
  EXPECT_EQ(t[0], " 1");
  EXPECT_EQ(t[9], " 10");
  EXPECT_EQ(b.items[3].x1, -190);
  EXPECT_EQ(b.items.back().x1, 900 - 290);
  EXPECT_EQ(b.items.back().colour, kGreen);
}

}  // namespace
}  // namespace qvt::section
