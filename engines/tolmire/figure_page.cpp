#include "engines/tolmire/figure_page.h"

#include "engines/common/engine_entry.h"
#include "engines/common/message_table.h"
#include "engines/tolmire/report_fields.h"

#include <cmath>
#include <limits>

namespace qvt::tolmire {

int checked_int(double v, const std::string& figure_name) {
  const double t = std::trunc(v);
  if (!std::isfinite(t) || t > static_cast<double>(std::numeric_limits<int>::max()) ||
      t < static_cast<double>(std::numeric_limits<int>::min()))
    engine::stop_engine(engine::error_stop(
        -1, cp("(ERROR)-図の座標値が範囲を超えました.(") + figure_name + ")"));
  return static_cast<int>(t);
}

PagePoint to_page(const FigureLayout& l, double x, double y, const std::string& figure_name) {
  return {checked_int(x * l.page_cos + y * l.page_sin + l.page_offset_x, figure_name),
          checked_int(y * l.page_cos - x * l.page_sin + l.page_offset_y, figure_name)};
}

void draw_page_frame(engine::FigureFile& f, const FigureLayout& l, std::string_view caption) {
  if (l.landscape) {
    f.frame(l.frame_x1, l.frame_y1, l.frame_x2, l.frame_y2, 0, 3);
    f.line(l.strip_x, l.frame_y1, l.strip_x, l.frame_y2, 0, 3);
    f.caption(l.frame_x1 + 225, l.frame_y1 - 100, 150, 150, 90, 3, caption);
  } else {
    f.frame(l.frame_x1, l.frame_y1, l.frame_x2, l.frame_y2, 0, 3);
    f.line(l.frame_x1, l.strip_y, l.frame_x2, l.strip_y, 0, 3);
    f.caption(l.frame_x1 + 100, l.strip_y - 75, 150, 150, 0, 3, caption);
  }
}

std::string figure_title_line(const std::string& name, std::string_view caption_utf8,
                              int load_case) {
  return name + "  " + cp(caption_utf8) + "[" + cp(load_case == 0 ? "常  時" : "地震時") + "]";
}

}  // namespace qvt::tolmire
