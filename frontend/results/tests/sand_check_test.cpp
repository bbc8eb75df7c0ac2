#include "frontend/results/sand_check.h"

#include "common/tests/temp_dir.h"
#include "frontend/results/tests/message_recorder.h"
#include "frontend/results/tests/eccentric_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace qvt::results {
namespace {

using testing::Recorder;

std::string read_text(const std::filesystem::path& p) { return read_file_bytes(p).value_or(""); }

// The bearing safety factors of the fixture's design conditions (normal, seismic), which the
// design safety factors open on.
constexpr std::array<double, 2> kFactors = {2.5, 1.5};

class SandCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { fixtures::write_work_folder(dir.path()); }
  qvt::testing::TempDir dir;
  Recorder sink;
  SandCheck check;
};

TEST_F(SandCheckTest, LoadReadsBothCasesAndTheFirstChart) {
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  EXPECT_TRUE(sink.texts.empty());
  // Normal: tan 600/4000, 2e/B 4/20; (20, 15) lies between the cuts 15 and 35 at distances
  // 5/r2 and 15/r2: 20 - 10 * 5/20 = 17.5; Q = 10 * 20 * 17.5 / 2; F = 1750 / (4000/20).
  const SandCheckRow& n = check.row(0);
  EXPECT_EQ(n.tan_theta_text, "0.150");
  EXPECT_EQ(n.ratio_text, "0.200");
  EXPECT_EQ(n.chart_index, 0);
  EXPECT_EQ(n.n_text, "17.50");
  EXPECT_DOUBLE_EQ(check.values().bearing_capacity[0], 1750.0);
  EXPECT_EQ(n.f_text, "8.750");
  // Seismic: (30, 20) lies on the second curve: N 10; Q 1000; F = 1000 / 175 = 5.714 (down).
  const SandCheckRow& s = check.row(1);
  EXPECT_EQ(s.tan_theta_text, "0.200");
  EXPECT_EQ(s.ratio_text, "0.300");
  EXPECT_EQ(s.n_text, "10.00");
  EXPECT_EQ(s.f_text, "5.714");
  // The charts give the N of failure: each design factor opens on the case's bearing safety
  // factor of the design conditions, as qa of the clay check takes it.
  EXPECT_EQ(n.design_text, "2.500");
  EXPECT_EQ(s.design_text, "1.500");
}

