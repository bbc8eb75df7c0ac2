#pragma once
// The entry every engine shares. An engine is a plain program: main runs the engine's main
// routine through start_engine and returns its exit code, 0 when the routine has done its work,
// 1 when it stopped after telling the user why. The front end relies on exactly these two codes:
// 0 starts the next engine, 1 stops the run.
//
// A stop is a value, not an exit deep inside the code: readers and checks return a Status that
// carries the messages, and start_engine shows them and ends with 1. Code nested too deeply to
// pass a Status up may throw an EngineStop instead; start_engine catches it the same way.
#include "common/clock.h"
#include "engines/common/condition_data.h"
#include "engines/common/engine_message.h"

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace qvt::engine {

// Why an engine stops: the boxes shown before it ends with exit code 1, in order. A stop without
// messages (the user answered No to a question) ends it silently.
struct EngineStop {
  std::vector<EngineMessage> messages;
};

// The caption of every fatal box of the engines.
inline constexpr std::string_view kErrorTitle = "error";

// An error box with the caption "error" (text in CP932).
EngineStop fatal_error(std::string_view cp932_text);

class [[nodiscard]] Status {
 public:
  Status() = default;  // success
  Status(EngineStop stop) : stop_(std::move(stop)) {}  // NOLINT: a stop is a failed status
  static Status success() { return Status(); }

  bool ok() const { return !stop_.has_value(); }
  const EngineStop& stop() const { return *stop_; }

 private:
  std::optional<EngineStop> stop_;
};

// The stop of a standard exception that escaped the main routine: "(ERROR)-入力ファイルが読み込め
// ません." and the exception's own words (UTF-8) on the next line.
EngineStop unreadable_input_stop(std::string_view utf8_detail);

// Runs the main routine and returns the exit code: 0 after it returns success, 1 after the
// messages of its stop (returned or thrown, or of a standard exception) have been shown. Arguments of the program play no
// part. The start time is taken first, for the engine's stamps.
int start_engine(const std::function<Status()>& main_routine);

// Throws the stop for start_engine to catch.
[[noreturn]] void stop_engine(EngineStop stop);

// The moment the engine started, taken by start_engine (the clock's current time when called
// outside it).
LocalTime engine_start_time();

// Replaces stamp_date and stamp_time with the engine's start: two-digit year, month, day;
// hour, minute, second.
void apply_start_stamp(ConditionData& data, const LocalTime& start);

}  // namespace qvt::engine
