#include "computer/classic/move_generation.h"

#include <array>

#include "game/board_square.h"
#include "game/piece_table.h"

namespace brenvolt::classic {
namespace {

struct Offset {
  int dx;
  int dy;
};

bool free_square(const Cells& cells, int x, int y) {
  return 盤上の桝(x, y) && cells[square(x, y)] == kEmpty;
}

// `forward` is the row step of the piece's side: -1 for 先手, +1 for 後手.
template <std::size_t N>
void add_steps(const Cells& cells, int x, int y, int forward, const std::array<Offset, N>& offsets,
               SquareSet& set) {
  for (const Offset& o : offsets) {
    const int tx = x + o.dx;
    const int ty = y + o.dy * forward;
    if (free_square(cells, tx, ty)) set.add(tx, ty);
  }
}

template <std::size_t N>
void add_slides(const Cells& cells, int x, int y, const std::array<Offset, N>& directions,
                SquareSet& set) {
  for (const Offset& o : directions) {
    for (int tx = x + o.dx, ty = y + o.dy; free_square(cells, tx, ty); tx += o.dx, ty += o.dy) {
      set.add(tx, ty);
    }
  }
}

constexpr std::array<Offset, 1> kPawn = {{{0, 1}}};
constexpr std::array<Offset, 2> kKnight = {{{-1, 2}, {1, 2}}};
constexpr std::array<Offset, 5> kSilver = {{{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}}};
constexpr std::array<Offset, 6> kGold = {{{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}}};
constexpr std::array<Offset, 8> kKing = {
    {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}}};
constexpr std::array<Offset, 4> kDiagonals = {{{-1, -1}, {-1, 1}, {1, -1}, {1, 1}}};
constexpr std::array<Offset, 4> kOrthogonals = {{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};

bool gold_like(int kind) {
  return kind == 後手_と || kind == 後手_香成 || kind == 後手_桂成 || kind == 後手_銀成 ||
         kind == 後手_金;
}

}  // namespace

SquareSet board_destinations(const Cells& cells, int x, int y, int code) {
  SquareSet set;
  const int forward = code < 0 ? -1 : 1;
  const int kind = code < 0 ? -code : code;
  if (kind == 後手_歩) {
    add_steps(cells, x, y, forward, kPawn, set);
  } else if (kind == 後手_香) {
    add_slides(cells, x, y, std::array<Offset, 1>{{{0, forward}}}, set);
  } else if (kind == 後手_桂) {
    add_steps(cells, x, y, forward, kKnight, set);
  } else if (kind == 後手_銀) {
    add_steps(cells, x, y, forward, kSilver, set);
  } else if (gold_like(kind)) {
    add_steps(cells, x, y, forward, kGold, set);
  } else if (kind == 後手_角 || kind == 後手_角成) {
    if (kind == 後手_角成) add_steps(cells, x, y, 1, kKing, set);
    add_slides(cells, x, y, kDiagonals, set);
  } else if (kind == 後手_飛 || kind == 後手_飛成) {
    if (kind == 後手_飛成) add_steps(cells, x, y, 1, kKing, set);
    add_slides(cells, x, y, kOrthogonals, set);
  } else if (kind == 後手_王) {
    add_steps(cells, x, y, 1, kKing, set);
  } else {
    // A code with no movement of its own may go to any empty square.
    for (int tx = 1; tx <= 盤サイズ; ++tx) {
      for (int ty = 1; ty <= 盤サイズ; ++ty) {
        if ((tx != x || ty != y) && free_square(cells, tx, ty)) set.add(tx, ty);
      }
    }
  }
  return set;
}

bool drop_allowed(int code, int x, int y, const 二歩列& 先手2歩, const 二歩列& 後手2歩) {
  if (code == 先手_歩 && 先手2歩[x] == 1) return false;
  if (code == 後手_歩 && 後手2歩[x] == 1) return false;
  return 行き所がある(code, y);
}

}  // namespace brenvolt::classic
