// ZENOBAR run as a process in a temporary work folder, from condition files written by the front
// end's own conditions-file writer and a block file written line by line from its layout.
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/block_vertices.h"
#include "engines/common/result_chain_file.h"
#include "frontend/model/conditions_file.h"
#include "frontend/model/project.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace qvt::zenobar {
namespace {

std::string sjis(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

std::string num(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
}

// A polygon-section slot (types -1, 0, 1, 6, 7): 37 lines. `vx`, `vy` are stored from index 0
// (types 0 and 6: relative vertices; types 1 and 7: the size in vertex 0 and the corners in
// vertices 10 to 13).
struct SlotSpec {
  int type = -1;
  std::string name = std::string(16, ' ');
  double ref_x = 0, ref_y = 0;
  double unit_weights[6] = {};
  int vertex_count = 0;
  double vx[118] = {}, vy[118] = {};
};

void add_values(std::vector<std::string>& out, const double* v) {
  for (int first = 0; first < 118; first += 10) {
    std::string line;
    for (int i = first; i < first + 10 && i < 118; ++i) {
      if (i > first) line += ',';
      line += num(v[i]);
    }
    out.push_back(line);
  }
}

void add_slot(std::vector<std::string>& out, const SlotSpec& s) {
  out.push_back(std::to_string(s.type));
  out.push_back("0");  // sub_type
  out.push_back("0");  // reserved
  out.push_back(s.name);
  out.push_back(num(s.ref_x));
  out.push_back(num(s.ref_y));
  out.push_back("1");  // length
  std::string uw;
  for (int i = 0; i < 6; ++i) uw += (i ? "," : "") + num(s.unit_weights[i]);
  out.push_back(uw);
  out.push_back("0,0");  // label position
  out.push_back("0,0");  // mark
  out.push_back(std::to_string(s.vertex_count));
  out.push_back("0");
  add_values(out, s.vx);
  add_values(out, s.vy);
  out.push_back("0,0,0");
}

SlotSpec rect(int type, const char* name, double x0, double y0, double b, double h, double g0,
              double g1, double g2) {
  SlotSpec s;
  s.type = type;
  s.name = sjis(name);
  s.ref_x = x0;
  s.ref_y = y0;
  s.unit_weights[0] = g0;
  s.unit_weights[1] = g1;
  s.unit_weights[2] = g2;
  s.vertex_count = 4;
  s.vx[0] = b;
  s.vy[0] = h;
  const double xs[] = {x0, x0, x0 + b, x0 + b}, ys[] = {y0, y0 + h, y0 + h, y0};
  for (int i = 0; i < 4; ++i) {
    s.vx[10 + i] = xs[i];
    s.vy[10 + i] = ys[i];
  }
  return s;
}

std::vector<std::string> block_file(const std::vector<SlotSpec>& used,
                                    const std::vector<int>& labels) {
  std::vector<std::string> out{"0", std::to_string(used.size())};
  for (int slot = 0; slot < 20; ++slot)
    add_slot(out, slot < static_cast<int>(used.size()) ? used[slot] : SlotSpec{});
  std::string line;
  for (int slot = 0; slot < 20; ++slot) {
    if (slot) line += ',';
    line += std::to_string(slot < static_cast<int>(labels.size()) ? labels[slot] : 0);
  }
  out.push_back(line);
  out.push_back("0");  // shape library
  return out;
}

double f64_at(const std::string& bytes, std::size_t offset) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i)
    bits = (bits << 8) | static_cast<unsigned char>(bytes.at(offset + i));
  return std::bit_cast<double>(bits);
}

struct RunResult {
  int exit_code = -1;
  std::string stderr_text;
};

