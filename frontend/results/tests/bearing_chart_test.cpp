#include "frontend/results/bearing_chart.h"

#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "common/bearing_formulas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace qvt::results {
namespace {

// Three straight curves x + y = 30, 50, 70 with the labels 20, 10, 5: every distance is a
// multiple of 1/sqrt(2), so every reading can be worked by hand.
BearingChart hand_chart() {
  BearingChart chart;
  const double sums[] = {30, 50, 70};
  const double labels[] = {20, 10, 5};
  for (int j = 0; j < 3; ++j)
    chart.curves.push_back({labels[j], {{0, sums[j]}, {sums[j], 0}}, {sums[j] / 2, sums[j] / 2}});
  return chart;
}

struct ReadingCase {
  double ratio, tan_theta, n;
  BracketMode mode;
  bool outside;
};

TEST(ChartReading, HandChart) {
  const ReadingCase cases[] = {
      // cuts at x 10, 30, 50; (20, 20) lies midway between the first two: 20 - 10 * 1/2.
      {0.200, 0.200, 15.0, BRACKET_BETWEEN, false},
      // On the tan(theta) axis: d0 = 10/r2, d1 = 30/r2, 20 + 10 * 10 / 20 (the last two curves
      // would extrapolate 17.5 for a centred load).
      {0.000, 0.200, 25.0, BRACKET_INSIDE_FIRST, false},
      // Left of the first cut (20): the same extrapolation.
      {0.100, 0.100, 25.0, BRACKET_INSIDE_FIRST, false},
      // Right of every cut: d1 = 20/r2 to the end (70, 0), d0 = sqrt(1000) to (50, 0):
      // 5 - 5 * 14.142 / 17.481 = 0.955 -> 1.0.
      {0.800, 0.100, 1.0, BRACKET_BEYOND_LAST, false},
      // Further out the extrapolation goes below zero (-1.45): nothing carries less than 0.
      {0.950, 0.050, 0.0, BRACKET_BEYOND_LAST, false},
      // Above every curve: no cut, outside the chart.
      {0.100, 0.800, 0.0, BRACKET_NONE, true},
      // Below the 2e/B axis.
      {0.100, -0.050, 0.0, BRACKET_NONE, true},
      // Exactly on the second cut belongs to the interval it closes: d1 = 0 gives 10.
      {0.300, 0.200, 10.0, BRACKET_BETWEEN, false},
  };
  const BearingChart chart = hand_chart();
  for (const ReadingCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.ratio << ", " << c.tan_theta);
    const ChartReading r = read_chart_n_value(chart, c.ratio, c.tan_theta);
    EXPECT_NEAR(r.n, c.n, 1e-9);
    EXPECT_EQ(r.mode, c.mode);
    EXPECT_EQ(r.outside, c.outside);
  }
}

TEST(ChartReading, RoundsByTheSecondLabel) {
  // Two vertical curves at x 10 and 20, so the distances are plain x distances and the
  // interpolation N = L0 - (L0 - L1) d0 / 10 can be set to 12.345 exactly.
  auto chart_with = [](double l0, double l1) {
    BearingChart chart;
    chart.curves.push_back({l0, {{10, 100}, {10, 0}}, {}});
    chart.curves.push_back({l1, {{20, 100}, {20, 0}}, {}});
    return chart;
  };
  // L0 0, L1 20: d0 = 6.1725 gives 12.345; the unit 0.1 makes it 12.3.
  EXPECT_NEAR(read_chart_n_value(chart_with(0, 20), 0.161725, 0.5).n, 12.3, 1e-9);
  // L0 20, L1 0.5: d0 = 7.655 * 10 / 19.5 gives 12.345; the unit 0.01 rounds it up to 12.35.
  EXPECT_NEAR(read_chart_n_value(chart_with(20, 0.5), 0.1 + 0.07655 / 1.95, 0.5).n, 12.35, 1e-9);
}

TEST(ChartReading, HorizontalSegmentOnTheProbeDoesNotCut) {
  // The first curve starts with a horizontal piece at the probe's height; its cut is where the
  // next segment leaves that height (x 20), not the start of the piece (x 0).
  BearingChart chart;
  chart.curves.push_back({20, {{0, 20}, {20, 20}, {40, 0}}, {}});
  chart.curves.push_back({10, {{0, 60}, {60, 0}}, {}});
  const ChartReading r = read_chart_n_value(chart, 0.100, 0.200);
  EXPECT_EQ(r.mode, BRACKET_INSIDE_FIRST);
  const ChartReading right = read_chart_n_value(chart, 0.300, 0.200);
  EXPECT_EQ(right.mode, BRACKET_BETWEEN);
}

