#pragma once
// The base of the result chain file CAL_ANS.DAT and the fixed-column force listing CAL_ANS.TXT.
#include "engines/zenobar/zenobar_data.h"

#include <string>
#include <vector>

namespace qvt::zenobar {

inline constexpr std::size_t RESULT_CHAIN_BASE_BYTES = 632;
inline constexpr const char* RESULT_CHAIN_FILE = "CAL_ANS.DAT";
inline constexpr const char* FORCE_LISTING_FILE = "CAL_ANS.TXT";

// The 632 bytes of ZENOBAR's CAL_ANS.DAT: WeightTotals (16 f64), the normal and the seismic
// ForceSummary (30 f64 each) and BodyTotals (3 f64), little-endian, field by field.
std::string encode_result_chain_base(const BlockWeightData& data);

// The 35 lines (CP932, without line ends) of the fixed-column force listing: labels padded to
// 36 bytes, values "%10.3lf" separated by one blank; line 18 is empty.
std::vector<std::string> fixed_force_listing_lines(const ForceSummary& normal,
                                                   const ForceSummary& seismic);

// True when every value that goes into CAL_ANS.DAT is a finite number.
bool result_chain_values_finite(const BlockWeightData& data);

// Writes CAL_ANS.DAT and CAL_ANS.TXT into the current folder from run_data. A value that is
// not finite, or a file that cannot be created or written, is a fatal finding (message, exit 1).
void write_block_results();

}  // namespace qvt::zenobar
