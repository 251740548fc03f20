#include <gtest/gtest.h>

#include <limits>

#include "tests/game/position.h"

#include "game/piece_table.h"

namespace brenvolt {
namespace {

TEST(初期設定と持駒, 盤を空にし十一枚ずつ持たせ行と種類は点対称に対応する) {
  対局状態 s;
  s.盤面[5][5] = 先手_王;
  s.先手持駒数[1] = 0;
  s.対局中 = 有;
  s.手数 = 42;
  s.手番 = 手番_後手;
  s.初期設定();
  EXPECT_EQ(s.盤面, 盤{});
  EXPECT_EQ(s.先手持駒数, (持駒{0, 2, 2, 2, 1, 1, 1, 1, 1}));
  EXPECT_EQ(s.後手持駒数, s.先手持駒数);
  EXPECT_EQ(s.先手持駒合計 + s.後手持駒合計, 22);
  EXPECT_EQ(s.取得_全持駒数(手番_先手) + s.取得_全持駒数(手番_後手), 22);
  EXPECT_EQ(s.取得_全持駒数(手番_なし), 0);
  EXPECT_EQ(s.対局中 + s.手数, 0);
  EXPECT_EQ(s.手番, 手番_後手);  // the caller sets the turn afterwards
  for (int kind = 1; kind <= 8; ++kind) {
    EXPECT_EQ(s.取得_持駒(手番_先手, kind + 1), 種類の表[kind].先手の駒);
    EXPECT_EQ(s.取得_持駒(手番_後手, 9 - kind), -種類の表[kind].先手の駒);
  }
  s.先手持駒数[4] = 5;
  s.後手持駒数[2] = 7;
  EXPECT_EQ(s.取得_持駒数(手番_先手, 5), 5);
  EXPECT_EQ(s.取得_持駒数(手番_後手, 7), 7);
  // Slot 0, rows off the stand and a side value that is no side give nothing.
  for (int row : {1, 9, 0, 10, -5, std::numeric_limits<int>::min()}) {
    for (int side : {手番_先手, 手番_後手, 手番_なし}) {
      if ((side == 手番_先手 && row == 9) || (side == 手番_後手 && row == 1)) continue;
      EXPECT_EQ(s.取得_持駒数(side, row), 0) << side << " " << row;
      EXPECT_EQ(s.取得_持駒(side, row), 空) << side << " " << row;
    }
  }
}

TEST(駒の持ち主, 十五の符号だけがその手番の駒) {
  for (int code :
       {-10, -11, -20, -21, -30, -31, -100, -101, -110, -111, -800, -801, -900, -901, -950}) {
    EXPECT_TRUE(調査_駒(手番_先手, code) == 有 && 調査_駒(手番_後手, -code) == 有) << code;
    EXPECT_TRUE(調査_駒(手番_後手, code) == 無 && 調査_駒(手番_なし, code) == 無) << code;
    EXPECT_TRUE(取得_手番(code) == 手番_先手 && 取得_手番(-code) == 手番_後手) << code;
  }
  for (int code : {0, -1, 12, -102, 951, std::numeric_limits<int>::min()}) {
    EXPECT_TRUE(調査_駒(手番_先手, code) == 無 && 調査_駒(手番_後手, code) == 無) << code;
    EXPECT_EQ(取得_手番(code), 空) << code;
  }
}

}  // namespace
}  // namespace brenvolt
