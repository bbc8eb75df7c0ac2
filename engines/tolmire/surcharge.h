#pragma once
// What the surcharge load report and its figures share: the evaluated layers, the wedge
// outline above the ground top and its slices, and angles in degrees, minutes and seconds.
#include "engines/tolmire/tolmire.h"

#include <vector>

namespace qvt::tolmire {

struct SurchargeLayer {
  int record = 0;             // the evaluated land record a
  double heading_level = 0;   // the level its heading shows
};
struct SurchargeLayers {
  bool arayoko = false;  // the ARAYOKO set
  std::vector<SurchargeLayer> layers;
};

// The layers a surcharge report evaluates, by surcharge_method and apparent_coef_method.
SurchargeLayers surcharge_layers(const engine::ConditionData& cd,
                                 const engine::PressureWorkFile& work, double design_seabed_level);

// An angle in radians as whole degrees, minutes and seconds, each truncated.
struct Dms {
  int degrees = 0, minutes = 0, seconds = 0;
};
Dms rad_to_dms(double angle);

// A surcharge range counts when either load reaches a hundredth in magnitude.
bool range_has_load(const engine::SurchargeRange& r);

struct OutlinePoint {
  double x = 0, y = 0;
};
// The wedge part above the ground top of layer a: the ground vertices up to the wedge end, the
// wedge end, the failure plane at the ground top, with the layer boundaries above the ground
// top inserted where they cross an edge.
std::vector<OutlinePoint> wedge_outline(const engine::PressureWorkFile& work,
                                        const std::array<engine::LandWorkLayer, engine::LAYER_RECORDS>& set,
                                        int a);
// The outline points of the slice between two levels (0.001 either side).
std::vector<OutlinePoint> slice_of(const std::vector<OutlinePoint>& outline, double upper,
                                   double lower);

// The two page layouts of the surcharge figures.
void layout_portrait(FigureLayout& layout);
void layout_landscape(FigureLayout& layout);

}  // namespace qvt::tolmire
