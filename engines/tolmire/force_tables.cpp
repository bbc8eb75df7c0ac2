// The generated force tables at the end of the earth pressure data report: every load item of
// the earth pressure engine as a row of a generated table template, placed in the report by a
// keep record and a block record. The rows follow the layers; each row takes the next item of
// its table, so a walk that wants more items than the table holds is a damaged file.
#include "engines/common/rounding_geometry.h"
#include "engines/tolmire/dat_report.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace qvt::tolmire {
namespace {

using engine::LoadItem;
using engine::PrintFile;
using engine::TableTemplate;

// Rows of the first part of a long active pressure table before it is continued.
constexpr int kFirstPartRows = 56;

std::string sf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string sf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = engine::format_text_v(format, args);
  va_end(args);
  return text;
}

TableTemplate new_table(const std::string& name) {
  return TableTemplate(name, {6, 24, 12, 10, 12});
}

void title_rows(TableTemplate& t, const char* title) {
  t.add_row("2,@,@,@,@", cp(title) + ",@,@,@,@", "0000,@,@,@,@");
  t.add_row("2,@,@,@,@", ",@,@,@,@", "0000,@,@,@,@");
}
void subtitle_rows(TableTemplate& t, const char* subtitle, const char* heads) {
  t.add_row("2,@,@,@,@", cp(subtitle) + ",@,@,@,@", "0100,@,@,@,@");
  t.add_row("3,3,3,3,3", cp(heads), "1011,1011,1011,1011,1011");
  t.add_row("3,3,3,3,3", cp(",,(kN/m),(m),(kN･m/m)"), "1110,1110,1110,1110,1110");
}
constexpr const char* kHorizontalHeads = "番号,算      式,水平力,作用高,モーメント";
constexpr const char* kVerticalHeads = "番号,算      式,鉛直力,作用長さ,モーメント";

void total_row(TableTemplate& t, double force, double moment) {
  t.add_row("3,@,1,1,1", cp("合　　　計") + sf(",@,%10.3lf ,,%10.3lf ", force, moment),
            "1111,@,1111,1111,1111");
}

// One data row of an item: a triangle ("1/2x") or a rectangle, "※" in front for the
// liquefied-layer rows.
void item_row(TableTemplate& t, int number, const LoadItem& item, double height, bool triangle,
              bool liquefied = false) {
  std::string text = liquefied ? cp("※") : std::string();
  text += sf(triangle ? "%2d ,1/2x%8.3lfx%6.3lf ,%10.3lf ,%7.3lf ,%10.3lf "
                      : "%2d ,%8.3lfx%6.3lf ,%10.3lf ,%7.3lf ,%10.3lf ",
             number, item.intensity, height, item.force, item.lever_arm, item.moment);
  t.add_row("1,1,1,1,1", text, "1111,1111,1111,1111,1111");
}

// The generated template files of one case next to its report.
struct TableWriter {
  const ReportInput& in;
  TolmireData& data;
  PrintFile& report;
  std::filesystem::path folder;

  void read(LoadTable table) {
    if (engine::Status s = read_load_table(data, table, in.load_case, folder); !s.ok())
      engine::stop_engine(s.stop());
  }
  // Item index of a row; the table holds item_count valid items.
  const LoadItem& item(const std::array<LoadItem, engine::LOAD_ITEMS>& items, int index,
                       LoadTable table) const {
    if (index < 0 || index >= data.item_count || index >= engine::LOAD_ITEMS)
      stop_damaged_file(load_table_file_name(table, in.load_case));
    return items[static_cast<std::size_t>(index)];
  }
  void place(const TableTemplate& t, const std::string& name, int keep) {
    report.keep_record(keep);
    report.block_record(name);
    PrintFile file;
    engine::open_or_stop(file, folder / name);
    t.write_to(file);
    engine::close_or_stop(file);
  }
  double total(engine::ForceSlot slot) const {
    return data.force_totals[in.load_case == 0 ? 0 : 1][slot];
  }
  std::string numbered(const char* form) const {
    return sf(form, in.load_case + 1);
  }
};

const engine::LandWorkLayer& land(const ReportInput& in, int i) {
  return record_at(in.work.land, i, in.work_file);
}
const engine::SeaWorkLayer& sea(const ReportInput& in, int i) {
  return record_at(in.work.sea, i, in.work_file);
}

