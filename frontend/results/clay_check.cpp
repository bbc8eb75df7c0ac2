#include "frontend/results/clay_check.h"

#include "common/cp932.h"
#include "common/textfile.h"
#include "common/bearing_formulas.h"
#include "frontend/model/block_geometry.h"
#include "frontend/model/display_text.h"
#include "frontend/results/line_layout.h"
#include "frontend/results/sand_report.h"

#include <algorithm>
#include <cmath>

namespace qvt::results {

namespace {

const char* const kInclinationItems[] = {"0", "0.05", "0.10", "0.15", "0.20", "0.25", "0.25以上"};
const char* const kEccentricityItems[] = {"0", "0.2", "0.4", "0.6", "0.8"};
const char* const kStrengthItems[] = {"0",   "0.2", "0.5", "1.0", "2.0", "3.0",
                                      "4.0", "5.0", "6.0", "8.0", "10.0"};

double val(const std::string& text) { return model::leading_number(text); }
double r3(double v) { return model::round_in_units(v, 0.001, 0); }
double class_value(int list, int position) { return val(clay_list_item(list, position)); }

// What cannot be computed, in the dialog and on the page.
constexpr const char* kNotComputed = "－";

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

std::array<int, kClayListCount> safe_clay_classes(double tan_theta, double ratio,
                                                  double strength) {
  auto value = [](int list, int position) {
    return model::leading_number(clay_list_item(list, position));
  };
  std::array<int, kClayListCount> p{kSteepInclination, kClayListSizes[1] - 1, 1};
  for (int i = kSteepInclination - 1; i >= 1; --i)
    if (value(0, i) >= tan_theta) p[0] = i;
  for (int j = kClayListSizes[1] - 1; j >= 1; --j)
    if (value(1, j) >= ratio) p[1] = j;
  for (int k = 1; k < kClayListSizes[2]; ++k)
    if (value(2, k) <= strength) p[2] = k;
  return p;
}

bool beyond_eccentricity_classes(double ratio) { return ratio > kLastEccentricityClass; }

ClayCheck::Load ClayCheck::load(const std::filesystem::path& work_folder,
                                     const std::filesystem::path& install_folder,
                                     int seismic_check, const std::array<double, 2>& safety_factors,
                                     model::MessageSink& sink) {
  folder_ = work_folder;
  seismic_check_ = seismic_check;
  loaded_ = false;
  rows_ = {};
  nc_ = {NumberEntry(kNcRange, "0.00"), NumberEntry(kNcRange, "0.00")};
  box_verdict_ = model::TypedNumber::stands;
  current_row_ = 0;
  for (int r = 0; r < 2; ++r) safety_factor_[r] = conditions_design_factor(safety_factors[r]);
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
  const std::string strength_text = model::format_pattern(strength, "##0.000");
  strength_notice_ = val(strength_text) < kFirstStrengthClass
                         ? below_strength_classes_notice(strength_text)
                         : "";
  const int cases = seismic_check != 0 ? 2 : 1;
  for (int c = 0; c < cases; ++c) {
    tan_theta_[c] = r3(load_.horizontal_force[c] / load_.vertical_force[c]);
    ClayCheckRow& row = rows_[c];
    row.tan_theta_text = model::format_pattern(tan_theta_[c], "##0.000");
    row.ratio_text = model::format_pattern(shown_eccentricity_ratio(load_, c), "##0.000");
    row.strength_text = strength_text;
    row.reaction_text = load_.max_reaction[c] > 0.0
                            ? model::format_pattern(load_.max_reaction[c], "###0.000")
                            : kNotComputed;
    // The classes as the dialog shows the values.
    row.positions = safe_clay_classes(val(row.tan_theta_text), val(row.ratio_text),
                                      val(row.strength_text));
  }
  loaded_ = true;
  for (int c = 0; c < cases; ++c) {
    if (resultant_outside_base(load_, c))
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                        resultant_outside_message(c));
    else if (beyond_eccentricity_classes(val(rows_[c].ratio_text)))
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle, beyond_classes_message(c));
    // A reaction not computed was told by the calculation; the row says it again beside ＯＵＴ.
  }
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

double ClayCheck::strength_of_class(int k) const {
  const double strength = val(rows_[0].strength_text);
  return k == 1 && strength < kFirstStrengthClass ? strength : class_value(2, k);
}

bool ClayCheck::computable(int r) const { return !resultant_outside_base(load_, r); }

void ClayCheck::update_row(int r) {
  if (!checked(r)) return;
  ClayCheckRow& row = rows_[r];
  if (!computable(r)) {
    // No base left to bear the load: nothing to read from the table or to type.
    row.a_text = row.b_text = kNotComputed;
    row.nc_editable = false;
    compute_qa(r);
    return;
  }
  const int i = row.positions[0], j = row.positions[1], k = row.positions[2];
  if (i == kSteepInclination) {
    if (j > 0 && k > 0) {
      // The table's formula at the case's tan(theta), never milder than the class 0.25, with
      // the row's classes of 2e/B and B k / c0: at tan(theta) 0.25 it is the table's entry.
      const double t = std::max(tan_theta_[r], class_value(0, kSteepInclination - 1));
      const bearing::ClayFactor f = bearing::clay_factor(class_value(1, j), t, strength_of_class(k));
      row.a_text = f.sliding ? "***" : model::format_pattern(f.a, "##0.00");
      row.b_text = f.sliding ? "***" : model::format_pattern(f.b, "##0.00");
      nc_[r].set(model::format_pattern(f.nc, "##0.00"));
    } else {
      row.a_text = "***";
      row.b_text = "***";
      nc_[r].set(model::format_pattern(0.0, "##0.00"));
    }
  } else if (table_) {
    const double a = table_->coef_a[j][i][k];
    double b = table_->coef_b[j][i][k];
    // Below the smallest B k / c0 class b follows the case's own value, never above the
    // class's entry.
    if (i > 0 && j > 0 && k == 1 && strength_of_class(k) < kFirstStrengthClass)
      b = std::min(b, bearing::clay_table_entry(class_value(1, j), class_value(0, i),
                                                strength_of_class(k))
                          .b);
    row.a_text = model::format_pattern(a, "##0.00");
    row.b_text = model::format_pattern(b, "##0.00");
    nc_[r].set(model::format_pattern(a + b, "##0.00"));
  } else {
    // No table: no coefficients to show; Nc stays as typed.
    row.a_text = "***";
    row.b_text = "***";
  }
  compute_qa(r);
}

void ClayCheck::set_nc_text(int r, const std::string& text) {
  if (!rows_[r].nc_editable) return;
  nc_[r].type(text);
  if (loaded_)
    compute_qa(r);
  else
    rows_[r].nc_text = nc_[r].text();
}

model::TypedNumber ClayCheck::leave_nc_box(int r) {
  if (!rows_[r].nc_editable) return model::TypedNumber::stands;
  const model::TypedNumber verdict = nc_[r].leave("###0.00");
  if (loaded_)
    compute_qa(r);
  else
    rows_[r].nc_text = nc_[r].text();
  return verdict;
}

void ClayCheck::compute_qa(int r) {
  if (checked(r) && !computable(r)) {
    nc_value_[r] = qa_value_[r] = std::nan("");
    rows_[r].nc_text = rows_[r].qa_text = kNotComputed;
    judge(r);
    return;
  }
  rows_[r].nc_text = nc_[r].text();
  nc_value_[r] = nc_[r].value();
  qa_value_[r] = r3(nc_value_[r] * load_.base_cohesion / safety_factor_[r] + load_.overburden);
  // No Nc of its range overflows qa; should one, the row shows no number rather than a false
  // one.
  rows_[r].qa_text =
      std::isfinite(qa_value_[r]) ? model::format_pattern(qa_value_[r], "###0.000") : "***";
  judge(r);
}

bool ClayCheck::judged(int r) const {
  const std::array<int, kClayListCount>& p = rows_[r].positions;
  // "0.25以上" needs no table, but like every class the row's 2e/B and B k / c0 classes.
  const bool classes =
      p[1] > 0 && p[2] > 0 && (p[0] == kSteepInclination || (table_ && p[0] > 0));
  return classes || nc_[r].by_hand();
}

void ClayCheck::judge(int r) {
  if (!checked(r)) return;
  ClayCheckRow& row = rows_[r];
  const bool outside = !computable(r);
  const bool beyond = beyond_eccentricity_classes(val(row.ratio_text));
  const bool no_reaction = !(load_.max_reaction[r] > 0.0);
  if (!outside && !beyond && !no_reaction && !judged(r)) {
    row.verdict_text = "－";
    row.sign_text = "";
    row.verdict_note = "区分を選ぶかＮｃを入力するまで判定しません。";
    return;
  }
  row.verdict_text = clay_verdict_text(passes(r));
  // A sign needs two numbers to compare; none reads as a pass where one is missing.
  row.sign_text = outside || no_reaction || !std::isfinite(qa_value_[r])
                      ? kNotComputed
                      : clay_sign_text(qa_value_[r], load_.max_reaction[r]);
  row.verdict_note = outside       ? resultant_outside_message(r)
                     : beyond      ? beyond_classes_message(r)
                     : no_reaction ? no_reaction_message(r)
                                   : "";
}

bool ClayCheck::passes(int r) const {
  return computable(r) &&
         !beyond_eccentricity_classes(val(rows_[r].ratio_text)) &&
         clay_case_passes(qa_value_[r], load_.max_reaction[r]);
}

bool clay_case_passes(double qa, double max_reaction) {
  return std::isfinite(qa) && max_reaction > 0.0 && qa >= max_reaction;
}

const char* clay_verdict_text(bool passes) { return passes ? "Ｏ.Ｋ." : "ＯＵＴ"; }

const char* clay_sign_text(double qa, double max_reaction) {
  const bool reaches = qa >= max_reaction;
  const bool shown_equal =
      model::format_pattern(qa, "###0.000") == model::format_pattern(max_reaction, "###0.000");
  return shown_equal ? (reaches ? "≧" : "≦") : (reaches ? "＞" : "＜");
}

std::string beyond_classes_message(int c) {
  return std::string(c == 0 ? "常時" : "地震時") + "の|ε|は表の最大の区分 " +
         model::format_pattern(kLastEccentricityClass, "0.0") +
         " を超えています。表にないのでＯＵＴです。";
}

std::string no_reaction_message(int c) {
  return std::string(c == 0 ? "常時" : "地震時") +
         "の最大反力は求められていません。qaと比べられないのでＯＵＴです。";
}

std::string below_strength_classes_notice(const std::string& strength_text) {
  const std::string first = model::format_pattern(kFirstStrengthClass, "0.0");
  return "Bk/Co " + strength_text + " は最小の区分 " + first + " より小さいため、区分 " + first +
         " のｂは Bk/Co " + strength_text + " で計算します（区分の値には切り上げません）。";
}

bool ClayCheck::ok(model::MessageSink& sink) {
  if (!loaded_) return false;
  // A box still being edited counts as left; one that goes back is shown with its value held
  // and its notice, and nothing is written from the text it had.
  box_verdict_ = model::TypedNumber::stands;
  for (int r = 0; r < 2; ++r) {
    const model::TypedNumber v = leave_nc_box(r);
    if (box_verdict_ == model::TypedNumber::stands) box_verdict_ = v;
  }
  if (box_verdict_ != model::TypedNumber::stands) return false;
  const int cases = seismic_check_ != 0 ? 2 : 1;
  std::array<std::optional<ReportPage>, 2> pages;
  for (int c = 0; c < cases; ++c) {
    // A case without a base to bear it has no Nc and no qa; its page says so and fails.
    if (computable(c) && !std::isfinite(qa_value_[c])) {
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle, "Ｎｃに誤りがあります。");
      return false;
    }
    // A page states a verdict; a row not judged has none to give.
    if (rows_[c].verdict_text == "－") {
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                        std::string(c == 0 ? "常時" : "地震時") +
                            "の区分を選ぶか、Ｎｃを入力してください。");
      return false;
    }
    pages[c] = clay_check_page(*this, c);
    if (!pages[c]->unfit().empty()) {
      sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle, pages[c]->unfit());
      return false;
    }
  }
  std::optional<std::string> failed;
  for (int c = 0; c < cases && !failed; ++c) {
    const std::string name = sand_page_file_name(c);
    if (!write_report_file(folder_ / name, pages[c]->bytes())) failed = name;
  }
  if (!failed && cases == 1) failed = remove_seismic_report(folder_);
  if (failed) {
    sink.show_message(model::MessageIcon::Exclamation, model::kAppTitle,
                      unwritable_file_message(*failed));
    return false;
  }
  return true;
}

