#include "frontend/model/conditions_file.h"

#include "common/cp932.h"
#include "common/numtext.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/model/block_file.h"
#include "frontend/model/project_files.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace qvt::model {
namespace {

using qvt::model::testing::Recorder;

ProjectModel new_project() {
  ProjectModel m;
  m.conditions = ProjectConditions{};
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s) m.wall_blocks[s].block_type = BLOCK_EMPTY;
  return m;
}

// Lines (1-based) that hold integer items in a current file; every other numeric line holds
// reals. Written out from the layout table so a shifted line shows up.
std::set<int> integer_lines() {
  std::set<int> s = {3, 4, 6, 7, 12, 20, 21, 22, 23, 24, 25, 26, 27, 35, 37, 38, 42, 43, 50,
                     69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 142, 143, 146, 147, 153, 155, 156, 487};
  for (int l = 84; l <= 99; ++l) s.insert(l);
  for (int layer = 0; layer < 30; ++layer) {
    s.insert(187 + 10 * layer + 4);  // soil_type
    s.insert(187 + 10 * layer + 8);  // liquefied
  }
  return s;
}
const std::set<int> kTextLines = {1, 2, 5, 157, 162, 167, 172, 177, 182};

using qvt::model::testing::split_items;

// A current file in which every item has a value of its own.
std::vector<std::string> distinct_file() {
  ProjectModel m = new_project();
  std::vector<std::string> lines = conditions_file_lines(m);
  const std::set<int> ints = integer_lines();
  int k = 0;
  for (int no = 1; no <= static_cast<int>(lines.size()); ++no) {
    if (kTextLines.count(no)) continue;
    std::vector<std::string> items = split_items(lines[no - 1]);
    std::string line;
    for (std::size_t i = 0; i < items.size(); ++i) {
      ++k;
      if (i) line += ',';
      line += ints.count(no) ? std::to_string(k % 3000) : std::to_string(k) + ".125";
    }
    lines[no - 1] = line;
  }
  // Counts must stay within their stores; lines 72, 73 and 76 follow from them.
  lines[43 - 1] = "7";
  lines[50 - 1] = "9";
  lines[69 - 1] = "80";
  lines[70 - 1] = "3";
  lines[71 - 1] = "5";
  lines[72 - 1] = "6";
  lines[73 - 1] = "8";
  lines[74 - 1] = "2";
  lines[75 - 1] = "1";
  lines[76 - 1] = "0";
  lines[487 - 1] = "12,50";
  lines[1] = *utf8_to_cp932("岸壁 ｶﾅ No.1");
  lines[4] = *utf8_to_cp932("業務名称ﾃｽﾄ");
  const char* names[] = {"F1", "外力", "ｶ", "x y", "5", "last"};
  for (int i = 0; i < 6; ++i) lines[157 - 1 + 5 * i] = *utf8_to_cp932(names[i]);
  return lines;
}

class ConditionsFile : public ::testing::Test {
 protected:
  std::filesystem::path write(const std::vector<std::string>& lines, const char* name = "p.MSJ") {
    auto path = dir_ / name;
    write_file_bytes(path, join_crlf(lines));
    return path;
  }
  qvt::testing::TempDir dir_;
};

