// The boards of the How to play window: each position is one the game can reach, each board
// shows every square it marks, and each shows what its text says.
#include "window/help_diagrams.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "game/invariants.h"
#include "notation/notation.h"

namespace brenvolt {
namespace {

// The squares of one kind of mark, in the engine's notation, sorted.
std::set<std::string> 印のある桝(const 説明図& 図, 図の印 印) {
  std::set<std::string> found;
  for (const 印の桝& m : 図.印) {
    if (m.印 == 印) found.insert(notation::format_square(m.x, m.y));
  }
  return found;
}

const 説明図& 図(const char* 名前) {
  static const 説明図 none{};
  const 説明図* found = 説明図を引く(名前);
  EXPECT_NE(found, nullptr) << 名前;
  return found ? *found : none;
}

TEST(HelpBoards, EveryPositionIsPlayableAndEveryMarkIsOnTheBoardShown) {
  std::set<std::string> names;
  for (const 説明図& 図 : 説明図の一覧()) {
    EXPECT_TRUE(names.insert(図.名前).second) << 図.名前;
    EXPECT_EQ(状態の不整合(図.局), "") << 図.名前;
    EXPECT_FALSE(図.局.対局なし()) << 図.名前;
    EXPECT_FALSE(図.印.empty()) << 図.名前;
    for (const 印の桝& m : 図.印) {
      EXPECT_TRUE(図.範囲.含む(m.x, m.y)) << 図.名前 << " " << notation::format_square(m.x, m.y);
    }
  }
  EXPECT_EQ(説明図を引く("none"), nullptr);
}

using 桝の組 = std::set<std::string>;

TEST(HelpBoards, PiecesGoWhereTheTextSaysAndSlidersStopAtAPiece) {
  EXPECT_EQ(印のある桝(図("fu"), 図の印::行ける), 桝の組({"5d"}));
  EXPECT_EQ(印のある桝(図("kyou"), 図の印::行ける), 桝の組({"5c", "5d", "5e", "5f"}));
  EXPECT_EQ(印のある桝(図("kei"), 図の印::行ける), 桝の組({"4c", "6c"}));
  EXPECT_EQ(印のある桝(図("gin"), 図の印::行ける), 桝の組({"4d", "5d", "6d", "4f", "6f"}));
  EXPECT_EQ(印のある桝(図("kin"), 図の印::行ける), 桝の組({"4d", "5d", "6d", "4e", "6e", "5f"}));
  EXPECT_EQ(印のある桝(図("tokin"), 図の印::行ける), 印のある桝(図("kin"), 図の印::行ける));
  EXPECT_EQ(印のある桝(図("ou"), 図の印::行ける).size(), 8u);
  EXPECT_EQ(印のある桝(図("kaku"), 図の印::行ける).size(), 13u);  // 6d only, up to the left
  EXPECT_EQ(印のある桝(図("uma"), 図の印::行ける).size(), 13u + 4u);
  EXPECT_EQ(印のある桝(図("hisha"), 図の印::行ける).size(), 14u);  // 5d and 5c only, upward
  EXPECT_EQ(印のある桝(図("ryuu"), 図の印::行ける).size(), 14u + 4u);
  EXPECT_EQ(印のある桝(図("gin"), 図の印::選んだ駒), 桝の組({"5e"}));
}

TEST(HelpBoards, DropsAndPromotionMarkTheSquaresTheTextNames) {
  桝の組 pawnRefused{"1a", "2a", "4a", "5a", "6a", "7a", "8a", "9a"};
  for (const char row : std::string("abcdeghi")) pawnRefused.insert(std::string("3") + row);
  EXPECT_EQ(印のある桝(図("fu_uchi"), 図の印::打てない), pawnRefused);
  EXPECT_EQ(印のある桝(図("kei_uchi"), 図の印::打てない).size(), 18u);
  for (const std::string& sq : 印のある桝(図("kei_uchi"), 図の印::打てない)) {
    EXPECT_TRUE(sq[1] == 'a' || sq[1] == 'b') << sq;
  }
  EXPECT_EQ(印のある桝(図("nari_kyou"), 図の印::行ける), 桝の組({"5d", "5e", "5f"}));
  EXPECT_EQ(印のある桝(図("nari_kyou"), 図の印::成れる), 桝の組({"5b", "5c"}));
  EXPECT_EQ(印のある桝(図("nari_kyou"), 図の印::成るしかない), 桝の組({"5a"}));
  EXPECT_EQ(印のある桝(図("nari_gin"), 図の印::成れる), 桝の組({"4b", "5b", "6b", "4d", "6d"}));
  EXPECT_EQ(印のある桝(図("nari_kei"), 図の印::成るしかない), 桝の組({"4b", "6b"}));
}

TEST(HelpBoards, FivesSixesAndForbiddenPointsAreWhereTheTextSays) {
  EXPECT_EQ(印のある桝(図("gomoku"), 図の印::五), 桝の組({"8e", "7e", "6e", "5e", "4e"}));
  EXPECT_EQ(印のある桝(図("chouren"), 図の印::五), 桝の組({"9e"}));
  EXPECT_EQ(印のある桝(図("chouren"), 図の印::長連), 桝の組({"4e"}));
  EXPECT_EQ(印のある桝(図("sansan"), 図の印::禁手), 桝の組({"4e"}));
  EXPECT_EQ(印のある桝(図("yonyon"), 図の印::禁手), 桝の組({"4e"}));
  EXPECT_EQ(印のある桝(図("yonyon_go"), 図の印::禁手), 桝の組());
  EXPECT_EQ(印のある桝(図("yonyon_go"), 図の印::五), 桝の組({"9e", "4e"}));
}

}  // namespace
}  // namespace brenvolt
