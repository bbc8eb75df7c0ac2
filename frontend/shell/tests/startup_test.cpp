#include "frontend/shell/program_start.h"
#include "frontend/shell/main_window.h"
#include "frontend/shell/settings_store.h"
#include "frontend/shell/splash_window.h"

#include "frontend/shell/tests/shell_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLockFile>
#include <QRadioButton>
#include <QToolBar>

namespace qvt::shell::testing {
namespace {

class StartupTest : public ShellTest {
 protected:
  Started start(const std::string& command_line = "") {
    StartOptions o;
    o.install_folder = install();
    o.work_folder = work();
    o.command_line = command_line;
    o.lock_file = qpath("Qvta_win.lock");
    return start_program(ui, o);
  }
  static void set(const char* section, const char* key, const char* value) {
    save_setting(QString::fromUtf8(section), QString::fromUtf8(key), QString::fromUtf8(value));
  }
  static std::string get(const char* section, const char* key) {
    return get_setting(QString::fromUtf8(section), QString::fromUtf8(key)).toStdString();
  }
};

TEST_F(StartupTest, LoadStepsLeaveAFreshUntitledProject) {
  // Results of an earlier day, and two projects in the recent-file list.
  std::filesystem::create_directories(work());
  for (const char* name : {"A.PDT", "CAL_ANS.DAT", "CAL_ANZ.DAT", "CAL_HEN.DAT", "DAT_ANS.DAT"})
    write_file_bytes(work() / name, "old");
  write_file_bytes(work() / "CAL_ANS.TXT", "kept");
  set("Recent Files", "RecentFile1", "/x/a.msj");
  set("Recent Files", "RecentFile2", "/x/b&c.msj");
  program("Flinmor", "touch updater-ran");

  Started s = start();
  ASSERT_TRUE(s.window);
  MainWindow& f = *s.window;
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(f.isVisible());
  // The project's name joins the caption only once a project is new, opened or saved.
  EXPECT_EQ(f.windowTitle().toStdString(), "Tervane Ver2.5.1");
  EXPECT_EQ(f.model().version_text, "2.5.1");
  EXPECT_EQ(f.project_name().toStdString(), "無題");
  EXPECT_EQ(f.model().project_file_path, "無題");
  EXPECT_EQ(f.size(), QSize(800, 606));
  // The load sets the drawing area to 6795 x 6375; the first layout of the shown window
  // (800 x 606 pixels, 12000 x 9090 twips) replaces it with the picture's size less 60:
  // (12000 - 5280 - 60) x (9090 - 2805 - 60).
  EXPECT_EQ(f.view().picture_width(), 6660);
  EXPECT_EQ(f.view().picture_height(), 6225);

  // The updater is not wanted without "VerCheckFlag".
  EXPECT_FALSE(exists_in_work("updater-ran"));
  EXPECT_FALSE(f.check_updates_at_start());
  EXPECT_FALSE(f.findChild<QAction*>(QStringLiteral("newver"))->isChecked());

  // Page 0 is the one shown; the others are hidden and disabled; the section picture hidden.
  EXPECT_EQ(f.current_page(), 0);
  EXPECT_FALSE(f.pages().page_container(0)->isHidden());
  EXPECT_TRUE(f.pages().page_container(0)->isEnabled());
  for (int i = 1; i < kInputPageCount; ++i) {
    EXPECT_TRUE(f.pages().page_container(i)->isHidden()) << i;
    EXPECT_FALSE(f.pages().page_container(i)->isEnabled()) << i;
  }
  EXPECT_TRUE(f.view().picture_widget()->isHidden());
  EXPECT_TRUE(f.pages().unconditionally_ignored()->isHidden());

  // The work folder: old results gone, the options copied, the "ORG" snapshot written.
  for (const char* name : {"A.PDT", "CAL_ANS.DAT", "CAL_ANZ.DAT", "CAL_HEN.DAT", "DAT_ANS.DAT"})
    EXPECT_FALSE(exists_in_work(name)) << name;
  EXPECT_TRUE(exists_in_work("CAL_ANS.TXT"));
  EXPECT_TRUE(exists_in_work("QVT_DAT.CST"));
  EXPECT_TRUE(exists_in_work("QVTAJKN.ORG"));
  EXPECT_TRUE(exists_in_work("QVTABLK.ORG"));
  for (int s = 0; s < 20; ++s) EXPECT_EQ(f.model().wall_blocks[s].block_type, -1);

  // The recent-file menu shows the stored entries.
  EXPECT_TRUE(f.recent_file_action(0)->isVisible());
  EXPECT_EQ(f.recent_file_action(1)->text().toStdString(), "/x/a.msj");
  EXPECT_EQ(f.recent_file_action(2)->text().toStdString(), "/x/b&&c.msj");
  EXPECT_EQ(f.recent_file_action(2)->data().toString().toStdString(), "/x/b&c.msj");
  for (int i = 3; i <= 5; ++i) EXPECT_FALSE(f.recent_file_action(i)->isVisible()) << i;

  // The splash has come and gone.
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_NE(w->objectName().toStdString(), "splash_window");

  // Results of no run: the result commands say so.
  f.show_results();
  f.eccentric_check();
  f.print_report();
  EXPECT_EQ(ui.box_texts(), (std::vector<std::string>{
                                "未計算の為、表示する結果はありません。",
                                "未計算の為、偏心傾斜による検討は出来ません。",
                                "未計算の為、印刷する帳票はありません。"}));
  EXPECT_EQ(ui.shown[0].title, "結果表示");
  EXPECT_EQ(ui.shown[1].title, "偏心傾斜");
  EXPECT_EQ(ui.shown[2].title, "帳票印刷");
}

TEST_F(StartupTest, HiddenLiquefactionBoxOnlyForTheWholeCommandLineTd) {
  const std::pair<const char*, bool> cases[] = {
      {"/td", true}, {" /TD ", true}, {"/td x", false}, {"", false}};
  for (const auto& [line, shown] : cases) {
    Started s = start(line);
    ASSERT_TRUE(s.window) << line;
    EXPECT_EQ(!s.window->pages().unconditionally_ignored()->isHidden(), shown) << line;
    EXPECT_EQ(!s.window->pages().unconditional_open_bracket()->isHidden(), shown) << line;
    EXPECT_EQ(s.window->pages().unconditionally_ignored()->text().toStdString(), "無条件に無視");
    s.window->close();
  }
}

TEST_F(StartupTest, SecondInstanceIsRefused) {
  QLockFile running(qpath("Qvta_win.lock"));
  ASSERT_TRUE(running.tryLock(0));
  Started s = start();
  EXPECT_FALSE(s.window);
  EXPECT_EQ(s.exit_code, 1);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].title, "ロードエラー");
  EXPECT_EQ(ui.shown[0].text, "このアプリケーションは既に起動しています。");
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::Critical);
  EXPECT_EQ(ui.shown[0].buttons, Buttons::Ok);
  // Refused before anything is done.
  EXPECT_FALSE(exists_in_work("QVTAJKN.ORG"));

  // Once the first instance has ended, the program starts.
  running.unlock();
  ui.shown.clear();
  Started again = start();
  EXPECT_TRUE(again.window);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(StartupTest, UpdaterRunsWhenWantedAndItsCode3EndsTheProgram) {
  set("Settings", "VerCheckFlag", "True");
  program("Flinmor", "echo \"$#\" > updater-args; exit 3");
  Started ended = start();
  EXPECT_FALSE(ended.window);
  EXPECT_EQ(ended.exit_code, 0);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(*read_file_bytes(work() / "updater-args"), "0\n");
  EXPECT_FALSE(exists_in_work("QVTAJKN.ORG"));
  ended.lock.reset();

  // Any other code goes on; so does a missing updater, after saying so.
  program("Flinmor", "exit 5");
  Started goes_on = start();
  ASSERT_TRUE(goes_on.window);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(goes_on.window->check_updates_at_start());
  EXPECT_TRUE(goes_on.window->findChild<QAction*>(QStringLiteral("newver"))->isChecked());
  goes_on.window->close();
  goes_on = {};

  std::filesystem::remove(install() / "Flinmor");
  Started missing = start();
  ASSERT_TRUE(missing.window);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text,
            "更新プログラム Flinmor が見つかりません。\n" + (install() / "Flinmor").string());
}

