// Positions as one line of text: "<board> <side> <hands> <movenumber>".
// Board: rows a..i (y = 1..9) separated by '/', each row from x = 1 (column 9) to x = 9, a digit
// n for n empty squares, pieces as in notation.h. Side: b (先手 to move) or w (後手 to move).
// Hands: count then letter, upper case 先手's and lower case 後手's, "-" when both are empty;
// read in any order, written K R B G S N L P then k r b g s n l p. Movenumber: 手数 + 1.
#pragma once

#include <string>
#include <string_view>

#include "game/game_state.h"

namespace brenvolt::notation {

// The position of 初期設定 with 先手 to move.
inline constexpr std::string_view kStartPosition = "9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 1";

// Reads a position into 局: board, hands, hand totals, double-pawn flags, 手番, 手数, and
// 対局中 ← 有; the mode and side fields are kept. A position is accepted only when its pieces
// could stand so in play: each side's pieces on the board and in hand are its starting eleven
// (promoted or not), no unpromoted 歩 or 香 stands on its side's last row nor 桂 on its last two
// rows, and no column holds two unpromoted 歩 of one side. On refusal 局 is untouched and error
// says why.
bool parse_position(std::string_view text, 対局状態& 局, std::string& error);

std::string format_position(const 対局状態& 局);

}  // namespace brenvolt::notation
