#pragma once
// Member tables of the counterfort blocks (type 5): an L-shaped concrete body of a base slab, a
// front wall and n counterforts joining them, with haunches in the corners and fill layers
// resting on the slab between the counterforts. The block is given by parameters; its rows are
// built from them, worked into volumes, weights and first moments with the caisson's row
// arithmetic, and written as two generated table templates named in the block report.
//
// Sub-types 1 and 2 (and any other but 3) have a vertical front face on a front footing; sub-type
// 3 has a front face that leans back above the height Ht. Row and sublayer lists are growable.
#include "engines/common/condition_data.h"
#include "engines/zenobar/caisson_tables.h"
#include "engines/zenobar/zenobar_data.h"

#include <string>
#include <string_view>
#include <vector>

namespace qvt::zenobar {

// A fill layer, or its part above or below the residual water level, in the block frame.
struct FillSublayer {
  std::string name;  // CP932
  double top = 0, bottom = 0;
  double unit_weight = 0;  // kN/m3
  bool included = false;   // gets rows for the kind
  double thickness() const { return top - bottom; }
};

// Shows the refusal of a counterfort block's input (a fatal error naming the block) and stops the
// engine (exit code 1).
[[noreturn]] void refuse_counterfort(const engine::WallBlock& block, std::string_view utf8_reason);

// Splits placed fill layers at the level r (block frame) for a kind: a layer wholly below the
// level (r at or above its top) weighs with part_values[1] (buoyancy: [1] − [3]); one wholly
// above it with part_values[2], for the weight only; a layer across the level gives its part
// above, then its part below, both with the layer's name. Names are cut to `name_bytes`.
std::vector<FillSublayer> split_fill_sublayers(const engine::CounterfortShape& shape,
                                               const std::vector<FillLayer>& layers, double r,
                                               int kind, std::size_t name_bytes);

// The row list of a counterfort block of a sub-type other than 3 for a kind, with the residual
// water level `water_level` (absolute): the concrete members and their subtotal, then every
// included fill sublayer with its deductions and subtotal. A sloped part of no height
// (H − D − Hr not positive) is refused: the message is shown and the engine stops.
std::vector<MemberRow> counterfort_rows(const engine::WallBlock& block, int kind,
                                        double water_level);

// The same for sub-type 3, the inclined front wall. Dimensions are rounded to 0.001 in the rows,
// so the volume is the product of the printed dimensions. Refused (engine stop): a front face
// without an inclined part (H − Ht not positive) and a face leaning forward. For the buoyancy, a
// level inside the sloping top of the wall or of the counterforts cuts those caps: the part
// below the level is found by clipping the cap's triangle and is listed as mean width × length
// × height (divisor 1), with its own centroid.
std::vector<MemberRow> inclined_counterfort_rows(const engine::WallBlock& block, int kind,
                                                 double water_level);

// The writers called by the weight and buoyancy sections for type 5. For the buoyancy of a block
// whose bottom is not below the level: the text FKLB_nn.PFM, buoyancy 0, result −1. Otherwise
// BKVV_nn / BKVM_nn (weight) or FKVV_nn / FKVM_nn (buoyancy), the slot's BlockResult, result 0.
int write_counterfort_block_tables(int slot, engine::PrintFile& report, int kind);
// Sub-type 3, after the no-buoyancy test.
int write_counterfort_member_rows(int slot, engine::PrintFile& report, int kind);

}  // namespace qvt::zenobar
