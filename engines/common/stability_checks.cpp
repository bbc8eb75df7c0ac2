#include "engines/common/stability_checks.h"

#include "common/cp932.h"
#include "engines/common/engine_entry.h"
#include "engines/common/engine_message.h"
#include "engines/common/rounding_geometry.h"

#include <cstdio>
#include <filesystem>

namespace qvt::engine {

int case_count(const ConditionData& cd) { return cd.seismic_check != 0 ? 2 : 1; }

double rnd(double v) { return round_to_unit(v, 0.001, 0); }
double rdown(double v) { return round_to_unit(v, 0.001, 1); }

void report_not_computed(const std::string& check_name_cp932, int load_case,
                         const std::string& reason_cp932) {
  const std::string text = check_name_cp932 + std::string(case_label(load_case)) +
                           utf8_to_cp932_lossy("：") + reason_cp932 +
                           utf8_to_cp932_lossy("\nこの検討は満足しない (OUT) ものとして扱います。");
  engine_message(MessageKind::Error, std::string(kErrorTitle), text);
}

namespace {

// The print file shows its own message; the engine then stops without another one.
void show_print_error(std::string_view title, std::string_view text) {
  engine_message(MessageKind::Error, utf8_to_cp932_lossy(title), utf8_to_cp932_lossy(text));
}

}  // namespace

void open_report(PrintFile& file, const std::string& name) {
  if (!file.open(name, show_print_error)) stop_engine(EngineStop{});
}

void close_report(PrintFile& file) {
  if (!file.close(show_print_error)) stop_engine(EngineStop{});
}

void remove_stale_report(const std::string& name) {
  std::error_code ec;
  std::filesystem::remove(name, ec);
}

void write_report_head(PrintFile& file, const ConditionData& cd, const char* title_utf8,
                       int load_case) {
  file.case_title_line(utf8_to_cp932_lossy(title_utf8), load_case);
  const PrintStamp stamp{{cd.stamp_date[0], cd.stamp_date[1], cd.stamp_date[2]},
                         {cd.stamp_time[0], cd.stamp_time[1], cd.stamp_time[2]}};
  file.stamp_line(stamp, cd.project_title.view(), StampForm::title_right_aligned);
}

std::string report_name(int load_case, const char* stem) {
  return "DM" + std::to_string(load_case) + stem + ".PDT";
}

void number_field(PrintFile& file, int field, const char* format, double value) {
  // A zero that came out of a sign change is printed without its minus sign.
  if (value == 0) value = 0.0;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  file.field_record(field, format_text(format, value));
#pragma GCC diagnostic pop
}

void text_field(PrintFile& file, int field, const std::string& cp932_text) {
  file.field_record(field, cp932_text);
}

std::string mark_text(bool passes) { return utf8_to_cp932_lossy(passes ? "＞ " : "＜ "); }
std::string verdict_text(bool passes) { return utf8_to_cp932_lossy(passes ? "Ｏ.Ｋ." : "ＯＵＴ"); }

char option_variant(const ConditionData& cd) {
  if (cd.custom_options.backfill_vertical_ignored != 0) return 'e';
  if (cd.custom_options.passive_vertical_ignored != 0) return 'B';
  return 'N';
}

}  // namespace qvt::engine