TEST(ChartReading, ZeroDivisorGivesTheSmallerLabel) {
  // The point lies on both curves (they meet at (30, 0)... here they coincide near it).
  BearingChart chart;
  chart.curves.push_back({20, {{0, 30}, {30, 0}}, {}});
  chart.curves.push_back({10, {{0, 30}, {30, 0}}, {}});
  const ChartReading r = read_chart_n_value(chart, 0.100, 0.200);
  EXPECT_TRUE(std::isfinite(r.n));
  EXPECT_DOUBLE_EQ(r.n, 10.0);
}

TEST(ChartGeometry, LinesAndFeet) {
  // Crossing inside both segments, outside the first, outside the second, parallel.
  LinePoint a = intersect_lines({0, 0}, {10, 0}, {5, -5}, {5, 5});
  EXPECT_EQ(a.code, 0);
  EXPECT_DOUBLE_EQ(a.at.x, 5);
  EXPECT_DOUBLE_EQ(a.at.y, 0);
  EXPECT_EQ(intersect_lines({0, 0}, {4, 0}, {5, -5}, {5, 5}).code, 1);
  EXPECT_EQ(intersect_lines({0, 0}, {10, 0}, {5, 1}, {5, 5}).code, 2);
  EXPECT_EQ(intersect_lines({0, 0}, {4, 0}, {5, 1}, {5, 5}).code, 3);
  EXPECT_EQ(intersect_lines({0, 0}, {10, 0}, {0, 0}, {20, 0}).code, -1);
  LinePoint f = project_point_on_line({0, 0}, {10, 0}, {4, 3});
  EXPECT_EQ(f.code, 0);
  EXPECT_DOUBLE_EQ(f.at.x, 4);
  EXPECT_EQ(project_point_on_line({0, 0}, {10, 0}, {12, 3}).code, 1);
  EXPECT_EQ(project_point_on_line({1, 1}, {1, 1}, {12, 3}).code, -1);
  EXPECT_DOUBLE_EQ(compute_cross_product({0, 0}, {1, 0}, {0, 0}, {0, 1}), 1);
  EXPECT_DOUBLE_EQ(compute_dot_product({0, 0}, {2, 0}, {0, 0}, {3, 4}), 6);
}

TEST(ChartFile, RefusesWhatCannotBeRead) {
  const std::string two_curves = "2\r\n20,2,1,1\r\n0,30\r\n30,0\r\n10,2,2,2\r\n0,50\r\n50,0\r\n";
  const std::optional<BearingChart> good = parse_bearing_chart(two_curves);
  ASSERT_TRUE(good);
  ASSERT_EQ(good->curves.size(), 2u);
  EXPECT_DOUBLE_EQ(good->curves[1].points[1].x, 50);
  EXPECT_DOUBLE_EQ(good->curves[1].label_at.y, 2);
  EXPECT_TRUE(parse_bearing_chart(two_curves + "\r\n \r\n"));  // blank lines at the end hold nothing
  const char* bad[] = {
      "1\r\n20,2,1,1\r\n0,30\r\n30,0\r\n",                          // one curve
      "2\r\n20,1,1,1\r\n0,30\r\n10,2,2,2\r\n0,50\r\n50,0\r\n",      // a curve of one point
      "2\r\n20,2,1,1\r\n0,30\r\n30,0\r\n10,2,2,2\r\n0,50\r\n",       // ends early
      "2\r\n20,2,1,1\r\n0,abc\r\n30,0\r\n10,2,2,2\r\n0,50\r\n50,0\r\n",  // not a number
      "2.5\r\n20,2,1,1\r\n0,30\r\n30,0\r\n10,2,2,2\r\n0,50\r\n50,0\r\n",  // count with a fraction
      "26\r\n",                                                      // too many curves
      "2\r\n20,126,1,1\r\n",                                         // too many points
      "2\r\n20,2,1,1\r\n0,30\r\n30,0\r\n10,2,2,2\r\n0,50\r\n1e9,0\r\n",  // far off the chart
      "2\r\n20,2,1,1\r\n0,30\r\n30,0\r\n10,2,2,2\r\n0,100.001\r\n50,0\r\n",  // tan above 1
      "2\r\n20,2,1,1\r\n0,30\r\n30,0\r\n10,2,2,2\r\n-0.5,50\r\n50,0\r\n",  // left of the axis
      "2\r\n20,2,-1,1\r\n0,30\r\n30,0\r\n10,2,2,2\r\n0,50\r\n50,0\r\n",  // label left of it
      "2\r\n20,2,1,1\r\n0,30\r\n30,0\r\n10,2,2,2e8\r\n0,50\r\n50,0\r\n",  // label far above
      // Held to the line layout: the two points of a curve on one line (a lost line end), a
      // point line repeated (the next curve's head is then read as a point), a line after the
      // last point, a head split over two lines.
      "2\r\n20,2,1,1\r\n0,30\r\n30,0\r\n10,2,2,2\r\n0,50,50,0\r\n",
      "2\r\n20,2,1,1\r\n0,30\r\n0,30\r\n30,0\r\n10,2,2,2\r\n0,50\r\n50,0\r\n",
      "2\r\n20,2,1,1\r\n0,30\r\n30,0\r\n10,2,2,2\r\n0,50\r\n50,0\r\n50,0\r\n",
      "2\r\n20,2\r\n1,1\r\n0,30\r\n30,0\r\n10,2,2,2\r\n0,50\r\n50,0\r\n",
      "",
  };
  for (const char* text : bad) EXPECT_FALSE(parse_bearing_chart(text)) << text;
}

