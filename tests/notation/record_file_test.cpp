// Record files read and written as text: the headers, the position line the engine reads, the
// cursor, finished and drawn games, and every kind of text that is refused with its reason.
#include "notation/record_file.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "engine/session.h"
#include "game/levels.h"
#include "game/turn.h"
#include "notation/position_text.h"
#include "tests/engine/engine_test_positions.h"
#include "tests/support/game_difference.h"

namespace brenvolt::notation {
namespace {

using testing::対局の違い;

// 先手 drops a five on row e from the left while 後手 drops apart; 先手 wins with move 9.
constexpr std::string_view 先手の五 = "P*9e K*1a P*8e R*3a G*7e B*1d B*6e G*3d R*5e";

対局 読む(std::string_view text) {
  対局 game;
  RecordError error;
  EXPECT_TRUE(read_record(text, game, error)) << describe(error);
  return game;
}

// The reason `text` is refused; the game given to the reader is left as it was.
std::string 断り(std::string_view text) {
  対局 game = 読む("position startpos moves P*5e");
  const 対局 before = game;
  RecordError error;
  if (read_record(text, game, error)) return "accepted";
  EXPECT_EQ(対局の違い(game, before), "") << text;
  return describe(error);
}

// Whether the engine takes the record's position line as it stands: no error line.
std::string エンジンの答え(const std::string& record) {
  std::istringstream lines(record);
  std::ostringstream answers;
  engine::Session session(answers);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("#", 0) != 0) session.handle_line(line);
  }
  return answers.str();
}

std::string 金の往復(int 手数) {
  std::string moves = "G*5g G*5c";
  const char* 往復[] = {" 5g5f", " 5c5d", " 5f5g", " 5d5c"};
  for (int n = 2; n < 手数; ++n) moves += 往復[(n - 2) % 4];
  return "position startpos moves " + moves;
}

TEST(RecordFile, 見出しのない棋譜は二人の対局で最後の手まで進んでいる) {
  const 対局 game = 読む("position startpos moves P*5e P*5c 5e5d\n");
  EXPECT_EQ(game.対局モード, モード_人間);
  EXPECT_EQ(game.局.手数, 3);
  EXPECT_EQ(game.記録.記録数, 3);
  EXPECT_EQ(game.記録.記録終端, 3);
  EXPECT_EQ(game.局.手番, 手番_後手);
  EXPECT_EQ(game.局.対局中, 有);
  EXPECT_EQ(game.局.盤面[5][4], 先手_歩);
  EXPECT_EQ(game.局.盤面[5][3], 後手_歩);
  EXPECT_EQ(game.局.先手持駒数[1], 1);
  EXPECT_EQ(game.記録.記録_項目(3), (手順{5, 5, 5, 4, 先手_歩, 先手_歩, 空}));
  EXPECT_EQ(game.記録.記録_項目(1), (手順{先手持駒列, 2, 5, 5, 先手_歩, 先手_歩, 空}));
}

TEST(RecordFile, 書いた棋譜は見出しと局面の一行でエンジンがそのまま読める) {
  対局 game = 読む("# mode: computer-w\n# cursor: 2\nposition startpos moves P*5e P*5c 5e5d\n");
  EXPECT_EQ(game.対局モード, モード_COM);
  EXPECT_EQ(game.COM側, 手番_後手);
  EXPECT_EQ(game.人間側, 手番_先手);
  EXPECT_EQ(game.人間歩, 先手_歩);
  EXPECT_EQ(game.記録.記録数, 2);
  EXPECT_EQ(game.記録.記録終端, 3);
  EXPECT_EQ(game.局.手番, 手番_先手);
  const std::string written = write_record(game, "2025-01-31T14:05:00+09:00");
  EXPECT_EQ(written,
            "# Brenvolt record\n# mode: computer-w\n# strength: HYOUJUN\n# result: none\n"
            "# date: 2025-01-31T14:05:00+09:00\n# cursor: 2\n"
            "position startpos moves P*5e P*5c 5e5d\n");
  EXPECT_EQ(エンジンの答え(written), "");
  EXPECT_EQ(対局の違い(読む(written), game), "");
  game.強さ = 強さ_最強;
  game.COM側 = 手番_先手;
  EXPECT_NE(write_record(game, "").find("# mode: computer-b\n# strength: SAIKYOU\n# result"),
            std::string::npos);
}

