// The strong computer's own board: piece kinds and colours inside a wall, both hands, the side
// to move and the move count, with make/unmake that keep a Zobrist key, the unpromoted pawns
// of every column and the piece counts of every five-square window up to date. It is built
// from a 対局状態 and never writes back to it.
#pragma once

#include <array>
#include <cstdint>

#include "computer/strong/move.h"
#include "computer/strong/tables.h"
#include "game/game_state.h"
#include "game/move.h"

namespace brenvolt::strong {

inline constexpr int kMaxPiecesPerSide = 22;  // on the board and in hand together

// What a piece does for the lines does not depend on its kind, only on its colour; the window
// counts and the score of the lines are kept per colour.
class Board {
 public:
  Board();
  // Nothing is read but the board, the hands, 手番 and 手数. False when the position holds a
  // code this board cannot represent, more than kMaxPiecesPerSide pieces of a side, or 手番
  // names no side.
  bool load(const 対局状態& position);

  Colour side_to_move() const { return side_; }
  int move_count() const { return move_count_; }
  std::uint64_t key() const { return key_; }

  Colour colour(int sq) const { return colour_[sq]; }
  Kind kind(int sq) const { return kind_[sq]; }
  bool empty(int sq) const { return colour_[sq] == kNone; }
  int hand(Colour c, int kind) const { return hand_[c][kind]; }
  int hand_total(Colour c) const { return hand_total_[c]; }
  bool pawn_in_column(Colour c, int x) const { return pawns_[c][x] != 0; }
  int pieces_on_board(Colour c) const { return on_board_[c]; }
  // The squares holding that colour's pieces, pieces_on_board(c) of them, in no set order.
  const std::array<std::uint8_t, 盤サイズ * 盤サイズ>& piece_squares(Colour c) const {
    return squares_[c];
  }

  // Window counts: pieces of each colour in window w.
  int window_count(int w, Colour c) const { return windows_[w][c]; }
  // Windows holding exactly n pieces of c and none of the other colour.
  int windows_with(Colour c, int n) const { return windows_by_count_[c][n]; }
  // The lines' score from 先手's view: Σ over windows of the weight of the colour alone in it.
  int line_score() const { return line_score_; }

  void make(Move m);
  void unmake(Move m);
  // Passes the turn (used only for threat probes, never in a played line).
  void make_null();
  void unmake_null();

  // The game's move record for the squares of a move, in its own codes.
  着手 to_game_move(Move m) const;

  // Same pieces on the same squares, same hands, side and move count (the key, the window
  // counts and the other derived state are compared too, so a test sees any drift).
  bool same_as(const Board& other) const;

 private:
  void put(int sq, Colour c, Kind k);
  void lift(int sq);
  void add_to_windows(int sq, Colour c, int delta);
  void set_hand(Colour c, int kind, int count);

  std::array<Colour, kCells> colour_{};
  std::array<Kind, kCells> kind_{};
  std::array<std::array<int, 9>, 2> hand_{};
  std::array<int, 2> hand_total_{};
  std::array<std::array<std::uint8_t, 10>, 2> pawns_{};
  std::array<std::array<std::uint8_t, 盤サイズ * 盤サイズ>, 2> squares_{};
  std::array<std::uint8_t, kCells> index_in_list_{};
  std::array<int, 2> on_board_{};
  std::array<std::array<std::uint8_t, 2>, kWindows> windows_{};
  std::array<std::array<int, 6>, 2> windows_by_count_{};
  int line_score_ = 0;
  Colour side_ = kBlack;
  int move_count_ = 0;
  std::uint64_t key_ = 0;
};

// The weight of a window holding n pieces of one colour and none of the other.
inline constexpr std::array<int, 6> kWindowWeight = {0, 1, 6, 40, 250, 0};

}  // namespace brenvolt::strong
