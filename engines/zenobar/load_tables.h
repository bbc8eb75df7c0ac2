#pragma once
// The load tables of the block report: per block its weight, buoyancy or seismic inertia force
// with the moment about the toe, plus the wall-top surcharges, summed into the weight totals.
#include "engines/zenobar/zenobar_data.h"

namespace qvt::zenobar {

// "$1  QVT_BLV.PFM" and the vertical load table M_BLKV_A (normal case).
void write_vertical_load_page(engine::PrintFile& report);
// "$0  QVT_BLH.PFM" and the horizontal load table M_BLKH_A (seismic case).
void write_horizontal_load_page(engine::PrintFile& report);
// "$1  QVT_FRV.PFM" and the buoyancy load table M_FRKV_A (normal case).
void write_buoyancy_load_page(engine::PrintFile& report);

// M_BLKV_A.PFM in the normal case, M_BLKS_A.PFM in the seismic case: sets vertical_load and
// vertical_moment (and the unimproved weight and its moment).
void write_vertical_load_table(engine::PrintFile& report);
// M_BLKH_A.PFM: sets inertia_load and inertia_moment, recomputes vertical_load and
// vertical_moment from the same rows (and the unimproved inertia and its moment).
void write_horizontal_load_table(engine::PrintFile& report);
// M_FRKV_A.PFM: sets buoyancy_load and buoyancy_moment (and the unimproved buoyancy and its
// moment); a text notice when the residual water level is at or below the toe.
void write_buoyancy_load_table(engine::PrintFile& report);

}  // namespace qvt::zenobar
