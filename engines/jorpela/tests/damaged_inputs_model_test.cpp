// The engines on damaged work folders, run as processes the way the front end runs them: an
// input that is a folder, hand-over files with reals that are no numbers or absurd, a block label
// far off any page, and a few hundred damaged copies of the hand-over files read by TOLMIRE,
// MERITAN and JORPELA. Every run ends with exit code 0, or 1 after an error message; no report
// or hand-over file ever holds "nan" or "inf".
#include "common/tests/damaged_files.h"
#include "common/textfile.h"
#include "engines/common/block_vertices.h"
#include "engines/common/condition_readers.h"
#include "engines/common/result_chain_file.h"
#include "engines/common/tests/sample_work_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <vector>

namespace qvt::jorpela {
namespace {

namespace fs = std::filesystem;
using engine::testing::run_engine;
using engine::testing::work_file;
using engine::testing::write_sample_input;

void run_chain(const fs::path& dir) {
  for (const char* program : engine::testing::kEngineChain)
    ASSERT_EQ(run_engine(dir, program), 0) << program << "\n" << work_file(dir, "stderr.txt");
}

// The text files the engines write: print data, figures and the text hand-overs.
bool written_text(const fs::path& p) {
  const std::string ext = p.extension().string();
  const std::string name = p.filename().string();
  return ext == ".PDT" || ext == ".PZK" || ext == ".PFM" || name == "CAL_HEN.DAT" ||
         name == "CAL_ANZ.DAT" || name == "CAL_ANS.TXT";
}

// The first written text file that holds "nan" or "inf", or "".
std::string file_with_non_finite_text(const fs::path& dir) {
  for (const auto& e : fs::directory_iterator(dir))
    if (e.is_regular_file() && written_text(e.path()) &&
        qvt::testing::holds_non_finite_text(work_file(dir, e.path().filename().c_str())))
      return e.path().filename().string();
  return "";
}

void put_real(std::string& b, std::size_t at, double v) { std::memcpy(b.data() + at, &v, 8); }

// A folder named QVTAJKN.CAL: each engine says it cannot read the conditions file and ends
// with 1 (it used to abort on the exception thrown while reading the folder).
TEST(DamagedInputs, AFolderInPlaceOfTheConditionsFile) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay");
  fs::remove(dir / "QVTAJKN.CAL");
  fs::create_directory(dir / "QVTAJKN.CAL");
  for (const char* program : engine::testing::kEngineChain) {
    fs::remove(dir / "stderr.txt");
    EXPECT_EQ(run_engine(dir.path(), program), 1) << program;
    const std::string err = work_file(dir.path(), "stderr.txt");
    EXPECT_EQ(err.rfind("QVTMSG\terror\terror\t条件設定ファイル (QVTAJKN.CAL) が", 0), 0u)
        << program << "\n" << err;
  }
}

// A coefficient no soil has (K0 = 1e6 made a toe pressure of -9e7 kN/m2 pass) or a rule
// code without a meaning: every engine that reads QVT_DAT.CST refuses it with the file's
// message naming the line and ends with 1.
TEST(DamagedInputs, AnOptionOutsideItsRangeStopsEveryEngine) {
  for (auto [line, text] : {std::pair{4, "1000000"}, {7, "5"}}) {
    qvt::testing::TempDir dir;
    write_sample_input(dir.path(), "sample_block_quay");
    std::vector<std::string> options = read_lines(dir / "QVT_DAT.CST").value();
    options[line - 1] = text;
    ASSERT_TRUE(write_file_bytes(dir / "QVT_DAT.CST", join_crlf(options)));
    const std::string expected = "QVTMSG\terror\terror\tカスタムデータ (QVT_DAT.CST) の " +
                                 std::to_string(line) + " 行目の値が正しくありません。\n";
    for (const char* program : engine::testing::kEngineChain) {
      fs::remove(dir / "stderr.txt");
      EXPECT_EQ(run_engine(dir.path(), program), 1) << program;
      EXPECT_EQ(work_file(dir.path(), "stderr.txt"), expected) << program;
    }
  }
}

// A unit weight no material has, in a block whose type is weighed with it: every engine reads
// the block file and refuses it, naming the block and the value, before it writes anything. The
// shipped block sample: slot 0 the wall's lowest block "ブロック1" (a rectangle, 23.0 / 12.9 /
// 23.0), slot 1 the improved body "改良体" (16.0 / 5.9 / 16.0); a weight of 1e-320 shows as
// 0.000, the 0.001 kN/m3 the files carry.
TEST(DamagedInputs, AUnitWeightNoMaterialHasStopsEveryEngine) {
  struct Case {
    int slot, weight;  // weight 0 wet, 1 submerged, 2 saturated
    double value;
    const char* message;
  } cases[] = {
      {0, 0, -0.001, "ブロック1《ブロック1》: 単位体積重量（湿潤） (-0.001) が正ではありません。"},
      {1, 0, -0.001, "ブロック2《改良体》: 単位体積重量（湿潤） (-0.001) が正ではありません。"},
      {1, 1, 0, "ブロック2《改良体》: 単位体積重量（水中） (0.000) が正ではありません。"},
      {0, 2, 1e-320, "ブロック1《ブロック1》: 単位体積重量（飽和） (0.000) が正ではありません。"},
  };
  const fs::path sample =
      fs::path(QVT_SOURCE_DIR) / "data" / "samples" / "sample_block_rectangle_sand";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    qvt::testing::TempDir dir;
    engine::testing::write_project_input(dir.path(), sample, [&](model::ProjectModel& m) {
      m.wall_blocks[c.slot].polygon.head.unit_weights[c.weight] = c.value;
    });
    ASSERT_FALSE(HasFatalFailure());
    const std::string expected = std::string("QVTMSG\terror\terror\t初期条件設定ファイル (QVTABLK.CAL) の") +
                                 c.message + "\\n入力データを確認してください。\n";
    for (const char* program : engine::testing::kEngineChain) {
      fs::remove(dir / "stderr.txt");
      EXPECT_EQ(run_engine(dir.path(), program), 1) << program;
      EXPECT_EQ(work_file(dir.path(), "stderr.txt"), expected) << program;
    }
    // Nothing but the input and the messages: no engine wrote a report or a hand-over file.
    for (const auto& e : fs::directory_iterator(dir.path())) {
      const std::string name = e.path().filename().string();
      EXPECT_TRUE(name == "QVTAJKN.CAL" || name == "QVTABLK.CAL" || name == "QVT_DAT.CST" ||
                  name == "stderr.txt")
          << name;
    }
  }
  // A weight the type is not weighed with stays free: the wall sample's caisson weighs its
  // concrete with the wet weight and its buoyancy with the water's, so a submerged and a
  // saturated weight of 0 there are no fault.
  qvt::testing::TempDir dir;
  engine::testing::write_project_input(
      dir.path(), fs::path(QVT_SOURCE_DIR) / "data" / "samples" / "sample_wall_caisson_clay",
      [](model::ProjectModel& m) {
        ASSERT_EQ(m.wall_blocks[0].block_type, model::BLOCK_CAISSON);
        m.wall_blocks[0].caisson.head.unit_weights[1] = 0;
        m.wall_blocks[0].caisson.head.unit_weights[2] = 0;
      });
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(run_engine(dir.path(), "ZENOBAR"), 0) << work_file(dir.path(), "stderr.txt");
}