ReportPage clay_check_page(const ClayCheck& check, int c) {
  const EccentricLoad& f = check.load();
  ReportPage page(eccentric_page_head(f, c, "$1  QVT_HKG2.PFM"));
  page.field(0, "Ｈ", f.horizontal_force[c], "###0.000", 9);
  page.field(1, "Ｖ", f.vertical_force[c], "###0.000", 10);
  page.field(2, "tanθ", check.tan_theta(c), "#0.000", 6);
  page.field(3, "ｅ", f.eccentricity[c], "#0.000", 6);
  page.field(4, "Ｂ", f.body_width, "#0.000", 6);
  // 2e/B as the dialog showed it and chose its class by: one rounding of one number.
  page.field(5, "2e/B", shown_eccentricity_ratio(f, c), "#0.000", 6);
  page.field(6, "Ｂ", f.body_width, "#0.000", 6);
  page.field(7, "ｋ", f.strength_gradient, "#0.00", 5);
  page.field(8, "ｃ0", f.base_cohesion, "##0.00", 6);
  page.field(9, "Bk/Co",
             model::round_in_units(f.body_width * f.strength_gradient / f.base_cohesion, 0.01, 0),
             "##0.00", 6);
  const bool computable = check.computable(c);
  const bool reaction = f.max_reaction[c] > 0.0;
  if (computable)
    page.field(10, "Ｎｃ", check.nc_value(c), "##0.00", 6);
  else
    page.text_field(10, kNotComputed, 6);
  page.field(11, "Ｆs", check.safety_factor(c), "#0.000", 6);
  page.field(12, "ｑ0", f.overburden, "###0.000", 8);
  if (computable)
    page.field(13, "ｑａ", check.qa_value(c), "###0.000", 9);
  else
    page.text_field(13, kNotComputed, 9);
  if (reaction)
    page.field(15, "最大反力", f.max_reaction[c], "###0.000", 9);
  else
    page.text_field(15, kNotComputed, 9);
  // The sign is true of qa and the reaction as the page prints them, and stands only where both
  // are numbers; the verdict also fails a reaction never computed, a resultant outside the
  // base and a 2e/B beyond the last class.
  const double qa = check.qa_value(c);
  page.line(utf8_to_cp932_lossy(std::string("14  ") +
                                (computable && reaction && std::isfinite(qa)
                                     ? clay_sign_text(qa, f.max_reaction[c])
                                     : kNotComputed)));
  page.line(utf8_to_cp932_lossy(std::string("16  ") + clay_verdict_text(check.passes(c))));
  page.line("$E");
  return page;
}

}  // namespace qvt::results
