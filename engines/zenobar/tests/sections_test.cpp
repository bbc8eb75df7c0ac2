#include "engines/zenobar/sections.h"

#include "engines/common/print_data.h"
#include "engines/zenobar/tests/zen_fixture.h"

#include <algorithm>

namespace qvt::zenobar {
namespace {

using testing::ZenTest;
using Pts = std::vector<OutlinePoint>;

void expect_points(const Pts& got, const Pts& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(got[i].x, want[i].x, 1e-12) << i;
    EXPECT_NEAR(got[i].y, want[i].y, 1e-12) << i;
  }
}

class SectionsTest : public ZenTest {};

TEST_F(SectionsTest, BlocksAreListedByLabelThenSlotAndStrayLabelsLast) {
  set_rect(0, 1, 2, "a", 0, 0, 1, 1, 20, 10, 20);
  set_rect(2, 1, 0, "b", 0, 0, 1, 1, 20, 10, 20);
  set_rect(3, 1, 2, "c", 0, 0, 1, 1, 20, 10, 20);
  set_rect(4, 1, 25, "d", 0, 0, 1, 1, 20, 10, 20);  // label outside 0..19: still weighed
  set_rect(5, 1, 1, "e", 0, 0, 1, 1, 20, 10, 20);
  cd().block_label_numbers[1] = 0;  // slot 1 stays empty and is never listed
  EXPECT_EQ(blocks_in_label_order(), (std::vector<int>{2, 5, 0, 3, 4}));
}

TEST(CutOutline, RectangleCutAtTheLevel) {
  // Clockwise rectangle 2 m wide, 3 m high, level at y = 1.
  const Pts rect{{0, 0}, {0, 3}, {2, 3}, {2, 0}};
  expect_points(cut_outline_at_level(rect, 1.0, true), {{0, 1}, {0, 3}, {2, 3}, {2, 1}});
  expect_points(cut_outline_at_level(rect, 1.0, false), {{0, 0}, {0, 1}, {2, 1}, {2, 0}});
}

TEST(CutOutline, WhollyBelowOrAboveTheLevel) {
  const Pts rect{{0, 0}, {0, 3}, {2, 3}, {2, 0}};
  EXPECT_TRUE(cut_outline_at_level(rect, 5.0, true).empty());
  expect_points(cut_outline_at_level(rect, 5.0, false), rect);
  EXPECT_TRUE(cut_outline_at_level(rect, -1.0, false).empty());
}

TEST(CutOutline, EdgesCrossingFarFromTheOriginAreCutToo) {
  // The same rectangle moved to x = 150 .. 152 (and to x = -152 .. -150): the crossings lie
  // beyond 100 m from x = 0 and must still be found.
  for (double x0 : {150.0, -152.0}) {
    const Pts rect{{x0, 0}, {x0, 3}, {x0 + 2, 3}, {x0 + 2, 0}};
    expect_points(cut_outline_at_level(rect, 1.0, true),
                  {{x0, 1}, {x0, 3}, {x0 + 2, 3}, {x0 + 2, 1}});
    expect_points(cut_outline_at_level(rect, 1.0, false),
                  {{x0, 0}, {x0, 1}, {x0 + 2, 1}, {x0 + 2, 0}});
  }
  // An edge from x = 90 to x = 130 crossing the level at x = 110.
  const Pts tri{{90, 0}, {130, 4}, {130, 0}};
  const Pts lower = cut_outline_at_level(tri, 2.0, false);
  ASSERT_EQ(lower.size(), 4u);
  EXPECT_NEAR(lower[1].x, 110.0, 1e-9);
  EXPECT_NEAR(lower[1].y, 2.0, 1e-9);
}

TEST(CutOutline, AVertexOnTheLevelBelongsToBothParts) {
  // Diamond with its left and right corners on the level y = 0.
  const Pts diamond{{-1, 0}, {0, 1}, {1, 0}, {0, -1}};
  const Pts upper = cut_outline_at_level(diamond, 0.0, true);
  const Pts lower = cut_outline_at_level(diamond, 0.0, false);
  auto has = [](const Pts& pts, double x, double y) {
    for (const auto& p : pts)
      if (std::abs(p.x - x) < 1e-12 && std::abs(p.y - y) < 1e-12) return true;
    return false;
  };
  for (const Pts* part : {&upper, &lower}) {
    EXPECT_TRUE(has(*part, -1, 0));
    EXPECT_TRUE(has(*part, 1, 0));
  }
  EXPECT_TRUE(has(upper, 0, 1));
  EXPECT_FALSE(has(upper, 0, -1));
  EXPECT_TRUE(has(lower, 0, -1));
  EXPECT_FALSE(has(lower, 0, 1));
}

TEST_F(SectionsTest, PolygonOutlineIsAbsolute) {
  set_polygon(3, 0, 0, "p", 2, -3, {{1, 1}, {1, 2}, {4, 2}}, 20, 10, 20);
  expect_points(polygon_outline(3), {{3, -2}, {3, -1}, {6, -1}});
}

}  // namespace
}  // namespace qvt::zenobar

