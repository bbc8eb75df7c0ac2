#include "frontend/model/snapshots.h"

#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/model/block_file.h"
#include "frontend/model/conditions_file.h"
#include "frontend/model/project_files.h"
#include "frontend/model/tests/block_fixtures.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace qvt::model {
namespace {

using namespace qvt::model::testing;
namespace fs = std::filesystem;

class Snapshots : public ::testing::Test {
 protected:
  Snapshots() : m_(new_project()) { m_->work_folder = dir_.path(); }

  std::vector<std::string> lines_of(const std::string& name) {
    auto lines = read_lines(dir_ / name);
    return lines ? *lines : std::vector<std::string>{};
  }
  std::string bytes_of(const std::string& name) {
    return read_file_bytes(dir_ / name).value_or("");
  }
  std::string base() const { return (dir_ / "quay").string(); }
  // Files in the folder, so that a left-over temporary file shows up.
  std::vector<std::string> folder_listing() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_.path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  qvt::testing::TempDir dir_;
  std::unique_ptr<ProjectModel> m_;
  Recorder rec_;
};

TEST_F(Snapshots, ProjectPairIsWrittenUnderTheBase) {
  fill_every_block_type(*m_);
  ASSERT_EQ(write_project_files(*m_, base(), false, rec_), 0);
  EXPECT_TRUE(rec_.messages.empty());
  EXPECT_EQ(folder_listing(), (std::vector<std::string>{"quay.MBJ", "quay.MSJ"}));
  EXPECT_EQ(bytes_of("quay.MSJ"), join_crlf(conditions_file_lines(*m_)));
  EXPECT_EQ(bytes_of("quay.MBJ"), join_crlf(block_file_lines(*m_).lines));
}

TEST_F(Snapshots, SnapshotPairIsWrittenInTheWorkFolder) {
  for (const char* ext : {"ORG", "EDT", "CAL"}) {
    ASSERT_EQ(write_project_files(*m_, ext, true, rec_), 0) << ext;
    std::vector<std::string> conditions = lines_of(std::string("QVTAJKN.") + ext);
    ASSERT_EQ(conditions.size(), 521u);
    EXPECT_EQ(conditions[1], "untitled");  // a new project
    EXPECT_EQ(lines_of(std::string("QVTABLK.") + ext).size(), 744u);
  }
  EXPECT_TRUE(rec_.messages.empty());
}

TEST_F(Snapshots, Line25FollowsTheProgramFolderRule) {
  struct Case {
    i16 surcharge_method, surface_shape, shallow_clay_method;
    i16 msj, snapshot;  // line 25 of <base>.MSJ and of every program-folder copy
  };
  const Case cases[] = {
      {2, 1, 2, 2, 1},  // the rule applies
      {1, 1, 0, 0, 1},
      {0, 1, 2, 2, 2},  // surcharge method 0: the model's value everywhere
      {2, 0, 2, 2, 2},  // straight ground surface
      {2, 1, 1, 1, 1},  // already 1: no notice
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.surcharge_method << "," << c.surface_shape << ","
                                      << c.shallow_clay_method);
    m_->custom_options.surcharge_method = c.surcharge_method;
    m_->conditions.surface_shape = c.surface_shape;
    m_->conditions.shallow_clay_method = c.shallow_clay_method;
    const bool replaced = c.snapshot != c.shallow_clay_method;
    for (const char* ext : {"ORG", "EDT", "CAL"}) {
      SCOPED_TRACE(ext);
      rec_.messages.clear();
      ASSERT_EQ(write_project_files(*m_, ext, true, rec_), 0);
      EXPECT_EQ(lines_of(std::string("QVTAJKN.") + ext)[24], std::to_string(c.snapshot));
      // Only the engines' copy tells the user, once per write.
      if (replaced && std::string(ext) == "CAL") {
        ASSERT_EQ(rec_.messages.size(), 1u);
        EXPECT_EQ(rec_.messages[0].title, "粘土層の土圧");
        EXPECT_EQ(rec_.messages[0].text,
                  "海底面～海底面-10ｍ位置にある粘土層の土圧は\n"
                  "見かけの震度を用いて算出します（直線補間は行いません）");
        EXPECT_EQ(rec_.messages[0].icon, MessageIcon::Exclamation);
      } else {
        EXPECT_TRUE(rec_.messages.empty());
      }
      EXPECT_EQ(m_->conditions.shallow_clay_method, c.shallow_clay_method);
    }
    rec_.messages.clear();
    ASSERT_EQ(write_project_files(*m_, base(), false, rec_), 0);
    EXPECT_TRUE(rec_.messages.empty());
    EXPECT_EQ(lines_of("quay.MSJ")[24], std::to_string(c.msj));
    ProjectConditions back;
    i16 version = 0;
    ASSERT_TRUE(read_conditions_file(dir_ / "quay.MSJ", back, version));
    EXPECT_EQ(back.shallow_clay_method, c.shallow_clay_method);
  }
}

