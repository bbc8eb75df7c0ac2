#include "frontend/model/version_text.h"

#include "common/tests/temp_dir.h"
#include "common/textfile.h"

#include <gtest/gtest.h>

namespace qvt::model {
namespace {

TEST(VersionText, FirstItemWithoutQuotes) {
  struct Case { const char* file; const char* text; };
  const Case cases[] = {
      {"\"2.10\"\r\n", "2.10"},
      {"3.1.4,build 7\r\nsecond line\r\n", "3.1.4"},
      {"5.0", "5.0"},
      {"\r\n", kBuiltInVersionText},
      {"", kBuiltInVersionText},
  };
  qvt::testing::TempDir dir;
  for (const auto& c : cases) {
    write_file_bytes(dir / "SYSVER.DAT", c.file);
    EXPECT_EQ(read_version_text(dir / "SYSVER.DAT"), c.text) << c.file;
  }
  EXPECT_EQ(read_version_text(dir / "none.DAT"), kBuiltInVersionText);
}

}  // namespace
}  // namespace qvt::model
