#include "frontend/model/folders.h"
#include "frontend/shell/main_window.h"
#include "frontend/shell/settings_store.h"

#include "frontend/shell/tests/shell_test_support.h"

#include <QAction>
#include <QDir>

#include <memory>

namespace qvt::shell::testing {
namespace {

const char* const kAskChanged = "検討条件が更新されています。保存しますか？";
const char* const kAskOpenData = "現在開いているデータが保存されていません。保存しますか？";

class FileCommandsTest : public ShellTest {
 protected:
  FileCommandsTest() {
    model::prepare_work_folder(install(), work());
    window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
    window->load();
    window->show();
    ui.shown.clear();
  }

  // An edit the pages would have committed: the high water level.
  // The high water level typed on the design-conditions page and committed.
  void edit(double hwl = 3.25) {
    window->pages().design_conditions().text_edited(pages::kHwlBox, std::to_string(hwl));
    window->pages().store_design_conditions_page();
  }
  double hwl() const { return window->model().conditions.water_levels[0]; }
  std::string caption() const { return window->windowTitle().toStdString(); }
  static std::string recent(int n) {
    return get_setting(QStringLiteral("Recent Files"), QStringLiteral("RecentFile%1").arg(n))
        .toStdString();
  }
  // Saves the current model as <dir>/<name>.msj through save-as.
  void save_as(const std::string& name) {
    ui.files.push_back(qpath(name + ".msj"));
    ASSERT_TRUE(window->save_project_as());
  }
  void expect_save_question(const Shown& s, const char* text) {
    EXPECT_EQ(s.what, Shown::What::Box);
    EXPECT_EQ(s.title, "保存確認");
    EXPECT_EQ(s.text, text);
    EXPECT_EQ(s.icon, MessageIcon::Information);
    EXPECT_EQ(s.buttons, Buttons::YesNoCancel);
    EXPECT_EQ(s.default_button, Answer::No);
  }

  std::unique_ptr<MainWindow> window;
};

TEST_F(FileCommandsTest, SaveAsWritesThePairAndNamesTheProject) {
  edit();
  ui.files.push_back(qpath("quay.msj"));
  EXPECT_TRUE(window->save_project());  // untitled: save is save-as
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].what, Shown::What::SaveDialog);
  EXPECT_EQ(ui.shown[0].request.filter.toStdString(), "ﾃﾞｰﾀ ﾌｧｲﾙ (*.msj)");
  EXPECT_EQ(ui.shown[0].request.default_suffix.toStdString(), "msj");
  EXPECT_TRUE(ui.shown[0].request.start.endsWith(QStringLiteral("無題")));

  EXPECT_TRUE(std::filesystem::exists(path("quay.MSJ")));
  EXPECT_TRUE(std::filesystem::exists(path("quay.MBJ")));
  EXPECT_FALSE(std::filesystem::exists(path("quay.msj")));
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - quay");
  EXPECT_EQ(window->model().conditions.project_title, "quay");
  EXPECT_EQ(window->project_name(), qpath("quay.msj"));
  EXPECT_EQ(window->model().project_file_path, path("quay.msj").string());
  EXPECT_EQ(window->model().project_base_path, path("quay").string());
  EXPECT_EQ(recent(1), path("quay.msj").string());
  EXPECT_TRUE(window->recent_file_action(0)->isVisible());
  EXPECT_EQ(window->recent_file_action(1)->data().toString(), qpath("quay.msj"));
  // The saved state is the reference now: closing asks nothing.
  EXPECT_TRUE(window->close());
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(FileCommandsTest, SaveWritesBesideTheNamedProjectWithoutADialog) {
  save_as("quay");
  const auto first = read_file_bytes(path("quay.MSJ"));
  edit(7.5);
  ui.shown.clear();
  EXPECT_TRUE(window->save_project());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_NE(read_file_bytes(path("quay.MSJ")), first);
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - quay");
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(FileCommandsTest, SaveAsTitleAndBaseFollowTheRealSuffix) {
  save_as("a.b");
  EXPECT_TRUE(std::filesystem::exists(path("a.b.MSJ")));
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - a");
  EXPECT_EQ(window->model().conditions.project_title, "a");
}

TEST_F(FileCommandsTest, SaveAsAsksBeforeReplacingThePairUnderAnotherCase) {
  write_file_bytes(path("quay.MSJ"), "keep");
  ui.files = {qpath("quay.msj"), qpath("quay.msj")};
  ui.answers = {Answer::No, Answer::Yes};
  edit();
  EXPECT_FALSE(window->save_project_as());
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].text, path("quay.MSJ").string() + " は既に存在します。\n上書きしますか？");
  EXPECT_EQ(ui.shown[1].default_button, Answer::No);
  EXPECT_EQ(*read_file_bytes(path("quay.MSJ")), "keep");
  EXPECT_EQ(caption(), "Tervane Ver2.5.1");  // still the caption of the start
  EXPECT_EQ(recent(1), "");