void active_horizontal_table(TableWriter& w, int e) {
  const ReportInput& in = w.in;
  const bool seismic = in.load_case != 0;
  w.read(LoadTable::active);
  const int n = w.data.item_count + e;
  const std::string name = w.numbered("SD_SUI_%d.PFM");
  const std::string cont_name = w.numbered("SD_SUI1%d.PFM");
  TableTemplate first = new_table(name), cont = new_table(cont_name);
  title_rows(first, "主働土圧合力");
  subtitle_rows(first, "《主働土圧／水平成分》", kHorizontalHeads);
  subtitle_rows(cont, "《主働土圧／水平成分》", kHorizontalHeads);
  int written = 0;
  bool split = false;
  auto target = [&]() -> TableTemplate& {
    if (!split && written == kFirstPartRows) split = true;
    ++written;
    return split ? cont : first;
  };

  const engine::PressureWorkHeader& h = in.work.header;
  int k = 0;
  for (int i = h.ground_top_index; i <= h.land_boundary_count - 2; ++i) {
    const engine::LandWorkLayer& L = land(in, i);
    const engine::ActiveLayerResult& A = record_at(in.work.active, i, in.work_file);
    const double a = r3(A.horizontal_top), b = r3(A.horizontal_bottom);
    if (a <= 0 && b <= 0) continue;
    if ((a <= 0 && 0 < b) || (b <= 0 && 0 < a)) {
      const LoadItem& it = w.item(w.data.items, k, LoadTable::active);
      item_row(target(), k + 1, it, it.height, true);
      ++k;
    } else if (a != b) {
      for (int r = 0; r < 2; ++r, ++k)
        item_row(target(), k + 1, w.item(w.data.items, k, LoadTable::active), L.thickness, true);
    } else {
      item_row(target(), k + 1, w.item(w.data.items, k, LoadTable::active), L.thickness, false);
      ++k;
    }
  }
  if (seismic) {
    w.read(LoadTable::liquefied_active);
    int j = 0;
    for (int i = h.seabed_index; i <= h.sea_boundary_count - 2; ++i) {
      const engine::SeaWorkLayer& S = sea(in, i);
      if (S.liquefied != 1) continue;
      const engine::PassiveLayerResult& P = record_at(in.work.passive, i, in.work_file);
      const double a = r3(P.liquefied_dynamic_top), b = r3(P.liquefied_dynamic_bottom);
      if (a == 0 && b == 0) continue;
      const int rows = a != b && a != 0 && b != 0 ? 2 : 1;
      for (int r = 0; r < rows; ++r, ++j)
        item_row(target(), j + 1, w.item(w.data.items, j, LoadTable::liquefied_active),
                 S.thickness, a != b, true);
    }
  }
  TableTemplate& last = split ? cont : first;
  total_row(last, w.total(FS_ACTIVE_HORIZONTAL_FORCE), w.total(FS_ACTIVE_HORIZONTAL_MOMENT));
  if (seismic)
    last.add_row("2,@,@,@,@", cp("※ 受動側の液状化泥土圧（動的圧力）,@,@,@,@"), "0001,@,@,@,@");
  w.place(first, name, n > 55 ? 61 : n + 7);
  if (split) w.place(cont, cont_name, n - 52);
}

// The vertical tables: clay layers have no vertical item but keep the numbering of the
// horizontal table in step (two numbers each).
template <class Row>
void vertical_table(TableWriter& w, const std::array<LoadItem, engine::LOAD_ITEMS>& items,
                    LoadTable table, const char* name_form, const char* subtitle, int first_row,
                    int last_row, const Row& row, double total_force, double total_moment) {
  const std::string name = w.numbered(name_form);
  TableTemplate t = new_table(name);
  subtitle_rows(t, subtitle, kVerticalHeads);
  int i = 0, k = 0;
  for (int r = first_row; r <= last_row; ++r) {
    bool skip = false, clay = false;
    double a = 0, b = 0, height = 0;
    row(r, skip, clay, a, b, height);
    if (skip || (a == 0 && b == 0)) continue;
    if (clay) {
      k += 2;
      continue;
    }
    const int rows = a != b && a != 0 && b != 0 ? 2 : 1;
    for (int n = 0; n < rows; ++n, ++i, ++k)
      item_row(t, k + 1, w.item(items, i, table), height, a != b);
  }
  total_row(t, total_force, total_moment);
  w.place(t, name, w.data.item_count + 5);
}

