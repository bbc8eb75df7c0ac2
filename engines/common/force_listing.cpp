#include "engines/common/force_listing.h"

#include "common/cp932.h"
#include "engines/common/print_data.h"

#include <cstdio>
#include <initializer_list>

namespace qvt::engine {

namespace {

constexpr int kLabelColumn = 36;

std::string padded_label(const char* utf8) {
  std::string s = utf8_to_cp932_lossy(utf8);
  if (s.size() < kLabelColumn) s.append(kLabelColumn - s.size(), ' ');
  return s;
}

std::string values_text(const std::array<double, 30>& f, std::initializer_list<int> slots) {
  std::string out;
  bool first = true;
  for (int s : slots) {
    if (!first) out += ' ';
    out += format_text("%10.3f", f[s]);
    first = false;
  }
  return out;
}

void append_block(std::vector<std::string>& lines, const std::array<double, 30>& f, bool seismic) {
  const std::string dashes = "---------- ---------- ----------";
  lines.push_back(utf8_to_cp932_lossy(seismic ? "【地震時】" : "【常時】"));
  lines.push_back(padded_label("有効重量の合力") + values_text(f, {0, 1, 2}));
  lines.push_back(padded_label("地震時慣性力の合力") +
                  (seismic ? values_text(f, {3, 4, 5}) : dashes));
  lines.push_back(padded_label("主働土圧の水平成分合力") + values_text(f, {6}));
  lines.push_back(padded_label("残留水圧の合力") + values_text(f, {7}));
  lines.push_back(padded_label("受働土圧の水平合力") + values_text(f, {9}));
  lines.push_back(padded_label("主働土圧の鉛直成分合力") + values_text(f, {11}));
  lines.push_back(padded_label("その他の外力の水平成分合力") + values_text(f, {12}));
  lines.push_back(padded_label("その他の外力の鉛直成分合力") + values_text(f, {13}));
  lines.push_back(padded_label("有効重量によるモーメント") + values_text(f, {16, 17, 18}));
  lines.push_back(padded_label("地震時慣性力によるモーメント") +
                  (seismic ? values_text(f, {19, 20, 21}) : dashes));
  lines.push_back(padded_label("主働土圧水平成分によるモーメント") + values_text(f, {22}));
  lines.push_back(padded_label("残留水圧によるモーメント") + values_text(f, {23}));
  lines.push_back(padded_label("受働土圧水平成分によるモーメント") + values_text(f, {25}));
  lines.push_back(padded_label("主働土圧の鉛直成分によるモーメント") + values_text(f, {26}));
  lines.push_back(padded_label("その他の外力の水平成分モーメント") + values_text(f, {27}));
  lines.push_back(padded_label("その他の外力の鉛直成分モーメント") + values_text(f, {28}));
}

}  // namespace

std::vector<std::string> fixed_force_listing_lines(const std::array<double, 30>& normal,
                                                   const std::array<double, 30>& seismic) {
  std::vector<std::string> lines;
  append_block(lines, normal, false);
  lines.emplace_back();  // the normal block ends with an empty line
  append_block(lines, seismic, true);
  return lines;
}

}  // namespace qvt::engine
