#include "common/cp932.h"
#include "frontend/dialogs/widgets/about_dialog_widget.h"
#include "frontend/dialogs/widgets/options_dialog_widget.h"
#include "frontend/model/folders.h"
#include "frontend/shell/main_window.h"
#include "frontend/shell/launchers.h"
#include "frontend/shell/settings_store.h"

#include "frontend/shell/tests/shell_test_support.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdlib>
#include <memory>

namespace qvt::shell::testing {
namespace {

const char* const kNoPdf = "pdfファイルに関連づけられたアプリケーションが見つかりません";

class LaunchersTest : public ShellTest {
 protected:
  LaunchersTest() {
    model::prepare_work_folder(install(), work());
    window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
    window->load();
    window->show();
    ui.shown.clear();
  }
  QAction* action(const char* name) const {
    return window->findChild<QAction*>(QString::fromUtf8(name));
  }
  void inf(const std::string& line7, int lines = 7) const {
    std::vector<std::string> l = {"[Flinmor]", "App=Tervane", "Ver=2.5.1", "Server=-",
                                  "Mode=1",    "Check=0",     utf8_to_cp932_lossy(line7)};
    l.resize(lines);
    write_file_bytes(install() / "Flinmor.inf", join_crlf(l));
  }
  std::string file_url(const std::string& name) const {
    return QUrl::fromLocalFile(QString::fromStdString((install() / name).string()))
        .toString()
        .toStdString();
  }
  std::unique_ptr<MainWindow> window;
};

TEST_F(LaunchersTest, EveryItemAndButtonReachesItsCommand) {
  write_file_bytes(install() / kOperationManual, "%PDF-1.4");
  write_file_bytes(install() / kProductOverview, "%PDF-1.4");
  inf("https://example.org/history");
  program("Flinmor", "echo \"$@\" > updater.args");
  ui.on_dialog = [](QDialog& d) { d.reject(); };
  struct Case {
    const char* item;
    Shown::What what;
    std::string text;
  };
  const Case cases[] = {
      {"custom", Shown::What::Dialog, "options_dialog"},
      {"help", Shown::What::Document, file_url(kOperationManual)},
      {"help2", Shown::What::Document, file_url(kProductOverview)},
      {"ver", Shown::What::Dialog, "about_dialog"},
      {"revrec", Shown::What::Document, "https://example.org/history"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    ui.shown.clear();
    QAction* a = action(c.item);
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->isEnabled());
    a->trigger();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].what, c.what);
    EXPECT_EQ(c.what == Shown::What::Dialog ? ui.shown[0].title : ui.shown[0].text, c.text);
  }
  ui.shown.clear();
  window->toolbar_button(ToolbarButton::manual)->trigger();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, file_url(kOperationManual));

  ui.shown.clear();
  action("update")->trigger();
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(*read_file_bytes(work() / "updater.args"), "/update\n");
  EXPECT_TRUE(window->isEnabled());
  EXPECT_TRUE(window->isVisible());
}

TEST_F(LaunchersTest, ManualMissingOrWithoutViewerSaysSo) {
  window->open_manual();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].what, Shown::What::Box);
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(ui.shown[0].text, "文書ﾌｧｲﾙ(操作説明.pdf)が見つかりません。\n" +
                                  (install() / kOperationManual).string());

  write_file_bytes(install() / kProductOverview, "%PDF-1.4");
  ui.documents_open = false;
  ui.shown.clear();
  window->open_product_overview();
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].what, Shown::What::Document);
  EXPECT_EQ(ui.shown[1].text, kNoPdf);
  EXPECT_EQ(ui.shown[1].title, "");  // the application title
}

