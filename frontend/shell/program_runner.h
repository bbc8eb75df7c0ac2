#pragma once
// Starting a program of the system (an engine, the report viewer, the updater) and waiting for
// it while the event loop runs: the windows repaint, nothing spins. The program's message lines
// on standard error become modal message boxes; a question is answered on its standard input.
#include "frontend/shell/ui_port.h"

#include <QString>
#include <QStringList>

#include <filesystem>

namespace qvt::shell {

struct RunOutcome {
  enum class End {
    Exited,      // ended by itself; exit_code holds its code
    Crashed,     // ended by a signal
    Missing,     // the program file does not exist
    NotStarted,  // the program file exists but could not be started
  };
  End end = End::NotStarted;
  int exit_code = -1;

  bool exited_with(int code) const { return end == End::Exited && exit_code == code; }
};

struct ProgramStart {
  std::filesystem::path program;      // absolute path of the program file
  QStringList arguments;
  std::filesystem::path working_dir;  // the work folder
};

// Runs the program to its end. Every message line is shown (owned by `owner`, which may be
// null) before this returns. Never waits for ever on a program that cannot start.
RunOutcome run_and_wait(UiPort& ui, QWidget* owner, const ProgramStart& start);

// The text that reports an end other than exit code 0 or 1 (or a missing program):
// `what` names the kind of program, for example "計算プログラム".
QString abnormal_end_text(const QString& what, const ProgramStart& start, const RunOutcome& out);

}  // namespace qvt::shell
