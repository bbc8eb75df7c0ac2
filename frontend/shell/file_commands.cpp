#include "frontend/shell/file_commands.h"

#include "frontend/model/block_keep.h"
#include "frontend/model/project_files.h"
#include "frontend/shell/recent_files.h"
#include "frontend/shell/shell_logic.h"

#include <memory>
#include <utility>

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

}  // namespace

bool FileCommands::ask_to_save_changes(bool stop_unless_saved) {
  return save_question(kAskSaveChanged, stop_unless_saved);
}

bool FileCommands::save_question(const QString& text, bool stop_unless_saved) {
  window_.store_all_pages();
  project_.write_snapshot("EDT");
  if (!project_.snapshots_differ("EDT", "ORG")) return true;
  const Answer a = ui_.message_box(owner(), MessageIcon::Information, kSaveTitle, text,
                                   Buttons::YesNoCancel, Answer::No);
  if (a == Answer::Cancel) return false;
  if (a == Answer::No) return true;
  const bool saved = project_.is_untitled() ? save_project_as() : save_project();
  return saved || !stop_unless_saved;
}

void FileCommands::adopt_project_path(const QString& path) {
  const std::string p = path.toStdString();
  project_.name_after_project_file(path);
  window_.set_caption(title_of_path(p));
}

// A project read from a sibling program's file becomes the open one, named after that file.
void FileCommands::adopt_sibling_design(model::ProjectModel&& staged, const std::string& path) {
  model_ = std::move(staged);
  project_.name_after_sibling_file(path);
  window_.set_caption(title_of_path(path));
  window_.show_fresh_project();
}

void FileCommands::new_project() {
  if (!save_question(kAskSaveOpenData, true)) return;
  window_.set_caption(kUntitled);
  if (!model::reset_project_to_defaults(model_)) window_.report_options_unreadable();
  project_.name_untitled();
  window_.show_fresh_project();
}

void FileCommands::open_project() {
  if (!save_question(kAskSaveOpenData, true)) return;
  FileRequest request;
  request.caption = QStringLiteral("開く");
  request.filter = kOpenFilter;
  request.start = project_.dialog_start_name();
  const auto path = ui_.open_file(owner(), request);
  if (!path) return;
  const std::string suffix = suffix_of_path(path->toStdString());
  if (suffix == "msj") {
    open_project_file(*path);
  } else if ((suffix == "tj2" || suffix == "tj3") && sibling_import_) {
    open_sibling_design(*path, suffix == "tj3");
  } else if (suffix == "tj2" || suffix == "tj3") {
    ui_.notice(owner(), MessageIcon::Information, QString(), kSiblingUnavailable);
  } else {
    ui_.notice(owner(), MessageIcon::Critical, QStringLiteral("エラー"),
               QStringLiteral("ファイルオープンエラー"));
  }
}

void FileCommands::open_recent_file(int index) {
  if (index < 1 || index > RecentFiles::kPositions) return;
  if (!save_question(kAskSaveOpenData, true)) return;
  const QString path = window_.recent_files().path(index);
  if (path.isEmpty()) return;
  open_project_file(path);
}

// Takes a design of the sibling program over. With improved-soil blocks in the project the
// user chooses, for a .tj2 set, between a new project (Yes) and keeping those blocks under the
// sibling's superstructure (No); a .tj3 design always starts a new project. The import works
// on a copy: the project, its names and caption, its snapshots and results change only when
// every file was read.
void FileCommands::open_sibling_design(const QString& path, bool single_file) {
  const std::string p = path.toStdString();
  const std::string base = base_of_path(p);
  bool keep_soil = false;
  for (int s = 0; s < model::MAX_WALL_BLOCKS && !single_file; ++s) {
    const auto type = model_.wall_blocks[s].block_type;
    if (type == model::BLOCK_SOIL_POLYGON || type == model::BLOCK_SOIL_RECTANGLE) keep_soil = true;
  }
  if (keep_soil) {
    const Answer a = ui_.message_box(
        owner(), MessageIcon::Information, QStringLiteral("読込み方法確認"),
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
      ui_.notice(owner(), MessageIcon::Exclamation, QStringLiteral("読込み方法確認"),
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
    if (!options_read) window_.report_options_unreadable();
  }
  adopt_sibling_design(std::move(*staged), p);
}

// Loads <base>.MSJ/.MBJ of the path. The model, the names, the caption, the snapshots, the
// results and the recent-file list change only when the load succeeded; a failed load has
// shown its message and leaves the project as it was.
bool FileCommands::open_project_file(const QString& path) {
  if (!model::load_project_files(base_of_path(path.toStdString()), model_, sink_)) return false;
  adopt_project_path(path);
  window_.show_fresh_project();
  window_.recent_files().add(path);
  return true;
}

bool FileCommands::save_project() {
  window_.store_visible_page();
  if (project_.is_untitled()) return save_project_as();
  if (!project_.save()) return false;
  project_.write_snapshot("ORG");
  return true;
}

bool FileCommands::save_project_as() {
  window_.store_visible_page();
  const auto path = project_.save_as();
  if (!path) return false;
  adopt_project_path(*path);
  project_.write_snapshot("ORG");
  window_.recent_files().add(*path);
  return true;
}

void FileCommands::replace_superstructure() {
  if (!save_question(kAskSaveOpenData, true)) return;
  FileRequest request;
  request.caption = QStringLiteral("上部工の入れ替え");
  request.filter = kReplaceFilter;
  request.start = project_.dialog_start_name();
  const auto path = ui_.open_file(owner(), request);
  if (!path) return;
  const std::string p = path->toStdString();
  const std::string suffix = suffix_of_path(p);
  if (suffix == "msj") {
    // A project file replaces the whole project, as open does.
    if (open_project_file(*path)) window_.view_whole_section();
    return;
  }
  if (suffix != "tj2") {
    ui_.notice(owner(), MessageIcon::Critical, QStringLiteral("エラー"),
               QStringLiteral("ファイルオープンエラー"));
    return;
  }
  if (!sibling_import_) {
    ui_.notice(owner(), MessageIcon::Information, QString(), kSiblingUnavailable);
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
    ui_.notice(owner(), MessageIcon::Exclamation, QStringLiteral("上部工の入れ替え"),
               QStringLiteral("改良体ブロックを戻す空きブロックがありません。\n"
                              "上部工の入れ替えを中止します。（改良体 %1 個、空き %2 個）")
                   .arg(r.kept)
                   .arg(r.empty_slots));
    return;
  }
  adopt_sibling_design(std::move(*staged), p);
  window_.view_whole_section();
}

}  // namespace qvt::shell
