#include "frontend/section/section_paint.h"

#include "frontend/model/display_text.h"
#include "frontend/section/block_drawing.h"

#include <algorithm>
#include <cmath>

namespace qvt::section {

namespace {

using model::MAX_WALL_BLOCKS;

constexpr int kBar = 15;         // half length and spacing of the bar marker's strokes
constexpr int kActionBox = 45;   // half side of an action-point box
constexpr int kCheckBox = 25;    // half side of the check-point box
constexpr int kNumberDx = 100;   // number of an action or ground-surface point, right of it
constexpr int kNumberDy = 75;
constexpr int kLevelTextDy = 170;

bool any_block(const model::ProjectModel& m) {
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s)
    if (m.wall_blocks[s].block_type != model::BLOCK_EMPTY) return true;
  return false;
}

void bar_marker(DrawSink& sink, PicturePoint p) {
  for (int dy : {-kBar, 0, kBar}) sink.line(p.x - kBar, p.y + dy, p.x + kBar, p.y + dy);
}

std::string number_text(int n) { return model::format_pattern(n, "###0"); }

}  // namespace

LevelLabel rwl_label(double R) {
  const double a = std::fabs(R);
  if (a >= 100) {
    if (R > 0) return {"R.W.L.+" + model::format_pattern(R, "##0.000"), 1240};
    return {"R.W.L." + model::format_pattern(R, "###0.000"), 1240};
  }
  if (a >= 10) {
    if (R > 0) return {"R.W.L. +" + model::format_pattern(R, "#0.000"), 1210};
    return {"R.W.L. " + model::format_pattern(R, "##0.000"), 1210};
  }
  if (R > 0) return {"R.W.L.  +" + model::format_pattern(R, "0.000"), 1180};
  if (R == 0) return {"R.W.L.   0.000", 1180};
  return {"R.W.L.  " + model::format_pattern(R, "#0.000"), 1180};
}

void draw_check_point_marker(const PaintInput& in, DrawSink& sink) {
  if (!any_block(in.model)) return;
  const model::BodyReaction& r = in.model.conditions.body_reactions[model::CASE_NORMAL];
  sink.set_colour(kMagenta);
  const PicturePoint p = picture_point(in.view, r.check_x, r.check_y);
  sink.rectangle(p.x - kCheckBox, p.y - kCheckBox, p.x + kCheckBox, p.y + kCheckBox);
}

void draw_level_labels(const PaintInput& in, DrawSink& sink) {
  if (!any_block(in.model)) return;
  const ViewState& v = in.view;
  const double R = in.model.conditions.water_levels[2];
  const LevelLabel rwl = rwl_label(R);
  const int c = picture_point(v, v.extent_left, 0).x;
  const int b = rwl.offset;
  struct Level {
    double y;
    std::string text;
    Colour colour;
  };
  const Level levels[] = {
      {R, rwl.text, kGreen},
      {v.crown_level, "天端高 " + model::format_pattern(v.crown_level, "0.000"), kCyan},
      {v.lower_level, "下限高 " + model::format_pattern(v.lower_level, "0.000"), kCyan},
  };
  for (const Level& l : levels) {
    const int py = picture_point(v, 0, l.y).y;
    sink.set_colour(l.colour);
    sink.set_text_position(c - b - 45, py - kLevelTextDy);
    sink.print(l.text);
    sink.set_colour(kRed);
    sink.set_style(LineStyle::Solid);
    sink.line(c - b - 60, py, c - 45, py);
  }
}

void draw_base_point_marker(const PaintInput& in, DrawSink& sink) {
  sink.set_colour(kBlue);
  bar_marker(sink, picture_point(in.view, in.view.move_base_x, in.view.move_base_y));
}

void draw_pressure_points(const PaintInput& in, DrawSink& sink) {
  sink.set_colour(kCyan);
  for (int side = 0; side < 2; ++side) {
    const model::PressurePointList& l = in.model.conditions.pressure_points[side];
    const int n = std::clamp<int>(l.count, 0, model::MAX_PRESSURE_POINTS + 1);
    for (int j = 0; j < n; ++j) {
      if (l.x[j] == model::UNSET_COORD) continue;
      const PicturePoint p = picture_point(in.view, l.x[j], l.y[j]);
      sink.rectangle(p.x - kActionBox, p.y - kActionBox, p.x + kActionBox, p.y + kActionBox);
      sink.set_text_position(p.x + kNumberDx, p.y - kNumberDy);
      sink.print(number_text(j + 1));
    }
  }
}

