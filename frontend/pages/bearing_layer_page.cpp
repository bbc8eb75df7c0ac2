#include "frontend/pages/bearing_layer_page.h"

#include "frontend/model/display_text.h"

#include <cmath>

namespace qvt::pages {

using model::format_pattern;
using model::leading_number;

namespace {
constexpr const char* kBoxPattern = "###0.000";
constexpr const char* kPhiCaptionPattern = "##0.0";
constexpr const char* kFactorCaptionPattern = "##0.00";
}  // namespace

BearingLayerPage::BearingLayerPage(model::ProjectModel& model, PageEffects& effects,
                                   std::function<bool()> wall_pattern)
    : model_(model), effects_(effects), wall_pattern_(std::move(wall_pattern)) {}

double BearingLayerPage::phi_proposal(int formula, double n) {
  switch (formula) {
    case 0: return std::sqrt(12 * n) + 15;
    case 1: return std::sqrt(12 * n) + 20;
    case 2: return std::sqrt(12 * n) + 25;
    case 3: return std::sqrt(20 * n) + 15;
    case 4: return std::sqrt(15 * n) + 15;
    default: return 0;
  }
}

double BearingLayerPage::value_of(int box) const { return leading_number(s_.boxes[box].text); }

double BearingLayerPage::proposal_value(int which) const { return leading_number(s_.proposal[which]); }

void BearingLayerPage::set_text(int box, const std::string& text) {
  TextBox& b = s_.boxes[box];
  if (b.text == text) return;  // a box follows a change only when its text changes
  b.text = text;
  box_changed(box);
}

void BearingLayerPage::text_edited(int box, const std::string& text) {
  if (box < 0 || box >= kBearingBoxCount || !s_.boxes[box].enabled) return;
  set_text(box, text);
}

void BearingLayerPage::lost_focus(int box) {
  if (box < 0 || box >= kBearingBoxCount || box == kPoBox || !s_.boxes[box].enabled) return;
  set_text(box, format_pattern(value_of(box), kBoxPattern));
}

void BearingLayerPage::select_formula(int index) {
  s_.formula = (index >= 0 && index < static_cast<int>(kPhiFormulas.size())) ? index : -1;
  formula_chosen();
}

void BearingLayerPage::box_changed(int box) {
  switch (box) {
    case kMeanNBox: mean_n_changed(); break;
    case kPhiBox: phi_changed(); break;
    case kNrBox:
      if (proposal_value(kNrProposal) > 0 && value_of(kNrBox) < 0)
        set_text(kNrBox, format_pattern(proposal_value(kNrProposal), kBoxPattern));
      break;
    case kNqBox:
      if (proposal_value(kNqProposal) > 0 && value_of(kNqBox) < 0)
        set_text(kNqBox, format_pattern(proposal_value(kNqProposal), kBoxPattern));
      break;
    case kFrictionBox:
      if (s_.options[kFrictionInput]) typed_mu_ = s_.boxes[kFrictionBox].text;
      break;
    default: break;
  }
}

void BearingLayerPage::mean_n_changed() {
  const double n = value_of(kMeanNBox);
  if (n < 0) return;  // the proposals stay as they are
  s_.proposal[kPhiProposal] = format_pattern(phi_proposal(s_.formula, n), kPhiCaptionPattern) + "0";
  if (value_of(kPhiBox) < 0 && proposal_value(kPhiProposal) > 0) {
    set_text(kPhiBox, s_.proposal[kPhiProposal] + "0");  // runs the φ procedure
    show_factors(value_of(kPhiBox));
  }
}

void BearingLayerPage::phi_changed() {
  if (proposal_value(kPhiProposal) > 0 && value_of(kPhiBox) < 0)
    // runs this once more
    set_text(kPhiBox, format_pattern(proposal_value(kPhiProposal), kBoxPattern));
  show_factors(value_of(kPhiBox));
  show_friction();
}

void BearingLayerPage::show_friction() {
  TextBox& box = s_.boxes[kFrictionBox];
  box.enabled = !s_.options[kFrictionTanPhi];
  // The sliding check takes tan φ of the φ the page stores.
  box.text = box.enabled ? typed_mu_
                         : format_pattern(std::tan(value_of(kPhiBox) * std::acos(-1.0) / 180.0),
                                          kBoxPattern);
}

void BearingLayerPage::show_factors(double phi) {
  const model::BearingFactors f =
      model::lookup_bearing_factors(model_.install_folder / model::kBearingFactorFile, phi);
  if (!f.table_read && !table_message_said_) {
    table_message_said_ = true;
    effects_.messages().show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                                     model::kMsgBearingFactorFileUnreadable);
  }
  s_.proposal[kNrProposal] = format_pattern(f.nr, kFactorCaptionPattern);
  fill_from_caption(kNrBox, kNrProposal);
  s_.proposal[kNqProposal] = format_pattern(f.nq, kFactorCaptionPattern);
  fill_from_caption(kNqBox, kNqProposal);
}