void passive_horizontal_table(TableWriter& w) {
  const ReportInput& in = w.in;
  w.read(LoadTable::passive);
  const std::string name = w.numbered("JD_SUI_%d.PFM");
  TableTemplate t = new_table(name);
  title_rows(t, "受働土圧合力");
  subtitle_rows(t, "《受働土圧／水平成分》", kHorizontalHeads);
  int k = 0;
  for (int i = in.work.header.seabed_index; i <= in.work.header.sea_boundary_count - 2; ++i) {
    const engine::SeaWorkLayer& S = sea(in, i);
    const engine::PassiveLayerResult& P = record_at(in.work.passive, i, in.work_file);
    const double a = r3(P.passive_top), b = r3(P.passive_bottom);
    if (a == 0 && b == 0) continue;
    const int rows = a != b && a != 0 && b != 0 ? 2 : 1;
    for (int r = 0; r < rows; ++r, ++k)
      item_row(t, k + 1, w.item(w.data.items, k, LoadTable::passive), S.thickness, a != b);
  }
  total_row(t, w.total(FS_PASSIVE_HORIZONTAL_FORCE), w.total(FS_PASSIVE_HORIZONTAL_MOMENT));
  w.place(t, name, w.data.item_count + 7);
}

void residual_water_table(TableWriter& w) {
  const ReportInput& in = w.in;
  const engine::PressureWorkHeader& h = in.work.header;
  const std::string name = w.numbered("SD_ZAN_%d.PFM");
  TableTemplate t = new_table(name);
  title_rows(t, "残留水圧合力");
  subtitle_rows(t, "《残留水圧》", kHorizontalHeads);
  const int r = land(in, h.ground_top_index).top_level < land(in, h.rwl_index).top_level
                    ? h.ground_top_index
                    : h.rwl_index;
  const engine::ActiveLayerResult& A = record_at(in.work.active, r, in.work_file);
  const double a = r3(A.water_top), b = r3(A.water_bottom);
  // Both ends zero: the table is closed with its total row and the tables after it follow.
  if (!(a == 0 && b == 0)) {
    int k = 0;
    if (a != b) {
      const int rows = a != 0 && b != 0 ? 2 : 1;
      for (int n = 0; n < rows; ++n, ++k) {
        const LoadItem& it = w.item(w.data.items, k, LoadTable::residual_water);
        item_row(t, k + 1, it, it.height, true);
      }
    }
    const LoadItem& it = w.item(w.data.items, k, LoadTable::residual_water);
    item_row(t, k + 1, it, it.height, false);
  }
  total_row(t, w.total(FS_RESIDUAL_WATER_FORCE), w.total(FS_RESIDUAL_WATER_MOMENT));
  w.place(t, name, w.data.item_count + 7);
}

void dynamic_water_table(TableWriter& w) {
  const engine::ConditionData& cd = w.in.cd;
  TableTemplate t("DOUSUI.PFM", {6, 12, 10, 12});
  t.add_row("2,@,@,@", cp("動水圧合力,@,@,@"), "0000,@,@,@");
  t.add_row("2,@,@,@", ",@,@,@", "0000,@,@,@");
  t.add_row("2,@,@,@", cp("《動水圧》,@,@,@"), "0100,@,@,@");
  t.add_row("3,3,3,3", cp("番号,水平力,作用高,モーメント"), "1011,1011,1011,1011");
  t.add_row("3,3,3,3", cp(",(kN/m),(m),(kN･m/m)"), "1110,1110,1110,1110");
  const double arm = cd.dynamic_water_level - cd.toe_y;
  const double moment = engine::round_to_unit(arm * cd.dynamic_water_force, 0.001, 0);
  t.add_row("1,1,1,1", sf("%d ,%10.3lf ,%7.3lf ,%10.3lf ", 1, cd.dynamic_water_force, arm, moment),
            "1111,1111,1111,1111");
  t.add_row("3,1,1,1", cp("合計") + sf(",%10.3lf ,,%10.3lf ", cd.dynamic_water_force, moment),
            "1111,1111,1111,1111");
  w.place(t, "DOUSUI.PFM", 8);
}

