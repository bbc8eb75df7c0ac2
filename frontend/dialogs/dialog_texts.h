#pragma once
// Messages the block dialogs show (exclamation boxes with the application title).

namespace qvt::dialogs {

inline constexpr const char* kMsgInputError = "入力に誤りがあります。";
inline constexpr const char* kMsgTopError = "上限値に誤りがあります。";
inline constexpr const char* kMsgTooManyVertices =
    "頂点数が100を超えるブロックは編集できません。";
inline constexpr const char* kNumberPattern = "###0.000";

}  // namespace qvt::dialogs
