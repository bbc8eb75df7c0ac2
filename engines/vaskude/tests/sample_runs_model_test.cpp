// VASKUDE run as a process after ZENOBAR on the test sections, written into a temporary work
// folder by the front end's own model, and on damaged copies of its input.
#include "common/tests/temp_dir.h"
#include "engines/common/tests/sample_work_folder.h"
#include "common/textfile.h"
#include "engines/common/pressure_files.h"
#include "engines/common/result_chain_file.h"
#include "frontend/model/project.h"
#include "frontend/model/project_files.h"
#include "frontend/model/snapshots.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/wait.h>

namespace qvt::vaskude {
namespace {

namespace fs = std::filesystem;
using engine::testing::run_engine;
constexpr auto run_program = run_engine;
constexpr auto file = engine::testing::work_file;
using model::testing::Recorder;
using enum engine::ForceSlot;

// Writes the engines' input of a sample (changed by `change`) into dir and runs ZENOBAR there.
void prepare(const qvt::testing::TempDir& dir, const char* sample,
             const std::function<void(model::ProjectModel&)>& change = {}) {
  engine::testing::write_sample_input(dir.path(), sample, change);
  if (::testing::Test::HasFatalFailure()) return;
  ASSERT_EQ(run_program(dir.path(), "ZENOBAR"), 0) << file(dir.path(), "stderr.txt");
}

// The slots of a force summary this engine owns.
bool owned_slot(int k) {
  for (engine::ForceSlot s :
       {FS_ACTIVE_HORIZONTAL_FORCE, FS_RESIDUAL_WATER_FORCE, FS_PASSIVE_HORIZONTAL_FORCE,
        FS_PASSIVE_VERTICAL_FORCE, FS_ACTIVE_VERTICAL_FORCE, FS_OTHER_HORIZONTAL_FORCE,
        FS_OTHER_VERTICAL_FORCE, FS_ACTIVE_HORIZONTAL_MOMENT, FS_RESIDUAL_WATER_MOMENT,
        FS_PASSIVE_HORIZONTAL_MOMENT, FS_ACTIVE_VERTICAL_MOMENT, FS_OTHER_HORIZONTAL_MOMENT,
        FS_OTHER_VERTICAL_MOMENT})
    if (k == s) return true;
  return false;
}

void expect_chain_extended(const std::string& before, const std::string& after,
                           const std::vector<int>& computed_cases, double body_width) {
  ASSERT_EQ(before.size(), 632u);
  ASSERT_EQ(after.size(), 5040u);
  const auto b = engine::decode_result_chain_base(before).value();
  const auto a = engine::decode_result_chain_layers(after).value();
  EXPECT_EQ(after.substr(0, 128), before.substr(0, 128));  // weight totals pass through
  for (int c = 0; c < 2; ++c) {
    const bool computed = std::find(computed_cases.begin(), computed_cases.end(), c) !=
                          computed_cases.end();
    for (int k = 0; k < engine::FORCE_SUMMARY_SLOTS; ++k)
      if (!computed || !owned_slot(k)) {
        EXPECT_EQ(a.base.force_summary[c].slot[k], b.force_summary[c].slot[k])
            << "case " << c << " slot " << k;
      }
  }
  EXPECT_EQ(a.base.body_totals[0], body_width);
  EXPECT_EQ(a.base.body_totals[1], b.body_totals[1]);
  EXPECT_EQ(a.base.body_totals[2], b.body_totals[2]);
}

// The block quay sample, layers worked by hand. Land input: sand from +3.0 (18 / 10, φ 30),
// clay from -10.0 (16 / 6, c 30 at the reference level -10.0, +2 per metre); the improved
// body's bottom -25.0 closes both sides (rear corner (20, -25), front (0, -25): width 20).
// Straight ground surface: no fill, land record 0 becomes 999.99.
// Boundaries inserted on the land side: R.W.L. +0.6 (kind 1), ground top +3.0 (kind 2; it is no
// longer a top after record 0 became 999.99), active seabed -10.0 = the sea-side seabed
// (already a top), seabed - 10 m = -20.0:
//   0: 999.99 sand   1: 3.0 sand   2: 0.6 sand   3: -10.0 clay   4: -20.0 clay   5: -25.0
// so the land count is 6, ground top index 1, R.W.L. index 2.
// Clay record 3: C(-10) = 30, C(-20) = 30 + 2 x 10 = 50 at the split; record 4 C(-25) = 60.
// Overburden from the ground top: record 1 2.4 x 18 = 43.2; record 2 10.6 x 10 = 106 -> 149.2;
// record 3 10 x 6 = 60 -> 209.2; record 4 5 x 6 = 30 -> 239.2.
TEST(BlockQuaySample, EarthPressureRunExtendsTheResultChain) {
  qvt::testing::TempDir dir;
  prepare(dir, "sample_block_quay");
  ASSERT_FALSE(HasFatalFailure());
  const std::string before = file(dir.path(), "CAL_ANS.DAT");
  ASSERT_EQ(run_program(dir.path(), "VASKUDE"), 0) << file(dir.path(), "stderr.txt");
  EXPECT_EQ(file(dir.path(), "stderr.txt"), "");
  const std::string after = file(dir.path(), "CAL_ANS.DAT");
  expect_chain_extended(before, after, {0, 1}, 20.0);
  const auto a = engine::decode_result_chain_layers(after).value();
  ASSERT_EQ(a.layers.land_boundary_count, 6);
  const double land_tops[] = {999.99, 3.0, 0.6, -10.0, -20.0, -25.0};
  for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(a.layers.land[i].top_level, land_tops[i]) << i;
  EXPECT_EQ(a.layers.land[3].soil_type, 1);
  EXPECT_DOUBLE_EQ(a.layers.land[3].top_cohesion, 30.0);
  EXPECT_DOUBLE_EQ(a.layers.land[3].bottom_cohesion, 50.0);
  EXPECT_DOUBLE_EQ(a.layers.land[4].top_cohesion, 50.0);
  EXPECT_DOUBLE_EQ(a.layers.land[4].bottom_cohesion, 60.0);
  EXPECT_DOUBLE_EQ(a.layers.land[1].phi, 30.0);

  const auto prn1 = engine::decode_pressure_work_file(file(dir.path(), "DAT_PRN1.DAT"));
  ASSERT_TRUE(prn1);
  EXPECT_EQ(prn1->header.ground_top_index, 1);
  EXPECT_EQ(prn1->header.rwl_index, 2);
  EXPECT_EQ(prn1->header.land_boundary_count, 6);
  EXPECT_EQ(prn1->header.ground_vertex_count, 0);
  EXPECT_DOUBLE_EQ(prn1->land[1].overburden_bottom, 43.2);
  EXPECT_DOUBLE_EQ(prn1->land[2].overburden_bottom, 149.2);
  EXPECT_DOUBLE_EQ(prn1->land[3].overburden_bottom, 209.2);
  EXPECT_DOUBLE_EQ(prn1->land[4].overburden_bottom, 239.2);
  EXPECT_DOUBLE_EQ(prn1->land[4].top_level, -20.0);
  EXPECT_DOUBLE_EQ(prn1->land[5].top_level, -25.0);
}
}  // namespace
}  // namespace qvt::vaskude