TEST_F(StartupTest, VerCheckFlagIsStoredAtEveryClose) {
  {
    Started s = start();
    ASSERT_TRUE(s.window);
    EXPECT_TRUE(s.window->close());
  }
  EXPECT_EQ(get("Settings", "VerCheckFlag"), "False");
  {
    Started s = start();
    s.window->toggle_update_check_at_start();
    EXPECT_TRUE(s.window->findChild<QAction*>(QStringLiteral("newver"))->isChecked());
    EXPECT_TRUE(s.window->close());
  }
  EXPECT_EQ(get("Settings", "VerCheckFlag"), "True");
  {
    // Toggled twice: unchanged.
    program("Flinmor", "exit 0");
    Started s = start();
    s.window->toggle_update_check_at_start();
    s.window->toggle_update_check_at_start();
    EXPECT_TRUE(s.window->close());
  }
  EXPECT_EQ(get("Settings", "VerCheckFlag"), "True");
}

TEST_F(StartupTest, MissingOptionsFileIsReported) {
  std::filesystem::remove(install() / "QVT_DAT.CST");
  Started s = start();
  ASSERT_TRUE(s.window);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "カスタムﾌｧｲﾙ(QVT_DAT.CST)が読み込み出来ません。");
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::Exclamation);
  // A missing SYSVER.DAT still gives a version in the caption.
  std::filesystem::remove(install() / "SYSVER.DAT");
  s.window->close();
  s = {};
  Started again = start();
  EXPECT_EQ(again.window->windowTitle().toStdString(), "Tervane Ver1.0.0");
}

