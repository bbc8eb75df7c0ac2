#pragma once
// The sibling program's design files as the import stages them: each reader takes one file's
// lines (CP932, without line ends) into a fresh record and reports only whether it read
// everything it needs, so a project changes only after every file was read.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qvt::import {

using i16 = std::int16_t;

struct SiblingForce {
  std::string name;
  double vertical = 0, horizontal = 0, x = 0, y = 0;
};

struct SiblingConditions {
  i16 sibling_version = 0;
  i16 seismic_studied = 0;
  std::array<double, 8> sibling_levels{};
  i16 top_surcharge_rule = 1;
  i16 check_point_number = 0;
  std::array<i16, 3> force_counts{};
  std::array<double, 5> top_surcharge_x_min{}, top_surcharge_x_max{};
  double top_surcharge_loads[5][5] = {};
  SiblingForce sibling_forces[4][4];
  i16 dynamic_water_rule = 0;
  i16 adopted_case = 0;
  std::array<i16, 4> case_grid{};
};

struct SiblingCheckPoint {
  i16 number = 0;
  double x = 0, y = 0, z = 0;
  i16 flag = 0;
  std::array<i16, 21> block_flags{};
};

// One line of the hand-over file: the six body-reaction values, the dynamic water force and
// the level of its resultant above the seismic check point.
struct SiblingHandOver {
  qvt::model::BodyReaction reaction;
  double dynamic_water_force = 0;
  double dynamic_water_level = 0;
};

inline constexpr int kSiblingCheckPoints = 16;  // the files fill 0..14; 15 stays all zero
inline constexpr int kSiblingVersionGroup68 = 2133;
inline constexpr int kSiblingVersionFull = 2200;

// <base>.TJ2. False when an item is missing or malformed, a count of group 80 exceeds 4, or
// the rule of the top surcharges is neither 1 nor 2.
bool read_tj2(std::vector<std::string> lines, SiblingConditions& out);
// <base>.TB2 into the slots, label numbers and shape library of `m` (see
// model::read_sibling_block_items), with the tokens of the other three files.
bool read_tb2(std::vector<std::string> lines, int sibling_version, model::ProjectModel& m,
              model::MessageSink& messages);
// <base>.TK2 into entries 0..14.
bool read_tk2(std::vector<std::string> lines, std::array<SiblingCheckPoint, kSiblingCheckPoints>& out);
// <base>.SIN: `count` lines (2 or 4) of exactly eight numbers each, from a file of whole studies
// (an even number of lines, empty lines at the end aside); the levels and lengths within the
// section's extent.
bool read_sin(std::vector<std::string> lines, int count, std::array<SiblingHandOver, 4>& out);

}  // namespace qvt::import
