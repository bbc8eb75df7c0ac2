// The golden comparison every engine test uses: equal bytes pass, a missing golden or any
// differing byte fails naming where, and the update switch writes the golden instead.
#include "engines/common/tests/golden_file.h"

#include "common/cp932.h"
#include "common/tests/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace qvt::engine::testing {
namespace {

// Sets QVT_UPDATE_GOLDENS (nullptr: removes it) for a while and puts back what was there, so a
// run with the switch on still updates the goldens of the tests after these.
class UpdateSwitch {
 public:
  explicit UpdateSwitch(const char* value) {
    if (const char* old = std::getenv(kName)) old_ = old;
    if (value)
      ::setenv(kName, value, 1);
    else
      ::unsetenv(kName);
  }
  ~UpdateSwitch() {
    if (old_)
      ::setenv(kName, old_->c_str(), 1);
    else
      ::unsetenv(kName);
  }
  UpdateSwitch(const UpdateSwitch&) = delete;
  UpdateSwitch& operator=(const UpdateSwitch&) = delete;

 private:
  static constexpr const char* kName = "QVT_UPDATE_GOLDENS";
  std::optional<std::string> old_;
};

std::string message_of(const ::testing::AssertionResult& r) { return r.message(); }

TEST(GoldenFile, EqualBytesPassAndAnyDifferenceFailsNamingTheFirstOne) {
  UpdateSwitch off(nullptr);
  qvt::testing::TempDir dir;
  const auto golden = dir / "G.PDT";
  const std::string bytes = "$1  A.PFM\r\n00    1.000\r\n" + utf8_to_cp932_lossy("99  ＯＵＴ\r\n");
  ASSERT_TRUE(write_file_bytes(golden, bytes));
  EXPECT_TRUE(matches_golden(golden, bytes));

  struct Case {
    const char* what;
    std::string output;
    std::string where;  // in the message
    std::string golden_line, output_line;
  };
  const Case cases[] = {
      {"digit", "$1  A.PFM\r\n00    1.001\r\n" + utf8_to_cp932_lossy("99  ＯＵＴ\r\n"),
       "line 2, byte 11", "00    1.000", "00    1.001"},
      {"text", "$1  A.PFM\r\n00    1.000\r\n" + utf8_to_cp932_lossy("99  Ｏ.Ｋ.\r\n"),
       "line 3, byte 7", "99  ＯＵＴ", "99  Ｏ.Ｋ."},
      {"line end", "$1  A.PFM\n00    1.000\r\n" + utf8_to_cp932_lossy("99  ＯＵＴ\r\n"),
       "line 1, byte 10", "$1  A.PFM", "$1  A.PFM"},
      {"cut short", "$1  A.PFM\r\n", "line 2, byte 1", "00    1.000", "(end of file)"},
  };
  for (const Case& c : cases) {
    const ::testing::AssertionResult r = matches_golden(golden, c.output);
    EXPECT_FALSE(r) << c.what;
    const std::string m = message_of(r);
    EXPECT_NE(m.find(c.where), std::string::npos) << c.what << "\n" << m;
    EXPECT_NE(m.find("golden: " + c.golden_line + "\n"), std::string::npos) << c.what << "\n" << m;
    EXPECT_NE(m.find("output: " + c.output_line + "\n"), std::string::npos) << c.what << "\n" << m;
    EXPECT_NE(m.find("QVT_UPDATE_GOLDENS=1"), std::string::npos) << c.what;
  }
  EXPECT_EQ(read_file_bytes(golden), bytes);  // comparing never writes
}

TEST(GoldenFile, MissingGoldenOrOutputFails) {
  UpdateSwitch off(nullptr);
  qvt::testing::TempDir dir;
  const ::testing::AssertionResult r = matches_golden(dir / "NONE.PDT", "x");
  EXPECT_FALSE(r);
  EXPECT_NE(message_of(r).find("missing"), std::string::npos) << message_of(r);
  EXPECT_FALSE(std::filesystem::exists(dir / "NONE.PDT"));
  ASSERT_TRUE(write_file_bytes(dir / "G.PDT", "x"));
  EXPECT_FALSE(file_matches_golden(dir / "G.PDT", dir / "NOT_WRITTEN.PDT"));
  ASSERT_TRUE(write_file_bytes(dir / "OUT.PDT", "x"));
  EXPECT_TRUE(file_matches_golden(dir / "G.PDT", dir / "OUT.PDT"));
}

TEST(GoldenFile, UpdateSwitchWritesTheGoldenInsteadOfComparing) {
  qvt::testing::TempDir dir;
  const auto golden = dir / "golden" / "G.PDT";  // the folder is made when missing
  {
    UpdateSwitch on("1");
    EXPECT_TRUE(updating_goldens());
    EXPECT_TRUE(matches_golden(golden, "new\r\n"));
    EXPECT_EQ(read_file_bytes(golden), "new\r\n");
    EXPECT_TRUE(matches_golden(golden, "newer\r\n"));
    EXPECT_EQ(read_file_bytes(golden), "newer\r\n");
  }
  for (const char* off : {"0", ""}) {
    UpdateSwitch set(off);
    EXPECT_FALSE(updating_goldens()) << off;
    EXPECT_FALSE(matches_golden(golden, "other\r\n")) << off;
    EXPECT_EQ(read_file_bytes(golden), "newer\r\n") << off;
  }
}

}  // namespace
}  // namespace qvt::engine::testing
