#pragma once
// The earth pressure engine's own data for one run: the layer tables of both sides in both sets,
// the work and result records that go into the pressure work files, the load item table, the
// result chain values and the two liquefaction work areas. Everything starts at zero (the
// layer indices at -1 through init_engine_state) and lives for one process run.
#include "engines/common/condition_data.h"
#include "engines/common/pressure_files.h"
#include "engines/common/result_chain_file.h"

#include <array>
#include <cstdint>
#include <memory>

namespace qvt::vaskude {

using engine::GroundVertex;
using engine::LandWorkLayer;
using engine::LAYER_RECORDS;
using engine::LoadItem;
using engine::SeaWorkLayer;
using engine::SplitLayer;
using enum engine::ForceSlot;

inline constexpr int SIDE_LAND = 1;  // active side, behind the wall
inline constexpr int SIDE_SEA = 0;   // passive side, in front of the wall

// One layer table: 25 split layers and the number of boundaries in use (layers + 1).
struct LayerTable {
  std::array<SplitLayer, LAYER_RECORDS> rec{};
  int count = 0;
};

// Land or sea liquefaction work area; arrays by work-record index, [i][0] top, [i][1] bottom.
struct LiquefactionWork {
  std::int32_t side = 0;  // 0 land, 1 sea
  std::int32_t end_index = 0;
  std::int32_t start_index = 0;
  double levels[LAYER_RECORDS][2] = {};
  double thickness[LAYER_RECORDS] = {};
  double unit_weight[LAYER_RECORDS] = {};
  double phi[LAYER_RECORDS] = {};
  double wall_friction[LAYER_RECORDS] = {};
  double cohesion[LAYER_RECORDS][2] = {};
  double overburden[LAYER_RECORDS][2] = {};
  double surcharge[LAYER_RECORDS][2] = {};
  std::int32_t liquefied[LAYER_RECORDS] = {};
  double zone_depth = 0;
  double zone_thickness = 0;
  double depth_below_water[LAYER_RECORDS][2] = {};
  double depth_in_zone[LAYER_RECORDS][2] = {};
  double seismic_coef[LAYER_RECORDS] = {};
  double slurry_unit_weight[LAYER_RECORDS] = {};
  double water_unit_weight[LAYER_RECORDS] = {};
  double pressure_coef[LAYER_RECORDS] = {};
  double dynamic_pressure[LAYER_RECORDS][2] = {};
  double static_pressure[LAYER_RECORDS][2] = {};
  double liquefied_pressure[LAYER_RECORDS][2] = {};
};

struct EarthPressureData {
  // Main set and ARAYOKO set layer tables.
  LayerTable land, sea, arayoko_land, arayoko_sea;

  // Work and result records as they go into DAT_PRN1/2.DAT; the header holds the layer
  // indices, the boundary counts (copied from the tables when written) and the vertex count.
  engine::PressureWorkFile work;

  int sea_water_index = -1;    // sea-side index of the L.W.L. (in no file)
  int arayoko_gti = -1, arayoko_rwl = -1, arayoko_seabed = -1, arayoko_water = -1;
  double active_seabed = 0;    // seabed level of the land side
  double body_width = 0;       // rear x minus front x of the improved body
  double rear_x = 0, front_x = 0;  // the back and front faces of the improved body's bottom
  int fill_layer_count = 0;    // embankment records with both unit weights

  // The one load item table of the run and the item count of each case.
  std::array<LoadItem, engine::LOAD_ITEMS> items{};
  int item_count[2] = {};

  // CAL_ANS.DAT as ZENOBAR left it; this engine fills its slots.
  engine::ResultChainBase chain;

  // Yes/No questions already answered Yes in this run (by QuestionKind): the answer holds for
  // the rest of the run, so an iteration never asks the same question again.
  std::array<bool, 3> answered_yes{};

  // Liquefaction work areas (allocated at the start of the run).
  std::unique_ptr<LiquefactionWork> liquefaction_land, liquefaction_sea;
};

// The data of this run.
EarthPressureData& run_data();

// Back to the state at process start (for tests that run several engines in one process).
void reset_run_data();

// round_to_unit with unit 0.001 and mode 0.
double round3(double v);

}  // namespace qvt::vaskude
