#include "frontend/model/soil_layers.h"

#include "frontend/model/block_outline.h"
#include "frontend/model/display_text.h"

#include <cmath>

namespace qvt::model {

namespace {

// Tops or bottoms closer than this count as level.
constexpr double kLevelTolerance = 0.0001;

void unset_vertices(PolygonShape& p, int from, int to) {
  for (int k = from; k < to; ++k) {
    p.vertex_x[k] = UNSET_COORD;
    p.vertex_y[k] = UNSET_COORD;
  }
}

}  // namespace

LayerFrame layer_frame_from_texts(const std::array<std::string, 5>& texts) {
  return {leading_number(texts[0]), leading_number(texts[1]), leading_number(texts[2]),
          leading_number(texts[3]), leading_number(texts[4])};
}

bool is_soil_layer(const WallBlock& block) {
  return block.block_type == BLOCK_SOIL_POLYGON || block.block_type == BLOCK_SOIL_RECTANGLE;
}

LayerLevels layer_levels(const WallBlock& block) {
  const PolygonShape& p = block.polygon;
  if (block.block_type == BLOCK_SOIL_POLYGON) {
    const double ry = p.head.ref_y;
    return {ry + p.vertex_y[0], ry + p.vertex_y[1], ry + p.vertex_y[2], ry + p.vertex_y[3]};
  }
  return {p.vertex_y[11], p.vertex_y[12], p.vertex_y[13], p.vertex_y[10]};
}

void store_layer_outline(ProjectModel& m, int slot, const LayerCorners& corners,
                         const LayerFrame& frame, MessageSink& messages) {
  if (slot < 0 || slot >= MAX_WALL_BLOCKS) return;
  WallBlock& block = m.wall_blocks[slot];
  PolygonShape& p = block.polygon;
  p.head.ref_x = frame.x;
  p.head.ref_y = frame.y;
  p.vertex_count = 4;
  LayerCorners relative = corners;
  for (OutlinePoint& c : relative) c.y -= frame.y;
  orientation_check(relative, p, messages);
  const bool sloped = std::fabs(corners[0].y - corners[1].y) >= kLevelTolerance ||
                      std::fabs(corners[2].y - corners[3].y) >= kLevelTolerance;
  if (sloped) {
    block.block_type = BLOCK_SOIL_POLYGON;
    return;
  }
  p.vertex_x[0] = frame.b;
  p.vertex_y[0] = corners[0].y - corners[2].y;
  p.head.ref_y = corners[2].y;
  unset_vertices(p, 1, 4);
  p.vertex_count = 2;
  block.block_type = BLOCK_SOIL_RECTANGLE;
  build_block_outline(m, slot, messages);
}

void rebuild_layer(ProjectModel& m, int slot, const LayerCorners& corners, const LayerFrame& frame,
                   MessageSink& messages) {
  if (slot < 0 || slot >= MAX_WALL_BLOCKS) return;
  WallBlock& block = m.wall_blocks[slot];
  PolygonShape& p = block.polygon;
  block.block_type = BLOCK_EMPTY;
  p.head.length = 0;
  p.head.label_x = p.head.label_y = 0;
  p.head.mark_x = p.head.mark_y = 0;
  p.reserved = 0;
  unset_vertices(p, 0, POLYGON_VERTICES);
  store_layer_outline(m, slot, corners, frame, messages);
  center_block_label(m, slot);
}

std::optional<LayerCorners> restack_improved_blocks(ProjectModel& m, const LayerFrame& frame,
                                                    MessageSink& messages) {
  std::optional<LayerCorners> last;
  std::optional<std::array<double, 2>> top_below;  // sea, land top of the layer below
  for (int slot = MAX_WALL_BLOCKS - 1; slot >= 0; --slot) {
    WallBlock& block = m.wall_blocks[slot];
    if (!is_soil_layer(block)) continue;
    LayerLevels lv = layer_levels(block);
    if (top_below) {
      lv.sea_bottom = (*top_below)[0];
      lv.land_bottom = (*top_below)[1];
    }
    top_below = std::array<double, 2>{lv.sea_top, lv.land_top};
    const LayerCorners corners{OutlinePoint{0, lv.sea_top}, OutlinePoint{frame.b, lv.land_top},
                               OutlinePoint{frame.b, lv.land_bottom},
                               OutlinePoint{0, lv.sea_bottom}};
    rebuild_layer(m, slot, corners, frame, messages);
    last = corners;
  }
  return last;
}

}  // namespace qvt::model