class ZenobarRun : public ::testing::Test {
 protected:
  ZenobarRun() {
    model::ProjectConditions& c = m.conditions;
    c.project_title = "TEST QUAY";
    c.seismic_check = 1;
    c.improvement_pattern = PATTERN_BLOCK;
    c.water_levels[2] = 1.0;
    c.seismic_coef_inertia = 0.2;
    c.top_surcharges[0].x_min = 2;
    c.top_surcharges[0].x_max = 4;
    c.top_surcharges[0].load[0] = 10;
    c.top_surcharges[0].load[1] = 5;
    c.top_surcharge_ignored = 0;
    c.dynamic_water_force = 15;
    c.dynamic_water_level = -2;
    // A bearing layer that weighs something, and the improved body the blocks below build:
    // the rectangle 0..10 wide from -10 up to 0.
    c.bearing_layer.unit_weight = 10;
    c.body_dims.ref_x = 0;
    c.body_dims.ref_y = -10;
    c.body_dims.width = 10;
    c.body_dims.dh1 = c.body_dims.dh2 = -10;
  }

  // Options: backfill_vertical_ignored (line 13) = 1 unless the side adhesion is wanted.
  void write_conditions(bool side_adhesion = false) {
    ASSERT_TRUE(write_file_bytes(dir / "QVTAJKN.CAL", join_crlf(model::conditions_file_lines(m))));
    ASSERT_TRUE(write_file_bytes(
        dir / "QVT_DAT.CST",
        join_crlf({"15", "45,40", "0.5", "0.5", "100", "1", "2", "1", "0", "1", "0", "0.25",
                   side_adhesion ? "0" : "1", "1"})));
  }

  void write_blocks(const std::vector<SlotSpec>& used, const std::vector<int>& labels) {
    ASSERT_TRUE(write_file_bytes(dir / "QVTABLK.CAL", join_crlf(block_file(used, labels))));
  }

  RunResult run() {
    const std::string cmd = "cd '" + dir.path().string() +
                            "' && SOURCE_DATE_EPOCH=1796803503 '" QVT_BIN_DIR "/ZENOBAR' "
                            "</dev/null 2>stderr.txt >/dev/null";
    int status = std::system(cmd.c_str());
    RunResult r;
    r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.stderr_text = read_file_bytes(dir / "stderr.txt").value_or("");
    return r;
  }

  std::vector<std::string> lines_of(const char* name) {
    auto bytes = read_file_bytes(dir / name);
    EXPECT_TRUE(bytes) << name;
    return bytes ? split_lines(*bytes) : std::vector<std::string>{};
  }

  model::ProjectModel m;
  qvt::testing::TempDir dir;
};

