// Positions reached by seeded random legal play, checked for what must hold in every one of
// them: queries leave the state alone, pieces are conserved, the hand totals and double-pawn
// flags agree with what they summarise, and the five test agrees with a plain line count.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "tests/game/position.h"

#include "game/piece_table.h"

namespace brenvolt {
namespace {

struct 手 {
  int x1;
  int y1;
  int x2;
  int y2;
  int 置く駒;
};

int 持駒列(int side) {
  return side == 手番_先手 ? 先手持駒列 : 後手持駒列;
}

bool 禁手(対局状態& s, int x1, int y1, int x2, int y2, int side, int 駒) {
  return s.調査_三三(x1, y1, x2, y2, side, 駒) == 有 || s.調査_四四(x1, y1, x2, y2, side, 駒) == 有;
}

// Every move and drop the turn flow would accept, promoting and not where both are allowed.
std::vector<手> 合法手(対局状態& s, int side) {
  s.調査_2歩フラグ設定();
  std::vector<手> out;
  for (int x1 = 1; x1 <= 9; ++x1) {
    for (int y1 = 1; y1 <= 9; ++y1) {
      const int 駒 = s.盤面[x1][y1];
      if (調査_駒(side, 駒) != 有) continue;
      for (int x2 = 1; x2 <= 9; ++x2) {
        for (int y2 = 1; y2 <= 9; ++y2) {
          if (s.移動チェック(x1, y1, x2, y2, 駒) != 有) continue;
          if (禁手(s, x1, y1, x2, y2, side, 駒)) continue;
          if (移動後チェック(y2, 駒) == 有) out.push_back({x1, y1, x2, y2, 駒});
          const int 成った駒 = s.調査_駒成(x1, y1, x2, y2, 駒);
          if (成った駒 != 空) out.push_back({x1, y1, x2, y2, 成った駒});
        }
      }
    }
  }
  for (int row = 1; row <= 9; ++row) {
    if (s.取得_持駒数(side, row) <= 0) continue;
    const int 駒 = s.取得_持駒(side, row);
    for (int x2 = 1; x2 <= 9; ++x2) {
      for (int y2 = 1; y2 <= 9; ++y2) {
        if (s.移動チェック(持駒列(side), row, x2, y2, 駒) != 有) continue;
        if (禁手(s, 持駒列(side), row, x2, y2, side, 駒)) continue;
        out.push_back({持駒列(side), row, x2, y2, 駒});
      }
    }
  }
  return out;
}

// The unpromoted kind of a code: promotion only adds one step away from zero.
int 元の種類(int 駒) {
  return std::abs(駒) - std::abs(駒) % 10;
}

void 駒が保存されている(const 対局状態& s) {
  for (int side : {手番_先手, 手番_後手}) {
    const 持駒& hand = side == 手番_先手 ? s.先手持駒数 : s.後手持駒数;
    std::array<int, 持駒種類数 + 1> by_kind{};
    int total = 0;
    for (int kind = 1; kind <= 持駒種類数; ++kind) {
      ASSERT_GE(hand[kind], 0);
      by_kind[kind] += hand[kind];
      total += hand[kind];
    }
    ASSERT_EQ(hand[0], 0);
    ASSERT_EQ(total, side == 手番_先手 ? s.先手持駒合計 : s.後手持駒合計);
    ASSERT_EQ(total, s.取得_全持駒数(side));
    for (int x = 1; x <= 9; ++x) {
      for (int y = 1; y <= 9; ++y) {
        const int 駒 = s.盤面[x][y];
        if (取得_手番(駒) != side) continue;
        for (int kind = 1; kind <= 持駒種類数; ++kind) {
          if (std::abs(種類の表[kind].先手の駒) == 元の種類(駒)) ++by_kind[kind];
        }
      }
    }
    ASSERT_EQ(by_kind, (std::array<int, 9>{0, 2, 2, 2, 1, 1, 1, 1, 1})) << side;
  }
  int on_board = 0;
  for (int x = 0; x <= 9; ++x) {
    for (int y = 0; y <= 9; ++y) {
      if (x == 0 || y == 0) {
        ASSERT_EQ(s.盤面[x][y], 空);  // never a square
      } else if (s.盤面[x][y] != 空) {
        ASSERT_NE(取得_手番(s.盤面[x][y]), 空);
        ++on_board;
      }
    }
  }
  ASSERT_EQ(on_board + s.先手持駒合計 + s.後手持駒合計, 22);
}

void 二歩と行き所が守られている(対局状態& s) {
  s.調査_2歩フラグ設定();
  for (int x = 1; x <= 9; ++x) {
    int 先手の歩 = 0;
    int 後手の歩 = 0;
    for (int y = 1; y <= 9; ++y) {
      const int 駒 = s.盤面[x][y];
      先手の歩 += 駒 == 先手_歩;
      後手の歩 += 駒 == 後手_歩;
      ASSERT_EQ(移動後チェック(y, 駒), 有) << "a piece with no move left on " << x << "," << y;
    }
    ASSERT_LE(先手の歩, 1);
    ASSERT_LE(後手の歩, 1);
    ASSERT_EQ(s.先手2歩[x], 先手の歩);
    ASSERT_EQ(s.後手2歩[x], 後手の歩);
  }
}

// The longest unbroken run of the side's own pieces through an own square, per direction,
// counted by walking from the square outwards in both senses.
bool 五の参照(const 対局状態& s, int side, int x, int y) {
  const int dirs[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
  for (const auto& d : dirs) {
    int len = 1;
    for (int sense : {1, -1}) {
      int cx = x + sense * d[0];
      int cy = y + sense * d[1];
      while (cx >= 1 && cx <= 9 && cy >= 1 && cy <= 9 && 取得_手番(s.盤面[cx][cy]) == side) {
        ++len;
        cx += sense * d[0];
        cy += sense * d[1];
      }
    }
    if (len == 5) return true;
  }
  return false;
}

// The scans and the five tests are const; the double-three and double-four tests write trial
// pieces onto the live board and must put every one of them back. They are tried from every
// square to every square, with pieces of both sides and with no piece, occupied destinations
// included, so that a restore that relies on the caller's preconditions shows up.
void 試しの置き駒は全て戻る(対局状態& s) {
  const 対局状態 before = s;
  for (int side : {手番_先手, 手番_後手, 手番_なし}) {
    for (int x = 1; x <= 9; ++x) {
      for (int y = 1; y <= 9; ++y) {
        for (int 駒 : {先手_金, 後手_と, 空}) {
          s.調査_三三(x, y, 10 - x, 10 - y, side, 駒);
          s.調査_四四(x, y, y, x, side, 駒);
          s.調査_三三(先手持駒列, y, x, y, side, 駒);
          s.調査_四四(後手持駒列, y, x, y, side, 駒);
        }
      }
    }
  }
  ASSERT_EQ(s, before);
}

// Each line the lines query gives holds exactly the pieces of a three (a four): the
// destination and the side's own pieces once the move is tried, in a straight line. A move is
// refused exactly when two or more lines are given.
void 線が形どおり(const 対局状態& s, const 桝の並び& 線, int 駒数, int x1, int y1, int x2, int y2,
                  int side) {
  ASSERT_EQ(static_cast<int>(線.size()), 駒数);
  対局状態 tried = s;
  if (x1 >= 1 && x1 <= 9) tried.盤面[x1][y1] = 空;
  tried.盤面[x2][y2] = side;
  bool 先がある = false;
  for (const auto& [x, y] : 線) {
    先がある |= x == x2 && y == y2;
    ASSERT_EQ(取得_手番(tried.盤面[x][y]), side) << x << "," << y;
    // Collinear with the destination, along one of the four directions.
    const int dx = x - x2;
    const int dy = y - y2;
    ASSERT_TRUE(dx == 0 || dy == 0 || dx == dy || dx == -dy) << x << "," << y;
  }
  ASSERT_TRUE(先がある);
}

void 禁手の線が判定と一致する(対局状態& s) {
  const 対局状態 before = s;
  for (int side : {手番_先手, 手番_後手}) {
    const int 駒 = side == 手番_先手 ? 先手_金 : 後手_金;
    std::vector<std::pair<int, int>> 元 = {{持駒列(side), 5}};
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (取得_手番(s.盤面[x][y]) == side) 元.emplace_back(x, y);
    for (const auto& [x1, y1] : 元) {
      for (int x2 = 1; x2 <= 9; ++x2) {
        for (int y2 = 1; y2 <= 9; ++y2) {
          if (s.盤面[x2][y2] != 空) continue;
          const auto 三 = s.三三の線(x1, y1, x2, y2, side, 駒);
          const auto 四 = s.四四の線(x1, y1, x2, y2, side, 駒);
          ASSERT_EQ(三.size() >= 2, s.調査_三三(x1, y1, x2, y2, side, 駒) == 有) << x2 << "," << y2;
          ASSERT_EQ(四.size() >= 2, s.調査_四四(x1, y1, x2, y2, side, 駒) == 有) << x2 << "," << y2;
          for (const auto& 線 : 三)
            ASSERT_NO_FATAL_FAILURE(線が形どおり(s, 線, 3, x1, y1, x2, y2, side));
          for (const auto& 線 : 四)
            ASSERT_NO_FATAL_FAILURE(線が形どおり(s, 線, 4, x1, y1, x2, y2, side));
        }
      }
    }
  }
  ASSERT_EQ(s, before);
}

void 五の判定が参照と一致する(const 対局状態& s) {
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int side = 取得_手番(s.盤面[x][y]);
      if (side == 空) {
        ASSERT_EQ(s.調査_5並び(手番_先手, x, y), 無);
        ASSERT_EQ(s.調査_5並び(手番_後手, x, y), 無);
      } else {
        ASSERT_EQ(s.調査_5並び(side, x, y) == 有, 五の参照(s, side, x, y)) << x << "," << y;
      }
    }
  }
}

// A small deterministic generator, so every run of the test plays the same games.
struct 乱数 {
  std::uint64_t state;
  int 次(int n) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(n));
  }
};

