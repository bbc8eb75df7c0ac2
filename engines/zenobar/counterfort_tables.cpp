// Counterfort blocks with a vertical front face on a front footing (sub-types other than 3), and
// the writer of both counterfort variants.
#include "engines/zenobar/counterfort_tables.h"

#include "common/block_check.h"
#include "common/cp932.h"
#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qvt::zenobar {

namespace {

// Two lengths are the same when they differ by less than this.
constexpr double kTiny = 0.0001;

std::string cp(std::string_view utf8) { return utf8_to_cp932_lossy(utf8); }

// The parameters of a counterfort block with a vertical front face, named as in the tables.
struct Counterfort {
  double H = 0, D = 0, Hr = 0, Tf = 0;
  double B = 0, Tw = 0, Bc = 0, Lf = 0;
  double L = 0, Tc = 0;
  double Hc = 0, Cf = 0;
  int n = 0;
  int sub_type = 0;
  double Hs = 0;  // height of the counterfort's sloped part
  double Bs = 0;  // its horizontal extent
};

Counterfort counterfort_of(const engine::WallBlock& block) {
  const engine::CounterfortShape& s = block.counterfort;
  Counterfort c;
  c.H = s.dims_a[0][0];
  c.D = s.dims_a[0][1];
  c.Hr = s.dims_a[0][2];
  c.Tf = s.dims_a[0][3];
  c.B = s.dims_a[1][0];
  c.Tw = s.dims_a[1][1];
  c.Bc = s.dims_a[1][2];
  c.Lf = s.dims_a[1][3];
  c.L = s.dims_a[2][0];
  c.Tc = s.dims_a[2][1];
  c.Hc = s.dims_a[3][0];
  c.Cf = s.dims_a[3][1];
  c.n = s.flag_a;
  c.sub_type = block.sub_type;
  // The heel part reaching above the top is refused as the front end refuses it; a sloped part
  // of height 0 (the heel part reaching the top) is a counterfort without a slope.
  if (const std::string why = counterfort_slope_problem(c.H, c.D, c.Hr); !why.empty())
    refuse_counterfort(block, why);
  c.Hs = std::max(round3(c.H - c.D - c.Hr), 0.0);
  c.Bs = round3(c.B - c.Tw - c.Bc);
  return c;
}

// The width of the counterfort at the height y (block frame), measured from the back face of the
// front wall, never more than its width at the heel; `hs` is the height of the sloped part.
double counterfort_width(const Counterfort& c, double hs, double y) {
  const double full = round3(c.Bc + c.Bs);
  if (hs < kTiny) return full;
  const double w = round3((c.H - y) * c.Bs / hs + c.Bc);
  return w > full ? full : w;
}

// The concrete cut at the level: counterfort width w at the level, the width t of the sloped
// part below it, the height hv of the sloped part below it and the height hr of the heel part.
struct Submerged {
  double w = 0, t = 0, hv = 0, hr = 0;
};

Submerged submerged_profile(const Counterfort& c, int kind, double r) {
  Submerged p{c.Bc, c.Bs, c.Hs, c.Hr};
  if (kind != KIND_BUOYANCY) return p;
  const auto below_the_slope = [&] {
    p.w = round3(c.Bc + c.Bs);
    p.t = 0;
    p.hv = 0;
    p.hr = round3(r - c.D);
  };
  const auto above_the_top = [&] {
    p.w = c.Bc;
    p.t = c.Bs;
    p.hv = c.Hs;
  };
  if (c.Hs < kTiny) {
    // Without a slope the counterfort is Bc + Bs wide up to the top and Bc above it (a zone of
    // no height): there is no width between to interpolate.
    if (r < c.H)
      below_the_slope();
    else
      above_the_top();
  } else {
    p.w = round3((c.H - r) * c.Bs / c.Hs + c.Bc);
    p.t = round3(c.Bc + c.Bs - p.w);
    p.hv = round3(r - c.D - c.Hr);
    if (c.Bc + c.Bs < p.w) below_the_slope();  // the level lies below the sloped part
    if (p.w < c.Bc) above_the_top();           // the level lies above the top of the block
  }
  // Without a slope (Bs = 0) a level above the top is not caught by the width: the sloped part
  // is under water at most over its own height.
  p.hv = std::min(p.hv, c.Hs);
  // A level inside the slab leaves nothing of the wall and the counterforts under water; a
  // negative height would deduct them.
  if (p.hr < 0) {
    p.hr = 0;
    p.hv = 0;
  }
  return p;
}

}  // namespace

