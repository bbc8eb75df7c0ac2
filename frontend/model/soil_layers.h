#pragma once
// Improved-soil layers: the blocks of types 6 (a layer with a sloped top or bottom) and 7 (a
// level layer) stacked in slot order across the improvement width, the lowest slot on top, each
// layer's bottom the top of the next and the last one on the improvement bottom Dh1/Dh2. The
// layer dialog and the improved-soil block editor store and restack them here.
//
// Type-6 vertices are stored relative to the block's reference point (X, Y) like those of every
// other polygon, so their elevations are reference y + vertex y; a type-7 layer keeps
// (width, height) in vertex 0, its bottom in ref_y and its absolute corners in vertices 10..13.
#include "frontend/model/messages.h"
#include "frontend/model/outline_order.h"
#include "frontend/model/project.h"

#include <array>
#include <optional>
#include <string>

namespace qvt::model {

// The improved-body boxes of the main window as numbers (leading_number of each text): the
// reference point X, Y, the improvement width B and the improvement bottoms Dh1 (sea side) and
// Dh2 (land side).
struct LayerFrame {
  double x = 0, y = 0, b = 0, dh1 = 0, dh2 = 0;
};
LayerFrame layer_frame_from_texts(const std::array<std::string, 5>& texts);

// The four elevations of a stored layer, read by vertex position: corner 0 sea-side top,
// 1 land-side top, 2 land-side bottom, 3 sea-side bottom.
struct LayerLevels {
  double sea_top = 0, land_top = 0, land_bottom = 0, sea_bottom = 0;
};

bool is_soil_layer(const WallBlock& block);
// Type 6: reference y plus vertices 0..3 y; any other type as type 7: vertices 11, 12, 13, 10 y.
LayerLevels layer_levels(const WallBlock& block);

// The corners of a layer: x relative to X (0 or B), y elevations; in corner order 0..3.
using LayerCorners = std::array<OutlinePoint, 4>;

// Stores four corners as the outline of `slot`: the reference point becomes (X, Y); the corners
// are ordered by the clockwise rule (its messages go to `messages`); a layer whose top and
// bottom are each level within 0.0001 becomes type 7 (vertex 0 = (B, top - bottom), ref_y the
// land-side bottom, corners 10..13 built), any other type 6 with its four vertices.
void store_layer_outline(ProjectModel& m, int slot, const LayerCorners& corners,
                         const LayerFrame& frame, MessageSink& messages);

// Rebuilds one layer from its four corners: length, label, mark, reserved field and every
// vertex cleared, then stored by store_layer_outline and its label centred. Name and unit
// weights stay.
void rebuild_layer(ProjectModel& m, int slot, const LayerCorners& corners, const LayerFrame& frame,
                   MessageSink& messages);

// Rebuilds every improved-soil block from slot 19 down to 0 as a layer over 0..B at the frame's
// X, Y: its top kept, its bottom the top of the next layer below (the last layer keeps its own
// bottom), length, label, mark and the reserved field cleared, then stored by
// store_layer_outline and its label centred. Names and unit weights stay. Returns the corners
// of the last layer rebuilt (the top one), nothing when there is no improved-soil block.
std::optional<LayerCorners> restack_improved_blocks(ProjectModel& m, const LayerFrame& frame,
                                                    MessageSink& messages);

}  // namespace qvt::model
