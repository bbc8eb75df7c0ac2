#pragma once
// Condition files made by hand, line by line from their layouts, for the reader tests. Numbers
// are chosen so that a value read from the wrong line or the wrong place shows.
#include "common/cp932.h"

#include <cstdio>
#include <string>
#include <vector>

namespace qvt::engine::testing {

inline std::string num(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
}

// `count` values base, base + step, ... joined by commas.
inline std::string series(double base, double step, int count) {
  std::string s;
  for (int i = 0; i < count; ++i) {
    if (i) s += ',';
    s += num(base + step * i);
  }
  return s;
}

// Lines of `per_line` values until `count` values: base, base + step, ...
inline void add_series_lines(std::vector<std::string>& out, double base, double step, int count,
                             int per_line) {
  for (int first = 0; first < count; first += per_line) {
    int n = count - first < per_line ? count - first : per_line;
    out.push_back(series(base + step * first, step, n));
  }
}

inline std::string sjis(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

// A current conditions file (version 13, 521 lines): every numeric line holds zeros, as many
// as its format names, except those set here; the counts are within range and every physical
// quantity is one real ground can have.
inline std::vector<std::string> conditions_lines() {
  std::vector<std::string> l(521, "0");
  auto at = [&](int line_no) -> std::string& { return l[line_no - 1]; };
  auto zeros = [&](int first, int last, int items) {
    std::string z = "0";
    for (int i = 1; i < items; ++i) z += ",0";
    for (int line_no = first; line_no <= last; ++line_no) at(line_no) = z;
  };
  zeros(13, 19, 2);
  zeros(31, 33, 2);
  zeros(81, 83, 3);
  zeros(84, 131, 5);
  zeros(132, 133, 2);
  zeros(134, 137, 5);
  zeros(138, 141, 4);
  zeros(488, 507, 10);
  at(1) = "*000013";
  at(2) = sjis("岸壁検討");
  at(3) = "24,5,6";
  at(4) = "7,8,9";
  at(5) = std::string(64, ' ');
  at(6) = "2";
  at(8) = "85.5";
  at(9) = "1.5,0,0.5";
  at(10) = "10.1";  // water unit weight
  at(13) = "1.2,1";
  at(14) = "1.2,1.1";
  at(15) = "2.5,1.5";
  at(16) = "1.2,1";
  at(144) = "10";  // bearing layer unit weight
  // The active layers weigh something in air and under water, so the count (4) may be raised
  // up to 15 without a layer of no weight coming into use.
  for (int k = 0; k < 15; ++k) {
    at(337 + 10 * k + 2) = "18";
    at(337 + 10 * k + 3) = "10";
  }
  at(38) = "3";
  at(39) = "12.5";  // check point x
  at(40) = "-3.25";  // check point y
  at(41) = "7";
  at(72) = "-1";
  at(73) = "4";
  for (int line_no : {157, 162, 167, 172, 177, 182}) at(line_no) = "     ";
  at(487) = "0,0";
  at(521) = "-2.75";  // dynamic_water_level
  return l;
}

// The fourteen lines of QVT_DAT.CST.
inline std::vector<std::string> options_lines() {
  return {"15", "45,40", "0.5", ".5", "100", "1", "2", "1", "0", "1", "0", "0.25", "0", "0"};
}

// The seven head lines of a block section.
inline void add_head(std::vector<std::string>& out, const std::string& name, double base) {
  out.push_back(name);
  out.push_back(num(base + 0.1));  // ref_x
  out.push_back(num(base + 0.2));  // ref_y
  out.push_back(num(base + 0.3));  // length
  out.push_back(series(base + 1, 1, 6));  // unit weights
  out.push_back(num(base + 0.4) + "," + num(base + 0.5));  // label
  out.push_back(num(base + 0.6) + "," + num(base + 0.7));  // mark
}

// Types -1, 0, 1, 6, 7: 37 lines. vertex_x[j] = base + 10 + j, vertex_y[j] = base + 200 + j.
inline std::vector<std::string> polygon_slot(int type, double base, int vertex_count = 4,
                                             const std::string& name = std::string(16, ' ')) {
  std::vector<std::string> s{std::to_string(type), "0", "0"};
  add_head(s, name, base);
  s.push_back(std::to_string(vertex_count));
  s.push_back("0");
  add_series_lines(s, base + 10, 1, 118, 10);
  add_series_lines(s, base + 200, 1, 118, 10);
  s.push_back("0,0,0");
  return s;
}

// Types 2 and 3 (148 outline points, 63 lines) and 5 (74 points, 49 lines).
// outline_x[j] = base + 0.5 + j, outline_y[j] = base + 300.5 + j; dims_a row r value v =
// base + 20 + 4r + v; part_values row r value v = base + 40 + 8r + v.
inline std::vector<std::string> parametric_slot(int type, double base, int outline_count = 6,
                                                int part_count = 2) {
  const int points = type == 5 ? 74 : 148;
  std::vector<std::string> s{std::to_string(type), "3", "0"};
  add_head(s, sjis("ケーソン"), base);
  s.push_back("2");  // flag_a
  s.push_back("5");  // flag_b
  for (int r = 0; r < 4; ++r) s.push_back(series(base + 20 + 4 * r, 1, 4));
  for (int r = 0; r < 2; ++r) s.push_back(series(base + 60 + 8 * r, 1, 8));
  s.push_back(std::to_string(part_count));
  for (int k = 0; k < 8; ++k) s.push_back(k == 0 ? sjis("中詰砂") : std::string(24, ' '));
  for (int r = 0; r < 4; ++r) s.push_back(series(base + 40 + 8 * r, 1, 8));
  s.push_back(std::to_string(outline_count));
  add_series_lines(s, base + 0.5, 1, points, 10);
  add_series_lines(s, base + 300.5, 1, points, 10);
  s.push_back("77");  // tail
  return s;
}

// Type 4 (41 lines) and type 8 (43 lines).
inline std::vector<std::string> quad_slot(int type, double base, int library_index = 0) {
  std::vector<std::string> s{std::to_string(type), "0", "0"};
  add_head(s, std::string(16, ' '), base);
  for (int i = 0; i < 4; ++i) s.push_back(num(base + 50 + i));
  s.push_back(series(base + 60, 1, 4));  // corner_x
  s.push_back(series(base + 70, 1, 4));  // corner_y
  s.push_back(num(base + 80));
  if (type == 8) {
    s.push_back(std::to_string(library_index));
    s.push_back("1");  // mirrored
  }
  for (int i = 0; i < 22; ++i) s.push_back("0,0,0,0,0,0,0,0,0,0");
  s.push_back("0,0,0");
  s.push_back(type == 8 ? "0,0,0" : "0,0,0,0,0");
  return s;
}

// A library entry with `points` points (x = 0.5 k, y = 100 + k for point k from 1).
inline std::vector<std::string> shape_entry(const std::string& name, int layers, int points,
                                            int pairs) {
  std::vector<std::string> s{name, sjis("第二名称")};
  s.push_back("1.000,3.000,2.000,6.000,4.000,5.000");  // values 0, 2, 1, 5, 3, 4
  s.push_back(std::to_string(layers));
  for (int k = 0; k < layers; ++k) s.push_back(series(10 * k + 1, 1, 3));
  s.push_back(std::to_string(points));
  for (int k = 1; k <= points; ++k) s.push_back(num(0.5 * k) + "," + num(100 + k));
  s.push_back(std::to_string(pairs));
  for (int k = 1; k <= pairs; ++k) s.push_back(std::to_string(k) + "," + std::to_string(k + 1));
  return s;
}

// A whole block file: the given slots (the rest empty polygons), label numbers 100 + slot and
// the library entries.
inline std::vector<std::string> block_lines(
    const std::vector<std::vector<std::string>>& slots = {},
    const std::vector<std::vector<std::string>>& library = {}) {
  std::vector<std::string> l{"0", std::to_string(slots.size())};
  for (int s = 0; s < 20; ++s) {
    const std::vector<std::string> slot =
        s < static_cast<int>(slots.size()) ? slots[s] : polygon_slot(-1, 1000 * s, 0);
    l.insert(l.end(), slot.begin(), slot.end());
  }
  l.push_back(series(100, 1, 20));
  l.push_back(std::to_string(library.size()));
  for (const auto& e : library) l.insert(l.end(), e.begin(), e.end());
  return l;
}

}  // namespace qvt::engine::testing
