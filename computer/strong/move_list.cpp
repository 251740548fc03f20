#include "computer/strong/move_list.h"

#include "computer/strong/rules.h"

#include <algorithm>
#include <functional>

namespace brenvolt::strong {

namespace {

constexpr Kind kDropOrder[kHandKinds] = {kPawn, kLance, kKnight, kSilver,
                                         kGold, kKing,  kBishop, kRook};

void add_board_move(const Board& b, int from, int to, MoveList& list) {
  const Colour c = b.colour(from);
  const Kind k = b.kind(from);
  if (may_promote(c, k, from, to)) {
    list.add(Move::board(from, to, true));
    if (must_promote(c, k, to)) return;
  }
  list.add(Move::board(from, to, false));
}

// The kind the side to move drops on each square when one kind stands for all, worked out
// once for a whole list: it depends only on the hand, the square's row (a piece must have
// somewhere to go from it) and, for a pawn, the square's column.
class OneKindDrops {
 public:
  explicit OneKindDrops(const Board& b) {
    static_assert(kDropOrder[0] == kPawn, "a pawn is dropped whenever it may be");
    const Colour c = b.side_to_move();
    int free_column = 0;  // a column where c may drop a pawn, if any
    for (int x = 1; x <= 盤サイズ; ++x) {
      pawn_column_[x] = b.hand(c, kPawn) > 0 && !b.pawn_in_column(c, x);
      if (pawn_column_[x]) free_column = x;
    }
    for (int y = 1; y <= 盤サイズ; ++y) {
      pawn_row_[y] = free_column != 0 && drop_allowed(b, c, kPawn, square(free_column, y));
      by_row_[y] = kNoKind;
      for (Kind k : kDropOrder) {
        if (k != kPawn && b.hand(c, k) > 0 && drop_allowed(b, c, k, square(1, y))) {
          by_row_[y] = k;
          break;
        }
      }
    }
  }
  Kind at(int sq) const {
    const int y = row_of(sq);
    return pawn_row_[y] && pawn_column_[column_of(sq)] ? kPawn : by_row_[y];
  }

 private:
  std::array<Kind, 盤サイズ + 1> by_row_{};  // the first kind but the pawn each row accepts
  std::array<bool, 盤サイズ + 1> pawn_row_{};
  std::array<bool, 盤サイズ + 1> pawn_column_{};
};

// Drops on `to`: of every kind the square accepts, or with one_kind of the kind it names.
void add_drops(const Board& b, int to, const OneKindDrops* one_kind, MoveList& list) {
  const Colour c = b.side_to_move();
  if (one_kind != nullptr) {
    const Kind k = one_kind->at(to);
    if (k != kNoKind) list.add(Move::drop(k, to));
    return;
  }
  for (int k = 1; k <= kHandKinds; ++k) {
    if (b.hand(c, k) > 0 && drop_allowed(b, c, static_cast<Kind>(k), to)) {
      list.add(Move::drop(static_cast<Kind>(k), to));
    }
  }
}

void add_board_moves(const Board& b, MoveList& list) {
  const Colour c = b.side_to_move();
  const int n = b.pieces_on_board(c);
  for (int i = 0; i < n; ++i) {
    const int from = b.piece_squares(c)[i];
    for_each_destination(b, from, [&](int to) { add_board_move(b, from, to, list); });
  }
}

// Squares within two steps (in both coordinates) of some piece.
std::array<bool, kCells> near_pieces(const Board& b) {
  std::array<bool, kCells> near{};
  for (Colour c : {kBlack, kWhite}) {
    const int n = b.pieces_on_board(c);
    for (int i = 0; i < n; ++i) {
      const int sq = b.piece_squares(c)[i];
      const int x = column_of(sq);
      const int y = row_of(sq);
      for (int nx = x - 2; nx <= x + 2; ++nx) {
        if (nx < 1 || nx > 盤サイズ) continue;
        for (int ny = y - 2; ny <= y + 2; ++ny) {
          if (ny >= 1 && ny <= 盤サイズ) near[square(nx, ny)] = true;
        }
      }
    }
  }
  return near;
}

}  // namespace

void MoveList::sort_range(int from, int to) {
  std::array<std::uint64_t, kMaxMoves> keyed;
  for (int i = from; i < to; ++i) {
    const auto score = static_cast<std::uint32_t>(scores[i] + (1 << 30));
    keyed[i] = static_cast<std::uint64_t>(score) << 32 | moves[i].bits();
  }
  std::sort(keyed.begin() + from, keyed.begin() + to, std::greater<>());
  for (int i = from; i < to; ++i) {
    moves[i] = Move::from_bits(static_cast<std::uint32_t>(keyed[i]));
    scores[i] = static_cast<int>(keyed[i] >> 32) - (1 << 30);
  }
}

Move MoveList::pick(int from, int rarely_below) {
  if (from == kPickedOneByOne) {
    // Past the first few moves the node is rarely cut soon: sort the rest once instead, those
    // scored below rarely_below only when they are reached. Both parts sorted make the order
    // of the whole.
    int high_end = from;
    for (int i = from; i < size; ++i) {
      if (scores[i] >= rarely_below) {
        std::swap(moves[i], moves[high_end]);
        std::swap(scores[i], scores[high_end]);
        ++high_end;
      }
    }
    sort_range(from, high_end);
    sorted_to_ = high_end;
  }
  if (from >= kPickedOneByOne && from == sorted_to_ && from < size) {
    sort_range(from, size);
    sorted_to_ = size;
  }
  if (from >= kPickedOneByOne) return moves[from];
  int best = from;
  for (int i = from + 1; i < size; ++i) {
    if (scores[i] > scores[best]) best = i;
  }
  if (best != from) {
    std::swap(moves[best], moves[from]);
    std::swap(scores[best], scores[from]);
  }
  return moves[from];
}

Kind drop_kind(const Board& b, int to) {
  return OneKindDrops(b).at(to);
}

void generate_all(const Board& b, MoveList& list) {
  list.clear();
  add_board_moves(b, list);
  if (b.hand_total(b.side_to_move()) == 0) return;
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      if (b.empty(square(x, y))) add_drops(b, square(x, y), nullptr, list);
    }
  }
}

