#include "frontend/results/sand_check.h"

#include "frontend/model/block_geometry.h"
#include "frontend/model/display_text.h"

#include <cmath>

namespace qvt::results {

namespace {

double val(const std::string& text) { return model::leading_number(text); }

}  // namespace

SandCheck::Load SandCheck::Form_Load(const std::filesystem::path& work_folder,
                                     const std::filesystem::path& install_folder,
                                     int seismic_check, double bearing_phi,
                                     model::MessageSink& sink) {
  folder_ = work_folder;
  seismic_check_ = seismic_check;
  loaded_ = false;
  rows_ = {};
  values_ = {};
  const std::optional<EccentricLoad> load =
      read_eccentric_load_file(work_folder / kEccentricLoadFile, seismic_check);
  if (!load) {
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
    set_n_text(c, model::format_pattern(0.0, "##0.00"));
    return;
  }
  const ChartReading reading = read_chart_n_value(charts_[chart_index], val(rows_[c].ratio_text),
                                                  val(rows_[c].tan_theta_text));
  // The seismic row of a project without a seismic case reads (0, 0) and checks nothing, so it
  // has nothing to warn about.
  if (reading.outside && checked(c))
    sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                      std::string(c == 0 ? "常時" : "地震時") +
                          "の点は図表の範囲外です。Ｎを入力してください。");
  set_n_text(c, model::format_pattern(reading.n, "##0.00"));
}

void SandCheck::set_n_text(int c, const std::string& text) {
  rows_[c].n_text = text;
  if (c == 1 && seismic_check_ == 0) return;
  compute(c);
}

void SandCheck::compute(int c) {
  const EccentricLoad& f = values_.load;
  values_.n_value[c] = val(rows_[c].n_text);
  values_.bearing_capacity[c] =
      model::round_in_units(f.bearing_unit_weight * f.body_width * values_.n_value[c] / 2, 0.001, 0);
  values_.safety_factor[c] = model::round_in_units(
      values_.bearing_capacity[c] / (f.vertical_force[c] / f.body_width), 0.001, 1);
  // An N typed so large that Q or F overflows shows no number rather than a false one.
  rows_[c].f_text = std::isfinite(values_.safety_factor[c])
                        ? model::format_pattern(values_.safety_factor[c], "##0.000")
                        : "***";
  judge(c);
}

// The row's verdict follows N, the chart and the design factor at once, so the dialog never
// shows an F that fails without saying so.
void SandCheck::judge(int c) {
  if (!loaded_ || !checked(c)) return;
  const bool outside = resultant_outside_base(values_.load, c);
  rows_[c].verdict_text = sand_verdict_text(
      !outside && sand_case_passes(values_.safety_factor[c], val(rows_[c].design_text)));
  rows_[c].verdict_note = outside ? resultant_outside_message(c) : "";
}

void SandCheck::set_design_text(int c, const std::string& text) {
  rows_[c].design_text = text;
  judge(c);
}

void SandCheck::n_lost_focus(int c) {
  set_n_text(c, model::format_pattern(val(rows_[c].n_text), "###0.00"));
}

void SandCheck::design_lost_focus(int c) {
  set_design_text(c, model::format_pattern(val(rows_[c].design_text), "###0.000"));
}

bool SandCheck::ok(model::MessageSink& sink) {
  if (!loaded_) return false;
  const int cases = seismic_check_ != 0 ? 2 : 1;
  for (int c = 0; c < 2; ++c) {
    values_.tan_theta[c] = val(rows_[c].tan_theta_text);
    values_.chart_choice[c] = rows_[c].chart_index;
    values_.required_safety_factor[c] = val(rows_[c].design_text);
  }
  // An empty or zero factor would pass every bearing capacity.
  for (int c = 0; c < cases; ++c) {
    if (!(values_.required_safety_factor[c] > 0.0)) {
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                        "設計安全率に誤りがあります。");
      return false;
    }
    if (!std::isfinite(values_.safety_factor[c])) {
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle, "Ｎに誤りがあります。");
      return false;
    }
  }
  if (const auto failed = write_sand_check_report(folder_, values_, charts_, seismic_check_)) {
    sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                      "ファイル(" + *failed + ")が書き込めません。");
    return false;
  }
  return true;
}

}  // namespace qvt::results
