#include "frontend/shell/program_start.h"

#include "frontend/import/sibling_importer.h"
#include "frontend/import/widgets/data_dialog.h"
#include "frontend/model/folders.h"
#include "frontend/shell/main_window.h"
#include "frontend/shell/launchers.h"
#include "frontend/shell/program_runner.h"
#include "frontend/shell/settings_store.h"
#include "frontend/shell/updater_launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace qvt::shell {

StartOptions default_start_options(int argc, char** argv) {
  StartOptions o;
  o.install_folder = QCoreApplication::applicationDirPath().toStdString();
  o.work_folder = model::default_work_folder();
  for (int i = 1; i < argc; ++i) {
    if (i > 1) o.command_line += ' ';
    o.command_line += argv[i];
  }
  QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (runtime.isEmpty()) runtime = QDir::tempPath();
  o.lock_file = QDir(runtime).filePath(QStringLiteral("Qvta_win.lock"));
  return o;
}

Started start_program(UiPort& ui, const StartOptions& options) {
  Started started;

  // One instance per user. A lock left by an instance that died is taken over.
  started.lock = std::make_unique<QLockFile>(options.lock_file);
  started.lock->setStaleLockTime(0);
  if (!started.lock->tryLock(0)) {
    ui.notice(nullptr, MessageIcon::Critical, QStringLiteral("ロードエラー"),
              QStringLiteral("このアプリケーションは既に起動しています。"));
    started.lock.reset();
    started.exit_code = 1;
    return started;
  }

  // Everything the system writes goes to the work folder; the updater runs there too.
  if (!model::prepare_work_folder(options.install_folder, options.work_folder)) {
    ui.notice(nullptr, MessageIcon::Critical, QStringLiteral("ロードエラー"),
              QStringLiteral("作業フォルダを作成出来ません。\n") +
                  QString::fromStdString(options.work_folder.string()));
    started.exit_code = 1;
    return started;
  }

  const bool check_updates = setting_text_is_true(
      get_setting(QStringLiteral("Settings"), QStringLiteral("VerCheckFlag"),
                  QStringLiteral("False")));
  if (check_updates) {
    UpdaterLauncher updater(ui, nullptr);
    if (updater.check_at_start(options.install_folder, options.work_folder) ==
        UpdaterLauncher::Outcome::ProgramEnds)
      return started;
  }

  started.window = std::make_unique<MainWindow>(ui, options.install_folder, options.work_folder,
                                           options.command_line, check_updates);
  started.sibling_import = std::make_unique<import::SiblingImporter>(
      [](int /*proposed*/) { return import::ask_water_level_study(nullptr); });
  started.window->set_sibling_import(started.sibling_import.get());
  started.window->load();
  started.window->show();
  return started;
}

}  // namespace qvt::shell
