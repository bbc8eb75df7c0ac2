// Counterfort blocks whose front face leans back above the height Ht (sub-type 3): the section is
// built from points worked out with the lean angle, its members become rows of the counterfort
// tables, and the fill is cut along the inclined back face of the wall.
#include "engines/zenobar/counterfort_tables.h"

#include "common/cp932.h"
#include "engines/common/print_data.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace qvt::zenobar {

namespace {

constexpr double kTiny = 0.0001;

std::string cp(std::string_view utf8) { return utf8_to_cp932_lossy(utf8); }

struct Pt {
  double x = 0, y = 0;
};

std::string level_text(double v) {
  return engine::format_text("%.3f", v);
}

// A sloped cap (the wall's above P13-P3, the counterforts' above P14-P4) is a triangle with a
// horizontal base and its apex on top. Below a level r inside it lies a quadrilateral, which
// no product of three sizes describes: the part is found by clipping the triangle at r, and
// becomes one row of its mean width, its length along the wall and its height.
struct CapPart {
  double area = 0;       // of the section below the level
  double weighted = 0;   // the integral of the weight function over it
  double x = 0, y = 0;   // centroid, weighted
};

// The part of triangle (a, b, c) at or below y = r, with a weight linear over the section
// (the along-wall length of a haunch falls off from the back face). The integrals of a
// quadratic over a triangle are exact with the values at its edge midpoints.
CapPart clip_cap_below(const Pt& a, const Pt& b, const Pt& c, double r,
                       const std::function<double(const Pt&)>& weight) {
  const Pt tri[3] = {a, b, c};
  std::vector<Pt> poly;
  for (int i = 0; i < 3; ++i) {
    const Pt& p = tri[i];
    const Pt& q = tri[(i + 1) % 3];
    if (p.y <= r) poly.push_back(p);
    if ((p.y < r) != (q.y < r) && p.y != q.y) {
      const double t = (r - p.y) / (q.y - p.y);
      poly.push_back({p.x + t * (q.x - p.x), r});
    }
  }
  CapPart part;
  double mx = 0, my = 0;
  for (std::size_t i = 1; i + 1 < poly.size(); ++i) {
    const Pt& p0 = poly[0];
    const Pt& p1 = poly[i];
    const Pt& p2 = poly[i + 1];
    const double area =
        std::abs((p1.x - p0.x) * (p2.y - p0.y) - (p2.x - p0.x) * (p1.y - p0.y)) / 2;
    const Pt mids[3] = {{(p0.x + p1.x) / 2, (p0.y + p1.y) / 2},
                        {(p1.x + p2.x) / 2, (p1.y + p2.y) / 2},
                        {(p2.x + p0.x) / 2, (p2.y + p0.y) / 2}};
    part.area += area;
    for (const Pt& m : mids) {
      const double f = weight(m);
      part.weighted += area / 3 * f;
      mx += area / 3 * f * m.x;
      my += area / 3 * f * m.y;
    }
  }
  if (part.weighted > 0) {
    part.x = mx / part.weighted;
    part.y = my / part.weighted;
  }
  return part;
}

double uniform(const Pt&) { return 1; }

}  // namespace

