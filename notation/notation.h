// The text forms of squares, pieces and moves used by the engine protocol and the window's
// command line. Squares are written as the board labels show them: the column digit 9..1 from
// left to right, the row letter a..i from top to bottom, so (x, y) is "<10 - x><'a' + y - 1>".
// Pieces are P L N S G B R K (歩 香 桂 銀 金 角 飛 王), '+' before a promoted piece, upper case
// for 先手 and lower case for 後手. Moves are "7g7f", "7g7f+" (promoting) and "P*5e" (a drop of
// the side to move; the letter is always upper case).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brenvolt::notation {

struct Square {
  int x = 0;
  int y = 0;
  bool operator==(const Square&) const = default;
};

// "5e" for (5, 5); nothing unless both coordinates are 1..9.
std::optional<Square> parse_square(std::string_view text);
std::string format_square(int x, int y);

// The hand kind 1..8 of an upper-case letter P L N S G B R K, else 0.
int hand_kind_of_letter(char letter);
// The upper-case letter of a hand kind 1..8.
char letter_of_hand_kind(int kind);
// The hand kind of any piece code of either side, promoted or not (と is kind 1); 0 for 空 and
// for anything that is not a piece code.
int hand_kind_of_piece(int piece);
// Is this a promoted code (と, 香成, 桂成, 銀成, 角成, 飛成 of either side)?
bool is_promoted(int piece);
// "P", "+p", "K": the text of a piece code; empty for anything that is not a piece that can
// stand on the board.
std::string format_piece(int piece);

// A move as written, before it is matched against a position.
struct MoveText {
  bool drop = false;
  int kind = 0;  // hand kind 1..8 of a drop
  Square from;   // source of a board move
  Square to;
  bool promote = false;
  bool operator==(const MoveText&) const = default;
};

std::optional<MoveText> parse_move(std::string_view text);
std::string format_move(const MoveText& move);

// A word from the input fit to show in a message: at most 32 bytes, anything but printable
// ASCII shown as '?'.
std::string shown_word(std::string_view word);

}  // namespace brenvolt::notation