TEST(RecordFile, 終わった対局は終わったまま開き最後の手を戻すと続く) {
  const 対局 won = 読む("position startpos moves " + std::string(先手の五));
  EXPECT_EQ(won.局.手番, 手番_なし);
  EXPECT_EQ(won.局.対局中, 無);
  EXPECT_EQ(won.記録.記録数, 9);
  const std::string written = write_record(won, "");
  EXPECT_NE(written.find("# result: b\n"), std::string::npos) << written;
  EXPECT_EQ(written.find("cursor"), std::string::npos);
  EXPECT_EQ(対局の違い(読む(written), won), "");

  const 対局 resumed = 読む("# cursor: 8\nposition startpos moves " + std::string(先手の五));
  EXPECT_EQ(resumed.局.手番, 手番_先手);
  EXPECT_EQ(resumed.局.対局中, 有);
  EXPECT_EQ(resumed.局.盤面[5][5], 空);
  EXPECT_NE(write_record(resumed, "").find("# result: b\n# cursor: 8\n"), std::string::npos);
  EXPECT_EQ(断り("position startpos moves " + std::string(先手の五) + " P*1i"),
            "1行目 10手目 P*1i: 勝負はついています");
}

TEST(RecordFile, 五百手で引き分けた対局は引き分けのまま開き五百一手目は断る) {
  const 対局 drawn = 読む(金の往復(記録上限));
  EXPECT_EQ(drawn.局.手数, 記録上限);
  EXPECT_EQ(drawn.局.手番, 手番_なし);
  EXPECT_EQ(drawn.局.対局中, 無);
  EXPECT_NE(write_record(drawn, "").find("# result: draw\n"), std::string::npos);
  EXPECT_EQ(読む(金の往復(記録上限 - 1)).局.対局中, 有);
  EXPECT_EQ(断り(金の往復(記録上限 + 1)), "1行目 501手目 5f5g: 500手を超える棋譜は開けません");
}

TEST(RecordFile, 局面から始めた対局は手数を数え続ける) {
  const 対局 game = 読む("position sfen 9/9/9/9/4P4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 17 moves P*5d");
  EXPECT_EQ(game.記録.記録_開始手数, 16);
  EXPECT_EQ(game.局.手数, 17);
  EXPECT_EQ(game.記録.記録数, 1);
  const std::string written = write_record(game, "");
  EXPECT_NE(written.find("\nposition sfen 9/9/9/9/4P4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 17 "
                         "moves P*5d\n"),
            std::string::npos)
      << written;
  EXPECT_EQ(write_position(game), "9/9/9/4p4/4P4/9/9/9/9 b KRBGS2N2LPkrbgs2n2lp 18");
  EXPECT_EQ(断り("position sfen 9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 501"),
            "1行目: 局面の手数は 499 までです");
}

TEST(RecordFile, 終わった対局の局面は負けた側の手番で写す) {
  const 対局 won = 読む("position startpos moves " + std::string(先手の五));
  EXPECT_EQ(write_position(won).substr(write_position(won).find(' '), 3), " w ");
  対局 start;
  start.局.初期設定();
  EXPECT_EQ(write_position(start), kStartPosition);
  EXPECT_FALSE(has_game(start));
  EXPECT_TRUE(has_game(won));
}

TEST(RecordFile, 改行の形やBOMや注釈の置き場所にはこだわらない) {
  const 対局 game = 読む(
      "\xEF\xBB\xBF# a note: with a colon\r\n\r\n  # MODE: computer-b\r\n"
      "position startpos moves P*5e\t P*5d \r\n# x-later-key: 1\n# after the game\n");
  EXPECT_EQ(game.対局モード, モード_COM);
  EXPECT_EQ(game.COM側, 手番_先手);
  EXPECT_EQ(game.局.手数, 2);
  EXPECT_EQ(読む("position startpos").局.手数, 0);
  EXPECT_EQ(読む("# level: 3\nposition startpos").強さ, 0) << "no level between two people";
  EXPECT_EQ(読む("# level: 3\n# mode: computer-w\nposition startpos").強さ, 強さ_最強);
  // Records written when there were four levels open at the level that plays as theirs did;
  // today's header, when it stands too, wins.
  for (int old = 0; old <= 旧強さ_最強; ++old) {
    const std::string text =
        "# mode: computer-w\n# level: " + std::to_string(old) + "\nposition startpos";
    EXPECT_EQ(読む(text).強さ, 旧強さの対応[old]) << old;
  }
  EXPECT_EQ(読む("# level: 3\n# mode: computer-b\n# strength: 1\nposition startpos").強さ, 1);
  EXPECT_EQ(読む("# strength: 2\n# level: 3\n# mode: computer-b\nposition startpos").強さ, 2);
  // A level is kept by its word; the numbers of the nine levels there were keep naming theirs.
  for (int level = 強さ_標準; level <= 強さ_最強; ++level) {
    const std::string word = 強さの表[level].項目名;
    EXPECT_EQ(読む("# mode: computer-b\n# strength: " + word + "\nposition startpos").強さ, level);
  }
  EXPECT_EQ(読む("# mode: computer-b\n# strength: 7\nposition startpos").強さ, 7);
  EXPECT_EQ(読む("# mode: computer-b\n# strength: 8\nposition startpos").強さ, 強さ_最強);
  EXPECT_EQ(読む("position startpos moves").局.対局中, 有);
}