namespace qvt::vaskude {
namespace {

const char* const kCaseFiles[2][6] = {
    {"DAT_SYU1.DAT", "DAT_JYU1.DAT", "DAT_ENT1.DAT", "DAT_ENT3.DAT", "DAT_SUI1.DAT",
     "DAT_PRN1.DAT"},
    {"DAT_SYU2.DAT", "DAT_JYU2.DAT", "DAT_ENT2.DAT", "DAT_ENT4.DAT", "DAT_SUI2.DAT",
     "DAT_PRN2.DAT"}};

// The caisson sample with the normal case only and with both cases: which files exist, their
// sizes, DAT_ANS.DAT's blocks and the seismic summary passed through in a normal-only run.
// Caisson body on the improved body: rear corner (20, -25), front (0, -25), width 20. Land
// stack as in the block quay sample: ground top index 1, 6 boundaries, so 6 - 1 - 1 = 4 land
// segments; sea: seabed -10.0, seabed - 10 m -20.0, body bottom -25.0 (the L.W.L. 0.0 lies
// above the sea table): 3 boundaries, 2 segments.
TEST(CaissonSample, FilesWrittenBySeismicCheck) {
  for (int seismic_check : {0, 2}) {
    SCOPED_TRACE(seismic_check);
    qvt::testing::TempDir dir;
    prepare(dir, "sample_caisson_quay",
            [&](model::ProjectModel& m) { m.conditions.seismic_check = seismic_check; });
    ASSERT_FALSE(HasFatalFailure());
    const std::string before = file(dir.path(), "CAL_ANS.DAT");
    ASSERT_EQ(run_program(dir.path(), "VASKUDE"), 0) << file(dir.path(), "stderr.txt");
    const std::vector<int> cases = seismic_check == 0 ? std::vector<int>{0} : std::vector<int>{0, 1};
    expect_chain_extended(before, file(dir.path(), "CAL_ANS.DAT"), cases, 20.0);
    for (int c = 0; c < 2; ++c)
      for (const char* name : kCaseFiles[c]) {
        const bool wanted = c == 0 || seismic_check == 2;
        EXPECT_EQ(fs::exists(dir / name), wanted) << name;
        if (!wanted) continue;
        const std::size_t size = file(dir.path(), name).size();
        EXPECT_EQ(size, std::string(name).starts_with("DAT_PRN") ? 55492u : 3220u) << name;
      }
    const auto eki2 = engine::decode_load_table(file(dir.path(), "DAT_EKI2.DAT"));
    ASSERT_TRUE(eki2);
    EXPECT_EQ(eki2->item_count, 0);
    const auto blocks = engine::decode_layer_pressure_file(file(dir.path(), "DAT_ANS.DAT"));
    ASSERT_TRUE(blocks);
    ASSERT_EQ(blocks->size(), seismic_check == 0 ? 1u : 2u);
    for (const auto& b : *blocks) {
      ASSERT_EQ(b.land.size(), 4u);
      EXPECT_EQ(b.land[0].layer_index, 1);
      EXPECT_DOUBLE_EQ(b.land[0].top_level, 3.0);
      EXPECT_DOUBLE_EQ(b.land[0].bottom_level, 0.6);
      EXPECT_DOUBLE_EQ(b.land[3].bottom_level, -25.0);
      ASSERT_EQ(b.sea.size(), 2u);
      EXPECT_EQ(b.sea[0].layer_index, 0);
      EXPECT_DOUBLE_EQ(b.sea[0].top_level, -10.0);
      EXPECT_DOUBLE_EQ(b.sea[1].top_level, -20.0);
      EXPECT_DOUBLE_EQ(b.sea[1].bottom_level, -25.0);
    }
    const auto listing = read_lines(dir / "CAL_ANS.TXT");
    ASSERT_TRUE(listing);
    EXPECT_EQ(listing->size(), 35u);
  }
}

TEST(CaissonSample, TheSeismicCaseAloneIsRefused) {
  // The front end's pages offer only 0 and 2; a conditions file that asks for 1 is refused
  // before anything is written, so no stability engine reads seismic forces as normal ones.
  qvt::testing::TempDir dir;
  prepare(dir, "sample_caisson_quay",
          [](model::ProjectModel& m) { m.conditions.seismic_check = 1; });
  ASSERT_FALSE(HasFatalFailure());
  const std::string before = file(dir.path(), "CAL_ANS.DAT");
  EXPECT_EQ(run_program(dir.path(), "VASKUDE"), 1);
  EXPECT_NE(file(dir.path(), "stderr.txt").find("地震時のみの計算には対応していません"),
            std::string::npos);
  EXPECT_EQ(file(dir.path(), "CAL_ANS.DAT"), before);  // nothing passed on
  EXPECT_FALSE(fs::exists(dir / "DAT_ANS.DAT"));
}

// Damaged input never crashes the engine: each case ends with a message and exit code 1, or
// with exit code 0 and a complete, finite CAL_ANS.DAT.
TEST(BlockQuaySample, DamagedInputEndsWithAMessageOrFiniteResults) {
  struct Damage {
    const char* file;
    std::function<std::string(std::string)> change;
    const char* what;
  };
  auto cut = [](std::size_t keep) {
    return [keep](std::string s) { return s.substr(0, std::min(keep, s.size())); };
  };
  const Damage damages[] = {
      {"CAL_ANS.DAT", cut(0), "empty"},
      {"CAL_ANS.DAT", cut(631), "one byte short"},
      {"CAL_ANS.DAT", cut(316), "half"},
      {"CAL_ANS.DAT", [](std::string s) { return s + "junk appended"; }, "junk appended"},
      {"CAL_ANS.DAT",
       [](std::string s) {
         for (std::size_t k = 128; k < 136; ++k) s[k] = '\xff';  // a NaN in slot 0
         return s;
       },
       "not a number"},
      {"QVTAJKN.CAL", cut(0), "empty conditions"},
      {"QVTAJKN.CAL", [](std::string s) { return s.substr(0, s.size() / 2); }, "half"},
      {"QVTAJKN.CAL", [](std::string s) { return s.substr(0, s.size() - 7); }, "short"},
      {"QVTABLK.CAL", [](std::string s) { return s.substr(0, s.size() / 3); }, "blocks cut"},
      {"QVTABLK.CAL", cut(0), "blocks empty"},
  };
  std::vector<Damage> all(std::begin(damages), std::end(damages));
  // Byte flips through the two condition files: digits become other digits, signs and junk.
  for (const char* name : {"QVTAJKN.CAL", "QVTABLK.CAL"})
    for (std::size_t step : {97u, 211u, 389u})
      all.push_back({name,
                     [step](std::string s) {
                       for (std::size_t k = step; k < s.size(); k += step * 3)
                         s[k] = "9-e.x"[k % 5];
                       return s;
                     },
                     "byte flips"});
  // Oversized counts: every small number on a line of its own becomes 999.
  for (const char* name : {"QVTAJKN.CAL", "QVTABLK.CAL"})
    all.push_back({name,
                   [](std::string s) {
                     auto lines = split_lines(s);
                     for (std::string& l : lines)
                       if (l == "2" || l == "3" || l == "1") l = "999";
                     return join_crlf(lines);
                   },
                   "oversized counts"});
  for (const Damage& d : all) {
    SCOPED_TRACE(std::string(d.file) + ": " + d.what);
    qvt::testing::TempDir dir;
    prepare(dir, "sample_block_quay");
    ASSERT_FALSE(HasFatalFailure());
    write_file_bytes(dir / d.file, d.change(file(dir.path(), d.file)));
    const int code = run_program(dir.path(), "VASKUDE");
    const std::string err = file(dir.path(), "stderr.txt");
    ASSERT_TRUE(code == 0 || code == 1) << code << err;
    if (code == 1) {
      EXPECT_NE(err.find("QVTMSG\terror\t"), std::string::npos) << err;
    } else {
      const auto chain = engine::decode_result_chain_layers(file(dir.path(), "CAL_ANS.DAT"));
      ASSERT_TRUE(chain);
      for (const auto& f : chain->base.force_summary)
        for (double v : f.slot) EXPECT_TRUE(std::isfinite(v));
      for (const auto& s : chain->layers.land) EXPECT_TRUE(std::isfinite(s.top_level));
    }
    // A CAL_ANS.DAT cut short or holding no numbers is refused; bytes after the base are not
    // read.
    if (std::string(d.file) == "CAL_ANS.DAT" && std::string(d.what) != "junk appended") {
      EXPECT_EQ(code, 1) << d.what;
    }
  }
}

// A result file that cannot be created, and one on a full disk, end the run with a message.
TEST(BlockQuaySample, ResultFilesThatCannotBeWrittenStopTheRun) {
  struct Row {
    const char* name;
    bool full_disk;
    const char* text;
  };
  const Row rows[] = {
      {"DAT_PRN1.DAT", false, "土圧計算結果ファイル(DAT_PRN.DAT)がオープンできません"},
      {"DAT_ANS.DAT", false, "(DAT_ANS.DAT)がオープンできません"},
      {"DAT_SYU1.DAT", true, "ファイル(DAT_SYU1.DAT)の書き込みに失敗しました"},
      {"DAT_ANS.DAT", true, "ファイル(DAT_ANS.DAT)の書き込みに失敗しました"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    if (r.full_disk && !fs::exists("/dev/full")) continue;
    qvt::testing::TempDir dir;
    prepare(dir, "sample_block_quay");
    ASSERT_FALSE(HasFatalFailure());
    if (r.full_disk)
      fs::create_symlink("/dev/full", dir / r.name);
    else
      fs::create_directory(dir / r.name);
    EXPECT_EQ(run_program(dir.path(), "VASKUDE"), 1);
    EXPECT_NE(file(dir.path(), "stderr.txt").find(r.text), std::string::npos)
        << file(dir.path(), "stderr.txt");
    EXPECT_EQ(file(dir.path(), "CAL_ANS.DAT").size(), 632u);  // the chain is not extended
  }
}

}  // namespace
}  // namespace qvt::vaskude

namespace qvt::vaskude {
namespace {

// The block quay sample's normal case, worked by hand. Conditions: surface surcharge 10, wall
// friction 15 degrees, kc 0.5, R.W.L. +0.6, L.W.L. 0.0, γw 10.1; toe (0, -25), rear face x 20.
// Land (overburden as in the test above): sand +3.0 .. +0.6 (S 0 .. 43.2) and +0.6 .. -10.0
// (S 43.2 .. 149.2), φ 30: K cos δ = 0.2911, K sin δ = 0.0780 (Coulomb, δ 15: A = sin 45 sin
// 30 / cos 15 = 0.366025, K = 0.75 / (0.965926 x 1.605004²) = 0.301417). Intensities
// 0.2911 (S + 10): 2.911, 15.487 | 15.487, 46.343. Clay -10 .. -20 (c 30 .. 50) and -20 .. -25
// (c 50 .. 60): (S + 10) - 2c against 0.5 (S + 10): 99.2 (> 79.6), 119.2 (> 109.6) | 119.2,
// 129.2 (> 124.6).
// Items (triangle on each end, force p h / 2, level the mean of the corners to 0.001, arm
// above -25): 3.493 at 2.2 -> 95.010; 18.584 at 1.4 -> 490.618; 82.081 at -2.933 ->
// 1811.281; 245.618 at -6.467 -> 4552.038; 496 at -13.333 -> 5786.832; 596 at -16.667 ->
// 4966.468; 298 at -21.667 -> 993.234; 323 at -23.333 -> 538.441: force 2062.776, moment
// 19233.922.
// Sea clay -10 .. -20 (c 30 .. 50, S 0 .. 60) and -20 .. -25 (c 50 .. 60, S 60 .. 90): S + 2c:
// 60, 160 | 160, 210. Items 300 at -13.333, 800 at -16.667, 400 at -21.667, 525 at -23.333:
// force 2025, moment 3500.1 + 6666.4 + 1333.2 + 875.175 = 12374.875.
// Vertical: 0.0780 (S + 10): 0.780, 4.150 | 4.150, 12.418; items 0.936, 4.98, 21.995, 65.815 =
// 93.726 at the rear face (arm 20): 1874.52.
// Residual water: pw = 0.6 x 10.1 = 6.06; triangle 1.818 at 0.2 (arm 25.2) -> 45.814;
// rectangle 6.06 x 25 = 151.5 at -12.5 (arm 12.5) -> 1893.75: 153.318 and 1939.564.
TEST(BlockQuaySample, NormalCaseResultantsWorkedByHand) {
  qvt::testing::TempDir dir;
  prepare(dir, "sample_block_quay");
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_EQ(run_program(dir.path(), "VASKUDE"), 0) << file(dir.path(), "stderr.txt");
  const auto chain = engine::decode_result_chain_layers(file(dir.path(), "CAL_ANS.DAT")).value();
  const auto& N = chain.base.force_summary[0].slot;
  EXPECT_NEAR(N[FS_ACTIVE_HORIZONTAL_FORCE], 2062.776, 1e-9);
  EXPECT_NEAR(N[FS_ACTIVE_HORIZONTAL_MOMENT], 19233.922, 1e-9);
  EXPECT_NEAR(N[FS_PASSIVE_HORIZONTAL_FORCE], 2025.0, 1e-9);
  EXPECT_NEAR(N[FS_PASSIVE_HORIZONTAL_MOMENT], 12374.875, 1e-9);
  EXPECT_NEAR(N[FS_ACTIVE_VERTICAL_FORCE], 93.726, 1e-9);
  EXPECT_NEAR(N[FS_ACTIVE_VERTICAL_MOMENT], 1874.52, 1e-9);
  EXPECT_NEAR(N[FS_PASSIVE_VERTICAL_FORCE], 0.0, 1e-12);  // clay in front: no vertical component
  EXPECT_NEAR(N[FS_RESIDUAL_WATER_FORCE], 153.318, 1e-9);
  EXPECT_NEAR(N[FS_RESIDUAL_WATER_MOMENT], 1939.564, 1e-9);
  const auto blocks = engine::decode_layer_pressure_file(file(dir.path(), "DAT_ANS.DAT"));
  ASSERT_TRUE(blocks);
  ASSERT_EQ(blocks->size(), 2u);
  const double active[4][2] = {{2.911, 15.487}, {15.487, 46.343}, {99.2, 119.2}, {119.2, 129.2}};
  ASSERT_EQ((*blocks)[0].land.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_DOUBLE_EQ((*blocks)[0].land[i].active_top, active[i][0]) << i;
    EXPECT_DOUBLE_EQ((*blocks)[0].land[i].active_bottom, active[i][1]) << i;
  }
  EXPECT_DOUBLE_EQ((*blocks)[0].land[1].water_bottom, 6.06);
  EXPECT_DOUBLE_EQ((*blocks)[0].sea[1].passive_bottom, 210.0);
  const auto syu = engine::decode_load_table(file(dir.path(), "DAT_SYU1.DAT")).value();
  EXPECT_EQ(syu.item_count, 8);
  EXPECT_NEAR(syu.total_force, 2062.776, 1e-9);

  // Seismic case: k 0.15 in air, the apparent coefficient 0.3 given directly below the
  // R.W.L., surface surcharge 5. θ = atan 0.15 = 8.53 -> 8.5 degrees: A = sin 45 sin 21.5 /
  // cos 23.5 = 0.282594, K = cos² 21.5 / (cos 8.5 cos 23.5 x 1.531597²) = 0.406880,
  // K cos 15 = 0.3930: 0.3930 x 5 = 1.965, 0.3930 x 48.2 = 18.943. θ = atan 0.3 = 16.7:
  // A = sin 45 sin 13.3 / cos 31.7 = 0.191194, K = cos² 13.3 / (cos 16.7 cos 31.7 x
  // 1.437256²) = 0.562598, K cos 15 = 0.5434: 0.5434 x 48.2 = 26.192, 0.5434 x 154.2 =
  // 83.792. Clay top at the active seabed (S 149.2, c 30, w 5, θ 16.7): ζ = atan √(1 -
  // tan 16.7 x 159.2 / 60) = atan √0.203962 = 24.305 -> 24.3; 154.2 sin 41.0 / (cos 16.7
  // sin 24.3) - 30 / (cos 24.3 sin 24.3) = 256.660 - 79.989 = 176.671.
  const double seismic[3][2] = {{1.965, 18.943}, {26.192, 83.792}, {176.671, 0}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ((*blocks)[1].land[i].active_top, seismic[i][0]) << i;
    if (i < 2) {
      EXPECT_DOUBLE_EQ((*blocks)[1].land[i].active_bottom, seismic[i][1]) << i;
    }
  }
}

// Both samples run through with every number of the chain and the pressure files finite.
TEST(Samples, EveryResultIsFinite) {
  for (const char* sample : {"sample_block_quay", "sample_caisson_quay"}) {
    SCOPED_TRACE(sample);
    qvt::testing::TempDir dir;
    prepare(dir, sample);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(run_program(dir.path(), "VASKUDE"), 0) << file(dir.path(), "stderr.txt");
    const auto chain = engine::decode_result_chain_layers(file(dir.path(), "CAL_ANS.DAT"));
    ASSERT_TRUE(chain);
    for (const auto& f : chain->base.force_summary)
      for (double v : f.slot) EXPECT_TRUE(std::isfinite(v));
    for (const char* prn : {"DAT_PRN1.DAT", "DAT_PRN2.DAT"}) {
      const std::string bytes = file(dir.path(), prn);
      ASSERT_EQ(bytes.size(), engine::PRESSURE_WORK_FILE_BYTES);
      const auto p = engine::decode_pressure_work_file(bytes).value();
      for (int i = 0; i < engine::LAYER_RECORDS; ++i)
        for (double v : {p.active[i].horizontal_top, p.active[i].horizontal_bottom,
                         p.passive[i].passive_top, p.passive[i].passive_bottom,
                         p.land[i].surcharge_bottom, p.land[i].failure_angle})
          EXPECT_TRUE(std::isfinite(v)) << prn << " " << i;
    }
    EXPECT_TRUE(fs::exists(dir / "DMMATOME.PDT"));
    EXPECT_TRUE(fs::exists(dir / "D_MATOME.PFM"));
  }
}


// The block quay sample with its land sand layer (+3.0 .. -10.0, slurry 18) and its sea clay
// layer liquefied, liquefied pressure coefficient 0.5, L.W.L. 0.0. Seismic case, k 0.15:
// Land zone +3.0 .. -10.0: H = 13. Record +0.6 .. -10.0: top y = 2.4: static (43.2 + 5) x 0.5
// = 24.1, dynamic 0.875 x 0.15 x 18 x √(13 x 2.4) = 13.196207: 37.296 (> 26.192, it wins);
// bottom y = 13: 77.1 + 0.875 x 0.15 x 18 x 13 = 107.8125 -> 107.813 (> 83.792). Record
// +3.0 .. +0.6: top (0 + 5) x 0.5 = 2.5 (> 1.965), bottom 37.296 (> 18.943).
// Sea zone -10 .. -25: H = 15, below the L.W.L. 25 m. Dynamic 0.875 x 0.15 (6 √(15 y) +
// 10.1 √(25 d)): at -10 (y 0, d 10) 20.960; at -20 (y 10, d 20) 39.287; at -25 (y 15, d 25)
// 11.8125 + 33.140625 = 44.953. Items: 104.8, 196.435, 98.218, 112.383 (triangles p h / 2).
TEST(BlockQuaySample, LiquefiedLayersInTheSeismicCase) {
  qvt::testing::TempDir dir;
  prepare(dir, "sample_block_quay", [](model::ProjectModel& m) {
    m.conditions.liquefied_pressure_coef = 0.5;
    m.conditions.soil_layers[SIDE_ACTIVE][0].liquefied = 1;
    m.conditions.soil_layers[SIDE_ACTIVE][0].slurry_unit_weight = 18;
    m.conditions.soil_layers[SIDE_PASSIVE][0].liquefied = 1;
  });
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_EQ(run_program(dir.path(), "VASKUDE"), 0) << file(dir.path(), "stderr.txt");
  EXPECT_EQ(file(dir.path(), "stderr.txt"), "");
  const auto blocks = engine::decode_layer_pressure_file(file(dir.path(), "DAT_ANS.DAT"));
  ASSERT_TRUE(blocks);
  ASSERT_EQ(blocks->size(), 2u);
  EXPECT_DOUBLE_EQ((*blocks)[0].land[0].active_top, 2.911);  // the normal case is untouched
  const auto& land = (*blocks)[1].land;
  EXPECT_DOUBLE_EQ(land[0].active_top, 2.5);
  EXPECT_DOUBLE_EQ(land[0].active_bottom, 37.296);
  EXPECT_DOUBLE_EQ(land[1].active_top, 37.296);
  EXPECT_DOUBLE_EQ(land[1].active_bottom, 107.813);
  const auto eki = engine::decode_load_table(file(dir.path(), "DAT_EKI2.DAT")).value();
  ASSERT_EQ(eki.item_count, 4);
  const double forces[] = {104.8, 196.435, 98.218, 112.383};
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(eki.items[k].force, forces[k], 0.0011) << k;
  const auto syu = engine::decode_load_table(file(dir.path(), "DAT_SYU2.DAT")).value();
  const auto chain = engine::decode_result_chain_layers(file(dir.path(), "CAL_ANS.DAT")).value();
  double eki_sum = 0;
  for (int k = 0; k < 4; ++k) eki_sum += eki.items[k].force;
  EXPECT_NEAR(chain.base.force_summary[1].slot[FS_ACTIVE_HORIZONTAL_FORCE],
              syu.total_force + eki_sum, 1e-9);
  for (const auto& f : chain.base.force_summary)
    for (double v : f.slot) EXPECT_TRUE(std::isfinite(v));
}

}  // namespace
}  // namespace qvt::vaskude
