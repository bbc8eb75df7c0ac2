#pragma once
// Set-up of counterfort blocks (type 5) for the counterfort table tests.
#include "engines/zenobar/counterfort_tables.h"
#include "engines/zenobar/tests/table_writer_fixture.h"

#include <vector>

namespace qvt::zenobar::testing {

// The parameters of a counterfort block, named as the tables name them. Sub-types 1 and 2 use
// H, D, Hr, Tf, B, Tw, Bc, Lf, L, Tc, Hc, Cf; sub-type 3 uses H, D, Ht (in Hr's field), Cy (in
// Tf's), B, Tw, Ln (in Bc's), Cx (in Lf's), L, Tc, Hc.
struct CounterfortParams {
  int sub_type = 1;
  double ref_x = 0, ref_y = 0;
  double H = 6, D = 1, Hr = 2.5, Tf = 0.5;
  double B = 4, Tw = 0.5, Bc = 1, Lf = 1;
  double L = 5, Tc = 0.4;
  double Hc = 0, Cf = 0.6;
  int n = 1;
  double gamma = 24, gamma_sub = 12;
  struct Fill {
    const char* name;
    double t, g1, g2, g3;
  };
  std::vector<Fill> fill;
};

class CounterfortTest : public TableWriterTest {
 protected:
  engine::WallBlock& set_counterfort(int slot, const CounterfortParams& p,
                                     const char* name = "扶壁") {
    auto& blk = cd().wall_blocks[slot];
    blk.block_type = engine::BLOCK_COUNTERFORT;
    blk.sub_type = static_cast<engine::i16>(p.sub_type);
    blk.head.name.assign(sjis(name));
    blk.head.ref_x = p.ref_x;
    blk.head.ref_y = p.ref_y;
    blk.head.unit_weights[0] = p.gamma;
    blk.head.unit_weights[1] = p.gamma_sub;
    auto& c = blk.counterfort;
    c.flag_a = static_cast<engine::i16>(p.n);
    c.dims_a[0][0] = p.H;
    c.dims_a[0][1] = p.D;
    c.dims_a[0][2] = p.Hr;
    c.dims_a[0][3] = p.Tf;
    c.dims_a[1][0] = p.B;
    c.dims_a[1][1] = p.Tw;
    c.dims_a[1][2] = p.Bc;
    c.dims_a[1][3] = p.Lf;
    c.dims_a[2][0] = p.L;
    c.dims_a[2][1] = p.Tc;
    c.dims_a[3][0] = p.Hc;
    c.dims_a[3][1] = p.Cf;
    c.part_count = static_cast<engine::i16>(p.fill.size());
    for (std::size_t k = 0; k < p.fill.size() && k < 8; ++k) {
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

  // The first row of that name (UTF-8) from `from` on; nullptr when there is none.
  static const MemberRow* find_row(const std::vector<MemberRow>& rows, const char* name,
                                   std::size_t from = 0) {
    const std::string cp932 = sjis(name);
    for (std::size_t i = from; i < rows.size(); ++i)
      if (rows[i].name == cp932) return &rows[i];
    return nullptr;
  }
};

}  // namespace qvt::zenobar::testing
