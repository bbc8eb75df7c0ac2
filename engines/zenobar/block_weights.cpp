#include "engines/zenobar/zenobar.h"

#include "common/cp932.h"
#include "engines/common/condition_data.h"
#include "engines/common/condition_readers.h"
#include "engines/common/block_geometry_check.h"
#include "engines/common/block_vertices.h"
#include "engines/common/print_data.h"
#include "engines/common/wall_top.h"
#include "engines/zenobar/load_tables.h"
#include "engines/zenobar/result_chain.h"
#include "engines/zenobar/sections.h"
#include "engines/zenobar/top_loads.h"
#include "engines/zenobar/zenobar_data.h"

#include <cmath>
#include <string>

namespace qvt::zenobar {

using engine::condition_data;

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

// The first item that is not a finite number, or an empty text.
class FiniteCheck {
 public:
  void operator()(const char* item, double v) {
    if (first_.empty() && !std::isfinite(v)) first_ = item;
  }
  void block(int slot, const char* item, double v) {
    if (first_.empty() && !std::isfinite(v))
      first_ = cp932_printf("ブロック%d の %s", slot + 1, item);
  }
  const std::string& first() const { return first_; }

 private:
  std::string first_;
};

void write_totals_block(engine::PrintFile& report) {
  WeightTotals& t = run_data.weight_totals;
  report.block_record("HEK_JRYO.PFM");
  report_printf(report, "00  %12.3f\n", t.vertical_load());
  report_printf(report, "01  %12.3f\n", t.buoyancy_load());
  report_printf(report, "02  %12.3f\n", round3(t.vertical_load() - t.buoyancy_load()));
}

// The effective weight of the case and its moment, in all, without and with only the
// unimproved soil between the walls.
void summarize_case(int case_index) {
  WeightTotals& t = run_data.weight_totals;
  const UnimprovedTotals& n = run_data.unimproved_totals;
  ForceSummary& f = run_data.force_summaries[case_index];
  const double w = t.vertical_load(), u = t.buoyancy_load();
  const double mw = t.vertical_moment(), mu = t.buoyancy_moment();
  f.slot[FS_EFFECTIVE_WEIGHT] = w - u;
  f.slot[FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED] = (w - n.weight) - (u - n.buoyancy);
  f.slot[FS_EFFECTIVE_WEIGHT_UNIMPROVED] = n.weight - n.buoyancy;
  f.slot[FS_EFFECTIVE_WEIGHT_MOMENT] = mw - mu;
  f.slot[FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED_MOMENT] =
      (mw - n.weight_moment) - (mu - n.buoyancy_moment);
  f.slot[FS_EFFECTIVE_WEIGHT_UNIMPROVED_MOMENT] = n.weight_moment - n.buoyancy_moment;
}

// The wall-top surcharge loads of the case being computed, for the load tables. They are
// printed as they stand (already rounded), so each goes through the engine's finite check: one
// that is not a finite number (a seismic coefficient of 1e308) is counted, the run refuses to
// hand its results on, and no table shows "inf".
void compute_case_top_loads() {
  engine::WallTopState& state = engine::wall_top_state();
  std::vector<TopLoad> rows;
  if (engine::compute_top_surcharge_loads(condition_data(), state, engine::show_notice) == 0) {
    const engine::TopSurchargeLoads& l = state.top_surcharge_loads;
    for (int i = 0; i < l.count; ++i)
      rows.push_back({finite_value(l.w[i]), finite_value(l.x_arm[i]), finite_value(l.m[i]),
                      finite_value(l.h[i]), finite_value(l.y_arm[i]), finite_value(l.mh[i])});
  }
  set_top_surcharge_rows(std::move(rows));
}

void run_case(int case_index) {
  auto& cd = condition_data();
  cd.current_case = case_index;
  engine::PrintFile report;
  open_output(report, case_index == CASE_SEISMIC ? "DM100BLK.PDT" : "DM000BLK.PDT");
  report.case_title_line(cp("改良地盤系重量及び浮力"), case_index);
  engine::write_report_header(report, engine::stamp_of(cd), cd.project_title.view());
  report.page_record("QVT_BWT.PFM");

  if (has_short_walls(cd.improvement_pattern)) compute_short_wall_bottom();
  if (case_index == CASE_NORMAL) run_data.body_totals.wall_top_load_normal = 0;

  compute_case_top_loads();
  double sum = 0;
  for (const TopLoad& q : top_surcharge_rows()) sum = round3(sum + q.w);
  run_data.top_surcharge_sum[case_index] = sum;

  if (case_index == CASE_NORMAL) {
    write_block_weights(report);
    write_vertical_load_page(report);
    write_block_buoyancy(report);
    write_buoyancy_load_page(report);
    write_totals_block(report);
    summarize_case(CASE_NORMAL);
  } else {
    // The blocks' weights and buoyancies of the normal case hold for the seismic case too.
    run_data.unimproved_totals.weight = 0;
    run_data.unimproved_totals.weight_moment = 0;
    report.block_record("QVT_BLV.PFM");
    write_vertical_load_table(report);
    write_totals_block(report);
    write_horizontal_load_page(report);
    summarize_case(CASE_SEISMIC);
    WeightTotals& t = run_data.weight_totals;
    const UnimprovedTotals& n = run_data.unimproved_totals;
    ForceSummary& f = run_data.force_summaries[CASE_SEISMIC];
    f.slot[FS_SEISMIC_INERTIA] = t.inertia_load();
    f.slot[FS_SEISMIC_INERTIA_WITHOUT_UNIMPROVED] = t.inertia_load() - n.inertia;
    f.slot[FS_SEISMIC_INERTIA_UNIMPROVED] = n.inertia;
    f.slot[FS_SEISMIC_INERTIA_MOMENT] = t.inertia_moment();
    f.slot[FS_SEISMIC_INERTIA_WITHOUT_UNIMPROVED_MOMENT] = t.inertia_moment() - n.inertia_moment;
    f.slot[FS_SEISMIC_INERTIA_UNIMPROVED_MOMENT] = n.inertia_moment;
  }
  close_output(report);
}

}  // namespace