// The section (toe at the improved body's lower left corner (0, -10); R.W.L. +1.0; kh 0.2):
//   slot 0, label 0: improved body, type 7, 10 m wide from y -10 to 0, wholly below the R.W.L.:
//     W = 10 x 10 x 18 = 1800 at (5, -5); U = 10 x 10 x (18 - 8) = 1000.
//   slot 1, label 1: superstructure, type 1, 2 m wide from (2, 0) to y 3, cut at the R.W.L.:
//     above: 2 x 2 x 24 = 96 at (3, 1 + 1) -> W·x 288, W·y 192
//     below: 2 x 1 x 22 = 44 at (3, 0.5)   -> W·x 132, W·y 22
//     W = 140, centroid (420 / 140, 214 / 140) = (3, 1.529); U = 2 x 1 x (22 - 12) = 20 at
//     (3, 0.5).
//   slot 2, label 2: a type-0 triangle (6, 0), (6, 2), (8, 0), unit weights 20 / 10 / 20
//     (not cut for its weight): W = 2 x 2 / 2 x 20 = 40 at (6.667, 0.667), W·x = 266.68.
//     Below the R.W.L. the pieces (6..7 x 0..1) and the triangle (7, 1), (7, 0), (8, 0):
//     U = 1 x 1 x 10 + 1 x 1 / 2 x 10 = 15, U·x = 65 + 5 x 7.333 = 101.665,
//     centroid x = 101.665 / 15 = 6.778.
//   wall-top load 2 <= x < 4 on the superstructure top at y 3: normal 10 kN/m2 -> w = 20,
//     arm 3, m = 60; seismic 5 kN/m2 -> w = 10, m = 30, h = 0.2 x 10 = 2, arm y 13, mh = 26.
// Normal case:  W = 1800 + 140 + 40 + 20 = 2000;  Mw = 9000 + 420 + 266.68 + 60 = 9746.68
//               U = 1000 + 20 + 15 = 1035;          Mu = 5000 + 60 + 101.67 = 5161.67
//               (the buoyancy moment of slot 2 is 15 x 6.778 = 101.67)
// Seismic case: W = 1800 + 140 + 40 + 10 = 1990;   Mw = 9000 + 420 + 266.68 + 30 = 9716.68
//               inertia 360 + 28 + 8 + 2 = 398
//               moment 360 x 5 + 28 x 11.529 + 8 x 10.667 + 26
//                    = 1800 + 322.812 + 85.336 + 26 = 2234.148
// Wall-top loads of BodyTotals: normal 40 + 20 = 60, seismic 40 + 10 = 50.
// Dynamic water 15 kN/m at -2: moment (-2 - (-10)) x 15 = 120.
std::vector<SlotSpec> quay_blocks() {
  SlotSpec tri;
  tri.type = 0;
  tri.name = sjis("三角ブロック");
  tri.ref_x = 6;
  tri.ref_y = 0;
  tri.unit_weights[0] = 20;
  tri.unit_weights[1] = 10;
  tri.unit_weights[2] = 20;
  tri.vertex_count = 3;
  tri.vx[0] = 0, tri.vy[0] = 0;
  tri.vx[1] = 0, tri.vy[1] = 2;
  tri.vx[2] = 2, tri.vy[2] = 0;
  return {rect(7, "改良体", 0, -10, 10, 10, 18, 8, 18), rect(1, "上部工", 2, 0, 2, 3, 24, 12, 22),
          tri};
}

