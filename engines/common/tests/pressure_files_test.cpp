// Every binary layout checked field by field: a distinct sentinel goes into each field, the
// record is encoded, and the sentinel must stand at the field's stated byte offset; every byte
// of the record is either a field or zero padding; decoding gives the record back.
#include "engines/common/pressure_files.h"
#include "engines/common/result_chain_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qvt::engine {
namespace {

double f64_at(const std::string& b, std::size_t off) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(b.at(off + i));
  return std::bit_cast<double>(bits);
}
std::int32_t i32_at(const std::string& b, std::size_t off) {
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(b.at(off + i));
  return static_cast<std::int32_t>(bits);
}

// The stated offsets of one record type.
template <class R>
struct Layout {
  std::size_t size;
  std::vector<std::pair<std::size_t, std::function<double&(R&)>>> f64;
  std::vector<std::pair<std::size_t, std::function<std::int32_t&(R&)>>> i32;
  std::vector<std::size_t> pad4;  // 4 zero bytes each
};

// Sentinels: f64 fields 1000 + offset + 0.25, i32 fields 70000 + offset.
template <class R>
void check_layout(const Layout<R>& layout, const std::function<void(std::string&, const R&)>& enc,
                  const std::function<R(std::string_view)>& dec) {
  R r{};
  for (auto& [off, get] : layout.f64) get(r) = 1000.0 + static_cast<double>(off) + 0.25;
  for (auto& [off, get] : layout.i32) get(r) = 70000 + static_cast<std::int32_t>(off);
  std::string bytes;
  enc(bytes, r);
  ASSERT_EQ(bytes.size(), layout.size);
  std::vector<int> covered(layout.size, 0);
  for (auto& [off, get] : layout.f64) {
    EXPECT_EQ(f64_at(bytes, off), 1000.0 + static_cast<double>(off) + 0.25) << "f64 at " << off;
    for (std::size_t k = 0; k < 8; ++k) ++covered.at(off + k);
  }
  for (auto& [off, get] : layout.i32) {
    EXPECT_EQ(i32_at(bytes, off), 70000 + static_cast<std::int32_t>(off)) << "i32 at " << off;
    for (std::size_t k = 0; k < 4; ++k) ++covered.at(off + k);
  }
  for (std::size_t off : layout.pad4) {
    EXPECT_EQ(i32_at(bytes, off), 0) << "padding at " << off;
    for (std::size_t k = 0; k < 4; ++k) ++covered.at(off + k);
  }
  for (std::size_t k = 0; k < layout.size; ++k) EXPECT_EQ(covered[k], 1) << "byte " << k;
  const R back = dec(bytes);
  for (auto& [off, get] : layout.f64) {
    R copy = back;
    EXPECT_EQ(get(copy), 1000.0 + static_cast<double>(off) + 0.25) << "decoded f64 " << off;
  }
  for (auto& [off, get] : layout.i32) {
    R copy = back;
    EXPECT_EQ(get(copy), 70000 + static_cast<std::int32_t>(off)) << "decoded i32 " << off;
  }
}

#define F(off, field) {off, [](auto& r) -> double& { return r.field; }}
#define I(off, field) {off, [](auto& r) -> std::int32_t& { return r.field; }}

TEST(BinaryLayouts, SplitLayerIs88Bytes) {
  Layout<SplitLayer> l{88,
                       {F(0, top_level), F(8, unit_weight_air), F(16, unit_weight_submerged),
                        F(32, phi), F(40, cohesion), F(48, cohesion_gradient),
                        F(56, top_cohesion), F(64, bottom_cohesion), F(80, slurry_unit_weight)},
                       {I(24, soil_type), I(72, liquefied)},
                       {28, 76}};
  check_layout<SplitLayer>(l, append_split_layer, decode_split_layer);
}

