#include "engine/notation.h"

#include <cstdlib>

#include "game/constants.h"

namespace brenvolt::notation {
namespace {

constexpr std::string_view 駒文字 = "PLNSGBRK";

struct 後手駒 {
  int code;
  int kind;
  bool promoted;
};

// Every code that can stand on the board, in 後手's (positive) form. 金成 is left out on
// purpose: nothing produces it, so it has no text.
constexpr 後手駒 駒一覧[] = {
    {後手_歩, 1, false},  {後手_と, 1, true},   {後手_香, 2, false},  {後手_香成, 2, true},
    {後手_桂, 3, false},  {後手_桂成, 3, true}, {後手_銀, 4, false},  {後手_銀成, 4, true},
    {後手_金, 5, false},  {後手_角, 6, false},  {後手_角成, 6, true}, {後手_飛, 7, false},
    {後手_飛成, 7, true}, {後手_王, 8, false},
};

const 後手駒* find_piece(int piece) {
  const int magnitude = std::abs(piece);
  for (const auto& entry : 駒一覧) {
    if (entry.code == magnitude) return &entry;
  }
  return nullptr;
}

}  // namespace

std::optional<Square> parse_square(std::string_view text) {
  if (text.size() != 2) return std::nullopt;
  const char column = text[0];
  const char row = text[1];
  if (column < '1' || column > '9' || row < 'a' || row > 'i') return std::nullopt;
  return Square{10 - (column - '0'), row - 'a' + 1};
}

std::string format_square(int x, int y) {
  return {static_cast<char>('0' + 10 - x), static_cast<char>('a' + y - 1)};
}

int hand_kind_of_letter(char letter) {
  const auto at = 駒文字.find(letter);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

char letter_of_hand_kind(int kind) {
  return 駒文字[static_cast<std::size_t>(kind - 1)];
}

int hand_kind_of_piece(int piece) {
  const auto* entry = find_piece(piece);
  return entry == nullptr ? 0 : entry->kind;
}

bool is_promoted(int piece) {
  const auto* entry = find_piece(piece);
  return entry != nullptr && entry->promoted;
}

std::string format_piece(int piece) {
  const auto* entry = find_piece(piece);
  if (entry == nullptr) return {};
  char letter = letter_of_hand_kind(entry->kind);
  if (piece > 0) letter = static_cast<char>(letter - 'A' + 'a');
  std::string text;
  if (entry->promoted) text += '+';
  text += letter;
  return text;
}

std::optional<MoveText> parse_move(std::string_view text) {
  MoveText move;
  if (text.size() == 4 && text[1] == '*') {
    move.drop = true;
    move.kind = hand_kind_of_letter(text[0]);
    const auto to = parse_square(text.substr(2));
    if (move.kind == 0 || !to) return std::nullopt;
    move.to = *to;
    return move;
  }
  if (text.size() == 5) {
    if (text[4] != '+') return std::nullopt;
    move.promote = true;
    text.remove_suffix(1);
  }
  if (text.size() != 4) return std::nullopt;
  const auto from = parse_square(text.substr(0, 2));
  const auto to = parse_square(text.substr(2));
  if (!from || !to) return std::nullopt;
  move.from = *from;
  move.to = *to;
  return move;
}

std::string format_move(const MoveText& move) {
  std::string text;
  if (move.drop) {
    text += letter_of_hand_kind(move.kind);
    text += '*';
  } else {
    text += format_square(move.from.x, move.from.y);
  }
  text += format_square(move.to.x, move.to.y);
  if (move.promote) text += '+';
  return text;
}

}  // namespace brenvolt::notation