TEST_F(ZenobarRun, WritesReportsAndTheResultChainBase) {
  write_conditions();
  write_blocks(quay_blocks(), {0, 1, 2});
  const RunResult r = run();
  ASSERT_EQ(r.exit_code, 0) << r.stderr_text;
  EXPECT_EQ(r.stderr_text, "");

  for (int c = 0; c < 2; ++c) {
    const auto report = lines_of(c == 0 ? "DM000BLK.PDT" : "DM100BLK.PDT");
    ASSERT_GE(report.size(), 3u);
    EXPECT_EQ(report[0], sjis(c == 0 ? "改良地盤系重量及び浮力〈常  時〉"
                                     : "改良地盤系重量及び浮力〈地震時〉"));
    // 9 December 2026, 08:05:03.
    EXPECT_EQ(report[1], "  26  12   9   8   5   3        TEST QUAY");
    EXPECT_EQ(report[2], "$1  QVT_BWT.PFM");
  }

  const std::string dat = read_file_bytes(dir / "CAL_ANS.DAT").value_or("");
  ASSERT_EQ(dat.size(), 632u);
  // WeightTotals: the last computed (seismic) case's vertical load and moment, inertia, buoyancy.
  EXPECT_DOUBLE_EQ(f64_at(dat, 6 * 8), 1990.0);
  EXPECT_NEAR(f64_at(dat, 7 * 8), 9716.68, 1e-9);
  EXPECT_DOUBLE_EQ(f64_at(dat, 8 * 8), 398.0);
  EXPECT_NEAR(f64_at(dat, 9 * 8), 2234.148, 1e-9);
  EXPECT_DOUBLE_EQ(f64_at(dat, 10 * 8), 1035.0);
  EXPECT_NEAR(f64_at(dat, 11 * 8), 5161.67, 1e-9);
  for (int k : {0, 1, 2, 3, 4, 5, 12, 13, 14, 15}) EXPECT_EQ(f64_at(dat, k * 8), 0.0) << k;
  // Normal ForceSummary at 128.
  const std::size_t n = 128, s = 368;
  EXPECT_NEAR(f64_at(dat, n + 0 * 8), 965.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, n + 1 * 8), 965.0, 1e-9);
  EXPECT_EQ(f64_at(dat, n + 2 * 8), 0.0);
  EXPECT_EQ(f64_at(dat, n + 3 * 8), 0.0);
  EXPECT_EQ(f64_at(dat, n + 8 * 8), 0.0);
  EXPECT_NEAR(f64_at(dat, n + 16 * 8), 4585.01, 1e-9);
  EXPECT_NEAR(f64_at(dat, n + 17 * 8), 4585.01, 1e-9);
  EXPECT_EQ(f64_at(dat, n + 19 * 8), 0.0);
  EXPECT_EQ(f64_at(dat, n + 24 * 8), 0.0);
  // Seismic ForceSummary at 368.
  EXPECT_NEAR(f64_at(dat, s + 0 * 8), 955.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, s + 3 * 8), 398.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, s + 4 * 8), 398.0, 1e-9);
  EXPECT_EQ(f64_at(dat, s + 5 * 8), 0.0);
  EXPECT_DOUBLE_EQ(f64_at(dat, s + 8 * 8), 15.0);
  EXPECT_NEAR(f64_at(dat, s + 16 * 8), 4555.01, 1e-9);
  EXPECT_NEAR(f64_at(dat, s + 19 * 8), 2234.148, 1e-9);
  EXPECT_NEAR(f64_at(dat, s + 20 * 8), 2234.148, 1e-9);
  EXPECT_DOUBLE_EQ(f64_at(dat, s + 24 * 8), 120.0);
  for (int k : {14, 15, 29}) {
    EXPECT_EQ(f64_at(dat, n + k * 8), 0.0) << k;
    EXPECT_EQ(f64_at(dat, s + k * 8), 0.0) << k;
  }
  // BodyTotals at 608.
  EXPECT_EQ(f64_at(dat, 608), 0.0);
  EXPECT_DOUBLE_EQ(f64_at(dat, 616), 60.0);
  EXPECT_DOUBLE_EQ(f64_at(dat, 624), 50.0);

  const auto listing = lines_of("CAL_ANS.TXT");
  ASSERT_EQ(listing.size(), 35u);
  EXPECT_EQ(listing[1].substr(36), "   965.000    965.000      0.000");
  EXPECT_EQ(listing[20].substr(36), "   398.000    398.000      0.000");
  EXPECT_EQ(listing[27].substr(36), "  4555.010   4555.010      0.000");
}

