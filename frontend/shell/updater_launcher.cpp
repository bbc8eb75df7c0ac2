#include "frontend/shell/updater_launcher.h"

#include "frontend/shell/launchers.h"
#include "frontend/shell/program_runner.h"

namespace qvt::shell {

UpdaterLauncher::Outcome UpdaterLauncher::check_at_start(
    const std::filesystem::path& install_folder, const std::filesystem::path& work_folder) {
  return run(install_folder, work_folder, QString(), QString());
}

UpdaterLauncher::Outcome UpdaterLauncher::update(const std::filesystem::path& install_folder,
                                                 const std::filesystem::path& work_folder) {
  return run(install_folder, work_folder, QStringLiteral("/update"),
             QStringLiteral("最新バージョンの確認"));
}

UpdaterLauncher::Outcome UpdaterLauncher::run(const std::filesystem::path& install_folder,
                                              const std::filesystem::path& work_folder,
                                              const QString& argument, const QString& title) {
  ProgramStart start{install_folder / kUpdater, {}, work_folder};
  if (!argument.isEmpty()) start.arguments << argument;
  if (set_busy) set_busy(true);
  const RunOutcome out = run_and_wait(ui_, owner_, start);
  if (set_busy) set_busy(false);
  if (out.exited_with(kUpdaterEndsProgram)) return Outcome::ProgramEnds;
  // Any other end lets the program go on; one that is not an end of its own is reported.
  if (out.end != RunOutcome::End::Exited)
    ui_.notice(owner_, MessageIcon::Exclamation, title,
               abnormal_end_text(QStringLiteral("更新プログラム"), start, out));
  return Outcome::ProgramGoesOn;
}

}  // namespace qvt::shell