TEST_F(LaunchersTest, UpdateHistoryOpensOnlyAnAddressOrADocumentOfTheInstallFolder) {
  write_file_bytes(install() / "更新履歴.pdf", "%PDF-1.4");
  write_file_bytes(path("elsewhere.pdf"), "%PDF-1.4");
  struct Case {
    const char* name;
    int lines;  // of Flinmor.inf; 0: no file
    std::string line7;
    std::string opened;   // the address handed on, or empty
    std::string message;  // the box, or empty
  };
  const std::string refused =
      "更新履歴の指定は、http(s)のアドレスか、インストールフォルダの文書(.pdf/.html/.htm/.txt)"
      "ではありません。\n";
  const Case cases[] = {
      {"missing", 0, "", "", "更新情報ﾌｧｲﾙ(Flinmor.inf)が読み込み出来ません。"},
      {"six lines", 6, "", "", "更新情報ﾌｧｲﾙ(Flinmor.inf)に更新履歴の指定がありません。"},
      {"blank line 7", 7, "  ", "", "更新情報ﾌｧｲﾙ(Flinmor.inf)に更新履歴の指定がありません。"},
      {"a program", 7, "/bin/sh", "", refused + "/bin/sh"},
      {"an installer", 7, "setup.exe", "", refused + "setup.exe"},
      {"outside", 7, "../elsewhere.pdf", "", refused + "../elsewhere.pdf"},
      {"address", 7, "https://example.org/qvta/history.html", "https://example.org/qvta/history.html",
       ""},
      {"document", 7, "更新履歴.pdf", file_url("更新履歴.pdf"), ""},
      {"missing document", 7, "更新履歴.txt", "",
       "文書ﾌｧｲﾙ(更新履歴.txt)が見つかりません。\n" + (install() / "更新履歴.txt").string()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(install() / "Flinmor.inf");
    if (c.lines > 0) inf(c.line7, c.lines);
    ui.shown.clear();
    window->show_update_history();
    ASSERT_EQ(ui.shown.size(), 1u);
    if (!c.opened.empty()) {
      EXPECT_EQ(ui.shown[0].what, Shown::What::Document);
      EXPECT_EQ(ui.shown[0].text, c.opened);
    } else {
      EXPECT_EQ(ui.shown[0].what, Shown::What::Box);
      EXPECT_EQ(ui.shown[0].text, c.message);
      EXPECT_EQ(ui.shown[0].icon, MessageIcon::Exclamation);
    }
  }
}

TEST_F(LaunchersTest, UpdateCheckNeedsSavedData) {
  program("Flinmor", "touch updater-ran");
  // The high water level typed on the design-conditions page and committed.
  window->pages().design_conditions().text_edited(pages::kHwlBox, "2.5");
  window->pages().store_design_conditions_page();
  window->check_for_updates();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].title, "確認");
  EXPECT_EQ(ui.shown[0].text,
            "入力データが変更されています。\n"
            "最新バージョンの確認を実行するには、データの保存が必要です。");
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_FALSE(exists_in_work("updater-ran"));
}

TEST_F(LaunchersTest, UpdaterEndsLeaveTheWindowEnabled) {
  struct Case {
    const char* name;
    const char* body;  // empty: no updater
    std::string message;
  };
  const std::string missing =
      "更新プログラム Flinmor が見つかりません。\n" + (install() / "Flinmor").string();
  const Case cases[] = {
      {"0", "exit 0", ""},
      {"5", "exit 5", ""},
      {"signal", "kill -9 $$", "更新プログラム Flinmor が異常終了しました。"},
      {"missing", "", missing},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(install() / "Flinmor");
    if (*c.body) program("Flinmor", c.body);
    ui.shown.clear();
    window->check_for_updates();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->isVisible());
    if (c.message.empty()) {
      EXPECT_TRUE(ui.shown.empty());
    } else {
      ASSERT_EQ(ui.shown.size(), 1u);
      EXPECT_EQ(ui.shown[0].text, c.message);
    }
  }
}

