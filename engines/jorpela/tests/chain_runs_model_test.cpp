// The whole calculation chain, the eight engines in the front end's order, run as processes on
// the test sections (and on a lattice body made of the first one) written by the front
// end's own model; then the files JORPELA leaves are read back with the front end's readers
// and the verdicts are checked against what ground can physically give.
#include "common/check_summary_format.h"
#include "common/check_verdict.h"
#include "common/textfile.h"
#include "engines/common/condition_readers.h"
#include "engines/common/result_chain_file.h"
#include "engines/common/block_vertices.h"
#include "engines/common/check_summary_file.h"
#include "engines/common/tests/sample_work_folder.h"
#include "engines/jorpela/jorpela.h"
#include "frontend/results/eccentric_load_file.h"
#include "frontend/model/block_outline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace qvt::jorpela {
namespace {

namespace fs = std::filesystem;
using engine::testing::run_engine;
using engine::testing::work_file;
using engine::testing::write_sample_input;

constexpr const auto& kChain = engine::testing::kEngineChain;

// The improved soil's front and top, read from the engines' own block file.
void soil_front_and_top(const fs::path& dir, double& front, double& top) {
  auto cd = std::make_unique<engine::ConditionData>();
  ASSERT_TRUE(engine::read_conditions_file(*cd, dir).ok());
  ASSERT_TRUE(engine::read_block_file(*cd, dir).ok());
  front = 1e9, top = -1e9;
  for (const engine::WallBlock& b : cd->wall_blocks) {
    if (b.block_type == engine::BLOCK_SOIL_RECTANGLE) {
      front = std::min(front, b.head.ref_x);
      top = std::max(top, b.head.ref_y + b.polygon.vertex_y[0]);
    } else if (b.block_type == engine::BLOCK_SOIL_POLYGON) {
      for (int j = 0; j < b.polygon.vertex_count; ++j) {
        front = std::min(front, b.head.ref_x + b.polygon.vertex_x[j]);
        top = std::max(top, b.head.ref_y + b.polygon.vertex_y[j]);
      }
    }
  }
}

// The sample with a superstructure check point 1 m above the body top, placed so the spread
// line meets the top 2 m behind the body front, a spread width of 1 m and a reaction of 50 kN/m.
void write_with_check_point(const fs::path& dir, const char* sample, bool lattice) {
  auto variant = [&](model::ProjectModel& m) {
    if (!lattice) return;
    auto& d = m.conditions.body_dims;
    m.conditions.improvement_pattern = PATTERN_LATTICE;
    d.ll = 3, d.ls = 2, d.bl1 = 2, d.bl2 = 2, d.bs = std::max(1.0, d.width - 4), d.ds = 3,
    d.dl = 3;
  };
  write_sample_input(dir, sample, variant);
  double front = 0, top = 0;
  soil_front_and_top(dir, front, top);
  write_sample_input(dir, sample, [&](model::ProjectModel& m) {
    variant(m);
    for (auto& r : m.conditions.body_reactions) {
      r.check_x = front + 2 + std::tan(3.141592653589793 / 6);
      r.check_y = top + 1;
      r.spread_width = 1;
      r.spread_angle = 0;
      r.reaction = 50;
    }
  });
}

struct Outcome {
  CheckSummary summary;
  engine::ExternalResults external;
  int seismic_check = 0;
};

Outcome run_chain(const fs::path& dir) {
  Outcome o;
  for (const char* program : kChain)
    EXPECT_EQ(run_engine(dir, program), 0) << program << "\n" << work_file(dir, "stderr.txt");
  const std::string chain = work_file(dir, "CAL_ANS.DAT");
  EXPECT_EQ(chain.size(), RESULT_CHAIN_INTERNAL_SIZE);
  o.external = engine::decode_external_results(chain).value_or(engine::ExternalResults{});
  const auto anz = read_lines(dir / "CAL_ANZ.DAT");
  EXPECT_TRUE(anz.has_value());
  if (anz) {
    EXPECT_EQ(anz->size(), 16u);
    o.summary = parse_check_summary(*anz).value_or(CheckSummary{});
  }
  const auto txt = read_lines(dir / "CAL_ANS.TXT");
  EXPECT_EQ(txt.value_or(std::vector<std::string>{}).size(), 40u);
  const auto hen = read_lines(dir / "CAL_HEN.DAT");
  EXPECT_EQ(hen.value_or(std::vector<std::string>{}).size(), 12u);
  auto cd = std::make_unique<engine::ConditionData>();
  EXPECT_TRUE(engine::read_conditions_file(*cd, dir).ok());
  o.seismic_check = cd->seismic_check;
  const auto hand_over =
      results::read_eccentric_load_file(dir / "CAL_HEN.DAT", cd->seismic_check, true);
  EXPECT_TRUE(hand_over) << work_file(dir, "CAL_HEN.DAT");
  // The maximum reaction is one value through the chain: the bearing line, the hand-over's,
  // and never below either edge of the method's reaction (the files carry six decimals).
  for (int c = 0; hand_over && c < (cd->seismic_check ? 2 : 1); ++c) {
    const auto cu = static_cast<std::size_t>(c);
    const double max = o.summary.values[cu][CV_MAX_REACTION];
    EXPECT_EQ(hand_over->max_reaction[cu], max) << c;
    for (double q : o.external.reaction[cu]) EXPECT_LE(q, max + 5e-7) << c;
  }
  EXPECT_TRUE(fs::exists(dir / kSummaryReportName));
  return o;
}

// No check passes on a reaction below zero, a stress beyond its allowable magnitude or a value
// that is no number.
void expect_physical(const Outcome& o, const std::vector<int>& lines) {
  for (int c = 0; c < (o.seismic_check ? 2 : 1); ++c) {
    SCOPED_TRACE(c);
    for (double q : o.external.reaction[static_cast<std::size_t>(c)])
      EXPECT_TRUE(q >= 0 || q == engine::EXTERNAL_RESULT_PRESET) << q;
    for (int k : lines) {
      const CheckLine l = check_summary_line(o.summary, c, k);
      EXPECT_TRUE(std::isfinite(l.value));
      if (l.failed) continue;
      if (k == 2) {
        EXPECT_GE(l.value, 0) << "line " << k;
      }
      if (k >= 3 && k <= 5) {
        EXPECT_LE(std::fabs(l.value), l.limit) << "line " << k;
      }
      EXPECT_GT(l.limit, 0) << "line " << k;
    }
  }
}

TEST(ChainRuns, EightEnginesOnTheSamples) {
  for (const char* sample : {"sample_block_quay", "sample_caisson_quay"}) {
    SCOPED_TRACE(sample);
    qvt::testing::TempDir dir;
    write_sample_input(dir.path(), sample);
    const Outcome o = run_chain(dir.path());
    auto cd = std::make_unique<engine::ConditionData>();
    ASSERT_TRUE(engine::read_conditions_file(*cd, dir.path()).ok());
    expect_physical(o, engine::check_lines_of_pattern(cd->improvement_pattern));
    // The shear check's body width (the conditions) is the one the external checks take from
    // the result chain.
    const auto chain = engine::decode_result_chain_base(work_file(dir.path(), "CAL_ANS.DAT"));
    ASSERT_TRUE(chain);
    EXPECT_DOUBLE_EQ(cd->body_dims.width, chain->body_totals[0]);
  }
}

// A run that stops leaves no summary of the external engine (its internal lines would read as
// passed) and no hand-over of an older run.
TEST(ChainRuns, AStoppedRunLeavesNoSummaryBehind) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay");
  for (const char* program : kChain) ASSERT_EQ(run_engine(dir.path(), program), 0) << program;
  ASSERT_TRUE(fs::exists(dir / "CAL_HEN.DAT"));
  // The external engine's results again, then cut short: JORPELA must stop.
  ASSERT_EQ(run_engine(dir.path(), "MERITAN"), 0);
  const std::string chain = work_file(dir.path(), "CAL_ANS.DAT");
  ASSERT_EQ(chain.size(), engine::RESULT_CHAIN_EXTERNAL_SIZE);
  ASSERT_TRUE(replace_file_bytes(dir / "CAL_ANS.DAT", chain.substr(0, 5100)));
  EXPECT_EQ(run_engine(dir.path(), "JORPELA"), 1);
  EXPECT_FALSE(fs::exists(dir / "CAL_ANZ.DAT"));
  EXPECT_FALSE(fs::exists(dir / "CAL_HEN.DAT"));
  EXPECT_NE(work_file(dir.path(), "stderr.txt").find("CAL_ANS.DAT"), std::string::npos);
}

