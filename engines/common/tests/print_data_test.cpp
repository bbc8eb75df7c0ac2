#include "engines/common/print_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/tests/golden_file.h"

namespace qvt::engine {
namespace {

std::string cp(std::string_view utf8) { return utf8_to_cp932_lossy(utf8); }

struct Boxes {
  std::vector<std::string> shown;  // "title|text"
  PrintErrorBox sink() {
    return [this](std::string_view title, std::string_view text) {
      shown.push_back(std::string(title) + "|" + std::string(text));
    };
  }
};

// 9 December 2026 08:05:03 UTC.
constexpr const char* kEpoch = "1796803503";

class FixedClock : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("SOURCE_DATE_EPOCH", kEpoch, 1); }
  void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }
};

TEST_F(FixedClock, StampComesFromTheClockWithATwoDigitYear) {
  const PrintStamp s = stamp_now();
  EXPECT_EQ(s.date, (std::array<int, 3>{26, 12, 9}));
  EXPECT_EQ(s.time, (std::array<int, 3>{8, 5, 3}));
}

TEST(StampLine, BothFormsWorkedByHand) {
  const PrintStamp s{{26, 12, 9}, {8, 5, 3}};
  // Six numbers right-aligned in 4, then 8 blanks and the title ...
  EXPECT_EQ(stamp_line_text(s, "abc", StampForm::title_after_blanks),
            "  26  12   9   8   5   3        abc");
  // ... or the title right-aligned in 15: 12 blanks and abc.
  EXPECT_EQ(stamp_line_text(s, "abc", StampForm::title_right_aligned),
            "  26  12   9   8   5   3            abc");
  // A longer title is written whole; a line break ends it.
  EXPECT_EQ(stamp_line_text(s, "ABCDEFGHIJKLMNOPQ", StampForm::title_right_aligned),
            "  26  12   9   8   5   3ABCDEFGHIJKLMNOPQ");
  EXPECT_EQ(stamp_line_text(s, "abc\r\nxyz", StampForm::title_after_blanks),
            "  26  12   9   8   5   3        abc");
  // Widths count CP932 bytes: a title of 5 full-width characters is 10 bytes, 5 blanks before.
  EXPECT_EQ(stamp_line_text(s, cp("岸壁設計例"), StampForm::title_right_aligned),
            "  26  12   9   8   5   3     " + cp("岸壁設計例"));
}

TEST(TitleLine, CaseLabelAfter22Bytes) {
  // 10 full-width characters are 20 bytes: 2 blanks make 22, then the label.
  EXPECT_EQ(case_title_text(cp("改良地盤系の地盤反力"), 0),
            cp("改良地盤系の地盤反力  〈常  時〉"));
  EXPECT_EQ(case_title_text(cp("改良地盤系の地盤反力"), 1),
            cp("改良地盤系の地盤反力  〈地震時〉"));
  // A title of 22 bytes or more is not cut.
  EXPECT_EQ(case_title_text(cp("改良地盤系重量及び浮力と"), 0),
            cp("改良地盤系重量及び浮力と〈常  時〉"));
  EXPECT_EQ(case_label(0).size(), 10u);
}

TEST(PrintFile, RecordsAndTemplatesMatchTheGoldenFiles) {
  qvt::testing::TempDir dir;
  Boxes boxes;

  PrintFile pdt;
  ASSERT_TRUE(pdt.open(dir / "DM000BLK.PDT", boxes.sink()));
  pdt.case_title_line(cp("改良地盤系重量及び浮力"), 0);
  write_report_header(pdt, PrintStamp{{26, 12, 9}, {8, 5, 3}}, "abc");
  pdt.page_record("QVT_BWT.PFM");
  pdt.block_record("QVT_BK00.PFM");
  pdt.field_record(0, cp("《ブロック１》"));
  pdt.keep_record(5);
  pdt.table_start();
  pdt.block_record("QVT_BK00.PFM");
  pdt.field_record(1, "W$SV$Z");
  pdt.repeat_header("QVT_BK03.PFM");
  pdt.field_record(2, "m$U2$Z");
  pdt.block_record("QVT_BK01.PFM");
  pdt.printf("%02d  %10.3lf\n", 63, 12.3456);
  pdt.block_record("QVT_BK02.PFM");
  pdt.repeat_header_end();
  pdt.table_end();

  // A generated table named by the record written while the print data is still open.
  PrintFile pfm;
  ASSERT_TRUE(pfm.open(dir / "M_BLKV_A.PFM", boxes.sink()));
  TableTemplate table("M_BLKV_A.PFM", {4, 18, 12, 18, 10, 14});
  table.add_row("3,3,3,3,3,3", cp("番号,名称,鉛直力,作用位置,モーメント,備考"),
                "1011,1011,1011,1011,1011,1011");
  table.add_row("3,3,3,3,3,3", cp(",,(kN/m),(m),(kN･m/m),"), "1110,1110,1110,1110,1110,1110");
  const char* names[] = {"ブロック１", "ブロック２", "ブロック３"};
  const double v[3][3] = {{10, 1.5, 15}, {12, 2.5, 30}, {8, 0, 0}};
  for (int i = 0; i < 3; ++i) {
    char text[128];
    std::snprintf(text, sizeof text, "%d,%s,%10.3lf,%10.3lf,%10.3lf,", i + 1,
                  cp(names[i]).c_str(), v[i][0], v[i][1], v[i][2]);
    table.add_row("1,2,1,1,1,2", text, "1010,1010,1010,1010,1010,1010",
                  "1110,1110,1110,1110,1110,1110");
  }
  table.add_row("3,@,1,@,1,2",
                TableTemplate::cells({cp("合計"), "@", "    30.000", "@", "    45.000", ""}),
                "1111,@,1111,@,1111,1111");
  EXPECT_EQ(table.row_count(), 6);
  table.write_to(pfm);
  ASSERT_TRUE(pfm.close(boxes.sink()));
  pdt.block_record("M_BLKV_A.PFM");

  pdt.keep_record(7, 2);
  pdt.page_record("QVT_BWT.PFM", "M_BLKDV.PZK");
  pdt.figure_page_record("M_FRKDV.PZK");
  pdt.printf("%-8s%10.3lf\n", "W", 12.3456);
  pdt.end_record();
  ASSERT_TRUE(pdt.close(boxes.sink()));

  PrintFile txt;
  ASSERT_TRUE(txt.open(dir / "FRKNI_03.PFM", boxes.sink()));
  const std::vector<std::string> lines{"", cp("《ブロック１》 浮力は作用しない")};
  write_text_template(txt, "FRKNI_03.PFM", 2, lines);
  ASSERT_TRUE(txt.close(boxes.sink()));

  EXPECT_TRUE(boxes.shown.empty());
  for (const char* name : {"DM000BLK.PDT", "M_BLKV_A.PFM", "FRKNI_03.PFM"})
    EXPECT_TRUE(testing::file_matches_golden(testing::golden_folder("common") / name, dir / name));
}

