#include "frontend/section/point_editing.h"

#include "frontend/section/picking.h"

#include <algorithm>

namespace qvt::section {

namespace {

constexpr double kAnyDistance = 9999.9;
constexpr double kPickRadius = 1.0;
constexpr double kSamePoint = 0.001;

// Closes the gap at k of a point list of `count` entries: the later points move down by one,
// the freed last entry becomes (0, 0).
template <typename List>
void remove_from_list(List& l, int k) {
  const int n = std::clamp<int>(l.count, 0, static_cast<int>(l.x.size()));
  if (k < 0 || k >= n) return;
  for (int i = k; i + 1 < n; ++i) {
    l.x[i] = l.x[i + 1];
    l.y[i] = l.y[i + 1];
  }
  l.x[n - 1] = 0;
  l.y[n - 1] = 0;
  l.count = static_cast<model::i16>(n - 1);
}

}  // namespace

void remove_pressure_point(model::ProjectConditions& c, int side, int k) {
  model::PressurePointList& l = c.pressure_points[side];
  const int n = std::clamp<int>(l.count, 0, static_cast<int>(l.x.size()));
  if (k < 0 || k >= n) return;
  auto& layers = c.soil_layers[side];
  const int record = (k == n - 1 && k > 0) ? k - 1 : k;
  const int records = static_cast<int>(layers.size());
  if (record < records) {
    for (int r = record; r + 1 < records; ++r) layers[r] = layers[r + 1];
    layers[records - 1] = model::SoilLayer{};
  }
  remove_from_list(l, k);
}

void handle_pressure_point_click(EditContext& c, int button, double X, double Y) {
  if (button != 1) return;
  const PageState& page = c.pages.page_state();
  const int mode = (page.action_point_mode >= 0 && page.action_point_mode <= 2) ? page.action_point_mode : 0;
  const WorldPoint w = world_point(c.view, X, Y);
  model::ProjectConditions& pc = c.model.conditions;

  if (mode == 0 || mode == 1) {
    c.editor.current_side = static_cast<model::i16>(mode);
    model::PressurePointList& l = pc.pressure_points[mode];
    if (l.count >= model::MAX_PRESSURE_POINTS) {
      c.effects.warn(kPressurePointsFull);
      return;
    }
    double vx = 0, vy = 0;
    if (snap_to_block_vertex(c.model, w.x, w.y, kAnyDistance, vx, vy, -1) != 1) return;
    if (pick_pressure_point(c.model, vx, vy, kSamePoint, mode) >= 0) return;
    const int n = std::max<int>(l.count, 0);
    l.x[n] = vx;
    l.y[n] = vy;
    l.count = static_cast<model::i16>(n + 1);
    c.pages.select_action_point(l.count);
    c.effects.repaint();
    return;
  }

  // Removal: one point of each side within 1 m, the passive side first. A click that finds
  // nothing leaves the side as it was: there is no side beyond the two.
  for (int side = 0; side < 2; ++side) {
    const int k = pick_pressure_point(c.model, w.x, w.y, kPickRadius, side);
    if (k < 0) continue;
    c.editor.current_side = static_cast<model::i16>(side);
    remove_pressure_point(pc, side, k);
    const int count = pc.pressure_points[side].count;
    // The selection stays on a point that exists (or none when the side is empty).
    if (c.editor.current_point_index >= count)
      c.editor.current_point_index = static_cast<model::i16>(count - 1);
    c.pages.select_action_point(c.editor.current_point_index + 1);
    c.effects.repaint();
  }
}

void handle_dimension_point_click(EditContext& c, int button, double X, double Y) {
  EditorState& e = c.editor;
  e.sn_mode = 0;
  if (button == 1) {
    switch (c.pages.page_state().dimension_point_mode) {
      case 0: e.sn_mode = 1; break;
      case 1: e.sn_mode = 2; break;
      case 2: e.sn_mode = 3; break;
      case 3: e.sn_mode = 4; break;
      default: break;
    }
  }
  const WorldPoint w = world_point(c.view, X, Y);
  const int list = (e.sn_mode == 3 || e.sn_mode == 4) ? 1 : 0;
  model::DimensionPointList& l = c.model.conditions.dimension_points[list];

  if (e.sn_mode == 1 || e.sn_mode == 3) {
    e.sn_mode = 0;
    double vx = 0, vy = 0;
    if (snap_to_block_vertex(c.model, w.x, w.y, kPickRadius, vx, vy, -1) != 1) return;
    if (pick_dimension_point(c.model, vx, vy, kSamePoint, list) >= 0) return;
    if (l.count >= model::MAX_DIMENSION_POINTS) {
      c.effects.warn(kDimensionPointsFull);
      return;
    }
    const int n = std::max<int>(l.count, 0);
    l.x[n] = vx;
    l.y[n] = vy;
    l.count = static_cast<model::i16>(n + 1);
    c.effects.repaint();
  } else if (e.sn_mode == 2 || e.sn_mode == 4) {
    e.sn_mode = 0;
    const int k = pick_dimension_point(c.model, w.x, w.y, kPickRadius, list);
    if (k >= 0) {
      remove_from_list(l, k);
      c.effects.repaint();
    }
  }
}

}  // namespace qvt::section
