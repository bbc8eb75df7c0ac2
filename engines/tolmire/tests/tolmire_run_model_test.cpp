// TOLMIRE run as a process after ZENOBAR and VASKUDE on the first test section: the cases of
// the run, and the result files it refuses.
#include "engines/common/tests/sample_work_folder.h"
#include "frontend/model/custom_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace qvt::tolmire {
namespace {

namespace fs = std::filesystem;
using engine::testing::run_engine;
using engine::testing::work_file;
using engine::testing::write_sample_input;

void prepare(const qvt::testing::TempDir& dir, int seismic) {
  write_sample_input(dir.path(), "sample_block_quay",
                     [&](model::ProjectModel& m) { m.conditions.seismic_check = seismic; });
  ASSERT_EQ(run_engine(dir.path(), "ZENOBAR"), 0) << work_file(dir.path(), "stderr.txt");
  ASSERT_EQ(run_engine(dir.path(), "VASKUDE"), 0) << work_file(dir.path(), "stderr.txt");
}

TEST(TolmireRun, ReadsTheWorkFileOfEveryCaseOfTheRun) {
  for (int seismic : {0, 2}) {
    qvt::testing::TempDir dir;
    prepare(dir, seismic);
    ASSERT_TRUE(fs::exists(dir / "DAT_PRN1.DAT"));
    EXPECT_EQ(fs::exists(dir / "DAT_PRN2.DAT"), seismic != 0);
    EXPECT_EQ(run_engine(dir.path(), "TOLMIRE"), 0) << work_file(dir.path(), "stderr.txt");
    EXPECT_EQ(work_file(dir.path(), "stderr.txt"), "");
    // The data report of every case with its figure and tables; no surcharge report for the
    // straight ground surface of the sample.
    for (const char* f : {"DM002DAT.PDT", "DOATU_Z0.PZK", "SD_SUI_1.PFM", "JD_SUI_1.PFM"})
      EXPECT_TRUE(fs::exists(dir / f)) << f;
    for (const char* f : {"DM102DAT.PDT", "DOATU_Z1.PZK", "SD_SUI_2.PFM", "DOUSUI.PFM"})
      EXPECT_EQ(fs::exists(dir / f), seismic != 0) << f;
    EXPECT_FALSE(fs::exists(dir / "DM001KJU.PDT"));
  }
}

TEST(TolmireRun, AMissingWorkFileOfTheSeismicCaseStopsTheRun) {
  qvt::testing::TempDir dir;
  prepare(dir, 2);
  fs::remove(dir / "DAT_PRN2.DAT");
  EXPECT_EQ(run_engine(dir.path(), "TOLMIRE"), 1);
  EXPECT_NE(work_file(dir.path(), "stderr.txt")
                .find("QVTMSG\terror\terror\t(ERROR)-土圧計算結果ファイル(DAT_PRN.DAT)がオープンできません."),
            std::string::npos)
      << work_file(dir.path(), "stderr.txt");
}

TEST(TolmireRun, ACutWorkFileStopsTheRunNamingIt) {
  qvt::testing::TempDir dir;
  prepare(dir, 0);
  fs::resize_file(dir / "DAT_PRN1.DAT", 1000);
  EXPECT_EQ(run_engine(dir.path(), "TOLMIRE"), 1);
  EXPECT_NE(work_file(dir.path(), "stderr.txt").find("(DAT_PRN1.DAT)の内容が正しくありません."),
            std::string::npos);
}

}  // namespace
}  // namespace qvt::tolmire

namespace qvt::tolmire {
namespace {

namespace fs = std::filesystem;
using engine::testing::run_engine;
using engine::testing::work_file;
using engine::testing::write_sample_input;

TEST(TolmireRun, BothSamplesRunTheChainWithTheDataReportsOfBothCases) {
  for (const char* sample : {"sample_block_quay", "sample_caisson_quay"}) {
    qvt::testing::TempDir dir;
    write_sample_input(dir.path(), sample,
                       [](model::ProjectModel& m) { m.conditions.seismic_check = 2; });
    for (const char* e : {"SAVELIN", "PELUDRA", "ZENOBAR", "OSKAVEL", "VASKUDE", "TOLMIRE",
                          "MERITAN"})
      ASSERT_EQ(run_engine(dir.path(), e), 0) << sample << " " << e
                                              << work_file(dir.path(), "stderr.txt");
    for (const char* f : {"DM002DAT.PDT", "DM102DAT.PDT", "DOATU_Z0.PZK", "DOATU_Z1.PZK",
                          "SD_SUI_1.PFM", "SD_SUI_2.PFM", "JD_SUI_1.PFM", "JD_SUI_2.PFM",
                          "DOUSUI.PFM"})
      EXPECT_TRUE(fs::exists(dir / f)) << sample << " " << f;
  }
}

// The first sample with an arbitrary ground surface: from the wall the ground rises 1:1 by
// 2 m onto an embankment, two surcharge ranges, the ARAYOKO coefficients and a liquefied land
// layer; every engine of the chain runs with exit code 0.
TEST(TolmireRun, ArbitrarySurfaceSampleRunsTheChainAndWritesTheSurchargeReports) {
  for (int method : {0, 1}) {
    qvt::testing::TempDir dir;
    write_sample_input(dir.path(), "sample_block_quay", [](model::ProjectModel& m) {
      model::ProjectConditions& c = m.conditions;
      c.seismic_check = 2;
      const double x0 = c.surface_points[0].x, y0 = c.soil_layers[1][0].top_level;
      c.surface_shape = 1;
      c.surface_point_count = 3;
      c.surface_points[0] = {0, x0, y0};
      c.surface_points[1] = {0, x0 + 2, y0 + 2};
      c.surface_points[2] = {0, x0 + 60, y0 + 2};
      c.embankment_layer_count = 1;
      c.embankment_layers[0] = {y0 + 2, 18, 10};
      c.surcharge_range_count = 2;
      c.surcharge_ranges[0] = {x0, x0 + 4, {10, 5}};
      c.surcharge_ranges[1] = {x0 + 4, x0 + 40, {20, 10}};
      c.apparent_coef_method = 3;
      c.soil_layers[1][1].liquefied = 1;
      c.soil_layers[1][1].slurry_unit_weight = 16;
    });
    model::CustomOptions o;
    ASSERT_TRUE(model::read_custom_options(dir / "QVT_DAT.CST", o));
    o.surcharge_method = static_cast<std::int16_t>(method);
    ASSERT_TRUE(model::write_custom_options(dir / "QVT_DAT.CST", o));
    for (const char* e : {"SAVELIN", "PELUDRA", "ZENOBAR", "OSKAVEL", "VASKUDE", "TOLMIRE",
                          "MERITAN"})
      ASSERT_EQ(run_engine(dir.path(), e), 0) << e << method << work_file(dir.path(), "stderr.txt");
    for (const char* f : {"DM001KJU.PDT", "DM101KJU.PDT", "JKJUZ000.PZK", "JKJUZ100.PZK",
                          "DM002DAT.PDT", "DM102DAT.PDT", "DOATU_Z0.PZK", "DOATU_Z1.PZK"})
      EXPECT_TRUE(fs::exists(dir / f)) << f << " method " << method;
    if (method == 1) {
      EXPECT_TRUE(fs::exists(dir / "JKJUZ001.PZK"));
    }
    const std::string report = work_file(dir.path(), "DM102DAT.PDT");
    EXPECT_NE(report.find("ARAYOKO1.PFM"), std::string::npos);
    EXPECT_NE(report.find("EKI_DAT.PFM"), std::string::npos);
  }
}

}  // namespace
}  // namespace qvt::tolmire