void refuse_counterfort(const engine::WallBlock& block, std::string_view utf8_reason) {
  engine::stop_engine(engine::fatal_error(
      cp("扶壁式ブロック《") + std::string(block.head.name.view()) + cp("》: ") + cp(utf8_reason)));
}

std::vector<FillSublayer> split_fill_sublayers(const engine::CounterfortShape& shape,
                                               const std::vector<FillLayer>& layers, double r,
                                               int kind, std::size_t name_bytes) {
  const bool buoyancy = kind == KIND_BUOYANCY;
  std::vector<FillSublayer> out;
  for (const FillLayer& layer : layers) {
    const int k = layer.index;
    const std::string name(cp932_truncate(shape.part_names[k].view(), name_bytes));
    const double below = buoyancy ? round3(shape.part_values[1][k] - shape.part_values[3][k])
                                  : shape.part_values[1][k];
    const double above = shape.part_values[2][k];
    if (r >= layer.top) {
      out.push_back({name, layer.top, layer.bottom, below, true});
    } else if (layer.bottom >= r) {
      out.push_back({name, layer.top, layer.bottom, above, !buoyancy});
    } else {
      out.push_back({name, layer.top, r, above, !buoyancy});
      out.push_back({name, r, layer.bottom, below, true});
    }
  }
  return out;
}

