#pragma once
// Shared set-up of the block weight engine tests: a fresh temporary work folder as the current
// folder, zeroed condition data and run data, and readers of the generated files.
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/condition_data.h"
#include "engines/common/tests/capture_channel.h"
#include "engines/zenobar/top_loads.h"
#include "engines/zenobar/zenobar_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace qvt::zenobar::testing {

inline std::string sjis(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

class ZenTest : public ::testing::Test {
 protected:
  ZenTest() : saved_(std::filesystem::current_path()), channel_scope_(channel) {
    std::filesystem::current_path(dir.path());
    engine::condition_data() = engine::ConditionData{};
    for (auto& b : engine::condition_data().wall_blocks) b.block_type = engine::BLOCK_EMPTY;
    reset_run_data();
    set_top_surcharge_rows({});
  }
  ~ZenTest() override { std::filesystem::current_path(saved_); }

  engine::ConditionData& cd() { return engine::condition_data(); }

  // A rectangle block (type 1 or 7) of width b and height h with its lower left corner at
  // (x0, y0): size in vertex 0, corners 10..13 clockwise from the lower left.
  void set_rect(int slot, int type, int label, const char* name, double x0, double y0, double b,
                double h, double g_above, double g_sub, double g_below) {
    auto& blk = cd().wall_blocks[slot];
    blk.block_type = static_cast<engine::i16>(type);
    blk.head.name.assign(sjis(name));
    blk.head.ref_x = x0;
    blk.head.ref_y = y0;
    blk.head.unit_weights[0] = g_above;
    blk.head.unit_weights[1] = g_sub;
    blk.head.unit_weights[2] = g_below;
    blk.polygon.vertex_count = 4;
    blk.polygon.vertex_x[0] = b;
    blk.polygon.vertex_y[0] = h;
    const double xs[] = {x0, x0, x0 + b, x0 + b}, ys[] = {y0, y0 + h, y0 + h, y0};
    for (int i = 0; i < 4; ++i) {
      blk.polygon.vertex_x[10 + i] = xs[i];
      blk.polygon.vertex_y[10 + i] = ys[i];
    }
    cd().block_label_numbers[slot] = label;
    ++cd().used_slot_count;
  }

  // A polygon block (type 0 or 6) with its vertices relative to the reference point.
  void set_polygon(int slot, int type, int label, const char* name, double ref_x, double ref_y,
                   const std::vector<std::pair<double, double>>& vertices, double g_above,
                   double g_sub, double g_below) {
    auto& blk = cd().wall_blocks[slot];
    blk.block_type = static_cast<engine::i16>(type);
    blk.head.name.assign(sjis(name));
    blk.head.ref_x = ref_x;
    blk.head.ref_y = ref_y;
    blk.head.unit_weights[0] = g_above;
    blk.head.unit_weights[1] = g_sub;
    blk.head.unit_weights[2] = g_below;
    blk.polygon.vertex_count = static_cast<engine::i16>(vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i) {
      blk.polygon.vertex_x[i] = vertices[i].first;
      blk.polygon.vertex_y[i] = vertices[i].second;
    }
    cd().block_label_numbers[slot] = label;
    ++cd().used_slot_count;
  }

  std::vector<std::string> lines_of(const std::string& name) {
    auto bytes = read_file_bytes(dir.path() / name);
    EXPECT_TRUE(bytes) << name;
    if (!bytes) return {};
    EXPECT_EQ(bytes->find('\n'), bytes->find("\r\n") + 1) << name << ": CR LF line ends";
    return split_lines(*bytes);
  }

  qvt::testing::TempDir dir;
  engine::testing::CaptureChannel channel;

 private:
  std::filesystem::path saved_;
  engine::ScopedMessageChannel channel_scope_;
};

// A generated table template taken apart: its shape line and its rows with their border lines.
struct ParsedTable {
  std::string name;
  int declared_rows = -1;
  int columns = -1;
  std::string widths;
  struct Row {
    std::string align, text;
    std::vector<std::string> borders;
  };
  std::vector<Row> rows;
};

// Border lines are told from align lines by their cells: four digits 0/1 (or "@").
inline bool is_border_line(const std::string& line) {
  if (line.empty()) return false;
  std::size_t start = 0;
  while (start <= line.size()) {
    std::size_t end = line.find(',', start);
    if (end == std::string::npos) end = line.size();
    std::string cell = line.substr(start, end - start);
    if (cell != "@") {
      if (cell.size() != 4) return false;
      for (char c : cell)
        if (c != '0' && c != '1') return false;
    }
    start = end + 1;
  }
  return true;
}

inline ParsedTable parse_table(const std::vector<std::string>& lines) {
  ParsedTable t;
  if (lines.size() < 3) return t;
  t.name = lines[0];
  std::sscanf(lines[1].c_str(), "%d,%d", &t.declared_rows, &t.columns);
  t.widths = lines[2];
  std::size_t i = 3;
  while (i + 2 < lines.size() + 1 && i < lines.size()) {
    ParsedTable::Row r;
    r.align = lines[i++];
    if (i >= lines.size()) break;
    r.text = lines[i++];
    while (i < lines.size() && is_border_line(lines[i])) r.borders.push_back(lines[i++]);
    t.rows.push_back(r);
  }
  return t;
}

}  // namespace qvt::zenobar::testing