void 対局を検査する(std::uint64_t seed, int 最大手数) {
  乱数 rng{seed};
  対局状態 s;
  s.初期設定();
  s.手番 = 手番_先手;
  s.対局中 = 有;
  for (int ply = 0; ply < 最大手数; ++ply) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed << " ply " << ply);
    ASSERT_NO_FATAL_FAILURE(駒が保存されている(s));
    ASSERT_NO_FATAL_FAILURE(二歩と行き所が守られている(s));
    ASSERT_NO_FATAL_FAILURE(五の判定が参照と一致する(s));
    if (ply % 4 == 0) {
      ASSERT_NO_FATAL_FAILURE(試しの置き駒は全て戻る(s));
      ASSERT_NO_FATAL_FAILURE(禁手の線が判定と一致する(s));
    }

    const 対局状態 before_moves = s;
    const std::vector<手> moves = 合法手(s, s.手番);
    // The generator refreshes the double-pawn flags; nothing else moves.
    対局状態 after_moves = s;
    after_moves.先手2歩 = before_moves.先手2歩;
    after_moves.後手2歩 = before_moves.後手2歩;
    ASSERT_EQ(after_moves, before_moves);
    if (moves.empty()) return;

    const 手 m = moves[rng.次(static_cast<int>(moves.size()))];
    s.駒移動(m.x1, m.y1, m.x2, m.y2, m.置く駒);
    ++s.手数;
    ASSERT_EQ(s.盤面[m.x2][m.y2], m.置く駒);
    int ox = 0;
    int oy = 0;
    if (s.終了_判定(s.手番, m.x2, m.y2) == 有 ||
        s.終了_判定周囲(s.手番, m.x1, m.y1, ox, oy) == 有) {
      ASSERT_NO_FATAL_FAILURE(駒が保存されている(s));
      return;
    }
    s.手番 = s.手番 == 手番_先手 ? 手番_後手 : 手番_先手;
  }
}

TEST(ランダム対局, どの局面でも規則の不変条件が成り立つ) {
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    ASSERT_NO_FATAL_FAILURE(対局を検査する(seed, 160));
  }
}

}  // namespace
}  // namespace brenvolt
