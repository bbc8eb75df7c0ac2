// QVTA_WIN: the interactive front end.
#include "frontend/shell/program_start.h"
#include "frontend/shell/main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  qvt::shell::QtUiPort ui;
  qvt::shell::Started started =
      qvt::shell::start_program(ui, qvt::shell::default_start_options(argc, argv));
  if (!started.window) return started.exit_code;
  return app.exec();
}
