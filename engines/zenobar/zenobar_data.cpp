#include "engines/zenobar/zenobar_data.h"

#include "common/cp932.h"
#include "common/textfile.h"

#include <cstdarg>

namespace qvt::zenobar {

BlockWeightData run_data;

void reset_run_data() { run_data = BlockWeightData{}; }

const std::string& case_label(int case_index) {
  static const std::string labels[2] = {utf8_to_cp932_lossy("〈常  時〉"),
                                        utf8_to_cp932_lossy("〈地震時〉")};
  return labels[case_index == CASE_SEISMIC ? 1 : 0];
}

const std::string& unit_weight_label(int kind) {
  static const std::string labels[2] = {utf8_to_cp932_lossy(" γ   "),
                                        utf8_to_cp932_lossy("γ-γ'")};
  return labels[kind == KIND_BUOYANCY ? 1 : 0];
}

namespace {
std::string vformat_cp932(const char* format, va_list args) {
  const std::string fmt = utf8_to_cp932_lossy(format);
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(nullptr, 0, fmt.c_str(), copy);
  va_end(copy);
  std::string text;
  if (n > 0) {
    text.resize(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(text.data(), text.size(), fmt.c_str(), args);
    text.resize(static_cast<std::size_t>(n));
  }
  return text;
}
}  // namespace

std::string cp932_printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = vformat_cp932(format, args);
  va_end(args);
  return text;
}

void report_printf(std::FILE* file, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = vformat_cp932(format, args);
  va_end(args);
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  std::fwrite(out.data(), 1, out.size(), file);
}

void write_output_lines(const std::string& name, const std::vector<std::string>& lines) {
  std::FILE* f = create_output_file(name);
  const std::string bytes = join_crlf(lines);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  close_output_file(f, name);
}

void write_no_buoyancy_template(std::FILE* report, const std::string& file_name,
                                const std::string& block_name_cp932, int slot) {
  write_output_lines(file_name, {file_name, "2", "",
                                 utf8_to_cp932_lossy("《") + block_name_cp932 +
                                     utf8_to_cp932_lossy("》 浮力は作用しない")});
  report_printf(report, "$0  %s\n", file_name.c_str());
  if (slot >= 0 && slot < BLOCK_SLOTS) run_data.block_results[slot][KIND_BUOYANCY].weight = 0;
}

}  // namespace qvt::zenobar