  EXPECT_TRUE(window->save_project_as());
  EXPECT_NE(*read_file_bytes(path("quay.MSJ")), "keep");
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - quay");
}

TEST_F(FileCommandsTest, FailedSaveChangesNothingAndKeepsTheChangesUnsaved) {
  edit();
  ui.files.push_back(qpath("no-such-folder/quay.msj"));
  EXPECT_FALSE(window->save_project_as());
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].text, "条件ﾌｧｲﾙ(.MSJ)に書き込み出来ません。");
  EXPECT_EQ(caption(), "Tervane Ver2.5.1");  // still the caption of the start
  EXPECT_EQ(window->project_name().toStdString(), "無題");
  EXPECT_EQ(window->model().conditions.project_title, "");
  EXPECT_EQ(recent(1), "");
  EXPECT_FALSE(window->recent_file_action(0)->isVisible());
  // The "ORG" snapshot still holds the unsaved state: closing asks.
  ui.shown.clear();
  ui.answers = {Answer::Cancel};
  EXPECT_FALSE(window->close());
  ASSERT_EQ(ui.shown.size(), 1u);
  expect_save_question(ui.shown[0], kAskChanged);
}

TEST_F(FileCommandsTest, CloseQuestion) {
  struct Case {
    const char* name;
    std::vector<Answer> answers;
    std::vector<std::optional<QString>> files;
    bool closes;
    bool saved;
  };
  const Case cases[] = {
      {"cancel", {Answer::Cancel}, {}, false, false},
      {"no", {Answer::No}, {}, true, false},
      // A save that did not happen never loses the changes: the window stays open.
      {"yes, save-as cancelled", {Answer::Yes}, {std::nullopt}, false, false},
      {"yes, saved", {Answer::Yes}, {qpath("closed.msj")}, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
    window->load();
    window->show();
    edit();
    std::filesystem::remove(work() / "QVTAJKN.EDT");
    ui.shown.clear();
    ui.answers.assign(c.answers.begin(), c.answers.end());
    ui.files.assign(c.files.begin(), c.files.end());
    EXPECT_EQ(window->close(), c.closes);
    EXPECT_EQ(window->isVisible(), !c.closes);
    ASSERT_FALSE(ui.shown.empty());
    expect_save_question(ui.shown[0], kAskChanged);
    EXPECT_EQ(std::filesystem::exists(path("closed.MSJ")), c.saved);
    EXPECT_TRUE(exists_in_work("QVTAJKN.EDT"));
    EXPECT_EQ(hwl(), 3.25);
  }
  // Unchanged: no question.
  window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
  window->load();
  window->show();
  ui.shown.clear();
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(FileCommandsTest, NewAsksOnlyForChangesAndStopsUnlessSaved) {
  // Unchanged: no question, a new project.
  write_file_bytes(work() / "CAL_ANZ.DAT", "old");
  window->new_project();
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_FALSE(exists_in_work("CAL_ANZ.DAT"));

  struct Case {
    const char* name;
    std::vector<Answer> answers;
    bool resets;
  };
  const Case cases[] = {
      {"cancel", {Answer::Cancel}, false},
      {"yes, save-as cancelled", {Answer::Yes}, false},
      {"no", {Answer::No}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    edit();
    write_file_bytes(work() / "CAL_ANZ.DAT", "old");
    ui.shown.clear();
    ui.answers.assign(c.answers.begin(), c.answers.end());
    window->new_project();
    ASSERT_FALSE(ui.shown.empty());
    expect_save_question(ui.shown[0], kAskOpenData);
    EXPECT_EQ(hwl(), c.resets ? 0.0 : 3.25);
    EXPECT_EQ(exists_in_work("CAL_ANZ.DAT"), !c.resets);
  }
  // After new: untitled, page 0, view reset.
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - 無題");
  EXPECT_EQ(window->project_name().toStdString(), "無題");
  EXPECT_EQ(window->current_page(), 0);
  EXPECT_EQ(window->view().bs_mode, 0);
  ui.shown.clear();
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(FileCommandsTest, NewAfterSavingKeepsThePathsButIsUntitled) {
  save_as("quay");
  window->new_project();
  EXPECT_EQ(window->project_name().toStdString(), "無題");
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - 無題");
  EXPECT_EQ(window->model().project_file_path, path("quay.msj").string());
}

TEST_F(FileCommandsTest, OpenLoadsAProjectAndTopsTheRecentList) {
  edit(4.5);
  save_as("quay");
  window->new_project();
  ASSERT_EQ(hwl(), 0.0);
  write_file_bytes(work() / "CAL_ANZ.DAT", "old");
  ui.shown.clear();
  window->choose_input_menu_item(3);

  ui.files.push_back(qpath("quay.msj"));
  window->open_project();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].what, Shown::What::OpenDialog);
  EXPECT_EQ(ui.shown[0].request.filter.toStdString(),
            "ﾃﾞｰﾀ ﾌｧｲﾙ (*.msj);;BrakmoorTarnﾃﾞｰﾀ ﾌｧｲﾙ (*.tj2);;BrakmoorFellﾃﾞｰﾀ ﾌｧｲﾙ (*.tj3)");
  EXPECT_EQ(hwl(), 4.5);
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - quay");
  EXPECT_EQ(window->model().project_base_path, path("quay").string());
  EXPECT_EQ(recent(1), path("quay.msj").string());
  EXPECT_FALSE(exists_in_work("CAL_ANZ.DAT"));
  EXPECT_EQ(window->current_page(), 0);
  EXPECT_TRUE(window->view().picture_widget()->isHidden());
  // The opened project is the saved state.
  EXPECT_TRUE(window->close());
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(FileCommandsTest, OpenThatCannotLoadChangesNothing) {
  edit(4.5);
  save_as("quay");
  write_file_bytes(path("bad.MSJ"), "not a conditions file\r\n");
  // A conditions file whose block file is missing: half a project is not loaded either.
  std::filesystem::copy_file(path("quay.MSJ"), path("half.MSJ"));
  write_file_bytes(path("data.txt"), "x");
  write_file_bytes(path("sib.tj2"), "x");
  write_file_bytes(path("sib.TJ3"), "x");
  write_file_bytes(work() / "CAL_ANZ.DAT", "results");
  struct Case {
    const char* file;
    const char* title;
    const char* text;
    MessageIcon icon;
  };
  const Case cases[] = {
      {"bad.msj", "Tervane", "条件ﾌｧｲﾙ(.MSJ)が読み込み出来ません。", MessageIcon::Exclamation},
      {"missing.msj", "Tervane", "条件ﾌｧｲﾙ(.MSJ)が読み込み出来ません。",
       MessageIcon::Exclamation},
      {"half.msj", "Tervane", "壁体構成ﾌﾞﾛｯｸﾌｧｲﾙ(.MBJ)が読み込み出来ません。",
       MessageIcon::Exclamation},
      {"data.txt", "エラー", "ファイルオープンエラー", MessageIcon::Critical},
      {"sib.tj2", "", "Brakmoorデータ(.tj2/.tj3)の読込みは、この版ではまだ使用できません。",
       MessageIcon::Information},
      {"sib.TJ3", "", "Brakmoorデータ(.tj2/.tj3)の読込みは、この版ではまだ使用できません。",
       MessageIcon::Information},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ui.shown.clear();
    ui.files.push_back(qpath(c.file));
    window->open_project();
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].title, c.title);
    EXPECT_EQ(ui.shown[1].text, c.text);
    EXPECT_EQ(ui.shown[1].icon, c.icon);
    EXPECT_EQ(hwl(), 4.5);
    EXPECT_EQ(caption(), "Tervane Ver2.5.1 - quay");
    EXPECT_EQ(window->project_name(), qpath("quay.msj"));
    EXPECT_EQ(window->model().project_base_path, path("quay").string());
    EXPECT_EQ(recent(1), path("quay.msj").string());
    EXPECT_EQ(recent(2), "");
    EXPECT_TRUE(exists_in_work("CAL_ANZ.DAT"));
  }
  // Cancel in the dialog: nothing at all.
  ui.shown.clear();
  window->open_project();
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(FileCommandsTest, OpenStopsWhenTheChangesWereNotSaved) {
  save_as("quay");
  edit(9);
  ui.shown.clear();
  ui.answers = {Answer::Yes};
  // The project is named, so Yes saves straight to its file, which cannot be replaced.
  std::filesystem::remove(path("quay.MSJ"));
  std::filesystem::create_directories(path("quay.MSJ") / "x");
  window->open_project();
  // The save failed with its message; no open dialog followed.
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].text, "条件ﾌｧｲﾙ(.MSJ)に書き込み出来ません。");
  EXPECT_EQ(ui.count(Shown::What::OpenDialog), 0);
  EXPECT_EQ(hwl(), 9.0);
}

