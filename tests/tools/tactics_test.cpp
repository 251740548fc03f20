// The tactics suite in the repository: every line reads, every position is a running game of
// the kind its line claims, and every answer is a move the side to move may play. Checked with
// the engine's threat search at a fixed node count, which is cheap; the deep solve made them.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "computer/strong/threat_search.h"
#include "computer/strong/threats.h"
#include "notation/position_text.h"
#include "tools/tactics/generate.h"
#include "tools/tactics/prover.h"
#include "tools/tactics/suite.h"

namespace brenvolt::tactics {
namespace {

using strong::Board;

constexpr std::uint64_t kCheckNodes = 200'000;

bool threat_win(Board& b, int moves, bool fours_only, std::uint64_t nodes) {
  strong::ThreatSearch search;
  strong::ThreatSearch::Budget budget;
  budget.nodes = nodes;
  return search.find_win(b, moves, fours_only, budget, nullptr);
}

std::vector<Entry> suite() {
  std::ifstream file(BRENVOLT_TACTICS_SUITE);
  std::string error;
  std::vector<Entry> entries = read_suite(file, error);
  EXPECT_EQ(error, "");
  return entries;
}

Board board_of(const char* position) {
  対局状態 局{};
  std::string error;
  EXPECT_TRUE(notation::parse_position(position, 局, error)) << error;
  Board b;
  EXPECT_TRUE(b.load(局));
  return b;
}

// Three of 先手 in a row in the middle of an empty board, both ends open.
constexpr const char* kOpenThree = "9/9/9/9/3GSK3/9/9/9/9 %c RB2N2L2Pkrbgs2n2l2p 7";

std::string open_three(char side) {
  char text[96];
  std::snprintf(text, sizeof text, kOpenThree, side);
  return text;
}

TEST(TacticsProver, AnOpenThreeWinsUnlessAnEndIsFilled) {
  Prover prover(1'000'000);
  Board b = board_of(open_three('b').c_str());
  const SolveResult win = prover.solve(b, kThreatMoves, false);
  EXPECT_EQ(win.verdict, Verdict::win);
  EXPECT_EQ(win.moves, 2);  // the open four, then the five

  // 後手 to move: only a piece next to the three stops it; a piece anywhere else loses.
  Board w = board_of(open_three('w').c_str());
  const auto black_after = [&](const char* reply) {
    const strong::Move m = legal_move_named(w, reply);
    EXPECT_TRUE(m) << reply;
    w.make(m);
    const Verdict v = prover.solve(w, kThreatMoves, false).verdict;
    w.unmake(m);
    return v;
  };
  EXPECT_EQ(black_after("G*7e"), Verdict::no_win);
  EXPECT_EQ(black_after("P*3e"), Verdict::no_win);
  EXPECT_EQ(black_after("G*8e"), Verdict::win);
  EXPECT_EQ(black_after("R*1a"), Verdict::win);
}

TEST(TacticsSuite, LinesReadBackAsWrittenAndBadOnesAreRefused) {
  const std::string line = "vct 4 9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 1 P*5e G*4e";
  std::string error;
  const auto entry = parse_entry(line + "  # comment", error);
  ASSERT_TRUE(entry.has_value()) << error;
  EXPECT_EQ(entry->kind, Kind::vct);
  EXPECT_EQ(entry->moves, 4);
  EXPECT_EQ(entry->answers, (std::vector<std::string>{"P*5e", "G*4e"}));
  EXPECT_EQ(format_entry(*entry), line);
  EXPECT_FALSE(parse_entry("   # only a comment", error).has_value());

  for (const char* bad :
       {"mate 4 9/9/9/9/9/9/9/9/9 b - 1 P*5e", "vcf 0 9/9/9/9/9/9/9/9/9 b - 1 P*5e",
        "vcf 4x 9/9/9/9/9/9/9/9/9 b - 1 P*5e", "vcf 4 9/9/9/9/9/9/9/9/9 b - 1"}) {
    error.clear();
    EXPECT_FALSE(parse_entry(bad, error).has_value()) << bad;
    EXPECT_NE(error, "") << bad;
  }
  std::istringstream with_bad_line("# header\n" + line + "\nvcf\n");
  EXPECT_TRUE(read_suite(with_bad_line, error).empty());
  EXPECT_EQ(error.rfind("line 3", 0), 0u) << error;
}

TEST(TacticsSuite, EveryPositionIsOfItsKindAndEveryAnswerIsLegal) {
  const std::vector<Entry> entries = suite();
  int wins = 0;
  int defences = 0;
  for (const Entry& entry : entries) {
    const std::string line = format_entry(entry);
    const auto game = game_of(entry);
    ASSERT_TRUE(game.has_value()) << line;
    Board b;
    ASSERT_TRUE(b.load(*game)) << line;
    EXPECT_FALSE(strong::winning_move(b)) << "a five in one: " << line;
    ASSERT_FALSE(entry.answers.empty()) << line;
    for (const std::string& answer : entry.answers) {
      EXPECT_TRUE(legal_move_named(b, answer)) << answer << " in " << line;
    }
    if (entry.kind == Kind::defence) {
      ++defences;
      b.make_null();
      EXPECT_TRUE(threat_win(b, kThreatMoves, false, kCheckNodes)) << "no threat: " << line;
      b.unmake_null();
      const strong::Move first = legal_move_named(b, entry.answers.front());
      b.make(first);
      EXPECT_FALSE(screen_win(b, kFourMoves)) << "not held: " << line;
      b.unmake(first);
    } else {
      ++wins;
      const bool fours_only = entry.kind == Kind::vcf;
      EXPECT_TRUE(threat_win(b, fours_only ? kFourMoves : kThreatMoves, fours_only, kCheckNodes))
          << "no win: " << line;
    }
  }
  EXPECT_GE(wins, 90);
  EXPECT_GE(defences, 40);
}

}  // namespace
}  // namespace brenvolt::tactics
