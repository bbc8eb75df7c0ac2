#include "engines/zenobar/load_tables.h"

#include "common/cp932.h"
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"
#include "engines/zenobar/sections.h"
#include "engines/zenobar/top_loads.h"

#include <cmath>
#include <string>

namespace qvt::zenobar {

using engine::condition_data;

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

// Border lines of a data row of these tables: the row's own, then the closing line.
constexpr const char* kPlainBorder = "1010,1010,1010,@,1010,1010";
constexpr const char* kPlainClose = "1110,1110,1110,@,1110,1110";
constexpr const char* kWallBorder = "1010,1010,1000,0010,1010,1010";
constexpr const char* kWallClose = "1110,1110,1110,1110,1110,1110";
constexpr const char* kHorizontalBorder = "1010,1010,1010,1010,1010,1010,1010";
constexpr const char* kHorizontalClose = "1110,1110,1110,1110,1110,1110,1110";

// Adds a rounded term to a sum of rounded terms.
void add(double& sum, double term) { sum = round3(sum + term); }

const char* block_name(int slot) { return condition_data().wall_blocks[slot].head.name.c_str(); }

int block_type(int slot) { return condition_data().wall_blocks[slot].block_type; }

// The length of a whole-block value; a length that is not positive cannot give a value per
// metre and stops the engine.
double checked_length(int slot) {
  const double length = block_length_value(slot);
  if (!(length > 0) || !std::isfinite(length))
    engine::stop_engine(engine::fatal_error(cp932_printf(
        "ブロック%d《%s》の長さ (%g m) が 0 以下のため、1 m あたりの重量を計算できません。",
        slot + 1, block_name(slot), length)));
  return length;
}

// One load row: the force per metre, its arms and moments about the toe.
struct LoadRow {
  double w = 0;  // W (or U), kN/m
  double x = 0;  // arm about toe_x
  double m = 0;  // W·x
  double y = 0;  // arm about toe_y
  double wh = 0;  // kh·W
  double mwh = 0;  // Wh·y
};

LoadRow load_row(double w, double centroid_x, double centroid_y) {
  const auto& cd = condition_data();
  LoadRow r;
  r.w = w;
  r.x = round3(centroid_x - cd.toe_x);
  r.y = round3(centroid_y - cd.toe_y);
  r.m = round3(r.w * r.x);
  r.wh = round3(r.w * cd.seismic_coef_inertia);
  r.mwh = round3(r.wh * r.y);
  return r;
}

LoadRow improved_row(const WallSplitResult& s) {
  return load_row(s.improved_weight, s.improved_centroid_x, s.improved_centroid_y);
}
LoadRow unimproved_row(const WallSplitResult& s) {
  return load_row(s.unimproved_weight, s.unimproved_centroid_x, s.unimproved_centroid_y);
}

void write_table(engine::PrintFile& report, const engine::TableTemplate& table,
                 const std::string& name) {
  report.block_record(name);
  engine::PrintFile file;
  open_output(file, name);
  table.write_to(file);
  close_output(file);
}

void add_vertical_headers(engine::TableTemplate& t) {
  t.add_row("3,3,3,@,3,3", cp("No,名 称,重 量  W$SV$Z,@,作用長さ,M$SWV$Z"),
            "1011,1011,1011,@,1011,1011");
  t.add_row("3,3,3,@,3,3", cp(",,(KN/m),@,x(m),(kN･m/m)"), "1110,1110,1110,@,1110,1110");
}

// The rows of one block in the vertical and buoyancy tables; adds them to the sums.
void add_vertical_block_rows(engine::TableTemplate& t, int no, int slot, int kind,
                             bool divide_whole, double& sum, double& moment_sum,
                             double& unimproved_sum, double& unimproved_moment_sum) {
  const BlockResult& r = run_data.block_results[slot][kind];
  if (is_wall_block(slot)) {
    const WallSplitResult& s = run_data.wall_split_results[slot][kind];
    const LoadRow a = improved_row(s);
    const LoadRow b = unimproved_row(s);
    t.add_row("3,2,2,1,1,1",
              cp932_printf("%2d, %-16s, 改 良 体,%8.3f ,%8.3f ,%12.3f ", no, block_name(slot),
                           a.w, a.x, a.m),
              kWallBorder, kWallClose);
    t.add_row("3,2,2,1,1,1", cp932_printf(",, 未改良体,%8.3f ,%8.3f ,%12.3f ", b.w, b.x, b.m),
              kWallBorder, kWallClose);
    add(sum, a.w);
    add(moment_sum, a.m);
    add(sum, b.w);
    add(moment_sum, b.m);
    add(unimproved_sum, b.w);
    add(unimproved_moment_sum, b.m);
  } else if (divide_whole) {
    const double length = checked_length(slot);
    const LoadRow a = load_row(round3(r.weight / length), r.centroid_x, r.centroid_y);
    t.add_row("3,2,2,@,1,1",
              cp932_printf("%2d, %-16s, %10.3f / %6.3f %8.3f,@,%8.3f ,%12.3f ", no,
                           block_name(slot), r.weight, length, a.w, a.x, a.m),
              kPlainBorder, kPlainClose);
    add(sum, a.w);
    add(moment_sum, a.m);
  } else {
    const LoadRow a = load_row(r.weight, r.centroid_x, r.centroid_y);
    t.add_row("3,2,1,@,1,1",
              cp932_printf("%2d, %-16s,%8.3f ,@,%8.3f ,%12.3f ", no, block_name(slot), a.w, a.x,
                           a.m),
              kPlainBorder, kPlainClose);
    add(sum, a.w);
    add(moment_sum, a.m);
  }
}

}  // namespace

