#pragma once
// The file commands of the main window: new, open (a project file or the sibling program's
// design), save, save as, the recent files and the replacement of the superstructure, with the
// question whether to save the changes first. What they change of the window goes through
// CommandWindow.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/model/sibling_import.h"
#include "frontend/shell/open_project.h"
#include "frontend/shell/ui_port.h"

#include <QString>

#include <string>

class QWidget;

namespace qvt::shell {

class RecentFiles;

// What the file and result commands ask of the main window.
class CommandWindow {
 public:
  virtual ~CommandWindow() = default;
  // The owner of the message boxes and dialogs the commands show.
  virtual QWidget* command_owner() = 0;
  // Commits every page that holds data, or only the page shown, into the model.
  virtual void store_all_pages() = 0;
  virtual void store_visible_page() = 0;
  // The pages, the picture and the result files start over with the project in the model.
  virtual void show_fresh_project() = 0;
  virtual void set_caption(const std::string& title) = 0;
  virtual void delete_stale_results() = 0;
  virtual void report_options_unreadable() = 0;
  virtual void view_whole_section() = 0;
  virtual RecentFiles& recent_files() = 0;
  // While a program of the system runs the window is disabled and takes no command.
  virtual bool is_waiting_for_program() const = 0;
  virtual void set_waiting_for_program(bool waiting) = 0;
};

class FileCommands {
 public:
  FileCommands(UiPort& ui, CommandWindow& window, model::ProjectModel& model,
               model::MessageSink& sink, OpenProject& project)
      : ui_(ui), window_(window), model_(model), sink_(sink), project_(project) {}

  // The importer of the sibling program's files; none: their take-over is not available.
  void set_sibling_import(model::SiblingImport* import) { sibling_import_ = import; }

  // save_project and save_project_as tell whether the project was written.
  void new_project();
  void open_project();
  bool save_project();
  bool save_project_as();
  void open_recent_file(int index);
  // Replaces the superstructure from a project file, or from the sibling program's conditions
  // file keeping the improved-soil blocks.
  void replace_superstructure();

  // Commits the pages and, when the project differs from its "ORG" snapshot, asks whether to
  // save the changes (the question of the run and of the close). False when the command
  // should stop: Cancel, or with `stop_unless_saved` a save that did not happen.
  bool ask_to_save_changes(bool stop_unless_saved);

 private:
  QWidget* owner() { return window_.command_owner(); }
  bool save_question(const QString& text, bool stop_unless_saved);
  void adopt_project_path(const QString& path);
  void adopt_sibling_design(model::ProjectModel&& staged, const std::string& path);
  bool open_project_file(const QString& path);
  void open_sibling_design(const QString& path, bool single_file);

  UiPort& ui_;
  CommandWindow& window_;
  model::ProjectModel& model_;
  model::MessageSink& sink_;
  OpenProject& project_;
  model::SiblingImport* sibling_import_ = nullptr;
};

}  // namespace qvt::shell
