#include "frontend/model/folders.h"

#include "frontend/model/custom_options.h"

#include <cstdlib>
#include <system_error>

namespace qvt::model {

std::filesystem::path default_work_folder() {
  if (const char* w = std::getenv("QVT_WORK_DIR"); w && *w) return w;
  if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x)
    return std::filesystem::path(x) / "Qvta_win" / "work";
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : ".") / ".local" / "share" / "Qvta_win" /
         "work";
}

bool prepare_work_folder(const std::filesystem::path& install, const std::filesystem::path& work) {
  std::error_code ec;
  std::filesystem::create_directories(work, ec);
  if (!std::filesystem::is_directory(work)) return false;
  const auto target = work / kOptionsFileName;
  if (!std::filesystem::exists(target, ec)) {
    std::filesystem::copy_file(install / kOptionsFileName, target, ec);
  }
  return true;
}

}  // namespace qvt::model
