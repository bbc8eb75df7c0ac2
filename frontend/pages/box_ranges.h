#pragma once
// Which physical quantity of the conditions file stands behind each number box and grid column
// of the input pages, and the interval the box takes for it: the same table the engines' reader
// holds the file to (common/condition_ranges.h), so a value typed into a box is never one that
// every engine would refuse. A box outside the table takes what any box takes (+-kBoxLimit).
#include "common/condition_ranges.h"
#include "frontend/pages/design_conditions_page.h"
#include "frontend/pages/earth_pressure_page.h"
#include "frontend/pages/ground_surface_page.h"

#include <optional>

namespace qvt::pages {

// Design conditions page: the improvement ratio, the allowable stresses, the safety factors,
// the water unit weight, the liquefied pressure coefficient, the seismic coefficients and
// factors, the top surcharge loads and the body reactions.
std::optional<ConditionQuantity> design_conditions_box_quantity(BoxId box);
// Ground surface page: the slope angles and the surcharges.
std::optional<ConditionQuantity> ground_surface_box_quantity(GroundBox box);
// Ground surface page grids: the embankment unit weights and the surcharge range loads.
std::optional<ConditionQuantity> ground_surface_cell_quantity(GroundGrid grid, int column);
// Earth pressure page, soil layer boxes: φ, cohesion, unit weights, slurry.
std::optional<ConditionQuantity> earth_pressure_box_quantity(LayerBox box);
// Bearing layer page (`BearingBox`): unit weights, β, N, φ, Nr, Nq, Co and μ.
std::optional<ConditionQuantity> bearing_layer_box_quantity(int box);

// The interval a box of the quantity takes; +-kBoxLimit without one.
BoxInterval box_interval(std::optional<ConditionQuantity> quantity);
// The same for a box that shows `decimals` decimals and edits a record in use (0 is no longer
// "not given" there): an open end moves in by one unit of the last digit shown, so a value the
// box takes never rounds onto it (0.04 in a box of one decimal would be shown and kept as 0.0).
BoxInterval box_interval(std::optional<ConditionQuantity> quantity, int decimals, bool in_use);

// The interval of each design conditions box: its quantity at the decimals of its pattern, the
// spread angle as shown (the stored angle plus kSpreadAngleShownPlus).
BoxInterval design_conditions_box_interval(BoxId box);
// The interval of a soil layer box. The layer the boxes edit is one the engines compute with,
// so its unit weights are above 0; its slurry unit weight is, once the layer is liquefied.
BoxInterval earth_pressure_box_interval(LayerBox box, bool liquefied);

// The notice of a number box that went back (the status line's text), for a grid cell that
// the page itself takes back because its column's quantity cannot have the value.
inline constexpr const char* kMsgValueOutOfRange =
    "入力できる範囲を超える数値のため、元の値に戻しました。";

}  // namespace qvt::pages