// The design factor opens on the conditions' bearing factor of its case, a factor of 0 (a
// project without one) as 1, as the clay check's qa takes it; a factor typed in the dialog is
// the user's: a chart or N chosen after it leaves it as typed. F 8.750 (normal), 5.714
// (seismic) against the factors.
TEST_F(SandCheckTest, TheDesignFactorOpensOnTheBearingFactorOfTheCase) {
  const struct {
    std::array<double, 2> factors;
    const char* normal;
    const char* seismic;
    const char* seismic_verdict;
  } cases[] = {
      {{2.5, 1.5}, "2.500", "1.500", "ＯＫ"},
      {{3.0, 6.0}, "3.000", "6.000", "ＯＵＴ"},  // 5.714 < 6
      {{0.0, 1.2}, "1.000", "1.200", "ＯＫ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.normal);
    SandCheck opened;
    ASSERT_EQ(opened.load(dir.path(), dir.path(), 1, 30.0, c.factors, sink), SandCheck::Load::ready);
    EXPECT_EQ(opened.row(0).design_text, c.normal);
    EXPECT_EQ(opened.row(1).design_text, c.seismic);
    EXPECT_EQ(opened.row(1).verdict_text, c.seismic_verdict);
  }
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  check.set_design_text(1, "5.8");
  EXPECT_EQ(check.row(1).verdict_text, "ＯＵＴ");  // 5.714 < 5.8
  check.leave_design_box(1);
  check.choose_chart(1, 1, sink);
  check.set_n_text(1, "10");
  check.leave_n_box(1);
  EXPECT_EQ(check.row(1).design_text, "5.800");
  EXPECT_EQ(check.row(1).verdict_text, "ＯＵＴ");
  ASSERT_TRUE(check.ok(sink));
  EXPECT_NE(read_text(dir / "DM106SHK.PDT").find("07  5.800\r\n"), std::string::npos);
}

TEST_F(SandCheckTest, TypedNFollowsAndIsReformattedOnLeaving) {
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  check.set_n_text(1, "1.2");
  EXPECT_DOUBLE_EQ(check.values().bearing_capacity[1], 120.0);
  EXPECT_EQ(check.row(1).f_text, "0.685");  // 120 / 175 = 0.6857, rounded down
  check.leave_n_box(1);
  EXPECT_EQ(check.row(1).n_text, "1.20");
  check.set_design_text(0, "1.2");
  check.leave_design_box(0);
  EXPECT_EQ(check.row(0).design_text, "1.200");
  // A text without a number keeps the N the box holds (17.50: F 8.750) and goes back to it.
  check.set_n_text(0, "abc");
  EXPECT_EQ(check.row(0).f_text, "8.750");
  EXPECT_EQ(check.leave_n_box(0), model::TypedNumber::no_number);
  EXPECT_EQ(check.row(0).n_text, "17.50");
}

TEST_F(SandCheckTest, WithoutSeismicCaseTheSeismicRowComputesNothing) {
  ASSERT_EQ(check.load(dir.path(), dir.path(), 0, 30.0, kFactors, sink), SandCheck::Load::ready);
  const SandCheckRow& s = check.row(1);
  EXPECT_EQ(s.tan_theta_text, "***");
  EXPECT_EQ(s.ratio_text, "***");
  EXPECT_EQ(s.f_text, "***");
  EXPECT_EQ(s.chart_index, 0);
  // The chart at (0, 0), left of the first cut: d0 = 30/r2, d1 = 50/r2, 20 + 10 * 30 / 20.
  EXPECT_EQ(s.n_text, "35.00");
  check.set_n_text(1, "3");
  EXPECT_EQ(check.row(1).f_text, "***");
  EXPECT_TRUE(sink.texts.empty());

  // An older seismic page and figure do not outlive a report without the seismic case.
  write_file_bytes(dir / "DM106SHK.PDT", "old");
  write_file_bytes(dir / "M_HSK16H.PZK", "old");
  ASSERT_TRUE(check.ok(sink));
  EXPECT_TRUE(std::filesystem::exists(dir / "DM006SHK.PDT"));
  EXPECT_TRUE(std::filesystem::exists(dir / "M_HSK06H.PZK"));
  EXPECT_FALSE(std::filesystem::exists(dir / "DM106SHK.PDT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "M_HSK16H.PZK"));
}

TEST_F(SandCheckTest, UnreadableHandOverShowsItsMessageAndKeepsOkDisabled) {
  const std::string good = fixtures::eccentric_load_text();
  const std::string lines_cut = good.substr(0, good.find("20.000000"));
  std::string zero_v = good;
  zero_v.replace(zero_v.find("4000.000000"), 11, "0.000000");
  std::string negative_e = good;
  negative_e.replace(negative_e.find("2.000000,3.000000"), 8, "-2.00000");
  std::string not_a_number = good;
  not_a_number.replace(not_a_number.find("600.000000"), 10, "nan");
  // Values no section produces: 2e/B of 1e7 would put the point 1.9e10 page units off the
  // chart; a vertical force of 4.9e-324 makes F infinite, which would print as 0.000 and pass;
  // a force beyond a million kN.
  std::string huge_ratio = good;
  huge_ratio.replace(huge_ratio.find("0.200000,0.300000"), 8, "1e7");
  std::string denormal_width = good;
  denormal_width.replace(denormal_width.find("20.000000"), 9, "1e-312");
  std::string denormal_v = good;
  denormal_v.replace(denormal_v.find("4000.000000"), 11, "4.9e-324");
  std::string tiny_v = good;
  tiny_v.replace(tiny_v.find("4000.000000"), 11, "0.000999");
  std::string huge_h = good;
  huge_h.replace(huge_h.find("700.000000"), 10, "1000000.01");
  std::string infinite_moment = good;
  infinite_moment.replace(infinite_moment.find("30000.000000"), 12, "inf");
  // A bearing layer without weight (every Q and F would read 0), or with a weight no soil has
  // (the conditions file holds it to (0, 100] kN/m3).
  std::string weightless = good;
  weightless.replace(weightless.find("10.000000"), 9, "0.0000000");
  std::string negative_weight = good;
  negative_weight.replace(negative_weight.find("10.000000"), 9, "-10.00000");
  std::string below_weight = good;
  below_weight.replace(below_weight.find("10.000000"), 9, "0.0009000");
  std::string heavy_weight = good;
  heavy_weight.replace(heavy_weight.find("10.000000"), 9, "1000000.0");
  for (const std::string& text : {lines_cut, zero_v, negative_e, not_a_number, huge_ratio,
                                  denormal_width, denormal_v, tiny_v, huge_h, infinite_moment,
                                  weightless, negative_weight, below_weight, heavy_weight,
                                  std::string()}) {
    write_file_bytes(dir / "CAL_HEN.DAT", text);
    Recorder r;
    SandCheck c;
    EXPECT_EQ(c.load(dir.path(), dir.path(), 1, 30.0, kFactors, r), SandCheck::Load::unreadable);
    ASSERT_EQ(r.texts.size(), 1u);
    EXPECT_EQ(r.texts[0], "計算結果ﾌｧｲﾙ(CAL_HEN.DAT)が読み込み出来ません。");
    EXPECT_FALSE(c.ok_enabled());
    EXPECT_FALSE(c.ok(r));
    EXPECT_EQ(c.row(0).n_text, "");
  }
  // A seismic force of 0 matters only when the seismic case is checked.
  std::string zero_seismic = good;
  zero_seismic.replace(zero_seismic.find("3500.000000"), 11, "0.000000");
  write_file_bytes(dir / "CAL_HEN.DAT", zero_seismic);
  Recorder r;
  SandCheck c;
  EXPECT_EQ(c.load(dir.path(), dir.path(), 0, 30.0, kFactors, r), SandCheck::Load::ready);
  EXPECT_EQ(c.load(dir.path(), dir.path(), 1, 30.0, kFactors, r), SandCheck::Load::unreadable);
}

// The dialog opens, in both rows, on the chart of the layer's phi rounded down to a chart angle,
// so the first reading never takes a stronger ground than the layer's.
TEST(SandChart, OpensOnTheChartOfThePhiRoundedDown) {
  const struct {
    double phi;
    int chart;
  } cases[] = {{0.0, 0},  {28.0, 0}, {29.99, 0}, {30.0, 0}, {34.9, 0}, {35.0, 1}, {38.0, 1},
               {39.99, 1}, {40.0, 2}, {44.0, 2}, {45.0, 3}, {50.0, 3}, {std::nan(""), 0}};
  for (const auto& c : cases) EXPECT_EQ(opening_chart_index(c.phi), c.chart) << c.phi;
}

TEST_F(SandCheckTest, BothRowsOpenOnTheChartOfTheLayersPhi) {
  // The 35-degree chart of this folder: the curves of the others with doubled labels.
  write_file_bytes(dir / "FAI35.CSV", "3\r\n40,2,15,15\r\n0,30\r\n30,0\r\n20,2,25,25\r\n0,50\r\n"
                                      "50,0\r\n10,2,35,35\r\n0,70\r\n70,0\r\n");
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 38.0, kFactors, sink), SandCheck::Load::ready);
  EXPECT_TRUE(sink.texts.empty());
  for (int c = 0; c < 2; ++c) EXPECT_EQ(check.row(c).chart_index, 1) << c;
  EXPECT_EQ(check.row(0).n_text, "35.00");  // 17.50 on the 30-degree chart, doubled
  EXPECT_EQ(check.row(1).n_text, "20.00");
  ASSERT_TRUE(check.ok(sink));
  EXPECT_EQ(check.values().chart_choice, (std::array<int, 2>{1, 1}));
}

// A case whose resultant leaves the base is judged, not refused: it shows N 0 and ＯＵＴ with the
// reason, whatever N is typed, and its page says ＯＵＴ; the other case is checked as usual.
TEST_F(SandCheckTest, ResultantOutsideTheBaseFailsThatCaseAlone) {
  std::string off_base = fixtures::eccentric_load_text();
  off_base.replace(off_base.find("2.000000,3.000000"), 17, "2.000000,10.01000");
  off_base.replace(off_base.find("0.200000,0.300000"), 17, "0.200000,1.001000");
  write_file_bytes(dir / "CAL_HEN.DAT", off_base);
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0],
            "地震時の合力は改良体の底面の外にあります（2e/B ＞ 1）。底面で支えられないのでＯＵＴです。");
  EXPECT_EQ(check.row(1).ratio_text, "1.001");
  EXPECT_EQ(check.row(1).n_text, "0.00");
  EXPECT_EQ(check.row(1).verdict_text, "ＯＵＴ");
  EXPECT_EQ(check.row(1).verdict_note, sink.texts[0]);  // the reason stays beside the verdict
  EXPECT_EQ(check.row(0).n_text, "17.50");
  EXPECT_EQ(check.row(0).verdict_text, "ＯＫ");
  EXPECT_EQ(check.row(0).verdict_note, "");
  check.set_n_text(1, "100");  // Q 10000, F 57.142: still no base to bear it
  EXPECT_EQ(check.row(1).f_text, "57.142");
  EXPECT_EQ(check.row(1).verdict_text, "ＯＵＴ");
  check.choose_chart(1, 2, sink);
  EXPECT_EQ(check.row(1).n_text, "0.00");
  EXPECT_EQ(sink.texts.size(), 1u);  // no chart warning besides
  ASSERT_TRUE(check.ok(sink));
  EXPECT_NE(read_text(dir / "DM106SHK.PDT").find("11  " + utf8_to_cp932_lossy("ＯＵＴ")),
            std::string::npos);
  EXPECT_NE(read_text(dir / "DM006SHK.PDT").find("11  " + utf8_to_cp932_lossy("ＯＫ")),
            std::string::npos);
  // At the edge of the base (2e/B = 1) the resultant still stands on it.
  std::string edge = fixtures::eccentric_load_text();
  edge.replace(edge.find("2.000000,3.000000"), 17, "2.000000,10.00000");
  edge.replace(edge.find("0.200000,0.300000"), 17, "0.200000,1.000000");
  write_file_bytes(dir / "CAL_HEN.DAT", edge);
  Recorder r;
  SandCheck at_edge;
  ASSERT_EQ(at_edge.load(dir.path(), dir.path(), 1, 30.0, kFactors, r), SandCheck::Load::ready);
  at_edge.set_n_text(1, "100");
  EXPECT_EQ(at_edge.row(1).verdict_text, "ＯＫ");
  for (const std::string& t : r.texts) EXPECT_EQ(t.find("合力"), std::string::npos) << t;
}

