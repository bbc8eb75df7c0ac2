#pragma once
// Set-up of caisson blocks (types 2 and 3) for the caisson table tests, and readers of the
// generated tables.
#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"
#include "engines/zenobar/caisson_tables.h"
#include "engines/zenobar/tests/zen_fixture.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace qvt::zenobar::testing {

// The parameters of a caisson, named as the tables name them.
struct CaissonParams {
  int type = engine::BLOCK_CAISSON;
  int s = 5;
  double ref_x = 0, ref_y = 0;
  double h = 10, f = 1, t = 0;
  double w = 8.5, l = 0, wf = 0.5, wp = 0.5;
  double lb = 10, we = 0.5, wq = 0.5;
  double hh = 0, hv = 0, c = 0;
  std::vector<double> b{3.5, 3.5};
  std::vector<double> e{4.0, 4.5};
  double gamma = 24.0, gamma_sub = 14.0;
  struct Fill {
    const char* name;
    double t, g1, g2 = 0, g3 = 0;
  };
  std::vector<Fill> fill;
};

class CaissonTest : public ZenTest {
 protected:
  engine::WallBlock& set_caisson(int slot, const CaissonParams& p, const char* name = "ケーソン") {
    auto& blk = cd().wall_blocks[slot];
    blk.block_type = static_cast<engine::i16>(p.type);
    blk.sub_type = static_cast<engine::i16>(p.s);
    blk.head.name.assign(sjis(name));
    blk.head.ref_x = p.ref_x;
    blk.head.ref_y = p.ref_y;
    blk.head.unit_weights[0] = p.gamma;
    blk.head.unit_weights[1] = p.gamma_sub;
    auto& c = blk.caisson;
    c.flag_a = static_cast<engine::i16>(p.b.size());
    c.flag_b = static_cast<engine::i16>(p.e.size());
    c.dims_a[0][0] = p.h;
    c.dims_a[0][1] = p.f;
    c.dims_a[0][2] = p.t;
    c.dims_a[1][0] = p.w;
    c.dims_a[1][1] = p.l;
    c.dims_a[1][2] = p.wf;
    c.dims_a[1][3] = p.wp;
    c.dims_a[2][0] = p.lb;
    c.dims_a[2][1] = p.we;
    c.dims_a[2][2] = p.wq;
    c.dims_a[3][0] = p.hh;
    c.dims_a[3][1] = p.hv;
    c.dims_a[3][2] = p.c;
    for (std::size_t j = 0; j < p.b.size() && j < 8; ++j) c.dims_b[0][j] = p.b[j];
    for (std::size_t i = 0; i < p.e.size() && i < 8; ++i) c.dims_b[1][i] = p.e[i];
    c.part_count = static_cast<engine::i16>(p.fill.size());
    for (std::size_t k = 0; k < p.fill.size(); ++k) {
      c.part_names[k].assign(sjis(p.fill[k].name));
      c.part_values[0][k] = p.fill[k].t;
      c.part_values[1][k] = p.fill[k].g1;
      c.part_values[2][k] = p.fill[k].g2;
      c.part_values[3][k] = p.fill[k].g3;
    }
    cd().block_label_numbers[slot] = slot;
    ++cd().used_slot_count;
    return blk;
  }

  // The rows that a table prints: count above 0, or subtotals.
  static std::vector<const MemberRow*> printed(const std::vector<MemberRow>& rows) {
    std::vector<const MemberRow*> out;
    for (const MemberRow& r : rows)
      if (r.subtotal || r.count > 0) out.push_back(&r);
    return out;
  }

  // A report that is written and closed around the writer calls.
  struct Report {
    engine::PrintFile file;
    Report() { open_output(file, "R.PDT"); }
    void close() { close_output(file); }
  };

  std::vector<std::string> report_lines(Report& report) {
    report.close();
    return lines_of("R.PDT");
  }
};

}  // namespace qvt::zenobar::testing
