#include "frontend/import/sibling_importer.h"

#include "common/textfile.h"
#include "frontend/model/block_file.h"
#include "frontend/model/block_outline.h"
#include "frontend/model/input_check.h"
#include "frontend/model/project_files.h"

#include <algorithm>
#include <memory>

namespace qvt::import {

namespace {

void fail(model::MessageSink& messages, const char* text) {
  messages.show_message(model::MessageIcon::Exclamation, model::kAppTitle, text);
}

void notice(model::MessageSink& messages, const std::string& text) {
  messages.show_message(model::MessageIcon::Information, model::kAppTitle, text);
}

bool loaded(const SiblingConditions& c, int row, int range) {
  return c.top_surcharge_loads[row][range] != 0 || c.top_surcharge_loads[row + 1][range] != 0;
}

// What a finished import says about its blocks and top surcharges: the last saved range
// reaches the engines though no page shows it; a range beyond the saved ones is lost; blocks
// the engines would refuse are named, so the user can mend them before a run.
void report_after_import(const SiblingConditions& c, int level_case, const model::ProjectModel& m,
                         model::MessageSink& messages) {
  if (level_case == LEVEL_CASE_LWL || level_case == LEVEL_CASE_HWL) {
    const int row = (level_case == LEVEL_CASE_HWL) ? 2 : 0;
    if (loaded(c, row, TOP_SURCHARGES_SAVED - 1)) notice(messages, kMsgTopRangeNotShown);
    if (loaded(c, row, TOP_SURCHARGES_SAVED)) notice(messages, kMsgTopRangeDropped);
  }
  std::string refused;
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s)
    if (std::string why = model::named_block_problem(m, s); !why.empty()) refused += "\n" + why;
  if (!refused.empty()) notice(messages, kMsgBlocksToMend + refused);
}

}  // namespace

int water_level_case(const std::array<i16, 4>& g) {
  const bool low = g[0] == 1 || g[1] == 1;
  const bool high = g[2] == 1 || g[3] == 1;
  return (low ? LEVEL_CASE_LWL : 0) + (high ? LEVEL_CASE_HWL : 0);
}

void apply_tj2(const SiblingConditions& c, const SiblingCheckPoint& point,
               const std::array<SiblingHandOver, 4>& hand_over, int level_case,
               model::ProjectModel& m) {
  auto& pc = m.conditions;
  const int first = (level_case == LEVEL_CASE_HWL) ? 2 : 0;
  pc.body_reactions[CASE_NORMAL] = hand_over[first].reaction;
  pc.body_reactions[CASE_SEISMIC] = hand_over[first + 1].reaction;
  // The seismic line's dynamic water values replace the normal line's.
  pc.dynamic_water_force = hand_over[first + 1].dynamic_water_force;
  pc.dynamic_water_level =
      hand_over[first + 1].dynamic_water_level + pc.body_reactions[CASE_SEISMIC].check_y;
  if (c.dynamic_water_rule != 1) {
    pc.dynamic_water_force = 0;
    pc.dynamic_water_level = 0;
  }
  if (level_case == LEVEL_CASE_LWL) {
    for (int k = 0; k < 3; ++k) pc.water_levels[k] = c.sibling_levels[k];
  } else if (level_case == LEVEL_CASE_HWL) {
    for (double& w : pc.water_levels) w = c.sibling_levels[0];
  }
  pc.seismic_check = (c.seismic_studied == 1) ? 2 : 0;
  for (int e = 0; e < TOP_SURCHARGES_SAVED; ++e) {
    auto& s = pc.top_surcharges[e];
    s.x_min = c.top_surcharge_x_min[e];
    s.x_max = c.top_surcharge_x_max[e];
    if (level_case == LEVEL_CASE_LWL || level_case == LEVEL_CASE_HWL) {
      const int row = (level_case == LEVEL_CASE_HWL) ? 2 : 0;
      s.load[CASE_NORMAL] = c.top_surcharge_loads[row][e];
      s.load[CASE_SEISMIC] = c.top_surcharge_loads[row + 1][e];
    }
  }
  pc.top_surcharge_ignored = static_cast<i16>(c.top_surcharge_rule - 1);
  for (int fc = 0; fc < 2; ++fc) {
    for (int row = 0; row < EXTERNAL_FORCES_PER_CASE; ++row) {
      const SiblingForce& f = c.sibling_forces[fc][row];
      pc.external_forces[fc][row] = {f.name, f.vertical, f.horizontal, f.x, f.y};
    }
    // The count names rows the project holds: never more than it has.
    pc.external_force_counts[fc] =
        static_cast<i16>(std::clamp<int>(c.force_counts[fc], 0, EXTERNAL_FORCES_PER_CASE));
  }
  pc.imported_check_point = {point.number, point.x, point.y, point.z, point.flag};
  for (int k = 0; k < MAX_WALL_BLOCKS; ++k) m.imported_check_blocks[k] = point.block_flags[k];
}

bool SiblingImporter::choose_study_and_read_sin(const std::string& base, int preselect,
                                                int check_point_number,
                                                model::MessageSink& messages, int& level_case,
                                                std::array<SiblingHandOver, 4>& hand_over) const {
  if (level_case == LEVEL_CASE_BOTH) {
    const int answer = choose_ ? choose_(preselect) : 0;
    if (answer != LEVEL_CASE_LWL && answer != LEVEL_CASE_HWL) return false;
    level_case = answer;
  }
  auto sin = read_lines(model::project_file(base, "SIN"));
  if (!sin || !read_sin(std::move(*sin), level_case == LEVEL_CASE_HWL ? 4 : 2, hand_over))
    return fail(messages, kMsgSinUnreadable), false;
  // The hand-over loads belong to a check point the design names; none named, none to take.
  if (check_point_number < 1 || check_point_number > kSiblingCheckPoints)
    return fail(messages, kMsgSinUnreadable), false;
  return true;
}

