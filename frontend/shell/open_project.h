#pragma once
// The project that is open in the main window: its name ("無題", the path of its project file,
// or the title of a sibling program's file it came from), the folder its file dialogs start in,
// and the writing of its project file pair under that name or a new one.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/shell/ui_port.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace qvt::shell {

class OpenProject {
 public:
  OpenProject(UiPort& ui, QWidget* owner, model::ProjectModel& model, model::MessageSink& sink)
      : ui_(ui), owner_(owner), model_(model), sink_(sink) {}

  const QString& name() const { return name_; }
  bool is_untitled() const;
  // Where the open and save dialogs start: the name in dialog_folder().
  QString dialog_start_name() const;
  // The folder of the project's file, or of the sibling program's file it came from; for an
  // untitled project the folder of the project named last (in this run, or else the newest on
  // the recent-file list); the home folder when there is none or it is gone.
  QString dialog_folder() const;
  // The folder of a project file named before this run (the newest on the recent-file list):
  // the start of an untitled project's dialogs until a project is named in this run.
  void set_previous_folder_from(const QString& path);

  // A new project: named "無題".
  void name_untitled();
  // The project was read from or written to this project file.
  void name_after_project_file(const QString& path);
  // The project was read from a sibling program's file: named after its title; its first save
  // asks before it replaces a project pair that already lies beside that file.
  void name_after_sibling_file(const std::string& path);

  // Writes the project under its own name; false when it was not written (declined or failed,
  // with the message shown).
  bool save();
  // Asks for a name and writes the project there, its title taken from the name; the path
  // written, or none when nothing was written. The model's title is kept on a failed write.
  std::optional<QString> save_as();

  // The project's snapshot under `ext` ("ORG", "EDT", "CAL") in the work folder, and whether
  // two snapshots differ.
  int write_snapshot(const char* ext);
  bool snapshots_differ(const char* ext_a, const char* ext_b);

  // Whether the pair <base>.MSJ/.MBJ may be written: a file of it that exists and is not the
  // one the dialog already asked about (`chosen`) is asked about here.
  bool confirm_overwrite(const QString& chosen, const std::string& base,
                         const QString& title = QStringLiteral("名前を付けて保存"));

 private:
  UiPort& ui_;
  QWidget* owner_;
  model::ProjectModel& model_;
  model::MessageSink& sink_;
  QString name_;
  // The folder of the project named last; empty when none.
  QString last_folder_;
  bool ask_before_first_save_ = false;
};

}  // namespace qvt::shell