TEST(RecordFile, 読めない棋譜や規則に合わない手は行と手と理由を添えて断る) {
  const std::pair<std::string, std::string> cases[] = {
      {"position startpos moves P*5e P*1b P*5g", "1行目 3手目 P*5g: 二歩"},
      {"position startpos moves P*5e xx", "1行目 2手目 xx: 読めない手です"},
      {"position startpos moves 5e5d", "1行目 1手目 5e5d: 動かせる駒がありません"},
      {"position startpos moves P*5e P*5e", "1行目 2手目 P*5e: 駒のある桝です"},
      {"position startpos moves K*5e P*1a K*4e", "1行目 3手目 K*4e: 持駒にありません"},
      {"position startpos moves P*5a", "1行目 1手目 P*5a: そこへは打てません"},
      {"position startpos moves P*5e P*1a 5e4e", "1行目 3手目 5e4e: そこへは動けません"},
      {"position startpos moves P*5e P*1a 5e5d+", "1行目 3手目 5e5d+: 成れません"},
      {"position startpos moves P*5b P*1a 5b5a", "1行目 3手目 5b5a: 成らないと動けません"},
      {"position startpos moves P*5e pass", "1行目 2手目 pass: 指せる手があるのでパスはできません"},
      {"# note\nposition startpos moves P*\xff", "2行目: UTF-8 ではありません"},
      {"# \xc0\xaf", "1行目: UTF-8 ではありません"},
      {"# \xed\xa0\x80 a surrogate", "1行目: UTF-8 ではありません"},
      {std::string(kRecordSizeLimit + 1, '#'), "大きすぎます (256 KiB まで)"},
      {"# only comments\n\n", "局面の行がありません"},
      {"", "局面の行がありません"},
      {"position startpos\nposition startpos", "2行目: 局面の行は一つだけです"},
      {"position sfen 9/9 b - 1", "1行目: 局面が読めません (the board needs 9 rows)"},
      {"position startpos P*5e", "1行目: moves のはずが P*5e です"},
      {"startpos moves P*5e",
       "1行目: position startpos か position sfen <局面> で始まる行ではありません"},
      {"# mode: robot\nposition startpos", "1行目: mode の値が読めません: robot"},
      {"# level: -1\nposition startpos", "1行目: level の値が読めません: -1"},
      {"# level: 4\nposition startpos", "1行目: level の値が読めません: 4"},
      {"# strength: 99\nposition startpos", "1行目: strength の値が読めません: 99"},
      {"# strength: 9\nposition startpos", "1行目: strength の値が読めません: 9"},
      {"# strength: saikyou\nposition startpos", "1行目: strength の値が読めません: saikyou"},
      {"# result: maybe\nposition startpos", "1行目: result の値が読めません: maybe"},
      {"# mode: people\n# mode: people\nposition startpos", "2行目: mode が二度あります"},
      {"position startpos moves P*5e\n# cursor: 2", "2行目: cursor は 0 から 1 までです"},
      {"# cursor: 501\nposition startpos", "1行目: cursor の値が読めません: 501"},
  };
  for (const auto& [text, reason] : cases) EXPECT_EQ(断り(text), reason) << text;
}