// The N and design factor boxes follow the number-box rule: a text without a number, or with a
// number N cannot have (0..1000), keeps the value the box holds, and OK, pressed while such a
// text stands in a box, takes the box back, says why and writes nothing; the next OK writes the
// value held. N = 1e300 was written as 300 digits into the page's six places.
TEST_F(SandCheckTest, ATextThatIsNoNForTheChartsKeepsTheValueHeldAndIsNeverWritten) {
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  const struct {
    const char* typed;
    model::TypedNumber why;
  } cases[] = {{"１２", model::TypedNumber::no_number},  {"nan", model::TypedNumber::no_number},
               {"inf", model::TypedNumber::no_number},   {"abc", model::TypedNumber::no_number},
               {"1e999", model::TypedNumber::out_of_range}, {"1e300", model::TypedNumber::out_of_range},
               {"1000.01", model::TypedNumber::out_of_range}, {"-1", model::TypedNumber::out_of_range}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    check.set_n_text(0, c.typed);
    EXPECT_EQ(check.row(0).n_text, c.typed);
    EXPECT_EQ(check.row(0).f_text, "8.750");  // N 17.50 as held
    EXPECT_EQ(check.row(0).verdict_text, "ＯＫ");
    EXPECT_FALSE(check.ok(sink));
    EXPECT_EQ(check.box_verdict(), c.why);
    EXPECT_EQ(check.row(0).n_text, "17.50");
    EXPECT_FALSE(std::filesystem::exists(dir / "DM006SHK.PDT"));
  }
  check.set_design_text(1, "1e300");
  EXPECT_EQ(check.row(1).verdict_text, "ＯＫ");  // against the factor held, 1.500
  EXPECT_FALSE(check.ok(sink));
  EXPECT_EQ(check.box_verdict(), model::TypedNumber::out_of_range);
  EXPECT_EQ(check.row(1).design_text, "1.500");
  EXPECT_TRUE(sink.texts.empty());  // the boxes' notice, not a message box
  // The top of the range stands: 1000 with B 20 and gamma 10 gives Q = 100000 and F = 100000 /
  // (4000 / 20) = 500, written with fewer decimals so each keeps its place.
  check.set_n_text(0, "1000");
  EXPECT_EQ(check.row(0).f_text, "500.000");
  ASSERT_TRUE(check.ok(sink));
  EXPECT_EQ(check.box_verdict(), model::TypedNumber::stands);
  const std::vector<std::string> lines = split_lines(read_text(dir / "DM006SHK.PDT"));
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[9], "06  1000.0");
  EXPECT_EQ(lines[11], "08  100000.0");
  EXPECT_EQ(lines[12], "09  500.00");
}

