#include "engines/zenobar/result_chain.h"

#include "common/cp932.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace qvt::zenobar {
namespace {

double f64_at(const std::string& bytes, std::size_t offset) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i)
    bits = (bits << 8) | static_cast<unsigned char>(bytes.at(offset + i));
  return std::bit_cast<double>(bits);
}

TEST(ResultChainBase, SizeAndOffsetsOfEveryRecord) {
  BlockWeightData d;
  d.weight_totals.vertical_load() = 120.5;
  d.weight_totals.buoyancy_moment() = -7.25;
  d.force_summaries[CASE_NORMAL].slot[FS_EFFECTIVE_WEIGHT] = 1.5;
  d.force_summaries[CASE_NORMAL].slot[FS_SIDE_ADHESION_MOMENT] = 2.5;
  d.force_summaries[CASE_SEISMIC].slot[FS_DYNAMIC_WATER_RESULTANT] = 3.5;
  d.force_summaries[CASE_SEISMIC].slot[FS_DYNAMIC_WATER_MOMENT] = -4.5;
  d.body_totals.wall_top_load_normal = 5.5;
  d.body_totals.wall_top_load_seismic = 6.5;
  std::string bytes = encode_result_chain_base(d);
  ASSERT_EQ(bytes.size(), 632u);
  // WeightTotals at 0: slot k at 8k.
  EXPECT_EQ(f64_at(bytes, 6 * 8), 120.5);
  EXPECT_EQ(f64_at(bytes, 11 * 8), -7.25);
  EXPECT_EQ(f64_at(bytes, 0), 0.0);
  // Normal ForceSummary at 128, seismic at 368, BodyTotals at 608.
  EXPECT_EQ(f64_at(bytes, 128), 1.5);
  EXPECT_EQ(f64_at(bytes, 128 + 29 * 8), 2.5);
  EXPECT_EQ(f64_at(bytes, 368 + 8 * 8), 3.5);
  EXPECT_EQ(f64_at(bytes, 368 + 24 * 8), -4.5);
  EXPECT_EQ(f64_at(bytes, 608), 0.0);
  EXPECT_EQ(f64_at(bytes, 616), 5.5);
  EXPECT_EQ(f64_at(bytes, 624), 6.5);
  // Little-endian: 1.0 is 00 .. 00 F0 3F.
  d = BlockWeightData{};
  d.weight_totals.slot[0] = 1.0;
  bytes = encode_result_chain_base(d);
  EXPECT_EQ(static_cast<unsigned char>(bytes[6]), 0xF0);
  EXPECT_EQ(static_cast<unsigned char>(bytes[7]), 0x3F);
}

TEST(ResultChainBase, NonFiniteValuesAreFound) {
  BlockWeightData d;
  EXPECT_TRUE(result_chain_values_finite(d));
  d.force_summaries[CASE_SEISMIC].slot[FS_SEISMIC_INERTIA_UNIMPROVED_MOMENT] =
      std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(result_chain_values_finite(d));
  d = BlockWeightData{};
  d.body_totals.wall_top_load_seismic = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(result_chain_values_finite(d));
}

TEST(FixedForceListing, ThirtyFiveLinesWithTheValueColumnAtByte37) {
  ForceSummary n, s;
  for (int k = 0; k < ForceSummary::SLOTS; ++k) {
    n.slot[k] = k + 0.25;
    s.slot[k] = -(k + 0.5);
  }
  auto lines = fixed_force_listing_lines(n, s);
  ASSERT_EQ(lines.size(), 35u);
  EXPECT_EQ(lines[0], utf8_to_cp932_lossy("【常時】"));
  EXPECT_EQ(lines[17], "");
  EXPECT_EQ(lines[18], utf8_to_cp932_lossy("【地震時】"));
  for (int i : {1, 2, 3, 9, 10, 16, 19, 20, 27, 34}) {
    ASSERT_GT(lines[i].size(), 36u) << i;
    EXPECT_EQ(lines[i][35], ' ') << i;
    EXPECT_NE(lines[i].substr(36, 10), std::string(10, ' ')) << i;
  }
  // Effective weights of the normal block: slots 0, 1, 2.
  EXPECT_EQ(lines[1], utf8_to_cp932_lossy("有効重量の合力                      ") +
                          "     0.250      1.250      2.250");
  EXPECT_EQ(lines[2].substr(36), "---------- ---------- ----------");
  EXPECT_EQ(lines[10].substr(36), "---------- ---------- ----------");
  // Seismic inertia and its moment: slots 3-5 and 19-21.
  EXPECT_EQ(lines[20].substr(36), "    -3.500     -4.500     -5.500");
  EXPECT_EQ(lines[28].substr(36), "   -19.500    -20.500    -21.500");
  // The listing skips slots 8, 10, 14, 15, 24 and 29: line 5 is slot 9, line 7 slot 12.
  EXPECT_EQ(lines[3].substr(36), "     6.250");
  EXPECT_EQ(lines[4].substr(36), "     7.250");
  EXPECT_EQ(lines[5].substr(36), "     9.250");
  EXPECT_EQ(lines[6].substr(36), "    11.250");
  EXPECT_EQ(lines[11].substr(36), "    22.250");
  EXPECT_EQ(lines[12].substr(36), "    23.250");
  EXPECT_EQ(lines[13].substr(36), "    25.250");
  EXPECT_EQ(lines[16].substr(36), "    28.250");
  EXPECT_EQ(lines[34].substr(36), "   -28.500");
  EXPECT_EQ(lines[33], utf8_to_cp932_lossy("その他の外力の水平成分モーメント    ") + "   -27.500");
}

}  // namespace
}  // namespace qvt::zenobar
