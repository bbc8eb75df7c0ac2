#include "frontend/model/folders.h"
#include "frontend/model/project_files.h"
#include "frontend/shell/engine_chain.h"
#include "frontend/shell/ui_port.h"
#include "frontend/shell/main_window.h"

#include "frontend/shell/tests/shell_test_support.h"

#include <memory>

namespace qvt::shell::testing {
namespace {

class RunTest : public ShellTest {
 protected:
  RunTest() {
    model::prepare_work_folder(install(), work());
    for (const char* engine : kEngineChain) engine_ending(engine, "exit 0");
    program("PRANDEL", "echo \"$@\" > viewer-args; exit 1");
    window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
    window->load();
    window->show();
    ui.shown.clear();
  }
  // Each fake engine notes its name in the work folder (its working directory) and leaves the
  // result file the real one writes, then ends as told.
  void engine_ending(const std::string& engine, const std::string& end) {
    std::string body = "echo " + engine + " >> run.log\n";
    if (engine == "ZENOBAR") body += "echo x > CAL_ANS.DAT; echo x > BLK.PDT\n";
    if (engine == "MERITAN") {
      // Eight lines a case, the pull-out line with five items, both cases.
      body += "printf '1,1,0\\r\\n1,1,0\\r\\n1,1,0\\r\\n1,1,0\\r\\n1,1,0\\r\\n1,1,0\\r\\n"
              "1,0,0,1,0\\r\\n1,1,0\\r\\n' > case.txt; cat case.txt case.txt > CAL_ANZ.DAT\n";
    }
    if (engine == "JORPELA") {
      // Twelve lines as the eccentric checks read them.
      body += "printf '26,3,8,7,5,9,quay\\r\\n4000,3500\\r\\n600,700\\r\\n0,0\\r\\n20\\r\\n"
              "2,3\\r\\n0.2,0.3\\r\\n0\\r\\n100\\r\\n10\\r\\n0\\r\\n0,0\\r\\n' > CAL_HEN.DAT\n";
    }
    program(engine, body + end);
  }
  std::string run_log() const {
    auto log = read_file_bytes(work() / "run.log");
    return log ? *log : "";
  }
  // The high water level typed on the design-conditions page and committed.
  void edit() {
    window->pages().design_conditions().text_edited(pages::kHwlBox, "3.25");
    window->pages().store_design_conditions_page();
  }

  std::unique_ptr<MainWindow> window;
};

const char* const kAll = "SAVELIN\nPELUDRA\nZENOBAR\nOSKAVEL\nVASKUDE\nTOLMIRE\nMERITAN\nJORPELA\n";

TEST_F(RunTest, RunsTheEnginesInOrderAndShowsTheResults) {
  write_file_bytes(work() / "OLD.PDT", "old");
  window->calculate();
  EXPECT_EQ(run_log(), kAll);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].what, Shown::What::Dialog);
  EXPECT_EQ(ui.shown[0].title, "results_table_dialog");
  EXPECT_EQ(ui.shown[0].text, "安定計算結果");
  EXPECT_TRUE(ui.shown[0].owner_enabled);
  EXPECT_TRUE(window->isEnabled());
  EXPECT_TRUE(exists_in_work("QVTAJKN.CAL"));
  EXPECT_TRUE(exists_in_work("QVTABLK.CAL"));
  EXPECT_FALSE(exists_in_work("OLD.PDT"));
  EXPECT_TRUE(exists_in_work("CAL_ANZ.DAT"));

