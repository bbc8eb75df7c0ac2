// The caisson with footings (type 3): cells without a floor, filled down to the base. One writer
// does the weight and the buoyancy of the whole body; the fill layers are split at the residual
// water level.
#include "common/cp932.h"
#include "engines/common/print_data.h"
#include "engines/zenobar/caisson_tables.h"

#include <string>

namespace qvt::zenobar {

namespace {

constexpr double kTiny = 0.0001;

std::string cp(std::string_view utf8) { return utf8_to_cp932_lossy(utf8); }

}  // namespace

std::vector<MemberRow> footing_caisson_rows(const engine::WallBlock& block, int kind,
                                            double water_level) {
  const CaissonLayout g = caisson_layout(block);
  const engine::CaissonShape& shape = block.caisson;
  const double ref_y = block.head.ref_y;
  const bool buoyancy = kind == KIND_BUOYANCY;
  // The concrete is cut at the level only for the buoyancy.
  const int water_case = buoyancy ? submersion_case(ref_y, g.t, g.c, g.h, water_level) : 4;
  double hb = g.h, hf = g.t;
  if (water_case == 1 || water_case == 2) hb = water_level - ref_y;
  if (water_case == 3) hb = hf = water_level - ref_y;
  const double e = water_case == 2 ? (ref_y + g.t + g.c) - water_level : 0;
  const double uw = buoyancy ? round3(block.head.unit_weights[0] - block.head.unit_weights[1])
                             : block.head.unit_weights[0];
  const int nm4 = 4 * g.n * g.m;
  const int fc = g.footing_count;
  const FootingPositions fx = footing_positions(g, e);

  std::vector<MemberRow> rows;
  rows.push_back(member_row(cp("側 壁   縦断側  "), 1, g.wf, g.lb, hb, 2, g.xb, hb / 2, uw));
  rows.push_back(member_row(cp("隔 壁   縦断側  "), 1, g.wp, g.lb, hb, g.n - 1, g.xp, hb / 2, uw));
  rows.push_back(member_row(cp("側 壁   横断側  "), 1, g.wi, g.we, hb, 2, g.xw, hb / 2, uw));
  rows.push_back(member_row(cp("隔 壁   横断側  "), 1, g.wi, g.wq, hb, g.m - 1, g.xw, hb / 2, uw));
  rows.push_back(member_row(cp("垂直ﾊﾝﾁ         "), 2, g.hh, g.hh, hb, g.hh < kTiny ? 0 : nm4, g.xm,
                            hb / 2, uw));
  rows.push_back(member_row(cp("ﾌｰﾁﾝｸﾞ          "), 1, g.l, g.lb, hf, fc, fx.footing, hf / 2, uw));
  if (water_case != 3)
    rows.push_back(member_row(cp(water_case == 2 ? "ﾌｰﾁﾝｸﾞﾊﾝﾁ 1     " : "ﾌｰﾁﾝｸﾞﾊﾝﾁ       "), 2,
                              haunch_triangle_width(g, e), g.lb, g.c - e, fc, fx.triangle,
                              g.t + (g.c - e) / 3, uw));
  if (water_case == 2)
    rows.push_back(member_row(cp("ﾌｰﾁﾝｸﾞﾊﾝﾁ 2     "), 1, haunch_rectangle_width(g, e), g.lb,
                              g.c - e, fc, fx.rectangle, g.t + (g.c - e) / 2, uw));
  rows.push_back(subtotal_member_row());

  const std::vector<CellType> types =
      combine_value_groups(group_equal_values(g.b), group_equal_values(g.e));
  const double w = water_level - ref_y;
  struct Part {
    double top, bottom, unit_weight;
  };
  for (const FillLayer& layer : stack_fill_layers(shape, g.h, 0)) {
    const int k = layer.index;
    const double g1 = shape.part_values[1][k];
    const double g2 = shape.part_values[2][k];
    const double g3 = shape.part_values[3][k];
    const double zt = layer.top, zb = layer.bottom;
    std::vector<Part> parts;
    if (w >= zt) {
      parts.push_back({zt, zb, buoyancy ? round3(g1 - g3) : g1});
    } else if (w > zb) {
      if (!buoyancy) parts.push_back({zt, w, g2});
      parts.push_back({w, zb, buoyancy ? round3(g1 - g3) : g1});
    } else if (!buoyancy) {
      parts.push_back({zt, zb, g2});
    }
    const std::string name(cp932_truncate(shape.part_names[k].view(), 16));
    for (const Part& p : parts) {
      const double d3 = p.top - p.bottom;
      const double y = p.bottom + d3 / 2;
      for (std::size_t i = 0; i < types.size(); ++i)
        rows.push_back(member_row(i == 0 ? name : std::string(), 1, types[i].width, types[i].length,
                                  d3, types[i].count, g.width_x(types[i].width), y, p.unit_weight));
      if (g.hh > kTiny)
        rows.push_back(
            member_row(cp("      垂直ハンチ"), -2, g.hh, g.hh, d3, nm4, g.xm, y, p.unit_weight));
      rows.push_back(subtotal_member_row());
    }
  }
  return rows;
}

int write_footing_caisson_tables(int slot, engine::PrintFile& report, int kind) {
  const engine::ConditionData& cd = engine::condition_data();
  const engine::WallBlock& block = cd.wall_blocks[slot];
  const engine::CaissonShape& c = block.caisson;
  const double level = cd.water_levels[2];
  const bool buoyancy = kind == KIND_BUOYANCY;
  if (buoyancy && submersion_case(block.head.ref_y, c.dims_a[0][2], c.dims_a[3][2],
                                  c.dims_a[0][0], level) == 4) {
    write_no_buoyancy_template(report, cp932_printf("FRKVV_%02d.PFM", slot),
                               block.head.name.view(), slot);
    return -1;
  }
  std::vector<MemberRow> rows = footing_caisson_rows(block, kind, level);
  const BlockResult total = work_member_rows(rows, block.head.ref_x, block.head.ref_y);
  run_data.block_results[slot][buoyancy ? KIND_BUOYANCY : KIND_WEIGHT] = total;
  const std::string name_v = cp932_printf(buoyancy ? "FRKVV_%02d.PFM" : "BLKVV_%02d.PFM", slot);
  const std::string name_m = cp932_printf(buoyancy ? "FRKVM_%02d.PFM" : "BLKVM_%02d.PFM", slot);
  write_table_template(report,
                       member_weight_table(name_v, block.head.name.view(), rows, total,
                                           MemberTableStyle::footing_caisson, kind),
                       name_v);
  write_table_template(report,
                       member_centroid_table(name_m, block.head.name.view(), rows, total,
                                             MemberTableStyle::footing_caisson),
                       name_m);
  return 0;
}

}  // namespace qvt::zenobar