void write_vertical_load_table(engine::PrintFile& report) {
  const auto& cd = condition_data();
  const std::string name = cd.current_case == CASE_SEISMIC ? "M_BLKS_A.PFM" : "M_BLKV_A.PFM";
  WeightTotals& totals = run_data.weight_totals;
  UnimprovedTotals& unimproved = run_data.unimproved_totals;
  totals.vertical_load() = 0;
  totals.vertical_moment() = 0;

  engine::TableTemplate t(name, {4, 18, 12, 18, 10, 14});
  add_vertical_headers(t);
  int no = 0;
  for (int slot : blocks_in_label_order())
    add_vertical_block_rows(t, ++no, slot, KIND_WEIGHT, is_whole_block_type(block_type(slot)),
                            totals.vertical_load(), totals.vertical_moment(), unimproved.weight,
                            unimproved.weight_moment);
  if (cd.top_surcharge_ignored == 0) {
    const std::vector<TopLoad>& loads = top_surcharge_rows();
    for (std::size_t j = 0; j < loads.size(); ++j) {
      const TopLoad& q = loads[j];
      const int number = static_cast<int>(j) + 1;
      const std::string text =
          j == 0 ? cp932_printf("%2d, 上載荷重%-2d,%8.3f ,@,%8.3f ,%12.3f ", ++no, number, q.w,
                                q.x, q.m)
                 : cp932_printf(", 上載荷重%-2d,%8.3f ,@,%8.3f ,%12.3f ", number, q.w, q.x, q.m);
      t.add_row("3,2,1,@,1,1", text, kPlainBorder, kPlainClose);
      add(totals.vertical_load(), q.w);
      add(totals.vertical_moment(), q.m);
    }
  }
  t.add_row("3,@,1,@,3,1",
            cp932_printf("計,@,%10.3f ,@,,%12.3f ,", totals.vertical_load(),
                         totals.vertical_moment()),
            "1111,@,1111,@,1111,1111");
  write_table(report, t, name);
}

