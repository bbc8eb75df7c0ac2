#include "engines/common/condition_readers.h"

#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/tests/reader_fixtures.h"

#include <gtest/gtest.h>

#include <memory>

namespace qvt::engine {
namespace {

using testing::block_lines;
using testing::conditions_lines;
using testing::options_lines;
using testing::parametric_slot;
using testing::polygon_slot;
using testing::quad_slot;
using testing::shape_entry;
using testing::sjis;

std::unique_ptr<ConditionData> fresh() { return std::make_unique<ConditionData>(); }

// The texts of the stop, as UTF-8.
std::vector<std::string> stop_texts(const Status& s) {
  std::vector<std::string> out;
  if (s.ok()) return out;
  for (const EngineMessage& m : s.stop().messages) {
    EXPECT_EQ(m.kind, MessageKind::Error);
    EXPECT_EQ(m.title, "error");
    out.push_back(cp932_to_utf8_lossy(m.text));
  }
  return out;
}

std::string short_text(const char* label, std::size_t line) {
  return std::string(label) + " が途中で終わっています。\n" + std::to_string(line) +
         " 行目がありません。";
}
std::string bad_text(const char* label, int line) {
  return std::string(label) + " の " + std::to_string(line) + " 行目の値が正しくありません。";
}
std::string extra_text(const char* label, int last_line) {
  return std::string(label) + " の " + std::to_string(last_line) + " 行目の後に余分な行があります。";
}
constexpr const char* kConditions = "条件設定ファイル (QVTAJKN.CAL)";
constexpr const char* kOptions = "カスタムデータ (QVT_DAT.CST)";
constexpr const char* kBlocks = "初期条件設定ファイル (QVTABLK.CAL)";

// --- QVTAJKN.CAL ---------------------------------------------------------------------------

TEST(ConditionsReader, OnlyTheImprovementRatioDependsOnTheVersion) {
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    int version;
    double ratio;
  };
  std::vector<std::string> current = conditions_lines();
  auto without = [](std::vector<std::string> l, std::initializer_list<int> line_nos) {
    for (auto it = std::rbegin(line_nos); it != std::rend(line_nos); ++it)
      l.erase(l.begin() + (*it - 1));
    return l;
  };
  auto marked = [&](const char* mark, bool with_ratio) {
    std::vector<std::string> l = with_ratio ? current : without(current, {8});
    l[0] = mark;
    return l;
  };
  const Case cases[] = {
      {"current", current, 13, 85.5},
      {"no mark: the first line is the title", without(current, {1, 8}), 0, 100},
      {"version 0", marked("*000000", false), 0, 100},
      {"version 1", marked("*000001", false), 1, 100},
      {"version 2 without leading zeros", marked("*2", true), 2, 85.5},
  };
  for (const Case& c : cases) {
    auto d = fresh();
    ASSERT_TRUE(parse_conditions_lines(c.lines, *d).ok()) << c.name;
    EXPECT_EQ(d->file_version, c.version) << c.name;
    EXPECT_EQ(d->improvement_ratio, c.ratio) << c.name;
    // The lines around line 8 and the last line are where they belong.
    EXPECT_EQ(d->project_title.view(), sjis("岸壁検討")) << c.name;
    EXPECT_EQ(d->seismic_check, 2) << c.name;
    EXPECT_EQ(d->water_levels[0], 1.5) << c.name;
    EXPECT_EQ(d->water_levels[2], 0.5) << c.name;
    EXPECT_EQ(d->dynamic_water_level, -2.75) << c.name;

    // One line short is a stop naming the first line that is missing.
    std::vector<std::string> cut(c.lines.begin(), c.lines.end() - 1);
    auto e = fresh();
    EXPECT_EQ(stop_texts(parse_conditions_lines(cut, *e)),
              std::vector<std::string>{short_text(kConditions, c.lines.size())})
        << c.name;
  }
}

TEST(ConditionsReader, ItemsGoToTheirFields) {
  std::vector<std::string> l = conditions_lines();
  auto at = [&](int line_no) -> std::string& { return l[line_no - 1]; };
  at(14) = "1.25,1.125";       // overturning: normal, seismic
  at(19) = "3,4";              // design strength
  at(33) = "0.8,0.9";          // importance factor
  at(81) = "5,4,3";            // embankment top levels
  at(99) = "1,2,3,4,5";        // kinds of surface points 75..79
  at(131) = "6,7,8,9,10.5";    // y of surface points 75..79
  at(137) = "1,2,3,4,5.5";     // surcharge ranges, seismic loads
  at(140) = "11,12,13,14";     // top surcharges, normal loads
  at(156) = "1";               // slope_length_width
  at(162) = sjis("係船柱");     // name of the normal case's second force
  at(166) = "-4.5";            // its y
  at(187 + 150 + 10 * 14 + 9) = "19.5";  // active side, layer 14, slurry unit weight
  at(487) = "3,50";
  at(497) = testing::series(0, 1, 10);  // x of list 1, points 40..49
  at(519) = "0.125";           // seismic extra
  auto d = fresh();
  ASSERT_TRUE(parse_conditions_lines(l, *d).ok());
  EXPECT_EQ(d->stamp_date[0], 24);
  EXPECT_EQ(d->stamp_time[2], 9);
  EXPECT_EQ(d->job_name.view(), std::string(64, ' '));  // 64 blanks are held whole
  EXPECT_EQ(d->safety_factors[0][CASE_NORMAL], 1.2);
  EXPECT_EQ(d->safety_factors[0][CASE_SEISMIC], 1.0);
  EXPECT_EQ(d->safety_factors[1][CASE_NORMAL], 1.25);
  EXPECT_EQ(d->safety_factors[1][CASE_SEISMIC], 1.125);
  EXPECT_EQ(d->allowable_stresses[2][CASE_SEISMIC], 4);
  EXPECT_EQ(d->importance_factor[1], 0.9);
  EXPECT_EQ(d->imported_check_point.number, 3);
  EXPECT_EQ(d->imported_check_point.z, 7);
  EXPECT_EQ(d->toe_x, 12.5);  // the check point until find_toe_point
  EXPECT_EQ(d->toe_y, -3.25);
  EXPECT_EQ(d->soil_layer_counts[SIDE_PASSIVE], -1);
  EXPECT_EQ(d->soil_layer_counts[SIDE_ACTIVE], 4);
  EXPECT_EQ(d->embankment_layers[2].top_level, 3);
  EXPECT_EQ(d->surface_points[79].kind, 5);
  EXPECT_EQ(d->surface_points[79].y, 10.5);
  EXPECT_EQ(d->surcharge_ranges[4].load[CASE_SEISMIC], 5.5);
  EXPECT_EQ(d->top_surcharges.load[3][CASE_NORMAL], 14);
  EXPECT_EQ(d->bearing_layer.slope_length_width, 1);
  EXPECT_EQ(d->external_forces[CASE_NORMAL][0].name.view(), "     ");
  EXPECT_EQ(d->external_forces[CASE_NORMAL][1].name.view(), sjis("係船柱"));
  EXPECT_EQ(d->external_forces[CASE_NORMAL][1].y, -4.5);
  EXPECT_EQ(d->soil_layers[SIDE_ACTIVE][14].slurry_unit_weight, 19.5);
  EXPECT_EQ(d->dimension_points[0].count, 3);
  EXPECT_EQ(d->dimension_points[1].count, 50);
  EXPECT_EQ(d->dimension_points[1].x[49], 9);  // the last x line of list 1
  EXPECT_EQ(d->body_reactions[CASE_SEISMIC].extra, 0.125);
}

TEST(ConditionsReader, TextsAreCutAtAWholeCharacter) {
  std::vector<std::string> l = conditions_lines();
  std::string wide;
  for (int i = 0; i < 60; ++i) wide += sjis("岸");  // 120 bytes
  l[1] = wide;                                        // title, 95 bytes at most
  l[4] = "a" + wide;                                  // job name, 64 at most
  std::string forty;
  for (int i = 0; i < 20; ++i) forty += sjis("力");  // 20 characters the front end allows
  l[156] = forty;                                     // force name, 23 at most
  l[161] = std::string(300, 'x');                     // longer than any line buffer
  l[162] = "1.5" + std::string(300, ' ');            // a long numeric line
  auto d = fresh();
  ASSERT_TRUE(parse_conditions_lines(l, *d).ok());
  EXPECT_EQ(d->project_title.view(), wide.substr(0, 94));
  EXPECT_EQ(d->job_name.view(), "a" + wide.substr(0, 62));
  EXPECT_EQ(d->external_forces[0][0].name.view(), forty.substr(0, 22));
  EXPECT_EQ(d->external_forces[0][1].name.view(), std::string(23, 'x'));
  EXPECT_EQ(d->external_forces[0][1].vertical, 1.5);
  EXPECT_EQ(d->dynamic_water_level, -2.75);  // nothing shifted
}

TEST(ConditionsReader, CountsOutsideTheirStoresStop) {
  struct Case {
    int line;
    const char* text;
    bool ok;
  };
  const Case cases[] = {
      {69, "80", true},  {69, "81", false},  {69, "-1", false},  {70, "3", true},
      {70, "4", false},  {71, "5", true},    {71, "6", false},   {72, "-1", true},
      {72, "-2", false}, {73, "15", true},   {73, "16", false},  {74, "3", true},
      {75, "4", false},  {75, "x", false},   {75, "", false},    {76, "20", true},
      {76, "21", false}, {487, "50,50", true}, {487, "51,0", false}, {487, "0,-1", false},
      {487, "7", false}, {69, "2147483648", false},
  };
  for (const Case& c : cases) {
    std::vector<std::string> l = conditions_lines();
    l[c.line - 1] = c.text;
    auto d = fresh();
    Status s = parse_conditions_lines(l, *d);
    if (c.ok) {
      EXPECT_TRUE(s.ok()) << c.line << " " << c.text;
    } else {
      EXPECT_EQ(stop_texts(s), std::vector<std::string>{bad_text(kConditions, c.line)})
          << c.line << " " << c.text;
    }
  }
}

// Levels, coordinates and lengths lie within the section's extent: a level of -1e308 stops the
// engine naming the line, instead of being summed and printed.
TEST(ConditionsReader, LevelsBeyondTheSectionStop) {
  struct Case {
    int line;
    const char* text;
    bool ok;
  };
  const Case cases[] = {
      {9, "0,-1e308,0", false},        {9, "100000,-100000,0", true}, {9, "100000.5,0,0", false},
      {11, "1e9", false},              {57, "-2e5", false},           {187, "1e300", false},
      {188, "-60.5", true},            {521, "-1e308", false},
      {488, "1e9,0,0,0,0,0,0,0,0,0", false},
  };
  for (const Case& c : cases) {
    std::vector<std::string> l = conditions_lines();
    l[c.line - 1] = c.text;
    auto d = fresh();
    Status s = parse_conditions_lines(l, *d);
    if (c.ok) {
      EXPECT_TRUE(s.ok()) << c.line << " " << c.text;
    } else {
      EXPECT_EQ(stop_texts(s), std::vector<std::string>{bad_text(kConditions, c.line)})
          << c.line << " " << c.text;
    }
  }
}

// A numeric item that does not read as a finite number (or an integer item as a whole number)
// makes the file malformed: the engine stops naming the file and the line.
TEST(ConditionsReader, ItemsThatAreNotNumbersStop) {
  struct Case {
    int line;
    const char* text;
  };
  const Case cases[] = {
      {9, "3.5,abc,4"}, {9, "3.5,nan,4"}, {9, "inf,0,0"}, {9, "1e400,0,0"}, {9, "3.5,4"},
      {9, "1,2,3,4"},   {10, ""},         {10, "abc"},    {6, "3.7"},       {6, "1.5"},
      {1, "*00001x"},   {1, "*"},         {3, "1,2"},     {82, "1,2,nan"},  {521, "-inf"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> l = conditions_lines();
    l[c.line - 1] = c.text;
    auto d = fresh();
    EXPECT_EQ(stop_texts(parse_conditions_lines(l, *d)),
              std::vector<std::string>{bad_text(kConditions, c.line)})
        << c.line << " " << c.text;
  }
  // Whole numbers written as reals read as integers; "-0" is 0.
  std::vector<std::string> l = conditions_lines();
  l[5] = "1.0";
  l[8] = "-0,1e3,2.5";
  auto d = fresh();
  ASSERT_TRUE(parse_conditions_lines(l, *d).ok());
  EXPECT_EQ(d->seismic_check, 1);
  EXPECT_EQ(d->water_levels[0], 0.0);
  EXPECT_EQ(d->water_levels[1], 1000.0);
  EXPECT_EQ(d->water_levels[2], 2.5);
}

// A repeated line shifts every later value one line on; the file then still held enough lines
// to fill every item and used to be read with the dynamic water level taken from line 520.
TEST(ConditionsReader, FilesOffTheirLineLayoutStop) {
  const std::vector<std::string> good = conditions_lines();
  ASSERT_EQ(good.size(), 521u);
  auto repeated = [&](int no) {
    auto l = good;
    l.insert(l.begin() + no, l[no - 1]);
    return l;
  };
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::string text;
  };
  std::vector<std::string> swapped = good;
  std::swap(swapped[8], swapped[9]);  // three water levels and one unit weight
  std::vector<std::string> missing = good;
  missing.erase(missing.begin() + 56);
  std::vector<std::string> after_blank = good;
  after_blank.push_back("");
  after_blank.push_back("0");
  const Case cases[] = {
      {"line 520 repeated", repeated(520), extra_text(kConditions, 521)},
      {"line 521 repeated", repeated(521), extra_text(kConditions, 521)},
      {"a value after an empty line", after_blank, extra_text(kConditions, 521)},
      {"line 57 missing", missing, short_text(kConditions, 521)},
      {"lines 9 and 10 swapped", swapped, bad_text(kConditions, 9)},
  };
  for (const Case& c : cases) {
    auto d = fresh();
    EXPECT_EQ(stop_texts(parse_conditions_lines(c.lines, *d)), std::vector<std::string>{c.text})
        << c.what;
  }
  // Empty lines after the last one are no lines of the layout.
  std::vector<std::string> l = good;
  l.push_back("");
  l.push_back("  ");
  auto d = fresh();
  EXPECT_TRUE(parse_conditions_lines(l, *d).ok());
}

// --- QVT_DAT.CST ---------------------------------------------------------------------------

TEST(OptionsReader, ReadsTheFourteenLines) {
  auto d = fresh();
  ASSERT_TRUE(parse_options_lines(options_lines(), *d).ok());
  const CustomOptions& o = d->custom_options;
  EXPECT_EQ(o.wall_friction_angle, 15);
  EXPECT_EQ(o.clay_collapse_angle[0], 45);
  EXPECT_EQ(o.clay_collapse_angle[1], 40);
  EXPECT_EQ(o.consolidation_coef_kc, 0.5);
  EXPECT_EQ(o.at_rest_coef_k0, 0.5);  // ".5"
  EXPECT_EQ(o.surface_dummy_length, 100);
  EXPECT_EQ(o.negative_root_rule, 1);
  EXPECT_EQ(o.toe_confinement_rule, 2);
  EXPECT_EQ(o.surcharge_method, 1);
  EXPECT_EQ(o.seismic_rounding, 0);
  EXPECT_EQ(o.residual_water_rule, 1);
  EXPECT_EQ(o.front_water_rule, 0);
  EXPECT_EQ(o.pullout_pitch, 0.25);
  EXPECT_EQ(o.backfill_vertical_ignored, 0);
  EXPECT_EQ(o.passive_vertical_ignored, 0);
}

TEST(OptionsReader, PassiveVerticalFlag) {
  struct Case {
    const char* name;
    const char* line13;
    std::optional<const char*> line14;  // nullopt: the file has 13 lines
    int passive;
  };
  const Case cases[] = {
      {"13 lines", "0", std::nullopt, 1},
      {"line 14 = 0", "0", "0", 0},
      {"line 14 = 1", "0", "1", 1},
      {"line 13 = 1 forces 1", "1", "0", 1},
      {"empty line 14", "0", "", 1},
  };
  for (const Case& c : cases) {
    std::vector<std::string> l = options_lines();
    l[12] = c.line13;
    if (c.line14) l[13] = *c.line14;
    else l.pop_back();
    auto d = fresh();
    ASSERT_TRUE(parse_options_lines(l, *d).ok()) << c.name;
    EXPECT_EQ(d->custom_options.passive_vertical_ignored, c.passive) << c.name;
  }
}

TEST(OptionsReader, ItemsThatAreNotNumbersStop) {
  for (auto [line, text] : {std::pair{14, "x"}, {14, "0.5"}, {1, "nan"}, {2, "45"}, {6, "1.5"}}) {
    std::vector<std::string> l = options_lines();
    l[line - 1] = text;
    auto d = fresh();
    EXPECT_EQ(stop_texts(parse_options_lines(l, *d)),
              std::vector<std::string>{bad_text(kOptions, line)})
        << line << " " << text;
  }
}

// Every value is held to what its option can take (the table beside the check): outside it
// the engine stops with the file's message naming the line, at either end of each range.
TEST(OptionsReader, ValuesOutsideTheirRangeStop) {
  struct Case {
    int line;
    const char* text;
    bool ok;
  };
  const Case cases[] = {
      {1, "0", true},      {1, "90", true},     {1, "-1", false},    {1, "90.5", false},
      {2, "0,90", true},   {2, "45,91", false}, {2, "-5,45", false}, {3, "2", true},
      {3, "2.01", false},  {3, "-0.5", false},  {4, "0", true},      {4, "2", true},
      {4, "1e6", false},   {4, "-0.1", false},  {5, "0", true},      {5, "-1", false},
      {5, "1e6", false},   {6, "3", true},      {6, "4", false},     {6, "-1", false},
      {7, "2", true},      {7, "3", false},     {8, "3", false},     {9, "1", true},
      {9, "2", false},     {10, "2", false},    {11, "-1", false},   {12, "0", false},
      {12, "-0.5", false}, {12, "1e9", false},  {13, "1", true},     {13, "2", false},
      {14, "2", false},    {14, "-1", false},   {12, "0.001", true}, {12, "0.0009", false},
  };
  for (const Case& c : cases) {
    std::vector<std::string> l = options_lines();
    l[c.line - 1] = c.text;
    auto d = fresh();
    const Status s = parse_options_lines(l, *d);
    if (c.ok) {
      EXPECT_TRUE(s.ok()) << c.line << " " << c.text;
    } else {
      EXPECT_EQ(stop_texts(s), std::vector<std::string>{bad_text(kOptions, c.line)})
          << c.line << " " << c.text;
    }
  }
}

// A middle line missing leaves thirteen lines, the older layout: the values after it move up
// a line and one lands where its field cannot take it (the dummy length 100 as K0).
TEST(OptionsReader, MiddleLineMissingIsRefusedWhereAValueMovesOutOfRange) {
  std::vector<std::string> l = options_lines();
  l.erase(l.begin() + 3);  // K0
  auto d = fresh();
  EXPECT_EQ(stop_texts(parse_options_lines(l, *d)),
            std::vector<std::string>{bad_text(kOptions, 4)});
}

TEST(OptionsReader, LinesAfterLine14Stop) {
  std::vector<std::string> l = options_lines();
  l.push_back("0");
  auto d = fresh();
  EXPECT_EQ(stop_texts(parse_options_lines(l, *d)),
            std::vector<std::string>{extra_text(kOptions, 14)});
  l.back() = "";
  EXPECT_TRUE(parse_options_lines(l, *d).ok());
}

TEST(OptionsReader, TwelveLinesStop) {
  std::vector<std::string> l = options_lines();
  l.resize(12);
  auto d = fresh();
  EXPECT_EQ(stop_texts(parse_options_lines(l, *d)),
            std::vector<std::string>{short_text(kOptions, 13)});
}

// --- The files in their folder -------------------------------------------------------------

void write(const std::filesystem::path& p, const std::vector<std::string>& lines) {
  ASSERT_TRUE(write_file_bytes(p, join_crlf(lines)));
}

TEST(ConditionFiles, LastOptionLineWithoutLineEndCounts) {
  qvt::testing::TempDir dir;
  write(dir / "QVTAJKN.CAL", conditions_lines());
  std::string options = join_crlf(options_lines());
  options.resize(options.size() - 2);  // "0" at the very end, no CR LF
  ASSERT_TRUE(write_file_bytes(dir / "QVT_DAT.CST", options));
  auto d = fresh();
  ASSERT_TRUE(read_conditions_file(*d, dir.path()).ok());
  EXPECT_EQ(d->custom_options.passive_vertical_ignored, 0);
  EXPECT_EQ(d->file_version, 13);
}

TEST(ConditionFiles, MissingAndBrokenFilesAreReportedInFileOrder) {
  const std::string missing_conditions =
      "条件設定ファイル (QVTAJKN.CAL) が見つかりません。\nインストールが正常に行われていない可能性があります。";
  const std::string missing_options =
      "カスタムデータ (QVT_DAT.CST) が見つかりません。\nインストールが正常に行われていない可能性があります。";
  struct Case {
    const char* name;
    std::optional<std::vector<std::string>> conditions, options;
    std::vector<std::string> texts;
  };
  std::vector<std::string> short_conditions = conditions_lines();
  short_conditions.resize(100);
  const Case cases[] = {
      {"both there", conditions_lines(), options_lines(), {}},
      {"both missing", std::nullopt, std::nullopt, {missing_conditions, missing_options}},
      {"conditions missing", std::nullopt, options_lines(), {missing_conditions}},
      {"options missing", conditions_lines(), std::nullopt, {missing_options}},
      {"short conditions, options missing", short_conditions, std::nullopt,
       {short_text(kConditions, 101), missing_options}},
      {"empty conditions", std::vector<std::string>{}, options_lines(),
       {short_text(kConditions, 1)}},
  };
  for (const Case& c : cases) {
    qvt::testing::TempDir dir;
    if (c.conditions) write(dir / "QVTAJKN.CAL", *c.conditions);
    if (c.options) write(dir / "QVT_DAT.CST", *c.options);
    auto d = fresh();
    EXPECT_EQ(stop_texts(read_conditions_file(*d, dir.path())), c.texts) << c.name;
  }
}

// A folder where a file is expected is a file that cannot be read: the message, no exception.
TEST(ConditionFiles, FoldersInTheFilesPlaceAreFilesThatCannotBeRead) {
  qvt::testing::TempDir dir;
  std::filesystem::create_directory(dir / "QVTAJKN.CAL");
  std::filesystem::create_directory(dir / "QVTABLK.CAL");
  write(dir / "QVT_DAT.CST", options_lines());
  auto d = fresh();
  EXPECT_EQ(stop_texts(read_conditions_file(*d, dir.path())),
            std::vector<std::string>{"条件設定ファイル (QVTAJKN.CAL) が見つかりません。\n"
                                     "インストールが正常に行われていない可能性があります。"});
  EXPECT_EQ(stop_texts(read_block_file(*d, dir.path())),
            std::vector<std::string>{"初期条件設定ファイル (QVTABLK.CAL) が見つかりません。\n"
                                     "インストールが正常に行われていない可能性があります。"});
}

TEST(ConditionFiles, MissingBlockFile) {
  qvt::testing::TempDir dir;
  auto d = fresh();
  EXPECT_EQ(stop_texts(read_block_file(*d, dir.path())),
            std::vector<std::string>{"初期条件設定ファイル (QVTABLK.CAL) が見つかりません。\n"
                                     "インストールが正常に行われていない可能性があります。"});
  write(dir / "QVTABLK.CAL", block_lines());
  EXPECT_TRUE(read_block_file(*d, dir.path()).ok());
}

// --- QVTABLK.CAL ---------------------------------------------------------------------------

TEST(BlockReader, NewProjectFile) {
  const std::vector<std::string> l = block_lines();
  ASSERT_EQ(l.size(), 744u);  // 2 + 20 x 37 + 2
  auto d = fresh();
  ASSERT_TRUE(parse_block_lines(l, *d).ok());
  EXPECT_EQ(d->used_slot_count, 0);
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s) {
    EXPECT_EQ(d->wall_blocks[s].block_type, BLOCK_EMPTY);
    EXPECT_EQ(d->wall_blocks[s].head.name.view(), std::string(16, ' '));
    EXPECT_EQ(d->block_label_numbers[s], 100 + s);
  }
  EXPECT_EQ(d->shape_library_count, 0);
}