TEST_F(FileCommandsTest, RecentListOrder) {
  for (const char* p : {"/p/D.msj", "/p/C.msj", "/p/B.msj", "/p/A.msj"})
    window->recent_files().add(QString::fromUtf8(p));
  auto list = [this] {
    std::vector<std::string> out;
    for (int n = 1; n <= 4; ++n) {
      out.push_back(recent(n));
      EXPECT_EQ(window->recent_file_action(n)->data().toString().toStdString(), recent(n)) << n;
    }
    return out;
  };
  EXPECT_EQ(list(), (std::vector<std::string>{"/p/A.msj", "/p/B.msj", "/p/C.msj", "/p/D.msj"}));
  int npos = 0;
  EXPECT_TRUE(window->recent_files().position_of(QStringLiteral("/p/C.msj"), npos));
  EXPECT_EQ(npos, 3);
  window->recent_files().add(QStringLiteral("/p/C.msj"));
  EXPECT_EQ(list(), (std::vector<std::string>{"/p/C.msj", "/p/A.msj", "/p/B.msj", "/p/D.msj"}));
  window->recent_files().add(QStringLiteral("/p/E.msj"));
  EXPECT_EQ(list(), (std::vector<std::string>{"/p/E.msj", "/p/C.msj", "/p/A.msj", "/p/B.msj"}));
  // Case counts: a path that differs only in case is a new entry.
  EXPECT_FALSE(window->recent_files().position_of(QStringLiteral("/p/e.msj"), npos));
  EXPECT_EQ(npos, 4);
  window->recent_files().add(QStringLiteral("/p/E.msj"));  // already first: unchanged
  EXPECT_EQ(list(), (std::vector<std::string>{"/p/E.msj", "/p/C.msj", "/p/A.msj", "/p/B.msj"}));
  EXPECT_FALSE(window->recent_file_action(5)->isVisible());
}

