#pragma once
// The main window Form1: its load steps, the close question, the project commands (new, open,
// save, save-as, recent files), the calculation run and the result, eccentric-check and print
// commands, with the menu bar and the toolbar that reach them.
#include "frontend/model/project.h"
#include "frontend/model/sibling_import.h"
#include "frontend/section/editor_state.h"
#include "frontend/shell/block_dialogs_port.h"
#include "frontend/pages/widgets/page_status_bar.h"
#include "frontend/shell/input_pages.h"
#include "frontend/shell/section_view.h"
#include "frontend/shell/ui_port.h"

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
class QToolBar;

namespace qvt::shell {

class frmSplash;

// The engines of a run, in their order; each is started by its bare name from the install
// folder.
inline constexpr std::array<const char*, 8> kEngineChain = {
    "SAVELIN", "PELUDRA", "ZENOBAR", "OSKAVEL", "VASKUDE", "TOLMIRE", "MERITAN", "JORPELA"};
// The report viewer, started with "/PDTOPEN".
inline constexpr const char* kReportViewer = "PRANDEL";

class Form1 : public QMainWindow {
 public:
  Form1(UiPort& ui, const std::filesystem::path& install_folder,
        const std::filesystem::path& work_folder, const std::string& command_line,
        bool check_updates_at_start);
  ~Form1() override;

  // The load steps, in order: version, splash, recent files, pages, stale results, the reset
  // project and its "ORG" snapshot.
  void Form_Load();

  // Project commands. save_Click and add_save_Click tell whether the project was written.
  void new_Click();
  void open_Click();
  bool save_Click();
  bool add_save_Click();
  void mnuRecentFile_Click(int Index);
  void end_Click();

  // Calculation and results.
  void cal_Click();
  void ans_Click();
  void hensin_Click();
  void printout_Click();

  // Replaces the superstructure from a project file, or from the sibling program's conditions
  // file keeping the improved-soil blocks (the button "上部工の入れ替え").
  void Command1_Click();
  // The importer of the sibling program's files; none: their take-over is not available.
  void set_sibling_import(model::SiblingImport* import) { sibling_import_ = import; }

  // Options, manuals, update history, updater and version dialog.
  void custom_Click();
  void help_Click();
  void help2_Click();
  void revrec_Click();
  void update_Click();
  void ver_Click();

  // Menus, toolbar and the page selector.
  void newver_Click();
  void Toolbar1_ButtonClick(int button);
  void inp_menu_Click(int Index);
  void opt_menu_Click(int Index);

  // Recent-file list.
  bool OnRecentFilesList(const QString& FileName, int& npos) const;
  void WriteRecentFiles(const QString& OpenFileName, int npos);
  void GetRecentFiles();
  void UpdateFileMenu(const QString& FileName);

  // The commit of pages 0, 2, 3, 4 and 6 into the model.
  void StoreAllPanels();
  void reload_pages_and_take_snapshot();

  // State, for the commands of other windows and for tests.
  model::ProjectModel& model() { return model_; }
  const QString& dlg1_file_name() const { return dlg1_file_name_; }
  int tab_no() const { return tab_no_; }
  bool check_updates_at_start() const { return check_updates_at_start_; }
  bool is_waiting_for_program() const { return waiting_for_program_; }
  InputPages& pages() { return *pages_; }
  SectionView& view() { return *view_; }
  // The editor state the picture, the pages and the block dialogs share, and the block dialogs
  // the register buttons and the block editors open.
  section::EditorState& editor() { return editor_; }
  dialogs::BlockDialogs& block_dialogs() { return block_dialogs_; }
  pages::PageStatusBar& stv_gm() { return *stv_gm_; }
  QAction* mnuRecentFile(int index) const { return mnuRecentFile_.at(index); }
  QAction* toolbar_button(int button) const { return toolbar_buttons_.at(button); }
  QPushButton* Command1() const { return Command1_; }
  // Set to -1 when the update command ends the program: the close then asks nothing.
  int AUTO_SW = 0;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_menus();
  void build_toolbar();
  void build_page_selector(QWidget* client);

  void Form_QueryUnload(bool& Cancel);
  void Form_Unload();

  // Shared steps of the file commands.
  bool save_question(const QString& text, bool stop_unless_saved);
  void store_visible_page();
  void adopt_project_path(const QString& path);
  void set_caption(const std::string& title);
  void page_reset_and_reload();
  void page_show();
  void view_reset();
  void delete_stale_results();
  bool open_project_file(const QString& path);
  void open_sibling_design(const QString& path, bool single_file);
  void open_document(const std::filesystem::path& file, const QString& no_viewer_text);
  bool confirm_overwrite(const QString& chosen, const std::string& base,
                         const QString& title = QStringLiteral("名前を付けて保存"));
  QString dialog_start_name() const;
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
  section::EditorState editor_;
  ShellBlockDialogs block_dialogs_;
  EditorBlockDialogs editor_dialogs_{block_dialogs_};
  std::unique_ptr<InputPages> pages_;
  std::unique_ptr<SectionView> view_;
  std::unique_ptr<pages::PageStatusBar> stv_gm_;
  std::unique_ptr<frmSplash> splash_;

  QString dlg1_file_name_;
  int tab_no_ = 0;
  bool check_updates_at_start_ = false;
  bool waiting_for_program_ = false;

  QButtonGroup* opt_menu_group_ = nullptr;
  std::array<QRadioButton*, kInputPageCount> opt_menu_{};
  std::array<QAction*, 6> mnuRecentFile_{};
  QAction* newver_ = nullptr;
  QToolBar* Toolbar1_ = nullptr;
  QPushButton* Command1_ = nullptr;
  model::SiblingImport* sibling_import_ = nullptr;
  // Set when the project was named after a sibling file: its first save asks before it
  // replaces a project pair that already lies beside that file.
  bool ask_before_first_save_ = false;
  std::array<QAction*, 13> toolbar_buttons_{};  // 1 to 12; separators stay null
};

}  // namespace qvt::shell
