// The match tool's opening book and command line: the forms a book line takes, the lines it
// refuses (named by number), the book kept in the repository, and the SPRT's options.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "notation/position_text.h"
#include "tools/match/book.h"
#include "tools/match/options.h"

namespace brenvolt::match {
namespace {

std::string position_after(const Opening& opening) {
  return notation::format_position(opening.game.局);
}

TEST(定跡, 三つの書き方が同じ局面になる) {
  std::string error;
  const auto bare = read_opening("P*5e P*5d  # a pawn each", error);
  const auto command = read_opening("position startpos moves P*5e P*5d", error);
  const auto sfen =
      read_opening("position sfen 9/9/9/9/4P4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2 moves P*5d", error);
  ASSERT_TRUE(bare && command && sfen) << error;
  const std::string expected = "9/9/9/4p4/4P4/9/9/9/9 b KRBGS2N2LPkrbgs2n2lp 3";
  EXPECT_EQ(position_after(*bare), expected);
  EXPECT_EQ(position_after(*command), expected);
  EXPECT_EQ(position_after(*sfen), expected);
  EXPECT_EQ(bare->plies, 2);
  EXPECT_EQ(sfen->plies, 1);
  EXPECT_EQ(bare->game, command->game);
  // The book's start is the one the seeded openings play from.
  EXPECT_EQ(read_opening("position startpos", error)->game.局, opening_of_moves({}).game.局);

  EXPECT_FALSE(read_opening("   # only a comment", error));
  EXPECT_FALSE(read_opening("", error));
}

TEST(定跡, 読めない行はその行番号で断る) {
  const auto refusal = [](const std::string& text) {
    std::istringstream in(text);
    std::string error;
    EXPECT_TRUE(read_book(in, error).empty());
    return error;
  };
  EXPECT_EQ(refusal("# header\nP*5e\nP*5e P*5e\n"), "line 3: move refused: P*5e");
  EXPECT_EQ(refusal("P*5e x\n").rfind("line 1: not a move", 0), 0u);
  EXPECT_EQ(refusal("position sfen 9/9 b\n").rfind("line 1: position needs", 0), 0u);
  EXPECT_EQ(refusal("position sfen 9/9/9/9/9/9/9/9/9 b - 1\n").rfind("line 1: bad position", 0),
            0u);
  // An opening that ends the game leaves nothing to play.
  EXPECT_EQ(refusal("G*9e G*9a S*8e S*7a B*7e B*5a R*6e R*3a K*5e\n"),
            "line 1: the game is over after K*5e");
  EXPECT_EQ(refusal("# nothing\n\n"), "no opening in the book");

  std::istringstream two("P*5e\n\n# a comment\nposition startpos moves P*5e P*5d\n");
  std::string error;
  EXPECT_EQ(read_book(two, error).size(), 2u);
}

// The book kept beside the tool: every line plays, the openings are all different positions
// of 2 to 6 moves, and there are enough of them for a match of a hundred pairs.
TEST(定跡, 収録の定跡はすべて読めて重複しない) {
  std::ifstream file(BRENVOLT_OPENING_BOOK);
  ASSERT_TRUE(file.good());
  std::string error;
  const auto book = read_book(file, error);
  ASSERT_FALSE(book.empty()) << error;
  EXPECT_GE(book.size(), 100u);
  std::set<std::string> positions;
  for (const Opening& opening : book) {
    EXPECT_GE(opening.plies, 2);
    EXPECT_LE(opening.plies, 6);
    positions.insert(position_after(opening));
  }
  EXPECT_EQ(positions.size(), book.size());
}

TEST(対局ツールの引数, SPRTの指定) {
  std::ostringstream error;
  const auto parse = [&](std::vector<const char*> args) {
    args.insert(args.begin(), "brenvolt-match");
    return parse_options(static_cast<int>(args.size()), args.data(), error);
  };
  const auto sprt = parse({"--sprt", "-5", "50", "--beta", "0.1", "--normalized", "2", "1"});
  ASSERT_TRUE(sprt && sprt->sprt);
  EXPECT_EQ(sprt->sprt->elo0, -5);
  EXPECT_EQ(sprt->sprt->elo1, 50);
  EXPECT_EQ(sprt->sprt->alpha, 0.05);
  EXPECT_EQ(sprt->sprt->beta, 0.1);
  EXPECT_EQ(sprt->sprt->model, EloModel::normalized);
  EXPECT_EQ(sprt->pairs, kSprtPairs);  // --pairs unsaid: the SPRT's own ceiling
  EXPECT_EQ(sprt->players[0], "2");
  EXPECT_EQ(parse({"--pairs", "200", "--sprt", "0", "50", "2", "1"})->pairs, 200);
  EXPECT_EQ(parse({"--book", "b.txt", "--shuffle", "2", "1"})->book, "b.txt");
  EXPECT_FALSE(parse({"2", "1"})->sprt);
  EXPECT_EQ(engine_go(*parse({"--movetime", "300", "--nodes", "5000", "2", "1"})),
            "go nodes 5000 movetime 300");
  EXPECT_EQ(engine_go(*parse({"2", "1"})), "go");
  EXPECT_FALSE(parse({"--movetime", "0", "2", "1"}));

  EXPECT_FALSE(parse({"--sprt", "50", "0", "2", "1"}));  // ELO0 must be below ELO1
  EXPECT_FALSE(parse({"--sprt", "0", "50", "--alpha", "0.6", "--beta", "0.5", "2", "1"}));
  EXPECT_FALSE(parse({"--alpha", "1", "2", "1"}));
  EXPECT_FALSE(parse({"--sprt", "0", "2", "1"}));  // one Elo only: 2 is taken as ELO1
  EXPECT_FALSE(parse({"--sprt", "0"}));

  std::ostringstream out;
  const char* help[] = {"brenvolt-match", "--sprt", "0", "--help"};
  EXPECT_TRUE(answered_information(4, help, out));
  EXPECT_NE(out.str().find("--sprt ELO0 ELO1"), std::string::npos);
}

}  // namespace
}  // namespace brenvolt::match
