#pragma once
// The program's start: one instance per user, the update-check setting, the updater when it
// is wanted, then the main window.
#include "frontend/model/sibling_import.h"
#include "frontend/shell/ui_port.h"

#include <QLockFile>
#include <QString>

#include <filesystem>
#include <memory>
#include <string>

namespace qvt::shell {

class MainWindow;

struct StartOptions {
  std::filesystem::path install_folder;  // the folder of the executable
  std::filesystem::path work_folder;
  std::string command_line;              // the arguments joined by blanks
  QString lock_file;                     // the per-user lock of the previous-instance test
};

struct Started {
  int exit_code = 0;
  std::unique_ptr<QLockFile> lock;  // held while the program runs
  std::unique_ptr<model::SiblingImport> sibling_import;  // the window uses it: declared first
  std::unique_ptr<MainWindow> window;    // null when the program ends at once; destroyed first
};

// The defaults of the real program: install folder = the executable's folder, work folder =
// default_work_folder(), the lock in the user's runtime folder.
StartOptions default_start_options(int argc, char** argv);

// Starts the program: returns the shown main window, or none with the exit code of the program.
Started start_program(UiPort& ui, const StartOptions& options);

}  // namespace qvt::shell
