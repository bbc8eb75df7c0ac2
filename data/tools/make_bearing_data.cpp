// Writes the four bearing capacity charts FAI30.CSV .. FAI45.CSV of the sand check and the
// coefficient table KS_AB.CSV of the clay check into the folder given as the only argument. The
// shipped files in data/ are this program's output; a test runs it again and compares, so a
// change of the formulas shows up as a changed data file.
//
// Each chart is a family of curves of equal N over x = 100 * 2e/B and y = 100 * tan(theta). On the
// curve of label L, (1 - 2e/B)(1 - theta/phi) = r with r = sqrt(L / Ngamma): it runs from the
// tan(theta) axis (2e/B = 0, theta = phi (1 - r)) down to the 2e/B axis (theta = 0). The first
// point is the highest one, as the chart reading expects.
#include "common/bearing_formulas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct ChartSpec {
  int phi;
  double y_max;  // top of the drawn grid, for the label ray
  std::vector<double> labels;
  std::vector<std::size_t> skipped_labels;  // curves the report draws without their label
};

const ChartSpec kCharts[] = {
    {30, 60.0, {15, 14, 12.5, 11, 10, 9, 8, 7, 6, 5, 4, 3.5, 3, 2.5, 2, 1.5, 1.25, 1, 0.75, 0.5}, {}},
    {35, 70.0, {35, 32.5, 30, 27.5, 25, 22.5, 20, 17.5, 15, 12.5, 10, 8, 6, 5, 4, 3, 2, 1.5, 1,
                0.75, 0.5},
     {}},
    {40, 80.0, {90, 80, 75, 70, 60, 50, 45, 40, 35, 30, 25, 20, 15, 12.5, 10, 7.5, 5, 4, 3, 2, 1.5,
                1, 0.75, 0.5},
     {2, 6}},
    {45, 80.0, {250, 200, 175, 150, 125, 100, 90, 80, 70, 60, 50, 40, 30, 25, 20, 15, 10, 7.5, 5,
                4, 3, 2, 1.5, 1, 0.75},
     {2, 4, 6, 8}},
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
std::size_t ray_crossing(const std::vector<Point>& points, double y_max) {
  const double k = y_max / 100.0;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const double f0 = points[i].y - k * points[i].x;
    const double f1 = points[i + 1].y - k * points[i + 1].x;
    if (f0 >= 0.0 && f1 <= 0.0) return f0 - 0.0 <= 0.0 - f1 ? i : i + 1;
  }
  return points.size() - 1;
}

std::string label_text(double label) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", label);
  return text;
}

// The box a label takes on the chart, in chart units (100 to the axis): the report draws it
// centred on its point, 55 page units high, each character half as wide, at 18.91 page units to
// a chart unit.
struct Box {
  double x0, y0, x1, y1;
};
Box label_box(Point at, const std::string& text) {
  const double half_width = text.size() * 13.75 / 18.91, half_height = 27.5 / 18.91;
  return {at.x - half_width, at.y - half_height, at.x + half_width, at.y + half_height};
}
bool overlap(const Box& a, const Box& b, double gap) {
  return a.x0 < b.x1 + gap && b.x0 < a.x1 + gap && a.y0 < b.y1 + gap && b.y0 < a.y1 + gap;
}

double overlap_area(const Box& a, const Box& b) {
  const double w = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
  const double h = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
  return w > 0 && h > 0 ? w * h : 0.0;
}

