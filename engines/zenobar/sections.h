#pragma once
// The weight and buoyancy sections of the block report: the blocks in label order, each handed
// to the table writer of its block type; polygon outlines cut at the residual water level and
// divided into pieces first.
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

struct OutlinePoint {
  double x = 0;
  double y = 0;
};

// The absolute outline of a polygon block (types 0 and 6), vertices in stored order.
std::vector<OutlinePoint> polygon_outline(int slot);

// The part of a closed outline on one side of the level y = `level`: the upper part keeps the
// vertices at or above it, the lower part those at or below it (a vertex on the level belongs
// to both), with the crossing points of the edges that cross the level inserted in walk order.
std::vector<OutlinePoint> cut_outline_at_level(const std::vector<OutlinePoint>& outline,
                                               double level, bool upper);

// Divides a point list and appends its pieces with the given position flag. Fewer than three
// points give no piece. A list that cannot be divided stops the engine after the division's
// message (" ERROR:ブロック分割 "), so no block is weighed from part of its pieces.
void append_divided_pieces(const std::vector<OutlinePoint>& points, int flag,
                           std::vector<BlockPiece>& pieces);

// The weight section (KIND_WEIGHT) and the buoyancy section (KIND_BUOYANCY) of the normal case.
void write_block_weights(engine::PrintFile& report);
void write_block_buoyancy(engine::PrintFile& report);

}  // namespace qvt::zenobar
