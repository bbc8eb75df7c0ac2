// qvt_work_input PROJECT WORK_FOLDER: writes QVTAJKN.CAL, QVTABLK.CAL (with their snapshots)
// and QVT_DAT.CST of a project (PROJECT.MSJ / PROJECT.MBJ, given without or with the suffix)
// into the work folder, as the front end does before a calculation run. Exit code 0 on success.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/model/project_files.h"
#include "frontend/model/snapshots.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace {

// Messages go to standard error, one a line.
class StderrSink : public qvt::model::MessageSink {
 public:
  void show_message(qvt::model::MessageIcon, const std::string& title,
                    const std::string& text) override {
    std::cerr << title << ": " << text << '\n';
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: qvt_work_input PROJECT[.MSJ] WORK_FOLDER\n";
    return 2;
  }
  namespace fs = std::filesystem;
  std::string project = argv[1];
  if (fs::path(project).extension() == ".MSJ") project = fs::path(project).replace_extension();
  const fs::path work = argv[2];
  fs::create_directories(work);
  const fs::path install = fs::canonical("/proc/self/exe").parent_path().parent_path() / "bin";
  fs::copy_file(install / "QVT_DAT.CST", work / "QVT_DAT.CST",
                fs::copy_options::overwrite_existing);
  auto m = std::make_unique<qvt::model::ProjectModel>();
  m->work_folder = work;
  m->install_folder = install;
  qvt::model::reset_project_to_defaults(*m);
  StderrSink sink;
  if (!qvt::model::load_project_files(project, *m, sink)) return 1;
  return qvt::model::write_engine_input(*m, sink) == 0 ? 0 : 1;
}