TEST(BlockReader, EachTypeFillsItsSection) {
  std::vector<std::vector<std::string>> slots = {
      polygon_slot(BLOCK_POLYGON, 0, 4, sjis("上部工")),
      parametric_slot(BLOCK_CAISSON, 1000, 6, 2),
      quad_slot(BLOCK_QUAD, 2000),
      parametric_slot(BLOCK_COUNTERFORT, 3000, 8, 1),
      quad_slot(BLOCK_LIBRARY, 4000, 1),
      polygon_slot(BLOCK_SOIL_RECTANGLE, 5000, 0),
      parametric_slot(BLOCK_FOOTING_CAISSON, 6000),
  };
  ASSERT_EQ(slots[1].size(), 63u);
  ASSERT_EQ(slots[2].size(), 41u);
  ASSERT_EQ(slots[3].size(), 49u);
  ASSERT_EQ(slots[4].size(), 43u);
  slots[1][32].replace(0, slots[1][32].find(','), "1.2345678");  // first caisson outline x
  std::vector<std::vector<std::string>> library = {shape_entry(sjis("L型"), 0, 4, 0),
                                                   shape_entry("B", 2, 5, 3)};
  auto d = fresh();
  const Status read = parse_block_lines(block_lines(slots, library), *d);
  ASSERT_TRUE(read.ok()) << stop_texts(read)[0];
  EXPECT_EQ(d->used_slot_count, 7);

  const WallBlock& p = d->wall_blocks[0];
  EXPECT_EQ(p.block_type, BLOCK_POLYGON);
  EXPECT_EQ(p.head.name.view(), sjis("上部工"));
  EXPECT_EQ(p.head.ref_x, 0.1);
  EXPECT_EQ(p.head.unit_weights[5], 6);
  EXPECT_EQ(p.head.label_y, 0.5);
  EXPECT_EQ(p.head.mark_x, 0.6);
  EXPECT_EQ(p.head.mark_y, 0.7);
  EXPECT_EQ(p.polygon.vertex_count, 4);
  EXPECT_EQ(p.polygon.vertex_x[0], 10);
  EXPECT_EQ(p.polygon.vertex_x[117], 127);
  EXPECT_EQ(p.polygon.vertex_y[117], 317);

  const WallBlock& c = d->wall_blocks[1];
  EXPECT_EQ(c.block_type, BLOCK_CAISSON);
  EXPECT_EQ(c.sub_type, 3);
  EXPECT_EQ(c.head.name.view(), sjis("ケーソン"));
  EXPECT_EQ(c.caisson.flag_a, 2);
  EXPECT_EQ(c.caisson.flag_b, 5);
  EXPECT_EQ(c.caisson.dims_a[3][3], 1035);
  EXPECT_EQ(c.caisson.dims_b[1][7], 1075);
  EXPECT_EQ(c.caisson.part_count, 2);
  EXPECT_EQ(c.caisson.part_names[0].view(), sjis("中詰砂"));
  EXPECT_EQ(c.caisson.part_names[7].view(), std::string(24, ' '));  // 24 blanks held whole
  EXPECT_EQ(c.caisson.part_values[3][7], 1071);
  EXPECT_EQ(c.caisson.outline_count, 6);
  EXPECT_EQ(c.caisson.outline_x[0], 1.2345678f);  // single precision
  EXPECT_EQ(c.caisson.outline_x[147], 1147.5f);
  EXPECT_EQ(c.caisson.outline_y[147], 1447.5f);
  EXPECT_EQ(c.caisson.tail, 77);
  EXPECT_EQ(c.polygon.vertex_count, 0);  // other sections are not touched

  const WallBlock& q = d->wall_blocks[2];
  EXPECT_EQ(q.quad.values[3], 2053);
  EXPECT_EQ(q.quad.corner_x[3], 2063);
  EXPECT_EQ(q.quad.corner_y[0], 2070);
  EXPECT_EQ(q.quad.value, 2080);

  const WallBlock& cf = d->wall_blocks[3];
  EXPECT_EQ(cf.block_type, BLOCK_COUNTERFORT);
  EXPECT_EQ(cf.counterfort.outline_count, 8);
  EXPECT_EQ(cf.counterfort.outline_x[73], 3073.5);
  EXPECT_EQ(cf.counterfort.outline_y[73], 3373.5);
  EXPECT_EQ(cf.counterfort.tail, 77);

  const WallBlock& lb = d->wall_blocks[4];
  EXPECT_EQ(lb.library.value, 4080);
  EXPECT_EQ(lb.library.library_index, 1);
  EXPECT_EQ(lb.library.mirrored, 1);

  EXPECT_EQ(d->wall_blocks[5].block_type, BLOCK_SOIL_RECTANGLE);
  EXPECT_EQ(d->wall_blocks[5].polygon.vertex_x[13], 5023);
  EXPECT_EQ(d->wall_blocks[6].block_type, BLOCK_FOOTING_CAISSON);
  EXPECT_EQ(d->wall_blocks[6].caisson.outline_y[0], 6300.5f);
  EXPECT_EQ(d->wall_blocks[7].block_type, BLOCK_EMPTY);
  EXPECT_EQ(d->block_label_numbers[19], 119);

  ASSERT_EQ(d->shape_library_count, 2);
  const ShapeEntry& e0 = d->shape_library[0];
  EXPECT_EQ(e0.name.view(), sjis("L型"));
  EXPECT_EQ(e0.name2.view(), sjis("第二名称"));
  // The file order 0, 2, 1, 5, 3, 4 is undone: value k is k + 1.
  for (int k = 0; k < 6; ++k) EXPECT_EQ(e0.values[k], k + 1) << k;
  EXPECT_EQ(e0.point_count, 4);
  EXPECT_EQ(e0.point_x[0], 0);  // points count from 1
  for (int k = 1; k <= 4; ++k) {
    EXPECT_EQ(e0.point_x[k], 0.5 * k) << k;
    EXPECT_EQ(e0.point_y[k], 100 + k) << k;
  }
  const ShapeEntry& e1 = d->shape_library[1];
  EXPECT_EQ(e1.layer_count, 2);
  EXPECT_EQ(e1.layer_a[0], 1);
  EXPECT_EQ(e1.layer_c[1], 13);
  EXPECT_EQ(e1.point_y[5], 105);
  EXPECT_EQ(e1.pair_count, 3);
  EXPECT_EQ(e1.pair_first[1], 1);
  EXPECT_EQ(e1.pair_second[3], 4);
}