std::vector<MemberRow> counterfort_rows(const engine::WallBlock& block, int kind,
                                        double water_level) {
  const Counterfort c = counterfort_of(block);
  const engine::BlockHead& head = block.head;
  const double uw = kind == KIND_BUOYANCY ? round3(head.unit_weights[0] - head.unit_weights[1])
                                          : head.unit_weights[0];
  const double r = round3(water_level - head.ref_y);
  const Submerged p = submerged_profile(c, kind, r);
  const int n = c.n;
  const double x_back = round3(c.Lf + c.Tw);  // back face of the front wall
  const double hw = round3(p.hr + p.hv);      // wall height under consideration
  const double heel = round3(c.B - c.Tw - p.w);
  const int sloped = p.t == 0.0 ? 0 : n;
  const double lh = round3(c.L - (2 * c.Hc + c.Tc) * n);

  double haunch_d1 = 0, haunch_x = 0;
  if (c.sub_type == 1) {
    haunch_d1 = c.Cf;
    haunch_x = round3(c.Lf - c.Cf / 3);
  } else if (c.sub_type == 2) {
    haunch_d1 = c.Lf;
    haunch_x = round3(2 * c.Lf / 3);
  }

  std::vector<MemberRow> rows;
  rows.push_back(member_row(cp("底  版          "), 1, c.B, c.L, c.D, 1, round3(c.Lf + c.B / 2),
                            round3(c.D / 2), uw));
  rows.push_back(member_row(cp("前  壁          "), 1, c.Tw, c.L, hw, 1, round3(c.Lf + c.Tw / 2),
                            round3(c.D + hw / 2), uw));
  rows.push_back(member_row(cp("扶  壁    （縦）"), 1, p.w, c.Tc, hw, n, round3(x_back + p.w / 2),
                            round3(c.D + hw / 2), uw));
  rows.push_back(member_row(cp("扶  壁  （三角）"), 2, heel, c.Tc, p.hv, sloped,
                            round3(x_back + p.w + p.t / 3), round3(c.D + p.hr + p.hv / 3), uw));
  rows.push_back(member_row(cp("扶  壁    （横）"), 1, heel, c.Tc, p.hr, sloped,
                            round3(x_back + p.w + p.t / 2), round3(c.D + p.hr / 2), uw));
  rows.push_back(member_row(cp("垂直ハンチ      "), 2, c.Hc, c.Hc, hw, 2 * n,
                            round3(x_back + c.Hc / 3), round3(c.D + hw / 2), uw));
  rows.push_back(member_row(cp("水平ハンチ横断側"), 2, round3(c.B - c.Tw - c.Hc), c.Hc, c.Hc, 2 * n,
                            round3(x_back + c.Hc + (c.B - c.Tw - c.Hc) / 2), round3(c.D + c.Hc / 3),
                            uw));
  rows.push_back(member_row(cp("水平ハンチ縦断側"), 2, c.Hc, lh, c.Hc, 1, round3(x_back + c.Hc / 3),
                            round3(c.D + c.Hc / 3), uw));
  rows.push_back(member_row(cp("隅角部ハンチ    "), 3, c.Hc, c.Hc, c.Hc, 2 * n,
                            round3(x_back + c.Hc / 3), round3(c.D + c.Hc / 3), uw));
  rows.push_back(member_row(cp("フーチング      "), 1, c.Lf, c.L, c.Tf, 1, round3(c.Lf / 2),
                            round3(c.Tf / 2), uw));
  rows.push_back(member_row(cp("フーチングハンチ"), 2, haunch_d1, c.L, c.Cf, 1, haunch_x,
                            round3(c.Tf + c.Cf / 3), uw));
  rows.push_back(subtotal_member_row());

  // Fill between the counterforts, stacked down from the top; layers that together reach below
  // the slab top are cut there, since the space is concrete.
  const engine::CounterfortShape& shape = block.counterfort;
  const std::vector<FillLayer> layers =
      stack_fill_layers(shape.part_count, shape.part_values, c.H, c.D);
  const std::vector<FillSublayer> subs = split_fill_sublayers(shape, layers, r, kind, 16);
  const double z1 = c.H;
  const double z2 = round3(c.D + p.hr);
  const double z3 = round3(c.D + c.Hc);
  const double hs = round3(c.H - c.D - p.hr);
  const double x_mid = round3(x_back + (c.B - c.Tw) / 2);

  // The horizontal and corner haunches lie whole in the fill's lowest part: they are deducted
  // once, from the lowest included sublayer whose bottom lies in the haunch zone.
  const auto bottom_class = [&](double zb) {
    return (z2 < zb && zb <= z1) ? 1 : (z3 < zb && zb <= z2) ? 2 : 3;
  };
  int haunch_sub = -1;
  for (std::size_t i = 0; i < subs.size(); ++i)
    if (subs[i].included && bottom_class(subs[i].bottom) == 3) haunch_sub = static_cast<int>(i);

  for (std::size_t i = 0; i < subs.size(); ++i) {
    const FillSublayer& s = subs[i];
    if (!s.included) continue;
    const double zt = s.top, zb = s.bottom;
    const double h = round3(zt - zb);
    const double wt = counterfort_width(c, hs, zt);
    const double wb = counterfort_width(c, hs, zb);
    const double du = std::max(round3(zt - z2), 0.0);
    const double dl = std::max(round3(z2 - zb), 0.0);
    const int top = (z2 < zt && zt <= z1) ? 1 : 2;
    const int bottom = bottom_class(zb);
    if (top == 2 && bottom == 1) continue;  // only with a negative thickness
    const double g = s.unit_weight;
    const double ymid = round3(zb + h / 2);

    rows.push_back(member_row(s.name, 1, round3(c.B - c.Tw), c.L, h, 1, x_mid, ymid, g));
    rows.push_back(member_row(cp("      扶壁   縦 "), -1, wt, c.Tc, h, n,
                              top == 1 ? round3(x_back + wt / 2) : x_mid, ymid, g));
    if (top == 1) {
      const double dw = round3(wb - wt);
      const double tri_h = bottom == 1 ? h : du;
      const double tri_y = bottom == 1 ? round3(zb + h / 3) : round3(zb + dl + du / 3);
      rows.push_back(member_row(cp("      扶壁  三角"), -2, dw, c.Tc, tri_h, n,
                                round3(x_back + wt + dw / 3), tri_y, g));
      if (bottom != 1)
        rows.push_back(member_row(cp("      扶壁   横 "), -1, dw, c.Tc, dl, n,
                                  round3(x_back + wt + dw / 2), round3(zb + dl / 2), g));
    }
    rows.push_back(member_row(cp("      垂直ハンチ"), -2, c.Hc, c.Hc, h, 2 * n,
                              round3(x_back + c.Hc / 3), ymid, g));
    if (bottom == 3 && static_cast<int>(i) == haunch_sub) {
      rows.push_back(member_row(cp("    水平ハンチ横"), -2, round3(c.B - c.Tw - c.Hc), c.Hc, c.Hc,
                                2 * n, round3(x_back + c.Hc + (c.B - c.Tw - c.Hc) / 2),
                                round3(c.D + c.Hc / 3), g));
      rows.push_back(member_row(cp("    水平ハンチ縦"), -2, c.Hc, lh, c.Hc, 1,
                                round3(x_back + c.Hc / 3), round3(c.D + c.Hc / 3), g));
      rows.push_back(member_row(cp("    隅角部ハンチ"), -3, c.Hc, c.Hc, c.Hc, 2 * n,
                                round3(x_back + 5 * c.Hc / 8), round3(c.D + 3 * c.Hc / 8), g));
    }
    rows.push_back(subtotal_member_row());
  }
  return rows;
}

