// The test sections from end to end: loaded by the front end's model, the engines' input
// written into a temporary work folder as a calculation run writes it, ZENOBAR run there as a
// process, and its CAL_ANS.DAT checked against the sections worked out by hand.
#include "common/improvement_pattern.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/model/block_outline.h"
#include "frontend/model/project.h"
#include "frontend/model/project_files.h"
#include "frontend/model/snapshots.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <cmath>
#include <numbers>
#include <regex>
#include <vector>

namespace qvt::zenobar {
namespace {

using model::testing::Recorder;

double f64_at(const std::string& bytes, std::size_t offset) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i)
    bits = (bits << 8) | static_cast<unsigned char>(bytes.at(offset + i));
  return std::bit_cast<double>(bits);
}

struct EngineRun {
  int exit_code = -1;
  std::string stderr_text;
  std::string dat;  // CAL_ANS.DAT
  std::string txt;  // CAL_ANS.TXT
  std::string front_end_refusal;  // the message of a refused "CAL" write
  // The files of the work folder where printf wrote a number that is not finite.
  std::vector<std::string> files_with_non_finite_numbers;
};

// "inf" or "nan" as printf writes them, after a blank, a comma or a sign.
bool holds_non_finite_number(const std::string& bytes) {
  static const std::regex number("(^|[ ,+\\-])(inf|nan)", std::regex::icase);
  return std::regex_search(bytes, number);
}

// Loads the sample, lets `change` alter the model, writes the engines' input into a fresh work
// folder and runs ZENOBAR there. When the front end refuses the "CAL" write, the same data is
// handed to the engine through the "EDT" copy (the same lines, unchecked), so the engine's own
// refusal is seen too.
EngineRun run_on_sample(const std::function<void(model::ProjectModel&)>& change = {},
                        const char* name = "sample_caisson_quay") {
  qvt::testing::TempDir dir;
  model::ProjectModel m;
  m.work_folder = dir.path();
  model::reset_project_to_defaults(m);
  Recorder rec;
  const std::filesystem::path sample =
      std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / name;
  EngineRun run;
  EXPECT_TRUE(model::load_project_files(sample.string(), m, rec));
  if (change) change(m);
  if (model::write_engine_input(m, rec) != 0) {
    run.front_end_refusal = rec.messages.empty() ? "?" : rec.messages.back().text;
    Recorder quiet;
    EXPECT_EQ(model::write_project_files(m, "EDT", true, quiet), 0);
    for (const char* stem : {"QVTAJKN", "QVTABLK"})
      std::filesystem::copy_file(dir.path() / (std::string(stem) + ".EDT"),
                                 dir.path() / (std::string(stem) + ".CAL"),
                                 std::filesystem::copy_options::overwrite_existing);
  } else {
    EXPECT_TRUE(rec.messages.empty()) << (rec.messages.empty() ? "" : rec.messages.front().text);
  }
  // The options every project starts from, as the first run copies them into the work folder.
  std::filesystem::copy_file(std::filesystem::path(QVT_SOURCE_DIR) / "data" / "QVT_DAT.CST",
                             dir.path() / "QVT_DAT.CST");
  const std::string cmd = "cd '" + dir.path().string() + "' && '" QVT_BIN_DIR
                          "/ZENOBAR' </dev/null 2>stderr.txt >/dev/null";
  const int status = std::system(cmd.c_str());
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.stderr_text = read_file_bytes(dir.path() / "stderr.txt").value_or("");
  run.dat = read_file_bytes(dir.path() / "CAL_ANS.DAT").value_or("");
  run.txt = read_file_bytes(dir.path() / "CAL_ANS.TXT").value_or("");
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    const std::string name = entry.path().filename().string();
    if (name != "stderr.txt" &&
        holds_non_finite_number(read_file_bytes(entry.path()).value_or("")))
      run.files_with_non_finite_numbers.push_back(name);
  }
  return run;
}

