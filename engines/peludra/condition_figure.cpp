#include "common/cp932.h"
#include "engines/peludra/peludra.h"

#include <algorithm>

namespace qvt::peludra {

using engine::ConditionData;
using engine::FigureFile;
using engine::SectionFigureState;

const char* report_file_name(int load_case) {
  return load_case == engine::CASE_NORMAL ? "DM0000JZ.PDT" : "DM1000JZ.PDT";
}

const char* figure_file_name(int load_case) {
  return load_case == engine::CASE_NORMAL ? "JY_KJKZ.PZK" : "JS_KJKZ.PZK";
}

std::string figure_title(int load_case) {
  return utf8_to_cp932_lossy(load_case == engine::CASE_NORMAL ? "《 検 討 条 件 図  ［常  時］》"
                                                              : "《 検 討 条 件 図  ［地震時］》");
}

void condition_extents(const ConditionData& data, ConditionFigureState& st) {
  SectionFigureState& s = st.section;
  engine::section_block_extents(data, s);
  st.surface_min_x = st.surface_max_x = st.surface_min_y = st.surface_max_y = SURFACE_UNSET;
  if (data.surface_shape == 0) return;
  const int count = std::clamp(data.surface_point_count, 0, engine::MAX_SURFACE_POINTS);
  for (int i = 0; i < count; ++i) {
    const double x = data.surface_points[i].x, y = data.surface_points[i].y;
    if (x < s.min_x && (st.surface_min_x == SURFACE_UNSET || x < st.surface_min_x))
      st.surface_min_x = x;
    if (x > s.max_x && (st.surface_max_x == SURFACE_UNSET || x > st.surface_max_x))
      st.surface_max_x = x;
    if (y < s.min_y && (st.surface_min_y == SURFACE_UNSET || y < st.surface_min_y))
      st.surface_min_y = y;
    if (y > s.max_y && (st.surface_max_y == SURFACE_UNSET || y > st.surface_max_y))
      st.surface_max_y = y;
  }
}

bool condition_scale(ConditionFigureState& st) {
  SectionFigureState& s = st.section;
  if (s.max_x < s.min_x) return false;  // no block: the mapping has no reference point
  const bool wide = st.surface_max_x != SURFACE_UNSET;
  const double x_max = wide ? st.surface_max_x : s.max_x;
  const double x_min = st.surface_min_x != SURFACE_UNSET ? st.surface_min_x : s.min_x;
  const double y_max = st.surface_max_y != SURFACE_UNSET ? st.surface_max_y : s.max_y;
  const double y_min = st.surface_min_y != SURFACE_UNSET ? st.surface_min_y : s.min_y;
  const double dx = x_max - x_min, dy = y_max - y_min;
  if (!(dx > 0) || !(dy > 0)) return false;
  const double length_x = wide ? 4100 : 2500;
  s.scale = std::min(length_x / dx, 3000 / dy);
  s.origin_y = engine::page_int(dx * 0.5 * s.scale + 3250);
  s.origin_x = engine::page_int(dy * 0.5 * s.scale + 2300);
  if (wide) s.origin_y -= 800;
  return true;
}

void draw_condition_outline(FigureFile& file, const ConditionData& data,
                            const SectionFigureState& st) {
  engine::draw_block_outlines(file, data, st);
}

void write_condition_figure(ConditionData& data, engine::PrintFile& report, int load_case) {
  const char* name = figure_file_name(load_case);
  report.figure_page_record(name);

  FigureFile file;
  engine::open_or_stop(file, name);
  engine::write_section_figure_head(file, name, figure_title(load_case));

  ConditionFigureState st;
  st.section.char_large = 70;
  st.section.char_small = 50;
  st.load_scale = -1.0;
  condition_extents(data, st);
  if (!condition_scale(st)) engine::stop_engine(engine::empty_section_stop());
  engine::find_block_level_range(data, st.section);

  draw_sea_side_conditions(file, data, st);
  draw_land_side_conditions(file, data, st);
  draw_condition_outline(file, data, st.section);

  // The loaded runs of the wall top for this case. What the loads cannot do is told by the
  // engines that compute with them; the figure draws what there is.
  data.current_case = load_case;
  engine::WallTopState& wall_top = engine::wall_top_state();
  engine::compute_top_surcharge_loads(data, wall_top, [](const engine::EngineMessage&) {});
  draw_top_surcharges(file, data, st, wall_top);

  if (data.surface_shape == 1) {
    draw_ground_surface(file, data, st);
  } else if (data.surface_shape == 0) {
    draw_surface_surcharge(file, data, st);
  }
  draw_seabed_surcharge(file, data, st);
  engine::close_or_stop(file);
}

engine::Status run_condition_drawing() {
  ConditionData& d = engine::condition_data();
  if (engine::Status s = engine::read_conditions_file(d); !s.ok()) return s;
  if (engine::Status s = engine::read_block_file(d); !s.ok()) return s;
  engine::apply_start_stamp(d, engine::engine_start_time());
  engine::flag_top_surcharges(d, engine::wall_top_state());

  // A section without extent has nothing to draw: say so before any file is replaced.
  ConditionFigureState probe;
  condition_extents(d, probe);
  if (!condition_scale(probe)) return engine::empty_section_stop();

  const int last = d.seismic_check != 0 ? engine::CASE_SEISMIC : engine::CASE_NORMAL;
  for (int c = engine::CASE_NORMAL; c <= last; ++c) {
    engine::PrintFile report;
    engine::open_or_stop(report, report_file_name(c));
    report.case_title_line(utf8_to_cp932_lossy("検討条件図"), c);
    engine::write_report_header(report, engine::stamp_of(d), d.project_title.view());
    write_condition_figure(d, report, c);
    engine::close_or_stop(report);
  }
  return engine::Status::success();
}

}  // namespace qvt::peludra
