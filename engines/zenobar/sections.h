#pragma once
// The weight and buoyancy sections of the block report: the blocks in label order, each handed
// to the table writer of its block type; polygon outlines cut at the residual water level and
// divided into pieces first.
#include "engines/common/outline_cut.h"
#include "engines/zenobar/zenobar_data.h"

#include <vector>

namespace qvt::zenobar {

// The used slots (block type not negative) in the order the report lists them: for label
// k = 0 to 19 every slot whose label number is k, in slot order; then the used slots whose
// label number lies outside 0 to 19, in slot order, so that no block is left out of the
// weights.
std::vector<int> blocks_in_label_order();

// A type-7 block while the improvement pattern is the wall or the lattice pattern: its rows
// in the load tables come from wall_split_results.
bool is_wall_block(int slot);

// Block types whose tables give the weight of the whole block (caissons and counterforts).
bool is_whole_block_type(int block_type);

// The length of a caisson or counterfort block along the wall line (dims_a[2][0]), by which its
// whole-block values are divided; 0 for the other types.
double block_length_value(int slot);

// The outline cut at the residual water level is the one the block division figure shows.
using engine::cut_outline_at_level;
using engine::OutlinePoint;

// The absolute outline of the polygon block in a slot (types 0 and 6), vertices in stored order.
std::vector<OutlinePoint> polygon_outline(int slot);

// Divides a point list and appends its pieces with the given position flag. Fewer than three
// points give no piece. A list that cannot be divided stops the engine after the division's
// message (" ERROR:ブロック分割 "), so no block is weighed from part of its pieces.
void append_divided_pieces(const std::vector<OutlinePoint>& points, int flag,
                           std::vector<BlockPiece>& pieces);

// The weight section (KIND_WEIGHT) and the buoyancy section (KIND_BUOYANCY) of the normal case.
void write_block_weights(engine::PrintFile& report);
void write_block_buoyancy(engine::PrintFile& report);

}  // namespace qvt::zenobar
