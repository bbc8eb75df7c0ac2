#pragma once
// The eccentric inclined load check on a sandy bearing layer, without its widgets: what every
// label and box of the dialog shows, how N, Q and F follow the chart choice and the typed N, and
// what OK writes.
#include "frontend/model/messages.h"
#include "frontend/results/bearing_chart.h"
#include "frontend/results/sand_report.h"

#include <array>
#include <filesystem>
#include <string>

namespace qvt::results {

struct SandCheckRow {
  std::string tan_theta_text = "***";  // lbl_1 / lbl_2
  std::string ratio_text = "***";      // lbl_3 / lbl_4 (2e/B)
  int chart_index = -1;                // cb_1 / cb_2, -1: no selection
  std::string n_text;                  // txt_N1 / txt_N2
  std::string f_text = "***";          // lbl_5 / lbl_6
  std::string design_text = "1.000";   // txt_f1 / txt_f2
  // lbl_7 / lbl_8: the verdict the page will write, F against the design factor as typed;
  // empty while the row checks nothing.
  std::string verdict_text;
  // Why the verdict fails whatever F reads (the resultant outside the base); shown with it.
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
  // (opening_chart_index), which reads N and computes Q and F. A case whose resultant lies
  // outside the base is told and fails; the other case is checked as usual.
  Load Form_Load(const std::filesystem::path& work_folder,
                 const std::filesystem::path& install_folder, int seismic_check,
                 double bearing_phi, model::MessageSink& sink);

  // A chart chosen in a row's box: N is read at the row's point and Q and F follow. A point off
  // the chart gives N 0.00 and a warning (N can be typed). A resultant outside the base reads
  // no chart: N 0.00.
  void choose_chart(int load_case, int chart_index, model::MessageSink& sink);
  // The row's N box changed (typed or filled by a reading).
  void set_n_text(int load_case, const std::string& text);
  void set_design_text(int load_case, const std::string& text);
  // Leaving a box reformats it (N to two decimals, then recomputed; the factor to three).
  void n_lost_focus(int load_case);
  void design_lost_focus(int load_case);

  // OK: writes the report of the checked cases. True when the dialog may close; false when it
  // stays open (a design factor not above 0, an N so large that Q or F is no finite number, a
  // file that could not be written: the user is told).
  bool ok(model::MessageSink& sink);

  bool ok_enabled() const { return loaded_; }
  const SandCheckRow& row(int load_case) const { return rows_[load_case]; }
  const SandCheckValues& values() const { return values_; }

 private:
  void compute(int load_case);
  void judge(int load_case);
  bool checked(int load_case) const { return load_case == 0 || seismic_check_ != 0; }

  std::filesystem::path folder_;
  int seismic_check_ = 0;
  bool loaded_ = false;
  std::array<BearingChart, kChartCount> charts_;
  std::array<SandCheckRow, 2> rows_;
  SandCheckValues values_;
};

}  // namespace qvt::results
