#pragma once
// JORPELA, the internal stability engine, last of the calculation run. It checks the toe
// pressure, the shear of the improved body (and of the short walls of wall and lattice
// bodies), the internal stress of tangent-circle bodies and the pull-out of the soil between
// the walls, for the normal case and, with the seismic check on, the seismic case. It writes
// one report per check and case, the stability summary DMMCALAS.PDT, CAL_ANS.DAT with its own
// tail (5,600 bytes), the CSV force listing CAL_ANS.TXT, CAL_ANZ.DAT complete and the eccentric
// load hand-over CAL_HEN.DAT.
//
// A case a check cannot compute (no shear plane, no ground reaction from the external engine,
// a zero divisor, a pull-out table that does not match) is shown in a message box and counted
// as failed: flag 1 in CAL_ANZ.DAT, never a passed check on a value that was not worked out.
#include "common/check_summary_format.h"
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"
#include "engines/common/pressure_files.h"
#include "engines/common/print_data.h"
#include "engines/common/result_chain_file.h"
#include "engines/common/stability_checks.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace qvt::jorpela {

using engine::ConditionData;
using engine::ResultChainWithLayers;
using enum engine::ForceSlot;

inline constexpr double INTERNAL_PRESET = -9999.99;
inline constexpr int PULLOUT_SLOTS = 25;
inline constexpr std::size_t RESULT_CHAIN_INTERNAL_SIZE = 5600;
inline constexpr const char* kEccentricLoadFileName = "CAL_HEN.DAT";
inline constexpr const char* kSummaryReportName = "DMMCALAS.PDT";

// The 464-byte tail this engine appends to CAL_ANS.DAT, index [case].
struct InternalResults {
  std::array<double, 2> toe_stress{INTERNAL_PRESET, INTERNAL_PRESET};
  std::array<double, 2> shear_stress{INTERNAL_PRESET, INTERNAL_PRESET};
  std::array<double, 2> short_wall_shear_stress{INTERNAL_PRESET, INTERNAL_PRESET};
  std::array<std::array<double, PULLOUT_SLOTS>, 2> pullout_fs = [] {
    std::array<std::array<double, PULLOUT_SLOTS>, 2> a{};
    for (auto& c : a) c.fill(INTERNAL_PRESET);
    return a;
  }();
  std::array<double, 2> internal_stress{};
};
std::string encode_internal_results(const InternalResults& r);  // 464 bytes

struct InternalState {
  std::string chain_bytes;  // the 5,136 bytes read, passed on unchanged
  ResultChainWithLayers chain;
  engine::ExternalResults external;
  CheckSummary summary;
  InternalResults results;
};

// The engine's main routine, in the current (work) folder.
engine::Status run_internal_stability_checks();

// CAL_ANS.DAT as the external engine left it: missing, shorter than 5,136 bytes, a boundary
// count outside its range or a value that is no number stop the engine with a message.
[[nodiscard]] engine::Status read_external_results(InternalState& state);
// CAL_ANS.DAT (5,600 bytes) and CAL_ANS.TXT.
[[nodiscard]] engine::Status write_internal_results(const InternalState& state);
// The 40 lines of CAL_ANS.TXT (CP932, without line ends).
std::vector<std::string> csv_force_listing_lines(const engine::ForceSummarySlots& normal,
                                                 const engine::ForceSummarySlots& seismic);

// True when the external engine computed the ground reaction of the case, by its own word:
// where it computed it, it writes a contact width above 0 and both edge values (the toe's never
// below 0); where it did not, it leaves the width 0 and its preset (-9999.99) in both edges.
// The heel's sign is not asked: on the kern's edge the rounding of e can put the heel a few
// thousandths below 0, and the reaction is known all the same. Checks built on the reaction do
// not run otherwise.
bool reaction_known(const InternalState& state, int load_case);

// --- Toe pressure. ---
struct ToeOverburden {
  double sum = 0;                     // Σγh
  std::array<std::string, 3> text;    // formula texts A, B, C (CP932)
  double p0 = 0;                      // round(Σγh k0)
};
ToeOverburden toe_overburden(const ConditionData& cd, const ResultChainWithLayers& chain);
// The normal case's passive pressure at the bottom of the lowest sea-side layer, from
// the bytes of DAT_PRN1.DAT; nullopt when they are not a pressure work file or its sea-side
// count gives no lowest layer.
std::optional<double> toe_passive_pressure(std::string_view prn1_bytes);
void check_toe_pressure(const ConditionData& cd, InternalState& state);

// --- Shear plane, load spread and toe reaction. ---
struct ShearGeometry {
  double check_x = 0, check_y = 0;
  std::array<double, 2> angle_rad{};
  std::array<double, 2> spread_width{}, spread_reaction{};
  std::array<double, 2> toe_part_width{}, plane_length{};
  std::array<bool, 2> plane_found{};
  bool sloped = false;
  double a = 0, b = 0;                          // level top: check point from the body front/top
  std::array<double, 2> cross_x{}, cross_y{};   // sloped top: each case's own intersection
  double body_top = 0;                          // highest level of the improved soil
};
void shear_angles(const ConditionData& cd, ShearGeometry& g);
void spread_widths(const ConditionData& cd, ShearGeometry& g);
void shear_plane_block(const ConditionData& cd, ShearGeometry& g);
void shear_plane_wall(const ConditionData& cd, ShearGeometry& g);
// False for a level top (nothing set).
bool shear_plane_intersection(const ConditionData& cd, ShearGeometry& g);
double long_wall_ratio(const ConditionData& cd);
double short_wall_ratio(const ConditionData& cd);

