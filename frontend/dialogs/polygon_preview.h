#pragma once
// The preview of the polygon block dialog: the outline being entered, scaled into its picture
// (twips, y down, drawing area 5700 x 5100) with its vertices numbered, drawn into the
// section picture's DrawSink.
#include "frontend/model/outline_order.h"
#include "frontend/section/draw_sink.h"

#include <span>

namespace qvt::dialogs {

inline constexpr double kPreviewAreaWidth = 5700;   // twips
inline constexpr double kPreviewAreaHeight = 5100;  // twips
inline constexpr double kPreviewPictureWidth = 5760;
inline constexpr double kPreviewPictureHeight = 5160;

struct PreviewFit {
  double scale = 1;   // twips per metre, at least 1
  double left = 0;    // world x at the picture's left edge
  double bottom = 0;  // world y at the bottom of the drawing area
};

// Fits the vertices (0, 0 when there are none) into the drawing area at 0.8 of the scale that
// would fill it, centred.
PreviewFit fit_polygon_preview(std::span<const model::OutlinePoint> vertices);

struct PreviewPoint {
  double x = 0, y = 0;  // twips from the picture's top left
};
PreviewPoint preview_point(const PreviewFit& fit, const model::OutlinePoint& v);

// Draws the preview into the picture's sink (whole twips, truncated toward zero): for each
// vertex i from 1 a white edge from vertex i - 1 and the light-green number i just above-left of
// vertex i - 1; after the last vertex the closing edge back to vertex 0 and its number. Nothing
// for fewer than 2 vertices.
void draw_polygon_preview(std::span<const model::OutlinePoint> vertices, section::DrawSink& sink);

}  // namespace qvt::dialogs
