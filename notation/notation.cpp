#include "notation/notation.h"

#include "game/piece_table.h"

namespace brenvolt::notation {

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
  return 文字の持駒種類(letter);
}

char letter_of_hand_kind(int kind) {
  return 種類の表[kind].文字;
}

int hand_kind_of_piece(int piece) {
  return 持駒種類(piece);
}

bool is_promoted(int piece) {
  return 成り駒か(piece);
}

std::string format_piece(int piece) {
  const 駒の形* form = 駒の形を引く(piece);
  if (form == nullptr) return {};
  char letter = letter_of_hand_kind(form->種類);
  if (piece > 0) letter = static_cast<char>(letter - 'A' + 'a');
  std::string text;
  if (form->成り) text += '+';
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

std::string shown_word(std::string_view word) {
  constexpr std::size_t kShown = 32;
  std::string shown;
  for (std::size_t i = 0; i < word.size() && i < kShown; ++i) {
    const char c = word[i];
    shown += c >= 0x21 && c <= 0x7e ? c : '?';
  }
  if (word.size() > kShown) shown += "...";
  return shown;
}

}  // namespace brenvolt::notation
