// VASKUDE run as a process after ZENOBAR on the shipped samples, written into a temporary work
// folder by the front end's own model, and on damaged copies of its input.
#include "common/tests/temp_dir.h"
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
using model::testing::Recorder;

int run_program(const fs::path& dir, const char* program) {
  const std::string cmd = "cd '" + dir.string() + "' && '" QVT_BIN_DIR "/" + program +
                          "' </dev/null 2>>stderr.txt >/dev/null";
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string file(const fs::path& dir, const char* name) {
  return read_file_bytes(dir / name).value_or("");
}

// Writes the engines' input of a sample (changed by `change`) into dir and runs ZENOBAR there.
void prepare(const qvt::testing::TempDir& dir, const char* sample,
             const std::function<void(model::ProjectModel&)>& change = {}) {
  auto m = std::make_unique<model::ProjectModel>();
  m->work_folder = dir.path();
  model::reset_project_to_defaults(*m);
  Recorder rec;
  ASSERT_TRUE(model::load_project_files(
      (fs::path(QVT_SOURCE_DIR) / "data" / "samples" / sample).string(), *m, rec));
  if (change) change(*m);
  ASSERT_EQ(model::write_engine_input(*m, rec), 0);
  fs::copy_file(fs::path(QVT_SOURCE_DIR) / "data" / "QVT_DAT.CST", dir / "QVT_DAT.CST");
  ASSERT_EQ(run_program(dir.path(), "ZENOBAR"), 0) << file(dir.path(), "stderr.txt");
}

// The slots of a force summary this engine owns.
bool owned_slot(int k) {
  return k == 6 || k == 7 || (k >= 9 && k <= 13) || k == 22 || k == 23 || (k >= 25 && k <= 28);
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
    for (int k = 0; k < 30; ++k)
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
