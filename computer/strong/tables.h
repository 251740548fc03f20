// The strong computer's fixed tables, worked out by the compiler: the five-square windows of
// the board, where each kind of piece steps and slides, and the Zobrist keys (drawn from a
// fixed seed, so that keys, and with them every fixed-depth search, are the same on every run).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "computer/strong/move.h"

namespace brenvolt::strong {

inline constexpr int kWindows = 140;  // five-square windows: 45 + 45 + 25 + 25
inline constexpr int kMaxWindowsPerSquare = 20;

struct Window {
  std::array<std::uint8_t, 5> squares;
  std::uint8_t line;  // index into kLineStep
};

// The windows of the board and, for each square, the windows through it.
struct WindowTable {
  std::array<Window, kWindows> windows{};
  std::array<std::array<std::uint8_t, kMaxWindowsPerSquare>, kCells> of_square{};
  std::array<std::uint8_t, kCells> count_of_square{};
};

constexpr WindowTable build_windows() {
  WindowTable t;
  constexpr int dx[kLines] = {0, 1, 1, 1};
  constexpr int dy[kLines] = {1, 0, 1, -1};
  int n = 0;
  for (int line = 0; line < kLines; ++line) {
    for (int x = 1; x <= 盤サイズ; ++x) {
      for (int y = 1; y <= 盤サイズ; ++y) {
        const int ex = x + 4 * dx[line];
        const int ey = y + 4 * dy[line];
        if (ex < 1 || ex > 盤サイズ || ey < 1 || ey > 盤サイズ) continue;
        Window& w = t.windows[n];
        w.line = static_cast<std::uint8_t>(line);
        for (int i = 0; i < 5; ++i) {
          const int sq = square(x + i * dx[line], y + i * dy[line]);
          w.squares[i] = static_cast<std::uint8_t>(sq);
          t.of_square[sq][t.count_of_square[sq]++] = static_cast<std::uint8_t>(n);
        }
        ++n;
      }
    }
  }
  return t;
}

inline constexpr WindowTable kWindowTable = build_windows();
inline const WindowTable& window_table() {
  return kWindowTable;
}

// The squares a piece may step to from each square (before the emptiness test), and the
// directions it slides in.
struct PieceMoves {
  std::array<std::array<std::array<std::array<std::uint8_t, 8>, kCells>, kKinds>, 2> steps{};
  std::array<std::array<std::array<std::uint8_t, kCells>, kKinds>, 2> step_count{};
  std::array<std::array<std::array<std::int8_t, 4>, kKinds>, 2> slides{};
  std::array<std::array<std::uint8_t, kKinds>, 2> slide_count{};
};

namespace tables {

struct Step {
  int dx = 0;
  int dy = 0;
};

// Movement of a kind for a colour whose forward is f (-1 for 先手, toward row 1).
struct KindMoves {
  int step_count = 0;
  std::array<Step, 8> steps{};
  int slide_count = 0;
  std::array<Step, 4> slides{};
  constexpr void step(Step s) { steps[step_count++] = s; }
  constexpr void slide(Step s) { slides[slide_count++] = s; }
};

constexpr KindMoves kind_moves(Kind k, int f) {
  const Step gold[6] = {{-1, f}, {0, f}, {1, f}, {-1, 0}, {1, 0}, {0, -f}};
  const Step silver[5] = {{-1, f}, {0, f}, {1, f}, {-1, -f}, {1, -f}};
  const Step diagonal[4] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
  const Step orthogonal[4] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
  KindMoves m;
  switch (k) {
    case kPawn:
      m.step({0, f});
      break;
    case kLance:
      m.slide({0, f});
      break;
    case kKnight:
      m.step({-1, 2 * f});
      m.step({1, 2 * f});
      break;
    case kSilver:
      for (Step s : silver) m.step(s);
      break;
    case kGold:
    case kTokin:
    case kPromotedLance:
    case kPromotedKnight:
    case kPromotedSilver:
      for (Step s : gold) m.step(s);
      break;
    case kBishop:
      for (Step s : diagonal) m.slide(s);
      break;
    case kRook:
      for (Step s : orthogonal) m.slide(s);
      break;
    case kKing:
      for (Step s : diagonal) m.step(s);
      for (Step s : orthogonal) m.step(s);
      break;
    case kHorse:
      for (Step s : diagonal) m.slide(s);
      for (Step s : orthogonal) m.step(s);
      break;
    case kDragon:
      for (Step s : orthogonal) m.slide(s);
      for (Step s : diagonal) m.step(s);
      break;
    default:
      break;
  }
  return m;
}

}  // namespace tables

constexpr PieceMoves build_piece_moves() {
  PieceMoves pm;
  for (int c = 0; c < 2; ++c) {
    const int f = c == kBlack ? -1 : 1;
    for (int k = 1; k < kKinds; ++k) {
      const tables::KindMoves m = tables::kind_moves(static_cast<Kind>(k), f);
      pm.slide_count[c][k] = static_cast<std::uint8_t>(m.slide_count);
      for (int i = 0; i < m.slide_count; ++i) {
        pm.slides[c][k][i] = static_cast<std::int8_t>(m.slides[i].dx * kStride + m.slides[i].dy);
      }
      for (int x = 1; x <= 盤サイズ; ++x) {
        for (int y = 1; y <= 盤サイズ; ++y) {
          const int from = square(x, y);
          auto& count = pm.step_count[c][k][from];
          for (int i = 0; i < m.step_count; ++i) {
            const int tx = x + m.steps[i].dx;
            const int ty = y + m.steps[i].dy;
            if (tx < 1 || tx > 盤サイズ || ty < 1 || ty > 盤サイズ) continue;
            pm.steps[c][k][from][count++] = static_cast<std::uint8_t>(square(tx, ty));
          }
        }
      }
    }
  }
  return pm;
}

inline constexpr PieceMoves kPieceMoves = build_piece_moves();
inline const PieceMoves& piece_moves() {
  return kPieceMoves;
}

struct Zobrist {
  static constexpr int kMaxHandCount = 15;  // counts above share the key of 15
  std::array<std::array<std::array<std::uint64_t, kCells>, kKinds>, 2> piece{};
  std::array<std::array<std::array<std::uint64_t, kMaxHandCount + 1>, kHandKinds + 1>, 2> hand{};
  std::array<std::uint64_t, 2> side{};

  constexpr std::uint64_t hand_key(Colour c, int kind, int count) const {
    return hand[c][kind][std::clamp(count, 0, kMaxHandCount)];
  }
};

// splitmix64: a fixed, portable sequence.
constexpr std::uint64_t next_random(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

constexpr Zobrist build_zobrist() {
  Zobrist z;
  std::uint64_t state = 0x42726e766f6c74ULL;
  for (auto& colour : z.piece) {
    for (auto& kind : colour) {
      for (auto& key : kind) key = next_random(state);
    }
  }
  for (auto& colour : z.hand) {
    for (auto& kind : colour) {
      for (auto& key : kind) key = next_random(state);
    }
  }
  for (auto& key : z.side) key = next_random(state);
  return z;
}

inline constexpr Zobrist kZobrist = build_zobrist();
inline const Zobrist& zobrist() {
  return kZobrist;
}

}  // namespace brenvolt::strong
