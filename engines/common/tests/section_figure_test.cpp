// The section figures' page layout, mapping, small drawing routines and block outlines, as page
// coordinates worked by hand. The fixture state maps a world point (x, y) to
// page (3000 - 100 y, 5000 - 100 x).
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/section_figure.h"
#include "engines/common/tests/block_fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace qvt::engine {
namespace {

using testing::empty_blocks;
using testing::put_polygon;
using testing::put_rectangle;

SectionFigureState fixture_state() {
  SectionFigureState st;
  st.min_x = 0;
  st.min_y = 0;
  st.origin_x = 3000;
  st.origin_y = 5000;
  st.scale = 100;
  st.char_large = 70;
  st.char_small = 50;
  return st;
}

std::vector<std::string> drawn(const std::function<void(FigureFile&)>& draw) {
  qvt::testing::TempDir dir;
  FigureFile f;
  EXPECT_TRUE(f.open(dir / "F.PZK", {}));
  draw(f);
  EXPECT_TRUE(f.close({}));
  return split_lines(read_file_bytes(dir / "F.PZK").value_or(""));
}

std::vector<std::string> outlines(const ConditionData& d) {
  const SectionFigureState st = fixture_state();
  return drawn([&](FigureFile& f) { draw_block_outlines(f, d, st); });
}

int count_prefix(const std::vector<std::string>& lines, const std::string& prefix) {
  int n = 0;
  for (const auto& l : lines) n += l.rfind(prefix, 0) == 0;
  return n;
}

TEST(SectionFigureTest, HeadIsTheFixedFrameAndTitle) {
  const auto lines = drawn([](FigureFile& f) { write_section_figure_head(f, "M_X.PZK", "TT"); });
  const std::vector<std::string> want = {
      "M_X.PZK",
      "46  65",
      "L  100  300 4000  300 0 3",
      "L 4000  300 4000 6200 0 3",
      "L 4000 6200  100 6200 0 3",
      "L  100 6200  100  300 0 3",
      "L  400  300  400 6200 0 3",
      "K  325 6000  150  150   90 2",
      "TT"};
  EXPECT_EQ(lines, want);
}

TEST(SectionFigureTest, MappingTurnsTheSectionAndTruncatesTowardZero) {
  const SectionFigureState st = fixture_state();
  EXPECT_EQ(section_page_x(st, 2.0), 2800);   // higher levels toward smaller page x
  EXPECT_EQ(section_page_y(st, 5.0), 4500);   // the land side toward smaller page y
  // Just below min_y and left of min_x: -0.99 truncates to 0, where rounding down would
  // give one unit beyond the origin.
  EXPECT_EQ(section_page_x(st, -0.0099), 3000);
  EXPECT_EQ(section_page_y(st, -0.0099), 5000);
  EXPECT_EQ(section_page_x(st, -0.0199), 3001);
}

TEST(SectionFigureTest, LineNumberAndWaterMarkForms) {
  const SectionFigureState st = fixture_state();
  const auto lines = drawn([&](FigureFile& f) {
    draw_section_line(f, st, 1, 2, 5, 2, 2);
    draw_numbered_circle(f, st, 1, 2, 12, false);
    draw_numbered_circle(f, st, 1, 2, 7, true);
    draw_water_mark(f, 1000, 2000);
  });
  const std::vector<std::string> want = {
      "L 2800 4900 2800 4500 2 1",
      "A 2800 4900   37 1", "K 2825 4925   50   50   90 2", "12",
      "K 2825 4912   50   50   90 2", "7",
      "L 1000 2000  950 2025 0 2", "L  950 2025  950 1975 0 2", "L  950 1975 1000 2000 0 2",
      "L 1010 2075 1010 1925 0 2", "L 1020 2050 1020 1950 0 2", "L 1030 2025 1030 1975 0 2"};
  EXPECT_EQ(lines, want);
}

TEST(SectionFigureTest, LevelRangeOfTheBlocks) {
  auto d = empty_blocks();
  SectionFigureState st;
  find_block_level_range(*d, st);
  EXPECT_EQ(st.block_top_level, -999.999);
  EXPECT_EQ(st.block_bottom_level, 999.999);

  put_rectangle(*d, 0, 0, -10, 10, 10, BLOCK_SOIL_RECTANGLE);
  WallBlock& c = d->wall_blocks[1];
  c.block_type = BLOCK_CAISSON;
  c.caisson.outline_count = 3;
  const float ys[3] = {0.0f, 2.3499999f, 0.0f};
  for (int j = 0; j < 3; ++j) c.caisson.outline_y[j] = ys[j];
  d->wall_blocks[2].block_type = 9;  // no vertices
  find_block_level_range(*d, st);
  EXPECT_EQ(st.block_top_level, 2.35);  // the single-precision value rounded to 0.001
  EXPECT_EQ(st.block_bottom_level, -10.0);
}

TEST(SectionFigureTest, ExtentsTakeBlocksCornersOfLibraryBlocksAndWaterLevels) {
  auto d = empty_blocks();
  put_rectangle(*d, 0, 0, -20, 20, 20, BLOCK_SOIL_RECTANGLE);
  WallBlock& lib = d->wall_blocks[1];
  lib.block_type = BLOCK_LIBRARY;
  const double cx[4] = {1, 1, 3, 3}, cy[4] = {0, 2, 2, 0};
  for (int j = 0; j < 4; ++j) {
    lib.library.corner_x[j] = cx[j];
    lib.library.corner_y[j] = cy[j];
  }
  d->shape_library[0].point_count = 1;
  d->shape_library[0].point_x[1] = 50;  // a library point beyond the corners plays no part
  d->water_levels[0] = 3.5;
  SectionFigureState st;
  section_block_extents(*d, st);
  EXPECT_EQ(st.min_x, 0);
  EXPECT_EQ(st.max_x, 20);
  EXPECT_EQ(st.min_y, -20);
  EXPECT_EQ(st.max_y, 3.5);

  auto none = empty_blocks();
  section_block_extents(*none, st);
  EXPECT_EQ(st.min_x, 9999.9);
  EXPECT_EQ(st.max_x, -9999.9);
}

TEST(SectionFigureTest, PolygonOutlineIsClosedAndLabelled) {
  auto d = empty_blocks();
  put_polygon(*d, 0, 1, 2, {{0, 0}, {4, 0}, {0, 3}});
  d->wall_blocks[0].head.label_x = 2;
  d->wall_blocks[0].head.label_y = 3;
  d->block_label_numbers[0] = 27;
  const std::vector<std::string> want = {"L 2800 4900 2800 4500 0 3", "L 2800 4500 2500 4900 0 3",
                                         "L 2500 4900 2800 4900 0 3",
                                         "K 2735 4817   70   70   90 2", "B"};
  EXPECT_EQ(outlines(*d), want);
}

TEST(SectionFigureTest, RectangleQuadAndLayerBlocksGiveTheirCornersInPageUnits) {
  // The box x 0 .. 2, levels 0 .. 1 stored by each type its own way.
  const std::vector<std::string> box = {"L 3000 5000 2900 5000 0 3", "L 2900 5000 2900 4800 0 3",
                                        "L 2900 4800 3000 4800 0 3", "L 3000 4800 3000 5000 0 3"};
  for (i16 type : {BLOCK_RECTANGLE, BLOCK_SOIL_RECTANGLE, BLOCK_QUAD, BLOCK_SOIL_POLYGON}) {
    auto d = empty_blocks();
    if (type == BLOCK_RECTANGLE || type == BLOCK_SOIL_RECTANGLE) {
      put_rectangle(*d, 3, 0, 0, 2, 1, type);
    } else if (type == BLOCK_SOIL_POLYGON) {
      put_polygon(*d, 3, 0.5, 0, {{-0.5, 0}, {-0.5, 1}, {1.5, 1}, {1.5, 0}}, type);
    } else {
      WallBlock& q = d->wall_blocks[3];
      q.block_type = type;
      const double cx[4] = {0, 0, 2, 2}, cy[4] = {0, 1, 1, 0};
      for (int j = 0; j < 4; ++j) {
        q.quad.corner_x[j] = cx[j];
        q.quad.corner_y[j] = cy[j];
      }
    }
    auto lines = outlines(*d);
    ASSERT_EQ(lines.size(), 6u) << type;
    lines.resize(4);
    EXPECT_EQ(lines, box) << type;
  }
}

TEST(SectionFigureTest, LabelLetters) {
  EXPECT_EQ(block_label_letter(0), 'A');
  EXPECT_EQ(block_label_letter(25), 'Z');
  EXPECT_EQ(block_label_letter(26), 'A');
  EXPECT_EQ(block_label_letter(27), 'B');
  EXPECT_EQ(block_label_letter(-1), 'Z');
}

TEST(SectionFigureTest, CaissonGroupsAndAuxiliaryPairs) {
  auto d = empty_blocks();
  WallBlock& c = d->wall_blocks[0];
  c.block_type = BLOCK_CAISSON;
  c.caisson.outline_count = 20;
  c.caisson.flag_a = 2;
  c.caisson.tail = 36;
  // Point j at (0.25 j, 1): page (2900, 5000 - 25 j).
  for (int j = 0; j < 40; ++j) {
    c.caisson.outline_x[j] = 0.25f * static_cast<float>(j);
    c.caisson.outline_y[j] = 1.0f;
  }
  const auto lines = outlines(*d);
  ASSERT_EQ(lines.size(), 34u);  // 20 outline, 10 group, 2 auxiliary lines, label
  EXPECT_EQ(lines[19], "L 2900 4525 2900 5000 0 3");  // point 19 back to point 0
  EXPECT_EQ(lines[20], "L 2900 4500 2900 4475 0 3");  // group 0: points 20-21
  EXPECT_EQ(lines[29], "L 2900 4250 2900 4225 0 3");  // group 1: points 30-31
  EXPECT_EQ(lines[30], "L 2900 4200 2900 4175 1 3");  // points 32-33
  EXPECT_EQ(lines[31], "L 2900 4150 2900 4125 1 3");  // points 34-35

  c.block_type = BLOCK_FOOTING_CAISSON;
  c.caisson.flag_a = 1;
  c.caisson.tail = 26;
  const auto footing = outlines(*d);
  ASSERT_EQ(footing.size(), 25u);  // 20 outline, 2 group lines, 1 auxiliary line, label
  EXPECT_EQ(footing[20], "L 2900 4500 2900 4475 0 3");  // 20-21
  EXPECT_EQ(footing[21], "L 2900 4450 2900 4425 0 3");  // 22-23
  EXPECT_EQ(footing[22], "L 2900 4400 2900 4375 1 3");  // 24-25
}

TEST(SectionFigureTest, CountsFromTheBlockFileNeverLeadOutsideTheStores) {
  auto d = empty_blocks();
  WallBlock& c = d->wall_blocks[0];
  c.block_type = BLOCK_CAISSON;
  c.caisson.outline_count = 20;
  c.caisson.flag_a = 1000;
  c.caisson.tail = 30000;
  // 21 whole groups of six fit behind the outline in the store of 148 points.
  EXPECT_EQ(count_prefix(outlines(*d), "L "), 20 + 21 * 5);

  WallBlock& k = d->wall_blocks[0];
  k = WallBlock{};
  k.block_type = BLOCK_COUNTERFORT;
  k.counterfort.outline_count = COUNTERFORT_OUTLINE_POINTS - 2;  // 72: only P72-P73 exists
  EXPECT_EQ(count_prefix(outlines(*d), "L "), 72 + 1);

  k = WallBlock{};
  k.block_type = BLOCK_LIBRARY;
  k.library.library_index = 0;
  d->shape_library[0].point_count = 2;
  d->shape_library[0].pair_count = 3;
  const int firsts[4] = {0, 1, 0, 2}, seconds[4] = {0, 2, 1, 400};  // pairs 2 and 3 are bad
  for (int p = 0; p < 4; ++p) {
    d->shape_library[0].pair_first[p] = firsts[p];
    d->shape_library[0].pair_second[p] = seconds[p];
  }
  EXPECT_EQ(count_prefix(outlines(*d), "L "), 1);
  k.library.library_index = -3;
  EXPECT_EQ(count_prefix(outlines(*d), "L "), 0);
}

TEST(SectionFigureTest, CounterfortLinesBySubType) {
  auto d = empty_blocks();
  WallBlock& k = d->wall_blocks[0];
  k.block_type = BLOCK_COUNTERFORT;
  k.sub_type = 3;
  k.counterfort.outline_count = 12;
  for (int j = 0; j < 20; ++j) {
    k.counterfort.outline_x[j] = j;
    k.counterfort.outline_y[j] = 0;
  }
  auto lines = outlines(*d);
  ASSERT_EQ(lines.size(), 12u + 5u + 2u);
  EXPECT_EQ(lines[12], "L 3000 4700 3000 4100 0 3");  // P3-P9
  EXPECT_EQ(lines[16], "L 3000 4400 3000 4100 0 3");  // P6-P9

  k.sub_type = 0;
  k.counterfort.outline_count = 8;
  lines = outlines(*d);
  ASSERT_EQ(lines.size(), 8u + 4u + 2u);
  EXPECT_EQ(lines[8], "L 3000 4200 3000 4100 0 3");   // P8-P9
  EXPECT_EQ(lines[11], "L 3000 3800 3000 3700 0 3");  // P12-P13
}

TEST(SectionFigureTest, MirroredLibraryBlockAndLabelOnlyTypes) {
  auto d = empty_blocks();
  WallBlock& b = d->wall_blocks[0];
  b.block_type = BLOCK_LIBRARY;
  b.head.ref_x = 10;
  b.library.library_index = 1;
  b.library.mirrored = 1;
  ShapeEntry& e = d->shape_library[1];
  e.values[0] = 4;
  e.point_count = 3;
  const double px[4] = {0, 0, 1, 1}, py[4] = {0, 0, 0, 2};
  for (int i = 0; i < 4; ++i) {
    e.point_x[i] = px[i];
    e.point_y[i] = py[i];
  }
  e.pair_count = 2;
  e.pair_first[1] = 1;
  e.pair_second[1] = 2;
  e.pair_first[2] = 2;
  e.pair_second[2] = 3;
  d->wall_blocks[1].block_type = 9;
  d->block_label_numbers[1] = 1;
  const std::vector<std::string> want = {
      "L 3000 3600 3000 3700 0 3", "L 3000 3700 2800 3700 0 3",  // (14,0)-(13,0)-(13,2)
      "K 3035 5017   70   70   90 2", "A",
      "K 3035 5017   70   70   90 2", "B"};  // type 9: the label alone
  EXPECT_EQ(outlines(*d), want);

  e.pair_count = 0;
  EXPECT_EQ(count_prefix(outlines(*d), "L "), 0);
}

TEST(SectionFigureTest, ShortWallBoundaryAtTheFirstLayerBlockOfWallAndLatticePatterns) {
  struct Case {
    int pattern;
    std::vector<std::string> boundary;
  };
  const Case cases[] = {
      {PATTERN_WALL,
       {"L 3000 4800 3000 4300 1 3", "L 3000 4300 3400 4300 1 3", "L 3400 4800 3400 4300 1 3",
        "L 3000 4800 3400 4800 1 3"}},
      {PATTERN_LATTICE,
       {"L 3000 4800 3000 4300 1 3", "L 3400 4300 3900 4300 1 3", "L 3400 4800 3400 4300 1 3",
        "L 3400 4800 3900 4800 1 3"}},
      {PATTERN_BLOCK, {}},
      {PATTERN_TANGENT_CIRCLES, {}},
  };
  for (const Case& c : cases) {
    auto d = empty_blocks();
    d->improvement_pattern = c.pattern;
    d->body_dims.bl1 = 2;
    d->body_dims.bl2 = 3;
    d->body_dims.ds = 4;
    d->body_dims.dl = 5;
    put_rectangle(*d, 0, 0, -10, 10, 10, BLOCK_SOIL_RECTANGLE);
    put_rectangle(*d, 1, 0, -20, 10, 10, BLOCK_SOIL_RECTANGLE);
    const auto lines = outlines(*d);
    std::vector<std::string> dashed;
    for (const auto& l : lines)
      if (l.size() > 3 && l.substr(l.size() - 3) == "1 3") dashed.push_back(l);
    EXPECT_EQ(dashed, c.boundary) << "pattern " << c.pattern;
    // Drawn right after the first block's outline, before its label.
    if (!c.boundary.empty()) {
      EXPECT_EQ(lines[4], c.boundary[0]);
    }
    EXPECT_EQ(count_prefix(lines, "L "), 8 + static_cast<int>(c.boundary.size()));
  }
}

}  // namespace
}  // namespace qvt::engine
