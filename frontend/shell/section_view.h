#pragma once
// The section picture `pic_gm` with its scroll bars. Drawing, fitting and zooming come with the
// section-picture work; today the picture is an empty panel and the view commands do nothing,
// while the commands that reset the view already call them in order.
#include "frontend/model/project.h"

class QScrollBar;
class QWidget;

namespace qvt::shell {

class SectionView {
 public:
  SectionView(QWidget* parent, model::ProjectModel& model);

  QWidget* pic_gm() const { return pic_gm_; }
  QScrollBar* hsb_gm() const { return hsb_gm_; }
  QScrollBar* vsb_gm() const { return vsb_gm_; }

  // The picture size of the view in picture units, until the window is first resized.
  void set_picture_size(double width, double height);
  double picture_width() const { return picture_width_; }
  double picture_height() const { return picture_height_; }

  // Shows or hides the picture with its scroll bars.
  void set_shown(bool shown);
  void repaint_section();

  // Fits the view window to the used blocks (and an arbitrary ground surface).
  void compute_section_extents() {}
  // Toolbar buttons 8, 9 and 10 and the menu items "全体", "拡大", "縮小".
  void view_whole_section() {}
  void enter_zoom_in_mode() {}
  void enter_zoom_out_mode() {}

  // The view values the file commands put back: the last scroll values and the zoom click
  // mode (0 none, 1 zoom in, 2 zoom out).
  int hscroll_last = 0;
  int vscroll_last = 0;
  int bs_mode = 0;

 private:
  model::ProjectModel& model_;
  QWidget* pic_gm_ = nullptr;
  QScrollBar* hsb_gm_ = nullptr;
  QScrollBar* vsb_gm_ = nullptr;
  double picture_width_ = 0;
  double picture_height_ = 0;
};

}  // namespace qvt::shell