Layout<LandWorkLayer> land_layout() {
  Layout<LandWorkLayer> l{680,
                          {F(0, top_level), F(8, thickness), F(16, unit_weight),
                           F(24, saturated_unit_weight), F(32, surface_slope), F(40, phi),
                           F(48, wall_friction), F(56, wall_back_angle),
                           F(64, failure_angle_top), F(72, failure_angle_bottom),
                           F(280, failure_angle), F(296, seismic_angle_top),
                           F(304, seismic_angle_bottom), F(312, band_seismic_angle_top),
                           F(320, band_seismic_angle_bottom), F(328, weight_above_rwl),
                           F(336, saturated_weight_above), F(344, saturated_weight_to_seabed),
                           F(352, submerged_weight_above), F(360, submerged_weight_to_seabed),
                           F(368, overburden_top), F(376, overburden_bottom),
                           F(384, overburden_seabed), F(392, overburden_seabed_minus10),
                           F(400, rwl_depth_top), F(408, rwl_depth_bottom),
                           F(416, seismic_coef_top), F(424, seismic_coef_bottom),
                           F(432, clay_coef_top), F(440, clay_coef_bottom),
                           F(456, cohesion_top), F(464, cohesion_bottom),
                           F(472, cohesion_seabed), F(480, cohesion_seabed_minus10),
                           F(488, wedge_surcharge_load_top), F(496, wedge_surcharge_load_bottom),
                           F(504, wedge_weight_top), F(512, wedge_weight_bottom),
                           F(520, wedge_width_top), F(528, wedge_width_bottom),
                           F(536, surcharge_top), F(544, surcharge_bottom),
                           F(552, wedge_surface_x_top), F(560, wedge_surface_x_bottom),
                           F(568, wedge_surface_y_top), F(576, wedge_surface_y_bottom),
                           F(672, slurry_unit_weight)},
                          {I(288, mean_angle_kind), I(448, seismic_coef_kind_top),
                           I(452, seismic_coef_kind_bottom), I(664, clay_band_flag),
                           I(668, liquefied)},
                          {292}};
  for (std::size_t k = 0; k < 25; ++k)
    l.f64.push_back({80 + 8 * k, [k](LandWorkLayer& r) -> double& { return r.wedge_angles[k]; }});
  for (std::size_t k = 0; k < 5; ++k) {
    l.f64.push_back(
        {584 + 8 * k, [k](LandWorkLayer& r) -> double& { return r.wedge_centroid_x[k]; }});
    l.f64.push_back(
        {624 + 8 * k, [k](LandWorkLayer& r) -> double& { return r.wedge_centroid_y[k]; }});
  }
  return l;
}

TEST(BinaryLayouts, LandWorkLayerIs680Bytes) {
  check_layout<LandWorkLayer>(
      land_layout(), append_land_work_layer, [](std::string_view b) {
        // Decoded through a whole work file, record 0 of the main land table.
        std::string file(PRESSURE_WORK_FILE_BYTES, '\0');
        file.replace(PRN_LAND_OFFSET, LAND_WORK_LAYER_BYTES, b);
        return decode_pressure_work_file(file).value().land[0];
      });
}

Layout<SeaWorkLayer> sea_layout() {
  return {232,
          {F(0, top_level), F(8, thickness), F(16, unit_weight), F(24, saturated_unit_weight),
           F(32, seabed_slope), F(40, phi), F(48, wall_friction), F(56, wall_back_angle),
           F(64, seismic_angle_top), F(72, seismic_angle_bottom), F(80, weight_above_water),
           F(88, saturated_weight_above), F(96, submerged_weight_above),
           F(104, overburden_top), F(112, overburden_bottom), F(120, water_depth_top),
           F(128, water_depth_bottom), F(136, seismic_coef_top), F(144, seismic_coef_bottom),
           F(152, surcharge_top), F(160, surcharge_bottom), F(168, cohesion_top),
           F(176, cohesion_bottom), F(192, reserved[0]), F(200, reserved[1]),
           F(208, reserved[2]), F(224, slurry_unit_weight)},
          {I(184, spare_flag), I(216, liquefied)},
          {188, 220}};
}

TEST(BinaryLayouts, SeaWorkLayerIs232Bytes) {
  check_layout<SeaWorkLayer>(sea_layout(), append_sea_work_layer, [](std::string_view b) {
    std::string file(PRESSURE_WORK_FILE_BYTES, '\0');
    file.replace(PRN_ARAYOKO_SEA_OFFSET + 24 * SEA_WORK_LAYER_BYTES, SEA_WORK_LAYER_BYTES, b);
    return decode_pressure_work_file(file).value().arayoko_sea[24];
  });
}

