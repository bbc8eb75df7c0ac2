#include "engines/zenobar/block_table_rows.h"

#include "engines/common/print_data.h"

#include <string>

namespace qvt::zenobar {

void write_block_table_heading(engine::PrintFile& report, int keep, std::string_view block_name,
                               std::string_view label) {
  const std::string name(block_name);
  const std::string text(label);
  report.keep_record(keep);
  report.table_start();
  report.block_record("QVT_BK00.PFM");
  report_printf(report, "00  《%s》 \n", name.c_str());
  report_printf(report, "01  %s\n", text.c_str());
  report.repeat_header("QVT_BK03.PFM");
  report_printf(report, "01  %s\n", text.c_str());
}

double centroid_of(double moment, double weight) {
  return weight == 0.0 ? 0.0 : round3(moment / weight);
}

void write_block_total_and_end(engine::PrintFile& report, const BlockResult& result,
                               int moment_y_width) {
  report.block_record("QVT_BK02.PFM");
  report_printf(report, "00  %9.3f \n", result.weight);
  report_printf(report, "01  %7.3f \n", result.centroid_x);
  report_printf(report, "02  %7.3f \n", result.centroid_y);
  report_printf(report, "03  %10.3f \n", result.moment_x);
  report_printf(report, "04  %*.3f \n", moment_y_width, result.moment_y);
  report.repeat_header_end();
  report.table_end();
}

}  // namespace qvt::zenobar
