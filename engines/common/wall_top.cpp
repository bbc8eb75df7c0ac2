#include "engines/common/wall_top.h"

#include "common/cp932.h"
#include "engines/common/block_vertices.h"
#include "engines/common/rounding_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qvt::engine {
namespace {

constexpr double kProbeTop = 100.0;
constexpr double kProbeBottom = -100.0;
constexpr double kRearStart = -9999.9;
constexpr double kGroundLineEnd = 9999.0;
constexpr double kNearestStart = 999.9;
constexpr double kMergeEndMarker = 999.0;
constexpr double kFullTurn = 2.0 * std::numbers::pi;

// Points the tracing may use: the ground line adds one point (two when the outline is
// replaced), and each present range may split one segment at its start and one at its end.
constexpr int kTraceLimit = WALL_TOP_POINTS - 1 - 2 * TOP_SURCHARGE_RANGES_USED;

enum NoticeBit : unsigned {
  kNoticeOffWall = 1u << 0,
  kNoticeOutline = 1u << 1,
};

void give_notice(WallTopState& state, unsigned bit, const std::string& text,
                 const NoticeSink& notices) {
  if ((state.notices_given & bit) != 0) return;
  state.notices_given |= bit;
  if (notices) notices(EngineMessage{MessageKind::Warning, std::string(kNoticeTitle), text});
}

double r3(double v) { return round_to_unit(v, 0.001, 0); }

bool coincide(double ax, double ay, double bx, double by) {
  return std::fabs(ax - bx) < WALL_TOP_TOLERANCE && std::fabs(ay - by) < WALL_TOP_TOLERANCE;
}

// The vertex after j in the range, the last one followed by the first.
int next_in_range(int j, int first, int end) { return j + 1 < end ? j + 1 : first; }

struct Point {
  double x = 0, y = 0;
};

Point vertex(const ConditionData& data, int slot, int j) {
  Point p;
  get_block_vertex(data, slot, j, p.x, p.y);
  return p;
}

// A crossing of the start probe, or a junction of the tracing: the point, the slot and the
// index of the vertex at the far end of the edge it lies on.
struct Candidate {
  Point p;
  int slot = 0;
  int end_vertex = 0;
};

void append_point(WallTopOutline& o, double x, double y) {
  o.x[o.count] = x;
  o.y[o.count] = y;
  o.q[o.count] = 0;
  ++o.count;
}

// The stop rules for the point just appended. True when the tracing is finished.
bool apply_stop_rules(WallTopState& s) {
  WallTopOutline& o = s.wall_top_outline;
  const int i = o.count - 1;
  if (coincide(o.x[i], o.y[i], s.wall_rear_x, s.wall_rear_y)) return true;
  if (std::fabs(o.x[i] - s.wall_rear_x) < WALL_TOP_TOLERANCE && o.y[i] <= s.wall_rear_y) {
    o.x[i] = s.wall_rear_x;
    o.y[i] = s.wall_rear_y;
    return true;
  }
  if (i > 0 && o.x[i] < o.x[i - 1]) {
    o.x[i] = o.y[i] = o.q[i] = 0;
    --o.count;
    return true;
  }
  return false;
}

// The load of the first range (0, 1, 2) that holds x, NO_LOAD when none does.
double load_at(const ConditionData& data, double x) {
  const TopSurcharges& t = data.top_surcharges;
  const int c = data.current_case == CASE_SEISMIC ? CASE_SEISMIC : CASE_NORMAL;
  for (int k = 0; k < TOP_SURCHARGE_RANGES_USED; ++k) {
    if (t.x_min[k] - WALL_TOP_TOLERANCE <= x && x < t.x_max[k]) return t.load[k][c];
  }
  return NO_LOAD;
}

// Splits the first segment that strictly contains xs; the segment that starts at xs gets q.
// Vertical segments met on the way carry no load.
void split_at(WallTopState& state, double xs, double q, const NoticeSink& notices) {
  WallTopOutline& o = state.wall_top_outline;
  for (int i = 0; i + 1 < o.count; ++i) {
    if (std::fabs(o.x[i + 1] - o.x[i]) < WALL_TOP_TOLERANCE) {
      o.q[i] = NO_LOAD;
      continue;
    }
    if (o.x[i] < xs && xs < o.x[i + 1]) {
      if (o.count >= WALL_TOP_POINTS) {
        give_notice(state, kNoticeOutline, outline_capacity_text(), notices);
        return;
      }
      const double ys = o.y[i] + (o.y[i + 1] - o.y[i]) / (o.x[i + 1] - o.x[i]) * (xs - o.x[i]);
      for (int k = o.count; k > i + 1; --k) {
        o.x[k] = o.x[k - 1];
        o.y[k] = o.y[k - 1];
        o.q[k] = o.q[k - 1];
      }
      o.x[i + 1] = xs;
      o.y[i + 1] = ys;
      o.q[i + 1] = q;
      ++o.count;
      return;
    }
  }
}

}  // namespace