// The block quay sample (common/tests/sections/sample_block_quay): a concrete block 6 x 13 (-10 to +3,
// 24.0 kN/m3, submerged 13.9) on an improved body 20 x 15 (-25 to -10, 16.0, submerged 5.9),
// R.W.L. +0.6, water 10.1, kh 0.15, wall-top surcharge 10 / 5 kN/m2 on x 0 to 6. Moments about
// the toe (0, -25).
//   wall above the R.W.L.  6 x 2.4 x 24  =  345.6 at (3, 1.8)
//   wall below             6 x 10.6 x 24 = 1526.4 at (3, -4.7); buoyancy 6 x 10.6 x 10.1 = 642.36
//   body                   20 x 15 x 16  = 4800   at (10, -17.5); buoyancy 300 x 10.1 = 3030
//   surcharge              normal 60, seismic 30, at x 3, y +3
// Normal:  W = 345.6 + 1526.4 + 4800 + 60 = 6732; Mw = 1872 x 3 + 4800 x 10 + 60 x 3 = 53796
//          U = 3672.36; Mu = 642.36 x 3 + 3030 x 10 = 32227.08
//          W - U = 3059.64; Mw - Mu = 21568.92
// Seismic: W = 6702, W - U = 3029.64, Mw - Mu = 53706 - 32227.08 = 21478.92
//          inertia 0.15 x 6702 = 1005.3; its moment about y = -25:
//          51.84 x 26.8 + 228.96 x 20.3 + 720 x 7.5 + 4.5 x 28
//          = 1389.312 + 4647.888 + 5400 + 126 = 11563.2
TEST(BlockQuaySample, BlockWeightEngineRunOnTheSample) {
  const EngineRun run = run_on_sample({}, "sample_block_quay");
  ASSERT_EQ(run.exit_code, 0) << run.stderr_text;
  EXPECT_EQ(run.stderr_text, "");
  const std::string& dat = run.dat;
  ASSERT_EQ(dat.size(), 632u);
  EXPECT_NEAR(f64_at(dat, 6 * 8), 6702.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, 8 * 8), 1005.3, 1e-9);
  EXPECT_NEAR(f64_at(dat, 9 * 8), 11563.2, 1e-9);
  EXPECT_NEAR(f64_at(dat, 10 * 8), 3672.36, 1e-9);
  EXPECT_NEAR(f64_at(dat, 11 * 8), 32227.08, 1e-9);
  const std::size_t normal = 128, seismic = 368;
  EXPECT_NEAR(f64_at(dat, normal + 0 * 8), 3059.64, 1e-9);
  EXPECT_NEAR(f64_at(dat, normal + 16 * 8), 21568.92, 1e-9);
  EXPECT_NEAR(f64_at(dat, seismic + 0 * 8), 3029.64, 1e-9);
  EXPECT_NEAR(f64_at(dat, seismic + 3 * 8), 1005.3, 1e-9);
  EXPECT_NEAR(f64_at(dat, seismic + 16 * 8), 21478.92, 1e-9);
  EXPECT_NEAR(f64_at(dat, seismic + 19 * 8), 11563.2, 1e-9);
}

