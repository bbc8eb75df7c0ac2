#include "frontend/model/outline_order.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace qvt::model {

EdgeAngle fun_atn2(double x, double y) {
  if (std::fabs(x) <= 0.001 && std::fabs(y) <= 0.001) return {-100.0, true};
  double t;
  if (std::fabs(y) <= std::fabs(x)) {
    t = std::atan(y / x);
    if (x < 0) t = t > 0 ? t - kOutlinePi : t + kOutlinePi;
  } else {
    t = kOutlinePi / 2 - std::atan(x / y);
    if (y < 0) t = t > 0 ? t - kOutlinePi : t + kOutlinePi;
  }
  return {t, false};
}

OrientationDecision decide_orientation(std::span<const OutlinePoint> v) {
  OrientationDecision d;
  const int n = static_cast<int>(v.size());
  if (n == 0) return d;
  int low = 0;
  double lowest = 999999.9;
  for (int i = 0; i < n; ++i) {
    if (v[i].y < lowest) {
      lowest = v[i].y;
      low = i;
    }
  }
  const OutlinePoint& l = v[low];
  const OutlinePoint& next = v[low == n - 1 ? 0 : low + 1];
  const OutlinePoint& prev = v[low == 0 ? n - 1 : low - 1];
  const EdgeAngle a1 = fun_atn2(next.y - l.y, next.x - l.x);
  const EdgeAngle a2 = fun_atn2(prev.y - l.y, prev.x - l.x);
  d.next_degenerate = a1.degenerate;
  d.prev_degenerate = a2.degenerate;
  if (a1.degenerate || a2.degenerate) {
    double twice_area = 0;
    for (int i = 0; i < n; ++i) {
      const OutlinePoint& a = v[i];
      const OutlinePoint& b = v[(i + 1) % n];
      twice_area += (a.x - v[0].x) * (b.y - v[0].y) - (b.x - v[0].x) * (a.y - v[0].y);
    }
    d.reversed = twice_area > 0;
  } else {
    d.reversed = a2.value <= a1.value;
  }
  return d;
}

void show_orientation_messages(const OrientationDecision& d, MessageSink& messages) {
  if (d.next_degenerate)
    messages.show_message(MessageIcon::Exclamation, kAppTitle, kMsgAngleTooShort);
  if (d.prev_degenerate)
    messages.show_message(MessageIcon::Exclamation, kAppTitle, kMsgAngleTooShort);
  if (d.reversed) messages.show_message(MessageIcon::Exclamation, kAppTitle, kMsgCounterClockwise);
}

std::vector<OutlinePoint> oriented(std::span<const OutlinePoint> v, const OrientationDecision& d) {
  std::vector<OutlinePoint> out(v.begin(), v.end());
  if (d.reversed && out.size() > 2) {
    for (std::size_t k = 1; k < v.size(); ++k) out[k] = v[v.size() - k];
  }
  return out;
}

void store_oriented(std::span<const OutlinePoint> v, const OrientationDecision& d,
                    PolygonShape& shape) {
  const std::vector<OutlinePoint> out = oriented(v, d);
  const int n = std::min<int>(static_cast<int>(out.size()), POLYGON_VERTICES);
  for (int k = 0; k < n; ++k) {
    shape.vertex_x[k] = out[k].x;
    shape.vertex_y[k] = out[k].y;
  }
  for (int k = n; k < POLYGON_VERTICES; ++k) {
    shape.vertex_x[k] = UNSET_COORD;
    shape.vertex_y[k] = UNSET_COORD;
  }
}

OrientationDecision orientation_check(std::span<const OutlinePoint> v, PolygonShape& shape,
                                      MessageSink& messages) {
  const OrientationDecision d = decide_orientation(v);
  show_orientation_messages(d, messages);
  store_oriented(v, d, shape);
  return d;
}

}  // namespace qvt::model
