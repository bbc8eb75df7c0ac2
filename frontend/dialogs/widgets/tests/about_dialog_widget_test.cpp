#include "frontend/dialogs/widgets/about_dialog_widget.h"

#include "frontend/dialogs/widgets/tests/widget_test_app.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace qvt::dialogs {
namespace {

using testing::app;

TEST(AboutDialogWidget, ShowsTheTextsAndOpensOnlyAnAddress) {
  app();
  QStringList opened;
  AboutDialogWidget w(nullptr, "2.5.1", kAboutFirstYear + 1,
                      [&](const QString& url) { opened << url; });
  EXPECT_EQ(w.objectName(), QStringLiteral("about_dialog"));
  EXPECT_TRUE(w.isModal());
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Tervaneのﾊﾞｰｼﾞｮﾝ情報"));
  EXPECT_EQ(w.product_name()->text(), QStringLiteral("Tervane"));
  EXPECT_EQ(w.platform()->text(), QStringLiteral("for Linux"));
  EXPECT_EQ(w.version()->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 2.5.1"));
  EXPECT_EQ(w.copyright()->text(), QStringLiteral("© 2026-2027 Qvta_win maintainers"));
  EXPECT_EQ(w.web_address()->text(), QStringLiteral("－"));
  w.open_web_address();  // no address to open
  EXPECT_TRUE(opened.isEmpty());
  w.web_address()->setText(QStringLiteral("https://example.org/qvta"));
  w.open_web_address();
  EXPECT_EQ(opened, QStringList{QStringLiteral("https://example.org/qvta")});
  w.show();
  w.ok_button()->click();
  EXPECT_FALSE(w.isVisible());
}

// Not a check: with QVT_DOCS_DIR set, saves the picture of the dialog the documentation shows.
TEST(AboutDialogWidget, Screenshot) {
  const QByteArray docs = qgetenv("QVT_DOCS_DIR");
  if (docs.isEmpty()) GTEST_SKIP() << "QVT_DOCS_DIR not set";
  app();
  AboutDialogWidget w(nullptr, "1.0.0", kAboutFirstYear, {});
  w.show();
  ASSERT_TRUE(w.grab().save(QString::fromLocal8Bit(docs) + "/about-dialog.png"));
}

}  // namespace
}  // namespace qvt::dialogs
