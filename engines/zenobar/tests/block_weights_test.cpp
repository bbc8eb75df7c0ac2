#include "engines/zenobar/zenobar.h"

#include "engines/zenobar/tests/zen_fixture.h"

#include <limits>

namespace qvt::zenobar {
namespace {

class MainFlowTest : public testing::ZenTest {};

TEST_F(MainFlowTest, ShortWallBottomFromTheHighestTypeSevenBlock) {
  // ds = 2. Slot 1: bottom -20, height 10 (top -10); slot 3: bottom -10, height 6 (top -4);
  // slot 5: bottom -10 again, height 8: the first of the equal bottoms (slot 3) decides:
  // -10 + 6 - 2 = -6.
  cd().body_dims.ds = 2;
  set_rect(1, 7, 0, "a", 0, -20, 10, 10, 18, 8, 18);
  set_rect(3, 7, 1, "b", 0, -10, 10, 6, 18, 8, 18);
  set_rect(5, 7, 2, "c", 0, -10, 10, 8, 18, 8, 18);
  set_rect(6, 1, 3, "d", 0, 5, 10, 8, 18, 8, 18);  // not type 7: ignored
  compute_short_wall_bottom();
  EXPECT_DOUBLE_EQ(run_data.short_wall_bottom_level, -6.0);
}

TEST_F(MainFlowTest, ShortWallBottomStaysWithoutTypeSevenBlocks) {
  set_rect(0, 1, 0, "a", 0, 0, 1, 1, 18, 8, 18);
  compute_short_wall_bottom();
  EXPECT_EQ(run_data.short_wall_bottom_level, 0.0);
}

TEST_F(MainFlowTest, InputsThatAreNotNumbersAreRefused) {
  set_rect(0, 7, 0, "a", 0, -10, 10, 10, 18, 8, 18);
  EXPECT_TRUE(check_block_weight_inputs().ok());
  cd().wall_blocks[0].head.unit_weights[2] = std::numeric_limits<double>::quiet_NaN();
  const engine::Status s = check_block_weight_inputs();
  ASSERT_FALSE(s.ok());
  EXPECT_NE(cp932_to_utf8_lossy(s.stop().messages.at(0).text).find("ブロック1"),
            std::string::npos);
  cd().wall_blocks[0].head.unit_weights[2] = 18;
  cd().water_levels[2] = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(check_block_weight_inputs().ok());
}

TEST_F(MainFlowTest, CaissonsAndCounterfortsNeedAPositiveLength) {
  set_rect(0, 7, 0, "a", 0, -10, 10, 10, 18, 8, 18);
  for (int type : {2, 3, 5}) {
    auto& b = cd().wall_blocks[1];
    b.block_type = static_cast<engine::i16>(type);
    b.head.name.assign("K");
    b.caisson.dims_a[2][0] = type == 5 ? 3.0 : 0.0;
    b.counterfort.dims_a[2][0] = type == 5 ? 0.0 : 3.0;
    const engine::Status s = check_block_weight_inputs();
    ASSERT_FALSE(s.ok()) << type;
    EXPECT_NE(cp932_to_utf8_lossy(s.stop().messages.at(0).text).find("《K》"), std::string::npos);
    b.caisson.dims_a[2][0] = 3.0;
    b.counterfort.dims_a[2][0] = 3.0;
    EXPECT_TRUE(check_block_weight_inputs().ok()) << type;
  }
}

}  // namespace
}  // namespace qvt::zenobar
