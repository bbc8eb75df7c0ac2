#include "frontend/import/sibling_files.h"

#include "common/cp932.h"
#include "common/numtext.h"
#include "common/section_limits.h"
#include "frontend/import/sibling_tokens.h"

namespace qvt::import {

namespace {

bool reals(SiblingTokens& t, double* v, int n) {
  for (int k = 0; k < n; ++k)
    if (!t.real(v[k])) return false;
  return true;
}

bool force(SiblingTokens& t, SiblingForce& f) {
  std::string name;
  if (!t.line(name)) return false;
  f.name = cp932_to_utf8_lossy(name);
  return t.real(f.vertical) && t.real(f.horizontal) && t.real(f.x) && t.real(f.y);
}

bool read_tj2_items(SiblingTokens& t, SiblingConditions& c) {
  std::string dropped;
  if (!t.i16(c.sibling_version) || !t.line(dropped) || !t.skip_i16s(6) || !t.line(dropped))
    return false;
  if (!t.skip_i16s(1) || !t.i16(c.seismic_studied) || !reals(t, c.sibling_levels.data(), 8))
    return false;
  if (!t.skip_i16s(2) || !t.skip_reals(8) || !t.skip_i16s(2) || !t.i16(c.top_surcharge_rule))
    return false;
  // Groups 15-19: f64; i16; f64; i16; i16.
  if (!t.skip_reals(1) || !t.skip_i16s(1) || !t.skip_reals(1) || !t.skip_i16s(2)) return false;
  if (!t.i16(c.check_point_number) || !t.i16(c.force_counts[0]) || !t.i16(c.force_counts[1]))
    return false;
  if (!t.skip_reals(10) || !reals(t, c.top_surcharge_x_min.data(), 4) ||
      !reals(t, c.top_surcharge_x_max.data(), 4) || !reals(t, c.top_surcharge_loads[0], 4) ||
      !reals(t, c.top_surcharge_loads[1], 4))
    return false;
  c.top_surcharge_x_min[4] = c.top_surcharge_x_max[4] = 0;
  if (!t.skip_reals(1 + 16 + 32 + 32)) return false;
  for (int r = 0; r < 5; ++r)
    if (!t.skip_i16s(1) || !t.skip_reals(8 + 4) || !t.skip_i16s(2) || !t.skip_reals(9))
      return false;
  for (int fc = 0; fc < 2; ++fc)
    for (int row = 0; row < 3; ++row)
      if (!force(t, c.sibling_forces[fc][row])) return false;
  if (!t.skip_i16s(1) || !t.skip_reals(16 + 16 + 32) || !t.skip_i16s(2) || !t.skip_reals(200))
    return false;
  if (!t.skip_i16s(2 + 4) || !t.skip_reals(4)) return false;
  for (int k = 0; k < 4; ++k)
    if (!t.line(dropped)) return false;
  if (!t.skip_reals(5) || !t.skip_i16s(1)) return false;
  for (int k = 0; k < 4; ++k)
    if (!t.line(dropped)) return false;
  if (!t.skip_i16s(12) || !t.skip_reals(20 + 60 + 10) || !t.i16(c.dynamic_water_rule)) return false;
  if (!t.skip_reals(2 + 2 + 16) || !t.i16(c.force_counts[2])) return false;
  for (int row = 0; row < 3; ++row)
    if (!force(t, c.sibling_forces[2][row])) return false;
  if (c.sibling_version >= kSiblingVersionGroup68 && (!t.skip_i16s(1) || !t.skip_reals(1)))
    return false;
  if (c.sibling_version < kSiblingVersionFull) {
    // Older designs studied the low water only; their H.W.L. rows repeat the L.W.L. ones.
    c.case_grid = {1, 1, 0, 0};
    for (int r = 0; r < 3; ++r) {
      const int from = (r == 1) ? 1 : 0;
      for (int k = 0; k < 3; ++k) c.top_surcharge_loads[2 + r][k] = c.top_surcharge_loads[from][k];
    }
    return true;
  }
  for (int r = 2; r < 5; ++r)
    if (!reals(t, c.top_surcharge_loads[r], 3)) return false;
  if (!t.i16(c.adopted_case) || !t.skip_reals(11) || !t.skip_i16s(3) || !t.skip_reals(300) ||
      !t.skip_i16s(1))
    return false;
  i16 n = 0;
  if (!t.i16(n) || n < 0 || n > 4 || !t.skip_reals(3 * n)) return false;
  if (!t.skip_i16s(12)) return false;
  for (i16& g : c.case_grid)
    if (!t.i16(g)) return false;
  return t.skip_i16s(5) && t.skip_reals(1);
}

}  // namespace

bool read_tj2(std::vector<std::string> lines, SiblingConditions& out) {
  SiblingTokens t(std::move(lines));
  SiblingConditions c;
  if (!read_tj2_items(t, c)) return false;
  // The rule is 1 (considered) or 2 (ignored); anything else has no meaning for the project.
  if (c.top_surcharge_rule != 1 && c.top_surcharge_rule != 2) return false;
  out = c;
  return true;
}

bool read_tb2(std::vector<std::string> lines, int sibling_version, model::ProjectModel& m,
              model::MessageSink& messages) {
  SiblingTokens t(std::move(lines));
  return model::read_sibling_block_items(t, sibling_version, m, messages);
}

bool read_tk2(std::vector<std::string> lines,
              std::array<SiblingCheckPoint, kSiblingCheckPoints>& out) {
  SiblingTokens t(std::move(lines));
  std::array<SiblingCheckPoint, kSiblingCheckPoints> pts{};
  for (int e = 0; e < 15; ++e) {
    SiblingCheckPoint& p = pts[e];
    if (!t.i16(p.number) || !t.real(p.x) || !t.real(p.y) || !t.real(p.z) || !t.i16(p.flag))
      return false;
    for (int k = 0; k < 20; ++k)
      if (!t.i16(p.block_flags[k])) return false;
    if (!t.skip_i16s(1) || !t.skip_reals(32 + 1 + 16 + 32 + 32)) return false;
  }
  if (!t.skip_reals(15 * 16)) return false;
  out = pts;
  return true;
}

bool read_sin(std::vector<std::string> lines, int count, std::array<SiblingHandOver, 4>& out) {
  // Lines of eight values, two a study (normal, seismic): a file of another shape has lost or
  // gained a line, and its values would go to the wrong case.
  std::size_t used = lines.size();
  while (used > 0 && trim_blanks(lines[used - 1]).empty()) --used;
  if (used % 2 != 0) return false;
  SiblingTokens t(std::move(lines));
  std::array<SiblingHandOver, 4> h{};
  for (int k = 0; k < count && k < 4; ++k) {
    auto& r = h[k].reaction;
    double v[8];
    if (!t.at_line_start()) return false;
    for (int i = 0; i < 8; ++i)
      if ((i > 0 && t.at_line_start()) || !t.real(v[i])) return false;
    if (!t.line_used_up()) return false;
    r = {v[0], v[1], v[2], v[3], v[4], v[5]};
    h[k].dynamic_water_force = v[6];
    h[k].dynamic_water_level = v[7];
    // The check point and the level of the dynamic water resultant are levels of the section.
    for (double level : {v[0], v[1], v[2], v[7]})
      if (!section_extent_ok(level)) return false;
  }
  out = h;
  return true;
}

}  // namespace qvt::import
