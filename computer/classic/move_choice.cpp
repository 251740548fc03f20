// The computer's choice as the game plays it. It examines the same candidates in the same
// order as the step-by-step search (tests/support/reference_search.cpp) and keeps the same
// first best one, but scores on the scoring board, and leaves out work whose answer cannot
// change that choice: the double-three / double-four test of a candidate that could not
// replace the best anyway, and everything once a five is found, which nothing can beat.
#include "computer/classic/board_move_limit.h"
#include "computer/classic/computer.h"
#include "computer/classic/move_generation.h"
#include "computer/classic/opening.h"
#include "computer/classic/score_levels.h"
#include "computer/classic/scoring_board.h"
#include "game/piece_table.h"

namespace brenvolt {
namespace {

struct 最善 {
  int 得点 = 得点_初期値;
  std::optional<着手> 手;

  bool 決着() const { return 得点 >= 得点_自五; }
};

// The piece as it will stand. Both placements of an optional promotion always score alike,
// since the scoring only asks which side holds a square, and a tie keeps the piece
// unpromoted; so only a compulsory promotion changes the placed piece.
int 置く駒(const 対局状態& 局, int 元X, int 元Y, int 先X, int 先Y, int 駒) {
  const int 成った駒 = 局.調査_駒成(元X, 元Y, 先X, 先Y, 駒);
  if (成った駒 != 空 && 移動後チェック(先Y, 駒) == 無) return 成った駒;
  return 駒;
}

void 盤上移動探索(対局状態& 局, int COM側, classic::ScoringBoard& 探盤, 最善& 最良) {
  for (int 元X = 1; 元X <= 盤サイズ; ++元X) {
    for (int 元Y = 1; 元Y <= 盤サイズ; ++元Y) {
      const int 駒 = 局.盤面[元X][元Y];
      if (調査_駒(COM側, 駒) != 有) continue;
      const int 元 = classic::square(元X, 元Y);
      classic::board_destinations(探盤.cells(), 元X, 元Y, 駒).for_each_until([&](int 先X, int 先Y) {
        const int 先 = classic::square(先X, 先Y);
        const int 得点 = 探盤.move_score(元, 先, 最良.得点);
        if (得点 > 最良.得点 && !探盤.move_forbidden(元, 先)) {
          最良.得点 = 得点;
          最良.手 = 着手{元X, 元Y, 先X, 先Y, 駒, 置く駒(局, 元X, 元Y, 先X, 先Y, 駒)};
        }
        return !最良.決着();
      });
      if (最良.決着()) return;
    }
  }
}

// The drop squares in destination order: empty squares next to some piece.
struct 打ち先一覧 {
  int 数 = 0;
  int 桝[盤サイズ * 盤サイズ] = {};
};

打ち先一覧 打ち先(const classic::ScoringBoard& 探盤) {
  打ち先一覧 一覧;
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      const int p = classic::square(x, y);
      if (探盤.empty(p) && 探盤.has_neighbour(p)) 一覧.桝[一覧.数++] = p;
    }
  }
  return 一覧;
}

// A drop's score and refusal depend on its square only, never on the piece dropped, so the
// scoring board works each out once per square; the piece only decides where it may go.
void 打ち探索(const 対局状態& 局, int COM側, classic::ScoringBoard& 探盤, 最善& 最良) {
  const int 列 = 持駒列の(COM側);
  const int 最初の段 = 持駒台の最初の段(COM側);
  const 打ち先一覧 一覧 = 打ち先(探盤);
  for (int 段 = 最初の段; 段 < 最初の段 + 持駒種類数 && !最良.決着(); ++段) {
    if (局.取得_持駒数(COM側, 段) <= 0) continue;
    const int 駒 = 局.取得_持駒(COM側, 段);
    for (int i = 0; i < 一覧.数 && !最良.決着(); ++i) {
      const int 先 = 一覧.桝[i];
      const int 先X = classic::column_of(先);
      const int 先Y = classic::row_of(先);
      if (!classic::drop_allowed(駒, 先X, 先Y, 局.先手2歩, 局.後手2歩)) continue;
      const int 得点 = 探盤.drop_score(先);
      if (得点 > 最良.得点 && !探盤.drop_forbidden(先)) {
        最良.得点 = 得点;
        最良.手 = 着手{列, 段, 先X, 先Y, 駒, 駒};
      }
    }
  }
}

}  // namespace

std::optional<着手> com_ban_探索(対局状態& 局, int COM側, 探索統計* 統計) {
  const int 手持 = 局.取得_全持駒数(COM側);
  if (auto 開始手 = 初手(局, COM側)) return 開始手;
  局.調査_2歩フラグ設定();
  classic::ScoringBoard 探盤(局, COM側);
  最善 最良;
  if (手持 < 盤上移動上限) 盤上移動探索(局, COM側, 探盤, 最良);
  if (手持 > 0 && !最良.決着()) 打ち探索(局, COM側, 探盤, 最良);
  if (統計 != nullptr) 統計->得点計算数 += 探盤.evaluations();
  return 最良.手;
}

}  // namespace brenvolt
