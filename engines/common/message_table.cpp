#include "engines/common/message_table.h"

#include "common/cp932.h"

#include <string>

namespace qvt::engine {
namespace {

struct TableEntry {
  int code;
  const char* utf8;
};

// The texts as the user sees them, byte for byte once converted to CP932 (full-width and
// half-width characters as they stand; code 60 has an ideographic space before "n" and two
// ASCII spaces after it).
constexpr TableEntry kTable[] = {
    {3, "(ERROR)-震度の計算でγが 1.0 以下になっています."},
    {5, "(ERROR)-地表面との交点が検索できません."},
    {17, "(ERROR)-陸側の土層の標高が逆転しています."},
    {18, "(ERROR)-海側の土層の標高が逆転しています."},
    {19, "(ERROR)-陸側の土層内に海底面がありません."},
    {20, "(ERROR)-陸側の土層内に残留水位がありません."},
    {21, "(ERROR)-陸側の土層内に地表面天端がありません."},
    {22, "(ERROR)-海側の土層内に海底面がありません."},
    {26, "(ERROR)-盛土データの終了位置が地表面天端位置よりも低くなっています."},
    {27, "(ERROR)-盛土の標高が逆転しています."},
    {28, "(ERROR)-上載荷重が重複しています。"},
    {31, "(ERROR)-上載荷重図印字用データ領域が確保できません."},
    {32, "(ERROR)-土圧図印字用データ領域が確保できません."},
    {34, "(ERROR)-寸法線チェック用領域１が確保できません."},
    {35, "(ERROR)-寸法線チェック用領域２が確保できません."},
    {36, "(ERROR)-寸法線チェック用領域３が確保できません."},
    {37, "(ERROR)-寸法線チェック用領域４が確保できません."},
    {38, "(ERROR)-寸法線チェック用領域５が確保できません."},
    {57, "(ERROR)-スケールの計算中にＸ方向の座標値が 0.0 になりました."},
    {60, "(ERROR)-配列の０クリアーで\u3000n  が大きすぎます."},
    {61, "(ERROR)-粘着力Ｃが－値になりました."},
    {63, "(ERROR)-スケールの計算中にＹ方向の座標値が 0.0 になりました."},
    {64, "(ERROR)-盛土の土層が検出できません."},
    {65, "(ERROR)-地表面形状のレベルが天端位置の場合、盛土土層は必要ありません."},
    {66, "(ERROR)-盛土の開始ﾚﾍﾞﾙは、最大の地表面ﾚﾍﾞﾙより高い位置にして下さい."},
};

}  // namespace

std::string error_text(int code, std::string_view cp932_text) {
  if (code == -1) return std::string(cp932_text);
  for (const TableEntry& e : kTable)
    if (e.code == code) return utf8_to_cp932_lossy(e.utf8);
  return utf8_to_cp932_lossy("(ERROR)-内部エラー (メッセージ番号 " + std::to_string(code) +
                             ") が発生しました.");
}

EngineStop error_stop(int code, std::string_view cp932_text) {
  return fatal_error(error_text(code, cp932_text));
}

void show_error(int code, std::string_view cp932_text) {
  stop_engine(error_stop(code, cp932_text));
}

}  // namespace qvt::engine
