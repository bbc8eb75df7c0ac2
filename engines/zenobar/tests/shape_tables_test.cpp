// Shape-library blocks (type 8): weight and buoyancy per metre from the unit's stored volume,
// length, centroid and layer table.
#include "engines/zenobar/shape_tables.h"

#include "engines/zenobar/tests/table_writer_fixture.h"

#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace qvt::zenobar {
namespace {

using testing::sjis;
using testing::TableWriterTest;

// The unit used throughout: 3.0 wide, L = 2.0 long, 4.0 high, centroid (1.2, 1.5) from its
// reference point, V = 6.0 m3; submerged volumes 1.0 at depth 1, 2.5 at depth 2, 4.2 at depth 3
// (the table stops short of the 4.0 m height). Placed at (5, -2): bottom -2, top +2; unit
// weights 23 / 13 / 23, water 10.
class ShapeTables : public TableWriterTest {
 protected:
  ShapeTables() {
    cd().water_unit_weight = 10.0;
    cd().shape_library_count = 2;
    engine::ShapeEntry& e = cd().shape_library[1];
    e.name.assign(sjis("消波ブロック"));
    const double values[6] = {3.0, 2.0, 4.0, 1.2, 1.5, 6.0};
    for (int i = 0; i < 6; ++i) e.values[i] = values[i];
    e.layer_count = 3;
    const double a[3] = {1.0, 2.0, 3.0}, c[3] = {1.0, 2.5, 4.2};
    for (int k = 0; k < 3; ++k) {
      e.layer_a[k] = a[k];
      e.layer_b[k] = 99.0;  // not used
      e.layer_c[k] = c[k];
    }
    set_shape(3, 1, 0);
  }

  void set_shape(int slot, int index, int mirrored) {
    auto& b = cd().wall_blocks[slot];
    b.block_type = engine::BLOCK_LIBRARY;
    b.head.name.assign(sjis("直立消波"));
    b.head.ref_x = 5.0;
    b.head.ref_y = -2.0;
    b.head.unit_weights[0] = 23.0;
    b.head.unit_weights[1] = 13.0;
    b.head.unit_weights[2] = 23.0;
    b.library.library_index = static_cast<engine::i16>(index);
    b.library.mirrored = static_cast<engine::i16>(mirrored);
    cd().block_label_numbers[slot] = 0;
  }

  engine::ShapeEntry& entry() { return cd().shape_library[1]; }

