#include "frontend/results/sand_report.h"

#include "common/cp932.h"
#include "common/textfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace qvt::results {
namespace {

TEST(SandReport, PadIntWidth5) {
  const std::pair<int, const char*> cases[] = {
      {0, "    0"}, {50, "   50"}, {-12, "  -12"}, {32767, "32767"}, {-9999, "-9999"},
      {-10000, "-9999"}, {-32768, "-9999"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(pad_int_width5(value), text) << value;
}

// A field keeps its place on the page: a value too wide for it loses decimals, down to none,
// and one whose whole number does not fit (or that is no number) is not written at all.
TEST(SandReport, AFieldValueKeepsItsPlace) {
  const struct {
    double value;
    const char* pattern;
    std::size_t width;
    std::optional<std::string> text;
  } cases[] = {
      {12.5, "###0.000", 9, "   12.500"},
      {123456.789, "###0.000", 9, "123456.79"},  // 10 characters with three decimals
      {1234567.89, "###0.000", 9, "1234567.9"},
      {123456789.4, "###0.000", 9, "123456789"},
      {1234567890.0, "###0.000", 9, std::nullopt},
      {-12345.678, "#0.000", 6, "-12346"},
      {999.995, "#0.00", 6, "1000.0"},             // rounds up to seven characters
      {1e300, "#0.00", 6, std::nullopt},
      {std::nan(""), "#0.00", 6, std::nullopt},
      {INFINITY, "###0.000", 9, std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(fitted_field_text(c.value, c.pattern, c.width), c.text) << c.value;
  ReportPage page({"head"});
  page.field(6, "Ｎ", 17.5, "#0.00", 6);
  page.field(8, "Ｑ", 1e9, "#0.000", 8);
  page.field(9, "Ｆ", 1e12, "#0.000", 6);
  EXPECT_EQ(page.bytes(), "head\r\n06   17.50\r\n08          \r\n09        \r\n");
  EXPECT_EQ(page.unfit(), "Ｑ の値 1000000000.000 は帳票の欄に収まりません。");  // the first
}

// Chart 0 with a curve of 4 points and one of 9.
BearingChart figure_chart();

// A point far off the chart (a tan(theta) typed as 1e300, a ratio that is no number) is drawn at
// the edge of the figure's 16-bit fields, without an overflow on the way.
TEST(SandReport, PointFarOffTheChartIsHeldAtTheFieldsEdge) {
  const std::vector<std::string> lines = split_lines(chart_figure(figure_chart(), 0, 1.0, 1e300, 0));
  // x = 1950 + Fix(1891) = 3841; y = 3100 - 1.891e303, held at -32768 and written -9999.
  EXPECT_NE(std::find(lines.begin(), lines.end(), "L 3841-9999 1950-9999 0 2"), lines.end());
  const std::string nan_figure = chart_figure(figure_chart(), 0, std::nan(""), -1e300, 0);
  EXPECT_NE(nan_figure.find("L    032767 195032767 0 2"), std::string::npos);  // NaN gives 0
}

// Chart 0 with a curve of 4 points and one of 9.
BearingChart figure_chart() {
  BearingChart chart;
  ChartCurve a{20, {}, {10, 10}};
  for (int i = 0; i < 4; ++i) a.points.push_back({10.0 * i, 30.0 - 10.0 * i});
  ChartCurve b{10, {}, {20, 20}};
  for (int i = 0; i < 9; ++i) b.points.push_back({6.25 * i, 50.0 - 6.25 * i});
  chart.curves = {a, b};
  return chart;
}

TEST(SandReport, ChartFigure) {
  const std::vector<std::string> lines =
      split_lines(chart_figure(figure_chart(), 0, 0.2, 0.15, 0));
  ASSERT_GT(lines.size(), 2u);
  EXPECT_EQ(lines[0], "M_HSK06H.PZK");
  EXPECT_EQ(lines[1], "46  35");
  auto has = [&](const std::string& l) { return std::find(lines.begin(), lines.end(), l) != lines.end(); };
  // Curves, pen 3: 4 points as 0-1, 1-3; 9 points as 0-1, 1-6, 6-8.
  // Point (10, 20): x 1950 + Fix(189.1) = 2139, y 3100 - Fix(378.2) = 2722.
  EXPECT_EQ(lines[2], "L 1950 2533 2139 2722 0 3");
  EXPECT_EQ(lines[3], "L 2139 2722 2517 3100 0 3");
  EXPECT_EQ(lines[4], "L 1950 2155 2068 2273 0 3");  // (0,50) - (6.25,43.75)
  EXPECT_EQ(lines[5], "L 2068 2273 2659 2864 0 3");  // - (37.5,12.5)
  EXPECT_EQ(lines[6], "L 2659 2864 2895 3100 0 3");  // - (50,0)
  // Grid of chart 0: 7 rows, top 3100 - Fix(60 * 18.91) = 1966.
  EXPECT_EQ(lines[7], "L 1950 3100 1950 1966 0 2");
  // "0.2" under x = 2328 (1950 + Fix(378.2)), 3 characters: 2328 - 37.5 = 2290.5, to even 2290.
  EXPECT_TRUE(has("K 2290 3175   50   50    0 2"));
  // The point (20, 15): leader lines from (2328, 2817).
  EXPECT_TRUE(has("L 2328 2817 1950 2817 0 2"));
  EXPECT_TRUE(has("L 2328 2817 2328 3100 0 2"));
  // Its x value "0.200" at 2328 - 62.5 = 2265.5 -> 2266; the box from 2265.5 - 12.5 = 2253.
  const auto value = std::find(lines.begin(), lines.end(), "K 2266 3230   50   50    0 2");
  ASSERT_NE(value, lines.end());
  EXPECT_EQ(*(value + 1), "0.200");
  EXPECT_EQ(*(value + 2), "L 2253 3235 2253 3175 0 2");
  EXPECT_EQ(*(value + 3), "L 2253 3175 2403 3175 0 2");  // right: 2265.5 + 125 + 12.5 = 2403
  // Titles.
  EXPECT_TRUE(has(utf8_to_cp932_lossy("φ＝30ﾟ")));
  EXPECT_TRUE(has(utf8_to_cp932_lossy("tanθ")));
  EXPECT_TRUE(has(utf8_to_cp932_lossy("ε")));
  // "N=" beside the last curve's label point (20, 20) -> (2328, 2722): (2358, 2662).
  const auto n = std::find(lines.begin(), lines.end(), "K 2358 2662   60   60    0 2");
  ASSERT_NE(n, lines.end());
  EXPECT_EQ(*(n + 1), "N=");
  // Curve label "20" at (2139 - round(27.5), 2911 + 27.5) = (2111, 2938.5 -> 2938).
  const auto label = std::find(lines.begin(), lines.end(), "K 2111 2938   55   55    0 2");
  ASSERT_NE(label, lines.end());
  EXPECT_EQ(*(label + 1), "20");
}

TEST(SandReport, SkippedLabelsOfTheSteepCharts) {
  BearingChart chart;
  for (int j = 0; j < 10; ++j)
    chart.curves.push_back({100.0 - j, {{0, 60.0 - j}, {60.0 - j, 0}}, {10, 10}});
  auto labels = [&](int chart_index) {
    int count = 0;
    const std::vector<std::string> lines =
        split_lines(chart_figure(chart, chart_index, 0.1, 0.1, 0));
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
      if (lines[i].rfind("K", 0) == 0 && lines[i].find("   55   55") != std::string::npos) ++count;
    return count;
  };
  EXPECT_EQ(labels(0), 10);
  EXPECT_EQ(labels(2), 8);
  EXPECT_EQ(labels(3), 6);
}

}  // namespace
}  // namespace qvt::results