TEST(BinaryLayouts, LoadTableIs3220Bytes) {
  Layout<LoadTableFile> l{3220, {F(3200, total_force), F(3208, total_moment)},
                          {I(3216, item_count)}, {}};
  for (std::size_t k = 0; k < 50; ++k) {
    const std::size_t b = 64 * k;
    l.i32.push_back({b, [k](LoadTableFile& t) -> std::int32_t& { return t.items[k].shape; }});
    l.pad4.push_back(b + 4);
    const std::size_t offs[] = {8, 16, 24, 32, 40, 48, 56};
    double LoadItem::*fields[] = {&LoadItem::centroid_x, &LoadItem::centroid_level,
                                  &LoadItem::lever_arm,  &LoadItem::intensity,
                                  &LoadItem::height,     &LoadItem::force,
                                  &LoadItem::moment};
    for (int j = 0; j < 7; ++j)
      l.f64.push_back({b + offs[j], [k, m = fields[j]](LoadTableFile& t) -> double& {
                         return t.items[k].*m;
                       }});
  }
  // The decoder refuses counts above 50; the sentinel count is checked on the bytes only.
  check_layout<LoadTableFile>(
      l, [](std::string& out, const LoadTableFile& t) { out += encode_load_table(t); },
      [](std::string_view b) {
        std::string fixed(b);
        fixed.replace(3216, 4, std::string("\x00\x00\x00\x00", 4));
        LoadTableFile t = decode_load_table(fixed).value();
        t.item_count = 70000 + 3216;
        return t;
      });
}

TEST(BinaryLayouts, PressureWorkFileIs55492Bytes) {
  auto f = std::make_unique<PressureWorkFile>();
  f->header = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  f->land[0].top_level = 11.5;
  f->land[24].slurry_unit_weight = 12.5;
  f->sea[0].top_level = 13.5;
  f->sea[24].slurry_unit_weight = 14.5;
  f->arayoko_land[0].top_level = 15.5;
  f->arayoko_land[24].slurry_unit_weight = 16.5;
  f->arayoko_sea[0].top_level = 17.5;
  f->arayoko_sea[24].slurry_unit_weight = 18.5;
  f->active[0].coef_top = 19.5;
  f->active[24].seabed_intensity = 20.5;
  f->passive[0].coef_top = 21.5;
  f->passive[24].liquefied_dynamic_bottom = 22.5;
  f->summary.residual_water_intensity = 23.5;
  f->summary.item_force_sum[1] = 23.75;
  f->summary.ext_vertical_arm[1] = 24.5;
  f->arms[0].horizontal_moment = 25.5;
  f->arms[4].vertical_arm = 26.5;
  f->vertices[0].x = 27.5;
  f->vertices[79].surcharge_seismic = 28.5;
  const std::string b = encode_pressure_work_file(*f);
  ASSERT_EQ(b.size(), 55492u);
  for (int k = 0; k < 9; ++k) EXPECT_EQ(i32_at(b, 4 * k), k + 1);
  EXPECT_EQ(f64_at(b, 36), 11.5);
  EXPECT_EQ(f64_at(b, 36 + 24 * 680 + 672), 12.5);
  EXPECT_EQ(f64_at(b, 17036), 13.5);
  EXPECT_EQ(f64_at(b, 17036 + 24 * 232 + 224), 14.5);
  EXPECT_EQ(f64_at(b, 22836), 15.5);
  EXPECT_EQ(f64_at(b, 22836 + 24 * 680 + 672), 16.5);
  EXPECT_EQ(f64_at(b, 39836), 17.5);
  EXPECT_EQ(f64_at(b, 39836 + 24 * 232 + 224), 18.5);
  EXPECT_EQ(f64_at(b, 45636), 19.5);
  EXPECT_EQ(f64_at(b, 45636 + 24 * 168 + 160), 20.5);
  EXPECT_EQ(f64_at(b, 49836), 21.5);
  EXPECT_EQ(f64_at(b, 49836 + 24 * 112 + 104), 22.5);
  EXPECT_EQ(f64_at(b, 52636), 23.5);
  EXPECT_EQ(f64_at(b, 52636 + 16), 23.75);  // [2] item_force_sum of case 1
  EXPECT_EQ(f64_at(b, 52636 + 16 * 8), 24.5);
  EXPECT_EQ(f64_at(b, 52772), 25.5);
  EXPECT_EQ(f64_at(b, 52772 + 4 * 32 + 24), 26.5);
  EXPECT_EQ(f64_at(b, 52932), 27.5);
  EXPECT_EQ(f64_at(b, 52932 + 79 * 32 + 24), 28.5);
  // Mid-record fields of every table land where the record layouts put them.
  const auto back = decode_pressure_work_file(b);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->header.ground_vertex_count, 9);
  EXPECT_EQ(back->active[24].seabed_intensity, 20.5);
  EXPECT_EQ(back->vertices[79].surcharge_seismic, 28.5);
}

