#pragma once
// What the two stability engines share in their checks: the load cases a check computes,
// rounding to 0.001, the report of one case with its head and field records, and the message of
// a case that cannot be computed. The external and the internal engine print the same way
// because both use these.
#include "engines/common/condition_data.h"
#include "engines/common/print_data.h"

#include <string>

namespace qvt::engine {

// The load cases a check computes: the normal case, and the seismic case unless the seismic
// check is off.
int case_count(const ConditionData& cd);

double rnd(double v);    // to 0.001, nearest
double rdown(double v);  // to 0.001, down

// The message of a case a check cannot compute; the engine goes on. Text CP932.
void report_not_computed(const std::string& check_name_cp932, int load_case,
                         const std::string& reason_cp932);

// Opens a report, or stops the engine after the print file's message.
void open_report(PrintFile& file, const std::string& name);
void close_report(PrintFile& file);
// A case without a report must not leave an older report of the same name behind.
void remove_stale_report(const std::string& name);
// Title line (title padded to 22 bytes, then the case label) and stamp line of a case report.
void write_report_head(PrintFile& file, const ConditionData& cd, const char* title_utf8,
                       int load_case);
// "DM%d%s.PDT" with the case digit.
std::string report_name(int load_case, const char* stem);

// Field record helpers: "NN  " + the value in `format` (one double) or the text.
void number_field(PrintFile& file, int field, const char* format, double value);
void text_field(PrintFile& file, int field, const std::string& cp932_text);
// The "＞ " / "＜ " mark and the "Ｏ.Ｋ." / "ＯＵＴ" verdict, CP932.
std::string mark_text(bool passes);
std::string verdict_text(bool passes);
// Template variant of the options: 'e' (backfill vertical ignored), 'B' (passive vertical
// ignored), 'N' (neither).
char option_variant(const ConditionData& cd);

}  // namespace qvt::engine