// A pasted column "12.5\r\n34" keeps its first line: the box never stands empty, and never reads
// the lines run together (12.534).
TEST_F(SandCheckTest, APastedMultiLineTextKeepsItsFirstLine) {
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  const struct {
    const char* pasted;
    const char* shown;
  } cases[] = {{"12.5\r\n34", "12.5"}, {"12.5\r\n", "12.5"}, {"\r\n \n12.5\n34", "12.5"},
               {"1.2\n", "1.2"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pasted);
    check.set_n_text(1, c.pasted);
    EXPECT_EQ(check.row(1).n_text, c.shown);
    EXPECT_DOUBLE_EQ(check.values().n_value[1], std::stod(c.shown));
    EXPECT_EQ(check.leave_n_box(1), model::TypedNumber::stands);
  }
  // Q = 10 x 20 x 1.2 / 2 = 120, F = 120 / (3500 / 20) = 0.685 (down).
  EXPECT_EQ(check.row(1).n_text, "1.20");
  EXPECT_EQ(check.row(1).f_text, "0.685");
}

// A value no field of the page can hold in its place is named and nothing is written: the
// heaviest soil (100 kN/m3) under a base 10 km wide with N 1000 typed makes Q = 100 x 10000 x
// 1000 / 2 = 500000000, nine digits in eight places.
TEST_F(SandCheckTest, AValueThatDoesNotFitItsPlaceOnThePageWritesNothing) {
  std::string heavy = fixtures::eccentric_load_text();
  heavy.replace(heavy.find("10.000000"), 9, "100.00000");
  heavy.replace(heavy.find("20.000000"), 9, "10000.000");
  heavy.replace(heavy.find("2.000000,3.000000"), 17, "1000.0000,1500.000");
  write_file_bytes(dir / "CAL_HEN.DAT", heavy);
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  check.set_n_text(0, "1000");
  EXPECT_FALSE(check.ok(sink));
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0], "Ｑ の値 500000000.000 は帳票の欄に収まりません。");
  EXPECT_FALSE(std::filesystem::exists(dir / "DM006SHK.PDT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "M_HSK06H.PZK"));
}

// A bearing layer of phi below the smallest chart (30 degrees) opens on the 30-degree chart with
// a notice that its N belongs to a stronger soil, kept beside each row's verdict; N and F stay
// empty and no row is judged ("－") until its N is typed, and OK asks for it. N typed by hand is
// judged; a chart chosen again empties it.
TEST_F(SandCheckTest, ALayerWeakerThanEveryChartIsNotJudgedUntilNIsTyped) {
  const std::string notice =
      "支持層のφ 28°は最も小さい図表の30°より小さく、図表のＮは支持層より強い地盤のものです。"
      "Ｎを入力するまで判定しません。";
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 28.0, kFactors, sink), SandCheck::Load::ready);
  EXPECT_TRUE(sink.texts.empty());  // the dialog shows it in its own notice line
  EXPECT_EQ(check.below_charts_notice(), notice);
  for (int c = 0; c < 2; ++c) {
    EXPECT_EQ(check.row(c).chart_index, 0);
    EXPECT_EQ(check.row(c).verdict_text, "－");
    EXPECT_EQ(check.row(c).verdict_note, notice);
  }
  // No chart's N stands for the layer: the 30-degree chart's 17.50 (F 8.750) is not shown.
  for (int c = 0; c < 2; ++c) {
    EXPECT_EQ(check.row(c).n_text, "") << c;
    EXPECT_EQ(check.row(c).f_text, "") << c;
  }
  EXPECT_FALSE(check.ok(sink));
  EXPECT_EQ(check.box_verdict(), model::TypedNumber::stands);  // the empty box is no error
  EXPECT_EQ(check.row(0).n_text, "");
  EXPECT_EQ(sink.texts.back(),
            "常時のＮを入力してください。支持層のφ 28°は最も小さい図表の30°より小さく、"
            "図表のＮは支持層より強い地盤のものです。");
  EXPECT_FALSE(std::filesystem::exists(dir / "DM006SHK.PDT"));
  // A text that goes back, or blanks, are no N typed by hand.
  for (const char* typed : {"abc", "  "}) {
    check.set_n_text(0, typed);
    check.leave_n_box(0);
    EXPECT_EQ(check.row(0).n_text, "");
    EXPECT_EQ(check.row(0).f_text, "");
    EXPECT_EQ(check.row(0).verdict_text, "－");
  }
  // N 12 by hand: Q = 10 x 20 x 12 / 2 = 1200, F = 1200 / 200 = 6.000.
  check.set_n_text(0, "12");
  EXPECT_EQ(check.row(0).f_text, "6.000");
  EXPECT_EQ(check.row(0).verdict_text, "ＯＫ");
  EXPECT_EQ(check.row(0).verdict_note, "");
  check.leave_n_box(0);
  EXPECT_EQ(check.row(0).verdict_text, "ＯＫ");
  EXPECT_EQ(check.row(1).verdict_text, "－");
  EXPECT_FALSE(check.ok(sink));
  EXPECT_EQ(sink.texts.back().substr(0, std::string("地震時のＮを入力してください。").size()),
            "地震時のＮを入力してください。");
  // Seismic N 0.5 by hand: Q = 50, F = 50 / 175 = 0.285: judged, and it fails.
  check.set_n_text(1, "0.5");
  EXPECT_EQ(check.row(1).verdict_text, "ＯＵＴ");
  ASSERT_TRUE(check.ok(sink));
  EXPECT_NE(read_text(dir / "DM006SHK.PDT").find("06   12.00\r\n"), std::string::npos);
  EXPECT_NE(read_text(dir / "DM106SHK.PDT").find("11  " + utf8_to_cp932_lossy("ＯＵＴ")),
            std::string::npos);
  // A chart chosen again reads a stronger soil's N: N and F empty again, not judged.
  check.choose_chart(0, 1, sink);
  EXPECT_EQ(check.row(0).n_text, "");
  EXPECT_EQ(check.row(0).f_text, "");
  EXPECT_EQ(check.row(0).verdict_text, "－");
  // Layers of 30 degrees and more are judged as they open; a phi that is no number is not.
  for (double phi : {30.0, 45.0}) {
    SandCheck c;
    Recorder r;
    ASSERT_EQ(c.load(dir.path(), dir.path(), 1, phi, kFactors, r), SandCheck::Load::ready);
    EXPECT_TRUE(r.texts.empty()) << phi;
    EXPECT_EQ(c.row(0).verdict_text, "ＯＫ") << phi;
  }
  SandCheck nan_phi;
  Recorder r;
  ASSERT_EQ(nan_phi.load(dir.path(), dir.path(), 1, std::nan(""), kFactors, r), SandCheck::Load::ready);
  EXPECT_EQ(nan_phi.row(0).verdict_text, "－");
}