WallTopState& wall_top_state() {
  static WallTopState state;
  return state;
}

void show_notice(const EngineMessage& notice) { engine_message(notice); }

std::string top_surcharge_off_wall_text() {
  return utf8_to_cp932_lossy(
      "天端上載荷重の載荷範囲が壁体の天端にかかりません。\n"
      "天端上載荷重は 0 として計算を続けます。載荷範囲を確認してください。");
}

std::string outline_capacity_text() {
  return utf8_to_cp932_lossy(
      "壁体天端の形状が 128 点を超えるため、途中で打ち切りました。\n"
      "天端上載荷重が正しく求められていない可能性があります。");
}

void flag_top_surcharges(const ConditionData& data, WallTopState& state) {
  const TopSurcharges& t = data.top_surcharges;
  for (int k = 0; k < TOP_SURCHARGE_RANGES_USED; ++k) {
    const bool any = std::fabs(t.x_min[k]) >= 0.0001 || std::fabs(t.x_max[k]) >= 0.0001 ||
                     std::fabs(t.load[k][CASE_NORMAL]) >= 0.0001 ||
                     std::fabs(t.load[k][CASE_SEISMIC]) >= 0.0001;
    state.top_surcharge_present[k] = any ? 1 : 0;
  }
  state.notices_given = 0;
}

void find_wall_rear_point(const ConditionData& data, WallTopState& state) {
  state.wall_rear_x = kRearStart;
  state.wall_rear_y = kRearStart;
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    int first = 0, end = 0;
    if (!get_block_vertex_range(data, slot, first, end)) continue;
    for (int j = first; j < end; ++j) {
      const Point v = vertex(data, slot, j);
      if (v.x > state.wall_rear_x) {
        state.wall_rear_x = v.x;
        state.wall_rear_y = v.y;
      } else if (v.x == state.wall_rear_x && v.y > state.wall_rear_y) {
        state.wall_rear_y = v.y;
      }
    }
  }
}

