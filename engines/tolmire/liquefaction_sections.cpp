// The liquefaction sections of the seismic data report: the liquefied-layer pressure of both
// sides, layer by layer, and how it compares with the ordinary earth pressure.
#include "engines/tolmire/dat_report.h"

namespace qvt::tolmire {
namespace {

using engine::PrintFile;

// The levels of the liquefied zone of one side: from the top of its first liquefied row to
// the top of the record after its last one; record 0 at both ends when none is liquefied.
struct Zone {
  double top = 0, bottom = 0;
};

template <class Layer>
Zone liquefied_zone(const std::array<Layer, engine::LAYER_RECORDS>& table, int first_row,
                    int last_row, const std::string& file) {
  int first = -1, end = -1;
  for (int i = first_row; i <= last_row; ++i) {
    if (record_at(table, i, file).liquefied != 1) continue;
    if (first < 0) first = i;
    end = i + 1;
  }
  if (first < 0) first = end = 0;
  return {record_at(table, first, file).top_level, record_at(table, end, file).top_level};
}

void soil_text(PrintFile& f, double phi) { f.field_record(2, cp(phi <= 0 ? "粘性土" : "砂質土")); }
void mark(PrintFile& f) { f.field_record(3, cp(" ○ ")); }

}  // namespace

bool has_liquefied_layer(const ReportInput& in) {
  const engine::PressureWorkHeader& h = in.work.header;
  for (int i = h.ground_top_index; i <= h.land_boundary_count - 2; ++i)
    if (record_at(in.work.land, i, in.work_file).liquefied == 1) return true;
  for (int i = h.seabed_index; i <= h.sea_boundary_count - 2; ++i)
    if (record_at(in.work.sea, i, in.work_file).liquefied == 1) return true;
  return false;
}

void write_liquefaction_sections(PrintFile& f, const ReportInput& in) {
  const engine::PressureWorkHeader& h = in.work.header;
  const engine::ConditionData& cd = in.cd;
  const std::string& file = in.work_file;
  const int land_first = h.ground_top_index, land_last = h.land_boundary_count - 2;
  const int sea_first = h.seabed_index, sea_last = h.sea_boundary_count - 2;
  const Zone lz = liquefied_zone(in.work.land, land_first, land_last, file);
  const Zone sz = liquefied_zone(in.work.sea, sea_first, sea_last, file);
  const double lwl = in.ctx.lwl;

  f.page_record("EKI_DAT.PFM", "EKI_DAT.PZK");

  // Land side: the layers.
  f.keep_record((h.land_boundary_count - h.ground_top_index - 1) * 3 + 7);
  f.line("$T");
  f.page_record("E_SDAT1.PFM");
  field(f, 99, "%4.1lf", cd.liquefied_pressure_coef);
  field(f, 98, "%6.3lf", cd.seismic_coef_earth);
  field(f, 97, "%6.3lf", lz.top - lz.bottom);
  f.repeat_header("E_SDATHD.PFM");
  field(f, 99, "%4.1lf", cd.liquefied_pressure_coef);
  field(f, 98, "%5.2lf", cd.seismic_coef_earth);
  field(f, 97, "%6.3lf", lz.top - lz.bottom);
  for (int i = land_first; i <= land_last; ++i) {
    const engine::LandWorkLayer& L = record_at(in.work.land, i, file);
    const engine::ActiveLayerResult& A = record_at(in.work.active, i, file);
    const bool liq = L.liquefied == 1;
    f.block_record("E_SDAT2.PFM");
    field(f, 0, "%7.3lf", zt(L));
    field(f, 1, "%7.3lf", zb(L));
    soil_text(f, L.phi);
    if (liq) mark(f);
    field(f, 4, "%8.3lf", L.unit_weight);
    field_or_dash(f, 5, "%8.3lf", L.slurry_unit_weight, !liq, kDash4);
    field(f, 6, "%8.3lf", r2(L.surcharge_top) + L.overburden_top);
    field(f, 7, "%8.3lf", r2(L.surcharge_bottom) + L.overburden_bottom);
    if (!liq) dash_field(f, 8, kDash3);
    field_or_dash(f, 9, "%7.3lf", lz.top - zt(L), !liq, kDash3);
    field_or_dash(f, 10, "%7.3lf", lz.top - zb(L), !liq, kDash3);
    field_or_dash(f, 11, "%8.3lf", A.liquefied_top, !liq, kDash4);
    field_or_dash(f, 12, "%8.3lf", A.liquefied_bottom, !liq, kDash4);
  }
  f.line("$H");
  f.line("$L");

  // Land side: the comparison.
  f.line("$T");
  f.page_record("E_TUKI1.PFM");
  f.block_record("E_TUKIHD.PFM");
  f.repeat_header("E_TUKIHD.PFM");
  for (int i = land_first; i <= land_last; ++i) {
    const engine::LandWorkLayer& L = record_at(in.work.land, i, file);
    const engine::ActiveLayerResult& A = record_at(in.work.active, i, file);
    const bool liq = L.liquefied == 1;
    f.block_record("E_TUKI2.PFM");
    field(f, 0, "%7.3lf", zt(L));
    field(f, 1, "%7.3lf", zb(L));
    field(f, 2, "%8.3lf", A.unliquefied_top);
    field(f, 3, "%8.3lf", A.unliquefied_bottom);
    field_or_dash(f, 4, "%8.3lf", A.liquefied_top, !liq, kDash4);
    field_or_dash(f, 5, "%8.3lf", A.liquefied_bottom, !liq, kDash4);
    field(f, 6, "%8.3lf", A.horizontal_top);
    field(f, 7, "%8.3lf", A.horizontal_bottom);
  }
  f.line("$H");
  f.line("$L");

  // Sea side: the layers.
  f.keep_record((h.sea_boundary_count - h.seabed_index - 1) * 3 + 5);
  f.line("$T");
  f.page_record("E_JDAT1.PFM");
  field(f, 96, "%7.1lf", cd.liquefied_pressure_coef);
  f.repeat_header("E_JDATHD.PFM");
  field(f, 96, "%7.1lf", cd.liquefied_pressure_coef);
  for (int i = sea_first; i <= sea_last; ++i) {
    const engine::SeaWorkLayer& S = record_at(in.work.sea, i, file);
    const engine::PassiveLayerResult& P = record_at(in.work.passive, i, file);
    const bool liq = S.liquefied == 1;
    f.block_record("E_JDAT2.PFM");
    field(f, 0, "%7.3lf", zt(S));
    field(f, 1, "%7.3lf", zb(S));
    soil_text(f, S.phi);
    if (liq) mark(f);
    field(f, 4, "%8.3lf", S.unit_weight);
    field(f, 9, "%8.3lf", S.overburden_top);
    field(f, 10, "%8.3lf", S.overburden_bottom);
    field_or_dash(f, 11, "%8.3lf", P.liquefied_top, !liq, kDash4);
    field_or_dash(f, 12, "%8.3lf", P.liquefied_bottom, !liq, kDash4);
  }
  f.line("$H");
  f.line("$L");

  // Sea side: the dynamic part.
  auto dynamic_fields = [&] {
    field(f, 99, "%7.3lf", lwl);
    field(f, 98, "%6.3lf", cd.seismic_coef_earth);
    field(f, 97, "%6.3lf", cd.water_unit_weight);
    field(f, 96, "%7.3lf", lwl - sz.bottom);
    field(f, 95, "%7.3lf", sz.top - sz.bottom);
  };
  f.keep_record((h.sea_boundary_count - h.seabed_index - 1) * 3 + 6);
  f.line("$T");
  f.block_record("E_JDAT11.PFM");
  dynamic_fields();
  f.repeat_header("E_JDAHD1.PFM");
  dynamic_fields();
  for (int i = sea_first; i <= sea_last; ++i) {
    const engine::SeaWorkLayer& S = record_at(in.work.sea, i, file);
    const engine::PassiveLayerResult& P = record_at(in.work.passive, i, file);
    const bool liq = S.liquefied == 1;
    f.block_record("E_JDAT22.PFM");
    field(f, 0, "%7.3lf", zt(S));
    field(f, 1, "%7.3lf", zb(S));
    soil_text(f, S.phi);
    if (liq) mark(f);
    field(f, 4, "%8.3lf", S.unit_weight);
    field_or_dash(f, 7, "%7.3lf", lwl - zt(S), !liq, kDash3);
    field_or_dash(f, 8, "%7.3lf", lwl - zb(S), !liq, kDash3);
    field_or_dash(f, 9, "%7.3lf", sz.top - zt(S), !liq, kDash3);
    field_or_dash(f, 10, "%7.3lf", sz.top - zb(S), !liq, kDash3);
    field_or_dash(f, 11, "%8.3lf", P.liquefied_dynamic_top, !liq, kDash4);
    field_or_dash(f, 12, "%8.3lf", P.liquefied_dynamic_bottom, !liq, kDash4);
  }
  f.line("$H");
  f.line("$L");

  // Sea side: the comparison.
  f.line("$T");
  f.page_record("E_TUKI11.PFM");
  f.block_record("E_TUKHD1.PFM");
  f.repeat_header("E_TUKHD1.PFM");
  for (int i = sea_first; i <= sea_last; ++i) {
    const engine::SeaWorkLayer& S = record_at(in.work.sea, i, file);
    const engine::PassiveLayerResult& P = record_at(in.work.passive, i, file);
    const bool liq = S.liquefied == 1;
    f.block_record("E_TUKI2.PFM");
    field(f, 0, "%7.3lf", zt(S));
    field(f, 1, "%7.3lf", zb(S));
    field(f, 2, "%8.3lf", P.unliquefied_top);
    field(f, 3, "%8.3lf", P.unliquefied_bottom);
    field_or_dash(f, 4, "%8.3lf", P.liquefied_top, !liq, kDash4);
    field_or_dash(f, 5, "%8.3lf", P.liquefied_bottom, !liq, kDash4);
    field(f, 6, "%8.3lf", P.passive_top);
    field(f, 7, "%8.3lf", P.passive_bottom);
  }
  f.line("$H");
  f.line("$L");
}

}  // namespace qvt::tolmire
