#pragma once
// MERITAN, the external stability engine: sliding, overturning, ground reaction and bearing
// capacity of the improved body for the normal case and, when the seismic check is on, the
// seismic case. It reads the conditions and CAL_ANS.DAT as the earth pressure engine left it,
// writes one report per check and case, appends its results to CAL_ANS.DAT, writes CAL_ANS.TXT
// again and writes CAL_ANZ.DAT whole.
//
// Each check is a computation on the inputs of one case (compute_*), a report writer
// (write_*_report) and a loop over the cases that stores the results (check_* and
// ground_reaction_*). A case a check cannot compute (a zero divisor, a resultant outside the
// base, a safety factor of 0) is shown in a message box and counted as failed: flag 1, no
// report, and nothing that is not a number ever reaches a file.
#include "common/check_summary_format.h"
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"
#include "engines/common/result_chain_file.h"
#include "engines/common/stability_checks.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace qvt::meritan {

using engine::ConditionData;
using engine::ResultChainWithLayers;
using enum engine::ForceSlot;

// The run's data besides the conditions.
struct ExternalState {
  std::string chain_bytes;        // CAL_ANS.DAT as read, passed on unchanged
  ResultChainWithLayers chain;    // its records
  engine::ExternalResults results;
  CheckSummary summary;
  std::array<bool, 2> reaction_computed{};  // the bearing check needs the case's reaction
  // The width under the governing edge's reaction, which the bearing capacity is computed for
  // (ReactionResult::bearing_width).
  std::array<double, 2> bearing_width{};
};

// The engine's main routine, in the current (work) folder.
engine::Status run_external_stability_checks();

// Reads CAL_ANS.DAT: missing, shorter than 5,040 bytes, a boundary count outside 0..25 or a
// value that is no number each stop the engine with a message.
[[nodiscard]] engine::Status read_earth_pressure_results(ExternalState& state);
// CAL_ANS.DAT (5,136 bytes) and CAL_ANS.TXT.
[[nodiscard]] engine::Status write_external_results(const ExternalState& state);

// --- Force sums of a case (ForceSummary slots, moments about the toe). ---
// The effective weight W, the active vertical force, the other vertical forces, the side
// adhesion of both sides and the passive vertical force. W is the whole effective weight for
// the block and tangent-circle patterns, the one without the unimproved soil for the others;
// the passive vertical force counts only when it is not ignored.
double vertical_sum(const ConditionData& cd, const engine::ChainForceSummary& f);
double passive_vertical_term(const ConditionData& cd, const engine::ChainForceSummary& f);
// Seismic inertia, active horizontal, residual water, dynamic water and other horizontal forces.
double horizontal_sum(const engine::ChainForceSummary& f);
// The moments of the effective weight, the passive horizontal and the active vertical force,
// the other vertical forces and the side adhesion.
double resisting_moment(const engine::ChainForceSummary& f);
// The moments of the seismic inertia, the active horizontal force, the residual and the
// dynamic water and the other horizontal forces.
double overturning_moment(const engine::ChainForceSummary& f);

// The check helpers both stability engines share (engines/common/stability_checks.h).
using engine::case_count;
using engine::close_report;
using engine::mark_text;
using engine::number_field;
using engine::open_report;
using engine::option_variant;
using engine::rdown;
using engine::remove_stale_report;
using engine::report_name;
using engine::report_not_computed;
using engine::rnd;
using engine::text_field;
using engine::verdict_text;
using engine::write_report_head;

// --- The checks whose result is a safety factor against a required one. ---
// What one case of such a check found.
struct FactorResult {
  bool computed = false;
  std::string reason;  // CP932, when not computed
  double fs = 0, required = 0;
  bool passes = false;
};
// Such a check and where its results go.
struct FactorCheck {
  const char* name_utf8;    // for the message of a case not computed
  const char* report_stem;  // the case's report is DM<case><stem>.PDT
  CheckValueIndex value;    // the factor in CAL_ANZ.DAT
  CheckLimitIndex limit;    // the required factor in CAL_ANZ.DAT
  int summary_line;         // the check's line of a case in CAL_ANZ.DAT
  std::array<double, 2> engine::ExternalResults::*tail;  // the factor in CAL_ANS.DAT
};
// Stores one case: the required factor; then either the message, no report of the case left
// behind, the factor 0 and the line failed, or the report written by `write_report`, the factor
// in both files and the line failed when the factor falls short.
void store_factor_case(ExternalState& state, const FactorCheck& check, int load_case,
                       const FactorResult& r,
                       const std::function<void(engine::PrintFile&)>& write_report);

// --- Sliding. ---
enum class SlidingProcedure { block, wall, lattice };
struct SlidingResult : FactorResult {
  SlidingProcedure procedure = SlidingProcedure::block;
  bool inclined = false;
  bool floating = false;  // floating clay: cohesion resistance only
  double mu = 0, sum_v = 0, pv = 0, tau = 0, b = 0, theta = 0, b_slope = 0;
  double r1 = 0, r2 = 0, r = 0, c = 0, a = 0;
  double ws = 0, cs = 0, as = 0, r1s = 0, r2s = 0, rs = 0;
  double h = 0, pp = 0, denominator = 0;
};
SlidingResult compute_sliding(const ConditionData& cd, const ResultChainWithLayers& chain,
                              SlidingProcedure procedure, int load_case);
std::string sliding_template(const ConditionData& cd, const SlidingResult& r, int load_case);
void write_sliding_report(engine::PrintFile& file, const ConditionData& cd,
                          const ResultChainWithLayers& chain, const SlidingResult& r,
                          int load_case);
