#pragma once
// The eccentric inclined load check on a clay bearing layer, without its widgets: the coefficient
// table KS_AB.CSV, what every label and box of the dialog shows, the class lists that stand on
// one case's row at a time, Nc and qa, and the report page OK writes.
#include "frontend/model/messages.h"
#include "frontend/model/display_text.h"
#include "frontend/results/eccentric_load_file.h"
#include "frontend/results/number_entry.h"
#include "frontend/results/sand_report.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace qvt::results {

inline constexpr const char* kClayTableFile = "KS_AB.CSV";
inline constexpr int kClayListCount = 3;  // tan(theta), 2e/B, B k / c0

// The items of the three class lists; position 0 is "0", no class. Inclination position 6 is
// "0.25以上", where Nc comes from the formula KS_AB.CSV is made of (common/bearing_formulas.h,
// clay_factor), evaluated at the case's tan(theta) (0.25 for a milder one) with the row's
// 2e/B and B k / c0 classes: never above the class 0.25, falling as tan(theta) rises, the sliding
// limit (1 - 2e/B class) / tan(theta) beyond tan(theta) = 2 / (2 + pi).
inline constexpr std::array<int, kClayListCount> kClayListSizes = {7, 5, 11};
const char* clay_list_item(int list, int position);
inline constexpr int kSteepInclination = 6;
// The smallest B k / c0 class. A case below it has no class at or below its value: the class
// is never taken for it as it stands, b is computed from the case's own B k / c0 instead
// (ClayCheck::strength_notice says so).
inline constexpr double kFirstStrengthClass = 0.2;

// The classes a case opens with, each on the safe side of its value as the dialog shows it. In
// KS_AB.CSV a and b fall as the tan(theta) and 2e/B classes rise and b rises with the B k / c0
// class, so: tan(theta) and 2e/B take the nearest class at or above the value ("0.25以上" for a
// tan(theta) beyond 0.25), B k / c0 the nearest class at or below it (the smallest class when
// it lies below that, whose b then follows the case's own value). A 2e/B beyond the last class
// (0.8) has no class: it takes the last one and beyond_eccentricity_classes tells the case
// fails.
std::array<int, kClayListCount> safe_clay_classes(double tan_theta, double ratio, double strength);
inline constexpr double kLastEccentricityClass = 0.8;
bool beyond_eccentricity_classes(double ratio);

// a and b by (eccentricity class 0..4, inclination class 0..5, strength class 0..10); every
// entry with a class 0 is 0.
struct ClayCoefficientTable {
  std::array<double, 4> eccentricity_axis{};
  std::array<double, 5> inclination_axis{};
  std::array<double, 10> strength_axis{};
  double coef_a[5][6][11] = {};
  double coef_b[5][6][11] = {};
};

// KS_AB.CSV read line by line against its layout: a line of the 4 eccentricity classes, one of
// the 5 inclination classes, one of the 10 strength classes, then for each eccentricity class
// 1..4 and each strength class 1..10 one line of the five a (inclination classes 1..5) and the
// five b: 43 lines (blank lines at the end aside), 419 numbers. nullopt when the file is
// missing, a line holds another count of items or an item that is not a finite number, or the
// file has another count of lines: a repeated, missing or joined line would otherwise move a
// and b into other classes (a table not read whole is never used).
inline constexpr std::size_t kClayTableLines = 43;
std::optional<ClayCoefficientTable> read_clay_coefficient_table(const std::filesystem::path& path);

struct ClayCheckRow {
  std::string tan_theta_text = "***";                // "tanθ"
  std::string ratio_text = "***";                    // "|ε|"
  std::string strength_text = "***";                 // "Bk/Co"
  std::array<int, kClayListCount> positions{};       // the row's class choices
  std::string a_text = "***";                        // "ａ"
  std::string b_text = "***";                        // "ｂ"
  std::string nc_text = "0.00";                      // the "Ｎｃ" box
  // Whether Nc can be typed: not for a resultant outside the base, which leaves no base to
  // bear anything (Nc, a, b and qa show "－" then).
  bool nc_editable = true;
  std::string qa_text = "***";                       // qa
  // The sign between qa and the maximum reaction, as the page writes it; empty while
  // the row is not judged, "－" when the two cannot be compared (no reaction computed, no
  // base to bear the load).
  std::string sign_text;
  // The maximum reaction of CAL_HEN.DAT that qa is compared with; "－" when it was not
  // computed (0).
  std::string reaction_text = "***";
  // The verdict the page will write, qa against the maximum reaction; "－" while the row
  // is not judged (a list at "0" and no Nc typed); empty while the row checks nothing.
  std::string verdict_text;
  // Why the verdict fails whatever qa reads (the resultant outside the base, a 2e/B beyond the
  // last class, a reaction not computed) or why the row is not judged; shown with it.
  std::string verdict_note;
};

