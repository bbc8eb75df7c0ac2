#pragma once
// The front end's own small geometry: rounding, the vertices of a block slot as the section
// picture snaps to them, and the segment operations the outline builders use. The engines carry
// twins of some of these that behave differently in places; these are the front end's.
#include "frontend/model/project.h"

namespace qvt::model {

// Rounds value to a whole multiple of unit, symmetric about zero.
//   mode 9: value unchanged;
//   mode 0: half away from zero, with a remainder of 0.499 of a unit or more rounding up;
//   mode 1: toward zero, unless within 0.001 of a unit below the next step;
//   any other mode: 0.
// A unit that is not a positive finite number cannot round anything: value comes back unchanged.
double round_in_units(double value, double unit, int mode);

// The library entry a library block names, or nullptr when library_index does not name one of the
// shape_library_count entries in use (an entry beyond the count is not saved with the project).
const ShapeEntry* library_entry(const ProjectModel& m, int library_index);

// The vertex index range first <= j < end of a slot, by its block type:
//   0, 6: 0 .. vertex_count;  1, 7: 10 .. 14;  2, 3: 0 .. tail (cells and divisions included);
//   4: 0 .. 4;  5: 0 .. outline_count;  8: 1 .. point_count of its library entry, last point
//   included (end = point_count + 1).
// Counts are cut to the size of their arrays. False, outputs untouched, for an empty slot, an
// unknown type, a slot outside 0..19 or a library block whose entry is not in the library.
bool get_block_vertex_range(const ProjectModel& m, int slot, int& first, int& end);

// The absolute position of vertex j of a slot. Polygon and rectangle vertices that are unset come
// back as (9999, 9999). A library point is placed at the block's reference point; a reflected
// block reflects it about the vertical line at half the block's width values[1], as its corners
// are built. False, outputs untouched, when the slot, the library entry or j lies outside its
// array, or the slot is empty.
bool get_block_vertex(const ProjectModel& m, int slot, int j, double& x, double& y);

// (x2 - x1)(y4 - y3) - (y2 - y1)(x4 - x3): the cross product of P1->P2 with P3->P4.
double compute_cross_product(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4);

// Intersection of the line through P1, P2 with the line through P3, P4. Code 0 when the point
// lies on both segments (ends included), +1 when outside P1-P2, +2 when outside P3-P4; -1 for
// parallel lines (|cross product| < 1e-10), and then x and y are left as they were.
int intersect_lines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                    double y4, double& x, double& y);

// The point `length` beyond P2 on the line from P1 through P2 (a negative length goes back
// toward P1). -1, outputs untouched, when P1 and P2 coincide (distance < 1e-10); else 0.
int extend_segment(double x1, double y1, double x2, double y2, double length, double& x,
                   double& y);

// P2 moved by `distance` square to P1->P2, to its left (y up). -1, outputs untouched, when P1 and
// P2 coincide (distance < 1e-10); else 0.
int offset_point_from_line(double x1, double y1, double x2, double y2, double distance, double& x,
                           double& y);

}  // namespace qvt::model
