// The earth pressure data report DM%1d02DAT.PDT of a case: head lines, the sections in their
// order, the earth pressure figure and the generated force tables.
#include "engines/tolmire/dat_report.h"

namespace qvt::tolmire {

void write_dat_report(const engine::ConditionData& cd, TolmireData& data, int load_case,
                      const std::filesystem::path& folder) {
  const int c = load_case == engine::CASE_NORMAL ? 0 : 1;
  const std::string name = c == 0 ? "DM002DAT.PDT" : "DM102DAT.PDT";
  ReportInput in{cd, data.work, row_context(cd, data.design_seabed_level), c,
                 engine::pressure_work_file_name(c)};
  engine::PrintFile f;
  engine::open_or_stop(f, folder / name);
  f.case_title_line(cp("土圧及び残留水圧"), c);
  f.stamp_line(engine::stamp_of(cd), cd.project_title.view(),
               engine::StampForm::title_right_aligned);
  if (cd.surface_shape == 0) {
    f.page_record("GAI_TITL.PFM");
    f.field_record(99, cp(c == 0 ? "常時の検討" : "地震時の検討"));
    f.field_record(98, "");
  }
  if (c == 1) {
    write_apparent_seismic_pages(f, in);
    write_active_pressure_table(f, in);
    write_passive_pressure_table(f, in);
  }
  write_soil_condition_pages(f, in);
  write_land_soil_table(f, in);
  write_coefficient_table(f, in);
  write_pressure_figure_page(f, in);
  write_sea_soil_table(f, in);
  write_passive_coefficient_table(f, in);
  write_residual_water_pages(f, in);
  if (c == 1 && has_liquefied_layer(in)) write_liquefaction_sections(f, in);
  write_pressure_figure(f, in, data, folder);
  write_force_tables(f, in, data, folder);
  engine::close_or_stop(f);
}

}  // namespace qvt::tolmire