int find_outline_start(const ConditionData& data, const WallTopState& state, int& slot,
                       int& vertex_index, double& x, double& y) {
  slot = 0;
  vertex_index = 0;
  x = 0;
  y = 0;
  const TopSurcharges& t = data.top_surcharges;

  bool reaches = false;
  for (int s = 0; s < MAX_WALL_BLOCKS && !reaches; ++s) {
    int first = 0, end = 0;
    if (!get_block_vertex_range(data, s, first, end)) continue;
    for (int j = first; j < end; ++j) {
      if (vertex(data, s, j).x > t.x_min[0]) {
        reaches = true;
        break;
      }
    }
  }
  if (!reaches) return -1;

  std::vector<Candidate> found;
  for (int k = 0; k < TOP_SURCHARGE_RANGES_USED && found.empty(); ++k) {
    if (state.top_surcharge_present[k] == 0) continue;
    const double px = t.x_min[k];
    for (int s = 0; s < MAX_WALL_BLOCKS; ++s) {
      int first = 0, end = 0;
      if (!get_block_vertex_range(data, s, first, end)) continue;
      for (int j = first; j < end; ++j) {
        const int j1 = next_in_range(j, first, end);
        const Point a = vertex(data, s, j), b = vertex(data, s, j1);
        double cx = 0, cy = 0;
        if (intersect_lines(px, kProbeTop, px, kProbeBottom, a.x, a.y, b.x, b.y, cx, cy) != 0) {
          continue;
        }
        found.push_back(Candidate{{r3(cx), r3(cy)}, s, j1});
      }
    }
  }
  if (found.empty()) return -1;

  // The highest crossing, the first of equal ones.
  std::size_t best = 0;
  for (std::size_t i = 1; i < found.size(); ++i) {
    if (found[i].p.y > found[best].p.y) best = i;
  }
  const double top = found[best].p.y;

  // Of the crossings at the top, the edge that runs on to the right from the highest end vertex
  // and ends the furthest left.
  double end_top = -HUGE_VAL;
  for (const Candidate& c : found) {
    if (c.p.y >= top) end_top = std::max(end_top, vertex(data, c.slot, c.end_vertex).y);
  }
  double nearest_end_x = kNearestStart;
  for (std::size_t i = 0; i < found.size(); ++i) {
    const Candidate& c = found[i];
    if (c.p.y < top) continue;
    const Point e = vertex(data, c.slot, c.end_vertex);
    if (e.y >= end_top && e.x < nearest_end_x && c.p.x < e.x) {
      nearest_end_x = e.x;
      best = i;
    }
  }
  slot = found[best].slot;
  vertex_index = found[best].end_vertex;
  x = found[best].p.x;
  y = found[best].p.y;
  return 0;
}