TEST_F(ConditionsFile, DefaultProjectWritesItsLayout) {
  ProjectModel m = new_project();
  std::vector<std::string> lines = conditions_file_lines(m);
  ASSERT_EQ(lines.size(), 521u);
  EXPECT_EQ(lines[0], "*000013");
  EXPECT_EQ(lines[1], "untitled");
  EXPECT_EQ(lines[4], std::string(64, ' '));
  EXPECT_EQ(lines[7], "100");             // improvement ratio
  EXPECT_EQ(lines[9], "10.1");            // water unit weight
  EXPECT_EQ(lines[12], "1.2,1");          // sliding safety factors
  EXPECT_EQ(lines[14], "2.5,1.5");        // bearing
  EXPECT_EQ(lines[16], "600,900");        // compressive stress
  EXPECT_EQ(lines[37], "-1");             // no imported check point
  EXPECT_EQ(lines[43], "0,0,0,0,0");      // passive x of points 0-4
  EXPECT_EQ(lines[71], "-1");             // passive soil layers with no points
  EXPECT_EQ(lines[72], "-1");
  EXPECT_EQ(lines[75], "0");              // used blocks
  EXPECT_EQ(lines[83], "-1,-1,-1,-1,-1"); // surface point kinds
  EXPECT_EQ(lines[152], "1");             // friction rule
  EXPECT_EQ(lines[154], "1");             // founding type
  EXPECT_EQ(lines[156], std::string(5, ' '));
  EXPECT_EQ(lines[486], "0,0");
  EXPECT_EQ(lines[487], "0,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(lines[520], "0");
  // On disk every line ends with CR LF.
  EXPECT_EQ(join_crlf(lines).size(), [&] {
    std::size_t n = 0;
    for (auto& l : lines) n += l.size() + 2;
    return n;
  }());
}

TEST_F(ConditionsFile, EveryFieldRoundTripsByteForByte) {
  const std::vector<std::string> original = distinct_file();
  ProjectModel m = new_project();
  ASSERT_TRUE(read_conditions_file(write(original), m.conditions, m.file_version));
  EXPECT_EQ(m.file_version, 13);
  EXPECT_EQ(m.conditions.project_title, "岸壁 ｶﾅ No.1");
  EXPECT_EQ(m.conditions.external_forces[0][1].name, "外力");
  EXPECT_EQ(conditions_file_lines(m), original);
}

TEST_F(ConditionsFile, FieldsLandWhereTheLayoutSaysTheyDo) {
  // Spot checks that tie table lines to fields (the round trip alone would not see a swap).
  std::vector<std::string> lines = distinct_file();
  lines[8 - 1] = "55.5";
  lines[25 - 1] = "2";
  lines[36 - 1] = "-11.5";
  lines[68 - 1] = "4.25";        // bl2
  lines[133 - 1] = "3,4";        // seabed surcharge
  lines[156 - 1] = "1";          // slope_length_width
  lines[160 - 1] = "7.5";        // normal case row 0: x
  lines[187 + 10 * 16 + 9 - 1] = "19.5";  // active side layer 1: slurry
  lines[521 - 1] = "-2.5";
  ProjectModel m = new_project();
  ASSERT_TRUE(read_conditions_file(write(lines), m.conditions, m.file_version));
  const ProjectConditions& c = m.conditions;
  EXPECT_EQ(c.improvement_ratio, 55.5);
  EXPECT_EQ(c.shallow_clay_method, 2);
  EXPECT_EQ(c.active_seabed_level, -11.5);
  EXPECT_EQ(c.body_dims.bl2, 4.25);
  EXPECT_EQ(c.seabed_surcharge[1], 4);
  EXPECT_EQ(c.bearing_layer.slope_length_width, 1);
  EXPECT_EQ(c.external_forces[0][0].x, 7.5);
  EXPECT_EQ(c.soil_layers[1][1].slurry_unit_weight, 19.5);
  EXPECT_EQ(c.dynamic_water_level, -2.5);
}

TEST_F(ConditionsFile, TextLinesKeepCommasAndAreTrimmed) {
  ProjectModel m = new_project();
  m.conditions.project_title = "quay, north";
  m.conditions.job_name = "  harbour works, phase 2  ";
  m.conditions.external_forces[1][0].name = " bollard, 100 kN ";
  m.conditions.external_forces[1][1].name = "";
  std::vector<std::string> lines = conditions_file_lines(m);
  EXPECT_EQ(lines[4], "harbour works, phase 2");
  EXPECT_EQ(m.conditions.job_name, "harbour works, phase 2");  // stored back trimmed
  EXPECT_EQ(m.conditions.external_forces[1][0].name, "bollard, 100 kN");
  ProjectModel back = new_project();
  ASSERT_TRUE(read_conditions_file(write(lines), back.conditions, back.file_version));
  EXPECT_EQ(back.conditions.project_title, "quay, north");
  EXPECT_EQ(back.conditions.job_name, "harbour works, phase 2");
  EXPECT_EQ(back.conditions.external_forces[1][0].name, "bollard, 100 kN");
  EXPECT_EQ(back.conditions.external_forces[1][1].name, "");
  EXPECT_EQ(back.conditions.external_forces[1][0].vertical, 0);
}

TEST_F(ConditionsFile, EmptyJobNameReadsBackAsBlanksAndIsWrittenAgainAsBlanks) {
  ProjectModel m = new_project();
  std::vector<std::string> lines = conditions_file_lines(m);
  ProjectModel back = new_project();
  ASSERT_TRUE(read_conditions_file(write(lines), back.conditions, back.file_version));
  EXPECT_EQ(back.conditions.job_name, std::string(64, ' '));
  EXPECT_EQ(back.conditions.project_title, "");  // "untitled" reads as empty
  EXPECT_EQ(conditions_file_lines(back), lines);
}

// Builds a file of an older version from a current one by removing the lines and items that
// version does not have.
std::vector<std::string> older_file(int version, const std::vector<std::string>& current) {
  auto lacks = [&](int line) {
    struct Gate { int first, last, since; };
    static const Gate gates[] = {{8, 8, 2}, {19, 19, 5}, {26, 27, 9}, {34, 35, 4}, {36, 37, 11},
                                 {78, 78, 8}, {133, 133, 13}, {153, 154, 7}, {155, 155, 10},
                                 {156, 156, 12}};
    for (const auto& g : gates)
      if (line >= g.first && line <= g.last && version < g.since) return true;
    if (line >= 187 && line <= 486 && version < 4) {
      int in_record = (line - 187) % 10;
      return in_record >= 8;
    }
    return false;
  };
  std::vector<std::string> out;
  for (int no = 1; no <= 521; ++no) {
    if (no == 1) {
      if (version > 0) {
        char mark[16];
        std::snprintf(mark, sizeof mark, "*%06d", version);
        out.push_back(mark);
      }
      continue;
    }
    if (!lacks(no)) out.push_back(current[no - 1]);
  }
  return out;
}

TEST_F(ConditionsFile, OlderVersionsGetTheOlderValues) {
  const std::vector<std::string> current = distinct_file();
  for (int version : {0, 1, 3}) {
    SCOPED_TRACE(version);
    ProjectModel m = new_project();
    ASSERT_TRUE(read_conditions_file(write(older_file(version, current)), m.conditions,
                                     m.file_version));
    const ProjectConditions& c = m.conditions;
    EXPECT_EQ(m.file_version, version);
    EXPECT_EQ(c.project_title, "岸壁 ｶﾅ No.1");
    EXPECT_EQ(c.improvement_ratio, version < 2 ? 100.0 : parse_real(current[7]).value());
    EXPECT_EQ(c.allowable_stresses[2][0], 0);
    EXPECT_EQ(c.allowable_stresses[2][1], 0);
    EXPECT_EQ(c.clay_compare_shallow, 1);
    EXPECT_EQ(c.clay_compare_deep, 1);
    EXPECT_EQ(c.liquefied_pressure_coef, 1.0);
    EXPECT_EQ(c.liquefied_vertical_rule, 1);
    EXPECT_EQ(c.active_seabed_level, 0);
    EXPECT_EQ(c.active_seabed_rule, 0);
    EXPECT_EQ(c.collapse_angle_rule, 0);
    EXPECT_EQ(c.seabed_surcharge[0], 0);
    EXPECT_EQ(c.bearing_layer.friction_rule, 1);
    EXPECT_EQ(c.bearing_layer.friction_mu, 0);
    EXPECT_EQ(c.bearing_layer.founding_type, 1);
    EXPECT_EQ(c.bearing_layer.slope_length_width, 0);
    EXPECT_EQ(c.soil_layers[1][14].liquefied, 0);
    EXPECT_EQ(c.soil_layers[1][14].slurry_unit_weight, 0);
    // The values that all versions carry arrive unshifted.
    EXPECT_EQ(c.dynamic_water_level, parse_real(current[520]).value());
    EXPECT_EQ(c.soil_layers[1][14].cohesion_gradient,
              parse_real(current[187 + 10 * 29 + 7 - 1]).value());
    EXPECT_EQ(c.external_forces[1][2].name, "last");
  }
}

TEST_F(ConditionsFile, Version15ItemsAreReadAndDropped) {
  const std::vector<std::string> current = distinct_file();
  std::vector<std::string> lines = current;
  lines[0] = "*000015";
  // Extra items of version 14 after lines 19, 30 and 154, and of version 15 after every soil
  // layer record; soil type 2 reads as clay.
  lines[19 - 1] += ",99.5";
  lines[30 - 1] += ",98.5";
  lines[154 - 1] += ",97.5";
  for (int layer = 0; layer < 30; ++layer) lines[187 + 10 * layer + 9 - 1] += ",7";
  lines[187 + 4 - 1] = "2";
  ProjectModel m = new_project();
  ASSERT_TRUE(read_conditions_file(write(lines), m.conditions, m.file_version));
  EXPECT_EQ(m.file_version, 15);
  EXPECT_EQ(m.conditions.soil_layers[0][0].soil_type, 1);
  std::vector<std::string> rewritten = conditions_file_lines(m);
  std::vector<std::string> expected = current;
  expected[187 + 4 - 1] = "1";
  EXPECT_EQ(rewritten, expected);
}

TEST_F(ConditionsFile, BrokenFilesFailAndLeaveTheModelAsItWas) {
  const std::vector<std::string> good = distinct_file();
  std::vector<std::vector<std::string>> broken;
  broken.push_back({good.begin(), good.begin() + 300});          // truncated
  broken.push_back({good.begin(), good.begin() + 520});          // last item missing
  auto bad_number = good;
  bad_number[100] = "1,2,x,4,5";
  broken.push_back(bad_number);
  auto bad_count = good;
  bad_count[43 - 1] = "16";                                       // beyond 15 action points
  broken.push_back(bad_count);
  auto bad_version = good;
  bad_version[0] = "*00001x";
  broken.push_back(bad_version);
  auto future = good;
  future[0] = "*000016";
  broken.push_back(future);
  broken.push_back({});
  // Items that are not numbers, as the engines refuse them too: line 9 holds the three water
  // levels (reals), line 6 the seismic check (an integer).
  for (const char* levels : {"1,nan,2", "inf,1,2", "1,2,1e400", "1,,2", "1,abc,2"}) {
    auto bad = good;
    bad[9 - 1] = levels;
    broken.push_back(bad);
  }
  auto fraction = good;
  fraction[6 - 1] = "3.7";
  broken.push_back(fraction);
  auto repeated = good;  // more lines than the layout: later values would be shifted
  repeated.insert(repeated.begin() + 520, good[519]);
  broken.push_back(repeated);
  for (std::size_t i = 0; i < broken.size(); ++i) {
    SCOPED_TRACE(i);
    ProjectModel m = new_project();
    m.conditions.project_title = "kept";
    m.conditions.water_levels[0] = 1.8;
    m.file_version = 9;
    write(broken[i], "broken.MSJ");
    Recorder rec;
    EXPECT_FALSE(load_project_files((dir_ / "broken").string(), m, rec));
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].text, "条件ﾌｧｲﾙ(.MSJ)が読み込み出来ません。");
    EXPECT_EQ(rec.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(m.conditions.project_title, "kept");
    EXPECT_EQ(m.conditions.water_levels[0], 1.8);
    EXPECT_EQ(m.file_version, 9);
  }
  ProjectModel m = new_project();
  Recorder rec;
  EXPECT_FALSE(load_project_files((dir_ / "missing").string(), m, rec));
  EXPECT_EQ(rec.messages.size(), 1u);
  // A folder in the file's place is a file that cannot be read: the message, nothing taken.
  std::filesystem::create_directory(dir_ / "folder.MSJ");
  Recorder folder;
  m.conditions.project_title = "kept";
  EXPECT_FALSE(load_project_files((dir_ / "folder").string(), m, folder));
  ASSERT_EQ(folder.messages.size(), 1u);
  EXPECT_EQ(folder.messages[0].text, "条件ﾌｧｲﾙ(.MSJ)が読み込み出来ません。");
  EXPECT_EQ(m.conditions.project_title, "kept");
}

