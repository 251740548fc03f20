#include "game/turn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <random>
#include <tuple>
#include <vector>

#include "game/piece_table.h"
#include "tests/game/position.h"

namespace brenvolt {
namespace {

using testing::局面;
using testing::桝;

// A running game with 先手 to move and 先手's pawns (and 後手's) on the given squares.
対局状態 先手の番(std::initializer_list<桝> 先手, std::initializer_list<桝> 後手 = {}) {
  対局状態 s = 局面(先手, 後手);
  s.手番 = 手番_先手;
  s.対局中 = 有;
  return s;
}

constexpr int 金の段 = 6;  // the row of 先手's stand that holds 金

TEST(着手判定, 対局がなければ対局なしと答え盤も印も変えない) {
  対局状態 s = 先手の番({});
  s.対局中 = 無;
  s.先手2歩[3] = 1;
  const 対局状態 前 = s;
  EXPECT_EQ(着手判定(s, 先手持駒列, 2, 5, 5, 先手_歩, 成り方::成らない).結果, 判定::対局なし);
  s.対局中 = 有;
  s.手番 = 手番_なし;
  EXPECT_EQ(着手判定(s, 先手持駒列, 2, 5, 5, 先手_歩, 成り方::成らない).結果, 判定::対局なし);
  s.手番 = 手番_先手;
  s.対局中 = 無;
  EXPECT_EQ(s, 前);
}

TEST(着手判定, 手番の側の駒が元になければ二歩の印を改めずに不可) {
  対局状態 s = 先手の番({}, {{5, 5}});
  s.先手2歩[3] = 1;  // stale: no pawn stands in column 3
  const 対局状態 前 = s;
  for (const 着手& 手 : {着手{5, 5, 5, 6, 後手_歩},              // the other side's piece
                         着手{5, 5, 5, 4, 先手_歩},              // not what stands on the source
                         着手{4, 4, 4, 3, 先手_歩},              // an empty source
                         着手{後手持駒列, 8, 3, 3, 先手_歩},     // the other side's stand
                         着手{先手持駒列, 3, 3, 3, 先手_歩}}) {  // the stand's row holds 香
    EXPECT_EQ(着手判定(s, 手.元X, 手.元Y, 手.先X, 手.先Y, 手.移動駒, 成り方::成らない).結果,
              判定::不可)
        << 手.元X << "," << 手.元Y;
  }
  EXPECT_EQ(s, 前);
  s.先手持駒数[1] = 0;
  EXPECT_EQ(着手判定(s, 先手持駒列, 2, 3, 3, 先手_歩, 成り方::成らない).結果, 判定::不可)
      << "no pawn left in hand";
}

TEST(着手判定, 動きの規則を二歩の印を改めてから調べ三三と四四をその後に調べる) {
  対局状態 s = 先手の番({{5, 7}});
  s.先手2歩[3] = 1;
  EXPECT_EQ(着手判定(s, 5, 7, 5, 5, 先手_歩, 成り方::成らない).結果, 判定::不可);
  EXPECT_EQ(s.先手2歩[3], 0) << "the flags are refreshed before the move rule";
  EXPECT_EQ(s.先手2歩[5], 1);
  EXPECT_EQ(着手判定(s, 先手持駒列, 2, 5, 3, 先手_歩, 成り方::成らない).結果, 判定::不可)
      << "a second pawn in the column";

  対局状態 三 = 先手の番({{3, 5}, {4, 5}, {5, 3}, {5, 4}});
  const 対局状態 三の前 = 三;
  EXPECT_EQ(着手判定(三, 先手持駒列, 金の段, 5, 5, 先手_金, 成り方::成らない).結果, 判定::三三);
  EXPECT_EQ(三.盤面, 三の前.盤面);
  // The move rule comes first: a gold cannot jump there from the board.
  三.盤面[9][9] = 先手_金;
  EXPECT_EQ(着手判定(三, 9, 9, 5, 5, 先手_金, 成り方::成らない).結果, 判定::不可);

  対局状態 四 = 先手の番({{2, 2}, {3, 3}, {4, 4}, {8, 2}, {7, 3}, {6, 4}});
  EXPECT_EQ(着手判定(四, 先手持駒列, 金の段, 5, 5, 先手_金, 成り方::成らない).結果, 判定::四四);

  // Five wins over both: the move is allowed.
  対局状態 五 = 先手の番({{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 3}, {5, 4}, {6, 6}, {7, 7}});
  EXPECT_EQ(着手判定(五, 先手持駒列, 金の段, 5, 5, 先手_金, 成り方::成らない).結果, 判定::可);
}

TEST(着手判定, 成り方ごとに置く駒を決め成れない成りと行き所のない不成を断る) {
  struct 例 {
    int y1, y2;
    成り方 成り;
    判定 結果;
    int 置駒;
  };
  for (const 例& e :
       {例{4, 3, 成り方::成らない, 判定::可, 先手_歩}, 例{4, 3, 成り方::成る, 判定::可, 先手_と},
        例{4, 3, 成り方::成れれば成る, 判定::可, 先手_と},
        例{2, 1, 成り方::成らない, 判定::成り, 空}, 例{2, 1, 成り方::成る, 判定::可, 先手_と},
        例{2, 1, 成り方::成れれば成る, 判定::可, 先手_と}, 例{6, 5, 成り方::成る, 判定::成り, 空},
        例{6, 5, 成り方::成れれば成る, 判定::可, 先手_歩}}) {
    対局状態 s = 先手の番({{5, e.y1}});
    const auto 答え = 着手判定(s, 5, e.y1, 5, e.y2, 先手_歩, e.成り);
    EXPECT_EQ(答え.結果, e.結果) << e.y1 << "->" << e.y2;
    if (e.結果 == 判定::可) {
      EXPECT_EQ(答え.手, (着手{5, e.y1, 5, e.y2, 先手_歩, e.置駒}));
    }
  }
  対局状態 s = 先手の番({});
  EXPECT_EQ(着手判定(s, 先手持駒列, 2, 5, 2, 先手_歩, 成り方::成る).結果, 判定::成り)
      << "a drop never promotes";
  EXPECT_EQ(着手判定(s, 先手持駒列, 2, 5, 2, 先手_歩, 成り方::成れれば成る).手.置駒, 先手_歩);
}

TEST(着手実行, 手を指して手数を進め相手の番にする) {
  対局状態 s = 先手の番({});
  s.手数 = 7;
  const 着手の結果 結果 = 着手実行(s, {先手持駒列, 2, 5, 5, 先手_歩, 先手_歩});
  EXPECT_EQ(結果.結果, 結末::続行);
  EXPECT_EQ(結果.手番, 手番_先手);
  EXPECT_EQ(s.盤面[5][5], 先手_歩);
  EXPECT_EQ(s.先手持駒数[1], 1);
  EXPECT_EQ(s.先手持駒合計, 10);
  EXPECT_EQ(s.手数, 8);
  EXPECT_EQ(s.手番, 手番_後手);
  EXPECT_EQ(s.対局中, 有);

  const 着手の結果 後手 = 着手実行(s, {後手持駒列, 1, 4, 4, 後手_王, 後手_王});
  EXPECT_EQ(後手.手番, 手番_後手);
  EXPECT_EQ(s.手番, 手番_先手);
  EXPECT_EQ(s.後手持駒数[8], 0);
}

TEST(着手実行, 行き先を通る五は勝ちで見つけた桝と線の桝を返し対局を終える) {
  対局状態 s = 先手の番({{1, 5}, {2, 5}, {3, 5}, {4, 5}});
  const 着手の結果 結果 = 着手実行(s, {先手持駒列, 金の段, 5, 5, 先手_金, 先手_金});
  EXPECT_EQ(結果.結果, 結末::五並び);
  EXPECT_EQ(結果.手番, 手番_先手);
  EXPECT_EQ(std::pair(結果.五X, 結果.五Y), std::pair(5, 5));
  EXPECT_EQ(結果.五, (五桝{{{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}}}));
  EXPECT_EQ(s.対局中, 無);
  EXPECT_EQ(s.手番, 手番_後手);
  EXPECT_EQ(s.手数, 1);
}

TEST(着手実行, 長い列の端を動かして残った五も勝ちで空いた桝の隣から見つける) {
  対局状態 s = 先手の番({{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}});
  const 着手の結果 結果 = 着手実行(s, {6, 5, 6, 4, 先手_歩, 先手_歩});
  EXPECT_EQ(結果.結果, 結末::五並び);
  EXPECT_EQ(std::pair(結果.五X, 結果.五Y), std::pair(5, 5));
  EXPECT_EQ(結果.五[0], std::pair(1, 5));
  EXPECT_EQ(結果.五[4], std::pair(5, 5));
  EXPECT_EQ(s.対局中, 無);
}

TEST(着手実行, 記録の上限に届いた手は引き分けを知らせるが対局の印は変えない) {
  対局状態 s = 先手の番({});
  s.手数 = 記録上限 - 2;
  EXPECT_EQ(着手実行(s, {先手持駒列, 2, 5, 5, 先手_歩, 先手_歩}).結果, 結末::続行);
  EXPECT_FALSE(手数上限(s));
  EXPECT_EQ(着手実行(s, {後手持駒列, 8, 5, 4, 後手_歩, 後手_歩}).結果, 結末::引き分け);
  EXPECT_TRUE(手数上限(s));
  EXPECT_EQ(s.対局中, 有) << "the caller ends the game: only its record has the bound";
  s.対局中 = 無;
  EXPECT_FALSE(手数上限(s)) << "a game that is over is not drawn again";
  EXPECT_EQ(着手後の結末(s, 手番_後手, 後手持駒列, 8, 5, 4).結果, 結末::続行);
}

TEST(五並びの桝, 縦横両方の五では横を返し五がなければ何も返さない) {
  const 対局状態 十字 =
      局面({{5, 3}, {5, 4}, {5, 5}, {5, 6}, {5, 7}, {3, 5}, {4, 5}, {6, 5}, {7, 5}});
  const auto 桝 = 五並びの桝(十字, 手番_先手, 5, 5);
  ASSERT_TRUE(桝);
  EXPECT_EQ(*桝, (五桝{{{3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}}}));
  EXPECT_EQ(五並びの桝(十字, 手番_先手, 5, 3)->front(), std::pair(5, 3));
  EXPECT_FALSE(五並びの桝(十字, 手番_後手, 5, 5)) << "the other side's pieces";
  EXPECT_FALSE(五並びの桝(十字, 手番_先手, 0, 5));
  const 対局状態 六 = 局面({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}});
  EXPECT_FALSE(五並びの桝(六, 手番_先手, 3, 3)) << "an overline is no five";
}

// Every source the side could name (its board squares and both hand columns), every square and
// every way to arrive, judged one by one: what 指せる手 must list, in any order.
std::vector<着手> 総当たりの手(対局状態& s) {
  std::vector<着手> 手;
  const auto 試す = [&](int 元X, int 元Y, int 駒) {
    for (int x = 1; x <= 盤サイズ; ++x) {
      for (int y = 1; y <= 盤サイズ; ++y) {
        for (const 成り方 成り : {成り方::成らない, 成り方::成る}) {
          const auto 答え = 着手判定(s, 元X, 元Y, x, y, 駒, 成り);
          if (答え.結果 == 判定::可) 手.push_back(答え.手);
        }
      }
    }
  };
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) 試す(x, y, s.盤面[x][y]);
  }
  for (const int 列 : {先手持駒列, 後手持駒列}) {
    for (int 段 = 1; 段 <= 盤サイズ; ++段) {
      const int 側 = 列 == 先手持駒列 ? 手番_先手 : 手番_後手;
      if (s.取得_持駒数(側, 段) > 0) 試す(列, 段, s.取得_持駒(側, 段));
    }
  }
  return 手;
}