// The resultant on the kern's edge, and one step of x either side, in the seismic case of the
// shipped block sample with its wall (the three blocks and the superstructure, slots 0 and 2 to
// 4) moved seaward; block and tangent-circle patterns (the same reaction). From MERITAN's
// seismic reaction page: V = 2830.380 + 202.934 - 107.180 = 2926.134 kN/m (a horizontal move
// leaves it), moved 2.226 m: Mr 25785.831, Mo 10181.698, x = 15604.133 / 2926.134 = 5.3327 ->
// 5.333, e = 8 - 5.333 = 2.667 = rnd(16 / 6). V / B = 182.883375:
//   2.224 m, x 5.334, e 2.666: q1 = 182.883375 x 1.99975 = 365.7210 -> 365.721,
//     q2 = x 0.00025 = 0.0457 -> 0.046;
//   2.226 m, x 5.333: q1 = x 2.000125 = 365.7896 -> 365.790; the trapezoid's heel
//     x -0.000125 = -0.0229 -> -0.023 is the rounding of e: 0 (it failed the toe and the shear
//     as "no reaction");
//   2.228 m, x 5.332: triangle, q1 = 2 x 2926.134 / (3 x 5.332) = 5852.268 / 15.996 = 365.8582
//     -> 365.858 over B' 15.996.
// The toe pressure (rule 0) takes off 9.000 x 5.000 x K0 0.5 = 22.5: 343.221, 343.290, 343.358,
// each below the seismic allowable 750. Every check of the pattern is computed, without a message.
TEST(ChainRuns, AResultantOnTheKernsEdgeIsCheckedOnItsReaction) {
  struct Step {
    double shift, x, e, q1, q2, width;
  } steps[] = {{2.224, 5.334, 2.666, 365.721, 0.046, 16},
               {2.226, 5.333, 2.667, 365.790, 0, 16},
               {2.228, 5.332, 2.668, 365.858, 0, 15.996}};
  for (int pattern : {PATTERN_BLOCK, PATTERN_TANGENT_CIRCLES}) {
    for (const Step& st : steps) {
      SCOPED_TRACE(std::to_string(pattern) + " moved " + std::to_string(st.shift));
      qvt::testing::TempDir dir;
      engine::testing::write_project_input(
          dir.path(), fs::path(QVT_SOURCE_DIR) / "data" / "samples" / "sample_block_rectangle_sand",
          [&](model::ProjectModel& m) {
            m.conditions.improvement_pattern = static_cast<model::i16>(pattern);
            for (int slot : {0, 2, 3, 4}) {
              ASSERT_EQ(m.wall_blocks[slot].block_type, model::BLOCK_RECTANGLE);
              model::BlockHead& h = m.wall_blocks[slot].polygon.head;
              h.ref_x -= st.shift, h.mark_x -= st.shift, h.label_x -= st.shift;
              model::testing::Recorder rec;
              ASSERT_TRUE(model::build_block_outline(m, slot, rec));
            }
          });
      ASSERT_FALSE(HasFatalFailure());
      const Outcome o = run_chain(dir.path());
      EXPECT_EQ(work_file(dir.path(), "stderr.txt"), "");
      const auto page = read_lines(dir / "DM105HAN.PDT").value_or(std::vector<std::string>{});
      char x_field[32], e_field[32];
      std::snprintf(x_field, sizeof x_field, "12  %8.3f", st.x);
      std::snprintf(e_field, sizeof e_field, "15  %8.3f", st.e);
      EXPECT_NE(std::find(page.begin(), page.end(), x_field), page.end()) << x_field;
      EXPECT_NE(std::find(page.begin(), page.end(), e_field), page.end()) << e_field;
      EXPECT_DOUBLE_EQ(o.external.reaction[1][0], st.q1);
      EXPECT_DOUBLE_EQ(o.external.reaction[1][1], st.q2);
      EXPECT_DOUBLE_EQ(o.external.effective_width[1], st.width);
      EXPECT_DOUBLE_EQ(o.summary.values[1][CV_MAX_REACTION], st.q1);
      EXPECT_EQ(o.summary.failed[1][2], 0);
      for (int k : engine::check_lines_of_pattern(pattern)) {
        EXPECT_EQ(o.summary.failed[1][static_cast<std::size_t>(k)], 0) << k;
        EXPECT_NE(o.summary.values[1][static_cast<std::size_t>(k == 7 ? CV_INTERNAL_STRESS : k)], 0) << k;
      }
      if (pattern == PATTERN_BLOCK) {
        EXPECT_NEAR(o.summary.values[1][CV_TOE_STRESS], st.q1 - 22.5, 1e-9);
        EXPECT_EQ(o.summary.limits[1][CL_ALLOWABLE_COMPRESSIVE_STRESS], 750);
      }
    }
  }
}