void external_force_tables(TableWriter& w, int count) {
  const ReportInput& in = w.in;
  const int c = in.load_case == 0 ? 0 : 1;
  for (int vertical = 0; vertical <= 1; ++vertical) {
    const std::string name = sf("SONOTA_%d.PFM", 1 + c + 2 * vertical);
    TableTemplate t = new_table(name);
    if (!vertical) {
      title_rows(t, "その他の外力合力");
      subtitle_rows(t, "《その他の外力／水平成分》", "番号,名      称,水平力,作用高,モーメント");
    } else {
      subtitle_rows(t, "《その他の外力／鉛直成分》", "番号,名      称,鉛直力,作用長さ,モーメント");
    }
    double force_sum = 0, moment_sum = 0;
    for (int i = 0; i < count; ++i) {
      const engine::ExternalForce& ef = in.cd.external_forces[c][i];
      const engine::ExternalForceArm& m = in.work.arms[static_cast<std::size_t>(i)];
      const double force = vertical ? ef.vertical : ef.horizontal;
      const double arm = vertical ? m.vertical_arm : m.horizontal_arm;
      const double moment = vertical ? m.vertical_moment : m.horizontal_moment;
      force_sum += force;
      moment_sum += moment;
      const std::string name_text(ef.name.view());
      t.add_row("1,2,1,1,1",
                sf("%d , %-22s,%10.3lf ,%7.3lf ,%10.3lf ", i + 1, name_text.c_str(), force, arm,
                   moment),
                "1111,1111,1111,1111,1111");
    }
    total_row(t, force_sum, moment_sum);
    w.place(t, name, count + (vertical ? 5 : 7));
  }
}

}  // namespace

void write_force_tables(PrintFile& report, const ReportInput& in, TolmireData& data,
                        const std::filesystem::path& folder) {
  TableWriter w{in, data, report, folder};
  const bool seismic = in.load_case != 0;
  const engine::ConditionData& cd = in.cd;
  const engine::PressureWorkHeader& h = in.work.header;
  int e = 0;
  if (seismic) {
    w.read(LoadTable::liquefied_active);
    e = data.item_count + 1;
  }
  active_horizontal_table(w, e);

  w.read(LoadTable::active_vertical);
  if (data.item_count != 0) {
    const bool rule1 = cd.liquefied_vertical_rule == 1;
    vertical_table(
        w, data.active_vertical_items, LoadTable::active_vertical, "SD_EN_%d.PFM",
        "《主働土圧／鉛直成分》", h.ground_top_index, h.land_boundary_count - 2,
        [&](int r, bool& skip, bool& clay, double& a, double& b, double& height) {
          const engine::LandWorkLayer& L = land(in, r);
          const engine::ActiveLayerResult& A = record_at(in.work.active, r, in.work_file);
          skip = seismic && L.liquefied == 1 && rule1 &&
                 (A.liquefied_top > A.unliquefied_top || A.liquefied_bottom > A.unliquefied_bottom);
          a = r3(A.horizontal_top);
          b = r3(A.horizontal_bottom);
          clay = L.phi <= 0;
          height = L.thickness;
        },
        w.total(FS_ACTIVE_VERTICAL_FORCE), w.total(FS_ACTIVE_VERTICAL_MOMENT));
  }

  passive_horizontal_table(w);

  data.item_count = 0;
  w.read(LoadTable::passive_vertical);
  if (data.item_count != 0) {
    vertical_table(
        w, data.passive_vertical_items, LoadTable::passive_vertical, "JD_EN_%d.PFM",
        "《受働土圧／鉛直成分》", h.seabed_index, h.sea_boundary_count - 2,
        [&](int r, bool& skip, bool& clay, double& a, double& b, double& height) {
          const engine::SeaWorkLayer& S = sea(in, r);
          const engine::PassiveLayerResult& P = record_at(in.work.passive, r, in.work_file);
          skip = false;
          a = r3(P.vertical_top);
          b = r3(P.vertical_bottom);
          clay = S.phi <= 0;
          height = S.thickness;
        },
        w.total(FS_PASSIVE_VERTICAL_FORCE), 0.0);
  }

  w.read(LoadTable::residual_water);
  if (w.total(FS_RESIDUAL_WATER_FORCE) > 1e-05) residual_water_table(w);

  if (seismic) dynamic_water_table(w);

  if (cd.custom_options.backfill_vertical_ignored == 0) {
    report.block_record("M_FTYA_A.PFM");
    report.block_record("M_FTYA_B.PFM");
  }
  const int count = cd.external_force_counts[seismic ? 1 : 0];
  if (count != 0) external_force_tables(w, count);
}

}  // namespace qvt::tolmire