TEST_F(LaunchersTest, WhileTheUpdaterRunsTheWindowTakesNothingAndExit3EndsTheProgram) {
  program("Flinmor", "printf 'QVTMSG\\tinfo\\tFlinmor\\t更新します\\n' >&2\nexit 3");
  bool closed_meanwhile = true;
  ui.on_box = [&](const Shown&) { closed_meanwhile = window->close(); };
  window->toggle_update_check_at_start();  // the setting toggled: stored at the end all the same
  window->check_for_updates();
  ASSERT_GE(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "更新します");
  EXPECT_FALSE(ui.shown[0].owner_enabled);
  EXPECT_FALSE(closed_meanwhile);
  // Exit code 3: the window closes without a question, the setting is stored.
  EXPECT_EQ(ui.shown.size(), 1u);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(window->closing_for_update);
  EXPECT_EQ(get_setting(QStringLiteral("Settings"), QStringLiteral("VerCheckFlag")),
            QStringLiteral("True"));
}

TEST_F(LaunchersTest, AboutBoxShowsTheYearRangeOfTheClock) {
  struct Case {
    const char* epoch;
    const char* notice;
  };
  const Case cases[] = {{"1767225600", "© 2026 Qvta_win maintainers"},  // 2026-01-01
                        {"1830297600", "© 2026-2028 Qvta_win maintainers"}};  // 2028-01-01
  for (const Case& c : cases) {
    SCOPED_TRACE(c.epoch);
    setenv("SOURCE_DATE_EPOCH", c.epoch, 1);
    std::string notice, version;
    ui.on_dialog = [&](QDialog& d) {
      auto& about = static_cast<dialogs::AboutDialogWidget&>(d);
      notice = about.copyright()->text().toStdString();
      version = about.windowTitle().toStdString();
    };
    window->about();
    unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(notice, c.notice);
    EXPECT_EQ(version, "Tervaneのﾊﾞｰｼﾞｮﾝ情報");
  }
}

TEST_F(LaunchersTest, OptionsChangedThroughTheDialogCountAsAChangeOfTheProject) {
  // An arbitrary ground surface with the shallow clay method 0: the surcharge method of the
  // options decides line 25 of the snapshots.
  window->model().conditions.surface_shape = 1;
  window->model().conditions.shallow_clay_method = 0;
  window->reload_pages_and_take_snapshot();
  EXPECT_TRUE(window->close());  // unchanged: no question
  window->show();
  ui.shown.clear();

  ui.on_dialog = [](QDialog& d) {
    auto& options = static_cast<dialogs::OptionsDialogWidget&>(d);
    options.surcharge_method_option(1)->click();
    options.ok_button()->click();
  };
  window->options();
  EXPECT_EQ(window->model().custom_options.surcharge_method, 1);
  EXPECT_EQ(read_lines(work() / "QVT_DAT.CST")->at(7), "1");
  ui.shown.clear();
  ui.answers = {Answer::Cancel};
  EXPECT_FALSE(window->close());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "検討条件が更新されています。保存しますか？");

  // Help inside the dialog opens the manual and leaves the dialog and the file as they are.
  const auto before = read_file_bytes(work() / "QVT_DAT.CST");
  ui.shown.clear();
  ui.on_dialog = [](QDialog& d) {
    auto& options = static_cast<dialogs::OptionsDialogWidget&>(d);
    options.surcharge_method_option(2)->click();
    options.help_button()->click();
    EXPECT_FALSE(d.result() == QDialog::Accepted);
    options.cancel_button()->click();
  };
  window->options();
  EXPECT_EQ(read_file_bytes(work() / "QVT_DAT.CST"), before);
  EXPECT_EQ(window->model().custom_options.surcharge_method, 1);
  EXPECT_EQ(ui.box_texts().back(),
            "文書ﾌｧｲﾙ(操作説明.pdf)が見つかりません。\n" + (install() / kOperationManual).string());
}

}  // namespace
}  // namespace qvt::shell::testing