TEST(PrintFile, FigureOnlyPageHasEighteenBlanks) {
  qvt::testing::TempDir dir;
  PrintFile f;
  ASSERT_TRUE(f.open(dir / "X.PDT", nullptr));
  f.figure_page_record("M_BLKDV.PZK");
  // A template name of 16 bytes or more leaves no blank before the figure.
  f.block_record("ABCDEFGHIJKLMNOP", "F.PZK");
  ASSERT_TRUE(f.close(nullptr));
  EXPECT_EQ(read_file_bytes(dir / "X.PDT").value_or(""),
            "$1" + std::string(18, ' ') + "M_BLKDV.PZK\r\n$0  ABCDEFGHIJKLMNOPF.PZK\r\n");
}

TEST(PrintFile, FileThatCannotBeCreatedIsFatal) {
  qvt::testing::TempDir dir;
  Boxes boxes;
  const auto path = dir / "missing-folder" / "DM000BLK.PDT";
  PrintFile f;
  EXPECT_FALSE(f.open(path, boxes.sink()));
  EXPECT_FALSE(f.is_open());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0], "error|印字用ファイル(" + path.string() + ")がオープンできません.");
  // Records written regardless go nowhere and do no harm.
  f.line("$E");
}

TEST(PrintFile, WriteFailureIsReportedOnClose) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  Boxes boxes;
  PrintFile f;
  ASSERT_TRUE(f.open("/dev/full", boxes.sink()));
  for (int i = 0; i < 2000; ++i) f.field_record(i % 64, "0123456789012345678901234567890");
  EXPECT_FALSE(f.close(boxes.sink()));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0], "error|印字用ファイル(/dev/full)に書き込めません.");
}

// A NaN or an infinity formatted for a report, in whatever argument position: the file takes no
// more text from then on, so neither "nan" nor "inf" reaches it, and closing it fails.
TEST(PrintFile, ANonFiniteNumberIsRefused) {
  qvt::testing::TempDir dir;
  const double nan = std::nan(""), inf = HUGE_VAL;
  struct Case {
    const char* name;
    std::function<void(PrintFile&)> write;
    bool refused;
  };
  const Case cases[] = {
      {"finite", [](PrintFile& f) { f.printf("%5.2f %d %s %ld", 1.5, 3, "x", 7L); }, false},
      {"printf", [&](PrintFile& f) { f.printf("%d %s %*.*f", 3, "a", 8, 3, nan); }, true},
      {"after a long", [&](PrintFile& f) { f.printf("%lld,%lf", 1LL << 40, -inf); }, true},
      {"percent sign first", [&](PrintFile& f) { f.printf("%%%c%e", 'c', inf); }, true},
      {"format_text",
       [&](PrintFile& f) { f.field_record(1, format_text("%8.3lf", nan)); }, true},
      {"format_cp932", [&](PrintFile& f) { f.line(format_cp932("γ=%5.3f", inf)); }, true},
      {"not a real", [](PrintFile& f) { f.line(format_text("%s%x%c", "nan", 255, 'i')); }, false},
  };
  for (const Case& c : cases) {
    Boxes boxes;
    PrintFile f;
    const auto path = dir / "DM000TST.PDT";
    ASSERT_TRUE(f.open(path, boxes.sink()));
    f.line("head");
    c.write(f);
    f.line("$E");
    EXPECT_EQ(f.close(boxes.sink()), !c.refused) << c.name;
    const std::string bytes = read_file_bytes(path).value_or("");
    if (c.refused) {
      EXPECT_EQ(bytes, "head\r\n") << c.name;
      ASSERT_EQ(boxes.shown.size(), 1u) << c.name;
      EXPECT_EQ(boxes.shown[0], "error|印字用ファイル(" + path.string() +
                                    ")に数値でない値 (非数または無限大) を書き込もうとしました.")
          << c.name;
    } else {
      EXPECT_TRUE(boxes.shown.empty()) << c.name;
      EXPECT_NE(bytes.find("$E"), std::string::npos) << c.name;
    }
  }
  // A watch of its own, as the hand-over writers keep.
  const NonFiniteWatch watch;
  EXPECT_EQ(format_text("%.1f", 2.25), "2.2");
  EXPECT_TRUE(watch.clean());
  (void)format_text("%f", nan);
  EXPECT_FALSE(watch.clean());
}

}  // namespace
}  // namespace qvt::engine