TEST(BlockReader, LongNamesAreCut) {
  std::string wide;
  for (int i = 0; i < 40; ++i) wide += sjis("名");  // 80 bytes
  std::vector<std::string> caisson = parametric_slot(BLOCK_CAISSON, 0);
  caisson[3] = "x" + wide;   // block name: 25 bytes
  caisson[19] = wide;        // part name: 24 bytes
  auto d = fresh();
  ASSERT_TRUE(parse_block_lines(block_lines({caisson}, {shape_entry(wide, 0, 0, 0)}), *d).ok());
  EXPECT_EQ(d->wall_blocks[0].head.name.view(), "x" + wide.substr(0, 24));
  EXPECT_EQ(d->wall_blocks[0].caisson.part_names[0].view(), wide.substr(0, 24));
  EXPECT_EQ(d->shape_library[0].name.view(), wide.substr(0, 62));
}

TEST(BlockReader, ItemsThatDecideTheLayoutStop) {
  // Line numbers: slot s starts at line 3 + 37 s while the slots before it are polygons.
  struct Case {
    const char* name;
    std::vector<std::string> lines;
    int bad_line;  // 0: reads
  };
  auto with = [](std::vector<std::string> l, int line_no, const char* text) {
    l[line_no - 1] = text;
    return l;
  };
  const std::vector<std::string> base = block_lines();
  const std::vector<std::string> lib =
      block_lines({quad_slot(BLOCK_LIBRARY, 0, 19)}, {shape_entry("A", 1, 2, 1)});
  // In `lib` slot 0 has 43 lines: the label line is 2 + 43 + 19 x 37 + 1 = 749, the count 750,
  // the entry's layer count 754, its point count 756, its pair count 759.
  const Case cases[] = {
      {"used slot count 21", with(base, 2, "21"), 2},
      {"type 9", with(base, 3 + 37 * 3, "9"), 3 + 37 * 3},
      {"type 42", with(base, 3 + 37 * 5, "42"), 3 + 37 * 5},
      {"type -2", with(base, 3, "-2"), 3},
      {"type not a number", with(base, 3 + 37, "x"), 3 + 37},
      {"polygon with 119 vertices", with(with(base, 3, "0"), 3 + 10, "119"), 3 + 10},
      {"empty slot with 119 vertices reads", with(base, 3 + 10, "119"), 0},
      {"library count 21", with(base, 744, "21"), 744},
      {"library count -1", with(base, 744, "-1"), 744},
      {"library index 19 reads", lib, 0},
      {"library index 20", with(lib, 20, "20"), 20},
      {"layer count 51", with(lib, 754, "51"), 754},
      {"point count 101", with(lib, 756, "101"), 756},
      {"pair count 99999", with(lib, 759, "99999"), 759},
      {"pair count -1", with(lib, 759, "-1"), 759},
  };
  for (const Case& c : cases) {
    auto d = fresh();
    Status s = parse_block_lines(c.lines, *d);
    if (c.bad_line == 0) {
      EXPECT_TRUE(s.ok()) << c.name;
    } else {
      EXPECT_EQ(stop_texts(s), std::vector<std::string>{bad_text(kBlocks, c.bad_line)}) << c.name;
    }
  }
  // The parametric counts: a caisson slot's part count is on line 19, its outline count on 32.
  std::vector<std::string> caisson = block_lines({parametric_slot(BLOCK_CAISSON, 0, 148, 8)});
  auto d = fresh();
  EXPECT_TRUE(parse_block_lines(caisson, *d).ok());
  for (auto [line_no, text] : {std::pair{2 + 19, "9"}, std::pair{2 + 32, "149"}}) {
    auto e = fresh();
    EXPECT_EQ(stop_texts(parse_block_lines(with(caisson, line_no, text), *e)),
              std::vector<std::string>{bad_text(kBlocks, line_no)});
  }
  std::vector<std::string> counterfort =
      block_lines({parametric_slot(BLOCK_COUNTERFORT, 0, 74, 0)});
  EXPECT_TRUE(parse_block_lines(counterfort, *d).ok());
  auto e = fresh();
  EXPECT_EQ(stop_texts(parse_block_lines(with(counterfort, 2 + 32, "75"), *e)),
            std::vector<std::string>{bad_text(kBlocks, 2 + 32)});
}