void BearingLayerPage::fill_from_caption(int box, int which) {
  if (value_of(box) < 0 && proposal_value(which) > 0) set_text(box, s_.proposal[which] + "0");
}

void BearingLayerPage::take_proposal(int which) {
  static constexpr int kBoxOf[3] = {kPhiBox, kNrBox, kNqBox};
  if (which < kPhiProposal || which > kNqProposal) return;
  set_text(kBoxOf[which], s_.proposal[which] + "0");
}

void BearingLayerPage::choose_option(int option) {
  if (option < 0 || option >= kBearingOptionCount) return;
  const int pair = option / 2 * 2;
  s_.options[pair] = option == pair;
  s_.options[pair + 1] = option != pair;
  option_chosen(option);
}

void BearingLayerPage::option_chosen(int option) {
  if (option == kSandyGround || option == kClayeyGround) {
    const bool sandy = option == kSandyGround;
    s_.frame_visible[kSandyFrame] = sandy;
    s_.frame_visible[kFrictionFrame] = sandy;
    s_.frame_visible[kClayeyFrame] = !sandy;
    s_.frame_visible[kImprovementFormFrame] = !sandy;
  }
  if (option == kFrictionInput || option == kFrictionTanPhi) show_friction();
}

void BearingLayerPage::load() {
  const model::BearingLayer& b = model_.conditions.bearing_layer;
  choose_option(b.soil_type != 0 ? kClayeyGround : kSandyGround);
  const double values[kBearingBoxCount] = {
      b.unit_weight,   b.shape_factor, static_cast<double>(b.mean_n),
      b.phi,           b.bearing_nr,   b.bearing_nq,
      b.overburden_po, b.cohesion,     b.cohesion_gradient,
      b.unit_weight,   b.friction_mu};
  typed_mu_ = format_pattern(b.friction_mu, kBoxPattern);
  for (int i = 0; i < kBearingBoxCount; ++i) set_text(i, format_pattern(values[i], kBoxPattern));
  choose_option(b.friction_rule != 0 ? kFrictionTanPhi : kFrictionInput);
  choose_option(b.founding_type != 0 ? kFloating : kLanded);
  // A formula index the list cannot show (a damaged file) selects no entry.
  select_formula(b.phi_formula);
  const bool clay = b.soil_type != 0;
  s_.frame_visible[kSandyFrame] = !clay;
  s_.frame_visible[kClayeyFrame] = clay;
  s_.frame_visible[kImprovementFormFrame] = clay;
  const bool wall = wall_pattern_ && wall_pattern_();
  s_.wall_notes_visible = wall;
  s_.other_notes_visible = !wall;
  s_.slope_length_width = b.slope_length_width != 0 ? kChecked : kUnchecked;
}

void BearingLayerPage::store() {
  model::BearingLayer& b = model_.conditions.bearing_layer;
  if (s_.options[kSandyGround]) {
    b.soil_type = 0;
    b.unit_weight = value_of(kSandyUnitWeightBox);
  } else {
    b.soil_type = 1;
    b.unit_weight = value_of(kClayUnitWeightBox);
  }
  b.shape_factor = value_of(kShapeFactorBox);
  b.mean_n = model::to_i16(value_of(kMeanNBox));
  b.phi = value_of(kPhiBox);
  b.bearing_nr = value_of(kNrBox);
  b.bearing_nq = value_of(kNqBox);
  b.overburden_po = value_of(kPoBox);
  b.cohesion = value_of(kCohesionBox);
  b.cohesion_gradient = value_of(kCohesionGradientBox);
  b.friction_mu = leading_number(typed_mu_);
  b.friction_rule = s_.options[kFrictionInput] ? 0 : 1;
  b.founding_type = s_.options[kFloating] ? 1 : 0;
  b.slope_length_width = s_.slope_length_width == kUnchecked ? 0 : 1;
  b.phi_formula = static_cast<model::i16>(s_.formula);
}

}  // namespace qvt::pages
