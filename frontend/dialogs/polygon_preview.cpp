#include "frontend/dialogs/polygon_preview.h"

#include "frontend/model/display_text.h"

#include <algorithm>
#include <utility>

namespace qvt::dialogs {

PreviewFit fit_polygon_preview(std::span<const model::OutlinePoint> vertices) {
  const model::OutlinePoint first = vertices.empty() ? model::OutlinePoint{} : vertices[0];
  double min_x = first.x, max_x = first.x, min_y = first.y, max_y = first.y;
  for (const model::OutlinePoint& v : vertices) {
    min_x = std::min(min_x, v.x);
    max_x = std::max(max_x, v.x);
    min_y = std::min(min_y, v.y);
    max_y = std::max(max_y, v.y);
  }
  const double w = max_x - min_x, h = max_y - min_y;
  const double cx = min_x + w / 2, cy = min_y + h / 2;
  const double s1 = kPreviewAreaWidth / (w > 0 ? w : 1);
  const double s2 = kPreviewAreaHeight / (h > 0 ? h : 1);
  PreviewFit fit;
  fit.scale = s1 < s2 ? 0.8 * s1 : 0.8 * s2;
  if (!(fit.scale >= 1)) fit.scale = 1;
  fit.left = cx - (kPreviewAreaWidth / 2) / fit.scale;
  fit.bottom = cy - (kPreviewAreaHeight / 2) / fit.scale;
  return fit;
}

PreviewPoint preview_point(const PreviewFit& fit, const model::OutlinePoint& v) {
  return {(v.x - fit.left) * fit.scale, kPreviewAreaHeight - (v.y - fit.bottom) * fit.scale};
}

void draw_polygon_preview(std::span<const model::OutlinePoint> vertices,
                          section::DrawSink& sink) {
  const int n = static_cast<int>(vertices.size());
  if (n < 2) return;
  const PreviewFit fit = fit_polygon_preview(vertices);
  auto at = [&](const model::OutlinePoint& v) {
    const PreviewPoint p = preview_point(fit, v);
    return std::pair<int, int>{static_cast<int>(p.x), static_cast<int>(p.y)};
  };
  auto edge = [&](const model::OutlinePoint& a, const model::OutlinePoint& b) {
    const auto [x1, y1] = at(a);
    const auto [x2, y2] = at(b);
    sink.set_colour(section::kWhite);
    sink.line(x1, y1, x2, y2);
  };
  auto number = [&](int label, const model::OutlinePoint& v) {
    const auto [x, y] = at(v);
    sink.set_colour(section::kGreen);
    sink.set_text_position(x - 70, y - 75);
    sink.print(model::format_pattern(label, "###"));
  };
  for (int i = 1; i < n; ++i) {
    edge(vertices[i - 1], vertices[i]);
    number(i, vertices[i - 1]);
    if (i == n - 1) {
      edge(vertices[i], vertices[0]);
      number(i + 1, vertices[i]);
    }
  }
}

}  // namespace qvt::dialogs
