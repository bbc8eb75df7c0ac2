#pragma once
// Side adhesion of the improved body: the vertical force that clay layers touching the land-side
// (active) or sea-side (passive) face transmit to the structure. write_side_adhesion itself is
// declared with the other writers in zenobar_data.h; these are its parts.
#include <vector>

namespace qvt::zenobar {

// The index of the first soil layer of the side (ADHESION_ACTIVE / ADHESION_PASSIVE) whose top
// lies within 0.001 of `level`, or -1.
int find_soil_layer(double level, int side);

// The top of the improved body at the side's edge and the clay layers of the side that begin
// above it, in layer order. Without an improved-soil block the edge level is -9999.999.
struct SideExtent {
  double edge_level = -9999.999;
  std::vector<int> layers;
};
SideExtent body_side_extent(int side);

}  // namespace qvt::zenobar
