#include "frontend/shell/open_project.h"

#include "frontend/model/snapshots.h"
#include "frontend/shell/shell_logic.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace qvt::shell {

namespace {

const QString kSaveFilter = QStringLiteral("ﾃﾞｰﾀ ﾌｧｲﾙ (*.msj)");

QString qstr(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

int OpenProject::write_snapshot(const char* ext) {
  return model::write_project_files(model_, ext, true, sink_);
}

bool OpenProject::snapshots_differ(const char* ext_a, const char* ext_b) {
  return model::compare_snapshot_files(model_, ext_a, ext_b, sink_) == -1;
}

bool OpenProject::is_untitled() const { return name_ == QString::fromUtf8(kUntitled); }

namespace {

// The folder of a path, when it names an existing folder; else empty.
QString existing_folder_of(const QString& path) {
  if (!QDir::isAbsolutePath(path)) return {};
  const QFileInfo file(path);
  return file.absoluteDir().exists() ? file.absolutePath() : QString();
}

}  // namespace

QString OpenProject::dialog_folder() const {
  // Naming a project sets the folder, so an untitled project keeps the one named before it.
  if (!last_folder_.isEmpty() && QDir(last_folder_).exists()) return last_folder_;
  return QDir::homePath();
}

QString OpenProject::dialog_start_name() const {
  return QDir(dialog_folder()).filePath(QFileInfo(name_).fileName());
}

void OpenProject::set_previous_folder_from(const QString& path) {
  if (last_folder_.isEmpty()) last_folder_ = existing_folder_of(path);
}

void OpenProject::name_untitled() { name_ = QString::fromUtf8(kUntitled); }

void OpenProject::name_after_project_file(const QString& path) {
  const std::string p = path.toStdString();
  name_ = path;
  model_.project_file_path = p;
  model_.project_base_path = base_of_path(p);
  last_folder_ = QFileInfo(path).absolutePath();
  ask_before_first_save_ = false;
}

void OpenProject::name_after_sibling_file(const std::string& path) {
  model_.project_file_path = path;
  model_.project_base_path = base_of_path(path);
  name_ = qstr(title_of_path(path));
  last_folder_ = QFileInfo(qstr(path)).absolutePath();
  // The design was not saved as a project: the first save asks before replacing one.
  ask_before_first_save_ = true;
}

bool OpenProject::save() {
  if (ask_before_first_save_ &&
      !confirm_overwrite(QString(), model_.project_base_path, QStringLiteral("上書き保存")))
    return false;
  if (model::write_project_files(model_, model_.project_base_path, false, sink_) != 0)
    return false;
  ask_before_first_save_ = false;
  return true;
}

bool OpenProject::confirm_overwrite(const QString& chosen, const std::string& base,
                                    const QString& title) {
  // The dialog asked about the name chosen; the pair is written with capital suffixes, which
  // on this system can be other files.
  for (const char* suffix : {".MSJ", ".MBJ"}) {
    const QString target = qstr(base + suffix);
    std::error_code ec;
    if (target == chosen || !std::filesystem::exists(base + suffix, ec)) continue;
    const Answer a = ui_.message_box(
        owner_, MessageIcon::Exclamation, title,
        target + QStringLiteral(" は既に存在します。\n上書きしますか？"), Buttons::YesNo,
        Answer::No);
    return a == Answer::Yes;
  }
  return true;
}

std::optional<QString> OpenProject::save_as() {
  FileRequest request;
  request.caption = QStringLiteral("名前を付けて保存");
  request.filter = kSaveFilter;
  request.start = dialog_start_name();
  request.default_suffix = QStringLiteral("msj");
  const auto path = ui_.save_file(owner_, request);
  if (!path) return std::nullopt;
  const std::string p = path->toStdString();
  const std::string base = base_of_path(p);
  if (!confirm_overwrite(*path, base)) return std::nullopt;

  // The title goes into the file; a failed write leaves the project as it was.
  const std::string previous_title = model_.conditions.project_title;
  model_.conditions.project_title = title_of_path(p);
  if (model::write_project_files(model_, base, false, sink_) != 0) {
    model_.conditions.project_title = previous_title;
    return std::nullopt;
  }
  return path;
}

}  // namespace qvt::shell