// The caisson sample (common/tests/sections/sample_caisson_quay, see data/README.md); moments about the toe of
// the improved body, its lower left corner (0, -25). Every value rounded to 0.001 as formed
// (halves to even).
//
// Caisson, block frame from the tip of the front footing (x = 0) at the body top (y = -10):
// H 11, F 1.5, T 1, C 0.5, W 12, L 1, Wf 0.5, Wp 0.4, Lb 20, We 0.5, Wq 0.4, Hh = Hv = 0.3,
// 3 x 4 cells 3.4 x 4.45, footings front and rear (recipe 1). Body from x = 1 to 13; the cells
// lie symmetrically about x = 7, so every row's x is 7 and the caisson's centroid x is 7.
// Walls above the slab Hc = 11 - 1.5 = 9.5; clear width Wi = 12 - 2 x 0.5 - 2 x 0.4 = 10.2.
// Concrete, 24.5 kN/m3 (V m3 / W kN / y absolute / W·y):
//   slab              12 x 20 x 1.5             = 360      8820      -9.25   -81585
//   walls along       0.5 x 20 x 9.5 x 2        = 190      4655      -3.75   -17456.25
//   partitions along  0.4 x 20 x 9.5 x 2        = 152      3724      -3.75   -13965
//   end walls         10.2 x 0.5 x 9.5 x 2      =  96.9    2374.05   -3.75   -8902.688
//   cross partitions  10.2 x 0.4 x 9.5 x 3      = 116.28   2848.86   -3.75   -10683.225
//   vertical haunches 0.3 x 0.3 x 9.5 / 2 x 48  =  20.52    502.74   -3.75   -1885.275
//   floor haunches across (10.2 - 6 x 0.3) x 0.3 x 0.3 / 2 x 8
//                                               =   3.024    74.088  -8.4    -622.339
//   floor haunches along 0.3 x (20 - 1 - 1.2 - 8 x 0.3) x 0.3 / 2 x 6
//                                               =   4.158   101.871  -8.4    -855.716
//   corner haunches   0.3^3 / 3 x 48            =   0.432    10.584  -8.388  -88.779
//                     (y = 1.5 + 3 x 0.3 / 8 - 10 = -8.3875, to even -8.388)
//   footings          1 x 20 x 1 x 2            =  40       980      -9.5    -9310
//   footing haunches  0.5 x 20 x 0.5 / 2 x 2    =   5       122.5    -8.833  -1082.042
//   concrete          988.314 m3, 24213.693 kN, W·y -146436.314
// Sand fill 9.5 m thick, 20.0 kN/m3 (at y = 1.5 + 9.5 / 2 - 10 = -3.75 unless stated):
//   cells             3.4 x 4.45 x 9.5 x 12     = 1724.82  34496.4           -129361.5
//   less floor haunches across 2.8 x 0.3 x 0.3 / 2 x 24 = -3.024, -60.48 at -8.4: +508.032
//   less floor haunches along 0.3 x 3.85 x 0.3 / 2 x 24 = -4.158, -83.16 at -8.4: +698.544
//   less vertical haunches 0.3 x 0.3 x 9.5 / 2 x 48     = -20.52, -410.4:          +1539
//   less corner haunches 0.3^3 / 3 x 48                 = -0.432, -8.64 at -8.388: +72.472
// Whole caisson: V = 2685 m3 (the outer body 12 x 20 x 11 = 2640 with the footings 40 and their
//   haunches 5: concrete and fill together fill it), W = 58147.413 kN, W·y = -272979.766,
//   centroid y = -4.695 (x 7).
//   Per metre: w = 58147.413 / 20 = 2907.371 kN/m, arm 7: M = 20351.597;
//   inertia kh 0.15: 436.106 at arm -4.695 + 25 = 20.305: 8855.132.
// Caisson buoyancy per metre, R.W.L. +0.6 between the footing haunch top (-8.5) and the top
// (+1.0), γw 10.1, all at x 7:
//   body 12 x 10.6 x 10.1 = 1284.72; footings 1 x 1 x 10.1 x 2 = 20.2;
//   footing haunches 0.5 x 0.5 x 10.1 / 2 x 2 = 2.525: U = 1307.445, moment 9152.115.
// Improved body, 20 x 15 from -25 to -10 wholly below the R.W.L.: W = 20 x 15 x 16 = 4800 at
//   (10, -17.5): M 48000, inertia 720 x 7.5 = 5400; U = 20 x 15 x (16 - 5.9) = 3030, moment
//   30300.
// Superstructure, 12 x 2 from +1 to +3 wholly above the R.W.L.: W = 12 x 2 x 24 = 576 at (7, 2):
//   M 4032, inertia 86.4 x 27 = 2332.8; no buoyancy.
// Wall-top surcharge on x 1 to 13 at +3: normal 10 x 12 = 120 at arm 7 (M 840); seismic
//   5 x 12 = 60 (M 420), inertia 0.15 x 60 = 9 at arm 28 (252).
// Normal case:  W = 2907.371 + 4800 + 576 + 120 = 8403.371, Mw = 20351.597 + 48000 + 4032 + 840
//               = 73223.597; U = 1307.445 + 3030 = 4337.445, Mu = 9152.115 + 30300 = 39452.115;
//               W - U = 4065.926, Mw - Mu = 33771.482.
// Seismic case: W = 2907.371 + 4800 + 576 + 60 = 8343.371, Mw = 72803.597;
//               inertia 436.106 + 720 + 86.4 + 9 = 1251.506,
//               moment 8855.132 + 5400 + 2332.8 + 252 = 16839.932;
//               W - U = 4005.926, Mw - Mu = 33351.482.
TEST(CaissonSample, BlockWeightEngineRunOnTheSample) {
  const EngineRun run = run_on_sample();
  ASSERT_EQ(run.exit_code, 0) << run.stderr_text;
  EXPECT_EQ(run.stderr_text, "");
  const std::string& dat = run.dat;
  ASSERT_EQ(dat.size(), 632u);
  // WeightTotals hold the last computed case, the seismic one; the buoyancy is the normal case's.
  EXPECT_NEAR(f64_at(dat, 6 * 8), 8343.371, 1e-9);
  EXPECT_NEAR(f64_at(dat, 7 * 8), 72803.597, 1e-9);
  EXPECT_NEAR(f64_at(dat, 8 * 8), 1251.506, 1e-9);
  EXPECT_NEAR(f64_at(dat, 9 * 8), 16839.932, 1e-9);
  EXPECT_NEAR(f64_at(dat, 10 * 8), 4337.445, 1e-9);
  EXPECT_NEAR(f64_at(dat, 11 * 8), 39452.115, 1e-9);
  // Effective weights and their moments of both cases; no unimproved soil in the block pattern.
  const std::size_t normal = 128, seismic = 368;
  EXPECT_NEAR(f64_at(dat, normal + 0 * 8), 4065.926, 1e-9);
  EXPECT_NEAR(f64_at(dat, normal + 1 * 8), 4065.926, 1e-9);
  EXPECT_EQ(f64_at(dat, normal + 2 * 8), 0.0);
  EXPECT_NEAR(f64_at(dat, normal + 16 * 8), 33771.482, 1e-9);
  EXPECT_NEAR(f64_at(dat, seismic + 0 * 8), 4005.926, 1e-9);
  EXPECT_NEAR(f64_at(dat, seismic + 3 * 8), 1251.506, 1e-9);
  EXPECT_NEAR(f64_at(dat, seismic + 16 * 8), 33351.482, 1e-9);
  EXPECT_NEAR(f64_at(dat, seismic + 19 * 8), 16839.932, 1e-9);
  // Wall-top loads: no type-0 block, so the surcharges alone.
  EXPECT_NEAR(f64_at(dat, 616), 120.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, 624), 60.0, 1e-9);
}

