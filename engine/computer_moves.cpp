#include "engine/computer_moves.h"

#include "game/board_square.h"

namespace brenvolt::engine {
namespace {

対局状態 computer_to_move(const 対局状態& 局) {
  対局状態 trial = 局;
  trial.対局モード = モード_COM;
  trial.COM側 = 局.手番;
  trial.人間側 = 相手の手番(局.手番);
  trial.人間歩 = trial.人間側;
  return trial;
}

}  // namespace

std::optional<着手> computer_choice(const Game& game, 探索統計* stats) {
  if (game.over()) return std::nullopt;
  対局状態 trial = computer_to_move(game.局);
  return com_ban_探索(trial, stats);
}

ScoreAnswer score_move(Game& game, std::string_view text) {
  const Judgement judged = judge_move(game, text);
  if (judged.verdict != Verdict::accepted) return {judged.verdict, 0};
  const 着手& move = judged.move;
  対局状態 trial = computer_to_move(game.局);
  if (盤上の桝(move.元X, move.元Y)) trial.盤面[move.元X][move.元Y] = 空;
  trial.盤面[move.先X][move.先Y] = move.置駒;
  return {Verdict::accepted, 調査_得点(trial, move.元X, move.元Y, move.先X, move.先Y)};
}

}  // namespace brenvolt::engine
