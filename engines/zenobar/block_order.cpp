#include "engines/zenobar/sections.h"

#include "common/cp932.h"
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"
#include "engines/common/engine_message.h"
#include "engines/common/polygon_division.h"
#include "engines/common/rounding_geometry.h"

#include <algorithm>

namespace qvt::zenobar {

using engine::condition_data;

namespace {

// The first cut line of the residual water level spans x = -100 .. 100.
constexpr double kCutHalfSpan = 100.0;

bool is_used(int slot) { return condition_data().wall_blocks[slot].block_type >= 0; }

// A crossing of the edge a-b with the level line; false when the edge does not reach it.
// The edge is tested against the level line from x = -100 to 100 first; when the outline
// reaches beyond that span, an edge not met there is tested again against a level line that
// spans the whole outline, so every crossing is found.
bool level_crossing(const OutlinePoint& a, const OutlinePoint& b, double level, double x_min,
                    double x_max, OutlinePoint& at) {
  double x = 0, y = 0;
  if (engine::intersect_lines(a.x, a.y, b.x, b.y, -kCutHalfSpan, level, kCutHalfSpan, level, x,
                              y) == 0) {
    at = {x, y};
    return true;
  }
  if (x_min >= -kCutHalfSpan && x_max <= kCutHalfSpan) return false;
  if (engine::intersect_lines(a.x, a.y, b.x, b.y, x_min - 1.0, level, x_max + 1.0, level, x,
                              y) == 0) {
    at = {x, y};
    return true;
  }
  return false;
}

}  // namespace

std::vector<int> blocks_in_label_order() {
  const auto& cd = condition_data();
  std::vector<int> order;
  for (int k = 0; k < BLOCK_SLOTS; ++k)
    for (int slot = 0; slot < BLOCK_SLOTS; ++slot)
      if (is_used(slot) && cd.block_label_numbers[slot] == k) order.push_back(slot);
  for (int slot = 0; slot < BLOCK_SLOTS; ++slot) {
    const int k = cd.block_label_numbers[slot];
    if (is_used(slot) && (k < 0 || k >= BLOCK_SLOTS)) order.push_back(slot);
  }
  return order;
}

bool is_wall_block(int slot) {
  const auto& cd = condition_data();
  return cd.wall_blocks[slot].block_type == engine::BLOCK_SOIL_RECTANGLE &&
         (cd.improvement_pattern == 1 || cd.improvement_pattern == 3);
}

bool is_whole_block_type(int block_type) {
  return block_type == engine::BLOCK_CAISSON || block_type == engine::BLOCK_FOOTING_CAISSON ||
         block_type == engine::BLOCK_COUNTERFORT;
}

double block_length_value(int slot) {
  const auto& block = condition_data().wall_blocks[slot];
  switch (block.block_type) {
    case engine::BLOCK_CAISSON:
    case engine::BLOCK_FOOTING_CAISSON:
      return block.caisson.dims_a[2][0];
    case engine::BLOCK_COUNTERFORT:
      return block.counterfort.dims_a[2][0];
    default:
      return 0;
  }
}

std::vector<OutlinePoint> polygon_outline(int slot) {
  const auto& block = condition_data().wall_blocks[slot];
  const int count = std::clamp<int>(block.polygon.vertex_count, 0, engine::POLYGON_VERTICES);
  std::vector<OutlinePoint> outline;
  outline.reserve(count);
  for (int i = 0; i < count; ++i)
    outline.push_back({block.head.ref_x + block.polygon.vertex_x[i],
                       block.head.ref_y + block.polygon.vertex_y[i]});
  return outline;
}

std::vector<OutlinePoint> cut_outline_at_level(const std::vector<OutlinePoint>& outline,
                                               double level, bool upper) {
  std::vector<OutlinePoint> part;
  if (outline.empty()) return part;
  double x_min = outline[0].x, x_max = outline[0].x;
  for (const auto& p : outline) {
    x_min = std::min(x_min, p.x);
    x_max = std::max(x_max, p.x);
  }
  auto keeps = [&](const OutlinePoint& p) { return upper ? p.y >= level : p.y <= level; };
  const std::size_t n = outline.size();
  if (keeps(outline[0])) part.push_back(outline[0]);
  OutlinePoint at;
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (level_crossing(outline[i], outline[i + 1], level, x_min, x_max, at)) part.push_back(at);
    if (keeps(outline[i + 1])) part.push_back(outline[i + 1]);
  }
  if (level_crossing(outline[n - 1], outline[0], level, x_min, x_max, at)) part.push_back(at);
  return part;
}

void append_divided_pieces(const std::vector<OutlinePoint>& points, int flag,
                           std::vector<BlockPiece>& pieces) {
  if (points.empty()) return;
  std::vector<double> x, y;
  x.reserve(points.size());
  y.reserve(points.size());
  for (const auto& p : points) {
    x.push_back(p.x);
    y.push_back(p.y);
  }
  engine::PolygonDivision division;
  const engine::DivisionStatus status = engine::divide_polygon(
      x, y, static_cast<int>(points.size()), division,
      [](std::string_view title, std::string_view text) {
        engine::engine_message(engine::MessageKind::Error, utf8_to_cp932_lossy(title),
                               utf8_to_cp932_lossy(text));
      });
  // Pieces that do not cover the outline would be weighed as if they did: the division has
  // shown its message, and the engine stops without a result.
  if (status != engine::DivisionStatus::divided) engine::stop_engine(engine::EngineStop{});
  for (int i = 0; i < division.piece_count; ++i) {
    const auto& p = division.pieces[i];
    pieces.push_back({p.center_x, p.center_y, p.base, p.height, p.code, flag});
  }
}


}  // namespace qvt::zenobar