  std::vector<std::string> run(int kind, int* result = nullptr) {
    return report_of([&](engine::PrintFile& r) { return write_shape_block_tables(3, r, kind); },
                     result);
  }
};

// W = V·γ/L = 6.0·23/2.0 = 69.000 kN/m at x = 5 + 1.2 = 6.2, y = -2 + 1.5 = -0.5;
// W·x = 69·6.2 = 427.800, W·y = 69·(-0.5) = -34.500.
TEST_F(ShapeTables, WeightTableWorkedByHand) {
  cd().water_levels[2] = 0.0;  // the level plays no part in the weight
  int result = -9;
  const auto report = run(KIND_WEIGHT, &result);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(report, (std::vector<std::string>{"$0  BKST_03.PFM"}));
  const BlockResult& r = run_data.block_results[3][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(r.weight, 69.0);
  EXPECT_DOUBLE_EQ(r.centroid_x, 6.2);
  EXPECT_DOUBLE_EQ(r.centroid_y, -0.5);
  EXPECT_DOUBLE_EQ(r.moment_x, 427.8);
  EXPECT_DOUBLE_EQ(r.moment_y, -34.5);
  EXPECT_EQ(utf8_lines("BKST_03.PFM"),
            (std::vector<std::string>{
                "BKST_03.PFM",
                "5,6,0,1",
                "4,28,10,10,12,12",
                "2,@,@,@,@,@",
                "《直立消波》,@,@,@,@,@",
                "0100,@,@,@,@,@",
                "3,2,3,3,3,3",
                "No, V ×  γ    / L,重心座標,重心座標,W･x,W･y",
                "1011,1011,1011,1011,1011,1011",
                "3,1,3,3,3,3",
                ",W(kN/m) ,x (m),y (m),(kN･m/m),(kN･m/m)",
                "1110,1110,1110,1110,1110,1110",
                "1,2,1,1,1,1",
                "1 ,  6.000×23.000/ 2.000,,,,",
                "1011,1011,1011,1011,1011,1011",
                "3,1,1,1,1,1",
                ",=    69.000 ,   6.200 ,  -0.500 ,   427.800 ,   -34.500 ",
                "1110,1110,1110,1110,1110,1110",
            }));
}

TEST_F(ShapeTables, LibraryValuesArePerUnit) {
  // V 2.0 m3, L 2.0 m, γ 20: 2·20/2 = 20.000 kN/m.
  entry().values[5] = 2.0;
  cd().wall_blocks[3].head.unit_weights[0] = 20.0;
  run(KIND_WEIGHT);
  EXPECT_DOUBLE_EQ(run_data.block_results[3][KIND_WEIGHT].weight, 20.0);
}

TEST_F(ShapeTables, MirroredCentroidIsReflectedAcrossTheEntryWidth) {
  // x = 5 + 3.0 - 1.2 = 6.8; y unchanged at -0.5. W·x = 69·6.8 = 469.200.
  cd().wall_blocks[3].library.mirrored = 1;
  run(KIND_WEIGHT);
  const BlockResult& r = run_data.block_results[3][KIND_WEIGHT];
  EXPECT_DOUBLE_EQ(r.centroid_x, 6.8);
  EXPECT_DOUBLE_EQ(r.centroid_y, -0.5);
  EXPECT_DOUBLE_EQ(r.moment_x, 469.2);
  EXPECT_NE(utf8_lines("BKST_03.PFM")[16].find("   6.800 "), std::string::npos);
}

// Buoyancy U = V·γw/L = V·10/2 = 5·V, V by the level R (bottom -2, top +2, depth d = R + 2).
TEST_F(ShapeTables, BuoyancyByTheLevel) {
  struct Case {
    double level;
    double u;
    const char* why;
  };
  const Case cases[] = {
      {5.0, 30.0, "above the top: whole unit, 5·6.0"},
      {2.00005, 30.0, "within 0.0001 above the top: whole unit"},
      {1.99995, 30.0, "within 0.0001 below the top: whole unit"},
      {-1.5, 2.5, "d 0.5 below the first layer: 0.5·1.0/1.0 = 0.5 from (0, 0)"},
      {-0.99995, 5.0, "d within 0.0001 of layer 1: its 1.0, not interpolated"},
      {-0.5, 8.75, "d 1.5: 1.0 + 0.5·(2.5 - 1.0) = 1.75"},
      {0.5, 16.75, "d 2.5: 2.5 + 0.5·(4.2 - 2.5) = 3.35"},
      {1.0, 21.0, "d 3.0 on the last layer: 4.2"},
      {1.5, 30.0, "d 3.5 beyond the last layer: the whole unit, 6.0"},
  };
  for (const Case& c : cases) {
    reset_run_data();
    cd().water_levels[2] = c.level;
    int result = -9;
    run(KIND_BUOYANCY, &result);
    EXPECT_EQ(result, 0) << c.why;
    const BlockResult& r = run_data.block_results[3][KIND_BUOYANCY];
    EXPECT_DOUBLE_EQ(r.weight, c.u) << c.why;
    // The centroid of the whole unit, whatever part is under water.
    EXPECT_DOUBLE_EQ(r.centroid_x, 6.2) << c.why;
    EXPECT_DOUBLE_EQ(r.centroid_y, -0.5) << c.why;
    EXPECT_NEAR(r.moment_x, c.u * 6.2, 1e-9) << c.why;
  }
}

TEST_F(ShapeTables, BuoyancyTableShowsTheSubmergedVolumeAndWater) {
  cd().water_levels[2] = -0.5;  // V 1.75, U 8.75 (see above)
  run(KIND_BUOYANCY);
  const auto t = utf8_lines("FKST_03.PFM");
  ASSERT_EQ(t.size(), 18u);
  EXPECT_EQ(t[0], "FKST_03.PFM");
  EXPECT_EQ(t[7], "No, V ×  γw   / L,重心座標,重心座標,W･x,W･y");
  EXPECT_EQ(t[13], "1 ,  1.750×10.000/ 2.000,,,,");
  EXPECT_EQ(t[16], ",=     8.750 ,   6.200 ,  -0.500 ,    54.250 ,    -4.375 ");
}

TEST_F(ShapeTables, NotSubmergedGivesTheNoBuoyancyText) {
  for (double level : {-1.99995, -2.00005, -3.0}) {
    run_data.block_results[3][KIND_BUOYANCY].weight = 7.0;
    cd().water_levels[2] = level;
    int result = 0;
    const auto report = run(KIND_BUOYANCY, &result);
    EXPECT_EQ(result, -1) << level;
    EXPECT_EQ(report, (std::vector<std::string>{"$0  FKST_03.PFM"})) << level;
    EXPECT_EQ(run_data.block_results[3][KIND_BUOYANCY].weight, 0.0) << level;
    EXPECT_EQ(utf8_lines("FKST_03.PFM"),
              (std::vector<std::string>{"FKST_03.PFM", "2", "", "《直立消波》 浮力は作用しない"}))
        << level;
  }
}

TEST_F(ShapeTables, WithoutLayersAPartlySubmergedUnitCountsWhole) {
  entry().layer_count = 0;
  cd().water_levels[2] = 0.0;
  run(KIND_BUOYANCY);
  EXPECT_DOUBLE_EQ(run_data.block_results[3][KIND_BUOYANCY].weight, 30.0);
}

TEST_F(ShapeTables, UnsoundEntriesAreRefusedBeforeAnyTable) {
  struct Case {
    const char* why;
    std::function<void()> spoil;
    const char* text;
  };
  const Case cases[] = {
      {"L = 0", [this] { entry().values[1] = 0.0; }, "長さ L が 0 以下"},
      {"L below 0.0005 prints and divides as 0",
       [this] { entry().values[1] = 0.0004; }, "長さ L が 0 以下"},
      {"negative L", [this] { entry().values[1] = -2.0; }, "長さ L が 0 以下"},
      {"index past the entries in use",
       [this] { cd().shape_library_count = 1; },
       "形状ライブラリの 2 番を参照していますが、登録されている形状は 1 個です。"},
      {"negative index",
       [this] { cd().wall_blocks[3].library.library_index = -1; },
       "形状ライブラリの 0 番"},
      {"volume not a number", [this] { entry().values[5] = std::nan(""); },
       "数値でない値"},
      {"layer not a number",
       [this] { entry().layer_c[2] = std::numeric_limits<double>::infinity(); },
       "数値でない値"},
  };
  for (const Case& c : cases) {
    for (int kind : {KIND_WEIGHT, KIND_BUOYANCY}) {
      std::filesystem::remove(dir.path() / "BKST_03.PFM");
      std::filesystem::remove(dir.path() / "FKST_03.PFM");
      cd().shape_library_count = 2;
      cd().wall_blocks[3].library.library_index = 1;
      entry().values[1] = 2.0;
      entry().values[5] = 6.0;
      entry().layer_c[2] = 4.2;
      c.spoil();
      cd().water_levels[2] = 0.0;
      const std::string text = stop_text([&] { run(kind); });
      EXPECT_NE(text.find("ブロック4《直立消波》"), std::string::npos) << c.why << ": " << text;
      EXPECT_NE(text.find(c.text), std::string::npos) << c.why << ": " << text;
      EXPECT_FALSE(std::filesystem::exists(dir.path() / "BKST_03.PFM")) << c.why;
      EXPECT_FALSE(std::filesystem::exists(dir.path() / "FKST_03.PFM")) << c.why;
    }
  }
}

}  // namespace
}  // namespace qvt::zenobar
