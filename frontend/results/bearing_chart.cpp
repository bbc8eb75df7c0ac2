#include "frontend/results/bearing_chart.h"

#include "common/textfile.h"
#include "frontend/model/block_geometry.h"
#include "frontend/results/line_layout.h"

#include <cmath>
#include <limits>
#include <system_error>

namespace qvt::results {

namespace {

// The charts span 2e/B from 0 to 1 and tan(theta) from 0 to 1 (a load inclined at most 45
// degrees): 0 to 100 chart units on both axes.
bool on_chart_axes(ChartPoint p) {
  return p.x >= 0.0 && p.x <= kChartAxisEnd && p.y >= 0.0 && p.y <= kChartAxisEnd;
}

}  // namespace

int opening_chart_index(double phi) {
  int index = 0;
  for (int c = 0; c < kChartCount; ++c)
    if (kChartAngles[c] <= phi) index = c;
  return index;
}

std::optional<BearingChart> parse_bearing_chart(const std::string& text) {
  const std::vector<std::string> lines = without_trailing_blank_lines(split_lines(text));
  std::size_t l = 0;
  // The next line, holding exactly `count` numbers.
  auto next = [&](std::size_t count, double* out) {
    return l < lines.size() && line_numbers(lines[l++], count, out);
  };
  // A count: a whole number within lo..hi.
  auto whole = [](double v, int lo, int hi) {
    return v >= lo && v <= hi && v == std::floor(v);
  };
  double curve_count = 0;
  if (!next(1, &curve_count) || !whole(curve_count, 2, kMaxCurves)) return std::nullopt;
  BearingChart chart;
  chart.curves.resize(static_cast<std::size_t>(curve_count));
  for (ChartCurve& curve : chart.curves) {
    double head[4];
    if (!next(4, head) || !whole(head[1], 2, kMaxCurvePoints)) return std::nullopt;
    curve.label = head[0];
    curve.label_at = {head[2], head[3]};
    if (!on_chart_axes(curve.label_at)) return std::nullopt;
    curve.points.resize(static_cast<std::size_t>(head[1]));
    for (ChartPoint& p : curve.points) {
      double xy[2];
      if (!next(2, xy)) return std::nullopt;
      p = {xy[0], xy[1]};
      if (!on_chart_axes(p)) return std::nullopt;
    }
  }
  // Nothing may follow the last curve's last point.
  if (l != lines.size()) return std::nullopt;
  return chart;
}

ChartLoad load_bearing_charts(const std::filesystem::path& folder) {
  ChartLoad load;
  for (int c = 0; c < kChartCount; ++c) {
    const std::filesystem::path path = folder / kChartFiles[c];
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
      load.missing = true;
      load.failed_file = kChartFiles[c];
      return load;
    }
    const std::optional<std::string> bytes = read_file_bytes(path);
    std::optional<BearingChart> chart;
    if (bytes) chart = parse_bearing_chart(*bytes);
    if (!chart) {
      load.failed_file = kChartFiles[c];
      return load;
    }
    load.charts[c] = std::move(*chart);
  }
  load.ok = true;
  return load;
}

double compute_cross_product(ChartPoint p1, ChartPoint p2, ChartPoint p3, ChartPoint p4) {
  return (p2.x - p1.x) * (p4.y - p3.y) - (p2.y - p1.y) * (p4.x - p3.x);
}

double compute_dot_product(ChartPoint p1, ChartPoint p2, ChartPoint p3, ChartPoint p4) {
  return (p2.x - p1.x) * (p4.x - p3.x) + (p2.y - p1.y) * (p4.y - p3.y);
}

LinePoint intersect_lines(ChartPoint p1, ChartPoint p2, ChartPoint p3, ChartPoint p4) {
  LinePoint r;
  const double d = compute_cross_product(p1, p2, p3, p4);
  if (std::fabs(d) < 1e-10) return r;
  const double t = compute_cross_product(p1, p3, p3, p4) / d;
  const double s = compute_cross_product(p3, p1, p1, p2) / compute_cross_product(p3, p4, p1, p2);
  // The parameter of smaller magnitude loses the least to cancellation.
  if (std::fabs(s) >= std::fabs(t))
    r.at = {(1 - t) * p1.x + t * p2.x, (1 - t) * p1.y + t * p2.y};
  else
    r.at = {(1 - s) * p3.x + s * p4.x, (1 - s) * p3.y + s * p4.y};
  r.code = ((t < 0 || t > 1) ? 1 : 0) + ((s < 0 || s > 1) ? 2 : 0);
  return r;
}