// The list names a project file once, however the path that reached it was spelt: the save
// dialog gives quay.msj for the pair quay.MSJ/.MBJ, the open dialog quay.MSJ, and ".." or a
// link reach the same file. The entry keeps the spelling used last. Quay.msj is another file
// here, where case counts.
TEST_F(FileCommandsTest, RecentListNamesEachProjectFileOnce) {
  std::filesystem::create_directories(path("sub"));
  std::filesystem::create_directory_symlink(dir_.path(), path("link"));
  struct Step {
    const char* name;  // saved as, or opened when it has a suffix in capitals
    bool save;
    std::vector<const char*> list;
  };
  const Step steps[] = {
      {"quay", true, {"quay.msj"}},
      {"quay.MSJ", false, {"quay.MSJ"}},
      {"sub/../quay.msj", false, {"sub/../quay.msj"}},
      {"link/quay.MSJ", false, {"link/quay.MSJ"}},
      {"Quay", true, {"Quay.msj", "link/quay.MSJ"}},
      {"quay.msj", false, {"quay.msj", "Quay.msj"}},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    if (s.save) {
      save_as(s.name);
    } else {
      ui.files.push_back(qpath(s.name));
      window->open_project();
    }
    for (int n = 1; n <= 4; ++n) {
      const bool listed = n <= static_cast<int>(s.list.size());
      EXPECT_EQ(recent(n), listed ? path(s.list[n - 1]).string() : "") << n;
      EXPECT_EQ(window->recent_file_action(n)->isVisible(), listed) << n;
      if (listed) {
        EXPECT_EQ(window->recent_file_action(n)->data().toString(), qpath(s.list[n - 1])) << n;
      }
    }
  }
}