TEST(ChainRuns, EveryCheckComputesWithACheckPoint) {
  for (const char* sample : {"sample_block_quay", "sample_caisson_quay"}) {
    for (bool lattice : {false, true}) {
      SCOPED_TRACE(std::string(sample) + (lattice ? " lattice" : ""));
      qvt::testing::TempDir dir;
      write_with_check_point(dir.path(), sample, lattice);
      const Outcome o = run_chain(dir.path());
      auto cd = std::make_unique<engine::ConditionData>();
      ASSERT_TRUE(engine::read_conditions_file(*cd, dir.path()).ok());
      const auto lines = engine::check_lines_of_pattern(cd->improvement_pattern);
      expect_physical(o, lines);
      if (lattice) continue;
      // The plain samples compute every check: the shear stress in CAL_ANZ.DAT is the one
      // the shear report's own terms give.
      for (int c = 0; c < (o.seismic_check ? 2 : 1); ++c) {
        SCOPED_TRACE(c);
        EXPECT_TRUE(fs::exists(dir / ("DM" + std::to_string(c) + "08SEN.PDT")))
            << work_file(dir.path(), "stderr.txt");
        const auto report = read_lines(dir / ("DM" + std::to_string(c) + "08SEN.PDT"));
        ASSERT_TRUE(report);
        auto field = [&](const char* block, const char* number) {
          bool in = false;
          for (const std::string& l : *report) {
            if (l.rfind("$", 0) == 0) in = l.find(block) != std::string::npos;
            else if (in && l.rfind(number, 0) == 0) return std::stod(l.substr(4));
          }
          ADD_FAILURE() << block << " " << number;
          return 0.0;
        };
        const char* result = "JJ_SE";
        const bool block = cd->improvement_pattern == PATTERN_BLOCK;
        const double r = field(result, block ? "18  " : "22  ");
        const double w = field(result, block ? "19  " : "23  ");
        const double l = field(result, block ? "20  " : "24  ");
        const double fa = -field(result, "30  "), fv = -field(result, "31  ");
        const bool without_fv = cd->custom_options.backfill_vertical_ignored != 0 ||
                                cd->custom_options.passive_vertical_ignored != 0;
        const double tau = (r - w - fa - (without_fv ? 0 : fv)) / l;
        EXPECT_NEAR(o.summary.values[static_cast<std::size_t>(c)][CV_SHEAR_STRESS], tau, 0.0006);
        // R from the reaction at the toe and at the plane over B_L.
        const double q1 = field(result, "04  "), qb = field(result, "10  "), bl = field(result, "03  ");
        const double ratio = block ? 1.0 : field(result, "29  ");
        EXPECT_NEAR(r, (q1 + qb) * 0.5 * bl * ratio, 0.0006);
      }
    }
  }
}

}  // namespace
}  // namespace qvt::jorpela
