#include "frontend/pages/bearing_layer_page.h"

#include "common/tests/temp_dir.h"
#include "frontend/model/project_files.h"
#include "frontend/pages/tests/page_test_support.h"

#include <gtest/gtest.h>

namespace qvt::pages {
namespace {

using testing::RecordingEffects;

const std::filesystem::path kData = std::filesystem::path(QVT_SOURCE_DIR) / "data";

class BearingLayerPageTest : public ::testing::Test {
 protected:
  BearingLayerPageTest() { model.install_folder = kData; }
  const std::string& box(int b) const { return page.state().boxes[b].text; }
  const std::string& proposal(int i) const { return page.state().proposal[i]; }

  model::ProjectModel model;
  RecordingEffects effects;
  bool wall = false;
  BearingLayerPage page{model, effects, [this] { return wall; }};
};

struct ProposalCase {
  int formula;
  const char* mean_n;
  const char* phi_proposal;
};

class PhiProposal : public BearingLayerPageTest, public ::testing::WithParamInterface<ProposalCase> {};

// √(12·25) + 15 = 32.32 → 32.30; √(12·10) + 15 = 25.95 → 26.00; √(20·25) + 15 = 37.36 → 37.40;
// N 0 gives the constant of the formula; "入力値を使用" proposes nothing.
TEST_P(PhiProposal, ShowsTheRoundedAngleWithATrailingZero) {
  const ProposalCase c = GetParam();
  page.select_formula(c.formula);
  page.text_edited(kMeanNBox, c.mean_n);
  EXPECT_EQ(proposal(kPhiProposal), c.phi_proposal);
}

INSTANTIATE_TEST_SUITE_P(Cases, PhiProposal,
                         ::testing::Values(ProposalCase{0, "25", "32.30"},
                                           ProposalCase{0, "10", "26.00"},
                                           ProposalCase{3, "25", "37.40"},
                                           ProposalCase{0, "0", "15.00"},
                                           ProposalCase{1, "0", "20.00"},
                                           ProposalCase{2, "0", "25.00"},
                                           ProposalCase{4, "15", "30.00"},
                                           ProposalCase{5, "25", "0.00"}));

TEST_F(BearingLayerPageTest, NegativePhiTakesTheProposalAndTheFactorsOfItsKey) {
  // With no formula chosen the proposal is 0, so the negative boxes wait.
  page.text_edited(kNrBox, "-1");
  page.text_edited(kNqBox, "-1");
  page.text_edited(kPhiBox, "-1");
  page.text_edited(kMeanNBox, "25");
  EXPECT_EQ(box(kPhiBox), "-1");
  page.select_formula(0);
  EXPECT_EQ(box(kPhiBox), "32.300");
  // Key 32 of the shipped table: 27.33 and 28.5.
  EXPECT_EQ(proposal(kNrProposal), "27.33");
  EXPECT_EQ(proposal(kNqProposal), "28.50");
  EXPECT_EQ(box(kNrBox), "27.330");
  EXPECT_EQ(box(kNqBox), "28.500");
}

TEST_F(BearingLayerPageTest, NegativeMeanNKeepsTheProposals) {
  page.select_formula(0);
  page.text_edited(kMeanNBox, "25");
  page.text_edited(kMeanNBox, "-5");
  EXPECT_EQ(proposal(kPhiProposal), "32.30");
}

TEST_F(BearingLayerPageTest, FortyDegreesAndMoreProposeTheFixedPair) {
  for (const char* phi : {"40.0", "45.7"}) {
    page.text_edited(kPhiBox, phi);
    EXPECT_EQ(proposal(kNrProposal), "114.00") << phi;
    EXPECT_EQ(proposal(kNqProposal), "80.00") << phi;
  }
  page.text_edited(kPhiBox, "39.99");
  EXPECT_EQ(proposal(kNrProposal), "97.96");
  EXPECT_EQ(proposal(kNqProposal), "70.60");
}

TEST_F(BearingLayerPageTest, AnAngleWithoutARecordFillsNothing) {
  page.text_edited(kNrBox, "-1");
  page.text_edited(kPhiBox, "-7");
  EXPECT_EQ(proposal(kNrProposal), "0.00");
  EXPECT_EQ(proposal(kNqProposal), "0.00");
  EXPECT_EQ(box(kNrBox), "-1");
}

TEST_F(BearingLayerPageTest, NegativeNrTakesItsProposalAtOnce) {
  page.text_edited(kPhiBox, "25");  // key 25 of the shipped table: Nr 8.21
  ASSERT_EQ(proposal(kNrProposal), "8.21");
  page.text_edited(kNrBox, "-1");
  EXPECT_EQ(box(kNrBox), "8.210");
}

TEST_F(BearingLayerPageTest, ArrowButtonsCopyTheCaptionEvenForTheInputFormula) {
  page.select_formula(5);
  page.text_edited(kMeanNBox, "25");
  page.text_edited(kPhiBox, "33.5");
  page.take_proposal(kPhiProposal);
  EXPECT_EQ(box(kPhiBox), "0.000");
  page.select_formula(0);  // a new formula leaves a non-negative φ box alone
  EXPECT_EQ(proposal(kPhiProposal), "32.30");
  EXPECT_EQ(box(kPhiBox), "0.000");
  page.take_proposal(kPhiProposal);
  EXPECT_EQ(box(kPhiBox), "32.300");
}

TEST_F(BearingLayerPageTest, LeavingABoxReformatsItButNotThePoBox) {
  page.text_edited(kShapeFactorBox, "1.5");
  page.lost_focus(kShapeFactorBox);
  EXPECT_EQ(box(kShapeFactorBox), "1.500");
  page.text_edited(kPoBox, "2.5");
  page.lost_focus(kPoBox);
  EXPECT_EQ(box(kPoBox), "2.5");
}

TEST_F(BearingLayerPageTest, SoilTypeSwitchesTheFrames) {
  page.choose_option(kClayeyGround);
  EXPECT_EQ(page.state().frame_visible, (std::array<bool, 5>{true, false, true, true, false}));
  page.choose_option(kSandyGround);
  EXPECT_EQ(page.state().frame_visible, (std::array<bool, 5>{true, true, false, false, true}));
}

struct CommitCase {
  int soil_option;
  const char* mean_n;
  double unit_weight;
  int mean_n_stored;
};

class BearingCommit : public BearingLayerPageTest, public ::testing::WithParamInterface<CommitCase> {};

// The unit weight comes from the box of the chosen type; the mean N rounds half to even and
// clamps to the 16-bit range.
TEST_P(BearingCommit, StoresTheBoxesOfTheChosenType) {
  const CommitCase c = GetParam();
  page.text_edited(kSandyUnitWeightBox, "9");
  page.text_edited(kClayUnitWeightBox, "8");
  page.text_edited(kMeanNBox, c.mean_n);
  page.choose_option(c.soil_option);
  page.store();
  EXPECT_EQ(model.conditions.bearing_layer.unit_weight, c.unit_weight);
  EXPECT_EQ(model.conditions.bearing_layer.mean_n, c.mean_n_stored);
  EXPECT_EQ(model.conditions.bearing_layer.soil_type, c.soil_option);
}

INSTANTIATE_TEST_SUITE_P(Cases, BearingCommit,
                         ::testing::Values(CommitCase{kClayeyGround, "20.7", 8, 21}, CommitCase{kSandyGround, "20.5", 9, 20},
                                           CommitCase{kSandyGround, "13.5", 9, 14},
                                           CommitCase{kSandyGround, "70000", 9, 32767}));

TEST_F(BearingLayerPageTest, CommitReadsTheOptionsAndAGrayedCheck) {
  page.choose_option(kFrictionInput);
  page.choose_option(kLanded);
  page.set_slope_length_width(kGrayed);
  page.store();
  const model::BearingLayer& b = model.conditions.bearing_layer;
  EXPECT_EQ(b.friction_rule, 0);
  EXPECT_EQ(b.founding_type, 0);
  EXPECT_EQ(b.slope_length_width, 1);
  EXPECT_EQ(b.phi_formula, -1);
}

// With μ=tanΦ chosen the sliding check takes tan φ of the φ box: the μ box shows that, locked,
// and follows φ; the μ typed in stays in the project as it was and comes back with "入力値".
// tan 40° = 0.83910 → 0.839; tan 30° = 0.57735 → 0.577; the proposal of N 25 by √(12N) + 15
// is φ 32.3 (√300 = 17.32 → 32.32 → 32.3), tan 32.3° = 0.63215 → 0.632.
TEST_F(BearingLayerPageTest, WithTanPhiTheFrictionBoxShowsTheMuTheCheckTakes) {
  model::BearingLayer& b = model.conditions.bearing_layer;
  b.friction_rule = 1;
  b.friction_mu = 0;
  b.phi = 40;
  page.load();
  EXPECT_EQ(box(kFrictionBox), "0.839");
  EXPECT_FALSE(page.state().boxes[kFrictionBox].enabled);
  page.text_edited(kFrictionBox, "0.7");  // a locked box takes nothing
  page.lost_focus(kFrictionBox);
  EXPECT_EQ(box(kFrictionBox), "0.839");
  page.text_edited(kPhiBox, "30");
  EXPECT_EQ(box(kFrictionBox), "0.577");
  page.text_edited(kMeanNBox, "25");
  page.text_edited(kPhiBox, "-1");  // takes the proposal of the formula
  ASSERT_EQ(box(kPhiBox), "32.300");
  EXPECT_EQ(box(kFrictionBox), "0.632");
  page.store();
  EXPECT_EQ(b.friction_rule, 1);
  EXPECT_EQ(b.friction_mu, 0);

  page.choose_option(kFrictionInput);
  EXPECT_EQ(box(kFrictionBox), "0.000");
  EXPECT_TRUE(page.state().boxes[kFrictionBox].enabled);
  page.text_edited(kFrictionBox, "0.6");
  page.lost_focus(kFrictionBox);
  page.choose_option(kFrictionTanPhi);
  EXPECT_EQ(box(kFrictionBox), "0.632");
  page.store();
  EXPECT_EQ(b.friction_rule, 1);
  EXPECT_DOUBLE_EQ(b.friction_mu, 0.6);
  page.choose_option(kFrictionInput);
  EXPECT_EQ(box(kFrictionBox), "0.600");
  page.store();
  EXPECT_EQ(b.friction_rule, 0);
  EXPECT_DOUBLE_EQ(b.friction_mu, 0.6);
}

TEST_F(BearingLayerPageTest, AFormulaOutsideTheListShowsNoEntryAndCommitsMinusOne) {
  model.conditions.bearing_layer.phi_formula = 9;
  page.load();
  EXPECT_EQ(page.state().formula, -1);
  page.store();
  EXPECT_EQ(model.conditions.bearing_layer.phi_formula, -1);
}

TEST_F(BearingLayerPageTest, LoadShowsTheNotesOfThePattern) {
  wall = true;
  page.load();
  EXPECT_TRUE(page.state().wall_notes_visible);
  EXPECT_FALSE(page.state().other_notes_visible);
  wall = false;
  page.load();
  EXPECT_FALSE(page.state().wall_notes_visible);
  EXPECT_TRUE(page.state().other_notes_visible);
}

TEST_F(BearingLayerPageTest, LoadReplacesNegativeValuesByTheProposals) {
  model::BearingLayer& b = model.conditions.bearing_layer;
  b.mean_n = 25;
  b.phi_formula = 0;
  b.phi = -1;
  b.bearing_nr = -1;
  b.bearing_nq = 5;
  page.load();
  EXPECT_EQ(box(kMeanNBox), "25.000");
  EXPECT_EQ(box(kPhiBox), "32.300");
  EXPECT_EQ(box(kNrBox), "27.330");
  EXPECT_EQ(box(kNqBox), "5.000");
  page.store();
  EXPECT_DOUBLE_EQ(b.phi, 32.3);
  EXPECT_DOUBLE_EQ(b.bearing_nr, 27.33);
  EXPECT_EQ(b.mean_n, 25);
}

TEST_F(BearingLayerPageTest, TheSampleShowsItsValuesAndProposals) {
  RecordingEffects load_messages;
  ASSERT_TRUE(model::load_project_files((std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / "sample_block_quay").string(), model,
                                        load_messages));
  model.install_folder = kData;
  page.load();
  EXPECT_EQ(box(kMeanNBox), "50.000");
  EXPECT_EQ(box(kPhiBox), "40.000");
  EXPECT_EQ(box(kNrBox), "93.700");
  EXPECT_EQ(box(kNqBox), "64.200");
  EXPECT_EQ(proposal(kPhiProposal), "39.50");  // √(12·50) + 15 = 39.49
  EXPECT_EQ(proposal(kNrProposal), "114.00");
  EXPECT_EQ(proposal(kNqProposal), "80.00");
  EXPECT_TRUE(effects.messages_shown.empty());
}

TEST_F(BearingLayerPageTest, AMissingTableIsSaidOnceAndTheFixedPairStillHolds) {
  qvt::testing::TempDir empty;
  model.install_folder = empty.path();
  page.text_edited(kPhiBox, "35");
  page.text_edited(kPhiBox, "42");
  EXPECT_EQ(effects.messages_shown,
            std::vector<std::string>{model::kMsgBearingFactorFileUnreadable});
  EXPECT_EQ(proposal(kNrProposal), "114.00");
  page.text_edited(kPhiBox, "30");
  EXPECT_EQ(proposal(kNrProposal), "0.00");
  EXPECT_EQ(effects.messages_shown.size(), 1u);
}

}  // namespace
}  // namespace qvt::pages
