#pragma once
// The section picture's view: the world window shown in the picture, its scale, the one
// world-to-picture transform, fitting the window to the section, click zoom, panning by the
// arrow buttons, the window layout on resize and the mouse position readout. Picture units are
// twips (y down from the top-left corner); world units are metres (y the elevation, up).
#include "frontend/model/project.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qvt::section {

struct ViewState {
  double left_x = 0;    // world x at the picture's left edge
  double bottom_y = 0;  // kept by the fit only
  double right_x = 0;   // kept by the fit only
  double top_y = 0;     // world y at the picture's top edge
  double move_base_x = 0, move_base_y = 0;  // base point of a block move or copy
  // Size of the drawing area. Whole twips: a 16-bit count would overflow past ~2,540 pixels.
  int pic_width = 0, pic_height = 0;
  double scale = 0;  // picture units per metre; 0 until the first fit
  double extent_left = 0, crown_level = 0, lower_level = 0;  // content extent of the last fit
  std::int16_t hscroll_last = 0, vscroll_last = 0;
};

struct PicturePoint {
  int x = 0;
  int y = 0;
};
struct WorldPoint {
  double x = 0;
  double y = 0;
};

// World to picture, each coordinate cut toward zero to whole picture units.
PicturePoint picture_point(const ViewState& v, double x, double y);
// The same, taken to the next whole number below (shape-library points).
PicturePoint picture_point_floor(const ViewState& v, double x, double y);
// A mouse position (picture units, not rounded) back to world coordinates.
WorldPoint world_point(const ViewState& v, double X, double Y);

// Recomputes the window from the used blocks (and an arbitrary ground surface's committed
// points), keeps the content's own extent for the level labels, adds the margins and fits.
void compute_section_extents(ViewState& v, const model::ProjectModel& m);
// Fits the window's current edges into the drawing area, widened on the left for the labels.
void fit_view_window(ViewState& v);

// A zoom click at picture position (X, Y): bs_mode 1 zooms in (x 1.35), 2 out (x 0.65), the
// clicked point becoming the centre. Any other mode changes nothing.
void zoom_at(ViewState& v, int bs_mode, double X, double Y);

// A change of the horizontal or vertical bar to `position`: one step of 200 picture units,
// toward the side of the change (an equal position moves left or up). False, nothing changed,
// while the scale is below 0.00001.
bool pan_horizontal(ViewState& v, int position);
bool pan_vertical(ViewState& v, int position);

// Geometry of the picture, its bars and the page tabs for a window of W x H picture units.
struct WindowLayout {
  int vsb_height, vsb_width, hsb_height, hsb_width;
  int pic_height, pic_width;
  int tabs_left;  // pages 1 to 6
  int drawing_width, drawing_height;  // the new pic_width, pic_height of the view
  int tab0_width;
  int tabs_height;  // pages 0 to 6
};
// Nothing unless H > 2800 and W > 5400.
std::optional<WindowLayout> layout_for(int W, int H);

// The status-bar text for the mouse at (X, Y): "X:", x in "####0.00" padded to 7 on the left,
// " Y:", y likewise; each value held within -999.99 .. 999.99.
std::string mouse_readout(const ViewState& v, double X, double Y);

}  // namespace qvt::section
