#include "engine/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine_test_positions.h"
#include "game/levels.h"
#include "notation/position_text.h"
#include "tests/engine/talk.h"

namespace brenvolt::engine {
namespace {

using testing::is_error;
using testing::lines_of;
using testing::Talk;

TEST(Session, HandshakeAndQuit) {
  Talk talk;
  EXPECT_EQ(talk.say("usi"),
            (std::vector<std::string>{
                "id name Brenvolt", "id author the Brenvolt developers",
                "option name USI_Hash type spin default 16 min 1 max 1024",
                "option name Threads type spin default 1 min 1 max 64",
                "option name Level type spin default 0 min 0 max " + std::to_string(強さ_最強),
                "usiok"}));
  EXPECT_EQ(talk.one("isready"), "readyok");
  EXPECT_TRUE(talk.say("usinewgame").empty());
  EXPECT_TRUE(talk.say("").empty());
  EXPECT_TRUE(talk.say(" \t \r").empty());
  EXPECT_EQ(talk.one("isready\r"), "readyok");
  EXPECT_TRUE(talk.session().handle_line("isready"));
  EXPECT_FALSE(talk.session().handle_line("quit"));
}

TEST(Session, PositionsWithMovesAndRefusalsKeepThePreviousOne) {
  Talk talk;
  EXPECT_TRUE(talk.say("position startpos moves P*5e P*5d").empty());
  const std::string played = "9/9/9/4p4/4P4/9/9/9/9 b KRBGS2N2LPkrbgs2n2lp 3";
  EXPECT_EQ(talk.position(), played);

  EXPECT_TRUE(is_error(talk.one("position startpos moves P*5e P*5e")));
  EXPECT_TRUE(is_error(talk.one("position startpos moves P*5e 5e5d+")));
  EXPECT_TRUE(is_error(talk.one("position startpos junk")));
  EXPECT_TRUE(is_error(talk.one("position sfen 9/9/9 b - 1")));
  EXPECT_TRUE(is_error(talk.one("position sfen 9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p")));
  EXPECT_TRUE(is_error(talk.one("position")));
  EXPECT_TRUE(is_error(talk.one("position fen x")));
  EXPECT_EQ(talk.position(), played);

  EXPECT_TRUE(talk.say("position sfen " + testing::kDoubleThree + " moves").empty());
  EXPECT_EQ(talk.position(), testing::kDoubleThree);
  EXPECT_TRUE(talk.say("usinewgame").empty());
  EXPECT_EQ(talk.position(), notation::kStartPosition);
}

TEST(Session, CheckNamesTheReason) {
  Talk talk;
  talk.say("position sfen " + testing::kDoubleThree);
  EXPECT_EQ(talk.one("check P*1i"), "ok");
  EXPECT_EQ(talk.one("check P*5e"), "refused three");
  EXPECT_EQ(talk.one("check 5c5e"), "refused illegal");
  EXPECT_EQ(talk.one("check 7e7d+"), "refused promote");
  EXPECT_EQ(talk.one("check p*5e"), "refused syntax");
  EXPECT_EQ(talk.one("check \x01\xff"), "refused syntax");
  EXPECT_TRUE(is_error(talk.one("check")));
  EXPECT_TRUE(is_error(talk.one("check P*1i P*1h")));
  talk.say("position sfen " + testing::kDoubleFour);
  EXPECT_EQ(talk.one("check P*5e"), "refused four");
}

TEST(Session, FiveEndsTheGame) {
  Talk talk;
  talk.say("position sfen " + testing::kFourInARow);
  EXPECT_EQ(talk.one("result"), "result none");
  EXPECT_EQ(talk.one("go"), "bestmove P*5e");
  EXPECT_EQ(talk.one("score P*5e"), "score 1001");
  EXPECT_TRUE(talk.say("position sfen " + testing::kFourInARow + " moves P*5e").empty());
  EXPECT_EQ(talk.one("result"), "result b");
  EXPECT_EQ(talk.one("check P*1i"), "refused over");
  EXPECT_EQ(talk.one("check p*1i"), "refused syntax");
  EXPECT_EQ(talk.one("moves"), "moves");
  EXPECT_EQ(talk.one("go"), "bestmove pass");
  EXPECT_EQ(talk.say("d").back(), "over b");
  EXPECT_TRUE(is_error(talk.one("position sfen " + testing::kFourInARow + " moves P*5e P*1i")));
}

TEST(Session, APassIsPlayedOnlyBySideWithoutAMove) {
  Talk talk;
  talk.say("position sfen " + testing::kNoMoveForGote);
  EXPECT_EQ(talk.one("moves"), "moves");
  EXPECT_EQ(talk.one("go"), "bestmove pass");
  EXPECT_TRUE(talk.say("position sfen " + testing::kNoMoveForGote + " moves pass P*5e").empty());
  EXPECT_EQ(talk.position(), "9/9/9/9/4P4/9/5Gnnl/4Srlpp/4Kkgsb w RB2N2LP 3");
  EXPECT_EQ(talk.one("position startpos moves P*5e pass"),
            "info string error move 2 pass refused: illegal");
  EXPECT_EQ(talk.one("position sfen " + testing::kFourInARow + " moves P*5e pass"),
            "info string error move 2 pass refused: over");
  EXPECT_EQ(talk.position(), "9/9/9/9/4P4/9/5Gnnl/4Srlpp/4Kkgsb w RB2N2LP 3")
      << "a refused pass keeps the previous position";
}

TEST(Session, DiagramShowsBoardHandsPositionAndTurn) {
  Talk talk;
  talk.say("position startpos moves P*5e R*5d");
  const auto lines = talk.say("d");
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "hand w: k b g s nx2 lx2 px2");
  EXPECT_EQ(lines[1], "   9  8  7  6  5  4  3  2  1");
  EXPECT_EQ(lines[5], "d  .  .  .  .  r  .  .  .  .");
  EXPECT_EQ(lines[6], "e  .  .  .  .  P  .  .  .  .");
  EXPECT_EQ(lines[11], "hand b: K R B G S Nx2 Lx2 P");
  EXPECT_EQ(lines[12], "sfen " + talk.position());
  EXPECT_EQ(lines[13], "turn b");
}

TEST(Session, ScoreAndGoAnswerForTheSideToMove) {
  Talk talk;
  EXPECT_EQ(talk.one("go"), "bestmove P*5e");  // the fixed opening
  EXPECT_EQ(talk.one("score P*5e"), "score 0");
  EXPECT_TRUE(is_error(talk.one("score 5e5d")));
  EXPECT_TRUE(is_error(talk.one("score")));
  talk.say("position sfen 9/9/9/9/9/9/9/9/9 w KRBGS2N2L2Pkrbgs2n2l2p 1");
  EXPECT_EQ(talk.one("go"), "bestmove P*5e");
  // 後手 to move facing 先手's four: only the drop on the five point blocks it.
  talk.say("position sfen 9/9/9/9/RBGS5/9/9/9/9 w K2N2L2Pkrbgs2n2l2p 9");
  EXPECT_EQ(talk.one("score P*5e"), "score 900");
  EXPECT_EQ(talk.one("score K*4d"), "score 0");
  // 後手's hand rows are tried from 王 down to 歩, so the king takes the first 900.
  EXPECT_EQ(talk.one("go"), "bestmove K*5e");
}

// Every text a move could be written as: board moves with and without '+', and drops.
std::vector<std::string> every_move_text() {
  std::vector<std::string> texts;
  for (int from = 0; from < 81; ++from) {
    for (int to = 0; to < 81; ++to) {
      const std::string plain = notation::format_square(from / 9 + 1, from % 9 + 1) +
                                notation::format_square(to / 9 + 1, to % 9 + 1);
      texts.push_back(plain);
      texts.push_back(plain + "+");
    }
  }
  for (const char* drop : {"P*", "L*", "N*", "S*", "G*", "B*", "R*", "K*"}) {
    for (int to = 0; to < 81; ++to) {
      texts.push_back(drop + notation::format_square(to / 9 + 1, to % 9 + 1));
    }
  }
  return texts;
}

int pieces_of(const 対局状態& 局, int side) {
  int count = 局.取得_全持駒数(side);
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) count += 取得_手番(局.盤面[x][y]) == side ? 1 : 0;
  }
  return count;
}