TEST_F(Snapshots, BearingSurfaceFallingLandwardsRefusesOnlyTheEnginesCopy) {
  ASSERT_EQ(write_file_bytes(dir_ / "QVTABLK.CAL", "previous\r\n"), true);
  m_->conditions.body_dims.dh1 = -10;
  m_->conditions.body_dims.dh2 = -10;  // level: accepted
  EXPECT_EQ(write_project_files(*m_, "CAL", true, rec_), 0);
  ASSERT_EQ(write_file_bytes(dir_ / "QVTABLK.CAL", "previous\r\n"), true);

  m_->conditions.body_dims.dh1 = -9.5;  // above dh2
  EXPECT_EQ(write_project_files(*m_, base(), false, rec_), 0);
  EXPECT_EQ(write_project_files(*m_, "EDT", true, rec_), 0);
  EXPECT_TRUE(rec_.messages.empty());

  EXPECT_EQ(write_project_files(*m_, "CAL", true, rec_), -1);
  ASSERT_EQ(rec_.messages.size(), 1u);
  EXPECT_EQ(rec_.messages[0].text, "支持層面が傾斜する場合は海側方向に下り傾斜として下さい。");
  EXPECT_EQ(rec_.messages[0].title, kAppTitle);
  EXPECT_EQ(rec_.messages[0].icon, MessageIcon::Exclamation);
  const std::vector<std::string> cal = lines_of("QVTAJKN.CAL");
  const std::vector<std::string> edt = lines_of("QVTAJKN.EDT");
  ASSERT_EQ(cal.size(), 56u);
  EXPECT_TRUE(std::equal(cal.begin(), cal.end(), edt.begin()));
  EXPECT_EQ(bytes_of("QVTABLK.CAL"), "previous\r\n");  // not touched
}

