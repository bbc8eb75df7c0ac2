#include "frontend/results/sand_check.h"

#include "common/numtext.h"
#include "frontend/model/block_geometry.h"
#include "frontend/model/display_text.h"

#include <cmath>

namespace qvt::results {

namespace {

double val(const std::string& text) { return model::leading_number(text); }

const char* case_name(int c) { return c == 0 ? "常時" : "地震時"; }

// Why a layer of a smaller phi than the smallest chart's is not judged on a chart's N.
std::string below_charts_reason(double phi) {
  return "支持層のφ " + format_real(phi) + "°は最も小さい図表の" +
         std::to_string(kChartAngles[0]) + "°より小さく、図表のＮは支持層より強い地盤のものです。";
}

// The worse of two box verdicts, so OK reports a box that went back.
model::TypedNumber worse(model::TypedNumber a, model::TypedNumber b) {
  return a != model::TypedNumber::stands ? a : b;
}

}  // namespace

SandCheck::Load SandCheck::load(const std::filesystem::path& work_folder,
                                     const std::filesystem::path& install_folder,
                                     int seismic_check, double bearing_phi,
                                     const std::array<double, 2>& safety_factors,
                                     model::MessageSink& sink) {
  folder_ = work_folder;
  seismic_check_ = seismic_check;
  loaded_ = false;
  rows_ = {};
  n_ = {NumberEntry(kNRange), NumberEntry(kNRange)};
  for (int c = 0; c < 2; ++c) {
    design_[c] = NumberEntry(kDesignFactorRange,
                             model::format_pattern(conditions_design_factor(safety_factors[c]),
                                                   "###0.000"));
    rows_[c].design_text = design_[c].text();
  }
  box_verdict_ = model::TypedNumber::stands;
  values_ = {};
  // Not a number counts as below: no chart can be shown to fit it.
  below_charts_reason_ = bearing_phi >= kChartAngles[0] ? "" : below_charts_reason(bearing_phi);
  below_charts_notice_ =
      below_charts_reason_.empty() ? "" : below_charts_reason_ + "Ｎを入力するまで判定しません。";
  const std::optional<EccentricLoad> load =
      read_eccentric_load_file(work_folder / kEccentricLoadFile, seismic_check);
  // Q = gamma B N / 2 needs a unit weight that soil has.
  if (!load || !(load->bearing_unit_weight >= kMinimumBearingUnitWeight &&
                 load->bearing_unit_weight <= kLargestBearingUnitWeight)) {
    sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle, kEccentricLoadMessage);
    return Load::unreadable;
  }
  values_.load = *load;
  const int cases = seismic_check != 0 ? 2 : 1;
  for (int c = 0; c < cases; ++c) {
    const double tan_theta =
        model::round_in_units(load->horizontal_force[c] / load->vertical_force[c], 0.001, 0);
    const double ratio = shown_eccentricity_ratio(*load, c);
    rows_[c].tan_theta_text = model::format_pattern(tan_theta, "##0.000");
    rows_[c].ratio_text = model::format_pattern(ratio, "##0.000");
  }

  const ChartLoad charts = load_bearing_charts(install_folder);
  if (!charts.ok) {
    sink.show_message(model::MessageIcon::Critical, model::kAppTitle,
                      "--- ERROR ---\n\nデータファイル" + charts.failed_file +
                          (charts.missing ? "が開けません!\n" : "が読み込めません!\n"));
    return Load::no_dialog;
  }
  charts_ = charts.charts;
  loaded_ = true;
  for (int c = 0; c < cases; ++c)
    if (resultant_outside_base(*load, c))
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                        resultant_outside_message(c));
  const int chart = opening_chart_index(bearing_phi);
  choose_chart(0, chart, sink);
  choose_chart(1, chart, sink);
  return Load::ready;
}

void SandCheck::choose_chart(int c, int chart_index, model::MessageSink& sink) {
  if (!loaded_ || chart_index < 0 || chart_index >= kChartCount) return;
  rows_[c].chart_index = chart_index;
  // Beyond the base no chart has a curve to read: the case fails (judge) with N 0.
  if (checked(c) && resultant_outside_base(values_.load, c)) {
    n_[c].set(model::format_pattern(0.0, "##0.00"));
    compute(c);
    return;
  }
  // Every chart is of a stronger soil than the layer: none gives its N, which waits for the
  // user's.
  if (!below_charts_notice_.empty()) {
    n_[c].set("");
    compute(c);
    return;
  }
  const ChartReading reading = read_chart_n_value(charts_[chart_index], val(rows_[c].ratio_text),
                                                  val(rows_[c].tan_theta_text));
  // The seismic row of a project without a seismic case reads (0, 0) and checks nothing, so it
  // has nothing to warn about.
  if (reading.outside && checked(c))
    sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                      std::string(case_name(c)) + "の点は図表の範囲外です。Ｎを入力してください。");
  n_[c].set(model::format_pattern(reading.n, "##0.00"));
  compute(c);
}

