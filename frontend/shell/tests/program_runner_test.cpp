#include "frontend/shell/program_runner.h"

#include "frontend/shell/tests/shell_test_support.h"

#include <QTimer>
#include <QWidget>

namespace qvt::shell::testing {
namespace {

class RunnerTest : public ShellTest {
 protected:
  RunnerTest() { std::filesystem::create_directories(work()); }
  RunOutcome run(const std::string& name, QWidget* owner = nullptr, QStringList args = {}) {
    return run_and_wait(ui, owner, {install() / name, args, work()});
  }
};

TEST_F(RunnerTest, RelaysMessagesAndAnswersQuestionsOnStandardInput) {
  program("ENGINE",
          "printf 'QVTMSG\\tinfo\\tTitle\\tline 1\\\\nline 2\\n' >&2\n"
          "echo 'not a message' >&2\n"
          "printf 'QVTMSG\\tquestion\\tQ\\tFirst?\\n' >&2\n"
          "read a; echo \"$a\" > answers.txt\n"
          "printf 'QVTMSG\\tquestion\\tQ\\tSecond?\\n' >&2\n"
          "read b; echo \"$b\" >> answers.txt\n"
          "printf 'QVTMSG\\terror\\t\\tlast without line end' >&2\n"
          "pwd > where.txt\n"
          "exit 1");
  ui.answers = {Answer::Ok, Answer::Yes, Answer::No};
  QWidget owner;
  const RunOutcome out = run("ENGINE", &owner);
  EXPECT_TRUE(out.exited_with(1));
  ASSERT_EQ(ui.shown.size(), 4u);
  EXPECT_EQ(ui.shown[0].title, "Title");
  EXPECT_EQ(ui.shown[0].text, "line 1\nline 2");
  EXPECT_EQ(ui.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(ui.shown[0].buttons, Buttons::Ok);
  EXPECT_EQ(ui.shown[1].text, "First?");
  EXPECT_EQ(ui.shown[1].buttons, Buttons::YesNo);
  EXPECT_EQ(ui.shown[2].text, "Second?");
  EXPECT_EQ(ui.shown[3].text, "last without line end");
  EXPECT_EQ(ui.shown[3].icon, MessageIcon::Critical);
  EXPECT_EQ(*read_file_bytes(work() / "answers.txt"), "yes\nno\n");
  // The work folder is the program's working directory.
  EXPECT_EQ(*read_file_bytes(work() / "where.txt"),
            std::filesystem::canonical(work()).string() + "\n");
}

TEST_F(RunnerTest, TellsEveryKindOfEnd) {
  program("ZERO", "exit 0");
  program("SEVEN", "exit 7");
  program("KILLED", "kill -9 $$");
  write_file_bytes(install() / "NOEXEC", "#!/bin/sh\nexit 0\n");  // not executable
  program("BADINTERP", "");
  write_file_bytes(install() / "BADINTERP", "#!/nonexistent/shell\n");

  EXPECT_TRUE(run("ZERO").exited_with(0));
  const RunOutcome seven = run("SEVEN");
  EXPECT_TRUE(seven.exited_with(7));
  EXPECT_EQ(run("KILLED").end, RunOutcome::End::Crashed);
  EXPECT_EQ(run("MISSING").end, RunOutcome::End::Missing);
  EXPECT_EQ(run("NOEXEC").end, RunOutcome::End::NotStarted);
  EXPECT_EQ(run("BADINTERP").end, RunOutcome::End::NotStarted);
  EXPECT_TRUE(ui.shown.empty());

  const ProgramStart start{install() / "SEVEN", {}, work()};
  EXPECT_EQ(abnormal_end_text(QStringLiteral("計算プログラム"), start, seven).toStdString(),
            "計算プログラム SEVEN が異常終了しました。（終了コード 7）");
  RunOutcome missing;
  missing.end = RunOutcome::End::Missing;
  EXPECT_EQ(abnormal_end_text(QStringLiteral("帳票ビューア"), start, missing).toStdString(),
            "帳票ビューア SEVEN が見つかりません。\n" + (install() / "SEVEN").string());
}

TEST_F(RunnerTest, AnswerToAProgramThatNoLongerReadsIsHarmless) {
  // The question comes, but the program ends without reading the answer (its input is closed
  // by the time the answer is written).
  program("QUITTER", "exec 0<&-; printf 'QVTMSG\\tquestion\\tQ\\tGone?\\n' >&2; sleep 0.3; exit 0");
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(run("QUITTER").exited_with(0));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Gone?");
  program("AFTER", "exit 0");
  EXPECT_TRUE(run("AFTER").exited_with(0));
}

TEST_F(RunnerTest, TheEventLoopRunsWhileWaiting) {
  program("SLOW", "sleep 0.5; echo \"$1\" > arg.txt");
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(20);
  EXPECT_TRUE(run("SLOW", nullptr, {QStringLiteral("/PDTOPEN")}).exited_with(0));
  // A blocking wait would let no timer fire until the program had ended.
  EXPECT_GE(ticks, 5);
  EXPECT_EQ(*read_file_bytes(work() / "arg.txt"), "/PDTOPEN\n");
}

}  // namespace
}  // namespace qvt::shell::testing
