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
constexpr int kMeanN = BearingLayerPage::kMeanNBox, kPhi = 3, kNr = 4, kNq = 5, kPo = 6;
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

double BearingLayerPage::value_of(int index) const { return leading_number(s_.txt_gm11[index].text); }

double BearingLayerPage::proposal_value(int which) const { return leading_number(s_.proposal[which]); }

void BearingLayerPage::set_text(int index, const std::string& text) {
  TextBox& b = s_.txt_gm11[index];
  if (b.text == text) return;  // a text box raises Change only when its text changes
  b.text = text;
  txt_gm11_Change(index);
}

void BearingLayerPage::text_edited(int index, const std::string& text) {
  if (index < 0 || index >= static_cast<int>(s_.txt_gm11.size())) return;
  set_text(index, text);
}

void BearingLayerPage::lost_focus(int index) {
  if (index < 0 || index >= static_cast<int>(s_.txt_gm11.size()) || index == kPo) return;
  set_text(index, format_pattern(value_of(index), kBoxPattern));
}

void BearingLayerPage::select_formula(int index) {
  s_.cbo_gm11 = (index >= 0 && index < static_cast<int>(kPhiFormulas.size())) ? index : -1;
  cbo_gm11_Click();
}

void BearingLayerPage::txt_gm11_Change(int index) {
  switch (index) {
    case kMeanN: mean_n_changed(); break;
    case kPhi: phi_changed(); break;
    case kNr:
      if (proposal_value(1) > 0 && value_of(kNr) < 0)
        set_text(kNr, format_pattern(proposal_value(1), kBoxPattern));
      break;
    case kNq:
      if (proposal_value(2) > 0 && value_of(kNq) < 0)
        set_text(kNq, format_pattern(proposal_value(2), kBoxPattern));
      break;
    default: break;
  }
}

void BearingLayerPage::mean_n_changed() {
  const double n = value_of(kMeanN);
  if (n < 0) return;  // the proposals stay as they are
  s_.proposal[0] = format_pattern(phi_proposal(s_.cbo_gm11, n), kPhiCaptionPattern) + "0";
  if (value_of(kPhi) < 0 && proposal_value(0) > 0) {
    set_text(kPhi, s_.proposal[0] + "0");  // runs the φ procedure
    show_factors(value_of(kPhi));
  }
}

void BearingLayerPage::phi_changed() {
  if (proposal_value(0) > 0 && value_of(kPhi) < 0)
    set_text(kPhi, format_pattern(proposal_value(0), kBoxPattern));  // runs this once more
  show_factors(value_of(kPhi));
}

void BearingLayerPage::show_factors(double phi) {
  const model::BearingFactors f =
      model::lookup_bearing_factors(model_.install_folder / model::kBearingFactorFile, phi);
  if (!f.table_read && !table_message_said_) {
    table_message_said_ = true;
    effects_.messages().show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                                     model::kMsgBearingFactorFileUnreadable);
  }
  s_.proposal[1] = format_pattern(f.nr, kFactorCaptionPattern);
  fill_from_caption(kNr, 1);
  s_.proposal[2] = format_pattern(f.nq, kFactorCaptionPattern);
  fill_from_caption(kNq, 2);
}

void BearingLayerPage::fill_from_caption(int box, int which) {
  if (value_of(box) < 0 && proposal_value(which) > 0) set_text(box, s_.proposal[which] + "0");
}

void BearingLayerPage::cmd_gm11_Click(int index) {
  if (index < 0 || index > 2) return;
  set_text(kPhi + index, s_.proposal[index] + "0");
}

void BearingLayerPage::opt_gm11_select(int index) {
  if (index < 0 || index >= static_cast<int>(s_.opt_gm11.size())) return;
  const int pair = index / 2 * 2;
  s_.opt_gm11[pair] = index == pair;
  s_.opt_gm11[pair + 1] = index != pair;
  opt_gm11_Click(index);
}

void BearingLayerPage::opt_gm11_Click(int index) {
  if (index == 0 || index == 1) {
    const bool sandy = index == 0;
    s_.fra_gm11_visible[1] = sandy;
    s_.fra_gm11_visible[4] = sandy;
    s_.fra_gm11_visible[2] = !sandy;
    s_.fra_gm11_visible[3] = !sandy;
  }
}

void BearingLayerPage::load() {
  const model::BearingLayer& b = model_.conditions.bearing_layer;
  opt_gm11_select(b.soil_type != 0 ? 1 : 0);
  const double values[11] = {b.unit_weight, b.shape_factor, static_cast<double>(b.mean_n),
                             b.phi,         b.bearing_nr,   b.bearing_nq,
                             b.overburden_po, b.cohesion,   b.cohesion_gradient,
                             b.unit_weight, b.friction_mu};
  for (int i = 0; i < 11; ++i) set_text(i, format_pattern(values[i], kBoxPattern));
  opt_gm11_select(b.friction_rule != 0 ? 3 : 2);
  opt_gm11_select(b.founding_type != 0 ? 4 : 5);
  // A formula index the list cannot show (a damaged file) selects no entry.
  select_formula(b.phi_formula);
  const bool clay = b.soil_type != 0;
  s_.fra_gm11_visible[1] = !clay;
  s_.fra_gm11_visible[2] = clay;
  s_.fra_gm11_visible[3] = clay;
  const bool wall = wall_pattern_ && wall_pattern_();
  s_.wall_notes_visible = wall;
  s_.other_notes_visible = !wall;
  s_.chk_katu = b.slope_length_width != 0 ? kChecked : kUnchecked;
}

void BearingLayerPage::store() {
  model::BearingLayer& b = model_.conditions.bearing_layer;
  if (s_.opt_gm11[0]) {
    b.soil_type = 0;
    b.unit_weight = value_of(0);
  } else {
    b.soil_type = 1;
    b.unit_weight = value_of(9);
  }
  b.shape_factor = value_of(1);
  b.mean_n = model::to_i16(value_of(kMeanN));
  b.phi = value_of(kPhi);
  b.bearing_nr = value_of(kNr);
  b.bearing_nq = value_of(kNq);
  b.overburden_po = value_of(kPo);
  b.cohesion = value_of(7);
  b.cohesion_gradient = value_of(8);
  b.friction_mu = value_of(10);
  b.friction_rule = s_.opt_gm11[2] ? 0 : 1;
  b.founding_type = s_.opt_gm11[4] ? 1 : 0;
  b.slope_length_width = s_.chk_katu == kUnchecked ? 0 : 1;
  b.phi_formula = static_cast<model::i16>(s_.cbo_gm11);
}

}  // namespace qvt::pages
