#include "frontend/results/widgets/clay_check_dialog.h"

#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/results/widgets/tests/widget_test_support.h"
#include "frontend/widgets/text_box_focus.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qvt::results {
namespace {

using testing::app;
using testing::Recorder;

class ClayCheckDialogTest : public ::testing::Test {
 protected:
  ClayCheckDialogTest() {
    app();
    write_file_bytes(dir / "CAL_HEN.DAT",
                     utf8_to_cp932_lossy("26,3,8,7,5,9,粘土地盤の岸壁,第1案") +
                         "\r\n2000.000000,2000.000000\r\n300.000000,500.000000\r\n0,0\r\n"
                         "20.000000\r\n2.000000,3.000000\r\n0.200000,0.300000\r\n5.000000\r\n"
                         "100.000000\r\n18.000000\r\n30.000000\r\n150.000000,160.000000\r\n");
    std::filesystem::copy_file(std::filesystem::path(QVT_BIN_DIR) / "KS_AB.CSV",
                               dir / "KS_AB.CSV");
    model.work_folder = dir.path();
    model.install_folder = dir.path();
    model.conditions.seismic_check = 1;
  }
  qvt::testing::TempDir dir;
  model::ProjectModel model;
  Recorder sink;
};

TEST_F(ClayCheckDialogTest, ListsFollowTheFocusedRowAndBoxesAnswer) {
  ClayCheckDialog dialog(nullptr, model, sink);
  EXPECT_TRUE(sink.texts.empty());
  EXPECT_EQ(dialog.ratio_label(0, 0)->text(), QStringLiteral("0.150"));
  EXPECT_EQ(dialog.ratio_label(1, 2)->text(), QStringLiteral("1.000"));
  // Opened on the safe classes (0.15, 0.2, 1.0): Nc 3.32 + 0.13, qa 3.45 x 100 / 2.5 + 30 = 168
  // beside the maximum reaction 150 it is compared with.
  EXPECT_EQ(dialog.class_list(0)->currentText(), QStringLiteral("0.15"));
  EXPECT_EQ(dialog.class_list(1)->currentText(), QStringLiteral("0.2"));
  EXPECT_EQ(dialog.class_list(2)->currentText(), QStringLiteral("1.0"));
  EXPECT_EQ(dialog.nc_box(0)->text(), QStringLiteral("3.45"));
  EXPECT_EQ(dialog.qa_label(0)->text(), QStringLiteral("168.000"));
  EXPECT_EQ(dialog.sign_label(0)->text(), QStringLiteral("＞"));
  EXPECT_EQ(dialog.reaction_label(0)->text(), QStringLiteral("150.000"));
  EXPECT_EQ(dialog.verdict_label(0)->text(), QStringLiteral("Ｏ.Ｋ."));
  // The seismic row (0.25, 0.4, 1.0), its classes as plain texts: 2.09 + 0.06, 2.15 x 100 / 1.5 +
  // 30 = 173.333 against 160.
  EXPECT_EQ(dialog.class_box(1, 0)->text(), QStringLiteral("0.25"));
  EXPECT_EQ(dialog.class_box(1, 1)->text(), QStringLiteral("0.4"));
  EXPECT_EQ(dialog.class_box(1, 2)->text(), QStringLiteral("1.0"));
  EXPECT_EQ(dialog.qa_label(1)->text(), QStringLiteral("173.333"));
  EXPECT_EQ(dialog.reaction_label(1)->text(), QStringLiteral("160.000"));
  EXPECT_EQ(dialog.verdict_label(1)->text(), QStringLiteral("Ｏ.Ｋ."));
  // The lists stand on the normal row: its class boxes are covered.
  EXPECT_TRUE(dialog.class_box(0, 0)->isHidden());
  EXPECT_FALSE(dialog.class_box(1, 0)->isHidden());

  emit dialog.class_list(0)->activated(3);  // 0.15
  emit dialog.class_list(1)->activated(2);  // 0.4
  emit dialog.class_list(2)->activated(4);  // 2.0
  EXPECT_EQ(dialog.a_label(0)->text(), QStringLiteral("2.49"));
  EXPECT_EQ(dialog.b_label(0)->text(), QStringLiteral("0.15"));
  EXPECT_EQ(dialog.nc_box(0)->text(), QStringLiteral("2.64"));
  EXPECT_EQ(dialog.qa_label(0)->text(), QStringLiteral("135.600"));  // 2.64 * 100 / 2.5 + 30
  // Below the maximum reaction 150: the verdict the page will write stands beside qa.
  EXPECT_EQ(dialog.verdict_label(0)->text(), QStringLiteral("ＯＵＴ"));

  // Entering the seismic row: the lists move there with its classes, the normal choices show
  // as text.
  dialog.enter_class_box(1, 1);
  EXPECT_FALSE(dialog.class_box(0, 0)->isHidden());
  EXPECT_TRUE(dialog.class_box(1, 1)->isHidden());
  EXPECT_EQ(dialog.class_box(0, 0)->text(), QStringLiteral("0.15"));
  EXPECT_EQ(dialog.class_box(0, 2)->text(), QStringLiteral("2.0"));
  EXPECT_EQ(dialog.class_list(0)->currentIndex(), 5);
  // And back: the normal choices return to the lists.
  dialog.enter_class_box(0, 1);
  EXPECT_EQ(dialog.class_list(0)->currentIndex(), 3);
  EXPECT_EQ(dialog.class_list(2)->currentIndex(), 4);

  // Nc typed.
  dialog.nc_box(0)->setText(QStringLiteral("3.45"));
  emit dialog.nc_box(0)->textEdited(QStringLiteral("3.45"));
  EXPECT_EQ(dialog.qa_label(0)->text(), QStringLiteral("168.000"));
  EXPECT_EQ(dialog.verdict_label(0)->text(), QStringLiteral("Ｏ.Ｋ."));
  dialog.ok();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const auto page = read_file_bytes(dir / "DM006SHK.PDT");
  ASSERT_TRUE(page);
  EXPECT_NE(page->find("13    168.000\r\n"), std::string::npos);
}

// Nc typed as no number or out of Nc's range goes back to the Nc held with the boxes' notice,
// also when OK is pressed while the box holds it; a pasted column keeps its first line.
TEST_F(ClayCheckDialogTest, AnNcThatIsNoNumberOrOutOfRangeGoesBackAndAPasteKeepsItsFirstLine) {
  std::string status;
  widgets::TextBoxFocus::set_status_line([&](const std::string& t) { status = t; });
  ClayCheckDialog dialog(nullptr, model, sink);
  QLineEdit* box = dialog.nc_box(0);
  for (const char* typed : {"１２", "nan", "inf", "1e999", "2000"}) {
    SCOPED_TRACE(typed);
    status.clear();
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(box, &in);
    box->setText(QString::fromUtf8(typed));
    emit box->textEdited(box->text());
    EXPECT_EQ(dialog.qa_label(0)->text(), QStringLiteral("168.000"));  // Nc 3.45 as held
    dialog.ok();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(box->text(), QStringLiteral("3.45"));
    EXPECT_FALSE(status.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "DM006SHK.PDT"));
  }
  box->selectAll();
  QApplication::clipboard()->setText(QStringLiteral("12.5\r\n34"));
  box->paste();
  EXPECT_EQ(box->text(), QStringLiteral("12.5"));
  EXPECT_EQ(dialog.qa_label(0)->text(), QStringLiteral("530.000"));  // 12.5 x 100 / 2.5 + 30
  widgets::TextBoxFocus::set_status_line({});
  EXPECT_TRUE(sink.texts.empty());
}

