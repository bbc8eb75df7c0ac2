#pragma once
// Writes the sibling program's design files for the tests, group by group from the file
// tables: one group a line, text lines on lines of their own, CP932, CR LF. Every item the
// system drops is a filler no used field holds (77 for an integer, 7777.25 for a number), so a
// reader that is one item off reads a filler where a value belongs and fails visibly.
#include "common/cp932.h"
#include "common/numtext.h"
#include "common/textfile.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace qvt::import::testing {

struct FixtureForce {
  std::string name = "";
  double vertical = 0, horizontal = 0, x = 0, y = 0;
};

// The used fields of a .TJ2, with values that tell them apart.
struct Tj2Fixture {
  int version = 2200;
  int seismic_studied = 1;
  std::array<double, 8> levels{1.5, 0.25, 0.75, 4.5, 5.5, 6.5, 7.5, 8.5};
  int top_surcharge_rule = 1;
  int check_point_number = 2;
  std::array<int, 3> force_counts{2, 1, 3};
  std::array<double, 4> top_x_min{0.5, 1.5, 2.5, 3.5}, top_x_max{1.25, 2.25, 3.25, 4.25};
  double top_loads[5][4] = {{10, 11, 12, 0}, {20, 21, 22, 0}, {30, 31, 32, 0}, {40, 41, 42, 0},
                            {50, 51, 52, 0}};
  FixtureForce forces[3][3] = {
      {{"荷重A, 北側", 1, 2, 3, 4}, {"  船舶牽引力  ", 5, 6, 7, 8}, {"C", 9, 10, 11, 12}},
      {{"地震A", 13, 14, 15, 16}, {"地震B", 17, 18, 19, 20}, {"", 0, 0, 0, 0}},
      {{"未使用", 21, 22, 23, 24}, {"x", 25, 26, 27, 28}, {"y", 29, 30, 31, 32}}};
  int dynamic_water_rule = 1;
  int adopted_case = 2;
  int group80_count = 2;
  std::array<int, 4> case_grid{1, 1, 0, 0};
};

class FixtureWriter {
 public:
  // Items written so far; a text line counts one.
  int items = 0;
  std::vector<std::string> lines;

  void group(const std::vector<std::string>& v) {
    std::string l;
    for (std::size_t k = 0; k < v.size(); ++k) l += (k ? "," : "") + v[k];
    lines.push_back(l);
    items += static_cast<int>(v.size());
  }
  void i(std::vector<int> v) {
    std::vector<std::string> s;
    for (int x : v) s.push_back(std::to_string(x));
    group(s);
  }
  void f(std::vector<double> v) {
    std::vector<std::string> s;
    for (double x : v) s.push_back(format_real_short(x));
    group(s);
  }
  void fill_i(int n) {
    if (n > 0) i(std::vector<int>(static_cast<std::size_t>(n), 77));
  }
  void fill_f(int n) {
    if (n > 0) f(std::vector<double>(static_cast<std::size_t>(n), 7777.25));
  }
  void text(const std::string& utf8) {
    lines.push_back(utf8_to_cp932_lossy(utf8));
    ++items;
  }
  void save(const std::filesystem::path& p) const { write_file_bytes(p, join_crlf(lines)); }

 private:
  static std::string format_real_short(double x) {
    std::string s = std::to_string(x);
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
  }
};