// The page prints 2e/B as the dialog shows it and read the chart with, and so does the figure:
// e 0.228 on B 16 gives 2e/B = 0.0285, which the engine writes as 0.028 and the dialog rounds
// (from 0.499 of a unit up) to 0.029.
TEST_F(SandCheckTest, ThePagePrints2eOverBAsTheDialogShowsIt) {
  write_file_bytes(dir / "CAL_HEN.DAT",
                   "26,3,8,7,5,9,title\r\n4000.000000,3500.000000\r\n600.000000,700.000000\r\n"
                   "0.000000,0.000000\r\n16.000000\r\n0.228000,1.612000\r\n0.028000,0.202000\r\n"
                   "0.000000\r\n0.000000\r\n10.000000\r\n45.000000\r\n177.732000,274.341000\r\n");
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  EXPECT_EQ(check.row(0).ratio_text, "0.029");
  // 2 x 1.612 / 16 = 0.2015: 0.202 in the file and in the dialog.
  EXPECT_EQ(check.row(1).ratio_text, "0.202");
  ASSERT_TRUE(check.ok(sink));
  const std::vector<std::string> normal = split_lines(read_text(dir / "DM006SHK.PDT"));
  ASSERT_EQ(normal.size(), 17u);
  EXPECT_EQ(normal[8], "05   0.029");
  EXPECT_EQ(split_lines(read_text(dir / "DM106SHK.PDT"))[8], "05   0.202");
  // The figure's point: x = 1950 + Fix(18.91 x 2.9 = 54.839) = 2004 (0.028 would give 2002), y =
  // 3100 - Fix(18.91 x 15 = 283.65) = 2817; its value "0.029" under the axis.
  const std::vector<std::string> figure = split_lines(read_text(dir / "M_HSK06H.PZK"));
  EXPECT_NE(std::find(figure.begin(), figure.end(), "L 2004 2817 1950 2817 0 2"), figure.end());
  EXPECT_NE(std::find(figure.begin(), figure.end(), "0.029"), figure.end());
  EXPECT_EQ(std::find(figure.begin(), figure.end(), "0.028"), figure.end());
}

