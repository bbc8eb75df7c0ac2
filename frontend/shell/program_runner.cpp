#include "frontend/shell/program_runner.h"

#include "frontend/shell/engine_message.h"

#include <QEventLoop>
#include <QProcess>

#include <iostream>

namespace qvt::shell {

namespace {

MessageIcon icon_of(EngineMessage::Kind kind) {
  switch (kind) {
    case EngineMessage::Kind::Error: return MessageIcon::Critical;
    case EngineMessage::Kind::Warning: return MessageIcon::Exclamation;
    case EngineMessage::Kind::Info:
    case EngineMessage::Kind::Question: break;
  }
  return MessageIcon::Information;
}

// Shows the message of one line, answering a question on the program's standard input. Any
// other line goes to the front end's own standard error, so nothing an engine says is lost.
void relay_line(UiPort& ui, QWidget* owner, QProcess& process, const QByteArray& line) {
  const auto msg = parse_engine_message(std::string_view(line.constData(), line.size()));
  if (!msg) {
    std::cerr << line.toStdString() << '\n';
    return;
  }
  const QString title = QString::fromStdString(msg->title);
  const QString text = QString::fromStdString(msg->text);
  if (msg->kind != EngineMessage::Kind::Question) {
    ui.notice(owner, icon_of(msg->kind), title, text);
    return;
  }
  const Answer a = ui.message_box(owner, icon_of(msg->kind), title, text, Buttons::YesNo,
                                  Answer::Yes);
  if (process.state() != QProcess::NotRunning)
    process.write(a == Answer::Yes ? kAnswerYes : kAnswerNo);
}

// Takes what the program has written on standard error and shows every complete line; at the
// end (`flush`) also a last line without its line end.
void relay_available(UiPort& ui, QWidget* owner, QProcess& process, QByteArray& pending,
                     bool flush) {
  pending += process.readAllStandardError();
  for (;;) {
    const qsizetype nl = pending.indexOf('\n');
    if (nl < 0) break;
    const QByteArray line = pending.left(nl);
    pending.remove(0, nl + 1);
    relay_line(ui, owner, process, line);
    // A box runs the event loop: the program may have written more meanwhile.
    pending += process.readAllStandardError();
  }
  if (flush && !pending.isEmpty()) {
    const QByteArray line = pending;
    pending.clear();
    relay_line(ui, owner, process, line);
  }
}

}  // namespace

RunOutcome run_and_wait(UiPort& ui, QWidget* owner, const ProgramStart& start) {
  RunOutcome out;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(start.program, ec)) {
    out.end = RunOutcome::End::Missing;
    return out;
  }

  QEventLoop loop;
  QProcess process;
  bool woken = false;
  auto wake = [&] {
    woken = true;
    loop.quit();
  };
  QObject::connect(&process, &QProcess::readyReadStandardError, &loop, wake);
  QObject::connect(&process, &QProcess::finished, &loop, wake);
  QObject::connect(&process, &QProcess::errorOccurred, &loop, wake);

  process.setProgram(QString::fromStdString(start.program.string()));
  process.setArguments(start.arguments);
  process.setWorkingDirectory(QString::fromStdString(start.working_dir.string()));
  // Standard output is not part of the protocol: it goes where the front end's own goes.
  process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
  process.start(QIODevice::ReadWrite);

  QByteArray pending;
  for (;;) {
    relay_available(ui, owner, process, pending, false);
    if (process.state() == QProcess::NotRunning) break;
    // Wait for the next thing the program does; a signal that came while a box was open has
    // set `woken`, so no wake-up is lost.
    if (!woken) loop.exec();
    woken = false;
  }
  // Every message of the program is shown before its end is acted on.
  relay_available(ui, owner, process, pending, true);

  if (process.error() == QProcess::FailedToStart) {
    out.end = RunOutcome::End::NotStarted;
  } else if (process.exitStatus() == QProcess::CrashExit) {
    out.end = RunOutcome::End::Crashed;
  } else {
    out.end = RunOutcome::End::Exited;
    out.exit_code = process.exitCode();
  }
  return out;
}

QString abnormal_end_text(const QString& what, const ProgramStart& start, const RunOutcome& out) {
  const QString name = QString::fromStdString(start.program.filename().string());
  const QString path = QString::fromStdString(start.program.string());
  switch (out.end) {
    case RunOutcome::End::Missing:
      return what + QStringLiteral(" ") + name + QStringLiteral(" が見つかりません。\n") + path;
    case RunOutcome::End::NotStarted:
      return what + QStringLiteral(" ") + name + QStringLiteral(" を起動できません。\n") + path;
    case RunOutcome::End::Crashed:
      return what + QStringLiteral(" ") + name + QStringLiteral(" が異常終了しました。");
    case RunOutcome::End::Exited: break;
  }
  return what + QStringLiteral(" ") + name + QStringLiteral(" が異常終了しました。（終了コード ") +
         QString::number(out.exit_code) + QStringLiteral("）");
}

}  // namespace qvt::shell
