#pragma once
// The force listing CAL_ANS.TXT. The block weight, earth pressure and external stability
// engines write its fixed-column form from their force summaries: a normal block and a seismic
// block, labels padded to 36 bytes, values "%10.3lf" separated by one blank. The internal
// stability engine, last, writes the quoted comma-separated form. Both forms print the same
// quantities, each under one label; the quantities are defined here once.
#include "engines/common/result_chain_file.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace qvt::engine {

// A quantity of the listings: its label (UTF-8) and the force summary slots printed after it,
// the whole and its two parts for the effective weight and the seismic inertia, one slot
// otherwise. A seismic-only quantity has no value in the normal case.
struct ForceListingItem {
  const char* label_utf8;
  std::array<ForceSlot, 3> slots;  // FS_NONE after the last
  bool seismic_only = false;

  std::span<const ForceSlot> used_slots() const {
    return std::span(slots).first(slots[1] == FS_NONE ? 1 : 3);
  }
};

namespace listing {

inline constexpr ForceListingItem kEffectiveWeight{
    "有効重量の合力",
    {FS_EFFECTIVE_WEIGHT, FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED, FS_EFFECTIVE_WEIGHT_UNIMPROVED}};
inline constexpr ForceListingItem kSeismicInertia{
    "地震時慣性力の合力",
    {FS_SEISMIC_INERTIA, FS_SEISMIC_INERTIA_WITHOUT_UNIMPROVED, FS_SEISMIC_INERTIA_UNIMPROVED},
    true};
inline constexpr ForceListingItem kActiveHorizontal{
    "主働土圧の水平成分合力", {FS_ACTIVE_HORIZONTAL_FORCE, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kActiveVertical{
    "主働土圧の鉛直成分合力", {FS_ACTIVE_VERTICAL_FORCE, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kResidualWater{
    "残留水圧の合力", {FS_RESIDUAL_WATER_FORCE, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kDynamicWater{
    "動水圧の合力", {FS_DYNAMIC_WATER_RESULTANT, FS_NONE, FS_NONE}, true};
inline constexpr ForceListingItem kPassiveHorizontal{
    "受働土圧の水平合力", {FS_PASSIVE_HORIZONTAL_FORCE, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kOtherHorizontal{
    "その他の外力の水平成分合力", {FS_OTHER_HORIZONTAL_FORCE, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kOtherVertical{
    "その他の外力の鉛直成分合力", {FS_OTHER_VERTICAL_FORCE, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kActiveSideAdhesion{
    "主働側側面付着合力", {FS_ACTIVE_SIDE_ADHESION, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kPassiveSideAdhesion{
    "受働側側面付着合力", {FS_PASSIVE_SIDE_ADHESION, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kEffectiveWeightMoment{
    "有効重量によるモーメント",
    {FS_EFFECTIVE_WEIGHT_MOMENT, FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED_MOMENT,
     FS_EFFECTIVE_WEIGHT_UNIMPROVED_MOMENT}};
inline constexpr ForceListingItem kSeismicInertiaMoment{
    "地震時慣性力によるモーメント",
    {FS_SEISMIC_INERTIA_MOMENT, FS_SEISMIC_INERTIA_WITHOUT_UNIMPROVED_MOMENT,
     FS_SEISMIC_INERTIA_UNIMPROVED_MOMENT},
    true};
inline constexpr ForceListingItem kActiveHorizontalMoment{
    "主働土圧水平成分によるモーメント", {FS_ACTIVE_HORIZONTAL_MOMENT, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kActiveVerticalMoment{
    "主働土圧の鉛直成分によるモーメント", {FS_ACTIVE_VERTICAL_MOMENT, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kResidualWaterMoment{
    "残留水圧によるモーメント", {FS_RESIDUAL_WATER_MOMENT, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kDynamicWaterMoment{
    "動水圧によるモーメント", {FS_DYNAMIC_WATER_MOMENT, FS_NONE, FS_NONE}, true};
inline constexpr ForceListingItem kPassiveHorizontalMoment{
    "受働土圧水平成分によるモーメント", {FS_PASSIVE_HORIZONTAL_MOMENT, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kOtherHorizontalMoment{
    "その他の外力の水平成分モーメント", {FS_OTHER_HORIZONTAL_MOMENT, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kOtherVerticalMoment{
    "その他の外力の鉛直成分モーメント", {FS_OTHER_VERTICAL_MOMENT, FS_NONE, FS_NONE}};
inline constexpr ForceListingItem kSideAdhesionMoment{
    "主働側側面付着力によるモーメント", {FS_SIDE_ADHESION_MOMENT, FS_NONE, FS_NONE}};

}  // namespace listing

// The 35 lines of the fixed-column form (CP932, without line ends); line 18 is empty. The
// normal block shows the seismic-only quantities as dashes.
std::vector<std::string> fixed_force_listing_lines(const ForceSummarySlots& normal,
                                                   const ForceSummarySlots& seismic);

}  // namespace qvt::engine