// A block's place, size and outline lie within the section's extent too.
TEST(BlockReader, LevelsBeyondTheSectionStop) {
  auto with = [](std::vector<std::string> l, int line_no, const char* text) {
    l[line_no - 1] = text;
    return l;
  };
  const std::vector<std::string> base = block_lines({polygon_slot(BLOCK_POLYGON, 0)});
  // Slot 0 starts on line 3: ref_x on 7, ref_y on 8, the label point on 11, vertex x from 15.
  for (auto [line_no, text] : {std::pair{8, "-1e308"}, {7, "2e5"}, {11, "0,1e9"},
                               {15, "1e300,0,0,0,0,0,0,0,0,0"}}) {
    auto d = fresh();
    EXPECT_EQ(stop_texts(parse_block_lines(with(base, line_no, text), *d)),
              std::vector<std::string>{bad_text(kBlocks, line_no)})
        << line_no << " " << text;
  }
  auto d = fresh();
  EXPECT_TRUE(parse_block_lines(with(base, 8, "-100000"), *d).ok());
}

TEST(BlockReader, LinesBeyondTheLayoutStop) {
  const std::vector<std::string> full =
      block_lines({parametric_slot(BLOCK_CAISSON, 0)}, {shape_entry("A", 1, 2, 1)});
  std::vector<std::string> l = full;
  l.push_back(l.back());  // the last pair repeated
  auto d = fresh();
  EXPECT_EQ(stop_texts(parse_block_lines(l, *d)),
            std::vector<std::string>{extra_text(kBlocks, static_cast<int>(full.size()))});
  l.back() = "";
  EXPECT_TRUE(parse_block_lines(l, *d).ok());
}

TEST(BlockReader, ShortFileStops) {
  const std::vector<std::string> full =
      block_lines({parametric_slot(BLOCK_CAISSON, 0)}, {shape_entry("A", 1, 2, 1)});
  for (std::size_t keep : {std::size_t{0}, std::size_t{1}, std::size_t{40}, full.size() - 1}) {
    std::vector<std::string> l(full.begin(), full.begin() + static_cast<long>(keep));
    auto d = fresh();
    EXPECT_EQ(stop_texts(parse_block_lines(l, *d)),
              std::vector<std::string>{short_text(kBlocks, keep + 1)})
        << keep;
  }
}

}  // namespace
}  // namespace qvt::engine
