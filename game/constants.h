// The named values the rules compare against: yes/no, piece codes, sides, hand columns and
// kinds, game modes and the record's bound. Code compares with these names, never with
// literals. What only the window needs (colours, geometry, buttons, keys) lives in window/.
#pragma once

namespace brenvolt {

// Yes/no: every test of the game answers one of these.
inline constexpr int 有 = 1;
inline constexpr int 無 = 0;

// An empty square.
inline constexpr int 空 = 0;

inline constexpr int 盤サイズ = 9;

// Piece codes. 先手's pieces are negative, 後手's positive; promotion moves a code one step
// further from zero. Every 先手 code is <= -10 and every 後手 code >= 10.
inline constexpr int 先手_歩 = -10;
inline constexpr int 先手_と = -11;
inline constexpr int 先手_香 = -20;
inline constexpr int 先手_香成 = -21;
inline constexpr int 先手_桂 = -30;
inline constexpr int 先手_桂成 = -31;
inline constexpr int 先手_銀 = -100;
inline constexpr int 先手_銀成 = -101;
inline constexpr int 先手_金 = -110;
inline constexpr int 先手_金成 = -111;  // only in the membership lists; nothing produces it
inline constexpr int 先手_角 = -800;
inline constexpr int 先手_角成 = -801;
inline constexpr int 先手_飛 = -900;
inline constexpr int 先手_飛成 = -901;
inline constexpr int 先手_王 = -950;

inline constexpr int 後手_歩 = 10;
inline constexpr int 後手_と = 11;
inline constexpr int 後手_香 = 20;
inline constexpr int 後手_香成 = 21;
inline constexpr int 後手_桂 = 30;
inline constexpr int 後手_桂成 = 31;
inline constexpr int 後手_銀 = 100;
inline constexpr int 後手_銀成 = 101;
inline constexpr int 後手_金 = 110;
inline constexpr int 後手_金成 = 111;  // only in the membership lists; nothing produces it
inline constexpr int 後手_角 = 800;
inline constexpr int 後手_角成 = 801;
inline constexpr int 後手_飛 = 900;
inline constexpr int 後手_飛成 = 901;
inline constexpr int 後手_王 = 950;

// Side values: each equals that side's pawn code, which the renju tests rely on when they
// place the side value on a square as a trial piece.
inline constexpr int 手番_先手 = 先手_歩;
inline constexpr int 手番_後手 = 後手_歩;
inline constexpr int 手番_なし = -1;

// Hand stand columns: a move whose source column is one of these is a drop.
inline constexpr int 先手持駒列 = 11;
inline constexpr int 後手持駒列 = -1;

// Hand kinds 1..8 (index into the hand count arrays); slot 0 is never used.
inline constexpr int 持駒種類数 = 8;

// Game modes.
inline constexpr int モード_人間 = 0;
inline constexpr int モード_COM = 1;

// The move record holds entries 1..記録上限.
inline constexpr int 記録上限 = 500;

}  // namespace brenvolt