TEST_F(SandCheckTest, MissingOrBrokenChartOffersNoDialog) {
  std::filesystem::remove(dir / "FAI35.CSV");
  EXPECT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::no_dialog);
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0], "--- ERROR ---\n\nデータファイルFAI35.CSVが開けません!\n");
  write_file_bytes(dir / "FAI35.CSV", "3\r\n20,2\r\n");
  Recorder r;
  EXPECT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, r), SandCheck::Load::no_dialog);
  ASSERT_EQ(r.texts.size(), 1u);
  EXPECT_EQ(r.texts[0], "--- ERROR ---\n\nデータファイルFAI35.CSVが読み込めません!\n");
}

TEST_F(SandCheckTest, PointOffTheChartWarnsAndReadsZero) {
  std::string steep = fixtures::eccentric_load_text();
  steep.replace(steep.find("600.000000"), 10, "3200.00000");  // tan 0.800: above every curve
  write_file_bytes(dir / "CAL_HEN.DAT", steep);
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  EXPECT_EQ(check.row(0).n_text, "0.00");
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0], "常時の点は図表の範囲外です。Ｎを入力してください。");
}

// Beside F the row shows the verdict its page will write, after every change of N, the chart
// or the design factor. The fixture's normal row: N 17.50, Q 1750, F 8.750; seismic F 5.714.
TEST_F(SandCheckTest, TheVerdictFollowsNTheChartAndTheDesignFactor) {
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  struct Step {
    const char* what;
    std::function<void(SandCheck&)> act;
    const char* normal;
    const char* seismic;
  };
  const Step steps[] = {
      {"as opened, factors 2.500 and 1.500", [](SandCheck&) {}, "ＯＫ", "ＯＫ"},
      {"factor typed above F", [](SandCheck& c) { c.set_design_text(0, "9"); }, "ＯＵＴ", "ＯＫ"},
      {"factor equal to F passes", [](SandCheck& c) { c.set_design_text(0, "8.75"); }, "ＯＫ", "ＯＫ"},
      // Q = 10 x 20 x 1.2 / 2 = 120, F = 120 / 200 = 0.600.
      {"N typed", [](SandCheck& c) { c.set_n_text(0, "1.2"); }, "ＯＵＴ", "ＯＫ"},
      {"chart chosen reads N 17.50 again", [&](SandCheck& c) { c.choose_chart(0, 1, sink); },
       "ＯＫ", "ＯＫ"},
      // Seismic: Q = 10 x 20 x 3 / 2 = 300, F = 300 / 175 = 1.714 against 2.
      {"seismic N and factor", [](SandCheck& c) {
         c.set_n_text(1, "3");
         c.set_design_text(1, "2");
         c.leave_design_box(1);
       }, "ＯＫ", "ＯＵＴ"},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    s.act(check);
    EXPECT_EQ(check.row(0).verdict_text, s.normal);
    EXPECT_EQ(check.row(1).verdict_text, s.seismic);
  }
  // The pages write the same verdicts.
  ASSERT_TRUE(check.ok(sink));
  EXPECT_NE(read_text(dir / "DM006SHK.PDT").find("11  " + utf8_to_cp932_lossy("ＯＫ")), std::string::npos);
  EXPECT_NE(read_text(dir / "DM106SHK.PDT").find("11  " + utf8_to_cp932_lossy("ＯＵＴ")),
            std::string::npos);
  // Without the seismic case its row judges nothing.
  SandCheck off;
  ASSERT_EQ(off.load(dir.path(), dir.path(), 0, 30.0, kFactors, sink), SandCheck::Load::ready);
  off.set_n_text(1, "3");
  EXPECT_EQ(off.row(1).verdict_text, "");
  EXPECT_EQ(off.row(0).verdict_text, "ＯＫ");
}