// A precast unit from the shape library in front of the caisson, on the seabed at (-4, -10):
// entry 3.0 wide, L 2.0, 4.0 high, centroid (1.2, 1.6) from its reference point, V 9.0 m3;
// 23.0 kN/m3. Distinct values, so that a mix-up of their order between the front end's writer
// and the engine's reader shows.
void add_library_unit(model::ProjectModel& m, double length) {
  model::ShapeEntry& e = m.shape_library[0];
  e.name = "消波ユニット";
  const double values[6] = {3.0, length, 4.0, 1.2, 1.6, 9.0};
  for (int i = 0; i < 6; ++i) e.values[i] = values[i];
  e.point_count = 4;
  const double px[] = {0, 0, 3, 3}, py[] = {0, 4, 4, 0};
  for (int i = 0; i < 4; ++i) {
    e.point_x[i + 1] = px[i];
    e.point_y[i + 1] = py[i];
    e.pair_first[i + 1] = static_cast<model::i16>(i + 1);
    e.pair_second[i + 1] = static_cast<model::i16>(i == 3 ? 1 : i + 2);
  }
  e.pair_count = 4;
  m.shape_library_count = 1;
  model::WallBlock& b = m.wall_blocks[3];
  b.block_type = model::BLOCK_LIBRARY;
  b.library.head.name = "消波ユニット";
  b.library.head.ref_x = -4.0;
  b.library.head.ref_y = -10.0;
  b.library.head.unit_weights[0] = 23.0;
  b.library.head.unit_weights[1] = 12.9;
  b.library.head.unit_weights[2] = 23.0;
  b.library.values[1] = 3.0;
  b.library.library_index = 0;
  m.block_label_numbers[3] = 3;
}

