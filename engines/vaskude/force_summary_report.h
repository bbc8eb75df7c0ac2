#pragma once
// The force summary report DMMATOME.PDT and its table template D_MATOME.PFM.
#include "engines/common/condition_data.h"
#include "engines/common/result_chain_file.h"

#include <string>
#include <vector>

namespace qvt::vaskude {

// One data row of the summary table (texts UTF-8).
struct SummaryLine {
  const char* col1;   // first-column character, "" for none
  const char* label;
  engine::ForceSlot slot;  // of both cells
  bool normal_dash;   // the normal-case cell is always " ───── "
  const char* border;
};

// The data rows of the block/tangent-circle variant, or of the wall/lattice variant (split),
// with or without the vertical-component rows.
std::vector<SummaryLine> force_summary_rows(bool split, bool vertical_ignored);

// " ───── " (CP932) for exactly 0.0, otherwise " %11.3lf".
std::string summary_cell(double v);

void write_force_summary_report(const engine::ConditionData& cd, bool split);

}  // namespace qvt::vaskude
