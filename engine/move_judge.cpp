#include "engine/move_judge.h"

#include <algorithm>
#include <string>

#include "engine/position_text.h"

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

int opponent_of(int side) {
  return side == 手番_先手 ? 手番_後手 : 手番_先手;
}

namespace {

// Source and moving piece of a move as written, or false when the side has no such piece.
bool find_source(const 対局状態& 局, const notation::MoveText& text, 着手& move) {
  const int side = 局.手番;
  if (text.drop) {
    move.元X = side == 手番_先手 ? 先手持駒列 : 後手持駒列;
    move.元Y = side == 手番_先手 ? text.kind + 1 : 9 - text.kind;
    if (局.取得_持駒数(side, move.元Y) <= 0) return false;
    move.移動駒 = 局.取得_持駒(side, move.元Y);
    return true;
  }
  move.元X = text.from.x;
  move.元Y = text.from.y;
  move.移動駒 = 局.盤面[move.元X][move.元Y];
  return 調査_駒(side, move.移動駒) == 有;
}

Verdict settle_promotion(対局状態& 局, const notation::MoveText& text, 着手& move) {
  const int may_promote = 局.調査_駒成(move.元X, move.元Y, move.先X, move.先Y, move.移動駒);
  if (text.promote) {
    if (may_promote != 有) return Verdict::promote;
    move.置駒 = 局.成駒;
    return Verdict::accepted;
  }
  if (移動後チェック(move.先Y, move.移動駒) == 無) return Verdict::promote;
  move.置駒 = move.移動駒;
  return Verdict::accepted;
}

}  // namespace

Judgement judge_move(Game& game, const notation::MoveText& text) {
  Judgement result;
  if (game.over()) {
    result.verdict = Verdict::over;
    return result;
  }
  auto& 局 = game.局;
  着手 move;
  move.先X = text.to.x;
  move.先Y = text.to.y;
  result.verdict = Verdict::illegal;
  if (!find_source(局, text, move)) return result;
  局.調査_2歩フラグ設定();
  if (局.移動チェック(move.元X, move.元Y, move.先X, move.先Y, move.移動駒) != 有) return result;
  result.verdict = Verdict::three;
  if (局.調査_三三(move.元X, move.元Y, move.先X, move.先Y, 局.手番, move.移動駒) == 有) {
    return result;
  }
  result.verdict = Verdict::four;
  if (局.調査_四四(move.元X, move.元Y, move.先X, move.先Y, 局.手番, move.移動駒) == 有) {
    return result;
  }
  result.verdict = settle_promotion(局, text, move);
  if (result.verdict == Verdict::accepted) result.move = move;
  return result;
}

Judgement judge_move(Game& game, std::string_view text) {
  const auto parsed = notation::parse_move(text);
  if (!parsed) return {};
  return judge_move(game, *parsed);
}

void play_move(Game& game, const 着手& move) {
  auto& 局 = game.局;
  const int mover = 局.手番;
  局.駒移動(move.元X, move.元Y, move.先X, move.先Y, move.置駒);
  局.手数 += 1;
  局.手番 = opponent_of(mover);
  int five_x = 0;
  int five_y = 0;
  if (局.終了_判定(mover, move.先X, move.先Y) == 有 ||
      局.終了_判定周囲(mover, move.元X, move.元Y, five_x, five_y) == 有) {
    game.winner = mover;
    局.対局中 = 無;
  }
}

void pass_turn(Game& game) {
  game.局.手番 = opponent_of(game.局.手番);
}

namespace {

void add_if_accepted(Game& game, const notation::MoveText& text, std::vector<std::string>& out) {
  if (judge_move(game, text).verdict == Verdict::accepted) {
    out.push_back(notation::format_move(text));
  }
}

void add_destinations(Game& game, notation::MoveText text, std::vector<std::string>& out) {
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      if (game.局.盤面[x][y] != 空) continue;
      text.to = {x, y};
      text.promote = false;
      add_if_accepted(game, text, out);
      if (!text.drop) {
        text.promote = true;
        add_if_accepted(game, text, out);
      }
    }
  }
}

}  // namespace

std::vector<std::string> legal_moves(Game& game) {
  std::vector<std::string> out;
  if (game.over()) return out;
  const int side = game.局.手番;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      if (調査_駒(side, game.局.盤面[x][y]) != 有) continue;
      notation::MoveText text;
      text.from = {x, y};
      add_destinations(game, text, out);
    }
  }
  for (int kind = 1; kind <= 持駒種類数; ++kind) {
    notation::MoveText text;
    text.drop = true;
    text.kind = kind;
    add_destinations(game, text, out);
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::string move_text(const 着手& move) {
  notation::MoveText text;
  text.drop = move.元X == 先手持駒列 || move.元X == 後手持駒列;
  if (text.drop) {
    text.kind = notation::hand_kind_of_piece(move.移動駒);
  } else {
    text.from = {move.元X, move.元Y};
  }
  text.to = {move.先X, move.先Y};
  text.promote = move.置駒 != move.移動駒;
  return notation::format_move(text);
}

}  // namespace brenvolt::engine
