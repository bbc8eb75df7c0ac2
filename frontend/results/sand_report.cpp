#include "frontend/results/sand_report.h"

#include "common/cp932.h"
#include "common/textfile.h"
#include "frontend/model/display_text.h"

#include <cmath>
#include <cstdio>
#include <system_error>
#include <vector>

namespace qvt::results {

namespace {

// Chart origin on the page and page units per chart unit.
constexpr double kOriginX = 1950.0;
constexpr double kOriginY = 3100.0;
constexpr double kScale = 1891.0 / 100.0;

const char* const kChartTitles[kChartCount] = {"φ＝30ﾟ", "φ＝35ﾟ", "φ＝40ﾟ", "φ＝45ﾟ"};
constexpr int kGridRows[kChartCount] = {7, 8, 9, 9};

// Fix: toward zero, kept as a double so that no value, however far off the chart, overflows an
// integer on the way; position() alone turns a page value into an integer, saturating.
double fix(double v) { return std::trunc(v); }

// A page position: computed in full, rounded once, an exact half to the even integer, held
// within the 16-bit range of the figure's fields (not a number gives 0).
int position(double v) { return model::to_i16(v); }

class FigureWriter {
 public:
  explicit FigureWriter(const std::string& name) {
    line(name);
    line("46  35");
  }
  void draw(double x1, double y1, double x2, double y2, int pen) {
    line("L" + pad_int_width5(position(x1)) + pad_int_width5(position(y1)) +
         pad_int_width5(position(x2)) + pad_int_width5(position(y2)) + " 0 " +
         std::to_string(pen));
  }
  // A text; utf8 is converted to the file's code page.
  void text(double x, double y, int size, const std::string& utf8) {
    line("K" + pad_int_width5(position(x)) + pad_int_width5(position(y)) + pad_int_width5(size) +
         pad_int_width5(size) + "    0 2");
    line(utf8_to_cp932_lossy(utf8));
  }
  // A text with a box of four lines around it, as the point's values are marked.
  void boxed_text(double x, double y, const std::string& t) {
    text(x, y, 50, t);
    const double length = static_cast<double>(t.size());
    const double left = x - 12.5, right = x + length * 25 + 12.5;
    const double bottom = y + 5, top = y - 55;
    draw(left, bottom, left, top, 2);
    draw(left, top, right, top, 2);
    draw(right, top, right, bottom, 2);
    draw(right, bottom, left, bottom, 2);
  }
  const std::string& bytes() const { return bytes_; }

