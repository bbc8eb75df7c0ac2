#pragma once
// Loading a project's files into the model.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"

#include <string>

namespace qvt::model {

// Reads <base>.MSJ (and the block file that belongs to it) into the model. The files are read
// into a copy and the model changes only when the read succeeds; a failure is shown through
// `messages` and returned as false, leaving the model as it was.
bool load_project_files(const std::string& base, ProjectModel& m, MessageSink& messages);

}  // namespace qvt::model
