#include "frontend/import/widgets/data_dialog.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace qvt::import {
namespace {

int argc = 1;
char arg0[] = "data_dialog_test";
char* argv[] = {arg0, nullptr};

class DataDialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!QApplication::instance()) app = new QApplication(argc, argv);
  }
  static inline QApplication* app = nullptr;
};

TEST_F(DataDialogTest, OkTakesTheSelectedStudyAndClosingCancels) {
  struct Case {
    bool pick_hwl;
    bool ok;
    int expected;
  } cases[] = {{false, true, 1}, {true, true, 2}, {true, false, 0}};
  for (const Case& c : cases) {
    QTimer::singleShot(0, [&] {
      auto* d = dynamic_cast<DataDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(d, nullptr);
      EXPECT_EQ(d->windowTitle().toStdString(), "Brakmoorデータの読込み");
      EXPECT_TRUE(d->option(1)->isChecked());  // each showing starts with L.W.L.
      if (c.pick_hwl) d->option(0)->setChecked(true);
      if (c.ok) d->accept(); else d->reject();
    });
    EXPECT_EQ(ask_water_level_study(nullptr), c.expected);
  }
}

// Not a check: with QVT_DOCS_DIR set, saves the dialog as it opens.
TEST_F(DataDialogTest, Screenshot) {
  const QByteArray docs = qgetenv("QVT_DOCS_DIR");
  if (docs.isEmpty()) GTEST_SKIP() << "QVT_DOCS_DIR not set";
  DataDialog d;
  d.show();
  QApplication::processEvents();
  EXPECT_TRUE(d.grab().save(QString::fromLocal8Bit(docs) + "/water-level-choice.png"));
}

}  // namespace
}  // namespace qvt::import
