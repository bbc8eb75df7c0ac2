#pragma once
// Checked writing of the engine's binary files and the layer pressure file DAT_ANS.DAT, which
// stays open across the case passes.
#include "engines/common/pressure_files.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace qvt::vaskude {

inline constexpr const char* kLayerPressureFileName = "DAT_ANS.DAT";

// Creates `name` and writes the bytes. A file that cannot be created shows the given text;
// one that cannot be written or closed whole shows a write error. Both end the run.
void write_result_file(const std::string& name, std::string_view bytes,
                       const std::string& open_error_cp932);

// DAT_ANS.DAT: created before the first case, one block appended per case, closed after the
// last. Every step is checked.
class LayerPressureWriter {
 public:
  LayerPressureWriter() = default;
  ~LayerPressureWriter();
  LayerPressureWriter(const LayerPressureWriter&) = delete;
  LayerPressureWriter& operator=(const LayerPressureWriter&) = delete;
  void open();
  void append(const engine::LayerPressureBlock& block);
  void close();

 private:
  std::FILE* file_ = nullptr;
};

// The current case's block of DAT_ANS.DAT: land segments from the ground top, sea segments
// from the seabed, from the main layer tables and the merged intensities.
engine::LayerPressureBlock layer_pressure_block();

}  // namespace qvt::vaskude
