#include "frontend/pages/ground_surface_page.h"

#include "frontend/pages/tests/page_test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace qvt::pages {
namespace {

using testing::RecordingEffects;

// A grid of cells keyed by (row, column); rows are written from tab-separated text.
class FakeGrid : public GridPort {
 public:
  std::map<std::pair<int, int>, std::string> cells;
  int rows = 0;
  std::vector<std::string> patterns;
  void reset(int r, const std::vector<std::string>& headings,
             const std::vector<std::string>& column_patterns) override {
    cells.clear();
    rows = r;
    patterns = column_patterns;
    for (std::size_t c = 0; c < headings.size(); ++c) cells[{0, static_cast<int>(c)}] = headings[c];
  }
  void set_row_text(int row, const std::string& text) override {
    int col = 0;
    std::string cell;
    for (char ch : text) {
      if (ch == '\t') {
        cells[{row, col++}] = cell;
        cell.clear();
      } else {
        cell += ch;
      }
    }
    cells[{row, col}] = cell;
  }
  int last_row_in_use() const override {
    int last = 0;
    for (const auto& [at, text] : cells)
      if (at.first > 0 && at.second > 0 && !text.empty()) last = std::max(last, at.first);
    return last;
  }
  std::string cell(int row, int column) const override {
    const auto it = cells.find({row, column});
    return it == cells.end() ? std::string() : it->second;
  }
};

class GroundSurfacePageTest : public ::testing::Test {
 protected:
  GroundSurfacePageTest() {
    page.set_grid(GroundGrid::points, &points);
    page.set_grid(GroundGrid::layers, &layers);
    page.set_grid(GroundGrid::ranges, &ranges);
  }
  model::ProjectConditions& c() { return model.conditions; }

