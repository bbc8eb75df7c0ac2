#include "common/cp932.h"
#include "engines/common/engine_entry.h"
#include "engines/common/engine_message.h"
#include "engines/common/print_data.h"
#include "engines/common/rounding_geometry.h"
#include "engines/zenobar/zenobar_data.h"

#include <cmath>

namespace qvt::zenobar {

namespace {

int g_non_finite = 0;

}  // namespace

double round3(double v) {
  if (!std::isfinite(v)) {
    ++g_non_finite;
    return 0;
  }
  const double r = engine::round_to_unit(v, 0.001, 0);
  if (!std::isfinite(r)) {
    ++g_non_finite;
    return 0;
  }
  return r;
}

double finite_value(double v) {
  if (std::isfinite(v)) return v;
  ++g_non_finite;
  return 0;
}

int non_finite_count() { return g_non_finite; }

void reset_non_finite_count() { g_non_finite = 0; }

void open_output(engine::PrintFile& file, const std::string& name) {
  engine::open_or_stop(file, name);
}

void close_output(engine::PrintFile& file) { engine::close_or_stop(file); }

void write_no_buoyancy_template(engine::PrintFile& report, const std::string& file_name,
                                std::string_view block_name_cp932, int slot) {
  report.block_record(file_name);
  engine::PrintFile file;
  open_output(file, file_name);
  const std::string lines[] = {
      "", utf8_to_cp932_lossy("《") + std::string(block_name_cp932) +
              utf8_to_cp932_lossy("》 浮力は作用しない")};
  engine::write_text_template(file, file_name, 2, lines);
  close_output(file);
  if (slot >= 0 && slot < BLOCK_SLOTS) run_data.block_results[slot][KIND_BUOYANCY].weight = 0;
}

}  // namespace qvt::zenobar