void write_horizontal_load_table(engine::PrintFile& report) {
  const auto& cd = condition_data();
  const std::string name = "M_BLKH_A.PFM";
  const double kh = cd.seismic_coef_inertia;
  WeightTotals& totals = run_data.weight_totals;
  UnimprovedTotals& unimproved = run_data.unimproved_totals;
  totals.vertical_load() = 0;
  totals.vertical_moment() = 0;
  totals.inertia_load() = 0;
  totals.inertia_moment() = 0;
  auto add_part = [&](const LoadRow& r) {
    add(totals.inertia_load(), r.wh);
    add(totals.vertical_load(), r.w);
    add(totals.inertia_moment(), r.mwh);
    add(totals.vertical_moment(), r.m);
  };

  engine::TableTemplate t(name, {4, 18, 12, 8, 12, 10, 14});
  t.add_row("3,3,3,3,3,3,3", cp("No,名 称,W (kN/m),Kh,Wh (kN/m),y (m),Mwh(kN・m/m)"),
            "1111,1111,1111,1111,1111,1111,1111");
  int no = 0;
  for (int slot : blocks_in_label_order()) {
    ++no;
    const BlockResult& r = run_data.block_results[slot][KIND_WEIGHT];
    if (is_wall_block(slot)) {
      const WallSplitResult& s = run_data.wall_split_results[slot][KIND_WEIGHT];
      const LoadRow a = improved_row(s);
      const LoadRow b = unimproved_row(s);
      t.add_row("1,2,1,1,1,1,1", cp932_printf("%2d , %-16s,,,,,", no, block_name(slot)),
                kHorizontalBorder, kHorizontalClose);
      t.add_row("1,1,1,1,1,1,1",
                cp932_printf(",改良体 ,%10.3f ,%5.3f ,%8.3f ,%8.3f ,%12.3f ,", a.w, kh, a.wh,
                             a.y, a.mwh),
                kHorizontalBorder, kHorizontalClose);
      t.add_row("1,1,1,1,1,1,1",
                cp932_printf(",未改良体 ,%10.3f ,%5.3f ,%8.3f ,%8.3f ,%12.3f ,", b.w, kh, b.wh,
                             b.y, b.mwh),
                kHorizontalBorder, kHorizontalClose);
      add_part(a);
      add_part(b);
      add(unimproved.inertia, b.wh);
      add(unimproved.inertia_moment, b.mwh);
      continue;
    }
    const double w = is_whole_block_type(block_type(slot))
                         ? round3(r.weight / checked_length(slot))
                         : r.weight;
    const LoadRow a = load_row(w, r.centroid_x, r.centroid_y);
    t.add_row("1,2,1,1,1,1,1",
              cp932_printf("%2d , %-16s,%10.3f ,%5.3f ,%8.3f ,%8.3f ,%12.3f ", no,
                           block_name(slot), a.w, kh, a.wh, a.y, a.mwh),
              kHorizontalBorder, kHorizontalClose);
    add_part(a);
  }
  if (cd.top_surcharge_ignored == 0) {
    const std::vector<TopLoad>& loads = top_surcharge_rows();
    for (std::size_t j = 0; j < loads.size(); ++j) {
      const TopLoad& q = loads[j];
      const int number = static_cast<int>(j) + 1;
      const std::string text =
          j == 0 ? cp932_printf("%2d , 上載荷重%-2d,%10.3f ,%5.3f ,%8.3f ,%8.3f ,%12.3f ", ++no,
                                number, q.w, kh, q.h, q.y, q.mh)
                 : cp932_printf(", 上載荷重%-2d,%10.3f ,%5.3f ,%8.3f , %8.3f ,%12.3f ", number,
                                q.w, kh, q.h, q.y, q.mh);
      t.add_row("1,2,1,1,1,1,1", text, kHorizontalBorder, kHorizontalClose);
      add(totals.inertia_load(), q.h);
      add(totals.vertical_load(), q.w);
      add(totals.inertia_moment(), q.mh);
      add(totals.vertical_moment(), q.m);
    }
  }
  t.add_row("3,@,1,@,1,1,1",
            cp932_printf("計,@,,@,%8.3f ,,%12.3f ", totals.inertia_load(),
                         totals.inertia_moment()),
            "1111,@,1111,@,1111,1111,1111");
  write_table(report, t, name);
}

void write_buoyancy_load_table(engine::PrintFile& report) {
  const auto& cd = condition_data();
  const std::string name = "M_FRKV_A.PFM";
  WeightTotals& totals = run_data.weight_totals;
  UnimprovedTotals& unimproved = run_data.unimproved_totals;
  totals.buoyancy_load() = 0;
  totals.buoyancy_moment() = 0;

  if (cd.water_levels[2] <= cd.toe_y) {
    // The number line announces four text lines: two empty ones, the notice and a closing
    // empty one.
    report.block_record(name);
    engine::PrintFile file;
    open_output(file, name);
    const std::string lines[] = {"", "", cp("   この検討面で浮力は作用しない"), ""};
    engine::write_text_template(file, name, 4, lines);
    close_output(file);
    return;
  }

  engine::TableTemplate t(name, {4, 18, 12, 18, 10, 14});
  add_vertical_headers(t);
  int no = 0;
  for (int slot : blocks_in_label_order()) {
    if (!(std::fabs(run_data.block_results[slot][KIND_BUOYANCY].weight) >= 0.0001)) continue;
    const int type = block_type(slot);
    const bool divide_whole =
        type == engine::BLOCK_FOOTING_CAISSON || type == engine::BLOCK_COUNTERFORT;
    add_vertical_block_rows(t, ++no, slot, KIND_BUOYANCY, divide_whole, totals.buoyancy_load(),
                            totals.buoyancy_moment(), unimproved.buoyancy,
                            unimproved.buoyancy_moment);
  }
  t.add_row("3,@,1,@,3,1",
            cp932_printf("計,@,%10.3f ,@,,%12.3f ,", totals.buoyancy_load(),
                         totals.buoyancy_moment()),
            "1111,@,1111,@,1111,1111");
  write_table(report, t, name);
}

void write_vertical_load_page(engine::PrintFile& report) {
  report.page_record("QVT_BLV.PFM");
  write_vertical_load_table(report);
}

void write_horizontal_load_page(engine::PrintFile& report) {
  report.block_record("QVT_BLH.PFM");
  write_horizontal_load_table(report);
}

void write_buoyancy_load_page(engine::PrintFile& report) {
  report.page_record("QVT_FRV.PFM");
  write_buoyancy_load_table(report);
}

}  // namespace qvt::zenobar
