#pragma once
// The improvement pattern: how the improved ground under the wall is laid out. The conditions
// file keeps it as an integer (the item improvement_pattern); a damaged file may hold any
// other value, which each user either refuses with a message naming it or treats as it says.
namespace qvt {

enum ImprovementPattern : int {
  PATTERN_BLOCK = 0,            // one block of improved ground
  PATTERN_WALL = 1,             // long walls joined by short walls, unimproved soil between
  PATTERN_TANGENT_CIRCLES = 2,  // columns touching each other, at an improvement ratio
  PATTERN_LATTICE = 3,          // long and short walls closing cells of unimproved soil
};

// One of the four patterns.
inline constexpr bool known_improvement_pattern(int pattern) {
  return pattern >= PATTERN_BLOCK && pattern <= PATTERN_LATTICE;
}

// The wall and the lattice pattern: bodies of walls with unimproved soil between them.
inline constexpr bool has_short_walls(int pattern) {
  return pattern == PATTERN_WALL || pattern == PATTERN_LATTICE;
}

}  // namespace qvt
