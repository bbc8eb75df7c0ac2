// The binary files one engine hands to the next (load tables, pressure work files, DAT_ANS.DAT,
// CAL_ANS.DAT) and the check summary CAL_ANZ.DAT, damaged a few hundred ways each from a fixed
// seed: every copy is refused, or what is read holds only finite reals of sane size and counts
// within their tables. The smallest damages first, one per decoder.
#include "common/check_summary_format.h"
#include "common/check_verdict.h"
#include "common/tests/damaged_files.h"
#include "common/textfile.h"
#include "engines/common/binary_fields.h"
#include "engines/common/pressure_files.h"
#include "engines/common/result_chain_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace qvt::engine {
namespace {

constexpr int kCopies = 300;

void put_real(std::string& b, std::size_t at, double v) { std::memcpy(b.data() + at, &v, 8); }

LoadTableFile good_load_table() {
  LoadTableFile t;
  t.item_count = 12;
  for (int k = 0; k < 12; ++k) {
    LoadItem& it = t.items[static_cast<std::size_t>(k)];
    it.shape = k % 2;
    it.centroid_x = 3.5 + k, it.centroid_level = -2.0 - k, it.lever_arm = 8.25 - k / 2.0;
    it.intensity = 12.5 * k, it.height = 1.5, it.force = 9.375 * k, it.moment = -4.5 * k;
  }
  t.total_force = 618.75, t.total_moment = -297.0;
  return t;
}

std::unique_ptr<PressureWorkFile> good_work_file() {
  auto f = std::make_unique<PressureWorkFile>();
  f->header = {3, 2, 4, 1, 9, 6, 9, 6, 5};
  for (int k = 0; k < LAYER_RECORDS; ++k) {
    f->land[static_cast<std::size_t>(k)].top_level = 3.0 - k;
    f->land[static_cast<std::size_t>(k)].wedge_angles.fill(0.9);
    f->sea[static_cast<std::size_t>(k)].top_level = -5.0 - k;
    f->active[static_cast<std::size_t>(k)].horizontal_bottom = 10.0 * k;
    f->passive[static_cast<std::size_t>(k)].passive_bottom = -99999.9;
  }
  f->summary.residual_water_intensity = 14.7;
  f->vertices[4] = {12.0, 3.0, 10.0, 5.0};
  return f;
}

std::string good_layer_pressure_file() {
  LayerPressureBlock b;
  for (int k = 0; k < 5; ++k) b.land.push_back({k + 2, 1.0 - k, -k * 1.0, 5.0 * k, 5.0 * k + 5, 0, 9.8});
  for (int k = 0; k < 3; ++k) b.sea.push_back({k + 1, -5.0 - k, -6.0 - k, 20.0 * k, 20.0 * k + 20});
  return encode_layer_pressure_block(b) + encode_layer_pressure_block(b);
}

std::string good_result_chain() {
  ResultChainBase base;
  for (int k = 0; k < 16; ++k) base.weight_totals[static_cast<std::size_t>(k)] = 100.0 + k;
  for (auto& f : base.force_summary)
    for (int k = 0; k < FORCE_SUMMARY_SLOTS; ++k) f.slot[static_cast<std::size_t>(k)] = 50.0 * k;
  base.body_totals = {20.0, 400.0, 200.0};
  auto layers = std::make_unique<ResultChainLayers>();
  layers->land_boundary_count = 8;
  layers->sea_boundary_count = 5;
  for (int k = 0; k < LAYER_RECORDS; ++k) {
    layers->land[static_cast<std::size_t>(k)].top_level = 3.0 - k;
    layers->sea[static_cast<std::size_t>(k)].top_level = -5.0 - k;
    layers->sea[static_cast<std::size_t>(k)].unit_weight_submerged = 10.0;
  }
  ExternalResults ext;
  ext.sliding_fs = {1.5, 1.1};
  ext.effective_width = {20.0, 18.0};
  return encode_result_chain_external(encode_result_chain_layers(base, *layers), ext);
}

void expect_sound(double v, const char* what) {
  EXPECT_TRUE(sound_hand_over_real(v)) << what << " " << v;
}

void expect_sound(const SplitLayer& s) {
  for (double v : {s.top_level, s.unit_weight_air, s.unit_weight_submerged, s.phi, s.cohesion,
                   s.cohesion_gradient, s.top_cohesion, s.bottom_cohesion, s.slurry_unit_weight})
    expect_sound(v, "split layer");
}

void expect_sound_chain(std::string_view bytes) {
  if (const auto c = decode_result_chain_layers(bytes)) {
    for (double v : c->base.weight_totals) expect_sound(v, "weight total");
    for (const auto& f : c->base.force_summary)
      for (double v : f.slot) expect_sound(v, "force summary");
    for (double v : c->base.body_totals) expect_sound(v, "body total");
    EXPECT_GE(c->layers.land_boundary_count, 0);
    EXPECT_LE(c->layers.land_boundary_count, LAYER_RECORDS);
    EXPECT_GE(c->layers.sea_boundary_count, 0);
    EXPECT_LE(c->layers.sea_boundary_count, LAYER_RECORDS);
    for (const SplitLayer& s : c->layers.land) expect_sound(s);
    for (const SplitLayer& s : c->layers.sea) expect_sound(s);
  }
  if (const auto e = decode_external_results(bytes)) {
    for (const auto* pair : {&e->sliding_fs, &e->overturning_fs, &e->reaction[0], &e->reaction[1],
                             &e->allowable_bearing, &e->effective_width})
      for (double v : *pair) expect_sound(v, "external result");
  }
}

TEST(HandOverFiles, ARealThatIsNoNumberOrAbsurdIsRefused) {
  const std::string table = encode_load_table(good_load_table());
  const std::string work = encode_pressure_work_file(*good_work_file());
  const std::string layers = good_layer_pressure_file();
  const std::string chain = good_result_chain();
  ASSERT_TRUE(decode_load_table(table));
  ASSERT_TRUE(decode_pressure_work_file(work));
  ASSERT_TRUE(decode_layer_pressure_file(layers));
  ASSERT_TRUE(decode_result_chain_layers(chain));
  ASSERT_TRUE(decode_external_results(chain));
  struct Real {
    double v;
    bool sound;
  };
  const Real reals[] = {{std::numeric_limits<double>::quiet_NaN(), false},
                        {std::numeric_limits<double>::infinity(), false},
                        {-std::numeric_limits<double>::infinity(), false},
                        {1e300, false},
                        {-1.0000001e12, false},
                        {1e12, true},  // the largest a file may hold
                        {1e-312, true},  // finite: whether it may divide is the user's check
                        {-0.0, true}};
  for (const Real& r : reals) {
    SCOPED_TRACE(r.v);
    std::string b = table;
    put_real(b, 64 * 3 + 48, r.v);  // item 3's force
    EXPECT_EQ(decode_load_table(b).has_value(), r.sound);
    b = table;
    put_real(b, 3200, r.v);  // total_force
    EXPECT_EQ(decode_load_table(b).has_value(), r.sound);
    b = work;
    put_real(b, PRN_PASSIVE_OFFSET + 112 * 24 + 104, r.v);  // the very last passive field
    EXPECT_EQ(decode_pressure_work_file(b).has_value(), r.sound);
    b = layers;
    put_real(b, 4 + 52 * 4 + 4 + 40, r.v);  // water_bottom of the last land segment
    EXPECT_EQ(decode_layer_pressure_file(b).has_value(), r.sound);
    b = chain;
    put_real(b, 608, r.v);  // the body width
    EXPECT_EQ(decode_result_chain_base(b).has_value(), r.sound);
    EXPECT_EQ(decode_result_chain_layers(b).has_value(), r.sound);
    b = chain;
    put_real(b, CHAIN_SEA_OFFSET + 88 * 24 + 80, r.v);  // the last sea layer's slurry weight
    EXPECT_EQ(decode_result_chain_layers(b).has_value(), r.sound);
    b = chain;
    put_real(b, RESULT_CHAIN_EXTERNAL_SIZE - 8, r.v);  // the seismic effective width
    EXPECT_EQ(decode_external_results(b).has_value(), r.sound);
  }
  // The body width of CAL_ANS.DAT: a denormal is read, and the engines refuse to divide by it.
  std::string b = chain;
  put_real(b, 608, 1e-312);
  const auto base = decode_result_chain_base(b);
  ASSERT_TRUE(base);
  EXPECT_FALSE(body_width_sound(*base));
  put_real(b, 608, kMinimumBodyWidth);
  EXPECT_TRUE(body_width_sound(*decode_result_chain_base(b)));
}

TEST(HandOverFiles, DamagedCopiesAreRefusedOrSound) {
  qvt::testing::FileDamage damage(37);
  const std::string table = encode_load_table(good_load_table());
  const std::string work = encode_pressure_work_file(*good_work_file());
  const std::string layers = good_layer_pressure_file();
  const std::string chain = good_result_chain();
  CheckSummary summary;
  summary.values[0] = {1.5, 2.0, 300.0, 800.0, 200.0, 100.0, 1.4, -5.0, -12.0, 0.0};
  summary.limits[0] = {1.2, 1.2, 500.0, 1000.0, 250.0, 1.2, 1.0};
  summary.failed[1] = {0, 1, 0, 0, 0, 0, 1, 0};
  const std::string anz = join_crlf(*format_check_summary(summary));
  int refused = 0, read = 0;
  for (int n = 0; n < kCopies; ++n) {
    SCOPED_TRACE(n);
    const std::string t = damage.binary(table, LOAD_ITEM_BYTES);
    if (const auto d = decode_load_table(t)) {
      ++read;
      EXPECT_GE(d->item_count, 0);
      EXPECT_LE(d->item_count, LOAD_ITEMS);
      for_each_real(*d, [](double v) { expect_sound(v, "load table"); });
    } else {
      ++refused;
    }
    const std::string w = damage.binary(work, LAND_WORK_LAYER_BYTES);
    if (const auto d = decode_pressure_work_file(w)) {
      const PressureWorkHeader& h = d->header;
      for (std::int32_t i : {h.surcharge_level_index, h.ground_top_index, h.rwl_index,
                             h.seabed_index}) {
        EXPECT_GE(i, -1);
        EXPECT_LT(i, LAYER_RECORDS);
      }
      for (std::int32_t c : {h.land_boundary_count, h.sea_boundary_count, h.arayoko_land_count,
                             h.arayoko_sea_count}) {
        EXPECT_GE(c, 0);
        EXPECT_LE(c, LAYER_RECORDS);
      }
      EXPECT_GE(h.ground_vertex_count, 0);
      EXPECT_LE(h.ground_vertex_count, GROUND_VERTICES);
      for_each_real(*d, [](double v) { expect_sound(v, "pressure work file"); });
    }
    const std::string l = damage.binary(layers, ACTIVE_SEGMENT_BYTES);
    if (const auto d = decode_layer_pressure_file(l)) {
      for (const LayerPressureBlock& blk : *d) {
        EXPECT_LT(blk.land.size(), static_cast<std::size_t>(LAYER_RECORDS));
        EXPECT_LT(blk.sea.size(), static_cast<std::size_t>(LAYER_RECORDS));
        for (const ActiveSegment& s : blk.land) {
          EXPECT_GE(s.layer_index, 0);
          EXPECT_LT(s.layer_index, LAYER_RECORDS);
          for (double v : {s.top_level, s.bottom_level, s.active_top, s.active_bottom,
                           s.water_top, s.water_bottom})
            expect_sound(v, "land segment");
        }
        for (const PassiveSegment& s : blk.sea) {
          EXPECT_GE(s.layer_index, 0);
          EXPECT_LT(s.layer_index, LAYER_RECORDS);
          for (double v : {s.top_level, s.bottom_level, s.passive_top, s.passive_bottom})
            expect_sound(v, "sea segment");
        }
      }
    }
    expect_sound_chain(damage.binary(chain, SPLIT_LAYER_BYTES));
    if (const auto s = parse_check_summary(split_lines(damage.text(anz)))) {
      for (const auto& c : s->values)
        for (double v : c) EXPECT_TRUE(std::isfinite(v));
      for (const auto& c : s->limits)
        for (double v : c) EXPECT_TRUE(std::isfinite(v));
    }
  }
  // The damages reach both ends: many copies are refused and some are still read.
  EXPECT_GT(refused, kCopies / 4);
  EXPECT_GT(read, kCopies / 20);
}

}  // namespace
}  // namespace qvt::engine
