#include "common/cp932.h"
#include "common/textfile.h"
#include "engines/common/block_vertices.h"
#include "engines/common/message_table.h"
#include "engines/common/pressure_helpers.h"
#include "engines/tolmire/report_fields.h"
#include "engines/tolmire/tolmire.h"

#include <cmath>

namespace qvt::tolmire {
namespace {

using engine::ConditionData;

// The force summary slots each table fills: force, moment (FS_NONE: the moment is not kept).
struct TableSpec {
  const char* stem;        // name before the case digit
  const char* open_error;  // UTF-8
  engine::ForceSlot force_slot, moment_slot;
};

const TableSpec& spec(LoadTable t) {
  static const TableSpec specs[] = {
      {"DAT_SYU", "(ERROR)-土圧計算結果ファイル(DAT_SYU?.DAT)がオープンできません.",
       FS_ACTIVE_HORIZONTAL_FORCE, FS_ACTIVE_HORIZONTAL_MOMENT},
      {"DAT_EKI", "(ERROR)-液状化土圧計算結果ファイル(DAT_EKI2.DAT)がオープンできません.",
       FS_ACTIVE_HORIZONTAL_FORCE, FS_ACTIVE_HORIZONTAL_MOMENT},
      {"DAT_JYU", "(ERROR)-土圧計算結果ファイル(DAT_JYU?.DAT)がオープンできません.",
       FS_PASSIVE_HORIZONTAL_FORCE, FS_PASSIVE_HORIZONTAL_MOMENT},
      {"DAT_SUI", "(ERROR)-土圧計算結果ファイル(DAT_SUI?.DAT)がオープンできません.",
       FS_RESIDUAL_WATER_FORCE, FS_RESIDUAL_WATER_MOMENT},
      {"DAT_ENT", "(ERROR)-土圧計算結果ファイル(DAT_ENT?.DAT)がオープンできません.",
       FS_ACTIVE_VERTICAL_FORCE, FS_ACTIVE_VERTICAL_MOMENT},
      {"DAT_ENT", "(ERROR)-土圧計算結果ファイル(DAT_ENT?.DAT)がオープンできません.",
       FS_PASSIVE_VERTICAL_FORCE, FS_NONE},
  };
  return specs[static_cast<int>(t)];
}

}  // namespace

TolmireData& tolmire_data() {
  static TolmireData data;
  return data;
}

std::string load_table_file_name(LoadTable table, int load_case) {
  const int c = load_case == engine::CASE_NORMAL ? 0 : 1;
  switch (table) {
    case LoadTable::liquefied_active:
      return "DAT_EKI2.DAT";
    case LoadTable::passive_vertical:
      return "DAT_ENT" + std::to_string(3 + c) + ".DAT";
    default:
      return std::string(spec(table).stem) + std::to_string(1 + c) + ".DAT";
  }
}

engine::Status read_pressure_work_file(TolmireData& data, int load_case,
                                       const std::filesystem::path& folder) {
  const std::string name = engine::pressure_work_file_name(load_case);
  const auto bytes = read_file_bytes(folder / name);
  if (!bytes)
    return engine::error_stop(
        -1, cp("(ERROR)-土圧計算結果ファイル(DAT_PRN.DAT)がオープンできません."));
  auto work = engine::decode_pressure_work_file(*bytes);
  if (!work) return damaged_file(name);
  data.work = *work;
  return engine::Status::success();
}

engine::Status read_load_table(TolmireData& data, LoadTable table, int load_case,
                               const std::filesystem::path& folder) {
  const TableSpec& s = spec(table);
  const std::string name = load_table_file_name(table, load_case);
  const auto bytes = read_file_bytes(folder / name);
  if (!bytes) return engine::error_stop(-1, cp(s.open_error));
  const auto file = engine::decode_load_table(*bytes);
  if (!file) return damaged_file(name);
  const int c = table == LoadTable::liquefied_active || load_case != engine::CASE_NORMAL ? 1 : 0;
  auto& buffer = table == LoadTable::active_vertical    ? data.active_vertical_items
                 : table == LoadTable::passive_vertical ? data.passive_vertical_items
                                                        : data.items;
  buffer = file->items;
  data.force_totals[c][s.force_slot] = file->total_force;
  if (s.moment_slot != FS_NONE) data.force_totals[c][s.moment_slot] = file->total_moment;
  data.item_count = file->item_count;
  return engine::Status::success();
}

void open_print_file(engine::PrintFile& file, const std::string& name) {
  engine::open_or_stop(file, name);
}

void set_design_seabed_level(const ConditionData& cd, TolmireData& data) {
  data.design_seabed_level = cd.active_seabed_rule == 0
                                 ? cd.soil_layers[engine::SIDE_PASSIVE][0].top_level
                                 : cd.active_seabed_level;
}

void init_figure_layout(FigureLayout& l) {
  l.frame_x1 = 0;
  l.frame_x2 = 3900;
  l.frame_y1 = 0;
  l.strip_y = 300;
  l.frame_y2 = 5900;
  l.box_left = 100;
  l.box_right = 3800;
  l.box_top = 500;
  l.box_bottom = 5700;
  l.pressure_centre = (l.box_right - l.box_left) - 1700;
  l.level_centre = l.box_bottom - l.box_top;
  l.earth_centre_x = (l.box_right - l.box_left) - 900;
  l.earth_centre_y = (l.box_bottom - l.box_top) * 0.5 + 500;
  l.box_centre_x = (l.box_right - l.box_left) * 0.5 + 100;
  l.box_centre_y = (l.box_bottom - l.box_top) * 0.5 + 500;
  l.view_cos = 1.0;
  l.view_sin = 0.0;
  l.load_scale = 0.005;
  l.arrow_pitch = 100.0;
  l.char_width = 70;
  l.char_height = 75;
  l.page_offset_x = 0.0;
  l.page_offset_y = 0.0;
  l.page_angle = 0.0;
  l.page_cos = std::cos(l.page_angle * M_PI / 180.0);
  l.page_sin = std::sin(l.page_angle * M_PI / 180.0);
}

void find_max_surcharge_load(const ConditionData& cd, TolmireData& data) {
  double m = NO_SURCHARGE;
  if (cd.surface_shape == 0) {
    if (cd.surface_surcharge[0] > m) m = cd.surface_surcharge[0];
    if (cd.surface_surcharge[1] > m) m = cd.surface_surcharge[1];
  } else {
    for (const engine::SurchargeRange& r : cd.surcharge_ranges) {
      // A range counts once either load reaches a hundredth of a kN/m2 in magnitude.
      if (std::trunc(r.load[0] * 100) == 0 && std::trunc(r.load[1] * 100) == 0) continue;
      if (r.load[0] > m) m = r.load[0];
      if (r.load[1] > m) m = r.load[1];
    }
  }
  data.max_surcharge_load = m;
}

engine::Status run_earth_pressure_report() {
  ConditionData& cd = engine::condition_data();
  TolmireData& data = tolmire_data();
  if (engine::Status s = engine::read_conditions_file(cd); !s.ok()) return s;
  if (engine::Status s = engine::read_block_file(cd); !s.ok()) return s;
  if (engine::Status s = engine::require_toe_point(cd); !s.ok()) return s;
  engine::apply_start_stamp(cd, engine::engine_start_time());
  set_design_seabed_level(cd, data);
  engine::reset_surcharge_values(cd);
  init_figure_layout(data.layout);

  int first = 0, end = 0;
  engine::get_case_range(cd, first, end);
  data.layout.landscape = 0;
  for (int c = first; c < end; ++c) {
    if (engine::Status s = read_pressure_work_file(data, c); !s.ok()) return s;
    find_max_surcharge_load(cd, data);
    write_surcharge_report(cd, data, c);
    write_surcharge_figures(cd, data, c);
    write_dat_report(cd, data, c);
  }
  return engine::Status::success();
}

}  // namespace qvt::tolmire
