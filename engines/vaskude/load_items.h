#pragma once
// Load items of the pressure diagrams: forces rounded to 0.001, moments about the toe.
namespace qvt::vaskude {

// round(f x intensity x height, 3): f 1 for a rectangle (shape 1), 0.5 for a triangle.
double item_force(int shape, double intensity, double height);
// round(force x arm, 3).
double item_moment(double force, double arm);
// Mean of the three corners on each axis, rounded to 0.001.
void triangle_centroid(const double p[3], const double z[3], double& cx, double& cz);
// Starts the table of a case: no items, item sums of the case 0.
void start_load_table(int load_case);
// The trapezoid (0, t), (pt, t), (0, b), (pb, b) as items of the current case's table.
// Horizontal items take the arm centroid level - reference; vertical items the reference.
void add_trapezoid(double pt, double pb, double t, double b, bool vertical, double reference);

}  // namespace qvt::vaskude
