#include "engines/common/result_chain_file.h"

#include "engines/common/binary_fields.h"

namespace qvt::engine {

std::string encode_result_chain_base(const ResultChainBase& base) {
  std::string out;
  out.reserve(RESULT_CHAIN_LAYERS_SIZE);
  for (double v : base.weight_totals) put_f64(out, v);
  for (const ChainForceSummary& f : base.force_summary)
    for (double v : f.slot) put_f64(out, v);
  for (double v : base.body_totals) put_f64(out, v);
  return out;
}

std::string encode_result_chain_layers(const ResultChainBase& base,
                                       const ResultChainLayers& layers) {
  std::string out = encode_result_chain_base(base);
  put_i32(out, layers.land_boundary_count);
  put_i32(out, layers.sea_boundary_count);
  for (const SplitLayer& s : layers.land) append_split_layer(out, s);
  for (const SplitLayer& s : layers.sea) append_split_layer(out, s);
  return out;
}

std::optional<ResultChainBase> decode_result_chain_base(std::string_view bytes) {
  if (bytes.size() < RESULT_CHAIN_BASE_SIZE) return std::nullopt;
  ResultChainBase base;
  FieldReader r(bytes);
  for (double& v : base.weight_totals) v = r.f64();
  for (ChainForceSummary& f : base.force_summary)
    for (double& v : f.slot) v = r.f64();
  for (double& v : base.body_totals) v = r.f64();
  if (!r.sound()) return std::nullopt;
  return base;
}

std::optional<ResultChainWithLayers> decode_result_chain_layers(std::string_view bytes) {
  if (bytes.size() < RESULT_CHAIN_LAYERS_SIZE) return std::nullopt;
  ResultChainWithLayers out;
  const auto base = decode_result_chain_base(bytes);
  if (!base) return std::nullopt;
  out.base = *base;
  FieldReader r(bytes, CHAIN_COUNTS_OFFSET);
  out.layers.land_boundary_count = r.i32();
  out.layers.sea_boundary_count = r.i32();
  if (out.layers.land_boundary_count < 0 || out.layers.land_boundary_count > LAYER_RECORDS ||
      out.layers.sea_boundary_count < 0 || out.layers.sea_boundary_count > LAYER_RECORDS)
    return std::nullopt;
  for (int k = 0; k < LAYER_RECORDS; ++k) {
    const auto land = decode_sound_split_layer(
        bytes.substr(CHAIN_LAND_OFFSET + SPLIT_LAYER_BYTES * static_cast<std::size_t>(k),
                     SPLIT_LAYER_BYTES));
    const auto sea = decode_sound_split_layer(
        bytes.substr(CHAIN_SEA_OFFSET + SPLIT_LAYER_BYTES * static_cast<std::size_t>(k),
                     SPLIT_LAYER_BYTES));
    if (!land || !sea) return std::nullopt;
    out.layers.land[k] = *land;
    out.layers.sea[k] = *sea;
  }
  return out;
}

std::string encode_result_chain_external(std::string_view layers_file,
                                         const ExternalResults& r) {
  std::string out(layers_file.substr(0, RESULT_CHAIN_LAYERS_SIZE));
  out.resize(RESULT_CHAIN_LAYERS_SIZE, '\0');
  for (double v : r.sliding_fs) put_f64(out, v);
  for (double v : r.overturning_fs) put_f64(out, v);
  for (const auto& c : r.reaction)
    for (double v : c) put_f64(out, v);
  for (double v : r.allowable_bearing) put_f64(out, v);
  for (double v : r.effective_width) put_f64(out, v);
  return out;
}

std::optional<ExternalResults> decode_external_results(std::string_view bytes) {
  if (bytes.size() < RESULT_CHAIN_EXTERNAL_SIZE) return std::nullopt;
  ExternalResults r;
  FieldReader in(bytes, RESULT_CHAIN_LAYERS_SIZE);
  for (double& v : r.sliding_fs) v = in.f64();
  for (double& v : r.overturning_fs) v = in.f64();
  for (auto& c : r.reaction)
    for (double& v : c) v = in.f64();
  for (double& v : r.allowable_bearing) v = in.f64();
  for (double& v : r.effective_width) v = in.f64();
  if (!in.sound()) return std::nullopt;
  return r;
}

}  // namespace qvt::engine
