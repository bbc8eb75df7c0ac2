#include "engines/common/engine_entry.h"

#include "common/cp932.h"
#include "engines/common/tests/capture_channel.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace qvt::engine {
namespace {

std::string sjis(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

Status routine_ok() { return Status::success(); }

// A finding that does not stop the engine leaves the exit code at 0.
Status routine_with_warning() {
  engine_message(MessageKind::Warning, "waring", "w");
  return Status::success();
}

Status routine_returning_stop() {
  engine_message(MessageKind::Info, "info", "before");
  EngineStop stop = fatal_error(sjis("一つ目"));
  stop.messages.push_back(fatal_error(sjis("二つ目")).messages[0]);
  return stop;
}

void deep_inside() { stop_engine(fatal_error(sjis("深い所"))); }
Status routine_throwing_stop() {
  deep_inside();
  return Status::success();
}

Status routine_silent_stop() { return EngineStop{}; }

// What the standard library throws on an input it cannot read (or out of memory) ends the
// engine with a message, not with an abort.
Status routine_throwing_standard_exception() {
  throw std::runtime_error("basic_filebuf::underflow error reading the file");
}

TEST(EngineEntry, ExitCodesAndMessages) {
  struct Case {
    const char* name;
    Status (*routine)();
    int code;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"ok", routine_ok, 0, {}},
      {"warning", routine_with_warning, 0, {"QVTMSG\twarning\twaring\tw"}},
      {"returned stop", routine_returning_stop, 1,
       {"QVTMSG\tinfo\tinfo\tbefore", "QVTMSG\terror\terror\t一つ目",
        "QVTMSG\terror\terror\t二つ目"}},
      {"thrown stop", routine_throwing_stop, 1, {"QVTMSG\terror\terror\t深い所"}},
      {"silent stop", routine_silent_stop, 1, {}},
      {"standard exception", routine_throwing_standard_exception, 1,
       {"QVTMSG\terror\terror\t(ERROR)-入力ファイルが読み込めません.\\n"
        "basic_filebuf::underflow error reading the file"}},
  };
  for (const Case& c : cases) {
    testing::CaptureChannel capture;
    ScopedMessageChannel scope(capture);
    EXPECT_EQ(start_engine(c.routine), c.code) << c.name;
    EXPECT_EQ(capture.lines, c.lines) << c.name;
  }
}

TEST(EngineEntry, StartStampHasATwoDigitYear) {
  ConditionData d;
  apply_start_stamp(d, LocalTime{2031, 12, 24, 23, 5, 9});
  EXPECT_EQ((std::vector<int>{d.stamp_date[0], d.stamp_date[1], d.stamp_date[2], d.stamp_time[0],
                              d.stamp_time[1], d.stamp_time[2]}),
            (std::vector<int>{31, 12, 24, 23, 5, 9}));
  apply_start_stamp(d, LocalTime{2000, 1, 2, 0, 0, 0});
  EXPECT_EQ(d.stamp_date[0], 0);
}

}  // namespace
}  // namespace qvt::engine
