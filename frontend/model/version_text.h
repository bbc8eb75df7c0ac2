#pragma once
// The version text shown in the caption: the first item of SYSVER.DAT.
#include <filesystem>
#include <string>

namespace qvt::model {

// Shown when SYSVER.DAT is missing or empty, so the caption always has a version.
inline constexpr const char* kBuiltInVersionText = "1.0.0";

// The text up to the first comma or the end of the first line, surrounding quotes removed
// (UTF-8). The built-in text when the file is missing or that text is empty.
std::string read_version_text(const std::filesystem::path& sysver_file);

}  // namespace qvt::model
