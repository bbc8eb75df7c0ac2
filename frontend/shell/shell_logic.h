#pragma once
// Qt-free rules of the main window: project names and titles, the command line, and the result
// files of a run that go stale when the project changes.
#include <filesystem>
#include <string>
#include <string_view>

namespace qvt::shell {

// The file name a project has until it is saved or opened.
inline constexpr const char* kUntitled = "無題";

// The title of a path: the file name (after the last "/"), cut before its first ".".
std::string title_of_path(std::string_view path);

// The suffix of the file name without its dot, in lower case; empty when the file name has no
// "." (a leading dot does not start a suffix).
std::string suffix_of_path(std::string_view path);

// The path less its suffix and the dot before it; the whole path when there is no suffix.
// <base>.MSJ and <base>.MBJ are the project pair of the path.
std::string base_of_path(std::string_view path);

// Whether two paths name the same project: their <base>.MSJ, the file open and save read and
// write whatever case the suffix was typed in, is one existing file (also when the paths reach
// it through "..", a link or a folder that ignores case), or, when either does not exist, has
// the same absolute path once "." and ".." are resolved. Case counts otherwise, as it does for
// the file system.
bool same_project_file(std::string_view a, std::string_view b);

// The window caption at start-up: "Tervane Ver" + version.
std::string start_caption(std::string_view version_text);
// The window caption once a project is new, opened or saved: start caption + " - " + title.
std::string window_caption(std::string_view version_text, std::string_view title);

// The command line with blanks at both ends removed.
std::string trimmed_command_line(std::string_view command_line);

// True when the whole trimmed command line is "/td", in any case.
bool is_td_command_line(std::string_view command_line);

// "*" and "?" wildcards as fnmatch reads them (no flags); case counts, as the engines name
// their files exactly.
bool wildcard_match(std::string_view pattern, std::string_view name);

// Deletes the result files of the last run in `folder`: "*.PDT", "CAL_AN?.DAT", "CAL_HEN.DAT"
// and "DAT_*.DAT", in this order. A pattern without matches is passed over; a file that cannot
// be deleted is left. Returns the number of files deleted.
int delete_stale_results(const std::filesystem::path& folder);

// The names of the result files the result commands look for.
inline constexpr const char* kResultSummaryFile = "CAL_ANZ.DAT";
inline constexpr const char* kEccentricResultFile = "CAL_HEN.DAT";

}  // namespace qvt::shell
