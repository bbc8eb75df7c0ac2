// Extents, scale and origin of the block figures, worked by hand.
#include "engines/common/tests/block_fixtures.h"
#include "common/cp932.h"
#include "engines/oskavel/oskavel.h"

#include <gtest/gtest.h>

namespace qvt::oskavel {
namespace {

using engine::SectionFigureState;
using engine::testing::empty_blocks;
using engine::testing::put_rectangle;

SectionFigureState scaled(double width, double height) {
  auto d = empty_blocks();
  put_rectangle(*d, 0, 0, -height, width, height, engine::BLOCK_SOIL_RECTANGLE);
  for (double& w : d->water_levels) w = -1;  // inside the block
  SectionFigureState st;
  section_extents(*d, st);
  EXPECT_TRUE(section_scale(st));
  return st;
}

TEST(BlockFiguresTest, WideSectionFillsTheWidthAndIsCentredAlongPageY) {
  // kx = 4000 / 20 = 200, ky = 2600 / 10 = 260: the width decides. d = 35 * 16 + 150 = 710;
  // margin = (5700 - 4000 - 710) / 2 = 495; origin_y = 6100 - 495 - 710 = 4895.
  const SectionFigureState st = scaled(20, 10);
  EXPECT_EQ(st.scale, 200);
  EXPECT_EQ(st.origin_x, 3600);
  EXPECT_EQ(st.origin_y, 4895);
  EXPECT_EQ(engine::section_page_y(st, st.min_x), 4895);
  EXPECT_EQ(engine::section_page_y(st, st.max_x), 895);
  EXPECT_EQ(engine::section_page_x(st, st.min_y), 3600);
  EXPECT_EQ(engine::section_page_x(st, st.max_y), 1600);
}

TEST(BlockFiguresTest, TallSectionIsScaledByItsHeight) {
  // kx = 400, ky = 200; margin = (5700 - 2000 - 710) / 2 = 1495; origin_y = 3895.
  const SectionFigureState st = scaled(10, 13);
  EXPECT_EQ(st.scale, 200);
  EXPECT_EQ(st.origin_y, 3895);
}

TEST(BlockFiguresTest, WaterLevelAboveTheBlocksRaisesTheTopOnly) {
  auto d = empty_blocks();
  put_rectangle(*d, 0, 0, -10, 20, 10, engine::BLOCK_SOIL_RECTANGLE);
  d->water_levels[0] = 3;
  SectionFigureState st;
  section_extents(*d, st);
  EXPECT_EQ(st.max_y, 3);
  EXPECT_EQ(st.min_y, -10);
  EXPECT_EQ(st.min_x, 0);
  EXPECT_EQ(st.max_x, 20);
}

TEST(BlockFiguresTest, NothingToDrawHasNoScale) {
  auto d = empty_blocks();
  SectionFigureState st;
  section_extents(*d, st);  // water levels alone: no width
  EXPECT_FALSE(section_scale(st));
  put_rectangle(*d, 0, 0, 0, 10, 0, engine::BLOCK_RECTANGLE);  // a flat block, levels all 0
  section_extents(*d, st);
  EXPECT_FALSE(section_scale(st));
}

TEST(BlockFiguresTest, FigureNamesAndTitles) {
  EXPECT_STREQ(figure_file_name(BLOCK_DIVISION), "M_BLKDV.PZK");
  EXPECT_STREQ(figure_file_name(BUOYANCY_DIVISION), "M_FRKDV.PZK");
  EXPECT_STREQ(figure_file_name(SHEAR_NORMAL), "M_SEN1DV.PZK");
  EXPECT_STREQ(figure_file_name(SHEAR_SEISMIC), "M_SEN2DV.PZK");
  EXPECT_EQ(figure_title(SHEAR_SEISMIC),
            utf8_to_cp932_lossy("《 せ ん 断 の 検 討 (地 震 時)  分 割 図 》"));
}

}  // namespace
}  // namespace qvt::oskavel
