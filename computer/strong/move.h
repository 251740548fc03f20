// The strong computer's pieces and moves, on the walled board both computers number alike:
// piece kinds numbered so that the unpromoted ones match the hand kinds 1..8, and a move packed
// into 32 bits. The translation to and from the game's codes lives here too.
#pragma once

#include <array>
#include <cstdint>

#include "computer/board_geometry.h"
#include "game/constants.h"

namespace brenvolt::strong {

using computer::column_of;
using computer::kCells;
using computer::kLines;
using computer::kLineStep;
using computer::kNeighbours;
using computer::kStride;
using computer::on_board;
using computer::row_of;
using computer::square;

// A square's colour. Where the classic computer's board tells only its own pieces from the
// person's, this one keeps colours (and kinds beside them), as its moves and keys need both.
// 先手 is black, 後手 white, as in the game's pictures of the two sides.
enum Colour : std::uint8_t { kBlack = 0, kWhite = 1, kNone = 2, kWall = 3 };
constexpr Colour other(Colour c) {
  return c == kBlack ? kWhite : kBlack;
}
constexpr int side_value(Colour c) {
  return c == kBlack ? 手番_先手 : 手番_後手;
}

enum Kind : std::uint8_t {
  kNoKind = 0,
  kPawn = 1,  // 1..8 are the hand kinds, in the hands' order
  kLance,
  kKnight,
  kSilver,
  kGold,
  kBishop,
  kRook,
  kKing,
  kTokin,
  kPromotedLance,
  kPromotedKnight,
  kPromotedSilver,
  kHorse,
  kDragon,
};
inline constexpr int kKinds = 15;
inline constexpr int kHandKinds = 8;

// The kind a promotion turns a kind into, or kNoKind when it cannot promote.
constexpr Kind promoted(Kind k) {
  switch (k) {
    case kPawn:
      return kTokin;
    case kLance:
      return kPromotedLance;
    case kKnight:
      return kPromotedKnight;
    case kSilver:
      return kPromotedSilver;
    case kBishop:
      return kHorse;
    case kRook:
      return kDragon;
    default:
      return kNoKind;
  }
}

// The game's code of a kind of a colour, and back; kind_of_code answers kNoKind for 空 and for
// any code that no move of the game produces.
int code_of(Colour c, Kind k);
Kind kind_of_code(int code);
Colour colour_of_code(int code);

// A move: destination, source square (board moves) or dropped kind (drops), promotion. The
// value 0 is no move: no destination is square 0.
class Move {
 public:
  constexpr Move() = default;
  static constexpr Move board(int from, int to, bool promote) {
    return Move(static_cast<std::uint32_t>(to) | static_cast<std::uint32_t>(from) << 7 |
                (promote ? kPromoteBit : 0));
  }
  static constexpr Move drop(Kind k, int to) {
    return Move(static_cast<std::uint32_t>(to) | static_cast<std::uint32_t>(k) << 14 | kDropBit);
  }
  static constexpr Move from_bits(std::uint32_t bits) { return Move(bits); }

  constexpr int to() const { return static_cast<int>(bits_ & 0x7f); }
  constexpr int from() const { return static_cast<int>((bits_ >> 7) & 0x7f); }
  constexpr Kind dropped() const { return static_cast<Kind>((bits_ >> 14) & 0xf); }
  constexpr bool is_drop() const { return (bits_ & kDropBit) != 0; }
  constexpr bool promotes() const { return (bits_ & kPromoteBit) != 0; }
  constexpr std::uint32_t bits() const { return bits_; }
  constexpr explicit operator bool() const { return bits_ != 0; }
  constexpr bool operator==(const Move&) const = default;

 private:
  static constexpr std::uint32_t kPromoteBit = 1u << 18;
  static constexpr std::uint32_t kDropBit = 1u << 19;
  constexpr explicit Move(std::uint32_t bits) : bits_(bits) {}
  std::uint32_t bits_ = 0;
};

// The source square of a board move, 0 for a drop: the form the rules' tests take it in.
constexpr int source_of(Move m) {
  return m.is_drop() ? 0 : m.from();
}

}  // namespace brenvolt::strong
