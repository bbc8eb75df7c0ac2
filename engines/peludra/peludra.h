#pragma once
// PELUDRA, the condition drawing engine: for each load case one figure of the cross-section
// with the conditions acting on it, DM0000JZ.PDT with JY_KJKZ.PZK for the normal case and, with
// the seismic check, DM1000JZ.PDT with JS_KJKZ.PZK for the seismic case. The section is drawn
// with the figure state, routines and block outline the block division figures use.
#include "engines/common/condition_data.h"
#include "engines/common/condition_readers.h"
#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"
#include "engines/common/section_figure.h"
#include "engines/common/wall_top.h"

#include <string>

namespace qvt::peludra {

// A surface field that is not set.
inline constexpr double SURFACE_UNSET = -9999.9;

// The figure state of a condition figure: the section's, and what the loads and the ground
// surface add.
struct ConditionFigureState {
  engine::SectionFigureState section;
  double load_scale = -1.0;  // page units per kN/m2, once a load fixes it
  double surface_min_x = SURFACE_UNSET;  // ground-surface points beyond the block extents
  double surface_max_x = SURFACE_UNSET;
  double surface_min_y = SURFACE_UNSET;
  double surface_max_y = SURFACE_UNSET;
};

// The report and figure file of a case, and the titles (CP932).
const char* report_file_name(int load_case);   // DM0000JZ.PDT / DM1000JZ.PDT
const char* figure_file_name(int load_case);   // JY_KJKZ.PZK / JS_KJKZ.PZK
std::string figure_title(int load_case);

// The main routine: reads the condition files from the current (work) folder and draws the
// normal case, and the seismic case when the seismic check is on.
engine::Status run_condition_drawing();

// Block extents (with the water levels), then the ground-surface points that lie beyond them
// (arbitrary ground surface only).
void condition_extents(const engine::ConditionData& data, ConditionFigureState& st);

// Scale and origin: without ground-surface points beyond the blocks the section is centred at
// page (2300, 3250), at most 2500 page units long along page y and 3000 along page x; a ground
// surface reaching beyond the blocks on the land side gives up to 4100 and shifts the figure
// by 800. False, nothing changed, when an extent is not positive: nothing to draw.
[[nodiscard]] bool condition_scale(ConditionFigureState& st);

// The outline of every used block slot with its label, as the block figures draw it.
void draw_condition_outline(engine::FigureFile& file, const engine::ConditionData& data,
                            const engine::SectionFigureState& st);

// The page record of the case into the report and the whole figure file of the case.
void write_condition_figure(engine::ConditionData& data, engine::PrintFile& report,
                            int load_case);

// The conditions drawn around the outline, each a step of its own called in the figure's order.
// The first positive load drawn fixes load_scale (200 page units for it); later blocks of the
// figure use the same scale, and a load of 0 or less draws no block.
//
// H.W.L and L.W.L with their marks; the sea-side layer boundaries, levels and properties down
// to the block bottom.
void draw_sea_side_conditions(engine::FigureFile& file, const engine::ConditionData& data,
                              ConditionFigureState& st);
// The land-side layer boundaries, levels and properties, and the R.W.L with its mark.
void draw_land_side_conditions(engine::FigureFile& file, const engine::ConditionData& data,
                               ConditionFigureState& st);
// The wall-top surcharge segments of the case as load blocks, one text per run of equal loads.
void draw_top_surcharges(engine::FigureFile& file, const engine::ConditionData& data,
                         ConditionFigureState& st, const engine::WallTopState& wall_top);
// The arbitrary ground surface with the load blocks of the surcharge ranges and their texts.
void draw_ground_surface(engine::FigureFile& file, const engine::ConditionData& data,
                         ConditionFigureState& st);
// The surcharge on the straight ground surface, over 1600 page units behind the blocks.
void draw_surface_surcharge(engine::FigureFile& file, const engine::ConditionData& data,
                            ConditionFigureState& st);
// The surcharge on the seabed, over 1600 page units in front of the blocks.
void draw_seabed_surcharge(engine::FigureFile& file, const engine::ConditionData& data,
                           ConditionFigureState& st);

// The parts of the steps above.
// "ω =%6.3fkN/m\U2" in the normal case, "ω'=..." in the seismic case (CP932).
std::string load_text(int load_case, double q);
// The arrows of a load block whose top edge runs from page (xa, ya) to (xb, yb), ya > yb: one
// every `spacing` units, pointing down onto the ground; a block of 25 units or less gets lines.
void draw_load_arrows(engine::FigureFile& file, const ConditionFigureState& st, int xa, int xb,
                      int ya, int yb, int length, int spacing);
// The load blocks of the surcharge ranges over the ground segment from a to b.
void draw_surcharge_outline(engine::FigureFile& file, const engine::ConditionData& data,
                            ConditionFigureState& st, const engine::SurfacePoint& a,
                            const engine::SurfacePoint& b);
// The texts of the surcharge ranges, over the highest ground each range covers; a range with
// no ground under it gets none.
void label_surcharges(engine::FigureFile& file, const engine::ConditionData& data,
                      ConditionFigureState& st);

}  // namespace qvt::peludra
