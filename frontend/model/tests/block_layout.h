#pragma once
// The layout of the block file, line by line, as the tests count it: the items per line of each
// record, where each slot's record starts, and the file an older version wrote.
#include "common/numtext.h"
#include "frontend/model/block_file.h"
#include "frontend/model/project.h"

#include <algorithm>
#include <string>
#include <vector>

namespace qvt::model::testing {

inline constexpr int kText = 0;  // a text line in a shape: its items are not counted

// The items per line of each kind of record, written out from the layout so that a line too
// many, too few or in the wrong place shows up.
inline std::vector<int> head_shape() { return {kText, 1, 1, 1, 6, 2, 2}; }
inline void append(std::vector<int>& to, std::vector<int> more) {
  to.insert(to.end(), more.begin(), more.end());
}
inline void append_tens(std::vector<int>& to, int values) {
  for (int k = 0; k < values; k += 10) to.push_back(std::min(10, values - k));
}

inline std::vector<int> record_shape(int type) {
  std::vector<int> s = {1, 1, 1};
  append(s, head_shape());
  switch (type) {
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON:
    case BLOCK_COUNTERFORT: {
      const int points = type == BLOCK_COUNTERFORT ? 74 : 148;
      append(s, {1, 1, 4, 4, 4, 4, 8, 8, 1});
      for (int k = 0; k < 8; ++k) s.push_back(kText);
      append(s, {8, 8, 8, 8, 1});
      append_tens(s, points);
      append_tens(s, points);
      s.push_back(1);
      break;
    }
    case BLOCK_QUAD:
    case BLOCK_LIBRARY:
      append(s, {1, 1, 1, 1, 4, 4, 1});
      if (type == BLOCK_LIBRARY) append(s, {1, 1});
      append_tens(s, 223);
      s.push_back(type == BLOCK_LIBRARY ? 3 : 5);
      break;
    default:
      append(s, {1, 1});
      append_tens(s, 118);
      append_tens(s, 118);
      s.push_back(3);
      break;
  }
  return s;
}

inline std::vector<int> file_shape(const ProjectModel& m) {
  std::vector<int> s = {1, 1};
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot)
    append(s, record_shape(m.wall_blocks[slot].block_type));
  append(s, {20, 1});
  for (int e = 0; e < m.shape_library_count; ++e) {
    const ShapeEntry& entry = m.shape_library[e];
    append(s, {kText, kText, 6, 1});
    s.insert(s.end(), entry.layer_count, 3);
    s.push_back(1);
    s.insert(s.end(), entry.point_count, 2);
    s.push_back(1);
    s.insert(s.end(), entry.pair_count, 2);
  }
  return s;
}

// Index of the type line of a slot's record.
inline int record_start(const ProjectModel& m, int slot) {
  int line = 2;
  for (int s = 0; s < slot; ++s)
    line += static_cast<int>(record_shape(m.wall_blocks[s].block_type).size());
  return line;
}

// Builds the file an older version wrote from a current one: caisson records with 74 outline
// points per axis before version 3, no label line and no library before version 6.
inline std::vector<std::string> older_block_file(int version, const ProjectModel& m) {
  ProjectModel copy = m;
  std::vector<std::string> current = block_file_lines(copy).lines;
  std::vector<std::string> out(current.begin(), current.begin() + 2);
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    const int r = record_start(m, slot);
    const i16 type = m.wall_blocks[slot].block_type;
    const int length = static_cast<int>(record_shape(type).size());
    if (version < 3 && (type == BLOCK_CAISSON || type == BLOCK_FOOTING_CAISSON)) {
      out.insert(out.end(), current.begin() + r, current.begin() + r + 32);
      const CaissonShape& c = m.wall_blocks[slot].caisson;
      for (const auto* axis : {&c.outline_x, &c.outline_y})
        for (int k = 0; k < 74; k += 10) {
          std::string line;
          for (int i = k; i < std::min(74, k + 10); ++i)
            line += (i == k ? "" : ",") + format_real((*axis)[i]);
          out.push_back(line);
        }
      out.push_back(current[r + 62]);
    } else {
      out.insert(out.end(), current.begin() + r, current.begin() + r + length);
    }
  }
  if (version >= 6) out.insert(out.end(), current.begin() + record_start(m, 20), current.end());
  return out;
}

}  // namespace qvt::model::testing