// Where each curve's label goes: on the curve, as near its crossing with the ray to
// (100, y_max) as it can be without touching a label placed before it or leaving the grid. The
// short inner curves choose first. A curve with no free place takes the point of its curve
// where its label covers the least of the others. The report leaves out some labels of the
// steep charts (`skipped`); they take no room.
std::vector<Point> label_points(const std::vector<std::vector<Point>>& curves,
                                const std::vector<double>& labels, double y_max,
                                const std::vector<std::size_t>& skipped) {
  std::vector<Point> at(curves.size());
  std::vector<Box> taken;
  for (std::size_t j = 0; j < curves.size(); ++j) {
    const std::vector<Point>& points = curves[j];
    const std::size_t home = ray_crossing(points, y_max);
    at[j] = points[home];
    if (std::find(skipped.begin(), skipped.end(), j) != skipped.end()) continue;
    const std::string text = label_text(labels[j]);
    bool placed = false;
    double least = -1;
    for (std::size_t step = 0; step < 2 * points.size() && !placed; ++step) {
      const long offset = (step % 2 ? -1L : 1L) * static_cast<long>((step + 1) / 2);
      const long i = static_cast<long>(home) + offset;
      if (i < 0 || i >= static_cast<long>(points.size())) continue;
      const Point p = points[static_cast<std::size_t>(i)];
      const Box box = label_box(p, text);
      if (box.x0 < 0.2 || box.y0 < 0.2 || box.x1 > 99.5 || box.y1 > y_max - 0.5) continue;
      double covered = 0;
      for (const Box& t : taken) {
        covered += overlap_area(box, t);
        if (overlap(box, t, 1.2)) covered += 1e-6;  // touching counts, a little
      }
      if (covered == 0) {
        at[j] = p;
        placed = true;
      } else if (least < 0 || covered < least) {
        least = covered;
        at[j] = p;
      }
    }
    taken.push_back(label_box(at[j], text));
  }
  return at;
}

// "%.3f" without a minus sign on a value that rounds to zero.
double no_negative_zero(double v) { return std::fabs(v) < 0.0005 ? 0.0 : v; }

// The class values of the clay check's three lists (the list item "0" is no class).
const double kEccentricityClasses[] = {0.2, 0.4, 0.6, 0.8};
const double kInclinationClasses[] = {0.05, 0.10, 0.15, 0.20, 0.25};
const double kStrengthClasses[] = {0.2, 0.5, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0};

// The axes, then per eccentricity class and strength class the five a of the inclination classes
// and their five b: 4 + 5 + 10 + 4 * 10 * 10 = 419 numbers.
bool write_clay_table(const std::string& folder) {
  const std::string path = folder + "/KS_AB.CSV";
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  auto axis = [&](const double* values, int count) {
    for (int i = 0; i < count; ++i) std::fprintf(out, "%s%g", i ? "," : "", values[i]);
    std::fprintf(out, "\r\n");
  };
  axis(kEccentricityClasses, 4);
  axis(kInclinationClasses, 5);
  axis(kStrengthClasses, 10);
  for (double e : kEccentricityClasses) {
    for (double kappa : kStrengthClasses) {
      for (int part = 0; part < 2; ++part) {
        for (int i = 0; i < 5; ++i) {
          const auto c = qvt::bearing::clay_table_entry(e, kInclinationClasses[i], kappa);
          std::fprintf(out, "%s%.2f", i ? "," : "", part == 0 ? c.a : c.b);
        }
        std::fprintf(out, part == 0 ? "," : "\r\n");
      }
    }
  }
  return std::fclose(out) == 0;
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
    std::vector<std::vector<Point>> curves;
    for (double label : chart.labels) curves.push_back(curve_points(chart.phi, label));
    const std::vector<Point> at =
        label_points(curves, chart.labels, chart.y_max, chart.skipped_labels);
    for (std::size_t j = 0; j < curves.size(); ++j) {
      std::fprintf(out, "%s,%d,%.3f,%.3f\r\n", label_text(chart.labels[j]).c_str(),
                   kPointsPerCurve, no_negative_zero(at[j].x), no_negative_zero(at[j].y));
      for (const Point& p : curves[j])
        std::fprintf(out, "%.3f,%.3f\r\n", no_negative_zero(p.x), no_negative_zero(p.y));
    }
    if (std::fclose(out) != 0) {
      std::fprintf(stderr, "make_bearing_data: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  if (!write_clay_table(argv[1])) {
    std::fprintf(stderr, "make_bearing_data: cannot write KS_AB.CSV\n");
    return 1;
  }
  return 0;
}
