// Conditions no ground or load can have, written by the front end's own model into a work
// folder and run as the front end runs the engines: each engine that reads them ends with exit
// code 1 and the message that says what is wrong, before it writes a result.
#include "common/tests/temp_dir.h"
#include "engines/common/tests/sample_work_folder.h"
#include "frontend/model/project.h"
#include "frontend/model/soil_layers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace qvt::vaskude {
namespace {

using engine::testing::run_engine;
using engine::testing::work_file;

// The one message line an engine writes for an error box (line breaks as the two characters
// "\n").
std::string error_line(const std::string& text) {
  std::string escaped;
  for (char ch : text) escaped += ch == '\n' ? std::string("\\n") : std::string(1, ch);
  return "QVTMSG\terror\terror\t" + escaped + "\n";
}

std::string bad_line_text(int line) {
  return "条件設定ファイル (QVTAJKN.CAL) の " + std::to_string(line) +
         " 行目の値が正しくありません。";
}

struct Case {
  const char* what;
  std::function<void(model::ProjectModel&)> change;
  std::string message;
};

// The block quay test section: improved body X 0, B 20, Dh1 = Dh2 = -25, built of
// improved-soil blocks over 0..20 down to -25; land input layer 0 (the ground top) at +3.0;
// R.W.L. +0.6.
TEST(ImpossibleConditions, EnginesRefuseThemWithTheirMessageAndExitCode1) {
  const Case cases[] = {
      {"negative seismic coefficient for inertia (line 30)",
       [](model::ProjectModel& m) { m.conditions.seismic_coef_inertia = -0.15; },
       bad_line_text(30)},
      {"water unit weight 0 (line 10)",
       [](model::ProjectModel& m) { m.conditions.water_unit_weight = 0; }, bad_line_text(10)},
      {"negative surcharge on the ground surface (line 132)",
       [](model::ProjectModel& m) { m.conditions.surface_surcharge[0] = -10; },
       bad_line_text(132)},
      {"negative friction angle of land layer 0 (its sixth line, 337 + 5)",
       [](model::ProjectModel& m) { m.conditions.soil_layers[model::SIDE_ACTIVE][0].phi = -30; },
       bad_line_text(342)},
      {"improved-body width 20 -> 2 against blocks 20 wide",
       [](model::ProjectModel& m) { m.conditions.body_dims.width = 2; },
       "条件設定ファイル (QVTAJKN.CAL) の改良幅 Ｂ (2.000) と、初期条件設定ファイル "
       "(QVTABLK.CAL) の改良地盤ブロックの幅 (20.000) が一致しません。\n入力データを確認してください。"},
      {"X 0 -> 1.5",
       [](model::ProjectModel& m) { m.conditions.body_dims.ref_x = 1.5; },
       "条件設定ファイル (QVTAJKN.CAL) の改良体の位置 Ｘ (1.500) と、初期条件設定ファイル "
       "(QVTABLK.CAL) の改良地盤ブロックの前面（海側）の位置 (0.000) が一致しません。\n"
       "入力データを確認してください。"},
      {"Dh2 -25 -> -24",
       [](model::ProjectModel& m) { m.conditions.body_dims.dh2 = -24; },
       "条件設定ファイル (QVTAJKN.CAL) の陸側の改良下限標高 Ｄｈ2 (-24.000) と、初期条件設定ファイル "
       "(QVTABLK.CAL) の改良地盤ブロックの陸側の下端標高 (-25.000) が一致しません。\n"
       "入力データを確認してください。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const char* program : {"ZENOBAR", "VASKUDE"}) {
      qvt::testing::TempDir dir;
      engine::testing::write_sample_input(dir.path(), "sample_block_quay", c.change);
      ASSERT_FALSE(HasFatalFailure());
      EXPECT_EQ(run_engine(dir.path(), program), 1) << program;
      EXPECT_EQ(work_file(dir.path(), "stderr.txt"), error_line(c.message)) << program;
      EXPECT_FALSE(std::filesystem::exists(dir / "CAL_ANS.DAT")) << program;
    }
  }
}

// The body's reference level Y is the level the sloped layers (type 6) are measured from: the
// front end places each at (X, Y). The block quay section's body made sloped as the improved-
// body page makes it (Dh1 -25 -> -26: one layer from (0, -10)-(20, -10) down to (20, -25),
// (0, -26), placed at (0, -25)) agrees; its conditions file with Y -24 describes a body placed
// 1 m higher and is refused, naming both values. Y is no level of the outline: a new project
// keeps Y 0 under a level body at -25, and lowering a level body leaves Y where it was (the
// layer takes its new bottom as its own reference); both are run.
TEST(ImpossibleConditions, TheReferenceLevelYIsHeldToTheSlopedLayers) {
  auto slope = [](model::ProjectModel& m) {
    ASSERT_EQ(m.wall_blocks[1].block_type, model::BLOCK_SOIL_RECTANGLE);
    const model::LayerLevels lv = model::layer_levels(m.wall_blocks[1]);
    ASSERT_EQ(lv.sea_top, -10);
    m.conditions.body_dims.dh1 = -26;
    model::testing::Recorder rec;
    model::rebuild_layer(m, 1,
                         {model::OutlinePoint{0, lv.sea_top}, model::OutlinePoint{20, lv.land_top},
                          model::OutlinePoint{20, -25}, model::OutlinePoint{0, -26}},
                         {0, -25, 20, -26, -25}, rec);
    ASSERT_EQ(m.wall_blocks[1].block_type, model::BLOCK_SOIL_POLYGON);
    ASSERT_EQ(m.wall_blocks[1].polygon.head.ref_y, -25);
  };
  const Case cases[] = {
      {"sloped body, Y -25", slope, ""},
      {"sloped body, Y -24",
       [&](model::ProjectModel& m) {
         slope(m);
         m.conditions.body_dims.ref_y = -24;
       },
       "条件設定ファイル (QVTAJKN.CAL) の改良体の配置基準点 Ｙ (-24.000) と、初期条件設定ファイル "
       "(QVTABLK.CAL) の改良地盤ブロックの配置基準点 Ｙ (-25.000) が一致しません。\n"
       "入力データを確認してください。"},
      {"level body, Y 0 as a new project keeps it",
       [](model::ProjectModel& m) { m.conditions.body_dims.ref_y = 0; }, ""},
      {"level body lowered to -26 as the page does it, Y left at -25",
       [](model::ProjectModel& m) {
         const model::LayerLevels lv = model::layer_levels(m.wall_blocks[1]);
         m.conditions.body_dims.dh1 = m.conditions.body_dims.dh2 = -26;
         model::testing::Recorder rec;
         model::rebuild_layer(
             m, 1,
             {model::OutlinePoint{0, lv.sea_top}, model::OutlinePoint{20, lv.land_top},
              model::OutlinePoint{20, -26}, model::OutlinePoint{0, -26}},
             {0, -25, 20, -26, -26}, rec);
         ASSERT_EQ(m.wall_blocks[1].block_type, model::BLOCK_SOIL_RECTANGLE);
       },
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const char* program : {"ZENOBAR", "VASKUDE"}) {
      qvt::testing::TempDir dir;
      engine::testing::write_sample_input(dir.path(), "sample_block_quay", c.change);
      ASSERT_FALSE(HasFatalFailure());
      if (c.message.empty()) {
        if (std::string(program) == "VASKUDE") {
          ASSERT_EQ(run_engine(dir.path(), "ZENOBAR"), 0);
        }
        EXPECT_EQ(run_engine(dir.path(), program), 0) << program << "\n"
                                                      << work_file(dir.path(), "stderr.txt");
      } else {
        EXPECT_EQ(run_engine(dir.path(), program), 1) << program;
        EXPECT_EQ(work_file(dir.path(), "stderr.txt"), error_line(c.message)) << program;
      }
    }
  }
}

// The fault as it was met: the shipped wall sample's improved body (then 19 m wide, now 18)
// written with a width of 2, and the run went on with most numbers unchanged.
TEST(ImpossibleConditions, TheWallSampleWithItsWidthChangedIsRefused) {
  qvt::testing::TempDir dir;
  engine::testing::write_project_input(
      dir.path(),
      std::filesystem::path(QVT_SOURCE_DIR) / "data" / "samples" / "sample_wall_caisson_clay",
      [](model::ProjectModel& m) {
        ASSERT_EQ(m.conditions.body_dims.width, 18);
        m.conditions.body_dims.width = 2;
      });
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(run_engine(dir.path(), "ZENOBAR"), 1);
  EXPECT_EQ(work_file(dir.path(), "stderr.txt"),
            error_line("条件設定ファイル (QVTAJKN.CAL) の改良幅 Ｂ (2.000) と、初期条件設定ファイル "
                       "(QVTABLK.CAL) の改良地盤ブロックの幅 (18.000) が一致しません。\n"
                       "入力データを確認してください。"));

  // Unchanged, the sample's body and blocks agree.
  qvt::testing::TempDir same;
  engine::testing::write_project_input(
      same.path(),
      std::filesystem::path(QVT_SOURCE_DIR) / "data" / "samples" / "sample_wall_caisson_clay");
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(run_engine(same.path(), "ZENOBAR"), 0) << work_file(same.path(), "stderr.txt");
}

// An R.W.L. above the ground top behind the wall: the residual water pressure would be dropped
// to 0 in silence (on the block sample sliding rose from 4.700 to 5.889). VASKUDE refuses it
// naming both levels; an R.W.L. at the ground top is computed.
TEST(ImpossibleConditions, AResidualWaterLevelAboveTheGroundTopIsRefused) {
  qvt::testing::TempDir dir;
  engine::testing::write_sample_input(dir.path(), "sample_block_quay", [](model::ProjectModel& m) {
    m.conditions.water_levels[2] = 3.5;
  });
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_EQ(run_engine(dir.path(), "ZENOBAR"), 0) << work_file(dir.path(), "stderr.txt");
  EXPECT_EQ(run_engine(dir.path(), "VASKUDE"), 1);
  EXPECT_EQ(work_file(dir.path(), "stderr.txt"),
            error_line("(ERROR)-残留水位 R.W.L.(3.500)が背面の地表面天端(3.000)より高く"
                       "なっています.\n残留水圧が計算できません.残留水位は地表面天端以下にして下さい."));

  qvt::testing::TempDir level;
  engine::testing::write_sample_input(level.path(), "sample_block_quay", [](model::ProjectModel& m) {
    m.conditions.water_levels[2] = 3.0;
  });
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_EQ(run_engine(level.path(), "ZENOBAR"), 0);
  EXPECT_EQ(run_engine(level.path(), "VASKUDE"), 0) << work_file(level.path(), "stderr.txt");
}

}  // namespace
}  // namespace qvt::vaskude
