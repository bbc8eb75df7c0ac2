#include "frontend/pages/box_ranges.h"

#include "frontend/model/display_text.h"
#include "frontend/pages/bearing_layer_page.h"

namespace qvt::pages {

std::optional<ConditionQuantity> design_conditions_box_quantity(BoxId box) {
  const int i = box.index;
  const auto is = [&box](BoxId named) {
    return box.group == named.group && box.index == named.index;
  };
  switch (box.group) {
    case BoxGroup::basic:
      if (is(kImprovementRatioBox)) return COND_IMPROVEMENT_RATIO;
      if ((i >= kCompressiveNormalBox.index && i <= kShearSeismicBox.index) ||
          is(kDesignStrengthSeismicBox) || is(kDesignStrengthNormalBox))
        return COND_ALLOWABLE_STRESS;
      if (i >= safety_factor_box(kSlidingCheck, model::CASE_NORMAL).index &&
          i <= safety_factor_box(kPullOutCheck, model::CASE_SEISMIC).index)
        return COND_SAFETY_FACTOR;
      if (is(kWaterUnitWeightBox)) return COND_WATER_UNIT_WEIGHT;
      if (is(kLiquefiedCoefBox)) return COND_LIQUEFIED_PRESSURE_COEF;
      return std::nullopt;
    case BoxGroup::seismic:
      if (is(kSeismicCoefEarthBox) || is(kSeismicCoefInertiaBox) || is(kApparentCoefBox))
        return COND_SEISMIC_COEF;
      if (is(kRegionalEarthBox) || is(kRegionalInertiaBox)) return COND_REGIONAL_COEF;
      if (is(kGroundTypeEarthBox) || is(kGroundTypeInertiaBox)) return COND_GROUND_TYPE_FACTOR;
      if (is(kImportanceEarthBox) || is(kImportanceInertiaBox)) return COND_IMPORTANCE_FACTOR;
      return std::nullopt;
    case BoxGroup::surcharges:  // the loads of each range, not its ends
      if (i >= 0 && i < kSurchargeBoxSlots &&
          (i % 4 == kSurchargeNormal || i % 4 == kSurchargeSeismic))
        return COND_SURCHARGE;
      return std::nullopt;
    case BoxGroup::reactions:
      if (is(kReactionNormalBox) || is(kReactionSeismicBox)) return COND_BODY_REACTION;
      return std::nullopt;
    case BoxGroup::forces:
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

std::optional<ConditionQuantity> bearing_layer_box_quantity(int box) {
  switch (box) {
    case kSandyUnitWeightBox:
    case kClayUnitWeightBox: return COND_BEARING_UNIT_WEIGHT;
    case kShapeFactorBox: return COND_SHAPE_FACTOR;
    case kMeanNBox: return COND_MEAN_N;
    case kPhiBox: return COND_FRICTION_ANGLE;
    case kNrBox:
    case kNqBox: return COND_BEARING_FACTOR;
    case kCohesionBox: return COND_COHESION;
    case kFrictionBox: return COND_FRICTION_COEF;
    default: return std::nullopt;  // the overburden Po (shown, not saved), the gradient
  }
}

BoxInterval box_interval(std::optional<ConditionQuantity> quantity) {
  if (!quantity) return {-model::kBoxLimit, model::kBoxLimit};
  return condition_box_interval(*quantity);
}

}  // namespace qvt::pages