// The unit lies wholly below the R.W.L. (+0.6; its top is -6): W = 9.0 x 23 / 2 = 103.5 kN/m,
// U = 9.0 x 10.1 / 2 = 45.45 kN/m, both at x = -4 + 1.2 = -2.8: W·x = -289.8, U·x = -127.26.
// Normal case: W - U = 4065.926 + 103.5 - 45.45 = 4123.976;
//              Mw - Mu = 33771.482 - 289.8 + 127.26 = 33608.942.
TEST(CaissonSample, ALibraryUnitAddsItsWeightAndBuoyancyPerMetre) {
  const EngineRun run = run_on_sample([](model::ProjectModel& m) { add_library_unit(m, 2.0); });
  ASSERT_EQ(run.exit_code, 0) << run.stderr_text;
  ASSERT_EQ(run.dat.size(), 632u);
  EXPECT_NEAR(f64_at(run.dat, 10 * 8), 4337.445 + 45.45, 1e-9);
  EXPECT_NEAR(f64_at(run.dat, 11 * 8), 39452.115 - 127.26, 1e-9);
  EXPECT_NEAR(f64_at(run.dat, 128 + 0 * 8), 4123.976, 1e-9);
  EXPECT_NEAR(f64_at(run.dat, 128 + 16 * 8), 33608.942, 1e-9);
}

TEST(CaissonSample, ALibraryUnitWithoutLengthStopsTheRun) {
  const EngineRun run = run_on_sample([](model::ProjectModel& m) { add_library_unit(m, 0.0); });
  EXPECT_EQ(run.front_end_refusal,
            "ブロック4《消波ユニット》: 形状ライブラリの長さ L (0.000) が正ではありません。\n"
            "入力データを確認してください。");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.stderr_text.find("QVTMSG\terror\terror\tブロック4《消波ユニット》: "
                                 "形状ライブラリの長さ L (0.000) が正ではありません。"),
            std::string::npos)
      << run.stderr_text;
  EXPECT_TRUE(run.dat.empty());
}


// --- What neither the front end nor the engine computes ------------------------------------

model::WallBlock& first_of_type(model::ProjectModel& m, int type) {
  for (auto& b : m.wall_blocks)
    if (b.block_type == type) return b;
  ADD_FAILURE() << "no block of type " << type;
  return m.wall_blocks[0];
}

// A polygon block in slot 2 with the given outline relative to (0, 3).
void add_polygon(model::ProjectModel& m, const std::vector<std::pair<double, double>>& pts) {
  model::WallBlock& b = m.wall_blocks[2];
  b.block_type = model::BLOCK_POLYGON;
  b.polygon.head.name = "上部工";
  b.polygon.head.ref_x = 0;
  b.polygon.head.ref_y = 3;
  // Concrete as the polygon dialog takes it: wet and saturated 24, submerged 24 - 10.1.
  for (double* w : {&b.polygon.head.unit_weights[0], &b.polygon.head.unit_weights[2]}) *w = 24;
  b.polygon.head.unit_weights[1] = 13.9;
  b.polygon.vertex_count = static_cast<model::i16>(pts.size());
  for (std::size_t i = 0; i < pts.size(); ++i) {
    b.polygon.vertex_x[i] = pts[i].first;
    b.polygon.vertex_y[i] = pts[i].second;
  }
  m.block_label_numbers[2] = 2;
}

