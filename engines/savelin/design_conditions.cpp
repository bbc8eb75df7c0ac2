#include "common/cp932.h"
#include "engines/savelin/savelin.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

namespace qvt::savelin {
namespace {

using engine::ConditionData;
using engine::PrintFile;

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* fmt, ...) {
  std::va_list args;
  va_start(args, fmt);
  std::string text = engine::format_text_v(fmt, args);
  va_end(args);
  if (text.size() > 127) text.resize(127);  // as much as the line buffer holds
  return text;
}

// The one value format of the report.
void value(PrintFile& f, int field, double v) { f.field_record(field, format("%8.3lf", v)); }

void block(PrintFile& f, const char* name) { f.block_record(name); }

// Loads of a range count when either case carries one (an exact comparison with zero).
bool loaded(double normal, double seismic) { return normal != 0.0 || seismic != 0.0; }

// One soil layer: its top level always with its sign.
void layer_record(PrintFile& f, const engine::SoilLayer& l) {
  if (l.soil_type == 0) {
    block(f, "SJKN_022.PFM");
    f.field_record(0, format("%+8.3lf", l.top_level));
    value(f, 1, l.unit_weight_air);
    value(f, 2, l.unit_weight_submerged);
    value(f, 3, l.phi);
  } else {
    block(f, "SJKN_021.PFM");
    f.field_record(0, format("%+8.3lf", l.top_level));
    value(f, 1, l.unit_weight_air);
    value(f, 2, l.unit_weight_submerged);
    value(f, 3, l.cohesion);
    value(f, 4, l.cohesion_gradient);
  }
}

void layers(PrintFile& f, const ConditionData& d, int side) {
  const int count = std::clamp(d.soil_layer_counts[side], 0, engine::SOIL_LAYER_RECORDS);
  for (int i = 0; i < count; ++i) layer_record(f, d.soil_layers[side][i]);
}

}  // namespace