// Random play through the protocol: "moves" lists exactly the texts "check" accepts, checking
// changes nothing, and each side keeps its eleven pieces.
TEST(Session, MovesAgreeWithCheckInRandomPlay) {
  const auto texts = every_move_text();
  std::mt19937 random(3);
  for (int game = 0; game < 3; ++game) {
    Talk talk;
    std::string line = "position startpos moves";
    for (int ply = 0; ply < 50; ++ply) {
      talk.say(line);
      std::istringstream listing(talk.one("moves"));
      std::string word;
      listing >> word;
      ASSERT_EQ(word, "moves");
      std::vector<std::string> moves;
      while (listing >> word) moves.push_back(word);
      ASSERT_TRUE(std::is_sorted(moves.begin(), moves.end()));
      const auto& 局 = talk.session().game().局;
      ASSERT_EQ(pieces_of(局, 手番_先手), 11);
      ASSERT_EQ(pieces_of(局, 手番_後手), 11);
      if (ply % 10 == 9) {
        const std::string before = talk.position();
        const std::set<std::string> listed(moves.begin(), moves.end());
        for (const auto& move : texts) {
          ASSERT_EQ(talk.one("check " + move) == "ok", listed.count(move) == 1) << move;
        }
        ASSERT_EQ(talk.position(), before);
        ASSERT_EQ(talk.session().game().局.盤面, 局.盤面);
      }
      if (moves.empty()) break;
      line += " " + moves[random() % moves.size()];
    }
  }
}

