#pragma once
// The install folder (programs and shipped data, read-only) and the work folder (everything the
// system writes), which together take the place of a single program folder.
#include <filesystem>

namespace qvt::model {

// $QVT_WORK_DIR, else $XDG_DATA_HOME/Qvta_win/work, else ~/.local/share/Qvta_win/work.
std::filesystem::path default_work_folder();

// Creates the work folder when needed and copies the install folder's QVT_DAT.CST into it when
// it has none. False when the folder cannot be created (a missing default is not an error here:
// the reset reports the missing options file).
bool prepare_work_folder(const std::filesystem::path& install, const std::filesystem::path& work);

}  // namespace qvt::model
