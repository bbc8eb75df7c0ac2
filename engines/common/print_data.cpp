#include "engines/common/print_data.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <string>

#include "common/clock.h"
#include "common/cp932.h"
#include "engines/common/engine_entry.h"
#include "engines/common/engine_message.h"

namespace qvt::engine {
namespace {

// Reals formatted so far that were not finite numbers, in the whole process.
long& non_finite_count() {
  static long count = 0;
  return count;
}

// True when no real argument of the printf format is a NaN or an infinity. Walks the
// conversions as printf does (flags, width and precision with "*", length) and takes each
// argument off a copy of the list.
bool format_reals_finite(const char* format, std::va_list args) {
  std::va_list ap;
  va_copy(ap, args);
  bool finite = true;
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') continue;
    if (*++p == '%') continue;
    while (*p != '\0' && std::strchr("-+ #0'", *p) != nullptr) ++p;
    if (*p == '*') {
      (void)va_arg(ap, int);
      ++p;
    }
    while (*p >= '0' && *p <= '9') ++p;
    if (*p == '.') {
      ++p;
      if (*p == '*') {
        (void)va_arg(ap, int);
        ++p;
      }
      while (*p >= '0' && *p <= '9') ++p;
    }
    bool wide = false, long_double = false;
    while (*p != '\0' && std::strchr("hlqjztL", *p) != nullptr) {
      if (*p == 'L') long_double = true;
      else if (*p != 'h') wide = true;
      ++p;
    }
    switch (*p) {
      case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
        if (long_double) finite = std::isfinite(va_arg(ap, long double)) && finite;
        else finite = std::isfinite(va_arg(ap, double)) && finite;
        break;
      case 'd': case 'i': case 'o': case 'u': case 'x': case 'X': case 'c':
        if (wide) (void)va_arg(ap, long long);
        else (void)va_arg(ap, int);
        break;
      case 's': case 'p': case 'n':
        (void)va_arg(ap, void*);
        break;
      default:  // the end of the format, or a conversion the engines never use
        va_end(ap);
        return finite;
    }
  }
  va_end(ap);
  return finite;
}

std::string format_v(const char* format, std::va_list args) {
  if (!format_reals_finite(format, args)) ++non_finite_count();
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
  std::string s = format_text("%4d%4d%4d%4d%4d%4d", stamp.date[0], stamp.date[1], stamp.date[2],
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
  non_finite_ = false;
  non_finite_seen_ = non_finite_count();
  file_ = std::fopen(name_.c_str(), "wb");
  if (file_) return true;
  if (error_box)
    error_box(kErrorTitle, print_file_message(name_, "がオープンできません."));
  return false;
}

bool PrintFile::close(const PrintErrorBox& error_box) {
  if (!file_) return !write_failed_ && !non_finite_;
  bool ok = !write_failed_ && std::fflush(file_) == 0 && !std::ferror(file_);
  ok = std::fclose(file_) == 0 && ok;
  file_ = nullptr;
  if (non_finite_) {
    if (error_box)
      error_box(kErrorTitle, print_file_message(name_, kNonFiniteTail));
    return false;
  }
  if (!ok && error_box)
    error_box(kErrorTitle, print_file_message(name_, "に書き込めません."));
  return ok;
}

void PrintFile::write(std::string_view text) {
  if (!file_) return;
  // Text formatted from a NaN or an infinity since the file was opened: nothing more is
  // written, so "nan" and "inf" never reach a report, and closing the file fails.
  if (non_finite_count() != non_finite_seen_) non_finite_ = true;
  if (non_finite_) return;
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
  std::string s = format_text("%02d  ", field);
  s += text;
  line(s);
}

void PrintFile::keep_record(int count, int min_width) {
  line(format_text("$R  %*d", min_width, count));
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
  file.line(format_text("%d,%d,0,1", row_count(), static_cast<int>(widths_.size())));
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

std::string format_text(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::string s = format_v(format, args);
  va_end(args);
  return s;
}

std::string format_text_v(const char* format, std::va_list args) {
  return format_v(format, args);
}

NonFiniteWatch::NonFiniteWatch() : seen_(non_finite_count()) {}

bool NonFiniteWatch::clean() const { return non_finite_count() == seen_; }

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
