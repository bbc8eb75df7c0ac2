#include "frontend/dialogs/options_dialog.h"

#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qvt::dialogs {
namespace {

using model::testing::Recorder;
using enum OptionBox;

// The shipped options with one line replaced; line 14 dropped for `lines` = 13.
std::string options_file(int replace_line = 0, const std::string& value = "", int lines = 14) {
  std::vector<std::string> l = {"15", "45,45", "0.5", "0.5", "100", "0", "0",
                                "0",  "0",     "0",   "0",   "0.5", "0", "0"};
  if (replace_line > 0) l[replace_line - 1] = value;
  l.resize(lines);
  return join_crlf(l);
}

class OptionsDialogTest : public ::testing::Test {
 protected:
  OptionsDialogTest() { options.wall_friction_angle = 99; }  // the model's values before the dialog

  void write(const std::string& bytes) { ASSERT_TRUE(write_file_bytes(file(), bytes)); }
  std::filesystem::path file() const { return dir / "QVT_DAT.CST"; }
  std::vector<std::string> lines() const { return *read_lines(file()); }
  OptionsDialog& open() {
    dialog = std::make_unique<OptionsDialog>(dir.path(), options, rec, [this] { ++manual_opened; });
    dialog->load();
    return *dialog;
  }

  qvt::testing::TempDir dir;
  model::CustomOptions options;
  Recorder rec;
  int manual_opened = 0;
  std::unique_ptr<OptionsDialog> dialog;
};

TEST_F(OptionsDialogTest, ShowsTheFileAndOkWritesItBackAndIntoTheModel) {
  write(options_file());
  OptionsDialog& f = open();
  EXPECT_TRUE(rec.messages.empty());
  const OptionsDialogState& s = f.state();
  EXPECT_EQ(s.box(WallFrictionAngle), "15.000");
  EXPECT_EQ(s.box(CollapseAngleNormal), "45.000");
  EXPECT_EQ(s.box(CollapseAngleNegativeRoot), "45.000");
  EXPECT_EQ(s.box(ConsolidationKc), "0.500");
  EXPECT_EQ(s.box(AtRestK0), "0.500");
  EXPECT_EQ(s.box(SurfaceDummyLength), "100.000");
  EXPECT_EQ(s.box(PulloutPitch), "0.500");
  EXPECT_EQ(s.negative_root_rule, 0);
  EXPECT_EQ(s.toe_confinement_rule, 0);
  EXPECT_EQ(s.surcharge_method, 0);
  EXPECT_TRUE(s.backfill_vertical);
  EXPECT_TRUE(s.passive_vertical);
  EXPECT_TRUE(s.passive_vertical_enabled);
  EXPECT_EQ(options.wall_friction_angle, 99);  // opening alone changes nothing

  OptionsDialogState& e = f.edit();
  e.box(WallFrictionAngle) = "20";
  e.negative_root_rule = 3;
  e.surcharge_method = 2;
  e.seismic_rounding = 1;
  e.residual_water_rule = 1;
  e.front_water_rule = 1;
  EXPECT_EQ(f.ok(), OptionsDialogClose::Close);
  EXPECT_EQ(lines(), (std::vector<std::string>{"20", "45,45", "0.5", "0.5", "100", "3", "0", "2",
                                               "1", "1", "1", "0.5", "0", "0"}));
  EXPECT_EQ(options.wall_friction_angle, 20);
  EXPECT_EQ(options.negative_root_rule, 3);
  EXPECT_EQ(options.surcharge_method, 2);
  EXPECT_EQ(options.front_water_rule, 1);
  EXPECT_EQ(*read_file_bytes(file()).value().rbegin(), '\n');
}

TEST_F(OptionsDialogTest, ThirteenLinesShowThePassiveVerticalClearedAndOkWritesFourteen) {
  write(options_file(0, "", 13));
  OptionsDialog& f = open();
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_TRUE(f.state().backfill_vertical);
  EXPECT_FALSE(f.state().passive_vertical);
  EXPECT_EQ(f.ok(), OptionsDialogClose::Close);
  const auto l = lines();
  ASSERT_EQ(l.size(), 14u);
  EXPECT_EQ(l[13], "1");
}

TEST_F(OptionsDialogTest, ClearingTheBackfillVerticalDisablesThePassiveOneAndKeepsItsMark) {
  write(options_file());
  OptionsDialog& f = open();
  f.edit().backfill_vertical = false;
  f.toggle_backfill_vertical();
  EXPECT_FALSE(f.state().passive_vertical_enabled);
  EXPECT_TRUE(f.state().passive_vertical);
  EXPECT_EQ(f.ok(), OptionsDialogClose::Close);
  EXPECT_EQ(lines()[12], "1");
  EXPECT_EQ(lines()[13], "0");  // as the disabled box shows
  EXPECT_EQ(options.passive_vertical_ignored, 0);

  // Checking it again enables the box.
  OptionsDialog& g = open();
  EXPECT_FALSE(g.state().backfill_vertical);
  EXPECT_FALSE(g.state().passive_vertical_enabled);
  g.edit().backfill_vertical = true;
  g.toggle_backfill_vertical();
  EXPECT_TRUE(g.state().passive_vertical_enabled);
}

// A code outside its group is no option the dialog knows: the file is refused with its
// message, and the dialog shows what was read before the line (0 after it).
TEST_F(OptionsDialogTest, CodesOutsideTheirGroupRefuseTheFile) {
  for (auto [line, code] : {std::pair{7, "5"}, {6, "7"}, {8, "-1"}, {9, "4"}, {14, "2"}}) {
    rec.messages.clear();
    write(options_file(line, code));
    OptionsDialog& f = open();
    ASSERT_EQ(rec.messages.size(), 1u) << line;
    EXPECT_EQ(rec.messages[0].text, kMsgOptionsUnreadable) << line;
    EXPECT_TRUE(f.load_failed()) << line;
    EXPECT_EQ(f.state().box(WallFrictionAngle), "15.000") << line;
    EXPECT_EQ(f.state().toe_confinement_rule, 0) << line;
  }
}

// OK refuses a box whose value its option cannot take, names the box and its range, and
// writes nothing; the values at the ends of the ranges go through.
TEST_F(OptionsDialogTest, OkRefusesAValueOutsideItsRange) {
  const std::string bytes = options_file();
  write(bytes);
  struct Case {
    OptionBox box;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {AtRestK0, "1000000", "静止土圧係数 K0 は 0～2 の範囲で入力してください。"},
      {AtRestK0, "-0.1", "静止土圧係数 K0 は 0～2 の範囲で入力してください。"},
      {ConsolidationKc, "2.5", "圧密平衡係数 Kc は 0～2 の範囲で入力してください。"},
      {WallFrictionAngle, "91", "壁面摩擦角 δ(度) は 0～90 の範囲で入力してください。"},
      {CollapseAngleNormal, "-5", "粘性土崩壊角 ζ(度) 常時 は 0～90 の範囲で入力してください。"},
      {CollapseAngleNegativeRoot, "95", "粘性土崩壊角 ζ(度) 地震時 は 0～90 の範囲で入力してください。"},
      {SurfaceDummyLength, "-1", "地表面形状ダミー長さ（ｍ） は 0～100000 の範囲で入力してください。"},
      {PulloutPitch, "1e308", "抜け出しの検討ピッチ（ｍ） は 0.001～100000 の範囲で入力してください。"},
      // A pitch of 0 takes no pull-out steps: the check would vanish in silence.
      {PulloutPitch, "0", "抜け出しの検討ピッチ（ｍ） は 0.001～100000 の範囲で入力してください。"},
  };
  for (const Case& c : cases) {
    rec.messages.clear();
    OptionsDialog& f = open();
    f.edit().box(c.box) = c.typed;
    EXPECT_EQ(f.ok(), OptionsDialogClose::Stay) << c.typed;
    ASSERT_EQ(rec.messages.size(), 1u) << c.typed;
    EXPECT_EQ(rec.messages[0].text, c.message);
    EXPECT_EQ(rec.messages[0].icon, model::MessageIcon::Exclamation);
    EXPECT_EQ(*read_file_bytes(file()), bytes) << c.typed;
    EXPECT_EQ(options.wall_friction_angle, 99) << c.typed;
  }
  rec.messages.clear();
  OptionsDialog& f = open();
  f.edit().box(AtRestK0) = "2";
  f.edit().box(WallFrictionAngle) = "90";
  f.edit().box(PulloutPitch) = "0.001";
  EXPECT_EQ(f.ok(), OptionsDialogClose::Close);
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_EQ(lines()[3], "2");
  EXPECT_EQ(options.wall_friction_angle, 90);
}

TEST_F(OptionsDialogTest, BoxesShowTheirNumberWithThreeDecimalsAndHints) {
  write(options_file());
  OptionsDialog& f = open();
  struct Case {
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {{"1.5", "1.500"}, {"abc", "0.000"}, {" 2.0005x", "2.001"},
                        {"", "0.000"},    {"-.25", "-0.250"}};
  for (const Case& c : cases) {
    f.edit().box(ConsolidationKc) = c.typed;
    f.enter_box(ConsolidationKc);
    f.leave_box(ConsolidationKc);
    EXPECT_EQ(f.state().box(ConsolidationKc), c.shown) << c.typed;
  }
  f.enter_box(CollapseAngleNormal);
  EXPECT_EQ(f.state().status_text, kHintCollapseNormal);
  f.leave_box(CollapseAngleNormal);
  EXPECT_EQ(f.state().status_text, "");
  f.enter_box(CollapseAngleNegativeRoot);
  EXPECT_EQ(f.state().status_text, kHintCollapseNegativeRoot);
  f.leave_box(CollapseAngleNegativeRoot);
  f.enter_box(WallFrictionAngle);
  EXPECT_EQ(f.state().status_text, "");

  // OK takes a box's number as the lost-focus handler would, also without a focus change (Kc
  // back within its range first).
  f.edit().box(ConsolidationKc) = "0.25";
  f.edit().box(AtRestK0) = "abc";
  f.edit().box(SurfaceDummyLength) = "12.25m";
  EXPECT_EQ(f.ok(), OptionsDialogClose::Close);
  EXPECT_EQ(lines()[3], "0");
  EXPECT_EQ(lines()[4], "12.25");
}

TEST_F(OptionsDialogTest, CancelAndHelpLeaveTheFileAndTheOptions) {
  // A file of 13 lines in another digit form: nothing may rewrite it.
  const std::string bytes = options_file(3, ".50", 13);
  write(bytes);
  OptionsDialog& f = open();
  f.edit().box(WallFrictionAngle) = "30";
  f.edit().surcharge_method = 1;
  EXPECT_EQ(f.help(), OptionsDialogClose::Stay);
  EXPECT_EQ(manual_opened, 1);
  EXPECT_EQ(f.state().box(WallFrictionAngle), "30");  // the edits stay
  EXPECT_EQ(*read_file_bytes(file()), bytes);
  EXPECT_EQ(f.cancel(), OptionsDialogClose::Close);
  EXPECT_EQ(*read_file_bytes(file()), bytes);
  EXPECT_EQ(options.wall_friction_angle, 99);
  EXPECT_EQ(options.surcharge_method, 0);
  EXPECT_TRUE(rec.messages.empty());
}

TEST_F(OptionsDialogTest, MissingFileSaysSoAndCancelWritesNothing) {
  OptionsDialog& f = open();
  ASSERT_EQ(rec.messages.size(), 1u);
  EXPECT_EQ(rec.messages[0].text, kMsgOptionsUnreadable);
  EXPECT_EQ(rec.messages[0].icon, model::MessageIcon::Exclamation);
  EXPECT_EQ(rec.messages[0].title, "Tervane");
  EXPECT_TRUE(f.load_failed());
  EXPECT_EQ(f.state().box(WallFrictionAngle), "0.000");
  EXPECT_EQ(f.cancel(), OptionsDialogClose::Close);
  EXPECT_FALSE(std::filesystem::exists(file()));
  EXPECT_EQ(options.wall_friction_angle, 99);
}

TEST_F(OptionsDialogTest, AFailedReadShowsWhatWasReadAndOkWritesWhatIsShown) {
  // Line 4 is not a number: lines 1 to 3 were read, the rest shows 0.
  write(options_file(4, "x"));
  OptionsDialog& f = open();
  ASSERT_EQ(rec.messages.size(), 1u);
  EXPECT_EQ(f.state().box(WallFrictionAngle), "15.000");
  EXPECT_EQ(f.state().box(ConsolidationKc), "0.500");
  EXPECT_EQ(f.state().box(AtRestK0), "0.000");
  EXPECT_EQ(f.state().box(SurfaceDummyLength), "0.000");
  EXPECT_EQ(options.wall_friction_angle, 99);
  // The pull-out pitch shows 0, which no pitch can be: OK refuses it until a pitch is typed.
  EXPECT_EQ(f.ok(), OptionsDialogClose::Stay);
  EXPECT_EQ(*read_file_bytes(file()), options_file(4, "x"));
  f.edit().box(PulloutPitch) = "0.5";
  EXPECT_EQ(f.ok(), OptionsDialogClose::Close);
  EXPECT_EQ(lines(), (std::vector<std::string>{"15", "45,45", "0.5", "0", "0", "0", "0", "0", "0",
                                               "0", "0", "0.5", "0", "0"}));
  EXPECT_EQ(options.wall_friction_angle, 15);
}

TEST_F(OptionsDialogTest, AFailedWriteKeepsTheOldFileAndTheOptionsAndStaysOpen) {
  const std::string bytes = options_file();
  write(bytes);
  OptionsDialog& f = open();
  f.edit().box(WallFrictionAngle) = "22.5";
  {
    model::testing::FileSizeLimit limit(8);
    EXPECT_EQ(f.ok(), OptionsDialogClose::Stay);
  }
  ASSERT_EQ(rec.messages.size(), 1u);
  EXPECT_EQ(rec.messages[0].text, kMsgOptionsUnwritable);
  EXPECT_EQ(rec.messages[0].icon, model::MessageIcon::Exclamation);
  EXPECT_EQ(*read_file_bytes(file()), bytes);
  EXPECT_EQ(options.wall_friction_angle, 99);
  EXPECT_EQ(f.state().box(WallFrictionAngle), "22.5");
  // Once the disk takes it again, OK goes through.
  EXPECT_EQ(f.ok(), OptionsDialogClose::Close);
  EXPECT_EQ(lines()[0], "22.5");
  EXPECT_EQ(options.wall_friction_angle, 22.5);
}

}  // namespace
}  // namespace qvt::dialogs
