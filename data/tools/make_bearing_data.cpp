// Writes the four bearing capacity charts FAI30.CSV .. FAI45.CSV into the folder given as the only
// argument. The shipped files in data/ are this program's output; a test runs it again and
// compares, so a change of the formulas shows up as a changed data file.
//
// Each chart is a family of curves of equal N over x = 100 * 2e/B and y = 100 * tan(theta). On the
// curve of label L, (1 - 2e/B)(1 - theta/phi) = r with r = sqrt(L / Ngamma): it runs from the
// tan(theta) axis (2e/B = 0, theta = phi (1 - r)) down to the 2e/B axis (theta = 0). The first
// point is the highest one, as the chart reading expects.
#include "data/tools/bearing_formulas.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct ChartSpec {
  int phi;
  double y_max;  // top of the drawn grid, for the label ray
  std::vector<double> labels;
};

const ChartSpec kCharts[] = {
    {30, 60.0, {15, 14, 12.5, 11, 10, 9, 8, 7, 6, 5, 4, 3.5, 3, 2.5, 2, 1.5, 1.25, 1, 0.75, 0.5}},
    {35, 70.0, {35, 32.5, 30, 27.5, 25, 22.5, 20, 17.5, 15, 12.5, 10, 8, 6, 5, 4, 3, 2, 1.5, 1,
                0.75, 0.5}},
    {40, 80.0, {90, 80, 75, 70, 60, 50, 45, 40, 35, 30, 25, 20, 15, 12.5, 10, 7.5, 5, 4, 3, 2, 1.5,
                1, 0.75, 0.5}},
    {45, 80.0, {250, 200, 175, 150, 125, 100, 90, 80, 70, 60, 50, 40, 30, 25, 20, 15, 10, 7.5, 5,
                4, 3, 2, 1.5, 1, 0.75}},
};

constexpr int kPointsPerCurve = 61;

struct Point {
  double x, y;
};

std::vector<Point> curve_points(double phi, double label) {
  const double r = std::sqrt(label / qvt::bearing::bearing_ngamma(phi));
  const double theta_top = qvt::bearing::radians(phi) * (1.0 - r);
  std::vector<Point> points;
  for (int i = 0; i < kPointsPerCurve; ++i) {
    const double theta = theta_top * (kPointsPerCurve - 1 - i) / (kPointsPerCurve - 1);
    const double inclination = 1.0 - theta / qvt::bearing::radians(phi);
    points.push_back({100.0 * (1.0 - r / inclination), 100.0 * std::tan(theta)});
  }
  return points;
}

// Where the curve crosses the ray from the origin to (100, y_max); the curve starts above the ray
// (on the tan(theta) axis) and ends below it (on the 2e/B axis), so one segment changes side.
Point label_point(const std::vector<Point>& points, double y_max) {
  const double k = y_max / 100.0;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const double f0 = points[i].y - k * points[i].x;
    const double f1 = points[i + 1].y - k * points[i + 1].x;
    if (f0 >= 0.0 && f1 <= 0.0) {
      const double t = (f0 == f1) ? 0.0 : f0 / (f0 - f1);
      return {points[i].x + t * (points[i + 1].x - points[i].x),
              points[i].y + t * (points[i + 1].y - points[i].y)};
    }
  }
  return points.back();
}

// "%.3f" without a minus sign on a value that rounds to zero.
double no_negative_zero(double v) { return std::fabs(v) < 0.0005 ? 0.0 : v; }

std::string label_text(double label) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", label);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_bearing_data <output folder>\n");
    return 2;
  }
  for (const ChartSpec& chart : kCharts) {
    const std::string path = std::string(argv[1]) + "/FAI" + std::to_string(chart.phi) + ".CSV";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
      std::fprintf(stderr, "make_bearing_data: cannot create %s\n", path.c_str());
      return 1;
    }
    std::fprintf(out, "%zu\r\n", chart.labels.size());
    for (double label : chart.labels) {
      const std::vector<Point> points = curve_points(chart.phi, label);
      const Point at = label_point(points, chart.y_max);
      std::fprintf(out, "%s,%d,%.3f,%.3f\r\n", label_text(label).c_str(), kPointsPerCurve,
                   no_negative_zero(at.x), no_negative_zero(at.y));
      for (const Point& p : points)
        std::fprintf(out, "%.3f,%.3f\r\n", no_negative_zero(p.x), no_negative_zero(p.y));
    }
    if (std::fclose(out) != 0) {
      std::fprintf(stderr, "make_bearing_data: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
