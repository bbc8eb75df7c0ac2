#include "frontend/shell/result_commands.h"

#include "frontend/model/snapshots.h"
#include "frontend/results/widgets/clay_check_dialog.h"
#include "frontend/results/widgets/results_table_dialog.h"
#include "frontend/results/widgets/sand_check_dialog.h"
#include "frontend/shell/engine_chain.h"
#include "frontend/shell/program_runner.h"
#include "frontend/shell/shell_logic.h"

#include <QWidget>

#include <filesystem>
#include <system_error>

namespace qvt::shell {

void ResultCommands::calculate() {
  if (window_.is_waiting_for_program()) return;
  // The run goes on whatever a save chosen here did: the model is not lost by running.
  if (!files_.ask_to_save_changes(false)) return;
  if (model::write_engine_input(model_, sink_) != 0) {
    // The writer has said why. The engines' input of the last run is gone with it, so its
    // results no longer belong to anything on record.
    window_.delete_stale_results();
    return;
  }
  window_.delete_stale_results();
  if (run_engine_chain()) {
    results::ResultsTableDialog results(owner(), model_, sink_, results_save_dialog());
    ui_.exec_dialog(results);
  }
}

// Runs the engines one after another with the window disabled. True when all ended with 0. A
// run that stops leaves no result files, so the result commands say that nothing has been
// calculated rather than show the partial output of the engines before the stop.
bool ResultCommands::run_engine_chain() {
  window_.set_waiting_for_program(true);
  const bool finished =
      EngineChainRunner(ui_, owner()).run(model_.install_folder, model_.work_folder);
  if (!finished) window_.delete_stale_results();
  window_.set_waiting_for_program(false);
  owner()->activateWindow();
  owner()->setFocus();
  return finished;
}

bool ResultCommands::result_command_prelude(const char* result_file, const QString& title,
                                            const QString& missing_text,
                                            const QString& changed_text) {
  window_.store_all_pages();
  project_.write_snapshot("EDT");
  std::error_code ec;
  if (!std::filesystem::exists(model_.work_folder / result_file, ec)) {
    ui_.notice(owner(), MessageIcon::Information, title, missing_text);
    return false;
  }
  if (project_.snapshots_differ("CAL", "EDT"))
    ui_.notice(owner(), MessageIcon::Information, title,
               QStringLiteral("前回の計算よりデータが更新されています。\n") + changed_text);
  return true;
}

void ResultCommands::show_results() {
  if (!result_command_prelude(kResultSummaryFile, QStringLiteral("結果表示"),
                              QStringLiteral("未計算の為、表示する結果はありません。"),
                              QStringLiteral("前回の計算結果の表示します。")))
    return;
  results::ResultsTableDialog results(owner(), model_, sink_, results_save_dialog());
  ui_.exec_dialog(results);
}

std::function<std::optional<std::string>(const std::string&)>
ResultCommands::results_save_dialog() {
  return [this](const std::string& proposed) -> std::optional<std::string> {
    FileRequest request;
    request.caption = QStringLiteral("Text出力");
    request.filter = QStringLiteral("ﾃｷｽﾄ ﾌｧｲﾙ (*.txt)");
    request.start = QString::fromStdString(proposed);
    request.default_suffix = QStringLiteral("txt");
    const auto path = ui_.save_file(owner(), request);
    if (!path) return std::nullopt;
    return path->toStdString();
  };
}

void ResultCommands::eccentric_check() {
  if (!result_command_prelude(kEccentricResultFile, QStringLiteral("偏心傾斜"),
                              QStringLiteral("未計算の為、偏心傾斜による検討は出来ません。"),
                              QStringLiteral("前回の計算結果を使って検討をします。")))
    return;
  if (model_.conditions.bearing_layer.soil_type == 0) {
    results::SandCheckDialog check(owner(), model_, sink_);
    // A chart that could not be loaded has been reported; no check is offered without it.
    if (check.load_result() != results::SandCheck::Load::no_dialog) ui_.exec_dialog(check);
  } else {
    results::ClayCheckDialog check(owner(), model_, sink_);
    ui_.exec_dialog(check);
  }
}

void ResultCommands::print_report() {
  if (window_.is_waiting_for_program()) return;
  if (!result_command_prelude(kResultSummaryFile, QStringLiteral("帳票印刷"),
                              QStringLiteral("未計算の為、印刷する帳票はありません。"),
                              QStringLiteral("前回の計算結果の印刷を行います。")))
    return;
  ProgramStart start{model_.install_folder / kReportViewer, {QStringLiteral("/PDTOPEN")},
                     model_.work_folder};
  window_.set_waiting_for_program(true);
  const RunOutcome out = run_and_wait(ui_, owner(), start);
  if (!out.exited_with(0) && !out.exited_with(1))
    ui_.notice(owner(), MessageIcon::Exclamation, QStringLiteral("帳票印刷"),
               abnormal_end_text(QStringLiteral("帳票ビューア"), start, out));
  window_.set_waiting_for_program(false);
}

}  // namespace qvt::shell
