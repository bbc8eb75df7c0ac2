#pragma once
// The bearing capacity factor N of a surface strip on sand under an eccentric, inclined load, as
// the shipped charts FAI30..45.CSV draw it: the self-weight factor Ngamma reduced by the effective
// width B' = B - 2e and the inclination factor (1 - theta/phi)^2, so that the mean ultimate
// pressure over B is gamma * B * N / 2.
#include <algorithm>
#include <cmath>

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
