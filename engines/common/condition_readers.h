#pragma once
// The readers of the three files the front end leaves in the work folder before a run: the
// conditions file QVTAJKN.CAL, the options file QVT_DAT.CST and the block file QVTABLK.CAL.
// Every engine's main routine calls read_conditions_file and then read_block_file before it
// uses any condition item.
//
// Each line holds the items of its fixed format, read with the item parser the front end's
// readers use too. Text lines are kept whole up to their capacities. What the readers do not
// take on trust: a file that is missing, one shorter than its layout, a numeric item that is
// empty or does not read as a finite number (or, for an integer item, as a whole number of its
// type), the counts and block types that decide the layout or index a store, lines beyond the
// end of the layout (empty lines aside), a level, coordinate or length beyond the section's
// extent (SECTION_EXTENT_LIMIT), a physical quantity of QVTAJKN.CAL that no ground, water or
// load can have (common/condition_ranges.h) and an option of QVT_DAT.CST outside the values it
// can take (common/option_ranges.h). Each of these stops the engine with a message naming the
// file and the line. read_block_file also refuses a block with a unit weight its type is
// weighed with that is not above 0, and holds the improved-soil blocks to the improved body of
// the conditions file read before it.
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qvt::engine {

inline constexpr const char* kConditionsFileName = "QVTAJKN.CAL";
inline constexpr const char* kOptionsFileName = "QVT_DAT.CST";
inline constexpr const char* kBlockFileName = "QVTABLK.CAL";

// Reads QVTAJKN.CAL completely, then QVT_DAT.CST, from `folder` (the current folder when it is
// empty). When both files fail, both messages are given, the conditions file's first.
[[nodiscard]] Status read_conditions_file(ConditionData& data,
                                          const std::filesystem::path& folder = {});

// Reads QVTABLK.CAL from `folder` (the current folder when it is empty).
[[nodiscard]] Status read_block_file(ConditionData& data,
                                     const std::filesystem::path& folder = {});

// The same readers on the lines of a file (line ends already stripped).
[[nodiscard]] Status parse_conditions_lines(const std::vector<std::string>& lines,
                                            ConditionData& data);
[[nodiscard]] Status parse_options_lines(const std::vector<std::string>& lines,
                                         ConditionData& data);
[[nodiscard]] Status parse_block_lines(const std::vector<std::string>& lines,
                                       ConditionData& data);

}  // namespace qvt::engine
