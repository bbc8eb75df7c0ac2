#include "frontend/results/clay_check.h"

#include "common/cp932.h"
#include "common/textfile.h"
#include "frontend/model/block_geometry.h"
#include "frontend/model/display_text.h"
#include "frontend/results/line_layout.h"
#include "frontend/results/sand_report.h"

#include <cmath>

namespace qvt::results {

namespace {

const char* const kInclinationItems[] = {"0", "0.05", "0.10", "0.15", "0.20", "0.25", "0.25以上"};
const char* const kEccentricityItems[] = {"0", "0.2", "0.4", "0.6", "0.8"};
const char* const kStrengthItems[] = {"0",   "0.2", "0.5", "1.0", "2.0", "3.0",
                                      "4.0", "5.0", "6.0", "8.0", "10.0"};

double val(const std::string& text) { return model::leading_number(text); }
double r3(double v) { return model::round_in_units(v, 0.001, 0); }

}  // namespace

const char* clay_list_item(int list, int position) {
  if (list < 0 || list >= kClayListCount || position < 0 || position >= kClayListSizes[list])
    return "";
  if (list == 0) return kInclinationItems[position];
  if (list == 1) return kEccentricityItems[position];
  return kStrengthItems[position];
}

std::optional<ClayCoefficientTable> read_clay_coefficient_table(const std::filesystem::path& path) {
  std::optional<std::vector<std::string>> read = read_lines(path);
  if (!read) return std::nullopt;
  const std::vector<std::string> lines = without_trailing_blank_lines(std::move(*read));
  if (lines.size() != kClayTableLines) return std::nullopt;
  ClayCoefficientTable t;
  if (!line_numbers(lines[0], t.eccentricity_axis.size(), t.eccentricity_axis.data()) ||
      !line_numbers(lines[1], t.inclination_axis.size(), t.inclination_axis.data()) ||
      !line_numbers(lines[2], t.strength_axis.size(), t.strength_axis.data()))
    return std::nullopt;
  std::size_t l = 3;
  for (int e = 1; e <= 4; ++e) {
    for (int k = 1; k <= 10; ++k) {
      double row[10];
      if (!line_numbers(lines[l++], 10, row)) return std::nullopt;
      for (int i = 1; i <= 5; ++i) {
        t.coef_a[e][i][k] = row[i - 1];
        t.coef_b[e][i][k] = row[i + 4];
      }
    }
  }
  return t;
}

ClayCheck::Load ClayCheck::Form_Load(const std::filesystem::path& work_folder,
                                     const std::filesystem::path& install_folder,
                                     int seismic_check, const std::array<double, 2>& safety_factors,
                                     model::MessageSink& sink) {
  folder_ = work_folder;
  seismic_check_ = seismic_check;
  loaded_ = false;
  rows_ = {};
  current_row_ = 0;
  for (int r = 0; r < 2; ++r) safety_factor_[r] = safety_factors[r] == 0.0 ? 1.0 : safety_factors[r];
  const std::optional<EccentricLoad> load =
      read_eccentric_load_file(work_folder / kEccentricLoadFile, seismic_check, true);
  // B k / c0 and Nc c0 need a cohesion at the base.
  if (!load || !(load->base_cohesion >= kMinimumBaseCohesion)) {
    sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle, kEccentricLoadMessage);
    return Load::unreadable;
  }
  load_ = *load;
  table_ = read_clay_coefficient_table(install_folder / kClayTableFile);
  if (!table_)
    sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                      "係数ﾌｧｲﾙ(KS_AB.CSV)が読み込み出来ません。");
  const double strength = r3(load_.body_width * load_.strength_gradient / load_.base_cohesion);
  const int cases = seismic_check != 0 ? 2 : 1;
  for (int c = 0; c < cases; ++c) {
    tan_theta_[c] = r3(load_.horizontal_force[c] / load_.vertical_force[c]);
    rows_[c].tan_theta_text = model::format_pattern(tan_theta_[c], "##0.000");
    rows_[c].ratio_text = model::format_pattern(shown_eccentricity_ratio(load_, c), "##0.000");
    rows_[c].strength_text = model::format_pattern(strength, "##0.000");
  }
  loaded_ = true;
  for (int c = 0; c < cases; ++c)
    if (resultant_outside_base(load_, c))
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                        resultant_outside_message(c));
  update_row(0);
  update_row(1);
  return Load::ready;
}

void ClayCheck::enter_row(int row) {
  if (!loaded_ || row == current_row_ || row < 0 || row > 1) return;
  current_row_ = row;
  update_row(row);
}

void ClayCheck::choose_class(int list, int position) {
  if (!loaded_ || list < 0 || list >= kClayListCount) return;
  if (position < 0 || position >= kClayListSizes[list]) position = 0;
  rows_[current_row_].positions[list] = position;
  update_row(current_row_);
}

