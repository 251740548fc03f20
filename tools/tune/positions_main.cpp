// brenvolt-tune-positions: self-play games of the strong computer at a fixed node count, from
// seeded random openings, written as the positions met and each game's result, for the tuner.
// One line a position: the result from 先手's view (1, 0.5 or 0), a space, the position in the
// engine's notation. Positions where the side to move has a five to make are left out: their
// judgement never decides anything.
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "computer/strong/board.h"
#include "computer/strong/searcher.h"
#include "notation/position_text.h"
#include "tools/command_number.h"
#include "tools/match/match.h"

namespace {

using namespace brenvolt;

struct Options {
  int games = 2000;
  std::uint64_t seed = 1;
  std::uint64_t nodes = 4000;
  int opening_plies = 6;
};

constexpr const char* kUsage =
    "usage: brenvolt-tune-positions [--games N] [--seed S] [--nodes K] [--opening-plies P]\n"
    "  Plays N games (2000) of the strong computer against itself at K nodes a move (4000),\n"
    "  each from P random moves (6) drawn with seed S + game number (S = 1), and writes every\n"
    "  position met with the game's result to standard output.\n";

bool parse_options(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (i + 1 >= argc) return false;
    const std::string value = argv[++i];
    std::uint64_t number = 0;
    if (!tools::read_number(value, number) || number == 0 || number > 100'000'000) return false;
    if (word == "--games") {
      o.games = static_cast<int>(number);
    } else if (word == "--seed") {
      o.seed = number;
    } else if (word == "--nodes") {
      o.nodes = number;
    } else if (word == "--opening-plies" && number <= 40) {
      o.opening_plies = static_cast<int>(number);
    } else {
      return false;
    }
  }
  return true;
}

// Can the side to move make five at once? Its judgement is then beside the point.
bool five_to_make(const 対局状態& 局) {
  strong::Board board;
  return !board.load(局) || board.windows_with(board.side_to_move(), 4) > 0;
}

// One game; its positions are appended to `positions`, and the result from 先手's view.
double play(Searcher& searcher, const match::Opening& opening, std::uint64_t nodes,
            std::vector<std::string>& positions) {
  対局 game = opening.game;
  const std::atomic<bool> stop{false};
  const 探索制限 limits{0, nodes, 0};
  while (game.局.対局中 == 有 && !手数上限(game.局)) {
    if (!five_to_make(game.局)) positions.push_back(notation::format_position(game.局));
    const auto move = searcher.think(game.局, game.局.手番, limits, stop);
    if (!move) return 0.5;
    const int mover = game.局.手番;
    const 着手の結果 outcome = game.指す(*move);
    if (outcome.結果 == 結末::五並び) return mover == 手番_先手 ? 1.0 : 0.0;
    if (outcome.結果 != 結末::続行) return 0.5;
  }
  return 0.5;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse_options(argc, argv, o)) {
    std::cerr << kUsage;
    return 2;
  }
  Searcher searcher;
  std::vector<std::string> positions;
  for (int g = 0; g < o.games; ++g) {
    positions.clear();
    const auto moves = match::opening(o.seed + static_cast<std::uint64_t>(g), o.opening_plies);
    const double result = play(searcher, match::opening_of_moves(moves), o.nodes, positions);
    const char* word = result == 1.0 ? "1" : result == 0.0 ? "0" : "0.5";
    for (const std::string& p : positions) std::cout << word << ' ' << p << '\n';
    if ((g + 1) % 100 == 0) std::cerr << "games " << g + 1 << '\n';
  }
  return 0;
}
