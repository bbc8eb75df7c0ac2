// The condition listing and the input checklist from hand-set condition data: option lines at
// their last listed and at an unlisted value, names with "%" kept as they are, the surface and
// layer variants, and the cut of the listing into checklist pages of whole lines.
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/savelin/savelin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace qvt::savelin {
namespace {

using engine::ConditionData;

std::string sj(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

std::vector<std::string> listing(const ConditionData& d) {
  qvt::testing::TempDir dir;
  engine::PrintFile f;
  EXPECT_TRUE(f.open(dir / "QVT_CHEK.TMP", {}));
  write_condition_listing(d, f);
  EXPECT_TRUE(f.close({}));
  const std::string bytes = read_file_bytes(dir / "QVT_CHEK.TMP").value_or("");
  EXPECT_TRUE(bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n");
  return split_lines(bytes);
}

bool has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Lines of the listing that begin with the given text.
int count_starting(const std::vector<std::string>& lines, const std::string& lead) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
    return l.rfind(lead, 0) == 0;
  }));
}

std::unique_ptr<ConditionData> base() {
  auto d = std::make_unique<ConditionData>();
  for (auto& b : d->wall_blocks) b.block_type = engine::BLOCK_EMPTY;
  return d;
}

TEST(ConditionListingTest, SectionsOpenWithAnEmptyLineAndTheirHeading) {
  const std::vector<std::string> lines = listing(*base());
  const char* headings[] = {"基本条件", "地震時", "外力", "上部工", "改良体",
                            "地表面", "支持層", "主働側土層", "受働側土層", "カスタマイズ"};
  std::vector<std::string> found;
  for (std::size_t i = 1; i < lines.size(); ++i)
    if (lines[i - 1].empty()) found.push_back(lines[i]);
  std::vector<std::string> want;
  for (const char* h : headings) want.push_back(sj(h));
  EXPECT_EQ(found, want);
  EXPECT_EQ(lines.front(), "");
}

