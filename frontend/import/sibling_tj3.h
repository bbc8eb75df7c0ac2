#pragma once
// The sibling program's single-file design <base>.TJ3: conditions, wall blocks, check points
// and other forces in one text file. Most of its items are read as text and dropped; the reader
// keeps what the import takes over and reads everything else only to stay in step.
#include "frontend/import/sibling_files.h"
#include "frontend/model/project.h"

#include <array>
#include <string>
#include <vector>

namespace qvt::import {

inline constexpr int kTj3ForceGroups = 16;
inline constexpr int kTj3MaxCheckPointPoints = 17;

struct Tj3Design {
  // Levels, study grid, seismic flag, top surcharges (all five ranges), dynamic water rule and
  // check point number; the top-surcharge rule is not in this file.
  SiblingConditions conditions;
  i16 hwl_loads_given = 0;  // 1: rows 2 and 3 of the top-surcharge loads belong to the H.W.L.
  std::array<SiblingCheckPoint, kSiblingCheckPoints> check_points{};
  // Every force of every group, as many as each group's count names.
  std::array<std::vector<SiblingForce>, kTj3ForceGroups> force_groups;
  // A library entry whose centroid X is set layer by layer, which this system cannot follow.
  bool centroid_by_layer = false;
};

// Reads <base>.TJ3's lines (CP932, without line ends). The block section goes straight into
// the slots 0..19, `block_label_numbers` and the shape library of `blocks` (outlines are not
// rebuilt here; the file's block count is dropped, as the project's writers count the used
// slots themselves); everything else into `out`. The file is held to its line layout: each
// read step (group) of the layout is one line, as the sibling program writes one statement a
// line. False on any read error: an item missing or not a number where one is needed, a line
// holding more or fewer items than its group, a count beyond its store, a level, coordinate or
// length beyond the section's extent, a block type outside -1..8, or no line "#他外力" before
// the end.
bool read_tj3(std::vector<std::string> lines, Tj3Design& out, model::ProjectModel& blocks);

}  // namespace qvt::import
