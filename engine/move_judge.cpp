#include "engine/move_judge.h"

#include <algorithm>
#include <string>

#include "notation/game_move.h"
#include "notation/position_text.h"

namespace brenvolt::engine {

Game start_game() {
  Game game;
  std::string error;
  notation::parse_position(notation::kStartPosition, game.局, error);
  return game;
}

std::string_view verdict_word(Verdict verdict) {
  switch (verdict) {
    case Verdict::accepted:
      return "ok";
    case Verdict::syntax:
      return "syntax";
    case Verdict::illegal:
      return "illegal";
    case Verdict::three:
      return "three";
    case Verdict::four:
      return "four";
    case Verdict::promote:
      return "promote";
    case Verdict::over:
      return "over";
  }
  return "syntax";
}

namespace {

Verdict verdict_of(判定 verdict) {
  switch (verdict) {
    case 判定::可:
      return Verdict::accepted;
    case 判定::対局なし:
      return Verdict::over;
    case 判定::不可:
      return Verdict::illegal;
    case 判定::三三:
      return Verdict::three;
    case 判定::四四:
      return Verdict::four;
    case 判定::成り:
      return Verdict::promote;
  }
  return Verdict::illegal;
}

}  // namespace

Judgement judge_move(Game& game, const notation::MoveText& text) {
  const auto judged = notation::judge(game.局, text);
  Judgement result;
  result.verdict = verdict_of(judged.結果);
  if (result.verdict == Verdict::accepted) result.move = judged.手;
  return result;
}

Judgement judge_move(Game& game, std::string_view text) {
  const auto parsed = notation::parse_move(text);
  if (!parsed) return {};
  return judge_move(game, *parsed);
}

結末 play_move(Game& game, const 着手& move) {
  const int mover = game.局.手番;
  const 結末 outcome = 着手実行(game.局, move).結果;
  if (outcome == 結末::五並び) game.winner = mover;
  return outcome;
}

void pass_turn(Game& game) {
  game.局.手番 = 相手の手番(game.局.手番);
}

std::vector<std::string> legal_moves(Game& game) {
  std::vector<std::string> out;
  if (game.over()) return out;
  for (const 着手& move : 指せる手(game.局)) out.push_back(notation::format_move(move));
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace brenvolt::engine