LinePoint project_point_on_line(ChartPoint p1, ChartPoint p2, ChartPoint q) {
  LinePoint r;
  const double l = (p1.x - p2.x) * (p1.x - p2.x) + (p1.y - p2.y) * (p1.y - p2.y);
  if (std::fabs(l) < 1e-10) return r;
  const double t = compute_dot_product(p1, p2, p1, q) / l;
  r.at = {(1 - t) * p1.x + t * p2.x, (1 - t) * p1.y + t * p2.y};
  r.code = (t >= 0 && t <= 1) ? 0 : 1;
  return r;
}

namespace {

double distance(ChartPoint a, ChartPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

// Distance of the point from a curve: from the foot on a segment where it falls inside, else from
// the segment's first point (and, on the last segment, its last point).
double curve_distance(const ChartCurve& curve, ChartPoint p) {
  double best = 999.0;
  const int n = static_cast<int>(curve.points.size());
  for (int i = 0; i + 1 < n; ++i) {
    const LinePoint foot = project_point_on_line(curve.points[i], curve.points[i + 1], p);
    double candidate = (foot.code == 0) ? distance(p, foot.at) : distance(p, curve.points[i]);
    if (foot.code != 0 && i == n - 2)
      candidate = std::min(candidate, distance(p, curve.points[i + 1]));
    if (candidate <= best) best = candidate;
  }
  return best;
}

}  // namespace

ChartReading read_chart_n_value(const BearingChart& chart, double ratio, double tan_theta) {
  ChartReading reading;
  const int n = static_cast<int>(chart.curves.size());
  if (n < 2) {
    reading.outside = true;
    return reading;
  }
  const ChartPoint p{100.0 * ratio, 100.0 * tan_theta};

  // Cuts of the horizontal probe at the point's height with each curve that starts at or above it.
  std::vector<std::optional<double>> cut_x(n);
  bool any_cut = false;
  for (int j = 0; j < n; ++j) {
    const ChartCurve& curve = chart.curves[j];
    if (curve.points[0].y < p.y) continue;
    for (std::size_t i = 0; i + 1 < curve.points.size(); ++i) {
      const LinePoint cut =
          intersect_lines({-10.0, p.y}, {110.0, p.y}, curve.points[i], curve.points[i + 1]);
      if (cut.code == 0) {
        cut_x[j] = cut.at.x;
        any_cut = true;
        break;
      }
    }
  }
  // Above every curve, or below the 2e/B axis: the chart says nothing there.
  if (!any_cut || p.y < 0.0) {
    reading.outside = true;
    return reading;
  }

  // The first interval is open to the left, so a centred load (X = 0) and any point left of the
  // first cut extrapolate from the first two curves rather than from the last two.
  double prev = -std::numeric_limits<double>::infinity();
  int last = 0;
  for (int j = 0; j < n && reading.mode == BRACKET_NONE; ++j) {
    if (!cut_x[j]) continue;
    last = j;
    if (prev < p.x && p.x <= *cut_x[j]) {
      if (j == 0) {
        reading.curves = {0, 1};
        reading.mode = BRACKET_INSIDE_FIRST;
      } else {
        reading.curves = {j - 1, j};
        reading.mode = BRACKET_BETWEEN;
      }
    } else {
      prev = *cut_x[j];
    }
  }
  if (reading.mode == BRACKET_NONE) {
    if (last < n - 1) {
      reading.curves = {last, last + 1};
      reading.mode = BRACKET_BETWEEN;
    } else {
      reading.curves = {last - 1, last};
      reading.mode = BRACKET_BEYOND_LAST;
    }
  }

  for (int k = 0; k < 2; ++k) reading.distances[k] = curve_distance(chart.curves[reading.curves[k]], p);
  const double l0 = chart.curves[reading.curves[0]].label;
  const double l1 = chart.curves[reading.curves[1]].label;
  const double d0 = reading.distances[0];
  const double d1 = reading.distances[1];
  double value = 0.0;
  switch (reading.mode) {
    case BRACKET_BETWEEN:
      value = (d0 + d1 == 0.0) ? std::min(l0, l1) : l0 - (l0 - l1) * d0 / (d0 + d1);
      break;
    case BRACKET_BEYOND_LAST:
      value = (d0 == d1) ? std::min(l0, l1) : l1 - (l0 - l1) * d1 / (d0 - d1);
      break;
    case BRACKET_INSIDE_FIRST:
      value = (d0 == d1) ? std::min(l0, l1) : l0 + (l0 - l1) * d0 / (d1 - d0);
      break;
    case BRACKET_NONE:
      break;
  }
  value = model::round_in_units(value, l1 >= 1.0 ? 0.1 : 0.01, 0);
  // Extrapolated past the last curve a value can fall below zero; no ground carries less than
  // nothing.
  reading.n = value > 0.0 ? value : 0.0;
  return reading;
}

}  // namespace qvt::results
