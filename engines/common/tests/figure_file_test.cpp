// The figure file commands in their exact emitted forms, and the file they make.
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/figure_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace qvt::engine {
namespace {

struct CommandCase {
  std::string got, want;
};

TEST(FigureFileTest, EveryCommandFormKeepsABlankBeforeEachFieldFromMinus999To10000) {
  const CommandCase cases[] = {
      {line_command(100, 300, 4000, 300, 0, 3), "L  100  300 4000  300 0 3"},
      {line_command(-1000, 10000, 0, -5, 1, 2), "L -1000 10000    0   -5 1 2"},
      {frame_command(-1000, 10000, 3900, 5900, 0, 3), "Q -1000 10000 3900 5900 0 3"},
      // The turned labels: every number four wide, so the angle reads "   90".
      {text_command(325, 6000, 150, 150, 90, 2), "K  325 6000  150  150   90 2"},
      {text_command(10000, -1000, 60, 60, 90, 2), "K 10000 -1000   60   60   90 2"},
      {text_command(12, 34, 70, 75, 0, 2), "K   12   34   70   75    0 2"},
      // The captions of the earth pressure figures write the angle bare.
      {caption_command(-1000, 10000, 150, 150, 0, 3), "K -1000 10000  150  150 0 3"},
      {caption_command(1950, 200, 100, 100, 90, 3), "K 1950  200  100  100 90 3"},
      {arrow_command(-1000, 10000, 5, 6, 30, 20, 1), "Y -1000 10000    5    6   30   20 1"},
      {standard_arrow_command(-1000, 10000, 5, 6, 2), "Y -1000 10000    5    6 30 20 2"},
      {triangle_command(-1000, 10000, 1, 2, 3, 4), "P -1000 10000    1    2    3    4 1"},
      {circle_command(-1000, 10000, 37, 1), "A -1000 10000   37 1"},
  };
  for (const CommandCase& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(FigureFileTest, PageCoordinatesTruncateTowardZeroAndStayInRange) {
  EXPECT_EQ(page_int(2.99), 2);
  EXPECT_EQ(page_int(-2.99), -2);  // not -3: toward zero, not downward
  EXPECT_EQ(page_int(-0.5), 0);
  EXPECT_EQ(page_int(1e12), kPageCoordinateLimit);
  EXPECT_EQ(page_int(-1e12), -kPageCoordinateLimit);
  EXPECT_EQ(page_int(1e300), kPageCoordinateLimit);
  EXPECT_EQ(page_int(-std::numeric_limits<double>::infinity()), -kPageCoordinateLimit);
  EXPECT_EQ(page_int(99'999'999.9), 99'999'999);
  EXPECT_EQ(page_int(std::nan("")), 0);
}

TEST(FigureFileTest, FileHasCrLfLinesAndATextLineAfterEveryTextCommand) {
  qvt::testing::TempDir dir;
  FigureFile f;
  ASSERT_TRUE(f.open(dir / "T.PZK", {}));
  f.raw_line("T.PZK");
  f.raw_line(kSectionFigureSize);
  f.text(1, 2, 3, 4, 90, 2, "");
  f.caption(1, 2, 3, 4, 0, 3, "ab");
  f.line(1, 2, 3, 4, 0, 1);
  ASSERT_TRUE(f.close({}));
  EXPECT_EQ(read_file_bytes(dir / "T.PZK").value(),
            "T.PZK\r\n46  65\r\nK    1    2    3    4   90 2\r\n\r\n"
            "K    1    2    3    4 0 3\r\nab\r\nL    1    2    3    4 0 1\r\n");
}

TEST(FigureFileTest, AFileThatCannotBeCreatedIsReportedByName) {
  qvt::testing::TempDir dir;
  FigureFile f;
  std::string shown;
  EXPECT_FALSE(f.open(dir / "missing" / "X.PZK",
                      [&](std::string_view, std::string_view text) { shown = text; }));
  EXPECT_NE(shown.find("X.PZK"), std::string::npos);
  EXPECT_NE(shown.find("オープンできません"), std::string::npos);
}

}  // namespace
}  // namespace qvt::engine
