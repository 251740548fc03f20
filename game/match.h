// The match: the game being played. The position knows the rules' state only; the match adds
// the move record, who plays each side and the outcome, and keeps the four in step as moves
// are played, taken back and replayed. The window, the engine session, the match tool, the
// bench and the tests each hold one; the computers take its position and the side they play.
#pragma once

#include <optional>

#include "game/constants.h"
#include "game/game_state.h"
#include "game/move.h"
#include "game/move_record.h"
#include "game/turn.h"

namespace brenvolt {

class 対局 {
 public:
  // The position: board, hands, double-pawn flags, whose turn, whether a game runs, move count.
  対局状態 局;
  // Every move up to the end of the record, the taken-back ones too, and the cursor.
  手順記録 記録;

  // Who plays: two people (モード_人間), or a person on 人間側 against the computer on COM側
  // (モード_COM). 人間歩 is the person's pawn code; the computer plays at level 強さ, 0 being
  // the standard computer.
  int 対局モード = モード_人間;
  int 人間側 = 手番_先手;
  int COM側 = 手番_後手;
  int 人間歩 = 先手_歩;
  int 強さ = 0;

  // The outcome: the side whose move made an exact five, or 0 while none has. A draw at the
  // record's bound is the caller's to declare (a set-up position may carry any move number).
  int 勝者 = 0;

  bool operator==(const 対局&) const = default;

  // A five has decided the game.
  bool 勝負あり() const { return 勝者 != 0; }
  // A game against the computer with the computer to move.
  bool COMの番() const { return 対局モード == モード_COM && 局.手番 == COM側; }

  // The person plays 人間の側 against the computer, which plays the other side.
  void COM対局の側(int 人間の側);

  // Empties the board, fills both hands, forgets the record and the outcome and ends any game;
  // the players and whose turn it is are left as they were.
  void 初期設定();
  // A new game from the start position with 先手 to move; the players are left as they were.
  void 開始();

  // Would the side to move be allowed this move? See 着手判定.
  着手判定の答え 判定(int 元X, int 元Y, int 先X, int 先Y, int 移動駒, 成り方 成り);
  // Plays a move the turn accepted, without recording it (the caller recorded it already).
  着手の結果 実行(const 着手& 手);
  // Records a move the turn accepted and plays it. A move that finds the record full (after
  // 記録上限 moves in one match) is still played, unrecorded: a set-up position may carry any
  // move number, and only the caller knows whether the bound ends its game.
  着手の結果 指す(const 着手& 手);
  // Hands the turn to the other side without a move (a side with no move passes).
  void パス();

  // Takes the last applied move back; nothing when none is applied.
  std::optional<手順> 戻す();
  // Replays the next taken-back move, ending the game again if that move made a five; nothing
  // when no taken-back move is held.
  std::optional<手順> 進める();
  // Goes to move n of the record (clamped to 0 .. 記録終端), leaving exactly the state that
  // taking back and replaying one move at a time would leave.
  void 手目へ(int n);
};

}  // namespace brenvolt
