#include "engine/board_diagram.h"

#include "game/piece_table.h"
#include "notation/notation.h"
#include "notation/position_text.h"

namespace brenvolt::engine {
namespace {

std::string hand_line(const 持駒& hand, const char* name, bool gote) {
  std::string line = std::string("hand ") + name + ":";
  for (int kind = 持駒種類数; kind >= 1; --kind) {
    const int count = hand[static_cast<std::size_t>(kind)];
    if (count <= 0) continue;
    const int piece = 種類の駒(gote ? 手番_後手 : 手番_先手, kind);
    line += ' ' + notation::format_piece(piece);
    if (count > 1) line += 'x' + std::to_string(count);
  }
  return line + '\n';
}

std::string board_row(const 盤& board, int y) {
  std::string row(1, static_cast<char>('a' + y - 1));
  for (int x = 1; x <= 9; ++x) {
    const std::string piece = notation::format_piece(board[x][y]);
    const std::string cell = piece.empty() ? "." : piece;
    row += std::string(3 - cell.size(), ' ') + cell;
  }
  return row + '\n';
}

}  // namespace

std::string board_diagram(const 対局& game) {
  const auto& 局 = game.局;
  std::string text = hand_line(局.後手持駒数, "w", true);
  text += "   9  8  7  6  5  4  3  2  1\n";
  for (int y = 1; y <= 9; ++y) text += board_row(局.盤面, y);
  text += hand_line(局.先手持駒数, "b", false);
  text += "sfen " + notation::format_position(局) + '\n';
  if (game.勝負あり()) {
    text += game.勝者 == 手番_先手 ? "over b\n" : "over w\n";
  } else {
    text += 局.手番 == 手番_後手 ? "turn w\n" : "turn b\n";
  }
  return text;
}

}  // namespace brenvolt::engine