bool SiblingImporter::import_tj2_project(const std::string& base, model::ProjectModel& m,
                                         model::MessageSink& messages) {
  // Fresh staging for every import: nothing of an earlier design leaks into this one.
  auto c = std::make_unique<SiblingConditions>();
  auto tj2 = read_lines(model::project_file(base, "TJ2"));
  if (!tj2 || !read_tj2(std::move(*tj2), *c)) return fail(messages, kMsgTj2Unreadable), false;

  auto staged = std::make_unique<model::ProjectModel>(m);
  auto tb2 = read_lines(model::project_file(base, "TB2"));
  if (!tb2 || !read_tb2(std::move(*tb2), c->sibling_version, *staged, messages))
    return fail(messages, kMsgTb2Unreadable), false;

  std::array<SiblingCheckPoint, kSiblingCheckPoints> points{};
  auto tk2 = read_lines(model::project_file(base, "TK2"));
  if (!tk2 || !read_tk2(std::move(*tk2), points)) return fail(messages, kMsgTk2Unreadable), false;

  int level_case = (c->sibling_version < kSiblingVersionFull) ? int(LEVEL_CASE_LWL)
                                                              : water_level_case(c->case_grid);
  std::array<SiblingHandOver, 4> hand_over{};
  if (!choose_study_and_read_sin(base, c->adopted_case, c->check_point_number, messages,
                                 level_case, hand_over))
    return false;
  const int n = c->check_point_number;

  apply_tj2(*c, points[n - 1], hand_over, level_case, *staged);
  m = std::move(*staged);
  report_after_import(*c, level_case, m, messages);
  return true;
}

SiblingConditions tj3_as_tj2(const Tj3Design& d, int level_case,
                             std::array<std::vector<std::string>, 2>& not_taken) {
  SiblingConditions c = d.conditions;
  if (level_case == LEVEL_CASE_HWL && d.hwl_loads_given != 1)
    for (int range = 0; range < 5; ++range) {
      c.top_surcharge_loads[2][range] = c.top_surcharge_loads[0][range];
      c.top_surcharge_loads[3][range] = c.top_surcharge_loads[1][range];
    }
  const int first_group = (level_case == LEVEL_CASE_LWL) ? 0 : 4;
  for (int fc = 0; fc < 2; ++fc) {
    const std::vector<SiblingForce>& group = d.force_groups[first_group + fc];
    const int taken = std::min<int>(static_cast<int>(group.size()), EXTERNAL_FORCES_PER_CASE);
    for (int row = 0; row < 4; ++row)
      c.sibling_forces[fc][row] = row < taken ? group[row] : SiblingForce{};
    c.force_counts[fc] = static_cast<i16>(taken);
    not_taken[fc].clear();
    for (std::size_t k = EXTERNAL_FORCES_PER_CASE; k < group.size(); ++k)
      not_taken[fc].push_back(group[k].name);
  }
  c.force_counts[2] = 0;
  return c;
}

bool SiblingImporter::import_tj3_project(const std::string& base, model::ProjectModel& m,
                                         model::MessageSink& messages) {
  auto tj3 = read_lines(model::project_file(base, "TJ3"));
  if (!tj3) return fail(messages, kMsgCj3Unreadable), false;
  // Fresh staging for every import; the blocks go into a copy of the project.
  auto d = std::make_unique<Tj3Design>();
  auto staged = std::make_unique<model::ProjectModel>(m);
  if (!read_tj3(std::move(*tj3), *d, *staged) ||
      !model::fit_library_blocks(staged->wall_blocks, staged->shape_library,
                                 staged->shape_library_count))
    return fail(messages, kMsgCj3MidRead), false;
  if (d->centroid_by_layer)
    messages.show_message(model::MessageIcon::Exclamation, model::kAppTitle, kMsgCentroidByLayer);

  int level_case = water_level_case(d->conditions.case_grid);
  std::array<SiblingHandOver, 4> hand_over{};
  if (!choose_study_and_read_sin(base, LEVEL_CASE_LWL, d->conditions.check_point_number,
                                 messages, level_case, hand_over))
    return false;
  const int n = d->conditions.check_point_number;

  std::array<std::vector<std::string>, 2> not_taken;
  const SiblingConditions c = tj3_as_tj2(*d, level_case, not_taken);
  apply_tj2(c, d->check_points[n - 1], hand_over, level_case, *staged);
  // The file has no setting for the surcharge on the main body top: the project's stays.
  staged->conditions.top_surcharge_ignored = m.conditions.top_surcharge_ignored;
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s) model::build_block_outline(*staged, s, messages);
  m = std::move(*staged);

  if (!not_taken[0].empty() || !not_taken[1].empty()) {
    std::string text = kMsgForcesNotTaken;
    const char* cases[2] = {"常時", "地震時"};
    for (int fc = 0; fc < 2; ++fc) {
      if (not_taken[fc].empty()) continue;
      text += std::string("\n") + cases[fc] + "：";
      for (std::size_t k = 0; k < not_taken[fc].size(); ++k)
        text += (k ? "、" : "") + not_taken[fc][k];
    }
    notice(messages, text);
  }
  report_after_import(c, level_case, m, messages);
  return true;
}

}  // namespace qvt::import
