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

void add_drops(const Board& b, int to, bool every_kind, MoveList& list) {
  const Colour c = b.side_to_move();
  if (!every_kind) {
    const Kind k = drop_kind(b, to);
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

Move MoveList::pick(int from) {
  if (from == kPickedOneByOne) {
    // Past the first few moves the node is rarely cut soon: sort the rest once instead.
    std::array<std::uint64_t, kMaxMoves> keyed;
    for (int i = from; i < size; ++i) {
      const auto score = static_cast<std::uint32_t>(scores[i] + (1 << 30));
      keyed[i] = static_cast<std::uint64_t>(score) << 32 | moves[i].bits();
    }
    std::sort(keyed.begin() + from, keyed.begin() + size, std::greater<>());
    for (int i = from; i < size; ++i) {
      moves[i] = Move::from_bits(static_cast<std::uint32_t>(keyed[i]));
      scores[i] = static_cast<int>(keyed[i] >> 32) - (1 << 30);
    }
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
  const Colour c = b.side_to_move();
  if (b.hand_total(c) == 0) return kNoKind;
  for (Kind k : kDropOrder) {
    if (b.hand(c, k) > 0 && drop_allowed(b, c, k, to)) return k;
  }
  return kNoKind;
}

void generate_all(const Board& b, MoveList& list) {
  list.clear();
  add_board_moves(b, list);
  if (b.hand_total(b.side_to_move()) == 0) return;
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      if (b.empty(square(x, y))) add_drops(b, square(x, y), true, list);
    }
  }
}

void generate_legal(const Board& b, MoveList& list) {
  generate_all(b, list);
  const Colour c = b.side_to_move();
  int kept = 0;
  for (int i = 0; i < list.size; ++i) {
    const Move m = list.moves[i];
    if (!forbidden(b, c, source_of(m), m.to())) list.moves[kept++] = m;
  }
  list.size = kept;
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
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      const int sq = square(x, y);
      if (near[sq] && b.empty(sq)) add_drops(b, sq, every_kind, list);
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
  for (int i = 0; i < count; ++i) {
    const int sq = squares[i];
    if (!wanted[sq] || !b.empty(sq)) continue;
    wanted[sq] = false;  // a square named twice gets its drops once
    add_drops(b, sq, every_kind, list);
  }
}

}  // namespace brenvolt::strong
