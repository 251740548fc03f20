// A match between two players: openings (seeded random ones or a book's), each played twice
// with the colours swapped, games to a five, the move record's bound or no move for either
// side, and the result with an Elo estimate.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/match.h"
#include "game/move.h"
#include "tools/match/players.h"
#include "tools/match/statistics.h"

namespace brenvolt::match {

// `plies` random legal moves from the start position, drawn with a generator seeded by seed.
std::vector<着手> opening(std::uint64_t seed, int plies);

// Where a pair of games starts: a match played up to the end of its opening moves, still
// running, and how many moves the opening played.
struct Opening {
  対局 game;
  int plies = 0;
};
// The moves played from the start position; they must be moves the turn accepts.
Opening opening_of_moves(const std::vector<着手>& moves);

struct GameResult {
  int winner = 0;  // 手番_先手, 手番_後手, or 0 for a draw
  int plies = 0;
  std::string reason;  // "five", "bound", "no move", "refused <move>"
  // Seconds each side took for its moves, 先手's first.
  std::vector<double> black_times;
  std::vector<double> white_times;
  // The whole game, opening included, as the engine's "position ... moves ..." line.
  std::string moves;
};

// From the opening's end, black and white in turn, every move judged and played by the game's
// turn; plies counts the opening's moves too.
GameResult play_game(Player& black, Player& white, const Opening& opening);
GameResult play_game(Player& black, Player& white, const std::vector<着手>& moves);

struct Tally {
  int wins = 0;
  int losses = 0;
  int draws = 0;
  int games() const { return wins + losses + draws; }
};

// Score and Elo difference from the first player's view, each game counted on its own.
EloEstimate estimate(const Tally& tally);

// One line: "games 16 wins 12 losses 3 draws 1 score 78.1 % Elo +222 ± 203 (95 %: +60 to
// +inf)".
std::string summary(const Tally& tally);

}  // namespace brenvolt::match
