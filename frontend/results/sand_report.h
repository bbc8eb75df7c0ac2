#pragma once
// The sand check's report: per load case a print page DM<case>06SHK.PDT for the report viewer and
// the chart figure M_HSK<case>6H.PZK it shows, with the case's point drawn on the chosen chart.
#include "frontend/results/bearing_chart.h"
#include "frontend/results/eccentric_load_file.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qvt::results {

// What the dialog holds at OK; [0] normal, [1] seismic.
struct SandCheckValues {
  EccentricLoad load;
  std::array<double, 2> tan_theta{};
  std::array<int, 2> chart_choice{};
  std::array<double, 2> n_value{};
  std::array<double, 2> bearing_capacity{};
  std::array<double, 2> safety_factor{};
  std::array<double, 2> required_safety_factor{};
};

// "DM006SHK.PDT" / "DM106SHK.PDT" and "M_HSK06H.PZK" / "M_HSK16H.PZK".
std::string sand_page_file_name(int load_case);
std::string sand_figure_file_name(int load_case);

// The lines every eccentric check page begins with (CP932, no line ends): the title with the
// case label, the stamp line with the title after eight blanks, and the page record.
std::vector<std::string> eccentric_page_head(const EccentricLoad& load, int load_case,
                                             const std::string& page_record);
// A report page as it is built: its lines (CP932, no line ends) and the first field whose value
// does not fit its place.
class ReportPage {
 public:
  explicit ReportPage(std::vector<std::string> head) : lines_(std::move(head)) {}
  void line(std::string cp932) { lines_.push_back(std::move(cp932)); }
  // A field record: two digits, two blanks and the value by the pattern, right-aligned in the
  // width, which is the field's place on the printed page. A value whose text is wider is
  // written with fewer decimals, down to none, so it keeps its place; one that still does not
  // fit, or is no finite number, is written as blanks and named by unfit(): `name` says which
  // quantity it is.
  void field(int number, const char* name, double value, const char* pattern, std::size_t width);
  // A field record that holds a text instead of a number ("－" for a value that cannot be
  // computed), right-aligned in the width like a number.
  void text_field(int number, const std::string& utf8, std::size_t width);
  // "" when every field fits; else the message that names the first field that does not.
  const std::string& unfit() const { return unfit_; }
  // The lines, each ended by CR LF.
  std::string bytes() const;

 private:
  std::vector<std::string> lines_;
  std::string unfit_;
};

// The text of a value by its pattern within `width` characters, right-aligned: with the
// pattern's decimals when they fit, else with fewer, down to none; nullopt when not even the
// whole number fits or the value is no finite number.
std::optional<std::string> fitted_field_text(double value, const char* pattern, std::size_t width);

// Writes a page or figure whole or not at all.
bool write_report_file(const std::filesystem::path& path, const std::string& bytes);
// With the seismic case off, the seismic page and figure of an earlier confirmation are removed so
// the viewer cannot print them with this report. Returns the name of a file that could not be
// removed.
std::optional<std::string> remove_seismic_report(const std::filesystem::path& folder);

// The value right-aligned in five characters. Values below -9999 are written as -9999 so the
// field never loses its sign.
std::string pad_int_width5(int value);

// The verdict of a sand check case, as its page writes it ("ＯＫ" / "ＯＵＴ") and its dialog row
// shows it: F a finite number not below the design safety factor. (A resultant outside the
// base fails besides; see resultant_outside_base.)
bool sand_case_passes(double safety_factor, double required_safety_factor);
const char* sand_verdict_text(bool passes);

// The page of one case and its figure, as the bytes of the files (CP932, CR LF). The page prints
// 2e/B as the dialog shows it (shown_eccentricity_ratio), and so does the figure it is given.
ReportPage sand_check_page(const SandCheckValues& values, int load_case);
std::string chart_figure(const BearingChart& chart, int chart_index, double eccentricity_ratio,
                         double tan_theta, int load_case);

// Writes the normal case's page and figure, and the seismic case's when seismic_check is not 0;
// with the seismic case off, an older seismic page and figure are removed so the viewer cannot
// print them with this report. Each file is written whole or not at all, and no file is written
// when a field of a page does not fit its place. Returns the message that tells what went
// wrong: a field that does not fit, or the first file that could not be written (or removed);
// nullopt when all went well.
std::optional<std::string> write_sand_check_report(const std::filesystem::path& folder,
                                                   const SandCheckValues& values,
                                                   const std::array<BearingChart, kChartCount>& charts,
                                                   int seismic_check);
// The message of a file that could not be written.
std::string unwritable_file_message(const std::string& name);

}  // namespace qvt::results
