#include "engines/common/engine_entry.h"

#include "common/cp932.h"

#include <exception>

namespace qvt::engine {
namespace {

std::optional<LocalTime>& start_time() {
  static std::optional<LocalTime> t;
  return t;
}

}  // namespace

EngineStop unreadable_input_stop(std::string_view detail) {
  return fatal_error(
      utf8_to_cp932_lossy("(ERROR)-入力ファイルが読み込めません.\n") +
      utf8_to_cp932_lossy(detail));
}

EngineStop fatal_error(std::string_view cp932_text) {
  return EngineStop{{EngineMessage{MessageKind::Error, std::string(kErrorTitle),
                                   std::string(cp932_text)}}};
}

int start_engine(const std::function<Status()>& main_routine) {
  start_time() = now_local();
  std::optional<EngineStop> stop;
  try {
    Status status = main_routine();
    if (!status.ok()) stop = status.stop();
  } catch (const EngineStop& thrown) {
    stop = thrown;
  } catch (const std::exception& e) {
    // A file that cannot be read as a file (a folder of that name, no permission, an I/O
    // error) or memory running out: the readers check what they can, and whatever the
    // standard library still throws ends the engine with a message instead of an abort.
    stop = unreadable_input_stop(e.what());
  }
  // Every file the routine wrote stays as far as it got; streams still open are flushed by the
  // normal end of the process.
  if (!stop) return 0;
  for (const EngineMessage& m : stop->messages) engine_message(m);
  return 1;
}

void stop_engine(EngineStop stop) { throw stop; }

LocalTime engine_start_time() { return start_time() ? *start_time() : now_local(); }

void apply_start_stamp(ConditionData& data, const LocalTime& start) {
  data.stamp_date[0] = start.year % 100;
  data.stamp_date[1] = start.month;
  data.stamp_date[2] = start.day;
  data.stamp_time[0] = start.hour;
  data.stamp_time[1] = start.minute;
  data.stamp_time[2] = start.second;
}

}  // namespace qvt::engine