// The verdict of a clay check case, as its page writes it ("Ｏ.Ｋ." / "ＯＵＴ") and its dialog
// row shows it: qa a finite number not below the maximum ground reaction, which must have been
// computed (above 0; a reaction of 0 was never computed and proves nothing). A resultant outside
// the base fails besides (ClayCheck::passes).
bool clay_case_passes(double qa, double max_reaction);
const char* clay_verdict_text(bool passes);
// The message that tells why a case whose 2e/B lies beyond the last class fails.
std::string beyond_classes_message(int load_case);
// The message that tells why a case whose maximum reaction was not computed fails.
std::string no_reaction_message(int load_case);
// The notice of a B k / c0 below the smallest class (its value as the dialog shows it).
std::string below_strength_classes_notice(const std::string& strength_text);

class ClayCheck {
 public:
  enum class Load { ready, unreadable };

  // Reads CAL_HEN.DAT of the work folder and KS_AB.CSV of the install folder and fills both rows,
  // each checked case with its safe classes chosen (safe_clay_classes), so the first verdict is
  // the one a checking engineer reaches. safety_factors are the project's bearing factors of
  // safety [case]; a factor of 0 is used as 1 and shown so on the page, the project is left as
  // it is. A case whose resultant lies outside the base, or whose 2e/B lies beyond the last
  // class, is told and fails; a case whose maximum reaction was not computed fails with the
  // reason beside its verdict; the other case is checked as usual.
  Load load(const std::filesystem::path& work_folder,
                 const std::filesystem::path& install_folder, int seismic_check,
                 const std::array<double, 2>& safety_factors, model::MessageSink& sink);

  // The row the class lists stand on. Entering the other row keeps the choices of the row left
  // (shown as plain texts there) and brings back those of the row entered, recomputing it;
  // entering the row the lists already stand on changes nothing.
  int current_row() const { return current_row_; }
  void enter_row(int row);
  // A class chosen in one of the lists: a, b, Nc and qa of the current row follow.
  void choose_class(int list, int position);
  // Nc typed (or pasted): qa follows at once while the text stands (kNcRange); a text that does
  // not stand leaves qa at the value the box holds. Leaving the box holds a text that stands,
  // reformatted to two decimals, and takes any other back to the value held; the result says
  // which, for the box's notice.
  void set_nc_text(int row, const std::string& text);
  model::TypedNumber leave_nc_box(int row);

  // The verdict of case r as its row and page show it.
  bool passes(int r) const;
  // Whether case r has an Nc to judge: every class chosen, or an Nc typed by hand.
  bool judged(int r) const;
  // Whether case r has a base to bear its load (the resultant within it): else no Nc and no qa
  // can be computed, the row and its page show "－" for them and the case fails.
  bool computable(int r) const;
  // The notice of a B k / c0 below the smallest class, kept in view by the dialog; empty for
  // another value.
  const std::string& strength_notice() const { return strength_notice_; }

  // OK: a box still being edited counts as left; then writes the report page of each checked
  // case. True when the dialog may close; false when it stays open: a box went back
  // (box_verdict tells why, for its notice), or the user is told of a row not judged, a value
  // that does not fit its place on the page or a page that could not be written.
  bool ok(model::MessageSink& sink);
  model::TypedNumber box_verdict() const { return box_verdict_; }
  bool ok_enabled() const { return loaded_; }

  const ClayCheckRow& row(int r) const { return rows_[r]; }
  const EccentricLoad& load() const { return load_; }
  double qa_value(int r) const { return qa_value_[r]; }
  double nc_value(int r) const { return nc_value_[r]; }
  double safety_factor(int r) const { return safety_factor_[r]; }
  double tan_theta(int r) const { return tan_theta_[r]; }

 private:
  void update_row(int r);
  // B k / c0 the b of strength class k is computed with: the class value, or the case's own
  // value where it lies below the smallest class.
  double strength_of_class(int k) const;
  void compute_qa(int r);
  void judge(int r);
  bool checked(int r) const { return r == 0 || seismic_check_ != 0; }

  std::filesystem::path folder_;
  int seismic_check_ = 0;
  bool loaded_ = false;
  std::optional<ClayCoefficientTable> table_;
  EccentricLoad load_;
  int current_row_ = 0;
  std::array<ClayCheckRow, 2> rows_;
  std::array<double, 2> tan_theta_{};
  std::string strength_notice_;
  std::array<NumberEntry, 2> nc_{NumberEntry(kNcRange, "0.00"), NumberEntry(kNcRange, "0.00")};
  model::TypedNumber box_verdict_ = model::TypedNumber::stands;
  std::array<double, 2> nc_value_{};
  std::array<double, 2> qa_value_{};
  std::array<double, 2> safety_factor_{1.0, 1.0};
};

// The page of one case (CP932, CR LF). It prints 2e/B as the dialog shows it, and "－" for Nc,
// qa, the sign and the maximum reaction where they cannot be computed.
ReportPage clay_check_page(const ClayCheck& check, int load_case);

// The sign between qa and the maximum reaction, true of the two numbers as printed: where they
// print equal it says equality with the comparison's side ("≧" when qa reaches the reaction,
// "≦" when it falls short), else "＞" or "＜".
const char* clay_sign_text(double qa, double max_reaction);

}  // namespace qvt::results