TEST(ConditionListingTest, OptionLinesAtTheirLastAndAtAnUnlistedValue) {
  struct Case {
    const char* what;
    void (*set)(ConditionData&, int);
    int value;
    const char* line;  // nullptr: no line of the option
    const char* lead;  // the text every line of the option begins with
  };
  const Case cases[] = {
      {"pattern 3", [](ConditionData& d, int v) { d.improvement_pattern = v; }, PATTERN_LATTICE,
       "    改良地盤の形状：格子式", "    改良地盤の形状："},
      {"pattern 4", [](ConditionData& d, int v) { d.improvement_pattern = v; }, 4, nullptr,
       "    改良地盤の形状："},
      {"apparent 3", [](ConditionData& d, int v) { d.apparent_coef_method = v; }, 3,
       "    見かけの震度：荒井・横井の提案式", "    見かけの震度："},
      {"apparent 4", [](ConditionData& d, int v) { d.apparent_coef_method = v; }, 4, nullptr,
       "    見かけの震度："},
      {"shallow 3", [](ConditionData& d, int v) { d.shallow_clay_method = v; }, 3,
       "    粘性土土圧計算方法：見かけの震度を直線補間", "    粘性土土圧計算方法："},
      {"shallow -1", [](ConditionData& d, int v) { d.shallow_clay_method = v; }, -1, nullptr,
       "    粘性土土圧計算方法："},
      {"compare shallow 1", [](ConditionData& d, int v) { d.clay_compare_shallow = v; }, 1,
       "    海底面～海底面-10m：土層上限(海底面)の土圧強度と比較する", "    海底面～海底面-10m："},
      {"compare shallow 2", [](ConditionData& d, int v) { d.clay_compare_shallow = v; }, 2,
       nullptr, "    海底面～海底面-10m："},
      {"compare deep 1", [](ConditionData& d, int v) { d.clay_compare_deep = v; }, 1,
       "    海底面-10ｍ以深：土層上限の土圧強度と下限値を比較する", "    海底面-10ｍ以深："},
      {"compare deep 5", [](ConditionData& d, int v) { d.clay_compare_deep = v; }, 5, nullptr,
       "    海底面-10ｍ以深："},
      {"seabed rule 1",
       [](ConditionData& d, int v) {
         d.active_seabed_rule = v;
         d.active_seabed_level = -12.5;
       },
       1, "    主働土圧を計算する際の海底面は入力値を使用 （-12.500）", "    主働土圧を計算する際"},
      {"seabed rule 2", [](ConditionData& d, int v) { d.active_seabed_rule = v; }, 2, nullptr,
       "    主働土圧を計算する際"},
      {"phi formula 5", [](ConditionData& d, int v) { d.bearing_layer.phi_formula = v; }, 5,
       "    Φを求める式：入力値を使用", "    Φを求める式："},
      {"phi formula 6", [](ConditionData& d, int v) { d.bearing_layer.phi_formula = v; }, 6,
       nullptr, "    Φを求める式："},
      {"friction 1", [](ConditionData& d, int v) { d.bearing_layer.friction_rule = v; }, 1,
       "    摩擦係数：μ=tanΦ", "    摩擦係数："},
      {"friction 2", [](ConditionData& d, int v) { d.bearing_layer.friction_rule = v; }, 2,
       nullptr, "    摩擦係数："},
      {"negative root 3",
       [](ConditionData& d, int v) { d.custom_options.negative_root_rule = v; }, 3,
       "    粘性土の土圧強度を求める時：ルート内がマイナス値の場合はΣγｈ＋ｗで計算",
       "    粘性土の土圧強度を求める時："},
      {"negative root 4",
       [](ConditionData& d, int v) { d.custom_options.negative_root_rule = v; }, 4, nullptr,
       "    粘性土の土圧強度を求める時："},
      {"surcharge method 2",
       [](ConditionData& d, int v) { d.custom_options.surcharge_method = v; }, 2,
       "    荷重計算方法：改良体底面における崩壊角より上載荷重を算出し、全土層の上載荷重とする",
       "    荷重計算方法："},
      {"surcharge method 3",
       [](ConditionData& d, int v) { d.custom_options.surcharge_method = v; }, 3, nullptr,
       "    荷重計算方法："},
      {"toe rule 0", [](ConditionData& d, int v) { d.custom_options.toe_confinement_rule = v; },
       0, "    ■改良体の端趾圧の検討において、着底部における改良体端部の側方拘束圧を考慮する",
       "    ■改良体の端趾圧"},
      {"toe rule 2", [](ConditionData& d, int v) { d.custom_options.toe_confinement_rule = v; },
       2,
       "    ■改良体の端趾圧の検討において、着底部における改良体端部の側方拘束圧を考慮する "
       "Ｐ＝受働土圧強度",
       "    ■改良体の端趾圧"},
      {"toe rule 1", [](ConditionData& d, int v) { d.custom_options.toe_confinement_rule = v; },
       1, "    □改良体の端趾圧の検討において、着底部における改良体端部の側方拘束圧を考慮する",
       "    □改良体の端趾圧"},
      {"toe rule 7", [](ConditionData& d, int v) { d.custom_options.toe_confinement_rule = v; },
       7, "    □改良体の端趾圧の検討において、着底部における改良体端部の側方拘束圧を考慮する",
       "    □改良体の端趾圧"},
      {"rounding 9", [](ConditionData& d, int v) { d.custom_options.seismic_rounding = v; }, 9,
       "    設計震度、見かけの震度の丸め方法：二捨三五入、七捨八入",
       "    設計震度、見かけの震度の丸め方法："},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto d = base();
    c.set(*d, c.value);
    const std::vector<std::string> lines = listing(*d);
    const int expected = c.line ? 1 : 0;
    EXPECT_EQ(count_starting(lines, sj(c.lead)), expected);
    if (c.line) {
      EXPECT_TRUE(has(lines, sj(c.line)));
    }
  }
}

TEST(ConditionListingTest, TangentCirclePatternEndsWithAPercentSign) {
  auto d = base();
  d->improvement_pattern = PATTERN_TANGENT_CIRCLES;
  d->improvement_ratio = 100;
  EXPECT_TRUE(has(listing(*d), sj("    改良地盤の形状：接円式（改良率100.0%）")));
}