namespace qvt::zenobar {
namespace {

class SectionRunTest : public testing::ZenTest {
 protected:
  // A polygon rectangle 2 m wide and 3 m high with its lower left corner at (x0, 0); unit
  // weights 24 above, 12 submerged, 22 below the R.W.L. at +1.0.
  void set_polygon_rect(int slot, int type, int label, double x0) {
    set_polygon(slot, type, label, "P", x0, 0, {{0, 0}, {0, 3}, {2, 3}, {2, 0}}, 24, 12, 22);
  }
  void run_sections() {
    engine::PrintFile report;
    open_output(report, "R.PDT");
    write_block_weights(report);
    write_block_buoyancy(report);
    close_output(report);
  }
};

// Cut at +1.0: above, 2 x 2 x 24 = 96 at (x0 + 1, 2); below, 2 x 1 x 22 = 44 at (x0 + 1, 0.5).
//   W = 140, W·x = 140 (x0 + 1), W·y = 192 + 22 = 214, centroid y = 214 / 140 = 1.529.
// Buoyancy: below only, 2 x 1 x (22 - 12) = 20 at (x0 + 1, 0.5).
// The same rectangle far from x = 0 (x0 = 150) must split the same way.
TEST_F(SectionRunTest, PolygonCutAtTheResidualWaterLevelWhereverItLies) {
  cd().water_levels[2] = 1.0;
  set_polygon_rect(0, 0, 0, 0.0);
  set_polygon_rect(1, 6, 1, 150.0);
  run_sections();
  for (int slot : {0, 1}) {
    const double x0 = slot == 0 ? 0.0 : 150.0;
    const BlockResult& w = run_data.block_results[slot][KIND_WEIGHT];
    EXPECT_DOUBLE_EQ(w.weight, 140.0) << slot;
    EXPECT_NEAR(w.moment_x, 140.0 * (x0 + 1), 1e-9) << slot;
    EXPECT_NEAR(w.moment_y, 214.0, 1e-9) << slot;
    EXPECT_NEAR(w.centroid_x, x0 + 1, 1e-9) << slot;
    EXPECT_NEAR(w.centroid_y, 1.529, 1e-9) << slot;
    const BlockResult& u = run_data.block_results[slot][KIND_BUOYANCY];
    EXPECT_DOUBLE_EQ(u.weight, 20.0) << slot;
    EXPECT_NEAR(u.centroid_x, x0 + 1, 1e-9) << slot;
    EXPECT_NEAR(u.centroid_y, 0.5, 1e-9) << slot;
  }
  // Only the type-0 block counts towards the wall-top load.
  EXPECT_DOUBLE_EQ(run_data.body_totals.wall_top_load_normal, 140.0);
  EXPECT_TRUE(channel.lines.empty());
}

TEST_F(SectionRunTest, EqualUnitWeightsAreNotCutForTheWeight) {
  // 2 x 3 x 20 = 120 in one piece at (1, 1.5); buoyancy still from the part below +1.0:
  // 2 x 1 x (20 - 12) = 16.
  cd().water_levels[2] = 1.0;
  set_polygon(0, 0, 0, "P", 0, 0, {{0, 0}, {0, 3}, {2, 3}, {2, 0}}, 20, 12, 20);
  run_sections();
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_WEIGHT].weight, 120.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_WEIGHT].centroid_y, 1.5);
  EXPECT_DOUBLE_EQ(run_data.block_results[0][KIND_BUOYANCY].weight, 16.0);
}

TEST_F(SectionRunTest, SectionFramesAndBlockOrder) {
  cd().water_levels[2] = -5.0;  // both blocks wholly above: no buoyancy
  set_polygon_rect(4, 0, 1, 0.0);
  set_polygon_rect(2, 0, 0, 5.0);
  run_sections();
  const auto lines = lines_of("R.PDT");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "$0  QVT_BLK.PFM");
  EXPECT_EQ(lines.back(), "$0  QVT_BXY.PFM");
  std::vector<std::string> records;
  for (const auto& l : lines)
    if (l.rfind("$1", 0) == 0 || l.find("FRKNI") != std::string::npos ||
        l == "$0  QVT_BXY.PFM")
      records.push_back(l);
  // The buoyancy section lists slot 2 (label 0) before slot 4 (label 1).
  EXPECT_EQ(records, (std::vector<std::string>{"$0  QVT_BXY.PFM", "$1  QVT_FRK.PFM",
                                               "$0  FRKNI_02.PFM", "$0  FRKNI_04.PFM",
                                               "$0  QVT_BXY.PFM"}));
}

// A library block goes to its own tables in both sections: a unit 2 m high, V 2.0, L 2.0 at
// (0, 0), wholly below the R.W.L. at +5.0: W = 2·20/2 = 20, U = 2·10/2 = 10.
TEST_F(SectionRunTest, LibraryBlocksAreTabledInBothSections) {
  cd().water_levels[2] = 5.0;
  cd().water_unit_weight = 10.0;
  cd().shape_library_count = 1;
  const double values[6] = {1.0, 2.0, 2.0, 0.5, 1.0, 2.0};
  for (int i = 0; i < 6; ++i) cd().shape_library[0].values[i] = values[i];
  auto& b = cd().wall_blocks[6];
  b.block_type = engine::BLOCK_LIBRARY;
  b.head.unit_weights[0] = 20.0;
  cd().block_label_numbers[6] = 0;
  run_sections();
  EXPECT_DOUBLE_EQ(run_data.block_results[6][KIND_WEIGHT].weight, 20.0);
  EXPECT_DOUBLE_EQ(run_data.block_results[6][KIND_BUOYANCY].weight, 10.0);
  const auto lines = lines_of("R.PDT");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "$0  BKST_06.PFM"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "$0  FKST_06.PFM"), lines.end());
  EXPECT_TRUE(channel.lines.empty());
}

}  // namespace
}  // namespace qvt::zenobar
