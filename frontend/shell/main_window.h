#pragma once
// The main window: its load steps, the close question, the project commands (new, open,
// save, save-as, recent files), the calculation run and the result, eccentric-check and print
// commands. The menus (MainMenus), the open project's name and writing (OpenProject), the
// engine chain (EngineChainRunner) and the updater (UpdaterLauncher) are classes of their own.
#include "frontend/model/project.h"
#include "frontend/model/sibling_import.h"
#include "frontend/section/editor_state.h"
#include "frontend/shell/block_dialogs_port.h"
#include "frontend/pages/widgets/page_status_bar.h"
#include "frontend/shell/engine_chain.h"
#include "frontend/shell/input_pages.h"
#include "frontend/shell/main_menus.h"
#include "frontend/shell/open_project.h"
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

// The report viewer, started with "/PDTOPEN".
inline constexpr const char* kReportViewer = "PRANDEL";

class MainWindow : public QMainWindow {
 public:
  MainWindow(UiPort& ui, const std::filesystem::path& install_folder,
        const std::filesystem::path& work_folder, const std::string& command_line,
        bool check_updates_at_start);
  ~MainWindow() override;

  // The load steps, in order: version, splash, recent files, pages, stale results, the reset
  // project and its "ORG" snapshot.
  void load();

  // Project commands. save_project and save_project_as tell whether the project was written.
  void new_project();
  void open_project();
  bool save_project();
  bool save_project_as();
  void open_recent_file(int index);
  void end_program();

  // Calculation and results.
  void calculate();
  void show_results();
  void eccentric_check();
  void print_report();

  // Replaces the superstructure from a project file, or from the sibling program's conditions
  // file keeping the improved-soil blocks (the button "上部工の入れ替え").
  void replace_superstructure();
  // The importer of the sibling program's files; none: their take-over is not available.
  void set_sibling_import(model::SiblingImport* import) { sibling_import_ = import; }

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
  RecentFiles& recent_files() { return menus_->recent_files(); }

  // The commit of every page that holds data into the model: the superstructure page only
  // while it is shown.
  void store_all_pages();
  void reload_pages_and_take_snapshot();

  // State, for the commands of other windows and for tests.
  model::ProjectModel& model() { return model_; }
  const QString& project_name() const { return project_.name(); }
  int current_page() const { return current_page_; }
  bool check_updates_at_start() const { return check_updates_at_start_; }
  bool is_waiting_for_program() const { return waiting_for_program_; }
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

  // Shared steps of the file commands.
  bool save_question(const QString& text, bool stop_unless_saved);
  void store_visible_page();
  void adopt_project_path(const QString& path);
  void adopt_sibling_design(model::ProjectModel&& staged, const std::string& path);
  void show_fresh_project();
  void set_caption(const std::string& title);
  void page_reset_and_reload();
  void page_show();
  void view_reset();
  void delete_stale_results();
  bool open_project_file(const QString& path);
  void open_sibling_design(const QString& path, bool single_file);
  void open_document(const std::filesystem::path& file, const QString& no_viewer_text);
  void report_options_unreadable();

  int write_snapshot(const char* ext);
  bool snapshots_differ(const char* ext_a, const char* ext_b);
  bool result_command_prelude(const char* result_file, const QString& title,
                              const QString& missing_text, const QString& changed_text);
  bool run_engine_chain();
  // The save dialog of the results' text export.
  std::function<std::optional<std::string>(const std::string&)> results_save_dialog();

  UiPort& ui_;
  model::ProjectModel model_;
  UiMessageSink sink_;
  OpenProject project_{ui_, this, model_, sink_};
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
  model::SiblingImport* sibling_import_ = nullptr;
};

}  // namespace qvt::shell