void SandCheck::set_n_text(int c, const std::string& text) {
  n_[c].type(text);
  compute(c);
}

void SandCheck::compute(int c) {
  rows_[c].n_text = n_[c].text();
  if (c == 1 && seismic_check_ == 0) return;
  const EccentricLoad& f = values_.load;
  values_.n_value[c] = n_[c].value();
  values_.bearing_capacity[c] =
      model::round_in_units(f.bearing_unit_weight * f.body_width * values_.n_value[c] / 2, 0.001, 0);
  values_.safety_factor[c] = model::round_in_units(
      values_.bearing_capacity[c] / (f.vertical_force[c] / f.body_width), 0.001, 1);
  // No N of its range overflows Q or F; should one, the row shows no number rather than a
  // false one. An N not yet given has no F.
  rows_[c].f_text = !judged(c) && !resultant_outside_base(f, c) ? ""
                    : std::isfinite(values_.safety_factor[c])
                        ? model::format_pattern(values_.safety_factor[c], "##0.000")
                        : "***";
  judge(c);
}

// Judged unless the layer is weaker than every chart and the row's N is not yet the user's (an
// emptied box gives none).
bool SandCheck::judged(int c) const {
  return below_charts_notice_.empty() ||
         (n_[c].by_hand() && !trim_blanks(n_[c].text()).empty());
}

// The row's verdict follows N, the chart and the design factor at once, so the dialog never
// shows an F that fails without saying so.
void SandCheck::judge(int c) {
  if (!loaded_ || !checked(c)) return;
  SandCheckRow& row = rows_[c];
  if (resultant_outside_base(values_.load, c)) {
    row.verdict_text = sand_verdict_text(false);
    row.verdict_note = resultant_outside_message(c);
  } else if (!judged(c)) {
    row.verdict_text = "－";
    row.verdict_note = below_charts_notice_;
  } else {
    row.verdict_text =
        sand_verdict_text(sand_case_passes(values_.safety_factor[c], design_[c].value()));
    row.verdict_note = "";
  }
}

void SandCheck::set_design_text(int c, const std::string& text) {
  design_[c].type(text);
  rows_[c].design_text = design_[c].text();
  judge(c);
}

model::TypedNumber SandCheck::leave_n_box(int c) {
  // An N box left empty while it waits for the user's N stays empty (not 0.00).
  if (!judged(c) && trim_blanks(n_[c].text()).empty()) {
    n_[c].type("");
    compute(c);
    return model::TypedNumber::stands;
  }
  const model::TypedNumber verdict = n_[c].leave("###0.00");
  compute(c);
  return verdict;
}

model::TypedNumber SandCheck::leave_design_box(int c) {
  const model::TypedNumber verdict = design_[c].leave("###0.000");
  rows_[c].design_text = design_[c].text();
  judge(c);
  return verdict;
}

bool SandCheck::ok(model::MessageSink& sink) {
  if (!loaded_) return false;
  // A box still being edited counts as left; one that goes back is shown with its value held
  // and its notice, and nothing is written from the text it had.
  box_verdict_ = model::TypedNumber::stands;
  for (int c = 0; c < 2; ++c) {
    box_verdict_ = worse(box_verdict_, leave_n_box(c));
    box_verdict_ = worse(box_verdict_, leave_design_box(c));
  }
  if (box_verdict_ != model::TypedNumber::stands) return false;
  const int cases = seismic_check_ != 0 ? 2 : 1;
  for (int c = 0; c < 2; ++c) {
    values_.tan_theta[c] = val(rows_[c].tan_theta_text);
    values_.chart_choice[c] = rows_[c].chart_index;
    values_.required_safety_factor[c] = design_[c].value();
  }
  for (int c = 0; c < cases; ++c) {
    // An empty or zero factor would pass every bearing capacity.
    if (!(values_.required_safety_factor[c] > 0.0)) {
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                        "設計安全率に誤りがあります。");
      return false;
    }
    if (!std::isfinite(values_.safety_factor[c])) {
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle, "Ｎに誤りがあります。");
      return false;
    }
    // A page states a verdict; a row not judged has none to give.
    if (!judged(c) && !resultant_outside_base(values_.load, c)) {
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                        std::string(case_name(c)) + "のＮを入力してください。" +
                            below_charts_reason_);
      return false;
    }
  }
  if (const auto failed = write_sand_check_report(folder_, values_, charts_, seismic_check_)) {
    sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle, *failed);
    return false;
  }
  return true;
}

}  // namespace qvt::results
