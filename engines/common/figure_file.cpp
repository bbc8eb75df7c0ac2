#include "engines/common/figure_file.h"

#include "engines/common/engine_entry.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>

namespace qvt::engine {
namespace {

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* fmt, ...) {
  char buf[160];
  std::va_list args;
  va_start(args, fmt);
  const int n = std::vsnprintf(buf, sizeof buf, fmt, args);
  va_end(args);
  return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

}  // namespace

std::string line_command(int x1, int y1, int x2, int y2, int kind, int pen) {
  return format("L %4d %4d %4d %4d %1d %1d", x1, y1, x2, y2, kind, pen);
}

std::string frame_command(int x1, int y1, int x2, int y2, int kind, int pen) {
  return format("Q %4d %4d %4d %4d %1d %1d", x1, y1, x2, y2, kind, pen);
}

std::string text_command(int x, int y, int width, int height, int angle, int pen) {
  return format("K %4d %4d %4d %4d %4d %1d", x, y, width, height, angle, pen);
}

std::string caption_command(int x, int y, int width, int height, int angle, int pen) {
  return format("K %4d %4d %4d %4d %d %1d", x, y, width, height, angle, pen);
}

std::string arrow_command(int x1, int y1, int x2, int y2, int head_length, int head_width,
                          int pen) {
  return format("Y %4d %4d %4d %4d %4d %4d %1d", x1, y1, x2, y2, head_length, head_width, pen);
}

std::string standard_arrow_command(int x1, int y1, int x2, int y2, int pen) {
  return format("Y %4d %4d %4d %4d 30 20 %1d", x1, y1, x2, y2, pen);
}

std::string triangle_command(int x1, int y1, int x2, int y2, int x3, int y3) {
  return format("P %4d %4d %4d %4d %4d %4d 1", x1, y1, x2, y2, x3, y3);
}

std::string circle_command(int x, int y, int radius, int pen) {
  return format("A %4d %4d %4d %1d", x, y, radius, pen);
}

void open_or_stop(FigureFile& file, const std::filesystem::path& path) {
  if (!file.open(path, show_print_file_error)) stop_engine(EngineStop{});
}

void close_or_stop(FigureFile& file) {
  if (!file.close(show_print_file_error)) stop_engine(EngineStop{});
}

int page_int(double v) {
  if (std::isnan(v)) return 0;
  const double t = std::trunc(v);
  if (t >= kPageCoordinateLimit) return kPageCoordinateLimit;
  if (t <= -kPageCoordinateLimit) return -kPageCoordinateLimit;
  return static_cast<int>(t);
}

}  // namespace qvt::engine
