#include "frontend/model/project_files.h"

#include "frontend/model/block_file.h"
#include "frontend/model/conditions_file.h"

#include <memory>

namespace qvt::model {

bool load_project_files(const std::string& base, ProjectModel& m, MessageSink& messages) {
  // The conditions are staged on the heap (the record is large) and committed only once the
  // block file has been read too, so a failure in either file leaves the model as it was.
  auto conditions = std::make_unique<ProjectConditions>(m.conditions);
  i16 version = m.file_version;
  if (!read_conditions_file(base + ".MSJ", *conditions, version)) {
    messages.show_message(MessageIcon::Exclamation, kAppTitle, kMsgConditionsUnreadable);
    return false;
  }
  std::string problem;
  if (!read_block_file(base + ".MBJ", version, m, &problem)) {
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