// Ground reaction at the plane and its resultant under the toe part. Beyond the contact width
// the ground gives no reaction: qB is 0 there and R covers the contact width only.
struct ToeReaction {
  double ratio = 1, qb = 0, r = 0;
};
ToeReaction toe_reaction(double q1, double q2, double be, double bl, double ratio);
double lattice_reaction_ratio(const ConditionData& cd, double bl);

// --- Toe-part weight (clipping to the strip toe_x .. toe_x + B_L). ---
int clip_block_piece(double left, double right, double bottom, double top, double& x1,
                     double& y1, double& x2, double& y2);
struct ToeWeight {
  double w = 0;                 // toe-part weight W
  double p = 0;                 // overlying pressure P (wall and lattice)
  std::string p_text;           // its formula (CP932)
};
// Weighs the toe part of case c; writes the weight rows when `file` is given.
ToeWeight toe_part_weight(const ConditionData& cd, double bl, engine::PrintFile* file);
double short_wall_bottom_level(const ConditionData& cd);
// P0 and its text.
double top_block_pressure(const ConditionData& cd, std::string& text);

// τ = (R − W − Fa [− Fv]) / L.
double shear_stress(const ConditionData& cd, double r, double w, double fa, double fv, double l);
// The shear check holds the magnitude of τ against the allowable value.
bool shear_passes(double tau, double allowable);

// The one box of a run whose shear plane misses the body in `cases` (0 normal, 1 seismic), CP932:
// the system's text, the cases and the cause the user can change.
std::string no_shear_plane_text(const std::vector<int>& cases);
void check_shear_block(const ConditionData& cd, InternalState& state);
void check_shear_wall(const ConditionData& cd, InternalState& state);

// --- Internal stress of tangent-circle bodies. ---
double overlying_pressure_circle(const ConditionData& cd, double x_line, std::string& text);
// What the columns' stress σ is held to: the allowable compressive stress σca of the case, as
// every other pattern holds its body, and never more than the design standard strength quck
// itself: min(σca, quck).
double internal_stress_limit(const ConditionData& cd, int load_case);
// The page's last part, a text template generated per case ("JJ_ORK0Q.PFM", "JJ_ORK1Q.PFM"):
// which edge's reaction P1 is (the larger edge value, the heel's when it governs) and what the
// limit is made of. CP932 lines; P1 is the case's maximum reaction of the check summary.
std::string internal_stress_notes_name(int load_case);
std::vector<std::string> internal_stress_notes_lines(const ConditionData& cd,
                                                     const InternalState& state, int load_case);
void check_internal_stress(const ConditionData& cd, InternalState& state);

// --- Pull-out. ---
struct PulloutSegment {
  int land_layer_index = 0, sea_layer_index = 0;
  double top_level = 0, bottom_level = 0;
  double active_top = 0, active_bottom = 0, passive_top = 0, passive_bottom = 0;
  double water_top = 0, water_bottom = 0, cohesion_top = 0, cohesion_bottom = 0;
  double cohesion_gradient = 0, cohesion = 0;
};
struct PulloutStep {
  int index = 0;
  double rc = 0, sum_p = 0, sum_a = 0, h_inertia = 0, sum_u = 0, sum_w = 0, sum_s = 0;
  double t_top = 0, t_bot = 0, s_b = 0, a_b = 0, p_b = 0, u_b = 0, w_b = 0, fs = 0;
};
struct PulloutCase {
  bool computed = false;
  std::string reason;  // CP932
  double zb = 0;
  std::vector<PulloutSegment> segments;
  int k0 = -1;
  std::vector<PulloutStep> steps;
};
PulloutCase compute_pullout(const ConditionData& cd, const ResultChainWithLayers& chain,
                            const engine::LayerPressureBlock& block, int load_case);
void check_pullout(const ConditionData& cd, InternalState& state);

// --- Reports and hand-over. ---
void write_summary(const ConditionData& cd, const CheckSummary& summary, engine::PrintFile& f);
struct EccentricLoadValues {
  std::array<double, 2> vertical{}, horizontal{}, resisting{}, eccentricity{}, ratio{};
  double body_width = 0, base_cohesion = 0, overburden = 0;
};
// Nullopt when a checked case has no vertical force above 0 or the body no width.
std::optional<EccentricLoadValues> eccentric_load_values(const ConditionData& cd,
                                                         const InternalState& state);
std::vector<std::string> eccentric_load_lines(const ConditionData& cd, const InternalState& st,
                                              const EccentricLoadValues& v);
// Writes CAL_HEN.DAT, or removes it with a message when the resultant cannot be given.
[[nodiscard]] engine::Status write_eccentric_load_file(const ConditionData& cd,
                                                       const InternalState& state);

}  // namespace qvt::jorpela
