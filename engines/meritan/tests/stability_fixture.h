#pragma once
// Conditions and a result chain written by hand for the checks of the external stability
// engine, and the report of a check read back as its lines.
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/tests/capture_channel.h"
#include "engines/meritan/meritan.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qvt::meritan::testing {

struct Stability {
  std::unique_ptr<engine::ConditionData> owned = std::make_unique<engine::ConditionData>();
  engine::ConditionData& cd = *owned;
  ResultChainWithLayers chain{};

  // A block body 12 m wide on a sandy bearing layer with μ 0.6; safety factors 1.2 (sliding),
  // 1.2 (overturning) and 2.5 (bearing) in both cases; allowable shear stress 100 kN/m2.
  // Sea side: seabed -5, layers -5..-10 (18 / 10) and -10..-15 (17 / 9), base -15; L.W.L. 0.
  Stability() {
    cd.seismic_check = 0;
    cd.improvement_pattern = PATTERN_BLOCK;
    cd.improvement_ratio = 100;
    for (int c = 0; c < 2; ++c) {
      cd.safety_factors[0][c] = 1.2;
      cd.safety_factors[1][c] = 1.2;
      cd.safety_factors[2][c] = 2.5;
      cd.allowable_stresses[1][c] = 100;
    }
    cd.bearing_layer.friction_rule = 0;
    cd.bearing_layer.friction_mu = 0.6;
    cd.body_dims.width = 12;
    cd.body_dims.dh1 = cd.body_dims.dh2 = -15;
    cd.water_levels[1] = 0;
    cd.cohesion_reference_level = -10;
    cd.soil_layers[engine::SIDE_PASSIVE][0].top_level = -5;
    cd.project_title.assign("TEST");
    chain.base.body_totals[0] = 12;
    auto& sea = chain.layers.sea;
    chain.layers.sea_boundary_count = 3;
    sea[0] = {-5, 18, 10, 0, 30, 0, 0, 0, 0, 0, 0};
    sea[1] = {-10, 17, 9, 1, 0, 0, 0, 0, 30, 0, 0};
    sea[2] = {-15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  }
  engine::ForceSummarySlots& f(int c = 0) { return chain.base.force_summary[c].slot; }
};

// Sets the given slots of a force summary.
inline void set_forces(engine::ForceSummarySlots& f,
                       std::initializer_list<std::pair<engine::ForceSlot, double>> values) {
  for (const auto& [slot, value] : values) f[slot] = value;
}

// The forces of a block body on flat friction ground, normal case:
//   ΣV = W 1000 + active vertical 50 + other vertical 20 + active adhesion 10
//        + passive adhesion (-5) + passive vertical 15 = 1090
//   H  = active 300 + residual water 40 + other horizontal 10 = 350; Pp = 100
// The parts of W (800 without the unimproved soil, 200 the soil) count only for walls.
inline void set_block_forces(Stability& s) {
  set_forces(s.f(), {{FS_EFFECTIVE_WEIGHT, 1000},
                     {FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED, 800},
                     {FS_EFFECTIVE_WEIGHT_UNIMPROVED, 200},
                     {FS_ACTIVE_VERTICAL_FORCE, 50},
                     {FS_OTHER_VERTICAL_FORCE, 20},
                     {FS_ACTIVE_SIDE_ADHESION, 10},
                     {FS_PASSIVE_SIDE_ADHESION, -5},
                     {FS_PASSIVE_VERTICAL_FORCE, 15},
                     {FS_ACTIVE_HORIZONTAL_FORCE, 300},
                     {FS_RESIDUAL_WATER_FORCE, 40},
                     {FS_OTHER_HORIZONTAL_FORCE, 10},
                     {FS_PASSIVE_HORIZONTAL_FORCE, 100}});
}

// The lines of a report written by `write` into a temporary file (CP932, line ends stripped).
inline std::vector<std::string> report_lines(
    const std::function<void(engine::PrintFile&)>& write) {
  qvt::testing::TempDir dir;
  engine::PrintFile file;
  EXPECT_TRUE(file.open(dir / "R.PDT", {}));
  write(file);
  EXPECT_TRUE(file.close({}));
  return split_lines(read_file_bytes(dir / "R.PDT").value_or(""));
}

// The lines converted to UTF-8.
inline std::vector<std::string> utf8_lines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& l : lines) out.push_back(cp932_to_utf8_lossy(l));
  return out;
}

// The message lines a check shows, in UTF-8 as the channel carries them.
struct Messages {
  engine::testing::CaptureChannel channel;
  engine::ScopedMessageChannel scope{channel};
};

}  // namespace qvt::meritan::testing
