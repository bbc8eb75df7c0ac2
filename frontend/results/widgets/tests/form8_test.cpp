#include "frontend/results/widgets/form8.h"

#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/results/widgets/tests/widget_test_support.h"

#include <QApplication>
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

class Form8Test : public ::testing::Test {
 protected:
  Form8Test() {
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

TEST_F(Form8Test, ListsFollowTheFocusedRowAndBoxesAnswer) {
  Form8 form(nullptr, model, sink);
  EXPECT_TRUE(sink.texts.empty());
  EXPECT_EQ(form.ratio_label(0, 0)->text(), QStringLiteral("0.150"));
  EXPECT_EQ(form.ratio_label(1, 2)->text(), QStringLiteral("1.000"));
  EXPECT_EQ(form.qa_label(0)->text(), QStringLiteral("30.000"));
  // The lists stand on the normal row: its class boxes are covered.
  EXPECT_TRUE(form.class_box(0)->isHidden());
  EXPECT_FALSE(form.class_box(3)->isHidden());

  emit form.class_list(0)->activated(3);  // 0.15
  emit form.class_list(1)->activated(2);  // 0.4
  emit form.class_list(2)->activated(4);  // 2.0
  EXPECT_EQ(form.a_label(0)->text(), QStringLiteral("2.49"));
  EXPECT_EQ(form.b_label(0)->text(), QStringLiteral("0.15"));
  EXPECT_EQ(form.nc_box(0)->text(), QStringLiteral("2.64"));
  EXPECT_EQ(form.qa_label(0)->text(), QStringLiteral("135.600"));  // 2.64 * 100 / 2.5 + 30
  // Below the maximum reaction 150: the verdict the page will write stands beside qa.
  EXPECT_EQ(form.verdict_label(0)->text(), QStringLiteral("ＯＵＴ"));

  // Entering the seismic row: the lists move there at "0", the normal choices show as text.
  form.class_box_focused(4);
  EXPECT_FALSE(form.class_box(0)->isHidden());
  EXPECT_TRUE(form.class_box(4)->isHidden());
  EXPECT_EQ(form.class_box(0)->text(), QStringLiteral("0.15"));
  EXPECT_EQ(form.class_box(2)->text(), QStringLiteral("2.0"));
  EXPECT_EQ(form.class_list(0)->currentIndex(), 0);
  // And back: the normal choices return to the lists.
  form.class_box_focused(1);
  EXPECT_EQ(form.class_list(0)->currentIndex(), 3);
  EXPECT_EQ(form.class_list(2)->currentIndex(), 4);

  // Nc typed.
  form.nc_box(0)->setText(QStringLiteral("3.45"));
  emit form.nc_box(0)->textEdited(QStringLiteral("3.45"));
  EXPECT_EQ(form.qa_label(0)->text(), QStringLiteral("168.000"));
  EXPECT_EQ(form.verdict_label(0)->text(), QStringLiteral("Ｏ.Ｋ."));
  form.Command2_Click();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  const auto page = read_file_bytes(dir / "DM006SHK.PDT");
  ASSERT_TRUE(page);
  EXPECT_NE(page->find("13    168.000\r\n"), std::string::npos);
}

TEST_F(Form8Test, UnreadableHandOverDisablesOk) {
  write_file_bytes(dir / "CAL_HEN.DAT", "x\r\n");
  Form8 form(nullptr, model, sink);
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_FALSE(form.ok_button()->isEnabled());
  EXPECT_EQ(form.qa_label(0)->text(), QStringLiteral("***"));
}


}  // namespace
}  // namespace qvt::results
