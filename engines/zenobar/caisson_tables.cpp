#include "engines/zenobar/caisson_tables.h"

#include "common/cp932.h"
#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"

#include <cmath>
#include <numeric>

namespace qvt::zenobar {

namespace {

// Two lengths are the same when they differ by less than this.
constexpr double kTiny = 0.0001;

// The block file holds eight cell widths and eight cell lengths.
constexpr int kMaxCells = 8;

std::string cp(std::string_view utf8) { return utf8_to_cp932_lossy(utf8); }

[[noreturn]] void refuse(const engine::WallBlock& block, std::string_view utf8_reason) {
  engine::stop_engine(engine::fatal_error(cp("ケーソン《") + std::string(block.head.name.view()) +
                                          cp("》: ") + cp(utf8_reason)));
}

// The part name of a fill layer, cut to the 16 bytes of the name column.
std::string part_name(const engine::CaissonShape& shape, int index) {
  return std::string(cp932_truncate(shape.part_names[index].view(), 16));
}

void add_row(engine::TableTemplate& table, const char* align, const std::string& text,
             const char* border) {
  table.add_row(align, text, border);
}

}  // namespace

// ---- Rows --------------------------------------------------------------------------------

MemberRow member_row(std::string name, int divisor, double d1, double d2, double d3, int count,
                     double x, double y, double unit_weight) {
  MemberRow r;
  r.name = std::move(name);
  r.divisor = divisor;
  r.d1 = d1;
  r.d2 = d2;
  r.d3 = d3;
  r.count = count;
  r.x = x;
  r.y = y;
  r.unit_weight = unit_weight;
  return r;
}

MemberRow subtotal_member_row() {
  MemberRow r;
  r.name = cp("    小  計");
  r.subtotal = true;
  return r;
}

// ---- Cell groups -------------------------------------------------------------------------

ValueGroups group_equal_values(std::span<const double> values) {
  ValueGroups groups;
  for (double v : values) {
    bool found = false;
    for (int i = 0; i < groups.size(); ++i) {
      if (groups.values[i] == v) {
        ++groups.counts[i];
        found = true;
        break;
      }
    }
    if (!found) {
      groups.values.push_back(v);
      groups.counts.push_back(1);
    }
  }
  return groups;
}

std::vector<CellType> combine_value_groups(const ValueGroups& a, const ValueGroups& b) {
  std::vector<CellType> types;
  types.reserve(static_cast<std::size_t>(a.size()) * static_cast<std::size_t>(b.size()));
  for (int i = 0; i < b.size(); ++i)
    for (int j = 0; j < a.size(); ++j)
      types.push_back({a.values[j], b.values[i], a.counts[j] * b.counts[i]});
  return types;
}

// ---- Layout ------------------------------------------------------------------------------

double CaissonLayout::width_x(double width) const {
  double sum = 0;
  int count = 0;
  for (std::size_t j = 0; j < b.size(); ++j) {
    if (std::abs(b[j] - width) < kTiny) {
      sum += cell_centre[j];
      ++count;
    }
  }
  return count ? sum / count : 0;
}

CaissonLayout caisson_layout(const engine::WallBlock& block) {
  const engine::CaissonShape& c = block.caisson;
  CaissonLayout g;
  g.n = c.flag_a;
  g.m = c.flag_b;
  g.s = block.sub_type;
  // Every centre below is a mean over the cells, and the block file has room for eight.
  if (g.n < 1 || g.n > kMaxCells || g.m < 1 || g.m > kMaxCells)
    refuse(block, "セル数が 1～8 の範囲にありません (N=" + std::to_string(g.n) +
                      ", M=" + std::to_string(g.m) + ")");
  g.h = c.dims_a[0][0];
  g.f = c.dims_a[0][1];
  g.t = c.dims_a[0][2];
  g.w = c.dims_a[1][0];
  g.l = c.dims_a[1][1];
  g.wf = c.dims_a[1][2];
  g.wp = c.dims_a[1][3];
  g.lb = c.dims_a[2][0];
  g.we = c.dims_a[2][1];
  g.wq = c.dims_a[2][2];
  g.hh = c.dims_a[3][0];
  g.hv = c.dims_a[3][1];
  g.c = c.dims_a[3][2];
  g.b.assign(c.dims_b[0], c.dims_b[0] + g.n);
  g.e.assign(c.dims_b[1], c.dims_b[1] + g.m);
  const double sum_b = std::accumulate(g.b.begin(), g.b.end(), 0.0);
  if (std::abs(sum_b) < kTiny) refuse(block, "セル幅の合計が 0 です");

  g.x0 = g.s <= 4 ? g.l : 0;
  double offset = 0;  // Σ(B(i) + Wp) for i < j
  for (int j = 0; j < g.n; ++j) {
    g.cell_centre.push_back(g.x0 + g.wf + offset + g.b[j] / 2);
    offset += g.b[j] + g.wp;
  }
  double partitions = 0;
  double widths = 0;  // Σ B(i) for i <= j
  for (int j = 0; j < g.n - 1; ++j) {
    widths += g.b[j];
    partitions += g.x0 + g.wf + widths + j * g.wp + g.wp / 2;
  }
  g.xp = g.n >= 2 ? partitions / (g.n - 1) : 0;
  g.xb = g.x0 + g.w / 2;
  g.xm = std::accumulate(g.cell_centre.begin(), g.cell_centre.end(), 0.0) / g.n;
  double weighted = 0, inner = 0, inner_weighted = 0;
  for (int j = 0; j < g.n; ++j) {
    weighted += g.b[j] * g.cell_centre[j];
    inner += g.b[j] - 2 * g.hh;
    inner_weighted += (g.b[j] - 2 * g.hh) * g.cell_centre[j];
  }
  g.xw = weighted / sum_b;
  // Haunches as wide as the cells leave no clear width to weight by; the width-weighted centre
  // is then the sound choice for the haunch rows.
  g.xh = std::abs(inner) < kTiny ? g.xw : inner_weighted / inner;
  g.wi = g.w - 2 * g.wf - (g.n - 1) * g.wp;
  g.footing_count = (g.s == 1 || g.s == 2) ? 2 : (g.s == 3 || g.s == 4 || g.s == 6 || g.s == 7) ? 1 : 0;
  return g;
}

int submersion_case(double ref_y, double t, double c, double h, double r) {
  const double yb = ref_y, yf = ref_y + t, yh = ref_y + t + c, yt = ref_y + h;
  if (r > yt) return 0;
  if (yh < r) return 1;
  if (yf < r) return 2;
  if (yb < r) return 3;
  return 4;
}

namespace {
// The dry part of a tapered haunch's length, L·e/C; nothing is dry when e is 0 (whatever C).
double tapered_dry_length(const CaissonLayout& g, double e) { return e == 0 ? 0 : g.l * e / g.c; }
}  // namespace

double haunch_triangle_width(const CaissonLayout& g, double e) {
  if (g.s == 1 || g.s == 3 || g.s == 6) return g.c - e;
  if (g.s == 2 || g.s == 4 || g.s == 7) return g.l - tapered_dry_length(g, e);
  return 0;
}

double haunch_rectangle_width(const CaissonLayout& g, double e) {
  if (g.s == 1 || g.s == 3 || g.s == 6) return e;
  if (g.s == 2 || g.s == 4 || g.s == 7) return tapered_dry_length(g, e);
  return 0;
}

FootingPositions footing_positions(const CaissonLayout& g, double e) {
  const double L = g.l, C = g.c, W = g.w;
  const double le = tapered_dry_length(g, e);
  switch (g.s) {
    case 3:
      return {L / 2, (L - e) - (C - e) / 3, L - e / 2};
    case 4:
      return {L / 2, 2 * (L - le) / 3, L - le / 2};
    case 6:
      return {W + L / 2, W + e + (C - e) / 3, W + e / 2};
    case 7:
      return {W + L / 2, W + le + (L - le) / 3, W + le / 2};
    default:  // footings on both sides, or none
      return {g.xb, g.xb, g.xb};
  }
}

std::vector<FillLayer> stack_fill_layers(const engine::CaissonShape& shape, double h,
                                         double floor) {
  return stack_fill_layers(shape.part_count, shape.part_values, h, floor);
}

std::vector<FillLayer> stack_fill_layers(int part_count, const double (&part_values)[4][8],
                                         double h, double floor) {
  const int count = std::clamp<int>(part_count, 0, engine::PART_NAMES);
  std::vector<FillLayer> layers;
  double total = 0;
  double top = h;
  for (int k = 0; k < count; ++k) {
    const double t = part_values[0][k];
    total += t;
    layers.push_back({k, top, top - t});
    top -= t;
  }
  // Layers thicker in all than the cells are deep would overlap the concrete below them (and be
  // weighed twice); they are cut at the floor.
  if (total > h - floor + kTiny) {
    std::vector<FillLayer> kept;
    for (FillLayer layer : layers) {
      if (layer.top <= floor) continue;
      layer.bottom = std::max(layer.bottom, floor);
      kept.push_back(layer);
    }
    layers = std::move(kept);
  }
  return layers;
}

// ---- Type 2 rows -------------------------------------------------------------------------

std::vector<MemberRow> build_caisson_members(const CaissonLayout& g, double uw) {
  const double hc = g.h - g.f;
  const int nm4 = 4 * g.n * g.m;
  std::vector<MemberRow> rows;
  rows.push_back(member_row(cp("底  版          "), 1, g.w, g.lb, g.f, 1, g.xb, g.f / 2, uw));
  rows.push_back(member_row(cp("側  壁    縦断側"), 1, g.wf, g.lb, hc, 2, g.xb, g.f + hc / 2, uw));
  rows.push_back(
      member_row(cp("隔  壁    縦断側"), 1, g.wp, g.lb, hc, g.n - 1, g.xp, g.f + hc / 2, uw));
  rows.push_back(member_row(cp("側  壁    横断側"), 1, g.wi, g.we, hc, 2, g.xw, g.f + hc / 2, uw));
  rows.push_back(
      member_row(cp("隔  壁    横断側"), 1, g.wi, g.wq, hc, g.m - 1, g.xw, g.f + hc / 2, uw));
  if (g.hh >= kTiny) {
    rows.push_back(
        member_row(cp("垂直ハンチ      "), 2, g.hh, g.hh, hc, nm4, g.xm, g.f + hc / 2, uw));
    rows.push_back(member_row(cp("水平ハンチ横断側"), 2, g.wi - 2 * g.n * g.hv, g.hv, g.hv, 2 * g.m,
                              g.xh, g.f + g.hv / 3, uw));
    rows.push_back(member_row(cp("水平ハンチ縦断側"), 2, g.hv,
                              g.lb - 2 * g.we - (g.m - 1) * g.wq - 2 * g.m * g.hv, g.hv, 2 * g.n,
                              g.xm, g.f + g.hv / 3, uw));
    rows.push_back(
        member_row(cp("隅角部ハンチ    "), 3, g.hh, g.hh, g.hh, nm4, g.xm, g.f + 3 * g.hv / 8, uw));
  }
  if (g.s != 5) {
    const FootingPositions fx = footing_positions(g, 0);
    rows.push_back(member_row(cp("フーチング      "), 1, g.l, g.lb, g.t, g.footing_count,
                              fx.footing, g.t / 2, uw));
    rows.push_back(member_row(cp("フーチングハンチ"), 2, haunch_triangle_width(g, 0), g.lb, g.c,
                              g.footing_count, fx.triangle, g.t + g.c / 3, uw));
  }
  return rows;
}

std::vector<MemberRow> caisson_weight_rows(const engine::WallBlock& block) {
  const CaissonLayout g = caisson_layout(block);
  const engine::CaissonShape& shape = block.caisson;
  std::vector<MemberRow> rows = build_caisson_members(g, block.head.unit_weights[0]);
  rows.push_back(subtotal_member_row());

  const ValueGroups widths = group_equal_values(g.b);
  const ValueGroups lengths = group_equal_values(g.e);
  const std::vector<CellType> types = combine_value_groups(widths, lengths);
  const std::vector<FillLayer> layers = stack_fill_layers(shape, g.h, g.f);
  const bool haunch = g.hh > kTiny;
  const double t_low = layers.empty() ? 0 : layers.back().thickness();
  // X: the vertical haunch reaches above the lowest layer, into the layer over it by e.
  const bool x = !layers.empty() && g.hh > t_low;
  const double e = x ? g.hh - t_low : 0;
  const int nm = g.n * g.m;
  const double r2 = std::sqrt(2.0);

  for (std::size_t i = 0; i < layers.size(); ++i) {
    const FillLayer& layer = layers[i];
    const bool lowest = i + 1 == layers.size();
    const bool over_lowest = x && i + 2 == layers.size();
    const double t = layer.thickness();
    const double zb = layer.bottom;
    const double gk = shape.part_values[1][layer.index];

    // a. The cells, one row per cell type.
    for (std::size_t k = 0; k < types.size(); ++k) {
      double d1 = types[k].width, d2 = types[k].length;
      if (lowest && x) {
        d1 = types[k].width - 2 * g.hh + 2 * t;
        d2 = types[k].length - 2 * g.hh + 2 * t;
      }
      rows.push_back(member_row(k == 0 ? part_name(shape, layer.index) : std::string(), 1, d1, d2,
                                t, types[k].count, g.width_x(types[k].width), zb + t / 2, gk));
    }
    if (lowest || over_lowest) {
      // b. Horizontal haunches across the section, one row per distinct width.
      for (int a = 0; a < widths.size(); ++a) {
        const double bw = widths.values[a];
        MemberRow r = member_row(a == 0 ? cp("    水平横ハンチ") : std::string(), -2, bw - 2 * g.hh,
                                 0, 0, widths.counts[a] * g.m * 2, g.width_x(bw), 0, gk);
        if (over_lowest) {
          r.d2 = r.d3 = e;
          r.y = zb + e / 3;
        } else if (x) {
          r.d2 = r.d3 = t;
          r.y = g.f + t / 3;
        } else {
          r.d2 = r.d3 = g.hv;
          r.y = g.f + g.hv / 3;
        }
        rows.push_back(r);
      }
      // c. Horizontal haunches along the wall line, one row per distinct length.
      for (int b = 0; b < lengths.size(); ++b) {
        const double bl = lengths.values[b];
        MemberRow r = member_row(b == 0 ? cp("    水平縦ハンチ") : std::string(), -2, 0,
                                 bl - 2 * g.hh, 0, lengths.counts[b] * g.n * 2, g.xm, 0, gk);
        if (over_lowest) {
          r.d1 = r.d3 = e;
          r.y = zb + e / 3;
        } else if (x) {
          r.d1 = r.d3 = t;
          r.y = g.f + t / 3;
        } else {
          r.d1 = g.hh;
          r.d3 = g.hv;
          r.y = g.f + g.hv / 3;
        }
        rows.push_back(r);
      }
    }
    // d. Vertical haunches in the cell corners.
    if (haunch) {
      const double leg = lowest && t < g.hh ? t : g.hh;
      rows.push_back(
          member_row(cp("      垂直ハンチ"), -2, leg, leg, t, 4 * nm, g.xm, zb + t / 2, gk));
    }
    // e. Corner haunches where the vertical and the horizontal haunches meet.
    if (lowest && haunch) {
      if (x)
        rows.push_back(
            member_row(cp("    隅角部ハンチ"), -3, t, t, t, 4 * nm, g.xm, g.f + 3 * t / 8, gk));
      else
        rows.push_back(member_row(cp("    隅角部ハンチ"), -3, g.hh, g.hh, g.hh, 4 * nm, g.xm,
                                  g.f + 3 * g.hv / 8, gk));
    }
    if (over_lowest) {
      rows.push_back(member_row(cp("   隅角部ハンチA"), -3, e, e / r2, e / r2, 8 * nm, g.xm,
                                zb + 3 * e / 8, gk));
      rows.push_back(member_row(cp("   隅角部ハンチB"), -2, e, e / r2, r2 * g.hh - 2 * e / r2,
                                4 * nm, g.xm, zb + e / 3, gk));
    }
    rows.push_back(subtotal_member_row());
  }
  return rows;
}

std::vector<MemberRow> caisson_buoyancy_rows(const engine::WallBlock& block, int water_case,
                                             double water_level, double gw) {
  const CaissonLayout g = caisson_layout(block);
  const double ref_y = block.head.ref_y;
  double hb = g.h, hf = g.t;
  if (water_case == 1 || water_case == 2) hb = water_level - ref_y;
  if (water_case == 3) hb = hf = water_level - ref_y;
  const double e = water_case == 2 ? (ref_y + g.t + g.c) - water_level : 0;
  const FootingPositions fx = footing_positions(g, e);
  const int fc = g.footing_count;

  std::vector<MemberRow> rows;
  rows.push_back(member_row(cp("ケーソン  "), 1, g.w, hb, gw, 1, g.xb, hb / 2, 0));
  rows.push_back(member_row(cp("ﾌｰﾁﾝｸﾞ    "), 1, g.l, hf, gw, fc, fx.footing, hf / 2, 0));
  if (water_case <= 2)
    rows.push_back(member_row(cp(water_case == 2 ? "ﾌｰﾁﾝｸﾞﾊﾝﾁ1" : "ﾌｰﾁﾝｸﾞﾊﾝﾁ "), 2,
                              haunch_triangle_width(g, e), g.c - e, gw, fc, fx.triangle,
                              g.t + (g.c - e) / 3, 0));
  if (water_case == 2)
    rows.push_back(member_row(cp("ﾌｰﾁﾝｸﾞﾊﾝﾁ2"), 1, haunch_rectangle_width(g, e), g.c - e, gw, fc,
                              fx.rectangle, g.t + (g.c - e) / 2, 0));
  return rows;
}

// ---- Values ------------------------------------------------------------------------------

namespace {
// A product with a zero factor and a negative divisor is -0, which would print as "-0.000".
double r3(double v) { return round3(v) + 0.0; }
}  // namespace

BlockResult work_member_rows(std::vector<MemberRow>& rows, double ref_x, double ref_y) {
  BlockResult total;
  double sv = 0, sw = 0, swx = 0, swy = 0;  // since the last subtotal
  for (MemberRow& r : rows) {
    if (r.subtotal) {
      r.volume = sv;
      r.weight = sw;
      r.moment_x = swx;
      r.moment_y = swy;
      const bool weightless = std::abs(sw) < kTiny;
      r.x = weightless ? 0 : r3(swx / sw);
      r.y = weightless ? 0 : r3(swy / sw);
      sv = sw = swx = swy = 0;
      continue;
    }
    // Divided by the signed divisor first, then multiplied: a deduction row comes out negative.
    r.volume = r3(r.d1 * r.d2 * r.d3 / r.divisor * r.count);
    r.weight = r3(r.volume * r.unit_weight);
    r.x = r3(r.x + ref_x);
    r.y = r3(r.y + ref_y);
    r.moment_x = r3(r.weight * r.x);
    r.moment_y = r3(r.weight * r.y);
    total.volume = r3(total.volume + r.volume);
    total.weight = r3(total.weight + r.weight);
    total.moment_x = r3(total.moment_x + r.moment_x);
    total.moment_y = r3(total.moment_y + r.moment_y);
    sv = r3(sv + r.volume);
    sw = r3(sw + r.weight);
    swx = r3(swx + r.moment_x);
    swy = r3(swy + r.moment_y);
  }
  if (std::abs(total.weight) >= kTiny) {
    total.centroid_x = r3(total.moment_x / total.weight);
    total.centroid_y = r3(total.moment_y / total.weight);
  }
  return total;
}

BlockResult work_buoyancy_rows(std::vector<MemberRow>& rows, double ref_x, double ref_y) {
  BlockResult total;
  for (MemberRow& r : rows) {
    r.x = r3(r.x + ref_x);
    r.y = r3(r.y + ref_y);
    r.weight = r3(r.d1 * r.d2 * r.d3 / r.divisor * r.count);
    r.moment_x = r3(r.weight * r.x);
    r.moment_y = r3(r.weight * r.y);
    total.weight = r3(total.weight + r.weight);
    total.moment_x = r3(total.moment_x + r.moment_x);
    total.moment_y = r3(total.moment_y + r.moment_y);
  }
  if (total.weight != 0) {
    total.centroid_x = r3(total.moment_x / total.weight);
    total.centroid_y = r3(total.moment_y / total.weight);
  }
  return total;
}

// ---- Tables ------------------------------------------------------------------------------

namespace {
constexpr const char* kHeadBorder = "1011,1011,1011,1011,1011,1011";
constexpr const char* kUnitBorder = "1110,1110,1110,1110,1110,1110";
constexpr const char* kRowBorder = "1010,1010,1010,1010,1010,1010";
constexpr const char* kSumBorder = "1111,1101,0111,1111,1111,1111";
constexpr const char* kCentroidSumBorder = "1111,1111,1111,1111,1111,1111";

// The label of the unit-weight column of a type-3 table, 8 bytes.
std::string footing_unit_label(int kind) {
  return cp(kind == KIND_BUOYANCY ? " γ－γ'" : "   γ   ");
}
}  // namespace

engine::TableTemplate member_weight_table(const std::string& name, std::string_view block_name,
                                          const std::vector<MemberRow>& rows,
                                          const BlockResult& total, MemberTableStyle style,
                                          int kind) {
  const bool footing = style == MemberTableStyle::footing_caisson;
  const bool counterfort =
      style == MemberTableStyle::counterfort || style == MemberTableStyle::inclined_counterfort;
  const std::string bn(block_name);
  engine::TableTemplate table(name, {18, counterfort ? 30 : 28, 4, 10, 10, 12});
  add_row(table, "2,@,@,@,@,@",
          footing       ? cp932_printf("《%s》,@,@,@,@,@", bn.c_str())
          : counterfort ? cp932_printf("《%s》重量の算定,@,@,@,@,@", bn.c_str())
                        : cp932_printf("《%s》 重量の算定,@,@,@,@,@", bn.c_str()),
          "0100,@,@,@,@,@");
  add_row(table, "3,2,3,3,3,3",
          footing || counterfort
              ? cp932_printf("名 称, 形状寸法,数,V,%s,W", footing_unit_label(kind).c_str())
              : cp("名 称, 形状寸法,数,V,γ,W"),
          kHeadBorder);
  add_row(table, "3,1,3,3,3,3",
          style == MemberTableStyle::inclined_counterfort
              ? cp(",,,(m$U3$Z),(kN/m$U3$Z),(kN)")
              : cp(",(m$U3$Z/個) ,,(m$U3$Z),(kN/m$U3$Z),(kN)"),
          kUnitBorder);
  bool members = true;  // the concrete rows, up to the first subtotal
  for (const MemberRow& r : rows) {
    if (r.subtotal) {
      add_row(table, "3,3,1,1,1,1", cp932_printf("小 計,,,%8.3f ,,%10.3f ", r.volume, r.weight),
              kSumBorder);
      members = false;
      continue;
    }
    if (r.count <= 0) continue;
    const int divisor = std::abs(r.divisor);
    std::string text;
    if (footing && members) {
      text = divisor == 1
                 ? cp932_printf(" %-16s, %5.2f×%5.2f×%6.3f,%2d ,%8.3f ,%6.3f ,%10.3f ",
                                r.name.c_str(), r.d1, r.d2, r.d3, r.count, r.volume,
                                r.unit_weight, r.weight)
                 : cp932_printf(" %-16s, %5.2f×%5.2f×%6.3f×1/%1d,%2d ,%8.3f ,%6.3f ,%10.3f ",
                                r.name.c_str(), r.d1, r.d2, r.d3, divisor, r.count, r.volume,
                                r.unit_weight, r.weight);
    } else {
      text = divisor == 1
                 ? cp932_printf(" %-16s, %6.3f×%6.3f×%6.3f,%2d ,%8.3f ,%6.3f ,%10.3f ",
                                r.name.c_str(), r.d1, r.d2, r.d3, r.count, r.volume,
                                r.unit_weight, r.weight)
                 : cp932_printf(" %-16s, %6.3f×%6.3f×%6.3f×1/%1d,%2d ,%8.3f ,%6.3f ,%10.3f ",
                                r.name.c_str(), r.d1, r.d2, r.d3, divisor, r.count, r.volume,
                                r.unit_weight, r.weight);
    }
    add_row(table, "2,2,1,1,1,1", text, kRowBorder);
  }
  add_row(table, "3,3,1,1,1,1",
          cp932_printf("合 計,,,%8.3f ,,%10.3f ", total.volume, total.weight), kSumBorder);
  return table;
}

engine::TableTemplate member_centroid_table(const std::string& name, std::string_view block_name,
                                            const std::vector<MemberRow>& rows,
                                            const BlockResult& total, MemberTableStyle style) {
  const bool footing = style == MemberTableStyle::footing_caisson;
  const std::string bn(block_name);
  engine::TableTemplate table(name, {18, 12, 10, 10, 14, 14});
  add_row(table, "2,@,@,@,@,@",
          footing ? cp932_printf("《%s》,@,@,@,@,@", bn.c_str())
          : style == MemberTableStyle::caisson
              ? cp932_printf("《%s》 重心の算定,@,@,@,@,@", bn.c_str())
              : cp932_printf("《%s》重心の算定,@,@,@,@,@", bn.c_str()),
          "0100,@,@,@,@,@");
  // A subtotal's centroid is a quotient, marked as such in the caisson's and the inclined
  // counterfort's tables.
  const bool starred_subtotal =
      style == MemberTableStyle::caisson || style == MemberTableStyle::inclined_counterfort;
  add_row(table, "3,3,3,3,3,3", cp("名 称,重 量,重心座標,重心座標,W･x,W･y"), kHeadBorder);
  add_row(table, "3,3,3,3,3,3", cp(",W (kN),x (m),y (m),(kN･m),(kN･m)"), kUnitBorder);
  for (const MemberRow& r : rows) {
    if (r.subtotal) {
      const char* format = starred_subtotal ? "小 計,%10.3f ,*%7.3f ,*%7.3f ,%12.3f ,%12.3f "
                                            : "小 計,%10.3f ,%8.3f ,%8.3f ,%12.3f ,%12.3f ";
      add_row(table, "3,1,1,1,1,1",
              cp932_printf(format, r.weight, r.x, r.y, r.moment_x, r.moment_y),
              kCentroidSumBorder);
      continue;
    }
    if (r.count <= 0) continue;
    add_row(table, "2,1,1,1,1,1",
            cp932_printf(" %-16s,%10.3f ,%8.3f ,%8.3f ,%12.3f ,%12.3f ", r.name.c_str(),
                         r.weight, r.x, r.y, r.moment_x, r.moment_y),
            kRowBorder);
  }
  add_row(table, "3,1,1,1,1,1",
          cp932_printf("合 計,%10.3f ,*%7.3f ,*%7.3f ,%12.3f ,%12.3f ", total.weight,
                       total.centroid_x, total.centroid_y, total.moment_x, total.moment_y),
          kCentroidSumBorder);
  return table;
}

engine::TableTemplate buoyancy_shape_table(const std::string& name, std::string_view block_name,
                                           const std::vector<MemberRow>& rows,
                                           const BlockResult& total) {
  const std::string bn(block_name);
  engine::TableTemplate table(name, {12, 30, 4, 12});
  add_row(table, "2,@,@,@", cp932_printf("《%s》,@,@,@", bn.c_str()), "0100,@,@,@");
  add_row(table, "3,2,3,3", cp("名 称,  形状寸法,数,重 量"), "1011,1011,1011,1011");
  add_row(table, "3,1,3,3", cp(",(m$U3$Z/m) ,,W (kN/m)"), "1110,1110,1110,1110");
  for (const MemberRow& r : rows) {
    if (r.count <= 0) continue;
    const std::string divisor = r.divisor == 2 ? cp("×1/2") : std::string("     ");
    add_row(table, "2,2,1,1",
            cp932_printf(" %-10s, %6.3f×%6.3f×%6.3f%4s,%2d ,%10.3f ", r.name.c_str(), r.d1, r.d2,
                         r.d3, divisor.c_str(), r.count, r.weight),
            "1010,1010,1010,1010");
  }
  add_row(table, "3,3,3,1", cp932_printf("計,,,%10.3f ", total.weight), "1111,1101,0111,1111");
  return table;
}

engine::TableTemplate buoyancy_centroid_table(const std::string& name,
                                              const std::vector<MemberRow>& rows,
                                              const BlockResult& total) {
  engine::TableTemplate table(name, {12, 12, 10, 10, 14, 14});
  add_row(table, "3,3,3,3,3,3", cp("名 称,重 量,重心座標,重心座標,W･x,W･y"), kHeadBorder);
  add_row(table, "3,3,3,3,3,3", cp(",W (kN/m),x (m),y (m),(kN･m/m),(kN･m/m)"), kUnitBorder);
  for (const MemberRow& r : rows) {
    if (r.count <= 0) continue;
    add_row(table, "2,1,1,1,1,1",
            cp932_printf(" %-10s,%10.3f ,%8.3f ,%8.3f ,%12.3f ,%12.3f ", r.name.c_str(),
                         r.weight, r.x, r.y, r.moment_x, r.moment_y),
            kRowBorder);
  }
  add_row(table, "3,1,1,1,1,1",
          cp932_printf("計,%10.3f ,*%7.3f ,*%7.3f ,%12.3f ,%12.3f ", total.weight,
                       total.centroid_x, total.centroid_y, total.moment_x, total.moment_y),
          kCentroidSumBorder);
  return table;
}

// ---- Writers -----------------------------------------------------------------------------

void write_table_template(engine::PrintFile& report, const engine::TableTemplate& table,
                          const std::string& name) {
  report.block_record(name);
  engine::PrintFile file;
  open_output(file, name);
  table.write_to(file);
  close_output(file);
}

int write_caisson_weight_tables(int slot, engine::PrintFile& report) {
  const engine::WallBlock& block = engine::condition_data().wall_blocks[slot];
  std::vector<MemberRow> rows = caisson_weight_rows(block);
  const BlockResult total = work_member_rows(rows, block.head.ref_x, block.head.ref_y);
  run_data.block_results[slot][KIND_WEIGHT] = total;
  const std::string name_vv = cp932_printf("BLKVV_%02d.PFM", slot);
  const std::string name_vm = cp932_printf("BLKVM_%02d.PFM", slot);
  write_table_template(report,
                 member_weight_table(name_vv, block.head.name.view(), rows, total,
                                     MemberTableStyle::caisson, KIND_WEIGHT),
                 name_vv);
  write_table_template(report,
                 member_centroid_table(name_vm, block.head.name.view(), rows, total,
                                       MemberTableStyle::caisson),
                 name_vm);
  return 0;
}

int write_caisson_buoyancy_tables(int slot, engine::PrintFile& report) {
  const engine::ConditionData& cd = engine::condition_data();
  const engine::WallBlock& block = cd.wall_blocks[slot];
  const engine::CaissonShape& c = block.caisson;
  const double level = cd.water_levels[2];
  const int water_case =
      submersion_case(block.head.ref_y, c.dims_a[0][2], c.dims_a[3][2], c.dims_a[0][0], level);
  const std::string name_vv = cp932_printf("FRKVV_%02d.PFM", slot);
  BlockResult& result = run_data.block_results[slot][KIND_BUOYANCY];
  if (water_case == 4) {
    write_no_buoyancy_template(report, name_vv, block.head.name.view(), slot);
    return -1;
  }
  std::vector<MemberRow> rows =
      caisson_buoyancy_rows(block, water_case, level, cd.water_unit_weight);
  const BlockResult total = work_buoyancy_rows(rows, block.head.ref_x, block.head.ref_y);
  result.weight = total.weight;
  result.centroid_x = total.centroid_x;
  result.centroid_y = total.centroid_y;
  result.moment_x = total.moment_x;
  result.moment_y = total.moment_y;
  const std::string name_vvv = cp932_printf("FRKVVV%02d.PFM", slot);
  write_table_template(report, buoyancy_shape_table(name_vv, block.head.name.view(), rows, total),
                 name_vv);
  write_table_template(report, buoyancy_centroid_table(name_vvv, rows, total), name_vvv);
  return 0;
}

}  // namespace qvt::zenobar
