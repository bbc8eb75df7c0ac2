#include "frontend/section/section_picture.h"

#include "frontend/section/point_editing.h"
#include "frontend/section/section_paint.h"

namespace qvt::section {

SectionPicture::SectionPicture(model::ProjectModel& model, EditorState& editor, PagePort& pages,
                               SectionEffects& effects)
    : model_(model), editor_(editor), pages_(&pages), effects_(effects) {}

bool SectionPicture::any_block() const {
  for (int s = 0; s < model::MAX_WALL_BLOCKS; ++s)
    if (model_.wall_blocks[s].block_type != model::BLOCK_EMPTY) return true;
  return false;
}

void SectionPicture::compute_section_extents() { section::compute_section_extents(view_, model_); }

void SectionPicture::view_whole_section() {
  // The bars raise their change events as they move; the refit below replaces what they did.
  view_.hscroll_last = 0;
  effects_.set_scroll_position(true, 0);
  view_.vscroll_last = 0;
  effects_.set_scroll_position(false, 0);
  editor_.bs_mode = 0;
  compute_section_extents();
  effects_.set_zoom_pointer(false);
  effects_.set_view_button(8, false);
  effects_.repaint();
}

void SectionPicture::enter_zoom_in_mode() {
  effects_.set_zoom_pointer(true);
  editor_.bs_mode = 1;
  effects_.set_view_button(9, true);
}

void SectionPicture::enter_zoom_out_mode() {
  effects_.set_zoom_pointer(true);
  editor_.bs_mode = 2;
  effects_.set_view_button(10, true);
}

void SectionPicture::horizontal_bar_moved(int position) {
  if (pan_horizontal(view_, position)) effects_.repaint();
}

void SectionPicture::vertical_bar_moved(int position) {
  if (pan_vertical(view_, position)) effects_.repaint();
}

void SectionPicture::mouse_pressed(int button, double X, double Y) {
  const bool block_exists = any_block();
  const int zoom = editor_.bs_mode;
  if (zoom != 1 && zoom != 2) {
    if (!block_exists) return;
    const PageState& page = pages_->page_state();
    EditContext c{model_, view_, editor_, *pages_, effects_};
    if (page.shows(kSuperstructurePage) && page.inner_tab[kSuperstructurePage] == 0) {
      if (wall_block_editor) wall_block_editor(button, X, Y);
    } else if (page.shows(kEarthPressurePage) && page.inner_tab[kEarthPressurePage] == 0) {
      handle_pressure_point_click(c, button, X, Y);
    } else if (page.shows(kImprovedBodyPage) && page.inner_tab[kImprovedBodyPage] == 0) {
      if (improved_soil_editor) improved_soil_editor(button, X, Y);
    } else if (page.shows(kDimensionLinePage)) {
      handle_dimension_point_click(c, button, X, Y);
    }
    effects_.repaint();
    return;
  }
  if (button == 2) {
    editor_.bs_mode = 0;
    effects_.set_zoom_pointer(false);
    for (int b : {8, 9, 10}) effects_.set_view_button(b, false);
    return;
  }
  if (!block_exists) return;
  zoom_at(view_, zoom, X, Y);
  effects_.repaint();
}

void SectionPicture::mouse_moved(int /*button*/, double X, double Y) {
  if (!any_block()) return;
  effects_.show_readout(mouse_readout(view_, X, Y));
}

void SectionPicture::paint(DrawSink& sink) {
  paint_section({model_, view_, editor_, pages_->page_state()}, sink);
  pen_ = sink.state();
}

DisplayList SectionPicture::display_list() {
  DisplayList list(pen_);
  paint(list);
  return list;
}

}  // namespace qvt::section
