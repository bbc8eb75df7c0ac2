#include "engines/zenobar/zenobar_data.h"

#include "common/cp932.h"
#include "engines/common/print_data.h"

#include <cstdarg>

namespace qvt::zenobar {

BlockWeightData run_data;

void reset_run_data() {
  run_data = BlockWeightData{};
  reset_non_finite_count();
}

const std::string& unit_weight_label(int kind) {
  static const std::string labels[2] = {utf8_to_cp932_lossy(" γ   "),
                                        utf8_to_cp932_lossy("γ-γ'")};
  return labels[kind == KIND_BUOYANCY ? 1 : 0];
}

std::string cp932_printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = engine::format_cp932_v(format, args);
  va_end(args);
  return text;
}

void report_printf(engine::PrintFile& file, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = engine::format_cp932_v(format, args);
  va_end(args);
  file.write(text);
}

}  // namespace qvt::zenobar
