#pragma once
// OSKAVEL, the block division drawing engine: the report DMBLOCKZ.PDT with one figure page for
// each section figure: the block division, the buoyancy division, the shear-check division of
// the normal case and, with the seismic check, that of the seismic case. Every figure shows the
// whole section at one scale, turned a quarter turn on the page.
#include "engines/common/condition_data.h"
#include "engines/common/condition_readers.h"
#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"
#include "engines/common/section_figure.h"

#include <optional>
#include <string>

namespace qvt::oskavel {

inline constexpr const char* kBlockDivisionReport = "DMBLOCKZ.PDT";

// The figure kinds, in the order of the report.
enum FigureKind { BLOCK_DIVISION = 0, BUOYANCY_DIVISION = 1, SHEAR_NORMAL = 2, SHEAR_SEISMIC = 3 };

// The figure file of a kind (M_BLKDV.PZK, M_FRKDV.PZK, M_SEN1DV.PZK, M_SEN2DV.PZK).
const char* figure_file_name(int kind);
// The title of a kind, CP932.
std::string figure_title(int kind);

// The main routine: reads the condition files from the current (work) folder and writes the
// report with three figures, four with the seismic check.
engine::Status run_block_division_drawing();

// Extents of the section (blocks and water levels).
void section_extents(const engine::ConditionData& data, engine::SectionFigureState& st);

// Scale and origin from the extents and char_large: the section fills at most 4000 page units
// along page y and 2600 along page x; elevation min_y lies at page x 3600, the horizontal
// extent centred along page y in the band from 400 to 6100 less the room kept for the level
// annotations. False, nothing changed, when an extent is not positive: nothing to draw.
[[nodiscard]] bool section_scale(engine::SectionFigureState& st);

// The page record of the kind into the report, and the whole figure file of the kind.
void write_block_figure(const engine::ConditionData& data, engine::PrintFile& report, int kind);

// The section outline of every block slot with its label; the shear-check kinds end it with
// the spread line of the shear check.
void draw_section_outline(engine::FigureFile& file, const engine::ConditionData& data,
                          const engine::SectionFigureState& st, int kind);

// The drawing inside the frame that the figures add around the outline, each a step of its own
// called in the figure's order.
//
// The water levels (with their marks) and the block top and bottom, highest first, on the sea
// side; a leader closer than 1.6 text heights to the previous one is bent aside.
void draw_water_levels(engine::FigureFile& file, const engine::ConditionData& data,
                       const engine::SectionFigureState& st, int kind);
// The shear check's spread line from the check point to Q on the body top, and the vertical
// down from Q (kinds 2 and 3).
void draw_spread_line(engine::FigureFile& file, const engine::ConditionData& data,
                      const engine::SectionFigureState& st, int kind);
// The pieces of the polygon blocks: the block division cut at the R.W.L. where a block's unit
// weight changes there (upper pieces first), the buoyancy division of the parts below it with
// the R.W.L. across the figure.
void draw_block_division(engine::FigureFile& file, const engine::ConditionData& data,
                         const engine::SectionFigureState& st, int kind);
// The polygon blocks on the sea side of the vertical through Q, cut there and divided, and the
// width dimension from min_x to Q.
void draw_shear_division(engine::FigureFile& file, const engine::ConditionData& data,
                         const engine::SectionFigureState& st, int kind);
// The dimension chains of list 0 above the blocks and list 1 below them.
void draw_dimension_lines(engine::FigureFile& file, const engine::ConditionData& data,
                          const engine::SectionFigureState& st);
// The tops of the soil layers (the land side with the record after its last layer), the bottom
// of the short walls of the wall and lattice patterns, and for kinds 2 and 3 the levels where
// the spread line reaches the body top.
void draw_layer_levels(engine::FigureFile& file, const engine::ConditionData& data,
                       const engine::SectionFigureState& st, int kind);

// The parts of the steps above.
// A level with its leader beyond world x min_x (sea side) or max_x (land side), "%+8.3f".
void draw_sea_level_mark(engine::FigureFile& file, const engine::SectionFigureState& st,
                         double level);
void draw_land_level_mark(engine::FigureFile& file, const engine::SectionFigureState& st,
                          double level);
// One dimension chain: nothing for a list without a point to the right of its predecessor.
void draw_dimension_chain(engine::FigureFile& file, const engine::SectionFigureState& st,
                          const engine::DimensionPointList& list, bool upper);
void draw_shear_levels(engine::FigureFile& file, const engine::ConditionData& data,
                       const engine::SectionFigureState& st, int kind);
// The top of the improved body: the highest improved-soil vertex (-9999.999 without one).
double improved_top_level(const engine::ConditionData& data);

// The shear check's geometry of a kind: the check point, the spread direction (radians from
// the vertical) and the point Q where the spread line meets the line through the body's top
// corners. None without an improved-soil block or when the spread line runs parallel to the
// body top: then no spread line, division or width is drawn.
struct ShearGeometry {
  double check_x = 0, check_y = 0, angle = 0, q_x = 0, q_y = 0;
};
std::optional<ShearGeometry> shear_geometry(const engine::ConditionData& data, int kind);

}  // namespace qvt::oskavel
