#pragma once
// The conditions file: every condition value as CP932 text, 521 lines, version 13. The same
// layout is the project's <base>.MSJ and the engines' QVTAJKN.<ext>.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"

#include <filesystem>
#include <string>
#include <vector>

namespace qvt::model {

inline constexpr int kConditionsFileVersion = 13;
inline constexpr int kConditionsFileLines = 521;
// Lines written before the bearing-surface check of the engines' copy.
inline constexpr int kConditionsLinesBeforeBody = 56;
// The highest version a reader accepts (versions 14 and 15 carry items that are dropped).
inline constexpr int kNewestReadableVersion = 15;

inline constexpr const char* kMsgConditionsUnreadable = "条件ﾌｧｲﾙ(.MSJ)が読み込み出来ません。";

// The lines of the conditions file as CP932 bytes, without line ends. The job name and the
// external force names are trimmed and stored back into the model, as the file carries them.
// `line25_value`, when >= 0, replaces shallow_clay_method on line 25 (the program-folder rule).
std::vector<std::string> conditions_file_lines(ProjectModel& m, int line25_value = -1);

// Reads the conditions file into `conditions` and `file_version`. Reads into a copy and
// commits only when the whole file has been read, so a failed read leaves both unchanged.
// False when the file is missing or no readable file, of an unknown version, malformed, or
// not of its version's line layout: a line with more or fewer items than the layout gives it,
// or more or fewer lines (empty lines at the end aside), or a level, coordinate or length
// beyond the section's extent (SECTION_EXTENT_LIMIT).
bool read_conditions_file(const std::filesystem::path& file, ProjectConditions& conditions,
                          i16& file_version);
// The same from the file's lines (CP932, without line ends).
bool read_conditions_lines(std::vector<std::string> lines, ProjectConditions& conditions,
                           i16& file_version);

}  // namespace qvt::model
