#include "engine/move_judge.h"

#include <algorithm>
#include <string>

#include "game/piece_table.h"
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

// The source and the moving piece the text names for the side to move. A drop of a kind the
// side does not hold names no piece (空), which the turn refuses.
着手 source_of(const 対局状態& 局, const notation::MoveText& text) {
  着手 move;
  const int side = 局.手番;
  if (text.drop) {
    move.元X = 持駒列の(side);
    move.元Y = 持駒の段(side, text.kind);
    if (局.取得_持駒数(side, move.元Y) > 0) move.移動駒 = 局.取得_持駒(side, move.元Y);
  } else {
    move.元X = text.from.x;
    move.元Y = text.from.y;
    move.移動駒 = 局.盤面[move.元X][move.元Y];
  }
  move.先X = text.to.x;
  move.先Y = text.to.y;
  return move;
}

}  // namespace

Judgement judge_move(Game& game, const notation::MoveText& text) {
  const 着手 move = source_of(game.局, text);
  const auto judged = 着手判定(game.局, move.元X, move.元Y, move.先X, move.先Y, move.移動駒,
                               text.promote ? 成り方::成る : 成り方::成らない);
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
