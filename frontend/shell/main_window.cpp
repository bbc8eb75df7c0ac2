#include "frontend/shell/main_window.h"

#include "common/clock.h"
#include "frontend/dialogs/widgets/about_dialog_widget.h"
#include "frontend/dialogs/widgets/options_dialog_widget.h"
#include "frontend/model/version_text.h"
#include "frontend/widgets/text_box_focus.h"
#include "frontend/shell/launchers.h"
#include "frontend/shell/main_menus.h"
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
  return files_.ask_to_save_changes(true);
}

void MainWindow::save_settings_on_close() {
  save_setting(kSectionSettings, kKeyVerCheckFlag,
               check_updates_at_start_ ? QStringLiteral("True") : QStringLiteral("False"));
}

void MainWindow::end_program() { close(); }

// ---------------------------------------------------------------------------------------------
// What the pages and the commands share

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
  project_.write_snapshot("ORG");
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

void MainWindow::store_visible_page() {
  // The dimension-line page has nothing to commit.
  if (pages_->is_shown(current_page_)) pages_->store_page(current_page_);
}

void MainWindow::set_caption(const std::string& title) {
  setWindowTitle(qstr(window_caption(model_.version_text, title)));
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

void MainWindow::view_whole_section() { view_->view_whole_section(); }

void MainWindow::set_waiting_for_program(bool waiting) {
  if (waiting) {
    setEnabled(false);
    waiting_for_program_ = true;
  } else {
    waiting_for_program_ = false;
    setEnabled(true);
  }
}

void MainWindow::report_options_unreadable() {
  ui_.notice(this, MessageIcon::Exclamation, QString(),
             QStringLiteral("カスタムﾌｧｲﾙ(QVT_DAT.CST)が読み込み出来ません。"));
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
  project_.write_snapshot("EDT");
  if (project_.snapshots_differ("EDT", "ORG")) {
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
