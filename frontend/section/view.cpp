#include "frontend/section/view.h"

#include "frontend/model/display_text.h"

#include <algorithm>
#include <cmath>

namespace qvt::section {

namespace {

using model::UNSET_COORD;

constexpr double kNoLow = 9999.9;
constexpr double kNoHigh = -9999.9;
constexpr double kLabelRoom = 1000;  // picture units kept free left of the section
constexpr double kPanStep = 200;
constexpr double kMinScale = 0.00001;
constexpr double kMaxScale = 10000;
constexpr double kReadoutLimit = 999.99;

// A coordinate far outside the picture is still drawn outside it; held so that the conversion
// to int stays defined for any finite or infinite value.
int to_units(double v) {
  constexpr double kLimit = 1e9;
  if (std::isnan(v)) return 0;
  return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

struct Range {
  double lo_x = kNoLow, hi_x = kNoHigh, lo_y = kNoLow, hi_y = kNoHigh;
  void take(double x, double y) {
    lo_x = std::min(lo_x, x);
    hi_x = std::max(hi_x, x);
    lo_y = std::min(lo_y, y);
    hi_y = std::max(hi_y, y);
  }
};

int clamp_count(int count, int size) { return std::clamp(count, 0, size); }

void take_block(Range& r, const model::WallBlock& b) {
  using namespace model;
  switch (b.block_type) {
    case BLOCK_POLYGON:
    case BLOCK_SOIL_POLYGON: {
      const PolygonShape& p = b.polygon;
      const int n = clamp_count(p.vertex_count, POLYGON_VERTICES + 1);
      for (int j = 0; j < n; ++j)
        if (p.vertex_x[j] != UNSET_COORD && p.vertex_y[j] != UNSET_COORD)
          r.take(p.vertex_x[j] + p.head.ref_x, p.vertex_y[j] + p.head.ref_y);
      break;
    }
    case BLOCK_RECTANGLE:
    case BLOCK_SOIL_RECTANGLE:
      for (int j = 10; j <= 13; ++j)
        if (b.polygon.vertex_x[j] != UNSET_COORD && b.polygon.vertex_y[j] != UNSET_COORD)
          r.take(b.polygon.vertex_x[j], b.polygon.vertex_y[j]);
      break;
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON: {
      const int n = clamp_count(b.caisson.outline_count, CAISSON_OUTLINE_POINTS + 1);
      for (int j = 0; j < n; ++j) r.take(b.caisson.outline_x[j], b.caisson.outline_y[j]);
      break;
    }
    case BLOCK_QUAD:
      for (int j = 0; j < 4; ++j) r.take(b.quad.corner_x[j], b.quad.corner_y[j]);
      break;
    case BLOCK_LIBRARY:
      for (int j = 0; j < 4; ++j) r.take(b.library.corner_x[j], b.library.corner_y[j]);
      break;
    case BLOCK_COUNTERFORT: {
      const int n = clamp_count(b.counterfort.outline_count, COUNTERFORT_OUTLINE_POINTS + 1);
      for (int j = 0; j < n; ++j) r.take(b.counterfort.outline_x[j], b.counterfort.outline_y[j]);
      break;
    }
    default:
      break;
  }
}

// Adds the margins of one axis: 10 % of the extent to the high side, then 10 % of the enlarged
// extent to the low side; 1 m each for an extent below 10 m.
void add_margins(double& lo, double& hi) {
  if (hi - lo >= 10) {
    hi = hi + 0.1 * (hi - lo);
    lo = lo - 0.1 * (hi - lo);
  } else {
    hi = hi + 1;
    lo = lo - 1;
  }
}

std::string readout_value(double v) {
  if (std::isnan(v)) v = 0;  // a view not yet fitted
  v = std::clamp(v, -kReadoutLimit, kReadoutLimit);
  std::string s = model::format_pattern(v, "####0.00");
  if (s.size() < 7) s.insert(0, 7 - s.size(), ' ');
  return s;
}

}  // namespace

PicturePoint picture_point(const ViewState& v, double x, double y) {
  return {to_units(std::trunc((x - v.left_x) * v.scale)),
          to_units(std::trunc((v.top_y - y) * v.scale))};
}

PicturePoint picture_point_floor(const ViewState& v, double x, double y) {
  return {to_units(std::floor((x - v.left_x) * v.scale)),
          to_units(std::floor((v.top_y - y) * v.scale))};
}

WorldPoint world_point(const ViewState& v, double X, double Y) {
  return {X / v.scale + v.left_x, v.top_y - Y / v.scale};
}

void compute_section_extents(ViewState& v, const model::ProjectModel& m) {
  Range r;
  for (int slot = 0; slot < model::MAX_WALL_BLOCKS; ++slot) take_block(r, m.wall_blocks[slot]);
  const model::ProjectConditions& c = m.conditions;
  if (c.surface_shape == 1) {
    const int n = clamp_count(c.surface_point_count, model::MAX_SURFACE_POINTS + 1);
    for (int k = 0; k < n; ++k) r.take(c.surface_points[k].x, c.surface_points[k].y);
  }
  v.left_x = r.lo_x;
  v.right_x = r.hi_x;
  v.bottom_y = r.lo_y;
  v.top_y = r.hi_y;
  v.extent_left = v.left_x;
  v.crown_level = v.top_y;
  v.lower_level = v.bottom_y;
  if (v.left_x == kNoLow) v.left_x = 0;
  if (v.right_x == kNoHigh) v.right_x = 10;
  if (v.bottom_y == kNoLow) v.bottom_y = 0;
  if (v.top_y == kNoHigh) v.top_y = 10;
  add_margins(v.left_x, v.right_x);
  add_margins(v.bottom_y, v.top_y);
  fit_view_window(v);
}

void fit_view_window(ViewState& v) {
  double w = v.right_x - v.left_x;
  const double h = v.top_y - v.bottom_y;
  const double pw = v.pic_width;
  const double ph = v.pic_height;
  double cx = v.left_x + w / 2;
  const double cy = v.bottom_y + h / 2;
  const double s = std::min(pw / w, ph / h);
  const double t = kLabelRoom / s;
  w = w + t;
  cx = v.left_x + w / 2 - t;
  v.scale = std::min(pw / w, ph / h);
  // Also catches a drawing area of no size, whose scale would be 0 or not a number.
  if (!(v.scale >= 1)) v.scale = 1;
  v.left_x = cx - pw / 2 / v.scale;
  v.right_x = cx + pw / 2 / v.scale;
  v.bottom_y = cy - ph / 2 / v.scale;
  v.top_y = cy + ph / 2 / v.scale;
}

void zoom_at(ViewState& v, int bs_mode, double X, double Y) {
  if (bs_mode != 1 && bs_mode != 2) return;
  const WorldPoint p = world_point(v, X, Y);
  v.scale = v.scale * (bs_mode == 1 ? 1.35 : 0.65);
  if (v.scale > kMaxScale) v.scale = kMaxScale;
  if (v.scale < kMinScale) v.scale = kMinScale;
  v.left_x = p.x - v.pic_width / 2.0 / v.scale;
  v.top_y = p.y + v.pic_height / 2.0 / v.scale;
}

bool pan_horizontal(ViewState& v, int position) {
  if (!(v.scale >= kMinScale)) return false;
  if (position > v.hscroll_last)
    v.left_x = v.left_x + kPanStep / v.scale;
  else
    v.left_x = v.left_x - kPanStep / v.scale;
  v.hscroll_last = static_cast<std::int16_t>(std::clamp(position, -32768, 32767));
  return true;
}

bool pan_vertical(ViewState& v, int position) {
  if (!(v.scale >= kMinScale)) return false;
  if (position > v.vscroll_last)
    v.top_y = v.top_y - kPanStep / v.scale;
  else
    v.top_y = v.top_y + kPanStep / v.scale;
  v.vscroll_last = static_cast<std::int16_t>(std::clamp(position, -32768, 32767));
  return true;
}

std::optional<WindowLayout> layout_for(int W, int H) {
  if (!(H > 2800 && W > 5400)) return std::nullopt;
  WindowLayout l{};
  l.vsb_height = H - 2325;
  l.vsb_width = W - 5280;
  l.hsb_height = H - 2805;
  l.hsb_width = W - 4800;
  l.pic_height = H - 2805;
  l.pic_width = W - 5280;
  l.tabs_left = W - 4500;
  l.drawing_width = l.pic_width - 60;
  l.drawing_height = l.pic_height - 60;
  l.tab0_width = W - 325;
  l.tabs_height = H - 2265;
  return l;
}

std::string mouse_readout(const ViewState& v, double X, double Y) {
  const WorldPoint p = world_point(v, X, Y);
  return "X:" + readout_value(p.x) + " Y:" + readout_value(p.y);
}

}  // namespace qvt::section