// What cannot be computed shows "－" and takes nothing typed, and OK writes the page of the case
// that fails; a B k / c0 below the smallest class is said in a notice kept in view. Normal:
// k 0.5, B k / c0 = 20 x 0.5 / 100 = 0.100, class 0.2 with b from 0.100: 0.025 x 0.64 x 0.80719
// = 0.01, Nc 3.32 + 0.01 = 3.33, qa = 3.33 x 100 / 2.5 + 30 = 163.200 >= 150. Seismic: e 15 on
// B 20, 2e/B 1.500, outside the base; no reaction computed.
TEST_F(ClayCheckDialogTest, ShowsWhatCannotBeComputedAndAStrengthBelowTheClasses) {
  write_file_bytes(dir / "CAL_HEN.DAT",
                   utf8_to_cp932_lossy("26,3,8,7,5,9,粘土地盤の岸壁,第1案") +
                       "\r\n2000.000000,2000.000000\r\n300.000000,1000.000000\r\n0,0\r\n"
                       "20.000000\r\n2.000000,15.000000\r\n0.200000,1.500000\r\n0.500000\r\n"
                       "100.000000\r\n18.000000\r\n30.000000\r\n150.000000,0.000000\r\n");
  ClayCheckDialog dialog(nullptr, model, sink);
  ASSERT_EQ(sink.texts.size(), 1u);  // the resultant outside the base
  EXPECT_FALSE(dialog.notice_label()->isHidden());
  EXPECT_EQ(dialog.notice_label()->text().toStdString(), dialog.check().strength_notice());
  EXPECT_NE(dialog.notice_label()->text().indexOf(QStringLiteral("0.100")), -1);
  EXPECT_EQ(dialog.b_label(0)->text(), QStringLiteral("0.01"));
  EXPECT_EQ(dialog.nc_box(0)->text(), QStringLiteral("3.33"));
  EXPECT_EQ(dialog.qa_label(0)->text(), QStringLiteral("163.200"));
  EXPECT_EQ(dialog.verdict_label(0)->text(), QStringLiteral("Ｏ.Ｋ."));
  EXPECT_TRUE(dialog.nc_box(0)->isEnabled());
  EXPECT_FALSE(dialog.nc_box(1)->isEnabled());
  for (QLabel* shown : {dialog.a_label(1), dialog.b_label(1), dialog.qa_label(1), dialog.sign_label(1),
                        dialog.reaction_label(1)})
    EXPECT_EQ(shown->text(), QStringLiteral("－")) << shown->objectName().toStdString();
  EXPECT_EQ(dialog.nc_box(1)->text(), QStringLiteral("－"));
  EXPECT_EQ(dialog.verdict_label(1)->text(), QStringLiteral("ＯＵＴ"));
  dialog.ok();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(std::filesystem::exists(dir / "DM106SHK.PDT"));
  EXPECT_EQ(sink.texts.size(), 1u);
  // B k / c0 = 1.000 of the fixture has its class: no notice.
  write_file_bytes(dir / "CAL_HEN.DAT",
                   utf8_to_cp932_lossy("26,3,8,7,5,9,粘土地盤の岸壁,第1案") +
                       "\r\n2000.000000,2000.000000\r\n300.000000,500.000000\r\n0,0\r\n"
                       "20.000000\r\n2.000000,3.000000\r\n0.200000,0.300000\r\n5.000000\r\n"
                       "100.000000\r\n18.000000\r\n30.000000\r\n150.000000,160.000000\r\n");
  ClayCheckDialog fits(nullptr, model, sink);
  EXPECT_TRUE(fits.notice_label()->isHidden());
}

TEST_F(ClayCheckDialogTest, UnreadableHandOverDisablesOk) {
  write_file_bytes(dir / "CAL_HEN.DAT", "x\r\n");
  ClayCheckDialog dialog(nullptr, model, sink);
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_FALSE(dialog.ok_button()->isEnabled());
  EXPECT_EQ(dialog.qa_label(0)->text(), QStringLiteral("***"));
}


}  // namespace
}  // namespace qvt::results