  model::ProjectModel model;
  RecordingEffects effects;
  int refits = 0;
  GroundSurfacePage page{model, effects, [this] { ++refits; }};
  FakeGrid points, layers, ranges;
};

TEST_F(GroundSurfacePageTest, LayersWithoutWeightDropAtLoadAndTheCommitZeroesTheRest) {
  c().embankment_layer_count = 3;
  c().embankment_layers[0] = {5.0, 18.0, 10.0};
  c().embankment_layers[1] = {3.0, 0.0, 0.0};
  c().embankment_layers[2] = {1.234, 17.0, 9.0};
  page.load();
  ASSERT_EQ(page.state().layer_row_count, 2);
  EXPECT_EQ(layers.cell(1, 0), "1");
  EXPECT_EQ(layers.cell(2, 0), "2");
  EXPECT_EQ(layers.cell(2, 1), "1.23");  // top level shown with two decimals
  EXPECT_EQ(layers.cell(2, 2), "17.000");
  page.store();
  EXPECT_EQ(c().embankment_layer_count, 2);
  EXPECT_DOUBLE_EQ(c().embankment_layers[1].top_level, 1.234);  // the row, not the grid text
  EXPECT_EQ(c().embankment_layers[2].unit_weight_air, 0);
  EXPECT_EQ(c().embankment_layers[2].top_level, 0);
}

TEST_F(GroundSurfacePageTest, AZeroWeightRowSurvivesTheCommitButNotTheNextLoad) {
  page.load();
  layers.set_row_text(1, "1\t4.5\t0\t0");
  page.grid_edited(GroundGrid::layers);
  page.store();
  EXPECT_EQ(c().embankment_layer_count, 1);
  EXPECT_DOUBLE_EQ(c().embankment_layers[0].top_level, 4.5);
  page.load();
  EXPECT_EQ(page.state().layer_row_count, 0);
}

TEST_F(GroundSurfacePageTest, UnloadedRangesDropAtCommitAndLaterOnesMoveUp) {
  page.load();
  ranges.set_row_text(1, "1\t0\t5\t10\t5");
  ranges.set_row_text(2, "2\t5\t8\t0\t0");
  // Only the seismic load counts; a negative load is no load the ground can carry and goes
  // back to the row's previous 0.
  ranges.set_row_text(3, "3\t8\t12\t-1\t3");
  page.grid_edited(GroundGrid::ranges);
  ASSERT_EQ(page.state().range_row_count, 3);
  c().surcharge_ranges[4] = {1, 2, {3, 4}};  // a stale range beyond the count
  page.store();
  EXPECT_EQ(c().surcharge_range_count, 2);
  EXPECT_DOUBLE_EQ(c().surcharge_ranges[1].x_min, 8);
  EXPECT_DOUBLE_EQ(c().surcharge_ranges[1].load[0], 0);
  EXPECT_DOUBLE_EQ(c().surcharge_ranges[1].load[1], 3);
  for (int i = 2; i < MAX_SURCHARGE_RANGES; ++i) {
    EXPECT_EQ(c().surcharge_ranges[i].x_max, 0) << i;
    EXPECT_EQ(c().surcharge_ranges[i].load[1], 0) << i;
  }
  page.load();
  EXPECT_EQ(page.state().range_row_count, 2);
}

TEST_F(GroundSurfacePageTest, AGridEditReadsTheWholeGridAtDisplayPrecision) {
  c().surcharge_range_count = 1;
  c().surcharge_ranges[0] = {1.2345, 999.126, {10, 5}};
  page.load();
  EXPECT_EQ(ranges.cell(1, 1), "1.235");
  EXPECT_EQ(ranges.cell(1, 2), "999.13");
  EXPECT_DOUBLE_EQ(page.state().range_rows[0].x_max, 999.126);
  page.grid_edited(GroundGrid::ranges);
  EXPECT_DOUBLE_EQ(page.state().range_rows[0].x_max, 999.13);
  EXPECT_DOUBLE_EQ(page.state().range_rows[0].x_min, 1.235);
}

TEST_F(GroundSurfacePageTest, ABlankRowInsideTheCountIsThePointZeroZeroAndRepaints) {
  page.load();
  points.set_row_text(1, "1\t0\t2");
  points.set_row_text(3, "3\t10\t-1.5");
  page.grid_edited(GroundGrid::points);
  ASSERT_EQ(page.state().point_row_count, 3);
  EXPECT_EQ(page.state().point_rows[1].x, 0);
  EXPECT_EQ(page.state().point_rows[1].y, 0);
  EXPECT_DOUBLE_EQ(page.state().point_rows[2].y, -1.5);
  EXPECT_EQ(effects.repaints, 1);
  page.store();
  EXPECT_EQ(c().surface_point_count, 3);
  EXPECT_DOUBLE_EQ(c().surface_points[2].x, 10);
}

TEST_F(GroundSurfacePageTest, NoPointRowsCommitNoPointsAndLeaveTheSpareOne) {
  c().surface_point_count = 2;
  c().surface_points[0] = {1, 3, 4};
  c().surface_points[1] = {1, 5, 6};
  c().surface_points[80] = {1, 7, 8};
  page.load();
  EXPECT_EQ(points.cell(2, 1), "5.000");
  for (int r = 1; r <= 2; ++r) points.set_row_text(r, "\t\t");
  page.grid_edited(GroundGrid::points);
  page.store();
  EXPECT_EQ(c().surface_point_count, 0);
  EXPECT_EQ(c().surface_points[0].x, 0);
  EXPECT_EQ(c().surface_points[1].y, 0);
  EXPECT_EQ(c().surface_points[0].kind, 1);  // the kind is not the page's
  EXPECT_EQ(c().surface_points[80].x, 7);
}

struct ShapeCase {
  int shape;
  double seabed_slope, seabed_normal, seabed_seismic;
};
class GroundShapeCommit : public GroundSurfacePageTest,
                          public ::testing::WithParamInterface<ShapeCase> {};

// Each shape commits the seabed slope and surcharge from its own boxes.
TEST_P(GroundShapeCommit, TakesTheSeabedBoxesOfTheShape) {
  const ShapeCase k = GetParam();
  c().surface_shape = static_cast<model::i16>(k.shape);
  c().seabed_slope_angle = 2;
  c().seabed_surcharge[0] = 1;
  c().seabed_surcharge[1] = 0.5;
  page.load();
  EXPECT_EQ(page.state().box(GroundBox::arbitrary_seabed_slope).text, "2.000");
  EXPECT_EQ(page.state().box(GroundBox::seabed_slope).text, "2.000");
  EXPECT_EQ(page.state().box(GroundBox::arbitrary_seabed_surcharge_normal).text, "1.000");
  EXPECT_EQ(page.state().box(GroundBox::seabed_surcharge_seismic).text, "0.500");
  page.box_edited(GroundBox::arbitrary_seabed_slope, "7");
  page.box_edited(GroundBox::seabed_slope, "9");
  page.box_edited(GroundBox::arbitrary_seabed_surcharge_normal, "11");
  page.box_edited(GroundBox::arbitrary_seabed_surcharge_seismic, "12");
  page.box_edited(GroundBox::seabed_surcharge_normal, "21");
  page.box_edited(GroundBox::seabed_surcharge_seismic, "22");
  page.store();
  EXPECT_EQ(c().seabed_slope_angle, k.seabed_slope);
  EXPECT_EQ(c().seabed_surcharge[0], k.seabed_normal);
  EXPECT_EQ(c().seabed_surcharge[1], k.seabed_seismic);
}

INSTANTIATE_TEST_SUITE_P(Cases, GroundShapeCommit,
                         ::testing::Values(ShapeCase{0, 9, 21, 22}, ShapeCase{1, 7, 11, 12}));

TEST_F(GroundSurfacePageTest, ArbitraryShapeIsWrittenAtOnceAndRefits) {
  page.load();
  EXPECT_FALSE(page.state().collapse_options_enabled);
  const int before = refits;
  page.choose_surface_option(SurfaceOption::arbitrary);
  EXPECT_EQ(c().surface_shape, 1);
  EXPECT_EQ(refits, before + 1);
  EXPECT_TRUE(page.state().points_frame_visible);
  EXPECT_FALSE(page.state().seabed_surcharge_frame_visible);
  EXPECT_TRUE(page.state().seabed_slope_box_visible);
  EXPECT_TRUE(page.state().collapse_options_enabled);
  page.choose_surface_option(SurfaceOption::arbitrary);  // already on: no handler
  EXPECT_EQ(refits, before + 1);
  page.choose_surface_option(SurfaceOption::vertical_collapse);
  page.store();
  EXPECT_EQ(c().collapse_angle_rule, 1);
}

struct LeaveCase {
  GroundBox box;
  const char* typed;
  const char* shown;
  std::optional<GroundBox> twin;
};
// The six surcharge boxes: the surface's and both shapes' seabed boxes.
constexpr GroundBox kArbitraryNormal = GroundBox::arbitrary_seabed_surcharge_normal;
constexpr GroundBox kArbitrarySeismic = GroundBox::arbitrary_seabed_surcharge_seismic;
constexpr GroundBox kSurfaceNormal = GroundBox::surface_surcharge_normal;
constexpr GroundBox kSurfaceSeismic = GroundBox::surface_surcharge_seismic;
constexpr GroundBox kSeabedNormal = GroundBox::seabed_surcharge_normal;
constexpr GroundBox kSeabedSeismic = GroundBox::seabed_surcharge_seismic;
const GroundBox kSurchargeBoxes[] = {kArbitraryNormal, kArbitrarySeismic, kSurfaceNormal,
                                     kSurfaceSeismic,  kSeabedNormal,     kSeabedSeismic};

class GroundSurchargeLeave : public GroundSurfacePageTest,
                             public ::testing::WithParamInterface<LeaveCase> {};

// Leaving a seabed surcharge box rewrites it and copies it into the other shape's box of the same
// load case; the ground-surface surcharge has no twin.
TEST_P(GroundSurchargeLeave, RewritesAndCopiesToTheTwin) {
  const LeaveCase k = GetParam();
  page.load();
  const GroundSurfaceState before = page.state();
  page.box_edited(k.box, k.typed);
  page.box_left(k.box);
  EXPECT_EQ(page.state().box(k.box).text, k.shown);
  for (GroundBox b : kSurchargeBoxes) {
    if (b == k.box) continue;
    const std::string expected = b == k.twin ? k.shown : before.box(b).text;
    EXPECT_EQ(page.state().box(b).text, expected) << static_cast<int>(b);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GroundSurchargeLeave,
                         ::testing::Values(LeaveCase{kSeabedNormal, "12.3456", "12.346", kArbitraryNormal},
                                           LeaveCase{kArbitrarySeismic, "abc", "0.000", kSeabedSeismic},
                                           LeaveCase{kArbitraryNormal, "-4.5x", "-4.500", kSeabedNormal},
                                           LeaveCase{kSeabedSeismic, "", "0.000", kArbitrarySeismic},
                                           LeaveCase{kSurfaceNormal, "8", "8.000", std::nullopt},
                                           LeaveCase{kSurfaceSeismic, "9.9999", "10.000", std::nullopt}));

TEST_F(GroundSurfacePageTest, GridCellsReadTheirLeadingNumber) {
  page.load();
  points.set_row_text(1, "1\t12.5m\tm12");
  points.set_row_text(2, "2\t -3.25 \t.5");
  page.grid_edited(GroundGrid::points);
  ASSERT_EQ(page.state().point_row_count, 2);
  EXPECT_DOUBLE_EQ(page.state().point_rows[0].x, 12.5);
  EXPECT_EQ(page.state().point_rows[0].y, 0);
  EXPECT_DOUBLE_EQ(page.state().point_rows[1].x, -3.25);
  EXPECT_DOUBLE_EQ(page.state().point_rows[1].y, 0.5);
}

TEST_F(GroundSurfacePageTest, EveryChoiceRefitsButALoadOfTheSameChoicesDoesNot) {
  c().surface_shape = 1;
  c().collapse_angle_rule = 1;
  page.load();
  const int after_first = refits;
  EXPECT_EQ(after_first, 2);  // both options changed
  page.load();
  EXPECT_EQ(refits, after_first);  // nothing turned on: no click handler
  EXPECT_TRUE(page.state().points_frame_visible);
  EXPECT_FALSE(page.state().slopes_frame_visible);
  // A collapse-angle choice refits and changes nothing else.
  page.choose_surface_option(SurfaceOption::first_layer_collapse_angle);
  EXPECT_EQ(refits, after_first + 1);
  EXPECT_EQ(c().surface_shape, 1);
  EXPECT_EQ(c().collapse_angle_rule, 1);  // taken only by the commit
  page.choose_surface_option(SurfaceOption::straight);
  EXPECT_EQ(c().surface_shape, 0);
  EXPECT_FALSE(page.state().collapse_options_enabled);
  // The collapse choice is kept with the straight shape.
  EXPECT_TRUE(page.state().on(SurfaceOption::first_layer_collapse_angle));
  page.store();
  EXPECT_EQ(c().collapse_angle_rule, 0);
}

}  // namespace
}  // namespace qvt::pages
