#include "common/cp932.h"
#include "engines/oskavel/oskavel.h"

namespace qvt::oskavel {

using engine::ConditionData;
using engine::FigureFile;
using engine::SectionFigureState;

const char* figure_file_name(int kind) {
  static const char* const names[] = {"M_BLKDV.PZK", "M_FRKDV.PZK", "M_SEN1DV.PZK",
                                      "M_SEN2DV.PZK"};
  return names[kind & 3];
}

std::string figure_title(int kind) {
  static const char* const titles[] = {
      "《 ブ ロ ッ ク 分 割 図 》", "《 ブ ロ ッ ク 浮 力 部 分  分 割 図 》",
      "《 せ ん 断 の 検 討 (常 時)  分 割 図 》", "《 せ ん 断 の 検 討 (地 震 時)  分 割 図 》"};
  return utf8_to_cp932_lossy(titles[kind & 3]);
}

void section_extents(const ConditionData& data, SectionFigureState& st) {
  engine::section_block_extents(data, st);
}

bool section_scale(SectionFigureState& st) {
  const double width = st.max_x - st.min_x, height = st.max_y - st.min_y;
  if (!(width > 0) || !(height > 0)) return false;
  // The page room kept for the level annotations.
  const int d = (st.char_large / 2) * 16 + 150;
  const double kx = 4000 / width, ky = 2600 / height;
  st.scale = kx < ky ? kx : ky;
  const int margin = (5700 - engine::page_int(width * st.scale) - d) / 2;
  st.origin_y = 6100 - margin - d;
  st.origin_x = 3600;
  return true;
}

void draw_section_outline(FigureFile& file, const ConditionData& data,
                          const SectionFigureState& st, int kind) {
  engine::draw_block_outlines(file, data, st);
  if (kind == SHEAR_NORMAL || kind == SHEAR_SEISMIC) draw_spread_line(file, data, st, kind);
}

void write_block_figure(const ConditionData& data, engine::PrintFile& report, int kind) {
  const char* name = figure_file_name(kind);
  report.figure_page_record(name);

  FigureFile file;
  engine::open_or_stop(file, name);
  engine::write_section_figure_head(file, name, figure_title(kind));

  SectionFigureState st;
  st.char_large = 70;
  st.char_small = 50;
  section_extents(data, st);
  if (!section_scale(st)) engine::stop_engine(engine::empty_section_stop());
  engine::find_block_level_range(data, st);

  draw_water_levels(file, data, st, kind);
  draw_section_outline(file, data, st, kind);
  if (kind == BLOCK_DIVISION || kind == BUOYANCY_DIVISION) {
    draw_block_division(file, data, st, kind);
  } else {
    draw_shear_division(file, data, st, kind);
  }
  draw_dimension_lines(file, data, st);
  draw_layer_levels(file, data, st, kind);
  engine::close_or_stop(file);
}

engine::Status run_block_division_drawing() {
  ConditionData& d = engine::condition_data();
  if (engine::Status s = engine::read_conditions_file(d); !s.ok()) return s;
  if (engine::Status s = engine::read_block_file(d); !s.ok()) return s;
  engine::apply_start_stamp(d, engine::engine_start_time());

  // A section without extent has nothing to draw: say so before any file is replaced.
  SectionFigureState probe;
  section_extents(d, probe);
  if (!section_scale(probe)) return engine::empty_section_stop();

  engine::PrintFile report;
  engine::open_or_stop(report, kBlockDivisionReport);
  report.title_line(utf8_to_cp932_lossy("ブロック分割図、浮力部分分割図"));
  engine::write_report_header(report, engine::stamp_of(d), d.project_title.view());
  write_block_figure(d, report, BLOCK_DIVISION);
  write_block_figure(d, report, BUOYANCY_DIVISION);
  write_block_figure(d, report, SHEAR_NORMAL);
  if (d.seismic_check != 0) write_block_figure(d, report, SHEAR_SEISMIC);
  engine::close_or_stop(report);
  return engine::Status::success();
}

}  // namespace qvt::oskavel
