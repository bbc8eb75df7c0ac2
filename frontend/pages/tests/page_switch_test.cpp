#include "frontend/pages/page_switch.h"

#include "frontend/pages/dimension_line_page.h"
#include "frontend/pages/tests/page_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace qvt::pages {
namespace {

using testing::RecordingEffects;

// Everything the switch does, in order, as one log.
struct Log {
  std::vector<std::string> lines;
  void add(const std::string& s) { lines.push_back(s); }
};

class RecordingPage : public InputPage {
 public:
  RecordingPage(Log& log, int k, const section::EditorState& ed) : log_(log), k_(k), ed_(ed) {}
  void load() override { log_.add("load " + std::to_string(k_) + " ed " + std::to_string(static_cast<int>(ed_.block_step))); }
  void store() override { log_.add("store " + std::to_string(k_)); }
  void arrive() override { log_.add("arrive " + std::to_string(k_)); }

 private:
  Log& log_;
  int k_;
  const section::EditorState& ed_;
};

class RecordingHost : public PageSwitchHost {
 public:
  explicit RecordingHost(Log& log) : log_(log) { shown[0] = enabled[0] = true; }
  std::array<bool, kCategoryCount> shown{}, enabled{};
  bool picture = false;

  bool tab_shown(int k) const override { return shown[k]; }
  void set_tab_shown(int k, bool s) override { shown[k] = s; }
  void set_tab_enabled(int k, bool e) override { enabled[k] = e; }
  void disable_inner_frames() override { log_.add("frames off"); }
  void enable_selected_inner_frame() override { log_.add("frame on"); }
  void set_picture_shown(bool s) override { picture = s; }

 private:
  Log& log_;
};

class PageSwitchTest : public ::testing::Test {
 protected:
  PageSwitchTest() {
    for (int k : {0, 1, 2, 3, 4, 6}) {
      pages[k] = std::make_unique<RecordingPage>(log, k, editor);
      sw.set_page(k, pages[k].get());
    }
    sw.set_page(5, &dimension);
  }
  Log log;
  RecordingHost host{log};
  RecordingEffects fx;
  section::EditorState editor;
  DimensionLinePage dimension{fx};
  std::array<std::unique_ptr<RecordingPage>, kCategoryCount> pages;
  PageSwitch sw{host, fx, editor};

  // Exactly the one tab of tab_no is shown and enabled.
  void expect_only(int k) {
    EXPECT_EQ(sw.tab_no(), k);
    for (int i = 0; i < kCategoryCount; ++i) {
      EXPECT_EQ(host.shown[i], i == k) << i;
      EXPECT_EQ(host.enabled[i], i == k) << i;
    }
    EXPECT_EQ(host.picture, k != 0);
  }
};

TEST_F(PageSwitchTest, StoresTheCategoryLeftThenLoadsTheOneChosen) {
  sw.choose_category(3);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"store 0", "frames off", "load 3 ed 0", "arrive 3"}));
  expect_only(3);
  EXPECT_EQ(fx.repaints, 1);
  log.lines.clear();
  sw.choose_category(0);
  EXPECT_EQ(log.lines,
            (std::vector<std::string>{"store 3", "frames off", "load 0 ed 0", "frame on", "arrive 0"}));
  expect_only(0);
}

TEST_F(PageSwitchTest, EditorModeIsResetAfterTheSuperstructureLoadAndBeforeTheImprovedBody) {
  editor.block_step = section::BlockEditStep::move;
  sw.choose_category(1);
  EXPECT_EQ(log.lines[2], "load 1 ed 4");
  EXPECT_EQ(editor.block_step, section::BlockEditStep::idle);
  editor.block_step = section::BlockEditStep::move;
  log.lines.clear();
  sw.choose_category(2);
  EXPECT_EQ(log.lines[2], "load 2 ed 0");
  editor.block_step = section::BlockEditStep::edit;  // other categories leave it
  sw.choose_category(4);
  EXPECT_EQ(editor.block_step, section::BlockEditStep::edit);
}

TEST_F(PageSwitchTest, DimensionLinesStoreAndLoadNothingAndPickTheUpperRegisterMode) {
  sw.choose_category(5);
  EXPECT_EQ(dimension.mode(), 0);
  expect_only(5);
  log.lines.clear();
  sw.choose_category(6);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"frames off", "load 6 ed 0", "arrive 6"}));
  // A lower-list mode is replaced on the next arrival; the upper release mode stays.
  const std::pair<int, int> cases[] = {{2, 0}, {3, 0}, {1, 1}, {0, 0}};
  for (const auto& [chosen, after] : cases) {
    sw.choose_category(5);
    dimension.choose_mode(chosen);
    sw.choose_category(4);
    sw.choose_category(5);
    EXPECT_EQ(dimension.mode(), after) << chosen;
  }
  // Choosing a mode by the switch writes no hint (the page changes only clear the line); focus
  // shows the hint.
  for (const std::string& written : fx.status) EXPECT_EQ(written, "");
  dimension.mode_button_focused(kLowerRegister);
  EXPECT_EQ(fx.status.back(), "ブロック分割図の下部に表示する寸法線の変化点を登録してください。");
}

TEST_F(PageSwitchTest, ChoosingTheCategoryShownStoresAndLoadsItAgain) {
  sw.choose_category(2);
  log.lines.clear();
  sw.choose_category(2);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"store 2", "frames off", "load 2 ed 0", "arrive 2"}));
  expect_only(2);
}

// A prompt belongs to its page: the line is cleared when another category is chosen, before
// the new one loads, and left when the category shown is chosen again.
TEST_F(PageSwitchTest, ChoosingAnotherCategoryClearsThePrompt) {
  struct Step {
    int category;
    std::size_t clears;  // writes of the empty text so far
  } steps[] = {{1, 1}, {1, 1}, {2, 2}, {5, 3}, {6, 4}, {6, 4}, {0, 5}};
  for (const Step& s : steps) {
    sw.choose_category(s.category);
    EXPECT_EQ(fx.status, std::vector<std::string>(s.clears, "")) << s.category;
  }
  sw.choose_category(9);  // ignored
  EXPECT_EQ(fx.status.size(), 5u);
}

TEST_F(PageSwitchTest, AHiddenTabIsNotStored) {
  // The commands that replace the project hide the tab shown and set tab_no to 0 first.
  sw.choose_category(4);
  host.shown[4] = false;
  host.enabled[4] = false;
  sw.set_tab_no(0);
  log.lines.clear();
  sw.choose_category(0);
  EXPECT_EQ(log.lines.front(), "frames off");
  expect_only(0);
}

TEST_F(PageSwitchTest, IndexesOutsideTheCategoriesAreIgnored) {
  sw.choose_category(7);
  sw.choose_category(-1);
  EXPECT_TRUE(log.lines.empty());
  expect_only(0);
}

}  // namespace
}  // namespace qvt::pages