TEST(RecordFile, 三三と四四は対局の言葉で断る) {
  // 先手 pieces around 5e: a drop there makes two open threes.
  EXPECT_EQ(断り("position sfen 9/9/9/4G4/3S1B3/4R4/9/9/9 b K2N2L2Pkrbgs2n2l2p 1 moves P*5e"),
            "1行目 1手目 P*5e: 3 * 3 です！打てません");
}

TEST(RecordFile, 貼り付けは局面だけでも棋譜でもよい) {
  対局 game;
  RecordError error;
  ASSERT_TRUE(read_pasted("9/9/9/9/4P4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2\n", game, error))
      << describe(error);
  EXPECT_EQ(game.局.手番, 手番_後手);
  EXPECT_EQ(game.局.手数, 1);
  EXPECT_EQ(game.記録.記録終端, 0);
  ASSERT_TRUE(read_pasted(" sfen 9/9/9/9/4P4/9/9/9/9\nb KRBGS2N2LPkrbgs2n2l2p 2", game, error));
  EXPECT_EQ(game.局.手番, 手番_先手);
  ASSERT_TRUE(read_pasted("# mode: computer-w\nposition startpos moves P*5e", game, error));
  EXPECT_EQ(game.対局モード, モード_COM);
  EXPECT_FALSE(read_pasted("hello", game, error));
  EXPECT_EQ(describe(error),
            "1行目: position startpos か position sfen <局面> で始まる行ではありません");
}

TEST(RecordFile, 指す手のない側はパスして相手が続ける) {
  const std::string line = "position sfen " + engine::testing::kNoMoveForGote + " moves pass P*5e";
  const 対局 game = 読む("# mode: computer-w\n" + line);
  EXPECT_EQ(game.局.手番, 手番_後手);
  EXPECT_EQ(game.局.手数, 2) << "a pass is no move";
  EXPECT_EQ(game.記録.記録数, 1);
  const std::string written = write_record(game, "");
  // The pass before the first recorded move is part of the start position: 先手 to move there.
  EXPECT_NE(written.find("position sfen 9/9/9/9/9/9/5Gnnl/4Srlpp/4Kkgsb b RB2N2L2P 2 moves P*5e\n"),
            std::string::npos)
      << written;
  EXPECT_EQ(対局の違い(読む(written), game), "");
  EXPECT_EQ(エンジンの答え(written), "");
}

TEST(RecordFile, 一方が続けて指した所にはパスと書く) {
  対局 game = 読む("position startpos moves P*5e");
  // The computer, as 後手, had no move: 先手 moves again.
  game.記録.記録_追加(game.局, 先手持駒列, 3, 4, 5, 先手_香, 先手_香);
  game.局.駒移動(先手持駒列, 3, 4, 5, 先手_香);
  game.局.手数 = 2;
  game.局.手番 = 手番_後手;
  EXPECT_NE(write_record(game, "").find("moves P*5e pass L*6e\n"), std::string::npos);
  game.局.手番 = 手番_先手;
  EXPECT_NE(write_record(game, "").find("moves P*5e pass L*6e pass\n"), std::string::npos);
}

// Games of random moves, some taken back, in both modes: written and read back they are the
// same game, and the engine accepts every position line.
TEST(RecordFile, 書いて読み直すと同じ対局になる) {
  std::mt19937 random(20250131);
  for (int round = 0; round < 40; ++round) {
    対局 game =
        読む(round % 3 == 0 ? "# mode: computer-b\nposition startpos" : "position startpos");
    const int moves = std::uniform_int_distribution<int>(0, 60)(random);
    for (int i = 0; i < moves && !game.局.対局なし(); ++i) {
      const auto candidates = 指せる手(game.局);
      if (candidates.empty()) break;
      const 着手 move = candidates[random() % candidates.size()];
      game.記録.記録_追加(game.局, move.元X, move.元Y, move.先X, move.先Y, move.移動駒, move.置駒);
      if (着手実行(game.局, move).結果 != 結末::続行) {
        game.局.手番 = 手番_なし;
        game.局.対局中 = 無;
      }
    }
    const int back = std::uniform_int_distribution<int>(0, 3)(random);
    for (int i = 0; i < back; ++i) game.記録.記録_一手戻す(game.局);
    const std::string written = write_record(game, "");
    EXPECT_EQ(対局の違い(読む(written), game), "") << written;
    EXPECT_EQ(エンジンの答え(written), "") << written;
  }
}

}  // namespace
}  // namespace brenvolt::notation
