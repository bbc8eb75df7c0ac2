#pragma once
// Writing the model as a pair of files (conditions file and block file): the project's own
// <base>.MSJ/.MBJ, or the pair QVTAJKN/QVTABLK.<ext> in the work folder, where "CAL" is the
// engines' input and "ORG" and "EDT" are snapshots compared line by line to detect changes.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"

#include <string>

namespace qvt::model {

inline constexpr const char* kMsgConditionsUnwritable = "条件ﾌｧｲﾙ(.MSJ)に書き込み出来ません。";
inline constexpr const char* kMsgBlocksUnwritable = "壁体構成ﾌﾞﾛｯｸﾌｧｲﾙ(.MBJ)に書き込み出来ません。";
inline constexpr const char* kMsgNotReopenable =
    "このデータは保存しても読み込めないため、保存しませんでした。";
inline constexpr const char* kMsgCalcConditionsUnwritable =
    "計算用条件ﾌｧｲﾙ(QVTAJKN)に書き込み出来ません。";
inline constexpr const char* kMsgCalcBlocksUnwritable =
    "計算用壁体構成ﾌﾞﾛｯｸﾌｧｲﾙ(QVTABLK)に書き込み出来ません。";
inline constexpr const char* kMsgBearingSurfaceSlope =
    "支持層面が傾斜する場合は海側方向に下り傾斜として下さい。";
inline constexpr const char* kMsgWallPatternSoilBlock =
    "壁式改良の場合、改良土ブロックの上限・下限は水平にして下さい。";
inline constexpr const char* kClayPressureTitle = "粘土層の土圧";
inline constexpr const char* kMsgClayPressureNotice =
    "海底面～海底面-10ｍ位置にある粘土層の土圧は\n"
    "見かけの震度を用いて算出します（直線補間は行いません）";

// With `to_program_folder` false, `base_or_ext` is the project's path without extension and
// the pair <base>.MSJ/<base>.MBJ is written: first read back as opening reads them (a project
// that would not open again is refused with a message and nothing is written), then both
// written to temporary files beside the old ones, and only then renamed over them, so a failed
// save never destroys or half-replaces the previous pair. Otherwise `base_or_ext` is "CAL",
// "ORG" or "EDT" and QVTAJKN.<ext>/QVTABLK.<ext> are written in place in m.work_folder.
//
// Only "CAL" checks the data: a bearing surface that falls towards the land side stops after
// the first 56 conditions lines (the block file is not touched); in the wall pattern an
// improved-soil block with a sloped top or bottom (type 6) ends the block file at that slot's
// type line. Both refusals
// leave their truncated file behind, so it never compares equal to a complete snapshot.
// A snapshot file that cannot be written is removed, so a later comparison reports it instead
// of comparing a stale copy.
//
// Names are trimmed and stored back into the model as written. Returns 0 when both files were
// written, -1 when the data was refused or a file could not be written (each shown through
// `messages`).
int write_project_files(ProjectModel& m, const std::string& base_or_ext, bool to_program_folder,
                        MessageSink& messages);

// The engines' input for a run: rebuilds the derived outline of every used slot (a slot whose
// outline cannot be built is reported and refuses the run), refuses what the engines cannot
// compute (the block geometry check, named block by block; nothing is written then), then
// writes the "CAL" pair. 0 when written, -1 when refused or failed.
int write_engine_input(ProjectModel& m, MessageSink& messages);

// Compares the snapshot pairs <ext_a> and <ext_b> in the work folder line by line, the
// conditions files first; the block files are looked at only when those are the same.
// Returns 0 when both pairs are the same, -1 when they differ. A snapshot file that is missing,
// unreadable or empty (a snapshot is never empty; an empty one is a failed write) is reported
// through `messages` and makes the pairs differ, so changes are never taken for unchanged.
int compare_snapshot_files(const ProjectModel& m, const std::string& ext_a,
                           const std::string& ext_b, MessageSink& messages);

}  // namespace qvt::model
