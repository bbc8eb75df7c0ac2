#pragma once
// The derived geometry of a block slot - rectangle corners, caisson and counterfort outlines, the
// corners of four-corner and library blocks, in absolute section coordinates - and the position
// of the block's label. The section picture draws what these leave, the vertex access returns
// it, and the block file carries it to the engines.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"

namespace qvt::model {

// Recomputes the derived geometry of one slot from its own parameters, by block_type:
//   1, 7: vertices 10..13 from the reference point and vertex 0 = (width, height);
//   2, 3: the caisson outline;  4: the four corners;  5: the counterfort outline;
//   8: the four corners from points 1..4 of the library entry;
//   any other type (empty, polygons): nothing to build.
// Call it whenever a slot's parameters change. Building twice gives what building once gives.
// Parameters that cannot give an outline (a slot outside 0..19, a library entry that is not in
// the library or has fewer than four points, a caisson cell count outside 1..8, a counterfort
// whose leaning face has no height) are refused: a message goes to `messages`, the slot keeps
// what it held, and the result is false.
bool build_block_outline(ProjectModel& m, int slot, MessageSink& messages);

// Rebuilds every used slot (block_type not -1), slot 0 first, as the engines' condition files must
// carry outlines that match the parameters. Every slot is tried; each refusal shows its own
// message. False when any slot was refused.
bool rebuild_all_block_outlines(ProjectModel& m, MessageSink& messages);

// Puts the slot's label_x/label_y at the centre of its shape: polygons (0, 6) at the mean of
// their set vertices, the other types from their parameters (a library block from mark_x/mark_y,
// reflected with the block). Rectangles and polygons read vertices, so build first. Empty slots,
// unknown types and polygons without a set vertex keep their label. False only for a slot
// outside 0..19.
bool center_block_label(ProjectModel& m, int slot);

}  // namespace qvt::model
