// Sections 2 to 11 of the earth pressure data report: which print templates the calculation
// options select, and the numbered fields each template row is filled with.
#include "engines/common/pressure_helpers.h"
#include "engines/tolmire/dat_report.h"

#include <cmath>

namespace qvt::tolmire {
namespace {

using engine::LandWorkLayer;
using engine::PrintFile;
using engine::SeaWorkLayer;

const LandWorkLayer& land(const ReportInput& in, int i) {
  return record_at(in.work.land, i, in.work_file);
}
const LandWorkLayer& arayoko_land(const ReportInput& in, int i) {
  return record_at(in.work.arayoko_land, i, in.work_file);
}
const SeaWorkLayer& sea(const ReportInput& in, int i) {
  return record_at(in.work.sea, i, in.work_file);
}
const SeaWorkLayer& arayoko_sea(const ReportInput& in, int i) {
  return record_at(in.work.arayoko_sea, i, in.work_file);
}
const engine::ActiveLayerResult& active(const ReportInput& in, int i) {
  return record_at(in.work.active, i, in.work_file);
}
const engine::PassiveLayerResult& passive(const ReportInput& in, int i) {
  return record_at(in.work.passive, i, in.work_file);
}

// The rows a loop runs over: from first to last inclusive.
struct Rows {
  int first, last;
};
Rows land_rows(const ReportInput& in) {
  return {in.work.header.ground_top_index, in.work.header.land_boundary_count - 2};
}
Rows sea_rows(const ReportInput& in) {
  return {in.work.header.seabed_index, in.work.header.sea_boundary_count - 2};
}

bool method_0_or_2(int m) { return m == 0 || m == 2; }

// The rows of the seismic pressure tables. Every row opens with its levels and thickness; the
// coefficients and angles close it, each with "───" where it does not apply. The land rows of
// the three templates judge their coefficients by one rule (land_seismic_values) and differ
// only where LandTemplate says; the sea rows print the stored coefficients and angles. The
// ARAYOKO rows of both sides share their weight fields.

template <class Layer>
void row_levels(PrintFile& f, const Layer& layer) {
  field(f, 0, "%7.3lf", zt(layer));
  field(f, 1, "%7.3lf", zb(layer));
  field(f, 2, "%6.3lf", layer.thickness);
}

// Fields 03 to 07 of an ARAYOKO row, land or sea: both unit weights, the weights above the
// water level of the side (not applicable when the top lies above it) and the surcharge at the
// bottom.
template <class Layer>
void arayoko_weights(PrintFile& f, const Layer& layer, bool top_above_water) {
  field(f, 3, "%8.3lf", layer.saturated_unit_weight);
  field(f, 4, "%8.3lf", layer.unit_weight);
  field_or_dash(f, 5, "%8.3lf", layer.saturated_weight_above, top_above_water, kDash4);
  field_or_dash(f, 6, "%8.3lf", layer.submerged_weight_above, top_above_water, kDash4);
  field(f, 7, "%8.2lf", r2(layer.surcharge_bottom));
}

void coefficient_field(PrintFile& f, int number, double k, bool not_applicable) {
  field_or_dash(f, number, "%6.2lf", k, not_applicable, kDash3);
}
void angle_field(PrintFile& f, int number, double degrees, bool not_applicable) {
  field_or_dash(f, number, "%6.1lf", degrees, not_applicable, kDash3);
}

// kt, kb, θt and θb of a row (angles in degrees to one decimal), each with whether it applies.
struct SeismicValues {
  double kt = 0, kb = 0, angle_top = 0, angle_bottom = 0;
  bool kt_na = false, kb_na = false, angle_top_na = false, angle_bottom_na = false;
};

// Where the land templates judge differently. kt: whether a top at the R.W.L. hides it under
// rwl_coef_rule 1. θt of a clay layer in the shallow zone: the shallow_clay_method that hides
// it, and whether the layer's bottom (instead of its top) is the one tested in the zone.
struct LandTemplate {
  bool kt_hidden_at_rwl;
  int angle_top_method;
  bool angle_top_by_bottom;
};
constexpr LandTemplate kArayoko2{true, 2, false};
constexpr LandTemplate kNiken2{false, 0, true};
constexpr LandTemplate kHyojn2{true, 0, false};

// The displayed coefficients of a land row and their angles, and where each is not applicable.
SeismicValues land_seismic_values(const ReportInput& in, const LandWorkLayer& L,
                                  const LandTemplate& t) {
  const RowContext& c = in.ctx;
  const int shallow = in.cd.shallow_clay_method;
  const double top = zt(L), bottom = zb(L);
  const bool clay = !sandy_land(L.phi);
  const bool top_above = c.top_above_rwl(top);
  const bool bottom_clay_in_zone =
      method_0_or_2(shallow) && clay && c.bottom_in_shallow_zone(bottom);
  SeismicValues v;
  v.kt = c.displayed_coef(L.seismic_coef_top, L.seismic_coef_kind_top);
  v.kb = c.displayed_coef(L.seismic_coef_bottom, L.seismic_coef_kind_bottom);
  v.angle_top = deg1(std::atan(v.kt));
  v.angle_bottom = deg1(std::atan(v.kb));
  v.kt_na = top_above || (t.kt_hidden_at_rwl && c.top_at_rwl(top) && in.cd.rwl_coef_rule == 1) ||
            (shallow == 2 && clay && c.top_in_shallow_zone(top));
  v.kb_na = c.bottom_at_or_above_rwl(bottom) || bottom_clay_in_zone;
  v.angle_top_na = !top_above && shallow == t.angle_top_method && clay &&
                   (t.angle_top_by_bottom ? c.bottom_in_shallow_zone(bottom)
                                          : c.top_in_shallow_zone(top));
  v.angle_bottom_na = bottom < c.rwl && bottom_clay_in_zone;
  return v;
}

// The stored coefficients and angles of a sea row: none applies to a clay layer, the top ones
// not above the L.W.L. (HYOJN2: nor at it), the bottom ones not at or above it.
SeismicValues sea_seismic_values(const ReportInput& in, const SeaWorkLayer& S,
                                 bool kt_hidden_at_lwl) {
  const double lwl = in.ctx.lwl, top = zt(S), bottom = zb(S);
  const bool clay = S.phi <= 0.0001;
  SeismicValues v;
  v.kt = S.seismic_coef_top;
  v.kb = S.seismic_coef_bottom;
  v.angle_top = deg1(S.seismic_angle_top);
  v.angle_bottom = deg1(S.seismic_angle_bottom);
  v.kt_na = top > lwl || clay || (kt_hidden_at_lwl && std::fabs(top - lwl) < 0.0001);
  v.kb_na = bottom >= lwl || clay;
  v.angle_top_na = v.angle_bottom_na = clay;
  return v;
}

// kt, kb, θt and θb in four fields from `first` (ARAYOKO2 and HYOJN2).
void seismic_fields(PrintFile& f, int first, const SeismicValues& v) {
  coefficient_field(f, first, v.kt, v.kt_na);
  coefficient_field(f, first + 1, v.kb, v.kb_na);
  angle_field(f, first + 2, v.angle_top, v.angle_top_na);
  angle_field(f, first + 3, v.angle_bottom, v.angle_bottom_na);
}

// NIKEN2, both sides: the water pressure at the top (08) goes with kt (10), the one at the
// bottom (09) with kb (11), written in that order; the angles follow (12, 13).
void niken2_seismic_fields(PrintFile& f, const SeismicValues& v, double water_top,
                           bool water_top_na, double water_bottom, bool water_bottom_na) {
  field_or_dash(f, 8, "%8.3lf", water_top, water_top_na, kDash4);
  coefficient_field(f, 10, v.kt, v.kt_na);
  field_or_dash(f, 9, "%8.3lf", water_bottom, water_bottom_na, kDash4);
  coefficient_field(f, 11, v.kb, v.kb_na);
  angle_field(f, 12, v.angle_top, v.angle_top_na);
  angle_field(f, 13, v.angle_bottom, v.angle_bottom_na);
}

void arayoko2_land_row(PrintFile& f, const ReportInput& in, const LandWorkLayer& L) {
  row_levels(f, L);
  arayoko_weights(f, L, in.ctx.top_above_rwl(zt(L)));
  seismic_fields(f, 8, land_seismic_values(in, L, kArayoko2));
}

void niken2_land_row(PrintFile& f, const ReportInput& in, const LandWorkLayer& L) {
  const double w = in.cd.water_unit_weight;
  row_levels(f, L);
  field(f, 3, "%8.3lf", L.unit_weight);
  field(f, 4, "%8.3lf", L.overburden_top);
  field(f, 5, "%8.3lf", L.overburden_bottom);
  field(f, 6, "%8.2lf", r2(L.surcharge_top));
  field(f, 7, "%8.2lf", r2(L.surcharge_bottom));
  niken2_seismic_fields(f, land_seismic_values(in, L, kNiken2), w * L.rwl_depth_top,
                        in.ctx.top_above_rwl(zt(L)), w * L.rwl_depth_bottom,
                        in.ctx.bottom_at_or_above_rwl(zb(L)));
}

void hyojn2_land_row(PrintFile& f, const ReportInput& in, const LandWorkLayer& L) {
  row_levels(f, L);
  field(f, 3, "%8.3lf", L.saturated_unit_weight);
  seismic_fields(f, 4, land_seismic_values(in, L, kHyojn2));
}

void arayoko2_sea_row(PrintFile& f, const ReportInput& in, const SeaWorkLayer& S) {
  row_levels(f, S);
  arayoko_weights(f, S, zt(S) > in.ctx.lwl);
  seismic_fields(f, 8, sea_seismic_values(in, S, false));
}

// NIKEN2 on the sea side: the water pressures are not applicable where the coefficients are not.
void niken2_sea_row(PrintFile& f, const ReportInput& in, const SeaWorkLayer& S) {
  const double w = in.cd.water_unit_weight;
  row_levels(f, S);
  field(f, 3, "%8.3lf", S.unit_weight);
  field(f, 4, "%8.3lf", S.overburden_top);
  field(f, 5, "%8.3lf", S.overburden_bottom);
  field(f, 6, "%8.2lf", r2(S.surcharge_top));
  field(f, 7, "%8.2lf", r2(S.surcharge_bottom));
  const SeismicValues v = sea_seismic_values(in, S, false);
  niken2_seismic_fields(f, v, w * S.water_depth_top, v.kt_na, w * S.water_depth_bottom, v.kb_na);
}

void hyojn2_sea_row(PrintFile& f, const ReportInput& in, const SeaWorkLayer& S) {
  row_levels(f, S);
  field(f, 3, "%8.3lf", S.saturated_unit_weight);
  seismic_fields(f, 4, sea_seismic_values(in, S, true));
}

// A clay layer of the zone from D down to D - 10.
bool clay_in_band(const ReportInput& in, const LandWorkLayer& L, double phi_limit_inclusive) {
  return zb(L) < in.ctx.D && zt(L) > in.ctx.D - 10 && L.phi <= phi_limit_inclusive;
}

// The head of the seismic pressure tables of both sides; side_text is "1) 主働側" or
// "2) 受働側".
void seismic_table_head(PrintFile& f, const ReportInput& in, const char* side_text,
                        const char* first, const char* header) {
  f.block_record(first);
  f.field_record(99, cp(side_text));
  field(f, 98, "%6.2lf", in.cd.seismic_coef_earth);
  f.repeat_header(header);
  field(f, 98, "%6.2lf", in.cd.seismic_coef_earth);
}

}  // namespace

void write_apparent_seismic_pages(PrintFile& f, const ReportInput& in) {
  const engine::ConditionData& cd = in.cd;
  switch (cd.apparent_coef_method) {
    case 0:
      f.block_record("MIKAKE3.PFM");
      field(f, 98, "%6.2lf", cd.apparent_seismic_coef);
      break;
    case 1:
      f.block_record("MIKAKE2.PFM");
      break;
    case 2:
      f.block_record("MIKAKE1A.PFM");
      f.field_record(98, cp(cd.custom_options.residual_water_rule == 0
                                ? "実残留水位位置からの深さ。"
                                : "天端位置からの深さ。"));
      f.field_record(97, cp(cd.custom_options.front_water_rule == 0
                                ? "L.W.L位置からの深さ。"
                                : "設計海底面位置からの深さ。"));
      break;
    default:
      f.block_record("MIKAKE4.PFM");
      break;
  }
  f.field_record(99, cd.surface_shape == 0 ? "(1)" : "(2)");
  switch (cd.shallow_clay_method) {
    case 0: f.block_record("SND_MSG2.PFM"); break;
    case 1: f.block_record("SND_MSG1.PFM"); break;
    case 2: f.block_record("SND_MSG4.PFM"); break;
    default: f.block_record("SND_MSG3.PFM"); break;
  }
}

void write_active_pressure_table(PrintFile& f, const ReportInput& in) {
  const engine::PressureWorkHeader& h = in.work.header;
  const engine::ConditionData& cd = in.cd;
  f.keep_record((h.land_boundary_count - h.ground_top_index - 1) * 3 + 6);
  f.table_start();
  const Rows rows = land_rows(in);
  if (cd.apparent_coef_method == 3) {
    f.keep_record((h.arayoko_land_count - h.ground_top_index - 1) * 3 + 6);
    const double above = arayoko_land(in, h.arayoko_land_count - 2).weight_above_rwl;
    f.block_record("ARAYOKO1.PFM");
    f.field_record(99, cp("1) 主働側"));
    field(f, 98, "%6.2lf", cd.seismic_coef_earth);
    field(f, 97, "%8.3lf", above);
    f.repeat_header("ARAYOKOH.PFM");
    field(f, 98, "%6.2lf", cd.seismic_coef_earth);
    field(f, 97, "%8.3lf", above);
    for (int i = h.ground_top_index; i <= h.arayoko_land_count - 2; ++i) {
      f.block_record("ARAYOKO2.PFM");
      arayoko2_land_row(f, in, arayoko_land(in, i));
    }
    f.block_record("ARAYOKO3.PFM");
    f.repeat_header_end();
  } else if (cd.apparent_coef_method == 2) {
    seismic_table_head(f, in, "1) 主働側", "NIKEN1.PFM", "NIKEN_HD.PFM");
    for (int i = rows.first; i <= rows.last; ++i) {
      f.block_record("NIKEN2.PFM");
      niken2_land_row(f, in, land(in, i));
    }
    f.repeat_header_end();
    f.table_end();
  } else {
    seismic_table_head(f, in, "1) 主働側", "HYOJN1.PFM", "HYOJN_HD.PFM");
    for (int i = rows.first; i <= rows.last; ++i) {
      f.block_record("HYOJN2.PFM");
      hyojn2_land_row(f, in, land(in, i));
    }
    f.repeat_header_end();
    f.table_end();
  }

  int n = 0;
  if (cd.shallow_clay_method == 3) {
    for (int i = h.ground_top_index; i <= h.arayoko_land_count - 2; ++i)
      if (clay_in_band(in, arayoko_land(in, i), 0.0001)) ++n;
  } else if (cd.shallow_clay_method == 2) {
    for (int i = rows.first; i <= rows.last; ++i)
      if (clay_in_band(in, land(in, i), 0.0001)) ++n;
  }
  if (n > 0) write_interpolation_pages(f, in, n);
}

void write_interpolation_pages(PrintFile& f, const ReportInput& in, int n) {
  const engine::PressureWorkHeader& h = in.work.header;
  const engine::ConditionData& cd = in.cd;
  const double D = in.ctx.D;
  const double band_deg = 180.0 / M_PI;
  if (cd.shallow_clay_method == 3) {
    f.keep_record(n * 2 + 5);
    f.block_record("HOKAN01.PFM");
    for (int i = h.ground_top_index; i <= h.arayoko_land_count - 2; ++i) {
      const LandWorkLayer& L = arayoko_land(in, i);
      if (!clay_in_band(in, L, 0.0001)) continue;
      f.block_record("HOKAN02.PFM");
      field(f, 0, "%6.2lf", zt(L));
      field(f, 1, "%6.2lf", zb(L));
      field(f, 2, "%8.2lf", L.clay_coef_top);
      field_or_dash(f, 3, "%10.2lf", L.seismic_coef_top, !(zt(L) <= D || zb(L) >= D), kDash5);
      field_or_dash(f, 4, "%10.2lf", L.seismic_coef_bottom,
                    !(std::fabs(zb(L) - (D - 10)) >= 0.001), kDash5);
    }
    return;
  }
  if (cd.shallow_clay_method != 2) return;
  f.keep_record(n * 2 + 6);
  if (cd.apparent_coef_method == 3) {
    f.block_record("HOKAN11.PFM");
    for (int i = h.ground_top_index; i <= h.arayoko_land_count - 2; ++i) {
      const LandWorkLayer& L = arayoko_land(in, i);
      if (!clay_in_band(in, L, 0.0001)) continue;
      f.block_record("HOKAN12.PFM");
      field(f, 0, "%6.2lf", zt(L));
      field(f, 1, "%6.2lf", zb(L));
      const double depth = zt(L) > D ? L.thickness : zb(L) >= D - 10 ? 10.0 : D - zb(L);
      field(f, 2, "%6.2lf", depth);
      field(f, 3, "%8.3lf", L.saturated_weight_to_seabed);
      field(f, 4, "%8.3lf", L.submerged_weight_to_seabed);
      field(f, 5, "%6.2lf", L.clay_coef_top);
      field(f, 6, "%6.1lf", L.band_seismic_angle_top * band_deg);
    }
    return;
  }
  const bool niken = cd.apparent_coef_method == 2;
  f.block_record(niken ? "HOKAN21.PFM" : "HOKAN31.PFM");
  const Rows rows = land_rows(in);
  for (int i = rows.first; i <= rows.last; ++i) {
    const LandWorkLayer& L = land(in, i);
    if (!clay_in_band(in, L, 0.0001)) continue;
    f.block_record(niken ? "HOKAN22.PFM" : "HOKAN32.PFM");
    field(f, 0, "%6.2lf", zt(L));
    field(f, 1, "%6.2lf", zb(L));
    if (niken) {
      field(f, 2, "%8.3lf", L.overburden_seabed);
      double water_top = in.ctx.rwl;
      if (h.rwl_index <= h.ground_top_index && cd.custom_options.residual_water_rule == 1)
        water_top = land(in, h.ground_top_index).top_level;
      field(f, 3, "%8.3lf", cd.water_unit_weight * (water_top - D));
      field(f, 4, "%6.2lf", L.clay_coef_top);
      field(f, 5, "%6.1lf", L.band_seismic_angle_top * band_deg);
    } else {
      field(f, 2, "%8.3lf", L.saturated_unit_weight);
      field(f, 3, "%6.2lf", L.clay_coef_top);
      field(f, 4, "%6.1lf", L.band_seismic_angle_top * band_deg);
    }
  }
}

void write_passive_pressure_table(PrintFile& f, const ReportInput& in) {
  const engine::PressureWorkHeader& h = in.work.header;
  const engine::ConditionData& cd = in.cd;
  f.keep_record((h.sea_boundary_count - h.seabed_index - 1) * 3 + 6);
  f.table_start();
  if (cd.apparent_coef_method == 3) {
    f.keep_record((h.arayoko_sea_count - h.seabed_index - 1) * 3 + 6);
    const double above = arayoko_sea(in, h.arayoko_sea_count - 2).weight_above_water;
    f.block_record("ARAYOKO1.PFM");
    f.field_record(99, cp("2) 受働側"));
    field(f, 98, "%6.2lf", cd.seismic_coef_earth);
    field(f, 97, "%8.3lf", above);
    f.repeat_header("ARAYOKOH.PFM");
    field(f, 98, "%6.2lf", cd.seismic_coef_earth);
    field(f, 97, "%8.3lf", above);
    // The rows start at sea record 0 whatever the seabed index.
    for (int i = 0; i <= h.arayoko_sea_count - 2; ++i) {
      f.block_record("ARAYOKO2.PFM");
      arayoko2_sea_row(f, in, arayoko_sea(in, i));
    }
    f.block_record("ARAYOKO3.PFM");
    f.repeat_header_end();
    return;
  }
  const bool niken = cd.apparent_coef_method == 2;
  seismic_table_head(f, in, "2) 受働側", niken ? "NIKEN1.PFM" : "HYOJN1.PFM",
                     niken ? "NIKEN_HD.PFM" : "HYOJN_HD.PFM");
  for (int i = 0; i <= h.sea_boundary_count - 2; ++i) {
    f.block_record(niken ? "NIKEN2.PFM" : "HYOJN2.PFM");
    if (niken)
      niken2_sea_row(f, in, sea(in, i));
    else
      hyojn2_sea_row(f, in, sea(in, i));
  }
  f.repeat_header_end();
  f.table_end();
}

void write_soil_condition_pages(PrintFile& f, const ReportInput& in) {
  const engine::ConditionData& cd = in.cd;
  const engine::CustomOptions& o = cd.custom_options;
  if (in.load_case == 0) {
    f.block_record("JO_DTS1.PFM", "JO_DTS1.PZK");
    if (cd.clay_pressure_formula[0] == 0) {
      f.block_record("JO_DTS2.PFM");
      field(f, 98, "%4.1lf", o.consolidation_coef_kc);
    } else {
      f.block_record("JO_DTS3.PFM");
    }
    return;
  }
  f.page_record("JS_DTS1.PFM", "JS_DTS1.PZK");
  const bool formula0 = cd.clay_pressure_formula[1] == 0;
  f.keep_record(formula0 ? 16 : 12);
  f.block_record(formula0 ? "JS_DTS2.PFM" : "JS_DTS3.PFM", formula0 ? "JS_DTS2.PZK" : "JS_DTS3.PZK");
  if (o.negative_root_rule == 1) f.block_record("JS_DTS11.PFM");
  if (o.negative_root_rule == 2) {
    f.block_record("JS_DTS12.PFM");
    f.block_record("JS_DTS16.PFM", "JS_DTS16.PZK");
  }
  if (o.negative_root_rule == 3) f.block_record("JS_DTS13.PFM");
  if (o.negative_root_rule == 0) {
    f.block_record("JS_DTS10.PFM");
    field(f, 99, "%4.1lf", o.clay_collapse_angle[1]);
  }
  const int shallow = cd.shallow_clay_method;
  switch (shallow) {
    case 0: f.keep_record(23); f.block_record("JS_DTS5.PFM"); break;
    case 1: f.keep_record(12); f.block_record("JS_DTS4.PFM"); break;
    case 2: f.keep_record(25); f.block_record("JS_DTS14.PFM"); break;
    default: f.keep_record(18); f.block_record("JS_DTS15.PFM"); break;
  }
  if (cd.clay_compare_shallow == 1)
    f.block_record(shallow == 0 || shallow == 1 ? "JS_DTSM1.PFM" : "JS_DTSM2.PFM");
  else
    f.block_record("JS_DTSM3.PFM");
  f.block_record("JS_DTSDS.PFM");
  f.block_record(cd.clay_compare_deep == 1 ? "JS_DTSM1.PFM" : "JS_DTSM3.PFM");
  if (formula0) {
    f.block_record("JS_DTS7.PFM");
    f.block_record("JS_DTS6.PFM");
  } else {
    f.block_record("JS_DTS8.PFM");
    f.block_record("JS_DTS9.PFM");
  }
  field(f, 98, "%4.1lf", o.consolidation_coef_kc);
}

namespace {

// The seismic coefficient of the soil tables: rounded whatever its kind.
double soil_table_coef(const engine::ConditionData& cd, double k) {
  return cd.custom_options.seismic_rounding == 0 ? r2(k)
                                                 : engine::round_to_decimals(2 * k, 1) / 2;
}

// The rows of the band that the seismic soil and coefficient tables count.
int band_rows_below_seabed(const ReportInput& in) {
  int n = 0;
  const Rows rows = land_rows(in);
  for (int i = rows.first; i <= rows.last; ++i) {
    const LandWorkLayer& L = land(in, i);
    if (std::fabs(zb(L) - in.ctx.D) >= 0.0001 && clay_in_band(in, L, 0.0)) ++n;
  }
  return n;
}

template <class Layer>
void soil_row_common(PrintFile& f, const Layer& L, bool seismic_top_format) {
  const bool clay = L.phi <= 0;
  if (seismic_top_format)
    field(f, 0, "%7.3f", zt(L));
  else
    field(f, 0, "%7.3lf", zt(L));
  field(f, 1, "%7.3lf", zb(L));
  field(f, 2, "%6.3lf", L.thickness);
  field_or_dash(f, 3, "%6.1lf", deg1(L.phi), clay, kDash3);
  field_or_dash(f, 4, "%8.3lf", L.cohesion_top, !clay, kDash4);
  field_or_dash(f, 5, "%8.3lf", L.cohesion_bottom, !clay, kDash4);
  field(f, 6, "%8.3lf", L.unit_weight);
  field(f, 7, "%8.3lf", r3(L.thickness * L.unit_weight));
}

void soil_table_head(PrintFile& f, bool seismic, double slope, double friction) {
  f.page_record(seismic ? "JS_DTT1.PFM" : "JO_DTT1.PFM");
  field(f, 99, "%5.1lf", slope);
  field(f, 98, "%5.1lf", friction);
  f.repeat_header(seismic ? "JS_DTTHD.PFM" : "JO_DTTHD.PFM");
  field(f, 99, "%5.1lf", slope);
  field(f, 98, "%5.1lf", friction);
}

}  // namespace

void write_land_soil_table(PrintFile& f, const ReportInput& in) {
  const engine::ConditionData& cd = in.cd;
  const engine::PressureWorkHeader& h = in.work.header;
  const bool seismic = in.load_case != 0;
  const Rows rows = land_rows(in);
  f.table_start();
  int n = 0;
  if (seismic) {
    if (cd.shallow_clay_method == 2) n = band_rows_below_seabed(in);
    f.keep_record((h.land_boundary_count - h.ground_top_index - 1) * 3 + (n > 0 ? 8 : 6));
  }
  soil_table_head(f, seismic, cd.surface_slope_angle, cd.custom_options.wall_friction_angle);
  const RowContext& c = in.ctx;
  const int shallow = cd.shallow_clay_method;
  for (int i = rows.first; i <= rows.last; ++i) {
    const LandWorkLayer& L = land(in, i);
    f.block_record(seismic ? "JS_DTT2.PFM" : "JO_DTT2.PFM");
    soil_row_common(f, L, false);
    if (!seismic) continue;
    const double kt = soil_table_coef(cd, L.seismic_coef_top);
    const double kb = soil_table_coef(cd, L.seismic_coef_bottom);
    const double bottom = zb(L);
    const bool below_rwl_clay = bottom < c.rwl && L.phi <= 0;
    field(f, 8, "%6.2lf", kt);
    field(f, 10, "%6.1lf", deg1(std::atan(kt)));
    const bool na = below_rwl_clay && method_0_or_2(shallow) && c.bottom_in_shallow_zone(bottom);
    field_or_dash(f, 9, "%6.2lf", kb, na, kDash3);
    field_or_dash(f, 11, "%6.1lf", deg1(std::atan(kb)), na, kDash3);
    if (below_rwl_clay && shallow == 2 && c.D - 10 <= bottom && bottom < c.D)
      f.field_record(99, cp("※"));
  }
  f.repeat_header_end();
  f.table_end();
  if (n > 0) f.block_record("JS_DLMSG.PFM");
}

void write_coefficient_table(PrintFile& f, const ReportInput& in) {
  const engine::ConditionData& cd = in.cd;
  const engine::PressureWorkHeader& h = in.work.header;
  const bool seismic = in.load_case != 0;
  const bool vertical_ignored = cd.custom_options.backfill_vertical_ignored != 0;
  const Rows rows = land_rows(in);
  const int shallow = cd.shallow_clay_method;
  int n = 0;
  if (seismic && shallow != 1) n = band_rows_below_seabed(in);
  f.keep_record((h.land_boundary_count - h.ground_top_index) * 2 + (n > 0 ? 5 : 3));
  f.table_start();
  const char* p = seismic ? "JS" : "JO";
  const std::string prefix(p);
  if (!vertical_ignored) {
    f.block_record(prefix + "_DTK1.PFM");
    f.repeat_header(prefix + "_DTKHD.PFM");
  } else {
    f.block_record(prefix + "_DTK11.PFM");
    f.repeat_header(prefix + "_DTHD1.PFM");
  }
  const int formula = cd.clay_pressure_formula[seismic ? 1 : 0];
  const double D = in.ctx.D;
  for (int i = rows.first; i <= rows.last; ++i) {
    const LandWorkLayer& L = land(in, i);
    const engine::ActiveLayerResult& A = active(in, i);
    const bool clay = L.phi <= 0;
    f.block_record(prefix + (vertical_ignored ? "_DTK21.PFM" : "_DTK2.PFM"));
    field(f, 0, "%7.3lf", zt(L));
    field(f, 1, "%7.3lf", zb(L));
    field(f, 2, "%8.3lf", r2(L.surcharge_top) + L.overburden_top);
    field(f, 3, "%8.3lf", r2(L.surcharge_bottom) + L.overburden_bottom);
    if (!seismic) {
      field_or_dash(f, 4, "%8.4lf", A.coef_top, clay, kDash4);
      field_or_dash(f, 5, "%8.4lf", A.coef_bottom, clay, kDash4);
      field_or_dash(f, 6, "%8.4lf", A.vertical_coef_top, clay, kDash4);
      field_or_dash(f, 7, "%8.4lf", A.vertical_coef_bottom, clay, kDash4);
      field_or_dash(f, 8, "%8.3lf", A.clay_formula1_top, !clay, kDash4);
      field_or_dash(f, 9, "%8.3lf", A.clay_formula1_bottom, !clay, kDash4);
      field_or_dash(f, 10, "%8.3lf", A.clay_formula2_top, !clay || formula != 0, kDash4);
      field_or_dash(f, 11, "%8.3lf", A.clay_formula2_bottom, !clay || formula != 0, kDash4);
      field(f, 12, "%8.3lf", A.unliquefied_top);
      field(f, 13, "%8.3lf", A.unliquefied_bottom);
      field_or_dash(f, 14, "%8.3lf", A.vertical_top, clay || vertical_ignored, kDash4);
      field_or_dash(f, 15, "%8.3lf", A.vertical_bottom, clay || vertical_ignored, kDash4);
      continue;
    }
    if (!clay) {
      dash_field(f, 4, kDash2);
      dash_field(f, 5, kDash2);
      field(f, 6, "%8.4lf", A.coef_top);
      field(f, 7, "%8.4lf", A.coef_bottom);
      field(f, 8, "%8.4lf", A.vertical_coef_top);
      field(f, 9, "%8.4lf", A.vertical_coef_bottom);
      for (int k = 10; k <= 13; ++k) dash_field(f, k, kDash4);
      field(f, 14, "%8.3lf", A.unliquefied_top);
      field(f, 15, "%8.3lf", A.unliquefied_bottom);
      field(f, 16, "%8.3lf", A.vertical_top);
      field(f, 17, "%8.3lf", A.vertical_bottom);
      continue;
    }
    const double top = zt(L), bottom = zb(L);
    field(f, 4, "%4.1lf", deg1(L.failure_angle_top));
    dash_field(f, 6, kDash4);
    dash_field(f, 8, kDash4);
    if (shallow == 2 && D - 10 < top && top <= D) {
      dash_field(f, 10, kDash4);
      dash_field(f, 12, kDash4);
      f.field_record(98, cp("※"));
    } else {
      field(f, 10, "%8.3lf", A.clay_formula1_top);
      field_or_dash(f, 12, "%8.3lf", A.clay_formula2_top, formula != 0, kDash4);
    }
    field(f, 5, "%4.1lf", deg1(L.failure_angle_bottom));
    dash_field(f, 7, kDash4);
    dash_field(f, 9, kDash4);
    if (method_0_or_2(shallow) && D - 10 <= bottom && bottom < D) {
      dash_field(f, 11, kDash4);
      dash_field(f, 13, kDash4);
      f.field_record(99, cp("※"));
    } else {
      field(f, 11, "%8.3lf", A.clay_formula1_bottom);
      field_or_dash(f, 13, "%8.3lf", A.clay_formula2_bottom, formula != 0, kDash4);
    }
    field(f, 14, "%8.3lf", A.unliquefied_top);
    field(f, 15, "%8.3lf", A.unliquefied_bottom);
    dash_field(f, 16, kDash4);
    dash_field(f, 17, kDash4);
  }
  f.repeat_header_end();
  f.table_end();
  if (n <= 0) return;
  if (shallow == 0) {
    f.block_record("JS_10MSG.PFM");
    write_intensity_pages(f, in, n, 1);
  } else if (shallow == 3) {
    if (cd.clay_compare_shallow == 1) write_intensity_pages(f, in, n, 0);
  } else if (shallow == 2) {
    f.block_record("JS_HKMSG.PFM");
    write_intensity_pages(f, in, n, 2);
  }
}

void write_intensity_pages(PrintFile& f, const ReportInput& in, int n, int mode) {
  const bool formula0 = in.cd.clay_pressure_formula[1] == 0;
  if (mode == 2) {
    f.keep_record(n * 2 + 3);
    f.block_record("JS_TOK4.PFM");
  } else {
    f.keep_record(n + 3);
    f.block_record("JS_TOK1.PFM");
    f.field_record(99, cp(mode == 0 ? "(海底面位置での土圧強度)"
                                    : "(海底面下－１０ｍ位置での土圧強度)"));
  }
  const Rows rows = land_rows(in);
  for (int i = rows.first; i <= rows.last; ++i) {
    const LandWorkLayer& L = land(in, i);
    if (!clay_in_band(in, L, 0.0)) continue;
    const engine::ActiveLayerResult& A = active(in, i);
    f.block_record(mode == 2 ? "JS_TOK5.PFM" : "JS_TOK2.PFM");
    for (int set = 0; set <= 1; ++set) {
      if (mode != 2 && set != (mode == 0 ? 0 : 1)) continue;
      const int base = mode == 2 ? 7 * set : 0;
      const bool seabed = set == 0;
      const double a = seabed ? A.seabed_formula1 : A.clay_formula1_bottom;
      const double b = seabed ? A.seabed_formula2 : A.clay_formula2_bottom;
      field(f, base + 0, "%7.3lf", seabed ? zt(L) : zb(L));
      field(f, base + 1, "%8.3lf",
            seabed ? r2(L.surcharge_top) + L.overburden_seabed
                   : r2(L.surcharge_bottom) + L.overburden_seabed_minus10);
      field(f, base + 3, "%8.3lf", seabed ? L.cohesion_seabed : L.cohesion_seabed_minus10);
      field(f, base + 4, "%8.3lf", a);
      field_or_dash(f, base + 5, "%8.3lf", b, !formula0, kDash4);
      field(f, base + 6, "%8.3lf", a <= b ? b : a);
    }
  }
}

void write_pressure_figure_page(PrintFile& f, const ReportInput& in) {
  if (in.load_case == 0)
    f.page_record("JO_DTJ.PFM", "JO_DTJ.PZK");
  else
    f.page_record("JS_DTJ.PFM", "JS_DTJ.PZK");
}

void write_sea_soil_table(PrintFile& f, const ReportInput& in) {
  const bool seismic = in.load_case != 0;
  f.table_start();
  soil_table_head(f, seismic, in.cd.seabed_slope_angle, -in.cd.custom_options.wall_friction_angle);
  const Rows rows = sea_rows(in);
  for (int i = rows.first; i <= rows.last; ++i) {
    const SeaWorkLayer& S = sea(in, i);
    f.block_record(seismic ? "JS_DTT2.PFM" : "JO_DTT2.PFM");
    soil_row_common(f, S, seismic);
    if (!seismic) continue;
    field(f, 8, "%6.2lf", S.seismic_coef_top);
    field(f, 9, "%6.2lf", S.seismic_coef_bottom);
    field(f, 10, "%6.1lf", deg1(S.seismic_angle_top));
    field(f, 11, "%6.1lf", deg1(S.seismic_angle_bottom));
  }
  f.repeat_header_end();
  f.table_end();
}

void write_passive_coefficient_table(PrintFile& f, const ReportInput& in) {
  const engine::PressureWorkHeader& h = in.work.header;
  const bool with_vertical = in.cd.custom_options.backfill_vertical_ignored == 0;
  f.keep_record((h.sea_boundary_count - h.seabed_index) * 2 + 3);
  f.table_start();
  f.block_record(with_vertical ? "JU_DTP11.PFM" : "JU_DTP1.PFM");
  f.repeat_header(with_vertical ? "JU_DTPHE.PFM" : "JU_DTPHD.PFM");
  const Rows rows = sea_rows(in);
  for (int i = rows.first; i <= rows.last; ++i) {
    const SeaWorkLayer& S = sea(in, i);
    const engine::PassiveLayerResult& P = passive(in, i);
    const bool clay = S.phi <= 0;
    f.block_record(with_vertical ? "JU_DTP22.PFM" : "JU_DTP2.PFM");
    field(f, 0, "%7.3lf", zt(S));
    field(f, 1, "%7.3lf", zb(S));
    field(f, 2, "%8.3lf", S.overburden_top);
    field(f, 3, "%8.3lf", S.overburden_bottom);
    field_or_dash(f, 4, "%8.4lf", P.coef_top, clay, kDash4);
    field_or_dash(f, 5, "%8.4lf", P.coef_bottom, clay, kDash4);
    field(f, 6, "%8.3lf", P.unliquefied_top);
    field(f, 7, "%8.3lf", P.unliquefied_bottom);
    if (with_vertical) {
      field_or_dash(f, 8, "%8.4lf", P.vertical_coef_top, clay, kDash4);
      field_or_dash(f, 9, "%8.4lf", P.vertical_coef_bottom, clay, kDash4);
      field_or_dash(f, 10, "%8.3lf", P.vertical_top, clay, kDash4);
      field_or_dash(f, 11, "%8.3lf", P.vertical_bottom, clay, kDash4);
    }
    field(f, 20, "%8.3lf", S.surcharge_top);
    field(f, 21, "%8.3lf", S.surcharge_bottom);
  }
  f.repeat_header_end();
  f.table_end();
}

bool write_residual_water_pages(PrintFile& f, const ReportInput& in) {
  const double intensity = in.work.summary.residual_water_intensity;
  if (intensity <= 0) {
    f.page_record("RWL_KYO2.PFM");
    return true;
  }
  const double bottom = land(in, in.work.header.land_boundary_count - 1).top_level;
  const double front = in.ctx.lwl < bottom ? bottom : in.ctx.lwl;
  f.page_record("RWL_KYO1.PFM");
  field(f, 0, "%7.3lf", in.cd.water_unit_weight);
  field(f, 1, "%7.3lf", in.ctx.rwl - front);
  field(f, 2, "%7.3lf", intensity);
  return false;
}

}  // namespace qvt::tolmire