TEST(ChartFile, LoadingStopsAtTheFirstMissingOrBrokenFile) {
  qvt::testing::TempDir dir;
  const std::string chart = "2\r\n20,2,1,1\r\n0,30\r\n30,0\r\n10,2,2,2\r\n0,50\r\n50,0\r\n";
  ASSERT_TRUE(write_file_bytes(dir.path() / "FAI30.CSV", chart));
  ChartLoad load = load_bearing_charts(dir.path());
  EXPECT_FALSE(load.ok);
  EXPECT_TRUE(load.missing);
  EXPECT_EQ(load.failed_file, "FAI35.CSV");
  EXPECT_EQ(load.charts[0].curves.size(), 2u);

  ASSERT_TRUE(write_file_bytes(dir.path() / "FAI35.CSV", "2\r\nnan\r\n"));
  load = load_bearing_charts(dir.path());
  EXPECT_FALSE(load.ok);
  EXPECT_FALSE(load.missing);
  EXPECT_EQ(load.failed_file, "FAI35.CSV");
}

// The charts shipped beside the programs.
std::array<BearingChart, kChartCount> shipped_charts() {
  const ChartLoad load = load_bearing_charts(QVT_BIN_DIR);
  EXPECT_TRUE(load.ok) << load.failed_file;
  return load.charts;
}

TEST(ShippedCharts, ReadingFollowsTheFormula) {
  const auto charts = shipped_charts();
  for (int c = 0; c < kChartCount; ++c) {
    const BearingChart& chart = charts[c];
    ASSERT_GE(chart.curves.size(), 2u);
    const double first_label = chart.curves[0].label;
    int checked = 0;
    for (int i = 0; i <= 90; ++i) {
      for (int j = 0; j <= 100; ++j) {
        const double ratio = i / 100.0;
        const double tan_theta = j / 100.0;
        const double expected = bearing::bearing_n(kChartAngles[c], ratio, tan_theta);
        if (expected < 1.0 || expected > first_label) continue;
        const double n = read_chart_n_value(chart, ratio, tan_theta).n;
        ASSERT_NEAR(n, expected, std::max(0.03 * expected, 0.1))
            << kChartFiles[c] << " at " << ratio << ", " << tan_theta;
        ++checked;
      }
    }
    EXPECT_GT(checked, 500) << kChartFiles[c];
  }
}

TEST(ShippedCharts, AreTheGeneratorsOutput) {
  qvt::testing::TempDir dir;
  const std::string command =
      std::string(QVT_TOOLS_DIR "/make_bearing_data ") + "'" + dir.path().string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::vector<std::string> names(kChartFiles.begin(), kChartFiles.end());
  names.push_back("KS_AB.CSV");
  for (const std::string& name : names) {
    const auto made = read_file_bytes(dir.path() / name);
    const auto shipped = read_file_bytes(std::filesystem::path(QVT_SOURCE_DIR) / "data" / name);
    ASSERT_TRUE(made && shipped) << name;
    EXPECT_TRUE(*made == *shipped) << name << " differs from the generator's output";
  }
}

TEST(ShippedCharts, CurvesRunFromTheTanThetaAxisDownToTheRatioAxis) {
  const double ngamma[] = {15.668, 37.152, 93.691, 262.742};
  const auto charts = shipped_charts();
  for (int c = 0; c < kChartCount; ++c) {
    EXPECT_NEAR(bearing::bearing_ngamma(kChartAngles[c]), ngamma[c], 0.0005);
    double previous = 1e300;
    for (const ChartCurve& curve : charts[c].curves) {
      EXPECT_LT(curve.label, previous);  // N falls with the index, as the bracket search needs
      previous = curve.label;
      EXPECT_DOUBLE_EQ(curve.points.front().x, 0.0);
      EXPECT_DOUBLE_EQ(curve.points.back().y, 0.0);
    }
  }
}

}  // namespace
}  // namespace qvt::results
