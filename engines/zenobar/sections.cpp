#include "engines/zenobar/sections.h"

#include "engines/common/condition_data.h"
#include "engines/common/engine_message.h"
#include "engines/common/print_data.h"
#include "engines/zenobar/caisson_tables.h"
#include "engines/zenobar/counterfort_tables.h"
#include "engines/zenobar/shape_tables.h"

#include <string>

namespace qvt::zenobar {

using engine::condition_data;

namespace {

void write_polygon_block(int slot, engine::PrintFile& report, int kind) {
  const auto& cd = condition_data();
  const auto& head = cd.wall_blocks[slot].head;
  const double level = cd.water_levels[2];
  const std::vector<OutlinePoint> outline = polygon_outline(slot);
  std::vector<BlockPiece> pieces;
  if (kind == KIND_WEIGHT) {
    if (head.unit_weights[0] == head.unit_weights[2]) {
      append_divided_pieces(outline, 0, pieces);
    } else {
      append_divided_pieces(cut_outline_at_level(outline, level, true), 0, pieces);
      append_divided_pieces(cut_outline_at_level(outline, level, false), 1, pieces);
    }
  } else {
    append_divided_pieces(cut_outline_at_level(outline, level, false), 0, pieces);
  }
  write_polygon_piece_tables(slot, pieces, kind, report);
}

void dispatch_block(int slot, engine::PrintFile& report, int kind) {
  const auto& cd = condition_data();
  switch (cd.wall_blocks[slot].block_type) {
    case engine::BLOCK_POLYGON:
    case engine::BLOCK_SOIL_POLYGON:
      write_polygon_block(slot, report, kind);
      break;
    case engine::BLOCK_RECTANGLE:
      write_rect_block_tables(slot, report, kind);
      break;
    case engine::BLOCK_SOIL_RECTANGLE:
      if (cd.improvement_pattern == PATTERN_WALL)
        write_wall_body_ratio_tables(slot, report, kind);
      else if (cd.improvement_pattern == PATTERN_LATTICE)
        write_lattice_body_ratio_tables(slot, report, kind);
      else
        write_rect_block_tables(slot, report, kind);
      break;
    case engine::BLOCK_QUAD:
      write_quad_block_tables(slot, report, kind);
      break;
    case engine::BLOCK_CAISSON:
      if (kind == KIND_WEIGHT)
        write_caisson_weight_tables(slot, report);
      else
        write_caisson_buoyancy_tables(slot, report);
      break;
    case engine::BLOCK_FOOTING_CAISSON:
      write_footing_caisson_tables(slot, report, kind);
      break;
    case engine::BLOCK_COUNTERFORT:
      write_counterfort_block_tables(slot, report, kind);
      break;
    case engine::BLOCK_LIBRARY:
      write_shape_block_tables(slot, report, kind);
      break;
    default:
      break;
  }
}

void write_section(engine::PrintFile& report, int kind) {
  for (int slot : blocks_in_label_order()) {
    dispatch_block(slot, report, kind);
    if (kind == KIND_WEIGHT &&
        condition_data().wall_blocks[slot].block_type == engine::BLOCK_POLYGON) {
      double& load = run_data.body_totals.wall_top_load_normal;
      load = round3(load + run_data.block_results[slot][KIND_WEIGHT].weight);
    }
  }
  report.block_record("QVT_BXY.PFM");
}

}  // namespace

void write_block_weights(engine::PrintFile& report) {
  report.block_record("QVT_BLK.PFM");
  write_section(report, KIND_WEIGHT);
}

void write_block_buoyancy(engine::PrintFile& report) {
  report.page_record("QVT_FRK.PFM");
  write_section(report, KIND_BUOYANCY);
}

}  // namespace qvt::zenobar
