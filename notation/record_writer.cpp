// Writing a record: the start position found by taking every applied move back, the moves to
// the end of the record (a pass where one side moved twice in a row), and the headers.
#include "game/levels.h"
#include "game/turn.h"
#include "notation/notation.h"
#include "notation/position_text.h"
#include "notation/record_file.h"
#include "notation/record_text.h"

namespace brenvolt::notation {

namespace {

std::string move_text(const 手順& m) {
  MoveText text;
  text.drop = m.元X == 先手持駒列 || m.元X == 後手持駒列;
  if (text.drop) {
    text.kind = 持駒種類(m.元駒);
  } else {
    text.from = {m.元X, m.元Y};
  }
  text.to = {m.先X, m.先Y};
  text.promote = m.先駒 != m.元駒;
  return format_move(text);
}

int mover(const 手順& m) {
  return 取得_手番(m.元駒);
}

// The position before the first recorded move.
対局状態 start_of(const 対局& game) {
  対局 back = game;
  while (back.記録.記録数 > 0) back.記録.記録_一手戻す(back.局);
  if (back.記録.記録終端 > 0) {
    back.局.手番 = mover(back.記録.記録_項目(1));
  } else if (back.局.手番 != 手番_後手) {
    back.局.手番 = 手番_先手;
  }
  return back.局;
}

// The moves of the whole record. A side that moves twice in a row had a turn with no move
// before, which the computer passes: it is written as "pass". So is the pass that left the
// side to move at the cursor the one that made the last move.
std::string moves_of(const 対局& game, int start_side) {
  const 手順記録& record = game.記録;
  std::string text;
  int to_move = start_side;
  for (int i = 1; i <= record.記録終端; ++i) {
    const 手順 m = record.記録_項目(i);
    if (mover(m) != to_move) text += " pass";
    text += ' ' + move_text(m);
    to_move = 相手の手番(mover(m));
  }
  const 対局状態& 局 = game.局;
  if (record.記録数 == record.記録終端 && !局.対局なし() && 局.手番 != to_move &&
      (局.手番 == 手番_先手 || 局.手番 == 手番_後手)) {
    text += " pass";
  }
  return text;
}

// How the whole record ends: the last move's five, the draw at the bound, or neither.
RecordResult result_of(const 対局& game) {
  if (game.記録.記録終端 == 0) return RecordResult::none;
  対局 end = game;
  while (end.記録.記録_一手進める(end.局)) {
  }
  const 手順 last = end.記録.記録_項目(end.記録.記録終端);
  end.局.手番 = 相手の手番(mover(last));
  end.局.対局中 = 有;
  const 着手の結果 outcome =
      着手後の結末(end.局, mover(last), last.元X, last.元Y, last.先X, last.先Y);
  if (outcome.結果 == 結末::五並び)
    return mover(last) == 手番_先手 ? RecordResult::b : RecordResult::w;
  return outcome.結果 == 結末::引き分け ? RecordResult::draw : RecordResult::none;
}

RecordMode mode_of(const 対局& game) {
  if (game.対局モード != モード_COM) return RecordMode::people;
  return game.COM側 == 手番_先手 ? RecordMode::computer_b : RecordMode::computer_w;
}

}  // namespace

std::string write_record(const 対局& game, std::string_view date) {
  std::string text = "# Brenvolt record\n";
  text += "# mode: " + std::string(word_of(mode_of(game))) + '\n';
  if (game.対局モード == モード_COM)
    text += "# strength: " + std::string(強さの語(game.強さ)) + '\n';
  text += "# result: " + std::string(word_of(result_of(game))) + '\n';
  if (!date.empty()) text += "# date: " + std::string(date) + '\n';
  if (game.記録.記録数 < game.記録.記録終端) {
    text += "# cursor: " + std::to_string(game.記録.記録数) + '\n';
  }
  return text + write_game_line(game) + '\n';
}

std::string write_game_line(const 対局& game) {
  const 対局状態 start = start_of(game);
  const std::string position = format_position(start);
  std::string line = position == kStartPosition ? "position startpos" : "position sfen " + position;
  const std::string moves = moves_of(game, start.手番);
  if (!moves.empty()) line += " moves" + moves;
  return line;
}

std::string write_position(const 対局& game) {
  対局状態 局 = game.局;
  if (局.手番 != 手番_先手 && 局.手番 != 手番_後手) {
    const int 記録数 = game.記録.記録数;
    局.手番 = 記録数 > 0 ? 相手の手番(mover(game.記録.記録_項目(記録数))) : 手番_先手;
  }
  return format_position(局);
}

}  // namespace brenvolt::notation
