#pragma once
// The calculation and result commands of the main window: the run of the engines, the results
// table, the eccentric inclined load check and the report viewer.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/shell/file_commands.h"
#include "frontend/shell/open_project.h"
#include "frontend/shell/ui_port.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace qvt::shell {

// The report viewer, started with "/PDTOPEN".
inline constexpr const char* kReportViewer = "PRANDEL";

class ResultCommands {
 public:
  ResultCommands(UiPort& ui, CommandWindow& window, model::ProjectModel& model,
                 model::MessageSink& sink, OpenProject& project, FileCommands& files)
      : ui_(ui), window_(window), model_(model), sink_(sink), project_(project), files_(files) {}

  void calculate();
  void show_results();
  void eccentric_check();
  void print_report();

 private:
  QWidget* owner() { return window_.command_owner(); }
  bool result_command_prelude(const char* result_file, const QString& title,
                              const QString& missing_text, const QString& changed_text);
  bool run_engine_chain();
  // The save dialog of the results' text export.
  std::function<std::optional<std::string>(const std::string&)> results_save_dialog();

  UiPort& ui_;
  CommandWindow& window_;
  model::ProjectModel& model_;
  model::MessageSink& sink_;
  OpenProject& project_;
  FileCommands& files_;
};

}  // namespace qvt::shell
