#include "engines/common/force_listing.h"

#include "common/cp932.h"
#include "engines/common/print_data.h"

#include <cstdio>

namespace qvt::engine {

namespace {

constexpr int kLabelColumn = 36;

std::string padded_label(const char* utf8) {
  std::string s = utf8_to_cp932_lossy(utf8);
  if (s.size() < kLabelColumn) s.append(kLabelColumn - s.size(), ' ');
  return s;
}

std::string values_text(const ForceSummarySlots& f, std::span<const ForceSlot> slots) {
  std::string out;
  bool first = true;
  for (ForceSlot s : slots) {
    if (!first) out += ' ';
    out += format_text("%10.3f", f[s]);
    first = false;
  }
  return out;
}

// The quantities of the fixed form in its order; it leaves out the dynamic water, the passive
// vertical force and the side adhesion.
const ForceListingItem* const kFixedItems[] = {
    &listing::kEffectiveWeight, &listing::kSeismicInertia, &listing::kActiveHorizontal,
    &listing::kResidualWater, &listing::kPassiveHorizontal, &listing::kActiveVertical,
    &listing::kOtherHorizontal, &listing::kOtherVertical, &listing::kEffectiveWeightMoment,
    &listing::kSeismicInertiaMoment, &listing::kActiveHorizontalMoment,
    &listing::kResidualWaterMoment, &listing::kPassiveHorizontalMoment,
    &listing::kActiveVerticalMoment, &listing::kOtherHorizontalMoment,
    &listing::kOtherVerticalMoment,
};

void append_block(std::vector<std::string>& lines, const ForceSummarySlots& f, bool seismic) {
  const std::string dashes = "---------- ---------- ----------";
  lines.push_back(utf8_to_cp932_lossy(seismic ? "【地震時】" : "【常時】"));
  for (const ForceListingItem* item : kFixedItems) {
    const bool shown = seismic || !item->seismic_only;
    lines.push_back(padded_label(item->label_utf8) +
                    (shown ? values_text(f, item->used_slots()) : dashes));
  }
}

}  // namespace

std::vector<std::string> fixed_force_listing_lines(const ForceSummarySlots& normal,
                                                   const ForceSummarySlots& seismic) {
  std::vector<std::string> lines;
  append_block(lines, normal, false);
  lines.emplace_back();  // the normal block ends with an empty line
  append_block(lines, seismic, true);
  return lines;
}

}  // namespace qvt::engine
