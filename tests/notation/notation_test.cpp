#include "notation/notation.h"

#include <gtest/gtest.h>

#include "game/constants.h"
#include "game/piece_table.h"

namespace brenvolt::notation {
namespace {

TEST(Squares, ReadAsTheBoardLabelsShowThemAndRoundTrip) {
  EXPECT_EQ(parse_square("9a"), (Square{1, 1}));
  EXPECT_EQ(parse_square("1a"), (Square{9, 1}));
  EXPECT_EQ(parse_square("5e"), (Square{5, 5}));
  EXPECT_EQ(parse_square("1i"), (Square{9, 9}));
  EXPECT_EQ(parse_square("7g"), (Square{3, 7}));
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      EXPECT_EQ(parse_square(format_square(x, y)), (Square{x, y})) << x << "," << y;
    }
  }
}

TEST(Squares, OffBoardAndMalformedAreRefused) {
  for (const char* text : {"0a", "5j", "5`", ":a", "5", "5e5", "", "e5", "5E", "a9"}) {
    EXPECT_FALSE(parse_square(text)) << text;
  }
}

TEST(Pieces, LettersCasePromotionAndHandKinds) {
  EXPECT_EQ(format_piece(先手_歩), "P");
  EXPECT_EQ(format_piece(後手_歩), "p");
  EXPECT_EQ(format_piece(先手_と), "+P");
  EXPECT_EQ(format_piece(後手_角成), "+b");
  EXPECT_EQ(format_piece(先手_飛成), "+R");
  EXPECT_EQ(format_piece(後手_桂成), "+n");
  EXPECT_EQ(format_piece(先手_金), "G");
  EXPECT_EQ(format_piece(後手_王), "k");
  EXPECT_EQ(format_piece(空), "");
  EXPECT_EQ(format_piece(後手_金成), "");
  EXPECT_EQ(format_piece(12), "");
  for (int kind = 1; kind <= 持駒種類数; ++kind) {
    EXPECT_EQ(hand_kind_of_piece(種類の表[kind].先手の駒), kind);
    EXPECT_EQ(hand_kind_of_piece(-種類の表[kind].先手の駒), kind);
    EXPECT_EQ(hand_kind_of_letter(letter_of_hand_kind(kind)), kind);
  }
  EXPECT_EQ(hand_kind_of_piece(先手_と), 1);
  EXPECT_EQ(hand_kind_of_piece(後手_飛成), 7);
  EXPECT_EQ(hand_kind_of_letter('p'), 0);
  EXPECT_EQ(hand_kind_of_letter('X'), 0);
  EXPECT_TRUE(is_promoted(後手_銀成));
  EXPECT_FALSE(is_promoted(先手_銀));
}

TEST(Moves, BoardMovesPromotionsAndDrops) {
  const auto plain = parse_move("7g7f");
  ASSERT_TRUE(plain);
  EXPECT_FALSE(plain->drop);
  EXPECT_EQ(plain->from, (Square{3, 7}));
  EXPECT_EQ(plain->to, (Square{3, 6}));
  EXPECT_FALSE(plain->promote);

  const auto promoting = parse_move("2c2b+");
  ASSERT_TRUE(promoting);
  EXPECT_TRUE(promoting->promote);

  const auto drop = parse_move("N*5e");
  ASSERT_TRUE(drop);
  EXPECT_TRUE(drop->drop);
  EXPECT_EQ(drop->kind, 3);
  EXPECT_EQ(drop->to, (Square{5, 5}));

  for (const char* text : {"7g7f", "7g7f+", "P*5e", "K*1i", "9a1i"}) {
    const auto parsed = parse_move(text);
    ASSERT_TRUE(parsed) << text;
    EXPECT_EQ(format_move(*parsed), text);
  }
}

TEST(Moves, MalformedTextIsRefused) {
  for (const char* text : {"p*5e", "P*5e+", "+P*5e", "7g7f=", "7g7", "7g7f++", "X*5e", "P*5j",
                           "P-5e", "0g7f", "7g7j", "", "7g 7f", "P*"}) {
    EXPECT_FALSE(parse_move(text)) << text;
  }
}

TEST(ShownWords, AreBoundedAndPrintable) {
  EXPECT_EQ(shown_word("a\x01\x7f\xc3\xa9z"), "a????z");
  EXPECT_EQ(shown_word("a b"), "a?b");
  EXPECT_EQ(shown_word(std::string(100, 'x')), std::string(32, 'x') + "...");
  EXPECT_EQ(shown_word(std::string(32, 'x')), std::string(32, 'x'));
}

}  // namespace
}  // namespace brenvolt::notation
