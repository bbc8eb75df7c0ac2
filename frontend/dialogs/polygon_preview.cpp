#include "frontend/dialogs/polygon_preview.h"

#include "frontend/model/display_text.h"

#include <algorithm>

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

std::vector<PreviewItem> polygon_preview(std::span<const model::OutlinePoint> vertices) {
  std::vector<PreviewItem> items;
  const int n = static_cast<int>(vertices.size());
  if (n < 2) return items;
  const PreviewFit fit = fit_polygon_preview(vertices);
  auto number = [&](int label, const model::OutlinePoint& at) {
    const PreviewPoint p = preview_point(fit, at);
    PreviewItem item;
    item.kind = PreviewItem::Kind::Number;
    item.from = {p.x - 70, p.y - 75};
    item.text = model::format_pattern(label, "###");
    items.push_back(item);
  };
  auto edge = [&](const model::OutlinePoint& a, const model::OutlinePoint& b) {
    PreviewItem item;
    item.from = preview_point(fit, a);
    item.to = preview_point(fit, b);
    items.push_back(item);
  };
  for (int i = 1; i < n; ++i) {
    edge(vertices[i - 1], vertices[i]);
    number(i, vertices[i - 1]);
    if (i == n - 1) {
      edge(vertices[i], vertices[0]);
      number(i + 1, vertices[i]);
    }
  }
  return items;
}

}  // namespace qvt::dialogs
