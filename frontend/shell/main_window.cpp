#include "frontend/shell/main_window.h"

#include "common/clock.h"
#include "frontend/dialogs/widgets/about_dialog_widget.h"
#include "frontend/dialogs/widgets/options_dialog_widget.h"
#include "frontend/model/block_keep.h"
#include "frontend/model/project_files.h"
#include "frontend/model/snapshots.h"
#include "frontend/model/version_text.h"
#include "frontend/widgets/text_box_focus.h"
#include "frontend/shell/program_start.h"
#include "frontend/shell/launchers.h"
#include "frontend/shell/main_menus.h"
#include "frontend/shell/program_runner.h"
#include "frontend/results/widgets/clay_check_dialog.h"
#include "frontend/results/widgets/results_table_dialog.h"
#include "frontend/results/widgets/sand_check_dialog.h"
#include "frontend/shell/settings_store.h"
#include "frontend/shell/shell_logic.h"
#include "frontend/shell/splash_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

namespace qvt::shell {

namespace {

const QString kSaveTitle = QStringLiteral("保存確認");
// The question of the run and of the close request.
const QString kAskSaveChanged = QStringLiteral("検討条件が更新されています。保存しますか？");
// The question of new, open and the recent-file command.
const QString kAskSaveOpenData =
    QStringLiteral("現在開いているデータが保存されていません。保存しますか？");

const QString kOpenFilter = QStringLiteral(
    "ﾃﾞｰﾀ ﾌｧｲﾙ (*.msj);;BrakmoorTarnﾃﾞｰﾀ ﾌｧｲﾙ (*.tj2);;BrakmoorFellﾃﾞｰﾀ ﾌｧｲﾙ (*.tj3)");
const QString kReplaceFilter =
    QStringLiteral("ﾃﾞｰﾀ ﾌｧｲﾙ (*.msj);;Brakmoorﾃﾞｰﾀ ﾌｧｲﾙ (*.tj2)");
const QString kSiblingUnavailable =
    QStringLiteral("Brakmoorデータ(.tj2/.tj3)の読込みは、この版ではまだ使用できません。");

const QString kSectionSettings = QStringLiteral("Settings");
const QString kKeyVerCheckFlag = QStringLiteral("VerCheckFlag");

// The categories in the order of the menu "データ入力" and of the page selector buttons: the
// earth-pressure category before the dimension lines. Menu item k chooses category [k].
constexpr std::array<int, kInputPageCount> kCategoryOrder = {
    section::kDesignConditionsPage, section::kSuperstructurePage, section::kImprovedBodyPage,
    section::kGroundSurfacePage,    section::kBearingLayerPage,   section::kEarthPressurePage,
    section::kDimensionLinePage};
// The page a project opens on.
constexpr int kFirstPage = section::kDesignConditionsPage;

QString qstr(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

MainWindow::MainWindow(UiPort& ui, const std::filesystem::path& install_folder,
                       const std::filesystem::path& work_folder, const std::string& command_line,
                       bool check_updates_at_start)
    : ui_(ui),
      sink_(ui, this),
      block_dialogs_(ui, this, model_, editor_),
      check_updates_at_start_(check_updates_at_start) {
  setObjectName(QStringLiteral("MainWindow"));
  model_.install_folder = install_folder;
  model_.work_folder = work_folder;
  model_.command_line = trimmed_command_line(command_line);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);
  build_page_selector(client);
  replace_superstructure_button_ = new QPushButton(QStringLiteral("上部工の入れ替え"), client);
  replace_superstructure_button_->setObjectName(QStringLiteral("replace_superstructure"));
  replace_superstructure_button_->adjustSize();
  replace_superstructure_button_->move(
      category_buttons_[kCategoryOrder.back()]->geometry().right() + 24, 6);
  connect(replace_superstructure_button_, &QPushButton::clicked, this,
          [this] { replace_superstructure(); });
  view_ = std::make_unique<SectionView>(client, model_, ui_, editor_);
  status_bar_ =
      std::make_unique<pages::PageStatusBar>(this, sink_, [this] { view_->repaint_section(); });
  pages_ = std::make_unique<InputPages>(client, model_, *status_bar_, *view_);
  view_->attach_pages(*pages_);
  view_->set_block_dialogs(&editor_dialogs_);
  pages_->set_block_dialogs(&block_dialogs_);
  menus_ = std::make_unique<MainMenus>(*this, check_updates_at_start_);
  view_->attach_toolbar(menus_->toolbar_button(ToolbarButton::whole_section),
                        menus_->toolbar_button(ToolbarButton::zoom_in),
                        menus_->toolbar_button(ToolbarButton::zoom_out));
  view_->attach_status_bar(status_bar_->prompt_label(), status_bar_->readout_label());
  // A number box or grid cell of a page or a dialog that goes back to its value says why in
  // the prompt line; the label is watched, so a closed window leaves nothing behind. Clearing
  // takes the notice away only while it is still what the line shows, not a hint written since.
  widgets::TextBoxFocus::set_status_line([panel = QPointer<QLabel>(status_bar_->prompt_label())](
                                             const std::string& text) {
    if (!panel) return;
    if (!text.empty())
      panel->setText(QString::fromStdString(text));
    else if (panel->text() == QString::fromUtf8(widgets::kMsgNotANumber) ||
             panel->text() == QString::fromUtf8(widgets::kMsgOutOfRange))
      panel->clear();
  });
}

MainWindow::~MainWindow() = default;

// ---------------------------------------------------------------------------------------------
// Page selector and menu commands

void MainWindow::build_page_selector(QWidget* client) {
  static const char* const kCaptions[kInputPageCount] = {
      "設計条件", "上部工", "改良体", "地表面", "支持層", "寸法線", "土圧作用"};
  category_group_ = new QButtonGroup(this);
  int x = 8;
  for (const int i : kCategoryOrder) {
    auto* b = new QRadioButton(QString::fromUtf8(kCaptions[i]), client);
    b->setObjectName(QStringLiteral("category_%1").arg(i));
    b->adjustSize();
    // Above the section picture's upper arrow bar, not over it.
    b->move(x, 8);
    x += b->width() + 16;
    category_group_->addButton(b, i);
    category_buttons_[i] = b;
  }
  category_buttons_[kFirstPage]->setChecked(true);
  connect(category_group_, &QButtonGroup::idClicked, this,
          [this](int id) { choose_category(id); });
}

void MainWindow::toggle_update_check_at_start() {
  check_updates_at_start_ = !check_updates_at_start_;
  menus_->update_check_action()->setChecked(check_updates_at_start_);
}

void MainWindow::press_toolbar_button(ToolbarButton button) {
  switch (button) {
    case ToolbarButton::new_project: new_project(); break;
    case ToolbarButton::open_project: open_project(); break;
    case ToolbarButton::save_project: save_project(); break;
    case ToolbarButton::calculate: calculate(); break;
    case ToolbarButton::print_report: print_report(); break;
    case ToolbarButton::whole_section: view_->view_whole_section(); break;
    case ToolbarButton::zoom_in: view_->enter_zoom_in_mode(); break;
    case ToolbarButton::zoom_out: view_->enter_zoom_out_mode(); break;
    case ToolbarButton::manual: open_manual(); break;
    default: break;  // no such button
  }
}

void MainWindow::choose_input_menu_item(int index) {
  if (index < 0 || index >= kInputPageCount) return;
  const int page = kCategoryOrder[index];
  category_buttons_[page]->setChecked(true);
  choose_category(page);
}

void MainWindow::choose_category(int Index) {
  if (Index < 0 || Index >= kInputPageCount) return;
  pages_->page_switch().set_tab_no(current_page_);
  pages_->page_switch().choose_category(Index);
  current_page_ = pages_->page_switch().tab_no();
}

// ---------------------------------------------------------------------------------------------
// Load and close

void MainWindow::load() {
  closing_for_update = false;
  view_->set_picture_size(6795, 6375);
  model_.version_text = model::read_version_text(model_.install_folder / "SYSVER.DAT");

  splash_ = std::make_unique<SplashWindow>(qstr(model_.version_text));
  splash_->show();
  splash_->repaint();

  menus_->update_check_action()->setChecked(check_updates_at_start_);
  splash_.reset();

  resize(800, 606);
  if (const QScreen* s = screen()) {
    const QRect area = s->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
  menus_->recent_files().show_stored();
  project_.set_previous_folder_from(menus_->recent_files().path(1));

  for (int i = 0; i < kInputPageCount; ++i) {
    pages_->page_container(i)->hide();
    pages_->page_container(i)->setEnabled(false);
  }
  setWindowTitle(qstr(start_caption(model_.version_text)));
  pages_->page_container(kFirstPage)->setEnabled(true);
  pages_->page_container(kFirstPage)->show();
  current_page_ = kFirstPage;
  category_buttons_[kFirstPage]->setChecked(true);
  view_->set_shown(false);

  delete_stale_results();
  if (!model::reset_project_to_defaults(model_)) report_options_unreadable();
  for (int s = 0; s < model::MAX_WALL_BLOCKS; ++s) model_.wall_blocks[s].block_type = model::BLOCK_EMPTY;

  reload_pages_and_take_snapshot();

  project_.name_untitled();
  model_.project_file_path = kUntitled;
  pages_->show_td_controls(is_td_command_line(model_.command_line));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // While a program of the system runs, the window takes no command, its close box included.
  if (waiting_for_program_) {
    event->ignore();
    return;
  }
  if (!may_close()) {
    event->ignore();
    return;
  }
  save_settings_on_close();
  event->accept();
}

bool MainWindow::may_close() {
  if (closing_for_update) return true;
  // Unsaved changes are never dropped by a save that did not happen: the window stays open
  // unless the save succeeded or the answer was No.
  return save_question(kAskSaveChanged, true);
}

void MainWindow::save_settings_on_close() {
  save_setting(kSectionSettings, kKeyVerCheckFlag,
               check_updates_at_start_ ? QStringLiteral("True") : QStringLiteral("False"));
}

void MainWindow::end_program() { close(); }

// ---------------------------------------------------------------------------------------------
// Shared steps

// The pages show the model and are stored back before the "ORG" snapshot, so the snapshot
// holds exactly what the pages would commit.
void MainWindow::reload_pages_and_take_snapshot() {
  // A notice about an entry of the project that was open says nothing about this one.
  widgets::TextBoxFocus::clear_notice();
  pages_->load_design_conditions_page();
  pages_->load_improved_body_page();
  pages_->load_ground_surface_page();
  pages_->load_bearing_layer_page();
  pages_->load_earth_pressure_page();
  store_all_pages();
  write_snapshot("ORG");
}

void MainWindow::store_all_pages() {
  // The superstructure page is loaded only on arrival: it commits only while it is shown, so a
  // run, save or close started on it takes its edits.
  if (pages_->is_shown(section::kSuperstructurePage)) pages_->store_superstructure_page();
  pages_->store_design_conditions_page();
  pages_->store_improved_body_page();
  pages_->store_ground_surface_page();
  pages_->store_bearing_layer_page();
  pages_->store_earth_pressure_page();
}

int MainWindow::write_snapshot(const char* ext) {
  return model::write_project_files(model_, ext, true, sink_);
}

bool MainWindow::snapshots_differ(const char* ext_a, const char* ext_b) {
  return model::compare_snapshot_files(model_, ext_a, ext_b, sink_) == -1;
}

bool MainWindow::save_question(const QString& text, bool stop_unless_saved) {
  store_all_pages();
  write_snapshot("EDT");
  if (!snapshots_differ("EDT", "ORG")) return true;
  const Answer a = ui_.message_box(this, MessageIcon::Information, kSaveTitle, text,
                                   Buttons::YesNoCancel, Answer::No);
  if (a == Answer::Cancel) return false;
  if (a == Answer::No) return true;
  const bool saved = project_.is_untitled() ? save_project_as()
                                                                       : save_project();
  return saved || !stop_unless_saved;
}

void MainWindow::store_visible_page() {
  // The dimension-line page has nothing to commit.
  if (pages_->is_shown(current_page_)) pages_->store_page(current_page_);
}

void MainWindow::set_caption(const std::string& title) {
  setWindowTitle(qstr(window_caption(model_.version_text, title)));
}

void MainWindow::adopt_project_path(const QString& path) {
  const std::string p = path.toStdString();
  project_.name_after_project_file(path);
  set_caption(title_of_path(p));
}

// A project read from a sibling program's file becomes the open one, named after that file.
void MainWindow::adopt_sibling_design(model::ProjectModel&& staged, const std::string& path) {
  model_ = std::move(staged);
  project_.name_after_sibling_file(path);
  set_caption(title_of_path(path));
  show_fresh_project();
}

// The pages, the picture and the result files start over with the project now in the model.
void MainWindow::show_fresh_project() {
  page_reset_and_reload();
  delete_stale_results();
  page_show();
  view_reset();
}

void MainWindow::page_reset_and_reload() {
  pages_->page_container(current_page_)->hide();
  pages_->page_container(current_page_)->setEnabled(false);
  current_page_ = kFirstPage;
  category_buttons_[kFirstPage]->setChecked(true);
  choose_category(kFirstPage);
  view_->set_shown(false);
  pages_->reselect_point_option(pages::PointOption::passive);
  pages_->reselect_layer_side(SIDE_PASSIVE);
  reload_pages_and_take_snapshot();
}

void MainWindow::page_show() {
  pages_->page_container(current_page_)->show();
  pages_->page_container(current_page_)->setEnabled(true);
}

void MainWindow::view_reset() {
  view_->compute_section_extents();
  view_->hscroll_last = 0;
  view_->horizontal_bar()->setValue(0);
  view_->vscroll_last = 0;
  view_->vertical_bar()->setValue(0);
  view_->bs_mode = 0;
}

void MainWindow::delete_stale_results() { shell::delete_stale_results(model_.work_folder); }

void MainWindow::report_options_unreadable() {
  ui_.notice(this, MessageIcon::Exclamation, QString(),
             QStringLiteral("カスタムﾌｧｲﾙ(QVT_DAT.CST)が読み込み出来ません。"));
}

// ---------------------------------------------------------------------------------------------
// Project commands

void MainWindow::new_project() {
  if (!save_question(kAskSaveOpenData, true)) return;
  set_caption(kUntitled);
  if (!model::reset_project_to_defaults(model_)) report_options_unreadable();
  project_.name_untitled();
  show_fresh_project();
}

void MainWindow::open_project() {
  if (!save_question(kAskSaveOpenData, true)) return;
  FileRequest request;
  request.caption = QStringLiteral("開く");
  request.filter = kOpenFilter;
  request.start = project_.dialog_start_name();
  const auto path = ui_.open_file(this, request);
  if (!path) return;
  const std::string suffix = suffix_of_path(path->toStdString());
  if (suffix == "msj") {
    open_project_file(*path);
  } else if ((suffix == "tj2" || suffix == "tj3") && sibling_import_) {
    open_sibling_design(*path, suffix == "tj3");
  } else if (suffix == "tj2" || suffix == "tj3") {
    ui_.notice(this, MessageIcon::Information, QString(), kSiblingUnavailable);
  } else {
    ui_.notice(this, MessageIcon::Critical, QStringLiteral("エラー"),
               QStringLiteral("ファイルオープンエラー"));
  }
}

void MainWindow::open_recent_file(int index) {
  if (index < 1 || index > RecentFiles::kPositions) return;
  if (!save_question(kAskSaveOpenData, true)) return;
  const QString path = menus_->recent_files().path(index);
  if (path.isEmpty()) return;
  open_project_file(path);
}

// Takes a design of the sibling program over. With improved-soil blocks in the project the
// user chooses, for a .tj2 set, between a new project (Yes) and keeping those blocks under the
// sibling's superstructure (No); a .tj3 design always starts a new project. The import works
// on a copy: the project, its names and caption, its snapshots and results change only when
// every file was read.
void MainWindow::open_sibling_design(const QString& path, bool single_file) {
  const std::string p = path.toStdString();
  const std::string base = base_of_path(p);
  bool keep_soil = false;
  for (int s = 0; s < model::MAX_WALL_BLOCKS && !single_file; ++s) {
    const auto type = model_.wall_blocks[s].block_type;
    if (type == model::BLOCK_SOIL_POLYGON || type == model::BLOCK_SOIL_RECTANGLE) keep_soil = true;
  }
  if (keep_soil) {
    const Answer a = ui_.message_box(
        this, MessageIcon::Information, QStringLiteral("読込み方法確認"),
        QStringLiteral("現在編集中の改良体データがあります。初期化してBrakmoorのデータを開きますか？"
                       "\n\nはい：初期化してBrakmoorデータを開きます\n"
                       "いいえ：編集中データの上部工としてBrakmoorデータを開きます"),
        Buttons::YesNoCancel, Answer::Yes);
    if (a == Answer::Cancel) return;
    keep_soil = a == Answer::No;
  }
  auto staged = std::make_unique<model::ProjectModel>(model_);
  if (keep_soil) {
    const model::SuperstructureTakeover r = model::take_over_superstructure(
        *staged, base, *sibling_import_, sink_, model::KeptBlockLabels::NumberBySlot);
    if (r.outcome == model::SuperstructureTakeover::Outcome::NoSlot)
      ui_.notice(this, MessageIcon::Exclamation, QStringLiteral("読込み方法確認"),
                 QStringLiteral("改良体ブロックを戻す空きブロックがありません。\n"
                                "読込みを中止します。（改良体 %1 個、空き %2 個）")
                     .arg(r.kept)
                     .arg(r.empty_slots));
    if (r.outcome != model::SuperstructureTakeover::Outcome::Done) return;
  } else {
    bool options_read = model::reset_project_to_defaults(*staged);
    const bool done = single_file ? sibling_import_->import_tj3_project(base, *staged, sink_)
                                  : sibling_import_->import_tj2_project(base, *staged, sink_);
    if (!done) return;
    if (!options_read) report_options_unreadable();
  }
  adopt_sibling_design(std::move(*staged), p);
}

// Loads <base>.MSJ/.MBJ of the path. The model, the names, the caption, the snapshots, the
// results and the recent-file list change only when the load succeeded; a failed load has
// shown its message and leaves the project as it was.
bool MainWindow::open_project_file(const QString& path) {
  if (!model::load_project_files(base_of_path(path.toStdString()), model_, sink_)) return false;
  adopt_project_path(path);
  show_fresh_project();
  menus_->recent_files().add(path);
  return true;
}

bool MainWindow::save_project() {
  store_visible_page();
  if (project_.is_untitled()) return save_project_as();
  if (!project_.save()) return false;
  write_snapshot("ORG");
  return true;
}

bool MainWindow::save_project_as() {
  store_visible_page();
  const auto path = project_.save_as();
  if (!path) return false;
  adopt_project_path(*path);
  write_snapshot("ORG");
  menus_->recent_files().add(*path);
  return true;
}

// ---------------------------------------------------------------------------------------------
// Calculation run

void MainWindow::calculate() {
  if (waiting_for_program_) return;
  // The run goes on whatever a save chosen here did: the model is not lost by running.
  if (!save_question(kAskSaveChanged, false)) return;
  if (model::write_engine_input(model_, sink_) != 0) {
    // The writer has said why. The engines' input of the last run is gone with it, so its
    // results no longer belong to anything on record.
    delete_stale_results();
    return;
  }
  delete_stale_results();
  if (run_engine_chain()) {
    results::ResultsTableDialog results(this, model_, sink_, results_save_dialog());
    ui_.exec_dialog(results);
  }
}

// Runs the engines one after another with the window disabled. True when all ended with 0. A
// run that stops leaves no result files, so the result commands say that nothing has been
// calculated rather than show the partial output of the engines before the stop.
bool MainWindow::run_engine_chain() {
  setEnabled(false);
  waiting_for_program_ = true;
  const bool finished =
      EngineChainRunner(ui_, this).run(model_.install_folder, model_.work_folder);
  if (!finished) delete_stale_results();
  waiting_for_program_ = false;
  setEnabled(true);
  activateWindow();
  setFocus();
  return finished;
}

// ---------------------------------------------------------------------------------------------
// Result, eccentric-check and print commands

bool MainWindow::result_command_prelude(const char* result_file, const QString& title,
                                        const QString& missing_text,
                                        const QString& changed_text) {
  store_all_pages();
  write_snapshot("EDT");
  std::error_code ec;
  if (!std::filesystem::exists(model_.work_folder / result_file, ec)) {
    ui_.notice(this, MessageIcon::Information, title, missing_text);
    return false;
  }
  if (snapshots_differ("CAL", "EDT"))
    ui_.notice(this, MessageIcon::Information, title,
               QStringLiteral("前回の計算よりデータが更新されています。\n") + changed_text);
  return true;
}

void MainWindow::show_results() {
  if (!result_command_prelude(kResultSummaryFile, QStringLiteral("結果表示"),
                              QStringLiteral("未計算の為、表示する結果はありません。"),
                              QStringLiteral("前回の計算結果の表示します。")))
    return;
  results::ResultsTableDialog results(this, model_, sink_, results_save_dialog());
  ui_.exec_dialog(results);
}

std::function<std::optional<std::string>(const std::string&)> MainWindow::results_save_dialog() {
  return [this](const std::string& proposed) -> std::optional<std::string> {
    FileRequest request;
    request.caption = QStringLiteral("Text出力");
    request.filter = QStringLiteral("ﾃｷｽﾄ ﾌｧｲﾙ (*.txt)");
    request.start = QString::fromStdString(proposed);
    request.default_suffix = QStringLiteral("txt");
    const auto path = ui_.save_file(this, request);
    if (!path) return std::nullopt;
    return path->toStdString();
  };
}

void MainWindow::eccentric_check() {
  if (!result_command_prelude(kEccentricResultFile, QStringLiteral("偏心傾斜"),
                              QStringLiteral("未計算の為、偏心傾斜による検討は出来ません。"),
                              QStringLiteral("前回の計算結果を使って検討をします。")))
    return;
  if (model_.conditions.bearing_layer.soil_type == 0) {
    results::SandCheckDialog check(this, model_, sink_);
    // A chart that could not be loaded has been reported; no check is offered without it.
    if (check.load_result() != results::SandCheck::Load::no_dialog) ui_.exec_dialog(check);
  } else {
    results::ClayCheckDialog check(this, model_, sink_);
    ui_.exec_dialog(check);
  }
}

void MainWindow::print_report() {
  if (waiting_for_program_) return;
  if (!result_command_prelude(kResultSummaryFile, QStringLiteral("帳票印刷"),
                              QStringLiteral("未計算の為、印刷する帳票はありません。"),
                              QStringLiteral("前回の計算結果の印刷を行います。")))
    return;
  ProgramStart start{model_.install_folder / kReportViewer, {QStringLiteral("/PDTOPEN")},
                     model_.work_folder};
  setEnabled(false);
  waiting_for_program_ = true;
  const RunOutcome out = run_and_wait(ui_, this, start);
  if (!out.exited_with(0) && !out.exited_with(1))
    ui_.notice(this, MessageIcon::Exclamation, QStringLiteral("帳票印刷"),
               abnormal_end_text(QStringLiteral("帳票ビューア"), start, out));
  waiting_for_program_ = false;
  setEnabled(true);
}

// ---------------------------------------------------------------------------------------------
// Replace superstructure

void MainWindow::replace_superstructure() {
  if (!save_question(kAskSaveOpenData, true)) return;
  FileRequest request;
  request.caption = QStringLiteral("上部工の入れ替え");
  request.filter = kReplaceFilter;
  request.start = project_.dialog_start_name();
  const auto path = ui_.open_file(this, request);
  if (!path) return;
  const std::string p = path->toStdString();
  const std::string suffix = suffix_of_path(p);
  if (suffix == "msj") {
    // A project file replaces the whole project, as open does.
    if (open_project_file(*path)) view_->view_whole_section();
    return;
  }
  if (suffix != "tj2") {
    ui_.notice(this, MessageIcon::Critical, QStringLiteral("エラー"),
               QStringLiteral("ファイルオープンエラー"));
    return;
  }
  if (!sibling_import_) {
    ui_.notice(this, MessageIcon::Information, QString(), kSiblingUnavailable);
    return;
  }
  // The take-over works on a copy: the project, its names, its snapshots, the results and the
  // recent-file list change only once the sibling's blocks and the kept ones all have a slot.
  auto staged = std::make_unique<model::ProjectModel>(model_);
  const std::string base = base_of_path(p);
  const model::SuperstructureTakeover r = model::take_over_superstructure(
      *staged, base, *sibling_import_, sink_, model::KeptBlockLabels::KeepSlotLabels);
  using Outcome = model::SuperstructureTakeover::Outcome;
  if (r.outcome == Outcome::ImportFailed) return;  // the importer has said why
  if (r.outcome == Outcome::NoSlot) {
    ui_.notice(this, MessageIcon::Exclamation, QStringLiteral("上部工の入れ替え"),
               QStringLiteral("改良体ブロックを戻す空きブロックがありません。\n"
                              "上部工の入れ替えを中止します。（改良体 %1 個、空き %2 個）")
                   .arg(r.kept)
                   .arg(r.empty_slots));
    return;
  }
  adopt_sibling_design(std::move(*staged), p);
  view_->view_whole_section();
}

// ---------------------------------------------------------------------------------------------
// Options, manuals, update history, updater, version

void MainWindow::options() {
  dialogs::OptionsDialogWidget dialog(this, model_.work_folder, model_.custom_options, sink_,
                              [this] { open_manual(); });
  ui_.exec_dialog(dialog);
}

void MainWindow::open_document(const std::filesystem::path& file, const QString& no_viewer_text) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    ui_.notice(this, MessageIcon::Exclamation, QString(), qstr(missing_document_message(file)));
    return;
  }
  if (!ui_.open_document(this, QUrl::fromLocalFile(qstr(file.string()))))
    ui_.notice(this, MessageIcon::Exclamation, QString(), no_viewer_text);
}

void MainWindow::open_manual() {
  open_document(model_.install_folder / kOperationManual, QString::fromUtf8(kMsgNoPdfApplication));
}

void MainWindow::open_product_overview() {
  open_document(model_.install_folder / kProductOverview, QString::fromUtf8(kMsgNoPdfApplication));
}

void MainWindow::show_update_history() {
  const UpdateHistoryTarget t = update_history_target(model_.install_folder);
  const QString no_viewer = QStringLiteral("更新履歴を開くアプリケーションが見つかりません。\n");
  switch (t.kind) {
    case UpdateHistoryTarget::Kind::Address:
      if (!ui_.open_document(this, QUrl(qstr(t.target), QUrl::StrictMode)))
        ui_.notice(this, MessageIcon::Exclamation, QString(), no_viewer + qstr(t.target));
      return;
    case UpdateHistoryTarget::Kind::Document:
      open_document(t.target, no_viewer + qstr(t.target));
      return;
    default: break;
  }
  ui_.notice(this, MessageIcon::Exclamation, QString(), qstr(update_history_message(t)));
}

void MainWindow::check_for_updates() {
  if (waiting_for_program_) return;
  // The updater may end the program: it runs only on saved data.
  store_all_pages();
  write_snapshot("EDT");
  if (snapshots_differ("EDT", "ORG")) {
    ui_.notice(this, MessageIcon::Exclamation, QStringLiteral("確認"),
               QStringLiteral("入力データが変更されています。\n"
                              "最新バージョンの確認を実行するには、データの保存が必要です。"));
    return;
  }
  UpdaterLauncher updater(ui_, this);
  // As in a run, the window takes no command while the updater works, its close box included.
  updater.set_busy = [this](bool busy) {
    setEnabled(!busy);
    waiting_for_program_ = busy;
  };
  if (updater.update(model_.install_folder, model_.work_folder) ==
      UpdaterLauncher::Outcome::ProgramEnds) {
    closing_for_update = true;
    close();
  }
}

void MainWindow::about() {
  dialogs::AboutDialogWidget about(this, model_.version_text, now_local().year,
                                [this](const QString& address) {
                                  if (!ui_.open_document(this, QUrl(address)))
                                    ui_.notice(this, MessageIcon::Exclamation, QString(),
                                               QStringLiteral("ﾌﾞﾗｳｻﾞが見つかりません。\n") +
                                                   address);
                                });
  ui_.exec_dialog(about);
}

}  // namespace qvt::shell
