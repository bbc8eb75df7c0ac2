// The generated force tables: keep and block records, shape lines, the row walks and their
// numbering, the split of a long active table, and the stops on damaged or missing tables.
#include "engines/common/engine_entry.h"
#include "engines/tolmire/dat_report.h"
#include "engines/tolmire/tests/report_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace qvt::tolmire::testing {
namespace {

std::vector<std::string> lines_of(const std::string& s) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start < s.size()) {
    const std::size_t end = s.find('\n', start);
    out.push_back(s.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return out;
}

// Writes the force tables of the fixture's case into dir; the report's records as text.
std::string force_tables(const qvt::testing::TempDir& dir, Fixture& fx, int load_case) {
  {
    engine::PrintFile report;
    engine::open_or_stop(report, dir / "REPORT.PDT");
    const ReportInput in{*fx.cd, fx.data->work, row_context(*fx.cd, fx.data->design_seabed_level),
                         load_case, engine::pressure_work_file_name(load_case)};
    write_force_tables(report, in, *fx.data, dir.path());
    engine::close_or_stop(report);
  }
  return read_utf8(dir / "REPORT.PDT");
}

// The text of the stop a writer ends the engine with, empty when it returns.
std::string stop_text(const std::function<void()>& f) {
  try {
    f();
  } catch (const engine::EngineStop& s) {
    return s.messages.empty() ? "<silent>" : cp932_to_utf8_lossy(s.messages[0].text);
  }
  return {};
}

// n sandy land layers of 1 m from +n, each with an intensity growing inside it (two rows).
void stack_land(engine::PressureWorkFile& w, int n) {
  w.header.ground_top_index = 0;
  w.header.rwl_index = 0;
  w.header.land_boundary_count = n + 1;
  for (int i = 0; i <= n; ++i) {
    w.land[i] = {};
    w.land[i].top_level = n - i;
    w.land[i].thickness = i < n ? 1.0 : 0.0;
    w.land[i].phi = rad(30);
    if (i < n) {
      w.active[i] = {};
      w.active[i].horizontal_top = i + 1;
      w.active[i].horizontal_bottom = i + 2;
    }
  }
}

TEST(ForceTablesTest, TwelveActiveItemsKeepNineteenLinesAndDeclareEighteenRows) {
  qvt::testing::TempDir dir;
  Fixture fx;
  fx.write_normal_tables(dir.path());
  stack_land(fx.data->work, 6);
  std::vector<engine::LoadItem> items;
  for (int k = 0; k < 12; ++k) items.push_back(item(0, 1, k + 1, 1, 0.5 * (k + 1), 0.5 * (k + 1)));
  auto t = std::make_unique<engine::LoadTableFile>();
  std::copy(items.begin(), items.end(), t->items.begin());
  t->item_count = 12;
  put(dir / "DAT_SYU1.DAT", engine::encode_load_table(*t));
  put_table(dir / "DAT_ENT1.DAT", {}, 0, 0);
  const std::string report = force_tables(dir, fx, 0);
  EXPECT_EQ(report.rfind("$R  19\n$0  SD_SUI_1.PFM\n", 0), 0u) << report;
  const auto table = lines_of(read_utf8(dir / "SD_SUI_1.PFM"));
  ASSERT_GE(table.size(), 2u);
  EXPECT_EQ(table[0], "SD_SUI_1.PFM");
  EXPECT_EQ(table[1], "18,5,0,1");
  EXPECT_EQ(table.size(), 3u + 18u * 3u);
  EXPECT_EQ(table[3 + 3 * 5 + 1], " 1 ,1/2x   1.000x 1.000 ,     0.500 ,  1.000 ,     0.500 ");
  EXPECT_EQ(table[3 + 3 * 16 + 1], "12 ,1/2x  12.000x 1.000 ,     6.000 ,  1.000 ,     6.000 ");
}

TEST(ForceTablesTest, SixtyOneRowsSplitAfterTheFiftySixth) {
  qvt::testing::TempDir dir;
  Fixture fx;
  engine::PressureWorkFile& w = fx.data->work;
  stack_land(w, 15);  // 30 active rows
  w.header.seabed_index = 0;
  w.header.sea_boundary_count = 16;
  for (int i = 0; i < 16; ++i) {
    w.sea[i] = {};
    w.sea[i].top_level = -i;
    w.sea[i].thickness = i < 15 ? 1.0 : 0.0;
    w.sea[i].liquefied = i < 15 ? 1 : 0;
    w.passive[i] = {};
    w.passive[i].liquefied_dynamic_top = 1;
    w.passive[i].liquefied_dynamic_bottom = 2;  // two rows per layer: 30 liquefied rows
  }
  fx.cd->external_force_counts[1] = 0;
  auto table_of = [](int n, double total) {
    auto t = std::make_unique<engine::LoadTableFile>();
    for (int k = 0; k < n; ++k) t->items[k] = item(0, 1, k, 1, k, k);
    t->item_count = n;
    t->total_force = total;
    return engine::encode_load_table(*t);
  };
  put(dir / "DAT_SYU2.DAT", table_of(30, 1.0));
  put(dir / "DAT_EKI2.DAT", table_of(30, 2.0));
  put(dir / "DAT_ENT2.DAT", table_of(0, 0));
  put(dir / "DAT_JYU2.DAT", table_of(0, 0));
  put(dir / "DAT_ENT4.DAT", table_of(0, 0));
  put(dir / "DAT_SUI2.DAT", table_of(0, 0));
  const std::string report = force_tables(dir, fx, 1);
  EXPECT_EQ(report,
            "$R  61\n$0  SD_SUI_2.PFM\n$R  9\n$0  SD_SUI12.PFM\n$R  7\n$0  JD_SUI_2.PFM\n"
            "$R  8\n$0  DOUSUI.PFM\n$0  M_FTYA_A.PFM\n$0  M_FTYA_B.PFM\n");
  // The first part states the rows it holds: 5 header rows and data rows 1 to 56.
  const auto first = lines_of(read_utf8(dir / "SD_SUI_2.PFM"));
  EXPECT_EQ(first[1], "61,5,0,1");
  ASSERT_EQ(first.size(), 3u + 61u * 3u);
  EXPECT_EQ(first[first.size() - 2].substr(0, 7), "※26 ,");
  const auto cont = lines_of(read_utf8(dir / "SD_SUI12.PFM"));
  ASSERT_EQ(cont.size(), 3u + 9u * 3u);
  EXPECT_EQ(cont[0], "SD_SUI12.PFM");
  EXPECT_EQ(cont[1], "9,5,0,1");
  EXPECT_EQ(cont[4], "《主働土圧／水平成分》,@,@,@,@");
  EXPECT_EQ(cont[3 + 9 + 1].substr(0, 7), "※27 ,");
  EXPECT_EQ(cont[3 + 21 + 1], "合　　　計,@,     2.000 ,,     0.000 ");
  EXPECT_EQ(cont[3 + 24 + 1], "※ 受動側の液状化泥土圧（動的圧力）,@,@,@,@");
}

TEST(ForceTablesTest, VerticalRowsKeepTheNumberingOfTheClayLayer) {
  qvt::testing::TempDir dir;
  Fixture fx;
  fx.write_normal_tables(dir.path());
  fx.data->work.header.ground_top_index = 1;  // trapezoid, clay, trapezoid
  put_table(dir / "DAT_SYU1.DAT",
            {item(0, 0, 12, 4, 1, 1), item(0, 0, 20, 4, 2, 2), item(1, 0, 25, 3, 3, 3),
             item(0, 0, 30, 5, 4, 4), item(0, 0, 40, 5, 5, 5)},
            15, 15);
  put_table(dir / "DAT_ENT1.DAT",
            {item(0, 0, 1.5, 4, 1, 0), item(0, 0, 2.5, 4, 2, 0), item(0, 0, 3.5, 5, 3, 0),
             item(0, 0, 4.5, 5, 4, 0)},
            10, 0);
  force_tables(dir, fx, 0);
  const auto t = lines_of(read_utf8(dir / "SD_EN_1.PFM"));
  ASSERT_EQ(t.size(), 3u + 8u * 3u);
  EXPECT_EQ(t[1], "8,5,0,1");
  EXPECT_EQ(t[3 + 9 + 1], " 1 ,1/2x   1.500x 4.000 ,     1.000 ,  0.000 ,     0.000 ");
  EXPECT_EQ(t[3 + 12 + 1], " 2 ,1/2x   2.500x 4.000 ,     2.000 ,  0.000 ,     0.000 ");
  EXPECT_EQ(t[3 + 15 + 1], " 5 ,1/2x   3.500x 5.000 ,     3.000 ,  0.000 ,     0.000 ");
  EXPECT_EQ(t[3 + 18 + 1], " 6 ,1/2x   4.500x 5.000 ,     4.000 ,  0.000 ,     0.000 ");
}

TEST(ForceTablesTest, ResidualWaterWithoutIntensityStillLeavesTheTablesAfterIt) {
  for (int load_case : {0, 1}) {
    qvt::testing::TempDir dir;
    Fixture fx;
    if (load_case == 0)
      fx.write_normal_tables(dir.path());
    else
      fx.make_seismic(dir.path());
    fx.cut_top_layer();
    fx.data->work.active[1].water_top = 0;
    fx.data->work.active[1].water_bottom = 0;
    const std::string report = force_tables(dir, fx, load_case);
    const std::string zan = load_case == 0 ? "SD_ZAN_1.PFM" : "SD_ZAN_2.PFM";
    const std::string tail =
        load_case == 0 ? "$R  9\n$0  SD_ZAN_1.PFM\n$0  M_FTYA_A.PFM\n$0  M_FTYA_B.PFM\n$R  9\n"
                         "$0  SONOTA_1.PFM\n$R  7\n$0  SONOTA_3.PFM\n"
                       : "$R  9\n$0  SD_ZAN_2.PFM\n$R  8\n$0  DOUSUI.PFM\n$0  M_FTYA_A.PFM\n"
                         "$0  M_FTYA_B.PFM\n$R  9\n$0  SONOTA_2.PFM\n$R  7\n$0  SONOTA_4.PFM\n";
    ASSERT_GE(report.size(), tail.size());
    EXPECT_EQ(report.substr(report.size() - tail.size()), tail) << report;
    const auto t = lines_of(read_utf8(dir / zan));
    EXPECT_EQ(t[1], "6,5,0,1");
    EXPECT_EQ(t.back(), "1111,@,1111,1111,1111");
    EXPECT_EQ(t[t.size() - 2], "合　　　計,@,   115.000 ,,   661.665 ");
  }
}

TEST(ForceTablesTest, ExternalForceTablesListTheForcesOfTheCase) {
  qvt::testing::TempDir dir;
  Fixture fx;
  fx.write_normal_tables(dir.path());
  fx.cut_top_layer();
  force_tables(dir, fx, 0);
  const auto h = lines_of(read_utf8(dir / "SONOTA_1.PFM"));
  ASSERT_EQ(h.size(), 3u + 8u * 3u);
  EXPECT_EQ(h[1], "8,5,0,1");
  EXPECT_EQ(h[13], "番号,名      称,水平力,作用高,モーメント");
  EXPECT_EQ(h[18], "1,2,1,1,1");
  EXPECT_EQ(h[19], "1 , BOLLARD               ,    10.000 , 15.000 ,   150.000 ");
  EXPECT_EQ(h[22], "2 , CRANE                 ,     0.000 ,  0.000 ,     0.000 ");
  const auto v = lines_of(read_utf8(dir / "SONOTA_3.PFM"));
  ASSERT_EQ(v.size(), 3u + 6u * 3u);
  EXPECT_EQ(v[1], "6,5,0,1");
  EXPECT_EQ(v[16], "2 , CRANE                 ,    50.000 ,  2.500 ,   125.000 ");
  EXPECT_EQ(v[19], "合　　　計,@,    50.000 ,,   125.000 ");
}

TEST(ForceTablesTest, AWalkBeyondTheItemsOfATableStopsNamingIt) {
  qvt::testing::TempDir dir;
  Fixture fx;
  fx.write_normal_tables(dir.path());
  // Five items where the layers need six: the sixth slot holds a stale item.
  auto t = std::make_unique<engine::LoadTableFile>();
  for (int k = 0; k < 6; ++k) t->items[k] = item(0, 1, 9, 1, 9, 9);
  t->item_count = 5;
  put(dir / "DAT_SYU1.DAT", engine::encode_load_table(*t));
  fx.cut_top_layer();
  EXPECT_EQ(stop_text([&] { force_tables(dir, fx, 0); }),
            "(ERROR)-土圧計算結果ファイル(DAT_SYU1.DAT)の内容が正しくありません.");
}

TEST(ForceTablesTest, AMissingLiquefiedTableStopsTheSeismicCase) {
  qvt::testing::TempDir dir;
  Fixture fx;
  fx.make_seismic(dir.path());
  std::filesystem::remove(dir / "DAT_EKI2.DAT");
  EXPECT_EQ(stop_text([&] { force_tables(dir, fx, 1); }),
            "(ERROR)-液状化土圧計算結果ファイル(DAT_EKI2.DAT)がオープンできません.");
}

}  // namespace
}  // namespace qvt::tolmire::testing