// A list stored by an earlier version that names a project twice shows it once; the next entry
// stores the list without the second spelling.
TEST_F(FileCommandsTest, ARecentListStoredTwiceShowsTheProjectOnce) {
  save_as("quay");
  save_as("pier");
  window.reset();
  const QString section = QStringLiteral("Recent Files");
  save_setting(section, QStringLiteral("RecentFile1"), qpath("quay.MSJ"));
  save_setting(section, QStringLiteral("RecentFile2"), qpath("quay.msj"));
  save_setting(section, QStringLiteral("RecentFile3"), qpath("pier.msj"));
  window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
  window->load();
  EXPECT_EQ(window->recent_file_action(1)->data().toString(), qpath("quay.MSJ"));
  EXPECT_EQ(window->recent_file_action(2)->data().toString(), qpath("pier.msj"));
  EXPECT_FALSE(window->recent_file_action(3)->isVisible());
  window->recent_files().add(qpath("dock.msj"));
  EXPECT_EQ(recent(1), path("dock.msj").string());
  EXPECT_EQ(recent(2), path("quay.MSJ").string());
  EXPECT_EQ(recent(3), path("pier.msj").string());
  EXPECT_EQ(recent(4), "");
  EXPECT_FALSE(window->recent_file_action(4)->isVisible());
}

// The open and save dialogs start in the folder of the open project; an untitled one in the
// folder of the project named last, in this run or before it (the newest on the recent list);
// the home folder when there is none or that folder is gone.
TEST_F(FileCommandsTest, DialogsStartInTheProjectsFolder) {
  std::filesystem::create_directories(path("p"));
  std::filesystem::create_directories(path("q"));
  const QString home = QDir::home().filePath(QStringLiteral("無題"));
  auto starts = [this] {
    std::vector<QString> out;
    ui.shown.clear();
    window->open_project();  // cancelled
    EXPECT_FALSE(window->save_project_as());  // cancelled
    for (const Shown& s : ui.shown) out.push_back(s.request.start);
    return out;
  };
  EXPECT_EQ(starts(), (std::vector<QString>{home, home}));
  save_as("p/quay");
  EXPECT_EQ(starts(), (std::vector<QString>{qpath("p/quay.msj"), qpath("p/quay.msj")}));
  window->new_project();
  EXPECT_EQ(starts(), (std::vector<QString>{qpath("p/無題"), qpath("p/無題")}));

  // The next run: the newest on the list.
  save_as("q/pier");
  window.reset();
  window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
  window->load();
  EXPECT_EQ(starts(), (std::vector<QString>{qpath("q/無題"), qpath("q/無題")}));
  std::filesystem::remove_all(path("q"));
  EXPECT_EQ(starts(), (std::vector<QString>{home, home}));
}

TEST_F(FileCommandsTest, RecentFileOpensItsProjectOrChangesNothing) {
  edit(4.5);
  save_as("quay");
  edit(6);
  save_as("pier");
  ASSERT_EQ(window->recent_file_action(2)->data().toString(), qpath("quay.msj"));

  window->open_recent_file(2);
  EXPECT_EQ(hwl(), 4.5);
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - quay");
  EXPECT_EQ(recent(1), path("quay.msj").string());
  EXPECT_EQ(recent(2), path("pier.msj").string());

  // A listed file that no longer exists: its message, and the project, names and list stay.
  std::filesystem::remove(path("pier.MSJ"));
  ui.shown.clear();
  window->open_recent_file(2);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "条件ﾌｧｲﾙ(.MSJ)が読み込み出来ません。");
  EXPECT_EQ(hwl(), 4.5);
  EXPECT_EQ(caption(), "Tervane Ver2.5.1 - quay");
  EXPECT_EQ(window->model().project_base_path, path("quay").string());
  EXPECT_EQ(recent(1), path("quay.msj").string());

  // With unsaved changes the question comes first; Cancel keeps everything.
  edit(1);
  ui.shown.clear();
  ui.answers = {Answer::Cancel};
  window->open_recent_file(1);
  ASSERT_EQ(ui.shown.size(), 1u);
  expect_save_question(ui.shown[0], kAskOpenData);
  EXPECT_EQ(hwl(), 1.0);
}

}  // namespace
}  // namespace qvt::shell::testing
