#include "frontend/shell/ui_port.h"

#include "frontend/shell/tests/shell_test_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTimer>

#include <filesystem>
#include <set>

namespace qvt::shell::testing {
namespace {

// The file names the dialog lists in `folder` and lets the user choose.
std::set<std::string> offered(QFileDialog& dialog, const QString& folder) {
  auto* model = dialog.findChild<QFileSystemModel*>();
  EXPECT_TRUE(model);
  if (!model) return {};
  dialog.setDirectory(folder);
  dialog.show();
  // The model gathers the folder in the background, in batches: wait until every entry of the
  // folder is listed (bounded), so a slow machine does not see half a folder.
  const int entries = static_cast<int>(std::distance(
      std::filesystem::directory_iterator(folder.toStdString()), std::filesystem::directory_iterator()));
  QElapsedTimer timer;
  timer.start();
  while (model->rowCount(model->index(folder)) < entries && timer.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  QCoreApplication::processEvents();
  const QModelIndex root = model->index(folder);
  std::set<std::string> names;
  for (int r = 0; r < model->rowCount(root); ++r) {
    const QModelIndex i = model->index(r, 0, root);
    if (model->isDir(i)) continue;
    if (model->flags(i) & Qt::ItemIsEnabled) names.insert(model->fileName(i).toStdString());
  }
  return names;
}

class FileDialogTest : public ShellTest {
 protected:
  FileDialogTest() {
    std::filesystem::create_directories(path("p"));
    for (const char* n : {"quay.MSJ", "pier.msj", "Pier.Msj", "old.tj2", "new.TJ3", "notes.txt"})
      write_file_bytes(path("p") / n, "x");
  }
};

TEST_F(FileDialogTest, ProjectFilesMatchInAnyCase) {
  QFileDialog dialog;
  FileRequest request;
  request.filter = QStringLiteral("ﾃﾞｰﾀ ﾌｧｲﾙ (*.msj)");
  configure_file_dialog(dialog, request, false);
  EXPECT_EQ(offered(dialog, qpath("p")),
            (std::set<std::string>{"Pier.Msj", "pier.msj", "quay.MSJ"}));
  dialog.selectNameFilter(QStringLiteral("ﾃﾞｰﾀ ﾌｧｲﾙ (*.msj)"));
  EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
}

TEST_F(FileDialogTest, SaveDialogAddsTheSuffixAndAsksBeforeReplacing) {
  QFileDialog dialog;
  FileRequest request;
  request.filter = QStringLiteral("ﾃﾞｰﾀ ﾌｧｲﾙ (*.msj)");
  request.start = qpath("p/無題");
  request.default_suffix = QStringLiteral("msj");
  configure_file_dialog(dialog, request, true);
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(dialog.defaultSuffix().toStdString(), "msj");
  EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
}

}  // namespace
}  // namespace qvt::shell::testing