int trace_wall_top_outline(const ConditionData& data, WallTopState& state,
                           const NoticeSink& notices) {
  WallTopOutline& o = state.wall_top_outline;
  o = WallTopOutline{};
  int slot = 0, vi = 0;
  Point cur;
  if (find_outline_start(data, state, slot, vi, cur.x, cur.y) != 0) return -1;
  append_point(o, cur.x, cur.y);
  bool finished = coincide(cur.x, cur.y, state.wall_rear_x, state.wall_rear_y);

  // Every step appends a point, so the capacity of the outline bounds the tracing too.
  while (!finished) {
    int first = 0, end = 0;
    if (!get_block_vertex_range(data, slot, first, end) || end <= first) break;
    const int n = end - first;
    bool switched = false;
    for (int r = 0; r <= n && !finished && !switched; ++r) {
      int k = vi + r;
      if (k >= end) k -= n;
      const Point next = vertex(data, slot, k);
      if (coincide(next.x, next.y, cur.x, cur.y)) {
        // No direction to search along: look back along the edge that ends at the entry
        // vertex, the last vertex of the range preceding the first.
        cur = vertex(data, slot, vi - 1 >= first ? vi - 1 : end - 1);
      }

      // Junctions with the other blocks on the way from the current point to the next one.
      std::vector<Candidate> found;
          for (int s = 0; s < MAX_WALL_BLOCKS; ++s) {
        int sf = 0, se = 0;
        if (s == slot || !get_block_vertex_range(data, s, sf, se)) continue;
        for (int e = sf; e < se; ++e) {
          const int e1 = next_in_range(e, sf, se);
          const Point a = vertex(data, s, e), b = vertex(data, s, e1);
          if (coincide(cur.x, cur.y, a.x, a.y) || coincide(cur.x, cur.y, b.x, b.y) ||
              coincide(next.x, next.y, b.x, b.y)) {
            continue;
          }
          Point p = next;
          if (!coincide(next.x, next.y, a.x, a.y)) {
            const int code =
                intersect_lines(cur.x, cur.y, next.x, next.y, a.x, a.y, b.x, b.y, p.x, p.y);
            const bool at_vertex = coincide(p.x, p.y, a.x, a.y);
            const bool at_next = coincide(p.x, p.y, next.x, next.y);
            const bool take = (code == 0 && (at_vertex || at_next)) || (code == 1 && at_next) ||
                              (code == 2 && at_vertex);
            if (!take) continue;
          }
          found.push_back(Candidate{p, s, e1});
        }
      }

      if (o.count >= kTraceLimit) {
        give_notice(state, kNoticeOutline, outline_capacity_text(), notices);
        finished = true;
        break;
      }

      // The nearest junction; of several at that distance the one turning furthest to the
      // left, which keeps the tracing on the upper face.
      int best = -1;
      if (!found.empty()) {
        double nearest = kNearestStart;
        for (const Candidate& c : found) {
          const double d = std::hypot(c.p.x - cur.x, c.p.y - cur.y);
          if (d <= nearest) nearest = d;
        }
        double best_turn = -HUGE_VAL;
        for (int i = 0; i < static_cast<int>(found.size()); ++i) {
          const Candidate& c = found[i];
          if (std::fabs(std::hypot(c.p.x - cur.x, c.p.y - cur.y) - nearest) >= WALL_TOP_TOLERANCE) {
            continue;
          }
          const Point e1 = vertex(data, c.slot, c.end_vertex);
          const double a0 = std::atan2(cur.y - c.p.y, cur.x - c.p.x);
          const double a1 = std::atan2(e1.y - c.p.y, e1.x - c.p.x);
          double turn = kFullTurn - (a0 - a1);
          if (turn < 0) {
            turn += kFullTurn;
          } else if (turn > kFullTurn) {
            turn -= kFullTurn;
          }
          if (turn >= best_turn) {
            best_turn = turn;
            best = i;
          }
        }
      }

      if (best >= 0) {
        const Candidate& c = found[best];
        append_point(o, c.p.x, c.p.y);
        finished = apply_stop_rules(state);
        if (!finished) {
          cur = c.p;
          slot = c.slot;
          vi = c.end_vertex;
          switched = true;
        }
      } else {
        append_point(o, next.x, next.y);
        finished = apply_stop_rules(state);
        if (!finished) cur = next;
      }
    }
  }
  return 0;
}

void extend_outline_with_backfill(const ConditionData& data, WallTopState& state,
                                  const NoticeSink& notices) {
  WallTopOutline& o = state.wall_top_outline;
  const double slope = std::tan(data.surface_slope_angle * std::numbers::pi / 180.0);
  if (o.count == 0 || o.x[0] > state.wall_rear_x) {
    o = WallTopOutline{};
    append_point(o, state.wall_rear_x, state.wall_rear_y);
    append_point(o, kGroundLineEnd,
                 state.wall_rear_y + slope * (kGroundLineEnd - state.wall_rear_x));
  } else if (o.count < WALL_TOP_POINTS) {
    const double x = o.x[o.count - 1], y = o.y[o.count - 1];
    append_point(o, kGroundLineEnd, y + slope * (kGroundLineEnd - x));
  } else {
    give_notice(state, kNoticeOutline, outline_capacity_text(), notices);
  }

  for (int i = 0; i < o.count; ++i) o.q[i] = load_at(data, o.x[i]);

  const TopSurcharges& t = data.top_surcharges;
  const int c = data.current_case == CASE_SEISMIC ? CASE_SEISMIC : CASE_NORMAL;
  for (int k = 0; k < TOP_SURCHARGE_RANGES_USED; ++k) {
    if (state.top_surcharge_present[k] != 0) split_at(state, t.x_min[k], t.load[k][c], notices);
  }
  for (int k = 0; k < TOP_SURCHARGE_RANGES_USED; ++k) {
    if (state.top_surcharge_present[k] != 0) split_at(state, t.x_max[k], NO_LOAD, notices);
  }
}

