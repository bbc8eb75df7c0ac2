#pragma once
// The section picture's widget: paints the display list of the Qt-free picture with QPainter on
// black, 15 picture units (twips) to a logical pixel, and passes mouse presses and moves on in
// unrounded picture units.
#include "frontend/section/draw_sink.h"
#include "frontend/section/section_picture.h"

#include <QImage>
#include <QWidget>

class QPainter;

namespace qvt::section {

inline constexpr int kTwipsPerPixel = 15;

// Whole twips to pixels, rounding toward minus infinity.
int twips_to_pixels(int twips);

// The picture's font: 9 points, a Japanese face where one is installed.
QFont section_font();

// Paints a display list onto a painter whose background is already black.
void paint_display_list(QPainter& painter, const DisplayList& list);

// The section of the model as the picture shows it, drawn into an image of width x height
// pixels (the picture's own persistent pen starts as the default one).
QImage render_section(const model::ProjectModel& m, const ViewState& view,
                      const EditorState& editor, const PageState& pages, int width, int height);

// The 32 x 32 monochrome magnifying-glass pointer, hot spot at its top-left corner.
QCursor magnifier_cursor();

class SectionPictureWidget : public QWidget {
 public:
  SectionPictureWidget(SectionPicture& picture, QWidget* parent);

  void set_zoom_pointer(bool zoom);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  SectionPicture& picture_;
};

}  // namespace qvt::section
