#pragma once
// Which outline points of a block slot are in use, for the block types whose store the front
// end and the engines keep alike. Caissons and library blocks differ between the two (the
// engines place a library block by its four corners, the front end by its library points), so
// each side decides those itself.
#include "common/section_limits.h"

#include <algorithm>

namespace qvt {

// Sets [first, end) and returns true for polygons, rectangles, quadrilaterals and counterforts
// (soil blocks alike); returns false, leaving both untouched, for any other type.
template <class Block>
bool shared_block_vertex_range(const Block& b, int& first, int& end) {
  switch (b.block_type) {
    case BLOCK_POLYGON:
    case BLOCK_SOIL_POLYGON:
      first = 0;
      end = std::clamp<int>(b.polygon.vertex_count, 0, POLYGON_VERTICES);
      return true;
    case BLOCK_RECTANGLE:
    case BLOCK_SOIL_RECTANGLE:
      // A rectangle keeps its four corners after the polygon's first ten points.
      first = 10;
      end = 14;
      return true;
    case BLOCK_QUAD:
      first = 0;
      end = 4;
      return true;
    case BLOCK_COUNTERFORT:
      first = 0;
      end = std::clamp<int>(b.counterfort.outline_count, 0, COUNTERFORT_OUTLINE_POINTS);
      return true;
    default:
      return false;
  }
}

}  // namespace qvt
