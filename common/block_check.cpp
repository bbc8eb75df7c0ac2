#include "common/block_check.h"

#include "common/improvement_pattern.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace qvt {
namespace {

// Areas below this (m2) are no area; two vertices closer than kSamePoint (m) are one.
constexpr double kNoArea = 1e-6;
constexpr double kSamePoint = 1e-9;
// The least positive size: what rounds to 0.001 m rather than to 0.
constexpr double kLeastSize = 0.0005;

std::string num(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3f", v);
  return buf;
}

struct Point {
  double x, y;
};

double orient(const Point& a, const Point& b, const Point& c) {
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

bool on_segment(const Point& a, const Point& b, const Point& p) {
  return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
         p.y <= std::max(a.y, b.y);
}

// True when the closed segments a-b and c-d have a point in common.
bool segments_meet(const Point& a, const Point& b, const Point& c, const Point& d) {
  const double o1 = orient(a, b, c), o2 = orient(a, b, d);
  const double o3 = orient(c, d, a), o4 = orient(c, d, b);
  if (((o1 > 0 && o2 < 0) || (o1 < 0 && o2 > 0)) && ((o3 > 0 && o4 < 0) || (o3 < 0 && o4 > 0)))
    return true;
  return (o1 == 0 && on_segment(a, b, c)) || (o2 == 0 && on_segment(a, b, d)) ||
         (o3 == 0 && on_segment(c, d, a)) || (o4 == 0 && on_segment(c, d, b));
}

// Collects the first reason a block's sizes cannot be weighed.
class SizeCheck {
 public:
  // A size the tables multiply or divide with: it must be above 0 at the millimetre the
  // system works to (a length of 1e-300 m would divide a weight into 1e301 kN/m).
  void positive(const char* what, double v) {
    if (problem.empty() && !(v >= kLeastSize)) problem = std::string(what) + " (" + num(v) + ") が正ではありません。";
  }
  // A size where 0 means "none": it must not be negative.
  void not_negative(const char* what, double v) {
    if (problem.empty() && !(v >= 0)) problem = std::string(what) + " (" + num(v) + ") が負です。";
  }
  void require(bool ok, const std::string& why) {
    if (problem.empty() && !ok) problem = why;
  }
  std::string problem;
};

void check_fill(SizeCheck& c, const BlockCheckInput& b) {
  for (int k = 0; k < std::clamp(b.part_count, 0, PART_NAMES); ++k)
    c.not_negative(("中詰め第" + std::to_string(k + 1) + "層の厚さ").c_str(), b.part_values[0][k]);
}

// Types 2 and 3: the caisson's parameters.
void check_caisson(SizeCheck& c, const BlockCheckInput& b) {
  const int n = b.flag_a, m = b.flag_b;
  c.require(n >= 1 && n <= MAX_CAISSON_CELLS && m >= 1 && m <= MAX_CAISSON_CELLS,
            "隔室数 (横断 " + std::to_string(n) + "、縦断 " + std::to_string(m) +
                ") が 1～8 の範囲にありません。");
  if (!c.problem.empty()) return;
  const auto& a = b.dims_a;
  const bool with_slab = b.block_type == 2;
  c.positive("高さ H", a[0][0]);
  if (with_slab) {
    c.positive("底版厚 F", a[0][1]);
    c.positive("底版より上の壁高 H - F", a[0][0] - a[0][1]);
  }
  c.positive("幅 W", a[1][0]);
  c.positive("前後壁厚", a[1][2]);
  if (n > 1) c.positive("縦断隔壁厚", a[1][3]);
  c.positive("長さ Lb", a[2][0]);
  c.positive("側壁厚 (横断側)", a[2][1]);
  if (m > 1) c.positive("横断隔壁厚", a[2][2]);
  const int s = b.sub_type;
  const bool footing = s >= 1 && s <= 7 && s != 5;
  if (footing) {
    c.positive("フーチング厚 T", a[0][2]);
    c.positive("フーチング長 L", a[1][1]);
    c.not_negative("フーチングハンチ高 C", a[3][2]);
    if (s == 1 || s == 3 || s == 6)
      c.require(a[3][2] <= a[1][1], "フーチングハンチ C (" + num(a[3][2]) +
                                        ") がフーチング長 L (" + num(a[1][1]) + ") を超えます。");
  }
  const double hh = a[3][0], hv = with_slab ? a[3][1] : 0.0;
  c.not_negative("垂直ハンチ", hh);
  c.not_negative("水平ハンチ", hv);
  double narrowest = 1e300;
  for (int j = 0; j < n; ++j) {
    c.positive(("隔室幅 B" + std::to_string(j + 1)).c_str(), b.dims_b[0][j]);
    narrowest = std::min(narrowest, b.dims_b[0][j]);
  }
  for (int i = 0; i < m; ++i) {
    c.positive(("隔室長 E" + std::to_string(i + 1)).c_str(), b.dims_b[1][i]);
    narrowest = std::min(narrowest, b.dims_b[1][i]);
  }
  const double leg = std::max(hh, hv);
  c.require(2 * leg <= narrowest, "ハンチ (" + num(leg) + ") が隔室 (" + num(narrowest) +
                                      ") に収まりません。");
  check_fill(c, b);
}

// Type 5: the counterfort block's parameters.
void check_counterfort(SizeCheck& c, const BlockCheckInput& b) {
  const auto& a = b.dims_a;
  const int n = b.flag_a;
  c.require(n >= 0, "扶壁数 (" + std::to_string(n) + ") が負です。");
  c.positive("高さ H", a[0][0]);
  c.positive("底版厚 D", a[0][1]);
  c.positive("幅 B", a[1][0]);
  c.positive("前壁厚 Tw", a[1][1]);
  c.positive("長さ L", a[2][0]);
  if (n > 0) c.positive("扶壁厚 Tc", a[2][1]);
  c.not_negative("ハンチ Hc", a[3][0]);
  if (b.sub_type == 3) {
    c.positive("前壁の傾斜部の高さ H - Ht", a[0][0] - a[0][2]);
    c.not_negative("前壁鉛直部の底版上の高さ Ht - D", a[0][2] - a[0][1]);
    c.not_negative("前壁の傾斜量 Ln", a[1][2]);
    c.not_negative("面取り Cx", a[1][3]);
    c.not_negative("面取り Cy", a[0][3]);
  } else {
    c.not_negative("扶壁の全幅部の高さ Hr", a[0][2]);
    c.not_negative("フーチング厚 Tf", a[0][3]);
    c.not_negative("扶壁の上端幅 Bc", a[1][2]);
    c.not_negative("フーチング幅 Lf", a[1][3]);
    c.not_negative("フーチングハンチ Cf", a[3][1]);
    const std::string slope = counterfort_slope_problem(a[0][0], a[0][1], a[0][2]);
    c.require(slope.empty(), slope);
    c.not_negative("扶壁の傾斜部の幅 B - Tw - Bc", a[1][0] - a[1][1] - a[1][2]);
    c.require(a[3][0] <= a[1][0] - a[1][1],
              "ハンチ Hc (" + num(a[3][0]) + ") が底版の背面幅 B - Tw に収まりません。");
    if (b.sub_type == 1)
      c.require(a[3][1] <= a[1][3], "フーチングハンチ Cf (" + num(a[3][1]) +
                                        ") がフーチング幅 Lf (" + num(a[1][3]) + ") を超えます。");
  }
  c.not_negative("扶壁の間のハンチ長 L - (2Hc + Tc)n", a[2][0] - (2 * a[3][0] + a[2][1]) * n);
  check_fill(c, b);
}

}  // namespace

std::string outline_problem(std::span<const double> x, std::span<const double> y, int count) {
  count = std::min<int>({count, static_cast<int>(x.size()), static_cast<int>(y.size())});
  for (int i = 0; i < count; ++i)
    if (x[i] == UNSET_VALUE || y[i] == UNSET_VALUE || !std::isfinite(x[i]) || !std::isfinite(y[i]))
      return "頂点 " + std::to_string(i + 1) + " の座標が設定されていません。";
  // Repeated vertices add no edge; they are dropped before the edges are compared.
  std::vector<Point> p;
  for (int i = 0; i < count; ++i) {
    const Point v{x[i], y[i]};
    if (!p.empty() && std::fabs(p.back().x - v.x) <= kSamePoint &&
        std::fabs(p.back().y - v.y) <= kSamePoint)
      continue;
    p.push_back(v);
  }
  while (p.size() > 1 && std::fabs(p.back().x - p.front().x) <= kSamePoint &&
         std::fabs(p.back().y - p.front().y) <= kSamePoint)
    p.pop_back();
  const int n = static_cast<int>(p.size());
  if (n < 3) return "異なる頂点が 3 点未満です。";
  for (int i = 0; i < n; ++i)
    for (int j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1) continue;  // neighbours share a vertex
      if (segments_meet(p[i], p[(i + 1) % n], p[j], p[(j + 1) % n]))
        return "辺 " + std::to_string(i + 1) + " と辺 " + std::to_string(j + 1) + " が交差しています。";
    }
  double twice_area = 0;
  for (int i = 0; i < n; ++i) {
    const Point& a = p[i];
    const Point& b = p[(i + 1) % n];
    twice_area += (a.x - p[0].x) * (b.y - p[0].y) - (b.x - p[0].x) * (a.y - p[0].y);
  }
  if (std::fabs(twice_area) / 2 < kNoArea) return "面積が 0 です。";
  if (twice_area > 0) return "頂点の並びが時計回りではありません。";
  return {};
}