// A point off every chart reads N 0: F 0 fails whatever the chart, and the page says the same.
TEST_F(SandCheckTest, APointOffTheChartsIsOut) {
  std::string steep = fixtures::eccentric_load_text();
  steep.replace(steep.find("600.000000"), 10, "3200.00000");  // tan 0.800: above every curve
  write_file_bytes(dir / "CAL_HEN.DAT", steep);
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  for (int chart = 0; chart < kChartCount; ++chart) {
    check.choose_chart(0, chart, sink);
    EXPECT_EQ(check.row(0).n_text, "0.00");
    EXPECT_EQ(check.row(0).f_text, "0.000");
    EXPECT_EQ(check.row(0).verdict_text, "ＯＵＴ") << chart;
  }
  ASSERT_TRUE(check.ok(sink));
  EXPECT_NE(read_text(dir / "DM006SHK.PDT").find("11  " + utf8_to_cp932_lossy("ＯＵＴ")),
            std::string::npos);
}

TEST_F(SandCheckTest, OkRefusesADesignFactorNotAboveZero) {
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  check.set_design_text(1, "");
  EXPECT_FALSE(check.ok(sink));
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0], "設計安全率に誤りがあります。");
  EXPECT_FALSE(std::filesystem::exists(dir / "DM006SHK.PDT"));
}

