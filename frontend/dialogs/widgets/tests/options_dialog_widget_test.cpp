#include "frontend/dialogs/widgets/options_dialog_widget.h"

#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/model/tests/model_test_support.h"

#include "frontend/dialogs/widgets/tests/widget_test_app.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include <gtest/gtest.h>

#include <string>

namespace qvt::dialogs {
namespace {

using testing::app;
using enum OptionBox;

class OptionsDialogWidgetTest : public ::testing::Test {
 protected:
  OptionsDialogWidgetTest() {
    app();
    std::filesystem::copy_file(std::filesystem::path(QVT_SOURCE_DIR) / "data" / "QVT_DAT.CST",
                               dir / "QVT_DAT.CST");
    shipped = *read_file_bytes(dir / "QVT_DAT.CST");
  }
  static void focus(QWidget* w, QEvent::Type type) {
    QFocusEvent e(type, Qt::OtherFocusReason);
    QApplication::sendEvent(w, &e);
  }
  // The user types a text into a box and leaves it.
  static void type(QLineEdit* e, const QString& text) {
    focus(e, QEvent::FocusIn);
    e->setText(text);
    emit e->textEdited(text);
    focus(e, QEvent::FocusOut);
  }

  qvt::testing::TempDir dir;
  std::string shipped;
  model::CustomOptions options;
  model::testing::Recorder rec;
  int manual = 0;
};

TEST_F(OptionsDialogWidgetTest, ShowsTheFileAndOkStoresTheEdits) {
  OptionsDialogWidget w(nullptr, dir.path(), options, rec, [this] { ++manual; });
  EXPECT_EQ(w.objectName(), QStringLiteral("options_dialog"));
  EXPECT_EQ(w.windowTitle(), QStringLiteral("カスタマイズ"));
  EXPECT_TRUE(w.isModal());
  EXPECT_EQ(w.box(WallFrictionAngle)->text(), QStringLiteral("15.000"));
  EXPECT_TRUE(w.negative_root_option(0)->isChecked());
  EXPECT_TRUE(w.surcharge_method_option(0)->isChecked());
  EXPECT_TRUE(w.passive_vertical_check()->isEnabled());
  EXPECT_EQ(w.cancel_button()->text(), QStringLiteral("ｷｬﾝｾﾙ"));

  focus(w.box(CollapseAngleNormal), QEvent::FocusIn);
  EXPECT_EQ(w.status_bar()->currentMessage(), QStringLiteral("常時における粘性土の崩壊角"));
  type(w.box(CollapseAngleNormal), QStringLiteral("1.5"));
  EXPECT_EQ(w.box(CollapseAngleNormal)->text(), QStringLiteral("1.500"));
  EXPECT_TRUE(w.status_bar()->currentMessage().isEmpty());
  // A text with no number does not turn the value into 0: the box goes back to it.
  type(w.box(AtRestK0), QStringLiteral("abc"));
  EXPECT_EQ(w.box(AtRestK0)->text(), QStringLiteral("0.500"));

  w.surcharge_method_option(1)->click();
  EXPECT_TRUE(w.surcharge_method_option(1)->isChecked());
  EXPECT_FALSE(w.surcharge_method_option(0)->isChecked());
  w.backfill_vertical_check()->click();  // cleared
  EXPECT_FALSE(w.passive_vertical_check()->isEnabled());
  EXPECT_TRUE(w.passive_vertical_check()->isChecked());

  w.ok_button()->click();
  EXPECT_EQ(w.result(), QDialog::Accepted);
  const auto lines = *read_lines(dir / "QVT_DAT.CST");
  EXPECT_EQ(lines[1], "1.5,45");
  EXPECT_EQ(lines[3], "0.5");
  EXPECT_EQ(lines[7], "1");
  EXPECT_EQ(lines[12], "1");
  EXPECT_EQ(lines[13], "0");
  EXPECT_EQ(options.surcharge_method, 1);
  EXPECT_EQ(options.backfill_vertical_ignored, 1);
  EXPECT_TRUE(rec.messages.empty());
}

TEST_F(OptionsDialogWidgetTest, HelpStaysOpenAndCancelWritesNothing) {
  OptionsDialogWidget w(nullptr, dir.path(), options, rec, [this] { ++manual; });
  w.show();
  type(w.box(WallFrictionAngle), QStringLiteral("30"));
  w.help_button()->click();
  EXPECT_EQ(manual, 1);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.box(WallFrictionAngle)->text(), QStringLiteral("30.000"));
  w.cancel_button()->click();
  EXPECT_FALSE(w.isVisible());
  EXPECT_EQ(w.result(), QDialog::Rejected);
  EXPECT_EQ(*read_file_bytes(dir / "QVT_DAT.CST"), shipped);
  EXPECT_EQ(options, model::CustomOptions{});
}

// A code outside its group is no option the dialog knows: the file is refused with its message.
TEST_F(OptionsDialogWidgetTest, AGroupCodeOutsideItsOptionsRefusesTheFile) {
  auto lines = *read_lines(dir / "QVT_DAT.CST");
  lines[6] = "5";
  ASSERT_TRUE(write_file_bytes(dir / "QVT_DAT.CST", join_crlf(lines)));
  OptionsDialogWidget w(nullptr, dir.path(), options, rec, {});
  ASSERT_EQ(rec.messages.size(), 1u);
  EXPECT_EQ(rec.messages[0].text, kMsgOptionsUnreadable);
}

// OK with a coefficient no soil has: the message names the box and its range, the dialog stays
// open with the typed text, and neither the file nor the options change.
TEST_F(OptionsDialogWidgetTest, OkRefusesACoefficientOutsideItsRange) {
  OptionsDialogWidget w(nullptr, dir.path(), options, rec, {});
  w.show();
  type(w.box(AtRestK0), QStringLiteral("5"));
  w.ok_button()->click();
  ASSERT_EQ(rec.messages.size(), 1u);
  EXPECT_EQ(rec.messages[0].text, "静止土圧係数 K0 は 0～2 の範囲で入力してください。");
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(*read_file_bytes(dir / "QVT_DAT.CST"), shipped);
  EXPECT_EQ(options, model::CustomOptions{});
}

// Not a check: with QVT_DOCS_DIR set, saves the picture of the dialog the documentation shows.
TEST_F(OptionsDialogWidgetTest, Screenshot) {
  const QByteArray docs = qgetenv("QVT_DOCS_DIR");
  if (docs.isEmpty()) GTEST_SKIP() << "QVT_DOCS_DIR not set";
  OptionsDialogWidget w(nullptr, dir.path(), options, rec, {});
  w.show();
  focus(w.box(CollapseAngleNormal), QEvent::FocusIn);
  ASSERT_TRUE(w.grab().save(QString::fromLocal8Bit(docs) + "/options-dialog.png"));
}

}  // namespace
}  // namespace qvt::dialogs
