#pragma once
// The eccentric inclined load check on a sandy bearing layer, without its widgets: what every
// label and box of the dialog shows, how N, Q and F follow the chart choice and the typed N, and
// what OK writes.
#include "frontend/model/messages.h"
#include "frontend/model/display_text.h"
#include "frontend/results/bearing_chart.h"
#include "frontend/results/number_entry.h"
#include "frontend/results/sand_report.h"

#include <array>
#include <filesystem>
#include <string>

namespace qvt::results {

struct SandCheckRow {
  std::string tan_theta_text = "***";  // "tanθ"
  std::string ratio_text = "***";      // "|ε|" (2e/B)
  int chart_index = -1;                // the "φ" chart list, -1: no selection
  std::string n_text;                  // the "Ｎ" box; empty while N awaits the user's
  std::string f_text = "***";          // "Ｆ"; empty while N awaits the user's
  std::string design_text = "1.000";   // the "設計安全率" box, as load() opens it
  // "判定": the verdict the page will write, F against the design factor as typed;
  // "－" while the row is not judged (a layer weaker than every chart, N not yet typed by hand);
  // empty while the row checks nothing.
  std::string verdict_text;
  // Why the verdict fails whatever F reads (the resultant outside the base), or why the row is
  // not judged; shown with it.
  std::string verdict_note;
};

class SandCheck {
 public:
  enum class Load {
    ready,       // the dialog is shown and usable
    unreadable,  // CAL_HEN.DAT could not be read: the message was shown; OK stays disabled
    no_dialog,   // a chart could not be loaded: the message was shown; no dialog is offered
  };

  // Reads CAL_HEN.DAT of the work folder and the four charts shipped in the install folder,
  // fills both rows and chooses in each the chart of the bearing layer's phi
  // (opening_chart_index), which reads N and computes Q and F. The charts hold the N of
  // failure, so each case's design safety factor opens on its bearing safety factor of the
  // design conditions, safety_factors [case] (conditions_design_factor), as the clay check's
  // qa takes it; a factor typed in the dialog is the user's from then on. A case whose
  // resultant lies outside the base is told and fails; the other case is checked as usual. A
  // layer whose phi lies below the smallest chart's opens on that chart with a notice the
  // dialog keeps in view (below_charts_notice) and beside each row's verdict: every chart's N
  // belongs to a stronger soil than the layer's, so N and F stay empty and no row is judged
  // ("－") until its N is typed by hand. A hand-over whose bearing unit weight no soil has is
  // refused as unreadable.
  Load load(const std::filesystem::path& work_folder,
                 const std::filesystem::path& install_folder, int seismic_check,
                 double bearing_phi, const std::array<double, 2>& safety_factors,
                 model::MessageSink& sink);

  // A chart chosen in a row's box: N is read at the row's point and Q and F follow. A point off
  // the chart gives N 0.00 and a warning (N can be typed). A resultant outside the base reads
  // no chart: N 0.00. Below every chart no chart is read: N and F are emptied until N is typed.
  void choose_chart(int load_case, int chart_index, model::MessageSink& sink);
  // The row's N box typed (or pasted into): Q, F and the verdict follow while the text stands
  // (kNRange); a text that does not stand leaves them at the value the box holds.
  void set_n_text(int load_case, const std::string& text);
  void set_design_text(int load_case, const std::string& text);
  // Leaving a box: a text that stands is held and reformatted (N to two decimals, then
  // recomputed; the factor to three); any other goes back to the value held. The result says
  // which, for the box's notice.
  model::TypedNumber leave_n_box(int load_case);
  model::TypedNumber leave_design_box(int load_case);

  // OK: a box still being edited counts as left; then writes the report of the checked cases.
  // True when the dialog may close; false when it stays open: a box went back (box_verdict
  // tells why, for its notice), or the user is told of a design factor not above 0, a row not
  // judged, a value that does not fit its place on the page or a file that could not be
  // written.
  bool ok(model::MessageSink& sink);
  // What the boxes held at the last OK: stands, or why one of them went back.
  model::TypedNumber box_verdict() const { return box_verdict_; }
  // The notice of a layer weaker than every chart; empty for another layer.
  const std::string& below_charts_notice() const { return below_charts_notice_; }

  bool ok_enabled() const { return loaded_; }
  const SandCheckRow& row(int load_case) const { return rows_[load_case]; }
  const SandCheckValues& values() const { return values_; }

 private:
  void compute(int load_case);
  void judge(int load_case);
  bool checked(int load_case) const { return load_case == 0 || seismic_check_ != 0; }
  bool judged(int load_case) const;

  std::filesystem::path folder_;
  int seismic_check_ = 0;
  bool loaded_ = false;
  std::string below_charts_reason_;
  std::string below_charts_notice_;
  std::array<BearingChart, kChartCount> charts_;
  std::array<SandCheckRow, 2> rows_;
  std::array<NumberEntry, 2> n_{NumberEntry(kNRange), NumberEntry(kNRange)};
  std::array<NumberEntry, 2> design_{NumberEntry(kDesignFactorRange, "1.000"),
                                     NumberEntry(kDesignFactorRange, "1.000")};
  model::TypedNumber box_verdict_ = model::TypedNumber::stands;
  SandCheckValues values_;
};

}  // namespace qvt::results
