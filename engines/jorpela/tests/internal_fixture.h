#pragma once
// Conditions, a result chain and a work folder made by hand for the checks of the internal
// stability engine. The checks write their reports into the current folder, so a fixture
// works inside a fresh folder of its own.
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/tests/capture_channel.h"
#include "engines/jorpela/jorpela.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <memory>
#include <string>
#include <vector>

namespace qvt::jorpela::testing {

// A fresh folder of its own (several may live in one test), made the current folder while the
// object lives.
class InWorkFolder {
 public:
  InWorkFolder() : old_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "qvt_jorpela_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
    dir_ = pattern;
    std::filesystem::current_path(dir_);
  }
  ~InWorkFolder() {
    std::error_code ec;
    std::filesystem::current_path(old_, ec);
    std::filesystem::remove_all(dir_, ec);
  }
  InWorkFolder(const InWorkFolder&) = delete;
  InWorkFolder& operator=(const InWorkFolder&) = delete;
  const std::filesystem::path& path() const { return dir_; }

 private:
  std::filesystem::path old_;
  std::filesystem::path dir_;
};

// A block body 12 m wide and 10 m high (improved-soil rectangle from x 0, level -15 to -5,
// γ' 10), toe at (0, -15). Sea side: seabed -5, layers -5..-10 (18 / 10) and -10..-15
// (17 / 9); L.W.L. 0. Normal case reaction q1 200, q2 100 over Be 12; allowable compressive
// stress 260, shear 100, design strength 500; seismic check off.
struct Internal {
  InWorkFolder folder;
  engine::testing::CaptureChannel channel;
  engine::ScopedMessageChannel scope{channel};
  std::unique_ptr<engine::ConditionData> owned = std::make_unique<engine::ConditionData>();
  engine::ConditionData& cd = *owned;
  InternalState state;

  Internal() {
    cd.improvement_pattern = PATTERN_BLOCK;
    cd.improvement_ratio = 100;
    for (int c = 0; c < 2; ++c) {
      cd.allowable_stresses[0][c] = 260;
      cd.allowable_stresses[1][c] = 100;
      cd.allowable_stresses[2][c] = 500;
      cd.safety_factors[3][c] = 1.2;
    }
    cd.body_dims.width = 12;
    cd.water_levels[1] = 0;
    cd.cohesion_reference_level = -10;
    cd.soil_layers[engine::SIDE_PASSIVE][0].top_level = -5;
    cd.custom_options.at_rest_coef_k0 = 0.5;
    cd.project_title.assign("TEST");
    for (auto& b : cd.wall_blocks) b.block_type = engine::BLOCK_EMPTY;
    soil_rectangle(0, 0, -15, 12, 10, 10);
    cd.toe_x = 0;
    cd.toe_y = -15;
    state.chain.base.body_totals[0] = 12;
    auto& sea = state.chain.layers.sea;
    state.chain.layers.sea_boundary_count = 3;
    sea[0] = {-5, 18, 10, 0, 30, 0, 0, 0, 0, 0, 0};
    sea[1] = {-10, 17, 9, 1, 0, 0, 0, 0, 30, 0, 0};
    sea[2] = {-15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int c = 0; c < 2; ++c) {
      state.external.reaction[static_cast<std::size_t>(c)] = {200, 100};
      state.external.effective_width[static_cast<std::size_t>(c)] = 12;
    }
  }

  engine::WallBlock& soil_rectangle(int slot, double x, double y, double w, double h, double g,
                                    engine::i16 type = engine::BLOCK_SOIL_RECTANGLE) {
    engine::WallBlock& b = cd.wall_blocks[slot];
    b.block_type = type;
    b.head.name.assign("BODY");
    b.head.ref_x = x;
    b.head.ref_y = y;
    b.polygon.vertex_x[0] = w;
    b.polygon.vertex_y[0] = h;
    b.head.unit_weights[1] = g;
    return b;
  }

  void check_point(double x, double y, double angle = 0, double width = 0, double reaction = 0) {
    for (auto& r : cd.body_reactions) {
      r.check_x = x, r.check_y = y, r.spread_angle = angle, r.spread_width = width;
      r.reaction = reaction;
    }
  }

  std::vector<std::string> lines(const std::string& name) const {
    return split_lines(read_file_bytes(folder.path() / name).value_or(""));
  }
  // The text of field record NN in a file (UTF-8), the first one after the record line that
  // starts with `after` (from the top when empty); "<none>" when absent.
  std::string field(const std::string& name, int number, const std::string& after = {}) const {
    char head[8];
    std::snprintf(head, sizeof head, "%02d  ", number);
    bool in = after.empty();
    for (const std::string& l : lines(name)) {
      if (!after.empty() && l.rfind("$", 0) == 0) in = l.rfind(after, 0) == 0;
      else if (in && l.rfind(head, 0) == 0) return cp932_to_utf8_lossy(l.substr(4));
    }
    return "<none>";
  }
};

}  // namespace qvt::jorpela::testing
