// The protocol of the strong computer: its options, go with caps and progress lines, stop, and
// the commands that come while it searches on its own thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "engine/session.h"
#include "game/levels.h"
#include "tests/engine/talk.h"

namespace brenvolt::engine {
namespace {

using testing::is_error;
using testing::lines_of;
using testing::Talk;

const std::regex kInfo(
    "info depth [0-9]+ score (cp|mate) -?[0-9]+ nodes [0-9]+ nps [0-9]+ time [0-9]+( pv( "
    "[^ ]+)+)?");
const std::regex kBestmove("bestmove [^ ]+");

const char* const kOpening = "position startpos moves P*5e P*5d P*4e";
const std::string kTopLevel = "setoption name Level value " + std::to_string(強さ_最強);

TEST(SearchSession, OptionsAreListedAndTakeOnlyTheirRange) {
  Talk talk;
  const auto usi = talk.say("usi");
  EXPECT_NE(
      std::find(usi.begin(), usi.end(),
                "option name Level type spin default 0 min 0 max " + std::to_string(強さ_最強)),
      usi.end());
  for (const std::string& good : {kTopLevel, std::string("setoption name Level value 0"),
                                  std::string("setoption name USI_Hash value 1"),
                                  std::string("setoption name USI_Hash value 64"),
                                  std::string("setoption name Threads value 2"),
                                  std::string("setoption name Threads value 1")}) {
    EXPECT_TRUE(talk.say(good).empty()) << good;
  }
  EXPECT_EQ(talk.session().level(), 0);
  const std::string beyond = "setoption name Level value " + std::to_string(強さ_最強 + 1);
  for (const char* bad :
       {beyond.c_str(), "setoption name Level value -1", "setoption name Level value x",
        "setoption name USI_Hash value 0", "setoption name USI_Hash value 2000",
        "setoption name Ponder value true", "setoption name Threads value 0",
        "setoption name Threads value 65", "setoption name Level", "setoption Level value 2",
        "setoption name Level value 1 x"}) {
    const auto answer = talk.say(bad);
    ASSERT_EQ(answer.size(), 1u) << bad;
    EXPECT_TRUE(is_error(answer[0])) << bad;
  }
  EXPECT_EQ(talk.session().level(), 0);
}

TEST(SearchSession, AtTheStandardLevelCapsChangeNothingAndBadCapsAreRefused) {
  Talk talk;
  talk.say(kOpening);
  const std::string standard = talk.bestmove({"go"});
  EXPECT_EQ(talk.say("go depth 5"), std::vector<std::string>{standard});
  EXPECT_EQ(talk.say("go nodes 10 movetime 5"), std::vector<std::string>{standard});
  for (const char* bad : {"go depth", "go depth 0", "go depth 65", "go nodes -3", "go movetime 0",
                          "go btime 1000", "go depth 3 x"}) {
    const auto answer = talk.say(bad);
    ASSERT_EQ(answer.size(), 1u) << bad;
    EXPECT_TRUE(is_error(answer[0])) << bad;
  }
}

TEST(SearchSession, FixedDepthGivesProgressLinesThenTheSameLegalMoveEveryTime) {
  Talk talk;
  talk.say_lines({"setoption name Level value " + std::to_string(強さ_とても強い), kOpening});
  const auto first = talk.say("go depth 3");
  ASSERT_GE(first.size(), 2u);
  for (std::size_t i = 0; i + 1 < first.size(); ++i) {
    EXPECT_TRUE(std::regex_match(first[i], kInfo)) << first[i];
    EXPECT_EQ(first[i].rfind("info depth " + std::to_string(i + 1) + " ", 0), 0u) << first[i];
  }
  ASSERT_TRUE(std::regex_match(first.back(), kBestmove)) << first.back();
  const std::string move = first.back().substr(9);
  EXPECT_EQ(talk.say("check " + move), std::vector<std::string>{"ok"});

  // Other searches between make no difference: a depth alone starts from an empty table.
  talk.say("go depth 4");
  talk.say("go movetime 20");
  EXPECT_EQ(talk.bestmove({"go depth 3"}), first.back());
  talk.say(kTopLevel);
  EXPECT_EQ(talk.bestmove({"go depth 3"}), first.back()) << "caps replace the level's budget";
  EXPECT_TRUE(std::regex_match(talk.bestmove({"go nodes 300"}), kBestmove));
}

TEST(SearchSession, AFiveIsPlayedAtOnceAndAFinishedGameIsAPass) {
  Talk talk;
  talk.say_lines({"setoption name Level value 1",
                  "position sfen 9/9/9/9/RBGS5/9/9/9/9 b K2N2L2Pkrbgs2n2l2p 9"});
  const std::string five = talk.bestmove({"go"}).substr(9);
  talk.say("position sfen 9/9/9/9/RBGS5/9/9/9/9 b K2N2L2Pkrbgs2n2l2p 9 moves " + five);
  EXPECT_EQ(talk.say("result"), std::vector<std::string>{"result b"});
  EXPECT_EQ(talk.say("go"), std::vector<std::string>{"bestmove pass"});
}

TEST(SearchSession, StopEndsAnEndlessSearchWithOneLegalBestMoveAndIsreadyIsAnsweredMeanwhile) {
  Talk talk;
  talk.say_lines({kTopLevel, kOpening});
  const auto answer = talk.say_lines({"go infinite", "isready", "stop", "stop"});
  ASSERT_GE(answer.size(), 2u);
  EXPECT_EQ(std::count(answer.begin(), answer.end(), "readyok"), 1);
  EXPECT_EQ(std::count_if(answer.begin(), answer.end(),
                          [](const std::string& l) { return l.rfind("bestmove ", 0) == 0; }),
            1);
  ASSERT_TRUE(std::regex_match(answer.back(), kBestmove)) << answer.back();
  for (const auto& line : answer) {
    EXPECT_TRUE(line == "readyok" || std::regex_match(line, kInfo) ||
                std::regex_match(line, kBestmove))
        << line;
  }
  EXPECT_EQ(talk.say("check " + answer.back().substr(9)), std::vector<std::string>{"ok"});
}

TEST(SearchSession, OtherCommandsEndTheSearchFirstAndQuitStopsIt) {
  Talk talk;
  talk.say_lines({"setoption name Level value 1", kOpening});
  // An endless search: waiting for it before answering `d` would never end.
  const auto answer = talk.say_lines({"go infinite", "d", "position startpos"});
  const auto best = std::find_if(answer.begin(), answer.end(),
                                 [](const std::string& l) { return l.rfind("bestmove ", 0) == 0; });
  const auto diagram = std::find(answer.begin(), answer.end(), "turn w");
  ASSERT_NE(best, answer.end());
  ASSERT_NE(diagram, answer.end());
  EXPECT_LT(best - answer.begin(), diagram - answer.begin()) << "d answered after bestmove";

  EXPECT_TRUE(talk.session().handle_line("go infinite"));
  EXPECT_FALSE(talk.session().handle_line("quit"));
  EXPECT_FALSE(talk.session().searching());
}

TEST(SearchSession, TheTableIsMadeWhenItsSizeIsSetOrAtIsreadyNotInAMovesTime) {
  Talk sized;
  EXPECT_FALSE(sized.session().table_made());
  sized.say("setoption name USI_Hash value 2");
  EXPECT_TRUE(sized.session().table_made());
  Talk readied;
  readied.say("isready");
  EXPECT_TRUE(readied.session().table_made());
}

// Whatever the engine answers, its own position command takes: `pass` only for a side with no
// move, and a move wherever the standard computer finds no candidate or the strong one plays no
// more (at the record's bound, which the protocol goes beyond).
TEST(SearchSession, EveryBestmoveIsOneThePositionCommandTakes) {
  const std::vector<std::string> positions = {
      "sfen 9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 3",
      "sfen 9/9/9/9/4P4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 500",
      "sfen 9/9/9/9/4P4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 731",
  };
  for (const auto& position : positions) {
    for (int level = 0; level <= 強さ_最強; ++level) {
      Talk talk;
      talk.say_lines(
          {"setoption name Level value " + std::to_string(level), "position " + position});
      const std::string best = talk.bestmove({"go nodes 500"});
      ASSERT_EQ(best.rfind("bestmove ", 0), 0u) << best;
      EXPECT_NE(best, "bestmove pass") << position << " level " << level;
      EXPECT_TRUE(talk.say("position " + position + " moves " + best.substr(9)).empty())
          << position << " level " << level << ": " << best;
    }
  }
}

// Before bestmove the last info line is the line of the move played, also when the cap ends the
// search in the middle of a depth after a new best move was found there.
TEST(SearchSession, TheLastInfoLineShowsTheMovePlayedAndEveryDepthIsReported) {
  Talk talk;
  talk.say_lines({kTopLevel, "position startpos moves P*5e P*5d G*6d S*4f"});
  for (const char* nodes : {"300", "1500", "6000"}) {
    const auto answer = talk.say(std::string("go nodes ") + nodes);
    ASSERT_GE(answer.size(), 2u);
    const std::string& info = answer[answer.size() - 2];
    const std::string best = answer.back().substr(9);
    EXPECT_NE(info.find(" pv " + best), std::string::npos) << nodes << ": " << info;
    for (std::size_t i = 0; i + 1 < answer.size(); ++i) {
      EXPECT_EQ(answer[i].rfind("info depth " + std::to_string(i + 1) + " ", 0), 0u) << answer[i];
    }
  }
}

TEST(SearchSession, SearchBenchIsRepeatableAndSignsItsMoves) {
  Talk talk;
  const auto first = talk.say("bench search 2");
  ASSERT_EQ(first.size(), 6u);
  EXPECT_EQ(first[1], "depth 2");
  EXPECT_TRUE(std::regex_match(first.back(), std::regex("signature [0-9a-f]{16}")));
  const auto again = talk.say("bench search 2");
  EXPECT_EQ(again.front(), first.front());
  EXPECT_EQ(again[2], first[2]) << "the same nodes";
  EXPECT_EQ(again.back(), first.back());
  for (const char* bad : {"bench search 0", "bench search 13", "bench search 2 3"}) {
    const auto answer = talk.say(bad);
    ASSERT_EQ(answer.size(), 1u) << bad;
    EXPECT_TRUE(is_error(answer[0])) << bad;
  }
}

}  // namespace
}  // namespace brenvolt::engine
