#pragma once
// The options dialog "カスタマイズ": the calculation options of the work folder's
// QVT_DAT.CST. Qt-free presenter; the widget shows `state()` and forwards the user's events.
//
// The dialog edits a copy: the model's options change only when OK has written the file, so
// a read that failed, Cancel or Help never touch the file or the options of the snapshots.
#include "frontend/model/custom_options.h"
#include "frontend/model/messages.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>

namespace qvt::dialogs {

inline constexpr const char* kMsgOptionsUnreadable =
    "カスタムﾌｧｲﾙ(QVT_DAT.CST)が読み込み出来ません。";
inline constexpr const char* kMsgOptionsUnwritable =
    "カスタムﾌｧｲﾙ(QVT_DAT.CST)に書き込み出来ません。";
inline constexpr const char* kHintCollapseNormal = "常時における粘性土の崩壊角";
inline constexpr const char* kHintCollapseNegativeRoot =
    "崩壊角を求める式でルート内がマイナス値になった場合に使用する崩壊角";

// The numeric boxes of the dialog, in the order OK checks their ranges.
enum class OptionBox {
  WallFrictionAngle,          // "壁面摩擦角 δ(度)"
  CollapseAngleNormal,        // "粘性土崩壊角 ζ(度)", "常時" column
  CollapseAngleNegativeRoot,  // "粘性土崩壊角 ζ(度)", "地震時" column
  ConsolidationKc,            // "圧密平衡係数 Kc"
  AtRestK0,                   // "静止土圧係数 K0"
  SurfaceDummyLength,         // "地表面形状ダミー長さ（ｍ）"
  PulloutPitch,               // "抜け出しの検討ピッチ（ｍ）"
};
inline constexpr int kOptionBoxCount = 7;
inline constexpr std::array<OptionBox, kOptionBoxCount> kOptionBoxes = {
    OptionBox::WallFrictionAngle, OptionBox::CollapseAngleNormal,
    OptionBox::CollapseAngleNegativeRoot, OptionBox::ConsolidationKc,
    OptionBox::AtRestK0,          OptionBox::SurfaceDummyLength,
    OptionBox::PulloutPitch};

// What the controls show. An option group holds the code of its selected option, -1 when none
// is selected.
struct OptionsDialogState {
  std::array<std::string, kOptionBoxCount> box_texts{};  // UTF-8 texts, by OptionBox
  std::string& box(OptionBox b) { return box_texts[static_cast<std::size_t>(b)]; }
  const std::string& box(OptionBox b) const { return box_texts[static_cast<std::size_t>(b)]; }
  int negative_root_rule = -1;    // 0..3, in the order the frame lists its options
  int toe_confinement_rule = -1;  // 0..2
  int surcharge_method = -1;      // 0..2
  int seismic_rounding = 0;       // 0 "四捨五入", 1 "二捨三入、七捨八入"
  int residual_water_rule = 0;    // 0 "実残留水位を使用", 1 "地表面天場位置を…"
  int front_water_rule = 0;       // 0 "Ｌ．Ｗ．Ｌ．位置を…", 1 "海底面位置を前面水位として使用"
  bool backfill_vertical = false;  // checked: backfill_vertical_ignored = 0
  bool passive_vertical = false;   // checked: passive_vertical_ignored = 0
  bool passive_vertical_enabled = false;
  std::string status_text;  // first panel of the status bar
};

enum class OptionsDialogClose { Stay, Close };

// What OK says when the value of `box` lies outside what its option can take
// (common/option_ranges.h), e.g. "静止土圧係数 K0 は 0～2 の範囲で入力してください。".
std::string option_range_message(OptionBox box);

class OptionsDialog {
 public:
  // `options` are the model's options, replaced after a successful OK. `open_manual` opens the
  // operation manual (the Help button).
  OptionsDialog(const std::filesystem::path& work_folder, model::CustomOptions& options,
                model::MessageSink& messages, std::function<void()> open_manual);

  // Reads the file into the dialog's copy and shows it. When the file is missing or cannot be
  // read, says so and shows what was read before the failure (0 for the rest).
  void load();

  // The user enters a box (its hint shows in the status bar) and leaves it (the box shows its
  // number in the display pattern).
  void enter_box(OptionBox box);
  void leave_box(OptionBox box);
  // The user ticked or cleared the backfill's vertical force: the passive one follows its enabling.
  void toggle_backfill_vertical();

  // OK: writes the file from the controls; on success the model's options take the values
  // and the dialog closes; a failed write says so, keeps the old file and the options, and the
  // dialog stays; a box holding a value its option cannot take is named in a message, nothing
  // is written and the dialog stays.
  OptionsDialogClose ok();
  // Cancel: closes, nothing written.
  OptionsDialogClose cancel();
  // Help: opens the manual, stays open.
  OptionsDialogClose help();

  // Edits of the user (the widget forwards them as they happen).
  OptionsDialogState& edit() { return state_; }
  const OptionsDialogState& state() const { return state_; }
  // The file's values as read when the dialog loaded (0 past a failure).
  const model::CustomOptions& loaded() const { return loaded_; }
  bool load_failed() const { return load_failed_; }

 private:
  void show(const model::CustomOptions& o);
  model::CustomOptions from_controls() const;

  std::filesystem::path file_;
  model::CustomOptions& options_;
  model::MessageSink& messages_;
  std::function<void()> open_manual_;
  model::CustomOptions loaded_{};
  bool load_failed_ = false;
  OptionsDialogState state_;
};

}  // namespace qvt::dialogs