// Each line of the layout is one line of the file with exactly its items. Otherwise a repeated
// or missing line shifts every later value into the wrong field and the file still holds enough
// items to fill the model: a repeated line 520 used to give the dynamic water level the force's
// value and leave the real level unread.
TEST_F(ConditionsFile, FilesOffTheirLineLayoutAreRefused) {
  const std::vector<std::string> good = distinct_file();
  auto repeated = [&](int no) {
    auto l = good;
    l.insert(l.begin() + no, l[no - 1]);
    return l;
  };
  auto missing = [&](int no) {
    auto l = good;
    l.erase(l.begin() + (no - 1));
    return l;
  };
  auto swapped = [&](int a, int b) {
    auto l = good;
    std::swap(l[a - 1], l[b - 1]);
    return l;
  };
  auto joined = [&](int no) {  // line no + 1 moved onto the end of line no
    auto l = good;
    l[no - 1] += "," + l[no];
    l.erase(l.begin() + no);
    return l;
  };
  auto appended = [&](const std::string& line) {
    auto l = good;
    l.push_back(line);
    return l;
  };
  struct Case {
    const char* what;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"line 520 repeated", repeated(520)},
      {"line 521 repeated", repeated(521)},
      {"line 60 repeated (a body size)", repeated(60)},
      {"line 57 missing", missing(57)},
      {"line 300 missing", missing(300)},
      {"lines 9 and 10 swapped", swapped(9, 10)},
      {"lines 43 and 44 swapped", swapped(43, 44)},
      {"lines 156 and 157 swapped", swapped(156, 157)},
      {"lines 10 and 11 on one line", joined(10)},
      {"an item more on line 9", [&] { auto l = good; l[8] += ",1"; return l; }()},
      {"an item more on line 521", [&] { auto l = good; l[520] += ",1"; return l; }()},
      {"a line more at the end", appended("0")},
      {"a blank line then a value", [&] { auto l = appended(""); l.push_back("1"); return l; }()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProjectModel m = new_project();
    m.conditions.dynamic_water_level = 2.5;
    EXPECT_FALSE(read_conditions_file(write(c.lines), m.conditions, m.file_version));
    EXPECT_EQ(m.conditions.dynamic_water_level, 2.5);
  }
  // Empty lines after the last item are no lines of the layout.
  for (const char* tail : {"", "  ", "\t"}) {
    ProjectModel m = new_project();
    auto l = appended(tail);
    l.push_back("");
    ASSERT_TRUE(read_conditions_file(write(l), m.conditions, m.file_version)) << "[" << tail << "]";
    EXPECT_EQ(m.conditions.dynamic_water_level, parse_real(good[520]).value());
  }
}

