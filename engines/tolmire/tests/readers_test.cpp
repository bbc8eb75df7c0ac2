// The readers of the earth pressure engine's files and the values set before the first case.
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/tests/capture_channel.h"
#include "engines/tolmire/tolmire.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

namespace qvt::tolmire {
namespace {

namespace fs = std::filesystem;
using engine::LoadTableFile;
using engine::PressureWorkFile;

void put(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

std::string stop_text(const engine::Status& s) {
  return s.ok() || s.stop().messages.empty() ? std::string() : s.stop().messages[0].text;
}

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

TEST(TolmireReadersTest, PressureWorkFileIsReadWhole) {
  qvt::testing::TempDir dir;
  auto f = std::make_unique<PressureWorkFile>();
  f->header.seabed_index = 4;
  f->header.land_boundary_count = 7;
  f->header.ground_vertex_count = 3;
  f->land[6].top_level = -12.5;
  f->vertices[2].x = 31.25;
  put(dir / "DAT_PRN2.DAT", engine::encode_pressure_work_file(*f));
  auto data = std::make_unique<TolmireData>();
  ASSERT_TRUE(read_pressure_work_file(*data, 1, dir.path()).ok());
  EXPECT_EQ(data->work.header.seabed_index, 4);
  EXPECT_EQ(data->work.header.land_boundary_count, 7);
  EXPECT_EQ(data->work.land[6].top_level, -12.5);
  EXPECT_EQ(data->work.vertices[2].x, 31.25);
}

TEST(TolmireReadersTest, PressureWorkFileMissingShortOrWithCountsBeyondItsTables) {
  qvt::testing::TempDir dir;
  auto data = std::make_unique<TolmireData>();
  EXPECT_EQ(stop_text(read_pressure_work_file(*data, 0, dir.path())),
            cp("(ERROR)-土圧計算結果ファイル(DAT_PRN.DAT)がオープンできません."));

  auto f = std::make_unique<PressureWorkFile>();
  const std::string whole = engine::encode_pressure_work_file(*f);
  ASSERT_EQ(whole.size(), engine::PRESSURE_WORK_FILE_BYTES);
  const std::string damaged = cp("(ERROR)-土圧計算結果ファイル(DAT_PRN1.DAT)の内容が正しくありません.");
  put(dir / "DAT_PRN1.DAT", whole.substr(0, whole.size() - 1));
  EXPECT_EQ(stop_text(read_pressure_work_file(*data, 0, dir.path())), damaged);
  put(dir / "DAT_PRN1.DAT", whole + "x");
  EXPECT_EQ(stop_text(read_pressure_work_file(*data, 0, dir.path())), damaged);
  f->header.land_boundary_count = engine::LAYER_RECORDS + 1;  // would run past 25 records
  put(dir / "DAT_PRN1.DAT", engine::encode_pressure_work_file(*f));
  EXPECT_EQ(stop_text(read_pressure_work_file(*data, 0, dir.path())), damaged);
  f->header.land_boundary_count = 0;
  f->header.ground_vertex_count = engine::GROUND_VERTICES + 1;
  put(dir / "DAT_PRN1.DAT", engine::encode_pressure_work_file(*f));
  EXPECT_EQ(stop_text(read_pressure_work_file(*data, 0, dir.path())), damaged);
  f->header.ground_vertex_count = 0;
  f->header.seabed_index = engine::LAYER_RECORDS;  // an index one past the layer table
  put(dir / "DAT_PRN1.DAT", engine::encode_pressure_work_file(*f));
  EXPECT_EQ(stop_text(read_pressure_work_file(*data, 0, dir.path())), damaged);
}

TEST(TolmireReadersTest, EachLoadTableFillsItsBufferAndTotalsSlots) {
  struct Case {
    LoadTable table;
    int load_case;
    const char* file;
    int total_case;
    engine::ForceSlot force_slot, moment_slot;  // FS_NONE: the moment is not kept
    const char* open_error;
  };
  const Case cases[] = {
      {LoadTable::active, 0, "DAT_SYU1.DAT", 0, FS_ACTIVE_HORIZONTAL_FORCE,
       FS_ACTIVE_HORIZONTAL_MOMENT,
       "(ERROR)-土圧計算結果ファイル(DAT_SYU?.DAT)がオープンできません."},
      {LoadTable::active, 1, "DAT_SYU2.DAT", 1, FS_ACTIVE_HORIZONTAL_FORCE,
       FS_ACTIVE_HORIZONTAL_MOMENT,
       "(ERROR)-土圧計算結果ファイル(DAT_SYU?.DAT)がオープンできません."},
      {LoadTable::liquefied_active, 0, "DAT_EKI2.DAT", 1, FS_ACTIVE_HORIZONTAL_FORCE,
       FS_ACTIVE_HORIZONTAL_MOMENT,
       "(ERROR)-液状化土圧計算結果ファイル(DAT_EKI2.DAT)がオープンできません."},
      {LoadTable::passive, 1, "DAT_JYU2.DAT", 1, FS_PASSIVE_HORIZONTAL_FORCE,
       FS_PASSIVE_HORIZONTAL_MOMENT,
       "(ERROR)-土圧計算結果ファイル(DAT_JYU?.DAT)がオープンできません."},
      {LoadTable::residual_water, 0, "DAT_SUI1.DAT", 0, FS_RESIDUAL_WATER_FORCE,
       FS_RESIDUAL_WATER_MOMENT,
       "(ERROR)-土圧計算結果ファイル(DAT_SUI?.DAT)がオープンできません."},
      {LoadTable::active_vertical, 1, "DAT_ENT2.DAT", 1, FS_ACTIVE_VERTICAL_FORCE,
       FS_ACTIVE_VERTICAL_MOMENT,
       "(ERROR)-土圧計算結果ファイル(DAT_ENT?.DAT)がオープンできません."},
      {LoadTable::passive_vertical, 0, "DAT_ENT3.DAT", 0, FS_PASSIVE_VERTICAL_FORCE, FS_NONE,
       "(ERROR)-土圧計算結果ファイル(DAT_ENT?.DAT)がオープンできません."},
      {LoadTable::passive_vertical, 1, "DAT_ENT4.DAT", 1, FS_PASSIVE_VERTICAL_FORCE, FS_NONE,
       "(ERROR)-土圧計算結果ファイル(DAT_ENT?.DAT)がオープンできません."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    qvt::testing::TempDir dir;
    EXPECT_EQ(load_table_file_name(c.table, c.load_case), c.file);
    auto data = std::make_unique<TolmireData>();
    EXPECT_EQ(stop_text(read_load_table(*data, c.table, c.load_case, dir.path())),
              cp(c.open_error));

    LoadTableFile t;
    t.item_count = 3;
    t.items[2].force = 4.5;
    t.total_force = 11.5;
    t.total_moment = 22.5;
    put(dir / c.file, engine::encode_load_table(t));
    ASSERT_TRUE(read_load_table(*data, c.table, c.load_case, dir.path()).ok());
    EXPECT_EQ(data->item_count, 3);
    const auto& buffer = c.table == LoadTable::active_vertical    ? data->active_vertical_items
                         : c.table == LoadTable::passive_vertical ? data->passive_vertical_items
                                                                  : data->items;
    EXPECT_EQ(buffer[2].force, 4.5);
    for (int cs = 0; cs < 2; ++cs)
      for (int k = 0; k < FORCE_TOTAL_SLOTS; ++k) {
        const double want = cs != c.total_case     ? 0
                            : k == c.force_slot    ? 11.5
                            : k == c.moment_slot   ? 22.5
                                                   : 0;
        EXPECT_EQ(data->force_totals[cs][k], want) << cs << " " << k;
      }

    t.item_count = engine::LOAD_ITEMS + 1;  // more items than the table holds
    put(dir / c.file, engine::encode_load_table(t));
    EXPECT_EQ(stop_text(read_load_table(*data, c.table, c.load_case, dir.path())),
              cp("(ERROR)-土圧計算結果ファイル(") + c.file + cp(")の内容が正しくありません."));
    put(dir / c.file, "short");
    EXPECT_FALSE(read_load_table(*data, c.table, c.load_case, dir.path()).ok());
  }
}

TEST(TolmireReadersTest, APrintFileThatCannotBeCreatedStopsTheEngine) {
  qvt::testing::TempDir dir;
  engine::testing::CaptureChannel channel;
  engine::ScopedMessageChannel scoped(channel);
  engine::PrintFile f;
  bool stopped = false;
  try {
    open_print_file(f, (dir / "missing" / "DM002DAT.PDT").string());
  } catch (const engine::EngineStop&) {
    stopped = true;
  }
  EXPECT_TRUE(stopped);
  EXPECT_FALSE(f.is_open());
  ASSERT_EQ(channel.lines.size(), 1u);
  EXPECT_NE(channel.lines[0].find("QVTMSG\terror\terror\t印字用ファイル("), std::string::npos);
  EXPECT_NE(channel.lines[0].find("DM002DAT.PDT)がオープンできません."), std::string::npos);
}

TEST(TolmireReadersTest, LargestSurchargeOverBothCases) {
  struct Case {
    const char* what;
    int surface_shape;
    double surface[2];
    double ranges[5][2];
    double want;
  };
  const Case cases[] = {
      {"straight: the larger surface surcharge", 0, {10, 12}, {{50, 50}}, 12},
      {"straight: both at most -999.99", 0, {-1000, -999.99}, {}, NO_SURCHARGE},
      {"arbitrary: ranges only, all five", 1, {80, 80}, {{0, 0}, {1, 3}, {0, 0}, {0, 0}, {2, 7}},
       7},
      {"arbitrary: below 0.01 in both cases", 1, {}, {{0.009, 0}, {-0.0099, 0.005}}, NO_SURCHARGE},
      {"arbitrary: a negative load counts", 1, {}, {{-0.5, -0.7}}, -0.5},
      {"arbitrary: then the seismic load when greater", 1, {}, {{-0.5, 0}}, 0},
  };
  for (const Case& c : cases) {
    auto cd = std::make_unique<engine::ConditionData>();
    cd->surface_shape = c.surface_shape;
    cd->surface_surcharge[0] = c.surface[0];
    cd->surface_surcharge[1] = c.surface[1];
    for (int k = 0; k < 5; ++k) {
      cd->surcharge_ranges[k].load[0] = c.ranges[k][0];
      cd->surcharge_ranges[k].load[1] = c.ranges[k][1];
    }
    auto data = std::make_unique<TolmireData>();
    find_max_surcharge_load(*cd, *data);
    EXPECT_EQ(data->max_surcharge_load, c.want) << c.what;
  }
}

TEST(TolmireReadersTest, DesignSeabedAndFigureLayoutBeforeTheFirstCase) {
  auto cd = std::make_unique<engine::ConditionData>();
  cd->soil_layers[engine::SIDE_PASSIVE][0].top_level = -10;
  cd->active_seabed_level = -12;
  auto data = std::make_unique<TolmireData>();
  set_design_seabed_level(*cd, *data);
  EXPECT_EQ(data->design_seabed_level, -10);
  cd->active_seabed_rule = 1;
  set_design_seabed_level(*cd, *data);
  EXPECT_EQ(data->design_seabed_level, -12);

  FigureLayout l;
  l.strip_x = 77;
  init_figure_layout(l);
  EXPECT_EQ(l.strip_x, 77);  // left as it is
  EXPECT_EQ(l.frame_x2, 3900);
  EXPECT_EQ(l.frame_y2, 5900);
  EXPECT_EQ(l.strip_y, 300);
  EXPECT_EQ(l.pressure_centre, 2000);
  EXPECT_EQ(l.level_centre, 5200);
  EXPECT_EQ(l.earth_centre_x, 2800);
  EXPECT_EQ(l.earth_centre_y, 3100);
  EXPECT_EQ(l.box_centre_x, 1950);
  EXPECT_EQ(l.box_centre_y, 3100);
  EXPECT_EQ(l.load_scale, 0.005);
  EXPECT_EQ(l.arrow_pitch, 100);
  EXPECT_EQ(l.char_width, 70);
  EXPECT_EQ(l.char_height, 75);
  EXPECT_EQ(l.page_cos, 1);
  EXPECT_EQ(l.page_sin, 0);
}

}  // namespace
}  // namespace qvt::tolmire
