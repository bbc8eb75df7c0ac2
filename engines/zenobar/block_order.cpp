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

bool is_used(int slot) { return condition_data().wall_blocks[slot].block_type >= 0; }

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
         has_short_walls(cd.improvement_pattern);
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
  return engine::polygon_outline(condition_data().wall_blocks[slot]);
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