TEST(Session, BenchIsRepeatableAndEndsWithItsFigures) {
  Talk talk;
  const auto first = talk.say("bench 2 7");
  ASSERT_GE(first.size(), 8u);
  const std::vector<std::string> tail(first.end() - 6, first.end());
  EXPECT_EQ(tail[0], "games 2");
  EXPECT_EQ(tail[1].rfind("plies ", 0), 0u);
  EXPECT_EQ(tail[2].rfind("candidates ", 0), 0u);
  EXPECT_EQ(tail[3].rfind("elapsed_ms ", 0), 0u);
  EXPECT_EQ(tail[4].rfind("plies_per_second ", 0), 0u);
  ASSERT_EQ(tail[5].size(), std::string("signature ").size() + 16);
  EXPECT_EQ(tail[5].find_first_not_of("0123456789abcdef", 10), std::string::npos);
  EXPECT_EQ(first[0].rfind("info string game 1 plies ", 0), 0u);

  const auto again = talk.say("bench 2 7");
  EXPECT_EQ(again.back(), first.back());
  EXPECT_EQ(again[again.size() - 5], first[first.size() - 5]);
  EXPECT_NE(talk.say("bench 2 8").back(), first.back());
  // bench leaves the session's game alone
  EXPECT_EQ(talk.position(), notation::kStartPosition);

  for (const char* bad :
       {"bench 0", "bench 1001", "bench -1", "bench x", "bench 1 -3",
        "bench 1 18446744073709551616", "bench 99999999999999999999", "bench 1 2 3", "bench 1e3"}) {
    EXPECT_TRUE(is_error(talk.one(bad))) << bad;
  }
}

TEST(Session, AnythingElseGetsOneBoundedErrorLine) {
  Talk talk;
  EXPECT_EQ(talk.one("frobnicate"), "info string error unknown command frobnicate");

  std::mt19937 random(17);
  const std::vector<std::string> openers = {
      "position sfen ", "position startpos moves ", "check ", "score ", "d ", ""};
  for (int round = 0; round < 300; ++round) {
    std::string line = openers[random() % openers.size()];
    const std::size_t length = random() % (round % 10 == 0 ? 5000 : 60);
    for (std::size_t i = 0; i < length; ++i) {
      const auto byte = static_cast<char>(random() % 256);
      line += byte == '\n' ? ' ' : byte;
    }
    const auto lines = talk.say(line);
    EXPECT_LE(lines.size(), 14u);
    for (const auto& one : lines) EXPECT_LE(one.size(), 400u);
  }
}

}  // namespace
}  // namespace brenvolt::engine