void drop_forbidden(const Board& b, MoveList& list) {
  const Colour c = b.side_to_move();
  int kept = 0;
  for (int i = 0; i < list.size; ++i) {
    const Move m = list.moves[i];
    if (!forbidden(b, c, source_of(m), m.to())) list.moves[kept++] = m;
  }
  list.size = kept;
}

void generate_legal(const Board& b, MoveList& list) {
  generate_all(b, list);
  drop_forbidden(b, list);
}

void generate_search(const Board& b, MoveList& list, bool every_kind) {
  list.clear();
  add_board_moves(b, list);
  if (b.hand_total(b.side_to_move()) == 0) return;
  std::array<bool, kCells> near = near_pieces(b);
  if (b.pieces_on_board(kBlack) + b.pieces_on_board(kWhite) == 0) {
    for (int x = 4; x <= 6; ++x) {
      for (int y = 4; y <= 6; ++y) near[square(x, y)] = true;
    }
  }
  const OneKindDrops one_kind(b);
  const OneKindDrops* kinds = every_kind ? nullptr : &one_kind;
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      const int sq = square(x, y);
      if (near[sq] && b.empty(sq)) add_drops(b, sq, kinds, list);
    }
  }
}

void generate_to(const Board& b, const int* squares, int count, MoveList& list, bool every_kind) {
  list.clear();
  std::array<bool, kCells> wanted{};
  for (int i = 0; i < count; ++i) wanted[squares[i]] = true;
  const Colour c = b.side_to_move();
  const int n = b.pieces_on_board(c);
  for (int i = 0; i < n; ++i) {
    const int from = b.piece_squares(c)[i];
    for_each_destination(b, from, [&](int to) {
      if (wanted[to]) add_board_move(b, from, to, list);
    });
  }
  if (b.hand_total(c) == 0) return;
  const OneKindDrops one_kind(b);
  const OneKindDrops* kinds = every_kind ? nullptr : &one_kind;
  for (int i = 0; i < count; ++i) {
    const int sq = squares[i];
    if (!wanted[sq] || !b.empty(sq)) continue;
    wanted[sq] = false;  // a square named twice gets its drops once
    add_drops(b, sq, kinds, list);
  }
}

}  // namespace brenvolt::strong