inline FixtureWriter write_tj2(const Tj2Fixture& t, bool stop_after_group67 = false) {
  FixtureWriter w;
  w.i({t.version});
  w.text("設計 タイトル");
  w.fill_i(3);
  w.fill_i(3);
  w.text("コメント");
  w.fill_i(1);
  w.i({t.seismic_studied});
  w.f({t.levels.begin(), t.levels.end()});
  w.fill_i(1);
  w.fill_i(1);
  w.fill_f(8);
  w.fill_i(1);
  w.fill_i(1);
  w.i({t.top_surcharge_rule});
  w.fill_f(1);
  w.fill_i(1);
  w.fill_f(1);
  w.fill_i(1);
  w.fill_i(1);
  w.i({t.check_point_number});
  w.i({t.force_counts[0], t.force_counts[1]});
  for (int k = 0; k < 5; ++k) w.fill_f(2);
  w.f({t.top_x_min.begin(), t.top_x_min.end()});
  w.f({t.top_x_max.begin(), t.top_x_max.end()});
  w.f({t.top_loads[0], t.top_loads[0] + 4});
  w.f({t.top_loads[1], t.top_loads[1] + 4});
  w.fill_f(1);
  w.fill_f(16);
  w.fill_f(32);
  w.fill_f(32);
  for (int r = 0; r < 5; ++r) {
    w.fill_i(1);
    for (int k = 0; k < 4; ++k) w.fill_f(2);
    w.fill_f(4);
    w.fill_i(2);
    w.fill_f(9);
  }
  auto forces = [&](int fc) {
    for (int row = 0; row < 3; ++row) {
      const FixtureForce& f = t.forces[fc][row];
      w.text(f.name);
      w.f({f.vertical, f.horizontal, f.x, f.y});
    }
  };
  forces(0);
  forces(1);
  w.fill_i(1);
  w.fill_f(16);
  w.fill_f(16);
  w.fill_f(32);
  w.fill_i(2);
  w.fill_f(100);
  w.fill_f(100);
  w.fill_i(1);
  w.fill_i(1);
  w.fill_i(4);
  w.fill_f(4);
  for (int k = 0; k < 4; ++k) w.text("説明");
  w.fill_f(4);
  w.fill_f(1);
  w.fill_i(1);
  for (int k = 0; k < 4; ++k) w.text("備考");
  for (int k = 0; k < 3; ++k) w.fill_i(4);
  for (int k = 0; k < 5; ++k) w.fill_f(4);
  for (int k = 0; k < 15; ++k) w.fill_f(4);
  for (int k = 0; k < 5; ++k) w.fill_f(2);
  w.i({t.dynamic_water_rule});
  w.fill_f(2);
  w.fill_f(2);
  w.fill_f(16);
  w.i({t.force_counts[2]});
  forces(2);
  if (stop_after_group67) return w;
  if (t.version >= 2133) {
    w.fill_i(1);
    w.fill_f(1);
  }
  if (t.version < 2200) return w;
  for (int r = 2; r < 5; ++r) w.f({t.top_loads[r], t.top_loads[r] + 3});
  w.i({t.adopted_case});
  w.fill_f(1);
  w.fill_f(5);
  w.fill_f(5);
  w.fill_i(3);
  w.fill_f(150);
  w.fill_f(150);
  w.fill_i(1);
  w.i({t.group80_count});
  for (int k = 0; k < t.group80_count; ++k) w.fill_f(3);
  w.fill_i(5);
  w.fill_i(7);
  w.i({t.case_grid.begin(), t.case_grid.end()});
  w.fill_i(2);
  w.fill_i(1);
  w.fill_i(1);
  w.fill_i(1);
  w.fill_f(1);
  return w;
}

// A check point file whose entry e carries number e + 1, x = 100 + e, y = 200 + e, z = 300 + e,
// flag e % 3 and block flags (e + k) % 2.
inline FixtureWriter write_tk2() {
  FixtureWriter w;
  for (int e = 0; e < 15; ++e) {
    w.i({e + 1});
    w.f({100.0 + e, 200.0 + e, 300.0 + e});
    w.i({e % 3});
    std::vector<int> flags;
    for (int k = 0; k < 20; ++k) flags.push_back((e + k) % 2);
    w.i(flags);
    w.fill_i(1);
    w.fill_f(16);
    w.fill_f(16);
    w.fill_f(1);
    w.fill_f(16);
    w.fill_f(32);
    w.fill_f(32);
  }
  for (int e = 0; e < 15; ++e) w.fill_f(16);
  return w;
}

// Line k (0..3) holds 10k + 1 .. 10k + 8.
inline FixtureWriter write_sin(int lines) {
  FixtureWriter w;
  for (int k = 0; k < lines; ++k) {
    std::vector<double> v;
    for (int j = 1; j <= 8; ++j) v.push_back(10.0 * k + j);
    w.f(v);
  }
  return w;
}

}  // namespace qvt::import::testing
