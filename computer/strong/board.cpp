#include "computer/strong/board.h"

#include <algorithm>

namespace brenvolt::strong {

namespace {

// A window's part of the line score, from the view of the side holding `own` of its pieces.
constexpr int window_value(int own, int theirs) {
  return (theirs == 0 ? kWindowWeight[own] : 0) - (own == 0 ? kWindowWeight[theirs] : 0);
}

// How a window's value changes, for the side adding or removing a piece, by its counts before.
using ValueChange = std::array<std::array<int, 6>, 6>;
constexpr ValueChange value_change(int delta) {
  ValueChange t{};
  for (int own = 0; own <= 5; ++own) {
    for (int theirs = 0; theirs + own <= 5; ++theirs) {
      const int after = own + delta;
      if (after >= 0 && after <= 5)
        t[own][theirs] = window_value(after, theirs) - window_value(own, theirs);
    }
  }
  return t;
}
constexpr ValueChange kValueAdded = value_change(+1);
constexpr ValueChange kValueRemoved = value_change(-1);

Kind unpromoted(Kind k) {
  switch (k) {
    case kTokin:
      return kPawn;
    case kPromotedLance:
      return kLance;
    case kPromotedKnight:
      return kKnight;
    case kPromotedSilver:
      return kSilver;
    case kHorse:
      return kBishop;
    case kDragon:
      return kRook;
    default:
      return k;
  }
}

}  // namespace

Board::Board() {
  colour_.fill(kWall);
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) colour_[square(x, y)] = kNone;
  }
  for (Colour c : {kBlack, kWhite}) windows_by_count_[c][0] = kWindows;
  key_ = zobrist().side[kBlack];
}

bool Board::load(const 対局状態& position) {
  *this = Board();
  if (position.手番 == 手番_先手) {
    side_ = kBlack;
  } else if (position.手番 == 手番_後手) {
    side_ = kWhite;
  } else {
    return false;
  }
  key_ = zobrist().side[side_];
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      const int code = position.盤面[x][y];
      if (code == 空) continue;
      const Kind k = kind_of_code(code);
      if (k == kNoKind) return false;
      if (on_board_[colour_of_code(code)] == kMaxPiecesPerSide) return false;
      put(square(x, y), colour_of_code(code), k);
    }
  }
  for (int k = 1; k <= kHandKinds; ++k) {
    set_hand(kBlack, k, std::clamp(position.先手持駒数[k], 0, kMaxPiecesPerSide));
    set_hand(kWhite, k, std::clamp(position.後手持駒数[k], 0, kMaxPiecesPerSide));
  }
  move_count_ = position.手数;
  // A side has eleven pieces in a game; twice that bounds every move list the search keeps.
  for (Colour c : {kBlack, kWhite}) {
    if (on_board_[c] + hand_total_[c] > kMaxPiecesPerSide) return false;
  }
  return true;
}

void Board::set_hand(Colour c, int kind, int count) {
  const Zobrist& z = zobrist();
  key_ ^= z.hand_key(c, kind, hand_[c][kind]) ^ z.hand_key(c, kind, count);
  hand_total_[c] += count - hand_[c][kind];
  hand_[c][kind] = count;
}

void Board::add_to_windows(int sq, Colour c, int delta) {
  const WindowTable& t = window_table();
  const int n = t.count_of_square[sq];
  const Colour o = other(c);
  const auto& value_change = delta > 0 ? kValueAdded : kValueRemoved;
  int change = 0;  // from c's view
  for (int i = 0; i < n; ++i) {
    auto& counts = windows_[t.of_square[sq][i]];
    const int before_own = counts[c];
    const int theirs = counts[o];
    const int after_own = before_own + delta;
    change += value_change[before_own][theirs];
    if (theirs == 0) {
      --windows_by_count_[c][before_own];
      ++windows_by_count_[c][after_own];
    }
    // The other colour's window stops or starts being theirs alone.
    if (before_own == 0) --windows_by_count_[o][theirs];
    if (after_own == 0) ++windows_by_count_[o][theirs];
    counts[c] = static_cast<std::uint8_t>(after_own);
  }
  line_score_ += c == kBlack ? change : -change;
}

