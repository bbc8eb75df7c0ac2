#include "frontend/model/snapshots.h"

#include "common/improvement_pattern.h"
#include "common/textfile.h"
#include "frontend/model/block_file.h"
#include "frontend/model/block_outline.h"
#include "frontend/model/conditions_file.h"
#include "frontend/model/input_check.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

namespace qvt::model {
namespace {

constexpr const char* kConditionsStem = "QVTAJKN.";
constexpr const char* kBlocksStem = "QVTABLK.";
constexpr int kArbitrarySurface = 1;

void warn(MessageSink& messages, const std::string& text) {
  messages.show_message(MessageIcon::Exclamation, kAppTitle, text);
}

int write_project_pair(ProjectModel& m, const std::string& base, MessageSink& messages) {
  const std::vector<std::string> conditions = conditions_file_lines(m);
  const std::vector<std::string> blocks = block_file_lines(m).lines;
  // A saved project must open again: the lines are read back as opening reads them, and a
  // project the reader would refuse (a caisson of 9 cells from an import, a count past its
  // store, a value that is not a number) is refused before anything is written.
  {
    auto scratch = std::make_unique<ProjectConditions>();
    i16 version = 0;
    if (!read_conditions_lines(conditions, *scratch, version)) {
      warn(messages, std::string(kMsgConditionsUnwritable) + "\n" + kMsgNotReopenable);
      return -1;
    }
    std::string problem;
    if (!block_lines_readable(blocks, version, &problem)) {
      std::string text = std::string(kMsgBlocksUnwritable) + "\n";
      if (!problem.empty()) text += problem + "\n";
      warn(messages, text + kMsgNotReopenable);
      return -1;
    }
  }
  // Both files are written in full before either replaces its old file, so a failed write
  // (a full disk) leaves the old pair as it was.
  FileReplacement msj(base + ".MSJ"), mbj(base + ".MBJ");
  if (!msj.write(join_crlf(conditions))) {
    warn(messages, kMsgConditionsUnwritable);
    return -1;
  }
  if (!mbj.write(join_crlf(blocks))) {
    warn(messages, kMsgBlocksUnwritable);
    return -1;
  }
  if (!msj.commit()) {
    warn(messages, kMsgConditionsUnwritable);
    return -1;
  }
  if (!mbj.commit()) {
    warn(messages, kMsgBlocksUnwritable);
    return -1;
  }
  return 0;
}

// Writes a snapshot file in place. One that cannot be written is removed: a stale or partial
// copy left behind would compare as if it were current.
bool write_snapshot(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  if (write_file_bytes(path, join_crlf(lines))) return true;
  std::error_code ec;
  std::filesystem::remove(path, ec);
  return false;
}

int write_snapshot_pair(ProjectModel& m, const std::string& ext, MessageSink& messages) {
  const bool for_engines = ext == "CAL";
  const ProjectConditions& c = m.conditions;

  // The engines take the clay between the seabed and 10 m below it with the apparent seismic
  // coefficient when the surcharge comes from an arbitrary ground surface; every program-folder
  // copy says so on line 25, while the project pair keeps the model's own choice.
  int line25 = -1;
  if (m.custom_options.surcharge_method != 0 && c.surface_shape == kArbitrarySurface &&
      c.shallow_clay_method != 1) {
    line25 = 1;
    if (for_engines)
      messages.show_message(MessageIcon::Exclamation, kClayPressureTitle, kMsgClayPressureNotice);
  }
  std::vector<std::string> conditions = conditions_file_lines(m, line25);
  const bool bearing_refused = for_engines && c.body_dims.dh1 > c.body_dims.dh2;
  if (bearing_refused) conditions.resize(kConditionsLinesBeforeBody);
  if (!write_snapshot(m.work_folder / (kConditionsStem + ext), conditions)) {
    warn(messages, kMsgCalcConditionsUnwritable);
    return -1;
  }
  if (bearing_refused) {
    warn(messages, kMsgBearingSurfaceSlope);
    return -1;
  }

  const bool wall_check = for_engines && c.improvement_pattern == PATTERN_WALL;
  BlockFileLines blocks = block_file_lines(m, wall_check);
  if (!write_snapshot(m.work_folder / (kBlocksStem + ext), blocks.lines)) {
    warn(messages, kMsgCalcBlocksUnwritable);
    return -1;
  }
  if (blocks.stopped_at_slot >= 0) {
    warn(messages, kMsgWallPatternSoilBlock);
    return -1;
  }
  return 0;
}

// The lines of a snapshot file; nullopt (reported) when it is missing, unreadable or empty.
std::optional<std::vector<std::string>> snapshot_lines(const std::filesystem::path& folder,
                                                       const std::string& name,
                                                       MessageSink& messages) {
  auto lines = read_lines(folder / name);
  if (lines && !lines->empty()) return lines;
  warn(messages, "比較用ﾌｧｲﾙ(" + name + ")が読み込み出来ません。");
  return std::nullopt;
}

}  // namespace

int write_project_files(ProjectModel& m, const std::string& base_or_ext, bool to_program_folder,
                        MessageSink& messages) {
  return to_program_folder ? write_snapshot_pair(m, base_or_ext, messages)
                           : write_project_pair(m, base_or_ext, messages);
}

int write_engine_input(ProjectModel& m, MessageSink& messages) {
  // The engines never rebuild derived geometry: they read corners and outlines from the file.
  // Rebuilding every used slot is idempotent, so stale or unset outlines never reach them.
  if (!rebuild_all_block_outlines(m, messages)) return -1;
  // What the engines would refuse after reading their input is refused here, before anything
  // is written: the pair of the last run stays as it was, with its results. The wall pattern's
  // refusal of a sloped improved-soil block is the writer's own and comes first.
  bool soil_polygon = false;
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot)
    soil_polygon = soil_polygon || m.wall_blocks[slot].block_type == BLOCK_SOIL_POLYGON;
  if (!(m.conditions.improvement_pattern == PATTERN_WALL && soil_polygon)) {
    if (const std::string problem = engine_input_problem(m); !problem.empty()) {
      warn(messages, problem);
      return -1;
    }
  }
  return write_project_files(m, "CAL", true, messages);
}

int compare_snapshot_files(const ProjectModel& m, const std::string& ext_a,
                           const std::string& ext_b, MessageSink& messages) {
  for (const char* stem : {kConditionsStem, kBlocksStem}) {
    auto a = snapshot_lines(m.work_folder, stem + ext_a, messages);
    if (!a) return -1;
    auto b = snapshot_lines(m.work_folder, stem + ext_b, messages);
    if (!b) return -1;
    if (*a != *b) return -1;
  }
  return 0;
}

}  // namespace qvt::model