void compute_short_wall_bottom() {
  const auto& cd = condition_data();
  double best = -99999.999;
  for (const auto& block : cd.wall_blocks) {
    if (block.block_type != engine::BLOCK_SOIL_RECTANGLE) continue;
    if (block.head.ref_y > best) {
      best = block.head.ref_y;
      run_data.short_wall_bottom_level =
          round3(block.head.ref_y + block.polygon.vertex_y[0] - cd.body_dims.ds);
    }
  }
}

engine::Status check_block_weight_inputs() {
  const auto& cd = condition_data();
  FiniteCheck check;
  check(cp("残留水位").c_str(), cd.water_levels[2]);
  check(cp("水の単位体積重量").c_str(), cd.water_unit_weight);
  check(cp("慣性力の設計震度").c_str(), cd.seismic_coef_inertia);
  check(cp("動水圧の合力").c_str(), cd.dynamic_water_force);
  check(cp("動水圧の作用位置").c_str(), cd.dynamic_water_level);
  const auto& d = cd.body_dims;
  for (double v : {d.ds, d.ls, d.ll, d.bs, d.bl1, d.bl2, d.width})
    check(cp("改良体の寸法").c_str(), v);
  for (int k = 0; k < 3; ++k)
    for (double v : {cd.top_surcharges.x_min[k], cd.top_surcharges.x_max[k],
                     cd.top_surcharges.load[k][0], cd.top_surcharges.load[k][1]})
      check(cp("上載荷重").c_str(), v);
  for (int slot = 0; slot < BLOCK_SLOTS; ++slot) {
    const auto& b = cd.wall_blocks[slot];
    if (b.block_type < 0) continue;
    const std::string coords = cp("座標");
    const std::string unit = cp("単位体積重量");
    check.block(slot, coords.c_str(), b.head.ref_x);
    check.block(slot, coords.c_str(), b.head.ref_y);
    check.block(slot, coords.c_str(), b.head.mark_x);
    check.block(slot, coords.c_str(), b.head.mark_y);
    check.block(slot, cp("長さ").c_str(), b.head.length);
    for (int i = 0; i < 3; ++i) check.block(slot, unit.c_str(), b.head.unit_weights[i]);
    switch (b.block_type) {
      case engine::BLOCK_POLYGON:
      case engine::BLOCK_SOIL_POLYGON: {
        const int n = std::min<int>(std::max<int>(b.polygon.vertex_count, 0),
                                    engine::POLYGON_VERTICES);
        for (int i = 0; i < n; ++i) {
          check.block(slot, coords.c_str(), b.polygon.vertex_x[i]);
          check.block(slot, coords.c_str(), b.polygon.vertex_y[i]);
        }
        break;
      }
      case engine::BLOCK_RECTANGLE:
      case engine::BLOCK_SOIL_RECTANGLE:
        for (int i : {0, 10, 11, 12, 13}) {
          check.block(slot, coords.c_str(), b.polygon.vertex_x[i]);
          check.block(slot, coords.c_str(), b.polygon.vertex_y[i]);
        }
        break;
      case engine::BLOCK_QUAD:
        for (double v : b.quad.values) check.block(slot, cp("寸法").c_str(), v);
        break;
      default:
        break;
    }
    if (is_whole_block_type(b.block_type)) {
      const double length = block_length_value(slot);
      if (!(length > 0) || !std::isfinite(length))
        return engine::fatal_error(cp932_printf(
            "ブロック%d《%s》の長さが 0 以下のため、1 m あたりの重量を計算できません。",
            slot + 1, b.head.name.c_str()));
    }
  }
  if (!check.first().empty())
    return engine::fatal_error(
        check.first() + cp(" に数値でない値があります。入力データを確認してください。"));
  return engine::Status::success();
}

