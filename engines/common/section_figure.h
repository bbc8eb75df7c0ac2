#pragma once
// The section figures of the drawing engines (block division figures, condition figures): the
// cross-section of the quay wall lies turned by a quarter turn on a portrait page. Elevations
// run along page x (higher levels toward smaller page x), the horizontal axis along page y
// (the land side toward smaller page y). Both engines share the page layout (size line, frame,
// title strip), the world-to-page mapping, the small drawing routines and the outline of the
// blocks, so a section looks the same in every figure.
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"
#include "engines/common/figure_file.h"

#include <string_view>

namespace qvt::engine {

// The drawing state of the figure being written, set by the figure writer before anything is
// drawn.
struct SectionFigureState {
  double min_x = 0, max_x = 0;  // horizontal extent (world x, m)
  double min_y = 0, max_y = 0;  // vertical extent (elevations, m)
  int origin_x = 0;             // page x of elevation min_y
  int origin_y = 0;             // page y of world x min_x
  double scale = 0;             // page units per metre
  int char_large = 70;          // block labels and level texts
  int char_small = 50;          // piece numbers and circles
  double block_top_level = 0, block_bottom_level = 0;  // set by find_block_level_range
};

// The extents of the section: min_x .. max_x and min_y .. max_y over the vertices of every used
// block slot (the caisson outline compared as stored in single precision, taken into the extent
// rounded to 0.001; a shape-library block by its four corners), then the three water levels
// widen min_y and max_y. Without any vertex the extents stay at +9999.9 / -9999.9.
void section_block_extents(const ConditionData& data, SectionFigureState& st);

// The fatal box of a figure that has nothing to draw: no block (or no height) gives no extent
// from which a scale could be found.
EngineStop empty_section_stop();

// page x = origin_x - trunc((y - min_y) * scale), page y = origin_y - trunc((x - min_x) * scale):
// truncation toward zero through page_int, so the distance is held within kPageCoordinateLimit
// and the subtraction cannot overflow.
int section_page_x(const SectionFigureState& st, double y);
int section_page_y(const SectionFigureState& st, double x);

// A page coordinate or length held within +-100 000 000 units: far off any page, yet a few of
// them added or subtracted stay inside the 32-bit range, so figures of absurd input are still
// written without an overflow.
inline constexpr int kFarPage = kPageCoordinateLimit;
inline int far_clamped(int v) { return v < -kFarPage ? -kFarPage : v > kFarPage ? kFarPage : v; }

// The fixed head of a section figure: its own name, the size line "46  65", the frame from
// (100, 300) to (4000, 6200) with the title strip up to page x 400, and the title turned 90
// degrees in the strip.
void write_section_figure_head(FigureFile& file, std::string_view name,
                               std::string_view title_cp932);

// A line between two world points, "L %4d %4d %4d %4d %1d %1d" with the given kind and pen.
void draw_world_line(FigureFile& file, const SectionFigureState& st, double x1, double y1,
                     double x2, double y2, int kind, int pen);
// The same with pen 1: the division lines of the block figures.
void draw_section_line(FigureFile& file, const SectionFigureState& st, double x1, double y1,
                       double x2, double y2, int kind);

// A number at a world point: a circle of radius 3 * char_small / 4 unless no_circle, then the
// number in char_small, turned 90 degrees and centred on its length.
void draw_numbered_circle(FigureFile& file, const SectionFigureState& st, double x, double y,
                          int number, bool no_circle);

// The water level mark with its tip at page (a, b): a triangle above the water line and three
// bars below it, in six lines of pen 2.
void draw_water_mark(FigureFile& file, int a, int b);

// Highest and lowest vertex elevation of all used block slots into block_top_level and
// block_bottom_level (-999.999 and 999.999 when no slot has a vertex).
void find_block_level_range(const ConditionData& data, SectionFigureState& st);

// The outline of every used block slot by its type (pen 3), the inner short-wall boundary of
// the wall and lattice patterns at the first type-7 slot, and each slot's label letter. Every
// index read from the block file (counts, groups, the library entry and its point pairs) is
// held within its store: what would lie outside is not drawn.
void draw_block_outlines(FigureFile& file, const ConditionData& data,
                         const SectionFigureState& st);

// The label letter of a label number: "A" + number modulo 26 (negative numbers counted the
// same way upward from Z).
char block_label_letter(int label_number);

}  // namespace qvt::engine