void check_sliding_block(const ConditionData& cd, ExternalState& state);
void check_sliding_wall(const ConditionData& cd, ExternalState& state);
void check_sliding_lattice(const ConditionData& cd, ExternalState& state);

// --- Overturning. ---
struct OverturningResult : FactorResult {
  double mr = 0, mo = 0;
};
OverturningResult compute_overturning(const ConditionData& cd,
                                      const ResultChainWithLayers& chain, int load_case);
void write_overturning_report(engine::PrintFile& file, const ConditionData& cd,
                              const ResultChainWithLayers& chain, const OverturningResult& r,
                              int load_case);
void check_overturning(const ConditionData& cd, ExternalState& state);

// --- Ground reaction. ---
enum class ReactionPattern { block, wall, lattice };
enum class Distribution { uniform, trapezoid, triangle, kern, partial_contact };
// Which edge of the base carries the larger reaction.
enum class GoverningEdge { toe, heel, both };
struct ReactionResult {
  bool computed = false;
  std::string reason;
  ReactionPattern pattern = ReactionPattern::block;
  Distribution distribution = Distribution::uniform;
  double wt = 0, v = 0, ws = 0, mr = 0, mo = 0, b = 0, x = 0, e = 0, b6 = 0, r = 0;
  // The method's reactions at the toe and the heel and its contact width: what the checks at
  // the toe (toe pressure, shear) use and CAL_ANS.DAT carries. Behind the middle of a block or
  // wall base the method takes a uniform reaction.
  double q1 = 0, q2 = 0, effective_width = 0;
  // The trapezoid's heel value as its formula gives it, where that came out below 0 and q2 was
  // taken as 0: e is rounded to 0.001 m, so a resultant on the kern's edge can give e = rnd(B/6)
  // a little beyond B/6, and a heel a few thousandths below 0 that no ground gives. 0 otherwise.
  double q2_rounding_cut = 0;
  // Lattice cell.
  double a = 0, s0 = 0, xg = 0, d = 0, i = 0, k = 0, el = 0, contact = 0, s = 0;
  // The heel's reaction. Behind the middle of a block or wall base (e < 0) it is the linear
  // distribution mirrored: a trapezoid within the kern (heel_distribution trapezoid), a
  // triangle over 3 (B - x) beyond it (triangle), which the uniform reaction would understate;
  // otherwise (heel_distribution uniform for e = 0 and the lattice alike) it is q2.
  Distribution heel_distribution = Distribution::uniform;
  double heel = 0;
  // The larger of q1 and heel: the bearing line of CAL_ANZ.DAT, the bearing check, the
  // maximum reaction of CAL_HEN.DAT and P1 of the internal stress all hold it.
  double max_reaction = 0;
  GoverningEdge governing = GoverningEdge::toe;
  // The width in contact under the governing edge's distribution: 3 (B - x) for a heel
  // triangle, else effective_width. The bearing capacity is that of this width.
  double bearing_width = 0;
};
ReactionResult compute_ground_reaction(const ConditionData& cd,
                                       const ResultChainWithLayers& chain,
                                       ReactionPattern pattern, int load_case);
void write_ground_reaction_report(engine::PrintFile& file, const ConditionData& cd,
                                  const ResultChainWithLayers& chain, const ReactionResult& r,
                                  int load_case);
// The page's last part, a text template generated per case ("M_HAN05Q.PFM", "M_HAN15Q.PFM"):
// both edge values, the heel's working where it is the mirrored distribution, and which edge
// governs. The report places it below the distribution; the run writes the template file.
std::string reaction_edges_template_name(int load_case);
std::vector<std::string> reaction_edges_lines(const ReactionResult& r);  // CP932
void write_reaction_edges_template(const ReactionResult& r, int load_case);
int ground_reaction_block(const ConditionData& cd, ExternalState& state);
int ground_reaction_wall(const ConditionData& cd, ExternalState& state);
int ground_reaction_lattice(const ConditionData& cd, ExternalState& state);

// --- Bearing capacity. ---
enum class BearingVariant { block_sandy, clay, wall_separate, wall_close };
struct BearingResult {
  bool computed = false;
  std::string reason;
  BearingVariant variant = BearingVariant::block_sandy;
  double f = 0, overburden = 0;
  std::array<std::string, 3> overburden_text;  // CP932
  // The width the capacity is computed for and the reaction it is held against: the
  // governing edge's (ReactionResult::bearing_width and max_reaction).
  double effective_width = 0, reaction = 0;
  double cb = 0, t = 0;
  bool out_of_range = false;  // clay beyond the practical formula: qa = 0
  double r = 0, n = 0, qn = 0, ql = 0, qb = 0, qi = 0;
  double body_width = 0;  // B of the whole body (walls standing close together)
  double qa = 0;
  bool passes = false;
};
// The overburden q' at the base and its three formula lines.
void base_overburden(const ConditionData& cd, const ResultChainWithLayers& chain,
                     double& overburden, std::array<std::string, 3>& text);
// `wall` selects the wall procedure (wall and lattice patterns). `reaction` and B' are the
// case's maximum reaction and the width under it.
BearingResult compute_bearing(const ConditionData& cd, const ResultChainWithLayers& chain,
                              bool wall, double reaction, double effective_width, int load_case);
void write_bearing_report(engine::PrintFile& file, const ConditionData& cd,
                          const BearingResult& r, int load_case);
int check_bearing_block(const ConditionData& cd, ExternalState& state);
int check_bearing_wall(const ConditionData& cd, ExternalState& state);

}  // namespace qvt::meritan