namespace {

void write_counterfort_tables(int slot, engine::PrintFile& report, int kind,
                              std::vector<MemberRow>& rows, MemberTableStyle style) {
  const engine::WallBlock& block = engine::condition_data().wall_blocks[slot];
  const BlockResult total = work_member_rows(rows, block.head.ref_x, block.head.ref_y);
  const bool buoyancy = kind == KIND_BUOYANCY;
  run_data.block_results[slot][buoyancy ? KIND_BUOYANCY : KIND_WEIGHT] = total;
  const std::string name_v = cp932_printf(buoyancy ? "FKVV_%02d.PFM" : "BKVV_%02d.PFM", slot);
  const std::string name_m = cp932_printf(buoyancy ? "FKVM_%02d.PFM" : "BKVM_%02d.PFM", slot);
  write_table_template(
      report, member_weight_table(name_v, block.head.name.view(), rows, total, style, kind),
      name_v);
  write_table_template(
      report, member_centroid_table(name_m, block.head.name.view(), rows, total, style), name_m);
}

}  // namespace

int write_counterfort_block_tables(int slot, engine::PrintFile& report, int kind) {
  const engine::ConditionData& cd = engine::condition_data();
  const engine::WallBlock& block = cd.wall_blocks[slot];
  const double level = cd.water_levels[2];
  if (kind == KIND_BUOYANCY && block.head.ref_y >= level) {
    write_no_buoyancy_template(report, cp932_printf("FKLB_%02d.PFM", slot), block.head.name.view(),
                               slot);
    return -1;
  }
  if (block.sub_type == 3) {
    write_counterfort_member_rows(slot, report, kind);
    return 0;
  }
  std::vector<MemberRow> rows = counterfort_rows(block, kind, level);
  write_counterfort_tables(slot, report, kind, rows, MemberTableStyle::counterfort);
  return 0;
}

int write_counterfort_member_rows(int slot, engine::PrintFile& report, int kind) {
  const engine::ConditionData& cd = engine::condition_data();
  const engine::WallBlock& block = cd.wall_blocks[slot];
  std::vector<MemberRow> rows = inclined_counterfort_rows(block, kind, cd.water_levels[2]);
  write_counterfort_tables(slot, report, kind, rows, MemberTableStyle::inclined_counterfort);
  return 0;
}

}  // namespace qvt::zenobar
