#pragma once
// The fixed-column force listing CAL_ANS.TXT that the block weight, earth pressure and external
// stability engines write from their force summaries: a normal block and a seismic block,
// labels padded to 36 bytes, values "%10.3lf" separated by one blank.
#include <array>
#include <string>
#include <vector>

namespace qvt::engine {

// The 35 lines (CP932, without line ends); line 18 is empty. The normal block shows the
// seismic inertia lines as dashes.
std::vector<std::string> fixed_force_listing_lines(const std::array<double, 30>& normal,
                                                   const std::array<double, 30>& seismic);

}  // namespace qvt::engine