TEST_F(SandCheckTest, OkWritesTheNormalPageFieldByField) {
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  check.set_design_text(0, "2.5");
  ASSERT_TRUE(check.ok(sink));
  const std::vector<std::string> lines = split_lines(read_text(dir / "DM006SHK.PDT"));
  const std::vector<std::string> expected = {
      utf8_to_cp932_lossy("偏心傾斜荷重　　　　　〈常  時〉"),
      utf8_to_cp932_lossy("  26   3   8   7   5   9        砂地盤の岸壁,第2案"),
      "$1  QVT_HKG1.PFM    M_HSK06H.PZK",
      "00    600.000",
      "01    4000.000",
      "02   0.150",
      "03   2.000",
      "04  20.000",
      "05   0.200",
      "06   17.50",
      "07  2.500",
      "08  1750.000",
      "09   8.750",
      "13  10.000",
      utf8_to_cp932_lossy("10  ≧"),
      utf8_to_cp932_lossy("11  ＯＫ"),
      "$E",
  };
  EXPECT_EQ(lines, expected);
  EXPECT_NE(read_text(dir / "DM006SHK.PDT").find("\r\n"), std::string::npos);
  // The seismic page: F 5.714 against 1.500 passes too; a factor of 6 fails it.
  const std::vector<std::string> seismic = split_lines(read_text(dir / "DM106SHK.PDT"));
  ASSERT_EQ(seismic.size(), 17u);
  EXPECT_EQ(seismic[0], utf8_to_cp932_lossy("偏心傾斜荷重　　　　　〈地震時〉"));
  EXPECT_EQ(seismic[2], "$1  QVT_HKG1.PFM    M_HSK16H.PZK");
  check.set_design_text(1, "6");
  ASSERT_TRUE(check.ok(sink));
  const std::vector<std::string> failed = split_lines(read_text(dir / "DM106SHK.PDT"));
  EXPECT_EQ(failed[14], utf8_to_cp932_lossy("10  ＜"));
  EXPECT_EQ(failed[15], utf8_to_cp932_lossy("11  ＯＵＴ"));
}

TEST_F(SandCheckTest, FileThatCannotBeWrittenKeepsTheDialogOpen) {
  ASSERT_EQ(check.load(dir.path(), dir.path(), 1, 30.0, kFactors, sink), SandCheck::Load::ready);
  std::filesystem::create_directory(dir / "M_HSK06H.PZK");  // a folder where the figure goes
  std::filesystem::create_directory(dir / "M_HSK06H.PZK" / "x");
  EXPECT_FALSE(check.ok(sink));
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0], "ファイル(M_HSK06H.PZK)が書き込めません。");
}

}  // namespace
}  // namespace qvt::results