  // The results of the unchanged data: no notice. After an edit: the notice, then the results.
  window->show_results();
  EXPECT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].title, "results_table_dialog");
  edit();
  window->show_results();
  ASSERT_EQ(ui.shown.size(), 4u);
  EXPECT_EQ(ui.shown[2].title, "結果表示");
  EXPECT_EQ(ui.shown[2].text,
            "前回の計算よりデータが更新されています。\n前回の計算結果の表示します。");
  EXPECT_EQ(ui.shown[2].icon, MessageIcon::Information);
  EXPECT_EQ(ui.shown[3].title, "results_table_dialog");

  // The eccentric check picks its dialog by the bearing layer's soil type.
  for (const char* chart : {"FAI30.CSV", "FAI35.CSV", "FAI40.CSV", "FAI45.CSV", "KS_AB.CSV"})
    std::filesystem::copy_file(std::filesystem::path(QVT_BIN_DIR) / chart, install() / chart);
  ui.shown.clear();
  window->eccentric_check();
  // Through the bearing-layer page, since every command commits the pages first.
  window->pages().bearing_layer().choose_option(pages::kClayeyGround);
  window->eccentric_check();
  ASSERT_EQ(ui.shown.size(), 4u);
  EXPECT_EQ(ui.shown[0].text,
            "前回の計算よりデータが更新されています。\n前回の計算結果を使って検討をします。");
  EXPECT_EQ(ui.shown[1].title, "sand_check_dialog");
  EXPECT_EQ(ui.shown[1].text, "偏心傾斜荷重の検討");
  EXPECT_EQ(ui.shown[3].title, "clay_check_dialog");

  // Printing starts the viewer in the work folder and waits for it.
  ui.shown.clear();
  window->print_report();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text,
            "前回の計算よりデータが更新されています。\n前回の計算結果の印刷を行います。");
  EXPECT_EQ(*read_file_bytes(work() / "viewer-args"), "/PDTOPEN\n");
  EXPECT_TRUE(window->isEnabled());
}

TEST_F(RunTest, ChainStopsAndLeavesNoResults) {
  struct Case {
    const char* name;
    const char* engine;
    const char* end;
    const char* log;
    const char* message;  // our own report; none for exit code 1
  };
  const Case cases[] = {
      {"exit 1", "ZENOBAR", "exit 1", "SAVELIN\nPELUDRA\nZENOBAR\n", nullptr},
      {"exit 1 after MERITAN", "JORPELA", "exit 1",
       "SAVELIN\nPELUDRA\nZENOBAR\nOSKAVEL\nVASKUDE\nTOLMIRE\nMERITAN\nJORPELA\n", nullptr},
      {"crash", "OSKAVEL", "kill -9 $$", "SAVELIN\nPELUDRA\nZENOBAR\nOSKAVEL\n",
       "計算プログラム OSKAVEL が異常終了しました。"},
      {"other code", "TOLMIRE", "exit 4",
       "SAVELIN\nPELUDRA\nZENOBAR\nOSKAVEL\nVASKUDE\nTOLMIRE\n",
       "計算プログラム TOLMIRE が異常終了しました。（終了コード 4）"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(work() / "run.log");
    engine_ending(c.engine, c.end);
    ui.shown.clear();
    window->calculate();
    EXPECT_EQ(run_log(), c.log);
    if (c.message) {
      ASSERT_EQ(ui.shown.size(), 1u);
      EXPECT_EQ(ui.shown[0].text, c.message);
      EXPECT_EQ(ui.shown[0].icon, MessageIcon::Critical);
    } else {
      EXPECT_TRUE(ui.shown.empty());
    }
    EXPECT_TRUE(window->isEnabled());
    EXPECT_FALSE(window->is_waiting_for_program());
    // Whatever the engines before the stop wrote is not taken for a result.
    for (const char* f : {"CAL_ANS.DAT", "CAL_ANZ.DAT", "CAL_HEN.DAT", "BLK.PDT"})
      EXPECT_FALSE(exists_in_work(f)) << f;
    ui.shown.clear();
    window->show_results();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "未計算の為、表示する結果はありません。");
    engine_ending(c.engine, "exit 0");
  }
}

TEST_F(RunTest, MissingEngineIsReportedWithoutHanging) {
  std::filesystem::remove(install() / "VASKUDE");
  window->calculate();
  EXPECT_EQ(run_log(), "SAVELIN\nPELUDRA\nZENOBAR\nOSKAVEL\n");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].title, "安定計算");
  EXPECT_EQ(ui.shown[0].text,
            "計算プログラム VASKUDE が見つかりません。\n" + (install() / "VASKUDE").string());
  EXPECT_TRUE(window->isEnabled());
}