TEST(ConditionListingTest, NamesWithAPercentSignArePrintedAsTheyAre) {
  auto d = base();
  d->job_name.assign("quay %d %s 100%");
  d->external_forces[1][2].name.assign("bollard 50%");
  d->external_forces[1][2].vertical = 1.5;
  d->external_forces[0][0].name.assign(sj("係船柱"));
  const std::vector<std::string> lines = listing(*d);
  EXPECT_TRUE(has(lines, sj("    業務名称：") + "quay %d %s 100%"));
  // 22 bytes right-aligned: a six-byte CP932 name gets 16 blanks.
  EXPECT_TRUE(has(lines, sj("    常時：  [") + std::string(16, ' ') + sj("係船柱]") +
                             "     0.000     0.000     0.000     0.000"));
  EXPECT_TRUE(has(lines, "            [           bollard 50%]     1.500     0.000     0.000"
                         "     0.000"));
}

TEST(ConditionListingTest, SurfaceVariants) {
  auto d = base();
  d->seabed_surcharge[0] = 5;
  d->seabed_surcharge[1] = 2.5;
  const std::string seabed = sj("    上載荷重 受働側：            5.000     2.500");
  std::vector<std::string> lines = listing(*d);
  EXPECT_TRUE(has(lines, sj("    地表面形状：直線形状")));
  EXPECT_TRUE(has(lines, seabed));
  EXPECT_EQ(count_starting(lines, sj("    任意形状")), 0);
  EXPECT_EQ(count_starting(lines, sj("    盛土層")), 0);

  d->surface_shape = 1;
  d->surface_point_count = 0;
  lines = listing(*d);
  EXPECT_TRUE(has(lines, seabed));
  // A point line and a range line begin alike: range 2 alone.
  EXPECT_EQ(count_starting(lines, sj("    任意形状 1：")), 1);
  EXPECT_EQ(count_starting(lines, sj("             2：")), 1);

  d->surface_point_count = 3;
  d->surface_points[2] = {0, 12.5, -1.25};
  d->surcharge_ranges[4] = {1, 2, {3.126, 4}};
  lines = listing(*d);
  EXPECT_TRUE(has(lines, sj("             3：                12.500    -1.250")));
  EXPECT_EQ(count_starting(lines, sj("             2：")), 2);  // point and range
  EXPECT_EQ(count_starting(lines, sj("             4：")), 1);  // the range alone
  // All five ranges, loads with two decimals.
  EXPECT_TRUE(has(lines, sj("             5：                 1.000     2.000      3.13      4.00")));
  EXPECT_EQ(count_starting(lines, sj("                 3：")), 1);  // all three embankment rows
}

TEST(ConditionListingTest, LandLayersShowTheSlurryOfLiquefiedLayersOnly) {
  auto d = base();
  d->soil_layer_counts[engine::SIDE_ACTIVE] = 2;
  d->soil_layer_counts[engine::SIDE_PASSIVE] = 1;
  engine::SoilLayer& liquid = d->soil_layers[engine::SIDE_ACTIVE][0];
  liquid = {3, -5, 18, 10, 0, 30, 0, 0, 1, 12.5};
  engine::SoilLayer& clay = d->soil_layers[engine::SIDE_ACTIVE][1];
  clay = {-5, -10, 16, 6, 1, 0, 30, 2, 0, 12.5};
  d->soil_layers[engine::SIDE_PASSIVE][0] = clay;
  const std::vector<std::string> lines = listing(*d);
  EXPECT_TRUE(has(lines, "  1" + sj("：") + "   3.000  -5.000  " + sj("砂質土") +
                             "   30.00     0.000     0.000    18.000    10.000    12.500"));
  EXPECT_TRUE(has(lines, "  2" + sj("：") + "  -5.000 -10.000  " + sj("粘性土") +
                             "    0.00    30.000     2.000    16.000     6.000     -----"));
  EXPECT_TRUE(has(lines, "  1" + sj("：") + "  -5.000 -10.000  " + sj("粘性土") +
                             "    0.00    30.000     2.000    16.000     6.000"));
}

// Runs the checklist writer in a folder that holds a listing of the given lines.
class ChecklistTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override { std::filesystem::current_path(old_); }

  void write_listing(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& l : lines) bytes += l + "\r\n";
    ASSERT_TRUE(write_file_bytes(dir_ / "QVT_CHEK.TMP", bytes));
  }
  std::string file(const char* name) { return read_file_bytes(dir_ / name).value_or("?"); }

  qvt::testing::TempDir dir_;
  std::filesystem::path old_;
};

