#include "engines/common/pressure_files.h"

#include "engines/common/binary_fields.h"

#include <functional>

namespace qvt::engine {

void append_split_layer(std::string& out, const SplitLayer& s) {
  put_f64(out, s.top_level);
  put_f64(out, s.unit_weight_air);
  put_f64(out, s.unit_weight_submerged);
  put_i32(out, s.soil_type);
  put_zeros(out, 4);
  put_f64(out, s.phi);
  put_f64(out, s.cohesion);
  put_f64(out, s.cohesion_gradient);
  put_f64(out, s.top_cohesion);
  put_f64(out, s.bottom_cohesion);
  put_i32(out, s.liquefied);
  put_zeros(out, 4);
  put_f64(out, s.slurry_unit_weight);
}

namespace {

SplitLayer read_split_layer(FieldReader& r) {
  SplitLayer s;
  s.top_level = r.f64();
  s.unit_weight_air = r.f64();
  s.unit_weight_submerged = r.f64();
  s.soil_type = r.i32();
  r.skip(4);
  s.phi = r.f64();
  s.cohesion = r.f64();
  s.cohesion_gradient = r.f64();
  s.top_cohesion = r.f64();
  s.bottom_cohesion = r.f64();
  s.liquefied = r.i32();
  r.skip(4);
  s.slurry_unit_weight = r.f64();
  return s;
}

}  // namespace

SplitLayer decode_split_layer(std::string_view bytes) {
  FieldReader r(bytes);
  return read_split_layer(r);
}

std::optional<SplitLayer> decode_sound_split_layer(std::string_view bytes) {
  FieldReader r(bytes);
  SplitLayer s = read_split_layer(r);
  if (!r.sound()) return std::nullopt;
  return s;
}

// Each record's fields in file order, for writing (Out = std::string) and reading
// (Out = FieldReader) with one list.
namespace {

struct Put {
  std::string& out;
  void f(const double& v) { put_f64(out, v); }
  void i(const std::int32_t& v) { put_i32(out, v); }
  void pad(std::size_t n) { put_zeros(out, n); }
};
struct Get {
  FieldReader& in;
  void f(double& v) { v = in.f64(); }
  void i(std::int32_t& v) { v = in.i32(); }
  void pad(std::size_t n) { in.skip(n); }
};

template <class IO, class W>
void land_fields(IO io, W& w) {
  io.f(w.top_level); io.f(w.thickness); io.f(w.unit_weight); io.f(w.saturated_unit_weight);
  io.f(w.surface_slope); io.f(w.phi); io.f(w.wall_friction); io.f(w.wall_back_angle);
  io.f(w.failure_angle_top); io.f(w.failure_angle_bottom);
  for (auto& a : w.wedge_angles) io.f(a);
  io.f(w.failure_angle);
  io.i(w.mean_angle_kind); io.pad(4);
  io.f(w.seismic_angle_top); io.f(w.seismic_angle_bottom);
  io.f(w.band_seismic_angle_top); io.f(w.band_seismic_angle_bottom);
  io.f(w.weight_above_rwl); io.f(w.saturated_weight_above); io.f(w.saturated_weight_to_seabed);
  io.f(w.submerged_weight_above); io.f(w.submerged_weight_to_seabed);
  io.f(w.overburden_top); io.f(w.overburden_bottom);
  io.f(w.overburden_seabed); io.f(w.overburden_seabed_minus10);
  io.f(w.rwl_depth_top); io.f(w.rwl_depth_bottom);
  io.f(w.seismic_coef_top); io.f(w.seismic_coef_bottom);
  io.f(w.clay_coef_top); io.f(w.clay_coef_bottom);
  io.i(w.seismic_coef_kind_top); io.i(w.seismic_coef_kind_bottom);
  io.f(w.cohesion_top); io.f(w.cohesion_bottom);
  io.f(w.cohesion_seabed); io.f(w.cohesion_seabed_minus10);
  io.f(w.wedge_surcharge_load_top); io.f(w.wedge_surcharge_load_bottom);
  io.f(w.wedge_weight_top); io.f(w.wedge_weight_bottom);
  io.f(w.wedge_width_top); io.f(w.wedge_width_bottom);
  io.f(w.surcharge_top); io.f(w.surcharge_bottom);
  io.f(w.wedge_surface_x_top); io.f(w.wedge_surface_x_bottom);
  io.f(w.wedge_surface_y_top); io.f(w.wedge_surface_y_bottom);
  for (auto& c : w.wedge_centroid_x) io.f(c);
  for (auto& c : w.wedge_centroid_y) io.f(c);
  io.i(w.clay_band_flag); io.i(w.liquefied);
  io.f(w.slurry_unit_weight);
}

template <class IO, class W>
void sea_fields(IO io, W& w) {
  io.f(w.top_level); io.f(w.thickness); io.f(w.unit_weight); io.f(w.saturated_unit_weight);
  io.f(w.seabed_slope); io.f(w.phi); io.f(w.wall_friction); io.f(w.wall_back_angle);
  io.f(w.seismic_angle_top); io.f(w.seismic_angle_bottom);
  io.f(w.weight_above_water); io.f(w.saturated_weight_above); io.f(w.submerged_weight_above);
  io.f(w.overburden_top); io.f(w.overburden_bottom);
  io.f(w.water_depth_top); io.f(w.water_depth_bottom);
  io.f(w.seismic_coef_top); io.f(w.seismic_coef_bottom);
  io.f(w.surcharge_top); io.f(w.surcharge_bottom);
  io.f(w.cohesion_top); io.f(w.cohesion_bottom);
  io.i(w.spare_flag); io.pad(4);
  for (auto& r : w.reserved) io.f(r);
  io.i(w.liquefied); io.pad(4);
  io.f(w.slurry_unit_weight);
}

template <class IO, class R>
void active_fields(IO io, R& a) {
  io.f(a.coef_top); io.f(a.coef_bottom); io.f(a.vertical_coef_top); io.f(a.vertical_coef_bottom);
  io.f(a.clay_formula1_top); io.f(a.clay_formula1_bottom);
  io.f(a.clay_formula2_top); io.f(a.clay_formula2_bottom);
  io.f(a.horizontal_top); io.f(a.horizontal_bottom); io.f(a.vertical_top); io.f(a.vertical_bottom);
  io.f(a.water_top); io.f(a.water_bottom);
  io.f(a.unliquefied_top); io.f(a.unliquefied_bottom);
  io.f(a.liquefied_top); io.f(a.liquefied_bottom);
  io.f(a.seabed_formula1); io.f(a.seabed_formula2); io.f(a.seabed_intensity);
}

template <class IO, class R>
void passive_fields(IO io, R& p) {
  io.f(p.coef_top); io.f(p.coef_bottom); io.f(p.vertical_coef_top); io.f(p.vertical_coef_bottom);
  io.f(p.passive_top); io.f(p.passive_bottom); io.f(p.vertical_top); io.f(p.vertical_bottom);
  io.f(p.unliquefied_top); io.f(p.unliquefied_bottom);
  io.f(p.liquefied_top); io.f(p.liquefied_bottom);
  io.f(p.liquefied_dynamic_top); io.f(p.liquefied_dynamic_bottom);
}

template <class IO, class S>
void summary_fields(IO io, S& s) {
  io.f(s.residual_water_intensity);
  for (auto* a : {&s.item_force_sum, &s.item_moment_sum, &s.ext_horizontal_sum,
                  &s.ext_horizontal_moment_sum, &s.ext_horizontal_arm, &s.ext_vertical_sum,
                  &s.ext_vertical_moment_sum, &s.ext_vertical_arm}) {
    io.f((*a)[0]);
    io.f((*a)[1]);
  }
}

template <class IO, class H>
void header_fields(IO io, H& h) {
  io.i(h.surcharge_level_index); io.i(h.ground_top_index); io.i(h.rwl_index);
  io.i(h.seabed_index); io.i(h.land_boundary_count); io.i(h.sea_boundary_count);
  io.i(h.arayoko_land_count); io.i(h.arayoko_sea_count); io.i(h.ground_vertex_count);
}

template <class IO, class F>
void work_file_fields(IO io, F& f) {
  header_fields(io, f.header);
  for (auto& w : f.land) land_fields(io, w);
  for (auto& w : f.sea) sea_fields(io, w);
  for (auto& w : f.arayoko_land) land_fields(io, w);
  for (auto& w : f.arayoko_sea) sea_fields(io, w);
  for (auto& a : f.active) active_fields(io, a);
  for (auto& p : f.passive) passive_fields(io, p);
  summary_fields(io, f.summary);
  for (auto& a : f.arms) {
    io.f(a.horizontal_moment); io.f(a.vertical_moment); io.f(a.horizontal_arm);
    io.f(a.vertical_arm);
  }
  for (auto& v : f.vertices) {
    io.f(v.x); io.f(v.y); io.f(v.surcharge_normal); io.f(v.surcharge_seismic);
  }
}

template <class IO, class T>
void load_table_fields(IO io, T& t) {
  for (auto& it : t.items) {
    io.i(it.shape); io.pad(4);
    io.f(it.centroid_x); io.f(it.centroid_level); io.f(it.lever_arm); io.f(it.intensity);
    io.f(it.height); io.f(it.force); io.f(it.moment);
  }
  io.f(t.total_force); io.f(t.total_moment);
  io.i(t.item_count);
}

// Hands every real to a function, in file order.
struct Visit {
  const std::function<void(double)>* fn;
  void f(const double& v) { (*fn)(v); }
  void i(const std::int32_t&) {}
  void pad(std::size_t) {}
};

bool index_ok(std::int32_t i) { return i >= -1 && i < LAYER_RECORDS; }
bool count_ok(std::int32_t n, int limit) { return n >= 0 && n <= limit; }

}  // namespace

void append_land_work_layer(std::string& out, const LandWorkLayer& w) {
  land_fields(Put{out}, w);
}

void append_sea_work_layer(std::string& out, const SeaWorkLayer& w) { sea_fields(Put{out}, w); }

std::string encode_pressure_work_file(const PressureWorkFile& f) {
  std::string out;
  out.reserve(PRESSURE_WORK_FILE_BYTES);
  work_file_fields(Put{out}, f);
  return out;
}

std::optional<PressureWorkFile> decode_pressure_work_file(std::string_view bytes) {
  if (bytes.size() != PRESSURE_WORK_FILE_BYTES) return std::nullopt;
  PressureWorkFile f;
  FieldReader r(bytes);
  work_file_fields(Get{r}, f);
  const PressureWorkHeader& h = f.header;
  if (!index_ok(h.surcharge_level_index) || !index_ok(h.ground_top_index) ||
      !index_ok(h.rwl_index) || !index_ok(h.seabed_index) ||
      !count_ok(h.land_boundary_count, LAYER_RECORDS) ||
      !count_ok(h.sea_boundary_count, LAYER_RECORDS) ||
      !count_ok(h.arayoko_land_count, LAYER_RECORDS) ||
      !count_ok(h.arayoko_sea_count, LAYER_RECORDS) ||
      !count_ok(h.ground_vertex_count, GROUND_VERTICES) || !r.sound())
    return std::nullopt;
  return f;
}

void for_each_real(const PressureWorkFile& f, const std::function<void(double)>& fn) {
  work_file_fields(Visit{&fn}, f);
}

void for_each_real(const LoadTableFile& t, const std::function<void(double)>& fn) {
  load_table_fields(Visit{&fn}, t);
}

std::string encode_load_table(const LoadTableFile& t) {
  std::string out;
  out.reserve(LOAD_TABLE_FILE_BYTES);
  load_table_fields(Put{out}, t);
  return out;
}

std::optional<LoadTableFile> decode_load_table(std::string_view bytes) {
  if (bytes.size() != LOAD_TABLE_FILE_BYTES) return std::nullopt;
  LoadTableFile t;
  FieldReader r(bytes);
  load_table_fields(Get{r}, t);
  if (!count_ok(t.item_count, LOAD_ITEMS) || !r.sound()) return std::nullopt;
  return t;
}

std::string encode_layer_pressure_block(const LayerPressureBlock& b) {
  std::string out;
  put_i32(out, static_cast<std::int32_t>(b.land.size()));
  for (const ActiveSegment& s : b.land) {
    put_i32(out, s.layer_index);
    for (double v : {s.top_level, s.bottom_level, s.active_top, s.active_bottom, s.water_top,
                     s.water_bottom})
      put_f64(out, v);
  }
  put_i32(out, static_cast<std::int32_t>(b.sea.size()));
  for (const PassiveSegment& s : b.sea) {
    put_i32(out, s.layer_index);
    for (double v : {s.top_level, s.bottom_level, s.passive_top, s.passive_bottom})
      put_f64(out, v);
  }
  return out;
}

std::optional<std::vector<LayerPressureBlock>> decode_layer_pressure_file(std::string_view bytes) {
  std::vector<LayerPressureBlock> blocks;
  std::size_t pos = 0;
  auto count_at = [&](std::size_t segment_bytes) -> std::optional<std::int32_t> {
    if (bytes.size() - pos < 4) return std::nullopt;
    FieldReader r(bytes, pos);
    const std::int32_t n = r.i32();
    pos += 4;
    if (n < 0 || n >= LAYER_RECORDS) return std::nullopt;
    if ((bytes.size() - pos) / segment_bytes < static_cast<std::size_t>(n)) return std::nullopt;
    return n;
  };
  while (pos < bytes.size()) {
    LayerPressureBlock b;
    const auto n = count_at(ACTIVE_SEGMENT_BYTES);
    if (!n) return std::nullopt;
    FieldReader r(bytes, pos);
    for (std::int32_t k = 0; k < *n; ++k) {
      ActiveSegment s;
      s.layer_index = r.i32();
      s.top_level = r.f64();
      s.bottom_level = r.f64();
      s.active_top = r.f64();
      s.active_bottom = r.f64();
      s.water_top = r.f64();
      s.water_bottom = r.f64();
      if (s.layer_index < 0 || s.layer_index >= LAYER_RECORDS || !r.sound()) return std::nullopt;
      b.land.push_back(s);
    }
    pos = r.position();
    const auto m = count_at(PASSIVE_SEGMENT_BYTES);
    if (!m) return std::nullopt;
    FieldReader q(bytes, pos);
    for (std::int32_t k = 0; k < *m; ++k) {
      PassiveSegment s;
      s.layer_index = q.i32();
      s.top_level = q.f64();
      s.bottom_level = q.f64();
      s.passive_top = q.f64();
      s.passive_bottom = q.f64();
      if (s.layer_index < 0 || s.layer_index >= LAYER_RECORDS || !q.sound()) return std::nullopt;
      b.sea.push_back(s);
    }
    pos = q.position();
    blocks.push_back(std::move(b));
  }
  return blocks;
}

std::string pressure_work_file_name(int case_index) {
  return case_index == 1 ? "DAT_PRN2.DAT" : "DAT_PRN1.DAT";
}

}  // namespace qvt::engine