TEST_F(RunTest, RelaysEngineMessagesAndQuestionsWhileTheWindowIsDisabled) {
  engine_ending("PELUDRA",
                "printf 'QVTMSG\\twarning\\tPELUDRA\\t注意\\\\n二行目\\n' >&2\n"
                "printf 'QVTMSG\\tquestion\\t確認\\t続けますか？\\n' >&2\n"
                "read answer; echo \"$answer\" > answer.txt\n"
                "[ \"$answer\" = yes ] || exit 1");
  ui.answers = {Answer::Ok, Answer::Yes};
  window->calculate();
  EXPECT_EQ(run_log(), kAll);
  ASSERT_EQ(ui.shown.size(), 3u);
  EXPECT_EQ(ui.shown[0].title, "PELUDRA");
  EXPECT_EQ(ui.shown[0].text, "注意\n二行目");
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_FALSE(ui.shown[0].owner_enabled);
  EXPECT_EQ(ui.shown[1].text, "続けますか？");
  EXPECT_EQ(ui.shown[1].buttons, Buttons::YesNo);
  EXPECT_FALSE(ui.shown[1].owner_enabled);
  EXPECT_EQ(*read_file_bytes(work() / "answer.txt"), "yes\n");
  EXPECT_EQ(ui.shown[2].title, "results_table_dialog");

  // Answered No, the engine stops the chain with exit code 1.
  std::filesystem::remove(work() / "run.log");
  ui.shown.clear();
  ui.answers = {Answer::Ok, Answer::No};
  window->calculate();
  EXPECT_EQ(run_log(), "SAVELIN\nPELUDRA\n");
  EXPECT_EQ(*read_file_bytes(work() / "answer.txt"), "no\n");
  EXPECT_EQ(ui.shown.size(), 2u);
  EXPECT_TRUE(window->isEnabled());
}

TEST_F(RunTest, RefusedEngineInputStartsNothingAndLeavesNoOldResults) {
  window->calculate();
  ASSERT_TRUE(exists_in_work("CAL_ANZ.DAT"));
  std::filesystem::remove(work() / "run.log");
  // A bearing surface that falls towards the land side is refused by the writer.
  window->model().conditions.body_dims.dh1 = 2;
  window->model().conditions.body_dims.dh2 = 1;
  window->pages().load_improved_body_page();  // the page commits what it shows
  ui.shown.clear();
  ui.answers = {Answer::No};
  window->calculate();
  EXPECT_EQ(run_log(), "");
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.count(Shown::What::Dialog), 0);
  EXPECT_EQ(ui.shown[1].text, "支持層面が傾斜する場合は海側方向に下り傾斜として下さい。");
  for (const char* f : {"CAL_ANS.DAT", "CAL_ANZ.DAT", "CAL_HEN.DAT", "BLK.PDT"})
    EXPECT_FALSE(exists_in_work(f)) << f;
  ui.shown.clear();
  window->print_report();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "未計算の為、印刷する帳票はありません。");
  EXPECT_FALSE(exists_in_work("viewer-args"));
}

TEST_F(RunTest, SaveQuestionBeforeTheRun) {
  edit();
  ui.answers = {Answer::Cancel};
  window->calculate();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].title, "保存確認");
  EXPECT_EQ(ui.shown[0].text, "検討条件が更新されています。保存しますか？");
  EXPECT_EQ(ui.shown[0].default_button, Answer::No);
  EXPECT_FALSE(exists_in_work("QVTAJKN.CAL"));
  EXPECT_EQ(run_log(), "");

  // Yes on an untitled project with the save-as dialog cancelled: the run still goes on.
  ui.shown.clear();
  ui.answers = {Answer::Yes};
  window->calculate();
  EXPECT_EQ(ui.count(Shown::What::SaveDialog), 1);
  EXPECT_EQ(run_log(), kAll);
}

