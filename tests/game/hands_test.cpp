#include <gtest/gtest.h>

#include <limits>

#include "tests/game/position.h"

namespace brenvolt {
namespace {

using testing::空の局面;

TEST(初期設定, 盤を空にし両方の持駒を十一枚にして対局を終える) {
  対局状態 s;
  s.盤面[5][5] = 先手_王;
  s.盤面[9][9] = 後手_飛成;
  s.先手持駒数[1] = 0;
  s.後手持駒数[8] = 0;
  s.先手持駒合計 = 3;
  s.対局中 = 有;
  s.手数 = 42;
  s.手番 = 手番_後手;
  s.対局モード = モード_COM;

  s.初期設定();

  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(s.盤面[x][y], 空) << x << "," << y;
  }
  const 持駒 expected{0, 2, 2, 2, 1, 1, 1, 1, 1};
  EXPECT_EQ(s.先手持駒数, expected);
  EXPECT_EQ(s.後手持駒数, expected);
  EXPECT_EQ(s.先手持駒合計, 11);
  EXPECT_EQ(s.後手持駒合計, 11);
  EXPECT_EQ(s.対局中, 無);
  EXPECT_EQ(s.手数, 0);
  // The caller sets side, mode and turn afterwards.
  EXPECT_EQ(s.手番, 手番_後手);
  EXPECT_EQ(s.対局モード, モード_COM);
}

TEST(持駒の問い合わせ, 行と持駒の対応は両者で点対称) {
  const 対局状態 s = 空の局面();
  const int 先手の並び[] = {先手_歩, 先手_香, 先手_桂, 先手_銀, 先手_金, 先手_角, 先手_飛, 先手_王};
  for (int kind = 1; kind <= 8; ++kind) {
    EXPECT_EQ(s.取得_持駒(手番_先手, kind + 1), 先手の並び[kind - 1]) << kind;
    EXPECT_EQ(s.取得_持駒(手番_後手, 9 - kind), -先手の並び[kind - 1]) << kind;
  }
  EXPECT_EQ(s.取得_持駒(手番_先手, 2), -10);
  EXPECT_EQ(s.取得_持駒(手番_後手, 8), 10);
  EXPECT_EQ(s.取得_持駒(手番_先手, 9), -950);
  EXPECT_EQ(s.取得_持駒(手番_後手, 1), 950);
}

TEST(持駒の問い合わせ, 空き枠と範囲外の行と手番なしは何も返さない) {
  const 対局状態 s = 空の局面();
  EXPECT_EQ(s.取得_持駒数(手番_先手, 1), 0);
  EXPECT_EQ(s.取得_持駒数(手番_後手, 9), 0);
  EXPECT_EQ(s.取得_持駒(手番_先手, 1), 空);
  EXPECT_EQ(s.取得_持駒(手番_後手, 9), 空);
  for (int row : {-5, 0, 10, 11, 1 << 30, -(1 << 30)}) {
    EXPECT_EQ(s.取得_持駒数(手番_先手, row), 0) << row;
    EXPECT_EQ(s.取得_持駒数(手番_後手, row), 0) << row;
    EXPECT_EQ(s.取得_持駒(手番_先手, row), 空) << row;
    EXPECT_EQ(s.取得_持駒(手番_後手, row), 空) << row;
  }
  EXPECT_EQ(s.取得_持駒数(手番_なし, 2), 0);
  EXPECT_EQ(s.取得_持駒(手番_なし, 2), 空);
  EXPECT_EQ(s.取得_持駒(0, 5), 空);
}

TEST(持駒の問い合わせ, 数は行ごとに読み全持駒数はその合計) {
  対局状態 s = 空の局面();
  s.先手持駒数 = {0, 1, 0, 2, 0, 1, 0, 0, 1};
  s.後手持駒数 = {0, 0, 2, 0, 1, 0, 0, 1, 0};
  EXPECT_EQ(s.取得_持駒数(手番_先手, 2), 1);  // 歩
  EXPECT_EQ(s.取得_持駒数(手番_先手, 4), 2);  // 桂
  EXPECT_EQ(s.取得_持駒数(手番_先手, 9), 1);  // 王
  EXPECT_EQ(s.取得_持駒数(手番_後手, 7), 2);  // 香
  EXPECT_EQ(s.取得_持駒数(手番_後手, 2), 1);  // 飛
  EXPECT_EQ(s.取得_全持駒数(手番_先手), 5);
  EXPECT_EQ(s.取得_全持駒数(手番_後手), 4);
  EXPECT_EQ(s.取得_全持駒数(手番_なし), 0);
  EXPECT_EQ(空の局面().取得_全持駒数(手番_先手), 11);
  EXPECT_EQ(空の局面().取得_全持駒数(手番_後手), 11);
}

TEST(駒の持ち主, 十五の符号だけがその手番の駒) {
  const int 先手の符号[] = {-10,  -11,  -20,  -21,  -30,  -31,  -100, -101,
                            -110, -111, -800, -801, -900, -901, -950};
  for (int code : 先手の符号) {
    EXPECT_EQ(調査_駒(手番_先手, code), 有) << code;
    EXPECT_EQ(調査_駒(手番_後手, -code), 有) << code;
    EXPECT_EQ(調査_駒(手番_後手, code), 無) << code;
    EXPECT_EQ(調査_駒(手番_先手, -code), 無) << code;
    EXPECT_EQ(調査_駒(手番_なし, code), 無) << code;
    EXPECT_EQ(取得_手番(code), 手番_先手) << code;
    EXPECT_EQ(取得_手番(-code), 手番_後手) << code;
  }
  // Codes that merely look like a side's (sign and size) are not pieces.
  for (int code : {0, -1, 1, -12, 12, -102, 102, -900 + 2, 951, -1000,
                   std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
    EXPECT_EQ(調査_駒(手番_先手, code), 無) << code;
    EXPECT_EQ(調査_駒(手番_後手, code), 無) << code;
    EXPECT_EQ(取得_手番(code), 空) << code;
  }
  EXPECT_NE(取得_手番(空), 手番_先手);
  EXPECT_NE(取得_手番(空), 手番_後手);
}

}  // namespace
}  // namespace brenvolt
