#pragma once
// The preview of the polygon block dialog: the outline being entered, scaled into the picture
// pic_NB (twips, y down, drawing area 5700 x 5100) with its vertices numbered.
#include "frontend/model/outline_order.h"

#include <span>
#include <string>
#include <vector>

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

// What the preview draws, in order: white edges and light-green vertex numbers.
struct PreviewItem {
  enum class Kind { Edge, Number } kind = Kind::Edge;
  PreviewPoint from, to;  // an edge's ends; a number's top-left corner in `from`
  std::string text;       // a number's text
};

// The edges from vertex 0 through vertex n-1 and back to 0, each vertex numbered from 1 just
// above-left of it. Nothing for fewer than 2 vertices.
std::vector<PreviewItem> polygon_preview(std::span<const model::OutlinePoint> vertices);

}  // namespace qvt::dialogs