TEST_F(RunTest, ViewerThatFailsIsReportedAndTheWindowComesBack) {
  window->calculate();
  const std::pair<const char*, const char*> cases[] = {
      {"kill -9 $$", "帳票ビューア PRANDEL が異常終了しました。"},
      {nullptr, nullptr},
  };
  for (const auto& [body, text] : cases) {
    if (body)
      program("PRANDEL", body);
    else
      std::filesystem::remove(install() / "PRANDEL");
    ui.shown.clear();
    window->print_report();
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "帳票印刷");
    EXPECT_EQ(ui.shown[0].text,
              text ? std::string(text)
                   : "帳票ビューア PRANDEL が見つかりません。\n" + (install() / "PRANDEL").string());
    EXPECT_TRUE(window->isEnabled());
  }
}

}  // namespace
}  // namespace qvt::shell::testing

namespace qvt::shell::testing {
namespace {

TEST_F(RunTest, SampleProjectReachesTheRealBlockWeightEngine) {
  // The real ZENOBAR among fake engines: the run of the block-quay test section hands it the
  // condition files and it leaves its result chain file in the work folder.
  std::filesystem::remove(install() / "ZENOBAR");
  std::filesystem::copy_file(std::filesystem::path(QVT_BIN_DIR) / "ZENOBAR", install() / "ZENOBAR");
  UiMessageSink sink(ui, window.get());
  const auto sample = std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / "sample_block_quay";
  ASSERT_TRUE(model::load_project_files(sample.string(), window->model(), sink));
  // The run commits the pages first: they show the project loaded behind their back (every
  // page, or the empty boxes of a page never loaded would commit, e.g., a bearing layer of no
  // weight or an improved body of width 0 on blocks 20 wide, which the engines refuse).
  window->pages().load_design_conditions_page();
  window->pages().load_bearing_layer_page();
  window->pages().load_earth_pressure_page();
  window->pages().load_ground_surface_page();
  window->pages().load_improved_body_page();
  window->pages().load_superstructure_page();
  window->calculate();
  EXPECT_EQ(run_log(), "SAVELIN\nPELUDRA\nOSKAVEL\nVASKUDE\nTOLMIRE\nMERITAN\nJORPELA\n");
  ASSERT_TRUE(exists_in_work("CAL_ANS.DAT"));
  EXPECT_EQ(std::filesystem::file_size(work() / "CAL_ANS.DAT"), 632u);
  EXPECT_TRUE(exists_in_work("DM000BLK.PDT"));
  EXPECT_TRUE(exists_in_work("DM100BLK.PDT"));
  EXPECT_TRUE(window->isEnabled());
}

}  // namespace
}  // namespace qvt::shell::testing

namespace qvt::shell::testing {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> out;
  std::string line;
  for (char c : text) {
    if (c == '\n') {
      out.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  return out;
}

// The check point typed on the superstructure page reaches a run started on that page, in both
// load cases, and a close asks to save it.
TEST_F(RunTest, SuperstructurePageShownCommitsWithTheRun) {
  window->choose_category(1);
  ASSERT_TRUE(window->pages().is_shown(1));
  window->pages().superstructure().set_check_point(pages::kCheckPointX, "5");
  window->calculate();
  const auto cal = read_file_bytes(work() / "QVTAJKN.CAL");
  ASSERT_TRUE(cal.has_value());
  const std::vector<std::string> lines = lines_of(*cal);
  ASSERT_GE(lines.size(), 514u);
  EXPECT_EQ(lines[507], "5");  // check point X, normal case
  EXPECT_EQ(lines[513], "5");  // and seismic case
  EXPECT_EQ(window->model().conditions.body_reactions[0].check_x, 5);
  EXPECT_EQ(window->model().conditions.body_reactions[1].check_x, 5);
  ui.shown.clear();
  ui.answers = {Answer::Cancel};
  EXPECT_FALSE(window->close());
  ASSERT_EQ(ui.box_texts().size(), 1u);
}

}  // namespace
}  // namespace qvt::shell::testing
