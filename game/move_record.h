// The move record of one game: every move and drop in order, with a cursor for take-back and
// replay. Entries 1..記録上限 are used; entry 0 never is.
#pragma once

#include <array>
#include <optional>

#include "game/constants.h"
#include "game/game_state.h"
#include "game/piece_table.h"

namespace brenvolt {

// One recorded move. A drop has its owner's hand column (11 or -1) and the hand row of its
// kind as the source.
struct 手順 {
  int 元X = 0;
  int 元Y = 0;
  int 先X = 0;
  int 先Y = 0;
  int 元駒 = 空;  // the piece as it left the source (unpromoted if the move promoted)
  int 先駒 = 空;  // the piece as it stands on the destination
  int 取駒 = 空;  // the destination's content before the move
  bool operator==(const 手順&) const = default;
};

// Is (X, Y) a source the record can hold: a board square, or a row of a hand column?
bool 記録可能な元(int X, int Y);

class 手順記録 {
 public:
  using 列 = std::array<int, 記録上限 + 1>;

  int 記録数 = 0;    // moves applied on the board; the entry of the last applied move
  int 記録終端 = 0;  // moves held; 記録数 + 1 .. 記録終端 are taken back and can be replayed
  // The move count of the position the record starts from: 0 for a game from the start, the
  // count before the first recorded move for a game set up from a position. 手数 is always
  // 記録_開始手数 + 記録数.
  int 記録_開始手数 = 0;
  列 記録_元X{};
  列 記録_元Y{};
  列 記録_先X{};
  列 記録_先Y{};
  列 記録_元駒{};
  列 記録_先駒{};
  列 記録_取駒{};

  bool operator==(const 手順記録&) const = default;

  // Forgets every move; the record starts from move count 0 again.
  void 記録_消去();
  // No further move can be recorded: entry 記録上限 holds the last applied move.
  bool 記録_満杯() const { return 記録数 >= 記録上限; }
  // Entry i, 1 <= i <= 記録終端.
  手順 記録_項目(int i) const;
  // The last applied move of side 側, if it made one.
  std::optional<手順> 記録_最後の手(int 側) const;

  // Appends a move after the applied ones, discarding the taken-back tail; its 取駒 is read
  // from the destination of 局 before the move is applied. Returns false, writing nothing,
  // when the record is full, the move has no place on the board or 元駒 is no piece.
  bool 記録_追加(const 対局状態& 局, int 元X, int 元Y, int 先X, int 先Y, int 元駒, int 先駒);
  // Rewrites the arriving piece of the last applied move (a promotion chosen after recording).
  void 記録_先駒変更(int 先駒);

  // Takes the last applied move back on 局: board, hand, move count, and the mover is to move
  // again in a running game. Nothing when no move is applied.
  std::optional<手順> 記録_一手戻す(対局状態& 局);
  // Applies the next taken-back move again on 局; the other side is then to move. Nothing when
  // no taken-back move is held.
  std::optional<手順> 記録_一手進める(対局状態& 局);
};

}  // namespace brenvolt
