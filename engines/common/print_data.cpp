#include "engines/common/print_data.h"

#include <algorithm>
#include <cstdarg>
#include <string>

#include "common/clock.h"
#include "common/cp932.h"
#include "engines/common/engine_entry.h"
#include "engines/common/engine_message.h"

namespace qvt::engine {
namespace {


std::string format_v(const char* format, std::va_list args) {
  std::va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (n <= 0) return {};
  std::string s(static_cast<std::size_t>(n) + 1, '\0');
  std::vsnprintf(s.data(), s.size(), format, args);
  s.resize(static_cast<std::size_t>(n));
  return s;
}

std::string sformat(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string sformat(const char* fmt, ...) {
  std::va_list args;
  va_start(args, fmt);
  std::string s = format_v(fmt, args);
  va_end(args);
  return s;
}

// A title is written whole, but never beyond its first line.
std::string_view first_line(std::string_view text) {
  return text.substr(0, std::min(text.find_first_of("\r\n"), text.size()));
}

std::string print_file_message(const std::string& name, std::string_view tail) {
  return "印字用ファイル(" + name + ")" + std::string(tail);
}

}  // namespace

PrintStamp stamp_now() {
  const LocalTime t = now_local();
  return {{t.year % 100, t.month, t.day}, {t.hour, t.minute, t.second}};
}

PrintStamp stamp_of(const ConditionData& data) {
  PrintStamp s;
  for (int i = 0; i < 3; ++i) {
    s.date[i] = data.stamp_date[i];
    s.time[i] = data.stamp_time[i];
  }
  return s;
}

std::string_view case_label(int load_case) {
  static const std::string normal = utf8_to_cp932_lossy("〈常  時〉");
  static const std::string seismic = utf8_to_cp932_lossy("〈地震時〉");
  return load_case == 0 ? normal : seismic;
}

std::string case_title_text(std::string_view title, int load_case) {
  std::string s(title);
  if (s.size() < 22) s.append(22 - s.size(), ' ');
  s += case_label(load_case);
  return s;
}

std::string stamp_line_text(const PrintStamp& stamp, std::string_view project_title,
                            StampForm form) {
  std::string s = sformat("%4d%4d%4d%4d%4d%4d", stamp.date[0], stamp.date[1], stamp.date[2],
                         stamp.time[0], stamp.time[1], stamp.time[2]);
  const std::string_view title = first_line(project_title);
  if (form == StampForm::title_after_blanks) {
    s += "        ";
  } else if (title.size() < 15) {
    s.append(15 - title.size(), ' ');
  }
  s += title;
  return s;
}

PrintFile::~PrintFile() {
  if (file_) std::fclose(file_);
}

bool PrintFile::open(const std::filesystem::path& path, const PrintErrorBox& error_box) {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  name_ = path.string();
  write_failed_ = false;
  file_ = std::fopen(name_.c_str(), "wb");
  if (file_) return true;
  if (error_box)
    error_box(kErrorTitle, print_file_message(name_, "がオープンできません."));
  return false;
}

bool PrintFile::close(const PrintErrorBox& error_box) {
  if (!file_) return !write_failed_;
  bool ok = !write_failed_ && std::fflush(file_) == 0 && !std::ferror(file_);
  ok = std::fclose(file_) == 0 && ok;
  file_ = nullptr;
  if (!ok && error_box)
    error_box(kErrorTitle, print_file_message(name_, "に書き込めません."));
  return ok;
}

void PrintFile::write(std::string_view text) {
  if (!file_) return;
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  if (std::fwrite(out.data(), 1, out.size(), file_) != out.size()) write_failed_ = true;
}

void PrintFile::printf(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const std::string s = format_v(format, args);
  va_end(args);
  write(s);
}

void PrintFile::line(std::string_view text) {
  write(text);
  write("\n");
}

void PrintFile::case_title_line(std::string_view title, int load_case) {
  line(case_title_text(title, load_case));
}

void PrintFile::stamp_line(const PrintStamp& stamp, std::string_view project_title,
                           StampForm form) {
  line(stamp_line_text(stamp, project_title, form));
}

void PrintFile::template_record(std::string_view flag, std::string_view template_name,
                                std::string_view figure) {
  std::string s(flag);
  s += template_name;
  if (!figure.empty()) {
    if (template_name.size() < 16) s.append(16 - template_name.size(), ' ');
    s += figure;
  }
  line(s);
}

void PrintFile::page_record(std::string_view template_name, std::string_view figure) {
  template_record("$1  ", template_name, figure);
}

void PrintFile::figure_page_record(std::string_view figure) {
  template_record("$1  ", std::string_view{}, figure);
}

void PrintFile::block_record(std::string_view template_name, std::string_view figure) {
  template_record("$0  ", template_name, figure);
}

void PrintFile::field_record(int field, std::string_view text) {
  std::string s = sformat("%02d  ", field);
  s += text;
  line(s);
}

void PrintFile::keep_record(int count, int min_width) {
  line(sformat("$R  %*d", min_width, count));
}

void PrintFile::repeat_header(std::string_view template_name) {
  std::string s = "$H  ";
  s += template_name;
  line(s);
}

void show_print_file_error(std::string_view title, std::string_view text) {
  engine_message(MessageKind::Error, utf8_to_cp932_lossy(title), utf8_to_cp932_lossy(text));
}

void open_or_stop(PrintFile& file, const std::filesystem::path& path) {
  if (!file.open(path, show_print_file_error)) stop_engine(EngineStop{});
}

void close_or_stop(PrintFile& file) {
  if (!file.close(show_print_file_error)) stop_engine(EngineStop{});
}

void write_report_header(PrintFile& file, const PrintStamp& stamp,
                         std::string_view project_title) {
  file.stamp_line(stamp, project_title, StampForm::title_after_blanks);
}

TableTemplate::TableTemplate(std::string name, std::vector<int> column_widths)
    : name_(std::move(name)), widths_(std::move(column_widths)) {}

void TableTemplate::add_row(std::string_view align, std::string_view text,
                            std::string_view border) {
  rows_.push_back({std::string(align), std::string(text), {std::string(border)}});
}

void TableTemplate::add_row(std::string_view align, std::string_view text,
                            std::string_view border, std::string_view second_border) {
  rows_.push_back(
      {std::string(align), std::string(text), {std::string(border), std::string(second_border)}});
}

std::string TableTemplate::cells(std::initializer_list<std::string_view> cells) {
  std::string s;
  bool first = true;
  for (std::string_view c : cells) {
    if (!first) s += ',';
    s += c;
    first = false;
  }
  return s;
}

void TableTemplate::write_to(PrintFile& file) const {
  file.line(name_);
  file.line(sformat("%d,%d,0,1", row_count(), static_cast<int>(widths_.size())));
  std::string widths;
  for (std::size_t i = 0; i < widths_.size(); ++i) {
    if (i) widths += ',';
    widths += std::to_string(widths_[i]);
  }
  file.line(widths);
  for (const Row& row : rows_) {
    file.line(row.align);
    file.line(row.text);
    for (const std::string& border : row.borders) file.line(border);
  }
}

std::string format_cp932_v(const char* utf8_format, std::va_list args) {
  const std::string format = utf8_to_cp932_lossy(utf8_format);
  return format_v(format.c_str(), args);
}

std::string format_cp932(const char* utf8_format, ...) {
  std::va_list args;
  va_start(args, utf8_format);
  std::string s = format_cp932_v(utf8_format, args);
  va_end(args);
  return s;
}

void write_text_template(PrintFile& file, std::string_view name_line, int number,
                         std::span<const std::string> lines) {
  file.line(name_line);
  file.line(std::to_string(number));
  for (const std::string& l : lines) file.line(l);
}

}  // namespace qvt::engine