std::vector<std::tuple<int, int, int, int, int, int>> 並べた(const std::vector<着手>& 手) {
  std::vector<std::tuple<int, int, int, int, int, int>> 組;
  for (const 着手& m : 手) 組.emplace_back(m.元X, m.元Y, m.先X, m.先Y, m.移動駒, m.置駒);
  std::sort(組.begin(), 組.end());
  return 組;
}

TEST(指せる手, 空の盤では打てる桝すべてに打て乱数対局でも総当たりと同じ手を挙げる) {
  対局状態 s = 先手の番({});
  // Each of the eight kinds on every square, but 歩 and 香 not on row 1, 桂 not on rows 1-2.
  EXPECT_EQ(指せる手(s).size(), 8u * 81 - 9 - 9 - 18);
  std::mt19937 random(3);
  for (int game = 0; game < 12; ++game) {
    s = 先手の番({});
    for (int ply = 0; ply < 60; ++ply) {
      const std::vector<着手> 手 = 指せる手(s);
      ASSERT_EQ(並べた(手), 並べた(総当たりの手(s))) << "game " << game << " ply " << ply;
      ASSERT_EQ(指せる手がある(s), !手.empty());
      if (手.empty() || 着手実行(s, 手[random() % 手.size()]).結果 != 結末::続行) break;
    }
  }
}

}  // namespace
}  // namespace brenvolt