bool build_top_surcharge_segments(const ConditionData& data, WallTopState& state,
                                  const NoticeSink& notices) {
  find_wall_rear_point(data, state);
  const bool started = trace_wall_top_outline(data, state, notices) == 0;
  extend_outline_with_backfill(data, state, notices);

  TopSurchargeSegments& seg = state.top_surcharge_segments;
  seg = TopSurchargeSegments{};
  const WallTopOutline& o = state.wall_top_outline;
  bool open = false;
  double sx = 0, sy = 0, sq = 0;
  auto close_run = [&](int end_point) {
    seg.x1.push_back(sx);
    seg.y1.push_back(sy);
    seg.x2.push_back(o.x[end_point]);
    seg.y2.push_back(o.y[end_point]);
    seg.q.push_back(sq);
    open = false;
  };
  for (int i = 0; i + 1 < o.count; ++i) {
    if (o.x[i] == o.x[i + 1] || o.q[i] == NO_LOAD) continue;
    if (!open) {
      open = true;
      sx = o.x[i];
      sy = o.y[i];
      sq = o.q[i];
    }
    // A run goes on over the next segment when that one ends at the run's level with its load.
    const double y_after = i + 2 < o.count ? o.y[i + 2] : kMergeEndMarker;
    if (y_after == sy && o.q[i + 1] == sq) continue;
    close_run(i + 1);
  }
  if (open) close_run(o.count - 1);

  // The ground line behind the wall carries no top surcharge.
  std::size_t kept = 0;
  while (kept < seg.x1.size() && seg.x1[kept] != state.wall_rear_x) ++kept;
  for (auto* v : {&seg.x1, &seg.y1, &seg.x2, &seg.y2, &seg.q}) v->resize(kept);
  seg.count = static_cast<int>(kept);
  return started;
}

int compute_top_surcharge_loads(const ConditionData& data, WallTopState& state,
                                const NoticeSink& notices) {
  // With the top surcharges ignored on purpose there is nothing to tell about them.
  const bool ignored = data.top_surcharge_ignored != 0;
  const NoticeSink quiet;
  const bool started = build_top_surcharge_segments(data, state, ignored ? quiet : notices);

  TopSurchargeLoads& loads = state.top_surcharge_loads;
  loads = TopSurchargeLoads{};
  if (ignored) return -1;

  bool any_present = false;
  for (int k = 0; k < TOP_SURCHARGE_RANGES_USED; ++k) {
    if (state.top_surcharge_present[k] != 0) any_present = true;
  }
  if (!started && any_present) {
    give_notice(state, kNoticeOffWall, top_surcharge_off_wall_text(), notices);
  }

  const TopSurchargeSegments& seg = state.top_surcharge_segments;
  const bool seismic = data.current_case == CASE_SEISMIC;
  const double rear = state.wall_rear_x;
  for (int i = 0; i < seg.count; ++i) {
    const double x1 = seg.x1[i], y1 = seg.y1[i], q = seg.q[i];
    double x2 = seg.x2[i], y2 = seg.y2[i];
    if (!(x1 < rear)) continue;
    if (x2 > rear) {
      // Cut at the wall rear: what lies beyond is the ground behind the wall.
      y2 = r3(y1 + (y2 - y1) / (x2 - x1) * (rear - x1));
      x2 = rear;
    }
    const double w = r3((x2 - x1) * q);
    const double x_arm = r3((x1 + x2) / 2.0 - data.toe_x);
    double h = 0, y_arm = 0, mh = 0;
    if (seismic) {
      h = r3(data.seismic_coef_inertia * w);
      y_arm = r3((y1 + y2) / 2.0 - data.toe_y);
      mh = r3(h * y_arm);
    }
    loads.w.push_back(w);
    loads.x_arm.push_back(x_arm);
    loads.m.push_back(r3(w * x_arm));
    loads.h.push_back(h);
    loads.y_arm.push_back(y_arm);
    loads.mh.push_back(mh);
  }
  loads.count = static_cast<int>(loads.w.size());
  return 0;
}

}  // namespace qvt::engine
