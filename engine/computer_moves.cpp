#include "engine/computer_moves.h"

#include "game/board_square.h"

namespace brenvolt::engine {
std::optional<着手> computer_choice(const 対局& game, 探索統計* stats) {
  if (game.勝負あり()) return std::nullopt;
  対局状態 trial = game.局;
  return com_ban_探索(trial, trial.手番, stats);
}

ScoreAnswer score_move(対局& game, std::string_view text) {
  const Judgement judged = judge_move(game, text);
  if (judged.verdict != Verdict::accepted) return {judged.verdict, 0};
  const 着手& move = judged.move;
  対局状態 trial = game.局;
  if (盤上の桝(move.元X, move.元Y)) trial.盤面[move.元X][move.元Y] = 空;
  trial.盤面[move.先X][move.先Y] = move.置駒;
  return {Verdict::accepted, 調査_得点(trial, trial.手番, move.元X, move.元Y, move.先X, move.先Y)};
}

}  // namespace brenvolt::engine
