#pragma once
// The seam through which a project takes over the sibling program's files. The file commands
// call it; the importer itself lives with the import of those files.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"

#include <string>

namespace qvt::model {

class SiblingImport {
 public:
  virtual ~SiblingImport() = default;
  // Reads the conditions file <base>.TJ2 with its block, check-point and hand-over files into
  // `m`, writing the sibling's blocks into the slots from slot 0 with their label numbers (and
  // the shape library when the block file brings one). Resets nothing: what the files do not
  // carry keeps its value. A file that cannot be read is reported through `messages`; false
  // when the import stopped before its end (the caller then drops `m`).
  virtual bool import_tj2_project(const std::string& base, ProjectModel& m,
                                  MessageSink& messages) = 0;
  // Reads the single conditions file <base>.TJ3 with its hand-over file <base>.SIN into `m`,
  // its blocks into slots 0..19 in file order. The setting whether the surcharge on the main
  // body top is considered is not in the file and keeps its value. Failures as above.
  virtual bool import_tj3_project(const std::string& base, ProjectModel& m,
                                  MessageSink& messages) = 0;
};

}  // namespace qvt::model