engine::Status run_block_weights() {
  reset_run_data();
  auto& cd = condition_data();
  if (auto s = engine::read_conditions_file(cd); !s.ok()) return s;
  if (auto s = engine::read_block_file(cd); !s.ok()) return s;
  if (auto s = engine::check_block_geometry(cd); !s.ok()) return s;
  engine::apply_start_stamp(cd, engine::engine_start_time());
  if (auto s = engine::require_toe_point(cd); !s.ok()) return s;
  engine::flag_top_surcharges(cd, engine::wall_top_state());
  if (auto s = check_block_weight_inputs(); !s.ok()) return s;

  run_case(CASE_NORMAL);
  if (cd.seismic_check != 0) run_case(CASE_SEISMIC);

  BodyTotals& body = run_data.body_totals;
  body.wall_top_load_seismic =
      round3(body.wall_top_load_normal + (cd.seismic_check != 0 ? run_data.top_surcharge_sum[1] : 0));
  body.wall_top_load_normal = round3(body.wall_top_load_normal + run_data.top_surcharge_sum[0]);

  for (ForceSummary& f : run_data.force_summaries)
    f.slot[FS_ACTIVE_SIDE_ADHESION] = f.slot[FS_PASSIVE_SIDE_ADHESION] =
        f.slot[FS_SIDE_ADHESION_MOMENT] = 0;
  if (cd.custom_options.backfill_vertical_ignored == 0) {
    write_side_adhesion(ADHESION_ACTIVE);
    write_side_adhesion(ADHESION_PASSIVE);
  }

  run_data.force_summaries[CASE_NORMAL].slot[FS_DYNAMIC_WATER_RESULTANT] = 0;
  run_data.force_summaries[CASE_NORMAL].slot[FS_DYNAMIC_WATER_MOMENT] = 0;
  run_data.force_summaries[CASE_SEISMIC].slot[FS_DYNAMIC_WATER_RESULTANT] = cd.dynamic_water_force;
  run_data.force_summaries[CASE_SEISMIC].slot[FS_DYNAMIC_WATER_MOMENT] =
      round3((cd.dynamic_water_level - cd.toe_y) * cd.dynamic_water_force);

  write_block_results();
  return engine::Status::success();
}

}  // namespace qvt::zenobar