void Board::put(int sq, Colour c, Kind k) {
  colour_[sq] = c;
  kind_[sq] = k;
  key_ ^= zobrist().piece[c][k][sq];
  if (k == kPawn) ++pawns_[c][column_of(sq)];
  index_in_list_[sq] = static_cast<std::uint8_t>(on_board_[c]);
  squares_[c][on_board_[c]++] = static_cast<std::uint8_t>(sq);
  add_to_windows(sq, c, +1);
}

void Board::lift(int sq) {
  const Colour c = colour_[sq];
  const Kind k = kind_[sq];
  key_ ^= zobrist().piece[c][k][sq];
  if (k == kPawn) --pawns_[c][column_of(sq)];
  const int index = index_in_list_[sq];
  const int last = squares_[c][--on_board_[c]];
  squares_[c][index] = static_cast<std::uint8_t>(last);
  index_in_list_[last] = static_cast<std::uint8_t>(index);
  add_to_windows(sq, c, -1);
  colour_[sq] = kNone;
  kind_[sq] = kNoKind;
}

void Board::make(Move m) {
  const Colour c = side_;
  if (m.is_drop()) {
    const Kind k = m.dropped();
    set_hand(c, k, hand_[c][k] - 1);
    put(m.to(), c, k);
  } else {
    const Kind k = kind_[m.from()];
    lift(m.from());
    put(m.to(), c, m.promotes() ? promoted(k) : k);
  }
  const Zobrist& z = zobrist();
  key_ ^= z.side[c] ^ z.side[other(c)];
  side_ = other(c);
  ++move_count_;
}

void Board::unmake(Move m) {
  const Colour c = other(side_);
  const Zobrist& z = zobrist();
  key_ ^= z.side[c] ^ z.side[side_];
  side_ = c;
  --move_count_;
  if (m.is_drop()) {
    const Kind k = m.dropped();
    lift(m.to());
    set_hand(c, k, hand_[c][k] + 1);
  } else {
    const Kind placed = kind_[m.to()];
    lift(m.to());
    put(m.from(), c, m.promotes() ? unpromoted(placed) : placed);
  }
}

void Board::make_null() {
  const Zobrist& z = zobrist();
  key_ ^= z.side[side_] ^ z.side[other(side_)];
  side_ = other(side_);
}

void Board::unmake_null() {
  make_null();
}

着手 Board::to_game_move(Move m) const {
  着手 move;
  move.先X = column_of(m.to());
  move.先Y = row_of(m.to());
  if (m.is_drop()) {
    const int kind = m.dropped();
    move.元X = side_ == kBlack ? 先手持駒列 : 後手持駒列;
    move.元Y = side_ == kBlack ? kind + 1 : 盤サイズ - kind;
    move.移動駒 = code_of(side_, m.dropped());
    move.置駒 = move.移動駒;
  } else {
    const Kind k = kind_[m.from()];
    move.元X = column_of(m.from());
    move.元Y = row_of(m.from());
    move.移動駒 = code_of(side_, k);
    move.置駒 = m.promotes() ? code_of(side_, promoted(k)) : move.移動駒;
  }
  return move;
}

bool Board::same_as(const Board& o) const {
  if (colour_ != o.colour_ || kind_ != o.kind_ || hand_ != o.hand_ ||
      hand_total_ != o.hand_total_ || pawns_ != o.pawns_ || on_board_ != o.on_board_ ||
      windows_ != o.windows_ || windows_by_count_ != o.windows_by_count_ ||
      line_score_ != o.line_score_ || side_ != o.side_ || move_count_ != o.move_count_ ||
      key_ != o.key_) {
    return false;
  }
  // The piece lists may hold their squares in another order.
  for (Colour c : {kBlack, kWhite}) {
    for (int i = 0; i < on_board_[c]; ++i) {
      if (o.colour_[squares_[c][i]] != c) return false;
    }
  }
  return true;
}

}  // namespace brenvolt::strong