// Each of these made ZENOBAR weigh nonsense with exit 0 (a rectangle of width -6 weighed
// -1872 kN/m, a long-wall length of -1 gave -4800 kN/m, a caisson 1e-300 m long 3.97e301 kN/m,
// unset vertices -713,226 kN/m). Now the front end refuses the "CAL" write and the engine,
// given the same data, stops with the same reason and writes no CAL_ANS.DAT.
TEST(RefusedInput, NeitherFrontEndNorEngineWeighsWhatCannotBeWeighed) {
  struct Case {
    const char* name;
    const char* sample;
    std::function<void(model::ProjectModel&)> change;
    std::string reason;
  };
  const Case cases[] = {
      {"rectangle of width -6", "sample_block_quay",
       [](model::ProjectModel& m) { first_of_type(m, model::BLOCK_RECTANGLE).polygon.vertex_x[0] = -6; },
       "幅 (-6.000) が正ではありません。"},
      {"long walls of length -1", "sample_block_quay",
       [](model::ProjectModel& m) {
         m.conditions.improvement_pattern = PATTERN_WALL;
         m.conditions.body_dims.ll = -1;
         m.conditions.body_dims.ls = 1;
       },
       "改良体の長壁長 Ll (-1.000) が正ではありません。"},
      {"unknown improvement pattern", "sample_block_quay",
       [](model::ProjectModel& m) { m.conditions.improvement_pattern = 7; },
       "改良形式 (7) が不明です。"},
      {"caisson 1e-300 m long", "sample_caisson_quay",
       [](model::ProjectModel& m) {
         first_of_type(m, model::BLOCK_CAISSON).caisson.dims_a[2][0] = 1e-300;
       },
       "長さ Lb (0.000) が正ではありません。"},
      {"polygon counting unset vertices", "sample_block_quay",
       [](model::ProjectModel& m) { add_polygon(m, {{0, 0}, {0, 2}, {6, 2}, {6, 0}, {9999, 9999}}); },
       "ブロック3《上部工》: 頂点 5 の座標が設定されていません。"},
      {"counter-clockwise polygon", "sample_block_quay",
       [](model::ProjectModel& m) { add_polygon(m, {{0, 0}, {6, 0}, {6, 2}, {0, 2}}); },
       "ブロック3《上部工》: 頂点の並びが時計回りではありません。"},
      {"self-crossing polygon", "sample_block_quay",
       [](model::ProjectModel& m) { add_polygon(m, {{0, 0}, {0, 2}, {6, 0}, {6, 2}}); },
       "ブロック3《上部工》: 辺 2 と辺 4 が交差しています。"},
      {"top surcharge range backwards", "sample_block_quay",
       [](model::ProjectModel& m) {
         m.conditions.top_surcharges[0].x_min = 6;
         m.conditions.top_surcharges[0].x_max = 0;
       },
       "上載荷重 1 の範囲の始点 x = 6.000 m が終点 x = 0.000 m より後ろにあります。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const EngineRun run = run_on_sample(c.change, c.sample);
    EXPECT_NE(run.front_end_refusal.find(c.reason), std::string::npos) << run.front_end_refusal;
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_NE(run.stderr_text.find("QVTMSG\terror\terror\t"), std::string::npos);
    EXPECT_NE(run.stderr_text.find(c.reason), std::string::npos) << run.stderr_text;
    EXPECT_TRUE(run.dat.empty());
  }
}

// The block quay's concrete block (6 x 13 from -10, 24 / 13.9 kN/m3) as a counterfort 1 m long
// whose one counterfort fills that length (Tc = L = 1, n 1, no haunches, no footing): H 13, D 1,
// B 6, Tw 1, Bc 1 and Hr = H - D - hr, the sloped part's height hr. With hr 0 (Hr 12) the
// counterfort is Bc + Bs = 5 wide up to the top: slab 6 x 1 + wall 1 x 12 + counterfort 5 x 12 =
// 78 m3, the rectangle's 6 x 13, centroid x (6 x 3 + 12 x 0.5 + 60 x 3.5) / 78 = 3 and y
// (6 x 0.5 + 12 x 7 + 60 x 7) / 78 = 6.5 as the rectangle's; below the R.W.L. (r = 10.6 < 13)
// slab 6 + wall 9.6 + counterfort 5 x 9.6 = 63.6 = 6 x 10.6. So the run gives the sample's own
// normal-case W - U = 3059.64 and Mw - Mu = 21568.92 (worked out above). The front end's check
// accepted H - D - Hr = 0 and ZENOBAR once refused it; a heel part above the top (hr -0.5) is
// refused by both with the same reason.
TEST(BlockQuaySample, ACounterfortWithoutASlopeIsWeighed) {
  auto counterfort = [](double hr) {
    return [hr](model::ProjectModel& m) {
      model::WallBlock& b = first_of_type(m, model::BLOCK_RECTANGLE);
      const model::BlockHead head = b.polygon.head;
      b.block_type = model::BLOCK_COUNTERFORT;
      model::CounterfortShape& c = b.counterfort;
      c.head = head;
      c.head.length = 1;
      c.sub_type = 1;
      c.flag_a = 1;
      const double dims[4][4] = {{13, 1, 12 - hr, 0}, {6, 1, 1, 0}, {1, 1, 0, 0}, {0, 0, 0, 0}};
      for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 4; ++k) c.dims_a[r][k] = dims[r][k];
      Recorder rec;
      const int slot = static_cast<int>(&b - m.wall_blocks.data());
      EXPECT_TRUE(model::build_block_outline(m, slot, rec));
    };
  };
  const EngineRun run = run_on_sample(counterfort(0), "sample_block_quay");
  EXPECT_EQ(run.front_end_refusal, "");
  ASSERT_EQ(run.exit_code, 0) << run.stderr_text;
  EXPECT_EQ(run.files_with_non_finite_numbers, std::vector<std::string>{});
  EXPECT_NEAR(f64_at(run.dat, 128 + 0 * 8), 3059.64, 1e-9);
  EXPECT_NEAR(f64_at(run.dat, 128 + 16 * 8), 21568.92, 1e-9);

  const EngineRun refused = run_on_sample(counterfort(-0.5), "sample_block_quay");
  const std::string reason = "扶壁の傾斜部の高さ H - D - Hr (-0.500) が負です。";
  EXPECT_NE(refused.front_end_refusal.find(reason), std::string::npos) << refused.front_end_refusal;
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.stderr_text.find(reason), std::string::npos) << refused.stderr_text;
  EXPECT_TRUE(refused.dat.empty());
}