TEST_F(ZenobarRun, OnlyTheNormalReportWithoutTheSeismicCheck) {
  m.conditions.seismic_check = 0;
  write_conditions();
  write_blocks(quay_blocks(), {0, 1, 2});
  const RunResult r = run();
  ASSERT_EQ(r.exit_code, 0) << r.stderr_text;
  EXPECT_TRUE(std::filesystem::exists(dir / "DM000BLK.PDT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "DM100BLK.PDT"));
  const std::string dat = read_file_bytes(dir / "CAL_ANS.DAT").value_or("");
  ASSERT_EQ(dat.size(), 632u);
  // The normal case is the last computed: W 2000, Mw 9746.68; no inertia.
  EXPECT_DOUBLE_EQ(f64_at(dat, 6 * 8), 2000.0);
  EXPECT_NEAR(f64_at(dat, 7 * 8), 9746.68, 1e-9);
  EXPECT_EQ(f64_at(dat, 8 * 8), 0.0);
  EXPECT_EQ(f64_at(dat, 9 * 8), 0.0);
  // The seismic record holds only the dynamic water.
  for (int k = 0; k < engine::FORCE_SUMMARY_SLOTS; ++k) {
    const double v = f64_at(dat, 368 + k * 8);
    if (k == engine::FS_DYNAMIC_WATER_RESULTANT) EXPECT_DOUBLE_EQ(v, 15.0);
    else if (k == engine::FS_DYNAMIC_WATER_MOMENT) EXPECT_DOUBLE_EQ(v, 120.0);
    else EXPECT_EQ(v, 0.0) << k;
  }
  // Seismic wall-top load: the type-0 weight alone.
  EXPECT_DOUBLE_EQ(f64_at(dat, 624), 40.0);
  EXPECT_EQ(lines_of("CAL_ANS.TXT").size(), 35u);
}

TEST_F(ZenobarRun, WallPatternKeepsTheUnimprovedSoilApart) {
  // Wall pattern, ll = 3, ls = 1: long-wall ratio 0.75, short-wall ratio 0.25; ds = 0, so the
  // short walls end at the top of the improved block (0) and the whole block lies below them:
  // improved part 10 x 10 x 18 x 0.75 = 1350, unimproved 10 x 10 x 18 x 0.25 = 450, both at
  // (5, -5); buoyancy with 18 - 8 = 10: 750 and 250. The other blocks as in the block pattern.
  //   Wn = 450, Mwn = 2250; Un = 250, Mun = 1250.
  // Normal:  [1] = (2000 - 450) - (1035 - 250) = 765, [2] = 450 - 250 = 200,
  //          [17] = (9746.68 - 2250) - (5161.67 - 1250) = 3585.01, [18] = 2250 - 1250 = 1000.
  // Seismic: [1] = (1990 - 450) - 785 = 755, [2] = 200;
  //          inertia 1350 x 0.2 = 270 and 450 x 0.2 = 90 at arm 5 (moments 1350 and 450):
  //          [3] = 398, [4] = 398 - 90 = 308, [5] = 90,
  //          [19] = 2234.148, [20] = 2234.148 - 450 = 1784.148, [21] = 450.
  model::ProjectConditions& c = m.conditions;
  c.improvement_pattern = PATTERN_WALL;
  c.body_dims.ll = 3;
  c.body_dims.ls = 1;
  c.body_dims.ds = 0;
  write_conditions();
  write_blocks(quay_blocks(), {0, 1, 2});
  const RunResult r = run();
  ASSERT_EQ(r.exit_code, 0) << r.stderr_text;
  const std::string dat = read_file_bytes(dir / "CAL_ANS.DAT").value_or("");
  ASSERT_EQ(dat.size(), 632u);
  const std::size_t n = 128, s = 368;
  EXPECT_NEAR(f64_at(dat, n + 0 * 8), 965.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, n + 1 * 8), 765.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, n + 2 * 8), 200.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, n + 16 * 8), 4585.01, 1e-9);
  EXPECT_NEAR(f64_at(dat, n + 17 * 8), 3585.01, 1e-9);
  EXPECT_NEAR(f64_at(dat, n + 18 * 8), 1000.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, s + 1 * 8), 755.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, s + 2 * 8), 200.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, s + 3 * 8), 398.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, s + 4 * 8), 308.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, s + 5 * 8), 90.0, 1e-9);
  EXPECT_NEAR(f64_at(dat, s + 19 * 8), 2234.148, 1e-9);
  EXPECT_NEAR(f64_at(dat, s + 20 * 8), 1784.148, 1e-9);
  EXPECT_NEAR(f64_at(dat, s + 21 * 8), 450.0, 1e-9);
}