TEST_F(Snapshots, WallPatternRefusesASlopedSoilBlockInTheEnginesCopy) {
  fill_every_block_type(*m_);
  m_->wall_blocks[15].block_type = BLOCK_SOIL_POLYGON;  // the first one decides
  m_->conditions.improvement_pattern = 1;
  EXPECT_EQ(write_project_files(*m_, "ORG", true, rec_), 0);
  EXPECT_EQ(write_project_files(*m_, "EDT", true, rec_), 0);
  EXPECT_TRUE(rec_.messages.empty());

  EXPECT_EQ(write_project_files(*m_, "CAL", true, rec_), -1);
  ASSERT_EQ(rec_.messages.size(), 1u);
  EXPECT_EQ(rec_.messages[0].text, "壁式改良の場合、改良土ブロックの上限・下限は水平にして下さい。");
  EXPECT_EQ(rec_.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(lines_of("QVTAJKN.CAL"), lines_of("QVTAJKN.EDT"));  // complete
  const std::vector<std::string> cal = lines_of("QVTABLK.CAL");
  const std::vector<std::string> edt = lines_of("QVTABLK.EDT");
  // Slots 0 to 5 take 37 + 37 + 63 + 63 + 41 + 49 lines; slot 6 ends the file with its type.
  ASSERT_EQ(cal.size(), 2u + 37 + 37 + 63 + 63 + 41 + 49 + 1);
  EXPECT_EQ(cal.back(), "6");
  EXPECT_TRUE(std::equal(cal.begin(), cal.end(), edt.begin()));

  // Other patterns, and level improved-soil blocks, pass.
  rec_.messages.clear();
  m_->conditions.improvement_pattern = 0;
  EXPECT_EQ(write_project_files(*m_, "CAL", true, rec_), 0);
  m_->conditions.improvement_pattern = 1;
  m_->wall_blocks[kSlotSoilPolygon].block_type = BLOCK_SOIL_RECTANGLE;
  m_->wall_blocks[15].block_type = BLOCK_EMPTY;
  EXPECT_EQ(write_project_files(*m_, "CAL", true, rec_), 0);
  EXPECT_TRUE(rec_.messages.empty());
}

TEST_F(Snapshots, BothRefusalsInOneRunStopAtTheBearingSurface) {
  m_->wall_blocks[0].block_type = BLOCK_SOIL_POLYGON;
  m_->conditions.improvement_pattern = 1;
  m_->conditions.body_dims.dh1 = 1;
  EXPECT_EQ(write_project_files(*m_, "CAL", true, rec_), -1);
  ASSERT_EQ(rec_.messages.size(), 1u);
  EXPECT_EQ(rec_.messages[0].text, kMsgBearingSurfaceSlope);
  EXPECT_FALSE(fs::exists(dir_ / "QVTABLK.CAL"));
}

TEST_F(Snapshots, ComparisonFindsChanges) {
  fill_every_block_type(*m_);
  ASSERT_EQ(write_project_files(*m_, "ORG", true, rec_), 0);
  ASSERT_EQ(write_project_files(*m_, "EDT", true, rec_), 0);
  EXPECT_EQ(compare_snapshot_files(*m_, "EDT", "ORG", rec_), 0);

  // One value of one block.
  m_->wall_blocks[kSlotQuad].quad.corner_y[2] += 0.001;
  ASSERT_EQ(write_project_files(*m_, "EDT", true, rec_), 0);
  EXPECT_EQ(compare_snapshot_files(*m_, "EDT", "ORG", rec_), -1);
  EXPECT_EQ(compare_snapshot_files(*m_, "ORG", "EDT", rec_), -1);
  m_->wall_blocks[kSlotQuad].quad.corner_y[2] -= 0.001;
  ASSERT_EQ(write_project_files(*m_, "EDT", true, rec_), 0);
  EXPECT_EQ(compare_snapshot_files(*m_, "EDT", "ORG", rec_), 0);

  // A block file that is a prefix of the other differs in both directions.
  std::vector<std::string> blocks = lines_of("QVTABLK.ORG");
  blocks.pop_back();
  ASSERT_TRUE(write_file_bytes(dir_ / "QVTABLK.EDT", join_crlf(blocks)));
  EXPECT_EQ(compare_snapshot_files(*m_, "EDT", "ORG", rec_), -1);
  EXPECT_EQ(compare_snapshot_files(*m_, "ORG", "EDT", rec_), -1);
  EXPECT_TRUE(rec_.messages.empty());
}

TEST_F(Snapshots, DifferentConditionsDecideWithoutTheBlockFiles) {
  ASSERT_EQ(write_project_files(*m_, "ORG", true, rec_), 0);
  m_->conditions.water_levels[1] = 0.5;
  ASSERT_EQ(write_project_files(*m_, "EDT", true, rec_), 0);
  fs::remove(dir_ / "QVTABLK.EDT");  // would be reported if it were opened
  fs::remove(dir_ / "QVTABLK.ORG");
  EXPECT_EQ(compare_snapshot_files(*m_, "EDT", "ORG", rec_), -1);
  EXPECT_TRUE(rec_.messages.empty());
}

TEST_F(Snapshots, RefusedCalDiffersFromACompleteEdt) {
  ASSERT_EQ(write_project_files(*m_, "EDT", true, rec_), 0);
  m_->conditions.body_dims.dh1 = 2;
  m_->conditions.body_dims.dh2 = 1;
  ASSERT_EQ(write_project_files(*m_, "CAL", true, rec_), -1);
  m_->conditions.body_dims.dh1 = 0;
  m_->conditions.body_dims.dh2 = 0;
  rec_.messages.clear();
  EXPECT_EQ(compare_snapshot_files(*m_, "CAL", "EDT", rec_), -1);
  EXPECT_TRUE(rec_.messages.empty());
}

// A snapshot that is missing or empty can tell nothing about changes: it is reported and the
// pairs count as different, so an unsaved change is never taken for none.
TEST_F(Snapshots, MissingOrEmptySnapshotIsReportedAndDiffers) {
  struct Case {
    const char* file;      // damaged before the comparison
    bool remove;           // removed, else emptied
  };
  const Case cases[] = {{"QVTAJKN.EDT", false}, {"QVTAJKN.ORG", false}, {"QVTABLK.EDT", false},
                        {"QVTAJKN.EDT", true},  {"QVTABLK.ORG", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ASSERT_EQ(write_project_files(*m_, "ORG", true, rec_), 0);
    ASSERT_EQ(write_project_files(*m_, "EDT", true, rec_), 0);
    if (c.remove) fs::remove(dir_ / c.file);
    else ASSERT_TRUE(write_file_bytes(dir_ / c.file, ""));
    rec_.messages.clear();
    EXPECT_EQ(compare_snapshot_files(*m_, "EDT", "ORG", rec_), -1);
    ASSERT_EQ(rec_.messages.size(), 1u);
    EXPECT_EQ(rec_.messages[0].text, std::string("比較用ﾌｧｲﾙ(") + c.file + ")が読み込み出来ません。");
    EXPECT_EQ(rec_.messages[0].icon, MessageIcon::Exclamation);
  }
}

TEST_F(Snapshots, FailedProjectSaveKeepsThePreviousFiles) {
  m_->conditions.project_title = "old";
  ASSERT_EQ(write_project_files(*m_, base(), false, rec_), 0);
  const std::string old_msj = bytes_of("quay.MSJ");
  const std::string old_mbj = bytes_of("quay.MBJ");
  m_->conditions.project_title = "new";
  fill_every_block_type(*m_);
  const std::size_t msj_size = join_crlf(conditions_file_lines(*m_)).size();
  ASSERT_GT(join_crlf(block_file_lines(*m_).lines).size(), msj_size + 100);

  {  // the conditions file cannot be written: neither file changes
    FileSizeLimit limit(msj_size / 2);
    EXPECT_EQ(write_project_files(*m_, base(), false, rec_), -1);
  }
  ASSERT_EQ(rec_.messages.size(), 1u);
  EXPECT_EQ(rec_.messages[0].text, "条件ﾌｧｲﾙ(.MSJ)に書き込み出来ません。");
  EXPECT_EQ(rec_.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(bytes_of("quay.MSJ"), old_msj);
  EXPECT_EQ(bytes_of("quay.MBJ"), old_mbj);
  EXPECT_EQ(folder_listing(), (std::vector<std::string>{"quay.MBJ", "quay.MSJ"}));

  rec_.messages.clear();
  {  // the block file cannot be written: the previous one stays whole
    FileSizeLimit limit(msj_size + 100);
    EXPECT_EQ(write_project_files(*m_, base(), false, rec_), -1);
  }
  ASSERT_EQ(rec_.messages.size(), 1u);
  EXPECT_EQ(rec_.messages[0].text, "壁体構成ﾌﾞﾛｯｸﾌｧｲﾙ(.MBJ)に書き込み出来ません。");
  // The new conditions file was written but not put in place: the old pair stays a pair.
  EXPECT_EQ(bytes_of("quay.MSJ"), old_msj);
  EXPECT_EQ(bytes_of("quay.MBJ"), old_mbj);
  EXPECT_EQ(folder_listing(), (std::vector<std::string>{"quay.MBJ", "quay.MSJ"}));

  rec_.messages.clear();
  ASSERT_EQ(write_project_files(*m_, base(), false, rec_), 0);
  EXPECT_EQ(bytes_of("quay.MSJ"), join_crlf(conditions_file_lines(*m_)));
  auto back = new_project();
  EXPECT_TRUE(load_project_files(base(), *back, rec_));
  EXPECT_EQ(back->conditions.project_title, "new");
}

// A project the reader would refuse is refused by the save before anything is written: the
// old pair stays byte for byte, and what is saved always opens again.
TEST_F(Snapshots, ProjectThatWouldNotOpenAgainIsNotSaved) {
  fill_every_block_type(*m_);
  ASSERT_EQ(write_project_files(*m_, base(), false, rec_), 0);
  const std::string old_msj = bytes_of("quay.MSJ");
  const std::string old_mbj = bytes_of("quay.MBJ");
  struct Case {
    const char* name;
    std::function<void(ProjectModel&)> change;
    std::string message;
  };
  const std::string blocks = "壁体構成ﾌﾞﾛｯｸﾌｧｲﾙ(.MBJ)に書き込み出来ません。\n";
  const std::string not_reopenable = "このデータは保存しても読み込めないため、保存しませんでした。";
  const Case cases[] = {
      {"caisson of 9 cells, from an import",
       [](ProjectModel& m) { m.wall_blocks[kSlotCaisson].caisson.flag_a = 9; },
       blocks + "隔室数が0～8の範囲外のケーソンは読み込めません。\n" + not_reopenable},
      {"vertex count past its store",
       [](ProjectModel& m) { m.wall_blocks[kSlotPolygon].polygon.vertex_count = 119; },
       blocks + not_reopenable},
      {"library line joining a point the entry cannot hold",
       [](ProjectModel& m) {
         m.shape_library_count = std::max<i16>(m.shape_library_count, 1);
         m.shape_library[0].pair_count = 1;
         m.shape_library[0].pair_first[1] = LIBRARY_POINTS + 1;
       },
       blocks + not_reopenable},
      {"a level that is not a number",
       [](ProjectModel& m) { m.conditions.water_levels[2] = std::nan(""); },
       "条件ﾌｧｲﾙ(.MSJ)に書き込み出来ません。\n" + not_reopenable},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto m = std::make_unique<ProjectModel>(*m_);
    c.change(*m);
    rec_.messages.clear();
    EXPECT_EQ(write_project_files(*m, base(), false, rec_), -1);
    ASSERT_EQ(rec_.messages.size(), 1u);
    EXPECT_EQ(rec_.messages[0].text, c.message);
    EXPECT_EQ(rec_.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(bytes_of("quay.MSJ"), old_msj);
    EXPECT_EQ(bytes_of("quay.MBJ"), old_mbj);
    EXPECT_EQ(folder_listing(), (std::vector<std::string>{"quay.MBJ", "quay.MSJ"}));
  }
  auto back = new_project();
  EXPECT_TRUE(load_project_files(base(), *back, rec_));
}

TEST_F(Snapshots, FailedSnapshotWriteIsNeverTakenForUnchanged) {
  ASSERT_EQ(write_project_files(*m_, "ORG", true, rec_), 0);
  ASSERT_EQ(write_project_files(*m_, "EDT", true, rec_), 0);
  // A change in the block file only, so that the conditions files stay equal.
  m_->wall_blocks[0].polygon.head.name = "edited";
  const std::size_t conditions_size = join_crlf(conditions_file_lines(*m_)).size();

  for (bool conditions_fail : {true, false}) {
    SCOPED_TRACE(conditions_fail);
    rec_.messages.clear();
    {
      FileSizeLimit limit(conditions_fail ? conditions_size / 2 : conditions_size + 100);
      EXPECT_EQ(write_project_files(*m_, "EDT", true, rec_), -1);
    }
    ASSERT_EQ(rec_.messages.size(), 1u);
    EXPECT_EQ(rec_.messages[0].text, conditions_fail
                                         ? "計算用条件ﾌｧｲﾙ(QVTAJKN)に書き込み出来ません。"
                                         : "計算用壁体構成ﾌﾞﾛｯｸﾌｧｲﾙ(QVTABLK)に書き込み出来ません。");
    // The comparison that follows reports the missing snapshot and says "changed".
    rec_.messages.clear();
    EXPECT_EQ(compare_snapshot_files(*m_, "EDT", "ORG", rec_), -1);
    EXPECT_EQ(rec_.messages.size(), 1u);
  }
}

TEST_F(Snapshots, MissingWorkFolderIsAWriteFailure) {
  m_->work_folder = dir_ / "gone";
  EXPECT_EQ(write_project_files(*m_, "EDT", true, rec_), -1);
  ASSERT_EQ(rec_.messages.size(), 1u);
  EXPECT_EQ(rec_.messages[0].text, kMsgCalcConditionsUnwritable);
  rec_.messages.clear();
  EXPECT_EQ(write_project_files(*m_, (dir_ / "gone" / "quay").string(), false, rec_), -1);
  ASSERT_EQ(rec_.messages.size(), 1u);
  EXPECT_EQ(rec_.messages[0].text, kMsgConditionsUnwritable);
}

}  // namespace
}  // namespace qvt::model

namespace qvt::model {
namespace {

TEST_F(Snapshots, EnginesCopyCarriesRebuiltOutlines) {
  // A rectangle 4 wide and 2 high at (1, -3) whose corners were never built: the engines read
  // vertices 10..13, so "CAL" must carry (1,-3), (1,-1), (5,-1), (5,-3); the snapshots keep the
  // model as it is.
  WallBlock& b = m_->wall_blocks[0];
  b.block_type = BLOCK_RECTANGLE;
  b.polygon.head.ref_x = 1;
  b.polygon.head.ref_y = -3;
  b.polygon.vertex_x[0] = 4;
  b.polygon.vertex_y[0] = 2;
  // Slot 0 starts on line 3 (index 2); its x values on record lines 13-24, y on 25-36.
  ASSERT_EQ(write_project_files(*m_, "EDT", true, rec_), 0);
  EXPECT_EQ(lines_of("QVTABLK.EDT")[2 + 13], "9999,9999,9999,9999,9999,9999,9999,9999,9999,9999");
  ASSERT_EQ(write_engine_input(*m_, rec_), 0);
  EXPECT_TRUE(rec_.messages.empty());
  const std::vector<std::string> cal = lines_of("QVTABLK.CAL");
  EXPECT_EQ(cal[2 + 12], "4,9999,9999,9999,9999,9999,9999,9999,9999,9999");
  EXPECT_EQ(cal[2 + 13], "1,1,5,5,9999,9999,9999,9999,9999,9999");
  EXPECT_EQ(cal[2 + 25], "-3,-1,-1,-3,9999,9999,9999,9999,9999,9999");
  // Building again changes nothing: the next "CAL" is the same file.
  const std::string first = bytes_of("QVTABLK.CAL");
  ASSERT_EQ(write_engine_input(*m_, rec_), 0);
  EXPECT_EQ(bytes_of("QVTABLK.CAL"), first);
}

TEST_F(Snapshots, EnginesInputRefusesAnOutlineThatCannotBeBuilt) {
  // A library block naming an entry that does not exist: no "CAL" is written.
  m_->wall_blocks[2].block_type = BLOCK_LIBRARY;
  m_->wall_blocks[2].library.library_index = 3;
  EXPECT_EQ(write_engine_input(*m_, rec_), -1);
  EXPECT_EQ(rec_.messages.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "QVTAJKN.CAL"));
}

}  // namespace
}  // namespace qvt::model
