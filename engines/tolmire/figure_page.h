#pragma once
// The page model of the engine's figures: the page rotation of a landscape figure, the page
// frame with its caption strip, and the one conversion of a computed position to a page
// integer. A position that is not a finite number or does not fit an int stops the engine
// naming the figure instead of writing a wrong coordinate.
#include "engines/common/figure_file.h"
#include "engines/tolmire/tolmire.h"

#include <string>
#include <string_view>

namespace qvt::tolmire {

// A drawing position as a page integer, truncated toward zero.
int checked_int(double v, const std::string& figure_name);

// A drawing point after the page rotation of the layout, in page units.
struct PagePoint {
  int x = 0, y = 0;
};
PagePoint to_page(const FigureLayout& l, double x, double y, const std::string& figure_name);

// The frame, the caption strip line and the caption (CP932) in page units.
void draw_page_frame(engine::FigureFile& f, const FigureLayout& l, std::string_view caption);

// The figure file's title line: its name, two blanks, the caption and the case in brackets.
std::string figure_title_line(const std::string& name, std::string_view caption_utf8,
                              int load_case);

}  // namespace qvt::tolmire