std::vector<MemberRow> inclined_counterfort_rows(const engine::WallBlock& block, int kind,
                                                 double water_level) {
  const engine::CounterfortShape& s = block.counterfort;
  const engine::BlockHead& head = block.head;
  const double H = s.dims_a[0][0], D = s.dims_a[0][1], Ht = s.dims_a[0][2], Cy = s.dims_a[0][3];
  const double B = s.dims_a[1][0], Tw = s.dims_a[1][1], Ln = s.dims_a[1][2], Cx = s.dims_a[1][3];
  const double L = s.dims_a[2][0], Tc = s.dims_a[2][1], Hc = s.dims_a[3][0];
  const int n = s.flag_a;
  // The lean angle is that of the face between Ht and H: without that height there is no face to
  // lean, and a face leaning forward over its foot is not this block's shape.
  if (H - Ht < kTiny)
    refuse_counterfort(block, "前壁の傾斜部の高さ H - Ht が正ではありません (H=" + level_text(H) +
                                  ", Ht=" + level_text(Ht) + ")");
  if (Ln < -kTiny)
    refuse_counterfort(block, "前壁の傾斜量 Ln が負です (Ln=" + level_text(Ln) + ")");

  const double theta = std::atan2(Ln, H - Ht);
  const double cs = std::cos(theta), sn = std::sin(theta), tn = std::tan(theta);
  // A chamfer needs both legs; with one of them 0 the heel end is square.
  const bool chamfer = Cx >= kTiny && Cy >= kTiny;
  const double cx0 = chamfer ? Cx : 0, cy0 = chamfer ? Cy : 0;

  Pt P[17];
  P[0] = {0, 0};
  P[1] = {0, Ht};
  P[2] = {Ln, H};
  P[3] = {P[2].x + Tw * cs, P[2].y - Tw * sn};
  P[4] = {P[2].x + (Tw + Hc) * cs, P[2].y - (Tw + Hc) * sn};
  P[5] = {B, P[4].y};
  P[6] = {B, D + Hc};
  P[7] = {B, D};
  P[8] = {B, 0};
  P[9] = {P[3].x - tn * (P[3].y - P[6].y), P[6].y};
  P[10] = {P[4].x - tn * (P[4].y - P[7].y), P[7].y};
  P[11] = {P[3].x - tn * (P[3].y - P[7].y), P[7].y};
  P[12] = {P[4].x - tn * (P[4].y - P[6].y), P[6].y};
  P[13] = {P[2].x - tn * Tw * sn, P[2].y - tn * Tw * cs};
  P[14] = {P[3].x - tn * Hc * sn, P[3].y - tn * Hc * cs};
  P[15] = {B - cx0, P[5].y};
  P[16] = {B, P[5].y - cy0};
  const double y5 = P[5].y, y16 = P[16].y;
  // The back face of the wall and the chamfer line at a height.
  const auto back_x = [&](double y) { return P[11].x + tn * (y - D); };
  const auto chamfer_x = [&](double y) { return B - cx0 * (y - y16) / cy0; };

  // Sizes of the whole section.
  double s1 = std::hypot(P[13].x - P[1].x, P[13].y - P[1].y);
  const double s2 = tn * Tw;
  const double s3 = tn * Hc;
  double hk = y5 - D;
  double hf = Ht - D;
  double hh = y16 - D;
  double xf = P[14].x;      // back face at the top of the counterforts
  double wall_x = Tw / cs;  // back face at the top of the wall's lower zone
  Pt wall_centre{(P[1].x + P[3].x) / 2, (P[1].y + P[3].y) / 2};
  const double bh1 = std::abs(P[6].x - P[12].x);
  const double bh2 = std::abs(P[10].x - P[12].x);
  const double bh = std::abs(P[10].x - P[11].x);
  const double bw = P[11].x;
  const double lh = L - (2 * Hc + Tc) * n;
  double ds = D;
  double cx = cx0, cy = cy0;
  int c_wall_top = 1;      // rows 0
  int c_wall_cap = 1;      // row 1
  int c_cf_cap = n;        // rows 7 and 11 (twice n)
  bool above_slab = true;  // every row but the slab
  // Caps cut by the level: the parts below it, and their heights.
  std::optional<CapPart> wall_cap, cf_cap, haunch_cap;
  double wall_cap_t = 0, cf_cap_t = 0;

  if (kind == KIND_BUOYANCY) {
    const double r = round3(water_level - head.ref_y);
    const double y2 = H, y3 = P[3].y, y4 = P[4].y;
    if (r <= D) {
      ds = r;
      above_slab = false;
    } else {
      if (r > y3 + kTiny && r < y2 - kTiny) {
        wall_cap = clip_cap_below(P[2], P[3], P[13], r, uniform);
        wall_cap_t = r - y3;
      }
      if (r > y4 + kTiny && r < y3 - kTiny) {
        cf_cap = clip_cap_below(P[3], P[4], P[14], r, uniform);
        cf_cap_t = r - y4;
        // A haunch reaches Hc along the wall at the back face and nothing at the haunch line.
        haunch_cap = clip_cap_below(P[3], P[4], P[14], r, [&](const Pt& p) {
          return Hc - ((p.x - P[3].x) * cs - (p.y - P[3].y) * sn);
        });
      }
      if (r < y2 - kTiny && !wall_cap) {
        c_wall_cap = 0;
        if (r >= Ht) {
          // The parallelogram of the wall up to the level: the face from P1 to the level, the
          // back face from Ht to the level.
          const double top = std::min(r, y3);
          s1 = std::hypot(tn * (top - Ht), top - Ht);
          wall_centre = {back_x(top) / 2, (Ht + top) / 2};
        } else {
          // Only the lower zone is under water: its two triangles up to the level.
          c_wall_top = 0;
          hf = r - D;
          wall_x = back_x(r);
        }
      }
      if (r < y3 - kTiny && !cf_cap) {
        c_cf_cap = 0;
        if (r < y4) {
          hk = r - D;
          xf = back_x(r);
        }
        if (chamfer && y16 < r && r < y5) {
          cx = B - chamfer_x(r);
          cy = r - y16;
        } else if (r <= y16) {
          cx = 0;
          cy = 0;
          hh = 0;
        }
      }
    }
  }
  const double bt = std::abs(xf - P[11].x);
  const double bk = std::abs(B - P[11].x) - bt;

  const double uw = kind == KIND_BUOYANCY ? round3(head.unit_weights[0] - head.unit_weights[1])
                                          : head.unit_weights[0];
  const int on = above_slab ? 1 : 0;
  const int c_lower = std::abs(hf) >= kTiny ? on : 0;
  const int c_chamfer = cx > 0 && cy > 0 ? n * on : 0;

  std::vector<MemberRow> rows;
  rows.push_back(member_row(cp("前  壁  １      "), 1, Tw, L, s1, c_wall_top * on, wall_centre.x,
                            wall_centre.y, uw));
  // A cut cap: mean width x length x height, of divisor 1.
  const auto cap_row = [&](const char* name, const CapPart& part, double length, double t,
                           int count) {
    return member_row(cp(name), 1, part.area / t, length, t, count, part.x, part.y, uw);
  };
  if (wall_cap)
    rows.push_back(cap_row("前  壁  ２      ", *wall_cap, L, wall_cap_t, on));
  else
    rows.push_back(member_row(cp("前  壁  ２      "), 2, Tw, L, s2, c_wall_cap * on,
                              P[3].x - 2 * Tw * cs / 3 - s2 * sn / 3,
                              P[3].y + 2 * Tw * sn / 3 - s2 * cs / 3, uw));
  rows.push_back(member_row(cp("前  壁  ３      "), 2, bw, L, hf, c_lower, bw / 3, D + hf / 3, uw));
  rows.push_back(member_row(cp("前  壁  ４      "), 2, wall_x, L, hf, c_lower, (wall_x + bw) / 3,
                            D + 2 * hf / 3, uw));
  rows.push_back(member_row(cp("底  版          "), 1, B, L, ds, 1, B / 2, ds / 2, uw));
  rows.push_back(member_row(cp("扶  壁  四角    "), 1, bk - cx, Tc, hk, n * on, xf + (bk - cx) / 2,
                            D + hk / 2, uw));
  rows.push_back(member_row(cp("扶  壁  三角１  "), 2, bt, Tc, hk, n * on, P[11].x + 2 * bt / 3,
                            D + hk / 3, uw));
  if (cf_cap)
    rows.push_back(cap_row("扶  壁  三角２  ", *cf_cap, Tc, cf_cap_t, n * on));
  else
    rows.push_back(member_row(cp("扶  壁  三角２  "), 2, Hc, Tc, s3, c_cf_cap * on,
                              P[4].x - 2 * Hc * cs / 3 - s3 * sn / 3,
                              P[4].y + 2 * Hc * sn / 3 - s3 * cs / 3, uw));
  rows.push_back(member_row(cp("扶  壁  三角３  "), 2, cx, Tc, cy, c_chamfer, B - 2 * cx / 3,
                            D + hh + cy / 3, uw));
  rows.push_back(
      member_row(cp("扶  壁  四角２  "), 1, cx, Tc, hh, c_chamfer, B - cx / 2, D + hh / 2, uw));
  rows.push_back(member_row(cp("ﾊﾝﾁ 前壁/扶壁１ "), 2, bh, Hc, hk, 2 * n * on,
                            P[11].x + bh / 3 + tn * hk / 2, D + hk / 2, uw));
  if (haunch_cap) {
    // Section x mean length along the wall: the haunch's volume below the level.
    const CapPart& h = *haunch_cap;
    const double mean_length = h.area > 0 ? h.weighted / h.area : 0;
    rows.push_back(member_row(cp("ﾊﾝﾁ 前壁/扶壁２ "), 1, h.area / cf_cap_t, mean_length, cf_cap_t,
                              2 * n * on, h.x, h.y, uw));
  } else {
    rows.push_back(member_row(cp("ﾊﾝﾁ 前壁/扶壁２ "), 3, Hc, Hc, s3, 2 * c_cf_cap * on,
                              P[4].x - 3 * s3 * sn / 8 - 3 * Hc * cs / 4,
                              P[4].y - 3 * s3 * cs / 8 + 3 * Hc * sn / 4, uw));
  }
  const std::size_t first_slab_haunch = rows.size();
  rows.push_back(member_row(cp("ﾊﾝﾁ 扶壁/底版１ "), 2, bh1, Hc, Hc, 2 * n * on, P[12].x + bh1 / 2,
                            D + Hc / 3, uw));
  rows.push_back(member_row(cp("ﾊﾝﾁ 扶壁/底版２ "), 3, bh2, Hc, Hc, 2 * n * on,
                            P[10].x + 5 * s3 / 8, D + Hc / 4, uw));
  rows.push_back(member_row(cp("ﾊﾝﾁ 前壁/底版   "), 2, bh, lh, Hc, on, P[11].x + (s3 + bh) / 3,
                            D + Hc / 3, uw));
  rows.push_back(member_row(cp("ﾊﾝﾁ 隅角部      "), 3, bh, Hc, Hc, 2 * n * on,
                            P[11].x + 5 * bh / 8 + tn * 3 * Hc / 8, D + 3 * Hc / 8, uw));
  rows.push_back(subtotal_member_row());

  // Fill between the counterforts, stacked down from their top; the last layer reaches the slab
  // top (the level, when that lies in the slab), and layers that together reach below it are
  // cut there.
  std::vector<FillLayer> layers = stack_fill_layers(s.part_count, s.part_values, y5, ds);
  if (!layers.empty()) layers.back().bottom = ds;
  const std::vector<FillSublayer> subs =
      split_fill_sublayers(s, layers, round3(water_level - head.ref_y), kind, 31);
  const char* slab_haunch_names[4] = {"   ﾊﾝﾁ扶壁/底版1", "   ﾊﾝﾁ扶壁/底版2", "    ﾊﾝﾁ前壁/底版",
                                      "       ﾊﾝﾁ隅角部"};
  Pt ft = P[14], et = P[15];
  for (std::size_t i = 0; i < subs.size(); ++i) {
    const FillSublayer& sub = subs[i];
    const bool last = i + 1 == subs.size();
    const double zb = sub.bottom;
    // The back face and the heel end (or the chamfer) at the bottom of the sublayer; the last
    // one ends on the slab top at P11 and P7.
    const Pt fb{back_x(zb), zb};
    const Pt eb = !last && chamfer && y16 < zb && zb < y5 ? Pt{chamfer_x(zb), zb} : Pt{B, zb};
    if (sub.included) {
      const double h = sub.thickness();
      const double g = sub.unit_weight;
      const double beside = ft.x - fb.x;
      rows.push_back(
          member_row(sub.name, 2, beside, L, h, 1, fb.x + 2 * beside / 3, fb.y + h / 3, g));
      const double behind = B - ft.x;
      rows.push_back(member_row(sub.name, 1, behind, L, h, 1, ft.x + behind / 2, fb.y + h / 2, g));
      rows.push_back(member_row(cp("      扶壁  三角"), -2, beside, Tc, h, n, fb.x + 2 * beside / 3,
                                fb.y + h / 3, g));
      const double block_w = et.x - ft.x;
      rows.push_back(member_row(cp("      扶壁  四角"), -1, block_w, Tc, h, n, ft.x + block_w / 2,
                                fb.y + h / 2, g));
      const double cw = std::abs(et.x - eb.x);
      const bool straddle = et.y > y16 && y16 > eb.y;
      const double tri_h = straddle ? et.y - y16 : et.y - eb.y;
      rows.push_back(member_row(cp("     扶壁  三角1"), -2, cw, Tc, tri_h, cw >= kTiny ? n : 0,
                                et.x + cw / 3, (straddle ? y16 : eb.y) + tri_h / 3, g));
      const double low_h = straddle ? y16 - eb.y : 0;
      rows.push_back(member_row(cp("     扶壁  四角1"), -1, cw, Tc, low_h,
                                straddle && cw >= kTiny && low_h >= kTiny ? n : 0, et.x + cw / 2,
                                straddle ? eb.y + low_h / 2 : 0, g));
      rows.push_back(member_row(cp("    ﾊﾝﾁ前壁/扶壁"), -2, bh, Hc, h, 2 * n,
                                fb.x + bh / 3 + tn * h / 2, (ft.y + fb.y) / 2, g));
      if (last) {
        for (int k = 0; k < 4; ++k) {
          MemberRow copy = rows[first_slab_haunch + k];
          copy.name = cp(slab_haunch_names[k]);
          copy.divisor = -copy.divisor;
          copy.unit_weight = g;
          rows.push_back(copy);
        }
      }
      rows.push_back(subtotal_member_row());
    }
    ft = fb;
    et = eb;
  }

  // The volume is the product of the dimensions as printed, to 0.001.
  for (MemberRow& row : rows) {
    if (row.subtotal) continue;
    row.d1 = round3(row.d1);
    row.d2 = round3(row.d2);
    row.d3 = round3(row.d3);
  }
  return rows;
}

}  // namespace qvt::zenobar