void write_design_conditions(const ConditionData& d, PrintFile& f) {
  f.title_line(utf8_to_cp932_lossy("設計条件"));
  engine::write_report_header(f, engine::stamp_of(d), d.project_title.view());

  f.page_record("SJKN_000.PFM");
  for (int k = 0; k < 3; ++k) value(f, k, d.water_levels[k]);
  value(f, 3, d.water_unit_weight);

  if (d.seismic_check != 0) {
    if (d.seismic_coef_mode == 0) {
      block(f, "SJKN_010.PFM");
      value(f, 0, d.seismic_coef_earth);
      value(f, 1, d.seismic_coef_inertia);
    } else {
      block(f, "SJKN_011.PFM");
      value(f, 0, d.regional_coef[0]);
      value(f, 1, d.ground_type_factor[0]);
      value(f, 2, d.importance_factor[0]);
      value(f, 3, d.seismic_coef_earth);
      value(f, 4, d.regional_coef[1]);
      value(f, 5, d.ground_type_factor[1]);
      value(f, 6, d.importance_factor[1]);
      value(f, 7, d.seismic_coef_inertia);
    }
  }

  const int pattern = d.improvement_pattern;
  const bool wall = !(pattern == PATTERN_BLOCK || pattern == PATTERN_TANGENT_CIRCLES ||
                      pattern == PATTERN_LATTICE);
  block(f, wall ? "SJKN_051.PFM" : "SJKN_050.PFM");
  for (int check = 0; check < (wall ? 4 : 3); ++check)
    for (int c = 0; c < 2; ++c) value(f, check * 2 + c, d.safety_factors[check][c]);

  if (pattern == PATTERN_TANGENT_CIRCLES) {
    block(f, "SJKN_053.PFM");
    value(f, 8, d.allowable_stresses[2][0]);
    value(f, 9, d.allowable_stresses[2][1]);
    value(f, 10, d.allowable_stresses[2][0] * 0.5 * d.improvement_ratio * 0.01);
    value(f, 11, d.allowable_stresses[2][1] * 0.5 * d.improvement_ratio * 0.01);
  } else {
    block(f, "SJKN_052.PFM");
    value(f, 8, d.allowable_stresses[0][0]);
    value(f, 9, d.allowable_stresses[0][1]);
    value(f, 10, d.allowable_stresses[1][0]);
    value(f, 11, d.allowable_stresses[1][1]);
  }

  // 0 before any surcharge heading, 1 after the top-surcharge heading, 2 after the heading of
  // the surcharge ranges of an arbitrary ground surface.
  int heading = 0;
  const engine::TopSurcharges& top = d.top_surcharges;
  for (int k = 0; k < engine::TOP_SURCHARGES_SAVED; ++k) {
    if (!loaded(top.load[k][0], top.load[k][1])) continue;
    if (heading == 0) {
      block(f, "SJKN_060.PFM");
      heading = 1;
    }
    block(f, "SJKN_061.PFM");
    value(f, 0, top.x_min[k]);
    value(f, 1, top.x_max[k]);
    value(f, 2, top.load[k][0]);
    value(f, 3, top.load[k][1]);
  }

  if (d.surface_shape == 0) {
    if (loaded(d.surface_surcharge[0], d.surface_surcharge[1])) {
      block(f, heading == 1 ? "SJKN_070.PFM" : "SJKN_072.PFM");
      block(f, "SJKN_071.PFM");
      value(f, 0, d.surface_surcharge[0]);
      value(f, 1, d.surface_surcharge[1]);
    }
  } else {
    for (int k = 0; k < engine::MAX_SURCHARGE_RANGES; ++k) {
      const engine::SurchargeRange& r = d.surcharge_ranges[k];
      if (!loaded(r.load[0], r.load[1])) continue;
      if (heading == 0 || heading == 1) {
        block(f, heading == 0 ? "SJKN_081.PFM" : "SJKN_080.PFM");
        heading = 2;
      }
      block(f, "SJKN_061.PFM");
      value(f, 0, r.x_min);
      value(f, 1, r.x_max);
      value(f, 2, r.load[0]);
      value(f, 3, r.load[1]);
    }
  }

  if (loaded(d.seabed_surcharge[0], d.seabed_surcharge[1])) {
    block(f, "SJKN_073.PFM");
    block(f, "SJKN_071.PFM");
    value(f, 0, d.seabed_surcharge[0]);
    value(f, 1, d.seabed_surcharge[1]);
  }

  block(f, "SJKN_020.PFM");
  layers(f, d, engine::SIDE_ACTIVE);
  block(f, "SJKN_030.PFM");
  layers(f, d, engine::SIDE_PASSIVE);

  const engine::BearingLayer& b = d.bearing_layer;
  if (b.soil_type == 0) {
    block(f, "SJKN_040.PFM");
    value(f, 0, b.unit_weight);
    value(f, 1, b.shape_factor);
    f.field_record(2, format("%8d", b.mean_n));
    value(f, 3, b.phi);
    value(f, 4, b.bearing_nr);
    value(f, 5, b.bearing_nq);
  } else {
    block(f, "SJKN_042.PFM");
    value(f, 0, b.unit_weight);
    value(f, 1, b.cohesion);
    value(f, 2, b.cohesion_gradient);
  }
}

engine::Status run_design_conditions_report() {
  ConditionData& d = engine::condition_data();
  if (engine::Status s = engine::read_conditions_file(d); !s.ok()) return s;
  if (engine::Status s = engine::read_block_file(d); !s.ok()) return s;
  engine::apply_start_stamp(d, engine::engine_start_time());

  PrintFile report;
  engine::open_or_stop(report, kDesignConditionsReport);
  write_design_conditions(d, report);
  engine::close_or_stop(report);

  write_block_conditions(d);
  write_condition_listing(d);
  write_input_checklist(d);
  return engine::Status::success();
}

}  // namespace qvt::savelin
