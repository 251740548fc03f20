// A match between two players: seeded random openings, each played twice with the colours
// swapped, games to a five, the move record's bound or no move for either side, and the
// result with an Elo estimate.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/move.h"
#include "tools/match/players.h"

namespace brenvolt::match {

// `plies` random legal moves from the start position, drawn with a generator seeded by seed.
std::vector<着手> opening(std::uint64_t seed, int plies);

struct GameResult {
  int winner = 0;  // 手番_先手, 手番_後手, or 0 for a draw
  int plies = 0;
  std::string reason;  // "five", "bound", "no move", "refused <move>"
  // Seconds each side took for its moves, 先手's first.
  std::vector<double> black_times;
  std::vector<double> white_times;
};

// Plays the opening's moves, then black and white in turn, every move judged and played by
// the game's turn.
GameResult play_game(Player& black, Player& white, const std::vector<着手>& moves);

struct Tally {
  int wins = 0;
  int losses = 0;
  int draws = 0;
  int games() const { return wins + losses + draws; }
};

// Score and Elo difference from the first player's view: the estimate, its 95 % error (±) and
// the ends of the 95 % interval. When the first player won or lost every game the estimate is
// unbounded and `bound` holds the Elo the interval's other end reaches.
struct EloEstimate {
  double score = 0;  // 0..1
  double elo = 0;
  double error = 0;
  double low = 0;
  double high = 0;
  bool unbounded = false;
  double bound = 0;
};
EloEstimate estimate(const Tally& tally);

// One line: "games 16 wins 12 losses 3 draws 1 score 78.1 % Elo +222 ± 203 (95 %: +60 to
// +inf)".
std::string summary(const Tally& tally);

}  // namespace brenvolt::match
