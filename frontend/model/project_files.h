#pragma once
// Loading a project's files into the model.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"

#include <filesystem>
#include <string>

namespace qvt::model {

// Reads <base>.MSJ, then <base>.MBJ in the layout the conditions file's version implies, into
// the model. Both files are read into copies and the model changes only when both succeed; a
// failure is shown through `messages` (exclamation icon) and returned as false, leaving the
// model as it was. Fields the files do not carry keep their values.
bool load_project_files(const std::string& base, ProjectModel& m, MessageSink& messages);

// <base>.<suffix> as the system writes it (suffix in capitals); when that name does not exist,
// a file of the same base whose suffix differs only in case; else the written name.
std::filesystem::path project_file(const std::string& base, const std::string& suffix);

}  // namespace qvt::model
