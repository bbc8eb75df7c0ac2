// The force summary report: its rows by variant, its cells, and the two files as written.
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/vaskude/force_summary_report.h"
#include "engines/vaskude/vaskude_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace qvt::vaskude {
namespace {

namespace fs = std::filesystem;

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

TEST(ForceSummaryReport, RowsOfEachVariant) {
  // Block: 12 force rows and 10 moment rows; without the vertical components 8 and 8.
  // Wall/lattice: 4 more rows in each block.
  EXPECT_EQ(force_summary_rows(false, false).size(), 22u);
  EXPECT_EQ(force_summary_rows(false, true).size(), 16u);
  EXPECT_EQ(force_summary_rows(true, false).size(), 30u);
  EXPECT_EQ(force_summary_rows(true, true).size(), 24u);
  // The first column spells 合力 and モーメント down the rows.
  for (bool split : {false, true})
    for (bool ignored : {false, true}) {
      std::string column;
      for (const SummaryLine& r : force_summary_rows(split, ignored)) column += r.col1;
      EXPECT_EQ(column, "合力モ｜メント") << split << ignored;
    }
  // Without the vertical components the passive row is the plain passive pressure.
  bool plain_passive = false;
  for (const SummaryLine& r : force_summary_rows(false, true)) {
    EXPECT_NE(r.slot, FS_PASSIVE_VERTICAL_FORCE);
    EXPECT_NE(r.slot, FS_ACTIVE_SIDE_ADHESION);
    if (std::string(r.label).starts_with(" 受働土圧              ：Ｐ$SP$Z         (kN/m)"))
      plain_passive = true;
  }
  EXPECT_TRUE(plain_passive);
}

TEST(ForceSummaryReport, Cells) {
  EXPECT_EQ(summary_cell(0.0), cp(" ───── "));
  EXPECT_EQ(summary_cell(0.0).size(), 12u);
  EXPECT_EQ(summary_cell(-0.0), cp(" ───── "));
  EXPECT_EQ(summary_cell(0.0004), "       0.000");
  EXPECT_EQ(summary_cell(-1234.5678), "   -1234.568");
}

TEST(ForceSummaryReport, FilesAsWritten) {
  qvt::testing::TempDir dir;
  const fs::path previous = fs::current_path();
  fs::current_path(dir.path());
  reset_run_data();
  auto cd = std::make_unique<engine::ConditionData>();
  cd->stamp_date[0] = 26;
  cd->stamp_date[1] = 12;
  cd->stamp_date[2] = 10;
  cd->stamp_time[0] = 15;
  cd->stamp_time[1] = 4;
  cd->stamp_time[2] = 5;
  cd->project_title.assign("quay");
  auto& N = run_data().chain.force_summary[0].slot;
  auto& S = run_data().chain.force_summary[1].slot;
  N[FS_ACTIVE_HORIZONTAL_FORCE] = 123.456;
  N[FS_DYNAMIC_WATER_RESULTANT] = 5.0;  // never shown in the normal column
  S[FS_DYNAMIC_WATER_RESULTANT] = 48.25;
  write_force_summary_report(*cd, false);
  fs::current_path(previous);
  const auto pdt = read_file_bytes(dir / "DMMATOME.PDT");
  ASSERT_TRUE(pdt);
  EXPECT_EQ(*pdt, cp("外力計算結果のまとめ\r\n") + "  26  12  10  15   4   5           quay\r\n" +
                      "$0  D_MATOME.PFM\r\n");
  const auto pfm = read_file_bytes(dir / "D_MATOME.PFM");
  ASSERT_TRUE(pfm);
  const std::string zero = cp(" ───── ");
  const std::string expected_start =
      "D_MATOME.PFM\r\n25,4,0,1\r\n4,44,14,14\r\n2,@,@,@\r\n" +
      cp("外力計算結果のまとめ,@,@,@\r\n") + "0000,@,@,@\r\n3,3,3,3\r\n" +
      cp(",区    分,常 時,地 震 時\r\n") + "1101,0111,1111,1111\r\n" + "3,2,1,1\r\n" +
      cp(", 有効重量              ：ΣＷ$Si$Z       (kN/m),") + zero + " ," + zero + " \r\n" +
      "1011,1111,1111,1111\r\n";
  EXPECT_EQ(pfm->substr(0, expected_start.size()), expected_start);
  EXPECT_NE(pfm->find(cp("合, 主働土圧の水平成分    ：Ｐ$SA$Z         (kN/m),     123.456 ,") +
                      zero + " \r\n1010,1011,1011,1011\r\n"),
            std::string::npos);
  EXPECT_NE(pfm->find(cp("力, 動水圧                ：Ｐ$SdW$Z        (kN/m),") + zero +
                      " ,      48.250 \r\n"),
            std::string::npos);
  const std::string note = "2,@,@,@\r\n" +
                           cp("（注）モーメントは改良地盤前趾下端まわりとする。,@,@,@\r\n") +
                           "0001,@,@,@\r\n";
  EXPECT_EQ(pfm->substr(pfm->size() - note.size()), note);
  // The other variants by their shape lines: 19 rows without the vertical components; the
  // wall/lattice variant 33 and 27.
  fs::current_path(dir.path());
  cd->custom_options.backfill_vertical_ignored = 1;
  write_force_summary_report(*cd, false);
  const std::string v1 = read_file_bytes(dir / "D_MATOME.PFM").value_or("");
  write_force_summary_report(*cd, true);
  const std::string split1 = read_file_bytes(dir / "D_MATOME.PFM").value_or("");
  cd->custom_options.backfill_vertical_ignored = 0;
  write_force_summary_report(*cd, true);
  const std::string split0 = read_file_bytes(dir / "D_MATOME.PFM").value_or("");
  fs::current_path(previous);
  EXPECT_TRUE(v1.starts_with("D_MATOME.PFM\r\n19,4,0,1\r\n"));
  EXPECT_TRUE(split1.starts_with("D_MATOME.PFM\r\n27,4,0,1\r\n"));
  EXPECT_TRUE(split0.starts_with("D_MATOME.PFM\r\n33,4,0,1\r\n"));
  EXPECT_NE(split0.find(cp("モ,   無改良土のみ,")), std::string::npos);
  // 25 rows of three lines after the three head lines.
  int lines = 0;
  for (char ch : *pfm) lines += ch == '\n';
  EXPECT_EQ(lines, 3 + 25 * 3);
}

}  // namespace
}  // namespace qvt::vaskude