std::string block_geometry_problem(const BlockCheckInput& b) {
  SizeCheck c;
  switch (b.block_type) {
    case 0:
    case 6: {
      const int count = std::clamp(b.vertex_count, 0, POLYGON_VERTICES);
      return outline_problem(b.vertex_x, b.vertex_y, count);
    }
    case 1:
    case 7:
      c.positive("幅", b.vertex_x[0]);
      c.positive("高さ", b.vertex_y[0]);
      break;
    case 2:
    case 3:
      check_caisson(c, b);
      break;
    case 5:
      check_counterfort(c, b);
      break;
    case 8:
      c.positive("形状ライブラリの長さ L", b.library_length);
      break;
    default:
      break;
  }
  return c.problem;
}

std::array<bool, 3> unit_weights_used(int block_type) {
  switch (block_type) {
    case BLOCK_POLYGON:
    case BLOCK_RECTANGLE:
    case BLOCK_SOIL_POLYGON:
    case BLOCK_SOIL_RECTANGLE:
      return {true, true, true};
    case BLOCK_CAISSON:
    case BLOCK_LIBRARY:
      return {true, false, false};
    case BLOCK_FOOTING_CAISSON:
    case BLOCK_COUNTERFORT:
      return {true, true, false};
    default:  // the four-corner block, an empty slot
      return {false, false, false};
  }
}

