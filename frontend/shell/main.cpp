// QVTA_WIN: the interactive front end.
#include "frontend/model/version_text.h"

#include <QApplication>
#include <QMainWindow>
#include <QString>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::filesystem::path install = QCoreApplication::applicationDirPath().toStdString();
  const std::string version = qvt::model::read_version_text(install / "SYSVER.DAT");
  QMainWindow window;
  window.setObjectName("Form1");
  window.setWindowTitle(QString::fromUtf8("Tervane Ver") + QString::fromStdString(version));
  window.resize(1024, 768);
  window.show();
  return app.exec();
}
