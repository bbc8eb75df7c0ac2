#pragma once
// The formulas behind the case passes: seismic coefficients and composite angles, failure
// angles, the surcharge over the failure wedge, earth pressure coefficients and intensities.
// Each works on one land layer set (the main set, or the second set on which the layer-wise
// apparent coefficient is evaluated) or on plain numbers, so the tests can call them directly.
#include "engines/common/condition_data.h"
#include "engines/vaskude/vaskude_data.h"

#include <algorithm>
#include <array>

namespace qvt::vaskude {

using engine::ConditionData;

// One land layer set: its split layers, its work records and its two indices.
struct LandSet {
  LayerTable& table;
  std::array<LandWorkLayer, LAYER_RECORDS>& work;
  int ground_top_index;
  int rwl_index;
  bool arayoko;
  int count() const { return table.count; }
};
LandSet main_land_set();
LandSet arayoko_land_set();

// --- Yes/No questions of the computation ("waring"). ---
enum class QuestionKind { SandFailureAngle = 0, ActiveCoefficient = 1, PassiveCoefficient = 2 };
// Asks once per run; No (or the end of input) ends the engine with exit code 1.
void ask_to_go_on(QuestionKind kind);

// --- Seismic coefficients and composite angles. ---
// atan(k); flag >= 0 rounds it to 0.1 degree.
double seismic_composite_angle(double k, int flag);
// flag < 0: v; option 0: to 0.01; otherwise to 0.05 steps.
double round_seismic_coefficient(int flag, int option, double v);
bool is_air_coefficient_at_rwl(const ConditionData& cd, const LandSet& set, int i);
// r / (r - 10) k; r <= 10 ends the engine (message 3).
double apparent_coefficient_general(const ConditionData& cd, double r);
// (γw hw + S + w) / (S + w) k, the general formula at S < 0.00001.
double apparent_coefficient_niken(const ConditionData& cd, double S, double hw, double w,
                                  double r);
// (2(a + b + w) + f h) / (2(a + c + w) + g h) k.
double apparent_coefficient_arayoko(const ConditionData& cd, double a, double b, double c,
                                    double w, double h, double f, double g);

struct LayerCoefficients {
  int kind[2] = {};
  double k[2] = {};
  double theta[2] = {};
};
// Main-set record i (also writes the record's clay band coefficients and band angles).
LayerCoefficients layer_seismic_coefficients(const ConditionData& cd, const LandSet& set, int i,
                                             int flag, double w_top, double w_bottom);
// Second-set record i; `deep` selects the deep-clay zero rule of the surcharge iteration.
LayerCoefficients arayoko_layer_coefficients(const ConditionData& cd, const LandSet& set,
                                             int i, int flag, double w_top, double w_bottom,
                                             bool deep);
// The clay rules between the active seabed and 10 m below it; 1 when they decided the pair.
// `carried` is the variant after the carry-over from the second set.
int clay_layer_seismic_coefficient(const ConditionData& cd, const LandSet& set, int i,
                                   double k[2], double w_niken, double w_arayoko, int flag,
                                   bool carried);
int arayoko_clay_layer_coefficient(const ConditionData& cd, const LandSet& set, int i,
                                   double k[2], double w, int flag);
int arayoko_deep_layer_zero(const LandSet& set, int i, double k[2]);

// --- Failure angles (radians). ---
double sand_failure_angle(double beta, double phi, double delta, double psi, double theta);
// Negative when there is no angle: -1.0 without cohesion, else the value under the root.
double clay_failure_angle(double S, double w, double c, double theta, int form);
// mode 0 to whole seconds, 1 to 0.1 degree.
double round_angle(double a, int mode);
// d: the default angle in radians.
void mean_clay_angle(double top, double bottom, double d, double& angle, int& kind);
void layer_failure_angles(const ConditionData& cd, int i);

// --- Surcharge over the failure wedge. ---
struct WedgeValues {
  double w = 0, Q = 0, W = 0, B = 0, x = 0, y = 0;
};
// position 0 top, 1 bottom of record i; load_case selects the surcharges of the vertices.
WedgeValues wedge_surcharge(const ConditionData& cd, const LandSet& set, int i, int position,
                            int load_case);
// The record whose converted surcharge every record takes over (surcharge_method 0 or 2), in
// the main set and in the second set.
int main_reference_record();
int arayoko_reference_record(const ConditionData& cd);
// The record's surcharge and wedge fields, top and bottom, become the bottom values of `from`.
void take_over_bottom_values(LandWorkLayer& r, const LandWorkLayer& from);
void converge_surcharge(const ConditionData& cd);
void converge_surcharge_arayoko(const ConditionData& cd);

// --- Earth pressure coefficients and intensities. ---
// round4(K cos δ) and round4(K sin δ), active and passive.
double active_coefficient_sand(double beta, double phi, double delta, double psi, double theta);
double active_vertical_coefficient_sand(double beta, double phi, double delta, double psi,
                                        double theta);
double passive_coefficient_sand(double beta, double phi, double delta, double psi,
                                double theta);
double passive_vertical_coefficient_sand(double beta, double phi, double delta, double psi,
                                         double theta);
// K (S + w cos ψ / cos(ψ - β)), rounded to 0.001.
double sand_active_intensity(double K, double S, double w, double psi, double beta);
// The adopted clay intensity (p1, p2 given back).
double clay_active_intensity(const ConditionData& cd, int load_case, double depth, double S,
                             double w, double c, double zeta, double theta, bool at_bottom,
                             double m, double& p1, double& p2);
double clay_passive_intensity(double S, double w, double c);

}  // namespace qvt::vaskude
