// A test-only engine: its main routine reads the condition files as every engine does and then
// prints a few items on standard output, so the tests can run the entry, the readers and the
// message lines as a real process. QVT_TEST_ENGINE_MODE adds a step after the reading:
//   warning   a warning box, then a normal end
//   question  a Yes/No box: Yes gives an info box and a normal end, No a silent stop
//   throw     a fatal stop thrown from deep inside the routine
#include "common/cp932.h"
#include "engines/common/condition_readers.h"
#include "engines/common/engine_entry.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace qvt::engine;

std::string sjis(const char* utf8) { return qvt::utf8_to_cp932_lossy(utf8); }

void nested_check() { stop_engine(fatal_error(sjis("計算を続けられません。\n(テスト)"))); }

Status run_test_engine() {
  ConditionData& d = condition_data();
  if (Status s = read_conditions_file(d); !s.ok()) return s;
  if (Status s = read_block_file(d); !s.ok()) return s;
  apply_start_stamp(d, engine_start_time());

  const char* env = std::getenv("QVT_TEST_ENGINE_MODE");
  const std::string mode = env ? env : "";
  if (mode == "warning") {
    engine_message(MessageKind::Warning, "waring", sjis("収束しませんでした。"));
  } else if (mode == "question") {
    if (!engine_question("waring", sjis("値が負になりました。\n0.0 で計算を続けますか？")))
      return EngineStop{};
    engine_message(MessageKind::Info, "info", sjis("0.0 で続けます。"));
  } else if (mode == "throw") {
    nested_check();
  }

  std::printf("file_version=%d\n", d.file_version);
  std::printf("project_title=%s\n", d.project_title.c_str());
  std::printf("improvement_ratio=%.3f\n", d.improvement_ratio);
  std::printf("toe=%.3f,%.3f\n", d.toe_x, d.toe_y);
  std::printf("passive_vertical_ignored=%d\n", d.custom_options.passive_vertical_ignored);
  std::printf("used_slot_count=%d\n", d.used_slot_count);
  std::printf("shape_library_count=%d\n", d.shape_library_count);
  std::printf("stamp=%d,%d,%d,%d,%d,%d\n", d.stamp_date[0], d.stamp_date[1], d.stamp_date[2],
              d.stamp_time[0], d.stamp_time[1], d.stamp_time[2]);
  return Status::success();
}

}  // namespace

int main() { return start_engine(run_test_engine); }
