// QVTA_WIN: the interactive front end.
#include "frontend/shell/bas_sub_main.h"
#include "frontend/shell/form1.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  qvt::shell::QtUiPort ui;
  qvt::shell::Started started =
      qvt::shell::Main(ui, qvt::shell::default_start_options(argc, argv));
  if (!started.window) return started.exit_code;
  return app.exec();
}