struct ChainFolder {
  qvt::testing::TempDir dir;
  std::map<std::string, std::string> good;  // the hand-over files after a good run

  explicit ChainFolder(const char* sample) {
    write_sample_input(dir.path(), sample);
    run_chain(dir.path());
    for (const auto& e : fs::directory_iterator(dir.path()))
      if (e.is_regular_file()) good[e.path().filename().string()] = work_file(dir.path(), e.path().filename().c_str());
  }
  // Every file back as the good run left it, and nothing else.
  void restore() {
    std::vector<fs::path> extra;
    for (const auto& e : fs::directory_iterator(dir.path()))
      if (!good.count(e.path().filename().string())) extra.push_back(e.path());
    for (const fs::path& p : extra) fs::remove(p);
    for (const auto& [name, bytes] : good) {
      if (work_file(dir.path(), name.c_str()) != bytes) {
        ASSERT_TRUE(write_file_bytes(dir / name, bytes));
      }
    }
  }
  // Runs program after replacing file by bytes; the exit code.
  int run_with(const char* program, const std::string& file, const std::string& bytes) {
    restore();
    fs::remove(dir / "stderr.txt");
    EXPECT_TRUE(write_file_bytes(dir / file, bytes));
    return run_engine(dir.path(), program);
  }
  std::string err() const { return work_file(dir.path(), "stderr.txt"); }
};

