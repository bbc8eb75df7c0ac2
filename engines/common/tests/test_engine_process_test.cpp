// The test engine run as a real process in a temporary work folder: exit codes, the exact
// message lines on standard error and their order, and the answer to a question on standard
// input.
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/tests/reader_fixtures.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

namespace qvt::engine {
namespace {

using testing::block_lines;
using testing::conditions_lines;
using testing::options_lines;
using testing::sjis;

struct ProcessResult {
  int exit_code = -1;  // -1 when the process did not end normally
  std::string out, err;
};

// Runs the test engine with `dir` as its working folder and `input` on its standard input.
ProcessResult run_engine_process(const std::filesystem::path& dir, const std::string& input,
                       const std::string& mode, const std::vector<std::string>& args = {}) {
  const std::filesystem::path io = dir / "io";
  std::filesystem::create_directories(io);
  EXPECT_TRUE(write_file_bytes(io / "in", input));
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int in = ::open((io / "in").c_str(), O_RDONLY);
    const int out = ::open((io / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open((io / "err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0 ||
        ::dup2(err, 2) < 0 || ::chdir(dir.c_str()) != 0)
      ::_exit(127);
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);  // 2023-11-14 22:13:20 UTC
    if (mode.empty()) ::unsetenv("QVT_TEST_ENGINE_MODE");
    else ::setenv("QVT_TEST_ENGINE_MODE", mode.c_str(), 1);
    std::vector<char*> argv{const_cast<char*>(QVT_TEST_ENGINE)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(QVT_TEST_ENGINE, argv.data());
    ::_exit(127);
  }
  ProcessResult r;
  int status = 0;
  if (pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
    r.exit_code = WEXITSTATUS(status);
  r.out = read_file_bytes(io / "out").value_or("");
  r.err = read_file_bytes(io / "err").value_or("");
  return r;
}

void write(const std::filesystem::path& p, const std::vector<std::string>& lines) {
  ASSERT_TRUE(write_file_bytes(p, join_crlf(lines)));
}

const std::string kMissingConditions =
    "QVTMSG\terror\terror\t条件設定ファイル (QVTAJKN.CAL) が見つかりません。\\n"
    "インストールが正常に行われていない可能性があります。\n";
const std::string kMissingOptions =
    "QVTMSG\terror\terror\tカスタムデータ (QVT_DAT.CST) が見つかりません。\\n"
    "インストールが正常に行われていない可能性があります。\n";
const std::string kMissingBlocks =
    "QVTMSG\terror\terror\t初期条件設定ファイル (QVTABLK.CAL) が見つかりません。\\n"
    "インストールが正常に行われていない可能性があります。\n";

// What the test engine prints after reading the fixtures.
std::string normal_output() {
  return "file_version=13\n"
         "project_title=" + sjis("岸壁検討") + "\n"
         "improvement_ratio=85.500\n"
         "toe=12.500,-3.250\n"
         "passive_vertical_ignored=0\n"
         "used_slot_count=0\n"
         "shape_library_count=0\n"
         "stamp=23,11,14,22,13,20\n";
}

TEST(TestEngineProcess, ExitCodesAndMessageLines) {
  std::vector<std::string> short_conditions = conditions_lines();
  short_conditions.pop_back();
  std::vector<std::string> bad_blocks = block_lines();
  bad_blocks[2 + 37 * 5] = "9";  // slot 5's type, line 188
  struct Case {
    const char* name;
    bool conditions, options, blocks;  // which files are there
    std::string mode, input;
    std::vector<std::string> args;
    int code;
    std::string err;
    bool prints;  // reached the end of the routine
    std::optional<std::vector<std::string>> conditions_lines_override = std::nullopt,
                                            block_lines_override = std::nullopt;
  };
  const Case cases[] = {
      {"all files", true, true, true, "", "", {}, 0, "", true},
      {"arguments are ignored", true, true, true, "", "", {"/td", "x y"}, 0, "", true},
      {"conditions missing", false, true, true, "", "", {}, 1, kMissingConditions, false},
      {"options missing", true, false, true, "", "", {}, 1, kMissingOptions, false},
      {"both missing: conditions first", false, false, true, "", "", {}, 1,
       kMissingConditions + kMissingOptions, false},
      {"block file missing", true, true, false, "", "", {}, 1, kMissingBlocks, false},
      {"all missing: the block file is not reached", false, false, false, "", "", {}, 1,
       kMissingConditions + kMissingOptions, false},
      {"short conditions file", true, true, true, "", "", {}, 1,
       "QVTMSG\terror\terror\t条件設定ファイル (QVTAJKN.CAL) が途中で終わっています。\\n"
       "521 行目がありません。\n",
       false, short_conditions},
      {"block type 9", true, true, true, "", "", {}, 1,
       "QVTMSG\terror\terror\t初期条件設定ファイル (QVTABLK.CAL) の 188 行目の値が正しくありません。\n",
       false, std::nullopt, bad_blocks},
      {"warning keeps exit code 0", true, true, true, "warning", "", {}, 0,
       "QVTMSG\twarning\twaring\t収束しませんでした。\n", true},
      {"question answered yes", true, true, true, "question", "yes\n", {}, 0,
       "QVTMSG\tquestion\twaring\t値が負になりました。\\n0.0 で計算を続けますか？\n"
       "QVTMSG\tinfo\tinfo\t0.0 で続けます。\n",
       true},
      {"yes without a line end", true, true, true, "question", "yes", {}, 0,
       "QVTMSG\tquestion\twaring\t値が負になりました。\\n0.0 で計算を続けますか？\n"
       "QVTMSG\tinfo\tinfo\t0.0 で続けます。\n",
       true},
      {"question answered no", true, true, true, "question", "no\n", {}, 1,
       "QVTMSG\tquestion\twaring\t値が負になりました。\\n0.0 で計算を続けますか？\n", false},
      {"question at the end of input", true, true, true, "question", "", {}, 1,
       "QVTMSG\tquestion\twaring\t値が負になりました。\\n0.0 で計算を続けますか？\n", false},
      {"question answered otherwise", true, true, true, "question", "Yes\r\n", {}, 1,
       "QVTMSG\tquestion\twaring\t値が負になりました。\\n0.0 で計算を続けますか？\n", false},
      {"stop thrown deep inside", true, true, true, "throw", "", {}, 1,
       "QVTMSG\terror\terror\t計算を続けられません。\\n(テスト)\n", false},
  };
  for (const Case& c : cases) {
    qvt::testing::TempDir dir;
    if (c.conditions)
      write(dir / "QVTAJKN.CAL", c.conditions_lines_override.value_or(conditions_lines()));
    if (c.options) write(dir / "QVT_DAT.CST", options_lines());
    if (c.blocks) write(dir / "QVTABLK.CAL", c.block_lines_override.value_or(block_lines()));
    const ProcessResult r = run_engine_process(dir.path(), c.input, c.mode, c.args);
    EXPECT_EQ(r.exit_code, c.code) << c.name;
    EXPECT_EQ(r.err, c.err) << c.name;
    EXPECT_EQ(r.out, c.prints ? normal_output() : "") << c.name;
  }
}

}  // namespace
}  // namespace qvt::engine
