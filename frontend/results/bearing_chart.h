#pragma once
// The bearing capacity charts of the sand check: four families of curves of equal N over
// x = 100 * 2e/B and y = 100 * tan(theta), read from FAI30..45.CSV, and the reading of N at a
// point between two curves.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qvt::results {

inline constexpr int kChartCount = 4;
inline constexpr int kMaxCurves = 25;
inline constexpr int kMaxCurvePoints = 125;
// The end of both chart axes in chart units (2e/B = 1, tan(theta) = 1).
inline constexpr double kChartAxisEnd = 100.0;

// File name and angle of each chart, by chart index.
inline constexpr std::array<const char*, kChartCount> kChartFiles = {"FAI30.CSV", "FAI35.CSV",
                                                                     "FAI40.CSV", "FAI45.CSV"};
inline constexpr std::array<int, kChartCount> kChartAngles = {30, 35, 40, 45};

// The chart the sand check opens on for a bearing layer of friction angle phi (degrees): the
// highest chart angle not above phi, the 30-degree chart below 30 (and for a phi that is no
// number). Never a chart of a higher phi than the layer has, so the first reading is the
// conservative one.
int opening_chart_index(double phi);

struct ChartPoint {
  double x = 0.0;
  double y = 0.0;
};

struct ChartCurve {
  double label = 0.0;
  std::vector<ChartPoint> points;
  ChartPoint label_at;
};

struct BearingChart {
  std::vector<ChartCurve> curves;
};

// Parses one chart file's text line by line against its layout: a line holding the curve count,
// then per curve a line of its label, point count, label x and label y and one line x, y per
// point, and nothing after the last curve's last point (blank lines at the end aside). nullopt
// when a line holds another count of items or an item that is not a finite number, a count is
// not a whole number, the text ends early or goes on, a point or a label position lies off the
// chart's axes (0 to kChartAxisEnd on both), or the chart would be unusable for a reading:
// fewer than 2 or more than 25 curves, a curve of fewer than 2 or more than 125 points. A
// repeated, missing or joined line is so refused instead of moving a curve's points.
std::optional<BearingChart> parse_bearing_chart(const std::string& text);

// The four charts of a folder. A missing file stops the loading there (the later charts are not
// read); a file that does not parse stops it alike. `failed_file` names the file and `missing`
// tells which of the two happened.
struct ChartLoad {
  std::array<BearingChart, kChartCount> charts;
  bool ok = false;
  bool missing = false;
  std::string failed_file;
};
ChartLoad load_bearing_charts(const std::filesystem::path& folder);

// How a reading found its two curves.
enum BracketMode { BRACKET_NONE = -1, BRACKET_INSIDE_FIRST = 0, BRACKET_BETWEEN = 1,
                   BRACKET_BEYOND_LAST = 2 };

struct ChartReading {
  double n = 0.0;
  BracketMode mode = BRACKET_NONE;
  std::array<int, 2> curves{-1, -1};
  std::array<double, 2> distances{999.0, 999.0};
  // The point lies where no curve crosses its height (above every curve, or below the 2e/B
  // axis): N is 0 and the user is warned; N can still be typed.
  bool outside = false;
};

// Reads N at (ratio = 2e/B, tan_theta) as the dialog shows them. Left of the first curve's cut,
// X <= 0 included, the first two curves extrapolate; between two cuts they interpolate by the
// point's distances from both; right of every cut the last two extrapolate. N is rounded to 0.1
// (0.01 when the second curve's label is below 1) and never negative. The chart must have at
// least two curves (parse_bearing_chart guarantees it).
ChartReading read_chart_n_value(const BearingChart& chart, double ratio, double tan_theta);

// Plane geometry of the reading.
double compute_cross_product(ChartPoint p1, ChartPoint p2, ChartPoint p3, ChartPoint p4);
double compute_dot_product(ChartPoint p1, ChartPoint p2, ChartPoint p3, ChartPoint p4);
struct LinePoint {
  ChartPoint at;
  // -1 parallel (or degenerate); else bit 1: outside the first segment, bit 2: outside the second
  // (intersect_lines); 0 inside, 1 outside (project_point_on_line).
  int code = -1;
};
LinePoint intersect_lines(ChartPoint p1, ChartPoint p2, ChartPoint p3, ChartPoint p4);
LinePoint project_point_on_line(ChartPoint p1, ChartPoint p2, ChartPoint q);

}  // namespace qvt::results
