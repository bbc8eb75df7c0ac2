#include "engines/common/pressure_helpers.h"

#include "engines/common/message_table.h"

#include <cmath>
#include <cstring>

namespace qvt::engine {

double round_to_decimals(double v, double n) {
  if (v == 0.0 || !std::isfinite(v)) return v == 0.0 ? 0.0 : v;
  const double sign = v < 0.0 ? -1.0 : 1.0;
  const double scale = std::pow(10.0, n);
  const double a = std::fabs(v) * scale;
  if (!std::isfinite(a)) return v;
  const int k = static_cast<int>(std::trunc(std::log10(a)));
  const double r = std::floor(a + 0.5 + 1.0 / std::pow(10.0, 15 - k));
  return sign * (r / scale);
}

namespace {
inline int wrap(int i, int count) { return ((i % count) + count) % count; }
}  // namespace

double compute_polygon_area_centroid(const double* x, const double* y, int count, double& cx,
                                     double& cy) {
  cx = cy = 0.0;
  if (count < 3 || x == nullptr || y == nullptr) return 0.0;
  double s = 0, sx = 0, sy = 0;
  for (int i = 0; i < count; ++i) {
    const double xp = x[wrap(i - 1, count)], xn = x[wrap(i + 1, count)];
    const double t = (xp - xn) * y[i];
    s += t;
    sx += (xp + xn) * 0.5 * t;
    sy += y[i] * 0.5 * t;
  }
  const double area = std::fabs(s) * 0.5;
  if (area > 0.0) {
    cx = sx / s;
    cy = sy / s;
  }
  return area;
}

double round_shoelace_term(const double* x, const double* y, int count, int i) {
  if (count < 3 || i < 0 || i >= count || x == nullptr || y == nullptr) return 0.0;
  return round_to_decimals((x[wrap(i - 1, count)] - x[wrap(i + 1, count)]) * y[i], 8);
}

int transform_to_page(double x, double y, double x0, double y0, double c, double s, double k,
                      double ox, double oy, double& X, double& Y) {
  return transform_to_page_xy(x, y, x0, y0, c, s, k, k, ox, oy, X, Y);
}

int transform_to_page_xy(double x, double y, double x0, double y0, double c, double s,
                         double kx, double ky, double ox, double oy, double& X, double& Y) {
  const double dx = x - x0, dy = y - y0;
  X = (dx * c + dy * s) * kx + ox;
  Y = (dy * c - dx * s) * ky + oy;
  return 0;
}

int get_case_range(const ConditionData& data, int& first, int& end) {
  switch (data.seismic_check) {
    case 0: first = CASE_NORMAL; end = 1; break;
    case 1: first = CASE_SEISMIC; end = 2; break;
    default: first = CASE_NORMAL; end = 2; break;
  }
  return 0;
}

int reset_surcharge_values(ConditionData& data) {
  if (data.surface_shape == 1) data.surface_slope_angle = 0.0;
  if (data.surface_shape == 0 && data.seismic_check == 0)
    data.surface_surcharge[CASE_SEISMIC] = 0.0;
  return 0;
}

void clear_array(void* buffer, long size) {
  if (size < 0 || static_cast<unsigned long>(size) > kClearArrayLimit) show_error(60);
  if (size > 0 && buffer != nullptr) std::memset(buffer, 0, static_cast<std::size_t>(size));
}

}  // namespace qvt::engine
