#pragma once
// Weight and buoyancy of the shape-library blocks (type 8): precast units whose volume, length
// along the wall, centroid and submerged volumes by water depth are stored in their library
// entry. The block weighs V x gamma / L per metre of wall; a small generated table shows the
// working.
#include "engines/common/condition_data.h"
#include "engines/zenobar/zenobar_data.h"

namespace qvt::zenobar {

// Where a library block stands against the residual water level. A level within 0.0001 of the
// top counts as wholly submerged, within 0.0001 of the bottom as not submerged.
enum class ShapeSubmersion { wholly, partly, none };
ShapeSubmersion shape_submersion(double bottom, double top, double level);

// The submerged volume of one unit (rounded to 0.001) when the water stands `depth` above the
// shape's bottom, from the entry's layer table: a depth within 0.0001 of a layer depth takes
// that layer's volume, any other depth is interpolated between the layers around it (from
// depth 0, volume 0 below the first). A depth beyond the last layer takes the whole volume of
// the unit (value 5): the table is meant to reach the top of the shape, and counting the whole
// unit is the side that never overstates the effective weight.
double shape_submerged_volume(const engine::ShapeEntry& entry, double depth);

// The tables of a type-8 block for one kind (KIND_WEIGHT, KIND_BUOYANCY): fills
// block_results[slot][kind] and writes BKST_nn.PFM or FKST_nn.PFM, named in the report. Returns
// 0, or -1 when the block is not submerged in the buoyancy section (the no-buoyancy text is
// written instead). A block whose library entry is not in use, whose unit length is not
// positive or whose entry holds a value that is not a number is refused: the message is shown
// and the engine stops (engine::EngineStop is thrown).
int write_shape_block_tables(int slot, engine::PrintFile& report, int kind);

}  // namespace qvt::zenobar
