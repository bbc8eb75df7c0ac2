#include "frontend/results/widgets/results_table_dialog.h"

#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/results/widgets/tests/widget_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qvt::results {
namespace {

using testing::app;
using testing::Recorder;

const char* const kCase =
    "1.523000,1.200000,0\r\n2.000000,1.200000,0\r\n300.000000,500.000000,0\r\n"
    "150.000000,1000.000000,0\r\n0.000000,100.000000,1\r\n20.000000,100.000000,0\r\n"
    "0.000000,0.000000,0.000000,1.200000,1\r\n0.000000,0.000000,0\r\n";

class ResultsTableDialogTest : public ::testing::Test {
 protected:
  ResultsTableDialogTest() {
    app();
    model.work_folder = dir.path();
    model.conditions.seismic_check = 2;
    model.conditions.improvement_pattern = 1;
  }
  qvt::testing::TempDir dir;
  model::ProjectModel model;
  Recorder sink;
};

TEST_F(ResultsTableDialogTest, ShowsTheTableFromTheFile) {
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", std::string(kCase) + kCase));
  model.command_line = "/TD";
  ResultsTableDialog dialog(nullptr, model, sink);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("安定計算結果"));
  EXPECT_TRUE(sink.texts.empty());
  EXPECT_EQ(dialog.cell(0, 0)->text(), QStringLiteral("1.523 ≧ 1.200"));
  // Failed with the value 0 the engines write for one they could not compute: "－", no sign.
  EXPECT_EQ(dialog.cell(4, 1)->text(), QStringLiteral("－ 100.000"));
  EXPECT_EQ(dialog.mark(4, 1)->text(), QStringLiteral("×"));
  EXPECT_EQ(dialog.cell(6, 0)->text(), QStringLiteral("－ 1.200"));
  EXPECT_EQ(dialog.mark(2, 0)->text(), QStringLiteral("○"));
  EXPECT_EQ(dialog.row_title(5)->text(), QStringLiteral("せん断 短壁"));
  EXPECT_FALSE(dialog.export_button()->isHidden());
  EXPECT_TRUE(dialog.export_button()->isEnabled());
  // OK closes the dialog and writes nothing.
  dialog.show();
  dialog.ok_button()->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(ResultsTableDialogTest, AMalformedFileIsSaidAndTheExportIsDisabled) {
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", kCase));  // one case only
  model.command_line = "/td";
  ResultsTableDialog dialog(nullptr, model, sink);
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0], "計算結果ﾌｧｲﾙ(CAL_ANZ.DAT)が読み込み出来ません。");
  EXPECT_TRUE(dialog.cell(0, 0)->text().isEmpty());
  EXPECT_EQ(dialog.row_title(0)->text(), QStringLiteral("滑 動"));
  EXPECT_FALSE(dialog.export_button()->isHidden());
  EXPECT_FALSE(dialog.export_button()->isEnabled());
}

TEST_F(ResultsTableDialogTest, WithoutTdTheExportStaysHidden) {
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", std::string(kCase) + kCase));
  model.conditions.seismic_check = 0;
  ResultsTableDialog dialog(nullptr, model, sink);
  EXPECT_TRUE(dialog.export_button()->isHidden());
  EXPECT_EQ(dialog.cell(0, 1)->text(), QStringLiteral("－"));
  EXPECT_EQ(dialog.mark(0, 1)->text(), QStringLiteral("－"));
}

}  // namespace
}  // namespace qvt::results

namespace qvt::results {
namespace {

TEST_F(ResultsTableDialogTest, TextExportWritesTheChosenFileAndCancelWritesNothing) {
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", std::string(kCase) + kCase));
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANS.TXT", "listing\r\n"));
  model.command_line = "/td";
  model.project_base_path = (dir / "quay").string();
  std::vector<std::string> proposals;
  std::optional<std::string> answer;
  ResultsTableDialog dialog(nullptr, model, sink, [&](const std::string& proposed) {
    proposals.push_back(proposed);
    return answer;
  });
  dialog.export_text();  // cancelled
  ASSERT_EQ(proposals.size(), 1u);
  EXPECT_EQ(proposals[0], (dir / "quay.txt").string());
  EXPECT_FALSE(std::filesystem::exists(dir / "quay.txt"));
  answer = (dir / "quay.txt").string();
  dialog.export_text();
  const auto bytes = read_file_bytes(dir / "quay.txt");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->rfind("listing\r\n\"", 0), 0u);
  // The project's pattern as the table was filled: a wall body has no internal stress, so its
  // zeros with flag 0 are no pass but "－" in every place.
  EXPECT_NE(cp932_to_utf8_lossy(*bytes).find("\"内部応力(接円式)\",－,－,－\r\n\"地震時\""),
            std::string::npos);
  EXPECT_TRUE(sink.texts.empty());
  // The listing as the target is refused with a warning.
  answer = (dir / "CAL_ANS.TXT").string();
  dialog.export_text();
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(read_file_bytes(dir / "CAL_ANS.TXT").value(), "listing\r\n");
}


}  // namespace
}  // namespace qvt::results
