#pragma once
// The updater: started from the install folder at the program's start (when the user asked
// for the check) and by the command "最新バージョンの確認". Its exit code 3 ends the program.
#include "frontend/shell/ui_port.h"

#include <QString>

#include <filesystem>
#include <functional>

class QWidget;

namespace qvt::shell {

// The updater's file name in the install folder.
inline constexpr const char* kUpdater = "Flinmor";

class UpdaterLauncher {
 public:
  enum class Outcome { ProgramEnds, ProgramGoesOn };

  UpdaterLauncher(UiPort& ui, QWidget* owner) : ui_(ui), owner_(owner) {}

  // Called with true before the updater starts and with false once it has ended, before its
  // end is reported: the window takes no command meanwhile.
  std::function<void(bool)> set_busy;

  // The check at the start, without arguments.
  Outcome check_at_start(const std::filesystem::path& install_folder,
                         const std::filesystem::path& work_folder);
  // The update command, with "/update"; an abnormal end is reported under that command's name.
  Outcome update(const std::filesystem::path& install_folder,
                 const std::filesystem::path& work_folder);

 private:
  Outcome run(const std::filesystem::path& install_folder,
              const std::filesystem::path& work_folder, const QString& argument,
              const QString& title);

  UiPort& ui_;
  QWidget* owner_;
};

}  // namespace qvt::shell
