#pragma once
// The import of a design of the sibling program (<base>.TJ2, .TB2, .TK2 and .SIN) into a
// project. Every file is read and checked into a fresh staging record first; the project
// changes only when all of them were read, so a failing file leaves it as it was.
#include "frontend/import/sibling_files.h"
#include "frontend/import/sibling_tj3.h"
#include "frontend/model/messages.h"
#include "frontend/model/project.h"
#include "frontend/model/sibling_import.h"

#include <functional>
#include <string>

namespace qvt::import {

inline constexpr const char* kMsgTj2Unreadable = "条件ﾌｧｲﾙ(.TJ2)が読み込み出来ません。";
inline constexpr const char* kMsgTb2Unreadable = "壁体構成ﾌﾞﾛｯｸﾌｧｲﾙ(.TB2)が読み込み出来ません。";
inline constexpr const char* kMsgTk2Unreadable = "検討点ﾌｧｲﾙ(.TK2)が読み込み出来ません。";
inline constexpr const char* kMsgSinUnreadable = "Tervane引き渡しﾌｧｲﾙ(.SIN)が読み込み出来ません。";
// The single-file design names its conditions file ".CJ3" in its messages.
inline constexpr const char* kMsgCj3Unreadable = "条件ﾌｧｲﾙ(.CJ3)が読み込み出来ません。";
inline constexpr const char* kMsgCj3MidRead = "条件ﾌｧｲﾙ(.CJ3)の読み込み途中でエラーが発生しました。";
inline constexpr const char* kMsgCentroidByLayer =
    "直立消波ブロック設定において『重心X：層毎に設定』を選択しております。\n"
    "Tervaneシステムでは現在未対応の為、各層で一定として計算します。";
// Notices of what an import kept or left out, shown after it succeeded.
inline constexpr const char* kMsgTopRangeNotShown =
    "上部工天端の載荷重の範囲4に荷重があります。入力画面には表示されませんが、計算には使用されます。";
inline constexpr const char* kMsgTopRangeDropped =
    "上部工天端の載荷重の範囲5に荷重がありますが、取り込めません。";
inline constexpr const char* kMsgForcesNotTaken =
    "他外力は各ケース3件まで取り込みます。次の外力は取り込みませんでした。";
inline constexpr const char* kMsgBlocksToMend =
    "取り込んだブロックのうち、次のブロックはこのままでは計算できません。修正してください。";

// Which water-level study is taken over.
enum LevelCase : int { LEVEL_CASE_NONE = 0, LEVEL_CASE_LWL = 1, LEVEL_CASE_HWL = 2, LEVEL_CASE_BOTH = 3 };

// The study the flags name: only the value 1 counts as studied.
int water_level_case(const std::array<i16, 4>& case_grid);

// Asks which study to take over when the design holds both. `proposed` is the sibling's own
// choice (1 L.W.L., 2 H.W.L.); the answer is 1 or 2, or 0 when the question was closed without
// an answer (the import then stops and changes nothing).
using LevelChoice = std::function<int(int proposed)>;

class SiblingImporter : public model::SiblingImport {
 public:
  explicit SiblingImporter(LevelChoice choose) : choose_(std::move(choose)) {}
  bool import_tj2_project(const std::string& base, model::ProjectModel& m,
                          model::MessageSink& messages) override;
  bool import_tj3_project(const std::string& base, model::ProjectModel& m,
                          model::MessageSink& messages) override;

 private:
  // Asks for the study when the design holds both (`level_case` LEVEL_CASE_BOTH, `preselect`
  // offered first), then reads the chosen study's hand-over loads from <base>.SIN. False when
  // the question was closed, or with the .SIN message when the file or the check point fails.
  bool choose_study_and_read_sin(const std::string& base, int preselect, int check_point_number,
                                 model::MessageSink& messages, int& level_case,
                                 std::array<SiblingHandOver, 4>& hand_over) const;

  LevelChoice choose_;
};

// The staged values of one .TJ2 set written into the project (the blocks are already in it).
void apply_tj2(const SiblingConditions& c, const SiblingCheckPoint& point,
               const std::array<SiblingHandOver, 4>& hand_over, int level_case,
               model::ProjectModel& m);

// What a .TJ3 design hands over in the shape of a .TJ2 one, for the study `level_case`: the
// force groups of that study as the two force cases (at most three rows each, the count
// being the rows taken; `not_taken` receives the names of the others, per case) and, for the
// H.W.L. study of a design without loads of its own for it, the L.W.L. loads.
SiblingConditions tj3_as_tj2(const Tj3Design& d, int level_case,
                             std::array<std::vector<std::string>, 2>& not_taken);

}  // namespace qvt::import