TEST(DamagedInputs, NaNBytesInALoadTableStopTolmire) {
  ChainFolder f("sample_block_quay");
  ASSERT_EQ(file_with_non_finite_text(f.dir.path()), "");
  std::string table = f.good.at("DAT_SYU1.DAT");
  ASSERT_EQ(table.size(), engine::LOAD_TABLE_FILE_BYTES);
  put_real(table, 48, std::numeric_limits<double>::quiet_NaN());  // the first item's force
  EXPECT_EQ(f.run_with("TOLMIRE", "DAT_SYU1.DAT", table), 1);
  EXPECT_NE(f.err().find("QVTMSG\terror"), std::string::npos);
  EXPECT_NE(f.err().find("DAT_SYU1.DAT"), std::string::npos) << f.err();
  EXPECT_EQ(file_with_non_finite_text(f.dir.path()), "");
}

TEST(DamagedInputs, ADenormalBodyWidthStopsJorpela) {
  ChainFolder f("sample_block_quay");
  std::string chain = f.good.at("CAL_ANS.DAT");
  put_real(chain, 608, 1e-312);
  fs::remove(f.dir / "CAL_HEN.DAT");
  f.good.erase("CAL_HEN.DAT");
  EXPECT_EQ(f.run_with("JORPELA", "CAL_ANS.DAT", chain), 1);
  EXPECT_NE(f.err().find("CAL_ANS.DAT"), std::string::npos) << f.err();
  EXPECT_NE(f.err().find("0.001 m"), std::string::npos) << f.err();
  EXPECT_FALSE(qvt::testing::holds_non_finite_text(work_file(f.dir.path(), "CAL_HEN.DAT")));
  EXPECT_EQ(file_with_non_finite_text(f.dir.path()), "");
  // MERITAN reads the same width and stops alike.
  EXPECT_EQ(f.run_with("MERITAN", "CAL_ANS.DAT", chain), 1);
  EXPECT_NE(f.err().find("0.001 m"), std::string::npos) << f.err();
}

// A label far off any page. Beyond the section's extent the block file is refused with its
// message; at the extent itself the section figures hold it off the page instead of
// overflowing (the sanitizer build stops on a signed overflow, which the exit code would show).
TEST(DamagedInputs, ABlockLabelFarOffThePage) {
  for (const double far : {2147483648.0, SECTION_EXTENT_LIMIT}) {
    SCOPED_TRACE(far);
    qvt::testing::TempDir dir;
    write_sample_input(dir.path(), "sample_block_quay", [far](model::ProjectModel& m) {
      for (auto& b : m.wall_blocks) {
        b.polygon.head.label_x = b.caisson.head.label_x = b.quad.head.label_x = -far;
        b.polygon.head.label_y = b.caisson.head.label_y = b.quad.head.label_y = far;
      }
    });
    auto cd = std::make_unique<engine::ConditionData>();
    ASSERT_TRUE(engine::read_conditions_file(*cd, dir.path()).ok());
    const bool within = far <= SECTION_EXTENT_LIMIT;
    ASSERT_EQ(engine::read_block_file(*cd, dir.path()).ok(), within);
    for (const char* program : {"OSKAVEL", "PELUDRA"}) {
      fs::remove(dir / "stderr.txt");
      const int code = run_engine(dir.path(), program);
      const std::string err = work_file(dir.path(), "stderr.txt");
      if (within) {
        EXPECT_TRUE(code == 0 || code == 1) << program << " " << code << "\n" << err;
      } else {
        EXPECT_EQ(code, 1) << program;
        EXPECT_EQ(err.rfind("QVTMSG\terror\terror\t初期条件設定ファイル (QVTABLK.CAL) の ", 0), 0u)
            << program << "\n" << err;
      }
    }
    EXPECT_EQ(file_with_non_finite_text(dir.path()), "");
  }
}

// The sliding line of CAL_ANZ.DAT turned into a factor of -1 that passed: JORPELA does not
// carry it into the final summary; it stops with the file's message.
TEST(DamagedInputs, JorpelaRefusesAPassThatContradictsItsNumbers) {
  ChainFolder f("sample_caisson_quay");
  std::string anz = f.good.at("CAL_ANZ.DAT");
  anz.replace(0, anz.find("\r\n"), "-1.000000,1.200000,0");
  EXPECT_EQ(f.run_with("JORPELA", "CAL_ANZ.DAT", anz), 1);
  EXPECT_NE(f.err().find("QVTMSG\terror"), std::string::npos);
  EXPECT_NE(f.err().find("CAL_ANZ.DAT"), std::string::npos) << f.err();
  // The unfinished summary is not left for the results table to show.
  EXPECT_FALSE(fs::exists(f.dir / "CAL_ANZ.DAT"));
  f.restore();
}