TEST(Splash, ShowsTheVersionAndAnyKeyClosesIt) {
  app();
  SplashWindow splash(QStringLiteral("2.5.1"));
  EXPECT_EQ(splash.version_label()->text().toStdString(), "ﾊﾞｰｼﾞｮﾝ 2.5.1");
  EXPECT_EQ(splash.product_name_label()->text().toStdString(), "Tervane");
  splash.show();
  QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(&splash, &key);
  EXPECT_FALSE(splash.isVisible());
}

TEST_F(StartupTest, MenuAndToolbarCaptions) {
  Started s = start();
  MainWindow& f = *s.window;
  const std::pair<const char*, const char*> items[] = {
      {"new", "新規作成（&N）"},       {"open", "開く（&O）"},
      {"save", "上書き保存（&S）"},    {"add_save", "名前を付けて保存（&A）"},
      {"printout", "帳票印刷（&P）"},  {"end", "システムの終了"},
      {"custom", "カスタマイズ"},      {"a_dsp", "全体"},
      {"b_dsp", "拡大"},               {"s_dsp", "縮小"},
      {"inp_menu_0", "設計条件"},      {"inp_menu_1", "本体工"},
      {"inp_menu_5", "土圧作用点"},    {"inp_menu_6", "寸法線"},
      {"cal", "実行"},                 {"ans", "結果表示"},
      {"hensin", "偏心傾斜による検討"}, {"newver", "起動時に最新バージョンをチェック(&V)"},
      {"toolbar_new", "新規"},         {"toolbar_open", "開く"},
      {"toolbar_save", "上書き保存"},  {"toolbar_calculate", "計算"},
      {"toolbar_print", "印刷"},       {"toolbar_whole", "全表示"},
      {"toolbar_zoom_in", "拡大"},     {"toolbar_zoom_out", "縮小"},
      {"toolbar_manual", "ヘルプ"},
  };
  for (const auto& [name, caption] : items) {
    const auto* a = f.findChild<QAction*>(QString::fromUtf8(name));
    ASSERT_TRUE(a) << name;
    EXPECT_EQ(a->text().toStdString(), caption) << name;
  }
  const char* const selector[] = {"設計条件", "上部工", "改良体", "地表面",
                                  "支持層",   "寸法線", "土圧作用"};
  for (int i = 0; i < kInputPageCount; ++i)
    EXPECT_EQ(f.findChild<QRadioButton*>(QStringLiteral("category_%1").arg(i))->text().toStdString(),
              selector[i]);
  // The data-input menu numbers two pages the other way round from the selector.
  const int expected_page[] = {0, 1, 2, 3, 4, 6, 5};
  for (int k = 0; k < kInputPageCount; ++k) {
    f.choose_input_menu_item(k);
    EXPECT_EQ(f.current_page(), expected_page[k]) << k;
    EXPECT_FALSE(f.pages().page_container(expected_page[k])->isHidden());
    EXPECT_EQ(f.view().picture_widget()->isHidden(), expected_page[k] == 0);
  }
  // Separators and unknown buttons do nothing.
  for (int b : {4, 7, 11, 0, 13}) f.press_toolbar_button(static_cast<ToolbarButton>(b));
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace qvt::shell::testing
