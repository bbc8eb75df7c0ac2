// ZENOBAR, VASKUDE and MERITAN run in a row as processes on the test sections, written into a
// temporary work folder by the front end's own model; then MERITAN alone on damaged input.
#include "common/check_summary_format.h"
#include "common/check_verdict.h"
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "engines/common/tests/sample_work_folder.h"
#include "common/textfile.h"
#include "engines/common/condition_readers.h"
#include "engines/common/result_chain_file.h"
#include "engines/common/rounding_geometry.h"
#include "frontend/model/project.h"
#include "frontend/model/project_files.h"
#include "frontend/model/snapshots.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/wait.h>

namespace qvt::meritan {
namespace {

namespace fs = std::filesystem;
using engine::testing::run_engine;
constexpr auto run_program = run_engine;
constexpr auto file = engine::testing::work_file;
using model::testing::Recorder;
using enum engine::ForceSlot;

// Writes the engines' input of a sample (changed by `change`) into dir and runs ZENOBAR and
// VASKUDE there.
void prepare(const qvt::testing::TempDir& dir, const char* sample,
             const std::function<void(model::ProjectModel&)>& change = {}) {
  engine::testing::write_sample_input(dir.path(), sample, change);
  if (::testing::Test::HasFatalFailure()) return;
  ASSERT_EQ(run_program(dir.path(), "ZENOBAR"), 0) << file(dir.path(), "stderr.txt");
  ASSERT_EQ(run_program(dir.path(), "VASKUDE"), 0) << file(dir.path(), "stderr.txt");
}

double rnd(double v) { return engine::round_to_unit(v, 0.001, 0); }
double rdown(double v) { return engine::round_to_unit(v, 0.001, 1); }

// Lines 1 to 3 of a block body on a flat base and friction ground, worked out from the force
// summary of the case and the conditions with the formulas of the design method.
std::vector<std::string> expected_block_lines(const engine::ConditionData& cd,
                                              const engine::ResultChainWithLayers& chain,
                                              int c) {
  const auto& f = chain.base.force_summary[c].slot;
  const auto& bl = cd.bearing_layer;
  const double b = chain.base.body_totals[0];
  const double pv = cd.custom_options.passive_vertical_ignored ? 0 : f[FS_PASSIVE_VERTICAL_FORCE];
  const double v = f[FS_EFFECTIVE_WEIGHT] + f[FS_ACTIVE_VERTICAL_FORCE] +
                   f[FS_OTHER_VERTICAL_FORCE] + f[FS_ACTIVE_SIDE_ADHESION] +
                   f[FS_PASSIVE_SIDE_ADHESION] + pv;
  const double h = f[FS_SEISMIC_INERTIA] + f[FS_ACTIVE_HORIZONTAL_FORCE] +
                   f[FS_RESIDUAL_WATER_FORCE] + f[FS_DYNAMIC_WATER_RESULTANT] +
                   f[FS_OTHER_HORIZONTAL_FORCE];
  const double mr = f[FS_EFFECTIVE_WEIGHT_MOMENT] + f[FS_PASSIVE_HORIZONTAL_MOMENT] +
                    f[FS_ACTIVE_VERTICAL_MOMENT] + f[FS_OTHER_VERTICAL_MOMENT] +
                    f[FS_SIDE_ADHESION_MOMENT];
  const double mo = f[FS_SEISMIC_INERTIA_MOMENT] + f[FS_ACTIVE_HORIZONTAL_MOMENT] +
                    f[FS_RESIDUAL_WATER_MOMENT] + f[FS_DYNAMIC_WATER_MOMENT] +
                    f[FS_OTHER_HORIZONTAL_MOMENT];
  char text[3][200];
  // Sliding: μ from the friction rule, τ the allowable shear stress.
  const double mu = bl.friction_rule == 1 ? std::tan(bl.phi * 3.141592653589793 / 180) : bl.friction_mu;
  const double req_s = cd.safety_factors[0][c];
  if (h > 0) {
    const double r1 = rnd(rnd(v) * mu), r2 = rnd(cd.allowable_stresses[1][c] * b);
    const double fs = rdown((f[FS_PASSIVE_HORIZONTAL_FORCE] + std::min(r1, r2)) / h);
    std::snprintf(text[0], 200, "%lf,%lf,%d", fs, req_s, fs < req_s ? 1 : 0);
  } else {
    std::snprintf(text[0], 200, "%lf,%lf,1", 0.0, req_s);
  }
  const double req_o = cd.safety_factors[1][c];
  if (mo > 0) {
    const double fs = rdown(mr / mo);
    std::snprintf(text[1], 200, "%lf,%lf,%d", fs, req_o, fs < req_o ? 1 : 0);
  } else {
    std::snprintf(text[1], 200, "%lf,%lf,1", 0.0, req_o);
  }
  // Ground reaction and bearing capacity (sandy: β γ B' Nγ + q' Nq over F, plus q').
  const double x = rnd((mr - mo) / v), e = rnd(b / 2 - x);
  double q1, width = b;
  if (e <= 0)
    q1 = rnd(v / b);
  else if (e <= rnd(b / 6))
    q1 = rnd(v / b * (1 + 6 * e / b));
  else
    q1 = rnd(2 * v / (3 * x)), width = rnd(3 * x);
  double qp = 0;
  const auto& sea = chain.layers.sea;
  for (int j = 0; j + 1 < chain.layers.sea_boundary_count; ++j) {
    if (rnd(sea[j].top_level) > rnd(cd.soil_layers[0][0].top_level)) continue;
    const double g = (sea[j].top_level + sea[j + 1].top_level) / 2 > cd.water_levels[1]
                         ? sea[j].unit_weight_air
                         : sea[j].unit_weight_submerged;
    qp += rnd((sea[j].top_level - sea[j + 1].top_level) * g);
  }
  const double fb = cd.safety_factors[2][c];
  const double qa = rnd(1 / fb * (bl.shape_factor * bl.unit_weight * width * bl.bearing_nr +
                                  qp * bl.bearing_nq) + qp);
  std::snprintf(text[2], 200, "%lf,%lf,%d", q1, qa, qa < q1 ? 1 : 0);
  return {text[0], text[1], text[2]};
}

TEST(SampleRuns, ThreeEnginesInARow) {
  for (const char* sample : {"sample_block_quay", "sample_caisson_quay"}) {
    SCOPED_TRACE(sample);
    qvt::testing::TempDir dir;
    prepare(dir, sample);
    ASSERT_FALSE(HasFatalFailure());
    const std::string before = file(dir.path(), "CAL_ANS.DAT");
    const std::string listing = file(dir.path(), "CAL_ANS.TXT");
    ASSERT_EQ(before.size(), 5040u);
    ASSERT_EQ(run_program(dir.path(), "MERITAN"), 0) << file(dir.path(), "stderr.txt");
    const std::string after = file(dir.path(), "CAL_ANS.DAT");
    ASSERT_EQ(after.size(), 5136u);
    EXPECT_EQ(after.substr(0, 5040), before);
    EXPECT_EQ(file(dir.path(), "CAL_ANS.TXT"), listing);
    const auto summary_lines = split_lines(file(dir.path(), "CAL_ANZ.DAT"));
    ASSERT_EQ(summary_lines.size(), 16u);
    EXPECT_TRUE(parse_check_summary(summary_lines));
    const std::string text = file(dir.path(), "CAL_ANZ.DAT");
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_EQ(text.find("nan"), std::string::npos);
    // Lines 4 to 8 of each case are the internal stability engine's: zeros.
    for (int c = 0; c < 2; ++c)
      for (int k = 3; k < 8; ++k)
        EXPECT_EQ(summary_lines[c * 8 + k], k == 6 ? "0.000000,0.000000,0.000000,0.000000,0"
                                                   : "0.000000,0.000000,0");

    if (std::string(sample) != "sample_block_quay") continue;
    auto cd = std::make_unique<engine::ConditionData>();
    ASSERT_TRUE(engine::read_conditions_file(*cd, dir.path()).ok());
    ASSERT_EQ(cd->improvement_pattern, PATTERN_BLOCK);
    ASSERT_EQ(cd->body_dims.dh1, cd->body_dims.dh2);  // flat base
    ASSERT_EQ(cd->bearing_layer.soil_type, 0);        // sandy: friction ground
    const auto chain = engine::decode_result_chain_layers(after).value();
    for (int c = 0; c < 2; ++c) {
      SCOPED_TRACE(c);
      const auto expected = expected_block_lines(*cd, chain, c);
      for (int k = 0; k < 3; ++k) EXPECT_EQ(summary_lines[c * 8 + k], expected[k]) << k;
    }
    const auto tail = engine::decode_external_results(after).value();
    const auto s = parse_check_summary(summary_lines).value();
    for (int c = 0; c < 2; ++c) {
      // What the summary and the chain tail say of the same case agrees.
      if (s.values[c][CV_SLIDING_FS] != 0) {
        EXPECT_EQ(tail.sliding_fs[c], s.values[c][CV_SLIDING_FS]);
      }
      if (s.values[c][CV_MAX_REACTION] != 0) {
        EXPECT_EQ(tail.reaction[c][0], s.values[c][CV_MAX_REACTION]);
      }
    }
  }
}

// The normal case alone: no seismic report, the seismic entries keep their presets, lines 9 to
// 16 of the summary are zero lines.
TEST(SampleRuns, NormalCaseOnly) {
  qvt::testing::TempDir dir;
  prepare(dir, "sample_block_quay",
          [](model::ProjectModel& m) { m.conditions.seismic_check = 0; });
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_EQ(run_program(dir.path(), "MERITAN"), 0) << file(dir.path(), "stderr.txt");
  for (const char* name : {"DM103KAT.PDT", "DM104TEN.PDT", "DM105HAN.PDT", "DM106SIJ.PDT"})
    EXPECT_FALSE(fs::exists(dir / name)) << name;
  const auto tail = engine::decode_external_results(file(dir.path(), "CAL_ANS.DAT")).value();
  EXPECT_EQ(tail.sliding_fs[1], -9999.99);
  EXPECT_EQ(tail.overturning_fs[1], -9999.99);
  EXPECT_EQ(tail.reaction[1][0], -9999.99);
  EXPECT_EQ(tail.reaction[1][1], -9999.99);
  EXPECT_EQ(tail.allowable_bearing[1], -9999.99);
  EXPECT_EQ(tail.effective_width[1], 0);
  const auto lines = split_lines(file(dir.path(), "CAL_ANZ.DAT"));
  ASSERT_EQ(lines.size(), 16u);
  for (int k = 8; k < 16; ++k)
    EXPECT_EQ(lines[k], k == 14 ? "0.000000,0.000000,0.000000,0.000000,0" : "0.000000,0.000000,0");
}

// Input MERITAN cannot trust stops it with a message and exit code 1, before it writes anything.
TEST(SampleRuns, DamagedInputStopsTheEngine) {
  struct Case {
    const char* name;
    std::function<void(const fs::path&)> damage;
    const char* message;
  } cases[] = {
      {"chain missing", [](const fs::path& d) { fs::remove(d / "CAL_ANS.DAT"); },
       "計算結果ファイル (CAL_ANS.DAT) が見つかりません。"},
      {"chain of the block weights only",
       [](const fs::path& d) {
         ASSERT_TRUE(write_file_bytes(d / "CAL_ANS.DAT",
                                      read_file_bytes(d / "CAL_ANS.DAT")->substr(0, 632)));
       },
       "計算結果ファイル (CAL_ANS.DAT) が壊れています。"},
      {"chain one byte short",
       [](const fs::path& d) {
         ASSERT_TRUE(write_file_bytes(d / "CAL_ANS.DAT",
                                      read_file_bytes(d / "CAL_ANS.DAT")->substr(0, 5039)));
       },
       "計算結果ファイル (CAL_ANS.DAT) が壊れています。"},
      {"value that is no number",
       [](const fs::path& d) {
         std::string b = *read_file_bytes(d / "CAL_ANS.DAT");
         const double nan = std::nan("");
         std::memcpy(b.data() + 128 + 8 * 6, &nan, 8);
         ASSERT_TRUE(write_file_bytes(d / "CAL_ANS.DAT", b));
       },
       "計算結果ファイル (CAL_ANS.DAT) が壊れています。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    qvt::testing::TempDir dir;
    prepare(dir, "sample_block_quay");
    ASSERT_FALSE(HasFatalFailure());
    c.damage(dir.path());
    fs::remove(dir / "stderr.txt");
    EXPECT_EQ(run_program(dir.path(), "MERITAN"), 1);
    EXPECT_NE(file(dir.path(), "stderr.txt").find(c.message), std::string::npos)
        << file(dir.path(), "stderr.txt");
    EXPECT_FALSE(fs::exists(dir / "CAL_ANZ.DAT"));
    EXPECT_FALSE(fs::exists(dir / "DM003KAT.PDT"));
  }
}

// An improvement pattern without checks would leave a summary of zeros that reads as passed.
TEST(SampleRuns, UnknownPatternStopsTheEngine) {
  qvt::testing::TempDir dir;
  prepare(dir, "sample_block_quay");
  ASSERT_FALSE(HasFatalFailure());
  // The front end never writes such a pattern: change the item in the conditions file.
  auto lines = read_lines(dir / "QVTAJKN.CAL").value();
  ASSERT_EQ(lines.at(6), "0");  // seismic check, then the improvement pattern
  lines[6] = "7";
  ASSERT_TRUE(write_file_bytes(dir / "QVTAJKN.CAL", join_crlf(lines)));
  fs::remove(dir / "stderr.txt");
  EXPECT_EQ(run_program(dir.path(), "MERITAN"), 1);
  EXPECT_NE(file(dir.path(), "stderr.txt").find("改良形式 (7)"), std::string::npos)
      << file(dir.path(), "stderr.txt");
  EXPECT_FALSE(fs::exists(dir / "CAL_ANZ.DAT"));
}

// Output that cannot be written ends the run with a message, never with exit code 0.
TEST(SampleRuns, UnwritableOutputStopsTheEngine) {
  for (const char* name : {"CAL_ANZ.DAT", "DM005HAN.PDT"}) {
    SCOPED_TRACE(name);
    qvt::testing::TempDir dir;
    prepare(dir, "sample_block_quay");
    ASSERT_FALSE(HasFatalFailure());
    fs::create_directory(dir / name);  // a folder where the file should go
    fs::remove(dir / "stderr.txt");
    EXPECT_EQ(run_program(dir.path(), "MERITAN"), 1);
    EXPECT_NE(file(dir.path(), "stderr.txt").find("QVTMSG\terror"), std::string::npos);
  }
}

}  // namespace
}  // namespace qvt::meritan
