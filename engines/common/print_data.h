#pragma once
// Print data (*.PDT) and generated print templates (*.PFM): every printed page of the system is
// described as records that the outside report viewer lays out. Texts are CP932 bytes, so the
// printf widths below count bytes. Files are written with CR LF line ends, as text mode does.
#include "engines/common/condition_data.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::engine {

// Shows one message box (title and text UTF-8); the engine wires it to its message layer.
using PrintErrorBox = std::function<void(std::string_view title, std::string_view text)>;

// Date (two-digit year, month, day) and time (hour, minute, second) of a run.
struct PrintStamp {
  std::array<int, 3> date{};
  std::array<int, 3> time{};
};

// The stamp the condition data carry (the engine's start, once apply_start_stamp has run).
PrintStamp stamp_of(const ConditionData& data);

// The stamp of this moment from the system clock (SOURCE_DATE_EPOCH when set).
PrintStamp stamp_now();

// The two forms of the stamp line: the title after 8 blanks, or right-aligned in 15 bytes.
enum class StampForm { title_after_blanks, title_right_aligned };

// The case label of a report made per load case, CP932: "〈常  時〉" for case 0, "〈地震時〉"
// for any other.
std::string_view case_label(int load_case);

// Line texts, without the line end.
// Title padded with blanks to 22 bytes, then the case label.
std::string case_title_text(std::string_view title, int load_case);
// "%4d" x 6, then the title in the chosen form; the title is cut at its first line break.
std::string stamp_line_text(const PrintStamp& stamp, std::string_view project_title,
                            StampForm form);

// One print file, created anew (an existing file is replaced) and written line by line.
class PrintFile {
 public:
  PrintFile() = default;
  ~PrintFile();
  PrintFile(const PrintFile&) = delete;
  PrintFile& operator=(const PrintFile&) = delete;

  // Creates the file. When it cannot be created, shows "印字用ファイル(name)がオープンできません."
  // through error_box and returns false; the engine then ends with exit code 1.
  [[nodiscard]] bool open(const std::filesystem::path& path, const PrintErrorBox& error_box);
  // Closes the file. When anything could not be written, or a text meant for it was formatted
  // from a NaN or an infinity (format_text below), shows a message naming the file and returns
  // false; the engine then ends with exit code 1.
  [[nodiscard]] bool close(const PrintErrorBox& error_box);
  bool is_open() const { return file_ != nullptr; }

  // Text as the C library's text mode writes it: every "\n" becomes CR LF.
  void write(std::string_view text);
  void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // One line: text and CR LF.
  void line(std::string_view text);

  // PrintData records.
  void title_line(std::string_view title) { line(title); }
  void case_title_line(std::string_view title, int load_case);
  void stamp_line(const PrintStamp& stamp, std::string_view project_title, StampForm form);
  // "$1  " + template (padded to 16 bytes when a figure follows) + figure: a new page.
  void page_record(std::string_view template_name, std::string_view figure = {});
  // "$1" + 18 blanks + figure: a new page that holds only the figure.
  void figure_page_record(std::string_view figure);
  // "$0  " + template (+ figure as above): placed below the previous template.
  void block_record(std::string_view template_name, std::string_view figure = {});
  // Field number in two digits, two blanks, the text unchanged.
  void field_record(int field, std::string_view text);
  // "$R  " + n: the next n printed lines stay on one page. min_width 2 gives "$R  %2d".
  void keep_record(int count, int min_width = 1);
  // Table records with their two trailing blanks; a writer that uses the short forms "$T",
  // "$H", "$L" writes them with line().
  void table_start() { line("$T  "); }
  void repeat_header(std::string_view template_name);  // "$H  " + template
  void repeat_header_end() { line("$H  "); }
  void table_end() { line("$L  "); }
  void end_record() { line("$E"); }

 private:
  void template_record(std::string_view flag, std::string_view template_name,
                       std::string_view figure);

  std::FILE* file_ = nullptr;
  std::string name_;
  bool write_failed_ = false;
  bool non_finite_ = false;
  long non_finite_seen_ = 0;
};

// The tail of the message of a print file that was to receive a NaN or an infinity.
inline constexpr const char* kNonFiniteTail =
    "に数値でない値 (非数または無限大) を書き込もうとしました.";

// The box of a print or figure file that cannot be created or written (title and text UTF-8),
// shown through the engine's message layer.
void show_print_file_error(std::string_view title, std::string_view text);

// Creates or closes a print file; when that fails, the box above is shown and the engine ends
// with exit code 1 (through start_engine) without a further message.
void open_or_stop(PrintFile& file, const std::filesystem::path& path);
void close_or_stop(PrintFile& file);

// The second line of a print data file: the stamp line with the title after 8 blanks.
void write_report_header(PrintFile& file, const PrintStamp& stamp,
                         std::string_view project_title);

// Generated table template: name line, shape line "rows,columns,0,1", column width line, and
// per table row an alignment line, a text line and one or more border lines. Cells are
// separated by ","; "@" marks a cell joined to its left neighbour.
class TableTemplate {
 public:
  TableTemplate(std::string name, std::vector<int> column_widths);

  // One table row; a data row of some load tables carries a second border line.
  void add_row(std::string_view align, std::string_view text, std::string_view border);
  void add_row(std::string_view align, std::string_view text, std::string_view border,
               std::string_view second_border);

  int row_count() const { return static_cast<int>(rows_.size()); }
  void write_to(PrintFile& file) const;

  // Cells joined with ",".
  static std::string cells(std::initializer_list<std::string_view> cells);

 private:
  struct Row {
    std::string align, text;
    std::vector<std::string> borders;
  };
  std::string name_;
  std::vector<int> widths_;
  std::vector<Row> rows_;
};

// printf into a string. Every text of the engines' reports and hand-over files is formatted
// through this (or PrintFile::printf, format_cp932), which notes each real argument that is not
// a finite number: a print file that is written after such a note refuses the rest of its text
// and fails when closed, and a writer of its own checks a NonFiniteWatch.
std::string format_text(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string format_text_v(const char* format, std::va_list args)
    __attribute__((format(printf, 1, 0)));

// Whether a NaN or an infinity was formatted since this object was made.
class NonFiniteWatch {
 public:
  NonFiniteWatch();
  bool clean() const;

 private:
  long seen_;
};

// A text through a fixed UTF-8 format literal with Japanese captions: the format is converted
// to CP932 first (a CP932 trail byte is never '%', so the conversions stay as written) and the
// arguments, CP932 texts among them, are formatted into it. Names and texts must only ever be
// arguments ("%s"), never the format.
std::string format_cp932(const char* utf8_format, ...) __attribute__((format(printf, 1, 2)));
std::string format_cp932_v(const char* utf8_format, std::va_list args)
    __attribute__((format(printf, 1, 0)));

// Generated text template: the name line, the number line, the text lines.
void write_text_template(PrintFile& file, std::string_view name_line, int number,
                         std::span<const std::string> lines);

}  // namespace qvt::engine
