#include "frontend/dialogs/form3.h"

#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qvt::dialogs {
namespace {

using model::testing::Recorder;

// The shipped options with one line replaced; line 14 dropped for `lines` = 13.
std::string options_file(int replace_line = 0, const std::string& value = "", int lines = 14) {
  std::vector<std::string> l = {"15", "45,45", "0.5", "0.5", "100", "0", "0",
                                "0",  "0",     "0",   "0",   "0.5", "0", "0"};
  if (replace_line > 0) l[replace_line - 1] = value;
  l.resize(lines);
  return join_crlf(l);
}

class Form3Test : public ::testing::Test {
 protected:
  Form3Test() { options.wall_friction_angle = 99; }  // the model's values before the dialog

  void write(const std::string& bytes) { ASSERT_TRUE(write_file_bytes(file(), bytes)); }
  std::filesystem::path file() const { return dir / "QVT_DAT.CST"; }
  std::vector<std::string> lines() const { return *read_lines(file()); }
  Form3& open() {
    form = std::make_unique<Form3>(dir.path(), options, rec, [this] { ++manual_opened; });
    form->Form_Load();
    return *form;
  }

  qvt::testing::TempDir dir;
  model::CustomOptions options;
  Recorder rec;
  int manual_opened = 0;
  std::unique_ptr<Form3> form;
};

TEST_F(Form3Test, ShowsTheFileAndOkWritesItBackAndIntoTheModel) {
  write(options_file());
  Form3& f = open();
  EXPECT_TRUE(rec.messages.empty());
  const Form3State& s = f.state();
  EXPECT_EQ(s.txt_gm1[2], "15.000");
  EXPECT_EQ(s.txt_gm1[3], "45.000");
  EXPECT_EQ(s.txt_gm1[4], "45.000");
  EXPECT_EQ(s.txt_gm1[6], "0.500");
  EXPECT_EQ(s.txt_gm1[7], "0.500");
  EXPECT_EQ(s.txt_gm1[0], "100.000");
  EXPECT_EQ(s.txt_gm1[1], "0.500");
  EXPECT_EQ(s.txt_gm1[5], "");
  EXPECT_EQ(s.Frame1, 0);
  EXPECT_EQ(s.Frame2, 0);
  EXPECT_EQ(s.Frame8, 0);
  EXPECT_TRUE(s.Check3);
  EXPECT_TRUE(s.Check4);
  EXPECT_TRUE(s.Check4_enabled);
  EXPECT_EQ(options.wall_friction_angle, 99);  // opening alone changes nothing

  Form3State& e = f.edit();
  e.txt_gm1[2] = "20";
  e.Frame1 = 3;
  e.Frame8 = 2;
  e.fra_ogm3_1 = 1;
  e.fra_ogm1_2 = 1;
  e.fra_ogm1_3 = 1;
  EXPECT_EQ(f.cmd_ogm_Click(0), Form3Close::Close);
  EXPECT_EQ(lines(), (std::vector<std::string>{"20", "45,45", "0.5", "0.5", "100", "3", "0", "2",
                                               "1", "1", "1", "0.5", "0", "0"}));
  EXPECT_EQ(options.wall_friction_angle, 20);
  EXPECT_EQ(options.negative_root_rule, 3);
  EXPECT_EQ(options.surcharge_method, 2);
  EXPECT_EQ(options.front_water_rule, 1);
  EXPECT_EQ(*read_file_bytes(file()).value().rbegin(), '\n');
}

TEST_F(Form3Test, ThirteenLinesShowCheck4ClearedAndOkWritesFourteen) {
  write(options_file(0, "", 13));
  Form3& f = open();
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_TRUE(f.state().Check3);
  EXPECT_FALSE(f.state().Check4);
  EXPECT_EQ(f.cmd_ogm_Click(0), Form3Close::Close);
  const auto l = lines();
  ASSERT_EQ(l.size(), 14u);
  EXPECT_EQ(l[13], "1");
}

TEST_F(Form3Test, ClearingCheck3DisablesCheck4AndKeepsItsMark) {
  write(options_file());
  Form3& f = open();
  f.edit().Check3 = false;
  f.Check3_Click();
  EXPECT_FALSE(f.state().Check4_enabled);
  EXPECT_TRUE(f.state().Check4);
  EXPECT_EQ(f.cmd_ogm_Click(0), Form3Close::Close);
  EXPECT_EQ(lines()[12], "1");
  EXPECT_EQ(lines()[13], "0");  // as the disabled box shows
  EXPECT_EQ(options.passive_vertical_ignored, 0);

  // Checking it again enables the box.
  Form3& g = open();
  EXPECT_FALSE(g.state().Check3);
  EXPECT_FALSE(g.state().Check4_enabled);
  g.edit().Check3 = true;
  g.Check3_Click();
  EXPECT_TRUE(g.state().Check4_enabled);
}

// A code outside its group is no option the dialog knows: the file is refused with its
// message, and the dialog shows what was read before the line (0 after it).
TEST_F(Form3Test, CodesOutsideTheirGroupRefuseTheFile) {
  for (auto [line, code] : {std::pair{7, "5"}, {6, "7"}, {8, "-1"}, {9, "4"}, {14, "2"}}) {
    rec.messages.clear();
    write(options_file(line, code));
    Form3& f = open();
    ASSERT_EQ(rec.messages.size(), 1u) << line;
    EXPECT_EQ(rec.messages[0].text, kMsgOptionsUnreadable) << line;
    EXPECT_TRUE(f.load_failed()) << line;
    EXPECT_EQ(f.state().txt_gm1[2], "15.000") << line;
    EXPECT_EQ(f.state().Frame2, 0) << line;
  }
}

// OK refuses a box whose value its option cannot take, names the box and its range, and
// writes nothing; the values at the ends of the ranges go through.
TEST_F(Form3Test, OkRefusesAValueOutsideItsRange) {
  const std::string bytes = options_file();
  write(bytes);
  struct Case {
    int box;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {7, "1000000", "静止土圧係数 K0 は 0～2 の範囲で入力してください。"},
      {7, "-0.1", "静止土圧係数 K0 は 0～2 の範囲で入力してください。"},
      {6, "2.5", "圧密平衡係数 Kc は 0～2 の範囲で入力してください。"},
      {2, "91", "壁面摩擦角 δ(度) は 0～90 の範囲で入力してください。"},
      {3, "-5", "粘性土崩壊角 ζ(度) 常時 は 0～90 の範囲で入力してください。"},
      {4, "95", "粘性土崩壊角 ζ(度) 地震時 は 0～90 の範囲で入力してください。"},
      {0, "-1", "地表面形状ダミー長さ（ｍ） は 0～100000 の範囲で入力してください。"},
      {1, "1e308", "抜け出しの検討ピッチ（ｍ） は 0.001～100000 の範囲で入力してください。"},
      // A pitch of 0 takes no pull-out steps: the check would vanish in silence.
      {1, "0", "抜け出しの検討ピッチ（ｍ） は 0.001～100000 の範囲で入力してください。"},
  };
  for (const Case& c : cases) {
    rec.messages.clear();
    Form3& f = open();
    f.edit().txt_gm1[c.box] = c.typed;
    EXPECT_EQ(f.cmd_ogm_Click(0), Form3Close::Stay) << c.typed;
    ASSERT_EQ(rec.messages.size(), 1u) << c.typed;
    EXPECT_EQ(rec.messages[0].text, c.message);
    EXPECT_EQ(rec.messages[0].icon, model::MessageIcon::Exclamation);
    EXPECT_EQ(*read_file_bytes(file()), bytes) << c.typed;
    EXPECT_EQ(options.wall_friction_angle, 99) << c.typed;
  }
  rec.messages.clear();
  Form3& f = open();
  f.edit().txt_gm1[7] = "2";
  f.edit().txt_gm1[2] = "90";
  f.edit().txt_gm1[1] = "0.001";
  EXPECT_EQ(f.cmd_ogm_Click(0), Form3Close::Close);
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_EQ(lines()[3], "2");
  EXPECT_EQ(options.wall_friction_angle, 90);
}

TEST_F(Form3Test, BoxesShowTheirNumberWithThreeDecimalsAndHints) {
  write(options_file());
  Form3& f = open();
  struct Case {
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {{"1.5", "1.500"}, {"abc", "0.000"}, {" 2.0005x", "2.001"},
                        {"", "0.000"},    {"-.25", "-0.250"}};
  for (const Case& c : cases) {
    f.edit().txt_gm1[6] = c.typed;
    f.txt_gm1_GotFocus(6);
    f.txt_gm1_LostFocus(6);
    EXPECT_EQ(f.state().txt_gm1[6], c.shown) << c.typed;
  }
  f.txt_gm1_GotFocus(3);
  EXPECT_EQ(f.state().status_text, kHintCollapseNormal);
  f.txt_gm1_LostFocus(3);
  EXPECT_EQ(f.state().status_text, "");
  f.txt_gm1_GotFocus(4);
  EXPECT_EQ(f.state().status_text, kHintCollapseNegativeRoot);
  f.txt_gm1_LostFocus(4);
  f.txt_gm1_GotFocus(2);
  EXPECT_EQ(f.state().status_text, "");

  // OK takes a box's number as the lost-focus handler would, also without a focus change (Kc
  // back within its range first).
  f.edit().txt_gm1[6] = "0.25";
  f.edit().txt_gm1[7] = "abc";
  f.edit().txt_gm1[0] = "12.25m";
  EXPECT_EQ(f.cmd_ogm_Click(0), Form3Close::Close);
  EXPECT_EQ(lines()[3], "0");
  EXPECT_EQ(lines()[4], "12.25");
}

TEST_F(Form3Test, CancelAndHelpLeaveTheFileAndTheOptions) {
  // A file of 13 lines in another digit form: nothing may rewrite it.
  const std::string bytes = options_file(3, ".50", 13);
  write(bytes);
  Form3& f = open();
  f.edit().txt_gm1[2] = "30";
  f.edit().Frame8 = 1;
  EXPECT_EQ(f.cmd_ogm_Click(2), Form3Close::Stay);
  EXPECT_EQ(manual_opened, 1);
  EXPECT_EQ(f.state().txt_gm1[2], "30");  // the edits stay
  EXPECT_EQ(*read_file_bytes(file()), bytes);
  EXPECT_EQ(f.cmd_ogm_Click(1), Form3Close::Close);
  EXPECT_EQ(*read_file_bytes(file()), bytes);
  EXPECT_EQ(options.wall_friction_angle, 99);
  EXPECT_EQ(options.surcharge_method, 0);
  EXPECT_TRUE(rec.messages.empty());
}

TEST_F(Form3Test, MissingFileSaysSoAndCancelWritesNothing) {
  Form3& f = open();
  ASSERT_EQ(rec.messages.size(), 1u);
  EXPECT_EQ(rec.messages[0].text, kMsgOptionsUnreadable);
  EXPECT_EQ(rec.messages[0].icon, model::MessageIcon::Exclamation);
  EXPECT_EQ(rec.messages[0].title, "Tervane");
  EXPECT_TRUE(f.load_failed());
  EXPECT_EQ(f.state().txt_gm1[2], "0.000");
  EXPECT_EQ(f.cmd_ogm_Click(1), Form3Close::Close);
  EXPECT_FALSE(std::filesystem::exists(file()));
  EXPECT_EQ(options.wall_friction_angle, 99);
}

TEST_F(Form3Test, AFailedReadShowsWhatWasReadAndOkWritesWhatIsShown) {
  // Line 4 is not a number: lines 1 to 3 were read, the rest shows 0.
  write(options_file(4, "x"));
  Form3& f = open();
  ASSERT_EQ(rec.messages.size(), 1u);
  EXPECT_EQ(f.state().txt_gm1[2], "15.000");
  EXPECT_EQ(f.state().txt_gm1[6], "0.500");
  EXPECT_EQ(f.state().txt_gm1[7], "0.000");
  EXPECT_EQ(f.state().txt_gm1[0], "0.000");
  EXPECT_EQ(options.wall_friction_angle, 99);
  // The pull-out pitch shows 0, which no pitch can be: OK refuses it until a pitch is typed.
  EXPECT_EQ(f.cmd_ogm_Click(0), Form3Close::Stay);
  EXPECT_EQ(*read_file_bytes(file()), options_file(4, "x"));
  f.edit().txt_gm1[1] = "0.5";
  EXPECT_EQ(f.cmd_ogm_Click(0), Form3Close::Close);
  EXPECT_EQ(lines(), (std::vector<std::string>{"15", "45,45", "0.5", "0", "0", "0", "0", "0", "0",
                                               "0", "0", "0.5", "0", "0"}));
  EXPECT_EQ(options.wall_friction_angle, 15);
}

TEST_F(Form3Test, AFailedWriteKeepsTheOldFileAndTheOptionsAndStaysOpen) {
  const std::string bytes = options_file();
  write(bytes);
  Form3& f = open();
  f.edit().txt_gm1[2] = "22.5";
  {
    model::testing::FileSizeLimit limit(8);
    EXPECT_EQ(f.cmd_ogm_Click(0), Form3Close::Stay);
  }
  ASSERT_EQ(rec.messages.size(), 1u);
  EXPECT_EQ(rec.messages[0].text, kMsgOptionsUnwritable);
  EXPECT_EQ(rec.messages[0].icon, model::MessageIcon::Exclamation);
  EXPECT_EQ(*read_file_bytes(file()), bytes);
  EXPECT_EQ(options.wall_friction_angle, 99);
  EXPECT_EQ(f.state().txt_gm1[2], "22.5");
  // Once the disk takes it again, OK goes through.
  EXPECT_EQ(f.cmd_ogm_Click(0), Form3Close::Close);
  EXPECT_EQ(lines()[0], "22.5");
  EXPECT_EQ(options.wall_friction_angle, 22.5);
}

}  // namespace
}  // namespace qvt::dialogs
