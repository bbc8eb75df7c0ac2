#pragma once
// The upper face of the wall body and the top surcharges on it. The blocks are stored one by
// one, so the face is traced across their outlines: from where the first loaded range begins
// to the rear-most point of the wall, then on along the ground line behind the wall. Every
// segment takes the load of its range; runs of equal load and level are merged and turned into
// vertical loads (and horizontal inertia loads in the seismic case) with lever arms about the
// toe (toe_x, toe_y).
//
// Call order in one run: flag_top_surcharges once, after the condition files are read and
// find_toe_point has run; then, with current_case set, compute_top_surcharge_loads per case.
#include "engines/common/condition_data.h"
#include "engines/common/engine_message.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::engine {

inline constexpr int TOP_SURCHARGE_RANGES_USED = 3;
inline constexpr int WALL_TOP_POINTS = 128;   // points of the outline
inline constexpr double WALL_TOP_TOLERANCE = 0.0001;  // two points coincide within it
inline constexpr double NO_LOAD = -1.0;  // q of a segment that carries no load

// The outline: q[i] is the load per square metre of the segment from point i to point i + 1,
// NO_LOAD when it carries none.
struct WallTopOutline {
  int count = 0;
  std::array<double, WALL_TOP_POINTS> x{}, y{}, q{};
};

// One entry per loaded run of the outline (load of the current case).
struct TopSurchargeSegments {
  int count = 0;
  std::vector<double> x1, y1, x2, y2, q;
};

// One entry per kept segment, every value rounded to 0.001: vertical load w (kN/m) with its
// arm about toe_x and moment m; in the seismic case the inertia load h with its arm about toe_y
// and moment mh (0 in the normal case).
struct TopSurchargeLoads {
  int count = 0;
  std::vector<double> w, x_arm, m, h, y_arm, mh;
};

// What these routines keep between calls in a run.
struct WallTopState {
  int top_surcharge_present[TOP_SURCHARGE_RANGES_USED] = {};
  double wall_rear_x = 0, wall_rear_y = 0;
  WallTopOutline wall_top_outline;
  TopSurchargeSegments top_surcharge_segments;
  TopSurchargeLoads top_surcharge_loads;
  unsigned notices_given = 0;  // each notice is given once a run
};

// The state of this run.
WallTopState& wall_top_state();

// Where the computation tells the user what it could not do as the conditions ask (a load
// range that does not meet the wall, an outline beyond its capacity). The engines pass
// show_notice; tests record the notices.
using NoticeSink = std::function<void(const EngineMessage&)>;

// Shows a notice as a box of the engine's message layer.
void show_notice(const EngineMessage& notice);

// Notice texts (CP932) and their title.
inline constexpr std::string_view kNoticeTitle = "warning";
std::string top_surcharge_off_wall_text();
std::string outline_capacity_text();

// top_surcharge_present[k] = 1 when any of x_min, x_max and the two loads of range k is at
// least 0.0001 in magnitude. Also starts the run's notices afresh.
void flag_top_surcharges(const ConditionData& data, WallTopState& state);

// The rear-most point of all block outlines: the largest x, and among equal x the largest y.
// (-9999.9, -9999.9) without blocks.
void find_wall_rear_point(const ConditionData& data, WallTopState& state);

// Where the traced outline begins: on the vertical probe at x_min of the first present range
// that crosses a block edge, the highest crossing, preferring the edge that runs on to the
// right. Gives the slot, the index of the edge's end vertex and the crossing point rounded to
// 0.001. -1 (outputs 0) when no block reaches beyond x_min of range 0 or no probe crosses.
int find_outline_start(const ConditionData& data, const WallTopState& state, int& slot,
                       int& vertex, double& x, double& y);

// Traces the wall top from the start to the rear point into wall_top_outline. -1 (outline
// empty) when no start is found. The outline keeps room for the ground line and the range
// ends: a tracing that would go beyond it stops with a notice.
int trace_wall_top_outline(const ConditionData& data, WallTopState& state,
                           const NoticeSink& notices);

// Extends the outline along the ground line behind the wall (slope surface_slope_angle) to
// x = 9999, gives every segment the load of its range in the current case and splits the
// segments at the ends of the present ranges.
void extend_outline_with_backfill(const ConditionData& data, WallTopState& state,
                                  const NoticeSink& notices);

// Rear point, tracing, extension, then the loaded runs of the outline left of the wall rear
// into top_surcharge_segments. False when no start was found.
bool build_top_surcharge_segments(const ConditionData& data, WallTopState& state,
                                  const NoticeSink& notices);

// The top surcharge loads of the current case into top_surcharge_loads. 0, or -1 with no loads
// when top_surcharge_ignored is not 0. A present range that does not meet the wall gives a
// notice (once a run) instead of passing as zero load in silence.
int compute_top_surcharge_loads(const ConditionData& data, WallTopState& state,
                                const NoticeSink& notices);

}  // namespace qvt::engine
