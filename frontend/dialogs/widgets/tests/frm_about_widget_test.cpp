#include "frontend/dialogs/widgets/frm_about_widget.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace qvt::dialogs {
namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "dialogs_widget_tests";
  static char* argv[] = {name, nullptr};
  static QApplication a(argc, argv);
  return a;
}

TEST(FrmAboutWidget, ShowsTheTextsAndOpensOnlyAnAddress) {
  app();
  QStringList opened;
  FrmAboutWidget w(nullptr, "2.5.1", kAboutFirstYear + 1,
                   [&](const QString& url) { opened << url; });
  EXPECT_EQ(w.objectName(), QStringLiteral("frmAbout"));
  EXPECT_TRUE(w.isModal());
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Tervaneのﾊﾞｰｼﾞｮﾝ情報"));
  EXPECT_EQ(w.lblTitle(0)->text(), QStringLiteral("Tervane"));
  EXPECT_EQ(w.lblTitle(1)->text(), QStringLiteral("for Linux"));
  EXPECT_EQ(w.lblVersion()->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 2.5.1"));
  EXPECT_EQ(w.Text2()->text(), QStringLiteral("© 2026-2027 Qvta_win maintainers"));
  EXPECT_EQ(w.Text6()->text(), QStringLiteral("－"));
  w.Text6_Click();  // no address to open
  EXPECT_TRUE(opened.isEmpty());
  w.Text6()->setText(QStringLiteral("https://example.org/qvta"));
  w.Text6_Click();
  EXPECT_EQ(opened, QStringList{QStringLiteral("https://example.org/qvta")});
  w.show();
  w.cmdOK()->click();
  EXPECT_FALSE(w.isVisible());
}

// Not a check: with QVT_DOCS_DIR set, saves the picture of the dialog the documentation shows.
TEST(FrmAboutWidget, Screenshot) {
  const QByteArray docs = qgetenv("QVT_DOCS_DIR");
  if (docs.isEmpty()) GTEST_SKIP() << "QVT_DOCS_DIR not set";
  app();
  FrmAboutWidget w(nullptr, "1.0.0", kAboutFirstYear, {});
  w.show();
  ASSERT_TRUE(w.grab().save(QString::fromLocal8Bit(docs) + "/about-dialog.png"));
}

}  // namespace
}  // namespace qvt::dialogs