void draw_soil_layer_span(const PaintInput& in, int i, DrawSink& sink) {
  const int side = in.editor.current_side;
  if (side < 0 || side > 1) return;
  const model::PressurePointList& l = in.model.conditions.pressure_points[side];
  const int n = std::clamp<int>(l.count, 0, model::MAX_PRESSURE_POINTS + 1);
  if (i < 0 || i + 1 >= n) return;
  sink.set_colour(kCyan);
  const PicturePoint a = picture_point(in.view, l.x[i], l.y[i]);
  const PicturePoint b = picture_point(in.view, l.x[i + 1], l.y[i + 1]);
  sink.line(a.x, a.y, b.x, b.y);
}

void draw_ground_surface_polyline(const PaintInput& in, DrawSink& sink) {
  const int n = std::clamp(in.pages.surface_point_row_count, 0, model::MAX_SURFACE_POINTS + 1);
  if (n == 0) return;
  sink.set_colour(kGreen);
  PicturePoint previous;
  for (int k = 0; k < n; ++k) {
    const SurfaceRow& row = in.pages.surface_point_rows[k];
    const PicturePoint p = picture_point(in.view, row.x, row.y);
    if (k >= 1) {
      sink.set_style(LineStyle::Solid);
      sink.line(previous.x, previous.y, p.x, p.y);
    }
    if (in.pages.shows(kGroundSurfacePage)) {
      sink.set_text_position(p.x + kNumberDx, p.y - kNumberDy);
      sink.print(number_text(k + 1));
    }
    previous = p;
  }
}

void draw_dimension_points(const PaintInput& in, DrawSink& sink) {
  for (int list = 0; list < 2; ++list) {
    sink.set_colour(list == 0 ? kCyan : kGreen);
    const model::DimensionPointList& l = in.model.conditions.dimension_points[list];
    const int n = std::clamp<int>(l.count, 0, model::MAX_DIMENSION_POINTS + 1);
    for (int j = 0; j < n; ++j) {
      const PicturePoint p = picture_point(in.view, l.x[j], l.y[j]);
      bar_marker(sink, p);
      const int number = j + 1;
      sink.set_text_position(p.x - (number <= 9 ? 190 : 290), p.y - kNumberDy);
      sink.print(" " + std::to_string(number));
    }
  }
}

void paint_section(const PaintInput& in, DrawSink& sink) {
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot)
    if (in.model.wall_blocks[slot].block_type >= 0) draw_wall_block(in.model, in.view, slot, 0, sink);
  draw_check_point_marker(in, sink);
  draw_level_labels(in, sink);
  const EditorState& e = in.editor;
  if (in.pages.shows(kSuperstructurePage) || in.pages.shows(kImprovedBodyPage)) {
    if (e.block_step == BlockEditStep::select && e.current_block_slot >= 0) {
      draw_wall_block(in.model, in.view, e.current_block_slot, 1, sink);
    } else if ((e.block_step == BlockEditStep::base_point || e.block_step == BlockEditStep::move) &&
               e.current_block_slot >= 0) {
      draw_wall_block(in.model, in.view, e.current_block_slot, 1, sink);
      draw_base_point_marker(in, sink);
    }
  }
  if (in.pages.shows(kEarthPressurePage) && in.pages.inner_tab[kEarthPressurePage] == 0)
    draw_pressure_points(in, sink);
  if (in.pages.shows(kEarthPressurePage) && in.pages.inner_tab[kEarthPressurePage] == 1) {
    draw_pressure_points(in, sink);
    if (e.current_point_index >= 0) draw_soil_layer_span(in, e.current_point_index, sink);
  }
  if (in.pages.arbitrary_surface) draw_ground_surface_polyline(in, sink);
  if (in.pages.shows(kDimensionLinePage)) draw_dimension_points(in, sink);
}

}  // namespace qvt::section
