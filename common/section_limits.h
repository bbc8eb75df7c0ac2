#pragma once
// The sizes of one cross-section that the front end and the engines share: both hold the same
// conditions and block files, so both must agree on how many of each thing there are.
#include <cstdint>

namespace qvt {

inline constexpr int CASE_NORMAL = 0;
inline constexpr int CASE_SEISMIC = 1;
inline constexpr int SIDE_PASSIVE = 0;  // sea side
inline constexpr int SIDE_ACTIVE = 1;   // land side

inline constexpr int MAX_WALL_BLOCKS = 20;
inline constexpr int SHAPE_LIBRARY_SIZE = 20;
inline constexpr int MAX_PRESSURE_POINTS = 15;
inline constexpr int SOIL_LAYER_RECORDS = 15;
inline constexpr int MAX_DIMENSION_POINTS = 50;
inline constexpr int MAX_SURFACE_POINTS = 80;
inline constexpr int MAX_EMBANKMENT_LAYERS = 3;
inline constexpr int MAX_SURCHARGE_RANGES = 5;
inline constexpr int TOP_SURCHARGES_SAVED = 4;
inline constexpr int EXTERNAL_FORCES_PER_CASE = 3;
inline constexpr int POLYGON_VERTICES = 118;
inline constexpr int CAISSON_OUTLINE_POINTS = 148;
inline constexpr int COUNTERFORT_OUTLINE_POINTS = 74;
inline constexpr int PART_NAMES = 8;
inline constexpr int LIBRARY_LAYERS = 50;
inline constexpr int LIBRARY_POINTS = 100;
inline constexpr int LIBRARY_PAIRS = 100;
// Cells across and along a caisson: the block file keeps eight cell widths per direction.
inline constexpr int MAX_CAISSON_CELLS = 8;

// The largest magnitude, in m, of a level, a coordinate or a length that a file may give a
// section. A quay section spans some tens to a few hundred metres; the value 9999 that marks a
// point or value not set lies well inside. A file value beyond it is damage (1e308 where a
// level belongs), refused by the readers rather than carried into sums and printed.
inline constexpr double SECTION_EXTENT_LIMIT = 100000.0;

// A level, coordinate or length a file may give: finite and within SECTION_EXTENT_LIMIT.
inline constexpr bool section_extent_ok(double v) {
  return v >= -SECTION_EXTENT_LIMIT && v <= SECTION_EXTENT_LIMIT;  // false for NaN
}

// What a block slot holds; stored as a 16-bit integer in the block files.
enum BlockType : std::int16_t {
  BLOCK_EMPTY = -1,
  BLOCK_POLYGON = 0,
  BLOCK_RECTANGLE = 1,
  BLOCK_CAISSON = 2,
  BLOCK_FOOTING_CAISSON = 3,
  BLOCK_QUAD = 4,
  BLOCK_COUNTERFORT = 5,
  BLOCK_SOIL_POLYGON = 6,
  BLOCK_SOIL_RECTANGLE = 7,
  BLOCK_LIBRARY = 8,
};

}  // namespace qvt
