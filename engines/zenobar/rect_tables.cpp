// Weight and buoyancy tables of the rectangular blocks: the rectangular wall block (type 1) and
// the improved-soil layer block (type 7). In the block and tangent-circle patterns a type-7
// block is a plain rectangle, cut at the residual water level. In the wall and lattice patterns
// the improved body is long walls with unimproved soil between them, joined near the top by
// short walls: the block is split into strips, each weighed with the share of the wall line it
// occupies, and the improved and unimproved parts are kept apart for the load tables.
#include "engines/zenobar/block_table_rows.h"
#include "engines/zenobar/zenobar_data.h"

#include "common/cp932.h"
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"

#include <cstdio>
#include <string>
#include <vector>

namespace qvt::zenobar {

using engine::condition_data;

namespace {

constexpr int RWL = 2;

// Where the block lies against the residual water level.
enum WaterState { WHOLLY_BELOW = 0, CUT_BY_LEVEL = 1, WHOLLY_ABOVE = 2 };

WaterState water_state(double bottom, double top, double level) {
  if (level > top) return WHOLLY_BELOW;
  if (bottom < level) return CUT_BY_LEVEL;
  return WHOLLY_ABOVE;
}

// One strip of a block with its results.
struct Strip {
  int code = 0;  // wall and lattice patterns: ratio, part and position (see ratio_strips)
  double b = 0, h = 0, gamma = 0, ratio = 1;
  double x = 0, y = 0;  // centroid before the weight is known
  double w = 0, wx = 0, wy = 0;
};

struct Sums {
  double weight = 0, moment_x = 0, moment_y = 0;
  void add(const Strip& s) {
    weight = round3(weight + s.w);
    moment_x = round3(moment_x + s.wx);
    moment_y = round3(moment_y + s.wy);
  }
};

void weigh(Strip& s, bool with_ratio) {
  s.w = with_ratio ? round3(s.h * s.b * s.gamma * s.ratio) : round3(s.b * s.h * s.gamma);
  s.wx = round3(s.w * s.x);
  s.wy = round3(s.w * s.y);
}

BlockResult result_of(const Sums& sums) {
  BlockResult r;
  r.weight = sums.weight;
  r.moment_x = sums.moment_x;
  r.moment_y = sums.moment_y;
  r.centroid_x = centroid_of(sums.moment_x, sums.weight);
  r.centroid_y = centroid_of(sums.moment_y, sums.weight);
  return r;
}

// ---- Rectangle --------------------------------------------------------------------------

std::vector<Strip> rectangle_strips(int slot, int kind, WaterState state) {
  const auto& cd = condition_data();
  const auto& block = cd.wall_blocks[slot];
  const auto& head = block.head;
  const double width = round3(block.polygon.vertex_x[0]);
  const double height = round3(block.polygon.vertex_y[0]);
  const double bottom = head.ref_y;
  const double top = round3(head.ref_y + height);
  const double level = cd.water_levels[RWL];
  const double uw[3] = {round3(head.unit_weights[0]), round3(head.unit_weights[1]),
                        round3(head.unit_weights[2])};

  std::vector<Strip> strips;
  auto add = [&](double h, double gamma, double y_base) {
    Strip s;
    s.b = width;
    s.h = h;
    s.gamma = gamma;
    s.x = round3(head.ref_x + width / 2);
    s.y = round3(y_base + h / 2);
    strips.push_back(s);
  };
  if (kind == KIND_WEIGHT) {
    switch (state) {
      case WHOLLY_BELOW:
        add(height, uw[2], bottom);
        break;
      case CUT_BY_LEVEL:
        // The part above the level first; its centroid is measured from the level.
        add(round3(top - level), uw[0], level);
        add(round3(level - bottom), uw[2], bottom);
        break;
      case WHOLLY_ABOVE:
        add(height, uw[0], bottom);
        break;
    }
  } else {
    const double gamma = round3(uw[2] - uw[1]);
    if (state == WHOLLY_BELOW)
      add(height, gamma, bottom);
    else if (state == CUT_BY_LEVEL)
      add(round3(level - bottom), gamma, bottom);
  }
  for (Strip& s : strips) weigh(s, false);
  return strips;
}

// ---- Wall and lattice patterns ---------------------------------------------------------

enum class Pattern { wall, lattice };

// Position of the block against the bottom of the short walls.
enum ShortWallPosition { BELOW_SHORT_WALLS, CROSSING_SHORT_WALLS, WITHIN_SHORT_WALLS };

// The strips of a type-7 block, in table order. Codes below 1 are improved soil, 1 and above
// unimproved; code -2 (the long walls over the full block) takes the long-wall ratio, every
// other code the short-wall ratio.
//   wall:    -1 short wall, -2 long walls, 1 soil below the short walls, 2 soil in front of
//            the short wall (width bl1), 3 soil behind it (width bl2);
//   lattice: -1 body above the short-wall bottom, -2 long walls, 1 soil in the middle (bs),
//            -3 front wall (bl1), -4 rear wall (bl2).
std::vector<Strip> ratio_strips(int slot, int kind, Pattern pattern) {
  const auto& cd = condition_data();
  const auto& block = cd.wall_blocks[slot];
  const auto& head = block.head;
  const auto& dims = cd.body_dims;
  const double width = round3(block.polygon.vertex_x[0]);
  const double height = round3(block.polygon.vertex_y[0]);
  const double bottom = head.ref_y;
  const double top = round3(head.ref_y + height);
  const double swb = run_data.short_wall_bottom_level;
  const double bs = round3(dims.bs);
  const double bl1 = round3(dims.bl1);
  const double bl2 = round3(dims.bl2);

  // The share of the wall line taken by the long walls and by the spaces between them.
  const double span = dims.ll + dims.ls;
  if (!(span > 0.0)) {
    engine::stop_engine(engine::fatal_error(utf8_to_cp932_lossy(
        "改良体の長壁長 Ll と短壁長 Ls の和が 0 以下です。\n"
        "壁式・格子式改良の長壁と短壁の割合を計算できません。")));
  }
  const double long_ratio = round3(dims.ll / span);
  const double short_ratio = round3(dims.ls / span);

  ShortWallPosition position;
  if (bottom < swb && top <= swb)
    position = BELOW_SHORT_WALLS;
  else if (bottom < swb)
    position = CROSSING_SHORT_WALLS;
  else
    position = WITHIN_SHORT_WALLS;

  const double above = round3(top - swb);     // heights of the parts above and below the
  const double below = round3(swb - bottom);  // short-wall bottom, when the block crosses it

  std::vector<Strip> strips;
  auto add = [&](int code, double b, double h) {
    Strip s;
    s.code = code;
    s.b = b;
    s.h = h;
    strips.push_back(s);
  };
  if (pattern == Pattern::wall) {
    switch (position) {
      case BELOW_SHORT_WALLS:
        add(-2, width, height);
        add(1, width, height);
        break;
      case CROSSING_SHORT_WALLS:
        add(-1, bs, above);
        add(-2, width, height);
        add(1, width, below);
        add(2, bl1, above);
        add(3, bl2, above);
        break;
      case WITHIN_SHORT_WALLS:
        add(-1, bs, height);
        add(-2, width, height);
        add(2, bl1, height);
        add(3, bl2, height);
        break;
    }
  } else {
    switch (position) {
      case BELOW_SHORT_WALLS:
        add(-2, width, height);
        add(1, bs, height);
        add(-3, bl1, height);
        add(-4, bl2, height);
        break;
      case CROSSING_SHORT_WALLS:
        add(-1, width, above);
        add(-2, width, height);
        add(1, bs, below);
        add(-3, bl1, below);
        add(-4, bl2, below);
        break;
      case WITHIN_SHORT_WALLS:
        add(-1, width, height);
        add(-2, width, height);
        break;
    }
  }

  // Strips of a zero front or rear width are left out; the numbers close up.
  std::erase_if(strips, [&](const Strip& s) {
    const bool front = pattern == Pattern::wall ? s.code == 2 : s.code == -3;
    const bool rear = pattern == Pattern::wall ? s.code == 3 : s.code == -4;
    return (front && bl1 == 0.0) || (rear && bl2 == 0.0);
  });

  // The level does not cut these blocks: the weight uses the unit weight below the level and
  // the buoyancy the difference, both over the full heights.
  const double* uw = head.unit_weights;
  const double gamma = kind == KIND_WEIGHT ? round3(uw[2]) : round3(uw[2] - uw[1]);
  const double mid = round3(bottom + height / 2);
  for (Strip& s : strips) {
    s.gamma = gamma;
    s.ratio = s.code == -2 ? long_ratio : short_ratio;
    double x_offset = s.b / 2;
    if (pattern == Pattern::wall) {
      if (s.code == -1) x_offset = bl1 + s.b / 2;
      if (s.code == 3) x_offset = bl1 + bs + s.b / 2;
    } else {
      if (s.code == 1) x_offset = bl1 + s.b / 2;
      if (s.code == -4) x_offset = bl1 + bs + s.b / 2;
    }
    s.x = round3(head.ref_x + x_offset);
    s.y = mid;
    if (position == CROSSING_SHORT_WALLS && s.code != -2) {
      const bool is_above = pattern == Pattern::wall ? (s.code == -1 || s.code == 2 || s.code == 3)
                                                     : s.code == -1;
      s.y = is_above ? round3((top + swb) / 2) : round3((bottom + swb) / 2);
    }
    weigh(s, true);
  }
  return strips;
}

WallSplitResult split_of(const std::vector<Strip>& strips) {
  Sums improved, unimproved;
  for (const Strip& s : strips) (s.code < 1 ? improved : unimproved).add(s);
  auto part_centroid = [](double moment, double weight) {
    return weight > 0.0001 ? round3(moment / weight) : 0.0;
  };
  WallSplitResult r;
  r.improved_weight = improved.weight;
  r.unimproved_weight = unimproved.weight;
  r.improved_centroid_x = part_centroid(improved.moment_x, improved.weight);
  r.unimproved_centroid_x = part_centroid(unimproved.moment_x, unimproved.weight);
  r.improved_centroid_y = part_centroid(improved.moment_y, improved.weight);
  r.unimproved_centroid_y = part_centroid(unimproved.moment_y, unimproved.weight);
  r.improved_moment_x = improved.moment_x;
  r.unimproved_moment_x = unimproved.moment_x;
  r.improved_moment_y = improved.moment_y;
  r.unimproved_moment_y = unimproved.moment_y;
  return r;
}

void write_ratio_tables(int slot, engine::PrintFile& report, int kind,
                        const std::vector<Strip>& strips, const WallSplitResult& split) {
  const auto& head = condition_data().wall_blocks[slot].head;
  const std::string label = utf8_to_cp932_lossy(kind == KIND_WEIGHT ? " γ   ×割合" : "γ-γ'×割合");
  write_block_table_heading(report, 2 * static_cast<int>(strips.size()) + 6, head.name.view(),
                            label);
  int number = 0;
  for (const Strip& s : strips) {
    report.block_record("QVT_BK01.PFM");
    report_printf(report, "00  %2d \n", ++number);
    report_printf(report, "01   %6.3f×\n", s.b);
    report_printf(report, "02  %5.3f\n", s.h);
    report_printf(report, "03  %5.3f\n", s.gamma);
    report_printf(report, "04  %5.3f\n", s.ratio);
    report_printf(report, "05  %9.3f \n", s.w);
    report_printf(report, "06  %8.3f \n", s.x);
    report_printf(report, "07  %8.3f \n", s.y);
    report_printf(report, "08  %10.3f \n", s.wx);
    report_printf(report, "09  %12.3f \n", s.wy);
  }
  report.block_record("QVT_BK04.PFM");
  report_printf(report, "00  %9.3f \n", split.improved_weight);
  report_printf(report, "01  %7.3f \n", split.improved_centroid_x);
  report_printf(report, "02  %7.3f \n", split.improved_centroid_y);
  report_printf(report, "03  %10.3f \n", split.improved_moment_x);
  report_printf(report, "04  %12.3f \n", split.improved_moment_y);
  report_printf(report, "05  %9.3f \n", split.unimproved_weight);
  report_printf(report, "06  %7.3f \n", split.unimproved_centroid_x);
  report_printf(report, "07  %7.3f \n", split.unimproved_centroid_y);
  report_printf(report, "08  %10.3f \n", split.unimproved_moment_x);
  report_printf(report, "09  %12.3f \n", split.unimproved_moment_y);
  report.repeat_header_end();
  report.table_end();
}

int write_ratio_block_tables(int slot, engine::PrintFile& report, int kind, Pattern pattern) {
  const auto& cd = condition_data();
  const auto& block = cd.wall_blocks[slot];
  const double bottom = block.head.ref_y;
  const double top = round3(block.head.ref_y + block.polygon.vertex_y[0]);
  if (kind == KIND_BUOYANCY && water_state(bottom, top, cd.water_levels[RWL]) == WHOLLY_ABOVE) {
    char name[32];
    std::snprintf(name, sizeof name, "FRKNI_%02d.PFM", slot);
    write_no_buoyancy_template(report, name, block.head.name.view(), slot);
    run_data.block_results[slot][KIND_BUOYANCY] = BlockResult{};
    run_data.wall_split_results[slot][KIND_BUOYANCY] = WallSplitResult{};
    return -1;
  }
  const std::vector<Strip> strips = ratio_strips(slot, kind, pattern);
  Sums sums;
  for (const Strip& s : strips) sums.add(s);
  const WallSplitResult split = split_of(strips);
  run_data.block_results[slot][kind] = result_of(sums);
  run_data.wall_split_results[slot][kind] = split;
  write_ratio_tables(slot, report, kind, strips, split);
  return 0;
}

}  // namespace

int write_rect_block_tables(int slot, engine::PrintFile& report, int kind) {
  const auto& cd = condition_data();
  const auto& block = cd.wall_blocks[slot];
  const auto& head = block.head;
  const double bottom = head.ref_y;
  const double top = round3(head.ref_y + block.polygon.vertex_y[0]);
  const WaterState state = water_state(bottom, top, cd.water_levels[RWL]);

  if (kind == KIND_BUOYANCY && state == WHOLLY_ABOVE) {
    char name[32];
    std::snprintf(name, sizeof name, "FKNI_%d%02d.PFM", cd.current_case == CASE_SEISMIC ? 1 : 0,
                  slot);
    write_no_buoyancy_template(report, name, head.name.view(), slot);
    run_data.block_results[slot][KIND_BUOYANCY] = BlockResult{};
    return -1;
  }

  const std::vector<Strip> strips = rectangle_strips(slot, kind, state);
  Sums sums;
  for (const Strip& s : strips) sums.add(s);
  const BlockResult result = result_of(sums);
  run_data.block_results[slot][kind] = result;

  write_block_table_heading(report, 2 * static_cast<int>(strips.size()) + 5, head.name.view(),
                            unit_weight_label(kind));
  int number = 0;
  for (const Strip& s : strips) {
    report.block_record("QVT_BK01.PFM");
    report_printf(report, "00  %2d \n", ++number);
    report_printf(report, "02        %6.3f\n", s.b);
    report_printf(report, "03  %6.3f\n", s.h);
    report_printf(report, "04  %6.3f\n", s.gamma);
    report_printf(report, "05  %9.3f \n", s.w);
    report_printf(report, "06  %8.3f \n", s.x);
    report_printf(report, "07  %8.3f \n", s.y);
    report_printf(report, "08  %10.3f \n", s.wx);
    report_printf(report, "09  %12.3f \n", s.wy);
  }
  write_block_total_and_end(report, result, 12);
  return 0;
}

int write_wall_body_ratio_tables(int slot, engine::PrintFile& report, int kind) {
  return write_ratio_block_tables(slot, report, kind, Pattern::wall);
}

int write_lattice_body_ratio_tables(int slot, engine::PrintFile& report, int kind) {
  return write_ratio_block_tables(slot, report, kind, Pattern::lattice);
}

}  // namespace qvt::zenobar
