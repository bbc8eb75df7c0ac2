// Piece tables of the polygon blocks (types 0 and 6), whose outline the weight and buoyancy
// sections have cut at the residual water level and divided into triangles and rectangles, and
// of the four-corner block (type 4), a parallelogram given by its weight and dimensions.
#include "engines/zenobar/block_table_rows.h"
#include "engines/zenobar/zenobar_data.h"

#include "common/cp932.h"
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"

#include <cstdio>
#include <string>

namespace qvt::zenobar {

using engine::condition_data;

namespace {

constexpr int RWL = 2;
constexpr int TRIANGLE = 3;

std::string no_buoyancy_name(int slot) {
  char name[32];
  std::snprintf(name, sizeof name, "FRKNI_%02d.PFM", slot);
  return name;
}

}  // namespace

int write_polygon_piece_tables(int slot, std::vector<BlockPiece>& pieces, int kind,
                               engine::PrintFile& report) {
  const auto& head = condition_data().wall_blocks[slot].head;
  BlockResult& result = run_data.block_results[slot][kind];

  if (kind == KIND_BUOYANCY && pieces.empty()) {
    write_no_buoyancy_template(report, no_buoyancy_name(slot), head.name.view(), slot);
    result = BlockResult{};
    return -1;
  }

  const double* uw = head.unit_weights;
  const double buoyancy_gamma = round3(uw[2] - uw[1]);
  result.weight = 0;
  result.moment_x = 0;
  result.moment_y = 0;

  write_block_table_heading(report, 2 * static_cast<int>(pieces.size()) + 5, head.name.view(),
                            unit_weight_label(kind));
  const std::string triangle_mark = utf8_to_cp932_lossy("1/2×");
  int number = 0;
  for (BlockPiece& piece : pieces) {
    const double gamma = kind == KIND_BUOYANCY ? buoyancy_gamma : round3(uw[piece.flag == 0 ? 0 : 2]);
    piece.dim1 = round3(piece.dim1);
    piece.dim2 = round3(piece.dim2);
    const double a = piece.dim1;
    const double b = piece.dim2;
    const bool triangle = piece.code == TRIANGLE;
    const double w = round3(a * b * (triangle ? 0.5 : 1.0) * gamma);
    const double x = round3(piece.centroid_x);
    const double y = round3(piece.centroid_y);
    const double mx = round3(w * x);
    const double my = round3(w * y);
    result.weight = round3(result.weight + w);
    result.moment_x = round3(result.moment_x + mx);
    result.moment_y = round3(result.moment_y + my);

    report.block_record("QVT_BK01.PFM");
    report_printf(report, "00  %2d \n", ++number);
    report_printf(report, "01   %s\n", triangle ? triangle_mark.c_str() : "     ");
    report_printf(report, "02  %6.3f\n", a);
    report_printf(report, "03  %6.3f\n", b);
    report_printf(report, "04  %6.3f\n", gamma);
    report_printf(report, "05  %9.3f \n", w);
    report_printf(report, "06  %8.3f \n", x);
    report_printf(report, "07  %8.3f \n", y);
    report_printf(report, "08  %10.3f \n", mx);
    report_printf(report, "09  %12.3f \n", my);
  }
  result.centroid_x = centroid_of(result.moment_x, result.weight);
  result.centroid_y = centroid_of(result.moment_y, result.weight);

  write_block_total_and_end(report, result, 12);
  return 0;
}

int write_quad_block_tables(int slot, engine::PrintFile& report, int kind) {
  auto& cd = condition_data();
  auto& block = cd.wall_blocks[slot];
  auto& head = block.head;
  const double* values = block.quad.values;  // weight, width, height, length of the unit

  // The block is given by its weight and its dimensions; its unit weights follow from them,
  // and the buoyancy is that of the water it displaces over its length.
  const double volume = values[1] * values[2] * values[3];
  if (volume == 0.0) {
    engine::stop_engine(engine::fatal_error(cp932_printf(
        "4点ブロック《%s》の体積 (幅×高さ×長さ) が 0 です。\n"
        "単位体積重量を計算できません。",
        head.name.c_str())));
  }
  head.unit_weights[0] = round3(values[0] / volume);
  head.unit_weights[1] = round3((values[0] - cd.water_unit_weight * head.length) / volume);

  const double level = cd.water_levels[RWL];
  const double bottom = head.ref_y;
  const double top = round3(head.ref_y + values[2]);
  const bool wholly_below = level > top;
  const bool wholly_above = level <= bottom;

  BlockResult& result = run_data.block_results[slot][kind];
  if (kind == KIND_BUOYANCY && wholly_above) {
    write_no_buoyancy_template(report, no_buoyancy_name(slot), head.name.view(), slot);
    result = BlockResult{};
    return -1;
  }

  const double width = round3(values[1]);
  double height = round3(values[2]);
  double gamma = head.unit_weights[0];
  if (kind == KIND_BUOYANCY) {
    gamma = round3(head.unit_weights[0] - head.unit_weights[1]);
    if (!wholly_below) height = round3(level - head.ref_y);
  }
  const double w = round3(width * height * gamma);
  // The centroid of the whole block stands also for the part below a cut.
  const double x = round3(head.mark_x);
  const double y = round3(head.mark_y);
  const double mx = round3(w * x);
  const double my = round3(w * y);
  result.weight = w;
  result.moment_x = mx;
  result.moment_y = my;
  result.centroid_x = x;
  result.centroid_y = y;

  write_block_table_heading(report, 7, head.name.view(), unit_weight_label(kind));
  report.block_record("QVT_BK01.PFM");
  report_printf(report, "00  %2d \n", 1);
  report_printf(report, "02        %6.3f\n", width);
  report_printf(report, "03  %6.3f\n", height);
  report_printf(report, "04  %6.3f\n", gamma);
  report_printf(report, "05  %9.3f \n", w);
  report_printf(report, "06  %8.3f \n", x);
  report_printf(report, "07  %8.3f \n", y);
  report_printf(report, "08  %10.3f \n", mx);
  report_printf(report, "09  %10.3f \n", my);

  write_block_total_and_end(report, result, 10);
  return 0;
}

}  // namespace qvt::zenobar