 private:
  void line(const std::string& text) { bytes_ += text + "\r\n"; }
  std::string bytes_;
};

double page_x(double chart_x) { return kOriginX + fix(kScale * chart_x); }
double page_y(double chart_y) { return kOriginY - fix(kScale * chart_y); }

// The shortest decimal text of a label (25 as "25", 12.5 as "12.5").
std::string label_text(double label) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", label);
  return text;
}

bool label_skipped(int chart_index, int curve) {
  if (chart_index == 2) return curve == 2 || curve == 6;
  if (chart_index == 3) return curve == 2 || curve == 4 || curve == 6 || curve == 8;
  return false;
}

std::string right_aligned(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

std::optional<std::string> fitted_field_text(double value, const char* pattern, std::size_t width) {
  if (!std::isfinite(value)) return std::nullopt;
  const std::string_view p(pattern);
  const std::size_t point = p.find('.');
  int decimals = point == std::string_view::npos ? 0 : static_cast<int>(p.size() - point - 1);
  for (std::string fewer(pattern);; ) {
    const std::string text = model::format_pattern(value, fewer);
    if (text.size() <= width) return right_aligned(text, width);
    if (decimals == 0) return std::nullopt;
    --decimals;
    fewer = decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
  }
}

void ReportPage::field(int number, const char* name, double value, const char* pattern,
                       std::size_t width) {
  char head[8];
  std::snprintf(head, sizeof head, "%02d  ", number);
  const std::optional<std::string> text = fitted_field_text(value, pattern, width);
  if (!text && unfit_.empty())
    unfit_ = std::string(name) + " の値 " +
             (std::isfinite(value) ? model::format_pattern(value, pattern) : std::string("***")) +
             " は帳票の欄に収まりません。";
  lines_.push_back(head + text.value_or(std::string(width, ' ')));
}

void ReportPage::text_field(int number, const std::string& utf8, std::size_t width) {
  char head[8];
  std::snprintf(head, sizeof head, "%02d  ", number);
  lines_.push_back(head + right_aligned(utf8_to_cp932_lossy(utf8), width));
}

std::string ReportPage::bytes() const { return join_crlf(lines_); }

std::string unwritable_file_message(const std::string& name) {
  return "ファイル(" + name + ")が書き込めません。";
}

std::vector<std::string> eccentric_page_head(const EccentricLoad& f, int c,
                                             const std::string& page_record) {
  std::vector<std::string> lines;
  lines.push_back(utf8_to_cp932_lossy(std::string("偏心傾斜荷重") + "　　　　　" +
                                      (c == 0 ? "〈常  時〉" : "〈地震時〉")));
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "%4d%4d%4d%4d%4d%4d        ", f.stamp_date[0],
                f.stamp_date[1], f.stamp_date[2], f.stamp_time[0], f.stamp_time[1],
                f.stamp_time[2]);
  lines.push_back(stamp + f.project_title);
  lines.push_back(page_record);
  return lines;
}

bool write_report_file(const std::filesystem::path& path, const std::string& bytes) {
  return replace_file_bytes(path, bytes);
}

std::optional<std::string> remove_seismic_report(const std::filesystem::path& folder) {
  for (const std::string& stale : {sand_page_file_name(1), sand_figure_file_name(1)}) {
    std::error_code ec;
    std::filesystem::remove(folder / stale, ec);
    if (ec) return stale;
  }
  return std::nullopt;
}

std::string sand_page_file_name(int load_case) {
  return "DM" + std::to_string(load_case) + "06SHK.PDT";
}

std::string sand_figure_file_name(int load_case) {
  return "M_HSK" + std::to_string(load_case) + "6H.PZK";
}

std::string pad_int_width5(int value) {
  if (value < -9999) value = -9999;
  const std::string digits = "    " + std::to_string(value);
  return digits.substr(digits.size() - 5);
}

bool sand_case_passes(double safety_factor, double required_safety_factor) {
  return std::isfinite(safety_factor) && safety_factor >= required_safety_factor;
}

const char* sand_verdict_text(bool passes) { return passes ? "ＯＫ" : "ＯＵＴ"; }

ReportPage sand_check_page(const SandCheckValues& v, int c) {
  const EccentricLoad& f = v.load;
  ReportPage page(eccentric_page_head(f, c, "$1  QVT_HKG1.PFM    " + sand_figure_file_name(c)));
  page.field(0, "Ｈ", f.horizontal_force[c], "###0.000", 9);
  page.field(1, "Ｖ", f.vertical_force[c], "###0.000", 10);
  page.field(2, "tanθ", v.tan_theta[c], "#0.000", 6);
  page.field(3, "ｅ", f.eccentricity[c], "#0.000", 6);
  page.field(4, "Ｂ", f.body_width, "#0.000", 6);
  // 2e/B as the dialog showed it and read the chart with: one rounding of one number.
  page.field(5, "2e/B", shown_eccentricity_ratio(f, c), "#0.000", 6);
  page.field(6, "Ｎ", v.n_value[c], "#0.00", 6);
  page.field(7, "設計安全率", v.required_safety_factor[c], "#0.000", 5);
  page.field(8, "Ｑ", v.bearing_capacity[c], "#0.000", 8);
  page.field(9, "Ｆ", v.safety_factor[c], "#0.000", 6);
  page.field(13, "γ", f.bearing_unit_weight, "##0.000", 6);
  // The sign compares F with the design factor; the verdict also fails a resultant that lies
  // outside the base, whatever F reads.
  const bool f_passes = sand_case_passes(v.safety_factor[c], v.required_safety_factor[c]);
  page.line(utf8_to_cp932_lossy(f_passes ? "10  ≧" : "10  ＜"));
  page.line(utf8_to_cp932_lossy(std::string("11  ") +
                                sand_verdict_text(f_passes && !resultant_outside_base(f, c))));
  page.line("$E");
  return page;
}

std::string chart_figure(const BearingChart& chart, int chart_index, double eccentricity_ratio,
                         double tan_theta, int load_case) {
  FigureWriter fig(sand_figure_file_name(load_case));
  // Curves: every fifth point from point 1, then on to the last point.
  for (const ChartCurve& curve : chart.curves) {
    const int count = static_cast<int>(curve.points.size());
    if (count == 0) continue;
    int from = 0;
    for (int i = 1; i <= count - 3; i += 5) {
      fig.draw(page_x(curve.points[from].x), page_y(curve.points[from].y),
               page_x(curve.points[i].x), page_y(curve.points[i].y), 3);
      from = i;
    }
    fig.draw(page_x(curve.points[from].x), page_y(curve.points[from].y),
             page_x(curve.points[count - 1].x), page_y(curve.points[count - 1].y), 3);
  }
  const int rows = kGridRows[chart_index];
  const double top = kOriginY - fix((rows - 1) * 10 * kScale);
  for (int i = 0; i <= 10; ++i) {
    const double xi = kOriginX + fix(i * 10 * kScale);
    fig.draw(xi, kOriginY, xi, top, 2);
    if (i % 2 == 0) {
      const std::string t = model::format_pattern(i * 0.1, "0.0");
      fig.text(xi - t.size() * 50.0 / 4, kOriginY + 75, 50, t);
    }
  }
  {
    const double x = kOriginX + fix(90 * kScale) - 30, y = kOriginY + 156;
    fig.text(x, y, 60, "ε");
    fig.draw(x, y - 60, x, y, 2);
    fig.draw(x + 60, y - 60, x + 60, y, 2);
  }
  for (int i = 0; i < rows; ++i) {
    const double yi = kOriginY - fix(i * 10 * kScale);
    fig.draw(kOriginX, yi, kOriginX + fix(100 * kScale), yi, 2);
    const std::string t = model::format_pattern(i * 0.1, "0.0");
    fig.text(kOriginX - 25 - t.size() * 25.0, yi + 25, 50, t);
  }
  fig.text(kOriginX - 300, kOriginY - fix(((rows - 1) * 10 - 5) * kScale) + 30, 60, "tanθ");
  fig.text(kOriginX + fix(50 * kScale) - 105, top - 30, 60, kChartTitles[chart_index]);
  for (int j = 0; j < static_cast<int>(chart.curves.size()); ++j) {
    if (label_skipped(chart_index, j)) continue;
    const ChartCurve& curve = chart.curves[j];
    const std::string t = label_text(curve.label);
    fig.text(page_x(curve.label_at.x) - std::round(t.size() * 55.0 / 4),
             page_y(curve.label_at.y) + 27.5, 55, t);
  }
  if (!chart.curves.empty()) {
    const ChartCurve& last = chart.curves.back();
    fig.text(page_x(last.label_at.x) + 30, page_y(last.label_at.y) - 60, 60, "N=");
  }
  // The case's point with its two leader lines to the axes and its two values.
  const double px = 100 * eccentricity_ratio, py = 100 * tan_theta;
  const double point_x = page_x(px), point_y = page_y(py);
  fig.draw(point_x, point_y, kOriginX, point_y, 2);
  fig.draw(point_x, point_y, point_x, kOriginY, 2);
  const std::string tx = model::format_pattern(px / 100, "0.000");
  fig.boxed_text(point_x - tx.size() * 50.0 / 4, kOriginY + 130, tx);
  const std::string ty = model::format_pattern(py / 100, "0.000");
  fig.boxed_text(kOriginX - ty.size() * 25.0 - 125, point_y + 25, ty);
  return fig.bytes();
}

std::optional<std::string> write_sand_check_report(
    const std::filesystem::path& folder, const SandCheckValues& values,
    const std::array<BearingChart, kChartCount>& charts, int seismic_check) {
  const int cases = seismic_check != 0 ? 2 : 1;
  std::array<std::optional<ReportPage>, 2> pages;
  for (int c = 0; c < cases; ++c) {
    const int choice = values.chart_choice[c];
    if (choice < 0 || choice >= kChartCount) return unwritable_file_message(sand_figure_file_name(c));
    pages[c] = sand_check_page(values, c);
    if (!pages[c]->unfit().empty()) return pages[c]->unfit();
  }
  for (int c = 0; c < cases; ++c) {
    const int choice = values.chart_choice[c];
    const std::string page = sand_page_file_name(c);
    const std::string figure = sand_figure_file_name(c);
    if (!write_report_file(folder / page, pages[c]->bytes())) return unwritable_file_message(page);
    if (!write_report_file(folder / figure,
                           chart_figure(charts[choice], choice,
                                        shown_eccentricity_ratio(values.load, c),
                                        values.tan_theta[c], c)))
      return unwritable_file_message(figure);
  }
  if (cases == 1) {
    if (const auto stale = remove_seismic_report(folder)) return unwritable_file_message(*stale);
  }
  return std::nullopt;
}

}  // namespace qvt::results
