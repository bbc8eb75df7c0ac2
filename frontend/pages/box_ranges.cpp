#include "frontend/pages/box_ranges.h"

#include "frontend/model/display_text.h"
#include "frontend/pages/bearing_layer_page.h"

#include <algorithm>

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
      if (is(kSpreadAngleNormalBox) || is(kSpreadAngleSeismicBox)) return COND_SPREAD_ANGLE;
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
    case kCohesionGradientBox: return COND_BEARING_COHESION_GRADIENT;
    case kFrictionBox: return COND_FRICTION_COEF;
    default: return std::nullopt;  // the overburden Po (shown, not saved)
  }
}

BoxInterval box_interval(std::optional<ConditionQuantity> quantity) {
  if (!quantity) return {-model::kBoxLimit, model::kBoxLimit};
  return condition_box_interval(*quantity);
}

namespace {

// The interval of a box that shows `decimals` decimals and the quantity's value plus `shown_plus`.
// The ends are worked out on the shown scale, so that an end is the double a typed text reads
// as (90 - 0.001 is the double of "89.999"; (60 - 0.001) + 30 need not be).
BoxInterval shown_interval(ConditionQuantity quantity, int decimals, bool in_use,
                           double shown_plus) {
  static constexpr double kSteps[] = {1, 0.1, 0.01, 0.001};
  const double step = kSteps[std::clamp(decimals, 0, 3)];
  const ConditionRange& r = CONDITION_RANGES[quantity];
  const double lo = r.lo + shown_plus, hi = r.hi + shown_plus;
  BoxInterval b{lo, hi};
  if (r.lo_open) b.lowest = !in_use && r.zero_when_unused ? lo : lo + step;
  if (r.hi_open) b.highest = hi - step;
  return b;
}

}  // namespace

BoxInterval box_interval(std::optional<ConditionQuantity> quantity, int decimals, bool in_use) {
  if (!quantity) return box_interval(quantity);
  return shown_interval(*quantity, decimals, in_use, 0);
}

BoxInterval design_conditions_box_interval(BoxId box) {
  const std::optional<ConditionQuantity> q = design_conditions_box_quantity(box);
  if (!q) return box_interval(q);
  const int decimals = model::pattern_decimals(DesignConditionsPage::pattern_of(box));
  return shown_interval(*q, decimals, true, q == COND_SPREAD_ANGLE ? kSpreadAngleShownPlus : 0);
}

BoxInterval earth_pressure_box_interval(LayerBox box, bool liquefied) {
  // The page shows the friction angle with two decimals, the other values with three.
  const int decimals = box == LayerBox::phi ? 2 : 3;
  const bool in_use = box != LayerBox::slurry_unit_weight || liquefied;
  return box_interval(earth_pressure_box_quantity(box), decimals, in_use);
}

}  // namespace qvt::pages
