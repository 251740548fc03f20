// The score of one candidate, told plainly on the live board with the game's own line scans.
// The search uses a faster equivalent on its own board (scoring_board.cpp); this one answers
// the engine's `score` and is the yardstick the faster one is tested against.
#include <array>

#include "computer/classic/computer.h"
#include "computer/classic/score_levels.h"

namespace brenvolt {
namespace {

// Run counts and end contents of one side on the four lines through a square.
struct 四線 {
  std::array<int, 4> 数{};     // n: the two run counts of the line added
  std::array<bool, 4> 両開{};  // both ends open
  std::array<bool, 4> 片開{};  // at least one end open
};

四線 測定(const 対局状態& 局, int 側, int X, int Y) {
  const std::array<int, 4> 前 = {局.調査_上(側, X, Y), 局.調査_左(側, X, Y), 局.調査_左上(側, X, Y),
                                 局.調査_左下(側, X, Y)};
  const std::array<int, 4> 後 = {局.調査_下(側, X, Y), 局.調査_右(側, X, Y), 局.調査_右下(側, X, Y),
                                 局.調査_右上(側, X, Y)};
  const std::array<int, 4> 前端 = {局.調査_上端(側, X, Y), 局.調査_左端(側, X, Y),
                                   局.調査_左上端(側, X, Y), 局.調査_左下端(側, X, Y)};
  const std::array<int, 4> 後端 = {局.調査_下端(側, X, Y), 局.調査_右端(側, X, Y),
                                   局.調査_右下端(側, X, Y), 局.調査_右上端(側, X, Y)};
  四線 m;
  for (int i = 0; i < 4; ++i) {
    m.数[i] = 前[i] + 後[i];
    m.両開[i] = 前端[i] == 空 && 後端[i] == 空;
    m.片開[i] = 前端[i] == 空 || 後端[i] == 空;
  }
  return m;
}

enum class 端条件 { 問わず, 片方, 両方 };

bool 該当線有(const 四線& m, int n, 端条件 端) {
  for (int i = 0; i < 4; ++i) {
    if (m.数[i] != n) continue;
    if (端 == 端条件::両方 && !m.両開[i]) continue;
    if (端 == 端条件::片方 && !m.片開[i]) continue;
    return true;
  }
  return false;
}

bool 外周(int X, int Y) {
  return X < 2 || X > 盤サイズ - 1 || Y < 2 || Y > 盤サイズ - 1;
}

int 段階評価(const 四線& 自, const 四線& 敵, int X, int Y) {
  if (該当線有(敵, 4, 端条件::問わず)) return 得点_敵五点;
  if (該当線有(自, 3, 端条件::両方)) return 得点_自四両開;
  if (該当線有(敵, 3, 端条件::両方)) return 得点_敵四両開阻止;
  if (該当線有(自, 3, 端条件::片方)) return 得点_自四;
  if (該当線有(自, 2, 端条件::両方)) return 得点_自三両開;
  if (!外周(X, Y) && 該当線有(敵, 3, 端条件::問わず)) return 得点_敵四阻止;
  if (該当線有(敵, 2, 端条件::両方)) return 得点_敵三両開阻止;
  if (該当線有(自, 1, 端条件::両方)) return 得点_自二両開;
  return 得点_なし;
}

}  // namespace

int 調査_得点(対局状態& 局, int COM側, int IN_元X, int IN_元Y, int IN_先X, int IN_先Y) {
  // A side value is also that side's pawn code (人間歩).
  const int 人間側 = 相手の手番(COM側);
  const bool 盤上移動 = IN_元X >= 1 && IN_元X <= 盤サイズ;
  if (局.調査_5並び(COM側, IN_先X, IN_先Y) == 有) return 得点_自五;

  if (盤上移動) {
    const int 元の駒 = 局.盤面[IN_先X][IN_先Y];
    局.盤面[IN_先X][IN_先Y] = 人間側;
    const int 五阻止 = 局.調査_5並び(人間側, IN_先X, IN_先Y);
    局.盤面[IN_先X][IN_先Y] = 元の駒;
    if (五阻止 == 有) return 得点_五阻止;

    局.盤面[IN_元X][IN_元Y] = 人間側;
    const int 五開放 = 局.調査_5並び(人間側, IN_元X, IN_元Y);
    局.盤面[IN_元X][IN_元Y] = 空;
    if (五開放 == 有) return 得点_五開放;
  }

  const 四線 自 = 測定(局, COM側, IN_先X, IN_先Y);
  局.盤面[IN_先X][IN_先Y] = 人間側;
  const 四線 敵 = 測定(局, 人間側, IN_先X, IN_先Y);
  局.盤面[IN_先X][IN_先Y] = 空;
  return 段階評価(自, 敵, IN_先X, IN_先Y);
}

}  // namespace brenvolt