TEST_F(ZenobarRun, SideAdhesionGoesIntoBothForceSummaries) {
  // One clay layer on the land side from 0 (the top of the improved body) to -10, cohesion
  // 20 kN/m2 without gradient, the body 10 m wide. The improved block's land-side face takes
  // it: A = 0 - (-10) = 10 m2/m, F = 10 x 20 = 200 kN/m, M = 200 x 10 = 2000 kN·m/m.
  // No layer on the sea side: passive adhesion 0.
  model::ProjectConditions& c = m.conditions;
  c.body_dims.width = 10;
  c.pressure_points[model::SIDE_ACTIVE].count = 2;  // one active-side layer
  model::SoilLayer& clay = c.soil_layers[model::SIDE_ACTIVE][0];
  clay.top_level = 0;
  clay.bottom_level = -10;
  clay.soil_type = 1;
  clay.cohesion = 20;
  clay.unit_weight_air = 16;  // a layer in use weighs something; the adhesion does not use it
  clay.unit_weight_submerged = 6;
  c.cohesion_reference_level = 0;
  write_conditions(true);
  write_blocks(quay_blocks(), {0, 1, 2});
  const RunResult r = run();
  ASSERT_EQ(r.exit_code, 0) << r.stderr_text;
  EXPECT_TRUE(std::filesystem::exists(dir / "M_FTYA_A.PFM"));
  EXPECT_TRUE(std::filesystem::exists(dir / "M_FTYA_B.PFM"));
  const std::string dat = read_file_bytes(dir / "CAL_ANS.DAT").value_or("");
  ASSERT_EQ(dat.size(), 632u);
  for (std::size_t record : {128u, 368u}) {
    EXPECT_DOUBLE_EQ(f64_at(dat, record + 14 * 8), 200.0) << record;
    EXPECT_EQ(f64_at(dat, record + 15 * 8), 0.0) << record;
    EXPECT_DOUBLE_EQ(f64_at(dat, record + 29 * 8), 2000.0) << record;
  }
  // The effective weights are those of the run without adhesion.
  EXPECT_NEAR(f64_at(dat, 128), 965.0, 1e-9);
}

TEST_F(ZenobarRun, MissingConditionsFileStopsWithItsMessage) {
  write_blocks(quay_blocks(), {0, 1, 2});
  const RunResult r = run();
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.stderr_text.find(
                "QVTMSG\terror\terror\t条件設定ファイル (QVTAJKN.CAL) が見つかりません。"),
            std::string::npos)
      << r.stderr_text;
  EXPECT_FALSE(std::filesystem::exists(dir / "CAL_ANS.DAT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "DM000BLK.PDT"));
}

TEST_F(ZenobarRun, NoImprovedSoilBlockStopsBeforeAnyOutput) {
  write_conditions();
  std::vector<SlotSpec> blocks = quay_blocks();
  blocks.erase(blocks.begin());  // no type 6 or 7 left
  write_blocks(blocks, {0, 1});
  const RunResult r = run();
  EXPECT_EQ(r.exit_code, 1);
  std::string text = cp932_to_utf8_lossy(engine::missing_toe_text());
  for (std::size_t p = text.find('\n'); p != std::string::npos; p = text.find('\n', p + 2))
    text.replace(p, 1, "\\n");
  EXPECT_NE(r.stderr_text.find("QVTMSG\terror\terror\t" + text), std::string::npos)
      << r.stderr_text;
  EXPECT_FALSE(std::filesystem::exists(dir / "CAL_ANS.DAT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "DM000BLK.PDT"));
}

TEST_F(ZenobarRun, AValueThatIsNotANumberNeverReachesTheResults) {
  write_conditions();
  std::vector<SlotSpec> blocks = quay_blocks();
  // A unit weight so large that the weight 2 x 2 x 1e308 overflows to infinity.
  blocks[1].unit_weights[0] = 1e308;
  write_blocks(blocks, {0, 1, 2});
  const RunResult r = run();
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.stderr_text.find("QVTMSG\terror\terror\t重量計算の結果に数値でない値"),
            std::string::npos)
      << r.stderr_text;
  EXPECT_FALSE(std::filesystem::exists(dir / "CAL_ANS.DAT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "CAL_ANS.TXT"));
}

}  // namespace
}  // namespace qvt::zenobar