std::vector<std::string> numbered(int n, std::size_t width = 0) {
  std::vector<std::string> lines;
  for (int i = 1; i <= n; ++i) {
    std::string l = "line " + std::to_string(i);
    if (width > l.size()) l += std::string(width - l.size(), 'x');
    lines.push_back(l);
  }
  return lines;
}

std::string page_of(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
  std::string out = "QVT_CHEK.PFM\r\n63\r\n";
  for (std::size_t i = from; i < to; ++i) out += lines[i] + "\r\n";
  return out;
}

TEST_F(ChecklistTest, SixtyLinesMakeOnePageSixtyOneMakeTwo) {
  auto d = base();
  d->project_title.assign("quay");
  engine::WallBlock& b = d->wall_blocks[0];
  b.block_type = engine::BLOCK_RECTANGLE;
  const std::string head = sj("入力条件チェックリスト") + "\r\n" +
                           "   0   0   0   0   0   0        quay\r\n";
  const std::string blocks_and_end = "$1  QVT_BKK.PFM\r\n";

  std::vector<std::string> lines = numbered(60);
  write_listing(lines);
  write_input_checklist(*d);
  EXPECT_EQ(file("QVT_CHE1.PFM"), page_of(lines, 0, 60));
  std::string ck = file("DM0000CK.PDT");
  EXPECT_EQ(ck.rfind(head + "$0  QVT_CHE1.PFM\r\n" + blocks_and_end, 0), 0u) << ck;
  EXPECT_EQ(ck.substr(ck.size() - 4), "$E\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "QVT_CHE2.PFM"));

  lines = numbered(61);
  write_listing(lines);
  write_input_checklist(*d);
  EXPECT_EQ(file("QVT_CHE1.PFM"), page_of(lines, 0, 60));
  EXPECT_EQ(file("QVT_CHE2.PFM"), page_of(lines, 60, 61));
  ck = file("DM0000CK.PDT");
  EXPECT_EQ(ck.rfind(head + "$0  QVT_CHE1.PFM\r\n$0  QVT_CHE2.PFM\r\n" + blocks_and_end, 0), 0u)
      << ck;
}

TEST_F(ChecklistTest, LongLinesStayWholeAndPagesStopAtTen) {
  auto d = base();
  // 200-byte lines would have been cut at 127 bytes; 700 lines fill ten pages and no more.
  std::vector<std::string> lines = numbered(700, 200);
  write_listing(lines);
  write_input_checklist(*d);
  for (int n = 1; n <= 10; ++n)
    EXPECT_EQ(file(("QVT_CHE" + std::to_string(n) + ".PFM").c_str()),
              page_of(lines, (n - 1) * 60, n * 60));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "QVT_CHE11.PFM"));
  const std::string ck = file("DM0000CK.PDT");
  EXPECT_NE(ck.find("$0  QVT_CHE10.PFM\r\n$E\r\n"), std::string::npos);  // no block: no page
}

TEST_F(ChecklistTest, MissingListingStopsBeforeTheChecklist) {
  auto d = base();
  EXPECT_THROW(write_input_checklist(*d), engine::EngineStop);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "DM0000CK.PDT"));
  EXPECT_FALSE(std::filesystem::exists(dir_ / "QVT_CHE1.PFM"));
}

TEST_F(ChecklistTest, WrittenListingReadBackGivesTheSamePageBytes) {
  auto d = base();
  d->job_name.assign("100% quay");
  write_condition_listing(*d);
  write_input_checklist(*d);
  const std::string listing_bytes = file("QVT_CHEK.TMP");
  const std::string page = file("QVT_CHE1.PFM");
  std::string pages;
  for (int n = 1; std::filesystem::exists(dir_ / ("QVT_CHE" + std::to_string(n) + ".PFM")); ++n)
    pages += file(("QVT_CHE" + std::to_string(n) + ".PFM").c_str()).substr(18);  // after "63"
  EXPECT_EQ(pages, listing_bytes);
  EXPECT_EQ(page.rfind("QVT_CHEK.PFM\r\n63\r\n\r\n" + sj("基本条件") + "\r\n", 0), 0u);
}

}  // namespace
}  // namespace qvt::savelin
