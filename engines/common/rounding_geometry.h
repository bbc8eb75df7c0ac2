#pragma once
// The engines' one rounding routine and the plane geometry they share: line intersection and
// the cross product of two directions. Plain computations, no allocation, no error reporting.

namespace qvt::engine {

// Value rounded to a whole multiple of unit by the rule of mode, worked on the magnitude with
// the sign put back (every mode is symmetric about zero):
//   0  nearest; a fraction within 0.4999..0.5001 of the unit is a half and goes to the even
//      multiple (with an allowance at the fifteenth significant digit);
//   1  down, with a tolerance of a thousandth of the unit;
//   2  up, with the same tolerance;
//   3  nearest on the first decimal of value/unit, a half on exactly one decimal going to the
//      even multiple; more decimals round half up;
//   9  the value itself, whatever the unit;
//   any other mode: the first decimal of value/unit alone decides, a 5 going to the even side.
// A unit of 0 (never passed by the engines) and a value that is not finite return the value.
double round_to_unit(double value, double unit, int mode);

// z component of the cross product of the direction P1->P2 with the direction P3->P4:
// (x2 - x1)(y4 - y3) - (y2 - y1)(x4 - x3).
double compute_cross_product(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4);

// Intersection of the line through P1, P2 with the line through P3, P4.
// Returns -1 for parallel lines (|cross product| < 1e-10; x and y are then 0), otherwise
// 0 when the point lies on both segments (ends included), 1 outside the first segment only,
// 2 outside the second only, 3 outside both.
int intersect_lines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                    double y4, double& x, double& y);

}  // namespace qvt::engine
