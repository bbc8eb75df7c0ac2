#pragma once
// The main window: its load steps, the page selector, the close question, the options, manual,
// update and version commands, wiring the classes that do the rest: the menus (MainMenus), the
// file commands (FileCommands), the calculation and result commands (ResultCommands), the open
// project's name, writing and snapshots (OpenProject) and the updater (UpdaterLauncher).
#include "frontend/model/project.h"
#include "frontend/model/sibling_import.h"
#include "frontend/section/editor_state.h"
#include "frontend/shell/block_dialogs_port.h"
#include "frontend/pages/widgets/page_status_bar.h"
#include "frontend/shell/file_commands.h"
#include "frontend/shell/input_pages.h"
#include "frontend/shell/main_menus.h"
#include "frontend/shell/open_project.h"
#include "frontend/shell/result_commands.h"
#include "frontend/shell/section_view.h"
#include "frontend/shell/ui_port.h"
#include "frontend/shell/updater_launcher.h"

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace qvt::shell {

class SplashWindow;

class MainWindow : public QMainWindow, private CommandWindow {
 public:
  MainWindow(UiPort& ui, const std::filesystem::path& install_folder,
        const std::filesystem::path& work_folder, const std::string& command_line,
        bool check_updates_at_start);
  ~MainWindow() override;

  // The load steps, in order: version, splash, recent files, pages, stale results, the reset
  // project and its "ORG" snapshot.
  void load();

  // Project commands (FileCommands). save_project and save_project_as tell whether the project
  // was written.
  void new_project() { files_.new_project(); }
  void open_project() { files_.open_project(); }
  bool save_project() { return files_.save_project(); }
  bool save_project_as() { return files_.save_project_as(); }
  void open_recent_file(int index) { files_.open_recent_file(index); }
  void end_program();

  // Calculation and results (ResultCommands).
  void calculate() { results_.calculate(); }
  void show_results() { results_.show_results(); }
  void eccentric_check() { results_.eccentric_check(); }
  void print_report() { results_.print_report(); }

  // Replaces the superstructure from a project file, or from the sibling program's conditions
  // file keeping the improved-soil blocks (the button "上部工の入れ替え").
  void replace_superstructure() { files_.replace_superstructure(); }
  // The importer of the sibling program's files; none: their take-over is not available.
  void set_sibling_import(model::SiblingImport* import) { files_.set_sibling_import(import); }

  // Options, manuals, update history, updater and version dialog.
  void options();
  void open_manual();
  void open_product_overview();
  void show_update_history();
  void check_for_updates();
  void about();

  // Menus, toolbar and the page selector.
  void toggle_update_check_at_start();
  void press_toolbar_button(ToolbarButton button);
  void choose_input_menu_item(int index);
  void choose_category(int index);

  // The recent-file list of the file menu.
  RecentFiles& recent_files() override { return menus_->recent_files(); }

  // The commit of every page that holds data into the model: the superstructure page only
  // while it is shown.
  void store_all_pages() override;
  void reload_pages_and_take_snapshot();

  // State, for the commands of other windows and for tests.
  model::ProjectModel& model() { return model_; }
  const QString& project_name() const { return project_.name(); }
  int current_page() const { return current_page_; }
  bool check_updates_at_start() const { return check_updates_at_start_; }
  bool is_waiting_for_program() const override { return waiting_for_program_; }
  InputPages& pages() { return *pages_; }
  SectionView& view() { return *view_; }
  // The editor state the picture, the pages and the block dialogs share, and the block dialogs
  // the register buttons and the block editors open.
  section::EditorState& editor() { return editor_; }
  dialogs::BlockDialogs& block_dialogs() { return block_dialogs_; }
  pages::PageStatusBar& status_bar() { return *status_bar_; }
  QAction* recent_file_action(int index) const {
    return menus_->recent_files().action(index);
  }
  QAction* toolbar_button(ToolbarButton button) const { return menus_->toolbar_button(button); }
  QPushButton* replace_superstructure_button() const { return replace_superstructure_button_; }
  // Set when the update command ends the program: the close then asks nothing.
  bool closing_for_update = false;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_page_selector(QWidget* client);

  // Whether the window may close: unsaved changes are offered for saving first.
  bool may_close();
  void save_settings_on_close();

  // CommandWindow: what the file and result commands change of the window.
  QWidget* command_owner() override { return this; }
  void store_visible_page() override;
  void show_fresh_project() override;
  void set_caption(const std::string& title) override;
  void delete_stale_results() override;
  void report_options_unreadable() override;
  void view_whole_section() override;
  void set_waiting_for_program(bool waiting) override;

  void page_reset_and_reload();
  void page_show();
  void view_reset();
  void open_document(const std::filesystem::path& file, const QString& no_viewer_text);

  UiPort& ui_;
  model::ProjectModel model_;
  UiMessageSink sink_;
  OpenProject project_{ui_, this, model_, sink_};
  FileCommands files_{ui_, *this, model_, sink_, project_};
  ResultCommands results_{ui_, *this, model_, sink_, project_, files_};
  section::EditorState editor_;
  ShellBlockDialogs block_dialogs_;
  EditorBlockDialogs editor_dialogs_{block_dialogs_};
  std::unique_ptr<InputPages> pages_;
  std::unique_ptr<SectionView> view_;
  std::unique_ptr<pages::PageStatusBar> status_bar_;
  std::unique_ptr<SplashWindow> splash_;

  int current_page_ = section::kDesignConditionsPage;
  bool check_updates_at_start_ = false;
  bool waiting_for_program_ = false;

  QButtonGroup* category_group_ = nullptr;
  std::array<QRadioButton*, kInputPageCount> category_buttons_{};
  std::unique_ptr<MainMenus> menus_;
  QPushButton* replace_superstructure_button_ = nullptr;
};

}  // namespace qvt::shell
