#include "frontend/model/project_files.h"

#include "frontend/model/block_file.h"
#include "frontend/model/conditions_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <system_error>

namespace qvt::model {

// <base>.<suffix> as the files are written (suffix in capitals); when that name does not exist,
// a file of the same base whose suffix differs only in case (quay.msj, copied from elsewhere),
// so a project the open dialog offers also loads.
std::filesystem::path project_file(const std::string& base, const std::string& suffix) {
  const std::filesystem::path written = base + "." + suffix;
  std::error_code ec;
  if (std::filesystem::exists(written, ec)) return written;
  const std::filesystem::path folder = written.has_parent_path() ? written.parent_path() : ".";
  const std::string stem = std::filesystem::path(base).filename().string() + ".";
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() != stem.size() + suffix.size() || name.compare(0, stem.size(), stem) != 0)
      continue;
    if (std::equal(suffix.begin(), suffix.end(), name.begin() + static_cast<long>(stem.size()),
                   [](char a, char b) {
                     return std::toupper(static_cast<unsigned char>(a)) ==
                            std::toupper(static_cast<unsigned char>(b));
                   }))
      return entry.path();
  }
  return written;
}

bool load_project_files(const std::string& base, ProjectModel& m, MessageSink& messages) {
  // The conditions are staged on the heap (the record is large) and committed only once the
  // block file has been read too, so a failure in either file leaves the model as it was.
  auto conditions = std::make_unique<ProjectConditions>(m.conditions);
  i16 version = m.file_version;
  if (!read_conditions_file(project_file(base, "MSJ"), *conditions, version)) {
    messages.show_message(MessageIcon::Exclamation, kAppTitle, kMsgConditionsUnreadable);
    return false;
  }
  std::string problem;
  if (!read_block_file(project_file(base, "MBJ"), version, m, &problem)) {
    std::string text = kMsgBlocksUnreadable;
    if (!problem.empty()) text += "\n" + problem;
    messages.show_message(MessageIcon::Exclamation, kAppTitle, text);
    return false;
  }
  // Version 0 files hold the level of the dynamic water resultant without the height of the
  // seismic case's check point; it is added once both files have been read.
  if (version == 0)
    conditions->dynamic_water_level += conditions->body_reactions[CASE_SEISMIC].check_y;
  m.conditions = std::move(*conditions);
  m.file_version = version;
  return true;
}

}  // namespace qvt::model