std::string unit_weight_problem(int block_type, std::span<const double> unit_weights) {
  static const char* const kNames[3] = {"単位体積重量（湿潤）", "単位体積重量（水中）",
                                        "単位体積重量（飽和）"};
  const std::array<bool, 3> used = unit_weights_used(block_type);
  SizeCheck c;
  for (std::size_t k = 0; k < 3 && k < unit_weights.size(); ++k)
    if (used[k]) c.positive(kNames[k], unit_weights[k]);
  return c.problem;
}

std::string counterfort_slope_problem(double h, double d, double hr) {
  const double hs = h - d - hr;
  // The sizes are typed to the millimetre: 6.3 - 1.1 - 5.2 is -8.9e-16 in binary and means 0.
  if (hs > -kLeastSize) return {};
  return "扶壁の傾斜部の高さ H - D - Hr (" + num(hs) + ") が負です。";
}

std::string improvement_problem(const BodyCheckInput& body) {
  const int p = body.improvement_pattern;
  if (!known_improvement_pattern(p)) return "改良形式 (" + std::to_string(p) + ") が不明です。";
  if (!has_short_walls(p) || !body.has_soil_blocks) return {};
  SizeCheck c;
  c.positive("改良体の長壁長 Ll", body.ll);
  c.not_negative("改良体の短壁長 Ls", body.ls);
  c.not_negative("改良体の短壁幅 Bs", body.bs);
  c.not_negative("改良体の長壁幅 Bl1", body.bl1);
  c.not_negative("改良体の長壁幅 Bl2", body.bl2);
  return c.problem;
}

std::string top_range_problem(const TopRangeInput& r, int range_index) {
  // Present as the wall-top loads take it: any of its values at least 0.0001 in magnitude.
  const bool present = std::fabs(r.x_min) >= 0.0001 || std::fabs(r.x_max) >= 0.0001 ||
                       std::fabs(r.load[0]) >= 0.0001 || std::fabs(r.load[1]) >= 0.0001;
  if (!present || r.x_min <= r.x_max) return {};
  return "上載荷重 " + std::to_string(range_index + 1) + " の範囲の始点 x = " + num(r.x_min) +
         " m が終点 x = " + num(r.x_max) + " m より後ろにあります。";
}

}  // namespace qvt
