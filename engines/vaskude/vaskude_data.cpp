#include "engines/vaskude/vaskude_data.h"

#include "engines/common/rounding_geometry.h"

namespace qvt::vaskude {

namespace {
std::unique_ptr<EarthPressureData>& holder() {
  static std::unique_ptr<EarthPressureData> d = std::make_unique<EarthPressureData>();
  return d;
}
}  // namespace

EarthPressureData& run_data() { return *holder(); }

void reset_run_data() { holder() = std::make_unique<EarthPressureData>(); }

double round3(double v) { return engine::round_to_unit(v, 0.001, 0); }

}  // namespace qvt::vaskude