TEST(BinaryLayouts, ActiveAndPassiveResultsAndSummaryOffsets) {
  auto f = std::make_unique<PressureWorkFile>();
  f->header = {-1, -1, -1, -1, 0, 0, 0, 0, 0};
  // Each of the 21 active and 14 passive values and 17 summary values at 8 x its position.
  ActiveLayerResult& a = f->active[1];
  double* av[] = {&a.coef_top, &a.coef_bottom, &a.vertical_coef_top, &a.vertical_coef_bottom,
                  &a.clay_formula1_top, &a.clay_formula1_bottom, &a.clay_formula2_top,
                  &a.clay_formula2_bottom, &a.horizontal_top, &a.horizontal_bottom,
                  &a.vertical_top, &a.vertical_bottom, &a.water_top, &a.water_bottom,
                  &a.unliquefied_top, &a.unliquefied_bottom, &a.liquefied_top,
                  &a.liquefied_bottom, &a.seabed_formula1, &a.seabed_formula2,
                  &a.seabed_intensity};
  for (int k = 0; k < 21; ++k) *av[k] = 100 + k;
  PassiveLayerResult& p = f->passive[1];
  double* pv[] = {&p.coef_top, &p.coef_bottom, &p.vertical_coef_top, &p.vertical_coef_bottom,
                  &p.passive_top, &p.passive_bottom, &p.vertical_top, &p.vertical_bottom,
                  &p.unliquefied_top, &p.unliquefied_bottom, &p.liquefied_top,
                  &p.liquefied_bottom, &p.liquefied_dynamic_top, &p.liquefied_dynamic_bottom};
  for (int k = 0; k < 14; ++k) *pv[k] = 200 + k;
  PressureSummaryBlock& s = f->summary;
  double* sv[] = {&s.residual_water_intensity, &s.item_force_sum[0], &s.item_force_sum[1],
                  &s.item_moment_sum[0], &s.item_moment_sum[1], &s.ext_horizontal_sum[0],
                  &s.ext_horizontal_sum[1], &s.ext_horizontal_moment_sum[0],
                  &s.ext_horizontal_moment_sum[1], &s.ext_horizontal_arm[0],
                  &s.ext_horizontal_arm[1], &s.ext_vertical_sum[0], &s.ext_vertical_sum[1],
                  &s.ext_vertical_moment_sum[0], &s.ext_vertical_moment_sum[1],
                  &s.ext_vertical_arm[0], &s.ext_vertical_arm[1]};
  for (int k = 0; k < 17; ++k) *sv[k] = 300 + k;
  f->arms[2] = {401, 402, 403, 404};
  f->vertices[3] = {501, 502, 503, 504};
  const std::string b = encode_pressure_work_file(*f);
  for (int k = 0; k < 21; ++k) EXPECT_EQ(f64_at(b, 45636 + 168 + 8 * k), 100 + k) << k;
  for (int k = 0; k < 14; ++k) EXPECT_EQ(f64_at(b, 49836 + 112 + 8 * k), 200 + k) << k;
  for (int k = 0; k < 17; ++k) EXPECT_EQ(f64_at(b, 52636 + 8 * k), 300 + k) << k;
  for (int k = 0; k < 4; ++k) EXPECT_EQ(f64_at(b, 52772 + 2 * 32 + 8 * k), 401 + k);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(f64_at(b, 52932 + 3 * 32 + 8 * k), 501 + k);
}

TEST(BinaryLayouts, LayerPressureSegmentsArePacked) {
  LayerPressureBlock blk;
  blk.land = {{3, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5}, {4, 7.5, 8.5, 9.5, 10.5, 11.5, 12.5}};
  blk.sea = {{5, 13.5, 14.5, 15.5, 16.5}};
  const std::string b = encode_layer_pressure_block(blk);
  ASSERT_EQ(b.size(), 4 + 2 * 52 + 4 + 36u);
  EXPECT_EQ(i32_at(b, 0), 2);
  EXPECT_EQ(i32_at(b, 4), 3);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(f64_at(b, 8 + 8 * k), 1.5 + k);
  EXPECT_EQ(i32_at(b, 56), 4);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(f64_at(b, 60 + 8 * k), 7.5 + k);
  EXPECT_EQ(i32_at(b, 108), 1);
  EXPECT_EQ(i32_at(b, 112), 5);
  for (int k = 0; k < 4; ++k) EXPECT_EQ(f64_at(b, 116 + 8 * k), 13.5 + k);
  // Two blocks (normal then seismic) read back; the reader cannot tell which case is which.
  const auto blocks = decode_layer_pressure_file(b + b);
  ASSERT_TRUE(blocks);
  ASSERT_EQ(blocks->size(), 2u);
  EXPECT_EQ((*blocks)[1].land[1].water_bottom, 12.5);
  EXPECT_EQ((*blocks)[1].sea[0].passive_bottom, 16.5);
}