// Levels, coordinates and lengths lie within the section's extent. A water level of -1e308
// used to open and be printed as a label of 310 digits.
TEST_F(ConditionsFile, LevelsAndLengthsBeyondTheSectionAreRefused) {
  const std::vector<std::string> good = distinct_file();
  struct Case {
    const char* what;
    int line;  // from 1
    const char* text;
    bool ok;
  };
  const Case cases[] = {
      {"L.W.L. -1e308", 9, "0,-1e308,0", false},
      {"H.W.L. beyond the section", 9, "100000.5,0,0", false},
      {"water levels at the section's extent", 9, "100000,-100000,0", true},
      {"cohesion reference level", 11, "1e9", false},
      {"body width", 59, "-2e5", false},
      {"a soil layer's top level", 187, "1e300", false},
      {"a soil layer's top level within the section", 187, "-60.5", true},
      {"the dynamic water level", 521, "-1e308", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> l = good;
    l[c.line - 1] = c.text;
    ProjectModel m = new_project();
    m.conditions.dynamic_water_level = 2.5;
    EXPECT_EQ(read_conditions_file(write(l), m.conditions, m.file_version), c.ok);
    if (!c.ok) {
      EXPECT_EQ(m.conditions.dynamic_water_level, 2.5);
    }
  }
}

// The items of versions 14 and 15 stand either at the end of the line before or on lines of
// their own; both are taken.
TEST_F(ConditionsFile, Version15ItemsOnLinesOfTheirOwnAreTaken) {
  const std::vector<std::string> current = distinct_file();
  std::vector<std::string> lines;
  for (int no = 1; no <= 521; ++no) {
    lines.push_back(no == 1 ? "*000015" : current[no - 1]);
    if (no == 19 || no == 30 || no == 154) lines.push_back("9.5");
    if (no >= 187 && no <= 486 && (no - 187) % 10 == 9) lines.push_back("3");
  }
  ASSERT_EQ(lines.size(), 521u + 3 + 30);
  ProjectModel m = new_project();
  ASSERT_TRUE(read_conditions_file(write(lines), m.conditions, m.file_version));
  EXPECT_EQ(m.file_version, 15);
  EXPECT_EQ(m.conditions.dynamic_water_level, parse_real(current[520]).value());
  EXPECT_EQ(m.conditions.soil_layers[1][14].slurry_unit_weight, parse_real(current[485]).value());
  // One of them missing shifts the rest: refused.
  lines.erase(lines.begin() + 19);
  EXPECT_FALSE(read_conditions_file(write(lines), m.conditions, m.file_version));
}

TEST_F(ConditionsFile, LoadReadsTheMsjOfTheBase) {
  write(distinct_file(), "quay.MSJ");
  ProjectModel m = new_project();
  write(block_file_lines(m).lines, "quay.MBJ");
  Recorder rec;
  ASSERT_TRUE(load_project_files((dir_ / "quay").string(), m, rec));
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_EQ(m.conditions.job_name, "業務名称ﾃｽﾄ");
  EXPECT_EQ(m.file_version, 13);
}

TEST_F(ConditionsFile, LoadFindsSuffixesInAnyCase) {
  // Files copied from elsewhere may carry their suffix in small letters; the capitals written by
  // the program come first when both exist.
  write(distinct_file(), "pier.msj");
  ProjectModel m = new_project();
  write(block_file_lines(m).lines, "pier.Mbj");
  Recorder rec;
  ASSERT_TRUE(load_project_files((dir_ / "pier").string(), m, rec));
  EXPECT_EQ(m.conditions.job_name, "業務名称ﾃｽﾄ");
  // Another base whose name merely starts the same is not taken.
  ProjectModel other = new_project();
  EXPECT_FALSE(load_project_files((dir_ / "pie").string(), other, rec));
}

TEST_F(ConditionsFile, Version0LoadRaisesTheDynamicWaterLevelAfterTheBlockFile) {
  const std::vector<std::string> current = distinct_file();
  write(older_file(0, current), "old.MSJ");
  ProjectModel m = new_project();
  // A block file of version 0: no label line, no library.
  std::vector<std::string> blocks = block_file_lines(m).lines;
  blocks.resize(blocks.size() - 2);
  write(blocks, "old.MBJ");
  // Worked by hand: the file's level (line 521) plus the seismic check point's y (line 515).
  const double level = parse_real(current[521 - 1]).value();
  const double check_y = parse_real(current[515 - 1]).value();
  Recorder rec;
  ASSERT_TRUE(load_project_files((dir_ / "old").string(), m, rec));
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_EQ(m.file_version, 0);
  EXPECT_EQ(m.conditions.body_reactions[CASE_SEISMIC].check_y, check_y);
  EXPECT_EQ(m.conditions.dynamic_water_level, level + check_y);

  // When the block file fails nothing is taken over, the correction included.
  blocks.resize(100);
  write(blocks, "old.MBJ");
  ProjectModel kept = new_project();
  kept.conditions.dynamic_water_level = 2.5;
  kept.file_version = 7;
  EXPECT_FALSE(load_project_files((dir_ / "old").string(), kept, rec));
  EXPECT_EQ(kept.conditions.dynamic_water_level, 2.5);
  EXPECT_EQ(kept.conditions.body_reactions[CASE_SEISMIC].check_y, 0);
  EXPECT_EQ(kept.file_version, 7);
}

}  // namespace
}  // namespace qvt::model