// Values that would make the computed loads overflow: the run is refused with the engine's
// message, and no table or report of the run holds "inf" (the wall-top surcharge rows of
// M_BLKV_A, M_BLKS_A and M_BLKH_A once printed it). A seismic coefficient or a surcharge of
// 1e308 is no value ground or load can have: the conditions reader refuses its line before
// anything is computed.
TEST(BlockQuaySample, LoadsThatOverflowLeaveNoInfinityInAnyFile) {
  struct Case {
    const char* name;
    std::function<void(model::ProjectModel&)> change;
    const char* message;
  };
  const Case cases[] = {
      {"seismic coefficient 1e308",
       [](model::ProjectModel& m) { m.conditions.seismic_coef_inertia = 1e308; },
       "条件設定ファイル (QVTAJKN.CAL) の 30 行目の値が正しくありません。"},
      {"wall-top surcharge 1e308 kN/m2 in both cases",
       [](model::ProjectModel& m) {
         m.conditions.top_surcharges[0].load[0] = 1e308;
         m.conditions.top_surcharges[0].load[1] = 1e308;
       },
       "条件設定ファイル (QVTAJKN.CAL) の 140 行目の値が正しくありません。"},
  };
  for (const auto& [name, change, message] : cases) {
    SCOPED_TRACE(name);
    const EngineRun run = run_on_sample(change, "sample_block_quay");
    EXPECT_EQ(run.front_end_refusal, "");
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_NE(run.stderr_text.find(message), std::string::npos) << run.stderr_text;
    EXPECT_TRUE(run.dat.empty());
    EXPECT_EQ(run.files_with_non_finite_numbers, std::vector<std::string>{});
  }
  EXPECT_FALSE(holds_non_finite_number("  12.500 ,  -1.000 , 0.150 (kN/m)"));
  EXPECT_TRUE(holds_non_finite_number(" 30.000 ,     inf ,"));
  EXPECT_TRUE(holds_non_finite_number("-nan"));
}