TEST(BinaryReaders, RefuseWrongSizesAndCounts) {
  EXPECT_FALSE(decode_pressure_work_file(std::string(55491, '\0')));
  EXPECT_FALSE(decode_pressure_work_file(std::string(55493, '\0')));
  EXPECT_FALSE(decode_load_table(std::string(3219, '\0')));
  std::string t(3220, '\0');
  t[3216] = 51;  // 51 items
  EXPECT_FALSE(decode_load_table(t));
  t[3216] = 50;
  EXPECT_TRUE(decode_load_table(t));
  t[3219] = '\x80';  // negative count
  EXPECT_FALSE(decode_load_table(t));
  auto f = std::make_unique<PressureWorkFile>();
  f->header.land_boundary_count = 26;
  EXPECT_FALSE(decode_pressure_work_file(encode_pressure_work_file(*f)));
  f->header.land_boundary_count = 25;
  f->header.ground_top_index = 25;
  EXPECT_FALSE(decode_pressure_work_file(encode_pressure_work_file(*f)));
  f->header.ground_top_index = 3;
  f->header.ground_vertex_count = 81;
  EXPECT_FALSE(decode_pressure_work_file(encode_pressure_work_file(*f)));
  // DAT_ANS.DAT: a cut segment, a count out of range, a stray byte.
  LayerPressureBlock blk;
  blk.land = {{0, 1, 2, 3, 4, 5, 6}};
  const std::string b = encode_layer_pressure_block(blk);
  EXPECT_TRUE(decode_layer_pressure_file(""));
  EXPECT_FALSE(decode_layer_pressure_file(b.substr(0, b.size() - 1)));
  EXPECT_FALSE(decode_layer_pressure_file(b + "x"));
  std::string bad = b;
  bad[0] = 25;
  EXPECT_FALSE(decode_layer_pressure_file(bad));
  bad = b;
  bad[4] = 30;  // layer index beyond the table
  EXPECT_FALSE(decode_layer_pressure_file(bad));
}

TEST(ResultChainFile, BaseAndLayerTablesAtTheirOffsets) {
  ResultChainBase base;
  for (int k = 0; k < 16; ++k) base.weight_totals[k] = 1 + k;
  for (int c = 0; c < 2; ++c)
    for (int k = 0; k < FORCE_SUMMARY_SLOTS; ++k) base.force_summary[c].slot[k] = 100 * (c + 1) + k;
  base.body_totals = {20.0, 120.0, 60.0};
  auto layers = std::make_unique<ResultChainLayers>();
  layers->land_boundary_count = 7;
  layers->sea_boundary_count = 5;
  layers->land[0].top_level = 999.99;
  layers->land[24].slurry_unit_weight = 18.25;
  layers->sea[0].top_level = -10.0;
  layers->sea[24].slurry_unit_weight = 17.75;
  const std::string b = encode_result_chain_layers(base, *layers);
  ASSERT_EQ(b.size(), 5040u);
  EXPECT_EQ(f64_at(b, 0), 1);
  EXPECT_EQ(f64_at(b, 120), 16);
  EXPECT_EQ(f64_at(b, 128), 100);
  EXPECT_EQ(f64_at(b, 128 + 29 * 8), 129);
  EXPECT_EQ(f64_at(b, 368), 200);
  EXPECT_EQ(f64_at(b, 608), 20.0);
  EXPECT_EQ(f64_at(b, 624), 60.0);
  EXPECT_EQ(i32_at(b, 632), 7);
  EXPECT_EQ(i32_at(b, 636), 5);
  EXPECT_EQ(f64_at(b, 640), 999.99);
  EXPECT_EQ(f64_at(b, 640 + 24 * 88 + 80), 18.25);
  EXPECT_EQ(f64_at(b, 2840), -10.0);
  EXPECT_EQ(f64_at(b, 2840 + 24 * 88 + 80), 17.75);
  const auto back = decode_result_chain_layers(b);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->base.force_summary[1].slot[FS_SIDE_ADHESION_MOMENT], 229);
  EXPECT_EQ(back->layers.sea[24].slurry_unit_weight, 17.75);
  // The base alone from the first 632 bytes; shorter is refused.
  EXPECT_TRUE(decode_result_chain_base(b.substr(0, 632)));
  EXPECT_FALSE(decode_result_chain_base(b.substr(0, 631)));
  EXPECT_FALSE(decode_result_chain_layers(b.substr(0, 5039)));
  std::string bad = b;
  bad[632] = 26;
  EXPECT_FALSE(decode_result_chain_layers(bad));
}

}  // namespace
}  // namespace qvt::engine
