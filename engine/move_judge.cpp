#include "engine/move_judge.h"

#include <algorithm>
#include <string>

#include "notation/game_move.h"

namespace brenvolt::engine {

対局 start_game() {
  対局 game;
  game.開始();
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

Judgement judge_move(対局& game, const notation::MoveText& text) {
  const auto judged = notation::judge(game.局, text);
  Judgement result;
  result.verdict = verdict_of(judged.結果);
  if (result.verdict == Verdict::accepted) result.move = judged.手;
  return result;
}

Judgement judge_move(対局& game, std::string_view text) {
  const auto parsed = notation::parse_move(text);
  if (!parsed) return {};
  return judge_move(game, *parsed);
}

結末 play_move(対局& game, const 着手& move) {
  return game.指す(move).結果;
}

void pass_turn(対局& game) {
  game.パス();
}

std::vector<std::string> legal_moves(対局& game) {
  std::vector<std::string> out;
  if (game.勝負あり()) return out;
  for (const 着手& move : 指せる手(game.局)) out.push_back(notation::format_move(move));
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace brenvolt::engine
