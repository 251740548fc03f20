#include "notation/game_move.h"

#include "game/piece_table.h"

namespace brenvolt::notation {

着手 move_of(const 対局状態& 局, const MoveText& text) {
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
  move.置駒 = text.promote ? 成り先の駒(move.移動駒) : move.移動駒;
  return move;
}

着手判定の答え judge(対局状態& 局, const MoveText& text) {
  const 着手 move = move_of(局, text);
  return 着手判定(局, move.元X, move.元Y, move.先X, move.先Y, move.移動駒,
                  text.promote ? 成り方::成る : 成り方::成らない);
}

MoveText text_of(const 着手& move) {
  MoveText text;
  text.drop = move.元X == 先手持駒列 || move.元X == 後手持駒列;
  if (text.drop) {
    text.kind = hand_kind_of_piece(move.移動駒);
  } else {
    text.from = {move.元X, move.元Y};
  }
  text.to = {move.先X, move.先Y};
  text.promote = move.置駒 != move.移動駒;
  return text;
}

std::string format_move(const 着手& move) {
  return format_move(text_of(move));
}

}  // namespace brenvolt::notation