// A sliding line whose flag is neither 0 nor 1, or whose limit no required factor can be (1e-300
// would pass any body), failed or passed: JORPELA refuses the file with the message of every
// damaged hand-over file and leaves no summary behind.
TEST(DamagedInputs, JorpelaRefusesAFlagOrALimitNoCheckHas) {
  ChainFolder f("sample_caisson_quay");
  const std::string good = f.good.at("CAL_ANZ.DAT");
  const std::string first = good.substr(0, good.find("\r\n"));
  const std::string value = first.substr(0, first.find(','));
  for (const std::string& line : {value + ",1.200000,-1", value + ",1.200000,2",
                                  value + ",1e-300,0", value + ",1e-300,1"}) {
    SCOPED_TRACE(line);
    std::string anz = good;
    anz.replace(0, first.size(), line);
    EXPECT_EQ(f.run_with("JORPELA", "CAL_ANZ.DAT", anz), 1);
    EXPECT_EQ(f.err(), "QVTMSG\terror\terror\t計算結果ファイル (CAL_ANZ.DAT) が壊れています。\n");
    EXPECT_FALSE(fs::exists(f.dir / "CAL_ANZ.DAT"));
  }
  // The line as the external engine wrote it is read.
  EXPECT_EQ(f.run_with("JORPELA", "CAL_ANZ.DAT", good), 0) << f.err();
  f.restore();
}

// A few hundred damaged hand-over files, each read by the engine that reads it.
TEST(DamagedInputs, DamagedHandOverFilesEndCleanly) {
  ChainFolder f("sample_caisson_quay");
  ASSERT_EQ(file_with_non_finite_text(f.dir.path()), "");
  struct Target {
    const char* program;
    const char* file;
    std::size_t record;  // 0 for a text file
  };
  const Target targets[] = {
      {"TOLMIRE", "DAT_PRN1.DAT", engine::LAND_WORK_LAYER_BYTES},
      {"TOLMIRE", "DAT_SYU1.DAT", engine::LOAD_ITEM_BYTES},
      {"TOLMIRE", "DAT_JYU2.DAT", engine::LOAD_ITEM_BYTES},
      {"TOLMIRE", "DAT_ENT1.DAT", engine::LOAD_ITEM_BYTES},
      {"TOLMIRE", "DAT_SUI1.DAT", engine::LOAD_ITEM_BYTES},
      {"TOLMIRE", "DAT_EKI2.DAT", engine::LOAD_ITEM_BYTES},
      {"VASKUDE", "CAL_ANS.DAT", 8},
      {"MERITAN", "CAL_ANS.DAT", engine::SPLIT_LAYER_BYTES},
      {"JORPELA", "CAL_ANS.DAT", 8},
      {"JORPELA", "DAT_ANS.DAT", engine::ACTIVE_SEGMENT_BYTES},
      {"JORPELA", "CAL_ANZ.DAT", 0},
  };
  qvt::testing::FileDamage damage(3737);
  constexpr int kRuns = 88;  // 8 a target; the readers alone take hundreds in-process
  int stopped = 0;
  for (int n = 0; n < kRuns; ++n) {
    const Target& t = targets[static_cast<std::size_t>(n) % std::size(targets)];
    const std::string& good = f.good.at(t.file);
    const std::string bytes = t.record ? damage.binary(good, t.record) : damage.text(good);
    const int code = f.run_with(t.program, t.file, bytes);
    SCOPED_TRACE(std::string(t.program) + " " + t.file + " copy " + std::to_string(n));
    ASSERT_TRUE(code == 0 || code == 1) << code << "\n" << f.err();
    if (code == 1) {
      ++stopped;
      EXPECT_NE(f.err().find("QVTMSG\terror"), std::string::npos) << f.err();
    }
    const std::string bad = file_with_non_finite_text(f.dir.path());
    EXPECT_EQ(bad, "") << work_file(f.dir.path(), bad.c_str());
  }
  f.restore();
  EXPECT_GT(stopped, kRuns / 4);
}

}  // namespace
}  // namespace qvt::jorpela
