#include "frontend/results/clay_check.h"

#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "frontend/results/tests/message_recorder.h"
#include "common/textfile.h"
#include "common/bearing_formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace qvt::results {
namespace {

using testing::Recorder;

// V 2000, H 300, B 20, e 2, 2e/B 0.2, k 5, c0 100, q0 30, maximum reaction 150 (both cases alike
// but the seismic reaction 160), a title with a comma.
std::string clay_hand_over(const std::string& max_reaction = "150.000000") {
  return utf8_to_cp932_lossy("26,3,8,7,5,9,粘土地盤の岸壁,第1案") +
         "\r\n2000.000000,2000.000000\r\n300.000000,500.000000\r\n0.000000,0.000000\r\n"
         "20.000000\r\n2.000000,3.000000\r\n0.200000,0.300000\r\n5.000000\r\n100.000000\r\n"
         "18.000000\r\n30.000000\r\n" +
         max_reaction + ",160.000000\r\n";
}

// KS_AB.CSV holding the numbers 1 to 419 in file order, so an entry names its position; lines of
// 4, 5 and 10 axis values, then 40 lines of ten.
std::string counting_table() {
  std::string text;
  for (int n = 1; n <= 419; ++n) {
    const bool end = n == 4 || n == 9 || (n >= 19 && (n - 19) % 10 == 0);
    text += std::to_string(n) + (end ? "\r\n" : ",");
  }
  return text;
}

class ClayCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    write_file_bytes(dir / "CAL_HEN.DAT", clay_hand_over());
    std::filesystem::copy_file(std::filesystem::path(QVT_BIN_DIR) / "KS_AB.CSV", dir / "KS_AB.CSV");
  }
  ClayCheck::Load load(int seismic_check = 1, std::array<double, 2> fs = {2.5, 1.5}) {
    return check.load(dir.path(), dir.path(), seismic_check, fs, sink);
  }
  qvt::testing::TempDir dir;
  Recorder sink;
  ClayCheck check;
};

