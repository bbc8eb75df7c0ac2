#include "engines/common/rounding_geometry.h"

#include <cmath>

namespace qvt::engine {
namespace {

// The first decimal digit of q decides the last step: above 5 up, below 5 down, 5 to the even
// neighbour. m is q rounded down with the usual thousandth of tolerance.
double round_on_first_decimal(double q, double m) {
  const double k = std::fmod(std::floor(10.0 * q + 0.001), 10.0);
  if (k > 5.0) return m + 1.0;
  if (k == 5.0) return std::fmod(m, 2.0) != 0.0 ? m + 1.0 : m;
  return m;
}

}  // namespace

double round_to_unit(double value, double unit, int mode) {
  if (mode == 9) return value;
  if (unit == 0.0) return value;
  double q = value / unit;
  if (!std::isfinite(q)) return value;
  double sign = 1.0;
  if (q < 0.0) {
    sign = -1.0;
    q = -q;
  }

  double m = 0.0;
  switch (mode) {
    case 0: {
      if (q == 0.0) return 0.0;  // log10(0) has no digit count to give
      // The allowance sits at the fifteenth significant digit of q.
      const int n = static_cast<int>(std::trunc(std::log10(q)));
      const double eps = std::pow(10.0, n - 15);
      const double t = std::floor(q + eps);
      const double d = q - t;
      if (d > 0.4999 && d < 0.5001)
        m = std::fmod(t, 2.0) == 0.0 ? t : t + 1.0;
      else
        m = std::floor(q + 0.5 + eps);
      break;
    }
    case 1:
      m = std::floor(q + 0.001);
      break;
    case 2:
      m = std::floor(q - 0.001) + 1.0;
      break;
    case 3: {
      m = std::floor(q + 0.001);
      // Digits beyond the first decimal leave a fraction above 0.001 here. The test allows for
      // the binary form of one-decimal values (10 * 2.5 + 0.001 leaves 0.0010000000000012), which
      // would otherwise count as having further digits and lose the half-to-even rule.
      const double f = 10.0 * q + 0.001;
      if (f - std::floor(f) > 0.001 + 1e-6)
        m = std::floor(q + 0.501);  // digits beyond the first decimal: plain half up
      else
        m = round_on_first_decimal(q, m);
      break;
    }
    default:
      m = round_on_first_decimal(q, std::floor(q + 0.001));
      break;
  }
  return m * sign * unit;
}

double compute_cross_product(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4) {
  return (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3);
}

int intersect_lines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                    double y4, double& x, double& y) {
  x = 0.0;
  y = 0.0;
  const double c = compute_cross_product(x1, y1, x2, y2, x3, y3, x4, y4);
  if (std::fabs(c) < 1e-10) return -1;

  // t runs along P1->P2 (0 at P1, 1 at P2), s along P3->P4.
  const double t = compute_cross_product(x1, y1, x3, y3, x3, y3, x4, y4) / c;
  const double s = compute_cross_product(x3, y3, x1, y1, x1, y1, x2, y2) /
                   compute_cross_product(x3, y3, x4, y4, x1, y1, x2, y2);
  // The point is taken on the line whose parameter is smaller in magnitude.
  if (std::fabs(s) >= std::fabs(t)) {
    x = (1.0 - t) * x1 + t * x2;
    y = (1.0 - t) * y1 + t * y2;
  } else {
    x = (1.0 - s) * x3 + s * x4;
    y = (1.0 - s) * y3 + s * y4;
  }
  int code = 0;
  if (t < 0.0 || t > 1.0) code += 1;
  if (s < 0.0 || s > 1.0) code += 2;
  return code;
}

}  // namespace qvt::engine
