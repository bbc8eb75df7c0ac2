#pragma once
// The sections of the earth pressure data report DM%1d02DAT.PDT, each writing into the open
// report of a case. They read the pressure work data of the case and never change them.
#include "engines/tolmire/report_fields.h"
#include "engines/tolmire/tolmire.h"

namespace qvt::tolmire {

// What every section reads: conditions, the case's work data and its row context.
struct ReportInput {
  const engine::ConditionData& cd;
  const engine::PressureWorkFile& work;
  RowContext ctx;
  int load_case = 0;
  std::string work_file;  // DAT_PRN1.DAT / DAT_PRN2.DAT, named when an index is outside
};

// Seismic-case sections 2 to 4.
void write_apparent_seismic_pages(engine::PrintFile& f, const ReportInput& in);
void write_active_pressure_table(engine::PrintFile& f, const ReportInput& in);
void write_interpolation_pages(engine::PrintFile& f, const ReportInput& in, int rows);
void write_passive_pressure_table(engine::PrintFile& f, const ReportInput& in);

// Sections 5 to 11.
void write_soil_condition_pages(engine::PrintFile& f, const ReportInput& in);
void write_land_soil_table(engine::PrintFile& f, const ReportInput& in);
void write_coefficient_table(engine::PrintFile& f, const ReportInput& in);
void write_intensity_pages(engine::PrintFile& f, const ReportInput& in, int rows, int mode);
void write_pressure_figure_page(engine::PrintFile& f, const ReportInput& in);
void write_sea_soil_table(engine::PrintFile& f, const ReportInput& in);
void write_passive_coefficient_table(engine::PrintFile& f, const ReportInput& in);
// True when there is no residual water.
bool write_residual_water_pages(engine::PrintFile& f, const ReportInput& in);

// The liquefaction sections (seismic case with a liquefied layer).
bool has_liquefied_layer(const ReportInput& in);
void write_liquefaction_sections(engine::PrintFile& f, const ReportInput& in);

// The earth pressure figure DOATU_Z%1d.PZK of the case and its page record in the report; it
// cuts, in data.work, the land records whose active intensity changes sign inside the layer.
void layout_pressure_figure(FigureLayout& layout);
void write_pressure_figure(engine::PrintFile& report, const ReportInput& in, TolmireData& data,
                           const std::filesystem::path& folder);

// The generated force tables of the case, read table by table from the load tables in folder,
// written next to the report, and their records in the report.
void write_force_tables(engine::PrintFile& report, const ReportInput& in, TolmireData& data,
                        const std::filesystem::path& folder);

}  // namespace qvt::tolmire
