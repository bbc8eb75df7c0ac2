#pragma once
// Figure files (*.PZK): one drawing of the printed report, read by the outside report viewer.
// A title line, a size line, then one command per line in integer page units (x to the right,
// y downward). Every integer field is written " %4d": values from -999 to 9999 take four
// columns and larger ones widen the field, but the blank before each field always remains, so
// the viewer can split every line on blanks. Flag fields (line kind, pen) are one digit.
//
// The command texts are built by the functions below, so each form is written in one place;
// FigureFile writes them through a print file (CP932, CR LF).
#include "engines/common/print_data.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace qvt::engine {

// "L x1 y1 x2 y2 kind pen": a straight line.
std::string line_command(int x1, int y1, int x2, int y2, int kind, int pen);
// "Q x1 y1 x2 y2 kind pen": a rectangle with opposite corners.
std::string frame_command(int x1, int y1, int x2, int y2, int kind, int pen);
// "K x y width height angle pen", every number " %4d" ("   90 2" for a turned label).
std::string text_command(int x, int y, int width, int height, int angle, int pen);
// "K x y width height angle pen" with the angle written bare ("0 3", "90 3"): the captions of
// the earth pressure figures.
std::string caption_command(int x, int y, int width, int height, int angle, int pen);
// "Y x1 y1 x2 y2 head_length head_width pen": an arrow with its head at the second point.
std::string arrow_command(int x1, int y1, int x2, int y2, int head_length, int head_width,
                          int pen);
// "Y x1 y1 x2 y2 30 20 pen": the arrow of the earth pressure figures, head size written bare.
std::string standard_arrow_command(int x1, int y1, int x2, int y2, int pen);
// "P x1 y1 x2 y2 x3 y3 1": a filled triangle.
std::string triangle_command(int x1, int y1, int x2, int y2, int x3, int y3);
// "A x y radius pen": a circle.
std::string circle_command(int x, int y, int radius, int pen);

// The size lines of the figures: the section figures and the earth pressure figures.
inline constexpr std::string_view kSectionFigureSize = "46  65";
inline constexpr std::string_view kPressureFigureSize = "46 67";

class FigureFile {
 public:
  // Creates the file (replacing an older one). When it cannot be created the print file's
  // message goes to error_box and the result is false.
  [[nodiscard]] bool open(const std::filesystem::path& path, const PrintErrorBox& error_box) {
    return file_.open(path, error_box);
  }
  [[nodiscard]] bool close(const PrintErrorBox& error_box) { return file_.close(error_box); }

  // A line as it stands: the title line, the size line, the text after a K command.
  void raw_line(std::string_view text) { file_.line(text); }

  void line(int x1, int y1, int x2, int y2, int kind, int pen) {
    file_.line(line_command(x1, y1, x2, y2, kind, pen));
  }
  void frame(int x1, int y1, int x2, int y2, int kind, int pen) {
    file_.line(frame_command(x1, y1, x2, y2, kind, pen));
  }
  // The K command and, always, exactly one text line after it (also when the text is empty).
  void text(int x, int y, int width, int height, int angle, int pen, std::string_view cp932) {
    file_.line(text_command(x, y, width, height, angle, pen));
    file_.line(cp932);
  }
  void caption(int x, int y, int width, int height, int angle, int pen,
               std::string_view cp932) {
    file_.line(caption_command(x, y, width, height, angle, pen));
    file_.line(cp932);
  }
  void arrow(int x1, int y1, int x2, int y2, int head_length, int head_width, int pen) {
    file_.line(arrow_command(x1, y1, x2, y2, head_length, head_width, pen));
  }
  void standard_arrow(int x1, int y1, int x2, int y2, int pen) {
    file_.line(standard_arrow_command(x1, y1, x2, y2, pen));
  }
  void triangle(int x1, int y1, int x2, int y2, int x3, int y3) {
    file_.line(triangle_command(x1, y1, x2, y2, x3, y3));
  }
  void circle(int x, int y, int radius, int pen) { file_.line(circle_command(x, y, radius, pen)); }

 private:
  PrintFile file_;
};

// Creates or closes a figure file, ending the engine with exit code 1 after the box of
// show_print_file_error when that fails.
void open_or_stop(FigureFile& file, const std::filesystem::path& path);
void close_or_stop(FigureFile& file);

// The largest page coordinate page_int gives, either way. A page is a few thousand units wide,
// so this is far off any page, and a figure may still add its offsets (character sizes, marks)
// to a coordinate held here without leaving the range of int.
inline constexpr int kPageCoordinateLimit = 100'000'000;

// A page coordinate from a computed position: truncated toward zero (not rounded down), as the
// figures have always been placed. A value beyond +-kPageCoordinateLimit is held at that limit,
// and not a number gives 0, so a damaged position never overflows.
int page_int(double v);

}  // namespace qvt::engine
