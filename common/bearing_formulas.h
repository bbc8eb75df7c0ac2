#pragma once
// The bearing capacity factor N of a surface strip on sand under an eccentric, inclined load, as
// the shipped charts FAI30..45.CSV draw it: the self-weight factor Ngamma reduced by the effective
// width B' = B - 2e and the inclination factor (1 - theta/phi)^2, so that the mean ultimate
// pressure over B is gamma * B * N / 2.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qvt::bearing {

inline constexpr double kPi = 3.14159265358979323846;

inline double radians(double degrees) { return degrees * kPi / 180.0; }

// Nq = e^(pi tan phi) tan^2(45 deg + phi/2).
inline double bearing_nq(double phi_degrees) {
  const double phi = radians(phi_degrees);
  const double t = std::tan(radians(45.0) + phi / 2.0);
  return std::exp(kPi * std::tan(phi)) * t * t;
}

// Ngamma = (Nq - 1) tan(1.4 phi).
inline double bearing_ngamma(double phi_degrees) {
  return (bearing_nq(phi_degrees) - 1.0) * std::tan(1.4 * radians(phi_degrees));
}

// N for an eccentricity ratio 2e/B and a load inclination tan(theta); 0 once the effective width
// or the inclination factor vanishes.
inline double bearing_n(double phi_degrees, double eccentricity_ratio, double tan_theta) {
  const double width_factor = 1.0 - eccentricity_ratio;
  const double inclination = 1.0 - std::atan(tan_theta) / radians(phi_degrees);
  if (width_factor <= 0.0 || inclination <= 0.0) return 0.0;
  return bearing_ngamma(phi_degrees) * width_factor * width_factor * inclination * inclination;
}

}  // namespace qvt::bearing

namespace qvt::bearing {

// The clay check's coefficients for the classes eccentricity ratio e = 2e/B, inclination
// t = tan(theta) and strength ratio kappa = B k / c0, so that Nc = a + b and Nc c0 is the mean
// ultimate pressure over B of a strip on clay whose strength grows from c0 by k per metre.
struct ClayCoefficients {
  double a;
  double b;
};

// v = (2 + pi) - ((2 + pi)/2)^2 t: (2 + pi) iC with the inclination factor
// iC = (1 + sqrt(1 - H / (B' c0))) / 2 solved for H = V t.
inline double clay_inclined_factor(double t) {
  const double n = 2.0 + kPi;
  return n - (n / 2.0) * (n / 2.0) * t;
}

inline ClayCoefficients clay_coefficients(double eccentricity_ratio, double t, double kappa) {
  const double width = 1.0 - eccentricity_ratio;
  const double v = clay_inclined_factor(t);
  const double a = v * width;
  // The growth term k B' / 4 of the plasticity solution, inclined as the c0 term.
  double b = kappa / 4.0 * width * width * v / (2.0 + kPi);
  // Never above the sliding resistance of the effective base, (1 - 2e/B) / tan(theta).
  if (t > 0.0) b = std::max(0.0, std::min(b, width / t - a));
  return {a, b};
}

// A coefficient as KS_AB.CSV holds it: "%.2f", read back.
inline double clay_table_digits(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", v);
  return std::strtod(text, nullptr);
}

// a and b of the classes (e, t, kappa) as KS_AB.CSV holds them.
inline ClayCoefficients clay_table_entry(double eccentricity_ratio, double t, double kappa) {
  const ClayCoefficients c = clay_coefficients(eccentricity_ratio, t, kappa);
  return {clay_table_digits(c.a), clay_table_digits(c.b)};
}

// The inclination where v (1 - e) touches the sliding limit (1 - e) / t: v t = 1 at
// t = 2 / (2 + pi) (0.389). v is the root of iC = (1 + sqrt(1 - H / (B' c0))) / 2 that holds only
// up to H = B' c0, which this inclination reaches; a steeper load slides on the effective base
// before the ground fails under it, so there Nc is the sliding limit.
inline double clay_sliding_inclination() { return 2.0 / (2.0 + kPi); }

// Nc = a + b at any inclination t > 0, for the eccentricity ratio e and the strength ratio kappa:
// up to clay_sliding_inclination the table's formula with a and b as the table holds them (at a
// class's t it is that class's entry), beyond it the sliding limit (1 - e) / t with no a and b.
// It falls as t rises, so a steeper load never gets a larger Nc.
struct ClayFactor {
  bool sliding;  // beyond clay_sliding_inclination: nc is the sliding limit
  double a;      // 0 when sliding
  double b;      // 0 when sliding
  double nc;
};
inline ClayFactor clay_factor(double eccentricity_ratio, double t, double kappa) {
  if (t > clay_sliding_inclination()) {
    // The sliding limit is a bound, not an estimate: cut to the two decimals Nc is shown with,
    // never rounded up past it (0.8 / 0.581 = 1.37694 is 1.37, not 1.38). The small allowance
    // keeps a quotient that is exact in decimals (0.8 / 0.4 = 2.00) from dropping a step.
    const double limit = (1.0 - eccentricity_ratio) / t;
    return {true, 0.0, 0.0, std::floor(limit * 100.0 + 1e-9) / 100.0};
  }
  const ClayCoefficients c = clay_table_entry(eccentricity_ratio, t, kappa);
  return {false, c.a, c.b, c.a + c.b};
}

}  // namespace qvt::bearing
