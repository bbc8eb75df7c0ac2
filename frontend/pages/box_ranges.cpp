#include "frontend/pages/box_ranges.h"

#include "frontend/model/display_text.h"

namespace qvt::pages {

std::optional<ConditionQuantity> design_conditions_box_quantity(BoxId box) {
  const int i = box.index;
  switch (box.group) {
    case BoxGroup::gm1:
      if (i == 25) return COND_IMPROVEMENT_RATIO;
      if ((i >= 1 && i <= 4) || i == 29 || i == 30) return COND_ALLOWABLE_STRESS;
      if (i >= 12 && i <= 19) return COND_SAFETY_FACTOR;
      if (i == 20) return COND_WATER_UNIT_WEIGHT;
      if (i == 26) return COND_LIQUEFIED_PRESSURE_COEF;
      return std::nullopt;
    case BoxGroup::gm2:
      if (i >= 3 && i <= 5) return COND_SEISMIC_COEF;
      if (i == 0 || i == 6) return COND_REGIONAL_COEF;
      if (i == 1 || i == 7) return COND_GROUND_TYPE_FACTOR;
      if (i == 2 || i == 8) return COND_IMPORTANCE_FACTOR;
      return std::nullopt;
    case BoxGroup::gm20:  // per range: x_min, x_max, normal load, seismic load
      if (i >= 0 && i < 12 && i % 4 >= 2) return COND_SURCHARGE;
      return std::nullopt;
    case BoxGroup::gm21:
      if (i == 0 || i == 1) return COND_BODY_REACTION;
      return std::nullopt;
    case BoxGroup::gm19:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<ConditionQuantity> ground_surface_box_quantity(GroundBox box) {
  switch (box) {
    case GroundBox::arbitrary_seabed_slope:
    case GroundBox::surface_slope:
    case GroundBox::seabed_slope: return COND_SLOPE_ANGLE;
    case GroundBox::arbitrary_seabed_surcharge_normal:
    case GroundBox::arbitrary_seabed_surcharge_seismic:
    case GroundBox::surface_surcharge_normal:
    case GroundBox::surface_surcharge_seismic:
    case GroundBox::seabed_surcharge_normal:
    case GroundBox::seabed_surcharge_seismic: return COND_SURCHARGE;
  }
  return std::nullopt;
}

std::optional<ConditionQuantity> ground_surface_cell_quantity(GroundGrid grid, int column) {
  switch (grid) {
    case GroundGrid::layers:  // No., top level, unit weight in air, submerged
      return column == 2 || column == 3 ? std::optional(COND_FILL_UNIT_WEIGHT) : std::nullopt;
    case GroundGrid::ranges:  // No., Xmin, Xmax, normal load, seismic load
      return column == 3 || column == 4 ? std::optional(COND_SURCHARGE) : std::nullopt;
    case GroundGrid::points:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<ConditionQuantity> earth_pressure_box_quantity(LayerBox box) {
  switch (box) {
    case LayerBox::phi: return COND_FRICTION_ANGLE;
    case LayerBox::cohesion: return COND_COHESION;
    case LayerBox::unit_weight_air:
    case LayerBox::unit_weight_submerged: return COND_SOIL_UNIT_WEIGHT;
    case LayerBox::slurry_unit_weight: return COND_SLURRY_UNIT_WEIGHT;
    case LayerBox::cohesion_gradient: return std::nullopt;  // it may fall with depth
  }
  return std::nullopt;
}

std::optional<ConditionQuantity> bearing_layer_box_quantity(int index) {
  switch (index) {
    case 0:
    case 9: return COND_BEARING_UNIT_WEIGHT;
    case 1: return COND_SHAPE_FACTOR;
    case 2: return COND_MEAN_N;
    case 3: return COND_FRICTION_ANGLE;
    case 4:
    case 5: return COND_BEARING_FACTOR;
    case 7: return COND_COHESION;
    case 10: return COND_FRICTION_COEF;
    default: return std::nullopt;  // 6 the overburden Po (shown, not saved), 8 the gradient
  }
}

BoxInterval box_interval(std::optional<ConditionQuantity> quantity) {
  if (!quantity) return {-model::kBoxLimit, model::kBoxLimit};
  return condition_box_interval(*quantity);
}

}  // namespace qvt::pages
