#include "frontend/model/block_geometry.h"

#include "common/block_vertex_range.h"

#include <algorithm>
#include <cmath>

namespace qvt::model {

namespace {

constexpr double kParallel = 1e-10;
constexpr double kCoincident = 1e-10;

bool valid_slot(int slot) { return slot >= 0 && slot < MAX_WALL_BLOCKS; }

int clamp_count(int count, int size) { return std::clamp(count, 0, size); }

}  // namespace

double round_in_units(double value, double unit, int mode) {
  if (mode == 9) return value;
  if (!(unit > 0) || !std::isfinite(unit)) return value;
  double q = value / unit;
  double sign = 1;
  if (q < 0) {
    sign = -1;
    q = -q;
  }
  double m = 0;
  if (mode == 0) {
    m = std::floor(q + 0.501);
  } else if (mode == 1) {
    m = std::trunc(q + 0.001);
  }
  // A negative value that rounds to nothing gives 0, not -0, so it never shows as "-0.000".
  return m * sign * unit + 0.0;
}

const ShapeEntry* library_entry(const ProjectModel& m, int library_index) {
  const int in_use = clamp_count(m.shape_library_count, SHAPE_LIBRARY_SIZE);
  if (library_index < 0 || library_index >= in_use) return nullptr;
  return &m.shape_library[library_index];
}

bool get_block_vertex_range(const ProjectModel& m, int slot, int& first, int& end) {
  if (!valid_slot(slot)) return false;
  const WallBlock& b = m.wall_blocks[slot];
  if (shared_block_vertex_range(b, first, end)) return true;
  switch (b.block_type) {
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON:
      first = 0;
      end = clamp_count(b.caisson.tail, CAISSON_OUTLINE_POINTS);
      return true;
    case BLOCK_LIBRARY: {
      const ShapeEntry* e = library_entry(m, b.library.library_index);
      if (e == nullptr) return false;
      // Points are numbered from 1, so the last one is point_count itself.
      first = 1;
      end = clamp_count(e->point_count, LIBRARY_POINTS) + 1;
      return true;
    }
    default:
      return false;
  }
}

bool get_block_vertex(const ProjectModel& m, int slot, int j, double& x, double& y) {
  if (!valid_slot(slot) || j < 0) return false;
  const WallBlock& b = m.wall_blocks[slot];
  switch (b.block_type) {
    case BLOCK_EMPTY:
      return false;
    case BLOCK_POLYGON:
    case BLOCK_SOIL_POLYGON:
    case BLOCK_RECTANGLE:
    case BLOCK_SOIL_RECTANGLE: {
      const PolygonShape& p = b.polygon;
      if (j >= POLYGON_VERTICES) return false;
      if (p.vertex_x[j] == UNSET_COORD || p.vertex_y[j] == UNSET_COORD) {
        x = UNSET_COORD;
        y = UNSET_COORD;
      } else if (b.block_type == BLOCK_RECTANGLE || b.block_type == BLOCK_SOIL_RECTANGLE) {
        x = p.vertex_x[j];  // rectangle corners are stored absolute
        y = p.vertex_y[j];
      } else {
        x = p.head.ref_x + p.vertex_x[j];
        y = p.head.ref_y + p.vertex_y[j];
      }
      return true;
    }
    case BLOCK_QUAD:
      if (j >= 4) return false;
      x = b.quad.corner_x[j];
      y = b.quad.corner_y[j];
      return true;
    case BLOCK_LIBRARY: {
      const LibraryShape& l = b.library;
      const ShapeEntry* e = library_entry(m, l.library_index);
      if (e == nullptr || j > LIBRARY_POINTS) return false;
      x = l.mirrored != 0 ? l.head.ref_x + l.values[1] - e->point_x[j]
                          : l.head.ref_x + e->point_x[j];
      y = l.head.ref_y + e->point_y[j];
      return true;
    }
    case BLOCK_COUNTERFORT:
      if (j >= COUNTERFORT_OUTLINE_POINTS) return false;
      x = b.counterfort.outline_x[j];
      y = b.counterfort.outline_y[j];
      return true;
    default:  // caissons and any other type
      if (j >= CAISSON_OUTLINE_POINTS) return false;
      x = b.caisson.outline_x[j];
      y = b.caisson.outline_y[j];
      return true;
  }
}

double compute_cross_product(double x1, double y1, double x2, double y2, double x3, double y3,
                             double x4, double y4) {
  return (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3);
}

int intersect_lines(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                    double y4, double& x, double& y) {
  const double c = compute_cross_product(x1, y1, x2, y2, x3, y3, x4, y4);
  if (std::fabs(c) < kParallel) return -1;
  // t runs along P1->P2 (0 at P1, 1 at P2), s along P3->P4.
  const double t = compute_cross_product(x1, y1, x3, y3, x3, y3, x4, y4) / c;
  const double s = compute_cross_product(x3, y3, x1, y1, x1, y1, x2, y2) /
                   compute_cross_product(x3, y3, x4, y4, x1, y1, x2, y2);
  // The point is computed on the line where it lies nearer that line's first point, which
  // extrapolates less.
  if (std::fabs(s) >= std::fabs(t)) {
    x = (1 - t) * x1 + t * x2;
    y = (1 - t) * y1 + t * y2;
  } else {
    x = (1 - s) * x3 + s * x4;
    y = (1 - s) * y3 + s * y4;
  }
  int code = 0;
  if (t < 0 || t > 1) code += 1;
  if (s < 0 || s > 1) code += 2;
  return code;
}

int extend_segment(double x1, double y1, double x2, double y2, double length, double& x,
                   double& y) {
  const double len = std::hypot(x2 - x1, y2 - y1);
  if (len < kCoincident) return -1;
  const double k = (len + length) / len;
  x = (1 - k) * x1 + k * x2;
  y = (1 - k) * y1 + k * y2;
  return 0;
}

int offset_point_from_line(double x1, double y1, double x2, double y2, double distance, double& x,
                           double& y) {
  const double len = std::hypot(x2 - x1, y2 - y1);
  if (len < kCoincident) return -1;
  const double k = distance / len;
  x = (1 - k) * x2 + k * (x2 - (y2 - y1));
  y = (1 - k) * y2 + k * (y2 + (x2 - x1));
  return 0;
}

}  // namespace qvt::model
