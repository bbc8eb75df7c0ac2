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

// The drawing inside the frame that the figures add around the outline. Not drawn yet: each is
// a step of its own, called in the figure's order.
void draw_water_levels(engine::FigureFile& file, const engine::ConditionData& data,
                       const engine::SectionFigureState& st, int kind);
void draw_spread_line(engine::FigureFile& file, const engine::ConditionData& data,
                      const engine::SectionFigureState& st, int kind);
void draw_block_division(engine::FigureFile& file, const engine::ConditionData& data,
                         const engine::SectionFigureState& st, int kind);
void draw_shear_division(engine::FigureFile& file, const engine::ConditionData& data,
                         const engine::SectionFigureState& st, int kind);
void draw_dimension_lines(engine::FigureFile& file, const engine::ConditionData& data,
                          const engine::SectionFigureState& st);
void draw_layer_levels(engine::FigureFile& file, const engine::ConditionData& data,
                       const engine::SectionFigureState& st, int kind);

}  // namespace qvt::oskavel
