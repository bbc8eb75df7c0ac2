#include "frontend/shell/ui_port.h"

#include "frontend/shell/tests/shell_test_support.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
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
  // The model gathers the folder in the background and says when it has the whole folder:
  // wait for that (bounded), so a slow machine does not see half a folder. Files the filter
  // hides never become rows, so counting rows against the folder's entries would wait in vain.
  const QString canonical = QFileInfo(folder).canonicalFilePath();
  bool loaded = false;
  QEventLoop loop;
  QObject::connect(model, &QFileSystemModel::directoryLoaded, &loop, [&](const QString& path) {
    if (path == folder || path == canonical) {
      loaded = true;
      loop.quit();
    }
  });
  dialog.setDirectory(folder);
  dialog.show();
  if (!loaded) {
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
  }
  EXPECT_TRUE(loaded) << "the folder was not listed within 10 s";
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