// A 118-point circle of radius 3 (the most vertices a block holds) is divided whole: its
// weight is the polygon's area times 24 kN/m3. The area of a regular 118-gon of radius 3 is
// 118 / 2 x 9 x sin(2 pi / 118) = 28.2603 m2 (a full circle 28.274), so 678.25 kN/m, where the
// division once stopped at 100 pieces and weighed 833.8 of about 1,470 for a circle of 4.42.
TEST(BlockQuaySample, A118PointCircleIsWeighedWhole) {
  auto circle = [](model::ProjectModel& m) {
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i < 118; ++i) {
      const double a = -2 * std::numbers::pi * i / 118;  // clockwise
      pts.push_back({3 + 3 * std::cos(a), 3 + 3 * std::sin(a)});
    }
    add_polygon(m, pts);
  };
  const EngineRun plain = run_on_sample({}, "sample_block_quay");
  const EngineRun run = run_on_sample(circle, "sample_block_quay");
  ASSERT_EQ(run.exit_code, 0) << run.stderr_text;
  const double area = 118.0 / 2 * 9 * std::sin(2 * std::numbers::pi / 118);
  // Slot 6 of the result chain is the seismic vertical load: the circle lies above the R.W.L.
  // (y from 3 to 9), so its weight adds 24 x area, to the rounding of its pieces.
  EXPECT_NEAR(f64_at(run.dat, 6 * 8) - f64_at(plain.dat, 6 * 8), 24 * area, 0.1);
}

// Every moment is taken about the toe: the whole section moved 7.5 m along x weighs the same,
// with the same moments and the same force listing.
TEST(BlockQuaySample, MovingTheSectionAlongXChangesNoResult) {
  auto shift = [](model::ProjectModel& m) {
    constexpr double dx = 7.5;
    for (auto& b : m.wall_blocks) {
      for (model::BlockHead* h : {&b.polygon.head, &b.caisson.head, &b.quad.head,
                                  &b.counterfort.head, &b.library.head}) {
        h->ref_x += dx;
        h->label_x += dx;
        h->mark_x += dx;
      }
    }
    model::ProjectConditions& c = m.conditions;
    c.body_dims.ref_x += dx;
    c.imported_check_point.x += dx;
    for (auto& r : c.top_surcharges) r.x_min += dx, r.x_max += dx;
    for (auto& r : c.surcharge_ranges) r.x_min += dx, r.x_max += dx;
    for (int k = 0; k < c.surface_point_count; ++k) c.surface_points[k].x += dx;
    for (auto& per_case : c.external_forces)
      for (auto& f : per_case) f.x += dx;
    for (auto& r : c.body_reactions) r.check_x += dx;
    for (auto& p : c.pressure_points)
      for (int k = 1; k <= p.count; ++k) p.x[k] += dx;
  };
  const EngineRun plain = run_on_sample({}, "sample_block_quay");
  const EngineRun moved = run_on_sample(shift, "sample_block_quay");
  ASSERT_EQ(moved.exit_code, 0) << moved.stderr_text;
  ASSERT_EQ(plain.dat.size(), moved.dat.size());
  const std::size_t normal = 128, seismic = 368;
  for (std::size_t at : {normal + 0 * 8, normal + 16 * 8, seismic + 0 * 8, seismic + 16 * 8,
                         seismic + 19 * 8, std::size_t{7 * 8}, std::size_t{11 * 8}})
    EXPECT_EQ(f64_at(moved.dat, at), f64_at(plain.dat, at)) << at;
  EXPECT_NEAR(f64_at(moved.dat, normal + 16 * 8), 21568.92, 1e-9);
  EXPECT_EQ(moved.txt, plain.txt);
  EXPECT_FALSE(moved.txt.empty());
}

}  // namespace
}  // namespace qvt::zenobar
