// Collecting the tactics suite from self-play: games of the search's levels against each other
// from the opening book, each position looked at before its move. A position where the side to
// move has a proven forced five becomes a "vcf" or "vct" entry, and one where it must stop such
// a five of the other side (and can, proven) a "defence" entry: at most one of each kind a
// game, the earliest, and no position twice. The games play by node counts, so the same
// options give the same suite.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "computer/strong/board.h"

namespace brenvolt::tactics {

struct GenerateOptions {
  std::string book;  // the opening book (one opening a line)
  int games = 200;
  std::uint64_t seed = 1;
  int wins = 100;                   // stop once this many win entries
  int defences = 50;                // and this many defence entries are found
  double nodes_per_second = 20000;  // the players' nodes: their time budget at this rate
  std::uint64_t proof_nodes = 4'000'000;
};

// Writes each entry to out as it is found, and a line a game to log. False (the reason in
// error) when the book cannot be read.
bool generate(const GenerateOptions& options, std::ostream& out, std::ostream& log,
              std::string& error);

// How far the solves look, in the attacker's moves (the five included): a win by fours alone,
// a win by fours and threes. "No win" for a defence is proven to both depths.
inline constexpr int kFourMoves = 12;
inline constexpr int kThreatMoves = 6;

// The cheap first look that picks the positions worth a deep solve: the engine's threat search
// (fours and threes) at a small node count. A defence is only kept when this finds no win
// after it, before the deep solve proves that none exists.
inline constexpr std::uint64_t kScreenNodes = 20'000;
bool screen_win(strong::Board& b, int moves);

}  // namespace brenvolt::tactics
