#pragma once
// The repaint of the whole section picture, in its fixed order: every block, the check point,
// the level labels, and the overlays of the page shown.
#include "frontend/model/project.h"
#include "frontend/section/draw_sink.h"
#include "frontend/section/editor_state.h"
#include "frontend/section/page_port.h"
#include "frontend/section/view.h"

#include <string>

namespace qvt::section {

struct PaintInput {
  const model::ProjectModel& model;
  const ViewState& view;
  const EditorState& editor;
  const PageState& pages;
};

void paint_section(const PaintInput& in, DrawSink& sink);

// The overlays, each drawn by paint_section alone.
void draw_check_point_marker(const PaintInput& in, DrawSink& sink);
void draw_level_labels(const PaintInput& in, DrawSink& sink);
void draw_base_point_marker(const PaintInput& in, DrawSink& sink);
void draw_pressure_points(const PaintInput& in, DrawSink& sink);
// Drawn only while the side has a point i + 1 to end the span at.
void draw_soil_layer_span(const PaintInput& in, int i, DrawSink& sink);
void draw_ground_surface_polyline(const PaintInput& in, DrawSink& sink);
void draw_dimension_points(const PaintInput& in, DrawSink& sink);

// The R.W.L. label text and its offset b for the level R.
struct LevelLabel {
  std::string text;
  int offset;
};
LevelLabel rwl_label(double R);

}  // namespace qvt::section
