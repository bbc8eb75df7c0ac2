#include "frontend/model/soil_layers.h"

#include "frontend/model/block_geometry.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

namespace qvt::model {
namespace {

using testing::Recorder;

LayerCorners corners(double b, double sea_top, double land_top, double land_bottom,
                     double sea_bottom) {
  return {OutlinePoint{0, sea_top}, OutlinePoint{b, land_top}, OutlinePoint{b, land_bottom},
          OutlinePoint{0, sea_bottom}};
}

TEST(SoilLayers, FrameFromTheBoxTexts) {
  const LayerFrame f = layer_frame_from_texts({"1.5", " -25.000", "20m", "abc", "-24.5e0"});
  EXPECT_EQ(f.x, 1.5);
  EXPECT_EQ(f.y, -25);
  EXPECT_EQ(f.b, 20);
  EXPECT_EQ(f.dh1, 0);
  EXPECT_EQ(f.dh2, -24.5);
}

TEST(SoilLayers, SlopedLayerKeepsElevationsRelativeToTheReferencePoint) {
  auto m = testing::new_project();
  Recorder rec;
  const LayerFrame frame{2, -25, 20, -30, -31};
  store_layer_outline(*m, 4, corners(20, -10, -12, -31, -30), frame, rec);
  const WallBlock& b = m->wall_blocks[4];
  EXPECT_EQ(b.block_type, BLOCK_SOIL_POLYGON);
  EXPECT_EQ(b.polygon.vertex_count, 4);
  EXPECT_EQ(b.polygon.head.ref_x, 2);
  EXPECT_EQ(b.polygon.head.ref_y, -25);
  EXPECT_EQ(b.polygon.vertex_y[0], 15);  // -10 - (-25)
  EXPECT_EQ(b.polygon.vertex_x[1], 20);
  EXPECT_EQ(b.polygon.vertex_y[2], -6);
  const LayerLevels lv = layer_levels(b);
  EXPECT_EQ(lv.sea_top, -10);
  EXPECT_EQ(lv.land_top, -12);
  EXPECT_EQ(lv.land_bottom, -31);
  EXPECT_EQ(lv.sea_bottom, -30);
  double x = 0, y = 0;
  ASSERT_TRUE(get_block_vertex(*m, 4, 1, x, y));
  EXPECT_EQ(x, 22);
  EXPECT_EQ(y, -12);
  EXPECT_TRUE(rec.messages.empty());
}

TEST(SoilLayers, RestackFollowsTheBodyBoxes) {
  auto m = testing::new_project();
  Recorder rec;
  EXPECT_FALSE(restack_improved_blocks(*m, {}, rec).has_value());
  const LayerFrame old_frame{0, 0, 20, -25, -25};
  store_layer_outline(*m, 0, corners(20, -10, -10, -25, -25), old_frame, rec);
  store_layer_outline(*m, 1, corners(20, -15, -17, -25, -25), old_frame, rec);
  m->wall_blocks[2].block_type = BLOCK_RECTANGLE;  // no layer: left alone
  m->wall_blocks[2].polygon.head.ref_x = 99;
  // The body moved to X 5 and widened to 30; Y is now -25.
  const LayerFrame frame{5, -25, 30, -25, -25};
  const std::optional<LayerCorners> last = restack_improved_blocks(*m, frame, rec);
  ASSERT_TRUE(last.has_value());
  EXPECT_EQ((*last)[1].x, 30);
  EXPECT_EQ((*last)[2].y, -17);
  EXPECT_EQ(m->wall_blocks[2].polygon.head.ref_x, 99);
  const double expected[2][4][2] = {{{5, -10}, {35, -10}, {35, -17}, {5, -15}},
                                    {{5, -15}, {35, -17}, {35, -25}, {5, -25}}};
  for (int slot = 0; slot < 2; ++slot) {
    EXPECT_EQ(m->wall_blocks[slot].block_type, BLOCK_SOIL_POLYGON);
    EXPECT_EQ(m->wall_blocks[slot].polygon.head.ref_y, -25);
    for (int j = 0; j < 4; ++j) {
      double x = 0, y = 0;
      ASSERT_TRUE(get_block_vertex(*m, slot, j, x, y));
      EXPECT_EQ(x, expected[slot][j][0]) << slot << " " << j;
      EXPECT_EQ(y, expected[slot][j][1]) << slot << " " << j;
    }
  }
  EXPECT_TRUE(rec.messages.empty());
}

}  // namespace
}  // namespace qvt::model