void ClayCheck::update_row(int r) {
  if (r == 1 && seismic_check_ == 0) return;
  ClayCheckRow& row = rows_[r];
  const int i = row.positions[0], j = row.positions[1], k = row.positions[2];
  if (i == kSteepInclination) {
    row.a_text = "***";
    row.b_text = "***";
    // The sliding limit of the effective base; no inclination, no limit to read.
    const double nc =
        tan_theta_[r] > 0.0 ? (1.0 - load_.eccentricity_ratio[r]) / tan_theta_[r] : 0.0;
    row.nc_text = model::format_pattern(nc, "##0.00");
  } else if (table_) {
    const double a = table_->coef_a[j][i][k];
    const double b = table_->coef_b[j][i][k];
    row.a_text = model::format_pattern(a, "##0.00");
    row.b_text = model::format_pattern(b, "##0.00");
    row.nc_text = model::format_pattern(a + b, "##0.00");
  } else {
    // No table: no coefficients to show; Nc stays as typed.
    row.a_text = "***";
    row.b_text = "***";
  }
  compute_qa(r);
}

void ClayCheck::set_nc_text(int r, const std::string& text) {
  rows_[r].nc_text = text;
  if (loaded_) compute_qa(r);
}

void ClayCheck::nc_lost_focus(int r) {
  set_nc_text(r, model::format_pattern(val(rows_[r].nc_text), "###0.00"));
}

void ClayCheck::compute_qa(int r) {
  nc_value_[r] = val(rows_[r].nc_text);
  qa_value_[r] = r3(nc_value_[r] * load_.base_cohesion / safety_factor_[r] + load_.overburden);
  // An Nc typed so large that qa overflows shows no number rather than a false one.
  rows_[r].qa_text =
      std::isfinite(qa_value_[r]) ? model::format_pattern(qa_value_[r], "###0.000") : "***";
  if (r == 0 || seismic_check_ != 0) {
    rows_[r].verdict_text = clay_verdict_text(passes(r));
    rows_[r].verdict_note = resultant_outside_base(load_, r) ? resultant_outside_message(r) : "";
  }
}

bool ClayCheck::passes(int r) const {
  return !resultant_outside_base(load_, r) && clay_case_passes(qa_value_[r], load_.max_reaction[r]);
}

bool clay_case_passes(double qa, double max_reaction) {
  return std::isfinite(qa) && max_reaction > 0.0 && qa >= max_reaction;
}

const char* clay_verdict_text(bool passes) { return passes ? "Ｏ.Ｋ." : "ＯＵＴ"; }

bool ClayCheck::ok(model::MessageSink& sink) {
  if (!loaded_) return false;
  const int cases = seismic_check_ != 0 ? 2 : 1;
  for (int c = 0; c < cases; ++c) {
    if (!std::isfinite(qa_value_[c])) {
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle, "Ｎｃに誤りがあります。");
      return false;
    }
  }
  std::optional<std::string> failed;
  for (int c = 0; c < cases && !failed; ++c) {
    const std::string name = sand_page_file_name(c);
    if (!write_report_file(folder_ / name, clay_check_page(*this, c))) failed = name;
  }
  if (!failed && cases == 1) failed = remove_seismic_report(folder_);
  if (failed) {
    sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                      "ファイル(" + *failed + ")が書き込めません。");
    return false;
  }
  return true;
}

std::string clay_check_page(const ClayCheck& check, int c) {
  const EccentricLoad& f = check.load();
  std::vector<std::string> lines = eccentric_page_head(f, c, "$1  QVT_HKG2.PFM");
  lines.push_back(page_field(0, f.horizontal_force[c], "###0.000", 9));
  lines.push_back(page_field(1, f.vertical_force[c], "###0.000", 10));
  lines.push_back(page_field(2, check.tan_theta(c), "#0.000", 6));
  lines.push_back(page_field(3, f.eccentricity[c], "#0.000", 6));
  lines.push_back(page_field(4, f.body_width, "#0.000", 6));
  lines.push_back(page_field(5, f.eccentricity_ratio[c], "#0.000", 6));
  lines.push_back(page_field(6, f.body_width, "#0.000", 6));
  lines.push_back(page_field(7, f.strength_gradient, "#0.00", 5));
  lines.push_back(page_field(8, f.base_cohesion, "##0.00", 6));
  lines.push_back(page_field(
      9, model::round_in_units(f.body_width * f.strength_gradient / f.base_cohesion, 0.01, 0),
      "##0.00", 6));
  lines.push_back(page_field(10, check.nc_value(c), "##0.00", 6));
  lines.push_back(page_field(11, check.safety_factor(c), "#0.000", 6));
  lines.push_back(page_field(12, f.overburden, "###0.000", 8));
  lines.push_back(page_field(13, check.qa_value(c), "###0.000", 9));
  lines.push_back(page_field(15, f.max_reaction[c], "###0.000", 9));
  // The sign compares qa with the reaction and is true of the two numbers as the page shows
  // them: where they print equal it says equality with the comparison's side ("≧" when qa
  // reaches the reaction, "≦" when it falls short). The verdict also fails a reaction never
  // computed and a resultant that lies outside the base.
  const double qa = check.qa_value(c);
  const bool reaches = std::isfinite(qa) && qa >= f.max_reaction[c];
  const bool shown_equal = std::isfinite(qa) && model::round_in_units(qa, 0.001, 0) ==
                                                    model::round_in_units(f.max_reaction[c], 0.001, 0);
  const char* sign = shown_equal ? (reaches ? "14  ≧" : "14  ≦") : (reaches ? "14  ＞" : "14  ＜");
  lines.push_back(utf8_to_cp932_lossy(sign));
  lines.push_back(utf8_to_cp932_lossy(std::string("16  ") + clay_verdict_text(check.passes(c))));
  lines.push_back("$E");
  return join_crlf(lines);
}

}  // namespace qvt::results