// The dialog opens with each checked case's safe classes chosen, so its first verdict is the one
// a checking engineer reaches, and beside qa it shows the reaction qa is compared with.
// Normal: tan 300/2000 = 0.150 -> "0.15"; 2e/B 0.200 -> "0.2"; B k / c0 = 20 x 5 / 100 = 1.000
// -> "1.0". From the coefficients' formula (see ShippedCoefficientsFollowTheFormulas):
// v = 5.14159 - 2.57080^2 x 0.15 = 4.15024, a = 0.8 v = 3.32, b = 1.0/4 x 0.64 x (4.15024 /
// 5.14159 = 0.80719) = 0.13; Nc 3.45, qa = 3.45 x 100 / 2.5 + 30 = 168.000 > 150.
// Seismic: tan 500/2000 = 0.250 -> "0.25"; 2e/B 0.300 -> "0.4"; "1.0". v = 5.14159 - 6.60901 x
// 0.25 = 3.48934, a = 0.6 v = 2.09, b = 0.25 x 0.36 x 0.67865 = 0.06; Nc 2.15, qa = 2.15 x 100 /
// 1.5 + 30 = 173.333 > 160.
TEST_F(ClayCheckTest, OpensWithTheSafeClassesChosen) {
  ASSERT_EQ(load(), ClayCheck::Load::ready);
  EXPECT_TRUE(sink.texts.empty());
  const ClayCheckRow& r = check.row(0);
  EXPECT_EQ(r.tan_theta_text, "0.150");
  EXPECT_EQ(r.ratio_text, "0.200");
  EXPECT_EQ(r.strength_text, "1.000");
  EXPECT_EQ(r.positions, (std::array<int, 3>{3, 1, 3}));
  EXPECT_EQ(r.a_text, "3.32");
  EXPECT_EQ(r.b_text, "0.13");
  EXPECT_EQ(r.nc_text, "3.45");
  EXPECT_EQ(r.qa_text, "168.000");
  EXPECT_EQ(r.sign_text, "＞");
  EXPECT_EQ(r.reaction_text, "150.000");
  EXPECT_EQ(r.verdict_text, "Ｏ.Ｋ.");
  const ClayCheckRow& s = check.row(1);
  EXPECT_EQ(s.tan_theta_text, "0.250");
  EXPECT_EQ(s.strength_text, "1.000");  // the seismic ratio is the normal one
  EXPECT_EQ(s.positions, (std::array<int, 3>{5, 2, 3}));
  EXPECT_EQ(s.a_text, "2.09");
  EXPECT_EQ(s.b_text, "0.06");
  EXPECT_EQ(s.qa_text, "173.333");
  EXPECT_EQ(s.reaction_text, "160.000");
  EXPECT_EQ(s.verdict_text, "Ｏ.Ｋ.");
  EXPECT_EQ(check.current_row(), 0);
  // Without the seismic case its row keeps its classes at "0" and shows nothing.
  ClayCheck off;
  ASSERT_EQ(off.load(dir.path(), dir.path(), 0, {2.5, 1.5}, sink), ClayCheck::Load::ready);
  EXPECT_EQ(off.row(1).positions, (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(off.row(1).reaction_text, "***");
  EXPECT_EQ(off.row(1).verdict_text, "");
}

// The safe class of each value as a checking engineer picks it from the table: tan(theta) and
// 2e/B the nearest class at or above ("0.25以上" beyond 0.25), B k / c0 the nearest at or below
// (the smallest class below 0.2); a 2e/B beyond 0.8 has none and takes the last.
TEST(ClayClasses, SafeClassOfEachValue) {
  const struct {
    double tan_theta, ratio, strength;
    std::array<int, 3> classes;
    bool beyond;
  } cases[] = {
      {0.0, 0.0, 0.0, {1, 1, 1}, false},
      {0.05, 0.2, 0.2, {1, 1, 1}, false},       // on a class: that class
      {0.051, 0.201, 0.199, {2, 2, 1}, false},  // B k / c0 below the smallest class
      {0.15, 0.55, 4.99, {3, 3, 6}, false},
      {0.1999, 0.6, 2.0, {4, 3, 4}, false},
      {0.25, 0.8, 10.0, {5, 4, 10}, false},
      {0.251, 0.801, 12.0, {6, 4, 10}, true},
      {0.586, 0.002, 6.3, {6, 1, 8}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.tan_theta << " " << c.ratio << " " << c.strength);
    EXPECT_EQ(safe_clay_classes(c.tan_theta, c.ratio, c.strength), c.classes);
    EXPECT_EQ(beyond_eccentricity_classes(c.ratio), c.beyond);
  }
}

// A 2e/B beyond the last class (0.8) has no coefficients: the case is judged ＯＵＴ with its
// reason, whatever Nc is typed. Seismic e 8.5 on B 20: 2e/B = 0.850.
TEST_F(ClayCheckTest, A2eOverBBeyondTheLastClassIsOut) {
  std::string eccentric = clay_hand_over();
  eccentric.replace(eccentric.find("2.000000,3.000000"), 17, "2.000000,8.500000");
  eccentric.replace(eccentric.find("0.200000,0.300000"), 17, "0.200000,0.850000");
  write_file_bytes(dir / "CAL_HEN.DAT", eccentric);
  ASSERT_EQ(load(), ClayCheck::Load::ready);
  const std::string reason = "地震時の|ε|は表の最大の区分 0.8 を超えています。表にないのでＯＵＴです。";
  EXPECT_EQ(sink.texts, (std::vector<std::string>{reason}));
  EXPECT_EQ(check.row(1).ratio_text, "0.850");
  EXPECT_EQ(check.row(1).positions, (std::array<int, 3>{5, 4, 3}));
  EXPECT_EQ(check.row(1).verdict_text, "ＯＵＴ");
  EXPECT_EQ(check.row(1).verdict_note, reason);
  EXPECT_EQ(check.row(0).verdict_text, "Ｏ.Ｋ.");
  check.set_nc_text(1, "50");  // qa = 50 x 100 / 1.5 + 30 = 3363.333, far above 160
  EXPECT_EQ(check.row(1).qa_text, "3363.333");
  EXPECT_EQ(check.row(1).sign_text, "＞");
  EXPECT_EQ(check.row(1).verdict_text, "ＯＵＴ");
  ASSERT_TRUE(check.ok(sink));
  EXPECT_NE(read_file_bytes(dir / "DM106SHK.PDT").value_or("").find(utf8_to_cp932_lossy("16  ＯＵＴ")),
            std::string::npos);
}

// A list set back to "0" leaves the row without an Nc from the table: no verdict ("－") until a
// class is chosen or Nc typed, and OK asks for one.
TEST_F(ClayCheckTest, NoVerdictBeforeAClassIsChosen) {
  ASSERT_EQ(load(), ClayCheck::Load::ready);
  check.choose_class(2, 0);
  EXPECT_EQ(check.row(0).nc_text, "0.00");
  EXPECT_EQ(check.row(0).verdict_text, "－");
  EXPECT_EQ(check.row(0).sign_text, "");
  EXPECT_FALSE(check.ok(sink));
  EXPECT_EQ(sink.texts, (std::vector<std::string>{"常時の区分を選ぶか、Ｎｃを入力してください。"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "DM006SHK.PDT"));
  check.set_nc_text(0, "1");  // qa = 1 x 100 / 2.5 + 30 = 70 < 150
  EXPECT_EQ(check.row(0).verdict_text, "ＯＵＴ");
  EXPECT_EQ(check.row(0).sign_text, "＜");
  check.choose_class(2, 3);  // the class back: Nc 3.45 from the table
  EXPECT_EQ(check.row(0).verdict_text, "Ｏ.Ｋ.");
  // "0.25以上" needs the 2e/B and B k / c0 classes like every class: with 2e/B at "0" no Nc.
  check.choose_class(1, 0);
  check.choose_class(0, kSteepInclination);
  EXPECT_EQ(check.row(0).nc_text, "0.00");
  EXPECT_EQ(check.row(0).verdict_text, "－");
  // 2e/B 0.2: the class 0.25 itself (tan 0.15 is milder): a = 0.8 x 3.48934 = 2.79, b = 1.0 / 4
  // x 0.64 x 0.67865 = 0.11, Nc 2.90, qa = 2.90 x 100 / 2.5 + 30 = 146.000 < 150.
  check.choose_class(1, 1);
  EXPECT_EQ(check.row(0).nc_text, "2.90");
  EXPECT_EQ(check.row(0).verdict_text, "ＯＵＴ");
  EXPECT_TRUE(check.ok(sink));
}

TEST_F(ClayCheckTest, TypedNcGivesQa) {
  ASSERT_EQ(load(), ClayCheck::Load::ready);
  check.set_nc_text(0, "3.45");
  EXPECT_EQ(check.row(0).qa_text, "168.000");  // 3.45 * 100 / 2.5 + 30
  check.leave_nc_box(0);
  EXPECT_EQ(check.row(0).nc_text, "3.45");
  // A bearing factor of safety of 0 counts as 1: 3.45 * 100 / 1 + 30.
  ClayCheck zero;
  ASSERT_EQ(zero.load(dir.path(), dir.path(), 1, {0.0, 1.5}, sink), ClayCheck::Load::ready);
  zero.set_nc_text(0, "3.45");
  EXPECT_EQ(zero.row(0).qa_text, "375.000");
  EXPECT_DOUBLE_EQ(zero.safety_factor(0), 1.0);
}

// Beside qa each row shows the verdict its page will write: qa against the maximum reaction
// (150 normal, 160 seismic), after every change of a class or of Nc.
TEST_F(ClayCheckTest, TheVerdictFollowsQa) {
  ASSERT_EQ(load(), ClayCheck::Load::ready);
  struct Step {
    int row;
    const char* nc;
    const char* qa;
    const char* verdict;
  };
  const Step steps[] = {
      {0, "0", "30.000", "ＯＵＴ"},        // q0 alone, typed
      {0, "3.45", "168.000", "Ｏ.Ｋ."},    // 3.45 x 100 / 2.5 + 30
      {1, "1.95", "160.000", "Ｏ.Ｋ."},    // 1.95 x 100 / 1.5 + 30: equal passes
      {1, "1.94", "159.333", "ＯＵＴ"},
  };
  EXPECT_EQ(check.row(0).verdict_text, "Ｏ.Ｋ.");  // as opened, on the safe classes
  EXPECT_EQ(check.row(1).verdict_text, "Ｏ.Ｋ.");
  for (const Step& s : steps) {
    SCOPED_TRACE(s.nc);
    check.set_nc_text(s.row, s.nc);
    EXPECT_EQ(check.row(s.row).qa_text, s.qa);
    EXPECT_EQ(check.row(s.row).verdict_text, s.verdict);
  }
  // A class chosen recomputes Nc, and the verdict with it: "0.25以上" gives the class 0.25's
  // 2.79 + 0.11 = 2.90, qa 146.000 < 150; tan 0.10 (0.2, 1.0): v = 5.14159 - 6.60899 x 0.10 =
  // 4.48069, a = 0.8 v = 3.58, b = 0.25 x 0.64 x (4.48069 / 5.14159 = 0.87146) = 0.14, Nc 3.72,
  // qa = 3.72 x 100 / 2.5 + 30 = 178.800 >= 150.
  check.choose_class(0, kSteepInclination);
  EXPECT_EQ(check.row(0).qa_text, "146.000");
  EXPECT_EQ(check.row(0).verdict_text, "ＯＵＴ");
  check.choose_class(0, 2);
  EXPECT_EQ(check.row(0).nc_text, "3.72");
  EXPECT_EQ(check.row(0).qa_text, "178.800");
  EXPECT_EQ(check.row(0).verdict_text, "Ｏ.Ｋ.");
  ASSERT_TRUE(check.ok(sink));
  const std::string normal = read_file_bytes(dir / "DM006SHK.PDT").value_or("");
  const std::string seismic = read_file_bytes(dir / "DM106SHK.PDT").value_or("");
  EXPECT_NE(normal.find("16  " + utf8_to_cp932_lossy("Ｏ.Ｋ.")), std::string::npos);
  EXPECT_NE(seismic.find("16  " + utf8_to_cp932_lossy("ＯＵＴ")), std::string::npos);
  // Without the seismic case a typed Nc gives qa but no verdict.
  ClayCheck off;
  ASSERT_EQ(off.load(dir.path(), dir.path(), 0, {2.5, 1.5}, sink), ClayCheck::Load::ready);
  off.set_nc_text(1, "2");
  EXPECT_EQ(off.row(1).verdict_text, "");
}

// "0.25以上" takes the formula KS_AB.CSV is made of at the case's tan(theta) (0.25 for a milder
// one) with the row's 2e/B and B k / c0 classes, and beyond tan(theta) = 2 / (2 + pi) = 0.38898
// the sliding limit (1 - 2e/B class) / tan(theta); never more than the class 0.25 (2.90 here), and
// less the steeper the load. Normal case, V 2000, B 20, c0 100, Fs 2.5, q0 30; n = 2 + pi =
// 5.14159, (n / 2)^2 = 6.60899, v = n - 6.60899 t, a = v (1 - e), b = kappa / 4 (1 - e)^2 v / n:
//   tan 0.150 -> 0.25, 2e/B 0.2, kappa 1.0: a 0.8 x 3.48934 = 2.79, b 0.25 x 0.64 x 0.67865 =
//     0.11: Nc 2.90, qa = 2.90 x 40 + 30 = 146.000; no inclination at all: the same.
//   tan 0.277, 2e/B 0.160 (class 0.2), kappa 0.225 (class 0.2), a wall quay's normal case: v =
//     3.31090, a 2.65, b 0.05 x 0.64 x 0.64394 = 0.02: Nc 2.67 (the sliding limit of the
//     case's own 2e/B, 0.840 / 0.277 = 3.03, gave a third more than the formula), qa 136.800.
//   tan 0.261, 2e/B 0.061 (class 0.2), kappa 0.2: v = 3.41665, a 2.73, b 0.032 x 0.66451 =
//     0.02: Nc 2.75, qa 140.000.
//   tan 0.388, 2e/B 0.2, kappa 1.0: v = 2.57730, a 2.06, b = 0.08020 cut to 0.8 / 0.388 -
//     2.06184 = 0.00001: 0.00; Nc 2.06, qa 112.400.
//   tan 0.389, beyond 0.38898: the sliding limit 0.8 / 0.389 = 2.05656 cut to 2.05 (never
//     rounded up past the limit), no a and b: qa = 2.05 x 40 + 30 = 112.000.
//   tan 0.581, 2e/B 0.094 (class 0.2): 0.8 / 0.581 = 1.37694 cut to 1.37, qa = 1.37 x 40 + 30
//     = 84.800.
TEST_F(ClayCheckTest, SteepClassTakesTheTableFormulaThenTheSlidingLimit) {
  const struct {
    const char* h;
    const char* e;
    const char* ratio;
    const char* k;
    const char* a;
    const char* b;
    const char* nc;
    const char* qa;
  } cases[] = {
      {"300.000000", "2.000000", "0.200000", "5.000000", "2.79", "0.11", "2.90", "146.000"},
      {"0.00000000", "2.000000", "0.200000", "5.000000", "2.79", "0.11", "2.90", "146.000"},
      {"554.000000", "1.600000", "0.160000", "1.125000", "2.65", "0.02", "2.67", "136.800"},
      {"522.000000", "0.610000", "0.061000", "1.000000", "2.73", "0.02", "2.75", "140.000"},
      {"776.000000", "2.000000", "0.200000", "5.000000", "2.06", "0.00", "2.06", "112.400"},
      {"778.000000", "2.000000", "0.200000", "5.000000", "***", "***", "2.05", "112.000"},
      {"1162.00000", "0.940000", "0.094000", "1.125000", "***", "***", "1.37", "84.800"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.h);
    std::string text = clay_hand_over();
    text.replace(text.find("300.000000,"), 10, c.h);
    text.replace(text.find("2.000000,3.000000"), 8, c.e);
    text.replace(text.find("0.200000,0.300000"), 8, c.ratio);
    text.replace(text.find("\r\n5.000000\r\n") + 2, 8, c.k);
    write_file_bytes(dir / "CAL_HEN.DAT", text);
    ClayCheck steep;
    ASSERT_EQ(steep.load(dir.path(), dir.path(), 1, {2.5, 1.5}, sink), ClayCheck::Load::ready);
    steep.choose_class(0, kSteepInclination);
    steep.choose_class(1, 1);
    EXPECT_EQ(steep.row(0).a_text, c.a);
    EXPECT_EQ(steep.row(0).b_text, c.b);
    EXPECT_EQ(steep.row(0).nc_text, c.nc);
    EXPECT_EQ(steep.row(0).qa_text, c.qa);
    // Never above the class 0.25 of the same row.
    const double steep_nc = steep.nc_value(0);
    steep.choose_class(0, 5);
    EXPECT_LE(steep_nc, steep.nc_value(0));
  }
}

// B k / c0 below the smallest class 0.2 is never taken as 0.2: the class 0.2 computes b from the
// case's own value (b = kappa / 4 (1 - e)^2 v / n, never above the class's entry) and the dialog
// says so. Opening classes (0.15, 0.2, "0.2") normal, (0.25, 0.4, "0.2") seismic, a 3.32 and
// 2.09 from the table (0.8 x 4.15024, 0.6 x 3.48934):
//   kappa 0 (k 0, a clay of one strength): b 0: Nc 3.32, qa 3.32 x 40 + 30 = 162.800; 2.09,
//     2.09 x 100 / 1.5 + 30 = 169.333.
//   kappa 0.1 (k 0.5): b 0.025 x 0.64 x 0.80719 = 0.0129 -> 0.01: 3.33, qa 163.200; seismic
//     0.025 x 0.36 x 0.67865 = 0.0061 -> 0.01: 2.10, qa 170.000.
//   kappa 0.2 (k 1): the class itself, b 0.05 x 0.64 x 0.80719 = 0.0258 -> 0.03: 3.35, qa
//     164.000; seismic 0.0122 -> 0.01: 2.10; no notice.
// "0.25以上" with kappa 0.1, 2e/B 0.2: a 2.79 at 0.25, b 0.025 x 0.64 x 0.67865 = 0.0109 -> 0.01:
// Nc 2.80.
TEST_F(ClayCheckTest, AStrengthRatioBelowTheSmallestClassIsNeverRoundedUp) {
  const struct {
    const char* k;
    const char* strength;
    const char* b;
    const char* nc;
    const char* qa;
    const char* seismic_nc;
    const char* seismic_qa;
    const char* steep_nc;
    bool notice;
  } cases[] = {
      {"0.000000", "0.000", "0.00", "3.32", "162.800", "2.09", "169.333", "2.79", true},
      {"0.500000", "0.100", "0.01", "3.33", "163.200", "2.10", "170.000", "2.80", true},
      {"1.000000", "0.200", "0.03", "3.35", "164.000", "2.10", "170.000", "2.81", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.k);
    std::string text = clay_hand_over();
    text.replace(text.find("\r\n5.000000\r\n") + 2, 8, c.k);
    write_file_bytes(dir / "CAL_HEN.DAT", text);
    ClayCheck weak;
    ASSERT_EQ(weak.load(dir.path(), dir.path(), 1, {2.5, 1.5}, sink), ClayCheck::Load::ready);
    EXPECT_EQ(weak.row(0).strength_text, c.strength);
    EXPECT_EQ(weak.row(0).positions, (std::array<int, 3>{3, 1, 1}));
    EXPECT_EQ(weak.row(0).a_text, "3.32");
    EXPECT_EQ(weak.row(0).b_text, c.b);
    EXPECT_EQ(weak.row(0).nc_text, c.nc);
    EXPECT_EQ(weak.row(0).qa_text, c.qa);
    EXPECT_EQ(weak.row(1).nc_text, c.seismic_nc);
    EXPECT_EQ(weak.row(1).qa_text, c.seismic_qa);
    EXPECT_EQ(weak.strength_notice(),
              c.notice ? std::string("Bk/Co ") + c.strength +
                             " は最小の区分 0.2 より小さいため、区分 0.2 のｂは Bk/Co " +
                             c.strength + " で計算します（区分の値には切り上げません）。"
                       : std::string());
    weak.choose_class(0, kSteepInclination);
    EXPECT_EQ(weak.row(0).nc_text, c.steep_nc);
  }
  EXPECT_TRUE(sink.texts.empty());
}

TEST_F(ClayCheckTest, ClassesIndexTheTableInFileOrder) {
  write_file_bytes(dir / "KS_AB.CSV", counting_table());
  ASSERT_EQ(load(), ClayCheck::Load::ready);
  // As opened, (0.15, 0.2, 1.0): a is number 19 + 2 x 10 + 3 = 42 of the file, b 42 + 5.
  EXPECT_EQ(check.row(0).a_text, "42.00");
  EXPECT_EQ(check.row(0).b_text, "47.00");
  check.choose_class(0, 3);  // tan 0.15
  check.choose_class(1, 2);  // 2e/B 0.4
  check.choose_class(2, 0);
  EXPECT_EQ(check.row(0).nc_text, "0.00");  // strength "0"
  check.choose_class(2, 4);  // B k / c0 2.0
  EXPECT_EQ(check.row(0).a_text, "152.00");
  EXPECT_EQ(check.row(0).b_text, "157.00");
  EXPECT_EQ(check.row(0).nc_text, "309.00");
}

TEST_F(ClayCheckTest, ListsFollowTheRowEntered) {
  write_file_bytes(dir / "KS_AB.CSV", counting_table());
  ASSERT_EQ(load(), ClayCheck::Load::ready);
  check.choose_class(0, 1);
  check.choose_class(1, 1);
  check.choose_class(2, 1);
  EXPECT_EQ(check.row(0).a_text, "20.00");  // 19 axis values, then the first a
  check.enter_row(1);
  EXPECT_EQ(check.current_row(), 1);
  // The seismic row's own classes (0.25, 0.4, 1.0): a 19 + 100 + 20 + 5 = 144, b 149.
  EXPECT_EQ(check.row(1).positions, (std::array<int, 3>{5, 2, 3}));
  EXPECT_EQ(check.row(1).nc_text, "293.00");
  check.choose_class(0, 5);
  check.choose_class(1, 4);
  check.choose_class(2, 10);
  // The normal row keeps its choices and values while the lists stand on the seismic one.
  EXPECT_EQ(check.row(0).positions, (std::array<int, 3>{1, 1, 1}));
  EXPECT_EQ(check.row(0).a_text, "20.00");
  check.set_nc_text(0, "7");
  check.enter_row(1);  // the row the lists stand on: nothing changes
  check.enter_row(0);
  // Entering a row sets the lists to its classes, which recomputes it: a 20 + b 25 (the first b).
  EXPECT_EQ(check.row(0).nc_text, "45.00");
}

TEST_F(ClayCheckTest, WithoutSeismicCaseTheSeismicRowComputesOnlyATypedNc) {
  ASSERT_EQ(load(0), ClayCheck::Load::ready);
  EXPECT_EQ(check.row(1).tan_theta_text, "***");
  EXPECT_EQ(check.row(1).qa_text, "***");
  check.enter_row(1);
  check.choose_class(0, 3);
  EXPECT_EQ(check.row(1).qa_text, "***");
  check.set_nc_text(1, "2");
  EXPECT_EQ(check.row(1).qa_text, "163.333");  // 2 * 100 / 1.5 + 30
  write_file_bytes(dir / "DM106SHK.PDT", "old");
  write_file_bytes(dir / "M_HSK16H.PZK", "old");
  ASSERT_TRUE(check.ok(sink));
  EXPECT_TRUE(std::filesystem::exists(dir / "DM006SHK.PDT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "DM106SHK.PDT"));
  EXPECT_FALSE(std::filesystem::exists(dir / "M_HSK16H.PZK"));
}

TEST_F(ClayCheckTest, MissingOrShortTableIsNamedAndNotUsed) {
  for (const std::string& table : {std::string(), std::string("1,2,3\r\n")}) {
    if (table.empty())
      std::filesystem::remove(dir / "KS_AB.CSV");
    else
      write_file_bytes(dir / "KS_AB.CSV", table);
    Recorder r;
    ClayCheck c;
    ASSERT_EQ(c.load(dir.path(), dir.path(), 1, {2.5, 1.5}, r), ClayCheck::Load::ready);
    ASSERT_EQ(r.texts.size(), 1u);
    EXPECT_EQ(r.texts[0], "係数ﾌｧｲﾙ(KS_AB.CSV)が読み込み出来ません。");
    c.choose_class(0, 3);
    c.choose_class(1, 2);
    c.choose_class(2, 4);
    EXPECT_EQ(c.row(0).a_text, "***");
    EXPECT_EQ(c.row(0).nc_text, "0.00");
    c.set_nc_text(0, "3.45");  // Nc can still be typed
    EXPECT_EQ(c.row(0).qa_text, "168.000");
  }
}

TEST_F(ClayCheckTest, UnreadableHandOverDisablesOk) {
  const std::string good = clay_hand_over();
  std::string no_cohesion = good;
  no_cohesion.replace(no_cohesion.find("100.000000"), 10, "0.00000000");
  const std::string eleven_lines = good.substr(0, good.rfind("150.000000"));
  // A cohesion of 1e-300 would make B k / c0 infinite; a reaction beyond a million kN/m2 is no
  // section's.
  std::string tiny_cohesion = good;
  tiny_cohesion.replace(tiny_cohesion.find("100.000000"), 10, "1e-300");
  std::string huge_reaction = good;
  huge_reaction.replace(huge_reaction.find("160.000000"), 10, "1.0e+07");
  for (const std::string& text :
       {no_cohesion, eleven_lines, tiny_cohesion, huge_reaction, std::string("x")}) {
    write_file_bytes(dir / "CAL_HEN.DAT", text);
    Recorder r;
    ClayCheck c;
    EXPECT_EQ(c.load(dir.path(), dir.path(), 1, {2.5, 1.5}, r), ClayCheck::Load::unreadable);
    ASSERT_EQ(r.texts.size(), 1u);
    EXPECT_EQ(r.texts[0], "計算結果ﾌｧｲﾙ(CAL_HEN.DAT)が読み込み出来ません。");
    EXPECT_FALSE(c.ok_enabled());
    EXPECT_FALSE(c.ok(r));
    EXPECT_FALSE(std::filesystem::exists(dir / "DM006SHK.PDT"));
  }
}

TEST_F(ClayCheckTest, PageFieldByFieldAndTheVerdictAtItsEdge) {
  const struct {
    const char* max_reaction;
    const char* sign;
    const char* verdict;
  } edges[] = {{"150.000000", "14  ＞", "16  Ｏ.Ｋ."},
               {"168.000000", "14  ≧", "16  Ｏ.Ｋ."},
               {"168.000400", "14  ≦", "16  ＯＵＴ"},
               {"168.001000", "14  ＜", "16  ＯＵＴ"}};
  for (const auto& edge : edges) {
    write_file_bytes(dir / "CAL_HEN.DAT", clay_hand_over(edge.max_reaction));
    ClayCheck c;
    ASSERT_EQ(c.load(dir.path(), dir.path(), 1, {2.5, 1.5}, sink), ClayCheck::Load::ready);
    c.set_nc_text(0, "3.45");
    ASSERT_TRUE(c.ok(sink));
    const std::vector<std::string> lines =
        split_lines(read_file_bytes(dir / "DM006SHK.PDT").value_or(""));
    char max_field[32];
    std::snprintf(max_field, sizeof max_field, "15  %9.3f", std::atof(edge.max_reaction));
    const std::vector<std::string> expected = {
        utf8_to_cp932_lossy("偏心傾斜荷重　　　　　〈常  時〉"),
        utf8_to_cp932_lossy("  26   3   8   7   5   9        粘土地盤の岸壁,第1案"),
        "$1  QVT_HKG2.PFM",
        "00    300.000",
        "01    2000.000",
        "02   0.150",
        "03   2.000",
        "04  20.000",
        "05   0.200",
        "06  20.000",
        "07   5.00",
        "08  100.00",
        "09    1.00",
        "10    3.45",
        "11   2.500",
        "12    30.000",
        "13    168.000",
        max_field,
        utf8_to_cp932_lossy(edge.sign),
        utf8_to_cp932_lossy(edge.verdict),
        "$E",
    };
    EXPECT_EQ(lines, expected) << edge.max_reaction;
  }
  EXPECT_TRUE(std::filesystem::exists(dir / "DM106SHK.PDT"));
}

// A reaction never computed (0) proves nothing: the case fails whatever qa is, and the reaction
// and the sign show "－", not 0.000 and a sign that reads as a pass. A resultant outside the base
// (2e/B > 1) fails its case alone: no Nc, a, b or qa can be computed there (the sliding limit
// (1 - 2e/B) / tan(theta) was negative: Nc -1.00 that OK then refused), so the row shows "－" for
// them, takes no Nc typed, and OK writes its page with "－" and ＯＵＴ.
TEST_F(ClayCheckTest, AReactionNeverComputedOrAResultantOffTheBaseFails) {
  write_file_bytes(dir / "CAL_HEN.DAT", clay_hand_over("0.000000"));
  ASSERT_EQ(load(), ClayCheck::Load::ready);
  const std::string no_reaction = "常時の最大反力は求められていません。qaと比べられないのでＯＵＴです。";
  EXPECT_TRUE(sink.texts.empty());  // the calculation told it; the row says it beside ＯＵＴ
  EXPECT_EQ(check.row(0).qa_text, "168.000");  // 3.45 x 100 / 2.5 + 30, as opened
  EXPECT_EQ(check.row(0).reaction_text, "－");
  EXPECT_EQ(check.row(0).sign_text, "－");
  EXPECT_EQ(check.row(0).verdict_text, "ＯＵＴ");
  EXPECT_EQ(check.row(0).verdict_note, no_reaction);
  check.choose_class(2, 0);  // no class: still ＯＵＴ, never "not judged"
  EXPECT_EQ(check.row(0).verdict_text, "ＯＵＴ");
  check.set_nc_text(0, "3.45");
  EXPECT_EQ(check.row(0).sign_text, "－");
  ASSERT_TRUE(check.ok(sink));
  std::vector<std::string> page = split_lines(read_file_bytes(dir / "DM006SHK.PDT").value_or(""));
  ASSERT_EQ(page.size(), 21u);
  EXPECT_EQ(page[16], "13    168.000");
  const std::string dash = utf8_to_cp932_lossy("－");  // two bytes, right-aligned in the field
  EXPECT_EQ(page[17], "15  " + std::string(7, ' ') + dash);
  EXPECT_EQ(page[18], utf8_to_cp932_lossy("14  －"));
  EXPECT_EQ(page[19], utf8_to_cp932_lossy("16  ＯＵＴ"));

  // Seismic e 15 on B 20 (2e/B 1.500), H 1000 (tan 0.500: "0.25以上"), no reaction either.
  std::string off_base = clay_hand_over();
  off_base.replace(off_base.find("300.000000,500.000000"), 21, "300.000000,1000.00000");
  off_base.replace(off_base.find("2.000000,3.000000"), 17, "2.000000,15.00000");
  off_base.replace(off_base.find("0.200000,0.300000"), 17, "0.200000,1.500000");
  off_base.replace(off_base.find(",160.000000"), 11, ",0.000000");
  write_file_bytes(dir / "CAL_HEN.DAT", off_base);
  Recorder r;
  ClayCheck c;
  ASSERT_EQ(c.load(dir.path(), dir.path(), 1, {2.5, 1.5}, r), ClayCheck::Load::ready);
  ASSERT_EQ(r.texts.size(), 1u);
  EXPECT_EQ(r.texts[0],
            "地震時の合力は改良体の底面の外にあります（2e/B ＞ 1）。底面で支えられないのでＯＵＴです。");
  const ClayCheckRow& s = c.row(1);
  EXPECT_EQ(s.ratio_text, "1.500");
  EXPECT_EQ(s.positions[0], kSteepInclination);
  for (const std::string* shown : {&s.a_text, &s.b_text, &s.nc_text, &s.qa_text, &s.sign_text,
                                   &s.reaction_text})
    EXPECT_EQ(*shown, "－");
  EXPECT_FALSE(s.nc_editable);
  EXPECT_TRUE(c.row(0).nc_editable);
  c.set_nc_text(1, "50");  // no base to bear it: nothing to type
  EXPECT_EQ(s.nc_text, "－");
  EXPECT_EQ(s.qa_text, "－");
  EXPECT_EQ(c.row(0).verdict_text, "Ｏ.Ｋ.");
  EXPECT_EQ(s.verdict_text, "ＯＵＴ");
  EXPECT_EQ(s.verdict_note, r.texts[0]);
  EXPECT_EQ(c.row(0).verdict_note, "");
  ASSERT_TRUE(c.ok(r));
  EXPECT_EQ(r.texts.size(), 1u);
  const std::vector<std::string> seismic =
      split_lines(read_file_bytes(dir / "DM106SHK.PDT").value_or(""));
  ASSERT_EQ(seismic.size(), 21u);
  EXPECT_EQ(seismic[8], "05   1.500");
  EXPECT_EQ(seismic[13], "10  " + std::string(4, ' ') + dash);
  EXPECT_EQ(seismic[16], "13  " + std::string(7, ' ') + dash);
  EXPECT_EQ(seismic[17], "15  " + std::string(7, ' ') + dash);
  EXPECT_EQ(seismic[18], utf8_to_cp932_lossy("14  －"));
  EXPECT_EQ(seismic[19], utf8_to_cp932_lossy("16  ＯＵＴ"));
}

// The Nc box follows the number-box rule: a text without a number, or with a number Nc cannot
// have (0..1000), keeps the Nc the box holds (3.45 of the opening classes: qa 168.000), and OK,
// pressed while such a text stands in the box, takes it back and writes nothing. A pasted
// column keeps its first line.
TEST_F(ClayCheckTest, ATextThatIsNoNcKeepsTheValueHeldAndIsNeverWritten) {
  ASSERT_EQ(load(), ClayCheck::Load::ready);
  const struct {
    const char* typed;
    model::TypedNumber why;
  } cases[] = {{"１２", model::TypedNumber::no_number},  {"nan", model::TypedNumber::no_number},
               {"inf", model::TypedNumber::no_number},   {"abc", model::TypedNumber::no_number},
               {"1e999", model::TypedNumber::out_of_range}, {"1e307", model::TypedNumber::out_of_range},
               {"1000.5", model::TypedNumber::out_of_range}, {"-0.5", model::TypedNumber::out_of_range}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    check.set_nc_text(0, c.typed);
    EXPECT_EQ(check.row(0).nc_text, c.typed);
    EXPECT_EQ(check.row(0).qa_text, "168.000");
    EXPECT_EQ(check.row(0).verdict_text, "Ｏ.Ｋ.");
    EXPECT_FALSE(check.ok(sink));
    EXPECT_EQ(check.box_verdict(), c.why);
    EXPECT_EQ(check.row(0).nc_text, "3.45");
    EXPECT_FALSE(std::filesystem::exists(dir / "DM006SHK.PDT"));
  }
  EXPECT_TRUE(sink.texts.empty());  // the box's notice, not a message box
  // "12.5\r\n34" pasted: 12.5, qa = 12.5 x 100 / 2.5 + 30 = 530.000; the top of the range, 1000:
  // qa = 40030.000, and Nc "1000.00" keeps its six places as "1000.0".
  check.set_nc_text(0, "12.5\r\n34");
  EXPECT_EQ(check.row(0).nc_text, "12.5");
  EXPECT_EQ(check.row(0).qa_text, "530.000");
  EXPECT_EQ(check.leave_nc_box(0), model::TypedNumber::stands);
  EXPECT_EQ(check.row(0).nc_text, "12.50");
  check.set_nc_text(0, "1000");
  EXPECT_EQ(check.row(0).qa_text, "40030.000");
  ASSERT_TRUE(check.ok(sink));
  const std::vector<std::string> lines =
      split_lines(read_file_bytes(dir / "DM006SHK.PDT").value_or(""));
  ASSERT_EQ(lines.size(), 21u);
  EXPECT_EQ(lines[13], "10  1000.0");
  EXPECT_EQ(lines[16], "13  40030.000");
}

TEST(ClayTable, ShippedCoefficientsFollowTheFormulas) {
  const auto table = read_clay_coefficient_table(std::filesystem::path(QVT_BIN_DIR) / "KS_AB.CSV");
  ASSERT_TRUE(table);
  // Worked by hand: (t 0.15, e 0.4, kappa 2.0): v = 5.14159 - 2.57080^2 * 0.15 = 4.15024,
  // a = 0.6 v = 2.49, b = 0.5 * 0.36 * (4.15024 / 5.14159 = 0.80719) = 0.15.
  EXPECT_DOUBLE_EQ(table->coef_a[2][3][4], 2.49);
  EXPECT_DOUBLE_EQ(table->coef_b[2][3][4], 0.15);
  // (0.05, 0.2, 0.2): a = 0.8 * 4.81114 = 3.85, b = 0.05 * 0.64 * 0.93573 = 0.03.
  EXPECT_DOUBLE_EQ(table->coef_a[1][1][1], 3.85);
  EXPECT_DOUBLE_EQ(table->coef_b[1][1][1], 0.03);
  // (0.25, 0.2, 10): b = 2.5 * 0.64 * 0.67865 = 1.09 would pass the sliding limit 0.8 / 0.25 = 3.2:
  // cut to 3.2 - 2.79146 = 0.41.
  EXPECT_DOUBLE_EQ(table->coef_a[1][5][10], 2.79);
  EXPECT_DOUBLE_EQ(table->coef_b[1][5][10], 0.41);
  const double e_axis[] = {0.2, 0.4, 0.6, 0.8};
  const double t_axis[] = {0.05, 0.10, 0.15, 0.20, 0.25};
  const double k_axis[] = {0.2, 0.5, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0};
  for (int j = 1; j <= 4; ++j) EXPECT_DOUBLE_EQ(table->eccentricity_axis[j - 1], e_axis[j - 1]);
  for (int i = 1; i <= 5; ++i) EXPECT_DOUBLE_EQ(table->inclination_axis[i - 1], t_axis[i - 1]);
  for (int k = 1; k <= 10; ++k) EXPECT_DOUBLE_EQ(table->strength_axis[k - 1], k_axis[k - 1]);
  for (int j = 1; j <= 4; ++j) {
    for (int i = 1; i <= 5; ++i) {
      for (int k = 1; k <= 10; ++k) {
        const double a = table->coef_a[j][i][k], b = table->coef_b[j][i][k];
        SCOPED_TRACE(::testing::Message() << j << " " << i << " " << k);
        EXPECT_GE(b, 0.0);
        EXPECT_LE(a + b, (1 - e_axis[j - 1]) / t_axis[i - 1] + 0.01);
        // The safe classes the dialog opens with rest on these: a, b and so Nc = a + b fall
        // (or stay) as the 2e/B and tan(theta) classes rise and rise (or stay) with the
        // B k / c0 class, so the class at or above 2e/B and tan(theta) and the class at or below
        // B k / c0 never give an Nc above that of the case's own values.
        if (j > 1) {
          EXPECT_LT(a, table->coef_a[j - 1][i][k]);
          EXPECT_LE(b, table->coef_b[j - 1][i][k]);
          EXPECT_LT(a + b, table->coef_a[j - 1][i][k] + table->coef_b[j - 1][i][k]);
        }
        if (i > 1) {
          EXPECT_LT(a, table->coef_a[j][i - 1][k]);
          EXPECT_LE(b, table->coef_b[j][i - 1][k]);
          EXPECT_LT(a + b, table->coef_a[j][i - 1][k] + table->coef_b[j][i - 1][k]);
        }
        if (k > 1) {
          EXPECT_GE(b, table->coef_b[j][i][k - 1]);
          EXPECT_GE(a, table->coef_a[j][i][k - 1]);
        }
        const auto c = bearing::clay_coefficients(e_axis[j - 1], t_axis[i - 1], k_axis[k - 1]);
        EXPECT_NEAR(a, c.a, 0.005 + 1e-9);
        EXPECT_NEAR(b, c.b, 0.005 + 1e-9);
        // The class "0.25以上" computes with the same code: at a class's tan(theta) it gives that
        // entry exactly, so the last class and the table cannot disagree.
        const bearing::ClayFactor f =
            bearing::clay_factor(e_axis[j - 1], t_axis[i - 1], k_axis[k - 1]);
        EXPECT_FALSE(f.sliding);
        EXPECT_EQ(f.a, a);
        EXPECT_EQ(f.b, b);
        EXPECT_EQ(f.nc, a + b);
      }
    }
  }
}

// Nc of "0.25以上" as the load steepens, for every 2e/B and B k / c0 class: from the class 0.25
// entry at tan 0.25 it never rises, never passes the sliding limit of the class's effective base
// (1 - e) / t (by more than the table's two decimals), meets that limit at t = 2 / (2 + pi) =
// 0.38898 (where v t = 1: v = 2.57080, (1 - e) v = (1 - e) / t) and follows it beyond.
TEST(ClayTable, TheSteepClassFallsFromTheClass025ToTheSlidingLimit) {
  const auto table = read_clay_coefficient_table(std::filesystem::path(QVT_BIN_DIR) / "KS_AB.CSV");
  ASSERT_TRUE(table);
  EXPECT_NEAR(bearing::clay_sliding_inclination(), 0.38898, 0.00001);
  for (int j = 1; j <= 4; ++j) {
    for (int k = 1; k <= 10; ++k) {
      const double e = table->eccentricity_axis[j - 1], kappa = table->strength_axis[k - 1];
      SCOPED_TRACE(::testing::Message() << e << " " << kappa);
      double before = table->coef_a[j][5][k] + table->coef_b[j][5][k];
      EXPECT_EQ(bearing::clay_factor(e, 0.25, kappa).nc, before);
      for (int step = 251; step <= 2000; ++step) {
        const double t = step / 1000.0;
        const bearing::ClayFactor f = bearing::clay_factor(e, t, kappa);
        EXPECT_LE(f.nc, before + 1e-12) << t;
        EXPECT_LE(f.nc, (1 - e) / t + 0.01) << t;
        EXPECT_EQ(f.sliding, t > 0.38898) << t;
        if (f.sliding) {
          // The limit cut to two decimals: never above it, less than a step below.
          EXPECT_LE(f.nc, (1 - e) / t + 1e-9) << t;
          EXPECT_GT(f.nc, (1 - e) / t - 0.01) << t;
          EXPECT_NEAR(f.nc * 100.0, std::round(f.nc * 100.0), 1e-9) << t;
        }
        before = f.nc;
      }
    }
  }
}

}  // namespace
}  // namespace qvt::results
