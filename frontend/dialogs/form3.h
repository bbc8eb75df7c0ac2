#pragma once
// The options dialog "カスタマイズ" (Form3): the calculation options of the work folder's
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

// The numeric boxes txt_gm1(0..7); index 5 does not exist.
inline constexpr int kForm3Boxes = 8;
inline constexpr bool form3_box_exists(int index) {
  return index >= 0 && index < kForm3Boxes && index != 5;
}

// What the controls show. An option group holds the code of its selected option, -1 when none
// is selected.
struct Form3State {
  std::array<std::string, kForm3Boxes> txt_gm1{};  // UTF-8 texts
  int Frame1 = -1;     // negative_root_rule 0..3: Option3, Option4, Option2, Option5
  int Frame2 = -1;     // toe_confinement_rule 0..2: Option9, Option8, Option10
  int Frame8 = -1;     // surcharge_method 0..2: Option6, Option7, Option1
  int fra_ogm3_1 = 0;  // seismic_rounding: 0 opt_ogm3(2), 1 opt_ogm3(3)
  int fra_ogm1_2 = 0;  // residual_water_rule: 0 opt_ogm1(2), 1 opt_ogm1(3)
  int fra_ogm1_3 = 0;  // front_water_rule: 0 opt_ogm1(4), 1 opt_ogm1(5)
  bool Check3 = false;  // checked: backfill_vertical_ignored = 0
  bool Check4 = false;  // checked: passive_vertical_ignored = 0
  bool Check4_enabled = false;
  std::string status_text;  // first panel of stv_opt
};

enum class Form3Close { Stay, Close };

// What OK says when the value of box txt_gm1(index) lies outside what its option can take
// (common/option_ranges.h), e.g. "静止土圧係数 K0 は 0～2 の範囲で入力してください。".
std::string form3_range_message(int index);

class Form3 {
 public:
  // `options` are the model's options, replaced after a successful OK. `open_manual` opens the
  // operation manual (the Help button).
  Form3(const std::filesystem::path& work_folder, model::CustomOptions& options,
        model::MessageSink& messages, std::function<void()> open_manual);

  // Reads the file into the dialog's copy and shows it. When the file is missing or cannot be
  // read, says so and shows what was read before the failure (0 for the rest).
  void Form_Load();

  void txt_gm1_GotFocus(int Index);
  void txt_gm1_LostFocus(int Index);
  void Check3_Click();

  // 0 OK: writes the file from the controls; on success the model's options take the values
  // and the dialog closes; a failed write says so, keeps the old file and the options, and the
  // dialog stays; a box holding a value its option cannot take is named in a message, nothing
  // is written and the dialog stays. 1 Cancel: closes, nothing written. 2 Help: opens the manual, stays open.
  Form3Close cmd_ogm_Click(int Index);

  // Edits of the user (the widget forwards them as they happen).
  Form3State& edit() { return state_; }
  const Form3State& state() const { return state_; }
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
  Form3State state_;
};

}  // namespace qvt::dialogs
