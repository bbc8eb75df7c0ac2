#include "frontend/model/project_files.h"

#include "frontend/model/conditions_file.h"

namespace qvt::model {

bool load_project_files(const std::string& base, ProjectModel& m, MessageSink& messages) {
  ProjectConditions conditions = m.conditions;
  i16 version = m.file_version;
  if (!read_conditions_file(base + ".MSJ", conditions, version)) {
    messages.show_message(MessageIcon::Exclamation, kAppTitle, kMsgConditionsUnreadable);
    return false;
  }
  // The block file (<base>.MBJ) is read here once its reader exists; it takes `version` to
  // know its layout, and the version-0 correction of the dynamic water level follows it.
  m.conditions = std::move(conditions);
  m.file_version = version;
  return true;
}

}  // namespace qvt::model
