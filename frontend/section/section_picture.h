#pragma once
// The section picture without its widget: the view, the routing of mouse clicks to the
// editors and the zoom, the readout, the whole view and the repaint into a draw sink. One lives
// in the main window for the program's life.
#include "frontend/model/project.h"
#include "frontend/section/draw_sink.h"
#include "frontend/section/editor_state.h"
#include "frontend/section/page_port.h"
#include "frontend/section/section_effects.h"
#include "frontend/section/view.h"

#include <functional>

namespace qvt::section {

class SectionPicture {
 public:
  SectionPicture(model::ProjectModel& model, EditorState& editor, PagePort& pages,
                 SectionEffects& effects);

  ViewState& view() { return view_; }
  const ViewState& view() const { return view_; }
  EditorState& editor() { return editor_; }
  model::ProjectModel& model() { return model_; }
  void set_pages(PagePort& pages) { pages_ = &pages; }

  // Refits the view to the section; does not repaint.
  void compute_section_extents();
  // Whole view: bars back to 0, zoom mode off, refit, default pointer, button 8 released,
  // repaint.
  void view_whole_section();
  void enter_zoom_in_mode();
  void enter_zoom_out_mode();
  void horizontal_bar_moved(int position);
  void vertical_bar_moved(int position);

  // Button 1 left, 2 right, 4 middle; X, Y in picture units, not rounded.
  void mouse_pressed(int button, double X, double Y);
  void mouse_moved(int button, double X, double Y);

  // Draws the whole section into the sink with the picture's persistent pen, and keeps the pen
  // it ends with for the next repaint.
  void paint(DrawSink& sink);
  DisplayList display_list();
  const PenState& pen() const { return pen_; }

  // The block editors of the superstructure and improved-body pages; none until they are set.
  std::function<void(int, double, double)> wall_block_editor;
  std::function<void(int, double, double)> improved_soil_editor;

 private:
  bool any_block() const;

  model::ProjectModel& model_;
  EditorState& editor_;
  PagePort* pages_;
  SectionEffects& effects_;
  ViewState view_;
  PenState pen_;
};

}  // namespace qvt::section
